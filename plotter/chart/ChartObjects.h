// Wrappers of the chart component's automation objects. Each wrapper holds one counted reference
// and offers the object's members by name, with their dispatch ids inside. A wrapper without a
// reference (the chart is missing) does nothing, and its gets return wrappers without one.
//
// A get returns a new wrapper, so a chain in one statement,
//   chart.Axis("x").MinLimit().SetValue(0.0);
// releases every object got on the way at the end of that statement, right after the put.
// Member ids come from the component's one header of names (chartcontrol/api/ChartMembers.h).
#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>

#include "chartcontrol/api/ChartMembers.h"
#include "chartcontrol/api/ChartObjectApi.h"

namespace chart {

using chartcontrol::ChartInvoke;
using chartcontrol::ChartObject;
using chartcontrol::ChartRef;
using chartcontrol::ChartValue;
namespace member = chartcontrol::member;

class CChartObject {
 public:
  CChartObject() = default;
  explicit CChartObject(ChartRef ref) : ref_(std::move(ref)) {}
  CChartObject(CChartObject&&) = default;
  CChartObject& operator=(CChartObject&&) = default;

  bool IsEmpty() const { return !ref_; }

 protected:
  ChartObject* object() const { return ref_.get(); }
  void Reset(ChartRef ref) { ref_ = std::move(ref); }

  // Property get of an object member, plain or indexed ("Item").
  ChartRef GetMember(int32_t dispatchId) const;
  ChartRef GetItem(int32_t dispatchId, const ChartValue& index) const;
  // Property put; indexed puts take their indexes before the value.
  void Put(int32_t dispatchId, const ChartValue& value) const;
  void PutIndexed(int32_t dispatchId, std::initializer_list<ChartValue> indexes,
                  const ChartValue& value) const;
  // Method call; an object it returns is released at once. False when the call failed or
  // returned a false BOOL.
  bool Call(int32_t dispatchId, std::initializer_list<ChartValue> args) const;

  void PutBool(int32_t dispatchId, bool value) const {
    Put(dispatchId, ChartValue::FromBool(value));
  }
  void PutInt16(int32_t dispatchId, int16_t value) const {
    Put(dispatchId, ChartValue::FromInt16(value));
  }
  void PutInt32(int32_t dispatchId, int32_t value) const {
    Put(dispatchId, ChartValue::FromInt32(value));
  }
  void PutColour(int32_t dispatchId, COLORREF colour) const {
    PutInt32(dispatchId, static_cast<int32_t>(colour));
  }
  void PutDouble(int32_t dispatchId, double value) const {
    Put(dispatchId, ChartValue::FromDouble(value));
  }
  void PutText(int32_t dispatchId, const std::string& text) const {
    Put(dispatchId, ChartValue::FromText(text.c_str()));
  }

 private:
  bool Invoke(int32_t dispatchId, ChartInvoke kind, const ChartValue* args, int32_t count,
              ChartValue& result) const;

  ChartRef ref_;
};

// A text: the content of a text box or the title of an axis.
class CChartText : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetContent(const std::string& text) const { PutText(member::kTextContent, text); }

};

class CFrame : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetFrameWidth(int32_t width) const { PutInt32(member::kFrameWidth, width); }
  void SetFrameKind(int32_t kind) const { PutInt32(member::kFrameKind, kind); }  // 0: no frame

};

class CColours : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetBack(COLORREF colour) const { PutColour(member::kColoursBack, colour); }
  void SetFore(COLORREF colour) const { PutColour(member::kColoursFore, colour); }
  // The back colour as a whole number, for colours computed by arithmetic on a COLORREF.
  void SetBackValue(int32_t value) const { PutInt32(member::kColoursBack, value); }
};

// The standard font object. Its size, a currency value in points, crosses as a double.
class CChartFont : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetName(const std::string& name) const { PutText(member::kFontName, name); }
  void SetSize(double points) const { PutDouble(member::kFontSize, points); }
  void SetUnderline(bool underline) const { PutBool(member::kFontUnderline, underline); }

};

class CPlaceItem : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetAmount(int32_t amount) const { PutInt32(member::kPlaceAmount, amount); }

};

