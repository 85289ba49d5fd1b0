#pragma once

#include "ProfileObject.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// A DXF drawing turned into profile records: LINEs and the segments of 2-D LWPOLYLINEs
// and POLYLINEs become bars, POINTs appendices; ARCs and bulged polyline segments become
// bends where they join two straight bars tangentially with one inner radius, which the
// profile then takes (ArcBends.h), else one straight bar between their ends. Units follow
// $INSUNITS (none = millimetres). A constant width, or a point's thickness, becomes the
// object's thickness; otherwise defaultThickness (mm). DXF y grows upwards; drawing y =
// 250 - DXF y. A drawing already inside the 400 x 250 area stays where it is (so perfil's
// own export reads back unchanged); any other is moved by whole millimetres to 10 mm from
// the area's left and bottom edges, or as far as its size allows. Coordinates are kept to
// the hundredth of a millimetre (ties to even), the whole millimetres of every point
// within 0..399 x 0..249.
struct TDxfImport {
    std::vector<TProfileObject> Records; // numbered 1..n
    int Straightened = 0;                // arcs and bulges taken as straight bars
    int Bends = 0;                       // arcs taken as bends of BendRadius
    double BendRadius = 0;               // mm, the bends' inner radius; 0 without any
    int UnequalRadii = 0;                // tangent arcs taken as chords: their radii differ
    int Skipped = 0;                     // entities that became nothing
};

// Throws PerfilError with a Portuguese text, and makes nothing, for a text that is not a
// complete DXF drawing, more objects than a profile holds, a drawing larger than the
// area, units it cannot convert, or nothing usable.
TDxfImport ImportDxf(std::span<const std::uint8_t> bytes, double defaultThickness);

// Reads path (file errors as FileBytes.h) and imports it.
TDxfImport ImportDxfFile(const std::string& path, double defaultThickness);

// The notice after an import: objects made, then the arcs taken as bends, those taken as
// chords for their differing radii, the other straightened arcs and the skipped entities
// where there are any.
std::string ImportNotice(const TDxfImport& import);
