// One counted reference to a chart object, released exactly once.
#pragma once

#include <utility>

#include "chartcontrol/api/ChartObjectApi.h"

namespace chart {

using chartcontrol::ChartObject;

class ChartRef {
 public:
  ChartRef() = default;
  // Takes over a reference the caller holds (as a get returns it).
  explicit ChartRef(ChartObject* adopted) : object_(adopted) {}
  ChartRef(const ChartRef&) = delete;
  ChartRef& operator=(const ChartRef&) = delete;
  ChartRef(ChartRef&& other) noexcept : object_(other.release()) {}
  ChartRef& operator=(ChartRef&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~ChartRef() { reset(); }

  ChartObject* get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  ChartObject* release() { return std::exchange(object_, nullptr); }
  void reset(ChartObject* adopted = nullptr) {
    ChartObject* old = std::exchange(object_, adopted);
    if (old && old != adopted) old->Release();
  }

 private:
  ChartObject* object_ = nullptr;
};

}  // namespace chart
