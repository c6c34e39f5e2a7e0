// File tests, dialog items, drawing and fonts on real files, windows and device contexts.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "common/win32/Handles.h"
#include "editor/support/Drawing.h"
#include "editor/support/FileTests.h"
#include "editor/support/Fonts.h"

using namespace support;

namespace {

std::string TempPath(const char* name) {
  char folder[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + "helpers-" + std::to_string(GetCurrentProcessId()) + "-" + name;
}

TEST(Helpers, FilesFoundWritableAndSizedBeyond4GB) {
  const std::string file = TempPath("a.txt"), locked = TempPath("locked.txt"), big = TempPath("big.bin");
  std::ofstream(file) << "12345";
  std::ofstream(locked) << "x";
  SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(FileFound(file.c_str(), true), 1);
  EXPECT_EQ(FileFound(locked.c_str(), false), 1);
  EXPECT_EQ(FileFound(locked.c_str(), true), 0);
  EXPECT_EQ(FileFound(TempPath("none").c_str(), false), 0);
  EXPECT_EQ(GetFileSizeByName(file.c_str()), 5);
  EXPECT_EQ(GetFileSizeByName(TempPath("none").c_str()), -1);
  // A sparse file of 4 GB + 3 bytes: a 32-bit size would read as 3.
  HANDLE h = CreateFileA(big.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  LARGE_INTEGER size;
  size.QuadPart = 0x100000003LL;
  EXPECT_TRUE(SetFilePointerEx(h, size, nullptr, FILE_BEGIN) && SetEndOfFile(h));
  CloseHandle(h);
  EXPECT_EQ(GetFileSizeByName(big.c_str()), 0x100000003LL);
  SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
  for (const std::string& path : {file, locked, big}) DeleteFileA(path.c_str());

  win32::UniqueWindow parent(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr));
  HWND item = CreateWindowExA(0, "BUTTON", "", WS_CHILD, 0, 0, 9, 9, parent.get(), reinterpret_cast<HMENU>(42), nullptr, nullptr);
  EXPECT_EQ(EnableDlgItem(parent.get(), 42, false), 1);
  EXPECT_FALSE(IsWindowEnabled(item));
  EXPECT_EQ(EnableDlgItem(parent.get(), 43, true), 0);
}

TEST(Helpers, ShadowFrameFillAndAlignedTextRestoringTheDc) {
  win32::WindowDc screen(nullptr);
  win32::UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
  win32::UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), 60, 40));
  win32::SelectGuard select(dc.get(), bitmap.get());
  const auto at = [&](int x, int y) { return GetPixel(dc.get(), x, y); };
  const COLORREF white = RGB(255, 255, 255), blue = RGB(0, 0, 255);
  FillRectColour(dc.get(), {0, 0, 60, 40}, white);
  EXPECT_EQ(FillRectColour(dc.get(), {10, 10, 30, 20}, blue), 1);
  EXPECT_EQ(DrawShadowFrame(dc.get(), {10, 10, 30, 20}), 1);
  const COLORREF shadow = GetNearestColor(dc.get(), GetSysColor(COLOR_BTNSHADOW));
  // Frame on the rectangle's inner edge, shadow just outside from one pixel in, inside untouched.
  const struct { int x, y; COLORREF colour; } pixels[] = {
      {10, 10, 0}, {29, 19, 0}, {15, 15, blue}, {31, 15, white},  {11, 20, shadow},
      {29, 20, shadow}, {30, 11, shadow}, {30, 19, shadow}, {10, 20, white}, {30, 10, white}};
  for (const auto& p : pixels) EXPECT_EQ(at(p.x, p.y), p.colour) << p.x << "," << p.y;

  FillRectColour(dc.get(), {0, 0, 60, 40}, white);
  SetTextAlign(dc.get(), TA_BASELINE);
  SetBkMode(dc.get(), TRANSPARENT);
  DrawAlignedText(dc.get(), {20, 5, 40, 25}, kAlignRight, "%d", 7);
  DrawAlignedText(dc.get(), {20, 25, 40, 40}, kAlignCentre, "%s", "WWWWWWWWWWWW");
  int first[2] = {60, 60}, last[2] = {-1, -1};  // ink of the two lines
  for (int x = 0; x < 60; ++x) {
    for (int y = 0; y < 40; ++y) {
      if (GetRValue(at(x, y)) >= 128) continue;
      first[y >= 25] = std::min(first[y >= 25], x);
      last[y >= 25] = std::max(last[y >= 25], x);
    }
  }
  EXPECT_GT(first[0], 30);  // the 7 stands at the right edge
  EXPECT_LE(last[0], 39);
  EXPECT_EQ(first[1], 20);  // the long line is clipped to the rectangle
  EXPECT_EQ(last[1], 39);
  EXPECT_EQ(GetTextAlign(dc.get()), static_cast<UINT>(TA_BASELINE));
  EXPECT_EQ(GetBkMode(dc.get()), TRANSPARENT);
}

int CALLBACK TakeFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM face) {
  if (!(type & TRUETYPE_FONTTYPE)) return 1;
  *reinterpret_cast<std::string*>(face) = font->lfFaceName;
  return 0;
}

TEST(Helpers, FontsAtTheScreensSizeOrNoneForAMissingFace) {
  EXPECT_EQ(MakeFont(nullptr, "No Such Face Anywhere", 9), nullptr);  // and no box
  std::string face;  // a TrueType face this machine has
  win32::WindowDc screen(nullptr);
  EnumFontFamiliesA(screen.get(), nullptr, reinterpret_cast<FONTENUMPROCA>(TakeFace), reinterpret_cast<LPARAM>(&face));
  ASSERT_FALSE(face.empty());
  win32::UniqueFont font(MakeFontStyle(nullptr, face.c_str(), 9, true, true));
  LOGFONTA made{};
  ASSERT_TRUE(GetObjectA(font.get(), sizeof made, &made));
  EXPECT_EQ(made.lfHeight, -MulDiv(9, GetDeviceCaps(screen.get(), LOGPIXELSY), 72));
  EXPECT_EQ(made.lfWeight, FW_BOLD);
  EXPECT_TRUE(made.lfItalic && !made.lfUnderline);
  EXPECT_EQ(made.lfFaceName, face);
}

}  // namespace
