// The span-cell pool (spans in both directions, shortening, shifts and moves of rows and columns, the
// stored form and its refusals), the delayed-range pool (queueing, widening, pending columns, the
// marks of evaluated rows, shifts and the stored form) and the pools of the parameter object (loading
// and copying).
#include "wine_gtest.h"

#include "grid/engine/GXGridParam.h"
#include "grid/ops/GXOperations.h"
#include "grid/ops/GXSpanCellPool.h"

#include "archive_helpers.h"
#include "grid_test_support.h"

#include <vector>

namespace {

struct Span {
    ROWCOL top, left, bottom, right;
    bool operator==(const Span& o) const
    {
        return top == o.top && left == o.left && bottom == o.bottom && right == o.right;
    }
};

// The span of a cell as GetSpan leaves it, starting from the cell itself; none: the cell.
Span SpanOf(const CGXSpanCellPool& pool, ROWCOL nRow, ROWCOL nCol)
{
    CGXCellRange r(nRow, nCol, nRow, nCol);
    pool.GetSpan(nRow, nCol, r);
    return {r.top, r.left, r.bottom, r.right};
}

BOOL HasSpan(const CGXSpanCellPool& pool, ROWCOL nRow, ROWCOL nCol)
{
    CGXCellRange r(nRow, nCol, nRow, nCol);
    return pool.GetSpan(nRow, nCol, r);
}

// The span of every cell of rows and columns 0..7 (copies may hold empty arrays where the source
// holds none, so their stored forms differ while their spans agree).
std::vector<Span> SpansIn(const CGXSpanCellPool& pool)
{
    std::vector<Span> v;
    for (ROWCOL nRow = 0; nRow < 8; ++nRow)
        for (ROWCOL nCol = 0; nCol < 8; ++nCol)
            v.push_back(SpanOf(pool, nRow, nCol));
    return v;
}

Bytes Stored(CObject& ob)
{
    return StoreBytes([&](CArchive& ar) { ob.Serialize(ar); });
}

}  // namespace

TEST(SpanCellPool, AHorizontalSpanFillsLeftAndRightOnlyAndShortens)
{
    CGXSpanCellPool pool;
    EXPECT_TRUE(pool.SetRange(3, 2, 3, 5, TRUE));
    CGXCellRange r(7, 4, 8, 4);  // the caller's top and bottom stay
    EXPECT_TRUE(pool.GetSpan(3, 4, r));
    EXPECT_EQ(r.left, 2u);
    EXPECT_EQ(r.right, 5u);
    EXPECT_EQ(r.top, 7u);
    EXPECT_EQ(r.bottom, 8u);
    EXPECT_FALSE(HasSpan(pool, 3, 1));
    EXPECT_FALSE(HasSpan(pool, 4, 3)) << "a one-row span is not stored vertically";

    EXPECT_TRUE(pool.SetRange(3, 2, 3, 3, TRUE));
    EXPECT_EQ(SpanOf(pool, 3, 2), (Span{3, 2, 3, 3}));
    EXPECT_FALSE(HasSpan(pool, 3, 4));
    EXPECT_FALSE(HasSpan(pool, 3, 5));

    // clearing from the anchor dissolves it
    EXPECT_TRUE(pool.SetRange(3, 2, 3, 2, FALSE));
    EXPECT_FALSE(HasSpan(pool, 3, 3));
    EXPECT_FALSE(pool.SetRange(4, 4, 4, 4, TRUE)) << "a single cell is stored nowhere";
}

TEST(SpanCellPool, NegativeIndexesAreRefused)
{
    CGXSpanCellPool pool;
    pool.SetRange(1, 1, 2, 1, TRUE);
    CGXCellRange r;
    EXPECT_FALSE(pool.GetSpan(ROWCOL(-1), 1, r));
    EXPECT_FALSE(pool.GetSpan(1, ROWCOL(-3), r));
    EXPECT_FALSE(pool.SetRange(1, 1, ROWCOL(-1), 2, TRUE));
    EXPECT_FALSE(pool.InsertRows(ROWCOL(-2), 1));
    EXPECT_FALSE(pool.MoveCols(1, 1, ROWCOL(-5)));
    CGXSpanCellPool empty;
    EXPECT_FALSE(empty.InsertRows(1, 1)) << "an empty pool has nothing to shift";
}

