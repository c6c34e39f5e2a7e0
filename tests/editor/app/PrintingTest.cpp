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
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

std::string Text(const PrintBand& b) {
  return std::to_string(b.left) + "," + std::to_string(b.top) + "," + std::to_string(b.right) + "," +
         std::to_string(b.bottom);
}
}  // namespace

TEST(PrinterLayout, AreaLinesAndBands) {
  PrinterLayout layout;
  ASSERT_EQ(ComputePrinterLayout(PageSetup{}, kA4At300, 53, layout), LayoutRefusal::None);
  EXPECT_EQ(Text(layout.area), "150,150,2329,3358");
  EXPECT_EQ(layout.linesPerPage, 60);  // 3208 / 53
  EXPECT_EQ(Text(layout.HeaderBand()), "150,0,2329,53");
  EXPECT_EQ(Text(layout.FooterBand()), "150,3455,2329,3508");
  EXPECT_EQ(Text(layout.BodyLine(59)), "150,3277,2329,3330");
  // 99.9 pixels truncated; a margin beyond the paper is accepted.
  ASSERT_EQ(ComputePrinterLayout(PageSetup{333, -1000, 500, 500}, kA4At300, 50, layout), LayoutRefusal::None);
  EXPECT_EQ(Text(layout.area), "99,-300,2329,3358");
}

TEST(PrinterLayout, RefusesWhenNoLineFits) {
  PrinterLayout layout;
  EXPECT_EQ(ComputePrinterLayout(PageSetup{500, 6000, 500, 6000}, kA4At300, 50, layout), LayoutRefusal::NoRoom);
  EXPECT_EQ(ComputePrinterLayout(PageSetup{5000, 500, 5000, 500}, kA4At300, 50, layout), LayoutRefusal::NoRoom);
  EXPECT_EQ(ComputePrinterLayout(PageSetup{kMin, -(kMin + 1), 0, 0}, kA4At300, 50, layout), LayoutRefusal::NoRoom);
  EXPECT_EQ(ComputePrinterLayout(PageSetup{}, kA4At300, 3209, layout), LayoutRefusal::NoRoom);
  EXPECT_EQ(ComputePrinterLayout(PageSetup{}, kA4At300, 0, layout), LayoutRefusal::NoLineHeight);
  EXPECT_EQ(layout.linesPerPage, 0);
  EXPECT_EQ(ComputePrinterLayout(PageSetup{}, kA4At300, 3208, layout), LayoutRefusal::None);
  EXPECT_EQ(layout.linesPerPage, 1);
}

TEST(PrinterLayout, FontHeightAndPages) {
  EXPECT_EQ(PrinterFontHeight(-12, 300), -50);
  EXPECT_EQ(PrinterFontHeight(12, 300), -50);
  EXPECT_EQ(PrinterFontHeight(-11, 96), -14);  // 14.67 truncated
  EXPECT_EQ(PrinterFontHeight(kMin, 600), kMin);
  EXPECT_EQ(PageCount(130, 60), 3);
  EXPECT_EQ(PageCount(120, 60), 2);
  EXPECT_EQ(PageCount(0, 60), 1);
  std::string pages;
  for (int page = 1; page <= 4; ++page) {
    const PageLines lines = LinesOfPage(page, 60, 130);
    pages += std::to_string(lines.first) + "-" + std::to_string(lines.end) + " ";
  }
  EXPECT_EQ(pages, "0-60 60-120 120-130 130-130 ");
}

TEST(PrintText, HeaderFooterAndBodyLines) {
  PageMacroValues values{"c:\\docs\\report.txt", "Mon Jan 5 1998 ", "01 /05 /98 ", "3:07 PM", 12};
  const std::pair<const char*, const char*> cases[] = {
      {"File: $F - $D - $T", "File: c:\\docs\\report.txt - Mon Jan 5 1998  - 3:07 PM"},
      {"- Page $P -", "- Page 12 -"}, {"$f $d$t $p", "report.txt 01 /05 /98 3:07 PM 12"},
      {"$$ $x $", "$ x "},            {"100% & more", "100% & more"}};
  for (const auto& [text, line] : cases) EXPECT_EQ(ExpandPageMacros(text, values), line) << text;
  values.documentName = "Untitled1";
  EXPECT_EQ(ExpandPageMacros("$f", values), "Untitled1");

  EXPECT_EQ(PrintedBodyLine("Tom & Jerry\r\n"), "Tom && Jerry");
  EXPECT_EQ(PrintedBodyLine("last line"), "last line");
  EXPECT_EQ(PrintedBodyLine("a\rb\n"), "a");
  EXPECT_EQ(PrintedBodyLine(std::string(3000, '&') + "\r\n"), std::string(6000, '&'));  // any length
}
