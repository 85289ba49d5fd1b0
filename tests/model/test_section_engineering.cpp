#include "ExactPoint.h"
#include "MakeProfile.h"
#include "ResultFields.h"
#include "SectionEngineering.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <numbers>
#include <ostream>
#include <string>
#include <utility>

namespace {

constexpr double Nan = TThinWall::Missing;

// A channel: web from (x, y) down h, flanges of b to the right at both ends.
std::vector<Item> Channel(int x, int y, int h, int b, double t) {
    return {{okBar, {x + b, y}, {x, y}, t},
            {okBar, {x, y}, {x, y + h}, t},
            {okBar, {x, y + h}, {x + b, y + h}, t}};
}

// A channel with lips of d turned inwards at the flange tips.
std::vector<Item> LippedChannel(int x, int y, int h, int b, int d, double t) {
    std::vector<Item> items = Channel(x, y, h, b, t);
    items.push_back({okBar, {x + b, y}, {x + b, y + d}, t});
    items.push_back({okBar, {x + b, y + h}, {x + b, y + h - d}, t});
    return items;
}

struct WallCase {
    const char* name;
    std::vector<Item> items;
    TWallKind wall;
    double J, Xs, Ys, Cw; // NaN where the wall has none
    double scale;         // a length of the section, for tolerances
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const WallCase& c, std::ostream* os) {
    *os << c.name;
}

void ExpectValue(double actual, double expected, double tolerance, const char* what) {
    if (std::isnan(expected))
        EXPECT_TRUE(std::isnan(actual)) << what << " should be missing, is " << actual;
    else
        EXPECT_NEAR(actual, expected, tolerance) << what;
}

class ThinWallTest : public testing::TestWithParam<WallCase> {};

TEST_P(ThinWallTest, MatchesClosedForms) {
    const WallCase& c = GetParam();
    const TProfile p = MakeProfile(c.items);
    const TThinWall w = ComputeThinWall(p.liveObjects());
    EXPECT_EQ(WallName(w.Wall), WallName(c.wall));
    const double s = c.scale;
    ExpectValue(w.J, c.J, 1e-9 * s, "J");
    ExpectValue(w.Xs, c.Xs, 1e-9 * s, "Xs");
    ExpectValue(w.Ys, c.Ys, 1e-9 * s, "Ys");
    ExpectValue(w.Cw, c.Cw, 1e-9 * std::pow(s, 5), "Cw");
}

// Channel h = 100, b = 50, t = 2 with its web at x = 100: the shear centre lies behind
// the web at 3 b^2 / (h + 6 b).
constexpr double H = 100, B = 50, T = 2;
const double ChannelJ = (2 * B + H) * T * T * T / 3;
const double ChannelE = 3 * B * B / (H + 6 * B);
const double ChannelCw = T * B * B * B * H * H / 12 * (3 * B + 2 * H) / (6 * B + H);

// Lipped channel h = 100, b = 50, lips 20.
constexpr double D = 20;
const double LippedE = B * (3 * H * H * B + 6 * H * H * D - 8 * D * D * D) /
                       (H * H * H + 6 * H * H * B + 6 * H * H * D + 8 * D * D * D - 12 * H * D * D);

// The integral of the squared sectorial coordinate over a straight piece of the wall,
// the coordinate running linearly from a to b.
double Piece(double a, double b, double length) {
    return T * length * (a * a + a * b + b * b) / 3;
}

// The lipped channel's warping constant, integrated by hand about the shear centre from
// the web's middle, where the sectorial coordinate is 0 by symmetry: e h / 2 at the corner,
// less h b / 2 at the flange tip, less (e + b) d at the lip's end.
double LippedCw() {
    const double w1 = LippedE * H / 2, w2 = w1 - H * B / 2, w3 = w2 - (LippedE + B) * D;
    return 2 * (Piece(0, w1, H / 2) + Piece(w1, w2, B) + Piece(w2, w3, D));
}

// A hat: top 2 a = 60 from x = 70 to 130 at y = 50, webs h = 50 down, lips d = 20 out.
// About the top's middle the sectorial coordinate is 0 along the top, a y down a web and
// a h - h s along a lip; symmetry leaves the shear centre on x = 100 at Ys = 50 - Iwx / Iyy.
constexpr double HatA = 30, HatH = 50, HatD = 20;
const double HatIwx =
    2 * T * (HatA * HatA * HatH * HatH / 2 + HatH * (HatA * HatA * HatD - HatD * HatD * HatD / 3));
const double HatIyy = T * (2 * HatA * HatA * HatA / 3 + 2 * HatH * HatA * HatA +
                           2 * (std::pow(HatA + HatD, 3) - std::pow(HatA, 3)) / 3);
const double HatE = -HatIwx / HatIyy; // from the top, downwards positive

// Cw about the shear centre, where the coordinate gains e x: along the top from 0 to e a,
// down a web to a h + e a, along a lip to a h - h d + e (a + d); twice for both halves.
double HatCw() {
    const double w1 = HatE * HatA, w2 = HatA * HatH + HatE * HatA,
                 w3 = HatA * HatH - HatH * HatD + HatE * (HatA + HatD);
    return 2 * (Piece(0, w1, HatA) + Piece(w1, w2, HatH) + Piece(w2, w3, HatD));
}

// Z of web 100 and flanges 50 each way, centroid at the web's middle.
const double ZCw = T * B * B * B * H * H / 12 * (B + 2 * H) / (2 * B + H);

// Tube 80 x 40 by Bredt.
const double TubeJ = 4 * (80.0 * 40) * (80.0 * 40) / (2 * (80 + 40) / T);

// Bars of thickness T, each from its first point to its second.
std::vector<Item> Bars(const std::vector<std::pair<TPoint, TPoint>>& ends) {
    std::vector<Item> items;
    for (const auto& [from, to] : ends)
        items.push_back({okBar, from, to, T});
    return items;
}

// Bars of thickness T joining the points in turn.
std::vector<Item> Path(const std::vector<TPoint>& points) {
    std::vector<Item> items;
    for (std::size_t i = 1; i < points.size(); ++i)
        items.push_back({okBar, points[i - 1], points[i], T});
    return items;
}

// The tube 80 x 40 from (20, 20), with one more bar where given.
std::vector<Item> Tube(const std::vector<std::pair<TPoint, TPoint>>& more = {}) {
    std::vector<Item> items = Path({{20, 20}, {100, 20}, {100, 60}, {20, 60}, {20, 20}});
    for (const Item& extra : Bars(more))
        items.push_back(extra);
    return items;
}

const std::vector<Item> Degenerate = {
    {okBar, {10, 10}, {10, 10}, T}, {okBar, {0, 0}, {90, 0}, 0.0}, {okAppendix, {5, 5}, {}, T}};

INSTANTIATE_TEST_SUITE_P(
    Sections, ThinWallTest,
    testing::Values(
        WallCase{"channel", Channel(100, 50, 100, 50, T), TWallKind::Open, ChannelJ, 100 - ChannelE,
                 100, ChannelCw, 100},
        WallCase{"lipped_channel", LippedChannel(100, 50, 100, 50, 20, T), TWallKind::Open,
                 (2 * B + H + 2 * D) * T* T* T / 3, 100 - LippedE, 100, LippedCw(), 100},
        WallCase{"hat", Path({{50, 100}, {70, 100}, {70, 50}, {130, 50}, {130, 100}, {150, 100}}),
                 TWallKind::Open, 200 * T* T* T / 3, 100, 50 + HatE, HatCw(), 100},
        WallCase{"z_shear_centre_at_centroid", Path({{150, 50}, {100, 50}, {100, 150}, {50, 150}}),
                 TWallKind::Open, ChannelJ, 100, 100, ZCw, 100},
        WallCase{"equal_angle", Bars({{{100, 100}, {150, 100}}, {{100, 100}, {100, 50}}}),
                 TWallKind::Open, 100 * T* T* T / 3, 100, 100, 0, 50},
        WallCase{"unequal_angle", Bars({{{100, 100}, {180, 100}}, {{100, 50}, {100, 100}}}),
                 TWallKind::Open, 130 * T* T* T / 3, 100, 100, 0, 80},
        WallCase{"sloping_bar_shear_centre_at_its_middle", Bars({{{0, 0}, {30, 40}}}),
                 TWallKind::Open, 50 * T* T* T / 3, 15, 20, 0, 50},
        WallCase{"tee_splits_the_flange_at_the_junction",
                 Bars({{{50, 50}, {150, 50}}, {{100, 50}, {100, 120}}}), TWallKind::Open,
                 170 * T* T* T / 3, 100, 50, 0, 100},
        WallCase{"rectangular_tube_by_bredt", Tube(), TWallKind::Closed, TubeJ, Nan, Nan, Nan, 80},
        WallCase{"tube_with_a_lip_adds_the_open_branch", Tube({{{60, 20}, {60, 5}}}),
                 TWallKind::Closed, TubeJ + 15 * T* T* T / 3, Nan, Nan, Nan, 80},
        // The bottom runs from right to left: its two inner nodes must still come in turn.
        WallCase{"lips_on_a_side_drawn_backwards", Tube({{{40, 60}, {40, 75}}, {{80, 60}, {80, 75}}}),
                 TWallKind::Closed, TubeJ + 30 * T* T* T / 3, Nan, Nan, Nan, 80},
        WallCase{"tube_with_a_middle_web_has_two_cells", Tube({{{60, 20}, {60, 60}}}),
                 TWallKind::MultiCell, Nan, Nan, Nan, Nan, 80},
        WallCase{"an_end_one_unit_off_the_bar_stays_apart",
                 Bars({{{50, 50}, {150, 50}}, {{100, 51}, {100, 120}}}), TWallKind::Disconnected,
                 169 * T* T* T / 3, Nan, Nan, Nan, 100},
        WallCase{"zero_length_and_zero_thickness_bars_take_no_part", Degenerate, TWallKind::None,
                 Nan, Nan, Nan, Nan, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// The same channel (web 40, flanges 20) drawn along a 3-4-5 direction: the flanges run
// along (12, 16) and the web along (-32, 24).
std::vector<Item> RotatedChannel(double t) {
    return {{okBar, {112, 66}, {100, 50}, t},
            {okBar, {100, 50}, {68, 74}, t},
            {okBar, {68, 74}, {80, 90}, t}};
}

TEST(ThinWallTest, RotatedChannelKeepsJAndCwAndTurnsItsShearCentre) {
    const TThinWall aligned =
        ComputeThinWall(MakeProfile(Channel(100, 50, 40, 20, T)).liveObjects());
    const TThinWall rotated = ComputeThinWall(MakeProfile(RotatedChannel(T)).liveObjects());
    EXPECT_NEAR(rotated.J, aligned.J, 1e-9 * aligned.J);
    EXPECT_NEAR(rotated.Cw, aligned.Cw, 1e-9 * aligned.Cw);
    const double e = 3.0 * 20 * 20 / (40 + 6 * 20);
    EXPECT_NEAR(rotated.Xs, 84 - e * 12 / 20, 1e-9);
    EXPECT_NEAR(rotated.Ys, 62 - e * 16 / 20, 1e-9);
}

// Bars of thickness t between exact points (hundredths of a millimetre).
TProfile ExactBars(const std::vector<std::pair<TExactPoint, TExactPoint>>& ends, double t) {
    TProfile p;
    for (const auto& [from, to] : ends) {
        p.createObject(okBar, {}, 10);
        TProfileObject& o = p.Objects(p.ObjectCount());
        o.Thickness = t;
        SetExactPoint(o, TEnd::P1, from);
        SetExactPoint(o, TEnd::P2, to);
    }
    return p;
}

// The centre-line of a channel 200 x 75 x 2,25 as the tables give it: web 197,75 from
// (50, 20), flanges 72,75. Rounding its points to whole millimetres would change every
// value below; the expected ones are integrated by hand and by the channel's closed forms.
TEST(SectionEngineeringTest, ChannelOffTheMillimetresMatchesHandIntegration) {
    const double h = 197.75, b = 72.75, t = 2.25;
    const TExactPoint tip1{12275, 2000}, corner1{5000, 2000}, corner2{5000, 21775},
        tip2{12275, 21775};
    const TEngineeringResults e = ComputeEngineering(
        ExactBars({{tip1, corner1}, {corner1, corner2}, {corner2, tip2}}, t), "Aço - 7,75", ',');
    const TSectionResults& r = e.Section;
    EXPECT_DOUBLE_EQ(r.Perimeter, 343.25);
    EXPECT_DOUBLE_EQ(r.Area, 772.3125);
    EXPECT_NEAR(r.Xg, 65.41897305171157, 1e-12);
    EXPECT_DOUBLE_EQ(r.Yg, 118.875);
    EXPECT_NEAR(r.Jxc, 4650585.4658203125, 1e-6);
    EXPECT_NEAR(r.Jyc, 394125.3640558141, 1e-6);
    EXPECT_NEAR(r.FibreX, 57.331026948288425, 1e-12);
    EXPECT_DOUBLE_EQ(r.FibreY, 98.875);
    EXPECT_EQ(WallName(e.Wall.Wall), "open");
    EXPECT_NEAR(e.Wall.J, (h + 2 * b) * t * t * t / 3, 1e-9);
    EXPECT_NEAR(e.Wall.Xs, 50 - 3 * b * b / (h + 6 * b), 1e-9);
    EXPECT_NEAR(e.Wall.Ys, 118.875, 1e-9);
    const double cw = t * b * b * b * h * h / 12 * (3 * b + 2 * h) / (6 * b + h);
    EXPECT_NEAR(e.Wall.Cw, cw, 1e-9 * cw);
}

// A web whose end lies on the flange at a point off the whole millimetres joins it there.
TEST(ThinWallTest, TeeJoinsAtAPointOffTheMillimetres) {
    const TThinWall w = ComputeThinWall(
        ExactBars({{{1000, 1000}, {11000, 1000}}, {{6025, 1000}, {6025, 8050}}}, T).liveObjects());
    EXPECT_EQ(WallName(w.Wall), "open");
    EXPECT_NEAR(w.J, 170.5 * T * T * T / 3, 1e-9);
}

// The report weighs an axis-parallel bar with its own L t3 / 12 across, a sloping bar as
// a thin strip: the rotated channel's principal moments are the aligned one's Jxc and Jyc
// without those terms, and its major axis runs along the flanges.
TEST(SectionEngineeringTest, PrincipalMomentsDifferOnlyByThroughThicknessTerms) {
    const double t = 2;
    const TEngineeringResults aligned =
        ComputeEngineering(MakeProfile(Channel(100, 50, 40, 20, t)), "Aço - 7,75", ',');
    const TEngineeringResults rotated =
        ComputeEngineering(MakeProfile(RotatedChannel(t)), "Aço - 7,75", ',');
    const double major = aligned.Section.Jxc - 2 * 20 * t * t * t / 12;
    const double minor = aligned.Section.Jyc - 40 * t * t * t / 12;
    EXPECT_NEAR(rotated.I1, major, 1e-9 * major);
    EXPECT_NEAR(rotated.I2, minor, 1e-9 * major);
    EXPECT_NEAR(rotated.Theta, std::atan2(-16.0, 12.0) * 180 / std::numbers::pi, 1e-9);
    EXPECT_NEAR(aligned.Jxy, 0, 1e-9 * major) << "a channel is symmetric about x";
    EXPECT_DOUBLE_EQ(aligned.I1, aligned.Section.Jxc);
    EXPECT_DOUBLE_EQ(aligned.Theta, 0);
    EXPECT_NEAR(rotated.R1, std::sqrt(major / rotated.Section.Area), 1e-9);
    EXPECT_DOUBLE_EQ(aligned.Rx, std::sqrt(aligned.Section.Jxc / aligned.Section.Area));
}

struct AxesCase {
    const char* name;
    std::vector<Item> items;
    double Jxy, Theta, Rx, Ry;
    double Left, Right, Top, Bottom; // fibre distances
};

void PrintTo(const AxesCase& c, std::ostream* os) {
    *os << c.name;
}

class SectionAxesTest : public testing::TestWithParam<AxesCase> {};

TEST_P(SectionAxesTest, MatchesHandComputedValues) {
    const AxesCase& c = GetParam();
    const TEngineeringResults e = ComputeEngineering(MakeProfile(c.items), "", ',');
    EXPECT_NEAR(e.Jxy, c.Jxy, 1e-6);
    EXPECT_NEAR(e.Theta, c.Theta, 1e-9);
    EXPECT_NEAR(e.Rx, c.Rx, 1e-9);
    EXPECT_NEAR(e.Ry, c.Ry, 1e-9);
    EXPECT_NEAR(e.FibreLeft, c.Left, 1e-9);
    EXPECT_NEAR(e.FibreRight, c.Right, 1e-9);
    EXPECT_NEAR(e.FibreTop, c.Top, 1e-9);
    EXPECT_NEAR(e.FibreBottom, c.Bottom, 1e-9);
}

// Equal angle 50 x 2, legs along +x and +y as an engineer draws them (up is smaller
// drawing y): centroid b/4 from each leg, Jxy = -b^3 t / 8, major axis at +45 degrees;
// mirrored, at -45. Jxc = Jyc = b t^3 / 12 + b^3 t / 12 + 2 (b t) (b / 4)^2.
const double AngleR = std::sqrt((50 * 8 / 12.0 + 125000 * 2 / 12.0 + 2 * 100 * 12.5 * 12.5) / 200);

// An angle with a bulb at the tip of its foot: legs (10,10)-(10,60) and (10,60)-(50,60),
// an appendix at (50,55), all 2 thick. A = 100 + 80 + 6, Xg = 1850/93, Yg = 4315/93; a
// leg's own terms are L^2 (t L) / 12 along it and t^2 (t L) / 12 across it, the appendix
// weighs 4 in the moments. Theta from these moments is 35,17 degrees; without the
// appendix's term in the product it would be 34,75.
const double BulbXg = 1850.0 / 93, BulbYg = 4315.0 / 93;
const double BulbJxc = 2500 * 100 / 12.0 + 100 * std::pow(35 - BulbYg, 2) + 8 * 40 / 12.0 +
                       80 * std::pow(60 - BulbYg, 2) + 4 * std::pow(55 - BulbYg, 2);
const double BulbJyc = 8 * 50 / 12.0 + 100 * std::pow(10 - BulbXg, 2) + 1600 * 80 / 12.0 +
                       80 * std::pow(30 - BulbXg, 2) + 4 * std::pow(50 - BulbXg, 2);
const double BulbJxy = -(100 * (10 - BulbXg) * (35 - BulbYg) + 80 * (30 - BulbXg) * (60 - BulbYg) +
                         4 * (50 - BulbXg) * (55 - BulbYg));

INSTANTIATE_TEST_SUITE_P(
    Sections, SectionAxesTest,
    testing::Values(
        AxesCase{"equal_angle",
                 {{okBar, {100, 100}, {150, 100}, 2.0}, {okBar, {100, 100}, {100, 50}, 2.0}},
                 -31250, 45, AngleR, AngleR, 12.5, 37.5, 37.5, 12.5},
        AxesCase{"equal_angle_mirrored",
                 {{okBar, {100, 100}, {50, 100}, 2.0}, {okBar, {100, 100}, {100, 50}, 2.0}},
                 31250, -45, AngleR, AngleR, 37.5, 12.5, 37.5, 12.5},
        // Symmetric about x = 54: its product cancels but for rounding, which must not
        // turn the major axis from +90 to -90 degrees. A = 252,2, Yg = 6553/97.
        AxesCase{"odd_hat_without_a_product",
                 {{okBar, {13, 97}, {31, 97}, 1.3},
                  {okBar, {31, 97}, {31, 41}, 1.3},
                  {okBar, {31, 41}, {77, 41}, 1.3},
                  {okBar, {77, 41}, {77, 97}, 1.3},
                  {okBar, {77, 97}, {95, 97}, 1.3}},
                 0, 90, 21.91416690430942, 23.287878651698183, 41, 41, 6553.0 / 97 - 41,
                 97 - 6553.0 / 97},
        AxesCase{"angle_with_a_bulb",
                 {{okBar, {10, 10}, {10, 60}, 2.0},
                  {okBar, {10, 60}, {50, 60}, 2.0},
                  {okAppendix, {50, 55}, {}, 2.0}},
                 BulbJxy, 35.16564540286053,
                 std::sqrt(BulbJxc / 186), std::sqrt(BulbJyc / 186), BulbXg - 10, 50 - BulbXg,
                 BulbYg - 10, 60 - BulbYg}),
    [](const auto& info) { return std::string(info.param.name); });

struct TableCase {
    const char* name;
    std::vector<Item> items;
    double WxTop, WxBottom, WyLeft, WyRight;
    double X0, Y0, R0, BetaX, BetaY; // NaN where the wall is not open
};

void PrintTo(const TableCase& c, std::ostream* os) {
    *os << c.name;
}

class SectionTableTest : public testing::TestWithParam<TableCase> {};

TEST_P(SectionTableTest, MatchesHandComputedValues) {
    const TableCase& c = GetParam();
    const TEngineeringResults e = ComputeEngineering(MakeProfile(c.items), "", ',');
    const double expected[] = {c.WxTop, c.WxBottom, c.WyLeft, c.WyRight, c.X0,
                               c.Y0,    c.R0,       c.BetaX,  c.BetaY};
    const char* keys[] = {"WxTop", "WxBottom", "WyLeft", "WyRight", "X0",
                          "Y0",    "R0",       "BetaX",  "BetaY"};
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        const ResultField& field = FindResultField(keys[i]);
        const double actual = ShowResult(field, e).value;
        // Zero by symmetry must come out as 0, never as rounding noise shown as "-0,00".
        const double tolerance = expected[i] == 0 ? 0 : 1e-9 * std::abs(expected[i]);
        ExpectValue(actual, expected[i], tolerance, keys[i]);
    }
}

// A channel of web h and flanges b, with lips d or bulbs (appendices of T thick, weighing
// 4 in the moments as the report has them) at the flange tips, web on the left. In axes
// through the centroid, x towards the tips, y up, the web at x = -c, the tips at x = f = b - c:
//   web:     integral of x (x2 + y2) dA = -T c (c2 h + h3 / 12)
//   flanges: 2 T integral from -c to f of x (x2 + h2 / 4) dx = T/2 (f4 - c4) + T h2/4 (f2 - c2)
//   lips:    2 T f integral from h/2 - d to h/2 of (f2 + y2) dy
//              = 2 T d f3 + 2/3 T f ((h/2)3 - (h/2 - d)3)
//   bulbs:   2 * 4 f (f2 + h2 / 4)
// The centre-line's own terms in Jxc and Jyc are those of the report: L t3 / 12 across each
// bar. The shear centre lies e behind the web, the bulbs taking no part in the wall:
// x0 = -(c + e), and beta_y = that integral / Jyc - 2 x0 (the AISI j being half of it).
TableCase ChannelRow(const char* name, int height, int width, int lip, bool bulbs, double e) {
    std::vector<Item> items = lip > 0 ? LippedChannel(100, 50, height, width, lip, T)
                                      : Channel(100, 50, height, width, T);
    const double bulb = bulbs ? 2 : 0;
    if (bulbs) {
        items.push_back({okAppendix, {100 + width, 50}, {}, T});
        items.push_back({okAppendix, {100 + width, 50 + height}, {}, T});
    }
    const double h = height, b = width, d = lip;
    const double area = (h + 2 * b + 2 * d) * T + bulb * (T + 4);
    const double c = (b * b * T + 2 * d * T * b + bulb * (T + 4) * b) / area, f = b - c;
    const double jxc = h * h * h * T / 12 + 2 * (b * T * T * T / 12 + b * T * h * h / 4) +
                       2 * (d * d * d * T / 12 + d * T * (h - d) * (h - d) / 4) +
                       bulb * 4 * h * h / 4;
    const double jyc = h * T * T * T / 12 + h * T * c * c +
                       2 * (b * b * b * T / 12 + b * T * (b / 2 - c) * (b / 2 - c)) +
                       2 * (d * T * T * T / 12 + d * T * f * f) + bulb * 4 * f * f;
    const double polar = -T * c * (c * c * h + h * h * h / 12) +
                         T / 2 * (f * f * f * f - c * c * c * c) + T * h * h / 4 * (f * f - c * c) +
                         2 * T * d * f * f * f +
                         2.0 / 3 * T * f * (std::pow(h / 2, 3) - std::pow(h / 2 - d, 3)) +
                         bulb * 4 * f * (f * f + h * h / 4);
    const double x0 = -(c + e);
    const double faceRight = d > 0 ? f + T / 2 : f;
    return {name,
            items,
            jxc / (h / 2 + T / 2),
            jxc / (h / 2 + T / 2),
            jyc / (c + T / 2),
            jyc / faceRight,
            x0,
            0,
            std::sqrt((jxc + jyc) / area + x0 * x0),
            0,
            polar / jyc - 2 * x0};
}

// Tee: flange 100 along y = 50, web 100 down from its middle, all T thick. A = 400, the
// centroid 25 below the flange, Jxc = 100^3 T / 12 + 2 * 100 T 25^2 + 100 T^3 / 12 and
// Jyc = 100^3 T / 12 + 100 T^3 / 12; the major axis is x, the shear centre at the junction
// 25 above the centroid: y0 = 25. With y up from the centroid,
//   flange: T integral from -50 to 50 of 25 (x2 + 25^2) dx = 25 T (2 * 50^3 / 3 + 625 * 100)
//   web:    T integral from -75 to 25 of y3 dy = T (25^4 - 75^4) / 4
// and beta_x = their sum / Jxc - 2 y0. Top face at y = 49, bottom at the web's end.
const double TeeJxc = 1e6 * T / 12 + 2 * 100 * T * 625 + 100 * T * T * T / 12;
const double TeeJyc = 1e6 * T / 12 + 100 * T * T * T / 12;
const double TeeBetaX =
    (25 * T * (2 * 125000.0 / 3 + 62500) + T * (390625.0 - 31640625.0) / 4) / TeeJxc - 50;

// Equal angle of legs b = 50 from (100, 100) to the right and up: the major axis is its
// axis of symmetry at 45 degrees, the shear centre at the heel, x0 = -b / (2 sqrt 2). Along
// a leg u = w - q/2 and v = -+w with q = b / sqrt 2, w from 0 to q, ds = sqrt 2 dw: the
// integral of u (u2 + v2) dA is 2 sqrt2 T times that of z (2 z2 + q z + q2 / 4), z from
// -q/2 to q/2, which leaves q q3 / 12: sqrt 2 T b4 / 24. I2 = Jxc - b3 T / 8 = b3 T / 12 +
// b T3 / 12, I1 = Jxc + b3 T / 8.
const double AngleJ = 50 * T * T * T / 12 + 125000 * T / 12 + 2 * 50 * T * 12.5 * 12.5;
const double AngleI2 = AngleJ - 125000 * T / 8;
const double AngleX0 = -50 / (2 * std::numbers::sqrt2);

INSTANTIATE_TEST_SUITE_P(
    Sections, SectionTableTest,
    testing::Values(ChannelRow("channel", 100, 50, 0, false, ChannelE),
                    ChannelRow("lipped_channel", 100, 50, 20, false, LippedE),
                    ChannelRow("channel_with_bulbs_at_the_tips", 100, 50, 0, true, ChannelE),
                    TableCase{"tee", Bars({{{50, 50}, {150, 50}}, {{100, 50}, {100, 150}}}),
                              TeeJxc / 26, TeeJxc / 75, TeeJyc / 50, TeeJyc / 50, 0, 25,
                              std::sqrt((TeeJxc + TeeJyc) / 400 + 625), TeeBetaX, 0},
                    TableCase{"equal_angle_turned_45_degrees",
                              Bars({{{100, 100}, {150, 100}}, {{100, 100}, {100, 50}}}),
                              AngleJ / 37.5, AngleJ / 13.5, AngleJ / 13.5, AngleJ / 37.5, AngleX0,
                              0, std::sqrt(2 * AngleJ / 200 + AngleX0 * AngleX0), 0,
                              std::numbers::sqrt2* T * 6250000 / 24 / AngleI2 - 2 * AngleX0}),
    [](const auto& info) { return std::string(info.param.name); });

// The rounded channel (web 100 at x = 100, flanges 50, T = 2, inner radius 4: arcs of
// radius 5 about (105, 55) and (105, 145)) about (110, 97) in axes turned 30 degrees: the
// integrals of u (u2 + v2) and v (u2 + v2) by composite Simpson's rule over 4000 steps a
// piece in Python, sampled from the arcs' and bars' parametric equations.
TEST(SectionTableTest, PolarMomentsOfARoundedChannelMatchANumericalIntegration) {
    const TProfile p = MakeProfile(Channel(100, 50, 100, 50, T));
    const TBends bends = FindBends(p.liveObjects(), 4);
    ASSERT_EQ(bends.Bends.size(), 2u);
    const TPointMm m = PolarMoments(p.liveObjects(), bends, {110, 97}, 30);
    EXPECT_NEAR(m.X, 4244590.30532727, 1e-6);
    EXPECT_NEAR(m.Y, -9526842.0432168, 1e-6);
}

// A roof of two bars at right angles, T thick. Sharp, its top face is the bars' rectangles'
// corner, T / 2 / sqrt 2 above the apex; rounded with an inner radius 5 (centre-line
// radius 6, its centre 6 sqrt 2 below the apex), the arc's outer point 7 above the centre.
TEST(SectionTableTest, TopFaceOfARoofIsItsApexOrItsArc) {
    for (const auto& [radius, top] : {std::pair{0.0, 50 - T / 2 / std::numbers::sqrt2},
                                      std::pair{5.0, 50 + 6 * std::numbers::sqrt2 - 7}}) {
        TProfile p = MakeProfile(Path({{50, 100}, {100, 50}, {150, 100}}));
        TProfileInfo info;
        info.BendRadius = radius;
        p.setInfo(info);
        const TEngineeringResults e = ComputeEngineering(p, "", ',');
        EXPECT_NEAR(e.Section.Yg - e.Section.Jxc / e.Table.WxTop, top, 1e-9) << radius;
        EXPECT_NEAR(e.Section.Xg + e.Section.Jyc / e.Table.WyRight,
                    150 + T / 2 / std::numbers::sqrt2, 1e-9)
            << radius;
    }
}

// The live calculation leaves slots awaiting compaction where they are, yet gives the
// report's numbers bit for bit.
TEST(SectionEngineeringTest, LeavesTheProfileAloneAndAgreesWithTheReport) {
    TProfile p = MakeProfile({{okBar, {0, 0}, {30, 40}, 2.0},
                              {okBar, {0, 0}, {500, 7}, 9.0},
                              {okBar, {30, 40}, {90, 40}, 1.5},
                              {okAppendix, {70, 20}, {}, 3.0}});
    p.Objects(2).Number = 0;
    const TEngineeringResults live = ComputeEngineering(p, "Aço - 7,75", ',');
    EXPECT_EQ(p.ObjectCount(), 4);
    EXPECT_EQ(p.Objects(2).Number, 0);
    const TSectionResults report = ComputeSection(p, "Aço - 7,75", ',');
    const TSectionResults& r = live.Section;
    for (auto [a, b] : {std::pair{r.Area, report.Area},
                        {r.Perimeter, report.Perimeter},
                        {r.Xg, report.Xg},
                        {r.Yg, report.Yg},
                        {r.Jxc, report.Jxc},
                        {r.Jyc, report.Jyc},
                        {r.FibreX, report.FibreX},
                        {r.FibreY, report.FibreY},
                        {r.Density, report.Density}})
        EXPECT_EQ(a, b);
    EXPECT_EQ(WallName(live.Wall.Wall), "open") << "the dropped slot takes no part";
}

// Values a file may hold: the live calculation neither throws nor overflows integers.
TEST(SectionEngineeringTest, HostileValuesNeverThrow) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    TProfile p = MakeProfile({{okBar, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, 1.0},
                              {okBar, {0, 0}, {0, INT_MAX}, 1.0},
                              {okBar, {INT_MIN, 0}, {INT_MAX, 0}, nan},
                              {okBar, {-7, -7}, {-7, -7}, 1.0},
                              {static_cast<TObjectKind>(1), {0, 0}, {5, 5}, 1.0},
                              {okAppendix, {INT_MIN, INT_MAX}, {}, 1e308}});
    const TEngineeringResults e = ComputeEngineering(p, "X - 1e999", ',');
    EXPECT_EQ(WallName(e.Wall.Wall), "open") << "the second bar ends inside the first one";
    EXPECT_EQ(p.ObjectCount(), 6);
}

} // namespace
