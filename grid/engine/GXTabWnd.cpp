// The tab window, its rename edit and the tab-label interface (see GXTabWnd.h).
#include "grid/engine/GXTabWnd.h"

#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"

#include <algorithm>
#include <memory>

IMPLEMENT_DYNAMIC(CGXEditLabelPopup, CEdit)
IMPLEMENT_DYNCREATE(CGXTabWnd, CWnd)

BEGIN_MESSAGE_MAP(CGXEditLabelPopup, CEdit)
    ON_WM_GETDLGCODE()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CGXTabWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SETCURSOR()
    ON_WM_SETFOCUS()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CANCELMODE()
    ON_WM_NCPAINT()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
    ON_MESSAGE(WM_HSCROLL, OnScrollMessage)
    ON_MESSAGE(WM_VSCROLL, OnScrollMessage)
    ON_MESSAGE(gxTabMsgActivate, OnActivateMessage)
    ON_MESSAGE(gxTabMsgRename, OnRenameMessage)
    ON_MESSAGE(gxTabMsgRenameDone, OnRenameDone)
    ON_MESSAGE(gxTabMsgRenameCancel, OnRenameCancel)
END_MESSAGE_MAP()

// ---- the rename edit ---------------------------------------------------------------------------------

CGXEditLabelPopup::CGXEditLabelPopup(CWnd* pNotify) : m_pNotify(pNotify), m_bFinished(FALSE)
{
    if (pNotify == nullptr)
        AfxThrowInvalidArgException("CGXEditLabelPopup: null notify window");
}

void CGXEditLabelPopup::Finish(UINT nMessage)
{
    if (m_bFinished)
        return;
    m_bFinished = TRUE;
    // the answer may destroy this edit: nothing of it is used afterwards
    m_pNotify->SendMessage(nMessage);
}

UINT CGXEditLabelPopup::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}

void CGXEditLabelPopup::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_RETURN)
        Finish(gxTabMsgRenameDone);
    else if (nChar == VK_ESCAPE)
        Finish(gxTabMsgRenameCancel);
    else
        CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CGXEditLabelPopup::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Enter and Escape ended the edit already; their characters would only beep
    if (nChar != '\r' && nChar != 0x1B)
        CEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CGXEditLabelPopup::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    Finish(gxTabMsgRenameCancel);
}

void CGXEditLabelPopup::PostNcDestroy()
{
    delete this;
}

// ---- the tab window ----------------------------------------------------------------------------------

CGXTabWnd::CGXTabWnd()
    : m_pBeamClass(RUNTIME_CLASS(CGXTabBeam)), m_bShowHScroll(TRUE), m_bShowVScroll(TRUE), m_pBeam(nullptr),
      m_pActiveView(nullptr), m_nBeamWidth(0), m_cxBeamClient(0), m_nSplitterWidth(6),
      m_cxVScroll(::GetSystemMetrics(SM_CXVSCROLL)), m_cyHScroll(::GetSystemMetrics(SM_CYHSCROLL)), m_nBeamHeight(0),
      m_bDragging(FALSE), m_nDragOffset(0), m_pEditLabel(nullptr), m_nRenameTab(-1), m_nBeamShare(0), m_bMadeByProgram(FALSE)
{
    m_nBeamHeight = m_cyHScroll + (GXGetLibraryState()->m_bWin4 ? 2 : 0);
    m_brFace.CreateSysColorBrush(COLOR_BTNFACE);
    GXGetLibraryState()->AddParentClass(RUNTIME_CLASS(CGXTabWnd));
    GXGetTabWndInterface();
}

CGXTabWnd::~CGXTabWnd()
{
    // the window goes while the object is still a tab window (its WM_DESTROY releases the sheets)
    DestroyWindow();
    delete m_pBeam;
}

BOOL CGXTabWnd::Create(CWnd* pParent, DWORD dwStyle, UINT nID)
{
    m_bMadeByProgram = TRUE;
    m_bShowHScroll = (dwStyle & WS_HSCROLL) != 0;
    m_bShowVScroll = (dwStyle & WS_VSCROLL) != 0;
    const CRect rect(0, 0, 0, 0);
    return CreateEx(0, "GxMdiFrame", "", (dwStyle & ~(WS_HSCROLL | WS_VSCROLL)) | WS_CHILD, rect, pParent, nID);
}

