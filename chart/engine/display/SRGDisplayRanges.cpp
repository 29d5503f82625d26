// SRGDisplayBase: the window, the range scans and the rounding of ranges.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>

#include "chart/engine/display/SRGDisplayBase.h"

#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedData.h"
#include "chart/engine/DEDizedException.h"
#include "chart/engine/axes/SRGDateScale.h"
#include "win/COleDateTime.h"

namespace {

// Date spans in days.
const double kFiveSeconds = 5.7870370370349996e-05;
const double kMinute = 0.0006944444444444;
const double kFiveHours = 0.20833333333335002;
const double kFiveDays = 5.0;

bool IsDateAxisType(int nAxisType)
{
    return (nAxisType >= 0x12 && nAxisType <= 0x17) || nAxisType == 0x19 || nAxisType == 0x1b;
}

bool IsBubbleOrVector(int nGraphType)
{
    return nGraphType >= GT_BUBBLE && nGraphType <= GT_VECTOR_SEGMENT;
}

void ResetTo(CScale& rRange, double dMinimum, double dMaximum)
{
    rRange = CScale();
    rRange.Include(dMaximum);
    rRange.Include(dMinimum);
}

// A range of no width becomes [0, 1] at 0, else takes in its maximum x 1.01.
void WidenEmpty(CScale& rRange)
{
    if (rRange.GetRange() != 0.0)
        return;
    if (rRange.m_dMinimum == 0.0) {
        ResetTo(rRange, 0.0, 1.0);
        return;
    }
    rRange.Include(rRange.m_dMaximum * 1.01);
}

// The cut-back date of dDate: to the day, hour, minute or second.
double CutDate(double dDate, double dWidth)
{
    const COleDateTime date(dDate);
    if (date.GetStatus() != COleDateTime::valid)
        return dDate;
    int nHour = date.GetHour();
    int nMinute = date.GetMinute();
    int nSecond = date.GetSecond();
    if (dWidth > kFiveDays)
        nHour = nMinute = nSecond = 0;
    else if (dWidth > kFiveHours)
        nMinute = nSecond = 0;
    else if (dWidth > kMinute)
        nSecond = 0;
    // a cut that decoding rounded up past the date changes nothing: the range only grows
    const COleDateTime cut(date.GetYear(), date.GetMonth(), date.GetDay(), nHour, nMinute, nSecond);
    return cut.GetStatus() == COleDateTime::valid ? double(cut.m_dt) : dDate;
}

} // namespace

void SRGDisplayBase::RecomputeWindow()
{
    if (m_bRangesReady)
        return;
    const int nGroups = m_pChart != nullptr ? m_pChart->GetGroupCount() : 0;
    const int nItems = m_pChart != nullptr ? m_pChart->GetMaxItemCount() : 0;
    m_nWindowFirstGroup = m_nFirstGroup == -1 ? 0 : m_nFirstGroup;
    m_nWindowLastGroup = m_nLastGroup == -1 ? nGroups - 1 : m_nLastGroup;
    m_nWindowFirstIndex = m_nFirstIndex == -1 ? 0 : m_nFirstIndex;
    m_nWindowLastIndex = m_nLastIndex == -1 ? nItems - 1 : m_nLastIndex;
    m_nGroupCount = (std::max)(0, m_nWindowLastGroup - m_nWindowFirstGroup + 1);
    m_nIndexCount = (std::max)(0, m_nWindowLastIndex - m_nWindowFirstIndex + 1);

    int nIndexStride = 1;
    int nGroupStride = 1;
    switch (GetGraphType()) {
    case 0x13: case 0x14: case 0x20: case 0x21:
        nIndexStride = 2;
        break;
    case 0x15: case 0x22: case 0x1a: case 0x1b: case 0x1e:
        nGroupStride = 2;
        break;
    case 0x29: case 0x2a:
        nGroupStride = 3;
        break;
    case 0x1c: case 0x1d: case 0x2b: case 0x2c: case 0x2d: case 0x2e:
        nGroupStride = 4;
        break;
    default:
        break;
    }
    SetIndexStep(nIndexStride);
    SetGroupStep(nGroupStride);

    m_yData = CScale();
    m_xData = CScale();
    ScanRanges();
    WidenEmpty(m_yData);
    WidenEmpty(m_xData);
    RoundRanges();
    m_bRangesReady = 1;
}

