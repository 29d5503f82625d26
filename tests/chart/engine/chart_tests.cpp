// The chart object apart from drawing: finding and making components, the table-of-values import, Reset,
// the data forwards and the stored form of a chart.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <cmath>
#include <memory>
#include <vector>

#include "ArchiveTestSupport.h"
#include "FakeServices.h"
#include "chart/engine/SRDynamicGraph.h"
#include "chart/engine/SRGDynamicDataManager.h"
#include "chart/engine/components/DEDizedBackground.h"
#include "chart/engine/components/DEDizedLabelBlock.h"
#include "chart/engine/components/DEDizedLegend.h"
#include "chart/engine/components/SRGTextPanel.h"
#include "chart/engine/display/DEDizedDisplay.h"
#include "chart/engine/components/SRGCompoundComponent.h"

#include "chart_draw_support.h"
#include "chart_test_support.h"

namespace {

// A chart that makes a stand-in for a display (the display classes draw data; here only the
// placement and style that CreateComponent gives matter).
class DisplayMakingChart : public DEDized {
protected:
    DEDizedComponent* NewComponent(int nTypeId) override
    {
        if (nTypeId == chartTypeDisplay)
            return new ProbeComponent(CLR_INVALID, chartTypeDisplay);
        return DEDized::NewComponent(nTypeId);
    }
};

// The item annotation 1 of item nItem in group 0.
CString ItemName(DEDized& chart, int nItem)
{
    return chart.GetItemAnnotation(0, nItem, 1);
}

} // namespace

TEST_F(ChartTest, ComponentsByTypeCountInsideCompounds)
{
    DEDized chart;
    DEDizedComponent* pDisplay0 = AddProbe(chart, CRect(), CLR_INVALID, chartTypeDisplay);
    SRGCompoundComponent* pCompound = new SRGCompoundComponent;
    chart.AddComponent(pCompound);
    ProbeComponent* pTitle = new ProbeComponent(CLR_INVALID, chartTypeTitle);
    pCompound->AddChild(pTitle);
    ProbeComponent* pDisplay1 = new ProbeComponent(CLR_INVALID, chartTypeDisplay);
    pCompound->AddChild(pDisplay1);
    DEDizedComponent* pDisplay2 = AddProbe(chart, CRect(), CLR_INVALID, chartTypeDisplay);

    EXPECT_EQ(chart.GetComponent(0, chartTypeDisplay), pDisplay0);
    EXPECT_EQ(chart.GetComponent(1, chartTypeDisplay), pDisplay1);
    EXPECT_EQ(chart.GetComponent(2, chartTypeDisplay), pDisplay2);
    EXPECT_EQ(chart.GetComponent(3, chartTypeDisplay), nullptr);
    EXPECT_EQ(chart.GetComponent(0, chartTypeTitle), pTitle);
    EXPECT_EQ(chart.GetComponent(1, -1), pCompound);
    EXPECT_EQ(pDisplay1->GetChart(), &chart);
    EXPECT_EQ(pDisplay1->IsCompoundChild(), 1);

    // NextComponent walks the top level only, from where GetComponentNode put it
    POSITION pos = chart.GetComponentNode(chartTypeDisplay);
    EXPECT_EQ(chart.NextComponent(pos, chartTypeDisplay), pDisplay0);
    EXPECT_EQ(chart.NextComponent(pos, chartTypeDisplay), pDisplay2);
    EXPECT_EQ(pos, nullptr);
    EXPECT_EQ(chart.NextComponent(pos, chartTypeDisplay), nullptr);
    EXPECT_EQ(chart.GetComponentNode(chartTypeLegend), nullptr);
    EXPECT_EQ(chart.GetComponentNode(-1), chart.GetComponentList()->GetHeadPosition());

    chart.SetComponentFirstIndex(1, 2, chartTypeDisplay);
    chart.SetComponentLastIndex(1, 5, chartTypeDisplay);
    chart.SetComponentFirstGroup(1, 1, chartTypeDisplay);
    chart.SetComponentLastGroup(1, 3, chartTypeDisplay);
    chart.SetComponentLastGroup(7, 3, chartTypeDisplay);  // no such component: nothing
    int nBounds[4];
    pDisplay1->GetDataWindow(nBounds[0], nBounds[1], nBounds[2], nBounds[3]);
    EXPECT_EQ(std::vector<int>(nBounds, nBounds + 4), (std::vector<int>{2, 1, 5, 3}));

    pDisplay2->SetName("end");
    pDisplay0->SetName("end");
    EXPECT_EQ(chart.FindComponentByName("end"), pDisplay0);
    chart.RemoveComponentsByName("end");
    EXPECT_EQ(chart.GetComponentList()->GetCount(), 1);
    EXPECT_EQ(chart.GetComponent(0, chartTypeDisplay), pDisplay1);
}

