// The customisable tool bar: the application's bar, rows and wrapping, the fit-to-height search and
// balanced rows, inserting and removing buttons, clicks and their commands, the command update, flyby
// prompts, the tracking mode, native button records, tooltips, the flat borders and bands of a re-bar.
#include "ToolBarTestSupport.h"

#include "frames/SECBtnCaption.h"

#include <cstring>
#include <string>

namespace {

// The flat bar's borders in a dock bar (all four border lines): before the buttons and around them.
const CPoint kDockedOrigin(1 + kGripper, 1 + kEndBorder);
const CSize kDockedBorders(1 + kGripper + 1 + kSideBorder, 2 * (1 + kEndBorder));
// ... and floating (no gripper).
const CPoint kFloatOrigin(1 + kSideBorder, 1 + kEndBorder);
const CSize kFloatBorders(2 * (1 + kSideBorder), 2 * (1 + kEndBorder));

const UINT ID_A = ID_NEW;
const UINT ID_B = ID_OPEN;
const UINT ID_C = ID_SAVE;
const UINT ID_D = ID_CUT;

// The number of buttons (separators included) in each row of pBar's committed layout.
std::vector<int> RowCounts(const SECCustomToolBar* pBar)
{
    std::vector<int> counts{0};
    for (int i = 0; i < pBar->GetBtnCount(); i++) {
        if (pBar->GetButtonStyle(i) & TBBS_HIDDEN)
            continue;
        counts.back()++;
        if ((pBar->GetButtonStyle(i) & TBBS_WRAPPED) && i + 1 < pBar->GetBtnCount())
            counts.push_back(0);
    }
    return counts;
}

// ---- the application's bar ---------------------------------------------------------------------------

TEST_F(ToolBarTest, TheApplicationsBarHoldsItsButtonsInSixGroups)
{
    SECCustomToolBar* pBar = MakeAppBar();
    ASSERT_NE(pBar, nullptr);
    EXPECT_EQ(Ids(pBar), std::vector<UINT>(std::begin(kAppButtons), std::end(kAppButtons)));
    // the dock bar marks the bar as one of a row of fixed-size bars
    EXPECT_EQ(pBar->GetExBarStyle(), kAppToolBarStyle | SEC_CBRS_EX_FIXEDSIZE | SEC_CBRS_EX_INFIXEDROW);
    EXPECT_EQ(pBar->GetDlgCtrlID(), AFX_IDW_TOOLBAR);
    for (int i = 0; i < pBar->GetBtnCount(); i++) {
        const CSize size = pBar->GetItemRect(i).Size();
        EXPECT_EQ(size, kAppButtons[i] == 0 ? CSize(kSep, kBtn.cy) : kBtn) << i;
    }

    // one row at the top of the frame, the buttons side by side after the gripper
    EXPECT_EQ(pBar->GetDockBar(), pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP));
    EXPECT_EQ(RowCounts(pBar), std::vector<int>{23});
    const int cxButtons = 18 * kBtn.cx + 5 * kSep;
    EXPECT_EQ(pBar->GetItemRect(0).TopLeft(), kDockedOrigin);
    EXPECT_EQ(pBar->GetItemRect(22).right, kDockedOrigin.x + cxButtons);
    EXPECT_EQ(ParentRect(pBar).Size(), CSize(cxButtons, kBtn.cy) + kDockedBorders);
}

TEST_F(ToolBarTest, ACreationThatFailsSaysSo)
{
    SECCustomToolBar bar;
    EXPECT_FALSE(bar.CreateEx("NoSuchWindowClass", nullptr, kAppBarStyle, kAppToolBarStyle, AFX_IDW_TOOLBAR, CRect(),
                              pFrame));
    EXPECT_EQ(bar.m_hWnd, nullptr);
}

TEST_F(ToolBarTest, AToolBarThatCannotBeLoadedStaysAsItWas)
{
    SECCustomToolBar* pBar = MakeAppBar(FALSE);
    ASSERT_NE(pBar, nullptr);
    for (UINT nID : {UINT(IDR_NO_SUCH_TOOLBAR), UINT(IDR_TOOLBAR_NO_BMP)}) {
        EXPECT_FALSE(pBar->LoadToolBar(nID)) << nID;
        EXPECT_EQ(Ids(pBar), std::vector<UINT>(std::begin(kAppButtons), std::end(kAppButtons))) << nID;
    }
}

// ---- rows ------------------------------------------------------------------------------------------------

