// Shortcuts and registration against the prefix's real "Shell Folders": a shortcut made through
// the Explorer page and OK, read back through the shell's link object, and removed; a folder
// value that is missing, unusable or ends in a backslash; the App Paths and help-file entries.
#include <windows.h>

#include <commctrl.h>
#include <objidl.h>
#include <prsht.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/win32/Handles.h"
#include "editor/app/EditorState.h"
#include "editor/app/OptionsSheet.h"
#include "editor/app/ShellIntegration.h"
#include "editor/support/SettingsStore.h"
#include "editor/support/ShellLinks.h"
#include "resources/quillet_ids.h"
#include "tests/editor/app/AppTestSupport.h"
#include "tests/editor/support/BoxRecorder.h"
#include "tests/support/Messages.h"

using namespace editor;
using namespace support;

namespace {

// One raw registry value as the test found it, put back when the test ends.
class SavedValue {
 public:
  SavedValue(const char* keyPath, const char* name) : name_(name) {
    RegCreateKeyExA(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key_.receive(), nullptr);
    DWORD size = 0;
    had_ = RegQueryValueExA(key_.get(), name_, nullptr, &type_, nullptr, &size) == ERROR_SUCCESS;
    data_.resize(size);
    if (had_) RegQueryValueExA(key_.get(), name_, nullptr, &type_, data_.data(), &size);
  }
  ~SavedValue() {
    if (had_) {
      RegSetValueExA(key_.get(), name_, 0, type_, data_.data(), static_cast<DWORD>(data_.size()));
    } else {
      RegDeleteValueA(key_.get(), name_);
    }
  }
  HKEY key() const { return key_.get(); }
  const char* name() const { return name_; }

 private:
  const char* name_;
  win32::UniqueRegistryKey key_;
  bool had_ = false;
  DWORD type_ = REG_SZ;
  std::vector<BYTE> data_;
};

// A "Shell Folders" value set as the test needs. Wine's shell writes it again from "User Shell
// Folders" whenever it looks the folder up, so a folder the test sets goes into both.
class SavedShellFolder {
 public:
  explicit SavedShellFolder(const char* name)
      : shown_(kShellFoldersKey, name),
        user_("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders", name) {}
  void Set(const std::string& folder) {
    for (const SavedValue* value : {&shown_, &user_}) {
      RegSetValueExA(value->key(), value->name(), 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                     static_cast<DWORD>(folder.size() + 1));
    }
  }
  void SetRaw(DWORD type, const void* data, DWORD size) {
    RegSetValueExA(shown_.key(), shown_.name(), 0, type, static_cast<const BYTE*>(data), size);
  }
  // `bytes` of the units; the system adds a terminator that directly follows them, so callers
  // leave a character after the counted ones.
  void SetWide(const std::wstring& units, DWORD bytes) {
    const std::string name = shown_.name();
    RegSetValueExW(shown_.key(), std::wstring(name.begin(), name.end()).c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(units.c_str()), bytes);
  }
  void Remove() { RegDeleteValueA(shown_.key(), shown_.name()); }

 private:
  SavedValue shown_;
  SavedValue user_;
};

// Wine hands every saved link to its menu builder, which would copy it into the host's menus:
// the builder is switched off while the tests run.
SavedValue& MenuBuilderOverride() {
  static SavedValue saved("Software\\Wine\\DllOverrides", "winemenubuilder.exe");
  return saved;
}
bool SwitchOffMenuBuilder() {
  const SavedValue& saved = MenuBuilderOverride();
  return RegSetValueExA(saved.key(), saved.name(), 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1) == ERROR_SUCCESS;
}
const bool noMenuBuilder = SwitchOffMenuBuilder();

std::string ShortcutFile(int kind) {
  char folder[256] = "";
  if (!GetShellFolder(kind, folder)) return std::string();
  return std::string(folder) + "\\Quillet.lnk";
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

struct LinkContents {
  std::string target;
  std::string description;
};
// The link read back through the shell's own link object; nothing when it cannot be loaded.
std::optional<LinkContents> ReadLink(const std::string& path) {
  win32::ComScope com;
  win32::ComRef<IShellLinkA> link;
  win32::ComRef<IPersistFile> file;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.out_void())) ||
      FAILED(link->QueryInterface(IID_IPersistFile, file.out_void())))
    return std::nullopt;
  const std::wstring wide(path.begin(), path.end());
  if (FAILED(file->Load(wide.c_str(), STGM_READ))) return std::nullopt;
  char target[MAX_PATH] = "";
  char description[MAX_PATH] = "";
  link->GetPath(target, sizeof target, nullptr, SLGP_RAWPATH);
  link->GetDescription(description, sizeof description);
  return LinkContents{target, description};
}

