// The editor's settings: typed values in named sections under one registry root of the current
// user, one subkey per section. Texts are REG_SZ, numbers and flags 32-bit REG_DWORDs. When the
// root is empty the same sections and names live in a private INI file instead. Reads fall back
// to their defaults; writes never report failure.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace support {

// Sets the root key path under HKEY_CURRENT_USER (start-up sets
// "Software\Orvane\Quillet for Windows 95/NT" before anything is read). Empty selects the INI file.
void SetSettingsRoot(const char* root);
const std::string& GetSettingsRoot();

// The INI file used while the root is empty. When none is set it is the program's module path,
// lower-cased, with its extension replaced by ".ini".
void SetSettingsIniPath(const char* path);
std::string GetSettingsIniPath();

// Copies the stored text into `buffer`, or the default when the section or value is missing,
// is not a terminated text, or does not fit into `capacity` bytes with its terminator (a long
// default is cut to fit). Returns the length copied.
std::size_t ReadSettingString(const char* section, const char* name, const char* defaultText,
                              char* buffer, std::size_t capacity);
template <std::size_t N>
std::size_t ReadSettingString(const char* section, const char* name, const char* defaultText,
                              char (&buffer)[N]) {
  return ReadSettingString(section, name, defaultText, buffer, N);
}
bool WriteSettingString(const char* section, const char* name, const char* text);

// A stored 4-byte REG_DWORD, or the default for anything else (missing, shorter, longer, other
// type). Negative numbers travel as their two's-complement pattern.
std::uint32_t ReadSettingInt(const char* section, const char* name, std::uint32_t defaultValue);
bool WriteSettingInt(const char* section, const char* name, std::uint32_t value);

// Flags are 0 or 1: any non-zero stored value reads as 1, any non-zero flag is written as 1,
// and a missing value gives the default made 0 or 1.
int ReadSettingBool(const char* section, const char* name, int defaultFlag);
bool WriteSettingBool(const char* section, const char* name, int flag);

// True when the root key itself exists (with the INI medium: when the file exists). A missing
// root means a first run.
bool SettingsKeyExists();

}  // namespace support
