// Bitmap buttons (layout by alignment, drawing with the system's button colours, sizing to content,
// replacing the bitmap, the panes' way of making them) and menu buttons (arrow, alignment, where the
// menu drops and for whom, the click that closes the menu).
#include "ButtonTestSupport.h"

#include "win/CControlBar.h"
#include "win/CFrameWnd.h"

namespace {

const CSize kBands(12, 10);
const CSize kButton(80, 40);
const COLORREF kRed = RGB(255, 0, 0);

// The bounds of the pixels of rect that do not show the face colour.
CRect InkIn(const DibCanvas& canvas, const CRect& rect)
{
    return BoundsWhere(canvas, rect, [](COLORREF c) { return c != Face(); });
}

using BitmapButtonTest = ToolkitButtonTest;

TEST_F(BitmapButtonTest, AlignmentsPlaceTheBitmapAndTheText)
{
    const CSize text = MeasuredText("Go");
    // the client rectangle less 3 at right and bottom: 77 by 37
    const struct {
        int nAlign;
        CRect bitmap;
        CRect text;
    } cases[] = {
        {SECBitmapButton::AlignLeft, CRect(5, 13, 17, 23), CRect(18, 0, 77, 37)},
        {SECBitmapButton::AlignRight, CRect(60, 13, 72, 23), CRect(0, 0, 59, 37)},
        {SECBitmapButton::AlignTop, CRect(32, 5, 44, 15), CRect(0, 16, 77, 37)},
        {SECBitmapButton::AlignBottom, CRect(32, 22, 44, 32), CRect(0, 0, 77, 21)},
        {SECBitmapButton::AlignOnly, CRect(32, 13, 44, 23), CRect(0, 0, 0, 0)},
    };
    for (const auto& c : cases) {
        SECBitmapButton button;
        const CRect rect(CPoint(0, 0), kButton);
        ASSERT_TRUE(button.Create("Go", WS_CHILD, IDB_TEST_BANDS, rect, &parent, 200, c.nAlign));
        EXPECT_EQ(button.GetBitmapRect(), c.bitmap) << c.nAlign;
        EXPECT_EQ(button.GetTextRect(), c.text) << c.nAlign;

        DibCanvas canvas(kButton.cx, kButton.cy);
        DrawItemInto(button, canvas, 0);
        // the bitmap in the system's button colours, red staying red
        const CPoint at = c.bitmap.TopLeft();
        EXPECT_EQ(canvas.At(at.x, at.y), ::GetSysColor(COLOR_BTNTEXT)) << c.nAlign;
        EXPECT_EQ(canvas.At(at.x + 3, at.y), Shadow()) << c.nAlign;
        EXPECT_EQ(canvas.At(at.x + 6, at.y), Face()) << c.nAlign;
        EXPECT_EQ(canvas.At(at.x + 9, at.y), Hilite()) << c.nAlign;
        EXPECT_EQ(BoundsOf(canvas, kRed), CRect(at.x, at.y + 8, at.x + 12, at.y + 10)) << c.nAlign;
        // the text centred in its rectangle; nothing but the bitmap without text
        if (c.nAlign == SECBitmapButton::AlignOnly) {
            EXPECT_EQ(InkIn(canvas, CRect(2, 2, kButton.cx - 2, kButton.cy - 2)), c.bitmap);
            continue;
        }
        CRect inside; // the text rectangle inside the frame
        inside.IntersectRect(c.text, CRect(2, 2, kButton.cx - 2, kButton.cy - 2));
        const CRect ink = InkIn(canvas, inside);
        ASSERT_FALSE(ink.IsRectEmpty()) << c.nAlign;
        const CPoint extent(c.text.left + (c.text.Width() - text.cx) / 2, c.text.top + (c.text.Height() - text.cy) / 2);
        EXPECT_GE(ink.left, extent.x) << c.nAlign;
        EXPECT_LE(ink.right, extent.x + text.cx) << c.nAlign;
        EXPECT_GE(ink.top, extent.y) << c.nAlign;
        EXPECT_LE(ink.bottom, extent.y + text.cy) << c.nAlign;
    }
}

TEST_F(BitmapButtonTest, PressedContentMovesAndLayoutFollowsTheSize)
{
    SECBitmapButton button;
    ASSERT_TRUE(button.Create(nullptr, WS_CHILD, IDB_TEST_BANDS, CRect(CPoint(0, 0), kButton), &parent, 200));
    DibCanvas canvas(kButton.cx, kButton.cy);
    DrawItemInto(button, canvas, ODS_SELECTED);
    EXPECT_EQ(BoundsOf(canvas, kRed), CRect(33, 22, 45, 24));

    button.MoveWindow(0, 0, 30, 20);
    EXPECT_EQ(button.GetBitmapRect(), CRect(7, 3, 19, 13)); // centred in 27 by 17
    button.SetMargins(2, 2);
    EXPECT_EQ(button.GetMargins(), CSize(2, 2));
}

TEST_F(BitmapButtonTest, SizeToContentAddsMarginsAndThree)
{
    const CSize text = MeasuredText("Apply all");
    const struct {
        int nAlign;
        CSize size;
    } cases[] = {
        {SECBitmapButton::AlignLeft, CSize(12 + text.cx + 5 + 2 * 5 + 3, (std::max)(10, int(text.cy)) + 2 * 5 + 3)},
        {SECBitmapButton::AlignBottom, CSize((std::max)(12, int(text.cx)) + 2 * 5 + 3, 10 + text.cy + 5 + 2 * 5 + 3)},
        {SECBitmapButton::AlignOnly, CSize(12 + 2 * 5 + 3, 10 + 2 * 5 + 3)},
    };
    for (const auto& c : cases) {
        SECBitmapButton button;
        ASSERT_TRUE(button.Create("Apply all", WS_CHILD, IDB_TEST_BANDS, CRect(0, 0, 5, 5), &parent, 200, c.nAlign));
        button.SizeToContent();
        CRect rect;
        button.GetWindowRect(rect);
        EXPECT_EQ(rect.Size(), c.size) << c.nAlign;
    }
}

TEST_F(BitmapButtonTest, AMissingBitmapKeepsTheOneBefore)
{
    SECBitmapButton button;
    EXPECT_FALSE(button.Create(nullptr, WS_CHILD, IDB_TEST_MISSING, CRect(0, 0, 20, 20), &parent, 200));
    EXPECT_EQ(button.m_hWnd, nullptr);

    ASSERT_TRUE(button.Create(nullptr, WS_CHILD, IDB_TEST_BANDS, CRect(0, 0, 20, 20), &parent, 200));
    const HBITMAP hBands = button.GetBitmapHandle();
    EXPECT_FALSE(button.SetBitmap(IDB_TEST_MISSING));
    EXPECT_EQ(button.GetBitmapHandle(), hBands);
    EXPECT_EQ(button.GetBitmapSize(), kBands);

    EXPECT_TRUE(button.SetBitmap(IDB_TEST_SQUARE));
    EXPECT_EQ(button.GetBitmapSize(), CSize(8, 8));
    EXPECT_EQ(button.GetBitmapRect(), CRect(4, 4, 12, 12)); // laid out again: centred in 17 by 17

    ExpectInvalidArg([&] { button.SetAlignment(5); }, "alignment 5");
}

TEST_F(BitmapButtonTest, APanesButtonIsOwnerDrawnWithItsBitmap)
{
    // no text, WS_CHILD | WS_VISIBLE, an empty rectangle; then the flat flag, then the pane's layout
    SECBitmapButton button;
    ASSERT_TRUE(button.Create(nullptr, WS_CHILD | WS_VISIBLE, IDB_TEST_BANDS, CRect(0, 0, 0, 0), &parent, 203));
    button.SetFlat(TRUE);
    EXPECT_EQ(button.GetStyle() & 0x0F, DWORD(BS_OWNERDRAW));
    EXPECT_EQ(button.GetBitmapSize(), kBands);
    EXPECT_TRUE(button.IsFlat());
    button.SetWindowPos(nullptr, 40, 15, 20, 20, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(button.GetBitmapRect(), CRect(2, 3, 14, 13));

    DibCanvas canvas(20, 20);
    DrawItemInto(button, canvas, 0);
    EXPECT_EQ(canvas.At(0, 0), Face()); // flat: no frame
    EXPECT_EQ(BoundsOf(canvas, kRed), CRect(2, 11, 14, 13));
}

TEST_F(BitmapButtonTest, AttachingTakesTheDialogsButtonOnlyWithItsBitmap)
{
    CButton plain;
    ASSERT_TRUE(plain.Create("Add", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 60, 24), &parent, 210));
    const HWND hWnd = plain.Detach();

    SECBitmapButton missing;
    EXPECT_FALSE(missing.AttachButton(210, SECBitmapButton::AlignLeft, IDB_TEST_MISSING, &parent));
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_FALSE(missing.AttachButton(211, SECBitmapButton::AlignLeft, IDB_TEST_BANDS, &parent)); // no such item

    SECBitmapButton attached;
    ASSERT_TRUE(attached.AttachButton(210, SECBitmapButton::AlignRight, IDB_TEST_BANDS, &parent, SEC_ODBTN_DEFAULT));
    EXPECT_EQ(attached.m_hWnd, hWnd);
    EXPECT_EQ(attached.GetStyle() & 0x0F, DWORD(BS_OWNERDRAW));
    EXPECT_EQ(attached.GetButtonFlags(), DWORD(SEC_ODBTN_DEFAULT));
    EXPECT_EQ(attached.GetBitmapRect(), CRect(60 - 3 - 12 - 5, 5, 60 - 3 - 5, 15));
}

// ---- menu buttons ----------------------------------------------------------------------------------

class MenuButtonTest : public ToolkitButtonTest {
protected:
    // A popup menu of two items.
    static HMENU MakeMenu()
    {
        HMENU hMenu = ::CreatePopupMenu();
        ::AppendMenuA(hMenu, MF_STRING, 501, "First");
        ::AppendMenuA(hMenu, MF_STRING, 502, "Second");
        return hMenu;
    }
};

TEST_F(MenuButtonTest, ArrowAndAlignmentFollowTextAndDirection)
{
    SECMenuButton withText;
    ASSERT_TRUE(withText.Create("More", WS_CHILD, CRect(0, 0, 70, 24), &parent, 300));
    EXPECT_EQ(withText.GetAlignment(), int(SECBitmapButton::AlignRight));
    EXPECT_EQ(withText.GetBitmapSize(), CSize(7, 4)); // IDB_SEC_ARROWDOWN
    withText.SetDirection(SECMenuButton::DropRight);
    EXPECT_EQ(withText.GetBitmapSize(), CSize(4, 7)); // IDB_SEC_ARROWRIGHT

    SECMenuButton arrowOnly;
    ASSERT_TRUE(arrowOnly.Create(nullptr, WS_CHILD, CRect(0, 0, 20, 20), &parent, 301, SECMenuButton::DropRight));
    EXPECT_EQ(arrowOnly.GetAlignment(), int(SECBitmapButton::AlignOnly));
    EXPECT_EQ(arrowOnly.GetBitmapSize(), CSize(4, 7));

    ExpectInvalidArg([&] { arrowOnly.SetDirection(2); }, "direction 2");
}

TEST_F(MenuButtonTest, MenuDropsBelowOrRightForTheParentWithoutDrawingTheButton)
{
    for (int nDirection : {int(SECMenuButton::DropDown), int(SECMenuButton::DropRight)}) {
        SECMenuButton button;
        ASSERT_TRUE(button.Create("More", WS_CHILD, CRect(30, 20, 100, 44), &parent, 300, nDirection));
        button.SetMenu(MakeMenu());
        CRect rcWindow;
        button.GetWindowRect(rcWindow);
        DibCanvas canvas(70, 24);
        fake.ExpectPopupMenu(502, [&](HMENU hMenu) {
            EXPECT_EQ(hMenu, button.GetMenuHandle());
            DrawItemInto(button, canvas, ODS_SELECTED); // suspended while the menu shows
        });
        button.Clicked();
        const CFakeServices::Call popup = fake.CallsOf("TrackPopupMenu").back();
        const CPoint expected = nDirection == SECMenuButton::DropDown ? CPoint(rcWindow.left, rcWindow.bottom)
                                                                      : CPoint(rcWindow.right, rcWindow.top);
        EXPECT_EQ(CPoint(popup.pt), expected);
        EXPECT_EQ(popup.hWnd, parent.m_hWnd);
        EXPECT_EQ(popup.nType & (TPM_CENTERALIGN | TPM_RIGHTALIGN | TPM_RETURNCMD), 0u);
        EXPECT_EQ(canvas.At(0, 0), kWhite);
        // drawing again afterwards
        DrawItemInto(button, canvas, 0);
        EXPECT_EQ(canvas.At(0, 0), Hilite());
    }
    PumpWaitingMessages();
    EXPECT_EQ(parent.clicks, (std::vector<UINT>{502, 502})); // the chosen command reaches the parent
}

TEST_F(MenuButtonTest, InAControlBarTheBarsFrameOwnsTheMenu)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "menu owner", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    class CBar : public CControlBar {
    } bar;
    ASSERT_TRUE(bar.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 300, 30), pFrame,
                           0xE820));
    SECMenuButton button;
    ASSERT_TRUE(button.Create(nullptr, WS_CHILD | WS_VISIBLE, CRect(2, 2, 22, 22), &bar, 300));
    button.SetMenu(MakeMenu());
    fake.ExpectPopupMenu(0);
    button.Clicked();
    EXPECT_EQ(fake.CallsOf("TrackPopupMenu").back().hWnd, pFrame->m_hWnd);
    button.DestroyWindow();
    bar.DestroyWindow();
    pFrame->DestroyWindow();
}

TEST_F(MenuButtonTest, TheClickThatClosesTheMenuDoesNotOpenItAgain)
{
    SECMenuButton button;
    ASSERT_TRUE(button.Create(nullptr, WS_CHILD | WS_VISIBLE, CRect(2, 2, 22, 22), &parent, 300));
    button.SetMenu(MakeMenu());
    // the press on the button that closed the menu waits in the queue when the tracking returns
    fake.ExpectPopupMenu(0, [&](HMENU) { button.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); });
    button.Clicked();
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, button.m_hWnd, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_NOREMOVE));
    PumpWaitingMessages(); // an unscripted second popup would fail the test
    EXPECT_EQ(fake.CallsOf("TrackPopupMenu").size(), 1u);

    // without a menu a click does nothing
    button.SetMenu(nullptr);
    button.Clicked();
    EXPECT_EQ(fake.CallsOf("TrackPopupMenu").size(), 1u);
}

} // namespace
