#include "plotter/app/PlotterDlg.h"

#include <utility>

#include "plotter/app/AboutDlg.h"
#include "plotter/app/PlotterOutput.h"
#include "plotter/app/core/ClockText.h"
#include "plotter/app/core/PlotSteps.h"
#include "plotter/chart/ChartAxes.h"
#include "plotter/chart/ChartSetup.h"
#include "plotter/chart/core/DataLimits.h"
#include "plotter/framework/FileDialog.h"
#include "plotter/spectrum/core/SpectrumLoad.h"
#include "resources/zelvora_ids.h"

namespace plotter {

using namespace chart;  // the chart presentation the main window drives

namespace {
constexpr UINT_PTR kClockTimer = 1;
constexpr UINT kClockPeriod = 1000;
constexpr RECT kChartStartPlace{0, 0, 790, 480};
constexpr AxisLimits kStartLimits{0.0, 1000.0, 0.0, 100.0};

constexpr int16_t kRightButton = 2;

constexpr COLORREF kStatusTextColour = RGB(0, 0, 100);
constexpr COLORREF kEditTextColour = RGB(0, 0, 150);
constexpr COLORREF kCaptionTextColour = RGB(0, 0, 150);
constexpr COLORREF kCaptionBackColour = RGB(195, 195, 175);
constexpr COLORREF kCaptionPenColour = RGB(30, 100, 160);

struct ImageButtonSetup {
  int id;
  int icon;  // 0: no icon (the caption is the picture)
  const char* tooltip;
  int menu;  // 0: acts directly
};

// clang-format off
constexpr ImageButtonSetup kImageButtons[] = {
    {IDC_LOAD_SPECTRUM,    IDI_LOAD_SPECTRUM,    "load spectrum",             0},
    {IDC_EXIT,             0,                    "exit",                      0},
    {IDC_OVERLAY_SPECTRUM, IDI_OVERLAY_SPECTRUM, "overlay spectrum",          0},
    {IDC_COPY_GRAPHIC,     IDI_COPY_GRAPHIC,     "copy graphic to clipboard", IDR_COPY_MENU},
    {IDC_SAVE_GRAPHIC,     IDI_SAVE_GRAPHIC,     "save graphic to file",      IDR_SAVE_MENU},
    {IDC_PRINT_GRAPHIC,    IDI_PRINT_GRAPHIC,    "print graphic",             0},
    {IDC_PREVIOUS_GRAPH,   IDI_PREVIOUS_GRAPH,   "previous graph",            0},
    {IDC_NEXT_GRAPH,       IDI_NEXT_GRAPH,       "next graph",                0},
};

// Controls that move with the bottom edge and keep their place on the left.
constexpr int kLeftBottomAnchors[] = {IDC_LOAD_SPECTRUM, IDC_STATUS_LINE, IDC_COPY_GRAPHIC,
                                      IDC_SAVE_GRAPHIC, IDC_PRINT_GRAPHIC};
// Controls that move with the bottom-right corner.
constexpr int kCornerAnchors[] = {
    IDC_EXIT, IDC_X_GROUP, IDC_Y_GROUP, IDC_EXIT_GROUP, IDC_PLOTS_GROUP, IDC_X_MIN_LABEL,
    IDC_X_MAX_LABEL, IDC_Y_MIN_LABEL, IDC_Y_MAX_LABEL, IDC_PREVIOUS_GRAPH, IDC_NEXT_GRAPH,
    IDC_PLOT_COUNTER, IDC_X_CAPTION, IDC_Y_CAPTION, IDC_PLOTS_CAPTION, IDC_X_LINEAR,
    IDC_X_LOGARITHMIC, IDC_Y_LINEAR, IDC_Y_LOGARITHMIC, IDC_X_MIN, IDC_X_MAX, IDC_Y_MIN,
    IDC_Y_MAX, IDC_OVERLAY_SPECTRUM, IDC_LETHARGY};
// clang-format on

bool IsCaption(int id) {
  return id == IDC_X_CAPTION || id == IDC_Y_CAPTION || id == IDC_PLOTS_CAPTION;
}

bool IsLimitEdit(int id) {
  return id == IDC_X_MIN || id == IDC_X_MAX || id == IDC_Y_MIN || id == IDC_Y_MAX;
}
}  // namespace

CPlotterDlg::CPlotterDlg(std::string commandLinePath)
    : CAnchorDlg(IDD_ZELVORA_DIALOG), commandLinePath_(std::move(commandLinePath)) {}

BOOL CPlotterDlg::OnInitDialog() {
  CAnchorDlg::OnInitDialog();
  AddAboutItemToSystemMenu();

  const int bigSize = GetSystemMetrics(SM_CXICON);
  const int smallSize = GetSystemMetrics(SM_CXSMICON);
  HINSTANCE instance = framework::ResourceInstance();
  bigIcon_.reset(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME),
                                               IMAGE_ICON, bigSize, bigSize, 0)));
  smallIcon_.reset(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME),
                                                 IMAGE_ICON, smallSize, smallSize, 0)));
  SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));

  SetTimer(hwnd(), kClockTimer, kClockPeriod, nullptr);

  SetResizeModes(kGrow, kGrow);
  for (int id : kLeftBottomAnchors) RegisterAnchor(id, kKeepPlace, kMove, 1);
  RegisterAnchor(IDC_FILE_GROUP, kGrow, kMove, 1);
  for (int id : kCornerAnchors) RegisterAnchor(id, kMove, kMove, 1);

  SetUpImageButtons();
  SetDlgItemTextA(hwnd(), IDC_PLOT_COUNTER, "0");
  CreateChart();
  captionPen_.reset(CreatePen(PS_SOLID, 1, kCaptionPenColour));

  SetXLinear();
  SetYLinear();
  lethargy_.SetCheck(0);
  ShowItem(IDC_LETHARGY, false);

  if (!commandLinePath_.empty()) LoadSpectrumFile();
  return TRUE;
}

