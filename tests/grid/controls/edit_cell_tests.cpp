// The edit cell in a grid window: typing into a cell and storing it, the keys that stay in the edit
// and those that reach the grid, the cell's limits and find and replace in a cell.
#include "control_test_support.h"
#include "ClipboardText.h"

#include "grid/engine/GXFindReplace.h"

#include <memory>

namespace {

}  // namespace

// ---- typing and storing ------------------------------------------------------------------------------

TEST(EditTyping, ACharacterOnTheInactiveCellReplacesItsTextAndLeavingStoresItOnce)
{
    EditGridFixture f;
    FakeCommandFactory factory;
    const WithModule<CGXAbstractCommandFactory> withFactory(f.grid.m_pCommandFactory, &factory);
    f.SetValue(2, 2, "abc");
    f.MakeCurrent(2, 2);
    EXPECT_FALSE(f.m_pEdit->IsActive());

    f.Type("x");
    EXPECT_TRUE(f.m_pEdit->IsActive());
    EXPECT_EQ(f.m_pEdit->Text(), "x");
    EXPECT_EQ(f.m_pEdit->Sel(), CPoint(1, 1)) << "the caret after the character";
    EXPECT_TRUE(f.m_pEdit->GetModify());
    EXPECT_EQ(::GetFocus(), f.m_pEdit->m_hWnd) << "the shown edit takes the grid's focus";
    EXPECT_EQ(f.Stored(2, 2), "abc") << "nothing stored while editing";

    f.grid.m_stores.clear();
    factory.calls.clear();
    ASSERT_TRUE(f.grid.SetCurrentCell(3, 2));
    ASSERT_EQ(f.grid.m_stores.size(), 1u);
    EXPECT_EQ(f.grid.m_stores[0].value, "x");
    EXPECT_EQ(f.grid.m_stores[0].nMode, CGXStyle::gxOverride);
    EXPECT_EQ(f.grid.m_stores[0].nKind, f.grid.m_nStyleKind);
    EXPECT_EQ(f.grid.m_stores[0].nFlags, 1u);
    EXPECT_EQ(f.Stored(2, 2), "x");
    int nCommands = 0;
    for (const std::string& call : factory.calls)
        nCommands += call.rfind("CreateSetStyleRangeCmd", 0) == 0;
    EXPECT_EQ(nCommands, 1) << "one undo command for the edit";
    EXPECT_EQ(::GetFocus(), f.grid.m_hWnd) << "the hidden edit gives the focus back";

    // an unmodified cell stores nothing
    f.grid.m_stores.clear();
    f.Activate(3, 2);
    ASSERT_TRUE(f.grid.SetCurrentCell(4, 2));
    EXPECT_TRUE(f.grid.m_stores.empty());
}

TEST(EditTyping, AValueRefusedByValidationKeepsTheCellCurrentAndActive)
{
    EditGridFixture f;
    CGXStyle bounded;
    bounded.SetUserAttribute(GX_IDS_UA_VALID_MAX, "100").SetUserAttribute(GX_IDS_UA_VALID_MSG, "at most 100");
    f.grid.SetStyleRange(CGXCellRange(1, 1, 1, 1), &bounded, CGXStyle::gxOverride, 0, nullptr, 2, 1);
    f.SetValue(1, 1, "1");
    f.MakeCurrent(1, 1);
    f.Type("500");
    f.fake.ExpectMessageBox(IDOK, "at most 100");
    f.Press(VK_RETURN);
    EXPECT_EQ(f.Current(), "1,1");
    EXPECT_TRUE(f.m_pEdit->IsActive());
    EXPECT_EQ(f.m_pEdit->Text(), "500");
    EXPECT_EQ(f.Stored(1, 1), "1");

    // the grid's validate-cell hook refusing does the same
    f.m_pEdit->SetSel(0, -1);
    f.Type("7");
    f.grid.m_bValidateCell = FALSE;
    EXPECT_FALSE(f.grid.SetCurrentCell(1, 2));
    EXPECT_EQ(f.Current(), "1,1");
    EXPECT_TRUE(f.m_pEdit->IsActive());
    EXPECT_EQ(f.m_pEdit->Text(), "7");
}

