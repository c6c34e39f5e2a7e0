// Drives a chart through its binary interface the way a host does: walks object paths by
// dispatch id, puts and gets values, and releases every object it got. Also the start-up
// configuration Zelvora gives its chart, for tests, the demo and the benchmark.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "ChartApi.h"

// An object reference released on scope exit.
class ObjectRef {
 public:
  ObjectRef() = default;
  explicit ObjectRef(ChartObject* object) : object_(object) {}
  ObjectRef(const ObjectRef&) = delete;
  ObjectRef& operator=(const ObjectRef&) = delete;
  ObjectRef(ObjectRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  ObjectRef& operator=(ObjectRef&& other) noexcept {
    if (this != &other) {
      if (object_) object_->Release();
      object_ = std::exchange(other.object_, nullptr);
    }
    return *this;
  }
  ~ObjectRef() {
    if (object_) object_->Release();
  }
  ChartObject* get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  ChartObject* object_ = nullptr;
};

// One step of a path: a get of `id`, with an index for the "Item" gets.
struct Step {
  int32_t id;
  ChartValue index;
  bool indexed = false;
  Step(int32_t i) : id(i) {}  // NOLINT: steps are written as plain numbers
  Step(int32_t i, ChartValue at) : id(i), index(at), indexed(true) {}
};

inline ChartValue I2(int16_t v) { return ChartValue::FromInt16(v); }
inline ChartValue I4(int32_t v) { return ChartValue::FromInt32(v); }
inline ChartValue R8(double v) { return ChartValue::FromDouble(v); }
inline ChartValue Flag(bool v) { return ChartValue::FromBool(v); }
inline ChartValue Str(const char* v) { return ChartValue::FromText(v); }

inline ObjectRef Walk(ChartObject* from, std::initializer_list<Step> path) {
  ObjectRef current;
  ChartObject* at = from;
  for (const Step& step : path) {
    ChartValue result;
    if (!at || !at->Invoke(step.id, ChartInvoke::Get, step.indexed ? &step.index : nullptr,
                           step.indexed ? 1 : 0, &result) ||
        result.kind != ChartValue::Object)
      return ObjectRef();
    current = ObjectRef(result.object);
    at = current.get();
  }
  if (path.size() == 0 && from) {
    from->AddRef();
    return ObjectRef(from);
  }
  return current;
}

inline bool Put(ChartObject* object, int32_t id, ChartValue value,
                std::initializer_list<ChartValue> indexes = {}) {
  if (!object) return false;
  std::vector<ChartValue> args(indexes);
  args.push_back(value);
  return object->Invoke(id, ChartInvoke::Put, args.data(), static_cast<int32_t>(args.size()), nullptr);
}

inline ChartValue Get(ChartObject* object, int32_t id, std::initializer_list<ChartValue> indexes = {}) {
  ChartValue result;
  std::vector<ChartValue> args(indexes);
  if (object) object->Invoke(id, ChartInvoke::Get, args.data(), static_cast<int32_t>(args.size()), &result);
  return result;
}

inline bool PutAt(ChartObject* root, std::initializer_list<Step> path, int32_t id, ChartValue value) {
  ObjectRef object = Walk(root, path);
  return Put(object.get(), id, value);
}

// Paths of the chart's objects.
inline ObjectRef AxisOf(ChartObject* chart, const char* name) { return Walk(chart, {8, 9, Step(3, Str(name))}); }
inline ObjectRef GroupOf(ChartObject* chart, int16_t g) { return Walk(chart, {9, Step(3, I2(g))}); }
inline ObjectRef DataOf(ChartObject* chart, int16_t g) { return Walk(chart, {9, Step(3, I2(g)), 4}); }
inline ObjectRef StyleOf(ChartObject* chart, int16_t g, int32_t s) {
  return Walk(chart, {9, Step(3, I2(g)), 5, Step(5, I4(s))});
}

inline bool AddLabel(ChartObject* chart, int16_t g, const char* text, int32_t series) {
  ObjectRef labels = Walk(chart, {9, Step(3, I2(g)), 6});
  if (!labels) return false;
  ChartValue args[2] = {Str(text), I4(series)};
  ChartValue result;
  if (!labels.get()->Invoke(4, ChartInvoke::Method, args, 2, &result)) return false;
  if (result.kind == ChartValue::Object && result.object) result.object->Release();
  return true;
}

inline bool CallMethod(ChartObject* object, int32_t id, std::initializer_list<ChartValue> args = {},
                       ChartValue* result = nullptr) {
  std::vector<ChartValue> list(args);
  return object && object->Invoke(id, ChartInvoke::Method, list.data(), static_cast<int32_t>(list.size()), result);
}

// The series palette of Zelvora's chart set-up.
inline COLORREF PaletteColour(int n) {
  static const COLORREF palette[20] = {
      RGB(0, 0, 220),   RGB(220, 0, 0),   RGB(0, 120, 0),   RGB(180, 180, 0), RGB(100, 0, 230),
      RGB(0, 200, 200), RGB(220, 50, 50), RGB(100, 0, 230), RGB(0, 200, 100), RGB(100, 200, 0),
      RGB(0, 150, 100), RGB(200, 0, 100), RGB(0, 100, 230), RGB(220, 30, 150), RGB(0, 100, 230),
      RGB(0, 200, 100), RGB(220, 50, 50), RGB(100, 100, 230), RGB(100, 200, 0), RGB(0, 200, 100)};
  return palette[(n - 1) % 20];
}

// What Zelvora puts into its chart at start-up, in its order.
inline void ConfigureLikeZelvora(ChartObject* chart) {
  Put(chart, 7, Flag(false));
  PutAt(chart, {9, Step(3, I2(1))}, 2, I4(1));
  PutAt(chart, {9, Step(3, I2(2))}, 2, I4(6));
  PutAt(chart, {9, Step(3, I2(2))}, 3, I2(1));
  Put(chart, 13, Flag(false));
  PutAt(chart, {8, 5}, 1, Flag(true));
  PutAt(chart, {8, 2}, 2, I4(9));
  PutAt(chart, {8, 2}, 1, I4(1));
  PutAt(chart, {5}, 1, I4(static_cast<int32_t>(GetSysColor(COLOR_BTNFACE) - 328965)));
  PutAt(chart, {5}, 2, I4(RGB(50, 50, 50)));
  PutAt(chart, {8, 4}, 1, I4(RGB(235, 235, 235)));
  PutAt(chart, {4}, 2, I4(9));
  PutAt(chart, {4}, 1, I4(2));
  PutAt(chart, {9, Step(3, I2(1))}, 3, I2(2));
  PutAt(chart, {1}, 6, Flag(false));
  PutAt(chart, {1, 8}, 2, I4(14));
  PutAt(chart, {1, 8}, 5, Flag(false));
  PutAt(chart, {1, 3}, 1, Str(" Zelvora "));
  PutAt(chart, {1, 4}, 2, I4(RGB(100, 20, 20)));
  PutAt(chart, {1, 1}, 2, I4(5));
  PutAt(chart, {2}, 6, Flag(false));
  PutAt(chart, {2, 8}, 2, I4(10));
  PutAt(chart, {2, 8}, 5, Flag(false));
  PutAt(chart, {2, 3}, 1, Str(" "));
  PutAt(chart, {2, 5, 1}, 1, I4(2));
  PutAt(chart, {2, 5, 2}, 1, I4(450));
  PutAt(chart, {2, 4}, 2, I4(RGB(0, 0, 130)));
  Put(Walk(chart, {3}).get(), 4, Flag(true));
  PutAt(chart, {3, 8}, 0, Str("Arial"));
  PutAt(chart, {3, 8}, 2, I4(10));
  PutAt(chart, {3, 1}, 2, I4(9));
  PutAt(chart, {3, 1}, 1, I4(0));
  Put(Walk(chart, {3}).get(), 6, I4(2));
  Put(Walk(chart, {3}).get(), 5, I4(16));
  for (int member : {21, 20})
    for (const char* axis : {"x", "y"}) Put(AxisOf(chart, axis).get(), member, I4(2));
  for (const char* axis : {"x", "y"}) {
    ObjectRef a = AxisOf(chart, axis);
    PutAt(a.get(), {33}, 0, Str("Courier New"));
    PutAt(a.get(), {33}, 2, I4(12));
    PutAt(a.get(), {32, 2}, 2, I4(RGB(50, 50, 50)));
    PutAt(chart, {8, 8, Step(3, Str(axis))}, 2, Flag(false));
  }
  PutAt(AxisOf(chart, "x").get(), {29, 6}, 2, Flag(false));
  PutAt(AxisOf(chart, "x").get(), {29, 6}, 1, I4(0));
  PutAt(AxisOf(chart, "y").get(), {29, 6}, 2, Flag(false));
  PutAt(AxisOf(chart, "y").get(), {29, 6}, 1, I4(1));
  Put(AxisOf(chart, "y2").get(), 14, Flag(false));
  PutAt(AxisOf(chart, "x").get(), {5}, 1, R8(0.0));
  PutAt(AxisOf(chart, "y").get(), {5}, 1, R8(0.0));
  PutAt(AxisOf(chart, "x").get(), {6}, 1, R8(1000.0));
  PutAt(AxisOf(chart, "y").get(), {6}, 1, R8(100.0));
  Put(AxisOf(chart, "x").get(), 15, Flag(false));
  Put(AxisOf(chart, "y").get(), 15, Flag(false));
  // The limit edits put the same values again, to "y2" as well.
  for (const char* axis : {"x", "y", "y2"}) {
    PutAt(AxisOf(chart, axis).get(), {5}, 1, R8(0.0));
    PutAt(AxisOf(chart, axis).get(), {6}, 1, R8(axis[0] == 'x' ? 1000.0 : 100.0));
  }
  for (const char* axis : {"x", "y"}) {
    ObjectRef a = AxisOf(chart, axis);
    PutAt(a.get(), {12, 3}, 1, I4(2));
    PutAt(a.get(), {12, 3}, 2, I4(RGB(225, 225, 225)));
    PutAt(a.get(), {12, 2}, 2, Flag(true));
  }
  for (int16_t g : {1, 2}) {
    ObjectRef data = DataOf(chart, g);
    Put(data.get(), 2, I4(20));
    Put(data.get(), 16, I4(1), {I4(1)});
    Put(data.get(), 20, R8(0.0), {I4(1), I4(1)});
  }
  for (int n = 1; n <= 20; ++n) PutAt(StyleOf(chart, 1, n).get(), {3}, 1, I4(1));
  for (int n = 1; n <= 20; ++n) {
    ObjectRef style = StyleOf(chart, 1, n);
    PutAt(style.get(), {2, 4}, 2, I4(static_cast<int32_t>(PaletteColour(n))));
    PutAt(style.get(), {3}, 2, I4(static_cast<int32_t>(PaletteColour(n))));
  }
  for (int n = 1; n <= 20; ++n) PutAt(StyleOf(chart, 2, n).get(), {3}, 1, I4(1));
  for (int k = 1; k <= 10; ++k) {
    ObjectRef style = StyleOf(chart, 2, 2 * k - 1);
    PutAt(style.get(), {2, 4}, 2, I4(static_cast<int32_t>(PaletteColour(k))));
    PutAt(style.get(), {3}, 2, I4(static_cast<int32_t>(PaletteColour(k))));
  }
}
