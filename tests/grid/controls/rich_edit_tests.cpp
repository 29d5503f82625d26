// The rich text cell in a grid window: plain text wrapped into Rich Text Format, formatting that goes
// into the text, drawing, the row following the text, keys, the clipboard, search and replace. Texts
// and formats are compared, never the bytes of the Rich Text Format the control writes.
#include "cell_test_support.h"

#include "ClipboardText.h"
#include "FakePrinterDC.h"

#include "grid/controls/GXRichEditCtrl.h"
#include "grid/engine/GXFindReplace.h"

#include <functional>

namespace {

struct RichFixture : CellGridFixture {
    explicit RichFixture(const CGXStyle& column = CGXStyle()) : CellGridFixture(GX_IDS_CTRL_RICHEDIT, column)
    {
        pRich = Control<CGXRichEditCtrl>();
    }
    void Activate(ROWCOL nRow)
    {
        MakeCurrent(nRow, 2);
        pRich->SetActive(TRUE);
        pRich->Refresh();
        grid.UpdateWindow();
        ASSERT_EQ(::GetFocus(), pRich->m_hWnd);
    }
    // The plain text of a cell's value.
    std::string Shown(ROWCOL nRow)
    {
        CString str;
        CGXComposedStyle style(&grid, nRow, 2);
        pRich->GetControlText(str, nRow, 2, nullptr, style.Get());
        return str.GetString();
    }
    std::string Editor() { return pRich->GetPlainText().GetString(); }
    void TypeWithCtrl(char ch)
    {
        const HeldKey held(fake, VK_CONTROL);
        ::SendMessageA(::GetFocus(), WM_CHAR, BYTE(ch), MAKELPARAM(1, 0));
    }

    CGXRichEditCtrl* pRich;
};

// A hidden rich edit control holding an RTF text, to read its formats back.
struct RtfReader {
    RtfReader(CWnd& parent, const std::string& rtf)
    {
        EXPECT_TRUE(ctrl.Create(ES_MULTILINE, CRect(0, 0, 200, 100), &parent, 99));
        GXStreamInRtf(ctrl, rtf.c_str());
    }
    // Whether characters nFrom to nTo are all bold.
    bool Bold(long nFrom, long nTo)
    {
        ctrl.SetSel(nFrom, nTo);
        CHARFORMATA cf = {};
        cf.cbSize = sizeof(cf);
        ctrl.GetSelectionCharFormat(cf);
        return (cf.dwMask & CFM_BOLD) && (cf.dwEffects & CFE_BOLD);
    }
    CRichEditCtrl ctrl;
};

}  // namespace

TEST(RichEditCell, FormatsAndStylesRoundTrip)
{
    RichFixture f;
    CGXStyle style;
    CGXFont font;
    font.SetWeight(FW_BOLD).SetItalic(TRUE).SetUnderline(TRUE).SetFaceName("Arial").SetSize(12);
    style.SetHorizontalAlignment(DT_RIGHT).SetTextColor(RGB(200, 10, 20)).ChangeFont(font, CGXStyle::gxOverride);
    PARAFORMAT pf;
    CHARFORMATA cf;
    f.pRich->StyleToFormats(pf, cf, style);
    EXPECT_EQ(pf.cbSize, 156u);
    EXPECT_EQ(cf.cbSize, 60u);
    EXPECT_EQ(pf.wAlignment, PFA_RIGHT);
    EXPECT_EQ(cf.yHeight, 240);
    EXPECT_TRUE((cf.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE)) == (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE));
    EXPECT_FALSE(cf.dwEffects & CFE_STRIKEOUT);

    CGXStyle back;
    ASSERT_TRUE(f.pRich->FormatsToStyle(pf, cf, back));
    EXPECT_EQ(back.GetHorizontalAlignment(), UINT(DT_RIGHT));
    EXPECT_EQ(back.GetTextColor(), RGB(200, 10, 20));
    const CGXFont& got = back.GetFontRef();
    EXPECT_EQ(got.WeightToFontWeight(), 700);
    EXPECT_TRUE(got.GetItalic());
    EXPECT_TRUE(got.GetUnderline());
    EXPECT_STREQ(got.GetFaceName(), "Arial");
    EXPECT_EQ(got.SizeToPoints(), 12.0);

    CGXStyle centred;
    centred.SetHorizontalAlignment(DT_CENTER);
    f.pRich->StyleToFormats(pf, cf, centred);
    EXPECT_EQ(cf.dwMask, 0u);
    CGXStyle centredBack;
    f.pRich->FormatsToStyle(pf, cf, centredBack);
    EXPECT_EQ(centredBack.GetHorizontalAlignment(), UINT(DT_CENTER));
}

