#include "editor/support/core/FilterText.h"

namespace support {

std::string ToSystemFilter(std::string_view text) {
  if (text.empty()) return std::string();
  const char separator = text.back();
  std::string result(text);
  for (char& c : result) {
    if (c == separator) c = '\0';
  }
  if (result.back() != '\0') result += '\0';  // (cannot happen: the last character was the separator)
  result += '\0';
  return result;
}

}  // namespace support
