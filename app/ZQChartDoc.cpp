// CZQChartDoc and CZQChartTemplate: the marginal value chart document and its template (see
// ZQChartDoc.h).
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/ZQChartDoc.h"

#include "app/ZQApp.h"
#include "app/ZQDEDizedDisplay.h"
#include "chart/engine/DEDizedData.h"
#include "chart/engine/components/DEDizedBackground.h"
#include "model/solve/Solver.h"

namespace {

// The items' line kind word: a solid line in the style's colour (line kind 2) to a round marker
// (marker kind 12) filled with the style's first fill colour (fill kind 0).
const int kItemLineKind = (12 << 8) | 2;
// A component style word that fills the component with its first fill colour.
const int kFilledStyle = 0x100;

} // namespace

IMPLEMENT_DYNCREATE(CZQChartDoc, CGraphDoc)

CZQChartDoc::CZQChartDoc() : m_nCriterion(0) {}

CZQChartDoc::~CZQChartDoc() = default;

BOOL CZQChartDoc::OnNewDocument()
{
    if (!CGraphDoc::OnNewDocument())
        return FALSE;
    SetTitle(m_strCriterionTitle);
    m_chart.Reset();
    const CZQApp* pApp = ZQGetApp();

    // The display paints only its plot: the rest of the window takes the background colour from a
    // background component, else the chart's drawing buffer would show through.
    DEDizedBackground* pBackground = new DEDizedBackground;
    pBackground->SetMeasurement(DEDizedRect::measurePerCent);
    pBackground->SetRectValues(0.0, 0.0, 100.0, 100.0);
    pBackground->GetStyle()->m_nStyle = kFilledStyle;
    if (pApp != nullptr)
        pBackground->GetStyle()->m_crFill1 = pApp->m_crChartBackground;
    m_chart.AddComponent(pBackground);

    CZQDEDizedDisplay* pDisplay = new CZQDEDizedDisplay;
    DEDizedStyle* pStyle = pDisplay->GetStyle();
    pStyle->m_nStyle = (pStyle->m_nStyle & 0xFFFF) | (GT_LINE << 16) | (AXIS_STANDARD << 24);
    pDisplay->SetFlags(pDisplay->GetFlags() | SRGDisplayBase::flagFixedRange | SRGDisplayBase::flagFillPlot);
    pDisplay->SetFixedMin(0.0);
    pDisplay->SetFixedMax(kScaleMaximum);
    if (pApp != nullptr) {
        pStyle->m_crFill1 = pApp->m_crChartBackground;
        pStyle->m_crFill2 = pApp->m_crChartAxis;
    }
    pDisplay->MarkStyleChanged();
    m_chart.AddComponent(pDisplay);
    return TRUE;
}

void CZQChartDoc::OnCloseDocument()
{
    if (CZQApp* pApp = ZQGetApp())
        pApp->UpdateChartsOpen(this);
    CGraphDoc::OnCloseDocument();
}

CZQDEDizedDisplay* CZQChartDoc::GetDisplay()
{
    return dynamic_cast<CZQDEDizedDisplay*>(m_chart.GetComponent(0, chartTypeDisplay));
}

CriterionRecord* CZQChartDoc::GetCriterionRecord() const
{
    const CZQApp* pApp = ZQGetApp();
    const Solver* pSolver = pApp != nullptr ? pApp->m_Project.ProjectSolver.get() : nullptr;
    if (pSolver == nullptr || m_nCriterion < 0 || size_t(m_nCriterion) >= pSolver->model.criteria.size())
        return nullptr;
    return pSolver->model.criteria[size_t(m_nCriterion)].get();
}

int CZQChartDoc::BreakpointOf(int nItem, int nCount, bool bGain)
{
    return bGain ? nItem : nCount - 1 - nItem;
}

void CZQChartDoc::ApplyBounds(int nItem)
{
    DEDizedData* pItem = m_chart.GetDataItem(nItem, 0);
    const CriterionRecord* pRecord = GetCriterionRecord();
    const CZQApp* pApp = ZQGetApp();
    if (pItem == nullptr || pRecord == nullptr || pApp == nullptr)
        return;
    CScale range;
    const int nBreakpoint = BreakpointOf(nItem, m_chart.GetItemCount(0, TRUE), pRecord->direction == 1);
    const auto& bounds = pApp->m_Project.ValueBoundsTable;
    if (size_t(m_nCriterion) < bounds.size() && nBreakpoint >= 0 &&
        size_t(nBreakpoint) < bounds[size_t(m_nCriterion)].size()) {
        const ValueBoundPoint& bound = bounds[size_t(m_nCriterion)][size_t(nBreakpoint)];
        range.m_dMaximum = bound.upper;
        range.m_dMinimum = bound.lower;
    }
    // a reset range: the next value stored in the item starts it anew
    range.m_nReset = 1;
    *pItem->GetRangePtr() = range;
}

BOOL CZQChartDoc::ShowValueFunction()
{
    m_chart.ClearData();
    const CZQApp* pApp = ZQGetApp();
    const CriterionRecord* pRecord = GetCriterionRecord();
    const bool bFunction = pApp != nullptr && pRecord != nullptr &&
                           size_t(m_nCriterion) < pApp->m_Project.ValueFunctions.size();
    if (pApp != nullptr) {
        m_strCriterionTitle = ProjectCell(ProjectRow(pApp->m_Project.CriteriaTable, size_t(m_nCriterion)), 0);
        SetTitle(m_strCriterionTitle);
    }
    if (bFunction) {
        const std::vector<ValuePoint>& points = pApp->m_Project.ValueFunctions[size_t(m_nCriterion)];
        const int nCount = int(points.size());
        const bool bGain = pRecord->direction == 1;
        for (int nItem = 0; nItem < nCount; ++nItem) {
            const ValuePoint& point = points[size_t(BreakpointOf(nItem, nCount, bGain))];
            m_chart.SetValue(nItem, 0, point.y, 0);
            CString annotation;
            annotation.Format("%.*f", pApp->m_nEvaluationsPrecision, point.x);
            m_chart.SetItemAnnotation(nItem, 0, annotation);
            DEDizedStyle* pStyle = m_chart.GetDataItem(nItem, 0)->GetStyle();
            pStyle->m_nLineKind = kItemLineKind;
            pStyle->m_crColor = pApp->m_crChartLine;
            pStyle->m_crFill1 = pApp->m_crChartPoints;
        }
        for (int nItem = 0; nItem < nCount; ++nItem)
            ApplyBounds(nItem);
    }
    m_chart.MarkForRedraw();
    UpdateAllViews(nullptr);
    return bFunction ? TRUE : FALSE;
}

// ---- CZQChartTemplate ------------------------------------------------------------------------------

CZQChartTemplate::CZQChartTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                   CRuntimeClass* pViewClass)
    : CMultiDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_nNextCriterion(0)
{
}

CZQChartDoc* CZQChartTemplate::OpenChart(int nCriterion, LPCSTR lpszTitle)
{
    m_nNextCriterion = nCriterion;
    m_strNextTitle = lpszTitle != nullptr ? lpszTitle : "";
    return dynamic_cast<CZQChartDoc*>(OpenDocumentFile(nullptr));
}

CDocument* CZQChartTemplate::CreateNewDocument()
{
    CDocument* pDocument = CMultiDocTemplate::CreateNewDocument();
    if (CZQChartDoc* pChart = dynamic_cast<CZQChartDoc*>(pDocument)) {
        pChart->m_nCriterion = m_nNextCriterion;
        pChart->m_strCriterionTitle = m_strNextTitle;
    }
    return pDocument;
}
