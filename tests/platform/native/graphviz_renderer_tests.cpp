// The graph renderer over Graphviz: a real GIF file from a dot text, and each failure code.
#include "native/GraphvizRenderer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

// A path in the test's temporary directory, unique to this process.
std::string TempPath(const char* name)
{
    return ::testing::TempDir() + "ondrix_" + std::to_string(getpid()) + "_" + name;
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path)
{
    return std::ifstream(path).good();
}

TEST(GraphvizRenderer, WritesAGifFile)
{
    const std::string path = TempPath("graph.gif");
    std::remove(path.c_str());
    const std::string dot = "digraph G { a [label=\"a\", color=forestgreen, fontsize=10]; "
                            "b [label=\"b\", fontsize=10, color=black]; a -> b [style=dashed,color=blue]; }";
    ASSERT_EQ(RenderDotToGifFile(dot, path), GRAPH_RENDER_OK);
    const std::string image = ReadAll(path);
    ASSERT_GE(image.size(), 6u);
    EXPECT_TRUE(image.compare(0, 6, "GIF89a") == 0 || image.compare(0, 6, "GIF87a") == 0) << image.substr(0, 6);
    // A second render replaces the file (the context is shared between calls).
    ASSERT_EQ(RenderDotToGifFile("digraph G {} ", path), GRAPH_RENDER_OK);
    EXPECT_EQ(ReadAll(path).compare(0, 3, "GIF"), 0);
    std::remove(path.c_str());
}

// Renders in the background write their files in the order they were asked for, before a render
// asked for after them, and are all written once waited for.
TEST(GraphvizRenderer, RendersInTheBackgroundInTheOrderAskedFor)
{
    const std::string shared = TempPath("shared.gif"), other = TempPath("other.gif");
    std::remove(shared.c_str());
    std::remove(other.c_str());
    const std::string big = "digraph G { a -> b; b -> c; c -> d; d -> e; e -> f; f -> g; g -> h; }";
    const std::string small = "digraph G { x; }";
    ASSERT_EQ(RenderDotToGifFile(small, other), GRAPH_RENDER_OK);
    const std::string smallImage = ReadAll(other);

    // the big graph then the small one into one file: the small one ends there
    StartRenderDotToGifFile(big, shared);
    StartRenderDotToGifFile(small, shared);
    FinishRenderingDotToGif();
    EXPECT_EQ(ReadAll(shared), smallImage);
    // a render asked for directly comes after the ones in the background
    StartRenderDotToGifFile(big, shared);
    ASSERT_EQ(RenderDotToGifFile(small, shared), GRAPH_RENDER_OK);
    EXPECT_EQ(ReadAll(shared), smallImage);
    // waiting with nothing running returns at once; a refused text in the background writes nothing
    FinishRenderingDotToGif();
    std::remove(other.c_str());
    StartRenderDotToGifFile("not a graph", other);
    FinishRenderingDotToGif();
    EXPECT_FALSE(Exists(other));
    std::remove(shared.c_str());
}

// Renders in the background give the same files wherever they run: in processes of the renderer's
// program, on the renderer's thread (no program), and in this process when the program cannot be
// started or ends without an answer.
TEST(GraphvizRenderer, BackgroundRendersGiveTheSameFilesWhereverTheyRun)
{
    const std::string shared = TempPath("where_shared.gif"), other = TempPath("where_other.gif");
    const std::string big = "digraph G { a -> b; b -> c; c -> d; d -> e; e -> f; f -> g; g -> h; }";
    const std::string small = "digraph G { x; }";
    ASSERT_EQ(RenderDotToGifFile(small, shared), GRAPH_RENDER_OK);
    const std::string smallImage = ReadAll(shared);
    ASSERT_EQ(RenderDotToGifFile(big, other), GRAPH_RENDER_OK);
    const std::string bigImage = ReadAll(other);

    for (const std::string& program : {std::string(ONDRIX_GRAPH_RENDER_PROGRAM), std::string(),
                                      std::string("/nonexistent/ondrix_graph_render"), std::string("/bin/true")}) {
        UseGraphRenderProgram(program);
        std::remove(shared.c_str());
        std::remove(other.c_str());
        StartRenderDotToGifFile(big, shared);
        StartRenderDotToGifFile(small, shared);
        StartRenderDotToGifFile(big, other);
        FinishRenderingDotToGif();
        EXPECT_EQ(ReadAll(shared), smallImage) << program;
        EXPECT_EQ(ReadAll(other), bigImage) << program;
    }
    UseGraphRenderProgram(ONDRIX_GRAPH_RENDER_PROGRAM);
    std::remove(shared.c_str());
    std::remove(other.c_str());
}

TEST(GraphvizRenderer, RefusesWhatItCannotRender)
{
    const std::string path = TempPath("refused.gif");
    std::remove(path.c_str());
    for (const std::string& dot : {std::string("digraph G { a -> ; }"), std::string("not a graph"), std::string(),
                                   std::string("digraph G { a; }\0b", 18)}) {
        EXPECT_EQ(RenderDotToGifFile(dot, path), GRAPH_RENDER_TEXT_REFUSED) << dot;
        EXPECT_FALSE(Exists(path));
    }
    // A valid text still renders after a refused one.
    EXPECT_EQ(RenderDotToGifFile("digraph G { a -> b; }", path), GRAPH_RENDER_OK);
    std::remove(path.c_str());
}

TEST(GraphvizRenderer, ReportsAFileThatCannotBeWritten)
{
    EXPECT_EQ(RenderDotToGifFile("digraph G { a -> b; }", TempPath("no_such_dir/graph.gif")), GRAPH_RENDER_NOT_SAVED);
    EXPECT_EQ(RenderDotToGifFile("digraph G { a -> b; }", ""), GRAPH_RENDER_NOT_SAVED);
}

} // namespace
