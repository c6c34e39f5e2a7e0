// How a stored setting is judged when it is read back: what counts as a usable text or integer
// and what counts as missing (the caller's default is then used). Portable: no windows.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace support {

// The registry's value types the store meets (the values are those of winnt.h).
enum StoredType : std::uint32_t {
  kStoredNone = 0,
  kStoredText = 1,        // REG_SZ
  kStoredExpandText = 2,  // REG_EXPAND_SZ
  kStoredBinary = 3,      // REG_BINARY
  kStoredDword = 4,       // REG_DWORD
  kStoredMultiText = 7,   // REG_MULTI_SZ
};

// A stored text as the registry keeps it: `size` bytes of little-endian 16-bit units. Usable
// when it is a text type and a terminator unit lies within its size (an odd last byte is not a
// unit); the text is everything before the first terminator. Anything else reads as missing.
std::optional<std::u16string> DecodeStoredText(std::uint32_t type, const void* data, std::size_t size);

// Whether a text of `length` characters fits a caller's buffer of `capacity` bytes with its
// terminator; a text that does not fit reads as missing, never cut short.
constexpr bool TextFitsBuffer(std::size_t length, std::size_t capacity) { return length < capacity; }

// A stored integer: usable only as a 4-byte REG_DWORD, read little-endian.
std::optional<std::uint32_t> DecodeStoredInteger(std::uint32_t type, const void* data,
                                                 std::size_t size);

// An integer written to a text file: optional blanks, an optional sign and decimal digits, then
// nothing but blanks. Values are kept as their 32-bit pattern ("-13" and "4294967283" are the
// same); anything else, or a number outside -2^31 .. 2^32-1, reads as missing.
std::optional<std::uint32_t> ParseStoredInteger(const std::string& text);

// A flag is stored and read as 0 or 1.
constexpr std::uint32_t NormaliseFlag(std::uint32_t value) { return value != 0 ? 1u : 0u; }

// Byte fields of a font are stored as full integers; only their low 8 bits are loaded.
constexpr std::uint8_t LowByte(std::uint32_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

}  // namespace support
