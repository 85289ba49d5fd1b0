// The editor's start-up as the user sees it, whole process each time: from exec to the
// first paint of its window. The floor is a Qt window of the same size showing one label in
// the same font (floor_label_window); the target is within 1.1x of it. Both run on an X
// server of the benchmark's own, where the X damage extension reports the first drawing
// into the new window. peak_rss_kB is the child's peak resident memory.
#include "BenchRatios.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto StartTimeout = std::chrono::seconds(20);

// Starts program with arguments, its standard output and error thrown away; its pid, or 0
// when it cannot be started.
pid_t Spawn(const std::vector<std::string>& command, char* const* environment) {
    std::vector<char*> argv;
    for (const std::string& a : command)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environment) != 0)
        pid = 0;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Kills a child; its peak resident memory in kB.
long Stop(pid_t pid) {
    if (pid <= 0)
        return 0;
    kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return usage.ru_maxrss;
}

// An X server for this benchmark alone, so that the only drawing on it is the measured
// program's, with a connection that watches the screen: the windows mapped on it and every
// drawing into them.
class OwnXServer {
  public:
    OwnXServer() {
        int ready[2];
        if (pipe(ready) != 0)
            return;
        m_server = Spawn({"Xvfb", "-displayfd", std::to_string(ready[1]), "-screen", "0",
                          "1024x768x24", "-nolisten", "tcp"},
                         environ);
        close(ready[1]);
        // The server writes its display number once it accepts connections.
        std::string number;
        char c = 0;
        while (read(ready[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(ready[0]);
        m_name = ":" + number;
        m_display = number.empty() ? nullptr : XOpenDisplay(m_name.c_str());
        int errorBase = 0;
        if (!m_display || !XDamageQueryExtension(m_display, &m_damageEvent, &errorBase))
            return;
        const Window root = DefaultRootWindow(m_display);
        XSelectInput(m_display, root, SubstructureNotifyMask);
        XDamageCreate(m_display, root, XDamageReportRawRectangles);
        // Out of the way of every window, so that no cursor drawing counts as a paint.
        XWarpPointer(m_display, None, root, 0, 0, 0, 0, 1023, 767);
        XSync(m_display, False);
        setChildEnvironment("DISPLAY=" + m_name);
    }

    ~OwnXServer() {
        if (m_display)
            XCloseDisplay(m_display);
        Stop(m_server);
    }

    bool ready() const { return !m_environment.empty(); }

    // The environment for a program shown on this server.
    char* const* environment() { return m_pointers.data(); }

    // Waits for a new top-level window to be mapped and then for the first drawing into
    // it; false when that does not happen before deadline.
    bool waitForFirstPaint(Clock::time_point deadline) {
        XRectangle window{};
        bool mapped = false;
        XEvent event;
        while (nextEvent(event, deadline)) {
            if (event.type == MapNotify && !mapped) {
                XWindowAttributes attributes;
                XGetWindowAttributes(m_display, event.xmap.window, &attributes);
                window = {static_cast<short>(attributes.x), static_cast<short>(attributes.y),
                          static_cast<unsigned short>(attributes.width),
                          static_cast<unsigned short>(attributes.height)};
                mapped = true;
            } else if (event.type == m_damageEvent + XDamageNotify && mapped) {
                const XRectangle& area = reinterpret_cast<XDamageNotifyEvent&>(event).area;
                if (area.x < window.x + window.width && window.x < area.x + area.width &&
                    area.y < window.y + window.height && window.y < area.y + area.height)
                    return true;
            }
        }
        return false;
    }

    // Discards what the server reports until it has been quiet for a moment, such as the
    // repaint of the screen where the last program's window was.
    void settle() {
        XEvent event;
        while (nextEvent(event, Clock::now() + std::chrono::milliseconds(50))) {
        }
    }

  private:
    // The next event, or false when none comes before deadline.
    bool nextEvent(XEvent& event, Clock::time_point deadline) {
        while (!XPending(m_display)) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                return false;
            pollfd connection{ConnectionNumber(m_display), POLLIN, 0};
            poll(&connection, 1, static_cast<int>(left.count()));
        }
        XNextEvent(m_display, &event);
        return true;
    }

    // This process's environment with display set and no platform chosen.
    void setChildEnvironment(const std::string& display) {
        m_environment.push_back(display);
        for (char** v = environ; *v; ++v)
            if (std::strncmp(*v, "DISPLAY=", 8) != 0 &&
                std::strncmp(*v, "QT_QPA_PLATFORM=", 16) != 0)
                m_environment.emplace_back(*v);
        for (std::string& v : m_environment)
            m_pointers.push_back(v.data());
        m_pointers.push_back(nullptr);
    }

    pid_t m_server = 0;
    std::string m_name;
    Display* m_display = nullptr;
    int m_damageEvent = 0;
    std::vector<std::string> m_environment;
    std::vector<char*> m_pointers; // into m_environment, for exec
};

OwnXServer& Server() {
    static OwnXServer server;
    return server;
}

void MeasureFirstPaint(benchmark::State& state, const char* program) {
    OwnXServer& server = Server();
    if (!server.ready()) {
        state.SkipWithError("no X server with the damage extension");
        return;
    }
    long peak = 0;
    for (auto _ : state) {
        server.settle();
        const Clock::time_point start = Clock::now();
        const pid_t child = Spawn({program}, server.environment());
        const bool painted = child > 0 && server.waitForFirstPaint(start + StartTimeout);
        const Clock::time_point painting = Clock::now();
        peak = std::max(peak, Stop(child));
        if (!painted) {
            state.SkipWithError("the window was never painted");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(painting - start).count());
    }
    state.counters["peak_rss_kB"] = static_cast<double>(peak);
}

void BM_LabelWindowFirstPaint(benchmark::State& state) {
    MeasureFirstPaint(state, FLOOR_BINARY);
}
BENCHMARK(BM_LabelWindowFirstPaint)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(4)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_EditorFirstPaint(benchmark::State& state) {
    MeasureFirstPaint(state, PERFIL_BINARY);
}
BENCHMARK(BM_EditorFirstPaint)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(4)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarksWithRatios(argc, argv,
                                   {{"BM_EditorFirstPaint", "BM_LabelWindowFirstPaint", 1.1}});
}
