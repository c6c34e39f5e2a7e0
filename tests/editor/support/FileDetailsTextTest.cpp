// Size and time texts of the file properties box.
#include <gtest/gtest.h>

#include <cstdint>

#include "editor/support/core/FileDetailsText.h"

using namespace support;

TEST(FileDetailsText, SizeTexts) {
  struct Case {
    std::uint64_t bytes;
    const char* text;
  };
  const Case cases[] = {
      {0, "0 Bytes (0)"},
      {500, "500 Bytes (500)"},
      {1023, "1023 Bytes (1023)"},
      {1024, "1 K Bytes (1024)"},
      {1536, "1.5 K Bytes (1536)"},
      {1048575, "1024 K Bytes (1048575)"},
      {10485760, "10 M Bytes (10485760)"},
      {5ull << 30, "1 G Bytes (1073741824)"},  // 5 GB: its low 32 bits
      {4294967295ull, "4 G Bytes (4294967295)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FileSizeText(static_cast<std::uint32_t>(c.bytes)), c.text) << c.bytes;
  }
  EXPECT_EQ(FormatByteSize(10 * 1048576 + 1048576 / 2), "10.5 M");
}

TEST(FileDetailsText, TimesOnATwelveHourClock) {
  struct Case {
    int hour, minute;
    const char* text;
  };
  const Case cases[] = {
      {0, 30, "Monday, January 5, 1998 - 12:30 AM"},
      {12, 5, "Monday, January 5, 1998 - 12:05 PM"},
      {13, 0, "Monday, January 5, 1998 - 1:00 PM"},
      {11, 59, "Monday, January 5, 1998 - 11:59 AM"},
      {23, 9, "Monday, January 5, 1998 - 11:09 PM"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatFileTime({1998, 1, 1, 5, c.hour, c.minute}), c.text);
  }
  EXPECT_EQ(FormatFileTime({2026, 12, 6, 26, 9, 5}), "Saturday, December 26, 2026 - 9:05 AM");
  EXPECT_EQ(FormatFileTime({1998, 13, 1, 5, 0, 0}), "");
  EXPECT_EQ(FormatFileTime({1998, 1, 7, 5, 0, 0}), "");
}
