// Margins shown as inches and typed inches stored as thousandths.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "editor/support/core/MarginText.h"

using namespace support;

TEST(MarginText, ShownAndReadBack) {
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min(), kMax = std::numeric_limits<std::int32_t>::max();
  const std::pair<std::int32_t, const char*> shown[] = {
      {500, "0.50"}, {1000, "1.00"}, {750, "0.75"}, {0, "0.00"}, {-1000, "-1.00"}, {12345, "12.35"},
      {125, "0.13"},  // the single-precision multiplier lies just above 0.001
      {kMin, "-2147483.75"}};
  for (const auto& [thousandths, text] : shown) EXPECT_EQ(FormatMargin(thousandths), text) << thousandths;
  const std::pair<const char*, std::int32_t> typed[] = {
      {"0.75", 750}, {"abc", 0}, {"-1", -1000}, {"12.345", 12345}, {" \t1.5in", 1500},
      {"1.9999", 1999}, {"-0.0015", -1},  // truncated toward zero
      {"2e1", 20000}, {".5", 500}, {"5.", 5000}, {"1e", 1000}, {"", 0}, {"-", 0}, {".", 0},
      {"0x10", 0}, {"inf", 0}, {"nan", 0},  // only plain decimals are numbers
      {"1e10", kMax}, {"-1e300", kMin}, {nullptr, 0}};
  for (const auto& [text, thousandths] : typed) EXPECT_EQ(ParseMargin(text), thousandths) << (text ? text : "null");
}
