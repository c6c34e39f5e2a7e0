// The main window made from its resources and driven through its messages: start, clock, band
// layout, the controls of each file kind, and loads that fail.
#include <set>

#include "common/win32/Handles.h"
#include "tests/plotter/app/MainWindowTest.h"
#include "tests/support/Messages.h"

namespace plotter {
namespace {

// Three bins; the second file asks for F(E)*E.
const char kSpectrum[] = "Test spectrum\n1 0 0\n1 0 3 4.0\n1.0 10.0 0\n2.0 20.0 0\n3.0 30.0 0\n4.0 0.0 0\n";
const char kLethargySpectrum[] = "Lethargy\n1 0 0\n2 0 2 4.0\n1.0 10.0 0\n2.0 20.0 0\n4.0 0.0 0\n";

RECT PlaceOf(HWND dialog, int id) {
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

using PlotterDlgTest = MainWindowTest;

TEST_F(PlotterDlgTest, StartsEmptyWithNavigationShownLinearAxesAndTheAboutItem) {
  EXPECT_EQ(Title(), "Zelvora");
  EXPECT_EQ(Text(IDC_PLOT_COUNTER), "0");
  EXPECT_TRUE(Shown(IDC_PREVIOUS_GRAPH) && Shown(IDC_NEXT_GRAPH) && Shown(IDC_PLOT_COUNTER));
  EXPECT_FALSE(Shown(IDC_OVERLAY_SPECTRUM) || Shown(IDC_LETHARGY) || Checked(IDC_LETHARGY));
  EXPECT_TRUE(Checked(IDC_X_LINEAR) && Checked(IDC_Y_LINEAR));
  char text[128] = "";
  GetMenuStringA(GetSystemMenu(hwnd_, FALSE), IDM_ABOUTBOX, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "Inf&o \xFC" "ber Zelvora...");
  Click(IDC_NEXT_GRAPH);  // navigation before any load does nothing
  EXPECT_EQ(Text(IDC_PLOT_COUNTER), "0");
  EXPECT_EQ(set().currentPlotNumber, 0);
}

TEST_F(PlotterDlgTest, ClockTimerWritesTheStatusLineAndEnterKeepsTheWindow) {
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

TEST_F(PlotterDlgTest, EnlargingMovesTheBandShrinkingIsRefusedAndMinimisingKeepsTheLayout) {
  RECT window{};
  GetWindowRect(hwnd_, &window);
  const RECT group = PlaceOf(hwnd_, IDC_FILE_GROUP), load = PlaceOf(hwnd_, IDC_LOAD_SPECTRUM),
             exit = PlaceOf(hwnd_, IDC_EXIT);
  SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left + 100, window.bottom - window.top + 50,
               SWP_NOMOVE | SWP_NOZORDER);
  const RECT group2 = PlaceOf(hwnd_, IDC_FILE_GROUP), load2 = PlaceOf(hwnd_, IDC_LOAD_SPECTRUM),
             exit2 = PlaceOf(hwnd_, IDC_EXIT), grip = PlaceOf(hwnd_, IDC_SIZE_GRIP);
  EXPECT_TRUE(group2.left == group.left && group2.right == group.right + 100 && group2.top == group.top + 50);
  EXPECT_TRUE(load2.left == load.left && load2.top == load.top + 50);
  EXPECT_TRUE(exit2.left == exit.left + 100 && exit2.top == exit.top + 50);
  RECT client{};
  GetClientRect(hwnd_, &client);
  EXPECT_TRUE(grip.right == client.right && grip.bottom == client.bottom && grip.right - grip.left == 10);

  MINMAXINFO info{};
  SendMessageA(hwnd_, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, window.right - window.left);
  EXPECT_EQ(info.ptMinTrackSize.y, window.bottom - window.top);

  // A size notice while minimised must not lay the band out for a zero-sized client.
  ShowWindow(hwnd_, SW_MINIMIZE);
  SendMessageA(hwnd_, WM_SIZE, SIZE_MINIMIZED, 0);
  ShowWindow(hwnd_, SW_RESTORE);
  const RECT exit3 = PlaceOf(hwnd_, IDC_EXIT), group3 = PlaceOf(hwnd_, IDC_FILE_GROUP);
  EXPECT_TRUE(EqualRect(&exit2, &exit3) && EqualRect(&group2, &group3));
}

TEST_F(PlotterDlgTest, ResizedBandPaintsItsButtonsAgain) {
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

TEST_F(PlotterDlgTest, EachFileKindShowsItsControlsAndSetsTheTitle) {
  Load("");  // cancelled: nothing changes
  EXPECT_EQ(request_.fileName, "*.plo;*.flu;*.phs;*.gru");
  EXPECT_EQ(request_.filter.substr(0, 11), std::string("Varo Files") + '\0');
  EXPECT_TRUE(!request_.save && request_.owner == nullptr && request_.flags == 0u);
  EXPECT_EQ(Title(), "Zelvora");

  const std::string path = WriteFile("plain.flu", kSpectrum);
  Load(path);
  EXPECT_EQ(Title(), "Zelvora  " + path);
  EXPECT_FALSE(Shown(IDC_PREVIOUS_GRAPH) || Shown(IDC_NEXT_GRAPH) || Shown(IDC_PLOT_COUNTER));
  EXPECT_TRUE(Shown(IDC_OVERLAY_SPECTRUM) && Shown(IDC_LETHARGY) && !Checked(IDC_LETHARGY));
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hwnd_, IDC_OVERLAY_SPECTRUM)));
  // A file asking for F(E)*E ticks the box; the next plain file clears it again.
  Load(WriteFile("lethargy.flu", kLethargySpectrum));
  EXPECT_TRUE(Checked(IDC_LETHARGY));
  Load(path);
  EXPECT_FALSE(Checked(IDC_LETHARGY));