// Runs the sheet on the Explorer page; `act` gets the page and presses OK or Cancel.
void OnExplorerPage(const std::function<void(HWND sheet, HWND page)>& act) {
  bool ran = false;
  SetOptionsSheetDriver([&](HWND sheet) {
    ran = true;
    act(sheet, PropSheet_GetCurrentPageHwnd(sheet));
  });
  RunOptionsSheet(nullptr, kExplorerPage);
  SetOptionsSheetDriver(nullptr);
  EXPECT_TRUE(ran);
}

// QUILLET_SHOT_PAUSE=<ms> holds the page on screen for a look at it.
void PauseForScreenshot() {
  if (const char* pause = std::getenv("QUILLET_SHOT_PAUSE")) testsupport::PumpFor(std::atoi(pause));
}

bool Enabled(HWND page, int box) { return IsWindowEnabled(GetDlgItem(page, box)) != FALSE; }
bool Checked(HWND page, int box) { return IsDlgButtonChecked(page, box) == BST_CHECKED; }

class ShellIntegrationTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(noMenuBuilder);
    RemoveTestSettings();
    SetSettingsRoot(TestSettingsRoot().c_str());
    LoadSettings();
  }
  void TearDown() override {
    SetOptionsSheetDriver(nullptr);
    RemoveTestSettings();
  }
  // A folder of the test's own under the temporary folder, emptied and removed afterwards.
  std::string OwnFolder() {
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    own_ = std::string(temp) + "quillet-shell-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(own_.c_str(), nullptr);
    return own_;
  }
  ~ShellIntegrationTest() override {
    if (own_.empty()) return;
    DeleteFileA((own_ + "\\Quillet.lnk").c_str());
    RemoveDirectoryA(own_.c_str());
  }

 private:
  std::string own_;
};

TEST_F(ShellIntegrationTest, EachShortcutIsMadeReadBackAndRemovedThroughThePage) {
  struct Row {
    int kind, createBox, removeBox;
  };
  const Row rows[] = {{kStartMenuItem, IDC_EXPLORER_CREATE_START_MENU, IDC_EXPLORER_REMOVE_START_MENU},
                      {kDesktopItem, IDC_EXPLORER_CREATE_DESKTOP, IDC_EXPLORER_REMOVE_DESKTOP},
                      {kStartupItem, IDC_EXPLORER_CREATE_STARTUP, IDC_EXPLORER_REMOVE_STARTUP}};
  char programs[256] = "";
  ASSERT_TRUE(GetShellFolder(kStartMenuItem, programs)) << "the prefix names no Programs folder";
  for (const Row& row : rows) {
    SCOPED_TRACE(row.kind);
    const std::string file = ShortcutFile(row.kind);
    ASSERT_FALSE(file.empty());
    DeleteFileA(file.c_str());
    if (row.kind == kStartMenuItem) RemoveDirectoryA(programs);  // made again when missing
    ASSERT_FALSE(Exists(file));

    OnExplorerPage([&](HWND sheet, HWND page) {
      EXPECT_TRUE(Enabled(page, row.createBox));
      EXPECT_FALSE(Enabled(page, row.removeBox));
      if (row.kind == kDesktopItem) PauseForScreenshot();
      CheckDlgButton(page, row.createBox, BST_CHECKED);
      PropSheet_PressButton(sheet, PSBTN_OK);
    });
    EXPECT_EQ(ShellItemExists(row.kind), 1);
    const std::optional<LinkContents> link = ReadLink(file);
    ASSERT_TRUE(link.has_value());
    EXPECT_EQ(lstrcmpiA(link->target.c_str(), ProgramModulePath().c_str()), 0) << link->target;
    EXPECT_EQ(link->description, "Quillet");
    EXPECT_EQ(editorState.shellItems.createStartMenu + editorState.shellItems.createDesktop +
                  editorState.shellItems.createStartup, 0);

    // An existing shortcut greys its create box and offers its removal.
    OnExplorerPage([&](HWND sheet, HWND page) {
      EXPECT_FALSE(Enabled(page, row.createBox));
      EXPECT_FALSE(Checked(page, row.createBox));
      EXPECT_TRUE(Enabled(page, row.removeBox));
      if (row.kind == kDesktopItem) PauseForScreenshot();
      CheckDlgButton(page, row.removeBox, BST_CHECKED);
      PropSheet_PressButton(sheet, PSBTN_OK);
    });
    EXPECT_FALSE(Exists(file));
  }
  RemoveDirectoryA(programs);
}

