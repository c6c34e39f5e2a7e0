// The look of the image buttons and tick boxes without a window: places, edges and colours.
#include <gtest/gtest.h>

#include "plotter/widgets/core/ImageButtonLayout.h"
#include "plotter/widgets/core/TickBoxLook.h"

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

}  // namespace
}  // namespace widgets
