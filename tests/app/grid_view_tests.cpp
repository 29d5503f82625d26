// The evaluations grid window: its template and View command, the fill from the project (layout,
// drop-down columns, read-only columns, a refill after changes), the validation of typed entries, the
// modified flag, Paste, storing when it closes and the project's calls while it is open.
#include "AppTestSupport.h"

#include "app/ZQChartDoc.h"
#include "app/ZQChildFrm.h"
#include "app/ZQGridDoc.h"
#include "app/ZQGridView.h"
#include "grid/controls/GXTabbedComboBoxWnd.h"
#include "grid/engine/GXControl.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"
#include "grid/engine/GXUserAttribute.h"
#include "res/resource.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

// A project of two alternatives on an ordinal criterion with a scale and a gain criterion.
const char* const kSizeAndWeight = "model/xml/good/size_and_weight.zex";
const COLORREF kGreen = 0x80FF80;
const COLORREF kRed = 0x8080FF;

// A grid view that notes the clipboard commands reaching the grid (each enabled, as with something
// to copy and to paste) and the validation hook's answers while the view fills itself.
class CNotingGridView : public CZQGridView {
    DECLARE_DYNCREATE(CNotingGridView)
public:
    // the focus at once after the first fill: other test programs on the display may take it later
    void OnInitialUpdate() override
    {
        CZQGridView::OnInitialUpdate();
        m_hFocusAfterFill = ::GetFocus();
    }
    BOOL CanCopy() override { return TRUE; }
    BOOL CanCut() override { return TRUE; }
    BOOL CanPaste() override { return TRUE; }
    BOOL Copy() override { return Note("Copy"); }
    BOOL Cut() override { return Note("Cut"); }
    BOOL Paste() override { return Note("Paste"); }
    // In the middle of a fill: the hook on a body cell, with what it left in the cell and the table.
    BOOL SetColCount(ROWCOL nCount, UINT nFlags) override
    {
        const BOOL bResult = CZQGridView::SetColCount(nCount, nFlags);
        if (GetRowCount() >= 1 && GetColCount() >= 2) {
            const BOOL bValid = OnValidateCell(1, 2);
            m_calls.push_back(std::string(bValid ? "TRUE " : "FALSE ") + GetValueRowCol(1, 2).GetString());
        }
        return bResult;
    }

    // The grid's row and column counts as its window went (the view is gone then).
    void PostNcDestroy() override
    {
        s_countsAtEnd = {GetRowCount(), GetColCount()};
        CZQGridView::PostNcDestroy();
    }

    // Notes the rectangle of each printed page's grid.
    void DrawCellMatrix(int nFirstRow, int nFirstCol, int nLastRow, int nLastCol, CDC* pDC) override
    {
        if (IsPrinting())
            m_printed.push_back(GetGridRect());
        CZQGridView::DrawCellMatrix(nFirstRow, nFirstCol, nLastRow, nLastCol, pDC);
    }

    std::vector<std::string> m_calls;
    HWND m_hFocusAfterFill = nullptr;
    static std::pair<ROWCOL, ROWCOL> s_countsAtEnd;
    std::vector<CRect> m_printed;

private:
    BOOL Note(const char* pszCall)
    {
        m_calls.push_back(pszCall);
        return TRUE;
    }
};
IMPLEMENT_DYNCREATE(CNotingGridView, CZQGridView)
std::pair<ROWCOL, ROWCOL> CNotingGridView::s_countsAtEnd;

class EvaluationsGrid : public StartedAppFixture {
protected:
    EvaluationsGrid() { AnswerGridInput(fake); }
    void TearDown() override
    {
        // as the user closes the program, with nothing left to save
        app.m_nModified = 0;
        StartedAppFixture::TearDown();
    }

