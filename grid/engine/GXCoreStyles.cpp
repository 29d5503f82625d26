// CGXGridCore: composing, caching and storing cell styles, the undo-aware range setter, the changes of
// the styles map, the properties and a base style, and the value shortcuts (see GXCore.h).
#include "grid/engine/GXCore.h"

#include "grid/engine/GXControl.h"
#include "grid/engine/GXData.h"
#include "grid/engine/GXFlagScope.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXLongOperation.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"
#include "win/Win.h"

#include <cstdlib>
#include <memory>

namespace {

// The most recycled styles kept for reuse.
const size_t kMaxRecycledStyles = 500;
// The largest range whose old styles are saved for undo: fewer cells, and no more rows or columns.
const uint64_t kMaxUndoCells = 2147483647;
const uint64_t kMaxUndoRowsOrCols = 32767;

// The cells a range of a kind addresses, as (row, column) places: a range of rows the rows' base
// styles (row, 0), of columns (0, column), the table (0, 0), cells themselves.
CGXCellRange StoredArea(const CGXCellRange& range)
{
    if (range.IsRows())
        return CGXCellRange(range.top, 0, range.bottom, 0);
    if (range.IsCols())
        return CGXCellRange(0, range.left, 0, range.right);
    if (range.IsTable())
        return CGXCellRange(0, 0, 0, 0);
    return range;
}

uint64_t CellCount(const CGXCellRange& area)
{
    return uint64_t(area.GetHeight()) * uint64_t(area.GetWidth());
}

// Calls fn(row, col, index) for each place of area, rows outer; stops when fn returns FALSE. Never
// runs past the largest row or column.
template <class F>
void ForEachCell(const CGXCellRange& area, F fn)
{
    uint64_t nIndex = 0;
    for (ROWCOL nRow = area.top;; ++nRow) {
        for (ROWCOL nCol = area.left;; ++nCol) {
            if (!fn(nRow, nCol, nIndex++))
                return;
            if (nCol == area.right)
                break;
        }
        if (nRow == area.bottom)
            break;
    }
}

// The letters of column nCol ("A" .. "Z", "AA" ...), at most nine.
CString ColumnLetters(ROWCOL nCol)
{
    char sz[10];
    int n = 0;
    for (ROWCOL v = nCol; v > 0 && n < 9; v = (v - 1) / 26)
        sz[n++] = char('A' + (v - 1) % 26);
    CString str;
    while (n > 0)
        str += sz[--n];
    return str;
}

}  // namespace

void DeleteStyleArray(CObArray* pArray)
{
    if (pArray == nullptr)
        return;
    for (int32_t i = 0; i < pArray->GetSize(); ++i)
        delete pArray->GetAt(i);
    delete pArray;
}

// ---- composing and caching ----------------------------------------------------------------------------

BOOL CGXGridCore::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, int nMode, int nKind)
{
    CGXData* pData = m_pParam != nullptr ? m_pParam->GetData() : nullptr;
    return pData != nullptr && pData->GetCellStyle(nRow, nCol, style, nMode, nKind);
}

