// The texts a printed page carries: header and footer lines with their macros expanded, and
// body lines as drawn (without their line end, "&" doubled so that it prints as itself), of any
// length. Portable: the Windows side passes the date and time texts.
#pragma once

#include <string>
#include <string_view>

namespace editor {

// What the macros of a header or footer stand for on one page.
struct PageMacroValues {
  std::string_view documentName;  // "$F"; "$f" is its part after the last "\", "/" or ":"
  std::string_view longDate;      // "$D"
  std::string_view shortDate;     // "$d"
  std::string_view time;          // "$T", "$t"
  int page = 1;                   // "$P", "$p"
};

// `text` with each "$" and its letter replaced; "$" before any other character gives that
// character, a "$" at the end nothing.
std::string ExpandPageMacros(std::string_view text, const PageMacroValues& values);

// A document line as it is printed: up to its first carriage return or line feed, with every
// "&" doubled for the text drawing that takes "&" as a mark.
std::string PrintedBodyLine(std::string_view line);

}  // namespace editor
