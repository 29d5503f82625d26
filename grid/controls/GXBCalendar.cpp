// The month calendar and its pop-up (see GXBCalendar.h).
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cstdlib>
#include <functional>

#include "grid/controls/GXBCalendar.h"

#include "grid/engine/GXState.h"
#include "win/CDC.h"
#include "win/CWindowDC.h"
#include "win/Win.h"

extern const double GXBDayColumnStarts[7];

namespace {

const double kRowStarts[6] = {0.25, 0.375, 0.5, 0.625, 0.75, 0.875};

// The display date before the program gives one (replaced by today at creation).
const COleDateTime kUnsetDisplay(1970, 1, 1, 12, 0, 0);

BOOL IsKeyDown(int nVirtKey)
{
    return (AfxGetServices()->GetKeyState(nVirtKey) & 0x8000) != 0;
}

int DaysInMonth(int nYear, int nMonth)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const BOOL bLeap = (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
    return nMonth == 2 && bLeap ? 29 : kDays[nMonth - 1];
}

// The system font's description.
LOGFONTA SystemLogFont()
{
    LOGFONTA lf = {};
    ::GetObjectA(::GetStockObject(SYSTEM_FONT), sizeof lf, &lf);
    return lf;
}

// The extent of strText in the font lf on pDC.
CSize MeasureText(CDC* pDC, const LOGFONTA& lf, const CString& strText)
{
    CFont font;
    if (!font.CreateFontIndirect(&lf))
        return CSize(0, 0);
    CFont* pOld = pDC->SelectObject(&font);
    const CSize size = pDC->GetTextExtent(strText);
    pDC->SelectObject(pOld);
    return size;
}

// Fits lf to a panel: from the system font's size, doubled while fits() holds, then made smaller by
// nPercent (at least one unit) until it holds.
void FitFont(LOGFONTA& lf, int nPercent, const std::function<bool(const LOGFONTA&)>& fits)
{
    for (int i = 0; i < 8 && fits(lf); ++i) {
        lf.lfHeight *= 2;
        lf.lfWidth *= 2;
    }
    while (!fits(lf) && std::abs(lf.lfHeight) > 1) {
        lf.lfHeight -= (std::max)(1, int(lf.lfHeight * nPercent / 100));
        if (lf.lfWidth > 1)
            lf.lfWidth -= (std::max)(1, int(lf.lfWidth * nPercent / 100));
    }
}

// The title's sample text and its width factor.
CString TitleSample(DWORD nPanelStyle)
{
    return (nPanelStyle & CGXBPanel::gxFullMonthNames) ? "September, 2000" : "Sep, 2000";
}

}  // namespace

// ---- the calendar ------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CGXBCalendar, CWnd)

BEGIN_MESSAGE_MAP(CGXBCalendar, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_KEYDOWN()
    ON_MESSAGE(WM_LBUTTONDOWN, OnWndLButtonDown)
    ON_MESSAGE(WM_MOUSEMOVE, OnWndMouseMove)
    ON_MESSAGE(WM_LBUTTONUP, OnWndLButtonUp)
    ON_MESSAGE(WM_LBUTTONDBLCLK, OnWndLButtonDblClk)
    ON_MESSAGE(WM_RBUTTONDOWN, OnWndRButtonDown)
    ON_WM_CANCELMODE()
    ON_WM_NCHITTEST()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_COMMAND_RANGE(CGXBCalTitle::gxNextMonth, CGXBCalTitle::gxPrevMonth, OnTitleCommand)
END_MESSAGE_MAP()

CGXBCalendar::CGXBCalendar() : m_dtDisplay(kUnsetDisplay) {}

CGXBCalendar::~CGXBCalendar()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
    for (POSITION pos = m_markedDates.GetHeadPosition(); pos != nullptr;)
        delete static_cast<COleDateTime*>(m_markedDates.GetNext(pos));
    m_markedDates.RemoveAll();
}

COleDateTime CGXBCalendar::NormaliseToNoon(const COleDateTime& date)
{
    return COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), 12, 0, 0);
}

UINT CGXBCalendar::GetClassStyle()
{
    return CS_DBLCLKS;
}

