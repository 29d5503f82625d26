// The clipboard and block operations: cells as text and as styles on the real clipboard, the Edit
// commands Copy, Cut and Paste with their direct modes, clearing cells, and copying and moving blocks
// inside a grid, each with its undo.
#include "control_test_support.h"
#include "undo_test_support.h"
#include "ClipboardText.h"

#include "core/CArchive.h"
#include "core/CMemFile.h"
#include "grid/engine/GXStyleSerializeImp.h"
#include "grid/engine/GXStylesMap.h"

#include <functional>
#include <string>

GX_IMPLEMENT_CONTROL(CTestControl, CGXControl)

namespace {

// ---- the clipboard -----------------------------------------------------------------------------------

// The clipboard's CF_TEXT, "<none>" without it.
std::string ClipboardOrNone()
{
    return ClipboardText(nullptr, "<none>", "<busy>");
}

void PutText(const std::string& text)
{
    PutOnClipboard(text.c_str(), text.size() + 1);
}

BOOL HasFormat(UINT nFormat)
{
    return ::IsClipboardFormatAvailable(nFormat);
}

// ---- grids -------------------------------------------------------------------------------------------

// A grid that notes the cells whose text it is asked to store, may refuse one of them, may run a hook
// after each store, and counts its full redraws.
class CClipGrid : public CInputGridWnd {
public:
    BOOL SetControlTextRowCol(ROWCOL nRow, ROWCOL nCol, const char* pszText, UINT nFlags,
                              const CGXStyle* pStyle) override
    {
        m_stored.push_back(std::to_string(nRow) + "," + std::to_string(nCol));
        if (nRow == m_nRefuseRow && nCol == m_nRefuseCol)
            return FALSE;
        const BOOL bStored = CInputGridWnd::SetControlTextRowCol(nRow, nCol, pszText, nFlags, pStyle);
        if (m_afterStore)
            m_afterStore();
        return bStored;
    }
    void Redraw(UINT nFlags, BOOL bCreateHint) override
    {
        ++m_nRedraws;
        CInputGridWnd::Redraw(nFlags, bCreateHint);
    }
    std::vector<std::string> m_stored;
    ROWCOL m_nRefuseRow = 0, m_nRefuseCol = 0;
    std::function<void()> m_afterStore;
    int m_nRedraws = 0;
};

// A grid of 6 rows by 6 columns with the grid operations' modules; values are written without undo.
struct ClipboardFixture {
    ClipboardFixture()
    {
        ReleaseModifierKeys(fake);
        fake.SetTickCount(0);
        grid.CreateInputGrid(6, 6);
        DropWaitingMessages();
    }
    ~ClipboardFixture() { DropWaitingMessages(); }

