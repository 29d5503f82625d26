// Series (items of growing data): typed storage and its refusals, growth and wrapping, read and
// write positions, shifts, per-value ranges, and what happens when memory runs short.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <cmath>
#include <functional>
#include <vector>

#include "FakeServices.h"
#include "chart/engine/DEDizedDynamicData.h"

#include "chart_test_support.h"

namespace {

// Every cell of the series from the first (the read position ends where it began, at 0).
std::vector<double> Cells(DEDizedDynamicData& series)
{
    std::vector<double> cells;
    series.RewindRead();
    for (int i = 0; i < series.GetSize(); ++i)
        cells.push_back(series.GetValue());
    return cells;
}

// A series whose storage memory runs short on request.
class ShortOfMemorySeries : public DEDizedDynamicData {
public:
    bool m_bCellsFail = false;
    bool m_bRangesFail = false;

protected:
    double* NewCells(int nCount) override { return m_bCellsFail ? nullptr : DEDizedDynamicData::NewCells(nCount); }
    CScale* NewRanges(int nCount) override { return m_bRangesFail ? nullptr : DEDizedDynamicData::NewRanges(nCount); }
};

} // namespace

TEST(Series, AppendsAreCheckedAgainstTheStorage)
{
    struct Case {
        const char* what;
        std::function<void(DEDizedDynamicData&)> act;
        int nCode;
    } cases[] = {
        {"double into an int series, too large", [](auto& s) { s.AppendInt(1); s.SetValue(3e9); }, 5},
        {"double into an int series, too small", [](auto& s) { s.AppendInt(1); s.SetValue(-2.2e9); }, 5},
        {"not a number into an int series", [](auto& s) { s.AppendInt(1); s.SetValue(NAN); }, 5},
        {"256 into a byte series", [](auto& s) { s.AppendByte(1); s.SetValue(256); }, 5},
        {"-1 into a byte series", [](auto& s) { s.AppendByte(1); s.SetValue(-1); }, 5},
        {"int into a double series", [](auto& s) { s.SetValue(0.5); s.AppendInt(1); }, 15},
        {"byte into an int series", [](auto& s) { s.AppendInt(1); s.AppendByte(1); }, 15},
        {"int into a byte series", [](auto& s) { s.AppendByte(1); s.AppendInt(1); }, 15},
        {"shift of a too large double in an int series", [](auto& s) { s.AppendInt(1); s.ShiftValue(1e10, 1); }, 5},
        {"int bounds", [](auto& s) { s.AppendInt(1); s.SetValue(-2147483648.0); s.SetValue(2147483647.0); }, -1},
    };
    for (const Case& c : cases) {
        DEDizedDynamicData series;
        series.Allocate(4);
        EXPECT_EQ(ChartCode([&] { c.act(series); }), c.nCode) << c.what;
    }

    // the typed stores keep the int or the byte
    DEDizedDynamicData ints;
    ints.Allocate(2);
    ints.SetGrowBy(0);
    ints.AppendInt(-7);
    ints.SetValue(12.9);
    EXPECT_EQ(ints.GetStorageType(), int(DEDizedDynamicData::storageInt));
    EXPECT_EQ(Cells(ints), (std::vector<double>{-7, 12}));
}

TEST(Series, WithoutStorageEveryAccessRaisesSix)
{
    const std::function<void(DEDizedDynamicData&)> acts[] = {
        [](auto& s) { s.SetValue(1); },
        [](auto& s) { s.AppendInt(1); },
        [](auto& s) { s.AppendByte(1); },
        [](auto& s) { s.ShiftValue(1, 0); },
        [](auto& s) { s.GetValue(); },
    };
    for (const auto& act : acts) {
        DEDizedDynamicData series;
        EXPECT_EQ(ChartCode([&] { act(series); }), 6);
        EXPECT_EQ(series.GetStorageType(), int(DEDizedDynamicData::storageNone));
    }
    DEDizedDynamicData series;
    EXPECT_EQ(series.GetRange().IsReset(), 1);  // a range read of nothing is an empty range
    EXPECT_EQ(series.GetSize(), 0);
}

TEST(Series, GrowsByItsAmountOrWraps)
{
    DEDizedDynamicData growing;
    growing.Allocate(4);
    growing.SetGrowBy(3);
    for (int i = 1; i <= 3; ++i)
        growing.SetValue(i);
    EXPECT_EQ(growing.GetSize(), 4);
    growing.SetValue(4);  // the fourth fills the storage, which grows
    EXPECT_EQ(growing.GetSize(), 7);
    growing.SetValue(5);
    EXPECT_EQ(Cells(growing), (std::vector<double>{1, 2, 3, 4, 5, 0, 0}));

    DEDizedDynamicData wrapping;
    wrapping.Allocate(4);
    wrapping.SetWrap(1);
    for (int i = 1; i <= 5; ++i)
        wrapping.SetValue(i);
    EXPECT_EQ(Cells(wrapping), (std::vector<double>{5, 2, 3, 4}));

    // no growth: the write position stays at the end and the next append is refused
    DEDizedDynamicData fixed;
    fixed.Allocate(2);
    fixed.SetGrowBy(0);
    fixed.SetValue(1);
    fixed.SetValue(2);
    EXPECT_EQ(ChartCode([&] { fixed.SetValue(3); }), 3);
    EXPECT_EQ(Cells(fixed), (std::vector<double>{1, 2}));
}

