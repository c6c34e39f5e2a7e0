#include "chartcontrol/ChartRenderer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "chartcontrol/core/AxisTicks.h"
#include "chartcontrol/core/ChartScales.h"
#include "common/win32/Handles.h"
#include "chartcontrol/core/PlotGeometry.h"

namespace chartcontrol {

static_assert(sizeof(PixelPoint) == sizeof(POINT), "PixelPoint must match POINT");
static_assert(sizeof(int32_t) == sizeof(DWORD) && sizeof(int32_t) == sizeof(INT),
              "path counts are passed as DWORD and INT arrays");

namespace {

using win32::SavedDc;
using win32::SelectGuard;
using win32::UniqueBitmap;
using win32::UniqueBrush;
using win32::UniqueFont;
using win32::UniqueMemoryDc;
using win32::UniquePen;

// Sizes in pixels at 96 dots per inch.
constexpr double kMargin = 8;
constexpr double kGap = 4;
constexpr double kMajorTick = 5;
constexpr double kMinorTick = 3;
constexpr double kLegendSample = 26;
constexpr double kLegendPad = 6;
constexpr double kLegendRow = 3;
constexpr BYTE kBandAlpha = 64;  // a quarter over the background

constexpr int kTicksNone = 0, kTicksInside = 1, kTicksOutside = 2, kTicksAcross = 3;
constexpr int kTitleTurned = 2;
constexpr int kOrientationHorizontal = 1;

COLORREF Ref(Colour c) { return static_cast<COLORREF>(c); }

// The colour `c` darkened (f < 1) or lightened towards white (f > 1).
COLORREF Shade(Colour c, double f) {
  auto channel = [f](int v) {
    const double r = f <= 1 ? v * f : v + (255 - v) * (f - 1);
    return static_cast<int>(std::lround(std::min(std::max(r, 0.0), 255.0)));
  };
  return RGB(channel(RedOf(c)), channel(GreenOf(c)), channel(BlueOf(c)));
}

bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

void Fill(HDC dc, const RECT& r, COLORREF colour) {
  if (Empty(r)) return;
  const COLORREF old = SetBkColor(dc, colour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

struct Entry {
  int32_t series;
  COLORREF colour;
  int width;
  bool line;
  bool marker;
  std::string text;
};

class Painter {
 public:
  Painter(HDC dc, const ChartModel& model) : dc_(dc), model_(model) {
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    scale_ = dpi > 0 ? dpi / 96.0 : 1.0;
    for (int a = 0; a < kAxisCount; ++a) scales_[a] = ScaleOfAxis(model, static_cast<AxisId>(a));
  }

  ChartLayout Layout(const RECT& area);
  void Paint(const ChartLayout& layout, const RenderOptions& options);

 private:
  int Px(double v) const { return static_cast<int>(std::lround(v * scale_)); }
  int FrameThickness(const FrameStyle& f) const;
  UniqueFont MakeFont(const FontStyle& style, int escapement = 0) const;
  SIZE TextSize(HFONT font, const std::string& text) const;
  int FontHeight(HFONT font) const;
  std::vector<Entry> LegendEntries() const;
  SIZE LegendSize(HFONT font, const std::vector<Entry>& entries, int maxWidth) const;
  std::vector<Tick> AxisTicks(AxisId id, int length, HFONT font, bool horizontal) const;
  int WidestLabel(HFONT font, const std::vector<Tick>& ticks) const;

  RECT DrawFrame(const RECT& outer, const FrameStyle& frame, Colour around, Colour fore) const;
  void DrawTextBox(const TextBox& box, const RECT& rect) const;
  void DrawGrid(const RECT& plot, AxisId id, const std::vector<Tick>& ticks) const;
  void DrawSeries(const RECT& plot, const RenderOptions& options) const;
  void DrawLineGroup(const RECT& plot, const SeriesGroup& group, bool separatePolylines, const PixelMap& mx,
                     const PixelMap& my) const;
  void DrawBandGroup(const RECT& plot, const SeriesGroup& group, const PixelMap& mx,
                     const PixelMap& my, const RenderOptions& options) const;
  void FillBand(const PixelPaths& polygons, COLORREF colour, const RECT& plot,
                const RenderOptions& options) const;
  void DrawAxis(const RECT& plot, AxisId id, const std::vector<Tick>& ticks) const;
  void DrawAxisTitles(const RECT& plot, const ChartLayout& layout) const;
  void DrawLegend(const RECT& rect) const;

  HDC dc_;
  const ChartModel& model_;
  double scale_ = 1.0;
  AxisScale scales_[kAxisCount];
};

int Painter::FrameThickness(const FrameStyle& f) const {
  if (f.kind == 0 || f.width <= 0) return 0;
  const int w = std::max(1, Px(std::min(f.width, 50)));
  switch (f.kind) {
    case 2: return 3 * w;           // double line
    case 3: return w + Px(3);       // line and drop shadow
    default: return w;
  }
}

UniqueFont Painter::MakeFont(const FontStyle& style, int escapement) const {
  LOGFONTA lf{};
  const double points = std::min(std::max(style.size, 1.0), 500.0);
  lf.lfHeight = -std::max(1, static_cast<int>(std::lround(points * 96.0 * scale_ / 72.0)));
  lf.lfEscapement = lf.lfOrientation = escapement;
  lf.lfWeight = style.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = style.italic;
  lf.lfUnderline = style.underline;
  lf.lfStrikeOut = style.strikethrough;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_TT_PRECIS;  // turned text needs an outline font
  lf.lfQuality = ANTIALIASED_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
  const std::string& name = style.name.empty() ? std::string("Arial") : style.name;
  std::strncpy(lf.lfFaceName, name.c_str(), LF_FACESIZE - 1);
  return UniqueFont(CreateFontIndirectA(&lf));
}

SIZE Painter::TextSize(HFONT font, const std::string& text) const {
  SelectGuard select(dc_, font);
  SIZE size{0, 0};
  GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

int Painter::FontHeight(HFONT font) const {
  SelectGuard select(dc_, font);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc_, &tm);
  return tm.tmHeight;
}

std::vector<Entry> Painter::LegendEntries() const {
  std::vector<Entry> entries;
  if (!model_.legend.shown) return entries;
  for (const SeriesGroup& group : model_.groups) {
    if (group.graphKind == kGraphKindBands) continue;
    for (int32_t s = 1; s <= group.data.seriesCount(); ++s) {
      // An entry is a series with a legend text and something to draw.
      const std::string* label = group.data.Label(s);
      if (!label || !group.data.HasDrawablePoint(s)) continue;
      Entry e;
      e.series = s;
      e.colour = Ref(group.SeriesColour(s));
      e.width = std::max(2, Px(group.StrokeWidth(s)));
      e.line = group.StrokeKind(s) != 1;
      e.marker = group.MarkerKind(s) >= 2;
      e.text = *label;
      entries.push_back(std::move(e));
    }
  }
  return entries;
}

SIZE Painter::LegendSize(HFONT font, const std::vector<Entry>& entries, int maxWidth) const {
  const int row = FontHeight(font);
  const int pad = Px(kLegendPad) + FrameThickness(model_.legend.frame);
  const int sample = Px(kLegendSample) + Px(kLegendPad);
  SIZE size{0, 0};
  if (model_.legend.legendOrientation == kOrientationHorizontal) {
    for (const Entry& e : entries) size.cx += sample + TextSize(font, e.text).cx + Px(14);
    size.cx += 2 * pad - Px(14);
    size.cy = row + 2 * pad;
  } else {
    int widest = 0;
    for (const Entry& e : entries) widest = std::max<int>(widest, TextSize(font, e.text).cx);
    size.cx = 2 * pad + sample + widest;
    size.cy = 2 * pad + static_cast<int>(entries.size()) * (row + Px(kLegendRow)) - Px(kLegendRow);
  }
  size.cx = std::min<LONG>(size.cx, maxWidth);
  return size;
}

int Painter::WidestLabel(HFONT font, const std::vector<Tick>& ticks) const {
  int widest = 0;
  for (const Tick& t : ticks)
    if (t.major) widest = std::max<int>(widest, TextSize(font, t.label).cx);
  return widest;
}

// Ticks for the axis `length` pixels long, thinned until the labels have room.
std::vector<Tick> Painter::AxisTicks(AxisId id, int length, HFONT font, bool horizontal) const {
  const Axis& axis = model_.graph.axes[id];
  TickOptions options;
  options.lengthPx = std::max(length, 1);
  options.labels = axis.labels;
  options.grid = axis.grid;
  const int height = FontHeight(font);
  if (!horizontal) {
    options.labelSpacingPx = 2.2 * height;
    return MakeTicks(scales_[id], options);
  }
  options.labelSpacingPx = TextSize(font, "00000").cx + Px(12);
  std::vector<Tick> ticks = MakeTicks(scales_[id], options);
  for (int round = 0; round < 4; ++round) {
    const double need = WidestLabel(font, ticks) + Px(12);
    if (need <= options.labelSpacingPx) break;
    options.labelSpacingPx = need;
    ticks = MakeTicks(scales_[id], options);
  }
  return ticks;
}

ChartLayout Painter::Layout(const RECT& area) {
  ChartLayout layout;
  layout.area = area;
  layout.valid = true;
  RECT content = area;
  const int outer = FrameThickness(model_.outerFrame);
  const int margin = Px(kMargin);
  InflateRect(&content, -(outer + margin), -(outer + margin));

  // Title box: top centre unless placed.
  const TextBox& title = model_.title;
  if (HasVisibleText(title.text)) {
    UniqueFont font = MakeFont(title.font);
    const SIZE text = TextSize(font.get(), title.text);
    const int frame = FrameThickness(title.frame);
    const int w = text.cx + 2 * (Px(6) + frame), h = text.cy + 2 * (Px(2) + frame);
    const bool placed = title.place[0].set || title.place[1].set;
    const int left = title.place[0].set ? area.left + Px(title.place[0].amount)
                                       : (content.left + content.right - w) / 2;
    const int top = title.place[1].set ? area.top + Px(title.place[1].amount) : content.top;
    layout.title = RECT{left, top, left + w, top + h};
    if (!placed) content.top = layout.title.bottom + margin;
  }

  // Legend box: beside the graph area by its anchor, unless placed.
  const TextBox& legend = model_.legend;
  const std::vector<Entry> entries = LegendEntries();
  int legendAnchor = 0;
  if (!entries.empty()) {
    UniqueFont font = MakeFont(legend.font);
    const SIZE size = LegendSize(font.get(), entries, std::max(0, Width(content) * 45 / 100));
    legendAnchor = legend.legendAnchor;
    if (legend.place[0].set || legend.place[1].set) {
      const int left = area.left + Px(legend.place[0].amount), top = area.top + Px(legend.place[1].amount);
      layout.legend = RECT{left, top, left + size.cx, top + size.cy};
      legendAnchor = 0;
    } else if (legendAnchor == 8) {
      layout.legend = RECT{content.left, content.top, content.left + size.cx, content.top + size.cy};
      content.left = layout.legend.right + margin;
    } else if (legendAnchor == 1 || legendAnchor == 2 || legendAnchor == 4 ||
               legendAnchor == 32 || legendAnchor == 64 || legendAnchor == 128) {
      const bool top = legendAnchor <= 4;
      const int left = (legendAnchor == 1 || legendAnchor == 32)   ? content.left
                       : (legendAnchor == 2 || legendAnchor == 64) ? (content.left + content.right - size.cx) / 2
                                                                   : content.right - size.cx;
      const int y = top ? content.top : content.bottom - size.cy;
      layout.legend = RECT{left, y, left + size.cx, y + size.cy};
      if (top)
        content.top = layout.legend.bottom + margin;
      else
        content.bottom = layout.legend.top - margin;
    } else {
      legendAnchor = 16;
      layout.legend = RECT{content.right - size.cx, content.top, content.right, content.top + size.cy};
      content.right = layout.legend.left - margin;
    }
  }

  // The plot area: room for tick labels and axis titles around it, and its frame.
  const Axis& ax = model_.graph.axes[kAxisX];
  const Axis& ay = model_.graph.axes[kAxisY];
  const Axis& ay2 = model_.graph.axes[kAxisY2];
  UniqueFont xFont = MakeFont(ax.font), yFont = MakeFont(ay.font), y2Font = MakeFont(ay2.font);
  const int xHeight = FontHeight(xFont.get()), yHeight = FontHeight(yFont.get());
  const int gap = Px(kGap);
  auto outside = [&](const Axis& a) {
    return a.majorTicks == kTicksOutside || a.majorTicks == kTicksAcross ? Px(kMajorTick) : 0;
  };
  const int frame = FrameThickness(model_.graph.frame);
  RECT plot = content;
  plot.top += frame + (ay.shown ? yHeight / 2 : 0);
  if (ay.shown && HasVisibleText(ay.title) && ay.titleTurn != kTitleTurned)
    plot.top += yHeight + gap;
  plot.bottom -= frame;
  if (ax.shown) {
    plot.bottom -= outside(ax) + gap + xHeight;
    if (HasVisibleText(ax.title)) plot.bottom -= gap + xHeight;
  }
  plot.left += frame;
  if (ay.shown) {
    const std::vector<Tick> yTicks = AxisTicks(kAxisY, Height(plot), yFont.get(), false);
    plot.left += WidestLabel(yFont.get(), yTicks) + gap + outside(ay);
    if (HasVisibleText(ay.title) && ay.titleTurn == kTitleTurned) plot.left += yHeight + gap;
  }
  plot.right -= frame;
  if (ay2.shown) {
    const std::vector<Tick> y2Ticks = AxisTicks(kAxisY2, Height(plot), y2Font.get(), false);
    plot.right -= WidestLabel(y2Font.get(), y2Ticks) + gap + outside(ay2);
  } else if (ax.shown) {
    // Half of the last x label may stand out on the right.
    const std::vector<Tick> xTicks = AxisTicks(kAxisX, Width(plot), xFont.get(), true);
    for (auto it = xTicks.rbegin(); it != xTicks.rend(); ++it) {
      if (!it->major) continue;
      const int centre = plot.left + static_cast<int>(std::lround(it->fraction * Width(plot)));
      const int overhang = centre + TextSize(xFont.get(), it->label).cx / 2 - (content.right - frame);
      if (overhang > 0) plot.right -= overhang;
      break;
    }
  }
  if (plot.right < plot.left) plot.right = plot.left;
  if (plot.bottom < plot.top) plot.bottom = plot.top;
  layout.plot = plot;
  if (legendAnchor == 16 || legendAnchor == 8) OffsetRect(&layout.legend, 0, plot.top - frame - layout.legend.top);
  return layout;
}

// Draws a frame inside `outer` and returns what lies within it.
RECT Painter::DrawFrame(const RECT& outer, const FrameStyle& frame, Colour around, Colour fore) const {
  const int t = FrameThickness(frame);
  if (t == 0) return outer;
  RECT r = outer;
  auto band = [&](int width, COLORREF topLeft, COLORREF bottomRight) {
    for (int i = 0; i < width && !Empty(r); ++i) {
      Fill(dc_, RECT{r.left, r.top, r.right, r.top + 1}, topLeft);
      Fill(dc_, RECT{r.left, r.top, r.left + 1, r.bottom}, topLeft);
      Fill(dc_, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
      Fill(dc_, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
      InflateRect(&r, -1, -1);
    }
  };
  const int w = std::max(1, Px(std::min(frame.width, 50)));
  const COLORREF light = Shade(around, 1.85), shadow = Shade(around, 0.62), dark = Shade(around, 0.42);
  switch (frame.kind) {
    case 2:  // double line
      band(w, Ref(fore), Ref(fore));
      InflateRect(&r, -w, -w);
      band(w, Ref(fore), Ref(fore));
      break;
    case 3: {  // line with a drop shadow to the lower right
      const int s = Px(3);
      Fill(dc_, RECT{r.left + s, r.bottom - s, r.right, r.bottom}, shadow);
      Fill(dc_, RECT{r.right - s, r.top + s, r.right, r.bottom}, shadow);
      r.right -= s;
      r.bottom -= s;
      band(w, Ref(fore), Ref(fore));
      break;
    }
    case 5:  // light raised
      band(w, light, shadow);
      break;
    case 6:  // raised
      band(1, light, dark);
      band(w - 1, Shade(around, 1.4), shadow);
      break;
    case 7:
    case 9:  // sunken
      band(1, shadow, light);
      band(w - 1, dark, Shade(around, 1.3));
      break;
    case 8:  // etched
      band(1, shadow, light);
      band(w - 1, light, shadow);
      break;
    default:  // plain line
      band(w, Ref(fore), Ref(fore));
      break;
  }
  RECT inner = outer;
  InflateRect(&inner, -t, -t);
  return inner;
}

void Painter::DrawTextBox(const TextBox& box, const RECT& rect) const {
  if (Empty(rect)) return;
  const RECT inner = DrawFrame(rect, box.frame, model_.outerColours.back, box.colours.fore);
  if (box.colours.backSet) Fill(dc_, inner, Ref(box.colours.back));
  UniqueFont font = MakeFont(box.font);
  SelectGuard select(dc_, font.get());
  SetTextColor(dc_, Ref(box.colours.fore));
  RECT text = inner;
  DrawTextA(dc_, box.text.c_str(), static_cast<int>(box.text.size()), &text,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

HPEN MakeLinePen(int kind, COLORREF colour) {
  LOGBRUSH brush{BS_SOLID, colour, 0};
  switch (kind) {
    case 2: return ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr);
    case 3: return CreatePen(PS_DASH, 1, colour);
    case 4: return CreatePen(PS_DASHDOT, 1, colour);
    default: return CreatePen(PS_SOLID, 1, colour);
  }
}

void Painter::DrawGrid(const RECT& plot, AxisId id, const std::vector<Tick>& ticks) const {
  const Axis& axis = model_.graph.axes[id];
  if (!axis.shown || axis.grid.lineKind == 0) return;
  UniquePen pen(MakeLinePen(axis.grid.lineKind, Ref(axis.grid.lineColour)));
  SelectGuard select(dc_, pen.get());
  const bool vertical = id == kAxisX;  // x ticks make vertical grid lines
  for (const Tick& t : ticks) {
    if (!t.grid) continue;
    if (vertical) {
      const int x = plot.left + static_cast<int>(std::lround(t.fraction * (Width(plot) - 1)));
      if (x <= plot.left || x >= plot.right - 1) continue;  // the frame is there
      MoveToEx(dc_, x, plot.top, nullptr);
      LineTo(dc_, x, plot.bottom);
    } else {
      const int y = plot.bottom - 1 - static_cast<int>(std::lround(t.fraction * (Height(plot) - 1)));
      if (y <= plot.top || y >= plot.bottom - 1) continue;
      MoveToEx(dc_, plot.left, y, nullptr);
      LineTo(dc_, plot.right, y);
    }
  }
}

void Painter::DrawSeries(const RECT& plot, const RenderOptions& options) const {
  if (Empty(plot)) return;
  SavedDc saved(dc_);
  IntersectClipRect(dc_, plot.left, plot.top, plot.right, plot.bottom);
  const PixelMap mx(scales_[kAxisX], plot.left, plot.right - 1);
  const PixelMap my(scales_[kAxisY], plot.bottom - 1, plot.top);
  // Lower layers first; on equal layers the second group (bands) goes first.
  int order[2] = {1, 0};
  if (model_.groups[0].layer < model_.groups[1].layer) std::swap(order[0], order[1]);
  for (int g : order) {
    const SeriesGroup& group = model_.groups[g];
    if (group.graphKind == kGraphKindBands)
      DrawBandGroup(plot, group, mx, my, options);
    else
      DrawLineGroup(plot, group, options.separatePolylines, mx, my);
  }
}

void Painter::DrawLineGroup(const RECT& plot, const SeriesGroup& group, bool separatePolylines, const PixelMap& mx,
                            const PixelMap& my) const {
  PixelPaths paths;
  std::vector<PixelPoint> markers;
  for (int32_t s = 1; s <= group.data.seriesCount(); ++s) {
    const SeriesData::View view = group.data.SeriesView(s);
    if (view.xSize == 0 || view.ySize == 0) continue;
    const COLORREF colour = Ref(group.SeriesColour(s));
    const int width = std::max(1, Px(std::min(group.StrokeWidth(s), 100)));
    const double reach = width + 2.0;
    const PixelBox box{plot.left - reach, plot.top - reach, plot.right - 1 + reach,
                       plot.bottom - 1 + reach};
    const int strokeKind = group.StrokeKind(s);
    if (strokeKind != 1) {
      paths.Clear();
      TraceLine(view, mx, my, box, paths);
      if (!paths.counts.empty()) {
        LOGBRUSH brush{BS_SOLID, colour, 0};
        const DWORD style = strokeKind == 3 ? PS_DASH : strokeKind == 4 ? PS_DOT : PS_SOLID;
        UniquePen pen(width == 1 ? CreatePen(static_cast<int>(style), 1, colour)
                                 : ExtCreatePen(PS_GEOMETRIC | style | PS_ENDCAP_SQUARE | PS_JOIN_MITER,
                                                width, &brush, 0, nullptr));
        SelectGuard select(dc_, pen.get());
        const POINT* points = reinterpret_cast<const POINT*>(paths.points.data());
        if (separatePolylines) {
          for (size_t p = 0, at = 0; p < paths.counts.size(); at += static_cast<size_t>(paths.counts[p++]))
            Polyline(dc_, points + at, static_cast<int>(paths.counts[p]));
        } else {
          PolyPolyline(dc_, points, reinterpret_cast<const DWORD*>(paths.counts.data()),
                       static_cast<DWORD>(paths.counts.size()));
        }
      }
    }
    if (group.MarkerKind(s) >= 2) {
      markers.clear();
      const PixelBox inside{double(plot.left), double(plot.top), plot.right - 1.0, plot.bottom - 1.0};
      CollectMarkers(view, mx, my, inside, markers);
      UniqueBrush brush(CreateSolidBrush(colour));
      SelectGuard select(dc_, brush.get());
      const int size = std::max(Px(3), width + 2), half = size / 2;
      for (const PixelPoint& p : markers) PatBlt(dc_, p.x - half, p.y - half, size, size, PATCOPY);
    }
  }
}

void Painter::DrawBandGroup(const RECT& plot, const SeriesGroup& group, const PixelMap& mx,
                            const PixelMap& my, const RenderOptions& options) const {
  const SeriesData& data = group.data;
  const SeriesData::View edges = data.SeriesView(1);
  const PixelBox box{plot.left - 2.0, plot.top - 2.0, plot.right + 1.0, plot.bottom + 1.0};
  PixelPaths polygons;
  for (int32_t s = 1; s + 1 <= data.seriesCount(); s += 2) {
    const SeriesData::View lower = data.SeriesView(s), upper = data.SeriesView(s + 1);
    const double* x = data.SharesX() ? edges.x : lower.x;
    const size_t xSize = data.SharesX() ? edges.xSize : lower.xSize;
    if (xSize == 0 || lower.ySize == 0 || upper.ySize == 0) continue;
    polygons.Clear();
    TraceBand(x, xSize, lower.y, lower.ySize, upper.y, upper.ySize, lower.count, mx, my, box,
              polygons);
    if (!polygons.counts.empty()) FillBand(polygons, Ref(group.SeriesColour(s)), plot, options);
  }
}

// The pixels of the 32-bit DIB selected into `dc`, when drawing there is plain memory work: no
// offset of the origin, no transform. Null otherwise (printers, metafiles, other bitmaps).
uint32_t* DirectPixels(HDC dc, int& width, int& height, bool& topDown) {
  if (GetDeviceCaps(dc, TECHNOLOGY) != DT_RASDISPLAY || GetGraphicsMode(dc) != GM_COMPATIBLE) return nullptr;
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  if (origin.x != 0 || origin.y != 0 || GetMapMode(dc) != MM_TEXT) return nullptr;
  POINT windowOrigin{};
  GetWindowOrgEx(dc, &windowOrigin);
  if (windowOrigin.x != 0 || windowOrigin.y != 0) return nullptr;
  HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
  DIBSECTION dib{};
  if (!bitmap || GetObjectA(bitmap, sizeof(dib), &dib) != sizeof(dib) || !dib.dsBm.bmBits ||
      dib.dsBmih.biBitCount != 32 || dib.dsBmih.biCompression != BI_RGB || dib.dsBm.bmWidth <= 0 ||
      dib.dsBm.bmHeight <= 0)
    return nullptr;
  width = dib.dsBm.bmWidth;
  height = dib.dsBm.bmHeight;
  uint32_t* bits = static_cast<uint32_t*>(dib.dsBm.bmBits);
  // Which way the rows run is not reported alike everywhere: mark pixel (0, 0) and look.
  GdiFlush();
  const size_t lastRow = static_cast<size_t>(height - 1) * width;
  const uint32_t first = bits[0], last = bits[lastRow];
  {
    SavedDc saved(dc);
    SelectClipRgn(dc, nullptr);
    SetPixelV(dc, 0, 0, RGB(1, 2, 3));
    GdiFlush();
  }
  const bool markFirst = (bits[0] & 0xFFFFFF) == 0x010203, markLast = (bits[lastRow] & 0xFFFFFF) == 0x010203;
  bits[0] = first;
  bits[lastRow] = last;
  if (!markFirst && !markLast) return nullptr;
  topDown = markFirst;
  return bits;
}

// Fills the polygons a quarter over what lies below them: blended in memory when the target is
// a DIB, through AlphaBlend otherwise, hatched where neither works.
void Painter::FillBand(const PixelPaths& polygons, COLORREF colour, const RECT& plot,
                       const RenderOptions& options) const {
  RECT bounds{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
  for (const PixelPoint& p : polygons.points) {
    bounds.left = std::min<LONG>(bounds.left, p.x);
    bounds.top = std::min<LONG>(bounds.top, p.y);
    bounds.right = std::max<LONG>(bounds.right, p.x + 1);
    bounds.bottom = std::max<LONG>(bounds.bottom, p.y + 1);
  }
  IntersectRect(&bounds, &bounds, &plot);
  if (Empty(bounds)) return;
  bool blended = false;
  if (options.blendBands) {
    const int w = Width(bounds), h = Height(bounds);
    void* bits = nullptr;
    UniqueBitmap mask = win32::CreateDib32(w, h, &bits);
    UniqueMemoryDc memory(CreateCompatibleDC(nullptr));
    if (mask && memory && bits) {
      SelectGuard selectBitmap(memory.get(), mask.get());
      std::memset(bits, 0, static_cast<size_t>(w) * h * 4);
      SetViewportOrgEx(memory.get(), -bounds.left, -bounds.top, nullptr);
      SetPolyFillMode(memory.get(), WINDING);
      SelectGuard selectBrush(memory.get(), GetStockObject(WHITE_BRUSH));
      SelectGuard selectPen(memory.get(), GetStockObject(NULL_PEN));
      PolyPolygon(memory.get(), reinterpret_cast<const POINT*>(polygons.points.data()),
                  reinterpret_cast<const INT*>(polygons.counts.data()),
                  static_cast<int>(polygons.counts.size()));
      GdiFlush();
      const uint32_t a = kBandAlpha, keep = 255 - a;
      const uint32_t r = GetRValue(colour) * a, g = GetGValue(colour) * a, b = GetBValue(colour) * a;
      uint32_t* pixel = static_cast<uint32_t*>(bits);
      int targetWidth = 0, targetHeight = 0;
      bool topDown = false;
      if (uint32_t* target = DirectPixels(dc_, targetWidth, targetHeight, topDown);
          target && bounds.right <= targetWidth && bounds.bottom <= targetHeight && bounds.left >= 0 && bounds.top >= 0) {
        for (int y = 0; y < h; ++y) {
          const int row = topDown ? bounds.top + y : targetHeight - 1 - (bounds.top + y);
          uint32_t* out = target + static_cast<size_t>(row) * targetWidth + bounds.left;
          const uint32_t* in = pixel + static_cast<size_t>(y) * w;
          for (int x = 0; x < w; ++x) {
            if (!(in[x] & 0xFFFFFF)) continue;
            const uint32_t d = out[x];
            out[x] = (((((d >> 16) & 0xFF) * keep + r) / 255) << 16) |
                     (((((d >> 8) & 0xFF) * keep + g) / 255) << 8) | (((d & 0xFF) * keep + b) / 255);
          }
        }
        blended = true;
      } else {
        const uint32_t premultiplied = (a << 24) | ((r / 255) << 16) | ((g / 255) << 8) | (b / 255);
        for (size_t i = 0, n = static_cast<size_t>(w) * h; i < n; ++i)
          pixel[i] = (pixel[i] & 0xFFFFFF) ? premultiplied : 0;
        SetViewportOrgEx(memory.get(), 0, 0, nullptr);
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        blended = AlphaBlend(dc_, bounds.left, bounds.top, w, h, memory.get(), 0, 0, w, h, blend) != FALSE;
      }
    }
  }
  if (!blended) {
    UniqueBrush hatch(CreateHatchBrush(HS_BDIAGONAL, colour));
    SelectGuard selectBrush(dc_, hatch.get());
    SelectGuard selectPen(dc_, GetStockObject(NULL_PEN));
    const int oldMode = SetBkMode(dc_, TRANSPARENT);
    SetPolyFillMode(dc_, WINDING);
    PolyPolygon(dc_, reinterpret_cast<const POINT*>(polygons.points.data()),
                reinterpret_cast<const INT*>(polygons.counts.data()),
                static_cast<int>(polygons.counts.size()));
    SetBkMode(dc_, oldMode);
  }
}

void Painter::DrawAxis(const RECT& plot, AxisId id, const std::vector<Tick>& ticks) const {
  const Axis& axis = model_.graph.axes[id];
  if (!axis.shown) return;
  UniqueFont font = MakeFont(axis.font);
  SelectGuard selectFont(dc_, font.get());
  SetTextColor(dc_, Ref(axis.labelLook.fore));
  UniquePen pen(CreatePen(PS_SOLID, 1, Ref(axis.labelLook.fore)));
  SelectGuard selectPen(dc_, pen.get());
  const int frame = FrameThickness(model_.graph.frame);
  const int gap = Px(kGap), height = FontHeight(font.get());
  // Tick marks reach out of the plot (outside), into it (inside) or both (across).
  auto reach = [&](int kind, double length, int& in, int& out) {
    const int l = Px(length);
    in = kind == kTicksInside || kind == kTicksAcross ? l : 0;
    out = kind == kTicksOutside || kind == kTicksAcross ? l + frame : 0;
  };
  int majorIn, majorOut, minorIn, minorOut;
  reach(axis.majorTicks, kMajorTick, majorIn, majorOut);
  reach(axis.minorTicks, kMinorTick, minorIn, minorOut);
  const int labelOffset = (axis.majorTicks == kTicksOutside || axis.majorTicks == kTicksAcross
                               ? Px(kMajorTick) : 0) + frame + gap;
  // The axis line runs along the plot's edge, over the frame if there is one.
  if (id == kAxisX) {
    MoveToEx(dc_, plot.left - 1, plot.bottom, nullptr);
    LineTo(dc_, plot.right + 1, plot.bottom);
  } else if (id == kAxisY) {
    MoveToEx(dc_, plot.left - 1, plot.top - 1, nullptr);
    LineTo(dc_, plot.left - 1, plot.bottom + 1);
  } else {
    MoveToEx(dc_, plot.right, plot.top - 1, nullptr);
    LineTo(dc_, plot.right, plot.bottom + 1);
  }
  for (const Tick& t : ticks) {
    const int in = t.major ? majorIn : minorIn, out = t.major ? majorOut : minorOut;
    if (id == kAxisX) {
      const int x = plot.left + static_cast<int>(std::lround(t.fraction * (Width(plot) - 1)));
      if (in + out > 0) {
        MoveToEx(dc_, x, plot.bottom - in, nullptr);
        LineTo(dc_, x, plot.bottom + out);
      }
      if (t.major) {
        SetTextAlign(dc_, TA_CENTER | TA_TOP | TA_NOUPDATECP);
        TextOutA(dc_, x, plot.bottom + labelOffset, t.label.c_str(), static_cast<int>(t.label.size()));
      }
    } else {
      const bool right = id == kAxisY2;
      const int y = plot.bottom - 1 - static_cast<int>(std::lround(t.fraction * (Height(plot) - 1)));
      if (in + out > 0) {
        if (right) {
          MoveToEx(dc_, plot.right - 1 - in, y, nullptr);
          LineTo(dc_, plot.right + out, y);
        } else {
          MoveToEx(dc_, plot.left + in, y, nullptr);
          LineTo(dc_, plot.left - 1 - out, y);
        }
      }
      if (t.major) {
        SetTextAlign(dc_, (right ? TA_LEFT : TA_RIGHT) | TA_TOP | TA_NOUPDATECP);
        const int x = right ? plot.right + labelOffset : plot.left - labelOffset;
        TextOutA(dc_, x, y - height / 2, t.label.c_str(), static_cast<int>(t.label.size()));
      }
    }
  }
  SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
}

void Painter::DrawAxisTitles(const RECT& plot, const ChartLayout& layout) const {
  SetTextColor(dc_, Ref(model_.outerColours.fore));
  const int gap = Px(kGap);
  const Axis& ax = model_.graph.axes[kAxisX];
  if (ax.shown && HasVisibleText(ax.title)) {
    UniqueFont font = MakeFont(ax.font);
    SelectGuard select(dc_, font.get());
    const int height = FontHeight(font.get());
    const int frame = FrameThickness(model_.graph.frame);
    const int out = ax.majorTicks == kTicksOutside || ax.majorTicks == kTicksAcross ? Px(kMajorTick) : 0;
    SetTextAlign(dc_, TA_CENTER | TA_TOP | TA_NOUPDATECP);
    TextOutA(dc_, (plot.left + plot.right) / 2, plot.bottom + frame + out + 2 * gap + height,
             ax.title.c_str(), static_cast<int>(ax.title.size()));
  }
  const Axis& ay = model_.graph.axes[kAxisY];
  if (ay.shown && HasVisibleText(ay.title)) {
    const bool turned = ay.titleTurn == kTitleTurned;
    UniqueFont font = MakeFont(ay.font, turned ? 900 : 0);
    SelectGuard select(dc_, font.get());
    const int height = FontHeight(font.get());
    const int left = layout.area.left + FrameThickness(model_.outerFrame) + Px(kMargin) +
                     (layout.legend.right > 0 && model_.legend.legendAnchor == 8 ? Width(layout.legend) + Px(kMargin) : 0);
    if (turned) {
      // Turned text reads upwards; its top faces left.
      SetTextAlign(dc_, TA_CENTER | TA_TOP | TA_NOUPDATECP);
      TextOutA(dc_, left, (plot.top + plot.bottom) / 2, ay.title.c_str(), static_cast<int>(ay.title.size()));
    } else {
      SetTextAlign(dc_, TA_LEFT | TA_BOTTOM | TA_NOUPDATECP);
      TextOutA(dc_, std::max<int>(left, plot.left - Px(40)), plot.top - height / 2 - gap, ay.title.c_str(),
               static_cast<int>(ay.title.size()));
    }
  }
  SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
}

void Painter::DrawLegend(const RECT& rect) const {
  if (Empty(rect)) return;
  const TextBox& legend = model_.legend;
  const RECT inner = DrawFrame(rect, legend.frame, model_.outerColours.back, legend.colours.fore);
  if (legend.colours.backSet) Fill(dc_, inner, Ref(legend.colours.back));
  SavedDc saved(dc_);
  IntersectClipRect(dc_, inner.left, inner.top, inner.right, inner.bottom);
  UniqueFont font = MakeFont(legend.font);
  SelectGuard selectFont(dc_, font.get());
  SetTextColor(dc_, Ref(legend.colours.fore));
  const int row = FontHeight(font.get());
  const int pad = Px(kLegendPad), sample = Px(kLegendSample);
  int x = inner.left + pad, y = inner.top + pad;
  for (const Entry& e : LegendEntries()) {
    const int middle = y + row / 2;
    if (e.line) {
      Fill(dc_, RECT{x, middle - e.width / 2, x + sample, middle - e.width / 2 + e.width}, e.colour);
    }
    if (e.marker || !e.line) {
      const int size = std::max(Px(3), e.width + 2);
      Fill(dc_, RECT{x + sample / 2 - size / 2, middle - size / 2, x + sample / 2 - size / 2 + size,
                     middle - size / 2 + size}, e.colour);
    }
    RECT text{x + sample + pad, y, inner.right - pad, y + row};
    if (legend.legendOrientation == kOrientationHorizontal) text.right = inner.right;
    DrawTextA(dc_, e.text.c_str(), static_cast<int>(e.text.size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (legend.legendOrientation == kOrientationHorizontal) {
      x += sample + pad + TextSize(font.get(), e.text).cx + Px(14);
    } else {
      y += row + Px(kLegendRow);
      if (y >= inner.bottom) break;
    }
  }
}

void Painter::Paint(const ChartLayout& layout, const RenderOptions& options) {
  SavedDc saved(dc_);
  IntersectClipRect(dc_, layout.area.left, layout.area.top, layout.area.right, layout.area.bottom);
  SetBkMode(dc_, TRANSPARENT);
  SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  Fill(dc_, layout.area, Ref(model_.outerColours.back));
  DrawFrame(layout.area, model_.outerFrame, model_.outerColours.back, model_.outerColours.fore);

  const RECT& plot = layout.plot;
  std::vector<Tick> ticks[kAxisCount];
  for (int a = 0; a < kAxisCount; ++a) {
    UniqueFont font = MakeFont(model_.graph.axes[a].font);
    const bool horizontal = a == kAxisX;
    ticks[a] = AxisTicks(static_cast<AxisId>(a), horizontal ? Width(plot) : Height(plot),
                         font.get(), horizontal);
  }
  if (!Empty(plot)) {
    if (model_.graph.filled) Fill(dc_, plot, Ref(model_.graph.colours.back));
    DrawGrid(plot, kAxisX, ticks[kAxisX]);
    DrawGrid(plot, kAxisY, ticks[kAxisY]);
    DrawSeries(plot, options);
    const int frame = FrameThickness(model_.graph.frame);
    RECT framed = plot;
    InflateRect(&framed, frame, frame);
    DrawFrame(framed, model_.graph.frame, model_.outerColours.back, model_.graph.colours.fore);
    for (int a = 0; a < kAxisCount; ++a) DrawAxis(plot, static_cast<AxisId>(a), ticks[a]);
    DrawAxisTitles(plot, layout);
  }
  DrawTextBox(model_.title, layout.title);
  DrawLegend(layout.legend);
  // The note box floats where it is placed (the lower left corner unless placed).
  const TextBox& note = model_.note;
  if (HasVisibleText(note.text)) {
    UniqueFont font = MakeFont(note.font);
    const SIZE text = TextSize(font.get(), note.text);
    const int frame = FrameThickness(note.frame);
    const int w = text.cx + 2 * (Px(4) + frame), h = text.cy + 2 * (Px(2) + frame);
    const int left = layout.area.left + (note.place[0].set ? Px(note.place[0].amount) : Px(kMargin));
    const int top = note.place[1].set ? layout.area.top + Px(note.place[1].amount) : layout.area.bottom - h - Px(kMargin);
    DrawTextBox(note, RECT{left, top, left + w, top + h});
  }
}

}  // namespace

ChartLayout LayOutChart(HDC dc, const RECT& area, const ChartModel& model) {
  Painter painter(dc, model);
  return painter.Layout(area);
}

ChartLayout RenderChart(HDC dc, const RECT& area, const ChartModel& model,
                        const RenderOptions& options, const ChartLayout* frozen) {
  Painter painter(dc, model);
  const ChartLayout layout = frozen && frozen->valid && EqualRect(&frozen->area, &area)
                                 ? *frozen : painter.Layout(area);
  painter.Paint(layout, options);
  return layout;
}

}  // namespace chartcontrol
