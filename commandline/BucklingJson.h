#pragma once

#include "BucklingAnalysis.h"
#include "Profile.h"
#include "ResultsJson.h"

#include <optional>
#include <string>
#include <vector>

// The analysis as the JSON object --json --buckling adds under "Buckling": Load, Length,
// Fy, E, Nu, Reference, Curve as [[half-wavelength, factor], ...], Local, Distortional and
// Global as {"HalfWave", "Factor"} or null, and Dsm with Ne, Nl, Nd, N (Me, Ml, Md, M for a
// moment; null where a mode has no minimum), Governs, Phi (the LRFD strength phi N) and
// Omega (the ASD strength N / Omega).
std::string BucklingJson(const TBucklingResult& result);

// Adds "Buckling" to a profile's fields when --buckling asked for it (input given).
void AppendBucklingField(std::vector<ResultField>& fields, const TProfile& profile,
                         const std::optional<TBucklingInput>& input);
