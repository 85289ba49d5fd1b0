#pragma once

#include <cstdint>

// The drawing area's size in drawing units (pixels, which are millimetres); its origin is
// the top-left corner.
namespace DrawingArea {
inline constexpr std::int32_t Width = 400;
inline constexpr std::int32_t Height = 250;
} // namespace DrawingArea
