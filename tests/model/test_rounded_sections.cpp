#include "MakeProfile.h"
#include "SectionEngineering.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>

namespace {

constexpr double Pi = std::numbers::pi;

TProfile RoundedProfile(const std::vector<Item>& items, double innerRadius) {
    TProfile p = MakeProfile(items);
    TProfileInfo info = p.info();
    info.BendRadius = innerRadius;
    p.setInfo(info);
    return p;
}

// Sections drawn on their centre-lines, in whole millimetres.
const std::vector<Item> U{{okBar, {150, 50}, {100, 50}, 2},
                          {okBar, {100, 50}, {100, 150}, 2},
                          {okBar, {100, 150}, {150, 150}, 2}};
// Ue 100 x 50 x 17 x 2 by its outer dimensions: web 98, flanges 48, lips 16.
const std::vector<Item> Ue{{okBar, {148, 67}, {148, 51}, 2},
                           {okBar, {148, 51}, {100, 51}, 2},
                           {okBar, {100, 51}, {100, 149}, 2},
                           {okBar, {100, 149}, {148, 149}, 2},
                           {okBar, {148, 149}, {148, 133}, 2}};
const std::vector<Item> Z{{okBar, {150, 50}, {100, 50}, 3},
                          {okBar, {100, 50}, {100, 150}, 3},
                          {okBar, {100, 150}, {50, 150}, 3}};
const std::vector<Item> L{{okBar, {100, 50}, {100, 150}, 3}, {okBar, {100, 150}, {180, 150}, 3}};
const std::vector<Item> Tube{{okBar, {100, 50}, {200, 50}, 2},
                             {okBar, {200, 50}, {200, 110}, 2},
                             {okBar, {200, 110}, {100, 110}, 2},
                             {okBar, {100, 110}, {100, 50}, 2}};

struct RoundedCase {
    const char* name;
    const std::vector<Item>* items;
    double radius;
    double perimeter, area, xg, jxc, jyc, jxy, j;
};

void PrintTo(const RoundedCase& c, std::ostream* os) {
    *os << c.name;
}

class RoundedSectionTest : public testing::TestWithParam<RoundedCase> {};

TEST_P(RoundedSectionTest, MatchesTheThickOutline) {
    const RoundedCase& c = GetParam();
    const TEngineeringResults e =
        ComputeEngineering(RoundedProfile(*c.items, c.radius), "Aço - 7,85", ',');
    ASSERT_EQ(e.State, TSectionState::Ready);
    const TSectionResults& s = e.Section;
    EXPECT_NEAR(s.Perimeter, c.perimeter, 1e-9 * c.perimeter);
    EXPECT_NEAR(s.Area, c.area, 1e-7 * c.area);
    EXPECT_NEAR(s.Xg, c.xg, 1e-7);
    EXPECT_NEAR(s.Jxc, c.jxc, 1e-7 * c.jxc);
    EXPECT_NEAR(s.Jyc, c.jyc, 1e-7 * c.jyc);
    EXPECT_NEAR(e.Jxy, c.jxy, 1e-7 * c.jxc);
    EXPECT_NEAR(e.Wall.J, c.j, 1e-9 * c.j);
    EXPECT_TRUE(e.SharpCorners.empty());
}

// Centre-line radius R = r + t/2. Every bend here turns a quarter, so each takes 2 R of
// straight line and gives back an arc of pi R / 2: the centre-line is
// L = sum of the bars - n (2 - pi / 2) R long, the area of an open section is L t and its
// J = L t3 / 3. The tube's cell encloses 100 x 60 - (4 - pi) R2 and Bredt's J is
// 4 A0^2 t / L. Xg and the moments come from the thick outline itself, the centre-line
// offset by t/2 to either side (the corners as concentric arcs, the free ends square),
// traced in a short script with 40 000 chords to an arc and integrated by Green's theorem
// over the polygon (x dy terms for the first and second moments), then moved to the
// centroid.
INSTANTIATE_TEST_SUITE_P(
    Shapes, RoundedSectionTest,
    testing::Values(
        // R = 3: L = 200 - 2 (2 - pi / 2) 3
        RoundedCase{"U_100x50x2_r2", &U, 2, 200 - 6 * (2 - Pi / 2), 394.8495559165, 112.6661288065,
                    653735.5834645, 103387.1895007, 0, (200 - 6 * (2 - Pi / 2)) * 8 / 3},
        RoundedCase{"Ue_100x50x17x2_r2", &Ue, 2, 226 - 12 * (2 - Pi / 2), 441.6991118338,
                    116.8276966941, 701899.8161964, 157938.6136708, 0,
                    (226 - 12 * (2 - Pi / 2)) * 8 / 3},
        // R = 3 again, from r = 1.5 and t = 3; a Z has a product of inertia.
        RoundedCase{"Z_100x50x3_r1.5", &Z, 1.5, 200 - 6 * (2 - Pi / 2), 592.2743338749, 100,
                    980973.5466561, 250220.0121329, 374961.4310773,
                    (200 - 6 * (2 - Pi / 2)) * 27 / 3},
        RoundedCase{"L_100x80x3_r4", &L, 4, 180 - 5.5 * (2 - Pi / 2), 532.9181393856, 118.021857499,
                    577744.7164235, 339143.3744416, -270373.9508189,
                    (180 - 5.5 * (2 - Pi / 2)) * 27 / 3},
        // R = 4: A0 = 6000 - 16 (4 - pi), L = 320 - 32 (2 - pi / 2)
        RoundedCase{"tube_100x60x2_r3", &Tube, 3, 320 - 16 * (2 - Pi / 2), 626.2654824447, 150,
                    419393.3893973, 898442.3507831, 0,
                    4 * std::pow(6000 - 16 * (4 - Pi), 2) * 2 / (320 - 16 * (2 - Pi / 2))}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), '.', '_');
        return name;
    });

