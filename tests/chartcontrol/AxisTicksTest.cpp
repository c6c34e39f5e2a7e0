#include "chartcontrol/core/AxisTicks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "chartcontrol/core/AxisScale.h"
#include "chartcontrol/core/TickLabels.h"

namespace chartcontrol {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::vector<std::string> Labels(const std::vector<Tick>& ticks) {
  std::vector<std::string> labels;
  for (const Tick& t : ticks)
    if (t.major) labels.push_back(t.label);
  return labels;
}

TickOptions Options(double length, int mode = 1, int digits = 0, bool automatic = true) {
  TickOptions o;
  o.lengthPx = length;
  o.labelSpacingPx = 70;
  o.labels.mode = mode;
  o.labels.digits = digits;
  o.labels.digitsAutomatic = automatic;
  return o;
}

}  // namespace

TEST(AxisScaleTest, MapsLinearAndLogValuesAndKeepsAMinimumAboveTheMaximumAtTheStart) {
  const AxisScale linear = AxisScale::Make(0, 1000, false);
  EXPECT_DOUBLE_EQ(linear.Fraction(250), 0.25);
  EXPECT_DOUBLE_EQ(linear.Value(0.5), 500);
  const AxisScale log = AxisScale::Make(1, 1e4, true);
  EXPECT_DOUBLE_EQ(log.Fraction(100), 0.5);
  EXPECT_TRUE(std::isnan(log.Fraction(0)));
  EXPECT_TRUE(std::isnan(log.Fraction(-3)));
  EXPECT_NEAR(log.Value(0.25), 10, 1e-9);

  const AxisScale reversed = AxisScale::Make(100, 20, false);
  EXPECT_TRUE(reversed.reversed());
  EXPECT_DOUBLE_EQ(reversed.Fraction(100), 0.0);
  EXPECT_DOUBLE_EQ(reversed.Fraction(20), 1.0);
  EXPECT_DOUBLE_EQ(reversed.lower(), 20);
  EXPECT_DOUBLE_EQ(reversed.upper(), 100);
}

TEST(AxisScaleTest, LogAxisReplacesALimitOfZeroOrBelowFromTheDataOrTheOtherLimit) {
  PositiveExtent data;
  for (double v : {-5.0, 0.0, 0.25, 40.0, 800.0}) data.Add(v);
  EXPECT_DOUBLE_EQ(AxisScale::Make(0, 1000, true, &data).start(), 0.25);
  EXPECT_NEAR(AxisScale::Make(-1, 1000, true).start(), 1e-3, 1e-15);
  EXPECT_NEAR(AxisScale::Make(kNaN, 1000, true).start(), 1e-3, 1e-15);
  // A maximum of 0 takes the largest data value; without data, the minimum times 1e6.
  EXPECT_NEAR(AxisScale::Make(1, 0, true, &data).end(), 800, 1e-9);
  EXPECT_NEAR(AxisScale::Make(2, 0, true).end(), 2e6, 1e-6);
  const AxisScale nothing = AxisScale::Make(0, 0, true);
  EXPECT_NEAR(nothing.start(), 1, 1e-12);
  EXPECT_NEAR(nothing.end(), 10, 1e-12);
  // The smallest data value is of no use above the maximum.
  EXPECT_NEAR(AxisScale::Make(0, 0.1, true, &data).start(), 1e-7, 1e-20);
}

TEST(AxisScaleTest, EqualAndNonFiniteLimitsOpenToADrawableRange) {
  const AxisScale equal = AxisScale::Make(50, 50, false);
  EXPECT_DOUBLE_EQ(equal.start(), 45);
  EXPECT_DOUBLE_EQ(equal.end(), 55);
  const AxisScale zero = AxisScale::Make(0, 0, false);
  EXPECT_DOUBLE_EQ(zero.start(), -1);
  EXPECT_DOUBLE_EQ(zero.end(), 1);
  const AxisScale infinite = AxisScale::Make(-kInf, kInf, false);
  EXPECT_DOUBLE_EQ(infinite.start(), -1e300);
  EXPECT_DOUBLE_EQ(infinite.end(), 1e300);
  const AxisScale both = AxisScale::Make(kNaN, kNaN, false);
  EXPECT_DOUBLE_EQ(both.start(), 0);
  EXPECT_DOUBLE_EQ(both.end(), 1);
  const AxisScale logEqual = AxisScale::Make(100, 100, true);
  EXPECT_NEAR(logEqual.start(), 10, 1e-9);
  EXPECT_NEAR(logEqual.end(), 1000, 1e-9);
  // Closer than double precision can tell apart: widened around the centre.
  const AxisScale narrow = AxisScale::Make(1.0, 1.0 + 1e-15, false);
  EXPECT_GT(narrow.end() - narrow.start(), 1e-13);
}