int CGXTabWnd::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_bMadeByProgram) {
        // made for a dialog template: its style says which bars show, and the window keeps neither
        m_bShowHScroll = (lpCreateStruct->style & WS_HSCROLL) != 0;
        m_bShowVScroll = (lpCreateStruct->style & WS_VSCROLL) != 0;
        ModifyStyle(WS_HSCROLL | WS_VSCROLL, 0, SWP_FRAMECHANGED);
    }
    return CreateChildren() ? 0 : -1;
}

BOOL CGXTabWnd::CreateChildren()
{
    const CRect rect(0, 0, 0, 0);
    if (!m_wndHScroll.Create(SBS_HORZ | (m_bShowHScroll ? WS_VISIBLE : 0), rect, this, AFX_IDW_HSCROLL_FIRST) ||
        !m_wndVScroll.Create(SBS_VERT | (m_bShowVScroll ? WS_VISIBLE : 0), rect, this, AFX_IDW_VSCROLL_FIRST))
        return FALSE;
    CWnd* pParent = GetParent();
    if (GXGetLibraryState()->m_bWin4 && (m_bShowHScroll || m_bShowVScroll) && pParent != nullptr &&
        pParent->IsFrameWnd() && !m_wndSizeBox.Create(SBS_SIZEBOX, rect, this, AFX_IDW_SIZE_BOX))
        return FALSE;
    if (m_pBeamClass == nullptr || !m_pBeamClass->IsDerivedFrom(RUNTIME_CLASS(CGXTabBeam)) ||
        !m_pBeamClass->IsCreatable())
        return FALSE;
    std::unique_ptr<CGXTabBeam> pBeam(static_cast<CGXTabBeam*>(m_pBeamClass->CreateObject()));
    if (!pBeam->Create(this, GX_IDW_TABBEAM, rect))
        return FALSE;
    delete m_pBeam;
    m_pBeam = pBeam.release();
    return TRUE;
}

void CGXTabWnd::OnDestroy()
{
    // the sheets the tabs own go while their windows still exist
    if (m_pBeam != nullptr)
        while (m_pBeam->GetTabCount() > 0)
            m_pBeam->DeleteTab(m_pBeam->GetTabCount() - 1);
    m_pActiveView = nullptr;
    CWnd::OnDestroy();
}

void CGXTabWnd::PostNcDestroy()
{
    // an object the class's window procedure made for a dialog template goes with its window
    if (!m_bMadeByProgram)
        delete this;
}

// ---- sheets ------------------------------------------------------------------------------------------