BOOL CGXBCalendar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID, CCreateContext*)
{
    GridSysColors* pColors = GXGetSysColors();
    pColors->Refresh();
    LoadColors();
    const LPCSTR lpszClass = AfxRegisterWndClass(GetClassStyle(), pColors->m_hcurArrow);
    DWORD dwWindowStyle = dwStyle | WS_CLIPCHILDREN;
    if (!(dwWindowStyle & WS_POPUP))
        dwWindowStyle |= WS_CHILD;
    m_pParent = pParent;
    if (m_pOwner == nullptr)
        m_pOwner = pParent;
    m_bClosed = FALSE;
    if (!CreateEx(0, lpszClass, "CGXBCalendar", dwWindowStyle, rect, pParent,
                  (dwWindowStyle & WS_POPUP) ? 0 : nID))
        return FALSE;

    for (CGXBDayBox& box : m_boxes)
        box.Create(m_nCalendarStyle, m_nOtherMonthStyle, this, m_nBevelWidth);
    m_dayBar.Create(m_nCalendarStyle, m_nPanelStyle, this, m_nBevelWidth);
    if (!m_title.Create(m_nCalendarStyle, m_nPanelStyle | CGXBPanel::gxTextCentred, this, m_nBevelWidth))
        return FALSE;

    // the preferred size is measured in the system font, before the fonts are fitted
    const LOGFONTA lfSystem = SystemLogFont();
    m_lfTitle = m_lfBar = m_lfDays = lfSystem;
    if (m_nCalendarStyle & gxPreferredSize) {
        CClientDC dc(this);
        const CSize size = CalcPreferredSize(&dc);
        CRect rectWindow(0, 0, size.cx, size.cy);
        ::AdjustWindowRectEx(&rectWindow, CWnd::GetStyle(), FALSE, GetExStyle());
        SetWindowPos(nullptr, 0, 0, rectWindow.Width(), rectWindow.Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (m_dtDisplay == kUnsetDisplay)
        m_dtDisplay = COleDateTime::GetCurrentTime();
    m_dtDisplay = NormaliseToNoon(m_dtDisplay);
    if (!m_bHasSelection)
        m_dtFocus = m_dtDisplay;
    const BOOL bFixed = (m_nCalendarStyle & gxFixedMonth) != 0;
    m_nCalendarStyle &= ~gxFixedMonth;
    SetDisplayDate(m_dtDisplay, FALSE);
    if (bFixed)
        m_nCalendarStyle |= gxFixedMonth;
    LayoutPanels();
    MakeFonts();
    ApplyColors();
    UpdateWindow();
    SetFocus();
    return TRUE;
}

void CGXBCalendar::LoadColors()
{
    const GridSysColors* pColors = GXGetSysColors();
    m_crWindowText = pColors->GetSysColor(COLOR_WINDOWTEXT);
    m_crButtonText = m_crButtonText2 = pColors->GetSysColor(COLOR_BTNTEXT);
    m_crButtonFace = pColors->GetSysColor(COLOR_BTNFACE);
    m_crCaptionText = pColors->GetSysColor(COLOR_CAPTIONTEXT);
    m_crActiveCaption = pColors->GetSysColor(COLOR_ACTIVECAPTION);
    m_crGrayText = pColors->GetSysColor(COLOR_GRAYTEXT);
}

void CGXBCalendar::ApplyColors()
{
    m_title.SetTextColors(m_crWindowText, m_crGrayText);
    m_dayBar.SetTextColors(m_crWindowText, m_crGrayText);
    for (CGXBDayBox& box : m_boxes)
        box.SetTextColors(m_crWindowText, m_crGrayText);
}

void CGXBCalendar::OnInvalidDate()
{
    AfxGetServices()->MessageBeep(MB_ICONEXCLAMATION);
}

BOOL CGXBCalendar::IsValidMonth(int nYear, int nMonth, int)
{
    return (nYear > 100 || (nYear == 100 && nMonth > 1)) && (nYear < 9999 || (nYear == 9999 && nMonth < 12));
}

// ---- layout and fonts --------------------------------------------------------------------------------

void CGXBCalendar::LayoutPanels()
{
    if (m_hWnd == nullptr)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    const int w = rectClient.Width(), h = rectClient.Height();
    const int nTitleBottom = int(0.175 * (h - 1)), nBarBottom = int(0.25 * (h - 1));
    m_title.SetRect(CRect(0, 0, w - 1, nTitleBottom));
    m_dayBar.SetRect(CRect(0, nTitleBottom, w - 1, nBarBottom));
    for (int i = 0; i < 42; ++i) {
        const int nRow = i / 7, nCol = i % 7;
        const int nTop = int(h * kRowStarts[nRow]);
        const int nBottom = nRow < 5 ? int(h * kRowStarts[nRow + 1]) : h;
        const int nLeft = int(w * GXBDayColumnStarts[nCol]);
        const int nRight = nCol < 6 ? int(w * GXBDayColumnStarts[nCol + 1]) : w;
        m_boxes[i].SetRect(CRect(nLeft, nTop, nRight, nBottom));
    }
}

CSize CGXBCalendar::CalcPreferredSize(CDC* pDC)
{
    // the insets of a day in its fullest look, in the displayed and the adjacent months' style
    CGXBPanel probe;
    probe.Create(m_nCalendarStyle, m_nPanelStyle, this, m_nBevelWidth);
    int nInset = probe.GetMaxInset();
    probe.Create(m_nCalendarStyle, m_nOtherMonthStyle, this, m_nBevelWidth);
    nInset = (std::max)(nInset, probe.GetMaxInset());

    const CSize sizeDay = MeasureText(pDC, m_lfDays, "88") + CSize(2 * nInset, 2 * nInset);
    const CSize sizeName = MeasureText(pDC, m_lfBar, GXBDayName(3, (m_nPanelStyle & CGXBPanel::gxFullDayNames) != 0));
    const CSize sizeBar(7 * sizeName.cx, sizeName.cy);
    const CSize sizeSample = MeasureText(pDC, m_lfTitle, TitleSample(m_nPanelStyle));
    const double dFactor = (m_nCalendarStyle & (gxMonthButtons | gxYearButtons)) ? 2.2 : 1.2;
    const CSize sizeTitle(int(sizeSample.cx * dFactor), int(sizeSample.cy * 1.2));
    const int nWidth = (std::max)((std::max)(sizeTitle.cx, sizeBar.cx), LONG(7 * sizeDay.cx));
    return CSize(nWidth, sizeTitle.cy + sizeBar.cy + 6 * sizeDay.cy);
}

void CGXBCalendar::MakeFonts()
{
    const LOGFONTA lfSystem = SystemLogFont();
    m_lfTitle = m_lfBar = m_lfDays = lfSystem;
    if ((m_nCalendarStyle & gxFitFonts) && m_hWnd != nullptr) {
        CClientDC dc(this);
        for (LOGFONTA* pLf : {&m_lfTitle, &m_lfBar, &m_lfDays}) {
            lstrcpynA(pLf->lfFaceName, "Arial", LF_FACESIZE);
            pLf->lfQuality = DRAFT_QUALITY;
            pLf->lfOutPrecision = OUT_TT_ONLY_PRECIS;
            pLf->lfCharSet = DEFAULT_CHARSET;
        }
        m_lfTitle.lfOutPrecision = OUT_CHARACTER_PRECIS;
        m_lfTitle.lfPitchAndFamily = VARIABLE_PITCH;

        const CRect rectDay = m_boxes[0].GetRect();
        const int nInset = m_boxes[0].GetMaxInset();
        FitFont(m_lfDays, 10, [&](const LOGFONTA& lf) {
            const CSize size = MeasureText(&dc, lf, "88");
            return size.cx + 2 * nInset <= rectDay.Width() && size.cy + 2 * nInset <= rectDay.Height();
        });
        const CRect rectBar = m_dayBar.GetRect();
        const CString strName = GXBDayName(m_dayBar.GetColumnDay(4), (m_nPanelStyle & CGXBPanel::gxFullDayNames) != 0);
        FitFont(m_lfBar, 10, [&](const LOGFONTA& lf) {
            const CSize size = MeasureText(&dc, lf, strName);
            return 7 * size.cx <= rectBar.Width() && size.cy <= rectBar.Height();
        });
        const CRect rectTitle = m_title.GetRect();
        const double dFactor = m_title.HasButtons() ? 2.2 : 1.2;
        const CString strSample = TitleSample(m_nPanelStyle);
        FitFont(m_lfTitle, 5, [&](const LOGFONTA& lf) {
            const CSize size = MeasureText(&dc, lf, strSample);
            return size.cx * dFactor <= rectTitle.Width() && size.cy * 1.2 <= rectTitle.Height();
        });
    }
    m_fontTitle.DeleteObject();
    m_fontBar.DeleteObject();
    m_fontDays.DeleteObject();
    m_fontTitle.CreateFontIndirect(&m_lfTitle);
    m_fontBar.CreateFontIndirect(&m_lfBar);
    m_fontDays.CreateFontIndirect(&m_lfDays);
}

void CGXBCalendar::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    LayoutPanels();
}

// ---- showing a month ---------------------------------------------------------------------------------

BOOL CGXBCalendar::SetDisplayDate(const COleDateTime& date, BOOL bRedraw)
{
    const BOOL bShown = m_hWnd != nullptr && IsWindowVisible();
    if ((bShown && (m_nCalendarStyle & gxFixedMonth)) || date.GetStatus() != COleDateTime::valid ||
        !IsValidMonth(date.GetYear(), date.GetMonth(), date.GetDay())) {
        OnInvalidDate();
        return FALSE;
    }
    m_dtDisplay = NormaliseToNoon(date);
    m_title.SetTitle(m_dtDisplay);

    // from the first of the month back to the nearest Sunday, 42 days
    const COleDateTime first(m_dtDisplay.GetYear(), m_dtDisplay.GetMonth(), 1, 12, 0, 0);
    COleDateTime day = first - COleDateTimeSpan(double(first.GetDayOfWeek() - 1));
    m_pSelectedBox = nullptr;
    for (CGXBDayBox& box : m_boxes) {
        const BOOL bOther = day.GetMonth() != m_dtDisplay.GetMonth();
        DWORD nCalendarStyle = m_nCalendarStyle & ~(gxCanSelect | gxCanMark);
        if (!bOther)
            nCalendarStyle |= m_nCalendarStyle & (gxCanSelect | gxCanMark);
        else if (m_nCalendarStyle & gxSelectOtherMonth)
            nCalendarStyle |= m_nCalendarStyle & gxCanSelect;
        box.SetStyle(bOther ? m_nOtherMonthStyle : m_nPanelStyle);
        box.SetCalendarStyle(nCalendarStyle);
        box.SetDate(day, bOther);
        box.SetMarked(IsMarked(day));
        const BOOL bSelected = m_bHasSelection && day == m_dtSelected && box.CanSelect();
        box.SetSelected(bSelected);
        if (bSelected) {
            m_pSelectedBox = &box;
            m_dtFocus = day;
        }
        day += COleDateTimeSpan(1.0);
    }
    if (bRedraw && m_hWnd != nullptr) {
        Invalidate(FALSE);
        UpdateWindow();
    }
    return TRUE;
}

// ---- selecting and marking ---------------------------------------------------------------------------

void CGXBCalendar::Notify(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    CWnd* pOwner = m_pOwner != nullptr ? m_pOwner : m_pParent;
    if (pOwner != nullptr && pOwner->m_hWnd != nullptr)
        ::PostMessageA(pOwner->m_hWnd, nMessage, wParam, lParam);
}

void CGXBCalendar::Close(UINT nMessage)
{
    if (m_bDragging) {
        m_bDragging = FALSE;
        ::ReleaseCapture();
    }
    Notify(nMessage);
    // hiding deactivates a pop-up: that must not report a second time
    m_bClosed = TRUE;
    if (m_hWnd != nullptr)
        ShowWindow(SW_HIDE);
}

void CGXBCalendar::SelectDate(const COleDateTime& date, BOOL bSelect)
{
    if (date.GetStatus() != COleDateTime::valid)
        return;
    const COleDateTime noon = NormaliseToNoon(date);
    const BOOL bShown = m_hWnd != nullptr && IsWindowVisible();
    if (bSelect) {
        m_dtSelected = noon;
        m_bHasSelection = TRUE;
        m_dtFocus = noon;
    } else if (m_bHasSelection && m_dtSelected == noon) {
        m_bHasSelection = FALSE;
    }
    BOOL bChosen = FALSE;
    if (bSelect)
        m_pSelectedBox = nullptr;
    for (CGXBDayBox& box : m_boxes) {
        if (!box.HasDate())
            continue;
        if (box.GetDate() == noon) {
            if (!box.CanSelect())
                continue;
            box.SetSelected(bSelect);
            if (m_hWnd != nullptr)
                InvalidateRect(&box.GetRect(), FALSE);
            if (bSelect)
                m_pSelectedBox = &box;
            else if (m_pSelectedBox == &box)
                m_pSelectedBox = nullptr;
            if (bShown)
                Notify(gxSelChanged, bSelect, LPARAM(&box));
            bChosen = bChosen || bSelect;
        } else if (bSelect && box.IsSelected()) {
            // one selection at a time
            box.SetSelected(FALSE);
            if (m_hWnd != nullptr)
                InvalidateRect(&box.GetRect(), FALSE);
            if (bShown)
                Notify(gxSelChanged, FALSE, LPARAM(&box));
        }
    }
    if (bChosen && (m_nCalendarStyle & gxCloseOnSelect))
        Notify(gxDateChosen, TRUE, LPARAM(m_pSelectedBox));
    if (bShown) {
        UpdateWindow();
        SetFocus();
    }
}

void CGXBCalendar::ToggleSelect(const COleDateTime& date)
{
    const COleDateTime noon = NormaliseToNoon(date);
    for (CGXBDayBox& box : m_boxes) {
        if (!box.HasDate() || box.GetDate() != noon || !box.CanSelect())
            continue;
        const BOOL bSelect = !box.IsSelected();
        // the choice is the close below, not SelectDate's own notice
        const DWORD nStyle = m_nCalendarStyle;
        m_nCalendarStyle &= ~gxCloseOnSelect;
        SelectDate(noon, bSelect);
        m_nCalendarStyle = nStyle;
        if (bSelect && (m_nCalendarStyle & gxCloseOnSelect))
            Close(gxDateChosen);
        return;
    }
}

BOOL CGXBCalendar::IsMarked(const COleDateTime& date) const
{
    const COleDateTime noon = NormaliseToNoon(date);
    for (POSITION pos = m_markedDates.GetHeadPosition(); pos != nullptr;)
        if (*static_cast<const COleDateTime*>(m_markedDates.GetNext(pos)) == noon)
            return TRUE;
    return FALSE;
}

void CGXBCalendar::MarkDate(const COleDateTime& date, BOOL bMark)
{
    if (date.GetStatus() != COleDateTime::valid)
        return;
    const COleDateTime noon = NormaliseToNoon(date);
    for (CGXBDayBox& box : m_boxes) {
        if (!box.HasDate() || box.GetDate() != noon || !box.CanMark())
            continue;
        box.SetMarked(bMark);
        if (m_hWnd != nullptr)
            InvalidateRect(&box.GetRect(), FALSE);
        Notify(gxMarkChanged, bMark, LPARAM(&box));
    }
    // the list stays ascending and holds each date once
    POSITION pos = m_markedDates.GetHeadPosition();
    while (pos != nullptr) {
        const POSITION posAt = pos;
        COleDateTime* pDate = static_cast<COleDateTime*>(m_markedDates.GetNext(pos));
        if (*pDate == noon) {
            if (!bMark) {
                m_markedDates.RemoveAt(posAt);
                delete pDate;
            }
            return;
        }
        if (noon < *pDate) {
            if (bMark)
                m_markedDates.InsertBefore(posAt, new COleDateTime(noon));
            return;
        }
    }
    if (bMark)
        m_markedDates.AddTail(new COleDateTime(noon));
}

void CGXBCalendar::ToggleMark(const COleDateTime& date)
{
    const COleDateTime noon = NormaliseToNoon(date);
    for (CGXBDayBox& box : m_boxes)
        if (box.HasDate() && box.GetDate() == noon && box.CanMark()) {
            MarkDate(noon, !box.IsMarked());
            return;
        }
}

// ---- moving ------------------------------------------------------------------------------------------

BOOL CGXBCalendar::MoveSelection(LONG lSeconds)
{
    return MoveSelection(COleDateTimeSpan(0, 0, 0, int(lSeconds)));
}

BOOL CGXBCalendar::MoveDisplay(LONG lSeconds)
{
    return MoveDisplay(COleDateTimeSpan(0, 0, 0, int(lSeconds)));
}

BOOL CGXBCalendar::MoveSelection(const COleDateTimeSpan& span)
{
    if (!m_bHasSelection) {
        OnInvalidDate();
        return FALSE;
    }
    const COleDateTime target = m_dtSelected + span;
    if (target.GetStatus() != COleDateTime::valid ||
        !IsValidMonth(target.GetYear(), target.GetMonth(), target.GetDay())) {
        OnInvalidDate();
        return FALSE;
    }
    if ((target.GetYear() != m_dtDisplay.GetYear() || target.GetMonth() != m_dtDisplay.GetMonth()) &&
        !SetDisplayDate(target, TRUE))
        return FALSE;
    SelectDate(target, TRUE);
    return TRUE;
}

BOOL CGXBCalendar::MoveDisplay(const COleDateTimeSpan& span)
{
    const COleDateTime target = m_dtDisplay + span;
    if (target.GetStatus() != COleDateTime::valid ||
        !IsValidMonth(target.GetYear(), target.GetMonth(), target.GetDay())) {
        OnInvalidDate();
        return FALSE;
    }
    return SetDisplayDate(target, TRUE);
}

BOOL CGXBCalendar::MoveBy(BOOL bSelection, const COleDateTime& target)
{
    const COleDateTime& base = bSelection ? m_dtSelected : m_dtDisplay;
    if (bSelection && !m_bHasSelection) {
        OnInvalidDate();
        return FALSE;
    }
    const COleDateTimeSpan span = NormaliseToNoon(target) - base;
    return bSelection ? MoveSelection(span) : MoveDisplay(span);
}

BOOL CGXBCalendar::NextDay(BOOL bSelection)
{
    return bSelection ? MoveSelection(COleDateTimeSpan(1.0)) : MoveDisplay(COleDateTimeSpan(1.0));
}

BOOL CGXBCalendar::PrevDay(BOOL bSelection)
{
    return bSelection ? MoveSelection(COleDateTimeSpan(-1.0)) : MoveDisplay(COleDateTimeSpan(-1.0));
}

BOOL CGXBCalendar::NextWeek(BOOL bSelection)
{
    if (m_hWnd != nullptr)
        SetFocus();
    return bSelection ? MoveSelection(COleDateTimeSpan(7.0)) : MoveDisplay(COleDateTimeSpan(7.0));
}

BOOL CGXBCalendar::PrevWeek(BOOL bSelection)
{
    if (m_hWnd != nullptr)
        SetFocus();
    return bSelection ? MoveSelection(COleDateTimeSpan(-7.0)) : MoveDisplay(COleDateTimeSpan(-7.0));
}

COleDateTime CGXBCalendar::FirstOfAdjacentMonth(const COleDateTime& date, int nDelta)
{
    int nYear = date.GetYear(), nMonth = date.GetMonth() + nDelta;
    if (nMonth > 12) {
        nMonth = 1;
        ++nYear;
    } else if (nMonth < 1) {
        nMonth = 12;
        --nYear;
    }
    return COleDateTime(nYear, nMonth, 1, 12, 0, 0);
}

BOOL CGXBCalendar::NextMonth(BOOL bSelection)
{
    return MoveBy(bSelection, FirstOfAdjacentMonth(bSelection ? m_dtSelected : m_dtDisplay, 1));
}

BOOL CGXBCalendar::PrevMonth(BOOL bSelection)
{
    return MoveBy(bSelection, FirstOfAdjacentMonth(bSelection ? m_dtSelected : m_dtDisplay, -1));
}

BOOL CGXBCalendar::MoveYear(BOOL bSelection, int nDelta)
{
    if (bSelection && !m_bHasSelection) {
        OnInvalidDate();
        return FALSE;
    }
    const COleDateTime& base = bSelection ? m_dtSelected : m_dtDisplay;
    const int nYear = base.GetYear() + nDelta;
    if (nYear > 9999 || nYear < 100) {
        OnInvalidDate();
        return FALSE;
    }
    // 29 February becomes 28 February in a year without it
    const int nDay = (std::min)(base.GetDay(), DaysInMonth(nYear, base.GetMonth()));
    return MoveBy(bSelection, COleDateTime(nYear, base.GetMonth(), nDay, 12, 0, 0));
}

BOOL CGXBCalendar::NextYear(BOOL bSelection)
{
    return MoveYear(bSelection, 1);
}

BOOL CGXBCalendar::PrevYear(BOOL bSelection)
{
    return MoveYear(bSelection, -1);
}

// ---- painting ----------------------------------------------------------------------------------------

BOOL CGXBCalendar::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, GXGetSysColors()->GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CGXBCalendar::OnPaint()
{
    CPaintDC dc(this);
    CFont* pOldFont = dc.SelectObject(&m_fontTitle);
    m_title.Draw(&dc);
    dc.SelectObject(&m_fontBar);
    m_dayBar.Draw(&dc);
    dc.SelectObject(&m_fontDays);
    for (CGXBDayBox& box : m_boxes)
        if (dc.RectVisible(&box.GetRect()))
            box.Draw(&dc);
    dc.SelectObject(pOldFont);
}

void CGXBCalendar::OnSysColorChange()
{
    GXGetSysColors()->Refresh();
    LoadColors();
    ApplyColors();
    Invalidate();
}

// ---- keys --------------------------------------------------------------------------------------------

void CGXBCalendar::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!(m_nCalendarStyle & gxKeyboard)) {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    const BOOL bCtrl = IsKeyDown(VK_CONTROL);
    switch (nChar) {
    case VK_ESCAPE:
    case VK_CANCEL:
        Close(gxCancelled);
        break;
    case VK_RETURN:
        Close(m_bHasSelection ? gxDateChosen : gxCancelled);
        break;
    case VK_SPACE:
        ToggleSelect(m_dtFocus);
        break;
    case VK_HOME:
        SelectDate(COleDateTime(m_dtDisplay.GetYear(), m_dtDisplay.GetMonth(), 1, 12, 0, 0), TRUE);
        break;
    case VK_END:
        SelectDate(COleDateTime(m_dtDisplay.GetYear(), m_dtDisplay.GetMonth(),
                                DaysInMonth(m_dtDisplay.GetYear(), m_dtDisplay.GetMonth()), 12, 0, 0),
                   TRUE);
        break;
    case VK_LEFT:
    case VK_NUMPAD4:
        bCtrl ? PrevMonth(TRUE) : PrevDay(TRUE);
        break;
    case VK_RIGHT:
    case VK_NUMPAD6:
        bCtrl ? NextMonth(TRUE) : NextDay(TRUE);
        break;
    case VK_UP:
    case VK_NUMPAD8:
        bCtrl ? PrevYear(TRUE) : PrevWeek(TRUE);
        break;
    case VK_DOWN:
    case VK_NUMPAD2:
        bCtrl ? NextYear(TRUE) : NextWeek(TRUE);
        break;
    case VK_PRIOR:
        bCtrl ? PrevYear(TRUE) : PrevMonth(TRUE);
        break;
    case VK_NEXT:
        bCtrl ? NextYear(TRUE) : NextMonth(TRUE);
        break;
    default:
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        break;
    }
}

