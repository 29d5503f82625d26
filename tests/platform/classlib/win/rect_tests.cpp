// CSize, CPoint and CRect: Win32's rules for empty and unnormalised rectangles, the set operations
// and the arithmetic operators.
#include "TestSupport.h"

#include "win/CRect.h"

namespace {

struct RectCase {
    const char* name;
    CRect a;
    CRect b;
    CRect normalized;  // a.NormalizeRect()
    CRect intersect;   // IntersectRect(a, b)
    CRect united;      // UnionRect(a, b)
    CRect subtracted;  // SubtractRect(a, b)
    CSize inflateBy;
    CRect inflated;    // a.InflateRect(inflateBy)
};

const RectCase kRectCases[] = {
    {"overlap", {0, 0, 10, 10}, {5, 5, 15, 15}, {0, 0, 10, 10}, {5, 5, 10, 10}, {0, 0, 15, 15}, {0, 0, 10, 10},
     {1, 2}, {-1, -2, 11, 12}},
    {"touching edges do not intersect", {0, 0, 10, 10}, {10, 0, 20, 10}, {0, 0, 10, 10}, {}, {0, 0, 20, 10},
     {0, 0, 10, 10}, {0, 0}, {0, 0, 10, 10}},
    {"disjoint", {0, 0, 5, 5}, {20, 20, 30, 30}, {0, 0, 5, 5}, {}, {0, 0, 30, 30}, {0, 0, 5, 5}, {-1, -1},
     {1, 1, 4, 4}},
    {"contained", {0, 0, 100, 100}, {10, 20, 30, 40}, {0, 0, 100, 100}, {10, 20, 30, 40}, {0, 0, 100, 100},
     {0, 0, 100, 100}, {0, 0}, {0, 0, 100, 100}},
    {"unnormalised counts as empty", {10, 10, 0, 0}, {0, 0, 5, 5}, {0, 0, 10, 10}, {}, {0, 0, 5, 5}, {}, {2, 2},
     {8, 8, 2, 2}},
    {"zero width is empty and ignored by union", {5, 5, 5, 9}, {0, 0, 10, 10}, {5, 5, 5, 9}, {}, {0, 0, 10, 10},
     {}, {1, 0}, {4, 5, 6, 9}},
    {"both empty", {0, 0, 0, 0}, {3, 3, 3, 3}, {0, 0, 0, 0}, {}, {}, {}, {0, 0}, {0, 0, 0, 0}},
    {"negative coordinates", {-10, -10, -2, -2}, {-5, -20, 5, -4}, {-10, -10, -2, -2}, {-5, -10, -2, -4},
     {-10, -20, 5, -2}, {-10, -10, -2, -2}, {0, 0}, {-10, -10, -2, -2}},
    {"cover over the full height cuts a side", {0, 0, 10, 10}, {5, -5, 20, 20}, {0, 0, 10, 10}, {5, 0, 10, 10},
     {0, -5, 20, 20}, {0, 0, 5, 10}, {0, 0}, {0, 0, 10, 10}},
    {"full cover leaves nothing", {2, 2, 4, 4}, {0, 0, 10, 10}, {2, 2, 4, 4}, {2, 2, 4, 4}, {0, 0, 10, 10}, {},
     {0, 0}, {2, 2, 4, 4}},
    {"deflating past the middle inverts", {0, 0, 10, 10}, {0, 0, 10, 10}, {0, 0, 10, 10}, {0, 0, 10, 10},
     {0, 0, 10, 10}, {}, {-6, -6}, {6, 6, 4, 4}},
};

TEST(CRect, SetOperationsNormalisationAndInflation)
{
    for (const RectCase& c : kRectCases) {
        SCOPED_TRACE(c.name);
        CRect n = c.a;
        n.NormalizeRect();
        EXPECT_EQ(n, c.normalized);

        CRect r;
        EXPECT_EQ(r.IntersectRect(&c.a, &c.b), !c.intersect.IsRectEmpty());
        EXPECT_EQ(r, c.intersect);
        EXPECT_EQ(c.a & c.b, c.intersect);
        CRect inPlace = c.a;
        inPlace &= c.b;  // the result aliases an argument
        EXPECT_EQ(inPlace, c.intersect);

        EXPECT_EQ(r.UnionRect(&c.a, &c.b), !c.united.IsRectEmpty());
        EXPECT_EQ(r, c.united);
        EXPECT_EQ(c.a | c.b, c.united);
        inPlace = c.a;
        inPlace |= c.b;
        EXPECT_EQ(inPlace, c.united);

        EXPECT_EQ(r.SubtractRect(&c.a, &c.b), !c.subtracted.IsRectEmpty());
        EXPECT_EQ(r, c.subtracted);

        CRect inflated = c.a;
        inflated.InflateRect(c.inflateBy);
        EXPECT_EQ(inflated, c.inflated);
        inflated.DeflateRect(c.inflateBy);
        EXPECT_EQ(inflated, c.a);
    }
}

TEST(CRect, CornersSizesAndOperators)
{
    CRect r(10, 20, 30, 60);
    EXPECT_EQ(r.Width(), 20);
    EXPECT_EQ(r.Height(), 40);
    EXPECT_EQ(r.Size(), CSize(20, 40));
    EXPECT_EQ(r.CenterPoint(), CPoint(20, 40));
    EXPECT_EQ(CRect(-3, -3, 0, 0).CenterPoint(), CPoint(-1, -1));
    // the corners are views into the rectangle
    r.TopLeft() += CSize(1, 2);
    r.BottomRight().Offset(-1, -2);
    EXPECT_EQ(r, CRect(11, 22, 29, 58));
    EXPECT_TRUE(r.PtInRect(CPoint(11, 22)));
    EXPECT_FALSE(r.PtInRect(CPoint(29, 30)));  // right edge is outside

    EXPECT_EQ(r + CPoint(1, 1), CRect(12, 23, 30, 59));
    EXPECT_EQ(r - CSize(1, 2), CRect(10, 20, 28, 56));
    CRect margins(1, 2, 3, 4);
    EXPECT_EQ(r + &margins, CRect(10, 20, 32, 62));
    EXPECT_EQ(r - &margins, CRect(12, 24, 26, 54));
    EXPECT_EQ(CPoint(5, 5) - CPoint(2, 7), CSize(3, -2));
    EXPECT_EQ(CSize(0x0005FFFF), CSize(-1, 5));  // packed words are signed
    EXPECT_EQ(CPoint(DWORD(0xFFFE0003)), CPoint(3, -2));
    // large coordinates: the centre does not overflow
    EXPECT_EQ(CRect(0x7FFFFFF0, 0, 0x7FFFFFFE, 2).CenterPoint().x, 0x7FFFFFF7);
}

TEST(CRect, NullRectanglesAreRefused)
{
    const RECT* pNull = nullptr;
    ExpectInvalidArg([&] { CRect r(pNull); }, "CRect::CRect: the rectangle is null");
    CRect r(0, 0, 1, 1);
    ExpectInvalidArg([&] { r.IntersectRect(&r, pNull); }, "CRect::IntersectRect");
    ExpectInvalidArg([&] { r.UnionRect(pNull, &r); }, "CRect::UnionRect");
    ExpectInvalidArg([&] { r.InflateRect(pNull); }, "CRect::InflateRect");
}

} // namespace
