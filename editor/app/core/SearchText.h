// The forward text search of a document and Replace All built in one pass over the text.
// Portable: the Windows side supplies which bytes are letters or digits and how a byte reads in
// upper case, the way the rich edit control's own search sees them.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace editor {

// How the search compares bytes: `upper` maps a byte to its upper-case form (used when case
// does not matter), `wordCharacter` says which bytes continue a word (a whole word must not be
// touched by one on either side).
struct SearchAlphabet {
  std::array<unsigned char, 256> upper{};
  std::array<bool, 256> wordCharacter{};
};
// The C locale's view: a-z read as A-Z; letters, digits are word characters.
SearchAlphabet CLocaleAlphabet();

struct SearchRequest {
  std::string_view find;
  bool matchCase = false;
  bool wholeWords = false;
};

constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

// The first match of the request at or after `from`, or kNotFound (an empty find text never
// matches). `before` is the character taken to precede text[0] for the whole-word rule ('\0':
// none).
std::size_t FindForward(std::string_view text, std::size_t from, const SearchRequest& request,
                        const SearchAlphabet& alphabet);

// Replace All as the search-replace-search-again loop would leave it: each search starts after
// the text just inserted (a replacement holding the find text is not replaced again, and the
// whole-word rule sees the replacement before a following match). `selectionStart` and
// `selectionEnd` are the last inserted text's place in `result`.
struct ReplaceAllResult {
  std::string text;
  std::size_t count = 0;
  std::size_t selectionStart = 0;
  std::size_t selectionEnd = 0;
};
// False when memory runs out (result left empty).
bool ReplaceAllText(std::string_view text, const SearchRequest& request, std::string_view replacement,
                    const SearchAlphabet& alphabet, ReplaceAllResult& result);

}  // namespace editor