void SRGDisplayBase::ScanRanges()
{
    m_bIncludeItemRanges = 0;
    switch (GetGraphType()) {
    case 0x00:
        break;
    case 0x02: case 0x03: case 0x0b: case 0x0c:
        if (ChartAxisHasDepth(GetAxisType()))
            ThreeDScan();
        else
            DefaultScan();
        break;
    case 0x07: case 0x18:
        m_bIncludeItemRanges = 1;
        DefaultScan();
        break;
    case 0x0e:
        RunningSumScan();
        break;
    case 0x0f: case 0x10:
        ThreeDScan();
        break;
    case 0x13: case 0x14: case 0x15: case 0x20: case 0x21: case 0x22:
        XYScan();
        break;
    case 0x1a: case 0x1b:
        PolarScan();
        break;
    case 0x25: case 0x26: case 0x2f: case 0x30:
        StackedBarScan();
        break;
    case 0x27: case 0x28: case 0x31: case 0x32:
        StackedGroupScan();
        break;
    case 0x29: case 0x2a:
        BubbleScan();
        break;
    case 0x2b: case 0x2c: case 0x2d:
        VectorScan();
        break;
    case 0x23: case 0x24: case 0x2e: case 0x1c: case 0x1d: case 0x1e: case 0x01: case 0x04: case 0x05: case 0x06:
    case 0x08: case 0x09: case 0x0a: case 0x0d: case 0x11: case 0x12: case 0x16: case 0x17: case 0x19: case 0x1f:
        DefaultScan();
        break;
    default:
        break;
    }
}

void SRGDisplayBase::DefaultScan()
{
    if (HasFlag(flagFixedRange) && !HasFlag(flagCombineFixed) && m_dFixedYMax > m_dFixedYMin) {
        // the fixed range alone: nothing to scan
        ApplyFixedRange();
        return;
    }
    if (m_pChart != nullptr) {
        for (int g = m_nWindowFirstGroup; g < m_nWindowFirstGroup + m_nGroupCount; ++g) {
            const int nLast = (std::min)(GetGroupItemCount(g) - 1, m_nWindowLastIndex);
            for (int i = m_nWindowFirstIndex; i <= nLast; ++i) {
                DEDizedData* pItem = m_pChart->GetDataItem(i, g);
                if (pItem == nullptr || pItem->IsNull())
                    continue;
                if (m_bIncludeItemRanges) {
                    const CScale range = pItem->GetRange();
                    if (!range.IsReset()) {
                        m_yData.Include(range.m_dMaximum);
                        m_yData.Include(range.m_dMinimum);
                    }
                }
                m_yData.Include(pItem->GetValue(0));
            }
        }
    }
    ApplyFixedRange();
}

void SRGDisplayBase::ApplyFixedRange()
{
    ApplyFixedRange(m_yData, m_dFixedYMin, m_dFixedYMax);
}

void SRGDisplayBase::ApplyFixedRange(CScale& rRange, double dMinimum, double dMaximum)
{
    if (!(dMaximum > dMinimum))
        return;
    const bool bFixed = HasFlag(flagFixedRange);
    if (!HasFlag(flagCombineFixed)) {
        if (bFixed)
            ResetTo(rRange, dMinimum, dMaximum);
        return;
    }
    if (bFixed) {
        rRange.Include(dMaximum);
        rRange.Include(dMinimum);
    } else if (!rRange.IsReset()) {
        ResetTo(rRange, (std::max)(rRange.m_dMinimum, dMinimum), (std::min)(rRange.m_dMaximum, dMaximum));
    }
}

void SRGDisplayBase::ScanAll()
{
    SetIndexStep(1);
    SetGroupStep(1);
    DefaultScan();
}

void SRGDisplayBase::PrepareRanges()
{
    SetIndexStep(1);
    SetGroupStep(1);
}

bool SRGDisplayBase::IsDateYAxis() const
{
    return (m_pYScale != nullptr && m_pYScale->IsKindOf(RUNTIME_CLASS(SRGDateScale))) || IsDateAxisType(GetAxisType());
}

bool SRGDisplayBase::IsDateXAxis() const
{
    return (m_pXScale != nullptr && m_pXScale->IsKindOf(RUNTIME_CLASS(SRGDateScale))) || GetAxisType() == 0x1a;
}

