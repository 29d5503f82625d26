// The number-formatting module (see GXNumberFormattingImp.h).
#include "grid/ops/GXNumberFormattingImp.h"

#include "core/NumberText.h"
#include "grid/engine/GXStyle.h"
#include "win/COleDateTime.h"

#include <cmath>
#include <cstring>
#include <string>

namespace {

// The printf format that pszPattern ("%%.%dlf" and the like) makes with nPlaces.
CString PlacesFormat(const char* pszPattern, UINT nPlaces)
{
    CString strFormat;
    strFormat.Format(pszPattern, int(nPlaces));
    return strFormat;
}

// |x| with nPlaces decimals and a ',' after every group of three digits before the point.
CString GroupedText(double x, UINT nPlaces)
{
    CString strPlain;
    strPlain.Format(PlacesFormat("%%.%dlf", nPlaces), std::fabs(x));
    const std::string plain = strPlain.GetString();
    const size_t nPoint = plain.find('.');
    const size_t nWhole = nPoint == std::string::npos ? plain.size() : nPoint;
    std::string grouped;
    for (size_t i = 0; i < nWhole; ++i) {
        if (i > 0 && (nWhole - i) % 3 == 0)
            grouped += ',';
        grouped += plain[i];
    }
    grouped += plain.substr(nWhole);
    return CString(grouped.c_str());
}

// The grouped text in its positive or negative frame ("$%s " / "($%s)" and the like).
CString FramedGroupedText(double x, UINT nPlaces, const char* pszPositive, const char* pszNegative)
{
    CString strText;
    strText.Format(x < 0 ? pszNegative : pszPositive, GroupedText(x, nPlaces));
    return strText;
}

// The whole part of |x| as a 32-bit integer; false when it does not fit (or x is not a number).
bool WholePart(double x, int& nWhole)
{
    const double dWhole = std::floor(std::fabs(x));
    if (!(dWhole < 2147483648.0))
        return false;
    nWhole = int(dWhole);
    return true;
}

// The OLE date x through a date format of AfxFormatDateTime.
CString DateText(double x, const char* pszFormat)
{
    return COleDateTime(x).Format(pszFormat);
}

// The fraction text of x: the fractional part over 10^(d+2), reduced by the small primes while each
// prime is at most the root of the numerator, a blank or '-' in front, the whole part before it.
bool FractionText(double x, UINT nPlaces, CString& strText)
{
    int nWhole = 0;
    if (!WholePart(x, nWhole))
        return false;
    const int nDigits = nPlaces >= 1 && nPlaces <= 6 ? int(nPlaces) : 3;
    long long nDenominator = 1;
    for (int i = 0; i < nDigits + 2; ++i)
        nDenominator *= 10;
    const double dAbs = std::fabs(x);
    long long nNumerator = (long long)((dAbs - std::floor(dAbs)) * double(nDenominator));
    static const int kPrimes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};
    for (int nPrime : kPrimes) {
        if (double(nPrime) > std::sqrt(double(nNumerator)))
            continue;
        while (nNumerator % nPrime == 0 && nDenominator % nPrime == 0) {
            nNumerator /= nPrime;
            nDenominator /= nPrime;
        }
    }
    CString strFraction;
    strFraction.Format(" %d/%d", int(nNumerator), int(nDenominator));
    if (dAbs >= 1) {
        CString strWhole;
        strWhole.Format("%d", nWhole);
        strFraction = strWhole + strFraction;
    }
    strText = (x < 0 ? "-" : " ") + strFraction;
    return true;
}

