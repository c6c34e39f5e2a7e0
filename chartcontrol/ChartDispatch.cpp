#include "ChartDispatch.h"

#include <windows.h>

#include <atomic>
#include <cctype>
#include <cmath>
#include <map>
#include <string>

bool ToInt(const ChartValue& v, int32_t& out) {
  switch (v.kind) {
    case ChartValue::Bool:
    case ChartValue::Int16:
    case ChartValue::Int32:
      out = v.integer;
      return true;
    case ChartValue::Double:
      if (!(std::fabs(v.number) < 2147483647.0)) return false;
      out = static_cast<int32_t>(std::lround(v.number));
      return true;
    default:
      return false;
  }
}

bool ToDouble(const ChartValue& v, double& out) {
  switch (v.kind) {
    case ChartValue::Bool:
    case ChartValue::Int16:
    case ChartValue::Int32:
      out = v.integer;
      return true;
    case ChartValue::Double:
      out = v.number;
      return true;
    default:
      return false;
  }
}

bool ToBool(const ChartValue& v, bool& out) {
  double d;
  if (!ToDouble(v, d)) return false;
  out = d != 0.0;
  return true;
}

bool ToText(const ChartValue& v, const char*& out) {
  if (v.kind != ChartValue::Text) return false;
  out = v.text ? v.text : "";
  return true;
}

bool ToColour(const ChartValue& v, Colour& out) {
  int32_t i;
  if (!ToInt(v, i)) return false;
  const uint32_t u = static_cast<uint32_t>(i);
  out = (u & 0xFF000000u) == 0x80000000u ? static_cast<Colour>(GetSysColor(static_cast<int>(u & 0xFF)))
                                         : static_cast<Colour>(u & 0x00FFFFFFu);
  return true;
}

void ReturnObject(ChartObject& object, ChartValue* result) {
  object.AddRef();
  *result = ChartValue();
  result->kind = ChartValue::Object;
  result->object = &object;
}

namespace {

// An object of the tree: its references are the control's, and no exception leaves Invoke.
class Node : public ChartObject {
 public:
  explicit Node(ChartHost& host) : host_(host) {}
  Node(const Node&) = delete;
  Node& operator=(const Node&) = delete;
  virtual ~Node() = default;

  void AddRef() override { host_.AddRef(); }
  void Release() override { host_.Release(); }
  bool Invoke(int32_t dispatchId, ChartInvoke kind, const ChartValue* args, int32_t argCount,
              ChartValue* result) override {
    if (argCount < 0) return false;
    try {
      Call call{kind, args, argCount, result};
      return Dispatch(dispatchId, call);
    } catch (...) {
      return false;
    }
  }

 protected:
  virtual bool Dispatch(int32_t id, Call& call) = 0;

  template <typename T>
  bool Store(T& field, const T& value, Change change) {
    if (!(field == value)) {
      field = value;
      host_.Changed(change);
    }
    return true;
  }
  bool Int(Call& c, int32_t& field, Change change, bool asInt16 = false) {
    if (c.IsGet()) {
      *c.result = asInt16 ? ChartValue::FromInt16(static_cast<int16_t>(field)) : ChartValue::FromInt32(field);
      return true;
    }
    int32_t v;
    return c.IsPut() && ToInt(c.args[0], v) && Store(field, v, change);
  }
  bool Bool(Call& c, bool& field, Change change) {
    if (c.IsGet()) {
      *c.result = ChartValue::FromBool(field);
      return true;
    }
    bool v;
    return c.IsPut() && ToBool(c.args[0], v) && Store(field, v, change);
  }
  bool Double(Call& c, double& field, Change change) {
    if (c.IsGet()) {
      *c.result = ChartValue::FromDouble(field);
      return true;
    }
    double v;
    if (!c.IsPut() || !ToDouble(c.args[0], v)) return false;
    field = v;  // NaN included: the renderer copes
    host_.Changed(change);
    return true;
  }
  bool Text(Call& c, std::string& field, Change change) {
    if (c.IsGet()) {
      *c.result = ChartValue::FromText(field.c_str());
      return true;
    }
    const char* v;
    return c.IsPut() && ToText(c.args[0], v) && Store(field, std::string(v), change);
  }
  bool ColourMember(Call& c, Colour& field, Change change, bool* setFlag = nullptr) {
    if (c.IsGet()) {
      *c.result = ChartValue::FromInt32(static_cast<int32_t>(field));
      return true;
    }
    Colour v;
    if (!c.IsPut() || !ToColour(c.args[0], v)) return false;
    if (setFlag && !*setFlag) {
      *setFlag = true;
      field = v;
      host_.Changed(change);
      return true;
    }
    return Store(field, v, change);
  }
  static bool Object(Call& c, ChartObject& object) {
    if (!c.IsGet()) return false;
    ReturnObject(object, c.result);
    return true;
  }

