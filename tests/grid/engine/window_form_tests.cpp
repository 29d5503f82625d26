// The grid's window forms: the grid view's first update, alone and as splitter panes, its commands,
// printing steps, scroll messages and private messages; the grid window made from a dialog template
// or by the program, its painting before initialisation, dialog codes and focus; and the main road,
// a grid view of 20 rows by 5 columns in a frame moved through with the keys.
#include "window_form_resources.h"
#include "window_form_test_support.h"

#include "FakePrinterDC.h"
#include "grid/engine/GXFontState.h"
#include "grid/engine/GXPrintDevice.h"
#include "win/CEdit.h"
#include "win/CPrintDialog.h"
#include "win/CPrintInfo.h"

#include <algorithm>
#include <string>
#include <vector>

GX_IMPLEMENT_CONTROL(CTestControl, CGXControl)
IMPLEMENT_DYNCREATE(CTestGridView, CGXGridView)

namespace {

// A grid window that counts its paints and the deletions of its class.
class CCountedGridWnd : public CGXGridWnd {
    DECLARE_DYNCREATE(CCountedGridWnd)
public:
    ~CCountedGridWnd() override { ++s_nDeleted; }
    LRESULT WindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam) override
    {
        if (nMessage == WM_PAINT)
            ++m_nPaints;
        return CGXGridWnd::WindowProc(nMessage, wParam, lParam);
    }
    int m_nPaints = 0;
    static int s_nDeleted;
};
IMPLEMENT_DYNCREATE(CCountedGridWnd, CGXGridWnd)
int CCountedGridWnd::s_nDeleted = 0;

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// What a module was asked to do, without the questions of the commands' update handlers.
std::vector<std::string> Actions(const ModuleLog& module)
{
    std::vector<std::string> actions;
    for (const std::string& call : module.calls)
        if (call.rfind("Can", 0) != 0 && call.rfind("OnUpdateEdit", 0) != 0)
            actions.push_back(call);
    return actions;
}

// A cut-and-paste module whose answers to the update questions are set by the test.
struct AnsweringCutPaste : FakeCutPasteImp {
    BOOL CanCopy(CGXGridCore* g) override { return FakeCutPasteImp::CanCopy(g) && bCopy; }
    BOOL CanCut(CGXGridCore* g) override { return FakeCutPasteImp::CanCut(g) && bCut; }
    BOOL CanPaste(CGXGridCore* g) override { return FakeCutPasteImp::CanPaste(g) && bPaste; }
    BOOL bCopy = TRUE, bCut = FALSE, bPaste = TRUE;
};

// A print module that prints as the grid's printing does: the grid prints between begin and end, and
// each page notes whether the current cell is seen.
struct PrintingPrintImp : FakePrintImp {
    void OnBeginPrinting(CGXGridCore* g, CDC* pDC, CPrintInfo* pInfo) override
    {
        FakePrintImp::OnBeginPrinting(g, pDC, pInfo);
        g->SetPrinting(pDC);
    }
    void OnPrintPage(CGXGridCore* g, CDC* pDC, CPrintInfo* pInfo) override
    {
        FakePrintImp::OnPrintPage(g, pDC, pInfo);
        ROWCOL nRow, nCol;
        bSeen = g->GetCurrentCell(nRow, nCol);
        bSeenIgnoringPrinting = g->GetCurrentCell(nRow, nCol, TRUE);
        pInfo->m_bContinuePrinting = FALSE;
    }
    void OnEndPrinting(CGXGridCore* g, CDC* pDC, CPrintInfo* pInfo) override
    {
        FakePrintImp::OnEndPrinting(g, pDC, pInfo);
        g->SetPrinting(nullptr);
    }
    BOOL bSeen = TRUE, bSeenIgnoringPrinting = FALSE;
};

