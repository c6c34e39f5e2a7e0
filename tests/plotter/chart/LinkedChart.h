// The real chart component, linked into the test program, as CChart2D's chart: while a
// LinkedChart lives, every CChart2D::Create makes a chart through it (none when `fail` is set),
// and the test reads back the model the chart was told. The test keeps a reference of its own
// on the last chart made, so that its model can be read after CChart2D has let it go.
#pragma once

#include <windows.h>

#include "tests/chartcontrol/LinkedControl.h"

class LinkedChart {
 public:
  LinkedChart();
  LinkedChart(const LinkedChart&) = delete;
  LinkedChart& operator=(const LinkedChart&) = delete;
  ~LinkedChart();

  bool fail = false;
  // The last creation asked for.
  int creations = 0;
  HWND parent = nullptr;
  int id = 0;
  RECT rect{};

  bool made() const { return control_ != nullptr; }
  chartcontrol::ChartModel& model() const { return chartcontrol::ModelOf(control_); }
  const chartcontrol::Axis& axis(chartcontrol::AxisId which) const { return model().graph.axes[which]; }
  HWND window() const { return control_->Window(); }
  chartcontrol::ChartEvents* sink() const { return chartcontrol::SinkOf(control_); }
  // References on the chart beyond the test's own.
  long references() const { return chartcontrol::ReferencesOf(control_) - 1; }

 private:
  chartcontrol::ChartControl* control_ = nullptr;
};
