#pragma once

#include <string>

// Removes one file should the program be ended by SIGHUP, SIGINT or SIGTERM while an
// object of this class lives, then ends the program by that signal as it would have
// ended anyway. Meant for a half-written file that nobody else would ever remove. A
// signal the program handles or ignores itself is left to it. One file at a time: while
// one is watched, a second watch does nothing.
class RemovalOnSignal {
  public:
    explicit RemovalOnSignal(const std::string& path);
    ~RemovalOnSignal();
    RemovalOnSignal(const RemovalOnSignal&) = delete;
    RemovalOnSignal& operator=(const RemovalOnSignal&) = delete;

  private:
    bool m_watching = false;
};
