// The character chart and the error-code window on the real windows: clicks sent as the system
// sends them, the clipboard read back from another thread, placements in the registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "editor/app/EditorState.h"
#include "editor/app/Frame.h"
#include "editor/app/ToolWindows.h"
#include "editor/app/TrayIcon.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"
#include "tests/editor/app/AppTestSupport.h"
#include "tests/editor/support/BoxRecorder.h"
#include "tests/support/Messages.h"
#include "tests/support/Picture.h"

using testsupport::Picture;

namespace {

// With QUILLET_SHOT_PAUSE=<ms> set, a test holds its windows on the screen for a screenshot.
void Linger() {
  if (const char* pause = std::getenv("QUILLET_SHOT_PAUSE")) testsupport::PumpFor(std::atoi(pause));
}

std::string Title(HWND window) {
  char title[256] = "";
  GetWindowTextA(window, title, sizeof title);
  return title;
}

// A point inside the cell of `code`.
POINT CellPoint(int code) { return {15 + 30 * (code / 16) + 12, 15 + 16 * (code % 16) + 8}; }

// The clipboard's text as another thread finds it; "<closed>" when that thread cannot open it.
std::string ClipboardFromAnotherThread() {
  std::string text;
  std::thread reader([&text] {
    if (!OpenClipboard(nullptr)) {
      text = "<closed>";
      return;
    }
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
      if (const char* chars = static_cast<const char*>(GlobalLock(data))) text = chars;
      GlobalUnlock(data);
    }
    CloseClipboard();
  });
  reader.join();
  return text;
}

class ToolWindowsTest : public testing::Test {
 protected:
  void SetUp() override {
    std::snprintf(editor::DisplayFontRecord().lfFaceName, LF_FACESIZE, "%s", "DejaVu Sans");
    editor::SetDocumentServices(editor::DocumentServices());
    editor::InstallToolWindowServices();
  }
  void TearDown() override {
    editor::SetChartWaitHook(nullptr);
    editor::CloseCharacterChart();
    editor::CloseErrorCodes();
    testsupport::PumpMessages();
  }
  static void Command(unsigned id) { editor::GetDocumentServices().frameCommand(id); }
  // A click on the chart whose wait for input is answered by `during`.
  static void ClickChart(UINT message, POINT at, const std::function<void(HWND)>& during = [](HWND) {}) {
    int waits = 0;
    editor::SetChartWaitHook([&](HWND chart) {
      ++waits;
      during(chart);
    });
    testsupport::SendMouse(editor::CharacterChartWindow(), message, at.x, at.y);
    editor::SetChartWaitHook(nullptr);
    EXPECT_EQ(waits, editor::LastChartClick().code < 0 ? 0 : 1);
  }
};

TEST_F(ToolWindowsTest, LeftClicksShowTheCodeBesideTheCellAndNothingOffTheGrid) {
  Command(ID_WINDOWS_ASCII_CHART);
  HWND chart = editor::CharacterChartWindow();
  ASSERT_NE(chart, nullptr);
  EXPECT_EQ(Title(chart), "DejaVu Sans - Character Set");
  const COLORREF yellow = RGB(255, 255, 0);
  struct Case {
    POINT at;
    int code;  // -1: no cell
  };
  const Case cases[] = {{CellPoint(65), 65}, {CellPoint(227), 227}, {{5, 5}, -1}, {{495, 100}, -1},
                        {{100, 271}, -1},    {{494, 270}, 255}};
  for (const Case& c : cases) {
    RECT yellowDuringWait = {};
    ClickChart(WM_LBUTTONDOWN, c.at, [&](HWND window) {
      yellowDuringWait = Picture::OnScreen(window).BoundsOf(yellow);
      if (c.code == 65) Linger();
    });
    const editor::ChartClick& click = editor::LastChartClick();
    EXPECT_EQ(click.code, c.code) << c.at.x << "," << c.at.y;
    EXPECT_FALSE(click.copied);
    if (c.code < 0) continue;
    // The yellow inside the box's frame, left of the cell for the rightmost three columns.
    EXPECT_EQ(yellowDuringWait.left, click.box.left + 1);
    EXPECT_EQ(yellowDuringWait.bottom, click.box.bottom - 1);
    EXPECT_EQ(c.at.x < 405, click.box.left > c.at.x) << c.code;
    EXPECT_EQ(Picture::OnScreen(chart).Count(yellow), 0) << "the box goes when the wait ends";
  }
  ClickChart(WM_LBUTTONDOWN, CellPoint(65));
  const std::array<std::string, 4> lines = {" Hex: x41", " Dec: 65", " Oct:  101", " Bin:  01000001"};
  EXPECT_EQ(editor::LastChartClick().lines, lines);
}