TEST_F(ToolBarTest, RowsWrapAtTheLimitAndAtSeparators)
{
    SECCustomToolBar* pBar = MakeBar({ID_A, ID_B, 0, ID_C});
    ASSERT_NE(pBar, nullptr);
    const CRect rectInside = [pBar] {
        CRect rect(0, 0, 0, 0);
        pBar->CalcInsideRect(rect, TRUE);
        return rect;
    }();
    const CPoint origin = rectInside.TopLeft();

    // narrower than any button: every button alone in its row, the separator ending the second
    pBar->CalcDynamicLayout(5 - rectInside.Width(), LM_HORZ | LM_COMMIT);
    EXPECT_EQ(RowCounts(pBar), (std::vector<int>{1, 2, 1}));
    EXPECT_EQ(pBar->GetItemRect(1).TopLeft(), origin + CSize(0, kBtn.cy));
    EXPECT_EQ(pBar->GetItemRect(3).TopLeft(), origin + CSize(0, 2 * kBtn.cy + kSepGap));

    // two buttons wide: the row ends at the separator, 5 pixels between the rows
    const CSize size = pBar->CalcDynamicLayout(2 * kBtn.cx - rectInside.Width(), LM_HORZ | LM_COMMIT);
    EXPECT_EQ(RowCounts(pBar), (std::vector<int>{3, 1}));
    EXPECT_TRUE(pBar->GetButtonStyle(2) & TBBS_WRAPPED);
    EXPECT_EQ(pBar->GetItemRect(3).TopLeft(), origin + CSize(0, kBtn.cy + kSepGap));
    EXPECT_EQ(size, CSize(2 * kBtn.cx, 2 * kBtn.cy + kSepGap) - rectInside.Size() - CSize(2, 2)) << "floating";

    // docked at a side with the bar's own choice: one button per row
    pBar->CalcDynamicLayout(-1, LM_VERTDOCK | LM_COMMIT);
    EXPECT_EQ(RowCounts(pBar), (std::vector<int>{1, 2, 1}));
}

TEST_F(ToolBarTest, AWrappedSeparatorIsNotDrawn)
{
    SECCustomToolBar* pBar = MakeBar({ID_A, 0, ID_B, 0, ID_C});
    ASSERT_NE(pBar, nullptr);
    CRect rectInside(0, 0, 0, 0);
    pBar->CalcInsideRect(rectInside, TRUE);
    // the second separator ends the first row
    pBar->CalcDynamicLayout(2 * kBtn.cx + kSep - rectInside.Width(), LM_HORZ | LM_COMMIT);
    ASSERT_EQ(RowCounts(pBar), (std::vector<int>{4, 1}));

    DibCanvas canvas(200, 100);
    pBar->DoPaint(&canvas.dc);
    for (int nSep : {1, 3}) {
        const CRect rect = pBar->GetItemRect(nSep);
        const COLORREF clrLine = canvas.At(rect.left + kSep / 2, rect.CenterPoint().y);
        EXPECT_EQ(clrLine, nSep == 1 ? Shadow() : RGB(255, 255, 255)) << nSep;
    }
}

TEST_F(ToolBarTest, TheFitToHeightSearchAndBalancedRows)
{
    const struct {
        std::vector<UINT> ids;
        int nHeight; // the rows' height asked for
        std::vector<int> rows;
    } cases[] = {
        // three rows fit exactly
        {{ID_A, ID_A, ID_A, ID_A, ID_A, ID_A, ID_A, ID_A, ID_A}, 3 * kBtn.cy, {3, 3, 3}},
        // two buttons a row make five rows, too high: widened to three, which fit
        {{ID_A, ID_A, ID_A, ID_A, ID_A, ID_A, ID_A, ID_A, ID_A}, 100, {3, 3, 3}},
        // below one button's height: one row
        {{ID_A, ID_A, ID_A, 0, ID_A}, 10, {5}},
        {{ID_A, ID_A, ID_A, 0, ID_A}, -30, {5}},
        // wrapped three, three, two: the third row cannot take more without passing the first's width
        {{ID_A, ID_A, ID_A, ID_A, ID_A, ID_A, ID_A, ID_A}, 80, {3, 3, 2}},
        // groups of one: narrowed as far as the narrowest button, the rows stay
        {{ID_A, 0, ID_A, 0, ID_A, 0, ID_A}, 120, {2, 2, 2, 1}},
    };
    for (const auto& c : cases) {
        SECCustomToolBar* pBar = MakeBar(c.ids);
        ASSERT_NE(pBar, nullptr);
        CRect rectInside(0, 0, 0, 0);
        pBar->CalcInsideRect(rectInside, TRUE);
        pBar->CalcDynamicLayout(c.nHeight - rectInside.Height(), LM_HORZ | LM_LENGTHY | LM_COMMIT);
        EXPECT_EQ(RowCounts(pBar), c.rows) << c.nHeight;
        pBar->DestroyWindow();
    }

    // nine buttons wrapped four to a row are balanced three by three; groups move whole
    const struct {
        std::vector<UINT> ids;
        int cxWrap;
        std::vector<int> rows;
    } balanced[] = {
        {{ID_A, ID_A, ID_A, ID_A, ID_A, ID_A, ID_A, ID_A, ID_A}, 4 * kBtn.cx, {3, 3, 3}},
        {{ID_A, ID_A, ID_A, ID_A, ID_A}, 4 * kBtn.cx, {3, 2}},
        // [A A 0 A 0] [A]: the first row's last group moves on, the separator before it ends the row
        {{ID_A, ID_A, 0, ID_A, 0, ID_A}, 3 * kBtn.cx + 2 * kSep, {3, 3}},
    };
    for (const auto& b : balanced) {
        SECCustomToolBar* pBar = MakeBar(b.ids);
        ASSERT_NE(pBar, nullptr);
        CRect rectInside(0, 0, 0, 0);
        pBar->CalcInsideRect(rectInside, TRUE);
        pBar->CalcDynamicLayout(b.cxWrap - rectInside.Width(), LM_HORZ | LM_COMMIT);
        EXPECT_EQ(RowCounts(pBar), b.rows) << b.ids.size();
        pBar->DestroyWindow();
    }
}

