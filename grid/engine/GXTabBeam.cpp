// The tab beam of a tab window (see GXTabBeam.h).
#include "grid/engine/GXTabBeam.h"

#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXState.h"

#include <algorithm>
#include <cstring>
#include <memory>

IMPLEMENT_DYNCREATE(CGXTabBeam, CWnd)

BEGIN_MESSAGE_MAP(CGXTabBeam, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// The colour of an arrow that cannot scroll.
const COLORREF kDisabledArrow = RGB(0x60, 0x60, 0x60);

}  // namespace

CGXTabInfo::CGXTabInfo()
    : m_nWidth(60), m_bSelected(FALSE), m_pView(nullptr), m_bOwnsView(FALSE), m_dwSpare(0), m_siVert(),
      m_nVertPos(0), m_siHorz(), m_nHorzPos(0), m_clrBack(0), m_clrText(0), m_nFlags(0)
{
    m_siVert.cbSize = m_siHorz.cbSize = sizeof(SCROLLINFO);
}

CGXTabInfo::~CGXTabInfo() = default;

CGXTabBeam::CGXTabBeam()
    : m_clrActiveText(0), m_clrText(0), m_clrBack(0), m_clrActiveBack(0), m_clrBeamBack(0), m_nActive(-1),
      m_nFirst(0), m_nMargin(7), m_nButtonAreaWidth(0), m_nHeight(0), m_nButtonWidth(0), m_bShowButtons(TRUE),
      m_nButtons(2), m_hcurArrow(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW))), m_nPressedButton(-1),
      m_bPressed(FALSE), m_pNotifyWnd(nullptr), m_bMadeByProgram(FALSE)
{
    RefreshSettings();
}

CGXTabBeam::~CGXTabBeam()
{
    for (CGXTabInfo* pTab : m_tabs) {
        DeleteOwnedView(*pTab);
        delete pTab;
    }
}

BOOL CGXTabBeam::Create(CWnd* pParent, UINT nID, const RECT& rect, DWORD dwStyle)
{
    m_bMadeByProgram = TRUE;
    return CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, m_hcurArrow), "", dwStyle | WS_CHILD, rect, pParent, nID);
}

void CGXTabBeam::PostNcDestroy()
{
    // an object the class's window procedure made for a dialog template goes with its window
    if (!m_bMadeByProgram)
        delete this;
}

void CGXTabBeam::RefreshSettings()
{
    m_nHeight = ::GetSystemMetrics(SM_CYHSCROLL);
    m_nButtonWidth = m_nHeight;
    m_nButtonAreaWidth = m_nHeight * m_nButtons;
    m_clrActiveText = m_clrText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_clrBack = ::GetSysColor(COLOR_BTNFACE);
    m_clrActiveBack = ::GetSysColor(COLOR_WINDOW);
    m_clrBeamBack = ::GetSysColor(COLOR_SCROLLBAR);
    for (CBrush* pBrush : {&m_brBack, &m_brActiveBack, &m_brBlack})
        pBrush->DeleteObject();
    m_brBack.CreateSolidBrush(m_clrBack);
    m_brActiveBack.CreateSolidBrush(m_clrActiveBack);
    m_brBlack.CreateSolidBrush(RGB(0, 0, 0));
    m_penShadow.DeleteObject();
    m_penShadow.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));

    LOGFONTA lf = {};
    std::strcpy(lf.lfFaceName, "Arial");
    if (::GetSystemMetrics(SM_DBCSENABLED)) {
        LOGFONTA lfGui = {};
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof lfGui, &lfGui);
        std::memcpy(lf.lfFaceName, lfGui.lfFaceName, sizeof lf.lfFaceName);
    }
    GXFontState& fonts = GXGetLibraryState()->m_fontState;
    if (const GXFaceRecord* pFace = fonts.GetFaceRecord(fonts.FindFaceNameIndex(lf.lfFaceName, 0, ANSI_CHARSET)))
        lf.lfCharSet = pFace->nCharSet;
    lf.lfHeight = m_nHeight - 2;
    lf.lfWeight = FW_NORMAL;
    m_fontNormal.DeleteObject();
    m_fontNormal.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fontBold.DeleteObject();
    m_fontBold.CreateFontIndirect(&lf);
    for (int i = 0; i < GetTabCount(); ++i)
        MeasureTab(i);
}

