#include "editor/app/core/SearchText.h"

#include <new>
#include <stdexcept>

namespace editor {

namespace {

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

bool IsWord(const SearchAlphabet& alphabet, char c) { return alphabet.wordCharacter[Byte(c)]; }

bool SameAt(std::string_view text, std::size_t at, const SearchRequest& request, const SearchAlphabet& alphabet) {
  const std::string_view find = request.find;
  if (request.matchCase) return text.compare(at, find.size(), find) == 0;
  for (std::size_t i = 0; i < find.size(); ++i) {
    if (alphabet.upper[Byte(text[at + i])] != alphabet.upper[Byte(find[i])]) return false;
  }
  return true;
}

// A match at `at` whose left neighbour is `before` ('\0' when none).
bool MatchesAt(std::string_view text, std::size_t at, char before, const SearchRequest& request,
               const SearchAlphabet& alphabet) {
  if (!SameAt(text, at, request, alphabet)) return false;
  if (!request.wholeWords) return true;
  const std::size_t end = at + request.find.size();
  if (before != '\0' && IsWord(alphabet, before)) return false;
  return end >= text.size() || !IsWord(alphabet, text[end]);
}

// FindForward where the character before `from` is `beforeFrom` (the output built so far).
std::size_t FindAfter(std::string_view text, std::size_t from, char beforeFrom, const SearchRequest& request,
                      const SearchAlphabet& alphabet) {
  const std::size_t length = request.find.size();
  if (length == 0 || from > text.size() || text.size() - from < length) return kNotFound;
  const bool folded = !request.matchCase;
  const unsigned char first = folded ? alphabet.upper[Byte(request.find[0])] : Byte(request.find[0]);
  for (std::size_t at = from; at + length <= text.size(); ++at) {
    const unsigned char here = folded ? alphabet.upper[Byte(text[at])] : Byte(text[at]);
    if (here != first) continue;
    const char before = at == from ? beforeFrom : text[at - 1];
    if (MatchesAt(text, at, before, request, alphabet)) return at;
  }
  return kNotFound;
}

}  // namespace

SearchAlphabet CLocaleAlphabet() {
  SearchAlphabet alphabet;
  for (int c = 0; c < 256; ++c) {
    alphabet.upper[c] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    alphabet.wordCharacter[c] = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
  }
  return alphabet;
}

std::size_t FindForward(std::string_view text, std::size_t from, const SearchRequest& request,
                        const SearchAlphabet& alphabet) {
  const char before = from > 0 && from <= text.size() ? text[from - 1] : '\0';
  return FindAfter(text, from, before, request, alphabet);
}

bool ReplaceAllText(std::string_view text, const SearchRequest& request, std::string_view replacement,
                    const SearchAlphabet& alphabet, ReplaceAllResult& result) {
  result = ReplaceAllResult();
  try {
    std::size_t from = 0;
    for (;;) {
      const char before = result.text.empty() ? '\0' : result.text.back();
      const std::size_t at = FindAfter(text, from, before, request, alphabet);
      if (at == kNotFound) break;
      if (result.count == 0) result.text.reserve(text.size());
      result.text.append(text.substr(from, at - from));
      result.selectionStart = result.text.size();
      result.text.append(replacement);
      result.selectionEnd = result.text.size();
      ++result.count;
      from = at + request.find.size();
    }
    if (result.count > 0) result.text.append(text.substr(from));
    return true;
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  result = ReplaceAllResult();
  return false;
}

}  // namespace editor
