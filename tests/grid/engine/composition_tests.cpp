// Cell style composition and storage: the header texts, the order in which the levels of styles fill a
// cell, the value shortcuts, the style cache, the undo-aware range setter (its undo copy, the undo-size
// question, the read-only guard, a user abort with and without roll-back) and the changes of base
// styles.
#include "library_test_support.h"

#include "fake_modules.h"

#include "grid/engine/GXLongOperation.h"
#include "grid/engine/GXResource.h"

#include <functional>
#include <string>
#include <vector>

namespace {

CGXStyle TextColorStyle(COLORREF color)
{
    CGXStyle style;
    style.SetTextColor(color);
    return style;
}

CGXStyle ValueStyle(const char* pszValue)
{
    CGXStyle style;
    style.SetValue(pszValue);
    return style;
}

// A long-operation module that reports a user abort at its nAbortAt-th message round (from 1),
// asking for a roll-back when bRollback is set.
struct AbortingLongOperation : CGXAbstractLongOperationImp {
    int nAbortAt;
    BOOL bRollback;
    int nRounds = 0;
    AbortingLongOperation(int nAt, BOOL bRoll) : nAbortAt(nAt), bRollback(bRoll) {}
    void Start(CGXLongOperation&) override { GXGetLongOperationSettings().m_nLevel++; }
    void End(CGXLongOperation&) override { GXGetLongOperationSettings().m_nLevel--; }
    void FreeStatusText(CGXLongOperation&) override {}
    BOOL SetStatusText(CGXLongOperation&, const char*, BOOL) override { return TRUE; }
    BOOL DoMessages(CGXLongOperation&, BOOL& bAborted) override
    {
        if (++nRounds == nAbortAt && GXGetLongOperationSettings().m_bAbortAllowed) {
            bAborted = TRUE;
            GXGetLongOperationSettings().m_bRollbackRequested = bRollback;
        }
        return TRUE;
    }
    BOOL UpdateProgress(CGXLongOperation&) override { return TRUE; }
    void PumpMessages(CGXLongOperation&) override {}
};

// A grid of 3 by 3 cells holding "rc" in each cell (r the row, c the column).
void FillNumbered(CTestGridWnd& grid)
{
    for (ROWCOL r = 1; r <= 3; ++r)
        for (ROWCOL c = 1; c <= 3; ++c) {
            const std::string text = std::to_string(r) + std::to_string(c);
            const CGXStyle style = ValueStyle(text.c_str());
            grid.StoreStyleRowCol(r, c, &style, CGXStyle::gxOverride);
        }
}

std::string Values(CTestGridWnd& grid)
{
    std::string text;
    for (ROWCOL r = 1; r <= 3; ++r)
        for (ROWCOL c = 1; c <= 3; ++c)
            text += std::string(grid.GetStoredValueRowCol(r, c)) + (c == 3 ? (r == 3 ? "" : "|") : " ");
    return text;
}

}  // namespace

TEST(Composition, HeadersShowColumnLettersAndRowNumbers)
{
    CTestGridWnd grid;
    grid.CreateGrid(12, 703);
    const struct {
        ROWCOL nCol;
        const char* pszLetters;
    } letters[] = {{1, "A"}, {26, "Z"}, {27, "AA"}, {52, "AZ"}, {53, "BA"}, {702, "ZZ"}, {703, "AAA"}};
    for (const auto& c : letters)
        EXPECT_STREQ(grid.GetValueRowCol(0, c.nCol), c.pszLetters) << c.nCol;
    EXPECT_STREQ(grid.GetValueRowCol(12, 0), "12");
    EXPECT_STREQ(grid.GetValueRowCol(0, 0), "") << "the corner cell";
    EXPECT_STREQ(grid.GetStoredValueRowCol(0, 1), "") << "a generated text is not stored";

    const CGXStyle stored = ValueStyle("Price");
    grid.StoreStyleRowCol(0, 2, &stored, CGXStyle::gxOverride);
    EXPECT_STREQ(grid.GetValueRowCol(0, 2), "Price") << "a stored header value stays";

    grid.GetParam()->SetLetteredColHeaders(FALSE);
    grid.GetParam()->SetNumberedRowHeaders(FALSE);
    EXPECT_STREQ(grid.GetValueRowCol(0, 1), "");
    EXPECT_STREQ(grid.GetValueRowCol(3, 0), "");
}

