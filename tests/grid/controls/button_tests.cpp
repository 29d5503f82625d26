// The in-cell buttons: presses, moves and releases routed through a cell control, Space, the arrow's
// repeats on the tick seam, and the faces read back from memory DCs.
#include "control_test_support.h"

#include "grid/controls/GXButton.h"
#include "grid/engine/GXState.h"

#include <memory>

namespace {

const COLORREF kBlack = RGB(0, 0, 0);

// A cell control whose buttons keep the rectangles the test gives them and that counts their clicks.
class CButtonCell : public CGXControl {
public:
    explicit CButtonCell(CGXGridCore* pGrid) : CGXControl(pGrid) {}
    void OnClickedButton(CGXChild*) override { m_clicks.push_back(AfxGetServices()->GetTickCount()); }
    void LayoutChildren(ROWCOL, ROWCOL, const CRect&) override {}

    std::vector<DWORD> m_clicks;  // the tick count of each click
};

// A grid with a CButtonCell holding one button of class TButton at kRect.
template <class TButton>
struct ButtonFixture {
    ButtonFixture() : pButton(new TButton(&cell))
    {
        grid.CreateGrid(3, 3);
        fake.SetTickCount(0);
        ReleaseModifierKeys(fake);
        pButton->SetRect(kRect);
        cell.AddChild(pButton);
    }
    static constexpr RECT kRect = {300, 200, 315, 215};
    CPoint ptIn = CPoint(305, 205);
    CPoint ptOut = CPoint(330, 205);

    CFakeServices fake;
    CTestGridWnd grid;
    CButtonCell cell{&grid};
    TButton* pButton;  // owned by the cell
};

// The black pixels of each row of the face's inside (without its outer edge lines) from its top
// down to the row above its bottom line.
std::vector<int> BlackRows(const DibCanvas& canvas, const CRect& rect)
{
    std::vector<int> rows;
    for (int y = rect.top; y < rect.bottom - 1; ++y) {
        int n = 0;
        for (int x = rect.left + 2; x < rect.right - 2; ++x)
            n += canvas.At(x, y) == kBlack ? 1 : 0;
        rows.push_back(n);
    }
    return rows;
}

// The pixels of colour inside rect (the face's edge lines left out: its shadow can share the grey).
int CountColour(const DibCanvas& canvas, const CRect& rect, COLORREF color)
{
    int n = 0;
    for (int y = rect.top + 2; y < rect.bottom - 2; ++y)
        for (int x = rect.left + 2; x < rect.right - 2; ++x)
            n += canvas.At(x, y) == color ? 1 : 0;
    return n;
}

}  // namespace