void CGXBCalendar::OnTitleCommand(UINT nID)
{
    switch (nID) {
    case CGXBCalTitle::gxPrevMonth:
        PrevMonth(FALSE);
        break;
    case CGXBCalTitle::gxNextMonth:
        NextMonth(FALSE);
        break;
    case CGXBCalTitle::gxPrevYear:
        PrevYear(FALSE);
        break;
    case CGXBCalTitle::gxNextYear:
        NextYear(FALSE);
        break;
    }
}

// ---- mouse -------------------------------------------------------------------------------------------

CGXBDayBox* CGXBCalendar::DayBoxFromPoint(CPoint point)
{
    for (CGXBDayBox& box : m_boxes)
        if (box.GetRect().PtInRect(point))
            return &box;
    return nullptr;
}

void CGXBCalendar::ClickDay(CGXBDayBox* pBox)
{
    const COleDateTime date = pBox->GetDate();
    if (pBox->IsOtherMonth() && !(m_nCalendarStyle & gxSelectOtherMonth) && !SetDisplayDate(date, TRUE))
        return;
    if (m_nCalendarStyle & gxDragSelect)
        SelectDate(date, TRUE);
    else
        ToggleSelect(date);
}

LRESULT CGXBCalendar::OnWndLButtonDown(WPARAM, LPARAM lParam)
{
    const CPoint point(short(LOWORD(lParam)), short(HIWORD(lParam)));
    CGXBDayBox* pBox = DayBoxFromPoint(point);
    if (pBox == nullptr)
        return 0;
    m_bRestoreSelection = m_bHasSelection && m_dtSelected.GetYear() == m_dtDisplay.GetYear() &&
                          m_dtSelected.GetMonth() == m_dtDisplay.GetMonth();
    m_dtRestore = m_dtSelected;
    const COleDateTime date = pBox->GetDate();
    ClickDay(pBox);
    if ((m_nCalendarStyle & gxDragSelect) && m_bHasSelection && m_dtSelected == date) {
        SetCapture();
        m_bDragging = TRUE;
    }
    return 0;
}

