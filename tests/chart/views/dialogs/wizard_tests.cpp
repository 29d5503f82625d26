// The chart wizard: its two modes and its steps, closing it, the working chart's data and copies, the
// names of the components, the graph types.
#include "wine_gtest.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "WizardTestSupport.h"

#include "chart/engine/DEDizedData.h"
#include "chart/engine/DEDizedDataList.h"
#include "chart/engine/DEDizedFeedback.h"
#include "chart/engine/SRDynamicGraph.h"

namespace {

std::string String(UINT nIDS)
{
    CString text;
    AfxLoadString(nIDS, text);
    return text.GetString();
}

CRect WindowRectIn(CWnd& rParent, int nID)
{
    CRect rect;
    rParent.GetDlgItem(nID)->GetWindowRect(&rect);
    rParent.ScreenToClient(&rect);
    return rect;
}

// A chart of a background and a display.
void MakeSmallChart(DEDized& rChart)
{
    AddBackground(rChart, "", CRect(0, 0, 380, 300));
    AddDisplay(rChart, "", CRect(20, 45, 280, 290));
}

} // namespace

TEST_F(WizardTest, AChartWithComponentsOpensOnTheFourPagesWithTheHintsCycling)
{
    MakeSmallChart(chart);
    Open();
    EXPECT_FALSE(pSheet->IsWizardMode());
    EXPECT_EQ(pSheet->GetPageCount(), 4);
    EXPECT_EQ(pSheet->GetActivePage(), &pSheet->m_mainPage);
    EXPECT_TRUE((pSheet->GetTabControl()->GetStyle() & WS_VISIBLE) != 0);
    EXPECT_EQ(pSheet->GetDlgItem(IDC_WIZ_NEXT), nullptr);

    std::vector<std::string> captions;
    for (int n = 0; n < 6; ++n) {
        pSheet->SendMessage(WM_TIMER, IDT_WIZ_HINT);
        captions.push_back(Caption());
    }
    std::vector<std::string> expected;
    for (int n = 0; n < 6; ++n)
        expected.push_back("Chart Wizard: " + String(IDS_WIZ_HINT_FIRST + n % 5));
    EXPECT_EQ(captions, expected);
    // the timer runs until the sheet goes
    EXPECT_TRUE(::KillTimer(pSheet->m_hWnd, IDT_WIZ_HINT));
}

