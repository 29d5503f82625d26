#include "frames/SECStdBtn.h"

#include "frames/SECBmpMgr.h"
#include "frames/SECBtnDrawContext.h"
#include "frames/SECMaskBlt.h"
#include "frames/SECToolkit.h"
#include "win/ArgCheck.h"
#include "win/CMDIFrameWnd.h"
#include "win/CWnd.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(SECStdBtn, CObject)

SECStdBtn::SECStdBtn()
    : m_nID(0), m_nImage(0), m_nStyle(0), m_x(-1), m_y(-1), m_cx(23), m_cy(22), m_nType(BtnImage),
      m_pToolBar(nullptr), m_bImageSelected(FALSE)
{
}

void SECStdBtn::SetMode(UINT)
{
}

void SECStdBtn::SetPos(int x, int y)
{
    m_x = x;
    m_y = y;
}

void SECStdBtn::Invalidate(BOOL bErase)
{
    const CRect rect = GetRect();
    m_pToolBar->GetBarWnd()->InvalidateRect(rect, bErase);
}

void SECStdBtn::Init(SECBtnHost* pToolBar, const UINT_PTR*)
{
    AfxRequirePointer(pToolBar, "SECStdBtn::Init", "the bar");
    m_pToolBar = pToolBar;
    ComputeSize();
}

void SECStdBtn::ComputeSize()
{
    if (m_nStyle & TBBS_SEPARATOR) {
        m_cx = (m_pToolBar->GetImgWidth() + 8) / 3;
        m_cy = m_pToolBar->GetImgHeight() + 7;
    } else {
        m_cx = m_pToolBar->GetBtnWidth();
        m_cy = m_pToolBar->GetBtnHeight();
    }
    m_pToolBar->RaiseMaxBtnWidth(m_cx);
}

BOOL SECStdBtn::IsFlatLook() const
{
    return (m_pToolBar->GetToolBarStyle() & SEC_TBSTYLE_FLAT) != 0;
}

BOOL SECStdBtn::HitsRect(CPoint point) const
{
    return point.x >= m_x && point.x <= m_x + m_cx && point.y >= m_y && point.y <= m_y + m_cy;
}

