// The masked edit cell in a grid window: raw values and their display, typing into the pattern, the
// keys of the focused editor and of the grid, the "GX_MASKDATA" clipboard, validation and replace.
#include "cell_test_support.h"

#include "ClipboardText.h"

#include "grid/controls/GXMaskControl.h"
#include "grid/controls/mask/GXMaskData.h"
#include "grid/engine/GXFindReplace.h"

namespace {

const char kPhone[] = "(###) ###-####";

// Data of format nFormat read back from the clipboard ("(none)" when absent).
std::string ClipboardData(CWnd& owner, UINT nFormat)
{
    std::string strText = "(none)";
    if (!::OpenClipboard(owner.m_hWnd))
        return "(not opened)";
    if (HANDLE h = ::GetClipboardData(nFormat)) {
        strText = static_cast<const char*>(::GlobalLock(h));
        ::GlobalUnlock(h);
    }
    ::CloseClipboard();
    return strText;
}

// A grid whose column 2 is a masked cell with pattern pszMask.
struct MaskFixture : CellGridFixture {
    explicit MaskFixture(const char* pszMask = kPhone, const CGXStyle& extra = CGXStyle())
        : CellGridFixture(GX_IDS_CTRL_MASKEDIT, CGXStyle(extra).SetUserAttribute(GX_IDS_UA_INPUTMASK, pszMask))
    {
        pMask = Control<CGXMaskControl>();
    }
    // Makes (nRow, 2) current and its editor active and focused.
    void Activate(ROWCOL nRow = 1)
    {
        MakeCurrent(nRow, 2);
        pMask->SetActive(TRUE);
        pMask->Refresh();
        grid.UpdateWindow();
        ASSERT_EQ(::GetFocus(), pMask->m_hWnd);
    }
    std::string Text()
    {
        CString str;
        pMask->GetWindowText(str);
        return str.GetString();
    }
    std::string Shown(ROWCOL nRow)
    {
        CString str;
        CGXComposedStyle style(&grid, nRow, 2);
        pMask->GetControlText(str, nRow, 2, nullptr, style.Get());
        return str.GetString();
    }
    std::string Value()
    {
        CString str;
        pMask->GetValue(str);
        return str.GetString();
    }
    int Caret()
    {
        int nStart, nEnd;
        pMask->GetSel(nStart, nEnd);
        return nStart == nEnd ? nStart : -100 - nStart;
    }
    void Caret(int n) { pMask->SetSel(n, n); }
    void PressWith(int nModifier, UINT nKey)
    {
        const HeldKey held(fake, nModifier);
        Press(nKey);
    }

    CGXMaskControl* pMask;
};

}  // namespace

TEST(MaskCell, StoresTheRawDataAndShowsTheDisplayString)
{
    MaskFixture f;
    f.SetValue(1, 2, "5551234");
    EXPECT_EQ(f.Shown(1), "(555) 123-4___");
    // an empty value is an empty cell, not a row of prompts
    EXPECT_EQ(f.Shown(2), "");
    DibCanvas canvas(500, 400);
    const auto whitePixels = [&](ROWCOL nRow) {
        f.DrawCell(canvas, nRow, 2);
        const CRect rect = f.CellRect(nRow, 2);
        const CRect inner(rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1);
        return CountColour(canvas, inner, RGB(255, 255, 255)) - inner.Width() * inner.Height();
    };
    EXPECT_EQ(whitePixels(2), 0);
    EXPECT_LT(whitePixels(1), 0);

    // the display form and the raw form store the same digits; a text that fits neither is refused
    for (const char* pszText : {"(555) 123-4567", "5551234567"}) {
        ASSERT_TRUE(f.grid.SetControlTextRowCol(3, 2, pszText, 2, nullptr)) << pszText;
        EXPECT_EQ(f.Stored(3, 2), "5551234567") << pszText;
    }
    CString strText("(55");
    EXPECT_TRUE(f.pMask->ConvertTextToValue(strText, 3, 2, nullptr));
    EXPECT_STREQ(strText, "55");

    // the editor shows the display with prompts and gives back the raw data
    f.Activate(1);
    EXPECT_EQ(f.Text(), "(555) 123-4___");
    EXPECT_EQ(f.Value(), "5551234");
}

