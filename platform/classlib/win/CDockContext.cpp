// CDockContext: the drag of a docking bar, its candidate dock bar and feedback, docking or floating at
// its end, and toggling between docked and floating.
#include <algorithm>

#include "win/CDockContext.h"

#include "win/ArgCheck.h"
#include "win/CControlBar.h"
#include "win/CDockBar.h"
#include "win/CFrameWnd.h"
#include "win/CGdiObject.h"
#include "win/WinServices.h"

namespace {

// TRUE for the ids of a frame's four edge dock bars.
BOOL IsEdgeDockBarID(UINT nID)
{
    return nID >= AFX_IDW_DOCKBAR_TOP && nID <= AFX_IDW_DOCKBAR_BOTTOM;
}

} // namespace

CDockContext::CDockContext(CControlBar* pBar)
    : m_bDitherLast(FALSE), m_pBar(pBar), m_pDockSite(nullptr), m_dwDockStyle(0), m_dwOverDockStyle(0), m_dwStyle(0),
      m_bFlip(FALSE), m_bForceFrame(FALSE), m_pDC(nullptr), m_bDragging(FALSE), m_nHitTest(HTNOWHERE),
      m_uMRUDockID(0), m_dwMRUFloatStyle(CBRS_ALIGN_TOP), m_ptMRUFloatPos(-1, -1), m_pOverDockBar(nullptr),
      m_sizeDragBorder(0, 0)
{
    AfxRequirePointer(pBar, "CDockContext::CDockContext", "pBar");
}

CDockContext::~CDockContext() = default;

// ---- the loop -----------------------------------------------------------------------------------------------

BOOL CDockContext::CanStartLoop() const
{
    return ::GetCapture() == nullptr && m_pBar->m_hWnd != nullptr && m_pBar->GetDockSite() != nullptr;
}

BOOL CDockContext::BeginLoop(BOOL bDragging)
{
    if (!CanStartLoop())
        return FALSE;
    m_pDockSite = m_pBar->GetDockSite();
    m_dwStyle = m_pBar->GetBarStyle();
    m_dwDockStyle = m_pBar->GetEnabledAlignment();
    m_bDragging = bDragging;
    m_bForceFrame = bDragging && AfxGetServices()->GetKeyState(VK_CONTROL) < 0;
    m_bFlip = bDragging && AfxGetServices()->GetKeyState(VK_SHIFT) < 0;
    m_dwOverDockStyle = 0;
    m_pOverDockBar = nullptr;
    InitLoop();
    return TRUE;
}

void CDockContext::InitLoop()
{
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
    m_bDitherLast = FALSE;
    m_pDesktopDC.reset(new CAfxDesktopDC);
    m_pDC = m_pDesktopDC.get();
}

void CDockContext::CancelLoop()
{
    if (m_pDC != nullptr)
        DrawFocusRect(TRUE);
    if (::GetCapture() == m_pBar->m_hWnd)
        ::ReleaseCapture();
    m_pDC = nullptr;
    m_pDesktopDC.reset();
}

BOOL CDockContext::Track()
{
    return AfxRunMouseLoop(m_pBar, [this](const MSG& msg) { return TrackStep(msg); });
}

AfxLoopStep CDockContext::TrackStep(const MSG& msg)
{
    if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) && m_bDragging &&
        (msg.wParam == VK_CONTROL || msg.wParam == VK_SHIFT)) {
        UpdateState(msg.wParam == VK_CONTROL ? &m_bForceFrame : &m_bFlip, msg.message == WM_KEYDOWN);
        return afxLoopContinue;
    }
    return AfxFollowMouseStep(msg, [this](CPoint pt) {
        if (m_bDragging)
            Move(pt);
        else
            Stretch(pt);
    });
}

void CDockContext::UpdateState(BOOL* pFlag, BOOL bNewValue)
{
    if (*pFlag == bNewValue)
        return;
    *pFlag = bNewValue;
    m_dwOverDockStyle = CanDock();
    DrawFocusRect();
}

// ---- the drag ------------------------------------------------------------------------------------------------

