// The scales of the horizontal, by-group and floating-bar layouts: categories up the side or groups
// along the bottom, the value scale across them, percent and date value axes, and their options.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <cmath>
#include <string>
#include <vector>

#include "chart/engine/axes/SRGDateScale.h"
#include "chart/engine/axes/SRGIndexScale.h"
#include "win/COleDateTime.h"

#include "chart_test_support.h"
#include "display_test_support.h"

namespace {

const COLORREF kGrid = RGB(0, 0x80, 0x80);  // the style colour 0x808000

std::vector<CPoint> Points(CPtrList& list)
{
    std::vector<CPoint> points;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        points.push_back(*static_cast<CPoint*>(list.GetNext(pos)));
    return points;
}

std::vector<CString> Texts(DEDizedLabelBlock* pScale)
{
    std::vector<CString> texts;
    for (int i = 0; i < pScale->GetLabelCount(); ++i)
        texts.push_back(pScale->GetLabel(i)->GetText(1));
    return texts;
}

// A display of the graph and axis types given over three items of four groups, the items named "A" to
// "C" and the groups "G0" to "G3", drawn with its axes.
struct LayoutScene : DisplayScene {
    LayoutScene(int nGraphType, int nAxisType, int nFlags = 0) : DisplayScene(420, 300)
    {
        for (int g = 0; g < 4; ++g) {
            SetGroup(g, {1.0 + g, 2.0 + g, 3.0});
            chart.SetGroupAnnotation(g, ("G" + std::to_string(g)).c_str(), 1);
        }
        for (int i = 0; i < 3; ++i)
            chart.SetItemAnnotation(i, 0, std::string(1, char('A' + i)).c_str());
        pDisplay->SetGraphType(nGraphType);
        pDisplay->SetAxisType(nAxisType);
        pDisplay->SetFlags(nFlags);
        Draw();
    }
    SRGDecimalScale* Values() { return dynamic_cast<SRGDecimalScale*>(pDisplay->GetYScale()); }
    SRGIndexScale* Categories() { return dynamic_cast<SRGIndexScale*>(pDisplay->GetXScale()); }
    CRect Plot() { return pDisplay->GetPlotRect(); }
};

} // namespace

TEST_F(ChartTest, HorizontalLayoutsPutTheCategoriesUpTheSide)
{
    for (const int nAxisType : {AXIS_BY_GRAPH_TYPE, AXIS_TRANSPOSED}) {
        // the frame over the data, to see its grid
        LayoutScene scene(GT_HBAR, nAxisType, SRGDisplayBase::flagDataFirst);
        const CRect plot = scene.Plot();
        // the labels took room on the left and at the bottom
        EXPECT_GT(plot.left, 5) << nAxisType;
        EXPECT_LT(plot.bottom, 295);
        // the items up the left edge, item 0 at the bottom, in the middle of their rows
        ASSERT_NE(scene.Categories(), nullptr);
        EXPECT_EQ(scene.Categories()->GetRuntimeClass(), RUNTIME_CLASS(SRGIndexScale));
        EXPECT_EQ(Texts(scene.Categories()), (std::vector<CString>{"A", "B", "C"}));
        const std::vector<CPoint> rows = Points(*scene.pDisplay->GetYTickList());
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ(rows[0], CPoint(plot.left, plot.bottom - int(plot.Height() / 6.0 + 0.5)));
        EXPECT_LT(rows[2].y, rows[1].y);
        EXPECT_LE(scene.Categories()->GetBoundingRect().right, plot.left);
        // the values along the bottom, from the left edge
        const std::vector<CPoint> values = Points(*scene.pDisplay->GetXTickList());
        ASSERT_GE(values.size(), 2u);
        EXPECT_EQ(values.front(), CPoint(plot.left, plot.bottom));
        EXPECT_EQ(values.back().y, plot.bottom);
        EXPECT_GE(scene.Values()->GetBoundingRect().top, plot.bottom);
        // the frame's grid runs across the rows and up from the values
        EXPECT_EQ(scene.canvas.At(plot.right - 3, rows[1].y), kGrid);
        EXPECT_EQ(scene.canvas.At(values[1].x, plot.top + 3), kGrid);
    }
}

TEST_F(ChartTest, PercentHorizontalLayoutShowsZeroToHundredInFives)
{
    LayoutScene scene(GT_STACKED_HBAR_100, AXIS_BY_GRAPH_TYPE);
    SRGDecimalScale* pValues = scene.Values();
    ASSERT_NE(pValues, nullptr);
    EXPECT_DOUBLE_EQ(pValues->GetLastStep(), 5.0);
    ASSERT_EQ(pValues->GetLabelCount(), 21);
    EXPECT_EQ(pValues->GetLabel(0)->GetText(1), " 0% ");
    EXPECT_EQ(pValues->GetLabel(20)->GetText(1), " 100% ");
    const std::vector<CPoint> values = Points(*scene.pDisplay->GetXTickList());
    ASSERT_EQ(values.size(), 21u);
    EXPECT_EQ(values.back(), CPoint(scene.Plot().right, scene.Plot().bottom));

    // a step set stands
    DisplayScene stepped(420, 300);
    stepped.SetGroup(0, {1, 3});
    stepped.pDisplay->SetGraphType(GT_STACKED_HBAR_100);
    stepped.pDisplay->SetAxisType(AXIS_TRANSPOSED);
    stepped.pDisplay->SetExtraValue(1, 25.0);
    stepped.Draw();
    EXPECT_EQ(stepped.pDisplay->GetYScale()->GetLabelCount(), 5);
}

