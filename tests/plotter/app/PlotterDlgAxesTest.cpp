// The main window and its chart: set-up, limit edits, scaling to the data, the returns to the
// data range and the chart's events, checked on the model of the real chart component.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "plotter/app/PlotterDlg.h"
#include "plotter/framework/FileDialog.h"
#include "resources/zelvora_ids.h"
#include "tests/plotter/chart/LinkedChart.h"

namespace {

using chart::AxisLimits;
using chartcontrol::kAxisX;
using chartcontrol::kAxisY;
using chartcontrol::kAxisY2;

std::string WriteTempFile(const std::string& name, const std::string& text) {
  char folder[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, folder);
  const std::string path = std::string(folder) + "zelvora-axes-tests-" + name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

std::string ItemText(HWND dialog, int id) {
  char text[512] = "";
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

// Three bins from 1e-120 to the upper edge 7.5.
const char kTinyEdges[] =
    "Tiny edges\n"
    "1 0 0\n"
    "1 0 3 7.5\n"
    "1e-120 0.00123456 0\n"
    "1.0 12345.6789012 0\n"
    "2.0 0.5 0\n"
    "7.5 0.75 0\n";

class PlotterDlgAxesTest : public testing::Test {
 protected:
  void Open() {
    dialog_ = std::make_unique<plotter::CPlotterDlg>();
    hwnd_ = dialog_->Create();
    ASSERT_NE(hwnd_, nullptr);
  }
  void TearDown() override {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  }
  // Loads `path` as a main file, answering the open dialog with it.
  void Load(const std::string& path) {
    framework::SetFileDialogAnswerer([path](framework::FileDialogRequest& request) {
      request.chosenPath = path;
      return true;
    });
    SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(IDC_LOAD_SPECTRUM, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hwnd_, IDC_LOAD_SPECTRUM)));
    framework::SetFileDialogAnswerer(nullptr);
  }
  void SetText(int id, const char* text) { SetDlgItemTextA(hwnd_, id, text); }
  void ClickCaption(int id) {
    HWND caption = GetDlgItem(hwnd_, id);
    SendMessageA(caption, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(caption, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  }
  void ExpectLimits(const AxisLimits& limits, double xMin, double xMax, double yMin, double yMax) {
    EXPECT_EQ(limits.xMin, xMin);
    EXPECT_EQ(limits.xMax, xMax);
    EXPECT_EQ(limits.yMin, yMin);
    EXPECT_EQ(limits.yMax, yMax);
  }
  // What the chart holds: y2 always follows y.
  void ExpectChartLimits(double xMin, double xMax, double yMin, double yMax) {
    EXPECT_EQ(Axis(kAxisX).minLimit, xMin);
    EXPECT_EQ(Axis(kAxisX).maxLimit, xMax);
    for (chartcontrol::AxisId y : {kAxisY, kAxisY2}) {
      EXPECT_EQ(Axis(y).minLimit, yMin) << y;
      EXPECT_EQ(Axis(y).maxLimit, yMax) << y;
    }
  }
  const chartcontrol::Axis& Axis(chartcontrol::AxisId id) const { return chart_.axis(id); }
  void Click(int id) {
    SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hwnd_, id)));
  }
  void ExpectEdits(const char* xMin, const char* xMax, const char* yMin, const char* yMax) {
    EXPECT_EQ(ItemText(hwnd_, IDC_X_MIN), xMin);
    EXPECT_EQ(ItemText(hwnd_, IDC_X_MAX), xMax);
    EXPECT_EQ(ItemText(hwnd_, IDC_Y_MIN), yMin);
    EXPECT_EQ(ItemText(hwnd_, IDC_Y_MAX), yMax);
  }

  LinkedChart chart_;
  std::unique_ptr<plotter::CPlotterDlg> dialog_;
  HWND hwnd_ = nullptr;
};

