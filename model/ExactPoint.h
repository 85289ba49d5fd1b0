#pragma once

#include "ProfileObject.h"

#include <algorithm>
#include <cstdint>

// A point to the hundredth of a millimetre. X and Y count hundredths, so that sums,
// differences and comparisons of points are exact.
struct TExactPoint {
    std::int64_t X = 0;
    std::int64_t Y = 0;
    friend bool operator==(const TExactPoint&, const TExactPoint&) = default;
};

inline constexpr std::int64_t HundredthsPerMm = 100;

// A point in millimetres, as the calculations read it.
struct TPointMm {
    double X = 0;
    double Y = 0;
};

// True when p lies on the line through a and b. Exact: products of differences of
// hundredths need more than 64 bits.
inline bool Collinear(TExactPoint p, TExactPoint a, TExactPoint b) {
    return static_cast<__int128>(b.X - a.X) * (p.Y - a.Y) ==
           static_cast<__int128>(b.Y - a.Y) * (p.X - a.X);
}

// Points ordered by X, then Y. A lambda, so that sorting and searching inline it.
inline constexpr auto PointBefore = [](TExactPoint p, TExactPoint q) {
    return p.X != q.X ? p.X < q.X : p.Y < q.Y;
};

// Strictly between the ends of segment a-b and on it, in exact arithmetic. Most segments
// are far from the point: their box settles it without products.
inline bool InsideSegment(TExactPoint p, TExactPoint a, TExactPoint b) {
    if (p.X < std::min(a.X, b.X) || p.X > std::max(a.X, b.X) || p.Y < std::min(a.Y, b.Y) ||
        p.Y > std::max(a.Y, b.Y) || p == a || p == b)
        return false;
    return Collinear(p, a, b);
}

// Which point of a record.
enum class TEnd { P1, P2 };

TExactPoint ExactPoint(const TProfileObject& o, TEnd end);

inline TExactPoint ExactPoint(TPoint whole) {
    return {whole.X * HundredthsPerMm, whole.Y * HundredthsPerMm};
}

// The nearest whole millimetre, ties to even.
std::int64_t WholeMillimetres(std::int64_t hundredths);
TPoint WholePoint(TExactPoint p);

// True when whole is the nearest whole millimetre to p, whatever p holds.
bool RoundsTo(TExactPoint p, TPoint whole);

// Writes the point as the record holds it: the nearest whole millimetre in P1 or P2, the
// rest in the hundredths beside it. p must lie within the int32 range of millimetres.
void SetExactPoint(TProfileObject& o, TEnd end, TExactPoint p);

// Moves the point by whole millimetres; its fraction stays.
void MoveExactPoint(TProfileObject& o, TEnd end, TPoint delta);

// Millimetres from hundredths, correctly rounded: a whole millimetre k reads as exactly k,
// so a profile without fractions gives the results it gave before points had any.
TPointMm Millimetres(TExactPoint p);

// The one reading of a record's point from which every result is computed.
inline TPointMm PointMm(const TProfileObject& o, TEnd end) {
    return Millimetres(ExactPoint(o, end));
}

// True when either point of the record lies off the whole millimetres.
bool HasFraction(const TProfileObject& o);
