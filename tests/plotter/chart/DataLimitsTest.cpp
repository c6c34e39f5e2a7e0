#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "plotter/chart/core/DataLimits.h"

namespace chart {

using namespace spectrum;

namespace {

constexpr AxisLimits kHome{0.0, 1000.0, 0.0, 100.0};

// A set holding one block 0 of `kind` with the given values; `points` is its pointCount (a
// SpectrumFile holds one more value, the upper edge).
SpectrumSet OneBlock(int kind, int points, const std::vector<double>& x,
                     const std::vector<double>& y) {
  SpectrumSet set;
  set.fileKind = kind;
  set.blockCount = 1;
  set.maxPoints = points;
  set.blocks.resize(static_cast<size_t>(set.TextBlockSlots()));
  EXPECT_TRUE(set.AllocateBlock(0));
  set.pointCount[0] = points;
  SpectrumBlock& block = set.blocks[0];
  for (size_t i = 0; i < x.size() && i < block.xValues.size(); ++i) block.xValues[i] = x[i];
  for (size_t i = 0; i < y.size() && i < block.yValues.size(); ++i) block.yValues[i] = y[i];
  return set;
}

void ExpectLimits(const AxisLimits& actual, const AxisLimits& expected) {
  EXPECT_EQ(actual.xMin, expected.xMin);
  EXPECT_EQ(actual.xMax, expected.xMax);
  EXPECT_EQ(actual.yMin, expected.yMin);
  EXPECT_EQ(actual.yMax, expected.yMax);
}

TEST(DataLimits, SpansTheValuesOfTheBlock) {
  const SpectrumSet set = OneBlock(ChannelFile, 4, {1, 2, 3, 4}, {7, -3, 12, 5});
  ExpectLimits(DataLimits(set, 0, kHome), {1, 4, -3, 12});
}

TEST(DataLimits, TakesTheUpperEdgeOfASpectrumOnly) {
  // Three bins and their upper edge 40 (with the value on that line, 99).
  const SpectrumSet spectrum = OneBlock(SpectrumFile, 3, {10, 20, 30, 40}, {1, 2, 3, 99});
  ExpectLimits(DataLimits(spectrum, 0, kHome), {10, 40, 1, 99});
  // A plot file's curve of three points stops at the third.
  SpectrumSet curve = OneBlock(PlotFile, 3, {10, 20, 30}, {1, 2, 3});
  curve.blocks[0].xValues.push_back(40);
  curve.blocks[0].yValues.push_back(99);
  ExpectLimits(DataLimits(curve, 0, kHome), {10, 30, 1, 3});
}

TEST(DataLimits, TinyMinimaBecomeZeroAndFarMaximaAreBounded) {
  const SpectrumSet set = OneBlock(ChannelFile, 3, {1e-120, 5, 2e120}, {-1e-100, 3, -2});
  const AxisLimits limits = DataLimits(set, 0, kHome);
  EXPECT_EQ(limits.xMin, 0.0);
  EXPECT_FALSE(std::signbit(limits.xMin));
  EXPECT_EQ(limits.xMax, 1e99);
  EXPECT_EQ(limits.yMin, -2.0);
  EXPECT_EQ(limits.yMax, 3.0);

  // A maximum at or below -1e99 is held at -1e99; a minimum of that size is kept.
  const SpectrumSet negative = OneBlock(ChannelFile, 2, {-5e150, -2e150}, {1, 2});
  const AxisLimits far = DataLimits(negative, 0, kHome);
  EXPECT_EQ(far.xMin, -5e150);
  EXPECT_EQ(far.xMax, -1e99);
}

TEST(DataLimits, InfiniteValuesGiveTheFarLimits) {
  const double inf = std::numeric_limits<double>::infinity();
  const SpectrumSet set = OneBlock(ChannelFile, 3, {-inf, 1, inf}, {2, inf, -inf});
  ExpectLimits(DataLimits(set, 0, kHome), {-1e99, 1e99, -1e99, 1e99});
}

TEST(DataLimits, AnAxisWithoutValuesKeepsTheRangeShownBefore) {
  const AxisLimits before{5, 50, -1, 1};
  // No points at all.
  ExpectLimits(DataLimits(OneBlock(ChannelFile, 0, {}, {}), 0, before), before);
  // No such block, or one without arrays.
  const SpectrumSet set = OneBlock(ChannelFile, 2, {1, 2}, {3, 4});
  ExpectLimits(DataLimits(set, -1, before), before);
  ExpectLimits(DataLimits(set, 1, before), before);
  ExpectLimits(DataLimits(set, 5000, before), before);
  // Only NaN on y: x spans the data, y keeps its range.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  ExpectLimits(DataLimits(OneBlock(ChannelFile, 2, {1, 2}, {nan, nan}), 0, before), {1, 2, -1, 1});
  // NaN among values is passed over.
  ExpectLimits(DataLimits(OneBlock(ChannelFile, 3, {nan, 4, 2}, {1, nan, 8}), 0, before),
               {2, 4, 1, 8});
}

TEST(DataLimits, AStatedCountBeyondTheArraysReadsOnlyWhatIsThere) {
  SpectrumSet set = OneBlock(SpectrumFile, 2, {1, 2, 3}, {4, 5, 6});
  set.pointCount[0] = 1000000;
  ExpectLimits(DataLimits(set, 0, kHome), {1, 3, 4, 6});
  set.pointCount[0] = -7;
  ExpectLimits(DataLimits(set, 0, kHome), {1, 1, 4, 4});  // the upper edge line only
}

TEST(WantsLogarithmicLabels, WhenTheYRangeIsAboveAThousand) {
  EXPECT_TRUE(WantsLogarithmicLabels({0, 1, 0, 5000}));
  EXPECT_TRUE(WantsLogarithmicLabels({0, 1, -500, 500.5}));
  EXPECT_FALSE(WantsLogarithmicLabels({0, 1e9, 0, 1000}));
  EXPECT_FALSE(WantsLogarithmicLabels({0, 1, 1e99, -1e99}));
}

}  // namespace

}  // namespace chart
