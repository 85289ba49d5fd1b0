#pragma once

#include "Bends.h"
#include "Profile.h"
#include "ProfileObject.h"

#include <limits>
#include <span>
#include <string_view>

// How the bars' mid-lines hang together.
enum class TWallKind {
    None,         // no bar with length and thickness
    Open,         // one connected wall without a cell (a tree)
    Closed,       // one connected wall with one closed cell
    MultiCell,    // one connected wall with several cells
    Disconnected, // several separate parts
};

// The name of the kind as --json writes it: "open", "closed", "multi-cell",
// "disconnected", "none".
std::string_view WallName(TWallKind wall);
// The kind in a word of the user's language: "aberta", "fechada", ...
std::string_view WallWord(TWallKind wall);

// The thin-walled line model of the bars: their mid-lines with their thicknesses;
// appendices and through-thickness terms are left out. A value that the wall does not
// have is NaN.
struct TThinWall {
    static constexpr double Missing = std::numeric_limits<double>::quiet_NaN();

    TWallKind Wall = TWallKind::None;
    double J = Missing;  // mm4, St Venant torsion constant (NaN for a part with several cells)
    double Xs = Missing; // mm, shear centre in drawing coordinates (open walls only)
    double Ys = Missing; // mm
    double Cw = Missing; // mm6, warping constant about the shear centre (open walls only)
};

// Bars join where an end coincides with another bar's end or lies exactly on another bar,
// which the junction then splits. Zero-length bars, bars without a positive finite
// thickness, slots awaiting compaction (Number 0) and objects that are not bars take no
// part. Corners are rounded to the inner radius (mm, 0 for sharp): arcs count with their
// lengths in J and enclose the cell they round. Never throws on any input.
TThinWall ComputeThinWall(std::span<const TProfileObject> objects, double innerRadius = 0);
// The same with the bends FindBends found on these objects.
TThinWall ComputeThinWall(std::span<const TProfileObject> objects, const TBends& bends);
// The profile's live objects with its own bend radius.
TThinWall ComputeThinWall(const TProfile& profile);

// A few words, in the user's language, on why the shear centre and Cw are missing
// ("seção fechada", "partes separadas", ...); empty for an open wall.
std::string_view WallNote(TWallKind wall);
// The same for J; empty when J exists.
std::string_view TorsionNote(const TThinWall& wall);
