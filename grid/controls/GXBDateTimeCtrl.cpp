// The date/time window: its value, range, pattern and gadgets, and the path every change takes (see
// GXBDateTimeCtrl.h). Its messages are in GXBDateTimeCtrlInput.cpp.
#include "grid/controls/GXBDateTimeCtrl.h"

#include "grid/controls/GXBCalendar.h"
#include "grid/engine/GXState.h"
#include "win/CDC.h"
#include "win/CWindowDC.h"
#include "win/Win.h"

namespace {

BOOL IsValidDay(int nYear, int nMonth, int nDay)
{
    return COleDateTime(nYear, nMonth, nDay, 0, 0, 0).GetStatus() == COleDateTime::valid;
}

// A day from 29 on reduced by one until the date exists (down to 28 at most); FALSE when none does.
BOOL ReduceDay(int nYear, int nMonth, int& nDay)
{
    while (!IsValidDay(nYear, nMonth, nDay) && nDay > 28)
        --nDay;
    return IsValidDay(nYear, nMonth, nDay);
}

// a lies below b by a second or more.
BOOL IsBelow(const COleDateTime& a, const COleDateTime& b)
{
    return (b - a).GetTotalSeconds() >= 1.0;
}

CString LocaleInfo(LCTYPE lcType)
{
    char buffer[256] = {};
    ::GetLocaleInfoA(LOCALE_USER_DEFAULT, lcType, buffer, sizeof buffer);
    return CString(buffer);
}

// The format codes: the letter, the longest run it takes.
int CodeMaxCount(char ch)
{
    switch (ch) {
    case 'h':
    case 'H':
    case 'm':
    case 's':
    case 't':
    case 'g':
        return 2;
    case 'd':
    case 'M':
    case 'y':
        return 4;
    default:
        return 0;
    }
}

}  // namespace

extern CString GXBDayName(int nDay, BOOL bFull);
extern CString GXBMonthName(int nMonth, BOOL bFull);

IMPLEMENT_DYNAMIC(CGXBDateTimeCtrl, CWnd)

CGXBDateTimeCtrl::CGXBDateTimeCtrl()
    : m_dtValue(COleDateTime::GetCurrentTime()), m_dtMin(gxMinDate), m_dtMax(gxMaxDate)
{
    const GridSysColors* pColors = GXGetSysColors();
    m_crText = pColors->GetSysColor(COLOR_WINDOWTEXT);
    m_crBack = pColors->GetSysColor(COLOR_WINDOW);
    m_crBackground = m_crBack;
}

CGXBDateTimeCtrl::~CGXBDateTimeCtrl()
{
    delete m_pCalendar;
    m_pCalendar = nullptr;
    if (m_hWnd != nullptr)
        DestroyWindow();
    for (INT_PTR i = 0; i < m_gadgets.GetSize(); ++i)
        delete m_gadgets[i];
    m_gadgets.RemoveAll();
}

BOOL CGXBDateTimeCtrl::DecodeDate(const COleDateTime& value, GXBDateParts& parts)
{
    SYSTEMTIME st;
    if (value.GetStatus() != COleDateTime::valid || !value.GetAsSystemTime(st))
        return FALSE;
    parts = {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wDayOfWeek + 1};
    return TRUE;
}

CGXBDTGadget* CGXBDateTimeCtrl::GetGadget(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_gadgets.GetSize() ? static_cast<CGXBDTGadget*>(m_gadgets[nIndex]) : nullptr;
}

CGXBDTGadget* CGXBDateTimeCtrl::GetFocusedField() const
{
    CGXBDTGadget* pGadget = GetGadget(m_nFocus);
    return pGadget != nullptr && (pGadget->GetStyle() & CGXBDTGadget::gxFocusable) ? pGadget : nullptr;
}

// ---- creation and the pattern ------------------------------------------------------------------------

BOOL CGXBDateTimeCtrl::Create(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    const LPCSTR lpszClass = AfxRegisterWndClass(0, GXGetSysColors()->m_hcurArrow);
    if (!CreateEx(dwExStyle, lpszClass, "", dwStyle | WS_CHILD, rect, pParentWnd, nID))
        return FALSE;
    HFONT hFont = pParentWnd != nullptr ? HFONT(pParentWnd->SendMessage(WM_GETFONT)) : nullptr;
    m_hFont = hFont != nullptr ? hFont : HFONT(::GetStockObject(SYSTEM_FONT));

    if (dwStyle & gxDropDownButton) {
        CGXBDTButtonGadget* pButton = new CGXBDTButtonGadget;
        pButton->Initialise(this, m_nButtonBitmapId, CGXBDTGadget::gxButton);
        pButton->SetStyle(CGXBDTGadget::gxMouse | CGXBDTGadget::gxAnchorRight);
        m_gadgets.Add(pButton);
    }
    if (dwStyle & gxSpinArrows) {
        CGXBDTSpinGadget* pSpin = new CGXBDTSpinGadget;
        pSpin->Initialise(this, CGXBDTGadget::gxSpin);
        pSpin->SetStyle(CGXBDTGadget::gxMouse | CGXBDTGadget::gxAnchorRight);
        m_gadgets.Add(pSpin);
    }
    m_nFixedGadgets = int(m_gadgets.GetSize());
    ParseFormat();
    m_nFocus = m_nFixedGadgets;
    LayoutGadgets();
    return TRUE;
}

