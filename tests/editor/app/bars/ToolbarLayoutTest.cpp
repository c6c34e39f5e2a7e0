// The toolbar's button table and the text form of its layouts.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ToolbarLayout.h"
#include "quillet_ids.h"

TEST(ToolbarTable, HoldsTheStandardButtonsThenTheCustomisationOnes) {
  // The commands of the 43 entries in order; 0 marks a separator.
  const int expected[kToolbarEntryCount] = {0,   101, 0,   102, 110, 0,   104, 111, 0,   121, 103,
                                            0,   201, 0,   210, 211, 212, 0,   213, 0,   299, 0,
                                            230, 231, 320, 0,   801, 802, 803, 0,   430, 133, 0,
                                            901, 999, 399, 440, 114, 805, 355, 354, 309, 341};
  int nextImage = 0;
  for (std::size_t i = 0; i < kToolbarEntryCount; ++i) {
    const ToolbarEntry* entry = ToolbarEntryAt(i);
    ASSERT_NE(entry, nullptr) << i;
    EXPECT_EQ(entry->command, expected[i]) << "entry " << i;
    if (expected[i] == 0) {
      EXPECT_EQ(entry->style, ToolbarEntryStyle::Separator) << "entry " << i;
    } else {
      EXPECT_EQ(entry->style, ToolbarEntryStyle::Button) << "entry " << i;
      // The buttons take the strip's images in order.
      EXPECT_EQ(entry->image, nextImage++) << "entry " << i;
    }
  }
  EXPECT_EQ(nextImage, TOOLBAR_IMAGE_COUNT);
  EXPECT_EQ(ToolbarEntryAt(kToolbarEntryCount), nullptr);
}

TEST(ToolbarTable, FindsButtonsByCommandOnly) {
  ASSERT_NE(FindToolbarButton(ID_VIEW_ALWAYS_ON_TOP), nullptr);
  EXPECT_EQ(FindToolbarButton(ID_VIEW_ALWAYS_ON_TOP)->image, TOOLBAR_IMAGE_TOPMOST);
  EXPECT_EQ(FindToolbarButton(ID_EDIT_INSERT_DATE)->image, TOOLBAR_IMAGE_TIMESTAMP);
  EXPECT_EQ(FindToolbarButton(0), nullptr);                 // separators are not buttons
  EXPECT_EQ(FindToolbarButton(ID_FILE_EXIT), nullptr);      // a command without a button
  EXPECT_EQ(FindToolbarButton(ID_VIEW_TOOLBAR), nullptr);
}

TEST(ToolbarLayoutText, StandardLayoutIsTheFirst35EntriesAndRoundTrips) {
  const ToolbarLayout standard = StandardToolbarLayout();
  ASSERT_EQ(standard.size(), kStandardToolbarEntryCount);
  for (std::size_t i = 0; i < standard.size(); ++i) EXPECT_EQ(standard[i], ToolbarEntryAt(i)->command);
  const std::string text = EncodeToolbarLayout(standard);
  EXPECT_EQ(text.substr(0, 16), "0,101,0,102,110,");
  EXPECT_EQ(text.substr(text.size() - 10), ",0,901,999");
  EXPECT_EQ(ParseToolbarLayout(text.c_str()), standard);
}

TEST(ToolbarLayoutText, ReadsUserLayoutsWithRepeatedSeparatorsAndNoButtons) {
  EXPECT_EQ(ParseToolbarLayout("399,0,0,101,341"), (ToolbarLayout{399, 0, 0, 101, 341}));
  EXPECT_EQ(ParseToolbarLayout(""), ToolbarLayout{});
  EXPECT_EQ(EncodeToolbarLayout({}), "");
  EXPECT_EQ(EncodeToolbarLayout({399, 0, 101}), "399,0,101");
}

TEST(ToolbarLayoutText, RejectsAnythingThatIsNotALayout) {
  for (const char* text : {"101,", ",101", "101,,102", " 101", "101 ", "101;102", "-1", "+101", "1o1",
                           "199",        // Exit has no button
                           "101,0,101",  // a button twice
                           "0101010101", "99999999999999999999", "x"}) {
    EXPECT_FALSE(ParseToolbarLayout(text).has_value()) << '"' << text << '"';
  }
  EXPECT_FALSE(ParseToolbarLayout(nullptr).has_value());
}

TEST(ToolbarLayoutText, LongLayoutsAreCutToWhatCanBeReadBack) {
  ToolbarLayout many(kMaxToolbarLayoutEntries + 20, 0);
  many.front() = 101;
  const std::string text = EncodeToolbarLayout(many);
  EXPECT_LT(text.size(), kToolbarLayoutTextCapacity);
  const auto back = ParseToolbarLayout(text.c_str());
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->size(), kMaxToolbarLayoutEntries);
  EXPECT_EQ(back->front(), 101);
  // A stored text with more entries than that is not a layout.
  EXPECT_FALSE(ParseToolbarLayout((text + ",0").c_str()).has_value());
}