void CGXGridCore::ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle, BOOL bApplyStandard)
{
    pStyle->Free();
    GetStyleRowCol(nRow, nCol, *pStyle, CGXStyle::gxCopy, CGXData::gxCellStyle);
    if (m_bValueOnly && pStyle->GetIncludeValue())
        return;
    const BOOL bHeaderRow = nRow <= GetHeaderRows();
    const BOOL bHeaderCol = nCol <= GetHeaderCols();
    // the base styles of the row, the column and the table fill what the cell leaves open
    if (!bHeaderCol)
        GetStyleRowCol(nRow, 0, *pStyle, CGXStyle::gxApplyNew, CGXData::gxBaseStyle);
    if (!bHeaderRow) {
        GetStyleRowCol(0, nCol, *pStyle, CGXStyle::gxApplyNew, CGXData::gxBaseStyle);
        if (!bHeaderCol)
            GetStyleRowCol(0, 0, *pStyle, CGXStyle::gxApplyNew, CGXData::gxBaseStyle);
    }
    const CGXStylesMap* pStylesMap = m_pParam != nullptr ? m_pParam->GetStylesMap() : nullptr;
    if (pStylesMap != nullptr)
        pStyle->LoadBaseStyle(*pStylesMap);
    if (m_pStyleStandard == nullptr)
        LookupBaseStyles();
    if (bHeaderRow && m_pStyleColHeader != nullptr)
        pStyle->ChangeStyle(*m_pStyleColHeader, CGXStyle::gxApplyNew);
    if (bHeaderCol && m_pStyleRowHeader != nullptr)
        pStyle->ChangeStyle(*m_pStyleRowHeader, CGXStyle::gxApplyNew);

    if ((nRow == 0 || nCol == 0) && !pStyle->GetIncludeValue() && m_pParam != nullptr) {
        if (nRow == 0 && nCol > 0 && m_pParam->GetLetteredColHeaders())
            pStyle->SetValue(ColumnLetters(nCol));
        else if (nCol == 0 && nRow > 0 && m_pParam->GetNumberedRowHeaders())
            pStyle->SetValueNumber(nRow);
    }
    if (bApplyStandard && m_pStyleStandard != nullptr)
        pStyle->ChangeStyle(*m_pStyleStandard, CGXStyle::gxApplyNew);
    if (m_pParam != nullptr && m_pParam->GetHighlight() && m_pParam->GetRangeList2().IsCellInList(nRow, nCol)) {
        CGXCellBrush brush;
        brush.SetPattern(17).SetColor(RGB(192, 192, 192));
        pStyle->SetInterior(brush);
    }
    // an editing control shows its own text: no colour of the stored value applies to it
    if (pStyle->GetIncludeControl() && IsCurrentCell(nRow, nCol)) {
        CGXControl* pControl = GetRegisteredControl(pStyle->GetControl());
        if (pControl != nullptr && pControl->IsActive())
            return;
    }
    if (pStyle->GetIncludeValue() && pStyle->HasUserAttribute(GX_IDS_UA_NEGATIVECOLOR) &&
        std::atof(pStyle->GetValueRef()) < 0)
        pStyle->SetTextColor(pStyle->GetUserAttribute(GX_IDS_UA_NEGATIVECOLOR).GetDWordValue());
}

const CGXStyle* CGXGridCore::LookupStyleRowCol(ROWCOL nRow, ROWCOL nCol)
{
    const BOOL bCurrent = IsCurrentCell(nRow, nCol);
    const BOOL bCachedCurrent = m_pStyleCurrentCell != nullptr && !m_pStyleCurrentCell->IsEmpty();
    if (bCurrent && bCachedCurrent && (m_bReuseCurrentCellStyle || m_bLockCurrentCell))
        return m_pStyleCurrentCell;
    if (!bCurrent) {
        auto it = m_styleCache.find({nRow, nCol});
        if (it != m_styleCache.end())
            return it->second;
    }
    std::unique_ptr<CGXStyle> pStyle(CreateStyle());
    ComposeStyleRowCol(nRow, nCol, pStyle.get(), TRUE);
    if (IsReadOnly())
        pStyle->SetReadOnly(TRUE);
    CGXStyle* p = pStyle.get();
    if (bCurrent) {
        AfxAllocating([&] { m_pendingStyles.push_back(p); });
        pStyle.release();
        if (m_pStyleCurrentCell == nullptr)
            m_pStyleCurrentCell = CreateStyle();
        *m_pStyleCurrentCell = *p;
        if (m_pCurrentControl == nullptr)
            m_pCurrentControl = GetRegisteredControl(p->GetIncludeControl() ? p->GetControl() : 0);
    } else {
        AfxAllocating([&] { m_styleCache[{nRow, nCol}] = p; });
        pStyle.release();
    }
    return p;
}

CGXStyle* CGXGridCore::CreateStyle()
{
    if (!m_recycledStyles.empty()) {
        CGXStyle* pStyle = m_recycledStyles.back();
        m_recycledStyles.pop_back();
        return pStyle;
    }
    if (m_pStyleClass != nullptr && m_pStyleClass->IsCreatable())
        return static_cast<CGXStyle*>(m_pStyleClass->CreateObject());
    return new CGXStyle;
}

void CGXGridCore::RecycleStyle(CGXStyle* pStyle)
{
    if (pStyle == nullptr)
        return;
    pStyle->Free();
    if (m_recycledStyles.size() < kMaxRecycledStyles + 1) {
        try {
            AfxAllocating([&] { m_recycledStyles.push_back(pStyle); });
            return;
        } catch (CMemoryException* e) {
            e->Delete();
        }
    }
    delete pStyle;
}

