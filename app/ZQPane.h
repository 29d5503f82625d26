// CZQPane: what the three panes of the main frame (alternatives, reference ranking, criteria) share.
// Each is a sizable control bar whose children stand in its inside rectangle: a label, one list or
// tree, and two 20 by 20 flat bitmap buttons, add (bitmap 250) and remove (bitmap 251); the item
// images come from bitmap 252 (16 by 16, 0xC0C0C0 transparent). The inside rectangle is painted in
// the button face colour, and the tool tips of the children are the string texts each pane names.
//
// Each pane's buttons follow what they can do, by one rule (UpdateButtons): the add button while
// something can be added, the remove button while something is selected that it would remove. The
// pane applies it whenever what it shows changes: a selection, an item added or removed, its items
// all deleted or filled again by the project (New, Open, an Open that fails).
//
// Its context menu opens where the user points: at the mouse for a right click, and at the selected
// item for Shift+F10 and the menu key (at the top of the empty list or tree when nothing is
// selected), as the system's list and tree views place theirs. The keys are taken from the list or
// tree, the pane and its buttons before they are handled (the name box keeps them for its own menu);
// the menu opens when the key comes up, so that no key of it reaches the menu bar.
//
// The panes find one another, and the application finds them, through the bar list of the frame
// they belong to (their dock site): whatever frame holds them, docked or placed plainly, the lookup
// is the same (ZQFindPane, ZQSiblingPane).
#pragma once

#include <windows.h>

#include "frames/SECBitmapButton.h"
#include "frames/SECControlBar.h"
#include "win/Win.h"

#include <functional>

class CZQPane : public SECControlBar {
    DECLARE_DYNAMIC(CZQPane)
    DECLARE_MESSAGE_MAP()
public:
    ~CZQPane() override;

    // Enables the add button while CanAdd and the remove button while CanRemove.
    void UpdateButtons();
    // Takes Shift+F10 and the menu key aimed at the pane, its list or tree or its buttons: the
    // context menu opens at the selected item when the key comes up. TRUE for a key taken.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    SECBitmapButton m_btnAdd;
    SECBitmapButton m_btnRemove;
    CImageList m_imageList; // the item images
    CFont m_font;           // the list's or tree's font, copied for the label (and the name box)

protected:
    CZQPane();

    // Makes the add and remove buttons with control ids nAddId and nRemoveId, both flat. FALSE when
    // one could not be made.
    BOOL CreateButtons(UINT nAddId, UINT nRemoveId);
    // Fills m_imageList from bitmap 252. FALSE when it cannot be loaded.
    BOOL CreateItemImages();
    // Makes m_font a copy of control's font and gives it to every window of pTargets (nTargets of
    // them).
    void ShareFont(CWnd& control, CWnd* const* pTargets, int nTargets);
    // The string id of the tool tip of the child with control id nID; 0 for none (an empty tip).
    virtual UINT ToolTipTextId(UINT nID) const = 0;
    // Lays the children out in the inside rectangle (WM_SIZE, after the bar's own handling).
    virtual void LayoutChildren() = 0;

    // TRUE while the add button has something to add.
    virtual BOOL CanAdd() const = 0;
    // TRUE while the remove button has something to remove: an item is selected.
    virtual BOOL CanRemove() const = 0;
    // The list or tree whose items the context menu is about.
    virtual CWnd& ItemControl() = 0;
    // The rectangle of the item a menu opened from the keyboard is about (the selected one), in the
    // item control's client coordinates, after scrolling it into view. FALSE when no item is selected.
    virtual BOOL GetMenuItemRect(CRect& rect) = 0;
    // Where the context menu opens, on the screen: pos itself for a click; for the keyboard (pos
    // -1, -1) just below the selected item's text, or at the top-left of the item control's client
    // area without a selection.
    CPoint ContextMenuPoint(CPoint pos);

    // ---- a pane of a list (alternatives, criteria) ----------------------------------------------

    // TRUE while list has a selected item.
    static BOOL HasSelection(const CListCtrl& list);
    // The rectangle of list's selected item that a keyboard menu is about (the focused one when it
    // is selected, else the first selected), scrolled into view; FALSE without a selection.
    static BOOL GetSelectedItemRect(CListCtrl& list, CRect& rect);
    // Removes the selected items of list after one question owned by the pane (Yes, No): "Do you
    // want to remove selected <lpszOne>: <text> ?" for one, "Do you want to remove <n> selected
    // <lpszMany>?" for more. On Yes, remove(item, text) takes the first selected item out (of the
    // project and the list) until none is selected; then the buttons follow. Nothing selected:
    // nothing asked.
    void RemoveSelected(CListCtrl& list, LPCSTR lpszOne, LPCSTR lpszMany,
                        const std::function<void(int, const CString&)>& remove);
    // Enables the context menu's command nIDProperties only for one selected item of list and
    // nIDRemove for one or more.
    static void EnableSelectionCommands(CMenu& popup, const CListCtrl& list, UINT nIDProperties, UINT nIDRemove);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);

    CString m_strToolTip; // the text handed out for the last tool tip
    UINT m_nMenuKey;      // the context-menu key taken down (VK_APPS or VK_F10), 0 when none
};

// Makes button a flat bitmap button showing bitmap nIDBitmap, child nID of pParent, not placed yet
// (the panes and the criterion sheet's scale page place theirs 20 by 20). FALSE when it could not be
// made.
BOOL ZQCreateItemButton(SECBitmapButton& button, UINT nIDBitmap, CWnd* pParent, UINT nID);
// Makes font a copy of wnd's font. FALSE when wnd has none.
BOOL ZQCopyFont(CWnd& wnd, CFont& font);
// TRUE when an item of list has exactly the text text in its first column.
BOOL ZQListHasText(const CListCtrl& list, const CString& text);
// Moves the child wnd to rect (its parent's client coordinates) without activating it or changing the
// z-order; a child not made yet is skipped.
void ZQPlaceChild(CWnd& wnd, const CRect& rect);

// The first control bar of pFrame's bar list that is a TPane; null when pFrame is null or holds none.
template <class TPane>
TPane* ZQFindPane(CFrameWnd* pFrame)
{
    if (pFrame == nullptr)
        return nullptr;
    const CPtrList& bars = pFrame->GetControlBarList();
    for (POSITION pos = bars.GetHeadPosition(); pos != nullptr;) {
        if (TPane* pPane = dynamic_cast<TPane*>(static_cast<CControlBar*>(bars.GetNext(pos))))
            return pPane;
    }
    return nullptr;
}

// The pane TPane that belongs to the same frame as pBar; null when there is none.
template <class TPane>
TPane* ZQSiblingPane(const CControlBar* pBar)
{
    return pBar != nullptr ? ZQFindPane<TPane>(pBar->GetDockSite()) : nullptr;
}