void CPlotterDlg::AddAboutItemToSystemMenu() {
  char text[256] = "";
  LoadStringA(framework::ResourceInstance(), IDS_ABOUTBOX, text, sizeof text);
  HMENU systemMenu = GetSystemMenu(hwnd(), FALSE);
  if (!systemMenu || text[0] == '\0') return;
  AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, text);
}

void CPlotterDlg::SetUpImageButtons() {
  for (size_t i = 0; i < imageButtons_.size(); ++i) {
    const ImageButtonSetup& setup = kImageButtons[i];
    widgets::CImageButton& button = imageButtons_[i];
    if (!button.Bind(hwnd(), setup.id)) continue;
    if (setup.icon) button.AssignIcon(setup.icon);
    button.AssignTooltip(setup.tooltip, true);
    button.AssignHoverCursor(IDC_HAND_CURSOR, true);
    button.UseParentBackground(true);
    button.EnableHoverEdge(true, true);
    if (setup.menu) button.AttachDropMenu(setup.menu, hwnd(), true);
  }
  xLinear_.Bind(hwnd(), IDC_X_LINEAR);
  xLogarithmic_.Bind(hwnd(), IDC_X_LOGARITHMIC);
  yLinear_.Bind(hwnd(), IDC_Y_LINEAR);
  yLogarithmic_.Bind(hwnd(), IDC_Y_LOGARITHMIC);
  lethargy_.Bind(hwnd(), IDC_LETHARGY);
}

// Makes the chart and gives it its look. Without the chart component every chart call does
// nothing and the window works on without a graph.
void CPlotterDlg::CreateChart() {
  chart_.Create(hwnd(), IDC_CHART, kChartStartPlace);
  // The dialog had its size before the chart existed: give the chart its area at once.
  RECT client{};
  GetClientRect(hwnd(), &client);
  PlaceChart(client.right, client.bottom);
  CChart2D::EventHandlers handlers;
  handlers.limitsChanged = [this](double* values6, int32_t*) { OnChartLimitsChanged(values6); };
  handlers.mouseDown = [this](int16_t button, int16_t shift, int32_t, int32_t) {
    OnChartMouseDown(button, shift);
  };
  chart_.SetEventHandlers(std::move(handlers));
  SetUpChartLook(chart_, GetSysColor(COLOR_BTNFACE));

  // The edits' change handlers put the start limits into currentLimits and to the axes.
  SetDlgItemTextA(hwnd(), IDC_X_MIN, "0");
  SetDlgItemTextA(hwnd(), IDC_X_MAX, "1000");
  SetDlgItemTextA(hwnd(), IDC_Y_MIN, "0");
  SetDlgItemTextA(hwnd(), IDC_Y_MAX, "100");
  homeLimits_ = kStartLimits;

  SetUpChartSeries(chart_);

  ShowItem(IDC_PREVIOUS_GRAPH, true);
  ShowItem(IDC_NEXT_GRAPH, true);
  ShowItem(IDC_PLOT_COUNTER, true);
  ShowItem(IDC_OVERLAY_SPECTRUM, false);
}

