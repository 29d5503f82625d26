// The grid core's forwarding operations and the small services among them: every forwarder without its
// module (the neutral answer, nothing called) and with a recording module (the named operation, the
// grid and the arguments unchanged); the control registry; base-style look-up; the drag test of the
// modifier keys; formula recalculation on an empty grid; the date and time shortcuts; the shared find
// and replace state.
#include "library_test_support.h"

#include "fake_modules.h"

#include "core/CMemFile.h"
#include "grid/engine/GXFindReplace.h"
#include "grid/engine/GXResource.h"

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// One recording module for every module pointer of a grid.
struct AllModules {
    FakePrintImp print;
    FakeSortImp sort;
    FakeCoveredCellsImp covered;
    FakeDrawSpannedCellsImp spanned;
    FakeFloatCellsImp floated;
    FakeMergeCellsImp merged;
    FakeCommandFactory factory;
    FakeUpdateHintImp hints;
    FakeResizeToFitImp resizeToFit;
    FakeHideCellsImp hide;
    FakeExcelLikeFrameImp frame;
    FakeUserDragSelectRangeImp drag;
    FakeMoveRowsColsImp moveRowsCols;
    FakeMarkEditHeaderImp markHeader;
    FakeFreezeMenuHelperImp freeze;
    FakeDirectCopyMoveCellsImp copyMove;
    FakeTextDataExchangeImp text;
    FakeStyleDataExchangeImp styleData;
    FakeCutPasteImp cutPaste;
    FakeClearCellsImp clear;
    FakeRangeNameImp rangeNames;
    FakeOptionalImp optional;
    FakeUserSelectRangeImp select;
    FakeExcelLikeFillImp fill;
    FakeUserResizeCellsImp resize;
    FakeFindReplaceImp find;

    std::vector<ModuleLog*> Logs()
    {
        return {&print,        &sort,       &covered,   &spanned,  &floated,   &merged,    &factory,   &hints,
                &resizeToFit,  &hide,       &frame,     &drag,     &moveRowsCols, &markHeader, &freeze, &copyMove,
                &text,         &styleData,  &cutPaste,  &clear,    &rangeNames, &optional, &select, &fill, &resize,
                &find};
    }
    // Every call noted since the last time, in module order; the logs are emptied.
    std::vector<std::string> TakeCalls()
    {
        std::vector<std::string> calls;
        for (ModuleLog* pLog : Logs()) {
            calls.insert(calls.end(), pLog->calls.begin(), pLog->calls.end());
            pLog->calls.clear();
        }
        return calls;
    }
    void PlugInto(CGXGridCore& g)
    {
        g.m_pPrintImp = &print;
        g.m_pSortImp = &sort;
        g.m_pCoveredCellsImp = &covered;
        g.m_pDrawSpannedCellsImp = &spanned;
        g.m_pFloatCellsImp = &floated;
        g.m_pMergeCellsImp = &merged;
        g.m_pCommandFactory = &factory;
        g.m_pUpdateHintImp = &hints;
        g.m_pResizeToFitImp = &resizeToFit;
        g.m_pHideCellsImp = &hide;
        g.m_pExcelLikeFrameImp = &frame;
        g.m_pUserDragSelectRangeImp = &drag;
        g.m_pMoveRowsColsImp = &moveRowsCols;
        g.m_pMarkEditHeaderImp = &markHeader;
        g.m_pFreezeMenuHelperImp = &freeze;
        g.m_pDirectCopyMoveCellsImp = &copyMove;
        g.m_pTextDataExchangeImp = &text;
        g.m_pStyleDataExchangeImp = &styleData;
        g.m_pCutPasteImp = &cutPaste;
        g.m_pClearCellsImp = &clear;
        g.m_pRangeNameImp = &rangeNames;
        g.m_pOptionalImp = &optional;
        g.m_pUserSelectRangeImp = &select;
        g.m_pExcelLikeFillImp = &fill;
        g.m_pUserResizeCellsImp = &resize;
        g.m_pFindReplaceImp = &find;
    }
    static void UnplugFrom(CGXGridCore& g)
    {
        g.m_pPrintImp = nullptr;
        g.m_pSortImp = nullptr;
        g.m_pCoveredCellsImp = nullptr;
        g.m_pDrawSpannedCellsImp = nullptr;
        g.m_pFloatCellsImp = nullptr;
        g.m_pMergeCellsImp = nullptr;
        g.m_pCommandFactory = nullptr;
        g.m_pUpdateHintImp = nullptr;
        g.m_pResizeToFitImp = nullptr;
        g.m_pHideCellsImp = nullptr;
        g.m_pExcelLikeFrameImp = nullptr;
        g.m_pUserDragSelectRangeImp = nullptr;
        g.m_pMoveRowsColsImp = nullptr;
        g.m_pMarkEditHeaderImp = nullptr;
        g.m_pFreezeMenuHelperImp = nullptr;
        g.m_pDirectCopyMoveCellsImp = nullptr;
        g.m_pTextDataExchangeImp = nullptr;
        g.m_pStyleDataExchangeImp = nullptr;
        g.m_pCutPasteImp = nullptr;
        g.m_pClearCellsImp = nullptr;
        g.m_pRangeNameImp = nullptr;
        g.m_pOptionalImp = nullptr;
        g.m_pUserSelectRangeImp = nullptr;
        g.m_pExcelLikeFillImp = nullptr;
        g.m_pUserResizeCellsImp = nullptr;
        g.m_pFindReplaceImp = nullptr;
    }
};