TEST(Composition, EachLevelFillsWhatTheLevelsBeforeItLeaveOpen)
{
    // the levels of a body cell's text colour, nearest first; each test row sets the levels from one
    // on and expects that one's colour
    using Setter = std::function<void(CTestGridWnd&)>;
    const auto storeAt = [](ROWCOL r, ROWCOL c, int nKind, const CGXStyle& style) {
        return [=](CTestGridWnd& g) { g.StoreStyleRowCol(r, c, &style, CGXStyle::gxOverride, nKind); };
    };
    const Setter chain = [](CTestGridWnd& g) {
        // a registered base style the cell names
        const WORD nId = g.GetParam()->GetStylesMap()->RegisterStyle("Chained", TextColorStyle(RGB(5, 0, 0)), FALSE);
        CGXStyle style;
        style.SetBaseStyle(nId);
        g.StoreStyleRowCol(2, 2, &style, CGXStyle::gxOverride);
    };
    const std::vector<std::pair<const char*, Setter>> levels = {
        {"stored", storeAt(2, 2, 0, TextColorStyle(RGB(1, 0, 0)))},
        {"row base", storeAt(2, 0, -1, TextColorStyle(RGB(2, 0, 0)))},
        {"column base", storeAt(0, 2, -1, TextColorStyle(RGB(3, 0, 0)))},
        {"table base", storeAt(0, 0, -1, TextColorStyle(RGB(4, 0, 0)))},
        {"base-style chain", chain},
    };
    for (size_t k = 0; k <= levels.size(); ++k) {
        CTestGridWnd grid;
        grid.CreateGrid(3, 3);
        for (size_t i = levels.size(); i-- > k;)
            levels[i].second(grid);
        const COLORREF expected = k < levels.size() ? RGB(k + 1, 0, 0) : grid.GetStandardStyle().GetTextColor();
        EXPECT_EQ(grid.LookupStyleRowCol(2, 2)->GetTextColor(), expected)
            << (k < levels.size() ? levels[k].first : "Standard");
    }

    // a header cell: its stored style, then the header style, then the generated text, then "Standard"
    CTestGridWnd grid;
    grid.CreateGrid(3, 3);
    CGXStyle header;
    header.SetTextColor(RGB(7, 0, 0)).SetValue("H");
    ASSERT_TRUE(grid.ChangeColHeaderStyle(header, CGXStyle::gxOverride));
    const CGXStyle stored = TextColorStyle(RGB(8, 0, 0));
    grid.StoreStyleRowCol(0, 2, &stored, CGXStyle::gxOverride);
    CGXStyle composed;
    grid.ComposeStyleRowCol(0, 2, &composed);
    EXPECT_EQ(composed.GetTextColor(), RGB(8, 0, 0)) << "stored before the header style";
    grid.ComposeStyleRowCol(0, 3, &composed);
    EXPECT_EQ(composed.GetTextColor(), RGB(7, 0, 0)) << "the header style before Standard";
    EXPECT_STREQ(composed.GetValueRef(), "H") << "the header style's value before the generated text";
    grid.ComposeStyleRowCol(0, 3, &composed, FALSE);
    EXPECT_FALSE(composed.GetIncludeWrapText()) << "without Standard what it sets stays open";

    // the highlight and the negative colour come last, over everything stored
    CGXStyle red;
    red.SetInterior(CGXCellBrush(CGXCellBrush::gxSolid, RGB(255, 0, 0))).SetValue("-1");
    red.SetTextColor(RGB(1, 2, 3)).SetUserAttribute(GX_IDS_UA_NEGATIVECOLOR, CGXUserAttribute(DWORD(RGB(200, 0, 0))));
    grid.StoreStyleRowCol(1, 1, &red, CGXStyle::gxOverride);
    grid.GetParam()->GetRangeList2().AddRange(CGXCellRange(1, 1, 1, 1));
    grid.ComposeStyleRowCol(1, 1, &composed);
    EXPECT_EQ(composed.GetInterior().GetStyle(), UINT(CGXCellBrush::gxSolid)) << "one highlight switch is not enough";
    grid.GetParam()->SetHighlight(TRUE, TRUE);
    grid.ComposeStyleRowCol(1, 1, &composed);
    EXPECT_EQ(composed.GetInterior().GetPattern(), 17u);
    EXPECT_EQ(composed.GetInterior().GetColor(), RGB(192, 192, 192));
    const struct {
        const char* pszValue;
        COLORREF color;
    } negatives[] = {{"-1", RGB(200, 0, 0)}, {"0", RGB(1, 2, 3)}, {"2", RGB(1, 2, 3)}, {"abc", RGB(1, 2, 3)}};
    for (const auto& n : negatives) {
        red.SetValue(n.pszValue);
        grid.StoreStyleRowCol(1, 1, &red, CGXStyle::gxOverride);
        grid.ComposeStyleRowCol(1, 1, &composed);
        EXPECT_EQ(composed.GetTextColor(), n.color) << n.pszValue;
    }
}

