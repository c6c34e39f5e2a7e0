// The shortcut folders and registration names taken from "Shell Folders" values and module
// paths: trailing backslashes, the maker's Start menu folder, roots, and texts too long to fit.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "editor/support/core/ShellPaths.h"

using namespace support;

namespace {

TEST(ShellPaths, ShortcutFolderAndFileFromTheShellFoldersValue) {
  const std::string longValue(250, 'x');
  const std::optional<std::string> none;
  const std::tuple<int, std::string, std::optional<std::string>> cases[] = {
      {kDesktopItem, "C:\\users\\ann\\Desktop\\", "C:\\users\\ann\\Desktop"},
      {kStartupItem, "C:\\Startup\\\\", "C:\\Startup"},
      {kStartMenuItem, "C:\\Start Menu\\Programs", "C:\\Start Menu\\Programs\\Orvane"},
      {kDesktopItem, "C:\\", "C:"},
      // Nothing left, or no such kind: the folder cannot be found.
      {kDesktopItem, "", none}, {kStartupItem, "\\\\", none}, {kShellItemKindCount, "C:\\x", none}, {-1, "C:\\x", none},
      // A value that fits alone but not with the maker's folder is missing, never cut.
      {kDesktopItem, longValue, longValue}, {kStartMenuItem, longValue, none},
  };
  for (const auto& [kind, value, folder] : cases) {
    EXPECT_EQ(ShortcutFolderFromValue(kind, value, 256), folder) << kind << " " << value;
  }
  EXPECT_EQ(ShortcutFilePath("C:", "Quillet", 260), "C:\\Quillet.lnk");
  const std::string justFits(260 - 13, 'x');  // + "\Quillet.lnk" is 259 characters
  EXPECT_EQ(ShortcutFilePath(justFits, "Quillet", 260)->size(), 259u);
  EXPECT_EQ(ShortcutFilePath(justFits + "x", "Quillet", 260), none);
}

TEST(ShellPaths, RegistrationNamesFromTheModulePath) {
  const char* cases[][4] = {
      {"c:\\tools\\quillet.exe", "quillet.exe", "c:\\tools", "quillet.hlp"},
      {"c:\\quillet.exe", "quillet.exe", "c:\\", "quillet.hlp"},
      {"\\\\server\\share\\q.exe", "q.exe", "\\\\server\\share", "q.hlp"},
      {"c:\\my.dir\\quillet", "quillet", "c:\\my.dir", "quillet.hlp"},
      {"quillet.exe", "quillet.exe", "", "quillet.hlp"},
  };
  for (const auto& [module, fileName, folder, helpName] : cases) {
    const ProgramRegistration names = ProgramRegistrationFor(module);
    EXPECT_EQ(names.appPathsKey + "|" + names.folder + "|" + names.helpValueName,
              std::string(fileName) + "|" + folder + "|" + helpName);
  }
}

}  // namespace
