// Find and replace: the search order down and up the current column, case, disabled cells, the long
// scan's status and abort, the shared dialog (opening, switching kind, notifications between grids,
// its end), replacing at the current cell and replacing all in one undo block.
#include "undo_test_support.h"

#include "Throws.h"

#include "grid/engine/GXFindReplace.h"
#include "grid/engine/GXStyle.h"
#include "grid/ops/GXCommand.h"

#include <functional>
#include <string>

GX_IMPLEMENT_CONTROL(CTestControl, CGXControl)

namespace {

// A grid window that takes the find dialog's reports as the grid's window forms do, and may run a
// step whenever a cell's style is composed (the scans compose one per row).
class CFindGrid : public CInputGridWnd {
public:
    LRESULT WindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam) override
    {
        if (nMessage == ::RegisterWindowMessageA(FINDMSGSTRINGA))
            return OnFindReplace(reinterpret_cast<FINDREPLACEA*>(lParam));
        return CInputGridWnd::WindowProc(nMessage, wParam, lParam);
    }
    void ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle, BOOL bApplyStandard) override
    {
        CInputGridWnd::ComposeStyleRowCol(nRow, nCol, pStyle, bApplyStandard);
        if (m_onCompose)
            m_onCompose(nRow);
    }
    std::function<void(ROWCOL)> m_onCompose;
};

struct FindFixture {
    FindFixture()
    {
        fake.SetTickCount(0);
        grid.CreateInputGrid(6, 3);
        DropWaitingMessages();
        state.m_strFind.Empty();
        state.m_strReplace.Empty();
        state.m_bDown = TRUE;
        state.m_bCase = FALSE;
    }
    ~FindFixture()
    {
        if (state.m_pFindReplaceDlg != nullptr)
            fake.DeliverFindReplace(FR_DIALOGTERM);
        DropWaitingMessages();
    }
    void Set(ROWCOL nRow, ROWCOL nCol, const char* pszValue, BOOL bEnabled = TRUE)
    {
        grid.SetStyleRange(CGXCellRange(nRow, nCol, nRow, nCol), &CGXStyle().SetValue(pszValue).SetEnabled(bEnabled),
                           CGXStyle::gxOverride, 0, nullptr, 2, CGXGridCore::gxRollback);
    }
    std::string Value(ROWCOL nRow, ROWCOL nCol) { return grid.GetStoredValueRowCol(nRow, nCol).GetString(); }
    // Column 2: "apple", "x", "APPLE pie", "apple" (disabled), "apple", "".
    void Fruit()
    {
        Set(1, 2, "apple");
        Set(2, 2, "x");
        Set(3, 2, "APPLE pie");
        Set(4, 2, "apple", FALSE);
        Set(5, 2, "apple");
    }
    UINT LastCellFlags() { return grid.m_currentCellFlags.empty() ? 0 : grid.m_currentCellFlags.back(); }
    CObList& UndoList() { return grid.GetParam()->GetUndoList(); }
    std::string LastUndoName() { return ::LastUndoName(grid); }

    struct Modules {
        Modules() { UseGridOperations(); }
    } modules;
    CFakeServices fake;
    StatusFrame frame;
    CFindGrid grid;
    GridFindReplaceState& state = GXGetFindReplaceState();
};

}  // namespace

