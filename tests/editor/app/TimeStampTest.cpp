// The Insert Date stamp and the Time Stamp page's sample from the four stamp options.
#include <gtest/gtest.h>

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
  struct Case {
    int showDate, longDate, showTime, dateFirst;
    const char *stamp, *sample;
  };
  const Case cases[] = {
      {1, 1, 1, 1, "Mon Jan 5 1998   3:07 PM", "Mon Jan 5 1998   3:07 PM"},
      {1, 0, 1, 0, "3:07 PM  01 /05 /98 ", "3:07 PM  01 /05 /98 "},
      {1, 1, 0, 0, "Mon Jan 5 1998 ", "Mon Jan 5 1998 "},
      {0, 1, 1, 1, "3:07 PM", "3:07 PM"},
      {0, 1, 0, 0, "", "3:07 PM  Mon Jan 5 1998 "},  // the page shows both when neither is on
  };
  for (const Case& c : cases) {
    EditorState state;
    state.ShowDate = c.showDate;
    state.LongDate = c.longDate;
    state.ShowTime = c.showTime;
    state.DateFirst = c.dateFirst;
    EXPECT_EQ(MakeTimeStamp(state, intl, now), c.stamp) << c.showDate << c.longDate << c.showTime << c.dateFirst;
    EXPECT_EQ(TimeStampSample(state, intl, now), c.sample) << c.showDate << c.longDate << c.showTime << c.dateFirst;
  }
}
