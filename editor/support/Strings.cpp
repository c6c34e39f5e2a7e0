#include "editor/support/Strings.h"

#include <algorithm>

#include "common/win32/Handles.h"
#include "editor/support/MessageBoxes.h"
#include "editor/support/core/MessageTable.h"

namespace support {

namespace {

// The text of `id`, or nothing after the error box for a resource that cannot be loaded.
std::optional<std::string> FetchString(unsigned id) {
  if (const char* table = MessageTableText(id)) return std::string(table);
  char text[kMaxResourceStringLength + 1] = "";
  SetLastError(ERROR_SUCCESS);
  const int length = LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
  if (length > 0) return std::string(text, static_cast<std::size_t>(length));
  const DWORD code = GetLastError();
  ErrorBoxText(FormatText("GetString(LoadString): Cannot load string resource (ID:%u)\r\rCode %d",
                          {id, code}, kMaxMessageLength)
                   .c_str());
  return std::nullopt;
}

}  // namespace

int GetString(TextBuffer buffer, unsigned id) {
  CopyText(buffer.data, buffer.capacity, "");
  const std::optional<std::string> text = FetchString(id);
  if (!text) return 0;
  return static_cast<int>(CopyText(buffer.data, buffer.capacity, text->c_str()));
}

std::string GetString(unsigned id) { return FetchString(id).value_or(std::string()); }

std::optional<std::string> FormatStringTextArgs(unsigned id, FormatArgs args, std::size_t maxLength) {
  const std::optional<std::string> format = FetchString(id);
  if (!format) return std::nullopt;
  return FormatText(format->c_str(), args, maxLength);
}

int FormatStringByIdArgs(TextBuffer buffer, unsigned id, FormatArgs args) {
  CopyText(buffer.data, buffer.capacity, "");
  const std::optional<std::string> text = FormatStringTextArgs(id, args);
  if (!text) return 0;
  return static_cast<int>(CopyText(buffer.data, buffer.capacity, text->c_str()));
}

bool SetWindowTextByIdArgs(HWND window, unsigned id, FormatArgs args) {
  const std::optional<std::string> text = FormatStringTextArgs(id, args, kMaxWindowTextLength);
  if (!text) return false;
  SetWindowTextA(window, text->c_str());
  return true;
}

bool SetDlgItemTextByIdArgs(HWND dialog, int control, unsigned id, FormatArgs args) {
  const std::optional<std::string> text = FormatStringTextArgs(id, args, kMaxWindowTextLength);
  if (!text) return false;
  SetDlgItemTextA(dialog, control, text->c_str());
  return true;
}

bool SetWindowTextArgs(HWND window, const char* format, FormatArgs args) {
  return SetWindowTextA(window, FormatText(format, args, kMaxWindowTextLength).c_str()) != FALSE;
}

bool SetDlgItemTextArgs(HWND dialog, int control, const char* format, FormatArgs args) {
  return SetDlgItemTextA(dialog, control, FormatText(format, args, kMaxWindowTextLength).c_str()) != FALSE;
}

char* GetSystemErrorText(TextBuffer buffer, DWORD code) {
  CopyText(buffer.data, buffer.capacity, "");
  win32::UniqueLocal message;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, LANG_USER_DEFAULT, reinterpret_cast<char*>(message.receive()), 0, nullptr);
  if (length == 0 || !message) return buffer.data;
  std::string text(static_cast<const char*>(message.get()), length);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
    text.pop_back();
  if (text.size() > kMaxSystemErrorLength) text.resize(kMaxSystemErrorLength);
  CopyText(buffer.data, buffer.capacity, text.c_str());
  return buffer.data;
}

}  // namespace support