void CGXTabWnd::AttachWnd(CWnd* pView, const char* pszLabel)
{
    if (pView == nullptr || pView->m_hWnd == nullptr)
        AfxThrowInvalidArgException("CGXTabWnd::AttachWnd: a sheet with a window");
    if (m_hWnd == nullptr)
        CreateInPlaceOf(pView);
    if (m_pBeam == nullptr)
        AfxThrowInvalidArgException("CGXTabWnd::AttachWnd: a tab window with its beam");
    if (pView->GetParent() != this)
        pView->SetParent(this);
    const int nTab = m_pBeam->InsertTab(FALSE, pszLabel, pView, FALSE, -1, 0);
    CGXTabInfo& tab = m_pBeam->GetTab(nTab);
    // the sheet's own bars give their state to the tab and go
    for (int nBar : {SB_VERT, SB_HORZ}) {
        SCROLLINFO& si = nBar == SB_VERT ? tab.m_siVert : tab.m_siHorz;
        si.fMask = SIF_ALL;
        if (!::GetScrollInfo(pView->m_hWnd, nBar, &si))
            si = SCROLLINFO{sizeof(SCROLLINFO), 0, 0, 0, 0, 0, 0};
        (nBar == SB_VERT ? tab.m_nVertPos : tab.m_nHorzPos) = si.nPos;
    }
    pView->ShowScrollBar(SB_BOTH, FALSE);
    CRect rectView = GetViewArea();
    rectView.DeflateRect(1, 1);
    pView->SetWindowPos(nullptr, rectView.left, rectView.top, rectView.Width(), rectView.Height(),
                        SWP_NOZORDER | SWP_NOACTIVATE | (m_pActiveView == nullptr ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    if (m_pActiveView == nullptr) {
        m_pActiveView = pView;
        m_pBeam->SetActiveTab(nTab);
        RestoreScrollState(tab);
        RecalcLayout();
    }
    pView->SendMessage(gxTabMsgAdded, WPARAM(nTab));
}

void CGXTabWnd::CreateInPlaceOf(CWnd* pView)
{
    CWnd* pParent = pView->GetParent();
    if (pParent == nullptr)
        AfxThrowInvalidArgException("CGXTabWnd::AttachWnd: the first sheet of a tab window without a window needs a parent");
    CRect rect;
    pView->GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    const BOOL bVisible = (pView->GetStyle() & WS_VISIBLE) != 0;
    if (!Create(pParent, WS_CHILD | WS_HSCROLL | WS_VSCROLL, AFX_IDW_PANE_FIRST))
        AfxThrowResourceException();
    SetWindowPos(&wndTop, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_NOACTIVATE | (bVisible ? SWP_SHOWWINDOW : 0));
}

BOOL CGXTabWnd::ActivateTab(CWnd* pView)
{
    const int nTab = m_pBeam != nullptr ? m_pBeam->FindTab(pView) : -1;
    if (nTab < 0)
        return FALSE;
    if (pView == m_pActiveView) {
        // a press on the active tab gives its sheet the focus again, unless a rename is on its way
        MSG msg;
        if (m_pEditLabel == nullptr && !::PeekMessageA(&msg, m_hWnd, gxTabMsgRename, gxTabMsgRename, PM_NOREMOVE))
            pView->SetFocus();
        m_pBeam->SetActiveTab(nTab);
        return TRUE;
    }
    if (m_pActiveView != nullptr) {
        const int nOld = m_pBeam->FindTab(m_pActiveView);
        if (m_pActiveView->SendMessage(gxTabMsgCanSwitch, 0) != 0 || pView->SendMessage(gxTabMsgCanSwitch, 1) != 0) {
            // the user stays on the active sheet
            if (nOld >= 0)
                m_pBeam->SetActiveTab(nOld);
            m_pActiveView->SetFocus();
            return FALSE;
        }
        if (nOld >= 0)
            SaveScrollState(m_pBeam->GetTab(nOld));
        m_pActiveView->ShowWindow(SW_HIDE);
    }
    m_pBeam->SetActiveTab(nTab);
    m_pBeam->UpdateWindow();
    m_pActiveView = pView;
    pView->SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    pView->SetFocus();
    if (pView->IsKindOf(RUNTIME_CLASS(CView)))
        if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->SetActiveView(static_cast<CView*>(pView));
    RestoreScrollState(m_pBeam->GetTab(nTab));
    pView->Invalidate();
    RecalcLayout();
    return TRUE;
}

void CGXTabWnd::SaveScrollState(CGXTabInfo& tab)
{
    tab.m_siVert.fMask = tab.m_siHorz.fMask = SIF_ALL;
    m_wndVScroll.GetScrollInfo(&tab.m_siVert, SIF_ALL);
    m_wndHScroll.GetScrollInfo(&tab.m_siHorz, SIF_ALL);
    tab.m_nVertPos = m_wndVScroll.GetScrollPos();
    tab.m_nHorzPos = m_wndHScroll.GetScrollPos();
}

void CGXTabWnd::RestoreScrollState(const CGXTabInfo& tab)
{
    for (CScrollBar* pBar : {&m_wndVScroll, &m_wndHScroll}) {
        SCROLLINFO si = pBar == &m_wndVScroll ? tab.m_siVert : tab.m_siHorz;
        si.cbSize = sizeof si;
        si.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        si.nPos = pBar == &m_wndVScroll ? tab.m_nVertPos : tab.m_nHorzPos;
        pBar->SetScrollInfo(&si, TRUE);
        pBar->EnableScrollBar(si.nMax > si.nMin ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
    }
}

CScrollBar* CGXTabWnd::GetScrollBarCtrl(int nBar) const
{
    const CScrollBar* pBar = nBar == SB_HORZ ? (m_bShowHScroll ? &m_wndHScroll : nullptr)
                                             : (m_bShowVScroll ? &m_wndVScroll : nullptr);
    return pBar != nullptr && pBar->m_hWnd != nullptr ? const_cast<CScrollBar*>(pBar) : nullptr;
}

// ---- layout ------------------------------------------------------------------------------------------

CRect CGXTabWnd::GetViewArea() const
{
    CRect rect(0, 0, 0, 0);
    if (m_hWnd != nullptr)
        GetClientRect(&rect);
    rect.right = std::max(rect.left, rect.right - (m_bShowVScroll ? m_cxVScroll : 0));
    rect.bottom = std::max(rect.top, rect.bottom - m_nBeamHeight);
    return rect;
}

CRect CGXTabWnd::GetSplitterRect() const
{
    if (!m_bShowHScroll)
        return CRect(0, 0, 0, 0);
    const CRect rectArea = GetViewArea();
    return CRect(m_nBeamWidth, rectArea.bottom, m_nBeamWidth + m_nSplitterWidth, rectArea.bottom + m_nBeamHeight);
}

int CGXTabWnd::ClampBeamWidth(int nWidth, int cxClient) const
{
    const int nMin = (m_pBeam != nullptr ? m_pBeam->GetButtonAreaWidth() : 0) + 20;
    const int nMax = cxClient - 2 * m_nBeamHeight;
    return std::max(0, std::min(std::max(nWidth, nMin), nMax));
}

void CGXTabWnd::UpdateBeamShare(int cxClient)
{
    const LONGLONG e = LONGLONG((m_pBeam != nullptr ? m_pBeam->GetButtonAreaWidth() : 0) - 20) * 100;
    // until a width is known the beam takes half of it
    if (m_cxBeamClient <= 0)
        m_nBeamShare = LONGLONG(cxClient / 2) * 100;
    else if (cxClient != m_cxBeamClient)
        m_nBeamShare = LONGLONG(cxClient) * (m_nBeamShare - e) / m_cxBeamClient + e;
    m_cxBeamClient = cxClient;
    m_nBeamWidth = ClampBeamWidth(int(m_nBeamShare / 100), cxClient);
}

void CGXTabWnd::SetBeamWidth(int nWidth)
{
    CRect rect;
    GetClientRect(&rect);
    m_nBeamWidth = ClampBeamWidth(nWidth, rect.Width());
    m_nBeamShare = LONGLONG(m_nBeamWidth) * 100;
    m_cxBeamClient = rect.Width();
    RecalcLayout();
}

CWnd* CGXTabWnd::GetSizingWnd() const
{
    return (GetStyle() & WS_THICKFRAME) ? const_cast<CGXTabWnd*>(this) : GetParent();
}

void CGXTabWnd::RecalcLayout()
{
    if (m_hWnd == nullptr || m_pBeam == nullptr || m_pBeam->m_hWnd == nullptr)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    const int cx = rectClient.Width(), cy = rectClient.Height();
    if (m_pActiveView != nullptr)
        m_pActiveView->SendMessage(gxTabMsgResizing, 1);
    UpdateBeamShare(cx);

    const int cxV = m_bShowVScroll ? m_cxVScroll : 0;
    const int yStrip = std::max(0, cy - m_nBeamHeight);
    const BOOL bSizeBox = m_wndSizeBox.m_hWnd != nullptr && m_bShowHScroll && m_bShowVScroll;
    CRect rectView = GetViewArea();
    rectView.DeflateRect(1, 1);

    HDWP hdwp = ::BeginDeferWindowPos(5);
    // moves a child only when its place or visibility changes; a scroll bar under 2 pixels is hidden
    auto move = [&](CWnd& wnd, const CRect& rect, BOOL bShow, BOOL bBar) {
        if (wnd.m_hWnd == nullptr)
            return;
        if (bBar && (rect.Width() < 2 || rect.Height() < 2))
            bShow = FALSE;
        CRect rectNow;
        wnd.GetWindowRect(&rectNow);
        ScreenToClient(&rectNow);
        const BOOL bVisible = (wnd.GetStyle() & WS_VISIBLE) != 0;
        if (rectNow == rect && bVisible == bShow)
            return;
        UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE;
        if (bVisible != bShow)
            nFlags |= bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
        hdwp = ::DeferWindowPos(hdwp, wnd.m_hWnd, nullptr, rect.left, rect.top, rect.Width(), rect.Height(), nFlags);
    };
    move(*m_pBeam, CRect(0, yStrip, m_bShowHScroll ? m_nBeamWidth : cx, cy), TRUE, FALSE);
    move(m_wndHScroll, CRect(m_nBeamWidth + m_nSplitterWidth, yStrip, cx - cxV, cy), m_bShowHScroll, TRUE);
    move(m_wndVScroll, CRect(cx - cxV, 0, cx, yStrip), m_bShowVScroll, TRUE);
    move(m_wndSizeBox, CRect(cx - cxV, yStrip, cx, cy), bSizeBox, FALSE);
    if (m_pActiveView != nullptr)
        move(*m_pActiveView, rectView, TRUE, FALSE);
    if (hdwp != nullptr)
        ::EndDeferWindowPos(hdwp);

    if (bSizeBox) {
        // a grip only where dragging it sizes the window that holds the tab window
        BOOL bGrip = FALSE;
        CWnd* pSizer = GetSizingWnd();
        if (pSizer != nullptr && (pSizer->GetStyle() & WS_THICKFRAME) && !pSizer->IsZoomed()) {
            CRect rectSizer, rectMe;
            pSizer->GetClientRect(&rectSizer);
            pSizer->ClientToScreen(&rectSizer);
            GetWindowRect(&rectMe);
            bGrip = rectSizer.BottomRight() == rectMe.BottomRight();
        }
        m_wndSizeBox.ModifyStyle(bGrip ? 0 : SBS_SIZEGRIP, bGrip ? SBS_SIZEGRIP : 0);
        m_wndSizeBox.EnableWindow(bGrip);
        m_wndSizeBox.Invalidate();
    }
    const CRect rectSplitter = GetSplitterRect();
    InvalidateRect(&rectSplitter, FALSE);

    if (m_pActiveView != nullptr) {
        CRect rect;
        m_pActiveView->GetClientRect(&rect);
        m_pActiveView->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rect.Width(), rect.Height()));
        m_pActiveView->SendMessage(gxTabMsgResizing, 0);
    }
}

void CGXTabWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

// ---- painting and the cursor ---------------------------------------------------------------------------

void CGXTabWnd::OnPaint()
{
    CPaintDC dc(this);
    const CRect rect = GetSplitterRect();
    if (rect.IsRectEmpty())
        return;
    dc.FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    const COLORREF colors[] = {RGB(0, 0, 0), ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNFACE),
                               ::GetSysColor(COLOR_BTNSHADOW), RGB(0, 0, 0)};
    const int xLines[] = {rect.left, rect.left + 1, rect.left + 2, rect.right - 2, rect.right - 1};
    for (int i = 0; i < 5; ++i)
        dc.FillSolidRect(xLines[i], rect.top, 1, rect.Height(), colors[i]);
}

