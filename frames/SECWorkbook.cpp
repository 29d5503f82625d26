// SECWorkbook, SECWorksheet and SECWorkbookClient: workbook mode and the client's margins, the sheets'
// tabs (geometry, drawing, presses, tooltips) and the notices of the active child's changes.
#include <algorithm>

#include "frames/SECWorkbook.h"

#include "frames/SECControlBarHost.h"
#include "frames/SECToolkit.h"
#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/CDocument.h"
#include "win/CWindowDC.h"

// ---- the client ---------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(SECWorkbookClient, CWnd)

BEGIN_MESSAGE_MAP(SECWorkbookClient, CWnd)
    ON_MESSAGE(WM_MDISETMENU, OnMDISetMenu)
    ON_MESSAGE(SEC_WM_NOSHAREDMENU, OnNoSharedMenu)
END_MESSAGE_MAP()

SECWorkbookClient::SECWorkbookClient() : m_nLeft(0), m_nRight(0), m_nTop(0), m_nBottom(0) {}

SECWorkbookClient::~SECWorkbookClient() = default;

void SECWorkbookClient::SetMargins(int nLeft, int nRight, int nTop, int nBottom)
{
    m_nLeft = nLeft;
    m_nRight = nRight;
    m_nTop = nTop;
    m_nBottom = nBottom;
}

void SECWorkbookClient::GetMargins(int& nLeft, int& nRight, int& nTop, int& nBottom) const
{
    nLeft = m_nLeft;
    nRight = m_nRight;
    nTop = m_nTop;
    nBottom = m_nBottom;
}

void SECWorkbookClient::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    AfxRequirePointer(lpClientRect, "SECWorkbookClient::CalcWindowRect", "lpClientRect");
    lpClientRect->left += m_nLeft;
    lpClientRect->top += m_nTop;
    lpClientRect->right -= m_nRight;
    lpClientRect->bottom -= m_nBottom;
    CWnd::CalcWindowRect(lpClientRect, nAdjustType);
}

LRESULT SECWorkbookClient::OnMDISetMenu(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (wParam != WPARAM(-1) || lParam != LPARAM(-1))
        lResult = Default();
    if (CWnd* pFrame = GetParent())
        pFrame->SendMessage(SEC_WM_MDIMENUCHANGED);
    return lResult;
}

LRESULT SECWorkbookClient::OnNoSharedMenu(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    return OnMDISetMenu(WPARAM(-1), LPARAM(-1));
}

// ---- the workbook --------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(SECWorkbook, SECMDIFrameWnd)

BEGIN_MESSAGE_MAP(SECWorkbook, SECMDIFrameWnd)
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_MESSAGE(SEC_WM_MDIMENUCHANGED, OnMDIMenuChanged)
END_MESSAGE_MAP()

namespace {

// Where the tabs start below the client, the label's gaps and the shortest label that is shortened.
const int kTabTop = 4;
const int kLabelGap = 3;
const int kLabelRightGap = 2;
const int kIconTop = 4;
const int kMinShortened = 4;
const int kMaxTabWidth = SECWorkbook::maxTabWidth;
const int kTabWidthSlack = 5;
const int kFirstTabWidth = 100;
// The client outline lies this far outside the client.
const int kOutline = 5;

} // namespace

SECWorkbook::SECWorkbook()
    : m_bTabStrip(FALSE), m_bShowIcons(TRUE), m_bFillTabArea(FALSE), m_hTabFont(nullptr), m_pClient(nullptr), m_nTabWidth(kFirstTabWidth),
      m_rectLastClientArea(0, 0, 0, 0), m_nActiveTab(0), m_pToolTip(nullptr), m_nLastTool(-1)
{
    SetBarHostClass(RUNTIME_CLASS(SECControlBarWorksheet));
}

SECWorkbook::~SECWorkbook()
{
    delete m_pToolTip;
    delete m_pClient;
}