    // Reads tests/data/relative as the project, as a recent file is opened.
    void OpenProject(const char* relative = kSizeAndWeight)
    {
        folder.Copy(relative, "project.zex");
        ASSERT_EQ(app.OpenProjectFile(folder.Path("project.zex").c_str()), 1);
    }
    void Command(UINT nID) { app.m_pMainWnd->SendMessage(WM_COMMAND, nID); }
    // The open grid's view (null when none is open).
    CZQGridView* View() { return dynamic_cast<CZQGridView*>(app.FirstViewOf(ZQDocument::EvaluationsGrid)); }
    // View > Evaluations of Alternatives, expected to open the grid.
    CZQGridView* OpenGrid()
    {
        Command(ID_ZQ_VIEW_EVALUATIONS);
        PumpWaitingMessages();
        return View();
    }
    // The project read and the grid opened with a view of the test's own class, whose template
    // takes the evaluations grid's place.
    CNotingGridView* OpenNotingGrid()
    {
        auto* pTemplate = new CMultiDocTemplate(IDR_ZQ_EVALUATIONS, RUNTIME_CLASS(CZQGridDoc),
                                                RUNTIME_CLASS(CZQChildFrm), RUNTIME_CLASS(CNotingGridView));
        app.AddDocTemplate(pTemplate);
        app.m_pEvaluationsTemplate = pTemplate;
        OpenProject();
        return dynamic_cast<CNotingGridView*>(OpenGrid());
    }
    // The grid's texts, row by row: cells joined by '|', rows by '/'.
    static std::string Texts(CZQGridView& grid)
    {
        std::string texts;
        for (ROWCOL nRow = 0; nRow <= grid.GetRowCount(); ++nRow) {
            for (ROWCOL nCol = 0; nCol <= grid.GetColCount(); ++nCol)
                texts += (nCol > 0 ? "|" : nRow > 0 ? "/" : "") + Str(grid.GetValueRowCol(nRow, nCol));
        }
        return texts;
    }
    // The project's evaluations table written as Texts writes the grid.
    std::string Table() const { return TableTexts(app.m_Project.EvaluationsTable); }
    // What a cell shows: its composed style.
    static const CGXStyle& Style(CZQGridView& grid, ROWCOL nRow, ROWCOL nCol)
    {
        return *grid.LookupStyleRowCol(nRow, nCol);
    }
    // The interior colour a cell shows.
    static COLORREF Interior(CZQGridView& grid, ROWCOL nRow, ROWCOL nCol)
    {
        return Style(grid, nRow, nCol).GetInterior().GetColor();
    }
    // The characters typed into the grid's current cell, one WM_CHAR each: to the cell's edit window
    // while it is active, else to the grid (the window that has the focus then, which other test
    // programs on the display may take away).
    static void Type(CZQGridView& grid, const char* pszText)
    {
        for (const char* p = pszText; *p != 0; ++p) {
            CWnd* pEdit = grid.IsActiveCurrentCell() ? dynamic_cast<CWnd*>(grid.GetCurrentCellControl()) : nullptr;
            const HWND hTarget = pEdit != nullptr && pEdit->m_hWnd != nullptr ? pEdit->m_hWnd : grid.m_hWnd;
            ::SendMessageA(hTarget, WM_CHAR, BYTE(*p), MAKELPARAM(1, 0));
        }
    }

    CFakeServices fake;
    AppFolder folder;
};

TEST_F(EvaluationsGrid, TheTemplateBelongsToTheDocumentManagerWithTheChildFrameAndNoFileNewName)
{
    ASSERT_NE(app.m_pEvaluationsTemplate, nullptr);
    std::vector<CDocTemplate*> templates;
    for (POSITION pos = app.GetFirstDocTemplatePosition(); pos != nullptr;)
        templates.push_back(app.GetNextDocTemplate(pos));
    // the evaluations grid comes after the comparison matrix and before the marginal value charts
    ASSERT_GE(templates.size(), 3u);
    EXPECT_EQ(templates[0], app.m_pMatrixTemplate);
    EXPECT_EQ(templates[1], app.m_pEvaluationsTemplate);
    EXPECT_EQ(templates[2], static_cast<CDocTemplate*>(app.m_pChartsTemplate));
    CString name;
    EXPECT_FALSE(app.m_pEvaluationsTemplate->GetDocString(name, CDocTemplate::fileNewName) && !name.IsEmpty());
    EXPECT_EQ(app.GetOpenDocumentCount(), 0);
}