TEST(FindingText, GoesDownOrUpTheColumnPastTheCurrentCellAndDisabledCells)
{
    struct Case {
        ROWCOL nStart;
        const char* pszFind;
        BOOL bDown, bCase;
        const char* pszFound;  // the current cell afterwards; null: nothing found (one beep)
    };
    const Case cases[] = {
        // the current cell's own "apple" is passed; case is ignored
        {1, "apple", TRUE, FALSE, "3,2"},
        // the disabled cell is passed
        {3, "apple", TRUE, FALSE, "5,2"},
        // with match case "APPLE pie" is no match
        {1, "apple", TRUE, TRUE, "5,2"},
        {1, "APPLE", TRUE, TRUE, "3,2"},
        // up from the row above
        {5, "APPLE", FALSE, FALSE, "3,2"},
        {3, "apple", FALSE, FALSE, "1,2"},
        {5, "pear", TRUE, FALSE, nullptr},
        {5, "apple", TRUE, FALSE, nullptr},
        {1, "apple", FALSE, FALSE, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.pszFind << " from " << c.nStart << (c.bDown ? " down" : " up"));
        FindFixture f;
        f.Fruit();
        f.grid.SetCurrentCell(c.nStart, 2);
        if (c.pszFound == nullptr)
            f.fake.ExpectBeep();
        EXPECT_EQ(f.grid.FindText(c.pszFind, c.bDown, c.bCase), c.pszFound != nullptr);
        EXPECT_EQ(f.grid.Current(), c.pszFound != nullptr ? c.pszFound : std::to_string(c.nStart) + ",2");
        if (c.pszFound != nullptr) {
            EXPECT_EQ(f.LastCellFlags(), 10u);
        }
        EXPECT_EQ(f.state.m_strSearch, c.bCase ? CString(c.pszFind) : CString(c.pszFind).MakeUpper());
    }
}

TEST(FindingText, AnEmptyTextIsRefusedWithoutAScan)
{
    FindFixture f;
    f.Fruit();
    f.grid.SetCurrentCell(1, 2);
    int nComposed = 0;
    f.grid.m_onCompose = [&](ROWCOL) { ++nComposed; };
    EXPECT_FALSE(f.grid.FindText("", TRUE, FALSE));
    f.grid.ReplaceSelection("", TRUE, FALSE, "x");
    f.grid.ReplaceAll("", "x", FALSE);
    EXPECT_EQ(nComposed, 0);
    EXPECT_EQ(f.grid.Current(), "1,2");
    EXPECT_EQ(f.Value(1, 2), "apple");
}

TEST(FindingText, ALongScanShowsItsPercentageAndStopsWhenTheUserAborts)
{
    GXLongOperationSettings& settings = GXGetLongOperationSettings();
    for (BOOL bAbort : {FALSE, TRUE}) {
        SCOPED_TRACE(bAbort ? "aborted" : "shown");
        FindFixture f;
        f.grid.SetRowCount(400);
        f.Set(400, 1, "needle");
        f.grid.SetCurrentCell(1, 1);
        std::string status;
        // the wait time is over at row 150; the row after the next poll reads the status line
        f.grid.m_onCompose = [&](ROWCOL nRow) {
            if (nRow == 150) {
                f.fake.SetTickCount(5000);
                if (bAbort)
                    f.grid.PostMessage(WM_KEYDOWN, VK_ESCAPE);
            }
            if (nRow == 202)
                status = f.frame.Status();
        };
        settings.m_bAskBeforeAbort = FALSE;
        if (bAbort)
            f.fake.ExpectBeep();
        EXPECT_EQ(f.grid.FindText("needle", TRUE, FALSE), !bAbort);
        settings.m_bAskBeforeAbort = TRUE;
        EXPECT_EQ(f.grid.Current(), bAbort ? "1,1" : "400,1");
        if (!bAbort) {
            EXPECT_NE(status.find("Searching values ..."), std::string::npos) << status;
            EXPECT_NE(status.find(" 50%"), std::string::npos) << status;  // 200 of 399 rows
        }
    }
}

TEST(FindDialog, OpensAtTheFirstCellWithItsTextAndTheRecordsOptions)
{
    FindFixture f;
    f.Set(1, 1, "plum");
    f.state.m_bCase = TRUE;
    f.grid.ShowFindReplaceDialog(TRUE);
    EXPECT_EQ(f.grid.Current(), "1,1");
    EXPECT_EQ(f.LastCellFlags(), 42u);
    ASSERT_EQ(f.fake.CallsOf("FindText").size(), 1u);
    const auto call = f.fake.CallsOf("FindText").back();
    EXPECT_EQ(call.text, "plum");
    EXPECT_EQ(call.dwFlags, DWORD(FR_HIDEWHOLEWORD | FR_DOWN | FR_MATCHCASE));
    EXPECT_EQ(call.hWnd, f.grid.m_hWnd);
    EXPECT_NE(f.state.m_pFindReplaceDlg, nullptr);
    EXPECT_EQ(f.state.m_pGrid, &f.grid);

    // the dialog's Find Next searches the grid with what the user chose
    f.Set(3, 1, "Plum");
    f.Set(4, 1, "plum");
    f.fake.DeliverFindReplace(FR_FINDNEXT | FR_DOWN | FR_MATCHCASE, "plum");
    EXPECT_EQ(f.grid.Current(), "4,1");
    // the end of the dialog is its last report: the record forgets it
    f.fake.DeliverFindReplace(FR_DIALOGTERM);
    EXPECT_EQ(f.state.m_pFindReplaceDlg, nullptr);
}

