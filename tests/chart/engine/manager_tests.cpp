// The data manager: groups and items made on demand, reads of missing and excluded data, the
// statistics, styles over ranges, annotations, and the dynamic manager's series.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <functional>
#include <string>

#include "FakeServices.h"
#include "chart/engine/SRGDynamicDataManager.h"

#include "chart_test_support.h"

namespace {

// A group whose item reads throw a counted chart exception of the given code.
class ThrowingGroup : public DEDizedDataList {
public:
    explicit ThrowingGroup(int nCode) : m_nCode(nCode) {}
    int GetCount() const override { return 1; }
    DEDizedData* GetItem(int, int) override { throw new CountedChartException(m_nCode); }

private:
    int m_nCode;
};

// A manager whose first group is a ThrowingGroup.
class ThrowingManager : public SRGDataManager {
public:
    explicit ThrowingManager(int nCode) : m_nCode(nCode) {}
    DEDizedDataList* CreateGroup() override
    {
        return GetGroupCount() == 0 ? new ThrowingGroup(m_nCode) : SRGDataManager::CreateGroup();
    }

private:
    int m_nCode;
};

// g0: 1, null, 3; g1: 10, 20, 30, 40 (40 after 45); g2: two null items.
void FillStatistics(SRGDataManager& manager)
{
    manager.SetValue(0, 0, 1, 0);
    manager.SetValue(2, 0, 3, 0);
    for (int i = 0; i < 4; ++i)
        manager.SetValue(i, 1, 10.0 * (i + 1), 0);
    manager.SetValue(3, 1, 45, 0);
    manager.SetValue(3, 1, 40, 0);
    manager.GetGroup(2, 1)->GetItem(1, 1);
    manager.SetCurrentGroup(1);
}

} // namespace

TEST(DataManager, SetValueCreatesGroupsAndItems)
{
    SRGDataManager manager;
    manager.SetValue(3, 2, 1.5, 0);
    ASSERT_EQ(manager.GetGroupCount(), 3);
    EXPECT_EQ(manager.GetItemCount(0, 0), 0);
    EXPECT_EQ(manager.GetItemCount(1, 0), 0);
    ASSERT_EQ(manager.GetItemCount(2, 0), 4);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(manager.GetDataItem(i, 2)->IsNull()) << i;
    EXPECT_EQ(manager.GetValue(3, 2), 1.5);
    EXPECT_EQ(manager.GetDataItem(3, 2)->GetStyle()->m_dSize, 30.0);

    manager.GetDefaultStyle()->m_dSize = 12;
    manager.SetValue(0, 0, 2, 1);
    EXPECT_EQ(manager.GetDataItem(0, 0)->GetStyle()->m_dSize, 12.0);
    EXPECT_EQ(manager.GetMaxItemCount(), 4);

    manager.ClearData();
    EXPECT_EQ(manager.GetGroupCount(), 0);
    EXPECT_EQ(manager.GetMaxItemCount(), 0);
}

TEST(DataManager, MissingNegativeAndExcludedGroups)
{
    SRGDataManager manager;
    manager.SetValue(0, 1, 5, 0);
    EXPECT_EQ(ChartCode([&] { manager.GetGroup(-1, 1); }), 2);
    EXPECT_EQ(ChartCode([&] { manager.GetGroup(2, 0); }), 2);

    DEDizedData* pMissing = manager.GetDataItem(0, 5);
    EXPECT_TRUE(pMissing->IsKindOf(RUNTIME_CLASS(DEDizedDummyData)));
    EXPECT_EQ(manager.GetDataItem(3, 0), pMissing);  // a missing item too
    EXPECT_EQ(manager.GetDataItem(0, -4), pMissing);
    pMissing->SetValue(9);
    EXPECT_EQ(manager.GetValue(0, 5), 0.0);
    EXPECT_EQ(manager.GetGroupCount(), 2);

    manager.GetGroup(1, 0)->GetStyle()->m_nFlags |= DEDizedStyle::flagExcludedGroup;
    EXPECT_EQ(ChartCode([&] { manager.GetGroup(1, 1); }), 2);
    EXPECT_EQ(manager.GetDataItem(0, 1), pMissing);
    EXPECT_EQ(manager.GetGroupSum(1), 0.0);
    DEDizedStyle red;
    red.m_crColor = RGB(255, 0, 0);
    manager.SetStyles(-1, -1, -1, -1, red, 1);  // skips the excluded group silently
    EXPECT_EQ(ChartCode([&] { manager.GetGroup(1, 0); }), 2);  // its style was not replaced
}

TEST(DataManager, ReadingGroupsInTurnFindsEachOne)
{
    SRGDataManager manager;
    for (int g = 0; g < 3; ++g)
        manager.SetGroupAnnotation(g, std::to_string(g).c_str(), 0);
    manager.ResetCursor();
    for (int g : {0, 1, 2, 1, 0, 2, 0})
        EXPECT_EQ(manager.GetGroupAnnotation(g, 1), std::to_string(g).c_str()) << g;
}

