#include "FakeChart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

std::string ShortestExact(double value) {
  char text[64];
  if (value == std::floor(value) && std::fabs(value) < 1e15) {
    std::snprintf(text, sizeof text, "%.0f", value);
    return text;
  }
  for (int digits = 1; digits <= 17; ++digits) {
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    if (std::strtod(text, nullptr) == value) break;
  }
  return text;
}

std::string Join(const ChartValue* values, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i) text += ", ";
    text += FakeValueText(values[i]);
  }
  return text;
}

class FakeObject final : public ChartControl {
 public:
  FakeObject(std::shared_ptr<FakeChartState> state, std::string path, int depth, HWND window)
      : state_(std::move(state)), path_(std::move(path)), depth_(depth), window_(window) {
    ++state_->liveObjects;
  }

  void AddRef() override { ++references_; }
  void Release() override {
    if (--references_ > 0) return;
    --state_->liveObjects;
    delete this;
  }

  bool Invoke(int32_t dispatchId, ChartInvoke kind, const ChartValue* args, int32_t argCount,
              ChartValue* result) override {
    const std::string member = (path_.empty() ? "" : path_ + ".") + std::to_string(dispatchId);
    switch (kind) {
      case ChartInvoke::Get: {
        const std::string path = argCount ? member + "[" + Join(args, argCount) + "]" : member;
        state_->log.push_back("get " + path);
        result->kind = ChartValue::Object;
        result->object = new FakeObject(state_, path, depth_ + 1, nullptr);
        return true;
      }
      case ChartInvoke::Put: {
        if (argCount < 1) return false;
        const int stray = state_->liveObjects - (depth_ + 1);
        if (stray > state_->mostStrayAtPut) state_->mostStrayAtPut = stray;
        std::string line = member;
        if (argCount > 1) line += "(" + Join(args, argCount - 1) + ")";
        state_->log.push_back(line + " = " + FakeValueText(args[argCount - 1]));
        return true;
      }
      case ChartInvoke::Method:
        state_->log.push_back(member + "(" + Join(args, argCount) + ")");
        // Methods hand back an object, which the caller must release.
        result->kind = ChartValue::Object;
        result->object = new FakeObject(state_, member + "()", depth_ + 1, nullptr);
        return true;
    }
    return false;
  }

  HWND Window() override { return window_; }
  void SetEventSink(ChartEvents* sink) override { state_->sink = sink; }

 private:
  ~FakeObject() = default;

  std::shared_ptr<FakeChartState> state_;
  std::string path_;
  int depth_;
  HWND window_;
  int references_ = 1;
};

}  // namespace

std::string FakeValueText(const ChartValue& value) {
  switch (value.kind) {
    case ChartValue::Bool:
      return value.integer ? "TRUE" : "FALSE";
    case ChartValue::Int16:
      return "i2:" + std::to_string(value.integer);
    case ChartValue::Int32:
      return "i4:" + std::to_string(value.integer);
    case ChartValue::Double:
      return "r8:" + ShortestExact(value.number);
    case ChartValue::Text:
      return std::string("\"") + (value.text ? value.text : "(null)") + "\"";
    case ChartValue::Object:
      return "object";
    case ChartValue::Empty:
      break;
  }
  return "empty";
}

std::vector<std::string> FakeChartState::Puts() const {
  std::vector<std::string> puts;
  for (const std::string& line : log)
    if (line.compare(0, 4, "get ") != 0) puts.push_back(line);
  return puts;
}

std::vector<std::string> FakeChartState::TakePuts() {
  std::vector<std::string> puts = Puts();
  log.clear();
  return puts;
}

FakeChartFactory::FakeChartFactory(std::shared_ptr<FakeChartState> state) {
  CChart2D::SetFactoryForTests([state](HWND parent, int id, const RECT* rect) -> ChartControl* {
    ++state->creations;
    state->parent = parent;
    state->id = id;
    state->rect = *rect;
    if (state->failCreation) return nullptr;
    state->window = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, rect->left, rect->top,
                                    rect->right - rect->left, rect->bottom - rect->top, parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                    GetModuleHandleA(nullptr), nullptr);
    return new FakeObject(state, "", 0, state->window);
  });
}

FakeChartFactory::~FakeChartFactory() { CChart2D::SetFactoryForTests(nullptr); }

std::string AxisPath(const char* axis) { return std::string("8.9.3[\"") + axis + "\"]"; }

std::string GroupPath(int group) { return "9.3[i2:" + std::to_string(group) + "]"; }

testing::AssertionResult SameLines(const std::vector<std::string>& actual,
                                   const std::vector<std::string>& expected) {
  for (size_t i = 0; i < actual.size() && i < expected.size(); ++i) {
    if (actual[i] != expected[i])
      return testing::AssertionFailure()
             << "line " << i << ": " << actual[i] << "\n   expected: " << expected[i];
  }
  if (actual.size() != expected.size()) {
    const bool longer = actual.size() > expected.size();
    const size_t i = std::min(actual.size(), expected.size());
    return testing::AssertionFailure()
           << actual.size() << " lines, expected " << expected.size() << "; first "
           << (longer ? "extra: " + actual[i] : "missing: " + expected[i]);
  }
  return testing::AssertionSuccess();
}