BOOL SECWorkbook::OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext)
{
    if (!SECMDIFrameWnd::OnCreateClient(lpcs, pContext))
        return FALSE;
    m_pClient = new SECWorkbookClient;
    if (!m_pClient->SubclassWindow(m_hWndMDIClient)) {
        delete m_pClient;
        m_pClient = nullptr;
        return FALSE;
    }
    ApplyMargins();
    m_hTabFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (m_hTabFont == nullptr)
        m_hTabFont = static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
    m_penHilite.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    m_penBlack.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    m_penShadow.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    return TRUE;
}

void SECWorkbook::OnDestroy()
{
    SECMDIFrameWnd::OnDestroy();
    if (m_pClient != nullptr) {
        if (m_pClient->m_hWnd != nullptr)
            m_pClient->UnsubclassWindow();
        delete m_pClient;
        m_pClient = nullptr;
    }
    // the dock bars of other frames are not a workbook's
    if (m_bTabStrip)
        g_bSECWorkbookTabs = FALSE;
}

void SECWorkbook::ApplyMargins()
{
    if (m_pClient == nullptr)
        return;
    if (m_bTabStrip)
        m_pClient->SetMargins(marginSide, marginSide, marginSide, marginBottom);
    else
        m_pClient->SetMargins(0, 0, 0, 0);
}

void SECWorkbook::SetWorkbookMode(BOOL bOn)
{
    m_bTabStrip = bOn;
    ApplyMargins();
    g_bSECWorkbookTabs = bOn;
    if (m_hWnd != nullptr) {
        RecalcLayout();
        Invalidate();
    }
}

void SECWorkbook::RecalcLayout(BOOL bNotify)
{
    SECMDIFrameWnd::RecalcLayout(bNotify);
    if (!m_bTabStrip || m_hWndMDIClient == nullptr)
        return;
    const CRect rectClientArea = GetClientArea();
    if (rectClientArea != m_rectLastClientArea) {
        RecalcTabWidth();
        Invalidate();
        m_rectLastClientArea = rectClientArea;
    }
}

// ---- sheets -----------------------------------------------------------------------------------------

void SECWorkbook::AddSheet(SECWorksheet* pSheet)
{
    AfxRequirePointer(pSheet, "SECWorkbook::AddSheet", "pSheet");
    if (std::find(m_sheets.begin(), m_sheets.end(), pSheet) != m_sheets.end())
        return;
    m_sheets.push_back(pSheet);
    pSheet->m_nTabPos = int(m_sheets.size()) - 1;
    if (m_pToolTip == nullptr) {
        m_pToolTip = new CToolTipCtrl;
        if (m_pToolTip->Create(this)) {
            m_pToolTip->Activate(TRUE);
        } else {
            delete m_pToolTip;
            m_pToolTip = nullptr;
        }
    }
    const BOOL bWidthChanged = RecalcTabWidth();
    if (m_sheets.size() < 2)
        Invalidate();
    else if (bWidthChanged)
        InvalidateRect(GetTabStripRect());
    else
        InvalidateTab(pSheet, TRUE);
}

void SECWorkbook::RemoveSheet(SECWorksheet* pSheet)
{
    AfxRequirePointer(pSheet, "SECWorkbook::RemoveSheet", "pSheet");
    auto it = std::find(m_sheets.begin(), m_sheets.end(), pSheet);
    if (it == m_sheets.end())
        return;
    const int nRemoved = int(it - m_sheets.begin());
    m_sheets.erase(it);
    for (int i = nRemoved; i < int(m_sheets.size()); i++)
        m_sheets[i]->m_nTabPos = i;
    pSheet->m_nTabPos = -1;
    pSheet->m_bPressed = FALSE;
    if (m_pToolTip != nullptr && m_nLastTool > 0) {
        m_pToolTip->DelTool(this, UINT_PTR(m_nLastTool));
        m_nLastTool = -1;
    }
    if (m_hWnd == nullptr)
        return;
    if (m_sheets.empty()) {
        Invalidate(); // the tab width stays: there is nothing to divide by
    } else if (RecalcTabWidth()) {
        InvalidateRect(GetTabStripRect());
    } else {
        CRect rect = GetTabStripRect();
        rect.left = (nRemoved - HiddenBefore(nRemoved)) * m_nTabWidth + GetClientArea().left - activeWidening / 2;
        InvalidateRect(rect);
    }
}

