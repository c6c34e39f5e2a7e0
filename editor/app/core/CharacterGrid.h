// The character chart's grid and the error list's lines, in client pixels and plain text.
// Portable: no windows.h.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace editor {

// A rectangle in client pixels, edges as a RECT holds them (right and bottom excluded).
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The grid: 16 columns of 30 pixels and 16 rows of 16 pixels, its outer lines at x = 15 and 495,
// y = 15 and 271. Code c lies in column c / 16 and row c % 16.
constexpr int kGridLeft = 15;
constexpr int kGridTop = 15;
constexpr int kGridRight = 495;
constexpr int kGridBottom = 271;
constexpr int kCellWidth = 30;
constexpr int kCellHeight = 16;
constexpr int kGridCells = 16;

// The code under a client point, or nothing outside the grid. The closing lines at x = 495 and
// y = 271 belong to no cell, so the result is always 0 to 255.
std::optional<int> CodeAtPoint(int x, int y);

// Where code `code` (0 to 255) draws its character.
PixelRect CharacterRect(int code);

// The information box shown for a left click: right of the cell, or left of it in the three
// rightmost columns.
PixelRect InfoBoxRect(int code);

// The box's four lines: " Hex: x41", " Dec: 65", " Oct:  101", " Bin:  01000001".
std::array<std::string, 4> InfoBoxLines(int code);

// One line of the error list: "code<TAB>0x%04X<TAB>text" with every carriage return and line
// feed of a multi-line text turned into a blank; empty when the text is empty. The text is kept
// whole, however long.
std::string ErrorCodeLine(unsigned code, std::string_view text);

}  // namespace editor
