#include "chartcontrol/ChartCore.h"

#include "chartcontrol/ChartOutput.h"
#include "chartcontrol/ChartWindow.h"
#include "chartcontrol/api/ChartMembers.h"

namespace chartcontrol {

namespace {
// The picture size when the window is gone: the chart's size at creation in Zelvora.
constexpr SIZE kDefaultPictureSize{790, 480};
}  // namespace

ChartCore* ChartCore::Create(HWND parent, int id, const RECT& rect) {
  auto* core = new ChartCore();
  core->window_ = ChartWindow::Create(*core, parent, id, rect);
  if (!core->window_) {
    core->Release();
    return nullptr;
  }
  return core;
}

Colour ChartCore::SystemColour(int index) { return static_cast<Colour>(GetSysColor(index)); }

void ChartCore::AddRef() { refs_.fetch_add(1); }

void ChartCore::Release() {
  if (refs_.fetch_sub(1) == 1) delete this;
}

HWND ChartCore::Window() { return window_ ? window_->hwnd() : nullptr; }

void ChartCore::SetEventSink(ChartEvents* sink) { sink_ = sink; }

void ChartCore::Changed(Change change) {
  if (window_) window_->ModelChanged(change);
}

bool ChartCore::Invoke(int32_t dispatchId, ChartInvoke kind, const ChartValue* args, int32_t argCount,
                       ChartValue* result) {
  if (argCount < 0) return false;
  try {
    Call call{kind, args, argCount, result};
    return Dispatch(dispatchId, call);
  } catch (...) {
    return false;
  }
}

bool ChartCore::Dispatch(int32_t id, Call& c) {
  if (ChartObject* member = objects_.Member(id)) {
    if (!c.IsGet()) return false;
    ReturnObject(*member, c.result);
    return true;
  }
  bool* flag = id == member::kHoldRedraw   ? &model_.holdRedraw
               : id == member::kHoldLayout ? &model_.holdLayout
               : id == member::kFlag13     ? &model_.flag13
                                              : nullptr;
  if (flag) {
    if (c.IsGet()) {
      *c.result = ChartValue::FromBool(*flag);
      return true;
    }
    bool value;
    if (!c.IsPut() || !ToBool(c.args[0], value)) return false;
    const bool released = *flag && !value;
    *flag = value;
    if (released && window_ && id == member::kHoldRedraw) window_->RedrawReleased();
    if (released && window_ && id == member::kHoldLayout) window_->LayoutReleased();
    return true;
  }
  return Output(id, c);
}

SIZE ChartCore::PictureSize() const {
  RECT client;
  if (window_ && GetClientRect(window_->hwnd(), &client) && client.right > 0 && client.bottom > 0)
    return SIZE{client.right, client.bottom};
  return kDefaultPictureSize;
}

// PrintGraph, CopyGraph, WriteGraph, WriteJpeg and WritePng answer TRUE when the output was made.
bool ChartCore::Output(int32_t id, Call& c) {
  if (!c.IsMethod()) return false;
  const SIZE size = PictureSize();
  const char* path = nullptr;
  int32_t number = 0;
  bool done;
  switch (id) {
    case member::kPrintGraph: {
      int32_t values[6];
      if (c.count != 6) return false;
      for (int i = 0; i < 6; ++i)
        if (!ToInt(c.args[i], values[i])) return false;
      done = PrintChart(model_, size, values);
      break;
    }
    case member::kCopyGraph:
      if (c.count != 1 || !ToInt(c.args[0], number)) return false;
      done = CopyChart(model_, size, number, window_ ? window_->hwnd() : nullptr);
      break;
    case member::kWriteGraph:
      if (c.count != 2 || !ToText(c.args[0], path) || !ToInt(c.args[1], number)) return false;
      done = WriteChart(model_, size, path, number);
      break;
    case member::kWriteJpeg:
      if (c.count != 5 || !ToText(c.args[0], path) || !ToInt(c.args[1], number)) return false;
      done = WriteChartJpeg(model_, size, path, number);
      break;
    case member::kWritePng:
      if (c.count != 2 || !ToText(c.args[0], path)) return false;
      done = WriteChartPng(model_, size, path);
      break;
    default:
      return false;
  }
  if (c.result) *c.result = ChartValue::FromBool(done);
  return true;
}

}  // namespace chartcontrol
