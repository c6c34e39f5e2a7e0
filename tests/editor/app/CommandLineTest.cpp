// The command-line grammar: one argument taken whole.
#include <gtest/gtest.h>

#include <cstdio>

#include <string>

#include "editor/app/core/CommandLine.h"

using namespace editor;

namespace {

TEST(CommandLine, EmptyOrBlankIsNoArgument) {
  EXPECT_EQ(ParseCommandLine("").kind, CommandLineKind::None);
  EXPECT_EQ(ParseCommandLine("   \t ").kind, CommandLineKind::None);
  EXPECT_EQ(ParseCommandLine("\"\"").kind, CommandLineKind::None);  // only quotes: nothing left
}

TEST(CommandLine, SetupInAnyLetterCase) {
  for (const char* text : {"/setup", "-setup", "/SETUP", "-SeTuP", "  /Setup  "}) {
    const CommandLineRequest request = ParseCommandLine(text);
    EXPECT_EQ(request.kind, CommandLineKind::Setup) << text;
    EXPECT_TRUE(request.name.empty());
  }
  // Only the whole argument is the switch.
  EXPECT_EQ(ParseCommandLine("/setup.txt").kind, CommandLineKind::File);
  EXPECT_EQ(ParseCommandLine("\"/setup\"").kind, CommandLineKind::File);
}

TEST(CommandLine, SysEditSwitchAnywhere) {
  for (const char* text : {"/l", "-L", "/L", "x -l y", "c:\\my-letters\\a.txt", "\"c:\\a/list\""}) {
    EXPECT_EQ(ParseCommandLine(text).kind, CommandLineKind::SysEdit) << text;
  }
  // The switch wins over a list.
  EXPECT_EQ(ParseCommandLine("@c:\\a-list.lst").kind, CommandLineKind::SysEdit);
}

TEST(CommandLine, ListAfterAtSign) {
  CommandLineRequest request = ParseCommandLine("@c:\\work\\files.txt");
  EXPECT_EQ(request.kind, CommandLineKind::List);
  EXPECT_EQ(request.name, "c:\\work\\files.txt");
  request = ParseCommandLine("\"@c:\\my files\\set.txt\"");
  EXPECT_EQ(request.kind, CommandLineKind::List);
  EXPECT_EQ(request.name, "c:\\my files\\set.txt");
}

TEST(CommandLine, FileNameLosesEveryQuoteAndIsNotSplit) {
  CommandLineRequest request = ParseCommandLine("\"c:\\my docs\\read me.txt\"");
  EXPECT_EQ(request.kind, CommandLineKind::File);
  EXPECT_EQ(request.name, "c:\\my docs\\read me.txt");
  request = ParseCommandLine("a\"b\"c d.txt");
  EXPECT_EQ(request.name, "abc d.txt");
}

TEST(CommandLine, TextIsCutAt255Characters) {
  const std::string longName = "c:\\" + std::string(400, 'x');
  const CommandLineRequest request = ParseCommandLine(longName);
  EXPECT_EQ(request.kind, CommandLineKind::File);
  EXPECT_EQ(request.name.size(), 255u);
  EXPECT_EQ(RemoveQuotes(std::string(300, '"') + "abc"), "");  // the quotes came first
  EXPECT_EQ(RemoveQuotes("\"a\" \"b\""), "a b");
}

TEST(CommandLine, AppliedToTheState) {
  EditorState state;
  ApplyCommandLine(ParseCommandLine("/SETUP"), state);
  EXPECT_EQ(SetupFlag(state), 1);
  EXPECT_EQ(state.shellItems.createStartMenu, 1);
  EXPECT_EQ(state.commandLineFile, 0);

  EditorState sysEdit;
  ApplyCommandLine(ParseCommandLine("-l"), sysEdit);
  EXPECT_EQ(sysEdit.sysEditSwitch, 1);
  EXPECT_STREQ(sysEdit.currentFileName, "");

  EditorState list;
  std::snprintf(list.currentFileName, sizeof list.currentFileName, "%s", "old.txt");
  ApplyCommandLine(ParseCommandLine("@set.lst"), list);
  EXPECT_EQ(list.listFlag, 1);
  EXPECT_EQ(list.commandLineFile, 0);
  EXPECT_STREQ(list.currentFileName, "set.lst");

  EditorState file;
  ApplyCommandLine(ParseCommandLine("\"c:\\a b.txt\""), file);
  EXPECT_EQ(file.commandLineFile, 1);
  EXPECT_EQ(file.listFlag, 0);
  EXPECT_STREQ(file.currentFileName, "c:\\a b.txt");

  EditorState none;
  std::snprintf(none.currentFileName, sizeof none.currentFileName, "%s", "kept.txt");
  ApplyCommandLine(ParseCommandLine(""), none);
  EXPECT_STREQ(none.currentFileName, "kept.txt");
  EXPECT_EQ(none.commandLineFile + none.listFlag + none.sysEditSwitch + SetupFlag(none), 0);
}

}  // namespace
