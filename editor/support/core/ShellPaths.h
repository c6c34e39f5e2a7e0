// Where the program's shortcuts live and what it registers about itself, as texts: the shell
// folder of each kind of shortcut, the shortcut's file name, and the names and folder written to
// the App Paths and help-file registry entries. Portable: no windows.h.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace support {

// The kinds of shortcut the Explorer page offers.
enum ShellItemKind : int {
  kStartMenuItem = 0,
  kDesktopItem = 1,
  kStartupItem = 2,
  kShellItemKindCount = 3,
};

// The "Shell Folders" value naming the kind's folder; null for a kind that does not exist.
const char* ShellFolderValueName(int kind);

// The kind's shortcut folder made from its "Shell Folders" value: trailing backslashes removed,
// and for the Start menu the maker's own folder "\Orvane" appended. Nothing for an unknown kind,
// an empty value, or a folder that would not fit `capacity` bytes with its terminator.
std::optional<std::string> ShortcutFolderFromValue(int kind, std::string_view value, std::size_t capacity);

// "<folder>\<program name>.lnk", or nothing when it would not fit `capacity` bytes.
std::optional<std::string> ShortcutFilePath(std::string_view folder, std::string_view programName,
                                            std::size_t capacity);

// The names the program is registered under, taken from its module path.
struct ProgramRegistration {
  std::string appPathsKey;    // the App Paths subkey: the module's file name (caller upper-cases)
  std::string folder;         // the module's folder without its trailing "\" (a root keeps it)
  std::string helpValueName;  // the module's file name without extension, + ".hlp"
};
ProgramRegistration ProgramRegistrationFor(std::string_view modulePath);

}  // namespace support