void CGXGridCore::FreeCurrentCellStyle()
{
    if (m_pStyleCurrentCell != nullptr)
        m_pStyleCurrentCell->Free();
}

// ---- storing ---------------------------------------------------------------------------------------

BOOL CGXGridCore::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nKind)
{
    if (m_pParam == nullptr || (m_pParam->GetReadOnlyGuard() && IsReadOnly()))
        return FALSE;
    CGXData* pData = m_pParam->GetData();
    if (pData == nullptr)
        return FALSE;
    if (nMode == 4) {
        // mode 4 removes the stored style
        pStyle = nullptr;
        nMode = CGXStyle::gxOverride;
    }
    pData->StoreCellStyle(nRow, nCol, pStyle, nMode, nKind);
    if (!m_bInsideStyleSetter) {
        const CGXCellRange range(nRow, nCol, nRow, nCol);
        DelayFloatCells(range);
        DelayMergeCells(range);
    }
    OnStoredCell(nRow, nCol);
    return TRUE;
}

void CGXGridCore::OnStoredCell(ROWCOL nRow, ROWCOL nCol)
{
    if (IsCurrentCell(nRow, nCol))
        FreeCurrentCellStyle();
    m_bReuseCurrentCellStyle = FALSE;
}

CObArray* CGXGridCore::CreateStyleArray(const CGXCellRange& range, int nKind, CGXLongOperation* pOperation)
{
    const CGXCellRange area = StoredArea(range);
    const uint64_t nCount = CellCount(area);
    if (nCount > uint64_t(INT32_MAX))
        AfxThrowMemoryException();
    std::unique_ptr<CObArray> pArray;
    AfxAllocating([&] {
        pArray = std::make_unique<CObArray>();
        pArray->SetSize(int32_t(nCount));
    });
    try {
        ForEachCell(area, [&](ROWCOL nRow, ROWCOL nCol, uint64_t nIndex) {
            CGXStyle* pStyle = CreateStyle();
            if (GetStyleRowCol(nRow, nCol, *pStyle, CGXStyle::gxCopy, nKind))
                pArray->SetAt(int32_t(nIndex), pStyle);
            else
                RecycleStyle(pStyle);
            if (pOperation != nullptr && pOperation->StepProgress(nIndex, nCount))
                AfxThrowUserException();
            return TRUE;
        });
    } catch (...) {
        DeleteStyleArray(pArray.release());
        throw;
    }
    return pArray.release();
}

BOOL CGXGridCore::IsUndoRecorded(int nCommandType) const
{
    return m_pCommandFactory != nullptr && nCommandType != gxRollback && m_pParam != nullptr &&
           m_pParam->IsEnableUndo();
}

BOOL CGXGridCore::StoreRangeCells(const CGXCellRange& range, const CGXStyle* pStyle, int nMode, int nKind,
                                  const CObArray* pStyleArray, CGXLongOperation* pOperation, BOOL bCancelAllowed,
                                  BOOL& bAborted, ROWCOL& nDoneRow, ROWCOL& nDoneCol)
{
    const CGXCellRange area = StoredArea(range);
    const uint64_t nCount = CellCount(area);
    BOOL bResult = FALSE;
    bAborted = FALSE;
    ForEachCell(area, [&](ROWCOL nRow, ROWCOL nCol, uint64_t nIndex) {
        const CGXStyle* pCellStyle = pStyle;
        int nCellMode = nMode;
        if (pStyleArray != nullptr) {
            pCellStyle = nIndex < uint64_t(pStyleArray->GetSize())
                             ? static_cast<const CGXStyle*>(pStyleArray->GetAt(int32_t(nIndex)))
                             : nullptr;
            if (pCellStyle == nullptr)
                nCellMode = 4;
        }
        if (nKind == CGXData::gxBaseStyle) {
            bResult |= StoreStyleRowCol(nRow, nCol, pCellStyle, nCellMode, nKind);
        } else {
            // a cell's control stores its style, given the cell's composed style
            const CGXComposedStyle composed(this, nRow, nCol);
            const WORD nId = pCellStyle != nullptr && pCellStyle->GetIncludeControl() ? pCellStyle->GetControl()
                                                                                        : composed.Get().GetControl();
            CGXControl* pControl = GetRegisteredControl(nId);
            bResult |= pControl != nullptr
                           ? pControl->StoreStyleRowCol(nRow, nCol, pCellStyle, nCellMode, nKind, &composed.Get())
                           : StoreStyleRowCol(nRow, nCol, pCellStyle, nCellMode, nKind);
        }
        if (IsCurrentCell(nRow, nCol))
            FreeCurrentCellStyle();
        nDoneRow = nRow;
        nDoneCol = nCol;
        if (pOperation != nullptr && pOperation->StepProgress(nIndex, nCount) && bCancelAllowed) {
            bAborted = TRUE;
            return FALSE;
        }
        return TRUE;
    });
    return bResult;
}