  ChartHost& host_;
};

class FrameNode : public Node {
 public:
  FrameNode(ChartHost& host, FrameStyle& frame) : Node(host), frame_(frame) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    switch (id) {
      case 1: return Int(c, frame_.width, Change::Layout);  // FrameWidth
      case 2: return Int(c, frame_.kind, Change::Layout);   // FrameKind
      default: return false;
    }
  }

 private:
  FrameStyle& frame_;
};

class ColoursNode : public Node {
 public:
  ColoursNode(ChartHost& host, ColourPair& colours, bool* foreSet = nullptr)
      : Node(host), colours_(colours), foreSet_(foreSet) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    switch (id) {
      case 1: return ColourMember(c, colours_.back, Change::Look, &colours_.backSet);  // Back
      case 2: return ColourMember(c, colours_.fore, Change::Look, foreSet_);           // Fore
      default: return false;
    }
  }

 private:
  ColourPair& colours_;
  bool* foreSet_;
};

// A standard font: Name[0], Size[2] (points), Bold[3], Italic[4], Underline[5], Strikethrough[6].
class FontNode : public Node {
 public:
  FontNode(ChartHost& host, FontStyle& font) : Node(host), font_(font) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    switch (id) {
      case 0: return Text(c, font_.name, Change::Layout);
      case 2: {
        if (c.IsGet()) {
          *c.result = ChartValue::FromDouble(font_.size);
          return true;
        }
        double size;
        return c.IsPut() && ToDouble(c.args[0], size) && size > 0 && size < 1000 &&
               Store(font_.size, size, Change::Layout);
      }
      case 3: return Bool(c, font_.bold, Change::Layout);
      case 4: return Bool(c, font_.italic, Change::Layout);
      case 5: return Bool(c, font_.underline, Change::Layout);
      case 6: return Bool(c, font_.strikethrough, Change::Layout);
      default: return false;
    }
  }

 private:
  FontStyle& font_;
};

// An object whose one member is a text: Content[1].
class ContentNode : public Node {
 public:
  ContentNode(ChartHost& host, std::string& text) : Node(host), text_(text) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override { return id == 1 && Text(c, text_, Change::Layout); }

 private:
  std::string& text_;
};

// A place item: Amount[1], in pixels.
class AmountNode : public Node {
 public:
  AmountNode(ChartHost& host, int32_t& amount, bool& set) : Node(host), amount_(amount), set_(set) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    if (id != 1) return false;
    if (c.IsPut()) set_ = true;
    return Int(c, amount_, Change::Layout);
  }

 private:
  int32_t& amount_;
  bool& set_;
};

class PlaceNode : public Node {
 public:
  PlaceNode(ChartHost& host, TextBox& box)
      : Node(host), left_(host, box.place[0], box.placeSet[0]), top_(host, box.place[1], box.placeSet[1]) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    switch (id) {
      case 1: return Object(c, left_);
      case 2: return Object(c, top_);
      default: return false;
    }
  }

 private:
  AmountNode left_, top_;
};

// Title, note and legend box. On the legend, ids 4 and 5 are both an object (Colours, Place)
// when got and a value (Shown, anchor) when put.
class TextBoxNode : public Node {
 public:
  TextBoxNode(ChartHost& host, TextBox& box, bool legend)
      : Node(host), box_(box), legend_(legend), frame_(host, box.frame), text_(host, box.text),
        colours_(host, box.colours), place_(host, box), font_(host, box.font) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    switch (id) {
      case 1: return Object(c, frame_);
      case 3: return Object(c, text_);
      case 4: return legend_ && c.kind == ChartInvoke::Put ? Bool(c, box_.shown, Change::Layout) : Object(c, colours_);
      case 5: return legend_ && c.kind == ChartInvoke::Put ? Int(c, box_.member5, Change::Layout) : Object(c, place_);
      case 6: {
        if (legend_) return Int(c, box_.member6, Change::Layout);
        bool flag = box_.member6 != 0;
        if (!Bool(c, flag, Change::Layout)) return false;
        box_.member6 = flag ? 1 : 0;
        return true;
      }
      case 8: return Object(c, font_);
      default: return false;
    }
  }

 private:
  TextBox& box_;
  bool legend_;
  FrameNode frame_;
  ContentNode text_;
  ColoursNode colours_;
  PlaceNode place_;
  FontNode font_;
};