double SRGDisplayBase::GetYExpandFactor()
{
    const int nAxisType = GetAxisType();
    if ((nAxisType >= 0x12 && nAxisType <= 0x17) || nAxisType == 0x19 || nAxisType == 0x1b || IsDateYAxis() ||
        IsBubbleOrVector(GetGraphType()))
        return 1.0;
    return 1.1;
}

double SRGDisplayBase::GetXExpandFactor()
{
    if (GetAxisType() == 0x1a || IsDateXAxis() || IsBubbleOrVector(GetGraphType()))
        return 1.0;
    return 1.1;
}

void SRGDisplayBase::RoundRanges()
{
    const int nGraphType = GetGraphType();
    const bool bYDate = IsDateYAxis();
    const bool bXDate = IsDateXAxis();
    const bool bYLog = HasFlag(flagLogarithmic);
    const bool bDual = nGraphType >= GT_XY_ITEM_PAIRS_DUAL && nGraphType <= GT_XY_GROUP_PAIRS_DUAL;
    const bool bXLog = bDual ? HasOption(optionLogX) : bYLog;
    auto logWidth = [](const CScale& range) {
        return range.m_dMinimum > 0.0 && range.m_dMaximum > 0.0 ? std::log10(range.m_dMaximum) - std::log10(range.m_dMinimum)
                                                                : 0.0;
    };
    auto roundAxis = [&](CScale& range, bool bLog, bool bDate, double dExpand) {
        if (bLog) {
            RoundLogarithmic(range, 1);
            return logWidth(range);
        }
        if (!HasFlag(flagNoZero))
            range.Include(0.0);
        if (bDate)
            RoundDate(range, dExpand);
        else
            RoundDecimal(range, dExpand);
        return range.GetRange();
    };
    if (!HasFlag(flagFixedRange)) {
        m_dYRangeWidth = roundAxis(m_yData, bYLog, bYDate, GetYExpandFactor());
        m_dXRangeWidth = roundAxis(m_xData, bXLog, bXDate, GetXExpandFactor());
    } else {
        auto fixedAxis = [&](CScale& range, bool bLog) {
            if (!bLog)
                return range.GetRange();
            RoundLogarithmic(range, 0);
            return logWidth(range);
        };
        m_dYRangeWidth = fixedAxis(m_yData, bYLog);
        m_dXRangeWidth = fixedAxis(m_xData, HasOption(optionLogX));
    }
    if (!ChartIsXYType(nGraphType)) {
        ClearYViewRange();
        ClearXViewRange();
        return;
    }
    auto viewAxis = [&](CScale& view, const CScale& data, int& rbTaken, bool bLog, bool bDate) {
        if (view.IsReset()) {
            view = data;
            rbTaken = 1;
        }
        if (bLog) {
            RoundLogarithmic(view, 0);
            return logWidth(view);
        }
        if (view.GetRange() != data.GetRange()) {
            if (bDate)
                RoundDate(view, 1.0);
            else
                RoundDecimal(view, 1.0);
        }
        return view.GetRange();
    };
    m_dYRangeWidth = viewAxis(m_yView, m_yData, m_bYViewTaken, bYLog, bYDate);
    m_dXRangeWidth = viewAxis(m_xView, m_xData, m_bXViewTaken, bXLog, bXDate);
}

void SRGDisplayBase::ExpandRange(CScale& rRange, double dExpand)
{
    if (dExpand == 1.0)
        return;
    const double g = (dExpand - 1.0) * rRange.GetRange() * 0.5;
    const double dMinimum = rRange.m_dMinimum;
    const double dMaximum = rRange.m_dMaximum;
    // a margin never carries a range across 0
    rRange.Include(dMinimum >= 0.0 && dMinimum <= g ? 0.0 : dMinimum - g);
    rRange.Include(dMaximum >= -g && dMaximum <= 0.0 ? 0.0 : dMaximum + g);
}

