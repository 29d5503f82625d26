// The undo and redo commands (see GXCommands.h).
#include "grid/ops/GXCommands.h"

#include "core/OwnedObList.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXLongOperation.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"
#include "win/Win.h"

#include <memory>

IMPLEMENT_DYNAMIC(CGXBlockCmd, CObject)
IMPLEMENT_DYNAMIC(CGXSetRowHeightCmd, CObject)
IMPLEMENT_DYNAMIC(CGXHideRowsCmd, CObject)
IMPLEMENT_DYNAMIC(CGXSetDefaultRowHeightCmd, CObject)
IMPLEMENT_DYNAMIC(CGXSetColWidthCmd, CObject)
IMPLEMENT_DYNAMIC(CGXHideColsCmd, CObject)
IMPLEMENT_DYNAMIC(CGXSetDefaultColWidthCmd, CObject)
IMPLEMENT_DYNAMIC(CGXMoveRowsCmd, CObject)
IMPLEMENT_DYNAMIC(CGXMoveColsCmd, CObject)
IMPLEMENT_DYNAMIC(CGXRemoveRowsCmd, CObject)
IMPLEMENT_DYNAMIC(CGXRemoveColsCmd, CObject)
IMPLEMENT_DYNAMIC(CGXInsertRowsCmd, CObject)
IMPLEMENT_DYNAMIC(CGXInsertColsCmd, CObject)
IMPLEMENT_DYNAMIC(CGXSetCoveredCellsCmd, CObject)
IMPLEMENT_DYNAMIC(CGXSetStyleRangeCmd, CObject)
IMPLEMENT_DYNAMIC(CGXSetFrozenRowsCmd, CObject)
IMPLEMENT_DYNAMIC(CGXSetFrozenColsCmd, CObject)
IMPLEMENT_DYNAMIC(CGXMoveDataRowsCmd, CObject)
IMPLEMENT_DYNAMIC(CGXMoveDataColsCmd, CObject)
IMPLEMENT_DYNAMIC(CGXChangeStylesMapCmd, CObject)
IMPLEMENT_DYNAMIC(CGXChangePropertiesCmd, CObject)
IMPLEMENT_DYNAMIC(CGXChangeBaseStyleCmd, CObject)
IMPLEMENT_DYNAMIC(CGXMoveCellsCmd, CObject)
IMPLEMENT_DYNAMIC(CGXSetRangeNameCmd, CObject)
IMPLEMENT_DYNAMIC(CGXDeleteRangeNameCmd, CObject)

namespace {

// The update flag every command passes: redraw at once.
const UINT kUpdateNow = 2;

// The process-wide name of the commands of string nID: loaded on the first call; a missing string
// becomes a single blank, so that it is looked for only once.
template <UINT nID>
const char* CommandName()
{
    static CString s_strName;
    if (s_strName.IsEmpty() && (!AfxLoadString(nID, s_strName) || s_strName.IsEmpty()))
        s_strName = " ";
    return s_strName;
}

}  // namespace

void GXDeleteSavedStyles(CObArray* pArray)
{
    if (pArray == nullptr)
        return;
    for (int32_t i = 0; i < pArray->GetSize(); ++i) {
        CObject* pEntry = pArray->GetAt(i);
        if (pEntry != nullptr && pEntry->IsKindOf(RUNTIME_CLASS(CObList)))
            AfxDeleteOwnedObjects(*static_cast<CObList*>(pEntry));
        delete pEntry;
    }
    delete pArray;
}

// ---- the block ----------------------------------------------------------------------------------------

CGXBlockCmd::CGXBlockCmd(const char* pszName) : m_commands(10), m_strName(pszName)
{
    if (m_strName.IsEmpty())
        m_strName = "Block";
}

CGXBlockCmd::~CGXBlockCmd()
{
    AfxDeleteOwnedObjects(m_commands);
}

