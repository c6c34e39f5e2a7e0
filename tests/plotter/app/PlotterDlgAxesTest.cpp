// The main window and its chart: set-up, limit edits, scaling to the data, the returns to the
// data range and the chart's events, checked on what the chart is told (a recording stand-in).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "FakeChart.h"
#include "plotter/app/PlotterDlg.h"
#include "plotter/framework/FileDialog.h"
#include "resources/zelvora_ids.h"

namespace {

using Lines = std::vector<std::string>;

const std::string kX = AxisPath("x");
const std::string kY = AxisPath("y");
const std::string kY2 = AxisPath("y2");

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
  // Types `text` into edit `id` over its whole content, one character at a time.
  void Type(int id, const std::string& text) {
    HWND edit = GetDlgItem(hwnd_, id);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (char c : text) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
  }
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
  void ExpectEdits(const char* xMin, const char* xMax, const char* yMin, const char* yMax) {
    EXPECT_EQ(ItemText(hwnd_, IDC_X_MIN), xMin);
    EXPECT_EQ(ItemText(hwnd_, IDC_X_MAX), xMax);
    EXPECT_EQ(ItemText(hwnd_, IDC_Y_MIN), yMin);
    EXPECT_EQ(ItemText(hwnd_, IDC_Y_MAX), yMax);
  }

  std::shared_ptr<FakeChartState> chart_ = std::make_shared<FakeChartState>();
  FakeChartFactory factory_{chart_};
  std::unique_ptr<plotter::CPlotterDlg> dialog_;
  HWND hwnd_ = nullptr;
};

TEST_F(PlotterDlgAxesTest, StartUpMakesTheChartAndSetsItUpInOrder) {
  Open();
  EXPECT_EQ(chart_->creations, 1);
  EXPECT_EQ(chart_->parent, hwnd_);
  EXPECT_EQ(chart_->id, 2);
  EXPECT_EQ(chart_->rect.left, 0);
  EXPECT_EQ(chart_->rect.top, 0);
  EXPECT_EQ(chart_->rect.right, 790);
  EXPECT_EQ(chart_->rect.bottom, 480);
  EXPECT_EQ(GetDlgItem(hwnd_, 2), chart_->window);

  const Lines puts = chart_->Puts();
  ASSERT_GT(puts.size(), 60u);
  EXPECT_EQ(puts.front(), "7 = FALSE");  // HoldLayout first
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(puts[8], "5.1 = i4:" + std::to_string(static_cast<int32_t>(face) - 328965));
  if (GetRValue(face) >= 5 && GetGValue(face) >= 5 && GetBValue(face) >= 5) {
    const COLORREF shaded = RGB(GetRValue(face) - 5, GetGValue(face) - 5, GetBValue(face) - 5);
    EXPECT_EQ(puts[8], "5.1 = i4:" + std::to_string(shaded));
  }

  // The look ends with the linear axes; then the four edits put the start limits again, y to
  // both y axes; then the grid lines start the series part.
  const auto look = std::find(puts.begin(), puts.end(), kY + ".15 = FALSE");
  ASSERT_NE(look, puts.end());
  const Lines limits(look + 1, look + 7);
  EXPECT_TRUE(
      SameLines(limits, {kX + ".5.1 = r8:0", kX + ".6.1 = r8:1000", kY + ".5.1 = r8:0",
                         kY2 + ".5.1 = r8:0", kY + ".6.1 = r8:100", kY2 + ".6.1 = r8:100"}));
  EXPECT_EQ(*(look + 7), kX + ".12.3.1 = i4:2");

  // The set-up ends with group 2's styles (its series 19 takes palette colour 10); the
  // start-up's linear scales follow.
  EXPECT_TRUE(SameLines(
      Lines(puts.end() - 5, puts.end()),
      {GroupPath(2) + ".5.5[i2:19].3.2 = i4:" + std::to_string(RGB(100, 200, 0)),
       kX + ".15 = FALSE", kX + ".29.7 = i2:1", kY + ".15 = FALSE", kY + ".29.7 = i2:1"}));

  ExpectEdits("0", "1000", "0", "100");
  ExpectLimits(dialog_->currentLimits(), 0, 1000, 0, 100);
  ExpectLimits(dialog_->homeLimits(), 0, 1000, 0, 100);
  EXPECT_EQ(chart_->liveObjects, 1);
  EXPECT_EQ(chart_->mostStrayAtPut, 0);

  // Closing releases the chart.
  DestroyWindow(hwnd_);
  dialog_.reset();
  EXPECT_EQ(chart_->liveObjects, 0);
  EXPECT_EQ(chart_->sink, nullptr);
}

