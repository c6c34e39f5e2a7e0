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

TEST_F(ChartSetupTest, TheLookGivesBoxesFramesColoursAndLinearAxesFromZero) {
  SetUpChartLook(chart_, RGB(212, 208, 200));
  const chartcontrol::ChartModel& m = model();

  // Each of red, green and blue of the button face lowered by 5.
  EXPECT_EQ(m.outerColours.back, RGB(207, 203, 195));
  EXPECT_EQ(m.outerColours.fore, RGB(50, 50, 50));
  EXPECT_EQ(m.outerFrame.kind, 9);
  EXPECT_EQ(m.outerFrame.width, 2);
  EXPECT_EQ(m.graph.colours.back, RGB(235, 235, 235));
  EXPECT_TRUE(m.graph.filled);
  EXPECT_EQ(m.graph.frame.kind, 9);
  EXPECT_EQ(m.graph.frame.width, 1);
  EXPECT_FALSE(m.holdLayout);
  EXPECT_FALSE(m.flag13);
  EXPECT_EQ(m.groups[0].graphKind, 1);
  EXPECT_EQ(m.groups[1].graphKind, 6);
  EXPECT_GT(m.groups[0].layer, m.groups[1].layer);  // the curves are drawn over the bands

  EXPECT_EQ(m.title.text, " Zelvora ");
  EXPECT_EQ(m.title.colours.fore, RGB(100, 20, 20));
  EXPECT_EQ(m.title.frame.kind, 5);
  EXPECT_EQ(m.title.font.size, 14);
  EXPECT_FALSE(m.title.font.underline);
  EXPECT_FALSE(m.title.flag6);
  EXPECT_EQ(m.note.text, " ");
  EXPECT_EQ(m.note.colours.fore, RGB(0, 0, 130));
  EXPECT_TRUE(m.note.place[0].set && m.note.place[1].set);
  EXPECT_EQ(m.note.place[0].amount, 2);
  EXPECT_EQ(m.note.place[1].amount, 450);
  EXPECT_TRUE(m.legend.shown);
  EXPECT_EQ(m.legend.font.name, "Arial");
  EXPECT_EQ(m.legend.legendAnchor, 16);
  EXPECT_EQ(m.legend.legendOrientation, 2);
  EXPECT_EQ(m.legend.frame.kind, 9);
  EXPECT_EQ(m.legend.frame.width, 0);

  for (chartcontrol::AxisId id : {kAxisX, kAxisY}) {
    const chartcontrol::Axis& a = m.graph.axes[id];
    EXPECT_EQ(a.minLimit, 0.0);
    EXPECT_FALSE(a.logarithmic);
    EXPECT_TRUE(a.shown);
    EXPECT_EQ(a.majorTicks, 2);
    EXPECT_EQ(a.minorTicks, 2);
    EXPECT_EQ(a.font.name, "Courier New");
    EXPECT_EQ(a.font.size, 12);
    EXPECT_EQ(a.labelLook.fore, RGB(50, 50, 50));
    EXPECT_FALSE(a.option2);
    EXPECT_FALSE(a.labels.digitsAutomatic);
  }
  EXPECT_EQ(m.graph.axes[kAxisX].maxLimit, 1000.0);
  EXPECT_EQ(m.graph.axes[kAxisY].maxLimit, 100.0);
  EXPECT_EQ(m.graph.axes[kAxisX].labels.digits, 0);
  EXPECT_EQ(m.graph.axes[kAxisY].labels.digits, 1);
  EXPECT_FALSE(m.graph.axes[kAxisY2].shown);

  // Every object got on the way was released: the chart holds the wrapper's and the window's.
  EXPECT_EQ(linked_.references(), 2);
}

TEST_F(ChartSetupTest, TheSeriesTakeThePaletteAndOneEmptyPointEach) {
  SetUpChartSeries(chart_);
  const chartcontrol::ChartModel& m = model();

  for (chartcontrol::AxisId id : {kAxisX, kAxisY}) {
    EXPECT_EQ(m.graph.axes[id].grid.lineKind, 2);
    EXPECT_EQ(m.graph.axes[id].grid.lineColour, RGB(225, 225, 225));
    EXPECT_TRUE(m.graph.axes[id].grid.automatic);
  }
  for (const chartcontrol::SeriesGroup& group : m.groups) {
    EXPECT_EQ(group.data.seriesCount(), 20);
    EXPECT_EQ(group.data.PointCount(1), 1);
    EXPECT_EQ(group.data.Y(1, 1), 0.0);
  }

  EXPECT_EQ(SeriesColour(1), RGB(0, 0, 220));
  EXPECT_EQ(SeriesColour(10), RGB(100, 200, 0));
  EXPECT_EQ(SeriesColour(20), RGB(0, 200, 100));
  for (int n = 1; n <= kPaletteSize; ++n) {
    const chartcontrol::SeriesStyle& curve = m.groups[0].styles.at(n);
    EXPECT_EQ(curve.markerKind, 1) << n;
    EXPECT_EQ(curve.fill.fore, SeriesColour(n)) << n;
    EXPECT_EQ(curve.markerColour, SeriesColour(n)) << n;
    EXPECT_EQ(m.groups[0].SeriesColour(n), SeriesColour(n)) << n;

    // The bands: odd series 2k-1 take colour k, even ones keep the chart's own.
    const chartcontrol::SeriesStyle& band = m.groups[1].styles.at(n);
    EXPECT_EQ(band.markerKind, 1) << n;
    if (n % 2 == 1) {
      EXPECT_EQ(band.fill.fore, SeriesColour((n + 1) / 2)) << n;
      EXPECT_EQ(band.markerColour, SeriesColour((n + 1) / 2)) << n;
    } else {
      EXPECT_FALSE(band.fill.foreSet || band.markerColourSet) << n;
    }
  }
  EXPECT_EQ(linked_.references(), 2);
}

}  // namespace
}  // namespace chart
