// The file benchmark: saves generated projects of growing size in each project file format and opens
// them again through the program's own paths (SaveProject to a file; then, as the Open command does,
// the shell's ResetProject and OpenProject, which reads the file and refills the panes through the
// shell), and prints per size and format the seconds of the save and of the open, the file's size, the
// resident memory of the process before the open and its peak during the open.
//
//   ondrix_files_bench [n ...]      (default: 10000 32767 75000 300000 alternatives)
//
// Every project has 12 criteria (every fourth ordinal), an information text on one alternative in
// ten and 20 alternatives in the reference ranking, drawn from a fixed seed (GenerateLargeProject).
// The sibling format holds at most 32767 alternatives: a larger project is refused, which the report
// says. A last XML line shows a project of 10 alternatives, one of them with an information text of
// 16 MB: a single attribute far longer than any piece a reader might take at a time. The last line
// opens an XML file of about 50 MB that holds a project of 10 alternatives among five million
// elements the reader ignores. Each reopened project is checked against the saved one: the same
// tables for XML, the same numbers of alternatives and criteria for the formats that keep less. The
// files go to a scratch folder under TMPDIR (or /tmp), removed at the end.
#include "BenchShell.h"
#include "BenchMain.h"
#include "GeneratedProblem.h"
#include "PeakMemory.h"

#include "core/CException.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const uint64_t kSeed = 20240611;
const int kCriteria = 12;
const int kRanked = 20;

struct Format {
    int type;
    const char* name;
    const char* extension;
};
const Format kFormats[] = {{ZQ_FILE_XML, "XML", "zex"}, {ZQ_FILE_CSV, "CSV", "csv"}, {ZQ_FILE_ZEK, "ZEK", "zek"}};

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Opens the file at path, written in `format` from `project` (n alternatives) in saveSeconds, as the
// Open command does; prints one line. Returns false when the open failed or the reopened project
// differs.
bool OpenAndCompare(const CZQInterfaceData& project, int n, const Format& format, const std::string& path,
                    double saveSeconds)
{
    struct stat st;
    const double megabytes = ::stat(path.c_str(), &st) == 0 ? double(st.st_size) / 1e6 : 0.0;

    CZQInterfaceData copy;
    BenchShell shell(&copy);
    ResetPeakResident();
    const double before = ResidentMegabytes();
    const auto start = std::chrono::steady_clock::now();
    shell.ResetProject();
    const int opened = copy.OpenProject(path.c_str(), format.type, '.', ';');
    const double openSeconds = SecondsSince(start);
    const double peak = PeakResidentMegabytes();

    bool same = opened && copy.AlternativesTable.size() == project.AlternativesTable.size() &&
                copy.CriteriaTable.size() == project.CriteriaTable.size() &&
                shell.GetAlternativeItemCount() == n && shell.CriterionItemCount() == size_t(kCriteria);
    if (format.type == ZQ_FILE_XML)
        same = same && copy.CriteriaTable == project.CriteriaTable &&
               copy.ScaleValuesTable == project.ScaleValuesTable &&
               copy.AlternativesTable == project.AlternativesTable &&
               copy.EvaluationsTable == project.EvaluationsTable;
    std::printf("%8d  %-4s  %9.3f  %9.3f  %8.1f  %8.1f  %8.1f  %s\n", n, format.name, saveSeconds, openSeconds,
                megabytes, before, peak, !opened ? "OPEN FAILED" : same ? "read back" : "DIFFERENT");
    return same;
}

// Saves `project` in `format` to path and opens it again; prints one line. Returns false when the
// save or the open failed where it should not, or the reopened project differs.
bool SaveAndOpen(CZQInterfaceData& project, int n, const Format& format, const std::string& path)
{
    const auto start = std::chrono::steady_clock::now();
    const int saved = project.SaveProject(path.c_str(), format.type, '.', ';');
    const double saveSeconds = SecondsSince(start);
    if (!saved) {
        const bool expected = format.type == ZQ_FILE_ZEK && n > 32767;
        std::printf("%8d  %-4s  %9s  %9s  %8s  %8s  %8s  %s\n", n, format.name, "-", "-", "-", "-", "-",
                    expected ? "refused: the format holds at most 32767 alternatives" : "SAVE FAILED");
        return expected;
    }
    return OpenAndCompare(project, n, format, path, saveSeconds);
}