BOOL CGXTabWnd::OnEraseBkgnd(CDC* pDC)
{
    // the corner beside the strip; the sheet, the beam and the bars paint the rest
    CRect rectClient;
    GetClientRect(&rectClient);
    const CRect rectArea = GetViewArea();
    const CRect rect(rectArea.right, rectArea.bottom, rectClient.right, rectClient.bottom);
    pDC->FillRect(&rect, &m_brFace);
    return TRUE;
}

BOOL CGXTabWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (pWnd != this || nHitTest != HTCLIENT)
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    const DWORD dwPos = ::GetMessagePos();
    CPoint point(short(LOWORD(dwPos)), short(HIWORD(dwPos)));
    ScreenToClient(&point);
    if (m_bDragging || GetSplitterRect().PtInRect(point)) {
        HCURSOR hCursor = ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(GX_IDC_SPLITH));
        ::SetCursor(hCursor != nullptr ? hCursor : ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZEWE)));
    }
    return TRUE;
}

void CGXTabWnd::OnNcPaint()
{
    Default();
    if (!(GetExStyle() & WS_EX_CLIENTEDGE))
        return;
    CWnd* pParent = GetParent();
    if (pParent == nullptr)
        return;
    CRect rect;
    GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    rect.InflateRect(2, 2, 3, 3);
    CClientDC dc(pParent);
    GetDrawingAndFormatting()->DrawButtonEdge(&dc, rect, TRUE, TRUE);
}

