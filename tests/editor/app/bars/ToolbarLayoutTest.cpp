// The toolbar's button table and the rule for a layout the toolbar may show.
#include <gtest/gtest.h>

#include "editor/app/core/ToolbarLayout.h"
#include "resources/quillet_ids.h"

using namespace editor;

TEST(ToolbarTable, ButtonsTakeTheStripsPicturesInOrderAndStandardIsTheFirst35) {
  int nextImage = 0;
  for (std::size_t i = 0; i < kToolbarEntryCount; ++i) {
    const ToolbarEntry* entry = ToolbarEntryAt(i);
    ASSERT_NE(entry, nullptr) << i;
    if (entry->style == ToolbarEntryStyle::Separator) {
      EXPECT_EQ(entry->command, 0) << i;
      continue;
    }
    EXPECT_EQ(entry->image, nextImage++) << "entry " << i;
    EXPECT_EQ(FindToolbarButton(entry->command), entry) << "entry " << i;  // each command once
  }
  EXPECT_EQ(nextImage, TOOLBAR_IMAGE_COUNT);
  EXPECT_EQ(ToolbarEntryAt(kToolbarEntryCount), nullptr);
  const ToolbarLayout standard = StandardToolbarLayout();
  ASSERT_EQ(standard.size(), kStandardToolbarEntryCount);
  for (std::size_t i = 0; i < standard.size(); ++i) EXPECT_EQ(standard[i], ToolbarEntryAt(i)->command);
  EXPECT_EQ(FindToolbarButton(0), nullptr);             // separators are not buttons
  EXPECT_EQ(FindToolbarButton(ID_FILE_EXIT), nullptr);  // a command without a button
}

TEST(ToolbarLayout, OnlyTableButtonsEachOnceAndAnySeparators) {
  EXPECT_TRUE(IsToolbarLayout(StandardToolbarLayout()));
  EXPECT_TRUE(IsToolbarLayout({ID_VIEW_ALWAYS_ON_TOP, 0, 0, ID_FILE_NEW, ID_EDIT_INSERT_DATE}));
  EXPECT_TRUE(IsToolbarLayout({}));
  EXPECT_FALSE(IsToolbarLayout({ID_FILE_NEW, 0, ID_FILE_NEW}));  // a button twice
  EXPECT_FALSE(IsToolbarLayout({ID_FILE_NEW, ID_FILE_EXIT}));    // Exit has no button
  EXPECT_FALSE(IsToolbarLayout({-1}));
}
