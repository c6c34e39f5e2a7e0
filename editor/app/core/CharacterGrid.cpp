#include "editor/app/core/CharacterGrid.h"

#include <cstdio>

#include "editor/support/core/PathText.h"

namespace editor {

namespace {

// The value in `base`, zero-padded on the left to `digits`.
std::string Padded(int value, unsigned base, std::size_t digits) {
  char text[40] = "";
  support::NumberToBase(static_cast<std::uint32_t>(value), text, sizeof text, base);
  std::string result = text;
  if (result.size() < digits) result.insert(0, digits - result.size(), '0');
  return result;
}

}  // namespace

std::optional<int> CodeAtPoint(int x, int y) {
  if (x < kGridLeft || x >= kGridRight || y < kGridTop || y >= kGridBottom) return std::nullopt;
  return kGridCells * ((x - kGridLeft) / kCellWidth) + (y - kGridTop) / kCellHeight;
}

PixelRect CharacterRect(int code) {
  const int column = code / kGridCells, row = code % kGridCells;
  return {16 + kCellWidth * column, 16 + kCellHeight * row, 45 + kCellWidth * column, 31 + kCellHeight * row};
}

PixelRect InfoBoxRect(int code) {
  const int column = code / kGridCells, row = code % kGridCells;
  const int left = column <= 12 ? kCellWidth * column + 48 : kCellWidth * column - 68;
  return {left, kCellHeight * row, left + 80, kCellHeight * row + 52};
}

std::array<std::string, 4> InfoBoxLines(int code) {
  char hex[16], dec[16];
  std::snprintf(hex, sizeof hex, " Hex: x%02X", static_cast<unsigned>(code) & 0xFFu);
  std::snprintf(dec, sizeof dec, " Dec: %d", code);
  return {hex, dec, " Oct:  " + Padded(code, 8, 3), " Bin:  " + Padded(code, 2, 8)};
}

std::string ErrorCodeLine(unsigned code, std::string_view text) {
  std::string flat(text);
  // A lone line feed breaks a list line as surely as a carriage return does.
  for (char& c : flat) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  if (flat.empty()) return {};
  char head[32];
  std::snprintf(head, sizeof head, "%u\t0x%04X\t", code, code);
  return head + flat;
}

}  // namespace editor