TEST(MaskCell, TypingFollowsThePatternAndBeepsAtRefusedCharacters)
{
    MaskFixture f;
    f.Activate(1);
    EXPECT_EQ(f.Text(), "(___) ___-____");
    f.Press(VK_HOME);
    EXPECT_EQ(f.Caret(), 1);
    f.Type("5551");
    EXPECT_EQ(f.Text(), "(555) 1__-____");
    EXPECT_EQ(f.Caret(), 7);
    f.fake.ExpectBeep();
    f.Type("a");
    EXPECT_EQ(f.Text(), "(555) 1__-____");
    EXPECT_EQ(f.fake.CallsOf("MessageBeep").size(), 1u);

    // insert mode (the start) with the last position filled changes nothing
    f.Type("234567");
    EXPECT_EQ(f.Text(), "(555) 123-4567");
    f.Press(VK_HOME);
    f.Type("9");
    EXPECT_EQ(f.Text(), "(555) 123-4567");
    // overwrite mode replaces
    f.Press(VK_INSERT);
    EXPECT_FALSE(f.pMask->GetInsertMode());
    f.Type("9");
    EXPECT_EQ(f.Text(), "(955) 123-4567");

    // the store writes the raw data
    f.MakeCurrent(2, 2);
    EXPECT_EQ(f.Stored(1, 2), "9551234567");
}

TEST(MaskCell, UpperCaseLettersAndFreeTextBoundedByMaxLength)
{
    {
        MaskFixture f("UU");
        f.Activate(1);
        f.Type("a");
        EXPECT_EQ(f.Text(), "A_");
        f.MakeCurrent(2, 2);
        EXPECT_EQ(f.Stored(1, 2), "A");
    }
    {
        CGXStyle limit;
        limit.SetMaxLength(4);
        MaskFixture f("", limit);
        f.Activate(1);
        f.Type("ab c");
        f.fake.ExpectBeep();
        f.Type("d");
        EXPECT_EQ(f.Text(), "ab c");
        f.MakeCurrent(2, 2);
        EXPECT_EQ(f.Stored(1, 2), "ab c");
        ASSERT_TRUE(f.grid.SetControlTextRowCol(3, 2, "free text", 2, nullptr));
        EXPECT_EQ(f.Stored(3, 2), "free");
    }
}

TEST(MaskCell, EditorKeysMoveByPositionsAndLeaveAtTheEnds)
{
    MaskFixture f;
    f.SetValue(1, 2, "5551234");
    f.Activate(1);
    f.Caret(0);
    f.Press(VK_LEFT);
    ASSERT_EQ(f.grid.m_passedKeys.size(), 1u);
    EXPECT_EQ(f.grid.m_passedKeys.back(), UINT(VK_LEFT));
    f.Activate(1);
    f.Press(VK_END);
    EXPECT_EQ(f.Caret(), 11);
    f.Press(VK_HOME);
    EXPECT_EQ(f.Caret(), 1);
    f.Caret(3);
    f.Press(VK_RIGHT);
    EXPECT_EQ(f.Caret(), 6);  // over the literals
    f.Press(VK_LEFT);
    EXPECT_EQ(f.Caret(), 3);
    f.Caret(14);
    f.grid.m_passedKeys.clear();
    f.Press(VK_RIGHT);
    ASSERT_EQ(f.grid.m_passedKeys.size(), 1u);
    EXPECT_EQ(f.grid.m_passedKeys.back(), UINT(VK_RIGHT));

    // Backspace removes the character before the caret and shifts the rest left
    f.Activate(1);
    f.Caret(6);
    f.Press(VK_BACK);
    EXPECT_EQ(f.Text(), "(551) 234-____");
    EXPECT_EQ(f.Caret(), 3);
    // Delete at the caret, and on a selection without Shift empties it
    f.Press(VK_DELETE);
    EXPECT_EQ(f.Text(), "(552) 34_-____");
    f.pMask->SetSel(6, 14);
    f.Press(VK_DELETE);
    EXPECT_EQ(f.Text(), "(552) ___-____");
    EXPECT_EQ(f.Value(), "552");
}

