// Zelvora as the user gets it: the program started without ChartControl.dll beside it, and the
// main window hosting the real chart component once the build has made it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "chartcontrol/api/ChartWindowApi.h"
#include "common/win32/Handles.h"
#include "plotter/app/PlotterDlg.h"
#include "resources/zelvora_ids.h"
#include "tests/support/Messages.h"

namespace plotter {
namespace {

using chartcontrol::kChartLibraryName;

std::string FolderOfThisProgram() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.erase(folder.find_last_of('\\') + 1);
}

// The build's Zelvora.exe; a path of the Linux host is on Wine's drive Z.
std::string ZelvoraExe() {
  std::string path = ZELVORA_EXE;
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string TextOf(HWND hwnd) {
  char text[256] = "";
  SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

struct WindowSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectVisibleWindow(HWND hwnd, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner == search->processId && IsWindowVisible(hwnd)) search->found.push_back(hwnd);
  return TRUE;
}

std::vector<HWND> VisibleWindowsOf(DWORD processId) {
  WindowSearch search{processId, {}};
  EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A started program, ended when the test ends however it ends.
class ChildProcess {
 public:
  bool Start(const std::string& exe, const std::string& folder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exe + "\"";
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info))
      return false;
    process_ = win32::UniqueFile(info.hProcess);
    thread_ = win32::UniqueFile(info.hThread);
    id_ = info.dwProcessId;
    return true;
  }
  ~ChildProcess() {
    if (process_ && WaitForSingleObject(process(), 0) == WAIT_TIMEOUT)
      TerminateProcess(process(), 1);
  }
  HANDLE process() const { return process_.get(); }
  DWORD id() const { return id_; }

 private:
  win32::UniqueFile process_;
  win32::UniqueFile thread_;
  DWORD id_ = 0;
};

TEST(ZelvoraProgram, OpensAndWorksWithoutTheChartComponent) {
  char temp[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, temp);
  const std::string folder =
      std::string(temp) + "zelvora-without-chart-" + std::to_string(GetCurrentProcessId()) + "\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  DeleteFileA((folder + kChartLibraryName).c_str());
  const std::string exe = folder + "Zelvora.exe";
  ASSERT_TRUE(CopyFileA(ZelvoraExe().c_str(), exe.c_str(), FALSE)) << ZelvoraExe();

  ChildProcess zelvora;
  ASSERT_TRUE(zelvora.Start(exe, folder));
  WaitForInputIdle(zelvora.process(), 60000);
  // Wait for the main window (a message box, had there been one, would come before it).
  HWND main = nullptr;
  testsupport::WaitUntil(
      [&] {
        for (HWND hwnd : VisibleWindowsOf(zelvora.id()))
          if (TextOf(hwnd) == "Zelvora") main = hwnd;
        return main != nullptr;
      },
      60000);
  ASSERT_NE(main, nullptr) << "no main window";

  // One window and no message box; the chart's place is empty.
  const std::vector<HWND> windows = VisibleWindowsOf(zelvora.id());
  ASSERT_EQ(windows.size(), 1u) << "\"" << TextOf(windows.back()) << "\"";
  EXPECT_EQ(GetDlgItem(main, IDC_CHART), nullptr);

  // The band works: the set-up's limits, typing, the return to the data range, the scales.
  const auto text = [main](int id) { return TextOf(GetDlgItem(main, id)); };
  const auto command = [main](int id, int code) {
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(GetDlgItem(main, id)));
  };
  EXPECT_EQ(text(IDC_X_MIN) + "|" + text(IDC_Y_MAX) + "|" + text(IDC_PLOT_COUNTER), "0|100|0");
  SendMessageA(GetDlgItem(main, IDC_X_MIN), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("5"));
  command(IDC_X_CAPTION, STN_CLICKED);
  EXPECT_EQ(text(IDC_X_MIN) + "|" + text(IDC_X_MAX), "0.0|1000.000000");
  command(IDC_X_LOGARITHMIC, BN_CLICKED);
  EXPECT_EQ(SendMessageA(GetDlgItem(main, IDC_X_LOGARITHMIC), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(GetDlgItem(main, IDC_X_LINEAR), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  // Exit ends the program.
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(main, IDC_EXIT)));
  ASSERT_EQ(WaitForSingleObject(zelvora.process(), 60000), WAIT_OBJECT_0) << "still running";
  DWORD exitCode = 1;
  GetExitCodeProcess(zelvora.process(), &exitCode);
  EXPECT_EQ(exitCode, 0u);
  DeleteFileA(exe.c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST(ZelvoraWithChartComponent, TheMainWindowHostsTheRealChart) {
  if (GetFileAttributesA((FolderOfThisProgram() + kChartLibraryName).c_str()) ==
      INVALID_FILE_ATTRIBUTES)
    GTEST_SKIP() << kChartLibraryName << " is not built beside the test program yet";
  CPlotterDlg dialog;
  const win32::UniqueWindow window(dialog.Create());  // goes before the dialog object
  HWND hwnd = window.get();
  ASSERT_NE(hwnd, nullptr);
  HWND chart = GetDlgItem(hwnd, IDC_CHART);
  ASSERT_NE(chart, nullptr);
  const LONG_PTR style = GetWindowLongPtrA(chart, GWL_STYLE);
  EXPECT_TRUE((style & WS_CHILD) && (style & WS_VISIBLE));

  // A right click on the chart comes back as its mouse-down event and returns both axes.
  SetDlgItemTextA(hwnd, IDC_X_MIN, "5");
  SetDlgItemTextA(hwnd, IDC_Y_MAX, "6");
  SendMessageA(chart, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 100));
  SendMessageA(chart, WM_RBUTTONUP, 0, MAKELPARAM(100, 100));
  EXPECT_EQ(TextOf(GetDlgItem(hwnd, IDC_X_MIN)) + "|" + TextOf(GetDlgItem(hwnd, IDC_Y_MAX)), "0.0|100.000000");
}

}  // namespace
}  // namespace plotter
