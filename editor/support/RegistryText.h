// Texts read from any registry key with the same judgement as the settings: a value that is
// missing, not a terminated text, or too long for the caller's buffer reads as missing and is
// never used past its end.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

namespace support {

// The text of value `name` (null: the key's default value) of `root`\`keyPath`, converted to the
// ANSI code page, or nothing when it would not fit `capacity` bytes with its terminator.
std::optional<std::string> ReadRegistryText(HKEY root, const char* keyPath, const char* name,
                                            std::size_t capacity);

}  // namespace support
