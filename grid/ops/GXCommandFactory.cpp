// The command factory: undo and redo lists, transactions and menu texts (see GXCommandFactory.h).
#include "grid/ops/GXCommandFactory.h"

#include "grid/engine/GXControl.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXData.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXLongOperation.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/ops/GXCommands.h"
#include "win/Win.h"

#include <memory>

namespace {

// A new command of class T made from args; running out of memory raises the library's exception.
template <class T, class... A>
CGXCommand* Make(A&&... args)
{
    CGXCommand* pCommand = nullptr;
    AfxAllocating([&] { pCommand = new T(std::forward<A>(args)...); });
    return pCommand;
}

// Puts the grid's current cell into the command.
void NoteCurrentCell(CGXGridCore* pGrid, CGXCommand* pCommand)
{
    pCommand->m_bCurrentCell = pGrid->GetCurrentCell(pCommand->m_nRow, pCommand->m_nCol);
}

// The head of list as a block; null when the list is empty or its head is no block.
CGXBlockCmd* HeadBlock(CObList& list)
{
    if (list.IsEmpty())
        return nullptr;
    CObject* pHead = list.GetHead();
    return pHead->IsKindOf(RUNTIME_CLASS(CGXBlockCmd)) ? static_cast<CGXBlockCmd*>(pHead) : nullptr;
}

// Removes and deletes the oldest command when list holds more than nMax (before one more is added).
void Trim(CObList& list, DWORD nMax)
{
    if (DWORD(list.GetCount()) > nMax)
        delete list.RemoveTail();
}

// The largest count of rows or columns, and of cells, whose styles are saved for undo.
const ROWCOL kMaxSavedLines = 32767;
const uint64_t kMaxSavedCells = 2147483647;

}  // namespace

CGXAbstractCommandFactory* GXCreateCommandFactory()
{
    return new CGXCommandFactory;
}

// ---- the creators ---------------------------------------------------------------------------------------

CGXCommand* CGXCommandFactory::CreateBlockCmd(const char* pszName)
{
    return Make<CGXBlockCmd>(pszName);
}

CGXCommand* CGXCommandFactory::CreateSetRowHeightCmd(ROWCOL nFirst, ROWCOL nLast, int* anHeights)
{
    return Make<CGXSetRowHeightCmd>(nFirst, nLast, anHeights);
}

CGXCommand* CGXCommandFactory::CreateHideRowsCmd(ROWCOL nFirst, ROWCOL nLast, int* anHidden)
{
    return Make<CGXHideRowsCmd>(nFirst, nLast, anHidden);
}

CGXCommand* CGXCommandFactory::CreateSetDefaultRowHeightCmd(int nHeight)
{
    return Make<CGXSetDefaultRowHeightCmd>(nHeight);
}

CGXCommand* CGXCommandFactory::CreateSetColWidthCmd(ROWCOL nFirst, ROWCOL nLast, int* anWidths)
{
    return Make<CGXSetColWidthCmd>(nFirst, nLast, anWidths);
}

CGXCommand* CGXCommandFactory::CreateHideColsCmd(ROWCOL nFirst, ROWCOL nLast, int* anHidden)
{
    return Make<CGXHideColsCmd>(nFirst, nLast, anHidden);
}

CGXCommand* CGXCommandFactory::CreateSetDefaultColWidthCmd(int nWidth)
{
    return Make<CGXSetDefaultColWidthCmd>(nWidth);
}

CGXCommand* CGXCommandFactory::CreateMoveRowsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    return Make<CGXMoveRowsCmd>(nFrom, nTo, nDest);
}

CGXCommand* CGXCommandFactory::CreateMoveColsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    return Make<CGXMoveColsCmd>(nFrom, nTo, nDest);
}

CGXCommand* CGXCommandFactory::CreateRemoveRowsCmd(ROWCOL nFrom, ROWCOL nTo)
{
    return Make<CGXRemoveRowsCmd>(nFrom, nTo);
}

CGXCommand* CGXCommandFactory::CreateRemoveColsCmd(ROWCOL nFrom, ROWCOL nTo)
{
    return Make<CGXRemoveColsCmd>(nFrom, nTo);
}

