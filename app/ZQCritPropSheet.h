// CZQCritPropSheet: "Properties of the Criterion", the sheet in which the user defines a new
// criterion or edits one, without Apply and Help buttons. Its first page, CZQCritPropPage1 "General"
// (template 102), holds the name, the description, the kind (Gain, Cost or Ordinal) and, for a gain
// or cost criterion, the number of linear segments of its marginal value function; its second page,
// CZQCritPropPage2 "Values" (template 103), holds the ordered scale of an ordinal criterion and is in
// the sheet only while the kind is Ordinal. The criteria pane fills the pages' members, runs the sheet
// and reads them back after OK.
//
// The first page. The segments list (1012) offers "1" to "10" (the template's initial data); for an
// ordinal criterion it gives way to the static 1014 showing the ordinal value count, the number of
// scale values less one. Choosing Ordinal adds the "Values" page, choosing Gain or Cost removes it;
// what was typed there stays in its table meanwhile. Leaving the page checks the name: an empty name
// ("Criterion name cannot be empty!"), one that another criterion of the project has, compared
// exactly ("Criterion '<name>' already exists!"), or one reserved for the information about the
// alternatives (the project's IsReservedCriterionName; the string IDS_ZQ_RESERVED_CRITERION_NAME
// says so) is refused in an information box owned by the page, captioned "Ondrix", and the name the
// page started with goes back into the field; the name it started with is accepted.
//
// The second page. A name box (235) with add (234) and remove (233) buttons above a list (1011) of
// the values with their ranks, and up (231) and down (232) buttons beside it. Enter or the add button
// appends the typed value, unless it is empty or listed already, with the next rank. The tab order is
// the box, the list, then add, remove, up and down: Tab moves from the box to the list and Shift+Tab
// to the control before the box, as the dialog manager moves (the box asks for every key). Removing
// asks first ("Do you want to remove selected value: '<value>' ?", or "Do you want to remove <n>
// selected values?") and renumbers the ranks; up and down exchange a value with its neighbour, the
// ranks staying in place.
//
// Layout of the second page, in its client rectangle (left, top, right): the box at (left + 11, top
// + 30), 251 by 20; the buttons, 20 by 20, add at (right - 50, top + 30), remove at (right - 28, top +
// 30), up at (right - 50, top + 90) and down at (right - 50, top + 120).
#pragma once

#include <windows.h>

#include "app/ZQEditCtrl.h"
#include "frames/SECBitmapButton.h"
#include "model/ZQInterfaceData.h"
#include "win/Win.h"

class CZQCritPropSheet;

class CZQCritPropPage1 : public CPropertyPage {
    DECLARE_DYNAMIC(CZQCritPropPage1)
    DECLARE_MESSAGE_MAP()
public:
    // The kinds of the radio group.
    enum Kind { Gain = 0, Cost = 1, Ordinal = 2 };

    // Empty texts, kind Gain, no ordinal values.
    CZQCritPropPage1();
    ~CZQCritPropPage1() override;

    // Edits 1004 (description) and 1001 (name), the radio group from 1008 (kind), the list 1012
    // (segments).
    void DoDataExchange(CDataExchange* pDX) override;
    // Keeps the name as the name at the start; the list or the count shows by the kind.
    BOOL OnInitDialog() override;
    // Reads the controls and checks the name (see the top of the header); FALSE refuses.
    BOOL OnKillActive() override;
    // Shows nCount as the ordinal value count in the static 1014 (when the page has its window).
    void ShowOrdinalValueCount(int nCount);

    CString m_strDescription;
    CString m_strName;
    int m_nKind;
    int m_nOrdinalValueCount; // the scale values less one
    CString m_strSegments;
    CZQCritPropSheet* m_pSheet;
    CStatic m_wndValueCount;  // static 1014
    CString m_strStartName;   // the name when the page was made

protected:
    // Shows the segments list (bList TRUE) or the ordinal value count.
    void ShowSegments(BOOL bList);

    afx_msg void OnGainOrCost();
    afx_msg void OnOrdinal();
};

class CZQCritPropPage2 : public CPropertyPage, public CZQEditCtrlOwner {
    DECLARE_DYNAMIC(CZQCritPropPage2)
    DECLARE_MESSAGE_MAP()
public:
    CZQCritPropPage2();
    ~CZQCritPropPage2() override;

    // Full-row selection, the columns "Value" (171 pixels) and "Rank" (60), the box's font.
    BOOL OnInitDialog() override;
    // The list filled from the table, the buttons updated.
    BOOL OnSetActive() override;
    // The table rebuilt from the list; the first page's ordinal value count becomes the number of
    // values less one (0 for none).
    BOOL OnKillActive() override;

    // The scale: rows [value, rank "%d" from 1], in order.
    ZQTable m_table;
    CListCtrl m_wndList;          // 1011
    SECBitmapButton m_btnAdd;     // 234
    SECBitmapButton m_btnRemove;  // 233
    SECBitmapButton m_btnUp;      // 231
    SECBitmapButton m_btnDown;    // 232
    CZQEditCtrl m_wndName;        // 235
    CFont m_font;                 // the list's font, for the box
    CZQCritPropSheet* m_pSheet;

protected:
    BOOL m_bMovingValue; // up or down is moving the selection

    // Enter adds the typed value; Tab moves to the list, Shift+Tab to the control before the box.
    void OnNameBoxKey(UINT nChar) override;
    // The add button follows the typed text.
    void OnNameBoxChange() override;

    // Remove while an item is selected; up and down while exactly one is. A button with the focus that
    // turns grey gives the focus to the list first.
    void UpdateButtons();
    // The "Rank" column numbered "1", "2" and so on.
    void RenumberRanks();
    // Exchanges the selected value with the one nStep rows away (-1 up, 1 down), when exactly one is
    // selected and that row exists.
    void MoveSelected(int nStep);

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnAdd();
    afx_msg void OnRemove();
    afx_msg void OnUp();
    afx_msg void OnDown();
    afx_msg void OnListFocusOrState(NMHDR* pNMHDR, LRESULT* pResult);
};

class CZQCritPropSheet : public CPropertySheet {
    DECLARE_DYNAMIC(CZQCritPropSheet)
public:
    // The sheet captioned with string 57719 holding both pages; pParentWnd its owner (null: the main
    // window). The caller removes the second page for a gain or cost criterion.
    explicit CZQCritPropSheet(CWnd* pParentWnd = nullptr);
    ~CZQCritPropSheet() override;

    CZQCritPropPage1 m_page1;
    CZQCritPropPage2 m_page2;
};
