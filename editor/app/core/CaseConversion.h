// Lowercase and Uppercase of a selection: only the letters a-z and A-Z change (the C library's
// default locale), every other byte stays. Portable: no windows.h.
#pragma once

#include <cstddef>
#include <string>

namespace editor {

enum class LetterCase { Lower, Upper };

// Converts `text` in place and returns how many characters changed.
std::size_t ConvertLetterCase(std::string& text, LetterCase target);

// The status text after a conversion, from its format ("Converted %d character%s to %scase"):
// the count, "" for one character or "s", and "lower" or "upper".
std::string CaseConversionStatus(const char* format, std::size_t count, LetterCase target);

}  // namespace editor
