// Text forms of pens, brushes, fonts and choice lists (see GXTextForms.h).
#include "grid/engine/GXTextForms.h"

#include "grid/engine/GXCellBrush.h"
#include "grid/engine/GXCellPen.h"
#include "grid/engine/GXFont.h"

#include <cstdlib>
#include <vector>

namespace {

COLORREF MakeColor(LONG r, LONG g, LONG b)
{
    return COLORREF(r & 0xFF) | (COLORREF(g & 0xFF) << 8) | (COLORREF(b & 0xFF) << 16);
}

// The comma-separated fields of a text (an empty text gives one empty field).
std::vector<CString> SplitFields(const char* psz)
{
    std::vector<CString> fields(1);
    for (; *psz != '\0'; ++psz) {
        if (*psz == ',')
            fields.emplace_back();
        else
            fields.back() += *psz;
    }
    return fields;
}

}  // namespace

int GXReadNumbers(const char* pszText, LONG* anValues, int nMax)
{
    if (pszText == nullptr)
        return 0;
    const char* p = pszText;
    int n = 0;
    while (n < nMax) {
        while (*p == ' ')
            ++p;
        char* pEnd = nullptr;
        const long long value = std::strtoll(p, &pEnd, 10);
        if (pEnd == p)
            break;
        anValues[n++] = LONG(uint32_t(value));
        p = pEnd;
    }
    return n;
}

LONG GXTextToLong(const char* pszText)
{
    return pszText != nullptr ? LONG(uint32_t(std::strtoll(pszText, nullptr, 10))) : 0;
}

// ---- pen ----------------------------------------------------------------------------------------

CString GXPenToText(const CGXCellPen& pen)
{
    const COLORREF color = pen.GetColor();
    CString text;
    text.Format("%lu %ld %d %d %d %d", pen.GetStyle(), pen.GetWidth(), int(GetRValue(color)), int(GetGValue(color)),
                int(GetBValue(color)), int(color >> 24));
    return text;
}

void GXPenFromText(CGXCellPen& pen, const char* pszText)
{
    LONG n[6];
    const int nCount = GXReadNumbers(pszText, n, 6);
    if (nCount < 5) {
        pen.SetColor(0);
        pen.SetInclude(FALSE);
        return;
    }
    COLORREF color = MakeColor(n[2], n[3], n[4]);
    if (nCount > 5)
        color |= COLORREF(n[5] & 0xFF) << 24;
    pen.SetWidth(UINT(n[1]) & 0xFFFF);
    pen.SetColor(color);
    pen.SetStyle(UINT(n[0]) & 7);
    pen.SetInclude(TRUE);
}

// ---- brush --------------------------------------------------------------------------------------

CString GXBrushToText(const CGXCellBrush& brush)
{
    const COLORREF fore = brush.GetColor();
    const COLORREF back = brush.GetBkColor();
    const UINT nStyle = brush.GetStyle();
    CString text;
    text.Format("%lu %ld %d %d %d %d %d %d %d", nStyle,
                nStyle == CGXCellBrush::gxPattern ? brush.GetPattern() : brush.GetHatch(), int(GetRValue(fore)),
                int(GetGValue(fore)), int(GetBValue(fore)), int(GetRValue(back)), int(GetGValue(back)),
                int(GetBValue(back)), int(fore >> 24));
    return text;
}

