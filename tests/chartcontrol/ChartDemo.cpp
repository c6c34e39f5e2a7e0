// Not a test: makes the chart as Zelvora configures it and shows a few plots for a look. Each
// scene is written as a BMP into the folder given as the first argument (default: current), and
// the last one stays on screen for a few seconds so that a screenshot can be taken.
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ChartApi.h"
#include "ChartDriver.h"

namespace {

constexpr int kWidth = 900, kHeight = 560;

bool WriteBmp(HWND window, const std::string& path) {
  RECT client;
  GetClientRect(window, &client);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = client.right;
  info.bmiHeader.biHeight = -client.bottom;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  GdiFlush();
  const DWORD size = static_cast<DWORD>(client.right) * client.bottom * 4;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
  file.bfSize = file.bfOffBits + size;
  FILE* out = std::fopen(path.c_str(), "wb");
  bool ok = false;
  if (out) {
    ok = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
         std::fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out) == 1 &&
         std::fwrite(bits, size, 1, out) == 1;
    std::fclose(out);
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return ok;
}

// Plays a metafile written by the chart into a BMP, to look at how it replays.
void ReplayToBmp(HENHMETAFILE emf, const std::string& path) {
  if (!emf) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = kWidth;
  info.bmiHeader.biHeight = -kHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const RECT all{0, 0, kWidth, kHeight};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  PlayEnhMetaFile(dc, emf, &all);
  GdiFlush();
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
  file.bfSize = file.bfOffBits + kWidth * kHeight * 4;
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&file, sizeof(file), 1, out);
    std::fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out);
    std::fwrite(bits, kWidth * kHeight * 4, 1, out);
    std::fclose(out);
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  DeleteEnhMetaFile(emf);
}

