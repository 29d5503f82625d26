// The sizable bar: its inside rectangle, gripper and borders (pixels), the child layout of WM_SIZE, the
// gripper's buttons and tooltips, the context menu, the remembered sizes and free bar ids, the window
// repainted after the borders; and the dialog bar made from a template, with its control-container hook.
#include "ToolkitTestSupport.h"

#include "frames/SECControlBar.h"
#include "frames/SECDialogBar.h"
#include "win/ControlContainer.h"

#include <string>
#include <vector>

namespace {

// The application's panes: child, visible, aligned left, right border, tooltips, dynamic size; and
// own borders, margins, gripper, hide box and expand arrow.
const DWORD kPaneStyle = 0x50001414;
const DWORD kPaneExStyle = 0x0F10;
const DWORD kVisibleChild = WS_CHILD | WS_VISIBLE;

// The gripper's geometry: 17 pixels across, inset 3 at its ends, 11-pixel boxes 2 pixels inside its
// edge, lines 3 pixels thick at offsets 4 and 8.
const int kGripper = 17;
const int kInset = 3;
const int kBox = 11;
const int kBoxGap = 2;
const int kLineOffsets[2] = {4, 8};
const int kLine = 3;

const CSize kBarSize(200, 150);

// A bar that lets the tests see its buttons' state and counts its paintings.
class CTestBar : public SECControlBar {
public:
    using SECControlBar::m_bExpandPressed;
    using SECControlBar::m_bHidePressed;
    void DoPaint(CDC* pDC) override
    {
        nPaints++;
        SECControlBar::DoPaint(pDC);
    }
    int nPaints = 0;
};

// A window that counts its paintings.
class CPaintCounter : public CWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PAINT)
            nPaints++;
        return CWnd::WindowProc(message, wParam, lParam);
    }
    int nPaints = 0;
};

// Expects both canvases to hold the same pixels; reports the first difference and how many there are.
void ExpectSamePixels(const DibCanvas& actual, const DibCanvas& expected)
{
    int nDiffs = 0;
    std::string first;
    for (int y = 0; y < actual.Height(); y++)
        for (int x = 0; x < actual.Width(); x++)
            if (actual.At(x, y) != expected.At(x, y) && nDiffs++ == 0)
                first = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    EXPECT_EQ(nDiffs, 0) << "first difference at " << first;
}

// The hide box and the expand arrow of a bar of size whose gripper runs along the top (bOnLeft FALSE:
// boxes at its right end) or down the left side (boxes at its top).
CRect HideBox(CSize size, BOOL bOnLeft)
{
    return bOnLeft ? CRect(CPoint(kBoxGap, kInset + kBoxGap), CSize(kBox, kBox))
                   : CRect(CPoint(size.cx - kInset - kBoxGap - kBox, kBoxGap), CSize(kBox, kBox));
}
CRect ExpandBox(CSize size, BOOL bOnLeft)
{
    CRect rect = HideBox(size, bOnLeft);
    if (bOnLeft)
        rect.OffsetRect(0, kBox + kBoxGap);
    else
        rect.OffsetRect(-(kBox + kBoxGap), 0);
    return rect;
}

class ControlBarTest : public ToolkitFrameTest {
protected:
    // A bar of the frame (window style with the CBRS_* bits, toolkit style), size at the frame's
    // top-left; it goes with the frame.
    CTestBar* MakeBar(DWORD dwStyle, DWORD dwExStyle, CSize size = kBarSize, UINT nID = 100,
                      LPCSTR lpszClassName = nullptr)
    {
        CTestBar* pBar = new CTestBar;
        pBar->SetAutoDelete(TRUE);
        if (!pBar->CreateEx(lpszClassName, "Bar", dwStyle, dwExStyle, nID, CRect(CPoint(0, 0), size), pFrame)) {
            ADD_FAILURE() << "the bar was not made";
            return nullptr;
        }
        return pBar;
    }
    // A static child of pParent at rect.
    static HWND MakeChild(CWnd* pParent, const CRect& rect)
    {
        return ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, rect.left, rect.top, rect.Width(),
                                 rect.Height(), pParent->m_hWnd, nullptr, nullptr, nullptr);
    }
    static CRect ChildRect(CWnd* pParent, HWND hWndChild)
    {
        CRect rect;
        ::GetWindowRect(hWndChild, rect);
        pParent->ScreenToClient(rect);
        return rect;
    }
    static void Click(CWnd* pWnd, UINT message, CPoint point)
    {
        pWnd->SendMessage(message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(point.x, point.y));
    }
};

// ---- geometry ----------------------------------------------------------------------------------------------

