#include "frames/SECBtnCaption.h"

#include "frames/SECBtnDrawContext.h"
#include "frames/SECToolkit.h"
#include "win/CWnd.h"

IMPLEMENT_DYNCREATE(SECBtnCaption, SECStdBtn)

SECBtnCaption::SECBtnCaption()
    : m_dwCaptionStyle(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), m_cxPart(::GetSystemMetrics(SM_CXSIZE) - 2),
      m_cyPart(::GetSystemMetrics(SM_CYSIZE) - 4), m_nPressedPart(PartNone)
{
    m_nType = BtnCaption;
}

void SECBtnCaption::ComputeSize()
{
    m_cx = 3 * m_cxPart + 2;
    m_cy = m_cyPart;
    m_pToolBar->RaiseMaxBtnWidth(m_cx);
}

CRect SECBtnCaption::PartRect(int nPart, int x, int y) const
{
    const int xPart = x + nPart * m_cxPart + (nPart == PartClose ? 2 : 0);
    return CRect(xPart, y, xPart + m_cxPart, y + m_cyPart);
}

int SECBtnCaption::HitTest(CPoint point) const
{
    if (!(m_dwCaptionStyle & WS_SYSMENU))
        return PartNone;
    for (int nPart = PartMinimize; nPart <= PartClose; nPart++) {
        if (nPart != PartClose && !(m_dwCaptionStyle & WS_MINIMIZEBOX))
            continue;
        if (PartRect(nPart, m_x, m_y).PtInRect(point))
            return nPart;
    }
    return PartNone;
}

void SECBtnCaption::Draw(CDC* pDC, SECBtnDrawContext& ctx)
{
    if (m_dwCaptionStyle & WS_SYSMENU)
        SECStdBtn::Draw(pDC, ctx);
}

void SECBtnCaption::DrawFace(SECBtnDrawContext& ctx, BOOL, int x, int y, int cx, int cy, int)
{
    static const UINT kPartStates[] = {DFCS_CAPTIONMIN, DFCS_CAPTIONRESTORE, DFCS_CAPTIONCLOSE};
    CDC& dc = ctx.m_dcColor;
    dc.FillSolidRect(x, y, cx, cy, SECGetDrawValues().clrBtnFace);
    for (int nPart = PartMinimize; nPart <= PartClose; nPart++) {
        UINT nState = kPartStates[nPart];
        if (nPart != PartClose && !(m_dwCaptionStyle & WS_MINIMIZEBOX))
            nState |= DFCS_INACTIVE;
        if (nPart == m_nPressedPart && (m_nStyle & TBBS_PRESSED))
            nState |= DFCS_PUSHED;
        CRect rect = PartRect(nPart, x, y);
        dc.DrawFrameControl(rect, DFC_CAPTION, nState);
    }
}

BOOL SECBtnCaption::PressDown(CPoint point)
{
    const int nPart = HitTest(point);
    if (nPart == PartNone)
        return FALSE;
    m_nPressedPart = nPart;
    m_nStyle |= TBBS_PRESSED;
    Invalidate();
    return TRUE;
}

void SECBtnCaption::PressMove(CPoint point)
{
    if (m_nPressedPart == PartNone)
        return;
    const UINT nOldStyle = m_nStyle;
    if (HitTest(point) == m_nPressedPart)
        m_nStyle |= TBBS_PRESSED;
    else
        m_nStyle &= ~TBBS_PRESSED;
    if (m_nStyle != nOldStyle)
        Invalidate();
}

void SECBtnCaption::EndPress()
{
    m_nPressedPart = PartNone;
    m_nStyle &= ~TBBS_PRESSED;
    Invalidate();
}

void SECBtnCaption::PressCancel()
{
    EndPress();
}

UINT SECBtnCaption::PressUp(CPoint point)
{
    static const WPARAM kCommands[] = {SC_MINIMIZE, SC_RESTORE, SC_CLOSE};
    const int nPart = m_nPressedPart;
    EndPress();
    if (nPart == PartNone || HitTest(point) != nPart)
        return 0;
    HWND hChild = GetActiveMDIChild();
    if (hChild != nullptr) {
        CPoint ptScreen = point;
        m_pToolBar->GetBarWnd()->ClientToScreen(&ptScreen);
        ::PostMessageA(hChild, WM_SYSCOMMAND, kCommands[nPart], MAKELPARAM(ptScreen.x, ptScreen.y));
    }
    return 0;
}
