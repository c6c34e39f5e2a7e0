// The built-in message table: one text for every id of its range, none outside.
#include <gtest/gtest.h>

#include <cstring>

#include "editor/support/core/MessageTable.h"

using namespace support;

TEST(MessageTable, CoversItsRangeExactly) {
  for (unsigned id = MESSAGE_TABLE_FIRST; id <= MESSAGE_TABLE_LAST; ++id) {
    ASSERT_NE(MessageTableText(id), nullptr) << id;
    EXPECT_GT(std::strlen(MessageTableText(id)), 0u) << id;
  }
  for (unsigned id : {0u, 1000u, MESSAGE_TABLE_FIRST - 1u, MESSAGE_TABLE_LAST + 1u})
    EXPECT_EQ(MessageTableText(id), nullptr) << id;
  // Where the ids are easy to shift by one.
  EXPECT_STREQ(MessageTableText(MSG_READY), "Ready ...");
  EXPECT_STREQ(MessageTableText(MSG_FILE_SET_EOF_FAILED),
               "File: %s\r\rError detected setting EOF mark %u on this file\r\rCode %d");
  EXPECT_STREQ(MessageTableText(MSG_HELP_TOPIC_MISSING), "Help Topic ID: %u\r\rTopic not found in help file.\rCode: %d");
}
