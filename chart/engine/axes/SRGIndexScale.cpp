// SRGIndexScale and SRGGroupScale: the category labels of an axis.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>
#include <vector>

#include "chart/engine/axes/SRGIndexScale.h"

#include "chart/engine/DEDized.h"
#include "win/CDC.h"
#include "chart/engine/display/SRGDisplayBase.h"

IMPLEMENT_SERIAL(SRGIndexScale, SRGDecimalScale, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(SRGGroupScale, SRGIndexScale, VERSIONABLE_SCHEMA | 1)

namespace {

// The window bound: the requested one, or the whole range for -1.
int Bound(int nRequested, int nWhole)
{
    return nRequested == -1 ? nWhole : nRequested;
}

} // namespace

SRGIndexScale::SRGIndexScale() : m_bOnPoints(0), m_nTextGroup(0)
{
    m_nTypeId = chartTypeIndexScale;
    m_style.SetTextAngle(-500.0);
}

void SRGIndexScale::Serialize(CArchive& ar)
{
    SRGDecimalScale::Serialize(ar);
    if (ar.IsStoring())
        ar << m_bOnPoints;
    else
        ar >> m_bOnPoints;
}

int SRGIndexScale::GetOnPoints() const
{
    return m_bOnPoints;
}

void SRGIndexScale::SetOnPoints(int bOnPoints)
{
    m_bOnPoints = bOnPoints;
}

int SRGIndexScale::AutomaticInterval(int n, int nRoom)
{
    const int m = (std::max)(1, nRoom);
    int A = (std::max)(1, (n + m - 1) / m);
    auto roundUp = [](int nValue, int nMultiple) { return (nValue + nMultiple - 1) / nMultiple * nMultiple; };
    if (A > 500)
        A = roundUp(A, 500);
    else if (A > 100)
        A = roundUp(A, 100);
    else if (A > 5)
        A = roundUp(A, 10);
    return A;
}

void SRGIndexScale::GetCategories(int& rnCount, int& rnFirst, int& rnStride)
{
    const int nItems = m_pChart != nullptr ? m_pChart->GetMaxItemCount() : 0;
    rnFirst = Bound(m_nFirstIndex, 0);
    const int nLast = Bound(m_nLastIndex, nItems - 1);
    m_nTextGroup = Bound(m_nFirstGroup, 0);
    const SRGDisplayBase* pDisplay = GetChartDisplay();
    rnStride = pDisplay != nullptr ? (std::max)(1, pDisplay->GetIndexStep()) : 1;
    rnCount = (std::max)(1, (nLast - rnFirst + 1) / rnStride);
}

CString SRGIndexScale::GetCategoryText(int nCategory)
{
    return m_pChart != nullptr ? m_pChart->GetItemAnnotation(m_nTextGroup, nCategory, GetMode()) : CString();
}

void SRGIndexScale::BuildLabels()
{
    if (!IsDrawing() || m_pDC == nullptr)
        return;
    const int L = GetAxisLength();
    if (L < 1)
        return;
    int n = 0;
    int nFirst = 0;
    int nStride = 1;
    GetCategories(n, nFirst, nStride);
    int A = 1;
    if (m_dStep >= 1.0) {
        A = int(m_dStep);
    } else {
        ChartFontScope font(m_pDC, GetFont());
        const int h = (std::max)(1, int(m_pDC->GetTextExtent("0", 1).cy));
        // at least 1.2 text heights a label; the room each label needs as it is turned decides when it
        // is more (its outline, about 1.4 text heights, across the axis; its width along it, as the
        // value charts' horizontal x labels), the widest of them
        double dSpacing = 1.2 * h;
        for (int j = 0; j < n; ++j)
            dSpacing = (std::max)(dSpacing, LabelSpacing(MeasureText(GetCategoryText(nFirst + j * nStride)), h));
        A = AutomaticInterval(n, int(L / dSpacing));
    }
    std::vector<double> positions;
    std::vector<CString> texts;
    for (int j = 0; j < n; j += A) {
        const double t = m_bOnPoints ? (n > 1 ? double(j) / (n - 1) : 0.0) : (j + 0.5) / n;
        positions.push_back(m_bAscending ? t : 1.0 - t);
        texts.push_back(GetCategoryText(nFirst + j * nStride));
    }
    m_dLastStep = A;
    PlaceLabels(positions, texts);
}

// ---- SRGGroupScale ---------------------------------------------------------------------------------------------------

SRGGroupScale::SRGGroupScale()
{
    m_nTypeId = chartTypeGroupScale;
}

void SRGGroupScale::GetCategories(int& rnCount, int& rnFirst, int& rnStride)
{
    const int nGroups = m_pChart != nullptr ? m_pChart->GetGroupCount() : 0;
    rnFirst = Bound(m_nFirstGroup, 0);
    const int nLast = Bound(m_nLastGroup, nGroups - 1);
    const SRGDisplayBase* pDisplay = GetChartDisplay();
    rnStride = pDisplay != nullptr ? (std::max)(1, pDisplay->GetGroupStep()) : 1;
    rnCount = (std::max)(1, (nLast - rnFirst + 1) / rnStride);
}

CString SRGGroupScale::GetCategoryText(int nCategory)
{
    return m_pChart != nullptr ? m_pChart->GetGroupAnnotation(nCategory, GetMode()) : CString();
}