void CGXBDateTimeCtrl::SetFormatType(int nType)
{
    m_nFormatType = nType;
    m_strCustomFormat.Empty();
    if (m_hWnd != nullptr) {
        ParseFormat();
        LayoutGadgets();
    }
}

void CGXBDateTimeCtrl::SetCustomFormat(const char* pszPattern)
{
    m_strCustomFormat = pszPattern != nullptr ? pszPattern : "";
    m_nFormatType = gxCustomFormat;
    if (m_hWnd != nullptr) {
        ParseFormat();
        LayoutGadgets();
    }
}

void CGXBDateTimeCtrl::SetNoEditFields(UINT nMask)
{
    m_nNoEditMask = nMask;
    if (m_hWnd != nullptr) {
        ParseFormat();
        LayoutGadgets();
    }
}

CString CGXBDateTimeCtrl::GetFormatString() const
{
    switch (m_nFormatType) {
    case gxTimeFormat:
        return LocaleInfo(LOCALE_STIMEFORMAT);
    case gxShortDate:
        return LocaleInfo(LOCALE_SSHORTDATE);
    case gxLongDate:
        return LocaleInfo(LOCALE_SLONGDATE);
    case gxShortDateTime:
        return LocaleInfo(LOCALE_SSHORTDATE) + " " + LocaleInfo(LOCALE_STIMEFORMAT);
    default:
        return m_strCustomFormat;
    }
}

void CGXBDateTimeCtrl::ResetState()
{
    if (m_pCaptureGadget != nullptr) {
        m_pCaptureGadget = nullptr;
        if (m_hWnd != nullptr && ::GetCapture() == m_hWnd)
            ::ReleaseCapture();
    }
    delete m_pCalendar;
    m_pCalendar = nullptr;
    m_nFocus = 0;
    m_nScroll = 0;
}

void CGXBDateTimeCtrl::ParseFormat()
{
    ResetState();
    for (INT_PTR i = m_gadgets.GetSize() - 1; i >= m_nFixedGadgets; --i) {
        delete m_gadgets[i];
        m_gadgets.RemoveAt(i);
    }
    m_nFormatFlags = 0;

    const CString strPattern = GetFormatString();
    const char* p = strPattern.GetString();
    CString strLiteral;
    auto flushLiteral = [&] {
        if (strLiteral.IsEmpty())
            return;
        CGXBDTStaticGadget* pStatic = new CGXBDTStaticGadget;
        pStatic->Initialise(this, strLiteral);
        m_gadgets.Add(pStatic);
        strLiteral.Empty();
    };
    auto addNumeric = [&](int nMin, int nMax, BOOL bZeros, int nId, UINT nFixedBit) {
        CGXBDTNumericGadget* pGadget = new CGXBDTNumericGadget;
        pGadget->Initialise(this, nMin, nMax, nMin, bZeros, nId);
        pGadget->SetStyle((m_nNoEditMask & nFixedBit) ? 0u : UINT(CGXBDTGadget::gxFocusable));
        m_gadgets.Add(pGadget);
    };
    auto addList = [&](const CStringArray& strings, int nId, UINT nFixedBit) {
        CGXBDTListGadget* pGadget = new CGXBDTListGadget;
        pGadget->Initialise(this, strings, 0, nId);
        pGadget->SetStyle((m_nNoEditMask & nFixedBit) ? 0u : UINT(CGXBDTGadget::gxFocusable));
        m_gadgets.Add(pGadget);
    };

    while (*p != 0) {
        const char ch = *p;
        if (::IsDBCSLeadByte(BYTE(ch)) && p[1] != 0) {
            strLiteral += CString(p, 2);
            p += 2;
            continue;
        }
        if (ch == '\'' || ch == '"') {
            // quoted text shows as it stands, up to the same quote or the end
            flushLiteral();
            const char* pEnd = p + 1;
            while (*pEnd != 0 && *pEnd != ch)
                pEnd += ::IsDBCSLeadByte(BYTE(*pEnd)) && pEnd[1] != 0 ? 2 : 1;
            strLiteral = CString(p + 1, int(pEnd - p - 1));
            flushLiteral();
            p = *pEnd != 0 ? pEnd + 1 : pEnd;
            continue;
        }
        const int nMaxCount = CodeMaxCount(ch);
        if (nMaxCount == 0) {
            strLiteral += ch;
            ++p;
            continue;
        }
        int nCount = 0;
        while (p[nCount] == ch && nCount < nMaxCount)
            ++nCount;
        p += nCount;
        flushLiteral();
        const BOOL bDouble = nCount >= 2;
        switch (ch) {
        case 'h':
            addNumeric(1, 12, bDouble, CGXBDTGadget::gxHour12, gxFixedHour);
            break;
        case 'H':
            addNumeric(0, 23, bDouble, CGXBDTGadget::gxHour24, gxFixedHour);
            break;
        case 'm':
            addNumeric(0, 59, bDouble, CGXBDTGadget::gxMinute, gxFixedMinute);
            break;
        case 's':
            addNumeric(0, 59, bDouble, CGXBDTGadget::gxSecond, gxFixedSecond);
            break;
        case 't': {
            CStringArray strings;
            for (LCTYPE lcType : {LOCALE_S1159, LOCALE_S2359}) {
                const CString strDesignator = LocaleInfo(lcType);
                strings.Add(bDouble ? strDesignator : strDesignator.Left(1));
            }
            addList(strings, CGXBDTGadget::gxAmPm, gxFixedHour);
            break;
        }
        case 'd':
            m_nFormatFlags |= 1;
            if (nCount <= 2) {
                addNumeric(1, 31, bDouble, CGXBDTGadget::gxDay, gxFixedDay);
            } else {
                CStringArray strings;
                for (int nDay = 0; nDay < 7; ++nDay)
                    strings.Add(GXBDayName(nDay, nCount == 4));
                addList(strings, CGXBDTGadget::gxDayOfWeek, gxFixedDay);
            }
            break;
        case 'M':
            m_nFormatFlags |= 1;
            if (nCount <= 2) {
                addNumeric(1, 12, bDouble, CGXBDTGadget::gxMonth, gxFixedMonth);
            } else {
                CStringArray strings;
                for (int nMonth = 1; nMonth <= 12; ++nMonth)
                    strings.Add(GXBMonthName(nMonth, nCount == 4));
                addList(strings, CGXBDTGadget::gxMonthName, gxFixedMonth);
            }
            break;
        case 'y':
            m_nFormatFlags |= 1;
            if (nCount <= 2)
                addNumeric(0, 99, bDouble, CGXBDTGadget::gxYear2, gxFixedYear);
            else
                addNumeric(0, 9999, FALSE, CGXBDTGadget::gxYear4, gxFixedYear);
            break;
        case 'g':
            // the era is not shown
            m_nFormatFlags |= 1;
            break;
        }
    }
    flushLiteral();
    UpdateGadgetValues(CGXBDTGadget::gxAllFields);
}

