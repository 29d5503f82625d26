// the standard headers before windows.h, which defines min and max as macros
#include <cmath>

#include "chart/engine/DEDizedData.h"

IMPLEMENT_SERIAL(DEDizedData, CObject, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(DEDizedDummyData, DEDizedData, VERSIONABLE_SCHEMA | 1)

DEDizedData::DEDizedData() : m_dValue(0.0), m_style(DEDizedStyle::kindData), m_bNull(1)
{
}

void DEDizedData::Serialize(CArchive& ar)
{
    m_annotations.Serialize(ar);
    m_style.Serialize(ar);
    m_range.Serialize(ar);
    if (ar.IsStoring())
        ar << m_dValue << m_bNull;
    else
        ar >> m_dValue >> m_bNull;
}

DEDizedStyle* DEDizedData::GetStyle()
{
    return &m_style;
}

void DEDizedData::SetNull(int bNull)
{
    m_bNull = bNull;
}

int DEDizedData::IsNull() const
{
    return m_bNull;
}

double DEDizedData::LogOrFloor(double dValue)
{
    return dValue > 0.0 ? std::log10(dValue) : -99.0;
}

double DEDizedData::GetLogValue() const
{
    return LogOrFloor(m_dValue);
}

void DEDizedData::ClearRange()
{
    m_dValue = 0.0;
    m_range = CScale();
}

CScale DEDizedData::GetRange()
{
    return m_range;
}

int DEDizedData::IsDynamic() const
{
    return 0;
}

const CString& DEDizedData::GetAnnotation(int nIndex) const
{
    return m_annotations.GetAnnotation(nIndex);
}

double DEDizedData::GetValue(int bLogarithmic)
{
    return bLogarithmic != 0 ? GetLogValue() : m_dValue;
}

void DEDizedData::SetValue(double dValue)
{
    m_dValue = dValue;
    m_range.Include(dValue);
    m_bNull = 0;
}

void DEDizedData::SetAnnotation(const char* lpszText, int bClearFirst, int nIndex)
{
    m_annotations.SetAnnotation(nIndex, lpszText, bClearFirst);
}

void DEDizedData::AddAnnotation(int nIndex, const char* lpszText)
{
    m_annotations.SetAnnotation(nIndex, lpszText);
}

DEDizedAnnotationList* DEDizedData::GetAnnotationList()
{
    return &m_annotations;
}

CScale* DEDizedData::GetRangePtr()
{
    return &m_range;
}

DEDizedDummyData::DEDizedDummyData() = default;

void DEDizedDummyData::SetNull(int)
{
}

void DEDizedDummyData::SetValue(double)
{
}

void DEDizedDummyData::SetAnnotation(const char*, int, int)
{
}

void DEDizedDummyData::AddAnnotation(int, const char*)
{
}

DEDizedDummyData* DEDizedDummyData::GetShared()
{
    static DEDizedDummyData s_placeholder;
    return &s_placeholder;
}
