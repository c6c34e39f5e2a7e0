#include "chartcontrol/core/ChartDispatch.h"

#include <atomic>
#include <cctype>
#include <cmath>
#include <iterator>
#include <map>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "chartcontrol/api/ChartMembers.h"

namespace chartcontrol {

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

bool ToColour(const ChartValue& v, SystemColourLookup systemColour, Colour& out) {
  int32_t i;
  if (!ToInt(v, i)) return false;
  const uint32_t u = static_cast<uint32_t>(i);
  if ((u & 0xFF000000u) != 0x80000000u) {
    out = static_cast<Colour>(u & 0x00FFFFFFu);
    return true;
  }
  if (!systemColour) return false;
  out = systemColour(static_cast<int>(u & 0xFF)) & 0x00FFFFFFu;
  return true;
}

void ReturnObject(ChartObject& object, ChartValue* result) {
  object.AddRef();
  *result = ChartValue();
  result->kind = ChartValue::Object;
  result->object = &object;
}

using namespace member;

namespace {

// ---- The member table ----------------------------------------------------------------------
// Each object kind is a table of rows; a row answers one dispatch id. Value rows read and write
// one field of the object's target (a part of the model); object rows hand out the object of a
// part of it; item rows pick a part by an index ("Item"); the few members with rules of their
// own have a handler.

enum class Kind : uint8_t { Int, Int16, Bool, Double, Text, Colour, Object, Items, Handler };

struct Table;
using Address = void* (*)(void* target);
using FlagAddress = bool* (*)(void* target);
using ItemKey = bool (*)(const ChartValue& index, int32_t& key);
using ItemAddress = void* (*)(void* target, int32_t key);
using Handler = bool (*)(MemberNode& node, Call& call);

struct Row {
  int32_t id = 0;
  Kind kind = Kind::Int;
  Change change = Change::Layout;
  Address field = nullptr;     // value rows: the field; object rows: the child's target
  FlagAddress set = nullptr;   // value rows: marked by the first put taken (a put then counts as a change)
  bool putOnly = false;        // answers puts only; a get goes to the next row with the id
  const Table* child = nullptr;  // object and item rows
  ItemKey itemKey = nullptr;
  ItemAddress itemAddress = nullptr;
  Handler handler = nullptr;
};

struct Table {
  const Row* rows;
  std::size_t count;
};

template <typename T, std::size_t N>
constexpr Table TableOf(const T (&rows)[N]) {
  return Table{rows, N};
}

template <typename>
struct MemberOf;
template <typename C, typename F>
struct MemberOf<F C::*> {
  using Class = C;
  using Field = F;
};

template <auto M>
void* FieldAt(void* target) {
  return &(static_cast<typename MemberOf<decltype(M)>::Class*>(target)->*M);
}
template <auto M>
bool* FlagAt(void* target) {
  return &(static_cast<typename MemberOf<decltype(M)>::Class*>(target)->*M);
}
void* Itself(void* target) { return target; }

template <typename F>
constexpr Kind KindOf() {
  if constexpr (std::is_same_v<F, int32_t>) return Kind::Int;
  else if constexpr (std::is_same_v<F, bool>) return Kind::Bool;
  else if constexpr (std::is_same_v<F, double>) return Kind::Double;
  else if constexpr (std::is_same_v<F, std::string>) return Kind::Text;
  else if constexpr (std::is_same_v<F, Colour>) return Kind::Colour;
}

// A field of the target, its kind by its type.
template <auto M>
constexpr Row Value(int32_t id, Change change) {
  Row row;
  row.id = id;
  row.kind = KindOf<typename MemberOf<decltype(M)>::Field>();
  row.change = change;
  row.field = &FieldAt<M>;
  return row;
}
// An int field that crosses as an I2.
template <auto M>
constexpr Row Int16Value(int32_t id, Change change) {
  Row row = Value<M>(id, change);
  row.kind = Kind::Int16;
  return row;
}
// A field with a flag that records that it was put.
template <auto M, auto Flag>
constexpr Row MarkedValue(int32_t id, Change change) {
  Row row = Value<M>(id, change);
  row.set = &FlagAt<Flag>;
  return row;
}
template <auto M>
constexpr Row PutOnlyValue(int32_t id, Change change) {
  Row row = Value<M>(id, change);
  row.putOnly = true;
  return row;
}
// The target itself is the value (a limit's Value, a text's Content).
constexpr Row WholeValue(int32_t id, Kind kind, Change change) {
  Row row;
  row.id = id;
  row.kind = kind;
  row.change = change;
  row.field = &Itself;
  return row;
}
// An object over a part of the target (or, with &Itself, over the same target).
constexpr Row Object(int32_t id, const Table& child, Address part) {
  Row row;
  row.id = id;
  row.kind = Kind::Object;
  row.field = part;
  row.child = &child;
  return row;
}
template <auto M>
constexpr Row Object(int32_t id, const Table& child) {
  return Object(id, child, &FieldAt<M>);
}
constexpr Row Items(int32_t id, const Table& child, ItemKey key, ItemAddress address) {
  Row row;
  row.id = id;
  row.kind = Kind::Items;
  row.child = &child;
  row.itemKey = key;
  row.itemAddress = address;
  return row;
}
constexpr Row Handled(int32_t id, Handler handler) {
  Row row;
  row.id = id;
  row.kind = Kind::Handler;
  row.handler = handler;
  return row;
}

}  // namespace

// One object of the tree: a table over a target. Objects it hands out are made on first use and
// live with it; its references are the control's, and no exception leaves Invoke.
class MemberNode final : public ChartObject {
 public:
  MemberNode(ChartHost& host, SystemColourLookup systemColour, const Table& table, void* target)
      : host_(host), systemColour_(systemColour), table_(table), target_(target), objects_(table.count) {}
  MemberNode(const MemberNode&) = delete;
  MemberNode& operator=(const MemberNode&) = delete;

