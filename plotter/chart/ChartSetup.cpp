#include "plotter/chart/ChartSetup.h"

#include <cstdint>

namespace chart {

// Every object is got for one put and released right after it: each statement gets its own.

namespace {

// clang-format off
constexpr COLORREF kPalette[kPaletteSize] = {
    RGB(0, 0, 220),   RGB(220, 0, 0),    RGB(0, 120, 0),    RGB(180, 180, 0),  RGB(100, 0, 230),
    RGB(0, 200, 200), RGB(220, 50, 50),  RGB(100, 0, 230),  RGB(0, 200, 100),  RGB(100, 200, 0),
    RGB(0, 150, 100), RGB(200, 0, 100),  RGB(0, 100, 230),  RGB(220, 30, 150), RGB(0, 100, 230),
    RGB(0, 200, 100), RGB(220, 50, 50),  RGB(100, 100, 230), RGB(100, 200, 0), RGB(0, 200, 100),
};
// clang-format on

constexpr int kCurves = 1;  // series group of the curves
constexpr int kBands = 2;   // series group of the uncertainty bands

// Lowers red, green and blue by 5 each (when none is below 5) in one whole-number subtraction.
constexpr int32_t kOuterShade = 328965;  // 0x050505

constexpr COLORREF kOuterFore = RGB(50, 50, 50);
constexpr COLORREF kGraphBack = RGB(235, 235, 235);
constexpr COLORREF kTitleFore = RGB(100, 20, 20);
constexpr COLORREF kNoteFore = RGB(0, 0, 130);
constexpr COLORREF kAxisLabelFore = RGB(50, 50, 50);
constexpr COLORREF kGridLineColour = RGB(225, 225, 225);

constexpr const char* kShownAxes[] = {"x", "y"};

void SetUpTextBoxes(const CChart2D& chart) {
  chart.TitleBox().SetFlag6(false);
  chart.TitleBox().Font().SetSize(14);
  chart.TitleBox().Font().SetUnderline(false);
  chart.TitleBox().Text().SetContent(" Zelvora ");
  chart.TitleBox().Colours().SetFore(kTitleFore);
  chart.TitleBox().Frame().SetFrameKind(5);

  chart.NoteBox().SetFlag6(false);
  chart.NoteBox().Font().SetSize(10);
  chart.NoteBox().Font().SetUnderline(false);
  chart.NoteBox().Text().SetContent(" ");
  chart.NoteBox().Place().Left().SetAmount(2);
  chart.NoteBox().Place().Top().SetAmount(450);
  chart.NoteBox().Colours().SetFore(kNoteFore);

  chart.LegendBox().SetShown(true);
  chart.LegendBox().Font().SetName("Arial");
  chart.LegendBox().Font().SetSize(10);
  chart.LegendBox().Frame().SetFrameKind(9);
  chart.LegendBox().Frame().SetFrameWidth(0);
  chart.LegendBox().SetOrientation(2);
  chart.LegendBox().SetAnchor(16);
}

void SetUpAxes(const CChart2D& chart) {
  for (const char* axis : kShownAxes) chart.Axis(axis).SetMinorTicks(2);
  for (const char* axis : kShownAxes) chart.Axis(axis).SetMajorTicks(2);
  for (const char* axis : kShownAxes) {
    chart.Axis(axis).Font().SetName("Courier New");
    chart.Axis(axis).Font().SetSize(12);
  }
  for (const char* axis : kShownAxes)
    chart.Axis(axis).LabelLook().LabelColours().SetFore(kAxisLabelFore);
  for (const char* axis : kShownAxes) chart.GraphArea().AxisOptions().Item(axis).SetOption2(false);

  chart.Axis("x").TickLabels().Digits().SetAutomatic(false);
  chart.Axis("x").TickLabels().Digits().SetAmount(0);
  chart.Axis("y").TickLabels().Digits().SetAutomatic(false);
  chart.Axis("y").TickLabels().Digits().SetAmount(1);

  chart.Axis("y2").SetShown(false);

  chart.Axis("x").MinLimit().SetValue(0.0);
  chart.Axis("y").MinLimit().SetValue(0.0);
  chart.Axis("x").MaxLimit().SetValue(1000.0);
  chart.Axis("y").MaxLimit().SetValue(100.0);

  for (const char* axis : kShownAxes) chart.Axis(axis).SetLogScale(false);
}

// One series of one empty point, so that the chart starts with an empty graph.
void EmptySeries(const CSeriesData& data) {
  data.SetSeriesCount(20);
  data.SetPointCount(1, 1);
  data.SetYValue(1, 1, 0.0);
}

}  // namespace

COLORREF SeriesColour(int n) { return n >= 1 && n <= kPaletteSize ? kPalette[n - 1] : 0; }

void SetUpChartLook(const CChart2D& chart, COLORREF buttonFace) {
  chart.SetHoldLayout(false);
  chart.Group(kCurves).SetGraphKind(1);
  chart.Group(kBands).SetGraphKind(6);
  chart.Group(kBands).SetLayer(1);
  chart.SetFlag13(false);
  chart.GraphArea().Backdrop().SetFilled(true);
  chart.GraphArea().Frame().SetFrameKind(9);
  chart.GraphArea().Frame().SetFrameWidth(1);
  chart.OuterColours().SetBackValue(static_cast<int32_t>(buttonFace) - kOuterShade);
  chart.OuterColours().SetFore(kOuterFore);
  chart.GraphArea().Colours().SetBack(kGraphBack);
  chart.OuterFrame().SetFrameKind(9);
  chart.OuterFrame().SetFrameWidth(2);
  chart.Group(kCurves).SetLayer(2);
  SetUpTextBoxes(chart);
  SetUpAxes(chart);
}

void SetUpChartSeries(const CChart2D& chart) {
  for (const char* axis : kShownAxes) chart.Axis(axis).Grid().GridLine().SetLineKind(2);
  for (const char* axis : kShownAxes)
    chart.Axis(axis).Grid().GridLine().SetLineColour(kGridLineColour);
  for (const char* axis : kShownAxes) chart.Axis(axis).Grid().Spacing().SetAutomatic(true);

  EmptySeries(chart.Group(kCurves).SeriesData());
  EmptySeries(chart.Group(kBands).SeriesData());

  for (int n = 1; n <= kPaletteSize; ++n)
    chart.Group(kCurves).SeriesStyles().Item(n).Marker().SetMarkerKind(1);
  for (int n = 1; n <= kPaletteSize; ++n) {
    chart.Group(kCurves).SeriesStyles().Item(n).Fill().Colours().SetFore(SeriesColour(n));
    chart.Group(kCurves).SeriesStyles().Item(n).Marker().SetMarkerColour(SeriesColour(n));
  }

  for (int n = 1; n <= kPaletteSize; ++n)
    chart.Group(kBands).SeriesStyles().Item(n).Marker().SetMarkerKind(1);
  // The band group's even series keep the chart's own colours.
  for (int k = 1; k <= kPaletteSize / 2; ++k) {
    chart.Group(kBands).SeriesStyles().Item(2 * k - 1).Fill().Colours().SetFore(SeriesColour(k));
    chart.Group(kBands).SeriesStyles().Item(2 * k - 1).Marker().SetMarkerColour(SeriesColour(k));
  }
}

}  // namespace chart
