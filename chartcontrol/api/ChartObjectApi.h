// The chart component's object interface: what a host sees of a chart, without any window.
//
// Every object of the chart (the control, its text boxes, frames, colours, fonts, graph area,
// axes, grids, series groups, styles...) is a ChartObject reached from the control by property
// gets, and each member is addressed by its dispatch id (named in ChartMembers.h), as an
// automation client would address it. Objects are reference counted: every object a get returns
// is released by the caller. Texts cross the boundary as zero-terminated ANSI strings owned by
// the side that made them. Portable: no windows.h.
#pragma once

#include <cstdint>
#include <utility>

namespace chartcontrol {

// A value passed to or returned from a member.
struct ChartValue {
  enum Kind : int32_t { Empty = 0, Bool = 1, Int16 = 2, Int32 = 3, Double = 4, Text = 5, Object = 6 };
  Kind kind = Empty;
  int32_t integer = 0;           // Bool (0 or 1), Int16, Int32; also a colour (COLORREF)
  double number = 0.0;           // Double
  const char* text = nullptr;    // Text: valid for the duration of the call
  struct ChartObject* object = nullptr;  // Object: returned with one reference for the caller

  static ChartValue FromBool(bool b) { ChartValue v; v.kind = Bool; v.integer = b ? 1 : 0; return v; }
  static ChartValue FromInt16(int16_t i) { ChartValue v; v.kind = Int16; v.integer = i; return v; }
  static ChartValue FromInt32(int32_t i) { ChartValue v; v.kind = Int32; v.integer = i; return v; }
  static ChartValue FromDouble(double d) { ChartValue v; v.kind = Double; v.number = d; return v; }
  static ChartValue FromText(const char* t) { ChartValue v; v.kind = Text; v.text = t; return v; }
};

enum class ChartInvoke : int32_t {
  Get = 1,     // property get; `args` are the indexes of an indexed get ("Item")
  Put = 2,     // property put; the value is the last of `args`, the indexes before it
  Method = 3,  // method call with `args` in order
};

struct ChartObject {
  virtual void AddRef() = 0;
  virtual void Release() = 0;
  // Returns false for a member the object does not have or arguments it cannot take.
  virtual bool Invoke(int32_t dispatchId, ChartInvoke kind, const ChartValue* args,
                      int32_t argCount, ChartValue* result) = 0;

 protected:
  ~ChartObject() = default;
};

// Events the control reports to its host, on the thread of its window.
struct ChartEvents {
  // The user changed the limits: x minimum, x maximum, y minimum, y maximum, and two more
  // values and a flag the host may leave as they are.
  virtual void LimitsChanged(double* values6, int32_t* flag) = 0;
  // A mouse button went down on the chart: button 1 left, 2 right, 4 middle; shift state bits
  // 1 Shift, 2 Ctrl, 4 Alt; x and y in client pixels.
  virtual void MouseDown(int16_t button, int16_t shift, int32_t x, int32_t y) = 0;

 protected:
  ~ChartEvents() = default;
};

// One counted reference to a chart object, as a get hands it over: released exactly once.
class ChartRef {
 public:
  ChartRef() = default;
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

}  // namespace chartcontrol
