// Undo and redo: the commands (what each calls, its name, what it owns), blocks, the lists with their
// limit, transactions, the Edit menu's texts, saving the styles of removed rows and columns, and the
// grid's Undo and Redo end to end.
#include "undo_test_support.h"

#include "grid/engine/GXProperties.h"
#include "grid/engine/GXStylesMap.h"
#include "undo_test_resources.h"

#include <algorithm>
#include <functional>
#include <memory>

GX_IMPLEMENT_CONTROL(CTestControl, CGXControl)

namespace {

// ---- grids -------------------------------------------------------------------------------------------

// A grid that notes its full redraws and recalculations (in one list) and its scroll-bar updates.
class CUndoGrid : public CInputGridWnd {
public:
    void Redraw(UINT nFlags, BOOL bCreateHint) override
    {
        m_events.push_back(Call("Redraw", nFlags, bCreateHint));
        CInputGridWnd::Redraw(nFlags, bCreateHint);
    }
    BOOL RecalcAndShowErrors(BOOL bResetFirst, CString* pstrText, BOOL bCreateHint) override
    {
        ++m_nRecalcs;
        m_events.push_back("Recalc");
        return CInputGridWnd::RecalcAndShowErrors(bResetFirst, pstrText, bCreateHint);
    }
    BOOL UpdateScrollbars(BOOL bQuiet, BOOL bOnlyWhenCountsChanged) override
    {
        ++m_nScrollbarUpdates;
        return CInputGridWnd::UpdateScrollbars(bQuiet, bOnlyWhenCountsChanged);
    }
    const CString& Value(ROWCOL nRow, ROWCOL nCol) { return GetStoredValueRowCol(nRow, nCol); }
    BOOL SetValue(ROWCOL nRow, ROWCOL nCol, const char* pszValue)
    {
        return ApplyValueToRange(CGXCellRange(nRow, nCol, nRow, nCol), pszValue);
    }
    CObList& UndoList() { return GetParam()->GetUndoList(); }
    CObList& RedoList() { return GetParam()->GetRedoList(); }

    std::vector<std::string> m_events;
    int m_nRecalcs = 0;
    int m_nScrollbarUpdates = 0;
};

// A grid whose undoable operations only note how they were called (what the commands call) and
// answer TRUE.
class CRecordingGrid : public CUndoGrid {
public:
    BOOL Note(const std::string& call)
    {
        m_calls.push_back(call);
        return TRUE;
    }
    BOOL SetRowHeight(ROWCOL a, ROWCOL b, int n, const int* an, UINT f, int t) override
    {
        return Note(Call("SetRowHeight", a, b, n, an, f, t));
    }
    BOOL SetColWidth(ROWCOL a, ROWCOL b, int n, const int* an, UINT f, int t) override
    {
        return Note(Call("SetColWidth", a, b, n, an, f, t));
    }
    BOOL HideRows(ROWCOL a, ROWCOL b, BOOL h, const int* an, UINT f, int t) override
    {
        return Note(Call("HideRows", a, b, h, an, f, t));
    }
    BOOL HideCols(ROWCOL a, ROWCOL b, BOOL h, const int* an, UINT f, int t) override
    {
        return Note(Call("HideCols", a, b, h, an, f, t));
    }
    BOOL SetDefaultRowHeight(int n, UINT f, int t) override { return Note(Call("SetDefaultRowHeight", n, f, t)); }
    BOOL SetDefaultColWidth(int n, UINT f, int t) override { return Note(Call("SetDefaultColWidth", n, f, t)); }
    BOOL MoveRows(ROWCOL a, ROWCOL b, ROWCOL d, UINT f, int t) override { return Note(Call("MoveRows", a, b, d, f, t)); }
    BOOL MoveCols(ROWCOL a, ROWCOL b, ROWCOL d, UINT f, int t) override { return Note(Call("MoveCols", a, b, d, f, t)); }
    BOOL RemoveRows(ROWCOL a, ROWCOL b, UINT f, int t) override { return Note(Call("RemoveRows", a, b, f, t)); }
    BOOL RemoveCols(ROWCOL a, ROWCOL b, UINT f, int t) override { return Note(Call("RemoveCols", a, b, f, t)); }
    BOOL InsertRows(ROWCOL a, ROWCOL n, const int* an, const CObArray* pc, const CObArray* pb, ROWCOL o, UINT f,
                    int t) override
    {
        return Note(Call("InsertRows", a, n, an, pc, pb, o, f, t));
    }
    BOOL InsertCols(ROWCOL a, ROWCOL n, const int* an, const CObArray* pc, const CObArray* pb, ROWCOL o, UINT f,
                    int t) override
    {
        return Note(Call("InsertCols", a, n, an, pc, pb, o, f, t));
    }
    BOOL SetCoveredCellsRowCol(ROWCOL a, ROWCOL b, ROWCOL c, ROWCOL d, UINT f, int t) override
    {
        return Note(Call("SetCoveredCellsRowCol", a, b, c, d, f, t));
    }
    BOOL SetStyleRange(const CGXCellRange& r, const CGXStyle* p, int m, int k, const CObArray* pa, UINT f,
                       int t) override
    {
        return Note(Call("SetStyleRange", r, p, m, k, pa, f, t));
    }
    BOOL SetFrozenRows(ROWCOL a, ROWCOL b, UINT f, int t) override { return Note(Call("SetFrozenRows", a, b, f, t)); }
    BOOL SetFrozenCols(ROWCOL a, ROWCOL b, UINT f, int t) override { return Note(Call("SetFrozenCols", a, b, f, t)); }
    BOOL MoveDataRows(const CGXCellRange& r, CDWordArray& m, UINT f, int t) override
    {
        return Note(Call("MoveDataRows", r, &m, f, t));
    }
    BOOL MoveDataCols(const CGXCellRange& r, CDWordArray& m, UINT f, int t) override
    {
        return Note(Call("MoveDataCols", r, &m, f, t));
    }
    // the shared objects are the commands' own copies
    BOOL ChangeStylesMap(const CGXStylesMap& m, UINT f, int t) override
    {
        return Note(Call("ChangeStylesMap", Copy(&m, GetParam()->GetStylesMap()), f, t));
    }
    BOOL ChangeProperties(const CGXProperties& p, UINT f, int t) override
    {
        return Note(Call("ChangeProperties", Copy(&p, GetParam()->GetProperties()), f, t));
    }
    BOOL ChangeBaseStyle(WORD n, const CGXStyle& s, int m, UINT f, int t) override
    {
        return Note(Call("ChangeBaseStyle", n, std::string(s.GetValueRef()), Copy(&s, m_pBaseStyle), m, f, t));
    }
    // a move that succeeds takes the undo information given (and frees it)
    BOOL MoveCells(CGXCellRange r, ROWCOL a, ROWCOL b, CObject*& p, UINT f, int t) override
    {
        Note(Call("MoveCells", r, a, b, p, f, t));
        if (m_bMoveAnswer) {
            delete p;
            p = nullptr;
        }
        return m_bMoveAnswer;
    }
    BOOL SetRangeName(const char* n, const CGXCellRange& r, CObject* p, UINT f, int t) override
    {
        return Note(Call("SetRangeName", n, r, p, f, t));
    }
    BOOL DeleteRangeName(const char* n, UINT f, int t) override { return Note(Call("DeleteRangeName", n, f, t)); }
    BOOL ExecuteCommand(CGXCommand* p, int t) override { return Note(Call("ExecuteCommand", p, t)); }

