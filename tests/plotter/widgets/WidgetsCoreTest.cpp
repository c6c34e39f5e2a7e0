// The image buttons and tick boxes without a window: places, edges, colours and input.
#include <gtest/gtest.h>

#include <vector>

#include "plotter/widgets/core/ImageButtonLayout.h"
#include "plotter/widgets/core/TickBoxLook.h"
#include "plotter/widgets/core/WidgetInput.h"

namespace widgets {
namespace {

void ExpectRect(const Rect& r, int left, int top, int right, int bottom) {
  EXPECT_EQ(r.left, left);
  EXPECT_EQ(r.top, top);
  EXPECT_EQ(r.right, right);
  EXPECT_EQ(r.bottom, bottom);
}

TEST(ImageButtonLayout, IconAloneIsCentredBesideTextLeftAndPressedMovesBothOneDown) {
  ExpectRect(LayOutImageButton({41, 30}, {16, 16}, false, false).icon, 12, 7, 28, 23);
  const ImageButtonLayout withText = LayOutImageButton({60, 30}, {16, 16}, true, false);
  ExpectRect(withText.icon, 3, 7, 19, 23);
  ExpectRect(withText.textArea, 19, 0, 60, 30);
  const ImageButtonLayout pressed = LayOutImageButton({60, 30}, {16, 16}, true, true);
  ExpectRect(pressed.icon, 4, 8, 20, 24);
  ExpectRect(pressed.textArea, 20, 1, 61, 31);
  // No icon: the text takes the whole button, and there is no icon to move.
  const ImageButtonLayout textOnly = LayOutImageButton({47, 37}, {0, 0}, true, true);
  EXPECT_TRUE(textOnly.icon.Empty());
  ExpectRect(textOnly.textArea, 1, 1, 48, 38);
  ExpectRect(CentreVertically({5, 10, 50, 40}, 13), 5, 18, 50, 31);
}

TEST(ImageButtonLayout, EdgeIsRaisedWhileHoveredSunkenWhilePressedAndNoneWhenSwitchedOff) {
  EXPECT_EQ(EdgeOf(true, false, false), ButtonEdge::None);
  EXPECT_EQ(EdgeOf(true, true, false), ButtonEdge::Raised);
  EXPECT_EQ(EdgeOf(true, false, true), ButtonEdge::Sunken);  // an open menu without the mouse
  EXPECT_EQ(EdgeOf(true, true, true), ButtonEdge::Sunken);
  EXPECT_EQ(EdgeOf(false, true, true), ButtonEdge::None);
}

TEST(TickBoxLook, MixturesAreHalfwayPerChannelTruncatingTowardsTheFirstColour) {
  EXPECT_EQ(MixHalfway(Rgb(212, 208, 200), Rgb(128, 128, 128)), Rgb(170, 168, 164));
  EXPECT_EQ(MixHalfway(Rgb(0, 0, 0), Rgb(255, 255, 255)), Rgb(127, 127, 127));
  EXPECT_EQ(MixHalfway(Rgb(255, 255, 255), Rgb(0, 0, 0)), Rgb(128, 128, 128));
  EXPECT_EQ(MixHalfway(Rgb(10, 20, 30), Rgb(11, 19, 30)), Rgb(10, 20, 30));
  const TickColours c = MakeTickColours(Rgb(255, 255, 255), Rgb(227, 227, 227), Rgb(240, 240, 240),
                                        Rgb(160, 160, 160), Rgb(105, 105, 105));
  EXPECT_EQ(c.faceShadow, Rgb(200, 200, 200));
  EXPECT_EQ(c.shadowDark, Rgb(133, 133, 133));  // 160 + (-55 / 2)
  EXPECT_EQ(InkColour(TickInk::FaceShadow, c), c.faceShadow);
  EXPECT_EQ(InkColour(TickInk::Flat, c), Rgb(0, 150, 0));
}

TEST(TickBoxLook, BoxAndTextAreCentredWithTheHalvingTruncated) {
  EXPECT_EQ(BoxTop(16), 1);
  EXPECT_EQ(BoxTop(15), 0);
  EXPECT_EQ(TextTop(20, 13), 2);
  EXPECT_EQ(TextTop(9, 13), -3);  // (-4 / 2) - 1
}

TEST(ImageButtonLayout, StatesPickTheirColours) {
  const ButtonColours c{Rgb(1, 0, 0), Rgb(2, 0, 0), Rgb(3, 0, 0),
                        Rgb(4, 0, 0), Rgb(5, 0, 0), Rgb(6, 0, 0)};
  EXPECT_EQ(BackgroundOf(c, true, true), c.backIn);  // hovered wins over focused
  EXPECT_EQ(BackgroundOf(c, false, true), c.backFocus);
  EXPECT_EQ(BackgroundOf(c, false, false), c.backOut);
  EXPECT_EQ(TextColourOf(c, true), c.foreIn);
  EXPECT_EQ(TextColourOf(c, false), c.foreOut);
}

// One input to a tick box and what it must come to.
enum class In { Down, MoveIn, MoveOut, UpIn, UpOut, CaptureLost, SpaceDown, SpaceUp, FocusLost };

PressOutcome Feed(TickPress& press, In input) {
  switch (input) {
    case In::Down: return press.ButtonDown();
    case In::MoveIn: return press.PointerMoved(true);
    case In::MoveOut: return press.PointerMoved(false);
    case In::UpIn: return press.ButtonUp(true);
    case In::UpOut: return press.ButtonUp(false);
    case In::CaptureLost: return press.CaptureLost();
    case In::SpaceDown: return press.SpaceDown();
    case In::SpaceUp: return press.SpaceUp();
    case In::FocusLost: return press.FocusLost();
  }
  return {};
}

TEST(TickPress, OnlyAPressThatBeganOnTheBoxTogglesIt) {
  struct Case {
    const char* name;
    std::vector<In> inputs;
    int toggles;
    bool pressedAtEnd;
  };
  // clang-format off
  const Case cases[] = {
      {"click",                         {In::Down, In::UpIn},                           1, false},
      {"double click toggles twice",    {In::Down, In::UpIn, In::Down, In::UpIn},       2, false},
      {"released outside",              {In::Down, In::MoveOut, In::UpOut},             0, false},
      {"dragged out and back in",       {In::Down, In::MoveOut, In::MoveIn, In::UpIn},  1, false},
      {"release without own press",     {In::UpIn, In::MoveIn},                         0, false},
      {"capture lost in mid-press",     {In::Down, In::CaptureLost, In::UpIn},          0, false},
      {"space bar with repeats",        {In::SpaceDown, In::SpaceDown, In::SpaceUp},    1, false},
      {"space up without space down",   {In::SpaceUp},                                  0, false},
      {"space held, focus gone",        {In::SpaceDown, In::FocusLost, In::SpaceUp},    0, false},
      {"space during a mouse press",    {In::Down, In::SpaceDown, In::SpaceUp},         0, true},
      {"space held",                    {In::SpaceDown},                                0, true},
  };
  // clang-format on
  for (const Case& c : cases) {
    TickPress press;
    int toggles = 0;
    for (In input : c.inputs) {
      const bool before = press.pressed();
      const PressOutcome outcome = Feed(press, input);
      toggles += outcome.toggle;
      // Every change of the look and every toggle is repainted.
      if (before != press.pressed() || outcome.toggle) {
        EXPECT_TRUE(outcome.repaint) << c.name;
      }
    }
    EXPECT_EQ(toggles, c.toggles) << c.name;
    EXPECT_EQ(press.pressed(), c.pressedAtEnd) << c.name;
  }
}

TEST(TickPress, MousePressTakesAndReleasesTheCapture) {
  TickPress press;
  EXPECT_TRUE(press.ButtonDown().takeCapture);
  EXPECT_FALSE(press.PointerMoved(true).repaint);  // no change, no repaint
  EXPECT_TRUE(press.PointerMoved(false).repaint);
  EXPECT_TRUE(press.ButtonUp(false).releaseCapture);
  EXPECT_FALSE(press.ButtonUp(true).releaseCapture);
}

TEST(HoverState, LightsOnceOverAnActiveFlatButtonAndNeverForAPressFromElsewhere) {
  HoverState hover;
  EXPECT_FALSE(hover.PointerMoved(true, true, true).repaint);   // dragged in from elsewhere
  EXPECT_FALSE(hover.PointerMoved(false, true, false).repaint);  // program not active
  EXPECT_FALSE(hover.hovering());
  const HoverOutcome first = hover.PointerMoved(false, true, true);
  EXPECT_TRUE(first.repaint && first.trackLeave && hover.hovering());
  EXPECT_FALSE(hover.PointerMoved(false, true, true).repaint);  // once
  EXPECT_FALSE(hover.PointerMoved(true, true, true).repaint);   // pressing keeps it
  EXPECT_TRUE(hover.hovering());
  EXPECT_TRUE(hover.PointerMoved(true, false, true).repaint);   // elsewhere ends it
  EXPECT_FALSE(hover.hovering());
  EXPECT_FALSE(hover.End().repaint);

  hover.PointerMoved(false, true, true);
  EXPECT_TRUE(hover.End().repaint);
  hover.SetFlat(false);
  EXPECT_FALSE(hover.PointerMoved(false, true, true).repaint);
  EXPECT_FALSE(hover.hovering());
}

}  // namespace
}  // namespace widgets
