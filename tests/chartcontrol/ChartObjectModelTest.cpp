// The control's objects as a host reaches them through ChartControl.dll: paths, values kept,
// indexed members, failures, lifetime.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ChartTestHost.h"

namespace {

int32_t IntOf(const ChartValue& v) { return v.integer; }

std::string TextOf(const ChartValue& v) { return v.kind == ChartValue::Text && v.text ? v.text : "<none>"; }

class ChartObjectModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(ChartFactory(), nullptr) << "ChartControl.dll or its export is missing";
    ASSERT_NE(host_.chart(), nullptr);
    chart_ = host_.chart();
  }
  TestChart host_;
  ChartControl* chart_ = nullptr;
};

TEST_F(ChartObjectModelTest, MakesAVisibleChildWindowWithTheGivenIdAndPlace) {
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
  EXPECT_EQ(ChartFactory()(nullptr, 2, nullptr), nullptr);  // no parent: no child window
}

TEST_F(ChartObjectModelTest, KeepsEverythingTheStartUpConfigurationPuts) {
  ConfigureLikeZelvora(chart_);
  EXPECT_EQ(TextOf(Get(Walk(chart_, {1, 3}).get(), 1)), " Zelvora ");
  EXPECT_EQ(IntOf(Get(Walk(chart_, {1, 1}).get(), 2)), 5);
  EXPECT_EQ(Get(Walk(chart_, {1, 8}).get(), 2).number, 14.0);
  EXPECT_EQ(IntOf(Get(Walk(chart_, {1, 4}).get(), 2)), static_cast<int32_t>(RGB(100, 20, 20)));
  EXPECT_EQ(TextOf(Get(Walk(chart_, {2, 3}).get(), 1)), " ");
  EXPECT_EQ(IntOf(Get(Walk(chart_, {2, 5, 2}).get(), 1)), 450);
  EXPECT_EQ(IntOf(Get(Walk(chart_, {3}).get(), 6)), 2);
  EXPECT_EQ(TextOf(Get(Walk(chart_, {3, 8}).get(), 0)), "Arial");
  EXPECT_EQ(IntOf(Get(Walk(chart_, {4}).get(), 1)), 2);
  EXPECT_EQ(IntOf(Get(Walk(chart_, {5}).get(), 2)), static_cast<int32_t>(RGB(50, 50, 50)));
  EXPECT_EQ(IntOf(Get(Walk(chart_, {8, 2}).get(), 2)), 9);
  EXPECT_EQ(IntOf(Get(Walk(chart_, {8, 4}).get(), 1)), static_cast<int32_t>(RGB(235, 235, 235)));
  EXPECT_EQ(Get(Walk(chart_, {8, 5}).get(), 1).integer, 1);
  EXPECT_EQ(Get(Walk(chart_, {8, 8, Step(3, Str("y"))}).get(), 2).integer, 0);
  EXPECT_EQ(Get(chart_, 6).kind, ChartValue::Bool);
  EXPECT_EQ(Get(chart_, 13).integer, 0);

  ObjectRef x = AxisOf(chart_, "x"), y = AxisOf(chart_, "y"), y2 = AxisOf(chart_, "y2");
  EXPECT_EQ(Get(Walk(x.get(), {6}).get(), 1).number, 1000.0);
  EXPECT_EQ(Get(Walk(y2.get(), {6}).get(), 1).number, 100.0);
  EXPECT_EQ(Get(y2.get(), 14).integer, 0);
  EXPECT_EQ(Get(x.get(), 15).integer, 0);
  EXPECT_EQ(IntOf(Get(x.get(), 20)), 2);
  EXPECT_EQ(IntOf(Get(y.get(), 21)), 2);
  EXPECT_EQ(TextOf(Get(Walk(y.get(), {33}).get(), 0)), "Courier New");
  EXPECT_EQ(IntOf(Get(Walk(y.get(), {32, 2}).get(), 2)), static_cast<int32_t>(RGB(50, 50, 50)));
  EXPECT_EQ(IntOf(Get(Walk(y.get(), {29, 6}).get(), 1)), 1);
  EXPECT_EQ(Get(Walk(y.get(), {29, 6}).get(), 2).integer, 0);
  const ChartValue mode = Get(Walk(x.get(), {29}).get(), 7);
  EXPECT_EQ(mode.kind, ChartValue::Int16);
  EXPECT_EQ(mode.integer, 1);
  EXPECT_EQ(IntOf(Get(Walk(x.get(), {12, 3}).get(), 2)), static_cast<int32_t>(RGB(225, 225, 225)));
  EXPECT_EQ(Get(Walk(x.get(), {12, 2}).get(), 2).integer, 1);

  EXPECT_EQ(IntOf(Get(GroupOf(chart_, 1).get(), 2)), 1);
  EXPECT_EQ(IntOf(Get(GroupOf(chart_, 2).get(), 2)), 6);
  EXPECT_EQ(IntOf(Get(GroupOf(chart_, 2).get(), 3)), 1);
  ObjectRef data = DataOf(chart_, 1);
  EXPECT_EQ(IntOf(Get(data.get(), 2)), 20);
  EXPECT_EQ(IntOf(Get(data.get(), 16, {I4(7)})), 1);
  EXPECT_EQ(Get(data.get(), 20, {I4(1), I4(1)}).number, 0.0);
  EXPECT_EQ(Get(data.get(), 19, {I4(1), I4(1)}).kind, ChartValue::Empty);  // made, never written
  EXPECT_EQ(IntOf(Get(Walk(StyleOf(chart_, 1, 4).get(), {2, 4}).get(), 2)), static_cast<int32_t>(RGB(180, 180, 0)));
  EXPECT_EQ(IntOf(Get(Walk(StyleOf(chart_, 2, 3).get(), {3}).get(), 2)), static_cast<int32_t>(RGB(220, 0, 0)));
  EXPECT_EQ(IntOf(Get(Walk(StyleOf(chart_, 1, 20).get(), {3}).get(), 1)), 1);
}