void CPlotterDlg::ShowItem(int id, bool shown) {
  if (HWND item = Item(id)) ShowWindow(item, shown ? SW_SHOW : SW_HIDE);
}

bool CPlotterDlg::OnCommand(int id, int code, HWND) {
  switch (id) {
    case IDC_LOAD_SPECTRUM:
      if (code == BN_CLICKED) LoadSpectrumFile();
      return true;
    case IDC_X_LINEAR:
      SetXLinear();
      return true;
    case IDC_X_LOGARITHMIC:
      SetXLogarithmic();
      return true;
    case IDC_Y_LINEAR:
      SetYLinear();
      return true;
    case IDC_Y_LOGARITHMIC:
      SetYLogarithmic();
      return true;
    case IDC_PREVIOUS_GRAPH:
      if (code == BN_CLICKED) ShowPreviousPlot();
      return true;
    case IDC_LETHARGY:
      if (code == BN_CLICKED) ToggleLethargy();
      return true;
    case IDC_OVERLAY_SPECTRUM:
      if (code == BN_CLICKED) LoadOverlay();
      return true;
    case IDC_NEXT_GRAPH:
      if (code == BN_CLICKED) ShowNextPlot();
      return true;
    case IDC_X_MIN:
    case IDC_X_MAX:
    case IDC_Y_MIN:
    case IDC_Y_MAX:
      if (code == EN_CHANGE) OnLimitEditChanged(id);
      return true;
    case IDC_X_CAPTION:
      if (code == STN_CLICKED) ReturnXToDataRange();
      return true;
    case IDC_Y_CAPTION:
      if (code == STN_CLICKED) ReturnYToDataRange();
      return true;
    case IDC_EXIT:
      if (code == BN_CLICKED) OnCancel();
      return true;
    case IDC_COPY_GRAPHIC:
    case IDC_SAVE_GRAPHIC:
      return true;  // their menus carry the commands
    case IDC_PRINT_GRAPHIC:
      if (code == BN_CLICKED) PrintGraphic(chart_);
      return true;
    default:
      return RunOutputCommand(chart_, id, hwnd());
  }
}

// ---- Loading ---------------------------------------------------------------------------------

std::string CPlotterDlg::TakeFilePath() {
  if (firstLoad_ && !commandLinePath_.empty()) {
    firstLoad_ = false;
    return commandLinePath_;
  }
  firstLoad_ = false;
  framework::FileDialogRequest request;
  request.fileName = "*.plo;*.flu;*.phs;*.gru";
  request.filter = std::string("Varo Files") + '\0' + "*.plo;*.flu;*.phs;*.gru";
  if (!framework::RunFileDialog(request)) return {};
  return request.chosenPath;
}

void CPlotterDlg::LoadSpectrumFile() {
  const std::string path = TakeFilePath();
  if (path.empty()) return;
  // The set is replaced only when the file holds a complete block; otherwise nothing changes.
  if (spectrum::LoadSpectrumData(path, spectrum_) != spectrum::LoadOutcome::Loaded) return;

  SetWindowTextA(hwnd(), ("Zelvora  " + path).c_str());
  ShowControlsOfKind(spectrum_.fileKind);
  ShowPlotCounter();
  EnableWindow(Item(IDC_OVERLAY_SPECTRUM), TRUE);
  spectrum_.currentBlock = 0;
  ShowPlot(0);
}

void CPlotterDlg::ShowControlsOfKind(int fileKind) {
  const KindControls shown = ControlsOfKind(fileKind);
  ShowItem(IDC_PREVIOUS_GRAPH, shown.navigation);
  ShowItem(IDC_NEXT_GRAPH, shown.navigation);
  ShowItem(IDC_PLOT_COUNTER, shown.navigation);
  ShowItem(IDC_OVERLAY_SPECTRUM, shown.overlay);
  ShowItem(IDC_LETHARGY, shown.lethargy);
}

void CPlotterDlg::ShowPlotCounter() {
  SetDlgItemTextA(hwnd(), IDC_PLOT_COUNTER,
                  PlotCounterText(spectrum_.currentPlotNumber, spectrum_.plotCount).c_str());
}

// ---- Axis scales and limits ------------------------------------------------------------------

void CPlotterDlg::SetXLinear() {
  xLinear_.SetCheck(1);
  xLogarithmic_.SetCheck(0);
  SetAxisScale(chart_, "x", AxisScale::Linear);
}

