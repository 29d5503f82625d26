// Dragging tool-bar buttons: regrouping by a nudge, new first and last groups, moves and copies between
// bars, refused drops, drops over the frame and into empty space, a drag given up, the copy cursor and
// the customise selection.
#include "CustomizeTestSupport.h"

#include "frames/SECToolkitRes.h"
#include "win/AfxResource.h"

namespace {

const UINT A = ID_NEW;
const UINT B = ID_OPEN;
const UINT C = ID_SAVE;
const UINT D = ID_CUT;
const UINT X = ID_PRINT;
const UINT Y = ID_SOLVE;

const UINT kBarA = AFX_IDW_TOOLBAR;
const UINT kBarB = AFX_IDW_TOOLBAR + 1;

// The buttons' screen rectangle.
CRect ItemOnScreen(const SECCustomToolBar* pBar, int nIndex)
{
    CRect rect = pBar->GetItemRect(nIndex);
    pBar->ClientToScreen(rect);
    return rect;
}

// A window that notes the cursor shown when it is sent a message.
class CCursorWatcher : public CWnd {
public:
    BOOL CreateWatcher() { return CreateEx(0, nullptr, "cursor", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_APP)
            cursors.push_back(::GetCursor());
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<HCURSOR> cursors;
};

class DragTest : public ManagerTest {
protected:
    void SetUp() override
    {
        ManagerTest::SetUp();
        pManager->EnterCustomizeMode(pFrame);
    }
    // Bar A at the top of the frame with ids; in customise mode.
    SECCustomToolBar* MakeBarA(const std::vector<UINT>& ids) { return MakeManagedBar(ids, kBarA); }
    // Bar B docked below bar A.
    SECCustomToolBar* MakeBarB(const std::vector<UINT>& ids, DWORD dwAddExStyle = 0)
    {
        SECCustomToolBar* pBar = MakeManagedBar(ids, kBarB, FALSE);
        if (pBar == nullptr)
            return nullptr;
        pBar->ModifyExBarStyle(0, dwAddExStyle);
        CRect rect = ScreenRect(pFrame->GetControlBar(kBarA));
        rect.OffsetRect(0, rect.Height());
        pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP, rect);
        pFrame->RecalcLayout();
        return pBar;
    }
    // The offset that moves button nIndex of pBar so that its top-left lands at pt (screen).
    static CSize OffsetTo(const SECCustomToolBar* pBar, int nIndex, CPoint pt)
    {
        return pt - ItemOnScreen(pBar, nIndex).TopLeft();
    }
    // Drags button nIndex of pBar so that its top-left lands at pt (screen).
    static void DropAt(SECCustomToolBar* pBar, int nIndex, CPoint pt)
    {
        NudgeButton(pBar, nIndex, OffsetTo(pBar, nIndex, pt));
    }
};

// ---- regrouping -------------------------------------------------------------------------------------------

TEST_F(DragTest, ANudgeSplitsAButtonFromItsGroupOrJoinsItToTheNextOne)
{
    const std::vector<UINT> start = {A, B, 0, C, 0, D};
    const struct {
        int nIndex;
        int dx;
        std::vector<UINT> ids;
    } cases[] = {
        {1, 1, start},                    // one pixel changes nothing
        {1, -1, start},
        {1, 5, {A, 0, B, 0, C, 0, D}},    // right: away from the button on its left
        {3, 5, {A, B, 0, C, D}},          // right, alone in its group: into the next one
        {0, 5, start},                    // right, first of a group with others: stays
        {3, -5, {A, B, C, 0, D}},         // left: the separator before it goes
        {0, -5, {A, 0, B, 0, C, 0, D}},   // left, no separator before: away from the button on its right
        {1, -5, start},                   // left, already last of its group
    };
    for (const auto& c : cases) {
        SECCustomToolBar* pBar = MakeBarA(start);
        ASSERT_NE(pBar, nullptr);
        const UINT nID = pBar->GetBtn(c.nIndex)->m_nID;
        NudgeButton(pBar, c.nIndex, CSize(c.dx, 0));
        EXPECT_EQ(Ids(pBar), c.ids) << c.nIndex << " by " << c.dx;
        const SECStdBtn* pSelected = pBar->GetBtn(pBar->GetCustomizeButton());
        ASSERT_NE(pSelected, nullptr);
        EXPECT_EQ(pSelected->m_nID, nID) << "the dragged button stays selected";
        pBar->DestroyWindow();
    }
}

TEST_F(DragTest, ADropAboveOrBelowTheButtonsMakesANewFirstOrLastGroup)
{
    const struct {
        BOOL bAbove;
        BOOL bCopy;
        std::vector<UINT> ids;
    } cases[] = {
        {TRUE, FALSE, {C, 0, A, B, 0, D}},
        {FALSE, FALSE, {A, B, 0, D, 0, C}},
        {TRUE, TRUE, {C, 0, A, B, 0, C, 0, D}},
    };
    for (const auto& c : cases) {
        SECCustomToolBar* pBar = MakeBarA({A, B, 0, C, 0, D});
        ASSERT_NE(pBar, nullptr);
        fake.SetKeyState(VK_CONTROL, c.bCopy ? SHORT(0x8000) : SHORT(0));
        // the frame overlaps the bar's edge by 2 pixels, outside its inside rectangle
        const CRect rectBar = ScreenRect(pBar);
        const int y = c.bAbove ? rectBar.top + 2 - kBtn.cy : rectBar.bottom - 2;
        DropAt(pBar, 3, CPoint(rectBar.left + 40, y));
        EXPECT_EQ(Ids(pBar), c.ids) << c.bAbove << c.bCopy;
        pBar->DestroyWindow();
    }
}

// ---- between bars -----------------------------------------------------------------------------------------

TEST_F(DragTest, AButtonGoesAfterTheButtonUnderTheFramesLeftEdgeMovedOrCopied)
{
    for (BOOL bCopy : {FALSE, TRUE}) {
        SECCustomToolBar* pA = MakeBarA({A, B, 0, C});
        SECCustomToolBar* pB = MakeBarB({X, Y});
        ASSERT_NE(pA, nullptr);
        ASSERT_NE(pB, nullptr);
        fake.SetKeyState(VK_CONTROL, bCopy ? SHORT(0x8000) : SHORT(0));
        DropAt(pA, 1, ItemOnScreen(pB, 0).TopLeft() + CSize(5, 0));
        EXPECT_EQ(Ids(pB), (std::vector<UINT>{X, B, Y})) << bCopy;
        EXPECT_EQ(Ids(pA), bCopy ? (std::vector<UINT>{A, B, 0, C}) : (std::vector<UINT>{A, 0, C}));
        EXPECT_EQ(pB->GetCustomizeButton(), 1) << "the dropped button is selected";
        EXPECT_EQ(pA->GetCustomizeButton(), -1);

        // before the first button's left edge: at the row's start
        DropAt(pA, 0, ItemOnScreen(pB, 0).TopLeft() - CSize(5, 0));
        EXPECT_EQ(Ids(pB).front(), A) << bCopy;
        pA->DestroyWindow();
        pB->DestroyWindow();
    }
}

TEST_F(DragTest, ASeparatorTheFrameCoversIsReplaced)
{
    SECCustomToolBar* pA = MakeBarA({A, B});
    SECCustomToolBar* pB = MakeBarB({X, 0, Y});
    ASSERT_NE(pA, nullptr);
    ASSERT_NE(pB, nullptr);
    DropAt(pA, 1, ItemOnScreen(pB, 1).TopLeft() - CSize(1, 0));
    EXPECT_EQ(Ids(pB), (std::vector<UINT>{X, B, Y}));
}

TEST_F(DragTest, ABarOfItsOwnButtonsRefusesOthersButRegroupsItsOwn)
{
    SECCustomToolBar* pA = MakeBarA({A, B});
    SECCustomToolBar* pB = MakeBarB({X, Y}, SEC_TBSTYLE_OWNBUTTONS);
    ASSERT_NE(pA, nullptr);
    ASSERT_NE(pB, nullptr);
    DropAt(pA, 1, ItemOnScreen(pB, 0).TopLeft() + CSize(5, 0));
    EXPECT_EQ(Ids(pA), (std::vector<UINT>{A, B}));
    EXPECT_EQ(Ids(pB), (std::vector<UINT>{X, Y}));
    NudgeButton(pB, 1, CSize(5, 0));
    EXPECT_EQ(Ids(pB), (std::vector<UINT>{X, 0, Y}));
}

TEST_F(DragTest, TheLastButtonDraggedOutOfAUserToolBarTakesTheBarWithIt)
{
    SECCustomToolBar* pA = MakeBarA({A});
    SECCustomToolBar* pUser = pManager->CreateUserToolBar();
    ASSERT_NE(pA, nullptr);
    ASSERT_NE(pUser, nullptr);
    ASSERT_TRUE(pUser->InsertButton(0, X));
    pFrame->FloatControlBar(pUser, CPoint(300, 300));
    const HWND hWndUser = pUser->m_hWnd;
    DropAt(pUser, 0, ItemOnScreen(pA, 0).TopLeft() + CSize(5, 0));
    EXPECT_EQ(Ids(pA), (std::vector<UINT>{A, X}));
    EXPECT_FALSE(::IsWindow(hWndUser));
}

// ---- elsewhere --------------------------------------------------------------------------------------------

TEST_F(DragTest, ADropOverTheFrameBesideTheBarsChangesNothing)
{
    SECCustomToolBar* pA = MakeBarA({A, B});
    ASSERT_NE(pA, nullptr);
    for (SHORT nCtrl : {SHORT(0), SHORT(0x8000)}) {
        fake.SetKeyState(VK_CONTROL, nCtrl);
        DropAt(pA, 1, ClientOnScreen().CenterPoint());
        EXPECT_EQ(Ids(pA), (std::vector<UINT>{A, B})) << nCtrl;
    }
    EXPECT_EQ(pFrame->GetControlBar(SEC_IDW_FIRST_USERBAR), nullptr);
}

TEST_F(DragTest, InEmptySpaceACopyFloatsInANewBarAndAMoveRemovesTheButton)
{
    SECCustomToolBar* pA = MakeBarA({A, B, 0, C});
    ASSERT_NE(pA, nullptr);
    const CPoint ptDrop(900, 700);

    fake.SetKeyState(VK_CONTROL, SHORT(0x8000));
    DropAt(pA, 1, ptDrop);
    EXPECT_EQ(Ids(pA), (std::vector<UINT>{A, B, 0, C}));
    SECCustomToolBar* pNew = pManager->GetToolBar(SEC_IDW_FIRST_USERBAR);
    ASSERT_NE(pNew, nullptr);
    EXPECT_EQ(WindowText(pNew), "ToolBar1");
    EXPECT_EQ(Ids(pNew), (std::vector<UINT>{B}));
    EXPECT_TRUE(pNew->IsFloating());
    EXPECT_EQ(pNew->GetCustomizeButton(), 0);
    // its floating frame is placed (at the drop point less a tool window's frame, the bar's border and
    // the toolkit border) so that the button stays where it was dropped
    EXPECT_EQ(ItemOnScreen(pNew, 0).TopLeft(), ptDrop);

    fake.SetKeyState(VK_CONTROL, 0);
    DropAt(pA, 0, ptDrop);
    EXPECT_EQ(Ids(pA), (std::vector<UINT>{B, 0, C}));
    EXPECT_EQ(pFrame->GetControlBar(SEC_IDW_FIRST_USERBAR + 1), nullptr) << "no new bar";
}

TEST_F(DragTest, ADragGivenUpChangesNothing)
{
    SECCustomToolBar* pA = MakeBarA({A, B, 0, C});
    ASSERT_NE(pA, nullptr);
    const CPoint ptFar(900, 700);
    DragButton(pA, 1, {ptFar}, WM_KEYDOWN, VK_ESCAPE);
    DragButton(pA, 1, {ptFar}, WM_RBUTTONDOWN);
    EXPECT_EQ(Ids(pA), (std::vector<UINT>{A, B, 0, C}));
    EXPECT_EQ(pA->GetCustomizeButton(), 1) << "the press selected it";
}

TEST_F(DragTest, WithCtrlTheCopyCursorShows)
{
    SECCustomToolBar* pA = MakeBarA({A, B});
    ASSERT_NE(pA, nullptr);
    CCursorWatcher watcher;
    ASSERT_TRUE(watcher.CreateWatcher());
    const LPCSTR lpszCopy = MAKEINTRESOURCEA(SEC_IDC_COPYBUTTON);
    const HCURSOR hCopy = ::LoadCursorA(AfxFindResourceHandle(lpszCopy, MAKEINTRESOURCEA(12)), lpszCopy);
    ASSERT_NE(hCopy, nullptr);
    for (SHORT nCtrl : {SHORT(0x8000), SHORT(0)}) {
        fake.SetKeyState(VK_CONTROL, nCtrl);
        watcher.cursors.clear();
        const CPoint pt = MiddleOnScreen(pA, 1);
        PostDrag(*pA, {pt + CSize(3, 0)}, WM_MOUSEMOVE);
        watcher.PostMessage(WM_APP);
        PostDrag(*pA, {pt}, WM_KEYDOWN, VK_ESCAPE);
        pA->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(Middle(pA, 1)));
        ASSERT_EQ(watcher.cursors.size(), 1u);
        EXPECT_EQ(watcher.cursors[0] == hCopy, nCtrl != 0) << nCtrl;
    }
}

TEST_F(DragTest, AltDragsWithoutCustomiseModeAndSelectsNothing)
{
    pManager->ExitCustomizeMode();
    SECCustomToolBar* pA = MakeBarA({A, B, 0, C});
    ASSERT_NE(pA, nullptr);
    fake.SetKeyState(VK_MENU, SHORT(0x8000));
    NudgeButton(pA, 1, CSize(5, 0));
    EXPECT_EQ(Ids(pA), (std::vector<UINT>{A, 0, B, 0, C}));
    EXPECT_EQ(pA->GetCustomizeButton(), -1);
    EXPECT_TRUE(pCmdFrame->commands.empty());

    // a bar without a manager presses its button as usual
    pCmdFrame->handled = {B};
    SECCustomToolBar* pOwn = MakeBar({A, B});
    ASSERT_NE(pOwn, nullptr);
    pOwn->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(pOwn);
    pFrame->RecalcLayout();
    pOwn->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(Middle(pOwn, 1)));
    pOwn->SendMessage(WM_LBUTTONUP, 0, At(Middle(pOwn, 1)));
    EXPECT_EQ(pCmdFrame->commands.size(), 1u);
}

} // namespace
