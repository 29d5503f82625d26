// Fuzzes the XML project reader. A file that reads must also save, and the saved file must read
// back to the same project, with two exceptions the format cannot help: the writer leaves out a
// number of segments below 1, which then reads back as the default, and a criterion named as the
// information attribute has its values read back as the alternatives' information too.
#include "FakeShell.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CZQInterfaceData project;
    FakeShell shell(&project);
    if (!project.ReadXmlBytes(FuzzInput(data, size)))
        return 0;
    FuzzCheck(shell.modified == 0, "a read clears the modified flag");

    std::string saved;
    FuzzCheck(project.WriteXmlBytes(&saved) == 1, "a project read from XML saves as XML");
    CZQInterfaceData copy;
    FakeShell copyShell(&copy);
    FuzzCheck(copy.ReadXmlBytes(saved) == 1, "a saved XML file reads back");
    FuzzCheck(FuzzTableText(copy.CriteriaTable, 3) == FuzzTableText(project.CriteriaTable, 3), "criteria read back");
    FuzzCheck(FuzzTableText(copy.ScaleValuesTable) == FuzzTableText(project.ScaleValuesTable), "scales read back");
    const bool infoIsCriterion = project.GetCriterionKind(shell.infoAttributeId) != ZQ_KIND_OTHER;
    FuzzCheck(FuzzTableText(copy.AlternativesTable, infoIsCriterion ? 1 : -1) ==
                  FuzzTableText(project.AlternativesTable, infoIsCriterion ? 1 : -1),
              "alternatives read back");
    FuzzCheck(FuzzTableText(copy.EvaluationsTable) == FuzzTableText(project.EvaluationsTable),
              "evaluations read back");
    return 0;
}
