// Cell ranges and range lists: normalising, set operations, renumbering on row and column changes,
// merged intervals, copying and the stored forms.
#include "wine_gtest.h"

#include "grid/engine/GXRange.h"

#include "Throws.h"
#include "archive_helpers.h"

namespace {

CGXCellRange Rows(ROWCOL a, ROWCOL b)
{
    return CGXCellRange().SetRows(a, b);
}
CGXCellRange Cols(ROWCOL a, ROWCOL b)
{
    return CGXCellRange().SetCols(a, b);
}
CGXCellRange Table()
{
    return CGXCellRange().SetTable();
}

void ExpectRange(const CGXCellRange& r, LONG kind, ROWCOL top, ROWCOL left, ROWCOL bottom, ROWCOL right)
{
    EXPECT_EQ(r.rtType, kind);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.bottom, bottom);
    EXPECT_EQ(r.right, right);
}

// The ranges of a list, head first.
std::vector<CGXCellRange> Ranges(const CGXRangeList& list)
{
    std::vector<CGXCellRange> v;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr; list.GetNext(pos))
        v.push_back(*list.GetRangeAt(pos));
    return v;
}

}  // namespace

TEST(CellRange, ConstructionNormalisesCorners)
{
    CGXCellRange r;
    EXPECT_FALSE(r.IsValid());
    r.SetCells(5, 7, 2, 3);
    EXPECT_TRUE(r.IsValid());
    ExpectRange(r, CGXCellRange::rtCells, 2, 3, 5, 7);
    ExpectRange(Rows(9, 4), CGXCellRange::rtRows, 4, 0, 9, 0);
    ExpectRange(Cols(9, 4), CGXCellRange::rtCols, 0, 4, 0, 9);
    EXPECT_FALSE(CGXCellRange(static_cast<const CGXCellRange*>(nullptr)).IsValid());
}

