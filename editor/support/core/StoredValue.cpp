#include "editor/support/core/StoredValue.h"

namespace support {

std::optional<std::u16string> DecodeStoredText(std::uint32_t type, const void* data, std::size_t size) {
  if (type != kStoredText && type != kStoredExpandText) return std::nullopt;
  if (!data) return std::nullopt;
  const unsigned char* bytes = static_cast<const unsigned char*>(data);
  std::u16string text;
  for (std::size_t at = 0; at + 2 <= size; at += 2) {
    const char16_t unit = static_cast<char16_t>(bytes[at] | bytes[at + 1] << 8);
    if (unit == 0) return text;
    text += unit;
  }
  return std::nullopt;  // unterminated: its end is unknown
}

std::optional<std::uint32_t> DecodeStoredInteger(std::uint32_t type, const void* data,
                                                 std::size_t size) {
  if (type != kStoredDword || size != 4 || !data) return std::nullopt;
  const unsigned char* b = static_cast<const unsigned char*>(data);
  return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
         static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

std::optional<std::uint32_t> ParseStoredInteger(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  const std::size_t digitsStart = i;
  std::uint64_t value = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
    if (value > 0xFFFFFFFFull) return std::nullopt;
    ++i;
  }
  if (i == digitsStart) return std::nullopt;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  if (i != text.size()) return std::nullopt;
  if (negative) {
    if (value > 0x80000000ull) return std::nullopt;
    return static_cast<std::uint32_t>(0x100000000ull - value);
  }
  return static_cast<std::uint32_t>(value);
}

}  // namespace support