TEST(FindDialog, AnEmptyCurrentCellOffersTheLastFindTextAndTheReplaceDialogTakesThePlaceOfTheFindDialog)
{
    FindFixture f;
    f.state.m_strFind = "fig";
    f.state.m_strReplace = "date";
    f.state.m_bDown = FALSE;
    f.grid.SetCurrentCell(2, 2);
    f.grid.ShowFindReplaceDialog(TRUE);
    EXPECT_EQ(f.LastCellFlags(), 6u) << "an existing current cell stays";
    // the same kind again comes to the front
    f.grid.ShowFindReplaceDialog(TRUE);
    ASSERT_EQ(f.fake.CallsOf("FindText").size(), 1u);
    EXPECT_EQ(f.fake.CallsOf("FindText")[0].text, "fig");
    EXPECT_EQ(f.fake.CallsOf("FindText")[0].dwFlags, DWORD(FR_HIDEWHOLEWORD));

    const CWnd* pFind = f.state.m_pFindReplaceDlg;
    const HWND hWndFind = pFind->m_hWnd;
    f.grid.ShowFindReplaceDialog(FALSE);
    EXPECT_FALSE(::IsWindow(hWndFind)) << "the find dialog was closed";
    ASSERT_EQ(f.fake.CallsOf("ReplaceText").size(), 1u);
    EXPECT_EQ(f.fake.CallsOf("ReplaceText")[0].text, "fig");
    EXPECT_EQ(f.fake.CallsOf("ReplaceText")[0].caption, "date");
    EXPECT_NE(f.state.m_pFindReplaceDlg, nullptr);
    EXPECT_FALSE(f.state.m_bFindOnly);
}

TEST(FindDialog, AReportReachingAnotherGridGoesToTheGridThatOpenedTheDialog)
{
    FindFixture f;
    CFindGrid other;
    other.CreateInputGrid(6, 3);
    f.Fruit();
    f.grid.SetCurrentCell(1, 2);
    other.SetCurrentCell(1, 2);
    f.grid.ShowFindReplaceDialog(TRUE);
    FINDREPLACEA& fr = static_cast<CFindReplaceDialog*>(f.state.m_pFindReplaceDlg)->m_fr;
    ::lstrcpyA(fr.lpstrFindWhat, "apple");
    fr.Flags = FR_FINDNEXT | FR_DOWN;
    other.OnFindReplaceMessage(&fr);
    EXPECT_EQ(f.grid.Current(), "3,2");
    EXPECT_EQ(other.Current(), "1,2");
}

TEST(Replace, ReplacesTheMatchAtTheCurrentCellAndGoesToTheNext)
{
    FindFixture f;
    f.Fruit();
    f.grid.SetCurrentCell(1, 2);
    f.grid.ReplaceSelection("APPLE", TRUE, FALSE, "pear");
    EXPECT_EQ(f.Value(1, 2), "pear");
    EXPECT_EQ(f.grid.Current(), "3,2");
    // no match at the current cell: only the next one is found
    f.grid.SetCurrentCell(2, 2);
    f.grid.ReplaceSelection("apple", TRUE, FALSE, "pear");
    EXPECT_EQ(f.Value(2, 2), "x");
    EXPECT_EQ(f.grid.Current(), "3,2");
    // the last match replaced, nothing follows: one beep
    f.grid.SetCurrentCell(5, 2);
    f.fake.ExpectBeep();
    f.grid.ReplaceSelection("apple", TRUE, FALSE, "pear");
    EXPECT_EQ(f.Value(5, 2), "pear");
    EXPECT_EQ(f.grid.Current(), "5,2");
}

