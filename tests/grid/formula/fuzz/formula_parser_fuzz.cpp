// Fuzzes the formula parser on a sheet with a few cells, two names and two functions. A text that
// parses prints back to a text that parses again and prints the same (unless the print was cut at
// its limit); its value and constraint evaluate, and it recalculates stored in a cell among the
// others; and nothing is left allocated once the sheet is released.
#include "FuzzCheck.h"

#include "grid/formula/GXEngineCells.h"
#include "grid/formula/GXEngineMemory.h"
#include "grid/formula/GXEngineState.h"
#include "grid/formula/GXFormulaEvaluator.h"
#include "grid/formula/GXFormulaFunctions.h"
#include "grid/formula/GXFormulaParser.h"
#include "grid/formula/GXFormulaPrinter.h"
#include "grid/formula/GXRangeNames.h"
#include "grid/formula/GXRecalculation.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// F sums its numbers; G takes a cell or range by reference and has no entry point.
void Sum(const GXFunctionCall& call, EvalValue* pResult)
{
    double dSum = 0;
    for (int32_t i = 0; i < call.nArgs; i++)
        dSum += call.pArgs[i].u.dNumber;
    pResult->nKind = kEvalNumber;
    pResult->u.dNumber = dSum;
}

constexpr GXFunctionParam kNumbers[] = {{0, kParamRepeats}};
constexpr GXFunctionParam kByReference[] = {{3, kParamByReference}};
constexpr GXFunctionDesc kSum = {"F", Sum, 1, kNumbers};
constexpr GXFunctionDesc kNoEntry = {"G", nullptr, 1, kByReference};

class Functions : public GXFunctionTable {
public:
    const GXFunctionDesc* Lookup(const char* pszUpperName) const override
    {
        if (std::strcmp(pszUpperName, "F") == 0)
            return &kSum;
        return std::strcmp(pszUpperName, "G") == 0 ? &kNoEntry : nullptr;
    }
};

CellRangeRef Reference(const char* psz)
{
    CellRangeRef ref = {};
    EngineParseReference(psz, &ref);
    return ref;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // the scanner echoes line breaks to the standard output
    return std::freopen("/dev/null", "w", stdout) != nullptr ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);  // read up to a first 0 byte
    EngineInstallFunctionTable(new Functions);
    const SheetHandle h = EngineCreateSheet();
    EngineSetOption(h, kOptionRecalcMethod, 1);
    EngineSetOption(h, kOptionIterationLimit, 3);
    EngineSetOption(h, kOptionConstraintCheck, 1);
    EngineStoreNumber(h, 1, 0, 2);
    EngineStoreText(h, 1, 1, "text");
    EngineStoreFormula(h, 2, 0, "=B3+1");
    EngineStoreFormula(h, 2, 1, "=1/0");
    EngineDefineName(h, "Total", Reference("B3"));
    EngineDefineName(h, "Sales", Reference("A1..B2"));

    if (CompiledFormula* pFormula = EngineParseFormula(h, text.c_str())) {
        const CString printed = EnginePrintFormula(pFormula);
        if (printed.GetLength() < kFormulaMaxText) {
            CompiledFormula* pAgain = EngineParseFormula(h, printed);
            FuzzCheck(pAgain != nullptr, "a printed formula parses again");
            FuzzCheck(EnginePrintFormula(pAgain) == printed, "a printed formula prints the same again");
            EngineFreeFormula(pAgain);
        }
        for (int16_t nRoot : {pFormula->nValueRoot, pFormula->nConstraintRoot}) {
            EvalValue value = EngineEvaluate(h, 3, 1, pFormula, nRoot);
            EngineFreeEvalValue(&value);
        }
        EngineFreeFormula(pFormula);
        FuzzCheck(EngineStoreFormula(h, 3, 1, text.c_str()) != nullptr, "a formula that parses is stored");
        EngineArmMessage(h);
        EngineRecalculate(h);
    }
    EngineReleaseSheet(h);
    FuzzCheck(EngineTrackedBlockCount() == 0, "nothing is left allocated");
    EngineResetProcessState();
    return 0;
}
