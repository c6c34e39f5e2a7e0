// Stepping through the plots of a plot file, and the Lethargy box.
#include "plotter/app/PlotterDlg.h"

#include "plotter/app/core/PlotSteps.h"

namespace plotter {

void CPlotterDlg::ShowPlot(int block) {
  switch (spectrum_.fileKind) {
    case spectrum::SpectrumFile:
      PlotSpectrum(block);
      break;
    case spectrum::PlotFile:
      PlotCurves(block);
      break;
    case spectrum::ChannelFile:
      PlotChannelList(block);
      break;
    default:
      break;
  }
}

void CPlotterDlg::ShowNextPlot() { StepPlot(+1); }
void CPlotterDlg::ShowPreviousPlot() { StepPlot(-1); }

// One plot on (+1) or back (-1), wrapping round; a plot whose block is not found leaves the
// chart cleared.
void CPlotterDlg::StepPlot(int step) {
  spectrum::SpectrumSet& s = spectrum_;
  if (s.currentPlotNumber == 0) return;
  s.currentPlotNumber = SteppedPlotNumber(s.currentPlotNumber, s.plotCount, step);
  ResetChart();
  ShowPlotCounter();
  const int block = FirstBlockOfPlot(s, s.currentPlotNumber);
  if (block < 0) return;
  s.currentBlock = block;
  if (s.fileKind == spectrum::PlotFile) PlotCurves(block);
  if (s.fileKind == spectrum::SpectrumFile) PlotSpectrum(block);
}

void CPlotterDlg::ToggleLethargy() {
  // The box has toggled itself; only a spectrum has the two forms.
  if (spectrum_.fileKind != spectrum::SpectrumFile) return;
  spectrum::BringToForm(spectrum_, lethargy_.GetCheck() != 0);
  PlotSpectrum(0);
}

}  // namespace plotter