TEST_F(EvaluationsGrid, TheViewCommandOpensTheFilledGridAndClosesIt)
{
    OpenProject();
    EXPECT_EQ(MainMenuState(app.m_pMainWnd, ID_ZQ_VIEW_EVALUATIONS), (ItemState{true, false}));
    CZQGridView* pGrid = OpenGrid();
    ASSERT_NE(pGrid, nullptr);
    EXPECT_EQ(app.m_nEvaluationsGridOpen, 1);
    EXPECT_EQ(MainMenuState(app.m_pMainWnd, ID_ZQ_VIEW_EVALUATIONS), (ItemState{true, true}));
    EXPECT_TRUE(pGrid->GetDocument()->IsKindOf(RUNTIME_CLASS(CZQGridDoc)));
    EXPECT_TRUE(pGrid->GetParentFrame()->IsKindOf(RUNTIME_CLASS(CZQChildFrm)));
    EXPECT_STREQ(pGrid->GetDocument()->GetTitle(), "Evaluations of Alternatives");
    EXPECT_TRUE(pGrid->GetParam()->IsEnableUndo());

    // Layout: rows and columns of the table, headers without border lines, automatic scroll bars.
    EXPECT_EQ(pGrid->GetRowCount(), 2u);
    EXPECT_EQ(pGrid->GetColCount(), 2u);
    EXPECT_EQ(Texts(*pGrid), "|size|w/A1|big|2.5/A2|small|10");
    EXPECT_EQ(Table(), Texts(*pGrid));
    const CGXStylesMap* pStyles = pGrid->GetParam()->GetStylesMap();
    for (WORD nId : {pStyles->GetRowHeaderStyle(), pStyles->GetColHeaderStyle()}) {
        const CGXStyle& header = pGrid->LookupBaseStyle(nId);
        for (int nSide = CGXStyle::gxBorderLeft; nSide <= CGXStyle::gxBorderBottom; ++nSide) {
            const CGXCellPen& pen = header.GetBorders(nSide);
            EXPECT_EQ(pen.GetStyle(), UINT(PS_NULL)) << nId << " side " << nSide;
            EXPECT_EQ(pen.GetWidth(), 1u);
            EXPECT_EQ(pen.GetColor(), RGB(0, 0, 0));
        }
    }
    EXPECT_EQ(pGrid->GetScrollBarMode(SB_HORZ), 10u);
    EXPECT_EQ(pGrid->GetScrollBarMode(SB_VERT), 10u);

    // The size column is a drop-down of the scale with column titles; both values set, so not green.
    for (ROWCOL nRow : {1u, 2u}) {
        const CGXStyle& size = Style(*pGrid, nRow, 1);
        EXPECT_EQ(size.GetControl(), GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST);
        EXPECT_EQ(Str(size.GetChoiceListRef()), "Value\tRank\nbig\t1\nsmall\t2");
        EXPECT_EQ(Str(size.GetUserAttribute(GX_IDS_UA_TABLIST_TITLES).GetValue()), "1");
        EXPECT_FALSE(size.GetReadOnly());
        EXPECT_EQ(Interior(*pGrid, nRow, 1), Interior(*pGrid, nRow, 2)) << "row " << nRow;
        EXPECT_EQ(Style(*pGrid, nRow, 2).GetControl(), GX_IDS_CTRL_EDIT);
    }
    EXPECT_NE(Interior(*pGrid, 1, 2), kGreen);

    // With the window open a new alternative appears in the grid: the ordinal cell empty and green.
    app.m_Project.AddAlternative("A3");
    EXPECT_EQ(pGrid->GetRowCount(), 3u);
    EXPECT_EQ(Texts(*pGrid), "|size|w/A1|big|2.5/A2|small|10/A3||0");
    EXPECT_EQ(Interior(*pGrid, 3, 1), kGreen);
    EXPECT_EQ(Style(*pGrid, 3, 1).GetControl(), GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST);

    // The command closes every grid document and the menu follows.
    Command(ID_ZQ_VIEW_EVALUATIONS);
    PumpWaitingMessages();
    EXPECT_EQ(app.m_nEvaluationsGridOpen, 0);
    EXPECT_FALSE(app.HasOpenDocument(ZQDocument::EvaluationsGrid));
    EXPECT_EQ(MainMenuState(app.m_pMainWnd, ID_ZQ_VIEW_EVALUATIONS), (ItemState{true, false}));
}

TEST_F(EvaluationsGrid, ThePolishTitle)
{
    ASSERT_TRUE(app.LoadLanguageLibrary("InternationalPL.dll"));
    CZQGridView* pGrid = OpenGrid();
    ASSERT_NE(pGrid, nullptr);
    // in the program's 8-bit code page, as the program reads its Polish texts
    char title[64] = {};
    ::WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<LPCWSTR>(u"Oceny wariant\u00F3w"), -1, title, sizeof title,
                          nullptr, nullptr);
    EXPECT_STREQ(pGrid->GetDocument()->GetTitle(), title);
}

