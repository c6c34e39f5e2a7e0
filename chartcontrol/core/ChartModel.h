// Everything the chart shows, as plain data: boxes, frames, colours, fonts, the graph area with
// its three axes, and the two series groups. The object model writes it, the renderer reads it.
//
// Codes that hosts put into members (ids in api/ChartMembers.h) are kept as given; the
// renderer gives these meanings (any other value draws like the nearest sensible one):
//   frame kind     0 none, 1 and 4 plain line, 2 double line, 3 drop shadow,
//                  5 light raised bevel, 6 raised bevel, 7 and 9 sunken bevel, 8 etched
//   legendAnchor   1 top-left, 2 top, 4 top-right, 8 left, 16 right, 32 bottom-left,
//                  64 bottom, 128 bottom-right (of the graph area)
//   legendOrientation 1 entries side by side, 2 entries one below the other
//   majorTicks, minorTicks 0 none, 1 inside, 2 outside, 3 across the axis
//   graph.filled   fill the plot area with the graph area's back colour
//   group layer    the group with the higher number is drawn over the other
//   line kind      0 none, 1 solid, 2 dotted, 3 dashed, 4 dash-dot
//   stroke kind    1 none, 2 solid, 3 dashed, 4 dotted
//   marker kind    1 none, 2 and above a small filled square
//   graph kind     6 bands between pairs of series, anything else lines and markers
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "chartcontrol/core/SeriesData.h"

namespace chartcontrol {

// A colour in the byte order of a COLORREF: 0x00bbggrr.
using Colour = uint32_t;
constexpr Colour MakeColour(int r, int g, int b) {
  return static_cast<Colour>(r & 0xFF) | (static_cast<Colour>(g & 0xFF) << 8) |
         (static_cast<Colour>(b & 0xFF) << 16);
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

struct FrameStyle {
  int32_t width = 1;
  int32_t kind = 0;
};

// A back and fore colour; a back colour never put leaves the box transparent.
struct ColourPair {
  Colour back = MakeColour(255, 255, 255);
  Colour fore = MakeColour(0, 0, 0);
  bool backSet = false;
  bool foreSet = false;  // kept for the series fills, whose colour falls back on the marker's
};

struct FontStyle {
  std::string name = "Arial";
  double size = 10.0;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
};

// A place item: an amount in pixels, used once put.
struct PlaceItem {
  int32_t amount = 0;
  bool set = false;
};

struct TextBox {
  FrameStyle frame;
  std::string text;
  ColourPair colours;
  PlaceItem place[2];  // Place items 1 and 2: left and top
  FontStyle font;
  bool shown = true;
  int32_t legendAnchor = 16;      // legend only
  int32_t legendOrientation = 2;  // legend only
  bool flag6 = false;             // title and note: a flag kept as given
};

enum AxisId : int { kAxisX = 0, kAxisY = 1, kAxisY2 = 2, kAxisCount = 3 };

struct GridStyle {
  double spacing = 1.0;
  bool automatic = true;
  int32_t lineKind = 1;
  Colour lineColour = MakeColour(210, 210, 210);
};

struct TickLabelStyle {
  int32_t mode = 1;  // 9 exponent form, anything else plain numbers
  int32_t digits = 0;
  bool digitsAutomatic = true;
};

struct Axis {
  std::string title;
  double minLimit = 0.0;
  double maxLimit = 10.0;
  GridStyle grid;
  bool shown = true;
  bool logarithmic = false;
  int32_t titleTurn = 1;  // 2: turned a quarter (reads upwards)
  int32_t majorTicks = 2;
  int32_t minorTicks = 2;
  TickLabelStyle labels;
  ColourPair labelLook;  // its fore colour draws the tick labels
  FontStyle font;
  bool option2 = true;  // AxisOptions item: kept as given
};

struct SeriesStyle {
  int32_t strokeKind = 2;
  int32_t strokeWidth = 1;
  ColourPair fill;
  int32_t markerKind = 1;
  Colour markerColour = 0;
  bool markerColourSet = false;
};

struct SeriesGroup {
  int32_t graphKind = 1;
  int32_t layer = 1;
  SeriesData data;
  // Styles outlive count changes; std::map keeps each style at one address for its objects.
  std::map<int32_t, SeriesStyle> styles;

  // The style of `series`, made with defaults on first use.
  SeriesStyle& Style(int32_t series) { return styles[series]; }
  // The fill colour if put, else the marker colour if put, else a default by number.
  Colour SeriesColour(int32_t series) const;
  int32_t StrokeWidth(int32_t series) const;
  int32_t StrokeKind(int32_t series) const;
  int32_t MarkerKind(int32_t series) const;
};

constexpr int kGraphKindBands = 6;

struct GraphArea {
  FrameStyle frame;
  ColourPair colours;
  bool filled = true;  // the backdrop's flag
  Axis axes[kAxisCount];
};

struct ChartModel {
  ChartModel();

  TextBox title;
  TextBox note;
  TextBox legend;
  FrameStyle outerFrame;
  ColourPair outerColours;
  bool holdRedraw = false;
  bool holdLayout = false;
  bool flag13 = false;  // kept as given
  GraphArea graph;
  SeriesGroup groups[2];
};

// True when the text has something other than blanks to show.
bool HasVisibleText(const std::string& text);

}  // namespace chartcontrol
