// The file filter slots as the Filters page shows and edits them: a slot "Text Files|*.txt;*.log|"
// is a description and a list of patterns. Portable: no windows.h.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace editor {

// The longest texts the page lets the user type: a joined slot always fits its 255 characters.
constexpr std::size_t kFilterDescriptionLimit = 64;
constexpr std::size_t kFilterPatternsLimit = 188;
constexpr std::size_t kFilterSlotLimit = 255;

struct FilterParts {
  std::string description;  // up to the first "|"
  std::string patterns;     // up to the next "|", every "," turned into ";"
};
FilterParts SplitFilterSlot(std::string_view slot);

// What the user typed, made fit for a slot: every "|" removed (and for patterns every "," turned
// into ";").
std::string CleanFilterDescription(std::string_view typed);
std::string CleanFilterPatterns(std::string_view typed);

// "description|patterns|", the patterns (then the description) cut so that it fits
// kFilterSlotLimit characters and still ends in "|".
std::string JoinFilterSlot(std::string_view description, std::string_view patterns);

}  // namespace editor