TEST_F(ControlBarTest, InsideRectangleLeavesOutTheGripperWhileDockedAndTheMarginsWhileFloating)
{
    const int cx = kBarSize.cx;
    const int cy = kBarSize.cy;
    const struct {
        DWORD dwStyle;
        DWORD dwExStyle;
        CRect rectInside;
    } cases[] = {
        {kPaneStyle, kPaneExStyle, CRect(kInset, kGripper, cx - kInset, cy)},
        {kVisibleChild | CBRS_ALIGN_TOP, kPaneExStyle, CRect(kGripper, kInset, cx, cy - kInset)},
        {kPaneStyle | CBRS_FLOATING, kPaneExStyle, CRect(10, 10, cx - 10, cy - 10)},
        {kPaneStyle, SEC_CBRS_EX_MARGINS, CRect(10, 10, cx - 10, cy - 10)},
        {kPaneStyle | CBRS_FLOATING, SEC_CBRS_EX_GRIPPER, CRect(0, 0, cx, cy)},
    };
    for (const auto& c : cases) {
        CTestBar* pBar = MakeBar(c.dwStyle, c.dwExStyle);
        ASSERT_NE(pBar, nullptr);
        CRect rect;
        pBar->GetInsideRect(rect);
        EXPECT_EQ(rect, c.rectInside) << std::hex << c.dwStyle << " " << c.dwExStyle;
        pBar->DestroyWindow();
    }
}

TEST_F(ControlBarTest, InsideRectangleForTheLayoutTakesOwnBordersAndTheGripperInsteadOfTheBorderWidth)
{
    const struct {
        DWORD dwStyle;
        DWORD dwExStyle;
        BOOL bHorz;
        CRect rectInside; // of a 200 by 150 rectangle
    } cases[] = {
        // a vertical bar: the widths 6/2 turn, the gripper replaces the top one, the right border is 1
        {kPaneStyle, kPaneExStyle, FALSE, CRect(2, kGripper, 200 - 2 - 1, 150 - 6)},
        {kVisibleChild | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM, kPaneExStyle, TRUE, CRect(kGripper, 2, 200 - 6, 150 - 2 - 1)},
        {kPaneStyle | CBRS_FLOATING, kPaneExStyle, FALSE, CRect(2, 6, 200 - 2 - 1, 150 - 6)},
        // without own borders the class library's rule: 2 per bordered side
        {kPaneStyle, SEC_CBRS_EX_GRIPPER, FALSE, CRect(2, 6, 200 - 2 - 2, 150 - 6)},
    };
    for (const auto& c : cases) {
        CTestBar* pBar = MakeBar(c.dwStyle, c.dwExStyle);
        ASSERT_NE(pBar, nullptr);
        CRect rect(0, 0, 200, 150);
        pBar->CalcInsideRect(rect, c.bHorz);
        EXPECT_EQ(rect, c.rectInside) << std::hex << c.dwStyle << " " << c.dwExStyle;
        pBar->DestroyWindow();
    }
}

// ---- drawing ------------------------------------------------------------------------------------------------

// What a pane's gripper looks like on a white canvas: the two raised lines over what the boxes leave,
// then the hide box and the arrow (drawn one pixel larger to the left and top).
void DrawExpectedGripper(DibCanvas& canvas, BOOL bOnLeft, UINT nArrow, UINT nHideState = 0)
{
    const CSize size(canvas.Width(), canvas.Height());
    const CRect rectHide = HideBox(size, bOnLeft);
    CRect rectArrow = ExpandBox(size, bOnLeft);
    for (int nOffset : kLineOffsets) {
        if (bOnLeft) {
            const int yStart = rectArrow.bottom;
            canvas.dc.Draw3dRect(nOffset, yStart, kLine, size.cy - kInset - yStart, Hilite(), Shadow());
        } else {
            const int xEnd = rectArrow.left;
            canvas.dc.Draw3dRect(kInset, nOffset, xEnd - kInset, kLine, Hilite(), Shadow());
        }
    }
    CRect rect = rectHide;
    canvas.dc.DrawFrameControl(rect, DFC_CAPTION, DFCS_CAPTIONCLOSE | nHideState);
    rectArrow.InflateRect(1, 1, 0, 0);
    canvas.dc.DrawFrameControl(rectArrow, DFC_SCROLL, nArrow);
}

TEST_F(ControlBarTest, GripperRunsAlongTheTopOfALeftBarAndDownTheLeftOfATopBarWithItsBoxes)
{
    const struct {
        DWORD dwStyle;
        BOOL bOnLeft;
        UINT nArrow; // while the bar may expand
    } cases[] = {
        {kPaneStyle, FALSE, DFCS_SCROLLUP},
        {kVisibleChild | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM, TRUE, DFCS_SCROLLLEFT},
    };
    for (const auto& c : cases) {
        CTestBar* pBar = MakeBar(c.dwStyle, kPaneExStyle);
        ASSERT_NE(pBar, nullptr);
        DibCanvas actual(kBarSize.cx, kBarSize.cy);
        pBar->DoPaint(&actual.dc);
        DibCanvas expected(kBarSize.cx, kBarSize.cy);
        DrawExpectedGripper(expected, c.bOnLeft, c.nArrow);
        ExpectSamePixels(actual, expected);
        pBar->DestroyWindow();
    }
}

TEST_F(ControlBarTest, FloatingBarDrawsNeitherGripperNorOwnBorders)
{
    CTestBar* pBar = MakeBar(kPaneStyle | CBRS_FLOATING, kPaneExStyle);
    ASSERT_NE(pBar, nullptr);
    DibCanvas actual(kBarSize.cx, kBarSize.cy);
    pBar->DoPaint(&actual.dc);
    ExpectSamePixels(actual, DibCanvas(kBarSize.cx, kBarSize.cy));
}

