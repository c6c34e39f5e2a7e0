// Zelvora's main window: the chart above, the band of controls along the bottom edge, and the
// spectrum::SpectrumSet of the file on show. Its members live in PlotterDlg.cpp (the window,
// loading, axes and limits), PlotBuilder.cpp (the plot builders), PlotNavigation.cpp (plot
// steps and the Lethargy box) and Overlay.cpp.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "common/win32/Handles.h"
#include "plotter/app/AnchorDlg.h"
#include "plotter/app/core/PlotPlan.h"
#include "plotter/chart/core/AxisLimits.h"
#include "plotter/chart/Chart2D.h"
#include "plotter/spectrum/core/SpectrumSet.h"
#include "plotter/widgets/ImageButton.h"
#include "plotter/widgets/TickBox.h"

namespace plotter {

class CPlotterDlg : public CAnchorDlg {
 public:
  // `commandLinePath`: the file to load at start-up without the open dialog (empty: none).
  explicit CPlotterDlg(std::string commandLinePath = {});

  const spectrum::SpectrumSet& spectrum() const { return spectrum_; }
  const chart::AxisLimits& currentLimits() const { return currentLimits_; }
  const chart::AxisLimits& homeLimits() const { return homeLimits_; }
  const chart::CChart2D& chart() const { return chart_; }

  // The whole load of a main file: the open dialog (or the command-line path, the first time),
  // both reading passes, the controls of the file's kind and the first plot.
  void LoadSpectrumFile();
  // One more spectrum read into the plot on show (at most kMaxOverlays per main file).
  void LoadOverlay();
  void ShowNextPlot();
  void ShowPreviousPlot();
  // Brings every block to the form the Lethargy box shows and draws the spectrum again.
  void ToggleLethargy();

  // The plot builders: each draws the plot whose first curve is `block`.
  void ResetChart();
  void PlotSpectrum(int block);
  void PlotChannelList(int block);
  void PlotCurves(int block);
  void SetXLinear();
  void SetXLogarithmic();
  void SetYLinear();
  void SetYLogarithmic();
  // Scales both axes to the data of `block` and makes that range the one to return to.
  void ScaleToData(int block);
  // Writes the named limits of currentLimits into their edits (whose change handlers put the
  // shown values to the chart again).
  void ShowLimits(chart::WhichLimits which);
  void ShowClock();

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override {}  // Enter does nothing
  void OnTimer(UINT_PTR timerId) override;
  bool OnPaint() override;
  void OnSize(UINT type, int cx, int cy) override;
  HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
  bool OnSysCommand(UINT id, LPARAM lParam) override;
  INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;

 private:
  void AddAboutItemToSystemMenu();
  void SetUpImageButtons();
  void CreateChart();
  void OnLimitEditChanged(int id);
  void ReturnXToDataRange();
  void ReturnYToDataRange();
  void OnChartLimitsChanged(const double* values6);
  void OnChartMouseDown(int16_t button, int16_t shift);
  void ShowControlsOfKind(int fileKind);
  void PlaceChart(int cx, int cy);
  void ShowItem(int id, bool shown);
  void ShowPlotCounter();
  void ShowPlot(int block);
  void StepPlot(int step);
  void DrawSingleCurvePlot(int block, const PlotPlan& plan);
  void ApplyScales(const PlotPlan& plan);
  void DrawCaption(HDC dc, HWND caption);
  std::string TakeFilePath();

  spectrum::SpectrumSet spectrum_;
  chart::CChart2D chart_;
  chart::AxisLimits currentLimits_;  // the limits in force, as the edits show them
  chart::AxisLimits homeLimits_;     // the data range of the plot on show
  std::string commandLinePath_;
  bool firstLoad_ = true;

  // Image buttons, in the order they are set up.
  std::array<widgets::CImageButton, 8> imageButtons_;
  widgets::CTickBox xLinear_, xLogarithmic_, yLinear_, yLogarithmic_, lethargy_;
  win32::UniqueIcon bigIcon_;
  win32::UniqueIcon smallIcon_;
  win32::UniquePen captionPen_;
};

}  // namespace plotter
