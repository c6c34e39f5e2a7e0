// Points, sizes, rectangles and colours of the widgets' drawing arithmetic, laid out as the
// Windows types they stand for (POINT, SIZE, RECT, COLORREF). Portable: no windows.h.
#pragma once

#include <cstdint>

namespace widgets {

struct Point {
  int x;
  int y;
};

struct Size {
  int cx;
  int cy;
};

struct Rect {
  int left;
  int top;
  int right;
  int bottom;

  bool Empty() const { return right <= left || bottom <= top; }
  Rect Offset(int dx, int dy) const { return Rect{left + dx, top + dy, right + dx, bottom + dy}; }
};

// A colour as COLORREF holds it: red in the low byte, then green, then blue.
using Colour = std::uint32_t;

constexpr Colour Rgb(int red, int green, int blue) {
  return static_cast<Colour>(red & 0xFF) | (static_cast<Colour>(green & 0xFF) << 8) |
         (static_cast<Colour>(blue & 0xFF) << 16);
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace widgets