// A frame with one grid view of a document of 40 rows by 10 columns.
class GridViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReleaseModifierKeys(fake);
        fake.SetTickCount(0);  // the long operations of the style setters
        pFrame = MakeGridFrame(&document, 420, 300);
        ASSERT_NE(pFrame, nullptr);
        app.m_pMainWnd = pFrame;
        pView = GridViewOf(pFrame);
        ASSERT_NE(pView, nullptr);
    }
    void TearDown() override
    {
        app.m_pMainWnd = nullptr;
        if (::IsWindow(pFrame->m_hWnd))
            pFrame->DestroyWindow();
    }

    void Command(UINT nID) { pFrame->SendMessage(WM_COMMAND, nID, 0); }
    // The menu state of a command of the Edit menu after the frame updated it.
    BOOL Grayed(UINT nID)
    {
        pFrame->SendMessage(WM_INITMENUPOPUP, WPARAM(pFrame->m_hEditMenu), 0);
        return (::GetMenuState(pFrame->m_hEditMenu, nID, MF_BYCOMMAND) & MF_GRAYED) != 0;
    }
    LRESULT Send(UINT nMessage, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return pView->SendMessage(nMessage, wParam, lParam);
    }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CGridDocument document{40, 10};
    CGridFrame* pFrame = nullptr;
    CTestGridView* pView = nullptr;
};

}  // namespace

// ---- the grid view ---------------------------------------------------------------------------------------

TEST_F(GridViewTest, TheFirstUpdateJoinsTheDocumentAndShowsAutomaticBars)
{
    EXPECT_TRUE(pView->IsViewContextSet());
    EXPECT_EQ(pView->GetGridDoc(), &document);
    EXPECT_EQ(pView->GridWnd(), pView);
    EXPECT_TRUE(pView->IsInitialized());
    EXPECT_EQ(pView->GetScrollBarMode(SB_VERT), 10u);
    EXPECT_EQ(pView->GetScrollBarMode(SB_HORZ), 10u);
    ASSERT_FALSE(pView->m_firstUpdateScrollbars.empty());
    EXPECT_EQ(pView->m_firstUpdateScrollbars.back(), std::make_pair(TRUE, FALSE)) << "the first update ends with (1, 0)";
    EXPECT_EQ(pView->GetSplitterWnd(), nullptr);
    EXPECT_TRUE(pView->GetStyle() & WS_VSCROLL) << "40 rows do not fit";
}

TEST(GridViewSplitter, PanesShareTheBarsAndASecondPaneStartsAtItsNeighbour)
{
    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CGridDocument document{40, 10};
    CGridFrame* pFrame = MakeGridFrame(&document, 500, 300, 1, 2);
    ASSERT_NE(pFrame, nullptr);
    auto* pFirst = dynamic_cast<CTestGridView*>(pFrame->m_splitter.GetPane(0, 0));
    auto* pSecond = dynamic_cast<CTestGridView*>(pFrame->m_splitter.GetPane(0, 1));
    ASSERT_NE(pFirst, nullptr);
    ASSERT_NE(pSecond, nullptr);
    for (CTestGridView* pPane : {pFirst, pSecond}) {
        EXPECT_EQ(pPane->GetScrollBarMode(SB_VERT), 12u) << "the splitter's bars are kept, not shown or hidden";
        EXPECT_EQ(pPane->GetSplitterWnd(), &pFrame->m_splitter);
        EXPECT_EQ(pPane->GetScrollBarCtrl(SB_VERT), pFrame->m_splitter.GetSharedScrollBar(SB_VERT));
    }
    EXPECT_EQ(pSecond->GetSplitterCol(), 1);

    pFirst->SetTopRow(5, 0);
    pFirst->SetLeftCol(3, 0);
    pSecond->OnInitialUpdate();
    EXPECT_EQ(pSecond->GetTopRow(), 5u);
    EXPECT_EQ(pSecond->GetLeftCol(), 3u) << "a pane of the first row also takes the left column";
    pFrame->DestroyWindow();
}

