#include "plotter/chart/ChartObjects.h"

#include <array>

namespace chart {

namespace {
// Drops a reference a call handed back that nobody asked for.
void ReleaseObjectResult(ChartValue& result) {
  if (result.kind == ChartValue::Object && result.object) result.object->Release();
  result = ChartValue{};
}
}  // namespace

bool CChartObject::Invoke(int32_t dispatchId, ChartInvoke kind, const ChartValue* args,
                          int32_t count, ChartValue& result) const {
  if (!ref_) return false;
  return ref_.get()->Invoke(dispatchId, kind, args, count, &result);
}

ChartRef CChartObject::GetMember(int32_t dispatchId) const {
  ChartValue result;
  Invoke(dispatchId, ChartInvoke::Get, nullptr, 0, result);
  if (result.kind == ChartValue::Object) return ChartRef(result.object);
  return ChartRef();
}

ChartRef CChartObject::GetItem(int32_t dispatchId, const ChartValue& index) const {
  ChartValue result;
  Invoke(dispatchId, ChartInvoke::Get, &index, 1, result);
  if (result.kind == ChartValue::Object) return ChartRef(result.object);
  return ChartRef();
}

void CChartObject::Put(int32_t dispatchId, const ChartValue& value) const {
  ChartValue result;
  Invoke(dispatchId, ChartInvoke::Put, &value, 1, result);
  ReleaseObjectResult(result);
}

void CChartObject::PutIndexed(int32_t dispatchId, std::initializer_list<ChartValue> indexes,
                              const ChartValue& value) const {
  // Indexed puts of the chart take one or two indexes.
  std::array<ChartValue, 4> args{};
  if (indexes.size() >= args.size()) return;
  std::size_t count = 0;
  for (const ChartValue& index : indexes) args[count++] = index;
  args[count++] = value;
  ChartValue result;
  Invoke(dispatchId, ChartInvoke::Put, args.data(), static_cast<int32_t>(count), result);
  ReleaseObjectResult(result);
}

bool CChartObject::Call(int32_t dispatchId, std::initializer_list<ChartValue> args) const {
  ChartValue result;
  const bool done = Invoke(dispatchId, ChartInvoke::Method, args.begin(),
                           static_cast<int32_t>(args.size()), result);
  const bool answer = done && (result.kind != ChartValue::Bool || result.integer != 0);
  ReleaseObjectResult(result);
  return answer;
}

}  // namespace chart