BOOL SECWorkbook::RecalcTabWidth()
{
    if (m_sheets.empty() || m_hWndMDIClient == nullptr)
        return FALSE;
    const int nWidth = (std::min)((GetClientArea().Width() + kTabWidthSlack) / int(m_sheets.size()), kMaxTabWidth);
    if (nWidth == m_nTabWidth)
        return FALSE;
    m_nTabWidth = nWidth;
    return TRUE;
}

int SECWorkbook::HiddenBefore(int nIndex) const
{
    int nHidden = 0;
    for (int i = 0; i < nIndex && i < int(m_sheets.size()); i++)
        if (!m_sheets[i]->IsWindowVisible())
            nHidden++;
    return nHidden;
}

// ---- tab geometry ---------------------------------------------------------------------------------

CRect SECWorkbook::GetClientArea() const
{
    CRect rect(0, 0, 0, 0);
    if (m_hWndMDIClient != nullptr) {
        ::GetWindowRect(m_hWndMDIClient, &rect);
        ScreenToClient(rect);
    }
    return rect;
}

CRect SECWorkbook::GetTabStripRect() const
{
    CRect rectClient;
    GetClientRect(rectClient);
    const CRect rectArea = GetClientArea();
    return CRect(rectClient.left, rectArea.bottom, rectClient.right, rectArea.bottom + marginBottom);
}

void SECWorkbook::GetTabPolygon(const SECWorksheet* pSheet, POINT points[7]) const
{
    AfxRequirePointer(pSheet, "SECWorkbook::GetTabPolygon", "pSheet");
    AfxRequirePointer(points, "SECWorkbook::GetTabPolygon", "points");
    const int nPos = pSheet->m_nTabPos;
    const BOOL bActive = pSheet->m_bPressed || MDIGetActive() == pSheet;
    const int a = bActive ? 1 : 0;
    const CRect rectArea = GetClientArea();
    const int x = (nPos - HiddenBefore(nPos)) * m_nTabWidth + rectArea.left - (activeWidening / 2) * a;
    const int y = rectArea.bottom + kTabTop;
    points[0] = CPoint(x, y);
    points[1] = CPoint(x, y + tabHeight - tabSlant);
    points[2] = CPoint(x + tabSlant, points[1].y + tabSlant + activeExtraHeight * a);
    points[3] = CPoint(points[2].x + m_nTabWidth - 2 * tabSlant + activeWidening * a, points[2].y);
    points[4] = CPoint(points[3].x + tabSlant, points[1].y);
    points[5] = CPoint(points[4].x, y);
    points[6] = points[0];
}

CRect SECWorkbook::GetTabBounds(const SECWorksheet* pSheet) const
{
    POINT points[7];
    GetTabPolygon(pSheet, points);
    // as wide and tall as the tab is drawn active, its lines included
    const int nWiden = pSheet->m_bPressed || MDIGetActive() == pSheet ? 0 : activeWidening / 2;
    return CRect(points[0].x - nWiden, points[0].y, points[4].x + nWiden + 1,
                 points[2].y + (nWiden != 0 ? activeExtraHeight : 0) + 1);
}

void SECWorkbook::InvalidateTab(SECWorksheet* pSheet, BOOL bToEnd)
{
    if (pSheet == nullptr || pSheet->m_nTabPos < 0 || m_hWnd == nullptr || m_hWndMDIClient == nullptr)
        return;
    CRect rect = GetTabBounds(pSheet);
    if (bToEnd)
        rect.right = GetTabStripRect().right;
    InvalidateRect(rect);
}

HICON SECWorkbook::GetTabIcon(const SECWorksheet* pSheet) const
{
    return pSheet != nullptr && m_bShowIcons ? pSheet->m_hTabIcon : nullptr;
}

