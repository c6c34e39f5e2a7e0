// The argument text of a user tool and the line breaks of a macro's text.
#include <gtest/gtest.h>

#include "editor/app/core/ToolCommand.h"

namespace {

TEST(ToolCommandTest, TailWithABlankIsQuotedAndAnyOtherPassesAsItStands) {
  struct Case {
    const char* command;
    const char* tail;
    const char* expected;
  };
  const Case cases[] = {
      {"-x", "C:\\notes\\a.txt", "-x C:\\notes\\a.txt"},
      {"-x", "C:\\my notes\\a.txt", "-x \"C:\\my notes\\a.txt\""},
      {"", "C:\\tab\there.txt", " \"C:\\tab\there.txt\""},
      {"", "\"C:\\quoted name.txt\"", " \"C:\\quoted name.txt\""},  // not quoted twice
      {"/p /q", "", "/p /q "},
      {nullptr, "", " "},
  };
  for (const Case& c : cases) EXPECT_EQ(editor::BuildToolArguments(c.command, c.tail), c.expected) << c.tail;
}

TEST(ToolCommandTest, EveryKindOfLineBreakBecomesOne) {
  EXPECT_EQ(editor::MacroTextWithLineBreaks("a\r\nb\nc\rd\n\ne\r"), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
  EXPECT_EQ(editor::MacroTextWithLineBreaks(nullptr), "");
}

}  // namespace
