#include "native/GraphvizRenderer.h"

#include <graphviz/gvc.h>

#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include <dlfcn.h>
#include <errno.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

const char* const kProgramName = "ondrix_graph_render";

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

// The path of the renderer's program (GraphRenderMain.cpp): beside the module this code is in (the
// program, or the library that holds it), else where the build put it; empty when there is none.
std::string& ProgramPath()
{
    static std::string path = [] {
        Dl_info info = {};
        if (::dladdr(reinterpret_cast<void*>(&ProgramPath), &info) != 0 && info.dli_fname != nullptr) {
            std::string beside = info.dli_fname;
            const size_t slash = beside.find_last_of('/');
            beside = (slash == std::string::npos ? std::string() : beside.substr(0, slash + 1)) + kProgramName;
            if (::access(beside.c_str(), X_OK) == 0)
                return beside;
        }
#ifdef ONDRIX_GRAPH_RENDER_PROGRAM
        if (::access(ONDRIX_GRAPH_RENDER_PROGRAM, X_OK) == 0)
            return std::string(ONDRIX_GRAPH_RENDER_PROGRAM);
#endif
        return std::string();
    }();
    return path;
}

// A render running in a process of the renderer's program: its text goes to the program's standard
// input, and its result code comes back as one byte on its standard output, both over one socket.
struct RenderProcess {
    pid_t pid = -1;
    int socket = -1;
    std::string dot;
    std::string path;
};

// Starts the renderer's program on dot and path; false when it cannot be started.
bool StartProcess(const std::string& program, RenderProcess& render)
{
    int ends[2] = {-1, -1};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawnattr_init(&attributes);
    ::posix_spawn_file_actions_adddup2(&actions, ends[1], 0);
    ::posix_spawn_file_actions_adddup2(&actions, ends[1], 1);
    // the program holds none of its caller's files, and takes signals as a program started afresh
    ::posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    sigset_t signals;
    sigemptyset(&signals);
    ::posix_spawnattr_setsigmask(&attributes, &signals);
    sigfillset(&signals);
    ::posix_spawnattr_setsigdefault(&attributes, &signals);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    std::string pathArgument = render.path;
    char* arguments[] = {const_cast<char*>(program.c_str()), &pathArgument[0], nullptr};
    const int started = ::posix_spawn(&render.pid, program.c_str(), &actions, &attributes, arguments, environ);
    ::posix_spawn_file_actions_destroy(&actions);
    ::posix_spawnattr_destroy(&attributes);
    ::close(ends[1]);
    if (started != 0) {
        ::close(ends[0]);
        return false;
    }
    render.socket = ends[0];
    // a program that ended early (it cannot run) reads no more: the rest is not sent
    for (size_t sent = 0; sent < render.dot.size();) {
        const ssize_t n = ::send(render.socket, render.dot.data() + sent, render.dot.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        sent += size_t(n);
    }
    ::shutdown(render.socket, SHUT_WR);
    return true;
}

// Waits until the process of render has ended; a render that ended without a result (the program
// could not run, or broke off) is made here instead, so that the file is written all the same.
void EndProcess(RenderProcess& render)
{
    signed char code = 0;
    ssize_t n = 0;
    do
        n = ::read(render.socket, &code, 1);
    while (n < 0 && errno == EINTR);
    ::close(render.socket);
    int status = 0;
    while (::waitpid(render.pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (n != 1)
        Render(render.dot, render.path);
}

// The renders started in the background. Graphviz cannot run two renders at once in one process, but
// processes of the renderer's program can: each render runs in one of its own, side by side with the
// others, where the program can be started. Elsewhere they run on a thread of the renderer's own, one
// after another; the thread ends when none is left, and a new one starts with the next render.
class Background {
public:
    ~Background()
    {
        Finish();
    }

    void Start(const std::string& dot, const std::string& path)
    {
        // a render into a file that an earlier one still writes comes after it
        bool bWritten = false;
        {
            std::lock_guard<std::mutex> hold(m_lock);
            for (const RenderProcess& render : m_processes)
                bWritten = bWritten || render.path == path;
            for (const auto& render : m_renders)
                bWritten = bWritten || render.second == path;
            bWritten = bWritten || (m_running && m_runningPath == path);
        }
        if (bWritten)
            Finish();

        const std::string& program = ProgramPath();
        if (!program.empty()) {
            RenderProcess render;
            render.dot = dot;
            render.path = path;
            if (StartProcess(program, render)) {
                std::lock_guard<std::mutex> hold(m_lock);
                m_processes.push_back(std::move(render));
                return;
            }
        }
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
        std::vector<RenderProcess> processes;
        std::thread ended;
        {
            std::unique_lock<std::mutex> hold(m_lock);
            processes.swap(m_processes);
            m_idle.wait(hold, [this] { return !m_running; });
            ended = std::move(m_thread);
        }
        if (ended.joinable())
            ended.join();
        for (RenderProcess& render : processes)
            EndProcess(render);
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
                    m_runningPath.clear();
                    m_idle.notify_all();
                    return;
                }
                render = std::move(m_renders.front());
                m_renders.pop_front();
                m_runningPath = render.second;
            }
            Render(render.first, render.second);
        }
    }

    std::mutex m_lock;
    std::condition_variable m_idle;
    std::vector<RenderProcess> m_processes;
    std::deque<std::pair<std::string, std::string>> m_renders;
    bool m_running = false;
    std::string m_runningPath;
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

void UseGraphRenderProgram(const std::string& program)
{
    FinishRenderingDotToGif();
    ProgramPath() = program;
}

void StartRenderDotToGifFile(const std::string& dot, const std::string& path)
{
    Renders().Start(dot, path);
}

void FinishRenderingDotToGif()
{
    Renders().Finish();
}