// The answer of a call as text ("" for an operation without a result).
template <class F>
std::string AnswerText(F call)
{
    if constexpr (std::is_void_v<decltype(call())>) {
        call();
        return "";
    } else {
        return ArgText(call());
    }
}

// One forwarding operation: the call on a grid, and the line its module must note.
struct Forwarder {
    const char* pszName;
    std::function<std::string(CGXGridCore&)> call;
    std::function<std::string(CGXGridCore&)> expected;
};
#define FORWARDER(expr, ...)                                                                            \
    Forwarder                                                                                           \
    {                                                                                                   \
        #expr, [&](CGXGridCore& g) { return AnswerText([&] { return g.expr; }); },                      \
            [&](CGXGridCore& g) { return Call(__VA_ARGS__); }                                           \
    }

// A control that counts its deletions.
class CountedControl : public CTestControl {
public:
    CountedControl(CGXGridCore* pGrid, int& rnDeleted) : CTestControl(pGrid), m_rnDeleted(rnDeleted) {}
    ~CountedControl() override { ++m_rnDeleted; }

private:
    int& m_rnDeleted;
};

}  // namespace

TEST(Forwarding, EachOperationReachesItsModuleUnchangedOrAnswersZeroWithout)
{
    CTestGridWnd grid;
    grid.CreateGrid(6, 6);
    AllModules modules;
    modules.frame.bHidden = TRUE;  // so that hiding answers what it was: hidden
    AllModules::UnplugFrom(grid);  // whatever the factory attached

    // the arguments the operations are given
    const CGXCellRange range(1, 1, 4, 2);
    CGXCellRange out;
    alignas(8) char keysStorage[64] = {};
    auto& keys = *reinterpret_cast<CGXSortInfoArray*>(keysStorage);  // passed on, never looked at
    CPtrArray rows;
    CDWordArray order;
    CStringArray texts;
    CString strText;
    CGXStyle style1, style2;
    CGXRangeList list;
    list.AddRange(range);
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    CObject* pUndoInfo = nullptr;
    ROWCOL nRows = 0, nCols = 0;
    auto* pDC = reinterpret_cast<CDC*>(uintptr_t(0x1000));
    auto* pInfo = reinterpret_cast<CPrintInfo*>(uintptr_t(0x2000));
    auto* pHint = reinterpret_cast<CObject*>(uintptr_t(0x3000));
    const char* pszName = "name";
    const CGXCellRange source(1, 1, 1, 2);
    const CSize size(5, 6);
    const CRect rectClip(0, 0, 50, 50), rectFrame(5, 5, 20, 20);
    auto* pFindReplace = reinterpret_cast<FINDREPLACEA*>(uintptr_t(0x4000));
    FakeCommandFactory::Command command;
    CGXCommand* pCommand = &command;

    const std::vector<Forwarder> forwarders = {
        FORWARDER(MoveRows(1, 2, 5, 2, 0), "MoveRows", &g, 1, 2, 5, 2, 0),
        FORWARDER(MoveCols(1, 2, 5, 2, 3), "MoveCols", &g, 1, 2, 5, 2, 3),
        FORWARDER(StoreMoveRows(1, 2, 5, TRUE), "StoreMoveRows", &g, 1, 2, 5, 1),
        FORWARDER(StoreMoveCols(1, 2, 5, FALSE), "StoreMoveCols", &g, 1, 2, 5, 0),
        FORWARDER(UpdateMoveRows(1, 2, 5, 2, TRUE), "UpdateMoveRows", &g, 1, 2, 5, 2, 1),
        FORWARDER(UpdateMoveCols(1, 2, 5, 4, FALSE), "UpdateMoveCols", &g, 1, 2, 5, 4, 0),
        FORWARDER(QuickSortKeys(keys, rows), "SortRowRecords", &g, keys, rows),
        FORWARDER(SortRows(range, keys, 5), "SortRows", &g, range, keys, 5),
        FORWARDER(SortCols(range, keys, 6), "SortCols", &g, range, keys, 6),
        FORWARDER(MoveDataRows(range, order, 2, 3), "MoveRowsAfterSort", &g, range, order, 2, 3),
        FORWARDER(MoveDataCols(range, order, 2, 1), "MoveColsAfterSort", &g, range, order, 2, 1),
        FORWARDER(StoreMoveDataRows(range, order), "StoreSortRows", &g, range, order),
        FORWARDER(StoreMoveDataCols(range, order), "StoreSortCols", &g, range, order),
        FORWARDER(UpdateMoveDataRows(range, 2, FALSE), "UpdateSortRows", &g, range, 2, 0),
        FORWARDER(UpdateMoveDataCols(range, 4, TRUE), "UpdateSortCols", &g, range, 4, 1),
        FORWARDER(GetSortKeysRow(3, keys, texts), "GetSortRowKeyTexts", &g, 3, keys, texts),
        FORWARDER(GetSortKeysCol(4, keys, texts), "GetSortColKeyTexts", &g, 4, keys, texts),
        FORWARDER(HideRows(1, 3, TRUE, nullptr, 2, 0), "HideRows", &g, 1, 3, 1, nullptr, 2, 0),
        FORWARDER(HideCols(2, 4, FALSE, nullptr, 1, 2), "HideCols", &g, 2, 4, 0, nullptr, 1, 2),
        FORWARDER(IsRowHidden(4), "IsRowHidden", &g, 4),
        FORWARDER(IsColHidden(5), "IsColHidden", &g, 5),
        FORWARDER(StoreHideRow(4, TRUE), "StoreRowHidden", &g, 4, 1),
        FORWARDER(StoreHideCol(5, FALSE), "StoreColHidden", &g, 5, 0),
        FORWARDER(ResizeColWidthsToFit(range, FALSE, 10), "ResizeColWidthsToFit", &g, range, 0, 10),
        FORWARDER(ResizeRowHeightsToFit(range, TRUE, 2), "ResizeRowHeightsToFit", &g, range, 1, 2),
        FORWARDER(SetCoveredCellsRowCol(1, 1, 2, 3, 2, 0), "SetCoveredCellsRowCol", &g, 1, 1, 2, 3, 2, 0),
        FORWARDER(GetCoveredCellsRowCol(2, 2, out), "GetCoveredCellsRowCol", &g, 2, 2, AddressText(&out)),
        FORWARDER(StoreCoveredCellsRowCol(1, 1, 2, 3, TRUE), "StoreCoveredCellsRowCol", &g, 1, 1, 2, 3, 1),
        FORWARDER(UpdateCoveredCellsRowCol(1, 1, 2, 3, 2, TRUE), "UpdateCoveredCellsRowCol", &g, 1, 1, 2, 3, 2, 1),
        FORWARDER(DelayFloatCells(range, 9), "DelayFloatCells", &g, range, 9),
        FORWARDER(EvalFloatCells(range, TRUE, &out, FALSE), "EvalFloatCells", &g, range, 1, &out, 0),
        FORWARDER(GetFloatedCellsRowCol(2, 3, out), "GetFloatedCellsRowCol", &g, 2, 3, AddressText(&out)),
        FORWARDER(CanFloatCell(nullptr, 1, 2, style1, TRUE), "CanFloatCell", &g, nullptr, 1, 2, style1, 1),
        FORWARDER(SetFloatedCellsRowCol(1, 2, 1, 4, 2), "SetFloatedCellsRowCol", &g, 1, 2, 1, 4, 2),
        FORWARDER(RedrawFloatedCells(1, 2, 1, 4, 2, TRUE), "RedrawFloatedCells", &g, 1, 2, 1, 4, 2, 1),
        FORWARDER(DelayMergeCells(range, 9, 8), "DelayMergeCells", &g, range, 9, 8),
        FORWARDER(EvalMergeCells(range, FALSE, &out, TRUE), "EvalMergeCells", &g, range, 0, &out, 1),
        FORWARDER(GetMergedCellsRowCol(2, 2, out, 1), "GetMergedCellsRowCol", &g, 2, 2, AddressText(&out), 1),
        FORWARDER(CanMergeCell(nullptr, 1, 2, style1, 0), "CanMergeCell", &g, nullptr, 1, 2, style1, 0),
        FORWARDER(CanMergeStyles(style1, style2), "CanMergeStyles", &g, style1, style2),
        FORWARDER(SetMergedCellsRowCol(1, 1, 2, 1, 4, 2), "SetMergedCellsRowCol", &g, 1, 1, 2, 1, 4, 2),
        FORWARDER(RedrawMergedCells(1, 2, 3, 4, 2, FALSE), "RedrawMergedCells", &g, 1, 2, 3, 4, 2, 0),
        FORWARDER(EvalVisibleSpans(range, 1, 1, 3, 3, 9, 8, TRUE, &out, FALSE), "EvalVisibleSpans", &g, range, 1, 1,
                  3, 3, 9, 8, 1, &out, 0),
        FORWARDER(CanFreezeCols(), "CanFreezeCols", &g),
        FORWARDER(CanUnfreezeCols(), "CanUnfreezeCols", &g),
        FORWARDER(FreezeCols(), "FreezeCols", &g),
        FORWARDER(UnfreezeCols(), "UnfreezeCols", &g),
        FORWARDER(CanFreezeRows(), "CanFreezeRows", &g),
        FORWARDER(CanUnfreezeRows(), "CanUnfreezeRows", &g),
        FORWARDER(FreezeRows(), "FreezeRows", &g),
        FORWARDER(UnfreezeRows(), "UnfreezeRows", &g),
        FORWARDER(Undo(), "Undo", &g),
        FORWARDER(Redo(), "Redo", &g),
        FORWARDER(BeginTrans(pszName), "BeginTrans", &g, pszName),
        FORWARDER(CommitTrans(), "CommitTrans", &g),
        FORWARDER(Rollback(), "Rollback", &g),
        FORWARDER(RemoveLastCommand(2), "RemoveCommand", &g, 2),
        FORWARDER(GetUndoMenuText(nullptr), "OnUpdateEditUndo", &g, nullptr),
        FORWARDER(GetRedoMenuText(nullptr), "OnUpdateEditRedo", &g, nullptr),
        FORWARDER(SetEngineUndoOption(TRUE), "SetEngineUndoMode", &g, 1),
        FORWARDER(ApplyFormulaUndoInfo(pHint, TRUE, 2), "ApplyEngineUndoInfo", &g, pHint, 1, 2),
        FORWARDER(DiscardFormulaUndoInfo(), "DeleteEngineUndoInfo", &g),
        FORWARDER(ExecuteCommand(pCommand, 3), "ExecuteCommand", pCommand, &g, 3),
        FORWARDER(MoveCurrentCellAfterUndo(3, 4, 1), "SetCurrentCellAfterUndo", &g, 3, 4, 1),
        FORWARDER(CanCopy(), "CanCopy", &g),
        FORWARDER(Copy(), "Copy", &g),
        FORWARDER(CopyRange(list), "CopyRange", &g, std::string("[r(1,1,4,2)]")),
        FORWARDER(CopyRange(CGXCellRange(2, 2, 3, 3)), "CopyRange", &g, std::string("[r(2,2,3,3)]")),
        FORWARDER(CopyTextToClipboard(list), "CopyTextToClipboard", &g, list),
        FORWARDER(CopyCellsToClipboard(list, TRUE), "CopyCellsToClipboard", &g, list, 1),
        FORWARDER(CanCut(), "CanCut", &g),
        FORWARDER(Cut(), "Cut", &g),
        FORWARDER(CutRange(list, FALSE), "CutRange", &g, std::string("[r(1,1,4,2)]"), 0),
        FORWARDER(CutRange(CGXCellRange(2, 2, 3, 3), TRUE), "CutRange", &g, std::string("[r(2,2,3,3)]"), 1),
        FORWARDER(CanPaste(), "CanPaste", &g),
        FORWARDER(IsPasteFormatAvailable(), "IsClipboardDataAvailable", &g),
        FORWARDER(Paste(), "Paste", &g),
        FORWARDER(PasteCellsFromClipboard(range), "PasteFromDirectSource", &g, range),
        FORWARDER(PasteFromClipboard(range), "PasteFromClipboard", &g, range),
        FORWARDER(AskContinue(), "ConfirmPasteSize", &g),
        FORWARDER(CanClear(), "CanClear", &g),
        FORWARDER(Clear(TRUE), "Clear", &g, 1),
        FORWARDER(ClearCells(list, FALSE), "ClearCells", &g, list, 0),
        FORWARDER(CopyTextToFile(file, list), "CopyTextToFile", &g, file, list),
        FORWARDER(GetCopyTextRowCol(1, 2, strText), "GetCellText", strText, &g, 1, 2),
        FORWARDER(PasteTextFromBuffer(pszName, 4, range), "PasteTextFromBuffer", &g, pszName, 4, range),
        FORWARDER(PasteTextRowCol(1, 2, pszName, 2, &style1), "SetCellText", &g, 1, 2, pszName, 2, &style1),
        FORWARDER(CalcBufferDimension(pszName, 4, nRows, nCols), "CalcBufferDimension", &g, pszName, 4, nRows, nCols),
        FORWARDER(CopyCellsToArchive(ar, list, TRUE), "CopyCellsToArchive", &g, ar, list, 1),
        FORWARDER(GetClipboardStyleRowCol(1, 2, style1, FALSE), "GetStyleForCopy", &g, 1, 2, style1, 0),
        FORWARDER(PasteCellsFromArchive(ar, range, TRUE), "PasteCellsFromArchive", &g, ar, range, 1),
        FORWARDER(CopyCells(range, 5, 6, 2), "CopyCells", &g, range, 5, 6, 2),
        FORWARDER(StoreCopyCells(range, 5, 6), "StoreCopyCells", &g, range, 5, 6),
        FORWARDER(MoveCells(range, 5, 6, pUndoInfo, 2, 0), "MoveCells", &g, range, 5, 6, AddressText(&pUndoInfo), 2, 0),
        FORWARDER(StoreMoveCells(range, 5, 6, pUndoInfo, TRUE, 3), "StoreMoveCells", &g, range, 5, 6,
                  AddressText(&pUndoInfo), 1, 3),
        FORWARDER(StartSelDrag(2, 3), "StartDragSelection", &g, 2, 3),
        FORWARDER(DragSelectionTo(4, 3), "DragSelectionTo", &g, 4, 3),
        FORWARDER(DropSelection(5, 3), "DropSelection", &g, 5, 3),
        FORWARDER(EndSelDrag(), "CancelDragSelection", &g),
        FORWARDER(OnGridBeginPrinting(pDC, pInfo), "OnBeginPrinting", &g, pDC, pInfo),
        FORWARDER(OnGridPrint(pDC, pInfo), "OnPrintPage", &g, pDC, pInfo),
        FORWARDER(OnGridEndPrinting(pDC, pInfo), "OnEndPrinting", &g, pDC, pInfo),
        FORWARDER(RedrawHeaderMarks(1, 2, 0, 2), "RedrawHeaderMarks", &g, 1, 2, 0, 2),
        FORWARDER(SetRangeName(pszName, range, pHint, 2, 0), "SetRangeName", &g, pszName, range, pHint, 2, 0),
        FORWARDER(GetRangeName(pszName, out), "GetRangeName", &g, pszName, AddressText(&out)),
        FORWARDER(DeleteRangeName(pszName, 2, 1), "DeleteRangeName", &g, pszName, 2, 1),
        FORWARDER(OnEditSelectionClick(2, 3), "OnEditSelectionClick", &g, 2, 3),
        FORWARDER(OnGridUpdate(pHint), "ApplyHint", &g, pHint),
        FORWARDER(HideExcelLikeFrame(TRUE, FALSE), "HideFrame", &g, 1, 0),
        // the operations the grid operations' plumbing added
        FORWARDER(FillRange(range, source), "FillRange", &g, source, range),
        FORWARDER(StartResizeTracking(2, 3, 1), "StartResizeTracking", &g, 2, 3, 1),
        FORWARDER(MoveResizeTracking(2, 3, 2, CSize(5, 6)), "MoveResizeTracking", &g, 2, 3, 2, std::string("pt(5,6)")),
        FORWARDER(EndResizeTracking(2, 3, 2, CSize(5, 6)), "EndResizeTracking", &g, 2, 3, 2, std::string("pt(5,6)")),
        FORWARDER(AddOrExcludeRange(range, TRUE), "AddOrExcludeRange", &g, range, 1),
        FORWARDER(RedrawSelectionDifference(range, &list, FALSE), "RedrawSelectionDifference", &g, range, &list, 0),
        FORWARDER(RedrawRangeChange(nullptr, 1, 2, 3, 4, TRUE), "RedrawRangeChange", &g, nullptr, 1, 2, 3, 4, 1),
        FORWARDER(RedrawSelection(FALSE), "RedrawSelection", &g, 0),
        FORWARDER(DrawFramePart(pDC, rectClip, rectFrame, TRUE, FALSE, 2, TRUE), "DrawFramePart", &g, pDC, rectClip,
                  rectFrame, 1, 0, 2, 1),
        FORWARDER(DrawExcelLikeFrame(pDC, range, 1, FALSE), "DrawFrame", &g, pDC, range, 1, 0),
        FORWARDER(UpdateExcelLikeFrame(pDC, TRUE, &range), "UpdateFrame", &g, pDC, 1, &range),
        FORWARDER(ShowFindReplaceDialog(TRUE), "ShowFindReplaceDialog", &g, 1),
        FORWARDER(FindText(pszName, TRUE, FALSE), "FindText", &g, pszName, 1, 0),
        FORWARDER(FindTextInCells(nRows, nCols, TRUE), "FindTextInCells", &g, nRows, nCols, 1),
        FORWARDER(FindNextText(FALSE), "FindNext", &g, 0),
        FORWARDER(ReplaceSelection(pszName, TRUE, TRUE, pszName), "ReplaceSelection", &g, pszName, 1, 1, pszName),
        FORWARDER(ReplaceAll(pszName, pszName, FALSE), "ReplaceAll", &g, pszName, pszName, 0),
        FORWARDER(OnFindReplaceMessage(pFindReplace), "OnFindReplaceMessage", &g, pFindReplace),
    };

    CGXGridCore& core = grid;
    for (const Forwarder& f : forwarders) {
        // without the module: the neutral answer and nothing called
        AllModules::UnplugFrom(core);
        const std::string strAbsent = f.call(core);
        EXPECT_TRUE(strAbsent.empty() || strAbsent == "0" || strAbsent == "null" || strAbsent == "r(0,0,0,0)")
            << f.pszName << " answered " << strAbsent;
        EXPECT_TRUE(modules.TakeCalls().empty()) << f.pszName;
        // with it: the module's answer and one call with the grid and the arguments
        modules.PlugInto(core);
        const std::string strPresent = f.call(core);
        EXPECT_TRUE(strPresent.empty() || strPresent != strAbsent) << f.pszName << " answered " << strPresent;
        EXPECT_EQ(modules.TakeCalls(), std::vector<std::string>{f.expected(core)}) << f.pszName;
    }
    AllModules::UnplugFrom(core);
    ar.Abort();
}