TEST_F(ToolBarTest, HiddenButtonsTakeNoPlaceAndAFloatingBarIsTwoSmaller)
{
    SECCustomToolBar* pBar = MakeAppBar();
    ASSERT_NE(pBar, nullptr);
    const CSize sizeDocked = ParentRect(pBar).Size();
    pBar->SetButtonStyle(1, pBar->GetButtonStyle(1) | TBBS_HIDDEN);
    pFrame->RecalcLayout();
    EXPECT_EQ(ParentRect(pBar).Size(), sizeDocked - CSize(kBtn.cx, 0));
    EXPECT_EQ(pBar->GetItemRect(2).left, kDockedOrigin.x + kBtn.cx);
    EXPECT_EQ(pBar->HitTest(Middle(pBar, 2)), 2);
    EXPECT_EQ(pBar->HitTest(pBar->GetItemRect(1).TopLeft()), 2) << "the hidden one is not hit";

    pFrame->FloatControlBar(pBar, ClientOnScreen().CenterPoint());
    ASSERT_TRUE(pBar->IsFloating());
    const int cxButtons = 17 * kBtn.cx + 5 * kSep;
    const CSize sizeFloating = CSize(cxButtons, kBtn.cy) + kFloatBorders - CSize(2, 2);
    EXPECT_EQ(pBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH), sizeFloating);
    EXPECT_EQ(ParentRect(pBar).Size(), sizeFloating);
    EXPECT_EQ(pBar->GetItemRect(0).TopLeft(), kFloatOrigin);
}

TEST_F(ToolBarTest, ADraggedToolBarFloatsAtTheTopLeftOfItsFeedbackFrame)
{
    SECCustomToolBar* pBar = MakeAppBar();
    ASSERT_NE(pBar, nullptr);
    const CPoint ptBar = ScreenRect(pBar).TopLeft();
    const CPoint ptGrab = ptBar + CSize(5, 5);
    const CSize delta(150, 200);
    fake.SetKeyState(VK_CONTROL, SHORT(0x8000)); // no docking
    PostDrag(*pBar, {ptGrab + delta});
    pBar->GetDockContext()->StartDrag(ptGrab);
    ASSERT_TRUE(pBar->IsFloating());

    // the feedback: the floating size in a tool window's frame, less the toolkit border on every side,
    // moved with the mouse; other bars float a toolkit border further up and left
    CRect rectBorders(0, 0, 0, 0);
    ::AdjustWindowRectEx(rectBorders, WS_POPUP | WS_CAPTION | WS_THICKFRAME, FALSE, WS_EX_TOOLWINDOW);
    const SECDrawValues& v = SECGetDrawValues();
    const CPoint ptFeedback = ptBar + CSize(rectBorders.left + v.cxBorder2, rectBorders.top + v.cyBorder2) + delta;
    EXPECT_EQ(pBar->GetDockContext()->m_ptMRUFloatPos, ptFeedback);
    EXPECT_EQ(ScreenRect(pBar->GetParentFrame()).TopLeft(), ptFeedback);
}

