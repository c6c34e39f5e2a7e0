// Sort Selection and the case commands on plain texts: refusals, order, whole lines of any
// length, line ends, and the counts and status texts.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "editor/app/core/CaseConversion.h"
#include "editor/app/core/SortLines.h"
#include "resources/quillet_ids.h"

using namespace editor;

namespace {

int ByteOrder(std::string_view a, std::string_view b) { return a.compare(b); }

int IgnoringCase(std::string_view a, std::string_view b) {
  std::string la(a), lb(b);
  for (std::string* s : {&la, &lb})
    for (char& c : *s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return la.compare(lb);
}

std::string Sorted(std::string_view text, bool ascending, const LineComparison& compare = ByteOrder,
                   const SortKeyMaker& key = nullptr) {
  std::string result;
  EXPECT_TRUE(SortTextLines(text, compare, key, ascending, result));
  return result;
}

}  // namespace

TEST(SortSelection, RefusesPartialAndSingleLines) {
  const std::tuple<const char*, bool, bool> cases[] = {
      // selection, starts a line, refused
      {"b\r\na\r\nc\r\n", true, false}, {"\r\n\r\n", true, false},  // two empty lines are two lines
      {"b\r\na\r\nc", true, true},      {"b\r\na\r\nc\r\n", false, true},
      {"b\r\n", true, true},            {"", true, true}};
  for (const auto& [selection, startsLine, refused] : cases) {
    EXPECT_EQ(SortSelectionRefusal(selection, startsLine), refused ? IDS_SORT_PARTIAL_LINES : 0) << selection;
  }
  EXPECT_EQ(CountSelectedLines("b\r\na\r\nc\r\n"), 3u);
}

TEST(SortSelection, OrdersWholeLinesBothWays) {
  EXPECT_EQ(Sorted("b\r\na\r\nc\r\n", true), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(Sorted("b\r\na\r\nc\r\n", false), "c\r\nb\r\na\r\n");
  // Apple before apple by case; equal lines when case is ignored keep their order either way.
  EXPECT_EQ(Sorted("apple\r\nApple\r\n", true), "Apple\r\napple\r\n");
  EXPECT_EQ(Sorted("apple\r\nb\r\nApple\r\n", true, IgnoringCase), "apple\r\nApple\r\nb\r\n");
  EXPECT_EQ(Sorted("apple\r\nb\r\nApple\r\n", false, IgnoringCase), "b\r\napple\r\nApple\r\n");
  std::string apples, expected, bees;  // a set large enough for an unstable sort to show
  for (int i = 0; i < 200; ++i) {
    std::string line = i % 3 ? "apple\n" : "b\n";
    for (int bit = 0; bit < 5; ++bit) {
      if (i % 3 && ((i * 7 + 3) >> bit) & 1) line[bit] = static_cast<char>(line[bit] - 32);
    }
    apples += line;
    (i % 3 ? expected : bees) += line;
  }
  EXPECT_EQ(Sorted(apples, true, IgnoringCase), expected + bees);
  // Sort keys made by the caller order the lines as the keys compare.
  const auto reversed = [](std::string_view line) { return std::string(line.rbegin(), line.rend()); };
  EXPECT_EQ(Sorted("ab\nba\ncc\n", true, nullptr, reversed), "ba\nab\ncc\n");
  EXPECT_EQ(Sorted("ab\nba\ncc\n", false, nullptr, reversed), "cc\nab\nba\n");
  // A shorter line sorts before a longer one it begins (line ends take no part).
  EXPECT_EQ(Sorted("a\tb\r\na\r\n", true), "a\r\na\tb\r\n");
}

TEST(SortSelection, LongLinesStayWholeAndLineEndsStayInPlace) {
  const std::string longLine(5000, 'z'), middle = "m" + std::string(2047, 'x');
  EXPECT_EQ(Sorted(longLine + "\r\n" + middle + "\r\na\r\n", true), "a\r\n" + middle + "\r\n" + longLine + "\r\n");
  EXPECT_EQ(Sorted("c\nb\r\na", true), "a\nb\r\nc");  // mixed line ends, a last line without one
}

TEST(CaseConversion, OnlyAsciiLettersChangeAndAreCounted) {
  const std::tuple<const char*, LetterCase, const char*, std::size_t> cases[] = {
      {"Hello, World 42", LetterCase::Upper, "HELLO, WORLD 42", 8},
      {"Hello, World 42", LetterCase::Lower, "hello, world 42", 2},
      {"12 \xE9\xE8\xC9 [`{@", LetterCase::Upper, "12 \xE9\xE8\xC9 [`{@", 0},
      {"[`{@Z\xC9", LetterCase::Lower, "[`{@z\xC9", 1}};
  for (const auto& [before, target, after, changed] : cases) {
    std::string text = before;
    EXPECT_EQ(ConvertLetterCase(text, target), changed) << before;
    EXPECT_EQ(text, after);
  }
  const char* format = "Converted %d character%s to %scase";
  EXPECT_EQ(CaseConversionStatus(format, 8, LetterCase::Upper), "Converted 8 characters to uppercase");
  EXPECT_EQ(CaseConversionStatus(format, 1, LetterCase::Lower), "Converted 1 character to lowercase");
}