LRESULT CGXBCalendar::OnWndMouseMove(WPARAM, LPARAM lParam)
{
    if (!m_bDragging)
        return 0;
    const CPoint point(short(LOWORD(lParam)), short(HIWORD(lParam)));
    CRect rectClient;
    GetClientRect(&rectClient);
    if (!rectClient.PtInRect(point)) {
        if (m_bHasSelection)
            SelectDate(m_dtSelected, FALSE);
        return 0;
    }
    CGXBDayBox* pBox = DayBoxFromPoint(point);
    if (pBox != nullptr && !pBox->IsSelected())
        ClickDay(pBox);
    return 0;
}

LRESULT CGXBCalendar::OnWndLButtonUp(WPARAM, LPARAM lParam)
{
    const CPoint point(short(LOWORD(lParam)), short(HIWORD(lParam)));
    CGXBDayBox* pBox = DayBoxFromPoint(point);
    const BOOL bWasDragging = m_bDragging;
    if (m_bDragging) {
        m_bDragging = FALSE;
        ::ReleaseCapture();
        CRect rectClient;
        GetClientRect(&rectClient);
        if (pBox != nullptr && !pBox->IsSelected())
            ClickDay(pBox);
        else if (!rectClient.PtInRect(point) && m_bRestoreSelection)
            SelectDate(m_dtRestore, TRUE);
    }
    if ((bWasDragging || pBox != nullptr) && (m_nCalendarStyle & gxCloseOnRelease) && m_bHasSelection)
        Close(gxDateChosen);
    return 0;
}