TEST_F(ToolBarTest, AFullRowBarTakesTheFramesWidthWithItsCaptionGroupAtTheEnd)
{
    const SECBtnClassEntry table[] = {
        {RUNTIME_CLASS(SECBtnCaption), ID_C, 0, {}},
        {nullptr, 0, 0, {}},
    };
    SECCustomToolBar* pBar = new SECCustomToolBar;
    pBar->SetAutoDelete(TRUE);
    ASSERT_TRUE(pBar->CreateEx(kAppToolBarStyle | SEC_TBSTYLE_FULLROW, pFrame, kAppBarStyle, 0xE8FF));
    pBar->SetBtnClassTables(table, nullptr);
    const UINT ids[] = {ID_A, ID_B, ID_C};
    pBar->SetButtons(ids, 3);
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(pBar);
    pFrame->RecalcLayout();

    CRect rectClient;
    pFrame->GetClientRect(rectClient);
    EXPECT_EQ(ParentRect(pBar).Width(), rectClient.Width());
    EXPECT_EQ(pBar->GetItemRect(2).right, rectClient.Width() - 2);
    EXPECT_EQ(pBar->GetItemRect(1).left, kDockedOrigin.x + kBtn.cx) << "the others in their place";

    pFrame->MoveWindow(0, 0, 500, 400);
    pFrame->GetClientRect(rectClient);
    EXPECT_EQ(ParentRect(pBar).Width(), rectClient.Width());
    EXPECT_EQ(pBar->GetItemRect(2).right, rectClient.Width() - 2);
}

TEST_F(ToolBarTest, InAReBarsBandABarGivesTheBandItsSizeAndAFullRowLeavesTheBand12Pixels)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_COOL_CLASSES};
    ASSERT_TRUE(::InitCommonControlsEx(&icc));
    CWnd reBar;
    ASSERT_TRUE(reBar.CreateEx(0, REBARCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE | CCS_NODIVIDER | CCS_NORESIZE,
                               CRect(0, 0, 400, 60), pFrame, 0xE8F0));
    CRect rectReBar;
    reBar.GetClientRect(rectReBar);
    for (DWORD dwFullRow : {DWORD(0), DWORD(SEC_TBSTYLE_FULLROW)}) {
        SCOPED_TRACE(dwFullRow);
        SECCustomToolBar* pBar = new SECCustomToolBar;
        pBar->SetAutoDelete(TRUE);
        ASSERT_TRUE(pBar->CreateEx(kAppToolBarStyle | dwFullRow, &reBar, kAppBarStyle, 0xE8F1));
        const UINT ids[] = {ID_A, ID_B, 0, ID_C};
        pBar->SetButtons(ids, 4);
        REBARBANDINFOA band = {};
        band.cbSize = sizeof(band);
        band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE;
        band.hwndChild = pBar->m_hWnd;
        band.cxMinChild = 1;
        band.cyMinChild = 1;
        ASSERT_TRUE(reBar.SendMessage(RB_INSERTBANDA, WPARAM(-1), reinterpret_cast<LPARAM>(&band)));

        // a size asked for, not committed: the layout is done and the band told
        const CSize size = pBar->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK);
        if (dwFullRow) {
            EXPECT_EQ(size.cx, rectReBar.Width() - 12);
        } else {
            EXPECT_LT(size.cx, rectReBar.Width() - 12) << "the buttons' own width";
        }
        REBARBANDINFOA got = {};
        got.cbSize = sizeof(got);
        got.fMask = RBBIM_CHILDSIZE;
        ASSERT_TRUE(reBar.SendMessage(RB_GETBANDINFOA, 0, reinterpret_cast<LPARAM>(&got)));
        EXPECT_EQ(got.cyMinChild, UINT(size.cy));
        EXPECT_EQ(got.cxMinChild, dwFullRow ? UINT(size.cx) : 1u);
        reBar.SendMessage(RB_DELETEBAND, 0);
        pBar->DestroyWindow();
    }
    reBar.DestroyWindow();
}

// ---- inserting and removing ----------------------------------------------------------------------

TEST_F(ToolBarTest, RemovingLeavesNoSeparatorFirstLastOrBesideAnother)
{
    const struct {
        int nIndex;
        BOOL bResult;
        std::vector<UINT> ids;
    } cases[] = {
        {0, TRUE, {ID_B, 0, ID_C}},
        {2, TRUE, {ID_A, 0, ID_C}},
        {4, TRUE, {ID_A, 0, ID_B}},
        {1, TRUE, {ID_A, ID_B, 0, ID_C}},
        {5, FALSE, {ID_A, 0, ID_B, 0, ID_C}},
        {-1, FALSE, {ID_A, 0, ID_B, 0, ID_C}},
    };
    for (const auto& c : cases) {
        SECCustomToolBar* pBar = MakeBar({ID_A, 0, ID_B, 0, ID_C});
        ASSERT_NE(pBar, nullptr);
        EXPECT_EQ(pBar->RemoveButton(c.nIndex), c.bResult) << c.nIndex;
        EXPECT_EQ(Ids(pBar), c.ids) << c.nIndex;
        pBar->DestroyWindow();
    }
}

