#include "plotter/spectrum/core/TextScan.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace spectrum {
namespace {

using List = std::vector<std::string>;

List Words(std::string_view text, int maxWords, std::size_t width = 0) {
  std::string_view words[16];
  return List(words, words + ScanWords(text, words, maxWords, width));
}

TEST(ScanWords, SplitsAtScanfSpacesAndAtTheWidth) {
  EXPECT_EQ(Words(" a\tb\vc\fd\re\nf", 8), (List{"a", "b", "c", "d", "e", "f"}));
  EXPECT_EQ(Words("a\x1b" "b\xa0" "c", 8), (List{"a\x1b" "b\xa0" "c"}));  // no other byte separates
  EXPECT_EQ(Words("one two three four five", 4), (List{"one", "two", "three", "four"}));
  EXPECT_EQ(Words("123456789012345 x", 3, 11), (List{"12345678901", "2345", "x"}));
  EXPECT_EQ(Words(std::string(30, 'a') + " b", 3, 25), (List{std::string(25, 'a'), "aaaaa", "b"}));
}

TEST(ReadWholeNumber, FollowsAtoiAndSaturates) {
  const std::pair<std::string, int> cases[] = {
      {"  \t-42xyz", -42}, {"+7", 7}, {"3.9", 3}, {"1e5", 1}, {"x12", 0}, {"- 5", 0}, {"", 0},
      {"2147483647", INT_MAX}, {"2147483648", INT_MAX}, {"-2147483648", INT_MIN}, {"-2147483649", INT_MIN},
      {std::string(400, '9'), INT_MAX}, {"-" + std::string(400, '9'), INT_MIN}};
  for (const auto& [text, value] : cases) EXPECT_EQ(ReadWholeNumber(text), value) << text;
}

TEST(ReadDecimal, FollowsAtofOfTheWindowsRuntime) {
  const std::pair<std::string, double> cases[] = {
      {"1.234E+05", 123400.0}, {"-.5", -0.5}, {"3.", 3.0}, {"+2e-3", 0.002}, {" \t 7", 7.0}, {"0.1", 0.1},
      {"1.5e3abc", 1500.0}, {"1.2345678901234567890123456789", 1.2345678901234567},
      {"1.5e", 1.5}, {"1.5E+", 1.5}, {"2e-x", 2.0},          // an exponent needs digits
      {"1.5D3", 1500.0}, {"-2.5d-1", -0.25},                 // Fortran exponents
      {"", 0.0}, {"abc", 0.0}, {".", 0.0}, {"+.", 0.0}, {"e5", 0.0}, {"inf", 0.0}, {"-INF", 0.0},
      {"nan", 0.0}, {"NaN(1)", 0.0}, {"infinity", 0.0}, {"0x1p3", 0.0}, {"0x10", 0.0},
      {"1e400", HUGE_VAL}, {"-1e400", -HUGE_VAL}, {"123456e99999999999999", HUGE_VAL}, {"1D400", HUGE_VAL},
      {"1" + std::string(400, '0'), HUGE_VAL}, {"0.000001e-400", 0.0}, {"1e-99999999999999", 0.0},
      {"0." + std::string(400, '0') + "1", 0.0}, {"0e99999", 0.0}};
  for (const auto& [text, value] : cases) EXPECT_EQ(ReadDecimal(text), value) << text;
  const double denormal = ReadDecimal("4e-320");
  EXPECT_TRUE(denormal > 0.0 && denormal < 1e-310);
}

TEST(ReadDecimal, AgreesWithStrtodOnRandomDecimalForms) {
  std::mt19937 random(5);
  auto digits = [&](std::size_t n) {
    std::string s;
    while (s.size() < n) s += static_cast<char>('0' + random() % 10);
    return s;
  };
  const char* signs[] = {"", "-", "+"};
  for (int round = 0; round < 50000; ++round) {
    std::string text = signs[random() % 3] + digits(random() % 22);
    if (random() % 2) text += "." + digits(random() % 22);
    if (random() % 2) text += std::string(1, "eE"[random() % 2]) + signs[random() % 3] + digits(random() % 4);
    ASSERT_EQ(ReadDecimal(text), std::strtod(text.c_str(), nullptr)) << text;
  }
}

// Words as a plain reading of sscanf's rules gives them, to check the fast scanners against.
List ReferenceWords(const std::string& text, int maxWords, std::size_t width) {
  List words;
  std::size_t i = 0;
  while (static_cast<int>(words.size()) < maxWords) {
    while (i < text.size() && IsScanSpace(static_cast<unsigned char>(text[i]))) ++i;
    if (i == text.size()) break;
    std::string word;
    while (i < text.size() && !IsScanSpace(static_cast<unsigned char>(text[i])) && (width == 0 || word.size() < width)) {
      word += text[i++];
    }
    words.push_back(word);
  }
  return words;
}

TEST(ScanWords, FastScannersAgreeWithThePlainRulesOnRandomText) {
  std::mt19937 random(11);
  const std::string alphabet = std::string(" \t\n\v\f\r") + "x0123456789.eE+-dDabc\x80\xff\x1f";
  const std::size_t widths[] = {0, 11, 25, 1, 100};
  for (int round = 0; round < 20000; ++round) {
    std::string text(random() % 300, ' ');
    for (char& c : text) c = alphabet[random() % 3 == 0 ? random() % 6 : random() % alphabet.size()];
    const std::size_t width = widths[random() % 5];
    const int maxWords = 1 + static_cast<int>(random() % 9);
    const List expected = ReferenceWords(text, maxWords, width);
    ASSERT_EQ(Words(text, maxWords, width), expected) << round;

    int beforeX = 0;
    while (beforeX < static_cast<int>(expected.size()) && expected[beforeX] != "x") ++beforeX;
    double values[9];
    ASSERT_EQ(ScanNumberWords(text, nullptr, maxWords, width, false), static_cast<int>(expected.size()));
    ASSERT_EQ(ScanNumberWords(text, nullptr, maxWords, width, true), beforeX) << round;
    ASSERT_EQ(ScanNumberWords(text, values, maxWords, width, true), beforeX) << round;
    for (int w = 0; w < beforeX; ++w) ASSERT_EQ(values[w], ReadDecimal(expected[w])) << expected[w];
  }
}

}  // namespace
}  // namespace spectrum