CGXCommand* CGXCommandFactory::CreateInsertRowsCmd(ROWCOL nRow, ROWCOL nCount, int* anHeights, CObArray* pCellStyles,
                                                   CObArray* pRowStyles, ROWCOL nColCount)
{
    return Make<CGXInsertRowsCmd>(nRow, nCount, anHeights, pCellStyles, pRowStyles, nColCount);
}

CGXCommand* CGXCommandFactory::CreateInsertColsCmd(ROWCOL nCol, ROWCOL nCount, int* anWidths, CObArray* pCellStyles,
                                                   CObArray* pColStyles, ROWCOL nRowCount)
{
    return Make<CGXInsertColsCmd>(nCol, nCount, anWidths, pCellStyles, pColStyles, nRowCount);
}

CGXCommand* CGXCommandFactory::CreateSetCoveredCellsCmd(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight)
{
    return Make<CGXSetCoveredCellsCmd>(nTop, nLeft, nBottom, nRight);
}

CGXCommand* CGXCommandFactory::CreateSetStyleRangeCmd(const CGXCellRange& range, int nKind, CObArray* pStyles)
{
    return Make<CGXSetStyleRangeCmd>(range, nKind, pStyles);
}

CGXCommand* CGXCommandFactory::CreateSetFrozenRowsCmd(ROWCOL nFrozen, ROWCOL nHeaders)
{
    return Make<CGXSetFrozenRowsCmd>(nFrozen, nHeaders);
}

CGXCommand* CGXCommandFactory::CreateSetFrozenColsCmd(ROWCOL nFrozen, ROWCOL nHeaders)
{
    return Make<CGXSetFrozenColsCmd>(nFrozen, nHeaders);
}

CGXCommand* CGXCommandFactory::CreateMoveDataRowsCmd(const CGXCellRange& range, CDWordArray* pMoveMap)
{
    return Make<CGXMoveDataRowsCmd>(range, pMoveMap);
}

CGXCommand* CGXCommandFactory::CreateMoveDataColsCmd(const CGXCellRange& range, CDWordArray* pMoveMap)
{
    return Make<CGXMoveDataColsCmd>(range, pMoveMap);
}

CGXCommand* CGXCommandFactory::CreateChangeStylesMapCmd(const CGXStylesMap& stylesMap)
{
    return Make<CGXChangeStylesMapCmd>(stylesMap);
}

CGXCommand* CGXCommandFactory::CreateChangePropertiesCmd(const CGXProperties& properties)
{
    return Make<CGXChangePropertiesCmd>(properties);
}

CGXCommand* CGXCommandFactory::CreateChangeBaseStyleCmd(WORD nId, const CGXStyle& style, const char* pszName)
{
    return Make<CGXChangeBaseStyleCmd>(nId, style, pszName);
}

CGXCommand* CGXCommandFactory::CreateMoveCellsCmd(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol,
                                                  CObject* pUndoInfo)
{
    return Make<CGXMoveCellsCmd>(range, nDestRow, nDestCol, pUndoInfo);
}

CGXCommand* CGXCommandFactory::CreateSetRangeNameCmd(const char* pszName, BOOL bHadOldRange,
                                                     const CGXCellRange& oldRange)
{
    return Make<CGXSetRangeNameCmd>(pszName, bHadOldRange, oldRange);
}

CGXCommand* CGXCommandFactory::CreateDeleteRangeNameCmd(const char* pszName, const CGXCellRange& range,
                                                        CObject* pUndoInfo)
{
    return Make<CGXDeleteRangeNameCmd>(pszName, range, pUndoInfo);
}

// ---- the formula engine's undo information --------------------------------------------------------------

BOOL CGXCommandFactory::SetEngineUndoMode(CGXGridCore* pGrid, BOOL bValue)
{
    CGXData* pData = pGrid->GetParam() != nullptr ? pGrid->GetParam()->GetData() : nullptr;
    return pData != nullptr ? pData->SetEngineOption(DWORD(bValue)) : 0;
}

