#pragma once

#include "CommandLine.h"
#include "Profile.h"
#include "SectionEngineering.h"
#include "SectionProperties.h"

#include <QImage>
#include <QLocale>
#include <QString>

#include <cstdio>
#include <optional>
#include <string>

// Runs a mode without a window on its files and returns the exit status: 0 on success; 1
// after printing the error box's text to standard error when a file cannot be read, the
// section cannot be computed or an output cannot be written (the tables give a failing
// file its row and fail after the last one). The inputs are only ever read. Needs an
// application object (a GUI one for the modes that paint) but no display. locale writes
// the numbers. A material whose density reads as zero is warned about on standard error;
// the exit status stays as it is. Standard output is closed at the end and its errors
// count as failures too.
int RunHeadless(const CommandLine& command, const QLocale& locale);

// What makes the command unusable though it parsed: an output that is the input file
// itself (through any link), which writing would destroy. The message, or nothing.
std::optional<QString> OutputConflict(const CommandLine& command);

// Helpers of the headless modes. Those that read a file throw PerfilError.

// Writes text and a line end to stream, as UTF-8.
void Print(std::FILE* stream, const QString& text);

TProfile LoadProfileFile(const QString& file);

// A loaded profile with its results, computed from material (--material) when given,
// otherwise from the text of the profile's own material.
struct ComputedProfile {
    TProfile profile;
    std::string material;
    TSectionResults results;
    TEngineeringResults engineering;
};
ComputedProfile ComputeProfileFile(const QString& file, const std::optional<QString>& material);

// The drawing the print command would copy right after loading the file: the default
// grid (shown, step DefaultGridStep) and no marker.
inline constexpr int DefaultGridStep = 10;
QImage DrawingAfterLoad(const TProfile& profile);