LRESULT CGXBCalendar::OnWndLButtonDblClk(WPARAM, LPARAM lParam)
{
    CGXBDayBox* pBox = DayBoxFromPoint(CPoint(short(LOWORD(lParam)), short(HIWORD(lParam))));
    if (pBox == nullptr)
        return 0;
    if (!pBox->IsSelected())
        ClickDay(pBox);
    if ((m_nCalendarStyle & gxCloseOnRelease) && m_bHasSelection)
        Close(gxDateChosen);
    return 0;
}

LRESULT CGXBCalendar::OnWndRButtonDown(WPARAM, LPARAM lParam)
{
    CGXBDayBox* pBox = DayBoxFromPoint(CPoint(short(LOWORD(lParam)), short(HIWORD(lParam))));
    if (pBox == nullptr)
        return 0;
    const COleDateTime date = pBox->GetDate();
    if (pBox->IsOtherMonth() && !SetDisplayDate(date, TRUE))
        return 0;
    ToggleMark(date);
    return 0;
}

void CGXBCalendar::OnCancelMode()
{
    if (m_bDragging) {
        m_bDragging = FALSE;
        ::ReleaseCapture();
        if (m_bRestoreSelection)
            SelectDate(m_dtRestore, TRUE);
    }
    CWnd::OnCancelMode();
}