void CPlotterDlg::SetXLogarithmic() {
  xLogarithmic_.SetCheck(1);
  xLinear_.SetCheck(0);
  SetAxisScale(chart_, "x", AxisScale::Logarithmic);
}

void CPlotterDlg::SetYLinear() {
  yLinear_.SetCheck(1);
  yLogarithmic_.SetCheck(0);
  SetAxisScale(chart_, "y", AxisScale::Linear);
}

void CPlotterDlg::SetYLogarithmic() {
  yLogarithmic_.SetCheck(1);
  yLinear_.SetCheck(0);
  SetAxisScale(chart_, "y", AxisScale::Logarithmic);
}

void CPlotterDlg::ScaleToData(int block) {
  const bool hasTexts = block >= 0 && block < static_cast<int>(spectrum_.blocks.size());
  std::string title = hasTexts ? spectrum_.blocks[static_cast<size_t>(block)].title : "";
  // A title read from a short first line keeps its line end, which the chart would draw.
  while (!title.empty() && (title.back() == '\n' || title.back() == '\r')) title.pop_back();
  chart_.TitleBox().Text().SetContent(title);
  const CAxis x = chart_.Axis("x");
  const CAxis y = chart_.Axis("y");
  const CAxis y2 = chart_.Axis("y2");

  // An empty block keeps the range shown before (DataLimits says why).
  currentLimits_ = DataLimits(spectrum_, block, homeLimits_);
  if (WantsLogarithmicLabels(currentLimits_)) y.TickLabels().SetLabelMode(kLogarithmicLabels);

  x.MinLimit().SetValue(currentLimits_.xMin);
  y.MinLimit().SetValue(currentLimits_.yMin);
  y2.MinLimit().SetValue(currentLimits_.yMin);
  x.MaxLimit().SetValue(currentLimits_.xMax);
  y.MaxLimit().SetValue(currentLimits_.yMax);
  y2.MaxLimit().SetValue(currentLimits_.yMax);

  // The edits round the limits to their texts and put those to the chart again.
  ShowLimits(WhichLimits::All);
  homeLimits_ = currentLimits_;

  SetGridSpacing(x, xLogarithmic_.GetCheck() ? AxisScale::Logarithmic : AxisScale::Linear);
  SetGridSpacing(y, yLogarithmic_.GetCheck() ? AxisScale::Logarithmic : AxisScale::Linear);
}

void CPlotterDlg::ShowLimits(WhichLimits which) {
  // Copies first: each edit's change handler writes its own member back.
  const AxisLimits shown = currentLimits_;
  if (which != WhichLimits::Y) {
    SetDlgItemTextA(hwnd(), IDC_X_MIN, FormatLimit(shown.xMin).c_str());
    SetDlgItemTextA(hwnd(), IDC_X_MAX, FormatLimit(shown.xMax).c_str());
  }
  if (which != WhichLimits::X) {
    SetDlgItemTextA(hwnd(), IDC_Y_MIN, FormatLimit(shown.yMin).c_str());
    SetDlgItemTextA(hwnd(), IDC_Y_MAX, FormatLimit(shown.yMax).c_str());
  }
}

// Any change of a limit edit's text, typed or written by the program, goes to currentLimits and
// to the chart at once, unchecked.
void CPlotterDlg::OnLimitEditChanged(int id) {
  char text[kLimitTextSize] = "";
  GetDlgItemTextA(hwnd(), id, text, sizeof text);
  const double value = ReadLimit(text);
  switch (id) {
    case IDC_X_MIN:
      currentLimits_.xMin = value;
      PutXMinimum(chart_, value);
      break;
    case IDC_X_MAX:
      currentLimits_.xMax = value;
      PutXMaximum(chart_, value);
      break;
    case IDC_Y_MIN:
      currentLimits_.yMin = value;
      PutYMinimum(chart_, value);
      break;
    case IDC_Y_MAX:
      currentLimits_.yMax = value;
      PutYMaximum(chart_, value);
      break;
    default:
      break;
  }
}

void CPlotterDlg::ReturnXToDataRange() {
  currentLimits_.xMin = homeLimits_.xMin;
  currentLimits_.xMax = homeLimits_.xMax;
  PutXMinimum(chart_, currentLimits_.xMin);
  PutXMaximum(chart_, currentLimits_.xMax);
  ShowLimits(WhichLimits::X);
}

