// The month calendar's drawing parts (see GXBCalPanel.h).
#include "grid/controls/GXBCalPanel.h"

#include "grid/controls/GXBCalendar.h"
#include "grid/engine/GXState.h"
#include "win/CDC.h"

#include <cstdio>

const double GXBDayColumnStarts[7] = {0.0, 0.143, 0.286, 0.429, 0.572, 0.715, 0.858};

namespace {

CString LocaleText(LCTYPE lcType)
{
    char buffer[128] = {};
    ::GetLocaleInfoA(::GetUserDefaultLCID(), lcType, buffer, sizeof buffer);
    return CString(buffer);
}

}  // namespace

CString GXBDayName(int nDay, BOOL bFull)
{
    // the locale numbers the days from Monday (1) to Sunday (7)
    const int nLocaleDay = nDay == 0 ? 7 : nDay;
    return LocaleText((bFull ? LOCALE_SDAYNAME1 : LOCALE_SABBREVDAYNAME1) + LCTYPE(nLocaleDay - 1));
}

CString GXBMonthName(int nMonth, BOOL bFull)
{
    return LocaleText((bFull ? LOCALE_SMONTHNAME1 : LOCALE_SABBREVMONTHNAME1) + LCTYPE(nMonth - 1));
}

// ---- the panel ---------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXBPanel, CObject)

CGXBPanel::CGXBPanel() = default;

BOOL CGXBPanel::Create(DWORD nCalendarStyle, DWORD nStyle, CGXBCalendar* pCalendar, int nBevelWidth)
{
    m_nCalendarStyle = nCalendarStyle;
    m_nStyle = nStyle;
    m_pCalendar = pCalendar;
    m_nBevelWidth = nBevelWidth;
    m_bDirty = TRUE;
    m_bCreated = TRUE;
    return TRUE;
}

void CGXBPanel::ComputeInsets()
{
    const BOOL bFrame = (m_nStyle & (m_bSelected ? gxFrameSelected : gxFrameUnselected)) != 0;
    const BOOL bBevel = (m_nStyle & (m_bSelected ? gxBevelSelected : gxBevelUnselected)) != 0;
    const BOOL bMarkedFrame = m_bMarked && (m_nStyle & (m_bSelected ? gxMarkedSelected : gxMarkedUnselected)) != 0;
    m_nFrameInset = bFrame ? 1 : 0;
    m_nBevelInset = m_nFrameInset + (bBevel ? m_nBevelWidth : 0);
    m_nMarkedInset = m_nBevelInset + (bMarkedFrame ? m_nBevelWidth : 0);
    m_bDirty = FALSE;
}

int CGXBPanel::GetMaxInset() const
{
    int nMax = 0;
    for (BOOL bSelected : {FALSE, TRUE}) {
        int nInset = (m_nStyle & (bSelected ? gxFrameSelected : gxFrameUnselected)) ? 1 : 0;
        if (m_nStyle & (bSelected ? gxBevelSelected : gxBevelUnselected))
            nInset += m_nBevelWidth;
        if (m_nStyle & (bSelected ? gxMarkedSelected : gxMarkedUnselected))
            nInset += m_nBevelWidth;
        nMax = nInset > nMax ? nInset : nMax;
    }
    return nMax;
}

CRect CGXBPanel::GetInteriorRect()
{
    if (m_bDirty)
        ComputeInsets();
    CRect rect = m_rect;
    rect.DeflateRect(m_nMarkedInset, m_nMarkedInset);
    return rect;
}

void CGXBPanel::Draw(CDC* pDC)
{
    if (m_rect.IsRectEmpty())
        return;
    if (m_bDirty)
        ComputeInsets();
    DrawFrameLine(pDC);
    DrawBevel(pDC);
    DrawInterior(pDC);
    DrawText(pDC);
    DrawMarkedFrame(pDC);
}

