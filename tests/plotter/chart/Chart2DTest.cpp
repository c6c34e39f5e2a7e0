// CChart2D's life: creation through its factory or ChartControl.dll, events, release.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "plotter/chart/Chart2D.h"
#include "tests/plotter/chart/LinkedChart.h"
#include "tests/support/Stage.h"

namespace chart {
namespace {

using chartcontrol::kChartLibraryName;

bool LibraryBesideProgram() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string file(path);
  file.erase(file.find_last_of('\\') + 1);
  return GetFileAttributesA((file + kChartLibraryName).c_str()) != INVALID_FILE_ATTRIBUTES;
}

class Chart2DTest : public testing::Test {
 protected:
  LinkedChart linked_;
  HWND host_ = testsupport::Stage();
};

TEST_F(Chart2DTest, CreatesTheChartAsChildOnTheRectangleAndListensToIt) {
  auto chart = std::make_unique<CChart2D>();
  chart->Create(host_, 2, RECT{0, 0, 790, 480});
  EXPECT_EQ(linked_.creations, 1);
  EXPECT_EQ(linked_.parent, host_);
  EXPECT_EQ(linked_.id, 2);
  EXPECT_EQ(linked_.rect.right, 790);
  EXPECT_EQ(linked_.rect.bottom, 480);
  EXPECT_FALSE(chart->IsEmpty());
  const HWND window = chart->Window();
  EXPECT_EQ(window, GetDlgItem(host_, 2));
  EXPECT_NE(linked_.sink(), nullptr);
  EXPECT_EQ(linked_.references(), 2);  // the wrapper's and the window's

  // Ending the wrapper stops the events, closes the window and releases the control.
  chart.reset();
  EXPECT_EQ(linked_.sink(), nullptr);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(linked_.references(), 0);
}

TEST_F(Chart2DTest, AChainReachesItsObjectAndReleasesEverythingItGot) {
  CChart2D chart;
  chart.Create(host_, 2, RECT{0, 0, 790, 480});
  chart.Axis("x").MinLimit().SetValue(0.001);
  chart.Group(2).SeriesStyles().Item(3).Marker().SetMarkerColour(RGB(1, 2, 3));
  chart.Group(1).SeriesLabels().AddLabel("curve", 2);
  EXPECT_EQ(linked_.axis(chartcontrol::kAxisX).minLimit, 0.001);
  EXPECT_EQ(linked_.model().groups[1].styles.at(3).markerColour, RGB(1, 2, 3));
  ASSERT_NE(linked_.model().groups[0].data.Label(2), nullptr);
  EXPECT_EQ(*linked_.model().groups[0].data.Label(2), "curve");
  EXPECT_EQ(linked_.references(), 2);
}

TEST_F(Chart2DTest, EventsReachTheHandlersAndNoExceptionLeavesTheSink) {
  CChart2D chart;
  chart.Create(host_, 2, RECT{0, 0, 790, 480});
  double seen[6] = {};
  int16_t button = 0, shift = -1;
  chart.SetEventHandlers({[&](double* values, int32_t* flag) {
                            std::copy(values, values + 6, seen);
                            *flag = 5;
                          },
                          [&](int16_t b, int16_t s, int32_t, int32_t) {
                            button = b;
                            shift = s;
                          }});
  ASSERT_NE(linked_.sink(), nullptr);
  double values[6] = {1, 2, 3, 4, 5, 6};
  int32_t flag = 0;
  linked_.sink()->LimitsChanged(values, &flag);
  EXPECT_EQ(seen[0], 1);
  EXPECT_EQ(seen[5], 6);
  EXPECT_EQ(flag, 5);
  linked_.sink()->MouseDown(2, 1, 10, 20);
  EXPECT_EQ(button, 2);
  EXPECT_EQ(shift, 1);

  chart.SetEventHandlers({[](double*, int32_t*) { throw std::runtime_error("limits"); },
                          [](int16_t, int16_t, int32_t, int32_t) { throw 1; }});
  EXPECT_NO_THROW(linked_.sink()->LimitsChanged(values, &flag));
  EXPECT_NO_THROW(linked_.sink()->MouseDown(2, 0, 0, 0));
}

TEST_F(Chart2DTest, AFailedCreationLeavesAnEmptyChartThatDoesNothing) {
  linked_.fail = true;
  CChart2D chart;
  chart.Create(host_, 2, RECT{0, 0, 790, 480});
  EXPECT_EQ(linked_.creations, 1);
  EXPECT_TRUE(chart.IsEmpty());
  EXPECT_EQ(chart.Window(), nullptr);
  EXPECT_TRUE(chart.Axis("x").IsEmpty());
  EXPECT_TRUE(chart.Group(1).SeriesStyles().Item(3).Marker().IsEmpty());
  chart.Axis("x").MinLimit().SetValue(1.0);
  chart.Extras().Clear();
  chart.SetHoldRedraw(true);
  EXPECT_FALSE(chart.CopyGraph(1));
  EXPECT_FALSE(linked_.made());
}

TEST(Chart2DLibrary, WithoutChartControlDllTheChartStaysEmpty) {
  if (LibraryBesideProgram()) GTEST_SKIP() << "ChartControl.dll lies beside the test program";
  HWND host = testsupport::Stage();
  CChart2D chart;
  chart.Create(host, 2, RECT{0, 0, 790, 480});
  EXPECT_TRUE(chart.IsEmpty());
  EXPECT_EQ(chart.Window(), nullptr);
  EXPECT_EQ(GetDlgItem(host, 2), nullptr);
  EXPECT_EQ(GetModuleHandleA(kChartLibraryName), nullptr);
  chart.Axis("y").MaxLimit().SetValue(5.0);  // does nothing
}

}  // namespace
}  // namespace chart