TEST(MaskCell, GridKeysActivateAndDeleteEmptiesTheCell)
{
    MaskFixture f;
    f.SetValue(1, 2, "5551");
    f.MakeCurrent(1, 2);
    ASSERT_FALSE(f.pMask->IsActive());
    f.Press(VK_END);
    EXPECT_TRUE(f.pMask->IsActive());
    EXPECT_EQ(f.Caret(), 7);
    f.MakeCurrent(2, 2);
    f.MakeCurrent(1, 2);
    f.Press(VK_DELETE);
    EXPECT_TRUE(f.pMask->IsActive());
    EXPECT_EQ(f.Text(), "(___) ___-____");
    f.MakeCurrent(2, 2);
    EXPECT_EQ(f.Stored(1, 2), "");

    // a character typed on the inactive cell starts the edit; a refused one beeps
    f.MakeCurrent(3, 2);
    f.fake.ExpectBeep();
    f.Type("x");
    EXPECT_FALSE(f.pMask->IsActive());
    f.Type("7");
    EXPECT_TRUE(f.pMask->IsActive());
    EXPECT_EQ(f.Text(), "(7__) ___-____");
}

TEST(MaskCell, AnInvalidEditorTextKeepsTheCurrentCell)
{
    MaskFixture f("#U");
    f.Activate(1);
    f.Type("1");
    f.Press(VK_HOME);
    f.Type("2");  // inserting shifts the digit into the letter position
    EXPECT_EQ(f.Text(), "21");
    EXPECT_FALSE(f.pMask->ValidateInput());
    EXPECT_FALSE(f.grid.SetCurrentCell(2, 2));
    ROWCOL nRow = 0, nCol = 0;
    ASSERT_TRUE(f.grid.GetCurrentCell(nRow, nCol));
    EXPECT_EQ(nRow, 1u);
    EXPECT_EQ(f.fake.CallsOf("MessageBox").size(), 0u);
}

TEST(MaskCell, MaskDataOnTheClipboard)
{
    MaskFixture f;
    const UINT nFormat = CGXMaskControl::GetMaskDataFormat();
    f.Activate(1);
    SetClipboardText("1234", f.frame.m_hWnd);
    EXPECT_FALSE(f.pMask->CanPaste());
    PutOnClipboard("1234", sizeof("1234"), nFormat, f.frame.m_hWnd);
    EXPECT_TRUE(f.pMask->CanPaste());
    f.Caret(1);
    EXPECT_TRUE(f.pMask->Paste());
    EXPECT_EQ(f.Text(), "(123) 4__-____");

    // a plain text pastes as a display text, else as raw data
    SetClipboardText("56-", f.frame.m_hWnd);
    f.Caret(7);
    EXPECT_TRUE(f.pMask->Paste());
    EXPECT_EQ(f.Text(), "(123) 456-____");

    // Copy: the selected positions of the editor, nothing for an empty selection
    f.pMask->SetSel(2, 8);
    EXPECT_TRUE(f.pMask->Copy());
    EXPECT_EQ(ClipboardData(f.frame, nFormat), "2345");
    f.Caret(3);
    EXPECT_TRUE(f.pMask->Copy());
    EXPECT_EQ(ClipboardData(f.frame, nFormat), "(none)");

    // all positions of the inactive cell
    f.MakeCurrent(2, 2);
    f.MakeCurrent(1, 2);
    ASSERT_FALSE(f.pMask->IsActive());
    EXPECT_TRUE(f.pMask->Copy());
    EXPECT_EQ(ClipboardData(f.frame, nFormat), "123456");
}

TEST(MaskCell, SearchAndReplaceWorkOnTheDisplay)
{
    MaskFixture f;
    f.SetValue(1, 2, "5551234567");
    f.MakeCurrent(3, 2);
    GridFindReplaceState state;
    state.m_strFind = "";
    state.m_strReplace = "9";
    EXPECT_FALSE(f.pMask->ReplaceSel(state, 1, 2));
    state.m_strFind = "5";
    ASSERT_TRUE(f.pMask->ReplaceSel(state, 1, 2));
    EXPECT_EQ(f.Stored(1, 2), "9991234967");
    state.m_strFind = ") 1";
    EXPECT_TRUE(f.pMask->FindText(state, 1, 2, TRUE, FALSE));
}
