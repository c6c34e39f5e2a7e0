// Size and time texts of the file properties box.
#include <gtest/gtest.h>

#include <cstdint>

#include "editor/support/core/FileDetailsText.h"

using namespace support;

TEST(FileDetailsText, SizeTexts) {
  const std::pair<std::uint64_t, const char*> cases[] = {
      {0, "0 Bytes (0)"},          {1023, "1023 Bytes (1023)"},       {1024, "1 K Bytes (1024)"},
      {1536, "1.5 K Bytes (1536)"}, {1048575, "1024 K Bytes (1048575)"}, {10485760, "10 M Bytes (10485760)"},
      {11010048, "10.5 M Bytes (11010048)"},
      {5ull << 30, "1 G Bytes (1073741824)"},  // 5 GB: its low 32 bits
      {4294967295ull, "4 G Bytes (4294967295)"}};
  for (const auto& [bytes, text] : cases) EXPECT_EQ(FileSizeText(static_cast<std::uint32_t>(bytes)), text) << bytes;
}

TEST(FileDetailsText, TimesOnATwelveHourClock) {
  const std::pair<CalendarFields, const char*> cases[] = {
      {{1998, 1, 1, 5, 0, 30}, "Monday, January 5, 1998 - 12:30 AM"},
      {{1998, 1, 1, 5, 12, 5}, "Monday, January 5, 1998 - 12:05 PM"},
      {{1998, 1, 1, 5, 13, 0}, "Monday, January 5, 1998 - 1:00 PM"},
      {{1998, 1, 1, 5, 11, 59}, "Monday, January 5, 1998 - 11:59 AM"},
      {{2026, 12, 6, 26, 23, 9}, "Saturday, December 26, 2026 - 11:09 PM"},
      {{1998, 13, 1, 5, 0, 0}, ""}, {{1998, 1, 7, 5, 0, 0}, ""}};  // fields out of range
  for (const auto& [fields, text] : cases) EXPECT_EQ(FormatFileTime(fields), text);
}
