// ondrix_graph_render: the graph renderer's program (GraphvizRenderer.h), a render in a process of its
// own.
//
//   ondrix_graph_render PATH
//
// Reads a dot text from its standard input to the end, renders it into the GIF file PATH as
// RenderDotToGifFile does, and writes the render's result code, one byte (a signed char), to its
// standard output. Exits with 0 when the file was written, 1 when the render failed, 2 when it was
// not given one path.
#include "native/GraphvizRenderer.h"

#include <cstdio>
#include <string>

#include <errno.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "ondrix_graph_render: give the path of the GIF file to write, and the dot text on "
                             "standard input\n");
        return 2;
    }
    std::string dot;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(0, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        dot.append(buffer, size_t(n));
    }
    const signed char code = static_cast<signed char>(RenderDotToGifFile(dot, argv[1]));
    while (::write(1, &code, 1) < 0 && errno == EINTR) {
    }
    return code == GRAPH_RENDER_OK ? 0 : 1;
}