TEST_F(ToolBarTest, OnlyAnEmptiedUserToolBarDestroysItself)
{
    const struct {
        UINT nID;
        BOOL bDestroyed;
    } cases[] = {{0xE820, TRUE}, {0xE8FE, TRUE}, {0xE8FF, FALSE}, {AFX_IDW_TOOLBAR, FALSE}};
    for (const auto& c : cases) {
        SECCustomToolBar* pBar = MakeBar({ID_A}, kAppBarStyle, c.nID);
        ASSERT_NE(pBar, nullptr);
        const HWND hWnd = pBar->m_hWnd;
        EXPECT_FALSE(pBar->RemoveButton(0)) << c.nID;
        EXPECT_EQ(::IsWindow(hWnd), !c.bDestroyed) << c.nID;
        if (::IsWindow(hWnd))
            pBar->DestroyWindow();
    }
}

TEST_F(ToolBarTest, SeparatorsTakeTheHeightOfTheirRowsTallestButton)
{
    // a menu button in a large font is taller than the image buttons
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(240, "Arial"));
    static const char szTitle[] = "&Big";
    const SECBtnClassEntry table[] = {
        {RUNTIME_CLASS(SECTBMenuBtn), ID_D, 0, {1, 0, reinterpret_cast<UINT_PTR>(szTitle), 1, 0}},
        {nullptr, 0, 0, {}},
    };
    SECCustomToolBar* pBar = MakeBar({ID_A, 0, ID_B});
    ASSERT_NE(pBar, nullptr);
    pBar->SetBtnFont(static_cast<HFONT>(font.m_hObject));
    pBar->SetBtnClassTables(table, nullptr);
    pBar->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK | LM_COMMIT);

    ASSERT_TRUE(pBar->InsertButton(3, ID_D));
    const int cyTall = pBar->GetBtn(3)->m_cy;
    ASSERT_GT(cyTall, kBtn.cy);
    EXPECT_EQ(pBar->GetBtn(1)->m_cy, cyTall);
    ASSERT_TRUE(pBar->InsertButton(3, 0, TRUE));
    EXPECT_EQ(pBar->GetBtn(3)->m_cy, cyTall) << "a new separator";

    ASSERT_TRUE(pBar->RemoveButton(4));
    EXPECT_EQ(Ids(pBar), (std::vector<UINT>{ID_A, 0, ID_B}));
    EXPECT_EQ(pBar->GetBtn(1)->m_cy, kBtn.cy);
    pBar->DestroyWindow();
}

// ---- clicks --------------------------------------------------------------------------------------------

TEST_F(ToolBarTest, AClickSendsTheCommandOnReleaseWithThePromptWhilePressed)
{
    SECCustomToolBar* pBar = MakeAppBar();
    ASSERT_NE(pBar, nullptr);
    pCmdFrame->handled = {ID_OPEN, ID_SAVE};
    const CRect rect = pBar->GetItemRect(1);

    const struct {
        CPoint ptUp;
        size_t nCommands;
    } cases[] = {{rect.BottomRight(), 1}, {rect.BottomRight() + CSize(1, 0), 0}};
    for (const auto& c : cases) {
        pCmdFrame->commands.clear();
        pCmdFrame->prompts.clear();
        pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(rect.CenterPoint()));
        EXPECT_EQ(CWnd::GetCapture(), pBar);
        EXPECT_TRUE(pBar->GetButtonStyle(1) & TBBS_PRESSED);
        EXPECT_EQ(pCmdFrame->prompts, std::vector<UINT>{ID_OPEN});
        pBar->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(c.ptUp));
        pBar->SendMessage(WM_LBUTTONUP, 0, At(c.ptUp));
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
        EXPECT_FALSE(pBar->GetButtonStyle(1) & TBBS_PRESSED);
        EXPECT_EQ(pCmdFrame->prompts, (std::vector<UINT>{ID_OPEN, AFX_IDS_IDLEMESSAGE}));
        ASSERT_EQ(pCmdFrame->commands.size(), c.nCommands) << c.ptUp;
        if (c.nCommands != 0) {
            EXPECT_EQ(pCmdFrame->commands[0].nID, UINT(ID_OPEN));
            EXPECT_TRUE(pCmdFrame->commands[0].bInCommand);
        }
    }
    EXPECT_FALSE(SECCustomToolBar::IsInCommand());
}

TEST_F(ToolBarTest, ACommandOfTheMainFrameWorksWhileADocumentWindowIsActive)
{
    SECCustomToolBar* pBar = MakeAppBar();
    ASSERT_NE(pBar, nullptr);
    pCmdFrame->handled = {ID_PANE_ALT};
    CMDIChildWnd* pChild = new CMDIChildWnd;
    ASSERT_TRUE(pChild->Create(nullptr, "Document", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault,
                               pFrame));
    pChild->MDIActivate();
    ASSERT_EQ(pFrame->GetActiveFrame(), pChild);

    const CPoint pt = Middle(pBar, 17);
    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(pt));
    pBar->SendMessage(WM_LBUTTONUP, 0, At(pt));
    ASSERT_EQ(pCmdFrame->commands.size(), size_t(1));
    EXPECT_EQ(pCmdFrame->commands[0].nID, UINT(ID_PANE_ALT));
}

