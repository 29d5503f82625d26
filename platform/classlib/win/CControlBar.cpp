// CControlBar: bar style, layout through WM_SIZEPARENT, borders in the non-client area, delayed show
// and hide, idle command update and the messages passed to the owner.
#include <algorithm>
#include <new>

#include "win/CControlBar.h"

#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/CDC.h"
#include "win/CDockBar.h"
#include "win/CDockContext.h"
#include "win/CFrameWnd.h"
#include "win/CWindowDC.h"
#include "win/CView.h"
#include "win/WndInternal.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_PAINT()
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

namespace {

// The gripper's share of the bar's start: a gap, a 3-pixel raised line, a gap.
const int kGripperGap = 2;
const int kGripperLine = 3;
const int kGripperSize = kGripperGap + kGripperLine + kGripperGap;

// Width of a CBRS_BORDER_* band.
const int kBorderBand = 2;

} // namespace

LPCSTR AfxRegisterControlBarClass()
{
    static const char s_szName[] = "AfxControlBar42s";
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = s_szName;
    if (!AfxRegisterClass(&wc))
        AfxThrowResourceException();
    return s_szName;
}

CControlBar::CControlBar() = default;

CControlBar::~CControlBar()
{
    // while this class's table is still the object's: WM_DESTROY leaves the frame's bar list (and
    // the object, being deleted already, must not delete itself after its window)
    m_barState.bAutoDelete = FALSE;
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    if (m_barState.pDockSite != nullptr) {
        m_barState.pDockSite->RemoveControlBar(this);
        m_barState.pDockSite = nullptr;
    }
    delete m_barState.pDockContext;
}

BOOL CControlBar::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                         CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    AfxRequirePointer(pParentWnd, "CControlBar::Create", "pParentWnd (a bar needs a parent)");
    m_barState.dwStyle = dwStyle & CBRS_ALL;
    if (lpszClassName == nullptr)
        lpszClassName = AfxRegisterControlBarClass();
    return CWnd::Create(lpszClassName, lpszWindowName, (dwStyle & ~DWORD(CBRS_ALL)) | WS_CHILD, rect, pParentWnd, nID,
                        pContext);
}

// ---- style ------------------------------------------------------------------------------------------

DWORD CControlBar::GetBarStyle() const
{
    return m_barState.dwStyle;
}

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    if ((dwStyle & ~DWORD(CBRS_ALL)) != 0)
        AfxThrowInvalidArgFormat("CControlBar::SetBarStyle: style 0x%08X has bits outside CBRS_ALL", dwStyle);
    const DWORD dwOldStyle = m_barState.dwStyle;
    if (dwOldStyle == dwStyle)
        return;
    m_barState.dwStyle = dwStyle;
    OnBarStyleChange(dwOldStyle, dwStyle);
}

void CControlBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    (void)dwOldStyle;
    (void)dwNewStyle;
}

DWORD CControlBar::GetEnabledAlignment() const
{
    return m_barState.dwDockStyle;
}

void CControlBar::SetEnabledAlignment(DWORD dwDockStyle)
{
    m_barState.dwDockStyle = dwDockStyle;
}

CFrameWnd* CControlBar::GetDockSite() const
{
    return m_barState.pDockSite;
}

void CControlBar::SetDockSite(CFrameWnd* pDockSite)
{
    m_barState.pDockSite = pDockSite;
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    CFrameWnd* pFrame = GetParentFrame();
    return pFrame != nullptr ? pFrame : m_barState.pDockSite;
}

BOOL CControlBar::IsFloating() const
{
    return (m_barState.dwStyle & CBRS_FLOATING) != 0;
}

int CControlBar::GetMRUWidth() const
{
    return m_barState.nMRUWidth;
}

void CControlBar::SetMRUWidth(int nWidth)
{
    m_barState.nMRUWidth = nWidth;
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    if (cxLeft < 0 || cyTop < 0 || cxRight < 0 || cyBottom < 0)
        AfxThrowInvalidArgFormat("CControlBar::SetBorders: negative border (%d, %d, %d, %d)", cxLeft, cyTop, cxRight,
                                 cyBottom);
    m_barState.cxLeftBorder = cxLeft;
    m_barState.cyTopBorder = cyTop;
    m_barState.cxRightBorder = cxRight;
    m_barState.cyBottomBorder = cyBottom;
}

