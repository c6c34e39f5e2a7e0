// The bytes of the message box templates, read back field by field.
#include <gtest/gtest.h>

#include <vector>

#include "DialogTemplateWriter.h"
#include "TemplateBytes.h"

using Box = std::vector<int>;

TEST(DialogTemplate, MessageBoxesOfEachKind) {
  struct Button {
    std::uint16_t id;
    const char* text;
    int x;
  };
  const std::vector<Button> ok{{1, "OK", 91}}, yesNo{{6, "&Yes", 69}, {7, "&No", 115}},
      yesNoCancel{{6, "&Yes", 46}, {7, "&No", 92}, {2, "&Cancel", 138}};
  const std::vector<std::pair<int, std::vector<Button>>> kinds{{0, ok}, {1, ok}, {2, yesNo}, {3, yesNoCancel}, {7, yesNoCancel}};
  for (const auto& [kind, buttons] : kinds) {
    // A block that is not zero-filled: every byte the template uses must be written.
    std::vector<unsigned char> block(kMessageTemplateBytes, 0xCC);
    const std::size_t used = WriteMessageTemplate(block.data(), block.size(), kind);
    const ParsedTemplate t = ParseTemplate(block.data(), used);
    ASSERT_TRUE(t.ok && t.end == used) << kind;
    EXPECT_EQ(t.style, 0x90C800C2u);
    EXPECT_EQ(t.exStyle + t.menu + t.windowClass, 0u);
    EXPECT_EQ(t.box, (Box{90, 70, 220, 85}));
    EXPECT_EQ(t.caption, "DialogTmp");
    EXPECT_EQ(t.pointSize, 8);
    EXPECT_EQ(t.faceName, "MS Sans Serif");
    ASSERT_EQ(t.itemCount, 2 + buttons.size()) << kind;
    EXPECT_EQ(t.controls[0].style, 0x50000003u);  // the icon
    EXPECT_EQ(t.controls[0].id, 100);
    EXPECT_EQ(t.controls[0].box, (Box{8, 9, 18, 20}));
    EXPECT_EQ(t.controls[1].style, 0x50000000u);  // the text
    EXPECT_EQ(t.controls[1].id, 101);
    EXPECT_EQ(t.controls[1].box, (Box{37, 8, 175, 50}));
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(t.controls[i].classAtom, kStaticClass);
      EXPECT_EQ(t.controls[i].text, " ");
    }
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      const ParsedControl& c = t.controls[2 + i];
      EXPECT_EQ(c.id, buttons[i].id);
      EXPECT_EQ(c.text, buttons[i].text);
      EXPECT_EQ(c.box, (Box{buttons[i].x, 65, 36, 14}));
      EXPECT_EQ(c.classAtom, kButtonClass);
      EXPECT_EQ(c.style, i == 0 ? 0x50010001u : 0x50010000u) << "only the first is the default";
    }
    // Every control on a 4-byte boundary with its padding written as zeros.
    std::size_t previousEnd = t.headerEnd;
    for (const ParsedControl& c : t.controls) {
      EXPECT_EQ(c.offset % 4, 0u);
      for (std::size_t at = previousEnd; at < c.offset; ++at) EXPECT_EQ(block[at], 0) << at;
      EXPECT_EQ(c.classMarker, 0xFFFF);
      EXPECT_EQ(c.exStyle + c.creationDataSize, 0u);
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
  EXPECT_EQ(WriteMessageTemplate(full.data(), needed, 3), needed);
}

TEST(DialogTemplate, TextsAndAlignment) {
  unsigned char out[16];
  EXPECT_EQ(CopyAnsiToWide(out, sizeof out, "A\xE9"), 3u);  // units include the terminator
  EXPECT_EQ((std::vector<unsigned char>(out, out + 6)), (std::vector<unsigned char>{'A', 0, 0xE9, 0, 0, 0}));
  EXPECT_EQ(CopyAnsiToWide(out, sizeof out, "1234567"), 8u);  // exactly fits 16 bytes
  out[0] = 0xAA;
  EXPECT_EQ(CopyAnsiToWide(out, sizeof out, "12345678"), 0u);  // does not: nothing written
  EXPECT_EQ(out[0], 0xAA);
  EXPECT_EQ(AlignDword(std::size_t{46}), 48u);
  EXPECT_EQ(AlignDword(std::size_t{48}), 48u);
  alignas(4) unsigned char bytes[8];
  EXPECT_EQ(AlignDword(bytes + 1), bytes + 4);
}
