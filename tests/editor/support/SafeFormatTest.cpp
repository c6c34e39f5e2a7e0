// Formatting with typed arguments: C-library results for sound calls, nothing worse than an
// odd text for unsound ones, and a bounded result.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "editor/support/core/SafeFormat.h"

using namespace support;

namespace {
std::string Format(const char* format, FormatArgs args, std::size_t max = 511) {
  return FormatText(format, args, max);
}
}  // namespace

TEST(SafeFormat, MatchesTheCLibraryForSoundCalls) {
  EXPECT_EQ(Format("File: %s\r\rCode %d", {"c:\\a.txt", 5}), "File: c:\\a.txt\r\rCode 5");
  EXPECT_EQ(Format("%5d|%-5d|%05d|%*d", {42, 42, 42, 3, 7}), "   42|42   |00042|  7");
  EXPECT_EQ(Format("%x %o %.3s %c %.1e 100%%", {255, 8, "abcdef", 'k', 12345.0}), "ff 10 abc k 1.2e+04 100%");
  EXPECT_EQ(Format("%ld %I64d", {1L, std::int64_t{3}}), "1 3");
  // 32-bit arguments keep their width, as through a varargs call.
  EXPECT_EQ(Format("%u %d", {-13, 0xFFFFFFF3u}), "4294967283 -13");
  EXPECT_EQ(Format("%d", {std::size_t{4098}}), "4098");
  enum Edge { kLeft, kTop };
  EXPECT_EQ(Format("%d", {kTop}), "1");
}

TEST(SafeFormat, ArgumentsAreSubstitutedNotInterpreted) {
  EXPECT_EQ(Format("File: %s\r\rFile not found.", {"c:\\100%s%d%n.txt"}), "File: c:\\100%s%d%n.txt\r\rFile not found.");
}

TEST(SafeFormat, UnsoundCallsNeitherCrashNorWrite) {
  EXPECT_EQ(Format("%s and %d", {}), " and ");  // missing arguments print nothing
  EXPECT_EQ(Format("%d items [%s]", {"seven", 12}), "seven items [12]");
  EXPECT_EQ(Format("[%s]", {static_cast<const char*>(nullptr)}), "[]");
  EXPECT_EQ(Format("a%nb", {1}), "ab");  // %n writes nothing
  EXPECT_EQ(Format("%y|%c|ends %-0", {0}), "%y||ends %-0");
  EXPECT_EQ(Format(nullptr, {1}), "");
}

TEST(SafeFormat, OutputIsBounded) {
  EXPECT_EQ(Format("File: %s", {std::string(2000, 'x')}).size(), 511u);
  EXPECT_EQ(Format("%999999999d", {1}, 100).size(), 100u);  // huge widths are capped, not allocated
  char buffer[4];
  EXPECT_EQ(CopyText(buffer, sizeof buffer, "abcdef"), 3u);
  EXPECT_STREQ(buffer, "abc");
  EXPECT_EQ(CopyText(buffer, 0, "x"), 0u);
}
