// The chart wizard's own controls.
//
// SRGDragListBox: a drag list (CDragListBox) whose entries carry a data value each, as SRGComboBox's
// do (the advanced page's list of components). Its last entry is a blank end mark that never moves and
// nothing moves past. A drop, or Shift with Up or Down on the selected entry, moves an entry from a to
// b (to land before the entry at b): the parent first gets kMoveMessage with a and b, then the entry
// moves and is selected. A drop onto the entry itself or the one after it, off the list, or of the end
// mark moves nothing.
//
// SRGToolTipCtrl: a tooltip control that shows a string resource over a control of a window.
#pragma once

#include "win/Win.h"

#include <windows.h>

class SRGDragListBox : public CDragListBox {
    DECLARE_DYNAMIC(SRGDragListBox)
    DECLARE_MESSAGE_MAP()
public:
    // WPARAM a, LPARAM b (see the top of this file).
    static constexpr UINT kMoveMessage = 0x40E;

    SRGDragListBox();

    // The drop (see the top of this file).
    void Dropped(int nSrcIndex, CPoint pt) override;
    // As SRGComboBox's; MoveEntry returns where the entry landed (-1 for no move).
    virtual int MoveEntry(int nFrom, int nTo);
    virtual void ReplaceData(DWORD_PTR dwOld, DWORD_PTR dwNew);
    virtual void DeleteByData(DWORD_PTR dwData);
    virtual DWORD_PTR GetSelectedData();
    // Replaces the text of entry nIndex, keeping its data. 0 (nothing changed) for the end mark, an index
    // outside the list, or a text the list has already.
    virtual int RenameEntry(int nIndex, LPCSTR lpszText);

    int AddEntry(LPCSTR lpszText, DWORD_PTR dwData);

protected:
    // Tells the parent, then moves entry a before entry b and selects it; nothing when b is a or a + 1,
    // either lies outside the list, or a is the end mark.
    void MoveBy(int a, int b);

    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
};

class SRGToolTipCtrl : public CToolTipCtrl {
    DECLARE_DYNAMIC(SRGToolTipCtrl)
public:
    SRGToolTipCtrl();

    // Shows the text of string nIDText over control nID of pParent (the parent owns the tool). FALSE
    // when pParent has no such control or the tooltip refused it.
    BOOL AddControlTip(CWnd* pParent, int nID, UINT nIDText);
};
