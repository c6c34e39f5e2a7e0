// What each plot puts into the chart: titles, scales, legend texts, counts and curve forms.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plotter/app/core/PlotPlan.h"

namespace plotter {
namespace {

using spectrum::SpectrumSet;

// A set of `kind` whose blocks hold `points` values each (X = 1, 2, 3 ...).
SpectrumSet MakeSet(int kind, const std::vector<int>& points) {
  SpectrumSet set;
  set.fileKind = kind;
  set.fileName = "main.flu";
  set.blockCount = static_cast<int>(points.size());
  for (int n : points) set.maxPoints = std::max(set.maxPoints, n);
  set.blocks.resize(static_cast<size_t>(set.TextBlockSlots()));
  for (size_t b = 0; b < points.size(); ++b) {
    EXPECT_TRUE(set.AllocateBlock(static_cast<int>(b)));
    set.pointCount[b] = points[b];
    for (size_t i = 0; i < set.blocks[b].xValues.size(); ++i) set.blocks[b].xValues[i] = i + 1.0;
  }
  return set;
}

TEST(PlotPlan, TitlesScalesAndLegendTextsOfEachPlot) {
  struct Case {
    const char* name;
    int kind, unit;
    bool lethargy;      // lethargyShown, or the plot's lethargyForm
    std::string xLabel, yLabel;  // PlotFile replacement labels
    int legendMode, plotCode;
    const char* xTitle;
    const char* yTitle;
    ScaleChoice x, y;
    const char* legend1;
  };
  using S = ScaleChoice;
  const std::string blanks(20, ' ');
  const std::string lateLetter = std::string(20, ' ') + "X";
  const std::string controlsAndHigh = "\t\x01\x1f\x80\xff\xa0 ";
  // clang-format off
  const Case cases[] = {
      {"eV spectrum",          1, 0, false, "", "", 0, 0,  "Energy/eV ->",  "F(E) ->",   S::Linear,      S::Linear, "main.flu"},
      {"MeV lethargy",         1, 1, true,  "", "", 0, 0,  "Energy/MeV ->", "F(E)*E ->", S::Logarithmic, S::Linear, "main.flu"},
      {"keV spectrum",         1, 2, false, "", "", 0, 0,  "Energy/keV ->", "F(E) ->",   S::Linear,      S::Linear, "main.flu"},
      {"unit 3 in a spectrum", 1, 3, false, "", "", 0, 0,  "",              "F(E) ->",   S::Linear,      S::Linear, "main.flu"},
      {"channel list",         3, 1, true,  "", "", 0, 0,  "Channel ->",    "Count ->",  S::Linear,      S::Linear, "main.flu"},
      {"curve in channels",    2, 3, false, "", "", 1, 1,  "Channel",       "F(E) ->",   S::Linear,      S::Linear, "curve"},
      {"curve lethargy",       2, 2, true,  "", "", 2, 2,  "Energy/keV ->", "F(E)*E ->", S::Logarithmic, S::Linear, "curve"},
      {"unknown unit",         2, 7, false, "", "", 3, 3,  "",              "F(E) ->",   S::Linear,      S::Logarithmic, "curve"},
      {"replacement labels",   2, 0, true,  "Time/s", " Rate", 1, 4, "Time/s", " Rate", S::Logarithmic, S::Logarithmic, "curve"},
      {"blank labels",         2, 0, false, blanks, blanks, 1, 5, "Energy/eV ->", "F(E) ->", S::Keep, S::Keep, "curve"},
      {"letter after byte 20", 2, 1, false, lateLetter, lateLetter, 1, 0, "Energy/MeV ->", "F(E) ->", S::Keep, S::Keep, "curve"},
      {"control and high",     2, 1, false, controlsAndHigh, controlsAndHigh, 1, 9, "Energy/MeV ->", "F(E) ->", S::Keep, S::Keep, "curve"},
      {"blank legend",         2, 0, false, "", "", 99, 1, "Energy/eV ->", "F(E) ->",  S::Linear,      S::Linear, " "},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SpectrumSet set = MakeSet(c.kind, {3});
    set.energyUnit = c.unit;
    set.lethargyShown = c.lethargy;
    spectrum::SpectrumBlock& block = set.blocks[0];
    block.plotNumber = c.lethargy ? -1 : 1;
    block.lethargyForm = c.lethargy;
    block.unitCode = c.unit;
    block.plotCode = c.plotCode;
    block.legendMode = c.legendMode;
    block.curveLabel = "curve";
    block.axisLabelX = c.xLabel;
    block.axisLabelY = c.yLabel;
    const PlotPlan plan = c.kind == spectrum::SpectrumFile ? SpectrumPlan(set, 0)
                          : c.kind == spectrum::PlotFile  ? CurvesPlan(set, 0)
                                                          : ChannelListPlan(set, 0);
    EXPECT_TRUE(plan.setsTitles);
    EXPECT_EQ(plan.xTitle, c.xTitle);
    EXPECT_EQ(plan.yTitle, c.yTitle);
    EXPECT_EQ(plan.xScale, c.x);
    EXPECT_EQ(plan.yScale, c.y);
    ASSERT_EQ(plan.legend.size(), 1u);
    EXPECT_EQ(plan.legend[0].series, 1);
    EXPECT_EQ(plan.legend[0].text, c.legend1);
    EXPECT_EQ(plan.lethargyBox, c.kind == spectrum::SpectrumFile ? (c.lethargy ? 1 : 0) : -1);
  }
}

TEST(PlotPlan, StepsPointsAndBandsOfEachCurve) {
  // A spectrum of N bins: 2N points, N steps; its overlays step over their own bins only.
  SpectrumSet spectrum = MakeSet(spectrum::SpectrumFile, {4});
  spectrum.blocks.resize(21);
  spectrum.overlayCount = spectrum.extraCurveCount = 2;
  spectrum.AllocateBlock(1);
  spectrum.pointCount[1] = 2;
  spectrum.blocks[1].curveLabel = "over.flu";
  PlotPlan plan = SpectrumPlan(spectrum, 0);
  EXPECT_EQ(plan.seriesCount, 3);
  EXPECT_EQ(plan.pointCount, 8);
  ASSERT_EQ(plan.curves.size(), 3u);
  EXPECT_EQ(plan.curves[0].values, 4);
  EXPECT_TRUE(plan.curves[0].style.set);
  EXPECT_EQ(plan.curves[1].values, 2);
  EXPECT_FALSE(plan.curves[1].style.set);
  EXPECT_EQ(plan.curves[2].values, 0);  // an overlay that could not be read
  ASSERT_EQ(plan.legend.size(), 2u);
  EXPECT_EQ(plan.legend[1].series, 2);
  EXPECT_EQ(plan.legend[1].text, "over.flu");

  // A list of N channels makes N-1 steps; one channel makes none.
  EXPECT_EQ(ChannelListPlan(MakeSet(spectrum::ChannelFile, {5}), 0).curves[0].values, 4);
  EXPECT_EQ(ChannelListPlan(MakeSet(spectrum::ChannelFile, {1}), 0).curves[0].values, 0);

  // A plot of three curves (code 23): the longest sets the counts; each legend mode its form.
  SpectrumSet plot = MakeSet(spectrum::PlotFile, {3, 5, 2, 4});
  const int modes[] = {1, 2, 3, 99};
  for (int b = 0; b < 4; ++b) plot.blocks[static_cast<size_t>(b)].legendMode = modes[b];
  plot.blocks[0].plotNumber = 3;
  plot.blocks[0].plotCode = 23;
  plot.blocks[2].dataKind = -1;
  plan = CurvesPlan(plot, 0);
  EXPECT_EQ(plan.extraCurveCount, 2);
  EXPECT_EQ(plan.yScale, ScaleChoice::Logarithmic);
  EXPECT_EQ(plan.seriesCount, 3);
  EXPECT_EQ(plan.pointCount, 10);
  EXPECT_EQ(plan.bandSeriesCount, 30);
  EXPECT_EQ(plan.bandPointCount, 5);
  const CurveForm forms[] = {CurveForm::Steps, CurveForm::Points, CurveForm::Points};
  const int values[] = {2, 5, 2};
  const int strokes[] = {2, 2, 1};
  for (int s = 0; s < 3; ++s) {
    EXPECT_EQ(plan.curves[static_cast<size_t>(s)].form, forms[s]) << s;
    EXPECT_EQ(plan.curves[static_cast<size_t>(s)].values, values[s]) << s;
    EXPECT_EQ(plan.curves[static_cast<size_t>(s)].style.strokeKind, strokes[s]) << s;
    EXPECT_EQ(plan.curves[static_cast<size_t>(s)].bandValues, s == 2 ? 2 : 0) << s;
  }

  // A lone block asking for further curves draws itself only, with the scale its code gives.
  SpectrumSet lone = MakeSet(spectrum::PlotFile, {3});
  lone.blocks[0].plotNumber = 2;
  lone.blocks[0].plotCode = 12;
  plan = CurvesPlan(lone, 0);
  EXPECT_EQ(plan.extraCurveCount, 0);
  EXPECT_EQ(plan.curves.size(), 1u);
  EXPECT_EQ(plan.xScale, ScaleChoice::Logarithmic);
  // A first block of plot number 0 keeps titles and scales, and the count within the file.
  lone.blocks[0].plotNumber = 0;
  lone.extraCurveCount = 4;
  plan = CurvesPlan(lone, 0);
  EXPECT_FALSE(plan.setsTitles);
  EXPECT_TRUE(plan.legend.empty());
  EXPECT_EQ(plan.extraCurveCount, 0);
}

TEST(PlotPlan, StepPointsRunFromEdgeToEdge) {
  const double x[] = {1, 2, 4};
  const double y[] = {10, 20, 99};
  std::vector<std::vector<double>> points;
  ForEachStepPoint(x, y, 2, [&](int k, double px, double py) { points.push_back({double(k), px, py}); });
  const std::vector<std::vector<double>> expected = {{1, 1, 10}, {2, 2, 10}, {3, 2, 20}, {4, 4, 20}};
  EXPECT_EQ(points, expected);
}

}  // namespace
}  // namespace plotter
