// The Insert Date stamp and the Time Stamp page's sample from the four stamp options.
#include <gtest/gtest.h>

#include <tuple>

#include "editor/app/core/TimeStamp.h"

using namespace editor;

TEST(TimeStamp, PartsAndOrderFollowTheOptions) {
  std::tm now{};
  now.tm_year = 98;
  now.tm_mday = 5;
  now.tm_wday = 1;
  now.tm_hour = 15;
  now.tm_min = 7;
  support::IntlSettings intl;
  intl.s2359 = "PM";
  const std::tuple<int, int, int, int, const char*> cases[] = {
      // ShowDate, LongDate, ShowTime, DateFirst; stamp (the sample is the same)
      {1, 1, 1, 1, "Mon Jan 5 1998   3:07 PM"}, {1, 0, 1, 0, "3:07 PM  01 /05 /98 "},
      {1, 1, 0, 0, "Mon Jan 5 1998 "},           {0, 1, 1, 1, "3:07 PM"}, {0, 1, 0, 0, ""}};
  for (const auto& [showDate, longDate, showTime, dateFirst, stamp] : cases) {
    EditorState state;
    std::tie(state.ShowDate, state.LongDate, state.ShowTime, state.DateFirst) =
        std::tie(showDate, longDate, showTime, dateFirst);
    EXPECT_EQ(MakeTimeStamp(state, intl, now), stamp) << showDate << longDate << showTime << dateFirst;
    // With neither part switched on the page shows both in the chosen order.
    EXPECT_EQ(TimeStampSample(state, intl, now), *stamp ? stamp : "3:07 PM  Mon Jan 5 1998 ");
  }
}