TEST_F(ControlBarTest, ExpandArrowFollowsTheRowAndTheExpandState)
{
    const struct {
        DWORD dwStyle;
        BOOL bExpandable;
        BOOL bCanExpand;
        UINT nArrow;
    } cases[] = {
        {kPaneStyle, FALSE, TRUE, DFCS_SCROLLDOWN},
        {kPaneStyle, TRUE, FALSE, DFCS_SCROLLUP | DFCS_INACTIVE},
        {kVisibleChild | CBRS_ALIGN_BOTTOM, FALSE, TRUE, DFCS_SCROLLRIGHT},
    };
    for (const auto& c : cases) {
        CTestBar* pBar = MakeBar(c.dwStyle, kPaneExStyle);
        ASSERT_NE(pBar, nullptr);
        pBar->m_bExpandable = c.bExpandable;
        pBar->m_bCanExpand = c.bCanExpand;
        DibCanvas actual(kBarSize.cx, kBarSize.cy);
        pBar->DoPaint(&actual.dc);
        DibCanvas expected(kBarSize.cx, kBarSize.cy);
        DrawExpectedGripper(expected, (c.dwStyle & CBRS_ORIENT_HORZ) != 0, c.nArrow);
        ExpectSamePixels(actual, expected);
        pBar->DestroyWindow();
    }
}

TEST_F(ControlBarTest, BordersWithoutOwnLinesAreDrawnInTheBarsColoursAndShrinkTheRectangle)
{
    const DWORD dwTopBar = kVisibleChild | CBRS_ALIGN_TOP | CBRS_BORDER_ANY;
    const struct {
        DWORD dwStyle;
        DWORD dwExStyle;
        COLORREF clrOuter;
        COLORREF clrInner; // white: no inner line
        int nShrink;
    } cases[] = {
        {dwTopBar | CBRS_BORDER_3D, SEC_CBRS_EX_INFIXEDROW, Shadow(), Hilite(), 2},
        {dwTopBar | CBRS_BORDER_3D, 0, Face(), Face(), 2},
        {dwTopBar, SEC_CBRS_EX_INFIXEDROW, Shadow(), kWhite, 2},
        {dwTopBar | CBRS_BORDER_3D, SEC_CBRS_EX_OWNBORDERS, kWhite, kWhite, 1},
    };
    ASSERT_NE(Face(), kWhite);
    for (const auto& c : cases) {
        CTestBar* pBar = MakeBar(c.dwStyle, c.dwExStyle, CSize(60, 40));
        ASSERT_NE(pBar, nullptr);
        DibCanvas canvas(60, 40);
        CRect rect(0, 0, 60, 40);
        pBar->DrawBorders(&canvas.dc, rect);
        EXPECT_EQ(rect, CRect(c.nShrink, c.nShrink, 60 - c.nShrink, 40 - c.nShrink)) << std::hex << c.dwExStyle;
        // a bar docked at the top: the lines run the full length
        for (CPoint outer : {CPoint(0, 0), CPoint(30, 0), CPoint(59, 20), CPoint(30, 39), CPoint(0, 39)})
            EXPECT_EQ(canvas.At(outer.x, outer.y), c.clrOuter) << outer << " " << std::hex << c.dwExStyle;
        for (CPoint inner : {CPoint(30, 1), CPoint(1, 20), CPoint(58, 20), CPoint(30, 38)})
            EXPECT_EQ(canvas.At(inner.x, inner.y), c.clrInner) << inner << " " << std::hex << c.dwExStyle;
        EXPECT_EQ(canvas.At(30, 20), kWhite);
        pBar->DestroyWindow();
    }

    // along a bar docked at the left the lines stop 2 pixels after the start and 3 before the end
    CTestBar* pLeftBar = MakeBar(kVisibleChild | CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT, SEC_CBRS_EX_INFIXEDROW, CSize(60, 40));
    ASSERT_NE(pLeftBar, nullptr);
    DibCanvas canvas(60, 40);
    CRect rect(0, 0, 60, 40);
    pLeftBar->DrawBorders(&canvas.dc, rect);
    EXPECT_EQ(rect, CRect(0, 0, 58, 40));
    for (int y : {0, 1, 37, 38, 39})
        EXPECT_EQ(canvas.At(59, y), kWhite) << y;
    for (int y : {2, 20, 36})
        EXPECT_EQ(canvas.At(59, y), Shadow()) << y;
}

TEST_F(ControlBarTest, EraseFillsTheMarginStripsWithTheFaceColour)
{
    // a window class without a background, so only the bar's own filling shows
    const LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW));
    CTestBar* pBar = MakeBar(kPaneStyle | CBRS_FLOATING, kPaneExStyle, CSize(60, 40), 100, lpszClass);
    ASSERT_NE(pBar, nullptr);
    DibCanvas canvas(60, 40);
    pBar->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc.m_hDC));
    for (CPoint margin : {CPoint(0, 0), CPoint(9, 20), CPoint(30, 9), CPoint(50, 20), CPoint(30, 30), CPoint(59, 39)})
        EXPECT_EQ(canvas.At(margin.x, margin.y), Face()) << margin;
    for (CPoint inside : {CPoint(10, 10), CPoint(30, 20), CPoint(49, 29)})
        EXPECT_EQ(canvas.At(inside.x, inside.y), kWhite) << inside;
}