HFONT SECStdBtn::GetTextFont() const
{
    HFONT hFont = m_pToolBar->GetBtnFont();
    return hFont != nullptr ? hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

HWND SECGetActiveMDIChild(const CWnd* pWnd)
{
    CFrameWnd* pFrame = pWnd != nullptr ? pWnd->GetTopLevelFrame() : nullptr;
    if (pFrame == nullptr || !pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        return nullptr;
    HWND hWndClient = static_cast<CMDIFrameWnd*>(pFrame)->m_hWndMDIClient;
    return hWndClient != nullptr ? reinterpret_cast<HWND>(::SendMessageA(hWndClient, WM_MDIGETACTIVE, 0, 0)) : nullptr;
}

HWND SECStdBtn::GetActiveMDIChild() const
{
    return SECGetActiveMDIChild(m_pToolBar->GetBarWnd());
}

// ---- drawing ---------------------------------------------------------------------------------------------

void SECStdBtn::Draw(CDC* pDC, SECBtnDrawContext& ctx)
{
    const CRect rect = GetRect();
    if (!pDC->RectVisible(rect))
        return;
    if (m_nStyle & TBBS_SEPARATOR) {
        DrawSeparator(pDC);
        return;
    }
    m_bImageSelected = SelectImageBitmap(ctx);
    DrawState(ctx);
    const DWORD dwTransparent = SEC_TBSTYLE_FLAT | SEC_TBSTYLE_TRANSPARENT;
    if ((m_pToolBar->GetToolBarStyle() & dwTransparent) == dwTransparent)
        DrawTransparent(pDC, ctx);
    if (m_nStyle & SEC_TBBS_CUSTOMIZING)
        DrawCustomizeFrame(ctx);
    BlitToScreen(pDC, ctx);
}

void SECStdBtn::DrawState(SECBtnDrawContext& ctx)
{
    const BOOL bCustomize = m_pToolBar->InCustomizeMode();
    DrawFace(ctx, bCustomize, 0, 0, m_cx, m_cy, m_pToolBar->GetImgWidth());
    if (bCustomize || (m_nStyle & TBBS_PRESSED))
        return;
    if (m_nStyle & TBBS_DISABLED)
        DrawDisabled(ctx);
    else if (m_nStyle & TBBS_CHECKED)
        DrawChecked(ctx);
    else if (m_nStyle & TBBS_INDETERMINATE)
        DrawIndeterminate(ctx);
}

void SECStdBtn::DrawFrame(CDC& dc, const CRect& rect, BOOL bDown) const
{
    const SECDrawValues& v = SECGetDrawValues();
    if (IsFlatLook()) {
        if (bDown)
            dc.Draw3dRect(rect, v.clrBtnShadow, v.clrBtnHilite);
        else if (m_nStyle & SEC_TBBS_HOT)
            dc.Draw3dRect(rect, v.clrBtnHilite, v.clrBtnShadow);
        return;
    }
    CRect inner = rect;
    inner.DeflateRect(1, 1);
    if (bDown) {
        dc.Draw3dRect(rect, v.clrWindowFrame, v.clrBtnHilite);
        dc.Draw3dRect(inner, v.clrBtnShadow, v.clrBtnFace);
    } else {
        dc.Draw3dRect(rect, v.clrBtnHilite, v.clrWindowFrame);
        dc.Draw3dRect(inner, v.clrBtnFace, v.clrBtnShadow);
    }
}

void SECStdBtn::DrawFace(SECBtnDrawContext& ctx, BOOL bCustomize, int x, int y, int cx, int cy, int cxImage)
{
    CDC& dc = ctx.m_dcColor;
    dc.FillSolidRect(x, y, cx, cy, SECGetDrawValues().clrBtnFace);
    const BOOL bDown = !bCustomize && (m_nStyle & (TBBS_PRESSED | TBBS_CHECKED)) != 0;
    DrawFrame(dc, CRect(x, y, x + cx, y + cy), bDown);
    if (!m_bImageSelected)
        return;
    int xImage = x + (cx - cxImage - 1) / 2;
    int yImage = y + (cy - m_pToolBar->GetImgHeight()) / 2;
    if (bDown && IsFlatLook()) {
        xImage++;
        yImage++;
    }
    BlitImage(ctx, xImage, yImage);
}

BOOL SECStdBtn::SelectImageBitmap(SECBtnDrawContext& ctx)
{
    SECBmpMgr* pBmpMgr = m_pToolBar->GetBmpMgr();
    HBITMAP hBitmap = nullptr;
    int nImage = 0;
    if (pBmpMgr == nullptr || !pBmpMgr->GetImage(m_nID, hBitmap, nImage))
        return FALSE;
    ctx.SelectImage(hBitmap);
    return TRUE;
}

void SECStdBtn::BlitImage(SECBtnDrawContext& ctx, int x, int y)
{
    // the image never reaches into the frame
    const CRect area = ImageArea();
    const int cx = std::min(m_pToolBar->GetImgWidth(), int(area.right) - x);
    const int cy = std::min(m_pToolBar->GetImgHeight(), int(area.bottom) - y);
    if (cx > 0 && cy > 0)
        ctx.m_dcColor.BitBlt(x, y, cx, cy, &ctx.m_dcImage, m_pToolBar->GetImgWidth() * m_nImage, 0, SRCCOPY);
}

void SECStdBtn::MakeMask(SECBtnDrawContext& ctx, const CRect& rect, BOOL bHilite) const
{
    SECMakeFaceMask(ctx.m_dcColor, ctx.m_dcMask, rect, bHilite);
}

void SECStdBtn::PaintThroughMask(SECBtnDrawContext& ctx, const CRect& rect, HBRUSH hBrush, DWORD rop, int dx,
                                 int dy) const
{
    SECPaintThroughMask(ctx.m_dcColor, rect.left + dx, rect.top + dy, rect.Width(), rect.Height(), ctx.m_dcMask,
                        rect.left, rect.top, hBrush, rop);
}

void SECStdBtn::DrawDisabled(SECBtnDrawContext& ctx)
{
    const SECDrawValues& v = SECGetDrawValues();
    const CRect area = ImageArea();
    MakeMask(ctx, area, TRUE);
    CBrush brHilite(v.clrBtnHilite);
    CBrush brShadow(v.clrBtnShadow);
    PaintThroughMask(ctx, area, brHilite, SEC_ROP_PSDPxax, 1, 1);
    PaintThroughMask(ctx, area, brShadow, SEC_ROP_PSDPxax);
    if (m_nStyle & TBBS_CHECKED)
        PaintThroughMask(ctx, area, ctx.m_brDither, SEC_ROP_DSPDxax);
}

void SECStdBtn::DrawChecked(SECBtnDrawContext& ctx)
{
    const CRect area = ImageArea();
    MakeMask(ctx, area, TRUE);
    PaintThroughMask(ctx, area, ctx.m_brDither, SEC_ROP_DSPDxax);
}

void SECStdBtn::DrawIndeterminate(SECBtnDrawContext& ctx)
{
    const CRect area = ImageArea();
    MakeMask(ctx, area, TRUE);
    CBrush brShadow(SECGetDrawValues().clrBtnShadow);
    PaintThroughMask(ctx, area, brShadow, SEC_ROP_PSDPxax);
    PaintThroughMask(ctx, area, ctx.m_brDither, SEC_ROP_DSPDxax);
}

void SECStdBtn::DrawCustomizeFrame(SECBtnDrawContext& ctx)
{
    const CRect rect(0, 0, m_cx, m_cy);
    ctx.m_dcColor.DrawDragRect(rect, CSize(3, 3), nullptr, CSize(0, 0));
}

void SECStdBtn::DrawSeparator(CDC* pDC)
{
    const DWORD dwStyle = m_pToolBar->GetToolBarStyle();
    if (!(dwStyle & SEC_TBSTYLE_FLAT) || (m_nStyle & TBBS_WRAPPED))
        return;
    const SECDrawValues& v = SECGetDrawValues();
    if (!(dwStyle & SEC_TBSTYLE_TRANSPARENT))
        pDC->FillSolidRect(GetRect(), v.clrBtnFace);
    const int xLine = m_x + (m_pToolBar->GetImgWidth() + 8) / 3 / 2;
    pDC->FillSolidRect(xLine, m_y, 1, m_cy, v.clrBtnShadow);
    pDC->FillSolidRect(xLine + 1, m_y, 1, m_cy, v.clrBtnHilite);
}

void SECStdBtn::DrawTransparent(CDC* pDC, SECBtnDrawContext& ctx)
{
    // colour ^ screen, cleared where the face shows, ^ screen: the face pixels become the screen's
    const CRect rect(0, 0, m_cx, m_cy);
    MakeMask(ctx, rect, FALSE);
    CDC& dc = ctx.m_dcColor;
    dc.BitBlt(0, 0, m_cx, m_cy, pDC, m_x, m_y, SRCINVERT);
    PaintThroughMask(ctx, rect, nullptr, SEC_ROP_DSna);
    dc.BitBlt(0, 0, m_cx, m_cy, pDC, m_x, m_y, SRCINVERT);
}

void SECStdBtn::BlitToScreen(CDC* pDC, SECBtnDrawContext& ctx)
{
    pDC->BitBlt(m_x, m_y, m_cx, m_cy, &ctx.m_dcColor, 0, 0, SRCCOPY);
}

// ---- mouse -----------------------------------------------------------------------------------------------

BOOL SECStdBtn::PressDown(CPoint)
{
    if (m_nStyle & TBBS_DISABLED)
        return FALSE;
    m_nStyle |= TBBS_PRESSED;
    if (!(m_nStyle & TBSTYLE_DROPDOWN))
        return TRUE;

    // a drop-down button shows itself pressed while its owner drops something down, then lets go
    CWnd* pBar = m_pToolBar->GetBarWnd();
    Invalidate();
    pBar->UpdateWindow();
    m_pToolBar->SetInCommand(TRUE);
    SendNotification(TBN_DROPDOWN, 0, 0);
    m_pToolBar->SetInCommand(FALSE);
    m_nStyle &= ~TBBS_PRESSED;
    Invalidate();
    m_pToolBar->RefreshHotBtn();
    return FALSE;
}

void SECStdBtn::PressMove(CPoint point)
{
    if (HitsRect(point))
        m_nStyle |= TBBS_PRESSED;
    else
        m_nStyle &= ~TBBS_PRESSED;
}

void SECStdBtn::PressCancel()
{
    m_nStyle &= ~TBBS_PRESSED;
    Invalidate();
}

UINT SECStdBtn::PressUp(CPoint point)
{
    m_nStyle &= ~TBBS_PRESSED;
    if (!HitsRect(point))
        return 0;
    if ((m_nStyle & TBBS_CHECKBOX) && !(m_nStyle & TBBS_DISABLED)) {
        const UINT nChecked = (m_nStyle & TBBS_CHECKED) ? 0 : TBBS_CHECKED;
        m_pToolBar->InformBtns(m_nID, nChecked, TBBS_CHECKED | TBBS_INDETERMINATE);
    }
    return m_nID;
}

void SECStdBtn::Inform(int nCode, UINT nBits, UINT nMask)
{
    if (nCode != InformStyle)
        return;
    const UINT nStyle = (m_nStyle & ~nMask) | (nBits & nMask);
    if (nStyle == m_nStyle)
        return;
    SetStyle(nStyle);
    if (m_pToolBar != nullptr && m_pToolBar->GetBarWnd()->m_hWnd != nullptr)
        Invalidate();
}

void SECStdBtn::GetBtnData(std::vector<BYTE>& data) const
{
    data.clear();
}

void SECStdBtn::SetBtnData(const std::vector<BYTE>& data)
{
    (void)data;
}

INT_PTR SECStdBtn::OnToolHitTest(CPoint, TOOLINFOA* pTI) const
{
    if (pTI != nullptr) {
        pTI->hwnd = m_pToolBar->GetBarWnd()->m_hWnd;
        pTI->uId = m_nID;
        pTI->rect = GetRect();
        pTI->lpszText = LPSTR_TEXTCALLBACKA;
    }
    return m_nID;
}

LRESULT SECStdBtn::SendNotification(int nCode, INT32 nArg1, INT32 nArg2)
{
    CWnd* pBar = m_pToolBar->GetBarWnd();
    SECTBNOTIFY notify = {};
    notify.tb.hdr.hwndFrom = pBar->m_hWnd;
    notify.tb.hdr.idFrom = UINT_PTR(pBar->GetDlgCtrlID());
    notify.tb.hdr.code = UINT(nCode);
    notify.tb.iItem = int(m_nID);
    notify.nIndex = m_pToolBar->GetBtnIndex(this);
    notify.nArg1 = nArg1;
    notify.nArg2 = nArg2;
    CWnd* pOwner = pBar->GetOwner();
    if (pOwner == nullptr)
        return 0;
    return pOwner->SendMessage(WM_NOTIFY, notify.tb.hdr.idFrom, reinterpret_cast<LPARAM>(&notify));
}
