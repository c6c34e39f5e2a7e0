// What a test printed on the CUPS PDF printer, read back: the printer is the default printer,
// each job lands as a PDF in the user's PDF folder, poppler's pdftotext gives its words with
// their places on the page and pdftoppm a picture of a page.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace testsupport {

// One printed line: the words of one baseline joined by single spaces, and their bounds in points
// from the page's top left.
struct PdfLine {
  double left = 0, top = 0, right = 0, bottom = 0;
  std::string text;
};
struct PdfPage {
  double width = 0, height = 0;
  std::vector<PdfLine> lines;  // from the top down
};

class PdfPrinter {
 public:
  // Empty when the PDF printer is the default printer and poppler is installed; else the reason
  // the printing tests skip.
  static std::string Unavailable();

  PdfPrinter();  // remembers the PDFs already there
  // The first new PDF, once completely written, read back; false when none came in time.
  bool ReadJob(std::vector<PdfPage>& pages, int timeoutMs = 90000);
  // The last PDF's first page as a PNG file at `dpi` (deleted with the printer object), or empty.
  std::string PagePicture(int dpi);
  // True when no new PDF appears within `milliseconds`.
  bool NoJobWithin(int milliseconds);
  // Where the last PDF read is (deleted when the printer object goes, unless KEEP_PRINTED_PDF
  // is set in the environment).
  const std::string& LastPdf() const { return lastPdf_; }
  ~PdfPrinter();

 private:
  std::set<std::string> Pdfs() const;
  // Runs `script` in the PDF folder; false when it did not finish within a minute.
  bool Run(const std::string& script) const;
  static void Forget(std::string& file);
  std::string folder_, unixFolder_, lastPdf_, picture_;
  std::set<std::string> before_;
};

}  // namespace testsupport
