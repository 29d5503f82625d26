// CGXData: the cell data store (see GXData.h).
#include "grid/engine/GXData.h"

#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXModules.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"

#include <memory>

IMPLEMENT_SERIAL(CGXData, CObject, 0)
IMPLEMENT_DYNAMIC(CGXUndoEngineCellsInfo, CObject)

namespace {

const ROWCOL kNoIndex = 0x7FFFFFFF;  // the first number no array index can reach

// The array index of a row or column number that something is stored at.
int32_t StoreIndex(ROWCOL n)
{
    if (n >= kNoIndex)
        AfxThrowMemoryException();
    return int32_t(n);
}

// The array index of a row or column number that is only read or removed (beyond: -1, nothing there).
int32_t ReadIndex(ROWCOL n)
{
    return n < kNoIndex ? int32_t(n) : -1;
}

// A count of inserted or moved entries as an array count (an array cannot hold more).
int32_t CountOf(ROWCOL n)
{
    if (n >= kNoIndex)
        AfxThrowMemoryException();
    return int32_t(n);
}

// The last index of a range that may reach beyond what an array can hold.
int32_t LastIndex(ROWCOL n)
{
    return n < kNoIndex ? int32_t(n) : int32_t(kNoIndex - 1);
}

// One direction of the store, rows or columns: its count and the arrays its numbers index.
struct Axis {
    ROWCOL& nCount;
    CGXStylePtrArray& baseStyles;
    CGXStylePtrArrayPtrArray& cells;
    bool bRows;  // row numbers index the array of rows, column numbers each row array

    // Calls op on each array this direction's numbers index: the base styles first, then the cells.
    template <class Op>
    void ForEachArray(Op op) const
    {
        op(baseStyles);
        if (bRows) {
            op(cells);
            return;
        }
        for (int32_t r = 0; r < cells.GetSize(); ++r)
            if (CGXStylePtrArray* pRow = cells.GetRow(r))
                op(*pRow);
    }
};

// Inserts nCount empty entries before number nAt; the count grows by nCount.
void InsertAlong(const Axis& axis, ROWCOL nAt, ROWCOL nCount)
{
    if (nCount == 0)
        return;
    const int32_t nIndex = ReadIndex(nAt);
    if (nIndex >= 0) {
        bool bAny = false;
        axis.ForEachArray([&](auto& array) { bAny = bAny || nIndex < array.GetSize(); });
        if (bAny) {
            const int32_t n = CountOf(nCount);
            axis.ForEachArray([&](auto& array) { array.InsertEmpty(nIndex, n); });
        }
    }
    axis.nCount += nCount;
}

// Deletes numbers nFrom..nTo; the count shrinks by those of them that lay within it.
void RemoveAlong(const Axis& axis, ROWCOL nFrom, ROWCOL nTo)
{
    if (nFrom > axis.nCount || nFrom > nTo)
        return;
    const int32_t nIndex = ReadIndex(nFrom);
    if (nIndex >= 0)
        axis.ForEachArray([&](auto& array) { array.RemoveEntries(nIndex, LastIndex(nTo)); });
    // only the numbers that lay within the count leave it (numbers up to nFrom - 1 stay)
    const ROWCOL nLast = nTo < axis.nCount ? nTo : axis.nCount;
    axis.nCount -= nFrom == 0 ? nLast : nLast - nFrom + 1;
}

// Moves numbers nFrom..nTo so that nFrom ends up at nDest.
void MoveAlong(const Axis& axis, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    if (nFrom > nTo || nFrom == nDest)
        return;
    const int32_t nFromIndex = ReadIndex(nFrom);
    const int32_t nToIndex = ReadIndex(nTo);
    const int32_t nDestIndex = ReadIndex(nDest);
    if (nFromIndex < 0 || nToIndex < 0 || nDestIndex < 0)
        AfxThrowMemoryException();
    axis.ForEachArray([&](auto& array) { array.MoveEntries(nFromIndex, nToIndex, nDestIndex); });
}

void CheckMode(const char* lpszFunc, int nMode)
{
    if (nMode < 0 || nMode > 3)
        AfxThrowInvalidArgFormat("CGXData::%s: mode %d outside 0..3", lpszFunc, nMode);
}

// TRUE when the drawing service's number parser (through the number-formatting module) reads the text
// as a number.
bool ReadsAsNumber(const char* psz)
{
    double d = 0;
    UINT nFormat = 0, nPlaces = 0;
    return GetDrawingAndFormatting()->ParseValue(psz, d, nFormat, nPlaces) != FALSE;
}

}  // namespace

CGXData::CGXData()
    : m_nRows(0), m_nCols(0), m_pStyleValue(nullptr), m_pStyleScratch(nullptr), m_pAppData(GXGetLibraryState())
{
    std::unique_ptr<CGXStyle> pValue(new CGXStyle);
    m_pStyleScratch = new CGXStyle;
    m_pStyleValue = pValue.release();
}

