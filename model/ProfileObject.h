#pragma once

#include "LineLibrary.h"

#include <array>
#include <cstdint>

// What a record is. Other byte values can arrive from a file: such a record is kept,
// numbered, compacted and saved, but is neither a bar nor an appendix.
enum TObjectKind : std::uint8_t {
    okBar = 0,
    okAppendix = 2,
};

// Hundredths of a millimetre beside a whole-millimetre point, each in -50..50, so that the
// whole point is always the nearest whole millimetre (ExactPoint.h reads and writes both).
struct TPointFraction {
    std::int16_t X = 0;
    std::int16_t Y = 0;
    friend bool operator==(const TPointFraction&, const TPointFraction&) = default;
};

// One bar or appendix. The first 72 bytes mirror the file record field by field,
// alignment gaps included: gaps and Reserved are never interpreted, yet travel with
// the record through compaction, saving and loading exactly like the other fields. The
// fractions of the points follow; the file keeps them in its extension block.
struct TProfileObject {
    std::int32_t Number = 0; // position in the list after compaction; 0 = deleted slot
    std::array<std::uint8_t, 4> Gap1{};
    double Thickness = 0.0;    // millimetres
    std::uint8_t Kind = okBar; // a TObjectKind, or any byte from a file
    std::array<std::uint8_t, 3> Gap2{};
    TPoint P1; // bar's first end; an appendix's position
    TPoint P2; // bar's second end; stale for an appendix
    std::array<std::uint8_t, 36> Reserved{};
    TPointFraction F1; // P1's fraction
    TPointFraction F2; // P2's fraction

    bool isBar() const { return Kind == okBar; }
    bool isAppendix() const { return Kind == okAppendix; }
    friend bool operator==(const TProfileObject&, const TProfileObject&) = default;
};

// No padding anywhere: records are compared and copied as bytes.
static_assert(sizeof(TProfileObject) == 80, "the 72-byte file record and the fractions");
