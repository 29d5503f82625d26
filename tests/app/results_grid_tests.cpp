// The alternatives comparison matrix: the window a solve opens with the worked project's table, the
// numbers as "%.13g", read-only body cells, refills after smaller and unsolved Solvers, a table row
// shorter than the others, the View command and its check, the flag as the window goes, and the
// templates in the document manager's order.
// the standard headers before windows.h, which defines min and max as macros
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ResultWindowTestSupport.h"

#include "app/ZQChartDoc.h"
#include "app/ZQResultsGridView.h"
#include "grid/engine/GXControl.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXStyle.h"
#include "model/solve/Solver.h"
#include "res/resource.h"

namespace {

const char* const kInconsistent = "app/inconsistent_indifference.zex";

class ComparisonMatrix : public ResultWindowFixture {
protected:
    CZQResultsGridView* View()
    {
        return dynamic_cast<CZQResultsGridView*>(app.FirstViewOf(ZQDocument::ComparisonMatrix));
    }
    Solver& ProjectSolver() { return *app.m_Project.ProjectSolver; }

    // The grid's texts, row by row: cells joined by '|', rows by '/'.
    static std::string Texts(CZQResultsGridView& grid)
    {
        std::string texts;
        for (ROWCOL nRow = 0; nRow <= grid.GetRowCount(); ++nRow) {
            for (ROWCOL nCol = 0; nCol <= grid.GetColCount(); ++nCol)
                texts += (nCol > 0 ? "|" : nRow > 0 ? "/" : "") + Str(grid.GetValueRowCol(nRow, nCol));
        }
        return texts;
    }
    // "R" for a read-only cell, "." for another, row by row as Texts.
    static std::string ReadOnlyMarks(CZQResultsGridView& grid, ROWCOL nRows, ROWCOL nCols)
    {
        std::string marks;
        for (ROWCOL nRow = 0; nRow <= nRows; ++nRow) {
            marks += nRow > 0 ? "/" : "";
            for (ROWCOL nCol = 0; nCol <= nCols; ++nCol) {
                const CGXStyle& style = *grid.LookupStyleRowCol(nRow, nCol);
                marks += style.GetIncludeReadOnly() && style.GetReadOnly() ? "R" : ".";
            }
        }
        return marks;
    }
    // The characters typed into the grid's current cell, one WM_CHAR each: to the cell's edit window
    // while it is active, else to the grid.
    static void Type(CZQResultsGridView& grid, const char* pszText)
    {
        for (const char* p = pszText; *p != 0; ++p) {
            CWnd* pEdit = grid.IsActiveCurrentCell() ? dynamic_cast<CWnd*>(grid.GetCurrentCellControl()) : nullptr;
            const HWND hTarget = pEdit != nullptr && pEdit->m_hWnd != nullptr ? pEdit->m_hWnd : grid.m_hWnd;
            ::SendMessageA(hTarget, WM_CHAR, BYTE(*p), MAKELPARAM(1, 0));
        }
    }
};

const char* const kSolvedTexts = "|x|y|z/x|0|1|1/y|-0.02|0|0/z|0.98|1|0";

TEST_F(ComparisonMatrix, TheTemplatesStandInTheDocumentManagersOrder)
{
    std::vector<CDocTemplate*> templates;
    for (POSITION pos = app.GetFirstDocTemplatePosition(); pos != nullptr;)
        templates.push_back(app.GetNextDocTemplate(pos));
    const std::vector<CDocTemplate*> expected = {app.m_pMatrixTemplate, app.m_pEvaluationsTemplate,
                                                 static_cast<CDocTemplate*>(app.m_pChartsTemplate),
                                                 app.m_pRankingListTemplate, app.m_pRankingChartTemplate};
    EXPECT_EQ(templates, expected);
    CString name;
    for (CDocTemplate* pTemplate : {app.m_pMatrixTemplate, app.m_pRankingChartTemplate})
        EXPECT_FALSE(pTemplate->GetDocString(name, CDocTemplate::fileNewName) && !name.IsEmpty());
}

TEST_F(ComparisonMatrix, ASolveOpensTheThreeResultWindowsAndTheMatrixShowsTheComparisonTable)
{
    OpenAndSolve();
    EXPECT_TRUE(app.HasOpenDocument(ZQDocument::ComparisonMatrix));
    EXPECT_TRUE(app.HasOpenDocument(ZQDocument::RankingChart));
    EXPECT_TRUE(app.HasOpenDocument(ZQDocument::PreferenceGraphs));
    ASSERT_NE(View(), nullptr);
    EXPECT_EQ(Str(View()->GetDocument()->GetTitle()), "Alternatives comparison matrix");
    EXPECT_EQ(app.m_nMatrixOpen, 1);
    EXPECT_EQ(State(ID_ZQ_VIEW_MATRIX), (ItemState{true, true}));
    EXPECT_EQ(State(ID_ZQ_VIEW_GRAPHS), (ItemState{true, true}));
    EXPECT_EQ(State(ID_ZQ_SAVE_RESULTS_AS), (ItemState{true, false}));

    EXPECT_EQ(Texts(*View()), kSolvedTexts);
    EXPECT_EQ(ReadOnlyMarks(*View(), 3, 3), "..../.RRR/.RRR/.RRR");
    EXPECT_EQ(View()->LookupStyleRowCol(2, 1)->GetValueType(), UINT(CGXStyle::gxValueNumber));
    // the fills are not the user's: nothing to undo
    EXPECT_TRUE(View()->GetParam()->GetUndoList().IsEmpty());
    EXPECT_TRUE(View()->GetParam()->IsEnableUndo());
}

TEST_F(ComparisonMatrix, TypingIntoABodyCellChangesNothing)
{
    OpenAndSolve();
    ASSERT_NE(View(), nullptr);
    CZQResultsGridView& grid = *View();
    for (ROWCOL nCol : {1u, 2u}) {
        ASSERT_TRUE(grid.SetCurrentCell(2, nCol));
        Type(grid, "7");
        grid.SetCurrentCell(3, 3);
    }
    EXPECT_EQ(Texts(grid), kSolvedTexts);
    EXPECT_EQ(app.m_nModified, 0);
}

TEST_F(ComparisonMatrix, NumbersAreWrittenWithThirteenSignificantDigits)
{
    OpenAndSolve();
    ASSERT_NE(View(), nullptr);
    // the refill goes past the read-only marks the last fill left
    ProjectSolver().weakOptima = {{0.5, 1.0 / 3.0, 2.0}, {-1e-20, 123456789.0123, 1e15}, {0.1 + 0.2, 7.0, -0.0}};
    app.LoadMatrix();
    EXPECT_EQ(Texts(*View()), "|x|y|z/x|0.5|0.3333333333333|2/y|-1e-20|123456789.0123|1e+15/z|0.3|7|-0");
    EXPECT_EQ(ReadOnlyMarks(*View(), 3, 3), "..../.RRR/.RRR/.RRR");
}

TEST_F(ComparisonMatrix, ARowShorterThanTheOthersLeavesItsMissingCellsEmpty)
{
    OpenAndSolve();
    ASSERT_NE(View(), nullptr);
    ProjectSolver().weakOptima[1].resize(1);
    ProjectSolver().weakOptima[2].push_back(9.0); // longer: the table is read as square
    app.LoadMatrix();
    EXPECT_EQ(Texts(*View()), "|x|y|z/x|0|1|1/y|-0.02||/z|0.98|1|0");
}

TEST_F(ComparisonMatrix, ARefillAfterASmallerSolveOrWithoutResultsLeavesNothingOld)
{
    OpenAndSolve();
    ASSERT_NE(View(), nullptr);
    CZQResultsGridView& grid = *View();

    // two alternatives: the third row and column go with their marks
    ProjectSolver().model.alternatives.pop_back();
    ProjectSolver().weakOptima = {{0, 0.5}, {-0.5, 0}};
    app.LoadMatrix();
    EXPECT_EQ(Texts(grid), "|x|y/x|0|0.5/y|-0.5|0");
    grid.SetRowCount(3, 2);
    grid.SetColCount(3, 2);
    EXPECT_EQ(Texts(grid), "|x|y|C/x|0|0.5|/y|-0.5|0|/3|||") << "new headers show their letters and numbers";
    EXPECT_EQ(ReadOnlyMarks(grid, 3, 3), "..../.RR./.RR./....");

    // a record without a name shows an empty name
    ProjectSolver().model.alternatives[1].reset();
    app.LoadMatrix();
    EXPECT_EQ(Texts(grid), "|x|/x|0|0.5/|-0.5|0");

    // a Solver without results, or none: an empty grid
    app.m_Project.ProjectSolver = std::make_unique<Solver>();
    app.m_Project.RefreshComparisonMatrixWindow();
    EXPECT_EQ(grid.GetRowCount(), 0u);
    EXPECT_EQ(grid.GetColCount(), 0u);
    app.m_Project.ProjectSolver.reset();
    grid.SetRowCount(2, 2);
    grid.SetColCount(2, 2);
    app.LoadMatrix();
    EXPECT_EQ(grid.GetRowCount(), 0u);
    EXPECT_EQ(grid.GetColCount(), 0u);

    // the next solve fills it again
    Shortcut(ID_ZQ_SOLVE);
    EXPECT_EQ(Texts(grid), kSolvedTexts);
}

TEST_F(ComparisonMatrix, TheViewCommandClosesAndReopensItWithItsCheck)
{
    OpenAndSolve();
    ASSERT_NE(View(), nullptr);
    Shortcut(ID_ZQ_VIEW_MATRIX);
    EXPECT_EQ(View(), nullptr);
    EXPECT_EQ(app.m_nMatrixOpen, 0);
    EXPECT_EQ(State(ID_ZQ_VIEW_MATRIX), (ItemState{true, false}));
    // closed: the project's refresh reaches nothing
    app.m_Project.RefreshComparisonMatrixWindow();
    EXPECT_FALSE(app.HasOpenDocument(ZQDocument::ComparisonMatrix));

    // Alt+5 brings it back with the same values
    Shortcut(ID_ZQ_VIEW_MATRIX);
    ASSERT_NE(View(), nullptr);
    EXPECT_EQ(app.m_nMatrixOpen, 1);
    EXPECT_EQ(State(ID_ZQ_VIEW_MATRIX), (ItemState{true, true}));
    EXPECT_EQ(Texts(*View()), kSolvedTexts);

    // closing its window clears the flag too
    View()->GetParentFrame()->SendMessage(WM_CLOSE);
    EXPECT_EQ(app.m_nMatrixOpen, 0);
    EXPECT_FALSE(app.HasOpenDocument(ZQDocument::ComparisonMatrix));
    EXPECT_EQ(State(ID_ZQ_VIEW_MATRIX), (ItemState{true, false}));
}

TEST_F(ComparisonMatrix, AnInconsistentReferenceRankingOpensNoResultWindow)
{
    Open(kInconsistent, "chain.zex");
    fake.ExpectMessageBox(IDOK, "Your reference set is inconsistent\nFollowing constraint(s) cause inconstency:\na I b\n");
    Shortcut(ID_ZQ_SOLVE);
    const auto boxes = fake.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Inconsistencies");
    EXPECT_NE(boxes[0].text.find("c >> d"), std::string::npos) << boxes[0].text;
    for (ZQDocument which : {ZQDocument::ComparisonMatrix, ZQDocument::RankingChart, ZQDocument::PreferenceGraphs})
        EXPECT_FALSE(app.HasOpenDocument(which));
    EXPECT_EQ(app.GetOpenDocumentCount(), 0);
}

} // namespace

TEST_F(ComparisonMatrix, PrintsAndPreviewsThroughTheGridsPages)
{
    OpenAndSolve();
    ASSERT_NE(View(), nullptr);
    const FakePrinter printer{"Matrix printer", 850, 1100, 100, 100};
    PrintDirectAndPreview(fake, app.m_pMainWnd, View(), printer);
}
