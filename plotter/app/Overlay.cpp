// Overlays: further spectra read into the plot on show and drawn over the main curve's steps.
#include "plotter/app/PlotterDlg.h"

#include <algorithm>
#include <string>

#include "plotter/framework/FileDialog.h"
#include "plotter/spectrum/core/OverlayLoad.h"
#include "resources/zelvora_ids.h"

namespace plotter {

namespace {
constexpr int kCurves = 1;
constexpr int32_t kSolidStroke = 2;
constexpr int32_t kNoMarker = 1;
}  // namespace

void CPlotterDlg::LoadOverlay() {
  spectrum::SpectrumSet& s = spectrum_;
  const bool overlaid = s.fileKind == spectrum::SpectrumFile || s.fileKind == spectrum::ChannelFile;
  if (!overlaid || s.overlayCount >= spectrum::kMaxOverlays) return;

  framework::FileDialogRequest request;
  request.fileName = "*.flu;*.dat";
  request.filter = std::string("Overlay .flu File") + '\0' + "*.flu;*.dat";
  if (!framework::RunFileDialog(request)) return;

  ++s.extraCurveCount;
  ++s.overlayCount;
  if (s.overlayCount >= spectrum::kMaxOverlays) EnableWindow(Item(IDC_OVERLAY_SPECTRUM), FALSE);
  if (spectrum::ReadOverlay(request.chosenPath, s) == spectrum::OverlayOutcome::CannotOpen) return;

  // Y values only: each bin a flat step over the X positions the main curve's series holds.
  const int slot = s.overlayCount;
  const int series = slot + 1;
  const spectrum::SpectrumBlock& block = s.blocks[static_cast<size_t>(slot)];
  const int bins = std::min<int>(s.pointCount[static_cast<size_t>(slot)], static_cast<int>(block.yValues.size()));
  chart_.SetHoldRedraw(true);
  const chart::CSeriesGroup curves = chart_.Group(kCurves);
  const chart::CSeriesData data = curves.SeriesData();
  data.SetSeriesCount(series);
  curves.SeriesLabels().AddLabel(block.curveLabel, series);
  curves.SeriesStyles().Item(series).Stroke().SetStrokeKind(kSolidStroke);
  curves.SeriesStyles().Item(series).Marker().SetMarkerKind(kNoMarker);
  for (int i = 0; i < bins; ++i) {
    data.SetYValue(series, 2 * i + 1, block.yValues[static_cast<size_t>(i)]);
    data.SetYValue(series, 2 * i + 2, block.yValues[static_cast<size_t>(i)]);
  }
  chart_.SetHoldRedraw(false);
}

}  // namespace plotter