TEST_F(GridViewTest, UndoAndRedoNeedACommandFactoryAndTheClipboardCommandsFollowTheCore)
{
    EXPECT_TRUE(Grayed(ID_EDIT_UNDO));
    EXPECT_TRUE(Grayed(ID_EDIT_REDO));

    AnsweringCutPaste cutPaste;
    WithModule<CGXAbstractGridCutPasteImp> with(pView->m_pCutPasteImp, &cutPaste);
    EXPECT_FALSE(Grayed(ID_EDIT_COPY));
    EXPECT_TRUE(Grayed(ID_EDIT_CUT));
    EXPECT_FALSE(Grayed(ID_EDIT_PASTE));
    cutPaste.bCopy = FALSE;
    cutPaste.bCut = TRUE;
    EXPECT_TRUE(Grayed(ID_EDIT_COPY));
    EXPECT_FALSE(Grayed(ID_EDIT_CUT));

    cutPaste.bCopy = TRUE;
    cutPaste.calls.clear();
    for (UINT nID : {ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_PASTE})
        Command(nID);
    const std::string grid = ArgText(static_cast<CGXGridCore*>(pView));
    EXPECT_EQ(Actions(cutPaste), (std::vector<std::string>{"Copy(" + grid + ")", "Cut(" + grid + ")", "Paste(" + grid + ")"}));
    cutPaste.bPaste = FALSE;
    cutPaste.calls.clear();
    Command(ID_EDIT_PASTE);
    EXPECT_TRUE(Actions(cutPaste).empty()) << "a disabled command is not run";

    FakeCommandFactory factory;
    WithModule<CGXAbstractCommandFactory> withFactory(pView->m_pCommandFactory, &factory);
    EXPECT_FALSE(Grayed(ID_EDIT_UNDO)) << "the factory's answer";
    factory.calls.clear();
    Command(ID_EDIT_UNDO);
    Command(ID_EDIT_REDO);
    EXPECT_EQ(Actions(factory), (std::vector<std::string>{"Undo(" + grid + ")", "Redo(" + grid + ")"}));
}

TEST_F(GridViewTest, FindAndRepeatGoToTheFindModuleAndRepeatBeepsWhenNothingIsFound)
{
    fake.ExpectBeep();
    Command(ID_EDIT_REPEAT);
    EXPECT_EQ(fake.CallsOf("MessageBeep").size(), 1u) << "without a find module";

    FakeFindReplaceImp find;
    WithModule<CGXAbstractGridFindReplaceImp> with(pView->m_pFindReplaceImp, &find);
    const std::string grid = ArgText(static_cast<CGXGridCore*>(pView));
    Command(ID_EDIT_FIND);
    Command(ID_EDIT_REPLACE);
    Command(ID_EDIT_REPEAT);
    EXPECT_EQ(find.calls, (std::vector<std::string>{"ShowFindReplaceDialog(" + grid + ",1)",
                                                    "ShowFindReplaceDialog(" + grid + ",0)",
                                                    "FindNext(" + grid + ",1)"}));
    EXPECT_EQ(fake.CallsOf("MessageBeep").size(), 1u) << "found: no beep";
    find.bFound = FALSE;
    fake.ExpectBeep();
    Command(ID_EDIT_REPEAT);
    EXPECT_EQ(fake.CallsOf("MessageBeep").size(), 2u);
}

TEST_F(GridViewTest, PrintingAsksForEveryPageAndTheGridPrintsBetweenBeginAndEnd)
{
    FakePrinter printer{"Office printer", 850, 1100, 200, 200};
    PrintingPrintImp print;
    WithModule<CGXAbstractGridPrintImp> with(pView->m_pPrintImp, &print);
    fake.ExpectPrintDialog(IDOK, &printer);
    Command(ID_FILE_PRINT);
    const std::vector<CFakeServices::Call> dialogs = fake.CallsOf("PrintDlg");
    ASSERT_FALSE(dialogs.empty());
    EXPECT_EQ(dialogs.back().nMaxPage, 0xFFFFu);
    EXPECT_FALSE(dialogs.back().dwFlags & PD_NOSELECTION);
    ASSERT_EQ(print.calls.size(), 3u) << "begin, one page, end";
    EXPECT_EQ(print.calls[0].rfind("OnBeginPrinting", 0), 0u);
    EXPECT_EQ(print.calls[1].rfind("OnPrintPage", 0), 0u);
    EXPECT_EQ(print.calls[2].rfind("OnEndPrinting", 0), 0u);
    EXPECT_FALSE(print.bSeen) << "no current cell while printing";
    EXPECT_TRUE(print.bSeenIgnoringPrinting);
    EXPECT_EQ(pView->Current(), "1,1") << "and back after printing";
}

TEST_F(GridViewTest, PrintSetUpShowsTheSetUpDialogWithoutSelectionPagesAndFile)
{
    fake.ExpectPrintDialog(IDCANCEL);
    Command(ID_FILE_PRINT_SETUP);
    const std::vector<CFakeServices::Call> dialogs = fake.CallsOf("PrintDlg");
    ASSERT_FALSE(dialogs.empty());
    const DWORD dwWanted = PD_PRINTSETUP | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE;
    EXPECT_EQ(dialogs.back().dwFlags & dwWanted, dwWanted);
}