void CGXTabBeam::SetButtonCount(int nButtons)
{
    if (nButtons != 2 && nButtons != 4)
        AfxThrowInvalidArgFormat("CGXTabBeam::SetButtonCount: %d buttons (2 or 4)", nButtons);
    m_nButtons = nButtons;
    m_nButtonAreaWidth = m_nHeight * m_nButtons;
    if (m_hWnd != nullptr)
        Invalidate();
}

CWnd* CGXTabBeam::GetNotifyWnd() const
{
    return m_pNotifyWnd != nullptr ? m_pNotifyWnd : GetParent();
}

// ---- tabs ----------------------------------------------------------------------------------------------

int CGXTabBeam::InsertTab(BOOL bBeforeActive, const char* pszLabel, CWnd* pView, BOOL bOwnsView, int nWidth,
                          DWORD dwSpare)
{
    auto pTab = std::make_unique<CGXTabInfo>();
    pTab->m_strLabel = pszLabel != nullptr ? pszLabel : "";
    pTab->m_pView = pView;
    pTab->m_bOwnsView = bOwnsView;
    pTab->m_dwSpare = dwSpare;
    pTab->m_clrBack = m_clrBack;
    pTab->m_clrText = m_clrText;
    pTab->m_brBack.CreateSolidBrush(m_clrBack);
    int nIndex = GetTabCount();
    if (bBeforeActive && m_nActive >= 0) {
        nIndex = m_nActive;
        ++m_nActive;
    }
    m_tabs.insert(m_tabs.begin() + nIndex, pTab.get());
    pTab.release();
    if (nWidth < 0)
        MeasureTab(nIndex);
    else
        m_tabs[nIndex]->m_nWidth = nWidth;
    if (m_nActive < 0)
        m_nActive = nIndex;
    if (m_hWnd != nullptr)
        Invalidate();
    return nIndex;
}

void CGXTabBeam::DeleteTab(int nIndex)
{
    CGXTabInfo* pTab = &GetTab(nIndex);
    m_tabs.erase(m_tabs.begin() + nIndex);
    DeleteOwnedView(*pTab);
    delete pTab;
    if (nIndex == m_nActive) {
        m_nActive = m_tabs.empty() ? -1 : 0;
        m_nFirst = 0;
    } else if (nIndex < m_nActive) {
        --m_nActive;
    }
    m_nFirst = std::min(m_nFirst, GetLargestFirstTab());
    if (m_hWnd != nullptr)
        Invalidate();
}

void CGXTabBeam::DeleteOwnedView(CGXTabInfo& tab)
{
    CWnd* pView = tab.m_pView;
    if (!tab.m_bOwnsView || pView == nullptr)
        return;
    tab.m_pView = nullptr;
    // a view deletes itself with its window
    if (pView->IsKindOf(RUNTIME_CLASS(CView)) && pView->m_hWnd != nullptr)
        pView->DestroyWindow();
    else
        delete pView;
}

void CGXTabBeam::SetTabLabel(int nIndex, const char* pszLabel, BOOL bNotify)
{
    CGXTabInfo& tab = GetTab(nIndex);
    tab.m_strLabel = pszLabel != nullptr ? pszLabel : "";
    MeasureTab(nIndex);
    if (m_hWnd != nullptr)
        Invalidate();
    if (bNotify && tab.m_pView != nullptr && tab.m_pView->m_hWnd != nullptr)
        tab.m_pView->SendMessage(gxTabMsgRenamed, WPARAM(nIndex));
}

int CGXTabBeam::FindTab(const CWnd* pView) const
{
    for (int i = 0; i < GetTabCount(); ++i)
        if (m_tabs[i]->m_pView == pView)
            return i;
    return -1;
}

