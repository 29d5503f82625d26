// CGXBCurrencyEdit::Format: how a currency amount is shown as text and read back (see
// GXBCurrencyEdit.h). Numbers are printed and read with the C numeric locale's point, which the
// format's decimal separator replaces.
#include "grid/controls/GXBCurrencyEdit.h"

#include "grid/engine/GXState.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// A pattern row: the texts before and after the number; "%s" stands for the symbol.
struct Pattern {
    const char* pszPrefix;
    const char* pszSuffix;
};

const Pattern kPositivePatterns[] = {{"%s", ""}, {"", "%s"}, {"%s ", ""}, {"", " %s"}};

const Pattern kNegativePatterns[] = {
    {"(%s", ")"}, {"-%s", ""}, {"%s-", ""},  {"%s", "-"},   {"(", "%s)"},   {"-", "%s"},  {"", "-%s"},   {"", "%s-"},
    {"-", " %s"}, {"-%s ", ""}, {"", " %s-"}, {"%s ", "-"}, {"%s -", ""}, {"", "- %s"}, {"(%s ", ")"}, {"(", " %s)"}};

const char kRuntimePoint = '.';

// The locale's text for an item; FALSE when it gives none or an empty one.
BOOL ReadLocale(LCTYPE item, CString& strValue)
{
    char szBuffer[64];
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, item, szBuffer, int(sizeof(szBuffer))) <= 0 || szBuffer[0] == 0)
        return FALSE;
    strValue = szBuffer;
    return TRUE;
}

void ReadLocale(LCTYPE item, int& nValue)
{
    CString strValue;
    if (ReadLocale(item, strValue))
        nValue = std::atoi(strValue);
}

void ReadLocale(LCTYPE item, char& chValue)
{
    CString strValue;
    if (ReadLocale(item, strValue))
        chValue = strValue[0];
}

// A prefix or suffix of a pattern with the symbol put in.
CString Affix(const char* pszPattern, const CString& strSymbol)
{
    CString strResult(pszPattern);
    if (strResult.Find('%') >= 0)
        strResult.Format(pszPattern, strSymbol);
    return strResult;
}

BOOL IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

BOOL IsAllDigits(const CString& strText)
{
    for (int i = 0; i < strText.GetLength(); ++i)
        if (!IsDigit(strText[i]))
            return FALSE;
    return TRUE;
}

}  // namespace

CGXBCurrencyEdit::Format::Format(BOOL bUseLocale)
    : m_bLeadingZero(TRUE),
      m_bSeparatorLine(FALSE),
      m_bDropLeadingDigits(FALSE),
      m_bPadBeforeGrouping(FALSE),
      m_strSymbol("$"),
      m_strGrouping("3;0"),
      m_chThousands(','),
      m_chDecimal('.'),
      m_chFill(' '),
      m_crBack(0),
      m_crNegative(0),
      m_crPositive(0),
      m_crLine(GXGetSysColors()->GetSysColor(COLOR_BTNSHADOW)),
      m_nColorFlags(0),
      m_nPositiveFormat(0),
      m_nNegativeFormat(0),
      m_nIntDigits(-1),
      m_nFracDigits(2)
{
    if (!bUseLocale)
        return;
    // The integer width stays unlimited: the locale has no such item (its digits item counts the
    // fraction of plain numbers), and a width taken from it would cut every amount of 100 or more.
    ReadLocale(LOCALE_ILZERO, m_bLeadingZero);
    ReadLocale(LOCALE_SCURRENCY, m_strSymbol);
    ReadLocale(LOCALE_SMONGROUPING, m_strGrouping);
    ReadLocale(LOCALE_SMONTHOUSANDSEP, m_chThousands);
    ReadLocale(LOCALE_SMONDECIMALSEP, m_chDecimal);
    ReadLocale(LOCALE_ICURRENCY, m_nPositiveFormat);
    ReadLocale(LOCALE_INEGCURR, m_nNegativeFormat);
    ReadLocale(LOCALE_ICURRDIGITS, m_nFracDigits);
}

CGXBCurrencyEdit::Format::Format(const Format& other) : Format(FALSE)
{
    Assign(other);
}

CGXBCurrencyEdit::Format& CGXBCurrencyEdit::Format::operator=(const Format& other)
{
    Assign(other);
    return *this;
}

CGXBCurrencyEdit::Format::~Format() = default;