TEST(InCellButton, AReleaseReportsAClickOnlyOverTheFace)
{
    struct Case {
        const char* pszName;
        std::vector<CPoint ButtonFixture<CGXButton>::*> moves;
        CPoint ButtonFixture<CGXButton>::*pRelease;
        size_t nClicks;
    };
    using F = ButtonFixture<CGXButton>;
    const Case cases[] = {
        {"released over the face", {}, &F::ptIn, 1},
        {"moved out and released there", {&F::ptOut}, &F::ptOut, 0},
        {"moved out and back in", {&F::ptOut, &F::ptIn}, &F::ptIn, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        F f;
        EXPECT_TRUE(f.cell.OnLButtonDown(MK_LBUTTON, f.ptIn));
        EXPECT_TRUE(f.pButton->IsPressed());
        for (auto pMove : c.moves) {
            f.cell.OnMouseMove(MK_LBUTTON, f.*pMove);
            EXPECT_EQ(bool(f.pButton->IsPressed()), pMove == &F::ptIn) << "pressed only over the face";
        }
        f.cell.OnLButtonUp(0, f.*c.pRelease);
        EXPECT_EQ(f.cell.m_clicks.size(), c.nClicks);
        EXPECT_FALSE(f.pButton->IsPressed());
        EXPECT_FALSE(f.pButton->IsTracking());
    }
}

TEST(InCellButton, SpaceDownAndUpOnTheFocusedButtonClicksOnce)
{
    ButtonFixture<CGXButton> f;
    f.cell.SetFocusChild(f.pButton);
    EXPECT_FALSE(f.cell.ProcessKeyMessage(WM_KEYUP, VK_SPACE, 1, 0)) << "Space up alone";
    EXPECT_TRUE(f.cell.m_clicks.empty());
    EXPECT_TRUE(f.cell.ProcessKeyMessage(WM_KEYDOWN, VK_SPACE, 1, 0));
    EXPECT_TRUE(f.pButton->IsPressed());
    EXPECT_FALSE(f.cell.ProcessKeyMessage(WM_KEYDOWN, VK_RETURN, 1, 0));
    EXPECT_TRUE(f.cell.ProcessKeyMessage(WM_KEYUP, VK_SPACE, 1, 0));
    EXPECT_EQ(f.cell.m_clicks.size(), 1u);
    EXPECT_FALSE(f.pButton->IsPressed());

    // the grid's cancel-mode notice lets a held button go without a click
    f.cell.OnLButtonDown(MK_LBUTTON, f.ptIn);
    f.cell.OnGridCancelMode();
    EXPECT_FALSE(f.pButton->IsPressed());
    EXPECT_FALSE(f.pButton->IsTracking());
    f.cell.OnLButtonUp(0, f.ptIn);
    EXPECT_EQ(f.cell.m_clicks.size(), 1u);
}

TEST(InCellButton, AHeldArrowRepeatsFasterAndFasterDownToFiftyMilliseconds)
{
    ButtonFixture<CGXUpArrowButton> f;
    f.cell.OnLButtonDown(MK_LBUTTON, f.ptIn);
    for (DWORD t = 1; t <= 3000; ++t) {
        f.fake.SetTickCount(t);
        f.cell.OnMouseMove(MK_LBUTTON, f.ptIn);
    }
    std::vector<DWORD> expected = {0, 500};
    for (DWORD dwDelay = 150;; dwDelay = std::max<DWORD>(dwDelay - 5, 50)) {
        if (expected.back() + dwDelay > 3000)
            break;
        expected.push_back(expected.back() + dwDelay);
    }
    EXPECT_EQ(f.cell.m_clicks, expected);
    EXPECT_EQ(expected.back() - expected[expected.size() - 2], 50u);

    // released, the arrow reports nothing, and moves with the button down elsewhere never press it
    f.cell.OnLButtonUp(0, f.ptIn);
    const size_t nClicks = f.cell.m_clicks.size();
    EXPECT_FALSE(f.pButton->IsPressed());
    f.cell.OnLButtonDown(MK_LBUTTON, f.ptOut);
    for (DWORD t = 4000; t < 6000; t += 100) {
        f.fake.SetTickCount(t);
        f.cell.OnMouseMove(MK_LBUTTON, f.ptIn);
        f.cell.OnMouseMove(MK_RBUTTON, f.ptIn);
    }
    EXPECT_EQ(f.cell.m_clicks.size(), nClicks);
    EXPECT_FALSE(f.pButton->IsPressed());
}

TEST(InCellButton, ArrowFacesShowTriangleRowsByHeight)
{
    struct Case {
        int nHeight;
        BOOL bUp;
        std::vector<int> rows;  // black pixels per row, from the face's top
    };
    const Case cases[] = {
        {4, TRUE, {0, 0, 0}},
        {4, FALSE, {0, 0, 0}},
        {6, TRUE, {0, 1, 3, 5, 0}},
        {6, FALSE, {0, 0, 7, 5, 3}},
        {8, TRUE, {0, 1, 3, 5, 7, 0, 0}},
        {8, FALSE, {0, 0, 7, 5, 3, 1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "height " << c.nHeight << (c.bUp ? " up" : " down"));
        CTestGridWnd grid;
        grid.CreateGrid(1, 1);
        CButtonCell cell(&grid);
        std::unique_ptr<CGXArrowButton> pButton;
        if (c.bUp)
            pButton = std::make_unique<CGXUpArrowButton>(&cell);
        else
            pButton = std::make_unique<CGXDownArrowButton>(&cell);
        const CRect rect(2, 3, 17, 3 + c.nHeight);
        pButton->SetRect(rect);
        DibCanvas canvas(20, 20);
        pButton->Draw(&canvas.dc, TRUE, CGXStyle());
        EXPECT_EQ(BlackRows(canvas, rect), c.rows);

        DibCanvas other(20, 20);
        pButton->Draw(&other.dc, FALSE, CGXStyle());
        EXPECT_EQ(other.At(rect.left + 1, rect.top + 1), RGB(255, 255, 255)) << "only the current cell shows it";
    }
}

TEST(InCellButton, AHotSpotFaceTwelveHighShowsItsGlyphOnlyUnpressed)
{
    ButtonFixture<CGXHotSpotButton> f;
    const CRect rect(2, 2, 17, 14);
    f.pButton->SetRect(rect);
    f.cell.SetFocusChild(f.pButton);
    DibCanvas raised(20, 20);
    f.pButton->Draw(&raised.dc, TRUE, CGXStyle());
    // the bar, the block below its right end, then the point
    EXPECT_EQ(BlackRows(raised, rect), (std::vector<int>{0, 0, 0, 6, 6, 3, 3, 7, 5, 3, 1}));

    f.pButton->OnKeyDown(VK_SPACE, 1, 0);
    ASSERT_TRUE(f.pButton->IsPressed());
    DibCanvas sunken(20, 20);
    f.pButton->Draw(&sunken.dc, TRUE, CGXStyle());
    EXPECT_EQ(BlackRows(sunken, rect), std::vector<int>(size_t(rect.Height() - 1), 0));
}

TEST(InCellButton, OnlyAFaceColourGreysTheCaptionOfADisabledCell)
{
    const COLORREF clrGrey = GXGetSysColors()->GetSysColor(COLOR_GRAYTEXT);
    ButtonFixture<CGXButton> f;
    const CRect rect(0, 0, 60, 24);
    f.pButton->SetRect(rect);
    f.pButton->SetText("WWW");
    CGXStyle disabled;
    disabled.SetEnabled(FALSE);

    DibCanvas plain(60, 24);
    f.pButton->Draw(&plain.dc, FALSE, disabled);
    EXPECT_EQ(CountColour(plain, rect, clrGrey), 0);
    EXPECT_GT(CountColour(plain, rect, GXGetSysColors()->GetSysColor(COLOR_BTNTEXT)), 0);

    CGXStyle coloured(disabled);
    coloured.SetUserAttribute(GX_IDS_UA_PUSHBUTTONFACECOLOR, "255");
    DibCanvas red(60, 24);
    f.pButton->Draw(&red.dc, FALSE, coloured);
    EXPECT_EQ(red.At(5, 12), RGB(255, 0, 0)) << "the face's colour";
    EXPECT_GT(CountColour(red, rect, clrGrey), 0);
}
