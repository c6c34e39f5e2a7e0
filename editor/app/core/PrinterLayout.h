// Where a printed page's header, body lines and footer go, from the page setup's margins, the
// printer's resolution and the printer font's line height. Portable: the Windows side reads
// the device capabilities and the font metrics and passes them in.
#pragma once

#include <cstdint>

#include "editor/app/core/EditorRecords.h"

namespace editor {

struct PrinterMetrics {
  int horizontalResolution = 0;  // pixels
  int verticalResolution = 0;
  int pixelsPerInchX = 0;
  int pixelsPerInchY = 0;
};

struct PrintBand {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

struct PrinterLayout {
  int lineHeight = 0;  // character height plus external leading
  PrintBand area;      // the print area inside the margins
  int linesPerPage = 0;
  int verticalResolution = 0;

  PrintBand HeaderBand() const;
  PrintBand FooterBand() const;
  PrintBand BodyLine(int index) const;  // body line `index` of a page, from 0
};

enum class LayoutRefusal {
  None,
  NoLineHeight,  // the font gives lines of no height
  NoRoom,        // the margins leave no room for one body line of any width
};

// The print area (each margin in pixels truncated toward zero) and the lines per page. A
// refusal leaves nothing to print: the page loop needs at least one line of some width.
LayoutRefusal ComputePrinterLayout(const PageSetup& setup, const PrinterMetrics& printer, int lineHeight,
                                   PrinterLayout& layout);

// The printer font's height for the printer: the record's height taken as points whatever its
// sign, negative (a character height), truncated toward zero.
std::int32_t PrinterFontHeight(std::int32_t recordHeight, int pixelsPerInchY);

// Pages of a document of `lineCount` lines: at least one, so an empty document still prints
// its header and footer.
int PageCount(int lineCount, int linesPerPage);

// The document lines [first, end) that page `page` (from 1) prints.
struct PageLines {
  int first = 0;
  int end = 0;
};
PageLines LinesOfPage(int page, int linesPerPage, int lineCount);

}  // namespace editor
