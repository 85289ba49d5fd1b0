#pragma once

#include <optional>
#include <string_view>

// Which strength is the smallest: "global", "local", "distortional", or "yield" when
// none falls below the yield load or moment.
enum class TGoverningMode { Yield, Global, Local, Distortional };
std::string_view GoverningName(TGoverningMode mode);

// The nominal strengths of the Direct Strength Method (AISI S100-16) from the elastic
// critical loads, with the LRFD and ASD values. All in the unit of Yield: N for a
// column, N mm for a beam. A mode without an elastic value (no minimum on the curve) has
// no strength and takes no part.
struct TDirectStrength {
    double Yield = 0;                   // Py or My
    double Global = 0;                  // Pne or Mne
    std::optional<double> Local;        // Pnl or Mnl
    std::optional<double> Distortional; // Pnd or Mnd
    double Nominal = 0;                 // Pn or Mn
    TGoverningMode Governs = TGoverningMode::Yield;
    double Phi = 0, Omega = 0;                           // resistance and safety factors
    double Design() const { return Phi * Nominal; }      // LRFD
    double Allowable() const { return Nominal / Omega; } // ASD
};

// Elastic critical values; an infinite one never buckles.
struct TElasticBuckling {
    double Global;
    std::optional<double> Local, Distortional;
};

// Columns: E2 (global), E3.2.1 (local, on Pne) and E4.1 (distortional, on Py).
TDirectStrength ColumnStrength(double py, const TElasticBuckling& critical);
// Beams: F2.1 (lateral-torsional, through the stress), F3.2.1 (local, on Mne) and F4.1
// (distortional, on My).
TDirectStrength BeamStrength(double my, const TElasticBuckling& critical);