CGXData::~CGXData()
{
    DeleteAllStyles();
    delete m_pStyleValue;
    delete m_pStyleScratch;
}

void CGXData::Serialize(CArchive& ar)
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    if (pState != nullptr && pState->m_pDocSerializeImp != nullptr)
        pState->m_pDocSerializeImp->SerializeData(*this, ar);
}

void CGXData::DeleteAllStyles()
{
    m_apapCellStyle.DeleteAll();
    m_apRowBaseStyle.DeleteAll();
    m_apColBaseStyle.DeleteAll();
}

void CGXData::CopyFrom(const CGXData& other)
{
    if (&other == this)
        return;
    m_apapCellStyle = other.m_apapCellStyle;
    m_apRowBaseStyle = other.m_apRowBaseStyle;
    m_apColBaseStyle = other.m_apColBaseStyle;
    m_nRows = other.m_nRows;
    m_nCols = other.m_nCols;
}

void CGXData::AdjustParamOptions(CGXGridParam&) {}

ROWCOL CGXData::GetRowCount() const
{
    return m_nRows;
}

ROWCOL CGXData::GetColCount() const
{
    return m_nCols;
}

BOOL CGXData::SetRowCount(ROWCOL nCount)
{
    if (nCount < m_nRows)
        RemoveRows(nCount + 1, m_nRows);
    else if (nCount > m_nRows)
        InsertRows(m_nRows + 1, nCount - m_nRows);
    return TRUE;
}

BOOL CGXData::SetColCount(ROWCOL nCount)
{
    if (nCount < m_nCols)
        RemoveCols(nCount + 1, m_nCols);
    else if (nCount > m_nCols)
        InsertCols(m_nCols + 1, nCount - m_nCols);
    return TRUE;
}

BOOL CGXData::InsertRows(ROWCOL nRow, ROWCOL nCount)
{
    InsertAlong(Axis{m_nRows, m_apRowBaseStyle, m_apapCellStyle, true}, nRow, nCount);
    return TRUE;
}

BOOL CGXData::InsertCols(ROWCOL nCol, ROWCOL nCount)
{
    InsertAlong(Axis{m_nCols, m_apColBaseStyle, m_apapCellStyle, false}, nCol, nCount);
    return TRUE;
}

BOOL CGXData::RemoveRows(ROWCOL nFrom, ROWCOL nTo)
{
    RemoveAlong(Axis{m_nRows, m_apRowBaseStyle, m_apapCellStyle, true}, nFrom, nTo);
    return TRUE;
}

BOOL CGXData::RemoveCols(ROWCOL nFrom, ROWCOL nTo)
{
    RemoveAlong(Axis{m_nCols, m_apColBaseStyle, m_apapCellStyle, false}, nFrom, nTo);
    return TRUE;
}

BOOL CGXData::MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    MoveAlong(Axis{m_nRows, m_apRowBaseStyle, m_apapCellStyle, true}, nFrom, nTo, nDest);
    return TRUE;
}

BOOL CGXData::MoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    MoveAlong(Axis{m_nCols, m_apColBaseStyle, m_apapCellStyle, false}, nFrom, nTo, nDest);
    return TRUE;
}

BOOL CGXData::CopyCells(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol)
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    if (pState == nullptr || pState->m_pDataCopyMoveCellsImp == nullptr)
        return FALSE;
    return pState->m_pDataCopyMoveCellsImp->CopyCells(*this, range, nDestRow, nDestCol);
}

BOOL CGXData::MoveCells(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol, CObject*& rpUndoInfo,
                        BOOL bCreateUndoInfo)
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    if (pState == nullptr || pState->m_pDataCopyMoveCellsImp == nullptr)
        return FALSE;
    return pState->m_pDataCopyMoveCellsImp->MoveCells(*this, range, nDestRow, nDestCol, rpUndoInfo, bCreateUndoInfo);
}

CGXStyle* CGXData::StoredStyle(ROWCOL nRow, ROWCOL nCol, int nKind) const
{
    if (nKind == gxBaseStyle)
        return nRow != 0 ? m_apRowBaseStyle.GetStyle(ReadIndex(nRow)) : m_apColBaseStyle.GetStyle(ReadIndex(nCol));
    const CGXStylePtrArray* pRow = m_apapCellStyle.GetRow(ReadIndex(nRow));
    return pRow != nullptr ? pRow->GetStyle(ReadIndex(nCol)) : nullptr;
}

