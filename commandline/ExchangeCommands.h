#pragma once

#include "CommandLine.h"

// The command-line modes that exchange files with other programs. Each input is only ever
// read; each output is written whole in one step, so a failure leaves an existing file as
// it was. They need an application object, a GUI one for --svg and --png, but no display.

// --csv, and --json with several files: every file gets its row, a failing one with its
// error. True when every file was computed; false after the last row otherwise.
bool PrintCsv(const CommandLine& command);
bool PrintJsonLines(const CommandLine& command);

// --dxf, --svg and --png: the drawing of the profile file. Throws PerfilError.
void ExportDrawing(const CommandLine& command);

// --from-dxf: the drawing imported and saved as the profile file; the import's notice on
// standard error. Throws PerfilError.
void ImportDrawing(const CommandLine& command);

// --section: the standard section saved as the profile file, its designation as its name.
// Throws PerfilError.
void WriteStandardSection(const CommandLine& command);
