// Texts by id: ids 60000 to 60107 from the built-in message table, every other id from the
// string-table resources of the program's module; formatting them with arguments, and putting
// them into windows and dialog controls.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

#include "editor/support/core/SafeFormat.h"

namespace support {

// Limits of the texts: a formatted message, a window or control text, a resource string, and
// a system error description.
constexpr std::size_t kMaxMessageLength = 511;
constexpr std::size_t kMaxWindowTextLength = 255;
constexpr std::size_t kMaxResourceStringLength = 254;
constexpr std::size_t kMaxSystemErrorLength = 255;

// A caller's character buffer and its size in bytes; made from a char array without more ado.
struct TextBuffer {
  template <std::size_t N>
  TextBuffer(char (&array)[N]) : data(array), capacity(N) {}  // NOLINT: arrays convert implicitly
  TextBuffer(char* buffer, std::size_t size) : data(buffer), capacity(size) {}
  char* data;
  std::size_t capacity;
};

// Copies the text of `id` into the buffer (cut to fit; resource texts at most 254 characters)
// and returns its length. A resource text that cannot be loaded (missing or empty) shows the
// error box "GetString(LoadString): Cannot load string resource (ID:%u)\r\rCode %d", leaves the
// buffer empty and returns 0.
int GetString(TextBuffer buffer, unsigned id);
// The same as a string; empty after the error box.
std::string GetString(unsigned id);

// GetString, then the text formatted once with the arguments (at most 511 characters). Returns
// the length, or 0 (buffer empty) when the text is missing.
int FormatStringByIdArgs(TextBuffer buffer, unsigned id, FormatArgs args);
template <typename... Args>
int FormatStringById(TextBuffer buffer, unsigned id, const Args&... args) {
  return FormatStringByIdArgs(buffer, id, {FormatArg(args)...});
}

// The text of `id` formatted with the arguments, or nothing when the text is missing (its error
// box has then been shown).
std::optional<std::string> FormatStringTextArgs(unsigned id, FormatArgs args,
                                                std::size_t maxLength = kMaxMessageLength);
template <typename... Args>
std::optional<std::string> FormatStringText(unsigned id, const Args&... args) {
  return FormatStringTextArgs(id, {FormatArg(args)...});
}

// A window's or a dialog control's text from the id's text formatted with the arguments (at
// most 255 characters). False when the text is missing.
bool SetWindowTextByIdArgs(HWND window, unsigned id, FormatArgs args);
bool SetDlgItemTextByIdArgs(HWND dialog, int control, unsigned id, FormatArgs args);
template <typename... Args>
bool SetWindowTextById(HWND window, unsigned id, const Args&... args) {
  return SetWindowTextByIdArgs(window, id, {FormatArg(args)...});
}
template <typename... Args>
bool SetDlgItemTextById(HWND dialog, int control, unsigned id, const Args&... args) {
  return SetDlgItemTextByIdArgs(dialog, control, id, {FormatArg(args)...});
}

// A window's or a dialog control's text from a literal format (at most 255 characters).
bool SetWindowTextArgs(HWND window, const char* format, FormatArgs args);
bool SetDlgItemTextArgs(HWND dialog, int control, const char* format, FormatArgs args);
template <typename... Args>
bool SetWindowTextF(HWND window, const char* format, const Args&... args) {
  return SetWindowTextArgs(window, format, {FormatArg(args)...});
}
template <typename... Args>
bool SetDlgItemTextF(HWND dialog, int control, const char* format, const Args&... args) {
  return SetDlgItemTextArgs(dialog, control, format, {FormatArg(args)...});
}

// The system's description of an error code in the user's default language, at most 255
// characters, without the trailing line break; empty when the system has none. Returns the
// buffer's text.
char* GetSystemErrorText(TextBuffer buffer, DWORD code);

}  // namespace support
