// CPropertySheet and CPropertyPage: a tabbed dialog of pages over the system's property-sheet control.
//
// Pages. A CPropertyPage is a CDialog whose template (a child dialog of the current resource handle,
// then the program) the sheet turns into a page. The sheet makes the page's window when the page is
// first shown: its messages go through the page's table from WM_CREATE on, and OnInitDialog fills its
// controls. A page removed while the sheet is shown loses its window; the object stays, keeps its
// members and can be added again (its window is then made anew and filled from them). The sheet asks
// the pages through notifications that the page turns into virtual calls:
// - OnSetActive: the page becomes the active one. Base: from the second time on, the controls are
//   filled from the members again (UpdateData(FALSE)); TRUE.
// - OnKillActive: the page is left for another tab, or the user pressed OK or Apply. Base: the
//   members are read and checked (UpdateData(TRUE)). FALSE refuses: the page stays active and the
//   sheet stays open.
// - OnApply: OK or Apply, once the active page agreed to be left; every page that has a window is
//   asked. Base: OnOK, TRUE.
// - OnQueryCancel before a cancel (FALSE keeps the sheet open), then OnReset. Base: TRUE; OnCancel.
// A page's OnOK and OnCancel do nothing: a page never ends a dialog. SetModified(TRUE) enables the
// sheet's Apply button.
//
// Sheet. AddPage and RemovePage work before the sheet is shown and while it is (a page added while it
// is shown gets its tab at the end). m_psh and each page's m_psp are the Win32 records: the caller's
// flags in them count (PSH_NOAPPLYNOW: no Apply button; PSP_USETITLE is set for a page with a caption);
// the pages, parent, instance and the fields the sheet needs to run are filled in when it runs. The
// library asks for no Help buttons (PSH_HASHELP and PSP_HASHELP are off): the program has no help.
//
// Modal: DoModal hands the sheet to the services object, as CDialog::DoModal does; production runs
// RunModalLoop: the system's sheet is made modeless, its owner's top-level window disabled, and the
// library's modal loop (the one of dialogs) runs until the sheet ends: OK after every page accepted,
// Cancel, closing the window, or EndDialog. The result is IDOK, IDCANCEL or the EndDialog value. A
// test's services object does the steps itself (StartModal, act on the live sheet: click its buttons
// and tabs, IsModalEnded and GetModalResult, FinishModal).
//
// The sheet's window runs through the sheet's own table first: a derived sheet handles commands (the
// Apply button ID_APPLY_NOW, IDOK) and messages itself; what it leaves goes to the system's sheet.
// OnInitDialog runs when the window is made; its base is the system's initialisation (tabs, buttons
// and the first page), so a derived sheet calls it first and may then resize the window and add
// children. Keyboard messages for the sheet go through the system sheet's dialog handling (Tab,
// Ctrl+Tab and Ctrl+Page Down to the next page, Ctrl+Shift+Tab and Ctrl+Page Up to the one before);
// the pages are control parents in the sheet's one tab order (CDialog.h). When a key turned the page
// while the focus was on the page it hid, the focus goes to the first control of the page shown (the
// tab control when it has none): the system's sheet left it on a hidden control, where typing went
// unseen.
//
// Measured under Wine 8: the system's sheet makes a page's dialog right after asking its callback
// (PSPCB_CREATE), and makes the sheet's dialog before any other window; with PSH_NOAPPLYNOW the Apply
// button exists but stays hidden; after OK or Cancel a modeless sheet keeps its window and answers
// PSM_GETCURRENTPAGEHWND with null.
//
// Not done yet: wizards (PSH_WIZARD), modeless sheets, help.
#pragma once

#include "win/CDialog.h"

#include <prsht.h>

#include <vector>