CGXTabInfo& CGXTabBeam::GetTab(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetTabCount())
        AfxThrowInvalidArgFormat("CGXTabBeam: tab %d of %d", nIndex, GetTabCount());
    return *m_tabs[nIndex];
}

void CGXTabBeam::SetActiveTab(int nIndex)
{
    GetTab(nIndex);
    m_nActive = nIndex;
    ScrollToTab(nIndex);
    if (m_hWnd != nullptr)
        Invalidate();
}

// ---- geometry ----------------------------------------------------------------------------------------

int CGXTabBeam::GetBeamWidth() const
{
    CRect rect(0, 0, 0, 0);
    if (m_hWnd != nullptr)
        GetClientRect(&rect);
    return rect.Width();
}

int CGXTabBeam::GetTabLeft(int nIndex) const
{
    int x = GetButtonAreaWidth();
    for (int i = m_nFirst; i < nIndex; ++i)
        x += m_tabs[i]->m_nWidth + m_nMargin;
    for (int i = nIndex; i < m_nFirst; ++i)
        x -= m_tabs[i]->m_nWidth + m_nMargin;
    return x;
}

int CGXTabBeam::TabFromPoint(int x) const
{
    if (x < GetButtonAreaWidth())
        return -1;
    int xLeft = GetButtonAreaWidth();
    for (int i = m_nFirst; i < GetTabCount(); ++i) {
        // the last tab also owns its slanted right edge
        const int xNext = xLeft + m_tabs[i]->m_nWidth + m_nMargin + (i + 1 == GetTabCount() ? m_nMargin : 0);
        if (x < xNext)
            return i;
        xLeft = xNext;
    }
    return -1;
}

int CGXTabBeam::GetLastVisibleTab() const
{
    const int nWidth = GetBeamWidth();
    int nLast = -1;
    for (int i = m_nFirst; i < GetTabCount() && GetTabLeft(i) < nWidth; ++i)
        nLast = i;
    return nLast;
}

int CGXTabBeam::GetLargestFirstTab() const
{
    const int nCount = GetTabCount();
    if (nCount == 0)
        return 0;
    const int nAvailable = GetBeamWidth() - GetButtonAreaWidth();
    int nFirst = nCount;
    int nSum = m_nMargin;
    while (nFirst > 0 && nSum + m_tabs[nFirst - 1]->m_nWidth + m_nMargin <= nAvailable)
        nSum += m_tabs[--nFirst]->m_nWidth + m_nMargin;
    // a last tab wider than the beam still shows from its start
    return std::min(nFirst, nCount - 1);
}

BOOL CGXTabBeam::CanScroll(int nKind) const
{
    if (GetTabCount() < 2)
        return FALSE;
    if (nKind == gxScrollFirst || nKind == gxScrollPrev)
        return m_nFirst > 0;
    return m_nFirst < GetLargestFirstTab();
}

BOOL CGXTabBeam::ScrollTabs(int nKind)
{
    const int nLargest = GetLargestFirstTab();
    int nFirst = m_nFirst;
    switch (nKind) {
    case gxScrollFirst:
        nFirst = 0;
        break;
    case gxScrollPrev:
        nFirst = m_nFirst - 1;
        break;
    case gxScrollNext:
        nFirst = m_nFirst + 1;
        break;
    case gxScrollLast:
        nFirst = nLargest;
        break;
    default:
        AfxThrowInvalidArgFormat("CGXTabBeam::ScrollTabs: kind %d", nKind);
    }
    // never past the point where the last tabs fill the beam
    if (nKind == gxScrollNext || nKind == gxScrollLast)
        nFirst = std::max(m_nFirst, std::min(nFirst, nLargest));
    nFirst = std::max(nFirst, 0);
    if (nFirst == m_nFirst)
        return FALSE;
    m_nFirst = nFirst;
    if (CWnd* pNotify = GetNotifyWnd())
        pNotify->SendMessage(gxTabMsgRenameCancel, WPARAM(m_nActive));
    if (m_hWnd != nullptr)
        Invalidate();
    return TRUE;
}

