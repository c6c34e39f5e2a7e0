// The recent-file slots and indirect file lists.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "editor/app/core/FileList.h"
#include "editor/app/core/RecentFiles.h"

using namespace editor;

namespace {

std::vector<std::string> Slots(const RecentFileSlots& slots) {
  return std::vector<std::string>(std::begin(slots), std::end(slots));
}

// Slots holding c:\1.txt to c:\<count>.txt, most recent first.
void Fill(RecentFileSlots& slots, int count) {
  for (int i = 0; i < count; ++i) std::snprintf(slots[i], kPathLength, "c:\\%d.txt", i + 1);
}

}  // namespace

TEST(RecentFiles, AddingMovesToTheTop) {
  struct Case {
    int filled;
    const char* name;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {9, "c:\\4.txt",
       {"c:\\4.txt", "c:\\1.txt", "c:\\2.txt", "c:\\3.txt", "c:\\5.txt", "c:\\6.txt", "c:\\7.txt", "c:\\8.txt", "c:\\9.txt"}},
      {9, "c:\\new.txt",  // a tenth file drops slot 9
       {"c:\\new.txt", "c:\\1.txt", "c:\\2.txt", "c:\\3.txt", "c:\\4.txt", "c:\\5.txt", "c:\\6.txt", "c:\\7.txt", "c:\\8.txt"}},
      {3, "C:\\2.TXT", {"C:\\2.TXT", "c:\\1.txt", "c:\\3.txt", "", "", "", "", "", ""}},
      {3, "C:\\1.TXT", {"C:\\1.TXT", "c:\\2.txt", "c:\\3.txt", "", "", "", "", "", ""}},
      {2, "c:\\3.txt", {"c:\\3.txt", "c:\\1.txt", "c:\\2.txt", "", "", "", "", "", ""}},
      {2, "", {"c:\\1.txt", "c:\\2.txt", "", "", "", "", "", "", ""}},
  };
  for (const Case& c : cases) {
    RecentFileSlots slots = {};
    Fill(slots, c.filled);
    AddRecentFile(slots, c.name);
    EXPECT_EQ(Slots(slots), c.expected) << c.name;
  }
}

TEST(RecentFiles, NamesAreComparedAndCopiedSafely) {
  EXPECT_TRUE(SameFileName("c:\\Caf\xE9\\\xFF.txt", "C:\\CAF\xC9\\\x9F.TXT"));
  EXPECT_FALSE(SameFileName("c:\\a.txt", "c:\\a.txt2"));
  EXPECT_FALSE(SameFileName("c:\\\xF7", "c:\\\xD7"));  // division and multiplication signs
  RecentFileSlots slots = {};
  Fill(slots, 5);
  AddRecentFile(slots, slots[3]);  // a name taken from the list itself
  EXPECT_EQ(Slots(slots)[0], "c:\\4.txt");
  EXPECT_EQ(Slots(slots)[4], "c:\\5.txt");
  AddRecentFile(slots, std::string(400, 'x').c_str());
  EXPECT_EQ(Slots(slots)[0], std::string(kPathLength - 1, 'x'));
}

TEST(RecentFiles, RemovingMovesLaterEntriesUp) {
  RecentFileSlots slots = {};
  Fill(slots, 9);
  RemoveRecentFile(slots, 2);
  EXPECT_EQ(Slots(slots), (std::vector<std::string>{"c:\\1.txt", "c:\\2.txt", "c:\\4.txt", "c:\\5.txt", "c:\\6.txt",
                                                    "c:\\7.txt", "c:\\8.txt", "c:\\9.txt", ""}));
  RemoveRecentFile(slots, 8);
  RemoveRecentFile(slots, 9);  // no such slot
  RemoveRecentFile(slots, -1);
  EXPECT_EQ(Slots(slots)[7], "c:\\9.txt");
  RemoveRecentFile(slots, 0);
  EXPECT_EQ(Slots(slots)[0], "c:\\2.txt");
}

TEST(FileList, CommentsBlanksAndLongLines) {
  const std::string content =
      "c:\\one.txt\r\n"
      "\r\n"
      "# a comment\r\n"
      "; another\n"
      " c:\\indented.txt\n"
      "\tc:\\tabbed.txt\n"
      "c:\\missing.txt\r\n"
      + std::string(300, 'a') + "\n"
      "c:\\last.txt\r";
  const std::vector<std::string> expected = {"c:\\one.txt", "c:\\missing.txt", std::string(255, 'a'),
                                             std::string(45, 'a'), "c:\\last.txt"};
  EXPECT_EQ(ParseFileList(content), expected);
  EXPECT_TRUE(ParseFileList("").empty());
  EXPECT_EQ(ParseFileList("a\rb\r\n"), std::vector<std::string>{"a\rb"});

  // A built list holds any number of names and reads back as them.
  std::vector<std::string> names;
  for (int i = 0; i < 500; ++i) names.push_back("c:\\folder\\" + std::string(200, 'n') + std::to_string(i) + ".txt");
  const std::string list = BuildFileListText(names);
  EXPECT_EQ(list.substr(0, 11), "c:\\folder\\n");
  EXPECT_EQ(ParseFileList(list), names);
}