    static std::string Copy(const void* p, const void* pOriginal) { return p != pOriginal ? "copy" : "same"; }

    std::vector<std::string> m_calls;
    const CGXStyle* m_pBaseStyle = nullptr;
    BOOL m_bMoveAnswer = TRUE;
};

// A command that notes, when it runs, the text its long operation inherits and whether redrawing is
// locked; it answers m_bResult.
struct ProbeCommand : CGXCommand {
    ProbeCommand(std::vector<std::string>& log, BOOL bResult = TRUE) : m_log(log), m_bResult(bResult) {}
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override
    {
        CGXLongOperation operation;
        m_log.push_back(std::string(operation.m_pszStatusText) + " " + std::to_string(nCommandType) +
                        (pGrid->GetParam()->IsLockRedraw() ? " locked" : ""));
        return m_bResult;
    }
    const char* GetName() override { return "Probe"; }
    std::vector<std::string>& m_log;
    BOOL m_bResult;
};

// A cell store that hands out a new engine record whenever one is asked for, notes what it is given
// back, and counts the records made and freed.
struct CountedEngineInfo : CGXUndoEngineCellsInfo {
    static inline int s_nMade = 0;
    static inline int s_nFreed = 0;
    CountedEngineInfo() { ++s_nMade; }
    ~CountedEngineInfo() override { ++s_nFreed; }
};
class CEngineData : public CGXData {
public:
    CGXUndoEngineCellsInfo* DetachUndoInfo() override { return new CountedEngineInfo; }
    BOOL ApplyUndoInfo(CGXUndoEngineCellsInfo* p, DWORD n, BOOL b) override
    {
        m_applied.push_back(Call("ApplyUndoInfo", p, n, b));
        return FALSE;
    }
    std::vector<std::string> m_applied;
};

class UndoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseGridOperations();
        services.SetTickCount(0);
        ReleaseModifierKeys(services);
        g_deaths = Deaths();
    }
    CFakeServices services;
};

// A grid of nRows by nCols with the grid operations' modules, its current cell at (1, 1).
template <class TGrid = CUndoGrid>
std::unique_ptr<TGrid> MakeGrid(ROWCOL nRows = 6, ROWCOL nCols = 4)
{
    auto pGrid = std::make_unique<TGrid>();
    pGrid->CreateInputGrid(nRows, nCols);
    pGrid->SetCurrentCell(1, 1);
    return pGrid;
}

}  // namespace

// ---- the commands ------------------------------------------------------------------------------------------

