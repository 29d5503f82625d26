// CGXAutoScrollPlugin (see GXGridAutoScrollPlugin.h).
#include "grid/ops/GXGridAutoScrollPlugin.h"

#include "grid/engine/GXCore.h"
#include "win/ArgCheck.h"
#include "win/WinServices.h"

#include <algorithm>
#include <cstdlib>

CGXPluginComponent* GXCreateAutoScrollPlugin(CGXGridCore* pGrid)
{
    return new CGXAutoScrollPlugin(pGrid);
}

IMPLEMENT_DYNAMIC(CGXAutoScrollPlugin, CGXPluginComponent)

BEGIN_MESSAGE_MAP(CGXAutoScrollPlugin, CGXPluginComponent)
    ON_WM_TIMER()
    ON_WM_LBUTTONUP()
    ON_WM_MBUTTONUP()
    ON_WM_RBUTTONUP()
    ON_WM_KEYUP()
    ON_WM_KEYDOWN()
    ON_WM_CANCELMODE()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

namespace {
// Pointer distances are divided by these before they shorten the interval.
const int kVerticalDivisor = 5;
const int kHorizontalDivisor = 10;
// Keyboard and fixed-direction steps count as these distances, undivided.
const int kKeyDistance = 8;
const int kFixedDistance = 2;
// Keyboard and fixed-direction modes act only once the interval fell below this.
const int kHeldThreshold = 40;
}  // namespace

CGXAutoScrollPlugin::CGXAutoScrollPlugin(CGXGridCore* pGrid) : m_pGrid(pGrid)
{
    AfxRequirePointer(pGrid, "CGXAutoScrollPlugin", "pGrid");
    pGrid->m_bAutoScroll = TRUE;
}

void CGXAutoScrollPlugin::StopAutoScroll()
{
    m_pGrid->EndAutoScroll();
    m_nTimer = 0;
    m_pGrid->m_nAutoScrollDirection = -1;
    m_pGrid->m_nAutoScrollKey = 0;
    m_pGrid->m_bAutoScrollStop = TRUE;
    m_pGrid->m_bAutoScrollStartPending = FALSE;
}

CPoint CGXAutoScrollPlugin::PointerPos()
{
    POINT pt{};
    AfxGetServices()->GetCursorPos(&pt);
    if (m_pGrid->GridWnd() != nullptr && m_pGrid->GridWnd()->m_hWnd != nullptr)
        ::ScreenToClient(m_pGrid->GridWnd()->m_hWnd, &pt);
    return CPoint(pt.x, pt.y);
}

void CGXAutoScrollPlugin::SendMouseMove()
{
    if (m_nKey != 0 || m_pGrid->GridWnd() == nullptr || m_pGrid->GridWnd()->m_hWnd == nullptr)
        return;
    ::SendMessageA(m_pGrid->GridWnd()->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(m_point.x, m_point.y));
}

void CGXAutoScrollPlugin::BeginRun()
{
    CGXGridCore& g = *m_pGrid;
    g.m_bAutoScrollStartPending = FALSE;
    m_bVertical = g.m_bAutoScrollVert;
    m_bHorizontal = g.m_bAutoScrollHorz;
    m_nFixedDirection = g.m_nAutoScrollDirection;
    m_nKey = g.m_nAutoScrollKey;
    m_nKeyData = g.m_nAutoScrollKeyFlags;
    m_nTimer = g.m_nAutoScrollTimer;
    m_rectFree = g.GetGridRect();
    m_rectFree.top += g.SumRowHeights(0, g.GetFrozenRows());
    m_rectFree.left += g.SumColWidths(0, g.GetFrozenCols());
    m_dwStartTick = AfxGetServices()->GetTickCount();
    m_dwLastStepTick = 0;
    m_nLastDistance = 0;
    m_nInterval = gxInitialInterval;
    m_nMoveInterval = gxInitialInterval;
    m_nSpeed = 1;
    m_point = PointerPos();
}

BOOL CGXAutoScrollPlugin::ScrollStep(int nDirection)
{
    return m_pGrid->OnScrollBySteps(nDirection, ROWCOL(std::max(m_nSpeed / 10, 1)));
}

