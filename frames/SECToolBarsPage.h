// SECToolBarsPage: the tool-bar page (dialog IDD_SEC_TOOLBARSPAGE) of the sheet that customises a
// frame's tool bars through its tool-bar manager (frames/SECToolBarManager.h); SECNewToolBar: the dialog
// (IDD_SEC_NEWTOOLBAR) that asks the name of a new tool bar; SECToolBarButtonsPage: the buttons page
// (dialog IDD_SEC_BUTTONSPAGE) that goes with the tool-bar page in the sheet.
//
// While its window lives the page keeps the manager in customise mode with the sheet as the customise
// window (buttons are dragged between bars) and is on the manager's notify list; when it goes (the
// sheet ends) customise mode ends, no bar keeps a customise window and the page leaves the list.
//
// The list (IDC_SEC_BARLIST, a check list): one entry per bar of the manager, in id order, its text
// the bar's title, its item data the bar's id, checked while the bar is visible. "WM_BARNOTIFY" keeps it
// in step: a bar shown is checked, one hidden unchecked, one made inserted in id order (checked), one
// destroyed removed (the entry after it, else before it, is selected).
// - Selecting a bar shows its title in IDC_SEC_BARNAME; the name and its label are enabled only for a
//   user tool bar (ids 0xE820 to 0xE8FE), for which IDC_SEC_RESETBAR reads "&Delete" (IDS_SEC_DELETE),
//   for others "&Reset" (IDS_SEC_RESET).
// - Checking or unchecking a bar shows or hides it at once and lays the frame out; the menu bar
//   (0xE8FF) is never hidden and stays checked.
// - Editing the name renames the bar (and its floating frame while it floats) and puts the entry back
//   under the new text with its check; a name longer than 128 characters is cut.
// - Reset: a bar of the program (id below 0xE820) gets the manager's default buttons for its id (when
//   there are any), a user tool bar is destroyed, the menu bar makes its buttons again.
// - "&New...": customise mode ends while SECNewToolBar asks the name and starts again afterwards; on OK
//   a user tool bar of that name is made and floats, aligned top, 5 pixels right of and below the top
//   of the frame's top dock bar (of the frame's client area without one), and the sheet ends with
//   IDC_SEC_CUSTOMIZE (go on customising). "C&ustomize..." ends the sheet the same way.
// - The check boxes set the manager's tooltips, cool look and large buttons; the last two are also
//   told to the sheet's other pages with "WM_TOOLBARSTYLECHANGING" (wParam SEC_STYLECHANGING_COOLLOOK
//   or SEC_STYLECHANGING_LARGEBTNS, lParam the new state).
//
// SECToolBarButtonsPage: a "Buttons" group (IDC_SEC_BUTTONGROUP) around a list (IDC_SEC_BARLIST), and a
// text (IDC_SEC_BUTTONTEXT) under it, for the manager of the bars customised; it is one of the sheet's
// other pages that the tool-bar page tells of style changes. The page holds its controls and leaves
// what they show to the page that derives from it.
//
// SECNewToolBar: the name (IDC_SEC_NEWBARNAME) starts as m_strName; it is cut to 128 characters as it
// is typed, and OK is enabled only while it is not empty. OK leaves the name in m_strName. The dialog's
// Help button stays disabled: the program has no help files.
#pragma once

#include "win/CButton.h"
#include "win/CCheckListBox.h"
#include "win/CListBox.h"
#include "win/CStatic.h"
#include "win/CPropertySheet.h"

class SECCustomToolBar;
class SECToolBarManager;

// What "WM_TOOLBARSTYLECHANGING" tells (its wParam).
#define SEC_STYLECHANGING_COOLLOOK  1
#define SEC_STYLECHANGING_LARGEBTNS 2

// The longest name of a tool bar the pages take.
#define SEC_MAX_TOOLBARNAME 128

class SECNewToolBar : public CDialog {
    DECLARE_DYNAMIC(SECNewToolBar)
    DECLARE_MESSAGE_MAP()
public:
    explicit SECNewToolBar(CWnd* pParentWnd = nullptr);

    CString m_strName;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

protected:
    // Cuts the name and enables OK (see the top of this file).
    afx_msg void OnNameChange();
};

class SECToolBarsPage : public CPropertyPage {
    DECLARE_DYNAMIC(SECToolBarsPage)
    DECLARE_MESSAGE_MAP()
public:
    // pManager (not null when the page is shown): the manager of the bars customised.
    explicit SECToolBarsPage(SECToolBarManager* pManager = nullptr);

    void SetManager(SECToolBarManager* pManager) { m_pManager = pManager; }
    SECToolBarManager* GetManager() const { return m_pManager; }
    CCheckListBox& GetBarList() { return m_list; }

    BOOL OnInitDialog() override;

protected:
    // The entry of bar nBarID; -1 when none.
    int FindEntry(UINT nBarID) const;
    // Puts pBar's entry in id order (checked while visible), or at nIndex (>= 0); its index.
    int InsertEntry(SECCustomToolBar* pBar, int nIndex = -1);
    // The bar of the selected entry; null when none (or the bar is gone).
    SECCustomToolBar* GetSelectedBar() const;
    // Selects entry nIndex and shows its bar (see the top of this file).
    void SelectEntry(int nIndex);
    // Ends the sheet with IDC_SEC_CUSTOMIZE.
    void EndSheetToCustomize();
    // Tells the sheet's other pages "WM_TOOLBARSTYLECHANGING" (nWhat, bOn).
    void TellStyleChanging(WPARAM nWhat, BOOL bOn);

    afx_msg void OnSelChange();
    afx_msg void OnCheckChange();
    afx_msg void OnNameChange();
    afx_msg void OnNewBar();
    afx_msg void OnCustomize();
    afx_msg void OnResetBar();
    afx_msg void OnToolTips();
    afx_msg void OnCoolLook();
    afx_msg void OnLargeBtns();
    afx_msg LRESULT OnBarNotify(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();

    SECToolBarManager* m_pManager;
    CCheckListBox m_list;
    BOOL m_bShowingName; // the name is being shown, not typed
};

class SECToolBarButtonsPage : public CPropertyPage {
    DECLARE_DYNAMIC(SECToolBarButtonsPage)
public:
    // pManager: the manager of the bars customised (may be null).
    explicit SECToolBarButtonsPage(SECToolBarManager* pManager = nullptr);

    void SetManager(SECToolBarManager* pManager) { m_pManager = pManager; }
    SECToolBarManager* GetManager() const { return m_pManager; }
    // The page's controls (windows once the page has been shown).
    CButton& GetButtonGroup() { return m_group; }
    CListBox& GetButtonList() { return m_list; }
    CStatic& GetButtonText() { return m_text; }

    BOOL OnInitDialog() override;

protected:
    SECToolBarManager* m_pManager;
    CButton m_group;
    CListBox m_list;
    CStatic m_text;
};
