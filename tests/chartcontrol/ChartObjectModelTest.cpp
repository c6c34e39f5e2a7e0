// The control as its window makes it: the child window, system colours, the output methods'
// arguments and answers, and objects that outlive the window.
#include <gtest/gtest.h>

#include "tests/chartcontrol/ChartTestHost.h"

namespace chartcontrol {
namespace {

TEST(ChartControlTest, MakesAVisibleChildWindowWithTheGivenIdAndPlace) {
  TestChart other(RECT{10, 20, 310, 220}, 7);
  HWND hwnd = other.hwnd();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(GetParent(hwnd), Stage());
  EXPECT_EQ(GetDlgCtrlID(hwnd), 7);
  EXPECT_TRUE(IsWindowVisible(hwnd));
  RECT r;
  GetWindowRect(hwnd, &r);
  MapWindowPoints(nullptr, Stage(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.top, 20);
  EXPECT_EQ(r.right, 310);
  EXPECT_EQ(r.bottom, 220);
  // Paints without erasing: WM_ERASEBKGND claims the work and leaves the DC alone.
  HDC dc = GetDC(hwnd);
  EXPECT_NE(SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 0);
  ReleaseDC(hwnd, dc);
  EXPECT_EQ(ChartCore::Create(nullptr, 2, RECT{0, 0, 10, 10}), nullptr);  // no parent: no child window

  // A system colour (0x8000000F, button face) is taken as the system's value.
  ASSERT_TRUE(PutAt(other.chart(), {kOuterColours}, kColoursBack, I4(static_cast<int32_t>(0x8000000F))));
  EXPECT_EQ(other.model().outerColours.back, GetSysColor(COLOR_BTNFACE));
  // The control's own flags.
  ASSERT_TRUE(Put(other.chart(), kFlag13, Flag(true)));
  EXPECT_TRUE(other.model().flag13);
  EXPECT_EQ(Get(other.chart(), kHoldLayout).kind, ChartValue::Bool);
  EXPECT_FALSE(Put(other.chart(), kTitleBox, I4(1)));
}

TEST(ChartControlTest, OutputMethodsTakeTheirArgumentsAndAnswerABool) {
  TestChart host;
  ChartControl* chart = host.chart();
  ChartValue result;
  ASSERT_TRUE(CallMethod(chart, kCopyGraph, {I4(1)}, &result));
  EXPECT_EQ(result.kind, ChartValue::Bool);
  EXPECT_TRUE(CallMethod(chart, kPrintGraph, {I4(2), I4(5), I4(0), I4(0), I4(0), I4(0)}, &result));
  EXPECT_EQ(result.kind, ChartValue::Bool);
  EXPECT_FALSE(CallMethod(chart, kPrintGraph, {I4(2)}, &result));
  EXPECT_FALSE(CallMethod(chart, kWriteGraph, {I4(1), I4(1)}, &result));  // the path is a text
}

TEST(ChartControlTest, ObjectsOutliveTheWindowAndKeepTheControlAlive) {
  ChartControl* chart = ChartCore::Create(Stage(), 3, RECT{0, 0, 200, 100});
  ASSERT_NE(chart, nullptr);
  HWND hwnd = chart->Window();
  ObjectRef axis = AxisOf(chart, "x");
  ObjectRef data = DataOf(chart, 1);
  DestroyWindow(hwnd);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(chart->Window(), nullptr);
  chart->Release();  // the objects still hold the control
  EXPECT_TRUE(Put(Walk(axis.get(), {kAxisMinLimit}).get(), kLimitValue, R8(3.0)));
  EXPECT_EQ(Get(Walk(axis.get(), {kAxisMinLimit}).get(), kLimitValue).number, 3.0);
  EXPECT_TRUE(Put(data.get(), kPointCount, I4(2), {I4(1)}));
  EXPECT_TRUE(Put(data.get(), kYValue, R8(1), {I4(1), I4(2)}));
}

}  // namespace
}  // namespace chartcontrol