TEST(RichEditCell, PlainTextIsWrappedEscapedAndCut)
{
    CGXStyle column;
    RichFixture f(column);
    ASSERT_TRUE(f.grid.SetControlTextRowCol(1, 2, "a\\b{c}", 2, nullptr));
    EXPECT_EQ(f.Stored(1, 2), "{a\\\\b\\{c\\}}");
    EXPECT_EQ(f.Shown(1), "a\\b{c}");

    CGXStyle limit;
    limit.SetMaxLength(10);
    f.ApplyStyle(2, 2, limit);
    ASSERT_TRUE(f.grid.SetControlTextRowCol(2, 2, "0123456789abc", 2, nullptr));
    EXPECT_EQ(f.Stored(2, 2), "{0123456789}");

    // plain text pasted into an inactive cell
    SetClipboardText("pasted text", f.frame.m_hWnd);
    f.MakeCurrent(3, 2);
    ASSERT_FALSE(f.pRich->IsActive());
    EXPECT_TRUE(f.pRich->Paste());
    EXPECT_EQ(f.Stored(3, 2), "{pasted text}");
    EXPECT_EQ(f.Shown(3), "pasted text");

    // typed into the editor, it reads back as typed
    f.Activate(4);
    f.Type("a\\b{c}");
    f.MakeCurrent(5, 2);
    EXPECT_EQ(f.Shown(4), "a\\b{c}");
}

TEST(RichEditCell, AnEmptyValueDrawsNothing)
{
    RichFixture f;
    DibCanvas canvas(500, 400);
    const auto whiteShortfall = [&](ROWCOL nRow) {
        f.DrawCell(canvas, nRow, 2);
        const CRect rect = f.CellRect(nRow, 2);
        const CRect inner(rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1);
        return inner.Width() * inner.Height() - CountColour(canvas, inner, RGB(255, 255, 255));
    };
    EXPECT_EQ(whiteShortfall(2), 0);
}

TEST(RichEditCell, AFontOnTheCellGoesIntoItsText)
{
    RichFixture f;
    f.SetValue(1, 2, "{Some text}");
    CGXStyle bold;
    bold.ChangeFont(CGXFont().SetWeight(FW_BOLD), CGXStyle::gxOverride);
    f.ApplyStyle(1, 2, bold);
    CGXStyle stored;
    f.grid.GetStyleRowCol(1, 2, stored, CGXStyle::gxCopy, 0);
    EXPECT_FALSE(stored.GetIncludeFont());
    EXPECT_EQ(f.Shown(1), "Some text");
    RtfReader reader(f.frame, f.Stored(1, 2));
    EXPECT_TRUE(reader.Bold(0, 9));
    // the value's formats read back into a style
    CGXStyle formats;
    formats.SetValue(f.Stored(1, 2).c_str());
    f.pRich->GetValueIntoStyle(1, 2, formats);
    EXPECT_EQ(formats.GetFontRef().WeightToFontWeight(), 700);
}

