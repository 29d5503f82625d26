// Fuzzes the CSV project reader with the separator ';' and the decimal symbol ','. A project that
// reads and is saved again reads back to the same tables (the empty cells that a last line cut short
// leaves are saved as 0).
#include "FakeShell.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CZQInterfaceData project;
    FakeShell shell(&project);
    if (!project.ReadCsvBytes(FuzzInput(data, size), ',', ';'))
        return 0;
    FuzzCheck(project.AlternativesTable.size() + 1 == project.EvaluationsTable.size(), "one row per alternative");

    std::string saved;
    if (!project.WriteCsvBytes(&saved, ',', ';'))
        return 0;  // refused: a name holds a carriage return
    CZQInterfaceData copy;
    FakeShell copyShell(&copy);
    FuzzCheck(copy.ReadCsvBytes(saved, ',', ';') == 1, "a saved CSV file reads back");
    FuzzCheck(FuzzTableText(copy.CriteriaTable) == FuzzTableText(project.CriteriaTable), "criteria read back");
    ZQTable expected = project.EvaluationsTable;
    for (size_t r = 1; r < expected.size(); ++r) {
        for (size_t c = 1; c < expected[r].size(); ++c) {
            if (expected[r][c].IsEmpty())
                expected[r][c] = "0";
        }
    }
    FuzzCheck(FuzzTableText(copy.EvaluationsTable) == FuzzTableText(expected),
              "evaluations read back");
    return 0;
}