TEST_F(GridViewTest, APrinterDCMapsScreenPixelsToPrinterPixels)
{
    CFakePrinterDC printerDC(850, 1100, 200, 300);
    CPrintInfo info;
    pView->OnPrepareDC(&printerDC, &info);
    GXFontState& fonts = GXGetLibraryState()->m_fontState;
    EXPECT_EQ(printerDC.GetMapMode(), MM_ANISOTROPIC);
    EXPECT_EQ(printerDC.GetWindowExt(), CSize(fonts.GetDpiX(), fonts.GetDpiY()));
    EXPECT_EQ(printerDC.GetViewportExt(), CSize(200, 300));

    CClientDC screen(pView);
    pView->OnPrepareDC(&screen);
    EXPECT_EQ(screen.GetMapMode(), MM_TEXT) << "the screen keeps its pixels";

    // the printed look: the print device's printer measures and scales the screen
    struct CTestPrintDevice : CGXPrintDevice {
        CDC* pPrinter = nullptr;
        CDC* GetPrinterDC() override { return pPrinter; }
    } device;
    pView->GetParam()->SetPrintDevice(&device, FALSE);
    pView->GetParam()->GetDisplayOptions().bPrintedLook = TRUE;
    CClientDC noPrinter(pView);
    pView->OnPrepareDC(&noPrinter);
    EXPECT_EQ(noPrinter.GetMapMode(), MM_TEXT) << "a device without a printer changes nothing";
    device.pPrinter = &printerDC;
    CClientDC looking(pView);
    pView->OnPrepareDC(&looking);
    EXPECT_EQ(looking.m_hAttribDC, printerDC.GetSafeHdc());
    EXPECT_EQ(looking.GetDeviceCaps(LOGPIXELSY), 300) << "the printer answers the measures";
    EXPECT_EQ(looking.GetMapMode(), MM_ANISOTROPIC);
    EXPECT_EQ(looking.GetWindowExt(), CSize(fonts.GetDpiX(), fonts.GetDpiY()));
    EXPECT_EQ(looking.GetViewportExt(), CSize(200, 300));
    looking.ReleaseAttribDC();
    pView->GetParam()->GetDisplayOptions().bPrintedLook = FALSE;
    pView->GetParam()->SetPrintDevice(nullptr, FALSE);
}

TEST_F(GridViewTest, WithTheOptionAClickThatBringsTheFocusFromElsewhereOnlyActivatesTheView)
{
    // the focus is in a window of another frame
    CEdit other;
    ASSERT_TRUE(other.CreateEx(0, "EDIT", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 50, 20), nullptr, 0));
    other.SetFocus();
    ASSERT_EQ(CWnd::GetFocus(), &other);
    const LPARAM click = MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN);
    EXPECT_NE(Send(WM_MOUSEACTIVATE, WPARAM(pFrame->m_hWnd), click), MA_ACTIVATEANDEAT) << "off by default";

    other.SetFocus();
    pView->GetParam()->GetDisplayOptions().bEatActivatingClick = TRUE;
    EXPECT_NE(Send(WM_MOUSEACTIVATE, WPARAM(pFrame->m_hWnd), MAKELPARAM(HTBORDER, WM_LBUTTONDOWN)),
              MA_ACTIVATEANDEAT) << "only clicks on the client area";
    EXPECT_EQ(Send(WM_MOUSEACTIVATE, WPARAM(pFrame->m_hWnd), click), MA_ACTIVATEANDEAT);
    EXPECT_EQ(CWnd::GetFocus(), static_cast<CWnd*>(pView)) << "the view took the focus";
    EXPECT_NE(Send(WM_MOUSEACTIVATE, WPARAM(pFrame->m_hWnd), click), MA_ACTIVATEANDEAT)
        << "a click on the view that has the focus goes through";
    other.DestroyWindow();
}

