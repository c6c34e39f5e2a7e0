#include "chartcontrol/core/PlotGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <vector>

namespace chartcontrol {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

SeriesData::View ViewOf(const std::vector<double>& x, const std::vector<double>& y) {
  SeriesData::View v;
  v.x = x.data();
  v.xSize = x.size();
  v.y = y.data();
  v.ySize = y.size();
  v.count = std::max(x.size(), y.size());
  return v;
}

// A plot box from (100, 50) to (1100, 550): x 0..1000 and y 0..100 (upwards).
struct Plot {
  PixelBox box{100, 50, 1100, 550};
  PixelMap mapX{AxisScale::Make(0, 1000, false), 100, 1100};
  PixelMap mapY{AxisScale::Make(0, 100, false), 550, 50};
};

bool Inside(const PixelPoint& p, const PixelBox& b) {
  return p.x >= b.left && p.x <= b.right && p.y >= b.top && p.y <= b.bottom;
}

}  // namespace

TEST(PlotGeometryTest, ColumnReducerKeepsFirstLastLowestAndHighestOfEachColumnInOrder) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> value(-50, 50);
  std::vector<DoublePoint> in;
  for (int i = 0; i < 100000; ++i) in.push_back({i / 1000.0, value(random)});  // 1000 per column
  std::vector<size_t> kept;
  ColumnReducer reducer(kept);
  for (size_t i = 0; i < in.size(); ++i) reducer.Add(static_cast<int64_t>(std::floor(in[i].x)), in[i].y, i);
  reducer.Flush();
  ASSERT_LE(kept.size(), 400u);
  EXPECT_EQ(kept.front(), 0u);
  EXPECT_EQ(kept.back(), in.size() - 1);
  EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end()));
  std::map<int, std::pair<double, double>> range;  // column -> lowest, highest
  auto note = [](std::map<int, std::pair<double, double>>& m, const DoublePoint& p) {
    auto [it, fresh] = m.try_emplace(static_cast<int>(std::floor(p.x)), p.y, p.y);
    it->second.first = std::min(it->second.first, p.y);
    it->second.second = std::max(it->second.second, p.y);
  };
  for (const DoublePoint& p : in) note(range, p);
  std::map<int, std::pair<double, double>> keptRange;
  for (size_t i : kept) note(keptRange, in[i]);
  EXPECT_EQ(keptRange, range);
  // A column entered again later is a new stretch with its own first and last point.
  kept.clear();
  for (size_t i = 0; i < 6; ++i) reducer.Add(i % 2, 1.0, i);
  reducer.Flush();
  EXPECT_EQ(kept, (std::vector<size_t>{0, 1, 2, 3, 4, 5}));
}

TEST(PlotGeometryTest, MillionPointStepLineReducesToTheBoxWidthAndKeepsASpike) {
  const int bins = 500000;
  for (bool log : {false, true}) {
    SCOPED_TRACE(log ? "log x" : "linear x");
    // x from 0 (or 1) to 1000 over 1000 pixels; one high bin in the middle of the axis.
    auto edge = [&](int j) { return log ? std::pow(1000.0, static_cast<double>(j) / bins) : j * 1000.0 / bins; };
    std::vector<double> x(2 * bins), y(2 * bins);
    for (int j = 0; j < bins; ++j) {
      x[2 * j] = edge(j);
      x[2 * j + 1] = edge(j + 1);
      y[2 * j] = y[2 * j + 1] = j == bins / 2 ? 95.0 : 10.0 + (j % 7);
    }
    Plot plot;
    PixelMap mapX(AxisScale::Make(log ? 1 : 0, 1000, log), 100, 1100);
    PixelPaths paths;
    TraceLine(ViewOf(x, y), mapX, plot.mapY, plot.box, paths);
    ASSERT_EQ(paths.counts.size(), 1u);
    EXPECT_LE(paths.points.size(), 4u * 1001);
    EXPECT_GE(paths.points.size(), 2u * 1000);
    // The one high bin still reaches y = 95 (pixel 550 - 475 = 75).
    bool spike = false;
    for (const PixelPoint& p : paths.points) spike |= p.x == 600 && p.y == 75;
    EXPECT_TRUE(spike);
    EXPECT_EQ(paths.points.front().x, 100);
    EXPECT_EQ(paths.points.back().x, 1100);
    for (size_t i = 1; i < paths.points.size(); ++i) EXPECT_GE(paths.points[i].x, paths.points[i - 1].x);
  }
}

TEST(PlotGeometryTest, UnwrittenPointsBreakLinesAndLonePointsDrawNothing) {
  Plot plot;
  PixelPaths paths;
  const std::vector<double> x = {0, 100, 200, 300, 400, 500, 600};
  const std::vector<double> y = {10, 20, kNaN, 30, 40, kNaN, 50};
  TraceLine(ViewOf(x, y), plot.mapX, plot.mapY, plot.box, paths);
  EXPECT_EQ(paths.counts, (std::vector<int32_t>{2, 2}));  // 0-100 and 300-400; 600 alone
  // The start-up state of a chart: one Y value without its X value.
  paths.Clear();
  TraceLine(ViewOf({}, {0.0}), plot.mapX, plot.mapY, plot.box, paths);
  EXPECT_TRUE(paths.counts.empty());
  // A shorter X array leaves the rest unwritten.
  paths.Clear();
  TraceLine(ViewOf({0, 500}, {10, 10, 50, 50}), plot.mapX, plot.mapY, plot.box, paths);
  EXPECT_EQ(paths.points.size(), 2u);
  // A piece within one pixel makes no path: PolyPolyline refuses a path of one point, and
  // with it the whole series.
  paths.Clear();
  ClipPolyline({{200.0, 200.0}, {200.2, 200.3}}, plot.box, paths);
  EXPECT_TRUE(paths.counts.empty());
  EXPECT_TRUE(paths.points.empty());
}