// Writes `project` as an XML file to path with `ignored` elements <N a="1"/> that the reader passes
// over (10 bytes each) before the closing tag of DATA, and opens it again; prints one line. Returns
// false when the file cannot be written or the open does not give the project back.
bool OpenAmongIgnoredElements(CZQInterfaceData& project, int n, int ignored, const std::string& path)
{
    const auto start = std::chrono::steady_clock::now();
    std::string bytes;
    if (!project.WriteXmlBytes(&bytes))
        AfxThrowInvalidArgFormat("the project of %d alternatives cannot be written as XML", n);
    const size_t close = bytes.rfind("</DATA>");
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        AfxThrowInvalidArgFormat("cannot create %s", path.c_str());
    bool written = std::fwrite(bytes.data(), 1, close, file) == close;
    const std::string element = "<N a=\"1\"/>";
    std::string block;
    for (int i = 0; i < 100000; ++i)
        block += element;
    for (int done = 0; written && done < ignored; done += 100000)
        written = std::fwrite(block.data(), element.size(), size_t(std::min(100000, ignored - done)), file) ==
                  size_t(std::min(100000, ignored - done));
    written = written && std::fwrite(bytes.data() + close, 1, bytes.size() - close, file) == bytes.size() - close;
    written = std::fclose(file) == 0 && written;
    if (!written)
        AfxThrowInvalidArgFormat("cannot write %s", path.c_str());
    return OpenAndCompare(project, n, kFormats[0], path, SecondsSince(start));
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<int> sizes;
    if (!BenchSizes(argc, argv, "ondrix_files_bench", kRanked, {10000, 32767, 75000, 300000}, &sizes))
        return 2;

    const char* tmp = std::getenv("TMPDIR");
    std::string folder = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/ondrix-files-bench-XXXXXX";
    if (::mkdtemp(&folder[0]) == nullptr) {
        std::fprintf(stderr, "ondrix_files_bench: cannot create a scratch folder from %s\n", folder.c_str());
        return 1;
    }

    std::printf("File benchmark: %d criteria (every fourth ordinal), %d ranked alternatives, seed %llu + n\n",
                kCriteria, kRanked, static_cast<unsigned long long>(kSeed));
    std::printf("%8s  %-4s  %9s  %9s  %8s  %8s  %8s  %s\n", "n", "file", "save s", "open s", "MB", "base MB",
                "peak MB", "result");
    int status = 0;
    for (int n : sizes) {
        try {
            CZQInterfaceData project;
            BenchShell shell(&project);
            GenerateLargeProject(project, n, kCriteria, kRanked, kSeed + uint64_t(n));
            for (const Format& format : kFormats) {
                const std::string path = folder + "/project." + format.extension;
                if (!SaveAndOpen(project, n, format, path))
                    status = 1;
                ::unlink(path.c_str());
                std::fflush(stdout);
            }
        } catch (CException* e) {
            BenchReportFailure("ondrix_files_bench", n, e);
            status = 1;
        }
    }
    try {
        CZQInterfaceData project;
        BenchShell shell(&project);
        GenerateLargeProject(project, 10, kCriteria, 2, kSeed);
        project.AlternativesTable[0][1] = CString(std::string(size_t(16) << 20, 'x').c_str());
        std::printf("One information text of 16 MB:\n");
        const std::string path = folder + "/project.zex";
        if (!SaveAndOpen(project, 10, kFormats[0], path))
            status = 1;
        ::unlink(path.c_str());
    } catch (CException* e) {
        BenchReportFailure("ondrix_files_bench", 10, e);
        status = 1;
    }
    try {
        CZQInterfaceData project;
        BenchShell shell(&project);
        GenerateLargeProject(project, 10, kCriteria, 2, kSeed);
        std::printf("Five million elements that the reader ignores:\n");
        const std::string path = folder + "/ignored.zex";
        if (!OpenAmongIgnoredElements(project, 10, 5000000, path))
            status = 1;
        ::unlink(path.c_str());
    } catch (CException* e) {
        BenchReportFailure("ondrix_files_bench", 10, e);
        status = 1;
    }
    ::rmdir(folder.c_str());
    return status;
}