TEST(SpanCellPool, InsertedAndRemovedRowsShiftTheSpans)
{
    CGXSpanCellPool pool;
    pool.SetRange(2, 1, 6, 1, TRUE);  // vertical, rows 2..6 of column 1
    pool.SetRange(7, 3, 9, 3, TRUE);  // vertical, rows 7..9 of column 3
    pool.SetRange(5, 4, 5, 6, TRUE);  // horizontal in row 5
    EXPECT_TRUE(pool.InsertRows(4, 2));
    EXPECT_FALSE(HasSpan(pool, 4, 1));
    EXPECT_FALSE(HasSpan(pool, 5, 1));
    EXPECT_EQ(SpanOf(pool, 3, 1), (Span{2, 1, 3, 1}));
    EXPECT_EQ(SpanOf(pool, 9, 3), (Span{9, 3, 11, 3})) << "an anchor below the insertion moves with it";
    EXPECT_EQ(SpanOf(pool, 7, 5), (Span{7, 4, 7, 6})) << "the row's own spans move with it";
    EXPECT_FALSE(HasSpan(pool, 5, 5));

    // removing the anchor row: the rest of the span starts after the gap
    EXPECT_TRUE(pool.RemoveRows(9, 9));
    EXPECT_EQ(SpanOf(pool, 9, 3), (Span{9, 3, 10, 3}));

    // 0xFFFFFFFE: to the end
    EXPECT_TRUE(pool.RemoveRows(5, GX_MAXROWCOL));
    EXPECT_EQ(SpanOf(pool, 3, 1), (Span{2, 1, 3, 1}));
    for (ROWCOL nRow : {5u, 6u, 7u, 9u})
        for (ROWCOL nCol = 1; nCol <= 6; ++nCol)
            EXPECT_FALSE(HasSpan(pool, nRow, nCol)) << nRow << "," << nCol;
}

TEST(SpanCellPool, ColumnsShiftAsRowsDo)
{
    CGXSpanCellPool pool;
    pool.SetRange(1, 2, 1, 4, TRUE);
    EXPECT_TRUE(pool.InsertCols(1, 3));
    EXPECT_EQ(SpanOf(pool, 1, 6), (Span{1, 5, 1, 7}));
    EXPECT_TRUE(pool.RemoveCols(5, 5));
    EXPECT_EQ(SpanOf(pool, 1, 5), (Span{1, 5, 1, 6}));
}

TEST(SpanCellPool, AMoveCarriesTheBlocksEntriesAlsoOfASpanAtZero)
{
    CGXSpanCellPool pool;
    pool.SetRange(3, 0, 3, 1, TRUE);  // horizontal from column 0
    pool.SetRange(0, 5, 1, 5, TRUE);  // vertical from row 0
    EXPECT_TRUE(pool.MoveCols(0, 1, 4));
    EXPECT_TRUE(HasSpan(pool, 3, 4));
    EXPECT_TRUE(HasSpan(pool, 3, 5));
    EXPECT_FALSE(HasSpan(pool, 3, 0));
    EXPECT_TRUE(HasSpan(pool, 0, 3)) << "column 5 moved left by the two columns";

    EXPECT_TRUE(pool.MoveRows(0, 1, 6));
    EXPECT_TRUE(HasSpan(pool, 6, 3));
    EXPECT_TRUE(HasSpan(pool, 7, 3));
    EXPECT_FALSE(HasSpan(pool, 0, 3));
    EXPECT_TRUE(HasSpan(pool, 1, 4)) << "row 3 moved up by the two rows";
}

TEST(SpanCellPool, TheStoredFormListsTheFilledSlotsAndReadsBack)
{
    CGXSpanCellPool pool;
    pool.SetRange(1, 0, 1, 1, TRUE);
    const Bytes bytes = Stored(pool);
    Bytes expected;
    // per-row arrays: two slots, slot 1 holds {0, 0}
    PutWord(expected, 1);
    PutDword(expected, 2);
    PutDword(expected, 1);
    PutWord(expected, 2);
    PutDword(expected, 0);
    PutDword(expected, 0);
    PutDword(expected, 0xFFFFFFFF);
    // per-column arrays: none
    PutWord(expected, 1);
    PutDword(expected, 0);
    PutDword(expected, 0xFFFFFFFF);
    EXPECT_EQ(bytes, expected);

    CGXSpanCellPool complex;
    complex.SetRange(2, 3, 5, 6, TRUE);
    complex.SetRange(8, 1, 8, 9, TRUE);
    CGXSpanCellPool back;
    back.SetRange(1, 1, 1, 2, TRUE);  // loading replaces
    LoadBytes(Stored(complex), [&](CArchive& ar) { back.Serialize(ar); });
    EXPECT_EQ(Stored(back), Stored(complex));
    EXPECT_EQ(SpanOf(back, 4, 4), (Span{2, 3, 5, 6}));
    EXPECT_FALSE(HasSpan(back, 1, 1));
}