// The place of a text box: its left and top items, each with an amount.
class CPlace : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CPlaceItem Left() const { return CPlaceItem(GetMember(member::kPlaceLeft)); }
  CPlaceItem Top() const { return CPlaceItem(GetMember(member::kPlaceTop)); }
};

// The title and note boxes.
class CTextBox : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CFrame Frame() const { return CFrame(GetMember(member::kTextBoxFrame)); }
  CChartText Text() const { return CChartText(GetMember(member::kTextBoxText)); }
  CColours Colours() const { return CColours(GetMember(member::kTextBoxColours)); }
  CPlace Place() const { return CPlace(GetMember(member::kTextBoxPlace)); }
  CChartFont Font() const { return CChartFont(GetMember(member::kTextBoxFont)); }
  void SetFlag6(bool value) const { PutBool(member::kTextBoxFlag6, value); }

};

// The legend box: a text box with a shown flag, an anchor and an orientation.
class CLegendBox : public CTextBox {
 public:
  using CTextBox::CTextBox;
  void SetShown(bool shown) const { PutBool(member::kLegendShown, shown); }
  void SetAnchor(int32_t anchor) const { PutInt32(member::kLegendAnchor, anchor); }
  void SetOrientation(int32_t orientation) const { PutInt32(member::kLegendOrientation, orientation); }

};

// The graph area's backdrop: whether the plot area is filled with its back colour.
class CBackdrop : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetFilled(bool filled) const { PutBool(member::kGraphAreaFilled, filled); }

};

class CAxisOption : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetOption2(bool value) const { PutBool(member::kAxisOption2, value); }

};

class CAxisOptions : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CAxisOption Item(const char* axis) const {
    return CAxisOption(GetItem(member::kItem, ChartValue::FromText(axis)));
  }

};

class CLimit : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetValue(double value) const { PutDouble(member::kLimitValue, value); }

};

class CSpacing : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetValue(double value) const { PutDouble(member::kSpacingValue, value); }
  void SetAutomatic(bool automatic) const { PutBool(member::kSpacingAutomatic, automatic); }

};

class CGridLine : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetLineKind(int32_t kind) const { PutInt32(member::kLineKind, kind); }
  void SetLineColour(COLORREF colour) const { PutColour(member::kLineColour, colour); }

};

class CGrid : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CSpacing Spacing() const { return CSpacing(GetMember(member::kGridSpacing)); }
  CGridLine GridLine() const { return CGridLine(GetMember(member::kGridLine)); }

};

class CDigits : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetAmount(int32_t amount) const { PutInt32(member::kDigitsAmount, amount); }
  void SetAutomatic(bool automatic) const { PutBool(member::kDigitsAutomatic, automatic); }

};

class CTickLabels : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CDigits Digits() const { return CDigits(GetMember(member::kTickLabelsDigits)); }
  void SetLabelMode(int16_t mode) const { PutInt16(member::kLabelMode, mode); }

};

class CLabelLook : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CColours LabelColours() const { return CColours(GetMember(member::kLabelLookLabelColours)); }

};

class CAxis : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CChartText Title() const { return CChartText(GetMember(member::kAxisTitle)); }
  CLimit MinLimit() const { return CLimit(GetMember(member::kAxisMinLimit)); }
  CLimit MaxLimit() const { return CLimit(GetMember(member::kAxisMaxLimit)); }
  CGrid Grid() const { return CGrid(GetMember(member::kAxisGrid)); }
  void SetShown(bool shown) const { PutBool(member::kAxisShown, shown); }
  void SetLogScale(bool logarithmic) const { PutBool(member::kAxisLogScale, logarithmic); }
  void SetTitleTurn(int32_t turn) const { PutInt32(member::kAxisTitleTurn, turn); }
  void SetMajorTicks(int32_t ticks) const { PutInt32(member::kAxisMajorTicks, ticks); }
  void SetMinorTicks(int32_t ticks) const { PutInt32(member::kAxisMinorTicks, ticks); }
  CTickLabels TickLabels() const { return CTickLabels(GetMember(member::kAxisTickLabels)); }
  CLabelLook LabelLook() const { return CLabelLook(GetMember(member::kAxisLabelLook)); }
  CChartFont Font() const { return CChartFont(GetMember(member::kAxisFont)); }

};

