#include "AreaMove.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr TPoint Area{400, 250};

struct MoveCase {
    const char* name;
    TObjectKind kind;
    TPoint p1, p2, delta;
    TPoint moved; // the move made
};

class AreaMoveTest : public testing::TestWithParam<MoveCase> {};

TEST_P(AreaMoveTest, MovesWithinTheArea) {
    const MoveCase& c = GetParam();
    TProfile p;
    p.createObject(c.kind, c.p1, 10);
    p.Objects(1).P2 = c.p2;
    const TProfileObject before = p.Objects(1);
    EXPECT_EQ(MoveCurrentWithin(p, c.delta, Area), c.moved);
    EXPECT_EQ(p.Objects(1).P1, (TPoint{before.P1.X + c.moved.X, before.P1.Y + c.moved.Y}));
    // An appendix's P2 is no point of it: it neither moves nor limits the move.
    const TPoint p2Moved = c.kind == okBar ? c.moved : TPoint{};
    EXPECT_EQ(p.Objects(1).P2, (TPoint{before.P2.X + p2Moved.X, before.P2.Y + p2Moved.Y}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AreaMoveTest,
    testing::Values(
        MoveCase{"far_end_stops_at_the_right_edge", okBar, {10, 10}, {390, 30}, {50, 0}, {10, 0}},
        MoveCase{"upper_end_stops_at_the_top", okBar, {10, 3}, {20, 30}, {0, -10}, {0, -3}},
        MoveCase{"bottom_right_corner_is_inside", okAppendix, {395, 240}, {0, 0}, {10, 10}, {5, 10}},
        MoveCase{"appendix_ignores_its_stale_p2", okAppendix, {10, 10}, {-500, -500}, {-5, -5}, {-5, -5}},
        MoveCase{"outside_point_moves_no_further_out", okBar, {-20, 10}, {50, 10}, {-1, 0}, {0, 0}},
        MoveCase{"outside_point_may_come_back", okBar, {-20, 10}, {50, 10}, {1, 0}, {1, 0}},
        MoveCase{"extreme_file_coordinates_do_not_overflow", okBar, {INT_MIN, 0}, {INT_MAX, 0}, {1, 0}, {0, 0}}),
    [](const testing::TestParamInfo<MoveCase>& info) { return std::string(info.param.name); });

TEST(AreaMoveTest, NothingCurrentNothingMoves) {
    TProfile p;
    p.createObject(okBar, {10, 10}, 10);
    p.setCurrentIndex(2);
    EXPECT_EQ(MoveCurrentWithin(p, {5, 5}, Area), (TPoint{}));
    EXPECT_EQ(p.Objects(1).P1, (TPoint{10, 10}));
}

} // namespace