TEST(DataManager, Statistics)
{
    SRGDataManager manager;
    FillStatistics(manager);
    struct Case {
        const char* what;
        std::function<double()> f;
        double dExpected;
    } cases[] = {
        {"sum of the current group", [&] { return manager.GetGroupSum(-1); }, 100},
        {"sum skips null items", [&] { return manager.GetGroupSum(0); }, 4},
        {"sum of a group past the count", [&] { return manager.GetGroupSum(5); }, 0},
        {"mean skips null items", [&] { return manager.GetGroupMean(0); }, 2},
        {"mean of only null items", [&] { return manager.GetGroupMean(2); }, 0},
        {"mean of a missing group", [&] { return manager.GetGroupMean(9); }, 0},
        {"range mean, last item clamped", [&] { return manager.GetRangeMean(1, 99, 1); }, 30},
        {"range mean, first item past the items", [&] { return manager.GetRangeMean(4, 9, 1); }, 0},
        {"range mean of only null items", [&] { return manager.GetRangeMean(0, 1, 2); }, 0},
        {"sum across, both bounds 0: every group", [&] { return manager.GetItemSumAcross(0, 0, 0); }, 11},
        {"sum across two groups", [&] { return manager.GetItemSumAcross(2, 0, 1); }, 33},
        {"sum across, last group clamped", [&] { return manager.GetItemSumAcross(1, 1, 9); }, 20},
        {"sum across from past the groups", [&] { return manager.GetItemSumAcross(0, 5, 9); }, 0},
        {"range sum, clamped", [&] { return manager.GetRangeSum(0, 1, 9, 2); }, 53},
        {"range sum skips a group shorter than the first item", [&] { return manager.GetRangeSum(0, 3, 1, 99); }, 40},
        {"range sum from past the groups", [&] { return manager.GetRangeSum(3, 0, 9, 9); }, 0},
        {"grand total", [&] { return manager.GetGrandTotal(); }, 104},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.f(), c.dExpected) << c.what;
    EXPECT_EQ(ChartCode([&] { manager.GetItemSumAcross(4, 0, 0); }), 3);

    CScale range;
    manager.GetDataRange(range, 0);  // null items count with their value 0
    EXPECT_EQ(range.m_dMaximum, 40.0);
    EXPECT_EQ(range.m_dMinimum, 0.0);
    manager.GetDataRange(range, 1);  // the item's own range keeps the 45 stored before
    EXPECT_EQ(range.m_dMaximum, 45.0);
}

TEST(DataManager, SetStylesOverRanges)
{
    SRGDataManager manager;
    manager.SetValue(2, 0, 1, 0);
    manager.SetValue(0, 1, 1, 0);
    DEDizedStyle marked;
    marked.m_nExtra = 5;
    manager.SetStyles(-1, -1, -1, -1, marked, 1);  // everything, groups included
    for (int g = 0; g < 2; ++g) {
        EXPECT_EQ(manager.GetGroup(g, 0)->GetStyle()->m_nExtra, 5);
        for (int i = 0; i < manager.GetItemCount(g, 0); ++i)
            EXPECT_EQ(manager.GetDataItem(i, g)->GetStyle()->m_nExtra, 5) << g << " " << i;
    }

    DEDizedStyle other;
    other.m_nExtra = 7;
    manager.SetStyles(0, 9, 1, 9, other, 0);  // last group and items clamped, group styles kept
    EXPECT_EQ(manager.GetGroup(0, 0)->GetStyle()->m_nExtra, 5);
    EXPECT_EQ(manager.GetDataItem(0, 0)->GetStyle()->m_nExtra, 5);
    EXPECT_EQ(manager.GetDataItem(1, 0)->GetStyle()->m_nExtra, 7);
    EXPECT_EQ(manager.GetDataItem(2, 0)->GetStyle()->m_nExtra, 7);
    EXPECT_EQ(manager.GetDataItem(0, 1)->GetStyle()->m_nExtra, 5);
}

TEST(DataManager, CatchersDeleteWhatTheyCatchOnce)
{
    {
        ThrowingManager manager(3);
        manager.GetGroup(0, 1);
        EXPECT_TRUE(manager.GetDataItem(0, 0)->IsKindOf(RUNTIME_CLASS(DEDizedDummyData)));
        EXPECT_EQ(CountedChartException::s_nAlive, 0);
    }
    {
        // another code passes through the read as the same exception
        ThrowingManager manager(6);
        manager.GetGroup(0, 1);
        try {
            manager.GetDataItem(0, 0);
            ADD_FAILURE() << "nothing thrown";
        } catch (DEDizedException* e) {
            EXPECT_EQ(e->m_nCode, 6);
            EXPECT_EQ(CountedChartException::s_nAlive, 1);
            e->Delete();
        }
        EXPECT_EQ(CountedChartException::s_nAlive, 0);

        // SetStyles reports it and goes on with the next group
        CFakeServices fake;
        fake.ExpectMessageBox(IDOK, ResourceText(IDS_CHART_ERR_NO_SERIES_STORAGE));
        manager.SetValue(0, 1, 1, 0);
        DEDizedStyle marked;
        marked.m_nExtra = 3;
        manager.SetStyles(-1, -1, -1, -1, marked, 0);
        EXPECT_EQ(manager.GetDataItem(0, 1)->GetStyle()->m_nExtra, 3);
        EXPECT_EQ(CountedChartException::s_nAlive, 0);
        EXPECT_EQ(fake.CallsOf("MessageBox").at(0).nType & MB_ICONMASK, UINT(MB_ICONEXCLAMATION));
    }
}

