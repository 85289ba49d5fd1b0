#pragma once

#include "CommandLine.h"

// Runs --properties, --all-properties, --json or --pdf on command.file and returns the exit status:
// 0 on success; 1 after printing the error box's text to standard error when the file cannot be
// read, the section cannot be computed or the PDF cannot be written. The input file is only ever
// read. Needs an application object (a GUI one for --pdf) but no display.
int RunHeadless(const CommandLine& command);
