// Opening an indirect list of 500 small files in a real frame (target: under 10 s under Wine),
// against opening the same 500 files one by one with OpenDocumentWindow, which is the floor the
// list's own work (reading and checking the list, the look-up of open documents, the recent
// files) adds to. A Windows program with Quillet's resources; run under Wine by scripts/bench.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "editor/app/DocumentSlots.h"
#include "editor/app/Documents.h"
#include "editor/app/EditorState.h"
#include "editor/app/FileLists.h"
#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/Startup.h"
#include "editor/support/EditorSupport.h"

namespace {

constexpr const char* kBenchRoot = "Software\\Orvane\\QuilletListBench";
constexpr int kRounds = 3;

double Seconds(const std::function<void()>& work) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  work();
  QueryPerformanceCounter(&end);
  return static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void Pump() {
  MSG message;
  for (int i = 0; i < 100000 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// Documents close as plain windows: closing maximised ones one by one costs more than opening them.
void CloseAll() {
  BOOL zoomed = FALSE;
  const auto active = reinterpret_cast<HWND>(SendMessageA(editor::mdiClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&zoomed)));
  if (active && zoomed) SendMessageA(editor::mdiClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(active), 0);
  editor::bulkOperation = true;
  for (HWND document : editor::DocumentWindows()) SendMessageA(editor::mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);
  editor::bulkOperation = false;
  Pump();
}

}  // namespace

// The number of files may be given as the argument (500 when none).
int main(int argc, char** argv) {
  using namespace editor;
  const int kFiles = argc > 1 ? std::atoi(argv[1]) : 500;
  if (kFiles <= 0) return 1;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  InitializeProgram(instance);
  ConnectSupportLibrary();
  support::SetSettingsRoot(kBenchRoot);
  if (!RegisterWindowClasses(instance, true) || !LoadLibraryA("RichEd32.dll")) return 1;
  LoadSettings();
  editorState.NewDoc = 0;
  editorState.WordWrap = 0;
  InstallDocumentServices();
  InstallFileListServices();
  if (!CreateFrameWindow(SW_SHOWNORMAL)) return 1;
  Pump();

  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp) + "quillet-list-bench\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  std::vector<std::string> files;
  std::string listText = "# 500 files\r\n";
  for (int n = 0; n < kFiles; ++n) {
    files.push_back(folder + "file" + std::to_string(n) + ".txt");
    std::ofstream(files.back(), std::ios::binary) << "line one of file " << n << "\r\nline two\r\n";
    listText += files.back() + "\r\n";
  }
  const std::string list = folder + "all.lst";
  std::ofstream(list, std::ios::binary) << listText;

  // The list opens its documents maximised, as a fresh frame does; the first opening in a fresh
  // process is reported on its own. One by one, the documents open as plain windows.
  editorState.openMaximised = 1;
  const double cold = Seconds([&] { OpenListFile(list.c_str()); });
  CloseAll();
  std::printf("first opening of the list (cold): %.2f s\n", cold);
  std::fflush(stdout);
  std::vector<double> byList, oneByOne;
  for (int round = 0; round < kRounds; ++round) {
    editorState.openMaximised = 1;
    byList.push_back(Seconds([&] { OpenListFile(list.c_str()); }));
    if (DocumentWindows().size() != static_cast<std::size_t>(kFiles)) return 2;
    CloseAll();
    editorState.openMaximised = 0;
    oneByOne.push_back(Seconds([&] {
      bulkOperation = true;
      for (const std::string& file : files) OpenDocumentWindow(frameWindow, file.c_str(), false);
      bulkOperation = false;
    }));
    if (DocumentWindows().size() != static_cast<std::size_t>(kFiles)) return 3;
    CloseAll();
    std::printf("round %d: list of %d files %.2f s, the same files one by one %.2f s\n", round + 1, kFiles,
                byList.back(), oneByOne.back());
    std::fflush(stdout);
  }
  std::printf("median: open a list of %d files %.2f s (target < 10 s); one by one %.2f s; ratio %.2f\n", kFiles,
              Median(byList), Median(oneByOne), Median(byList) / Median(oneByOne));

  DestroyWindow(frameWindow);
  Pump();
  for (const std::string& file : files) DeleteFileA(file.c_str());
  DeleteFileA(list.c_str());
  RemoveDirectoryA(folder.c_str());
  RegDeleteTreeA(HKEY_CURRENT_USER, kBenchRoot);
  return 0;
}
