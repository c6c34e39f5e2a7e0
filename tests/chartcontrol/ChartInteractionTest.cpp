// When the chart repaints, and what it reports to its host: batching under HoldRedraw and
// HoldLayout, zooming by a dragged rectangle, mouse buttons with their shift state.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/chartcontrol/ChartTestHost.h"

namespace chartcontrol {
namespace {

constexpr COLORREF kGraph = RGB(250, 250, 215);

class ChartInteractionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(host_.chart(), nullptr);
    chart_ = host_.chart();
    hwnd_ = host_.hwnd();
    host_.GivePlotLook();
    ASSERT_TRUE(PutAt(chart_, {kGraphArea, kGraphAreaColours}, kColoursBack, I4(kGraph)));
    PumpMessages();
    plot_ = Picture::OnScreen(hwnd_).BoundsOf(kGraph);
    ASSERT_GT(plot_.right - plot_.left, 500);
    host_.ResetPaints();
    host_.sink.mouseDowns.clear();
  }
  bool PendingPaint() const { return GetUpdateRect(hwnd_, nullptr, FALSE) != FALSE; }
  double Limit(const char* axis, int32_t which) const {
    return Get(Walk(AxisOf(chart_, axis).get(), {which}).get(), kLimitValue).number;
  }
  void Mouse(UINT msg, POINT at, WPARAM keys = 0) {
    SendMessageA(hwnd_, msg, keys, MAKELPARAM(at.x, at.y));
  }
  // The value under a pixel of a linear axis running 0..`span`.
  double ValueAtColumn(int x, double span) const { return span * (x - plot_.left) / (plot_.right - plot_.left - 1); }
  double ValueAtRow(int y, double span) const { return span * (plot_.bottom - 1 - y) / (plot_.bottom - plot_.top - 1); }

  TestChart host_;
  ChartControl* chart_ = nullptr;
  HWND hwnd_ = nullptr;
  RECT plot_{};
};

TEST_F(ChartInteractionTest, APutShowsAtOnceButHeldRedrawBatchesEverythingIntoOnePaint) {
  ASSERT_TRUE(PutAt(chart_, {kTitleBox, kTextBoxText}, kTextContent, Str(" changed ")));
  PumpMessages();
  EXPECT_EQ(host_.paints(), 1);

  host_.ResetPaints();
  const Picture before = Picture::OnScreen(hwnd_);
  ASSERT_TRUE(Put(chart_, kHoldRedraw, Flag(true)));
  ObjectRef data = DataOf(chart_, 1);
  Put(data.get(), kSeriesCount, I4(1));
  Put(data.get(), kPointCount, I4(2000), {I4(1)});
  for (int k = 1; k <= 2000; ++k) {
    Put(data.get(), kXValue, R8(k / 2.0), {I4(1), I4(k)});
    Put(data.get(), kYValue, R8(50 + 40 * std::sin(k / 50.0)), {I4(1), I4(k)});
  }
  PutAt(chart_, {kTitleBox, kTextBoxText}, kTextContent, Str(" batch "));
  PutAt(AxisOf(chart_, "y").get(), {kAxisMaxLimit}, kLimitValue, R8(200.0));
  PumpMessages();
  EXPECT_FALSE(PendingPaint());
  EXPECT_EQ(host_.paints(), 0);
  EXPECT_TRUE(Picture::OnScreen(hwnd_) == before);  // still the old picture

  ASSERT_TRUE(Put(chart_, kHoldRedraw, Flag(false)));  // draws the batch at once, in one paint
  EXPECT_EQ(host_.paints(), 1);
  PumpMessages();
  EXPECT_EQ(host_.paints(), 1);
  const Picture after = Picture::OnScreen(hwnd_);
  EXPECT_GT(after.Count(RGB(0, 0, 220)), 300);
  EXPECT_TRUE(after == Picture::Printed(hwnd_));
  // Releasing a hold with nothing changed draws nothing.
  Put(chart_, kHoldRedraw, Flag(true));
  Put(chart_, kHoldRedraw, Flag(false));
  PumpMessages();
  EXPECT_EQ(host_.paints(), 1);
}