TEST(Forwarding, ACommandWithoutAFactoryIsDeletedAndOneWithItIsRecorded)
{
    CTestGridWnd grid;
    grid.CreateGrid(2, 2);
    int nDeleted = 0;
    struct CountedCommand : FakeCommandFactory::Command {
        int* pnDeleted;
        explicit CountedCommand(int* pn) : pnDeleted(pn) {}
        ~CountedCommand() override { ++*pnDeleted; }
    };
    grid.AddCommand(new CountedCommand(&nDeleted), CGXGridCore::gxDo);
    EXPECT_EQ(nDeleted, 1) << "nobody takes it";

    FakeCommandFactory factory;
    WithModule<CGXAbstractCommandFactory> installed(grid.m_pCommandFactory, &factory);
    grid.AddCommand(new CountedCommand(&nDeleted), CGXGridCore::gxRedo);
    EXPECT_EQ(nDeleted, 1);
    EXPECT_EQ(factory.calls, std::vector<std::string>{Call("AddCommand", static_cast<CGXGridCore*>(&grid), 3)});
    factory.commands.clear();
    EXPECT_EQ(nDeleted, 2);
}

TEST(Forwarding, ControlRegistryDeletesAReplacedControlAndMakesAMissingOneOnce)
{
    CTestGridWnd grid;
    grid.CreateGrid(2, 2);
    int nDeleted = 0;
    auto* pFirst = new CountedControl(&grid, nDeleted);
    grid.RegisterControl(GX_IDS_CTRL_STATIC, pFirst);
    grid.RegisterControl(GX_IDS_CTRL_STATIC, new CountedControl(&grid, nDeleted));
    EXPECT_EQ(nDeleted, 1) << "the first control under the id";
    EXPECT_NE(grid.GetRegisteredControl(GX_IDS_CTRL_STATIC), pFirst);

    CGXControl* pMade = grid.GetRegisteredControl(GX_IDS_CTRL_PUSHBTN);
    ASSERT_NE(pMade, nullptr);
    EXPECT_NE(pMade, grid.GetDefaultControl()) << "made by the factory";
    grid.GetRegisteredControl(GX_IDS_CTRL_STATIC);  // another id in between
    EXPECT_EQ(grid.GetRegisteredControl(GX_IDS_CTRL_PUSHBTN), pMade) << "answered from the registry";
    EXPECT_EQ(grid.GetRegisteredControl(0), grid.GetDefaultControl());
}

