// Packed references: column letters both ways, the reference text both ways, normalising, making,
// intersecting and comparing.
#include <gtest/gtest.h>

#include "grid/formula/GXCellRangeRef.h"
#include "grid/formula/GXEngineState.h"

#include <string>

namespace {

class ReferenceTest : public ::testing::Test {
protected:
    void TearDown() override { EngineResetProcessState(); }
};

std::string Text(const char* psz)
{
    return psz != nullptr ? psz : "(null)";
}

CellRangeRef Parse(const char* psz)
{
    CellRangeRef ref = {};
    EXPECT_TRUE(EngineParseReference(psz, &ref)) << psz;
    return ref;
}

}  // namespace

TEST_F(ReferenceTest, ColumnLetters)
{
    const struct {
        int32_t nCol;
        const char* pszLetters;
    } cases[] = {{0, "A"}, {25, "Z"}, {26, "AA"}, {701, "ZZ"}, {702, "AAA"}, {4095, "FAN"}, {4096, nullptr}, {-1, nullptr}};
    for (const auto& c : cases)
        EXPECT_EQ(Text(EngineColumnLetters(c.nCol)), Text(c.pszLetters)) << "column " << c.nCol;

    const struct {
        const char* pszText;
        int32_t nCol;
    } reads[] = {{"A", 0}, {"z", 25}, {"aA", 26}, {"fan", 4095}, {"FAN1", 4095}, {"FAO", -1}, {"ZZZZZZZZZZZZ", -1},
                 {"", -1}, {"1A", -1}, {"$A", -1}, {nullptr, -1}};
    for (const auto& r : reads)
        EXPECT_EQ(EngineColumnFromLetters(r.pszText), r.nCol) << Text(r.pszText);

    for (int32_t nCol = 0; nCol <= kEngineMaxCol; nCol++)
        ASSERT_EQ(EngineColumnFromLetters(EngineColumnLetters(nCol)), nCol);
}

TEST_F(ReferenceTest, ParseAndTextForms)
{
    const struct {
        const char* pszText;
        int32_t nTop, nLeft, nBottom, nRight;
        const char* pszPrinted;
    } cases[] = {
        {"A1:B2", 1, 0, 2, 1, "A1..B2"},
        {"A1.B2", 1, 0, 2, 1, "A1..B2"},
        {"A1..B2", 1, 0, 2, 1, "A1..B2"},
        {"B2..A1", 1, 0, 2, 1, "A1..B2"},
        // each '$' stays with its coordinate: the absolute column goes with B, the absolute row with 1
        {"$B2..A$1", 1, 0, 2, 1, "A$1..$B2"},
        {"$A$1:$B$2", 1, 0, 2, 1, "$A$1..$B$2"},
        {"fan1", 1, 4095, 1, 4095, "FAN1"},
        {"C7", 7, 2, 7, 2, "C7"},
        {"$C7", 7, 2, 7, 2, "$C7"},
        {"C$7", 7, 2, 7, 2, "C$7"},
        {"$c$007", 7, 2, 7, 2, "$C$7"},
        {"A8388607", 8388607, 0, 8388607, 0, "A8388607"},
    };
    for (const auto& c : cases) {
        const CellRangeRef ref = Parse(c.pszText);
        EXPECT_TRUE(ref.IsValid()) << c.pszText;
        EXPECT_EQ(ref.Top(), c.nTop) << c.pszText;
        EXPECT_EQ(ref.Left(), c.nLeft) << c.pszText;
        EXPECT_EQ(ref.Bottom(), c.nBottom) << c.pszText;
        EXPECT_EQ(ref.Right(), c.nRight) << c.pszText;
        EXPECT_EQ(Text(EngineReferenceText(ref)), c.pszPrinted) << c.pszText;
    }

    const char* refused[] = {"A0",    "A8388608", "FAO1",   "",      "A",     "1",         "A1:",  "A1...B2",
                             "A1 ",   " A1",      "A1:B",   "$$A1",  "A1B2",  "A1:B2:C3",  "A-1",  "A99999999999",
                             "A1..0", "@A1"};
    for (const char* pszText : refused) {
        CellRangeRef ref = EngineMakeReference(3, 3, 3, 3, 0);
        EXPECT_FALSE(EngineParseReference(pszText, &ref)) << pszText;
        EXPECT_EQ(ref.Top(), 3) << "a refused text leaves the reference alone";
    }
    CellRangeRef ref;
    EXPECT_FALSE(EngineParseReference(nullptr, &ref));
}

