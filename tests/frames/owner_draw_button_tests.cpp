// The owner-drawn button base: its frames, content rectangle, disabled and focus looks (pixels of a
// memory DC), and the owner-draw style it keeps.
#include "ButtonTestSupport.h"

namespace {

const CSize kSize(40, 24);

// A button whose content is a black 4 by 4 square at (10, 8) of the content rectangle, which it keeps.
class CProbeButton : public SECOwnerDrawButton {
public:
    void DrawContent(CDC* pDC, LPDRAWITEMSTRUCT, const CRect& rcContent) override
    {
        content = rcContent;
        pDC->FillSolidRect(rcContent.left + 10, rcContent.top + 8, 4, 4, kBlack);
    }
    void Clicked() override { nClicks++; }

    CRect content;
    int nClicks = 0;
};

class OwnerDrawButtonTest : public ToolkitButtonTest {
protected:
    void SetUp() override
    {
        ToolkitButtonTest::SetUp();
        ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, CRect(CPoint(10, 10), kSize), &parent, 100));
    }

    CProbeButton button;
    DibCanvas canvas{kSize.cx, kSize.cy};
};

TEST_F(OwnerDrawButtonTest, FramesAndContentByState)
{
    const int r = kSize.cx - 1;
    const int b = kSize.cy - 1;
    const struct {
        const char* state;
        UINT nState;
        BOOL bFlat;
        COLORREF outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
        CRect content;
    } cases[] = {
        {"up", 0, FALSE, Hilite(), WindowFrame(), Face(), Shadow(), CRect(0, 0, r, b)},
        {"pressed", ODS_SELECTED, FALSE, WindowFrame(), Hilite(), Shadow(), Face(), CRect(1, 1, r + 1, b + 1)},
        {"flat", 0, TRUE, Face(), Face(), Face(), Face(), CRect(0, 0, r, b)},
        {"flat pressed", ODS_SELECTED, TRUE, WindowFrame(), Hilite(), Shadow(), Face(), CRect(1, 1, r + 1, b + 1)},
    };
    for (const auto& c : cases) {
        button.SetFlat(c.bFlat);
        DrawItemInto(button, canvas, c.nState);
        EXPECT_EQ(canvas.At(0, 0), c.outerTopLeft) << c.state;
        EXPECT_EQ(canvas.At(r, b), c.outerBottomRight) << c.state;
        EXPECT_EQ(canvas.At(1, 1), c.innerTopLeft) << c.state;
        EXPECT_EQ(canvas.At(r - 1, b - 1), c.innerBottomRight) << c.state;
        EXPECT_EQ(button.content, c.content) << c.state;
        const CPoint square = c.content.TopLeft() + CPoint(10, 8);
        EXPECT_EQ(canvas.At(square.x, square.y), kBlack) << c.state;
        EXPECT_EQ(canvas.At(square.x - 1, square.y), Face()) << c.state;
    }
}

TEST_F(OwnerDrawButtonTest, DisabledContentIsEmbossed)
{
    DrawItemInto(button, canvas, ODS_DISABLED);
    // the square in the shadow colour, its highlight one pixel right and down
    EXPECT_EQ(canvas.At(10, 8), Shadow());
    EXPECT_EQ(canvas.At(13, 11), Shadow());
    EXPECT_EQ(canvas.At(14, 12), Hilite());
    EXPECT_EQ(canvas.At(14, 9), Hilite());
    EXPECT_EQ(canvas.At(14, 8), Face());
    EXPECT_EQ(canvas.At(9, 8), Face());
    // the frame keeps its colours
    EXPECT_EQ(canvas.At(0, 0), Hilite());
    EXPECT_EQ(canvas.At(kSize.cx - 2, kSize.cy - 2), Shadow());
}