TEST_F(GridViewTest, ScrollMessagesMoveByPagesAndThumbPositions)
{
    const ROWCOL nLast = pView->GetLastVisibleRow();
    ASSERT_GT(nLast, 2u);
    Send(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(pView->GetTopRow(), nLast) << "the last visible row comes to the top";
    EXPECT_EQ(pView->GetScrollPos(SB_VERT), int(nLast)) << "the thumb follows";
    Send(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(pView->GetTopRow(), 1u);
    Send(WM_HSCROLL, SB_LINEDOWN);
    EXPECT_EQ(pView->GetLeftCol(), 2u);

    pView->UpdateLock() = 1;
    Send(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(pView->GetTopRow(), 1u) << "nothing while the update lock is held";
    pView->UpdateLock() = 0;

    Send(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 9));
    EXPECT_EQ(pView->GetTopRow(), 1u) << "dragging the thumb scrolls only with the thumb-track option";
    Send(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 9));
    EXPECT_EQ(pView->GetTopRow(), 9u);
    pView->GetParam()->GetDisplayOptions().bThumbTrack = TRUE;
    Send(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 4));
    EXPECT_EQ(pView->GetTopRow(), 4u);

    // a large grid's bar counts several rows a unit
    pView->GetParam()->GetData()->SetRowCount(100000);
    pView->UpdateScrollbars();
    ASSERT_EQ(pView->GetScrollScale(SB_VERT), 4);
    Send(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 100));
    EXPECT_EQ(pView->GetTopRow(), 1u + 99u * 4u);
}

TEST_F(GridViewTest, TheMouseWheelScrollsTheSystemsLinesANotchAndLeavesTheCurrentCell)
{
    UINT nLines = 3;
    ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &nLines, 0);
    ASSERT_TRUE(nLines > 0 && nLines < 10);
    ASSERT_TRUE(pView->SetCurrentCell(2, 2));
    const auto wheel = [this](int nDelta) { Send(WM_MOUSEWHEEL, MAKEWPARAM(0, short(nDelta)), MAKELPARAM(200, 200)); };
    wheel(-WHEEL_DELTA);
    EXPECT_EQ(pView->GetTopRow(), 1 + nLines) << "a notch towards the user scrolls down";
    wheel(-WHEEL_DELTA / 2);
    EXPECT_EQ(pView->GetTopRow(), 1 + nLines);
    wheel(-WHEEL_DELTA / 2);
    EXPECT_EQ(pView->GetTopRow(), 1 + 2 * nLines) << "two half notches make one";
    wheel(3 * WHEEL_DELTA);
    EXPECT_EQ(pView->GetTopRow(), 1u);
    EXPECT_EQ(pView->GetLeftCol(), 1u);
    ROWCOL nRow = 0, nCol = 0;
    EXPECT_TRUE(pView->GetCurrentCell(nRow, nCol));
    EXPECT_EQ(std::make_pair(nRow, nCol), std::make_pair(ROWCOL(2), ROWCOL(2)));

    // rows that all fit: the wheel scrolls across
    pView->GetParam()->GetData()->SetRowCount(3);
    pView->UpdateScrollbars();
    ASSERT_FALSE(pView->GetStyle() & WS_VSCROLL);
    wheel(-WHEEL_DELTA);
    EXPECT_EQ(pView->GetLeftCol(), 1 + nLines);
}

TEST_F(GridViewTest, PrivateMessagesMoveAndValidateTheCurrentCellAndSuspendResizing)
{
    struct Case {
        int nType;
        LPARAM nCount;
        const char* pszExpected;
    };
    const Case cases[] = {{0, 0, "1,2"}, {1, 0, "4,2"}, {2, 0, "6,2"}, {3, 0, "40,2"}, {4, 7, "7,1"}, {4, 99, "40,1"}};
    for (const Case& c : cases) {
        ASSERT_TRUE(pView->SetCurrentCell(5, 2));
        EXPECT_EQ(Send(0x7A3, WPARAM(c.nType), c.nCount), 0);
        EXPECT_EQ(pView->Current(), c.pszExpected) << "type " << c.nType << " count " << c.nCount;
    }

    pView->UseTestControl();
    ASSERT_TRUE(pView->SetCurrentCell(3, 3));
    EXPECT_EQ(Send(0x792), 0) << "an unmodified cell may be left";
    CTestControl& control = *pView->m_pControl;
    control.m_bActive = control.m_bModified = control.m_bRefuseValidation = TRUE;
    EXPECT_NE(Send(0x792), 0) << "a modified cell whose text fails";
    control.m_bActive = control.m_bModified = control.m_bRefuseValidation = FALSE;

    EXPECT_EQ(Send(0x790), TRUE) << "the grid may be renamed";
    pView->GetParam()->GetDisplayOptions().bAllowRename = FALSE;
    EXPECT_EQ(Send(0x790), FALSE);

    Send(0x7CB, 1);
    EXPECT_TRUE(pView->m_bSuspendResize);
    pView->UpdateWindow();
    Send(0x7CB, 0);
    EXPECT_FALSE(pView->m_bSuspendResize);
    CRect rectUpdate, rectClient;
    ::GetUpdateRect(pView->m_hWnd, &rectUpdate, FALSE);
    pView->GetClientRect(&rectClient);
    EXPECT_EQ(rectUpdate, rectClient) << "the whole window is drawn again";
}