TEST_F(WizardTest, AChartWithoutComponentsWalksTheWizardsStepsBackAndForth)
{
    Open();
    ASSERT_TRUE(pSheet->IsWizardMode());
    CRect window;
    pSheet->GetWindowRect(&window);
    // the preview stands beside the pages, in the 400 pixels the sheet grew by
    const CRect frame = WindowRectIn(*pSheet, IDC_WIZ_PREVIEW_FRAME);
    EXPECT_EQ(frame.left, window.Width() - 400 - 3);
    EXPECT_EQ(frame.Width(), 396);
    CRect page;
    pSheet->GetActivePage()->GetWindowRect(&page);
    pSheet->ScreenToClient(&page);
    EXPECT_LE(page.right, frame.left);

    // the layout page, its first layout applied at once
    EXPECT_EQ(pSheet->GetActivePage(), pSheet->GetLayoutPage());
    EXPECT_EQ(pSheet->GetPageCount(), 1);
    EXPECT_EQ(Caption(), String(IDS_WIZ_CAPTION_LAYOUT));
    EXPECT_TRUE(Visible(*pSheet, IDC_WIZ_NEXT));
    EXPECT_EQ(Text(IDC_WIZ_NEXT), String(IDS_WIZ_NEXT) + " > ");
    EXPECT_FALSE(Visible(*pSheet, IDC_WIZ_BACK));
    EXPECT_EQ(Text(IDC_WIZ_BACK), String(IDS_WIZ_BACK) + " < ");
    EXPECT_FALSE(Visible(*pSheet, IDOK));
    EXPECT_FALSE((pSheet->GetTabControl()->GetStyle() & WS_VISIBLE) != 0);
    EXPECT_EQ(ComponentClasses(*pSheet->GetWorkingChart()),
              (std::vector<std::string>{"DEDizedBackground", "DEDizedTitle", "DEDizedDisplay", "DEDizedLegend"}));

    const CRect ok = WindowRectIn(*pSheet, IDOK);
    Click(IDC_WIZ_NEXT);
    EXPECT_EQ(pSheet->GetActivePage(), pSheet->GetStandardPage());
    EXPECT_EQ(pSheet->GetPageCount(), 1);
    EXPECT_EQ(Caption(), String(IDS_WIZ_CAPTION_STANDARD));
    EXPECT_TRUE(Visible(*pSheet, IDC_WIZ_BACK));
    EXPECT_EQ(WindowRectIn(*pSheet, IDC_WIZ_BACK), ok);
    // every graph type but "none" and bars with lines
    EXPECT_EQ(pSheet->GetStandardPage()->m_list.GetCount(), 0x33 - 2);

    Click(IDC_WIZ_NEXT);
    EXPECT_EQ(pSheet->GetActivePage(), pSheet->GetFinishPage());
    EXPECT_EQ(Caption(), SRGWizSheet::kFurtherSettingCaption);
    EXPECT_TRUE(Visible(*pSheet, IDOK));
    EXPECT_EQ(Text(IDOK), String(IDS_WIZ_FINISH_BUTTON));
    EXPECT_EQ(Text(IDC_WIZ_NEXT), String(IDS_WIZ_ADVANCED_BUTTON) + " > ");
    EXPECT_EQ(WindowRectIn(*pSheet, IDC_WIZ_BACK), ok - CPoint(ok.Width() + 10, 0));

    Click(IDC_WIZ_BACK);
    EXPECT_EQ(pSheet->GetActivePage(), pSheet->GetStandardPage());
    EXPECT_EQ(Text(IDC_WIZ_NEXT), String(IDS_WIZ_NEXT) + " >");
    EXPECT_FALSE(Visible(*pSheet, IDOK));
    EXPECT_EQ(WindowRectIn(*pSheet, IDC_WIZ_BACK), ok);
    Click(IDC_WIZ_BACK);
    EXPECT_EQ(pSheet->GetActivePage(), pSheet->GetLayoutPage());
    EXPECT_FALSE(Visible(*pSheet, IDC_WIZ_BACK));
    EXPECT_EQ(Caption(), String(IDS_WIZ_CAPTION_LAYOUT));

    // the finish page's Next gives the four pages
    Click(IDC_WIZ_NEXT);
    Click(IDC_WIZ_NEXT);
    Click(IDC_WIZ_NEXT);
    EXPECT_FALSE(pSheet->IsWizardMode());
    EXPECT_EQ(pSheet->GetPageCount(), 4);
    EXPECT_EQ(pSheet->GetLayoutPage(), nullptr);
    EXPECT_EQ(pSheet->GetFinishPage(), nullptr);
    EXPECT_EQ(Caption(), SRGWizSheet::kFinishedCaption);
    EXPECT_FALSE(Visible(*pSheet, IDC_WIZ_NEXT));
    EXPECT_FALSE(Visible(*pSheet, IDC_WIZ_BACK));
    EXPECT_TRUE((pSheet->GetTabControl()->GetStyle() & WS_VISIBLE) != 0);
    EXPECT_EQ(Text(IDOK), String(IDS_WIZ_DONE_BUTTON));
    EXPECT_TRUE(Visible(*pSheet, ID_APPLY_NOW));
    EXPECT_EQ(ComboEntries(pSheet->m_mainPage, IDC_WIZ_COMPONENT),
              (std::vector<std::string>{"Background_A", "Title_B", "Display_C", "Legend_D"}));
    EXPECT_TRUE(::KillTimer(pSheet->m_hWnd, IDT_WIZ_HINT));
}

