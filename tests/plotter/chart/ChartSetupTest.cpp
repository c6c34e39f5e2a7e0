// The chart's set-up: every put in order, with its value and kind.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "ChartSetup.h"
#include "FakeChart.h"

namespace {

using Lines = std::vector<std::string>;

std::string I4(COLORREF colour) { return "i4:" + std::to_string(static_cast<int32_t>(colour)); }

// The series palette, red, green, blue.
// clang-format off
const int kPalette[20][3] = {
    {0, 0, 220},   {220, 0, 0},   {0, 120, 0},    {180, 180, 0},  {100, 0, 230},
    {0, 200, 200}, {220, 50, 50}, {100, 0, 230},  {0, 200, 100},  {100, 200, 0},
    {0, 150, 100}, {200, 0, 100}, {0, 100, 230},  {220, 30, 150}, {0, 100, 230},
    {0, 200, 100}, {220, 50, 50}, {100, 100, 230}, {100, 200, 0}, {0, 200, 100}};
// clang-format on

std::string Palette(int n) {
  const int* c = kPalette[n - 1];
  return I4(RGB(c[0], c[1], c[2]));
}

class ChartSetupTest : public testing::Test {
 protected:
  void SetUp() override {
    host_ = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 900, 700, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    chart_.Create(host_, 2, RECT{0, 0, 790, 480});
    state_->ClearLog();
  }
  void TearDown() override { DestroyWindow(host_); }

