#include "editor/app/core/LineEnds.h"

#include <cstring>

namespace editor {

int DetectLineEnds(std::string_view text) {
  bool sawCarriageReturn = false;
  bool sawLineFeed = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') return kWindowsLineEnds;
      sawCarriageReturn = true;
    } else if (text[i] == '\n') {
      sawLineFeed = true;
    }
  }
  if (sawCarriageReturn) return kMacintoshLineEnds;
  if (sawLineFeed) return kUnixLineEnds;
  return kWindowsLineEnds;
}

void ToMemoryLineEnds(std::string& text, int documentType) {
  if (documentType != kMacintoshLineEnds && documentType != kUnixLineEnds) return;
  const char lineEnd = documentType == kMacintoshLineEnds ? '\r' : '\n';
  std::size_t count = 0;
  for (const char* at = text.data(), *end = at + text.size();
       (at = static_cast<const char*>(std::memchr(at, lineEnd, static_cast<std::size_t>(end - at)))) != nullptr; ++at) {
    ++count;
  }
  if (count == 0) return;
  const std::size_t oldSize = text.size();
  text.resize(oldSize + count);  // the only allocation: on failure nothing has changed
  // Fill from the back so that every character moves once.
  char* data = &text[0];
  std::size_t to = oldSize + count;
  for (std::size_t from = oldSize; from-- > 0;) {
    const char c = data[from];
    if (c == lineEnd) {  // a CR or an LF alike becomes the pair
      data[--to] = '\n';
      data[--to] = '\r';
    } else {
      data[--to] = c;
    }
  }
}

void ToDiskLineEnds(std::string& text, int documentType) {
  if (documentType != kMacintoshLineEnds && documentType != kUnixLineEnds) return;
  char* data = &text[0];
  const std::size_t size = text.size();
  std::size_t to = 0;
  for (std::size_t from = 0; from < size; ++from) {
    const char c = data[from];
    const bool pair = c == '\r' && from + 1 < size && data[from + 1] == '\n';
    if (pair) {
      // Macintosh keeps the CR and skips the LF; Unix keeps the LF.
      data[to++] = documentType == kMacintoshLineEnds ? '\r' : '\n';
      ++from;
    } else {
      data[to++] = c;
    }
  }
  text.resize(to);
}

}  // namespace editor