TEST(Composition, ComposedStylesAreCachedUntilAFlush)
{
    CTestGridWnd grid;
    grid.CreateGrid(3, 3);
    const CGXStyle* pFirst = grid.LookupStyleRowCol(2, 3);
    EXPECT_EQ(grid.LookupStyleRowCol(2, 3), pFirst);
    EXPECT_FALSE(pFirst->GetReadOnly());
    grid.FreeObjectCache();
    grid.SetReadOnly(TRUE);
    const CGXStyle* pLocked = grid.LookupStyleRowCol(2, 3);
    EXPECT_TRUE(pLocked->GetIncludeReadOnly() && pLocked->GetReadOnly()) << "a locked grid shows read-only cells";

    // the current cell is composed afresh each time, unless its style is reused
    ASSERT_TRUE(grid.SetCurrentCell(1, 1, 0));
    const CGXStyle* pCurrent = grid.LookupStyleRowCol(1, 1);
    EXPECT_NE(grid.LookupStyleRowCol(1, 1), pCurrent);
    grid.m_bReuseCurrentCellStyle = TRUE;
    const CGXStyle* pReused = grid.LookupStyleRowCol(1, 1);
    EXPECT_EQ(grid.LookupStyleRowCol(1, 1), pReused);
}

TEST(Composition, RangeSetterRecordsUndoOnlyWithAFactoryUndoOnAndNotForARollback)
{
    const struct {
        BOOL bFactory;
        BOOL bUndo;
        int nCommandType;
        BOOL bRecorded;
    } cases[] = {{TRUE, TRUE, CGXGridCore::gxDo, TRUE},       {TRUE, TRUE, CGXGridCore::gxUndo, TRUE},
                 {TRUE, TRUE, CGXGridCore::gxRollback, FALSE}, {TRUE, FALSE, CGXGridCore::gxDo, FALSE},
                 {FALSE, TRUE, CGXGridCore::gxDo, FALSE}};
    for (const auto& c : cases) {
        CTestGridWnd grid;
        grid.CreateGrid(3, 3);
        FillNumbered(grid);
        grid.GetParam()->EnableUndo(c.bUndo);
        FakeCommandFactory factory;
        WithModule<CGXAbstractCommandFactory> installed(grid.m_pCommandFactory, c.bFactory ? &factory : nullptr);
        const CGXStyle value = ValueStyle("x");
        EXPECT_TRUE(grid.SetStyleRange(CGXCellRange(1, 2, 2, 3), &value, CGXStyle::gxOverride, 0, nullptr, 0,
                                       c.nCommandType));
        EXPECT_EQ(Values(grid), "11 x x|21 x x|31 32 33");
        const BOOL bRecorded = factory.commands.size() == 1;
        EXPECT_EQ(bRecorded, c.bRecorded) << c.bFactory << c.bUndo << c.nCommandType;
        if (bRecorded) {
            // the command holds the old styles of the range, rows outer
            auto* pCommand = static_cast<FakeCommandFactory::Command*>(factory.commands[0].get());
            EXPECT_EQ(pCommand->text, Call("CreateSetStyleRangeCmd", CGXCellRange(1, 2, 2, 3), 0));
            ASSERT_NE(pCommand->pStyles, nullptr);
            ASSERT_EQ(pCommand->pStyles->GetSize(), 4);
            EXPECT_STREQ(static_cast<CGXStyle*>(pCommand->pStyles->GetAt(2))->GetValueRef(), "22");
        }
    }
}

TEST(Composition, TooManyRowsOrColumnsForUndoAskFirst)
{
    FakeCommandFactory factory;
    for (const CGXCellRange& range : {CGXCellRange().SetRows(1, 32768), CGXCellRange().SetCols(1, 32768)}) {
        CTestGridWnd grid;
        grid.CreateGrid(3, 3);
        WithModule<CGXAbstractCommandFactory> installed(grid.m_pCommandFactory, &factory);
        grid.m_bNoProgress = TRUE;
        const CGXStyle value = ValueStyle("base");
        CFakeServices fake;
        fake.ExpectMessageBox(IDCANCEL, "Operation is too large for the undo buffer. Do you want to continue?");
        EXPECT_FALSE(grid.SetStyleRange(range, &value, CGXStyle::gxOverride, 0, nullptr, 0));
        EXPECT_STREQ(StoredValue(*grid.GetParam()->GetData(), 1, 1, CGXData::gxBaseStyle), "-") << "nothing changed";
        fake.ExpectMessageBox(IDOK, "too large");
        EXPECT_TRUE(grid.SetStyleRange(range, &value, CGXStyle::gxOverride, 0, nullptr, 0));
        EXPECT_TRUE(factory.commands.empty()) << "went on without undo";
    }
}