TEST_F(ControlBarTest, TheWindowNamedToFollowTheBordersIsRepaintedWithTheBarButNeverTheBarOrItsFrame)
{
    CTestBar* pBar = MakeBar(kPaneStyle, kPaneExStyle);
    ASSERT_NE(pBar, nullptr);
    CPaintCounter follower;
    ASSERT_TRUE(follower.CreateEx(0, nullptr, "follower", WS_CHILD | WS_VISIBLE, CRect(300, 0, 340, 40), pFrame, 0));
    const struct {
        CWnd* pWnd;
        int nFollowerPaints;
    } cases[] = {
        {&follower, 1},
        {nullptr, 0},
        {pBar, 0},   // would paint the bar again and again
        {pFrame, 0}, // likewise, through the frame's children
    };
    for (const auto& c : cases) {
        pBar->m_pWndRepaintAfterBorders = c.pWnd;
        pFrame->UpdateWindow();
        follower.UpdateWindow();
        const int nBarPaints = pBar->nPaints;
        const int nFollowerPaints = follower.nPaints;
        pBar->Invalidate();
        pBar->UpdateWindow();
        EXPECT_EQ(pBar->nPaints - nBarPaints, 1) << c.nFollowerPaints;
        EXPECT_EQ(follower.nPaints - nFollowerPaints, c.nFollowerPaints);
        EXPECT_FALSE(::GetUpdateRect(pBar->m_hWnd, nullptr, FALSE));
    }
    pBar->m_pWndRepaintAfterBorders = nullptr;
}

// ---- child layout ----------------------------------------------------------------------------------------

TEST_F(ControlBarTest, SizeStretchesTheFirstChildOverTheAreaBesideTheGripper)
{
    const DWORD dwExStyle = SEC_CBRS_EX_GRIPPER | SEC_CBRS_EX_STRETCHCHILD;
    const struct {
        DWORD dwStyle;
        CRect rectChild; // for a 200 by 150 client
    } cases[] = {
        {kVisibleChild | CBRS_ALIGN_TOP, CRect(kGripper, kInset, 200 - kInset, 150 - kInset)},
        {kVisibleChild | CBRS_ALIGN_LEFT, CRect(kInset, kGripper, 200 - kInset, 150 - kInset)},
        // floating: no gripper, its space goes back to the child
        {kVisibleChild | CBRS_ALIGN_TOP | CBRS_FLOATING, CRect(0, 0, 200, 150)},
    };
    for (const auto& c : cases) {
        CTestBar* pBar = MakeBar(c.dwStyle, dwExStyle, CSize(80, 60));
        ASSERT_NE(pBar, nullptr);
        const HWND hWndChild = MakeChild(pBar, CRect(0, 0, 5, 5));
        pBar->MoveWindow(0, 0, 200, 150);
        EXPECT_EQ(ChildRect(pBar, hWndChild), c.rectChild) << std::hex << c.dwStyle;
        pBar->DestroyWindow();
    }

    // too narrow for the gripper: the child gets no width rather than a negative one
    CTestBar* pNarrow = MakeBar(kVisibleChild | CBRS_ALIGN_TOP, dwExStyle, CSize(80, 60));
    ASSERT_NE(pNarrow, nullptr);
    const HWND hWndChild = MakeChild(pNarrow, CRect(0, 0, 5, 5));
    pNarrow->MoveWindow(0, 0, 12, 150);
    EXPECT_EQ(ChildRect(pNarrow, hWndChild), CRect(kGripper, kInset, kGripper, 150 - kInset));
}

TEST_F(ControlBarTest, ProportionalLayoutScalesTheRecordedChildrenInsideTheMargins)
{
    const DWORD dwExStyle = SEC_CBRS_EX_PROPLAYOUT | SEC_CBRS_EX_MARGINS;
    CTestBar* pBar = MakeBar(kPaneStyle, SEC_CBRS_EX_MARGINS, CSize(200, 100));
    ASSERT_NE(pBar, nullptr);
    const CRect recorded[] = {CRect(10, 10, 90, 40), CRect(100, 50, 190, 90)};
    std::vector<HWND> children;
    for (const CRect& rect : recorded)
        children.push_back(MakeChild(pBar, rect));
    pBar->ModifyExBarStyle(0, SEC_CBRS_EX_PROPLAYOUT); // takes the record at 200 by 100
    ASSERT_EQ(pBar->GetExBarStyle(), dwExStyle);

    const int cx = 300;
    const int cy = 160;
    pBar->MoveWindow(0, 0, cx, cy);
    for (size_t i = 0; i < children.size(); i++) {
        const CRect& r = recorded[i];
        const CRect expected(r.left * (cx - 20) / 200 + 10, r.top * (cy - 20) / 100 + 10, r.right * (cx - 20) / 200 + 10,
                             r.bottom * (cy - 20) / 100 + 10);
        EXPECT_EQ(ChildRect(pBar, children[i]), expected) << i;
    }
    // the moves kept the children's order
    EXPECT_EQ(::GetWindow(pBar->m_hWnd, GW_CHILD), children[0]);
    EXPECT_EQ(::GetWindow(children[0], GW_HWNDNEXT), children[1]);
}

