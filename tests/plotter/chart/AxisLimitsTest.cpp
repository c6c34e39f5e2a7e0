#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "plotter/chart/core/AxisLimits.h"

namespace chart {

namespace {

TEST(FormatLimit, ChoosesTheFormByMagnitude) {
  const std::pair<double, std::string> cases[] = {{12345.678, "12345.678000"},
                                                  {0.005, "5.0e-003"},
                                                  {0.0, "0.0"},
                                                  {-0.0, "0.0"},
                                                  {-0.5, "-0.500000"},
                                                  {0.01, "1.0e-002"},
                                                  {-0.01, "-1.0e-002"},
                                                  {0.0100001, "0.010000"},
                                                  {1000.0, "1000.000000"},
                                                  {0.00999, "1.0e-002"},
                                                  {0.000123, "1.2e-004"},
                                                  {-3e-7, "-3.0e-007"},
                                                  {1e-300, "1.0e-300"},
                                                  {4.9e-324, "4.9e-324"},
                                                  {1e-10, "1.0e-010"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(FormatLimit(value), text) << value;
}

TEST(FormatLimit, HugeValuesTakeTheExponentFormWithinTheBuffer) {
  EXPECT_EQ(FormatLimit(1e308), "1.0e+308");
  EXPECT_EQ(FormatLimit(-1e308), "-1.0e+308");
  EXPECT_EQ(FormatLimit(DBL_MAX), "1.8e+308");
  EXPECT_EQ(FormatLimit(-DBL_MAX), "-1.8e+308");
  // Six decimals of 2e247 (248 digits) take 255 characters and still fit; a sign or one more
  // digit does not.
  EXPECT_EQ(FormatLimit(2e247).size(), 255u);
  EXPECT_EQ(FormatLimit(2e247).substr(248), ".000000");
  EXPECT_EQ(FormatLimit(-2e247), "-2.0e+247");
  EXPECT_EQ(FormatLimit(2e248), "2.0e+248");
  for (double magnitude = 1e-320; magnitude < 1e308; magnitude *= 7.3) {
    for (double value : {magnitude, -magnitude}) {
      EXPECT_LT(FormatLimit(value).size(), static_cast<size_t>(kLimitTextSize)) << value;
    }
  }
}

TEST(FormatLimit, NotANumberAndInfinitiesAreReadable) {
  EXPECT_EQ(FormatLimit(std::numeric_limits<double>::quiet_NaN()), "nan");
  EXPECT_EQ(FormatLimit(-std::numeric_limits<double>::quiet_NaN()), "nan");
  EXPECT_EQ(FormatLimit(HUGE_VAL), "inf");
  EXPECT_EQ(FormatLimit(-HUGE_VAL), "-inf");
}

TEST(ReadLimit, ReadsAsAtofAndGivesOnlyFiniteValues) {
  const std::pair<std::string, double> cases[] = {
      {"1e-3", 0.001},    {"1e3", 1000.0},      {"", 0.0},
      {"abc", 0.0},       {"  -2.5xyz", -2.5},  {"5.0e-003", 0.005},
      {"nan", 0.0},       {"inf", 0.0},         {"-inf", 0.0},
      {"1e999", DBL_MAX}, {"-1e999", -DBL_MAX}, {"1.8e+308", DBL_MAX},
      {"1d2", 100.0}};
  for (const auto& [text, value] : cases) EXPECT_EQ(ReadLimit(text), value) << text;
}

// What an edit shows is what the chart gets back: a finite value close to the one shown.
TEST(ReadLimit, ReadsBackEveryShownLimit) {
  for (double magnitude = 1e-320; magnitude < 1e308; magnitude *= 3.7) {
    for (double value : {magnitude, -magnitude}) {
      const std::string shown = FormatLimit(value);
      const double read = ReadLimit(shown);
      ASSERT_TRUE(std::isfinite(read)) << shown;
      // Two significant digits or six decimals: never further off than that.
      EXPECT_LE(std::fabs(read - value), std::fabs(value) * 0.05 + 5e-7) << shown;
    }
  }
  // The largest double shows as a text beyond the double range; it reads back as itself.
  EXPECT_EQ(ReadLimit(FormatLimit(DBL_MAX)), DBL_MAX);
}

}  // namespace

}  // namespace chart