CObject* CGXCommandFactory::DetachEngineUndoInfo(CGXGridCore* pGrid)
{
    CGXData* pData = pGrid->GetParam() != nullptr ? pGrid->GetParam()->GetData() : nullptr;
    return pData != nullptr ? pData->DetachUndoInfo() : nullptr;
}

BOOL CGXCommandFactory::ApplyEngineUndoInfo(CGXGridCore* pGrid, CObject* pInfo, BOOL bValue, int nFlag)
{
    CGXData* pData = pGrid->GetParam() != nullptr ? pGrid->GetParam()->GetData() : nullptr;
    auto* pEngineInfo = dynamic_cast<CGXUndoEngineCellsInfo*>(pInfo);
    return pData != nullptr && pEngineInfo != nullptr ? pData->ApplyUndoInfo(pEngineInfo, DWORD(bValue), nFlag) : 0;
}

void CGXCommandFactory::DeleteEngineUndoInfo(CGXGridCore* pGrid)
{
    delete pGrid->DetachFormulaUndoInfo();
}

// ---- the lists ------------------------------------------------------------------------------------------

BOOL CGXCommandFactory::ExecuteCommand(CGXCommand* pCommand, CGXGridCore* pGrid, int nCommandType)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pCommand == nullptr || pParam == nullptr)
        return FALSE;
    // undo and redo may change cells the user may not
    struct GuardOff {
        CGXGridParam* pParam;
        BOOL bWas;
        ~GuardOff() { pParam->SetReadOnlyGuard(bWas); }
    } guard{pParam, pParam->GetReadOnlyGuard()};
    pParam->SetReadOnlyGuard(FALSE);
    if (pParam->GetData() != nullptr && pCommand->m_pUndoInfo != nullptr) {
        const BOOL bOld = pGrid->SetEngineUndoOption(nCommandType != CGXGridCore::gxRollback);
        pGrid->ApplyFormulaUndoInfo(pCommand->m_pUndoInfo, TRUE, 0);
        pGrid->SetEngineUndoOption(bOld);
    }
    return pCommand->Execute(pGrid, nCommandType);
}

CObList& CGXCommandFactory::TargetList(CGXGridCore* pGrid, int nCommandType, BOOL& bInBlock)
{
    CGXGridParam* pParam = pGrid->GetParam();
    CObList& list = nCommandType == CGXGridCore::gxRollback || nCommandType == CGXGridCore::gxUndo
                        ? pParam->GetRedoList()
                        : pParam->GetUndoList();
    bInBlock = FALSE;
    if (pParam->GetTransactionLevel() > 0 || pGrid->m_bExecutingBlock) {
        if (CGXBlockCmd* pBlock = HeadBlock(list)) {
            bInBlock = TRUE;
            return pBlock->m_commands;
        }
    }
    return list;
}

void CGXCommandFactory::AddCommand(CGXGridCore* pGrid, CGXCommand* pCommand, int nCommandType)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pCommand == nullptr)
        return;
    if (pParam == nullptr) {
        delete pCommand;
        return;
    }
    try {
        if (nCommandType == CGXGridCore::gxDo)
            pParam->EmptyRedoList();
        if (pCommand->m_pUndoInfo == nullptr)
            pCommand->m_pUndoInfo = pGrid->DetachFormulaUndoInfo();
        BOOL bInBlock;
        CObList& target = TargetList(pGrid, nCommandType, bInBlock);
        if (!bInBlock)
            Trim(target, pParam->GetMaxUndoListLength());
        NoteCurrentCell(pGrid, pCommand);
        target.AddHead(pCommand);
    } catch (CException* e) {
        // a command that cannot be kept is dropped; the change itself stands
        delete pCommand;
        e->Delete();
    }
}

void CGXCommandFactory::RemoveCommand(CGXGridCore* pGrid, int nCommandType)
{
    if (pGrid->GetParam() == nullptr)
        return;
    BOOL bInBlock;
    CObList& target = TargetList(pGrid, nCommandType, bInBlock);
    if (!target.IsEmpty())
        delete target.RemoveHead();
}