BOOL CGXGridCore::SetStyleRange(const CGXCellRange& range, const CGXStyle* pStyle, int nMode, int nKind,
                                const CObArray* pStyleArray, UINT nFlags, int nCommandType)
{
    if (!range.IsValid() || m_pParam == nullptr)
        return FALSE;
    if (!range.IsCells() && nKind == 0)
        nKind = CGXData::gxBaseStyle;
    if (nKind == 0)
        nKind = m_nStyleKind;
    const CGXCellRange area = StoredArea(range);
    const uint64_t nCount = CellCount(area);

    CGXLongOperation operation;
    const CString* astrTexts = m_pAppData->m_astrTexts;
    operation.SetStatusText(astrTexts[GridLibraryState::gxGeneratingUndo], FALSE);
    CGXLongOperation* pProgress = m_bNoProgress ? nullptr : &operation;

    // the old styles, saved for undo
    CObArray* pUndoStyles = nullptr;
    if (IsUndoRecorded(nCommandType)) {
        BOOL bTooLarge = nCount >= kMaxUndoCells || area.GetHeight() > kMaxUndoRowsOrCols ||
                         area.GetWidth() > kMaxUndoRowsOrCols;
        if (!bTooLarge) {
            try {
                pUndoStyles = CreateStyleArray(range, nKind, pProgress);
            } catch (CMemoryException* e) {
                e->Delete();
                bTooLarge = TRUE;
            } catch (CUserException* e) {
                e->Delete();
                return FALSE;
            }
        }
        if (bTooLarge && AfxMessageBox(GX_IDS_UNDOTOOLARGE, MB_OKCANCEL) != IDOK)
            return FALSE;
    }

    const BOOL bRestore = nCommandType == gxRollback || nCommandType == gxUndo || nCommandType == gxRedo;
    operation.SetStatusText(astrTexts[bRestore ? GridLibraryState::gxRestoringCells : GridLibraryState::gxStoringCells],
                            FALSE);
    const BOOL bCancelAllowed = nCommandType == gxDo && pUndoStyles != nullptr;
    GXLongOperationSettings& settings = GXGetLongOperationSettings();
    const BOOL bOldAbortAllowed = settings.m_bAbortAllowed;
    const BOOL bOldRollbackPossible = settings.m_bRollbackPossible;
    settings.m_bAbortAllowed = bCancelAllowed;
    settings.m_bRollbackPossible = bCancelAllowed;

    FreeObjectCache();
    if (!m_bInsideStyleSetter) {
        DelayFloatCells(range);
        DelayMergeCells(range);
    }
    BOOL bResult = FALSE;
    BOOL bAborted = FALSE;
    ROWCOL nDoneRow = area.top, nDoneCol = area.left;
    {
        FlagScope insideSetter(m_bInsideStyleSetter, TRUE);
        const BOOL bOldEngineOption = SetEngineUndoOption(m_pParam->IsEnableUndo() && nCommandType != gxRollback);
        try {
            // formula undo information rides behind the cells of an array
            if (pStyleArray != nullptr && uint64_t(pStyleArray->GetSize()) > nCount &&
                ApplyFormulaUndoInfo(pStyleArray->GetAt(int32_t(nCount)), nCommandType == gxUndo, 1))
                Recalc(FALSE);
            bResult = StoreRangeCells(range, pStyle, nMode, nKind, pStyleArray, pProgress, bCancelAllowed, bAborted,
                                      nDoneRow, nDoneCol);
        } catch (...) {
            SetEngineUndoOption(bOldEngineOption);
            settings.m_bAbortAllowed = bOldAbortAllowed;
            settings.m_bRollbackPossible = bOldRollbackPossible;
            DeleteStyleArray(pUndoStyles);
            throw;
        }
        SetEngineUndoOption(bOldEngineOption);
    }
    settings.m_bAbortAllowed = bOldAbortAllowed;
    settings.m_bRollbackPossible = bOldRollbackPossible;

    CGXCellRange changed = range;
    if (bAborted) {
        // the done area: the rows done so far, the first one only up to where it stopped
        const CGXCellRange doneArea(area.top, area.left, nDoneRow, nDoneRow == area.top ? nDoneCol : area.right);
        changed = range.IsRows()   ? CGXCellRange().SetRows(doneArea.top, doneArea.bottom)
                  : range.IsCols() ? CGXCellRange().SetCols(doneArea.left, doneArea.right)
                  : range.IsCells() ? doneArea
                                    : range;
        if (pUndoStyles != nullptr) {
            // the saved styles of the done area, taken out of the saved array
            std::unique_ptr<CObArray> pDoneStyles;
            AfxAllocating([&] { pDoneStyles = std::make_unique<CObArray>(); });
            ForEachCell(doneArea, [&](ROWCOL nRow, ROWCOL nCol, uint64_t) {
                const int32_t nIndex = int32_t(uint64_t(nRow - area.top) * area.GetWidth() + (nCol - area.left));
                AfxAllocating([&] { pDoneStyles->Add(pUndoStyles->GetAt(nIndex)); });
                pUndoStyles->SetAt(nIndex, nullptr);
                return TRUE;
            });
            DeleteStyleArray(pUndoStyles);
            pUndoStyles = pDoneStyles.release();
            if (settings.m_bRollbackRequested) {
                SetStyleRange(changed, nullptr, CGXStyle::gxCopy, nKind, pUndoStyles, nFlags, gxRollback);
                DeleteStyleArray(pUndoStyles);
                DiscardFormulaUndoInfo();
                return FALSE;
            }
        }
    }

    if (bResult) {
        EvalFloatCells(changed);
        EvalMergeCells(changed);
        OnChangedStyleRange(changed, pStyle, nMode, nKind, nFlags, TRUE);
        SetModifiedFlag(TRUE);
        if (pUndoStyles != nullptr) {
            if (CObject* pInfo = DetachFormulaUndoInfo())
                AfxAllocating([&] { pUndoStyles->Add(pInfo); });
            AddCommand(m_pCommandFactory->CreateSetStyleRangeCmd(changed, nKind, pUndoStyles), nCommandType);
            pUndoStyles = nullptr;
        }
        if (nCommandType == gxUndo || nCommandType == gxRedo)
            MoveCurrentCellAfterUndo(changed.top, changed.left, 1);
    } else {
        DiscardFormulaUndoInfo();
    }
    DeleteStyleArray(pUndoStyles);
    return bAborted ? FALSE : bResult;
}