TEST(DataManager, Annotations)
{
    SRGDataManager manager;
    manager.SetChartAnnotation("chart", 1);
    manager.SetChartAnnotation("subtitle", 2);
    manager.SetItemAnnotation(1, 0, "item");
    manager.GetDataItem(1, 0)->AddAnnotation(2, "kept");
    manager.SetItemAnnotation(1, 0, "item again");
    manager.SetGroupAnnotation(0, "group", 0);
    manager.GetGroup(0, 0)->SetAnnotation(2, "dropped");
    manager.SetGroupAnnotation(0, "group again", 1);

    EXPECT_EQ(manager.GetChartAnnotation(1), "chart");
    EXPECT_EQ(manager.GetChartAnnotation(2), "subtitle");
    EXPECT_EQ(manager.GetChartAnnotation(3), "");
    EXPECT_EQ(manager.GetItemAnnotation(0, 1, 1), "item again");
    EXPECT_EQ(manager.GetItemAnnotation(0, 1, 2), "kept");
    EXPECT_EQ(manager.GetGroupAnnotation(0, 1), "group again");
    EXPECT_EQ(manager.GetGroupAnnotation(0, 2), "");
    EXPECT_EQ(manager.GetItemAnnotation(0, 7, 1), "");
    EXPECT_EQ(manager.GetItemAnnotation(3, 0, 1), "");
    EXPECT_EQ(manager.GetGroupAnnotation(3, 1), "");
    EXPECT_TRUE(manager.GetDataItem(0, 0)->IsNull());  // annotating created item 0 without a value
}

TEST(DynamicDataManager, SeriesOfTheGroups)
{
    SRGDynamicDataManager manager;
    manager.SetValue(0, 0, 1, 0);  // an ordinary group
    CScale range;
    EXPECT_EQ(ChartCode([&] { manager.GetDataRange(range, 0); }), 1);
    EXPECT_EQ(ChartCode([&] { manager.AppendSeriesValue(0, 0, 1); }), 6);
    EXPECT_EQ(ChartCode([&] { manager.AppendSeriesInt(0, 3, 1); }), 2);

    manager.ClearData();
    DEDizedDynamicData* pSeries = MakeDynamic(*manager.GetGroup(0, 1), 4, true);
    pSeries->SetGrowBy(0);
    manager.AppendSeriesValue(99, 0, 2.5);  // the item index is ignored
    manager.AppendSeriesValue(-7, 0, -1);
    manager.SetItemAnnotation(42, 0, "series");
    EXPECT_EQ(pSeries->GetAnnotation(1), "series");
    EXPECT_EQ(ChartCode([&] { manager.AppendSeriesInt(5, 0, 1); }), 15);

    pSeries->SetReadPosition(1);
    EXPECT_EQ(manager.GetSeriesSum(0), 1.5);
    manager.SetCurrentGroup(0);
    EXPECT_EQ(manager.GetSeriesSum(-1), 1.5);
    EXPECT_EQ(manager.GetSeriesSum(4), 0.0);

    pSeries->SetWritePosition(0);
    manager.AppendSeriesValue(0, 0, 6);  // cell 0's range now spans 2.5..6
    manager.GetDataRange(range, 0);      // the values, the cells not yet written holding 0
    EXPECT_EQ(range.m_dMaximum, 6.0);
    EXPECT_EQ(range.m_dMinimum, -1.0);
    manager.GetDataRange(range, 1);
    EXPECT_EQ(range.m_dMaximum, 6.0);
    EXPECT_EQ(range.m_dMinimum, -1.0);
    pSeries->ShiftValue(0, 1);  // the first cell goes with its range
    manager.GetDataRange(range, 1);
    EXPECT_EQ(range.m_dMaximum, 0.0);

    SRGDynamicDataManager bytes;
    DEDizedDynamicData* pByteSeries = MakeDynamic(*bytes.GetGroup(0, 1), 2);
    // past the series the write goes to the shared placeholder, whose style stays as it was
    bytes.GetDefaultStyle()->m_dSize = 3;
    bytes.SetValue(5, 0, 1, 1);
    EXPECT_EQ(DEDizedDummyData::GetShared()->GetStyle()->m_dSize, 30.0);
    bytes.AppendSeriesByte(3, 0, 200);
    EXPECT_EQ(pByteSeries->GetStorageType(), int(DEDizedDynamicData::storageByte));
    EXPECT_EQ(bytes.GetSeriesSum(0), 200.0);
}
