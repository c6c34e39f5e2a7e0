// The main window made from its resources and driven through its messages.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <set>
#include <string>

#include "common/win32/Handles.h"
#include "plotter/app/PlotterDlg.h"
#include "plotter/framework/FileDialog.h"
#include "resources/zelvora_ids.h"
#include "tests/support/Messages.h"

namespace plotter {
namespace {

using framework::FileDialogRequest;
using framework::SetFileDialogAnswerer;

std::string TempFolder() {
  char path[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, path);
  std::string folder = std::string(path) + "zelvora-app-tests\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

std::string WriteFile(const std::string& name, const std::string& text) {
  const std::string path = TempFolder() + name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

// Three bins; the second asks for F(E)*E.
const char kSpectrum[] =
    "Test spectrum\n1 0 0\n1 0 3 4.0\n1.0 10.0 0\n2.0 20.0 0\n3.0 30.0 0\n4.0 0.0 0\n";
const char kLethargySpectrum[] = "Lethargy\n1 0 0\n2 0 2 4.0\n1.0 10.0 0\n2.0 20.0 0\n4.0 0.0 0\n";

// A plot block of two points with plot number `plot`.
std::string PlotBlock(int plot) {
  return "2 " + std::to_string(plot) + " 0 0\n0 0 0\nlabel\n1 2 10 20 0.1 0.2\n";
}

std::string WindowText(HWND hwnd) {
  char text[512] = "";
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

RECT ClientRectOf(HWND dialog, int id) {
  RECT r{};
  GetWindowRect(GetDlgItem(dialog, id), &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// Colours seen on screen inside a control (its pixels as the display shows them).
size_t ColoursOnScreen(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  win32::WindowDc screen(nullptr);
  std::set<COLORREF> colours;
  for (LONG y = r.top + 2; y < r.bottom - 2; y += 2)
    for (LONG x = r.left + 2; x < r.right - 2; x += 2) colours.insert(GetPixel(screen.get(), x, y));
  return colours.size();
}

class PlotterDlgTest : public testing::Test {
 protected:
  void Open(const std::string& commandLinePath = {}) {
    dialog_ = std::make_unique<CPlotterDlg>(commandLinePath);
    hwnd_ = dialog_->Create();
    ASSERT_NE(hwnd_, nullptr);
  }
  void TearDown() override {
    SetFileDialogAnswerer(nullptr);
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  }
  // Clicks "load spectrum" with the open dialog answering `path` (empty: Cancel).
  void Load(const std::string& path) {
    SetFileDialogAnswerer([this, path](FileDialogRequest& request) {
      lastRequest_ = request;
      request.chosenPath = path;
      return !path.empty();
    });
    Click(IDC_LOAD_SPECTRUM);
  }
  void Click(int id) {
    SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hwnd_, id)));
  }
  bool Shown(int id) const {
    return (GetWindowLongPtrA(GetDlgItem(hwnd_, id), GWL_STYLE) & WS_VISIBLE) != 0;
  }
  std::string Text(int id) const { return WindowText(GetDlgItem(hwnd_, id)); }
  const spectrum::SpectrumSet& set() const { return dialog_->spectrum(); }

  std::unique_ptr<CPlotterDlg> dialog_;
  HWND hwnd_ = nullptr;
  FileDialogRequest lastRequest_;
};

TEST_F(PlotterDlgTest, StartsEmptyWithNavigationShownLinearAxesAndTheAboutItem) {
  Open();
  EXPECT_EQ(WindowText(hwnd_), "Zelvora");
  EXPECT_EQ(Text(IDC_PLOT_COUNTER), "0");
  EXPECT_TRUE(Shown(IDC_PREVIOUS_GRAPH) && Shown(IDC_NEXT_GRAPH) && Shown(IDC_PLOT_COUNTER));
  EXPECT_FALSE(Shown(IDC_OVERLAY_SPECTRUM) || Shown(IDC_LETHARGY));
  EXPECT_EQ(IsDlgButtonChecked(hwnd_, IDC_LETHARGY), BST_UNCHECKED);
  EXPECT_EQ(IsDlgButtonChecked(hwnd_, IDC_X_LINEAR), BST_CHECKED);
  EXPECT_EQ(IsDlgButtonChecked(hwnd_, IDC_Y_LINEAR), BST_CHECKED);
  char text[128] = "";
  GetMenuStringA(GetSystemMenu(hwnd_, FALSE), IDM_ABOUTBOX, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "Inf&o \xFC" "ber Zelvora...");

  // Navigation before any load does nothing.
  Click(IDC_NEXT_GRAPH);
  EXPECT_EQ(Text(IDC_PLOT_COUNTER), "0");
  EXPECT_EQ(set().currentPlotNumber, 0);
}

TEST_F(PlotterDlgTest, ClockTimerWritesTheStatusLineAndEnterKeepsTheWindow) {
  Open();
  SendMessageA(hwnd_, WM_TIMER, 1, 0);
  const std::string line = Text(IDC_STATUS_LINE);
  EXPECT_TRUE(line.size() == 23u && line.substr(11, 3) == "   ") << line;
  SetDlgItemTextA(hwnd_, IDC_STATUS_LINE, "x");
  SendMessageA(hwnd_, WM_TIMER, 2, 0);  // another timer leaves it alone
  EXPECT_EQ(Text(IDC_STATUS_LINE), "x");

  SendMessageA(hwnd_, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(IsWindow(hwnd_));
  SendMessageA(hwnd_, WM_COMMAND, IDCANCEL, 0);
  EXPECT_FALSE(IsWindow(hwnd_));
  Open();
  Click(IDC_EXIT);
  EXPECT_FALSE(IsWindow(hwnd_));
}

TEST_F(PlotterDlgTest, EnlargingMovesTheBandAndShrinkingIsRefused) {
  Open();
  RECT window{};
  GetWindowRect(hwnd_, &window);
  const RECT group = ClientRectOf(hwnd_, IDC_FILE_GROUP);
  const RECT load = ClientRectOf(hwnd_, IDC_LOAD_SPECTRUM);
  const RECT exit = ClientRectOf(hwnd_, IDC_EXIT);
  SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left + 100,
               window.bottom - window.top + 50, SWP_NOMOVE | SWP_NOZORDER);

  const RECT group2 = ClientRectOf(hwnd_, IDC_FILE_GROUP);
  EXPECT_TRUE(group2.left == group.left && group2.right == group.right + 100);
  EXPECT_EQ(group2.top, group.top + 50);
  const RECT load2 = ClientRectOf(hwnd_, IDC_LOAD_SPECTRUM);
  EXPECT_TRUE(load2.left == load.left && load2.top == load.top + 50);
  const RECT exit2 = ClientRectOf(hwnd_, IDC_EXIT);
  EXPECT_TRUE(exit2.left == exit.left + 100 && exit2.top == exit.top + 50);
  RECT client{};
  GetClientRect(hwnd_, &client);
  const RECT grip = ClientRectOf(hwnd_, IDC_SIZE_GRIP);
  EXPECT_TRUE(grip.right == client.right && grip.bottom == client.bottom);
  EXPECT_EQ(grip.right - grip.left, 10);

  MINMAXINFO info{};
  SendMessageA(hwnd_, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, window.right - window.left);
  EXPECT_EQ(info.ptMinTrackSize.y, window.bottom - window.top);
}

TEST_F(PlotterDlgTest, ResizedBandPaintsItsButtonsAgain) {
  Open();
  // On top, at the bottom of the screen: clear of the windows other test programs show.
  RECT start{};
  GetWindowRect(hwnd_, &start);
  const int bottom = GetSystemMetrics(SM_CYSCREEN) - (start.bottom - start.top) - 80;
  SetWindowPos(hwnd_, HWND_TOPMOST, 0, bottom, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  testsupport::PumpFor(200);  // paints included, without asking any window to paint
  ASSERT_GT(ColoursOnScreen(GetDlgItem(hwnd_, IDC_LOAD_SPECTRUM)), 3u) << "icon not shown at all";

  SetWindowPos(hwnd_, nullptr, 0, 0, start.right - start.left + 90, start.bottom - start.top + 70,
               SWP_NOMOVE | SWP_NOZORDER);
  testsupport::PumpFor(200);
  // Each moved button shows its picture again, not the dialog's face painted over it.
  EXPECT_GT(ColoursOnScreen(GetDlgItem(hwnd_, IDC_LOAD_SPECTRUM)), 3u);
  EXPECT_GT(ColoursOnScreen(GetDlgItem(hwnd_, IDC_PRINT_GRAPHIC)), 3u);
}

TEST_F(PlotterDlgTest, MinimisingAndRestoringKeepsTheLayout) {
  Open();
  const RECT exit = ClientRectOf(hwnd_, IDC_EXIT);
  const RECT group = ClientRectOf(hwnd_, IDC_FILE_GROUP);
  ShowWindow(hwnd_, SW_MINIMIZE);
  // A size notice while minimised must not lay the band out for a zero-sized client.
  SendMessageA(hwnd_, WM_SIZE, SIZE_MINIMIZED, 0);
  ShowWindow(hwnd_, SW_RESTORE);
  const RECT exit2 = ClientRectOf(hwnd_, IDC_EXIT);
  const RECT group2 = ClientRectOf(hwnd_, IDC_FILE_GROUP);
  EXPECT_TRUE(EqualRect(&exit, &exit2) && EqualRect(&group, &group2));
}

TEST_F(PlotterDlgTest, LoadAsksWithTheVaroFilterAndCancelChangesNothing) {
  Open();
  Load("");
  EXPECT_EQ(lastRequest_.fileName, "*.plo;*.flu;*.phs;*.gru");
  EXPECT_EQ(lastRequest_.filter.substr(0, 11), std::string("Varo Files") + '\0');
  EXPECT_TRUE(!lastRequest_.save && lastRequest_.owner == nullptr && lastRequest_.flags == 0u);
  EXPECT_EQ(WindowText(hwnd_), "Zelvora");
  EXPECT_EQ(set().currentPlotNumber, 0);
}

TEST_F(PlotterDlgTest, SpectrumFileShowsOverlayAndLethargyAndSetsTheTitle) {
  Open();
  const std::string path = WriteFile("plain.flu", kSpectrum);
  Load(path);
  EXPECT_EQ(WindowText(hwnd_), "Zelvora  " + path);
  EXPECT_EQ(set().pointCount[0], 3);
  EXPECT_FALSE(Shown(IDC_PREVIOUS_GRAPH) || Shown(IDC_NEXT_GRAPH) || Shown(IDC_PLOT_COUNTER));
  EXPECT_TRUE(Shown(IDC_OVERLAY_SPECTRUM) && Shown(IDC_LETHARGY));
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hwnd_, IDC_OVERLAY_SPECTRUM)));
  EXPECT_EQ(IsDlgButtonChecked(hwnd_, IDC_LETHARGY), BST_UNCHECKED);

  // A file asking for F(E)*E ticks the box; the next plain file clears it again.
  Load(WriteFile("lethargy.flu", kLethargySpectrum));
  EXPECT_EQ(IsDlgButtonChecked(hwnd_, IDC_LETHARGY), BST_CHECKED);
  Load(path);
  EXPECT_EQ(IsDlgButtonChecked(hwnd_, IDC_LETHARGY), BST_UNCHECKED);

  // A channel list shows the overlay button only.
  Load(WriteFile("counts.dat", "5\n7\n9\n11\n"));
  EXPECT_TRUE(Shown(IDC_OVERLAY_SPECTRUM));
  EXPECT_FALSE(Shown(IDC_NEXT_GRAPH) || Shown(IDC_LETHARGY));
}

TEST_F(PlotterDlgTest, PlotFileShowsNavigationAndWrapsAround) {
  Open();
  Load(WriteFile("three.plo", PlotBlock(1) + PlotBlock(2) + PlotBlock(0) + PlotBlock(0) +
                                  PlotBlock(-1) + PlotBlock(0)));
  EXPECT_EQ(Text(IDC_PLOT_COUNTER), "1/3");
  EXPECT_TRUE(Shown(IDC_NEXT_GRAPH));
  EXPECT_FALSE(Shown(IDC_OVERLAY_SPECTRUM) || Shown(IDC_LETHARGY));

  const std::pair<int, std::pair<std::string, int>> steps[] = {
      {IDC_PREVIOUS_GRAPH, {"3/3", 4}}, {IDC_NEXT_GRAPH, {"1/3", 0}}, {IDC_NEXT_GRAPH, {"2/3", 1}}};
  for (const auto& [button, shown] : steps) {
    Click(button);
    EXPECT_EQ(Text(IDC_PLOT_COUNTER), shown.first);
    EXPECT_EQ(set().currentBlock, shown.second);
  }
}

TEST_F(PlotterDlgTest, AFileWithoutACompleteBlockLeavesThePreviousFileShown) {
  Open();
  const std::string good = WriteFile("good.flu", kSpectrum);
  Load(good);
  const std::string bad[] = {WriteFile("short.flu", "one line\ntwo lines\n"),
                             WriteFile("cut.plo", "5 1 0 0\n0 0 0\nlabel\n1 2 3\n"),
                             WriteFile("empty.flu", ""), TempFolder() + "missing.flu"};
  for (const std::string& path : bad) {
    Load(path);
    EXPECT_EQ(WindowText(hwnd_), "Zelvora  " + good) << path;
    EXPECT_EQ(set().filePath, good) << path;
    EXPECT_EQ(set().pointCount[0], 3) << path;
    EXPECT_TRUE(Shown(IDC_LETHARGY)) << path;
  }
}

TEST_F(PlotterDlgTest, CommandLinePathLoadsAtStartWithoutTheDialog) {
  bool asked = false;
  SetFileDialogAnswerer([&asked](FileDialogRequest&) { return asked = true, false; });
  const std::string path = WriteFile("start.dat", "1\n2\n3\n");
  Open(path);
  EXPECT_FALSE(asked);
  EXPECT_EQ(WindowText(hwnd_), "Zelvora  " + path);
  EXPECT_EQ(set().fileKind, spectrum::ChannelFile);
  SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(IDC_LOAD_SPECTRUM, BN_CLICKED), 0);
  EXPECT_TRUE(asked);  // later loads ask
}

}  // namespace
}  // namespace plotter
