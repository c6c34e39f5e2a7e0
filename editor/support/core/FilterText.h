// File dialog filters as the program writes them ("Text Files|*.txt|All Files|*.*|", the last
// character being the separator) and as the system dialogs take them. Portable: no windows.h.
#pragma once

#include <string>
#include <string_view>

namespace support {

// Every occurrence of the text's last character becomes a zero byte; the result ends in two
// zero bytes, both counted in its size. An empty text gives an empty result.
std::string ToSystemFilter(std::string_view text);

}  // namespace support
