// The workbook frame: workbook mode and the client's margins, the tab width, the tabs' geometry and
// drawing (pixels), the background left to the tabs or filled, labels cut to fit, presses on tabs, tab
// tooltips, sheets leaving, and bar hosts as tabs.
#include "MdiTestSupport.h"

#include "ToolkitTestSupport.h"

#include <string>
#include <vector>

namespace {

// A workbook whose drawing the tests call.
class CTestWorkbook : public SECWorkbook {
public:
    using SECWorkbook::DrawTab;
    using SECWorkbook::FitLabel;
    using SECWorkbook::GetClientArea;
};

class WorkbookTest : public MdiFrameTest {
protected:
    void SetUp() override
    {
        MdiFrameTest::SetUp();
        AddSheetTemplate();
        pBook = LoadMainFrame<CTestWorkbook>();
        ASSERT_NE(pBook, nullptr);
        pBook->SetWorkbookMode(TRUE);
    }
    // Sizes the frame so that its MDI client is nWidth wide.
    void SizeClientTo(int nWidth)
    {
        const CRect rectFrame = ScreenRect(pBook);
        const int nExtra = rectFrame.Width() - pBook->GetClientArea().Width();
        pBook->SetWindowPos(nullptr, 0, 0, nWidth + nExtra, rectFrame.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SECWorksheet* OpenSheet() { return static_cast<SECWorksheet*>(MdiFrameTest::OpenSheet()); }
    std::vector<SECWorksheet*> OpenSheets(int nCount)
    {
        std::vector<SECWorksheet*> sheets;
        for (int i = 0; i < nCount; i++)
            sheets.push_back(OpenSheet());
        return sheets;
    }
    // The point in the middle of pSheet's label.
    CPoint LabelMiddle(SECWorksheet* pSheet) { return pBook->GetLabelRect(pSheet).CenterPoint(); }
    static void Retitle(SECWorksheet* pSheet, const char* pszTitle)
    {
        pSheet->GetActiveDocument()->SetTitle(pszTitle);
    }

    CTestWorkbook* pBook = nullptr;
};

TEST_F(WorkbookTest, WorkbookModeInsetsTheClientAndOffPutsItBack)
{
    CRect rectClient;
    pBook->GetClientRect(rectClient);
    EXPECT_EQ(pBook->GetClientArea(), CRect(13, 13, rectClient.right - 13, rectClient.bottom - 33));
    EXPECT_TRUE(g_bSECWorkbookTabs);
    pBook->SetWorkbookMode(FALSE);
    EXPECT_EQ(pBook->GetClientArea(), rectClient);
    EXPECT_FALSE(g_bSECWorkbookTabs);
    // no strip: nothing answers for the tabs
    SECWorksheet* pSheet = OpenSheet();
    Retitle(pSheet, "A title far too long for any tab of the strip");
    CRect rectTool;
    CString strText;
    EXPECT_EQ(pBook->TabToolHitTest(LabelMiddle(pSheet), rectTool, strText), -1);
}

TEST_F(WorkbookTest, TheTabWidthDividesTheClientUpTo90)
{
    OpenSheets(3);
    const struct {
        int nClientWidth;
        int nTabWidth;
    } cases[] = {{400, 90}, {200, 68}, {100, 35}};
    for (const auto& c : cases) {
        SizeClientTo(c.nClientWidth);
        ASSERT_EQ(pBook->GetClientArea().Width(), c.nClientWidth);
        EXPECT_EQ(pBook->GetTabWidth(), c.nTabWidth) << c.nClientWidth;
    }
}

TEST_F(WorkbookTest, TabsFollowOneAnotherAndAHiddenSheetLeavesNoGap)
{
    SizeClientTo(400);
    std::vector<SECWorksheet*> sheets = OpenSheets(3);
    const CRect rectArea = pBook->GetClientArea();
    POINT p[7];
    pBook->GetTabPolygon(sheets[1], p);
    EXPECT_EQ(p[0].x, LONG(rectArea.left + 90));
    EXPECT_EQ(p[0].y, LONG(rectArea.bottom + 4));
    sheets[0]->ShowWindow(SW_HIDE);
    pBook->GetTabPolygon(sheets[1], p);
    EXPECT_EQ(p[0].x, LONG(rectArea.left));
}

TEST_F(WorkbookTest, TheActiveTabIsWiderAndTallerAndDrawnWithItsEdges)
{
    SizeClientTo(400);
    std::vector<SECWorksheet*> sheets = OpenSheets(2);
    ASSERT_EQ(pBook->MDIGetActive(), sheets[1]);
    const CRect rectArea = pBook->GetClientArea();
    const int x = rectArea.left, y = rectArea.bottom + 4, w = pBook->GetTabWidth();
    const struct {
        SECWorksheet* pSheet;
        POINT expected[7];
    } cases[] = {
        {sheets[0], {{x, y}, {x, y + 21}, {x + 2, y + 23}, {x + w - 2, y + 23}, {x + w, y + 21}, {x + w, y}, {x, y}}},
        {sheets[1],
         {{x + w - 2, y}, {x + w - 2, y + 21}, {x + w, y + 25}, {x + 2 * w, y + 25}, {x + 2 * w + 2, y + 21},
          {x + 2 * w + 2, y}, {x + w - 2, y}}},
    };
    CRect rectClient;
    pBook->GetClientRect(rectClient);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pSheet->m_nTabPos);
        POINT p[7];
        pBook->GetTabPolygon(c.pSheet, p);
        for (int i = 0; i < 7; i++)
            EXPECT_EQ(CPoint(p[i]), CPoint(c.expected[i])) << i;

        DibCanvas canvas(rectClient.Width(), rectClient.Height());
        pBook->DrawTab(&canvas.dc, c.pSheet);
        const int yMid = (p[0].y + p[1].y) / 2;
        const int xMid = (p[2].x + p[3].x) / 2;
        EXPECT_EQ(canvas.At(p[0].x, yMid), Hilite());
        EXPECT_EQ(canvas.At(p[0].x + 1, p[0].y + 1), Face());
        EXPECT_EQ(canvas.At(xMid, yMid), Face());
        EXPECT_EQ(canvas.At(p[4].x - 1, yMid), Shadow());
        EXPECT_EQ(canvas.At(p[4].x, yMid), RGB(0, 0, 0));
        EXPECT_EQ(canvas.At(xMid, p[3].y - 1), Shadow());
        EXPECT_EQ(canvas.At(xMid, p[3].y), RGB(0, 0, 0));
        EXPECT_EQ(canvas.At(p[4].x + 1, yMid), kWhite); // nothing outside
    }
}

TEST_F(WorkbookTest, TheBackgroundLeavesTheTabsToThePaintUnlessTheWholeTabAreaIsToBeFilled)
{
    SizeClientTo(400);
    std::vector<SECWorksheet*> sheets = OpenSheets(2);
    CRect rectClient;
    pBook->GetClientRect(rectClient);
    const CRect rectArea = pBook->GetClientArea();
    // the middle of each tab, and a point of the strip right of the tabs
    std::vector<CPoint> tabs;
    for (SECWorksheet* pSheet : sheets) {
        POINT p[7];
        pBook->GetTabPolygon(pSheet, p);
        tabs.push_back(CPoint((p[2].x + p[3].x) / 2, (p[0].y + p[1].y) / 2));
    }
    const CPoint ptStrip(rectArea.right - 5, tabs[0].y);
    EXPECT_FALSE(pBook->IsFillTabArea());
    for (BOOL bFill : {FALSE, TRUE}) {
        pBook->SetFillTabArea(bFill);
        DibCanvas canvas(rectClient.Width(), rectClient.Height());
        pBook->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc.m_hDC));
        EXPECT_EQ(canvas.At(ptStrip.x, ptStrip.y), Face()) << bFill;
        for (const CPoint& pt : tabs) {
            EXPECT_EQ(canvas.At(pt.x, pt.y), bFill ? Face() : kWhite) << bFill << " " << pt;
        }
    }
}

