// The chart's objects as a host reaches them, without a window: values put and got back through
// Invoke land in the model, bad arguments are refused, changes are reported as look or layout.
#include "chartcontrol/core/ChartDispatch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "tests/chartcontrol/ChartDriver.h"

namespace chartcontrol {
namespace {

class CountingHost : public ChartHost {
 public:
  void AddRef() override { ++refs; }
  void Release() override { --refs; }
  void Changed(Change change) override { ++(change == Change::Look ? looks : layouts); }
  int refs = 0, looks = 0, layouts = 0;
};

Colour SystemColour(int index) { return 0x00102000u + static_cast<Colour>(index); }

std::string TextOf(const ChartValue& v) { return v.kind == ChartValue::Text && v.text ? v.text : "<none>"; }

class ChartDispatchTest : public testing::Test {
 protected:
  ObjectRef At(int32_t control, std::initializer_list<Step> path = {}) { return Walk(tree_.Member(control), path); }
  ObjectRef Axis(const char* name) { return At(kGraphArea, {kGraphAreaAxes, Step(kItem, Str(name))}); }
  ObjectRef Data(int16_t group) { return At(kSeriesGroups, {Step(kItem, I2(group)), kSeriesData}); }
  // Puts `value` to member `id` of `object` and tells which change it reported.
  const char* PutAndSee(const ObjectRef& object, int32_t id, ChartValue value) {
    const int looks = host_.looks, layouts = host_.layouts;
    if (!Put(object.get(), id, value)) return "refused";
    if (host_.looks > looks) return "look";
    return host_.layouts > layouts ? "layout" : "unchanged";
  }

