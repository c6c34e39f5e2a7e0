// Speed of the chart component (a Windows program; run it under Wine).
//
// 1. Drawing: a step series of 1e4, 1e5 and 1e6 points drawn with RenderChart into a
//    1600 x 1000 bitmap, on a linear and on a log X axis, and with an uncertainty band of as many
//    points. The sizes alternate, 7 runs of each, and each figure is the median. Target: the 1e6
//    draw takes at most 5 x the 1e4 draw of the same kind.
// 2. Writing: 1e6 points of a step series put one value at a time through ChartControl.dll's
//    object model between HoldRedraw TRUE and FALSE (the FALSE draws the batch), getting
//    SeriesGroups, Item(1) and SeriesData for every put and releasing them, as Zelvora does.
//    Target: under a second.
// 3. Output: the same log-x plot with a band, of 1e4 and 1e6 points, written to each file
//    format (BMP, PNG, JPEG, EMF, WMF) and copied in each clipboard format, alternating, 5 runs
//    of each; the median of each. Target: the 1e6 output takes at most 2 x the 1e4 output of
//    the same format, and a metafile of 1e6 points holds about as many records as one of 1e4.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "chartcontrol/ChartOutput.h"
#include "chartcontrol/ChartRenderer.h"
#include "chartcontrol/api/ChartMembers.h"
#include "chartcontrol/api/ChartWindowApi.h"
#include "chartcontrol/core/ChartModel.h"
#include "common/win32/Handles.h"

