// ondrix_generate_project N FILE: writes the consistent problem of N alternatives and 12 criteria that
// the application benchmark solves (GeneratedProblem.h, the same seed) as a project XML file at FILE,
// for the roads that need a solve of some seconds. Exit 0 when written; 1 with a message otherwise.
#include "BenchShell.h"
#include "GeneratedProblem.h"

#include "core/CException.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const int n = argc == 3 ? std::atoi(argv[1]) : 0;
    if (n < 10) {
        std::fprintf(stderr, "usage: ondrix_generate_project N FILE (N at least 10)\n");
        return 1;
    }
    const int kCriteria = 12;
    const uint64_t kSeed = 20240611;
    try {
        CZQInterfaceData project;
        BenchShell shell(&project);
        GenerateConsistentProblem(project, n, kSeed + uint64_t(n), kCriteria);
        if (project.SaveProject(argv[2], ZQ_FILE_XML, '.', ';') == 1)
            return 0;
        std::fprintf(stderr, "ondrix_generate_project: cannot write %s\n", argv[2]);
    } catch (CException* e) {
        char message[512] = "";
        e->GetErrorMessage(message, sizeof message);
        e->Delete();
        std::fprintf(stderr, "ondrix_generate_project: %s\n", message);
    }
    return 1;
}
