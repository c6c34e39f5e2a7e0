// Printing a document: the print dialog, the job, its pages with header and footer, and the
// printer set-up and printer font commands.
#include "editor/app/Printing.h"

#include <commdlg.h>
#include <richedit.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "editor/app/DocumentSlots.h"
#include "editor/app/Documents.h"
#include "editor/app/EditorState.h"
#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/StatusBar.h"
#include "editor/app/core/PrintText.h"
#include "editor/support/EditorSupport.h"
#include "editor/support/IntlText.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;  // the support library serves the whole application

namespace {

// The dialog's device-mode and device-names blocks live here between runs of the dialog.
PRINTDLGA printDialog = {};

// clang-format off
const PrintJobCalls kSystemJobCalls = {
  [](HDC dc, const DOCINFOA* job) { return StartDocA(dc, job); }, [](HDC dc) { return StartPage(dc); },
  [](HDC dc) { return EndPage(dc); }, [](HDC dc) { return EndDoc(dc); }, [](HDC dc) { return AbortDoc(dc); },
};
// clang-format on
const PrintJobCalls* jobCalls = &kSystemJobCalls;

constexpr const char* kNoRoomText =
    "File: %s\r\rThe page margins leave no room for a line of text\r\rPlease change them in Page Setup";

PRINTDLGA& PrintDialogRecord() {
  printDialog.lStructSize = sizeof printDialog;
  return printDialog;
}

int LastError() { return static_cast<int>(GetLastError()); }

// A print failure: the box titled with the program's name, owned by the frame.
template <typename... Args>
void PrintFailure(unsigned textId, const Args&... args) {
  InfoBox(frameWindow, IDS_PROGRAM_NAME, textId, args...);
}

// The printer device context of the user's choice, or null when the dialog was cancelled.
win32::UniqueDc ChoosePrinter(HWND owner) {
  PRINTDLGA& dialog = PrintDialogRecord();
  dialog.hwndOwner = owner;
  dialog.hDC = nullptr;
  dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION;
  dialog.nCopies = 1;
  if (!RunPrintDialog(dialog)) return win32::UniqueDc();
  return win32::UniqueDc(dialog.hDC);
}

// What one job prints: the edit control's display lines, the setup's bands and the macros'
// values, fixed when the job starts.
struct PrintRun {
  HWND edit;
  PrinterJobSetup* setup;
  const PageSetup* pageSetup;
  const std::string* documentName;
  std::string longDate, shortDate, time;
  std::string_view text;               // the copy taken when printing started, CR+LF line ends
  std::vector<std::size_t> lineStarts;  // where each display line starts in `text`
};

void DrawBand(const PrintRun& run, const char* text, const PrintBand& band, bool centred, bool bodyLine) {
  RECT box = {band.left, band.top, band.right, band.bottom};
  UINT format = DT_SINGLELINE | (centred ? DT_CENTER : DT_LEFT);
  if (bodyLine) format |= DT_EXPANDTABS;
  DrawTextA(run.setup->printer, text, -1, &box, format);
}

void DrawMacroLine(const PrintRun& run, const char* text, const PrintBand& band, bool centred, int page) {
  PageMacroValues values;
  values.documentName = *run.documentName;
  values.longDate = run.longDate;
  values.shortDate = run.shortDate;
  values.time = run.time;
  values.page = page;
  DrawBand(run, ExpandPageMacros(text, values).c_str(), band, centred, false);
}

// Where each display line of the control starts in the text copy. Unwrapped lines are the
// copy's own lines (asking the control line by line takes it time in proportion to the text);
// wrapped rows come from the control, whose offsets count a line end as two characters, as the
// copy does.
void FindDisplayLines(PrintRun& run) {
  const std::size_t count = static_cast<std::size_t>(std::max<LRESULT>(1, SendMessageA(run.edit, EM_GETLINECOUNT, 0, 0)));
  run.lineStarts.assign(1, 0);
  for (std::size_t at = run.text.find("\r\n"); at != std::string_view::npos && run.lineStarts.size() <= count;
       at = run.text.find("\r\n", at + 2))
    run.lineStarts.push_back(at + 2);
  if (run.lineStarts.size() == count) return;
  run.lineStarts.clear();
  for (std::size_t line = 0; line < count; ++line) {
    const LRESULT start = SendMessageA(run.edit, EM_LINEINDEX, line, 0);
    const std::size_t previous = run.lineStarts.empty() ? 0 : run.lineStarts.back();
    run.lineStarts.push_back(start < 0 ? run.text.size()
                                       : std::clamp<std::size_t>(static_cast<std::size_t>(start), previous, run.text.size()));
  }
}

// Display line `line` with its line end, of any length.
std::string_view DisplayLine(const PrintRun& run, int line) {
  const std::size_t index = static_cast<std::size_t>(line);
  const std::size_t start = run.lineStarts[index];
  const std::size_t end = index + 1 < run.lineStarts.size() ? run.lineStarts[index + 1] : run.text.size();
  return run.text.substr(start, end - start);
}

bool PrintPage(PrintRun& run, int page) {
  HDC printer = run.setup->printer;
  const PrinterLayout& layout = run.setup->layout;
  const std::string& name = *run.documentName;
  if (jobCalls->startPage(printer) <= 0) {
    PrintFailure(MSG_PRINT_PAGE_OPEN_FAILED, name, page, LastError());
    return false;
  }
  if (run.pageSetup->showHeader)
    DrawMacroLine(run, run.pageSetup->header, layout.HeaderBand(), run.pageSetup->centerHeader != 0, page);
  ShowStatus(MSG_PRINTING_PAGE, page);
  const PageLines lines = LinesOfPage(page, layout.linesPerPage, static_cast<int>(run.lineStarts.size()));
  for (int line = lines.first; line < lines.end; ++line) {
    const std::string printed = PrintedBodyLine(DisplayLine(run, line));
    DrawBand(run, printed.c_str(), layout.BodyLine(line - lines.first), false, true);
  }
  if (run.pageSetup->showFooter)
    DrawMacroLine(run, run.pageSetup->footer, layout.FooterBand(), run.pageSetup->centerFooter != 0, page);
  if (jobCalls->endPage(printer) <= 0) {
    PrintFailure(MSG_PRINT_PAGE_CLOSE_FAILED, name, page, LastError());
    return false;
  }
  return true;
}

bool PrintAllPages(PrintRun& run) {
  HDC printer = run.setup->printer;
  SetBkMode(printer, OPAQUE);
  SetBkColor(printer, RGB(255, 255, 255));
  SetTextColor(printer, RGB(0, 0, 0));
  const int pages = PageCount(static_cast<int>(run.lineStarts.size()), run.setup->layout.linesPerPage);
  for (int page = 1; page <= pages; ++page) {
    if (!PrintPage(run, page)) return false;
  }
  return true;
}

// The job from its start to its end; a failure on the way aborts it, so that no half-open job
// stays with the spooler.
bool RunPrintJob(PrintRun& run, int copies) {
  HDC printer = run.setup->printer;
  const std::string& name = *run.documentName;
  const std::string jobName = FormatStringText(IDS_PRINT_JOB_NAME, name).value_or(name);
  DOCINFOA document = {};
  document.cbSize = sizeof document;
  document.lpszDocName = jobName.c_str();
  if (jobCalls->startDoc(printer, &document) <= 0) {
    PrintFailure(MSG_PRINT_JOB_START_FAILED, name, LastError());
    return false;
  }
  win32::SelectGuard font(printer, run.setup->font.get());
  for (int copy = 0; copy < copies; ++copy) {
    if (!PrintAllPages(run)) {
      jobCalls->abortDoc(printer);
      return false;
    }
  }
  if (jobCalls->endDoc(printer) <= 0) {
    PrintFailure(MSG_PRINT_JOB_END_FAILED, name, LastError());
    jobCalls->abortDoc(printer);
    return false;
  }
  return true;
}

bool PrintText(HWND document, HWND edit, const std::string& name, std::string_view text) {
  win32::UniqueDc printer = ChoosePrinter(document);
  if (!printer) return false;
  const int copies = std::max<int>(1, PrintDialogRecord().nCopies);
  UpdateWindow(document);
  PrinterJobSetup setup;
  setup.printer = printer.get();
  if (!PreparePrinterLayout(name, setup)) return false;
  ShowStatus(MSG_PRINTING, name);
  char longDate[256] = "", shortDate[256] = "", time[256] = "";
  FormatDateText(nullptr, true, longDate);
  FormatDateText(nullptr, false, shortDate);
  FormatTimeText(nullptr, time);
  PrintRun run{edit, &setup, &editorState.pageSetup, &name, longDate, shortDate, time, text, {}};
  FindDisplayLines(run);
  return RunPrintJob(run, copies);
}

}  // namespace

bool PrintDocument(HWND document) {
  ShowStatus(ID_FILE_PRINT);
  HWND edit = GetDocumentEdit(document);
  if (!edit) return false;
  const std::string name = DocumentName(document);
  bool printed = false;
  {
    // The document as it stands when printing starts; freed with the job, whatever its end.
    std::string copy;
    if (!GetDocumentText(edit, copy)) return false;
    printed = PrintText(document, edit, name, copy);
  }
  ShowStatus(printed ? MSG_PRINTED : MSG_PRINTING_CANCELED, name);
  return printed;
}

bool PreparePrinterLayout(const std::string& documentName, PrinterJobSetup& setup) {
  HDC printer = setup.printer;
  PrinterMetrics metrics;
  metrics.horizontalResolution = GetDeviceCaps(printer, HORZRES);
  metrics.verticalResolution = GetDeviceCaps(printer, VERTRES);
  metrics.pixelsPerInchX = GetDeviceCaps(printer, LOGPIXELSX);
  metrics.pixelsPerInchY = GetDeviceCaps(printer, LOGPIXELSY);
  LOGFONTA font = PrinterFontRecord();
  font.lfWidth = 0;
  font.lfHeight = PrinterFontHeight(font.lfHeight, metrics.pixelsPerInchY);
  setup.font.reset(CreateFontIndirectA(&font));
  int lineHeight = 0;
  if (setup.font) {
    win32::SelectGuard select(printer, setup.font.get());
    TEXTMETRICA text = {};
    if (GetTextMetricsA(printer, &text)) lineHeight = text.tmHeight + text.tmExternalLeading;
  }
  if (!setup.font || lineHeight <= 0) {
    PrintFailure(MSG_PRINT_FONT_FAILED, documentName, font.lfFaceName, LastError());
    setup.font.reset();
    return false;
  }
  if (ComputePrinterLayout(editorState.pageSetup, metrics, lineHeight, setup.layout) != LayoutRefusal::None) {
    // The page loop needs one body line of some width; nothing is printed without it.
    InfoBoxText(frameWindow, GetString(IDS_PROGRAM_NAME).c_str(),
                FormatText(kNoRoomText, {FormatArg(documentName)}, kMaxMessageLength).c_str());
    setup.font.reset();
    return false;
  }
  return true;
}

void RunPrinterSetup(HWND frame) {
  ShowStatus(ID_FILE_PRINTER_SETUP);
  PRINTDLGA& dialog = PrintDialogRecord();
  dialog.hwndOwner = frame;
  dialog.hDC = nullptr;
  dialog.Flags = PD_PRINTSETUP;
  RunPrintDialog(dialog);
  if (dialog.hDC) DeleteDC(dialog.hDC);
  dialog.hDC = nullptr;
}

void ChoosePrinterFont(HWND frame) {
  ShowStatus(ID_VIEW_PRINTER_FONT);
  LOGFONTA chosen = PrinterFontRecord();
  CHOOSEFONTA choice = {};
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = frame;
  choice.lpLogFont = &chosen;
  choice.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
  if (!RunFontChooser(choice)) return;
  win32::UniqueFont font(CreateFontIndirectA(&chosen));
  if (!font) {
    ErrorBox(MSG_FONT_FAILED, chosen.lfFaceName, static_cast<int>(chosen.lfHeight), LastError());
    return;
  }
  PrinterFontRecord() = chosen;
  SaveSettings();
}

void FreePrintDialogRecord() {
  if (printDialog.hDevMode) GlobalFree(printDialog.hDevMode);
  if (printDialog.hDevNames) GlobalFree(printDialog.hDevNames);
  printDialog = PRINTDLGA();
}

void SetPrintJobCalls(const PrintJobCalls* calls) { jobCalls = calls ? calls : &kSystemJobCalls; }

void InstallPrintingServices() {
  DocumentServices services = GetDocumentServices();
  auto otherFrameCommands = services.frameCommand;
  services.frameCommand = [otherFrameCommands](unsigned id) {
    if (id == ID_FILE_PRINTER_SETUP) RunPrinterSetup(frameWindow);
    else if (id == ID_VIEW_PRINTER_FONT) ChoosePrinterFont(frameWindow);
    else if (otherFrameCommands) otherFrameCommands(id);
  };
  auto otherDocumentCommands = services.documentCommand;
  services.documentCommand = [otherDocumentCommands](HWND document, unsigned id) {
    if (id == ID_FILE_PRINT) return PrintDocument(document), true;
    return otherDocumentCommands && otherDocumentCommands(document, id);
  };
  SetDocumentServices(services);
}

}  // namespace editor