TEST_F(WizardTest, OkEndsTheWizardOnlyOnItsFinishPageAndCancelsBefore)
{
    struct Case {
        int nSteps;
        INT_PTR nResult;
    };
    for (const Case& c : {Case{0, IDCANCEL}, Case{1, IDCANCEL}, Case{2, IDOK}}) {
        SCOPED_TRACE(c.nSteps);
        Open();
        for (int n = 0; n < c.nSteps; ++n)
            Click(IDC_WIZ_NEXT);
        pSheet->SendMessage(WM_COMMAND, IDOK);
        EXPECT_TRUE(pSheet->IsModalEnded());
        EXPECT_EQ(pSheet->GetModalResult(), c.nResult);
        pSheet->FinishModal();
        pSheet.reset();
    }
}

TEST_F(WizardTest, ClosingFromTheSystemMenuAsksAndYesKeepsTheSheetOpen)
{
    MakeSmallChart(chart);
    Open();
    fake.ExpectMessageBox(IDYES, "go on with the chart");
    pSheet->SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_FALSE(pSheet->IsModalEnded());
    fake.ExpectMessageBox(IDNO, "go on with the chart");
    pSheet->SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_TRUE(pSheet->IsModalEnded());
    EXPECT_EQ(pSheet->GetModalResult(), IDCANCEL);
}

TEST_F(WizardTest, TheWorkingChartTakesTheCallersDataOrElseSampleData)
{
    struct Case {
        const char* pszCase;
        BOOL bKeepData;
        bool bDynamicGroup;
        bool bSample;
    };
    for (const Case& c : {Case{"kept", TRUE, false, false}, Case{"not asked for", FALSE, false, true},
                          Case{"a dynamic group", TRUE, true, true}}) {
        SCOPED_TRACE(c.pszCase);
        DEDized caller;
        MakeSmallChart(caller);
        FillValues(caller, 2, 3);
        if (c.bDynamicGroup)
            caller.GetGroup(2, 1)->SetDynamic(1);
        pSheet = std::make_unique<SRGWizSheet>(&caller, "Chart Wizard", nullptr, 0, 0, 0, c.bKeepData);
        ASSERT_TRUE(pSheet->StartModal());
        DEDized& working = *pSheet->GetWorkingChart();
        EXPECT_EQ(pSheet->IsKeepingData() != 0, !c.bSample);
        if (!c.bSample) {
            EXPECT_EQ(working.GetGroupCount(), caller.GetGroupCount());
            EXPECT_DOUBLE_EQ(working.GetValue(2, 1), 102.0);
        } else {
            ASSERT_EQ(working.GetGroupCount(), 4);
            for (int g = 0; g < 4; ++g) {
                EXPECT_EQ(working.GetItemCount(g, 0), 10);
                for (int i = 0; i < 10; ++i) {
                    const double dValue = working.GetValue(i, g);
                    EXPECT_TRUE(dValue >= 0.0 && dValue < 150.0 && dValue == double(int(dValue))) << dValue;
                    EXPECT_EQ(working.GetItemAnnotation(g, i, 1),
                              CString((" (" + std::to_string(i) + ", " + std::to_string(g) + ") ").c_str()));
                }
            }
        }
        pSheet->FinishModal();
        pSheet.reset();
    }
}

TEST_F(WizardTest, ADynamicChartGetsSampleData)
{
    SRDynamicGraph caller;
    MakeSmallChart(caller);
    pSheet = std::make_unique<SRGWizSheet>(&caller, "Chart Wizard", nullptr, 0, 0, 0, TRUE);
    ASSERT_TRUE(pSheet->StartModal());
    EXPECT_FALSE(pSheet->IsKeepingData());
    EXPECT_EQ(pSheet->GetWorkingChart()->GetGroupCount(), 4);
}