TEST(CellRange, IntersectionByKinds)
{
    struct Case {
        const char* name;
        CGXCellRange a, b;
        BOOL valid;
        LONG kind;
        ROWCOL top, left, bottom, right;
    } cases[] = {
        {"rows with columns", Rows(2, 4), Cols(3, 5), TRUE, CGXCellRange::rtCells, 2, 3, 4, 5},
        {"columns with rows", Cols(3, 5), Rows(2, 4), TRUE, CGXCellRange::rtCells, 2, 3, 4, 5},
        {"overlapping cells", CGXCellRange(1, 1, 4, 4), CGXCellRange(3, 2, 6, 3), TRUE, CGXCellRange::rtCells, 3, 2, 4, 3},
        {"rows with cells", Rows(2, 6), CGXCellRange(4, 1, 8, 3), TRUE, CGXCellRange::rtCells, 4, 1, 6, 3},
        {"columns with columns", Cols(2, 6), Cols(5, 9), TRUE, CGXCellRange::rtCols, 0, 5, 0, 6},
        {"table with cells", Table(), CGXCellRange(3, 4, 5, 6), TRUE, CGXCellRange::rtCells, 3, 4, 5, 6},
        {"disjoint cells", CGXCellRange(1, 1, 2, 2), CGXCellRange(5, 5, 6, 6), FALSE, -1, 0, 0, 0, 0},
        {"cells side by side", CGXCellRange(1, 1, 9, 2), CGXCellRange(1, 3, 9, 4), FALSE, -1, 0, 0, 0, 0},
        {"disjoint rows", Rows(1, 2), Rows(4, 5), FALSE, -1, 0, 0, 0, 0},
        {"disjoint columns", Cols(1, 2), CGXCellRange(1, 4, 3, 5), FALSE, -1, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CGXCellRange r;
        EXPECT_EQ(r.IntersectRange(c.a, c.b), c.valid);
        EXPECT_EQ(r.IsValid(), c.valid);
        if (c.valid)
            ExpectRange(r, c.kind, c.top, c.left, c.bottom, c.right);
    }
}

TEST(CellRange, IntersectionMayOverwriteAnOperand)
{
    CGXCellRange r(1, 1, 4, 4);
    r.IntersectRange(r, CGXCellRange(3, 3, 9, 9));
    ExpectRange(r, CGXCellRange::rtCells, 3, 3, 4, 4);
}

TEST(CellRange, UnionByKinds)
{
    CGXCellRange r;
    r.UnionRange(Rows(2, 3), Cols(4, 5));
    EXPECT_TRUE(r.IsTable());
    r.UnionRange(Cols(4, 5), CGXCellRange(1, 2, 3, 9));
    ExpectRange(r, CGXCellRange::rtCols, 0, 2, 0, 9);
    r.UnionRange(Rows(6, 8), CGXCellRange(1, 2, 3, 9));
    ExpectRange(r, CGXCellRange::rtRows, 1, 0, 8, 0);
    r.UnionRange(CGXCellRange(5, 5, 6, 6), CGXCellRange(1, 7, 2, 8));
    ExpectRange(r, CGXCellRange::rtCells, 1, 5, 6, 8);
    EXPECT_TRUE(r.IsValid());
}

TEST(CellRange, CellMembershipAndExpansion)
{
    EXPECT_TRUE(Rows(2, 3).IsCellInRange(3, 1000));
    EXPECT_FALSE(Rows(2, 3).IsCellInRange(4, 1));
    EXPECT_TRUE(Cols(2, 3).IsCellInRange(1000, 2));
    EXPECT_TRUE(Table().IsCellInRange(7, 7));
    EXPECT_FALSE(CGXCellRange().IsCellInRange(0, 0));  // not valid
    ExpectRange(Rows(2, 3).ExpandToCells(1, 1, 20, 10), CGXCellRange::rtCells, 2, 1, 3, 10);
    ExpectRange(Table().ExpandToCells(1, 1, 20, 10), CGXCellRange::rtCells, 1, 1, 20, 10);
}

TEST(RangeList, RemoveRowsShrinksMovesOrInvalidates)
{
    struct Case {
        CGXCellRange before;
        BOOL valid;
        ROWCOL top, bottom;
    } cases[] = {
        {CGXCellRange(3, 1, 5, 2), FALSE, 0, 0},
        {CGXCellRange(2, 1, 8, 2), TRUE, 2, 5},
        {CGXCellRange(6, 1, 9, 2), TRUE, 3, 6},
        {CGXCellRange(4, 1, 7, 2), TRUE, 3, 4},
        {CGXCellRange(1, 1, 2, 2), TRUE, 1, 2},
        {Rows(5, 12), TRUE, 3, 7},  // bottom limited to 7
    };
    for (const Case& c : cases) {
        CGXRangeList list;
        list.AddRange(c.before);
        list.RemoveRows(3, 5, 7);
        const CGXCellRange& r = *list.GetRangeAt(list.GetHeadPosition());
        SCOPED_TRACE(testing::Message() << c.before.top << ".." << c.before.bottom);
        EXPECT_EQ(r.IsValid(), c.valid);
        if (c.valid) {
            EXPECT_EQ(r.top, c.top);
            EXPECT_EQ(r.bottom, c.bottom);
        }
    }
}

TEST(RangeList, RowOperationsLeaveWholeColumnsAlone)
{
    // a columns range has no rows of its own: removing the header row must not invalidate it
    CGXRangeList list;
    list.AddRange(Cols(2, 4));
    list.RemoveRows(0, 3, 100);
    list.InsertRows(0, 5);
    ExpectRange(*list.GetRangeAt(list.GetHeadPosition()), CGXCellRange::rtCols, 0, 2, 0, 4);
    EXPECT_TRUE(list.GetRangeAt(list.GetHeadPosition())->IsValid());
}

TEST(RangeList, InsertAndMoveRenumberByTheTopRow)
{
    CGXRangeList list;
    list.AddRange(CGXCellRange(2, 1, 4, 1));
    list.AddRange(CGXCellRange(5, 1, 5, 1));
    list.InsertRows(3, 2);  // 2..4 -> 2..6, 5 -> 7
    std::vector<CGXCellRange> v = Ranges(list);
    EXPECT_EQ(v[0].top, 2u);
    EXPECT_EQ(v[0].bottom, 6u);
    EXPECT_EQ(v[1].top, 7u);

    struct Case {
        ROWCOL from, to, dest, top, expectedTop;
    } cases[] = {
        {2, 3, 6, 2, 6}, {2, 3, 6, 3, 7}, {2, 3, 6, 4, 2}, {2, 3, 6, 7, 5}, {2, 3, 6, 8, 8}, {2, 3, 6, 1, 1},
        {5, 6, 2, 5, 2}, {5, 6, 2, 6, 3}, {5, 6, 2, 2, 4}, {5, 6, 2, 4, 6}, {5, 6, 2, 7, 7}, {5, 6, 2, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << ".." << c.to << " to " << c.dest << ", top " << c.top);
        CGXRangeList moved;
        moved.AddRange(CGXCellRange(c.top, 1, c.top + 1, 1));
        moved.MoveRows(c.from, c.to, c.dest, 100);
        const CGXCellRange& r = *moved.GetRangeAt(moved.GetHeadPosition());
        EXPECT_EQ(r.top, c.expectedTop);
        EXPECT_EQ(r.bottom, c.expectedTop + 1);  // the bottom moves with the top
    }
}

TEST(RangeList, ColumnTwinsUseTheColumns)
{
    CGXRangeList list;
    list.AddRange(CGXCellRange(1, 6, 1, 9));
    list.AddRange(Rows(1, 2));
    list.RemoveCols(3, 5, 100);
    std::vector<CGXCellRange> v = Ranges(list);
    EXPECT_EQ(v[0].left, 3u);
    EXPECT_EQ(v[0].right, 6u);
    EXPECT_EQ(v[0].top, 1u);
    ExpectRange(v[1], CGXCellRange::rtRows, 1, 0, 2, 0);
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { list.RemoveCols(5, 3, 100); }));
}