void CControlBar::SetBorders(LPCRECT lpRect)
{
    AfxRequirePointer(lpRect, "CControlBar::SetBorders", "lpRect");
    SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

CRect CControlBar::GetBorders() const
{
    return CRect(m_barState.cxLeftBorder, m_barState.cyTopBorder, m_barState.cxRightBorder, m_barState.cyBottomBorder);
}

void CControlBar::SetAutoDelete(BOOL bAutoDelete)
{
    m_barState.bAutoDelete = bAutoDelete;
}

BOOL CControlBar::IsAutoDelete() const
{
    return m_barState.bAutoDelete;
}

// ---- visibility -------------------------------------------------------------------------------------

BOOL CControlBar::IsVisible() const
{
    if (m_barState.nStateFlags & delayHide)
        return FALSE;
    if (m_barState.nStateFlags & delayShow)
        return TRUE;
    return m_hWnd != nullptr && (GetStyle() & WS_VISIBLE) != 0;
}

void CControlBar::DelayShow(BOOL bShow)
{
    m_barState.nStateFlags &= ~UINT(delayHide | delayShow);
    const BOOL bVisibleNow = m_hWnd != nullptr && (GetStyle() & WS_VISIBLE) != 0;
    if (bShow && !bVisibleNow)
        m_barState.nStateFlags |= delayShow;
    else if (!bShow && bVisibleNow)
        m_barState.nStateFlags |= delayHide;
}

UINT CControlBar::TakeDelayedShow()
{
    const BOOL bVisibleNow = m_hWnd != nullptr && (GetStyle() & WS_VISIBLE) != 0;
    const BOOL bVisible = IsVisible();
    m_barState.nStateFlags &= ~UINT(delayHide | delayShow);
    if (bVisible && !bVisibleNow)
        return SWP_SHOWWINDOW;
    if (!bVisible && bVisibleNow)
        return SWP_HIDEWINDOW;
    return 0;
}

// ---- docking ----------------------------------------------------------------------------------------

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    if (dwDockStyle & ~DWORD(CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI))
        AfxThrowInvalidArgFormat(
            "CControlBar::EnableDocking: dock style 0x%08X has bits other than CBRS_ALIGN_ANY and CBRS_FLOAT_MULTI",
            dwDockStyle);
    m_barState.dwDockStyle = dwDockStyle;
    if (m_barState.pDockContext == nullptr)
        m_barState.pDockContext = CreateDockContext();
    if (m_wndState.hWndOwner == nullptr && m_hWnd != nullptr)
        SetOwner(GetParent());
}

CDockContext* CControlBar::CreateDockContext()
{
    return new CDockContext(this);
}

CDockBar* CControlBar::GetDockBar() const
{
    return m_barState.pDockBar;
}

void CControlBar::SetDockBar(CDockBar* pDockBar)
{
    m_barState.pDockBar = pDockBar;
}

CDockContext* CControlBar::GetDockContext() const
{
    return m_barState.pDockContext;
}

void CControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_barState.pDockBar != nullptr && m_barState.pDockContext != nullptr) {
        ClientToScreen(&point);
        m_barState.pDockContext->StartDrag(point);
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_barState.pDockBar != nullptr && m_barState.pDockContext != nullptr) {
        m_barState.pDockContext->ToggleDocking();
        return;
    }
    CWnd::OnLButtonDblClk(nFlags, point);
}

// ---- layout -----------------------------------------------------------------------------------------

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CSize(bStretch && bHorz ? 32767 : 0, bStretch && !bHorz ? 32767 : 0);
}