// MinLimit and MaxLimit: Value[1].
class ValueNode : public Node {
 public:
  ValueNode(ChartHost& host, double& value) : Node(host), value_(value) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override { return id == 1 && Double(c, value_, Change::Layout); }

 private:
  double& value_;
};

class SpacingNode : public Node {
 public:
  SpacingNode(ChartHost& host, GridStyle& grid) : Node(host), grid_(grid) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    switch (id) {
      case 1: {  // Value: putting one ends the automatic spacing
        if (!Double(c, grid_.spacing, Change::Layout)) return false;
        if (c.kind == ChartInvoke::Put) grid_.automatic = false;
        return true;
      }
      case 2: return Bool(c, grid_.automatic, Change::Layout);  // Automatic
      default: return false;
    }
  }

 private:
  GridStyle& grid_;
};

class GridLineNode : public Node {
 public:
  GridLineNode(ChartHost& host, GridStyle& grid) : Node(host), grid_(grid) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    switch (id) {
      case 1: return Int(c, grid_.lineKind, Change::Look);             // LineKind
      case 2: return ColourMember(c, grid_.lineColour, Change::Look);  // LineColour
      default: return false;
    }
  }

 private:
  GridStyle& grid_;
};

class GridNode : public Node {
 public:
  GridNode(ChartHost& host, GridStyle& grid) : Node(host), spacing_(host, grid), line_(host, grid) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    switch (id) {
      case 2: return Object(c, spacing_);
      case 3: return Object(c, line_);
      default: return false;
    }
  }

 private:
  SpacingNode spacing_;
  GridLineNode line_;
};

class DigitsNode : public Node {
 public:
  DigitsNode(ChartHost& host, TickLabelStyle& labels) : Node(host), labels_(labels) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    switch (id) {
      case 1: return Int(c, labels_.digits, Change::Layout);            // Amount
      case 2: return Bool(c, labels_.digitsAutomatic, Change::Layout);  // Automatic
      default: return false;
    }
  }

 private:
  TickLabelStyle& labels_;
};

class TickLabelsNode : public Node {
 public:
  TickLabelsNode(ChartHost& host, TickLabelStyle& labels)
      : Node(host), labels_(labels), digits_(host, labels) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    switch (id) {
      case 6: return Object(c, digits_);
      case 7: return Int(c, labels_.mode, Change::Layout, true);  // LabelMode, an I2
      default: return false;
    }
  }

 private:
  TickLabelStyle& labels_;
  DigitsNode digits_;
};

// LabelLook: its [2] (and [1]) is the colour pair of the tick labels.
class LabelLookNode : public Node {
 public:
  LabelLookNode(ChartHost& host, ColourPair& colours) : Node(host), colours_(host, colours) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    return (id == 1 || id == 2) && Object(c, colours_);
  }

 private:
  ColoursNode colours_;
};

class AxisNode : public Node {
 public:
  AxisNode(ChartHost& host, Axis& axis)
      : Node(host), axis_(axis), title_(host, axis.title), min_(host, axis.minLimit),
        max_(host, axis.maxLimit), grid_(host, axis.grid), labels_(host, axis.labels),
        look_(host, axis.labelLook), font_(host, axis.font) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    switch (id) {
      case 1: return Object(c, title_);
      case 5: return Object(c, min_);
      case 6: return Object(c, max_);
      case 12: return Object(c, grid_);
      case 14: return Bool(c, axis_.shown, Change::Layout);
      case 15: return Bool(c, axis_.logarithmic, Change::Layout);
      case 17: return Int(c, axis_.titleTurn, Change::Layout);
      case 20: return Int(c, axis_.majorTicks, Change::Layout);
      case 21: return Int(c, axis_.minorTicks, Change::Layout);
      case 29: return Object(c, labels_);
      case 32: return Object(c, look_);
      case 33: return Object(c, font_);
      default: return false;
    }
  }

 private:
  Axis& axis_;
  ContentNode title_;
  ValueNode min_, max_;
  GridNode grid_;
  TickLabelsNode labels_;
  LabelLookNode look_;
  FontNode font_;
};

class AxisOptionNode : public Node {
 public:
  AxisOptionNode(ChartHost& host, bool& option) : Node(host), option_(option) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override { return id == 2 && Bool(c, option_, Change::Layout); }