void SECWorkbook::SetTabIcon(SECWorksheet* pSheet, HICON hIcon, BOOL bRedraw)
{
    AfxRequirePointer(pSheet, "SECWorkbook::SetTabIcon", "pSheet");
    if (pSheet->m_hTabIcon != nullptr && pSheet->m_hTabIcon != hIcon)
        ::DestroyIcon(pSheet->m_hTabIcon);
    pSheet->m_hTabIcon = hIcon;
    if (bRedraw)
        InvalidateTab(pSheet);
}

CString SECWorkbook::GetTabLabel(SECWorksheet* pSheet)
{
    AfxRequirePointer(pSheet, "SECWorkbook::GetTabLabel", "pSheet");
    if (CDocument* pDocument = pSheet->GetActiveDocument())
        return pDocument->GetTitle();
    CString strText;
    pSheet->GetWindowText(strText);
    return strText;
}

CRect SECWorkbook::GetLabelRect(SECWorksheet* pSheet)
{
    POINT points[7];
    GetTabPolygon(pSheet, points);
    const int nIcon = GetTabIcon(pSheet) != nullptr ? tabIconSize : 0;
    return CRect(points[2].x + nIcon + kLabelGap, points[0].y, points[4].x - kLabelRightGap, points[3].y);
}

BOOL SECWorkbook::LabelFits(SECWorksheet* pSheet)
{
    CClientDC dc(nullptr);
    const HGDIOBJ hOld = dc.SelectObject(m_hTabFont);
    const CSize size = dc.GetTextExtent(GetTabLabel(pSheet));
    dc.SelectObject(hOld);
    return GetLabelRect(pSheet).Width() >= size.cx;
}

CString SECWorkbook::FitLabel(CDC* pDC, CString strLabel, int nWidth)
{
    while (pDC->GetTextExtent(strLabel).cx > nWidth && strLabel.GetLength() >= kMinShortened) {
        strLabel = strLabel.Left(strLabel.GetLength() - 1);
        strLabel = strLabel.Left(strLabel.GetLength() - 3) + "...";
    }
    return strLabel;
}

BOOL SECWorkbook::MayActivateTab(SECWorksheet* pSheet)
{
    (void)pSheet;
    return TRUE;
}

BOOL SECWorkbook::TabContains(const SECWorksheet* pSheet, CPoint point) const
{
    POINT points[7];
    GetTabPolygon(pSheet, points);
    CRgn rgn;
    return rgn.CreatePolygonRgn(points, 7, ALTERNATE) && ::PtInRegion(rgn, point.x, point.y);
}

SECWorksheet* SECWorkbook::SheetAt(CPoint point, BOOL bSkipActive)
{
    const CMDIChildWnd* pActive = MDIGetActive();
    for (SECWorksheet* pSheet : m_sheets) {
        if (pSheet->IsWindowVisible() && !(bSkipActive && pSheet == pActive) && TabContains(pSheet, point))
            return pSheet;
    }
    return nullptr;
}

INT_PTR SECWorkbook::TabToolHitTest(CPoint point, CRect& rectTool, CString& strText)
{
    if (!m_bTabStrip)
        return -1;
    // the active tab lies on top of its neighbours
    SECWorksheet* pSheet = dynamic_cast<SECWorksheet*>(MDIGetActive());
    if (pSheet == nullptr || pSheet->m_nTabPos < 0 || !pSheet->IsWindowVisible() || !TabContains(pSheet, point))
        pSheet = SheetAt(point, FALSE);
    if (pSheet == nullptr || LabelFits(pSheet))
        return -1;
    POINT points[7];
    GetTabPolygon(pSheet, points);
    rectTool = CRect(points[0].x, points[0].y, points[4].x + 1, points[2].y + 1);
    strText = GetTabLabel(pSheet);
    return INT_PTR(pSheet->m_nTabPos + 1);
}

// ---- drawing --------------------------------------------------------------------------------------------