void CGXBDateTimeCtrl::UpdateGadgetValues(int nMask)
{
    GXBDateParts parts;
    if (!DecodeDate(m_dtValue, parts))
        return;
    if (nMask & CGXBDTGadget::gxAmPm)
        m_bPM = parts.nHour > 11;
    for (INT_PTR i = m_nFixedGadgets; i < m_gadgets.GetSize(); ++i) {
        CGXBDTGadget* pGadget = GetGadget(int(i));
        const int nId = pGadget->GetId();
        if (nId < 0 || !(nId & nMask))
            continue;
        int nValue = 0;
        switch (nId) {
        case CGXBDTGadget::gxHour12:
            nValue = parts.nHour % 12 == 0 ? 12 : parts.nHour % 12;
            break;
        case CGXBDTGadget::gxHour24:
            nValue = parts.nHour;
            break;
        case CGXBDTGadget::gxMinute:
            nValue = parts.nMinute;
            break;
        case CGXBDTGadget::gxSecond:
            nValue = parts.nSecond;
            break;
        case CGXBDTGadget::gxAmPm:
            nValue = parts.nHour > 11 ? 1 : 0;
            break;
        case CGXBDTGadget::gxDay:
            nValue = parts.nDay;
            break;
        case CGXBDTGadget::gxDayOfWeek:
            nValue = parts.nDayOfWeek - 1;
            break;
        case CGXBDTGadget::gxMonth:
            nValue = parts.nMonth;
            break;
        case CGXBDTGadget::gxMonthName:
            nValue = parts.nMonth - 1;
            break;
        case CGXBDTGadget::gxYear2:
            nValue = parts.nYear % 100;
            break;
        case CGXBDTGadget::gxYear4:
            nValue = parts.nYear;
            break;
        }
        pGadget->SetValue(nValue);
        pGadget->Invalidate();
    }
}

void CGXBDateTimeCtrl::ApplyValue(const COleDateTime& value)
{
    GXBDateParts oldParts, newParts;
    int nMask = CGXBDTGadget::gxAllFields;
    if (DecodeDate(m_dtValue, oldParts) && DecodeDate(value, newParts)) {
        nMask = 0;
        if (oldParts.nHour != newParts.nHour)
            nMask |= CGXBDTGadget::gxHour12 | CGXBDTGadget::gxHour24 | CGXBDTGadget::gxAmPm;
        if (oldParts.nMinute != newParts.nMinute)
            nMask |= CGXBDTGadget::gxMinute;
        if (oldParts.nSecond != newParts.nSecond)
            nMask |= CGXBDTGadget::gxSecond;
        if (oldParts.nDayOfWeek != newParts.nDayOfWeek)
            nMask |= CGXBDTGadget::gxDayOfWeek;
        if (oldParts.nDay != newParts.nDay)
            nMask |= CGXBDTGadget::gxDay;
        if (oldParts.nMonth != newParts.nMonth)
            nMask |= CGXBDTGadget::gxMonth | CGXBDTGadget::gxMonthName;
        if (oldParts.nYear != newParts.nYear)
            nMask |= CGXBDTGadget::gxYear2 | CGXBDTGadget::gxYear4;
    }
    m_dtValue = value;
    UpdateGadgetValues(nMask);
}

