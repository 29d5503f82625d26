// Fuzzes the XML project reader. A file that reads must also save, unless a criterion bears the
// information attribute's name (the writer refuses it: its values would read back as the
// information texts), and the saved file must read back to the same project, with one exception the
// format cannot help: the writer leaves out a number of segments below 1, which then reads back as
// the default.
#include "FakeShell.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CZQInterfaceData project;
    FakeShell shell(&project);
    if (!project.ReadXmlBytes(FuzzInput(data, size)))
        return 0;
    FuzzCheck(shell.modified == 0, "a read clears the modified flag");

    bool reservedName = false;
    for (const ZQRow& criterion : project.CriteriaTable)
        reservedName = reservedName || project.IsReservedCriterionName(ProjectCell(criterion, 0));
    std::string saved;
    FuzzCheck(project.WriteXmlBytes(&saved) == (reservedName ? 0 : 1),
              "a project read from XML saves as XML unless a criterion bears a reserved name");
    if (reservedName)
        return 0;
    CZQInterfaceData copy;
    FakeShell copyShell(&copy);
    FuzzCheck(copy.ReadXmlBytes(saved) == 1, "a saved XML file reads back");
    FuzzCheck(FuzzTableText(copy.CriteriaTable, 3) == FuzzTableText(project.CriteriaTable, 3), "criteria read back");
    FuzzCheck(FuzzTableText(copy.ScaleValuesTable) == FuzzTableText(project.ScaleValuesTable), "scales read back");
    FuzzCheck(FuzzTableText(copy.AlternativesTable) == FuzzTableText(project.AlternativesTable),
              "alternatives read back");
    FuzzCheck(FuzzTableText(copy.EvaluationsTable) == FuzzTableText(project.EvaluationsTable),
              "evaluations read back");
    return 0;
}