TEST_F(ChartInteractionTest, HeldLayoutDefersLayoutChangesUntilReleased) {
  ASSERT_TRUE(Put(chart_, kHoldLayout, Flag(true)));
  PutAt(chart_, {kTitleBox, kTextBoxText}, kTextContent, Str(" a much longer title than before "));
  PutAt(AxisOf(chart_, "x").get(), {kAxisTitle}, kTextContent, Str("Energy/MeV ->"));
  Put(AxisOf(chart_, "x").get(), kAxisLogScale, Flag(true));
  PumpMessages();
  EXPECT_EQ(host_.paints(), 0);
  ASSERT_TRUE(Put(chart_, kHoldLayout, Flag(false)));
  PumpMessages();
  EXPECT_EQ(host_.paints(), 1);
  EXPECT_TRUE(Picture::OnScreen(hwnd_) == Picture::Printed(hwnd_));
}

TEST_F(ChartInteractionTest, DraggingARectangleZoomsIntoItAndReportsTheNewLimits) {
  const POINT from{plot_.left + (plot_.right - plot_.left) / 5, plot_.top + (plot_.bottom - plot_.top) / 5};
  const POINT to{plot_.left + (plot_.right - plot_.left) * 3 / 5, plot_.top + (plot_.bottom - plot_.top) * 7 / 10};
  Mouse(WM_LBUTTONDOWN, from, MK_LBUTTON);
  Mouse(WM_MOUSEMOVE, POINT{from.x + 30, from.y + 20}, MK_LBUTTON);
  // The rubber band shows on screen while dragging.
  const Picture dragging = Picture::OnScreen(hwnd_);
  EXPECT_GT(dragging.Count(RGB(40, 60, 150)), 50);
  Mouse(WM_MOUSEMOVE, to, MK_LBUTTON);
  Mouse(WM_LBUTTONUP, to);
  EXPECT_NE(GetCapture(), hwnd_);

  ASSERT_EQ(host_.sink.mouseDowns.size(), 1u);
  EXPECT_EQ(host_.sink.mouseDowns[0].button, 1);
  EXPECT_EQ(host_.sink.mouseDowns[0].x, from.x);
  ASSERT_EQ(host_.sink.limits.size(), 1u);
  const double* v = host_.sink.limits[0].data();
  EXPECT_NEAR(v[0], ValueAtColumn(from.x, 1000), 1e-6);
  EXPECT_NEAR(v[1], ValueAtColumn(to.x, 1000), 1e-6);
  EXPECT_NEAR(v[2], ValueAtRow(to.y, 100), 1e-6);
  EXPECT_NEAR(v[3], ValueAtRow(from.y, 100), 1e-6);
  EXPECT_NEAR(v[0], 200, 2);
  EXPECT_NEAR(v[3], 80, 1);
  EXPECT_EQ(Limit("x", kAxisMinLimit), v[0]);
  EXPECT_EQ(Limit("x", kAxisMaxLimit), v[1]);
  EXPECT_EQ(Limit("y", kAxisMinLimit), v[2]);
  EXPECT_EQ(Limit("y2", kAxisMaxLimit), v[3]);
  PumpMessages();
  EXPECT_FALSE(Picture::OnScreen(hwnd_).Count(RGB(40, 60, 150)) > 0);  // the band is gone
}

