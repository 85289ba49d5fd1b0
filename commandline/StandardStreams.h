#pragma once

#include <QString>

#include <cstdio>

// Writes text and a line end to stream, as UTF-8.
void Print(std::FILE* stream, const QString& text);

// Flushes and closes standard output; throws PerfilError when what was written did not all
// arrive (a full disk, a closed pipe).
void CloseStandardOutput();
