// Small texts taken from paths, characters and numbers, in the caller's buffers. Each path
// function copies its part of `path` into `out` (cut to `capacity` - 1 characters) and returns
// `out`; it returns null without touching anything when either is missing. A part whose
// character is absent is an empty text, never the input unchanged: callers rely on that.
// Portable: no windows.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace support {

// The size of the editor's path and name buffers.
constexpr std::size_t kPathTextSize = 256;

// Up to and including the last "\".
char* GetPathDir(const char* path, char* out, std::size_t capacity);
// After the last "\".
char* GetPathFileName(const char* path, char* out, std::size_t capacity);
// Before the last "." of the whole path (c:\my.dir\readme gives c:\my).
char* StripExtension(const char* path, char* out, std::size_t capacity);
// From the last "." of the whole path on, the dot included.
char* GetPathExtension(const char* path, char* out, std::size_t capacity);
// Up to and including the first ":".
char* GetPathDrive(const char* path, char* out, std::size_t capacity);

template <std::size_t N>
char* GetPathDir(const char* path, char (&out)[N]) { return GetPathDir(path, out, N); }
template <std::size_t N>
char* GetPathFileName(const char* path, char (&out)[N]) { return GetPathFileName(path, out, N); }
template <std::size_t N>
char* StripExtension(const char* path, char (&out)[N]) { return StripExtension(path, out, N); }
template <std::size_t N>
char* GetPathExtension(const char* path, char (&out)[N]) { return GetPathExtension(path, out, N); }
template <std::size_t N>
char* GetPathDrive(const char* path, char (&out)[N]) { return GetPathDrive(path, out, N); }

// The first or last occurrence of `c` in the text, or null (also for a null text).
const char* FindChar(const char* text, char c);
const char* FindLastChar(const char* text, char c);
char* FindChar(char* text, char c);
char* FindLastChar(char* text, char c);

// Reverses the text in place and returns it (null stays null).
char* ReverseString(char* text);

// The value in an even base from 2 to 36, most significant digit first, digits 0-9 then A-Z;
// 0 gives "0". An odd or out-of-range base, or a buffer too small for every digit, gives an
// empty text. Returns `out` (null when it is missing).
char* NumberToBase(std::uint32_t value, char* out, std::size_t capacity, unsigned base);

// The folder a file dialog opens in for `path`: its folder part without the trailing "\" when
// that part is longer than 3 characters (c:\ keeps it); empty when the path has no "\".
std::string DialogInitialFolder(std::string_view path);

}  // namespace support