  CountingHost host_;
  ChartModel model_;
  ChartObjectTree tree_{host_, model_, &SystemColour};
};

TEST_F(ChartDispatchTest, ValuesOfEveryKindLandInTheModelAndReadBack) {
  ObjectRef frame = At(kOuterFrame);
  EXPECT_STREQ(PutAndSee(frame, kFrameWidth, I4(3)), "layout");
  EXPECT_STREQ(PutAndSee(frame, kFrameWidth, I4(3)), "unchanged");
  EXPECT_STREQ(PutAndSee(frame, kFrameKind, R8(8.6)), "layout");  // rounded
  EXPECT_EQ(model_.outerFrame.width, 3);
  EXPECT_EQ(model_.outerFrame.kind, 9);
  EXPECT_EQ(Get(frame.get(), kFrameKind).integer, 9);

  ObjectRef colours = At(kOuterColours);
  EXPECT_STREQ(PutAndSee(colours, kColoursFore, I4(0x7F123456)), "look");
  EXPECT_EQ(model_.outerColours.fore, 0x123456u);  // the top byte is not a colour
  EXPECT_STREQ(PutAndSee(colours, kColoursBack, I4(static_cast<int32_t>(0x8000000F))), "look");
  EXPECT_EQ(model_.outerColours.back, SystemColour(15));
  EXPECT_EQ(Get(colours.get(), kColoursBack).integer, static_cast<int32_t>(SystemColour(15)));

  EXPECT_STREQ(PutAndSee(At(kTitleBox, {kTextBoxText}), kTextContent, Str(" Zelvora ")), "layout");
  EXPECT_EQ(model_.title.text, " Zelvora ");
  EXPECT_EQ(TextOf(Get(At(kTitleBox, {kTextBoxText}).get(), kTextContent)), " Zelvora ");
  ObjectRef font = At(kTitleBox, {kTextBoxFont});
  EXPECT_STREQ(PutAndSee(font, kFontSize, R8(10.5)), "layout");
  EXPECT_STREQ(PutAndSee(font, kFontSize, I4(0)), "refused");
  EXPECT_STREQ(PutAndSee(font, kFontName, Str("Courier New")), "layout");
  EXPECT_STREQ(PutAndSee(font, kFontUnderline, Flag(true)), "layout");
  EXPECT_EQ(model_.title.font.size, 10.5);
  EXPECT_EQ(model_.title.font.name, "Courier New");
  EXPECT_TRUE(model_.title.font.underline);
  EXPECT_FALSE(model_.title.font.bold);
  EXPECT_STREQ(PutAndSee(At(kTitleBox), kTextBoxFlag6, I4(2)), "layout");
  EXPECT_TRUE(model_.title.flag6);
  EXPECT_EQ(Get(At(kTitleBox).get(), kTextBoxFlag6).kind, ChartValue::Bool);
  EXPECT_STREQ(PutAndSee(At(kNoteBox, {kTextBoxPlace, kPlaceTop}), kPlaceAmount, I4(450)), "layout");
  EXPECT_TRUE(model_.note.place[1].set);
  EXPECT_EQ(model_.note.place[1].amount, 450);
  EXPECT_FALSE(model_.note.place[0].set);

  ObjectRef x = Axis("x");
  EXPECT_STREQ(PutAndSee(Walk(x.get(), {kAxisMinLimit}), kLimitValue, R8(2.5)), "layout");
  EXPECT_STREQ(PutAndSee(Walk(x.get(), {kAxisMaxLimit}), kLimitValue, I4(7)), "layout");
  EXPECT_STREQ(PutAndSee(x, kAxisLogScale, Flag(true)), "layout");
  EXPECT_STREQ(PutAndSee(x, kAxisMajorTicks, I4(3)), "layout");
  EXPECT_STREQ(PutAndSee(x, kAxisMinorTicks, I4(0)), "layout");
  EXPECT_STREQ(PutAndSee(x, kAxisShown, Flag(false)), "layout");
  EXPECT_STREQ(PutAndSee(x, kAxisTitleTurn, I4(2)), "layout");
  const chartcontrol::Axis& ax = model_.graph.axes[kAxisX];
  EXPECT_EQ(ax.minLimit, 2.5);
  EXPECT_EQ(ax.maxLimit, 7.0);
  EXPECT_TRUE(ax.logarithmic);
  EXPECT_EQ(ax.majorTicks, 3);
  EXPECT_EQ(ax.minorTicks, 0);
  EXPECT_FALSE(ax.shown);
  EXPECT_EQ(ax.titleTurn, 2);
  EXPECT_EQ(Get(Walk(x.get(), {kAxisMinLimit}).get(), kLimitValue).number, 2.5);

  ObjectRef labels = Walk(x.get(), {kAxisTickLabels});
  EXPECT_STREQ(PutAndSee(labels, kLabelMode, I2(9)), "layout");
  EXPECT_EQ(Get(labels.get(), kLabelMode).kind, ChartValue::Int16);
  EXPECT_STREQ(PutAndSee(Walk(labels.get(), {kTickLabelsDigits}), kDigitsAmount, I4(1)), "layout");
  EXPECT_STREQ(PutAndSee(Walk(labels.get(), {kTickLabelsDigits}), kDigitsAutomatic, Flag(false)), "layout");
  EXPECT_EQ(ax.labels.mode, 9);
  EXPECT_EQ(ax.labels.digits, 1);
  EXPECT_FALSE(ax.labels.digitsAutomatic);
  EXPECT_STREQ(PutAndSee(Walk(x.get(), {kAxisLabelLook, kLabelLookLabelColours}), kColoursFore, I4(0x323232)), "look");
  EXPECT_EQ(ax.labelLook.fore, 0x323232u);

  // A spacing put ends the automatic spacing; the grid line is look only.
  ObjectRef grid = Walk(x.get(), {kAxisGrid});
  EXPECT_STREQ(PutAndSee(Walk(grid.get(), {kGridSpacing}), kSpacingValue, R8(0.1)), "layout");
  EXPECT_EQ(ax.grid.spacing, 0.1);
  EXPECT_FALSE(ax.grid.automatic);
  EXPECT_STREQ(PutAndSee(Walk(grid.get(), {kGridLine}), kLineKind, I4(2)), "look");
  EXPECT_STREQ(PutAndSee(Walk(grid.get(), {kGridLine}), kLineColour, I4(0xE1E1E1)), "look");
  EXPECT_EQ(ax.grid.lineKind, 2);
  EXPECT_EQ(ax.grid.lineColour, 0xE1E1E1u);

  EXPECT_STREQ(PutAndSee(At(kGraphArea, {kGraphAreaAxisOptions, Step(kItem, Str("y"))}), kAxisOption2, Flag(false)), "layout");
  EXPECT_FALSE(model_.graph.axes[kAxisY].option2);
  EXPECT_TRUE(model_.graph.axes[kAxisX].option2);
  EXPECT_STREQ(PutAndSee(At(kGraphArea, {kGraphAreaBackdrop}), kGraphAreaFilled, Flag(false)), "look");
  EXPECT_FALSE(model_.graph.filled);

  ObjectRef group = At(kSeriesGroups, {Step(kItem, I2(2))});
  EXPECT_STREQ(PutAndSee(group, kGraphKind, I4(6)), "layout");
  EXPECT_STREQ(PutAndSee(group, kGroupLayer, I2(3)), "look");
  EXPECT_EQ(model_.groups[1].graphKind, 6);
  EXPECT_EQ(model_.groups[1].layer, 3);
  EXPECT_EQ(Get(group.get(), kGroupLayer).kind, ChartValue::Int16);
}

TEST_F(ChartDispatchTest, TheLegendTakesValuesWhereTheOtherBoxesHaveObjects) {
  ObjectRef legend = At(kLegendBox);
  EXPECT_STREQ(PutAndSee(legend, kLegendShown, Flag(false)), "layout");
  EXPECT_STREQ(PutAndSee(legend, kLegendAnchor, I4(8)), "layout");
  EXPECT_STREQ(PutAndSee(legend, kLegendOrientation, I4(1)), "layout");
  EXPECT_FALSE(model_.legend.shown);
  EXPECT_EQ(model_.legend.legendAnchor, 8);
  EXPECT_EQ(model_.legend.legendOrientation, 1);
  EXPECT_EQ(Get(legend.get(), kLegendOrientation).integer, 1);
  // Got, ids 4 and 5 are the colours and the place, as on every box.
  EXPECT_STREQ(PutAndSee(Walk(legend.get(), {kTextBoxColours}), kColoursBack, I4(0x0000FF)), "look");
  EXPECT_EQ(model_.legend.colours.back, 0x0000FFu);
  EXPECT_TRUE(model_.legend.colours.backSet);
  EXPECT_STREQ(PutAndSee(Walk(legend.get(), {kTextBoxPlace, kPlaceLeft}), kPlaceAmount, I4(5)), "layout");
  EXPECT_EQ(model_.legend.place[0].amount, 5);
  // The title box has no such values: a put of 4 or 5 is refused.
  EXPECT_FALSE(Put(At(kTitleBox).get(), kLegendShown, Flag(false)));
  EXPECT_FALSE(Put(At(kTitleBox).get(), kLegendAnchor, I4(8)));
  EXPECT_TRUE(model_.title.shown);
}

TEST_F(ChartDispatchTest, ConversionsTakeNumbersOfEveryKindAndRefuseTheRest) {
  int32_t i = 0;
  EXPECT_TRUE(ToInt(R8(2.5), i));
  EXPECT_EQ(i, 3);
  EXPECT_TRUE(ToInt(R8(-2.5), i));
  EXPECT_EQ(i, -3);
  EXPECT_TRUE(ToInt(I2(-7), i));
  EXPECT_EQ(i, -7);
  EXPECT_TRUE(ToInt(Flag(true), i));
  EXPECT_EQ(i, 1);
  EXPECT_TRUE(ToInt(R8(2147483646.0), i));
  EXPECT_EQ(i, 2147483646);
  EXPECT_FALSE(ToInt(R8(3e9), i));
  EXPECT_FALSE(ToInt(R8(-3e9), i));
  EXPECT_FALSE(ToInt(R8(std::numeric_limits<double>::quiet_NaN()), i));
  EXPECT_FALSE(ToInt(Str("1"), i));
  EXPECT_FALSE(ToInt(ChartValue(), i));

  double d = 0;
  EXPECT_TRUE(ToDouble(I4(-40000), d));
  EXPECT_EQ(d, -40000.0);
  EXPECT_TRUE(ToDouble(I2(12), d));
  EXPECT_EQ(d, 12.0);
  EXPECT_TRUE(ToDouble(R8(0.001), d));
  EXPECT_EQ(d, 0.001);
  EXPECT_FALSE(ToDouble(Str("0.5"), d));
  EXPECT_FALSE(ToDouble(ChartValue(), d));
  bool b = true;
  EXPECT_TRUE(ToBool(R8(0.0), b));
  EXPECT_FALSE(b);
  EXPECT_TRUE(ToBool(I4(-1), b));
  EXPECT_TRUE(b);

  Colour c = 0;
  EXPECT_TRUE(ToColour(I4(0x00FF8040), &SystemColour, c));
  EXPECT_EQ(c, 0x00FF8040u);
  EXPECT_TRUE(ToColour(I4(static_cast<int32_t>(0xFF0000FF)), &SystemColour, c));
  EXPECT_EQ(c, 0x0000FFu);
  EXPECT_TRUE(ToColour(I4(static_cast<int32_t>(0x80000005)), &SystemColour, c));
  EXPECT_EQ(c, SystemColour(5));
  EXPECT_TRUE(ToColour(R8(255.4), &SystemColour, c));
  EXPECT_EQ(c, 255u);
  EXPECT_FALSE(ToColour(I4(static_cast<int32_t>(0x80000005)), nullptr, c));
  EXPECT_FALSE(ToColour(Str("red"), &SystemColour, c));

  // Refused puts leave the model as it was.
  ObjectRef x = Axis("x");
  EXPECT_FALSE(Put(Walk(x.get(), {kAxisMinLimit}).get(), kLimitValue, Str("12")));
  EXPECT_FALSE(Put(x.get(), kAxisMajorTicks, R8(1e10)));
  EXPECT_FALSE(Put(At(kOuterColours).get(), kColoursFore, Str("red")));
  EXPECT_EQ(model_.graph.axes[kAxisX].minLimit, ChartModel().graph.axes[kAxisX].minLimit);
  EXPECT_EQ(model_.graph.axes[kAxisX].majorTicks, ChartModel().graph.axes[kAxisX].majorTicks);
  EXPECT_EQ(host_.looks + host_.layouts, 0);
}

TEST_F(ChartDispatchTest, ItemsAreFoundByNameOrIndexAndUnknownMembersOrArgumentsFail) {
  ObjectRef byName = Axis("Y2"), byIndex = At(kGraphArea, {kGraphAreaAxes, Step(kItem, I2(3))});
  ASSERT_TRUE(byName);
  EXPECT_EQ(byName.get(), byIndex.get());
  EXPECT_FALSE(Axis("z"));
  EXPECT_FALSE(At(kSeriesGroups, {Step(kItem, I2(3))}));
  EXPECT_FALSE(At(kSeriesGroups, {Step(kItem, I2(1)), kSeriesStyles, Step(kStyleItem, I4(0))}));
  EXPECT_EQ(tree_.Member(kHoldRedraw), nullptr);  // a value of the control, not an object
  ObjectRef x = Axis("x");
  ChartValue result;
  EXPECT_FALSE(x.get()->Invoke(99, ChartInvoke::Get, nullptr, 0, &result));
  EXPECT_FALSE(x.get()->Invoke(kAxisShown, ChartInvoke::Put, nullptr, 0, nullptr));
  EXPECT_FALSE(x.get()->Invoke(kAxisShown, ChartInvoke::Get, nullptr, -1, &result));
  EXPECT_FALSE(x.get()->Invoke(kAxisShown, ChartInvoke::Get, nullptr, 0, nullptr));
  EXPECT_FALSE(Put(x.get(), kAxisFont, I4(1)));  // an object takes no put
  EXPECT_FALSE(Put(x.get(), kAxisShown, Flag(true), {I4(1)}));
}

TEST_F(ChartDispatchTest, SharedLayoutCountsMakeSlotsAndLoweringThemDropsValues) {
  ObjectRef data = Data(1);
  EXPECT_EQ(Get(data.get(), kLayoutCode).integer, 1);  // shared X values unless told otherwise
  ASSERT_TRUE(Put(data.get(), kSeriesCount, I4(3)));
  ASSERT_TRUE(Put(data.get(), kPointCount, I4(4), {I4(1)}));
  EXPECT_EQ(Get(data.get(), kPointCount, {I4(3)}).integer, 4);
  EXPECT_STREQ(PutAndSee(data, kXValue, R8(2.5)), "refused");  // indexes missing
  const int looks = host_.looks;
  ASSERT_TRUE(Put(data.get(), kXValue, R8(2.5), {I4(1), I4(4)}));
  EXPECT_EQ(host_.looks, looks + 1);
  EXPECT_EQ(Get(data.get(), kXValue, {I4(3), I4(4)}).number, 2.5);
  ASSERT_TRUE(Put(data.get(), kYValue, R8(9), {R8(3.0), I2(4)}));  // indexes of any number type
  EXPECT_EQ(model_.groups[0].data.Y(3, 4), 9.0);
  EXPECT_FALSE(Put(data.get(), kYValue, R8(1), {I4(4), I4(1)}));  // series beyond the count
  EXPECT_FALSE(Put(data.get(), kYValue, R8(1), {I4(1), I4(5)}));  // point beyond the count
  EXPECT_FALSE(Put(data.get(), kSeriesCount, I4(-1)));
  ASSERT_TRUE(Put(data.get(), kPointCount, I4(1), {I4(1)}));
  ASSERT_TRUE(Put(data.get(), kPointCount, I4(4), {I4(1)}));
  EXPECT_EQ(Get(data.get(), kYValue, {I4(3), I4(4)}).kind, ChartValue::Empty);
  // Layout 2: counts per series.
  EXPECT_STREQ(PutAndSee(data, kLayoutCode, I4(2)), "layout");
  ASSERT_TRUE(Put(data.get(), kPointCount, I4(9), {I4(2)}));
  EXPECT_EQ(Get(data.get(), kPointCount, {I4(2)}).integer, 9);
  EXPECT_EQ(Get(data.get(), kPointCount, {I4(1)}).integer, 4);
  EXPECT_EQ(model_.groups[1].data.seriesCount(), ChartModel().groups[1].data.seriesCount());
}

TEST_F(ChartDispatchTest, AddLabelReplacesTextsAndClearDropsThemAll) {
  ObjectRef labels = At(kSeriesGroups, {Step(kItem, I2(1)), kSeriesLabels});
  ChartValue args[2] = {Str("first.flu"), I2(1)};
  ChartValue result;
  ASSERT_TRUE(labels.get()->Invoke(kAddLabel, ChartInvoke::Method, args, 2, &result));
  ASSERT_EQ(result.kind, ChartValue::Object);
  ObjectRef first(result.object);
  EXPECT_EQ(TextOf(Get(first.get(), kTextContent)), "first.flu");
  args[0] = Str("second.flu");
  args[1] = I4(2);  // before the count is raised
  ASSERT_TRUE(labels.get()->Invoke(kAddLabel, ChartInvoke::Method, args, 2, nullptr));
  args[0] = Str("renamed.flu");
  args[1] = I4(1);
  ASSERT_TRUE(labels.get()->Invoke(kAddLabel, ChartInvoke::Method, args, 2, nullptr));
  EXPECT_EQ(TextOf(Get(first.get(), kTextContent)), "renamed.flu");
  EXPECT_EQ(Get(labels.get(), kLabelCount).integer, 2);
  EXPECT_EQ(*model_.groups[0].data.Label(2), "second.flu");
  EXPECT_FALSE(labels.get()->Invoke(kAddLabel, ChartInvoke::Method, args, 1, nullptr));

  // Extras.Clear drops every text of both groups, and reports a change only when there were any.
  const int layouts = host_.layouts;
  ASSERT_TRUE(CallMethod(tree_.Member(kExtras), kClear));
  EXPECT_EQ(host_.layouts, layouts + 1);
  EXPECT_EQ(Get(labels.get(), kLabelCount).integer, 0);
  EXPECT_FALSE(Walk(labels.get(), {Step(kLabelItem, I4(1))}));
  ASSERT_TRUE(CallMethod(tree_.Member(kExtras), kClear));
  EXPECT_EQ(host_.layouts, layouts + 1);
}

TEST_F(ChartDispatchTest, StylesAreMadeOnFirstUseAndEveryReferenceGoesBackToTheControl) {
  EXPECT_TRUE(model_.groups[0].styles.empty());
  {
    ObjectRef style = At(kSeriesGroups, {Step(kItem, I2(1)), kSeriesStyles, Step(kStyleItem, I4(7))});
    ASSERT_TRUE(style);
    EXPECT_EQ(model_.groups[0].styles.count(7), 1u);
    EXPECT_STREQ(PutAndSee(Walk(style.get(), {kStyleStroke}), kStrokeWidth, I4(2)), "look");
    EXPECT_STREQ(PutAndSee(Walk(style.get(), {kStyleStroke}), kStrokeKind, I4(3)), "look");
    EXPECT_STREQ(PutAndSee(Walk(style.get(), {kStyleMarker}), kMarkerKind, I4(2)), "look");
    // A first colour put counts as a change even when it equals the default.
    EXPECT_STREQ(PutAndSee(Walk(style.get(), {kStyleMarker}), kMarkerColour, I4(0)), "look");
    EXPECT_STREQ(PutAndSee(Walk(style.get(), {kStyleFill, kFillColours}), kColoursFore, I4(0x00DC0000)), "look");
    EXPECT_GT(host_.refs, 0);
  }
  EXPECT_EQ(host_.refs, 0);
  const SeriesStyle& s = model_.groups[0].styles.at(7);
  EXPECT_EQ(s.strokeWidth, 2);
  EXPECT_EQ(s.strokeKind, 3);
  EXPECT_EQ(s.markerKind, 2);
  EXPECT_TRUE(s.markerColourSet);
  EXPECT_EQ(model_.groups[0].SeriesColour(7), 0x00DC0000u);  // the fill colour wins
  EXPECT_TRUE(model_.groups[1].styles.empty());
}

}  // namespace
}  // namespace chartcontrol
