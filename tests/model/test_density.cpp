#include "Density.h"
#include "MaterialList.h"
#include "PerfilError.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct DensityCase {
    const char* name;
    std::string text;
    char separator;
    double density;
};

class ReadDensityTest : public testing::TestWithParam<DensityCase> {};

TEST_P(ReadDensityTest, ReadsTheNumberAfterTheFirstSeparator) {
    const DensityCase& c = GetParam();
    EXPECT_DOUBLE_EQ(ReadDensity(c.text, c.separator), c.density);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadDensityTest,
    testing::Values(DensityCase{"steel_comma_locale", "Aço - 7,75", ',', 7.75},
                    DensityCase{"steel_full_stop_locale", "Aço - 7,75", '.', 7.75},
                    DensityCase{"bronze_extra_blank", "Bronze -  8,810001", ',', 8.810001},
                    DensityCase{"bronze_full_stop_locale", "Bronze -  8,810001", '.', 8.810001},
                    DensityCase{"typed_full_stop_under_comma", "Inox - 7.9", ',', 7.9},
                    DensityCase{"typed_full_stop_under_full_stop", "Inox - 7.9", '.', 7.9},
                    DensityCase{"no_separator", "Aço 7,75", ',', 0},
                    DensityCase{"not_a_number", "Aço - pesado", ',', 0},
                    DensityCase{"first_separator_wins", "A - B - 3", ',', 0},
                    DensityCase{"at_most_ten_characters", "X - 1,23456789012", ',', 1.23456789},
                    DensityCase{"ten_counts_characters_not_bytes", "X - 1,2345678é", ',', 0},
                    DensityCase{"sign_and_exponent", "X - -2,5E+1", ',', -25},
                    DensityCase{"lower_case_exponent", "X - 5e-1 ", ',', 0.5},
                    DensityCase{"exponent_without_digits", "X - 5e", ',', 0},
                    DensityCase{"two_separators", "X - 1,2,3", ',', 0},
                    DensityCase{"separator_only", "X - ,", ',', 0},
                    DensityCase{"leading_separator", "X - ,5", ',', 0.5},
                    DensityCase{"underflow_is_silent_zero", "X - 1e-999", ',', 0},
                    DensityCase{"overflow_at_second_attempt_is_zero", "X - 1.0e999", ',', 0},
                    DensityCase{"empty", "", ',', 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadDensityTest, EveryBuiltInMaterialReadsUnderBothSeparators) {
    const double expected[] = {7.75, 2.69, 8.810001, 11.37, 8.87, 7.86, 8.42, 3.49};
    for (int i = 0; i < 8; ++i) {
        EXPECT_DOUBLE_EQ(ReadDensity(MaterialText(i), ','), expected[i]) << MaterialText(i);
        EXPECT_DOUBLE_EQ(ReadDensity(MaterialText(i), '.'), expected[i]) << MaterialText(i);
    }
}

TEST(ReadDensityTest, OverflowAtFirstAttemptIsAnError) {
    try {
        ReadDensity("X - 1e999", ',');
        FAIL() << "no error";
    } catch (const PerfilError& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
    EXPECT_THROW(ReadDensity("X - 9,9e308", ','), PerfilError);
}

} // namespace