// Whatever the limits, the ticks are few, finite, inside the axis and labelled.
TEST(AxisTicksTest, DegenerateLimitsEndInShortBoundedTickLists) {
  const double limits[][2] = {
      {0, 1000},     {1000, 0},      {0, 0},        {-0.0, 0.0},    {5, 5},
      {kNaN, 10},    {10, kNaN},     {kNaN, kNaN},  {-kInf, kInf},  {kInf, -kInf},
      {1e-300, 1e300}, {-1e300, 1e300}, {1e300, 1e300}, {4.9e-324, 1e-323}, {-1e-300, 0},
      {1e99, -1e99}, {-5, -1},       {1, 1 + 1e-15}, {0, 1e-300},  {1e300, kInf},
  };
  for (bool log : {false, true}) {
    for (const auto& l : limits) {
      SCOPED_TRACE(std::to_string(l[0]) + " .. " + std::to_string(l[1]) + (log ? " log" : ""));
      const AxisScale scale = AxisScale::Make(l[0], l[1], log);
      ASSERT_TRUE(std::isfinite(scale.start()));
      ASSERT_TRUE(std::isfinite(scale.end()));
      ASSERT_NE(scale.start(), scale.end());
      for (int mode : {1, 9}) {
        const std::vector<Tick> ticks = MakeTicks(scale, Options(600, mode));
        ASSERT_LE(ticks.size(), kMaxTicks);
        const std::vector<std::string> labels = Labels(ticks);
        EXPECT_GE(labels.size(), 2u);
        EXPECT_LE(labels.size(), static_cast<size_t>(kMaxLabelIntervals) + 1);
        for (const Tick& t : ticks) {
          EXPECT_TRUE(std::isfinite(t.value));
          EXPECT_GE(t.fraction, -1e-6);
          EXPECT_LE(t.fraction, 1 + 1e-6);
          if (t.major) {
            EXPECT_FALSE(t.label.empty());
            EXPECT_LE(t.label.size(), 24u) << t.label;
          }
        }
      }
    }
  }
}

TEST(AxisTicksTest, NiceStepsAreOneTwoOrFiveTimesAPowerOfTen) {
  EXPECT_DOUBLE_EQ(NiceStepAtLeast(0.7), 1.0);
  EXPECT_DOUBLE_EQ(NiceStepAtLeast(1.0), 1.0);
  EXPECT_DOUBLE_EQ(NiceStepAtLeast(1.3), 2.0);
  EXPECT_DOUBLE_EQ(NiceStepAtLeast(3.0), 5.0);
  EXPECT_DOUBLE_EQ(NiceStepAtLeast(7.0), 10.0);
  EXPECT_DOUBLE_EQ(NiceStepAtLeast(180.0), 200.0);
  EXPECT_NEAR(NiceStepAtLeast(3e-5), 5e-5, 1e-20);
}

TEST(AxisTicksTest, LinearAxisLabelsNiceStepsWithTheGivenDecimals) {
  const AxisScale x = AxisScale::Make(0, 1000, false);
  EXPECT_EQ(Labels(MakeTicks(x, Options(800, 1, 0, false))),
            (std::vector<std::string>{"0", "100", "200", "300", "400", "500", "600", "700", "800",
                                      "900", "1000"}));
  // Less room, fewer labels, still a nice step.
  EXPECT_EQ(Labels(MakeTicks(x, Options(300, 1, 0, false))),
            (std::vector<std::string>{"0", "500", "1000"}));
  const AxisScale y = AxisScale::Make(0, 100, false);
  EXPECT_EQ(Labels(MakeTicks(y, Options(400, 1, 1, false))),
            (std::vector<std::string>{"0.0", "20.0", "40.0", "60.0", "80.0", "100.0"}));
  // Fixed decimals that would show ticks alike give way to what the step needs.
  const AxisScale small = AxisScale::Make(0, 2, false);
  EXPECT_EQ(Labels(MakeTicks(small, Options(300, 1, 0, false))),
            (std::vector<std::string>{"0.0", "0.5", "1.0", "1.5", "2.0"}));
  // Automatic decimals, alike on every label; negative values; minor ticks between labels.
  const AxisScale mixed = AxisScale::Make(-0.3, 0.3, false);
  const std::vector<Tick> ticks = MakeTicks(mixed, Options(700));
  EXPECT_EQ(Labels(ticks), (std::vector<std::string>{"-0.3", "-0.2", "-0.1", "0.0", "0.1", "0.2",
                                                     "0.3"}));
  EXPECT_GT(ticks.size(), 7u);
}