TEST_F(ShellIntegrationTest, PageNamesTheProgramAndTheSetupFlagTicksTheStartMenuBox) {
  DeleteFileA(ShortcutFile(kStartMenuItem).c_str());
  editorState.shellItems.createStartMenu = 1;
  OnExplorerPage([](HWND sheet, HWND page) {
    char text[512] = "";
    GetDlgItemTextA(page, IDC_EXPLORER_STARTUP_TEXT, text, sizeof text);
    EXPECT_STREQ(text, "To run Quillet automatically whenever MS Windows 95/NT is started check the box below.");
    GetDlgItemTextA(page, IDC_EXPLORER_DESKTOP_TEXT, text, sizeof text);
    EXPECT_EQ(std::string(text).find("%s"), std::string::npos);
    EXPECT_TRUE(Checked(page, IDC_EXPLORER_CREATE_START_MENU));
    // Leaving the page reads the boxes; coming back keeps them and the program's name.
    const int explorer = PropSheet_HwndToIndex(sheet, page);
    PropSheet_SetCurSel(sheet, nullptr, 0);
    PropSheet_SetCurSel(sheet, nullptr, explorer);
    page = PropSheet_GetCurrentPageHwnd(sheet);
    EXPECT_TRUE(Checked(page, IDC_EXPLORER_CREATE_START_MENU));
    GetDlgItemTextA(page, IDC_EXPLORER_STARTUP_TEXT, text, sizeof text);
    EXPECT_STREQ(text, "To run Quillet automatically whenever MS Windows 95/NT is started check the box below.");
    PropSheet_PressButton(sheet, PSBTN_CANCEL);
  });
  EXPECT_FALSE(Exists(ShortcutFile(kStartMenuItem)));
}

TEST_F(ShellIntegrationTest, AMissingOrUnusableFolderValueMeansNoFolderAndNoBox) {
  SavedShellFolder desktop("Desktop");
  const std::wstring unterminated = L"C:\\windowsX";  // only up to the X is stored
  const std::string tooLong = "C:\\" + std::string(300, 'd');
  const std::vector<std::function<void()>> spoilers = {
      [&] { desktop.Remove(); },
      [&] { desktop.Set(""); },
      [&] { desktop.SetWide(unterminated, static_cast<DWORD>((unterminated.size() - 1) * 2)); },
      [&] { desktop.Set(tooLong); },
      [&] { desktop.SetRaw(REG_BINARY, "C:\\windows", 11); },
  };
  for (std::size_t i = 0; i < spoilers.size(); ++i) {
    SCOPED_TRACE(i);
    spoilers[i]();
    char folder[256] = "unchanged";
    EXPECT_EQ(GetShellFolder(kDesktopItem, folder), 0);
    EXPECT_STREQ(folder, "");
    EXPECT_EQ(ShellItemExists(kDesktopItem), 0);
    // An unexpected box fails the test: both fail silently.
    EXPECT_EQ(CreateShellItem(nullptr, kDesktopItem), 0);
    EXPECT_EQ(RemoveShellItem(nullptr, kDesktopItem), 0);
    // The page offers creation.
    OnExplorerPage([](HWND sheet, HWND page) {
      EXPECT_TRUE(Enabled(page, IDC_EXPLORER_CREATE_DESKTOP));
      EXPECT_FALSE(Enabled(page, IDC_EXPLORER_REMOVE_DESKTOP));
      PropSheet_PressButton(sheet, PSBTN_CANCEL);
    });
  }
}