BOOL CGXBlockCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    CGXLongOperation operation;
    const CString* astrTexts = GXGetLibraryState()->m_astrTexts;
    CString strStatus = m_strName;
    if (nCommandType == CGXGridCore::gxRedo || nCommandType == CGXGridCore::gxUndo) {
        const char* apsz[] = {m_strName};
        AfxFormatStrings(strStatus,
                         astrTexts[nCommandType == CGXGridCore::gxRedo ? GridLibraryState::gxRedoing
                                                                       : GridLibraryState::gxUndoing],
                         apsz, 1);
    }
    operation.SetStatusText(strStatus, TRUE);

    // an undo collects its reverse commands in a block of its own at the head of the redo list, a
    // redo at the head of the undo list
    CObList* pReverseList = nCommandType == CGXGridCore::gxRedo   ? &pParam->GetUndoList()
                            : nCommandType == CGXGridCore::gxUndo ? &pParam->GetRedoList()
                                                                  : nullptr;
    CGXBlockCmd* pReverse = nullptr;
    if (pReverseList != nullptr) {
        std::unique_ptr<CGXBlockCmd> pNew;
        AfxAllocating([&] { pNew = std::make_unique<CGXBlockCmd>(m_strName); });
        pNew->m_bCurrentCell = pGrid->GetCurrentCell(pNew->m_nRow, pNew->m_nCol);
        pReverseList->AddHead(pNew.get());
        pReverse = pNew.release();
    }

    pGrid->m_bExecutingBlock = TRUE;
    pGrid->m_bDeferredCurrentCell = FALSE;
    const int32_t nCount = m_commands.GetCount();
    const BOOL bLock = nCount > 1;
    const BOOL bWasLocked = pParam->IsLockRedraw();
    if (bLock) {
        // one redraw at the end instead of one per command; this operation shows the percentage
        pParam->SetLockRedraw(TRUE);
        GXLongOperationSettings& settings = GXGetLongOperationSettings();
        const int nLevel = settings.m_nLevel - 1;
        if (settings.m_nPercentLevel == -1 || settings.m_nPercentLevel >= nLevel)
            settings.m_nPercentLevel = nLevel;
    }
    BOOL bResult = TRUE;
    try {
        int32_t nDone = 0;
        for (POSITION pos = m_commands.GetHeadPosition(); pos != nullptr && bResult;) {
            auto* pCommand = static_cast<CGXCommand*>(m_commands.GetNext(pos));
            bResult = pGrid->ExecuteCommand(pCommand, nCommandType);
            if (bResult)
                operation.ShowProgress(++nDone, nCount);
        }
    } catch (...) {
        pParam->SetLockRedraw(bWasLocked);
        pGrid->m_bExecutingBlock = FALSE;
        throw;
    }
    if (bLock) {
        pParam->SetLockRedraw(bWasLocked);
        pGrid->Redraw(kUpdateNow, TRUE);
    }
    if (pReverse != nullptr && !bResult) {
        // what ran before the failure is taken back, so that the block stays whole for a retry
        if (POSITION pos = pReverseList->Find(pReverse))
            pReverseList->RemoveAt(pos);
        std::unique_ptr<CGXBlockCmd> pPartial(pReverse);
        pGrid->m_bDeferredCurrentCell = FALSE;
        pPartial->Execute(pGrid, CGXGridCore::gxRollback);
    }
    pGrid->m_bExecutingBlock = FALSE;
    if (pGrid->m_bDeferredCurrentCell) {
        pGrid->m_bDeferredCurrentCell = FALSE;
        pGrid->MoveCurrentCellAfterUndo(pGrid->m_nDeferredRow, pGrid->m_nDeferredCol, pGrid->m_nDeferredFlags);
    }
    return bResult;
}

// ---- rows and columns -----------------------------------------------------------------------------------

CGXInsertLinesCmd::~CGXInsertLinesCmd()
{
    delete[] m_anSizes;
    GXDeleteSavedStyles(m_pCellStyles);
    GXDeleteSavedStyles(m_pBaseStyles);
}

BOOL CGXSetRowHeightCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return pGrid->SetRowHeight(m_nFirst, m_nLast, 0, m_anValues, kUpdateNow, nCommandType);
}

const char* CGXSetRowHeightCmd::GetName()
{
    return CommandName<GX_IDS_CMD_ROWHEIGHTS>();
}

BOOL CGXHideRowsCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return pGrid->HideRows(m_nFirst, m_nLast, FALSE, m_anValues, kUpdateNow, nCommandType);
}

