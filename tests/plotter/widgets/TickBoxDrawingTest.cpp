#include "TickBoxDrawing.h"

#include <gtest/gtest.h>

namespace {

TEST(TickColoursTest, MixtureIsHalfwayPerChannelTruncatingTowardsTheFirst) {
  EXPECT_EQ(MixHalfway(RGB(212, 208, 200), RGB(128, 128, 128)), RGB(170, 168, 164));
  EXPECT_EQ(MixHalfway(RGB(0, 0, 0), RGB(255, 255, 255)), RGB(127, 127, 127));
  // The halving truncates towards zero, so going down ends nearer the first colour.
  EXPECT_EQ(MixHalfway(RGB(255, 255, 255), RGB(0, 0, 0)), RGB(128, 128, 128));
  EXPECT_EQ(MixHalfway(RGB(10, 20, 30), RGB(11, 19, 30)), RGB(10, 20, 30));
}

TEST(TickColoursTest, MixturesSitBetweenFaceAndShadowAndBetweenShadowAndDark) {
  const TickColours c = MakeTickColours(RGB(255, 255, 255), RGB(227, 227, 227),
                                        RGB(240, 240, 240), RGB(160, 160, 160), RGB(105, 105, 105));
  EXPECT_EQ(c.faceShadow, RGB(200, 200, 200));
  EXPECT_EQ(c.shadowDark, RGB(133, 133, 133));  // 160 + (-55 / 2) = 160 - 27
  EXPECT_EQ(c.face, RGB(240, 240, 240));
  EXPECT_EQ(c.dark, RGB(105, 105, 105));
}

TEST(TickGeometryTest, BoxAndTextAreCentredWithTheHalvingTruncated) {
  EXPECT_EQ(BoxTop(16), 1);
  EXPECT_EQ(BoxTop(15), 0);
  EXPECT_EQ(BoxTop(20), 3);
  EXPECT_EQ(TextTop(16, 13), 0);
  EXPECT_EQ(TextTop(20, 13), 2);
  EXPECT_EQ(TextTop(9, 13), -3);  // (-4 / 2) - 1
}

}  // namespace
