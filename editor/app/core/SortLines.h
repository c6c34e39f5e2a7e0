// Sort Selection without the window: whether a selection may be sorted, its whole lines (of any
// length) put in order by a comparison or by sort keys the Windows side supplies (the locale's
// string comparison or its sort keys), and the lines joined back. Portable: no windows.h.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace editor {

// The message Sort Selection refuses with (shown under IDS_SORT_ERROR_TITLE), or 0 when the
// selection may be sorted: it starts a line (`startsLine`: at the start of the text or just after
// a line feed), ends just after a line feed and holds at least two lines.
int SortSelectionRefusal(std::string_view selection, bool startsLine);

// The number of lines a sortable selection holds (its line feeds).
std::size_t CountSelectedLines(std::string_view selection);

// One line of a text and the line end that follows it ("\r\n", "\n", or empty for a last line
// without one).
struct TextLine {
  std::string_view text;
  std::string_view end;
};
std::vector<TextLine> SplitLines(std::string_view text);

// How two lines (without their line ends) compare: negative, zero or positive.
using LineComparison = std::function<int(std::string_view, std::string_view)>;
// A line's sort key; lines are ordered by their keys compared byte by byte.
using SortKeyMaker = std::function<std::string(std::string_view)>;

// `text` with its lines in ascending or descending order by `compare`, or by `makeKey` when
// that is given (made once per line). Lines that compare equal keep their order. The line ends
// stay where they were, so the result has the text's length and line-end layout. False (and
// `sorted` empty) when memory runs out.
bool SortTextLines(std::string_view text, const LineComparison& compare, const SortKeyMaker& makeKey,
                   bool ascending, std::string& sorted);

}  // namespace editor
