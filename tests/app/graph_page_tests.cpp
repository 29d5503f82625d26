// The preference-graphs window: its two pages byte for byte, the window the project opens, refreshes
// and finds closed, the graphs of a real solve in the TEMP directory and on a printer, a TEMP directory
// that cannot be written, and the render and TEMP services on the model's own calls.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "AppTestSupport.h"

#include "app/ZQGraphView.h"
#include "model/solve/Solver.h"
#include "native/GraphvizRenderer.h"
#include "pageview/PageLayout.h"
#include "pageview/PageView.h"

namespace {

// The page texts as the program must write them.
const std::string kFirstPage =
    "<HTML>\n<head>\n<title>Results graphs</title>\n</head>\n<BODY>\n"
    "<H2> Partial preorder graph (strong outranking) </H2>\n"
    "<IMG SRC=\"graph_part.gif\" ALT=\"partial preorder graph\">\n"
    "Reference alternatives with high credibility are represented by nodes in green\n"
    "Preference arches related to high credibility reference ranking are printed in green.\n"
    "<H1> Complete preorder graph (weak outranking) </H1>\n"
    "<IMG SRC=\"graph_weak.gif\" ALT=\"complete preorder graph\">\n"
    "</BODY>\n</HTML>\n";

// The refreshed page, whose other-alternatives line (part 6) is `others`.
std::string RefreshedPage(const std::string& others)
{
    return "<HTML>\n<head>\n<title>Results graphs</title>\n</head>\n<BODY>\n"
           "<H2> Partial preorder graph (strong outranking) </H2>\n"
           "<IMG SRC=\"graph_part.gif\" ALT=\"partial preorder graph\">\n"
           "<BR>Reference alternatives with high credibility are represented by green nodes<BR>\n"
           "Preference arches related to the high credibility reference ranking are printed in green<BR>\n"
           "<H2> Complete preorder graph (weak outranking) </H2>\n"
           "<IMG SRC=\"graph_weak.gif\" ALT=\"complete preorder graph\">\n"
           "<BR> No arc between alternatives means indifference. <BR>Other alternatives mutually indifferent and "
           "indifferent with each alternative from the graph: <BR>\n" +
           others + "<BR>\n</BODY>\n</HTML>\n";
}

TEST(GraphPageText, TheFirstPageAndTheRefreshedOnes)
{
    EXPECT_EQ(Str(CZQGraphView::FirstPageText()), kFirstPage);
    struct Case {
        std::vector<CString> others;
        const char* line;
    } cases[] = {
        {{}, ""},
        {{"a"}, "a"},
        {{"a", "b", "c"}, "a, b, c"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Str(CZQGraphView::RefreshedPageText(c.others)), RefreshedPage(c.line)) << c.line;
}

// The whole file at a host path; "<none>" when there is none.
std::string ReadHost(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in.good())
        return "<none>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The started application with TEMP naming a folder of the test's own.
class GraphsWindow : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        // a solve opens the comparison matrix's grid
        AnswerGridInput(fake);
        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "ondrix_graphs_" + std::to_string(getpid());
        ::CreateDirectoryA(folder.c_str(), nullptr);
        const DWORD n = ::GetEnvironmentVariableA("TEMP", temp, MAX_PATH);
        savedTemp = n > 0 && n < MAX_PATH ? temp : "";
        ::SetEnvironmentVariableA("TEMP", folder.c_str());
        app.m_lpCmdLine = commandLine;
        app.m_nCmdShow = SW_SHOWNOACTIVATE; // other test programs share the display: take no focus
        ASSERT_TRUE(app.InitInstance());
    }
    void TearDown() override
    {
        // as the user closes the program: the documents, then the main window
        if (app.m_pMainWnd != nullptr)
            app.m_pMainWnd->SendMessage(WM_CLOSE);
        AppFixture::TearDown();
        ::SetEnvironmentVariableA("TEMP", savedTemp.empty() ? nullptr : savedTemp.c_str());
        for (const char* name : {"graph.htm", "graph_part.gif", "graph_weak.gif", "polish.gif"})
            ::DeleteFileA((folder + "\\" + name).c_str());
        ::RemoveDirectoryA(folder.c_str());
    }