TEST_F(WorkbookTest, ALongLabelIsCutToEndInDotsAndAShortOneNever)
{
    DibCanvas canvas(10, 10);
    canvas.dc.SelectObject(pBook->GetTabFont());
    const CString strCut = CTestWorkbook::FitLabel(&canvas.dc, "Evaluations of the alternatives", 60);
    EXPECT_EQ(strCut.Right(3), CString("..."));
    EXPECT_LE(canvas.dc.GetTextExtent(strCut).cx, 60);
    EXPECT_EQ(strCut.Left(strCut.GetLength() - 3), CString("Evaluations of the alternatives").Left(strCut.GetLength() - 3));
    EXPECT_EQ(CTestWorkbook::FitLabel(&canvas.dc, "Abc", 2), CString("Abc"));
    EXPECT_EQ(CTestWorkbook::FitLabel(&canvas.dc, "Short", 200), CString("Short"));

    // the label is the document's title, beside the 16 by 16 icon of the sheets' resource
    SECWorksheet* pSheet = OpenSheet();
    EXPECT_EQ(pBook->GetTabLabel(pSheet), CString("Sheet1"));
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(pBook->GetTabIcon(pSheet), &info));
    EXPECT_EQ(BitmapSize(info.hbmColor), CSize(16, 16));
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    POINT p[7];
    pBook->GetTabPolygon(pSheet, p);
    EXPECT_EQ(pBook->GetLabelRect(pSheet), CRect(p[2].x + 16 + 3, p[0].y, p[4].x - 2, p[3].y));
    ExpectInvalidArg([&] { pBook->SetTabIcon(nullptr, nullptr); }, "pSheet");
}

