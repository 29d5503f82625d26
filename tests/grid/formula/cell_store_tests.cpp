// The cell store: hashing, stored constants, formulas and their values, escape sequences,
// placeholders, copies, refused positions, the used area and the occupancy arrays.
#include "EngineFixture.h"

#include "grid/formula/GXRangeNames.h"
#include "grid/formula/GXTextEscapes.h"

#include <string>
#include <vector>

namespace {

std::string S(const CString& text)
{
    return std::string(text.GetString(), size_t(text.GetLength()));
}

}  // namespace

using CellStore = EngineTest;

TEST_F(CellStore, BucketsAndChains)
{
    EXPECT_EQ(EngineCellBucket(1, 0), 1);
    EXPECT_EQ(EngineCellBucket(1, 1), 4864);
    EXPECT_EQ(EngineCellBucket(1, 4095), 25235);  // the product wraps in 32 bits
    EXPECT_EQ(EngineCellBucket(8388607, 4095), 30097);

    // (1, 0) and (32750, 0) share bucket 1: the newer cell heads the chain
    EngineCell* pFirst = EngineStoreNumber(m_h, 1, 0, 1.0);
    EngineCell* pSecond = EngineStoreNumber(m_h, 32750, 0, 2.0);
    int32_t nBucket = -1;
    EXPECT_EQ(EngineFindCell(m_h, 32750, 0, &nBucket), pSecond);
    EXPECT_EQ(nBucket, 1);
    EXPECT_EQ(Sheet().pBuckets[1], pSecond);
    EXPECT_EQ(pSecond->pNext, pFirst);
    EXPECT_EQ(EngineFindCell(m_h, 1, 0), pFirst);
    EXPECT_EQ(EngineFindCell(m_h, 2, 0), nullptr);
    EXPECT_EQ(EngineFindCell(m_h, 0, 0, &nBucket), nullptr);
    EXPECT_EQ(nBucket, -1);
}

TEST_F(CellStore, StoringOverACellKeepsItsStyle)
{
    EngineCell* pText = EngineStoreText(m_h, 2, 3, "old");
    pText->pStyle = new TestStyle(7);
    EngineCell* pNumber = EngineStoreNumber(m_h, 2, 3, 2.5);
    ASSERT_NE(pNumber, nullptr);
    EXPECT_EQ(EngineFindCell(m_h, 2, 3), pNumber);
    EXPECT_EQ(pNumber->Type(), kCellNumber);
    EXPECT_EQ(pNumber->ValueKind(), kValueNumber);
    EXPECT_EQ(pNumber->value.dNumber, 2.5);
    ASSERT_NE(pNumber->pStyle, nullptr);
    EXPECT_EQ(static_cast<TestStyle*>(pNumber->pStyle)->m_nId, 7);
    EXPECT_EQ(TestStyle::s_nLive, 1);
    EXPECT_EQ(Sheet().nCellCount, 1);
    EXPECT_EQ(Sheet().pools[kGeneralPool].nCells, 1);

    // a placeholder is replaced the same way, and its pool empties
    ASSERT_NE(EnginePlaceholder(m_h, 4, 4), nullptr);
    EngineStoreText(m_h, 4, 4, "x");
    EXPECT_EQ(Sheet().pools[kPlaceholderPool].nCells, 0);
    EXPECT_EQ(EngineFindCell(m_h, 4, 4)->Type(), kCellText);

    EngineRemoveCell(m_h, pNumber);
    EXPECT_EQ(TestStyle::s_nLive, 0) << "removing a cell deletes its style";
}