TEST_F(ToolWindowsTest, RightClickCopiesTheCharacterAndLeavesTheClipboardClosed) {
  Command(ID_WINDOWS_ASCII_CHART);
  ClickChart(WM_RBUTTONDOWN, CellPoint(65));
  EXPECT_TRUE(editor::LastChartClick().copied);
  EXPECT_EQ(ClipboardFromAnotherThread(), "A");
  ClickChart(WM_RBUTTONDOWN, {495, 271});  // the corner belongs to no cell: nothing copied
  EXPECT_EQ(ClipboardFromAnotherThread(), "A");

  // Another program holding the clipboard: the failure is reported, the chart stays usable.
  std::atomic<int> stage{0};
  std::thread holder([&stage] {
    const BOOL opened = OpenClipboard(nullptr);
    stage = 1;
    while (stage == 1) Sleep(5);
    if (opened) CloseClipboard();
  });
  while (stage == 0) Sleep(5);
  {
    BoxRecorder boxes;
    ClickChart(WM_RBUTTONDOWN, CellPoint(66));
    EXPECT_FALSE(editor::LastChartClick().copied);
    EXPECT_NE(boxes.only().text.find("Cannot open the MS Windows Clipboard."), std::string::npos);
  }
  stage = 2;
  holder.join();
  ClickChart(WM_RBUTTONDOWN, CellPoint(66));
  EXPECT_EQ(ClipboardFromAnotherThread(), "B");
}

TEST_F(ToolWindowsTest, TheChartFollowsTheDisplayFontAndAlwaysOnTop) {
  Command(ID_WINDOWS_ASCII_CHART);
  HWND chart = editor::CharacterChartWindow();
  editor::GetDocumentServices().displayFontChanged("DejaVu Serif");
  EXPECT_EQ(Title(chart), "DejaVu Serif - Character Set");
  const Picture serif = Picture::OnScreen(chart);
  Linger();
  editor::GetDocumentServices().displayFontChanged("DejaVu Sans Mono");
  EXPECT_EQ(Title(chart), "DejaVu Sans Mono - Character Set");
  EXPECT_FALSE(Picture::OnScreen(chart) == serif) << "redrawn in the new face";
  Linger();
  editor::ChartFontChanged("DejaVu Sans Mono", false);
  EXPECT_EQ(Title(chart), "ASCII | ANSI - Character Set");

  for (int on : {1, 0}) {
    editor::editorState.TopMost = 1 - on;
    editor::ToggleAlwaysOnTop();
    EXPECT_EQ((GetWindowLongPtrA(chart, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, on == 1);
    EXPECT_EQ(editor::editorState.asciiPlacement.show, on);
  }
}

TEST_F(ToolWindowsTest, ErrorListHoldsOneLineForEachDescribedCodeInOrder) {
  Command(ID_WINDOWS_ERROR_CODES);
  HWND errors = editor::ErrorCodesWindow();
  ASSERT_NE(errors, nullptr);
  HWND list = GetDlgItem(errors, IDC_ERROR_CODES_LIST);
  const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  ASSERT_GT(count, 100);
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
  long previous = -1;
  std::size_t longest = 0;
  for (int i = 0; i < count; ++i) {
    std::string line(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)), '\0');
    SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&line[0]));
    char* end = nullptr;
    const long code = std::strtol(line.c_str(), &end, 10);
    EXPECT_GT(code, previous) << line;
    EXPECT_LE(code, 6665);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    EXPECT_EQ(std::string(end, 3), "\t0x") << line;
    longest = std::max(longest, line.size());
    previous = code;
  }
  Linger();
  std::printf("error list: %d lines, the longest %zu characters\n", count, longest);
}

TEST_F(ToolWindowsTest, SecondOpeningBringsTheWindowForwardAndShutdownStoresPlacements) {
  Command(ID_WINDOWS_ASCII_CHART);
  Command(ID_WINDOWS_ERROR_CODES);
  HWND chart = editor::CharacterChartWindow(), errors = editor::ErrorCodesWindow();
  for (auto [id, window] : {std::pair{ID_WINDOWS_ASCII_CHART, chart}, std::pair{ID_WINDOWS_ERROR_CODES, errors}}) {
    HWND other = id == ID_WINDOWS_ASCII_CHART ? errors : chart;
    SetForegroundWindow(other);
    testsupport::PumpMessages();
    Command(id);
    testsupport::PumpMessages();
    EXPECT_EQ(GetForegroundWindow(), window);
    EXPECT_EQ(id == ID_WINDOWS_ASCII_CHART ? editor::CharacterChartWindow() : editor::ErrorCodesWindow(), window);
  }
  SetWindowPos(chart, nullptr, 210, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SetWindowPos(errors, nullptr, 330, 240, 400, 300, SWP_NOZORDER);
  editor::GetDocumentServices().closeToolWindows();
  EXPECT_FALSE(IsWindow(chart));
  EXPECT_FALSE(IsWindow(errors));
  editor::SaveSettings();
  EXPECT_EQ(ReadTestDword("DeskTop\\ASCII", "Left"), 210);
  EXPECT_EQ(ReadTestDword("DeskTop\\ASCII", "Top"), 120);
  EXPECT_EQ(ReadTestDword("DeskTop\\Errors", "Left"), 330);
  EXPECT_EQ(ReadTestDword("DeskTop\\Errors", "Width"), 400);
  EXPECT_EQ(ReadTestDword("DeskTop\\Errors", "Height"), 300);
}

}  // namespace
