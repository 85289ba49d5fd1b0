#pragma once

// The drawing area on which profiles are drawn: millimetres, origin at the top-left
// corner, x to the right, y downwards.
namespace DrawingArea {
inline constexpr int Width = 400;
inline constexpr int Height = 250;
} // namespace DrawingArea
