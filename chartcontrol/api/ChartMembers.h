// The dispatch ids of every member of every chart object, named once for both sides: the
// component's member tables answer them and the host's wrappers call them. One enumeration per
// object kind; members known to the host only by number are named after what the component
// makes of them.
#pragma once

#include <cstdint>

namespace chartcontrol::member {

// clang-format off

// The control itself.
enum ControlMember : int32_t {
  kTitleBox = 1, kNoteBox = 2, kLegendBox = 3, kOuterFrame = 4, kOuterColours = 5,
  kHoldRedraw = 6, kHoldLayout = 7, kGraphArea = 8, kSeriesGroups = 9, kExtras = 10,
  kFlag13 = 13,  // a flag the component keeps as given
  kPrintGraph = 18, kCopyGraph = 19, kWriteGraph = 20, kWriteJpeg = 27, kWritePng = 28,
};

// Title, note and legend box.
enum TextBoxMember : int32_t {
  kTextBoxFrame = 1, kTextBoxText = 3, kTextBoxColours = 4, kTextBoxPlace = 5,
  kTextBoxFlag6 = 6,  // title and note: a flag kept as given
  kTextBoxFont = 8,
};
// The legend box answers a put of ids 4 and 5 as these values (a get still gives the object).
enum LegendMember : int32_t {
  kLegendShown = 4,
  kLegendAnchor = 5,       // where the legend sits: 1 top-left ... 16 right ... 128 bottom-right
  kLegendOrientation = 6,  // 1 entries side by side, 2 one below the other
};
// A text box's Text, an axis Title and a series label: one text.
enum TextMember : int32_t { kTextContent = 1 };
// A text box's Place: two items (left, top), each with an amount in pixels.
enum PlaceMember : int32_t { kPlaceLeft = 1, kPlaceTop = 2 };
enum PlaceItemMember : int32_t { kPlaceAmount = 1 };

enum FrameMember : int32_t { kFrameWidth = 1, kFrameKind = 2 };
enum ColoursMember : int32_t { kColoursBack = 1, kColoursFore = 2 };
// The standard font object; its size (points) crosses as a double.
enum FontMember : int32_t {
  kFontName = 0, kFontSize = 2, kFontBold = 3, kFontItalic = 4, kFontUnderline = 5,
  kFontStrikethrough = 6,
};

enum GraphAreaMember : int32_t {
  kGraphAreaFrame = 2, kGraphAreaColours = 4,
  kGraphAreaBackdrop = 5,  // an object with the one flag kGraphAreaFilled
  kGraphAreaAxisOptions = 8, kGraphAreaAxes = 9,
};
enum BackdropMember : int32_t { kGraphAreaFilled = 1 };  // fill the plot area with the back colour

// Collections reached by Item: the axes and axis options (by "x", "y", "y2") and the series
// groups (1 curves, 2 bands).
enum CollectionMember : int32_t { kItem = 3 };
enum AxisOptionMember : int32_t { kAxisOption2 = 2 };  // a flag kept as given

enum AxisMember : int32_t {
  kAxisTitle = 1, kAxisMinLimit = 5, kAxisMaxLimit = 6, kAxisGrid = 12, kAxisShown = 14,
  kAxisLogScale = 15, kAxisTitleTurn = 17,
  kAxisMajorTicks = 20,  // tick marks: 0 none, 1 inside, 2 outside, 3 across the axis
  kAxisMinorTicks = 21,
  kAxisTickLabels = 29, kAxisLabelLook = 32, kAxisFont = 33,
};
enum LimitMember : int32_t { kLimitValue = 1 };
enum GridMember : int32_t { kGridSpacing = 2, kGridLine = 3 };
enum SpacingMember : int32_t { kSpacingValue = 1, kSpacingAutomatic = 2 };
enum GridLineMember : int32_t { kLineKind = 1, kLineColour = 2 };
enum TickLabelsMember : int32_t { kTickLabelsDigits = 6, kLabelMode = 7 };
enum DigitsMember : int32_t { kDigitsAmount = 1, kDigitsAutomatic = 2 };
// LabelLook: both items are the colour pair of the tick labels.
enum LabelLookMember : int32_t { kLabelLookColours = 1, kLabelLookLabelColours = 2 };

// A series group.
enum GroupMember : int32_t {
  kGraphKind = 2,
  kGroupLayer = 3,  // the group with the higher layer is drawn over the other
  kSeriesData = 4, kSeriesStyles = 5, kSeriesLabels = 6,
};
enum SeriesDataMember : int32_t {
  kLayoutCode = 1, kSeriesCount = 2, kPointCount = 16, kXValue = 19, kYValue = 20,
};
enum SeriesStylesMember : int32_t { kStyleItem = 5 };  // the style of a series, by number
enum StyleMember : int32_t { kStyleStroke = 1, kStyleFill = 2, kStyleMarker = 3 };
enum StrokeMember : int32_t { kStrokeKind = 1, kStrokeWidth = 3 };
enum FillMember : int32_t { kFillColours = 4 };
enum MarkerMember : int32_t { kMarkerKind = 1, kMarkerColour = 2 };
enum SeriesLabelsMember : int32_t { kLabelCount = 2, kLabelItem = 3, kAddLabel = 4 };
enum ExtrasMember : int32_t { kClear = 6 };

// clang-format on

}  // namespace chartcontrol::member