// ---- value and range ---------------------------------------------------------------------------------

BOOL CGXBDateTimeCtrl::SetDateTime(const COleDateTime& value)
{
    GXBDateParts parts;
    if (!DecodeDate(value, parts))
        return FALSE;
    ApplyValue(value);
    return TRUE;
}

namespace {

// value as the range mode compares it: its time of day on 30 December 1899 (mode 1), its date at
// midnight (mode 2), else itself.
COleDateTime ModeView(const COleDateTime& value, int nMode)
{
    GXBDateParts parts;
    if (!CGXBDateTimeCtrl::DecodeDate(value, parts))
        return value;
    if (nMode == CGXBDateTimeCtrl::gxTimeOfDay)
        return COleDateTime(1899, 12, 30, parts.nHour, parts.nMinute, parts.nSecond);
    if (nMode == CGXBDateTimeCtrl::gxDateOnly)
        return COleDateTime(parts.nYear, parts.nMonth, parts.nDay, 0, 0, 0);
    return value;
}

}  // namespace

BOOL CGXBDateTimeCtrl::CheckRange(const COleDateTime& value) const
{
    GXBDateParts parts;
    if (!DecodeDate(value, parts))
        return FALSE;
    if (m_nValidationMode < gxTimeOfDay || m_nValidationMode > gxFullDateTime)
        return TRUE;
    const COleDateTime view = ModeView(value, m_nValidationMode);
    return !IsBelow(view, m_dtMin) && !IsBelow(m_dtMax, view);
}

BOOL CGXBDateTimeCtrl::ValidateValue(COleDateTime& value, int nLevel)
{
    GXBDateParts valueParts, boundParts;
    if (!DecodeDate(value, valueParts))
        return FALSE;
    if (CheckRange(value))
        return TRUE;
    if (nLevel == 0 || nLevel > 5 || nLevel < -1)
        return FALSE;
    const COleDateTime& bound = IsBelow(ModeView(value, m_nValidationMode), m_dtMin) ? m_dtMin : m_dtMax;
    if (!DecodeDate(bound, boundParts))
        return FALSE;
    int* anValue[6] = {&valueParts.nYear, &valueParts.nMonth,  &valueParts.nDay,
                       &valueParts.nHour, &valueParts.nMinute, &valueParts.nSecond};
    const int anBound[6] = {boundParts.nYear, boundParts.nMonth,  boundParts.nDay,
                            boundParts.nHour, boundParts.nMinute, boundParts.nSecond};
    // the parts above the level must equal the bound's; those at and below it come from the bound
    const int nFirstTaken = nLevel < 0 ? 0 : 6 - nLevel;
    for (int i = 0; i < 6; ++i) {
        if (i < nFirstTaken && *anValue[i] != anBound[i])
            return FALSE;
        if (i >= nFirstTaken)
            *anValue[i] = anBound[i];
    }
    COleDateTime result;
    if (result.SetDateTime(valueParts.nYear, valueParts.nMonth, valueParts.nDay, valueParts.nHour,
                           valueParts.nMinute, valueParts.nSecond) != 0 ||
        !CheckRange(result))
        return FALSE;
    value = result;
    return TRUE;
}

BOOL CGXBDateTimeCtrl::SetRange(const COleDateTime& dtMin, const COleDateTime& dtMax, int nMode)
{
    GXBDateParts minParts, maxParts;
    if (!DecodeDate(dtMin, minParts) || !DecodeDate(dtMax, maxParts))
        return FALSE;
    // the bounds as the mode keeps them; a minimum above the maximum is refused in that form too
    const COleDateTime newMin = ModeView(dtMin, nMode), newMax = ModeView(dtMax, nMode);
    if (dtMin > dtMax || newMin > newMax)
        return FALSE;
    m_dtMin = newMin;
    m_dtMax = newMax;
    m_nValidationMode = nMode;
    COleDateTime value = m_dtValue;
    if (!ValidateValue(value, -1))
        return FALSE;
    ApplyValue(value);
    return TRUE;
}

BOOL CGXBDateTimeCtrl::IsFastInput()
{
    return m_bFastInput;
}

BOOL CGXBDateTimeCtrl::OnChanging(const COleDateTime&)
{
    return TRUE;
}

void CGXBDateTimeCtrl::OnChanged()
{
    if (m_hWnd == nullptr || (GetExStyle() & WS_EX_NOPARENTNOTIFY))
        return;
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), gxValueChanged), LPARAM(m_hWnd));
}

