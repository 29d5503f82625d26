// SECDockContext: the toolkit's drag with its status text and refined feedback, resizing a floating
// bar, and toggling docking and floating in the main window with the bar's row fraction.
#include <algorithm>
#include <cstdlib>

#include "frames/SECDockContext.h"

#include "frames/SECControlBar.h"
#include "frames/SECCustomToolBar.h"
#include "frames/SECDockBar.h"
#include "frames/SECToolkit.h"
#include "win/CFrameWnd.h"

namespace {

// The sizable toolkit bar pBar is, or null.
SECControlBar* SizableBar(CControlBar* pBar)
{
    SECControlBar* pSEC = dynamic_cast<SECControlBar*>(pBar);
    return pSEC != nullptr && (pSEC->GetExBarStyle() & SEC_CBRS_EX_FIXEDSIZE) == 0 ? pSEC : nullptr;
}

// How far a floating bar must move before it may dock (|dx| + |dy|).
const int kDockDistance = 4;

} // namespace

SECMainWindowDocking::~SECMainWindowDocking() = default;

SECDockContext::SECDockContext(CControlBar* pBar)
    : CDockContext(pBar), m_rectDockCalc(0, 0, 0, 0), m_ptDockCalc(0, 0), m_ptDragStart(0, 0), m_nInsertHint(-1),
      m_bPrevFloating(FALSE), m_sizeFrameExtra(0, 0), m_sizeFloatSaved(0, 0), m_nMRUWidthSaved(0)
{
    const SECDrawValues& v = SECGetDrawValues();
    m_sizeDragBorder = CSize(v.cxBorder2, v.cyBorder2);
    m_sizeMinFloat = CSize(::GetSystemMetrics(SM_CXMENUSIZE) +
                               2 * (::GetSystemMetrics(SM_CXFRAME) + ::GetSystemMetrics(SM_CXBORDER)),
                           ::GetSystemMetrics(SM_CYSMCAPTION) +
                               2 * (::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYBORDER)));
    m_sizeMaxFloat = CSize(::GetSystemMetrics(SM_CXFULLSCREEN), ::GetSystemMetrics(SM_CYFULLSCREEN));
}

SECDockContext::~SECDockContext() = default;

// ---- drag ---------------------------------------------------------------------------------------------

void SECDockContext::StartDrag(CPoint pt)
{
    if (!CanStartLoop())
        return;
    m_nInsertHint = -1;
    m_ptDragStart = pt;
    m_rectDockCalc.SetRectEmpty();
    m_ptDockCalc = pt;
    m_pBar->GetDockSite()->SendMessage(WM_SETMESSAGESTRING, IDS_SEC_PRESSCTRL);
    CDockContext::StartDrag(pt);
}

void SECDockContext::CancelLoop()
{
    CDockContext::CancelLoop();
    if (m_pDockSite != nullptr && m_pDockSite->m_hWnd != nullptr)
        m_pDockSite->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
}

BOOL SECDockContext::MovedEnough() const
{
    if ((m_dwStyle & CBRS_FLOATING) == 0)
        return TRUE;
    return std::abs(m_ptLast.x - m_ptDragStart.x) + std::abs(m_ptLast.y - m_ptDragStart.y) > kDockDistance;
}

DWORD SECDockContext::CanDock()
{
    m_pOverDockBar = nullptr;
    if (m_bForceFrame)
        return 0;
    CDockBar* pDockBar = nullptr;
    DWORD dwDock = 0;
    if (IsHorzNow() && (m_dwDockStyle & CBRS_ORIENT_HORZ)) {
        dwDock = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & CBRS_ORIENT_HORZ, &pDockBar);
    } else if (m_dwDockStyle & CBRS_ORIENT_VERT) {
        dwDock = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & CBRS_ORIENT_VERT, &pDockBar);
        CRect rectDockBar;
        if (dwDock != 0) {
            pDockBar->GetWindowRect(rectDockBar);
            if (!rectDockBar.PtInRect(m_ptLast))
                dwDock = 0;
        }
    }
    if (dwDock != 0) {
        m_pOverDockBar = pDockBar;
        return dwDock;
    }
    return m_bFlip ? 0 : CDockContext::CanDock();
}

void SECDockContext::CalcFocusRect(CRect& rect, CSize& size, BOOL& bDither)
{
    if ((m_dwOverDockStyle & CBRS_ALIGN_ANY) != 0 && MovedEnough()) {
        rect = (m_dwOverDockStyle & CBRS_ORIENT_HORZ) ? m_rectDragHorz : m_rectDragVert;
        if (SECDockBar* pDockBar = dynamic_cast<SECDockBar*>(m_pOverDockBar))
            rect = pDockBar->CalcDragRect(m_pBar, rect, m_ptLast, m_nInsertHint, m_rectDockCalc, m_ptDockCalc);
        if (SECGetDrawValues().bWin4)
            rect.DeflateRect(1, 1);
        size = CSize(1, 1);
        bDither = FALSE;
        return;
    }
    m_nInsertHint = -1;
    const BOOL bHorz =
        (m_dwOverDockStyle & CBRS_ALIGN_ANY) != 0 ? (m_dwOverDockStyle & CBRS_ORIENT_HORZ) != 0 : IsHorzNow();
    rect = bHorz ? m_rectFrameDragHorz : m_rectFrameDragVert;
    size = CSize(::GetSystemMetrics(SM_CXFRAME) - 1, ::GetSystemMetrics(SM_CYFRAME) - 1);
    bDither = TRUE;
}