TEST_F(ChartObjectModelTest, ItemsAreFoundByNameOrIndexAndUnknownMembersOrArgumentsFail) {
  ObjectRef byName = AxisOf(chart_, "Y2"), byIndex = Walk(chart_, {8, 9, Step(3, I2(3))});
  ASSERT_TRUE(byName);
  EXPECT_EQ(byName.get(), byIndex.get());
  EXPECT_FALSE(AxisOf(chart_, "z"));
  EXPECT_FALSE(GroupOf(chart_, 3));
  EXPECT_FALSE(StyleOf(chart_, 1, 0));
  ChartValue result;
  EXPECT_FALSE(chart_->Invoke(99, ChartInvoke::Get, nullptr, 0, &result));
  EXPECT_FALSE(chart_->Invoke(1, ChartInvoke::Put, nullptr, 0, nullptr));
  EXPECT_FALSE(chart_->Invoke(6, ChartInvoke::Get, nullptr, -1, &result));
  ObjectRef x = AxisOf(chart_, "x");
  EXPECT_FALSE(Put(Walk(x.get(), {5}).get(), 1, Str("12")));  // a limit is a number
  EXPECT_FALSE(Put(x.get(), 33, I4(1)));                      // an object takes no put
  ObjectRef data = DataOf(chart_, 1);
  ASSERT_TRUE(Put(data.get(), 2, I4(2)));
  ASSERT_TRUE(Put(data.get(), 16, I4(3), {I4(1)}));
  EXPECT_FALSE(Put(data.get(), 20, R8(1), {I4(3), I4(1)}));  // series beyond the count
  EXPECT_FALSE(Put(data.get(), 20, R8(1), {I4(1), I4(4)}));  // point beyond the count
  EXPECT_FALSE(Put(data.get(), 2, I4(-1)));
  EXPECT_TRUE(Put(data.get(), 20, R8(5), {R8(2.0), I2(3)}));  // indexes of any integer type
  EXPECT_EQ(Get(data.get(), 20, {I4(2), I4(3)}).number, 5.0);
  // A system colour (0x8000000F, button face) is taken as its value.
  ASSERT_TRUE(PutAt(chart_, {5}, 1, I4(static_cast<int32_t>(0x8000000F))));
  EXPECT_EQ(IntOf(Get(Walk(chart_, {5}).get(), 1)), static_cast<int32_t>(GetSysColor(COLOR_BTNFACE)));
  // Font sizes come as whole or fractional points.
  ASSERT_TRUE(PutAt(chart_, {1, 8}, 2, R8(10.5)));
  EXPECT_EQ(Get(Walk(chart_, {1, 8}).get(), 2).number, 10.5);
  EXPECT_FALSE(PutAt(chart_, {1, 8}, 2, I4(0)));
}

