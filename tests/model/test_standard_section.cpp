// Standard sections from their designations: the centre-line bars against dimensions
// worked out by hand. The refusals of malformed designations are checked through the
// command line, which reports them.
#include "ExactPoint.h"
#include "PerfilError.h"
#include "StandardSection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

namespace {

struct BarsCase {
    const char* name;
    const char* designation;
    bool horizontal;
    std::size_t bars;
    std::size_t points; // distinct ends: walls that meet share their end exactly
    double area;        // mm², the sum of length x thickness, sharp corners
    double areaTolerance;
    std::int64_t left, top, right, bottom; // the bars' bounding box, hundredths
};

// Centre-line lengths by hand (outer dimension less half a wall at each square end):
//   U 100x50x2: web 98, flanges 49.          Z 200x75x2: web 198, flanges 74.
//   Ze 200x75x20x2: 198, flanges 73, lips 19. Cr 100x50x20x2: top 98, sides 48, lips 19.
//   L 60x40x3: legs 58,5 and 38,5.           TR 100x50x2: 98 by 48.
//   I 200x100x8x5: flanges 100 (8 thick), web 192 (5 thick).
//   Ue 200x75x25x2,25: web 197,75, flanges 72,75, lips 23,875, which the hundredths make
//   23,87 each: the lip ends lie half a hundredth off, rounded away from the middle.
//   Z45 200x75x20x2: the 45° bend takes t/2 tan(22,5°) = 0,414 from the flange and the
//   lip: flanges 73,586, lips 19,586, the lips' ends within a hundredth.
// Each box is centred on (200, 125) mm, its low side on the hundredth nearest below.
const BarsCase Cases[] = {
    {"U", "U 100x50x2", false, 3, 4, 392, 0, 17550, 7600, 22450, 17400},
    {"U_turned", "U 100x50x2", true, 3, 4, 392, 0, 15100, 10050, 24900, 14950},
    {"Ue_odd_hundredths", "Ue 200x75x25x2,25", false, 5, 6, 390.99 * 2.25, 0, 16363, 2613, 23638,
     22388},
    {"Z", "Z 200x75x2", false, 3, 4, 692, 0, 12600, 2600, 27400, 22400},
    {"Ze", "Ze 200x75x20x2", false, 5, 6, 764, 0, 12700, 2600, 27300, 22400},
    {"Z45", "Z45 200x75x20x2", false, 5, 6, 768.686, 0.05, 11256, 2600, 28743, 22400},
    {"Cr", "Cr 100x50x20x2", false, 5, 6, 464, 0, 13200, 10100, 26800, 14900},
    {"L", "L 60x40x3", false, 2, 3, 291, 0, 18075, 9575, 21925, 15425},
    {"TR_closed", "TR 100x50x2", false, 4, 4, 584, 0, 17600, 7600, 22400, 17400},
    {"I_two_thicknesses", "I 200x100x8x5", false, 5, 6, 2560, 0, 15000, 2900, 25000, 22100},
};

void PrintTo(const BarsCase& c, std::ostream* os) {
    *os << c.designation << (c.horizontal ? ", turned" : "");
}

class SectionBarsTest : public testing::TestWithParam<BarsCase> {};

TEST_P(SectionBarsTest, CentreLinesAsWorkedOutByHand) {
    const BarsCase& c = GetParam();
    const std::vector<TProfileObject> bars =
        SectionBars(ParseSectionDesignation(c.designation), c.horizontal);
    ASSERT_EQ(bars.size(), c.bars);
    double area = 0;
    std::set<std::pair<std::int64_t, std::int64_t>> points;
    std::int64_t left = INT64_MAX, top = INT64_MAX, right = INT64_MIN, bottom = INT64_MIN;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const TProfileObject& bar = bars[i];
        EXPECT_EQ(bar.Number, static_cast<int>(i + 1));
        EXPECT_TRUE(bar.isBar());
        const TPointMm a = PointMm(bar, TEnd::P1), b = PointMm(bar, TEnd::P2);
        area += std::hypot(b.X - a.X, b.Y - a.Y) * bar.Thickness;
        for (const TEnd end : {TEnd::P1, TEnd::P2}) {
            const TExactPoint p = ExactPoint(bar, end);
            points.insert({p.X, p.Y});
            left = std::min(left, p.X);
            right = std::max(right, p.X);
            top = std::min(top, p.Y);
            bottom = std::max(bottom, p.Y);
        }
    }
    EXPECT_EQ(points.size(), c.points);
    EXPECT_NEAR(area, c.area, c.areaTolerance + 1e-9);
    EXPECT_EQ(left, c.left);
    EXPECT_EQ(top, c.top);
    EXPECT_EQ(right, c.right);
    EXPECT_EQ(bottom, c.bottom);
}

