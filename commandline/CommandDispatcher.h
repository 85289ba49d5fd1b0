#pragma once

#include "CommandLine.h"

#include <QLocale>

// Carries out every mode of the command line but the editor, with an application object of
// the kind the mode needs and no display, and returns the exit status: 0 on success; 2 for
// a usage error, printed with a pointer to --help; 1 after printing the error box's text to
// standard error when a file cannot be read, the section cannot be computed or an output
// cannot be written (the tables give a failing file its row and fail after the last one).
// The inputs are only ever read. Standard output is closed at the end and its errors count
// as failures too. locale writes the numbers; outputClosed says that the program started
// with standard output closed (KeepStandardPlaces).
int RunCommandLine(int argc, char* argv[], const CommandLine& command, const QLocale& locale,
                   bool outputClosed);