void CGXGridCore::OnChangedStyleRange(const CGXCellRange& range, const CGXStyle* pStyle, int nMode, int nKind,
                                      UINT nFlags, BOOL bCreateHint)
{
    RedrawRange(range, nFlags);
    if (bCreateHint && m_pUpdateHintImp != nullptr && m_pGridDoc != nullptr)
        m_pUpdateHintImp->OnStyleRangeChanged(this, range, pStyle, nMode, nKind, nFlags);
}

// ---- styles map, properties and base styles ---------------------------------------------------------

void CGXGridCore::OnParamObjectsReplaced()
{
    if (m_pParam == nullptr)
        return;
    m_pAppData->UnregisterGrid(this);
    m_pAppData->RegisterGridWith(m_pParam, this);
    for (const void* pObject : {static_cast<const void*>(m_pParam->GetProperties()),
                                static_cast<const void*>(m_pParam->GetStylesMap()),
                                static_cast<const void*>(m_pParam->GetData())})
        if (pObject != nullptr)
            m_pAppData->RegisterGridWith(pObject, this);
    FreeCurrentCellStyle();
    RedrawWithNewBaseStyles(2);
}

void CGXGridCore::RedrawWithNewBaseStyles(UINT nFlags)
{
    FreeObjectCache();
    LookupBaseStyles();
    Redraw(nFlags, FALSE);
}