TEST_F(ShellIntegrationTest, TrailingBackslashAndAShortcutRemovedMeanwhile) {
  SavedShellFolder desktop("Desktop");
  const std::string folder = OwnFolder();
  desktop.Set(folder + "\\");
  char found[256] = "";
  ASSERT_EQ(GetShellFolder(kDesktopItem, found), 1);
  EXPECT_EQ(found, folder);
  ASSERT_EQ(CreateShellItem(nullptr, kDesktopItem), 1);
  EXPECT_TRUE(Exists(folder + "\\Quillet.lnk"));

  // Another program deletes it while the page offers its removal.
  BoxRecorder boxes;
  OnExplorerPage([&](HWND sheet, HWND page) {
    CheckDlgButton(page, IDC_EXPLORER_REMOVE_DESKTOP, BST_CHECKED);
    DeleteFileA((folder + "\\Quillet.lnk").c_str());
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  EXPECT_EQ(boxes.only().title, "Setup");
  EXPECT_EQ(boxes.only().text,
            "\rFile '" + folder + "\\Quillet.lnk'\r\rCould not be deleted (error:" + std::to_string(ERROR_FILE_NOT_FOUND) + ")");

  // A folder that is named but not there: the link cannot be saved, and the box says so.
  desktop.Set(folder + "\\gone");
  BoxRecorder saveBox;
  EXPECT_EQ(CreateShellItem(nullptr, kDesktopItem), 0);
  EXPECT_EQ(saveBox.only().title, "Setup");
  EXPECT_EQ(saveBox.only().text.rfind("\rFile '" + ProgramModulePath() + "'\r\rMethod (Save) error detected\rCode ", 0), 0u)
      << saveBox.only().text;
}

std::string RawValue(const std::string& key, const char* name) {
  win32::UniqueRegistryKey opened;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_QUERY_VALUE, opened.receive()) != ERROR_SUCCESS)
    return "<no key>";
  char data[512] = "";
  DWORD size = sizeof data - 1;
  DWORD type = 0;
  if (RegQueryValueExA(opened.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS)
    return "<missing>";
  return std::string(data, strnlen(data, size));
}

// Whether the key has a subkey spelled exactly so (opening a key ignores letter case).
bool HasSubkeySpelled(const char* keyPath, const char* name) {
  win32::UniqueRegistryKey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_ENUMERATE_SUB_KEYS, key.receive()) != ERROR_SUCCESS) return false;
  char found[256];
  for (DWORD i = 0;; ++i) {
    DWORD size = sizeof found;
    if (RegEnumKeyExA(key.get(), i, found, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) return false;
    if (std::strcmp(found, name) == 0) return true;
  }
}

TEST_F(ShellIntegrationTest, RegistersAppPathsHelpFileAndVersionForTheModule) {
  const char* appPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
  const char* help = "Software\\Microsoft\\Windows\\Help";
  struct Case {
    const char* module;
    const char* key;
    const char* folder;
    const char* helpName;
  };
  const Case cases[] = {{"c:\\tools\\quillet.exe", "QUILLET.EXE", "c:\\tools", "quillet.hlp"},
                        {"c:\\Qt.exe", "QT.EXE", "c:\\", "Qt.hlp"}};
  for (const Case& c : cases) {
    RegisterProgramPaths("Quillet Test Title", "v9.1", c.module);
    EXPECT_EQ(RawValue(std::string(appPaths) + c.key, nullptr), c.module);
    EXPECT_EQ(RawValue(std::string(appPaths) + c.key, "Path"), c.folder);
    EXPECT_EQ(RawValue(help, c.helpName), c.folder);
    EXPECT_TRUE(HasSubkeySpelled("Software\\Microsoft\\Windows\\CurrentVersion\\App Paths", c.key)) << c.key;
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, (std::string(appPaths) + c.key).c_str());
    win32::UniqueRegistryKey helpKey;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, help, 0, KEY_SET_VALUE, helpKey.receive()) == ERROR_SUCCESS)
      RegDeleteValueA(helpKey.get(), c.helpName);
  }
  EXPECT_EQ(RawValue("Software\\Orvane\\Quillet Test Title\\Version", nullptr), "v9.1");
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Orvane\\Quillet Test Title");

  // Saving the options records the running program.
  SaveSettings();
  char version[32] = "";
  GetProfileStringA("Orvane", kProgramTitle, "", version, sizeof version);
  EXPECT_STREQ(version, kProgramVersion);
  EXPECT_EQ(ReadTestString("Application", "Version"), kProgramVersion);
  const std::string module = ProgramModulePath();
  std::string key = module.substr(module.rfind('\\') + 1);
  CharUpperBuffA(key.data(), static_cast<DWORD>(key.size()));
  EXPECT_EQ(RawValue(std::string(appPaths) + key, nullptr), module);
}

}  // namespace