const char* CGXHideRowsCmd::GetName()
{
    return CommandName<GX_IDS_CMD_HIDEROWS>();
}

BOOL CGXSetDefaultRowHeightCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return pGrid->SetDefaultRowHeight(m_nHeight, kUpdateNow, nCommandType);
}

const char* CGXSetDefaultRowHeightCmd::GetName()
{
    return CommandName<GX_IDS_CMD_DEFROWHEIGHT>();
}

BOOL CGXSetColWidthCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return pGrid->SetColWidth(m_nFirst, m_nLast, 0, m_anValues, kUpdateNow, nCommandType);
}

const char* CGXSetColWidthCmd::GetName()
{
    return CommandName<GX_IDS_CMD_COLWIDTHS>();
}

BOOL CGXHideColsCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return pGrid->HideCols(m_nFirst, m_nLast, FALSE, m_anValues, kUpdateNow, nCommandType);
}

const char* CGXHideColsCmd::GetName()
{
    return CommandName<GX_IDS_CMD_HIDECOLS>();
}

BOOL CGXSetDefaultColWidthCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return pGrid->SetDefaultColWidth(m_nWidth, kUpdateNow, nCommandType);
}

const char* CGXSetDefaultColWidthCmd::GetName()
{
    return CommandName<GX_IDS_CMD_DEFCOLWIDTH>();
}

BOOL CGXMoveRowsCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return pGrid->MoveRows(m_nFrom, m_nTo, m_nDest, kUpdateNow, nCommandType);
}

const char* CGXMoveRowsCmd::GetName()
{
    return CommandName<GX_IDS_MOVEROWS>();
}

BOOL CGXMoveColsCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return pGrid->MoveCols(m_nFrom, m_nTo, m_nDest, kUpdateNow, nCommandType);
}

const char* CGXMoveColsCmd::GetName()
{
    return CommandName<GX_IDS_MOVECOLS>();
}

BOOL CGXRemoveRowsCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return pGrid->RemoveRows(m_nFrom, m_nTo, kUpdateNow, nCommandType);
}

const char* CGXRemoveRowsCmd::GetName()
{
    return CommandName<GX_IDS_INSERTROWS>();
}

BOOL CGXRemoveColsCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return pGrid->RemoveCols(m_nFrom, m_nTo, kUpdateNow, nCommandType);
}

const char* CGXRemoveColsCmd::GetName()
{
    return CommandName<GX_IDS_INSERTCOLS>();
}

BOOL CGXInsertRowsCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return pGrid->InsertRows(m_nFirst, m_nCount, m_anSizes, m_pCellStyles, m_pBaseStyles, m_nOtherCount, kUpdateNow,
                             nCommandType);
}

const char* CGXInsertRowsCmd::GetName()
{
    return CommandName<GX_IDS_REMOVINGROWS>();
}

BOOL CGXInsertColsCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return pGrid->InsertCols(m_nFirst, m_nCount, m_anSizes, m_pCellStyles, m_pBaseStyles, m_nOtherCount, kUpdateNow,
                             nCommandType);
}

const char* CGXInsertColsCmd::GetName()
{
    return CommandName<GX_IDS_REMOVINGCOLS>();
}

BOOL CGXSetFrozenRowsCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return pGrid->SetFrozenRows(m_nFrozen, m_nHeaders, kUpdateNow, nCommandType);
}

const char* CGXSetFrozenRowsCmd::GetName()
{
    return CommandName<GX_IDS_FREEZEROWS>();
}

BOOL CGXSetFrozenColsCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return pGrid->SetFrozenCols(m_nFrozen, m_nHeaders, kUpdateNow, nCommandType);
}

const char* CGXSetFrozenColsCmd::GetName()
{
    return CommandName<GX_IDS_FREEZECOLS>();
}

BOOL CGXMoveDataRowsCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return m_pMoveMap != nullptr && pGrid->MoveDataRows(m_range, *m_pMoveMap, kUpdateNow, nCommandType);
}

const char* CGXMoveDataRowsCmd::GetName()
{
    return CommandName<GX_IDS_CMD_SORTROWS>();
}

BOOL CGXMoveDataColsCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return m_pMoveMap != nullptr && pGrid->MoveDataCols(m_range, *m_pMoveMap, kUpdateNow, nCommandType);
}

