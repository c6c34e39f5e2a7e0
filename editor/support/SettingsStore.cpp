#include "editor/support/SettingsStore.h"

#include <windows.h>

#include <cstdio>
#include <optional>
#include <vector>

#include "common/win32/Handles.h"
#include "editor/support/RegistryText.h"
#include "editor/support/core/SafeFormat.h"
#include "editor/support/core/StoredValue.h"

namespace support {

static_assert(kStoredText == REG_SZ && kStoredExpandText == REG_EXPAND_SZ &&
                  kStoredBinary == REG_BINARY && kStoredDword == REG_DWORD &&
                  kStoredMultiText == REG_MULTI_SZ,
              "stored value types are the registry's");

namespace {

// The registry root under HKEY_CURRENT_USER; empty selects the INI file `iniPath`.
std::string SettingsRoot;
std::string iniPath;

bool UseRegistry() { return !SettingsRoot.empty(); }

// The section's key: "<root>\<section>", or the root itself for an empty section.
std::string SectionKeyPath(const char* section) {
  if (!section || !*section) return SettingsRoot;
  return SettingsRoot + "\\" + section;
}

bool OpenSectionForReading(const char* section, win32::UniqueRegistryKey& key) {
  return RegOpenKeyExA(HKEY_CURRENT_USER, SectionKeyPath(section).c_str(), 0, KEY_QUERY_VALUE,
                       key.receive()) == ERROR_SUCCESS;
}

bool OpenSectionForWriting(const char* section, win32::UniqueRegistryKey& key) {
  char emptyClass[] = "";
  return RegCreateKeyExA(HKEY_CURRENT_USER, SectionKeyPath(section).c_str(), 0, emptyClass,
                         REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, key.receive(),
                         nullptr) == ERROR_SUCCESS;
}

std::optional<std::string> ReadRegistryText(const char* section, const char* name,
                                            std::size_t capacity) {
  return support::ReadRegistryText(HKEY_CURRENT_USER, SectionKeyPath(section).c_str(), name, capacity);
}

std::optional<std::uint32_t> ReadRegistryInteger(const char* section, const char* name) {
  win32::UniqueRegistryKey key;
  if (!OpenSectionForReading(section, key)) return std::nullopt;
  DWORD type = 0;
  BYTE data[8] = {};
  DWORD got = sizeof data;
  if (RegQueryValueExA(key.get(), name, nullptr, &type, data, &got) != ERROR_SUCCESS)
    return std::nullopt;  // missing, or too long to be an integer (ERROR_MORE_DATA)
  return DecodeStoredInteger(type, data, got);
}

void WriteRegistryValue(const char* section, const char* name, DWORD type, const void* data,
                        DWORD size) {
  win32::UniqueRegistryKey key;
  if (!OpenSectionForWriting(section, key)) return;
  RegSetValueExA(key.get(), name, 0, type, static_cast<const BYTE*>(data), size);
}

// The profile calls give null sections and names other meanings (a list of names to read, a
// whole section to delete): the INI medium has no value without both.
std::optional<std::string> ReadIniText(const char* section, const char* name, std::size_t capacity) {
  if (!section || !name) return std::nullopt;
  const std::string path = GetSettingsIniPath();
  // One byte more than the caller has: a value that fills it is too long.
  std::vector<char> value((capacity < 65536 ? capacity : 65536) + 1);
  const char marker[] = "\x01";  // cannot be a value read back: it marks a missing one
  const DWORD length = GetPrivateProfileStringA(section, name, marker, value.data(),
                                                static_cast<DWORD>(value.size()), path.c_str());
  if (std::string(value.data(), length) == marker) return std::nullopt;
  if (!TextFitsBuffer(length, capacity)) return std::nullopt;
  return std::string(value.data(), length);
}

void WriteIniText(const char* section, const char* name, const char* text) {
  if (!section || !name) return;
  WritePrivateProfileStringA(section, name, text ? text : "", GetSettingsIniPath().c_str());
}

std::optional<std::uint32_t> ReadIniInteger(const char* section, const char* name) {
  const std::optional<std::string> text = ReadIniText(section, name, 64);
  if (!text) return std::nullopt;
  return ParseStoredInteger(*text);
}

std::optional<std::uint32_t> ReadStoredInteger(const char* section, const char* name) {
  return UseRegistry() ? ReadRegistryInteger(section, name) : ReadIniInteger(section, name);
}

}  // namespace

void SetSettingsRoot(const char* root) { SettingsRoot = root ? root : ""; }

const std::string& GetSettingsRoot() { return SettingsRoot; }

void SetSettingsIniPath(const char* path) { iniPath = path ? path : ""; }

std::string GetSettingsIniPath() {
  if (!iniPath.empty()) return iniPath;
  std::vector<char> module(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, module.data(), static_cast<DWORD>(module.size()));
    if (length == 0) return ".ini";
    if (length < module.size()) {
      module.resize(length);
      break;
    }
    module.resize(module.size() * 2);
  }
  std::string path(module.begin(), module.end());
  CharLowerBuffA(path.data(), static_cast<DWORD>(path.size()));
  const std::string::size_type dot = path.find_last_of('.');
  const std::string::size_type slash = path.find_last_of("\\/");
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) path.resize(dot);
  return path + ".ini";
}

std::size_t ReadSettingString(const char* section, const char* name, const char* defaultText,
                              char* buffer, std::size_t capacity) {
  if (!buffer || capacity == 0) return 0;
  const std::optional<std::string> stored =
      UseRegistry() ? ReadRegistryText(section, name, capacity) : ReadIniText(section, name, capacity);
  return CopyText(buffer, capacity, stored ? stored->c_str() : defaultText);
}

bool WriteSettingString(const char* section, const char* name, const char* text) {
  if (!text) text = "";
  if (UseRegistry()) {
    const std::string value(text);
    if (value.size() < 0xFFFFFFFFu)
      WriteRegistryValue(section, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
  } else {
    WriteIniText(section, name, text);
  }
  return true;
}

std::uint32_t ReadSettingInt(const char* section, const char* name, std::uint32_t defaultValue) {
  return ReadStoredInteger(section, name).value_or(defaultValue);
}

bool WriteSettingInt(const char* section, const char* name, std::uint32_t value) {
  if (UseRegistry()) {
    const DWORD data = value;
    WriteRegistryValue(section, name, REG_DWORD, &data, sizeof data);
  } else {
    char text[16];
    std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(value));
    WriteIniText(section, name, text);
  }
  return true;
}

int ReadSettingBool(const char* section, const char* name, int defaultFlag) {
  const std::optional<std::uint32_t> stored = ReadStoredInteger(section, name);
  return static_cast<int>(NormaliseFlag(stored ? *stored : static_cast<std::uint32_t>(defaultFlag)));
}

bool WriteSettingBool(const char* section, const char* name, int flag) {
  const std::uint32_t value = NormaliseFlag(static_cast<std::uint32_t>(flag));
  if (UseRegistry()) {
    const DWORD data = value;
    WriteRegistryValue(section, name, REG_DWORD, &data, sizeof data);
  } else {
    WriteIniText(section, name, value ? "1" : "0");
  }
  return true;
}

bool SettingsKeyExists() {
  if (!UseRegistry()) return GetFileAttributesA(GetSettingsIniPath().c_str()) != INVALID_FILE_ATTRIBUTES;
  win32::UniqueRegistryKey key;
  return RegOpenKeyExA(HKEY_CURRENT_USER, SettingsRoot.c_str(), 0, KEY_READ, key.receive()) ==
         ERROR_SUCCESS;
}

}  // namespace support
