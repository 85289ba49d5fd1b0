#pragma once

#include <optional>
#include <string_view>

// The reference load the signature curve is scaled to. Compression is positive. A positive
// moment compresses the side with the larger coordinate in axes with y upwards: +Mx the top
// (smaller drawing y), +My the right (larger drawing x).
enum class TBucklingLoad { P, Mx, MinusMx, My, MinusMy };

// "P", "Mx", "-Mx", "My", "-My": the names the command line takes and --json writes.
std::string_view LoadName(TBucklingLoad load);
std::optional<TBucklingLoad> ParseLoad(std::string_view name);

inline bool IsMoment(TBucklingLoad load) {
    return load != TBucklingLoad::P;
}
