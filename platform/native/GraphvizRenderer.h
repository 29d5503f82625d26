// The graph renderer: turns a Graphviz (dot) text into a GIF image file, over Graphviz's own library.
//
// The application shell calls it from its RenderDotToGif service; the decision model never calls it
// directly. The interface is plain C++ (byte strings, int codes), so that a Win32 translation unit can
// include it without seeing any Graphviz header.
//
// Graphviz reads its text as UTF-8: a caller holding text in an 8-bit code page converts it first
// (bytes that are not UTF-8 are still accepted and drawn as Graphviz can). The path is a host path,
// used as it stands.
//
// Graphviz is not re-entrant: calls are serialised. One Graphviz context serves the whole process (it
// is created by the first call and lives until the process ends): a context freed and created anew
// makes Graphviz's text-layout plugin read memory the first one freed.
//
// A render may also run in the background while its caller goes on (a solve renders its two graphs,
// a second and more at a few hundred alternatives, while it has more to do before it shows them).
// Each such render runs in a process of the renderer's program, ondrix_graph_render (beside the
// program that renders, or where the build put it), so that renders started together run side by
// side, which one process of Graphviz cannot do; without that program they run one after another on
// a thread of the renderer's own. A render into a file that an earlier one still writes waits for it,
// so that each file ends as the last render asked for it writes it, and whoever reads the files first
// waits for the renders still running. The files are the same, byte for byte, wherever they are
// rendered.
#pragma once

#include <string>

// The results of RenderDotToGifFile, the codes of the shell's RenderDotToGif service.
enum : int {
    GRAPH_RENDER_OK = 1,
    GRAPH_RENDER_NO_LIBRARY = -1,     // Graphviz's context cannot be created
    GRAPH_RENDER_NO_RENDERER = -2,    // the dot layout engine or the GIF device is missing or failed
    GRAPH_RENDER_TEXT_REFUSED = -3,   // the text is empty or not a valid graph
    GRAPH_RENDER_NOT_SAVED = -4       // the GIF file cannot be written at the path
};

// Lays out the graph of the dot text `dot` with Graphviz's "dot" engine and writes it as a GIF image
// to the file `path` (replacing any file there). Returns GRAPH_RENDER_OK (1) on success, or the first
// failure met, in this order: GRAPH_RENDER_NO_LIBRARY (-1), GRAPH_RENDER_TEXT_REFUSED (-3) for an
// empty text or one Graphviz cannot read (its messages go to standard error),
// GRAPH_RENDER_NO_RENDERER (-2) when the layout or the GIF rendering fails, GRAPH_RENDER_NOT_SAVED
// (-4) for an empty path or a file that cannot be written completely (nothing is left at the path
// then). Nothing is written on any failure before the last.
// A render started in the background (StartRenderDotToGifFile) and not ended yet is waited for first.
int RenderDotToGifFile(const std::string& dot, const std::string& path);

// Starts rendering dot into path as RenderDotToGifFile does, on the renderer's own thread, after the
// renders started before it; returns at once. Its result is not reported: a caller that reads the file
// waits for it with FinishRenderingDotToGif first.
void StartRenderDotToGifFile(const std::string& dot, const std::string& path);

// Waits until every render started with StartRenderDotToGifFile has ended; returns at once when none
// runs. Call it before the renderer's thread could outlive the program (before the end of the run). A
// render whose process ended without a result (it broke off) is made in this process meanwhile.
void FinishRenderingDotToGif();

// Makes the renders started afterwards in the background run in processes of the program at the path
// `program` (the renderer's program, ondrix_graph_render, or one that reads and answers as it does),
// or, for an empty path, on the renderer's thread; the renders running are waited for first. The
// program found at the start is used until then.
void UseGraphRenderProgram(const std::string& program);
