// The data watcher: marking by mode, the mean modes' hooks, the range (its own or its display's), the
// limit lines drawn on a display's plot, its stored form and template line.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <cmath>
#include <string>
#include <vector>

#include "ArchiveTestSupport.h"
#include "chart/engine/axes/SRGDataWatcher.h"

#include "chart_test_support.h"
#include "display_test_support.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);

class CountingWatcher : public SRGDataWatcher {
public:
    void OnDataClear() override { ++nClear; }
    void OnDataAlarm() override { ++nAlarm; }
    int nClear = 0;
    int nAlarm = 0;
};

// "1" for each item of the group marked by its selection nibble, "0" for the others.
std::string Marks(DEDized& chart, int nGroup, int nItems)
{
    std::string marks;
    for (int i = 0; i < nItems; ++i)
        marks += chart.GetDataItem(i, nGroup)->GetStyle()->GetSelection() == SRGDataWatcher::markedSelection ? "1" : "0";
    return marks;
}

// A line display with the fixed range [0, 10] and a red watcher after it.
struct WatchedScene : DisplayScene {
    WatchedScene()
    {
        FixRange(0.0, 10.0);
        pWatcher = new CountingWatcher;
        pWatcher->SetColours(kRed, kRed);
        chart.AddComponent(pWatcher);
    }
    CountingWatcher* pWatcher;
};

} // namespace

TEST(ChartDataWatcher, PerItemModesMarkTheItemsThatBreakTheirRule)
{
    DEDized chart;
    const double values[] = {2.0, 4.0, 6.0, 3.0};
    for (int i = 0; i < 4; ++i)
        chart.SetValue(i, 0, values[i], 1);
    CountingWatcher* pWatcher = new CountingWatcher;
    chart.AddComponent(pWatcher);
    struct Case {
        int nMode;
        double dLow;
        double dHigh;
        const char* pszMarks;
    } cases[] = {
        {0, 0.0, 4.0, "0110"}, {1, 3.0, 10.0, "1001"}, {4, 2.0, 6.0, "0101"},
        {5, 3.0, 6.0, "1011"}, {0, -1e80, 1e80, "0000"},  // the default limits mark nothing
        {4, 2.0, 5.0, "0101"},  // 3 between 2 and 5 is marked, 6 is not
    };
    for (const Case& c : cases) {
        pWatcher->SetWatchMode(c.nMode);
        pWatcher->SetLowLimit(c.dLow);
        pWatcher->SetHighLimit(c.dHigh);
        pWatcher->nClear = pWatcher->nAlarm = 0;
        pWatcher->Check();
        EXPECT_EQ(Marks(chart, 0, 4), c.pszMarks) << c.nMode << " " << c.dLow << " " << c.dHigh;
        const bool bClear = std::string(c.pszMarks) == "0000";
        EXPECT_EQ(pWatcher->nClear, bClear ? 1 : 0) << c.nMode;
        EXPECT_EQ(pWatcher->nAlarm, bClear ? 0 : 1) << c.nMode;
    }
    // the other bits of the kind word stay
    EXPECT_EQ(chart.GetDataItem(1, 0)->GetStyle()->m_nKind & ~0xF00, chart.GetDataItem(0, 0)->GetStyle()->m_nKind);
}

TEST(ChartDataWatcher, MeanModesCallTheHooksAndMarkNothing)
{
    DEDized chart;
    chart.SetValue(0, 0, 2.0, 1);
    chart.SetValue(1, 0, 4.0, 1);  // the mean is 3
    CountingWatcher* pWatcher = new CountingWatcher;
    chart.AddComponent(pWatcher);
    struct Case {
        int nMode;
        double dLow;
        double dHigh;
        bool bClear;
    } cases[] = {
        {2, 0.0, 5.0, true}, {2, 0.0, 3.0, false}, {3, 1.0, 9.0, true},  {3, 3.0, 9.0, false},
        {6, 4.0, 5.0, true}, {6, 1.0, 5.0, false}, {7, 1.0, 5.0, true},  {7, 3.0, 5.0, false},
    };
    for (const Case& c : cases) {
        pWatcher->SetWatchMode(c.nMode);
        pWatcher->SetLowLimit(c.dLow);
        pWatcher->SetHighLimit(c.dHigh);
        pWatcher->nClear = pWatcher->nAlarm = 0;
        pWatcher->Check();
        EXPECT_EQ(pWatcher->nClear, c.bClear ? 1 : 0) << c.nMode << " " << c.dLow << " " << c.dHigh;
        EXPECT_EQ(pWatcher->nAlarm, c.bClear ? 0 : 1) << c.nMode << " " << c.dLow << " " << c.dHigh;
        EXPECT_EQ(Marks(chart, 0, 2), "00");
    }
    // over no values the mean modes are clear; a mode outside the table is an alarm
    DEDized empty;
    CountingWatcher* pEmpty = new CountingWatcher;
    empty.AddComponent(pEmpty);
    for (int nMode : {2, 3, 6, 7}) {
        pEmpty->SetWatchMode(nMode);
        pEmpty->SetLowLimit(1.0);
        pEmpty->SetHighLimit(0.0);
        pEmpty->Check();
    }
    EXPECT_EQ(pEmpty->nClear, 4);
    pEmpty->SetWatchMode(9);
    pEmpty->Check();
    EXPECT_EQ(pEmpty->nAlarm, 1);
}

