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

// The styles of a range of cells of the matrix, given back to the grid's pool once stored.
class RangeStyles : public CObArray {
public:
    explicit RangeStyles(CGXGridCore& grid) : m_grid(grid) {}
    ~RangeStyles() override
    {
        for (int32_t k = 0; k < GetSize(); ++k) {
            if (CObject* pStyle = GetAt(k))
                m_grid.RecycleStyle(static_cast<CGXStyle*>(pStyle));
        }
    }
    RangeStyles(const RangeStyles&) = delete;
    RangeStyles& operator=(const RangeStyles&) = delete;

    // A new style of the grid's pool, the next of the range.
    CGXStyle& Add()
    {
        CGXStyle* pStyle = m_grid.CreateStyle();
        CObArray::Add(pStyle);
        return *pStyle;
    }
    // Stores the styles into range (as many cells as styles), each cell as a call of its own with
    // its style would, in override mode, without the grid's work around every call.
    void Store(const CGXCellRange& range)
    {
        m_grid.SetStyleRange(range, nullptr, CGXStyle::gxOverride, 0, this, 2, CGXGridCore::gxDo);
    }

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
    ForgetEdits();
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

    // square over the table's rows, and never past a row's end; a row's values go in as one range
    // (a matrix of 200 alternatives has 40000 cells), and so do the names down the side and across
    // the top
    const SolverMatrix& table = pSolver->weakOptima;
    const size_t nSquare = (std::min)(table.size(), n);
    for (size_t i = 0; i < nSquare; ++i) {
        const size_t nCells = (std::min)(table[i].size(), nSquare);
        if (nCells == 0)
            continue;
        RangeStyles values(*this);
        for (size_t k = 0; k < nCells; ++k) {
            CString number;
            number.Format("%.13g", table[i][k]);
            values.Add().SetValue(number).SetValueType(CGXStyle::gxValueNumber);
        }
        values.Store(CGXCellRange(ROWCOL(i + 1), 1, ROWCOL(i + 1), ROWCOL(nCells)));
    }
    if (n > 0) {
        RangeStyles side(*this), top(*this);
        for (size_t j = 0; j < n; ++j) {
            const AlternativeRecord* pAlternative = pSolver->model.alternatives[j].get();
            const CString name = pAlternative != nullptr ? pAlternative->name : CString();
            side.Add().SetValue(name);
            top.Add().SetValue(name);
        }
        side.Store(CGXCellRange(1, 0, ROWCOL(n), 0));
        top.Store(CGXCellRange(0, 1, 0, ROWCOL(n)));
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