TEST_F(ChartTest, CreateComponentByTypeId)
{
    DisplayMakingChart chart;
    DEDizedComponent* pBackground =
        chart.CreateComponent(chartTypeBackground, 3, CRect(10, 20, 90, 80), 0x12, 0x345, 0x6789, 0x7F0000, 0x7E000000);
    ASSERT_NE(pBackground, nullptr);
    EXPECT_TRUE(pBackground->IsKindOf(RUNTIME_CLASS(DEDizedBackground)));
    EXPECT_EQ(pBackground->GetChart(), &chart);
    EXPECT_EQ(pBackground->GetRect()->GetMeasurement(), 3);
    EXPECT_EQ(pBackground->GetMargin(), 1.25);
    EXPECT_EQ(pBackground->GetRect()->m_dRight, 90.0);
    // border, shadow and fill from the same bits of the three nibble arguments; nothing else
    EXPECT_EQ(pBackground->GetStyle()->m_nStyle, 0x742);

    DEDizedComponent* pDisplay =
        chart.CreateComponent(chartTypeDisplay, 0, CRect(0, 0, 10, 10), 1, 0x20, 0x300, 0x120000, 0x34000000);
    ASSERT_NE(pDisplay, nullptr);
    EXPECT_EQ(pDisplay->GetStyle()->m_nStyle, 0x34120321);
    EXPECT_EQ(pDisplay->GetStyle()->m_nStyleSet, 1);

    const struct {
        int nTypeId;
        CRuntimeClass* pClass;
    } texts[] = {{chartTypeTitle, RUNTIME_CLASS(DEDizedTitle)},
                 {chartTypeLabel, RUNTIME_CLASS(DEDizedLabel)},
                 {chartTypeLabelBlock, RUNTIME_CLASS(DEDizedLabelBlock)},
                 {chartTypeLegend, RUNTIME_CLASS(DEDizedLegend)},
                 {chartTypeTextPanel, RUNTIME_CLASS(SRGTextPanel)}};
    for (const auto& t : texts) {
        DEDizedComponent* pText = chart.CreateComponent(t.nTypeId, 0, CRect(0, 0, 10, 10), 0, 0, 0, 0, 0);
        ASSERT_NE(pText, nullptr);
        EXPECT_EQ(pText->GetRuntimeClass(), t.pClass);
        EXPECT_EQ(pText->GetTypeId(), t.nTypeId);
    }

    EXPECT_EQ(chart.CreateComponent(4711, 0, CRect(), 0, 0, 0, 0, 0), nullptr);
    EXPECT_EQ(chart.GetComponentList()->GetCount(), 7);
    DEDized plain;
    EXPECT_TRUE(plain.CreateComponent(chartTypeDisplay, 0, CRect(), 0, 0, 0, 0, 0)->IsKindOf(RUNTIME_CLASS(DEDizedDisplay)));
}