TEST_F(OwnerDrawButtonTest, FocusIsADottedRectangleThatAFocusChangeTakesOff)
{
    // the pixels of row y from x0 to x1 (excluded) that are not the face colour
    auto dots = [&](int y, int x0, int x1) {
        int n = 0;
        for (int x = x0; x < x1; x++)
            n += canvas.At(x, y) != Face() ? 1 : 0;
        return n;
    };
    // not pressed: the item inflated by -1, less a pixel at right and bottom, inflated by another -1
    const CRect focus(2, 2, kSize.cx - 3, kSize.cy - 3);
    DrawItemInto(button, canvas, ODS_FOCUS);
    const int nHalf = focus.Width() / 2;
    EXPECT_NEAR(dots(focus.top, focus.left, focus.right), nHalf, 1);
    EXPECT_NEAR(dots(focus.bottom - 1, focus.left, focus.right), nHalf, 1);
    EXPECT_NE(canvas.At(focus.left, focus.top), canvas.At(focus.left + 1, focus.top));
    EXPECT_EQ(dots(focus.top + 1, focus.left + 1, focus.right - 1), 0);
    EXPECT_EQ(canvas.At(focus.right, focus.top + 1), Face());

    // losing the focus draws only the rectangle again, which takes it off
    DrawItemInto(button, canvas, 0, ODA_FOCUS);
    EXPECT_EQ(dots(focus.top, focus.left, focus.right), 0);
    EXPECT_EQ(dots(focus.bottom - 1, focus.left, focus.right), 0);

    // pressed: one pixel right and down
    DrawItemInto(button, canvas, ODS_FOCUS | ODS_SELECTED);
    EXPECT_EQ(dots(focus.top, focus.left, focus.right), 0);
    EXPECT_NEAR(dots(focus.top + 1, focus.left + 1, focus.right + 1), nHalf, 1);
}

TEST_F(OwnerDrawButtonTest, DrawingSuspendedDrawsNothing)
{
    class CSuspended : public CProbeButton {
    public:
        void Suspend() { SetDrawAllowed(FALSE); }
    } suspended;
    ASSERT_TRUE(suspended.Create("", WS_CHILD, CRect(0, 0, 40, 24), &parent, 101));
    suspended.Suspend();
    DrawItemInto(suspended, canvas, ODS_FOCUS);
    EXPECT_EQ(canvas.At(0, 0), kWhite);
    EXPECT_EQ(canvas.At(2, 2), kWhite);
}

TEST_F(OwnerDrawButtonTest, OwnerDrawStyleIsKept)
{
    EXPECT_EQ(button.GetStyle() & 0x0F, DWORD(BS_OWNERDRAW));
    button.SendMessage(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(button.GetStyle() & 0x0F, DWORD(BS_OWNERDRAW));

    // a dialog's button taken over
    CButton plain;
    ASSERT_TRUE(plain.Create("plain", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 40, 20), &parent, 102));
    const HWND hWnd = plain.Detach();
    SECOwnerDrawButton taken;
    ASSERT_TRUE(taken.SubclassDlgItem(102, &parent));
    EXPECT_EQ(taken.m_hWnd, hWnd);
    EXPECT_EQ(taken.GetStyle() & 0x0F, DWORD(BS_OWNERDRAW));
}

TEST_F(OwnerDrawButtonTest, ASpaceKeyUpClicksAndAnswersDialogCodes)
{
    button.SendMessage(WM_KEYUP, VK_RETURN, 0);
    EXPECT_EQ(button.nClicks, 0);
    button.SendMessage(WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(button.nClicks, 1);

    // without the focus the default flag gives no default push button
    button.SetButtonFlags(SEC_ODBTN_DEFAULT);
    EXPECT_EQ(button.SendMessage(WM_GETDLGCODE), LRESULT(DLGC_BUTTON));
}

TEST_F(OwnerDrawButtonTest, TheParentsDrawItemReachesTheButton)
{
    // the system's paint of an owner-drawn button goes through the parent to DrawItem
    parent.ShowWindow(SW_SHOWNOACTIVATE);
    button.content.SetRectEmpty();
    button.UpdateWindow();
    button.RedrawWindow();
    EXPECT_EQ(button.content, CRect(0, 0, kSize.cx - 1, kSize.cy - 1));
}

} // namespace
