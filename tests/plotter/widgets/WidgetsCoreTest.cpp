// The image buttons and tick boxes without a window: places, edges, colours and input.
#include <gtest/gtest.h>

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
  const ButtonColours c{Rgb(1, 0, 0), Rgb(2, 0, 0), Rgb(3, 0, 0), Rgb(4, 0, 0), Rgb(5, 0, 0), Rgb(6, 0, 0)};
  EXPECT_EQ(BackgroundOf(c, true, true), c.backIn);  // hovered wins over focused
  EXPECT_TRUE(BackgroundOf(c, false, true) == c.backFocus && BackgroundOf(c, false, false) == c.backOut);
  EXPECT_TRUE(TextColourOf(c, true) == c.foreIn && TextColourOf(c, false) == c.foreOut);
}

TEST(TickPress, OnlyAPressThatBeganOnTheBoxTogglesIt) {
  // Inputs: D down, I/O move in/out, U/u up in/out, C capture lost, S/s space down/up, F focus lost.
  struct Case {
    const char* inputs;
    int toggles;
    bool pressedAtEnd;
  };
  // clang-format off
  const Case cases[] = {
      {"DU", 1, false}, {"DUDU", 2, false},  // click; double click toggles twice
      {"DOu", 0, false}, {"DOIU", 1, false}, // released outside; dragged out and back in
      {"UI", 0, false}, {"DCU", 0, false},   // release without its press; capture lost
      {"SSs", 1, false}, {"s", 0, false},    // space bar with a repeat; space up alone
      {"SFs", 0, false}, {"DSs", 0, true},   // focus gone; space during a mouse press
  };
  // clang-format on
  for (const Case& c : cases) {
    TickPress press;
    int toggles = 0;
    for (const char* in = c.inputs; *in; ++in) {
      const bool before = press.pressed();
      const PressOutcome o = *in == 'D' ? press.ButtonDown() : *in == 'I' ? press.PointerMoved(true)
                           : *in == 'O' ? press.PointerMoved(false) : *in == 'U' ? press.ButtonUp(true)
                           : *in == 'u' ? press.ButtonUp(false) : *in == 'C' ? press.CaptureLost()
                           : *in == 'S' ? press.SpaceDown() : *in == 's' ? press.SpaceUp() : press.FocusLost();
      toggles += o.toggle;
      EXPECT_TRUE(o.repaint || (before == press.pressed() && !o.toggle)) << c.inputs;  // every change drawn
      EXPECT_EQ(o.takeCapture, *in == 'D') << c.inputs;
    }
    EXPECT_EQ(toggles, c.toggles) << c.inputs;
    EXPECT_EQ(press.pressed(), c.pressedAtEnd) << c.inputs;
  }
}

TEST(HoverState, LightsOnceOverAnActiveFlatButtonAndNeverForAPressFromElsewhere) {
  HoverState hover;
  EXPECT_FALSE(hover.PointerMoved(true, true, true).repaint);   // dragged in from elsewhere
  EXPECT_FALSE(hover.PointerMoved(false, true, false).repaint);  // program not active
  const HoverOutcome first = hover.PointerMoved(false, true, true);
  EXPECT_TRUE(first.repaint && first.trackLeave && hover.hovering());
  EXPECT_FALSE(hover.PointerMoved(false, true, true).repaint);  // once
  EXPECT_FALSE(hover.PointerMoved(true, true, true).repaint);   // a press keeps it
  EXPECT_TRUE(hover.PointerMoved(true, false, true).repaint && !hover.hovering());  // elsewhere
  EXPECT_FALSE(hover.End().repaint);
  hover.PointerMoved(false, true, true);
  EXPECT_TRUE(hover.End().repaint);
  hover.SetFlat(false);
  EXPECT_FALSE(hover.PointerMoved(false, true, true).repaint || hover.hovering());
}

}  // namespace
}  // namespace widgets