TEST_F(PlotterDlgAxesTest, StartUpMakesTheChartSetsItUpAndPutsTheEditsStartLimits) {
  Open();
  EXPECT_EQ(chart_.creations, 1);
  EXPECT_EQ(chart_.parent, hwnd_);
  EXPECT_EQ(chart_.id, 2);
  EXPECT_EQ(chart_.rect.left, 0);
  EXPECT_EQ(chart_.rect.top, 0);
  EXPECT_EQ(chart_.rect.right, 790);
  EXPECT_EQ(chart_.rect.bottom, 480);
  ASSERT_TRUE(chart_.made());
  EXPECT_EQ(GetDlgItem(hwnd_, 2), chart_.window());

  // The set-up reached the chart (its whole content is checked with the set-up itself), with
  // the system's button face for the outer colour; the edits put the start limits again, y to
  // "y2" as well; the axes are linear.
  EXPECT_EQ(chart_.model().title.text, " Zelvora ");
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(chart_.model().outerColours.back, static_cast<COLORREF>(static_cast<int32_t>(face) - 328965) & 0xFFFFFF);
  ExpectChartLimits(0, 1000, 0, 100);
  for (chartcontrol::AxisId id : {kAxisX, kAxisY}) {
    EXPECT_FALSE(Axis(id).logarithmic);
    EXPECT_EQ(Axis(id).labels.mode, 1);
  }
  EXPECT_FALSE(Axis(kAxisY2).shown);

  ExpectEdits("0", "1000", "0", "100");
  ExpectLimits(dialog_->currentLimits(), 0, 1000, 0, 100);
  ExpectLimits(dialog_->homeLimits(), 0, 1000, 0, 100);
  EXPECT_EQ(chart_.references(), 2);  // the wrapper's and the window's: nothing else held

  // Closing releases the chart.
  DestroyWindow(hwnd_);
  dialog_.reset();
  EXPECT_EQ(chart_.references(), 0);
  EXPECT_EQ(chart_.sink(), nullptr);
}

TEST_F(PlotterDlgAxesTest, EveryEditChangeGoesToTheChartAtOnce) {
  Open();
  // One put per keystroke: "1", "1e", "1e-" read as 1, then 0.001.
  HWND edit = GetDlgItem(hwnd_, IDC_X_MIN);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  const double afterKey[] = {1, 1, 1, 0.001};
  for (int i = 0; i < 4; ++i) {
    SendMessageA(edit, WM_CHAR, static_cast<unsigned char>("1e-3"[i]), 0);
    EXPECT_EQ(Axis(kAxisX).minLimit, afterKey[i]) << i;
  }
  EXPECT_EQ(dialog_->currentLimits().xMin, 0.001);

  SetText(IDC_X_MIN, "");
  EXPECT_EQ(Axis(kAxisX).minLimit, 0);
  SetText(IDC_X_MIN, "7");
  SetText(IDC_X_MIN, "abc");
  EXPECT_EQ(Axis(kAxisX).minLimit, 0);
  SetText(IDC_X_MIN, "1e3");
  // No check of order or sign: a minimum above the maximum goes as typed.
  SetText(IDC_X_MAX, "-5");
  SetText(IDC_Y_MIN, "2.5");
  SetText(IDC_Y_MAX, "7e1");
  ExpectChartLimits(1000, -5, 2.5, 70);
  ExpectLimits(dialog_->currentLimits(), 1000, -5, 2.5, 70);
  // Text beyond the double range gives the largest double, never an infinity.
  SetText(IDC_Y_MAX, "1e999");
  EXPECT_EQ(Axis(kAxisY).maxLimit, std::numeric_limits<double>::max());
  EXPECT_EQ(Axis(kAxisY2).maxLimit, std::numeric_limits<double>::max());
  // The home range is not touched by typing.
  ExpectLimits(dialog_->homeLimits(), 0, 1000, 0, 100);
}

