// Template blocks: locked, movable, zero-filled global memory of the stated sizes, freed once.
#include <windows.h>

#include <gtest/gtest.h>

#include "editor/support/DialogTemplate.h"
#include "tests/editor/support/BoxRecorder.h"

using namespace support;

TEST(TemplateBlock, MessageAndPageBlocks) {
  TemplateBlock message = BuildMessageTemplate(2);
  ASSERT_TRUE(message);
  EXPECT_EQ(message.size(), kMessageTemplateBytes);
  const HGLOBAL handle = GlobalHandle(message.get());
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(GlobalFlags(handle) & GMEM_LOCKCOUNT, 1u);
  EXPECT_EQ(message.get()->cdit, 4);

  TemplateBlock page = AllocTemplateBlock(kPageTemplateBytes);
  ASSERT_EQ(page.size(), 4098u);
  for (std::size_t at = 0; at < page.size(); ++at) ASSERT_EQ(page.bytes()[at], 0) << at;

  page = std::move(message);  // the page block is freed, the message block handed over
  EXPECT_FALSE(message);
  DLGTEMPLATE* released = page.release();
  EXPECT_EQ(released->style, 0x90C800C2u);
  FreeDialogTemplate(released);
}

TEST(TemplateBlock, AllocationFailuresAreReported) {
  BoxRecorder boxes;
  ReportTemplateAllocationFailure(kMessageTemplateBytes);
  ReportTemplateAllocationFailure(kPageTemplateBytes);
  ASSERT_EQ(boxes.boxes().size(), 2u);
  EXPECT_EQ(boxes.boxes()[0].kind, MessageBoxKind::SystemError);
  EXPECT_EQ(boxes.boxes()[0].title, "Error");
  EXPECT_EQ(boxes.boxes()[0].text, "Cannot allocate memory for dialog box template");
  EXPECT_EQ(boxes.boxes()[1].kind, MessageBoxKind::Error);
  EXPECT_EQ(boxes.boxes()[1].text, "\rCannot allocate memory for Dialog Template\r\rSize: 4098 bytes requested");
}