TEST_F(PlotterDlgAxesTest, EveryEditChangeGoesToTheChartAtOnce) {
  Open();
  chart_->ClearLog();
  Type(IDC_X_MIN, "1e-3");
  // One put per keystroke: "1", "1e", "1e-" read as 1, then 0.001.
  EXPECT_TRUE(SameLines(chart_->TakePuts(), {kX + ".5.1 = r8:1", kX + ".5.1 = r8:1",
                                             kX + ".5.1 = r8:1", kX + ".5.1 = r8:0.001"}));
  EXPECT_EQ(dialog_->currentLimits().xMin, 0.001);

  SetText(IDC_X_MIN, "");
  EXPECT_TRUE(SameLines(chart_->TakePuts(), {kX + ".5.1 = r8:0"}));
  SetText(IDC_X_MIN, "abc");
  EXPECT_TRUE(SameLines(chart_->TakePuts(), {kX + ".5.1 = r8:0"}));
  SetText(IDC_X_MIN, "1e3");
  EXPECT_TRUE(SameLines(chart_->TakePuts(), {kX + ".5.1 = r8:1000"}));
  // No check of order or sign: a minimum above the maximum goes as typed.
  SetText(IDC_X_MAX, "-5");
  EXPECT_TRUE(SameLines(chart_->TakePuts(), {kX + ".6.1 = r8:-5"}));
  SetText(IDC_Y_MIN, "2.5");
  EXPECT_TRUE(SameLines(chart_->TakePuts(), {kY + ".5.1 = r8:2.5", kY2 + ".5.1 = r8:2.5"}));
  SetText(IDC_Y_MAX, "7e1");
  EXPECT_TRUE(SameLines(chart_->TakePuts(), {kY + ".6.1 = r8:70", kY2 + ".6.1 = r8:70"}));
  ExpectLimits(dialog_->currentLimits(), 1000, -5, 2.5, 70);
  // Text beyond the double range gives the largest double, never an infinity.
  SetText(IDC_Y_MAX, "1e999");
  EXPECT_TRUE(SameLines(chart_->TakePuts(), {kY + ".6.1 = r8:1.7976931348623157e+308",
                                             kY2 + ".6.1 = r8:1.7976931348623157e+308"}));
  // The home range is not touched by typing.
  ExpectLimits(dialog_->homeLimits(), 0, 1000, 0, 100);
}

TEST_F(PlotterDlgAxesTest, ScaleToDataPutsTheRangeThenTheShownValues) {
  Open();
  Load(WriteTempFile("tiny.flu", kTinyEdges));
  SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(IDC_X_LOGARITHMIC, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(hwnd_, IDC_X_LOGARITHMIC)));
  chart_->ClearLog();

  dialog_->ScaleToData(0);
  const std::string title = dialog_->spectrum().blocks[0].title;  // the file's first line
  ASSERT_EQ(title.compare(0, 10, "Tiny edges"), 0);
  EXPECT_TRUE(SameLines(chart_->Puts(), {
                                            "1.3.1 = \"" + title + "\"",
                                            kY + ".29.7 = i2:9",  // y range above 1000
                                            kX + ".5.1 = r8:0",   // 1e-120 counts as 0
                                            kY + ".5.1 = r8:0.00123456",
                                            kY2 + ".5.1 = r8:0.00123456",
                                            kX + ".6.1 = r8:7.5",  // the upper edge
                                            kY + ".6.1 = r8:12345.6789012",
                                            kY2 + ".6.1 = r8:12345.6789012",
                                            // the edits put what they show
                                            kX + ".5.1 = r8:0",
                                            kX + ".6.1 = r8:7.5",
                                            kY + ".5.1 = r8:0.0012",
                                            kY2 + ".5.1 = r8:0.0012",
                                            kY + ".6.1 = r8:12345.678901",
                                            kY2 + ".6.1 = r8:12345.678901",
                                            kX + ".12.2.1 = r8:0.1",  // X Log ticked
                                            kY + ".12.2.2 = TRUE",
                                        }));
  ExpectEdits("0.0", "7.500000", "1.2e-003", "12345.678901");
  ExpectLimits(dialog_->currentLimits(), 0.0, 7.5, 0.0012, 12345.678901);
  ExpectLimits(dialog_->homeLimits(), 0.0, 7.5, 0.0012, 12345.678901);
  EXPECT_FALSE(std::signbit(dialog_->currentLimits().xMin));
  EXPECT_EQ(chart_->liveObjects, 1);
}

