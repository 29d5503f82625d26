// The formula sheet without a window: coordinates, formula entry and its messages, what typed texts
// become, value and edit texts, cell styles, structural changes with their undo records, named ranges,
// options, the stored form (with a table of broken archives) and copies.
#include "control_test_support.h"

#include "ArchiveTestSupport.h"

#include "grid/formula/GXEngineCells.h"
#include "grid/formula/GXEngineState.h"
#include "grid/formula/GXFormulaFunctions.h"
#include "grid/formula/GXFormulaPrinter.h"
#include "grid/formula/GXFormulaSheet.h"
#include "grid/ops/GXOperations.h"

#include <cstring>
#include <string>

namespace {

// A function table of one function, NA, without an entry point (it gives "not available").
class NaTable : public GXFunctionTable {
public:
    const GXFunctionDesc* Lookup(const char* pszUpperName) const override
    {
        static const GXFunctionDesc kNa = {"NA", nullptr, 0, nullptr};
        return std::strcmp(pszUpperName, "NA") == 0 ? &kNa : nullptr;
    }
};

class FormulaSheet : public ::testing::Test {
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
    void TearDown() override { EngineInstallFunctionTable(nullptr); }

    static std::string Value(CGXFormulaSheet& sheet, ROWCOL nRow, ROWCOL nCol)
    {
        CString text;
        sheet.GetValueText(nRow, nCol, text);
        return text.GetString();
    }
    static std::string Edit(CGXFormulaSheet& sheet, ROWCOL nRow, ROWCOL nCol)
    {
        CString text;
        sheet.GetFormulaText(nRow, nCol, text);
        return text.GetString();
    }
    static const EngineCell* Engine(const CGXFormulaSheet& sheet, int32_t nRow, int32_t nCol)
    {
        return EngineFindCell(sheet.GetSheetHandle(), nRow, nCol);
    }
};

}  // namespace

TEST_F(FormulaSheet, GridColumnOneIsEngineColumnZeroAndHeadersStayWithTheBase)
{
    CGXFormulaSheet sheet;
    EXPECT_TRUE(sheet.SetNumberValue(3, 1, 7));
    ASSERT_NE(Engine(sheet, 3, 0), nullptr);
    EXPECT_TRUE(sheet.SetNumberValue(1, 4096, 1));
    EXPECT_NE(Engine(sheet, 1, 4095), nullptr);
    EXPECT_FALSE(sheet.SetNumberValue(1, 4097, 1));
    EXPECT_FALSE(sheet.SetNumberValue(8388608, 1, 1));
    EXPECT_FALSE(sheet.SetFormulaText(8388608, 1, "=1"));
    EXPECT_FALSE(sheet.SetEnteredText(1, 4097, "x"));

    // row 0 and column 0 are the base class's
    EXPECT_TRUE(sheet.StoreCellStyle(0, 2, &CGXStyle().SetValue("head"), CGXStyle::gxOverride, 0));
    EXPECT_TRUE(sheet.StoreCellStyle(2, 0, &CGXStyle().SetValue("side"), CGXStyle::gxOverride, 0));
    EXPECT_EQ(Engine(sheet, 1, 1), nullptr);
    EXPECT_EQ(StoredValue(sheet, 0, 2), "head");
    EXPECT_EQ(StoredValue(sheet, 2, 0), "side");
    EXPECT_EQ(EngineGetSheet(sheet.GetSheetHandle())->nCellCount, 2);
    EXPECT_EQ(StoredValue(sheet, 3, 1), "7");
    EXPECT_EQ(StoredValue(sheet, 4, 1), "-");
}

