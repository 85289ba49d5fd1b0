#pragma once

#include <cstdint>
#include <string>

// The material as the calculations and the design checks read it. The density is always
// read from the text, as the material box shows it ("name - density").
struct TMaterial {
    static constexpr double DefaultE = 200000.0; // MPa
    static constexpr double DefaultNu = 0.3;
    static constexpr double DefaultFy = 250.0; // MPa
    // The ranges that typing and the file accept.
    static constexpr double MinE = 1000.0, MaxE = 1000000.0;
    static constexpr double MinNu = 0.0, MaxNu = 0.49;
    static constexpr double MinFy = 1.0, MaxFy = 10000.0;

    std::string Text; // UTF-8
    double E = DefaultE;   // Young's modulus, MPa
    double Nu = DefaultNu; // Poisson's ratio
    double Fy = DefaultFy; // yield strength, MPa

    // E, Nu and Fy within their ranges (NaN is not).
    bool constantsInRange() const {
        return E >= MinE && E <= MaxE && Nu >= MinNu && Nu <= MaxNu && Fy >= MinFy && Fy <= MaxFy;
    }
    friend bool operator==(const TMaterial&, const TMaterial&) = default;
};

// What a profile says of itself beside its objects.
struct TProfileInfo {
    // The longest name or material text, in bytes, that a profile holds.
    static constexpr std::size_t MaxTextBytes = 1024;

    // The largest inner bend radius typing and the file accept, mm.
    static constexpr double MaxBendRadius = 100.0;

    std::string Name; // UTF-8; empty when the profile has none
    TMaterial Material;
    // mm, the inner radius of every corner where two bars meet end to end; 0: sharp corners
    double BendRadius = 0;

    // Within 0..MaxBendRadius (NaN is not).
    bool bendRadiusInRange() const { return BendRadius >= 0 && BendRadius <= MaxBendRadius; }
    friend bool operator==(const TProfileInfo&, const TProfileInfo&) = default;
};

// What a file of the original layout says: no name, the material list's item at
// materialIndex (the empty text outside the list) and the default constants.
TProfileInfo LayoutInfo(std::int32_t materialIndex);
