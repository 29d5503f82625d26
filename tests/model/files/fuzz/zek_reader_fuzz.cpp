// Fuzzes the sibling program's binary project reader. A failed read leaves either the project as it
// was or an empty one; a project that reads saves again and reads back with the same shape, unless two
// of its names would read back as one (the file may hold them; the writer refuses them).
#include "FakeShell.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CZQInterfaceData project;
    FakeShell shell(&project);
    project.AddCriterion("before", "", ZQ_KIND_GAIN, 2);
    if (!project.ReadZekBytes(FuzzInput(data, size))) {
        FuzzCheck(project.CriteriaTable.size() <= 1 && project.AlternativesTable.empty() &&
                      project.EvaluationsTable.size() == 1,
                  "a failed read leaves the project as it was or empty");
        return 0;
    }
    FuzzCheck(project.AlternativesTable.size() + 1 == project.EvaluationsTable.size(), "one row per alternative");

    CString (*upper)(const CString&) = [](const CString& name) {
        CString text = name;
        return text.MakeUpper();
    };
    const bool namesRepeat =
        HasDuplicateKey(project.AlternativesTable) || HasDuplicateKey(project.CriteriaTable, 1, upper);
    std::string saved;
    FuzzCheck((project.WriteZekBytes(&saved) != 0) == !namesRepeat,
              "a project read from a ZEK file saves as one unless two names would read back as one");
    if (namesRepeat)
        return 0;
    CZQInterfaceData copy;
    FakeShell copyShell(&copy);
    FuzzCheck(copy.ReadZekBytes(saved) != 0, "a saved ZEK file reads back");
    FuzzCheck(copy.CriteriaTable.size() == project.CriteriaTable.size() &&
                  copy.AlternativesTable.size() == project.AlternativesTable.size(),
              "the saved file has the same criteria and alternatives");
    return 0;
}