TEST(Replace, ReplaceAllFromTheDialogIsOneUndoBlock)
{
    FindFixture f;
    f.Fruit();
    f.Set(6, 2, "an apple, an Apple");
    f.grid.SetCurrentCell(2, 2);
    f.grid.ShowFindReplaceDialog(FALSE);
    f.fake.DeliverFindReplace(FR_REPLACEALL | FR_DOWN, "apple", "pear");
    // from the current row down; the disabled cell keeps its text
    EXPECT_EQ(f.Value(1, 2), "apple");
    EXPECT_EQ(f.Value(3, 2), "pear pie");
    EXPECT_EQ(f.Value(4, 2), "apple");
    EXPECT_EQ(f.Value(5, 2), "pear");
    EXPECT_EQ(f.Value(6, 2), "an pear, an pear");
    ASSERT_EQ(f.UndoList().GetCount(), 1);
    EXPECT_EQ(f.LastUndoName(), "Replace All");
    EXPECT_FALSE(f.state.m_bReplaceAllBlock);
    f.grid.Undo();
    EXPECT_EQ(f.Value(3, 2), "APPLE pie");
    EXPECT_EQ(f.Value(5, 2), "apple");
    EXPECT_EQ(f.Value(6, 2), "an apple, an Apple");
}

TEST(Replace, ReplaceAllWithoutAMatchBeepsAndALongReplacementIsStoredWhole)
{
    FindFixture f;
    f.Fruit();
    f.grid.SetCurrentCell(1, 2);
    f.fake.ExpectBeep();
    f.grid.ReplaceAll("cherry", "x", FALSE);
    EXPECT_EQ(f.Value(1, 2), "apple");

    const std::string strLong(1500, 'z');
    f.grid.ReplaceAll("apple", strLong.c_str(), TRUE);
    EXPECT_EQ(f.Value(1, 2), strLong);
    EXPECT_EQ(f.Value(5, 2), strLong);
    EXPECT_EQ(f.Value(3, 2), "APPLE pie");
    EXPECT_EQ(f.UndoList().GetCount(), 2) << "outside the dialog each cell is its own step";
}

TEST(Replace, ALongReplaceAllShowsItsStatusAndAnAbortRollsItsBlockBackOrReachesTheCaller)
{
    GXLongOperationSettings& settings = GXGetLongOperationSettings();
    struct Case {
        BOOL bBlock, bAbort;
    };
    for (const Case& c : {Case{FALSE, TRUE}, Case{TRUE, TRUE}, Case{TRUE, FALSE}}) {
        SCOPED_TRACE(::testing::Message() << "block " << c.bBlock << " abort " << c.bAbort);
        FindFixture f;
        f.grid.SetRowCount(300);
        for (ROWCOL nRow : {1u, 50u, 250u})
            f.Set(nRow, 1, "old");
        f.grid.SetCurrentCell(1, 1);
        std::string status;
        // the wait time is over at row 150; the row after the poll at 200 rows reads the status line
        f.grid.m_onCompose = [&](ROWCOL nRow) {
            if (nRow == 150) {
                f.fake.SetTickCount(5000);
                if (c.bAbort)
                    f.grid.PostMessage(WM_KEYDOWN, VK_ESCAPE);
            }
            if (nRow == 201)
                status = f.frame.Status();
        };
        settings.m_bAskBeforeAbort = FALSE;
        f.state.m_bReplaceAllBlock = c.bBlock;
        // outside the dialog's block the abort reaches the caller, the cells replaced so far kept
        EXPECT_EQ(Throws<CUserException>([&] { f.grid.ReplaceAll("old", "new", FALSE); }), c.bAbort && !c.bBlock);
        settings.m_bAskBeforeAbort = TRUE;
        const char* pszBefore = c.bAbort && !c.bBlock ? "new" : c.bAbort ? "old" : "new";
        EXPECT_EQ(f.Value(1, 1), pszBefore);
        EXPECT_EQ(f.Value(50, 1), pszBefore);
        EXPECT_EQ(f.Value(250, 1), c.bAbort ? "old" : "new");
        if (!c.bAbort) {
            EXPECT_NE(status.find("Replacing values ..."), std::string::npos) << status;
            EXPECT_EQ(f.LastUndoName(), "Replace All");
        }
    }
}
