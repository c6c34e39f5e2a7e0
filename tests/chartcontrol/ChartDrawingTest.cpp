// What the chart draws, configured as Zelvora does, checked by the pixels of its picture.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "tests/chartcontrol/ChartTestHost.h"

namespace chartcontrol {
namespace {

constexpr COLORREF kGraph = RGB(250, 250, 215);  // a plot background no line or text uses
constexpr COLORREF kBlue = RGB(0, 0, 220);       // palette 1
constexpr COLORREF kRed = RGB(220, 0, 0);        // palette 2
constexpr COLORREF kGreen = RGB(0, 120, 0);      // palette 3

// Where values land in the plot rectangle: fractions of the axes to pixel columns and rows.
struct Plot {
  RECT r;
  int Column(double f) const { return r.left + static_cast<int>(std::lround(f * (r.right - r.left - 1))); }
  int Row(double f) const { return r.bottom - 1 - static_cast<int>(std::lround(f * (r.bottom - r.top - 1))); }
};

class ChartDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(host_.chart(), nullptr);
    chart_ = host_.chart();
    host_.GivePlotLook();
    ASSERT_TRUE(PutAt(chart_, {kGraphArea, kGraphAreaColours}, kColoursBack, I4(kGraph)));
    PumpMessages();
    plot_.r = Picture::Printed(host_.hwnd()).BoundsOf(kGraph);
    ASSERT_GT(plot_.r.right - plot_.r.left, 500);
    ASSERT_GT(plot_.r.bottom - plot_.r.top, 300);
  }

  // The plotter's step form: bin j of `values` from edges[j] to edges[j+1], X into series 1.
  void WriteSteps(int16_t group, int32_t series, const std::vector<double>& edges,
                  const std::vector<double>& values) {
    ObjectRef data = DataOf(chart_, group);
    for (size_t j = 0; j < values.size(); ++j) {
      const int32_t k = static_cast<int32_t>(2 * j + 1);
      Put(data.get(), kXValue, R8(edges[j]), {I4(1), I4(k)});
      Put(data.get(), kXValue, R8(edges[j + 1]), {I4(1), I4(k + 1)});
      Put(data.get(), kYValue, R8(values[j]), {I4(series), I4(k)});
      Put(data.get(), kYValue, R8(values[j]), {I4(series), I4(k + 1)});
    }
  }
  void Counts(int16_t group, int32_t series, int32_t points) {
    ObjectRef data = DataOf(chart_, group);
    Put(data.get(), kLayoutCode, I4(1));
    Put(data.get(), kSeriesCount, I4(series));
    Put(data.get(), kPointCount, I4(points), {I4(1)});
  }
  void Limits(double x0, double x1, double y0, double y1) {
    PutAt(AxisOf(chart_, "x").get(), {kAxisMinLimit}, kLimitValue, R8(x0));
    PutAt(AxisOf(chart_, "x").get(), {kAxisMaxLimit}, kLimitValue, R8(x1));
    PutAt(AxisOf(chart_, "y").get(), {kAxisMinLimit}, kLimitValue, R8(y0));
    PutAt(AxisOf(chart_, "y").get(), {kAxisMaxLimit}, kLimitValue, R8(y1));
  }
  Picture Printed() const { return Picture::Printed(host_.hwnd()); }
  // The columns of `colour` within one pixel of `row`, between columns `from` and `to`.
  int RunAlong(const Picture& p, COLORREF colour, int row, int from, int to) const {
    return p.Count(colour, RECT{from, row - 1, to, row + 2});
  }

  TestChart host_;
  ChartControl* chart_ = nullptr;
  Plot plot_;
};

