#include "chartcontrol/core/SeriesData.h"

#include <gtest/gtest.h>

#include <cmath>

namespace chartcontrol {

TEST(SeriesDataTest, SharedLayoutGivesEverySeriesTheCountAndXValuesOfSeriesOne) {
  SeriesData data;
  ASSERT_TRUE(data.SetSeriesCount(3));
  ASSERT_TRUE(data.SetPointCount(1, 4));
  EXPECT_EQ(data.PointCount(2), 4);
  EXPECT_EQ(data.PointCount(3), 4);
  ASSERT_TRUE(data.SetX(1, 2, 7.5));
  ASSERT_TRUE(data.SetY(3, 2, -1.0));
  EXPECT_EQ(data.X(3, 2), 7.5);
  const SeriesData::View v = data.SeriesView(3);
  ASSERT_EQ(v.count, 4u);
  ASSERT_GE(v.xSize, 2u);
  EXPECT_EQ(v.x[1], 7.5);
  EXPECT_EQ(v.y[1], -1.0);
  // Made but never written: no value, and nothing allocated for series 2.
  EXPECT_TRUE(std::isnan(data.Y(3, 1)));
  EXPECT_FALSE(data.IsWritten(3, 1));
  EXPECT_EQ(data.SeriesView(2).ySize, 0u);
  EXPECT_TRUE(data.HasDrawablePoint(3));
  EXPECT_FALSE(data.HasDrawablePoint(2));
  // Slots beyond the count or series beyond the count do not exist.
  EXPECT_FALSE(data.SetY(3, 5, 1.0));
  EXPECT_FALSE(data.SetY(4, 1, 1.0));
  EXPECT_FALSE(data.SetY(1, 0, 1.0));
  EXPECT_FALSE(data.SetPointCount(1, -1));
  EXPECT_FALSE(data.SetSeriesCount(SeriesData::kMaxSeries + 1));
}

TEST(SeriesDataTest, LoweringCountsDropsValuesSoRaisingThemAgainGivesEmptySlots) {
  SeriesData data;
  data.SetSeriesCount(2);
  data.SetPointCount(1, 3);
  for (int p = 1; p <= 3; ++p) {
    data.SetX(1, p, p);
    data.SetY(2, p, 10.0 * p);
  }
  data.SetPointCount(1, 1);
  data.SetSeriesCount(1);
  data.SetSeriesCount(2);
  data.SetPointCount(1, 3);
  EXPECT_EQ(data.X(1, 1), 1.0);
  EXPECT_TRUE(std::isnan(data.X(1, 2)));
  EXPECT_TRUE(std::isnan(data.Y(2, 1)));
  EXPECT_FALSE(data.HasDrawablePoint(2));
}

TEST(SeriesDataTest, OwnLayoutKeepsCountsAndXValuesPerSeries) {
  SeriesData data;
  data.SetLayoutCode(2);
  data.SetSeriesCount(2);
  data.SetPointCount(1, 2);
  data.SetPointCount(2, 5);
  EXPECT_EQ(data.PointCount(1), 2);
  EXPECT_EQ(data.PointCount(2), 5);
  data.SetX(2, 5, 3.0);
  EXPECT_TRUE(std::isnan(data.X(1, 1)));
  EXPECT_EQ(data.X(2, 5), 3.0);
  // Back to the shared layout: series 1's count speaks for all.
  data.SetLayoutCode(1);
  EXPECT_EQ(data.PointCount(2), 2);
  EXPECT_TRUE(std::isnan(data.X(2, 5)));
}

TEST(SeriesDataTest, LabelsMayComeBeforeTheirSeriesAndGoWhenTheCountDropsBelowThem) {
  SeriesData data;
  data.SetSeriesCount(1);
  EXPECT_TRUE(data.SetLabel(3, "third"));  // a builder names curves before raising the count
  EXPECT_TRUE(data.SetLabel(1, "first"));
  EXPECT_TRUE(data.SetLabel(1, "replaced"));
  EXPECT_EQ(*data.Label(1), "replaced");
  EXPECT_EQ(data.LabelCount(), 2);
  data.SetSeriesCount(5);
  ASSERT_NE(data.Label(3), nullptr);
  data.SetSeriesCount(2);
  EXPECT_EQ(data.Label(3), nullptr);
  EXPECT_EQ(data.LabelCount(), 1);
  EXPECT_FALSE(data.SetLabel(0, "none"));
  data.ClearLabels();
  EXPECT_EQ(data.Label(1), nullptr);
}

}  // namespace chartcontrol
