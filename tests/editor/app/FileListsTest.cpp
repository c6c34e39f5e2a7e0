// The recent-file slots and indirect file lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/app/core/FileList.h"
#include "editor/app/core/RecentFiles.h"

using namespace editor;

namespace {
// Slots holding the names "1" to "<count>", most recent first; read back as one text.
void Fill(RecentFileSlots& slots, int count) {
  for (int i = 0; i < count; ++i) std::snprintf(slots[i], kPathLength, "%d", i + 1);
}
std::string Slots(const RecentFileSlots& slots) {
  std::string text;
  for (const char* slot : slots) text += std::string(slot) + "|";
  return text;
}
}  // namespace

TEST(RecentFiles, AddingMovesToTheTop) {
  const std::tuple<int, const char*, const char*> cases[] = {
      // slots filled, name added, slots after
      {9, "4", "4|1|2|3|5|6|7|8|9|"},
      {9, "new", "new|1|2|3|4|5|6|7|8|"},  // a tenth file drops slot 9
      {3, "3", "3|1|2|||||||"},
      {1, "1", "1|||||||||"},
      {2, "", "1|2||||||||"}};
  for (const auto& [filled, name, after] : cases) {
    RecentFileSlots slots = {};
    Fill(slots, filled);
    AddRecentFile(slots, name);
    EXPECT_EQ(Slots(slots), after) << name;
  }
  RecentFileSlots slots = {};
  AddRecentFile(slots, "c:\\b.txt");
  AddRecentFile(slots, "c:\\Caf\xE9.txt");
  AddRecentFile(slots, "C:\\B.TXT");  // one entry; slot 1 takes the new letter case
  AddRecentFile(slots, "C:\\CAF\xC9.TXT");
  EXPECT_EQ(Slots(slots), "C:\\CAF\xC9.TXT|C:\\B.TXT||||||||");
  EXPECT_FALSE(SameFileName("c:\\\xF7", "c:\\\xD7"));  // division and multiplication signs
  EXPECT_FALSE(SameFileName("c:\\a.txt", "c:\\a.txt2"));
}

TEST(RecentFiles, NamesAreCopiedSafelyAndRemovalMovesUp) {
  RecentFileSlots slots = {};
  Fill(slots, 9);
  AddRecentFile(slots, slots[3]);  // a name taken from the list itself
  EXPECT_EQ(Slots(slots), "4|1|2|3|5|6|7|8|9|");
  RemoveRecentFile(slots, 2);
  EXPECT_EQ(Slots(slots), "4|1|3|5|6|7|8|9||");
  RemoveRecentFile(slots, 9);  // no such slot
  RemoveRecentFile(slots, -1);
  RemoveRecentFile(slots, 0);
  EXPECT_EQ(Slots(slots), "1|3|5|6|7|8|9|||");
  AddRecentFile(slots, std::string(400, 'x').c_str());
  EXPECT_EQ(std::string(slots[0]), std::string(kPathLength - 1, 'x'));
}

TEST(FileList, CommentsBlanksAndLongLines) {
  const std::string content = "c:\\one.txt\r\n\r\n# a comment\r\n; another\n c:\\indented.txt\n\tc:\\tabbed.txt\n" +
                              std::string(300, 'a') + "\nc:\\missing.txt\r\nc:\\last.txt\r";
  const std::vector<std::string> expected = {"c:\\one.txt", std::string(255, 'a'), std::string(45, 'a'),
                                             "c:\\missing.txt", "c:\\last.txt"};
  EXPECT_EQ(ParseFileList(content), expected);
  EXPECT_TRUE(ParseFileList("").empty());
  EXPECT_EQ(ParseFileList("a\rb\r\n"), std::vector<std::string>{"a\rb"});
  // A built list holds any number of names and reads back as them.
  std::vector<std::string> names;
  for (int i = 0; i < 500; ++i) names.push_back("c:\\folder\\" + std::string(200, 'n') + std::to_string(i));
  EXPECT_EQ(ParseFileList(BuildFileListText(names)), names);
  EXPECT_EQ(BuildFileListText({"a", "b"}), "a\r\nb\r\n");
}
