// The dot texts of a solve rendered by Graphviz: names that are not plain words still make graphs
// Graphviz reads.
#include "SolverFixture.h"

#include "native/GraphvizRenderer.h"

#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

// The recording shell with the real renderer behind RenderDotToGif, writing into the test's own
// temporary directory whatever the path's separator.
struct RenderingShell : FakeShell {
    explicit RenderingShell(CZQInterfaceData* project) : FakeShell(project) {}
    int RenderDotToGif(const CString& dot, const CString& path) override
    {
        FakeShell::RenderDotToGif(dot, path);
        std::string file(path.GetString(), size_t(path.GetLength()));
        file = file.substr(file.find('\\') + 1);
        const std::string target = ::testing::TempDir() + "ondrix_" + std::to_string(getpid()) + "_" + file;
        texts.emplace_back(dot.GetString(), size_t(dot.GetLength()));
        results.push_back(RenderDotToGifFile(texts.back(), target));
        std::ifstream in(target, std::ios::binary);
        images.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        std::remove(target.c_str());
        return results.back();
    }
    std::vector<std::string> texts;
    std::vector<int> results;
    std::vector<std::string> images;
};

TEST(GraphRender, NamesThatAreNotPlainWords)
{
    // The ranked pair on two gains with unusual names: a blank, a '-', quotes and a Windows-1250 letter;
    // a keyword of dot; a backslash at the end.
    CZQInterfaceData project;
    RenderingShell shell(&project);
    const char* odd = "Fiat \"126p\"-\xb3\xf3\x64\xbc";
    project.CriteriaTable = {{"g1", "", "gain", "2"}, {"g2", "", "gain", "2"}};
    project.EvaluationsTable = {{"", "g1", "g2"}, {odd, "1", "3"}, {"node", "2", "2"}, {"c\\", "2", "1"}};
    project.AlternativesTable = {{odd, "", "1"}, {"node", "", ""}, {"c\\", "", "2"}};
    shell.referenceTree = {CZQRankNode{{odd}}, CZQRankNode{{"c\\"}}};
    project.ProjectSolver = std::make_unique<Solver>();
    ASSERT_EQ(project.PrepareSolver(), 1);
    Solver& solver = *project.ProjectSolver;
    solver.model.ComputeCriterionRanges();
    ASSERT_EQ(solver.Solve(), 1);

    ASSERT_EQ(shell.texts.size(), 2u);
    const std::string id = "\"Fiat_\\\"126p\\\"-\xb3\xf3\x64\xbc\"";
    EXPECT_NE(shell.texts[0].find(id + " [label=\"Fiat \\\"126p\\\"-\xb3\xf3\x64\xbc\", color=forestgreen"),
              std::string::npos)
        << shell.texts[0];
    EXPECT_NE(shell.texts[0].find("\"node\" [label=\"node\""), std::string::npos) << shell.texts[0];
    EXPECT_NE(shell.texts[1].find(id + " -> \"c\\\\\"; "), std::string::npos) << shell.texts[1];
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(shell.results[i], GRAPH_RENDER_OK) << shell.texts[i];
        EXPECT_EQ(shell.images[i].compare(0, 3, "GIF"), 0);
    }
}

} // namespace