void CDockContext::CalcDragRects(CPoint pt)
{
    CRect rectBar;
    m_pBar->GetWindowRect(rectBar);
    const CPoint ptTopLeft = rectBar.TopLeft();
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    if (m_dwStyle & CBRS_SIZE_DYNAMIC) {
        m_rectDragHorz = CRect(ptTopLeft, m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK));
        m_rectDragVert = CRect(ptTopLeft, m_pBar->CalcDynamicLayout(0, LM_VERTDOCK));
        m_rectFrameDragHorz = CRect(ptTopLeft, m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH));
        m_rectFrameDragVert = m_rectFrameDragHorz;
    } else {
        if (m_dwStyle & CBRS_SIZE_FIXED) {
            m_rectDragHorz = CRect(ptTopLeft, m_pBar->CalcFixedLayout(FALSE, TRUE));
            m_rectDragVert = CRect(ptTopLeft, m_pBar->CalcFixedLayout(FALSE, FALSE));
        } else if (bHorz) {
            // the other orientation centred across the bar on the mouse
            const CSize sizeVert = m_pBar->CalcFixedLayout(FALSE, FALSE);
            m_rectDragHorz = rectBar;
            m_rectDragVert = CRect(CPoint(pt.x - sizeVert.cx / 2, pt.y - rectBar.Height() / 2), sizeVert);
        } else {
            const CSize sizeHorz = m_pBar->CalcFixedLayout(FALSE, TRUE);
            m_rectDragVert = rectBar;
            m_rectDragHorz = CRect(CPoint(pt.x - rectBar.Width() / 2, pt.y - sizeHorz.cy / 2), sizeHorz);
        }
        m_rectFrameDragHorz = m_rectDragHorz;
        m_rectFrameDragVert = m_rectDragVert;
    }

    for (CRect* pRect : {&m_rectFrameDragHorz, &m_rectFrameDragVert}) {
        AddFloatingFrameBorders(*pRect);
        pRect->DeflateRect(m_sizeDragBorder.cx, m_sizeDragBorder.cy);
    }

    // every rectangle holds the mouse
    for (CRect* pRect : {&m_rectDragHorz, &m_rectDragVert, &m_rectFrameDragHorz, &m_rectFrameDragVert}) {
        if (pt.x < pRect->left)
            pRect->OffsetRect(pt.x - pRect->left, 0);
        else if (pt.x > pRect->right)
            pRect->OffsetRect(pt.x + m_sizeDragBorder.cx - pRect->right, 0);
        if (pt.y < pRect->top)
            pRect->OffsetRect(0, pt.y - pRect->top);
        else if (pt.y > pRect->bottom)
            pRect->OffsetRect(0, pt.y + m_sizeDragBorder.cy - pRect->bottom);
    }
}

void CDockContext::AddFloatingFrameBorders(CRect& rect)
{
    CRect rectBorders(0, 0, 0, 0);
    ::AdjustWindowRectEx(rectBorders, WS_POPUP | WS_CAPTION | WS_THICKFRAME, FALSE, WS_EX_TOOLWINDOW);
    rect.left += rectBorders.left;
    rect.top += rectBorders.top;
    rect.right += rectBorders.right;
    rect.bottom += rectBorders.bottom;
}

void CDockContext::StartDrag(CPoint pt)
{
    if (!BeginLoop(TRUE))
        return;
    CalcDragRects(pt);
    m_ptLast = pt;
    m_dwOverDockStyle = CanDock();
    DrawFocusRect();
    if (Track())
        EndDrag();
    else
        CancelLoop();
}

void CDockContext::Move(CPoint pt)
{
    const CSize delta = pt - m_ptLast;
    for (CRect* pRect : {&m_rectDragHorz, &m_rectDragVert, &m_rectFrameDragHorz, &m_rectFrameDragVert})
        pRect->OffsetRect(delta);
    m_ptLast = pt;
    m_dwOverDockStyle = CanDock();
    DrawFocusRect();
}

void CDockContext::Stretch(CPoint pt)
{
    (void)pt;
}

void CDockContext::EndResize()
{
    CancelLoop();
}

BOOL CDockContext::IsHorzNow() const
{
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    return m_bFlip ? !bHorz : bHorz;
}

DWORD CDockContext::CanDock()
{
    m_pOverDockBar = nullptr;
    if (m_bForceFrame)
        return 0;
    for (DWORD dwOrient : {DWORD(CBRS_ORIENT_HORZ), DWORD(CBRS_ORIENT_VERT)}) {
        const DWORD dwAllowed = m_dwDockStyle & dwOrient;
        if (dwAllowed == 0)
            continue;
        // both rectangles must meet the same dock bar
        CDockBar* pHorz = nullptr;
        CDockBar* pVert = nullptr;
        const DWORD dwHorz = m_pDockSite->CanDock(m_rectDragHorz, dwAllowed, &pHorz);
        m_pDockSite->CanDock(m_rectDragVert, dwAllowed, &pVert);
        if (dwHorz != 0 && pHorz == pVert) {
            m_pOverDockBar = pHorz;
            return dwHorz;
        }
    }
    return 0;
}

