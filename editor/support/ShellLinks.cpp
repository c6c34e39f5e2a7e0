#include "editor/support/ShellLinks.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <optional>
#include <vector>

#include "common/win32/Handles.h"
#include "editor/support/MessageBoxes.h"
#include "editor/support/RegistryText.h"
#include "editor/support/Strings.h"
#include "editor/support/core/PathText.h"
#include "editor/support/core/SafeFormat.h"

namespace support {

namespace {

constexpr unsigned kProgramNameId = 1000;
constexpr const char* kSetupTitle = "Setup";
constexpr const char* kAppPathsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths";
constexpr const char* kHelpFilesKey = "Software\\Microsoft\\Windows\\Help";

// The kind's shortcut file, or nothing when its folder cannot be found.
std::optional<std::string> ShortcutPath(int kind, std::string* folderOut = nullptr) {
  char folder[kPathTextSize];
  if (!GetShellFolder(kind, folder)) return std::nullopt;
  if (folderOut) *folderOut = folder;
  return ShortcutFilePath(folder, GetString(kProgramNameId), MAX_PATH);
}

std::wstring WidenAnsi(const std::string& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  wide.resize(static_cast<std::size_t>(length - 1));
  return wide;
}

// The link saved, or the name of the method that failed and its result.
struct LinkOutcome {
  const char* failedMethod = nullptr;
  HRESULT result = S_OK;
};

// The link object filled and saved to `path`, after making `folderToMake` when one is given.
LinkOutcome SaveShellLink(const std::string& target, const std::string& description, const std::string& path,
                          const std::string* folderToMake) {
  auto failed = [](const char* method, HRESULT result) { return LinkOutcome{method, result}; };
  win32::ComScope com;
  win32::ComRef<IShellLinkA> link;
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.out_void());
  if (FAILED(result)) return failed("CoCreateInstance", result);
  win32::ComRef<IPersistFile> file;
  result = link->QueryInterface(IID_IPersistFile, file.out_void());
  if (FAILED(result)) return failed("QueryInterface", result);
  result = link->SetPath(target.c_str());
  if (FAILED(result)) return failed("SetPath", result);
  result = link->SetDescription(description.c_str());
  if (FAILED(result)) return failed("SetDescription", result);
  if (folderToMake) CreateDirectoryA(folderToMake->c_str(), nullptr);  // there already is fine
  result = file->Save(WidenAnsi(path).c_str(), TRUE);
  if (FAILED(result)) return failed("Save", result);
  return LinkOutcome{};
}

// Creates the key when missing. Without `terminated` the terminator is not counted (the system
// still counts one that directly follows the text, as NT always did).
void SetText(HKEY root, const std::string& keyPath, const char* name, const std::string& text, bool terminated) {
  win32::UniqueRegistryKey key;
  char emptyClass[] = "";
  if (RegCreateKeyExA(root, keyPath.c_str(), 0, emptyClass, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                      key.receive(), nullptr) != ERROR_SUCCESS)
    return;
  const DWORD size = static_cast<DWORD>(text.size() + (terminated ? 1 : 0));
  RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), size);
}

}  // namespace

std::string ProgramModulePath() {
  std::vector<char> module(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, module.data(), static_cast<DWORD>(module.size()));
    if (length == 0) return std::string();
    if (length < module.size()) {
      module.resize(length);
      break;
    }
    module.resize(module.size() * 2);
  }
  std::string path(module.begin(), module.end());
  CharLowerBuffA(path.data(), static_cast<DWORD>(path.size()));
  return path;
}

int GetShellFolder(int kind, char* path, std::size_t capacity) {
  if (!path || capacity == 0) return 0;
  path[0] = '\0';
  const char* valueName = ShellFolderValueName(kind);
  if (!valueName) return 0;
  const std::optional<std::string> value = ReadRegistryText(HKEY_CURRENT_USER, kShellFoldersKey, valueName, kPathTextSize);
  if (!value) return 0;
  const std::optional<std::string> folder = ShortcutFolderFromValue(kind, *value, capacity);
  if (!folder) return 0;
  CopyText(path, capacity, folder->c_str());
  return 1;
}

int ShellItemExists(int kind) {
  const std::optional<std::string> path = ShortcutPath(kind);
  if (!path) return 0;
  const DWORD attributes = GetFileAttributesA(path->c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) ? 1 : 0;
}

int CreateShellItem(HWND owner, int kind) {
  std::string folder;
  const std::optional<std::string> path = ShortcutPath(kind, &folder);
  if (!path) return 0;
  const std::string target = ProgramModulePath();
  const LinkOutcome outcome =
      SaveShellLink(target, GetString(kProgramNameId), *path, kind == kStartMenuItem ? &folder : nullptr);
  if (!outcome.failedMethod) return 1;
  const std::string text =
      FormatText("\rFile '%s'\r\rMethod (%s) error detected\rCode %u",
                 {FormatArg(target.c_str()), FormatArg(outcome.failedMethod),
                  FormatArg(static_cast<unsigned>(outcome.result))},
                 kMaxMessageLength);
  InfoBoxText(owner, kSetupTitle, text.c_str());
  return 0;
}

int RemoveShellItem(HWND owner, int kind) {
  const std::optional<std::string> path = ShortcutPath(kind);
  if (!path) return 0;
  if (DeleteFileA(path->c_str())) return 1;
  const unsigned error = GetLastError();
  const std::string text = FormatText("\rFile '%s'\r\rCould not be deleted (error:%u)",
                                      {FormatArg(path->c_str()), FormatArg(error)}, kMaxMessageLength);
  InfoBoxText(owner, kSetupTitle, text.c_str());
  return 0;
}

void RegisterProgramPaths(const char* title, const char* version, const char* modulePath) {
  const std::string module = modulePath ? std::string(modulePath) : ProgramModulePath();
  if (title && version) SetText(HKEY_LOCAL_MACHINE, std::string("Software\\Orvane\\") + title + "\\Version", nullptr, version, true);
  if (module.empty()) return;
  ProgramRegistration names = ProgramRegistrationFor(module);
  CharUpperBuffA(names.appPathsKey.data(), static_cast<DWORD>(names.appPathsKey.size()));
  const std::string appPaths = std::string(kAppPathsKey) + "\\" + names.appPathsKey;
  SetText(HKEY_LOCAL_MACHINE, appPaths, nullptr, module, true);
  SetText(HKEY_LOCAL_MACHINE, appPaths, "Path", names.folder, false);
  SetText(HKEY_LOCAL_MACHINE, kHelpFilesKey, names.helpValueName.c_str(), names.folder, false);
}

}  // namespace support