TEST_F(ChartTest, ATableWithoutHeaderNamesGroupsByNumberAndItemsByLetters)
{
    DEDized chart;
    chart.SetDataFromText("1,2\n3,4");
    EXPECT_EQ(chart.IsDataEmpty(), 0);
    ASSERT_EQ(chart.GetGroupCount(), 2);
    EXPECT_EQ(chart.GetMaxItemCount(), 2);
    EXPECT_EQ(chart.GetValue(0, 0), 1.0);
    EXPECT_EQ(chart.GetValue(1, 0), 2.0);
    EXPECT_EQ(chart.GetValue(0, 1), 3.0);
    EXPECT_EQ(chart.GetValue(1, 1), 4.0);
    EXPECT_EQ(chart.GetGroupAnnotation(0, 1), "0");
    EXPECT_EQ(chart.GetGroupAnnotation(1, 1), "1");
    EXPECT_EQ(ItemName(chart, 0), "A");
    EXPECT_EQ(ItemName(chart, 1), "B");

    // 28 columns: item 25 is Z, 26 BA and 27 BB
    CString row = "0";
    for (int i = 1; i < 28; ++i)
        row += ",1";
    DEDized wide;
    wide.SetDataFromText(row);
    EXPECT_EQ(ItemName(wide, 25), "Z");
    EXPECT_EQ(ItemName(wide, 26), "BA");
    EXPECT_EQ(ItemName(wide, 27), "BB");
}

TEST_F(ChartTest, TableLayoutsAsACaseTable)
{
    struct Case {
        const char* pszText;
        int nGroups;
        const char* pszChartName;            // chart annotation 1
        std::vector<const char*> groupNames;  // annotation 1 of each group
        std::vector<const char*> itemNames;   // annotation 1 of the items of group 0
        std::vector<double> firstGroup;       // values of group 0; NaN for a null item
    };
    const double kNull = std::nan("");
    const Case cases[] = {
        // a text first cell: the chart's name and the corner, a header row of item names follows;
        // each data row starts with its group's name; an empty cell is a null 0, a text one no value
        {"Sales\tNorth\tSouth\r\nQ1\t5\t\r\nQ2\t7\t8", 2, "Sales", {"Q1", "Q2"}, {"North", "South"}, {5, kNull}},
        // an empty corner, '|' ends rows, an empty header cell skips its column
        {",a,,c|g,1,2,3", 1, "", {"g"}, {"a", "", "c"}, {1, 2, 3}},
        // CR LF is one row end; CR and LF alone are row ends too
        {"1\r\n2\r3\n4", 4, "", {"0", "1", "2", "3"}, {"A"}, {1}},
        // a first cell that ends its row at once: item 0 of group 0 is null, the next row is group 1
        {"\n5,6", 2, "", {"0", "1"}, {"A", "B"}, {kNull}},
        // a row end closing the text starts no further group
        {"x,A\ng,1\n", 1, "x", {"g"}, {"A"}, {1}},
        // words that the C library would take for infinity or "not a number" are text
        {"Nancy,Info\nx,1", 1, "Nancy", {"x"}, {"Info"}, {1}},
        // a cell that is no number but a date counts as the date's value; a leading number wins
        {"Jan 5 2020\tx|5 Jan 2020", 2, "", {"0", "1"}, {"A"}, {43835}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszText);
        DEDized chart;
        chart.SetDataFromText(c.pszText);
        ASSERT_EQ(chart.GetGroupCount(), c.nGroups);
        EXPECT_EQ(chart.GetChartAnnotation(1), c.pszChartName);
        for (size_t g = 0; g < c.groupNames.size(); ++g)
            EXPECT_EQ(chart.GetGroupAnnotation(int(g), 1), c.groupNames[g]) << "group " << g;
        for (size_t i = 0; i < c.itemNames.size(); ++i)
            EXPECT_EQ(ItemName(chart, int(i)), c.itemNames[i]) << "item " << i;
        for (size_t i = 0; i < c.firstGroup.size(); ++i) {
            DEDizedData* pItem = chart.GetDataItem(int(i), 0);
            if (std::isnan(c.firstGroup[i])) {
                EXPECT_TRUE(pItem->IsNull()) << "item " << i;
                EXPECT_EQ(pItem->GetValue(), 0.0) << "item " << i;
            } else {
                EXPECT_FALSE(pItem->IsNull()) << "item " << i;
                EXPECT_EQ(pItem->GetValue(), c.firstGroup[i]) << "item " << i;
            }
        }
    }
}