void CGXTabBeam::ScrollToTab(int nIndex)
{
    if (nIndex < m_nFirst) {
        m_nFirst = nIndex;
        return;
    }
    const int nWidth = GetBeamWidth();
    const int nLargest = GetLargestFirstTab();
    auto right = [&] { return GetTabLeft(nIndex) + m_tabs[nIndex]->m_nWidth + 2 * m_nMargin; };
    while (m_nFirst < nIndex && m_nFirst < nLargest && right() > nWidth)
        ++m_nFirst;
}

int CGXTabBeam::MeasureTab(int nIndex)
{
    CGXTabInfo& tab = GetTab(nIndex);
    CClientDC dc(m_hWnd != nullptr ? this : nullptr);
    CFont* pOldFont = dc.SelectObject(&m_fontBold);
    tab.m_nWidth = dc.GetTextExtent(tab.m_strLabel).cx + m_nMargin;
    dc.SelectObject(pOldFont);
    return tab.m_nWidth;
}

CRect CGXTabBeam::GetButtonRect(int nButton) const
{
    return CRect(nButton * m_nButtonWidth, 0, (nButton + 1) * m_nButtonWidth, m_nHeight);
}

int CGXTabBeam::ButtonKind(int nButton) const
{
    // two buttons are previous and next
    return m_nButtons == 2 ? nButton + 1 : nButton;
}

int CGXTabBeam::ButtonFromPoint(CPoint point) const
{
    if (!m_bShowButtons)
        return -1;
    for (int i = 0; i < m_nButtons; ++i)
        if (GetButtonRect(i).PtInRect(point))
            return i;
    return -1;
}

// ---- painting ----------------------------------------------------------------------------------------

void CGXTabBeam::DrawBeam(CDC* pDC, const CRect& rect)
{
    const int nButtonArea = GetButtonAreaWidth();
    pDC->FillSolidRect(nButtonArea, rect.top, std::max(rect.right - nButtonArea, 0), rect.Height(), m_clrBeamBack);
    pDC->FillSolidRect(nButtonArea, rect.top, std::max(rect.right - nButtonArea, 0), 1, RGB(0, 0, 0));
    if (m_bShowButtons)
        for (int i = 0; i < m_nButtons; ++i)
            DrawButton(pDC, i, i == m_nPressedButton && m_bPressed);

    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(nButtonArea, rect.top, rect.right, rect.bottom);
    const int nLast = GetLastVisibleTab();
    for (int i = nLast; i >= m_nFirst; --i)
        if (i != m_nActive)
            DrawTab(pDC, i, GetTabLeft(i));
    if (m_nActive >= m_nFirst && m_nActive <= nLast)
        DrawTab(pDC, m_nActive, GetTabLeft(m_nActive));
    pDC->RestoreDC(nSaved);
}

void CGXTabBeam::DrawTab(CDC* pDC, int nIndex, int x)
{
    const CGXTabInfo& tab = *m_tabs[nIndex];
    const BOOL bActive = nIndex == m_nActive;
    const BOOL bLit = bActive || tab.m_bSelected;
    const int w = tab.m_nWidth, m = m_nMargin, h = m_nHeight;
    const BOOL bOwn = (tab.m_nFlags & (bLit ? CGXTabInfo::gxOwnActive : CGXTabInfo::gxOwnInactive)) != 0;
    CBrush* pBack = bOwn ? const_cast<CBrush*>(&tab.m_brBack) : bLit ? &m_brActiveBack : &m_brBack;

    const POINT points[4] = {{x, 0}, {x + w + 2 * m, 0}, {x + w + m, h - 1}, {x + m, h - 1}};
    CPen penBlack;
    penBlack.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* pOldPen = pDC->SelectObject(&penBlack);
    CBrush* pOldBrush = pDC->SelectObject(pBack);
    pDC->Polygon(points, 4);
    // the active tab joins the sheet above it
    if (bActive)
        pDC->FillSolidRect(x + 1, 0, w + 2 * m - 1, 1, bOwn ? tab.m_clrBack : m_clrActiveBack);
    pDC->SelectObject(&m_penShadow);
    pDC->MoveTo(x + w + 2 * m - 1, 1);
    pDC->LineTo(x + w + m - 1, h - 1);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);

    CFont* pOldFont = pDC->SelectObject(bActive ? &m_fontBold : &m_fontNormal);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(bLit ? m_clrActiveText : bOwn ? tab.m_clrText : m_clrText);
    CRect rectLabel(x + m, 0, x + m + w, h);
    pDC->DrawText(tab.m_strLabel, &rectLabel, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
}

