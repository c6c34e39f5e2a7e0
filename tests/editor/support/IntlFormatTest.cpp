// Regional date and time texts from [Intl] settings, and the token rules they split pictures by.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "editor/support/core/IntlFormat.h"
#include "editor/support/core/Tokens.h"

using namespace support;

namespace {
std::tm Calendar(int year, int month, int day, int hour, int minute) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = 12;
  std::mktime(&t);  // fills in the weekday
  t.tm_hour = hour;
  t.tm_min = minute;
  return t;
}
}  // namespace

TEST(IntlFormat, TimeTexts) {
  const std::tuple<IntlSettings, int, int, const char*> cases[] = {
      // iTime, iTLZero, sTime, s1159, s2359; hour, minute; text
      {{0, 0, ":", "", ""}, 15, 7, "3:07"},  // defaults: no suffixes
      {{0, 0, ":", "", "PM"}, 15, 7, "3:07 PM"},     {{0, 1, ":", "", "PM"}, 15, 7, "03:07 PM"},
      {{0, 0, ":", "AM", "PM"}, 9, 5, "9:05 AM"},    {{0, 0, ":", "AM", "PM"}, 0, 30, "12:30 AM"},
      {{0, 0, ":", "AM", "PM"}, 12, 5, "12:05 PM"},  {{1, 0, ":", "", ""}, 9, 5, "9:05"},
      {{1, 1, ":", "", ""}, 9, 5, "09:05"},          {{1, 0, ".", "AM", "h"}, 9, 5, "9.05 h"},  // s2359 all day
      {{1, 0, "%Y%", "", "100%"}, 21, 45, "21%Y%45 100%"},  // separators are text, never formats
  };
  for (const auto& [intl, hour, minute, text] : cases) {
    EXPECT_EQ(FormatTimeText(intl, Calendar(1998, 1, 5, hour, minute)), text) << text;
  }
}

TEST(IntlFormat, DatePictures) {
  struct Case {
    bool longDate;
    const char *picture, *sDate;
    int year, month, day;
    const char* expected;
  };
  const Case cases[] = {
      {true, "ddd, mmm d, yyyy", "/", 1998, 1, 5, "Mon Jan 5 1998 "},  // the defaults
      {false, "mm/dd/yy", "/", 1998, 1, 5, "01 /05 /98 "},
      {true, "dddd, MMMM dd, yyyy", "/", 1996, 9, 30, "Monday September 30 1996 "},
      {true, "d 'of' MMMM yyyy", "/", 1998, 1, 5, "5 ofJanuary 1998 "},
      {true, "ddddd mmmmm m yy y yyyyy", "/", 2009, 3, 7, "7 3 3 09 09 09 "},
      {false, "yyyy-mm-dd", "-", 1998, 1, 5, "1998 -01 -05 "},
      {false, "dd.mm-yy", ".-", 1998, 1, 5, "05 .-01 .-98 "},  // each character splits
      {false, "//d/x//M/", "/", 1998, 11, 5, "5 /x/11 "},
      {false, "mm/dd/yy", "", 1998, 1, 5, "1 "},  // no separator: one token
      {true, "", "/", 1998, 1, 5, ""},
  };
  for (const Case& c : cases) {
    IntlSettings intl;
    (c.longDate ? intl.sLongDate : intl.sShortDate) = c.picture;
    intl.sDate = c.sDate;
    EXPECT_EQ(FormatDateText(intl, Calendar(c.year, c.month, c.day, 12, 0), c.longDate), c.expected) << c.picture;
  }
}

TEST(IntlFormat, LongSettingsAreCutNeverOverrun) {
  const std::tm day = Calendar(1996, 9, 30, 23, 59);
  IntlSettings intl;
  intl.sLongDate = "dddd mmmm dddd mmmm dddd mmmm dddd mmmm dddd mmmm dddd mmmm dddd mmmm dddd mmmm dd";
  intl.sShortDate = std::string(300, 'd');
  intl.sDate = std::string(300, '-');
  intl.sTime = std::string(400, ':');
  intl.s2359 = std::string(400, 'P');
  std::string eightTimes;  // the picture is read up to its 80th character
  for (int i = 0; i < 8; ++i) eightTimes += "Monday September ";
  EXPECT_EQ(FormatDateText(intl, day, true), eightTimes);
  EXPECT_EQ(FormatDateText(intl, day, false), "30 ");  // an 80-letter token of "d"
  intl.sShortDate = "d-d-d-d-d-d-d-d";
  EXPECT_EQ(FormatDateText(intl, day, false).size(), kIntlResultLength);
  EXPECT_EQ(FormatTimeText(intl, day).size(), kIntlResultLength);
  std::tm broken = day;
  broken.tm_mon = 12;
  EXPECT_EQ(FormatDateText(intl, broken, true) + FormatTimeText(intl, broken), "");
}

TEST(IntlFormat, TokensFollowStrtok) {
  for (const char* text : {"ddd, mmm d, yyyy", ",, a,b ,,c,,", "", ",,,", "abc", "a'b'c d"}) {
    for (const char* delimiters : {"', ", ",", "", "xyz"}) {
      std::vector<char> ours(text, text + std::strlen(text) + 1), theirs = ours;
      std::vector<std::string> expected, actual;
      for (char* t = std::strtok(theirs.data(), delimiters); t; t = std::strtok(nullptr, delimiters))
        expected.push_back(t);
      for (char* t = NextToken(ours.data(), delimiters); t; t = NextToken(nullptr, delimiters)) actual.push_back(t);
      EXPECT_EQ(actual, expected) << "'" << text << "' by '" << delimiters << "'";
      EXPECT_EQ(ours, theirs);  // terminators written in the same places
    }
  }
  EXPECT_EQ(NextToken(nullptr, ","), nullptr);  // an exhausted text stays exhausted
}
