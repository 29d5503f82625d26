// CGXGridSortImp (see GXGridSortImp.h).
#include "grid/ops/GXGridSortImp.h"

#include "grid/engine/GXControl.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXData.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXLongOperation.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXSortInfoArray.h"
#include "grid/engine/GXStyle.h"
#include "grid/ops/GXCellBlocks.h"
#include "grid/ops/GXCommandFactory.h"
#include "grid/ops/GXUpdateHintImp.h"
#include "win/COleDateTime.h"
#include "win/Win.h"

#include <oleauto.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <vector>

CGXAbstractGridSortImp* GXCreateSortImp()
{
    return new CGXGridSortImp;
}

namespace {

enum { kNumeric = 0, kText = 1, kDate = 2, kDetect = 3 };

// The most lines one sort takes: the order array holds 32-bit signed counts.
const uint64_t kMaxLines = 0x7FFFFFFE;

BOOL ParsesAsDate(const CString& strText, double& dValue)
{
    COleDateTime date;
    const BOOL bDate = date.ParseDateTime(strText, 0, LANG_USER_DEFAULT);
    dValue = bDate ? double(date.m_dt) : 0.0;
    return bDate;
}

// The text as a number in the user's locale; 0 when it is none.
double NumberOf(const CString& strText)
{
    const CString strNumber = strText.IsEmpty() ? CString("0") : strText;
    const int n = ::MultiByteToWideChar(CP_ACP, 0, strNumber, -1, nullptr, 0);
    if (n <= 0)
        return 0.0;
    std::vector<WCHAR> wide;
    AfxAllocating([&] { wide.resize(size_t(n)); });
    ::MultiByteToWideChar(CP_ACP, 0, strNumber, -1, wide.data(), n);
    double dValue = 0.0;
    return SUCCEEDED(::VarR8FromStr(wide.data(), LANG_USER_DEFAULT, 0, &dValue)) ? dValue : 0.0;
}

// Whether a value keeps a detect key numeric: only digits, separators, signs, exponents and blanks,
// and a minus sign only in front (after leading white space).
BOOL LooksNumeric(const CString& strText)
{
    const char* psz = strText;
    if (psz[std::strspn(psz, "0123456789,.-e ")] != '\0')
        return FALSE;
    while (*psz != '\0' && std::isspace(static_cast<unsigned char>(*psz)))
        ++psz;
    const char* pszMinus = std::strchr(psz, '-');
    return pszMinus == nullptr || (pszMinus == psz && std::strchr(psz + 1, '-') == nullptr);
}

// -1, 0 or 1 as a orders before, with or after b.
template <typename T>
int Compare(const T& a, const T& b)
{
    return a < b ? -1 : b < a ? 1 : 0;
}

int CompareRecords(const CGXSortInfoArray& keys, const CGXSortLineRecord& a, const CGXSortLineRecord& b)
{
    for (int k = 0; k < keys.GetSize(); ++k) {
        const CGXSortInfo& key = keys[k];
        int nResult = 0;
        switch (key.nKind) {
        case kNumeric:
            nResult = Compare(a.values[size_t(k)], b.values[size_t(k)]);
            break;
        case kDate:
            // negative dates count days back but their time forward: the calendar decides
            nResult = Compare(COleDateTime(a.values[size_t(k)]), COleDateTime(b.values[size_t(k)]));
            break;
        default: {
            const CString& strA = a.texts.GetAt(k);
            const CString& strB = b.texts.GetAt(k);
            const int nCompared = ::CompareStringA(LOCALE_USER_DEFAULT, key.bCase ? 0 : NORM_IGNORECASE, strA,
                                                   strA.GetLength(), strB, strB.GetLength());
            nResult = nCompared == 0 ? 1 : nCompared - CSTR_EQUAL;
            break;
        }
        }
        if (nResult != 0)
            return key.bDescending ? -nResult : nResult;
    }
    return Compare(a.nIndex, b.nIndex);
}

// The lines of range a sort orders, made into a range of whole rows (columns) when it is the table or
// lines of the other kind; FALSE when fewer than two lines are left.
BOOL LinesToSort(CGXGridCore* pGrid, BOOL bRows, CGXCellRange& range, ROWCOL& nFirst, ROWCOL& nLast)
{
    const ROWCOL nCount = bRows ? pGrid->GetRowCount() : pGrid->GetColCount();
    const ROWCOL nHeaders = bRows ? pGrid->GetHeaderRows() : pGrid->GetHeaderCols();
    if (nCount < 2 || !range.IsValid())
        return FALSE;
    if (range.IsTable() || (bRows ? range.IsCols() : range.IsRows())) {
        if (nHeaders >= nCount)
            return FALSE;
        bRows ? range.SetRows(nHeaders + 1, nCount) : range.SetCols(nHeaders + 1, nCount);
    }
    nFirst = bRows ? range.top : range.left;
    nLast = std::min(bRows ? range.bottom : range.right, nCount);
    return nFirst < nLast;
}

void CheckKeys(CGXGridCore* pGrid, BOOL bRows, const CGXSortInfoArray& keys)
{
    const ROWCOL nCount = bRows ? pGrid->GetColCount() : pGrid->GetRowCount();
    for (int k = 0; k < keys.GetSize(); ++k) {
        if (keys[k].nKey < 0 || ROWCOL(keys[k].nKey) > nCount)
            AfxThrowInvalidArgFormat("CGXGridCore::Sort%s: key %d names %s %d of %lu", bRows ? "Rows" : "Cols", k,
                                     bRows ? "column" : "row", keys[k].nKey, static_cast<unsigned long>(nCount));
        if (keys[k].nKind < kNumeric || keys[k].nKind > kDetect)
            AfxThrowInvalidArgFormat("CGXGridCore::Sort%s: key %d has kind %d, not 0..3", bRows ? "Rows" : "Cols", k,
                                     keys[k].nKind);
    }
}

using Records = std::vector<std::unique_ptr<CGXSortLineRecord>>;

// Reads the key texts of lines nFirst..nLast into records, clearing the work flags of the detect keys
// the values contradict. FALSE when the user cancelled.
BOOL ReadLines(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLast, CGXSortInfoArray& keys,
               CGXLongOperation& operation, Records& records)
{
    const uint64_t nTotal = uint64_t(nLast - nFirst) + 1;
    AfxAllocating([&] { records.reserve(size_t(nTotal)); });
    for (uint64_t i = 0; i < nTotal; ++i) {
        const ROWCOL nLine = nFirst + ROWCOL(i);
        AfxAllocating([&] { records.push_back(std::make_unique<CGXSortLineRecord>()); });
        CGXSortLineRecord& record = *records.back();
        record.nIndex = DWORD(i);
        record.pKeys = &keys;
        bRows ? pGrid->GetSortKeysRow(nLine, keys, record.texts) : pGrid->GetSortKeysCol(nLine, keys, record.texts);
        for (int k = 0; k < keys.GetSize(); ++k) {
            CGXSortInfo& key = keys[k];
            const CString& strText = record.texts.GetAt(k);
            if (key.nKind != kDetect || strText.IsEmpty())
                continue;
            double dIgnored;
            if (key.bDate && !ParsesAsDate(strText, dIgnored))
                key.bDate = 0;
            if (key.bNumeric && !LooksNumeric(strText))
                key.bNumeric = 0;
        }
        if (operation.StepProgress(i + 1, nTotal))
            return FALSE;
    }
    return TRUE;
}

// Settles the detect keys and turns the texts of numeric and date keys into values.
void ConvertKeys(CGXSortInfoArray& keys, Records& records)
{
    for (int k = 0; k < keys.GetSize(); ++k) {
        CGXSortInfo& key = keys[k];
        if (key.nKind == kDetect)
            key.nKind = key.bDate ? kDate : key.bNumeric ? kNumeric : kText;
    }
    for (auto& pRecord : records) {
        AfxAllocating([&] { pRecord->values.assign(size_t(keys.GetSize()), 0.0); });
        for (int k = 0; k < keys.GetSize(); ++k) {
            const int nKind = keys[k].nKind;
            if (nKind == kText)
                continue;
            const CString& strText = pRecord->texts.GetAt(k);
            if (nKind == kDate)
                ParsesAsDate(strText, pRecord->values[size_t(k)]);
            else
                pRecord->values[size_t(k)] = NumberOf(strText);
            pRecord->texts.SetAt(k, CString());
        }
    }
}

BOOL SortLines(CGXGridCore* pGrid, BOOL bRows, CGXCellRange range, CGXSortInfoArray& keys, UINT nFlags)
{
    CheckKeys(pGrid, bRows, keys);
    ROWCOL nFirst, nLast;
    if (keys.GetSize() == 0 || !LinesToSort(pGrid, bRows, range, nFirst, nLast))
        return FALSE;
    pGrid->MoveCurrentCell(bRows ? CGXGridCore::gxFirstRow : CGXGridCore::gxLeft, 1, TRUE);
    pGrid->TransferCurrentCell(TRUE, 2, TRUE);

    CDWordArray awOrder;
    {
        CGXLongOperation operation;
        CString strStatus;
        AfxLoadString(bRows ? GX_IDS_CMD_SORTROWS : GX_IDS_CMD_SORTCOLS, strStatus);
        operation.SetStatusText(strStatus);
        for (int k = 0; k < keys.GetSize(); ++k)
            keys[k].bNumeric = keys[k].bDate = 1;
        try {
            if (uint64_t(nLast - nFirst) + 1 > kMaxLines)
                AfxThrowMemoryException();
            Records records;
            if (!ReadLines(pGrid, bRows, nFirst, nLast, keys, operation, records)) {
                CString strCanceled;
                AfxLoadString(GX_IDS_SORT_CANCELED, strCanceled);
                operation.SetStatusText(strCanceled);
                return FALSE;
            }
            ConvertKeys(keys, records);
            CPtrArray rows;
            rows.SetSize(int(records.size()));
            for (size_t i = 0; i < records.size(); ++i)
                rows.SetAt(int(i), records[i].get());
            pGrid->QuickSortKeys(keys, rows);
            awOrder.SetSize(rows.GetSize());
            for (int i = 0; i < rows.GetSize(); ++i)
                awOrder.SetAt(i, static_cast<CGXSortLineRecord*>(rows.GetAt(i))->nIndex);
        } catch (CMemoryException* e) {
            e->Delete();
            AfxMessageBox(GX_IDS_SORT_NOMEMORY, MB_OK | MB_ICONEXCLAMATION);
            return FALSE;
        } catch (CNotSupportedException* e) {
            e->Delete();
            return FALSE;
        }
    }

    CGXGridParam::SortOptions& options = pGrid->GetParam()->GetSortOptions();
    options.nLastSortedRow = bRows ? -1 : keys[0].nKey;
    options.nLastSortedCol = bRows ? keys[0].nKey : -1;
    options.bLastAscending = !keys[0].bDescending;
    return bRows ? pGrid->MoveDataRows(range, awOrder, nFlags, CGXGridCore::gxDo)
                 : pGrid->MoveDataCols(range, awOrder, nFlags, CGXGridCore::gxDo);
}

BOOL MoveLinesAfterSort(CGXGridCore* pGrid, BOOL bRows, const CGXCellRange& range, CDWordArray& awOrder,
                        UINT nFlags, int nCommandType)
{
    if (!(bRows ? pGrid->StoreMoveDataRows(range, awOrder) : pGrid->StoreMoveDataCols(range, awOrder)))
        return FALSE;
    pGrid->SetRangeAtPosition(nullptr, 0, 0, 0, 0);
    pGrid->DelayFloatCells(CGXCellRange().SetTable());
    pGrid->DelayMergeCells(CGXCellRange().SetTable());
    pGrid->Recalc(TRUE);
    bRows ? pGrid->UpdateMoveDataRows(range, nFlags, TRUE) : pGrid->UpdateMoveDataCols(range, nFlags, TRUE);

    CGXAbstractCommandFactory* pFactory = pGrid->m_pCommandFactory;
    if (pFactory != nullptr && nCommandType != CGXGridCore::gxRollback && pGrid->GetParam()->IsEnableUndo()) {
        // the command puts every line back where it came from
        auto pInverse = std::make_unique<CDWordArray>();
        pInverse->SetSize(awOrder.GetSize());
        for (int i = 0; i < awOrder.GetSize(); ++i)
            pInverse->SetAt(int(awOrder.GetAt(i)), DWORD(i));
        CGXCommand* pCommand = bRows ? pFactory->CreateMoveDataRowsCmd(range, pInverse.get())
                                     : pFactory->CreateMoveDataColsCmd(range, pInverse.get());
        pInverse.release();
        pGrid->AddCommand(pCommand, nCommandType);
    }
    return TRUE;
}

BOOL StoreLines(CGXGridCore* pGrid, BOOL bRows, const CGXCellRange& range, CDWordArray& awOrder)
{
    CGXData* pData = pGrid->GetParam() != nullptr ? pGrid->GetParam()->GetData() : nullptr;
    if (pData == nullptr)
        return FALSE;
    return bRows ? pData->ReorderRowsAfterSort(range, awOrder) : pData->ReorderColsAfterSort(range, awOrder);
}

void UpdateLines(CGXGridCore* pGrid, BOOL bRows, const CGXCellRange& range, UINT nFlags, BOOL bCreateHint)
{
    // the current cell's control shows what its cell holds now
    pGrid->TransferCurrentCell(FALSE, 0, TRUE);
    if (!pGrid->GetParam()->IsLockRedraw())
        pGrid->Redraw(nFlags, FALSE);
    if (bCreateHint && pGrid->m_pUpdateHintImp != nullptr && pGrid->GetDocumentLink())
        bRows ? pGrid->m_pUpdateHintImp->UpdateSortRows(pGrid, range, nFlags)
              : pGrid->m_pUpdateHintImp->UpdateSortCols(pGrid, range, nFlags);
}

void GetKeyTexts(CGXGridCore* pGrid, BOOL bRows, ROWCOL nLine, CGXSortInfoArray& keys, CStringArray& texts)
{
    texts.SetSize(keys.GetSize());
    CGXStyle* pStyle = pGrid->CreateStyle();
    try {
        for (int k = 0; k < keys.GetSize(); ++k) {
            const ROWCOL nRow = bRows ? nLine : ROWCOL(keys[k].nKey);
            const ROWCOL nCol = bRows ? ROWCOL(keys[k].nKey) : nLine;
            pGrid->ComposeStyleRowCol(nRow, nCol, pStyle);
            CString strText;
            CGXControl* pControl = pGrid->GetRegisteredControl(pStyle->GetControl());
            if (pStyle->GetIncludeChoiceList())
                // a choice list stores an index or a key but shows the entry
                strText = GXCellControlText(pGrid, nRow, nCol, *pStyle);
            else if (pControl != nullptr)
                pControl->GetStyleValueText(nRow, nCol, *pStyle, strText);
            else
                strText = pStyle->GetValueRef();
            texts.SetAt(k, strText);
        }
    } catch (...) {
        pGrid->RecycleStyle(pStyle);
        throw;
    }
    pGrid->RecycleStyle(pStyle);
}

}  // namespace

