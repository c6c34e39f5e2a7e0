// Wrappers of the chart component's automation objects. Each wrapper holds one counted reference
// and offers the object's members by name, with their dispatch ids inside. A wrapper without a
// reference (the chart is missing) does nothing, and its gets return wrappers without one.
//
// A get returns a new wrapper, so a chain in one statement,
//   chart.Axis("x").MinLimit().SetValue(0.0);
// releases every object got on the way at the end of that statement, right after the put.
// Members the component knows only by number are named by their number (SetMember6, ...).
#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>

#include "ChartApi.h"
#include "ChartRef.h"

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
  void SetContent(const std::string& text) const { PutText(kContent, text); }

 private:
  enum : int32_t { kContent = 1 };
};

class CFrame : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetFrameWidth(int32_t width) const { PutInt32(kFrameWidth, width); }
  void SetFrameKind(int32_t kind) const { PutInt32(kFrameKind, kind); }  // 0: no frame

 private:
  enum : int32_t { kFrameWidth = 1, kFrameKind = 2 };
};

class CColours : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetBack(COLORREF colour) const { PutColour(kBack, colour); }
  void SetFore(COLORREF colour) const { PutColour(kFore, colour); }
  // The back colour as a whole number, for colours computed by arithmetic on a COLORREF.
  void SetBackValue(int32_t value) const { PutInt32(kBack, value); }

 private:
  enum : int32_t { kBack = 1, kFore = 2 };
};

// The standard font object. Its size, a currency value in points, crosses as a double.
class CChartFont : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetName(const std::string& name) const { PutText(kName, name); }
  void SetSize(double points) const { PutDouble(kSize, points); }
  void SetUnderline(bool underline) const { PutBool(kUnderline, underline); }

 private:
  enum : int32_t { kName = 0, kSize = 2, kUnderline = 5 };
};

class CPlaceItem : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetAmount(int32_t amount) const { PutInt32(kAmount, amount); }

 private:
  enum : int32_t { kAmount = 1 };
};

// The place of a text box: items [1] and [2], each with an amount.
class CPlace : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CPlaceItem Item(int32_t number) const { return CPlaceItem(GetMember(number)); }
};

// The title and note boxes.
class CTextBox : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CFrame Frame() const { return CFrame(GetMember(kFrame)); }
  CChartText Text() const { return CChartText(GetMember(kText)); }
  CColours Colours() const { return CColours(GetMember(kColours)); }
  CPlace Place() const { return CPlace(GetMember(kPlace)); }
  CChartFont Font() const { return CChartFont(GetMember(kFont)); }
  void SetMember6(bool value) const { PutBool(kMember6, value); }

 protected:
  enum : int32_t { kFrame = 1, kText = 3, kColours = 4, kPlace = 5, kMember6 = 6, kFont = 8 };
};

// The legend box: a text box whose members [5] and [6] are numbers, with a shown flag.
class CLegendBox : public CTextBox {
 public:
  using CTextBox::CTextBox;
  void SetShown(bool shown) const { PutBool(kShown, shown); }
  void SetMember5(int32_t value) const { PutInt32(kMember5, value); }
  void SetMember6(int32_t value) const { PutInt32(kMember6, value); }

 private:
  enum : int32_t { kShown = 4, kMember5 = 5 };
};

// Member [5] of the graph area.
class CGraphAreaOption : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetMember1(bool value) const { PutBool(kMember1, value); }

 private:
  enum : int32_t { kMember1 = 1 };
};

class CAxisOption : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetMember2(bool value) const { PutBool(kMember2, value); }

 private:
  enum : int32_t { kMember2 = 2 };
};

class CAxisOptions : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CAxisOption Item(const char* axis) const {
    return CAxisOption(GetItem(kItem, ChartValue::FromText(axis)));
  }

 private:
  enum : int32_t { kItem = 3 };
};

class CLimit : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetValue(double value) const { PutDouble(kValue, value); }

 private:
  enum : int32_t { kValue = 1 };
};