int CGXBDateTimeCtrl::GetTwoDigitYearCentury(int nYear)
{
    CString strText = COleDateTime(1999, 1, 1, 0, 0, 0).Format(0, LANG_USER_DEFAULT);
    CString strYear;
    strYear.Format("%d", nYear);
    int nAt = strText.Find("1999");
    int nLength = 4;
    if (nAt < 0) {
        nAt = strText.Find("99");
        nLength = 2;
    }
    if (nAt >= 0)
        strText = strText.Left(nAt) + strYear + strText.Mid(nAt + nLength);
    COleDateTime parsed;
    if (nAt < 0 || !parsed.ParseDateTime(strText, 0, LANG_USER_DEFAULT))
        return 1900;
    return parsed.GetYear() - nYear;
}

// ---- changes from the gadgets ------------------------------------------------------------------------

BOOL CGXBDateTimeCtrl::OnGadgetNotify(int nCode, int nId, int nValue)
{
    if (nCode == CGXBDTGadget::gxTyping) {
        if (nValue)
            m_nFlags |= gxTypingField;
        else
            m_nFlags &= ~gxTypingField;
        return TRUE;
    }
    if (nCode == CGXBDTGadget::gxComplete && IsFastInput()) {
        NextField();
        return TRUE;
    }
    if (nId == CGXBDTGadget::gxButton) {
        if (nCode == CGXBDTGadget::gxButtonClicked)
            DropDownCalendar();
        return TRUE;
    }
    if (nId == CGXBDTGadget::gxSpin) {
        // the arrows act on the focused field
        const CGXBDTGadget* pFocus = GetFocusedField();
        return pFocus != nullptr && OnGadgetNotify(nCode, pFocus->GetId(), nValue);
    }
    COleDateTime value;
    int nLevel = 0;
    if (!ComputeFieldValue(nCode, nId, nValue, value, nLevel) || !ValidateValue(value, nLevel))
        return FALSE;
    if (nCode == CGXBDTGadget::gxTestValue)
        return TRUE;
    if (!OnChanging(value))
        return FALSE;
    ApplyValue(value);
    m_nFlags |= gxModified;
    OnChanged();
    if (m_hWnd != nullptr)
        UpdateWindow();
    return TRUE;
}

