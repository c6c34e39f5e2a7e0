#include "ChartTestHost.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

constexpr char kStageClass[] = "ChartTestStage";
constexpr char kPaintCount[] = "ChartTestPaints";
constexpr char kOriginalProc[] = "ChartTestProc";

// Counts WM_PAINT before the chart's own procedure sees it.
LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto original = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kOriginalProc));
  if (msg == WM_PAINT) {
    const auto count = reinterpret_cast<INT_PTR>(GetPropA(hwnd, kPaintCount));
    SetPropA(hwnd, kPaintCount, reinterpret_cast<HANDLE>(count + 1));
  }
  if (msg == WM_NCDESTROY) {
    RemovePropA(hwnd, kPaintCount);
    RemovePropA(hwnd, kOriginalProc);
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
  }
  return CallWindowProcA(original, hwnd, msg, wParam, lParam);
}

Picture FromDc(HWND window, bool printed) {
  RECT client;
  GetClientRect(window, &client);
  return Picture::Drawn(client.right, client.bottom, [&](HDC memory) {
    if (printed) {
      SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    } else {
      UpdateWindow(window);
      HDC screen = GetDC(window);
      BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
      ReleaseDC(window, screen);
    }
  });
}

}  // namespace

Picture Picture::Drawn(int width, int height, const std::function<void(HDC)>& draw) {
  Picture picture(width, height);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  draw(memory);
  GdiFlush();
  const uint32_t* source = static_cast<const uint32_t*>(bits);
  for (size_t i = 0, n = static_cast<size_t>(width) * height; source && i < n; ++i)
    picture.data()[i] = source[i] & 0xFFFFFF;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return picture;
}

void RecordingSink::LimitsChanged(double* values6, int32_t* flag) {
  LimitsEvent e;
  std::copy(values6, values6 + 6, e.values);
  limits.push_back(e);
  (void)flag;
}

void RecordingSink::MouseDown(int16_t button, int16_t shift, int32_t x, int32_t y) {
  mouseDowns.push_back({button, shift, x, y});
}

CreateChartControlFunction ChartFactory() {
  static CreateChartControlFunction factory = [] {
    HMODULE library = LoadLibraryA(kChartLibraryName);
    return library ? reinterpret_cast<CreateChartControlFunction>(
                         reinterpret_cast<void*>(GetProcAddress(library, kCreateChartControlName)))
                   : nullptr;
  }();
  return factory;
}

HWND Stage() {
  static HWND stage = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kStageClass;
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(WS_EX_TOPMOST, kStageClass, "chart tests", WS_POPUP | WS_CLIPCHILDREN,
                                0, 0, 1000, 700, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    return hwnd;
  }();
  return stage;
}

void PumpMessages() {
  MSG msg;
  for (int i = 0; i < 10000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool ColourNear(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

Picture Picture::OnScreen(HWND window) { return FromDc(window, false); }

Picture Picture::Printed(HWND window) { return FromDc(window, true); }

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

TestChart::TestChart(RECT place, int id) {
  CreateChartControlFunction create = ChartFactory();
  if (!create) return;
  chart_ = create(Stage(), id, &place);
  if (!chart_) return;
  hwnd_ = chart_->Window();
  chart_->SetEventSink(&sink);
  SetPropA(hwnd_, kOriginalProc, reinterpret_cast<HANDLE>(GetWindowLongPtrA(hwnd_, GWLP_WNDPROC)));
  SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc));
  PumpMessages();
}

TestChart::~TestChart() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  if (chart_) chart_->Release();
  PumpMessages();
}

int TestChart::paints() const {
  return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(hwnd_, kPaintCount)));
}

void TestChart::ResetPaints() { SetPropA(hwnd_, kPaintCount, nullptr); }