TEST_F(ToolBarTest, APressOnADisabledButtonDragsTheBar)
{
    SECCustomToolBar* pBar = MakeAppBar();
    ASSERT_NE(pBar, nullptr);
    pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    ASSERT_TRUE(pBar->GetButtonStyle(0) & TBBS_DISABLED) << "no handler";

    const CPoint ptGrab = MiddleOnScreen(pBar, 0);
    PostDrag(*pBar, {ptGrab + CSize(50, 150), ptGrab + CSize(60, 200)});
    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(Middle(pBar, 0)));
    EXPECT_TRUE(pBar->IsFloating());
    EXPECT_TRUE(pCmdFrame->commands.empty());
}

// ---- command update ----------------------------------------------------------------------------------

TEST_F(ToolBarTest, TheCommandUpdateDisablesChecksAndLeavesNeverDisabledButtons)
{
    SECCustomToolBar* pBar = MakeAppBar();
    ASSERT_NE(pBar, nullptr);
    pCmdFrame->handled = {ID_OPEN, ID_CUT, ID_COPY};
    pCmdFrame->checks = {{ID_CUT, 1}, {ID_COPY, 2}, {ID_PASTE, 0}};
    pBar->SetButtonStyle(2, SEC_TBBS_NODISABLE);
    pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);

    const struct {
        int nIndex;
        UINT nStyle;
    } cases[] = {
        {0, TBBS_DISABLED},                        // no handler
        {1, 0},                                    // a handler
        {2, SEC_TBBS_NODISABLE},                   // never disabled
        {4, TBBS_CHECKBOX | TBBS_CHECKED},         // SetCheck(1)
        {5, TBBS_CHECKBOX | TBBS_INDETERMINATE},   // SetCheck(2)
        {6, TBBS_CHECKBOX | TBBS_DISABLED},        // SetCheck(0) without a command handler
    };
    for (const auto& c : cases)
        EXPECT_EQ(pBar->GetButtonStyle(c.nIndex) & ~TBBS_WRAPPED, c.nStyle) << c.nIndex;
}

// ---- flyby prompts -----------------------------------------------------------------------------------

TEST_F(ToolBarTest, AFlybyBarShowsThePromptOfTheButtonUnderTheMouse)
{
    SECCustomToolBar* pBar = MakeAppBar();
    ASSERT_NE(pBar, nullptr);
    auto moveTo = [pBar](CPoint ptClient) {
        MSG msg = {};
        msg.hwnd = pBar->m_hWnd;
        msg.message = WM_MOUSEMOVE;
        msg.lParam = At(ptClient);
        msg.pt = ptClient;
        pBar->ClientToScreen(&msg.pt);
        pBar->PreTranslateMessage(&msg);
    };
    moveTo(Middle(pBar, 1));
    moveTo(Middle(pBar, 1) + CSize(2, 0));
    moveTo(Middle(pBar, 2));
    moveTo(Middle(pBar, 3)); // a separator
    moveTo(Middle(pBar, 2));
    pBar->SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(pCmdFrame->prompts,
              (std::vector<UINT>{ID_OPEN, ID_SAVE, AFX_IDS_IDLEMESSAGE, ID_SAVE, AFX_IDS_IDLEMESSAGE}));

    pCmdFrame->prompts.clear();
    pBar->SetBarStyle(pBar->GetBarStyle() & ~DWORD(CBRS_FLYBY));
    moveTo(Middle(pBar, 1));
    pBar->SendMessage(WM_MOUSELEAVE);
    EXPECT_TRUE(pCmdFrame->prompts.empty());
}

// ---- tooltips ------------------------------------------------------------------------------------------