BOOL CGXCommandFactory::RunHead(CGXGridCore* pGrid, CObList& list, int nCommandType)
{
    if (list.IsEmpty())
        return FALSE;
    auto* pCommand = static_cast<CGXCommand*>(list.RemoveHead());
    BOOL bResult;
    try {
        bResult = pGrid->ExecuteCommand(pCommand, nCommandType);
    } catch (...) {
        list.AddHead(pCommand);
        throw;
    }
    if (bResult) {
        if (nCommandType == CGXGridCore::gxRedo && pCommand->m_bCurrentCell)
            pGrid->SetCurrentCell(pCommand->m_nRow, pCommand->m_nCol, 10);
        delete pCommand;
    } else {
        // the user may try again
        list.AddHead(pCommand);
    }
    pGrid->RecalcAndShowErrors(TRUE, nullptr, TRUE);
    pGrid->UpdateScrollbars();
    return bResult;
}

BOOL CGXCommandFactory::Undo(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    ROWCOL nRow, nCol;
    CGXControl* pControl = pGrid->GetCurrentCell(nRow, nCol) ? pGrid->GetCurrentCellControl() : nullptr;
    if (pControl != nullptr && pControl->IsActive()) {
        if (!pControl->OnCancelEditing())
            return FALSE;
        const BOOL bModified = pControl->GetModify();
        pControl->Init(nRow, nCol);
        pControl->Refresh();
        pControl->OnCanceledEditing();
        // the first Undo takes back the edit of the cell only
        if (bModified)
            return TRUE;
    }
    return RunHead(pGrid, pParam->GetUndoList(), CGXGridCore::gxUndo);
}

BOOL CGXCommandFactory::Redo(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    if (pGrid->IsActiveCurrentCell() && !pGrid->TransferCurrentCell(FALSE))
        return FALSE;
    return RunHead(pGrid, pParam->GetRedoList(), CGXGridCore::gxRedo);
}

// ---- transactions ---------------------------------------------------------------------------------------

void CGXCommandFactory::BeginTrans(CGXGridCore* pGrid, const char* pszName)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || !pParam->IsEnableUndo())
        return;
    if (pParam->GetTransactionLevel() > 0) {
        pParam->SetTransactionLevel(pParam->GetTransactionLevel() + 1);
        return;
    }
    pGrid->m_strTransactionName = pszName;
    std::unique_ptr<CGXCommand> pBlock(CreateBlockCmd(pszName));
    NoteCurrentCell(pGrid, pBlock.get());
    // the redo list stays: the first command recorded in the transaction empties it
    pParam->GetUndoList().AddHead(pBlock.get());
    pBlock.release();
    pParam->SetTransactionLevel(1);
}

void CGXCommandFactory::CommitTrans(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || !pParam->IsEnableUndo() || pParam->GetTransactionLevel() == 0)
        return;
    pParam->SetTransactionLevel(pParam->GetTransactionLevel() - 1);
    if (pParam->GetTransactionLevel() > 0)
        return;
    CObList& list = pParam->GetUndoList();
    CGXBlockCmd* pBlock = HeadBlock(list);
    if (pBlock != nullptr && pBlock->m_commands.IsEmpty())
        delete list.RemoveHead();
    else
        Trim(list, pParam->GetMaxUndoListLength());
}

void CGXCommandFactory::Rollback(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || !pParam->IsEnableUndo() || pParam->GetTransactionLevel() == 0)
        return;
    pParam->SetTransactionLevel(pParam->GetTransactionLevel() - 1);
    if (pParam->GetTransactionLevel() > 0)
        return;
    CObList& list = pParam->GetUndoList();
    // only the transaction's own block is taken back
    if (HeadBlock(list) == nullptr)
        return;
    std::unique_ptr<CObject> pBlock(list.RemoveHead());
    static_cast<CGXBlockCmd*>(pBlock.get())->Execute(pGrid, CGXGridCore::gxRollback);
    pBlock.reset();
    pGrid->RecalcAndShowErrors(TRUE, nullptr, TRUE);
}