TEST_F(WizardTest, CopyChartCopiesTheWholeChartOrOnlyItsComponentsAndStyle)
{
    DEDized from;
    MakeSmallChart(from);
    FillValues(from, 2, 3);
    from.GetChartStyle()->m_crFill1 = RGB(1, 2, 3);
    from.SetChartAnnotation("Sales", 1);

    DEDized whole;
    AddTitle(whole, "old", CRect(0, 0, 10, 10));
    FillValues(whole, 1, 1);
    SRGWizSheet::CopyChart(&from, &whole, TRUE);
    EXPECT_EQ(ArchiveBytes(whole), ArchiveBytes(from));

    DEDized styled;
    AddTitle(styled, "old", CRect(0, 0, 10, 10));
    styled.SetValue(0, 0, 42.0, 0);
    SRGWizSheet::CopyChart(&from, &styled, FALSE);
    EXPECT_EQ(ComponentClasses(styled), (std::vector<std::string>{"DEDizedBackground", "DEDizedDisplay"}));
    EXPECT_EQ(styled.GetChartStyle()->m_crFill1, RGB(1, 2, 3));
    // the target's data stays, the source's does not come
    EXPECT_EQ(styled.GetGroupCount(), 1);
    EXPECT_DOUBLE_EQ(styled.GetValue(0, 0), 42.0);
    EXPECT_EQ(styled.GetChartAnnotation(1), CString());
    CObList* pComponents = styled.GetComponentList();
    for (POSITION pos = pComponents->GetHeadPosition(); pos != nullptr;)
        EXPECT_EQ(static_cast<DEDizedComponent*>(pComponents->GetNext(pos))->GetChart(), &styled);
}

TEST_F(WizardTest, ComponentsAreListedUnderNamesOfTheirOwnOrMadeWithTheNextSuffix)
{
    AddBackground(chart, "Bar", CRect(0, 0, 10, 10));
    AddDisplay(chart, "Bar", CRect(0, 0, 10, 10));
    AddDisplay(chart, "", CRect(0, 0, 10, 10));
    AddTitle(chart, "  Heading ", CRect(0, 0, 10, 10));
    Open();
    EXPECT_EQ(ComboEntries(pSheet->m_fontPage, IDC_WIZ_COMPONENT),
              (std::vector<std::string>{"Bar", "Bar_A", "Display_B", "Heading"}));
    EXPECT_EQ(ListEntries(pSheet->m_advancedPage, IDC_WIZ_COMPONENT_LIST),
              (std::vector<std::string>{"Bar", "Bar_A", "Display_B", "Heading", " "}));
    // a nameless component keeps the name made for it
    EXPECT_EQ(ComponentNames(*pSheet->GetWorkingChart()), (std::vector<std::string>{"Bar", "Bar", "Display_B", "  Heading "}));
}

TEST_F(WizardTest, SuffixesRunAToZThenAZToZZThenAZZ)
{
    SRGWizSheet sheet(&chart, "Chart Wizard", nullptr, 0, 0, 0, TRUE);
    std::vector<std::string> suffixes;
    for (int n = 0; n < 53; ++n)
        suffixes.push_back(sheet.NextSuffix().GetString());
    EXPECT_EQ(suffixes[0], "A");
    EXPECT_EQ(suffixes[25], "Z");
    EXPECT_EQ(suffixes[26], "AZ");
    EXPECT_EQ(suffixes[27], "BZ");
    EXPECT_EQ(suffixes[51], "ZZ");
    EXPECT_EQ(suffixes[52], "AZZ");
}