TEST_F(ChartTest, ImportIntoAChartWithDataResetsItAndADynamicChartRefuses)
{
    DEDized chart;
    chart.SetValue(4, 3, 9.0, 0);
    AddProbe(chart, CRect());
    chart.SetDataFromText("7");
    EXPECT_EQ(chart.GetGroupCount(), 1);
    EXPECT_EQ(chart.GetValue(0, 0), 7.0);
    EXPECT_TRUE(chart.GetComponentList()->IsEmpty());

    // an empty chart keeps its components
    DEDized fresh;
    AddProbe(fresh, CRect());
    fresh.SetDataFromText("7");
    EXPECT_EQ(fresh.GetComponentList()->GetCount(), 1);

    SRDynamicGraph dynamic;
    EXPECT_EQ(dynamic.IsDynamic(), 1);
    EXPECT_EQ(ChartCode([&] { dynamic.SetDataFromText("1,2"); }), 0);
    EXPECT_EQ(dynamic.GetGroupCount(), 0);
}

TEST_F(ChartTest, ATemplateErrorShowsTheLine)
{
    CFakeServices fake;
    fake.ExpectMessageBox(IDOK, ResourceText(IDS_CHART_TEMPLATE_LINE_ERROR) + "title 1 2");
    DEDized chart;
    chart.ReportTemplateError("title 1 2");
    ASSERT_EQ(fake.CallsOf("MessageBox").size(), 1u);
    EXPECT_EQ(fake.CallsOf("MessageBox")[0].nType & MB_ICONMASK, UINT(MB_ICONEXCLAMATION));
}

TEST_F(ChartTest, ResetEmptiesDataComponentsAndHitRegions)
{
    DEDized chart;
    chart.SetValue(0, 1, 2.0, 0);
    chart.SetChartAnnotation("title", 1);
    AddProbe(chart, CRect(0, 0, 10, 10))->m_onDraw = [&](ProbeComponent&, CDC&) {
        chart.AddMarkerFeedback(1, 1, 0, 0);
    };
    DibCanvas canvas(10, 10);
    chart.Draw(&canvas.dc, nullptr);
    ASSERT_EQ(chart.GetFeedbackList()->GetCount(), 1);
    chart.Reset();
    EXPECT_EQ(chart.IsDataEmpty(), 1);
    EXPECT_EQ(chart.GetGroupCount(), 0);
    EXPECT_EQ(chart.GetChartAnnotation(1), "");
    EXPECT_TRUE(chart.GetComponentList()->IsEmpty());
    EXPECT_TRUE(chart.GetFeedbackList()->IsEmpty());
}

TEST_F(ChartTest, WithoutAManagerDataReadsAreEmpty)
{
    SRGDataManager manager;
    manager.SetValue(0, 0, 3.0, 0);
    DEDized chart;
    chart.SetDataManager(&manager, 0);
    EXPECT_EQ(chart.GetValue(0, 0), 3.0);
    chart.SetDataManager(nullptr, 0);
    EXPECT_EQ(chart.GetValue(0, 0), 0.0);
    EXPECT_EQ(chart.GetDataItem(0, 0), nullptr);
    EXPECT_EQ(chart.GetChartAnnotation(1), "");
    CScale range;
    range.Include(5.0);
    chart.GetDataRange(range, 0);
    EXPECT_EQ(range.IsReset(), 1);
    chart.SetValue(0, 0, 1.0, 0);
    EXPECT_EQ(chart.IsDataEmpty(), 1);
    EXPECT_EQ(manager.GetValue(0, 0), 3.0);  // not owned: still alive and unchanged
}

namespace {

Bytes StoreChart(const DEDized& chart)
{
    return StoreBytes([&](CArchive& ar) { ar << &chart; });
}

std::unique_ptr<DEDized> LoadChart(const Bytes& bytes)
{
    std::unique_ptr<DEDized> pChart;
    LoadBytes(bytes, [&](CArchive& ar) { pChart.reset(static_cast<DEDized*>(ar.ReadObject(RUNTIME_CLASS(DEDized)))); });
    return pChart;
}

// Two components (a background and a compound holding a background) and two groups.
void FillChart(DEDized& chart)
{
    DEDizedComponent* pBackground =
        chart.CreateComponent(chartTypeBackground, 1, CRect(1, 2, 30, 40), 3, 0x20, 0x100, 0, 0);
    pBackground->SetName("back");
    pBackground->SetIndexStep(2);
    SRGCompoundComponent* pCompound = new SRGCompoundComponent;
    pCompound->SetSetting(SRGCompoundComponent::settingPendingLayout, 1);
    pCompound->AddChild(new DEDizedBackground);
    chart.AddComponent(pCompound);
    chart.GetChartStyle()->m_crColor = RGB(9, 8, 7);
    chart.SetChartAnnotation("chart", 1);
    chart.SetValue(1, 1, 2.5, 0);
    chart.SetGroupAnnotation(0, "first", 0);
    chart.SetMode(2);
    chart.SetBuffered(0);
    chart.GetDataManager()->SetCurrentGroup(1);
}

} // namespace

