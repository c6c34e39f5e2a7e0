#include "editor/support/core/MarginText.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace support {

std::string FormatMargin(std::int32_t thousandths) {
  const double inches = static_cast<double>(thousandths) * static_cast<double>(0.001f);
  char buffer[32];
  const int length = std::snprintf(buffer, sizeof buffer, "%4.2f", inches);
  return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The longest start of `text` that reads as a plain decimal number: blanks, a sign, digits, a
// point, digits and an exponent. Hexadecimal, "inf" and "nan" read as no number at all.
std::string DecimalPrefix(const char* text) {
  const char* p = text;
  while (*p && std::isspace(static_cast<unsigned char>(*p))) ++p;
  const char* start = p;
  if (*p == '+' || *p == '-') ++p;
  const char* digits = p;
  while (IsDigit(*p)) ++p;
  bool any = p != digits;
  if (*p == '.') {
    ++p;
    const char* fraction = p;
    while (IsDigit(*p)) ++p;
    any = any || p != fraction;
  }
  if (!any) return {};
  if (*p == 'e' || *p == 'E') {
    const char* exponent = p + 1;
    if (*exponent == '+' || *exponent == '-') ++exponent;
    if (IsDigit(*exponent)) {
      p = exponent;
      while (IsDigit(*p)) ++p;
    }
  }
  return std::string(start, p);
}

}  // namespace

std::int32_t ParseMargin(const char* text) {
  if (!text) return 0;
  const std::string number = DecimalPrefix(text);
  if (number.empty()) return 0;
  const double value = std::strtod(number.c_str(), nullptr) * 1000.0;
  if (value >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
    return std::numeric_limits<std::int32_t>::max();
  if (value <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
    return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

}  // namespace support