TEST_F(ControlBarTest, ProportionalLayoutOfABarMadeWithoutASizeIsRecordedAtItsFirstSize)
{
    CTestBar* pBar = new CTestBar;
    pBar->SetAutoDelete(TRUE);
    ASSERT_TRUE(pBar->Create(pFrame, "Bar", kPaneStyle, SEC_CBRS_EX_PROPLAYOUT | SEC_CBRS_EX_MARGINS, 100));
    const HWND hWndChild = MakeChild(pBar, CRect(20, 20, 60, 40));
    // no division by the empty client: the children stay and the record is taken now
    pBar->MoveWindow(0, 0, 100, 100);
    EXPECT_EQ(ChildRect(pBar, hWndChild), CRect(20, 20, 60, 40));
    pBar->MoveWindow(0, 0, 220, 100);
    EXPECT_EQ(ChildRect(pBar, hWndChild), CRect(20 * 200 / 100 + 10, 20 * 80 / 100 + 10, 60 * 200 / 100 + 10, 40 * 80 / 100 + 10));
}

// ---- gripper buttons ------------------------------------------------------------------------------------

TEST_F(ControlBarTest, HideBoxClickedHidesTheBarAtOnceAndFocusesTheActiveFrame)
{
    CTestBar* pBar = MakeBar(kPaneStyle, kPaneExStyle);
    ASSERT_NE(pBar, nullptr);
    pFrame->RecalcLayout();
    CRect rectBar;
    pBar->GetClientRect(rectBar);
    CRect rectMDIClient;
    ::GetWindowRect(pFrame->m_hWndMDIClient, rectMDIClient);
    pFrame->ScreenToClient(rectMDIClient);
    ASSERT_EQ(rectMDIClient.left, rectBar.Width());

    CMDIChildWnd* pChild = new CMDIChildWnd;
    ASSERT_TRUE(pChild->Create(nullptr, "Sheet", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault, pFrame));
    ASSERT_EQ(pFrame->GetActiveFrame(), pChild);
    pBar->SetFocus();

    const CPoint point = HideBox(rectBar.Size(), FALSE).CenterPoint();
    Click(pBar, WM_LBUTTONDOWN, point);
    EXPECT_TRUE(pBar->m_bHidePressed);
    EXPECT_EQ(CWnd::GetCapture(), pBar);
    Click(pBar, WM_LBUTTONUP, point);
    EXPECT_FALSE(pBar->m_bHidePressed);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    // hidden and laid out without waiting for idle
    EXPECT_FALSE(pBar->IsWindowVisible());
    EXPECT_FALSE(pFrame->IsLayoutPending());
    ::GetWindowRect(pFrame->m_hWndMDIClient, rectMDIClient);
    pFrame->ScreenToClient(rectMDIClient);
    EXPECT_EQ(rectMDIClient.left, 0);
    EXPECT_EQ(::GetFocus(), pChild->m_hWnd);
}

TEST_F(ControlBarTest, ReleaseOutsideThePressedBoxDrawsItNormalAgainAndSendsNothing)
{
    CTestBar* pBar = MakeBar(kPaneStyle, kPaneExStyle);
    ASSERT_NE(pBar, nullptr);
    Click(pBar, WM_LBUTTONDOWN, HideBox(kBarSize, FALSE).CenterPoint());
    DibCanvas pressed(kBarSize.cx, kBarSize.cy);
    pBar->DoPaint(&pressed.dc);
    DibCanvas expectedPressed(kBarSize.cx, kBarSize.cy);
    DrawExpectedGripper(expectedPressed, FALSE, DFCS_SCROLLUP, DFCS_PUSHED);
    ExpectSamePixels(pressed, expectedPressed);

    Click(pBar, WM_LBUTTONUP, CPoint(50, 80));
    EXPECT_FALSE(pBar->m_bHidePressed);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_TRUE(pBar->IsWindowVisible());
    DibCanvas released(kBarSize.cx, kBarSize.cy);
    pBar->DoPaint(&released.dc);
    DibCanvas expectedNormal(kBarSize.cx, kBarSize.cy);
    DrawExpectedGripper(expectedNormal, FALSE, DFCS_SCROLLUP);
    ExpectSamePixels(released, expectedNormal);
}