    std::string File(const char* name) const
    {
        CString host;
        return AfxGetHostPath((folder + "\\" + name).c_str(), host) ? ReadHost(host.GetString()) : "<none>";
    }
    CZQGraphView* View() { return dynamic_cast<CZQGraphView*>(app.FirstViewOf(ZQDocument::PreferenceGraphs)); }
    // Sets the project's tables, criteria [name, kind] and alternatives [name, evaluations...,
    // rank], and fills the panes from them.
    void Project(const std::vector<std::pair<const char*, const char*>>& criteria,
                 const std::vector<std::vector<const char*>>& alternatives)
    {
        CZQInterfaceData& project = app.m_Project;
        project.CriteriaTable.clear();
        project.EvaluationsTable = {{""}};
        project.AlternativesTable.clear();
        for (const auto& criterion : criteria) {
            project.CriteriaTable.push_back({criterion.first, "", criterion.second, "2"});
            project.EvaluationsTable[0].push_back(criterion.first);
        }
        for (const auto& alternative : alternatives) {
            project.AlternativesTable.push_back({alternative.front(), "", alternative.back()});
            project.EvaluationsTable.push_back(ZQRow(alternative.begin(), alternative.end() - 1));
        }
        project.RefillPanes();
        app.m_nModified = 0; // closing the window asks nothing
    }

    CFakeServices fake;
    char commandLine[1] = "";
    std::string folder;
    std::string savedTemp;
};

TEST_F(GraphsWindow, TheProjectOpensRefreshesAndFindsTheWindowClosed)
{
    app.m_Project.ProjectSolver = std::make_unique<Solver>();
    app.m_Project.ProjectSolver->model.excludedNames = {"a", "b", "c"};
    app.m_Project.OpenGraphsWindow();
    CZQGraphView* pView = View();
    ASSERT_NE(pView, nullptr);
    EXPECT_EQ(Str(pView->GetDocument()->GetTitle()), "Resulting preference graphs worked out with ZEK KTR");
    EXPECT_EQ(app.m_nGraphsOpen, 1);
    EXPECT_EQ(File("graph.htm"), kFirstPage);
    for (POSITION pos = app.GetFirstDocTemplatePosition(); pos != nullptr;)
        EXPECT_NE(app.GetNextDocTemplate(pos), app.m_pGraphsTemplate);

    app.m_Project.RefreshGraphsWindow();
    EXPECT_EQ(File("graph.htm"), RefreshedPage("a, b, c"));

    // The user closes the window: the flag goes, and a refresh writes nothing.
    pView->GetParentFrame()->SendMessage(WM_CLOSE);
    PumpWaitingMessages();
    EXPECT_EQ(app.m_nGraphsOpen, 0);
    EXPECT_FALSE(app.HasOpenDocument(ZQDocument::PreferenceGraphs));
    ::DeleteFileA((folder + "\\graph.htm").c_str());
    app.m_Project.RefreshGraphsWindow();
    EXPECT_EQ(File("graph.htm"), "<none>");
}

TEST_F(GraphsWindow, ASolveShowsBothGraphsFromTheTempDirectory)
{
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, const char*>> criteria;
        std::vector<std::vector<const char*>> alternatives;
        const char* others;
    } cases[] = {
        {"a ranked pair on a gain and a cost", {{"g", "gain"}, {"c", "cost"}},
         {{"x", "3", "5", "1"}, {"y", "1", "3", "2"}, {"z", "2", "1", ""}},
         "z"},
        {"a ranked pair on two gains", {{"g1", "gain"}, {"g2", "gain"}},
         {{"a", "1", "3", "1"}, {"b", "2", "2", ""}, {"c", "2", "1", "2"}},
         "b"},
    };
    for (const Case& c : cases) {
        Project(c.criteria, c.alternatives);
        ASSERT_EQ(app.m_Project.SolveProblem(), 1) << c.what;
        for (const char* image : {"graph_part.gif", "graph_weak.gif"})
            EXPECT_EQ(File(image).substr(0, 4), "GIF8") << c.what << ": " << image;
        EXPECT_EQ(File("graph.htm"), RefreshedPage(c.others)) << c.what;

        // The page the window shows holds both images.
        ASSERT_NE(View(), nullptr);
        EXPECT_TRUE(View()->RefreshGraphPage());
        PageContent shown;
        ASSERT_TRUE(shown.Load((folder + "\\graph.htm").c_str()));
        EXPECT_EQ(shown.pictures.size(), 2u) << c.what;
    }

    // Closing the main window closes the graphs window first.
    app.m_pMainWnd->SendMessage(WM_CLOSE);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(app.m_nGraphsOpen, 0);
    EXPECT_FALSE(app.HasOpenDocument(ZQDocument::PreferenceGraphs));
}

// The rows of a printed page that hold anything but white, as [first, last]; {-1, -1} for a blank page.
std::pair<int, int> InkedRows(const CFakePrinterDC& page, int nWidth, int nHeight)
{
    std::pair<int, int> rows{-1, -1};
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; x += 2)
            if (page.PixelAt(x, y) != RGB(255, 255, 255)) {
                if (rows.first < 0)
                    rows.first = y;
                rows.second = y;
                break;
            }
    return rows;
}

