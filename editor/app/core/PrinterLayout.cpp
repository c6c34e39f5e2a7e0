#include "editor/app/core/PrinterLayout.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace editor {

namespace {

int Clamped(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

// Thousandths of an inch in pixels, truncated toward zero (exact, without rounding errors).
std::int64_t MarginPixels(std::int32_t thousandths, int pixelsPerInch) {
  return static_cast<std::int64_t>(thousandths) * pixelsPerInch / 1000;
}

}  // namespace

PrintBand PrinterLayout::HeaderBand() const { return {area.left, 0, area.right, lineHeight}; }

PrintBand PrinterLayout::FooterBand() const {
  return {area.left, verticalResolution - lineHeight, area.right, verticalResolution};
}

PrintBand PrinterLayout::BodyLine(int index) const {
  const int top = Clamped(static_cast<std::int64_t>(area.top) + static_cast<std::int64_t>(index) * lineHeight);
  return {area.left, top, area.right, Clamped(static_cast<std::int64_t>(top) + lineHeight)};
}

LayoutRefusal ComputePrinterLayout(const PageSetup& setup, const PrinterMetrics& printer, int lineHeight,
                                   PrinterLayout& layout) {
  layout = PrinterLayout{};
  if (lineHeight <= 0) return LayoutRefusal::NoLineHeight;
  const std::int64_t left = MarginPixels(setup.leftMargin, printer.pixelsPerInchX);
  const std::int64_t top = MarginPixels(setup.topMargin, printer.pixelsPerInchY);
  const std::int64_t right = printer.horizontalResolution - MarginPixels(setup.rightMargin, printer.pixelsPerInchX);
  const std::int64_t bottom = printer.verticalResolution - MarginPixels(setup.bottomMargin, printer.pixelsPerInchY);
  const std::int64_t lines = (bottom - top) / lineHeight;
  if (lines <= 0 || right <= left) return LayoutRefusal::NoRoom;
  layout.lineHeight = lineHeight;
  layout.area = {Clamped(left), Clamped(top), Clamped(right), Clamped(bottom)};
  layout.linesPerPage = Clamped(lines);
  layout.verticalResolution = printer.verticalResolution;
  return LayoutRefusal::None;
}

std::int32_t PrinterFontHeight(std::int32_t recordHeight, int pixelsPerInchY) {
  const std::int64_t points = std::llabs(static_cast<long long>(recordHeight));
  return Clamped(-(points * pixelsPerInchY / 72));
}

int PageCount(int lineCount, int linesPerPage) {
  if (lineCount <= 0 || linesPerPage <= 0) return 1;
  return Clamped((static_cast<std::int64_t>(lineCount) + linesPerPage - 1) / linesPerPage);
}

PageLines LinesOfPage(int page, int linesPerPage, int lineCount) {
  if (page < 1 || linesPerPage <= 0 || lineCount <= 0) return {};
  const std::int64_t first = static_cast<std::int64_t>(page - 1) * linesPerPage;
  const std::int64_t end = std::min<std::int64_t>(first + linesPerPage, lineCount);
  if (first >= lineCount) return {lineCount, lineCount};
  return {static_cast<int>(first), static_cast<int>(end)};
}

}  // namespace editor
