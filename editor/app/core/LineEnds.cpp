#include "editor/app/core/LineEnds.h"

#include <cstring>

namespace editor {

namespace {

// The next `c` in [at, end), or end.
const char* Next(const char* at, const char* end, char c) {
  const void* found = std::memchr(at, c, static_cast<std::size_t>(end - at));
  return found ? static_cast<const char*>(found) : end;
}

}  // namespace

int DetectLineEnds(std::string_view text) {
  const char* end = text.data() + text.size();
  bool sawCarriageReturn = false;
  for (const char* at = Next(text.data(), end, '\r'); at != end; at = Next(at + 1, end, '\r')) {
    if (at + 1 != end && at[1] == '\n') return kWindowsLineEnds;
    sawCarriageReturn = true;
  }
  if (sawCarriageReturn) return kMacintoshLineEnds;
  if (Next(text.data(), end, '\n') != end) return kUnixLineEnds;
  return kWindowsLineEnds;
}

void ToMemoryLineEnds(std::string& text, int documentType) {
  if (documentType != kMacintoshLineEnds && documentType != kUnixLineEnds) return;
  const char lineEnd = documentType == kMacintoshLineEnds ? '\r' : '\n';
  const char* begin = text.data();
  const char* end = begin + text.size();
  std::size_t count = 0;
  for (const char* at = Next(begin, end, lineEnd); at != end; at = Next(at + 1, end, lineEnd)) ++count;
  if (count == 0) return;

  std::string converted(text.size() + count, '\0');  // on failure nothing has changed
  char* to = &converted[0];
  for (const char* from = begin; from != end;) {
    const char* at = Next(from, end, lineEnd);
    std::memcpy(to, from, static_cast<std::size_t>(at - from));
    to += at - from;
    if (at == end) break;
    *to++ = '\r';  // a CR or an LF alike becomes the pair
    *to++ = '\n';
    from = at + 1;
  }
  text.swap(converted);
}

void ToDiskLineEnds(std::string& text, int documentType) {
  if (documentType != kMacintoshLineEnds && documentType != kUnixLineEnds) return;
  if (text.empty()) return;
  char* data = &text[0];
  const char* end = data + text.size();
  char* to = data;
  // Copies the stretches between CR+LF pairs down, keeping one character of each pair: the CR
  // for Macintosh, the LF for Unix.
  const char* from = data;
  for (const char* at = Next(from, end, '\r'); at != end; at = Next(at + 1, end, '\r')) {
    if (at + 1 == end || at[1] != '\n') continue;  // a lone CR stays
    const std::size_t stretch = static_cast<std::size_t>(at - from);
    std::memmove(to, from, stretch);
    to += stretch;
    *to++ = documentType == kMacintoshLineEnds ? '\r' : '\n';
    from = at + 2;
    at = at + 1;
  }
  const std::size_t rest = static_cast<std::size_t>(end - from);
  std::memmove(to, from, rest);
  to += rest;
  text.resize(static_cast<std::size_t>(to - data));
}

}  // namespace editor