TEST(SpanCellPool, BadStoredFormsAreRefusedKeepingNothing)
{
    struct Case {
        const char* what;
        WORD nVersion;
        DWORD nSlots;
        std::vector<DWORD> indexes;
        int nCause;
    };
    const Case cases[] = {
        {"version 2", 2, 1, {}, CArchiveException::badSchema},
        {"slot beyond the count", 1, 2, {2}, CArchiveException::badIndex},
        {"slots not ascending", 1, 4, {2, 1}, CArchiveException::badIndex},
        {"a count too large", 1, 0x7FFFFFFF, {}, CArchiveException::badIndex},
    };
    for (const Case& c : cases) {
        Bytes b;
        PutWord(b, c.nVersion);
        PutDword(b, c.nSlots);
        for (DWORD nIndex : c.indexes) {
            PutDword(b, nIndex);
            PutWord(b, 1);
            PutDword(b, 7);
        }
        PutDword(b, 0xFFFFFFFF);
        CGXDWordArrayPtrArray arrays;
        EXPECT_EQ(ArchiveCause([&] { LoadBytes(b, [&](CArchive& ar) { arrays.Serialize(ar); }); }), c.nCause)
            << c.what;
        EXPECT_EQ(arrays.GetSize(), 0) << c.what;
    }
}

TEST(SpanCellPool, CopiesAreDeep)
{
    CGXSpanCellPool pool;
    pool.SetRange(1, 1, 1, 3, TRUE);
    CGXSpanCellPool copy;
    copy.CopyFrom(pool);
    EXPECT_EQ(SpansIn(copy), SpansIn(pool));
    pool.SetRange(1, 1, 1, 1, FALSE);
    EXPECT_EQ(SpanOf(copy, 1, 2), (Span{1, 1, 1, 3}));
    EXPECT_FALSE(HasSpan(pool, 1, 2));
}

// ---- delayed-range pool ----------------------------------------------------------------------------------

namespace {

std::vector<std::pair<DWORD, DWORD>> Marks(const CGXDelayedRange& e)
{
    std::vector<std::pair<DWORD, DWORD>> v;
    for (int32_t i = 0; i < e.m_starts.GetSize(); ++i)
        v.push_back({e.m_starts[i], e.m_ends[i]});
    return v;
}

Span SpanOf(const CGXCellRange& r)
{
    return {r.top, r.left, r.bottom, r.right};
}

}  // namespace

TEST(DelayedRangePool, ARangeHoldingAPendingOneReplacesItAndAnAdjoiningOneWidensIt)
{
    CGXDelayedRangePool pool;
    pool.AddRange(CGXCellRange(2, 2, 3, 3));
    pool.AddRange(CGXCellRange(1, 1, 5, 5));
    ASSERT_EQ(pool.GetCount(), 1);
    EXPECT_EQ(SpanOf(pool.GetAt(0)->m_range), (Span{1, 1, 5, 5}));
    EXPECT_FALSE(pool.GetAt(0)->m_bDone);

    pool.AddRange(CGXCellRange(1, 6, 5, 8));  // to the right
    pool.AddRange(CGXCellRange(6, 1, 7, 8));  // below
    ASSERT_EQ(pool.GetCount(), 1);
    EXPECT_EQ(SpanOf(pool.GetAt(0)->m_range), (Span{1, 1, 7, 8}));

    pool.AddRange(CGXCellRange(20, 20, 21, 21));
    ASSERT_EQ(pool.GetCount(), 2);
    EXPECT_EQ(pool.GetAt(0)->m_range.top, 20u) << "new entries go to the head";
}