TEST_F(CellStore, StoringFormulas)
{
    EngineStoreText(m_h, 1, 1, "old")->pStyle = new TestStyle(3);
    EngineDefineName(m_h, "Total", EngineMakeReference(5, 2, 5, 2, CellRangeRef::kSingleCell));
    Sheet().nGeneration = 4;
    const struct {
        const char* pszText;
        uint32_t nType;
        int32_t nPool;
        uint32_t nValueKind;  // a constant formula is computed at once, a formula cell is not
    } cases[] = {
        {"=5", kCellNumber, kGeneralPool, kValueNumber},
        {"=0x5", kCellConstFormula, kGeneralPool, kValueNumber},
        {"=5;1", kCellConstFormula, kGeneralPool, kValueNumber},
        {"=5//note", kCellConstFormula, kGeneralPool, kValueNumber},
        {"=1+2", kCellConstFormula, kGeneralPool, kValueNumber},
        {"=1/0", kCellConstFormula, kGeneralPool, kValueError},
        {"=A1", kCellFormula, kFormulaPool, kValueEmpty},
        {"=A1:B2", kCellFormula, kFormulaPool, kValueEmpty},
        {"=Total", kCellFormula, kFormulaPool, kValueEmpty},
        {"=#{1}", kCellFormula, kFormulaPool, kValueEmpty},
        {"=5\\A1", kCellFormula, kFormulaPool, kValueEmpty},
    };
    for (const auto& c : cases) {
        EngineCell* pCell = EngineStoreFormula(m_h, 1, 1, c.pszText);
        ASSERT_NE(pCell, nullptr) << c.pszText;
        EXPECT_EQ(EngineFindCell(m_h, 1, 1), pCell);
        EXPECT_EQ(pCell->Type(), c.nType) << c.pszText;
        EXPECT_EQ(EngineCellPool(pCell), &Sheet().pools[c.nPool]) << c.pszText;
        EXPECT_EQ(pCell->ValueKind(), c.nValueKind) << c.pszText;
        EXPECT_EQ(pCell->pFormula != nullptr, c.nType != kCellNumber) << c.pszText;
        ASSERT_NE(pCell->pStyle, nullptr);
        EXPECT_EQ(static_cast<TestStyle*>(pCell->pStyle)->m_nId, 3);
    }
    EXPECT_EQ(EngineFindCell(m_h, 1, 1)->nGeneration, 4u);
    EXPECT_EQ(EngineStoreFormula(m_h, 1, 1, "=1+2")->value.dNumber, 3);

    // a text that does not parse, or a position off the sheet, leaves everything as it was
    EngineCell* pKept = EngineFindCell(m_h, 1, 1);
    EXPECT_EQ(EngineStoreFormula(m_h, 1, 1, "=1+"), nullptr);
    EXPECT_TRUE(EngineState().m_bParseFailed);
    EXPECT_EQ(EngineFindCell(m_h, 1, 1), pKept);
    EXPECT_EQ(EngineStoreFormula(m_h, 0, 1, "=1"), nullptr);

    // with a value given the cell takes it instead of being computed
    const EngineTypedValue archived = {kValueLongText, 0, "kept from the archive", 0};
    EngineCell* pGiven = EngineStoreFormula(m_h, 2, 1, "=1+2", &archived);
    EXPECT_STREQ(EngineCellText(pGiven), "kept from the archive");
    EXPECT_EQ(pGiven->nFlags & (kCellEvaluated | kCellChanged), kCellEvaluated | kCellChanged);
    const EngineTypedValue error = {kValueError, 0, nullptr, 70};
    EXPECT_EQ(EngineStoreFormula(m_h, 3, 1, "=A1", &error)->value.error.nCode, 70);
}