void CGXGridSortImp::SortRowRecords(CGXGridCore*, CGXSortInfoArray& keys, CPtrArray& rows)
{
    const int n = rows.GetSize();
    std::vector<CGXSortLineRecord*> sorted;
    AfxAllocating([&] { sorted.resize(size_t(n)); });
    for (int i = 0; i < n; ++i)
        sorted[size_t(i)] = static_cast<CGXSortLineRecord*>(rows.GetAt(i));
    // the records' own offsets end every tie, so the order is total
    std::stable_sort(sorted.begin(), sorted.end(), [&](const CGXSortLineRecord* a, const CGXSortLineRecord* b) {
        return CompareRecords(keys, *a, *b) < 0;
    });
    for (int i = 0; i < n; ++i)
        rows.SetAt(i, sorted[size_t(i)]);
}

BOOL CGXGridSortImp::SortRows(CGXGridCore* pGrid, CGXCellRange range, CGXSortInfoArray& keys, UINT nFlags)
{
    return SortLines(pGrid, TRUE, range, keys, nFlags);
}

BOOL CGXGridSortImp::MoveRowsAfterSort(CGXGridCore* pGrid, const CGXCellRange& range, CDWordArray& awOrder,
                                       UINT nFlags, int nCommandType)
{
    return MoveLinesAfterSort(pGrid, TRUE, range, awOrder, nFlags, nCommandType);
}