BOOL CGXBDateTimeCtrl::ComputeFieldValue(int nCode, int nId, int nValue, COleDateTime& value, int& nLevel)
{
    GXBDateParts p;
    if (!DecodeDate(m_dtValue, p))
        return FALSE;
    const BOOL bUp = nCode == CGXBDTGadget::gxStepUp || nCode == CGXBDTGadget::gxSpinUp;
    const BOOL bDown = nCode == CGXBDTGadget::gxStepDown || nCode == CGXBDTGadget::gxSpinDown;
    const BOOL bSpin = nCode == CGXBDTGadget::gxSpinUp || nCode == CGXBDTGadget::gxSpinDown;
    const BOOL bTyped = nCode == CGXBDTGadget::gxTestValue || nCode == CGXBDTGadget::gxSetValue;
    const BOOL bHome = nCode == CGXBDTGadget::gxHome, bEnd = nCode == CGXBDTGadget::gxEnd;
    // a spin step is at most 2, except for the year
    const int nStep = bSpin ? (nValue < 2 ? (nValue < 1 ? 1 : nValue) : 2) : 1;
    const int nYearStep = bSpin && nValue > 0 ? nValue : 1;

    // a move of the date by whole days (the day of the week)
    auto moveDays = [&](int nDays) {
        const COleDateTime moved = COleDateTime(p.nYear, p.nMonth, p.nDay, p.nHour, p.nMinute, p.nSecond) +
                                   COleDateTimeSpan(double(nDays));
        return DecodeDate(moved, p);
    };

    switch (nId) {
    case CGXBDTGadget::gxHour12:
    case CGXBDTGadget::gxHour24:
        nLevel = bHome || bEnd ? 3 : 2;
        if (bUp)
            p.nHour = p.nHour + nStep > 23 ? 0 : p.nHour + nStep;
        else if (bDown)
            p.nHour = p.nHour - nStep < 0 ? 23 : p.nHour - nStep;
        else if (bHome || bEnd)
            p.nHour = bHome ? 0 : 23;
        else if (bTyped && nId == CGXBDTGadget::gxHour24) {
            if (nValue < 0 || nValue > 23)
                return FALSE;
            p.nHour = nValue;
        } else if (bTyped) {
            // 12 is the first hour of its half
            if (nValue < 1 || nValue > 12)
                return FALSE;
            p.nHour = (nValue == 12 ? 0 : nValue) + (m_bPM ? 12 : 0);
        }
        break;
    case CGXBDTGadget::gxMinute:
    case CGXBDTGadget::gxSecond: {
        int& nPart = nId == CGXBDTGadget::gxMinute ? p.nMinute : p.nSecond;
        const int nBase = nId == CGXBDTGadget::gxMinute ? 1 : 0;
        nLevel = bHome || bEnd ? nBase + 1 : nBase;
        if (bUp)
            nPart = nPart + nStep > 59 ? 0 : nPart + nStep;
        else if (bDown)
            nPart = nPart - nStep < 0 ? 59 : nPart - nStep;
        else if (bHome || bEnd)
            nPart = bHome ? 0 : 59;
        else if (bTyped) {
            if (nValue < 0 || nValue > 59)
                return FALSE;
            nPart = nValue;
        }
        break;
    }
    case CGXBDTGadget::gxAmPm:
        nLevel = 2;
        if (bUp || bDown)
            p.nHour = p.nHour < 12 ? p.nHour + 12 : p.nHour - 12;
        else if (bTyped || bHome || bEnd) {
            const int nHalf = bHome ? 0 : bEnd ? 1 : nValue;
            if (nHalf != 0 && nHalf != 1)
                return FALSE;
            if (nHalf == 1 && p.nHour < 12)
                p.nHour += 12;
            else if (nHalf == 0 && p.nHour > 11)
                p.nHour -= 12;
        }
        if (nCode != CGXBDTGadget::gxTestValue)
            m_bPM = p.nHour > 11;
        break;
    case CGXBDTGadget::gxDay:
    case CGXBDTGadget::gxDayOfWeek:
        nLevel = bHome || bEnd ? 4 : 3;
        if (bUp) {
            p.nDay += nStep;
            if (!IsValidDay(p.nYear, p.nMonth, p.nDay))
                p.nDay = 1;
        } else if (bDown) {
            p.nDay -= nStep;
            if (p.nDay < 1)
                p.nDay = 31;
        } else if (nId == CGXBDTGadget::gxDay && (bHome || bEnd)) {
            p.nDay = bHome ? 1 : 31;
        } else if (bHome || bEnd) {
            // back to Sunday / on to Saturday of the same week
            if (!moveDays(bHome ? 1 - p.nDayOfWeek : 7 - p.nDayOfWeek))
                return FALSE;
        } else if (bTyped && nId == CGXBDTGadget::gxDay) {
            if (!IsValidDay(p.nYear, p.nMonth, nValue))
                return FALSE;
            p.nDay = nValue;
        } else if (bTyped) {
            if (nValue < 0 || nValue > 6 || !moveDays(nValue - (p.nDayOfWeek - 1)))
                return FALSE;
        }
        if (p.nDay == 31 && !ReduceDay(p.nYear, p.nMonth, p.nDay))
            return FALSE;
        break;
    case CGXBDTGadget::gxMonth:
    case CGXBDTGadget::gxMonthName:
        nLevel = bHome || bEnd ? 5 : 4;
        if (bUp)
            p.nMonth = p.nMonth >= 12 ? 1 : p.nMonth + 1;
        else if (bDown)
            p.nMonth = p.nMonth <= 1 ? 12 : p.nMonth - 1;
        else if (bHome || bEnd)
            p.nMonth = bHome ? 1 : 12;
        else if (bTyped) {
            const int nMonth = nId == CGXBDTGadget::gxMonth ? nValue : nValue + 1;
            if (nMonth < 1 || nMonth > 12)
                return FALSE;
            p.nMonth = nMonth;
        }
        if (!ReduceDay(p.nYear, p.nMonth, p.nDay))
            return FALSE;
        break;
    case CGXBDTGadget::gxYear2:
    case CGXBDTGadget::gxYear4:
        nLevel = 5;
        if (bUp)
            p.nYear = p.nYear + nYearStep > 9999 ? 9999 : p.nYear + nYearStep;
        else if (bDown)
            p.nYear = p.nYear - nYearStep <= 100 ? 100 : p.nYear - nYearStep;
        else if (bHome || bEnd) {
            GXBDateParts bound;
            if (!DecodeDate(bHome ? m_dtMin : m_dtMax, bound))
                return FALSE;
            p.nYear = bound.nYear;
        } else if (bTyped && nId == CGXBDTGadget::gxYear4) {
            if (nValue < 0 || nValue > 9999)
                return FALSE;
            p.nYear = nValue;
        } else if (bTyped) {
            if (nValue < 0 || nValue > 99)
                return FALSE;
            const BOOL bKeepCentury = m_hWnd != nullptr && (CWnd::GetStyle() & gxKeepCentury);
            p.nYear = nValue + (bKeepCentury ? p.nYear / 100 * 100 : GetTwoDigitYearCentury(nValue));
        }
        if (!ReduceDay(p.nYear, p.nMonth, p.nDay))
            return FALSE;
        break;
    default:
        return FALSE;
    }
    return value.SetDateTime(p.nYear, p.nMonth, p.nDay, p.nHour, p.nMinute, p.nSecond) == 0;
}

// ---- fields and focus --------------------------------------------------------------------------------

void CGXBDateTimeCtrl::SetFocusGadget(int nIndex, BOOL bHighlight)
{
    CGXBDTGadget* pNew = GetGadget(nIndex);
    if (pNew == nullptr)
        return;
    if (nIndex != m_nFocus)
        if (CGXBDTGadget* pOld = GetGadget(m_nFocus))
            pOld->SetFocus(FALSE);
    m_nFocus = nIndex;
    if (bHighlight)
        pNew->SetFocus(TRUE);
    ScrollToGadget(nIndex);
}