TEST_F(CellStore, TextsInlineOrOnTheHeap)
{
    const std::string s600(600, 'q');
    const struct {
        std::string text;
        uint32_t nKind;
        size_t nKeptLength;
    } cases[] = {
        {"12345678", kValueShortText, 8},
        {"123456789", kValueLongText, 9},
        {s600, kValueLongText, 511},
        {"", kValueShortText, 0},
    };
    for (const auto& c : cases) {
        EngineCell* pCell = EngineStoreText(m_h, 1, 1, c.text.c_str());
        ASSERT_NE(pCell, nullptr);
        EXPECT_EQ(pCell->Type(), kCellText);
        EXPECT_EQ(pCell->ValueKind(), c.nKind) << c.text.size();
        EXPECT_EQ(std::string(EngineCellText(pCell)), c.text.substr(0, c.nKeptLength));
    }

    // setting a value frees the text held before; a text set from the cell's own text survives
    EngineCell* pCell = EngineFindCell(m_h, 1, 1);
    EngineSetCellText(pCell, "a long text of the cell");
    EngineSetCellText(pCell, EngineCellText(pCell) + 2);
    EXPECT_STREQ(EngineCellText(pCell), "long text of the cell");
    EngineSetCellError(pCell, 70, "why");
    EXPECT_EQ(pCell->ValueKind(), kValueError);
    EXPECT_EQ(pCell->value.error.nCode, 70);
    EngineSetCellKind(pCell, kValueNotAvailable);
    EXPECT_STREQ(EngineCellText(pCell), "");
    EXPECT_NE(RefusalOf([&] { EngineSetCellKind(pCell, kValueNumber); }), "");
    EngineSetCellNumber(pCell, 4.0);
    EXPECT_EQ(EngineTrackedBlockCount(), 0);
}

TEST_F(CellStore, EscapeSequencesDecodedUnlessRaw)
{
    const struct {
        const char* pszStored;
        std::string decoded;
    } cases[] = {
        {"a\\nb", "a\nb"},
        {"\\a\\b\\f\\r\\t\\v", "\a\b\f\r\t\v"},
        {"\\x41\\x4a", "AJ"},
        {"\\x4g", "\x04g"},
        {"\\101", "A"},
        {"\\1234", "S4"},  // at most three octal digits
        {"\\777", "\xff"},
        {"\\\\", "\\"},
        {"\\\"quoted\\\"", "\"quoted\""},
        {"end\\", "end\\"},
        {"\\q\\x", "\\q\\x"},
        {"cut\\0here", "cut"},
    };
    for (const auto& c : cases) {
        EngineCell* pCell = EngineStoreText(m_h, 1, 1, c.pszStored);
        EXPECT_EQ(std::string(EngineCellText(pCell)), c.decoded) << c.pszStored;
    }
    Sheet().bRawText = true;
    EXPECT_STREQ(EngineCellText(EngineStoreText(m_h, 1, 1, "a\\nb")), "a\\nb");

    // at most 511 characters come out, an escape that would be the 512th included
    EXPECT_EQ(EngineDecodeEscapes(std::string(600, 'a').c_str()).GetLength(), 511);
    const CString cut = EngineDecodeEscapes((std::string(510, 'a') + "\\x41\\x42").c_str());
    EXPECT_EQ(cut.GetLength(), 511);
    EXPECT_EQ(cut[510], 'A');
}