BOOL CGXGridSortImp::StoreSortRows(CGXGridCore* pGrid, const CGXCellRange& range, CDWordArray& awOrder)
{
    return StoreLines(pGrid, TRUE, range, awOrder);
}

void CGXGridSortImp::UpdateSortRows(CGXGridCore* pGrid, const CGXCellRange& range, UINT nFlags, BOOL bCreateHint)
{
    UpdateLines(pGrid, TRUE, range, nFlags, bCreateHint);
}

void CGXGridSortImp::GetSortRowKeyTexts(CGXGridCore* pGrid, ROWCOL nRow, CGXSortInfoArray& keys, CStringArray& texts)
{
    GetKeyTexts(pGrid, TRUE, nRow, keys, texts);
}

BOOL CGXGridSortImp::SortCols(CGXGridCore* pGrid, CGXCellRange range, CGXSortInfoArray& keys, UINT nFlags)
{
    return SortLines(pGrid, FALSE, range, keys, nFlags);
}

BOOL CGXGridSortImp::MoveColsAfterSort(CGXGridCore* pGrid, const CGXCellRange& range, CDWordArray& awOrder,
                                       UINT nFlags, int nCommandType)
{
    return MoveLinesAfterSort(pGrid, FALSE, range, awOrder, nFlags, nCommandType);
}