TEST_F(GridViewTest, RenamingAsksTheNamingCallbackAndTellsTheOtherViews)
{
    struct Naming : CGXGridNamingCallback {
        void OnGridTitle(CWnd* pWnd, const CString& strTitle, BOOL bHasTitle) override
        {
            initialised.push_back(std::string(strTitle) + (bHasTitle ? " (titled)" : " (untitled)"));
            pGridWnd = pWnd;
        }
        void GetTitle(CWnd* pWnd, CString& strTitle, WPARAM nIndex) override
        {
            strTitle.Format("%s %d", LPCSTR(strTitle), int(nIndex));
            pGridWnd = pWnd;
        }
        std::vector<std::string> initialised;
        CWnd* pGridWnd = nullptr;
    } naming;
    WithModule<CGXGridNamingCallback> withNaming(GXGetLibraryState()->m_pNamingCallback, &naming);
    FakeUpdateHintImp hints;
    WithModule<CGXAbstractGridUpdateHintImp> withHints(pView->m_pUpdateHintImp, &hints);
    pView->GetParam()->SetTitle("Sheet");
    EXPECT_EQ(Send(0x791, 3), 0);
    EXPECT_EQ(pView->GetParam()->GetTitle(), "Sheet 3");
    EXPECT_EQ(naming.pGridWnd, pView);
    EXPECT_EQ(hints.calls, std::vector<std::string>{"UpdateNameText(" + ArgText(static_cast<CGXGridCore*>(pView)) + ")"});

    CTestGridWnd grid;
    grid.CreateWindowOnly();
    grid.Initialize();
    EXPECT_EQ(naming.initialised, std::vector<std::string>{" (untitled)"}) << "told when a grid initialises";
    EXPECT_EQ(naming.pGridWnd, &grid);
}

TEST_F(GridViewTest, TheCurrentCellsEditWindowTakesTheCellsColours)
{
    CClientDC dc(pView);
    const HBRUSH hDefault = HBRUSH(Send(WM_CTLCOLOREDIT, WPARAM(dc.m_hDC), 0));
    pView->SetStyleRange(CGXCellRange(2, 2, 2, 2),
                         &CGXStyle().SetTextColor(RGB(200, 0, 0)).SetInterior(CGXCellBrush().SetColor(RGB(0, 0, 90))),
                         CGXStyle::gxOverride);
    ASSERT_TRUE(pView->SetCurrentCell(2, 2));
    const HBRUSH hBrush = HBRUSH(Send(WM_CTLCOLOREDIT, WPARAM(dc.m_hDC), 0));
    EXPECT_NE(hBrush, hDefault);
    EXPECT_EQ(hBrush, HBRUSH(pView->LookupBrush(pView->LookupStyleRowCol(2, 2)->GetInterior())->m_hObject));
    EXPECT_EQ(dc.GetTextColor(), RGB(200, 0, 0));
    EXPECT_EQ(dc.GetBkColor(), RGB(0, 0, 90));
}

