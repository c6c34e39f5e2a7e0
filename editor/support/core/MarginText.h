// The page margins as the Printing page shows and reads them: thousandths of an inch shown as
// inches with two decimals, and typed inches stored as thousandths. Portable: no windows.h.
#pragma once

#include <cstdint>
#include <string>

namespace support {

// The margin in inches, "%4.2f" of the value times the single-precision number nearest to 0.001
// (so 500 shows as "0.50" and 12345 as "12.35").
std::string FormatMargin(std::int32_t thousandths);

// A typed margin: the decimal number at the start of `text` (after blanks; "abc" reads as 0)
// times 1000.0, truncated toward zero. Values beyond the 32-bit range are held at its ends.
std::int32_t ParseMargin(const char* text);

}  // namespace support
