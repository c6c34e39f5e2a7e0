#include "editor/app/core/CaseConversion.h"

#include "editor/support/core/SafeFormat.h"

namespace editor {

std::size_t ConvertLetterCase(std::string& text, LetterCase target) {
  const char from = target == LetterCase::Upper ? 'a' : 'A';
  const char to = target == LetterCase::Upper ? 'A' : 'a';
  std::size_t changed = 0;
  for (char& c : text) {
    if (c >= from && c <= from + 25) {
      c = static_cast<char>(c - from + to);
      ++changed;
    }
  }
  return changed;
}

std::string CaseConversionStatus(const char* format, std::size_t count, LetterCase target) {
  return support::FormatText(format, {count, count == 1 ? "" : "s", target == LetterCase::Upper ? "upper" : "lower"},
                             255);
}

}  // namespace editor
