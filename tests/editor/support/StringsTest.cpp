// Texts by id: the table range, the program's string resources, formatting, window texts.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "editor/support/Strings.h"
#include "tests/editor/support/BoxRecorder.h"

using namespace support;

TEST(GetString, TableAndResourceRanges) {
  char text[512];
  EXPECT_EQ(GetString(text, 60000), 9);
  EXPECT_STREQ(text, "Ready ...");
  EXPECT_EQ(GetString(text, 1000), 7);
  EXPECT_STREQ(text, "Quillet");
  GetString(text, 59999);  // just outside the table the resources answer
  EXPECT_STREQ(text, "Below the table");
  GetString(text, 60108);
  EXPECT_STREQ(text, "Above the table");
  EXPECT_EQ(GetString(text, 2002), 254);  // resource texts stop at 254 characters
  char small[5];
  EXPECT_EQ(GetString(small, 60000), 4);  // cut to the caller's buffer
  EXPECT_STREQ(small, "Read");
}

TEST(GetString, AMissingResourceShowsItsErrorBoxAndGivesNothing) {
  BoxRecorder boxes;
  char text[64] = "previous";
  EXPECT_EQ(GetString(text, 2999), 0);
  EXPECT_STREQ(text, "");
  const MessageBoxRequest& box = boxes.only();
  EXPECT_EQ(box.kind, MessageBoxKind::Error);
  const std::string start = "GetString(LoadString)\r\rCannot load string resource (ID:2999)\r\rCode ";
  EXPECT_EQ(box.text.substr(0, start.size()), start);
  EXPECT_EQ(FormatStringById(text, 2999, 1), 0);
  EXPECT_FALSE(SetWindowTextById(nullptr, 2999));
  EXPECT_EQ(boxes.boxes().size(), 3u);
}

TEST(FormatStringById, FormatsTheIdsTextOnceAtMost511Characters) {
  char text[1024];
  EXPECT_GT(FormatStringById(text, 60021, "c:\\50%s off%d.txt"), 0);
  EXPECT_STREQ(text, "File: c:\\50%s off%d.txt\r\rFile not found.");
  FormatStringById(text, 2001, "notes.txt", 3);
  EXPECT_STREQ(text, "Saved notes.txt in 3 parts");
  EXPECT_EQ(FormatStringById(text, 60021, std::string(900, 'p')), 511);
}

TEST(WindowTexts, ByIdAndByFormatAtMost255Characters) {
  HWND dialog = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  HWND control = CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 20, dialog, reinterpret_cast<HMENU>(300),
                                 nullptr, nullptr);
  char text[600];
  EXPECT_TRUE(SetWindowTextById(dialog, 60068, "a.txt"));
  GetWindowTextA(dialog, text, sizeof text);
  EXPECT_STREQ(text, "a.txt opened");
  EXPECT_TRUE(SetDlgItemTextById(dialog, 300, 60081, 12));
  GetWindowTextA(control, text, sizeof text);
  EXPECT_STREQ(text, "Printing page 12");
  SetWindowTextF(dialog, "%d%%", 50);
  GetWindowTextA(dialog, text, sizeof text);
  EXPECT_STREQ(text, "50%");
  SetDlgItemTextF(dialog, 300, "[%s]", std::string(400, 'x'));
  EXPECT_EQ(GetWindowTextA(control, text, sizeof text), 255);
  DestroyWindow(dialog);
}

TEST(GetSystemErrorText, TheSystemsDescriptionWithoutItsLineBreak) {
  char text[256] = "?";
  const std::string description = GetSystemErrorText(text, ERROR_FILE_NOT_FOUND);
  ASSERT_FALSE(description.empty());
  EXPECT_NE(description.back(), '\n');
  char small[8];
  EXPECT_EQ(std::string(GetSystemErrorText(small, ERROR_FILE_NOT_FOUND)), description.substr(0, 7));
  EXPECT_STREQ(GetSystemErrorText(text, 0x2FFFFFFF), "");  // no such code: empty, not stale
}