TEST_F(WorkbookTest, APressOnAnInactiveTabActivatesItsSheet)
{
    SizeClientTo(400);
    std::vector<SECWorksheet*> sheets = OpenSheets(3);
    ASSERT_EQ(pBook->MDIGetActive(), sheets[2]);
    const CPoint pt = LabelMiddle(sheets[0]);
    pBook->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(pBook->MDIGetActive(), sheets[0]);
    EXPECT_TRUE(sheets[0]->m_bPressed);
    pBook->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_FALSE(sheets[0]->m_bPressed);
    // below the tabs nothing happens
    pBook->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y + 40));
    pBook->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y + 40));
    EXPECT_EQ(pBook->MDIGetActive(), sheets[0]);
}

TEST_F(WorkbookTest, OnlyATabWhoseLabelDoesNotFitHasATooltip)
{
    SizeClientTo(400);
    std::vector<SECWorksheet*> sheets = OpenSheets(2);
    Retitle(sheets[0], "A title far too long for any tab of the strip");
    ASSERT_FALSE(pBook->LabelFits(sheets[0]));
    ASSERT_TRUE(pBook->LabelFits(sheets[1]));
    CRect rectTool;
    CString strText;
    EXPECT_EQ(pBook->TabToolHitTest(LabelMiddle(sheets[0]), rectTool, strText), 1);
    EXPECT_STREQ(strText, "A title far too long for any tab of the strip");
    POINT p[7];
    pBook->GetTabPolygon(sheets[0], p);
    EXPECT_EQ(rectTool, CRect(p[0].x, p[0].y, p[4].x + 1, p[2].y + 1));
    EXPECT_EQ(pBook->TabToolHitTest(LabelMiddle(sheets[1]), rectTool, strText), -1);

    // the mouse over the tabs gives the tooltip control that tool, and takes it away again
    CToolTipCtrl* pTip = pBook->GetTabToolTip();
    ASSERT_NE(pTip, nullptr);
    auto moveTo = [&](CPoint pt) {
        MSG msg = {pBook->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y)};
        pBook->PreTranslateMessage(&msg);
    };
    moveTo(LabelMiddle(sheets[0]));
    EXPECT_EQ(pTip->GetToolCount(), 1);
    CString strTip;
    pTip->GetText(strTip, pBook, 1);
    EXPECT_STREQ(strTip, "A title far too long for any tab of the strip");
    moveTo(LabelMiddle(sheets[1]));
    EXPECT_EQ(pTip->GetToolCount(), 0);
}

TEST_F(WorkbookTest, RemovingTheLastSheetRepaintsTheFrameAndKeepsTheTabWidth)
{
    SizeClientTo(200);
    std::vector<SECWorksheet*> sheets = OpenSheets(3);
    ASSERT_EQ(pBook->GetTabWidth(), 68);
    sheets[0]->MDIDestroy();
    sheets[1]->MDIDestroy();
    EXPECT_EQ(pBook->GetTabWidth(), 90);
    EXPECT_EQ(sheets[2]->m_nTabPos, 0);
    pBook->ValidateRect(nullptr);
    sheets[2]->MDIDestroy();
    EXPECT_TRUE(pBook->GetSheets().empty());
    EXPECT_EQ(pBook->GetTabWidth(), 90);
    CRect rectUpdate, rectClient;
    pBook->GetUpdateRect(rectUpdate);
    pBook->GetClientRect(rectClient);
    EXPECT_EQ(rectUpdate, rectClient);
}

TEST_F(WorkbookTest, ABarFloatedInTheWorkbookIsATabWithTheApplicationIcon)
{
    pBook->EnableDocking(CBRS_ALIGN_ANY);
    SECControlBar* pPane = MakePane(pBook, 100);
    pBook->FloatControlBarInMainWindow(pPane, -1, -1, CBRS_ALIGN_TOP);
    SECControlBarWorksheet* pHost = dynamic_cast<SECControlBarWorksheet*>(pPane->GetParentFrame());
    ASSERT_NE(pHost, nullptr);
    EXPECT_EQ(pBook->GetSheets(), std::vector<SECWorksheet*>{pHost});
    EXPECT_EQ(pBook->GetTabLabel(pHost), CString("Pane 100"));
    EXPECT_EQ(pHost->m_hTabIcon, nullptr);
    EXPECT_EQ(pHost->GetIcon(TRUE), ::LoadIconA(nullptr, IDI_APPLICATION));
}

} // namespace