  void AddRef() override { host_.AddRef(); }
  void Release() override { host_.Release(); }
  bool Invoke(int32_t dispatchId, ChartInvoke kind, const ChartValue* args, int32_t argCount,
              ChartValue* result) override {
    if (argCount < 0) return false;
    try {
      Call call{kind, args, argCount, result};
      for (std::size_t i = 0; i < table_.count; ++i) {
        const Row& row = table_.rows[i];
        if (row.id != dispatchId || (row.putOnly && kind != ChartInvoke::Put)) continue;
        return Answer(row, call);
      }
      return false;
    } catch (...) {
      return false;
    }
  }

  // The object of object row `id`, or null.
  MemberNode* ObjectMember(int32_t id) {
    for (std::size_t i = 0; i < table_.count; ++i)
      if (table_.rows[i].id == id && table_.rows[i].kind == Kind::Object) return &Child(table_.rows[i], 0);
    return nullptr;
  }

  template <typename T>
  T& Target() const {
    return *static_cast<T*>(target_);
  }
  ChartHost& host() const { return host_; }

  // Writes `value` and reports the change when it differs.
  template <typename T>
  bool Store(T& field, const T& value, Change change) {
    if (!(field == value)) {
      field = value;
      host_.Changed(change);
    }
    return true;
  }

 private:
  bool Answer(const Row& row, Call& c) {
    switch (row.kind) {
      case Kind::Object:
        if (!c.IsGet()) return false;
        ReturnObject(Child(row, 0), c.result);
        return true;
      case Kind::Items: {
        int32_t key;
        if (!c.IsGet(1) || !row.itemKey(c.args[0], key)) return false;
        ReturnObject(Child(row, key), c.result);
        return true;
      }
      case Kind::Handler:
        return row.handler(*this, c);
      default:
        return AnswerValue(row, c);
    }
  }