 private:
  bool& option_;
};

// "x", "y", "y2" (any case), or 1, 2, 3.
bool AxisFromItem(const ChartValue& v, AxisId& axis) {
  const char* name;
  if (ToText(v, name)) {
    std::string lower;
    for (const char* p = name; *p; ++p) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
    if (lower == "x") axis = kAxisX;
    else if (lower == "y") axis = kAxisY;
    else if (lower == "y2") axis = kAxisY2;
    else return false;
    return true;
  }
  int32_t index;
  if (!ToInt(v, index) || index < 1 || index > kAxisCount) return false;
  axis = static_cast<AxisId>(index - 1);
  return true;
}

// A collection of one object per axis with an Item[3].
template <typename Element>
class AxisCollectionNode : public Node {
 public:
  AxisCollectionNode(ChartHost& host, Element& x, Element& y, Element& y2) : Node(host), items_{&x, &y, &y2} {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    AxisId axis;
    if (id != 3 || !c.IsGet(1) || !AxisFromItem(c.args[0], axis)) return false;
    ReturnObject(*items_[axis], c.result);
    return true;
  }

 private:
  Element* items_[kAxisCount];
};

// GraphArea member [5]: its [1] fills the plot area with the graph area's back colour.
class BackdropNode : public Node {
 public:
  BackdropNode(ChartHost& host, bool& filled) : Node(host), filled_(filled) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override { return id == 1 && Bool(c, filled_, Change::Look); }

 private:
  bool& filled_;
};

class GraphAreaNode : public Node {
 public:
  GraphAreaNode(ChartHost& host, GraphArea& area)
      : Node(host), frame_(host, area.frame), colours_(host, area.colours), backdrop_(host, area.filled),
        axisX_(host, area.axes[kAxisX]), axisY_(host, area.axes[kAxisY]), axisY2_(host, area.axes[kAxisY2]),
        optionX_(host, area.axes[kAxisX].option2), optionY_(host, area.axes[kAxisY].option2),
        optionY2_(host, area.axes[kAxisY2].option2), options_(host, optionX_, optionY_, optionY2_),
        axes_(host, axisX_, axisY_, axisY2_) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    switch (id) {
      case 2: return Object(c, frame_);
      case 4: return Object(c, colours_);
      case 5: return Object(c, backdrop_);
      case 8: return Object(c, options_);
      case 9: return Object(c, axes_);
      default: return false;
    }
  }

 private:
  FrameNode frame_;
  ColoursNode colours_;
  BackdropNode backdrop_;
  AxisNode axisX_, axisY_, axisY2_;
  AxisOptionNode optionX_, optionY_, optionY2_;
  AxisCollectionNode<AxisOptionNode> options_;
  AxisCollectionNode<AxisNode> axes_;
};

class StrokeNode : public Node {
 public:
  StrokeNode(ChartHost& host, SeriesStyle& style) : Node(host), style_(style) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    switch (id) {
      case 1: return Int(c, style_.strokeKind, Change::Look);   // StrokeKind
      case 3: return Int(c, style_.strokeWidth, Change::Look);  // StrokeWidth
      default: return false;
    }
  }

 private:
  SeriesStyle& style_;
};

class FillNode : public Node {
 public:
  FillNode(ChartHost& host, SeriesStyle& style) : Node(host), colours_(host, style.fill, &style.fillForeSet) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override { return id == 4 && Object(c, colours_); }

 private:
  ColoursNode colours_;
};

class MarkerNode : public Node {
 public:
  MarkerNode(ChartHost& host, SeriesStyle& style) : Node(host), style_(style) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    switch (id) {
      case 1: return Int(c, style_.markerKind, Change::Look);  // MarkerKind
      case 2: return ColourMember(c, style_.markerColour, Change::Look, &style_.markerColourSet);
      default: return false;
    }
  }

 private:
  SeriesStyle& style_;
};

class StyleNode : public Node {
 public:
  StyleNode(ChartHost& host, SeriesStyle& style)
      : Node(host), stroke_(host, style), fill_(host, style), marker_(host, style) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    switch (id) {
      case 1: return Object(c, stroke_);
      case 2: return Object(c, fill_);
      case 3: return Object(c, marker_);
      default: return false;
    }
  }

 private:
  StrokeNode stroke_;
  FillNode fill_;
  MarkerNode marker_;
};

