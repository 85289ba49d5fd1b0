#pragma once

#include <string>

// The file layer's error texts, chosen by operating-system error code (errno):
// "File not found", "Invalid filename", "Too many open files", "File access denied",
// otherwise "I/O error <code>".
std::string FileErrorMessage(int errorCode);

// The refusal of an input that is neither a regular file nor a folder (a pipe, a device, a
// socket): reading it could wait for ever or never end.
inline constexpr const char* NotARegularFileMessage =
    "O arquivo não é um arquivo comum: pipes e dispositivos não são lidos";

// Throws PerfilError carrying FileErrorMessage(errorCode).
[[noreturn]] void ThrowFileError(int errorCode);