TEST_F(FormulaSheet, FormulaEntryAndItsMessage)
{
    CGXFormulaSheet sheet;
    EXPECT_FALSE(sheet.SetFormulaText(1, 1, "1+2"));
    EXPECT_FALSE(sheet.SetFormulaText(1, 1, nullptr));

    sheet.GetEngineContext();
    CString message;
    EXPECT_FALSE(sheet.GetEngineMessageText(message));
    EXPECT_FALSE(sheet.SetFormulaText(1, 1, "=SUM(A1)"));
    EXPECT_TRUE(sheet.GetEngineMessageText(message));
    EXPECT_EQ(message, "Cell A1: ERROR: undefined function (Pos 1)");
    EXPECT_EQ(Engine(sheet, 1, 0), nullptr);
    sheet.ResetEngineError();
    EXPECT_FALSE(sheet.GetEngineMessageText(message));

    EXPECT_TRUE(sheet.SetFormulaText(2, 3, "=1+2"));
    const EngineCell* pCell = Engine(sheet, 2, 2);
    ASSERT_NE(pCell, nullptr);
    EXPECT_EQ(pCell->Type(), kCellConstFormula);
    EXPECT_EQ(Value(sheet, 2, 3), "3");
    EXPECT_EQ(Edit(sheet, 2, 3), "=1+2");

    CString text;
    EXPECT_TRUE(sheet.EvaluateExpression(text, "=2*C2"));
    EXPECT_EQ(text, "6");
    EXPECT_FALSE(sheet.EvaluateExpression(text, "=2*"));
    EXPECT_EQ(text.Left(7), "ERROR: ");
}

TEST_F(FormulaSheet, WhatTypedTextsBecome)
{
    struct Case {
        const char* pszTyped;
        UINT nFormatBefore;       // the cell's format before (0: none)
        std::string value;        // the value text afterwards
        std::string edit;         // the edit text afterwards
        uint32_t nType;           // the engine cell's type
        UINT nFormatAfter;
        UINT nPlacesAfter;
    };
    const Case cases[] = {
        {"", 0, "", "", kCellText, 0, 0},
        {"12.5", 0, "12.5", "12.5", kCellNumber, 0, 0},
        {"12.5", 11, "12.5", "12.5", kCellNumber, 3, 15},
        {"(1,234.50)", 0, "-1234.5", "-1234.5", kCellNumber, 0, 0},
        {"$12", 0, "12", "12", kCellNumber, 0, 0},
        {"4", 18, "4", "4", kCellNumber, 3, 15},
        {"'=1+2", 0, "=1+2", "'=1+2", kCellText, 0, 0},
        {"=A1*2", 0, "0", "=A1*2", kCellFormula, 0, 0},
        {"29.02.2000", 0, "36585", "29.2.2000", kCellNumber, 11, 0},
        {"1.1.1999 13:30", 0, "36161.5625", "1.1.1999 13:30:00", kCellNumber, 18, 0},
        {"13:30", 0, "0.5625", "13:30:00", kCellNumber, 13, 0},
        {"29.02.2000", 9, "36585", "29-Feb", kCellNumber, 9, 2},
        {"hello", 0, "hello", "'hello", kCellText, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszTyped);
        CGXFormulaSheet sheet;
        sheet.SetBlankCellsAsZero(1);
        if (c.nFormatBefore != 0)
            sheet.SetNumberFormat(2, 2, c.nFormatBefore, 2);
        EXPECT_TRUE(sheet.SetEnteredText(2, 2, c.pszTyped));
        EXPECT_EQ(Value(sheet, 2, 2), c.value);
        EXPECT_EQ(Edit(sheet, 2, 2), c.edit);
        const EngineCell* pCell = Engine(sheet, 2, 1);
        ASSERT_NE(pCell, nullptr);
        EXPECT_EQ(pCell->Type(), c.nType);
        UINT nPlaces = 0;
        EXPECT_EQ(sheet.GetNumberFormat(2, 2, &nPlaces), c.nFormatAfter);
        EXPECT_EQ(nPlaces, c.nPlacesAfter);
    }
    CGXFormulaSheet sheet;
    sheet.SetEnteredText(1, 1, "");
    EXPECT_EQ(Engine(sheet, 1, 0)->ValueKind(), kValueEmpty);

    // no function table: "#n/a" is the formula =NA(), refused like any function call
    sheet.GetEngineContext();
    EXPECT_FALSE(sheet.SetEnteredText(1, 1, "#n/a"));
    CString message;
    EXPECT_TRUE(sheet.GetEngineMessageText(message));
    EXPECT_EQ(message, "Cell A1: ERROR: undefined function (Pos 1)");
    EngineInstallFunctionTable(new NaTable);
    EXPECT_TRUE(sheet.SetEnteredText(1, 1, "#n/a"));
    EXPECT_EQ(Edit(sheet, 1, 1), "=NA()");
    EXPECT_EQ(Value(sheet, 1, 1), "#N/A");
}