TEST_F(UndoTest, EachCommandCallsItsGridOperationWithWhatItSavedAndIsNamedForWhatItTakesBack)
{
    auto pGrid = MakeGrid<CRecordingGrid>();
    CRecordingGrid& grid = *pGrid;
    CGXAbstractCommandFactory& f = *grid.m_pCommandFactory;
    CGXGridParam* pParam = grid.GetParam();
    const CGXCellRange range(2, 1, 3, 2);
    std::vector<std::string> probeLog;
    CObject* pMoveInfo = nullptr;  // what the move command is given
    CObject* pNameInfo = nullptr;  // and the command that defines a deleted name again
    CGXStyle baseStyle;
    baseStyle.SetValue("base");

    struct Case {
        std::function<CGXCommand*()> make;
        std::function<std::string(CGXCommand*)> expected;  // the call, given the command
        const char* pszName;
    };
    auto anValues = [] { return new int[2]{20, 30}; };
    auto stylesArray = [] { return new CObArray; };
    const Case cases[] = {
        {[&] {
             CGXCommand* p = f.CreateBlockCmd("Edit");
             static_cast<CGXBlockCmd*>(p)->m_commands.AddHead(new ProbeCommand(probeLog));
             return p;
         },
         [](CGXCommand* p) {
             return Call("ExecuteCommand", static_cast<CGXBlockCmd*>(p)->m_commands.GetHead(), 2);
         },
         "Edit"},
        {[&] { return f.CreateSetRowHeightCmd(1, 2, anValues()); },
         [](CGXCommand* p) { return Call("SetRowHeight", 1, 2, 0, static_cast<CGXLineValuesCmd*>(p)->m_anValues, 2, 2); },
         "Change Row Heights"},
        {[&] { return f.CreateHideRowsCmd(1, 2, anValues()); },
         [](CGXCommand* p) { return Call("HideRows", 1, 2, 0, static_cast<CGXLineValuesCmd*>(p)->m_anValues, 2, 2); },
         "Hide Rows"},
        {[&] { return f.CreateSetDefaultRowHeightCmd(17); }, [](CGXCommand*) { return Call("SetDefaultRowHeight", 17, 2, 2); },
         "Change Default Row Height"},
        {[&] { return f.CreateSetColWidthCmd(3, 4, anValues()); },
         [](CGXCommand* p) { return Call("SetColWidth", 3, 4, 0, static_cast<CGXLineValuesCmd*>(p)->m_anValues, 2, 2); },
         "Change Column Widths"},
        {[&] { return f.CreateHideColsCmd(3, 4, anValues()); },
         [](CGXCommand* p) { return Call("HideCols", 3, 4, 0, static_cast<CGXLineValuesCmd*>(p)->m_anValues, 2, 2); },
         "Hide Columns"},
        {[&] { return f.CreateSetDefaultColWidthCmd(64); }, [](CGXCommand*) { return Call("SetDefaultColWidth", 64, 2, 2); },
         "Change Default Column Width"},
        {[&] { return f.CreateMoveRowsCmd(4, 5, 1); }, [](CGXCommand*) { return Call("MoveRows", 4, 5, 1, 2, 2); },
         "Move Rows"},
        {[&] { return f.CreateMoveColsCmd(3, 3, 1); }, [](CGXCommand*) { return Call("MoveCols", 3, 3, 1, 2, 2); },
         "Move Columns"},
        {[&] { return f.CreateRemoveRowsCmd(2, 3); }, [](CGXCommand*) { return Call("RemoveRows", 2, 3, 2, 2); },
         "Insert Rows"},
        {[&] { return f.CreateRemoveColsCmd(2, 2); }, [](CGXCommand*) { return Call("RemoveCols", 2, 2, 2, 2); },
         "Insert Columns"},
        {[&] { return f.CreateInsertRowsCmd(2, 2, anValues(), stylesArray(), stylesArray(), 5); },
         [](CGXCommand* p) {
             auto* q = static_cast<CGXInsertLinesCmd*>(p);
             return Call("InsertRows", 2, 2, q->m_anSizes, q->m_pCellStyles, q->m_pBaseStyles, 5, 2, 2);
         },
         "Removing rows ..."},
        {[&] { return f.CreateInsertColsCmd(3, 2, anValues(), stylesArray(), nullptr, 7); },
         [](CGXCommand* p) {
             auto* q = static_cast<CGXInsertLinesCmd*>(p);
             return Call("InsertCols", 3, 2, q->m_anSizes, q->m_pCellStyles, nullptr, 7, 2, 2);
         },
         "Removing columns ..."},
        {[&] { return f.CreateSetCoveredCellsCmd(1, 2, 3, 4); },
         [](CGXCommand*) { return Call("SetCoveredCellsRowCol", 1, 2, 3, 4, 2, 2); }, "Cover Cells"},
        {[&] { return f.CreateSetStyleRangeCmd(range, -1, stylesArray()); },
         [&](CGXCommand* p) {
             return Call("SetStyleRange", range, nullptr, 2, -1, static_cast<CGXSetStyleRangeCmd*>(p)->m_pStyles, 2, 2);
         },
         "Cells"},
        {[&] { return f.CreateSetFrozenRowsCmd(2, 1); }, [](CGXCommand*) { return Call("SetFrozenRows", 2, 1, 2, 2); },
         "Freeze Rows"},
        {[&] { return f.CreateSetFrozenColsCmd(1, 0); }, [](CGXCommand*) { return Call("SetFrozenCols", 1, 0, 2, 2); },
         "Freeze Columns"},
        {[&] { return f.CreateMoveDataRowsCmd(range, new CDWordArray); },
         [&](CGXCommand* p) { return Call("MoveDataRows", range, static_cast<CGXMoveDataCmd*>(p)->m_pMoveMap, 2, 2); },
         "Sort Rows"},
        {[&] { return f.CreateMoveDataColsCmd(range, new CDWordArray); },
         [&](CGXCommand* p) { return Call("MoveDataCols", range, static_cast<CGXMoveDataCmd*>(p)->m_pMoveMap, 2, 2); },
         "Sort Columns"},
        {[&] { return f.CreateChangeStylesMapCmd(*pParam->GetStylesMap()); },
         [](CGXCommand*) { return Call("ChangeStylesMap", std::string("copy"), 2, 2); }, "Styles Map Changes"},
        {[&] { return f.CreateChangePropertiesCmd(*pParam->GetProperties()); },
         [](CGXCommand*) { return Call("ChangeProperties", std::string("copy"), 2, 2); }, "Property Settings"},
        {[&] { return f.CreateChangeBaseStyleCmd(7, baseStyle, "Standard"); },
         [](CGXCommand*) { return Call("ChangeBaseStyle", 7, std::string("base"), std::string("copy"), 2, 2, 2); },
         "Standard"},
        {[&] { return f.CreateMoveCellsCmd(CGXCellRange(1, 1, 2, 3), 4, 2, pMoveInfo = new CountedObject); },
         [&](CGXCommand*) { return Call("MoveCells", CGXCellRange(4, 2, 5, 4), 1, 1, pMoveInfo, 2, 2); }, "Move"},
        {[&] { return f.CreateSetRangeNameCmd("Total", TRUE, range); },
         [&](CGXCommand*) { return Call("SetRangeName", "Total", range, nullptr, 2, 2); }, "Set Range Name"},
        {[&] { return f.CreateSetRangeNameCmd("Fresh", FALSE, CGXCellRange()); },
         [](CGXCommand*) { return Call("DeleteRangeName", "Fresh", 0, 2); }, "Set Range Name"},
        {[&] { return f.CreateDeleteRangeNameCmd("Old", range, pNameInfo = new CountedObject); },
         [&](CGXCommand*) { return Call("SetRangeName", "Old", range, pNameInfo, 2, 2); }, "Delete Range Name"},
    };
    grid.m_pBaseStyle = &baseStyle;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        std::unique_ptr<CGXCommand> pCommand(c.make());
        grid.m_calls.clear();
        EXPECT_TRUE(pCommand->Execute(&grid, CGXGridCore::gxUndo));
        EXPECT_EQ(grid.m_calls, std::vector<std::string>{c.expected(pCommand.get())});
        const char* pszName = pCommand->GetName();
        EXPECT_STREQ(pszName, c.pszName);
        EXPECT_EQ(pCommand->GetName(), pszName) << "the same text again";
    }
    // freed once each: the move's information by the move it was handed to, the name's by its command
    EXPECT_EQ(g_deaths.nObjects, 2);
}

