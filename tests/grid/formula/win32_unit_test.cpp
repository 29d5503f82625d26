// The formula engine's headers in a Win32 translation unit: they compile beside windows.h (no Win32
// macro renames an engine name) and the engine works the same inside the Win32 process.
#include "wine_gtest.h"
#include <windows.h>

#include "grid/formula/GXCellPool.h"
#include "grid/formula/GXCellRangeRef.h"
#include "grid/formula/GXCompiledFormula.h"
#include "grid/formula/GXEngineCells.h"
#include "grid/formula/GXEngineMemory.h"
#include "grid/formula/GXEngineSheet.h"
#include "grid/formula/GXEngineState.h"
#include "grid/formula/GXEvalValue.h"
#include "grid/formula/GXFormulaErrors.h"
#include "grid/formula/GXFormulaEvaluator.h"
#include "grid/formula/GXFormulaFunctions.h"
#include "grid/formula/GXFormulaParser.h"
#include "grid/formula/GXFormulaPrinter.h"
#include "grid/formula/GXFormulaScanner.h"
#include "grid/formula/GXRangeNames.h"
#include "grid/formula/GXRecalculation.h"
#include "grid/formula/GXTextEscapes.h"

TEST(FormulaEngineInWin32Unit, CellsNamesAndTokens)
{
    const SheetHandle h = EngineCreateSheet();
    EngineCell* pCell = EngineStoreText(h, 2, 1, "a\\tb and more");
    ASSERT_NE(pCell, nullptr);
    EXPECT_STREQ(EngineCellText(pCell), "a\tb and more");
    CellRangeRef ref;
    ASSERT_TRUE(EngineParseReference("$B2..A$1", &ref));
    EXPECT_STREQ(EngineReferenceText(ref), "A$1..$B2");
    EXPECT_TRUE(EngineDefineName(h, "Sales", ref));
    EXPECT_TRUE(EngineSetOption(h, kOptionIterationLimit, 100));
    EXPECT_STREQ(EngineErrorText(227), "undefined function");

    ScanSetInput("A1..B2+@f");
    EXPECT_EQ(ScanNextToken().nType, kTokCellName);
    EXPECT_EQ(ScanNextToken().nType, kTokRange);
    EXPECT_EQ(ScanNextToken().nPosition, 4);

    EngineStoreNumber(h, 1, 0, 20);
    EngineCell* pSum = EngineStoreFormula(h, 1, 1, "=(A1*2)&0xFF;A1>1//note");
    ASSERT_NE(pSum, nullptr);
    EXPECT_STREQ(EnginePrintFormula(pSum->pFormula), "=(A1*2)&0xFF;A1>1//note");
    EngineSetOption(h, kOptionRecalcMethod, 1);
    EngineRecalculate(h);
    EXPECT_EQ(pSum->value.dNumber, 40);

    EngineResetProcessState();
    EXPECT_EQ(EngineTrackedBlockCount(), 0);
}
