// The argument text of a user tool and the line breaks of a macro's text.
#include <gtest/gtest.h>

#include "editor/app/core/ToolCommand.h"

TEST(ToolCommandTest, TailWithABlankIsQuotedOnceAndLineBreaksBecomeOneKind) {
  using editor::BuildToolArguments;
  EXPECT_EQ(BuildToolArguments("-x", "C:\\notes\\a.txt"), "-x C:\\notes\\a.txt");
  EXPECT_EQ(BuildToolArguments("-x", "C:\\my notes\\a.txt"), "-x \"C:\\my notes\\a.txt\"");
  EXPECT_EQ(BuildToolArguments("", "C:\\tab\there.txt"), " \"C:\\tab\there.txt\"");
  EXPECT_EQ(BuildToolArguments("", "\"C:\\a b.txt\""), " \"C:\\a b.txt\"");
  EXPECT_EQ(BuildToolArguments(nullptr, ""), " ");
  EXPECT_EQ(editor::MacroTextWithLineBreaks("a\r\nb\nc\rd\n\ne\r"), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
  EXPECT_EQ(editor::MacroTextWithLineBreaks(nullptr), "");
}
