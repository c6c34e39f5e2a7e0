// Keeping remembered positions on the screen, the taskbar correction and centring.
#include <gtest/gtest.h>

#include <climits>

#include "editor/support/core/Placement.h"

using namespace support;

namespace {
PlacementRecord At(int top, int left) { return PlacementRecord{top, left, 300, 400, 3}; }
}  // namespace

TEST(Placement, ClampAgainstTheScreen) {
  const ScreenBounds screen{10, 20, 1290, 1044};
  const struct {
    int top, left, wantTop, wantLeft;
  } kCases[] = {
      {16, 10, 16, 10},             // top - 4 stays
      {15, 10, 20, 10},             // top - 5 goes to the top
      {100, 9, 100, 10},            // left - 1 goes to the left edge
      {1009, 1255, 1009, 1255},     // 35 pixels still on the screen
      {5000, 9000, 1009, 1255},
      {INT_MIN, INT_MAX, 20, 1255},  // any stored pattern, no overflow
  };
  for (const auto& c : kCases) {
    PlacementRecord r = At(c.top, c.left);
    ClampPlacement(r, screen);
    EXPECT_EQ(r.top, c.wantTop) << c.top << "," << c.left;
    EXPECT_EQ(r.left, c.wantLeft) << c.top << "," << c.left;
    EXPECT_EQ(r.height + r.width + r.show, 703);  // only the corner moves
  }
}

TEST(Placement, TaskbarEdgeAndCorrection) {
  EXPECT_EQ(ClassifyTaskbarEdge({0, 994, 1280, 1024}), kTaskbarBottom);
  EXPECT_EQ(ClassifyTaskbarEdge({-2, -2, 1282, 30}), kTaskbarTop);
  EXPECT_EQ(ClassifyTaskbarEdge({0, 0, 30, 1024}), kTaskbarLeft);
  EXPECT_EQ(ClassifyTaskbarEdge({1250, 0, 1280, 1024}), kTaskbarRight);

  PlacementRecord r = At(50, 100);
  CorrectForTaskbar(r, kTaskbarLeft, {0, 0, 30, 1024}, false);
  EXPECT_EQ(r.left, 128);  // 100 + 30 - 2
  EXPECT_EQ(r.top, 50);
  r = At(50, 100);
  CorrectForTaskbar(r, kTaskbarTop, {0, 0, 1280, 28}, false);
  EXPECT_EQ(r.top, 76);
  for (TaskbarEdge edge : {kTaskbarRight, kTaskbarBottom}) {
    r = At(50, 100);
    CorrectForTaskbar(r, edge, {1250, 0, 1280, 1024}, false);
    EXPECT_EQ(r.left, 100);
  }
  r = At(50, 100);
  CorrectForTaskbar(r, kTaskbarLeft, {0, 0, 30, 1024}, true);  // auto-hide takes no room
  EXPECT_EQ(r.left, 100);
}

TEST(Placement, CentringHalvesDownwardsFromTheScreensOrigin) {
  const ScreenPoint p = CenteredOrigin({0, 0, 1280, 1024}, 441, 185);
  EXPECT_EQ(p.x, 419);  // 419.5
  EXPECT_EQ(p.y, 419);
  const ScreenPoint big = CenteredOrigin({0, 0, 1280, 1024}, 1281, 1027);
  EXPECT_EQ(big.x, -1);  // -0.5 rounds down, as an arithmetic shift does
  EXPECT_EQ(big.y, -2);  // -1.5
  const ScreenPoint shifted = CenteredOrigin({100, 100, 1380, 1124}, 440, 184);
  EXPECT_EQ(shifted.x, 420);
}