  std::shared_ptr<FakeChartState> state_ = std::make_shared<FakeChartState>();
  FakeChartFactory factory_{state_};
  HWND host_ = nullptr;
  CChart2D chart_;
};

TEST_F(ChartSetupTest, LookPutsEveryValueInOrder) {
  SetUpChartLook(chart_, RGB(212, 208, 200));
  const std::string x = AxisPath("x"), y = AxisPath("y"), y2 = AxisPath("y2");
  const std::string g1 = GroupPath(1), g2 = GroupPath(2);
  const Lines expected = {
      "7 = FALSE",
      g1 + ".2 = i4:1",
      g2 + ".2 = i4:6",
      g2 + ".3 = i2:1",
      "13 = FALSE",
      "8.5.1 = TRUE",
      "8.2.2 = i4:9",
      "8.2.1 = i4:1",
      "5.1 = " + I4(RGB(207, 203, 195)),
      "5.2 = " + I4(RGB(50, 50, 50)),
      "8.4.1 = " + I4(RGB(235, 235, 235)),
      "4.2 = i4:9",
      "4.1 = i4:2",
      g1 + ".3 = i2:2",
      // title box
      "1.6 = FALSE",
      "1.8.2 = r8:14",
      "1.8.5 = FALSE",
      "1.3.1 = \" Zelvora \"",
      "1.4.2 = " + I4(RGB(100, 20, 20)),
      "1.1.2 = i4:5",
      // note box
      "2.6 = FALSE",
      "2.8.2 = r8:10",
      "2.8.5 = FALSE",
      "2.3.1 = \" \"",
      "2.5.1.1 = i4:2",
      "2.5.2.1 = i4:450",
      "2.4.2 = " + I4(RGB(0, 0, 130)),
      // legend box
      "3.4 = TRUE",
      "3.8.0 = \"Arial\"",
      "3.8.2 = r8:10",
      "3.1.2 = i4:9",
      "3.1.1 = i4:0",
      "3.6 = i4:2",
      "3.5 = i4:16",
      // axes
      x + ".21 = i4:2",
      y + ".21 = i4:2",
      x + ".20 = i4:2",
      y + ".20 = i4:2",
      x + ".33.0 = \"Courier New\"",
      x + ".33.2 = r8:12",
      y + ".33.0 = \"Courier New\"",
      y + ".33.2 = r8:12",
      x + ".32.2.2 = " + I4(RGB(50, 50, 50)),
      y + ".32.2.2 = " + I4(RGB(50, 50, 50)),
      "8.8.3[\"x\"].2 = FALSE",
      "8.8.3[\"y\"].2 = FALSE",
      x + ".29.6.2 = FALSE",
      x + ".29.6.1 = i4:0",
      y + ".29.6.2 = FALSE",
      y + ".29.6.1 = i4:1",
      y2 + ".14 = FALSE",
      x + ".5.1 = r8:0",
      y + ".5.1 = r8:0",
      x + ".6.1 = r8:1000",
      y + ".6.1 = r8:100",
      x + ".15 = FALSE",
      y + ".15 = FALSE",
  };
  EXPECT_TRUE(SameLines(state_->Puts(), expected));
  EXPECT_EQ(state_->liveObjects, 1);
  EXPECT_EQ(state_->mostStrayAtPut, 0);
}

TEST_F(ChartSetupTest, OuterColourIsOneWholeNumberSubtraction) {
  SetUpChartLook(chart_, RGB(4, 10, 10));  // red below 5: the subtraction borrows
  EXPECT_EQ(state_->Puts()[8], "5.1 = i4:328959");
  state_->ClearLog();
  SetUpChartLook(chart_, RGB(0, 0, 0));
  EXPECT_EQ(state_->Puts()[8], "5.1 = i4:-328965");
}

TEST_F(ChartSetupTest, SeriesGetGridsEmptyPointsAndThePalette) {
  SetUpChartSeries(chart_);
  const std::string x = AxisPath("x"), y = AxisPath("y");
  const std::string g1 = GroupPath(1), g2 = GroupPath(2);
  Lines expected = {
      x + ".12.3.1 = i4:2",
      y + ".12.3.1 = i4:2",
      x + ".12.3.2 = " + I4(RGB(225, 225, 225)),
      y + ".12.3.2 = " + I4(RGB(225, 225, 225)),
      x + ".12.2.2 = TRUE",
      y + ".12.2.2 = TRUE",
      g1 + ".4.2 = i4:20",
      g1 + ".4.16(i4:1) = i4:1",
      g1 + ".4.20(i4:1, i4:1) = r8:0",
      g2 + ".4.2 = i4:20",
      g2 + ".4.16(i4:1) = i4:1",
      g2 + ".4.20(i4:1, i4:1) = r8:0",
  };
  auto style = [](const std::string& group, int n) {
    return group + ".5.5[i2:" + std::to_string(n) + "]";
  };
  for (int n = 1; n <= 20; ++n) expected.push_back(style(g1, n) + ".3.1 = i4:1");
  for (int n = 1; n <= 20; ++n) {
    expected.push_back(style(g1, n) + ".2.4.2 = " + Palette(n));
    expected.push_back(style(g1, n) + ".3.2 = " + Palette(n));
  }
  for (int n = 1; n <= 20; ++n) expected.push_back(style(g2, n) + ".3.1 = i4:1");
  for (int k = 1; k <= 10; ++k) {
    expected.push_back(style(g2, 2 * k - 1) + ".2.4.2 = " + Palette(k));
    expected.push_back(style(g2, 2 * k - 1) + ".3.2 = " + Palette(k));
  }
  EXPECT_TRUE(SameLines(state_->Puts(), expected));
  EXPECT_EQ(state_->liveObjects, 1);
  EXPECT_EQ(state_->mostStrayAtPut, 0);

  // Spot checks against the table as printed: series 1, 12 and 20 of group 1, series 19 of group 2.
  const Lines puts = state_->Puts();
  EXPECT_NE(std::find(puts.begin(), puts.end(), style(g1, 1) + ".2.4.2 = i4:14417920"), puts.end());
  EXPECT_NE(std::find(puts.begin(), puts.end(), style(g1, 12) + ".3.2 = i4:6553800"), puts.end());
  EXPECT_NE(std::find(puts.begin(), puts.end(), style(g1, 20) + ".3.2 = i4:6604800"), puts.end());
  EXPECT_NE(std::find(puts.begin(), puts.end(), style(g2, 19) + ".3.2 = i4:51300"), puts.end());
  EXPECT_EQ(std::find(puts.begin(), puts.end(), style(g2, 2) + ".3.2 = " + Palette(1)), puts.end());
}

}  // namespace
