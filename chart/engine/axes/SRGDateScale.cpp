// SRGDateScale: the labels of date axes.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>
#include <vector>

#include "chart/engine/axes/SRGDateScale.h"

#include "win/CDC.h"
#include "win/COleDateTime.h"

IMPLEMENT_SERIAL(SRGDateScale, SRGDecimalScale, VERSIONABLE_SCHEMA | 1)

namespace {

const double kSecond = 1.0 / 86400.0;
const double kMinute = 0.0006944444444444;
const double kHour = 0.04166666666667;
const double kMonthDays = 30.4375;

// The date of the first label's day nMonths calendar months later (the last day of a shorter month).
COleDateTime AddMonths(const COleDateTime& first, int nMonths)
{
    const int nMonthIndex = first.GetYear() * 12 + (first.GetMonth() - 1) + nMonths;
    const int nYear = nMonthIndex / 12;
    const int nMonth = nMonthIndex % 12 + 1;
    for (int nDay = first.GetDay(); nDay >= 28; --nDay) {
        const COleDateTime date(nYear, nMonth, nDay, first.GetHour(), first.GetMinute(), first.GetSecond());
        if (date.GetStatus() == COleDateTime::valid)
            return date;
    }
    return COleDateTime(nYear, nMonth, (std::min)(first.GetDay(), 28), first.GetHour(), first.GetMinute(),
                        first.GetSecond());
}

} // namespace

SRGDateScale::SRGDateScale()
{
    m_nTypeId = chartTypeDateScale;
}

const char* SRGDateScale::GetDefaultFormat(double dStep)
{
    if (dStep > 1.0)
        return "%x";
    if (dStep > kHour)
        return "%H:%M:%S";
    if (dStep > kMinute)
        return "%M:%S";
    return "%S";
}

void SRGDateScale::BuildLabels()
{
    if (!IsDrawing() || m_pDC == nullptr)
        return;
    const double lo = (std::min)(m_dMinimum, m_dMaximum);
    const double hi = (std::max)(m_dMinimum, m_dMaximum);
    const COleDateTime first(lo);
    if (!(hi - lo > 2.220446e-14) || first.GetStatus() != COleDateTime::valid ||
        COleDateTime(hi).GetStatus() != COleDateTime::valid) {
        PlaceLabels({}, {});
        return;
    }
    const int L = GetAxisLength();
    if (L < 1)
        return;
    ChartFontScope font(m_pDC, GetFont());
    const double dRange = hi - lo;
    double dStep = m_dStep;
    if (!(dStep > 0.0)) {
        // the extent of a label along the axis, measured on the widest format
        const CSize extent = m_pDC->GetTextExtent(COleDateTime(hi).Format(m_strFormat.IsEmpty() ? "%x %H:%M:%S" : m_strFormat));
        const bool bVertical = std::abs(m_ptEnd.y - m_ptStart.y) > std::abs(m_ptEnd.x - m_ptStart.x);
        const double dMinStep = (bVertical ? extent.cy : extent.cx) * dRange * 1.2 / L;
        static const double kSteps[] = {kSecond,       5 * kSecond,  15 * kSecond, 30 * kSecond, kMinute,
                                        5 * kMinute,   15 * kMinute, 30 * kMinute, kHour,        3 * kHour,
                                        6 * kHour,     12 * kHour,   1.0,          2.0,          7.0,
                                        14.0,          30.0,         91.0,         182.0,        365.0};
        dStep = kSteps[sizeof kSteps / sizeof kSteps[0] - 1];
        for (double dCandidate : kSteps) {
            if (dCandidate >= dMinStep) {
                dStep = dCandidate;
                break;
            }
        }
        // beyond a year of a label: whole years
        if (dStep < dMinStep)
            dStep = 365.0 * std::ceil(dMinStep / 365.0);
    }
    m_dLastStep = dStep;
    const CString format = m_strFormat.IsEmpty() ? CString(GetDefaultFormat(dStep)) : m_strFormat;
    const bool bMonths = dStep >= 30.0;
    const int nMonths = (std::max)(1, int(dStep / kMonthDays + 0.5));
    std::vector<double> positions;
    std::vector<CString> texts;
    for (int k = 0; k <= L; ++k) {
        const COleDateTime date = bMonths ? AddMonths(first, k * nMonths) : COleDateTime(lo + k * dStep);
        if (date.GetStatus() != COleDateTime::valid || double(date.m_dt) > hi + dStep * 1e-9)
            break;
        const double t = (date.m_dt - lo) / dRange;
        positions.push_back(m_bAscending ? t : 1.0 - t);
        texts.push_back(date.Format(format));
    }
    PlaceLabels(positions, texts);
}