TEST(EditTyping, AnAutoSizedCellFitsItsColumnOrItsWrappingRowToTheText)
{
    for (BOOL bWrap : {FALSE, TRUE}) {
        SCOPED_TRACE(bWrap ? "wrapping" : "one line");
        EditGridFixture f;
        FakeResizeToFitImp resize;
        const WithModule<CGXAbstractGridResizeToFitImp> withResize(f.grid.m_pResizeToFitImp, &resize);
        CGXStyle growing;
        growing.SetAutoSize(TRUE).SetWrapText(bWrap);
        f.grid.SetStyleRange(CGXCellRange(2, 3, 2, 3), &growing, CGXStyle::gxOverride, 0, nullptr, 2, 1);
        f.MakeCurrent(2, 3);
        f.Type("ab");
        ASSERT_FALSE(resize.calls.empty());
        EXPECT_EQ(resize.calls.back(), Call(bWrap ? "ResizeRowHeightsToFit" : "ResizeColWidthsToFit",
                                            static_cast<CGXGridCore*>(&f.grid), CGXCellRange(2, 3, 2, 3), 1, 10u));
    }
}

TEST(EditTyping, TypedTextMustFitTheLimitAndPassTheCellsCheck)
{
    EditGridFixture f;
    CGXStyle limited;
    limited.SetMaxLength(5);
    f.grid.SetStyleRange(CGXCellRange(1, 1, 1, 1), &limited, CGXStyle::gxOverride, 0, nullptr, 2, 1);
    f.MakeCurrent(1, 1);
    f.Type("abcdef");
    EXPECT_EQ(f.m_pEdit->Text(), "abcde") << "a sixth character is dropped";

    // the check takes the text with the selection replaced
    limited.SetMaxLength(3);
    f.grid.SetStyleRange(CGXCellRange(1, 2, 1, 2), &limited, CGXStyle::gxOverride, 0, nullptr, 2, 1);
    f.SetValue(1, 2, "abc");
    f.Activate(1, 2);
    f.m_pEdit->SetSel(1, 3);
    f.Type("x");
    EXPECT_EQ(f.m_pEdit->Text(), "ax");

    // a text the control refuses drops the character, which the control is told
    f.m_pEdit->m_strRefused = "q";
    f.Type("q");
    EXPECT_EQ(f.m_pEdit->Text(), "ax");
    EXPECT_EQ(f.m_pEdit->m_invalid, std::vector<std::string>{"q"});
    f.m_pEdit->m_strRefused.Empty();

    // a read-only cell takes no typing, neither from the grid nor in its window
    f.SetValue(2, 1, "fixed");
    CGXStyle readOnly;
    readOnly.SetReadOnly(TRUE);
    f.grid.SetStyleRange(CGXCellRange(2, 1, 2, 1), &readOnly, CGXStyle::gxOverride, 0, nullptr, 2, 1);
    f.MakeCurrent(2, 1);
    f.Type("z");
    EXPECT_FALSE(f.m_pEdit->IsActive());
    f.Activate(2, 1);
    f.Type("z");
    EXPECT_EQ(f.m_pEdit->Text(), "fixed");
}

// ---- keys ------------------------------------------------------------------------------------------------

