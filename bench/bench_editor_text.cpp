// Speed of Quillet's text commands in a real rich edit control holding 10 MB, each against the
// control's own work measured side by side in the same run: Replace All against the control
// taking the resulting text by stream-in, Find Next against one search of the control, OEM to
// ANSI against stream-in, and Sort Selection of 100,000 lines (our share, without the control
// taking the result; the lines are written to a file for `sort -f`, which scripts/bench times).
// A Windows program, run under Wine.
#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "editor/app/DocumentSlots.h"
#include "editor/app/Documents.h"
#include "editor/app/EditorState.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/TextCommands.h"

using namespace editor;

namespace {

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

template <typename Work>
double Time(Work work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return Seconds(std::chrono::steady_clock::now() - start);
}

// A document stand-in: a window with the document slots holding one edit control.
HWND MakeDocument() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instanceHandle;
    windowClass.cbWndExtra = kDocumentExtraBytes;
    windowClass.lpszClassName = "QuilletBenchDocument";
    RegisterClassA(&windowClass);
    registered = true;
  }
  HWND document = CreateWindowExA(0, "QuilletBenchDocument", "bench", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr,
                                  nullptr, instanceHandle, nullptr);
  HWND edit = CreateEditControl(document, false, false);
  SetDocumentEdit(document, edit);
  return document;
}

void Select(HWND edit, LONG start, LONG end) {
  CHARRANGE range = {start, end};
  SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void Report(const char* what, double ours, const char* against, double theirs, double target) {
  std::printf("%-34s %8.3f s   %-30s %8.3f s   ratio %5.2f (target <= %.1f)\n", what, ours, against, theirs,
              ours / theirs, target);
}

// `bytes` of log lines (10 MB: about 159,000), each holding "ERROR" once.
std::string LogText(std::size_t bytes) {
  std::string text;
  text.reserve(bytes + 100);
  for (int line = 0; text.size() < bytes; ++line) {
    char piece[96];
    std::snprintf(piece, sizeof piece, "2026-12-08 00:%02d:%02d ERROR worker %06d stopped, retrying\r\n", line / 60 % 60,
                  line % 60, line);
    text += piece;
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IONBF, 0);
  instanceHandle = GetModuleHandleA(nullptr);
  LoadLibraryA("RichEd32.dll");
  const std::string sortFile = argc > 1 ? argv[1] : "sort-lines.txt";
  const double megabytes = argc > 2 ? std::atof(argv[2]) : 10.0;  // a smaller text for a quick look

  // Replace All against stream-in of the result.
  HWND document = MakeDocument();
  HWND edit = GetDocumentEdit(document);
  const std::string log = LogText(static_cast<std::size_t>(megabytes * 1e6));
  SetDocumentText(edit, log);
  std::snprintf(editorState.findText, sizeof editorState.findText, "ERROR");
  std::snprintf(editorState.replaceText, sizeof editorState.replaceText, "WARNING");
  int count = 0;
  const double replaceAll = Time([&] { count = ReplaceAll(edit); });
  std::string result;
  edit = GetDocumentEdit(document);
  GetDocumentText(edit, result);
  const double streamResult = Time([&] { SetDocumentText(GetDocumentEdit(MakeDocument()), result); });
  std::printf("text %zu bytes, %d replacements\n", log.size(), count);
  Report("Replace All", replaceAll, "stream-in of the result", streamResult, 1.5);

  // Find Next from the top to the only match at the end, against the control's own search.
  std::snprintf(editorState.findText, sizeof editorState.findText, "NEEDLE");
  edit = ReplaceEditControl(document, false, log + "NEEDLE\r\n");
  Select(edit, 0, 0);
  FINDTEXTEXA find = {{0, -1}, "NEEDLE", {}};
  const double controlFind =
      Time([&] { SendMessageA(edit, EM_FINDTEXTEX, FR_DOWN | FR_MATCHCASE, reinterpret_cast<LPARAM>(&find)); });
  bool found = false;
  const double findNext = Time([&] { found = FindNext(edit); });
  Report(found ? "Find Next (found)" : "Find Next (NOT FOUND)", findNext, "the control's search", controlFind, 1.5);

  // OEM to ANSI against stream-in of the same text.
  ReplaceEditControl(document, false, log);
  const double oem = Time([&] { ConvertCharacterSet(document, true); });
  const double streamLog = Time([&] { SetDocumentText(GetDocumentEdit(MakeDocument()), log); });
  Report("OEM to ANSI", oem, "stream-in of the text", streamLog, 1.2);

  // Sort Selection of 100,000 lines of 50 bytes: the whole command, less the control taking the
  // result (the same text streamed into a selection of the same size).
  std::string lines;
  for (int i = 0; i < 100'000; ++i) {
    char piece[64];
    const unsigned mixed = static_cast<unsigned>(i) * 2654435761u;
    std::snprintf(piece, sizeof piece, "%cine %010u of the %s list, entry %08d\r\n", (mixed & 1) ? 'L' : 'l', mixed,
                  (mixed & 2) ? "Sorted" : "sorted", i);
    lines += piece;
  }
  {
    std::string unixLines = lines;
    unixLines.erase(std::remove(unixLines.begin(), unixLines.end(), '\r'), unixLines.end());
    std::ofstream(sortFile, std::ios::binary) << unixLines;
  }
  edit = ReplaceEditControl(document, false, lines);
  Select(edit, 0, -1);
  // Our share of Sort Selection: taking the text and ordering its lines. The control's own
  // share (a selection of 100,000 lines replaced) is Wine's to pay and not measured here.
  std::string sorted;
  const double ours = Time([&] {
    std::string text;
    GetDocumentText(edit, text);
    SortSelectedText(text, true, true, sorted);
  });
  std::printf("Sort of 100,000 lines, our share   %8.3f s (%zu bytes)\n", ours, sorted.size());
  std::printf("SORT_OUR_SHARE %.3f\n", ours);
  return 0;
}