TEST(Series, PositionsAndReads)
{
    DEDizedDynamicData series;
    series.Allocate(4);
    series.SetGrowBy(0);
    for (double d : {10.0, -100.0, 30.0, 0.0})
        series.SetValue(d);
    series.SetReadPosition(1);
    EXPECT_EQ(series.GetValue(), -100.0);
    EXPECT_NEAR(series.GetValue(1), std::log10(30.0), 1e-12);
    EXPECT_EQ(series.GetValue(1), -99.0);  // the logarithm of 0
    EXPECT_EQ(series.GetValue(), 10.0);    // the read position wrapped at the end
    series.SetReadPosition(1);
    EXPECT_EQ(series.GetValue(1), 2.0);    // log10 of the absolute value

    EXPECT_EQ(ChartCode([&] { series.SetReadPosition(5); }), 3);
    EXPECT_EQ(ChartCode([&] { series.SetWritePosition(5); }), 3);
    EXPECT_EQ(ChartCode([&] { series.SetReadPosition(-1); }), 3);
    series.SetReadPosition(4);  // the end itself may be set, but holds no value
    EXPECT_EQ(ChartCode([&] { series.GetValue(); }), 3);

    series.SetWritePosition(2);
    series.SetValue(7);
    EXPECT_EQ(Cells(series), (std::vector<double>{10, -100, 7, 0}));
}

TEST(Series, ShiftsMoveCellsAndRanges)
{
    DEDizedDynamicData series;
    series.EnableValueRanges(1);
    series.Allocate(3);
    series.SetGrowBy(0);
    for (double d : {1.0, 2.0, 3.0})
        series.SetValue(d);
    series.ShiftValue(9, 1);  // at the end: towards the front
    EXPECT_EQ(Cells(series), (std::vector<double>{2, 3, 9}));
    series.RewindRead();
    EXPECT_EQ(series.GetRange().m_dMaximum, 2.0);
    EXPECT_EQ(series.GetRange().m_dMaximum, 3.0);
    EXPECT_EQ(series.GetRange().IsReset(), 1);

    series.ShiftValue(7, 0);  // at the front: towards the back
    EXPECT_EQ(Cells(series), (std::vector<double>{7, 2, 3}));
    series.RewindRead();
    EXPECT_EQ(series.GetRange().IsReset(), 1);
    EXPECT_EQ(series.GetRange().m_dMaximum, 2.0);
}

TEST(Series, PerValueRangesFollowTheCellsThroughAllocation)
{
    DEDizedDynamicData series;
    series.Allocate(2);
    series.SetWrap(1);
    series.SetValue(4);
    series.EnableValueRanges(1);  // ranges for the present cells start empty
    series.SetValue(6);
    series.SetValue(-1);          // wraps into cell 0
    series.Allocate(3);           // grows, keeping cells and ranges
    series.RewindRead();
    const CScale r0 = series.GetRange();
    EXPECT_EQ(r0.m_dMaximum, -1.0);
    EXPECT_EQ(r0.m_dMinimum, -1.0);
    EXPECT_EQ(series.GetRange().m_dMaximum, 6.0);
    EXPECT_EQ(series.GetRange().IsReset(), 1);
    EXPECT_EQ(Cells(series), (std::vector<double>{-1, 6, 0}));
    series.Allocate(1);
    EXPECT_EQ(Cells(series), (std::vector<double>{-1}));

    series.EnableValueRanges(0);
    EXPECT_EQ(series.GetRange().IsReset(), 1);
    bool bRefused = false;
    try {
        series.Allocate(0);
    } catch (CInvalidArgException* e) {
        bRefused = true;
        e->Delete();
    }
    EXPECT_TRUE(bRefused);
}

TEST(Series, ShortOfMemoryTheSeriesStaysAsItWas)
{
    CFakeServices fake;
    ShortOfMemorySeries series;
    series.m_bCellsFail = true;
    fake.ExpectMessageBox(IDOK, ResourceText(IDS_CHART_SERIES_NO_MEMORY));
    series.Allocate(4);
    EXPECT_FALSE(series.HasStorage());
    EXPECT_EQ(series.GetSize(), 0);

    series.m_bCellsFail = false;
    series.Allocate(2);
    series.SetGrowBy(5);
    series.SetValue(1);
    series.m_bCellsFail = true;
    fake.ExpectMessageBox(IDOK, ResourceText(IDS_CHART_SERIES_NO_MEMORY_GROW));
    series.SetValue(2);  // fills the storage; the growth fails
    EXPECT_EQ(Cells(series), (std::vector<double>{1, 2}));
    EXPECT_EQ(ChartCode([&] { series.SetValue(3); }), 3);

    series.m_bCellsFail = false;
    series.m_bRangesFail = true;
    fake.ExpectMessageBox(IDOK, ResourceText(IDS_CHART_SERIES_NO_MEMORY_RANGES));
    series.EnableValueRanges(1);
    EXPECT_EQ(series.HasValueRanges(), 0);

    for (const auto& box : fake.CallsOf("MessageBox"))
        EXPECT_EQ(box.nType & MB_ICONMASK, UINT(MB_ICONEXCLAMATION));
}
