// CZQPane: what the three panes of the main frame (alternatives, reference ranking, criteria) share.
// Each is a sizable control bar whose children stand in its inside rectangle: a label, one list or
// tree, and two 20 by 20 flat bitmap buttons, add (bitmap 250) and remove (bitmap 251); the item
// images come from bitmap 252 (16 by 16, 0xC0C0C0 transparent). The inside rectangle is painted in
// the button face colour, and the tool tips of the children are the string texts each pane names.
//
// The panes find one another, and the application finds them, through the bar list of the frame
// they belong to (their dock site): whatever frame holds them, docked or placed plainly, the lookup
// is the same (ZQFindPane, ZQSiblingPane).
#pragma once

#include <windows.h>

#include "frames/SECBitmapButton.h"
#include "frames/SECControlBar.h"
#include "win/Win.h"

class CZQPane : public SECControlBar {
    DECLARE_DYNAMIC(CZQPane)
    DECLARE_MESSAGE_MAP()
public:
    ~CZQPane() override;

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
    // Makes m_font a copy of pControl's font and gives it to every window of pTargets (nTargets of
    // them).
    void ShareFont(CWnd& control, CWnd* const* pTargets, int nTargets);
    // Moves the child wnd to rect (client coordinates) without activating it or changing the z-order;
    // a child not made yet is skipped.
    static void PlaceChild(CWnd& wnd, const CRect& rect);
    // The string id of the tool tip of the child with control id nID; 0 for none (an empty tip).
    virtual UINT ToolTipTextId(UINT nID) const = 0;

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);

    CString m_strToolTip; // the text handed out for the last tool tip
};

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
