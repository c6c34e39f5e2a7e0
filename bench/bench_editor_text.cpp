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
#include <string_view>
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

// A document stand-in holding a text: a window with the document slots and one edit control,
// destroyed with the object.
class Document {
 public:
  explicit Document(std::string_view text) {
    static const bool registered = [] {
      WNDCLASSA windowClass = {};
      windowClass.lpfnWndProc = DefWindowProcA;
      windowClass.hInstance = instanceHandle;
      windowClass.cbWndExtra = kDocumentExtraBytes;
      windowClass.lpszClassName = "QuilletBenchDocument";
      return RegisterClassA(&windowClass) != 0;
    }();
    (void)registered;
    window_ = CreateWindowExA(0, "QuilletBenchDocument", "bench", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr,
                              nullptr, instanceHandle, nullptr);
    if (!text.empty()) ReplaceEditControl(window_, false, text);
  }
  ~Document() { DestroyWindow(window_); }
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;
  HWND Window() const { return window_; }
  HWND Edit() const { return GetDocumentEdit(window_); }

 private:
  HWND window_;
};

// The control's own work: an empty control, sized as a document's, taking `text` by stream-in.
double StreamIntoFreshDocument(std::string_view text) {
  Document document("");
  HWND edit = ReplaceEditControl(document.Window(), false, "");
  return Time([&] { SetDocumentText(edit, text); });
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
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
  const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;

  // Each command and the control's own work take turns, `rounds` times, each in a fresh document
  // destroyed afterwards, so neither side pays for the other's memory; the medians are compared.
  const std::string log = LogText(static_cast<std::size_t>(megabytes * 1e6));
  std::vector<double> replaceAll, streamResult, findNext, controlFind, oem, streamLog;
  int count = 0;
  bool found = true;
  for (int round = 0; round < rounds; ++round) {
    // Replace All against stream-in of the result.
    std::snprintf(editorState.findText, sizeof editorState.findText, "ERROR");
    std::snprintf(editorState.replaceText, sizeof editorState.replaceText, "WARNING");
    std::string result;
    {
      Document document(log);
      replaceAll.push_back(Time([&] { count = ReplaceAll(document.Edit()); }));
      GetDocumentText(document.Edit(), result);
    }
    streamResult.push_back(StreamIntoFreshDocument(result));

    // Find Next from the top to the only match at the end, against the control's own search.
    {
      std::snprintf(editorState.findText, sizeof editorState.findText, "NEEDLE");
      Document document(log + "NEEDLE\r\n");
      HWND edit = document.Edit();
      Select(edit, 0, 0);
      FINDTEXTEXA find = {{0, -1}, "NEEDLE", {}};
      controlFind.push_back(
          Time([&] { SendMessageA(edit, EM_FINDTEXTEX, FR_DOWN | FR_MATCHCASE, reinterpret_cast<LPARAM>(&find)); }));
      bool foundNow = false;
      findNext.push_back(Time([&] { foundNow = FindNext(edit); }));
      found = found && foundNow;
    }

    // OEM to ANSI against stream-in of the same text.
    {
      Document document(log);
      oem.push_back(Time([&] { ConvertCharacterSet(document.Window(), true); }));
    }
    streamLog.push_back(StreamIntoFreshDocument(log));
    std::printf("round %d: Replace All %.3f / %.3f s, Find Next %.3f / %.3f s, OEM to ANSI %.3f / %.3f s\n",
                round + 1, replaceAll.back(), streamResult.back(), findNext.back(), controlFind.back(), oem.back(),
                streamLog.back());
  }
  std::printf("text %zu bytes, %d replacements, medians of %d rounds:\n", log.size(), count, rounds);
  Report("Replace All", Median(replaceAll), "stream-in of the result", Median(streamResult), 1.5);
  Report(found ? "Find Next (found)" : "Find Next (NOT FOUND)", Median(findNext), "the control's search",
         Median(controlFind), 1.5);
  Report("OEM to ANSI", Median(oem), "stream-in of the text", Median(streamLog), 1.2);

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
  Document sortDocument(lines);
  HWND edit = sortDocument.Edit();
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
