// Pixels of what a window shows or a drawing makes, read back as COLORREFs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace testsupport {

class Picture {
 public:
  Picture(int width, int height) : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {}
  // What the window's client area shows now, after everything pending is painted.
  static Picture OnScreen(HWND window);
  // What the window draws into a memory bitmap on WM_PRINTCLIENT.
  static Picture Printed(HWND window);
  // What `draw` draws into a 32-bit memory bitmap of the given size.
  static Picture Drawn(int width, int height, const std::function<void(HDC)>& draw);

  int width() const { return width_; }
  int height() const { return height_; }
  // CLR_INVALID outside the picture.
  COLORREF At(int x, int y) const;
  // The bounding box of the pixels of exactly `colour` inside `within` (or the whole picture);
  // an empty rectangle when there are none.
  RECT BoundsOf(COLORREF colour) const;
  RECT BoundsOf(COLORREF colour, const RECT& within) const;
  // Pixels within `tolerance` of `colour` in each channel, inside `area` (or the whole picture).
  int Count(COLORREF colour, const RECT& area, int tolerance = 0) const;
  int Count(COLORREF colour, int tolerance = 0) const { return Count(colour, RECT{0, 0, width_, height_}, tolerance); }
  bool operator==(const Picture& other) const { return width_ == other.width_ && pixels_ == other.pixels_; }

 private:
  int width_, height_;
  std::vector<uint32_t> pixels_;  // 0x00rrggbb as a 32-bit DIB holds them
};

bool ColourNear(COLORREF a, COLORREF b, int tolerance);
// The colour of pixel (x, y) of `window`'s client area after everything pending is painted.
COLORREF PixelAt(HWND window, int x, int y);

}  // namespace testsupport
