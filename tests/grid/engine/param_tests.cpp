// The parameter object: defaults, ownership of the shared objects, the command lists and deep copies.
#include "wine_gtest.h"

#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXStylesMap.h"

#include "grid_test_support.h"

static int g_liveCountedData = 0;

// Cell data that counts its live objects, to see which the parameter object deletes.
class CountedData : public CGXData {
    DECLARE_SERIAL(CountedData)
public:
    CountedData() { ++g_liveCountedData; }
    ~CountedData() override { --g_liveCountedData; }
};

namespace {

int g_liveCommands = 0;

class CountedCommand : public CObject {
public:
    CountedCommand() { ++g_liveCommands; }
    ~CountedCommand() override { --g_liveCommands; }
};

}  // namespace

IMPLEMENT_SERIAL(CountedData, CGXData, 0)

TEST(GridParam, Defaults)
{
    CGXGridParam param;
    EXPECT_EQ(param.GetDefaultRowHeight(), 1200);
    EXPECT_EQ(param.GetDefaultColWidth(), 10000);
    LONG n = 0;
    EXPECT_TRUE(param.GetRowHeights().Lookup(0, n));
    EXPECT_EQ(n, 1400);
    EXPECT_TRUE(param.GetColWidths().Lookup(0, n));
    EXPECT_EQ(n, 6000);
    EXPECT_EQ(param.GetRowHeights().GetCount(), 1);
    EXPECT_EQ(param.GetSelectModeFlags(), 255);
    EXPECT_EQ(param.GetRowSizingFlags(), 178);
    EXPECT_EQ(param.GetColSizingFlags(), 178);
    EXPECT_EQ(param.GetSelectionFlags(), 0);
    EXPECT_TRUE(param.IsEnableUndo());
    EXPECT_TRUE(param.GetReadOnlyGuard());
    EXPECT_TRUE(param.GetImmediateUpdate());
    EXPECT_EQ(param.GetCurrentRow(), 1u);
    EXPECT_EQ(param.GetCurrentCol(), 1u);
    EXPECT_EQ(param.GetHeaderRows(), 0u);
    EXPECT_EQ(param.GetData(), nullptr);
    EXPECT_EQ(param.GetStylesMap(), nullptr);
    EXPECT_EQ(param.GetProperties(), nullptr);
    EXPECT_EQ(param.GetAppData(), GXGetLibraryState());

    // 178 = 0b10110010
    EXPECT_TRUE(param.TestRowSizingFlags(0x02));
    EXPECT_FALSE(param.TestRowSizingFlags(0x01 | 0x04 | 0x08));
    EXPECT_FALSE(param.TestSelectionFlags(0xFFFF));
    param.EnableUndo(FALSE);
    EXPECT_FALSE(param.IsEnableUndo());
}

TEST(GridParam, SetDataDeletesThePreviousOnlyWhenItWasOwned)
{
    struct Case {
        BOOL bOwnFirst;
        bool bSameAgain;
        int liveAfter;  // counted data objects alive after the second SetData
    } cases[] = {
        {TRUE, false, 1},   // owned: deleted, the new one lives
        {FALSE, false, 2},  // borrowed: both live
        {TRUE, true, 1},    // the same object given again is not deleted
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "own " << c.bOwnFirst << " same " << c.bSameAgain);
        ASSERT_EQ(g_liveCountedData, 0);
        CountedData* pFirst = new CountedData;
        CountedData* pSecond = c.bSameAgain ? pFirst : new CountedData;
        {
            CGXGridParam param;
            param.SetData(pFirst, c.bOwnFirst);
            param.SetData(pSecond, TRUE);
            EXPECT_EQ(g_liveCountedData, c.liveAfter);
            EXPECT_EQ(param.GetData(), pSecond);
            EXPECT_TRUE(param.GetOwnData());
        }
        if (!c.bOwnFirst)
            delete pFirst;
        EXPECT_EQ(g_liveCountedData, 0);
    }
}

TEST(GridParam, CommandListsOwnTheirCommands)
{
    {
        CGXGridParam param;
        param.GetUndoList().AddTail(new CountedCommand);
        param.GetRedoList().AddTail(new CountedCommand);
        param.GetRedoList().AddTail(new CountedCommand);
        param.EmptyRedoList();
        EXPECT_EQ(g_liveCommands, 1);
        EXPECT_TRUE(param.GetRedoList().IsEmpty());
    }
    EXPECT_EQ(g_liveCommands, 0);
}

TEST(GridParam, CopiesOwnWhatTheyMake)
{
    InstallGridModules();
    CGXGridParam source;
    source.SetData(new CountedData, TRUE);
    CGXStyle value;
    value.SetValue("cell");
    source.GetData()->StoreCellStyle(2, 3, &value, CGXStyle::gxOverride, CGXData::gxCellStyle);
    CGXStylesMap map;  // borrowed by the source
    map.CreateStandardStyles();
    source.SetStylesMap(&map, FALSE);
    source.SetProperties(new CGXProperties, TRUE);
    source.GetProperties()->SetLastZoom(150);
    source.SetTitle("Evaluations");
    source.SetSelectModeFlags(7);
    source.GetRangeList1().AddRange(CGXCellRange(1, 1, 2, 2));
    source.GetRangeList1().AddRange(CGXCellRange(4, 4, 5, 5));
    source.GetRowHeights().SetAt(3, 2500);

    {
        CGXGridParam copy;
        copy.SetData(new CountedData, TRUE);
        copy = source;
        EXPECT_EQ(g_liveCountedData, 2);  // the copy's own data was replaced by a new one of the same class
        ASSERT_NE(copy.GetData(), nullptr);
        EXPECT_NE(copy.GetData(), source.GetData());
        EXPECT_TRUE(copy.GetData()->IsKindOf(RUNTIME_CLASS(CountedData)));
        EXPECT_EQ(StoredValue(*copy.GetData(), 2, 3), "cell");
        // the source borrows its styles map; the copy owns the map it made
        ASSERT_NE(copy.GetStylesMap(), nullptr);
        EXPECT_NE(copy.GetStylesMap(), &map);
        EXPECT_TRUE(copy.GetOwnStylesMap());
        EXPECT_EQ(copy.GetStylesMap()->GetBaseStyleIdByName("Row Header"), 2);
        const CGXStyle* pCopied = nullptr;
        const CGXStyle* pOriginal = nullptr;
        ASSERT_TRUE(copy.GetStylesMap()->LookupStyle(0, pCopied));
        ASSERT_TRUE(map.LookupStyle(0, pOriginal));
        EXPECT_NE(pCopied, pOriginal);
        EXPECT_TRUE(pCopied->IsSubSet(*pOriginal) && pOriginal->IsSubSet(*pCopied));
        ASSERT_NE(copy.GetProperties(), nullptr);
        EXPECT_EQ(copy.GetProperties()->GetLastZoom(), 150);
        EXPECT_STREQ(copy.GetTitle(), "Evaluations");
        EXPECT_EQ(copy.GetSelectModeFlags(), 7);
        EXPECT_EQ(copy.GetRangeList1().GetCount(), 2);
        LONG n = 0;
        EXPECT_TRUE(copy.GetRowHeights().Lookup(3, n));
        EXPECT_EQ(n, 2500);
        copy = copy;  // nothing for itself
        EXPECT_EQ(g_liveCountedData, 2);
    }
    EXPECT_EQ(g_liveCountedData, 1);
}