TEST_F(FormulaSheet, ValueAndEditTexts)
{
    CGXFormulaSheet sheet;
    sheet.SetBlankCellsAsZero(1);
    sheet.SetFormulaText(1, 1, "=B1+1");
    sheet.SetFormulaText(1, 2, "=A1+1");
    sheet.Recalc(TRUE);
    EXPECT_EQ(Value(sheet, 1, 1), "Cycle!");
    EXPECT_EQ(Value(sheet, 1, 2), "Cycle!");
    EXPECT_TRUE(sheet.SetIterationLimit(3));
    sheet.Recalc(TRUE);
    double d = 0;
    EXPECT_TRUE(sheet.GetNumberValue(1, 1, d));
    EXPECT_NE(d, 0);
    CString expected;
    expected.Format("%.14g", d);
    EXPECT_EQ(Value(sheet, 1, 1), expected.GetString());

    sheet.SetFormulaText(2, 1, "=1/0");
    EXPECT_EQ(Value(sheet, 2, 1), "Error!");
    sheet.SetFormulaText(3, 1, "=1/3");
    EXPECT_EQ(Value(sheet, 3, 1), "0.33333333333333");
    EXPECT_EQ(Edit(sheet, 3, 1), "=1/3");
    sheet.SetTextValue(4, 1, "a\\tb");
    EXPECT_EQ(Value(sheet, 4, 1), "a\tb");
    EXPECT_EQ(Edit(sheet, 4, 1), "'a\tb");
    sheet.SetNumberValue(5, 1, 36585);
    sheet.SetNumberFormat(5, 1, 11, 0);
    EXPECT_EQ(Edit(sheet, 5, 1), "29.2.2000") << "the locale's date";
    EXPECT_EQ(Value(sheet, 6, 1), "");
    EXPECT_EQ(Edit(sheet, 6, 1), "");
}

TEST_F(FormulaSheet, StoringAndFetchingStyles)
{
    CGXFormulaSheet sheet;
    CGXStyle bold;
    bold.SetFormat(5).SetValue("=1+2");
    // kind 1 interprets the text; the other attributes become the cell's own style
    EXPECT_TRUE(sheet.StoreCellStyle(1, 1, &bold, CGXStyle::gxOverride, CGXData::gxCellValue));
    CGXStyle style;
    ASSERT_TRUE(sheet.GetCellStyle(1, 1, style, CGXStyle::gxCopy, CGXData::gxCellValue));
    EXPECT_EQ(style.GetValueRef(), "=1+2");
    EXPECT_EQ(style.GetValueType(), 2u);
    EXPECT_EQ(style.GetFormat(), 5u);
    ASSERT_TRUE(sheet.GetCellStyle(1, 1, style, CGXStyle::gxCopy, CGXData::gxCellStyle));
    EXPECT_EQ(style.GetValueRef(), "3");
    EXPECT_EQ(style.GetValueType(), UINT(CGXStyle::gxValueNumber));
    EXPECT_FALSE(sheet.GetCellStyle(2, 1, style, CGXStyle::gxCopy, 0));

    // kind 0 stores the text as it stands; a number value as a number
    sheet.StoreCellStyle(2, 1, &CGXStyle().SetValue("=1+2"), CGXStyle::gxOverride, CGXData::gxCellStyle);
    EXPECT_EQ(Value(sheet, 2, 1), "=1+2");
    CGXStyle number;
    number.SetValue("2.5").SetValueType(CGXStyle::gxValueNumber);
    sheet.StoreCellStyle(3, 1, &number, CGXStyle::gxOverride, CGXData::gxCellStyle);
    EXPECT_EQ(Engine(sheet, 3, 0)->Type(), kCellNumber);
    sheet.SetFormulaText(4, 1, "=1/0");
    ASSERT_TRUE(sheet.GetCellStyle(4, 1, style, CGXStyle::gxCopy, 0));
    EXPECT_EQ(style.GetValueType(), 3u);

    // mode 2: a value alone drops the own style, an empty style removes the cell
    sheet.StoreCellStyle(1, 1, &CGXStyle().SetValue("7"), CGXStyle::gxCopy, CGXData::gxCellValue);
    EXPECT_EQ(sheet.GetNumberFormat(1, 1), 0u);
    EXPECT_EQ(Value(sheet, 1, 1), "7");
    const CGXStyle empty;
    sheet.StoreCellStyle(1, 1, &empty, CGXStyle::gxCopy, 0);
    EXPECT_EQ(Engine(sheet, 1, 0), nullptr);
    // mode 3: excluding the value empties it; a cell without a style goes
    sheet.StoreCellStyle(2, 1, &CGXStyle().SetValue(""), CGXStyle::gxExclude, 0);
    EXPECT_EQ(Engine(sheet, 2, 0), nullptr);
    sheet.SetNumberFormat(3, 1, 4, 1);
    sheet.StoreCellStyle(3, 1, &CGXStyle().SetValue(""), CGXStyle::gxExclude, 0);
    ASSERT_NE(Engine(sheet, 3, 0), nullptr);
    EXPECT_EQ(Engine(sheet, 3, 0)->ValueKind(), kValueEmpty);
    // mode 4 and a null style remove the cell
    sheet.StoreCellStyle(3, 1, &empty, 4, 0);
    EXPECT_EQ(Engine(sheet, 3, 0), nullptr);
    sheet.StoreCellStyle(4, 1, nullptr, CGXStyle::gxOverride, 0);
    EXPECT_EQ(Engine(sheet, 4, 0), nullptr);
}