CSize SECDockContext::FloatCorrection() const
{
    return m_pBar->IsKindOf(RUNTIME_CLASS(SECCustomToolBar)) ? CSize(0, 0) : m_sizeDragBorder;
}

void SECDockContext::EndDrag()
{
    if (!MovedEnough())
        m_dwOverDockStyle = 0;
    if (m_dwOverDockStyle != 0 && (m_dwStyle & CBRS_FLOATING) != 0)
        if (SECDockBar* pDockBar = dynamic_cast<SECDockBar*>(m_pOverDockBar))
            pDockBar->m_pTrackedBar = m_pBar;
    // the class library floats the bar at its floating rectangle less the drag border
    const CSize sizeUncorrected = m_sizeDragBorder - FloatCorrection();
    m_rectFrameDragHorz.OffsetRect(sizeUncorrected);
    m_rectFrameDragVert.OffsetRect(sizeUncorrected);
    CDockContext::EndDrag();
}

// ---- resize -------------------------------------------------------------------------------------------

void SECDockContext::StartResize(int nHitTest, CPoint pt)
{
    if (!BeginLoop(FALSE))
        return;
    m_nHitTest = nHitTest;

    CRect rectBar;
    m_pBar->GetWindowRect(rectBar);
    m_sizeFloatSaved = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    m_nMRUWidthSaved = m_pBar->GetMRUWidth();
    m_rectDragHorz = CRect(rectBar.TopLeft(), m_sizeFloatSaved);
    m_rectDragVert = m_rectDragHorz;

    // the frame: the bar inside a caption and a sizing border, trimmed by where the press lies
    CRect rectFrame = m_rectDragHorz;
    AddFloatingFrameBorders(rectFrame);
    const BOOL bBeyond = pt.x > rectBar.left + m_sizeDragBorder.cx && pt.y > rectBar.top + m_sizeDragBorder.cy;
    CFrameWnd* pFrame = m_pBar->GetParentFrame();
    if (pFrame != nullptr && pFrame->GetExStyle() != 0) {
        if (bBeyond)
            rectFrame.DeflateRect(1, 1);
        else
            rectFrame.InflateRect(1, 1, 0, 0);
    } else if (bBeyond) {
        rectFrame.DeflateRect(m_sizeDragBorder.cx, m_sizeDragBorder.cy);
    } else {
        rectFrame.DeflateRect(0, 0, m_sizeDragBorder.cx, m_sizeDragBorder.cy);
    }
    m_rectFrameDragHorz = rectFrame;
    m_rectFrameDragVert = rectFrame;
    m_sizeFrameExtra = rectFrame.Size() - m_rectDragHorz.Size();

    m_ptLast = pt;
    Stretch(pt);
    if (Track()) {
        EndResize();
        return;
    }
    // given up: the bar keeps the size it had
    m_pBar->CalcDynamicLayout(m_sizeFloatSaved.cx, LM_HORZ | LM_COMMIT);
    m_pBar->CalcDynamicLayout(m_sizeFloatSaved.cy, LM_HORZ | LM_LENGTHY | LM_COMMIT);
    m_pBar->SetMRUWidth(m_nMRUWidthSaved);
    CancelLoop();
}

