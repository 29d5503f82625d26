// CWinApp: the application's printer and the printer set-up command.
#include "win/CWinApp.h"

#include "win/ArgCheck.h"
#include "win/CPrintDialog.h"

BOOL CWinApp::GetPrinterDeviceDefaults(PRINTDLGA* pPrintDlg)
{
    AfxRequirePointer(pPrintDlg, "CWinApp::GetPrinterDeviceDefaults", "pPrintDlg");
    if (m_hDevNames == nullptr) {
        CPrintDialog dlgDefaults(TRUE);
        if (dlgDefaults.GetDefaults()) {
            if (m_hDevMode != nullptr)
                ::GlobalFree(m_hDevMode);
            m_hDevMode = dlgDefaults.m_pd.hDevMode;
            m_hDevNames = dlgDefaults.m_pd.hDevNames;
        }
    }
    pPrintDlg->hDevMode = m_hDevMode;
    pPrintDlg->hDevNames = m_hDevNames;
    return m_hDevNames != nullptr;
}

INT_PTR CWinApp::DoPrintDialog(CPrintDialog* pPD)
{
    AfxRequirePointer(pPD, "CWinApp::DoPrintDialog", "pPD");
    GetPrinterDeviceDefaults(&pPD->m_pd);
    const INT_PTR nResult = pPD->DoModal();
    // the dialog may have freed the blocks it was given and made new ones
    m_hDevMode = pPD->m_pd.hDevMode;
    m_hDevNames = pPD->m_pd.hDevNames;
    return nResult;
}

void CWinApp::OnFilePrintSetup()
{
    CPrintDialog dlgSetup(TRUE);
    DoPrintDialog(&dlgSetup);
}