TEST_F(FormulaSheet, StructureAdjustsFormulasThenTheBaseArrays)
{
    CGXFormulaSheet sheet;
    sheet.SetRowCount(20);
    sheet.SetColCount(5);
    sheet.StoreCellStyle(5, 0, &CGXStyle().SetValue("row 5"), CGXStyle::gxOverride, 0);
    sheet.SetNumberValue(5, 1, 4);
    sheet.SetFormulaText(1, 3, "=A5*2");
    sheet.InsertRows(3, 2);
    EXPECT_EQ(Edit(sheet, 1, 3), "=A7*2");
    EXPECT_EQ(Value(sheet, 1, 3), "8");
    EXPECT_EQ(StoredValue(sheet, 7, 0), "row 5");
    EXPECT_EQ(sheet.GetRowCount(), 22u);
    sheet.InsertCols(1, 1);
    EXPECT_EQ(Edit(sheet, 1, 4), "=B7*2");
    sheet.RemoveCols(1, 1);
    sheet.MoveRows(7, 7, 2);
    EXPECT_EQ(Edit(sheet, 1, 3), "=A2*2");
    EXPECT_EQ(StoredValue(sheet, 2, 0), "row 5");
    sheet.MoveCols(1, 1, 2);
    EXPECT_EQ(Edit(sheet, 1, 3), "=B2*2");
    EXPECT_EQ(Value(sheet, 1, 3), "8");
    delete sheet.DetachUndoInfo();

    // copies recalculate their destination
    sheet.SetNumberValue(3, 2, 10);
    sheet.CopyCells(CGXCellRange(1, 3, 1, 3), 2, 3);
    EXPECT_EQ(Edit(sheet, 2, 3), "=B3*2");
    EXPECT_EQ(Value(sheet, 2, 3), "20");

    // sorting rows 2..3 turns them round; the single-cell references follow their cells
    CDWordArray moveMap;
    moveMap.Add(1);
    moveMap.Add(0);
    EXPECT_TRUE(sheet.ReorderRowsAfterSort(CGXCellRange().SetRows(2, 3), moveMap));
    EXPECT_EQ(Value(sheet, 2, 2), "10");
    EXPECT_EQ(Edit(sheet, 1, 3), "=B3*2");
    EXPECT_EQ(Edit(sheet, 3, 3), "=B2*2");
    moveMap.SetAt(1, 1);
    EXPECT_FALSE(sheet.ReorderRowsAfterSort(CGXCellRange().SetRows(2, 3), moveMap));
}