class CSpacing : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetValue(double value) const { PutDouble(kValue, value); }
  void SetAutomatic(bool automatic) const { PutBool(kAutomatic, automatic); }

 private:
  enum : int32_t { kValue = 1, kAutomatic = 2 };
};

class CGridLine : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetLineKind(int32_t kind) const { PutInt32(kLineKind, kind); }
  void SetLineColour(COLORREF colour) const { PutColour(kLineColour, colour); }

 private:
  enum : int32_t { kLineKind = 1, kLineColour = 2 };
};

class CGrid : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CSpacing Spacing() const { return CSpacing(GetMember(kSpacing)); }
  CGridLine GridLine() const { return CGridLine(GetMember(kGridLine)); }

 private:
  enum : int32_t { kSpacing = 2, kGridLine = 3 };
};

class CDigits : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetAmount(int32_t amount) const { PutInt32(kAmount, amount); }
  void SetAutomatic(bool automatic) const { PutBool(kAutomatic, automatic); }

 private:
  enum : int32_t { kAmount = 1, kAutomatic = 2 };
};

class CTickLabels : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CDigits Digits() const { return CDigits(GetMember(kDigits)); }
  void SetLabelMode(int16_t mode) const { PutInt16(kLabelMode, mode); }

 private:
  enum : int32_t { kDigits = 6, kLabelMode = 7 };
};

class CLabelLook : public CChartObject {
 public:
  using CChartObject::CChartObject;
  // Member [2], which has the label colours.
  CColours Member2() const { return CColours(GetMember(kMember2)); }

 private:
  enum : int32_t { kMember2 = 2 };
};

class CAxis : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CChartText Title() const { return CChartText(GetMember(kTitle)); }
  CLimit MinLimit() const { return CLimit(GetMember(kMinLimit)); }
  CLimit MaxLimit() const { return CLimit(GetMember(kMaxLimit)); }
  CGrid Grid() const { return CGrid(GetMember(kGrid)); }
  void SetShown(bool shown) const { PutBool(kShown, shown); }
  void SetLogScale(bool logarithmic) const { PutBool(kLogScale, logarithmic); }
  void SetTitleTurn(int32_t turn) const { PutInt32(kTitleTurn, turn); }
  void SetMember20(int32_t value) const { PutInt32(kMember20, value); }
  void SetMember21(int32_t value) const { PutInt32(kMember21, value); }
  CTickLabels TickLabels() const { return CTickLabels(GetMember(kTickLabels)); }
  CLabelLook LabelLook() const { return CLabelLook(GetMember(kLabelLook)); }
  CChartFont Font() const { return CChartFont(GetMember(kFont)); }

 private:
  enum : int32_t {
    kTitle = 1,
    kMinLimit = 5,
    kMaxLimit = 6,
    kGrid = 12,
    kShown = 14,
    kLogScale = 15,
    kTitleTurn = 17,
    kMember20 = 20,
    kMember21 = 21,
    kTickLabels = 29,
    kLabelLook = 32,
    kFont = 33,
  };
};

// The axes by name: "x", "y" and the hidden twin "y2".
class CAxes : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CAxis Item(const char* axis) const { return CAxis(GetItem(kItem, ChartValue::FromText(axis))); }

 private:
  enum : int32_t { kItem = 3 };
};

class CGraphArea : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CFrame Frame() const { return CFrame(GetMember(kFrame)); }
  CColours Colours() const { return CColours(GetMember(kColours)); }
  CGraphAreaOption Member5() const { return CGraphAreaOption(GetMember(kMember5)); }
  CAxisOptions AxisOptions() const { return CAxisOptions(GetMember(kAxisOptions)); }
  CAxes Axes() const { return CAxes(GetMember(kAxes)); }

 private:
  enum : int32_t { kFrame = 2, kColours = 4, kMember5 = 5, kAxisOptions = 8, kAxes = 9 };
};

