// DEDizedComponent: the common part of a component's template line.
#include <cstdio>

#include "chart/engine/components/DEDizedComponent.h"

#include "chart/engine/DEDizedException.h"

namespace {

COLORREF PackColour(const int* pRgb)
{
    return RGB(pRgb[0] & 0xFF, pRgb[1] & 0xFF, pRgb[2] & 0xFF);
}

} // namespace

const char* DEDizedComponent::ReadTemplateClassPart(const char* lpszText)
{
    return lpszText;
}

const char* DEDizedComponent::ReadTemplateCommon(const char* lpszText)
{
    if (lpszText == nullptr)
        AfxThrowInvalidArgException("DEDizedComponent::ReadTemplateCommon: the text is null");
    CNumericLocaleScope cLocale;
    float coordinates[4] = {};
    int nMeasurement = 0;
    int nBorder = 0;
    int nFill = 0;
    int nShadow = 0;
    int nUsed = 0;
    if (std::sscanf(lpszText, "%g %g %g %g %d %d %d %d %n", &coordinates[0], &coordinates[1], &coordinates[2],
                    &coordinates[3], &nMeasurement, &nBorder, &nFill, &nShadow, &nUsed) < 8)
        ThrowChartException(8);
    const char* p = lpszText + nUsed;

    int values[7] = {};  // colour 1, colour 2 (red, green, blue each), gradient angle
    char szImage[260] = "";
    int nPlacement = 0;
    int nWanted = 0;
    int nRead = 0;
    nUsed = 0;
    switch (nFill) {
    case 0:
        break;
    case 1:
        nWanted = 3;
        nRead = std::sscanf(p, "%d %d %d %n", &values[0], &values[1], &values[2], &nUsed);
        break;
    case 2:
    case 3:
        nWanted = 6;
        nRead = std::sscanf(p, "%d %d %d %d %d %d %n", &values[0], &values[1], &values[2], &values[3], &values[4],
                            &values[5], &nUsed);
        break;
    case 4:
        nWanted = 7;
        nRead = std::sscanf(p, "%d %d %d %d %d %d %d %n", &values[0], &values[1], &values[2], &values[3],
                            &values[4], &values[5], &values[6], &nUsed);
        break;
    case 5:
        // the name is bounded by the buffer; a longer one finds no closing quote and is refused
        nWanted = 2;
        nRead = std::sscanf(p, " \"%259[0-9a-zA-Z_. -]\" %d %n", szImage, &nPlacement, &nUsed);
        break;
    default:
        ThrowChartException(9);
    }
    if (nRead < nWanted)
        ThrowChartException(9);
    p += nUsed;

    SetRectValues(coordinates[0], coordinates[1], coordinates[2], coordinates[3]);
    SetMeasurement(nMeasurement);
    m_style.m_nStyle = (nFill << 8) | ((nShadow & 0xF) << 4) | (nBorder & 0xF);
    m_style.m_crFill1 = nFill == 0 ? 0 : PackColour(&values[0]);
    m_style.m_crFill2 = nFill >= 2 ? PackColour(&values[3]) : 0;
    if (nFill == 4)
        m_style.m_dGradientAngle = values[6];
    if (nFill == 5) {
        m_style.m_crFill1 = 0;
        SetImageName(szImage);
        if (nPlacement != 0)
            m_style.m_nStyle |= styleImageStretched;
    }
    return p;
}

void DEDizedComponent::WriteTemplate(CStdioFile& writer)
{
    WriteTemplateKeyword(writer);
    WriteTemplateCommon(writer);
    WriteTemplateClassPart(writer);
    WriteTemplateExtra(writer);
    writer.WriteString("\n");
}

void DEDizedComponent::WriteTemplateKeyword(CStdioFile& /*writer*/)
{
}

void DEDizedComponent::WriteTemplateClassPart(CStdioFile& /*writer*/)
{
}

void DEDizedComponent::WriteTemplateExtra(CStdioFile& /*writer*/)
{
}

void DEDizedComponent::WriteTemplateCommon(CStdioFile& writer)
{
    const int nStyle = m_style.m_nStyle;
    const int nFill = (nStyle & styleFillMask) >> 8;
    CString text;
    text.Format("%g %g %g %g %d %d %d %d ", m_rect.m_dLeft, m_rect.m_dTop, m_rect.m_dRight, m_rect.m_dBottom,
                m_rect.GetMeasurement(), nStyle & styleBorderMask, nFill, (nStyle & styleShadowMask) >> 4);
    const COLORREF c1 = m_style.m_crFill1;
    const COLORREF c2 = m_style.m_crFill2;
    CString fill;
    switch (nFill) {
    case 1:
        fill.Format("%d %d %d ", GetRValue(c1), GetGValue(c1), GetBValue(c1));
        break;
    case 2:
    case 3:
        fill.Format("%d %d %d %d %d %d ", GetRValue(c1), GetGValue(c1), GetBValue(c1), GetRValue(c2), GetGValue(c2),
                    GetBValue(c2));
        break;
    case 4:
        fill.Format("%d %d %d %d %d %d %g ", GetRValue(c1), GetGValue(c1), GetBValue(c1), GetRValue(c2),
                    GetGValue(c2), GetBValue(c2), m_style.m_dGradientAngle);
        break;
    case 5:
        fill.Format("\"%s\" %d ", m_style.m_strImageFile.GetString(), (nStyle & styleImageStretched) != 0 ? 1 : 0);
        break;
    default:
        break;
    }
    writer.WriteString(text + fill);
}