TEST(AxisTicksTest, ExponentModeLabelsLinearAxesToo) {
  const AxisScale counts = AxisScale::Make(0, 5000, false);
  EXPECT_EQ(Labels(MakeTicks(counts, Options(600, 9, 1, false))),
            (std::vector<std::string>{"0", "1e3", "2e3", "3e3", "4e3", "5e3"}));
  TickOptions quarter = Options(600, 9);
  quarter.grid.automatic = false;
  quarter.grid.spacing = 2.5e-4;
  const std::vector<std::string> labels =
      Labels(MakeTicks(AxisScale::Make(0, 1e-3, false), quarter));
  EXPECT_EQ(labels, (std::vector<std::string>{"0", "2.5e-4", "5e-4", "7.5e-4", "1e-3"}));
  // Values too large for plain text take the exponent form in plain mode as well.
  for (const std::string& l : Labels(MakeTicks(AxisScale::Make(0, 1e20, false), Options(600))))
    EXPECT_TRUE(l == "0" || l.find('e') != std::string::npos) << l;
}

TEST(AxisTicksTest, LogAxisLabelsDecadesWithMinorTicksAndOptionalSubdivisionGrid) {
  const AxisScale scale = AxisScale::Make(1, 1e4, true);
  const std::vector<Tick> ticks = MakeTicks(scale, Options(800, 9));
  EXPECT_EQ(Labels(ticks), (std::vector<std::string>{"1e0", "1e1", "1e2", "1e3", "1e4"}));
  EXPECT_EQ(ticks.size(), 4u * 9 + 1);  // 2..9 in each of the four decades
  int gridLines = 0;
  for (const Tick& t : ticks) gridLines += t.grid;
  EXPECT_EQ(gridLines, 5);
  EXPECT_EQ(Labels(MakeTicks(scale, Options(800, 1))),
            (std::vector<std::string>{"1", "10", "100", "1000", "10000"}));
  EXPECT_EQ(Labels(MakeTicks(AxisScale::Make(1e-3, 1, true), Options(800, 1))),
            (std::vector<std::string>{"0.001", "0.01", "0.1", "1"}));

  TickOptions subdivided = Options(800, 9);
  subdivided.grid.automatic = false;
  subdivided.grid.spacing = 0.1;
  gridLines = 0;
  for (const Tick& t : MakeTicks(scale, subdivided)) gridLines += t.grid;
  EXPECT_EQ(gridLines, 37);

  // Sixty decades: every tenth labelled, no 2..9 ticks.
  const std::vector<Tick> wide = MakeTicks(AxisScale::Make(1e-30, 1e30, true), Options(800, 9));
  EXPECT_EQ(Labels(wide), (std::vector<std::string>{"1e-30", "1e-20", "1e-10", "1e0", "1e10",
                                                    "1e20", "1e30"}));
  EXPECT_EQ(wide.size(), 61u);
}

TEST(AxisTicksTest, LogRangesWithinADecadeLabelMantissasOrLinearSteps) {
  EXPECT_EQ(Labels(MakeTicks(AxisScale::Make(2, 5, true), Options(600))),
            (std::vector<std::string>{"2", "3", "4", "5"}));
  // Too many mantissas for the room: 1, 2 and 5 only.
  EXPECT_EQ(Labels(MakeTicks(AxisScale::Make(20, 500, true), Options(600, 9))),
            (std::vector<std::string>{"2e1", "5e1", "1e2", "2e2", "5e2"}));
  const std::vector<std::string> narrow = Labels(MakeTicks(AxisScale::Make(2.1, 2.2, true), Options(600)));
  ASSERT_GE(narrow.size(), 2u);
  EXPECT_EQ(narrow.front(), "2.10");
  EXPECT_EQ(narrow.back(), "2.20");
}

TEST(TickLabelsTest, ExponentAndPlainForms) {
  EXPECT_EQ(FormatExponent(2500, 2), "2.5e3");
  EXPECT_EQ(FormatExponent(0.00025, 2), "2.5e-4");
  EXPECT_EQ(FormatExponent(1000, 4), "1e3");
  EXPECT_EQ(FormatExponent(-7, 1), "-7e0");
  EXPECT_EQ(FormatExponent(0, 3), "0");
  EXPECT_EQ(FormatExponent(9.96, 2), "1e1");
  EXPECT_EQ(FormatExponent(1e-300, 1), "1e-300");
  EXPECT_EQ(FormatPlain(-0.0001, 2), "0.00");
  EXPECT_EQ(FormatPlain(1e20, 0), "1e20");
  EXPECT_EQ(LastDigitExponent(500), 2);
  EXPECT_EQ(LastDigitExponent(250), 1);
  EXPECT_EQ(LastDigitExponent(0.25), -2);
  EXPECT_EQ(SignificantDigits(750, 1), 2);
}

}  // namespace chartcontrol
