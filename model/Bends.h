#pragma once

#include "ExactPoint.h"
#include "ProfileObject.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A corner where exactly two bars meet end to end at an angle, rounded as the section is
// made: a circular arc of the centre-line, tangent to both bars.
struct TBend {
    std::size_t BarA, BarB; // indices of the two bars in the objects given
    TEnd EndA, EndB;        // the end of each that lies at the corner
    TPointMm Corner;        // where the two centre-lines met
    TPointMm TangentA;      // where the arc leaves bar A, at Corner's side of it
    TPointMm TangentB;
    TPointMm Centre;
    double Radius;     // mm, of the centre-line: the inner radius plus half the thickness
    double Thickness;  // mm, the thinner bar's: the arc is never thicker than either
    double StartAngle; // radians, the direction from Centre to TangentA, in drawing axes
    double Sweep;      // radians, signed, from TangentA to TangentB about Centre (|Sweep| < pi)

    double length() const;
    // The unit vectors from Centre towards TangentA and TangentB: the arc's ends read off
    // its points, without trigonometry.
    TPointMm startDirection() const;
    TPointMm endDirection() const;
};

// A corner that stays sharp because a bar has no room for the arc: its tangent length
// together with that of the bar's other bend, if any, exceeds the bar, or another bar
// joins it within the tangent length.
struct TSharpCorner {
    std::size_t BarA, BarB;
    TPointMm Corner;
    TExactPoint At; // the same point, exact
};

struct TBends {
    std::vector<TBend> Bends;           // ordered by corner, X then Y
    std::vector<TSharpCorner> Sharp;    // the same order
    // Each object's two ends after the bends shortened its bar: [2 i] for P1, [2 i + 1]
    // for P2; an end without a bend is the object's own point.
    std::vector<TPointMm> Ends;

    TPointMm end(std::size_t object, TEnd which) const {
        return Ends[2 * object + (which == TEnd::P1 ? 0 : 1)];
    }
    // True when a bend starts at this end of the object, which then ends short of its point.
    bool bent(std::size_t object, TEnd which) const;
    // True when a bend starts at either end: the object is a bar drawn short of its points.
    bool shortened(std::size_t object) const {
        return bent(object, TEnd::P1) || bent(object, TEnd::P2);
    }
};

// A bar of the thin-walled model: a length, a positive finite thickness and a Number
// other than 0 (not awaiting compaction).
bool IsWallBar(const TProfileObject& o);

// The bends of the objects for an inner radius (mm). A corner is where the ends of exactly
// two bars coincide, no other bar passes through the point, and the bars are neither in
// line nor folded back on each other. The wall's bars (IsWallBar) take part. A radius of 0
// gives no bend and no sharp corner, and Ends hold the objects' points exactly.
TBends FindBends(std::span<const TProfileObject> objects, double innerRadius);

// The notice for a corner left sharp, its point written as pointText ("12; 30").
std::string SharpCornerNotice(std::string_view pointText);
