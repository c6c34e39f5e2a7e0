// Printed pages without a printer: the page layout, the pages and their lines, the header and
// footer macros and the body lines as drawn.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "editor/app/core/PrintText.h"
#include "editor/app/core/PrinterLayout.h"

using namespace editor;

namespace {
const PrinterMetrics kA4At300{2479, 3508, 300, 300};  // the PDF printer's page
}

TEST(PrinterLayout, AreaLinesAndBands) {
  PrinterLayout layout;
  ASSERT_EQ(ComputePrinterLayout(PageSetup{}, kA4At300, 53, layout), LayoutRefusal::None);
  EXPECT_EQ(layout.area.left, 150);
  EXPECT_EQ(layout.area.top, 150);
  EXPECT_EQ(layout.area.right, 2329);
  EXPECT_EQ(layout.area.bottom, 3358);
  EXPECT_EQ(layout.linesPerPage, 60);  // 3208 / 53
  EXPECT_EQ(layout.HeaderBand().top, 0);
  EXPECT_EQ(layout.HeaderBand().bottom, 53);
  EXPECT_EQ(layout.FooterBand().top, 3508 - 53);
  EXPECT_EQ(layout.FooterBand().right, 2329);
  EXPECT_EQ(layout.BodyLine(59).top, 150 + 59 * 53);
  EXPECT_LE(layout.BodyLine(59).bottom, layout.area.bottom);

  PageSetup odd;
  odd.leftMargin = 333;    // 99.9 pixels
  odd.topMargin = -1000;   // beyond the paper is accepted
  ASSERT_EQ(ComputePrinterLayout(odd, kA4At300, 50, layout), LayoutRefusal::None);
  EXPECT_EQ(layout.area.left, 99);
  EXPECT_EQ(layout.area.top, -300);
}

TEST(PrinterLayout, RefusesWhenNoLineFits) {
  PrinterLayout layout;
  PageSetup tall;
  tall.topMargin = 6000;
  tall.bottomMargin = 6000;
  PageSetup wide;
  wide.leftMargin = 5000;
  wide.rightMargin = 5000;
  PageSetup extreme;
  extreme.topMargin = std::numeric_limits<std::int32_t>::max();
  extreme.leftMargin = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(ComputePrinterLayout(tall, kA4At300, 50, layout), LayoutRefusal::NoRoom);
  EXPECT_EQ(ComputePrinterLayout(wide, kA4At300, 50, layout), LayoutRefusal::NoRoom);
  EXPECT_EQ(ComputePrinterLayout(PageSetup{}, kA4At300, 3209, layout), LayoutRefusal::NoRoom);
  EXPECT_EQ(ComputePrinterLayout(extreme, kA4At300, 50, layout), LayoutRefusal::NoRoom);
  EXPECT_EQ(ComputePrinterLayout(PageSetup{}, kA4At300, 0, layout), LayoutRefusal::NoLineHeight);
  EXPECT_EQ(layout.linesPerPage, 0);
  EXPECT_EQ(ComputePrinterLayout(PageSetup{}, kA4At300, 3208, layout), LayoutRefusal::None);
  EXPECT_EQ(layout.linesPerPage, 1);
}

TEST(PrinterLayout, FontHeightAndPages) {
  EXPECT_EQ(PrinterFontHeight(-12, 300), -50);
  EXPECT_EQ(PrinterFontHeight(12, 300), -50);
  EXPECT_EQ(PrinterFontHeight(-11, 96), -14);  // 14.67 truncated
  EXPECT_EQ(PrinterFontHeight(std::numeric_limits<std::int32_t>::min(), 600), std::numeric_limits<int>::min());

  EXPECT_EQ(PageCount(130, 60), 3);
  EXPECT_EQ(PageCount(120, 60), 2);
  EXPECT_EQ(PageCount(0, 60), 1);
  const int sizes[] = {60, 60, 10};
  int next = 0;
  for (int page = 1; page <= 3; ++page) {
    const PageLines lines = LinesOfPage(page, 60, 130);
    EXPECT_EQ(lines.first, next);
    EXPECT_EQ(lines.end - lines.first, sizes[page - 1]);
    next = lines.end;
  }
  EXPECT_EQ(LinesOfPage(4, 60, 130).end - LinesOfPage(4, 60, 130).first, 0);
}

TEST(PrintText, HeaderAndFooterMacros) {
  PageMacroValues values;
  values.documentName = "c:\\docs\\report.txt";
  values.longDate = "Mon Jan 5 1998 ";
  values.shortDate = "01 /05 /98 ";
  values.time = "3:07 PM";
  values.page = 12;
  struct Case {
    const char *text, *line;
  };
  const Case cases[] = {
      {"File: $F - $D - $T", "File: c:\\docs\\report.txt - Mon Jan 5 1998  - 3:07 PM"},
      {"- Page $P -", "- Page 12 -"},
      {"$f $d$t $p", "report.txt 01 /05 /98 3:07 PM 12"},
      {"$$ $x $", "$ x "},
      {"100% & more", "100% & more"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ExpandPageMacros(c.text, values), c.line) << c.text;
  values.documentName = "Untitled1";
  EXPECT_EQ(ExpandPageMacros("$f", values), "Untitled1");
}

TEST(PrintText, BodyLinesOfAnyLength) {
  EXPECT_EQ(PrintedBodyLine("Tom & Jerry\r\n"), "Tom && Jerry");
  EXPECT_EQ(PrintedBodyLine("last line"), "last line");
  EXPECT_EQ(PrintedBodyLine("a\rb\n"), "a");
  const std::string ampersands(3000, '&');
  EXPECT_EQ(PrintedBodyLine(ampersands + "\r\n"), std::string(6000, '&'));
}