// "%.14g" of x through the user's number format, a blank after a final digit; false when the
// system refuses it.
bool LocaleNumberText(double x, CString& strText)
{
    CString strPlain;
    strPlain.Format("%.14g", x);
    char szBuffer[256];
    if (::GetNumberFormatA(LOCALE_USER_DEFAULT, 0, strPlain, nullptr, szBuffer, int(sizeof(szBuffer))) == 0)
        return false;
    strText = szBuffer;
    const int n = strText.GetLength();
    if (n > 0 && strText[n - 1] >= '0' && strText[n - 1] <= '9')
        strText += ' ';
    return true;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

CString CGXNumberFormattingImp::FormatValue(const CGXStyle& style, const char* pszValue, UINT nValueType)
{
    CString strValue;
    if (pszValue != nullptr) {
        strValue = pszValue;
    } else {
        if (style.GetIncludeValue())
            strValue = style.GetValueRef();
        nValueType = style.GetValueType();
    }
    if (!style.GetIncludeFormat())
        return strValue;
    const UINT nFormat = style.GetFormat();
    if (nFormat == 12)
        return CString();
    if (nValueType != 1)
        return strValue;
    const double x = AfxAtof(strValue);
    const UINT p = style.GetPlaces();
    CString strText;
    switch (nFormat) {
    case 1:
        strText.Format(PlacesFormat("%%.%dle", p), x);
        return strText;
    case 2:
        strText.Format(PlacesFormat("%%.%dlf", p), x);
        return strText;
    case 3:
        strText.Format(PlacesFormat("%%.%dlg", p), x);
        return strText;
    case 4:
        return FramedGroupedText(x, p, "$%s ", "($%s)");
    case 5:
        return FramedGroupedText(x, p, "%s ", "(%s)");
    case 23:
        return FramedGroupedText(x, p, " %s ", "(%s)");
    case 6: {
        int nWhole = 0;
        if (!WholePart(x, nWhole))
            return strValue;
        strText.Format("0x%X", unsigned(nWhole));
        return strText;
    }
    case 7:
        return x >= 0 && x < 1 ? "0" : x >= 1 && x < 2 ? "1" : "?";
    case 8:
        return DateText(x, "%d-%b-%y");
    case 9:
        return DateText(x, "%d-%b");
    case 10:
        return DateText(x, "%b-%y");
    case 11:
        return COleDateTime(std::trunc(x)).Format(VAR_DATEVALUEONLY, LANG_USER_DEFAULT);
    case 13:
        return COleDateTime(std::fmod(x, 1.0)).Format(VAR_TIMEVALUEONLY, LANG_USER_DEFAULT);
    case 14:
        if (x >= 1.7976931348623156e306)
            return " Percent! ";
        strText.Format(PlacesFormat("%%.%dlf%%%%", p), x * 100);
        return strText;
    case 16:
        return DateText(x, "%d.%m.%Y");
    case 17:
        return DateText(x, "%Y-%m-%d");
    case 18:
        return COleDateTime(x).Format(0, LANG_USER_DEFAULT);
    case 24:
        return FractionText(x, p, strText) ? strText : strValue;
    case 25:
        return DateText(x, "%I:%M %p");
    case 26:
        return DateText(x, "%I:%M:%S %p");
    case 27:
        return DateText(x, "%H:%M");
    case 28:
        return LocaleNumberText(x, strText) ? strText : FramedGroupedText(x, p, "%s ", "(%s)");
    case 29:
    case 30:
    case 31:
        return " Format? ";
    default:  // 0, 15, 19-22
        return strValue;
    }
}

BOOL CGXNumberFormattingImp::ParseNumber(const char* pszText, double& dValue, UINT* pnFormat, UINT* pnPlaces)
{
    if (pszText == nullptr || std::strlen(pszText) > 257)
        return FALSE;
    const char* p = pszText;
    while (*p == ' ')
        ++p;
    const bool bParentheses = *p == '(';
    if (bParentheses)
        ++p;
    const bool bCurrency = *p == '$';
    if (bCurrency)
        ++p;

    // the number without '$' and ','; positions count from after the '(' and '$'
    std::string copy;
    int anCommas[19];
    int nCommas = 0, nPoint = -1, nExponent = -1, nClose = -1, nEnd = 0;
    UINT nSignificant = 0, nDecimals = 0;
    for (int i = 0;; ++i) {
        const char c = p[i];
        nEnd = i;
        if (c == '\0')
            break;
        if (c == ' ') {
            for (const char* q = p + i; *q != '\0'; ++q) {
                if (*q != ' ')
                    return FALSE;
            }
            break;
        }
        if (c == '+' || c == '-') {
            if (bParentheses)
                return FALSE;
        } else if (c == ',') {
            if (nCommas == 19)
                return FALSE;
            anCommas[nCommas++] = i;
            continue;
        } else if (c == '.') {
            if (nPoint >= 0)
                return FALSE;
            nPoint = i;
        } else if (c == 'E' || c == 'e') {
            if (nExponent >= 0 || bParentheses)
                return FALSE;
            nExponent = i;
        } else if (IsDigit(c)) {
            if (nExponent < 0) {
                ++nSignificant;
                if (nPoint >= 0)
                    ++nDecimals;
            }
        } else if (c == ')') {
            if (!bParentheses || (p[i + 1] != '\0' && p[i + 1] != ' '))
                return FALSE;
            nClose = i;
        } else {
            return FALSE;
        }
        copy += c;
    }

    // every ',' stands a multiple of four places before the point (else ')', the exponent, the end)
    const int nReference = nPoint >= 0 ? nPoint : nClose >= 0 ? nClose : nExponent >= 0 ? nExponent : nEnd;
    for (int k = 0; k < nCommas; ++k) {
        const int nDistance = nReference - anCommas[k];
        if (nDistance <= 0 || nDistance % 4 != 0)
            return FALSE;
    }

    if (copy.empty() || (copy.size() == 1 && !IsDigit(copy[0])))
        return FALSE;
    const char* pszCopy = copy.c_str();
    const char* pConverted = nullptr;
    double d = AfxStrToDouble(pszCopy, &pConverted);
    if (pConverted == pszCopy || !std::isfinite(d))
        return FALSE;
    if (bParentheses) {
        if (*pConverted != ')')
            return FALSE;
        ++pConverted;
        d = -d;
    }
    if (*pConverted != '\0')
        return FALSE;

    dValue = d;
    if (pnFormat != nullptr && pnPlaces != nullptr) {
        if (nDecimals > 15)
            nDecimals = 15;
        if (nSignificant > 16)
            nSignificant = 16;
        if (nExponent >= 0) {
            *pnFormat = 1;
            *pnPlaces = nSignificant > 0 ? nSignificant - 1 : 0;
        } else {
            *pnFormat = bCurrency ? 4 : nCommas > 0 || bParentheses ? 5 : 2;
            *pnPlaces = nDecimals;
        }
    }
    return TRUE;
}

CGXAbstractNumberFormattingImp* GXCreateNumberFormattingImp()
{
    return new CGXNumberFormattingImp;
}
