#include <gtest/gtest.h>

#include <string>

#include "editor/app/core/SearchText.h"

namespace {

using editor::ReplaceAllResult;
using editor::SearchRequest;

struct ReplaceCase {
  const char* text;
  const char* find;
  const char* replacement;
  bool matchCase;
  bool wholeWords;
  const char* expected;
  std::size_t count;
};

// Replace All leaves what the search-replace-search-again loop would: the replacement is never
// searched again, and the whole-word rule sees a replacement as the left neighbour of the next
// match.
TEST(ReplaceAllText, GivesTheLoopsResult) {
  // clang-format off
  const ReplaceCase cases[] = {
    {"aaa",             "a",   "aa",  false, false, "aaaaaa",          3},
    {"xa",              "a",   "aa",  false, false, "xaa",             1},
    {"bcd",             "z",   "y",   false, false, "bcd",             0},
    {"Cat cat CAT",     "cat", "dog", false, false, "dog dog dog",     3},
    {"Cat cat CAT",     "cat", "dog", true,  false, "Cat dog CAT",     1},
    {"cat catalog cat", "cat", "dog", false, true,  "dog catalog dog", 2},
    {"a,a a",           "a",   "",    false, true,  ", ",              3},
    {"xa xa",           "xa",  "b",   false, true,  "b b",             2},
    {"--",              "-",   "x",   false, true,  "x-",              1},
    {"aa",              "a",   "b",   false, true,  "aa",              0},
    {"a-a",             "a",   "bb",  false, true,  "bb-bb",           2},
    {"ab ab",           "ab",  "x",   false, false, "x x",             2},
    {"",                "a",   "b",   false, false, "",                0},
    {"abc",             "",    "x",   false, false, "abc",             0},
  };
  // clang-format on
  const editor::SearchAlphabet alphabet = editor::CLocaleAlphabet();
  for (const ReplaceCase& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " / " + c.find);
    ReplaceAllResult result;
    ASSERT_TRUE(editor::ReplaceAllText(c.text, SearchRequest{c.find, c.matchCase, c.wholeWords}, c.replacement,
                                       alphabet, result));
    EXPECT_EQ(result.count, c.count);
    if (c.count > 0) EXPECT_EQ(result.text, c.expected);
  }
}

// The last replacement is selected; an empty replacement leaves the text before it as the next
// match's left neighbour.
TEST(ReplaceAllText, SelectsTheLastReplacementAndSeesItAsANeighbour) {
  const editor::SearchAlphabet alphabet = editor::CLocaleAlphabet();
  ReplaceAllResult result;
  ASSERT_TRUE(editor::ReplaceAllText("one two one", SearchRequest{"one", false, false}, "three", alphabet, result));
  EXPECT_EQ(result.text.substr(result.selectionStart, result.selectionEnd - result.selectionStart), "three");
  EXPECT_EQ(result.selectionEnd, result.text.size());

  ASSERT_TRUE(editor::ReplaceAllText("a a", SearchRequest{"a", false, true}, "", alphabet, result));
  EXPECT_EQ(result.text, " ");
  EXPECT_EQ(result.count, 2u);
  EXPECT_EQ(result.selectionStart, 1u);
}

TEST(FindForward, StartsAtTheGivenPlaceAndKnowsItsLeftNeighbour) {
  const editor::SearchAlphabet alphabet = editor::CLocaleAlphabet();
  EXPECT_EQ(editor::FindForward("cat cat", 1, SearchRequest{"cat", false, false}, alphabet), 4u);
  EXPECT_EQ(editor::FindForward("xcat", 1, SearchRequest{"cat", false, true}, alphabet), editor::kNotFound);
  EXPECT_EQ(editor::FindForward("cat", 4, SearchRequest{"cat", false, false}, alphabet), editor::kNotFound);
}

}  // namespace