void CGXCommandFactory::SetCurrentCellAfterUndo(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT nFlags)
{
    if (pGrid->m_bExecutingBlock) {
        // the block makes the move when it ends
        pGrid->m_bDeferredCurrentCell = TRUE;
        pGrid->m_nDeferredRow = nRow;
        pGrid->m_nDeferredCol = nCol;
        pGrid->m_nDeferredFlags = nFlags;
        return;
    }
    if (nFlags != 0 && !pGrid->IsCurrentCell(nRow, nCol))
        pGrid->SetCurrentCell(nRow, nCol, 10);
    else
        pGrid->ScrollCellInView(nRow, nCol, 2, FALSE);
    if (CWnd* pWnd = pGrid->GridWnd(); pWnd != nullptr && pWnd->m_hWnd != nullptr)
        pWnd->UpdateWindow();
}

// ---- the Edit menu --------------------------------------------------------------------------------------

BOOL CGXCommandFactory::UpdateEditItem(CGXGridCore* pGrid, CCmdUI* pCmdUI, BOOL bUndo)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr) {
        if (pCmdUI != nullptr)
            pCmdUI->Enable(FALSE);
        return FALSE;
    }
    CObList& list = bUndo ? pParam->GetUndoList() : pParam->GetRedoList();
    const BOOL bCellModified = bUndo && pGrid->IsActiveCurrentCell() && pGrid->GetCurrentCellControl()->GetModify();
    const BOOL bEnabled = bCellModified || !list.IsEmpty();
    if (pCmdUI == nullptr)
        return bEnabled;
    if (pCmdUI->m_pMenu != nullptr) {
        CString& strFormat = bUndo ? pGrid->m_strUndoMenuFormat : pGrid->m_strRedoMenuFormat;
        if (strFormat.IsEmpty()) {
            // a command string "prompt\ntip\nformat" names the format; else the item's own text
            CString strCommand;
            AfxLoadString(pCmdUI->m_nID, strCommand);
            const int nFirst = strCommand.Find('\n');
            const int nSecond = nFirst >= 0 ? strCommand.Find('\n', nFirst + 1) : -1;
            if (nSecond >= 0)
                strFormat = strCommand.Mid(nSecond + 1);
            else
                pCmdUI->m_pMenu->GetMenuString(pCmdUI->m_nID, strFormat, MF_BYCOMMAND);
            if (strFormat.IsEmpty())
                strFormat = bUndo ? "Undo %1" : "Redo %1";
        }
        CString strWhat;
        if (bCellModified)
            strWhat = GXGetLibraryState()->m_astrTexts[GridLibraryState::gxCurrentCell];
        else if (!list.IsEmpty())
            strWhat = static_cast<CGXCommand*>(list.GetHead())->GetName();
        const char* apsz[] = {strWhat};
        CString strText;
        AfxFormatStrings(strText, strFormat, apsz, 1);
        pCmdUI->SetText(strText);
    }
    pCmdUI->Enable(bEnabled);
    return bEnabled;
}

BOOL CGXCommandFactory::OnUpdateEditUndo(CGXGridCore* pGrid, CCmdUI* pCmdUI)
{
    return UpdateEditItem(pGrid, pCmdUI, TRUE);
}

BOOL CGXCommandFactory::OnUpdateEditRedo(CGXGridCore* pGrid, CCmdUI* pCmdUI)
{
    return UpdateEditItem(pGrid, pCmdUI, FALSE);
}

// ---- the styles of rows and columns about to be removed -------------------------------------------------

BOOL CGXCommandFactory::SaveRowStylesForUndo(CGXGridCore* pGrid, ROWCOL& nFirst, ROWCOL& nRows, ROWCOL& nCols,
                                             CObArray*& pCellStyles, CObArray*& pRowStyles, BOOL bLongOperation)
{
    return SaveLineStylesForUndo(pGrid, TRUE, nFirst, nRows, nCols, pCellStyles, pRowStyles, bLongOperation);
}