// ---- focus, mouse and the splitter box ---------------------------------------------------------------

void CGXTabWnd::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    if (m_pActiveView != nullptr && m_pActiveView->m_hWnd != nullptr)
        m_pActiveView->SetFocus();
}

void CGXTabWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!GetSplitterRect().PtInRect(point)) {
        CWnd::OnLButtonDown(nFlags, point);
        return;
    }
    if (m_pEditLabel != nullptr)
        SendMessage(gxTabMsgRenameCancel);
    m_bDragging = TRUE;
    m_nDragOffset = point.x - m_nBeamWidth;
    SetCapture();
}

void CGXTabWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bDragging) {
        CWnd::OnMouseMove(nFlags, point);
        return;
    }
    SetBeamWidth(point.x - m_nDragOffset);
    UpdateWindow();
}

void CGXTabWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bDragging) {
        CWnd::OnLButtonUp(nFlags, point);
        return;
    }
    m_bDragging = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CGXTabWnd::OnCancelMode()
{
    CWnd::OnCancelMode();
    if (m_bDragging) {
        m_bDragging = FALSE;
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
    }
}

// ---- messages ----------------------------------------------------------------------------------------

LRESULT CGXTabWnd::OnScrollMessage(WPARAM wParam, LPARAM lParam)
{
    if (m_pEditLabel != nullptr)
        SendMessage(gxTabMsgRenameCancel);
    const MSG* pMsg = GetCurrentMessage();
    if (m_pActiveView != nullptr)
        m_pActiveView->SendMessage(pMsg->message, wParam, lParam);
    return 0;
}