void CGXBPanel::DrawFrameLine(CDC* pDC)
{
    if (m_nFrameInset == 0)
        return;
    pDC->Draw3dRect(&m_rect, m_crFrame, m_crFrame);
}

void CGXBPanel::DrawBevel(CDC* pDC)
{
    const GridSysColors* pColors = GXGetSysColors();
    const COLORREF crLight = pColors->GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF crShadow = pColors->GetSysColor(COLOR_BTNSHADOW);
    CRect rect = m_rect;
    rect.DeflateRect(m_nFrameInset, m_nFrameInset);
    // sunken while selected
    for (int i = m_nFrameInset; i < m_nBevelInset; ++i) {
        if (m_bSelected)
            pDC->Draw3dRect(&rect, crShadow, crLight);
        else
            pDC->Draw3dRect(&rect, crLight, crShadow);
        rect.DeflateRect(1, 1);
    }
}

void CGXBPanel::DrawInterior(CDC* pDC)
{
    CRect rect = m_rect;
    rect.DeflateRect(m_nBevelInset, m_nBevelInset);
    pDC->FillSolidRect(&rect, GXGetSysColors()->GetSysColor(COLOR_BTNFACE));
}

void CGXBPanel::DrawMarkedFrame(CDC* pDC)
{
    CRect rect = m_rect;
    rect.DeflateRect(m_nBevelInset, m_nBevelInset);
    for (int i = m_nBevelInset; i < m_nMarkedInset; ++i) {
        pDC->Draw3dRect(&rect, m_crMarked, m_crMarked);
        rect.DeflateRect(1, 1);
    }
}

void CGXBPanel::DrawText(CDC* pDC)
{
    DrawPanelText(pDC, m_strText, m_crText, GetInteriorRect());
}

void CGXBPanel::DrawPanelText(CDC* pDC, const CString& strText, COLORREF crText, CRect rect)
{
    if (strText.IsEmpty())
        return;
    UINT nFormat = DT_SINGLELINE | DT_NOPREFIX;
    if (m_nStyle & gxTextCentred) {
        nFormat |= DT_CENTER | DT_VCENTER;
    } else {
        rect.left += rect.Width() / 10;
        rect.top += rect.Height() / 10;
    }
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = pDC->SetTextColor(crText);
    pDC->DrawText(strText, &rect, nFormat);
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
}

// ---- a day -------------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXBDayBox, CGXBPanel)

void CGXBDayBox::SetDate(const COleDateTime& date, BOOL bOtherMonth)
{
    m_date = date;
    m_bDateSet = TRUE;
    m_bOtherMonth = bOtherMonth;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d", date.GetDay());
    m_strText = buffer;
}

void CGXBDayBox::DrawText(CDC* pDC)
{
    const BOOL bGray = m_bOtherMonth && (m_nStyle & gxGrayOtherMonth);
    DrawPanelText(pDC, m_strText, bGray ? m_crGrayText : m_crText, GetInteriorRect());
}

// ---- the weekday bar ---------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXBDayBar, CGXBPanel)

void CGXBDayBar::DrawText(CDC* pDC)
{
    const CRect rectInterior = GetInteriorRect();
    const int nWidth = m_rect.Width();
    for (int nColumn = 1; nColumn <= 7; ++nColumn) {
        CRect rect = rectInterior;
        rect.left = m_rect.left + int(nWidth * GXBDayColumnStarts[nColumn - 1]);
        rect.right = nColumn < 7 ? m_rect.left + int(nWidth * GXBDayColumnStarts[nColumn]) : m_rect.right;
        const CString strName = GXBDayName(GetColumnDay(nColumn), (m_nStyle & gxFullDayNames) != 0);
        const int nOldMode = pDC->SetBkMode(TRANSPARENT);
        const COLORREF crOld = pDC->SetTextColor(m_crText);
        pDC->DrawText(strName, &rect, DT_SINGLELINE | DT_NOPREFIX | DT_CENTER | DT_VCENTER);
        pDC->SetTextColor(crOld);
        pDC->SetBkMode(nOldMode);
    }
}