void SECWorkbook::DrawTab(CDC* pDC, SECWorksheet* pSheet)
{
    POINT p[7];
    GetTabPolygon(pSheet, p);
    CRgn rgn;
    CBrush brushFace(::GetSysColor(COLOR_BTNFACE));
    if (rgn.CreatePolygonRgn(p, 7, ALTERNATE))
        pDC->FillRgn(&rgn, &brushFace);
    CPen* pOldPen = pDC->SelectObject(&m_penHilite);
    pDC->MoveTo(p[0]);
    pDC->LineTo(p[1].x, p[1].y + 1);
    // the lower and right edges: black on the outline, shadow one pixel inside it
    pDC->SelectObject(&m_penShadow);
    pDC->MoveTo(p[1].x + 1, p[1].y);
    pDC->LineTo(p[2].x, p[2].y - 1);
    pDC->LineTo(p[3].x, p[3].y - 1);
    pDC->LineTo(p[4].x - 1, p[4].y);
    pDC->LineTo(p[5].x - 1, p[5].y - 1);
    pDC->SelectObject(&m_penBlack);
    pDC->MoveTo(p[1]);
    pDC->LineTo(p[2]);
    pDC->LineTo(p[3]);
    pDC->LineTo(p[4]);
    pDC->LineTo(p[5].x, p[5].y - 1);
    pDC->SelectObject(pOldPen);
}

