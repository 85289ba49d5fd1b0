#pragma once

#include "CommandLine.h"

#include <QCommandLineParser>

#include <optional>

// Reads the designation of --section with --radius and --horizontal into command, whose
// mode the other options have set: a designation that is malformed, names a section that
// cannot be made or whose bars do not fit the drawing area is refused here, before any
// file is touched. What is wrong, or nothing.
std::optional<QString> ReadSectionOptions(const QCommandLineParser& parser, CommandLine& command);
