#include "editor/app/core/SortLines.h"

#include <algorithm>
#include <new>
#include <numeric>
#include <stdexcept>

#include "resources/quillet_ids.h"

namespace editor {

std::size_t CountSelectedLines(std::string_view selection) {
  return static_cast<std::size_t>(std::count(selection.begin(), selection.end(), '\n'));
}

int SortSelectionRefusal(std::string_view selection, bool startsLine) {
  if (!startsLine || selection.empty() || selection.back() != '\n' || CountSelectedLines(selection) < 2)
    return IDS_SORT_PARTIAL_LINES;
  return 0;
}

std::vector<TextLine> SplitLines(std::string_view text) {
  std::vector<TextLine> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t feed = text.find('\n', start);
    if (feed == std::string_view::npos) {
      lines.push_back({text.substr(start), {}});
      break;
    }
    const std::size_t endStart = feed > start && text[feed - 1] == '\r' ? feed - 1 : feed;
    lines.push_back({text.substr(start, endStart - start), text.substr(endStart, feed + 1 - endStart)});
    start = feed + 1;
  }
  return lines;
}

namespace {

std::vector<std::size_t> LineOrder(const std::vector<TextLine>& lines, const LineComparison& compare,
                                   const SortKeyMaker& makeKey, bool ascending) {
  std::vector<std::size_t> order(lines.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  if (makeKey) {
    std::vector<std::string> keys;
    keys.reserve(lines.size());
    for (const TextLine& line : lines) keys.push_back(makeKey(line.text));
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      return ascending ? keys[a] < keys[b] : keys[b] < keys[a];
    });
  } else if (compare) {
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      return ascending ? compare(lines[a].text, lines[b].text) < 0 : compare(lines[b].text, lines[a].text) < 0;
    });
  }
  return order;
}

}  // namespace

bool SortTextLines(std::string_view text, const LineComparison& compare, const SortKeyMaker& makeKey,
                   bool ascending, std::string& sorted) {
  sorted.clear();
  try {
    const std::vector<TextLine> lines = SplitLines(text);
    const std::vector<std::size_t> order = LineOrder(lines, compare, makeKey, ascending);
    sorted.reserve(text.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      sorted += lines[order[i]].text;
      sorted += lines[i].end;
    }
    return true;
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  sorted.clear();
  sorted.shrink_to_fit();
  return false;
}

}  // namespace editor
