#include "editor/support/RegistryText.h"

#include <vector>

#include "common/win32/Handles.h"
#include "editor/support/core/StoredValue.h"

namespace support {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "registry texts are 16-bit units");

namespace {

std::wstring Widen(const char* text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
  wide.resize(static_cast<std::size_t>(length - 1));
  return wide;
}

std::optional<std::string> Narrow(const std::u16string& text) {
  if (text.empty()) return std::string();
  const auto* units = reinterpret_cast<const wchar_t*>(text.data());
  const int unitCount = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(CP_ACP, 0, units, unitCount, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::nullopt;
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, units, unitCount, narrow.data(), length, nullptr, nullptr);
  return narrow;
}

}  // namespace

// Read as stored through the wide call: the ANSI call would add a missing terminator on some
// systems and hide an unterminated value.
std::optional<std::string> ReadRegistryText(HKEY root, const char* keyPath, const char* name,
                                            std::size_t capacity) {
  win32::UniqueRegistryKey key;
  if (RegOpenKeyExA(root, keyPath ? keyPath : "", 0, KEY_QUERY_VALUE, key.receive()) != ERROR_SUCCESS)
    return std::nullopt;
  const std::wstring wideName = name ? Widen(name) : std::wstring();
  const wchar_t* valueName = name ? wideName.c_str() : nullptr;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExW(key.get(), valueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  std::vector<BYTE> data(size ? size : 1);
  DWORD got = size;
  if (RegQueryValueExW(key.get(), valueName, nullptr, &type, data.data(), &got) != ERROR_SUCCESS)
    return std::nullopt;
  const std::optional<std::u16string> stored = DecodeStoredText(type, data.data(), got);
  if (!stored) return std::nullopt;
  std::optional<std::string> text = Narrow(*stored);
  if (!text || !TextFitsBuffer(text->size(), capacity)) return std::nullopt;
  return text;
}

}  // namespace support
