// The names an Open dialog hands back for one or several chosen files.
#include "editor/app/core/OpenSelection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Split(const std::string& buffer) { return editor::SplitOpenSelection(buffer.data(), buffer.size()); }

TEST(OpenSelection, OneFileSeveralFilesAndARootFolder) {
  using List = std::vector<std::string>;
  EXPECT_EQ(Split(std::string("c:\\docs\\a.txt\0\0", 15)), List{"c:\\docs\\a.txt"});
  EXPECT_EQ(Split(std::string("c:\\docs\0a.txt\0b c.txt\0\0", 23)), (List{"c:\\docs\\a.txt", "c:\\docs\\b c.txt"}));
  EXPECT_EQ(Split(std::string("c:\\\0a.txt\0b.txt\0\0", 17)), (List{"c:\\a.txt", "c:\\b.txt"}));
  EXPECT_EQ(Split(std::string("\0\0", 2)), List{});
  // A buffer the dialog filled to its end without a terminator ends there.
  EXPECT_EQ(Split(std::string("c:\\x\0ab", 7)), List{"c:\\x\\ab"});
}

}  // namespace