TEST(RichEditCell, KeysLeaveTheEditorAtItsEnds)
{
    RichFixture f;
    f.SetValue(1, 2, "{Hello}");
    f.Activate(1);
    f.pRich->SetSel(0, 0);
    f.Press(VK_LEFT);
    EXPECT_EQ(f.grid.m_passedKeys, std::vector<UINT>{VK_LEFT});
    f.Activate(1);
    f.pRich->SetSel(5, 5);
    f.grid.m_passedKeys.clear();
    f.Press(VK_RIGHT);
    EXPECT_EQ(f.grid.m_passedKeys, std::vector<UINT>{VK_RIGHT});
    f.Activate(1);
    f.grid.m_passedKeys.clear();
    f.Press(VK_RETURN);
    EXPECT_EQ(f.grid.m_passedKeys, std::vector<UINT>{VK_RETURN});

    // Ctrl+C, Ctrl+X and Ctrl+V copy, cut and paste
    f.Activate(1);
    f.pRich->SetSel(1, 4);
    f.TypeWithCtrl(3);
    EXPECT_EQ(ClipboardText(f.frame.m_hWnd), "ell");
    f.TypeWithCtrl(24);
    EXPECT_EQ(f.Editor(), "Ho");
    f.pRich->SetSel(2, 2);
    f.TypeWithCtrl(22);
    EXPECT_EQ(f.Editor(), "Hoell");
}

TEST(RichEditCell, EnterStaysInACellThatAllowsIt)
{
    CGXStyle column;
    column.SetAllowEnter(TRUE).SetWrapText(TRUE);
    RichFixture f(column);
    f.SetValue(1, 2, "{Hello}");
    f.Activate(1);
    f.pRich->SetSel(5, 5);
    f.Press(VK_RETURN);
    EXPECT_TRUE(f.grid.m_passedKeys.empty());
}

TEST(RichEditCell, SearchFindsInInactiveCellsAndReplaceKeepsFormatting)
{
    RichFixture f;
    f.SetValue(2, 2, "{Some {\\b Bold} text}");
    f.MakeCurrent(1, 2);
    GridFindReplaceState state;
    state.m_strFind = "Bold";
    ASSERT_TRUE(f.pRich->FindText(state, 2, 2, TRUE, TRUE));
    EXPECT_EQ(f.pRich->GetRow(), 2u);
    EXPECT_TRUE(f.pRich->IsActive());
    CHARRANGE cr;
    f.pRich->GetSel(cr);
    EXPECT_EQ(cr.cpMin, 5);
    EXPECT_EQ(cr.cpMax, 9);

    f.SetValue(3, 2, "{\\rtf1 {\\b Bold} plain}");
    state.m_strFind = "plain";
    state.m_strReplace = "other";
    ASSERT_TRUE(f.pRich->ReplaceSel(state, 3, 2));
    EXPECT_EQ(f.Shown(3), "Bold other");
    RtfReader reader(f.frame, f.Stored(3, 2));
    EXPECT_TRUE(reader.Bold(0, 4));
    state.m_strFind = "";
    EXPECT_FALSE(f.pRich->ReplaceSel(state, 3, 2));
}

namespace {

// The bounds of the pixels of canvas that are not white (empty when there are none).
CRect InkBounds(int nWidth, int nHeight, const std::function<COLORREF(int, int)>& at)
{
    CRect bounds(0, 0, 0, 0);
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
            if (at(x, y) != RGB(255, 255, 255))
                bounds |= CRect(x, y, x + 1, y + 1);
    return bounds;
}

bool Reddish(COLORREF colour)
{
    return GetRValue(colour) > 128 && GetGValue(colour) < 100 && GetBValue(colour) < 100;
}

}  // namespace

