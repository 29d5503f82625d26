// CGXCheckListComboBox: a drop-down combo cell (GXComboBox.h, free text) whose list is a check list
// (control id 52542 "Dropdown CheckListBox"). The first line of the style's ChoicesList is a caption
// that every cell of the control shows; each further line is a choice the user ticks in the open list.
// The cell stores which are ticked as a decimal bit mask: bit i (2 to the power i) for choice i, the
// second line being choice 0; no tick stores an empty Value. The mask holds 32 choices, so only the
// first 32 are listed: no tick is lost or read from a wrong bit.
//
// The cell is never typed into (its edit window is read-only and never shown): keys the grid hands it
// are refused, except Alt+Down, which opens the list like the button. In the open list Space or a
// click on a box ticks or unticks; Enter, Escape, Tab, Alt+Down and the focus leaving close it, and
// each of them keeps the ticks: the new mask is stored when it differs from the cell's.
#pragma once

#include "grid/controls/GXComboBox.h"
#include "win/CCheckListBox.h"

// The check list of the open pop-up; its keys and clicks end in the choose message to its owner.
class CGXCheckListComboLBox : public CCheckListBox {
    DECLARE_DYNAMIC(CGXCheckListComboLBox)
    DECLARE_MESSAGE_MAP()
public:
    explicit CGXCheckListComboLBox(CWnd* pOwner) : m_pOwnerWnd(pOwner) {}

    BOOL m_bKeyboardUsed = FALSE;
    BOOL m_bMousePressed = FALSE;

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnKillFocus(CWnd* pNewWnd);

    void Choose();

    CWnd* m_pOwnerWnd;
    BOOL m_bKeyDown = FALSE;
    int m_nStartSel = -1;
};

class CGXCheckListComboBox : public CGXComboBox {
    DECLARE_DYNAMIC(CGXCheckListComboBox)
    DECLARE_MESSAGE_MAP()
    GX_DECLARE_CONTROL(CGXCheckListComboBox)
public:
    // The most choices the mask holds.
    enum { gxMaxChoices = 32 };

    // A check-list combo of pGrid (not null, else CInvalidArgException*) with control id nEditID and list
    // id nListBoxID.
    CGXCheckListComboBox(CGXGridCore* pGrid, UINT nEditID, UINT nListBoxID);

    // Does nothing: the edit window is never switched on.
    void SetActive(BOOL bActive) override;
    // The caption: the first line of style's ChoicesList (empty without one). TRUE.
    BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, const char* pszValue,
                        const CGXStyle& style) override;
    // The base control's click handling (no caret to place).
    BOOL OnLButtonUp(UINT nFlags, CPoint point) override;
    // Only WM_SYSKEYDOWN reaches the combo's handling; every other key is refused (FALSE).
    BOOL ProcessKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // The edit window's style, read-only.
    DWORD CalcEditStyle(CRect& rectFormat, int nLineHeight) override;

    CListBox* CreateListBox(CWnd* pParent, UINT nID) override;
    // The choices after the caption (at most gxMaxChoices), ticked as the Value's bits say.
    void FillList(CListBox* pList) override;
    // Stores the mask of the ticked choices when it differs from the cell's.
    void TakeListSelection(CListBox* pList) override;

    // The number of choices listed at the last fill.
    int GetChoiceCount() const { return m_nCount; }

protected:
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg LRESULT OnListChoose(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListSelChange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListKillFocus(WPARAM wParam, LPARAM lParam);

    int m_nCount = 0;
};