TEST_F(FormulaSheet, UndoRecordsPutTheCellsBack)
{
    CGXFormulaSheet sheet;
    sheet.SetRowCount(20);
    sheet.SetColCount(5);
    sheet.SetNumberValue(2, 1, 2);
    sheet.SetNumberValue(3, 1, 3);
    sheet.SetNumberValue(10, 1, 10);
    sheet.SetFormulaText(1, 3, "=A10");
    EXPECT_EQ(sheet.DetachUndoInfo(), nullptr);

    // removed rows are recorded whatever the option word says
    sheet.RemoveRows(2, 3);
    EXPECT_EQ(Edit(sheet, 1, 3), "=A8");
    std::unique_ptr<CGXUndoEngineCellsInfo> pRemoved(sheet.DetachUndoInfo());
    ASSERT_NE(pRemoved, nullptr);
    EXPECT_EQ(sheet.DetachUndoInfo(), nullptr);
    sheet.InsertRows(2, 2);
    EXPECT_EQ(Edit(sheet, 1, 3), "=A10");
    EXPECT_TRUE(sheet.ApplyUndoInfo(pRemoved.get(), 0, FALSE));
    EXPECT_EQ(Value(sheet, 2, 1), "2");
    EXPECT_EQ(Value(sheet, 3, 1), "3");
    EXPECT_EQ(Value(sheet, 1, 3), "10");
    CGXUndoEngineCellsInfo other;
    EXPECT_FALSE(sheet.ApplyUndoInfo(&other, 0, FALSE));

    // a copy over cells, undone: the copy goes, the cells come back
    sheet.SetEngineOption(1);
    sheet.CopyCells(CGXCellRange(2, 1, 3, 1), 10, 1);
    EXPECT_EQ(Value(sheet, 10, 1), "2");
    std::unique_ptr<CGXUndoEngineCellsInfo> pCopy(sheet.DetachUndoInfo());
    ASSERT_NE(pCopy, nullptr);
    EXPECT_TRUE(sheet.ApplyUndoInfo(pCopy.get(), 1, FALSE));
    EXPECT_EQ(Value(sheet, 10, 1), "10");
    EXPECT_EQ(Value(sheet, 11, 1), "");
    // what the undo overwrote is the record's list now (for the redo)
    const auto* pInfo = static_cast<CGXFormulaUndoInfo*>(pCopy.get());
    ASSERT_NE(pInfo->m_pCellsBefore, nullptr);

    // a move with an undo object gives back both lists, and moving back with it restores
    sheet.SetNumberValue(5, 2, 5);
    sheet.SetFormulaText(6, 4, "=B5+A2");
    CObject* pMove = nullptr;
    EXPECT_TRUE(sheet.MoveCells(CGXCellRange(2, 1, 2, 1), 5, 2, pMove, TRUE));
    std::unique_ptr<CObject> owner(pMove);
    auto* pMoveInfo = dynamic_cast<CGXFormulaUndoInfo*>(pMove);
    ASSERT_NE(pMoveInfo, nullptr);
    EXPECT_EQ(Value(sheet, 5, 2), "2");
    EXPECT_EQ(Edit(sheet, 6, 4), "=B5+B5");
    int nSaved = 0;
    for (const EngineCell* p = pMoveInfo->m_pCellsBefore; p != nullptr; p = p->pNext)
        nSaved++;
    EXPECT_EQ(nSaved, 2);  // B5 overwritten, D6 rewritten
    EXPECT_TRUE(sheet.MoveCells(CGXCellRange(5, 2, 5, 2), 2, 1, pMove, FALSE));
    EXPECT_EQ(Value(sheet, 2, 1), "2");
    EXPECT_EQ(Value(sheet, 5, 2), "5");
    EXPECT_EQ(Edit(sheet, 6, 4), "=B5+A2");
    EXPECT_EQ(Value(sheet, 6, 4), "7");
}

