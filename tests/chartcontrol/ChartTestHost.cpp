#include "tests/chartcontrol/ChartTestHost.h"

#include <algorithm>

namespace chartcontrol {

namespace {

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

}  // namespace

void RecordingSink::LimitsChanged(double* values6, int32_t*) { limits.emplace_back(values6, values6 + 6); }

void RecordingSink::MouseDown(int16_t button, int16_t shift, int32_t x, int32_t y) {
  mouseDowns.push_back({button, shift, x, y});
}

TestChart::TestChart(RECT place, int id) {
  core_ = ChartCore::Create(Stage(), id, place);
  if (!core_) return;
  hwnd_ = core_->Window();
  core_->SetEventSink(&sink);
  SetPropA(hwnd_, kOriginalProc, reinterpret_cast<HANDLE>(GetWindowLongPtrA(hwnd_, GWLP_WNDPROC)));
  SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc));
  PumpMessages();
}

TestChart::~TestChart() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  if (core_) core_->Release();
  PumpMessages();
}

void TestChart::GivePlotLook() {
  ChartModel& m = model();
  m.outerColours.back = GetSysColor(COLOR_BTNFACE) - 0x050505;
  m.outerColours.fore = RGB(50, 50, 50);
  m.outerFrame = FrameStyle{2, 9};
  m.graph.colours.back = RGB(235, 235, 235);
  m.graph.frame = FrameStyle{1, 9};
  m.title.text = " Zelvora ";
  m.title.font.size = 14;
  m.title.colours.fore = RGB(100, 20, 20);
  m.title.frame.kind = 5;
  m.note.text = " ";
  m.note.font.size = 10;
  m.note.colours.fore = RGB(0, 0, 130);
  m.note.place[0] = PlaceItem{2, true};
  m.note.place[1] = PlaceItem{450, true};
  m.legend.frame = FrameStyle{0, 9};
  for (AxisId id : {kAxisX, kAxisY}) {
    Axis& a = m.graph.axes[id];
    a.minLimit = 0;
    a.maxLimit = id == kAxisX ? 1000 : 100;
    a.font.name = "Courier New";
    a.font.size = 12;
    a.labelLook.fore = RGB(50, 50, 50);
    a.labels.digitsAutomatic = false;
    a.labels.digits = id == kAxisX ? 0 : 1;
    a.grid.lineKind = 2;
    a.grid.lineColour = RGB(225, 225, 225);
  }
  m.groups[1].graphKind = kGraphKindBands;
  const Colour curves[] = {RGB(0, 0, 220), RGB(220, 0, 0), RGB(0, 120, 0)};
  for (int n = 1; n <= 3; ++n) {
    SeriesStyle& style = m.groups[0].Style(n);
    style.fill.fore = style.markerColour = curves[n - 1];
    style.fill.foreSet = style.markerColourSet = true;
  }
  for (SeriesGroup& group : m.groups) {
    group.data.SetSeriesCount(20);
    group.data.SetPointCount(1, 1);
    group.data.SetY(1, 1, 0.0);
  }
  core_->ModelEdited();
  PumpMessages();
}

int TestChart::paints() const { return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(hwnd_, kPaintCount))); }

void TestChart::ResetPaints() { SetPropA(hwnd_, kPaintCount, nullptr); }

}  // namespace chartcontrol