TEST_F(GridViewTest, AWindowThatGrewRepaintsOnlyWhatItUncoveredWithSmartResize)
{
    pView->GetParam()->GetDisplayOptions().bSmartResize = TRUE;
    CRect rect;
    pFrame->GetWindowRect(&rect);
    // the first resize while shown remembers the size
    pFrame->SetWindowPos(nullptr, 0, 0, rect.Width() + 10, rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->UpdateWindow();
    pView->m_painted.clear();
    pFrame->SetWindowPos(nullptr, 0, 0, rect.Width() + 80, rect.Height() + 40, SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->UpdateWindow();
    ASSERT_FALSE(pView->m_painted.empty());
    const CPoint inside = pView->CalcCellRect(1, 1).CenterPoint();
    CRect rectClient;
    pView->GetClientRect(&rectClient);
    const CPoint uncovered(rectClient.right - 30, rectClient.top + 30);
    auto painted = [&](CPoint point) {
        return std::any_of(pView->m_painted.begin(), pView->m_painted.end(),
                           [&](const CRect& r) { return r.PtInRect(point) != FALSE; });
    };
    EXPECT_FALSE(painted(inside)) << "the cells that stayed are not drawn again";
    EXPECT_TRUE(painted(uncovered));

    pView->GetParam()->GetDisplayOptions().bSmartResize = FALSE;
    pView->m_painted.clear();
    pFrame->SetWindowPos(nullptr, 0, 0, rect.Width() + 120, rect.Height() + 40, SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->UpdateWindow();
    EXPECT_TRUE(painted(inside)) << "without the option the whole window is drawn";
}

TEST_F(GridViewTest, TheViewErasesNothing)
{
    CClientDC dc(pView);
    EXPECT_EQ(Send(WM_ERASEBKGND, WPARAM(dc.m_hDC)), TRUE);
}

// ---- the grid window -------------------------------------------------------------------------------------

TEST(GridWindow, AWindowOfADialogTemplateIsDeletedWithItAndOneOfTheProgramIsNot)
{
    CCountedGridWnd::s_nDeleted = 0;
    GXRegisterObjectWndClass(AfxGetInstanceHandle(), "CCountedGridWnd");
    HWND hDlg = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDD_GRID_DIALOG), nullptr,
                                     &PlainDialogProc, 0);
    ASSERT_NE(hDlg, nullptr);
    CWnd* pGrid = CWnd::FromHandlePermanent(::GetDlgItem(hDlg, IDC_GRID));
    ASSERT_NE(pGrid, nullptr);
    EXPECT_TRUE(pGrid->IsKindOf(RUNTIME_CLASS(CGXGridWnd))) << "the class name makes the grid window's object";
    auto* pCounted = dynamic_cast<CCountedGridWnd*>(CWnd::FromHandlePermanent(::GetDlgItem(hDlg, IDC_COUNTED_GRID)));
    ASSERT_NE(pCounted, nullptr);
    EXPECT_EQ(static_cast<CGXGridCore*>(pCounted)->GridWnd(), pCounted);
    ::DestroyWindow(hDlg);
    EXPECT_EQ(CCountedGridWnd::s_nDeleted, 1);

    auto* pMine = new CCountedGridWnd;
    ASSERT_TRUE(pMine->CreateEx(0, "CGXGridWnd", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    pMine->DestroyWindow();
    EXPECT_EQ(CCountedGridWnd::s_nDeleted, 1) << "the program's object survives its window";
    delete pMine;
    EXPECT_EQ(CCountedGridWnd::s_nDeleted, 2);
}

TEST(GridWindow, PaintingBeforeInitialisationFailsOnceAndValidatesTheWindow)
{
    CFakeServices fake;
    CCountedGridWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr));
    wnd.UpdateWindow();
    Pump();
    EXPECT_EQ(wnd.m_nPaints, 1);
    EXPECT_FALSE(::GetUpdateRect(wnd.m_hWnd, nullptr, FALSE));
    EXPECT_TRUE(fake.CallsOf("MessageBox").empty()) << "nothing is shown";
    wnd.DestroyWindow();
}

TEST(GridWindow, ItWantsArrowsTabsAndCharactersAndTakesTheFocusOnAPress)
{
    CFakeServices fake;
    ReleaseModifierKeys(fake);
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400,
                                300, nullptr, nullptr));
    CGXGridWnd grid;
    ASSERT_TRUE(grid.Create("CGXGridWnd", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 200), &parent, 1));
    grid.Initialize();
    grid.GetParam()->GetData()->SetRowCount(10);
    grid.GetParam()->GetData()->SetColCount(4);
    CEdit other, inner;
    ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE, CRect(210, 0, 300, 20), &parent, 2));
    ASSERT_TRUE(inner.Create(WS_CHILD | WS_VISIBLE, CRect(150, 150, 190, 170), &grid, 3));

    const UINT nWanted = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
    EXPECT_EQ(UINT(grid.SendMessage(WM_GETDLGCODE)) & nWanted, nWanted);
    CClientDC dc(&grid);
    EXPECT_EQ(grid.SendMessage(WM_ERASEBKGND, WPARAM(dc.m_hDC)), TRUE);

    other.SetFocus();
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(80, 40));
    grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(80, 40));
    EXPECT_EQ(::GetFocus(), grid.m_hWnd);
    inner.SetFocus();
    grid.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(80, 40));
    grid.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(80, 40));
    EXPECT_EQ(::GetFocus(), inner.m_hWnd) << "a child of the grid keeps the focus";
    grid.SendMessage(WM_CANCELMODE);

    other.SetFocus();
    grid.SendMessage(0x7A3, 4, 2);
    EXPECT_EQ(::GetFocus(), grid.m_hWnd);
    ROWCOL nRow, nCol;
    ASSERT_TRUE(grid.GetCurrentCell(nRow, nCol));
    EXPECT_EQ(nRow, 2u);
    EXPECT_EQ(nCol, 1u);
    parent.DestroyWindow();
}

