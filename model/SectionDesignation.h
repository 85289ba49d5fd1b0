#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The kinds of standard section the program builds from their dimensions: the cold-formed
// shapes by their catalogue codes, a closed rectangular tube and a welded I.
enum class TSectionType { U, Ue, Z, Ze, Z45, Cr, L, TR, I };

// One named dimension of a section type, as catalogues write it.
struct TSectionDimension {
    const char* Name; // "bw", "bf", "D", "t", ...
    bool IsThickness; // written with two decimals
};

// What the designation of a type looks like and what the user is told of it.
struct TSectionShape {
    TSectionType Type;
    const char* Code;        // as the designation writes it, case and all
    const char* Description; // UTF-8
    std::vector<TSectionDimension> Dimensions;
};

// Every type, in the order the dialog lists them.
std::span<const TSectionShape> SectionShapes();
const TSectionShape& SectionShape(TSectionType type);

// A section by its type and its outer dimensions, in the shape's order, in hundredths of
// a millimetre.
struct TSectionDesignation {
    TSectionType Type = TSectionType::U;
    std::vector<std::int64_t> Dimensions;
    friend bool operator==(const TSectionDesignation&, const TSectionDesignation&) = default;
};

// The largest dimension accepted, in hundredths: far beyond the drawing area, yet small
// enough that no sum of dimensions can overflow.
inline constexpr std::int64_t LargestDimension = 100000;

// Reads "Ue 200x75x25x2,25": the code, blanks, then the dimensions in millimetres
// separated by 'x' (or '×'), each with a decimal comma or point and at most two decimals.
// Throws PerfilError with a Portuguese message naming what is wrong, including the
// dimensions that CheckSection refuses.
TSectionDesignation ParseSectionDesignation(std::string_view text);

// Throws PerfilError, naming the dimension, when the section cannot be made: a dimension
// that is not positive or too large, or one that leaves no straight wall beside the
// thickness (a flange no wider than the wall, lips that would meet).
void CheckSection(const TSectionDesignation& section);

// The name the profile is given, as catalogues write it: "Ue 200x75x25x2,25", decimal
// comma, thicknesses with two decimals, the other dimensions with the decimals they need.
std::string DesignationText(const TSectionDesignation& section);

// The inner bend radius a section gets unless told otherwise, in mm: its wall thickness, up
// to the largest radius a profile holds; none for the welded I, whose plates are not bent.
double DefaultBendRadius(const TSectionDesignation& section);
