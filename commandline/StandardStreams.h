#pragma once

#include <QString>

#include <cstdio>

// Writes text and a line end to stream, as UTF-8.
void Print(std::FILE* stream, const QString& text);

// Flushes and closes standard output; throws PerfilError when what was written did not all
// arrive (a full disk, a closed pipe).
void CloseStandardOutput();

// Started with standard input, output or error closed, the program would hand that
// descriptor to the first file it opens, and could write its output into that file. Each
// closed one is given /dev/null, opened for reading only, so that writes to it fail. Call
// before anything opens a file. True when standard output was closed.
bool KeepStandardPlaces();
