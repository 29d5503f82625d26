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

namespace {

// The styles of one row of the matrix, given back to the grid's pool when the row is stored.
class RowStyles : public CObArray {
public:
    explicit RowStyles(CGXGridCore& grid) : m_grid(grid) {}
    ~RowStyles() override
    {
        for (int32_t k = 0; k < GetSize(); ++k) {
            if (CObject* pStyle = GetAt(k))
                m_grid.RecycleStyle(static_cast<CGXStyle*>(pStyle));
        }
    }
    RowStyles(const RowStyles&) = delete;
    RowStyles& operator=(const RowStyles&) = delete;

private:
    CGXGridCore& m_grid;
};

} // namespace

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

    // square over the table's rows, and never past a row's end; a row's values go in as one range of
    // styles, which stores each cell as a call of its own would, without the grid's work around every
    // call (a matrix of 200 alternatives has 40000 cells)
    const SolverMatrix& table = pSolver->weakOptima;
    const size_t nSquare = (std::min)(table.size(), n);
    for (size_t i = 0; i < nSquare; ++i) {
        const size_t nCells = (std::min)(table[i].size(), nSquare);
        if (nCells == 0)
            continue;
        RowStyles values(*this);
        values.SetSize(int32_t(nCells));
        for (size_t k = 0; k < nCells; ++k) {
            CString number;
            number.Format("%.13g", table[i][k]);
            CGXStyle* pValue = CreateStyle();
            values.SetAt(int32_t(k), pValue);
            pValue->SetValue(number).SetValueType(CGXStyle::gxValueNumber);
        }
        SetStyleRange(CGXCellRange(ROWCOL(i + 1), 1, ROWCOL(i + 1), ROWCOL(nCells)), nullptr, CGXStyle::gxOverride, 0,
                      &values, 2, gxDo);
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