TEST_F(ControlBarTest, ExpandArrowIgnoresPressesWhileTheBarCannotExpandAndBoxesOfAFloatingBarAreGone)
{
    CTestBar* pBar = MakeBar(kPaneStyle, kPaneExStyle);
    ASSERT_NE(pBar, nullptr);
    const CPoint arrow = ExpandBox(kBarSize, FALSE).CenterPoint();
    pBar->m_bCanExpand = FALSE;
    Click(pBar, WM_LBUTTONDOWN, arrow);
    EXPECT_FALSE(pBar->m_bExpandPressed);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    Click(pBar, WM_LBUTTONUP, arrow);

    pBar->m_bCanExpand = TRUE;
    Click(pBar, WM_LBUTTONDOWN, arrow);
    EXPECT_TRUE(pBar->m_bExpandPressed);
    EXPECT_EQ(CWnd::GetCapture(), pBar);
    Click(pBar, WM_LBUTTONUP, arrow);
    EXPECT_FALSE(pBar->m_bExpandPressed);

    pBar->SetBarStyle(pBar->GetBarStyle() | CBRS_FLOATING);
    Click(pBar, WM_LBUTTONDOWN, HideBox(kBarSize, FALSE).CenterPoint());
    EXPECT_FALSE(pBar->m_bHidePressed);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(ControlBarTest, GripperBoxesNameThemselvesAsTools)
{
    CTestBar* pBar = MakeBar(kPaneStyle, kPaneExStyle);
    ASSERT_NE(pBar, nullptr);
    const CRect rectHide = HideBox(kBarSize, FALSE);
    const CRect rectExpand = ExpandBox(kBarSize, FALSE);
    const struct {
        CPoint point;
        BOOL bExpandable;
        INT_PTR nTool;
        const char* pszText;
        CRect rect;
    } cases[] = {
        {rectHide.CenterPoint(), TRUE, 1024, "Hide docked window", rectHide},
        {rectExpand.CenterPoint(), TRUE, 2048, "Expand docked window", rectExpand},
        {rectExpand.CenterPoint(), FALSE, 2048, "Contract docked window", rectExpand},
        {CPoint(50, 8), TRUE, -1, nullptr, CRect()},
    };
    for (const auto& c : cases) {
        pBar->m_bExpandable = c.bExpandable;
        TOOLINFOA ti = {};
        ti.cbSize = sizeof ti;
        EXPECT_EQ(pBar->OnToolHitTest(c.point, &ti), c.nTool) << c.point;
        if (c.pszText == nullptr)
            continue;
        EXPECT_EQ(ti.hwnd, pBar->m_hWnd);
        EXPECT_EQ(ti.uId, UINT_PTR(c.nTool));
        EXPECT_EQ(CRect(ti.rect), c.rect);
        EXPECT_STREQ(ti.lpszText, c.pszText);
    }

    // no tools without CBRS_TOOLTIPS, nor on a floating bar
    pBar->SetBarStyle(pBar->GetBarStyle() & ~DWORD(CBRS_TOOLTIPS));
    EXPECT_EQ(pBar->OnToolHitTest(rectHide.CenterPoint(), nullptr), -1);
    pBar->SetBarStyle(pBar->GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLOATING);
    EXPECT_EQ(pBar->OnToolHitTest(rectHide.CenterPoint(), nullptr), -1);
}

// ---- context menu ---------------------------------------------------------------------------------------

// An MDI frame that adds an item to the context menus its bars announce, and records the bars.
class CMenuSiteFrame : public CMDIFrameWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == SEC_WM_BARCONTEXTMENU) {
            bars.push_back(reinterpret_cast<SECControlBar*>(wParam));
            reinterpret_cast<CMenu*>(lParam)->AppendMenu(MF_STRING, kExtraID, "Extra");
            return 0;
        }
        return CMDIFrameWnd::WindowProc(message, wParam, lParam);
    }
    static const UINT kExtraID = 40123;
    std::vector<SECControlBar*> bars;
};

TEST_F(ControlBarTest, ContextMenuFromTheKeyboardOffersDockingAndHideAndLetsTheFrameAddItems)
{
    CMenuSiteFrame* pSite = MakeFrame<CMenuSiteFrame>();
    ASSERT_NE(pSite, nullptr);
    CTestBar* pBar = new CTestBar;
    pBar->SetAutoDelete(TRUE);
    ASSERT_TRUE(pBar->CreateEx(nullptr, "Bar", kPaneStyle, kPaneExStyle | SEC_CBRS_EX_CONTEXTMENU, 100,
                               CRect(0, 0, 200, 150), pSite));
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    EXPECT_EQ(pBar->GetOwner(), pSite);

    for (BOOL bDocking : {TRUE, FALSE}) {
        pBar->EnableDocking(bDocking ? CBRS_ALIGN_ANY : 0);
        fake.ExpectPopupMenu(0, [&](HMENU hMenu) {
            CMenu* pMenu = CMenu::FromHandle(hMenu);
            ASSERT_EQ(pMenu->GetMenuItemCount(), 3);
            const UINT ids[] = {ID_SEC_ALLOWDOCKING, ID_SEC_HIDE, CMenuSiteFrame::kExtraID};
            const char* texts[] = {"Allow Docking", "Hide", "Extra"};
            for (int i = 0; i < 3; i++) {
                EXPECT_EQ(pMenu->GetMenuItemID(i), ids[i]);
                CString text;
                pMenu->GetMenuString(UINT(i), text, MF_BYPOSITION);
                EXPECT_STREQ(text, texts[i]);
            }
            EXPECT_EQ((pMenu->GetMenuState(ID_SEC_ALLOWDOCKING, MF_BYCOMMAND) & MF_CHECKED) != 0, bDocking != FALSE);
        });
        pBar->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pBar->m_hWnd), MAKELPARAM(-1, -1));
    }
    ASSERT_EQ(pSite->bars.size(), 2u);
    EXPECT_EQ(pSite->bars[0], pBar);

    CPoint expected(200 / 4, 10);
    pBar->ClientToScreen(&expected);
    const auto calls = fake.CallsOf("TrackPopupMenu");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(CPoint(calls[0].pt), expected);
    EXPECT_TRUE(calls[0].nType & TPM_RIGHTBUTTON);
    EXPECT_EQ(calls[0].hWnd, pBar->m_hWnd);

    // opened with the mouse: where the mouse is
    fake.ExpectPopupMenu(0);
    pBar->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pBar->m_hWnd), MAKELPARAM(123, 234));
    EXPECT_EQ(CPoint(fake.CallsOf("TrackPopupMenu").back().pt), CPoint(123, 234));
}