TEST(Forwarding, BaseStylesAreLookedUpAndAnUnknownOneIsNotSupported)
{
    CTestGridWnd grid;
    grid.CreateGrid(2, 2);
    const CGXStylesMap* pStylesMap = grid.GetParam()->GetStylesMap();
    EXPECT_EQ(&grid.LookupBaseStyle(pStylesMap->GetStandardStyle()), &grid.GetStandardStyle());
    EXPECT_TRUE(grid.LookupBaseStyle(pStylesMap->GetColHeaderStyle()).GetIncludeInterior());
    EXPECT_TRUE(Throws<CNotSupportedException>([&] { grid.LookupBaseStyle(99); }));
    CTestGridWnd bare;
    EXPECT_TRUE(Throws<CNotSupportedException>([&] { bare.GetStandardStyle(); })) << "no parameter object";
}

TEST(Forwarding, DraggingRowsOrColumnsWaitsForCtrlAndShift)
{
    CTestGridWnd grid;
    grid.CreateGrid(3, 3);
    CFakeServices fake;
    const struct {
        SHORT nCtrl;
        SHORT nShift;
        BOOL bApproved;
    } cases[] = {{0, 0, TRUE}, {SHORT(0x8000), 0, FALSE}, {0, SHORT(0x8000), FALSE}, {0, 1, TRUE}};
    for (const auto& c : cases) {
        fake.SetKeyState(VK_CONTROL, c.nCtrl);
        fake.SetKeyState(VK_SHIFT, c.nShift);
        EXPECT_EQ(grid.ApproveDragRows(1, 2), c.bApproved) << c.nCtrl << " " << c.nShift;
        EXPECT_EQ(grid.ApproveDragCols(1, 2), c.bApproved) << c.nCtrl << " " << c.nShift;
    }
}

