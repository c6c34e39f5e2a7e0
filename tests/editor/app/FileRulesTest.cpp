// Document size limits, backup names, titles and the Open dialog's filter list.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "editor/app/core/FileRules.h"
#include "editor/app/core/FilterSlots.h"
#include "editor/app/core/OpenFilter.h"

using namespace editor;

namespace {

using namespace std::string_literals;

TEST(FileRules, SizesAreCheckedIn64Bits) {
  EXPECT_FALSE(FileTooLargeToLoad(10485758));  // the largest file that loads
  EXPECT_TRUE(FileTooLargeToLoad(10485759));
  EXPECT_TRUE(FileTooLargeToLoad(0x100000005ull));  // 5 bytes once cut to 32 bits
  EXPECT_TRUE(FileTooLargeToLoad(UINT64_MAX));
  EXPECT_FALSE(InsertWouldExceedLimit(10485757, 1));
  EXPECT_TRUE(InsertWouldExceedLimit(10485758, 1));
  EXPECT_TRUE(InsertWouldExceedLimit(1, UINT64_MAX));  // the sum would wrap to 0
  EXPECT_TRUE(InsertWouldExceedLimit(0, 0x100000000ull));
}

TEST(FileRules, BackupNamesAndOwnBackups) {
  // clang-format off
  const struct { const char* path; const char* backup; bool own; } cases[] = {
    {"c:\\docs\\notes.txt",   "c:\\docs\\notes.bak",      false},
    {"c:\\docs\\README",      "c:\\docs\\README.bak",     false},
    {"c:\\my.dir\\README",    "c:\\my.dir\\README.bak",   false},  // a folder's dot is no extension
    {"c:archive.tar.gz",      "c:archive.tar.bak",        false},
    {"notes.bak",             "notes.bak",                true},
    {"C:\\DOCS\\NOTES.BAK",   "C:\\DOCS\\NOTES.bak",      true},
    {"notes.bak.txt",         "notes.bak.bak",            false},
  };
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(BackupName(c.path), c.backup) << c.path;
    EXPECT_EQ(IsOwnBackup(c.path), c.own) << c.path;
  }
  EXPECT_EQ(TitleToFileName("c:\\a*.txt**"), "c:\\a*.txt*");  // only the one mark goes
  EXPECT_EQ(TitleToFileName(""), "");
}

TEST(OpenFilter, SlotsJoinedWithAllFilesOrTheFallback) {
  const std::string_view slots[] = {"Text|*.txt|", "", "C|*.c;*.h|"};
  EXPECT_EQ(JoinOpenFilter(slots, 3, "X|*.x|"), "Text\0*.txt\0C\0*.c;*.h\0All Files\0*.*\0\0"s);
  const std::string_view empty[] = {"", ""};
  EXPECT_EQ(JoinOpenFilter(empty, 2, "X#*.x#"), "X\0*.x\0\0"s);  // the last character separates
  EXPECT_EQ(JoinOpenFilter(empty, 2, ""), "");
}

TEST(FilterSlots, SplitCleanAndJoinWithinTheSlot) {
  // clang-format off
  const struct { const char* slot; const char* description; const char* patterns; } cases[] = {
    {"Text|*.txt,*.log|", "Text", "*.txt;*.log"},
    {"Text|*.txt|junk|",  "Text", "*.txt"},
    {"No bars",           "No bars", ""},
    {"D|p",               "D", "p"},
  };
  // clang-format on
  for (const auto& c : cases) {
    const FilterParts parts = SplitFilterSlot(c.slot);
    EXPECT_EQ(parts.description, c.description) << c.slot;
    EXPECT_EQ(parts.patterns, c.patterns) << c.slot;
  }
  EXPECT_EQ(JoinFilterSlot(CleanFilterDescription("a|b|"), CleanFilterPatterns("*.a,*.b|")), "ab|*.a;*.b|");
  // Too long for the slot: still a filter that ends in its separator.
  const std::string joined = JoinFilterSlot(std::string(100, 'd'), std::string(200, 'p'));
  EXPECT_EQ(joined.size(), kFilterSlotLimit);
  EXPECT_EQ(joined.substr(99, 3) + joined.back(), "d|p|");
}

}  // namespace