TEST_F(PlotterDlgAxesTest, ScaleToDataEndsWithTheShownValuesOnTheChart) {
  Open();
  Load(WriteTempFile("tiny.flu", kTinyEdges));
  Click(IDC_X_LOGARITHMIC);

  dialog_->ScaleToData(0);
  const std::string title = dialog_->spectrum().blocks[0].title;  // the file's first line
  ASSERT_EQ(title, "Tiny edges\n");
  EXPECT_EQ(chart_.model().title.text, "Tiny edges");  // without the line end
  EXPECT_EQ(Axis(kAxisY).labels.mode, 9);  // y range above 1000
  // 1e-120 counts as 0, the upper edge 7.5 is taken in; the chart keeps what the edits show.
  ExpectChartLimits(0, 7.5, 0.0012, 12345.678901);
  EXPECT_FALSE(std::signbit(Axis(kAxisX).minLimit));
  EXPECT_EQ(Axis(kAxisX).grid.spacing, 0.1);  // X Log ticked
  EXPECT_FALSE(Axis(kAxisX).grid.automatic);
  EXPECT_TRUE(Axis(kAxisY).grid.automatic);
  ExpectEdits("0.0", "7.500000", "1.2e-003", "12345.678901");
  ExpectLimits(dialog_->currentLimits(), 0.0, 7.5, 0.0012, 12345.678901);
  ExpectLimits(dialog_->homeLimits(), 0.0, 7.5, 0.0012, 12345.678901);
  EXPECT_FALSE(std::signbit(dialog_->currentLimits().xMin));
  EXPECT_EQ(chart_.references(), 2);
}

TEST_F(PlotterDlgAxesTest, AChannelListAboveAThousandGetsLogarithmicLabels) {
  Open();
  Load(WriteTempFile("counts.dat", "0\n1000\n5000\n2500\n"));
  dialog_->ScaleToData(0);
  EXPECT_EQ(chart_.model().title.text, "");
  EXPECT_EQ(Axis(kAxisY).labels.mode, 9);
  EXPECT_FALSE(Axis(kAxisY).logarithmic);
  ExpectEdits("0.0", "3.000000", "0.0", "5000.000000");
  EXPECT_EQ(IsDlgButtonChecked(hwnd_, IDC_Y_LINEAR), BST_CHECKED);

  // A range of a thousand or less leaves the label mode alone.
  Load(WriteTempFile("few.dat", "0\n1000\n500\n"));
  chart_.model().graph.axes[kAxisY].labels.mode = 5;
  dialog_->ScaleToData(0);
  EXPECT_EQ(Axis(kAxisY).labels.mode, 5);
}

TEST_F(PlotterDlgAxesTest, AnEmptyBlockKeepsTheRangeShownBefore) {
  Open();
  Load(WriteTempFile("counts2.dat", "3\n9\n5\n"));
  dialog_->ScaleToData(0);
  ExpectLimits(dialog_->homeLimits(), 0, 2, 3, 9);

  dialog_->ScaleToData(7);  // a block without values
  ExpectChartLimits(0, 2, 3, 9);
  ExpectLimits(dialog_->currentLimits(), 0, 2, 3, 9);
  ExpectLimits(dialog_->homeLimits(), 0, 2, 3, 9);
  ExpectEdits("0.0", "2.000000", "3.000000", "9.000000");
}

TEST_F(PlotterDlgAxesTest, CaptionClicksReturnTheirAxisToTheDataRange) {
  Open();
  Load(WriteTempFile("range.dat", "10\n20\n30\n"));
  dialog_->ScaleToData(0);
  SetText(IDC_X_MIN, "0.5");
  SetText(IDC_X_MAX, "1.5");
  SetText(IDC_Y_MIN, "12");
  SetText(IDC_Y_MAX, "13");

  ClickCaption(IDC_X_CAPTION);
  ExpectChartLimits(0, 2, 12, 13);
  ExpectEdits("0.0", "2.000000", "12", "13");
  ExpectLimits(dialog_->currentLimits(), 0, 2, 12, 13);

  ClickCaption(IDC_Y_CAPTION);
  ExpectChartLimits(0, 2, 10, 30);
  ExpectEdits("0.0", "2.000000", "10.000000", "30.000000");
  ExpectLimits(dialog_->currentLimits(), 0, 2, 10, 30);
}

