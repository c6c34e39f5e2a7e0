// The command-line grammar: one argument taken whole, and what each kind sets in the state.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "editor/app/core/CommandLine.h"

using namespace editor;

namespace {

TEST(CommandLine, KindsOfArgument) {
  const struct {
    const char* text;
    CommandLineKind kind;
    const char* name;
  } cases[] = {
      {"", CommandLineKind::None, ""}, {"   \t ", CommandLineKind::None, ""},
      {"\"\"", CommandLineKind::None, ""},  // only quotes: nothing left
      {"-SeTuP", CommandLineKind::Setup, ""}, {"  /Setup  ", CommandLineKind::Setup, ""},
      {"/setup.txt", CommandLineKind::File, "/setup.txt"},  // only the whole argument is the switch
      {"\"/setup\"", CommandLineKind::File, "/setup"},
      {"x -l y", CommandLineKind::SysEdit, ""}, {"\"c:\\a/list\"", CommandLineKind::SysEdit, ""},
      {"@c:\\a-list.lst", CommandLineKind::SysEdit, ""},  // the switch wins over a list
      {"\"@c:\\my files\\set.txt\"", CommandLineKind::List, "c:\\my files\\set.txt"},
      {"\"c:\\my docs\\read me.txt\"", CommandLineKind::File, "c:\\my docs\\read me.txt"},
      {"a\"b\"c d.txt", CommandLineKind::File, "abc d.txt"},
  };
  for (const auto& c : cases) {
    const CommandLineRequest request = ParseCommandLine(c.text);
    EXPECT_EQ(request.kind, c.kind) << c.text;
    if (c.kind != CommandLineKind::SysEdit) EXPECT_EQ(request.name, c.name) << c.text;
  }
  EXPECT_EQ(ParseCommandLine("c:\\" + std::string(400, 'x')).name.size(), 255u);
  EXPECT_EQ(RemoveQuotes(std::string(300, '"') + "abc"), "");  // the quotes came first
}

TEST(CommandLine, AppliedToTheState) {
  EditorState setup;
  ApplyCommandLine(ParseCommandLine("/SETUP"), setup);
  EXPECT_EQ(SetupFlag(setup), 1);
  EXPECT_EQ(setup.shellItems.createStartMenu, 1);

  EditorState sysEdit;
  ApplyCommandLine(ParseCommandLine("-l"), sysEdit);
  EXPECT_EQ(sysEdit.sysEditSwitch, 1);

  EditorState list;
  ApplyCommandLine(ParseCommandLine("@set.lst"), list);
  EXPECT_EQ(list.listFlag + list.commandLineFile * 2, 1);
  EXPECT_STREQ(list.currentFileName, "set.lst");

  EditorState file;
  ApplyCommandLine(ParseCommandLine("\"c:\\a b.txt\""), file);
  EXPECT_EQ(file.commandLineFile + file.listFlag * 2, 1);
  EXPECT_STREQ(file.currentFileName, "c:\\a b.txt");

  EditorState none;
  std::snprintf(none.currentFileName, sizeof none.currentFileName, "%s", "kept.txt");
  ApplyCommandLine(ParseCommandLine(""), none);
  EXPECT_STREQ(none.currentFileName, "kept.txt");
  EXPECT_EQ(none.commandLineFile + none.listFlag + none.sysEditSwitch + SetupFlag(none), 0);
}

}  // namespace
