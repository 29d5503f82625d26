// CView: the print loop, the preparation of a printer DC and the default printing steps.
#include <new>
#include <stdexcept>

#include "win/CView.h"

#include "win/AfxRes.h"
#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/CDC.h"
#include "win/CDocument.h"
#include "win/CFileDialog.h"
#include "win/CFrameWnd.h"
#include "win/CPrintInfo.h"
#include "win/CWinApp.h"
#include "win/HostPath.h"
#include "win/WinServices.h"

namespace {

// While the printer works, the program keeps handling its messages (its windows repaint); the main
// window is disabled, so nothing starts another job. WM_QUIT ends the job and is posted again for the
// message loop.
BOOL CALLBACK PrintAbortProc(HDC hDC, int nCode)
{
    (void)hDC;
    (void)nCode;
    return AfxCallProtected<BOOL>(FALSE, [] {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage(int(msg.wParam));
                return FALSE;
            }
            CWinApp* pApp = AfxGetApp();
            if (pApp == nullptr || !pApp->PreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        return TRUE;
    });
}

// An exception caught by the print loop, kept until the job has been cleaned up and reported then.
class CaughtError {
public:
    ~CaughtError()
    {
        if (m_pException != nullptr)
            m_pException->Delete();
    }
    bool Failed() const { return m_bFailed; }
    // Runs fn(); an exception is kept (the first one) and false returned.
    template <class F>
    bool Run(F&& fn)
    {
        try {
            fn();
            return true;
        } catch (CException* e) {
            Keep(e, CString());
        } catch (const std::bad_alloc&) {
            Keep(nullptr, CString());
        } catch (const std::exception& e) {
            Keep(nullptr, e.what());
        } catch (...) {
            Keep(nullptr, AfxLoadLibraryString(AFX_IDP_INTERNAL_FAILURE));
        }
        return false;
    }
    // Reports the kept exception through the services object.
    void Report()
    {
        if (!m_bFailed)
            return;
        if (m_pException != nullptr) {
            CException* e = m_pException;
            m_pException = nullptr;
            AfxReportBarrierException(e);
        } else {
            AfxReportBarrierException(m_strText.IsEmpty() ? static_cast<const char*>(nullptr) : m_strText.GetString());
        }
    }

private:
    void Keep(CException* e, const CString& strText)
    {
        if (m_bFailed) {
            if (e != nullptr)
                e->Delete();
            return;
        }
        m_bFailed = true;
        m_pException = e;
        m_strText = strText;
    }

    bool m_bFailed = false;
    CException* m_pException = nullptr;
    CString m_strText;
};

} // namespace

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    AfxRequirePointer(pInfo, "CView::DoPreparePrinting", "pInfo");
    CWinApp* pApp = AfxGetApp();
    PRINTDLGA& pd = pInfo->m_pPD->m_pd;
    if (pInfo->m_bPreview || pInfo->m_bDirect) {
        if (pApp != nullptr)
            pApp->GetPrinterDeviceDefaults(&pd);
    } else {
        if (pApp == nullptr || pApp->DoPrintDialog(pInfo->m_pPD) != IDOK)
            return FALSE;
    }
    if (pd.hDC == nullptr)
        pInfo->m_pPD->CreatePrinterDC();
    if (pd.hDC == nullptr) {
        AfxMessageBox(AfxLoadLibraryString(AFX_IDP_FAILED_TO_CREATE_DC));
        return FALSE;
    }
    return TRUE;
}

void CView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    AfxRequirePointer(pDC, "CView::OnBeginPrinting", "pDC");
    (void)pInfo;
}

void CView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    AfxRequirePointer(pDC, "CView::OnEndPrinting", "pDC");
    (void)pInfo;
}

CString CView::GetPrintJobName()
{
    if (CDocument* pDocument = GetDocument())
        return pDocument->GetTitle();
    CFrameWnd* pFrame = GetParentFrame();
    return pFrame != nullptr ? pFrame->GetTitle() : CString();
}