TEST_F(UndoTest, ACommandFreesWhatItOwnsOnceAFormulaListAfterTheCellsIncluded)
{
    auto pGrid = MakeGrid();
    CGXAbstractCommandFactory& f = *pGrid->m_pCommandFactory;
    // two styles, a null entry, and after the three cells a list of two engine records
    auto styles = [] {
        auto* pArray = new CountedArray;
        pArray->Add(new CountedStyle);
        pArray->Add(nullptr);
        pArray->Add(new CountedStyle);
        auto* pList = new CountedList;
        pList->AddTail(new CountedObject);
        pList->AddTail(new CountedObject);
        pArray->Add(pList);
        return pArray;
    };
    delete f.CreateSetStyleRangeCmd(CGXCellRange(1, 1, 1, 3), 0, styles());
    EXPECT_EQ(g_deaths.nStyles, 2);
    EXPECT_EQ(g_deaths.nObjects, 2);
    EXPECT_EQ(g_deaths.nLists, 1);
    EXPECT_EQ(g_deaths.nArrays, 1);

    g_deaths = Deaths();
    CGXCommand* pInsert = f.CreateInsertRowsCmd(2, 1, new int[1]{20}, styles(), styles(), 3);
    pInsert->m_pUndoInfo = new CountedObject;
    delete pInsert;
    EXPECT_EQ(g_deaths.nStyles, 4);
    EXPECT_EQ(g_deaths.nObjects, 5);
    EXPECT_EQ(g_deaths.nLists, 2);
    EXPECT_EQ(g_deaths.nArrays, 2);

    // a move back that failed leaves the information with the command, for a retry
    g_deaths = Deaths();
    auto pRecording = MakeGrid<CRecordingGrid>();
    pRecording->m_bMoveAnswer = FALSE;
    std::unique_ptr<CGXCommand> pMove(f.CreateMoveCellsCmd(CGXCellRange(1, 1, 1, 1), 3, 3, new CountedObject));
    EXPECT_FALSE(pMove->Execute(pRecording.get(), CGXGridCore::gxUndo));
    EXPECT_NE(static_cast<CGXMoveCellsCmd*>(pMove.get())->m_pMoveInfo, nullptr);
}