CSize CControlBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    (void)nLength;
    return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    const DWORD dwStyle = m_barState.dwStyle;
    if (dwStyle & CBRS_BORDER_LEFT)
        rect.left += kBorderBand;
    if (dwStyle & CBRS_BORDER_TOP)
        rect.top += kBorderBand;
    if (dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= kBorderBand;
    if (dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= kBorderBand;
    const BOOL bGripper = (dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) == CBRS_GRIPPER;
    if (bHorz) {
        rect.left += m_barState.cxLeftBorder;
        rect.top += m_barState.cyTopBorder;
        rect.right -= m_barState.cxRightBorder;
        rect.bottom -= m_barState.cyBottomBorder;
        if (bGripper)
            rect.left += kGripperSize;
    } else {
        // a vertical bar: the widths turn with it
        rect.left += m_barState.cyTopBorder;
        rect.top += m_barState.cxLeftBorder;
        rect.right -= m_barState.cyBottomBorder;
        rect.bottom -= m_barState.cxRightBorder;
        if (bGripper)
            rect.top += kGripperSize;
    }
}

LRESULT CControlBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    AFX_SIZEPARENTPARAMS* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (lpLayout == nullptr)
        return 0;
    const DWORD dwStyle = m_barState.dwStyle;
    const BOOL bVisible = IsVisible();
    // a real layout carries out a delayed show or hide; a query only counts with it
    const UINT nShowFlag = lpLayout->hDWP != nullptr ? TakeDelayedShow() : 0;

    if (!bVisible || (dwStyle & CBRS_ALIGN_ANY) == 0) {
        // a bar that takes no room still carries out its delayed show or hide
        if (nShowFlag != 0)
            lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, m_hWnd, nullptr, 0, 0, 0, 0,
                                              SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | nShowFlag);
        return 0;
    }

    DWORD dwMode = lpLayout->bStretch ? LM_STRETCH : 0;
    if ((dwStyle & CBRS_SIZE_DYNAMIC) && (dwStyle & CBRS_FLOATING))
        dwMode |= LM_HORZ | LM_MRUWIDTH;
    else if (dwStyle & CBRS_ORIENT_HORZ)
        dwMode |= LM_HORZ | LM_HORZDOCK;
    else
        dwMode |= LM_VERTDOCK;
    CSize size = CalcDynamicLayout(-1, dwMode);

    CRect rect(lpLayout->rect);
    const CSize sizeAvail = rect.Size();
    size.cx = (std::max)(0, (std::min)(size.cx, sizeAvail.cx));
    size.cy = (std::max)(0, (std::min)(size.cy, sizeAvail.cy));

    if (dwStyle & CBRS_ORIENT_HORZ) {
        lpLayout->sizeTotal.cy += size.cy;
        lpLayout->sizeTotal.cx = (std::max)(lpLayout->sizeTotal.cx, size.cx);
        if (dwStyle & CBRS_ALIGN_TOP) {
            lpLayout->rect.top += size.cy;
        } else {
            rect.top = rect.bottom - size.cy;
            lpLayout->rect.bottom -= size.cy;
        }
    } else {
        lpLayout->sizeTotal.cx += size.cx;
        lpLayout->sizeTotal.cy = (std::max)(lpLayout->sizeTotal.cy, size.cy);
        if (dwStyle & CBRS_ALIGN_LEFT) {
            lpLayout->rect.left += size.cx;
        } else {
            rect.left = rect.right - size.cx;
            lpLayout->rect.right -= size.cx;
        }
    }
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;

    if (lpLayout->hDWP != nullptr) {
        if (nShowFlag == SWP_SHOWWINDOW)
            lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, m_hWnd, nullptr, rect.left, rect.top, rect.Width(),
                                              rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        else
            RepositionInLayout(lpLayout, rect);
    }
    return 0;
}

void CControlBar::RepositionInLayout(AFX_SIZEPARENTPARAMS* lpLayout, const CRect& rect)
{
    AfxRepositionWindow(lpLayout, m_hWnd, &rect);
}

// ---- non-client area and painting ---------------------------------------------------------------

void CControlBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    (void)bCalcValidRects;
    CRect rect;
    CalcInsideRect(rect, (m_barState.dwStyle & CBRS_ORIENT_HORZ) != 0);
    RECT& rc = lpncsp->rgrc[0];
    rc.left += rect.left;
    rc.top += rect.top;
    rc.right = (std::max)(rc.left, rc.right + rect.right);
    rc.bottom = (std::max)(rc.top, rc.bottom + rect.bottom);
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    AfxRequirePointer(pDC, "CControlBar::DrawBorders", "pDC");
    const DWORD dwStyle = m_barState.dwStyle;
    if ((dwStyle & CBRS_BORDER_ANY) == 0)
        return;
    const COLORREF clrLines[2] = {::GetSysColor(COLOR_BTNSHADOW),
                                  ::GetSysColor((dwStyle & CBRS_BORDER_3D) ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE)};
    for (COLORREF clr : clrLines) {
        if (dwStyle & CBRS_BORDER_LEFT)
            pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), clr);
        if (dwStyle & CBRS_BORDER_TOP)
            pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, clr);
        if (dwStyle & CBRS_BORDER_RIGHT)
            pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), clr);
        if (dwStyle & CBRS_BORDER_BOTTOM)
            pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, clr);
        rect.DeflateRect((dwStyle & CBRS_BORDER_LEFT) ? 1 : 0, (dwStyle & CBRS_BORDER_TOP) ? 1 : 0,
                         (dwStyle & CBRS_BORDER_RIGHT) ? 1 : 0, (dwStyle & CBRS_BORDER_BOTTOM) ? 1 : 0);
    }
}

void CControlBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    AfxRequirePointer(pDC, "CControlBar::DrawGripper", "pDC");
    if ((m_barState.dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) != CBRS_GRIPPER)
        return;
    const COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_barState.dwStyle & CBRS_ORIENT_HORZ) {
        const int x = rect.left + m_barState.cxLeftBorder + kGripperGap;
        const int y = rect.top + m_barState.cyTopBorder;
        pDC->Draw3dRect(x, y, kGripperLine, rect.Height() - m_barState.cyTopBorder - m_barState.cyBottomBorder,
                        clrHilite, clrShadow);
    } else {
        const int x = rect.left + m_barState.cyTopBorder;
        const int y = rect.top + m_barState.cxLeftBorder + kGripperGap;
        pDC->Draw3dRect(x, y, rect.Width() - m_barState.cyTopBorder - m_barState.cyBottomBorder, kGripperLine,
                        clrHilite, clrShadow);
    }
}

void CControlBar::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    ScreenToClient(rectWindow);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    // only the non-client area is painted here
    dc.ExcludeClipRect(rectClient);
    CRect rectInside = rectWindow;
    DrawBorders(&dc, rectInside);
    const int nSaved = dc.SaveDC();
    dc.IntersectClipRect(rectInside);
    SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC));
    dc.RestoreDC(nSaved);
    DrawGripper(&dc, rectInside);
}

void CControlBar::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(&dc);
}

void CControlBar::DoPaint(CDC* pDC)
{
    (void)pDC;
}

// ---- creation, destruction, commands --------------------------------------------------------------

int CControlBar::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CWnd* pParent = FromHandlePermanent(::GetParent(m_hWnd));
    if (pParent != nullptr && pParent->IsFrameWnd()) {
        m_barState.pDockSite = static_cast<CFrameWnd*>(pParent);
        m_barState.pDockSite->AddControlBar(this);
    }
    return 0;
}

void CControlBar::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CWnd::OnWindowPosChanged(lpwndpos);
    if (lpwndpos == nullptr || (lpwndpos->flags & SWP_HIDEWINDOW) == 0)
        return;
    const HWND hWndFocus = ::GetFocus();
    if (hWndFocus == nullptr || (hWndFocus != m_hWnd && !::IsChild(m_hWnd, hWndFocus)))
        return;
    const HWND hWndTop = ::GetAncestor(m_hWnd, GA_ROOT);
    CFrameWnd* pTop = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(hWndTop));
    CFrameWnd* pActive = pTop != nullptr ? pTop->GetActiveFrame() : nullptr;
    CView* pView = pActive != nullptr ? pActive->GetActiveView() : nullptr;
    AfxFocusVisibleWithin(hWndTop, pView != nullptr ? pView->m_hWnd : nullptr);
}

void CControlBar::OnDestroy()
{
    // the bar goes for good: its dock bar keeps no place for it
    if (m_barState.pDockBar != nullptr)
        m_barState.pDockBar->RemoveControlBar(this, -1, FALSE);
    m_barState.pDockBar = nullptr;
    if (m_barState.pDockSite != nullptr) {
        m_barState.pDockSite->RemoveControlBar(this);
        m_barState.pDockSite = nullptr;
    }
    CWnd::OnDestroy();
}

void CControlBar::PostNcDestroy()
{
    if (m_barState.bAutoDelete)
        delete this;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    if ((GetStyle() & WS_VISIBLE) == 0)
        return 0;
    CFrameWnd* pTarget = nullptr;
    CWnd* pOwner = GetOwner();
    if (pOwner != nullptr && pOwner->IsFrameWnd())
        pTarget = static_cast<CFrameWnd*>(pOwner);
    else
        pTarget = GetParentFrame();
    if (pTarget != nullptr)
        OnUpdateCmdUI(pTarget, BOOL(wParam));
    return 0;
}

void CControlBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    (void)pTarget;
    (void)bDisableIfNoHndler;
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: {
        LRESULT lResult = 0;
        if (OnWndMsg(message, wParam, lParam, &lResult))
            return lResult;
        CWnd* pOwner = GetOwner();
        if (pOwner != nullptr && pOwner->m_hWnd != nullptr && pOwner->m_hWnd != m_hWnd)
            return pOwner->SendMessage(message, wParam, lParam);
        return DefWindowProc(message, wParam, lParam);
    }
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

// ---- elements -----------------------------------------------------------------------------------------

int CControlBar::GetCount() const
{
    return m_barState.nCount;
}

BOOL CControlBar::AllocElements(int nElements, int cbElement)
{
    if (nElements < 0 || cbElement < 0)
        AfxThrowInvalidArgFormat("CControlBar::AllocElements: %d elements of %d bytes", nElements, cbElement);
    AfxAllocating([&] { m_barState.elements.assign(size_t(nElements) * size_t(cbElement), 0); });
    m_barState.nCount = nElements;
    return TRUE;
}

void* CControlBar::GetElementData()
{
    return m_barState.elements.empty() ? nullptr : m_barState.elements.data();
}
