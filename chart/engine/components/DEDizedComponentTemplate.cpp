// DEDizedComponent: the common part of a component's template line.
#include "chart/engine/components/DEDizedComponent.h"

#include "chart/engine/DEDizedException.h"
#include "chart/engine/template/ChartTemplateScanner.h"

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
    ChartTemplateCommon part;
    const char* p = lpszText;
    if (const int nCode = ChartTemplateScanCommon(lpszText, part, &p))
        ThrowChartException(nCode);

    SetRectValues(part.rect[0], part.rect[1], part.rect[2], part.rect[3]);
    SetMeasurement(part.measurement);
    const int nFill = part.fill;
    m_style.m_nStyle = (nFill << 8) | ((part.shadow & 0xF) << 4) | (part.border & 0xF);
    m_style.m_crFill1 = nFill == 0 || nFill == 5 ? 0 : PackColour(part.colour1);
    m_style.m_crFill2 = nFill >= 2 && nFill <= 4 ? PackColour(part.colour2) : 0;
    if (nFill == 4)
        m_style.m_dGradientAngle = part.angle;
    if (nFill == 5) {
        SetImageName(part.image.c_str());
        if (part.placement != 0)
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
    writer.WriteString(kChartTemplateLineEnd);
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