void WriteFiles(ChartObject* chart, const std::string& folder) {
  const std::string emf = folder + "chart-out.emf", wmf = folder + "chart-out.wmf";
  const std::string png = folder + "chart-out.png", jpg = folder + "chart-out.jpg", bmp = folder + "chart-out.bmp";
  CallMethod(chart, 20, {Str(bmp.c_str()), I4(1)});
  CallMethod(chart, 20, {Str(emf.c_str()), I4(3)});
  CallMethod(chart, 20, {Str(wmf.c_str()), I4(2)});
  CallMethod(chart, 28, {Str(png.c_str()), Flag(false)});
  CallMethod(chart, 27, {Str(jpg.c_str()), I4(80), Flag(false), Flag(true), Flag(false)});
  ReplayToBmp(GetEnhMetaFileA(emf.c_str()), folder + "chart-out-emf.bmp");
  // A placeable WMF: the records follow its 22-byte header.
  if (FILE* in = std::fopen(wmf.c_str(), "rb")) {
    std::vector<unsigned char> bytes;
    int c;
    while ((c = std::fgetc(in)) != EOF) bytes.push_back(static_cast<unsigned char>(c));
    std::fclose(in);
    if (bytes.size() > 22)
      ReplayToBmp(SetWinMetaFileBits(static_cast<UINT>(bytes.size() - 22), bytes.data() + 22, nullptr, nullptr),
                  folder + "chart-out-wmf.bmp");
  }
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

void ResetChart(ChartObject* chart) {
  CallMethod(Walk(chart, {10}).get(), 6);
  for (int16_t g : {1, 2}) {
    ObjectRef data = DataOf(chart, g);
    Put(data.get(), 2, I4(1));
    Put(data.get(), 16, I4(1), {I4(1)});
    Put(data.get(), 20, R8(0.0), {I4(1), I4(1)});
  }
}

void SetLimits(ChartObject* chart, double x0, double x1, double y0, double y1) {
  PutAt(AxisOf(chart, "x").get(), {5}, 1, R8(x0));
  PutAt(AxisOf(chart, "x").get(), {6}, 1, R8(x1));
  for (const char* axis : {"y", "y2"}) {
    PutAt(AxisOf(chart, axis).get(), {5}, 1, R8(y0));
    PutAt(AxisOf(chart, axis).get(), {6}, 1, R8(y1));
  }
}

// A spectrum in lethargy form over a log energy axis, one overlay and an uncertainty band.
void ShowSpectrum(ChartObject* chart) {
  const int bins = 240;
  std::vector<double> edges(bins + 1), main(bins), overlay(bins), error(bins);
  for (int j = 0; j <= bins; ++j) edges[j] = std::pow(10.0, -3.0 + 6.0 * j / bins);
  for (int j = 0; j < bins; ++j) {
    const double e = std::sqrt(edges[j] * edges[j + 1]);
    main[j] = 60 * std::exp(-std::pow(std::log10(e) - 0.3, 2) / 0.5) + 12 * std::exp(-std::pow(std::log10(e) + 1.8, 2) / 0.08) +
              3 * std::sin(j * 0.9) * std::exp(-std::pow(std::log10(e) - 0.3, 2));
    overlay[j] = 0.8 * main[j] + 6 * std::exp(-std::pow(std::log10(e) - 1.5, 2) / 0.1);
    error[j] = 2 + 0.08 * main[j];
  }
  Put(chart, 7, Flag(true));
  ResetChart(chart);
  PutAt(AxisOf(chart, "x").get(), {1}, 1, Str("Energy/MeV ->"));
  PutAt(AxisOf(chart, "y").get(), {1}, 1, Str("F(E)*E ->"));
  Put(AxisOf(chart, "x").get(), 15, Flag(true));
  PutAt(AxisOf(chart, "x").get(), {29}, 7, I2(9));
  Put(AxisOf(chart, "y").get(), 15, Flag(false));
  PutAt(AxisOf(chart, "y").get(), {29}, 7, I2(1));
  Put(AxisOf(chart, "y").get(), 17, I4(2));
  Put(Walk(chart, {3}).get(), 4, Flag(true));
  PutAt(chart, {1, 3}, 1, Str(" Neutron spectrum behind 30 cm concrete "));
  SetLimits(chart, 1e-3, 1e3, 0, 80);
  PutAt(AxisOf(chart, "x").get(), {12, 2}, 1, R8(0.1));
  PutAt(AxisOf(chart, "y").get(), {12, 2}, 2, Flag(true));
  Put(chart, 7, Flag(false));

  ObjectRef data = DataOf(chart, 1);
  Put(data.get(), 1, I4(1));
  Put(data.get(), 2, I4(2));
  Put(data.get(), 16, I4(2 * bins), {I4(1)});
  Put(chart, 6, Flag(true));
  CallMethod(Walk(chart, {10}).get(), 6);
  AddLabel(chart, 1, "concrete30.flu", 1);
  AddLabel(chart, 1, "concrete30-old.flu", 2);
  for (int s = 1; s <= 2; ++s) {
    PutAt(StyleOf(chart, 1, s).get(), {1}, 1, I4(2));
    PutAt(StyleOf(chart, 1, s).get(), {3}, 1, I4(1));
  }
  for (int j = 0; j < bins; ++j) {
    const int k = 2 * j + 1;
    Put(data.get(), 19, R8(edges[j]), {I4(1), I4(k)});
    Put(data.get(), 19, R8(edges[j + 1]), {I4(1), I4(k + 1)});
    for (int s = 1; s <= 2; ++s) {
      const double y = s == 1 ? main[j] : overlay[j];
      Put(data.get(), 20, R8(y), {I4(s), I4(k)});
      Put(data.get(), 20, R8(y), {I4(s), I4(k + 1)});
    }
  }
  ObjectRef band = DataOf(chart, 2);
  Put(band.get(), 2, I4(10));
  Put(band.get(), 16, I4(bins), {I4(1)});
  for (int j = 0; j < bins; ++j) {
    Put(band.get(), 19, R8(std::sqrt(edges[j] * edges[j + 1])), {I4(1), I4(j + 1)});
    Put(band.get(), 20, R8(main[j] - error[j]), {I4(1), I4(j + 1)});
    Put(band.get(), 20, R8(main[j] + error[j]), {I4(2), I4(j + 1)});
  }
  Put(chart, 6, Flag(false));
}

// A plot file's curves: one drawn as points, one as a line, on log-log axes.
void ShowCurves(ChartObject* chart) {
  Put(chart, 7, Flag(true));
  ResetChart(chart);
  PutAt(AxisOf(chart, "x").get(), {1}, 1, Str("Channel"));
  PutAt(AxisOf(chart, "y").get(), {1}, 1, Str("Count ->"));
  for (const char* axis : {"x", "y"}) {
    Put(AxisOf(chart, axis).get(), 15, Flag(true));
    PutAt(AxisOf(chart, axis).get(), {29}, 7, I2(9));
    PutAt(AxisOf(chart, axis).get(), {12, 2}, 1, R8(0.1));
  }
  PutAt(chart, {1, 3}, 1, Str(" Detector response "));
  SetLimits(chart, 1, 2000, 0.5, 2e5);
  Put(chart, 7, Flag(false));
  ObjectRef data = DataOf(chart, 1);
  const int n = 2000;
  Put(data.get(), 1, I4(1));
  Put(data.get(), 2, I4(2));
  Put(data.get(), 16, I4(n), {I4(1)});
  Put(chart, 6, Flag(true));
  CallMethod(Walk(chart, {10}).get(), 6);
  AddLabel(chart, 1, "measured", 1);
  AddLabel(chart, 1, "fit", 2);
  PutAt(StyleOf(chart, 1, 1).get(), {1}, 1, I4(1));
  PutAt(StyleOf(chart, 1, 1).get(), {3}, 1, I4(2));
  PutAt(StyleOf(chart, 1, 2).get(), {1}, 1, I4(2));
  PutAt(StyleOf(chart, 1, 2).get(), {3}, 1, I4(1));
  PutAt(StyleOf(chart, 1, 2).get(), {1}, 3, I4(2));
  unsigned seed = 12345;
  for (int j = 1; j <= n; ++j) {
    const double fit = 1e5 * std::exp(-j / 300.0) + 40;
    seed = seed * 1103515245u + 12345u;
    const double noise = 1 + 0.3 * ((seed >> 8) % 1000 / 1000.0 - 0.5);
    Put(data.get(), 19, R8(j), {I4(1), I4(j)});
    Put(data.get(), 20, R8(fit * noise), {I4(1), I4(j)});
    Put(data.get(), 20, R8(fit), {I4(2), I4(j)});
  }
  Put(chart, 6, Flag(false));
}

// A channel list with counts in the thousands (labels in exponent form on a linear axis), in
// the look Zelvora gives the chart for paper.
void ShowChannelsOnPaper(ChartObject* chart) {
  const int channels = 4096;
  Put(chart, 7, Flag(true));
  ResetChart(chart);
  PutAt(AxisOf(chart, "x").get(), {1}, 1, Str("Channel ->"));
  PutAt(AxisOf(chart, "y").get(), {1}, 1, Str("Count ->"));
  for (const char* axis : {"x", "y"}) {
    Put(AxisOf(chart, axis).get(), 15, Flag(false));
    PutAt(AxisOf(chart, axis).get(), {29}, 7, I2(1));
    PutAt(AxisOf(chart, axis).get(), {12, 2}, 2, Flag(true));
    PutAt(AxisOf(chart, axis).get(), {12, 3}, 2, I4(RGB(240, 240, 240)));
  }
  PutAt(AxisOf(chart, "y").get(), {29}, 7, I2(9));
  PutAt(chart, {1, 3}, 1, Str(" Ba-133 and Cs-137, CsI(Tl) "));
  SetLimits(chart, 0, channels, 0, 6000);
  PutAt(chart, {5}, 1, I4(RGB(255, 255, 255)));
  PutAt(chart, {8, 4}, 1, I4(RGB(255, 255, 255)));
  PutAt(chart, {1, 1}, 2, I4(0));
  PutAt(chart, {8, 2}, 2, I4(0));
  PutAt(chart, {4}, 2, I4(4));
  PutAt(chart, {4}, 1, I4(1));
  Put(chart, 7, Flag(false));
  ObjectRef data = DataOf(chart, 1);
  Put(data.get(), 1, I4(1));
  Put(data.get(), 2, I4(1));
  Put(data.get(), 16, I4(2 * channels), {I4(1)});
  Put(chart, 6, Flag(true));
  CallMethod(Walk(chart, {10}).get(), 6);
  AddLabel(chart, 1, "csi-ba133-cs137-4094.dat", 1);
  PutAt(StyleOf(chart, 1, 1).get(), {1}, 1, I4(2));
  PutAt(StyleOf(chart, 1, 1).get(), {3}, 1, I4(1));
  PutAt(StyleOf(chart, 1, 1).get(), {1}, 3, I4(2));
  for (int j = 0; j + 1 < channels; ++j) {
    const double c = 300 * std::exp(-j / 900.0) + 5200 * std::exp(-std::pow((j - 2780) / 45.0, 2)) +
                     2500 * std::exp(-std::pow((j - 1430) / 30.0, 2)) + 900 * std::exp(-std::pow((j - 340) / 20.0, 2));
    Put(data.get(), 19, R8(j), {I4(1), I4(2 * j + 1)});
    Put(data.get(), 19, R8(j + 1), {I4(1), I4(2 * j + 2)});
    Put(data.get(), 20, R8(c), {I4(1), I4(2 * j + 1)});
    Put(data.get(), 20, R8(c), {I4(1), I4(2 * j + 2)});
  }
  Put(chart, 6, Flag(false));
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? std::string(argv[1]) + "\\" : std::string();
  HMODULE library = LoadLibraryA(kChartLibraryName);
  auto create = library ? reinterpret_cast<CreateChartControlFunction>(
                              reinterpret_cast<void*>(GetProcAddress(library, kCreateChartControlName)))
                        : nullptr;
  if (!create) {
    std::fprintf(stderr, "cannot load %s\n", kChartLibraryName);
    return 1;
  }
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "ChartDemoStage";
  RegisterClassA(&wc);
  HWND stage = CreateWindowExA(0, wc.lpszClassName, "chart demo", WS_POPUP | WS_CLIPCHILDREN, 0, 0,
                               kWidth, kHeight, nullptr, nullptr, wc.hInstance, nullptr);
  ShowWindow(stage, SW_SHOW);
  const RECT place{0, 0, kWidth, kHeight};
  ChartControl* chart = create(stage, 2, &place);
  if (!chart) return 1;
  ConfigureLikeZelvora(chart);
  Pump();
  WriteBmp(chart->Window(), folder + "chart-setup.bmp");
  ShowCurves(chart);
  Pump();
  WriteBmp(chart->Window(), folder + "chart-curves.bmp");
  ShowChannelsOnPaper(chart);
  Pump();
  WriteBmp(chart->Window(), folder + "chart-paper.bmp");
  ConfigureLikeZelvora(chart);
  ShowSpectrum(chart);
  Pump();
  WriteBmp(chart->Window(), folder + "chart-spectrum.bmp");
  WriteFiles(chart, folder);
  const DWORD until = GetTickCount() + (argc > 2 ? static_cast<DWORD>(std::atoi(argv[2])) : 0);
  while (GetTickCount() < until) {
    Pump();
    Sleep(20);
  }
  chart->Release();
  return 0;
}
