#pragma once

#include "CommandLine.h"

#include <QCommandLineParser>

#include <optional>

// Reads --buckling and the load, length and yield strength it takes into command, whose
// mode the other options have set: --buckling makes the mode Buckling, or keeps Json and
// asks for the analysis beside it; --engineering-pdf takes them for its analysis. What is
// wrong, or nothing.
std::optional<QString> ReadBucklingOptions(const QCommandLineParser& parser, CommandLine& command);
