#include "chartcontrol/core/ChartModel.h"

namespace chartcontrol {

namespace {
// clang-format off
constexpr Colour kDefaultPalette[] = {
  MakeColour(0, 0, 200),   MakeColour(200, 0, 0),   MakeColour(0, 130, 0),
  MakeColour(180, 120, 0), MakeColour(120, 0, 200), MakeColour(0, 160, 160),
  MakeColour(200, 0, 120), MakeColour(90, 90, 90),
};
// clang-format on

const SeriesStyle& DefaultStyle() {
  static const SeriesStyle style;
  return style;
}
}  // namespace

ChartModel::ChartModel() {
  outerColours.back = MakeColour(240, 240, 240);
  outerColours.fore = MakeColour(40, 40, 40);
  outerColours.backSet = true;
  outerFrame.kind = 0;
  graph.colours.back = MakeColour(255, 255, 255);
  graph.colours.backSet = true;
  graph.frame.kind = 1;
  title.font.size = 12.0;
    legend.frame.kind = 1;
  for (Axis& axis : graph.axes) {
    axis.font.size = 9.0;
    axis.labelLook.fore = MakeColour(40, 40, 40);
  }
  graph.axes[kAxisY2].shown = false;
  groups[0].layer = 2;
  groups[1].layer = 1;
}

Colour SeriesGroup::SeriesColour(int32_t series) const {
  auto it = styles.find(series);
  if (it != styles.end()) {
    if (it->second.fill.foreSet) return it->second.fill.fore;
    if (it->second.markerColourSet) return it->second.markerColour;
  }
  const int32_t n = static_cast<int32_t>(sizeof(kDefaultPalette) / sizeof(kDefaultPalette[0]));
  return kDefaultPalette[((series - 1) % n + n) % n];
}

int32_t SeriesGroup::StrokeWidth(int32_t series) const {
  auto it = styles.find(series);
  return (it == styles.end() ? DefaultStyle() : it->second).strokeWidth;
}

int32_t SeriesGroup::StrokeKind(int32_t series) const {
  auto it = styles.find(series);
  return (it == styles.end() ? DefaultStyle() : it->second).strokeKind;
}

int32_t SeriesGroup::MarkerKind(int32_t series) const {
  auto it = styles.find(series);
  return (it == styles.end() ? DefaultStyle() : it->second).markerKind;
}

bool HasVisibleText(const std::string& text) {
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return true;
  return false;
}

}  // namespace chartcontrol