  Load(WriteFile("counts.dat", "5\n7\n9\n11\n"));  // a channel list: the overlay button only
  EXPECT_TRUE(Shown(IDC_OVERLAY_SPECTRUM));
  EXPECT_FALSE(Shown(IDC_NEXT_GRAPH) || Shown(IDC_LETHARGY));
  Load(WriteFile("two.plo", "2 1 0 0\n0 0 0\nlabel\n1 2 10 20 0.1 0.2\n"));  // navigation again
  EXPECT_TRUE(Shown(IDC_NEXT_GRAPH) && Shown(IDC_PLOT_COUNTER));
  EXPECT_FALSE(Shown(IDC_OVERLAY_SPECTRUM) || Shown(IDC_LETHARGY));
}

TEST_F(PlotterDlgTest, AFileWithoutACompleteBlockLeavesThePreviousFileShown) {
  const std::string good = WriteFile("good.flu", kSpectrum);
  Load(good);
  for (const std::string& path : {WriteFile("short.flu", "one line\ntwo lines\n"),
                                  WriteFile("cut.plo", "5 1 0 0\n0 0 0\nlabel\n1 2 3\n"), WriteFile("empty.flu", ""),
                                  Folder() + "missing.flu"}) {
    Load(path);
    EXPECT_EQ(Title(), "Zelvora  " + good) << path;
    EXPECT_TRUE(set().filePath == good && set().pointCount[0] == 3 && Shown(IDC_LETHARGY)) << path;
  }
}

TEST_F(PlotterDlgTest, CommandLinePathLoadsAtStartWithoutTheDialog) {
  bool asked = false;
  framework::SetFileDialogAnswerer([&asked](framework::FileDialogRequest&) { return asked = true, false; });
  const std::string path = WriteFile("start.dat", "1\n2\n3\n");
  Open(path);
  EXPECT_FALSE(asked);
  EXPECT_EQ(Title(), "Zelvora  " + path);
  EXPECT_EQ(set().fileKind, spectrum::ChannelFile);
  Click(IDC_LOAD_SPECTRUM);
  EXPECT_TRUE(asked);  // later loads ask
}

}  // namespace
}  // namespace plotter
