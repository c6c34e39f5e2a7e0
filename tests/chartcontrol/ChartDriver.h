// Drives a chart through its binary interface the way a host does: walks object paths by
// dispatch id (named in ChartMembers.h), puts and gets values, and releases every object it got.
#pragma once


#include <initializer_list>
#include <utility>
#include <vector>

#include "chartcontrol/api/ChartMembers.h"
#include "chartcontrol/api/ChartObjectApi.h"

namespace chartcontrol {

using namespace member;

// An object reference released on scope exit.
using ObjectRef = ChartRef;

// One step of a path: a get of `id`, with an index for the "Item" gets.
struct Step {
  int32_t id;
  ChartValue index;
  bool indexed = false;
  Step(int32_t i) : id(i) {}  // NOLINT: steps are written as plain member names
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
inline ObjectRef AxisOf(ChartObject* chart, const char* name) { return Walk(chart, {kGraphArea, kGraphAreaAxes, Step(kItem, Str(name))}); }
inline ObjectRef GroupOf(ChartObject* chart, int16_t g) { return Walk(chart, {kSeriesGroups, Step(kItem, I2(g))}); }
inline ObjectRef DataOf(ChartObject* chart, int16_t g) { return Walk(chart, {kSeriesGroups, Step(kItem, I2(g)), kSeriesData}); }
inline ObjectRef StyleOf(ChartObject* chart, int16_t g, int32_t s) {
  return Walk(chart, {kSeriesGroups, Step(kItem, I2(g)), kSeriesStyles, Step(kStyleItem, I4(s))});
}

inline bool AddLabel(ChartObject* chart, int16_t g, const char* text, int32_t series) {
  ObjectRef labels = Walk(chart, {kSeriesGroups, Step(kItem, I2(g)), kSeriesLabels});
  if (!labels) return false;
  ChartValue args[2] = {Str(text), I4(series)};
  ChartValue result;
  if (!labels.get()->Invoke(kAddLabel, ChartInvoke::Method, args, 2, &result)) return false;
  if (result.kind == ChartValue::Object && result.object) result.object->Release();
  return true;
}

inline bool CallMethod(ChartObject* object, int32_t id, std::initializer_list<ChartValue> args = {},
                       ChartValue* result = nullptr) {
  std::vector<ChartValue> list(args);
  return object && object->Invoke(id, ChartInvoke::Method, list.data(), static_cast<int32_t>(list.size()), result);
}

}  // namespace chartcontrol