void SRGDisplayBase::RoundDecimal(CScale& rRange, double dExpand)
{
    if (!(rRange.GetRange() > 0.0))
        return;
    ExpandRange(rRange, dExpand);
    const double dWidth = rRange.GetRange();
    if (!std::isfinite(dWidth))
        return;
    const double eps = dWidth * 0.001;
    int n = int(std::floor(std::log10(dWidth)));
    if (n < 0)
        --n;
    if (dWidth / std::pow(10.0, n) <= 4.0)
        --n;
    static const double kFactors[] = {3.5, 2.5, 3.0, 2.0, 5.0, 1.0};
    const double dMinimum = rRange.m_dMinimum;
    const double dMaximum = rRange.m_dMaximum;
    double dLow = dMinimum;
    double dHigh = dMaximum;
    double dLowDistance = -1.0;
    double dHighDistance = -1.0;
    for (double dFactor : kFactors) {
        const double dStep = std::pow(10.0, n) * dFactor;
        double dCandidate = dStep * std::floor(dMinimum / dStep);
        if (dCandidate > dMinimum + eps)
            dCandidate -= dStep;
        // the later factor wins a tie
        if (dLowDistance < 0.0 || dMinimum - dCandidate <= dLowDistance) {
            dLowDistance = dMinimum - dCandidate;
            dLow = dCandidate;
        }
        dCandidate = dStep * std::floor(dMaximum / dStep);
        if (dCandidate < dMaximum - eps)
            dCandidate += dStep;
        if (dHighDistance < 0.0 || dCandidate - dMaximum <= dHighDistance) {
            dHighDistance = dCandidate - dMaximum;
            dHigh = dCandidate;
        }
    }
    rRange.Include(dLow);
    rRange.Include(dHigh);
}

void SRGDisplayBase::RoundLogarithmic(CScale& rRange, int bDecades)
{
    const double lo = rRange.m_dMinimum > 0.0 ? rRange.m_dMinimum : 0.0001;
    const double hi = rRange.m_dMaximum <= 0.0 || rRange.m_dMaximum <= lo ? lo * 10.0 : rRange.m_dMaximum;
    const double L = std::log10(lo);
    const double H = std::log10(hi);
    const double dSpan = H - L;
    bool bWhole = bDecades || dSpan > 5.0;
    if (bWhole && dSpan <= 0.6) {
        // the integer part of a negative logarithm counts one lower
        auto whole = [](double v) { return v < 0.0 ? int(v) - 1 : int(v); };
        if (whole(L) == whole(H))
            bWhole = false;
    }
    if (bWhole) {
        int a = int(std::floor(L));
        if (a + 1 - L < dSpan * 0.01)
            ++a;
        int b = int(std::ceil(H));
        if (H + 1 - b < dSpan * 0.01)
            --b;
        if (a == b)
            b = a + 1;
        ResetTo(rRange, std::pow(10.0, a), std::pow(10.0, b));
        return;
    }
    double s = std::pow(10.0, std::floor(std::log10(lo)));
    if ((hi - lo) / s < 3.0)
        s /= 10.0;
    const double dLow = s * std::floor(lo / s);
    double t = std::pow(10.0, std::floor(std::log10(hi)));
    if ((hi - dLow) / t < 3.1)
        t /= 10.0;
    ResetTo(rRange, dLow, t * std::ceil(hi / t));
}

void SRGDisplayBase::RoundDate(CScale& rRange, double dExpand)
{
    ExpandRange(rRange, dExpand);
    const double dWidth = rRange.GetRange();
    if (dWidth > kFiveSeconds)
        rRange.Include(CutDate(rRange.m_dMinimum, dWidth));
}

double SRGDisplayBase::GetLabelStep()
{
    double w = m_dYRangeWidth;
    if (!(w > 0.0) || !std::isfinite(w))
        return 0.01;
    double d = 0.0;
    if (w > 1.0) {
        d = 1.0;
        while (w >= 10.0) {
            d *= 10.0;
            w *= 0.1;
        }
    } else {
        d = 0.1;
        while (w < 1.0) {
            d *= 0.1;
            w *= 10.0;
        }
    }
    return d * 0.1;
}

void SRGDisplayBase::ListValueLabels(double dStep, CStringList& rList)
{
    if (!IsDrawing())
        ThrowChartException(18);
    if (!(dStep > 0.0))
        AfxThrowInvalidArgFormat("SRGDisplayBase::ListValueLabels: step %g (above 0 allowed)", dStep);
    CString text;
    for (int k = 0; k * dStep <= m_dYRangeWidth; ++k) {
        text.Format("%g", k * dStep);
        rList.AddTail(text);
    }
}
