#pragma once

#include <cmath>
#include <cstdint>

// Rounds to the nearest integer, ties to even (0.5 -> 0, 1.5 -> 2, 2.5 -> 2).
// nearbyint follows the current rounding mode, which nothing in the program changes
// from the default round-to-nearest-even.
inline double RoundTiesEven(double value) {
    return std::nearbyint(value);
}

// Integer arithmetic that wraps like 32-bit two's complement instead of overflowing:
// coordinates come from files and may lie anywhere in the int32 range.
inline std::int32_t WrapAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
inline std::int32_t WrapSub(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}
inline std::int32_t WrapMul(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}
