// CZQGridView: the evaluations grid view (see ZQGridView.h).
#include "app/ZQGridView.h"

#include "app/ZQApp.h"
#include "core/NumberText.h"
#include "grid/engine/GXControl.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXStyle.h"
#include "res/resource.h"

namespace {

// The cell interiors: an empty cell of an ordinal column, a column whose criterion has no scale
// values, and a cell after a validated entry.
const COLORREF kEmptyChoiceColor = 0x80FF80;
const COLORREF kNoScaleColor = 0x8080FF;
const COLORREF kValidatedColor = 0xFFFFFF;

// A solid interior of colour color.
CGXCellBrush Solid(COLORREF color)
{
    return CGXCellBrush(CGXCellBrush::gxSolid, color);
}

// The drop-down list of the ordinal criterion `criterion`: heading, then "value\tposition" per scale
// value of the criterion in table order, joined by "\n"; empty when it has no scale values.
CString ScaleChoiceList(const CZQInterfaceData& project, const CString& criterion, const CString& heading)
{
    CString lines;
    for (const ZQRow& row : project.ScaleValuesTable) {
        if (ProjectCell(row, 0) != criterion)
            continue;
        if (!lines.IsEmpty())
            lines += "\n";
        lines += ProjectCell(row, 1) + "\t" + ProjectCell(row, 2);
    }
    return lines.IsEmpty() ? lines : heading + lines;
}

// Runs change, the grid changing cells without a validation (Undo, Redo, a clear), then stores the
// grid into the project's table; the project is marked modified when a store changed a cell of the
// table meanwhile (the change may store the table itself on the way, when it validates the current
// cell again). The stores count what they change as they go, so no copy of a large table is made to
// compare. Returns what change returns; while the view loads, or without a project, only change runs.
template <class Change>
BOOL StoreChangedCells(CZQGridView& view, Change change)
{
    CZQApp* pApp = ZQGetApp();
    if (pApp == nullptr || view.IsLoading())
        return change();
    const DWORD dwStoredBefore = view.GetStoredChanges();
    const BOOL bResult = change();
    view.StoreToModel();
    if (view.GetStoredChanges() != dwStoredBefore)
        pApp->SetModified(1);
    return bResult;
}

} // namespace

IMPLEMENT_DYNCREATE(CZQGridView, CZQAppGridView)

BEGIN_MESSAGE_MAP(CZQGridView, CZQAppGridView)
    ON_WM_DESTROY()
    ON_COMMAND(ID_EDIT_PASTE, OnIgnoreCommand)
END_MESSAGE_MAP()

CZQGridView::CZQGridView() : m_bLoading(FALSE), m_bStoringEntry(FALSE), m_dwStoredChanges(0) {}

CZQGridView::~CZQGridView() = default;

CZQInterfaceData* CZQGridView::Project()
{
    CZQApp* pApp = ZQGetApp();
    return pApp != nullptr ? &pApp->m_Project : nullptr;
}

void CZQGridView::OnInitialUpdate()
{
    CZQAppGridView::OnInitialUpdate();
    if (CZQApp* pApp = ZQGetApp())
        pApp->m_nEvaluationsGridOpen = 1;
}

void CZQGridView::LoadCells()
{
    LoadFromModel();
}

void CZQGridView::LoadFromModel()
{
    CZQInterfaceData* pProject = Project();
    if (pProject == nullptr || GetParam() == nullptr)
        return;
    m_bLoading = TRUE;
    const UndoPause pause(*this);
    ForgetEdits();
    // The current cell's control was made for the cell as it stood (an entry being typed there went
    // into the table with the grid before the project changed): it goes, and comes back for the
    // cell of the same place as the table has it now.
    ROWCOL nCurrentRow = 0;
    ROWCOL nCurrentCol = 0;
    const BOOL bCurrent = GetCurrentCell(nCurrentRow, nCurrentCol);
    if (bCurrent)
        ResetCurrentCell(FALSE);

    const ZQTable& table = pProject->EvaluationsTable;
    const ZQRow& header = ProjectRow(table, 0);
    SetRowCount(table.empty() ? 0 : ROWCOL(table.size() - 1), 2);
    SetColCount(header.empty() ? 0 : ROWCOL(header.size() - 1), 2);
    const ROWCOL nRows = GetRowCount();
    const ROWCOL nCols = GetColCount();
    // what an earlier fill left (drop-downs, colours, read-only marks) goes
    ResetBody();

    for (size_t i = 0; i < table.size(); ++i) {
        for (size_t j = 0; j < table[i].size(); ++j) {
            const CGXCellRange cell{ROWCOL(i), ROWCOL(j), ROWCOL(i), ROWCOL(j)};
            ApplyValueToRange(cell, table[i][j], CGXStyle::gxOverride, 0, 2);
        }
    }

    CString heading;
    AfxLoadString(IDS_ZQ_CHOICE_LIST_HEADING, heading);
    for (ROWCOL nCol = 1; nCol <= nCols; ++nCol) {
        const CString criterion = GetValueRowCol(0, nCol);
        if (pProject->GetCriterionKind(criterion) != ZQ_KIND_ORDINAL)
            continue;
        const CString choices = ScaleChoiceList(*pProject, criterion, heading);
        for (ROWCOL nRow = 1; nRow <= nRows; ++nRow) {
            const CGXCellRange cell(nRow, nCol, nRow, nCol);
            CGXStyle style;
            if (!choices.IsEmpty()) {
                SetReadOnlyUnguarded(cell, FALSE);
                style.SetControl(GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST)
                    .SetChoiceList(choices)
                    .SetUserAttribute(GX_IDS_UA_TABLIST_TITLES, "1");
                if (GetValueRowCol(nRow, nCol).IsEmpty())
                    style.SetInterior(Solid(kEmptyChoiceColor));
            } else {
                ApplyValueToRange(cell, "", CGXStyle::gxOverride, 0, 2);
                style.SetInterior(Solid(kNoScaleColor)).SetReadOnly(TRUE);
            }
            ApplyStyle(cell, style);
        }
    }

    StoreToModel();
    if (bCurrent && nCurrentRow <= nRows && nCurrentCol <= nCols)
        SetCurrentCell(nCurrentRow, nCurrentCol, gxKeepFocus);
    m_bLoading = FALSE;
}