void CGXTabBeam::DrawButton(CDC* pDC, int nButton, BOOL bPressed)
{
    const CRect rect = GetButtonRect(nButton);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    CBrush frame;
    frame.CreateSolidBrush(::GetSysColor(COLOR_WINDOWFRAME));
    pDC->FrameRect(&rect, &frame);
    const COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT), clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    GetDrawingAndFormatting()->Draw3dRect(pDC, rect.left + 1, rect.top + 1, rect.right - 2, rect.bottom - 2, 1,
                                          bPressed ? clrShadow : clrHilite, bPressed ? clrHilite : clrShadow);
    pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, RGB(0, 0, 0));
    const int nKind = ButtonKind(nButton);
    CRect rectArrow = rect;
    if (bPressed)
        rectArrow.OffsetRect(1, 1);
    DrawArrow(pDC, rectArrow, nKind, CanScroll(nKind) ? RGB(0, 0, 0) : kDisabledArrow);
}

void CGXTabBeam::DrawArrow(CDC* pDC, const CRect& rect, int nKind, COLORREF color)
{
    // columns of 1, 3, 5, 7 (and 9) pixels from the tip, around the middle of a 9-pixel column
    const int nColumns = m_nHeight >= 20 ? 5 : 4;
    const BOOL bBar = nKind == gxScrollFirst || nKind == gxScrollLast;
    const BOOL bLeft = nKind == gxScrollFirst || nKind == gxScrollPrev;
    const int nWidth = nColumns + (bBar ? 2 : 0);
    const int yMiddle = rect.top + (m_nHeight - 9) / 2 + 4;
    int x = rect.left + (rect.Width() - nWidth) / 2;
    // first and last have their bar beside the tip
    if (bBar && bLeft) {
        pDC->FillSolidRect(x, yMiddle - (nColumns * 2 - 1) / 2, 1, nColumns * 2 - 1, color);
        x += 2;
    }
    for (int i = 0; i < nColumns; ++i) {
        const int nHeight = bLeft ? 2 * i + 1 : 2 * (nColumns - i) - 1;
        pDC->FillSolidRect(x + i, yMiddle - nHeight / 2, 1, nHeight, color);
    }
    if (bBar && !bLeft)
        pDC->FillSolidRect(x + nColumns + 1, yMiddle - (nColumns * 2 - 1) / 2, 1, nColumns * 2 - 1, color);
}

void CGXTabBeam::RepaintNow()
{
    if (m_hWnd == nullptr)
        return;
    Invalidate(FALSE);
    UpdateWindow();
}

void CGXTabBeam::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    if (rect.IsRectEmpty())
        return;
    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, rect.Width(), rect.Height());
    CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
    DrawBeam(&memDC, rect);
    dc.BitBlt(0, 0, rect.Width(), rect.Height(), &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(pOldBitmap);
}

BOOL CGXTabBeam::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

// ---- mouse -------------------------------------------------------------------------------------------