TEST_F(WizardTest, ChoosingAGraphTypeOnTheMainPageAsksForTheStockTypesAndRefillsTheSecondCodes)
{
    DEDizedDisplay* pCaller = AddDisplay(chart, "", CRect(0, 0, 300, 200), GT_LINE);
    (void)pCaller;
    FillValues(chart, 6, 3);
    Open();
    SRGDisplayBase* pDisplay = dynamic_cast<SRGDisplayBase*>(pSheet->GetWorkingChart()->GetComponent(0, chartTypeDisplay));
    ASSERT_NE(pDisplay, nullptr);
    ASSERT_EQ(pSheet->GetCurrentComponent(), pDisplay);
    CMainPage& main = pSheet->m_mainPage;
    auto choose = [&](int nCode) {
        main.m_graphTypeCombo.SelectByKey(nCode);
        main.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_WIZ_GRAPH_TYPE, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(main.m_graphTypeCombo.m_hWnd));
    };
    struct Case {
        int nCode;
        const char* pszQuestion;  // null: none
        int nAnswer;
        int nApplied;
    };
    for (const Case& c : {Case{GT_STOCK_BAR, "open, high, low and close", IDNO, GT_STEP_B},
                          Case{GT_CANDLESTICK, "open, high, low and close", IDYES, GT_CANDLESTICK},
                          Case{GT_STOCK_BAR, nullptr, 0, GT_STOCK_BAR},
                          Case{GT_STOCK_TICKS, "high, low and close", IDNO, GT_STEP_B},
                          Case{GT_STOCK_TICKS, "high, low and close", IDYES, GT_STOCK_TICKS},
                          Case{GT_STOCK_TICKS, nullptr, 0, GT_STOCK_TICKS}, Case{GT_VBAR, nullptr, 0, GT_VBAR}}) {
        SCOPED_TRACE(testing::Message() << std::hex << c.nCode << " " << c.nAnswer);
        if (c.pszQuestion != nullptr)
            fake.ExpectMessageBox(c.nAnswer, c.pszQuestion);
        choose(c.nCode);
        EXPECT_EQ(pDisplay->GetGraphType(), c.nApplied);
        EXPECT_EQ(reinterpret_cast<const WizCode*>(main.m_graphTypeCombo.GetSelectedData())->nCode, c.nApplied);
        // the second codes are the graph type's, with "by the graph type" chosen
        EXPECT_EQ(pDisplay->GetAxisType(), AXIS_BY_GRAPH_TYPE);
        EXPECT_EQ(int(main.m_secondCodeCombo.GetSelectedData()), AXIS_BY_GRAPH_TYPE);
    }
    EXPECT_EQ(ComboEntries(main, IDC_WIZ_SECOND_CODE).size(), 10u); // the standard axes

    // a second code is stored up to 0x1b
    main.m_secondCodeCombo.SelectByData(0x0b);
    main.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_WIZ_SECOND_CODE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(main.m_secondCodeCombo.m_hWnd));
    EXPECT_EQ(pDisplay->GetAxisType(), 0x0b);
    pSheet->ApplySecondCode(pDisplay, 0x1c);
    EXPECT_EQ(pDisplay->GetAxisType(), 0x0b);
    EXPECT_EQ(pSheet->ApplyGraphType(pDisplay, 0x33), 0x33);
    EXPECT_EQ(pDisplay->GetGraphType(), GT_VBAR);
}