TEST_F(ChartDrawingTest, StartUpShowsAnEmptyGraphWithItsTitleAndNoLineForTheLonePoint) {
  const Picture p = Printed();
  EXPECT_EQ(p.Count(kBlue), 0);  // YValue(1, 1) = 0 without an X value: nothing
  EXPECT_EQ(p.Count(kRed), 0);
  EXPECT_GT(p.Count(RGB(100, 20, 20), RECT{0, 0, p.width(), plot_.r.top}, 60), 20);  // " Zelvora "
  // The outer area keeps its colour around the graph; the y2 axis (hidden) leaves no labels.
  const COLORREF outer = GetSysColor(COLOR_BTNFACE) - 328965;
  EXPECT_EQ(p.At(p.width() - 6, p.height() / 2), outer);
  EXPECT_EQ(p.Count(RGB(50, 50, 50), RECT{plot_.r.right + 2, 4, p.width() - 4, plot_.r.bottom}, 40), 0);
}

TEST_F(ChartDrawingTest, NoteBoxAndSecondYAxisShowOnlyWhenTheyHaveSomethingToShow) {
  const COLORREF note = RGB(0, 0, 130);
  EXPECT_EQ(Printed().Count(note, 60), 0);  // " ": nothing
  ASSERT_TRUE(PutAt(chart_, {kNoteBox, kTextBoxText}, kTextContent, Str("Run 12")));
  const Picture p = Printed();
  EXPECT_GT(p.Count(note, RECT{0, 450, 120, 500}, 60), 10);  // at Place (2, 450)
  EXPECT_EQ(p.Count(note, RECT{0, 0, p.width(), 450}, 60), 0);
  // The y2 axis, shown, labels its own range on the right of the plot.
  ASSERT_TRUE(Put(AxisOf(chart_, "y2").get(), kAxisShown, Flag(true)));
  const Picture q = Printed();
  const RECT plot = q.BoundsOf(kGraph);
  EXPECT_LT(plot.right, plot_.r.right);
  EXPECT_GT(q.Count(RGB(50, 50, 50), RECT{plot.right + 4, plot.top, q.width() - 4, plot.bottom}, 40), 30);
}

TEST_F(ChartDrawingTest, StepSeriesFollowTheirValuesAndUnwrittenSlotsStayEmpty) {
  Counts(1, 2, 6);
  ASSERT_TRUE(Put(chart_, kHoldRedraw, Flag(true)));
  WriteSteps(1, 1, {100, 200, 300, 400}, {20, 60, 40});
  // Series 2: only its first step; its later slots stay unwritten.
  ObjectRef data = DataOf(chart_, 1);
  Put(data.get(), kYValue, R8(10), {I4(2), I4(1)});
  Put(data.get(), kYValue, R8(10), {I4(2), I4(2)});
  ASSERT_TRUE(Put(chart_, kHoldRedraw, Flag(false)));
  const Picture p = Printed();
  const int x100 = plot_.Column(0.1), x200 = plot_.Column(0.2), x300 = plot_.Column(0.3), x400 = plot_.Column(0.4);
  EXPECT_GE(RunAlong(p, kBlue, plot_.Row(0.2), x100 + 2, x200 - 2), x200 - x100 - 4);
  EXPECT_GE(RunAlong(p, kBlue, plot_.Row(0.6), x200 + 2, x300 - 2), x300 - x200 - 4);
  EXPECT_GE(RunAlong(p, kBlue, plot_.Row(0.4), x300 + 2, x400 - 2), x400 - x300 - 4);
  // The rise at 200 from 20 to 60 is a vertical line.
  EXPECT_GE(p.Count(kBlue, RECT{x200 - 1, plot_.Row(0.58), x200 + 2, plot_.Row(0.22)}), plot_.Row(0.22) - plot_.Row(0.58));
  EXPECT_EQ(p.Count(kBlue, RECT{plot_.r.left, plot_.r.top, x100 - 2, plot_.r.bottom}), 0);
  EXPECT_EQ(p.Count(kBlue, RECT{x400 + 2, plot_.r.top, plot_.r.right, plot_.r.bottom}), 0);
  // Series 2 draws its one step and no line down to zero after it.
  EXPECT_GE(RunAlong(p, kRed, plot_.Row(0.1), x100 + 2, x200 - 2), x200 - x100 - 4);
  EXPECT_EQ(p.Count(kRed, RECT{x200 + 2, plot_.r.top, plot_.r.right, plot_.r.bottom}), 0);
  EXPECT_EQ(p.Count(kRed, RECT{plot_.r.left, plot_.Row(0.1) + 3, plot_.r.right, plot_.r.bottom}), 0);
}