// The points of a group's series; series and point indexes count from 1.
class CSeriesData : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetLayoutCode(int32_t code) const { PutInt32(kLayoutCode, code); }
  void SetSeriesCount(int32_t count) const { PutInt32(kSeriesCount, count); }
  void SetPointCount(int32_t series, int32_t count) const {
    PutIndexed(kPointCount, {ChartValue::FromInt32(series)}, ChartValue::FromInt32(count));
  }
  void SetXValue(int32_t series, int32_t point, double value) const {
    PutIndexed(kXValue, {ChartValue::FromInt32(series), ChartValue::FromInt32(point)},
               ChartValue::FromDouble(value));
  }
  void SetYValue(int32_t series, int32_t point, double value) const {
    PutIndexed(kYValue, {ChartValue::FromInt32(series), ChartValue::FromInt32(point)},
               ChartValue::FromDouble(value));
  }

 private:
  enum : int32_t {
    kLayoutCode = 1,
    kSeriesCount = 2,
    kPointCount = 16,
    kXValue = 19,
    kYValue = 20
  };
};

class CStroke : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetStrokeKind(int32_t kind) const { PutInt32(kStrokeKind, kind); }
  void SetStrokeWidth(int32_t width) const { PutInt32(kStrokeWidth, width); }

 private:
  enum : int32_t { kStrokeKind = 1, kStrokeWidth = 3 };
};

class CFill : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CColours Colours() const { return CColours(GetMember(kColours)); }

 private:
  enum : int32_t { kColours = 4 };
};

class CMarker : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetMarkerKind(int32_t kind) const { PutInt32(kMarkerKind, kind); }
  void SetMarkerColour(COLORREF colour) const { PutColour(kMarkerColour, colour); }

 private:
  enum : int32_t { kMarkerKind = 1, kMarkerColour = 2 };
};

class CSeriesStyle : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CStroke Stroke() const { return CStroke(GetMember(kStroke)); }
  CFill Fill() const { return CFill(GetMember(kFill)); }
  CMarker Marker() const { return CMarker(GetMember(kMarker)); }

 private:
  enum : int32_t { kStroke = 1, kFill = 2, kMarker = 3 };
};

class CSeriesStyles : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CSeriesStyle Item(int series) const {
    return CSeriesStyle(GetItem(kItem, ChartValue::FromInt16(static_cast<int16_t>(series))));
  }

 private:
  enum : int32_t { kItem = 5 };
};

class CSeriesLabels : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void AddLabel(const std::string& text, int series) const {
    Call(kAddLabel,
         {ChartValue::FromText(text.c_str()), ChartValue::FromInt16(static_cast<int16_t>(series))});
  }

 private:
  enum : int32_t { kAddLabel = 4 };
};

class CSeriesGroup : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void SetGraphKind(int32_t kind) const { PutInt32(kGraphKind, kind); }
  void SetMember3(int16_t value) const { PutInt16(kMember3, value); }
  CSeriesData SeriesData() const { return CSeriesData(GetMember(kSeriesData)); }
  CSeriesStyles SeriesStyles() const { return CSeriesStyles(GetMember(kSeriesStyles)); }
  CSeriesLabels SeriesLabels() const { return CSeriesLabels(GetMember(kSeriesLabels)); }

 private:
  enum : int32_t {
    kGraphKind = 2,
    kMember3 = 3,
    kSeriesData = 4,
    kSeriesStyles = 5,
    kSeriesLabels = 6
  };
};

// The series groups by number: 1 the curves, 2 the uncertainty bands.
class CSeriesGroups : public CChartObject {
 public:
  using CChartObject::CChartObject;
  CSeriesGroup Item(int group) const {
    return CSeriesGroup(GetItem(kItem, ChartValue::FromInt16(static_cast<int16_t>(group))));
  }

 private:
  enum : int32_t { kItem = 3 };
};

class CExtras : public CChartObject {
 public:
  using CChartObject::CChartObject;
  void Clear() const { Call(kClear, {}); }

 private:
  enum : int32_t { kClear = 6 };
};