TEST_F(PlotterDlgAxesTest, RightClickWithoutShiftReturnsBothAxes) {
  Open();
  SetText(IDC_X_MIN, "5");
  SetText(IDC_Y_MAX, "6");
  chartcontrol::ChartEvents* sink = chart_.sink();
  ASSERT_NE(sink, nullptr);

  sink->MouseDown(2, 1, 40, 40);  // Shift held
  sink->MouseDown(2, 2, 40, 40);  // Ctrl held
  sink->MouseDown(1, 0, 40, 40);  // left button
  sink->MouseDown(4, 0, 40, 40);  // middle button
  ExpectChartLimits(5, 1000, 0, 6);
  ExpectEdits("5", "1000", "0", "6");

  sink->MouseDown(2, 0, 40, 40);
  ExpectChartLimits(0, 1000, 0, 100);
  ExpectEdits("0.0", "1000.000000", "0.0", "100.000000");
  ExpectLimits(dialog_->currentLimits(), 0, 1000, 0, 100);
}

TEST_F(PlotterDlgAxesTest, LimitsChangedShowsTheFirstFourValues) {
  Open();
  double values[6] = {1.5, 2.5, 0.005, 12345.678, 77, 88};
  int32_t flag = 3;
  chart_.sink()->LimitsChanged(values, &flag);
  ExpectEdits("1.500000", "2.500000", "5.0e-003", "12345.678000");
  ExpectLimits(dialog_->currentLimits(), 1.5, 2.5, 0.005, 12345.678);
  ExpectChartLimits(1.5, 2.5, 0.005, 12345.678);
  EXPECT_EQ(values[4], 77);
  EXPECT_EQ(values[5], 88);
  EXPECT_EQ(flag, 3);
  ExpectLimits(dialog_->homeLimits(), 0, 1000, 0, 100);

  // What no number can say is shown readably; the edits then put 0, never NaN or an infinity.
  const double inf = std::numeric_limits<double>::infinity();
  double odd[6] = {std::numeric_limits<double>::quiet_NaN(), inf, -inf, 1e300, 0, 0};
  chart_.sink()->LimitsChanged(odd, &flag);
  ExpectEdits("nan", "inf", "-inf", "1.0e+300");
  ExpectLimits(dialog_->currentLimits(), 0, 0, 0, 1e300);
  ExpectChartLimits(0, 0, 0, 1e300);
}

TEST_F(PlotterDlgAxesTest, SwitchingLinLogKeepsTypedLimits) {
  Open();
  SetText(IDC_X_MIN, "0.25");
  SetText(IDC_Y_MAX, "40");
  Click(IDC_X_LOGARITHMIC);
  Click(IDC_Y_LOGARITHMIC);
  for (chartcontrol::AxisId id : {kAxisX, kAxisY}) {
    EXPECT_TRUE(Axis(id).logarithmic);
    EXPECT_EQ(Axis(id).labels.mode, 9);
  }
  EXPECT_EQ(IsDlgButtonChecked(hwnd_, IDC_X_LINEAR), BST_UNCHECKED);
  Click(IDC_X_LINEAR);
  Click(IDC_Y_LINEAR);
  for (chartcontrol::AxisId id : {kAxisX, kAxisY}) {
    EXPECT_FALSE(Axis(id).logarithmic);
    EXPECT_EQ(Axis(id).labels.mode, 1);
  }
  ExpectChartLimits(0.25, 1000, 0, 40);
  ExpectEdits("0.25", "1000", "0", "40");
  ExpectLimits(dialog_->currentLimits(), 0.25, 1000, 0, 40);
}

TEST_F(PlotterDlgAxesTest, ResizingGivesTheChartTheAreaAboveTheBand) {
  Open();
  // Made at its start place, the chart takes the area above the band at once.
  RECT start{};
  GetClientRect(hwnd_, &start);
  RECT chart{};
  GetWindowRect(chart_.window(), &chart);
  EXPECT_EQ(chart.right - chart.left, start.right);
  EXPECT_EQ(chart.bottom - chart.top, start.bottom - 90);

  RECT window{};
  GetWindowRect(hwnd_, &window);
  SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left + 120,
               window.bottom - window.top + 60, SWP_NOMOVE | SWP_NOZORDER);
  RECT client{};
  GetClientRect(hwnd_, &client);
  GetWindowRect(chart_.window(), &chart);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&chart), 2);
  EXPECT_EQ(chart.left, 0);
  EXPECT_EQ(chart.top, 0);
  EXPECT_EQ(chart.right, client.right);
  EXPECT_EQ(chart.bottom, client.bottom - 90);
}

}  // namespace
