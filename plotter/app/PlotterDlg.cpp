#include "PlotterDlg.h"

#include <cstdio>

#include "ClockText.h"
#include "FileDialog.h"
#include "SpectrumLoad.h"
#include "zelvora_ids.h"

namespace {
constexpr UINT_PTR kClockTimer = 1;
constexpr UINT kClockPeriod = 1000;
constexpr int kBandHeight = 90;  // the band of controls below the chart

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
  bigIcon_.reset(static_cast<HICON>(LoadImageA(ResourceInstance(), MAKEINTRESOURCEA(IDR_MAINFRAME),
                                               IMAGE_ICON, bigSize, bigSize, 0)));
  smallIcon_.reset(static_cast<HICON>(LoadImageA(ResourceInstance(),
                                                 MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                                 smallSize, smallSize, 0)));
  SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));

  SetTimer(hwnd(), kClockTimer, kClockPeriod, nullptr);

  SetResizeModes(kGrow, kGrow);
  for (int id : kLeftBottomAnchors) RegisterAnchor(id, kKeepPlace, kMove, 1);
  RegisterAnchor(IDC_FILE_GROUP, kGrow, kMove, 1);
  for (int id : kCornerAnchors) RegisterAnchor(id, kMove, kMove, 1);

  SetUpImageButtons();
  SetDlgItemTextA(hwnd(), IDC_PLOT_COUNTER, "0");

  // Until the chart takes its place: the navigation controls shown, the overlay button hidden.
  ShowItem(IDC_PREVIOUS_GRAPH, true);
  ShowItem(IDC_NEXT_GRAPH, true);
  ShowItem(IDC_PLOT_COUNTER, true);
  ShowItem(IDC_OVERLAY_SPECTRUM, false);

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
  LoadStringA(ResourceInstance(), IDS_ABOUTBOX, text, sizeof text);
  HMENU systemMenu = GetSystemMenu(hwnd(), FALSE);
  if (!systemMenu || text[0] == '\0') return;
  AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, text);
}

void CPlotterDlg::SetUpImageButtons() {
  for (size_t i = 0; i < imageButtons_.size(); ++i) {
    const ImageButtonSetup& setup = kImageButtons[i];
    CImageButton& button = imageButtons_[i];
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
    case IDC_NEXT_GRAPH:
      if (code == BN_CLICKED) ShowNextPlot();
      return true;
    case IDC_EXIT:
      if (code == BN_CLICKED) OnCancel();
      return true;
    case IDC_COPY_GRAPHIC:
    case IDC_SAVE_GRAPHIC:
      return true;  // their menus carry the commands
    default:
      return false;
  }
}

// ---- Loading ---------------------------------------------------------------------------------

std::string CPlotterDlg::TakeFilePath() {
  if (firstLoad_ && !commandLinePath_.empty()) {
    firstLoad_ = false;
    return commandLinePath_;
  }
  firstLoad_ = false;
  FileDialogRequest request;
  request.fileName = "*.plo;*.flu;*.phs;*.gru";
  request.filter = std::string("Varo Files") + '\0' + "*.plo;*.flu;*.phs;*.gru";
  if (!RunFileDialog(request)) return {};
  return request.chosenPath;
}

void CPlotterDlg::LoadSpectrumFile() {
  const std::string path = TakeFilePath();
  if (path.empty()) return;
  // The set is replaced only when the file holds a complete block; otherwise nothing changes.
  if (LoadSpectrumData(path, spectrum_) != LoadOutcome::Loaded) return;

  SetWindowTextA(hwnd(), ("Zelvora  " + path).c_str());
  ShowControlsOfKind(spectrum_.fileKind);
  ShowPlotCounter();
  EnableWindow(Item(IDC_OVERLAY_SPECTRUM), TRUE);
  spectrum_.currentBlock = 0;
  ShowPlot(0);
}

void CPlotterDlg::ShowControlsOfKind(int fileKind) {
  const bool navigation = fileKind == PlotFile;
  ShowItem(IDC_PREVIOUS_GRAPH, navigation);
  ShowItem(IDC_NEXT_GRAPH, navigation);
  ShowItem(IDC_PLOT_COUNTER, navigation);
  ShowItem(IDC_OVERLAY_SPECTRUM, fileKind == SpectrumFile || fileKind == ChannelFile);
  ShowItem(IDC_LETHARGY, fileKind == SpectrumFile);
}

void CPlotterDlg::ShowPlotCounter() {
  char text[64];
  std::snprintf(text, sizeof text, "%i/%i", spectrum_.currentPlotNumber, spectrum_.plotCount);
  SetDlgItemTextA(hwnd(), IDC_PLOT_COUNTER, text);
}

// Builds the plot whose first curve is `block`. The chart's plot builders draw it; until they
// are in place only the Lethargy box follows the form of the values.
void CPlotterDlg::ShowPlot(int block) {
  (void)block;
  if (spectrum_.fileKind == SpectrumFile) lethargy_.SetCheck(spectrum_.lethargyShown ? 1 : 0);
}

// ---- Navigation ------------------------------------------------------------------------------

void CPlotterDlg::ShowNextPlot() { StepPlot(+1); }
void CPlotterDlg::ShowPreviousPlot() { StepPlot(-1); }

void CPlotterDlg::StepPlot(int step) {
  SpectrumSet& s = spectrum_;
  if (s.currentPlotNumber == 0) return;
  if (step > 0)
    s.currentPlotNumber = s.currentPlotNumber < s.plotCount ? s.currentPlotNumber + 1 : 1;
  else
    s.currentPlotNumber = s.currentPlotNumber > 1 ? s.currentPlotNumber - 1 : s.plotCount;
  ShowPlotCounter();

  int found = 0;
  for (int b = 0; b < s.blockCount && b < static_cast<int>(s.blocks.size()); ++b) {
    if (s.blocks[b].plotNumber != 0 && ++found == s.currentPlotNumber) {
      s.currentBlock = b;
      ShowPlot(b);
      return;
    }
  }
}

// ---- Axis scales -----------------------------------------------------------------------------

void CPlotterDlg::SetXLinear() {
  xLinear_.SetCheck(1);
  xLogarithmic_.SetCheck(0);
}

void CPlotterDlg::SetXLogarithmic() {
  xLogarithmic_.SetCheck(1);
  xLinear_.SetCheck(0);
}

void CPlotterDlg::SetYLinear() {
  yLinear_.SetCheck(1);
  yLogarithmic_.SetCheck(0);
}

void CPlotterDlg::SetYLogarithmic() {
  yLogarithmic_.SetCheck(1);
  yLinear_.SetCheck(0);
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
  PaintDc dc(hwnd());
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
  // The chart's area: the client's full width and its height less the band.
  RECT chartArea{0, 0, cx, cy - kBandHeight};
  InvalidateRect(hwnd(), &chartArea, TRUE);
}

void CPlotterDlg::DrawCaption(HDC dc, HWND caption) {
  RECT r{};
  GetClientRect(caption, &r);
  InflateRect(&r, -1, 0);
  {
    SelectGuard pen(dc, captionPen_.get());
    SelectGuard brush(dc, GetStockObject(WHITE_BRUSH));
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
  // The about box comes with its own window; until then the item does nothing.
  return id == IDM_ABOUTBOX;
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
