// What the chart tests need around the real chart component (linked in): a chart on the shared
// stage with a recording event sink, a paint counter and its model at hand, and a plain plot
// look to start from.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "chartcontrol/ChartCore.h"
#include "tests/chartcontrol/ChartDriver.h"
#include "tests/support/Messages.h"
#include "tests/support/Picture.h"
#include "tests/support/Stage.h"

namespace chartcontrol {

using testsupport::ColourNear;
using testsupport::Picture;
using testsupport::PumpMessages;
using testsupport::Stage;

struct MouseDownEvent {
  int16_t button, shift;
  int32_t x, y;
};

class RecordingSink : public ChartEvents {
 public:
  void LimitsChanged(double* values6, int32_t* flag) override;
  void MouseDown(int16_t button, int16_t shift, int32_t x, int32_t y) override;

  std::vector<MouseDownEvent> mouseDowns;
  std::vector<std::vector<double>> limits;
};

// A chart made on the stage as child `id` on `place`.
class TestChart {
 public:
  explicit TestChart(RECT place = RECT{0, 0, 800, 500}, int id = 2);
  TestChart(const TestChart&) = delete;
  TestChart& operator=(const TestChart&) = delete;
  ~TestChart();

  ChartControl* chart() const { return core_; }
  HWND hwnd() const { return hwnd_; }
  ChartModel& model() const { return core_->model(); }
  // A plot look to draw on: the title, note and legend boxes, limits 0 to 1000 (x) and 0 to 100
  // (y), the curves of group 1 in blue, red and green (RGB(0, 0, 220), RGB(220, 0, 0),
  // RGB(0, 120, 0)), group 2 as bands, labels in RGB(50, 50, 50); then drawn.
  void GivePlotLook();
  int paints() const;
  void ResetPaints();
  RecordingSink sink;

 private:
  ChartCore* core_ = nullptr;
  HWND hwnd_ = nullptr;
};

}  // namespace chartcontrol
