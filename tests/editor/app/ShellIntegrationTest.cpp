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

// One value of the current user's registry as the test found it, put back when it goes.
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
    if (had_) Set(type_, data_.data(), static_cast<DWORD>(data_.size()));
    if (!had_) Remove();
  }
  // The system counts a terminator that directly follows `size` bytes of a text in.
  bool Set(DWORD type, const void* data, DWORD size) {
    return RegSetValueExA(key_.get(), name_, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
  }
  void Set(const std::string& text) { Set(REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1)); }
  void Remove() { RegDeleteValueA(key_.get(), name_); }

 private:
  const char* name_;
  win32::UniqueRegistryKey key_;
  bool had_ = false;
  DWORD type_ = REG_SZ;
  std::vector<BYTE> data_;
};

// The desktop's "Shell Folders" value. Wine's shell writes it again from "User Shell Folders"
// whenever it looks the folder up, so a folder the test names goes into both.
struct SavedDesktopFolder {
  SavedValue shown{kShellFoldersKey, "Desktop"};
  SavedValue user{"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders", "Desktop"};
  void Set(const std::string& folder) {
    shown.Set(folder);
    user.Set(folder);
  }
};

// Wine hands every saved link to its menu builder, which would copy it into the host's menus.
SavedValue menuBuilder("Software\\Wine\\DllOverrides", "winemenubuilder.exe");
const bool noMenuBuilder = menuBuilder.Set(REG_SZ, "", 1);

std::string ShortcutFile(int kind) {
  char folder[256] = "";
  return GetShellFolder(kind, folder) ? std::string(folder) + "\\Quillet.lnk" : std::string();
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// "<target>|<description>" of the link read back through the shell's own link object.
std::string ReadLink(const std::string& path) {
  win32::ComScope com;
  win32::ComRef<IShellLinkA> link;
  win32::ComRef<IPersistFile> file;
  const std::wstring wide(path.begin(), path.end());
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.out_void())) ||
      FAILED(link->QueryInterface(IID_IPersistFile, file.out_void())) || FAILED(file->Load(wide.c_str(), STGM_READ)))
    return "<not loaded>";
  char target[MAX_PATH] = "";
  char description[MAX_PATH] = "";
  link->GetPath(target, sizeof target, nullptr, SLGP_RAWPATH);
  link->GetDescription(description, sizeof description);
  CharLowerA(target);
  return std::string(target) + "|" + description;
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

// A box as "enabled/checked" flags: "E-", "-C", ...
std::string BoxState(HWND page, int box) {
  return std::string(IsWindowEnabled(GetDlgItem(page, box)) ? "E" : "-") +
         (IsDlgButtonChecked(page, box) == BST_CHECKED ? "C" : "-");
}

class ShellIntegrationTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(noMenuBuilder);
    RemoveTestSettings();
    SetSettingsRoot(TestSettingsRoot().c_str());
    LoadSettings();
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    own_ = std::string(temp) + "quillet-shell-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(own_.c_str(), nullptr);
  }
  void TearDown() override {
    SetOptionsSheetDriver(nullptr);
    RemoveTestSettings();
    DeleteFileA((own_ + "\\Quillet.lnk").c_str());
    RemoveDirectoryA(own_.c_str());
  }
  std::string own_;  // a folder of the test's own
};

TEST_F(ShellIntegrationTest, EachShortcutIsMadeReadBackAndRemovedThroughThePage) {
  const int boxes[][2] = {{IDC_EXPLORER_CREATE_START_MENU, IDC_EXPLORER_REMOVE_START_MENU},
                          {IDC_EXPLORER_CREATE_DESKTOP, IDC_EXPLORER_REMOVE_DESKTOP},
                          {IDC_EXPLORER_CREATE_STARTUP, IDC_EXPLORER_REMOVE_STARTUP}};
  char programs[256] = "";
  ASSERT_TRUE(GetShellFolder(kStartMenuItem, programs)) << "the prefix names no Programs folder";
  editorState.shellItems.createStartMenu = 1;  // as "/setup" leaves it
  for (int kind = kStartMenuItem; kind < kShellItemKindCount; ++kind) {
    SCOPED_TRACE(kind);
    const int create = boxes[kind][0], remove = boxes[kind][1];
    const std::string file = ShortcutFile(kind);
    DeleteFileA(file.c_str());
    if (kind == kStartMenuItem) RemoveDirectoryA(programs);  // made again when missing
    ASSERT_FALSE(file.empty() || Exists(file));

    OnExplorerPage([&](HWND sheet, HWND page) {
      EXPECT_EQ(BoxState(page, create), kind == kStartMenuItem ? "EC" : "E-");
      EXPECT_EQ(BoxState(page, remove), "--");
      char text[512] = "";
      GetDlgItemTextA(page, IDC_EXPLORER_STARTUP_TEXT, text, sizeof text);
      EXPECT_STREQ(text, "To run Quillet automatically whenever MS Windows 95/NT is started check the box below.");
      if (kind == kDesktopItem) PauseForScreenshot();
      CheckDlgButton(page, create, BST_CHECKED);
      PropSheet_PressButton(sheet, PSBTN_OK);
    });
    EXPECT_EQ(ShellItemExists(kind), 1);
    EXPECT_EQ(ReadLink(file), ProgramModulePath() + "|Quillet");
    EXPECT_EQ(editorState.shellItems.createStartMenu, 0);  // applied once, then cleared

    // An existing shortcut greys its create box and offers its removal.
    OnExplorerPage([&](HWND sheet, HWND page) {
      EXPECT_EQ(BoxState(page, create), "--");
      EXPECT_EQ(BoxState(page, remove), "E-");
      if (kind == kDesktopItem) PauseForScreenshot();
      CheckDlgButton(page, remove, BST_CHECKED);
      PropSheet_PressButton(sheet, PSBTN_OK);
    });
    EXPECT_FALSE(Exists(file));
  }
  RemoveDirectoryA(programs);
}

