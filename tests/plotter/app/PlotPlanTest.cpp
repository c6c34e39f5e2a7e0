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

TEST(PlotPlan, APlotWithoutAFirstCurveKeepsTitlesAndCountsWithinTheFile) {
  SpectrumSet set = MakeSet(spectrum::PlotFile, {3});
  set.extraCurveCount = 4;
  const PlotPlan plan = CurvesPlan(set, 0);  // plot number 0
  EXPECT_FALSE(plan.setsTitles || !plan.legend.empty());
  EXPECT_EQ(plan.extraCurveCount, 0);
}

}  // namespace
}  // namespace plotter