BOOL CGXGridCore::ChangeStylesMap(const CGXStylesMap& stylesMap, UINT nFlags, int nCommandType)
{
    CGXStylesMap* pStylesMap = m_pParam != nullptr ? m_pParam->GetStylesMap() : nullptr;
    CGXAbstractGridParamCopyOperatorImp* pCopy = m_pAppData->m_pParamCopyOperatorImp;
    if (pStylesMap == nullptr || pCopy == nullptr || (m_pParam->GetReadOnlyGuard() && IsReadOnly()))
        return FALSE;
    if (IsUndoRecorded(nCommandType)) {
        // the command keeps its own copy of the map it restores
        AddCommand(m_pCommandFactory->CreateChangeStylesMapCmd(*pStylesMap), nCommandType);
    }
    pCopy->CopyStylesMap(*pStylesMap, stylesMap);
    SetModifiedFlag(TRUE);
    const CGXCellRange table = CGXCellRange().SetTable();
    DelayFloatCells(table);
    DelayMergeCells(table);
    OnChangedStylesMap(nFlags, TRUE);
    return TRUE;
}

void CGXGridCore::OnChangedStylesMap(UINT nFlags, BOOL bCreateHint)
{
    RedrawWithNewBaseStyles(nFlags);
    if (bCreateHint && m_pUpdateHintImp != nullptr && m_pGridDoc != nullptr)
        m_pUpdateHintImp->OnStylesMapChanged(this, nFlags);
}

BOOL CGXGridCore::ChangeProperties(const CGXProperties& properties, UINT nFlags, int nCommandType)
{
    CGXProperties* pProperties = m_pParam != nullptr ? m_pParam->GetProperties() : nullptr;
    CGXAbstractGridParamCopyOperatorImp* pCopy = m_pAppData->m_pParamCopyOperatorImp;
    if (pProperties == nullptr || pCopy == nullptr || (m_pParam->GetReadOnlyGuard() && IsReadOnly()))
        return FALSE;
    if (IsUndoRecorded(nCommandType)) {
        AddCommand(m_pCommandFactory->CreateChangePropertiesCmd(*pProperties), nCommandType);
    }
    pCopy->CopyProperties(*pProperties, properties);
    SetModifiedFlag(TRUE);
    OnChangedProperties(nFlags, TRUE);
    return TRUE;
}

void CGXGridCore::OnChangedProperties(UINT nFlags, BOOL bCreateHint)
{
    RedrawWithNewBaseStyles(nFlags);
    if (bCreateHint && m_pUpdateHintImp != nullptr && m_pGridDoc != nullptr)
        m_pUpdateHintImp->OnPropertiesChanged(this, nFlags);
}

BOOL CGXGridCore::ChangeBaseStyle(WORD nId, const CGXStyle& style, int nMode, UINT nFlags, int nCommandType)
{
    CGXStylesMap* pStylesMap = m_pParam != nullptr ? m_pParam->GetStylesMap() : nullptr;
    const CGXStyle* pBase = nullptr;
    if (pStylesMap == nullptr || (m_pParam->GetReadOnlyGuard() && IsReadOnly()) ||
        !pStylesMap->LookupStyle(nId, pBase))
        return FALSE;
    if (IsUndoRecorded(nCommandType)) {
        UINT nResourceId = 0;
        const char* pszName = pStylesMap->LookupBaseStyle(nId, nResourceId);
        AddCommand(m_pCommandFactory->CreateChangeBaseStyleCmd(nId, *pBase, pszName), nCommandType);
    }
    // the map hands its styles out read-only; the grid changes them in place, as registering would
    const_cast<CGXStyle*>(pBase)->ChangeStyle(style, nMode);
    SetModifiedFlag(TRUE);
    const CGXCellRange table = CGXCellRange().SetTable();
    DelayFloatCells(table);
    DelayMergeCells(table);
    OnChangedBaseStyle(nId, nFlags, TRUE);
    return TRUE;
}

void CGXGridCore::OnChangedBaseStyle(WORD nId, UINT nFlags, BOOL bCreateHint)
{
    // the shared client DC holds the old standard font
    ReleaseClientDC();
    RedrawWithNewBaseStyles(nFlags);
    if (bCreateHint && m_pUpdateHintImp != nullptr && m_pGridDoc != nullptr)
        m_pUpdateHintImp->OnBaseStyleChanged(this, nId, nFlags);
}