    void Set(ROWCOL nRow, ROWCOL nCol, const char* pszValue) { Apply(nRow, nCol, CGXStyle().SetValue(pszValue)); }
    void Apply(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
    {
        grid.SetStyleRange(CGXCellRange(nRow, nCol, nRow, nCol), &style, CGXStyle::gxOverride, 0, nullptr, 2,
                           CGXGridCore::gxRollback);
    }
    std::string Value(ROWCOL nRow, ROWCOL nCol) { return grid.GetStoredValueRowCol(nRow, nCol).GetString(); }
    // The values of rows 1..nRows, columns 1..nCols: cells apart by "|", rows by "/".
    std::string Values(ROWCOL nRows, ROWCOL nCols)
    {
        std::string text;
        for (ROWCOL nRow = 1; nRow <= nRows; ++nRow) {
            for (ROWCOL nCol = 1; nCol <= nCols; ++nCol)
                text += Value(nRow, nCol) + (nCol < nCols ? "|" : "");
            text += nRow < nRows ? "/" : "";
        }
        return text;
    }
    BOOL HasStyle(ROWCOL nRow, ROWCOL nCol)
    {
        CGXStyle style;
        return grid.GetStyleRowCol(nRow, nCol, style);
    }
    // Selects the ranges (and nothing else).
    void Select(std::initializer_list<CGXCellRange> ranges)
    {
        CGXRangeList& list = grid.GetParam()->GetRangeList1();
        list.DeleteAll();
        for (const CGXCellRange& range : ranges)
            list.AddRange(range);
    }
    CObList& UndoList() { return grid.GetParam()->GetUndoList(); }
    std::string LastUndoName() { return ::LastUndoName(grid); }

    // the modules are there before the grid is made
    struct Modules {
        Modules() { UseGridOperations(); }
    } modules;
    CFakeServices fake;
    CClipGrid grid;
};

const UINT kDefaultFlags = CGXGridCore::gxClipText | CGXGridCore::gxClipStyles | CGXGridCore::gxClipFullStyles;

}  // namespace

// ---- text --------------------------------------------------------------------------------------------

TEST(ClipboardText, CopiedCellsBecomeSeparatedLinesWithTheirBreaksAndTabsKeptInTheField)
{
    struct Case {
        const char* pszA;
        const char* pszB;  // null: only A1 is copied
        UINT nFlags;
        const char* pszSeparator;
        const char* pszExpected;
    };
    const Case cases[] = {
        {"abc", nullptr, 0, "", "abc"},
        {"a", "b", 0, "", "a\tb\r\n"},
        {"x\ty", nullptr, 0, "", "x\\ty"},
        {"1\r\n2\r3\n4", nullptr, 0, "", "1 2 3 4"},
        {"1\r\n2\t3", nullptr, CGXGridCore::gxClipEscapes, "", "1\\r\\n2\\t3"},
        {"a", "b", 0, ";", "a;b\r\n"},
        {"a", "", 0, "", "a\t\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszExpected);
        ClipboardFixture f;
        f.grid.m_nClipboardFlags = kDefaultFlags | c.nFlags;
        f.grid.m_strCopySeparator = c.pszSeparator;
        f.Set(1, 1, c.pszA);
        f.Select({CGXCellRange(1, 1, 1, c.pszB != nullptr ? 2 : 1)});
        if (c.pszB != nullptr)
            f.Set(1, 2, c.pszB);
        EXPECT_TRUE(f.grid.Copy());
        EXPECT_EQ(ClipboardOrNone(), c.pszExpected);
        EXPECT_EQ(f.grid.m_nLastCopiedRows, 1u);
        EXPECT_EQ(f.grid.m_nLastCopiedCols, c.pszB != nullptr ? 2u : 1u);
    }
}

TEST(ClipboardText, AnAllEmptyBlockPutsNoTextOnTheClipboard)
{
    ClipboardFixture f;
    f.Select({CGXCellRange(2, 2, 3, 3)});
    CGXRangeList list;
    list.AddRange(CGXCellRange(2, 2, 3, 3));
    PutText("old");
    ASSERT_TRUE(::OpenClipboard(f.grid.m_hWnd));
    ::EmptyClipboard();
    ::CloseClipboard();
    EXPECT_FALSE(f.grid.CopyTextToClipboard(list));
    EXPECT_FALSE(HasFormat(CF_TEXT));
    // the command still copies the styles
    EXPECT_TRUE(f.grid.Copy());
    EXPECT_FALSE(HasFormat(CF_TEXT));
    EXPECT_TRUE(HasFormat(GXGetLibraryState()->m_nClipboardFormat));
}

TEST(ClipboardText, PastedTextFillsCellsFromTheTopLeftAsTheOptionsAllow)
{
    struct Case {
        const char* pszText;
        CGXCellRange destination;
        UINT nFlags;
        const char* pszSeparators;
        const char* pszExpected;  // rows 1..6 of columns 1..6
        ROWCOL nRows, nCols;      // the counts afterwards
    };
    const Case cases[] = {
        {"1\t2\r\n3\t4\r\n", CGXCellRange(5, 3, 5, 3), 0, "", "|||||/|||||/|||||/|||||/||1|2||/||3|4||", 6, 6},
        // a larger selection is not filled, a smaller one does not cut
        {"1\t2\r\n", CGXCellRange(1, 1, 3, 3), 0, "", "1|2||||/|||||/|||||/|||||/|||||/|||||", 6, 6},
        {"a\tb\tc\r\n", CGXCellRange(1, 6, 1, 6), CGXGridCore::gxClipNoNewCols, "",
         "|||||a/|||||/|||||/|||||/|||||/|||||", 6, 6},
        {"a\tb\r\n", CGXCellRange(1, 6, 1, 6), 0, "", "|||||a/|||||/|||||/|||||/|||||/|||||", 6, 7},
        {"1\r\n2\r\n3\r\n", CGXCellRange(5, 1, 5, 1), CGXGridCore::gxClipNoNewRows, "",
         "|||||/|||||/|||||/|||||/1|||||/2|||||", 6, 6},
        {"1\r\n2\r\n3", CGXCellRange(5, 1, 5, 1), 0, "", "|||||/|||||/|||||/|||||/1|||||/2|||||", 7, 6},
        {"a,b;c\r\n", CGXCellRange(1, 1, 1, 1), 0, ",;", "a|b|c|||/|||||/|||||/|||||/|||||/|||||", 6, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszText);
        ClipboardFixture f;
        f.grid.m_nClipboardFlags = kDefaultFlags | c.nFlags;
        f.grid.m_strPasteSeparators = c.pszSeparators;
        PutText(c.pszText);
        f.Select({c.destination});
        EXPECT_TRUE(f.grid.Paste());
        EXPECT_EQ(f.Values(6, 6), c.pszExpected);
        EXPECT_EQ(f.grid.GetRowCount(), c.nRows);
        EXPECT_EQ(f.grid.GetColCount(), c.nCols);
    }
}

TEST(ClipboardText, EscapedBreaksAndTabsPasteBackOnlyWithTheEscapeOption)
{
    for (UINT nFlags : {0u, UINT(CGXGridCore::gxClipEscapes)}) {
        ClipboardFixture f;
        f.grid.m_nClipboardFlags = kDefaultFlags | nFlags;
        PutText("a\\tb\\r\\nc\\x");
        f.Select({CGXCellRange(1, 1, 1, 1)});
        EXPECT_TRUE(f.grid.Paste());
        EXPECT_EQ(f.Value(1, 1), nFlags != 0 ? "a\tb\r\nc\\x" : "a\\tb\\r\\nc\\x");
    }
}

TEST(ClipboardText, APasteIsOneUndoStepAndACellThatRefusesEndsIt)
{
    ClipboardFixture f;
    f.Set(1, 1, "old");
    PutText("1\t2\t3\r\n");
    f.Select({CGXCellRange(1, 1, 1, 1)});
    EXPECT_TRUE(f.grid.Paste());
    EXPECT_EQ(f.Values(1, 3), "1|2|3");
    EXPECT_EQ(f.LastUndoName(), "Paste.");
    EXPECT_TRUE(f.grid.Undo());
    EXPECT_EQ(f.Values(1, 3), "old||");

    f.grid.m_nRefuseRow = 1;
    f.grid.m_nRefuseCol = 2;
    f.grid.m_stored.clear();
    EXPECT_FALSE(f.grid.Paste());
    EXPECT_EQ(f.Values(1, 3), "1||") << "the cell before the refusal stays";
    EXPECT_EQ(f.grid.m_stored, (std::vector<std::string>{"1,1", "1,2"}));
}

TEST(ClipboardText, EscapeWithRetryRollsThePastedCellsBack)
{
    ClipboardFixture f;
    StatusFrame frame;
    f.Set(1, 1, "old");
    PutText("1\t2\t3\r\n");
    f.Select({CGXCellRange(1, 1, 1, 1)});
    // the user presses Escape once the first cell is stored and the wait time has passed
    f.grid.m_afterStore = [&] {
        f.grid.m_afterStore = nullptr;
        f.fake.SetTickCount(5000);
        f.grid.PostMessage(WM_KEYDOWN, VK_ESCAPE);
    };
    f.fake.ExpectMessageBox(IDRETRY, "abort");
    EXPECT_FALSE(f.grid.Paste());
    EXPECT_EQ(f.Values(1, 3), "old||");
    EXPECT_TRUE(f.UndoList().IsEmpty());
}

TEST(ClipboardText, TheDimensionOfATextIsWhatItsPasteReaches)
{
    struct Case {
        std::string text;
        ROWCOL nRows, nCols;
    };
    const Case cases[] = {
        {"1\t2\r\n3\t4\r\n", 2, 2},
        {"1\t2\r\n3\t4", 2, 2},
        {"a\tb\tc", 1, 3},
        {"a\t", 1, 2},
        {"a\r\n\r\nb\n", 3, 1},
        {std::string("a\tb\r\n\0c\td", 10), 1, 2},
        {std::string("a\tb\0", 4), 1, 2},
        {"", 0, 1},
        {"x\ry\rz\r", 3, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.text));
        ClipboardFixture f;
        f.grid.SetRowCount(20);
        ROWCOL nRows = 99, nCols = 99;
        EXPECT_TRUE(f.grid.CalcBufferDimension(c.text.data(), DWORD(c.text.size()), nRows, nCols));
        EXPECT_EQ(nRows, c.nRows);
        EXPECT_EQ(nCols, c.nCols);

        EXPECT_TRUE(f.grid.PasteTextFromBuffer(c.text.data(), DWORD(c.text.size()), CGXCellRange(1, 1, 1, 1)));
        ROWCOL nLastRow = 0, nLastCol = 0;
        for (const std::string& cell : f.grid.m_stored) {
            nLastRow = std::max<ROWCOL>(nLastRow, std::stoul(cell));
            nLastCol = std::max<ROWCOL>(nLastCol, std::stoul(cell.substr(cell.find(',') + 1)));
        }
        EXPECT_EQ(nLastRow, c.nRows);
        EXPECT_EQ(nLastCol, c.nRows > 0 ? c.nCols : 0);
    }
}

// ---- styles ------------------------------------------------------------------------------------------

TEST(ClipboardStyles, TheArchiveHoldsTheCountsAndOneArrayOfStylesOrNullsUnderTheStylesMap)
{
    ClipboardFixture f;
    f.Set(1, 1, "a");
    f.Apply(2, 2, CGXStyle().SetTextColor(RGB(255, 0, 0)));
    CGXRangeList list;
    list.AddRange(CGXCellRange(1, 1, 2, 2));
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        EXPECT_TRUE(f.grid.CopyCellsToArchive(ar, list, FALSE));
        EXPECT_EQ(CGXArchiveStylesMap::Find(ar), nullptr) << "the archive's context is restored";
        ar.Close();
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CGXArchiveStylesMap stylesMap(ar, f.grid.GetParam()->GetStylesMap());
    uint32_t nRows = 0, nCols = 0;
    ar >> nRows >> nCols;
    EXPECT_EQ(nRows, 2u);
    EXPECT_EQ(nCols, 2u);
    std::unique_ptr<CObArray> pArray(static_cast<CObArray*>(ar.ReadObject(RUNTIME_CLASS(CObArray))));
    ASSERT_NE(pArray, nullptr);
    ASSERT_EQ(pArray->GetSize(), 4);
    const CGXStyle* pA = static_cast<CGXStyle*>(pArray->GetAt(0));
    ASSERT_NE(pA, nullptr);
    EXPECT_EQ(pA->GetValueRef(), "a");
    EXPECT_EQ(pArray->GetAt(1), nullptr);
    EXPECT_EQ(pArray->GetAt(2), nullptr);
    ASSERT_NE(pArray->GetAt(3), nullptr);
    EXPECT_TRUE(static_cast<CGXStyle*>(pArray->GetAt(3))->GetIncludeTextColor());
    for (int32_t i = 0; i < pArray->GetSize(); ++i)
        delete pArray->GetAt(i);
}

TEST(ClipboardStyles, ABlockOfAnotherSizeIsPastedOnlyAfterTheQuestion)
{
    struct Case {
        CGXCellRange destination;
        UINT nFlags;
        int nAnswer;  // 0: no question
        const char* pszExpected;
    };
    const Case cases[] = {
        {CGXCellRange(3, 1, 4, 3), CGXGridCore::gxClipCheckSize, 0, "a|b|c/d|e|f"},
        {CGXCellRange(3, 1, 3, 1), CGXGridCore::gxClipCheckSize, IDCANCEL, "||/||"},
        {CGXCellRange(3, 1, 3, 1), CGXGridCore::gxClipCheckSize, IDOK, "a|b|c/d|e|f"},
        {CGXCellRange(3, 1, 3, 1), 0, 0, "a|b|c/d|e|f"},
    };
    for (const Case& c : cases) {
        ClipboardFixture f;
        f.grid.m_nClipboardFlags = kDefaultFlags | c.nFlags;
        const char* apszValues[] = {"a", "b", "c", "d", "e", "f"};
        for (int i = 0; i < 6; ++i)
            f.Set(1 + i / 3, 1 + i % 3, apszValues[i]);
        f.Select({CGXCellRange(1, 1, 2, 3)});
        ASSERT_TRUE(f.grid.Copy());
        f.Select({c.destination});
        if (c.nAnswer != 0)
            f.fake.ExpectMessageBox(c.nAnswer, "Clipboard size is different from selected range");
        EXPECT_EQ(f.grid.Paste(), c.nAnswer != IDCANCEL);
        EXPECT_EQ(f.Values(4, 3).substr(12), c.pszExpected);
        if (c.nAnswer != IDCANCEL) {
            EXPECT_EQ(f.LastUndoName(), "Paste.");
        }
    }
}

TEST(ClipboardStyles, ABlockBeyondTheLastColumnKeepsWhatFitsAndATooBigBlockFails)
{
    ClipboardFixture f;
    f.grid.m_nClipboardFlags = kDefaultFlags | CGXGridCore::gxClipNoNewCols;
    for (ROWCOL nCol = 1; nCol <= 5; ++nCol) {
        f.Set(1, nCol, std::to_string(nCol).c_str());
        f.Set(2, nCol, std::to_string(nCol * 10).c_str());
    }
    f.Select({CGXCellRange(1, 1, 2, 5)});
    ASSERT_TRUE(f.grid.Copy());
    f.Select({CGXCellRange(4, 4, 4, 4)});
    EXPECT_TRUE(f.grid.Paste());
    EXPECT_EQ(f.grid.GetColCount(), 6u);
    EXPECT_EQ(f.Values(5, 6).substr(f.Values(3, 6).size() + 1), "|||1|2|3/|||10|20|30");

    f.grid.SetRowCount(40000);
    CGXRangeList list;
    list.AddRange(CGXCellRange(1, 1, 40000, 1));
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    f.fake.ExpectMessageBox(IDOK, "Range too big.");
    EXPECT_FALSE(f.grid.CopyCellsToArchive(ar, list, FALSE));
}

TEST(ClipboardStyles, AForgedArchiveIsRefusedBeforeAnythingIsPasted)
{
    struct Case {
        uint32_t nRows, nCols;
        int nElements;
        BOOL bStyles;  // the elements are styles (else plain objects)
    };
    const Case cases[] = {{2, 2, 3, TRUE}, {2, 2, 5, TRUE}, {0x8000, 1, 1, TRUE}, {1, 2, 2, FALSE}};
    for (const Case& c : cases) {
        ClipboardFixture f;
        f.Set(1, 1, "kept");
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            ar << c.nRows << c.nCols;
            CObArray array;
            CGXStyle style;
            style.SetValue("forged");
            CObArray other;
            for (int i = 0; i < c.nElements; ++i)
                array.Add(c.bStyles ? static_cast<CObject*>(&style) : &other);
            ar << &array;
            ar.Close();
        }
        file.SeekToBegin();
        CArchive ar(&file, CArchive::load);
        EXPECT_FALSE(f.grid.PasteCellsFromArchive(ar, CGXCellRange(1, 1, 1, 1), TRUE));
        EXPECT_EQ(f.Values(2, 2), "kept|/|");
        EXPECT_TRUE(f.UndoList().IsEmpty());
    }
}