  bool AnswerValue(const Row& row, Call& c) {
    void* field = row.field(target_);
    if (c.IsGet()) {
      *c.result = Read(row.kind, field);
      return true;
    }
    if (!c.IsPut()) return false;
    const ChartValue& v = c.args[0];
    bool* set = row.set ? row.set(target_) : nullptr;
    switch (row.kind) {
      case Kind::Int:
      case Kind::Int16: {
        int32_t i;
        return ToInt(v, i) && Write(*static_cast<int32_t*>(field), i, row.change, set);
      }
      case Kind::Bool: {
        bool b;
        return ToBool(v, b) && Write(*static_cast<bool*>(field), b, row.change, set);
      }
      case Kind::Double: {
        double d;
        if (!ToDouble(v, d)) return false;
        *static_cast<double*>(field) = d;  // NaN included: the renderer copes
        host_.Changed(row.change);
        return true;
      }
      case Kind::Text: {
        const char* t;
        return ToText(v, t) && Write(*static_cast<std::string*>(field), std::string(t), row.change, set);
      }
      case Kind::Colour: {
        Colour colour;
        return ToColour(v, systemColour_, colour) && Write(*static_cast<Colour*>(field), colour, row.change, set);
      }
      default:
        return false;
    }
  }

  static ChartValue Read(Kind kind, const void* field) {
    switch (kind) {
      case Kind::Int: return ChartValue::FromInt32(*static_cast<const int32_t*>(field));
      case Kind::Int16: return ChartValue::FromInt16(static_cast<int16_t>(*static_cast<const int32_t*>(field)));
      case Kind::Bool: return ChartValue::FromBool(*static_cast<const bool*>(field));
      case Kind::Double: return ChartValue::FromDouble(*static_cast<const double*>(field));
      case Kind::Text: return ChartValue::FromText(static_cast<const std::string*>(field)->c_str());
      case Kind::Colour: return ChartValue::FromInt32(static_cast<int32_t>(*static_cast<const Colour*>(field)));
      default: return ChartValue();
    }
  }

  template <typename T>
  bool Write(T& field, const T& value, Change change, bool* set) {
    if (set && !*set) {
      *set = true;
      field = value;
      host_.Changed(change);
      return true;
    }
    return Store(field, value, change);
  }

  MemberNode& Child(const Row& row, int32_t key) {
    // Object rows keep their child by row, items by row and key.
    std::unique_ptr<MemberNode>& child = row.kind == Kind::Items ? items_[{&row, key}] : objects_[&row - table_.rows];
    if (!child) {
      void* part = row.kind == Kind::Items ? row.itemAddress(target_, key) : row.field(target_);
      child = std::make_unique<MemberNode>(host_, systemColour_, *row.child, part);
    }
    return *child;
  }