TEST_F(ToolBarTest, AButtonIsATooltipWithTheTextAfterTheNewLine)
{
    SECCustomToolBar* pBar = MakeAppBar();
    ASSERT_NE(pBar, nullptr);
    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    EXPECT_EQ(pBar->OnToolHitTest(Middle(pBar, 1), &ti), INT_PTR(ID_OPEN));
    EXPECT_EQ(ti.uId, UINT_PTR(ID_OPEN));
    EXPECT_EQ(CRect(ti.rect), pBar->GetItemRect(1));
    EXPECT_EQ(pBar->OnToolHitTest(Middle(pBar, 3), nullptr), -1) << "a separator";

    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = CWnd::GetThreadToolTip();
    info.hdr.idFrom = ID_OPEN;
    info.hdr.code = TTN_GETDISPINFOA;
    pBar->SendMessage(WM_NOTIFY, ID_OPEN, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_STREQ(info.lpszText, "Open");
}

// ---- tracking mode -------------------------------------------------------------------------------------

class TrackingTest : public ToolBarTest {
protected:
    void SetUp() override
    {
        ToolBarTest::SetUp();
        // menus "&File" and "&Edit", an image button, a hidden menu "&View" and "&Help"
        pBar = MakeBar({});
        ASSERT_NE(pBar, nullptr);
        pBar->SetBtnClassTables(kMenus, nullptr);
        const UINT ids[] = {1, 2, ID_A, 3, 4};
        pBar->SetButtons(ids, 5);
        pBar->SetButtonStyle(3, pBar->GetButtonStyle(3) | TBBS_HIDDEN);
        pBar->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    }
    // The index field after the system's record.
    static INT32 IndexOf(const SECTBNOTIFY& note)
    {
        INT32 nIndex = 0;
        std::memcpy(&nIndex, reinterpret_cast<const BYTE*>(&note) + sizeof(NMTOOLBARA), sizeof nIndex);
        return nIndex;
    }

    static const SECBtnClassEntry kMenus[5];
    SECCustomToolBar* pBar = nullptr;
};

const SECBtnClassEntry TrackingTest::kMenus[5] = {
    {RUNTIME_CLASS(SECTBMenuBtn), 1, 0x30000000, {128, 0, reinterpret_cast<UINT_PTR>("&File"), 1, 0}},
    {RUNTIME_CLASS(SECTBMenuBtn), 2, 0x30000000, {128, 1, reinterpret_cast<UINT_PTR>("&Edit"), 1, 0}},
    {RUNTIME_CLASS(SECTBMenuBtn), 3, 0x30000000, {128, 2, reinterpret_cast<UINT_PTR>("&View"), 1, 0}},
    {RUNTIME_CLASS(SECTBMenuBtn), 4, 0x30000000, {128, 3, reinterpret_cast<UINT_PTR>("&Help"), 1, 0}},
    {nullptr, 0, 0, {}},
};

TEST_F(TrackingTest, TrackingMarksTheButtonAndTellsTheOwner)
{
    pBar->SetTrackedButton(1);
    EXPECT_TRUE(pBar->IsTracking());
    EXPECT_TRUE(pBar->GetButtonStyle(1) & SEC_TBBS_HOT);
    pBar->SetTrackedButton(4);
    EXPECT_FALSE(pBar->GetButtonStyle(1) & SEC_TBBS_HOT);
    pBar->EndTracking();
    EXPECT_FALSE(pBar->IsTracking());
    EXPECT_FALSE(pBar->GetButtonStyle(4) & SEC_TBBS_HOT);
    EXPECT_EQ(pBar->GetTrackedButton(), -1);

    ASSERT_EQ(pCmdFrame->notes.size(), size_t(3));
    const int codes[3] = {SEC_TBN_TRACKSTART, SEC_TBN_TRACKSTART, SEC_TBN_TRACKEND};
    for (size_t i = 0; i < 3; i++) {
        EXPECT_EQ(int(pCmdFrame->notes[i].tb.hdr.code), codes[i]);
        EXPECT_EQ(pCmdFrame->notes[i].tb.hdr.hwndFrom, pBar->m_hWnd);
        EXPECT_EQ(IndexOf(pCmdFrame->notes[i]), -1);
    }
    EXPECT_EQ(pCmdFrame->prompts, (std::vector<UINT>{0, 0, AFX_IDS_IDLEMESSAGE}));
}

TEST_F(TrackingTest, TrackableButtonsAreVisibleMenuButtons)
{
    EXPECT_EQ(pBar->FirstTrackableButton(), 0);
    EXPECT_EQ(pBar->LastTrackableButton(), 4);
    EXPECT_EQ(pBar->NextTrackableButton(1, TRUE), 4) << "past the image button and the hidden menu";
    EXPECT_EQ(pBar->NextTrackableButton(4, TRUE), -1);
    EXPECT_EQ(pBar->NextTrackableButton(4, FALSE), 1);
    EXPECT_EQ(pBar->NextTrackableButton(0, FALSE), -1);
}

TEST_F(TrackingTest, AMenuButtonDropsDownAndAnOpenPopupFollowsTheMouse)
{
    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(Middle(pBar, 1)));
    EXPECT_EQ(pBar->GetTrackedButton(), 1);
    ASSERT_EQ(pCmdFrame->notes.size(), size_t(2));
    const SECTBNOTIFY& drop = pCmdFrame->notes[1];
    EXPECT_EQ(int(drop.tb.hdr.code), SEC_TBN_DROPDOWN);
    EXPECT_EQ(drop.tb.iItem, 2);
    EXPECT_EQ(IndexOf(drop), 1);
    EXPECT_EQ(drop.nArg1, 128);
    EXPECT_EQ(drop.nArg2, 1);

    // while the popup is open: onto another menu, over the image button, a click on the open menu
    auto filter = [this](UINT message, int nIndex) {
        MSG msg = {};
        msg.message = message;
        msg.pt = MiddleOnScreen(pBar, nIndex);
        return pBar->FilterTrackingMouse(msg);
    };
    EXPECT_TRUE(pBar->GetButtonStyle(1) & TBBS_PRESSED);
    pCmdFrame->notes.clear();
    EXPECT_TRUE(filter(WM_MOUSEMOVE, 4));
    EXPECT_EQ(pBar->GetTrackedButton(), 4);
    EXPECT_FALSE(pBar->GetButtonStyle(1) & TBBS_PRESSED);
    EXPECT_FALSE(filter(WM_MOUSEMOVE, 2));
    EXPECT_TRUE(filter(WM_LBUTTONDOWN, 4));
    EXPECT_FALSE(filter(WM_LBUTTONDOWN, 0));
    ASSERT_EQ(pCmdFrame->notes.size(), size_t(3));
    EXPECT_EQ(int(pCmdFrame->notes[0].tb.hdr.code), SEC_TBN_TRACKSTART);
    EXPECT_EQ(int(pCmdFrame->notes[1].tb.hdr.code), SEC_TBN_DROPDOWN);
    EXPECT_EQ(IndexOf(pCmdFrame->notes[1]), 4);
    EXPECT_EQ(int(pCmdFrame->notes[2].tb.hdr.code), SEC_TBN_TRACKAGAIN);
    EXPECT_EQ(IndexOf(pCmdFrame->notes[2]), 4);

    pBar->CancelTracking();
    EXPECT_FALSE(pBar->IsTracking());
    EXPECT_FALSE(pBar->GetButtonStyle(4) & SEC_TBBS_HOT);
}

