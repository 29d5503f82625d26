#include "native/GraphvizRenderer.h"

#include <graphviz/gvc.h>

#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

namespace {

std::mutex renderLock;

// The process-wide context, created on first use (null when Graphviz cannot create one). Called with
// renderLock held.
GVC_t* Context()
{
    static GVC_t* context = gvContext();
    return context;
}

// Owns a graph read by Graphviz and its layout.
struct GraphHandle {
    GVC_t* context;
    graph_t* graph;
    bool laidOut = false;
    GraphHandle(GVC_t* c, graph_t* g) : context(c), graph(g) {}
    GraphHandle(const GraphHandle&) = delete;
    GraphHandle& operator=(const GraphHandle&) = delete;
    ~GraphHandle()
    {
        if (laidOut)
            gvFreeLayout(context, graph);
        if (graph != nullptr)
            agclose(graph);
    }
};

// Owns the image bytes Graphviz renders into memory.
struct ImageData {
    char* bytes = nullptr;
    unsigned int length = 0;
    ImageData() = default;
    ImageData(const ImageData&) = delete;
    ImageData& operator=(const ImageData&) = delete;
    ~ImageData()
    {
        if (bytes != nullptr)
            gvFreeRenderData(bytes);
    }
};

// Writes length bytes to path; false (and no file left) when it cannot.
bool WriteFile(const std::string& path, const char* bytes, size_t length)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes, 1, length, file) == length;
    const bool closed = std::fclose(file) == 0;
    if (written && closed)
        return true;
    std::remove(path.c_str());
    return false;
}

int Render(const std::string& dot, const std::string& path);

// The renders started in the background and the thread that runs them, one after another; the
// thread ends when none is left, and a new one starts with the next render.
class Background {
public:
    ~Background()
    {
        Finish();
    }

    void Start(const std::string& dot, const std::string& path)
    {
        std::unique_lock<std::mutex> hold(m_lock);
        m_renders.emplace_back(dot, path);
        if (m_running)
            return;
        // a thread that found nothing left has ended, or is ending without the lock
        if (m_thread.joinable())
            m_thread.join();
        m_running = true;
        m_thread = std::thread([this] { Run(); });
    }

    void Finish()
    {
        std::thread ended;
        {
            std::unique_lock<std::mutex> hold(m_lock);
            m_idle.wait(hold, [this] { return !m_running; });
            ended = std::move(m_thread);
        }
        if (ended.joinable())
            ended.join();
    }

private:
    void Run()
    {
        for (;;) {
            std::pair<std::string, std::string> render;
            {
                std::lock_guard<std::mutex> hold(m_lock);
                if (m_renders.empty()) {
                    m_running = false;
                    m_idle.notify_all();
                    return;
                }
                render = std::move(m_renders.front());
                m_renders.pop_front();
            }
            Render(render.first, render.second);
        }
    }

    std::mutex m_lock;
    std::condition_variable m_idle;
    std::deque<std::pair<std::string, std::string>> m_renders;
    bool m_running = false;
    std::thread m_thread;
};

Background& Renders()
{
    static Background background;
    return background;
}

int Render(const std::string& dot, const std::string& path)
{
    std::lock_guard<std::mutex> hold(renderLock);
    GVC_t* context = Context();
    if (context == nullptr)
        return GRAPH_RENDER_NO_LIBRARY;

    // Graphviz reads a C string: a text with a NUL inside would be read only up to it.
    if (dot.empty() || dot.find('\0') != std::string::npos)
        return GRAPH_RENDER_TEXT_REFUSED;
    GraphHandle graph(context, agmemread(dot.c_str()));
    if (graph.graph == nullptr)
        return GRAPH_RENDER_TEXT_REFUSED;

    if (gvLayout(context, graph.graph, "dot") != 0)
        return GRAPH_RENDER_NO_RENDERER;
    graph.laidOut = true;
    ImageData image;
    if (gvRenderData(context, graph.graph, "gif", &image.bytes, &image.length) != 0 || image.bytes == nullptr)
        return GRAPH_RENDER_NO_RENDERER;

    if (path.empty() || path.find('\0') != std::string::npos)
        return GRAPH_RENDER_NOT_SAVED;
    if (!WriteFile(path, image.bytes, image.length))
        return GRAPH_RENDER_NOT_SAVED;
    return GRAPH_RENDER_OK;
}

} // namespace

int RenderDotToGifFile(const std::string& dot, const std::string& path)
{
    // the files are written in the order the renders were asked for
    FinishRenderingDotToGif();
    return Render(dot, path);
}

void StartRenderDotToGifFile(const std::string& dot, const std::string& path)
{
    Renders().Start(dot, path);
}

void FinishRenderingDotToGif()
{
    Renders().Finish();
}