TEST_F(UndoTest, TheCommandsOwnTheEngineRecordsTheDataObjectHandsOutAndGiveThemBackWhenRun)
{
    const int nMadeBefore = CountedEngineInfo::s_nMade;
    const int nFreedBefore = CountedEngineInfo::s_nFreed;
    {
        auto pGrid = MakeGrid();
        auto* pData = new CEngineData;
        pData->SetRowCount(6);
        pData->SetColCount(4);
        pGrid->GetParam()->SetData(pData, TRUE);
        ASSERT_TRUE(pGrid->SetValue(2, 2, "x"));
        ASSERT_EQ(pGrid->UndoList().GetCount(), 1);
        auto* pCommand = static_cast<CGXCommand*>(pGrid->UndoList().GetHead());
        ASSERT_NE(pCommand->m_pUndoInfo, nullptr);
        const std::string applied = Call("ApplyUndoInfo", pCommand->m_pUndoInfo, 1, 0);
        EXPECT_TRUE(pGrid->Undo());
        EXPECT_NE(std::find(pData->m_applied.begin(), pData->m_applied.end(), applied), pData->m_applied.end());
        EXPECT_EQ(pGrid->RedoList().GetCount(), 1);
    }
    EXPECT_GT(CountedEngineInfo::s_nMade, nMadeBefore);
    EXPECT_EQ(CountedEngineInfo::s_nMade - nMadeBefore, CountedEngineInfo::s_nFreed - nFreedBefore);
}

// ---- blocks -------------------------------------------------------------------------------------------------

TEST_F(UndoTest, ABlockOfSeveralCommandsRunsWithRedrawingLockedAndEndsWithOneRedraw)
{
    for (int nCommands : {1, 2}) {
        SCOPED_TRACE(nCommands);
        auto pGrid = MakeGrid();
        std::vector<std::string> log;
        pGrid->BeginTrans("Edit");
        for (int i = 0; i < nCommands; ++i)
            pGrid->AddCommand(new ProbeCommand(log), CGXGridCore::gxDo);
        pGrid->CommitTrans();
        pGrid->m_events.clear();
        EXPECT_TRUE(pGrid->Undo());
        const std::string expected = nCommands == 1 ? "Undoing Edit ... 2" : "Undoing Edit ... 2 locked";
        EXPECT_EQ(log, std::vector<std::string>(size_t(nCommands), expected));
        // what the block redrew before Undo recalculated
        const std::vector<std::string> redraws(pGrid->m_events.begin(),
                                               std::find(pGrid->m_events.begin(), pGrid->m_events.end(), "Recalc"));
        EXPECT_EQ(redraws, nCommands == 1 ? std::vector<std::string>{} : std::vector<std::string>{Call("Redraw", 2, 1)});
        EXPECT_FALSE(pGrid->GetParam()->IsLockRedraw());
        // the undone block's reverse is a block of the same name on the redo list
        ASSERT_EQ(pGrid->RedoList().GetCount(), 1);
        EXPECT_STREQ(static_cast<CGXCommand*>(pGrid->RedoList().GetHead())->GetName(), "Edit");
    }
}

TEST_F(UndoTest, ABlockWhoseSecondCommandFailsLeavesTheGridAsItWasAndStaysOnItsList)
{
    auto pGrid = MakeGrid();
    std::vector<std::string> log;
    pGrid->BeginTrans("Edit");
    pGrid->AddCommand(new ProbeCommand(log, FALSE), CGXGridCore::gxDo);  // runs second
    ASSERT_TRUE(pGrid->SetValue(2, 2, "new"));                            // runs first
    pGrid->CommitTrans();
    ASSERT_EQ(pGrid->UndoList().GetCount(), 1);
    CObject* pBlock = pGrid->UndoList().GetHead();

    EXPECT_FALSE(pGrid->Undo());
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(pGrid->Value(2, 2), "new") << "what ran before the failure was taken back";
    ASSERT_EQ(pGrid->UndoList().GetCount(), 1);
    EXPECT_EQ(pGrid->UndoList().GetHead(), pBlock);
    EXPECT_EQ(static_cast<CGXBlockCmd*>(pBlock)->m_commands.GetCount(), 2);
    EXPECT_TRUE(pGrid->RedoList().IsEmpty());
}

// ---- the lists ----------------------------------------------------------------------------------------------