namespace {

using namespace chartcontrol;
using namespace chartcontrol::member;

constexpr int kRuns = 7;
constexpr int kWidth = 1600, kHeight = 1000;

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

enum class Kind { LinearX, LogX, LogXWithBand };

// The model as Zelvora leaves it for a spectrum, with `points` step points (points / 2 bins).
void FillModel(ChartModel& model, int points, Kind kind) {
  model.title.text = " Zelvora ";
  model.title.frame.kind = 5;
  model.title.font.size = 14;
  model.outerFrame = FrameStyle{2, 9};
  model.outerColours.back = MakeColour(235, 235, 235);
  model.graph.colours.back = MakeColour(235, 235, 235);
  model.graph.frame = FrameStyle{1, 9};
  for (Axis& axis : model.graph.axes) {
    axis.font.name = "Courier New";
    axis.font.size = 12;
    axis.grid.lineKind = 2;
    axis.grid.lineColour = MakeColour(225, 225, 225);
  }
  Axis& x = model.graph.axes[kAxisX];
  Axis& y = model.graph.axes[kAxisY];
  const bool log = kind != Kind::LinearX;
  x.logarithmic = log;
  x.labels.mode = log ? 9 : 1;
  x.minLimit = log ? 1e-3 : 0;
  x.maxLimit = log ? 1e3 : 1000;
  y.minLimit = 0;
  y.maxLimit = 100;
  model.graph.axes[kAxisY2].shown = false;
  // The same picture at every size: a smooth curve with noise, so that only the count differs.
  const int bins = points / 2;
  std::mt19937 random(7);
  std::uniform_real_distribution<double> noise(-3, 3);
  SeriesGroup& lines = model.groups[0];
  lines.data.SetSeriesCount(1);
  lines.data.SetPointCount(1, points);
  lines.data.SetLabel(1, "bench.flu");
  lines.Style(1).fill.fore = MakeColour(0, 0, 220);
  lines.Style(1).fill.foreSet = true;
  auto edge = [&](int j) { return log ? 1e-3 * std::pow(1e6, static_cast<double>(j) / bins) : 1000.0 * j / bins; };
  for (int j = 0; j < bins; ++j) {
    const double value = 50 + 30 * std::sin(6.0 * j / bins) + noise(random);
    lines.data.SetX(1, 2 * j + 1, edge(j));
    lines.data.SetX(1, 2 * j + 2, edge(j + 1));
    lines.data.SetY(1, 2 * j + 1, value);
    lines.data.SetY(1, 2 * j + 2, value);
  }
  if (kind == Kind::LogXWithBand) {
    SeriesGroup& bands = model.groups[1];
    bands.graphKind = 6;
    bands.data.SetSeriesCount(2);
    bands.data.SetPointCount(1, points);
    for (int k = 1; k <= points; ++k) {
      const double y0 = lines.data.Y(1, k);
      bands.data.SetX(1, k, lines.data.X(1, k));
      bands.data.SetY(1, k, y0 - 4);
      bands.data.SetY(2, k, y0 + 4);
    }
  }
}

void BenchDrawing() {
  HDC memory = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  win32::UniqueBitmap bitmap = win32::CreateDib32(kWidth, kHeight, &bits);
  HGDIOBJ old = SelectObject(memory, bitmap.get());
  const RECT area{0, 0, kWidth, kHeight};
  const int sizes[] = {10000, 100000, 1000000};
  const char* names[] = {"linear x", "log x", "log x + band"};
  for (Kind kind : {Kind::LinearX, Kind::LogX, Kind::LogXWithBand}) {
    std::vector<ChartModel> models(3);
    for (int i = 0; i < 3; ++i) FillModel(models[i], sizes[i], kind);
    std::vector<double> times[3];
    RenderChart(memory, area, models[0]);  // warm the font cache
    for (int run = 0; run < kRuns; ++run)
      for (int i = 0; i < 3; ++i) {
        const double start = Now();
        RenderChart(memory, area, models[i]);
        GdiFlush();
        times[i].push_back(Now() - start);
      }
    const double t[3] = {Median(times[0]), Median(times[1]), Median(times[2])};
    std::printf("draw %-13s 1e4 %7.2f ms  1e5 %7.2f ms  1e6 %7.2f ms  ratio 1e6/1e4 %.2f %s\n", names[static_cast<int>(kind)],
                1e3 * t[0], 1e3 * t[1], 1e3 * t[2], t[2] / t[0], t[2] <= 5 * t[0] ? "(target met)" : "(TARGET MISSED)");
  }
  SelectObject(memory, old);
  DeleteDC(memory);
}

// One put the way Zelvora makes it: every object on the way got, used once and released.
bool PutValue(ChartObject* chart, int32_t id, int32_t series, int32_t point, double value) {
  ChartValue result, item = ChartValue::FromInt16(1);
  if (!chart->Invoke(kSeriesGroups, ChartInvoke::Get, nullptr, 0, &result)) return false;
  ChartObject* groups = result.object;
  const bool gotGroup = groups->Invoke(kItem, ChartInvoke::Get, &item, 1, &result);
  groups->Release();
  if (!gotGroup) return false;
  ChartObject* group = result.object;
  const bool gotData = group->Invoke(kSeriesData, ChartInvoke::Get, nullptr, 0, &result);
  group->Release();
  if (!gotData) return false;
  ChartObject* data = result.object;
  const ChartValue args[3] = {ChartValue::FromInt32(series), ChartValue::FromInt32(point), ChartValue::FromDouble(value)};
  const bool done = data->Invoke(id, ChartInvoke::Put, args, 3, nullptr);
  data->Release();
  return done;
}

void BenchWriting() {
  HMODULE library = LoadLibraryA(kChartLibraryName);
  auto create = library ? reinterpret_cast<CreateChartControlFunction>(
                              reinterpret_cast<void*>(GetProcAddress(library, kCreateChartControlName)))
                        : nullptr;
  if (!create) {
    std::printf("write: %s not found beside the program\n", kChartLibraryName);
    return;
  }
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "BenchChartStage";
  RegisterClassA(&wc);
  HWND stage = CreateWindowExA(0, wc.lpszClassName, "bench", WS_POPUP | WS_CLIPCHILDREN, 0, 0, kWidth, kHeight,
                               nullptr, nullptr, wc.hInstance, nullptr);
  ShowWindow(stage, SW_SHOW);
  const RECT place{0, 0, kWidth, kHeight};
  ChartControl* chart = create(stage, 2, &place);
  if (!chart) return;
  const int bins = 500000, points = 2 * bins;
  ChartValue on = ChartValue::FromBool(true), off = ChartValue::FromBool(false);
  for (int run = 0; run < 3; ++run) {
    // The counts, put as Zelvora puts them before the batch.
    ChartValue result, item = ChartValue::FromInt16(1);
    chart->Invoke(kSeriesGroups, ChartInvoke::Get, nullptr, 0, &result);
    ChartObject* groups = result.object;
    groups->Invoke(kItem, ChartInvoke::Get, &item, 1, &result);
    ChartObject* group = result.object;
    group->Invoke(kSeriesData, ChartInvoke::Get, nullptr, 0, &result);
    ChartObject* data = result.object;
    const ChartValue one = ChartValue::FromInt32(1), count[2] = {ChartValue::FromInt32(1), ChartValue::FromInt32(points)};
    data->Invoke(kLayoutCode, ChartInvoke::Put, &one, 1, nullptr);
    data->Invoke(kSeriesCount, ChartInvoke::Put, &one, 1, nullptr);
    data->Invoke(kPointCount, ChartInvoke::Put, count, 2, nullptr);
    data->Release();
    group->Release();
    groups->Release();

    const double start = Now();
    chart->Invoke(kHoldRedraw, ChartInvoke::Put, &on, 1, nullptr);
    bool ok = true;
    for (int j = 0; j < bins; ++j) {
      const int k = 2 * j + 1;
      const double y = 50 + 40 * std::sin(j * 1e-4);
      ok &= PutValue(chart, kXValue, 1, k, j * 1e-3);
      ok &= PutValue(chart, kXValue, 1, k + 1, (j + 1) * 1e-3);
      ok &= PutValue(chart, kYValue, 1, k, y);
      ok &= PutValue(chart, kYValue, 1, k + 1, y);
    }
    const double written = Now();
    chart->Invoke(kHoldRedraw, ChartInvoke::Put, &off, 1, nullptr);  // draws the batch
    const double drawn = Now();
    std::printf("write 1e6 points (2e6 puts, each by its full object path)  puts %7.1f ms  batch draw %6.1f ms  total %7.1f ms %s%s\n",
                1e3 * (written - start), 1e3 * (drawn - written), 1e3 * (drawn - start),
                drawn - start < 1.0 ? "(target met)" : "(TARGET MISSED)", ok ? "" : " (SOME PUTS FAILED)");
  }
  chart->Release();
}

int CALLBACK CountRecord(HDC, HANDLETABLE*, const ENHMETARECORD*, int, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return 1;
}

int RecordsOf(const char* path) {
  int count = 0;
  win32::UniqueEnhMetaFile emf(GetEnhMetaFileA(path));
  if (emf) EnumEnhMetaFile(nullptr, emf.get(), CountRecord, &count, nullptr);
  return count;
}

void BenchOutput() {
  constexpr int kOutputRuns = 5;
  const SIZE size{kWidth, kHeight};
  char folder[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, folder);
  const std::string path = std::string(folder) + "bench-output-" + std::to_string(GetCurrentProcessId());
  std::vector<ChartModel> models(2);
  FillModel(models[0], 10000, Kind::LogXWithBand);
  FillModel(models[1], 1000000, Kind::LogXWithBand);
  struct Format {
    const char* name;
    bool (*write)(const ChartModel&, SIZE, const std::string&);
  };
  const Format formats[] = {
      {"file BMP", [](const ChartModel& m, SIZE s, const std::string& p) { return WriteChart(m, s, p.c_str(), 1); }},
      {"file PNG", [](const ChartModel& m, SIZE s, const std::string& p) { return WriteChartPng(m, s, p.c_str()); }},
      {"file JPEG", [](const ChartModel& m, SIZE s, const std::string& p) { return WriteChartJpeg(m, s, p.c_str(), 80); }},
      {"file EMF", [](const ChartModel& m, SIZE s, const std::string& p) { return WriteChart(m, s, p.c_str(), 3); }},
      {"file WMF", [](const ChartModel& m, SIZE s, const std::string& p) { return WriteChart(m, s, p.c_str(), 2); }},
      {"copy BMP", [](const ChartModel& m, SIZE s, const std::string&) { return CopyChart(m, s, 1, nullptr); }},
      {"copy WMF", [](const ChartModel& m, SIZE s, const std::string&) { return CopyChart(m, s, 2, nullptr); }},
      {"copy EMF", [](const ChartModel& m, SIZE s, const std::string&) { return CopyChart(m, s, 3, nullptr); }},
  };
  for (const Format& format : formats) {
    std::vector<double> times[2];
    bool written = format.write(models[0], size, path);  // warm the encoders and fonts
    for (int run = 0; run < kOutputRuns; ++run)
      for (int i = 0; i < 2; ++i) {
        const double start = Now();
        written = format.write(models[i], size, path) && written;
        times[i].push_back(Now() - start);
      }
    const double t[2] = {Median(times[0]), Median(times[1])};
    std::printf("output %-9s 1e4 %7.2f ms  1e6 %7.2f ms  ratio %.2f %s%s\n", format.name, 1e3 * t[0], 1e3 * t[1],
                t[1] / t[0], t[1] <= 2 * t[0] ? "(target met)" : "(TARGET MISSED)", written ? "" : " (OUTPUT FAILED)");
  }
  int records[2];
  for (int i = 0; i < 2; ++i) {
    WriteChart(models[i], size, path.c_str(), 3);
    records[i] = RecordsOf(path.c_str());
  }
  std::printf("output EMF records: 1e4 points %d, 1e6 points %d\n", records[0], records[1]);
  DeleteFileA(path.c_str());
}

}  // namespace

int main() {
  BenchDrawing();
  BenchWriting();
  BenchOutput();
  std::printf("median of %d runs each for drawing; bitmap %d x %d\n", kRuns, kWidth, kHeight);
  return 0;
}
