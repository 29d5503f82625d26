// CPrintDialog: the system's print and printer set-up dialogs, and the printer's device context.
//
// A printer is described by two blocks of movable global memory: DEVNAMES (driver, device and port
// names) and DEVMODE (the device's settings). m_pd.hDevNames and m_pd.hDevMode carry them in and out:
// the dialog may free the blocks given and answer new ones, so after DoModal the caller takes both
// from m_pd (CWinApp::DoPrintDialog does so for the application's printer). The dialog never frees
// them itself; they belong to whoever handed them in or took them out.
//
// GetDefaults asks for the system's default printer without showing anything; under Wine there is
// none, so it answers FALSE and leaves m_pd as it was. CreatePrinterDC makes a device context for the
// printer in m_pd (through the services object, so tests answer with a printer-like DC); the dialog
// deletes it when it is destroyed unless the caller took it (set m_pd.hDC to null).
//
// Not done yet: print-to-file names, hooks and templates.
#pragma once

#include "win/CCommonDialog.h"

class CPrintDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CPrintDialog)
public:
    // bPrintSetupOnly: the printer set-up dialog (PD_PRINTSETUP) instead of the print dialog.
    // dwFlags: PD_* (the print dialog also gets PD_RETURNDC). pParentWnd: the owner's window (null: the
    // main window).
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
                                          PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);
    // Deletes m_pd.hDC when it is still there.
    ~CPrintDialog() override;

    // Shows the dialog. IDOK when the user accepted (m_pd holds the printer), else IDCANCEL.
    INT_PTR DoModal() override;
    // The default printer into m_pd.hDevMode and m_pd.hDevNames, which must be null. FALSE when there
    // is none (m_pd unchanged).
    BOOL GetDefaults();
    // A device context for the printer of m_pd (replacing an earlier one), kept in m_pd.hDC. Null when
    // m_pd names no printer or the DC cannot be made.
    HDC CreatePrinterDC();
    // The printer's name from m_pd.hDevNames (empty without one).
    CString GetDeviceName() const;
    // What the user chose: the page range (nFromPage, nToPage), all pages (neither a range nor the
    // selection), the selection (PD_SELECTION), a page range (PD_PAGENUMS), printing to a file
    // (PD_PRINTTOFILE).
    UINT GetFromPage() const { return m_pd.nFromPage; }
    UINT GetToPage() const { return m_pd.nToPage; }
    BOOL PrintAll() const { return (m_pd.Flags & (PD_SELECTION | PD_PAGENUMS)) == 0; }
    BOOL PrintSelection() const { return (m_pd.Flags & PD_SELECTION) != 0; }
    BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
    BOOL PrintToFile() const { return (m_pd.Flags & PD_PRINTTOFILE) != 0; }

    PRINTDLGA m_pd;
};

// A device context for the printer that hDevNames (and hDevMode, may be null) describe, made through
// the services object; the caller deletes it. Null without hDevNames or when the DC cannot be made.
HDC AfxCreateDC(HGLOBAL hDevNames, HGLOBAL hDevMode);
