// The Direct Strength Method's curves at and about their branch points, against values
// worked out by hand for a yield load (or moment) of 1000.
#include "DirectStrength.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct Row {
    std::string name;
    bool beam;
    TElasticBuckling critical;
    double global;
    std::optional<double> local, distortional;
    double nominal;
    TGoverningMode governs;
};

class DirectStrengthAt : public testing::TestWithParam<Row> {};

TEST_P(DirectStrengthAt, BranchPoints) {
    const Row& row = GetParam();
    const TDirectStrength s =
        row.beam ? BeamStrength(1000, row.critical) : ColumnStrength(1000, row.critical);
    EXPECT_NEAR(s.Global, row.global, 1e-6);
    ASSERT_EQ(s.Local.has_value(), row.local.has_value());
    if (row.local) {
        EXPECT_NEAR(*s.Local, *row.local, 1e-6);
    }
    ASSERT_EQ(s.Distortional.has_value(), row.distortional.has_value());
    if (row.distortional) {
        EXPECT_NEAR(*s.Distortional, *row.distortional, 1e-6);
    }
    EXPECT_NEAR(s.Nominal, row.nominal, 1e-6);
    EXPECT_EQ(GoverningName(s.Governs), GoverningName(row.governs));
}

using G = TGoverningMode;
// 0.658^2.25 = 0.3899494; 0.877 / 2.25 = 0.3897778; local and distortional at a
// slenderness of 2 and 1: (1 - 0.15 * 0.25^0.4) 0.25^0.4 = 0.5248676, 1 - 0.25 = 0.75,
// 1 - 0.22 = 0.78; between the beam's bounds, at Mcre = My: 10/9 (1 - 10/36) = 0.8024691.
INSTANTIATE_TEST_SUITE_P(
    Dsm, DirectStrengthAt,
    testing::Values(
        Row{"column_never_buckling_yields",
            false,
            {1e300, std::nullopt, std::nullopt},
            1000,
            std::nullopt,
            std::nullopt,
            1000,
            G::Yield},
        Row{"column_global_at_1_5",
            false,
            {1000 / 2.25, std::nullopt, std::nullopt},
            389.9494038,
            std::nullopt,
            std::nullopt,
            389.9494038,
            G::Global},
        Row{"column_global_past_1_5",
            false,
            {1000 / 2.2500001, std::nullopt, std::nullopt},
            389.7777605,
            std::nullopt,
            std::nullopt,
            389.7777605,
            G::Global},
        Row{"column_local_at_0_776",
            false,
            {1e300, 1000 / (0.776 * 0.776), std::nullopt},
            1000,
            1000,
            std::nullopt,
            1000,
            G::Yield},
        Row{"column_local_on_pne",
            false,
            {1000, 658.0 / 4, std::nullopt},
            658,
            0.5248676308 * 658,
            std::nullopt,
            0.5248676308 * 658,
            G::Local},
        Row{"column_distortional_at_0_561",
            false,
            {1e300, std::nullopt, 1000 / (0.561 * 0.561)},
            1000,
            std::nullopt,
            1000,
            1000,
            G::Yield},
        Row{"column_distortional_on_py", false, {1000, 1e300, 1000}, 658, 658, 750, 658, G::Global},
        Row{"column_distortional_governs",
            false,
            {1e6, 1e6, 1000},
            999.5815372,
            999.5815372,
            750,
            750,
            G::Distortional},
        Row{"beam_yield_at_2_78",
            true,
            {2780, std::nullopt, std::nullopt},
            1000,
            std::nullopt,
            std::nullopt,
            1000,
            G::Yield},
        Row{"beam_inelastic_between",
            true,
            {1000, std::nullopt, std::nullopt},
            802.4691358,
            std::nullopt,
            std::nullopt,
            802.4691358,
            G::Global},
        Row{"beam_elastic_at_0_56",
            true,
            {560, std::nullopt, std::nullopt},
            560,
            std::nullopt,
            std::nullopt,
            560,
            G::Global},
        Row{"beam_local_on_mne",
            true,
            {1e300, 1000, std::nullopt},
            1000,
            850,
            std::nullopt,
            850,
            G::Local},
        Row{"beam_distortional_at_0_673",
            true,
            {1e300, std::nullopt, 1000 / (0.673 * 0.673)},
            1000,
            std::nullopt,
            1000,
            1000,
            G::Yield},
        Row{"beam_distortional_on_my",
            true,
            {1e300, 1e300, 1000},
            1000,
            1000,
            780,
            780,
            G::Distortional}),
    [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

struct FactorRow {
    std::string name;
    bool beam;
    double phi, omega;
};

class DesignFactors : public testing::TestWithParam<FactorRow> {};

TEST_P(DesignFactors, LrfdAndAsd) {
    const FactorRow& row = GetParam();
    const TElasticBuckling critical{1000, std::nullopt, std::nullopt};
    const TDirectStrength s =
        row.beam ? BeamStrength(1000, critical) : ColumnStrength(1000, critical);
    EXPECT_DOUBLE_EQ(s.Design(), row.phi * s.Nominal);
    EXPECT_DOUBLE_EQ(s.Allowable(), s.Nominal / row.omega);
}

INSTANTIATE_TEST_SUITE_P(Dsm, DesignFactors,
                         testing::Values(FactorRow{"column", false, 0.85, 1.80},
                                         FactorRow{"beam", true, 0.90, 1.67}),
                         [](const testing::TestParamInfo<FactorRow>& info) {
                             return info.param.name;
                         });

} // namespace
