// The marginal value charts: the chart document's display, the View command that opens and closes the
// charts, the charts following every solve, the drag end with its admissibility test and bisection,
// what the result windows see afterwards, the range bar under a held point, and the drag ends that
// must write nothing.
// the standard headers before windows.h, which defines min and max as macros
#include <cmath>
#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "TestSupport.h"

#include "app/ZQChartDoc.h"
#include "app/ZQChartView.h"
#include "app/ZQDEDizedDisplay.h"
#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedData.h"
#include "chart/engine/DEDizedFeedback.h"
#include "chart/engine/components/DEDizedComponent.h"
#include "model/solve/Solver.h"
#include "res/resource.h"

namespace {

typedef std::vector<double> Values;
typedef std::vector<std::string> Calls;

const char* const kRankedPair = "app/ranked_pair_gain_cost.zex";

// The application with the comparison matrix and the ranking chart answering as open, recording what
// the project asks of the result windows and of the main frame.
class RecordingApp : public CZQApp {
public:
    bool HasOpenDocument(ZQDocument which) override
    {
        return which == ZQDocument::ComparisonMatrix || which == ZQDocument::RankingChart ||
               CZQApp::HasOpenDocument(which);
    }
    void LoadMatrix() override { calls.push_back("LoadMatrix"); }
    void RefreshGraphPage() override
    {
        calls.push_back("RefreshGraphPage");
        CZQApp::RefreshGraphPage();
    }
    void RedrawRankingChart() override { calls.push_back("RedrawRankingChart"); }
    void SetStatusText(const CString& text) override { calls.push_back("SetStatusText(" + Str(text) + ")"); }
    void BeginWaitCursor() override
    {
        calls.push_back("BeginWaitCursor");
        CZQApp::BeginWaitCursor();
    }

    Calls calls;
};

void ExpectNear(const Values& actual, const Values& expected, const std::string& what)
{
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (size_t i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-6) << what << ", value " << i;
}

// The started application over the ranked pair on a gain g and a cost c (x = (3, 5) rank 1,
// y = (1, 3) rank 2, z = (2, 1)), TEMP naming the test's folder.
class ValueCharts : public AppFixtureOf<RecordingApp> {
protected:
    void SetUp() override
    {
        AppFixtureOf<RecordingApp>::SetUp();
        char temp[MAX_PATH] = {};
        const DWORD n = ::GetEnvironmentVariableA("TEMP", temp, MAX_PATH);
        savedTemp = n > 0 && n < MAX_PATH ? temp : "";
        ::SetEnvironmentVariableA("TEMP", folder.Path().c_str());
        app.m_lpCmdLine = commandLine;
        app.m_nCmdShow = SW_SHOWNOACTIVATE; // other test programs share the display: take no focus
        ASSERT_TRUE(app.InitInstance());
        folder.Copy(kRankedPair, "pair.zex");
        ASSERT_EQ(app.OpenProjectFile(folder.Path("pair.zex").c_str()), 1);
    }
    void TearDown() override
    {
        if (app.m_pMainWnd != nullptr) {
            app.m_nModified = 0;
            app.m_pMainWnd->SendMessage(WM_CLOSE);
        }
        AppFixtureOf<RecordingApp>::TearDown();
        ::SetEnvironmentVariableA("TEMP", savedTemp.empty() ? nullptr : savedTemp.c_str());
    }

    void Command(UINT nID) { app.m_pMainWnd->SendMessage(WM_COMMAND, nID); }
    ItemState ChartsCommand() { return MainMenuState(app.m_pMainWnd, ID_ZQ_VIEW_CHARTS); }
    // Solves and opens the charts.
    void SolveAndOpenCharts()
    {
        Command(ID_ZQ_SOLVE);
        ASSERT_TRUE(app.m_Project.ProjectSolver && app.m_Project.ProjectSolver->HasResults());
        Command(ID_ZQ_VIEW_CHARTS);
        ASSERT_EQ(Charts().size(), app.m_Project.ValueFunctions.size());
    }

