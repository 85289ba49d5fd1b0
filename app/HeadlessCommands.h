#pragma once

#include "CommandLine.h"

#include <QLocale>

#include <optional>

// Runs --properties, --all-properties, --json or --pdf on command.file and returns the
// exit status: 0 on success; 1 after printing the error box's text to standard error when
// the file cannot be read, the section cannot be computed or the PDF cannot be written.
// The input file is only ever read. Needs an application object (a GUI one for --pdf) but no display.
// locale writes the numbers. A material whose density reads as zero is warned about on
// standard error; the exit status stays as it is. Standard output is closed at the end
// and its errors count as failures too.
int RunHeadless(const CommandLine& command, const QLocale& locale);

// What makes the command unusable though it parsed: an output that is the input file
// itself (through any link), which writing would destroy. The message, or nothing.
std::optional<QString> OutputConflict(const CommandLine& command);