TEST(Composition, ALockedGridWithTheGuardRefusesTheRangeSetter)
{
    CTestGridWnd grid;
    grid.CreateGrid(3, 3);
    FillNumbered(grid);
    grid.SetReadOnly(TRUE);
    const CGXStyle value = ValueStyle("x");
    EXPECT_FALSE(grid.SetStyleRange(CGXCellRange(1, 1, 2, 2), &value, CGXStyle::gxOverride));
    EXPECT_FALSE(grid.SetStyleRange(CGXCellRange().SetRows(1, 2), &value, CGXStyle::gxOverride));
    EXPECT_EQ(Values(grid), "11 12 13|21 22 23|31 32 33");
}

TEST(Composition, AUserAbortRollsTheDoneCellsBackOrKeepsThemUndoable)
{
    for (BOOL bRollback : {TRUE, FALSE}) {
        CTestGridWnd grid;
        grid.CreateGrid(3, 3);
        FillNumbered(grid);
        FakeCommandFactory factory;
        WithModule<CGXAbstractCommandFactory> installed(grid.m_pCommandFactory, &factory);
        // nine rounds save the old styles, the abort comes after the second cell is stored
        AbortingLongOperation module(9 + 2, bRollback);
        WithModule<CGXAbstractLongOperationImp> longOperation(GXGetLibraryState()->m_pLongOperationImp, &module);
        const CGXStyle value = ValueStyle("x");
        EXPECT_FALSE(grid.SetStyleRange(CGXCellRange(1, 1, 3, 3), &value, CGXStyle::gxOverride, 0, nullptr, 0));
        if (bRollback) {
            EXPECT_EQ(Values(grid), "11 12 13|21 22 23|31 32 33") << "the done cells are back";
            EXPECT_TRUE(factory.commands.empty());
        } else {
            EXPECT_EQ(Values(grid), "x x 13|21 22 23|31 32 33");
            ASSERT_EQ(factory.commands.size(), 1u) << "what was done can be undone";
            auto* pCommand = static_cast<FakeCommandFactory::Command*>(factory.commands[0].get());
            EXPECT_EQ(pCommand->text, Call("CreateSetStyleRangeCmd", CGXCellRange(1, 1, 1, 2), 0));
            ASSERT_EQ(pCommand->pStyles->GetSize(), 2) << "the old styles of the done cells";
            EXPECT_STREQ(static_cast<CGXStyle*>(pCommand->pStyles->GetAt(1))->GetValueRef(), "12");
        }
        GXGetLongOperationSettings().m_bRollbackRequested = FALSE;
    }
}

TEST(Composition, BaseStyleChangesApplyRecordAndRespectTheGuard)
{
    CTestGridWnd grid;
    grid.CreateGrid(3, 3);
    FakeCommandFactory factory;
    WithModule<CGXAbstractCommandFactory> installed(grid.m_pCommandFactory, &factory);
    const WORD nStandard = grid.GetParam()->GetStylesMap()->GetStandardStyle();
    EXPECT_TRUE(grid.ChangeBaseStyle(nStandard, TextColorStyle(RGB(9, 9, 9)), CGXStyle::gxOverride));
    EXPECT_EQ(grid.LookupStyleRowCol(2, 2)->GetTextColor(), RGB(9, 9, 9));
    EXPECT_EQ(factory.calls.front(), Call("CreateChangeBaseStyleCmd", nStandard, "Standard"));

    grid.SetReadOnly(TRUE);
    EXPECT_FALSE(grid.ChangeBaseStyle(nStandard, TextColorStyle(RGB(1, 1, 1))));
    EXPECT_FALSE(grid.ChangeStylesMap(*grid.GetParam()->GetStylesMap()));
    EXPECT_FALSE(grid.ChangeProperties(*grid.GetParam()->GetProperties()));
    EXPECT_EQ(grid.LookupStyleRowCol(2, 2)->GetTextColor(), RGB(9, 9, 9));
    grid.SetReadOnly(FALSE);

    // a new styles map is copied in, the old one recorded
    CGXStylesMap other;
    other.CreateStandardStyles();
    factory.calls.clear();
    EXPECT_TRUE(grid.ChangeStylesMap(other));
    EXPECT_NE(grid.LookupStyleRowCol(2, 2)->GetTextColor(), RGB(9, 9, 9));
    EXPECT_EQ(factory.calls.front(), "CreateChangeStylesMapCmd()");
}