void CGXBDateTimeCtrl::EnsureFocusField()
{
    if (GetFocusedField() != nullptr)
        return;
    for (int i = m_nFixedGadgets; i < GetGadgetCount(); ++i)
        if (GetGadget(i)->GetStyle() & CGXBDTGadget::gxFocusable) {
            m_nFocus = i;
            return;
        }
}

void CGXBDateTimeCtrl::NextField()
{
    for (int i = (m_nFocus < m_nFixedGadgets ? m_nFixedGadgets : m_nFocus + 1); i < GetGadgetCount(); ++i)
        if (GetGadget(i)->GetStyle() & CGXBDTGadget::gxFocusable) {
            SetFocusGadget(i);
            return;
        }
}

void CGXBDateTimeCtrl::PrevField()
{
    for (int i = m_nFocus - 1; i >= m_nFixedGadgets; --i)
        if (GetGadget(i)->GetStyle() & CGXBDTGadget::gxFocusable) {
            SetFocusGadget(i);
            return;
        }
}

BOOL CGXBDateTimeCtrl::IsLastField() const
{
    for (int i = m_nFocus + 1; i < GetGadgetCount(); ++i)
        if (i >= m_nFixedGadgets && (GetGadget(i)->GetStyle() & CGXBDTGadget::gxFocusable))
            return FALSE;
    return TRUE;
}

BOOL CGXBDateTimeCtrl::IsFirstField() const
{
    for (int i = m_nFocus - 1; i >= m_nFixedGadgets; --i)
        if (GetGadget(i)->GetStyle() & CGXBDTGadget::gxFocusable)
            return FALSE;
    return TRUE;
}

void CGXBDateTimeCtrl::SetColors(COLORREF crText, COLORREF crBackground)
{
    m_crText = crText;
    m_crBack = crBackground;
}

// ---- layout and painting -----------------------------------------------------------------------------

void CGXBDateTimeCtrl::LayoutGadgets()
{
    if (m_hWnd == nullptr)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    CClientDC dc(this);
    const HGDIOBJ hOldFont = ::SelectObject(dc.m_hDC, m_hFont);
    int x = 1, xRight = rectClient.right;
    m_nRightWidth = 0;
    for (int i = 0; i < GetGadgetCount(); ++i) {
        CGXBDTGadget* pGadget = GetGadget(i);
        pGadget->CalcSize(&dc);
        CRect rect = pGadget->GetRect();
        const int nWidth = rect.Width();
        const BOOL bFullHeight = rect.bottom == -1;
        const int nTop = bFullHeight ? 0 : 1;
        const int nBottom = bFullHeight ? rectClient.bottom : 1 + rect.Height();
        if (pGadget->GetStyle() & CGXBDTGadget::gxAnchorRight) {
            pGadget->SetRect(CRect(xRight - nWidth, nTop, xRight, nBottom));
            xRight -= nWidth;
            m_nRightWidth += nWidth;
        } else {
            pGadget->SetRect(CRect(x, nTop, x + nWidth, nBottom));
            x += nWidth;
        }
    }
    ::SelectObject(dc.m_hDC, hOldFont);
    Invalidate();
}

void CGXBDateTimeCtrl::ScrollToGadget(int nIndex)
{
    const CGXBDTGadget* pGadget = GetGadget(nIndex);
    if (pGadget == nullptr || m_hWnd == nullptr || (pGadget->GetStyle() & CGXBDTGadget::gxAnchorRight))
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    const int nAreaLeft = 1 + m_nScroll, nAreaRight = rectClient.right - 1 - m_nRightWidth + m_nScroll;
    const CRect& rect = pGadget->GetRect();
    if (rect.left >= nAreaLeft && rect.right <= nAreaRight)
        return;
    if (rect.left < nAreaLeft) {
        m_nScroll = rect.left - 1;
    } else {
        m_nScroll += rect.right - nAreaRight;
        // never so far that the gadget's start leaves the area
        if (rect.left < 1 + m_nScroll)
            m_nScroll = rect.left - 1;
    }
    Invalidate();
}

int CGXBDateTimeCtrl::HitTestGadget(CPoint point) const
{
    for (int i = 0; i < m_nFixedGadgets; ++i)
        if (GetGadget(i)->GetRect().PtInRect(point))
            return i;
    const int x = point.x + m_nScroll;
    int nLast = -1;
    for (int i = m_nFixedGadgets; i < GetGadgetCount(); ++i) {
        const CGXBDTGadget* pGadget = GetGadget(i);
        if (!(pGadget->GetStyle() & (CGXBDTGadget::gxFocusable | CGXBDTGadget::gxMouse)))
            continue;
        nLast = i;
        if (pGadget->GetRect().right >= x)
            return i;
    }
    return nLast;
}

CPoint CGXBDateTimeCtrl::GadgetPoint(const CGXBDTGadget* pGadget, CPoint point) const
{
    if (!(pGadget->GetStyle() & CGXBDTGadget::gxAnchorRight))
        point.x += m_nScroll;
    return point;
}