TEST_F(ChartDrawingTest, WhatTheWindowShowsIsThePictureOfTheModel) {
  Counts(1, 1, 4);
  WriteSteps(1, 1, {0, 500, 1000}, {30, 70});
  const Picture screen = Picture::OnScreen(host_.hwnd());
  EXPECT_TRUE(screen == Printed());
  EXPECT_GT(screen.Count(kBlue), 500);
  // After a resize the picture is made for the new size.
  SetWindowPos(host_.hwnd(), nullptr, 0, 0, 600, 400, SWP_NOZORDER | SWP_NOMOVE);
  const Picture smaller = Picture::OnScreen(host_.hwnd());
  EXPECT_EQ(smaller.width(), 600);
  EXPECT_TRUE(smaller == Printed());
  // Sizes with no room for a plot still paint.
  for (int side : {40, 3, 0}) {
    SetWindowPos(host_.hwnd(), nullptr, 0, 0, side, side, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(Picture::OnScreen(host_.hwnd()).width(), side);
    EXPECT_EQ(Picture::Printed(host_.hwnd()).height(), side);
  }
}

TEST_F(ChartDrawingTest, StylesChooseLinesOrPointsAndTheirWidth) {
  Counts(1, 2, 4);
  ObjectRef data = DataOf(chart_, 1);
  const double xs[] = {100, 300, 500, 700};
  for (int i = 0; i < 4; ++i) {
    Put(data.get(), kXValue, R8(xs[i]), {I4(1), I4(i + 1)});
    Put(data.get(), kYValue, R8(30), {I4(1), I4(i + 1)});
    Put(data.get(), kYValue, R8(70), {I4(2), I4(i + 1)});
  }
  PutAt(StyleOf(chart_, 1, 1).get(), {kStyleStroke}, kStrokeKind, I4(1));  // no stroke
  PutAt(StyleOf(chart_, 1, 1).get(), {kStyleMarker}, kMarkerKind, I4(2));  // small points
  PutAt(StyleOf(chart_, 1, 2).get(), {kStyleStroke}, kStrokeWidth, I4(3));  // a line 3 pixels wide
  Put(Walk(chart_, {kLegendBox}).get(), kLegendShown, Flag(false));
  const Picture p = Printed();
  const int row30 = plot_.Row(0.3), row70 = plot_.Row(0.7);
  for (double x : xs) EXPECT_GT(p.Count(kBlue, RECT{plot_.Column(x / 1000) - 2, row30 - 2, plot_.Column(x / 1000) + 3, row30 + 3}), 4);
  EXPECT_EQ(p.Count(kBlue, RECT{plot_.Column(0.15), row30 - 3, plot_.Column(0.25), row30 + 4}), 0);
  const int middle = plot_.Column(0.4);
  EXPECT_EQ(p.Count(kRed, RECT{middle, row70 - 4, middle + 1, row70 + 5}), 3);
}

TEST_F(ChartDrawingTest, LogAxesPlaceDecadesEvenlyAndSkipNonPositiveValues) {
  Limits(1, 1e4, 0, 100);
  Put(AxisOf(chart_, "x").get(), kAxisLogScale, Flag(true));
  PutAt(AxisOf(chart_, "x").get(), {kAxisTickLabels}, kLabelMode, I2(9));
  Counts(1, 1, 4);
  WriteSteps(1, 1, {0, 10, 100}, {50, 80});  // the first step starts at 0: not on a log axis
  const Picture p = Printed();
  const int x10 = plot_.Column(0.25), x100 = plot_.Column(0.5);
  EXPECT_GE(RunAlong(p, kBlue, plot_.Row(0.8), x10 + 2, x100 - 2), x100 - x10 - 4);
  EXPECT_EQ(p.Count(kBlue, RECT{plot_.r.left, plot_.r.top, x10 - 2, plot_.r.bottom}), 0);
  EXPECT_EQ(p.Count(kBlue, RECT{x100 + 2, plot_.r.top, plot_.r.right, plot_.r.bottom}), 0);
  // Minimum 0 on a log axis: the axis starts at the smallest positive data value.
  PutAt(AxisOf(chart_, "x").get(), {kAxisMinLimit}, kLimitValue, R8(0.0));
  const Picture q = Printed();
  const Plot plot{q.BoundsOf(kGraph)};
  EXPECT_GE(RunAlong(q, kBlue, plot.Row(0.8), plot.r.left + 2, plot.r.left + 40), 36);
}

TEST_F(ChartDrawingTest, BandsFillLightlyBehindLinesUnlessTheirLayerIsHigher) {
  const COLORREF band = RGB(0, 160, 0);
  PutAt(StyleOf(chart_, 2, 1).get(), {kStyleFill, kFillColours}, kColoursFore, I4(band));
  Counts(1, 1, 2);
  WriteSteps(1, 1, {200, 800}, {30});
  Counts(2, 2, 3);
  ObjectRef data = DataOf(chart_, 2);
  const double xs[] = {200, 500, 800};
  for (int i = 0; i < 3; ++i) {
    Put(data.get(), kXValue, R8(xs[i]), {I4(1), I4(i + 1)});
    Put(data.get(), kYValue, R8(i == 1 ? 10 : 15), {I4(1), I4(i + 1)});  // lower edge
    Put(data.get(), kYValue, R8(45), {I4(2), I4(i + 1)});                 // upper edge
  }
  for (bool onScreen : {false, true}) {
    SCOPED_TRACE(onScreen ? "on screen" : "printed");
    const Picture p = onScreen ? Picture::OnScreen(host_.hwnd()) : Printed();
    // A quarter of the band's colour over the plot background, between its edges only (the
    // points looked at keep clear of the grid lines, every 100 across and 10 up).
    auto blend = [](int c, int under) { return c * 64 / 255 + under * (255 - 64) / 255; };
    const COLORREF light = RGB(blend(0, 250), blend(160, 250), blend(0, 215));
    EXPECT_TRUE(ColourNear(p.At(plot_.Column(0.35), plot_.Row(0.37)), light, 3));
    EXPECT_TRUE(ColourNear(p.At(plot_.Column(0.52), plot_.Row(0.13)), light, 3));
    EXPECT_EQ(p.At(plot_.Column(0.35), plot_.Row(0.63)), kGraph);
    EXPECT_EQ(p.At(plot_.Column(0.35), plot_.Row(0.07)), kGraph);
    EXPECT_EQ(p.At(plot_.Column(0.52), plot_.Row(0.3)), kBlue);  // the line lies on top
  }
  // Group member [3] is the layer: raised above group 1's, the band covers the line.
  ASSERT_TRUE(Put(GroupOf(chart_, 2).get(), kGroupLayer, I2(3)));
  const Picture p = Printed();
  auto blend = [](int c, int under) { return c * 64 / 255 + under * (255 - 64) / 255; };
  EXPECT_TRUE(ColourNear(p.At(plot_.Column(0.52), plot_.Row(0.3)), RGB(blend(0, 0), blend(160, 0), blend(0, 220)), 3));
}

TEST_F(ChartDrawingTest, LegendListsWrittenSeriesWithTheirColoursAndForgetsDroppedOnes) {
  Counts(1, 3, 2);
  WriteSteps(1, 1, {100, 900}, {40});
  WriteSteps(1, 2, {100, 900}, {60});
  AddLabel(chart_, 1, "main.flu", 1);
  AddLabel(chart_, 1, "overlay.flu", 2);
  AddLabel(chart_, 1, "never written", 3);
  PutAt(StyleOf(chart_, 1, 3).get(), {kStyleFill, kFillColours}, kColoursFore, I4(kGreen));
  Picture p = Printed();
  Plot plot{p.BoundsOf(kGraph)};
  const RECT legend{plot.r.right + 2, 0, p.width(), p.height()};
  EXPECT_GT(p.Count(kBlue, legend), 20);
  EXPECT_GT(p.Count(kRed, legend), 20);
  EXPECT_EQ(p.Count(kGreen, legend), 0);
  EXPECT_GT(p.Count(RGB(0, 0, 0), legend, 90), 30);  // the texts
  // ResetChart: counts lowered, the legend empties; no entry stays from the old plot.
  CallMethod(Walk(chart_, {kExtras}).get(), kClear);
  Counts(1, 1, 1);
  Put(DataOf(chart_, 1).get(), kYValue, R8(0.0), {I4(1), I4(1)});
  p = Printed();
  EXPECT_EQ(p.Count(kBlue), 0);
  EXPECT_EQ(p.Count(kRed), 0);
  EXPECT_GT(p.BoundsOf(kGraph).right, p.width() - 60);  // no room kept for a legend
  // Hidden legend: no entries even for written series.
  Counts(1, 1, 2);
  WriteSteps(1, 1, {100, 900}, {40});
  Put(Walk(chart_, {kLegendBox}).get(), kLegendShown, Flag(false));
  p = Printed();
  plot = Plot{p.BoundsOf(kGraph)};
  EXPECT_EQ(p.Count(kBlue, RECT{plot.r.right + 2, 0, p.width(), p.height()}), 0);
}

TEST_F(ChartDrawingTest, ValuesBeyondTheLimitsAreClippedToThePlotArea) {
  Put(Walk(chart_, {kLegendBox}).get(), kLegendShown, Flag(false));
  Counts(1, 1, 6);
  ObjectRef data = DataOf(chart_, 1);
  const double x[] = {500, 500, 1e300, -1e300, -50, 2000};
  const double y[] = {50, 1e300, 1e300, -1e300, 50, -7};
  for (int i = 0; i < 6; ++i) {
    Put(data.get(), kXValue, R8(x[i]), {I4(1), I4(i + 1)});
    Put(data.get(), kYValue, R8(y[i]), {I4(1), I4(i + 1)});
  }
  const Picture p = Printed();
  const int inside = p.Count(kBlue, plot_.r);
  EXPECT_GT(inside, 100);
  EXPECT_EQ(p.Count(kBlue), inside);
  // The vertical at x = 500 reaches from y = 50 up to the top edge, not beyond.
  EXPECT_EQ(p.At(plot_.Column(0.5), plot_.r.top), kBlue);
}

TEST_F(ChartDrawingTest, DegenerateLimitsAndValuesStillDrawAPlotArea) {
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  const double limits[][2] = {{0, 0},     {100, 0},    {-5, -1},   {nan, 3},     {nan, nan}, {-inf, inf},
                              {1e-300, 1e300}, {1e99, -1e99}, {0, 1e-300}, {1, 1 + 1e-15}, {-1e300, 0}};
  Counts(1, 1, 8);
  ObjectRef data = DataOf(chart_, 1);
  const double values[] = {0, -1, 1e-300, 1e300, nan, inf, 5, 1e-20};
  for (int i = 0; i < 8; ++i) {
    Put(data.get(), kXValue, R8(values[i]), {I4(1), I4(i + 1)});
    Put(data.get(), kYValue, R8(values[7 - i]), {I4(1), I4(i + 1)});
  }
  for (bool log : {false, true}) {
    for (const auto& l : limits) {
      SCOPED_TRACE(testing::Message() << l[0] << " .. " << l[1] << (log ? " log" : ""));
      Put(AxisOf(chart_, "x").get(), kAxisLogScale, Flag(log));
      Put(AxisOf(chart_, "y").get(), kAxisLogScale, Flag(!log));
      Limits(l[0], l[1], l[1], l[0]);
      const Picture p = Printed();
      const RECT r = p.BoundsOf(kGraph);
      EXPECT_GT(r.right - r.left, 300);
      EXPECT_GT(r.bottom - r.top, 200);
    }
  }
}

}  // namespace
}  // namespace chartcontrol