TEST_F(ShellIntegrationTest, AMissingOrUnusableFolderValueMeansNoFolderAndNoBox) {
  SavedDesktopFolder desktop;
  const std::string tooLong = "C:\\" + std::string(300, 'd');
  const std::vector<std::function<void()>> spoilers = {
      [&] { desktop.shown.Remove(); },
      [&] { desktop.shown.Set(""); },
      [&] { desktop.shown.Set(REG_SZ, "C:\\windowsX", 10); },  // without terminator
      [&] { desktop.shown.Set(tooLong); },
      [&] { desktop.shown.Set(REG_BINARY, "C:\\windows", 11); },
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
    OnExplorerPage([](HWND sheet, HWND page) {
      EXPECT_EQ(BoxState(page, IDC_EXPLORER_CREATE_DESKTOP) + BoxState(page, IDC_EXPLORER_REMOVE_DESKTOP), "E---");
      PropSheet_PressButton(sheet, PSBTN_CANCEL);
    });
  }
}

TEST_F(ShellIntegrationTest, TrailingBackslashAShortcutGoneMeanwhileAndALinkNotSaved) {
  SavedDesktopFolder desktop;
  desktop.Set(own_ + "\\");
  char found[256] = "";
  ASSERT_EQ(GetShellFolder(kDesktopItem, found), 1);
  EXPECT_EQ(found, own_);
  ASSERT_EQ(CreateShellItem(nullptr, kDesktopItem), 1);
  EXPECT_TRUE(Exists(own_ + "\\Quillet.lnk"));

  // Another program deletes it while the page offers its removal.
  BoxRecorder boxes;
  OnExplorerPage([&](HWND sheet, HWND page) {
    CheckDlgButton(page, IDC_EXPLORER_REMOVE_DESKTOP, BST_CHECKED);
    DeleteFileA((own_ + "\\Quillet.lnk").c_str());
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  EXPECT_EQ(boxes.only().title, "Setup");
  EXPECT_EQ(boxes.only().text, "\rFile '" + own_ + "\\Quillet.lnk'\r\rCould not be deleted (error:" +
                                   std::to_string(ERROR_FILE_NOT_FOUND) + ")");

  // A folder that is named but not there: the link cannot be saved, and the box says so.
  desktop.Set(own_ + "\\gone");
  BoxRecorder saveBox;
  EXPECT_EQ(CreateShellItem(nullptr, kDesktopItem), 0);
  EXPECT_EQ(saveBox.only().text.rfind("\rFile '" + ProgramModulePath() + "'\r\rMethod (Save) error detected\rCode ", 0),
            0u)
      << saveBox.only().text;
}

std::string MachineValue(const std::string& key, const char* name) {
  char data[512] = "";
  DWORD size = sizeof data - 1;
  if (RegGetValueA(HKEY_LOCAL_MACHINE, key.c_str(), name, RRF_RT_REG_SZ | RRF_NOEXPAND, nullptr, data, &size) !=
      ERROR_SUCCESS)
    return "<missing>";
  return data;
}

// Whether the key has a subkey spelled exactly so (opening a key ignores letter case).
bool HasSubkeySpelled(const char* keyPath, const char* name) {
  win32::UniqueRegistryKey key;
  RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_ENUMERATE_SUB_KEYS, key.receive());
  char found[256];
  for (DWORD i = 0, size = sizeof found; RegEnumKeyExA(key.get(), i, found, &size, nullptr, nullptr, nullptr,
                                                       nullptr) == ERROR_SUCCESS;
       ++i, size = sizeof found) {
    if (std::strcmp(found, name) == 0) return true;
  }
  return false;
}

TEST_F(ShellIntegrationTest, RegistersAppPathsHelpFileAndVersionForTheModule) {
  const std::string appPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths";
  const char* help = "Software\\Microsoft\\Windows\\Help";
  const char* cases[][4] = {{"c:\\tools\\quillet.exe", "QUILLET.EXE", "c:\\tools", "quillet.hlp"},
                            {"c:\\Qt.exe", "QT.EXE", "c:\\", "Qt.hlp"}};
  for (const auto& [module, key, folder, helpName] : cases) {
    RegisterProgramPaths("Quillet Test Title", "v9.1", module);
    EXPECT_TRUE(HasSubkeySpelled(appPaths.c_str(), key)) << key;
    EXPECT_EQ(MachineValue(appPaths + "\\" + key, nullptr), module);
    EXPECT_EQ(MachineValue(appPaths + "\\" + key, "Path"), folder);
    EXPECT_EQ(MachineValue(help, helpName), folder);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, (appPaths + "\\" + key).c_str());
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, help, helpName);
  }
  EXPECT_EQ(MachineValue("Software\\Orvane\\Quillet Test Title\\Version", nullptr), "v9.1");
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Orvane\\Quillet Test Title");

  // Saving the options records the running program.
  SaveSettings();
  char version[32] = "";
  GetProfileStringA("Orvane", kProgramTitle, "", version, sizeof version);
  EXPECT_STREQ(version, kProgramVersion);
  EXPECT_EQ(ReadTestString("Application", "Version"), kProgramVersion);
  const std::string module = ProgramModulePath();
  std::string key = module.substr(module.rfind('\\') + 1);
  CharUpperA(key.data());
  EXPECT_EQ(MachineValue(appPaths + "\\" + key, nullptr), module);
}

}  // namespace
