#include "RemovalOnSignal.h"

#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace {

// The handler reads these; it may run at any moment, so the path is a fixed buffer and
// the flags lock-free atomics.
char g_path[PATH_MAX];
std::atomic<bool> g_taken{false};
std::atomic<bool> g_armed{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void RemoveAndEnd(int signal) {
    if (g_armed.load())
        ::unlink(g_path);
    // SA_RESETHAND has put the default action back; the signal arrives again once the
    // handler returns and ends the program with the status its sender expects.
    ::raise(signal);
}

void InstallHandlersOnce() {
    static const bool installed = [] {
        for (const int signal : {SIGHUP, SIGINT, SIGTERM}) {
            struct sigaction current {};
            if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL ||
                (current.sa_flags & SA_SIGINFO) != 0)
                continue;
            struct sigaction action {};
            action.sa_handler = RemoveAndEnd;
            sigemptyset(&action.sa_mask);
            action.sa_flags = SA_RESETHAND;
            ::sigaction(signal, &action, nullptr);
        }
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace

RemovalOnSignal::RemovalOnSignal(const std::string& path) {
    if (path.size() >= sizeof g_path || g_taken.exchange(true))
        return;
    InstallHandlersOnce();
    std::memcpy(g_path, path.c_str(), path.size() + 1);
    g_armed.store(true);
    m_watching = true;
}

RemovalOnSignal::~RemovalOnSignal() {
    if (!m_watching)
        return;
    g_armed.store(false);
    g_taken.store(false);
}
