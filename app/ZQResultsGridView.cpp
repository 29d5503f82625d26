// CZQResultsGridView: the comparison matrix view (see ZQResultsGridView.h).
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/ZQResultsGridView.h"

#include "app/ZQApp.h"
#include "grid/engine/GXStyle.h"
#include "model/solve/Solver.h"

IMPLEMENT_DYNCREATE(CZQResultsGridView, CZQAppGridView)

BEGIN_MESSAGE_MAP(CZQResultsGridView, CZQAppGridView)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CZQResultsGridView::CZQResultsGridView() = default;

CZQResultsGridView::~CZQResultsGridView() = default;

void CZQResultsGridView::OnInitialUpdate()
{
    CZQAppGridView::OnInitialUpdate();
    if (CZQApp* pApp = ZQGetApp())
        pApp->m_nMatrixOpen = 1;
}

void CZQResultsGridView::LoadCells()
{
    LoadMatrix();
}

void CZQResultsGridView::LoadMatrix()
{
    if (GetParam() == nullptr)
        return;
    const UndoPause pause(*this);
    CZQApp* pApp = ZQGetApp();
    const Solver* pSolver = pApp != nullptr ? pApp->m_Project.ProjectSolver.get() : nullptr;
    // a Solver without results has nothing to compare
    if (pSolver != nullptr && !pSolver->HasResults())
        pSolver = nullptr;
    const size_t n = pSolver != nullptr ? pSolver->model.alternatives.size() : 0;

    SetRowCount(ROWCOL(n), 2);
    SetColCount(ROWCOL(n), 2);
    ResetBody();
    if (pSolver == nullptr)
        return;

    // square over the table's rows, and never past a row's end
    const SolverMatrix& table = pSolver->weakOptima;
    const size_t nSquare = (std::min)(table.size(), n);
    for (size_t i = 0; i < nSquare; ++i) {
        const size_t nCells = (std::min)(table[i].size(), nSquare);
        for (size_t k = 0; k < nCells; ++k) {
            CString number;
            number.Format("%.13g", table[i][k]);
            CGXStyle value;
            value.SetValue(number).SetValueType(CGXStyle::gxValueNumber);
            ApplyStyle(CGXCellRange(ROWCOL(i + 1), ROWCOL(k + 1), ROWCOL(i + 1), ROWCOL(k + 1)), value);
        }
    }
    for (size_t j = 0; j < n; ++j) {
        const AlternativeRecord* pAlternative = pSolver->model.alternatives[j].get();
        const CString name = pAlternative != nullptr ? pAlternative->name : CString();
        const ROWCOL nIndex = ROWCOL(j + 1);
        ApplyValueToRange(CGXCellRange(nIndex, 0, nIndex, 0), name, CGXStyle::gxOverride, 0, 2);
        ApplyValueToRange(CGXCellRange(0, nIndex, 0, nIndex), name, CGXStyle::gxOverride, 0, 2);
    }

    if (n > 0) {
        // the guard stays on: from now on nothing but a refill changes a body cell
        const CGXCellRange body(1, 1, ROWCOL(n), ROWCOL(n));
        CGXStyle readOnly;
        readOnly.SetReadOnly(TRUE);
        ApplyStyle(body, readOnly);
        ApplyStyle(body, GetStandardStyle());
    }
}

void CZQResultsGridView::OnDestroy()
{
    if (CZQApp* pApp = ZQGetApp())
        pApp->m_nMatrixOpen = 0;
    CZQAppGridView::OnDestroy();
}
