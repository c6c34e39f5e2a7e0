// The main window's arithmetic without a window: the clock, the anchored band, plot steps, the
// about box's stars and scrolling.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "plotter/app/core/AboutAnimation.h"
#include "plotter/app/core/AnchorLayout.h"
#include "plotter/app/core/ClockText.h"
#include "plotter/app/core/PlotSteps.h"

namespace plotter {
namespace {

TEST(ClockText, LeadingZerosBelowTenAndFixedBlanks) {
  EXPECT_EQ(FormatClockLine({2026, 12, 6, 3, 46, 59}), " 06.12.2026   03:46:59 ");
  EXPECT_EQ(FormatClockLine({2027, 1, 9, 0, 0, 5}), " 09.01.2027   00:00:05 ");
  EXPECT_EQ(FormatClockLine({1999, 10, 31, 23, 59, 10}), " 31.10.1999   23:59:10 ");
}

TEST(AnchorLayout, EachModeMovesItsEdgesAsTheWindowGrowsAndShrinks) {
  const Rect r{10, 20, 50, 40};
  const auto moved = [&](int h, int v, int dx, int dy) {
    return AnchoredRect(MakeAnchor(1, h, v, r, 1, 200, 100), dx, dy, 200 + dx, 100 + dy);
  };
  EXPECT_EQ(moved(kKeepPlace, kKeepPlace, 30, 15), r);
  EXPECT_EQ(moved(kGrow, kMove, 30, 15), (Rect{10, 35, 80, 55}));
  EXPECT_EQ(moved(kMove, kGrow, -5, -8), (Rect{5, 20, 45, 32}));
  // Proportional: the left (top) edge keeps its share of the free width (height), rounded.
  EXPECT_EQ(moved(kProportional, kProportional, 168, 62), (Rect{21, 36, 61, 56}));  // 20.5, 35.5
}

TEST(AnchorLayout, OnlyControlsWhosePlaceChangesAreMovedAndTheirPlaceIsKept) {
  std::vector<Anchor> anchors = {MakeAnchor(7, kKeepPlace, kKeepPlace, {0, 0, 5, 5}, 1, 100, 50),
                                 MakeAnchor(8, kMove, kMove, {60, 30, 70, 40}, 1, 100, 50),
                                 MakeAnchor(9, kGrow, kKeepPlace, {0, 45, 90, 50}, 1, 100, 50)};
  std::vector<AnchorMove> moves = LayOutAnchors(anchors, 20, 10, 120, 60);
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[0].id, 8);
  EXPECT_EQ(moves[0].rect, (Rect{80, 40, 90, 50}));
  EXPECT_EQ(moves[1].rect, (Rect{0, 45, 110, 50}));
  // The next layout starts from there: the same size again moves nothing.
  EXPECT_TRUE(LayOutAnchors(anchors, 0, 0, 120, 60).empty());
  EXPECT_EQ(LayOutAnchors(anchors, -20, -10, 100, 50)[0].rect, (Rect{60, 30, 70, 40}));
}

TEST(AnchorLayout, WindowNeverShrinksBelowItsStartAndAKeptDirectionIsFixed) {
  const TrackingLimits grows = LimitsOfTracking(800, 600, kGrow, kGrow);
  EXPECT_EQ(grows.minWidth, 800);
  EXPECT_EQ(grows.minHeight, 600);
  EXPECT_EQ(grows.maxWidth + grows.maxHeight, 0);
  const TrackingLimits fixedWidth = LimitsOfTracking(800, 600, kKeepPlace, kGrow);
  EXPECT_EQ(fixedWidth.maxWidth, 800);
  EXPECT_EQ(fixedWidth.maxHeight, 0);
}

TEST(PlotSteps, StepsWrapRoundAndFindTheBlockThatStartsEachPlot) {
  EXPECT_EQ(SteppedPlotNumber(1, 3, +1), 2);
  EXPECT_EQ(SteppedPlotNumber(3, 3, +1), 1);
  EXPECT_EQ(SteppedPlotNumber(1, 3, -1), 3);
  EXPECT_EQ(SteppedPlotNumber(2, 3, -1), 1);
  EXPECT_EQ(SteppedPlotNumber(0, 3, +1), 0);  // nothing loaded

  spectrum::SpectrumSet set;
  set.blocks.resize(7);
  const int plotNumbers[] = {1, 0, 0, -2, 3, 0, 4};  // block 6 lies beyond blockCount
  for (int b = 0; b < 7; ++b) set.blocks[static_cast<size_t>(b)].plotNumber = plotNumbers[b];
  set.blockCount = 6;
  EXPECT_EQ(FirstBlockOfPlot(set, 1), 0);
  EXPECT_EQ(FirstBlockOfPlot(set, 2), 3);
  EXPECT_EQ(FirstBlockOfPlot(set, 3), 4);
  EXPECT_EQ(FirstBlockOfPlot(set, 4), -1);
  EXPECT_EQ(PlotCounterText(2, 13), "2/13");
}

TEST(PlotSteps, TheChartTakesTheAreaAboveTheBandAndNothingOfATinyWindow) {
  EXPECT_EQ(ChartArea(800, 500), (Rect{0, 0, 800, 410}));
  EXPECT_EQ(ChartArea(800, 60), (Rect{0, 0, 800, 0}));
}

struct PlottedPixel {
  int x, y;
  StarColour colour;
};

// One step of a 200 x 100 picture whose random draws repeat `cycle`; `draws` counts them.
std::vector<PlottedPixel> Step(StarField& stars, int& draws, const std::vector<int>& cycle) {
  std::vector<PlottedPixel> pixels;
  StepStars(stars, 200, 100, [&] { return cycle[static_cast<size_t>(draws++) % cycle.size()]; },
            [&](int x, int y, StarColour c) { pixels.push_back({x, y, c}); });
  return pixels;
}

TEST(AboutStars, FirstStepPlacesEveryStarFarAwayAndEachFliesOutwardsUntilPlacedAnew) {
  StarField stars{};
  int draws = 0;
  // x = 101 + 101 - 200 = 2, y = 51 + 51 - 100 = 2; star 0 at depth 99: (100 + 400 / 99,
  // 50 + 200 / 99), brightness 250 - 99 = 151 as (201, 151, 151).
  std::vector<PlottedPixel> pixels = Step(stars, draws, {101, 101, 51, 51});
  EXPECT_TRUE(draws == 4 * kStarCount && stars[99].z == 198);
  ASSERT_EQ(pixels.size(), 100u);
  EXPECT_TRUE(pixels[0].x == 104 && pixels[0].y == 52 && pixels[0].colour == (StarColour{201, 151, 151}));
  for (int step = 0; step < 49; ++step) pixels = Step(stars, draws, {101, 101, 51, 51});
  EXPECT_TRUE(pixels[0].x == 108 && pixels[0].y == 54);  // depth 50: further out, still one pixel

  // At the centre: star 0 brightens each step, is a cross of grey neighbours below depth 50, and
  // alone is placed anew after 99 steps.
  stars = StarField{};
  draws = 0;
  int light = 0, steps = 1;
  for (Step(stars, draws, {100, 100, 50, 50}); draws == 4 * kStarCount; ++steps) {
    pixels = Step(stars, draws, {100, 100, 50, 50});
    if (draws != 4 * kStarCount) break;
    EXPECT_GT(pixels[0].colour.green, light);
    light = pixels[0].colour.green;
    const auto grey = static_cast<uint8_t>(light);
    EXPECT_EQ(pixels[1].x == 99 && pixels[1].colour == (StarColour{grey, grey, grey}), stars[0].z < 50);
  }
  EXPECT_TRUE(steps == 99 && draws == 4 * kStarCount + 4);
}

TEST(AboutStars, NoPixelLeavesThePicture) {
  StarField stars{};
  std::srand(12345);
  for (int step = 0; step < 600; ++step)
    StepStars(stars, 270, 150, [] { return std::rand(); }, [](int x, int y, StarColour) {
      ASSERT_TRUE(x >= 0 && x < 270 && y >= 0 && y < 150) << x << "," << y;
    });
  StepStars(stars, 0, 150, [] { return 1; }, [](int, int, StarColour) { FAIL(); });
}

TEST(AboutScroll, TextRunsFrom250To270AboveAndStartsAgainWithColoursModulo256) {
  int offset = kScrollStart, steps = 0;
  do offset = NextScrollOffset(offset), ++steps;
  while (offset != kScrollStart && steps < 1000);
  EXPECT_EQ(steps, 521);  // 250 ... -270
  const AboutLinePlace first = PlaceOfAboutLine(0, -1);  // low byte 255: 355 wraps to 99
  EXPECT_TRUE(first.x == 85 && first.y == -1 && first.colour == (StarColour{99, 99, 0}));
  const AboutLinePlace third = PlaceOfAboutLine(2, 10);  // 10 - 96 wraps to 170
  EXPECT_TRUE(third.x == 5 && third.y == 90 && third.colour == (StarColour{0, 170, 190}));
  EXPECT_TRUE(PlaceOfAboutLine(8, 250).y == 505 && LogoTop(250) == 160);
}

}  // namespace
}  // namespace plotter