TEST(RangeList, ColumnArrayMergesSortsAndJoins)
{
    CGXRangeList list;
    list.AddRange(CGXCellRange(1, 10, 1, 12));
    list.AddRange(CGXCellRange(1, 4, 1, 6));
    list.AddRange(CGXCellRange(1, 1, 1, 3));
    list.AddRange(CGXCellRange(1, 11, 1, 11));
    CDWordArray starts, ends;
    ASSERT_TRUE(list.GetColArray(100, starts, ends, FALSE));
    ASSERT_EQ(starts.GetSize(), 2);
    EXPECT_EQ(starts[0], 1u);
    EXPECT_EQ(ends[0], 6u);
    EXPECT_EQ(starts[1], 10u);
    EXPECT_EQ(ends[1], 12u);

    // only whole columns; a rows range reaches over every column
    EXPECT_FALSE(list.GetColArray(100, starts, ends, TRUE));
    EXPECT_EQ(starts.GetSize(), 0);
    list.AddRange(Rows(3, 4));
    ASSERT_TRUE(list.GetColArray(100, starts, ends, FALSE));
    ASSERT_EQ(starts.GetSize(), 1);
    EXPECT_EQ(starts[0], 0u);
    EXPECT_EQ(ends[0], 100u);
}

TEST(RangeList, IntervalsReachingTheLastNumberStillJoin)
{
    CGXRangeList list;
    list.AddRange(CGXCellRange(0xFFFFFFF0u, 1, 0xFFFFFFFFu, 1));
    list.AddRange(CGXCellRange(5, 1, 0xFFFFFFEFu, 1));
    CDWordArray starts, ends;
    ASSERT_TRUE(list.GetRowArray(0xFFFFFFFFu, starts, ends, FALSE));
    ASSERT_EQ(starts.GetSize(), 1);
    EXPECT_EQ(starts[0], 5u);
    EXPECT_EQ(ends[0], 0xFFFFFFFFu);
}

TEST(RangeList, QueriesSkipAndFindTheFirst)
{
    CGXRangeList list;
    const POSITION first = list.AddRange(CGXCellRange(1, 1, 5, 5));
    const POSITION second = list.AddRange(CGXCellRange(3, 3, 4, 4));
    EXPECT_EQ(list.FindRange(3, 3), first);
    EXPECT_EQ(list.FindRange(9, 9), nullptr);
    EXPECT_TRUE(list.IsCellInList(3, 3, first));
    EXPECT_FALSE(list.IsCellInList(2, 2, first));
    EXPECT_TRUE(list.IsCellInList(2, 2, second));
    EXPECT_TRUE(list.IsRowInList(5));
    EXPECT_FALSE(list.IsRowInList(6));
    list.AddRange(Cols(9, 9));
    EXPECT_TRUE(list.IsRowInList(600));
    EXPECT_FALSE(list.IsColInList(600));
    EXPECT_TRUE(list.IsColInList(9));
    EXPECT_TRUE(list.IsColInList(5));
    EXPECT_FALSE(list.IsColInList(7));
    list.AddRange(Rows(2, 2));
    EXPECT_TRUE(list.IsColInList(600));
}