void CZQGridView::StoreToModel()
{
    CZQInterfaceData* pProject = Project();
    if (pProject == nullptr || GetParam() == nullptr)
        return;
    // an entry still being typed belongs to its cell before the table takes the cells (validating it
    // stores the grid again, which then finds no entry left)
    if (!m_bLoading && !m_bStoringEntry && IsActiveCurrentCell() && GetCurrentCellControl()->GetModify()) {
        m_bStoringEntry = TRUE;
        TransferCurrentCell(TRUE);
        m_bStoringEntry = FALSE;
    }
    ZQTable& table = pProject->EvaluationsTable;
    for (size_t i = 0; i < table.size(); ++i) {
        for (size_t k = 0; k < table[i].size(); ++k) {
            const CString& text = GetValueRowCol(ROWCOL(i), ROWCOL(k));
            if (table[i][k] != text) {
                table[i][k] = text;
                ++m_dwStoredChanges;
            }
        }
    }
}

void CZQGridView::OnModifyCell(ROWCOL, ROWCOL)
{
    if (CZQApp* pApp = ZQGetApp())
        pApp->SetModified(1);
}

BOOL CZQGridView::OnValidateCell(ROWCOL nRow, ROWCOL nCol)
{
    if (m_bLoading)
        return CZQAppGridView::OnValidateCell(nRow, nCol);
    CZQInterfaceData* pProject = Project();
    if (nRow == 0 || nCol == 0 || pProject == nullptr)
        return TRUE;
    // the number and the white interior belong to the entry just stored: one Undo takes the cell back
    // as it was before the entry, and Redo brings it back as it is after them
    const UndoPause pause(*this);
    const CGXCellRange cell(nRow, nCol, nRow, nCol);
    if (pProject->GetCriterionKind(GetValueRowCol(0, nCol)) != ZQ_KIND_ORDINAL) {
        const CString entry = GetValueRowCol(nRow, nCol);
        // an empty entry stays empty: the solve waits until the cell is filled
        if (!entry.IsEmpty()) {
            CString number;
            number.Format("%.13g", AfxAtof(entry));
            CGXStyle value;
            value.SetValue(number).SetValueType(CGXStyle::gxValueNumber);
            ApplyStyle(cell, value);
        }
    }
    StoreToModel();
    if (!GetValueRowCol(nRow, nCol).IsEmpty()) {
        CGXStyle white;
        white.SetInterior(Solid(kValidatedColor));
        ApplyStyle(cell, white);
    }
    return TRUE;
}

BOOL CZQGridView::Undo()
{
    return StoreChangedCells(*this, [this] { return CZQAppGridView::Undo(); });
}

BOOL CZQGridView::Redo()
{
    return StoreChangedCells(*this, [this] { return CZQAppGridView::Redo(); });
}

BOOL CZQGridView::ClearCells(const CGXRangeList& selList, BOOL bStyleOnly)
{
    return StoreChangedCells(*this, [&] { return CZQAppGridView::ClearCells(selList, bStyleOnly); });
}

void CZQGridView::OnDestroy()
{
    StoreToModel();
    if (CZQApp* pApp = ZQGetApp())
        pApp->m_nEvaluationsGridOpen = 0;
    CZQAppGridView::OnDestroy();
}

void CZQGridView::OnIgnoreCommand() {}
