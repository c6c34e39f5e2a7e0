#include "plotter/app/PlotterOutput.h"

#include <array>
#include <string>

#include "plotter/framework/FileDialog.h"
#include "resources/zelvora_ids.h"

namespace plotter {

namespace {

using chart::CChart2D;

constexpr int32_t kBitmap = 1;
constexpr int32_t kWindowsMetafile = 2;
constexpr int32_t kEnhancedMetafile = 3;

enum class Writer { Graph, Jpeg, Png };

struct CopyCommand {
  int id;
  int32_t format;
};

struct SaveCommand {
  int id;
  const char* proposedName;
  const char* typeEntry;  // the whole filter text: a description with no pattern part
  Writer writer;
  int32_t format;  // for Writer::Graph
};

// clang-format off
constexpr CopyCommand kCopyCommands[] = {
    {ID_COPY_EMF, kEnhancedMetafile},
    {ID_COPY_WMF, kWindowsMetafile},
    {ID_COPY_BMP, kBitmap},
};

constexpr SaveCommand kSaveCommands[] = {
    {ID_SAVE_BMP, "Zelvora01.bmp", "BMP File (*.bmp)",           Writer::Graph, kBitmap},
    {ID_SAVE_JPG, "Zelvora01.jpg", "JPG File (*.jpg)",           Writer::Jpeg,  0},
    {ID_SAVE_EMF, "Zelvora01.emf", "Enhanced Meta File (*.emf)", Writer::Graph, kEnhancedMetafile},
    {ID_SAVE_WMF, "Zelvora01.wmf", "Windows Meta File (*.wmf)",  Writer::Graph, kWindowsMetafile},
    {ID_SAVE_PNG, "Zelvora01.png", "PNG File (*.png)",           Writer::Png,   0},
};
// clang-format on

constexpr int kCurves = 1;       // the series group of the curves
constexpr int kSeriesCount = 20;
constexpr int32_t kJpegQuality = 80;
constexpr std::array<int32_t, 6> kPrintCodes{2, 5, 0, 0, 0, 0};  // the page's size, 5 mm margin

// The set-up's outer colour rule: the button face less 5 in each channel, in one subtraction.
constexpr int32_t kOuterShade = 328965;

// Asks for the file name and writes the graph there, the path exactly as chosen: no extension is
// added or changed, and an existing file is replaced without a question.
void SaveGraphic(const CChart2D& chart, const SaveCommand& command, HWND owner) {
  framework::FileDialogRequest request;
  request.save = true;
  request.owner = owner;
  request.fileName = command.proposedName;
  request.filter = command.typeEntry;
  if (!framework::RunFileDialog(request)) return;
  switch (command.writer) {
    case Writer::Graph:
      chart.WriteGraph(request.chosenPath, command.format);
      break;
    case Writer::Jpeg:
      chart.WriteJpeg(request.chosenPath, kJpegQuality, {false, true, false});
      break;
    case Writer::Png:
      chart.WritePng(request.chosenPath, false);
      break;
  }
}

void SetCurveWidth(const CChart2D& chart, int32_t width) {
  chart.SetHoldRedraw(true);
  for (int n = 1; n <= kSeriesCount; ++n)
    chart.Group(kCurves).SeriesStyles().Item(n).Stroke().SetStrokeWidth(width);
  chart.SetHoldRedraw(false);
}

void SetGridColour(const CChart2D& chart, COLORREF colour) {
  chart.Axis("x").Grid().GridLine().SetLineColour(colour);
  chart.Axis("y").Grid().GridLine().SetLineColour(colour);
}

}  // namespace

bool RunOutputCommand(const CChart2D& chart, int commandId, HWND owner) {
  for (const CopyCommand& command : kCopyCommands) {
    if (command.id != commandId) continue;
    chart.CopyGraph(command.format);
    return true;
  }
  for (const SaveCommand& command : kSaveCommands) {
    if (command.id != commandId) continue;
    SaveGraphic(chart, command, owner);
    return true;
  }
  return false;
}

// The screen look restored afterwards is not the set-up's: the graph area keeps no frame, a
// background of 225 grey rather than 235 and grid lines of 210 grey rather than 225, and later
// plots do not set these again.
void PrintGraphic(const CChart2D& chart) {
  SetCurveWidth(chart, 2);

  chart.OuterColours().SetBack(RGB(255, 255, 255));
  chart.GraphArea().Colours().SetBack(RGB(255, 255, 255));
  chart.TitleBox().Frame().SetFrameKind(0);
  chart.GraphArea().Frame().SetFrameKind(0);
  chart.OuterFrame().SetFrameKind(4);
  chart.OuterFrame().SetFrameWidth(1);
  SetGridColour(chart, RGB(240, 240, 240));

  chart.PrintGraph(kPrintCodes);

  chart.OuterColours().SetBackValue(static_cast<int32_t>(GetSysColor(COLOR_BTNFACE)) - kOuterShade);
  chart.GraphArea().Colours().SetBack(RGB(225, 225, 225));
  chart.TitleBox().Frame().SetFrameKind(5);
  chart.OuterFrame().SetFrameKind(9);
  chart.OuterFrame().SetFrameWidth(2);
  SetGridColour(chart, RGB(210, 210, 210));

  SetCurveWidth(chart, 1);
}

}  // namespace plotter