TEST_F(ChartTest, AChartRoundTripsThroughAnArchive)
{
    DEDized chart;
    FillChart(chart);
    const Bytes bytes = StoreChart(chart);
    const std::unique_ptr<DEDized> pLoaded = LoadChart(bytes);
    ASSERT_NE(pLoaded, nullptr);
    EXPECT_EQ(StoreChart(*pLoaded), bytes);

    ASSERT_EQ(pLoaded->GetComponentList()->GetCount(), 2);
    DEDizedComponent* pBackground = pLoaded->GetComponent(0, chartTypeBackground);
    ASSERT_NE(pBackground, nullptr);
    EXPECT_TRUE(pBackground->IsKindOf(RUNTIME_CLASS(DEDizedBackground)));
    EXPECT_EQ(pBackground->GetName(), "back");
    EXPECT_EQ(pBackground->GetChart(), pLoaded.get());
    EXPECT_EQ(pBackground->GetIndexStep(), 2);
    EXPECT_EQ(pBackground->GetRect()->GetMeasurement(), 1);
    DEDizedComponent* pChild = pLoaded->GetComponent(1, chartTypeBackground);
    ASSERT_NE(pChild, nullptr);
    EXPECT_EQ(pChild->GetChart(), pLoaded.get());
    EXPECT_EQ(pChild->IsCompoundChild(), 1);
    EXPECT_EQ(static_cast<SRGCompoundComponent*>(pLoaded->GetComponent(0, chartTypeCompound))
                  ->GetSetting(SRGCompoundComponent::settingPendingLayout),
              1);

    EXPECT_EQ(pLoaded->GetGroupCount(), 2);
    EXPECT_EQ(pLoaded->GetValue(1, 1), 2.5);
    EXPECT_TRUE(pLoaded->GetDataItem(0, 1)->IsNull());
    EXPECT_EQ(pLoaded->GetGroupAnnotation(0, 1), "first");
    EXPECT_EQ(pLoaded->GetChartAnnotation(1), "chart");
    EXPECT_EQ(pLoaded->GetChartStyle()->m_crColor, RGB(9, 8, 7));
    EXPECT_EQ(pLoaded->GetMode(), 2);
    EXPECT_EQ(pLoaded->IsBuffered(), 0);
    EXPECT_EQ(pLoaded->IsDataEmpty(), 0);
    EXPECT_EQ(pLoaded->GetDataManager()->GetCurrentGroup(), 1);
}

TEST_F(ChartTest, ADynamicChartStoresTheSameWay)
{
    SRDynamicGraph chart;
    FillChart(chart);
    MakeDynamic(*chart.GetGroup(2, 1), 4);
    chart.AppendSeriesValue(99, 2, 1.5);
    chart.SetSeriesAnnotation(5, 2, "series");
    const Bytes bytes = StoreChart(chart);

    std::unique_ptr<DEDized> pLoaded = LoadChart(bytes);
    ASSERT_TRUE(pLoaded->IsKindOf(RUNTIME_CLASS(SRDynamicGraph)));
    EXPECT_TRUE(pLoaded->GetDataManager()->IsKindOf(RUNTIME_CLASS(SRGDynamicDataManager)));
    EXPECT_EQ(StoreChart(*pLoaded), bytes);
    DEDizedDynamicData* pSeries = pLoaded->GetGroup(2, 0)->GetSeries();
    ASSERT_NE(pSeries, nullptr);
    EXPECT_EQ(pSeries->GetValue(), 1.5);
    EXPECT_EQ(pSeries->GetAnnotation(1), "series");
}
