#include "MakeProfile.h"
#include "PerfilError.h"
#include "SectionProperties.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

namespace {

struct Expected {
    double Perimeter, Area, Xg, Yg, FibreX, FibreY, Jxc, Jyc;
};

struct SectionCase {
    const char* name;
    std::vector<Item> items;
    Expected e;
};

class ComputeSectionTest : public testing::TestWithParam<SectionCase> {};

TEST_P(ComputeSectionTest, MatchesHandComputedValues) {
    const SectionCase& c = GetParam();
    TProfile p = MakeProfile(c.items);
    const TSectionResults r = ComputeSection(p, "Aço - 7,75", ',');
    constexpr double tol = 1e-4;
    EXPECT_NEAR(r.Perimeter, c.e.Perimeter, tol);
    EXPECT_NEAR(r.Area, c.e.Area, tol);
    EXPECT_NEAR(r.Xg, c.e.Xg, tol);
    EXPECT_NEAR(r.Yg, c.e.Yg, tol);
    EXPECT_NEAR(r.FibreX, c.e.FibreX, tol);
    EXPECT_NEAR(r.FibreY, c.e.FibreY, tol);
    EXPECT_NEAR(r.Jxc, c.e.Jxc, 1e-3);
    EXPECT_NEAR(r.Jyc, c.e.Jyc, 1e-3);
    EXPECT_DOUBLE_EQ(r.Density, 7.75);
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, ComputeSectionTest,
    testing::Values(
        SectionCase{"horizontal_bar",
                    {{okBar, {10, 100}, {110, 100}, 1.0}},
                    {100, 100, 60, 100, 50, 0.5, 8.3333333, 83333.3333333}},
        SectionCase{"vertical_bar",
                    {{okBar, {100, 50}, {100, 150}, 1.5}},
                    {100, 150, 100, 100, 0.75, 50, 125000, 28.125}},
        SectionCase{"sloping_bar",
                    {{okBar, {0, 0}, {30, 40}, 2.0}},
                    {50, 100, 15, 20, 15, 20, 13333.3333333, 7500}},
        SectionCase{"bar_near_bottom_falls_back_to_half_thickness",
                    {{okBar, {20, 220}, {120, 220}, 1.0}},
                    {100, 100, 70, 220, 50, 0.5, 8.3333333, 83333.3333333}},
        SectionCase{
            "bar_and_appendix",
            {{okBar, {50, 100}, {150, 100}, 2.0}, {okAppendix, {50, 120}, {}, 2.0}},
            {102, 206, 98.5436893, 100.5825243, 51.4563107, 0.5825243, 1642.6870, 176516.7939}},
        SectionCase{"single_appendix_measures_to_start_extremes",
                    {{okAppendix, {100, 50}, {}, 1.0}},
                    {2, 5, 100, 50, 500, 550, 0, 0}},
        SectionCase{"angle_L_50x40x2",
                    {{okBar, {10, 10}, {10, 60}, 2.0}, {okBar, {10, 60}, {50, 60}, 2.0}},
                    {90, 180, 18.8888889, 46.1111111, 31.1111111, 36.1111111, 48637.7777777,
                     28477.7777778}},
        SectionCase{"channel_C_80x40x2",
                    {{okBar, {50, 10}, {10, 10}, 2.0},
                     {okBar, {10, 10}, {10, 90}, 2.0},
                     {okBar, {10, 90}, {50, 90}, 2.0}},
                    {160, 320, 20, 50, 30, 40, 341386.6666667, 53386.6666667}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ComputeSectionTest, DerivedValuesOfTheReport) {
    TProfile p = MakeProfile({{okBar, {10, 100}, {110, 100}, 1.0}});
    const TSectionResults r = ComputeSection(p, "Aço - 7,75", ',');
    EXPECT_NEAR(r.Wx(), 16.6667, 1e-4);
    EXPECT_NEAR(r.Wy(), 1666.6667, 1e-4);
    EXPECT_DOUBLE_EQ(r.Weight(), 100 * 7.75 / 1000);
}

TEST(ComputeSectionTest, ZeroFibreGivesNoFiniteModulus) {
    TSectionResults r;
    r.Jxc = 10;
    r.FibreY = 0;
    EXPECT_TRUE(std::isnan(r.Wx()));
}

TEST(ComputeSectionTest, SkipsDeletedSlotsAndUnknownKinds) {
    TProfile p = MakeProfile({{okBar, {0, 0}, {30, 40}, 2.0},
                              {okBar, {0, 0}, {500, 0}, 9.0},
                              {static_cast<TObjectKind>(1), {0, 0}, {900, 900}, 9.0}});
    p.Objects(2).Number = 0;
    const TSectionResults r = ComputeSection(p, "", ',');
    EXPECT_EQ(p.ObjectCount(), 2) << "the deleted slot stays dropped";
    EXPECT_EQ(p.Objects(2).Number, 2);
    EXPECT_DOUBLE_EQ(r.Area, 100);
    EXPECT_DOUBLE_EQ(r.Density, 0) << "a text without ' - ' gives no density";
}

void ExpectError(std::vector<Item> items, const char* material, const char* message) {
    TProfile p = MakeProfile(items);
    try {
        ComputeSection(p, material, ',');
        ADD_FAILURE() << "no error for " << message;
    } catch (const PerfilError& e) {
        EXPECT_STREQ(e.what(), message);
    }
}

TEST(ComputeSectionTest, ErrorsCarryTheSystemsTexts) {
    ExpectError({}, "Aço - 7,75", "Invalid floating point operation");
    ExpectError({{okBar, {5, 5}, {5, 5}, 1.0}}, "Aço - 7,75", "Invalid floating point operation");
    ExpectError({{okBar, {0, 0}, {10, 0}, 0.0}}, "Aço - 7,75", "Invalid floating point operation");
    ExpectError({{okBar, {0, 0}, {10, 0}, 1.0}}, "X - 1e999", "Floating point overflow");
    // Finite input whose results leave the float64 range: the weight alone, the area,
    // the moments of a far-flung thick bar.
    ExpectError({{okBar, {0, 0}, {10, 0}, 1.0}}, "A - 1e308", "Floating point overflow");
    ExpectError({{okBar, {0, 0}, {10, 0}, 1e308}}, "", "Floating point overflow");
    ExpectError({{okBar, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, 1e290}}, "",
                "Floating point overflow");
}

// Thicknesses and coordinates from a file may be anything; the computation must neither
// trap nor overflow integers. Non-finite input gives non-finite results, as IEEE says.
TEST(ComputeSectionTest, HostileValuesPropagateWithoutTrapping) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    {
        TProfile p = MakeProfile({{okBar, {0, 0}, {10, 0}, nan}});
        const TSectionResults r = ComputeSection(p, "", ',');
        EXPECT_TRUE(std::isnan(r.Area));
        EXPECT_TRUE(std::isnan(r.Xg));
    }
    {
        TProfile p = MakeProfile({{okBar, {0, 0}, {10, 0}, inf}});
        const TSectionResults r = ComputeSection(p, "", ',');
        EXPECT_TRUE(std::isinf(r.Area));
    }
    {
        TProfile p = MakeProfile({{okBar, {INT_MIN, 0}, {INT_MAX, 0}, 1.0}});
        const TSectionResults r = ComputeSection(p, "", ',');
        EXPECT_DOUBLE_EQ(r.Xg, 0.5) << "|(X1 + X2) / 2| without integer overflow";
    }
}

} // namespace