TEST_F(EvaluationsGrid, FillsFromTablesOfEveryShape)
{
    CZQInterfaceData& project = app.m_Project;
    CZQGridView* pGrid = OpenGrid();
    ASSERT_NE(pGrid, nullptr);
    EXPECT_EQ(Texts(*pGrid), "") << "an empty project: no rows, no columns";

    // An ordinal criterion without scale values: its column is emptied, red and read-only, and the
    // table takes the emptied cells.
    project.CriteriaTable = {{"q", "", "rank", "1"}, {"w", "", "gain", "1"}};
    project.ScaleValuesTable = {{"other", "x", "1"}};
    project.EvaluationsTable = {{"", "q", "w"}, {"a", "x", "1"}, {"b", "", "2"}};
    app.LoadFromModel();
    EXPECT_EQ(Texts(*pGrid), "|q|w/a||1/b||2");
    EXPECT_EQ(Table(), "|q|w/a||1/b||2");
    for (ROWCOL nRow : {1u, 2u}) {
        EXPECT_EQ(Interior(*pGrid, nRow, 1), kRed);
        EXPECT_TRUE(Style(*pGrid, nRow, 1).GetReadOnly());
        EXPECT_NE(Style(*pGrid, nRow, 1).GetControl(), GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST);
        EXPECT_FALSE(Style(*pGrid, nRow, 2).GetReadOnly());
    }

    // The same criterion with a scale: a drop-down, the empty cell green, nothing read-only.
    project.ScaleValuesTable = {{"q", "lo", "1"}, {"other", "x", "1"}, {"q", "hi", "2"}};
    project.EvaluationsTable = {{"", "q", "w"}, {"a", "hi", "1"}, {"b", "", "2"}};
    app.LoadFromModel();
    EXPECT_EQ(Texts(*pGrid), "|q|w/a|hi|1/b||2");
    EXPECT_EQ(Str(Style(*pGrid, 1, 1).GetChoiceListRef()), "Value\tRank\nlo\t1\nhi\t2");
    EXPECT_EQ(Interior(*pGrid, 2, 1), kGreen);
    EXPECT_NE(Interior(*pGrid, 1, 1), kGreen);
    EXPECT_FALSE(Style(*pGrid, 2, 1).GetReadOnly());

    // Changed to a gain criterion: no drop-down, colour or read-only mark is left behind.
    project.CriteriaTable[0][2] = "gain";
    project.ScaleValuesTable.clear();
    app.LoadFromModel();
    EXPECT_EQ(Texts(*pGrid), "|q|w/a|hi|1/b||2");
    for (ROWCOL nRow : {1u, 2u}) {
        const CGXStyle& cell = Style(*pGrid, nRow, 1);
        EXPECT_EQ(cell.GetControl(), GX_IDS_CTRL_EDIT);
        EXPECT_FALSE(cell.GetReadOnly());
        EXPECT_EQ(cell.GetInterior().GetColor(), Interior(*pGrid, nRow, 2));
    }

    // From a read-only column straight to a gain column: the read-only mark goes too.
    project.CriteriaTable[0][2] = "rank";
    app.LoadFromModel();
    ASSERT_TRUE(Style(*pGrid, 1, 1).GetReadOnly());
    project.CriteriaTable[0][2] = "cost";
    project.EvaluationsTable = {{"", "q", "w"}, {"a", "3", "1"}, {"b", "4", "2"}};
    app.LoadFromModel();
    EXPECT_EQ(Texts(*pGrid), "|q|w/a|3|1/b|4|2");
    EXPECT_FALSE(Style(*pGrid, 1, 1).GetReadOnly());
    EXPECT_EQ(Interior(*pGrid, 1, 1), Interior(*pGrid, 1, 2));

    // Only the header row: no body rows.
    project.EvaluationsTable = {{"", "q", "w"}};
    app.LoadFromModel();
    EXPECT_EQ(pGrid->GetRowCount(), 0u);
    EXPECT_EQ(pGrid->GetColCount(), 2u);
    EXPECT_EQ(Texts(*pGrid), "|q|w");
}

