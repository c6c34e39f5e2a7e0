#include "tests/support/Picture.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "common/win32/Handles.h"

namespace testsupport {

namespace {

Picture FromWindow(HWND window, bool printed) {
  RECT client{};
  GetClientRect(window, &client);
  return Picture::Drawn(client.right, client.bottom, [&](HDC memory) {
    if (printed) {
      SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    } else {
      UpdateWindow(window);
      win32::WindowDc screen(window);
      BitBlt(memory, 0, 0, client.right, client.bottom, screen.get(), 0, 0, SRCCOPY);
    }
  });
}

}  // namespace

Picture Picture::Drawn(int width, int height, const std::function<void(HDC)>& draw) {
  Picture picture(width, height);
  void* bits = nullptr;
  win32::UniqueMemoryDc memory(CreateCompatibleDC(nullptr));
  win32::UniqueBitmap bitmap = win32::CreateDib32(width, height, &bits);
  if (!bitmap || !bits) return picture;
  {
    win32::SelectGuard selected(memory.get(), bitmap.get());
    draw(memory.get());
    GdiFlush();
  }
  const uint32_t* source = static_cast<const uint32_t*>(bits);
  for (size_t i = 0; i < picture.pixels_.size(); ++i) picture.pixels_[i] = source[i] & 0xFFFFFF;
  return picture;
}

Picture Picture::OnScreen(HWND window) { return FromWindow(window, false); }

Picture Picture::Printed(HWND window) { return FromWindow(window, true); }

COLORREF Picture::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  const uint32_t p = pixels_[static_cast<size_t>(y) * width_ + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

RECT Picture::BoundsOf(COLORREF colour) const { return BoundsOf(colour, RECT{0, 0, width_, height_}); }

RECT Picture::BoundsOf(COLORREF colour, const RECT& within) const {
  RECT r{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
  for (int y = std::max<int>(within.top, 0); y < std::min<int>(within.bottom, height_); ++y)
    for (int x = std::max<int>(within.left, 0); x < std::min<int>(within.right, width_); ++x)
      if (At(x, y) == colour) {
        r.left = std::min<LONG>(r.left, x);
        r.top = std::min<LONG>(r.top, y);
        r.right = std::max<LONG>(r.right, x + 1);
        r.bottom = std::max<LONG>(r.bottom, y + 1);
      }
  if (r.left == LONG_MAX) return RECT{0, 0, 0, 0};
  return r;
}

int Picture::Count(COLORREF colour, const RECT& area, int tolerance) const {
  int n = 0;
  for (int y = std::max<int>(area.top, 0); y < std::min<int>(area.bottom, height_); ++y)
    for (int x = std::max<int>(area.left, 0); x < std::min<int>(area.right, width_); ++x)
      n += ColourNear(At(x, y), colour, tolerance);
  return n;
}

bool ColourNear(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

COLORREF PixelAt(HWND window, int x, int y) {
  UpdateWindow(window);
  win32::WindowDc dc(window);
  return GetPixel(dc.get(), x, y);
}

}  // namespace testsupport