LRESULT CGXTabWnd::OnActivateMessage(WPARAM wParam, LPARAM)
{
    if (m_pBeam != nullptr && int(wParam) >= 0 && int(wParam) < m_pBeam->GetTabCount())
        ActivateTab(m_pBeam->GetTab(int(wParam)).m_pView);
    return 0;
}

LRESULT CGXTabWnd::OnRenameMessage(WPARAM wParam, LPARAM)
{
    if (m_pBeam != nullptr && int(wParam) >= 0 && int(wParam) < m_pBeam->GetTabCount())
        StartRename(int(wParam));
    return 0;
}

LRESULT CGXTabWnd::OnRenameDone(WPARAM, LPARAM)
{
    EndRename(TRUE);
    return 0;
}

LRESULT CGXTabWnd::OnRenameCancel(WPARAM, LPARAM)
{
    EndRename(FALSE);
    return 0;
}

void CGXTabWnd::StartRename(int nTab)
{
    CGXTabInfo& tab = m_pBeam->GetTab(nTab);
    if (m_pEditLabel != nullptr || tab.m_pView == nullptr ||
        tab.m_pView->SendMessage(gxTabMsgCanRename, WPARAM(nTab)) == 0)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(&m_pBeam->GetNormalFont());
    TEXTMETRICA tm = {};
    dc.GetTextMetrics(&tm);
    const int nWidth = 15 * dc.GetTextExtent("W", 1).cx;
    dc.SelectObject(pOldFont);
    const int cyFrame = ::GetSystemMetrics(SM_CYDLGFRAME);
    int x = m_pBeam->GetTabLeft(nTab);
    if (x + nWidth > rectClient.right)
        x = rectClient.right - nWidth;
    x = std::max(x, 0);
    const int y = std::max(GetViewArea().Height() - 2 * (tm.tmHeight + cyFrame), 0);
    const CRect rect(x, y, x + nWidth, y + tm.tmHeight + 4 * cyFrame);

    auto pEdit = std::make_unique<CGXEditLabelPopup>(this);
    const DWORD dwFrame = GXGetLibraryState()->m_bWin4 ? WS_BORDER : WS_CAPTION;
    if (!pEdit->Create(WS_VISIBLE | dwFrame | ES_AUTOHSCROLL, rect, this, GX_IDC_EDITLABEL))
        return;
    // from here on the edit deletes itself with its window
    m_pEditLabel = pEdit.release();
    m_nRenameTab = nTab;
    m_pEditLabel->SetFont(&m_pBeam->GetNormalFont());
    m_pEditLabel->SetWindowText(tab.m_strLabel);
    m_pEditLabel->SetSel(0, -1);
    m_pEditLabel->SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    m_pEditLabel->SetFocus();
}

