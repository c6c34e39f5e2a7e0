// Printing on a real frame and real documents, to CUPS's PDF printer, read back from the PDF;
// the print dialog and the font chooser answered through their seams; the Printing page driven
// inside the options sheet.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include "editor/app/OptionsSheet.h"
#include "editor/app/PageSetup.h"
#include "editor/app/Printing.h"
#include "editor/app/core/PrinterLayout.h"
#include "editor/support/IntlText.h"
#include "editor/support/PrintDialogs.h"
#include "resources/quillet_ids.h"
#include "tests/editor/app/DocumentFixture.h"
#include "tests/support/PrintedPdf.h"

using namespace editor;
using testsupport::PdfPage;

namespace {

class PrintingTest : public DocumentTest {
 protected:
  static void SetUpTestSuite() {
    DocumentTest::SetUpTestSuite();
    InstallPrintingServices();
  }
  void SetUp() override {
    DocumentTest::SetUp();
    editorState.pageSetup = PageSetup();
    PointPlacementReferences(editorState);
    PrinterFontRecord().lfHeight = -10;
    editorState.WordWrap = 0;
  }
  void TearDown() override {
    support::SetPrintDialogAnswerer(nullptr);
    SetPrintJobCalls(nullptr);
    SetOptionsSheetDriver(nullptr);
    DocumentTest::TearDown();
  }
  // The print dialog answered with OK on the default printer and `copies`, or with Cancel.
  void AnswerPrintDialog(bool ok, int copies = 1) {
    support::SetPrintDialogAnswerer([ok, copies](PRINTDLGA& dialog) {
      if (!ok) return false;
      dialog.hDC = CreateDCA(nullptr, "PDF", nullptr, nullptr);
      dialog.nCopies = static_cast<WORD>(copies);
      return dialog.hDC != nullptr;
    });
  }
  // A bottom margin (thousandths) leaving room for `lines` body lines, and a half.
  static std::int32_t BottomMarginFor(int lines) {
    PrinterJobSetup setup;
    win32::UniqueDc printer(CreateDCA(nullptr, "PDF", nullptr, nullptr));
    setup.printer = printer.get();
    EXPECT_TRUE(PreparePrinterLayout("", setup));
    const int ppi = GetDeviceCaps(setup.printer, LOGPIXELSY), height = setup.layout.lineHeight;
    return (GetDeviceCaps(setup.printer, VERTRES) - setup.layout.area.top - lines * height - height / 2) * 1000 / ppi;
  }
  // Printing `document` through the command; the PDF read back into pages_.
  void PrintAndRead(HWND document) {
    testsupport::PdfPrinter pdf;
    Command(document, ID_FILE_PRINT);
    ASSERT_TRUE(pdf.ReadJob(pages_)) << "no PDF came out";
  }
  // The body lines of a page: all but the header and the footer.
  static std::vector<std::string> Body(const PdfPage& page) {
    std::vector<std::string> body;
    for (std::size_t i = 1; i + 1 < page.lines.size(); ++i) body.push_back(page.lines[i].text);
    return body;
  }
  static std::string Lines(int from, int to, const char* trailer) {
    std::string text;
    for (int n = from; n <= to; ++n) text += "Line " + std::to_string(n) + " of text" + (n < to ? "\r\n" : trailer);
    return text;
  }

  // A text as the PDF gives it back: words separated by single spaces.
  static std::string AsPrinted(const std::string& text) {
    std::istringstream words(text);
    std::string word, joined;
    while (words >> word) joined += (joined.empty() ? "" : " ") + word;
    return joined;
  }

