// CScrollBar: a scroll-bar control ("SCROLLBAR" class). Its WM_HSCROLL/WM_VSCROLL go to the parent
// (and are reflected to the object first, as WM_REFLECT_BASE + the message).
#pragma once

#include "win/CWnd.h"

class CScrollBar : public CWnd {
    DECLARE_DYNAMIC(CScrollBar)
public:
    CScrollBar();
    ~CScrollBar() override;

    // Creates the control as a child of pParentWnd (style SBS_*, WS_*; WS_CHILD added), rectangle in
    // the parent's client coordinates, control id nID. FALSE when no window was made.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Position and range of the control (SB_CTL). SetScrollPos returns the previous position.
    int GetScrollPos() const;
    int SetScrollPos(int nPos, BOOL bRedraw = TRUE);
    void GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const;
    void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    void ShowScrollBar(BOOL bShow = TRUE);
    BOOL EnableScrollBar(UINT nArrowFlags = ESB_ENABLE_BOTH);
    BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    // The largest position the thumb can reach (maximum less the page plus one).
    int GetScrollLimit();
};