TEST_F(FormulaSheet, NamedRanges)
{
    CGXFormulaSheet sheet;
    EXPECT_TRUE(sheet.SetRangeName("Price", CGXCellRange(2, 2, 2, 2), nullptr));
    EXPECT_TRUE(sheet.SetRangeName("Table", CGXCellRange(1, 1, 4, 3), nullptr));
    CStringArray names;
    sheet.GetRangeNameList(names);
    ASSERT_EQ(names.GetSize(), 2);
    EXPECT_EQ(names[0], "Price=B2");
    EXPECT_EQ(names[1], "Table=A1..C4");
    CGXCellRange range;
    EXPECT_TRUE(sheet.GetRangeName("price", range));
    EXPECT_EQ(range.top, 2u);
    EXPECT_EQ(range.left, 2u);
    EXPECT_FALSE(sheet.GetRangeName("Missing", range));

    CStringArray entries;
    entries.Add("Tax=$C$3");
    entries.Add("=A1");
    entries.Add("Odd=A1=B2");
    EXPECT_FALSE(sheet.SetRangeNameList(entries));
    EXPECT_TRUE(sheet.GetRangeName("Tax", range));
    EXPECT_EQ(range.left, 3u);
    EXPECT_FALSE(sheet.GetRangeName("Odd", range));

    // deleting with an undo record, and undoing it
    sheet.SetNumberValue(2, 2, 4);
    sheet.SetFormulaText(5, 1, "=Price*2");
    CGXFormulaUndoInfo info;
    EXPECT_TRUE(sheet.DeleteRangeName("Price", &info, TRUE));
    EXPECT_FALSE(sheet.GetRangeName("Price", range));
    EXPECT_EQ(Edit(sheet, 5, 1), "=B2*2");
    EXPECT_FALSE(sheet.DeleteRangeName("Price", &info, TRUE));
    EXPECT_TRUE(sheet.SetRangeName("Price", CGXCellRange(2, 2, 2, 2), &info));
    EXPECT_TRUE(sheet.GetRangeName("Price", range));
    EXPECT_EQ(Edit(sheet, 5, 1), "=Price*2");
    EXPECT_EQ(Value(sheet, 5, 1), "8");
}

TEST_F(FormulaSheet, Options)
{
    CGXFormulaSheet sheet;
    EXPECT_TRUE(sheet.SetIterationLimit(100));
    EXPECT_FALSE(sheet.SetIterationLimit(101));
    EXPECT_EQ(sheet.GetIterationLimit(), 100u);
    EXPECT_TRUE(sheet.SetBlankCellsAsZero(1));
    EXPECT_FALSE(sheet.SetBlankCellsAsZero(2));
    EXPECT_EQ(sheet.GetBlankCellsAsZero(), 1u);
    EXPECT_TRUE(sheet.SetRecalcMode(1));
    EXPECT_FALSE(sheet.SetRecalcMode(2));
    EXPECT_EQ(sheet.GetRecalcMode(), 1u);
    EXPECT_TRUE(sheet.SetRecalcMethod(1));
    EXPECT_EQ(sheet.GetRecalcMethod(), 1u);
    EXPECT_TRUE(sheet.SetConstraintCheck(1));
    EXPECT_FALSE(sheet.SetConstraintCheck(3));
    EXPECT_EQ(sheet.GetConstraintCheck(), 1u);
    EXPECT_EQ(sheet.SetEngineOption(1), FALSE);
    EXPECT_EQ(sheet.SetEngineOption(0), TRUE);

    // manual mode: nothing is recalculated until forced
    sheet.SetNumberValue(1, 1, 1);
    sheet.SetFormulaText(1, 2, "=A1+1");
    sheet.SetNumberValue(1, 1, 5);
    sheet.AddRecalcRange(CGXCellRange(1, 1, 1, 1));
    sheet.Recalc(FALSE);
    EXPECT_EQ(Value(sheet, 1, 2), "2");
    sheet.Recalc(TRUE);
    EXPECT_EQ(Value(sheet, 1, 2), "6");
}

namespace {

// Writes the stored form of a sheet by hand: the header with the options and names, the cells as
// raw bytes (each cell written by cell()), and the end marker unless bEnd is false.
Bytes SheetBytes(const std::function<void(CArchive&)>& cells, uint16_t nSchema = 1, uint16_t nIterations = 0,
                 bool bEnd = true)
{
    return StoreBytes([&](CArchive& ar) {
        ar << nSchema;
        CGXData().Serialize(ar);
        ar << nIterations << uint16_t(0) << uint16_t(0) << uint16_t(0) << uint16_t(0);
        CStringArray names;
        names.Serialize(ar);
        cells(ar);
        if (bEnd)
            ar << uint8_t(0);
    });
}

// One cell record: type, value kind, flag byte, engine row and column, no style, then the rest.
void CellRecord(CArchive& ar, uint8_t nType, uint8_t nKind, uint32_t nRow, uint32_t nCol)
{
    ar << uint8_t(1) << nType << nKind << uint8_t(0) << nRow << nCol;
    ar << static_cast<const CObject*>(nullptr);
}

}  // namespace

