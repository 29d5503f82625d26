// CZQChartView: the marginal value chart view (see ZQChartView.h).
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/ZQChartView.h"

#include "app/ZQApp.h"
#include "app/ZQChartDoc.h"
#include "chart/engine/DEDized.h"
#include "model/solve/Solver.h"

IMPLEMENT_DYNCREATE(CZQChartView, DEDizedView)

BEGIN_MESSAGE_MAP(CZQChartView, DEDizedView)
    ON_WM_LBUTTONUP()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CZQChartView::CZQChartView() : m_nHeldIndex(-1)
{
    EnableZoom(0);
    EnableDragTip(1);
}

CZQChartView::~CZQChartView() = default;

CZQChartDoc* CZQChartView::GetChartDocument() const
{
    return dynamic_cast<CZQChartDoc*>(GetDocument());
}

void CZQChartView::OnInitialUpdate()
{
    DEDizedView::OnInitialUpdate();
    if (CZQApp* pApp = ZQGetApp())
        pApp->m_nChartsOpen = 1;
}

void CZQChartView::OnDestroy()
{
    if (CZQApp* pApp = ZQGetApp())
        pApp->UpdateChartsOpen(GetDocument());
    DEDizedView::OnDestroy();
}

void CZQChartView::OnDraw(CDC* pDC)
{
    CZQChartDoc* pDocument = GetChartDocument();
    if (m_nHeldIndex >= 0 && pDocument != nullptr)
        pDocument->ApplyBounds(m_nHeldIndex);
    DEDizedView::OnDraw(pDC);
}

DEDizedPosition* CZQChartView::HitTest(DEDized* pChart, int x, int y)
{
    DEDizedPosition* pPosition = DEDizedView::HitTest(pChart, x, y);
    // a tip's hit test outside a drag must not leave a point held for a later click
    if (IsValueDragActive())
        m_nHeldIndex = GetPickedIndex();
    return pPosition;
}

void CZQChartView::OnLButtonUp(UINT nFlags, CPoint point)
{
    CZQApp* pApp = ZQGetApp();
    CZQChartDoc* pDocument = GetChartDocument();
    DEDized* pChart = GetGraph();
    if (pChart != nullptr)
        pChart->GetGroup(0, TRUE);
    const int nHeld = m_nHeldIndex;
    m_nHeldIndex = -1;
    if (nHeld >= 0 && pApp != nullptr && pDocument != nullptr && !AcceptDraggedValue(*pApp, *pDocument, nHeld)) {
        // nothing to write into: the chart shows the accepted functions again
        pDocument->ShowValueFunction();
        DEDizedView::OnLButtonUp(nFlags, point);
        return;
    }
    if (pApp != nullptr)
        pApp->m_nFunctionsEdited = 1;
    DEDizedView::OnLButtonUp(nFlags, point);
}

BOOL CZQChartView::AcceptDraggedValue(CZQApp& app, CZQChartDoc& document, int nItem)
{
    CZQInterfaceData& project = app.m_Project;
    Solver* pSolver = project.ProjectSolver.get();
    if (pSolver == nullptr || !pSolver->HasResults())
        return FALSE;
    std::vector<std::unique_ptr<CriterionRecord>>& criteria = pSolver->model.criteria;
    std::vector<std::vector<ValuePoint>>& functions = project.ValueFunctions;
    const size_t n = criteria.size();
    const size_t c = size_t(document.m_nCriterion);
    if (document.m_nCriterion < 0 || c >= n || functions.size() != n)
        return FALSE;
    for (size_t k = 0; k < n; ++k) {
        const CriterionRecord* pRecord = criteria[k].get();
        if (pRecord == nullptr || pRecord->values.size() != pRecord->breakpoints.size() ||
            functions[k].size() != pRecord->breakpoints.size() || pRecord->values.empty())
            return FALSE;
    }
    CriterionRecord& record = *criteria[c];
    const int nCount = int(record.breakpoints.size());
    DEDized& chart = *document.GetChart();
    if (chart.GetItemCount(0, TRUE) != nCount || nItem >= nCount)
        return FALSE;

    const bool bGain = record.direction == 1;
    const size_t b = size_t(CZQChartDoc::BreakpointOf(nItem, nCount, bGain));
    pSolver->NearestAdmissibleValue(c, b, chart.GetValue(nItem, 0), app.m_nPreserveKendall);
    // the records hold the accepted functions
    for (size_t k = 0; k < n; ++k)
        for (size_t l = 0; l < functions[k].size(); ++l)
            functions[k][l] = ValuePoint{criteria[k]->breakpoints[l], criteria[k]->values[l]};

    project.RefreshComparisonMatrixWindow();
    project.RefreshGraphsWindow();
    project.RefreshRankingChart();
    if (pSolver->shownKendall > pSolver->kendall.value)
        pSolver->kendall.value = pSolver->shownKendall;
    CString status;
    status.Format("%.3f", pSolver->shownKendall);
    app.SetStatusText(status);
    // the ranges the bars show, from the accepted functions
    project.FillValueBounds(app.m_nPreserveKendall);
    app.RefillValueCharts();
    return TRUE;
}