TEST_F(UndoTest, AListKeepsOneMoreThanItsMaximumAndThenDropsTheOldest)
{
    auto pGrid = MakeGrid();
    pGrid->GetParam()->SetMaxUndoListLength(10);
    for (int i = 1; i <= 11; ++i)
        pGrid->AddCommand(pGrid->m_pCommandFactory->CreateSetDefaultRowHeightCmd(i), CGXGridCore::gxDo);
    EXPECT_EQ(pGrid->UndoList().GetCount(), 11);
    pGrid->AddCommand(pGrid->m_pCommandFactory->CreateSetDefaultRowHeightCmd(12), CGXGridCore::gxDo);
    EXPECT_EQ(pGrid->UndoList().GetCount(), 11);
    EXPECT_EQ(static_cast<CGXSetDefaultRowHeightCmd*>(pGrid->UndoList().GetTail())->m_nHeight, 2);
    EXPECT_EQ(static_cast<CGXSetDefaultRowHeightCmd*>(pGrid->UndoList().GetHead())->m_nHeight, 12);
    auto* pHead = static_cast<CGXCommand*>(pGrid->UndoList().GetHead());
    EXPECT_TRUE(pHead->m_bCurrentCell);
    EXPECT_EQ(pHead->m_nRow, 1u);
}

TEST_F(UndoTest, AUsersChangeEmptiesTheRedoListUndoAndRedoDoNot)
{
    auto pGrid = MakeGrid();
    CGXAbstractCommandFactory& f = *pGrid->m_pCommandFactory;
    pGrid->AddCommand(f.CreateSetDefaultRowHeightCmd(1), CGXGridCore::gxUndo);
    pGrid->AddCommand(f.CreateSetDefaultRowHeightCmd(2), CGXGridCore::gxRedo);
    pGrid->AddCommand(f.CreateSetDefaultRowHeightCmd(3), CGXGridCore::gxUndo);
    EXPECT_EQ(pGrid->RedoList().GetCount(), 2);
    EXPECT_EQ(pGrid->UndoList().GetCount(), 1);
    pGrid->RemoveLastCommand(CGXGridCore::gxUndo);
    EXPECT_EQ(pGrid->RedoList().GetCount(), 1);
    pGrid->AddCommand(f.CreateSetDefaultRowHeightCmd(4), CGXGridCore::gxDo);
    EXPECT_TRUE(pGrid->RedoList().IsEmpty());
    EXPECT_EQ(pGrid->UndoList().GetCount(), 2);
}

TEST_F(UndoTest, ACommandThatFailsGoesBackToItsListAndTheGridIsStillBroughtUpToDate)
{
    for (BOOL bUndo : {TRUE, FALSE}) {
        auto pGrid = MakeGrid();
        std::vector<std::string> log;
        auto* pProbe = new ProbeCommand(log, FALSE);
        (bUndo ? pGrid->UndoList() : pGrid->RedoList()).AddHead(pProbe);
        pGrid->m_nRecalcs = pGrid->m_nScrollbarUpdates = 0;
        EXPECT_FALSE(bUndo ? pGrid->Undo() : pGrid->Redo());
        EXPECT_EQ((bUndo ? pGrid->UndoList() : pGrid->RedoList()).GetHead(), pProbe);
        EXPECT_EQ(pGrid->m_nRecalcs, 1);
        EXPECT_GE(pGrid->m_nScrollbarUpdates, 1);
        // an empty list does nothing
        (bUndo ? pGrid->UndoList() : pGrid->RedoList()).RemoveAll();
        delete pProbe;
        EXPECT_FALSE(bUndo ? pGrid->Undo() : pGrid->Redo());
    }
}

TEST_F(UndoTest, RedoMovesTheCurrentCellToWhereItWasWhenTheCommandWasRecorded)
{
    auto pGrid = MakeGrid();
    std::vector<std::string> log;
    auto* pProbe = new ProbeCommand(log);
    pProbe->m_nRow = 4;
    pProbe->m_nCol = 2;
    pProbe->m_bCurrentCell = TRUE;
    pGrid->RedoList().AddHead(pProbe);
    EXPECT_TRUE(pGrid->Redo());
    EXPECT_EQ(log, std::vector<std::string>{"Processing... 3"});
    EXPECT_EQ(pGrid->Current(), "4,2");
    EXPECT_EQ(pGrid->m_currentCellFlags.back(), 10u);
    EXPECT_TRUE(pGrid->RedoList().IsEmpty());
}

// ---- transactions -------------------------------------------------------------------------------------------