void CDockContext::CalcFocusRect(CRect& rect, CSize& size, BOOL& bDither)
{
    if (m_dwOverDockStyle & CBRS_ALIGN_ANY) {
        rect = (m_dwOverDockStyle & CBRS_ORIENT_HORZ) ? m_rectDragHorz : m_rectDragVert;
        size = CSize(1, 1);
        bDither = FALSE;
        return;
    }
    rect = IsHorzNow() ? m_rectFrameDragHorz : m_rectFrameDragVert;
    size = CSize(::GetSystemMetrics(SM_CXFRAME) - 1, ::GetSystemMetrics(SM_CYFRAME) - 1);
    bDither = TRUE;
}

void CDockContext::DrawFocusRect(BOOL bRemoveRect)
{
    if (m_pDC == nullptr)
        return;
    CRect rect(0, 0, 0, 0);
    CSize size(0, 0);
    BOOL bDither = FALSE;
    if (!bRemoveRect)
        CalcFocusRect(rect, size, bDither);
    CBrush* pWhite = CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    CBrush* pHalftone = CDC::GetHalftoneBrush();
    m_pDC->DrawDragRect(rect, size, m_rectLast, m_sizeLast, bDither ? pHalftone : pWhite,
                        m_bDitherLast ? pHalftone : pWhite);
    m_rectLast = rect;
    m_sizeLast = size;
    m_bDitherLast = bDither;
}

void CDockContext::EndDrag()
{
    CancelLoop();
    if (m_dwOverDockStyle != 0 && m_pOverDockBar != nullptr) {
        CRect rect = (m_dwOverDockStyle & CBRS_ORIENT_VERT) ? m_rectDragVert : m_rectDragHorz;
        const UINT nID = UINT(m_pOverDockBar->GetDlgCtrlID());
        if (IsEdgeDockBarID(nID)) {
            m_uMRUDockID = nID;
            m_rectMRUDockPos = rect;
            m_pOverDockBar->ScreenToClient(m_rectMRUDockPos);
        }
        m_pDockSite->DockControlBar(m_pBar, nID, rect);
        m_pDockSite->RecalcLayout();
    } else {
        const BOOL bHorz = (m_dwStyle & CBRS_SIZE_DYNAMIC) != 0 || IsHorzNow();
        m_dwMRUFloatStyle = (bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT) | (m_dwDockStyle & CBRS_FLOAT_MULTI);
        m_ptMRUFloatPos = (bHorz ? m_rectFrameDragHorz : m_rectFrameDragVert).TopLeft() - m_sizeDragBorder;
        m_pDockSite->FloatControlBar(m_pBar, m_ptMRUFloatPos, m_dwMRUFloatStyle);
    }
    m_bDragging = FALSE;
}

// ---- toggling --------------------------------------------------------------------------------------------

CDockBar* CDockContext::GetMRUDockBar() const
{
    CFrameWnd* pFrame = m_pBar->GetDockSite();
    if (pFrame == nullptr)
        return nullptr;
    CDockBar* pDockBar = nullptr;
    if (m_uMRUDockID != 0) {
        CControlBar* pBar = pFrame->GetControlBar(m_uMRUDockID);
        if (pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CDockBar)))
            pDockBar = static_cast<CDockBar*>(pBar);
    }
    if (pDockBar == nullptr && m_pBar->m_hWnd != nullptr)
        pDockBar = pFrame->FindPlaceholderDockBar(UINT(m_pBar->GetDlgCtrlID()));
    if (pDockBar == nullptr)
        pDockBar = m_pBar->GetDockBar();
    return pDockBar != nullptr && !pDockBar->m_bFloating ? pDockBar : nullptr;
}

CRect CDockContext::GetMRUDockRect(CDockBar* pDockBar) const
{
    CRect rect = m_rectMRUDockPos;
    if (pDockBar != nullptr && pDockBar->m_hWnd != nullptr)
        pDockBar->ClientToScreen(rect);
    return rect;
}

void CDockContext::ToggleDocking()
{
    m_pDockSite = m_pBar->GetDockSite();
    if (m_pDockSite == nullptr)
        return;
    if (m_pBar->IsFloating()) {
        if ((m_pBar->GetEnabledAlignment() & CBRS_ALIGN_ANY) == 0)
            return;
        CDockBar* pDockBar = GetMRUDockBar();
        const CRect rect = GetMRUDockRect(pDockBar);
        m_pDockSite->ReDockControlBar(m_pBar, pDockBar, &rect);
        m_pDockSite->RecalcLayout();
        return;
    }
    CPoint pt = m_ptMRUFloatPos;
    if (pt.x < 0 || pt.y < 0) {
        CRect rect = GetMRUDockRect(GetMRUDockBar());
        if (m_rectMRUDockPos.IsRectNull())
            m_pBar->GetWindowRect(rect); // never placed by a drag or a layout: where it stands
        pt = rect.TopLeft();
    }
    m_pDockSite->FloatControlBar(m_pBar, pt, m_dwMRUFloatStyle);
}