  std::vector<PdfPage> pages_;
};

#define SKIP_WITHOUT_PRINTER()                                                     \
  if (const std::string why = testsupport::PdfPrinter::Unavailable(); !why.empty()) \
  GTEST_SKIP() << "printing not tested: " << why

// ---- Page layout ----

TEST_F(PrintingTest, PagesOfSixtyLinesWithHeaderAndFooterInTheirBandsAndTheLastLineWhole) {
  SKIP_WITHOUT_PRINTER();
  editorState.pageSetup.bottomMargin = BottomMarginFor(60);
  // 130 lines; line 7 carries "&" and the last one has no line end.
  std::string text = Lines(1, 6, "\r\n") + "Fish & chips\r\n" + Lines(8, 130, "");
  text += " and its end";
  HWND document = OpenNew("pages.txt", text);
  AnswerPrintDialog(true);
  PrintAndRead(document);

  ASSERT_EQ(pages_.size(), 3u);
  const std::size_t expected[] = {60, 60, 10};
  for (int page = 0; page < 3; ++page) {
    const PdfPage& p = pages_[page];
    ASSERT_EQ(Body(p).size(), expected[page]) << "page " << page + 1;
    EXPECT_EQ(p.lines.front().text.rfind("File: " + Path("pages.txt") + " - ", 0), 0u) << p.lines.front().text;
    EXPECT_EQ(p.lines.back().text, "- Page " + std::to_string(page + 1) + " -");
    // Header centred at the top, footer at the bottom, body from the half-inch margins.
    const testsupport::PdfLine &header = p.lines.front(), &footer = p.lines.back();
    EXPECT_NEAR((header.left + header.right) / 2, p.width / 2, 0.03 * p.width);
    EXPECT_NEAR((footer.left + footer.right) / 2, p.width / 2, 0.03 * p.width);
    EXPECT_LT(header.bottom, p.lines[1].top);
    EXPECT_GT(footer.top, p.height * 0.9);
    EXPECT_NEAR(p.lines[1].left, 36, 14);  // half an inch plus the printer's unprintable edge
    EXPECT_NEAR(p.lines[1].top, 36, 20);
  }
  EXPECT_EQ(Body(pages_[0])[6], "Fish & chips");
  EXPECT_EQ(Body(pages_[0])[0], "Line 1 of text");
  EXPECT_EQ(Body(pages_[2]).back(), "Line 130 of text and its end");
  EXPECT_EQ(Status(), Path("pages.txt") + " printed");
  EXPECT_EQ(Text(document), text) << "printing changed the document";
}

TEST_F(PrintingTest, LongLinesWrapAsInTheWindowOrAreCutAtTheMargin) {
  SKIP_WITHOUT_PRINTER();
  std::string paragraph;
  for (int word = 1; paragraph.size() < 3000; ++word) paragraph += "word" + std::to_string(word) + " ";
  const std::string text = "first\r\n" + paragraph + "\r\nlast";
  for (const bool wrap : {true, false}) {
    editorState.WordWrap = wrap;
    HWND document = OpenNew(wrap ? "wrapped.txt" : "cut.txt", text);
    HWND edit = GetDocumentEdit(document);
    AnswerPrintDialog(true);
    PrintAndRead(document);
    ASSERT_FALSE(pages_.empty());
    std::vector<std::string> body;
    for (const PdfPage& page : pages_)
      for (const std::string& line : Body(page)) body.push_back(line);
    const int rows = static_cast<int>(SendMessageA(edit, EM_GETLINECOUNT, 0, 0));
    ASSERT_EQ(static_cast<int>(body.size()), wrap ? rows : 3) << "wrap " << wrap;
    EXPECT_EQ(body.front(), "first");
    EXPECT_EQ(body.back(), "last");
    if (wrap) {
      EXPECT_GT(rows, 10);
      for (int row = 1; row + 1 < rows; ++row) {  // each row as the control has it, as far as it fits
        char line[4096] = "";
        *reinterpret_cast<WORD*>(line) = sizeof line - 1;
        line[SendMessageA(edit, EM_GETLINE, row, reinterpret_cast<LPARAM>(line))] = '\0';
        std::string shown(line);
        shown.erase(shown.find_last_not_of(" \r\n") + 1);
        EXPECT_EQ(shown.rfind(body[row], 0), 0u) << row << ": " << body[row];
      }
    } else {
      EXPECT_EQ(paragraph.rfind(body[1], 0), 0u);
      EXPECT_GT(body[1].size(), 40u);
      EXPECT_LT(body[1].size(), 200u) << "not cut at the margin";
    }
  }
}

// ---- Macros ----

TEST_F(PrintingTest, HeaderAndFooterMacrosOnEveryCopy) {
  SKIP_WITHOUT_PRINTER();
  std::snprintf(editorState.pageSetup.footer, kPathLength, "%s", "$f $$ $x $p [$]$");
  editorState.pageSetup.centerFooter = 0;
  char longDate[256], shortDate[256], before[256], after[256];
  support::FormatDateText(nullptr, true, longDate);
  support::FormatDateText(nullptr, false, shortDate);
  support::FormatTimeText(nullptr, before);
  HWND document = OpenNew("macros.txt", "body");
  AnswerPrintDialog(true);
  PrintAndRead(document);
  support::FormatTimeText(nullptr, after);
  ASSERT_EQ(pages_.size(), 1u);
  const std::string header = pages_[0].lines.front().text;
  const std::string stamp = "File: " + Path("macros.txt") + " - " + longDate + " - ";
  EXPECT_TRUE(header == AsPrinted(stamp + before) || header == AsPrinted(stamp + after)) << header << "|" << stamp + before;
  EXPECT_EQ(pages_[0].lines.back().text, "macros.txt $ x 1 []");
  EXPECT_NEAR(pages_[0].lines.back().left, 36, 14) << "a footer not centred starts at the margin";

  // Two copies come out as the document twice in one job.
  std::snprintf(editorState.pageSetup.header, kPathLength, "%s", "$d");
  editorState.pageSetup.showFooter = 0;
  AnswerPrintDialog(true, 2);
  PrintAndRead(document);
  ASSERT_EQ(pages_.size(), 2u);
  for (const PdfPage& page : pages_) {
    EXPECT_EQ(page.lines.front().text, AsPrinted(shortDate));
    EXPECT_EQ(page.lines.back().text, "body") << "no footer";
  }
  EXPECT_TRUE(testsupport::PdfPrinter().NoJobWithin(1500)) << "a second job";
}

// ---- Job handling ----

TEST_F(PrintingTest, JobsThatEndEarlyPrintNothingAndSaySo) {
  SKIP_WITHOUT_PRINTER();
  HWND document = OpenNew("stops.txt", Lines(1, 200, "\r\n"));
  const std::string canceled = Path("stops.txt") + " printing canceled";
  testsupport::PdfPrinter pdf;
  {  // Cancel in the print dialog: no box, no job
    BoxRecorder boxes;
    AnswerPrintDialog(false);
    Command(document, ID_FILE_PRINT);
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(Status(), canceled);
  }
  {  // margins that leave no body line: told, nothing printed, no endless page loop
    BoxRecorder boxes;
    editorState.pageSetup.topMargin = 6000;
    editorState.pageSetup.bottomMargin = 6000;
    AnswerPrintDialog(true);
    Command(document, ID_FILE_PRINT);
    EXPECT_NE(boxes.only().text.find("no room for a line"), std::string::npos) << boxes.only().text;
    EXPECT_EQ(Status(), canceled);
    editorState.pageSetup = PageSetup();
  }
  // The job's calls failing on their way: the job is aborted (never ended), the user told with
  // the page and the system's code.
  static int startPages, endDocs, aborts;
  startPages = endDocs = aborts = 0;
  static const PrintJobCalls failSecondPage = {
      [](HDC dc, const DOCINFOA* job) { return StartDocA(dc, job); },
      [](HDC dc) { return ++startPages == 2 ? (SetLastError(1234), 0) : StartPage(dc); },
      [](HDC dc) { return EndPage(dc); }, [](HDC dc) { return ++endDocs, EndDoc(dc); },
      [](HDC dc) { return ++aborts, AbortDoc(dc); }};
  static const PrintJobCalls failStart = {[](HDC, const DOCINFOA*) { return SetLastError(5), 0; }, nullptr, nullptr,
                                          nullptr, [](HDC dc) { return AbortDoc(dc); }};
  struct Failure {
    const PrintJobCalls* calls;
    std::string text;
  };
  const Failure failures[] = {
      {&failSecondPage, "File: " + Path("stops.txt") + "\r\rError detected opening page 2 for printing\r\rCode 1234"},
      {&failStart, "File: " + Path("stops.txt") + "\r\rError detected starting the printer job\r\rCode 5"}};
  for (const Failure& failure : failures) {
    BoxRecorder boxes;
    SetPrintJobCalls(failure.calls);
    Command(document, ID_FILE_PRINT);
    EXPECT_EQ(boxes.only().text, failure.text);
    EXPECT_EQ(boxes.only().title, "Quillet");
    EXPECT_EQ(Status(), canceled);
  }
  EXPECT_EQ(endDocs, 0);
  EXPECT_EQ(aborts, 1);
  EXPECT_TRUE(pdf.NoJobWithin(3000)) << "something was printed";
}

TEST_F(PrintingTest, PrinterSetupAndPrintShareOneDialogRecordAndPrinterFontIsKept) {
  HGLOBAL names = nullptr;
  support::SetPrintDialogAnswerer([&](PRINTDLGA& dialog) {
    EXPECT_EQ(dialog.Flags & PD_PRINTSETUP, static_cast<DWORD>(PD_PRINTSETUP));
    EXPECT_EQ(dialog.hwndOwner, frameWindow);
    dialog.hDevNames = names = GlobalAlloc(GMEM_MOVEABLE, 64);
    return true;
  });
  FrameCommand(ID_FILE_PRINTER_SETUP);
  HWND document = OpenNew("record.txt", "x");
  support::SetPrintDialogAnswerer([&](PRINTDLGA& dialog) {
    EXPECT_EQ(dialog.hDevNames, names) << "the printer chosen was forgotten";
    EXPECT_EQ(dialog.nCopies, 1);
    EXPECT_EQ(dialog.Flags & (PD_NOPAGENUMS | PD_NOSELECTION | PD_RETURNDC),
              static_cast<DWORD>(PD_NOPAGENUMS | PD_NOSELECTION | PD_RETURNDC));
    return false;
  });
  Command(document, ID_FILE_PRINT);
  FreePrintDialogRecord();

  SetFontChooser([](CHOOSEFONTA& choice) {
    std::snprintf(choice.lpLogFont->lfFaceName, LF_FACESIZE, "%s", "Courier New");
    choice.lpLogFont->lfHeight = -17;
    return true;
  });
  FrameCommand(ID_VIEW_PRINTER_FONT);
  SetFontChooser(nullptr);
  EXPECT_STREQ(PrinterFontRecord().lfFaceName, "Courier New");
  EXPECT_EQ(ReadTestDword("Font\\Printer", "Height"), static_cast<DWORD>(-17));
}

// ---- Page setup ----

TEST_F(PrintingTest, MarginsRoundTripThroughThePrintingPage) {
  struct Margin {
    int control;
    const char* typed;
    std::int32_t PageSetup::*field;
    std::int32_t stored;
    const char* shown;
  };
  const Margin margins[] = {{IDC_PRINTING_TOP_MARGIN, "0.75", &PageSetup::topMargin, 750, "0.75"},
                            {IDC_PRINTING_LEFT_MARGIN, "abc", &PageSetup::leftMargin, 0, "0.00"},
                            {IDC_PRINTING_RIGHT_MARGIN, "-1", &PageSetup::rightMargin, -1000, "-1.00"},
                            {IDC_PRINTING_BOTTOM_MARGIN, "12.345", &PageSetup::bottomMargin, 12345, "12.35"}};
  SetOptionsSheetDriver([&](HWND sheet) {
    for (const Margin& m : margins) SetDlgItemTextA(PropSheet_GetCurrentPageHwnd(sheet), m.control, m.typed);
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  FrameCommand(ID_FILE_PAGE_SETUP);
  for (const Margin& m : margins) EXPECT_EQ(editorState.pageSetup.*m.field, m.stored) << m.typed;
  EXPECT_EQ(ReadTestDword("Options\\PageSetup", "RightMargin"), 0xFFFFFC18);
  SetOptionsSheetDriver([&](HWND sheet) {
    char shown[64];
    for (const Margin& m : margins) {
      GetDlgItemTextA(PropSheet_GetCurrentPageHwnd(sheet), m.control, shown, sizeof shown);
      EXPECT_STREQ(shown, m.shown);
    }
    PropSheet_PressButton(sheet, PSBTN_CANCEL);
  });
  FrameCommand(ID_FILE_PAGE_SETUP);
}

TEST_F(PrintingTest, AnEmptyPrintedHeaderKeepsTheSheetOpenUntilItIsUnchecked) {
  BoxRecorder boxes;
  std::string restored;
  bool stayed = false;
  SetOptionsSheetDriver([&](HWND sheet) {
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    SetDlgItemTextA(page, IDC_PRINTING_HEADER, "");
    PropSheet_PressButton(sheet, PSBTN_OK);
    testsupport::PumpMessages();
    char text[256] = "";
    GetDlgItemTextA(page, IDC_PRINTING_HEADER, text, sizeof text);
    restored = text;
    stayed = IsWindow(sheet) && PropSheet_GetCurrentPageHwnd(sheet) == page;
    SetDlgItemTextA(page, IDC_PRINTING_HEADER, "");
    CheckDlgButton(page, IDC_PRINTING_PRINT_HEADER, BST_UNCHECKED);
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  FrameCommand(ID_FILE_PAGE_SETUP);
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.only().title, "Page Setup Error");
  EXPECT_EQ(boxes.only().text, "\r\rPlease specify the header text to be printed\ror uncheck the Print Header checkbox");
  EXPECT_EQ(restored, "File: $F - $D - $T");
  EXPECT_TRUE(stayed);
  EXPECT_STREQ(editorState.pageSetup.header, "");
  EXPECT_EQ(editorState.pageSetup.showHeader, 0);
}

TEST_F(PrintingTest, PageSetupLoadsDefaultsAndKeepsLandscapeAsStored) {
  PageSetup setup, loaded;
  setup.landscape = 1;
  LoadPageSetup("Test\\PageSetup", setup);  // nothing stored there: the defaults
  EXPECT_EQ(setup.landscape, 0);
  EXPECT_STREQ(setup.footer, "- Page $P -");
  setup.landscape = 1;
  setup.topMargin = -3;
  SavePageSetup("Test\\PageSetup", setup);
  LoadPageSetup("Test\\PageSetup", loaded);
  EXPECT_TRUE(loaded.landscape == 1 && loaded.topMargin == -3);
}

}  // namespace