TEST_F(UndoTest, TransactionsNestByCountingAndOnlyTheOutermostClosesTheBlock)
{
    auto pGrid = MakeGrid();
    CGXGridParam* pParam = pGrid->GetParam();

    // nothing recorded: no block
    pGrid->BeginTrans("Empty");
    EXPECT_EQ(pParam->GetTransactionLevel(), 1);
    pGrid->CommitTrans();
    EXPECT_EQ(pParam->GetTransactionLevel(), 0);
    EXPECT_TRUE(pGrid->UndoList().IsEmpty());

    // an inner rollback only lowers the level; the outer commit keeps everything
    pGrid->BeginTrans("Outer");
    ASSERT_TRUE(pGrid->SetValue(1, 1, "a"));
    pGrid->BeginTrans("Inner");
    ASSERT_TRUE(pGrid->SetValue(1, 2, "b"));
    pGrid->Rollback();
    EXPECT_EQ(pParam->GetTransactionLevel(), 1);
    pGrid->CommitTrans();
    EXPECT_EQ(pGrid->Value(1, 1), "a");
    EXPECT_EQ(pGrid->Value(1, 2), "b");
    ASSERT_EQ(pGrid->UndoList().GetCount(), 1);
    auto* pBlock = static_cast<CGXBlockCmd*>(pGrid->UndoList().GetHead());
    EXPECT_EQ(pBlock->m_strName, "Outer");
    EXPECT_EQ(pBlock->m_commands.GetCount(), 2);

    // the outermost rollback takes the transaction back and records nothing
    pGrid->BeginTrans(nullptr);
    EXPECT_EQ(pGrid->m_strTransactionName, "");
    EXPECT_STREQ(static_cast<CGXCommand*>(pGrid->UndoList().GetHead())->GetName(), "Block");
    ASSERT_TRUE(pGrid->SetValue(1, 1, "c"));
    ASSERT_TRUE(pGrid->SetValue(2, 1, "d"));
    pGrid->Rollback();
    EXPECT_EQ(pParam->GetTransactionLevel(), 0);
    EXPECT_EQ(pGrid->Value(1, 1), "a");
    EXPECT_EQ(pGrid->Value(2, 1), "");
    EXPECT_EQ(pGrid->UndoList().GetCount(), 1);
    EXPECT_EQ(pGrid->UndoList().GetHead(), pBlock);
    EXPECT_TRUE(pGrid->RedoList().IsEmpty());

    // with undo off nothing counts and nothing is recorded
    pParam->EnableUndo(FALSE);
    pGrid->BeginTrans("Off");
    EXPECT_EQ(pParam->GetTransactionLevel(), 0);
    ASSERT_TRUE(pGrid->SetValue(3, 3, "e"));
    pGrid->CommitTrans();
    EXPECT_EQ(pGrid->UndoList().GetCount(), 1);
}

// ---- the Edit menu and the current cell's edit ----------------------------------------------------------

TEST_F(UndoTest, UndoFirstDiscardsAModifiedEditWhichTheMenuItemNamesMeanwhile)
{
    auto pGrid = MakeGrid();
    ASSERT_TRUE(pGrid->SetValue(3, 3, "new"));
    pGrid->SetCurrentCell(2, 2);
    pGrid->m_pControl->m_bActive = pGrid->m_pControl->m_bModified = TRUE;
    MenuItem undo(ID_EDIT_UNDO, "Undo %1");
    EXPECT_TRUE(pGrid->GetUndoMenuText(&undo.state));
    EXPECT_EQ(undo.Text(), "Undo Current Cell");

    EXPECT_TRUE(pGrid->Undo());
    EXPECT_FALSE(pGrid->m_pControl->m_bModified);
    EXPECT_EQ(pGrid->Value(3, 3), "new");
    EXPECT_EQ(pGrid->UndoList().GetCount(), 1);
    pGrid->GetUndoMenuText(&undo.state);
    EXPECT_EQ(undo.Text(), "Undo Cells");

    EXPECT_TRUE(pGrid->Undo());
    EXPECT_EQ(pGrid->Value(3, 3), "");
    EXPECT_FALSE(pGrid->GetUndoMenuText(&undo.state));
    EXPECT_EQ(undo.Text(), "Undo ");
    MenuItem redo(ID_EDIT_REDO, "");
    EXPECT_TRUE(pGrid->GetRedoMenuText(&redo.state));
    EXPECT_EQ(redo.Text(), "Redo Cells");
}

TEST_F(UndoTest, TheMenuFormatComesFromTheCommandsStringElseTheItemsTextElseTheDefault)
{
    struct Case {
        UINT nID;
        const char* pszItem;
        const char* pszExpected;
    };
    const Case cases[] = {
        {IDS_TEST_UNDO_FORMAT, "Undo %1", "Take back Cells"},
        {IDS_TEST_UNDO_TWO_LINES, "Revert: %1", "Revert: Cells"},
        {ID_EDIT_UNDO, "Revert: %1", "Revert: Cells"},
        {ID_EDIT_UNDO, "", "Undo Cells"},
    };
    auto pGrid = MakeGrid();
    ASSERT_TRUE(pGrid->SetValue(3, 3, "new"));
    for (const Case& c : cases) {
        pGrid->m_strUndoMenuFormat.Empty();
        MenuItem item(c.nID, c.pszItem);
        EXPECT_TRUE(pGrid->GetUndoMenuText(&item.state));
        EXPECT_EQ(item.Text(), c.pszExpected);
    }
    // the format is taken once per grid
    MenuItem other(ID_EDIT_UNDO, "Other %1");
    pGrid->GetUndoMenuText(&other.state);
    EXPECT_EQ(other.Text(), "Undo Cells");
}