BOOL CGXGridCore::ChangeRowHeaderStyle(const CGXStyle& style, int nMode, UINT nFlags, int nCommandType)
{
    const CGXStylesMap* pStylesMap = m_pParam != nullptr ? m_pParam->GetStylesMap() : nullptr;
    return pStylesMap != nullptr &&
           ChangeBaseStyle(pStylesMap->GetRowHeaderStyle(), style, nMode, nFlags, nCommandType);
}

BOOL CGXGridCore::ChangeColHeaderStyle(const CGXStyle& style, int nMode, UINT nFlags, int nCommandType)
{
    const CGXStylesMap* pStylesMap = m_pParam != nullptr ? m_pParam->GetStylesMap() : nullptr;
    return pStylesMap != nullptr &&
           ChangeBaseStyle(pStylesMap->GetColHeaderStyle(), style, nMode, nFlags, nCommandType);
}

const CGXStyle& CGXGridCore::GetStandardStyle()
{
    if (m_pStyleStandard == nullptr)
        LookupBaseStyles();
    if (m_pStyleStandard == nullptr)
        AfxThrowNotSupportedException();
    return *m_pStyleStandard;
}

const CGXStyle& CGXGridCore::LookupBaseStyle(WORD nId)
{
    const CGXStylesMap* pStylesMap = m_pParam != nullptr ? m_pParam->GetStylesMap() : nullptr;
    const CGXStyle* pStyle = nullptr;
    if (pStylesMap == nullptr || !pStylesMap->LookupStyle(nId, pStyle) || pStyle == nullptr)
        AfxThrowNotSupportedException();
    return *pStyle;
}

void CGXGridCore::LookupBaseStyles()
{
    m_pStyleStandard = m_pStyleRowHeader = m_pStyleColHeader = nullptr;
    const CGXStylesMap* pStylesMap = m_pParam != nullptr ? m_pParam->GetStylesMap() : nullptr;
    if (pStylesMap == nullptr)
        return;
    pStylesMap->LookupStyle(pStylesMap->GetStandardStyle(), m_pStyleStandard);
    pStylesMap->LookupStyle(pStylesMap->GetRowHeaderStyle(), m_pStyleRowHeader);
    pStylesMap->LookupStyle(pStylesMap->GetColHeaderStyle(), m_pStyleColHeader);
}

// ---- values -------------------------------------------------------------------------------------------

BOOL CGXGridCore::SetControlTextRowCol(ROWCOL nRow, ROWCOL nCol, const char* pszText, UINT nFlags,
                                       const CGXStyle* pStyle)
{
    std::unique_ptr<CGXComposedStyle> pComposed;
    if (pStyle == nullptr) {
        pComposed = std::make_unique<CGXComposedStyle>(this, nRow, nCol);
        pStyle = &pComposed->Get();
    }
    CGXControl* pControl = GetRegisteredControl(pStyle->GetControl());
    return pControl != nullptr && pControl->SetControlText(nRow, nCol, pszText, nFlags, pStyle);
}

BOOL CGXGridCore::ApplyValueToRange(const CGXCellRange& range, const char* pszValue, int nMode, int nKind,
                                    UINT nFlags)
{
    if (m_pStyleValue == nullptr)
        m_pStyleValue = CreateStyle();
    m_pStyleValue->Free();
    m_pStyleValue->SetValue(pszValue);
    return SetStyleRange(range, m_pStyleValue, nMode, nKind, nullptr, nFlags);
}

const CString& CGXGridCore::GetValueRowCol(ROWCOL nRow, ROWCOL nCol)
{
    if (m_pStyleScratch == nullptr)
        m_pStyleScratch = CreateStyle();
    m_pStyleScratch->SetIncludeValue(FALSE);
    FlagScope valueOnly(m_bValueOnly, TRUE);
    ComposeStyleRowCol(nRow, nCol, m_pStyleScratch, TRUE);
    return m_pStyleScratch->GetValueRef();
}

const CString& CGXGridCore::GetStoredValueRowCol(ROWCOL nRow, ROWCOL nCol)
{
    if (m_pStyleScratch == nullptr)
        m_pStyleScratch = CreateStyle();
    m_pStyleScratch->Free();
    GetStyleRowCol(nRow, nCol, *m_pStyleScratch, CGXStyle::gxOverride, m_nStyleKind);
    return m_pStyleScratch->GetValueRef();
}