void CPlotterDlg::ReturnYToDataRange() {
  currentLimits_.yMin = homeLimits_.yMin;
  currentLimits_.yMax = homeLimits_.yMax;
  PutYMinimum(chart_, currentLimits_.yMin);
  PutYMaximum(chart_, currentLimits_.yMax);
  ShowLimits(WhichLimits::Y);
}

// The chart's own limit change: its first four values; the rest stay as the chart passed them.
void CPlotterDlg::OnChartLimitsChanged(const double* values6) {
  currentLimits_ = {values6[0], values6[1], values6[2], values6[3]};
  ShowLimits(WhichLimits::All);
}

// A right click without Shift, Ctrl or Alt returns both axes to the data range.
void CPlotterDlg::OnChartMouseDown(int16_t button, int16_t shift) {
  if (button != kRightButton || shift != 0) return;
  ReturnXToDataRange();
  ReturnYToDataRange();
}

// ---- Clock, painting, window behaviour -------------------------------------------------------

void CPlotterDlg::ShowClock() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  const ClockReading reading{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
  SetDlgItemTextA(hwnd(), IDC_STATUS_LINE, FormatClockLine(reading).c_str());
}

void CPlotterDlg::OnTimer(UINT_PTR timerId) {
  if (timerId == kClockTimer) ShowClock();
}

bool CPlotterDlg::OnPaint() {
  if (!IsIconic(hwnd())) return false;
  // Minimised: the program icon, centred.
  win32::PaintDc dc(hwnd());
  RECT client{};
  GetClientRect(hwnd(), &client);
  const int cx = GetSystemMetrics(SM_CXICON);
  const int cy = GetSystemMetrics(SM_CYICON);
  DrawIcon(dc.get(), (client.right - cx + 1) / 2, (client.bottom - cy + 1) / 2, bigIcon_.get());
  return true;
}

void CPlotterDlg::OnSize(UINT type, int cx, int cy) {
  CAnchorDlg::OnSize(type, cx, cy);
  if (type == SIZE_MINIMIZED) return;
  PlaceChart(cx, cy);
}

// The chart's area: the client's full width and its height less the band.
void CPlotterDlg::PlaceChart(int cx, int cy) {
  const Rect area = ChartArea(cx, cy);
  const RECT chartArea{area.left, area.top, area.right, area.bottom};
  if (HWND chart = chart_.Window()) {
    MoveWindow(chart, chartArea.left, chartArea.top, chartArea.right, chartArea.bottom, TRUE);
    InvalidateRect(chart, nullptr, TRUE);
  }
  InvalidateRect(hwnd(), &chartArea, TRUE);
}

void CPlotterDlg::DrawCaption(HDC dc, HWND caption) {
  RECT r{};
  GetClientRect(caption, &r);
  InflateRect(&r, -1, 0);
  {
    win32::SelectGuard pen(dc, captionPen_.get());
    win32::SelectGuard brush(dc, GetStockObject(WHITE_BRUSH));
    RoundRect(dc, r.left, r.top, r.right, r.bottom, 3, 3);
  }
  SetTextColor(dc, kCaptionTextColour);
  SetBkColor(dc, kCaptionBackColour);
  SetBkMode(dc, OPAQUE);
}

HBRUSH CPlotterDlg::OnCtlColor(HDC dc, HWND control, UINT message) {
  const int id = GetDlgCtrlID(control);
  if (message == WM_CTLCOLOREDIT && IsLimitEdit(id)) {
    SetTextColor(dc, kEditTextColour);
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
  }
  if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORBTN) return nullptr;
  if (id == IDC_STATUS_LINE || id == IDC_PLOT_COUNTER) {
    SetTextColor(dc, kStatusTextColour);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
  }
  if (IsCaption(id)) {
    DrawCaption(dc, control);
    return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
  }
  if (id == IDC_LETHARGY) {
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
  }
  return nullptr;
}

bool CPlotterDlg::OnSysCommand(UINT id, LPARAM) {
  if (id != IDM_ABOUTBOX) return false;
  ShowAboutBox(hwnd());
  return true;
}

INT_PTR CPlotterDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
  switch (msg) {
    case WM_LBUTTONDOWN: {
      // The window's own surface drags it, as its title bar would.
      POINT p{};
      GetCursorPos(&p);
      ReleaseCapture();
      SendMessageA(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(p.x, p.y));
      handled = true;
      return TRUE;
    }
    case WM_QUERYDRAGICON:
      handled = true;
      return reinterpret_cast<INT_PTR>(bigIcon_.get());
    default:
      return CAnchorDlg::OnMessage(msg, wParam, lParam, handled);
  }
}

}  // namespace plotter
