#pragma once

#include <stdexcept>
#include <string>

// The one error type of the system. Its message is the text the user sees in the
// error box (without the full stop that the box appends). Commands throw it; the
// editor catches it at a single boundary and the program goes on.
class PerfilError : public std::runtime_error {
  public:
    explicit PerfilError(const std::string& message) : std::runtime_error(message) {}
};