TEST_F(ChartTest, WatcherMarksAtFullRedrawsAndTakesItsDisplaysRange)
{
    WatchedScene scene;
    scene.SetGroup(0, {1.0, 3.0, 5.0});
    scene.pWatcher->SetWatchMode(4);
    scene.pWatcher->SetLowLimit(2.0);
    scene.pWatcher->SetHighLimit(5.0);
    scene.Draw();
    EXPECT_EQ(Marks(scene.chart, 0, 3), "010");
    EXPECT_EQ(scene.pWatcher->nAlarm, 1);  // once a pass
    // a value moved back inside the rule is unmarked at the next full redraw
    scene.chart.SetValue(1, 0, 8.0, 0);
    scene.Draw();
    EXPECT_EQ(Marks(scene.chart, 0, 3), "000");
    EXPECT_EQ(scene.pWatcher->nClear, 1);

    // with its display's range the watcher before a display takes that display's window
    DisplayScene watched;
    watched.SetGroup(0, {6.0, 6.0, 6.0});
    watched.SetGroup(1, {6.0, 6.0, 6.0});
    SRGDataWatcher* pWatcher = new SRGDataWatcher;
    pWatcher->SetHighLimit(5.0);
    watched.chart.GetComponentList()->AddHead(pWatcher);
    pWatcher->SetChart(&watched.chart);
    watched.pDisplay->SetDataWindow(1, 1, 2, 1);
    pWatcher->SetUseDisplayRange(1);
    watched.Draw();
    EXPECT_EQ(Marks(watched.chart, 0, 3) + Marks(watched.chart, 1, 3), "000011");
    EXPECT_EQ(pWatcher->GetRangeFirstGroup(), 1);
    EXPECT_EQ(pWatcher->GetRangeFirstItem(), 1);
    EXPECT_EQ(pWatcher->GetRangeItemCount(), 2);
    // its own window: every item
    pWatcher->SetUseDisplayRange(0);
    watched.Draw();
    EXPECT_EQ(Marks(watched.chart, 0, 3) + Marks(watched.chart, 1, 3), "111111");
}

TEST_F(ChartTest, WatcherLimitLinesOnTheDisplaysPlot)
{
    WatchedScene scene;
    scene.SetGroup(0, {9.0, 9.0, 9.0});
    scene.Draw();
    // the default limits draw no line
    EXPECT_TRUE(scene.pWatcher->GetLimitLines().IsEmpty());

    scene.pWatcher->SetWatchMode(4);
    scene.pWatcher->SetLowLimit(2.0);
    scene.pWatcher->SetHighLimit(5.0);
    scene.Draw();
    const CRect plot = scene.pDisplay->GetPlotRect();
    EXPECT_EQ(scene.pWatcher->GetLineRect(), plot);
    auto y = [&](double dLimit) { return plot.bottom - int(plot.Height() / 10.0 * dLimit + 0.5); };
    std::vector<CPoint> lines;
    CPtrList& list = scene.pWatcher->GetLimitLines();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        lines.push_back(*static_cast<CPoint*>(list.GetNext(pos)));
    EXPECT_EQ(lines, (std::vector<CPoint>{CPoint(plot.left, y(2.0)), CPoint(plot.left, y(5.0))}));
    for (double dLimit : {2.0, 5.0}) {
        EXPECT_EQ(scene.canvas.At(plot.left + 3, y(dLimit)), kRed) << dLimit;
        EXPECT_EQ(scene.canvas.At(plot.right - 3, y(dLimit)), kRed) << dLimit;
    }
    // mode 1 draws the high limit only; a limit beyond the plot adds no line
    scene.pWatcher->SetWatchMode(1);
    scene.Draw();
    EXPECT_EQ(scene.pWatcher->GetLimitLines().GetCount(), 1);
    scene.pWatcher->SetHighLimit(10.5);
    scene.Draw();
    EXPECT_TRUE(scene.pWatcher->GetLimitLines().IsEmpty());

    // vertical lines stand at x, from the bottom
    scene.pWatcher->SetVertical(1);
    scene.pWatcher->SetHighLimit(5.0);
    scene.Draw();
    ASSERT_EQ(scene.pWatcher->GetLimitLines().GetCount(), 1);
    EXPECT_EQ(*static_cast<CPoint*>(scene.pWatcher->GetLimitLines().GetHead()),
              CPoint(plot.left + int(plot.Width() / 10.0 * 5.0 + 0.5), plot.bottom));
}

TEST(ChartDataWatcher, StoredFormAndTemplateLine)
{
    SRGDataWatcher watcher;
    watcher.SetWatchMode(5);
    watcher.SetUseDisplayRange(1);
    watcher.SetHighLimit(7.5);
    watcher.SetLowLimit(-2.0);
    watcher.SetVertical(1);
    watcher.SetMinorCount(2);
    const Bytes bytes = StoreBytes([&](CArchive& ar) { watcher.Serialize(ar); });
    SRGDataWatcher loaded;
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(loaded.GetWatchMode(), 5);
    EXPECT_EQ(loaded.GetUseDisplayRange(), 1);
    EXPECT_EQ(loaded.GetHighLimit(), 7.5);
    EXPECT_EQ(loaded.GetLowLimit(), -2.0);
    EXPECT_EQ(loaded.IsVertical(), 1);
    EXPECT_EQ(loaded.GetMinorCount(), 2);

    watcher.ReadTemplateCommon("0 0 100 100 3 0 0 0");
    EXPECT_EQ(WrittenText([&](CStdioFile& f) { watcher.WriteTemplate(f); }), "datawatcher 0 0 100 100 3 0 0 0 \r\n");
}
