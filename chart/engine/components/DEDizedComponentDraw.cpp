// DEDizedComponent: the drawing sequence, borders, shadows and invalidation.
#include "chart/engine/components/DEDizedComponent.h"

#include "chart/engine/ChartResource.h"
#include "chart/engine/DEDized.h"
#include "win/ArgCheck.h"
#include "win/CWnd.h"

namespace {

const COLORREF kLightGrey = RGB(0xC0, 0xC0, 0xC0);

HPEN StockPen(int nIndex)
{
    return static_cast<HPEN>(::GetStockObject(nIndex));
}

} // namespace

void DEDizedComponent::Draw(CDC* pDC, CWnd* pWnd)
{
    AfxRequirePointer(pDC, "DEDizedComponent::Draw", "pDC");
    if (m_pChart != nullptr)
        m_pChart->PushClip();
    pDC->SelectClipRgn(nullptr);
    BeginDrawing(pDC, pWnd);
    try {
        DrawBackground();
        DrawShadow();
        DrawBorder();
        DrawContent();
    } catch (...) {
        FinishDraw();
        throw;
    }
    FinishDraw();
}

void DEDizedComponent::FinishDraw()
{
    EndDrawing();
    m_bLayoutDirty = 0;
    m_bFullRedraw = 0;
    if (m_pChart != nullptr)
        m_pChart->PopClip();
}

void DEDizedComponent::DrawBackground()
{
    const CRect rect = GetDeviceRect();
    POINT corners[5] = {{rect.left, rect.top},
                        {rect.right, rect.top},
                        {rect.right, rect.bottom},
                        {rect.left, rect.bottom},
                        {rect.left, rect.top}};
    FillPolygon(corners, 5, &m_style, 0);
}

void DEDizedComponent::DrawFrame(const CRect& rect, int nInset, CPen* pTopLeft, CPen* pBottomRight)
{
    const int left = rect.left + nInset;
    const int top = rect.top + nInset;
    const int right = rect.right - 1 - nInset;
    const int bottom = rect.bottom - 1 - nInset;
    if (right < left || bottom < top)
        return;
    CPen* pOld = m_pDC->SelectObject(pTopLeft);
    m_pDC->MoveTo(left, bottom);
    m_pDC->LineTo(left, top);
    m_pDC->LineTo(right, top);
    // the bottom-right pen goes over both corners it shares with the top-left one
    m_pDC->SelectObject(pBottomRight);
    m_pDC->MoveTo(right, top);
    m_pDC->LineTo(right, bottom);
    m_pDC->LineTo(left - 1, bottom);
    m_pDC->SelectObject(pOld);
}

void DEDizedComponent::DrawBorder()
{
    const int nKind = m_style.m_nStyle & styleBorderMask;
    if (nKind & styleBorderCustom) {
        CustomBorder();
        return;
    }
    if (nKind == 0)
        return;
    const CRect rect = GetDeviceRect();
    CPen* pWhite = CPen::FromHandle(StockPen(WHITE_PEN));
    CPen* pBlack = CPen::FromHandle(StockPen(BLACK_PEN));
    CGdiObject* pOldBrush = m_pDC->SelectStockObject(HOLLOW_BRUSH);
    switch (nKind) {
    case 1:
    case 2:
    case 4:
    case 5: {
        const bool bRaised = nKind == 1 || nKind == 4;
        const int nDepth = nKind <= 2 ? 1 : 3;
        for (int i = 0; i < nDepth; ++i)
            DrawFrame(rect, i, bRaised ? pWhite : pBlack, bRaised ? pBlack : pWhite);
        break;
    }
    case 3:
    case 6: {
        const int nDepth = nKind == 3 ? 1 : 3;
        CPen* pGrey = GetPen(PS_SOLID, 1, kLightGrey);
        for (int i = 0; i < nDepth; ++i) {
            DrawFrame(rect, i, pWhite, pBlack);
            if (pGrey != nullptr)
                DrawFrame(rect, nDepth + i, pGrey, pGrey);
        }
        break;
    }
    case 7:
        if (CPen* pPen = GetPen(PS_SOLID, 1, m_style.m_crColor)) {
            CPen* pOld = m_pDC->SelectObject(pPen);
            m_pDC->Rectangle(rect);
            m_pDC->SelectObject(pOld);
        }
        break;
    default:
        break;
    }
    m_pDC->SelectObject(pOldBrush);
}

bool DEDizedComponent::GetShadowDepth(CDC* pDC, int& nHorizontal, int& nVertical)
{
    int nDepth = 0;
    switch ((m_style.m_nStyle & styleShadowMask) >> 4) {
    case 1:
        nDepth = 3;
        break;
    case 2:
        nDepth = 8;
        break;
    case 3:
        nDepth = 16;
        break;
    default:
        return false;
    }
    nHorizontal = nVertical = nDepth;
    if (pDC != nullptr && pDC->IsPrinting()) {
        nHorizontal = int(nDepth * GetDeviceScaleX());
        nVertical = int(nDepth * GetDeviceScaleY());
    }
    return true;
}

void DEDizedComponent::GetShadowStrips(const CRect& rect, int nHorizontal, int nVertical, CRect& below, CRect& right)
{
    below.SetRect(rect.left + nHorizontal, rect.bottom, rect.right + 1, rect.bottom + nVertical + 1);
    right.SetRect(rect.right, rect.top + nHorizontal, rect.right + nHorizontal + 1, rect.bottom + nVertical + 1);
}

void DEDizedComponent::DrawShadow()
{
    int nHorizontal = 0;
    int nVertical = 0;
    if (!GetShadowDepth(m_pDC, nHorizontal, nVertical)) {
        if (((m_style.m_nStyle & styleShadowMask) >> 4) > 3)
            CustomShadow();
        return;
    }
    CBitmap pattern;
    CBrush brush;
    if (!pattern.LoadBitmap(IDB_CHART_SHADOW) || !brush.CreatePatternBrush(&pattern))
        return;
    CRect below;
    CRect right;
    GetShadowStrips(GetDeviceRect(), nHorizontal, nVertical, below, right);
    CGdiObject* pOldPen = m_pDC->SelectStockObject(NULL_PEN);
    CBrush* pOldBrush = m_pDC->SelectObject(&brush);
    const int nOldRop = m_pDC->SetROP2(R2_MASKPEN);
    // with the null pen a rectangle leaves its right and bottom edge out: the strips end one further
    m_pDC->Rectangle(below);
    m_pDC->Rectangle(right);
    m_pDC->SetROP2(nOldRop);
    m_pDC->SelectObject(pOldBrush);
    m_pDC->SelectObject(pOldPen);
}

void DEDizedComponent::Invalidate(CWnd* pWnd)
{
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr || m_pChart == nullptr)
        return;
    CDC* pDC = pWnd->GetDC();
    if (pDC == nullptr)
        return;
    CRect rect;
    m_rect.GetDeviceRect(rect, pDC, pWnd);
    const int nMode = m_pChart->GetInvalidationMode();
    int nHorizontal = 0;
    int nVertical = 0;
    if (nMode == 1 || nMode == 256) {
        pWnd->InvalidateRect(rect, TRUE);
    } else if (nMode == 16 && GetShadowDepth(pDC, nHorizontal, nVertical)) {
        CRect below;
        CRect right;
        GetShadowStrips(rect, nHorizontal, nVertical, below, right);
        pWnd->InvalidateRect(below, TRUE);
        pWnd->InvalidateRect(right, TRUE);
    }
    pWnd->ReleaseDC(pDC);
}
