// Image buttons and separators: their sizes, how they draw in each state and look (pixels of a memory
// DC), and how they answer presses, releases and tooltip hit tests.
#include "ToolkitTestSupport.h"

#include <cstddef>
#include <string>

namespace {

const int kLeft = 10; // where the buttons of the drawing tests stand on the canvas
const int kTop = 6;

class ButtonTest : public BarTest {
protected:
    // A button of command nID with style nStyle, joined to the bar at (x, y).
    SECStdBtn* AddButton(UINT nID, UINT nStyle = 0, int x = kLeft, int y = kTop)
    {
        SECStdBtn* pBtn = new SECStdBtn;
        pBtn->m_nID = nID;
        pBtn->m_nStyle = nStyle;
        HBITMAP hBitmap = nullptr;
        if (nID != 0)
            bar.m_pBmpMgr->GetImage(nID, hBitmap, pBtn->m_nImage);
        return bar.Add(pBtn, x, y);
    }
    void Draw(SECStdBtn* pBtn) { DrawButton(pBtn, canvas); }
    // The canvas pixel at (dx, dy) from the button's top-left.
    COLORREF At(int dx, int dy) const { return canvas.At(kLeft + dx, kTop + dy); }

    DibCanvas canvas{60, 40};
};

// The square's image sits at (3, 3) in a 23 by 22 button, its black square 4 pixels further in.
const int kImageX = (23 - 16 - 1) / 2;
const int kImageY = (22 - 15) / 2;
const int kSquare = 4;

// ---- sizes -----------------------------------------------------------------------------------------------

TEST_F(ButtonTest, SizesFollowTheImagesAndRaiseTheWidestButtonRecord)
{
    SECStdBtn* pSeparator = AddButton(0, TBBS_SEPARATOR);
    EXPECT_EQ(CSize(pSeparator->m_cx, pSeparator->m_cy), CSize((16 + 8) / 3, 15 + 7));
    EXPECT_EQ(bar.nMaxBtnWidth, 8);
    SECStdBtn* pButton = AddButton(ID_TB_SQUARE);
    EXPECT_EQ(CSize(pButton->m_cx, pButton->m_cy), CSize(23, 22));
    EXPECT_EQ(bar.nMaxBtnWidth, 23);

    bar.m_pBmpMgr->SetSmallImages(FALSE); // 22 by 24 images
    pSeparator->ComputeSize();
    pButton->ComputeSize();
    EXPECT_EQ(CSize(pSeparator->m_cx, pSeparator->m_cy), CSize((22 + 8) / 3, 24 + 7));
    EXPECT_EQ(CSize(pButton->m_cx, pButton->m_cy), CSize(29, 31));
    EXPECT_EQ(bar.nMaxBtnWidth, 29);
}

// ---- drawing ---------------------------------------------------------------------------------------------

TEST_F(ButtonTest, ButtonOutsideThePaintAreaDrawsNothing)
{
    SECStdBtn* pBtn = AddButton(ID_TB_SQUARE, 0, 30, 0);
    canvas.dc.IntersectClipRect(0, 0, 20, 20);
    SECBtnDrawContext ctx;
    ctx.PrepareBitmaps(pBtn->m_cx, pBtn->m_cy);
    const COLORREF clrMark = RGB(1, 2, 3);
    ctx.m_dcColor.FillSolidRect(0, 0, pBtn->m_cx, pBtn->m_cy, clrMark);
    pBtn->Draw(&canvas.dc, ctx);
    EXPECT_EQ(ctx.m_dcColor.GetPixel(kImageX + kSquare, kImageY + kSquare), clrMark); // not even composed
    ctx.ReleaseBitmaps();
}

TEST_F(ButtonTest, FlatLookFramesAndImagePlaceByState)
{
    const COLORREF kBlack = RGB(0, 0, 0);
    const struct {
        const char* state;
        UINT nStyle;
        COLORREF clrTopLeft, clrBottomRight; // frame corners
        int nShift;                           // of the image
    } cases[] = {
        {"normal", 0, Face(), Face(), 0},
        {"hot", SEC_TBBS_HOT, Hilite(), Shadow(), 0},
        {"pressed", TBBS_PRESSED, Shadow(), Hilite(), 1},
        {"hot and pressed", TBBS_PRESSED | SEC_TBBS_HOT, Shadow(), Hilite(), 1},
    };
    for (const auto& c : cases) {
        SECStdBtn* pBtn = AddButton(ID_TB_SQUARE, c.nStyle);
        Draw(pBtn);
        EXPECT_EQ(At(0, 0), c.clrTopLeft) << c.state;
        EXPECT_EQ(At(22, 21), c.clrBottomRight) << c.state;
        EXPECT_EQ(At(1, 1), Face()) << c.state;
        const int x = kImageX + kSquare + c.nShift;
        const int y = kImageY + kSquare + c.nShift;
        EXPECT_EQ(At(x, y), kBlack) << c.state;
        EXPECT_EQ(At(x + 3, y + 3), kBlack) << c.state;
        EXPECT_EQ(At(x - 1, y), Face()) << c.state;
        EXPECT_EQ(At(x + 4, y), Face()) << c.state;
        EXPECT_EQ(At(x, y - 1), Face()) << c.state;
    }
}

TEST_F(ButtonTest, RaisedLookFramesByState)
{
    bar.dwToolBarStyle = 0;
    const COLORREF clrFrame = ::GetSysColor(COLOR_WINDOWFRAME);
    const struct {
        const char* state;
        UINT nStyle;
        COLORREF outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
    } cases[] = {
        {"up", 0, Hilite(), clrFrame, Face(), Shadow()},
        {"pressed", TBBS_PRESSED, clrFrame, Hilite(), Shadow(), Face()},
    };
    for (const auto& c : cases) {
        Draw(AddButton(ID_TB_SQUARE, c.nStyle));
        EXPECT_EQ(At(0, 0), c.outerTopLeft) << c.state;
        EXPECT_EQ(At(22, 21), c.outerBottomRight) << c.state;
        EXPECT_EQ(At(1, 1), c.innerTopLeft) << c.state;
        EXPECT_EQ(At(21, 20), c.innerBottomRight) << c.state;
    }
}

TEST_F(ButtonTest, DisabledImageIsEmbossed)
{
    Draw(AddButton(ID_TB_SQUARE, TBBS_DISABLED));
    const int x = kImageX + kSquare;
    const int y = kImageY + kSquare;
    // the square in shadow, its highlight copy one pixel down and right showing beside it
    EXPECT_EQ(At(x, y), Shadow());
    EXPECT_EQ(At(x + 3, y + 3), Shadow());
    EXPECT_EQ(At(x + 4, y + 4), Hilite());
    EXPECT_EQ(At(x + 4, y + 1), Hilite());
    EXPECT_EQ(At(x + 4, y), Face());
    EXPECT_EQ(At(x - 1, y - 1), Face());
}

TEST_F(ButtonTest, CheckedButtonShowsTheDitherAroundItsImage)
{
    Draw(AddButton(ID_TB_SQUARE, TBBS_CHECKED));
    // alternate pixels of face and highlight inside the frame, the image untouched
    for (int dy = 3; dy <= 5; dy++) {
        for (int dx = 3; dx <= 5; dx++) {
            const COLORREF clr = At(dx, dy);
            EXPECT_TRUE(clr == Face() || clr == Hilite()) << dx << ", " << dy;
            EXPECT_NE(clr, At(dx + 1, dy)) << dx << ", " << dy;
            EXPECT_EQ(clr, At(dx + 1, dy + 1)) << dx << ", " << dy;
        }
    }
    EXPECT_EQ(At(kImageX + kSquare + 1, kImageY + kSquare + 1), RGB(0, 0, 0));
    EXPECT_EQ(At(0, 0), Shadow());
}

TEST_F(ButtonTest, IndeterminateImageIsShadowedOnTheDither)
{
    Draw(AddButton(ID_TB_SQUARE, TBBS_INDETERMINATE));
    EXPECT_EQ(At(kImageX + kSquare, kImageY + kSquare), Shadow());
    EXPECT_NE(At(3, 3), At(4, 3)); // dither
}

TEST_F(ButtonTest, CustomiseModeDrawsNoPressedFrame)
{
    bar.bCustomize = TRUE;
    Draw(AddButton(ID_TB_SQUARE, TBBS_PRESSED));
    EXPECT_EQ(At(0, 0), Face());
    EXPECT_EQ(At(kImageX + kSquare, kImageY + kSquare), RGB(0, 0, 0)); // not moved
}

TEST_F(ButtonTest, SelectedButtonGetsAThreePixelDragFrame)
{
    Draw(AddButton(ID_TB_SQUARE, SEC_TBBS_CUSTOMIZING));
    for (int i = 0; i < 3; i++) // each ring of the frame holds changed pixels
        EXPECT_TRUE(At(i, 10) != Face() || At(i, 11) != Face()) << i;
    EXPECT_EQ(At(3, 10), Face());
    EXPECT_EQ(At(3, 11), Face());
}

TEST_F(ButtonTest, TransparentBarShowsItsBackgroundThroughTheFace)
{
    bar.dwToolBarStyle = SEC_TBSTYLE_FLAT | SEC_TBSTYLE_TRANSPARENT;
    const COLORREF clrBack = RGB(0, 128, 0);
    canvas.dc.FillSolidRect(0, 0, canvas.Width(), canvas.Height(), clrBack);
    Draw(AddButton(ID_TB_SQUARE, SEC_TBBS_HOT));
    EXPECT_EQ(At(5, 5), clrBack);
    EXPECT_EQ(At(kImageX + kSquare, kImageY + kSquare), RGB(0, 0, 0));
    EXPECT_EQ(At(0, 0), Hilite());
}

TEST_F(ButtonTest, SeparatorsDrawTheirLineOnlyInTheFlatLook)
{
    const struct {
        const char* what;
        DWORD dwToolBarStyle;
        UINT nStyle;
        bool bLine;
        bool bFace;
    } cases[] = {
        {"flat", SEC_TBSTYLE_FLAT, 0, true, true},
        {"transparent", SEC_TBSTYLE_FLAT | SEC_TBSTYLE_TRANSPARENT, 0, true, false},
        {"wrapped", SEC_TBSTYLE_FLAT, TBBS_WRAPPED, false, false},
        {"not flat", 0, 0, false, false},
    };
    for (const auto& c : cases) {
        canvas.dc.FillSolidRect(0, 0, canvas.Width(), canvas.Height(), kWhite);
        bar.dwToolBarStyle = c.dwToolBarStyle;
        SECStdBtn* pSep = AddButton(0, TBBS_SEPARATOR | c.nStyle);
        Draw(pSep);
        const int xLine = (16 + 8) / 3 / 2;
        for (int dy : {0, pSep->m_cy - 1}) {
            EXPECT_EQ(At(xLine, dy), c.bLine ? Shadow() : kWhite) << c.what;
            EXPECT_EQ(At(xLine + 1, dy), c.bLine ? Hilite() : kWhite) << c.what;
        }
        EXPECT_EQ(At(0, 0), c.bFace ? Face() : kWhite) << c.what;
        EXPECT_EQ(At(0, pSep->m_cy), kWhite) << c.what;
    }
}

// ---- presses ---------------------------------------------------------------------------------------------

TEST_F(ButtonTest, DisabledButtonRefusesThePress)
{
    SECStdBtn* pBtn = AddButton(ID_TB_SQUARE, TBBS_DISABLED);
    EXPECT_FALSE(pBtn->PressDown(CPoint(kLeft + 5, kTop + 5)));
    EXPECT_FALSE(pBtn->HasStyle(TBBS_PRESSED));
    SECStdBtn* pEnabled = AddButton(ID_TB_SQUARE);
    EXPECT_TRUE(pEnabled->PressDown(CPoint(kLeft + 5, kTop + 5)));
    EXPECT_TRUE(pEnabled->HasStyle(TBBS_PRESSED));
}

TEST_F(ButtonTest, ReleaseYieldsTheCommandOnTheRectangleEdgesOnly)
{
    SECStdBtn* pBtn = AddButton(ID_TB_SQUARE);
    const int r = kLeft + pBtn->m_cx;
    const int b = kTop + pBtn->m_cy;
    const struct {
        CPoint point;
        bool bInside;
    } cases[] = {
        {{kLeft, kTop}, true},  {{r, b}, true},          {{r, kTop}, true},
        {{r + 1, b}, false},    {{kLeft - 1, kTop}, false}, {{kLeft, b + 1}, false},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(pBtn->PressDown(CPoint(kLeft + 5, kTop + 5)));
        pBtn->PressMove(c.point);
        EXPECT_EQ(pBtn->HasStyle(TBBS_PRESSED), c.bInside) << c.point;
        EXPECT_EQ(pBtn->PressUp(c.point), c.bInside ? UINT(ID_TB_SQUARE) : 0u) << c.point;
        EXPECT_FALSE(pBtn->HasStyle(TBBS_PRESSED)) << c.point;
    }
}

TEST_F(ButtonTest, CheckBoxAsksItsBarToGiveItsToggledStateToItsCommandsButtons)
{
    // the bar passes the state to the buttons of its tool-bar manager (none here: it only records)
    const UINT nMask = TBBS_CHECKED | TBBS_INDETERMINATE;
    const struct {
        UINT nStyle;
        UINT nBits;
    } cases[] = {
        {TBBS_CHECKBOX, TBBS_CHECKED},
        {TBBS_CHECKBOX | TBBS_CHECKED, 0},
        {TBBS_CHECKBOX | TBBS_INDETERMINATE, TBBS_CHECKED},
    };
    for (const auto& c : cases) {
        SECStdBtn* pBtn = AddButton(ID_TB_SQUARE, c.nStyle);
        bar.informs.clear();
        ASSERT_TRUE(pBtn->PressDown(CPoint(kLeft + 5, kTop + 5)));
        EXPECT_EQ(pBtn->PressUp(CPoint(kLeft + 5, kTop + 5)), UINT(ID_TB_SQUARE));
        EXPECT_EQ(pBtn->GetStyle(), c.nStyle) << "the bar changes the state, not the button";
        ASSERT_EQ(bar.informs.size(), 1u) << c.nStyle;
        EXPECT_EQ(bar.informs[0].nID, UINT(ID_TB_SQUARE));
        EXPECT_EQ(bar.informs[0].nBits, c.nBits) << c.nStyle;
        EXPECT_EQ(bar.informs[0].nMask, nMask);
    }

    // a disabled check box, a release outside and a plain button tell nothing
    SECStdBtn* pDisabled = AddButton(ID_TB_SQUARE, TBBS_CHECKBOX | TBBS_DISABLED);
    SECStdBtn* pOutside = AddButton(ID_TB_SQUARE, TBBS_CHECKBOX);
    SECStdBtn* pPlain = AddButton(ID_TB_SQUARE);
    bar.informs.clear();
    pDisabled->PressUp(CPoint(kLeft + 5, kTop + 5));
    pOutside->PressUp(CPoint(kLeft + 50, kTop + 5));
    pPlain->PressUp(CPoint(kLeft + 5, kTop + 5));
    EXPECT_TRUE(bar.informs.empty());
}

TEST_F(ButtonTest, DropDownButtonNotifiesItsOwnerAndNeverYieldsItsCommand)
{
    CNotifyRecorder owner;
    ASSERT_TRUE(owner.CreateRecorder());
    bar.SetOwner(&owner);
    std::vector<BOOL> inCommand;
    owner.onNotify = [&] { inCommand.push_back(bar.bInCommand); };
    AddButton(ID_TB_BANDS);
    SECStdBtn* pBtn = AddButton(ID_TB_SQUARE, TBSTYLE_DROPDOWN);

    EXPECT_FALSE(pBtn->PressDown(CPoint(kLeft + 5, kTop + 5))); // no capture, so no release follows
    EXPECT_FALSE(pBtn->HasStyle(TBBS_PRESSED));
    EXPECT_FALSE(bar.bInCommand);
    EXPECT_EQ(bar.nHotRefreshes, 1);
    ASSERT_EQ(owner.records.size(), 1u);
    EXPECT_EQ(inCommand, std::vector<BOOL>{TRUE});
    const SECTBNOTIFY& n = owner.records[0];
    EXPECT_EQ(n.tb.hdr.hwndFrom, bar.m_hWnd);
    EXPECT_EQ(n.tb.hdr.idFrom, UINT_PTR(0xE800));
    EXPECT_EQ(int(n.tb.hdr.code), -710);
    EXPECT_EQ(n.tb.iItem, ID_TB_SQUARE);
    EXPECT_EQ(n.nIndex, 1);
    EXPECT_EQ(n.nArg1, 0);
    EXPECT_EQ(n.nArg2, 0);
    EXPECT_EQ(n.nKept, 0);
    // the four fields follow the system's record, whatever its size in this build
    EXPECT_EQ(offsetof(SECTBNOTIFY, nIndex), sizeof(NMTOOLBARA));
    owner.DestroyWindow();
}

TEST_F(ButtonTest, ToolHitTestNamesTheCommandWithCallbackText)
{
    SECStdBtn* pBtn = AddButton(ID_TB_SQUARE);
    TOOLINFOA ti = {};
    EXPECT_EQ(pBtn->OnToolHitTest(CPoint(kLeft + 5, kTop + 5), &ti), INT_PTR(ID_TB_SQUARE));
    EXPECT_EQ(ti.hwnd, bar.m_hWnd);
    EXPECT_EQ(ti.uId, UINT_PTR(ID_TB_SQUARE));
    EXPECT_EQ(CRect(ti.rect), CRect(kLeft, kTop, kLeft + 23, kTop + 22));
    EXPECT_EQ(ti.lpszText, LPSTR_TEXTCALLBACKA);
}

} // namespace
