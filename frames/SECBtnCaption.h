// SECBtnCaption: the minimise, restore and close boxes of the maximised MDI child, shown at the end of
// the menu bar while the child is maximised.
//
// The group is 3 parts wide plus 2 (a part is SM_CXSIZE - 2 wide and SM_CYSIZE - 4 high): minimise at
// its left, restore beside it, close 2 pixels further. Everything depends on the child's caption bits
// (its window style masked with WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX; all three at start):
// without WS_SYSMENU the group draws nothing and ignores the mouse; without WS_MINIMIZEBOX minimise
// and restore are drawn inactive and are not hit. A press on a part shows it pushed while the mouse
// stays over that part; releasing it there posts WM_SYSCOMMAND (SC_MINIMIZE, SC_RESTORE or SC_CLOSE,
// with the screen point) to the active MDI child of the bar's top-level frame. It never yields a
// command of its own and cannot be dragged.
#pragma once

#include "frames/SECStdBtn.h"

class SECBtnCaption : public SECStdBtn {
    DECLARE_DYNCREATE(SECBtnCaption)
public:
    enum { PartNone = -1, PartMinimize = 0, PartRestore = 1, PartClose = 2 };

    SECBtnCaption();

    DWORD m_dwCaptionStyle; // the child's WS_SYSMENU, WS_MINIMIZEBOX and WS_MAXIMIZEBOX bits
    int m_cxPart;           // SM_CXSIZE - 2
    int m_cyPart;           // SM_CYSIZE - 4
    int m_nPressedPart;     // PartNone while no part is pressed

    // Takes the caption bits out of the child's window style.
    void SetCaptionStyle(DWORD dwStyle) { m_dwCaptionStyle = dwStyle & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX); }
    BOOL CanDrag() const override { return FALSE; }
    void ComputeSize() override;
    void Draw(CDC* pDC, SECBtnDrawContext& ctx) override;
    BOOL PressDown(CPoint point) override;
    void PressMove(CPoint point) override;
    void PressCancel() override;
    UINT PressUp(CPoint point) override;
    // The part under point (bar client coordinates); PartNone when none is hit.
    virtual int HitTest(CPoint point) const;

protected:
    void DrawFace(SECBtnDrawContext& ctx, BOOL bCustomize, int x, int y, int cx, int cy, int cxImage) override;
    BOOL SelectImageBitmap(SECBtnDrawContext&) override { return FALSE; }
    // The rectangle of a part with the group's top-left at (x, y).
    CRect PartRect(int nPart, int x, int y) const;
    // Forgets the pressed part and repaints.
    void EndPress();
};
