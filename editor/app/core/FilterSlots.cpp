#include "editor/app/core/FilterSlots.h"

#include <algorithm>

namespace editor {

FilterParts SplitFilterSlot(std::string_view slot) {
  FilterParts parts;
  const std::size_t first = slot.find('|');
  parts.description = std::string(slot.substr(0, first));
  if (first != std::string_view::npos) {
    const std::string_view rest = slot.substr(first + 1);
    parts.patterns = std::string(rest.substr(0, rest.find('|')));
    std::replace(parts.patterns.begin(), parts.patterns.end(), ',', ';');
  }
  return parts;
}

std::string CleanFilterDescription(std::string_view typed) {
  std::string text(typed);
  text.erase(std::remove(text.begin(), text.end(), '|'), text.end());
  return text;
}

std::string CleanFilterPatterns(std::string_view typed) {
  std::string text = CleanFilterDescription(typed);
  std::replace(text.begin(), text.end(), ',', ';');
  return text;
}

std::string JoinFilterSlot(std::string_view description, std::string_view patterns) {
  constexpr std::size_t room = kFilterSlotLimit - 2;  // the two separators
  description = description.substr(0, room);
  patterns = patterns.substr(0, room - description.size());
  std::string slot;
  slot.reserve(description.size() + patterns.size() + 2);
  slot.append(description).append("|").append(patterns).append("|");
  return slot;
}

}  // namespace editor