BOOL CGXGridSortImp::StoreSortCols(CGXGridCore* pGrid, const CGXCellRange& range, CDWordArray& awOrder)
{
    return StoreLines(pGrid, FALSE, range, awOrder);
}

void CGXGridSortImp::UpdateSortCols(CGXGridCore* pGrid, const CGXCellRange& range, UINT nFlags, BOOL bCreateHint)
{
    UpdateLines(pGrid, FALSE, range, nFlags, bCreateHint);
}

void CGXGridSortImp::GetSortColKeyTexts(CGXGridCore* pGrid, ROWCOL nCol, CGXSortInfoArray& keys, CStringArray& texts)
{
    GetKeyTexts(pGrid, FALSE, nCol, keys, texts);
}

BOOL CGXGridSortImp::OnClickedHeaderSort(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT, CPoint)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    const CGXGridParam::SortOptions& options = pParam->GetSortOptions();
    const BOOL bRowHeader = nRow != 0 && nCol == 0 && options.bSortOnRowHeader;
    const BOOL bColHeader = nRow == 0 && nCol != 0 && options.bSortOnColHeader;
    if (!bRowHeader && !bColHeader)
        return FALSE;
    const ROWCOL nLine = bRowHeader ? nRow : nCol;
    const int nLast = bRowHeader ? options.nLastSortedRow : options.nLastSortedCol;
    CGXSortInfoArray keys;
    keys.SetSize(1);
    keys[0].nKey = int32_t(nLine);
    keys[0].nKind = kDetect;
    keys[0].bDescending = nLast >= 0 && ROWCOL(nLast) == nLine && options.bLastAscending;
    CGXCellRange table;
    table.SetTable();
    if (bRowHeader) {
        pGrid->SortCols(table, keys, 2);
        pGrid->MoveCurrentCell(CGXGridCore::gxLeft, 1, TRUE);
    } else {
        pGrid->SortRows(table, keys, 2);
        pGrid->MoveCurrentCell(CGXGridCore::gxFirstRow, 1, TRUE);
    }
    return TRUE;
}
