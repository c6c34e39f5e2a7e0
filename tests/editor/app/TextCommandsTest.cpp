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
  for (char& c : la) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (char& c : lb) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
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
  struct Case {
    const char* selection;
    bool startsLine;
    bool refused;
  };
  const Case cases[] = {
      {"b\r\na\r\nc\r\n", true, false},
      {"b\r\na\r\nc", true, true},     // ends inside a line
      {"b\r\na\r\nc\r\n", false, true},  // starts inside a line
      {"b\r\n", true, true},           // one whole line
      {"", true, true},
      {"\r\n\r\n", true, false},       // two empty lines are two lines
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SortSelectionRefusal(c.selection, c.startsLine), c.refused ? IDS_SORT_PARTIAL_LINES : 0)
        << c.selection << " starts line " << c.startsLine;
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
  // Many lines equal but for case keep their order (a set large enough for an unstable sort).
  std::string apples, expected, bees;
  for (int i = 0; i < 200; ++i) {
    std::string apple = "apple";
    for (int bit = 0; bit < 5; ++bit) {
      if (((i * 7 + 3) >> bit) & 1) apple[bit] = static_cast<char>(apple[bit] - 32);
    }
    const std::string line = (i % 3 ? apple : "b") + "\n";
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
  const std::string longLine(5000, 'z');
  const std::string middle = "m" + std::string(2047, 'x');
  EXPECT_EQ(Sorted(longLine + "\r\n" + middle + "\r\na\r\n", true), "a\r\n" + middle + "\r\n" + longLine + "\r\n");
  // Mixed line ends and a last line without one keep the text's layout.
  EXPECT_EQ(Sorted("c\nb\r\na", true), "a\nb\r\nc");
  const std::vector<TextLine> lines = SplitLines("x\r\n\ny");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].end, "\r\n");
  EXPECT_EQ(lines[1].text, "");
  EXPECT_EQ(lines[2].end, "");
}

TEST(CaseConversion, OnlyAsciiLettersChangeAndAreCounted) {
  struct Case {
    const char* text;
    LetterCase target;
    const char* result;
    std::size_t changed;
    const char* status;
  };
  const Case cases[] = {
      {"Hello, World 42", LetterCase::Upper, "HELLO, WORLD 42", 8, "Converted 8 characters to uppercase"},
      {"Hello, World 42", LetterCase::Lower, "hello, world 42", 2, "Converted 2 characters to lowercase"},
      {"x", LetterCase::Upper, "X", 1, "Converted 1 character to uppercase"},
      {"12 \xE9\xE8\xC9 [`{@", LetterCase::Upper, "12 \xE9\xE8\xC9 [`{@", 0, nullptr},
      {"[`{@Z\xC9", LetterCase::Lower, "[`{@z\xC9", 1, "Converted 1 character to lowercase"},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    EXPECT_EQ(ConvertLetterCase(text, c.target), c.changed) << c.text;
    EXPECT_EQ(text, c.result);
    if (c.status) {
      EXPECT_EQ(CaseConversionStatus("Converted %d character%s to %scase", c.changed, c.target), c.status);
    }
  }
}