TEST_F(EvaluationsGrid, TypedEntriesOfAGainColumnBecomeNumbersInTheGridAndTheTable)
{
    OpenProject();
    CZQGridView* pGrid = OpenGrid();
    ASSERT_NE(pGrid, nullptr);
    app.m_nModified = 0;
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {{"2.50000", "2.5"}, {"1e3", "1000"}, {"12abc", "12"}, {"1,5", "1"},
                 {"abc", "0"},       {"12.50", "12.5"}, {" -7", "-7"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(pGrid->SetCurrentCell(1, 2));
        Type(*pGrid, c.typed);
        ASSERT_TRUE(pGrid->SetCurrentCell(2, 2)) << c.typed;
        EXPECT_EQ(Str(pGrid->GetValueRowCol(1, 2)), c.stored) << c.typed;
        EXPECT_EQ(Str(app.m_Project.EvaluationsTable[1][2]), c.stored) << c.typed;
        EXPECT_EQ(Interior(*pGrid, 1, 2), RGB(255, 255, 255)) << c.typed;
    }
    // OnModifyCell: the project's modified flag, not the grid document's
    EXPECT_EQ(app.m_nModified, 1);
    EXPECT_FALSE(pGrid->GetDocument()->IsModified());

    // An emptied entry stays empty.
    ASSERT_TRUE(pGrid->SetCurrentCell(1, 2));
    Type(*pGrid, "x\b");
    ASSERT_TRUE(pGrid->SetCurrentCell(2, 2));
    EXPECT_EQ(Str(pGrid->GetValueRowCol(1, 2)), "");
    EXPECT_EQ(Str(app.m_Project.EvaluationsTable[1][2]), "");

    // A value chosen in the drop-down of an empty ordinal cell: kept as it is, stored when the cell
    // is left, and the green goes; the cell keeps its drop-down.
    app.m_Project.AddAlternative("A3");
    ASSERT_EQ(Interior(*pGrid, 3, 1), kGreen);
    ASSERT_TRUE(pGrid->SetCurrentCell(3, 1));
    CGXTabbedComboBoxWnd* pList = dynamic_cast<CGXTabbedComboBoxWnd*>(pGrid->GetCurrentCellControl());
    ASSERT_NE(pList, nullptr);
    pList->SetValue("small");
    EXPECT_EQ(pList->CComboBox::GetCount(), 2) << "the titles are no choice";
    ASSERT_TRUE(pGrid->SetCurrentCell(1, 2));
    EXPECT_EQ(Str(pGrid->GetValueRowCol(3, 1)), "small");
    EXPECT_EQ(Str(app.m_Project.EvaluationsTable[3][1]), "small");
    EXPECT_EQ(Interior(*pGrid, 3, 1), RGB(255, 255, 255));
    EXPECT_EQ(Style(*pGrid, 3, 1).GetControl(), GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST);

    // Header cells are accepted as they are.
    pGrid->ApplyValueToRange(CGXCellRange(0, 2, 0, 2), "w2");
    EXPECT_TRUE(pGrid->OnValidateCell(0, 2));
    EXPECT_EQ(Str(app.m_Project.EvaluationsTable[0][2]), "w");

    // An entry still being typed when the window closes is read as the others and kept.
    ASSERT_TRUE(pGrid->SetCurrentCell(2, 2));
    Type(*pGrid, "3.50");
    ASSERT_TRUE(pGrid->IsActiveCurrentCell());
    pGrid->GetParentFrame()->SendMessage(WM_CLOSE);
    PumpWaitingMessages();
    EXPECT_FALSE(app.HasOpenDocument(ZQDocument::EvaluationsGrid));
    EXPECT_EQ(Str(app.m_Project.EvaluationsTable[2][2]), "3.5");
}

// Undo (Edit > Undo) and Redo (Ctrl+R) take back and make again, each at one stroke, what the user
// did to a cell: an entry typed over a value, a value chosen in an empty ordinal cell, a cell cleared
// with Delete; cells cut; the project's table follows the cells, and the project counts as modified.
TEST_F(EvaluationsGrid, UndoAndRedoTakeBackAnEntryAChoiceAClearedCellAndACutWithTheProject)
{
    OpenProject();
    CZQGridView* pGrid = OpenGrid();
    ASSERT_NE(pGrid, nullptr);
    app.m_Project.AddAlternative("A3");
    ASSERT_EQ(Texts(*pGrid), "|size|w/A1|big|2.5/A2|small|10/A3||0");
    const COLORREF nPlain = Interior(*pGrid, 1, 2);
    // a key pressed where it goes: the cell's window while it edits, else the grid
    const auto press = [pGrid](UINT nKey) {
        CWnd* pEdit = pGrid->IsActiveCurrentCell() ? dynamic_cast<CWnd*>(pGrid->GetCurrentCellControl()) : nullptr;
        const HWND hTarget = pEdit != nullptr && pEdit->m_hWnd != nullptr ? pEdit->m_hWnd : pGrid->m_hWnd;
        ::SendMessageA(hTarget, WM_KEYDOWN, nKey, MAKELPARAM(1, 0));
    };
    const auto undo = [this] { Command(ID_EDIT_UNDO); };
    const auto redo = [pGrid] { Type(*pGrid, "\x12"); };

    // 999 typed over A1's weight, Enter
    ASSERT_TRUE(pGrid->SetCurrentCell(1, 2));
    Type(*pGrid, "999");
    press(VK_RETURN);
    ASSERT_EQ(Table(), "|size|w/A1|big|999/A2|small|10/A3||0");
    app.m_nModified = 0;
    undo();
    EXPECT_EQ(Texts(*pGrid), "|size|w/A1|big|2.5/A2|small|10/A3||0") << "one Undo takes the entry back";
    EXPECT_EQ(Table(), Texts(*pGrid));
    EXPECT_EQ(Interior(*pGrid, 1, 2), nPlain);
    EXPECT_EQ(app.m_nModified, 1);
    app.m_nModified = 0;
    redo();
    EXPECT_EQ(Texts(*pGrid), "|size|w/A1|big|999/A2|small|10/A3||0");
    EXPECT_EQ(Table(), Texts(*pGrid));
    EXPECT_EQ(app.m_nModified, 1);
    EXPECT_EQ(Interior(*pGrid, 1, 2), RGB(255, 255, 255));
    undo();
    EXPECT_EQ(Table(), "|size|w/A1|big|2.5/A2|small|10/A3||0");

    // a value chosen in A3's empty size: undone, the cell is empty and green again
    ASSERT_TRUE(pGrid->SetCurrentCell(3, 1));
    auto* pList = dynamic_cast<CGXTabbedComboBoxWnd*>(pGrid->GetCurrentCellControl());
    ASSERT_NE(pList, nullptr);
    pList->SetValue("big");
    ASSERT_TRUE(pGrid->SetCurrentCell(2, 2));
    ASSERT_EQ(Table(), "|size|w/A1|big|2.5/A2|small|10/A3|big|0");
    undo();
    EXPECT_EQ(Table(), "|size|w/A1|big|2.5/A2|small|10/A3||0");
    EXPECT_EQ(Texts(*pGrid), Table());
    EXPECT_EQ(Interior(*pGrid, 3, 1), kGreen);

    // A2's weight cleared with Delete, Enter
    ASSERT_TRUE(pGrid->SetCurrentCell(2, 2));
    press(VK_DELETE);
    press(VK_RETURN);
    EXPECT_EQ(Texts(*pGrid), "|size|w/A1|big|2.5/A2|small|/A3||0");
    EXPECT_EQ(Table(), Texts(*pGrid));
    undo();
    EXPECT_EQ(Texts(*pGrid), "|size|w/A1|big|2.5/A2|small|10/A3||0");
    EXPECT_EQ(Table(), Texts(*pGrid));
    redo();
    EXPECT_EQ(Texts(*pGrid), "|size|w/A1|big|2.5/A2|small|/A3||0");
    EXPECT_EQ(Table(), Texts(*pGrid));
    undo();

    // both weights cut (Edit > Cut clears the cells without an entry): the project's evaluations
    // are emptied with the cells, and come back with them
    ASSERT_TRUE(pGrid->SetCurrentCell(1, 1));
    pGrid->SelectRange(CGXCellRange(1, 2, 2, 2));
    Command(ID_EDIT_CUT);
    EXPECT_EQ(Texts(*pGrid), "|size|w/A1|big|/A2|small|/A3||0");
    EXPECT_EQ(Table(), Texts(*pGrid));
    undo();
    EXPECT_EQ(Texts(*pGrid), "|size|w/A1|big|2.5/A2|small|10/A3||0");
    EXPECT_EQ(Table(), Texts(*pGrid));
    redo();
    EXPECT_EQ(Texts(*pGrid), "|size|w/A1|big|/A2|small|/A3||0");
    EXPECT_EQ(Table(), Texts(*pGrid));
}

// Whatever rebuilds the grid from the project forgets what could be undone or redone: an entry made
// before an alternative above it went must not be undone into the alternative that took its row.
TEST_F(EvaluationsGrid, AChangeOfTheProjectLeavesNothingToUndoOrRedoIntoTheNewCells)
{
    // a key pressed where it goes: the cell's window while it edits, else the grid
    const auto press = [](CZQGridView& grid, UINT nKey) {
        CWnd* pEdit = grid.IsActiveCurrentCell() ? dynamic_cast<CWnd*>(grid.GetCurrentCellControl()) : nullptr;
        const HWND hTarget = pEdit != nullptr && pEdit->m_hWnd != nullptr ? pEdit->m_hWnd : grid.m_hWnd;
        ::SendMessageA(hTarget, WM_KEYDOWN, nKey, MAKELPARAM(1, 0));
    };
    // Edit > Undo or Redo enabled, as the menu would show it
    const auto enabled = [](CZQGridView& grid, UINT nID) {
        struct CEnableNote : CCmdUI {
            BOOL bEnabled = FALSE;
            void Enable(BOOL bOn) override { bEnabled = bOn; }
        } state;
        state.m_nID = nID;
        state.DoUpdate(&grid, TRUE);
        return state.bEnabled;
    };

    struct Change {
        const char* what;
        std::function<void()> run;
    };
    // as the panes change the project: the grid stored first, reloaded after
    CZQInterfaceData& project = app.m_Project;
    const auto edited = [&project](const std::function<void()>& edit) {
        return [&project, edit] {
            project.StoreEvaluationsGrid();
            edit();
            project.RefreshEvaluationsGrid();
        };
    };
    const Change changes[] = {
        {"an alternative added", [&] { project.AddAlternative("A3"); }},
        {"the alternative above removed", [&] { project.RemoveAlternative("A1"); }},
        {"a criterion added", edited([&] { project.AddCriterion("price", "", ZQ_KIND_COST, 2); })},
        {"a criterion removed", [&] { project.RemoveCriterion("w"); }},
        {"a criterion renamed", edited([&] { project.EvaluationsTable[0][2] = project.CriteriaTable[1][0] = "mass"; })},
        {"a scale value added", edited([&] { project.AddScaleValue("size", "huge", 3); })},
        {"the scale values removed", edited([&] { project.RemoveScaleValues("size"); })},
        {"the ordinal criterion made gain", edited([&] {
             project.CriteriaTable[0][2] = "gain";
             project.EvaluationsTable[1][1] = project.EvaluationsTable[2][1] = "1";
         })},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        OpenProject();
        CZQGridView* pGrid = OpenGrid();
        ASSERT_NE(pGrid, nullptr);
        // 999 typed over A2's weight and 7 over A1's, each with Enter, the second undone: an undo and
        // a redo wait
        ASSERT_TRUE(pGrid->SetCurrentCell(2, 2));
        Type(*pGrid, "999");
        press(*pGrid, VK_RETURN);
        ASSERT_TRUE(pGrid->SetCurrentCell(1, 2));
        Type(*pGrid, "7");
        press(*pGrid, VK_RETURN);
        Command(ID_EDIT_UNDO);
        ASSERT_TRUE(enabled(*pGrid, ID_EDIT_UNDO));
        ASSERT_TRUE(enabled(*pGrid, ID_EDIT_REDO));

        change.run();
        const std::string after = Table();
        ASSERT_EQ(Texts(*pGrid), after);
        EXPECT_FALSE(enabled(*pGrid, ID_EDIT_UNDO));
        EXPECT_FALSE(enabled(*pGrid, ID_EDIT_REDO));
        app.m_nModified = 0;
        Command(ID_EDIT_UNDO);
        Type(*pGrid, "\x12");
        EXPECT_EQ(Texts(*pGrid), after);
        EXPECT_EQ(Table(), after);
        EXPECT_EQ(app.m_nModified, 0);
    }
}

TEST_F(EvaluationsGrid, ClosingStoresEveryCellAndTheProjectsCallsReachTheOpenGrid)
{
    OpenProject();
    CZQGridView* pGrid = OpenGrid();
    ASSERT_NE(pGrid, nullptr);

    // Texts the grid holds but has not stored reach the table before an alternative is added...
    pGrid->ApplyValueToRange(CGXCellRange(1, 2, 1, 2), "7");
    app.m_Project.AddAlternative("A3");
    EXPECT_EQ(Table(), "|size|w/A1|big|7/A2|small|10/A3||0");
    EXPECT_EQ(Texts(*pGrid), Table()) << "and the grid is filled again after";

    // ... before one is removed, and before a criterion is removed.
    pGrid->ApplyValueToRange(CGXCellRange(2, 2, 2, 2), "8");
    app.m_Project.RemoveAlternative("A1");
    EXPECT_EQ(Texts(*pGrid), "|size|w/A2|small|8/A3||0");
    pGrid->ApplyValueToRange(CGXCellRange(1, 1, 1, 1), "big");
    app.m_Project.RemoveCriterion("w");
    EXPECT_EQ(Texts(*pGrid), "|size/A2|big/A3|");
    EXPECT_EQ(Table(), Texts(*pGrid));

    // Closing the window stores the cells, even unedited ones, and clears the flag.
    pGrid->ApplyValueToRange(CGXCellRange(2, 1, 2, 1), "small");
    pGrid->GetParentFrame()->SendMessage(WM_CLOSE);
    PumpWaitingMessages();
    EXPECT_EQ(Table(), "|size/A2|big/A3|small");
    EXPECT_EQ(app.m_nEvaluationsGridOpen, 0);
    EXPECT_FALSE(app.HasOpenDocument(ZQDocument::EvaluationsGrid));

    // With the grid gone, storing and refreshing leave the table alone.
    const std::string before = Table();
    app.m_Project.StoreEvaluationsGrid();
    app.m_Project.RefreshEvaluationsGrid();
    EXPECT_EQ(Table(), before);

    // Opened again, the grid shows the stored values; a new project empties it without storing it.
    pGrid = OpenGrid();
    ASSERT_NE(pGrid, nullptr);
    EXPECT_EQ(Texts(*pGrid), "|size/A2|big/A3|small");
    app.m_nModified = 0;
    Command(ID_ZQ_NEW);
    PumpWaitingMessages();
    EXPECT_EQ(app.m_nEvaluationsGridOpen, 0);
    ASSERT_EQ(app.m_Project.EvaluationsTable.size(), 1u);
    EXPECT_EQ(app.m_Project.EvaluationsTable[0], ZQRow{""});
}

TEST_F(EvaluationsGrid, TheCurrentCellFollowsAChangeOfTheProjectWithItsEntry)
{
    OpenProject();
    CZQGridView* pGrid = OpenGrid();
    ASSERT_NE(pGrid, nullptr);

    // An entry still being typed in A2's weight when an alternative above it goes: it is stored with
    // A2, and the cell being edited afterwards is the one of the same place, as it is now.
    ASSERT_TRUE(pGrid->SetCurrentCell(2, 2));
    Type(*pGrid, "42");
    ASSERT_TRUE(pGrid->IsActiveCurrentCell());
    app.m_Project.RemoveAlternative("A1");
    EXPECT_EQ(Table(), "|size|w/A2|small|42");
    EXPECT_EQ(Texts(*pGrid), Table());
    ASSERT_TRUE(pGrid->SetCurrentCell(1, 1));
    EXPECT_EQ(Table(), "|size|w/A2|small|42") << "nothing of the old cell is stored when it is left";

    // The current cell in an ordinal column made gain: its control is the gain column's edit, not
    // the drop-down it had.
    ASSERT_TRUE(dynamic_cast<CGXTabbedComboBoxWnd*>(pGrid->GetCurrentCellControl()) != nullptr);
    app.m_Project.CriteriaTable[0][2] = "gain";
    app.m_Project.EvaluationsTable[1][1] = "3";
    app.LoadFromModel();
    ROWCOL nRow = 0, nCol = 0;
    ASSERT_TRUE(pGrid->GetCurrentCell(nRow, nCol));
    EXPECT_EQ(std::make_pair(nRow, nCol), std::make_pair(ROWCOL(1), ROWCOL(1)));
    EXPECT_EQ(dynamic_cast<CGXTabbedComboBoxWnd*>(pGrid->GetCurrentCellControl()), nullptr);
    CString shown;
    pGrid->GetCurrentCellText(shown);
    EXPECT_EQ(Str(shown), "3");

    // A current cell beyond the refilled grid is given up.
    app.m_Project.RemoveAlternative("A2");
    EXPECT_FALSE(pGrid->GetCurrentCell(nRow, nCol));
}

TEST_F(EvaluationsGrid, PasteDoesNothingCutAndCopyReachTheGrid)
{
    CNotingGridView* pGrid = OpenNotingGrid();
    ASSERT_NE(pGrid, nullptr);
    pGrid->m_calls.clear();
    ASSERT_TRUE(pGrid->SetCurrentCell(1, 2));
    for (UINT nID : {UINT(ID_EDIT_PASTE), UINT(ID_EDIT_COPY), UINT(ID_EDIT_CUT), UINT(ID_EDIT_PASTE)})
        Command(nID);
    EXPECT_EQ(pGrid->m_calls, (std::vector<std::string>{"Copy", "Cut"}));
    EXPECT_EQ(Texts(*pGrid), "|size|w/A1|big|2.5/A2|small|10");
}

TEST_F(EvaluationsGrid, WhileFillingTheValidationHookAcceptsAndTouchesNothingThenTheViewHasTheFocus)
{
    CNotingGridView* pGrid = OpenNotingGrid();
    ASSERT_NE(pGrid, nullptr);
    EXPECT_EQ(pGrid->m_hFocusAfterFill, pGrid->m_hWnd) << "the view has the focus after its first fill";
    pGrid->m_calls.clear();
    // a text the gain column would turn into 0, left in the grid and the table while it fills again
    pGrid->ApplyValueToRange(CGXCellRange(1, 2, 1, 2), "abc");
    app.m_Project.EvaluationsTable[1][2] = "abc";
    app.LoadFromModel();
    EXPECT_EQ(pGrid->m_calls, std::vector<std::string>{"TRUE abc"});
    EXPECT_FALSE(pGrid->IsLoading());
    EXPECT_EQ(Str(pGrid->GetValueRowCol(1, 2)), "abc");
    EXPECT_EQ(Str(app.m_Project.EvaluationsTable[1][2]), "abc");
}

TEST_F(EvaluationsGrid, ANewProjectEmptiesTheOpenGridBeforeItCloses)
{
    CNotingGridView* pGrid = OpenNotingGrid();
    ASSERT_NE(pGrid, nullptr);
    CNotingGridView::s_countsAtEnd = {99, 99};
    app.m_nModified = 0;
    Command(ID_ZQ_NEW);
    PumpWaitingMessages();
    EXPECT_FALSE(app.HasOpenDocument(ZQDocument::EvaluationsGrid));
    EXPECT_EQ(CNotingGridView::s_countsAtEnd, (std::pair<ROWCOL, ROWCOL>(0, 0)));
    EXPECT_EQ(app.m_nEvaluationsGridOpen, 0);
}

} // namespace

