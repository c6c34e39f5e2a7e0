// The chart's objects as a host reaches them: every text box, frame, colour pair, font, the
// graph area, its axes and grids, the series groups with their data, styles and labels. Each
// object addresses one part of the ChartModel and answers the dispatch ids of its kind.
//
// The objects live as long as the control: they are members of one tree owned by it, and their
// AddRef/Release count on the control, so an object a host holds keeps the whole control alive.
// Only the label objects that AddLabel returns are made per call.
#pragma once

#include <cstdint>
#include <memory>

#include "ChartApi.h"
#include "ChartModel.h"

// What a put changed, and so what must be drawn again.
enum class Change {
  Look,    // colours, styles, values: the picture, not the layout
  Layout,  // texts, fonts, frames, limits, scales: the layout too
};

// The control as its objects see it.
class ChartHost {
 public:
  virtual void AddRef() = 0;
  virtual void Release() = 0;
  virtual void Changed(Change change) = 0;

 protected:
  ~ChartHost() = default;
};

// Dispatch ids of the control's own members.
namespace ControlId {
constexpr int32_t kTitleBox = 1, kNoteBox = 2, kLegendBox = 3, kOuterFrame = 4, kOuterColours = 5,
                  kHoldRedraw = 6, kHoldLayout = 7, kGraphArea = 8, kSeriesGroups = 9,
                  kExtras = 10, kFlag13 = 13, kPrintGraph = 18, kCopyGraph = 19,
                  kWriteGraph = 20, kWriteJpeg = 27, kWritePng = 28;
}

// The arguments and result of one Invoke, with the conversions every member uses.
struct Call {
  ChartInvoke kind;
  const ChartValue* args;
  int32_t count;
  ChartValue* result;

  bool IsGet(int32_t argCount = 0) const { return kind == ChartInvoke::Get && count == argCount && result; }
  bool IsPut(int32_t argCount = 1) const { return kind == ChartInvoke::Put && count == argCount && args; }
  bool IsMethod() const { return kind == ChartInvoke::Method && (count == 0 || args); }
};

bool ToInt(const ChartValue& v, int32_t& out);
bool ToDouble(const ChartValue& v, double& out);
bool ToBool(const ChartValue& v, bool& out);
bool ToText(const ChartValue& v, const char*& out);
// A COLORREF, or a system colour given as 0x800000nn.
bool ToColour(const ChartValue& v, Colour& out);
// Hands `object` to the caller with a reference of its own.
void ReturnObject(ChartObject& object, ChartValue* result);

class ChartObjectTree {
 public:
  ChartObjectTree(ChartHost& host, ChartModel& model);
  ~ChartObjectTree();
  ChartObjectTree(const ChartObjectTree&) = delete;
  ChartObjectTree& operator=(const ChartObjectTree&) = delete;

  // The object member of the control with this dispatch id, or null.
  ChartObject* Member(int32_t dispatchId);

 private:
  struct Objects;
  std::unique_ptr<Objects> objects_;
};