TEST_F(ControlBarTest, AllowDockingSwitchesTheAlignmentsOffAndBringsThemBack)
{
    CTestBar* pBar = MakeBar(kPaneStyle, kPaneExStyle);
    ASSERT_NE(pBar, nullptr);
    pBar->EnableDocking(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT | CBRS_FLOAT_MULTI);
    pBar->SendMessage(WM_COMMAND, ID_SEC_ALLOWDOCKING);
    EXPECT_EQ(pBar->GetEnabledAlignment(), DWORD(CBRS_FLOAT_MULTI));
    EXPECT_EQ(pBar->m_dwMRUDockingState, DWORD(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT));
    pBar->SendMessage(WM_COMMAND, ID_SEC_ALLOWDOCKING);
    EXPECT_EQ(pBar->GetEnabledAlignment(), DWORD(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT | CBRS_FLOAT_MULTI));

    ExpectInvalidArg([&] { pBar->EnableDocking(CBRS_ALIGN_ANY | CBRS_TOOLTIPS); }, "0x0000F010");
}

// ---- sizes and ids ---------------------------------------------------------------------------------------

TEST_F(ControlBarTest, DynamicLayoutCommitsTheSizeOfEachWayOfDocking)
{
    CTestBar* pBar = MakeBar(kPaneStyle, kPaneExStyle);
    ASSERT_NE(pBar, nullptr);
    const CSize sizeDefault(300, 180);
    EXPECT_EQ(pBar->m_szDockHorz, sizeDefault);
    EXPECT_EQ(pBar->m_szDockVert, sizeDefault);
    EXPECT_EQ(pBar->m_szFloat, sizeDefault);

    pBar->m_fPctWidth = 0.25f;
    const struct {
        int nLength;
        DWORD dwMode;
        CSize sizeResult;
        CSize sizeHorz, sizeVert, sizeFloat;
        int nMRUWidth;
    } steps[] = {
        // a committed stretch takes the row fraction of the length
        {400, LM_COMMIT | LM_STRETCH | LM_HORZ | LM_HORZDOCK, CSize(100, 180), CSize(100, 180), sizeDefault, sizeDefault, 32767},
        {250, LM_COMMIT | LM_VERTDOCK | LM_LENGTHY, CSize(300, 250), CSize(100, 180), CSize(300, 250), sizeDefault, 32767},
        {260, LM_COMMIT | LM_HORZ, CSize(260, 180), CSize(100, 180), CSize(300, 250), CSize(260, 180), 260},
        {90, LM_COMMIT | LM_LENGTHY, CSize(260, 90), CSize(100, 180), CSize(300, 250), CSize(260, 90), 260},
        // without LM_COMMIT nothing is stored
        {555, LM_HORZ | LM_HORZDOCK, CSize(100, 180), CSize(100, 180), CSize(300, 250), CSize(260, 90), 260},
    };
    for (const auto& s : steps) {
        EXPECT_EQ(pBar->CalcDynamicLayout(s.nLength, s.dwMode), s.sizeResult) << std::hex << s.dwMode;
        EXPECT_EQ(pBar->m_szDockHorz, s.sizeHorz);
        EXPECT_EQ(pBar->m_szDockVert, s.sizeVert);
        EXPECT_EQ(pBar->m_szFloat, s.sizeFloat);
        EXPECT_EQ(pBar->GetMRUWidth(), s.nMRUWidth);
    }
    EXPECT_EQ(pBar->CalcFixedLayout(TRUE, TRUE), CSize(100, 180));
    EXPECT_EQ(pBar->CalcFixedLayout(FALSE, FALSE), CSize(300, 250));
}

TEST_F(ControlBarTest, NextFreeBarIdSkipsTheIdsOfTheFramesBars)
{
    ASSERT_NE(MakeBar(kPaneStyle, kPaneExStyle, kBarSize, 100), nullptr);
    ASSERT_NE(MakeBar(kPaneStyle, kPaneExStyle, kBarSize, 101), nullptr);
    EXPECT_EQ(NextFreeBarId(pFrame, 100), 102u);
    EXPECT_EQ(NextFreeBarId(pFrame, 99), 99u);
    for (UINT nID = 102; nID < 1100; nID++)
        ASSERT_NE(MakeBar(WS_CHILD, 0, CSize(1, 1), nID), nullptr);
    EXPECT_EQ(NextFreeBarId(pFrame, 100), 0u);
    EXPECT_EQ(NextFreeBarId(pFrame, 101), 1100u);
}