// ---- the title ---------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXBCalTitle, CGXBPanel)

namespace {

struct TitleButton {
    const char* pszText;
    UINT nId;
    DWORD dwStyleBit;
};
const TitleButton kTitleButtons[4] = {
    {"<<", CGXBCalTitle::gxPrevYear, CGXBCalTitle::gxYearButtons},
    {"<", CGXBCalTitle::gxPrevMonth, CGXBCalTitle::gxMonthButtons},
    {">", CGXBCalTitle::gxNextMonth, CGXBCalTitle::gxMonthButtons},
    {">>", CGXBCalTitle::gxNextYear, CGXBCalTitle::gxYearButtons},
};

}  // namespace

BOOL CGXBCalTitle::Create(DWORD nCalendarStyle, DWORD nStyle, CGXBCalendar* pCalendar, int nBevelWidth)
{
    CGXBPanel::Create(nCalendarStyle, nStyle, pCalendar, nBevelWidth);
    for (int i = 0; i < 4; ++i) {
        const BOOL bWanted = (nCalendarStyle & kTitleButtons[i].dwStyleBit) != 0 &&
                             (kTitleButtons[i].dwStyleBit == gxYearButtons ? m_bYearButtons : m_bMonthButtons);
        if (bWanted && m_buttons[i].m_hWnd == nullptr &&
            !m_buttons[i].Create(kTitleButtons[i].pszText, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 0, 0),
                                 pCalendar, kTitleButtons[i].nId))
            return FALSE;
    }
    return TRUE;
}

BOOL CGXBCalTitle::HasButtons() const
{
    for (const CButton& button : m_buttons)
        if (button.m_hWnd != nullptr)
            return TRUE;
    return FALSE;
}

void CGXBCalTitle::SetRect(const CRect& rect)
{
    CGXBPanel::SetRect(rect);
    const BOOL bYear = m_buttons[0].m_hWnd != nullptr, bMonth = m_buttons[1].m_hWnd != nullptr;
    const int nTop = rect.top + rect.Height() / 5, nBottom = rect.top + rect.Height() * 4 / 5;
    const int nWidth = rect.Width();
    // a button's place in 200ths of the width, from the left edge
    auto place = [&](CButton& button, int nFrom, int nTo) {
        if (button.m_hWnd != nullptr)
            button.MoveWindow(rect.left + nWidth * nFrom / 200, nTop, nWidth * (nTo - nFrom) / 200, nBottom - nTop);
    };
    if (bYear && bMonth) {
        place(m_buttons[0], 10, 30);
        place(m_buttons[1], 30, 50);
        place(m_buttons[2], 150, 170);
        place(m_buttons[3], 170, 190);
    } else {
        // one kind of button takes the outer places
        place(m_buttons[bYear ? 0 : 1], 10, 30);
        place(m_buttons[bYear ? 3 : 2], 170, 190);
    }
}

void CGXBCalTitle::SetTitle(const COleDateTime& date)
{
    CString strTitle;
    strTitle.Format("%s %d", GXBMonthName(date.GetMonth(), (m_nStyle & gxFullMonthNames) != 0).GetString(),
                    date.GetYear());
    m_strText = strTitle;
}

void CGXBCalTitle::Draw(CDC* pDC)
{
    CGXBPanel::Draw(pDC);
    CFont* pFont = m_pCalendar != nullptr ? m_pCalendar->GetTitleFont() : nullptr;
    if (pFont == nullptr || pFont->m_hObject == nullptr)
        return;
    for (CButton& button : m_buttons)
        if (button.m_hWnd != nullptr && HGDIOBJ(button.SendMessage(WM_GETFONT)) != pFont->m_hObject)
            button.SetFont(pFont, TRUE);
}