TEST(DelayedRangePool, PendingColumnsAreHandedOutOnce)
{
    CGXDelayedRangePool pool;
    pool.AddRange(CGXCellRange(1, 2, 4, 3));
    pool.AddRange(CGXCellRange(3, 6, 3, 7));
    CDWordArray first, last;
    ASSERT_TRUE(pool.GetPendingColumns(CGXCellRange(2, 1, 3, 6), first, last));
    ASSERT_EQ(first.GetSize(), 2);
    EXPECT_EQ(first[0], 2u);
    EXPECT_EQ(last[0], 3u);
    EXPECT_EQ(first[1], 2u);
    EXPECT_EQ(last[1], 6u) << "the second entry cut at the range's right column";

    // the same rows again: nothing pending, the arrays say so
    EXPECT_FALSE(pool.GetPendingColumns(CGXCellRange(2, 1, 3, 6), first, last));
    for (int32_t k = 0; k < 2; ++k) {
        EXPECT_EQ(first[k], DWORD(-1));
        EXPECT_EQ(last[k], 0u);
    }
    // what lay outside stays pending
    ASSERT_TRUE(pool.GetPendingColumns(CGXCellRange(1, 1, 4, 9), first, last));
    EXPECT_EQ(first[0], 2u);
    EXPECT_EQ(last[0], 3u);
    EXPECT_EQ(last[2], 7u) << "the column cut off before";
    EXPECT_EQ(first[3], 2u);
    EXPECT_EQ(pool.GetCount(), 0) << "entries evaluated whole are gone";
    EXPECT_FALSE(pool.GetPendingColumns(CGXCellRange(3, 3, 2, 3), first, last)) << "inverted";
}

TEST(DelayedRange, MarkingRowsJoinsExtendsAndInsertsIntervals)
{
    struct Case {
        const char* what;
        ROWCOL q, s;
        BOOL bNew;
        Span narrowed;  // of the range given (rows only)
        std::vector<std::pair<DWORD, DWORD>> marks;
    };
    // an entry of rows 1..40 with rows 10..12 and 20..22 evaluated
    const Case cases[] = {
        {"inside", 11, 12, FALSE, {11, 0, 12, 0}, {{10, 12}, {20, 22}}},
        {"before all", 2, 4, TRUE, {2, 0, 4, 0}, {{2, 4}, {10, 12}, {20, 22}}},
        {"between", 15, 16, TRUE, {15, 0, 16, 0}, {{10, 12}, {15, 16}, {20, 22}}},
        {"after all", 30, 31, TRUE, {30, 0, 31, 0}, {{10, 12}, {20, 22}, {30, 31}}},
        {"extends an end", 11, 14, TRUE, {13, 0, 14, 0}, {{10, 14}, {20, 22}}},
        {"extends a start", 7, 11, TRUE, {7, 0, 9, 0}, {{7, 12}, {20, 22}}},
        {"covers one", 9, 13, TRUE, {9, 0, 13, 0}, {{9, 13}, {20, 22}}},
        {"joins two", 12, 20, TRUE, {13, 0, 20, 0}, {{10, 22}}},
        {"adjoins", 13, 14, TRUE, {13, 0, 14, 0}, {{10, 14}, {20, 22}}},
    };
    for (const Case& c : cases) {
        CGXDelayedRange e(CGXCellRange(1, 1, 40, 5));
        CGXCellRange r10(10, 0, 12, 0), r20(20, 0, 22, 0);
        e.MarkRowsEvaluated(r10);
        e.MarkRowsEvaluated(r20);
        CGXCellRange r(c.q, 0, c.s, 0);
        EXPECT_EQ(e.MarkRowsEvaluated(r), c.bNew) << c.what;
        EXPECT_EQ(SpanOf(r), c.narrowed) << c.what;
        EXPECT_EQ(Marks(e), c.marks) << c.what;
        EXPECT_FALSE(e.m_bDone) << c.what;
    }
    CGXDelayedRange e(CGXCellRange(1, 1, 4, 5));
    CGXCellRange a(1, 0, 2, 0), b(3, 0, 4, 0);
    e.MarkRowsEvaluated(a);
    e.MarkRowsEvaluated(b);
    EXPECT_TRUE(e.m_bDone) << "all its rows evaluated";
    EXPECT_TRUE(Marks(e).empty());
}