// ---- the commands ------------------------------------------------------------------------------------

TEST(ClipboardCommands, WhileACellIsEditedCopyTakesTheEditsSelectedText)
{
    UseGridOperations();
    EditGridFixture f;
    f.SetValue(2, 2, "hello");
    f.Activate(2, 2);
    f.m_pEdit->SetSel(1, 3);
    EXPECT_TRUE(f.grid.Copy());
    EXPECT_EQ(ClipboardOrNone(), "el");
}

TEST(ClipboardCommands, TextFromAnotherProgramIsPastedWhenStylesAreAlsoExchanged)
{
    ClipboardFixture f;
    ASSERT_EQ(f.grid.m_nClipboardFlags & (CGXGridCore::gxClipText | CGXGridCore::gxClipStyles),
              UINT(CGXGridCore::gxClipText | CGXGridCore::gxClipStyles));
    PutText("from\tnotepad");
    f.Select({CGXCellRange(2, 2, 2, 2)});
    EXPECT_TRUE(f.grid.CanPaste());
    EXPECT_TRUE(f.grid.Paste());
    EXPECT_EQ(f.Values(2, 3), "||/|from|notepad");
}

TEST(ClipboardCommands, APasteIntoSeveralAreasIsRefusedWithAMessage)
{
    ClipboardFixture f;
    PutText("x");
    f.Select({CGXCellRange(1, 1, 1, 1), CGXCellRange(3, 3, 3, 3)});
    f.fake.ExpectMessageBox(IDOK, "Pasting is not possible for multi-area selections.");
    EXPECT_FALSE(f.grid.Paste());
    EXPECT_EQ(f.Values(3, 3), "||/||/||");
}