TEST_F(WizardTest, AVectorChartMadeByTheWizardDrawsItsArrowHeadsAndTails)
{
    // three vectors on white: anchor x, anchor y, angle (0 up, 90 right) and magnitude in four groups
    AddBackground(chart, "", CRect(0, 0, 300, 200))->GetStyle()->m_crFill1 = RGB(255, 255, 255);
    // both axes from 0 to 8, so that every vector lies well inside
    DEDizedDisplay* pCallers = AddDisplay(chart, "", CRect(0, 0, 300, 200), GT_LINE);
    pCallers->SetFlags(pCallers->GetFlags() | SRGDisplayBase::flagFixedRange);
    pCallers->SetFixedMax(8.0);
    pCallers->SetFixedXMax(8.0);
    const double values[4][3] = {{2, 4, 6}, {2, 6, 3}, {90, 180, 0}, {2, 2, 2}};
    for (int g = 0; g < 4; ++g)
        for (int i = 0; i < 3; ++i)
            chart.SetValue(i, g, values[g][i], 0);
    Open(TRUE, 300, 200);
    DEDized& working = *pSheet->GetWorkingChart();
    SRGDisplayBase* pDisplay = dynamic_cast<SRGDisplayBase*>(working.GetComponent(0, chartTypeDisplay));
    ASSERT_EQ(pSheet->ApplyGraphType(pDisplay, GT_VECTOR), GT_VECTOR);
    auto draw = [&](DibCanvas& canvas) {
        working.MarkForRedraw();
        working.Draw(&canvas.dc, nullptr);
    };
    DibCanvas drawn(300, 200);
    draw(drawn);
    // the vectors' starts and ends: the hit regions of the first and the third group
    std::vector<CPoint> starts;
    std::vector<CPoint> ends;
    CObList* pRegions = working.GetFeedbackList();
    for (POSITION pos = pRegions->GetHeadPosition(); pos != nullptr;) {
        const DEDizedFeedback* pRegion = static_cast<DEDizedFeedback*>(pRegions->GetNext(pos));
        (pRegion->GetSecondIndex() == 0 ? starts : ends).push_back(pRegion->GetPoint());
    }
    ASSERT_EQ(starts.size(), 3u);
    ASSERT_EQ(ends.size(), 3u);

    // the same vectors without their line ends differ only by a tail at each start and a head at each end
    pSheet->SetVectorEnds(FALSE);
    DibCanvas plain(300, 200);
    draw(plain);
    std::vector<int> tails(3);
    std::vector<int> heads(3);
    int nElsewhere = 0;
    auto within = [](CPoint p, CPoint q) { return std::abs(p.x - q.x) <= 12 && std::abs(p.y - q.y) <= 12; };
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 300; ++x) {
            if (drawn.At(x, y) == plain.At(x, y))
                continue;
            bool bPlaced = false;
            for (size_t n = 0; n < 3 && !bPlaced; ++n) {
                if (within(CPoint(x, y), starts[n])) {
                    ++tails[n];
                    bPlaced = true;
                } else if (within(CPoint(x, y), ends[n])) {
                    ++heads[n];
                    bPlaced = true;
                }
            }
            nElsewhere += bPlaced ? 0 : 1;
        }
    }
    for (size_t n = 0; n < 3; ++n) {
        EXPECT_GE(tails[n], 10) << "the tail of vector " << n << " at " << starts[n];
        EXPECT_GE(heads[n], 20) << "the head of vector " << n << " at " << ends[n];
    }
    EXPECT_EQ(nElsewhere, 0);
}

TEST_F(WizardTest, TheVectorTypesGiveEveryItemOfEachFullBlockOfFourGroupsItsLineEnds)
{
    AddDisplay(chart, "", CRect(0, 0, 300, 200), GT_LINE);
    FillValues(chart, 6, 3);
    // the block's first group is longer than the others
    chart.SetValue(4, 0, 1.0, 0);
    Open();
    DEDized& working = *pSheet->GetWorkingChart();
    SRGDisplayBase* pDisplay = dynamic_cast<SRGDisplayBase*>(working.GetComponent(0, chartTypeDisplay));
    EXPECT_EQ(pSheet->ApplyGraphType(pDisplay, GT_VECTOR), GT_VECTOR);
    for (int g = 0; g < 6; ++g)
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(working.GetDataItem(i, g)->GetStyle()->m_strText1, CString(g < 4 ? "TAILA|ARROWA" : ""))
                << g << " " << i;
    EXPECT_EQ(working.GetDataItem(4, 0)->GetStyle()->m_strText1, CString("TAILA|ARROWA"));
    // the items the shorter groups lack read as the one placeholder, which keeps its style
    EXPECT_EQ(working.GetDataItem(4, 1)->GetStyle()->m_strText1, CString());
    EXPECT_EQ(working.GetDataItem(4, 5)->GetStyle()->m_strText1, CString());
    // the standard chart page's other types take them away again
    pSheet->SetVectorEnds(FALSE);
    EXPECT_EQ(working.GetDataItem(0, 0)->GetStyle()->m_strText1, CString());
}