TEST_F(PlotterDlgAxesTest, AChannelListAboveAThousandGetsLogarithmicLabels) {
  Open();
  Load(WriteTempFile("counts.dat", "0\n1000\n5000\n2500\n"));
  chart_->ClearLog();
  dialog_->ScaleToData(0);
  const Lines puts = chart_->Puts();
  ASSERT_GE(puts.size(), 2u);
  EXPECT_EQ(puts[0], "1.3.1 = \"\"");
  EXPECT_EQ(puts[1], kY + ".29.7 = i2:9");
  ExpectEdits("0.0", "3.000000", "0.0", "5000.000000");
  EXPECT_EQ(IsDlgButtonChecked(hwnd_, IDC_Y_LINEAR), BST_CHECKED);

  // A range of a thousand or less leaves the label mode alone.
  Load(WriteTempFile("few.dat", "0\n1000\n500\n"));
  chart_->ClearLog();
  dialog_->ScaleToData(0);
  for (const std::string& line : chart_->Puts())
    EXPECT_EQ(line.find(".29.7"), std::string::npos) << line;
}

TEST_F(PlotterDlgAxesTest, AnEmptyBlockKeepsTheRangeShownBefore) {
  Open();
  Load(WriteTempFile("counts2.dat", "3\n9\n5\n"));
  dialog_->ScaleToData(0);
  ExpectLimits(dialog_->homeLimits(), 0, 2, 3, 9);
  chart_->ClearLog();

  dialog_->ScaleToData(7);  // a block without values
  for (const std::string& line : chart_->Puts())
    EXPECT_EQ(line.find("e+99"), std::string::npos) << line;
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
  chart_->ClearLog();

  ClickCaption(IDC_X_CAPTION);
  EXPECT_TRUE(SameLines(chart_->TakePuts(), {kX + ".5.1 = r8:0", kX + ".6.1 = r8:2",
                                             kX + ".5.1 = r8:0", kX + ".6.1 = r8:2"}));
  ExpectEdits("0.0", "2.000000", "12", "13");
  ExpectLimits(dialog_->currentLimits(), 0, 2, 12, 13);

  ClickCaption(IDC_Y_CAPTION);
  EXPECT_TRUE(SameLines(
      chart_->TakePuts(),
      {kY + ".5.1 = r8:10", kY2 + ".5.1 = r8:10", kY + ".6.1 = r8:30", kY2 + ".6.1 = r8:30",
       kY + ".5.1 = r8:10", kY2 + ".5.1 = r8:10", kY + ".6.1 = r8:30", kY2 + ".6.1 = r8:30"}));
  ExpectEdits("0.0", "2.000000", "10.000000", "30.000000");
  ExpectLimits(dialog_->currentLimits(), 0, 2, 10, 30);
}

TEST_F(PlotterDlgAxesTest, RightClickWithoutShiftReturnsBothAxes) {
  Open();
  SetText(IDC_X_MIN, "5");
  SetText(IDC_Y_MAX, "6");
  ASSERT_NE(chart_->sink, nullptr);
  chart_->ClearLog();

  chart_->sink->MouseDown(2, 1, 40, 40);  // Shift held
  chart_->sink->MouseDown(2, 2, 40, 40);  // Ctrl held
  chart_->sink->MouseDown(1, 0, 40, 40);  // left button
  chart_->sink->MouseDown(4, 0, 40, 40);  // middle button
  EXPECT_TRUE(chart_->Puts().empty());
  ExpectEdits("5", "1000", "0", "6");

  chart_->sink->MouseDown(2, 0, 40, 40);
  const Lines puts = chart_->TakePuts();
  ASSERT_EQ(puts.size(), 12u);
  EXPECT_EQ(puts[0], kX + ".5.1 = r8:0");  // x first
  EXPECT_EQ(puts[4], kY + ".5.1 = r8:0");
  ExpectEdits("0.0", "1000.000000", "0.0", "100.000000");
  ExpectLimits(dialog_->currentLimits(), 0, 1000, 0, 100);
}