BOOL CGXData::StoreCellStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nKind)
{
    CheckMode("StoreCellStyle", nMode);
    if (nRow > m_nRows)
        m_nRows = nRow;
    if (nCol > m_nCols)
        m_nCols = nCol;

    if (nKind == gxBaseStyle) {
        CGXStylePtrArray& array = nRow != 0 ? m_apRowBaseStyle : m_apColBaseStyle;
        const ROWCOL n = nRow != 0 ? nRow : nCol;
        CGXStyle* pStored = array.GetStyle(ReadIndex(n));
        if (pStyle == nullptr) {
            if (pStored != nullptr)
                array.SetStyle(ReadIndex(n), nullptr);
        } else if (pStored != nullptr) {
            pStored->ChangeStyle(*pStyle, nMode);
        } else if (nMode != CGXStyle::gxExclude) {
            const int32_t nIndex = StoreIndex(n);
            array.SetStyle(nIndex, pStyle->Clone());
        }
        return TRUE;
    }

    if (pStyle == nullptr) {
        CGXStylePtrArray* pRow = m_apapCellStyle.GetRow(ReadIndex(nRow));
        if (pRow != nullptr && pRow->GetStyle(ReadIndex(nCol)) != nullptr)
            pRow->SetStyle(ReadIndex(nCol), nullptr);
        return TRUE;
    }

    const int32_t nRowIndex = StoreIndex(nRow);
    const int32_t nColIndex = StoreIndex(nCol);
    const int32_t nRowSize = StoreIndex(m_nCols) + 1;
    CGXStylePtrArray* pRow = m_apapCellStyle.GetRow(nRowIndex);
    if (pRow == nullptr) {
        std::unique_ptr<CGXStylePtrArray> pNew(new CGXStylePtrArray);
        pNew->SetSize(nRowSize);
        pRow = pNew.get();
        m_apapCellStyle.SetRow(nRowIndex, pNew.release());
    } else if (pRow->GetSize() < nRowSize) {
        pRow->SetSize(nRowSize);
    }

    CGXStyle* pStored = pRow->GetStyle(nColIndex);
    if (pStored != nullptr) {
        pStored->ChangeStyle(*pStyle, nMode);
    } else if (nMode != CGXStyle::gxExclude) {
        pStored = pStyle->Clone();
        pRow->SetStyle(nColIndex, pStored);
    }

    const GridLibraryState* pState = GridLibraryState::GetIfAlive();
    if (pStored != nullptr && pState != nullptr && pState->m_bNumberRecognition && nMode != CGXStyle::gxExclude &&
        nKind == gxCellValue && pStyle->GetIncludeValue() && pStyle->GetValueType() != CGXStyle::gxValueNumber &&
        ReadsAsNumber(pStyle->GetValueRef()))
        pStored->SetValueType(CGXStyle::gxValueNumber);
    return TRUE;
}

BOOL CGXData::GetCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, int nMode, int nKind) const
{
    CheckMode("GetCellStyle", nMode);
    if (nRow > m_nRows || nCol > m_nCols)
        return FALSE;
    const CGXStyle* pStored = StoredStyle(nRow, nCol, nKind);
    if (pStored == nullptr)
        return FALSE;
    if (nMode == CGXStyle::gxCopy)
        style = *pStored;
    else
        style.ChangeStyle(*pStored, nMode);
    return TRUE;
}

BOOL CGXData::ReorderRowsAfterSort(const CGXCellRange& range, CDWordArray& awMoveMap)
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    if (pState == nullptr || pState->m_pSortMoveDataImp == nullptr)
        return FALSE;
    return pState->m_pSortMoveDataImp->ReorderRowsAfterSort(*this, range, awMoveMap);
}

BOOL CGXData::ReorderColsAfterSort(const CGXCellRange& range, CDWordArray& awMoveMap)
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    if (pState == nullptr || pState->m_pSortMoveDataImp == nullptr)
        return FALSE;
    return pState->m_pSortMoveDataImp->ReorderColsAfterSort(*this, range, awMoveMap);
}

BOOL CGXData::IsFormulaCell(ROWCOL, ROWCOL)
{
    m_pStyleValue->SetIncludeValue(FALSE);
    return FALSE;
}

// ---- formula-engine hooks: nothing here ---------------------------------------------------------

void CGXData::SetCellEngineFlag(ROWCOL, ROWCOL, BOOL) {}

void CGXData::AddRecalcRange(const CGXCellRange&) {}

void CGXData::Recalc(BOOL) {}

void CGXData::ResetEngineError() {}

void* CGXData::GetEngineContext()
{
    return nullptr;
}

BOOL CGXData::GetEngineMessageText(CString&)
{
    return FALSE;
}

CGXUndoEngineCellsInfo* CGXData::DetachUndoInfo()
{
    return nullptr;
}

BOOL CGXData::ApplyUndoInfo(CGXUndoEngineCellsInfo*, DWORD, BOOL)
{
    return 0;
}

BOOL CGXData::SetEngineOption(DWORD)
{
    return 0;
}

BOOL CGXData::SetRangeName(const char*, const CGXCellRange&, CGXUndoEngineCellsInfo*)
{
    return 0;
}

BOOL CGXData::GetRangeName(const char*, CGXCellRange&)
{
    return FALSE;
}

BOOL CGXData::DeleteRangeName(const char*, CGXUndoEngineCellsInfo*, BOOL)
{
    return 0;
}
