#include "Bends.h"
#include "MakeProfile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>

namespace {

constexpr double Pi = std::numbers::pi;

// What a corner comes to, worked out by hand for each drawing.
struct BendCase {
    const char* name;
    std::vector<Item> bars;
    double radius;
    int bends;          // how many corners are rounded
    int sharp;          // how many stay sharp for want of room
    TPointMm tangentA{}; // of the first bend
    TPointMm tangentB{};
    TPointMm centre{};
    double sweep = 0;
};

void PrintTo(const BendCase& c, std::ostream* os) {
    *os << c.name;
}

class BendsTest : public testing::TestWithParam<BendCase> {};

TEST_P(BendsTest, RoundsTheCornersThatHaveRoom) {
    const BendCase& c = GetParam();
    const TProfile p = MakeProfile(c.bars);
    const TBends b = FindBends(p.liveObjects(), c.radius);
    ASSERT_EQ(static_cast<int>(b.Bends.size()), c.bends);
    EXPECT_EQ(static_cast<int>(b.Sharp.size()), c.sharp);
    if (c.bends == 0)
        return;
    const TBend& bend = b.Bends.front();
    EXPECT_NEAR(bend.TangentA.X, c.tangentA.X, 1e-12);
    EXPECT_NEAR(bend.TangentA.Y, c.tangentA.Y, 1e-12);
    EXPECT_NEAR(bend.TangentB.X, c.tangentB.X, 1e-12);
    EXPECT_NEAR(bend.TangentB.Y, c.tangentB.Y, 1e-12);
    EXPECT_NEAR(bend.Centre.X, c.centre.X, 1e-12);
    EXPECT_NEAR(bend.Centre.Y, c.centre.Y, 1e-12);
    EXPECT_NEAR(bend.Sweep, c.sweep, 1e-12);
    // The arc starts where bar A now ends and ends where bar B does.
    EXPECT_NEAR(bend.Centre.X + bend.Radius * std::cos(bend.StartAngle), c.tangentA.X, 1e-12);
    EXPECT_NEAR(bend.Centre.Y + bend.Radius * std::sin(bend.StartAngle), c.tangentA.Y, 1e-12);
    const double endAngle = bend.StartAngle + bend.Sweep;
    EXPECT_NEAR(bend.Centre.X + bend.Radius * std::cos(endAngle), c.tangentB.X, 1e-12);
    EXPECT_NEAR(bend.Centre.Y + bend.Radius * std::sin(endAngle), c.tangentB.Y, 1e-12);
    EXPECT_EQ(b.end(bend.BarA, bend.EndA).X, c.tangentA.X);
    EXPECT_EQ(b.end(bend.BarB, bend.EndB).Y, c.tangentB.Y);
}

// Centre-line radius 3 + 2/2 = 4 in the right angles.
INSTANTIATE_TEST_SUITE_P(
    Drawings, BendsTest,
    testing::Values(
        BendCase{"right_angle",
                 {{okBar, {10, 10}, {110, 10}, 2}, {okBar, {10, 10}, {10, 60}, 2}},
                 3, 1, 0, {14, 10}, {10, 14}, {14, 14}, -Pi / 2},
        BendCase{"the_other_way_round",
                 {{okBar, {10, 60}, {10, 10}, 2}, {okBar, {110, 10}, {10, 10}, 2}},
                 3, 1, 0, {10, 14}, {14, 10}, {14, 14}, Pi / 2},
        // The thinner bar sets the arc: 3 + 1/2; at 135 degrees the tangent is
        // 3.5 tan(22.5 degrees).
        BendCase{"obtuse_with_two_thicknesses",
                 {{okBar, {0, 0}, {100, 0}, 4}, {okBar, {100, 0}, {150, 50}, 1}},
                 3, 1, 0,
                 {100 - 3.5 * std::tan(Pi / 8), 0},
                 {100 + 3.5 * std::tan(Pi / 8) / std::sqrt(2.0), 3.5 * std::tan(Pi / 8) / std::sqrt(2.0)},
                 {100 - 3.5 * std::tan(Pi / 8), 3.5},
                 Pi / 4},
        BendCase{"a_lip_shorter_than_the_tangent",
                 {{okBar, {10, 10}, {110, 10}, 2}, {okBar, {10, 10}, {10, 13}, 2}},
                 3, 0, 1},
        // 4 + 4 > 7: neither corner of the short bar has room beside the other.
        BendCase{"a_bar_too_short_for_both_bends",
                 {{okBar, {10, 10}, {110, 10}, 2},
                  {okBar, {10, 10}, {10, 17}, 2},
                  {okBar, {10, 17}, {110, 17}, 2}},
                 3, 0, 2},
        BendCase{"three_ends_at_a_point",
                 {{okBar, {10, 10}, {110, 10}, 2},
                  {okBar, {10, 10}, {10, 60}, 2},
                  {okBar, {10, 10}, {60, 60}, 2}},
                 3, 0, 0},
        BendCase{"a_bar_passing_through",
                 {{okBar, {10, 10}, {110, 10}, 2},
                  {okBar, {10, 10}, {10, 60}, 2},
                  {okBar, {0, 10}, {5, 10}, 2},
                  {okBar, {-5, 10}, {20, 10}, 2}},
                 3, 0, 0},
        BendCase{"in_line", {{okBar, {10, 10}, {60, 10}, 2}, {okBar, {60, 10}, {110, 10}, 2}},
                 3, 0, 0},
        BendCase{"folded_back", {{okBar, {10, 10}, {60, 10}, 2}, {okBar, {60, 10}, {30, 10}, 2}},
                 3, 0, 0},
        BendCase{"sharp_corners_asked_for",
                 {{okBar, {10, 10}, {110, 10}, 2}, {okBar, {10, 10}, {10, 60}, 2}}, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BendsTest, WithoutBendsTheEndsAreTheObjectsOwnPoints) {
    TProfile p = MakeProfile({{okBar, {10, 10}, {110, 10}, 2}, {okBar, {10, 10}, {10, 11}, 2}});
    SetExactPoint(p.Objects(1), TEnd::P2, {11025, 1000});
    const TBends b = FindBends(p.liveObjects(), 3);
    ASSERT_EQ(b.Sharp.size(), 1u);
    EXPECT_EQ(b.end(0, TEnd::P2).X, 110.25);
    EXPECT_EQ(b.end(1, TEnd::P1).Y, 10.0);
}

} // namespace