TEST(ClipboardCommands, UndoAfterCutTakesTheClearingBackInOneStep)
{
    ClipboardFixture f;
    f.Set(1, 1, "a");
    f.Set(1, 2, "b");
    f.Apply(2, 1, CGXStyle().SetValue("c").SetTextColor(RGB(0, 0, 255)));
    f.Select({CGXCellRange(1, 1, 2, 2)});
    EXPECT_TRUE(f.grid.CanCut());
    EXPECT_TRUE(f.grid.Cut());
    EXPECT_EQ(ClipboardOrNone(), "a\tb\r\nc\t\r\n");
    EXPECT_EQ(f.Values(2, 2), "|/|");
    EXPECT_FALSE(f.HasStyle(2, 1)) << "the styles go with the style exchange";
    EXPECT_EQ(f.UndoList().GetCount(), 1);
    EXPECT_EQ(f.LastUndoName(), "Cut Data.");
    EXPECT_TRUE(f.grid.Undo());
    EXPECT_EQ(f.Values(2, 2), "a|b/c|");
    EXPECT_TRUE(f.HasStyle(2, 1));
}

// ---- direct modes ------------------------------------------------------------------------------------

TEST(ClipboardDirect, InDirectMoveModeCutMarksTheCellsAndPasteMovesThem)
{
    ClipboardFixture f;
    CGXGridParam* pParam = f.grid.GetParam();
    pParam->SetDirectMoveMode(TRUE);
    f.Set(1, 1, "a");
    f.Set(2, 1, "b");
    f.Select({CGXCellRange(1, 1, 2, 1)});
    EXPECT_TRUE(f.grid.Cut());
    EXPECT_EQ(f.Values(2, 1), "a/b") << "the cells stay until the paste";
    EXPECT_TRUE(pParam->GetCutPending());

    // a copy before the paste cancels the cut
    const int nRedraws = f.grid.m_nRedraws;
    EXPECT_TRUE(f.grid.Copy());
    EXPECT_FALSE(pParam->GetCutPending());
    EXPECT_GT(f.grid.m_nRedraws, nRedraws);

    EXPECT_TRUE(f.grid.Cut());
    f.Select({CGXCellRange(1, 3, 1, 3)});
    EXPECT_TRUE(f.grid.Paste());
    EXPECT_EQ(f.Values(2, 3), "||a/||b");
    EXPECT_FALSE(pParam->GetCutPending());
    EXPECT_TRUE(pParam->GetClipboardSourceList().IsEmpty());
}

