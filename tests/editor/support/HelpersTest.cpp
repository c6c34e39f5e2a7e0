// File tests, dialog items, drawing and fonts on real files, windows and device contexts.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <utility>

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
  EXPECT_EQ(FileFound(nullptr, false), 0);
  EXPECT_EQ(GetFileSizeByName(file.c_str()), 5);
  EXPECT_EQ(GetFileSizeByName(TempPath("none").c_str()), -1);

  // A sparse file of 4 GB + 3 bytes: a 32-bit size would read as 3.
  HANDLE h = CreateFileA(big.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  LARGE_INTEGER size;
  size.QuadPart = 0x100000003LL;
  const bool made = SetFilePointerEx(h, size, nullptr, FILE_BEGIN) && SetEndOfFile(h);
  CloseHandle(h);
  EXPECT_TRUE(made);
  EXPECT_EQ(GetFileSizeByName(big.c_str()), 0x100000003LL);
  SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
  for (const std::string& path : {file, locked, big}) DeleteFileA(path.c_str());
}

TEST(Helpers, DialogItemsAndTheEventLog) {
  win32::UniqueWindow parent(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr));
  HWND item = CreateWindowExA(0, "BUTTON", "", WS_CHILD, 0, 0, 10, 10, parent.get(), reinterpret_cast<HMENU>(42), nullptr, nullptr);
  EXPECT_EQ(EnableDlgItem(parent.get(), 42, false), 1);
  EXPECT_FALSE(IsWindowEnabled(item));
  EXPECT_EQ(EnableDlgItem(parent.get(), 42, true), 1);
  EXPECT_TRUE(IsWindowEnabled(item));
  EXPECT_EQ(EnableDlgItem(parent.get(), 43, true), 0);
  const int probe = ProbeEventSource();
  EXPECT_TRUE(probe == 0 || probe == 1);
}

class DrawingTest : public testing::Test {
 protected:
  void SetUp() override {
    screen_ = GetDC(nullptr);
    dc_.reset(CreateCompatibleDC(screen_));
    bitmap_.reset(CreateCompatibleBitmap(screen_, 60, 40));
    select_.emplace(dc_.get(), bitmap_.get());
    const RECT all{0, 0, 60, 40};
    FillRectColour(dc_.get(), all, RGB(255, 255, 255));
  }
  void TearDown() override {
    select_.reset();
    ReleaseDC(nullptr, screen_);
  }
  COLORREF At(int x, int y) const { return GetPixel(dc_.get(), x, y); }
  // The leftmost and rightmost columns holding a dark pixel in row band [top, bottom).
  std::pair<int, int> InkColumns(int top, int bottom) const {
    int first = -1, last = -1;
    for (int x = 0; x < 60; ++x) {
      for (int y = top; y < bottom; ++y) {
        if (GetRValue(At(x, y)) < 128) {
          if (first < 0) first = x;
          last = x;
        }
      }
    }
    return {first, last};
  }
  HDC screen_ = nullptr;
  win32::UniqueMemoryDc dc_;
  win32::UniqueBitmap bitmap_;
  std::optional<win32::SelectGuard> select_;
};

TEST_F(DrawingTest, ShadowFrameAndFill) {
  const RECT box{10, 10, 30, 20};
  EXPECT_EQ(FillRectColour(dc_.get(), box, RGB(0, 0, 255)), 1);
  EXPECT_EQ(At(15, 15), RGB(0, 0, 255));
  EXPECT_EQ(At(30, 15), RGB(255, 255, 255));  // right and bottom are outside
  EXPECT_EQ(DrawShadowFrame(dc_.get(), box), 1);
  EXPECT_EQ(At(10, 10), RGB(0, 0, 0));
  EXPECT_EQ(At(29, 19), RGB(0, 0, 0));
  EXPECT_EQ(At(15, 15), RGB(0, 0, 255));  // inside untouched
  const COLORREF shadow = GetNearestColor(dc_.get(), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(At(11, 20), shadow);
  EXPECT_EQ(At(29, 20), shadow);
  EXPECT_EQ(At(30, 19), shadow);
  EXPECT_EQ(At(30, 11), shadow);
  EXPECT_EQ(At(10, 20), RGB(255, 255, 255));  // the shadow starts one pixel in at both ends
  EXPECT_EQ(At(30, 10), RGB(255, 255, 255));
}

TEST_F(DrawingTest, AlignedTextAtEachEdgeClippedAndTheDcRestored) {
  SetTextAlign(dc_.get(), TA_BASELINE);
  SetBkMode(dc_.get(), TRANSPARENT);
  const RECT line{5, 5, 55, 25};
  DrawAlignedText(dc_.get(), line, kAlignRight, "%d", 7);
  const auto right = InkColumns(5, 25);
  EXPECT_GT(right.first, 40);
  EXPECT_LE(right.second, 54);
  EXPECT_EQ(GetTextAlign(dc_.get()), static_cast<UINT>(TA_BASELINE));
  EXPECT_EQ(GetBkMode(dc_.get()), TRANSPARENT);

  FillRectColour(dc_.get(), {0, 0, 60, 40}, RGB(255, 255, 255));
  DrawAlignedText(dc_.get(), line, 9, "%s", "ii");  // unknown alignment: left
  EXPECT_GE(InkColumns(5, 25).first, 5);
  EXPECT_LT(InkColumns(5, 25).first, 12);
  FillRectColour(dc_.get(), {0, 0, 60, 40}, RGB(255, 255, 255));
  DrawAlignedText(dc_.get(), {20, 5, 40, 25}, kAlignCentre, "%s", "WWWWWWWWWWWW");
  EXPECT_EQ(InkColumns(0, 40), std::make_pair(20, 39));  // clipped to the rectangle
}

int CALLBACK TakeFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM face) {
  if (!(type & TRUETYPE_FONTTYPE)) return 1;
  *reinterpret_cast<std::string*>(face) = font->lfFaceName;
  return 0;
}

TEST(Fonts, MadeAtTheScreensSizeOrNoneForAMissingFace) {
  EXPECT_EQ(MakeFont(nullptr, "No Such Face Anywhere", 9), nullptr);  // and no box
  std::string face;  // a TrueType face this machine has
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesA(screen, nullptr, reinterpret_cast<FONTENUMPROCA>(TakeFace), reinterpret_cast<LPARAM>(&face));
  const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  ASSERT_FALSE(face.empty());
  win32::UniqueFont font(MakeFontStyle(nullptr, face.c_str(), 9, true, true));
  ASSERT_TRUE(font);
  LOGFONTA made{};
  GetObjectA(font.get(), sizeof made, &made);
  EXPECT_EQ(made.lfHeight, -MulDiv(9, pixelsPerInch, 72));
  EXPECT_EQ(made.lfWeight, FW_BOLD);
  EXPECT_TRUE(made.lfItalic);
  EXPECT_FALSE(made.lfUnderline);
  EXPECT_EQ(made.lfFaceName, face);
  win32::UniqueFont plain(MakeFont(nullptr, face.c_str(), 12));
  GetObjectA(plain.get(), sizeof made, &made);
  EXPECT_EQ(made.lfWeight, FW_NORMAL);
  EXPECT_FALSE(made.lfItalic);
}

}  // namespace