class CPropertySheet;

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    // nIDTemplate / lpszTemplateName: the page's child-dialog template. nIDCaption: the string that
    // captions the page's tab (0: the template's caption).
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption = 0);
    ~CPropertyPage() override;

    // Tells the sheet that the page holds changes (enables Apply) or none.
    void SetModified(BOOL bChanged = TRUE);

    // The sheet's questions (see the top of this file).
    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual BOOL OnQueryCancel();
    void OnOK() override;
    void OnCancel() override;

    // The sheet handles the keyboard of its pages; a page only relays tooltips.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    PROPSHEETPAGEA m_psp;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class CPropertySheet;

    void CommonConstruct(UINT nIDCaption);
    // Disarms the creation hook the page armed for its window, if it still waits.
    void DisarmHook();
    // The record the system's sheet makes the page from: m_psp with the loaded template. FALSE when the
    // template is missing.
    BOOL PreparePage(PROPSHEETPAGEA& psp);
    static UINT CALLBACK PageCallback(HWND hWnd, UINT uMsg, LPPROPSHEETPAGEA ppsp);

    struct CPageState {
        CString strCaption;         // the tab's text (empty: the template's caption)
        BOOL bFirstSetActive = TRUE; // the next OnSetActive is the first since the window was made
        BOOL bHookArmed = FALSE;     // the creation hook waits for the page's window
        CWnd* pPreviousHook = nullptr; // what the hook was armed for before
    } m_pageState;
};

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
    DECLARE_MESSAGE_MAP()
public:
    // nIDCaption / pszCaption: the sheet's caption (a string resource, or a text). pParentWnd: the
    // owner (null: the application's main window). iSelectPage: the page active first.
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    // Pages, in tab order. AddPage appends pPage (not null, not already in the sheet); RemovePage takes
    // the page at nPage (or pPage) out, closing its window when the sheet is shown. A bad index or a page
    // not in the sheet is refused with CInvalidArgException.
    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const;
    CPropertyPage* GetPage(int nPage) const;
    // The page's index, -1 when it is not in the sheet.
    int GetPageIndex(const CPropertyPage* pPage) const;
    // The active page: while shown the one on top, before that the one to show first.
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    // Makes a page active (before the sheet is shown: the first one). FALSE when the page refused to be
    // left or the index is outside the pages.
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    // The tab control of the shown sheet (a temporary wrapper); null before.
    CWnd* GetTabControl() const;
    // The caption (nStyle PSH_PROPTITLE: "Properties for" the text).
    void SetTitle(LPCSTR lpszText, UINT nStyle = 0);

    // Runs the sheet modally through the services object (see the top of this file).
    virtual INT_PTR DoModal();
    // The production modal run.
    INT_PTR RunModalLoop();
    // The steps of a modal run: StartModal makes the sheet's window (OnInitDialog ran; FALSE when it
    // could not be made, e.g. a page's template is missing), FinishModal destroys it. IsModalEnded tells
    // whether the sheet ended, GetModalResult its result (-1 before).
    BOOL StartModal();
    BOOL IsModalEnded();
    INT_PTR GetModalResult() const;
    void FinishModal();
    // Ends the sheet with nEndID (hidden at once).
    void EndDialog(int nEndID);

    // The window and its first page exist. Base: the system sheet's initialisation; its answer.
    virtual BOOL OnInitDialog();
    BOOL PreTranslateMessage(MSG* pMsg) override;

    PROPSHEETHEADERA m_psh;
    CWnd* m_pParentWnd; // the owner given at construction

protected:
    // A page whose window the system was to make while this message was handled and did not (its
    // template names an unknown control, say) has its creation hook disarmed, so that the next window
    // made elsewhere is not taken for it.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Commands the derived table leaves go to the system's sheet; OK and Cancel that end it end the
    // modal run.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

private:
    void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage);
    // After a key the sheet's dialog handling used: a focus left nowhere, on the sheet or on a hidden
    // window of it goes to the first control of the current page (else the tab control).
    void KeepFocusOnShownPage();
    // The system's sheet ended by itself (OK, Cancel or closing): it has no current page any more.
    BOOL SystemSheetEnded() const;

    struct CSheetState {
        std::vector<CPropertyPage*> pages;
        CString strCaption;
        BOOL bEnded = FALSE;     // the modal run is over
        INT_PTR nResult = -1;    // its result
    } m_sheetState;
};
