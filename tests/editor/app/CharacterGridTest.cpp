// The character chart's grid and the error list's lines.
#include <gtest/gtest.h>

#include <string>

#include "editor/app/core/CharacterGrid.h"

using namespace editor;

TEST(CharacterGrid, PointsMapToCodesAndTheClosingLinesToNone) {
  struct Case {
    int x, y, code;  // code -1: no cell
  };
  const Case cases[] = {
      {15, 15, 0},     {44, 30, 0},     {145, 36, 65},  {494, 270, 255}, {480, 20, 240},
      {495, 100, -1},  {100, 271, -1},  {495, 271, -1}, {14, 100, -1},   {100, 14, -1},
      {600, 100, -1},  {100, 300, -1},  {-1, -1, -1},
  };
  for (const Case& c : cases) {
    const std::optional<int> code = CodeAtPoint(c.x, c.y);
    EXPECT_EQ(code.value_or(-1), c.code) << c.x << "," << c.y;
  }
}

TEST(CharacterGrid, EveryCellsPointsGiveItsCode) {
  for (int code = 0; code < 256; ++code) {
    const PixelRect r = CharacterRect(code);
    EXPECT_EQ(CodeAtPoint(r.left, r.top).value_or(-1), code);
    EXPECT_EQ(CodeAtPoint(r.right - 1, r.bottom - 1).value_or(-1), code);
  }
}

TEST(CharacterGrid, TheBoxStaysBesideItsCellAndInsideTheWindow) {
  for (int code = 0; code < 256; ++code) {
    const PixelRect cell = CharacterRect(code), box = InfoBoxRect(code);
    const bool rightmostThree = code / 16 >= 13;
    EXPECT_TRUE(rightmostThree ? box.right < cell.left : box.left > cell.right) << code;
    EXPECT_GE(box.left, 0);
    EXPECT_LE(box.right, 512);
  }
}

TEST(CharacterGrid, InformationLines) {
  const std::array<std::string, 4> a = {" Hex: x41", " Dec: 65", " Oct:  101", " Bin:  01000001"};
  EXPECT_EQ(InfoBoxLines(65), a);
  const std::array<std::string, 4> zero = {" Hex: x00", " Dec: 0", " Oct:  000", " Bin:  00000000"};
  EXPECT_EQ(InfoBoxLines(0), zero);
  EXPECT_EQ(InfoBoxLines(255)[3], " Bin:  11111111");
  EXPECT_EQ(InfoBoxLines(255)[2], " Oct:  377");
}

TEST(CharacterGrid, ErrorLinesAreSingleAndWhole) {
  EXPECT_EQ(ErrorCodeLine(2, "The system cannot find the file specified."),
            "2\t0x0002\tThe system cannot find the file specified.");
  EXPECT_EQ(ErrorCodeLine(6665, "one\r\ntwo\nthree"), "6665\t0x1A09\tone  two three");
  EXPECT_EQ(ErrorCodeLine(7, ""), "");
  const std::string longText(1000, 'x');
  EXPECT_EQ(ErrorCodeLine(8, longText).size(), std::string("8\t0x0008\t").size() + 1000);
}
