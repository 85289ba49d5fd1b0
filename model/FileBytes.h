#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Whole-file reading and writing. Both functions throw PerfilError with the file
// layer's message for the failing step's error code (FileError.h), and release every
// file they opened on every path. An empty path, or one holding a NUL character, is
// refused as "Invalid filename". Neither ever waits for another process: a pipe with
// nobody at its other end is refused, not waited on.

// Reads the regular file at path from its start, but never more than limit + 1 bytes:
// a result longer than limit tells the caller that the file is too long without the
// file ever being read whole. The size the file has when it is opened is read; a file
// that grows meanwhile gives that many bytes. A directory is refused ("File access
// denied"), and so is anything else but a regular file (NotARegularFileMessage).
std::vector<std::uint8_t> ReadFileBytes(const std::string& path, std::size_t limit);

// Makes the file at path hold exactly bytes; the one routine through which every
// output of the program reaches the disk.
//
// "-" is standard output. A regular file, new or existing, is normally replaced in one
// step: the bytes go to a hidden file beside it (".NAME.perfil-save-XXXXXX"), which is
// synced and then renamed over path, so that a failure at any step leaves the old file
// untouched and removes the new one. The replacement keeps the old file's owner, group
// and permission bits. Where a rename would lose something, the existing file is
// rewritten in place instead, with room for the new size reserved before its first
// byte changes and the result synced: when the folder cannot take a new file, when the
// file has further hard links, or when its owner cannot be given to the replacement.
// Symbolic links keep their place, a dangling one included: the file they lead to is
// the one written. A directory is refused ("File access denied"); other special files
// (devices, pipes with a reader) are written in place.
void WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes);
