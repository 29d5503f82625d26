// Groups: the cursor walk that reaches an item, creation on demand, putting items in, shifting
// values, and dynamic groups that hold one series.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <vector>

#include "chart/engine/DEDizedDataList.h"
#include "chart/engine/DEDizedDynamicData.h"

#include "chart_test_support.h"

namespace {

// The items of the group from the head, as pointers.
std::vector<DEDizedData*> Items(const DEDizedDataList& group)
{
    std::vector<DEDizedData*> items;
    for (POSITION pos = group.GetHeadPosition(); pos != nullptr;)
        items.push_back(static_cast<DEDizedData*>(group.GetNext(pos)));
    return items;
}

// An item that tells when it is deleted.
class WatchedItem : public DEDizedData {
public:
    explicit WatchedItem(bool* pbDeleted) : m_pbDeleted(pbDeleted) {}
    ~WatchedItem() override { *m_pbDeleted = true; }

private:
    bool* m_pbDeleted;
};

} // namespace

TEST(ListWalk, StartsFromTheNearestOfCursorHeadAndTail)
{
    typedef ChartListWalk W;
    struct Case {
        int nCount, nCursor, nIndex;
        W::From from;
        bool bForward;
        int nSteps;
    } cases[] = {
        {10, 4, 4, W::fromCursor, true, 0},
        {10, 4, 5, W::fromCursor, true, 1},    // neighbours: one step from the cursor
        {10, 4, 3, W::fromCursor, false, 1},
        {10, 0, 9, W::fromTail, false, 0},
        // after the cursor: from the tail only when index - cursor >= count - cursor - 1
        {10, 2, 8, W::fromCursor, true, 6},
        {10, 2, 9, W::fromTail, false, 0},
        {3, 0, 2, W::fromTail, false, 0},
        // before the cursor: from the head when cursor - index >= index
        {10, 8, 2, W::fromHead, true, 2},
        {10, 6, 3, W::fromHead, true, 3},
        {10, 8, 5, W::fromCursor, false, 3},
    };
    for (const Case& c : cases) {
        const ChartListWalk walk = PlanChartListWalk(c.nCount, c.nCursor, c.nIndex);
        EXPECT_EQ(walk.from, c.from) << c.nCount << " " << c.nCursor << " -> " << c.nIndex;
        EXPECT_EQ(walk.nSteps, c.nSteps) << c.nCount << " " << c.nCursor << " -> " << c.nIndex;
        if (c.nSteps > 0) {
            EXPECT_EQ(walk.bForward, c.bForward) << c.nCount << " " << c.nCursor << " -> " << c.nIndex;
        }
    }
}

TEST(Group, GetItemCreatesOnDemandAndWalksToTheRightItem)
{
    DEDizedDataList group;
    EXPECT_EQ(ChartCode([&] { group.GetItem(0, 0); }), 3);
    group.GetItem(7, 1);
    ASSERT_EQ(group.GetCount(), 8);
    for (DEDizedData* pItem : Items(group))
        EXPECT_TRUE(pItem->IsNull());
    EXPECT_EQ(ChartCode([&] { group.GetItem(8, 0); }), 3);
    EXPECT_EQ(ChartCode([&] { group.GetItem(-1, 1); }), 3);

    for (int i = 0; i < 8; ++i)
        group.GetItem(i, 0)->SetValue(i * 10);
    for (int i : {0, 7, 4, 3, 5, 1, 6, 2, 2, 0})
        EXPECT_EQ(group.GetItem(i, 0)->GetValue(), i * 10.0) << "item " << i;
}

TEST(Group, SetItemAtHeadTailInPlaceAndPastTheEnd)
{
    DEDizedDataList group;
    group.GetItem(1, 1);
    const std::vector<DEDizedData*> first = Items(group);

    DEDizedData* pHead = new DEDizedData;
    DEDizedData* pTail = new DEDizedData;
    group.SetItem(pHead, -2);
    group.SetItem(pTail, -1);
    EXPECT_EQ(Items(group), (std::vector<DEDizedData*>{pHead, first[0], first[1], pTail}));
    EXPECT_EQ(group.GetItem(1, 0), first[0]);  // the cursor moved with the insertion at the head

    bool bDeleted = false;
    group.SetItem(new WatchedItem(&bDeleted), 2);
    DEDizedData* pReplacement = new DEDizedData;
    group.SetItem(pReplacement, 2);
    EXPECT_TRUE(bDeleted);
    EXPECT_EQ(group.GetItem(2, 0), pReplacement);

    DEDizedData* pFar = new DEDizedData;
    group.SetItem(pFar, 6);
    ASSERT_EQ(group.GetCount(), 7);
    EXPECT_EQ(group.GetItem(6, 0), pFar);
    EXPECT_TRUE(group.GetItem(5, 0)->IsNull());

    DEDizedData item;
    EXPECT_EQ(ChartCode([&] { group.SetItem(&item, -3); }), 3);
}

TEST(Group, ShiftValuesMovesTheEndItem)
{
    DEDizedDataList group;
    group.ShiftValues(5, 1);  // an empty group is left alone
    EXPECT_EQ(group.GetCount(), 0);

    group.GetItem(0, 1);
    group.ShiftValues(5, 1);  // one item simply takes the value
    EXPECT_EQ(group.GetItem(0, 0)->GetValue(), 5.0);

    group.GetItem(2, 1);
    const std::vector<DEDizedData*> items = Items(group);
    group.GetItem(2, 0);  // the cursor on the node that moves
    group.ShiftValues(9, 1);
    EXPECT_EQ(Items(group), (std::vector<DEDizedData*>{items[2], items[0], items[1]}));
    EXPECT_EQ(items[2]->GetValue(), 9.0);
    EXPECT_EQ(group.GetItem(1, 0), items[0]);

    group.ShiftValues(7, 0);
    EXPECT_EQ(Items(group), items);
    EXPECT_EQ(items[2]->GetValue(), 7.0);
    EXPECT_EQ(group.GetItem(0, 0), items[0]);
}

TEST(Group, ADynamicGroupAddressesTheValuesOfItsSeries)
{
    DEDizedDataList group;
    group.SetDynamic(1);
    EXPECT_EQ(ChartCode([&] { group.GetItem(0, 1); }), 6);
    EXPECT_EQ(ChartCode([&] { group.ShiftValues(1, 0); }), 6);
    EXPECT_EQ(group.GetCount(), 0);

    DEDizedDynamicData* pSeries = MakeDynamic(group, 3);
    pSeries->SetGrowBy(0);
    for (double d : {1.0, 2.0, 3.0})
        pSeries->SetValue(d);
    EXPECT_EQ(group.GetCount(), 3);
    EXPECT_EQ(group.GetItem(1, 0), pSeries);
    EXPECT_EQ(pSeries->GetValue(), 2.0);  // the read position was set to the index
    group.GetItem(1, 0)->SetValue(8);      // and so was the write position
    EXPECT_EQ(group.GetItem(1, 0)->GetValue(), 8.0);
    EXPECT_EQ(group.GetItem(4, 0), DEDizedDummyData::GetShared());

    group.ShiftValues(0, 1);  // at the front of the series
    EXPECT_EQ(group.GetItem(0, 0)->GetValue(), 0.0);
    EXPECT_EQ(pSeries->GetValue(), 1.0);
}