LRESULT CGXBCalendar::OnNcHitTest(CPoint point)
{
    const LRESULT nHit = CWnd::OnNcHitTest(point);
    // without the sizable style the borders are part of the calendar
    if (!(m_nCalendarStyle & gxSizable) && nHit >= HTLEFT && nHit <= HTBOTTOMRIGHT)
        return HTCLIENT;
    return nHit;
}

void CGXBCalendar::OnDestroy()
{
    for (POSITION pos = m_markedDates.GetHeadPosition(); pos != nullptr;)
        delete static_cast<COleDateTime*>(m_markedDates.GetNext(pos));
    m_markedDates.RemoveAll();
    CWnd::OnDestroy();
}

// ---- the pop-up --------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CGXBPopupCalendar, CGXBCalendar)

BEGIN_MESSAGE_MAP(CGXBPopupCalendar, CGXBCalendar)
    ON_WM_ACTIVATE()
END_MESSAGE_MAP()

CGXBPopupCalendar::CGXBPopupCalendar()
{
    m_nCalendarStyle = 0x39c100;
    m_nPanelStyle = 0x83;
    m_nOtherMonthStyle = 0x181;
}

UINT CGXBPopupCalendar::GetClassStyle()
{
    return CS_DBLCLKS | CS_SAVEBITS;
}