void CGXTabWnd::EndRename(BOOL bAccept)
{
    CGXEditLabelPopup* pEdit = m_pEditLabel;
    if (pEdit == nullptr)
        return;
    m_pEditLabel = nullptr;
    CString strLabel;
    pEdit->GetWindowText(strLabel);
    const BOOL bHadFocus = CWnd::GetFocus() == pEdit;
    pEdit->DestroyWindow();
    if (bAccept && m_nRenameTab >= 0 && m_nRenameTab < m_pBeam->GetTabCount())
        m_pBeam->SetTabLabel(m_nRenameTab, strLabel, TRUE);
    m_nRenameTab = -1;
    if (bHadFocus && m_pActiveView != nullptr)
        m_pActiveView->SetFocus();
}

// ---- settings ----------------------------------------------------------------------------------------

void CGXTabWnd::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    GXGetSysColors()->Refresh();
    m_brFace.DeleteObject();
    m_brFace.CreateSysColorBrush(COLOR_BTNFACE);
    if (m_pBeam != nullptr && m_pBeam->m_hWnd != nullptr)
        m_pBeam->SendMessage(WM_SYSCOLORCHANGE);
    Invalidate();
}

void CGXTabWnd::OnSettingChange(UINT uFlags, LPCSTR lpszSection)
{
    CWnd::OnSettingChange(uFlags, lpszSection);
    RefreshLocaleSettings();
    m_cxVScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    m_cyHScroll = ::GetSystemMetrics(SM_CYHSCROLL);
    m_nBeamHeight = m_cyHScroll + (GXGetLibraryState()->m_bWin4 ? 2 : 0);
    if (m_pBeam != nullptr && m_pBeam->m_hWnd != nullptr)
        m_pBeam->SendMessage(WM_SETTINGCHANGE, uFlags, reinterpret_cast<LPARAM>(lpszSection));
    RecalcLayout();
}

// ---- the tab-label interface ---------------------------------------------------------------------------

BOOL CGXTabWndInterface::TabLabel(CWnd* pWnd, CString& strLabel, BOOL bSet)
{
    auto* pTabWnd = static_cast<CGXTabWnd*>(FindParentOfClass(pWnd, RUNTIME_CLASS(CGXTabWnd), TRUE));
    const int nTab = pTabWnd != nullptr ? pTabWnd->GetBeam().FindTab(pWnd) : -1;
    if (nTab < 0) {
        if (!bSet)
            strLabel.Empty();
        return FALSE;
    }
    if (bSet)
        pTabWnd->GetBeam().SetTabLabel(nTab, strLabel, FALSE);
    else
        strLabel = pTabWnd->GetBeam().GetTab(nTab).m_strLabel;
    return TRUE;
}

BOOL CGXTabWndInterface::TabLabelAt(CWnd* pWnd, int nIndex, CString& strLabel)
{
    strLabel.Empty();
    auto* pTabWnd = static_cast<CGXTabWnd*>(FindParentOfClass(pWnd, RUNTIME_CLASS(CGXTabWnd), TRUE));
    if (pTabWnd == nullptr || nIndex < 0 || nIndex >= pTabWnd->GetBeam().GetTabCount())
        return FALSE;
    strLabel = pTabWnd->GetBeam().GetTab(nIndex).m_strLabel;
    return TRUE;
}

CGXTabWndInterface* GXGetTabWndInterface()
{
    CObject*& rpObject = GXGetLibraryState()->m_apOwnedObjects[0];
    if (rpObject == nullptr)
        AfxAllocating([&] { rpObject = new CGXTabWndInterface; });
    return static_cast<CGXTabWndInterface*>(rpObject);
}