TEST_F(PlotterDlgAxesTest, LimitsChangedShowsTheFirstFourValues) {
  Open();
  chart_->ClearLog();
  double values[6] = {1.5, 2.5, 0.005, 12345.678, 77, 88};
  int32_t flag = 3;
  chart_->sink->LimitsChanged(values, &flag);
  ExpectEdits("1.500000", "2.500000", "5.0e-003", "12345.678000");
  ExpectLimits(dialog_->currentLimits(), 1.5, 2.5, 0.005, 12345.678);
  EXPECT_TRUE(SameLines(
      chart_->TakePuts(),
      {kX + ".5.1 = r8:1.5", kX + ".6.1 = r8:2.5", kY + ".5.1 = r8:0.005", kY2 + ".5.1 = r8:0.005",
       kY + ".6.1 = r8:12345.678", kY2 + ".6.1 = r8:12345.678"}));
  EXPECT_EQ(values[4], 77);
  EXPECT_EQ(values[5], 88);
  EXPECT_EQ(flag, 3);
  ExpectLimits(dialog_->homeLimits(), 0, 1000, 0, 100);

  // What no number can say is shown readably; the edits then put 0, never NaN or an infinity.
  const double inf = std::numeric_limits<double>::infinity();
  double odd[6] = {std::numeric_limits<double>::quiet_NaN(), inf, -inf, 1e300, 0, 0};
  chart_->sink->LimitsChanged(odd, &flag);
  ExpectEdits("nan", "inf", "-inf", "1.0e+300");
  ExpectLimits(dialog_->currentLimits(), 0, 0, 0, 1e300);
  for (const std::string& line : chart_->Puts()) {
    EXPECT_EQ(line.find("nan"), std::string::npos) << line;
    EXPECT_EQ(line.find("inf"), std::string::npos) << line;
  }
}

TEST_F(PlotterDlgAxesTest, SwitchingLinLogKeepsTypedLimits) {
  Open();
  SetText(IDC_X_MIN, "0.25");
  SetText(IDC_Y_MAX, "40");
  chart_->ClearLog();
  const auto click = [this](int id) {
    SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hwnd_, id)));
  };
  click(IDC_X_LOGARITHMIC);
  click(IDC_Y_LOGARITHMIC);
  EXPECT_TRUE(SameLines(chart_->TakePuts(), {kX + ".15 = TRUE", kX + ".29.7 = i2:9",
                                             kY + ".15 = TRUE", kY + ".29.7 = i2:9"}));
  EXPECT_EQ(IsDlgButtonChecked(hwnd_, IDC_X_LINEAR), BST_UNCHECKED);
  click(IDC_X_LINEAR);
  click(IDC_Y_LINEAR);
  EXPECT_TRUE(SameLines(chart_->TakePuts(), {kX + ".15 = FALSE", kX + ".29.7 = i2:1",
                                             kY + ".15 = FALSE", kY + ".29.7 = i2:1"}));
  ExpectEdits("0.25", "1000", "0", "40");
  ExpectLimits(dialog_->currentLimits(), 0.25, 1000, 0, 40);
}

TEST_F(PlotterDlgAxesTest, ResizingGivesTheChartTheAreaAboveTheBand) {
  Open();
  // Made at its start place, the chart takes the area above the band at once.
  RECT start{};
  GetClientRect(hwnd_, &start);
  RECT chart{};
  GetWindowRect(chart_->window, &chart);
  EXPECT_EQ(chart.right - chart.left, start.right);
  EXPECT_EQ(chart.bottom - chart.top, start.bottom - 90);

  RECT window{};
  GetWindowRect(hwnd_, &window);
  SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left + 120,
               window.bottom - window.top + 60, SWP_NOMOVE | SWP_NOZORDER);
  RECT client{};
  GetClientRect(hwnd_, &client);
  GetWindowRect(chart_->window, &chart);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&chart), 2);
  EXPECT_EQ(chart.left, 0);
  EXPECT_EQ(chart.top, 0);
  EXPECT_EQ(chart.right, client.right);
  EXPECT_EQ(chart.bottom, client.bottom - 90);
}

}  // namespace
