// Zelvora's whole road for one large spectrum (a Windows program; run it under Wine): load a
// 100,000-bin spectrum file, build its plot on the chart component and write the chart as a
// 1600 x 1000 PNG. scripts/bench then has gnuplot draw the same data as steps into a PNG of the
// same size and prints the ratio of the two medians.
//
// Writes into the current folder: plot-spectrum.flu (the spectrum, already in F(E)*E, so the
// plot has a logarithmic X axis), plot-spectrum.txt (its bin edges and values for gnuplot),
// plot-spectrum.gp (the gnuplot script) and the PNG of each side.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "plotter/app/PlotterDlg.h"
#include "plotter/framework/FileDialog.h"
#include "plotter/spectrum/core/SpectrumLoad.h"

namespace {

constexpr int kBins = 100000;
constexpr int kRuns = 7;
constexpr int kWidth = 1600, kHeight = 1000;

double Now() {
  LARGE_INTEGER frequency, t;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string FullPath(const char* name) {
  char path[MAX_PATH] = "";
  GetFullPathNameA(name, MAX_PATH, path, nullptr);
  return path;
}

// Edges from 1e-3 to 2e7 eV, equal in lethargy; a smooth two-peaked spectrum with noise.
bool WriteInputs() {
  std::FILE* spectrum = std::fopen("plot-spectrum.flu", "w");
  std::FILE* steps = std::fopen("plot-spectrum.txt", "w");
  std::FILE* script = std::fopen("plot-spectrum.gp", "w");
  if (!spectrum || !steps || !script) return false;
  std::fprintf(spectrum, "Benchmark spectrum of %d bins\n3 0 0\n2 0 %d 2.0E+07\n", kBins, kBins);
  unsigned noise = 12345;
  for (int i = 0; i <= kBins; ++i) {
    const double u = static_cast<double>(i) / kBins;
    const double edge = 1e-3 * std::pow(2e10, u);
    noise = noise * 1103515245u + 12345u;
    const double y = i == kBins ? 0.0
                                : 0.3 * std::exp(-std::pow((u - 0.2) / 0.05, 2)) +
                                      std::exp(-std::pow((u - 0.9) / 0.04, 2)) + 0.1 +
                                      0.02 * ((noise >> 16) % 1000) / 1000.0;
    std::fprintf(spectrum, " %13.6E %13.6E %13.6E\n", edge, y, 0.0);
    std::fprintf(steps, "%13.6E %13.6E\n", edge, y);
  }
  std::fprintf(script,
               "set terminal pngcairo size %d,%d\nset output 'gnuplot.png'\nset logscale x\n"
               "plot 'plot-spectrum.txt' using 1:2 with steps\n",
               kWidth, kHeight);
  std::fclose(spectrum);
  std::fclose(steps);
  std::fclose(script);
  return true;
}

}  // namespace

int main() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  OleInitialize(nullptr);
  if (!WriteInputs()) {
    std::printf("bench_plot: cannot write its input files here\n");
    return 1;
  }
  const std::string input = FullPath("plot-spectrum.flu");
  const std::string output = FullPath("zelvora.png");
  framework::SetFileDialogAnswerer([&input](framework::FileDialogRequest& request) {
    request.chosenPath = input;
    return true;
  });

  plotter::CPlotterDlg dialog;
  HWND window = dialog.Create();
  HWND chart = dialog.chart().Window();
  if (!window || !chart) {
    std::printf("bench_plot: no main window or no chart (ChartControl.dll beside the program?)\n");
    return 1;
  }
  MoveWindow(chart, 0, 0, kWidth, kHeight, FALSE);  // the PNG has the chart's size

  std::vector<double> times;
  bool written = true;
  for (int run = 0; run < kRuns; ++run) {
    DeleteFileA(output.c_str());
    const double start = Now();
    dialog.LoadSpectrumFile();
    written &= dialog.chart().WritePng(output, false);
    times.push_back(Now() - start);
  }
  // Where the time goes: the reading alone and the PNG alone, medians as well.
  std::vector<double> reading, png;
  for (int run = 0; run < kRuns; ++run) {
    spectrum::SpectrumSet set;
    double start = Now();
    spectrum::LoadSpectrumData(input, set);
    reading.push_back(Now() - start);
    start = Now();
    dialog.chart().WritePng(output, false);
    png.push_back(Now() - start);
  }
  std::sort(reading.begin(), reading.end());
  std::sort(png.begin(), png.end());
  std::sort(times.begin(), times.end());
  const int points = dialog.spectrum().pointCount[0];
  std::printf("zelvora: load %d bins + plot + %d x %d PNG, median of %d: %.1f ms%s\n", points, kWidth,
              kHeight, kRuns, 1e3 * times[kRuns / 2], written ? "" : " (PNG NOT WRITTEN)");
  std::printf("  of which reading the file %.1f ms, writing the PNG %.1f ms, the plot the rest\n",
              1e3 * reading[kRuns / 2], 1e3 * png[kRuns / 2]);
  std::printf("zelvora_ms=%.1f\n", 1e3 * times[kRuns / 2]);
  DestroyWindow(window);
  OleUninitialize();
  return written && points == kBins ? 0 : 1;
}
