#pragma once

#include "CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <optional>

// The options of the buckling analysis: --buckling alone or with --json, and the load,
// length and yield strength it takes.
struct BucklingOptions {
    BucklingOptions();
    QList<QCommandLineOption> list() const { return {buckling, load, length, fy}; }

    QCommandLineOption buckling, load, length, fy;
};

// Reads them into command, whose mode the other options have set: --buckling makes the
// mode Buckling, or keeps Json and asks for the analysis beside it. What is wrong, or
// nothing.
std::optional<QString> ReadBucklingOptions(const QCommandLineParser& parser,
                                           const BucklingOptions& options, CommandLine& command);