// ---- the main road ---------------------------------------------------------------------------------------

TEST(GridViewMainRoad, AGridOfTwentyRowsByFiveColumnsIsMovedThroughWithTheKeys)
{
    CWinApp app{"Ondrix"};
    CFakeServices fake;
    ReleaseModifierKeys(fake);
    CGridDocument document{20, 5};
    CGridFrame* pFrame = MakeGridFrame(&document, 520, 300);
    ASSERT_NE(pFrame, nullptr);
    app.m_pMainWnd = pFrame;
    CTestGridView* pView = GridViewOf(pFrame);
    ASSERT_NE(pView, nullptr);
    pView->SetFocus();

    EXPECT_EQ(pView->GetValueRowCol(0, 1), "A");
    EXPECT_EQ(pView->GetValueRowCol(0, 5), "E");
    EXPECT_EQ(pView->GetValueRowCol(1, 0), "1");
    EXPECT_EQ(pView->GetValueRowCol(20, 0), "20");
    EXPECT_EQ(pView->Current(), "1,1");
    EXPECT_TRUE(pView->GetStyle() & WS_VSCROLL) << "not every row fits";

    PressKey(*pView, VK_DOWN);
    EXPECT_EQ(pView->Current(), "2,1");
    {
        // the frame left the old cell for the new one
        Pump();
        CClientDC dc(pView);
        auto innerTop = [&](ROWCOL nRow) {
            const CRect rect = pView->CalcCellRect(nRow, 1);
            return dc.GetPixel(rect.CenterPoint().x, rect.top + 1);
        };
        EXPECT_EQ(innerTop(1), innerTop(3));
        EXPECT_NE(innerTop(2), innerTop(3));
    }
    PressKey(*pView, VK_RIGHT);
    PressKey(*pView, VK_TAB);
    EXPECT_EQ(pView->Current(), "2,3");
    const ROWCOL nLast = pView->GetLastVisibleRow();
    PressKey(*pView, VK_NEXT);
    EXPECT_GT(pView->GetTopRow(), 1u) << "Page Down scrolls";
    ROWCOL nRow = 0, nCol = 0;
    ASSERT_TRUE(pView->GetCurrentCell(nRow, nCol));
    EXPECT_GT(nRow, 2u) << "and moves the current cell";
    EXPECT_EQ(pView->GetScrollPos(SB_VERT), int(pView->GetTopRow())) << "the thumb follows the top row";
    PressKey(*pView, VK_DOWN, 30);
    EXPECT_EQ(pView->Current(), "20,3");
    EXPECT_GE(pView->GetLastVisibleRow(), 20u) << "the last row is in view";
    EXPECT_LE(nLast, 20u);

    pFrame->SendMessage(WM_INITMENUPOPUP, WPARAM(pFrame->m_hEditMenu), 0);
    EXPECT_TRUE(::GetMenuState(pFrame->m_hEditMenu, ID_EDIT_UNDO, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(::GetMenuState(pFrame->m_hEditMenu, ID_EDIT_REDO, MF_BYCOMMAND) & MF_GRAYED);
    app.m_pMainWnd = nullptr;
    pFrame->DestroyWindow();
}