TEST(PlotGeometryTest, ValuesFarOutsideAreClippedToTheBoxNotWrapped) {
  Plot plot;
  PixelPaths paths;
  const std::vector<double> x = {500, 500, 1e300, -1e300, std::numeric_limits<double>::infinity()};
  const std::vector<double> y = {50, 1e300, 1e300, -1e300, 50};
  TraceLine(ViewOf(x, y), plot.mapX, plot.mapY, plot.box, paths);
  ASSERT_FALSE(paths.counts.empty());
  for (const PixelPoint& p : paths.points) EXPECT_TRUE(Inside(p, plot.box)) << p.x << "," << p.y;
  // The vertical from (500, 50) upwards ends on the top edge.
  EXPECT_EQ(paths.points[0].x, 600);
  EXPECT_EQ(paths.points[0].y, 300);
  EXPECT_EQ(paths.points[1].y, 50);
}

TEST(PlotGeometryTest, LogAxesSkipValuesOfZeroAndBelow) {
  PixelMap logX(AxisScale::Make(1, 1000, true), 0, 300);
  EXPECT_DOUBLE_EQ(logX(10), 100);
  EXPECT_TRUE(std::isnan(logX(0)));
  EXPECT_TRUE(std::isnan(logX(-1)));
  EXPECT_DOUBLE_EQ(logX.MapOrStart(0), -kFarPx);
  EXPECT_NEAR(logX.Value(200), 100, 1e-9);
  // The fast column finder agrees with the exact map to a thousandth of a pixel.
  PixelMap wide(AxisScale::Make(1e-300, 1e300, true), 0, 100000);
  for (double v : {1e-300, 3e-200, 0.7071, 1.0, 1.4142, 1.4143, 2.5, 9.99, 1e10, 7.7e299, 4.9e-324}) {
    EXPECT_NEAR(wide.Approximate(v), wide(v), 1e-3) << v;
    EXPECT_NEAR(logX.Approximate(v), logX(v), 1e-3) << v;
  }
  PixelMap mapY(AxisScale::Make(0, 10, false), 100, 0);
  PixelPaths paths;
  TraceLine(ViewOf({-1, 1, 10, 0, 100, 1000}, {1, 1, 2, 3, 4, 5}), logX, mapY,
            PixelBox{0, 0, 300, 100}, paths);
  EXPECT_EQ(paths.counts, (std::vector<int32_t>{2, 2}));
}

TEST(PlotGeometryTest, MarkersAreOnePerPixelInsideTheBox) {
  Plot plot;
  std::vector<double> x, y;
  for (int i = 0; i < 100000; ++i) {
    x.push_back(500 + (i % 3) * 0.1);  // all within one pixel column
    y.push_back(50);
  }
  x.push_back(2000);  // outside
  y.push_back(50);
  std::vector<PixelPoint> markers;
  CollectMarkers(ViewOf(x, y), plot.mapX, plot.mapY, plot.box, markers);
  ASSERT_EQ(markers.size(), 1u);
  EXPECT_EQ(markers[0].x, 600);
  EXPECT_EQ(markers[0].y, 300);
}

TEST(PlotGeometryTest, BandsBecomeClippedPolygonsAndReachTheAxisStartForNonPositiveLowerEdges) {
  PixelBox box{0, 0, 400, 200};
  PixelMap mapX(AxisScale::Make(0, 4, false), 0, 400);
  PixelMap logY(AxisScale::Make(1, 100, true), 200, 0);
  const std::vector<double> x = {0, 1, 2, 3, 4};
  const std::vector<double> lower = {5, -1, 5, kNaN, 5};
  const std::vector<double> upper = {50, 50, 50, 50, 50};
  PixelPaths paths;
  TraceBand(x.data(), x.size(), lower.data(), lower.size(), upper.data(), upper.size(), 5, mapX,
            logY, box, paths);
  ASSERT_EQ(paths.counts.size(), 1u);  // points 0..2; the unwritten point 3 ends it; 4 is alone
  // Around x = 1 (pixel 100) the lower edge runs along the bottom of the box.
  int onBottom = 0;
  for (const PixelPoint& p : paths.points) {
    EXPECT_TRUE(Inside(p, box));
    if (p.y == 200) {
      ++onBottom;
      EXPECT_TRUE(p.x < 100 || p.x > 100);
    }
  }
  EXPECT_EQ(onBottom, 2);

  // A million points over 400 pixels make a polygon of at most a few points per column.
  std::vector<double> bx, lo, hi;
  for (int i = 0; i < 1000000; ++i) {
    bx.push_back(i * 4.0 / 1000000);
    lo.push_back(10 + (i % 5));
    hi.push_back(40 + (i % 11));
  }
  paths.Clear();
  TraceBand(bx.data(), bx.size(), lo.data(), lo.size(), hi.data(), hi.size(), bx.size(), mapX,
            logY, box, paths);
  ASSERT_EQ(paths.counts.size(), 1u);
  EXPECT_LE(paths.points.size(), 4u * 401 + 8);
}

}  // namespace chartcontrol
