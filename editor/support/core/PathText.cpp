#include "editor/support/core/PathText.h"

#include <algorithm>
#include <cstring>

namespace support {

namespace {

// Copies [begin, end) of the text into out, cut to the capacity.
char* CopyPart(const char* begin, const char* end, char* out, std::size_t capacity) {
  if (capacity == 0) return out;
  const std::size_t length = std::min(static_cast<std::size_t>(end - begin), capacity - 1);
  std::memmove(out, begin, length);
  out[length] = '\0';
  return out;
}

char* Empty(char* out, std::size_t capacity) {
  if (capacity > 0) out[0] = '\0';
  return out;
}

}  // namespace

char* GetPathDir(const char* path, char* out, std::size_t capacity) {
  if (!path || !out) return nullptr;
  const char* slash = std::strrchr(path, '\\');
  return slash ? CopyPart(path, slash + 1, out, capacity) : Empty(out, capacity);
}

char* GetPathFileName(const char* path, char* out, std::size_t capacity) {
  if (!path || !out) return nullptr;
  const char* slash = std::strrchr(path, '\\');
  return slash ? CopyPart(slash + 1, slash + std::strlen(slash), out, capacity) : Empty(out, capacity);
}

char* StripExtension(const char* path, char* out, std::size_t capacity) {
  if (!path || !out) return nullptr;
  const char* dot = std::strrchr(path, '.');
  return dot ? CopyPart(path, dot, out, capacity) : Empty(out, capacity);
}

char* GetPathExtension(const char* path, char* out, std::size_t capacity) {
  if (!path || !out) return nullptr;
  const char* dot = std::strrchr(path, '.');
  return dot ? CopyPart(dot, dot + std::strlen(dot), out, capacity) : Empty(out, capacity);
}

char* GetPathDrive(const char* path, char* out, std::size_t capacity) {
  if (!path || !out) return nullptr;
  const char* colon = std::strchr(path, ':');
  return colon ? CopyPart(path, colon + 1, out, std::min(capacity, kPathTextSize + 1)) : Empty(out, capacity);
}

const char* FindChar(const char* text, char c) { return text ? std::strchr(text, c) : nullptr; }
const char* FindLastChar(const char* text, char c) { return text ? std::strrchr(text, c) : nullptr; }
char* FindChar(char* text, char c) { return text ? std::strchr(text, c) : nullptr; }
char* FindLastChar(char* text, char c) { return text ? std::strrchr(text, c) : nullptr; }

char* ReverseString(char* text) {
  if (text) std::reverse(text, text + std::strlen(text));
  return text;
}

char* NumberToBase(std::uint32_t value, char* out, std::size_t capacity, unsigned base) {
  if (!out) return nullptr;
  Empty(out, capacity);
  if (base < 2 || base > 36 || base % 2 != 0) return out;
  char digits[33];  // base 2 needs the most: 32 digits
  std::size_t count = 0;
  do {
    const std::uint32_t digit = value % base;
    digits[count++] = static_cast<char>(digit < 10 ? '0' + digit : 'A' + (digit - 10));
    value /= base;
  } while (value != 0);
  if (count + 1 > capacity) return out;
  for (std::size_t i = 0; i < count; ++i) out[i] = digits[count - 1 - i];
  out[count] = '\0';
  return out;
}

std::string DialogInitialFolder(std::string_view path) {
  const std::size_t slash = path.rfind('\\');
  if (slash == std::string_view::npos) return std::string();
  std::string folder(path.substr(0, slash + 1));
  if (folder.size() > 3) folder.pop_back();
  return folder;
}

}  // namespace support