TEST_F(ChartInteractionTest, ZoomingAReversedAxisKeepsItReversed) {
  PutAt(AxisOf(chart_, "x").get(), {kAxisMinLimit}, kLimitValue, R8(1000.0));
  PutAt(AxisOf(chart_, "x").get(), {kAxisMaxLimit}, kLimitValue, R8(0.0));
  PumpMessages();
  const RECT plot = Picture::OnScreen(hwnd_).BoundsOf(kGraph);
  const int w = plot.right - plot.left - 1;
  Mouse(WM_LBUTTONDOWN, POINT{plot.left + w / 4, plot.top + 20}, MK_LBUTTON);
  Mouse(WM_MOUSEMOVE, POINT{plot.left + w / 2, plot.top + 120}, MK_LBUTTON);
  Mouse(WM_LBUTTONUP, POINT{plot.left + w / 2, plot.top + 120});
  ASSERT_EQ(host_.sink.limits.size(), 1u);
  EXPECT_NEAR(host_.sink.limits[0][0], 750, 2);
  EXPECT_NEAR(host_.sink.limits[0][1], 500, 2);
}

TEST_F(ChartInteractionTest, AClickWithoutDraggingReportsOnlyTheButton) {
  const POINT at{plot_.left + 100, plot_.top + 100};
  Mouse(WM_LBUTTONDOWN, at, MK_LBUTTON | MK_CONTROL);
  Mouse(WM_MOUSEMOVE, POINT{at.x + 2, at.y + 1}, MK_LBUTTON);  // within the drag distance
  Mouse(WM_LBUTTONUP, POINT{at.x + 2, at.y + 1});
  ASSERT_EQ(host_.sink.mouseDowns.size(), 1u);
  EXPECT_EQ(host_.sink.mouseDowns[0].button, 1);
  EXPECT_EQ(host_.sink.mouseDowns[0].shift, 2);
  EXPECT_TRUE(host_.sink.limits.empty());
  EXPECT_EQ(Limit("x", kAxisMaxLimit), 1000.0);
  // Outside the plot a press reports the button and starts no zoom.
  Mouse(WM_LBUTTONDOWN, POINT{2, 2}, MK_LBUTTON);
  Mouse(WM_MOUSEMOVE, POINT{plot_.left + 300, plot_.top + 200}, MK_LBUTTON);
  Mouse(WM_LBUTTONUP, POINT{plot_.left + 300, plot_.top + 200});
  EXPECT_EQ(host_.sink.mouseDowns.size(), 2u);
  EXPECT_TRUE(host_.sink.limits.empty());
}

TEST_F(ChartInteractionTest, OtherButtonsReportTheirNumberAndShiftState) {
  const POINT at{plot_.left + 50, plot_.top + 60};
  Mouse(WM_RBUTTONDOWN, at, MK_RBUTTON);
  Mouse(WM_RBUTTONDOWN, at, MK_RBUTTON | MK_SHIFT);
  Mouse(WM_RBUTTONDOWN, at, MK_RBUTTON | MK_SHIFT | MK_CONTROL);
  Mouse(WM_MBUTTONDOWN, POINT{3, 4}, MK_MBUTTON);
  ASSERT_EQ(host_.sink.mouseDowns.size(), 4u);
  EXPECT_EQ(host_.sink.mouseDowns[0].button, 2);
  EXPECT_EQ(host_.sink.mouseDowns[0].shift, 0);
  EXPECT_EQ(host_.sink.mouseDowns[0].x, at.x);
  EXPECT_EQ(host_.sink.mouseDowns[0].y, at.y);
  EXPECT_EQ(host_.sink.mouseDowns[1].shift, 1);
  EXPECT_EQ(host_.sink.mouseDowns[2].shift, 3);
  EXPECT_EQ(host_.sink.mouseDowns[3].button, 4);
  EXPECT_TRUE(host_.sink.limits.empty());
  // Without a sink the buttons go nowhere.
  chart_->SetEventSink(nullptr);
  Mouse(WM_RBUTTONDOWN, at, MK_RBUTTON);
  EXPECT_EQ(host_.sink.mouseDowns.size(), 4u);
}

}  // namespace
}  // namespace chartcontrol