void CGXBDateTimeCtrl::InvalidateGadget(CGXBDTGadget* pGadget, BOOL bUpdateNow)
{
    if (m_hWnd == nullptr || pGadget == nullptr)
        return;
    CRect rect = pGadget->GetRect();
    if (!(pGadget->GetStyle() & CGXBDTGadget::gxAnchorRight))
        rect.OffsetRect(-m_nScroll, 0);
    InvalidateRect(&rect, TRUE);
    if (bUpdateNow)
        UpdateWindow();
}

void CGXBDateTimeCtrl::CaptureGadget(CGXBDTGadget* pGadget, BOOL bCapture)
{
    if (bCapture) {
        m_pCaptureGadget = pGadget;
        if (m_hWnd != nullptr)
            SetCapture();
    } else if (m_pCaptureGadget == pGadget) {
        m_pCaptureGadget = nullptr;
        if (m_hWnd != nullptr && ::GetCapture() == m_hWnd)
            ::ReleaseCapture();
    }
}

void CGXBDateTimeCtrl::Draw(CDC* pDC)
{
    CRect rectClip;
    pDC->GetClipBox(&rectClip);
    for (int i = 0; i < m_nFixedGadgets; ++i) {
        CGXBDTGadget* pGadget = GetGadget(i);
        CRect rectMeet;
        if (rectMeet.IntersectRect(&pGadget->GetRect(), &rectClip)) {
            pGadget->Draw(pDC);
            pDC->ExcludeClipRect(&pGadget->GetRect());
        }
    }
    const HGDIOBJ hOldFont = m_hFont != nullptr ? ::SelectObject(pDC->m_hDC, m_hFont) : nullptr;
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOldText = pDC->SetTextColor(m_crText);
    const COLORREF crOldBk = pDC->SetBkColor(m_crBackground);
    const CPoint ptOldOrg = pDC->OffsetViewportOrg(-m_nScroll, 0);
    for (int i = m_nFixedGadgets; i < GetGadgetCount(); ++i) {
        CGXBDTGadget* pGadget = GetGadget(i);
        if (pDC->RectVisible(&pGadget->GetRect()))
            pGadget->Draw(pDC);
    }
    pDC->SetViewportOrg(ptOldOrg);
    pDC->SetBkColor(crOldBk);
    pDC->SetTextColor(crOldText);
    pDC->SetBkMode(nOldMode);
    if (hOldFont != nullptr)
        ::SelectObject(pDC->m_hDC, hOldFont);
}

// ---- the calendar ------------------------------------------------------------------------------------

void CGXBDateTimeCtrl::CreatePopupCalendar()
{
    delete m_pCalendar;
    m_pCalendar = new CGXBPopupCalendar;
}

void CGXBDateTimeCtrl::DropDownCalendar()
{
    if (m_hWnd == nullptr || m_pCalendar != nullptr)
        return;
    if (CGXBDTGadget* pFocus = GetGadget(m_nFocus))
        pFocus->OnCancelMode();
    // the grid keeps its cell active while the pop-up takes the focus
    GridLibraryState* pState = GXGetLibraryState();
    const WORD wOldActivity = pState->GetGlobalWord();
    pState->SetGlobalWord(1);
    CreatePopupCalendar();
    m_pCalendar->SetDeactivateMode(2);
    m_pCalendar->SetCalendarStyle(m_pCalendar->GetCalendarStyle() | CGXBCalendar::gxDragSelect |
                                  CGXBCalendar::gxSelectOtherMonth);
    m_pCalendar->SetOtherMonthStyle(m_pCalendar->GetOtherMonthStyle() | 0x102);
    m_pCalendar->SetDisplayDate(m_dtValue, FALSE);
    m_pCalendar->SelectDate(m_dtValue, TRUE);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    if (!m_pCalendar->CreatePopup(WS_THICKFRAME | CGXBPopupCalendar::gxBelowOwner, rectWindow, this, 0)) {
        delete m_pCalendar;
        m_pCalendar = nullptr;
    }
    pState->SetGlobalWord(wOldActivity);
}

LRESULT CGXBDateTimeCtrl::OnCalendarChosen(WPARAM, LPARAM)
{
    if (m_pCalendar == nullptr)
        return 0;
    GXBDateParts parts, chosen;
    if (m_pCalendar->HasSelection() && DecodeDate(m_dtValue, parts) &&
        DecodeDate(m_pCalendar->GetSelectedDate(), chosen)) {
        // the chosen day keeps the value's time of day
        const COleDateTime value(chosen.nYear, chosen.nMonth, chosen.nDay, parts.nHour, parts.nMinute, parts.nSecond);
        if (value.GetStatus() == COleDateTime::valid && CheckRange(value) && OnChanging(value)) {
            m_nFlags |= gxModified;
            ApplyValue(value);
            OnChanged();
        }
    }
    return OnCalendarCancelled(0, 0);
}

LRESULT CGXBDateTimeCtrl::OnCalendarCancelled(WPARAM, LPARAM)
{
    if (m_pCalendar == nullptr)
        return 0;
    delete m_pCalendar;
    m_pCalendar = nullptr;
    // editing goes on in the window
    if (m_hWnd != nullptr && IsWindowVisible())
        SetFocus();
    return 0;
}