INSTANTIATE_TEST_SUITE_P(Types, SectionBarsTest, testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

// The whole chain of one section, from the tip of its upper lip to that of its lower one.
TEST(SectionBarsTest, LippedChannelPointByPoint) {
    const std::vector<TProfileObject> bars =
        SectionBars(ParseSectionDesignation("Ue 200x75x25x2,25"), false);
    const std::vector<std::pair<TExactPoint, TExactPoint>> expected = {
        {{23638, 5000}, {23638, 2613}},   {{23638, 2613}, {16363, 2613}},
        {{16363, 2613}, {16363, 22388}},  {{16363, 22388}, {23638, 22388}},
        {{23638, 22388}, {23638, 20001}},
    };
    ASSERT_EQ(bars.size(), expected.size());
    for (std::size_t i = 0; i < bars.size(); ++i) {
        EXPECT_EQ(ExactPoint(bars[i], TEnd::P1), expected[i].first) << "bar " << i + 1;
        EXPECT_EQ(ExactPoint(bars[i], TEnd::P2), expected[i].second) << "bar " << i + 1;
        EXPECT_EQ(bars[i].Thickness, 2.25);
    }
}

// The web 297 mm tall leaves the 250 mm of the area; laid horizontal, it fits.
TEST(SectionFitTest, TooTallUprightFitsTurned) {
    const TSectionDesignation section = ParseSectionDesignation("Ue 300x85x25x3");
    EXPECT_EQ(SectionFitProblem(section, false),
              "Ue 300x85x25x3,00 não cabe na área de desenho: altura de 297 mm (bw) para 250 mm "
              "de área");
    EXPECT_EQ(SectionFitProblem(section, true), std::nullopt);
    EXPECT_THROW(SectionBars(section, false), PerfilError);
    EXPECT_EQ(SectionBars(section, true).size(), 5u);
}

// Exactly the area's 400 mm wide: every end still on it.
TEST(SectionFitTest, AsWideAsTheArea) {
    const TSectionDesignation section = ParseSectionDesignation("Z 200x201x2");
    ASSERT_EQ(SectionFitProblem(section, false), std::nullopt);
    std::int64_t right = 0;
    for (const TProfileObject& bar : SectionBars(section, false))
        right = std::max({right, ExactPoint(bar, TEnd::P1).X, ExactPoint(bar, TEnd::P2).X});
    EXPECT_EQ(right, 40000);
    EXPECT_NE(SectionFitProblem(ParseSectionDesignation("Z 200x201,01x2"), false), std::nullopt);
}

struct TextCase {
    const char* name;
    const char* written;
    const char* canonical;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.written;
}

class DesignationTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(DesignationTextTest, AsCataloguesWriteIt) {
    EXPECT_EQ(DesignationText(ParseSectionDesignation(GetParam().written)), GetParam().canonical);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, DesignationTextTest,
    testing::Values(TextCase{"as_named", "Ue 200x75x25x2,25", "Ue 200x75x25x2,25"},
                    TextCase{"points_blanks_and_times_signs", "  Ue 200.00 × 75 ×25x 2.25 ",
                             "Ue 200x75x25x2,25"},
                    TextCase{"thickness_to_two_decimals", "U 100,5x50x1,5", "U 100,5x50x1,50"},
                    TextCase{"hundredths_kept", "L 50,05x50x3", "L 50,05x50x3,00"},
                    TextCase{"leading_zeros", "TR 0100x050x2", "TR 100x50x2,00"},
                    TextCase{"both_thicknesses", "I 200x100x8x6,3", "I 200x100x8,00x6,30"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
