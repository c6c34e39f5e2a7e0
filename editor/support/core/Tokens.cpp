#include "editor/support/core/Tokens.h"

#include <cstring>

namespace support {

char* NextToken(char* text, const char* delimiters, char*& position) {
  char* p = text ? text : position;
  if (!p) return nullptr;
  const char* separators = delimiters ? delimiters : "";
  p += std::strspn(p, separators);
  if (*p == '\0') {
    position = nullptr;
    return nullptr;
  }
  char* end = p + std::strcspn(p, separators);
  if (*end != '\0') {
    *end = '\0';
    position = end + 1;
  } else {
    position = end;
  }
  return p;
}

char* NextToken(char* text, const char* delimiters) {
  static char* remembered = nullptr;
  return NextToken(text, delimiters, remembered);
}

}  // namespace support