TEST_F(ReferenceTest, TextOfInvalidReferencesAndBufferUse)
{
    EXPECT_EQ(EngineReferenceText(EngineMakeReference(0, 0, 0, 0, 0)), nullptr);
    CellRangeRef broken = Parse("B2");
    broken.SetLeft(4096);  // moved off the sheet
    EXPECT_TRUE(broken.IsBroken());
    EXPECT_FALSE(broken.IsValid());
    EXPECT_EQ(EngineReferenceText(broken), nullptr);
    CellRangeRef farRight = Parse("A1..B2");
    farRight.SetRight(5000);
    EXPECT_FALSE(farRight.IsValid());
    CellRangeRef farDown = Parse("A1");
    farDown.SetBottom(kEngineMaxRow + 1);
    EXPECT_FALSE(farDown.IsValid());

    // the two texts have buffers of their own: a reference text leaves the column letters alone
    const char* pszLetters = EngineColumnLetters(2);
    EXPECT_STREQ(EngineReferenceText(Parse("$FAN$8388607..$FAN$8388607")), "$FAN$8388607..$FAN$8388607");
    EXPECT_STREQ(pszLetters, "C");
}

TEST_F(ReferenceTest, NormaliseAndMake)
{
    // a single cell takes its second corner from the first, flags included
    CellRangeRef single =
        EngineMakeReference(5, 3, 9, 9, CellRangeRef::kSingleCell | CellRangeRef::kAbsRow1 | CellRangeRef::kAbsCol2);
    EngineNormalizeReference(&single);
    EXPECT_EQ(single.Bottom(), 5);
    EXPECT_EQ(single.Right(), 3);
    EXPECT_EQ(single.nColumns & CellRangeRef::kFlagBits,
              CellRangeRef::kSingleCell | CellRangeRef::kAbsRow1 | CellRangeRef::kAbsRow2);

    // out-of-bound coordinates become 0; only flag bits are taken
    const CellRangeRef made = EngineMakeReference(0, -1, kEngineMaxRow + 1, kEngineMaxCol + 1, 0xFFFFFFFFu);
    EXPECT_EQ(made.Top(), 0);
    EXPECT_EQ(made.Left(), 0);
    EXPECT_EQ(made.Bottom(), 0);
    EXPECT_EQ(made.Right(), 0);
    EXPECT_EQ(made.nColumns & ~CellRangeRef::kFlagBits, 0u);
    EXPECT_FALSE(made.IsValid());
    EXPECT_TRUE(EngineMakeReference(kEngineMaxRow, kEngineMaxCol, 1, 0, 0).IsValid());
}

TEST_F(ReferenceTest, IntersectsAndEquals)
{
    const struct {
        const char *pszA, *pszB;
        bool bIntersect, bEqual;
    } cases[] = {
        {"A1..B2", "B2..C3", true, false},
        {"A1..B2", "C3", false, false},
        {"A1..C3", "B2", true, false},
        {"B1..B9", "A5..C5", true, false},
        {"A1", "A1..A1", true, true},          // the single-cell flag does not count
        {"$A$1..B$2", "A1:B2", true, true},    // nor do the absolute flags
        {"A1..B2", "A1..B3", true, false},
    };
    for (const auto& c : cases) {
        const CellRangeRef a = Parse(c.pszA);
        const CellRangeRef b = Parse(c.pszB);
        EXPECT_EQ(EngineReferencesIntersect(a, b), c.bIntersect) << c.pszA << " " << c.pszB;
        EXPECT_EQ(EngineReferencesIntersect(b, a), c.bIntersect) << c.pszB << " " << c.pszA;
        EXPECT_EQ(EngineReferencesEqual(a, b), c.bEqual) << c.pszA << " " << c.pszB;
    }
    CellRangeRef broken = Parse("A1..C3");
    broken.SetLeft(4096);
    EXPECT_FALSE(EngineReferencesIntersect(broken, Parse("A1..C3")));
}
