// Quillet's own share of opening and saving a large document, measured in one run against the
// rich edit control's own stream-in of the same text (Wine's control is the floor). A Windows
// program with Quillet's resources; run under Wine by scripts/bench.
//
// Opening: OpenDocumentWindow of a 10,000,000-byte file with CR+LF line ends, and of the same
// lines with LF line ends (converted on the way in), against EM_STREAMIN of the identical
// in-memory text into a bare control in a blank document. Runs alternate; each figure is the
// median.
// Saving: WriteDocumentFile of the Unix document (text out, conversion, temporary file, backup,
// replace). Also: taking the text out by WM_GETTEXT and by EM_STREAMOUT, and the commands that
// replace the whole text (Refresh, Word Wrap).
#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "editor/app/DocumentSlots.h"
#include "editor/app/Documents.h"
#include "editor/app/EditorState.h"
#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/Startup.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"

namespace {

constexpr const char* kBenchRoot = "Software\\Orvane\\QuilletBench";
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
  for (int i = 0; i < 10000 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

struct Source {
  const char* next;
  std::size_t left;
};
DWORD CALLBACK Give(DWORD_PTR cookie, LPBYTE buffer, LONG capacity, LONG* given) {
  auto* source = reinterpret_cast<Source*>(cookie);
  const std::size_t piece = std::min<std::size_t>(source->left, static_cast<std::size_t>(capacity));
  std::memcpy(buffer, source->next, piece);
  source->next += piece;
  source->left -= piece;
  *given = static_cast<LONG>(piece);
  return 0;
}
DWORD CALLBACK Take(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* taken) {
  reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(size));
  *taken = size;
  return 0;
}

void CloseDocumentNow(HWND document) {
  editor::SetDocumentSlot(document, editor::kSlotModified, 0);
  SendMessageA(editor::mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);
  Pump();
}

}  // namespace

int main() {
  using namespace editor;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  InitializeProgram(instance);
  ConnectSupportLibrary();
  support::SetSettingsRoot(kBenchRoot);
  if (!RegisterWindowClasses(instance, true) || !LoadLibraryA("RichEd32.dll")) return 1;
  LoadSettings();
  editorState.NewDoc = 0;
  editorState.WordWrap = 0;
  editorState.Backup = 1;
  InstallDocumentServices();
  if (!CreateFrameWindow(SW_SHOWNORMAL)) return 1;
  Pump();

  // About 10 MB of 62-character lines: the CR+LF text is the same in memory for both files.
  std::string windowsText, unixText;
  for (int line = 0; windowsText.size() < 10000000 - 64; ++line) {
    char text[80];
    std::snprintf(text, sizeof text, "%08d The quick brown fox jumps over the lazy dog, 0123456789.", line);
    windowsText += text;
    windowsText += "\r\n";
    unixText += text;
    unixText += "\n";
  }
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  const std::string windowsFile = std::string(temp) + "quillet-bench-windows.txt";
  const std::string unixFile = std::string(temp) + "quillet-bench-unix.txt";
  std::ofstream(windowsFile, std::ios::binary) << windowsText;
  std::ofstream(unixFile, std::ios::binary) << unixText;
  std::printf("text: %zu bytes in memory, %zu lines; Windows file %zu bytes, Unix file %zu bytes\n",
              windowsText.size(), windowsText.size() / 64, windowsText.size(), unixText.size());

  std::vector<double> control, openWindows, openUnix;
  HWND unixDocument = nullptr;
  for (int round = 0; round < kRounds; ++round) {
    // The floor: a bare control of the same class, style, size and limit in a blank document,
    // as it comes (no notifications asked for), taking the text by stream-in.
    HWND blank = OpenDocumentWindow(frameWindow, nullptr, false);
    HWND ours = GetDocumentEdit(blank);
    RECT area;
    GetClientRect(blank, &area);
    ShowWindow(ours, SW_HIDE);
    HWND bare = CreateWindowExA(WS_EX_CLIENTEDGE, "RichEdit", "", GetWindowLongA(ours, GWL_STYLE), 0, 0, area.right,
                                area.bottom, blank, nullptr, instance, nullptr);
    SendMessageA(bare, EM_EXLIMITTEXT, 0, kEditTextLimit);
    control.push_back(Seconds([&] {
      Source source = {windowsText.data(), windowsText.size()};
      EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&source), 0, Give};
      SendMessageA(bare, EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
    }));
    if (SendMessageA(bare, WM_GETTEXTLENGTH, 0, 0) != static_cast<LRESULT>(windowsText.size())) return 4;
    DestroyWindow(bare);
    CloseDocumentNow(blank);
    HWND document = nullptr;
    openWindows.push_back(Seconds([&] { document = OpenDocumentWindow(frameWindow, windowsFile.c_str(), false); }));
    if (!document) return 2;
    CloseDocumentNow(document);
    openUnix.push_back(Seconds([&] { document = OpenDocumentWindow(frameWindow, unixFile.c_str(), false); }));
    if (!document) return 2;
    if (round + 1 < kRounds) CloseDocumentNow(document);
    else unixDocument = document;
    std::printf("round %d: control stream-in %.2f s, open Windows file %.2f s, open Unix file %.2f s\n", round + 1,
                control.back(), openWindows.back(), openUnix.back());
    std::fflush(stdout);
  }
  const double floor = Median(control);
  std::printf("median: control %.2f s; open Windows file %.2f s (%.3f x); open Unix file %.2f s (%.3f x)\n", floor,
              Median(openWindows), Median(openWindows) / floor, Median(openUnix), Median(openUnix) / floor);

  HWND edit = GetDocumentEdit(unixDocument);
  std::string text, streamed;
  const double byGetText = Seconds([&] { GetDocumentText(edit, text); });
  const double byStreamOut = Seconds([&] {
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&streamed), 0, Take};
    SendMessageA(edit, EM_STREAMOUT, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
  });
  std::printf("text out: WM_GETTEXT %.3f s, EM_STREAMOUT %.3f s (%zu and %zu bytes)\n", byGetText, byStreamOut,
              text.size(), streamed.size());

  std::vector<double> saves;
  for (int round = 0; round < kRounds; ++round) {
    SetDocumentSlot(unixDocument, kSlotModified, 1);
    bool saved = false;
    saves.push_back(Seconds([&] { saved = WriteDocumentFile(unixDocument); }));
    if (!saved) return 3;
  }
  std::printf("save Unix document with backup: median %.3f s (%.3f, %.3f, %.3f)\n", Median(saves), saves[0], saves[1],
              saves[2]);
  std::string written;
  {
    std::ifstream check(unixFile, std::ios::binary);
    written.assign(std::istreambuf_iterator<char>(check), std::istreambuf_iterator<char>());
  }  // closed: the document opens its file unshared
  std::printf("saved file %s the file read\n", written == unixText ? "equals" : "DIFFERS FROM");

  const double refresh = Seconds([&] { RefreshDocument(unixDocument); });
  const double wrap = Seconds([&] { HandleDocumentCommand(unixDocument, ID_VIEW_WORD_WRAP); });
  std::printf("whole-text commands: Refresh %.2f s, Word Wrap %.2f s (control stream-in %.2f s)\n", refresh, wrap,
              floor);

  CloseDocumentNow(unixDocument);
  DestroyWindow(frameWindow);
  Pump();
  DeleteFileA(windowsFile.c_str());
  DeleteFileA(unixFile.c_str());
  const std::string backup = unixFile.substr(0, unixFile.size() - 4) + ".bak";
  DeleteFileA(backup.c_str());
  RegDeleteTreeA(HKEY_CURRENT_USER, kBenchRoot);
  return 0;
}