const char* CGXMoveDataColsCmd::GetName()
{
    return CommandName<GX_IDS_CMD_SORTCOLS>();
}

// ---- cells, styles and the shared objects ---------------------------------------------------------

BOOL CGXSetCoveredCellsCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return pGrid->SetCoveredCellsRowCol(m_nTop, m_nLeft, m_nBottom, m_nRight, kUpdateNow, nCommandType);
}

const char* CGXSetCoveredCellsCmd::GetName()
{
    return CommandName<GX_IDS_CMD_COVERCELLS>();
}

BOOL CGXSetStyleRangeCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return pGrid->SetStyleRange(m_range, nullptr, CGXStyle::gxCopy, m_nKind, m_pStyles, kUpdateNow, nCommandType);
}

const char* CGXSetStyleRangeCmd::GetName()
{
    return CommandName<GX_IDS_CMD_CELLS>();
}

CGXChangeStylesMapCmd::CGXChangeStylesMapCmd(const CGXStylesMap& stylesMap) : m_pStylesMap(new CGXStylesMap(stylesMap))
{
}

CGXChangeStylesMapCmd::~CGXChangeStylesMapCmd()
{
    delete m_pStylesMap;
}

BOOL CGXChangeStylesMapCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return pGrid->ChangeStylesMap(*m_pStylesMap, kUpdateNow, nCommandType);
}

const char* CGXChangeStylesMapCmd::GetName()
{
    return CommandName<GX_IDS_CMD_STYLESMAP>();
}

CGXChangePropertiesCmd::CGXChangePropertiesCmd(const CGXProperties& properties)
    : m_pProperties(new CGXProperties(properties))
{
}

CGXChangePropertiesCmd::~CGXChangePropertiesCmd()
{
    delete m_pProperties;
}

BOOL CGXChangePropertiesCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return pGrid->ChangeProperties(*m_pProperties, kUpdateNow, nCommandType);
}

const char* CGXChangePropertiesCmd::GetName()
{
    return CommandName<GX_IDS_CMD_PROPERTIES>();
}

CGXChangeBaseStyleCmd::CGXChangeBaseStyleCmd(WORD nId, const CGXStyle& style, const char* pszName)
    : m_pStyle(style.Clone()), m_strName(pszName), m_nId(nId)
{
}

CGXChangeBaseStyleCmd::~CGXChangeBaseStyleCmd()
{
    delete m_pStyle;
}

BOOL CGXChangeBaseStyleCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return pGrid->ChangeBaseStyle(m_nId, *m_pStyle, CGXStyle::gxCopy, kUpdateNow, nCommandType);
}

BOOL CGXMoveCellsCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    // the block now lies at the destination; it goes back to where it came from
    const CGXCellRange moved(m_nDestRow, m_nDestCol, m_nDestRow + (m_range.bottom - m_range.top),
                             m_nDestCol + (m_range.right - m_range.left));
    CObject* pInfo = m_pMoveInfo;
    m_pMoveInfo = nullptr;
    const BOOL bMoved = pGrid->MoveCells(moved, m_range.top, m_range.left, pInfo, kUpdateNow, nCommandType);
    // a move that failed leaves what it was given with the command, for a retry
    if (!bMoved)
        m_pMoveInfo = pInfo;
    return bMoved;
}

const char* CGXMoveCellsCmd::GetName()
{
    return CommandName<GX_IDS_MOVE>();
}

BOOL CGXSetRangeNameCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    if (m_bHadOldRange)
        return pGrid->SetRangeName(m_strName, m_oldRange, nullptr, kUpdateNow, nCommandType);
    return pGrid->DeleteRangeName(m_strName, 0, nCommandType);
}

const char* CGXSetRangeNameCmd::GetName()
{
    return CommandName<GX_IDS_CMD_SETRANGENAME>();
}

BOOL CGXDeleteRangeNameCmd::Execute(CGXGridCore* pGrid, int nCommandType)
{
    return pGrid->SetRangeName(m_strName, m_range, m_pNameInfo, kUpdateNow, nCommandType);
}

const char* CGXDeleteRangeNameCmd::GetName()
{
    return CommandName<GX_IDS_CMD_DELETERANGENAME>();
}
