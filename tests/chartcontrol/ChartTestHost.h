// What the chart tests need around the real ChartControl.dll: the library loaded once, one
// long-lived stage window to put charts on (under Wine without a window manager a top-level
// window takes seconds to go away), a chart with a recording event sink and a paint counter,
// and pictures of what it draws.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "ChartApi.h"
#include "ChartDriver.h"

struct MouseDownEvent {
  int16_t button, shift;
  int32_t x, y;
};

struct LimitsEvent {
  double values[6];
};

class RecordingSink : public ChartEvents {
 public:
  void LimitsChanged(double* values6, int32_t* flag) override;
  void MouseDown(int16_t button, int16_t shift, int32_t x, int32_t y) override;

  std::vector<MouseDownEvent> mouseDowns;
  std::vector<LimitsEvent> limits;
};

// The pixels of a picture, read as COLORREFs.
class Picture {
 public:
  Picture(int width, int height) : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {}
  // What the window shows now, after everything pending is painted.
  static Picture OnScreen(HWND window);
  // What the window draws into a memory bitmap on WM_PRINTCLIENT.
  static Picture Printed(HWND window);
  // What `draw` draws into a 32-bit memory bitmap of the given size.
  static Picture Drawn(int width, int height, const std::function<void(HDC)>& draw);

  int width() const { return width_; }
  int height() const { return height_; }
  COLORREF At(int x, int y) const;
  // The bounding box of the pixels of exactly `colour` inside `within` (or the whole picture).
  RECT BoundsOf(COLORREF colour) const;
  RECT BoundsOf(COLORREF colour, const RECT& within) const;
  // Pixels within `tolerance` of `colour` in each channel, inside `area`.
  int Count(COLORREF colour, const RECT& area, int tolerance = 0) const;
  int Count(COLORREF colour, int tolerance = 0) const { return Count(colour, RECT{0, 0, width_, height_}, tolerance); }
  bool operator==(const Picture& other) const { return width_ == other.width_ && pixels_ == other.pixels_; }
  uint32_t* data() { return pixels_.data(); }

 private:
  int width_, height_;
  std::vector<uint32_t> pixels_;  // 0x00rrggbb as a DIB holds them
};

// A chart made through CreateChartControl on the stage, as child `id` on `place`.
class TestChart {
 public:
  explicit TestChart(RECT place = RECT{0, 0, 800, 500}, int id = 2);
  TestChart(const TestChart&) = delete;
  TestChart& operator=(const TestChart&) = delete;
  ~TestChart();

  ChartControl* chart() const { return chart_; }
  HWND hwnd() const { return hwnd_; }
  int paints() const;
  void ResetPaints();
  RecordingSink sink;

 private:
  ChartControl* chart_ = nullptr;
  HWND hwnd_ = nullptr;
};

CreateChartControlFunction ChartFactory();
HWND Stage();
// Handles every message waiting for this thread (a bounded number), as a message loop would.
void PumpMessages();
bool ColourNear(COLORREF a, COLORREF b, int tolerance);
