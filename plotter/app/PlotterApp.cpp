// Zelvora, the spectrum plotter. Windows of the program:
//   CPlotterDlg (PlotterDlg.cpp)   the main window, a modal dialog run by CPlotterApp;
//                                  owns the SpectrumSet, the chart and the bottom band of controls
//   ChartControl (ChartControl.dll) the chart, child id 2, reached only through CChart2D
//   CImageButton, CTickBox         owner-drawn buttons and tick boxes bound to its controls
//   CAnchorDlg (AnchorDlg.cpp)     keeps the band anchored to the window's edges on resizing
#include "plotter/app/PlotterApp.h"

#include "plotter/app/PlotterDlg.h"

namespace plotter {

bool CPlotterApp::InitInstance() {
  std::string path;
  if (!Arguments().empty()) path = Arguments().front();
  CPlotterDlg dialog(path);
  dialog.DoModal();
  return false;  // no message loop of our own: the program ends with its window
}

}  // namespace plotter
