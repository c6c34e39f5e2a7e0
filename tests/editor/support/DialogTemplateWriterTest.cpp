// The message box templates read back as the dialog functions read them.
#include <gtest/gtest.h>

#include <vector>

#include "editor/support/core/DialogTemplateWriter.h"
#include "tests/editor/support/TemplateBytes.h"

using namespace support;

TEST(DialogTemplate, MessageBoxesOfEachKindAreWholeTemplates) {
  const std::vector<std::pair<int, std::vector<std::uint16_t>>> kinds{
      {-1, {1}}, {0, {1}}, {1, {1}}, {2, {6, 7}}, {3, {6, 7, 2}}, {7, {6, 7, 2}}};
  for (const auto& [kind, buttons] : kinds) {
    // A block that is not zero-filled: every byte the template uses must be written.
    std::vector<unsigned char> block(kMessageTemplateBytes, 0xCC);
    const std::size_t used = WriteMessageTemplate(block.data(), block.size(), kind);
    const ParsedTemplate t = ParseTemplate(block.data(), used);
    ASSERT_TRUE(t.ok && t.end == used) << kind;
    EXPECT_EQ(t.style, kDialogMessageStyle);
    ASSERT_EQ(t.itemCount, 2 + buttons.size()) << kind;
    EXPECT_EQ(t.controls[0].id, kMessageIconControl);
    EXPECT_EQ(t.controls[1].id, kMessageTextControl);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      EXPECT_EQ(t.controls[2 + i].id, buttons[i]) << kind;
      EXPECT_EQ(t.controls[2 + i].classAtom, kButtonClass);
      EXPECT_EQ(t.controls[2 + i].style, i == 0 ? kDefPushButtonStyle : kPushButtonStyle) << "only the first is the default";
    }
    // Every control on a 4-byte boundary with its padding written as zeros.
    std::size_t previousEnd = t.headerEnd;
    for (const ParsedControl& c : t.controls) {
      EXPECT_EQ(c.offset % 4, 0u);
      for (std::size_t at = previousEnd; at < c.offset; ++at) EXPECT_EQ(block[at], 0) << at;
      EXPECT_EQ(c.classMarker, 0xFFFF);
      previousEnd = c.end;
    }
  }
}

TEST(DialogTemplate, WriterNeverPassesItsBlock) {
  std::vector<unsigned char> full(kMessageTemplateBytes, 0);
  const std::size_t needed = WriteMessageTemplate(full.data(), full.size(), 3);
  ASSERT_GT(needed, 0u);
  for (std::size_t size = 0; size < needed; ++size) {
    std::vector<unsigned char> block(size + 8, 0x5A);
    EXPECT_EQ(WriteMessageTemplate(block.data(), size, 3), 0u) << size;
    for (std::size_t i = size; i < block.size(); ++i) ASSERT_EQ(block[i], 0x5A) << size;
  }
  unsigned char out[16];
  EXPECT_EQ(CopyAnsiToWide(out, sizeof out, "A\xE9"), 3u);  // units include the terminator
  EXPECT_EQ((std::vector<unsigned char>(out, out + 6)), (std::vector<unsigned char>{'A', 0, 0xE9, 0, 0, 0}));
  EXPECT_EQ(CopyAnsiToWide(out, sizeof out, "1234567"), 8u);  // exactly fits 16 bytes
  EXPECT_EQ(CopyAnsiToWide(out, sizeof out, "12345678"), 0u);
}
