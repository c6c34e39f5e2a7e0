// The chart's set-up as the component takes it: the real set-up through CChart2D into the real
// chart, checked on the model the chart keeps.
#include <gtest/gtest.h>
#include <windows.h>

#include "plotter/chart/ChartSetup.h"
#include "tests/plotter/chart/LinkedChart.h"
#include "tests/support/Stage.h"

namespace chart {
namespace {

using chartcontrol::kAxisX;
using chartcontrol::kAxisY;
using chartcontrol::kAxisY2;

class ChartSetupTest : public testing::Test {
 protected:
  void SetUp() override {
    chart_.Create(testsupport::Stage(), 2, RECT{0, 0, 790, 480});
    ASSERT_TRUE(linked_.made());
  }
  const chartcontrol::ChartModel& model() const { return linked_.model(); }

  LinkedChart linked_;
  CChart2D chart_;
};

TEST_F(ChartSetupTest, TheLookShadesTheButtonFaceLayersCurvesOverBandsAndStartsLinearFromZero) {
  SetUpChartLook(chart_, RGB(212, 208, 200));
  const chartcontrol::ChartModel& m = model();
  EXPECT_EQ(m.outerColours.back, RGB(207, 203, 195));  // each of red, green and blue less 5
  EXPECT_EQ(m.title.text, " Zelvora ");
  EXPECT_TRUE(m.graph.filled && m.legend.shown && !m.holdLayout);
  EXPECT_TRUE(m.note.place[0].set && m.note.place[1].set);
  EXPECT_GT(m.groups[0].layer, m.groups[1].layer);  // the curves are drawn over the bands
  for (chartcontrol::AxisId id : {kAxisX, kAxisY})
    EXPECT_TRUE(m.graph.axes[id].minLimit == 0.0 && !m.graph.axes[id].logarithmic && m.graph.axes[id].shown) << id;
  EXPECT_TRUE(m.graph.axes[kAxisX].maxLimit == 1000.0 && m.graph.axes[kAxisY].maxLimit == 100.0);
  EXPECT_FALSE(m.graph.axes[kAxisY2].shown);
  // Every object got on the way was released: the chart holds the wrapper's and the window's.
  EXPECT_EQ(linked_.references(), 2);
}

TEST_F(ChartSetupTest, TheSeriesTakeThePaletteAndOneEmptyPointEach) {
  SetUpChartSeries(chart_);
  const chartcontrol::ChartModel& m = model();
  for (chartcontrol::AxisId id : {kAxisX, kAxisY}) EXPECT_TRUE(m.graph.axes[id].grid.automatic);
  for (const chartcontrol::SeriesGroup& group : m.groups)
    EXPECT_TRUE(group.data.seriesCount() == 20 && group.data.PointCount(1) == 1 && group.data.Y(1, 1) == 0.0);
  for (int n = 1; n <= kPaletteSize; ++n) {
    const chartcontrol::SeriesStyle& curve = m.groups[0].styles.at(n);
    EXPECT_TRUE(curve.markerKind == 1 && curve.fill.fore == SeriesColour(n) && curve.markerColour == SeriesColour(n)) << n;
    EXPECT_EQ(m.groups[0].SeriesColour(n), SeriesColour(n)) << n;

    // The bands: odd series 2k-1 take colour k, even ones keep the chart's own.
    const chartcontrol::SeriesStyle& band = m.groups[1].styles.at(n);
    EXPECT_EQ(band.markerKind, 1) << n;
    if (n % 2 == 1)
      EXPECT_TRUE(band.fill.fore == SeriesColour((n + 1) / 2) && band.markerColour == SeriesColour((n + 1) / 2)) << n;
    else
      EXPECT_FALSE(band.fill.foreSet || band.markerColourSet) << n;
  }
  EXPECT_EQ(linked_.references(), 2);
}

}  // namespace
}  // namespace chart
