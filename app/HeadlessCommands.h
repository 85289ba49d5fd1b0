#pragma once

#include "CommandLine.h"
#include "Profile.h"
#include "SectionProperties.h"

#include <QImage>
#include <QString>

#include <cstdio>
#include <optional>
#include <string>

// Runs --properties, --json or --pdf on command.file and returns the exit status: 0 on
// success; 1 after printing the error box's text to standard error when the file cannot
// be read, the section cannot be computed or the PDF cannot be written. The input file
// is only ever read. Needs an application object (a GUI one for --pdf) but no display.
int RunHeadless(const CommandLine& command);

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
};
ComputedProfile ComputeProfileFile(const QString& file, const std::optional<QString>& material);

// The drawing the print command would copy right after loading the file: the default
// grid (shown, step DefaultGridStep) and no marker.
inline constexpr int DefaultGridStep = 10;
QImage DrawingAfterLoad(const TProfile& profile);