TEST_F(ChartTest, HorizontalLayoutOptions)
{
    // flag bit 23: no category labels, the value axis stays
    LayoutScene bare(GT_HBAR, AXIS_TRANSPOSED, SRGDisplayBase::flagNoXScale);
    EXPECT_TRUE(bare.Categories() == nullptr || bare.Categories()->GetLabelCount() == 0);
    EXPECT_TRUE(bare.pDisplay->GetYTickList()->IsEmpty());
    EXPECT_GT(bare.Values()->GetLabelCount(), 1);

    // axis type 0x16: a date value axis along the bottom, the plot less the depth on the right
    DisplayScene dates(420, 300);
    const double dStart = COleDateTime(2024, 3, 1, 0, 0, 0).m_dt;
    dates.SetGroup(0, {dStart, dStart + 20, dStart + 40});
    dates.pDisplay->SetGraphType(GT_HBAR);
    dates.pDisplay->SetAxisType(0x16);
    dates.pDisplay->SetFlags(SRGDisplayBase::flagNoZero);
    dates.Draw();
    SRGDecimalScale* pDates = dynamic_cast<SRGDecimalScale*>(dates.pDisplay->GetYScale());
    ASSERT_NE(pDates, nullptr);
    EXPECT_TRUE(pDates->IsKindOf(RUNTIME_CLASS(SRGDateScale)));
    EXPECT_EQ(pDates->GetStart(), CPoint(dates.pDisplay->GetPlotRect().left, dates.pDisplay->GetPlotRect().bottom));
    EXPECT_EQ(pDates->GetEnd().x, dates.pDisplay->GetPlotRect().right - 10);
    EXPECT_EQ(pDates->GetLabel(0)->GetText(1), COleDateTime(pDates->GetMinimum()).Format("%x"));

    // groups up the side for the stacked horizontal bars by group; flag bit 22 takes them away
    for (const int nFlags : {0, int(SRGDisplayBase::flagNoGroupLabels), int(SRGDisplayBase::flagNoXScale)}) {
        LayoutScene groups(GT_GROUP_STACKED_HBAR, AXIS_TRANSPOSED, nFlags);
        ASSERT_NE(groups.Categories(), nullptr);
        EXPECT_EQ(groups.Categories()->GetRuntimeClass(), RUNTIME_CLASS(SRGGroupScale));
        std::vector<CString> expected = {"G0", "G1", "G2", "G3"};
        if (nFlags == SRGDisplayBase::flagNoGroupLabels)
            expected.clear();
        EXPECT_EQ(Texts(groups.Categories()), expected) << nFlags;
    }
}

TEST_F(ChartTest, StackedColumnsByGroupLabelTheGroupsAlongTheBottom)
{
    for (const int nGraphType : {GT_GROUP_STACKED_VBAR, GT_GROUP_STACKED_VBAR_100}) {
        LayoutScene scene(nGraphType, AXIS_STANDARD);
        ASSERT_NE(scene.Categories(), nullptr);
        EXPECT_EQ(scene.Categories()->GetRuntimeClass(), RUNTIME_CLASS(SRGGroupScale));
        EXPECT_EQ(Texts(scene.Categories()), (std::vector<CString>{"G0", "G1", "G2", "G3"}));
        const std::vector<CPoint> groups = Points(*scene.pDisplay->GetXTickList());
        ASSERT_EQ(groups.size(), 4u);
        EXPECT_EQ(groups[0], CPoint(scene.Plot().left + int(scene.Plot().Width() / 8.0 + 0.5), scene.Plot().bottom));
        // the values up the left edge: the sums, or 0 to 100 per cent
        const std::vector<CPoint> values = Points(*scene.pDisplay->GetYTickList());
        ASSERT_GE(values.size(), 2u);
        EXPECT_EQ(values.front(), CPoint(scene.Plot().left, scene.Plot().bottom));
        EXPECT_EQ(scene.Values()->GetMaximum(), nGraphType == GT_GROUP_STACKED_VBAR_100 ? 100.0 : 13.0);
    }
    // the value axis on the right for axis type 0x0c
    LayoutScene right(GT_GROUP_STACKED_VBAR, AXIS_RIGHT);
    EXPECT_EQ(right.Values()->GetStart().x, right.Plot().right);
    EXPECT_GE(right.Values()->GetBoundingRect().left, right.Plot().right);
}

TEST_F(ChartTest, FloatingBarScalesPutTheGroupPairsOnTheLeft)
{
    LayoutScene scene(GT_BAR_FLOAT, AXIS_BY_GRAPH_TYPE);
    ASSERT_NE(scene.Categories(), nullptr);
    EXPECT_EQ(scene.Categories()->GetRuntimeClass(), RUNTIME_CLASS(SRGGroupScale));
    // one row per pair, named by its start group, from the bottom up
    EXPECT_EQ(Texts(scene.Categories()), (std::vector<CString>{"G0", "G2"}));
    const std::vector<CPoint> rows = Points(*scene.pDisplay->GetYTickList());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].x, scene.Plot().left);
    EXPECT_GT(rows[0].y, rows[1].y);
    EXPECT_EQ(Points(*scene.pDisplay->GetXTickList()).front(), CPoint(scene.Plot().left, scene.Plot().bottom));
}