bool ToIndex(const ChartValue& v, int32_t& out, int32_t limit) {
  return ToInt(v, out) && out >= 1 && out <= limit;
}

// SeriesStyles: Item[5](series) makes the style of any series on first use.
class SeriesStylesNode : public Node {
 public:
  SeriesStylesNode(ChartHost& host, SeriesGroup& group) : Node(host), group_(group) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    int32_t series;
    if (id != 5 || !c.IsGet(1) || !ToIndex(c.args[0], series, SeriesData::kMaxSeries)) return false;
    std::unique_ptr<StyleNode>& node = nodes_[series];
    if (!node) node = std::make_unique<StyleNode>(host_, group_.Style(series));
    ReturnObject(*node, c.result);
    return true;
  }

 private:
  SeriesGroup& group_;
  std::map<int32_t, std::unique_ptr<StyleNode>> nodes_;
};

class SeriesDataNode : public Node {
 public:
  SeriesDataNode(ChartHost& host, SeriesData& data) : Node(host), data_(data) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    switch (id) {
      case 1: {  // LayoutCode
        int32_t code = data_.layoutCode();
        if (!Int(c, code, Change::Layout)) return false;
        data_.SetLayoutCode(code);
        return true;
      }
      case 2: {  // SeriesCount
        int32_t count = data_.seriesCount();
        if (c.IsGet()) return Int(c, count, Change::Layout);
        return c.IsPut() && ToInt(c.args[0], count) && Changed(data_.SetSeriesCount(count), Change::Layout);
      }
      case 16: {  // PointCount(series)
        int32_t series, count;
        if (c.IsGet(1) && ToInt(c.args[0], series)) {
          if (series < 1 || series > data_.seriesCount()) return false;
          *c.result = ChartValue::FromInt32(data_.PointCount(series));
          return true;
        }
        return c.IsPut(2) && ToInt(c.args[0], series) && ToInt(c.args[1], count) &&
               Changed(data_.SetPointCount(series, count), Change::Layout);
      }
      case 19:  // XValue(series, point)
      case 20: {  // YValue(series, point)
        int32_t series, point;
        double value;
        if (c.IsGet(2) && ToInt(c.args[0], series) && ToInt(c.args[1], point)) {
          if (series < 1 || series > data_.seriesCount() || point < 1 || point > data_.PointCount(series))
            return false;
          const double v = id == 19 ? data_.X(series, point) : data_.Y(series, point);
          *c.result = std::isnan(v) ? ChartValue() : ChartValue::FromDouble(v);  // Empty: unwritten
          return true;
        }
        if (!c.IsPut(3) || !ToInt(c.args[0], series) || !ToInt(c.args[1], point) || !ToDouble(c.args[2], value))
          return false;
        return Changed(id == 19 ? data_.SetX(series, point, value) : data_.SetY(series, point, value),
                       Change::Look);
      }
      default:
        return false;
    }
  }

 private:
  bool Changed(bool done, Change change) {
    if (done) host_.Changed(change);
    return done;
  }
  SeriesData& data_;
};

// The object AddLabel returns: the legend text of one series, Content[1].
class LabelObject final : public ChartObject {
 public:
  LabelObject(ChartHost& host, SeriesData& data, int32_t series) : host_(host), data_(data), series_(series) {
    host_.AddRef();
  }
  void AddRef() override { refs_.fetch_add(1); }
  void Release() override {
    if (refs_.fetch_sub(1) == 1) {
      ChartHost& host = host_;
      delete this;
      host.Release();
    }
  }
  bool Invoke(int32_t id, ChartInvoke kind, const ChartValue* args, int32_t count, ChartValue* result) override {
    try {
      const Call c{kind, args, count, result};
      if (id != 1) return false;
      if (c.IsGet()) {
        const std::string* label = data_.Label(series_);
        if (!label) return false;
        *c.result = ChartValue::FromText(label->c_str());
        return true;
      }
      const char* text;
      if (!c.IsPut() || !ToText(c.args[0], text) || !data_.SetLabel(series_, text)) return false;
      host_.Changed(Change::Layout);
      return true;
    } catch (...) {
      return false;
    }
  }

 private:
  ~LabelObject() = default;
  std::atomic<long> refs_{1};
  ChartHost& host_;
  SeriesData& data_;
  int32_t series_;
};