void GXBrushFromText(CGXCellBrush& brush, const char* pszText)
{
    LONG n[9];
    const int nCount = GXReadNumbers(pszText, n, 9);
    if (nCount < 5) {
        brush.SetColor(0);
        return;
    }
    const UINT nStyle = UINT(n[0]) & 3;
    if (nStyle == CGXCellBrush::gxPattern) {
        // the drawing service gives patterns no hatch of their own
        brush.m_dwWord1 = (brush.m_dwWord1 & ~(DWORD(0x3F) << 24)) | ((DWORD(n[1]) & 0x3F) << 24);
        brush.SetHatch(0);
    } else {
        brush.SetHatch(UINT(n[1]) & 7);
    }
    brush.SetStyle(nStyle);
    COLORREF fore = MakeColor(n[2], n[3], n[4]);
    if (nCount > 8) {
        if (n[8] == 1)
            fore = 0x01000000 | (COLORREF(n[3] & 0xFF) << 8) | COLORREF(n[2] & 0xFF);
        else
            fore |= COLORREF(n[8] & 0xFF) << 24;
    }
    brush.SetColor(fore);
    brush.SetBkColor(nCount >= 8 ? MakeColor(n[5], n[6], n[7]) : 0);
}

// ---- font ---------------------------------------------------------------------------------------

CString GXFontToText(const CGXFont& font)
{
    CString text;
    if (font.GetIncludeFaceName())
        text += font.GetFaceName();
    text += ',';
    if (font.GetIncludeSize()) {
        CString size;
        size.Format("%d", int(font.SizeToPoints() + 0.5));
        text += size;
    }
    text += ',';
    if (font.GetIncludeWeight()) {
        CString weight;
        weight.Format("%ld", font.WeightToFontWeight());
        text += weight;
    }
    const BOOL abInclude[3] = {font.GetIncludeItalic(), font.GetIncludeUnderline(), font.GetIncludeStrikeOut()};
    const BOOL abValue[3] = {font.GetItalic(), font.GetUnderline(), font.GetStrikeOut()};
    for (int i = 0; i < 3; ++i) {
        text += ',';
        if (abInclude[i])
            text += abValue[i] ? "1" : "0";
    }
    if (font.GetIncludeOrientation()) {
        CString orientation;
        orientation.Format(",%ld", font.OrientationToTenths());
        text += orientation;
    }
    return text;
}

void GXFontFromText(CGXFont& font, const char* pszText)
{
    font = CGXFont();
    const std::vector<CString> fields = SplitFields(pszText != nullptr ? pszText : "");
    auto field = [&](size_t i) -> const CString* {
        return i < fields.size() && !fields[i].IsEmpty() ? &fields[i] : nullptr;
    };
    if (const CString* p = field(0))
        font.SetFaceName(*p);
    if (const CString* p = field(1)) {
        const LONG nPoints = GXTextToLong(*p);
        if (nPoints > 0)
            font.SetSize(double(nPoints));
    }
    if (const CString* p = field(2)) {
        const LONG nWeight = GXTextToLong(*p);
        if (nWeight >= 0 && nWeight <= 1499)
            font.SetWeight(nWeight);
    }
    if (const CString* p = field(3))
        font.SetItalic(GXTextToLong(*p) != 0);
    if (const CString* p = field(4))
        font.SetUnderline(GXTextToLong(*p) != 0);
    if (const CString* p = field(5))
        font.SetStrikeOut(GXTextToLong(*p) != 0);
    if (const CString* p = field(6))
        font.SetOrientation(GXTextToLong(*p));
}

// ---- choice list --------------------------------------------------------------------------------

CString GXEscapeChoiceList(const char* pszChoices)
{
    CString text;
    for (const char* p = pszChoices != nullptr ? pszChoices : ""; *p != '\0'; ++p) {
        if (*p == '\n')
            text += "\\n";
        else if (*p == '\\')
            text += "\\\\";
        else if (*p != '\r')
            text += *p;
    }
    return text;
}

CString GXUnescapeChoiceList(const char* pszText)
{
    CString text;
    for (const char* p = pszText != nullptr ? pszText : ""; *p != '\0'; ++p) {
        if (p[0] == '\\' && p[1] == '\\') {
            text += '\\';
            ++p;
        } else if (p[0] == '\\' && p[1] == 'n') {
            text += "\r\n";
            ++p;
        } else {
            text += *p;
        }
    }
    return text;
}