TEST_F(GraphsWindow, PrintingLaysThePageOutForThePrinterOverAsManyPagesAsItNeeds)
{
    Project({{"g", "gain"}, {"c", "cost"}}, {{"x", "3", "5", "1"}, {"y", "1", "3", "2"}, {"z", "2", "1", ""}});
    ASSERT_EQ(app.m_Project.SolveProblem(), 1);
    ASSERT_NE(View(), nullptr);

    // One tall page at two resolutions: the same page, twice as tall at twice the dots per inch.
    int nInked[2] = {};
    const int dpis[2] = {50, 100};
    for (int i = 0; i < 2; ++i) {
        // each printer a name of its own: the fake knows a printer by its name
        const FakePrinter printer{"Printer " + std::to_string(dpis[i]), 6 * dpis[i], 16 * dpis[i], dpis[i], dpis[i]};
        fake.ExpectPrintDialog(IDOK, &printer);
        View()->SendMessage(WM_COMMAND, ID_FILE_PRINT);
        ASSERT_EQ(fake.PrinterDCs().size(), size_t(i + 1));
        const CFakePrinterDC& page = *fake.PrinterDCs().back();
        EXPECT_EQ(page.DocCalls(), (std::vector<std::string>{"StartDoc Resulting preference graphs worked out with ZEK KTR",
                                                             "StartPage", "EndPage", "EndDoc"}))
            << dpis[i];
        const std::pair<int, int> rows = InkedRows(page, printer.nPageWidth, printer.nPageHeight);
        ASSERT_GE(rows.first, 0) << dpis[i];
        nInked[i] = rows.second - rows.first;
    }
    EXPECT_NEAR(double(nInked[1]) / nInked[0], 2.0, 0.15);

    // Short pages: the page goes on over as many as its height needs, and the job ends after them.
    const FakePrinter shortPages{"Short pages", 600, 200, 100, 100};
    fake.ExpectPrintDialog(IDOK, &shortPages);
    View()->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    const CFakePrinterDC& last = *fake.PrinterDCs().back();
    const auto& calls = last.DocCalls();
    const size_t nPages = size_t(std::count(calls.begin(), calls.end(), "StartPage"));
    EXPECT_GE(nPages, size_t(nInked[1] / 200 + 1));
    EXPECT_LE(nPages, size_t(nInked[1] / 200 + 3));
    EXPECT_EQ(calls.back(), "EndDoc");
}

TEST_F(GraphsWindow, ATempDirectoryThatCannotBeWrittenLeavesTheViewEmpty)
{
    ::SetEnvironmentVariableA("TEMP", (folder + "\\missing").c_str());
    app.m_Project.ProjectSolver = std::make_unique<Solver>();
    app.m_Project.OpenGraphsWindow();
    app.m_Project.RefreshGraphsWindow();
    ASSERT_NE(View(), nullptr);
    EXPECT_EQ(app.m_nGraphsOpen, 1);
    EXPECT_FALSE(View()->RefreshGraphPage());

    const HWND hPage = ::GetWindow(View()->m_hWnd, GW_CHILD);
    const HDC hdc = ::CreateCompatibleDC(nullptr);
    PAGEVIEWDRAW draw = {hdc, RECT{0, 0, 100, 100}, 0, 96, 96};
    EXPECT_EQ(PageView_DrawPage(hPage, &draw), 0);
    ::DeleteDC(hdc);
}

TEST_F(GraphsWindow, TheRenderAndTempServices)
{
    // A name in the program's code page with letters above 127 (Windows-1250 "łódź").
    const std::string polish = folder + "\\polish.gif";
    EXPECT_EQ(app.RenderDotToGif("digraph G { \"\xb3\xf3\x64\xbc\" -> b; }", polish.c_str()), GRAPH_RENDER_OK);
    EXPECT_EQ(File("polish.gif").substr(0, 4), "GIF8");

    // The renderer's codes come back unchanged.
    struct Case {
        const char* dot;
        std::string path;
        int result;
    } cases[] = {
        {"", polish, GRAPH_RENDER_TEXT_REFUSED},
        {"not a graph", polish, GRAPH_RENDER_TEXT_REFUSED},
        {"digraph G { a -> b; }", folder + "\\missing\\graph.gif", GRAPH_RENDER_NOT_SAVED},
    };
    for (const Case& c : cases)
        EXPECT_EQ(app.RenderDotToGif(c.dot, c.path.c_str()), c.result) << c.dot << " " << c.path;

    EXPECT_EQ(Str(app.GetTempDirectory()), folder);
    ::SetEnvironmentVariableA("TEMP", nullptr);
    char system[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, system);
    std::string expected = system;
    expected.pop_back(); // the backslash
    EXPECT_EQ(Str(app.GetTempDirectory()), expected);
    EXPECT_TRUE(::GetFileAttributesA(expected.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace
