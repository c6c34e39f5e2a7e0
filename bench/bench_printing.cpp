// Printing speed on the default printer (CUPS's PDF printer under Wine): a bare program that only
// draws 20,000 lines of 60 characters, 60 a page, with TabbedTextOut, against Quillet printing a
// 20,000-line document of the same lines with the same font, header and footer off; each timed
// until the job has been handed over (EndDoc returned), side by side in one run.
// A Windows program, run under Wine by scripts/bench.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "editor/app/DocumentSlots.h"
#include "editor/app/Documents.h"
#include "editor/app/EditorState.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/Printing.h"
#include "editor/support/MessageBoxes.h"
#include "editor/support/PrintDialogs.h"

using namespace editor;

namespace {

int kLines = 20000;  // a second argument sets fewer, for a quick look
constexpr int kLinesPerPage = 60;
constexpr const char* kPrinter = "PDF";

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

std::string Line(int n) {
  char text[64];
  std::snprintf(text, sizeof text, "%05d the quick brown fox jumps over the lazy dog, again..", n);
  return std::string(text).substr(0, 60);
}

HFONT MakePrinterFont(HDC printer) {
  LOGFONTA font = PrinterFontRecord();
  font.lfWidth = 0;
  font.lfHeight = PrinterFontHeight(font.lfHeight, GetDeviceCaps(printer, LOGPIXELSY));
  return CreateFontIndirectA(&font);
}

int LineHeight(HDC printer) {
  TEXTMETRICA metrics{};
  GetTextMetricsA(printer, &metrics);
  return metrics.tmHeight + metrics.tmExternalLeading;
}

// The floor: the same lines at the same places, drawn and nothing else.
double BarePrint() {
  const auto start = std::chrono::steady_clock::now();
  HDC printer = CreateDCA(nullptr, kPrinter, nullptr, nullptr);
  HFONT font = MakePrinterFont(printer);
  HGDIOBJ old = SelectObject(printer, font);
  const int lineHeight = LineHeight(printer);
  const int left = GetDeviceCaps(printer, LOGPIXELSX) / 2, top = GetDeviceCaps(printer, LOGPIXELSY) / 2;
  DOCINFOA document = {sizeof document, "bare printing bench", nullptr, nullptr, 0};
  StartDocA(printer, &document);
  for (int first = 0; first < kLines; first += kLinesPerPage) {
    StartPage(printer);
    for (int n = first; n < std::min(kLines, first + kLinesPerPage); ++n) {
      const std::string text = Line(n);
      TabbedTextOutA(printer, left, top + (n - first) * lineHeight, text.c_str(), static_cast<int>(text.size()), 0, nullptr, left);
    }
    EndPage(printer);
  }
  EndDoc(printer);
  const double seconds = Seconds(std::chrono::steady_clock::now() - start);
  SelectObject(printer, old);
  DeleteObject(font);
  DeleteDC(printer);
  return seconds;
}

HWND MakeDocument(const std::string& text) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = instanceHandle;
  windowClass.cbWndExtra = kDocumentExtraBytes;
  windowClass.lpszClassName = "QuilletBenchDocument";
  RegisterClassA(&windowClass);
  HWND document = CreateWindowExA(0, "QuilletBenchDocument", "C:\\bench\\printing.txt", WS_OVERLAPPEDWINDOW, 0, 0, 800,
                                  600, nullptr, nullptr, instanceHandle, nullptr);
  HWND edit = CreateEditControl(document, false, false);
  SetDocumentEdit(document, edit);
  SetDocumentText(edit, text);
  return document;
}

// Quillet's Print on the document, with margins giving 60 lines a page.
double QuilletPrint(HWND document) {
  support::SetPrintDialogAnswerer([](PRINTDLGA& dialog) {
    dialog.hDC = CreateDCA(nullptr, kPrinter, nullptr, nullptr);
    dialog.nCopies = 1;
    return dialog.hDC != nullptr;
  });
  const auto start = std::chrono::steady_clock::now();
  const bool printed = PrintDocument(document);
  const double seconds = Seconds(std::chrono::steady_clock::now() - start);
  if (!printed) std::printf("Quillet's print failed\n");
  return seconds;
}

// Margins of half an inch but for the bottom one, which leaves room for 60 lines.
void SetMargins() {
  HDC printer = CreateDCA(nullptr, kPrinter, nullptr, nullptr);
  HFONT font = MakePrinterFont(printer);
  HGDIOBJ old = SelectObject(printer, font);
  const int lineHeight = LineHeight(printer), ppi = GetDeviceCaps(printer, LOGPIXELSY);
  const int bottom = GetDeviceCaps(printer, VERTRES) - ppi / 2 - kLinesPerPage * lineHeight - lineHeight / 2;
  SelectObject(printer, old);
  DeleteObject(font);
  DeleteDC(printer);
  PageSetup& setup = editorState.pageSetup;
  setup = PageSetup();
  setup.bottomMargin = bottom * 1000 / ppi;
  setup.showHeader = setup.showFooter = 0;
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
  if (argc > 2) kLines = std::max(1, std::atoi(argv[2]));
  instanceHandle = GetModuleHandleA(nullptr);
  LoadLibraryA("RichEd32.dll");
  LOGFONTA& font = PrinterFontRecord();
  font = LOGFONTA();
  font.lfHeight = -10;
  std::snprintf(font.lfFaceName, LF_FACESIZE, "%s", "Courier New");
  support::SetMessageBoxAnswerer([](const support::MessageBoxRequest& box) {
    std::printf("message box: %s\n", box.text.c_str());
    return support::kButtonOk;
  });
  SetMargins();
  std::string text;
  for (int n = 0; n < kLines; ++n) text += Line(n) + (n + 1 < kLines ? "\r\n" : "");
  HWND document = MakeDocument(text);
  std::vector<double> bare, ours;
  for (int round = 0; round < rounds; ++round) {
    bare.push_back(BarePrint());
    std::printf("bare %.1f s\n", bare.back());
    std::fflush(stdout);
    ours.push_back(QuilletPrint(document));
    std::printf("round %d: bare %.1f s, Quillet %.1f s\n", round + 1, bare.back(), ours.back());
    std::fflush(stdout);
  }
  std::sort(bare.begin(), bare.end());
  std::sort(ours.begin(), ours.end());
  const double b = bare[bare.size() / 2], q = ours[ours.size() / 2];
  std::printf("Printing %d lines (%d pages): bare TabbedTextOut %.1f s, Quillet %.1f s, ratio %.2f (target <= 1.3)\n",
              kLines, (kLines + kLinesPerPage - 1) / kLinesPerPage, b, q, q / b);
  FreePrintDialogRecord();
  return 0;
}