// ---- native button records and borders ---------------------------------------------------------------

TEST_F(ToolBarTest, NativeButtonRecordsAreAppended)
{
    SECCustomToolBar* pBar = MakeBar({ID_A});
    ASSERT_NE(pBar, nullptr);
    pCmdFrame->handled = {ID_B};
    TBBUTTON buttons[2] = {};
    buttons[0].idCommand = ID_B;
    buttons[0].fsState = TBSTATE_CHECKED;
    buttons[0].fsStyle = TBSTYLE_CHECK;
    buttons[1].fsStyle = TBSTYLE_SEP;
    EXPECT_TRUE(pBar->SendMessage(TB_ADDBUTTONS, 2, reinterpret_cast<LPARAM>(buttons)));
    EXPECT_EQ(Ids(pBar), (std::vector<UINT>{ID_A, ID_B, 0}));
    EXPECT_EQ(pBar->GetButtonStyle(1), UINT(TBSTATE_CHECKED << 16 | TBSTYLE_CHECK));
    EXPECT_TRUE(pBar->GetButtonStyle(2) & TBBS_SEPARATOR);

    EXPECT_TRUE(pBar->SendMessage(TB_DELETEBUTTON, 0));
    EXPECT_EQ(Ids(pBar), (std::vector<UINT>{ID_B, 0}));
}

TEST_F(ToolBarTest, FlatBordersAreOnePixelLines)
{
    const struct {
        DWORD dwBorders;
        BOOL bDocking;
        COLORREF clrLeft;
        COLORREF clrTop[2];
    } cases[] = {
        {CBRS_BORDER_ANY, TRUE, Shadow(), {Shadow(), Face()}},
        {CBRS_BORDER_ANY | CBRS_BORDER_3D, TRUE, Hilite(), {Shadow(), Face()}},
        // a bar that never docks: a shadow and a highlight line along the top
        {CBRS_BORDER_BOTTOM, FALSE, Face(), {Shadow(), Hilite()}},
    };
    for (const auto& c : cases) {
        SECCustomToolBar* pBar = MakeBar({ID_A}, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | c.dwBorders);
        ASSERT_NE(pBar, nullptr);
        if (c.bDocking)
            pBar->EnableDocking(CBRS_ALIGN_ANY);
        DibCanvas canvas(60, 40);
        canvas.dc.FillSolidRect(0, 0, 60, 40, Face());
        CRect rect(0, 0, 60, 40);
        pBar->DrawBorders(&canvas.dc, rect);
        EXPECT_EQ(canvas.At(0, 20), c.clrLeft) << c.dwBorders;
        EXPECT_EQ(canvas.At(30, 0), c.clrTop[0]) << c.dwBorders;
        EXPECT_EQ(canvas.At(30, 1), c.clrTop[1]) << c.dwBorders;
        EXPECT_EQ(canvas.At(30, 39), Shadow()) << c.dwBorders;
        pBar->DestroyWindow();
    }
}

} // namespace