TEST(DelayedRangePool, EntriesFollowInsertedAndRemovedRowsAndColumns)
{
    CGXDelayedRangePool pool;
    pool.AddRange(CGXCellRange(5, 1, 8, 2));
    pool.AddRange(CGXCellRange(1, 4, 2, GX_MAXROWCOL));
    pool.InsertRows(3, 2);
    EXPECT_EQ(SpanOf(pool.GetAt(1)->m_range), (Span{7, 1, 10, 2}));
    EXPECT_EQ(SpanOf(pool.GetAt(0)->m_range), (Span{1, 4, 2, GX_MAXROWCOL}));
    pool.InsertCols(5, 3);
    EXPECT_EQ(SpanOf(pool.GetAt(0)->m_range), (Span{1, 4, 2, GX_MAXROWCOL})) << "the end stays the end";
    pool.RemoveRows(1, 2);
    ASSERT_EQ(pool.GetCount(), 1) << "an entry whose rows all went is gone";
    EXPECT_EQ(SpanOf(pool.GetAt(0)->m_range), (Span{5, 1, 8, 2}));
    pool.MarkRowsFrom(6);
    EXPECT_EQ(pool.GetCount(), 2);
    EXPECT_EQ(SpanOf(pool.GetAt(0)->m_range), (Span{6, 0, GX_MAXROWCOL, GX_MAXROWCOL}));
}

TEST(DelayedRangePool, TheStoredFormKeepsRangesAndMarksButNotTheDoneFlag)
{
    CGXDelayedRangePool pool;
    pool.AddRange(CGXCellRange(1, 1, 9, 9));
    CGXCellRange rows(2, 0, 3, 0);
    pool.GetAt(0)->MarkRowsEvaluated(rows);
    pool.AddRange(CGXCellRange(20, 1, 22, 9));
    pool.GetAt(0)->m_bDone = 1;
    CGXDelayedRangePool back;
    LoadBytes(Stored(pool), [&](CArchive& ar) { back.Serialize(ar); });
    ASSERT_EQ(back.GetCount(), 2);
    EXPECT_FALSE(back.GetAt(0)->m_bDone);
    EXPECT_EQ(SpanOf(back.GetAt(1)->m_range), (Span{1, 1, 9, 9}));
    EXPECT_EQ(Marks(*back.GetAt(1)), (std::vector<std::pair<DWORD, DWORD>>{{2, 3}}));

    CGXDelayedRangePool copy;
    copy.CopyFrom(pool);
    EXPECT_EQ(Stored(copy), Stored(pool));
    EXPECT_TRUE(copy.GetAt(0)->m_bDone) << "a copy keeps the flag";
}

// ---- the pools of the parameter object ----------------------------------------------------------------

namespace {

class ParamPools : public ::testing::Test {
protected:
    void SetUp() override
    {
        static const bool s_bDone = [] {
            GXRegisterGridOperations();
            InstallGridModules();
            return true;
        }();
        (void)s_bDone;
    }
};

}  // namespace