TEST_F(ChartObjectModelTest, SharedLayoutCountsMakeSlotsAndLoweringThemDropsValues) {
  ObjectRef data = DataOf(chart_, 1);
  EXPECT_EQ(IntOf(Get(data.get(), 1)), 1);  // shared X values unless told otherwise
  ASSERT_TRUE(Put(data.get(), 2, I4(3)));
  ASSERT_TRUE(Put(data.get(), 16, I4(4), {I4(1)}));
  EXPECT_EQ(IntOf(Get(data.get(), 16, {I4(3)})), 4);
  ASSERT_TRUE(Put(data.get(), 19, R8(2.5), {I4(1), I4(4)}));
  EXPECT_EQ(Get(data.get(), 19, {I4(3), I4(4)}).number, 2.5);
  ASSERT_TRUE(Put(data.get(), 20, R8(9), {I4(3), I4(4)}));
  ASSERT_TRUE(Put(data.get(), 16, I4(1), {I4(1)}));
  ASSERT_TRUE(Put(data.get(), 16, I4(4), {I4(1)}));
  EXPECT_EQ(Get(data.get(), 20, {I4(3), I4(4)}).kind, ChartValue::Empty);
  // Layout 2: counts per series.
  ASSERT_TRUE(Put(data.get(), 1, I4(2)));
  ASSERT_TRUE(Put(data.get(), 16, I4(9), {I4(2)}));
  EXPECT_EQ(IntOf(Get(data.get(), 16, {I4(2)})), 9);
  EXPECT_EQ(IntOf(Get(data.get(), 16, {I4(1)})), 4);
}

TEST_F(ChartObjectModelTest, AddLabelReplacesTextsAndLoweredCountsDropThem) {
  ObjectRef labels = Walk(chart_, {9, Step(3, I2(1)), 6});
  ASSERT_TRUE(AddLabel(chart_, 1, "first.flu", 1));
  ASSERT_TRUE(AddLabel(chart_, 1, "second.flu", 2));  // before the count is raised
  ASSERT_TRUE(AddLabel(chart_, 1, "renamed.flu", 1));
  EXPECT_EQ(IntOf(Get(labels.get(), 2)), 2);
  {
    ObjectRef first = Walk(labels.get(), {Step(3, I4(1))});
    EXPECT_EQ(TextOf(Get(first.get(), 1)), "renamed.flu");
  }
  // The object AddLabel returns names its series' text.
  ChartValue args[2] = {Str("third"), I2(3)};
  ChartValue result;
  ASSERT_TRUE(labels.get()->Invoke(4, ChartInvoke::Method, args, 2, &result));
  ASSERT_EQ(result.kind, ChartValue::Object);
  ObjectRef third(result.object);
  EXPECT_EQ(TextOf(Get(third.get(), 1)), "third");

  ObjectRef data = DataOf(chart_, 1);
  ASSERT_TRUE(Put(data.get(), 2, I4(3)));
  ASSERT_TRUE(Put(data.get(), 2, I4(1)));
  EXPECT_EQ(IntOf(Get(labels.get(), 2)), 1);
  EXPECT_FALSE(Walk(labels.get(), {Step(3, I4(2))}));
  // Extras.Clear drops them all, ahead of a plot's own texts.
  ASSERT_TRUE(CallMethod(Walk(chart_, {10}).get(), 6));
  EXPECT_EQ(IntOf(Get(labels.get(), 2)), 0);
}

TEST_F(ChartObjectModelTest, OutputMethodsTakeTheirArgumentsAndAnswerABool) {
  ChartValue result;
  ASSERT_TRUE(CallMethod(chart_, 19, {I4(1)}, &result));
  EXPECT_EQ(result.kind, ChartValue::Bool);
  EXPECT_TRUE(CallMethod(chart_, 18, {I4(2), I4(5), I4(0), I4(0), I4(0), I4(0)}, &result));
  EXPECT_EQ(result.kind, ChartValue::Bool);
  EXPECT_FALSE(CallMethod(chart_, 18, {I4(2)}, &result));
  EXPECT_FALSE(CallMethod(chart_, 20, {I4(1), I4(1)}, &result));  // the path is a text
}

TEST_F(ChartObjectModelTest, ObjectsOutliveTheWindowAndKeepTheControlAlive) {
  ChartControl* chart = ChartFactory()(Stage(), 3, nullptr);
  ASSERT_NE(chart, nullptr);
  HWND hwnd = chart->Window();
  ObjectRef axis = AxisOf(chart, "x");
  ObjectRef data = DataOf(chart, 1);
  DestroyWindow(hwnd);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(chart->Window(), nullptr);
  chart->Release();  // the objects still hold the control
  EXPECT_TRUE(Put(Walk(axis.get(), {5}).get(), 1, R8(3.0)));
  EXPECT_EQ(Get(Walk(axis.get(), {5}).get(), 1).number, 3.0);
  EXPECT_TRUE(Put(data.get(), 16, I4(2), {I4(1)}));
  EXPECT_TRUE(Put(data.get(), 20, R8(1), {I4(1), I4(2)}));
}

}  // namespace