TEST(RangeList, CopyKeepsValidRangesInReverseOrder)
{
    CGXRangeList source;
    source.AddRange(CGXCellRange(1, 1, 1, 1));
    source.AddRange(CGXCellRange(2, 2, 2, 2));
    CGXCellRange invalid(9, 9, 9, 9);
    invalid.m_bValid = FALSE;
    source.AddRange(invalid);
    source.AddRange(CGXCellRange(3, 3, 3, 3));
    CGXRangeList copy;
    copy.AddRange(Table());
    copy = source;
    copy = copy;
    std::vector<CGXCellRange> v = Ranges(copy);
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[0].top, 3u);
    EXPECT_EQ(v[1].top, 2u);
    EXPECT_EQ(v[2].top, 1u);
}

TEST(RangeArchive, RangeIsEighteenBytes)
{
    CGXCellRange r = Rows(0x01020304, 0x0A0B0C0D);
    const Bytes bytes = StoreBytes([&](CArchive& ar) { r.WriteRangeToArchive(ar); });
    const Bytes expected = {0x04, 0x03, 0x02, 0x01, 0, 0, 0, 0, 0x0D, 0x0C, 0x0B, 0x0A, 0, 0, 0, 0, 1, 1};
    EXPECT_EQ(bytes, expected);
    CGXCellRange back;
    LoadBytes(bytes, [&](CArchive& ar) { back.ReadRangeFromArchive(ar); });
    ExpectRange(back, CGXCellRange::rtRows, 0x01020304, 0, 0x0A0B0C0D, 0);
    EXPECT_TRUE(back.IsValid());
}

TEST(RangeArchive, ListDropsInvalidRangesAndRoundTrips)
{
    CGXRangeList list;
    list.AddRange(CGXCellRange(1, 2, 3, 4));
    CGXCellRange invalid(5, 5, 5, 5);
    invalid.m_bValid = FALSE;
    list.AddRange(invalid);
    list.AddRange(Cols(7, 8));
    const Bytes bytes = StoreBytes([&](CArchive& ar) { list.Serialize(ar); });
    ASSERT_EQ(bytes.size(), 2u + 4 + 2 * 18);
    EXPECT_EQ(bytes[0], 1);  // schema word 1
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(bytes[2], 2);  // dword count 2
    EXPECT_EQ(list.GetCount(), 2);

    CGXRangeList back;
    back.AddRange(Table());  // loading appends
    LoadBytes(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    std::vector<CGXCellRange> v = Ranges(back);
    ASSERT_EQ(v.size(), 3u);
    EXPECT_TRUE(v[0].IsTable());
    ExpectRange(v[1], CGXCellRange::rtCells, 1, 2, 3, 4);
    ExpectRange(v[2], CGXCellRange::rtCols, 0, 7, 0, 8);
}

TEST(RangeArchive, BadSchemaAndImpossibleCountsAreRefused)
{
    Bytes schema2;
    PutWord(schema2, 2);
    PutDword(schema2, 0);
    CGXRangeList list;
    EXPECT_EQ(ArchiveCause([&] { LoadBytes(schema2, [&](CArchive& ar) { list.Serialize(ar); }); }),
              CArchiveException::badSchema);

    // a count far beyond the data is refused before any range is made
    Bytes huge;
    PutWord(huge, 1);
    PutDword(huge, 0x7FFFFFFF);
    EXPECT_EQ(ArchiveCause([&] { LoadBytes(huge, [&](CArchive& ar) { list.Serialize(ar); }); }),
              CArchiveException::endOfFile);
    EXPECT_EQ(list.GetCount(), 0);
}