void SECDockContext::Stretch(CPoint pt)
{
    const int nHit = m_nHitTest;
    const BOOL bLeft = nHit == HTLEFT || nHit == HTTOPLEFT || nHit == HTBOTTOMLEFT;
    const BOOL bRight = nHit == HTRIGHT || nHit == HTTOPRIGHT || nHit == HTBOTTOMRIGHT;
    const BOOL bTop = nHit == HTTOP || nHit == HTTOPLEFT || nHit == HTTOPRIGHT;
    const BOOL bBottom = nHit == HTBOTTOM || nHit == HTBOTTOMLEFT || nHit == HTBOTTOMRIGHT;
    CRect& rect = m_rectDragHorz;
    CSize size;
    if (SizableBar(m_pBar) == nullptr) {
        // a tool-bar-like bar answers the size it takes for the width or height asked
        if (nHit == HTLEFT || nHit == HTRIGHT) {
            (bLeft ? rect.left : rect.right) += pt.x - m_ptLast.x;
            size = m_pBar->CalcDynamicLayout(rect.Width(), LM_HORZ | LM_COMMIT);
        } else {
            (bTop ? rect.top : rect.bottom) += pt.y - m_ptLast.y;
            size = m_pBar->CalcDynamicLayout(rect.Height(), LM_HORZ | LM_LENGTHY | LM_COMMIT);
        }
        m_ptLast = pt;
    } else {
        // an edge follows the mouse unless the size would leave its limits; then the mouse is held too
        auto follow = [&rect](LONG& nEdge, LONG& nMouse, LONG nMouseNow, BOOL bWidth, int nMin, int nMax) {
            const LONG nOld = nEdge;
            nEdge += nMouseNow - nMouse;
            const int nSize = bWidth ? rect.Width() : rect.Height();
            if (nSize < nMin || nSize > nMax)
                nEdge = nOld;
            else
                nMouse = nMouseNow;
        };
        if (bLeft || bRight) {
            follow(bLeft ? rect.left : rect.right, m_ptLast.x, pt.x, TRUE, m_sizeMinFloat.cx, m_sizeMaxFloat.cx);
            m_pBar->CalcDynamicLayout(rect.Width(), LM_HORZ | LM_COMMIT);
        }
        if (bTop || bBottom) {
            follow(bTop ? rect.top : rect.bottom, m_ptLast.y, pt.y, FALSE, m_sizeMinFloat.cy, m_sizeMaxFloat.cy);
            m_pBar->CalcDynamicLayout(rect.Height(), LM_HORZ | LM_LENGTHY | LM_COMMIT);
        }
        size = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    }
    // the bar and its frame take the size against the sides that stay
    auto anchor = [bLeft, bTop](CRect& r, CSize sizeNew) {
        if (bLeft)
            r.left = r.right - sizeNew.cx;
        else
            r.right = r.left + sizeNew.cx;
        if (bTop)
            r.top = r.bottom - sizeNew.cy;
        else
            r.bottom = r.top + sizeNew.cy;
    };
    anchor(rect, size);
    anchor(m_rectFrameDragHorz, size + m_sizeFrameExtra);
    m_rectDragVert = rect;
    m_rectFrameDragVert = m_rectFrameDragHorz;
    DrawFocusRect();
}

void SECDockContext::EndResize()
{
    CancelLoop();
    m_pBar->CalcDynamicLayout(m_rectDragHorz.Width(), LM_HORZ | LM_COMMIT);
    if (SizableBar(m_pBar) != nullptr)
        m_pBar->CalcDynamicLayout(m_rectDragHorz.Height(), LM_HORZ | LM_LENGTHY | LM_COMMIT);
    m_pDockSite->FloatControlBar(m_pBar, m_rectFrameDragHorz.TopLeft() - FloatCorrection(),
                                 CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC | (m_dwDockStyle & CBRS_FLOAT_MULTI));
}

// ---- toggling -----------------------------------------------------------------------------------------

void SECDockContext::ReDockAtMRU()
{
    if (SECControlBar* pSEC = dynamic_cast<SECControlBar*>(m_pBar))
        pSEC->m_fPctWidth = pSEC->m_fSavedPctWidth;
    CDockBar* pDockBar = GetMRUDockBar();
    CRect rect = GetMRUDockRect(pDockBar);
    if (m_pBar->GetBarStyle() & CBRS_BORDER_TOP)
        rect.right++;
    m_pDockSite->ReDockControlBar(m_pBar, pDockBar, &rect);
    m_pDockSite->RecalcLayout();
}

void SECDockContext::ToggleDocking()
{
    m_pDockSite = m_pBar->GetDockSite();
    if (m_pDockSite == nullptr)
        return;
    if (m_pBar->IsFloating()) {
        if (m_pBar->GetEnabledAlignment() & CBRS_ALIGN_ANY)
            ReDockAtMRU();
        return;
    }
    if (SECControlBar* pSEC = dynamic_cast<SECControlBar*>(m_pBar))
        pSEC->m_fSavedPctWidth = pSEC->m_fPctWidth;
    CDockContext::ToggleDocking();
}

void SECDockContext::ToggleFloatingInMainWindow()
{
    m_pDockSite = m_pBar->GetDockSite();
    SECMainWindowDocking* pMainWindow = dynamic_cast<SECMainWindowDocking*>(m_pDockSite);
    if (pMainWindow == nullptr)
        return;
    pMainWindow->SetSwitching(TRUE);
    if (!pMainWindow->IsFloatingInMainWindow(m_pBar)) {
        if (SECControlBar* pSEC = dynamic_cast<SECControlBar*>(m_pBar))
            pSEC->m_fSavedPctWidth = pSEC->m_fPctWidth;
        m_bPrevFloating = m_pBar->IsFloating();
        pMainWindow->FloatControlBarInMainWindow(m_pBar, m_ptMRUFloatPos.x, m_ptMRUFloatPos.y, m_dwMRUFloatStyle);
    } else if (m_bPrevFloating) {
        m_pDockSite->FloatControlBar(m_pBar, m_ptMRUFloatPos, m_dwMRUFloatStyle);
    } else if (m_pBar->GetEnabledAlignment() & CBRS_ALIGN_ANY) {
        ReDockAtMRU();
    }
    pMainWindow->SetSwitching(FALSE);
}