void CGXAutoScrollPlugin::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != CGXGridCore::gxAutoScrollTimer || !m_pGrid->IsAutoScrolling())
        return;
    m_bExitMessage = TRUE;
    if (m_pGrid->m_bAutoScrollStop) {
        StopAutoScroll();
        return;
    }
    if (m_pGrid->m_bAutoScrollStartPending)
        BeginRun();
    const DWORD dwNow = AfxGetServices()->GetTickCount();
    const CPoint point = PointerPos();
    if (LONG(dwNow - m_dwLastStepTick) <= m_nInterval) {
        // no step due: a drag still follows the pointer
        if (std::abs(point.x - m_point.x) + std::abs(point.y - m_point.y) > 5) {
            m_point = point;
            SendMouseMove();
            m_nMoveInterval = 100;
        } else if (LONG(dwNow - m_dwLastStepTick) > m_nMoveInterval) {
            SendMouseMove();
            m_nMoveInterval -= 3;
        }
        return;
    }
    m_dwLastStepTick = dwNow;
    m_point = point;
    Step();
}

void CGXAutoScrollPlugin::Step()
{
    int nDistance = 0;
    int nDivisor = 1;
    if (m_nKey != 0) {
        if (m_nInterval < kHeldThreshold && m_pGrid->GridWnd() != nullptr)
            ::SendMessageA(m_pGrid->GridWnd()->m_hWnd, WM_KEYDOWN, m_nKey,
                           MAKELPARAM(std::max(m_nSpeed / 5, 1), m_nKeyData));
        nDistance = kKeyDistance;
    } else if (m_nFixedDirection != -1) {
        if (m_nInterval < kHeldThreshold)
            ScrollStep(m_nFixedDirection);
        nDistance = kFixedDistance;
    } else {
        // the pointer's distance beyond one side of the free area scrolls that way
        auto scrollBeyond = [&](LONG v, LONG nLow, LONG nHigh, int nBack, int nForward, int nDiv) {
            nDivisor = nDiv;
            nDistance = v < nLow ? nLow - v : v > nHigh ? v - nHigh : 0;
            return nDistance != 0 && ScrollStep(v < nLow ? nBack : nForward);
        };
        BOOL bScrolled = m_bVertical && scrollBeyond(m_point.y, m_rectFree.top, m_rectFree.bottom, CGXGridCore::gxUp,
                                                     CGXGridCore::gxDown, kVerticalDivisor);
        if (!bScrolled && m_bHorizontal)
            bScrolled = scrollBeyond(m_point.x, m_rectFree.left, m_rectFree.right, CGXGridCore::gxLeft,
                                     CGXGridCore::gxRight, kHorizontalDivisor);
        if (!bScrolled) {
            m_nInterval = gxInitialInterval;
            m_nSpeed = 1;
            m_nLastDistance = nDistance;
            SendMouseMove();
            return;
        }
    }
    // farther away goes faster, coming back starts over
    if (nDistance < m_nLastDistance) {
        m_nInterval = gxInitialInterval;
        m_nSpeed = 1;
    } else if (nDistance > 1) {
        m_nInterval -= (nDistance / nDivisor) / 2;
        if (m_nInterval < 0) {
            m_nInterval = 0;
            m_nSpeed = std::min(m_nSpeed + 2, int(gxMaxSpeed));
        }
    }
    m_nLastDistance = nDistance;
    SendMouseMove();
}

void CGXAutoScrollPlugin::OnLButtonUp(UINT, CPoint)
{
    StopAutoScroll();
}

void CGXAutoScrollPlugin::OnMButtonUp(UINT, CPoint)
{
    StopAutoScroll();
}

void CGXAutoScrollPlugin::OnRButtonUp(UINT, CPoint)
{
    StopAutoScroll();
}

void CGXAutoScrollPlugin::OnKeyUp(UINT, UINT, UINT)
{
    StopAutoScroll();
}

void CGXAutoScrollPlugin::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_ESCAPE || nChar != m_pGrid->m_nAutoScrollKey)
        StopAutoScroll();
}

void CGXAutoScrollPlugin::OnCancelMode()
{
    StopAutoScroll();
}

void CGXAutoScrollPlugin::OnKillFocus(CWnd*)
{
    if (!m_pGrid->m_bAutoScrollKeepFocus)
        StopAutoScroll();
}