  ChartHost& host_;
  SystemColourLookup systemColour_;
  const Table& table_;
  void* target_;
  std::vector<std::unique_ptr<MemberNode>> objects_;
  std::map<std::pair<const Row*, int32_t>, std::unique_ptr<MemberNode>> items_;
};

namespace {

// ---- Members with rules of their own ---------------------------------------------------------

bool FontSize(MemberNode& node, Call& c) {
  FontStyle& font = node.Target<FontStyle>();
  if (c.IsGet()) {
    *c.result = ChartValue::FromDouble(font.size);
    return true;
  }
  double size;
  return c.IsPut() && ToDouble(c.args[0], size) && size > 0 && size < 1000 &&
         node.Store(font.size, size, Change::Layout);
}

// Putting a spacing ends the automatic spacing.
bool SpacingValue(MemberNode& node, Call& c) {
  GridStyle& grid = node.Target<GridStyle>();
  if (c.IsGet()) {
    *c.result = ChartValue::FromDouble(grid.spacing);
    return true;
  }
  double value;
  if (!c.IsPut() || !ToDouble(c.args[0], value)) return false;
  grid.spacing = value;
  grid.automatic = false;
  node.host().Changed(Change::Layout);
  return true;
}

bool Reported(MemberNode& node, bool done, Change change) {
  if (done) node.host().Changed(change);
  return done;
}

bool LayoutCode(MemberNode& node, Call& c) {
  SeriesData& data = node.Target<SeriesData>();
  int32_t code = data.layoutCode();
  if (c.IsGet()) {
    *c.result = ChartValue::FromInt32(code);
    return true;
  }
  if (!c.IsPut() || !ToInt(c.args[0], code)) return false;
  if (code != data.layoutCode()) {
    data.SetLayoutCode(code);
    node.host().Changed(Change::Layout);
  }
  return true;
}

bool SeriesCount(MemberNode& node, Call& c) {
  SeriesData& data = node.Target<SeriesData>();
  if (c.IsGet()) {
    *c.result = ChartValue::FromInt32(data.seriesCount());
    return true;
  }
  int32_t count;
  return c.IsPut() && ToInt(c.args[0], count) && Reported(node, data.SetSeriesCount(count), Change::Layout);
}

bool PointCount(MemberNode& node, Call& c) {
  SeriesData& data = node.Target<SeriesData>();
  int32_t series, count;
  if (c.IsGet(1) && ToInt(c.args[0], series)) {
    if (series < 1 || series > data.seriesCount()) return false;
    *c.result = ChartValue::FromInt32(data.PointCount(series));
    return true;
  }
  return c.IsPut(2) && ToInt(c.args[0], series) && ToInt(c.args[1], count) &&
         Reported(node, data.SetPointCount(series, count), Change::Layout);
}

// XValue and YValue (series, point): a value never written reads as Empty.
template <bool IsX>
bool PointValue(MemberNode& node, Call& c) {
  SeriesData& data = node.Target<SeriesData>();
  int32_t series, point;
  double value;
  if (c.IsGet(2) && ToInt(c.args[0], series) && ToInt(c.args[1], point)) {
    if (series < 1 || series > data.seriesCount() || point < 1 || point > data.PointCount(series)) return false;
    const double v = IsX ? data.X(series, point) : data.Y(series, point);
    *c.result = std::isnan(v) ? ChartValue() : ChartValue::FromDouble(v);
    return true;
  }
  if (!c.IsPut(3) || !ToInt(c.args[0], series) || !ToInt(c.args[1], point) || !ToDouble(c.args[2], value))
    return false;
  return Reported(node, IsX ? data.SetX(series, point, value) : data.SetY(series, point, value), Change::Look);
}

// The object AddLabel returns: the legend text of one series, Content.
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
      if (id != kTextContent) return false;
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

void ReturnLabel(MemberNode& node, int32_t series, ChartValue* result) {
  *result = ChartValue();
  result->kind = ChartValue::Object;
  result->object = new LabelObject(node.host(), node.Target<SeriesData>(), series);
}

bool SeriesNumber(const ChartValue& v, int32_t& series) {
  return ToInt(v, series) && series >= 1 && series <= SeriesData::kMaxSeries;
}

bool LabelCount(MemberNode& node, Call& c) {
  if (!c.IsGet()) return false;
  *c.result = ChartValue::FromInt32(node.Target<SeriesData>().LabelCount());
  return true;
}

bool LabelItem(MemberNode& node, Call& c) {
  int32_t series;
  if (!c.IsGet(1) || !SeriesNumber(c.args[0], series) || !node.Target<SeriesData>().Label(series)) return false;
  ReturnLabel(node, series, c.result);
  return true;
}

// AddLabel(text, series) gives the series its legend text, replacing the one it had.
bool AddLabel(MemberNode& node, Call& c) {
  const char* text;
  int32_t series;
  if (!c.IsMethod() || c.count != 2 || !ToText(c.args[0], text) || !SeriesNumber(c.args[1], series) ||
      !node.Target<SeriesData>().SetLabel(series, text))
    return false;
  node.host().Changed(Change::Layout);
  if (c.result) ReturnLabel(node, series, c.result);
  return true;
}

// Extras.Clear drops every legend text, ahead of a plot that gives its own.
bool ClearLabels(MemberNode& node, Call& c) {
  if (!c.IsMethod()) return false;
  bool had = false;
  for (SeriesGroup& g : node.Target<ChartModel>().groups) {
    had |= g.data.LabelCount() > 0;
    g.data.ClearLabels();
  }
  if (had) node.host().Changed(Change::Layout);
  if (c.result) *c.result = ChartValue();
  return true;
}

// "x", "y", "y2" (any case), or 1, 2, 3.
bool AxisKey(const ChartValue& v, int32_t& axis) {
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
  axis = index - 1;
  return true;
}
void* AxisAt(void* area, int32_t axis) { return &static_cast<GraphArea*>(area)->axes[axis]; }

bool GroupKey(const ChartValue& v, int32_t& group) {
  return ToInt(v, group) && group >= 1 && group <= 2;
}
void* GroupAt(void* model, int32_t group) { return &static_cast<ChartModel*>(model)->groups[group - 1]; }

// The style of any series is made on first use.
void* StyleAt(void* group, int32_t series) { return &static_cast<SeriesGroup*>(group)->Style(series); }

void* PlaceLeft(void* box) { return &static_cast<TextBox*>(box)->place[0]; }
void* PlaceTop(void* box) { return &static_cast<TextBox*>(box)->place[1]; }

// ---- The tables ------------------------------------------------------------------------------
// clang-format off

constexpr Row kFrameRows[] = {
  Value<&FrameStyle::width>(kFrameWidth, Change::Layout),
  Value<&FrameStyle::kind>(kFrameKind, Change::Layout),
};
constexpr Table kFrameTable = TableOf(kFrameRows);

constexpr Row kColoursRows[] = {
  MarkedValue<&ColourPair::back, &ColourPair::backSet>(kColoursBack, Change::Look),
  MarkedValue<&ColourPair::fore, &ColourPair::foreSet>(kColoursFore, Change::Look),
};
constexpr Table kColoursTable = TableOf(kColoursRows);

constexpr Row kFontRows[] = {
  Value<&FontStyle::name>(kFontName, Change::Layout),
  Handled(kFontSize, &FontSize),
  Value<&FontStyle::bold>(kFontBold, Change::Layout),
  Value<&FontStyle::italic>(kFontItalic, Change::Layout),
  Value<&FontStyle::underline>(kFontUnderline, Change::Layout),
  Value<&FontStyle::strikethrough>(kFontStrikethrough, Change::Layout),
};
constexpr Table kFontTable = TableOf(kFontRows);

constexpr Row kTextRows[] = {WholeValue(kTextContent, Kind::Text, Change::Layout)};
constexpr Table kTextTable = TableOf(kTextRows);

constexpr Row kPlaceItemRows[] = {
  MarkedValue<&PlaceItem::amount, &PlaceItem::set>(kPlaceAmount, Change::Layout),
};
constexpr Table kPlaceItemTable = TableOf(kPlaceItemRows);

constexpr Row kPlaceRows[] = {
  Object(kPlaceLeft, kPlaceItemTable, &PlaceLeft),
  Object(kPlaceTop, kPlaceItemTable, &PlaceTop),
};
constexpr Table kPlaceTable = TableOf(kPlaceRows);

constexpr Row kTextBoxRows[] = {
  Object<&TextBox::frame>(kTextBoxFrame, kFrameTable),
  Object<&TextBox::text>(kTextBoxText, kTextTable),
  Object<&TextBox::colours>(kTextBoxColours, kColoursTable),
  Object(kTextBoxPlace, kPlaceTable, &Itself),
  Value<&TextBox::flag6>(kTextBoxFlag6, Change::Layout),
  Object<&TextBox::font>(kTextBoxFont, kFontTable),
};
constexpr Table kTextBoxTable = TableOf(kTextBoxRows);

// The legend: ids 4 and 5 are an object when got and a value when put.
constexpr Row kLegendRows[] = {
  Object<&TextBox::frame>(kTextBoxFrame, kFrameTable),
  Object<&TextBox::text>(kTextBoxText, kTextTable),
  PutOnlyValue<&TextBox::shown>(kLegendShown, Change::Layout),
  Object<&TextBox::colours>(kTextBoxColours, kColoursTable),
  PutOnlyValue<&TextBox::legendAnchor>(kLegendAnchor, Change::Layout),
  Object(kTextBoxPlace, kPlaceTable, &Itself),
  Value<&TextBox::legendOrientation>(kLegendOrientation, Change::Layout),
  Object<&TextBox::font>(kTextBoxFont, kFontTable),
};
constexpr Table kLegendTable = TableOf(kLegendRows);

constexpr Row kLimitRows[] = {WholeValue(kLimitValue, Kind::Double, Change::Layout)};
constexpr Table kLimitTable = TableOf(kLimitRows);

constexpr Row kSpacingRows[] = {
  Handled(kSpacingValue, &SpacingValue),
  Value<&GridStyle::automatic>(kSpacingAutomatic, Change::Layout),
};
constexpr Table kSpacingTable = TableOf(kSpacingRows);

constexpr Row kGridLineRows[] = {
  Value<&GridStyle::lineKind>(kLineKind, Change::Look),
  Value<&GridStyle::lineColour>(kLineColour, Change::Look),
};
constexpr Table kGridLineTable = TableOf(kGridLineRows);

constexpr Row kGridRows[] = {
  Object(kGridSpacing, kSpacingTable, &Itself),
  Object(kGridLine, kGridLineTable, &Itself),
};
constexpr Table kGridTable = TableOf(kGridRows);

constexpr Row kDigitsRows[] = {
  Value<&TickLabelStyle::digits>(kDigitsAmount, Change::Layout),
  Value<&TickLabelStyle::digitsAutomatic>(kDigitsAutomatic, Change::Layout),
};
constexpr Table kDigitsTable = TableOf(kDigitsRows);

constexpr Row kTickLabelsRows[] = {
  Object(kTickLabelsDigits, kDigitsTable, &Itself),
  Int16Value<&TickLabelStyle::mode>(kLabelMode, Change::Layout),
};
constexpr Table kTickLabelsTable = TableOf(kTickLabelsRows);

constexpr Row kLabelLookRows[] = {
  Object(kLabelLookColours, kColoursTable, &Itself),
  Object(kLabelLookLabelColours, kColoursTable, &Itself),
};
constexpr Table kLabelLookTable = TableOf(kLabelLookRows);

constexpr Row kAxisRows[] = {
  Object<&Axis::title>(kAxisTitle, kTextTable),
  Object<&Axis::minLimit>(kAxisMinLimit, kLimitTable),
  Object<&Axis::maxLimit>(kAxisMaxLimit, kLimitTable),
  Object<&Axis::grid>(kAxisGrid, kGridTable),
  Value<&Axis::shown>(kAxisShown, Change::Layout),
  Value<&Axis::logarithmic>(kAxisLogScale, Change::Layout),
  Value<&Axis::titleTurn>(kAxisTitleTurn, Change::Layout),
  Value<&Axis::majorTicks>(kAxisMajorTicks, Change::Layout),
  Value<&Axis::minorTicks>(kAxisMinorTicks, Change::Layout),
  Object<&Axis::labels>(kAxisTickLabels, kTickLabelsTable),
  Object<&Axis::labelLook>(kAxisLabelLook, kLabelLookTable),
  Object<&Axis::font>(kAxisFont, kFontTable),
};
constexpr Table kAxisTable = TableOf(kAxisRows);

constexpr Row kAxisOptionRows[] = {Value<&Axis::option2>(kAxisOption2, Change::Layout)};
constexpr Table kAxisOptionTable = TableOf(kAxisOptionRows);

constexpr Row kAxesRows[] = {Items(kItem, kAxisTable, &AxisKey, &AxisAt)};
constexpr Table kAxesTable = TableOf(kAxesRows);
constexpr Row kAxisOptionsRows[] = {Items(kItem, kAxisOptionTable, &AxisKey, &AxisAt)};
constexpr Table kAxisOptionsTable = TableOf(kAxisOptionsRows);

constexpr Row kBackdropRows[] = {Value<&GraphArea::filled>(kGraphAreaFilled, Change::Look)};
constexpr Table kBackdropTable = TableOf(kBackdropRows);

constexpr Row kGraphAreaRows[] = {
  Object<&GraphArea::frame>(kGraphAreaFrame, kFrameTable),
  Object<&GraphArea::colours>(kGraphAreaColours, kColoursTable),
  Object(kGraphAreaBackdrop, kBackdropTable, &Itself),
  Object(kGraphAreaAxisOptions, kAxisOptionsTable, &Itself),
  Object(kGraphAreaAxes, kAxesTable, &Itself),
};
constexpr Table kGraphAreaTable = TableOf(kGraphAreaRows);

constexpr Row kSeriesDataRows[] = {
  Handled(kLayoutCode, &LayoutCode),
  Handled(kSeriesCount, &SeriesCount),
  Handled(kPointCount, &PointCount),
  Handled(kXValue, &PointValue<true>),
  Handled(kYValue, &PointValue<false>),
};
constexpr Table kSeriesDataTable = TableOf(kSeriesDataRows);

constexpr Row kStrokeRows[] = {
  Value<&SeriesStyle::strokeKind>(kStrokeKind, Change::Look),
  Value<&SeriesStyle::strokeWidth>(kStrokeWidth, Change::Look),
};
constexpr Table kStrokeTable = TableOf(kStrokeRows);

constexpr Row kFillRows[] = {Object<&SeriesStyle::fill>(kFillColours, kColoursTable)};
constexpr Table kFillTable = TableOf(kFillRows);

constexpr Row kMarkerRows[] = {
  Value<&SeriesStyle::markerKind>(kMarkerKind, Change::Look),
  MarkedValue<&SeriesStyle::markerColour, &SeriesStyle::markerColourSet>(kMarkerColour, Change::Look),
};
constexpr Table kMarkerTable = TableOf(kMarkerRows);

constexpr Row kStyleRows[] = {
  Object(kStyleStroke, kStrokeTable, &Itself),
  Object(kStyleFill, kFillTable, &Itself),
  Object(kStyleMarker, kMarkerTable, &Itself),
};
constexpr Table kStyleTable = TableOf(kStyleRows);

constexpr Row kSeriesStylesRows[] = {Items(kStyleItem, kStyleTable, &SeriesNumber, &StyleAt)};
constexpr Table kSeriesStylesTable = TableOf(kSeriesStylesRows);

constexpr Row kSeriesLabelsRows[] = {
  Handled(kLabelCount, &LabelCount),
  Handled(kLabelItem, &LabelItem),
  Handled(kAddLabel, &AddLabel),
};
constexpr Table kSeriesLabelsTable = TableOf(kSeriesLabelsRows);

constexpr Row kGroupRows[] = {
  Value<&SeriesGroup::graphKind>(kGraphKind, Change::Layout),
  Int16Value<&SeriesGroup::layer>(kGroupLayer, Change::Look),
  Object<&SeriesGroup::data>(kSeriesData, kSeriesDataTable),
  Object(kSeriesStyles, kSeriesStylesTable, &Itself),
  Object<&SeriesGroup::data>(kSeriesLabels, kSeriesLabelsTable),
};
constexpr Table kGroupTable = TableOf(kGroupRows);

constexpr Row kSeriesGroupsRows[] = {Items(kItem, kGroupTable, &GroupKey, &GroupAt)};
constexpr Table kSeriesGroupsTable = TableOf(kSeriesGroupsRows);

constexpr Row kExtrasRows[] = {Handled(kClear, &ClearLabels)};
constexpr Table kExtrasTable = TableOf(kExtrasRows);

// The object members of the control; its flags and output methods are the window code's.
constexpr Row kControlRows[] = {
  Object<&ChartModel::title>(kTitleBox, kTextBoxTable),
  Object<&ChartModel::note>(kNoteBox, kTextBoxTable),
  Object<&ChartModel::legend>(kLegendBox, kLegendTable),
  Object<&ChartModel::outerFrame>(kOuterFrame, kFrameTable),
  Object<&ChartModel::outerColours>(kOuterColours, kColoursTable),
  Object<&ChartModel::graph>(kGraphArea, kGraphAreaTable),
  Object(kSeriesGroups, kSeriesGroupsTable, &Itself),
  Object(kExtras, kExtrasTable, &Itself),
};
constexpr Table kControlTable = TableOf(kControlRows);

// clang-format on

}  // namespace

ChartObjectTree::ChartObjectTree(ChartHost& host, ChartModel& model, SystemColourLookup systemColour)
    : root_(std::make_unique<MemberNode>(host, systemColour, kControlTable, &model)) {}

ChartObjectTree::~ChartObjectTree() = default;

ChartObject* ChartObjectTree::Member(int32_t dispatchId) { return root_->ObjectMember(dispatchId); }

}  // namespace chartcontrol
