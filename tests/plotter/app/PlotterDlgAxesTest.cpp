// The main window and its chart: set-up, limit edits, scaling to the data, the returns to the
// data range and the chart's events, checked on the model of the real chart component.
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "tests/plotter/app/MainWindowTest.h"

namespace {

using chartcontrol::kAxisX;
using chartcontrol::kAxisY;
using chartcontrol::kAxisY2;

class PlotterDlgAxesTest : public MainWindowTest {
 protected:
  void SetText(int id, const char* text) { SetDlgItemTextA(hwnd_, id, text); }
  void ClickCaption(int id) {
    HWND caption = GetDlgItem(hwnd_, id);
    SendMessageA(caption, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(caption, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  }
  // The limits the chart holds (y2 always follows y) and the edits show.
  void ExpectLimits(double xMin, double xMax, double yMin, double yMax, const std::string& edits) {
    EXPECT_TRUE(Axis(kAxisX).minLimit == xMin && Axis(kAxisX).maxLimit == xMax);
    for (chartcontrol::AxisId y : {kAxisY, kAxisY2})
      EXPECT_TRUE(Axis(y).minLimit == yMin && Axis(y).maxLimit == yMax) << y;
    EXPECT_EQ(Text(IDC_X_MIN) + "|" + Text(IDC_X_MAX) + "|" + Text(IDC_Y_MIN) + "|" + Text(IDC_Y_MAX), edits);
  }
  void ExpectHome(double xMin, double xMax, double yMin, double yMax) {
    const chart::AxisLimits& home = dialog_->homeLimits();
    EXPECT_TRUE(home.xMin == xMin && home.xMax == xMax && home.yMin == yMin && home.yMax == yMax);
  }
};

TEST_F(PlotterDlgAxesTest, StartUpMakesTheChartSetsItUpAndReleasesItOnClosing) {
  EXPECT_TRUE(chart_.creations == 1 && chart_.parent == hwnd_ && chart_.id == IDC_CHART);
  EXPECT_TRUE(chart_.rect.left == 0 && chart_.rect.top == 0 && chart_.rect.right == 790 && chart_.rect.bottom == 480);
  EXPECT_EQ(GetDlgItem(hwnd_, IDC_CHART), chart_.window());
  // The set-up reached the chart with the system's button face for the outer colour (its content
  // is checked with the set-up itself); the edits put the start limits again, y to y2 as well.
  EXPECT_EQ(chart_.model().title.text, " Zelvora ");
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(chart_.model().outerColours.back, static_cast<COLORREF>(static_cast<int32_t>(face) - 328965) & 0xFFFFFF);
  ExpectLimits(0, 1000, 0, 100, "0|1000|0|100");
  for (chartcontrol::AxisId id : {kAxisX, kAxisY}) EXPECT_TRUE(!Axis(id).logarithmic && Axis(id).labels.mode == 1);
  EXPECT_FALSE(Axis(kAxisY2).shown);
  EXPECT_EQ(chart_.references(), 2);  // the wrapper's and the window's: nothing else held

  DestroyWindow(hwnd_);
  dialog_.reset();
  EXPECT_EQ(chart_.references(), 0);
  EXPECT_EQ(chart_.sink(), nullptr);
}

TEST_F(PlotterDlgAxesTest, EveryEditChangeGoesToTheChartAtOnce) {
  // One put per keystroke: "1", "1e", "1e-" read as 1, then 0.001.
  HWND edit = GetDlgItem(hwnd_, IDC_X_MIN);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  const double afterKey[] = {1, 1, 1, 0.001};
  for (int i = 0; i < 4; ++i) {
    SendMessageA(edit, WM_CHAR, static_cast<unsigned char>("1e-3"[i]), 0);
    EXPECT_EQ(Axis(kAxisX).minLimit, afterKey[i]) << i;
  }
  SetText(IDC_X_MIN, "7");
  SetText(IDC_X_MIN, "abc");
  EXPECT_EQ(Axis(kAxisX).minLimit, 0);
  // No check of order or sign: a minimum above the maximum goes as typed.
  SetText(IDC_X_MIN, "1e3");
  SetText(IDC_X_MAX, "-5");
  SetText(IDC_Y_MIN, "2.5");
  SetText(IDC_Y_MAX, "7e1");
  ExpectLimits(1000, -5, 2.5, 70, "1e3|-5|2.5|7e1");
  // Text beyond the double range gives the largest double, never an infinity.
  SetText(IDC_Y_MAX, "1e999");
  EXPECT_TRUE(Axis(kAxisY).maxLimit == std::numeric_limits<double>::max() && Axis(kAxisY2).maxLimit == Axis(kAxisY).maxLimit);
  ExpectHome(0, 1000, 0, 100);  // typing leaves the range to return to
}

TEST_F(PlotterDlgAxesTest, ScaleToDataEndsWithTheShownValuesOnTheChart) {
  // Three bins from 1e-120 to the upper edge 7.5.
  Load(WriteFile("tiny.flu", "Tiny edges\n1 0 0\n1 0 3 7.5\n1e-120 0.00123456 0\n1.0 12345.6789012 0\n2.0 0.5 0\n7.5 0.75 0\n"));
  Click(IDC_X_LOGARITHMIC);
  dialog_->ScaleToData(0);
  EXPECT_EQ(chart_.model().title.text, "Tiny edges");  // the file's first line without its line end
  EXPECT_EQ(Axis(kAxisY).labels.mode, 9);              // y range above 1000
  // 1e-120 counts as 0, the upper edge 7.5 is taken in; the chart keeps what the edits show.
  ExpectLimits(0, 7.5, 0.0012, 12345.678901, "0.0|7.500000|1.2e-003|12345.678901");
  ExpectHome(0.0, 7.5, 0.0012, 12345.678901);
  EXPECT_FALSE(std::signbit(Axis(kAxisX).minLimit) || std::signbit(dialog_->currentLimits().xMin));
  EXPECT_TRUE(Axis(kAxisX).grid.spacing == 0.1 && !Axis(kAxisX).grid.automatic);  // X Log ticked
  EXPECT_TRUE(Axis(kAxisY).grid.automatic);
  EXPECT_EQ(chart_.references(), 2);

  // A channel list: no title; a range of a thousand or less leaves the label mode alone.
  Load(WriteFile("counts.dat", "0\n1000\n5000\n2500\n"));
  dialog_->ScaleToData(0);
  EXPECT_EQ(chart_.model().title.text, "");
  EXPECT_TRUE(Axis(kAxisY).labels.mode == 9 && !Axis(kAxisY).logarithmic && Checked(IDC_Y_LINEAR));
  Load(WriteFile("few.dat", "0\n1000\n500\n"));
  chart_.model().graph.axes[kAxisY].labels.mode = 5;
  dialog_->ScaleToData(0);
  EXPECT_EQ(Axis(kAxisY).labels.mode, 5);
  dialog_->ScaleToData(7);  // a block without values keeps the range shown before
  ExpectLimits(0, 2, 0, 1000, "0.0|2.000000|0.0|1000.000000");
  ExpectHome(0, 2, 0, 1000);
}

TEST_F(PlotterDlgAxesTest, CaptionClicksReturnTheirAxisAndARightClickWithoutShiftBoth) {
  Load(WriteFile("range.dat", "10\n20\n30\n"));
  dialog_->ScaleToData(0);
  SetText(IDC_X_MIN, "0.5");
  SetText(IDC_X_MAX, "1.5");
  SetText(IDC_Y_MIN, "12");
  SetText(IDC_Y_MAX, "13");
  ClickCaption(IDC_X_CAPTION);
  ExpectLimits(0, 2, 12, 13, "0.0|2.000000|12|13");
  ClickCaption(IDC_Y_CAPTION);
  ExpectLimits(0, 2, 10, 30, "0.0|2.000000|10.000000|30.000000");

  SetText(IDC_X_MIN, "5");
  SetText(IDC_Y_MAX, "6");
  chartcontrol::ChartEvents* sink = chart_.sink();
  ASSERT_NE(sink, nullptr);
  for (const auto& [button, shift] : {std::pair{2, 1}, {2, 2}, {1, 0}, {4, 0}})  // Shift, Ctrl, left, middle
    sink->MouseDown(static_cast<int16_t>(button), static_cast<int16_t>(shift), 40, 40);
  ExpectLimits(5, 2, 10, 6, "5|2.000000|10.000000|6");
  sink->MouseDown(2, 0, 40, 40);
  ExpectLimits(0, 2, 10, 30, "0.0|2.000000|10.000000|30.000000");
}

TEST_F(PlotterDlgAxesTest, LimitsChangedShowsTheFirstFourValues) {
  double values[6] = {1.5, 2.5, 0.005, 12345.678, 77, 88};
  int32_t flag = 3;
  chart_.sink()->LimitsChanged(values, &flag);
  ExpectLimits(1.5, 2.5, 0.005, 12345.678, "1.500000|2.500000|5.0e-003|12345.678000");
  EXPECT_TRUE(values[4] == 77 && values[5] == 88 && flag == 3);
  ExpectHome(0, 1000, 0, 100);

  // What no number can say is shown readably; the edits then put 0, never NaN or an infinity.
  const double inf = std::numeric_limits<double>::infinity();
  double odd[6] = {std::numeric_limits<double>::quiet_NaN(), inf, -inf, 1e300, 0, 0};
  chart_.sink()->LimitsChanged(odd, &flag);
  ExpectLimits(0, 0, 0, 1e300, "nan|inf|-inf|1.0e+300");
}

TEST_F(PlotterDlgAxesTest, SwitchingLinLogKeepsTypedLimits) {
  SetText(IDC_X_MIN, "0.25");
  SetText(IDC_Y_MAX, "40");
  Click(IDC_X_LOGARITHMIC);
  Click(IDC_Y_LOGARITHMIC);
  for (chartcontrol::AxisId id : {kAxisX, kAxisY}) EXPECT_TRUE(Axis(id).logarithmic && Axis(id).labels.mode == 9);
  EXPECT_FALSE(Checked(IDC_X_LINEAR));
  Click(IDC_X_LINEAR);
  Click(IDC_Y_LINEAR);
  for (chartcontrol::AxisId id : {kAxisX, kAxisY}) EXPECT_TRUE(!Axis(id).logarithmic && Axis(id).labels.mode == 1);
  ExpectLimits(0.25, 1000, 0, 40, "0.25|1000|0|40");
}

TEST_F(PlotterDlgAxesTest, TheChartTakesTheAreaAboveTheBandAtOnceAndAfterResizing) {
  for (int grow = 0; grow <= 1; ++grow) {
    RECT window{}, client{}, chart{};
    GetWindowRect(hwnd_, &window);
    SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left + 120 * grow, window.bottom - window.top + 60 * grow,
                 SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(hwnd_, &client);
    GetWindowRect(chart_.window(), &chart);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&chart), 2);
    EXPECT_TRUE(chart.left == 0 && chart.top == 0 && chart.right == client.right) << grow;
    EXPECT_EQ(chart.bottom, client.bottom - 90) << grow;
  }
}

}  // namespace
