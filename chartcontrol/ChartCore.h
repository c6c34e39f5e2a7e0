// The control object a host gets from CreateChartControl: the model, the tree of objects that
// reach into it, the window that shows it, and the host's event sink.
//
// References: the host holds one, the window holds one until it is destroyed; every object of
// the tree counts on the control. So the control ends when the window is gone and the host has
// released everything it got.
#pragma once

#include <windows.h>

#include <atomic>

#include "chartcontrol/api/ChartWindowApi.h"
#include "chartcontrol/core/ChartDispatch.h"
#include "chartcontrol/core/ChartModel.h"

namespace chartcontrol {

class ChartWindow;

class ChartCore final : public ChartControl, private ChartHost {
 public:
  // Makes the control and its window as child `id` of `parent`; null if the window fails.
  static ChartCore* Create(HWND parent, int id, const RECT& rect);

  void AddRef() override;
  void Release() override;
  bool Invoke(int32_t dispatchId, ChartInvoke kind, const ChartValue* args, int32_t argCount,
              ChartValue* result) override;
  HWND Window() override;
  void SetEventSink(ChartEvents* sink) override;

  const ChartModel& model() const { return model_; }
  ChartModel& model() { return model_; }
  ChartEvents* sink() const { return sink_; }
  // For tests and tools that write the model directly: draw it again.
  void ModelEdited() { Changed(Change::Layout); }
  // For tests: the references held now (the host's, the window's, the objects' a host holds).
  long ReferenceCount() const { return refs_.load(); }
  // The window tells the control it is going (WM_NCDESTROY).
  void WindowDestroyed() { window_ = nullptr; }

 private:
  ChartCore() = default;
  ~ChartCore() = default;
  void Changed(Change change) override;
  bool Dispatch(int32_t id, Call& call);
  bool Output(int32_t id, Call& call);
  SIZE PictureSize() const;
  static Colour SystemColour(int index);

  std::atomic<long> refs_{1};
  ChartModel model_;
  ChartObjectTree objects_{*this, model_, &SystemColour};
  ChartWindow* window_ = nullptr;
  ChartEvents* sink_ = nullptr;
};

}  // namespace chartcontrol