TEST(Forwarding, FormulaHooksOfAGridWithoutRowsOrData)
{
    CTestGridWnd grid;
    grid.CreateGrid(0, 3);
    EXPECT_FALSE(grid.RecalcAndShowErrors(TRUE)) << "no rows";
    grid.GetParam()->GetData()->SetRowCount(2);
    EXPECT_TRUE(grid.RecalcAndShowErrors(TRUE)) << "the base data object has no formulas and no message";
    EXPECT_FALSE(grid.IsFormulaCellRowCol(1, 1));
    CString strText;
    EXPECT_FALSE(grid.GetEngineMessageText(strText));

    // an evaluation that failed ends the recalculation at once
    struct Failing : CGXData {
        BOOL IsFormulaCell(ROWCOL, ROWCOL) override
        {
            m_nEngineFlags |= gxEngineError;
            return FALSE;
        }
    };
    auto* pFailing = new Failing;
    pFailing->SetRowCount(2);
    pFailing->SetColCount(2);
    grid.GetParam()->SetData(pFailing, TRUE);
    EXPECT_FALSE(grid.RecalcAndShowErrors(TRUE));

    CTestGridWnd bare;
    EXPECT_FALSE(bare.RecalcAndShowErrors(TRUE)) << "no parameter object";
    bare.ResetEngineError();
    bare.Recalc(TRUE);
}