TEST(EditKeys, KeysAtTheTextsEndsAndTheGridsKeysReachTheGrid)
{
    struct Case {
        const char* pszName;
        const char* pszText;
        int nStart, nEnd;  // the selection before the key
        UINT nKey;
        int nHeld;  // 0, VK_CONTROL or VK_SHIFT
        BOOL bToGrid;
    };
    const Case cases[] = {
        {"Right inside the text", "abc", 1, 1, VK_RIGHT, 0, FALSE},
        {"Right at the end", "abc", 3, 3, VK_RIGHT, 0, TRUE},
        {"Left inside the text", "abc", 1, 1, VK_LEFT, 0, FALSE},
        {"Left at the start", "abc", 0, 0, VK_LEFT, 0, TRUE},
        {"Up on the first line", "ab\r\ncd", 1, 1, VK_UP, 0, TRUE},
        {"Up on the second line", "ab\r\ncd", 5, 5, VK_UP, 0, FALSE},
        {"Down on the first line", "ab\r\ncd", 1, 1, VK_DOWN, 0, FALSE},
        {"Down on the last line", "ab\r\ncd", 5, 5, VK_DOWN, 0, TRUE},
        {"Enter", "abc", 1, 1, VK_RETURN, 0, TRUE},
        {"Tab", "abc", 1, 1, VK_TAB, 0, TRUE},
        {"Escape", "abc", 1, 1, VK_ESCAPE, 0, TRUE},
        {"Page Up", "abc", 1, 1, VK_PRIOR, 0, TRUE},
        {"Page Down", "abc", 1, 1, VK_NEXT, 0, TRUE},
        {"F1", "abc", 1, 1, VK_F1, 0, TRUE},
        {"F24", "abc", 1, 1, VK_F24, 0, TRUE},
        {"Home", "abc", 1, 1, VK_HOME, 0, FALSE},
        {"End", "abc", 1, 1, VK_END, 0, FALSE},
        {"Backspace", "abc", 1, 1, VK_BACK, 0, FALSE},
        {"Ctrl+Left inside the text", "abc", 1, 1, VK_LEFT, VK_CONTROL, TRUE},
        {"Ctrl+A", "abc", 1, 1, 'A', VK_CONTROL, TRUE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        EditGridFixture f;
        CGXStyle wrapping;
        wrapping.SetWrapText(TRUE);
        f.grid.SetStyleRange(CGXCellRange(2, 2, 2, 2), &wrapping, CGXStyle::gxOverride, 0, nullptr, 2, 1);
        f.grid.SetRowHeight(2, 2, 60);
        f.SetValue(2, 2, c.pszText);
        f.Activate(2, 2);
        f.m_pEdit->SetSel(c.nStart, c.nEnd);
        std::unique_ptr<HeldKey> pHeld(c.nHeld != 0 ? new HeldKey(f.fake, c.nHeld) : nullptr);
        ::SendMessageA(f.m_pEdit->m_hWnd, WM_KEYDOWN, c.nKey, MAKELPARAM(1, 0));
        EXPECT_EQ(f.grid.m_passedKeys == std::vector<UINT>{c.nKey}, c.bToGrid);
    }
}

TEST(EditKeys, AnArrowAtTheTextsEndMovesTheCurrentCellAndStoresTheEdit)
{
    EditGridFixture f;
    f.MakeCurrent(2, 2);
    f.Type("ab");
    f.Press(VK_LEFT);
    EXPECT_EQ(f.Current(), "2,2") << "the caret moved inside the text";
    EXPECT_EQ(f.m_pEdit->Sel(), CPoint(1, 1));
    f.Press(VK_RIGHT);
    f.Press(VK_RIGHT);
    EXPECT_EQ(f.Current(), "2,3");
    EXPECT_EQ(f.Stored(2, 2), "ab");
    f.Type("c");
    f.Press(VK_RETURN);
    EXPECT_EQ(f.Stored(2, 3), "c") << "Enter without AllowEnter stores the cell";
    f.Type("d");
    f.Press(VK_ESCAPE);
    EXPECT_FALSE(f.m_pEdit->IsActive()) << "Escape discards the edit";
    EXPECT_EQ(f.m_pEdit->Text(), "c");
    EXPECT_EQ(f.Stored(2, 3), "c");
}

TEST(EditKeys, EnterAndCtrlEnterInsertALineBreakOnlyWhereTheCellAllowsIt)
{
    struct Case {
        BOOL bAllowEnter;
        BOOL bWrapText;
        BOOL bCtrl;
        const char* pszText;  // after the key and its character
    };
    const Case cases[] = {
        {TRUE, FALSE, FALSE, "a\r\nb"},
        {FALSE, TRUE, TRUE, "a\r\nb"},
        {FALSE, FALSE, TRUE, "ab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "AllowEnter " << c.bAllowEnter << ", WrapText " << c.bWrapText);
        EditGridFixture f;
        CGXStyle style;
        style.SetAllowEnter(c.bAllowEnter).SetWrapText(c.bWrapText);
        f.grid.SetStyleRange(CGXCellRange(2, 2, 2, 2), &style, CGXStyle::gxOverride, 0, nullptr, 2, 1);
        f.SetValue(2, 2, "ab");
        f.Activate(2, 2);
        f.m_pEdit->SetSel(1, 1);
        std::unique_ptr<HeldKey> pCtrl(c.bCtrl ? new HeldKey(f.fake, VK_CONTROL) : nullptr);
        ::SendMessageA(f.m_pEdit->m_hWnd, WM_KEYDOWN, VK_RETURN, MAKELPARAM(1, 0));
        ::SendMessageA(f.m_pEdit->m_hWnd, WM_CHAR, c.bCtrl ? '\n' : '\r', MAKELPARAM(1, 0));
        EXPECT_EQ(f.m_pEdit->Text(), c.pszText);
        EXPECT_EQ(f.Current(), "2,2");
    }
}

TEST(EditKeys, ShiftDeleteCutsTheSelectionAndShiftInsertPastes)
{
    EditGridFixture f;
    f.SetValue(1, 1, "hello");
    f.Activate(1, 1);
    f.m_pEdit->SetSel(1, 3);
    {
        HeldKey shift(f.fake, VK_SHIFT);
        f.Press(VK_DELETE);
    }
    EXPECT_EQ(ClipboardText(), "el");
    EXPECT_EQ(f.m_pEdit->Text(), "hlo");
    EXPECT_TRUE(f.m_pEdit->GetModify());

    SetClipboardText("XY");
    f.m_pEdit->SetSel(1, 1);
    {
        HeldKey shift(f.fake, VK_SHIFT);
        f.Press(VK_INSERT);
    }
    EXPECT_EQ(f.m_pEdit->Text(), "hXYlo");
}

TEST(EditKeys, EndAndHomeOnTheInactiveCellStartEditingAtTheTextsEndOrStart)
{
    EditGridFixture f;
    f.SetValue(1, 1, "abc");
    f.SetValue(2, 1, "xyz");
    f.MakeCurrent(1, 1);
    f.Press(VK_END);
    EXPECT_TRUE(f.m_pEdit->IsActive());
    EXPECT_EQ(f.m_pEdit->Sel(), CPoint(3, 3));

    f.MakeCurrent(2, 1);
    f.Press(VK_HOME);
    EXPECT_TRUE(f.m_pEdit->IsActive());
    EXPECT_EQ(f.m_pEdit->Text(), "xyz");
    EXPECT_EQ(f.m_pEdit->Sel(), CPoint(0, 0));
}

TEST(EditKeys, DeleteOnTheInactiveCellEmptiesItOnlyWhenNothingElseTakesIt)
{
    struct Case {
        const char* pszName;
        BOOL bDeleteClears;
        BOOL bReadOnly;
        BOOL bShift;
        BOOL bHookAgrees;
        BOOL bEmptied;
    };
    const Case cases[] = {
        {"writable cell", FALSE, FALSE, FALSE, TRUE, TRUE},
        {"the grid clears cells itself", TRUE, FALSE, FALSE, TRUE, FALSE},
        {"read-only cell", FALSE, TRUE, FALSE, TRUE, FALSE},
        {"Shift held", FALSE, FALSE, TRUE, TRUE, FALSE},
        {"the delete hook refuses", FALSE, FALSE, FALSE, FALSE, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        EditGridFixture f;
        f.grid.GetParam()->GetControlOptions().bDeleteClears = c.bDeleteClears;
        f.grid.m_bDeleteCell = c.bHookAgrees;
        if (c.bReadOnly) {
            CGXStyle readOnly;
            readOnly.SetReadOnly(TRUE);
            f.grid.SetStyleRange(CGXCellRange(1, 1, 1, 1), &readOnly, CGXStyle::gxOverride, 0, nullptr, 2, 1);
        }
        f.SetValue(1, 1, "abc");
        f.MakeCurrent(1, 1);
        std::unique_ptr<HeldKey> pShift(c.bShift ? new HeldKey(f.fake, VK_SHIFT) : nullptr);
        ::SendMessageA(f.grid.m_hWnd, WM_KEYDOWN, VK_DELETE, MAKELPARAM(1, 0));
        EXPECT_EQ(f.m_pEdit->IsActive() && f.m_pEdit->Text().empty() && f.m_pEdit->GetModify(), c.bEmptied);
    }
}

// ---- find and replace --------------------------------------------------------------------------------

TEST(EditFind, AMatchInAnotherCellMakesItCurrentAndSelectsTheMatch)
{
    EditGridFixture f;
    f.SetValue(3, 2, "Apple");
    f.MakeCurrent(1, 1);
    GridFindReplaceState state;
    state.m_strFind = "PPL";
    f.grid.m_currentCellFlags.clear();
    EXPECT_TRUE(f.m_pEdit->FindText(state, 3, 2, FALSE, TRUE));
    EXPECT_EQ(f.Current(), "3,2");
    ASSERT_FALSE(f.grid.m_currentCellFlags.empty());
    EXPECT_EQ(f.grid.m_currentCellFlags[0], 36u);
    EXPECT_TRUE(f.m_pEdit->IsActive());
    EXPECT_EQ(f.m_pEdit->Sel(), CPoint(1, 4));

    state.m_bCase = TRUE;
    EXPECT_FALSE(f.m_pEdit->FindText(state, 3, 2, TRUE, FALSE)) << "a case-sensitive search";
    EXPECT_FALSE(f.m_pEdit->FindText(state, 4, 2, FALSE, FALSE)) << "an empty cell";
}

TEST(EditFind, TheActiveCellSearchesOnFromOneCharacterAfterTheSelectionStart)
{
    EditGridFixture f;
    f.SetValue(2, 2, "banana");
    f.Activate(2, 2);
    GridFindReplaceState state;
    state.m_strFind = "an";
    f.m_pEdit->SetSel(1, 3);
    EXPECT_TRUE(f.m_pEdit->FindText(state, 2, 2, TRUE, TRUE));
    EXPECT_EQ(f.m_pEdit->Sel(), CPoint(1, 3)) << "from the current position the match it stands on";
    EXPECT_TRUE(f.m_pEdit->FindText(state, 2, 2, FALSE, TRUE));
    EXPECT_EQ(f.m_pEdit->Sel(), CPoint(3, 5));
    EXPECT_FALSE(f.m_pEdit->FindText(state, 2, 2, FALSE, TRUE)) << "past the last match";
    EXPECT_EQ(f.m_pEdit->Sel(), CPoint(3, 5));
}

TEST(EditFind, ReplacingRewritesEveryMatchAndStoresTheWholeResult)
{
    EditGridFixture f;
    f.SetValue(2, 2, "banana");
    f.MakeCurrent(1, 1);
    GridFindReplaceState state;
    state.m_strFind = "a";
    state.m_strReplace = "bb";
    EXPECT_TRUE(f.m_pEdit->ReplaceSel(state, 2, 2));
    ASSERT_EQ(f.grid.m_controlTexts.size(), 1u);
    EXPECT_EQ(f.grid.m_controlTexts[0].value, "bbbnbbnbb");
    EXPECT_EQ(f.grid.m_controlTexts[0].nFlags, 2u);
    EXPECT_EQ(f.Stored(2, 2), "bbbnbbnbb");

    // a result beyond a kilobyte is stored whole
    f.SetValue(3, 2, std::string(1000, 'a').c_str());
    state.m_strReplace = "aa";
    EXPECT_TRUE(f.m_pEdit->ReplaceSel(state, 3, 2));
    EXPECT_EQ(f.Stored(3, 2), std::string(2000, 'a'));

    // in the active cell the text before the selection stays
    f.SetValue(4, 2, "a-a-a");
    f.Activate(4, 2);
    f.m_pEdit->SetSel(2, 2);
    state.m_strReplace = "X";
    EXPECT_TRUE(f.m_pEdit->ReplaceSel(state, 4, 2));
    EXPECT_EQ(f.Stored(4, 2), "a-X-X");
    EXPECT_EQ(f.m_pEdit->Text(), "a-X-X") << "the edit shows what the cell holds";
    state.m_strFind = "q";
    EXPECT_FALSE(f.m_pEdit->ReplaceSel(state, 4, 2)) << "nothing to replace";
}

TEST(EditFind, AnEmptyFindTextIsRefusedAtOnceByEveryControl)
{
    EditGridFixture f;
    f.SetValue(1, 1, "abc");
    FakeFindReplaceImp module;
    const WithModule<CGXAbstractGridFindReplaceImp> withModule(f.grid.m_pFindReplaceImp, &module);
    GridFindReplaceState state;
    state.m_strReplace = "x";
    EXPECT_FALSE(f.m_pEdit->FindText(state, 1, 1, TRUE, TRUE));
    EXPECT_FALSE(f.m_pEdit->ReplaceSel(state, 1, 1));
    CGXStatic plain(&f.grid);
    EXPECT_FALSE(plain.FindText(state, 1, 1, TRUE, TRUE));
    EXPECT_FALSE(plain.ReplaceSel(state, 1, 1));
    EXPECT_TRUE(module.calls.empty());
    EXPECT_TRUE(f.grid.m_controlTexts.empty());

    // a control without a search of its own hands it to the grid's find module
    state.m_strFind = "b";
    EXPECT_TRUE(plain.FindText(state, 1, 1, FALSE, TRUE));
    EXPECT_TRUE(plain.ReplaceSel(state, 1, 1));
    EXPECT_EQ(module.calls, (std::vector<std::string>{
                                Call("FindTextInCell", &plain, AddressText(&state), 1u, 1u, 0, 1),
                                Call("ReplaceInCell", &plain, AddressText(&state), 1u, 1u)}));
}