void CGXBCurrencyEdit::Format::Assign(const Format& other)
{
    if (&other == this)
        return;
    m_bLeadingZero = other.m_bLeadingZero;
    m_bSeparatorLine = other.m_bSeparatorLine;
    m_bDropLeadingDigits = other.m_bDropLeadingDigits;
    m_bPadBeforeGrouping = other.m_bPadBeforeGrouping;
    m_strSymbol = other.m_strSymbol;
    m_strGrouping = other.m_strGrouping;
    m_chThousands = other.m_chThousands;
    m_chDecimal = other.m_chDecimal;
    m_chFill = other.m_chFill;
    m_crBack = other.m_crBack;
    m_crNegative = other.m_crNegative;
    m_crPositive = other.m_crPositive;
    m_crLine = other.m_crLine;
    m_nColorFlags = other.m_nColorFlags;
    m_nPositiveFormat = other.m_nPositiveFormat;
    m_nNegativeFormat = other.m_nNegativeFormat;
    m_nIntDigits = other.m_nIntDigits;
    m_nFracDigits = other.m_nFracDigits;
}

BOOL CGXBCurrencyEdit::Format::IsEqual(const Format& other) const
{
    return m_bLeadingZero == other.m_bLeadingZero && m_bSeparatorLine == other.m_bSeparatorLine &&
           m_bDropLeadingDigits == other.m_bDropLeadingDigits && m_bPadBeforeGrouping == other.m_bPadBeforeGrouping &&
           m_strSymbol == other.m_strSymbol && m_strGrouping == other.m_strGrouping &&
           m_chThousands == other.m_chThousands && m_chDecimal == other.m_chDecimal && m_chFill == other.m_chFill &&
           m_crBack == other.m_crBack && m_crNegative == other.m_crNegative && m_crPositive == other.m_crPositive &&
           m_crLine == other.m_crLine && m_nColorFlags == other.m_nColorFlags &&
           m_nPositiveFormat == other.m_nPositiveFormat && m_nNegativeFormat == other.m_nNegativeFormat &&
           m_nIntDigits == other.m_nIntDigits && m_nFracDigits == other.m_nFracDigits;
}

BOOL CGXBCurrencyEdit::Format::IsDifferent(const Format& other) const
{
    return !IsEqual(other);
}

BOOL CGXBCurrencyEdit::Format::SetFillChar(char ch)
{
    if (IsDigit(ch) && ch != '0')
        return FALSE;
    m_chFill = ch;
    return TRUE;
}

void CGXBCurrencyEdit::Format::SetBackgroundColor(COLORREF color)
{
    m_crBack = color;
    m_nColorFlags |= gxBackColor;
}

BOOL CGXBCurrencyEdit::Format::GetBackgroundColor(COLORREF& color) const
{
    color = m_crBack;
    return (m_nColorFlags & gxBackColor) != 0;
}

void CGXBCurrencyEdit::Format::SetNegativeColor(COLORREF color)
{
    m_crNegative = color;
    m_nColorFlags |= gxNegativeColor;
}

BOOL CGXBCurrencyEdit::Format::GetNegativeColor(COLORREF& color) const
{
    color = m_crNegative;
    return (m_nColorFlags & gxNegativeColor) != 0;
}

void CGXBCurrencyEdit::Format::SetPositiveColor(COLORREF color)
{
    m_crPositive = color;
    m_nColorFlags |= gxPositiveColor;
}

BOOL CGXBCurrencyEdit::Format::GetPositiveColor(COLORREF& color) const
{
    color = m_crPositive;
    return (m_nColorFlags & gxPositiveColor) != 0;
}

double CGXBCurrencyEdit::Format::LimitIntegerDigits(double dAmount) const
{
    if (dAmount == 0 || m_bDropLeadingDigits || m_nIntDigits == -1)
        return dAmount;
    const int nExponent = int(std::log10(dAmount));
    const int nDropped = nExponent - (m_nIntDigits - 1);
    if (nExponent == 0 || nDropped <= 0)
        return dAmount;
    const double dInteger = std::floor(dAmount);
    return std::floor(dInteger / std::pow(10.0, nDropped)) + (dAmount - dInteger);
}

