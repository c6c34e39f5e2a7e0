// The shortcut folders and registration names taken from "Shell Folders" values and module
// paths: trailing backslashes, the maker's Start menu folder, roots, and texts too long to fit.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "editor/support/core/ShellPaths.h"

using namespace support;

namespace {

TEST(ShellPaths, ShortcutFolderFromTheShellFoldersValue) {
  const std::string longValue(250, 'x');
  struct Case {
    int kind;
    std::string value;
    std::optional<std::string> folder;
  };
  const Case cases[] = {
      {kDesktopItem, "C:\\users\\ann\\Desktop", "C:\\users\\ann\\Desktop"},
      {kDesktopItem, "C:\\users\\ann\\Desktop\\", "C:\\users\\ann\\Desktop"},
      {kStartupItem, "C:\\Startup\\\\", "C:\\Startup"},
      {kStartMenuItem, "C:\\Start Menu\\Programs\\", "C:\\Start Menu\\Programs\\Orvane"},
      {kDesktopItem, "C:\\", "C:"},
      // Nothing left, or no such kind: the folder cannot be found.
      {kDesktopItem, "", std::nullopt},
      {kStartupItem, "\\\\", std::nullopt},
      {kShellItemKindCount, "C:\\x", std::nullopt},
      {-1, "C:\\x", std::nullopt},
      // A value that fits alone but not with the maker's folder is missing, never cut.
      {kDesktopItem, longValue, longValue},
      {kStartMenuItem, longValue, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShortcutFolderFromValue(c.kind, c.value, 256), c.folder) << c.kind << " " << c.value;
  }
  EXPECT_EQ(ShortcutFolderFromValue(kStartMenuItem, std::string(248, 'x'), 256), std::string(248, 'x') + "\\Orvane");
}

TEST(ShellPaths, ShortcutFileHasOneBackslashAndMustFit) {
  EXPECT_EQ(ShortcutFilePath("C:\\Desktop", "Quillet", 260), "C:\\Desktop\\Quillet.lnk");
  const std::string folder(260 - 13, 'x');  // + "\Quillet.lnk" is 259 characters
  EXPECT_EQ(ShortcutFilePath(folder, "Quillet", 260)->size(), 259u);
  EXPECT_EQ(ShortcutFilePath(folder + "x", "Quillet", 260), std::nullopt);
  EXPECT_EQ(ShortcutFilePath("", "Quillet", 260), std::nullopt);
}

TEST(ShellPaths, RegistrationNamesFromTheModulePath) {
  struct Case {
    const char* module;
    const char* fileName;
    const char* folder;
    const char* helpName;
  };
  const Case cases[] = {
      {"c:\\tools\\quillet.exe", "quillet.exe", "c:\\tools", "quillet.hlp"},
      {"c:\\quillet.exe", "quillet.exe", "c:\\", "quillet.hlp"},
      {"\\\\server\\share\\q.exe", "q.exe", "\\\\server\\share", "q.hlp"},
      {"c:\\my.dir\\quillet", "quillet", "c:\\my.dir", "quillet.hlp"},
      {"quillet.exe", "quillet.exe", "", "quillet.hlp"},
  };
  for (const Case& c : cases) {
    const ProgramRegistration names = ProgramRegistrationFor(c.module);
    EXPECT_EQ(names.appPathsKey, c.fileName) << c.module;
    EXPECT_EQ(names.folder, c.folder) << c.module;
    EXPECT_EQ(names.helpValueName, c.helpName) << c.module;
  }
}

}  // namespace