TEST(ClipboardDirect, InDirectCopyModeOnlyTheGridsOwnMarkPastesDirectly)
{
    ClipboardFixture f;
    ClipboardFixture other;
    f.grid.GetParam()->SetDirectCopyMode(TRUE);
    other.grid.GetParam()->SetDirectCopyMode(TRUE);
    f.Set(1, 1, "own");
    f.Select({CGXCellRange(1, 1, 1, 1)});
    ASSERT_TRUE(f.grid.Copy());
    ASSERT_TRUE(HasFormat(::RegisterClipboardFormatA("GX_DIRECTCOPY")));
    f.Select({CGXCellRange(1, 2, 1, 2)});
    EXPECT_TRUE(f.grid.Paste());
    EXPECT_EQ(f.Values(1, 2), "own|own");
    EXPECT_EQ(f.LastUndoName(), "Copy");

    // another grid's block goes through the clipboard formats
    f.Select({CGXCellRange(1, 1, 1, 1)});
    ASSERT_TRUE(f.grid.Copy());
    other.Set(1, 1, "theirs");
    other.Select({CGXCellRange(1, 1, 1, 1)});
    ASSERT_TRUE(other.grid.Copy());
    f.Select({CGXCellRange(2, 1, 2, 1)});
    EXPECT_TRUE(f.grid.Paste());
    EXPECT_EQ(f.Values(2, 2), "own|own/theirs|");
    EXPECT_EQ(f.LastUndoName(), "Paste.");
}

