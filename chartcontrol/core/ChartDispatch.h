// The chart's objects as a host reaches them: every text box, frame, colour pair, font, the
// graph area, its axes and grids, the series groups with their data, styles and labels. Each
// object addresses one part of the ChartModel and answers the members of its kind from one
// member table (ChartDispatch.cpp); the ids are those of ChartMembers.h.
//
// The objects live as long as the control: they belong to one tree owned by it, and their
// AddRef/Release count on the control, so an object a host holds keeps the whole control alive.
// Only the label objects that AddLabel returns are made per call. Portable: no windows.h.
#pragma once

#include <cstdint>
#include <memory>

#include "chartcontrol/api/ChartObjectApi.h"
#include "chartcontrol/core/ChartModel.h"

namespace chartcontrol {

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

// The colour of system colour `index` (the window code passes the system's lookup).
using SystemColourLookup = Colour (*)(int index);

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
// A COLORREF, or a system colour given as 0x800000nn (looked up by `systemColour`; without a
// lookup such a value is refused).
bool ToColour(const ChartValue& v, SystemColourLookup systemColour, Colour& out);
// Hands `object` to the caller with a reference of its own.
void ReturnObject(ChartObject& object, ChartValue* result);

class MemberNode;  // an object of the tree: a member table over one part of the model

class ChartObjectTree {
 public:
  ChartObjectTree(ChartHost& host, ChartModel& model, SystemColourLookup systemColour);
  ~ChartObjectTree();
  ChartObjectTree(const ChartObjectTree&) = delete;
  ChartObjectTree& operator=(const ChartObjectTree&) = delete;

  // The object member of the control with this dispatch id, or null.
  ChartObject* Member(int32_t dispatchId);

 private:
  std::unique_ptr<MemberNode> root_;
};

}  // namespace chartcontrol
