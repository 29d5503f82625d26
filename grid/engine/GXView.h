// CGXView: the document view the grid view stands on. It keeps the view's print device (owned or
// borrowed from the grid's parameter object), prints through the class library's print loop and
// print preview, and runs the printer set-up dialog.
//
// Printing set-up (ID_FILE_PRINT_SETUP) shows the printer set-up dialog with PD_NOSELECTION,
// PD_NOPAGENUMS, PD_USEDEVMODECOPIES and PD_HIDEPRINTTOFILE: on the view's print device through the
// print-device module when the view has one (the printer chosen becomes the device's), else on the
// application's printer with a wait cursor. Preparing a print job likewise goes through the module with
// the device (the application's printer becomes the device's first, the printer the dialog chose
// becomes the device's, then OnPrintDevicePrepared), else runs the class library's standard
// preparation with a wait cursor.
//
// Splitters: a view without a scroll bar of its own uses the shared bar (59920 vertical, 59904
// horizontal) of a parent of the splitter classes registered with the grid library, else the class
// library's rule.
#pragma once

#include <windows.h>

#include "win/CView.h"

// The shared scroll bar for nBar (SB_VERT: child 59920, SB_HORZ: 59904) of the first parent of pWnd
// of the splitter classes registered with the grid library, for a window without a bar of its own in
// that direction. Null when pWnd has its own bar or no such parent.
class CGXPrintDevice;

CScrollBar* GXGetSharedScrollBar(const CWnd* pWnd, int nBar);

class CGXView : public CView {
    DECLARE_DYNAMIC(CGXView)
    DECLARE_MESSAGE_MAP()
public:
    ~CGXView() override;

    CScrollBar* GetScrollBarCtrl(int nBar) const override;
    // Deletes an owned print device, forgets the device and calls OnUpdate(null, 0, null).
    void OnInitialUpdate() override;

    // The view's print device (null: none) and whether the view owns it.
    CGXPrintDevice* GetPrintDevice() const { return m_pPrintDevice; }
    BOOL GetOwnPrintDevice() const { return m_bOwnPrintDevice; }
    // Keeps pDevice (deleting a previous owned one); bOwn: the view deletes it.
    void SetPrintDevice(CGXPrintDevice* pDevice, BOOL bOwn);

protected:
    CGXView();

    // DoPrintDevicePreparePrinting.
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    // The grid's preparation of a print job: a wait cursor, then the class library's standard
    // preparation (DoPreparePrinting). FALSE cancels the job.
    BOOL DoPrintDevicePreparePrinting(CPrintInfo* pInfo);
    // Runs after the print device prepared printing; nothing here.
    virtual void OnPrintDevicePrepared(CPrintInfo* pInfo);

    afx_msg void OnFilePrintSetup();
    // 0x790: TRUE (a tab window may rename the view); 0x791: the default processing.
    afx_msg LRESULT OnCanRename(WPARAM wParam, LPARAM lParam);

private:
    BOOL m_bOwnPrintDevice;
    CGXPrintDevice* m_pPrintDevice;
};
