#pragma once

#include <cstdint>

// The drawing area on which profiles are drawn: millimetres, origin at the top-left
// corner, x to the right, y downwards.
namespace DrawingArea {
inline constexpr int Width = 400;
inline constexpr int Height = 250;

// How the drawing shows a profile, on screen and in its pictures alike. Colours are
// opaque 0xAARRGGBB values.
inline constexpr std::uint32_t GridColour = 0xff008000;
inline constexpr std::uint32_t BarColour = 0xff000000;
inline constexpr std::uint32_t AppendixColour = 0xff0000ff;
// An appendix is the outline of the square of this half side around its point.
inline constexpr int AppendixHalfSide = 2;
// A bar end's handle is the square of this half side around the end; a press that
// near grips it.
inline constexpr int HandleSize = 4;
} // namespace DrawingArea