void CGXTabBeam::OnLButtonDown(UINT nFlags, CPoint point)
{
    const int nButton = ButtonFromPoint(point);
    if (nButton >= 0) {
        if (CanScroll(ButtonKind(nButton)))
            TrackButton(nButton);
        return;
    }
    const int nTab = TabFromPoint(point.x);
    if (nTab < 0)
        return;
    CGXTabInfo& tab = *m_tabs[nTab];
    if (nFlags & MK_CONTROL) {
        tab.m_bSelected = !tab.m_bSelected;
        Invalidate();
        return;
    }
    if (nFlags & MK_SHIFT) {
        if (m_nActive >= 0)
            for (int i = std::min(m_nActive, nTab); i <= std::max(m_nActive, nTab); ++i)
                m_tabs[i]->m_bSelected = TRUE;
        Invalidate();
        return;
    }
    CWnd* pNotify = GetNotifyWnd();
    if (pNotify != nullptr && pNotify->SendMessage(gxTabMsgCanActivate, WPARAM(nTab)) != 0)
        return;
    if (!tab.m_bSelected)
        for (CGXTabInfo* pTab : m_tabs)
            pTab->m_bSelected = FALSE;
    SetActiveTab(nTab);
    if (pNotify != nullptr)
        pNotify->PostMessage(gxTabMsgActivate, WPARAM(nTab));
}

void CGXTabBeam::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // a quick second press on a scroll button scrolls again
    if (ButtonFromPoint(point) >= 0) {
        OnLButtonDown(nFlags, point);
        return;
    }
    const int nTab = TabFromPoint(point.x);
    if (nTab >= 0 && nTab == m_nActive)
        if (CWnd* pNotify = GetNotifyWnd())
            pNotify->PostMessage(gxTabMsgRename, WPARAM(nTab));
}

void CGXTabBeam::TrackButton(int nButton)
{
    const int nKind = ButtonKind(nButton);
    CWinServices* pServices = AfxGetServices();
    m_nPressedButton = nButton;
    m_bPressed = TRUE;
    SetCapture();
    DWORD dwNext = pServices->GetTickCount();
    ScrollTabs(nKind);
    RepaintNow();
    int nDelay = 200;
    dwNext += nDelay;
    for (BOOL bEnd = FALSE; !bEnd;) {
        MSG msg;
        while (!bEnd && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage(int(msg.wParam));
                bEnd = TRUE;
            } else if (msg.message == WM_LBUTTONUP || (msg.message == WM_CANCELMODE && msg.hwnd == m_hWnd)) {
                bEnd = TRUE;
            } else if (msg.message == WM_MOUSEMOVE && msg.hwnd == m_hWnd) {
                // held off the button the repeat waits
                const CPoint point(short(LOWORD(msg.lParam)), short(HIWORD(msg.lParam)));
                const BOOL bOver = GetButtonRect(nButton).PtInRect(point);
                if (bOver != m_bPressed) {
                    m_bPressed = bOver;
                    RepaintNow();
                }
            } else {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        if (bEnd || ::GetCapture() != m_hWnd)
            break;
        const DWORD dwNow = pServices->GetTickCount();
        if (m_bPressed && LONG(dwNow - dwNext) >= 0) {
            ScrollTabs(nKind);
            RepaintNow();
            nDelay = std::max(nDelay - 20, 100);
            dwNext = dwNow + nDelay;
        }
        const LONG nLeft = LONG(dwNext - dwNow);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(std::clamp(nLeft, LONG(0), LONG(10))), QS_ALLINPUT);
    }
    m_nPressedButton = -1;
    m_bPressed = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    RepaintNow();
}

// ---- settings ----------------------------------------------------------------------------------------

void CGXTabBeam::OnSysColorChange()
{
    RefreshSettings();
    Invalidate();
}

void CGXTabBeam::OnSettingChange(UINT, LPCSTR)
{
    RefreshSettings();
    Invalidate();
}

void CGXTabBeam::OnDestroy()
{
    // the sheets the tabs own go while their windows still exist
    for (CGXTabInfo* pTab : m_tabs)
        DeleteOwnedView(*pTab);
    CWnd::OnDestroy();
}