TEST_F(FormulaSheet, ArchiveRoundTrip)
{
    Bytes bytes;
    {
        CGXFormulaSheet sheet;
        sheet.SetRowCount(9);
        sheet.SetColCount(4);
        sheet.SetIterationLimit(7);
        sheet.SetBlankCellsAsZero(1);
        sheet.SetRecalcMethod(1);
        sheet.SetRangeName("Price", CGXCellRange(2, 2, 2, 2), nullptr);
        sheet.SetNumberValue(2, 2, 4);
        sheet.SetTextValue(3, 1, "a long text of some length");
        sheet.SetFormulaText(4, 1, "=Price*2");
        sheet.SetFormulaText(5, 1, "=1/0");
        sheet.SetNumberFormat(4, 1, 5, 2);
        EnginePlaceholder(sheet.GetSheetHandle(), 8, 3);
        bytes = StoreBytes([&](CArchive& ar) { sheet.Serialize(ar); });
    }
    CGXFormulaSheet loaded;
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(loaded.GetRowCount(), 9u);
    EXPECT_EQ(loaded.GetIterationLimit(), 7u);
    EXPECT_EQ(loaded.GetBlankCellsAsZero(), 1u);
    EXPECT_EQ(loaded.GetRecalcMethod(), 1u);
    CStringArray names;
    loaded.GetRangeNameList(names);
    ASSERT_EQ(names.GetSize(), 1);
    EXPECT_EQ(names[0], "Price=B2");
    EXPECT_EQ(Value(loaded, 2, 2), "4");
    EXPECT_EQ(Value(loaded, 3, 1), "a long text of some length");
    EXPECT_EQ(Edit(loaded, 4, 1), "=Price*2");
    EXPECT_EQ(Value(loaded, 4, 1), "8");
    EXPECT_EQ(loaded.GetNumberFormat(4, 1), 5u);
    EXPECT_EQ(Value(loaded, 5, 1), "Error!");
    ASSERT_NE(Engine(loaded, 8, 3), nullptr);
    EXPECT_EQ(Engine(loaded, 8, 3)->Type(), kCellPlaceholder);

    const Bytes otherSchema = SheetBytes([](CArchive&) {}, 2);
    EXPECT_EQ(ArchiveCause([&] { LoadBytes(otherSchema, [&](CArchive& ar) { loaded.Serialize(ar); }); }),
              CArchiveException::badSchema);
}

TEST_F(FormulaSheet, LoadingCutsMendsAndKeepsWhatIsThere)
{
    std::string longFormula = "=1";
    while (longFormula.size() < 600)
        longFormula += "+1";
    const Bytes bytes = SheetBytes([&](CArchive& ar) {
        CellRecord(ar, kCellFormula, kValueNumber, 1, 0);
        ar << CString(longFormula.c_str()) << 3.0;
        // a formula whose name is gone: a text at its place, with its style
        ar << uint8_t(1) << uint8_t(kCellFormula) << uint8_t(kValueNumber) << uint8_t(0) << uint32_t(2)
           << uint32_t(0);
        CGXStyle style;
        style.SetFormat(5);
        ar << static_cast<const CObject*>(&style);
        ar << CString("=Gone*2") << 6.0;
        // a number, then a placeholder at its place: the number stays
        CellRecord(ar, kCellNumber, kValueNumber, 3, 0);
        ar << 9.0;
        CellRecord(ar, kCellPlaceholder, kValueEmpty, 3, 0);
        CellRecord(ar, kCellPlaceholder, kValueEmpty, 4, 0);
    });
    CGXFormulaSheet sheet;
    LoadBytes(bytes, [&](CArchive& ar) { sheet.Serialize(ar); });
    EXPECT_EQ(Value(sheet, 1, 1).size(), 511u);
    EXPECT_EQ(Engine(sheet, 1, 0)->Type(), kCellText);
    EXPECT_EQ(Value(sheet, 2, 1), "=Gone*2");
    EXPECT_EQ(sheet.GetNumberFormat(2, 1), 5u);
    EXPECT_EQ(Value(sheet, 3, 1), "9");
    EXPECT_EQ(Engine(sheet, 4, 0)->Type(), kCellPlaceholder);
}