    std::vector<CZQChartDoc*> Charts() const
    {
        std::vector<CZQChartDoc*> charts;
        CZQChartTemplate* pTemplate = app.m_pChartsTemplate;
        for (POSITION pos = pTemplate->GetFirstDocPosition(); pos != nullptr;)
            charts.push_back(dynamic_cast<CZQChartDoc*>(pTemplate->GetNextDoc(pos)));
        return charts;
    }
    static CZQChartView* ViewOf(CZQChartDoc* pChart)
    {
        POSITION pos = pChart->GetFirstViewPosition();
        return pos != nullptr ? dynamic_cast<CZQChartView*>(pChart->GetNextView(pos)) : nullptr;
    }
    // The chart's values in chart order.
    static Values Shown(CZQChartDoc* pChart)
    {
        Values values;
        DEDized& chart = *pChart->GetChart();
        for (int i = 0; i < chart.GetItemCount(0, TRUE); ++i)
            values.push_back(chart.GetValue(i, 0));
        return values;
    }
    static std::vector<std::string> Annotations(CZQChartDoc* pChart)
    {
        std::vector<std::string> texts;
        DEDized& chart = *pChart->GetChart();
        for (int i = 0; i < chart.GetItemCount(0, TRUE); ++i)
            texts.push_back(Str(chart.GetItemAnnotation(0, i, 1)));
        return texts;
    }
    // The project's accepted function of criterion k in breakpoint order, and the Solver's record.
    Values Accepted(size_t k) const
    {
        Values values;
        for (const ValuePoint& point : app.m_Project.ValueFunctions.at(k))
            values.push_back(point.y);
        return values;
    }
    Values Record(size_t k) const { return app.m_Project.ProjectSolver->model.criteria.at(k)->values; }

    // The point chart item nItem of group 0 was drawn at (its hit region), the view painted first.
    static CPoint PointOf(CZQChartView* pView, int nItem)
    {
        pView->Invalidate(FALSE);
        pView->UpdateWindow();
        CObList* pRegions = pView->GetGraph()->GetFeedbackList();
        for (POSITION pos = pRegions->GetHeadPosition(); pos != nullptr;) {
            const DEDizedFeedback* pRegion = static_cast<DEDizedFeedback*>(pRegions->GetNext(pos));
            if (pRegion->GetFirstIndex() == nItem && pRegion->GetSecondIndex() == 0)
                return pRegion->GetPoint();
        }
        ADD_FAILURE() << "item " << nItem << " was not drawn";
        return CPoint(-100, -100);
    }
    static void Mouse(CZQChartView* pView, UINT message, CPoint point, WPARAM wParam = 0)
    {
        pView->SendMessage(message, wParam, MAKELPARAM(point.x, point.y));
    }
    // Presses the item's point and drags it a few pixels down: a value drag holding the item.
    static CPoint Hold(CZQChartView* pView, int nItem)
    {
        const CPoint point = PointOf(pView, nItem);
        Mouse(pView, WM_LBUTTONDOWN, point, MK_LBUTTON);
        // (a move to where the mouse last stood is no move)
        Mouse(pView, WM_MOUSEMOVE, CPoint(point.x, point.y + 1), MK_LBUTTON);
        const CPoint moved(point.x, point.y + 3);
        Mouse(pView, WM_MOUSEMOVE, moved, MK_LBUTTON);
        return moved;
    }
    // Drags the item of the chart to dValue exactly (the mouse takes it to about there) and releases.
    static void Drag(CZQChartDoc* pChart, int nItem, double dValue)
    {
        CZQChartView* pView = ViewOf(pChart);
        const CPoint moved = Hold(pView, nItem);
        pChart->GetChart()->SetValue(nItem, 0, dValue, 0);
        Mouse(pView, WM_LBUTTONUP, moved);
    }