void CView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    (void)pInfo;
    OnDraw(pDC);
}

void CView::OnFilePrint()
{
    CPrintInfo printInfo;
    const MSG* pMsg = GetCurrentMessage();
    printInfo.m_bDirect = pMsg->message == WM_COMMAND && LOWORD(pMsg->wParam) == ID_FILE_PRINT_DIRECT;
    if (!OnPreparePrinting(&printInfo))
        return;

    CString strOutput;
    if (printInfo.m_pPD->PrintToFile()) {
        CFileDialog dlg(FALSE, "prn", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                        AfxLoadLibraryString(AFX_IDS_PRINT_FILE_FILTER), this);
        if (dlg.DoModal() != IDOK)
            return;
        // the system prints to a file named in the code page: a name it cannot hold is refused, never
        // printed to under another one
        if (!AfxPathToCodePage(dlg.GetPathName(), strOutput)) {
            AfxMessageBox(AfxLoadLibraryString(AFX_IDP_PATH_NOT_HELD), MB_OK | MB_ICONEXCLAMATION);
            return;
        }
    }

    CDC* pDC = CDC::FromHandle(printInfo.m_pPD->m_pd.hDC);
    if (pDC == nullptr)
        return;
    pDC->m_bPrinting = TRUE;
    CWnd* pMainWnd = AfxGetMainWnd();
    const CString strJob = GetPrintJobName();
    bool bDisabled = false, bStarted = false, bError = false;
    CaughtError error;
    error.Run([&] {
        OnBeginPrinting(pDC, &printInfo);
        pDC->SetAbortProc(PrintAbortProc);
        if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr) {
            pMainWnd->EnableWindow(FALSE);
            bDisabled = true;
        }
        DOCINFOA docInfo = {};
        docInfo.cbSize = sizeof docInfo;
        docInfo.lpszDocName = strJob;
        docInfo.lpszOutput = strOutput.IsEmpty() ? nullptr : strOutput.GetString();
        if (pDC->StartDoc(&docInfo) <= 0) {
            bError = true;
            return;
        }
        bStarted = true;

        UINT nStartPage = printInfo.GetMinPage(), nEndPage = printInfo.GetMaxPage();
        if (printInfo.m_pPD->PrintRange()) {
            nStartPage = printInfo.GetFromPage() < nStartPage ? nStartPage : printInfo.GetFromPage();
            nEndPage = printInfo.GetToPage() > nEndPage ? nEndPage : printInfo.GetToPage();
        }
        const CRect rectPage(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
        for (printInfo.m_nCurPage = nStartPage; printInfo.m_nCurPage <= nEndPage; ++printInfo.m_nCurPage) {
            // the page in device units first: a view may keep the rectangle while it prepares the DC
            printInfo.m_rectDraw = rectPage;
            OnPrepareDC(pDC, &printInfo);
            if (!printInfo.m_bContinuePrinting)
                break;
            printInfo.m_rectDraw = rectPage;
            pDC->DPtoLP(&printInfo.m_rectDraw);
            if (pDC->StartPage() <= 0) {
                bError = true;
                break;
            }
            OnPrint(pDC, &printInfo);
            if (pDC->EndPage() <= 0) {
                bError = true;
                break;
            }
        }
    });
    const bool bFailed = error.Failed();
    if (bStarted) {
        if (bError || bFailed)
            pDC->AbortDoc();
        else
            pDC->EndDoc();
    }
    if (bDisabled && pMainWnd->m_hWnd != nullptr)
        pMainWnd->EnableWindow(TRUE);
    error.Run([&] { OnEndPrinting(pDC, &printInfo); });
    error.Report();
    if (bError && !bStarted && !bFailed)
        AfxMessageBox(AfxLoadLibraryString(AFX_IDP_FAILED_TO_START_PRINT));
}