TEST_F(CellStore, EscapeEncodingInvertsDecoding)
{
    const struct {
        const char* pszText;
        bool bQuote;
        const char* pszEncoded;
    } cases[] = {
        {"a\nb", true, "a\\nb"},
        {"\"", true, "\\\""},
        {"\"", false, "\""},
        {"\\", false, "\\\\"},
        {"\x01", true, "\\1"},
        {"\x01"
         "7",
         true, "\\0017"},
        {"\x1f", true, "\\37"},
        {"\x7f", true, "\\177"},
        {"\a\b\t\v\f\r", true, "\\a\\b\\t\\v\\f\\r"},
        {"\xe9t\xe9", true, "\xe9t\xe9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(S(EngineEncodeEscapes(c.pszText, c.bQuote)), c.pszEncoded) << c.pszText;

    std::string every;
    for (int c = 1; c < 256; c++)
        every += char(c);
    every += "1";  // an octal digit after the last byte
    EXPECT_EQ(S(EngineDecodeEscapes(EngineEncodeEscapes(every.c_str(), true))), every);
}

TEST_F(CellStore, PlaceholdersAndRefusedPositions)
{
    EngineCell* pMark = EnginePlaceholder(m_h, 3, 3);
    ASSERT_NE(pMark, nullptr);
    EXPECT_EQ(pMark->Type(), kCellPlaceholder);
    EXPECT_EQ(pMark->ValueKind(), kValueEmpty);
    EXPECT_TRUE(pMark->IsLinked());
    EXPECT_EQ(EngineCellPool(pMark), &Sheet().pools[kPlaceholderPool]);
    EXPECT_EQ(EnginePlaceholder(m_h, 3, 3), nullptr) << "only where no cell is";

    const struct {
        int32_t nRow, nCol;
    } offSheet[] = {{0, 0}, {8388608, 0}, {1, 4096}, {1, -1}, {-5, 2}};
    for (const auto& p : offSheet) {
        EXPECT_EQ(EngineStoreNumber(m_h, p.nRow, p.nCol, 1.0), nullptr) << p.nRow << "," << p.nCol;
        EXPECT_EQ(EngineStoreText(m_h, p.nRow, p.nCol, "long enough text"), nullptr) << p.nRow << "," << p.nCol;
        EXPECT_EQ(EnginePlaceholder(m_h, p.nRow, p.nCol), nullptr) << p.nRow << "," << p.nCol;
    }
    EXPECT_EQ(Sheet().nCellCount, 1);
    EXPECT_EQ(Sheet().pools[kGeneralPool].nCells, 0) << "nothing allocated for a refused position";
    EXPECT_NE(EngineStoreNumber(m_h, kEngineMaxRow, kEngineMaxCol, 1.0), nullptr);

    // misuse of the low-level operations is refused with the position in the message
    EngineCell* pLoose = EngineAllocCell(&Sheet().pools[kGeneralPool]);
    pLoose->nRow = 3;
    pLoose->nCol = 3;
    EXPECT_NE(RefusalOf([&] { EngineLinkCell(m_h, pLoose); }).find("row 3, column 3"), std::string::npos);
    EXPECT_NE(RefusalOf([&] { EngineLinkCell(m_h, pMark); }), "");
    EXPECT_NE(RefusalOf([&] { EngineUnlinkCell(m_h, pLoose); }), "");
    EngineFreeCell(pLoose);
    EXPECT_NE(RefusalOf([&] { EngineStoreNumber(m_h + 1, 1, 1, 1.0); }).find("handle 2"), std::string::npos);
}

TEST_F(CellStore, CopyCellDuplicatesTextFormulaAndStyle)
{
    EngineSetStyleCloner(CloneTestStyle);
    EngineCell* pCell = EngineStoreText(m_h, 5, 6, "a text of some length");
    pCell->pStyle = new TestStyle(3);
    pCell->pFormula = MakeFormula({StringItem("abc"), StringItem("def")}, "note");
    pCell->nFlags |= kCellChanged;

    EngineCell* pCopy = EngineCopyCell(&Sheet().pools[kFormulaPool], pCell);
    EXPECT_FALSE(pCopy->IsLinked());
    EXPECT_EQ(EngineCellPool(pCopy), &Sheet().pools[kFormulaPool]);
    EXPECT_EQ(pCopy->nRow, 5);
    EXPECT_EQ(pCopy->nCol, 6);
    EXPECT_EQ(pCopy->Type(), kCellText);
    EXPECT_TRUE(pCopy->nFlags & kCellChanged);
    EXPECT_STREQ(EngineCellText(pCopy), "a text of some length");
    EXPECT_NE(pCopy->value.pszLong, pCell->value.pszLong);
    ASSERT_NE(pCopy->pFormula, nullptr);
    ASSERT_EQ(pCopy->pFormula->nItems, 2);
    EXPECT_STREQ(pCopy->pFormula->pItems[1].u.pszText, "def");
    EXPECT_NE(pCopy->pFormula->pItems[1].u.pszText, pCell->pFormula->pItems[1].u.pszText);
    EXPECT_STREQ(pCopy->pFormula->pszComment, "note");
    ASSERT_NE(pCopy->pStyle, nullptr);
    EXPECT_NE(pCopy->pStyle, pCell->pStyle);
    EXPECT_EQ(static_cast<TestStyle*>(pCopy->pStyle)->m_nId, 3);

    // a standalone copy (kept for undo) lives outside the pools
    EngineCell* pSaved = EngineCopyCell(nullptr, pCopy);
    EXPECT_EQ(pSaved->Slot(), kStandaloneSlot);
    EXPECT_EQ(EngineCellPool(pSaved), nullptr);
    EXPECT_EQ(Sheet().pools[kFormulaPool].nCells, 1);
    EngineFreeCell(pSaved);
    EngineFreeCell(pCopy);

    // without a cloner a styled cell cannot be copied
    EngineSetStyleCloner(nullptr);
    EXPECT_NE(RefusalOf([&] { EngineCopyCell(nullptr, pCell); }).find("style cloner"), std::string::npos);
}

TEST_F(CellStore, UsedAreaShrinksToTheNextOccupiedRowOrColumn)
{
    EngineCell* pTopLeft = EngineStoreNumber(m_h, 2, 1, 0);
    EngineCell* pMiddle = EngineStoreNumber(m_h, 5, 3, 0);
    EngineCell* pRight = EngineStoreNumber(m_h, 5, 7, 0);
    EngineCell* pBottom = EngineStoreNumber(m_h, 9, 2, 0);
    const auto area = [&] {
        const EngineSheet& s = Sheet();
        return s.bAreaValid ? std::vector<int32_t>{s.nTop, s.nLeft, s.nBottom, s.nRight} : std::vector<int32_t>{};
    };
    EXPECT_EQ(area(), (std::vector<int32_t>{2, 1, 9, 7}));
    EngineRemoveCell(m_h, pBottom);
    EXPECT_EQ(area(), (std::vector<int32_t>{2, 1, 5, 7}));
    EngineRemoveCell(m_h, pRight);
    EXPECT_EQ(area(), (std::vector<int32_t>{2, 1, 5, 3}));
    EngineRemoveCell(m_h, pTopLeft);
    EXPECT_EQ(area(), (std::vector<int32_t>{5, 3, 5, 3}));
    EngineRemoveCell(m_h, pMiddle);
    EXPECT_EQ(area(), std::vector<int32_t>{});
    EXPECT_EQ(Sheet().nCellCount, 0);
    EXPECT_EQ(Sheet().pRowCounts[5], 0u);
}

TEST_F(CellStore, OccupancyArraysGrowByTheRule)
{
    std::vector<int32_t> capacities;
    for (int32_t nRow = 1; nRow <= 9300; nRow++) {
        EngineStoreNumber(m_h, nRow, 0, nRow);
        if (capacities.empty() || capacities.back() != Sheet().nRowCapacity)
            capacities.push_back(Sheet().nRowCapacity);
    }
    // by 4 below 32, by an eighth up to 8199, by 1024 from 8200 on
    const std::vector<int32_t> first = {4, 8, 12, 16, 20, 24, 28, 32, 36, 40, 45, 50, 56, 63};
    EXPECT_EQ(std::vector<int32_t>(capacities.begin(), capacities.begin() + int(first.size())), first);
    const std::vector<int32_t> last = {6522, 7337, 8254, 9278, 10302};
    EXPECT_EQ(std::vector<int32_t>(capacities.end() - int(last.size()), capacities.end()), last);
    EXPECT_EQ(Sheet().nColCapacity, 4);

    // one step never falls short of the size needed
    EngineStoreNumber(m_h, 1, 4000, 0);
    EXPECT_EQ(Sheet().nColCapacity, 4001);
}
