#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Whole-file reading and writing. Both functions throw PerfilError with the file
// layer's message for the failing step's error code (FileError.h), and release every
// file they opened on every path. An empty path, or one holding a NUL character, is
// refused as "Invalid filename". A pipe with nobody at its other end is refused, not
// waited on; the one wait is for another save rewriting the same file in place.

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
// untouched and removes the new one, also when SIGHUP, SIGINT or SIGTERM ends the
// program meanwhile. The replacement keeps the old file's owner, group, permission bits,
// ACL and other extended attributes. Where a rename would lose something, the existing
// file is rewritten in place instead: when the folder cannot take a new file, when the
// file has further hard links, or when its owner or an attribute cannot be given to the
// replacement. Such a rewrite holds an advisory lock (flock) on the file from before its
// first byte to the sync, so that rewrites by other saves wait for it; it checks the file
// size limit and reserves room for the new size first, keeps the old bytes and puts them
// back should a step still fail. A crash or power cut during the rewrite itself can
// still leave part of the new and part of the old bytes.
// Symbolic links keep their place, a dangling one included: the file they lead to is
// the one written. A directory is refused ("File access denied"); other special files
// (devices, pipes with a reader) are written in place.
void WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes);
