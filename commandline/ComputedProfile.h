#pragma once

#include "Profile.h"
#include "ResultFields.h"
#include "SectionEngineering.h"
#include "SectionProperties.h"

#include <QImage>
#include <QString>

#include <optional>
#include <string>

// What the command-line modes read from a profile file. Those that read a file throw
// PerfilError.

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

// What the result fields read from it.
ResultSource Source(const ComputedProfile& computed);

// The drawing the print command would copy right after loading the file: the default
// grid (shown, step DefaultGridStep) and no marker.
inline constexpr int DefaultGridStep = 10;
QImage DrawingAfterLoad(const TProfile& profile);