TEST_F(FormulaSheet, BrokenArchivesLeaveTheSheetEmpty)
{
    struct Case {
        const char* pszName;
        Bytes bytes;
    };
    const Case cases[] = {
        {"iteration limit 101", SheetBytes([](CArchive&) {}, 1, 101)},
        {"cell type 5", SheetBytes([](CArchive& ar) { CellRecord(ar, 5, kValueEmpty, 1, 0); })},
        {"value kind 6", SheetBytes([](CArchive& ar) { CellRecord(ar, kCellText, 6, 1, 0); })},
        {"row 0", SheetBytes([](CArchive& ar) { CellRecord(ar, kCellText, kValueEmpty, 0, 0); })},
        {"row 8388608", SheetBytes([](CArchive& ar) { CellRecord(ar, kCellText, kValueEmpty, 8388608, 0); })},
        {"column 4096", SheetBytes([](CArchive& ar) { CellRecord(ar, kCellText, kValueEmpty, 1, 4096); })},
        {"marker 2", SheetBytes([](CArchive& ar) { ar << uint8_t(2); })},
        {"truncated number", SheetBytes([](CArchive& ar) { CellRecord(ar, kCellNumber, kValueNumber, 1, 0); },
                                        1, 0, false)},
        {"no end marker", SheetBytes(
                              [](CArchive& ar) {
                                  CellRecord(ar, kCellNumber, kValueNumber, 1, 0);
                                  ar << 1.0;
                              },
                              1, 0, false)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        CGXFormulaSheet sheet;
        sheet.SetNumberValue(7, 1, 1);
        EXPECT_NE(ArchiveCause([&] { LoadBytes(c.bytes, [&](CArchive& ar) { sheet.Serialize(ar); }); }), -1);
        EXPECT_EQ(EngineGetSheet(sheet.GetSheetHandle())->nCellCount, 0);
        EXPECT_EQ(sheet.GetIterationLimit(), 0u);
    }
}

TEST_F(FormulaSheet, CopiesFromAnotherSheetAndFromPlainData)
{
    CGXFormulaSheet source;
    source.SetRowCount(5);
    source.SetColCount(3);
    source.SetIterationLimit(4);
    source.SetRangeName("Base", CGXCellRange(1, 1, 1, 1), nullptr);
    source.SetNumberValue(1, 1, 3);
    source.SetFormulaText(2, 1, "=Base*2");
    source.SetNumberFormat(2, 1, 5, 1);

    CGXFormulaSheet copy;
    copy.CopyFrom(source);
    copy.CopyFrom(copy);
    EXPECT_EQ(copy.GetRowCount(), 5u);
    EXPECT_EQ(copy.GetIterationLimit(), 4u);
    EXPECT_EQ(Edit(copy, 2, 1), "=Base*2");
    EXPECT_EQ(copy.GetNumberFormat(2, 1), 5u);
    // the copy's formula uses the copy's own name
    copy.SetRangeName("Base", CGXCellRange(3, 1, 3, 1), nullptr);
    copy.SetNumberValue(3, 1, 10);
    copy.Recalc(TRUE);
    EXPECT_EQ(Value(copy, 2, 1), "20");
    EXPECT_EQ(Value(source, 2, 1), "6");

    CGXData plain;
    plain.StoreCellStyle(0, 1, &CGXStyle().SetValue("header"), CGXStyle::gxOverride, 0);
    plain.StoreCellStyle(1, 1, &CGXStyle().SetValue("5"), CGXStyle::gxOverride, 0);
    plain.StoreCellStyle(1, 2, &CGXStyle().SetValue("=A1*2").SetFormat(5), CGXStyle::gxOverride, 0);
    plain.StoreCellStyle(2, 1, &CGXStyle().SetFormat(6), CGXStyle::gxOverride, 0);
    CGXFormulaSheet fromPlain;
    fromPlain.CopyFrom(plain);
    EXPECT_EQ(StoredValue(fromPlain, 0, 1), "header");
    EXPECT_EQ(Engine(fromPlain, 1, 0)->Type(), kCellNumber);
    EXPECT_EQ(Edit(fromPlain, 1, 2), "=A1*2");
    EXPECT_EQ(Value(fromPlain, 1, 2), "10");
    EXPECT_EQ(fromPlain.GetNumberFormat(1, 2), 5u);
    EXPECT_EQ(fromPlain.GetNumberFormat(2, 1), 6u);
    EXPECT_EQ(fromPlain.GetCellStyles().GetRow(1) != nullptr ? fromPlain.GetCellStyles().GetRow(1)->GetStyle(1)
                                                                : nullptr,
              nullptr);
}
