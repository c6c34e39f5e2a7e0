#include "ClockText.h"

#include <gtest/gtest.h>

TEST(ClockText, LeadingZerosBelowTenAndFixedBlanks) {
  EXPECT_EQ(FormatClockLine({2026, 12, 6, 3, 46, 59}), " 06.12.2026   03:46:59 ");
  // Five seconds after midnight on the ninth.
  EXPECT_EQ(FormatClockLine({2027, 1, 9, 0, 0, 5}), " 09.01.2027   00:00:05 ");
  EXPECT_EQ(FormatClockLine({1999, 10, 31, 23, 59, 10}), " 31.10.1999   23:59:10 ");
}