// SeriesLabels: AddLabel[4](text, series) gives the series its legend text, replacing the one
// it had; Item[3](series) and Count[2] read them back.
class SeriesLabelsNode : public Node {
 public:
  SeriesLabelsNode(ChartHost& host, SeriesData& data) : Node(host), data_(data) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    int32_t series;
    switch (id) {
      case 2:
        if (!c.IsGet()) return false;
        *c.result = ChartValue::FromInt32(data_.LabelCount());
        return true;
      case 3:
        if (!c.IsGet(1) || !ToIndex(c.args[0], series, SeriesData::kMaxSeries) || !data_.Label(series)) return false;
        *c.result = ChartValue();
        c.result->kind = ChartValue::Object;
        c.result->object = new LabelObject(host_, data_, series);
        return true;
      case 4: {
        const char* text;
        if (!c.IsMethod() || c.count != 2 || !ToText(c.args[0], text) ||
            !ToIndex(c.args[1], series, SeriesData::kMaxSeries) || !data_.SetLabel(series, text))
          return false;
        host_.Changed(Change::Layout);
        if (c.result) {
          *c.result = ChartValue();
          c.result->kind = ChartValue::Object;
          c.result->object = new LabelObject(host_, data_, series);
        }
        return true;
      }
      default:
        return false;
    }
  }

 private:
  SeriesData& data_;
};

class GroupNode : public Node {
 public:
  GroupNode(ChartHost& host, SeriesGroup& group)
      : Node(host), group_(group), data_(host, group.data), styles_(host, group), labels_(host, group.data) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    switch (id) {
      case 2: return Int(c, group_.graphKind, Change::Layout);  // GraphKind
      case 3: return Int(c, group_.layer, Change::Look, true);  // drawing layer, an I2
      case 4: return Object(c, data_);
      case 5: return Object(c, styles_);
      case 6: return Object(c, labels_);
      default: return false;
    }
  }

 private:
  SeriesGroup& group_;
  SeriesDataNode data_;
  SeriesStylesNode styles_;
  SeriesLabelsNode labels_;
};

class SeriesGroupsNode : public Node {
 public:
  SeriesGroupsNode(ChartHost& host, SeriesGroup (&groups)[2])
      : Node(host), first_(host, groups[0]), second_(host, groups[1]) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    int32_t index;
    if (id != 3 || !c.IsGet(1) || !ToIndex(c.args[0], index, 2)) return false;
    ReturnObject(index == 1 ? static_cast<ChartObject&>(first_) : second_, c.result);
    return true;
  }

 private:
  GroupNode first_, second_;
};

// Extras: Clear[6] drops every legend text, ahead of a plot that gives its own.
class ExtrasNode : public Node {
 public:
  ExtrasNode(ChartHost& host, ChartModel& model) : Node(host), model_(model) {}

 protected:
  bool Dispatch(int32_t id, Call& c) override {
    if (id != 6 || !c.IsMethod()) return false;
    bool had = false;
    for (SeriesGroup& g : model_.groups) {
      had |= g.data.LabelCount() > 0;
      g.data.ClearLabels();
    }
    if (had) host_.Changed(Change::Layout);
    if (c.result) *c.result = ChartValue();
    return true;
  }

 private:
  ChartModel& model_;
};

}  // namespace

struct ChartObjectTree::Objects {
  Objects(ChartHost& host, ChartModel& model)
      : title(host, model.title, false), note(host, model.note, false), legend(host, model.legend, true),
        outerFrame(host, model.outerFrame), outerColours(host, model.outerColours),
        graphArea(host, model.graph), groups(host, model.groups), extras(host, model) {}

  TextBoxNode title, note, legend;
  FrameNode outerFrame;
  ColoursNode outerColours;
  GraphAreaNode graphArea;
  SeriesGroupsNode groups;
  ExtrasNode extras;
};

ChartObjectTree::ChartObjectTree(ChartHost& host, ChartModel& model)
    : objects_(std::make_unique<Objects>(host, model)) {}

ChartObjectTree::~ChartObjectTree() = default;

ChartObject* ChartObjectTree::Member(int32_t dispatchId) {
  switch (dispatchId) {
    case ControlId::kTitleBox: return &objects_->title;
    case ControlId::kNoteBox: return &objects_->note;
    case ControlId::kLegendBox: return &objects_->legend;
    case ControlId::kOuterFrame: return &objects_->outerFrame;
    case ControlId::kOuterColours: return &objects_->outerColours;
    case ControlId::kGraphArea: return &objects_->graphArea;
    case ControlId::kSeriesGroups: return &objects_->groups;
    case ControlId::kExtras: return &objects_->extras;
    default: return nullptr;
  }
}
