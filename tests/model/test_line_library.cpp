#include "LineLibrary.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct EquationCase {
    const char* name;
    TPoint a, b;
    TLineOrientation orientation;
    double slope, intercept;
};

class LineEquationTest : public testing::TestWithParam<EquationCase> {};

TEST_P(LineEquationTest, SolvesForTheMajorAxis) {
    const EquationCase& c = GetParam();
    double slope = -99, intercept = -99;
    TLineOrientation orientation = loXofY;
    LineEquation(c.a, c.b, slope, intercept, orientation);
    EXPECT_EQ(orientation, c.orientation);
    EXPECT_DOUBLE_EQ(slope, c.slope);
    EXPECT_DOUBLE_EQ(intercept, c.intercept);
}

INSTANTIATE_TEST_SUITE_P(
    Segments, LineEquationTest,
    testing::Values(EquationCase{"diagonal_tie_goes_to_y_of_x", {0, 0}, {10, 10}, loYofX, 1, 0},
                    EquationCase{"steep", {0, 0}, {3, 10}, loXofY, 0.3, 0},
                    EquationCase{"horizontal", {2, 5}, {12, 5}, loYofX, 0, 5},
                    EquationCase{"vertical", {7, 1}, {7, 9}, loXofY, 0, 7},
                    EquationCase{"reversed_ends", {10, 10}, {0, 5}, loYofX, 0.5, 5},
                    EquationCase{"degenerate", {4, 4}, {4, 4}, loPoint, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct NearCase {
    const char* name;
    TPoint p, a, b;
    bool near;
};

class PointNearSegmentTest : public testing::TestWithParam<NearCase> {};

TEST_P(PointNearSegmentTest, UsesTheMinorAxisBand) {
    const NearCase& c = GetParam();
    EXPECT_EQ(PointNearSegment(c.p, c.a, c.b), c.near);
}

INSTANTIATE_TEST_SUITE_P(
    Hits, PointNearSegmentTest,
    testing::Values(NearCase{"horizontal_4_below", {5, 9}, {0, 5}, {10, 5}, true},
                    NearCase{"horizontal_5_below", {5, 10}, {0, 5}, {10, 5}, false},
                    NearCase{"horizontal_4_above", {5, 1}, {0, 5}, {10, 5}, true},
                    NearCase{"end_inclusive", {10, 5}, {0, 5}, {10, 5}, true},
                    NearCase{"past_end_square", {11, 5}, {0, 5}, {10, 5}, false},
                    NearCase{"vertical_4_left", {3, 5}, {7, 1}, {7, 9}, true},
                    NearCase{"vertical_5_left", {2, 5}, {7, 1}, {7, 9}, false},
                    NearCase{"vertical_before_start", {7, 0}, {7, 1}, {7, 9}, false},
                    NearCase{"tie_rounds_to_even_below", {1, 4}, {0, 0}, {2, 1}, true},
                    NearCase{"tie_rounds_to_even_above", {1, -4}, {0, 0}, {2, 1}, true},
                    NearCase{"tie_rounds_to_even_miss", {1, 5}, {0, 0}, {2, 1}, false},
                    NearCase{"zero_length_never_hit", {4, 4}, {4, 4}, {4, 4}, false},
                    NearCase{"bar_body_edge", {50, 104}, {0, 100}, {100, 100}, true},
                    NearCase{"bar_body_miss", {50, 105}, {0, 100}, {100, 100}, false},
                    NearCase{"int32_extremes_without_overflow",
                             {0, 0},
                             {INT_MIN, INT_MIN},
                             {INT_MAX, INT_MAX},
                             true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PointNearPointTest, IsAnInclusiveSquare) {
    EXPECT_TRUE(PointNearPoint({10, 10}, 4, {14, 6}));
    EXPECT_TRUE(PointNearPoint({10, 10}, 4, {6, 14}));
    EXPECT_FALSE(PointNearPoint({10, 10}, 4, {15, 10}));
    EXPECT_FALSE(PointNearPoint({10, 10}, 4, {10, 5}));
    EXPECT_TRUE(PointNearPoint({INT_MAX, INT_MIN}, 4, {INT_MAX, INT_MIN}));
}

TEST(PointArithmeticTest, WrapsLikeThirtyTwoBitIntegers) {
    EXPECT_EQ(AddPoint({1, -2}, {10, 20}), (TPoint{11, 18}));
    EXPECT_EQ(SubPoint({1, -2}, {10, 20}), (TPoint{-9, -22}));
    EXPECT_EQ(AddPoint({INT_MAX, INT_MIN}, {1, -1}), (TPoint{INT_MIN, INT_MAX}));
    EXPECT_EQ(SubPoint({INT_MIN, INT_MAX}, {1, -1}), (TPoint{INT_MAX, INT_MIN}));
}

} // namespace
