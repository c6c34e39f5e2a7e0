#include "plotter/chart/Chart2D.h"

#include <utility>

namespace chart {

using chartcontrol::CreateChartControlFunction;
using chartcontrol::kChartLibraryName;
using chartcontrol::kCreateChartControlName;

namespace {

CChart2D::Factory& TestFactory() {
  static CChart2D::Factory factory;
  return factory;
}

// ChartControl.dll is looked for beside the program only.
std::string LibraryPath() {
  char path[MAX_PATH * 4] = "";
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return kChartLibraryName;
  std::string folder(path, length);
  folder.erase(folder.find_last_of("\\/") + 1);
  return folder + kChartLibraryName;
}

}  // namespace

void CChart2D::SetFactoryForTests(Factory factory) { TestFactory() = std::move(factory); }

CChart2D::CChart2D() = default;

CChart2D::~CChart2D() { Destroy(); }

// The sink goes first, then the window, then the object; the library last, as its code runs all
// of them.
void CChart2D::Destroy() {
  if (control_) {
    control_->SetEventSink(nullptr);
    HWND window = control_->Window();
    if (window && IsWindow(window)) DestroyWindow(window);
  }
  control_ = nullptr;
  Reset(ChartRef());
  library_.reset();
}

void CChart2D::Create(HWND parent, int id, const RECT& rect) {
  Destroy();
  ChartControl* control = nullptr;
  if (const Factory& factory = TestFactory()) {
    control = factory(parent, id, &rect);
  } else {
    library_.reset(LoadLibraryExA(LibraryPath().c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    if (!library_) return;
    const FARPROC proc = GetProcAddress(library_.get(), kCreateChartControlName);
    const auto create = reinterpret_cast<CreateChartControlFunction>(reinterpret_cast<void*>(proc));
    if (create) control = create(parent, id, &rect);
  }
  if (!control) {
    library_.reset();
    return;
  }
  control_ = control;
  Reset(ChartRef(control));
  control_->SetEventSink(&sink_);
}

void CChart2D::SetEventHandlers(EventHandlers handlers) { sink_.handlers = std::move(handlers); }

HWND CChart2D::Window() const { return control_ ? control_->Window() : nullptr; }

bool CChart2D::PrintGraph(const std::array<int32_t, 6>& codes) const {
  return Call(member::kPrintGraph, {ChartValue::FromInt32(codes[0]), ChartValue::FromInt32(codes[1]),
                            ChartValue::FromInt32(codes[2]), ChartValue::FromInt32(codes[3]),
                            ChartValue::FromInt32(codes[4]), ChartValue::FromInt32(codes[5])});
}

bool CChart2D::CopyGraph(int32_t format) const {
  return Call(member::kCopyGraph, {ChartValue::FromInt32(format)});
}

bool CChart2D::WriteGraph(const std::string& path, int32_t format) const {
  return Call(member::kWriteGraph, {ChartValue::FromText(path.c_str()), ChartValue::FromInt32(format)});
}

bool CChart2D::WriteJpeg(const std::string& path, int32_t code,
                         const std::array<bool, 3>& flags) const {
  return Call(member::kWriteJpeg, {ChartValue::FromText(path.c_str()), ChartValue::FromInt32(code),
                           ChartValue::FromBool(flags[0]), ChartValue::FromBool(flags[1]),
                           ChartValue::FromBool(flags[2])});
}

bool CChart2D::WritePng(const std::string& path, bool flag) const {
  return Call(member::kWritePng, {ChartValue::FromText(path.c_str()), ChartValue::FromBool(flag)});
}

void CChart2D::EventSink::LimitsChanged(double* values6, int32_t* flag) {
  try {
    if (handlers.limitsChanged && values6) handlers.limitsChanged(values6, flag);
  } catch (...) {
    // Nothing may unwind into the chart's window procedure.
  }
}

void CChart2D::EventSink::MouseDown(int16_t button, int16_t shift, int32_t x, int32_t y) {
  try {
    if (handlers.mouseDown) handlers.mouseDown(button, shift, x, y);
  } catch (...) {
    // Nothing may unwind into the chart's window procedure.
  }
}

}  // namespace chart
