// The built-in message table: one text for every id of its range, none outside.
#include <gtest/gtest.h>

#include <cstring>

#include "MessageTable.h"

TEST(MessageTable, CoversItsRangeExactly) {
  for (unsigned id = kFirstMessageId; id <= kLastMessageId; ++id) {
    ASSERT_NE(MessageTableText(id), nullptr) << id;
    EXPECT_GT(std::strlen(MessageTableText(id)), 0u) << id;
  }
  for (unsigned id : {0u, 1000u, 59999u, 60108u}) EXPECT_EQ(MessageTableText(id), nullptr) << id;
  // Spot checks at the ends and where the ids are easy to shift by one.
  EXPECT_STREQ(MessageTableText(60000), "Ready ...");
  EXPECT_STREQ(MessageTableText(60009), "%s(GetDC): Error detected reading screen device context\r\rCode %d");
  EXPECT_STREQ(MessageTableText(60041), "File: %s\r\rError detected setting EOF mark %u on this file\r\rCode %d");
  EXPECT_STREQ(MessageTableText(60068), "%s opened");
  EXPECT_STREQ(MessageTableText(60069), "%s opened for viewing");
  EXPECT_STREQ(MessageTableText(60101), "Module: %s\r\rError detected loading this DLL library Module\rCode %d");
  EXPECT_STREQ(MessageTableText(60104), "Help Topic ID: %u\r\rTopic not found in help file.\rCode: %d");
}
