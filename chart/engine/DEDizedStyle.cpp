#include "chart/engine/DEDizedStyle.h"

IMPLEMENT_SERIAL(DEDizedStyle, CObject, VERSIONABLE_SCHEMA | 1)

DEDizedStyle::DEDizedStyle()
    : m_nKind(0x1010),
      m_crColor(0x808000),
      m_nOptions(1),
      m_dLimit1(10000000.0),
      m_dLimit2(10000000.0),
      m_dLimit3(10000000.0),
      m_nLineKind(0x112),
      m_nFlags(0),
      m_nStyle(0x100),
      m_nExtra(0),
      m_nStyleSet(1),
      m_crFill1(0xFFFFFF),
      m_crFill2(0),
      m_dGradientAngle(0.0),
      m_dSize(30.0),
      m_dValue5(0.0),
      m_dValue6(0.0)
{
}

DEDizedStyle::DEDizedStyle(int nKindNibble) : DEDizedStyle()
{
    m_nKind = (m_nKind & ~0xF) | (nKindNibble & 0xF);
}

DEDizedStyle::DEDizedStyle(const DEDizedStyle& other) = default;

DEDizedStyle& DEDizedStyle::operator=(const DEDizedStyle& other) = default;

void DEDizedStyle::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nLineKind << m_nFlags << m_nOptions << m_nStyle;
        ar << m_crFill1 << m_crFill2 << m_nExtra;
        ar << m_dGradientAngle << m_dLimit2 << m_dLimit1 << m_dLimit3;
        ar << m_nStyleSet << m_strImageFile << m_strText1;
        ar << m_nKind << m_crColor;
        ar << m_dSize << m_dValue5 << m_dValue6;
    } else {
        ar >> m_nLineKind >> m_nFlags >> m_nOptions >> m_nStyle;
        ar >> m_crFill1 >> m_crFill2 >> m_nExtra;
        ar >> m_dGradientAngle >> m_dLimit2 >> m_dLimit1 >> m_dLimit3;
        ar >> m_nStyleSet >> m_strImageFile >> m_strText1;
        ar >> m_nKind >> m_crColor;
        ar >> m_dSize >> m_dValue5 >> m_dValue6;
    }
}

void DEDizedStyle::CopyFrom(const DEDizedStyle& other)
{
    *this = other;
}

void DEDizedStyle::SetImageFile(const char* lpszName)
{
    const CString name(lpszName);
    if (name != m_strImageFile)
        m_nOptions &= ~optionImageLoaded;
    m_strImageFile = name;
}

int DEDizedStyle::GetFillCode() const
{
    return (m_nKind & 0xF) == kindComponent ? m_nStyle & 0xF00 : m_nLineKind & 0xF0;
}

int DEDizedStyle::GetEdgeKind() const
{
    return ((m_nKind & 0xF) == kindComponent ? m_nStyle : m_nLineKind) & 0xF;
}