// ---- dialog bar -----------------------------------------------------------------------------------------

TEST_F(ControlBarTest, DialogBarTakesTheTemplatesSizeLosesItsCaptionAndFillsItsCombo)
{
    // the size the dialog manager gives the template, caption included
    const HWND hWndPlain = ::CreateDialogParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDD_TEST_BAR), hWndFrame,
                                                nullptr, 0);
    ASSERT_NE(hWndPlain, nullptr);
    CRect rectPlain;
    ::GetWindowRect(hWndPlain, rectPlain);
    ::DestroyWindow(hWndPlain);

    SECDialogBar* pBar = new SECDialogBar;
    pBar->SetAutoDelete(TRUE);
    ASSERT_TRUE(pBar->Create(pFrame, IDD_TEST_BAR, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 0, 0xE805));
    EXPECT_EQ(pBar->m_sizeDefault, rectPlain.Size());
    EXPECT_EQ(pBar->m_szDockHorz, rectPlain.Size());
    EXPECT_EQ(pBar->m_szDockVert, rectPlain.Size());
    EXPECT_EQ(pBar->m_szFloat, rectPlain.Size());
    EXPECT_EQ(pBar->m_nResourceID, UINT(IDD_TEST_BAR));
    EXPECT_EQ(pBar->GetStyle() & (WS_CAPTION | WS_CLIPSIBLINGS | WS_VISIBLE), DWORD(WS_CLIPSIBLINGS | WS_VISIBLE));
    EXPECT_EQ(pBar->GetDlgCtrlID(), 0xE805);
    EXPECT_EQ(pBar->GetBarStyle(), DWORD(CBRS_ALIGN_TOP));
    EXPECT_EQ(pFrame->GetControlBar(0xE805), pBar);

    const HWND hWndCombo = ::GetDlgItem(pBar->m_hWnd, IDC_BAR_COMBO);
    ASSERT_NE(hWndCombo, nullptr);
    ASSERT_EQ(::SendMessageA(hWndCombo, CB_GETCOUNT, 0, 0), 2);
    char szItem[16] = {};
    ::SendMessageA(hWndCombo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(szItem));
    EXPECT_STREQ(szItem, "Two");

    // docked: the template's size, stretched along the edge
    EXPECT_EQ(pBar->CalcFixedLayout(FALSE, TRUE), rectPlain.Size());
    EXPECT_EQ(pBar->CalcFixedLayout(TRUE, TRUE), CSize(32767, rectPlain.Height()));
    EXPECT_EQ(pBar->CalcFixedLayout(TRUE, FALSE), CSize(rectPlain.Width(), 32767));
}

TEST_F(ControlBarTest, DialogBarHandsItsCookieToTheControlContainerHookOnceItsControlsExist)
{
    // notes each call with whether the dialog's combo existed then
    class CRecordingHook : public CControlContainerHook {
    public:
        void OnInitDialog(CWnd* pWnd, void* pCookie) override
        {
            calls.push_back({pWnd, pCookie, ::GetDlgItem(pWnd->m_hWnd, IDC_BAR_COMBO) != nullptr});
        }
        struct Call {
            CWnd* pWnd;
            void* pCookie;
            bool bControls;
        };
        std::vector<Call> calls;
    } hook;
    CControlContainerHook* pBefore = AfxSetControlContainerHook(&hook);
    int cookie = 0;
    for (void* pCookie : {static_cast<void*>(&cookie), static_cast<void*>(nullptr)}) {
        hook.calls.clear();
        SECDialogBar* pBar = new SECDialogBar;
        pBar->SetAutoDelete(TRUE);
        pBar->m_pInitCookie = pCookie;
        ASSERT_TRUE(pBar->Create(pFrame, IDD_TEST_BAR, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 0, 0xE805));
        if (pCookie != nullptr) {
            ASSERT_EQ(hook.calls.size(), 1u);
            EXPECT_EQ(hook.calls[0].pWnd, pBar);
            EXPECT_EQ(hook.calls[0].pCookie, pCookie);
            EXPECT_TRUE(hook.calls[0].bControls);
        } else {
            EXPECT_TRUE(hook.calls.empty()) << "no cookie, no call";
        }
        pBar->DestroyWindow();
    }
    AfxSetControlContainerHook(pBefore);
}

TEST_F(ControlBarTest, DialogBarRefusesAMissingTemplateAndAPopupOne)
{
    for (UINT nTemplate : {UINT(IDD_POPUP_BAR), 999u}) {
        SECDialogBar bar;
        EXPECT_FALSE(bar.Create(pFrame, nTemplate, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 0, 0xE805)) << nTemplate;
        EXPECT_EQ(bar.m_hWnd, nullptr);
        EXPECT_EQ(pFrame->GetControlBar(0xE805), nullptr);
    }
}

} // namespace