int CGXBPopupCalendar::SetDeactivateMode(int nMode)
{
    const int nOld = m_bAcceptOnDeactivate ? 1 : 2;
    m_bAcceptOnDeactivate = nMode == 1;
    return nOld;
}

BOOL CGXBPopupCalendar::CreatePopup(DWORD dwStyle, const CRect& rectOwner, CWnd* pOwner, UINT nID)
{
    m_nCalendarStyle |= gxPreferredSize;
    m_pOwner = pOwner;
    const DWORD dwWindowStyle = (dwStyle & ~WS_CHILD) | WS_POPUP | WS_CLIPCHILDREN;
    CSize size;
    {
        CClientDC dc(pOwner);
        const LOGFONTA lfSystem = SystemLogFont();
        m_lfTitle = m_lfBar = m_lfDays = lfSystem;
        size = CalcPreferredSize(&dc);
    }
    CRect rectWindow(0, 0, size.cx, size.cy);
    ::AdjustWindowRectEx(&rectWindow, dwWindowStyle, FALSE, 0);
    const int w = rectWindow.Width(), h = rectWindow.Height();
    CRect rectWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rectWork, 0);
    int x, y = rectOwner.bottom;
    if (dwStyle & gxBelowOwner) {
        x = rectOwner.left;
        if (x + w > rectWork.right)
            x = rectOwner.right - w;
    } else {
        x = rectOwner.right;
        if (x + w > rectWork.right)
            x = rectOwner.left - w;
    }
    if (y + h > rectWork.bottom)
        y = rectOwner.top - h;
    if (!Create(dwWindowStyle & ~WS_VISIBLE, CRect(x, y, x + w, y + h), pOwner, nID))
        return FALSE;
    ShowWindow(SW_SHOW);
    UpdateWindow();
    SetFocus();
    return TRUE;
}

void CGXBPopupCalendar::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CGXBCalendar::OnActivate(nState, pWndOther, bMinimized);
    if (nState != WA_INACTIVE || m_bClosed || !IsWindowVisible())
        return;
    Close(m_bAcceptOnDeactivate && m_bHasSelection ? gxDateChosen : gxCancelled);
}