BOOL CGXCommandFactory::SaveColStylesForUndo(CGXGridCore* pGrid, ROWCOL& nFirst, ROWCOL& nCols, ROWCOL& nRows,
                                             CObArray*& pCellStyles, CObArray*& pColStyles, BOOL bLongOperation)
{
    return SaveLineStylesForUndo(pGrid, FALSE, nFirst, nCols, nRows, pCellStyles, pColStyles, bLongOperation);
}

BOOL CGXCommandFactory::SaveLineStylesForUndo(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLines,
                                              ROWCOL nOther, CObArray*& pCellStyles, CObArray*& pBaseStyles,
                                              BOOL bLongOperation)
{
    pCellStyles = pBaseStyles = nullptr;
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return TRUE;
    const WORD wContents = bRows ? pParam->GetRowUndoContents() : pParam->GetColUndoContents();
    const BOOL bCells = (wContents & CGXGridParam::gxUndoCellStyles) != 0;
    const BOOL bBase = (wContents & CGXGridParam::gxUndoBaseStyles) != 0;
    const uint64_t nCells = uint64_t(nLines) * nOther;
    const uint64_t nTotal = (bBase ? nLines : 0) + (bCells ? nCells : 0);
    // the user's answer to the undo-buffer question: go on without undo (TRUE) or not
    auto goOnWithoutUndo = [] { return AfxMessageBox(GX_IDS_UNDOTOOLARGE, MB_OKCANCEL) == IDOK; };
    auto dropSaved = [&] {
        GXDeleteSavedStyles(pCellStyles);
        GXDeleteSavedStyles(pBaseStyles);
        pCellStyles = pBaseStyles = nullptr;
    };
    std::unique_ptr<CGXLongOperation> pOperation;
    if (bLongOperation)
        pOperation = std::make_unique<CGXLongOperation>();
    uint64_t nDone = 0;
    // the stored style at (nRow, nCol) of kind nKind into pArray at nIndex, with the progress step
    auto save = [&](CObArray* pArray, int32_t nIndex, ROWCOL nRow, ROWCOL nCol, int nKind) {
        CGXStyle* pStyle = pGrid->CreateStyle();
        if (pGrid->GetStyleRowCol(nRow, nCol, *pStyle, CGXStyle::gxCopy, nKind))
            pArray->SetAt(nIndex, pStyle);
        else
            pGrid->RecycleStyle(pStyle);
        if (pOperation != nullptr && pOperation->StepProgress(nDone, nTotal))
            AfxThrowUserException();
        ++nDone;
    };
    try {
        if (bCells) {
            if (nCells >= kMaxSavedCells || nOther > kMaxSavedLines || nLines > kMaxSavedLines)
                return goOnWithoutUndo();
            AfxAllocating([&] {
                pCellStyles = new CObArray;
                pCellStyles->SetSize(int32_t(nCells));
            });
            // rows outer: a removed row's cells from column 0, or each row's cells of the removed columns
            for (ROWCOL i = 0; i < (bRows ? nLines : nOther); ++i)
                for (ROWCOL j = 0; j < (bRows ? nOther : nLines); ++j)
                    save(pCellStyles, int32_t(uint64_t(i) * (bRows ? nOther : nLines) + j), bRows ? nFirst + i : i,
                         bRows ? j : nFirst + j, CGXData::gxCellStyle);
        }
        if (bBase) {
            if (nLines <= kMaxSavedLines) {
                AfxAllocating([&] {
                    pBaseStyles = new CObArray;
                    pBaseStyles->SetSize(int32_t(nLines));
                });
                for (ROWCOL i = 0; i < nLines; ++i)
                    save(pBaseStyles, int32_t(i), bRows ? nFirst + i : 0, bRows ? 0 : nFirst + i, CGXData::gxBaseStyle);
            } else if (!goOnWithoutUndo()) {
                dropSaved();
                return FALSE;
            }
        }
    } catch (CUserException* e) {
        e->Delete();
        dropSaved();
        return FALSE;
    } catch (CMemoryException* e) {
        e->Delete();
        dropSaved();
        return goOnWithoutUndo();
    }
    return TRUE;
}