TEST(ClipboardDirect, OutOfMemoryDuringADirectPasteShowsRangeTooBig)
{
    struct CHungryGrid : CClipGrid {
        BOOL CopyCells(CGXCellRange, ROWCOL, ROWCOL, UINT) override { AfxThrowMemoryException(); }
    };
    UseGridOperations();
    CFakeServices fake;
    fake.SetTickCount(0);
    CHungryGrid grid;
    grid.CreateInputGrid(4, 4);
    grid.GetParam()->SetDirectCopyMode(TRUE);
    grid.GetParam()->GetRangeList1().AddRange(CGXCellRange(1, 1, 1, 1));
    ASSERT_TRUE(grid.Copy());
    fake.ExpectMessageBox(IDOK, "Range too big.");
    EXPECT_FALSE(grid.Paste());
}

// ---- clearing ----------------------------------------------------------------------------------------

TEST(ClearCells, ValuesKeepTheFormattingAndStylesRemoveIt)
{
    for (BOOL bStyles : {FALSE, TRUE}) {
        ClipboardFixture f;
        f.Apply(1, 1, CGXStyle().SetValue("v").SetTextColor(RGB(255, 0, 0)).SetControl(GX_IDS_CTRL_EDIT));
        f.Select({CGXCellRange(1, 1, 1, 1)});
        EXPECT_TRUE(f.grid.CanClear());
        EXPECT_TRUE(f.grid.Clear(bStyles));
        EXPECT_EQ(f.Value(1, 1), "");
        CGXStyle style;
        EXPECT_EQ(f.grid.GetStyleRowCol(1, 1, style), !bStyles);
        EXPECT_EQ(style.GetIncludeTextColor(), !bStyles);
        EXPECT_EQ(style.GetIncludeControl(), !bStyles);
        EXPECT_EQ(f.LastUndoName(), "Clear Cells");
    }
}

