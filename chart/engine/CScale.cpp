#include "chart/engine/CScale.h"

#include <cmath>

IMPLEMENT_SERIAL(CScale, CObject, VERSIONABLE_SCHEMA | 1)

CScale::CScale() : m_dMaximum(0.0), m_dMinimum(0.0), m_nReset(1)
{
}

CScale::CScale(const CScale& other) = default;

CScale& CScale::operator=(const CScale& other) = default;

void CScale::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_dMaximum << m_dMinimum << m_nReset;
    else
        ar >> m_dMaximum >> m_dMinimum >> m_nReset;
}

int CScale::IsReset() const
{
    return m_nReset;
}

double CScale::GetDecades() const
{
    if (m_dMaximum > 0.0 && m_dMinimum > 0.0)
        return std::log10(m_dMaximum / m_dMinimum);
    return 1.0;
}

void CScale::Include(double dValue)
{
    if (m_nReset != 0) {
        m_dMaximum = m_dMinimum = dValue;
        m_nReset = 0;
        return;
    }
    if (dValue > m_dMaximum)
        m_dMaximum = dValue;
    if (dValue < m_dMinimum)
        m_dMinimum = dValue;
}

double CScale::GetRange() const
{
    return m_dMaximum - m_dMinimum;
}
