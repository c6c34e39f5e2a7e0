// Members the set-up does not use, checked against the dispatch ids and value kinds the chart
// component defines: the plot builders and the graphic output rely on them.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Chart2D.h"
#include "FakeChart.h"

namespace {

TEST(ChartObjects, MembersForPlotsAndOutputReachTheirIds) {
  auto state = std::make_shared<FakeChartState>();
  FakeChartFactory factory(state);
  HWND host = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 900, 700, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  CChart2D chart;
  chart.Create(host, 2, RECT{0, 0, 790, 480});
  const std::string x = AxisPath("x"), g1 = GroupPath(1), g2 = GroupPath(2);
  const std::pair<std::function<void()>, std::string> cases[] = {
      {[&] { chart.SetHoldRedraw(true); }, "6 = TRUE"},
      {[&] { chart.Extras().Clear(); }, "10.6()"},
      {[&] { chart.CopyGraph(3); }, "19(i4:3)"},
      {[&] { chart.WriteGraph("a.bmp", 1); }, "20(\"a.bmp\", i4:1)"},
      {[&] {
         chart.WriteJpeg("a.jpg", 75, {true, false, true});
       },
       "27(\"a.jpg\", i4:75, TRUE, FALSE, TRUE)"},
      {[&] { chart.WritePng("a.png", true); }, "28(\"a.png\", TRUE)"},
      {[&] {
         chart.PrintGraph({1, 2, 3, 4, 5, 6});
       },
       "18(i4:1, i4:2, i4:3, i4:4, i4:5, i4:6)"},
      {[&] { chart.Axis("x").Title().SetContent("Energy/eV ->"); }, x + ".1.1 = \"Energy/eV ->\""},
      {[&] { chart.Axis("x").SetTitleTurn(2); }, x + ".17 = i4:2"},
      {[&] { chart.Group(1).SeriesData().SetLayoutCode(1); }, g1 + ".4.1 = i4:1"},
      {[&] { chart.Group(1).SeriesData().SetXValue(1, 3, 2.5); },
       g1 + ".4.19(i4:1, i4:3) = r8:2.5"},
      {[&] { chart.Group(2).SeriesData().SetYValue(4, 9, -0.5); },
       g2 + ".4.20(i4:4, i4:9) = r8:-0.5"},
      {[&] { chart.Group(1).SeriesStyles().Item(3).Stroke().SetStrokeKind(2); },
       g1 + ".5.5[i2:3].1.1 = i4:2"},
      {[&] { chart.Group(1).SeriesStyles().Item(3).Stroke().SetStrokeWidth(1); },
       g1 + ".5.5[i2:3].1.3 = i4:1"},
      {[&] { chart.Group(1).SeriesLabels().AddLabel("a.flu", 1); }, g1 + ".6.4(\"a.flu\", i2:1)"},
  };
  for (const auto& [call, line] : cases) {
    state->ClearLog();
    call();
    EXPECT_EQ(state->Puts(), std::vector<std::string>{line});
    EXPECT_EQ(state->liveObjects, 1) << line;  // method results are released too
  }
  DestroyWindow(host);
}

}  // namespace