TEST(ClearCells, OnlyTheDataCellsOfTheGivenAreasAreWritten)
{
    struct Case {
        std::vector<CGXCellRange> ranges;
        const char* pszExpected;  // rows 1..3, columns 0..5
    };
    const Case cases[] = {
        // a whole row keeps its header
        {{CGXCellRange().SetRows(2, 2)}, "h|x|x|x|x|x/h|||||/h|x|x|x|x|x"},
        {{CGXCellRange(1, 1, 2, 2), CGXCellRange(1, 4, 2, 5)}, "h|||x||/h|||||/h|x|x|x|x|x"},
        {{CGXCellRange(1, 1, 1, 1), CGXCellRange(3, 3, 3, 3)}, "h||x|x|x|x/h|x|x||x|x/h|x|x||x|x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszExpected);
        ClipboardFixture f;
        for (ROWCOL nRow = 1; nRow <= 3; ++nRow) {
            f.Set(nRow, 0, "h");
            for (ROWCOL nCol = 1; nCol <= 5; ++nCol)
                f.Set(nRow, nCol, "x");
        }
        f.Set(1, 3, "");  // an empty cell of a cleared area is not written
        f.Set(1, 3, "x");
        f.Set(2, 3, "");
        CGXRangeList list;
        for (const CGXCellRange& range : c.ranges)
            list.AddRange(range);
        f.grid.m_stored.clear();
        EXPECT_TRUE(f.grid.ClearCells(list, FALSE));
        std::string text;
        for (ROWCOL nRow = 1; nRow <= 3; ++nRow) {
            for (ROWCOL nCol = 0; nCol <= 5; ++nCol)
                text += f.Value(nRow, nCol) + (nCol < 5 ? "|" : "");
            text += nRow < 3 ? "/" : "";
        }
        EXPECT_EQ(text, c.pszExpected);
        for (const std::string& cell : f.grid.m_stored)
            EXPECT_NE(cell, "2,3") << "an empty cell was written";
    }
}

TEST(ClearCells, AStoreThatFailsEndsTheClearAndClearAndCutAnswerFalse)
{
    // the undo-buffer question of a clear too large for it, answered Cancel
    {
        ClipboardFixture f;
        f.grid.SetRowCount(40000);
        f.Set(1, 1, "top");
        f.Set(40000, 1, "bottom");
        f.Select({CGXCellRange(1, 1, 40000, 1)});
        f.fake.ExpectMessageBox(IDCANCEL, "too large for the undo buffer");
        EXPECT_FALSE(f.grid.Clear(TRUE));
        EXPECT_EQ(f.Value(1, 1), "top");
        EXPECT_EQ(f.Value(40000, 1), "bottom");
    }
    // a locked grid refuses the styles
    ClipboardFixture f;
    f.Set(1, 1, "v");
    f.Select({CGXCellRange(1, 1, 1, 2)});
    f.grid.SetReadOnly(TRUE);
    CGXRangeList list;
    list.AddRange(CGXCellRange(1, 1, 1, 2));
    EXPECT_FALSE(f.grid.ClearCells(list, TRUE));
    EXPECT_FALSE(f.grid.Cut()) << "the cut copies, then its clearing fails";
    EXPECT_EQ(ClipboardOrNone(), "v\t\r\n");
    EXPECT_EQ(f.Value(1, 1), "v");
}

TEST(ClearCells, EachBlockIsRegisteredForRecalculationWholeAndItsCellsAreNot)
{
    // cell data that notes the ranges registered for recalculation
    struct CRecalcData : CGXData {
        std::vector<std::string> ranges;
        void AddRecalcRange(const CGXCellRange& r) override
        {
            ranges.push_back(std::to_string(r.top) + "," + std::to_string(r.left) + "-" + std::to_string(r.bottom) +
                             "," + std::to_string(r.right));
        }
    };
    ClipboardFixture f;
    auto* pData = new CRecalcData;
    pData->SetRowCount(6);
    pData->SetColCount(6);
    f.grid.GetParam()->SetData(pData, TRUE);
    for (ROWCOL nRow = 1; nRow <= 2; ++nRow)
        for (ROWCOL nCol = 1; nCol <= 2; ++nCol)
            f.Set(nRow, nCol, "x");
    // each stored cell asks for a recalculation of its own, as a formula grid's cells may
    f.grid.m_afterStore = [&] { f.grid.AddRecalcRange(CGXCellRange(9, 9, 9, 9)); };
    CGXRangeList list;
    list.AddRange(CGXCellRange(1, 1, 2, 2));
    EXPECT_TRUE(f.grid.ClearCells(list, FALSE));
    EXPECT_EQ(pData->ranges, std::vector<std::string>{"1,1-2,2"});
    EXPECT_FALSE(f.grid.m_bLockAddRecalcRange) << "the lock is let go after the block";

    // a lock set by the caller: the caller registers
    pData->ranges.clear();
    f.Set(1, 1, "x");
    f.grid.m_bLockAddRecalcRange = TRUE;
    EXPECT_TRUE(f.grid.ClearCells(list, FALSE));
    EXPECT_TRUE(pData->ranges.empty());
    EXPECT_TRUE(f.grid.m_bLockAddRecalcRange);
    f.grid.m_bLockAddRecalcRange = FALSE;
}

// ---- copying and moving blocks -----------------------------------------------------------------------

TEST(DirectCopyMove, UndoOfACopyGivesTheTargetItsOldStylesBack)
{
    ClipboardFixture f;
    f.Set(1, 1, "a");
    f.Set(2, 1, "b");
    f.Apply(1, 3, CGXStyle().SetValue("old").SetTextColor(RGB(0, 255, 0)));
    EXPECT_TRUE(f.grid.CopyCells(CGXCellRange(1, 1, 2, 1), 1, 3));
    EXPECT_EQ(f.Values(2, 3), "a||a/b||b");
    EXPECT_EQ(f.LastUndoName(), "Copy");
    EXPECT_TRUE(f.grid.Undo());
    EXPECT_EQ(f.Values(2, 3), "a||old/b||");
    CGXStyle style;
    ASSERT_TRUE(f.grid.GetStyleRowCol(1, 3, style));
    EXPECT_TRUE(style.GetIncludeTextColor());
    EXPECT_FALSE(f.HasStyle(2, 3)) << "an empty cell is empty again";
}

TEST(DirectCopyMove, ACopyTooLargeForUndoAsksAndOkCopiesWithoutUndo)
{
    ClipboardFixture f;
    f.grid.SetRowCount(40000);
    f.Set(1, 1, "top");
    f.Set(40000, 1, "bottom");
    const int nUndoCommands = f.UndoList().GetCount();
    for (int nAnswer : {IDCANCEL, IDOK}) {
        f.fake.ExpectMessageBox(nAnswer, "too large for the undo buffer");
        EXPECT_EQ(f.grid.CopyCells(CGXCellRange(1, 1, 40000, 1), 1, 2), nAnswer == IDOK);
        EXPECT_EQ(f.Value(40000, 2), nAnswer == IDOK ? "bottom" : "");
        EXPECT_EQ(f.UndoList().GetCount(), nUndoCommands);
    }
}

TEST(DirectCopyMove, MoveUndoAndRedoPutTheCellsWhereTheyBelong)
{
    ClipboardFixture f;
    f.Set(1, 1, "a");
    f.Set(1, 2, "b");
    f.Set(1, 3, "over");
    CObject* pInfo = nullptr;
    EXPECT_TRUE(f.grid.MoveCells(CGXCellRange(1, 1, 1, 2), 1, 3, pInfo));
    EXPECT_EQ(pInfo, nullptr) << "the command owns what the move overwrote";
    EXPECT_EQ(f.Values(1, 4), "||a|b");
    EXPECT_TRUE(f.grid.Undo());
    EXPECT_EQ(f.Values(1, 4), "a|b|over|");
    EXPECT_TRUE(f.grid.Redo());
    EXPECT_EQ(f.Values(1, 4), "||a|b");
    EXPECT_TRUE(f.grid.Undo());
    EXPECT_EQ(f.Values(1, 4), "a|b|over|");
}

TEST(DirectCopyMove, AFailedStoreAndAReadOnlyGridAnswerFalse)
{
    struct CFailingGrid : CClipGrid {
        BOOL StoreMoveCells(CGXCellRange, ROWCOL, ROWCOL, CObject*&, BOOL, int) override { return FALSE; }
    };
    UseGridOperations();
    CFakeServices fake;
    fake.SetTickCount(0);
    CFailingGrid failing;
    failing.CreateInputGrid(4, 4);
    CObject* pInfo = nullptr;
    EXPECT_FALSE(failing.MoveCells(CGXCellRange(1, 1, 1, 1), 2, 2, pInfo));
    EXPECT_TRUE(failing.GetParam()->GetUndoList().IsEmpty());

    ClipboardFixture f;
    f.Set(1, 1, "a");
    f.grid.SetReadOnly(TRUE);
    EXPECT_FALSE(f.grid.CopyCells(CGXCellRange(1, 1, 1, 1), 2, 2));
    EXPECT_FALSE(f.grid.MoveCells(CGXCellRange(1, 1, 1, 1), 2, 2, pInfo));
    EXPECT_EQ(f.Values(2, 2), "a|/|");
}
