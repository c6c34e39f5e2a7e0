// Word and number scanning with the C library's rules (sscanf "%s", atoi, atof), done here so
// that files read the same natively and in the Windows build. Portable: no windows.h.
#pragma once

#include <cstddef>
#include <string_view>

namespace spectrum {

// The characters sscanf's %s skips and stops at: blank, \t, \n, \v, \f, \r.
constexpr bool IsScanSpace(unsigned char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

// Splits `text` into at most `maxWords` words as a row of sscanf "%Ns" conversions does: words
// are separated by scan spaces, and a word longer than `maxWidth` characters (0 = no limit)
// continues as the next word. Returns the number of words stored in `words`.
int ScanWords(std::string_view text, std::string_view* words, int maxWords, std::size_t maxWidth = 0);

// Splits `text` as ScanWords does and reads each word with ReadDecimal into `values` (when not
// null). With `endAtX`, a word that reads exactly "x" ends the text. Returns the words read.
int ScanNumberWords(std::string_view text, double* values, int maxWords, std::size_t maxWidth, bool endAtX);

// atoi: leading scan spaces, optional sign, leading digits; no digits gives 0. Saturates at the
// int range instead of overflowing.
int ReadWholeNumber(std::string_view text);

// atof: leading scan spaces, optional sign, digits with an optional point, optional exponent
// (e, E, d or D, as the Windows C runtime reads it). Text that begins no number gives 0.0, and so
// do "inf", "nan" and hexadecimal forms (the Windows runtime takes none of them). Overflow gives
// +-HUGE_VAL, underflow 0 or the denormal.
double ReadDecimal(std::string_view text);

// ReadDecimal of the text from `begin` to `end`; `stop` is set to the end of the number read
// (to `begin` when there is none).
double ReadDecimalPrefix(const char* begin, const char* end, const char** stop);

}  // namespace spectrum