    CFakeServices fake;
    AppFolder folder;
    char commandLine[1] = "";
    std::string savedTemp;
};

TEST_F(ValueCharts, ANewChartHoldsOneLineDisplayOnTheFixedValueScale)
{
    CZQChartDoc document;
    document.m_bAutoDelete = FALSE;
    document.m_strCriterionTitle = "price";
    DEDized& chart = *document.GetChart();
    chart.SetValue(0, 0, 0.7, 0);
    chart.AddComponent(new DEDizedDisplay);
    app.m_crChartBackground = RGB(1, 2, 3);
    app.m_crChartAxis = RGB(4, 5, 6);
    ASSERT_TRUE(document.OnNewDocument());

    EXPECT_EQ(Str(document.GetTitle()), "price");
    EXPECT_EQ(chart.GetGroupCount(), 0) << "the chart was reset";
    CZQDEDizedDisplay* pDisplay = document.GetDisplay();
    ASSERT_NE(pDisplay, nullptr);
    EXPECT_EQ(chart.GetComponent(1, chartTypeDisplay), nullptr);
    // over a background of the background colour, and nothing else
    DEDizedComponent* pBackground = chart.GetComponent(0, chartTypeBackground);
    ASSERT_NE(pBackground, nullptr);
    EXPECT_EQ(pBackground->GetStyle()->m_crFill1, RGB(1, 2, 3));
    EXPECT_EQ(chart.GetComponent(2, -1), nullptr);
    const DEDizedStyle standard;
    EXPECT_EQ(pDisplay->GetStyle()->m_nStyle, (standard.m_nStyle & 0xFFFF) | 0x02010000);
    EXPECT_EQ(pDisplay->GetFlags() & SRGDisplayBase::flagFixedRange, SRGDisplayBase::flagFixedRange);
    EXPECT_EQ(pDisplay->GetFlags() & SRGDisplayBase::flagFillPlot, SRGDisplayBase::flagFillPlot);
    EXPECT_EQ(pDisplay->GetFixedMin(), 0.0);
    EXPECT_EQ(pDisplay->GetFixedMax(), 1.04);
    EXPECT_TRUE(pDisplay->IsStyleChanged());
    EXPECT_EQ(pDisplay->GetStyle()->m_crFill1, RGB(1, 2, 3));
    EXPECT_EQ(pDisplay->GetStyle()->m_crFill2, RGB(4, 5, 6));

    // no other chart is open: closing clears the flag
    app.m_nChartsOpen = 1;
    document.OnCloseDocument();
    EXPECT_EQ(app.m_nChartsOpen, 0);
}

TEST_F(ValueCharts, TheViewCommandOpensOneTiledChartPerCriterionAndClosesThemAgain)
{
    EXPECT_EQ(ChartsCommand(), (ItemState{false, false})) << "no value functions yet";
    Command(ID_ZQ_SOLVE);
    EXPECT_EQ(ChartsCommand(), (ItemState{true, false}));
    Command(ID_ZQ_VIEW_CHARTS);
    EXPECT_EQ(ChartsCommand(), (ItemState{true, true}));
    EXPECT_EQ(app.m_nChartsOpen, 1);

    const std::vector<CZQChartDoc*> charts = Charts();
    ASSERT_EQ(charts.size(), 2u);
    EXPECT_EQ(Str(charts[0]->GetTitle()), "g");
    EXPECT_EQ(Str(charts[1]->GetTitle()), "c");
    ExpectNear(Shown(charts[0]), {0.0, 0.25, 0.5}, "g, a gain: in breakpoint order");
    ExpectNear(Shown(charts[1]), {0.5, 0.25, 0.0}, "c, a cost: reversed");
    EXPECT_EQ(Annotations(charts[0]), (std::vector<std::string>{"1.000", "2.000", "3.000"}));
    EXPECT_EQ(Annotations(charts[1]), (std::vector<std::string>{"1.000", "3.000", "5.000"}));
    const DEDizedStyle* pItemStyle = charts[1]->GetChart()->GetDataItem(2, 0)->GetStyle();
    EXPECT_EQ(pItemStyle->m_crColor, app.m_crChartLine);
    EXPECT_EQ(pItemStyle->m_crFill1, app.m_crChartPoints);
    EXPECT_NE(pItemStyle->GetMarkerKind(), 0);

    // tiled: the two charts and the graphs window side by side, none over another
    std::vector<CRect> frames;
    for (CZQChartDoc* pChart : charts)
        frames.push_back(WindowRect(ViewOf(pChart)->GetParentFrame()->m_hWnd));
    frames.push_back(WindowRect(app.FirstViewOf(ZQDocument::PreferenceGraphs)->GetParentFrame()->m_hWnd));
    for (size_t i = 0; i < frames.size(); ++i)
        for (size_t j = i + 1; j < frames.size(); ++j) {
            CRect overlap;
            EXPECT_FALSE(overlap.IntersectRect(frames[i], frames[j])) << i << " and " << j;
        }

    // The user closes one chart: the other keeps the command checked; the command closes it.
    ViewOf(charts[0])->GetParentFrame()->SendMessage(WM_CLOSE);
    ASSERT_EQ(Charts().size(), 1u);
    EXPECT_EQ(ChartsCommand(), (ItemState{true, true}));
    Command(ID_ZQ_VIEW_CHARTS);
    EXPECT_TRUE(Charts().empty());
    EXPECT_EQ(ChartsCommand(), (ItemState{true, false}));

    // Chosen again it opens both; New closes them.
    Command(ID_ZQ_VIEW_CHARTS);
    EXPECT_EQ(Charts().size(), 2u);
    Command(ID_ZQ_NEW);
    EXPECT_TRUE(Charts().empty());
    EXPECT_EQ(app.m_nChartsOpen, 0);
    EXPECT_EQ(ChartsCommand(), (ItemState{false, false}));
}

TEST_F(ValueCharts, OpenChartsShowTheFunctionsOfEverySolve)
{
    SolveAndOpenCharts();
    // z's gain becomes 4, a breakpoint of its own beyond x's 3
    app.m_Project.EvaluationsTable[3][1] = "4";
    app.m_nEvaluationsPrecision = 1;
    Command(ID_ZQ_SOLVE);
    const std::vector<CZQChartDoc*> charts = Charts();
    ASSERT_EQ(charts.size(), 2u);
    EXPECT_EQ(Annotations(charts[0]), (std::vector<std::string>{"1.0", "3.0", "4.0"}));
    ExpectNear(Shown(charts[0]), Accepted(0), "g after the new solve");
    EXPECT_EQ(Annotations(charts[1]), (std::vector<std::string>{"1.0", "3.0", "5.0"}));
}

TEST_F(ValueCharts, DragsEndAtTheNearestAdmissibleValue)
{
    SolveAndOpenCharts();
    struct Case {
        const char* what;
        int nItem;         // of g's chart
        double dValue;
        int bPreserveKendall;
        Values g;          // the accepted functions in breakpoint order
        Values c;
    } cases[] = {
        {"g's top to 0.4: admissible, c's top makes up", 2, 0.4, 1, {0, 0.25, 0.4}, {0, 0.25, 0.6}},
        {"g's top to 0.2: x must stay delta above y", 2, 0.2, 1, {0, 0.25, 0.27}, {0, 0.25, 0.73}},
        {"g's top to 0.2 without Kendall's coefficient: monotony", 2, 0.2, 0, {0, 0.25, 0.25}, {0, 0.25, 0.75}},
        {"g's middle point to 0.6: above the top", 1, 0.6, 1, {0, 0.5, 0.5}, {0, 0.25, 0.5}},
    };
    for (const Case& c : cases) {
        Command(ID_ZQ_SOLVE);
        app.m_nPreserveKendall = c.bPreserveKendall;
        app.m_nFunctionsEdited = 0;
        const std::vector<CZQChartDoc*> charts = Charts();
        Drag(charts[0], c.nItem, c.dValue);
        ExpectNear(Accepted(0), c.g, c.what);
        ExpectNear(Accepted(1), c.c, c.what);
        EXPECT_EQ(Record(0), Accepted(0)) << c.what;
        EXPECT_EQ(Record(1), Accepted(1)) << c.what;
        ExpectNear(Shown(charts[0]), c.g, c.what);
        ExpectNear(Shown(charts[1]), Values(c.c.rbegin(), c.c.rend()), c.what);
        EXPECT_EQ(app.m_nFunctionsEdited, 1) << c.what;
        EXPECT_EQ(ViewOf(charts[0])->GetHeldIndex(), -1) << c.what;
    }
}

TEST_F(ValueCharts, AReleaseRefreshesTheResultWindowsWithoutSolving)
{
    SolveAndOpenCharts();
    Solver* pSolver = app.m_Project.ProjectSolver.get();
    pSolver->kendall.value = 0.5;
    const std::vector<CZQChartDoc*> charts = Charts();
    CZQChartView* pView = ViewOf(charts[0]);

    const CPoint moved = Hold(pView, 2);
    EXPECT_EQ(pView->GetHeldIndex(), 2);
    EXPECT_TRUE(pView->GetTip().IsVisible()) << "the drag tip follows the mouse";
    charts[0]->GetChart()->SetValue(2, 0, 0.4, 0);
    app.calls.clear();
    Mouse(pView, WM_LBUTTONUP, moved);

    EXPECT_EQ(app.calls, (Calls{"LoadMatrix", "RefreshGraphPage", "SetStatusText(1.000)", "RedrawRankingChart",
                                "SetStatusText(1.000)"}));
    EXPECT_EQ(app.m_Project.ProjectSolver.get(), pSolver) << "no new solve";
    EXPECT_EQ(pSolver->kendall.value, 1.0) << "the best value takes the greater current one";
    const ZQTable ranking = {{"y", "0.250000"}, {"x", "0.400000"}, {"z", "0.850000"}};
    EXPECT_EQ(app.m_Project.RankingRows, ranking);
}

TEST_F(ValueCharts, ATopPointMovedMovesTheOtherTopsTheOtherWay)
{
    // three gain criteria of one segment each, whose tops the solve makes equal
    CZQInterfaceData& project = app.m_Project;
    project.CriteriaTable = {{"a", "", "gain", "1"}, {"b", "", "gain", "1"}, {"c", "", "gain", "1"}};
    project.EvaluationsTable = {{"", "a", "b", "c"}, {"p", "2", "2", "2"}, {"q", "1", "1", "1"}, {"r", "1", "2", "1"}};
    project.AlternativesTable = {{"p", "", "1"}, {"q", "", "2"}, {"r", "", ""}};
    project.RefillPanes();
    app.m_nPreserveKendall = 0;
    SolveAndOpenCharts();
    const Values before = {Accepted(0).back(), Accepted(1).back(), Accepted(2).back()};
    Drag(Charts()[0], 1, before[0] - 0.1);
    EXPECT_NEAR(Accepted(0).back(), before[0] - 0.1, 1e-6);
    EXPECT_NEAR(Accepted(1).back(), before[1] + 0.05, 1e-6);
    EXPECT_NEAR(Accepted(2).back(), before[2] + 0.05, 1e-6);

    // With a single criterion nothing makes up for the top: it goes back to the sum of 1.
    Solver& solver = *project.ProjectSolver;
    solver.model.criteria.resize(1);
    solver.model.criteria[0]->values = {0.0, 1.0};
    project.ValueFunctions.resize(1);
    project.ValueFunctions[0][1].y = 1.0;
    const std::vector<CZQChartDoc*> charts = Charts();
    charts[0]->ShowValueFunction();
    Drag(charts[0], 1, 0.9);
    ASSERT_EQ(Accepted(0).size(), 2u);
    EXPECT_NEAR(Accepted(0).back(), 1.0, 1e-6);
    EXPECT_EQ(Record(0), Accepted(0));
    // the charts of the criteria gone show nothing
    charts[1]->ShowValueFunction();
    EXPECT_TRUE(Shown(charts[1]).empty());
}

TEST_F(ValueCharts, AReleaseWithoutAHeldPointOnlyEndsTheGesture)
{
    SolveAndOpenCharts();
    CZQChartDoc* pChart = Charts()[0];
    CZQChartView* pView = ViewOf(pChart);
    const CPoint top = PointOf(pView, 2);
    const CPoint middle = PointOf(pView, 1);
    const CPoint away((top.x + middle.x) / 2, top.y);
    app.calls.clear();

    // a click off every point
    Mouse(pView, WM_LBUTTONDOWN, away, MK_LBUTTON);
    Mouse(pView, WM_LBUTTONUP, away);
    EXPECT_EQ(pView->GetHeldIndex(), -1);
    EXPECT_EQ(app.m_nFunctionsEdited, 1);

    // a tip over a point, then a click elsewhere
    Mouse(pView, WM_MOUSEMOVE, top);
    pView->SendMessage(WM_TIMER, DEDizedView::kTimerTip);
    EXPECT_TRUE(pView->GetTip().IsVisible());
    Mouse(pView, WM_LBUTTONDOWN, away, MK_LBUTTON);
    Mouse(pView, WM_LBUTTONUP, away);

    EXPECT_TRUE(app.calls.empty());
    ExpectNear(Accepted(0), {0, 0.25, 0.5}, "g");
    ExpectNear(Shown(pChart), {0, 0.25, 0.5}, "g's chart");
}

TEST_F(ValueCharts, AHeldPointShowsItsRangeAsABarUnderTheMarker)
{
    SolveAndOpenCharts();
    // g's middle breakpoint may take 0.2 to 0.6; c has no bounds records
    app.m_Project.ValueBoundsTable = {{{1, 0, 0}, {2, 0.6, 0.2}}};
    const std::vector<CZQChartDoc*> charts = Charts();
    const COLORREF crBar = RGB(0, 192, 0);
    ASSERT_EQ(app.m_crChartBars, crBar);

    // The bar's pixels, drawn as the view draws; the scale maps 1.04 onto the plot's height.
    auto draw = [](CZQChartView* pView, DibCanvas& canvas) { pView->OnDraw(&canvas.dc); };
    CZQChartView* pView = ViewOf(charts[0]);
    CRect client;
    pView->GetClientRect(&client);
    const CPoint held = Hold(pView, 1);
    const CRect plot = charts[0]->GetDisplay()->GetPlotRect();
    auto y = [&plot](double v) { return int(plot.bottom - v * plot.Height() / 1.04 + 0.5); };
    const int x = PointOf(pView, 1).x;
    {
        DibCanvas canvas(client.Width(), client.Height());
        draw(pView, canvas);
        const int yMarker = y(charts[0]->GetChart()->GetValue(1, 0));
        for (int row = y(0.6); row <= y(0.2); ++row) {
            if (std::abs(row - yMarker) <= 7)
                continue; // the marker and the line over the bar
            EXPECT_EQ(canvas.At(x - 5, row), crBar) << row;
            EXPECT_EQ(canvas.At(x + 4, row), crBar) << row;
            EXPECT_NE(canvas.At(x - 6, row), crBar) << row;
            EXPECT_NE(canvas.At(x + 5, row), crBar) << row;
        }
        EXPECT_NE(canvas.At(x - 5, y(0.6) - 2), crBar);
        EXPECT_NE(canvas.At(x - 5, y(0.2) + 2), crBar);
        // the marker over the bar, off the lines through its centre
        EXPECT_EQ(canvas.At(x, yMarker - 3), app.m_crChartPoints);
        EXPECT_EQ(canvas.At(x, yMarker + 3), app.m_crChartPoints);
    }
    Mouse(pView, WM_LBUTTONUP, held);
    // the drag end fills the table anew from the accepted functions: every breakpoint of both
    ASSERT_EQ(app.m_Project.ValueBoundsTable.size(), 2u);
    EXPECT_EQ(app.m_Project.ValueBoundsTable[1].size(), 3u);
    app.m_Project.ValueBoundsTable = {{{1, 0, 0}, {2, 0.6, 0.2}}};
    charts[1]->ShowValueFunction();

    // Without a bounds record no bar shows; values all equal draw the empty chart.
    auto count = [](const DibCanvas& canvas, COLORREF colour) {
        int n = 0;
        for (int row = 0; row < canvas.Height(); ++row)
            for (int column = 0; column < canvas.Width(); ++column)
                n += canvas.At(column, row) == colour ? 1 : 0;
        return n;
    };
    CZQChartView* pCostView = ViewOf(charts[1]);
    const CPoint costHeld = Hold(pCostView, 1);
    {
        DibCanvas canvas(client.Width(), client.Height());
        draw(pCostView, canvas);
        EXPECT_EQ(count(canvas, crBar), 0);
        EXPECT_GT(count(canvas, app.m_crChartPoints), 0);
    }
    Mouse(pCostView, WM_LBUTTONUP, costHeld);
    DEDized& cost = *charts[1]->GetChart();
    for (int i = 0; i < 3; ++i)
        cost.SetValue(i, 0, 0.3, 0);
    {
        DibCanvas canvas(client.Width(), client.Height());
        draw(pCostView, canvas);
        EXPECT_EQ(count(canvas, app.m_crChartPoints), 0);
        EXPECT_EQ(count(canvas, app.m_crChartLine), 0);
        EXPECT_GT(count(canvas, app.m_crChartBackground), 0) << "the plot is there";
    }
}

TEST_F(ValueCharts, ADragEndWithNothingToWriteIntoShowsTheAcceptedFunctionsAgain)
{
    SolveAndOpenCharts();
    const std::vector<CZQChartDoc*> charts = Charts();

    // A chart left from a solve of three breakpoints after one of two (z's gain now y's): refilled,
    // not written.
    app.m_Project.EvaluationsTable[3][1] = "1";
    ASSERT_EQ(app.m_Project.SolveProblem(), 1);
    const Values solved = Accepted(0);
    ASSERT_EQ(solved.size(), 2u);
    ASSERT_EQ(Shown(charts[0]).size(), 3u);
    // a drag that writes nothing, refreshes nothing and leaves the chart showing the solved function
    auto dragUnwritten = [&](int nItem, double dValue, const char* what) {
        app.calls.clear();
        Drag(charts[0], nItem, dValue);
        EXPECT_EQ(Accepted(0), solved) << what;
        EXPECT_EQ(Shown(charts[0]), solved) << what;
        EXPECT_TRUE(app.calls.empty()) << what;
        EXPECT_EQ(app.m_nFunctionsEdited, 0) << what;
    };
    dragUnwritten(2, 0.4, "a chart of three breakpoints over two");

    // z under y in the reference ranking, although z is as good on the gain and better on the cost:
    // the automatic re-solve finds the ranking inconsistent and leaves a Solver without results
    for (int i = 0; i < app.GetAlternativeItemCount(); ++i)
        app.SetAlternativeItemSelected(i, Str(app.GetAlternativeItemText(i)) == "z");
    fake.ExpectMessageBox(IDOK, "inconsistent");
    app.AddSelectedToRank(3);
    app.ReferenceRankingChanged();
    ASSERT_FALSE(app.m_Project.ProjectSolver->HasResults());
    dragUnwritten(1, 0.8, "a Solver without results");
}

} // namespace