void SECWorkbook::DrawTabLabel(CDC* pDC, SECWorksheet* pSheet)
{
    POINT p[7];
    GetTabPolygon(pSheet, p);
    if (HICON hIcon = GetTabIcon(pSheet))
        ::DrawIconEx(pDC->m_hDC, p[2].x + 1, p[0].y + kIconTop, hIcon, tabIconSize, tabIconSize, 0, nullptr, DI_NORMAL);
    CRect rectLabel = GetLabelRect(pSheet);
    const HGDIOBJ hOldFont = pDC->SelectObject(m_hTabFont);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    const CString strLabel = FitLabel(pDC, GetTabLabel(pSheet), rectLabel.Width());
    pDC->DrawText(strLabel, -1, rectLabel, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    pDC->SelectObject(hOldFont);
}

void SECWorkbook::DrawClientOutline(CDC* pDC)
{
    CRect rect = GetClientArea();
    rect.InflateRect(kOutline, kOutline);
    CPen* pOldPen = pDC->SelectObject(&m_penHilite);
    pDC->MoveTo(rect.left, rect.bottom - 1);
    pDC->LineTo(rect.left, rect.top);
    pDC->LineTo(rect.right, rect.top);
    pDC->SelectObject(&m_penShadow);
    pDC->MoveTo(rect.left + 1, rect.bottom - 2);
    pDC->LineTo(rect.right - 2, rect.bottom - 2);
    pDC->LineTo(rect.right - 2, rect.top);
    pDC->SelectObject(&m_penBlack);
    pDC->MoveTo(rect.left, rect.bottom - 1);
    pDC->LineTo(rect.right - 1, rect.bottom - 1);
    pDC->LineTo(rect.right - 1, rect.top - 1);
    // an etched line along the top of the top margin
    const int y = GetClientArea().top - marginSide;
    pDC->SelectObject(&m_penShadow);
    pDC->MoveTo(rect.left, y);
    pDC->LineTo(rect.right, y);
    pDC->SelectObject(&m_penHilite);
    pDC->MoveTo(rect.left, y + 1);
    pDC->LineTo(rect.right, y + 1);
    pDC->SelectObject(pOldPen);
}

void SECWorkbook::OnPaint()
{
    CPaintDC dc(this);
    if (!m_bTabStrip || GetClientArea().IsRectEmpty())
        return;
    for (SECWorksheet* pSheet : m_sheets) {
        if (!pSheet->IsWindowVisible())
            continue;
        DrawTab(&dc, pSheet);
        DrawTabLabel(&dc, pSheet);
    }
    DrawClientOutline(&dc);
    SECWorksheet* pActive = dynamic_cast<SECWorksheet*>(MDIGetActive());
    if (pActive != nullptr && pActive->m_nTabPos >= 0 && pActive->IsWindowVisible()) {
        DrawTab(&dc, pActive);
        DrawTabLabel(&dc, pActive);
    }
}

BOOL SECWorkbook::OnEraseBkgnd(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    // what the bars leave: the MDI client with its margins around it
    CRect rectFree = GetClientArea();
    if (m_pClient != nullptr) {
        int nLeft = 0, nRight = 0, nTop = 0, nBottom = 0;
        m_pClient->GetMargins(nLeft, nRight, nTop, nBottom);
        rectFree.InflateRect(nLeft, nTop, nRight, nBottom);
    }
    const int nSaved = pDC->SaveDC();
    pDC->ExcludeClipRect(GetClientArea());
    if (m_bTabStrip && !m_bFillTabArea) {
        // the paint fills the tabs
        for (const SECWorksheet* pSheet : m_sheets) {
            if (!pSheet->IsWindowVisible())
                continue;
            POINT points[7];
            GetTabPolygon(pSheet, points);
            CRgn rgnTab;
            rgnTab.CreatePolygonRgn(points, 7, ALTERNATE);
            pDC->SelectClipRgn(&rgnTab, RGN_DIFF);
        }
    }
    pDC->FillSolidRect(rectFree, ::GetSysColor(COLOR_BTNFACE));
    if (rectFree.bottom < rectClient.bottom) {
        pDC->FillSolidRect(CRect(rectFree.left, rectFree.bottom - 2, rectFree.right, rectFree.bottom - 1),
                           ::GetSysColor(COLOR_BTNHIGHLIGHT));
        pDC->FillSolidRect(CRect(rectFree.left, rectFree.bottom - 1, rectFree.right, rectFree.bottom),
                           ::GetSysColor(COLOR_BTNSHADOW));
    }
    if (rectFree.right < rectClient.right) {
        pDC->FillSolidRect(CRect(rectFree.right - 2, rectFree.top, rectFree.right - 1, rectFree.bottom),
                           ::GetSysColor(COLOR_BTNHIGHLIGHT));
        pDC->FillSolidRect(CRect(rectFree.right - 1, rectFree.top, rectFree.right, rectFree.bottom),
                           ::GetSysColor(COLOR_BTNSHADOW));
    }
    pDC->RestoreDC(nSaved);
    return TRUE;
}

// ---- mouse and tooltips ---------------------------------------------------------------------------------

void SECWorkbook::OnLButtonDown(UINT nFlags, CPoint point)
{
    SECWorksheet* pSheet = m_bTabStrip ? SheetAt(point, TRUE) : nullptr;
    if (pSheet != nullptr && MayActivateTab(pSheet)) {
        pSheet->m_bPressed = TRUE;
        InvalidateTab(pSheet);
        UpdateWindow();
        pSheet->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    }
    SECMDIFrameWnd::OnLButtonDown(nFlags, point);
}

void SECWorkbook::OnLButtonUp(UINT nFlags, CPoint point)
{
    for (SECWorksheet* pSheet : m_sheets) {
        if (pSheet->m_bPressed) {
            InvalidateTab(pSheet);
            pSheet->m_bPressed = FALSE;
        }
    }
    SECMDIFrameWnd::OnLButtonUp(nFlags, point);
}

BOOL SECWorkbook::PreTranslateMessage(MSG* pMsg)
{
    AfxRequirePointer(pMsg, "SECWorkbook::PreTranslateMessage", "pMsg");
    if (m_pToolTip != nullptr && pMsg->hwnd == m_hWnd && pMsg->message == WM_MOUSEMOVE) {
        CRect rectTool;
        CString strText;
        const INT_PTR nTool = TabToolHitTest(CPoint(short(LOWORD(pMsg->lParam)), short(HIWORD(pMsg->lParam))), rectTool,
                                             strText);
        if (nTool != m_nLastTool) {
            if (m_nLastTool > 0)
                m_pToolTip->DelTool(this, UINT_PTR(m_nLastTool));
            if (nTool > 0)
                m_pToolTip->AddTool(this, strText, rectTool, UINT_PTR(nTool));
            m_nLastTool = nTool;
        }
    }
    return SECMDIFrameWnd::PreTranslateMessage(pMsg);
}

LRESULT SECWorkbook::OnMDIMenuChanged(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    if (m_nActiveTab >= 0 && m_nActiveTab < int(m_sheets.size()))
        InvalidateTab(m_sheets[m_nActiveTab]);
    BOOL bMaximized = FALSE;
    SECWorksheet* pActive = dynamic_cast<SECWorksheet*>(MDIGetActive(&bMaximized));
    if (pActive != nullptr && pActive->m_nTabPos >= 0) {
        InvalidateTab(pActive);
        m_nActiveTab = pActive->m_nTabPos;
    }
    if (!bMaximized)
        UpdateWindow();
    return 0;
}

// ---- bars floated in the main window ---------------------------------------------------------------

void SECWorkbook::FloatControlBarInMainWindow(CControlBar* pBar, int x, int y, DWORD dwStyle)
{
    SECMDIFrameWnd::FloatControlBarInMainWindow(pBar, x, y, dwStyle);
    SECWorksheet* pHost = dynamic_cast<SECWorksheet*>(pBar->GetParentFrame());
    if (pHost == nullptr || pHost->m_hTabIcon != nullptr)
        return;
    if (HICON hIcon = reinterpret_cast<HICON>(pBar->SendMessage(WM_GETICON, ICON_BIG)))
        SetTabIcon(pHost, ::CopyIcon(hIcon));
}

// ---- the worksheet ------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(SECWorksheet, SECMDIChildWnd)

BEGIN_MESSAGE_MAP(SECWorksheet, SECMDIChildWnd)
    ON_WM_DESTROY()
    ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

SECWorksheet::SECWorksheet() : m_hTabIcon(nullptr), m_nTabPos(-1), m_bPressed(FALSE) {}

SECWorksheet::~SECWorksheet()
{
    if (m_hTabIcon != nullptr)
        ::DestroyIcon(m_hTabIcon);
}

SECWorkbook* SECWorksheet::GetWorkbook() const
{
    return dynamic_cast<SECWorkbook*>(GetMDIFrame());
}

BOOL SECWorksheet::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    if (!SECMDIChildWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    const LPCSTR lpszName = MAKEINTRESOURCEA(nIDResource);
    if (HINSTANCE hInst = AfxFindResourceHandle(lpszName, MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */))
        m_hTabIcon = static_cast<HICON>(::LoadImageA(hInst, lpszName, IMAGE_ICON, SECWorkbook::tabIconSize, SECWorkbook::tabIconSize, 0));
    if (SECWorkbook* pWorkbook = GetWorkbook())
        pWorkbook->AddSheet(this);
    return TRUE;
}

void SECWorksheet::OnDestroy()
{
    if (SECWorkbook* pWorkbook = GetWorkbook())
        pWorkbook->RemoveSheet(this);
    SECMDIChildWnd::OnDestroy();
    if (m_hTabIcon != nullptr) {
        ::DestroyIcon(m_hTabIcon);
        m_hTabIcon = nullptr;
    }
}

void SECWorksheet::OnShowWindow(BOOL bShow, UINT nStatus)
{
    SECMDIChildWnd::OnShowWindow(bShow, nStatus);
    if (SECWorkbook* pWorkbook = GetWorkbook())
        pWorkbook->InvalidateTab(this, TRUE);
}

void SECWorksheet::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    SECMDIChildWnd::OnUpdateFrameTitle(bAddToTitle);
    if (SECWorkbook* pWorkbook = GetWorkbook())
        pWorkbook->InvalidateTab(this);
}

void SECWorksheet::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    SECMDIChildWnd::OnUpdateFrameMenu(bActivate, pActivateWnd, hMenuAlt);
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (m_bUsesMenuBar && GetSharedMenu() == nullptr && pFrame != nullptr && pFrame->m_hWndMDIClient != nullptr)
        ::SendMessageA(pFrame->m_hWndMDIClient, SEC_WM_NOSHAREDMENU, WPARAM(-1), LPARAM(-1));
}