TEST_F(EvaluationsGrid, PrintsAndPreviewsThroughTheGridsPages)
{
    CNotingGridView* pView = OpenNotingGrid();
    ASSERT_NE(pView, nullptr);
    const FakePrinter printer{"Evaluations printer", 850, 1100, 100, 100};
    PrintDirectAndPreview(fake, app.m_pMainWnd, pView, printer);
    ASSERT_FALSE(pView->m_printed.empty());

    // page 1 shows the header names and the first cells: text inside each of their rectangles (the
    // grid lines left out), found on a page of the same printer prepared as the grid prepares it
    const CFakePrinterDC& page = *fake.PrinterDCs().front();
    CFakePrinterDC samePrinter(850, 1100, 100, 100);
    pView->PrepareGridDC(&samePrinter, TRUE);
    const CRect grid = pView->m_printed.front();
    const auto textIn = [&](ROWCOL nRow, ROWCOL nCol) {
        CRect cell(grid.left + pView->SumColWidths(0, nCol) - pView->GetColWidth(nCol),
                   grid.top + pView->SumRowHeights(0, nRow) - pView->GetRowHeight(nRow), 0, 0);
        cell.right = cell.left + pView->GetColWidth(nCol);
        cell.bottom = cell.top + pView->GetRowHeight(nRow);
        samePrinter.LPtoDP(reinterpret_cast<LPPOINT>(&cell), 2);
        cell.DeflateRect(3, 3);
        int nDark = 0;
        for (int y = cell.top; y < cell.bottom; ++y)
            for (int x = cell.left; x < cell.right; ++x)
                nDark += GetRValue(page.PixelAt(x, y)) < 128 ? 1 : 0;
        return nDark;
    };
    for (auto [nRow, nCol] : {std::pair<ROWCOL, ROWCOL>{0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}})
        EXPECT_GT(textIn(nRow, nCol), 0) << "cell " << nRow << "," << nCol << ": " << Str(pView->GetValueRowCol(nRow, nCol));
    EXPECT_EQ(textIn(1, 3), 0) << "beyond the last column";
}
