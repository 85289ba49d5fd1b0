#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Whole-file reading and writing. Both functions throw PerfilError with the file
// layer's message for the failing step's error code (FileError.h), and release every
// file they opened on every path. An empty path, or one holding a NUL character, is
// refused as "Invalid filename".

// Reads the file at path from its start, but never more than limit + 1 bytes: a
// result longer than limit tells the caller that the file is too long without the
// file ever being read whole.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path, std::size_t limit);

// Makes the file at path hold exactly bytes. A regular file, new or existing, is
// replaced in one step: the bytes go to a new file in the same directory, which is
// synced and then renamed over path, so that a failure at any step leaves the old file
// untouched and removes the new one. An existing file keeps its permission bits, and a
// symbolic link keeps its place: the file it points to is the one replaced. A directory
// is refused ("File access denied"); other special files (devices, pipes) cannot be
// replaced and are written in place.
void WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes);
