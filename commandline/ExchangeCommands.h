#pragma once

#include "CommandLine.h"

// The command-line modes that exchange files with other programs: --dxf, --svg, --png,
// --from-dxf, --csv and --json with several files. Each input is only ever read; each
// output is written whole in one step, so a failure leaves an existing file as it was.

bool IsExchangeCommand(const CommandLine& command);

// True when every file was handled. The tables (--csv and --json with several files) give
// every file its row, a failing one with its error, and return false after the last row;
// the other modes throw PerfilError. Needs an application object, a GUI one for --svg and
// --png, but no display.
bool RunExchange(const CommandLine& command);