// The axes by name: "x", "y" and the hidden twin "y2".
class CAxes : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CAxis Item(const char* axis) const { return CAxis(GetItem(member::kItem, ChartValue::FromText(axis))); }

};

class CGraphArea : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CFrame Frame() const { return CFrame(GetMember(member::kGraphAreaFrame)); }
  CColours Colours() const { return CColours(GetMember(member::kGraphAreaColours)); }
  CBackdrop Backdrop() const { return CBackdrop(GetMember(member::kGraphAreaBackdrop)); }
  CAxisOptions AxisOptions() const { return CAxisOptions(GetMember(member::kGraphAreaAxisOptions)); }
  CAxes Axes() const { return CAxes(GetMember(member::kGraphAreaAxes)); }

};

// The points of a group's series; series and point indexes count from 1.
class CSeriesData : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetLayoutCode(int32_t code) const { PutInt32(member::kLayoutCode, code); }
  void SetSeriesCount(int32_t count) const { PutInt32(member::kSeriesCount, count); }
  void SetPointCount(int32_t series, int32_t count) const {
    PutIndexed(member::kPointCount, {ChartValue::FromInt32(series)}, ChartValue::FromInt32(count));
  }
  void SetXValue(int32_t series, int32_t point, double value) const {
    PutIndexed(member::kXValue, {ChartValue::FromInt32(series), ChartValue::FromInt32(point)},
               ChartValue::FromDouble(value));
  }
  void SetYValue(int32_t series, int32_t point, double value) const {
    PutIndexed(member::kYValue, {ChartValue::FromInt32(series), ChartValue::FromInt32(point)},
               ChartValue::FromDouble(value));
  }

};

class CStroke : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetStrokeKind(int32_t kind) const { PutInt32(member::kStrokeKind, kind); }
  void SetStrokeWidth(int32_t width) const { PutInt32(member::kStrokeWidth, width); }

};

class CFill : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CColours Colours() const { return CColours(GetMember(member::kFillColours)); }

};

class CMarker : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetMarkerKind(int32_t kind) const { PutInt32(member::kMarkerKind, kind); }
  void SetMarkerColour(COLORREF colour) const { PutColour(member::kMarkerColour, colour); }

};

class CSeriesStyle : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CStroke Stroke() const { return CStroke(GetMember(member::kStyleStroke)); }
  CFill Fill() const { return CFill(GetMember(member::kStyleFill)); }
  CMarker Marker() const { return CMarker(GetMember(member::kStyleMarker)); }

};

class CSeriesStyles : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CSeriesStyle Item(int series) const {
    return CSeriesStyle(GetItem(member::kStyleItem, ChartValue::FromInt16(static_cast<int16_t>(series))));
  }

};

class CSeriesLabels : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void AddLabel(const std::string& text, int series) const {
    Call(member::kAddLabel,
         {ChartValue::FromText(text.c_str()), ChartValue::FromInt16(static_cast<int16_t>(series))});
  }

};

class CSeriesGroup : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetGraphKind(int32_t kind) const { PutInt32(member::kGraphKind, kind); }
  void SetLayer(int16_t layer) const { PutInt16(member::kGroupLayer, layer); }
  CSeriesData SeriesData() const { return CSeriesData(GetMember(member::kSeriesData)); }
  CSeriesStyles SeriesStyles() const { return CSeriesStyles(GetMember(member::kSeriesStyles)); }
  CSeriesLabels SeriesLabels() const { return CSeriesLabels(GetMember(member::kSeriesLabels)); }

};

// The series groups by number: 1 the curves, 2 the uncertainty bands.
class CSeriesGroups : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CSeriesGroup Item(int group) const {
    return CSeriesGroup(GetItem(member::kItem, ChartValue::FromInt16(static_cast<int16_t>(group))));
  }

};

class CExtras : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void Clear() const { Call(member::kClear, {}); }

};

}  // namespace chart