TEST(Forwarding, DateAndTimeShortcutsFallBackWithoutTheModule)
{
    GridLibraryState* pState = GXGetLibraryState();
    {
        WithoutModule<CGXAbstractDateTimeImp> none(pState->m_pDateTimeImp);
        EXPECT_EQ(GetLocaleDateOrder(), 3);
        EXPECT_EQ(GetLocaleTimeSeparator(), ':');
    }
    FakeDateTimeImp module;
    WithModule<CGXAbstractDateTimeImp> installed(pState->m_pDateTimeImp, &module);
    BOOL bFourDigitYear = TRUE;
    char chSeparator = '-';
    EXPECT_EQ(GetLocaleDateOrder(TRUE, &bFourDigitYear, &chSeparator), 1);
    EXPECT_EQ(GetLocaleTimeSeparator(TRUE), '#');
    EXPECT_EQ(module.calls,
              (std::vector<std::string>{Call("GetDateOrder", 1, 1, '-'), Call("GetTimeSeparator", 1)}));
}

TEST(Forwarding, FindReplaceStatePreparesItsSearchText)
{
    GridFindReplaceState& state = GXGetFindReplaceState();
    EXPECT_EQ(state.m_pFindReplaceDlg, nullptr);
    EXPECT_FALSE(state.m_bCase);
    EXPECT_TRUE(state.m_bDown);
    EXPECT_TRUE(state.m_bNext);
    state.m_strFind = "Gain";
    state.PrepareSearchText();
    EXPECT_STREQ(state.m_strSearch, "GAIN");
    state.m_bCase = TRUE;
    state.PrepareSearchText();
    EXPECT_STREQ(state.m_strSearch, "Gain");
    state.m_bCase = FALSE;
    state.m_strFind.Empty();
    state.m_strSearch.Empty();
}