// ---- rows and columns removed --------------------------------------------------------------------------

TEST_F(UndoTest, RemovedRowsAndColumnsComeBackWithTheirStylesOnUndo)
{
    for (BOOL bRows : {TRUE, FALSE}) {
        SCOPED_TRACE(bRows ? "rows" : "columns");
        auto pGrid = MakeGrid();
        ASSERT_TRUE(pGrid->SetValue(2, 2, "cell"));
        CGXStyle base;
        base.SetValue("base");
        ASSERT_TRUE(pGrid->SetStyleRange(bRows ? CGXCellRange().SetRows(2, 2) : CGXCellRange().SetCols(2, 2), &base,
                                         CGXStyle::gxOverride));
        ASSERT_TRUE(bRows ? pGrid->RemoveRows(2, 3) : pGrid->RemoveCols(2, 3));
        EXPECT_EQ(bRows ? pGrid->GetRowCount() : pGrid->GetColCount(), bRows ? 4u : 2u);
        EXPECT_STREQ(static_cast<CGXCommand*>(pGrid->UndoList().GetHead())->GetName(),
                     bRows ? "Removing rows ..." : "Removing columns ...");

        EXPECT_TRUE(pGrid->Undo());
        EXPECT_EQ(bRows ? pGrid->GetRowCount() : pGrid->GetColCount(), bRows ? 6u : 4u);
        EXPECT_EQ(pGrid->Value(2, 2), "cell");
        EXPECT_EQ(StoredValue(*pGrid->GetParam()->GetData(), bRows ? 2 : 0, bRows ? 0 : 2, CGXData::gxBaseStyle),
                  "base");
        // the removal's block comes back as a block of the same name holding the command that inserts
        auto* pRedo = dynamic_cast<CGXBlockCmd*>(pGrid->RedoList().GetHead());
        ASSERT_NE(pRedo, nullptr);
        EXPECT_EQ(pRedo->m_strName, bRows ? "Removing rows ..." : "Removing columns ...");
        ASSERT_EQ(pRedo->m_commands.GetCount(), 1);
        EXPECT_STREQ(static_cast<CGXCommand*>(pRedo->m_commands.GetHead())->GetName(),
                     bRows ? "Insert Rows" : "Insert Columns");
    }
}

TEST_F(UndoTest, RemovingTooManyRowsForTheUndoBufferAsksWhetherToGoOnWithoutUndo)
{
    for (int nAnswer : {IDOK, IDCANCEL}) {
        SCOPED_TRACE(nAnswer);
        auto pGrid = MakeGrid(40000, 2);
        services.ExpectMessageBox(nAnswer, "Operation is too large for the undo buffer. Do you want to continue?");
        EXPECT_EQ(pGrid->RemoveRows(1, 40000), nAnswer == IDOK);
        if (nAnswer == IDCANCEL) {
            EXPECT_EQ(pGrid->GetRowCount(), 40000u);
            EXPECT_TRUE(pGrid->UndoList().IsEmpty());
            continue;
        }
        EXPECT_EQ(pGrid->GetRowCount(), 0u);
        ASSERT_EQ(pGrid->UndoList().GetCount(), 1);
        auto* pBlock = static_cast<CGXBlockCmd*>(pGrid->UndoList().GetHead());
        ASSERT_EQ(pBlock->m_commands.GetCount(), 1);
        auto* pInsert = dynamic_cast<CGXInsertRowsCmd*>(pBlock->m_commands.GetHead());
        ASSERT_NE(pInsert, nullptr);
        EXPECT_EQ(pInsert->m_nCount, 40000u);
        EXPECT_EQ(pInsert->m_pCellStyles, nullptr);
        EXPECT_EQ(pInsert->m_pBaseStyles, nullptr);
    }
}

// ---- the grid's keys --------------------------------------------------------------------------------------

TEST_F(UndoTest, CtrlZBringsTheOldValueBackAndCtrlRPutsTheNewOneAgain)
{
    auto pGrid = MakeGrid();
    ASSERT_TRUE(pGrid->SetValue(2, 3, "old"));
    ASSERT_TRUE(pGrid->SetValue(2, 3, "new"));
    pGrid->SetCurrentCell(4, 1);
    pGrid->SendMessage(WM_CHAR, 26);  // Ctrl+Z
    EXPECT_EQ(pGrid->Value(2, 3), "old");
    EXPECT_EQ(pGrid->Current(), "2,3") << "undo shows the cell it changed";
    pGrid->SendMessage(WM_CHAR, 26);
    EXPECT_EQ(pGrid->Value(2, 3), "");
    pGrid->SendMessage(WM_CHAR, 18);  // Ctrl+R
    EXPECT_EQ(pGrid->Value(2, 3), "old");
    pGrid->SendMessage(WM_CHAR, 18);
    EXPECT_EQ(pGrid->Value(2, 3), "new");
    EXPECT_TRUE(pGrid->RedoList().IsEmpty());
    EXPECT_EQ(pGrid->UndoList().GetCount(), 2);
}