TEST_F(ParamPools, ALoadedTableIsQueuedWholeWithEmptySpansInThePoolsItsModesNeed)
{
    CGXGridParam param;
    param.SetFloatCellsMode(1);
    param.SetMergeCellsMode(6);  // on display, no vertical merging
    param.MatchSpanPoolsToModes();
    ASSERT_NE(param.GetSpanPool(CGXGridParam::gxFloatPool), nullptr);
    ASSERT_NE(param.GetDelayedRangePool(CGXGridParam::gxFloatDelayed), nullptr);
    ASSERT_NE(param.GetSpanPool(CGXGridParam::gxMergeHorzPool), nullptr);
    EXPECT_EQ(param.GetDelayedRangePool(CGXGridParam::gxMergeDelayed), nullptr);
    param.GetSpanPool(CGXGridParam::gxFloatPool)->SetRange(2, 1, 2, 3, TRUE);
    param.GetSpanPool(CGXGridParam::gxMergeHorzPool)->SetRange(4, 1, 4, 3, TRUE);
    param.GetDelayedRangePool(CGXGridParam::gxFloatDelayed)->AddRange(CGXCellRange(1, 1, 2, 2));

    const Bytes bytes = StoreBytes([&](CArchive& ar) { param.Serialize(ar); });
    CGXGridParam loaded;
    LoadBytes(bytes, [&](CArchive& ar) {
        loaded.Serialize(ar);
        EXPECT_EQ(ar.GetBytesLeft(), 0u);
    });
    const CGXSpanCellPool* pFloat = loaded.GetSpanPool(CGXGridParam::gxFloatPool);
    ASSERT_NE(pFloat, nullptr);
    EXPECT_FALSE(HasSpan(*pFloat, 2, 2));
    const CGXDelayedRangePool* pQueue = loaded.GetDelayedRangePool(CGXGridParam::gxFloatDelayed);
    ASSERT_NE(pQueue, nullptr);
    ASSERT_EQ(pQueue->GetCount(), 1);
    EXPECT_EQ(SpanOf(pQueue->GetAt(0)->m_range), (Span{0, 0, GX_MAXROWCOL, GX_MAXROWCOL}));
    EXPECT_FALSE(pQueue->GetAt(0)->m_bDone);
    ASSERT_NE(loaded.GetSpanPool(CGXGridParam::gxMergeVertPool), nullptr);
    EXPECT_FALSE(HasSpan(*loaded.GetSpanPool(CGXGridParam::gxMergeHorzPool), 4, 2));
    EXPECT_EQ(loaded.GetDelayedRangePool(CGXGridParam::gxMergeDelayed), nullptr);

    // a mode whose pools the archive lacks gets new ones; a mode no one defines gets none
    CGXGridParam bare;
    bare.SetFloatCellsMode(1);
    bare.SetMergeCellsMode(3);
    CGXGridParam fromBare;
    LoadBytes(StoreBytes([&](CArchive& ar) { bare.Serialize(ar); }),
              [&](CArchive& ar) { fromBare.Serialize(ar); });
    EXPECT_NE(fromBare.GetSpanPool(CGXGridParam::gxFloatPool), nullptr);
    ASSERT_NE(fromBare.GetDelayedRangePool(CGXGridParam::gxFloatDelayed), nullptr);
    EXPECT_EQ(fromBare.GetDelayedRangePool(CGXGridParam::gxFloatDelayed)->GetCount(), 1);
    EXPECT_EQ(fromBare.GetSpanPool(CGXGridParam::gxMergeHorzPool), nullptr);
    EXPECT_EQ(fromBare.GetSpanPool(CGXGridParam::gxMergeVertPool), nullptr);
}

TEST_F(ParamPools, ACopyHasItsOwnEqualPoolsAndCoverings)
{
    CGXGridParam param;
    param.SetMergeCellsMode(1);
    param.MatchSpanPoolsToModes();
    param.GetSpanPool(CGXGridParam::gxMergeVertPool)->SetRange(1, 2, 4, 2, TRUE);
    param.GetDelayedRangePool(CGXGridParam::gxMergeDelayed)->AddRange(CGXCellRange(3, 3, 5, 5));
    param.GetCoveredRanges().AddRange(CGXCellRange(1, 1, 2, 2));
    param.GetCoveredRanges().AddRange(CGXCellRange(5, 1, 6, 2));

    CGXGridParam copy;
    copy = param;
    for (auto n : {CGXGridParam::gxMergeHorzPool, CGXGridParam::gxMergeVertPool}) {
        ASSERT_NE(copy.GetSpanPool(n), nullptr);
        EXPECT_NE(copy.GetSpanPool(n), param.GetSpanPool(n));
        EXPECT_EQ(SpansIn(*copy.GetSpanPool(n)), SpansIn(*param.GetSpanPool(n)));
    }
    ASSERT_NE(copy.GetDelayedRangePool(CGXGridParam::gxMergeDelayed), nullptr);
    EXPECT_EQ(Stored(*copy.GetDelayedRangePool(CGXGridParam::gxMergeDelayed)),
              Stored(*param.GetDelayedRangePool(CGXGridParam::gxMergeDelayed)));
    EXPECT_EQ(copy.GetSpanPool(CGXGridParam::gxFloatPool), nullptr);
    param.GetSpanPool(CGXGridParam::gxMergeVertPool)->DeleteAll();
    EXPECT_TRUE(HasSpan(*copy.GetSpanPool(CGXGridParam::gxMergeVertPool), 3, 2));

    const CGXRangeList& covered = copy.GetCoveredRanges();
    ASSERT_EQ(covered.GetCount(), 2);
    EXPECT_EQ(SpanOf(*covered.GetRangeAt(covered.GetHeadPosition())), (Span{1, 1, 2, 2})) << "in the same order";
}