void CGXBCurrencyEdit::Format::FormatValue(double dAmount, CString& strText, BOOL bNegative) const
{
    const double dShown = LimitIntegerDigits(dAmount);
    // a row beyond its table would read past it: the nearest row is taken
    const Pattern& pattern = bNegative ? kNegativePatterns[std::clamp(m_nNegativeFormat, 0, 15)]
                                       : kPositivePatterns[std::clamp(m_nPositiveFormat, 0, 3)];
    CString strNumber;
    strNumber.Format("%.*f", std::max(0, m_nFracDigits), dShown);
    if (dShown < 1 && !m_bLeadingZero) {
        strNumber.SetAt(0, ' ');
        strNumber.TrimLeft(' ');
    }
    int nSeparator = strNumber.ReverseFind(kRuntimePoint);
    if (nSeparator >= 0)
        strNumber.SetAt(nSeparator, m_chDecimal != 0 ? m_chDecimal : ' ');
    else
        nSeparator = strNumber.GetLength();

    // the integer part at its width: cut from the left, filled before or after the grouping
    int nMissing = 0;
    if (m_nIntDigits != -1) {
        if (nSeparator > m_nIntDigits) {
            strNumber = strNumber.Mid(nSeparator - m_nIntDigits);
            nSeparator = m_nIntDigits;
        }
        nMissing = m_nIntDigits - nSeparator;
        if (nMissing > 0 && m_bPadBeforeGrouping) {
            strNumber = CString(m_chFill, nMissing) + strNumber;
            nSeparator += nMissing;
        }
    }
    if (m_chThousands != 0) {
        int nGroup = 0, nSecond = 0;
        if (std::sscanf(m_strGrouping, "%i;%i", &nGroup, &nSecond) >= 1 && nGroup > 0) {
            CString strGrouped;
            for (int i = 0; i < nSeparator; ++i) {
                strGrouped += strNumber[i];
                const int nFollowing = nSeparator - 1 - i;
                if (nFollowing > 0 && nFollowing % nGroup == 0)
                    strGrouped += m_chThousands;
            }
            strNumber = strGrouped + strNumber.Mid(nSeparator);
        }
    }
    if (nMissing > 0 && !m_bPadBeforeGrouping)
        strNumber = CString(m_chFill, nMissing) + strNumber;
    strText = Affix(pattern.pszPrefix, m_strSymbol) + strNumber + Affix(pattern.pszSuffix, m_strSymbol);
}

int CGXBCurrencyEdit::Format::FindDecimal(const char* pszText, char ch) const
{
    return CString(pszText != nullptr ? pszText : "").ReverseFind(ch != 0 ? ch : m_chDecimal);
}

BOOL CGXBCurrencyEdit::Format::FindNumber(const char* pszText, int& nFirst, int& nLast) const
{
    const CString strText(pszText != nullptr ? pszText : "");
    nFirst = nLast = -1;
    for (int i = strText.GetLength() - 1; i >= 0 && nLast < 0; --i)
        if (IsDigit(strText[i]))
            nLast = i;
    if (nLast < 0)
        return FALSE;
    BOOL bSeparatorPassed = FALSE;
    nFirst = nLast;
    for (int i = nLast - 1; i >= 0; --i) {
        const char ch = strText[i];
        if (!IsDigit(ch)) {
            // a decimal separator is part of the number only right of every other separator
            const BOOL bThousands = m_chThousands != 0 && ch == m_chThousands;
            if (!bThousands && (ch != m_chDecimal || bSeparatorPassed))
                break;
            bSeparatorPassed = TRUE;
        }
        nFirst = i;
    }
    return TRUE;
}

BOOL CGXBCurrencyEdit::Format::Parse(const char* pszText, double& dValue, BOOL& bNegative) const
{
    bNegative = FALSE;
    CString strText(pszText != nullptr ? pszText : "");
    if (strText.IsEmpty()) {
        dValue = 0;
        return TRUE;
    }
    strText.Trim();
    const BOOL bOpen = strText.Find('(') >= 0, bClose = strText.Find(')') >= 0;
    if (bOpen != bClose)
        return FALSE;
    bNegative = bOpen;
    int nFirst, nLast;
    if (!FindNumber(strText, nFirst, nLast) || (nFirst == nLast && strText[nFirst] == m_chDecimal))
        return FALSE;
    if (strText.Left(nFirst).Find('-') >= 0 || strText.Mid(nLast + 1).Find('-') >= 0)
        bNegative = TRUE;
    const CString strSpan = strText.Mid(nFirst, nLast - nFirst + 1);
    const int nDecimal = FindDecimal(strSpan);
    CString strInteger = nDecimal >= 0 ? strSpan.Left(nDecimal) : strSpan;
    const CString strFraction = nDecimal >= 0 ? strSpan.Mid(nDecimal + 1) : CString();
    if (m_chThousands != 0)
        strInteger.Replace(CString(m_chThousands), "");
    if (!IsAllDigits(strInteger) || !IsAllDigits(strFraction))
        return FALSE;
    dValue = std::atof(strInteger + kRuntimePoint + strFraction);
    return TRUE;
}
