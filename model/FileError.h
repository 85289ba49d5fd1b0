#pragma once

#include <string>

// The file layer's error texts, chosen by operating-system error code (errno):
// "File not found", "Invalid filename", "Too many open files", "File access denied",
// otherwise "I/O error <code>".
std::string FileErrorMessage(int errorCode);

// Throws PerfilError carrying FileErrorMessage(errorCode).
[[noreturn]] void ThrowFileError(int errorCode);
