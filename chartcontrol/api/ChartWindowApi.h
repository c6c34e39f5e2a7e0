// The window part of the chart component's interface: the control object with its window and
// event sink, and the one export of ChartControl.dll that makes it.
#pragma once

#include <windows.h>

#include "chartcontrol/api/ChartObjectApi.h"

namespace chartcontrol {

struct ChartControl : ChartObject {
  virtual HWND Window() = 0;
  // Events go to `sink` until it is replaced (nullptr: none). The sink must outlive the window.
  virtual void SetEventSink(ChartEvents* sink) = 0;

 protected:
  ~ChartControl() = default;
};

// The one export of ChartControl.dll (CreateChartControl, a plain C name): makes the chart
// window as a visible child `id` of `parent` on `rect` and returns its control object with one
// reference (nullptr on failure). Destroying the window ends the control; the object stays valid
// until its last Release.
using CreateChartControlFunction = ChartControl* (*)(HWND parent, int id, const RECT* rect);
constexpr char kChartLibraryName[] = "ChartControl.dll";
constexpr char kCreateChartControlName[] = "CreateChartControl";

}  // namespace chartcontrol