TEST(RichEditCell, InactiveCellsDrawTheirTextOnScreenAndOnPaper)
{
    RichFixture f;
    f.SetValue(2, 2, "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\cf1 Red text}");
    f.MakeCurrent(1, 1);
    // the cell's place on the screen, also while printing
    const CRect rect = f.CellRect(2, 2);
    CGXComposedStyle style(&f.grid, 2, 2);
    const auto draw = [&](CDC& dc) { f.pRich->Draw(&dc, rect, 2, 2, style.Get(), nullptr); };

    DibCanvas screen(500, 400);
    draw(screen.dc);
    const CRect ink = InkBounds(500, 400, [&](int x, int y) { return screen.At(x, y); });
    ASSERT_FALSE(ink.IsRectEmpty()) << "the text is drawn";
    EXPECT_TRUE(CRect().IntersectRect(ink, rect) && (ink & rect) == ink) << "inside the cell";
    int nRed = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            nRed += Reddish(screen.At(x, y)) ? 1 : 0;
    EXPECT_GT(nRed, 10) << "in the text's own colour";

    // printed in black and white: no colour left
    DibCanvas paper(500, 400);
    f.grid.GetParam()->GetProperties()->SetBlackWhite(TRUE);
    f.grid.SetPrinting(&paper.dc, FALSE);
    draw(paper.dc);
    f.grid.SetPrinting(nullptr);
    int nDark = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) {
            const COLORREF colour = paper.At(x, y);
            ASSERT_TRUE(GetRValue(colour) == GetGValue(colour) && GetGValue(colour) == GetBValue(colour))
                << "only greys: " << std::hex << colour;
            nDark += GetRValue(colour) < 100 ? 1 : 0;
        }
    EXPECT_GT(nDark, 10);

    // a printer of twice the screen's resolution gets the text twice as large, inside the scaled cell
    f.grid.GetParam()->GetProperties()->SetBlackWhite(FALSE);
    const int nDpi = 2 * ::GetDeviceCaps(screen.dc.m_hDC, LOGPIXELSX);
    CFakePrinterDC printer(1000, 800, nDpi, nDpi);
    printer.StartPage();
    f.grid.SetPrinting(&printer, FALSE);
    const int nSaved = printer.SaveDC();
    f.grid.PrepareGridDC(&printer, TRUE);
    draw(printer);
    printer.RestoreDC(nSaved);
    f.grid.SetPrinting(nullptr);
    const CRect printed = InkBounds(1000, 800, [&](int x, int y) { return printer.PixelAt(x, y); });
    const CRect scaled(rect.left * 2, rect.top * 2, rect.right * 2, rect.bottom * 2);
    EXPECT_EQ(printed & scaled, printed) << "inside the scaled cell";
    EXPECT_GE(printed.Width(), ink.Width() * 3 / 2);
}

TEST(RichEditCell, WithAutoSizeTheRowFollowsTheLinesWhileTheUserTypes)
{
    CGXStyle column;
    column.SetAutoSize(TRUE).SetAllowEnter(TRUE).SetWrapText(TRUE);
    RichFixture f(column);
    f.SetValue(1, 2, "{abc}");
    f.Activate(1);
    const int nInitial = f.grid.GetRowHeight(1);
    f.pRich->SetSel(3, 3);
    const auto key = [&](UINT nKey, char ch) {
        ::SendMessageA(::GetFocus(), WM_KEYDOWN, nKey, MAKELPARAM(1, 0));
        ::SendMessageA(::GetFocus(), WM_CHAR, BYTE(ch), MAKELPARAM(1, 0));
        ::SendMessageA(::GetFocus(), WM_KEYUP, nKey, MAKELPARAM(1, 0xC000));
    };
    const auto caret = [&] {
        CHARRANGE cr;
        f.pRich->GetSel(cr);
        return cr.cpMin;
    };
    key(VK_RETURN, '\r');
    const int nTwoLines = f.grid.GetRowHeight(1);
    EXPECT_GT(nTwoLines, nInitial) << "the row grows with the second line at once";
    key('D', 'd');
    key('E', 'e');
    EXPECT_EQ(f.Editor(), "abc\r\nde") << "growing keeps what was typed";
    EXPECT_EQ(::GetFocus(), f.pRich->m_hWnd);
    EXPECT_EQ(caret(), 7);

    for (int i = 0; i < 3; ++i)
        key(VK_BACK, 8);
    EXPECT_EQ(f.Editor(), "abc");
    EXPECT_EQ(caret(), 3);
    EXPECT_LT(f.grid.GetRowHeight(1), nTwoLines) << "the row shrinks with the line gone";
    EXPECT_GE(f.grid.GetRowHeight(1), nInitial);
    for (int i = 0; i < 7; ++i)
        key(VK_BACK, 8);
    EXPECT_EQ(f.Editor(), "");
    EXPECT_GE(f.grid.GetRowHeight(1), nInitial) << "never below its height when editing began";
    f.Type("x");
    EXPECT_EQ(f.Editor(), "x");
    f.MakeCurrent(2, 2);
    EXPECT_EQ(f.Shown(1), "x");
}
