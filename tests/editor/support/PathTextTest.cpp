// Path parts, characters and numbers in the caller's buffers: an absent character gives an
// empty text, a missing buffer leaves everything alone, nothing is written past the capacity.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "editor/support/core/PathText.h"

using namespace support;

namespace {

using PathPart = char* (*)(const char*, char*, std::size_t);

TEST(PathText, PartsOfAPathOrEmpty) {
  // clang-format off
  const struct { const char* what; PathPart part; const char* path; const char* result; } cases[] = {
    {"dir",        GetPathDir,       "c:\\readme.txt",    "c:\\"},
    {"dir",        GetPathDir,       "readme.txt",        ""},
    {"file name",  GetPathFileName,  "c:\\docs\\a.txt",   "a.txt"},
    {"file name",  GetPathFileName,  "readme.txt",        ""},
    {"file name",  GetPathFileName,  "c:\\docs\\",        ""},
    {"strip",      StripExtension,   "c:\\my.dir\\readme", "c:\\my"},  // the last dot of the whole path
    {"strip",      StripExtension,   "README",            ""},
    {"extension",  GetPathExtension, "c:\\my.dir\\readme", ".dir\\readme"},
    {"extension",  GetPathExtension, "c:\\a.tar.gz",      ".gz"},
    {"extension",  GetPathExtension, "README",            ""},
    {"drive",      GetPathDrive,     "d:\\x\\y.txt",      "d:"},
    {"drive",      GetPathDrive,     "\\\\server\\share", ""},
  };
  // clang-format on
  for (const auto& c : cases) {
    char out[kPathTextSize] = "previous";
    EXPECT_EQ(c.part(c.path, out, sizeof out), out) << c.what;
    EXPECT_STREQ(out, c.result) << c.what << " of " << c.path;
    // Missing source or buffer: null, and the buffer untouched.
    std::strcpy(out, "kept");
    EXPECT_EQ(c.part(nullptr, out, sizeof out), nullptr);
    EXPECT_EQ(c.part(c.path, nullptr, 10), nullptr);
    EXPECT_STREQ(out, "kept");
  }
  char small[5] = "";
  EXPECT_STREQ(GetPathDir("c:\\long\\folder\\x", small), "c:\\l");  // cut, terminated
}

TEST(PathText, CharactersNumbersAndReversal) {
  char text[] = "a\\b\\c";
  EXPECT_EQ(FindLastChar(text, '\\'), text + 3);
  EXPECT_EQ(FindChar(static_cast<char*>(nullptr), 'x'), nullptr);
  EXPECT_STREQ(ReverseString(text), "c\\b\\a");

  const std::string allOnes(32, '1');
  // clang-format off
  const struct { std::uint32_t value; unsigned base; const char* text; } numbers[] = {
    {255, 2, "11111111"}, {255, 8, "377"}, {0, 2, "0"}, {0xFFFFFFFFu, 2, allOnes.c_str()},
    {0xFFFFFFFFu, 16, "FFFFFFFF"}, {35, 36, "Z"}, {9, 3, ""}, {9, 0, ""}, {9, 38, ""},
  };
  // clang-format on
  for (const auto& n : numbers) {
    char out[40] = "previous";
    EXPECT_STREQ(NumberToBase(n.value, out, sizeof out, n.base), n.text) << n.value << " base " << n.base;
  }
  char tight[4] = "";
  EXPECT_STREQ(NumberToBase(255, tight, sizeof tight, 8), "377");
  EXPECT_STREQ(NumberToBase(256, tight, sizeof tight, 2), "");  // 9 digits do not fit: nothing, not a cut number
}

}  // namespace