// The shear centre and the warping constant of the rounded Ue against the same quantities
// integrated independently along its centre-line traced with 20 000 chords to an arc
// (sectorial coordinates about the centroid, moved to the pole where they are orthogonal
// to x and y): the arcs are to be integrated to 0.01 % at least. Drawn the other way, the
// arcs are walked against their sweeps.
TEST(RoundedSectionTest, LippedChannelShearCentreAndWarping) {
    std::vector<Item> reversed;
    for (auto it = Ue.rbegin(); it != Ue.rend(); ++it)
        reversed.push_back({it->kind, it->p2, it->p1, it->thickness});
    for (const std::vector<Item>& drawing : {Ue, reversed}) {
        const TThinWall w = ComputeThinWall(RoundedProfile(drawing, 2));
        ASSERT_EQ(w.Wall, TWallKind::Open);
        EXPECT_NEAR(w.Xs, 75.01467542025, 1e-5);
        EXPECT_NEAR(w.Ys, 100, 1e-9);
        EXPECT_NEAR(w.Cw, 365477112.4004, 1e-6 * 365477112.4004);
    }
}

// Sharp corners overstate an Ue 100 x 50 x 17 at t = 2 with r = t by A and J 2.3 %,
// Ix 3.6 % and Cw 4.4 %.
TEST(RoundedSectionTest, SharpCornersOverstateTheLippedChannelAsPublished) {
    const TEngineeringResults sharp = ComputeEngineering(RoundedProfile(Ue, 0), "", ',');
    const TEngineeringResults rounded = ComputeEngineering(RoundedProfile(Ue, 2), "", ',');
    auto excess = [](double a, double b) { return (a / b - 1) * 100; };
    EXPECT_NEAR(excess(sharp.Section.Area, rounded.Section.Area), 2.3, 0.1);
    EXPECT_NEAR(excess(sharp.Wall.J, rounded.Wall.J), 2.3, 0.1);
    EXPECT_NEAR(excess(sharp.Section.Jxc, rounded.Section.Jxc), 3.6, 0.1);
    EXPECT_NEAR(excess(sharp.Wall.Cw, rounded.Wall.Cw), 4.4, 0.1);
}

// A leg of 3 has no room for a tangent of 4 + 1.5: the corner stays sharp, said at its
// point, and every result is what the sharp profile gives, bit for bit.
TEST(RoundedSectionTest, ACornerWithoutRoomStaysSharpAndIsSaid) {
    const std::vector<Item> shortLeg{{okBar, {100, 50}, {100, 150}, 3},
                                     {okBar, {100, 150}, {103, 150}, 3}};
    const TEngineeringResults sharp = ComputeEngineering(RoundedProfile(shortLeg, 0), "", ',');
    const TEngineeringResults kept = ComputeEngineering(RoundedProfile(shortLeg, 4), "", ',');
    ASSERT_EQ(kept.SharpCorners.size(), 1u);
    EXPECT_EQ(kept.SharpCorners[0], (TExactPoint{10000, 15000}));
    EXPECT_TRUE(sharp.SharpCorners.empty());
    for (const auto& [a, b] : {std::pair{sharp.Section.Area, kept.Section.Area},
                               {sharp.Section.Jxc, kept.Section.Jxc},
                               {sharp.Section.Jyc, kept.Section.Jyc},
                               {sharp.Section.FibreY, kept.Section.FibreY},
                               {sharp.Jxy, kept.Jxy},
                               {sharp.Wall.J, kept.Wall.J},
                               {sharp.Wall.Cw, kept.Wall.Cw}})
        EXPECT_EQ(a, b);
}

// A V whose bars meet at a right angle at (100, 100): R = 5 and the centre lies R sqrt 2
// above the corner, so the arc reaches down to 100 - 5 sqrt 2 + 5, below its tangent points.
TEST(RoundedSectionTest, FibresReachTheArcsExtremes) {
    const TProfile p =
        RoundedProfile({{okBar, {50, 50}, {100, 100}, 2}, {okBar, {100, 100}, {150, 50}, 2}}, 4);
    const TSectionPass pass = ComputeSectionOf(p.liveObjects(), 0, 4);
    EXPECT_NEAR(pass.MaxY, 105 - 5 * std::sqrt(2.0), 1e-12);
    EXPECT_EQ(pass.MinY, 50);
    EXPECT_EQ(pass.MinX, 50);
    EXPECT_EQ(pass.MaxX, 150);
}

} // namespace
