// Small settings rules: tab width, the program's paths, first-run defaults.
#include <gtest/gtest.h>

#include "editor/app/core/SettingsRules.h"

using namespace editor;
using namespace support;

namespace {

TEST(SettingsRules, TabsOutOfRangeReadAsFour) {
  EXPECT_EQ(NormalizeTabs(0), 4);
  EXPECT_EQ(NormalizeTabs(17), 4);
  EXPECT_EQ(NormalizeTabs(0xFFFFFFFFu), 4);  // a negative number stored
  EXPECT_EQ(NormalizeTabs(1), 1);
  EXPECT_EQ(NormalizeTabs(8), 8);
  EXPECT_EQ(NormalizeTabs(16), 16);
}

TEST(SettingsRules, ProgramPathsFromTheLowerCasedModule) {
  ProgramPaths paths = ComputeProgramPaths("C:\\Program Files\\Orvane\\QUILLET.EXE");
  EXPECT_EQ(paths.ini, "c:\\program files\\orvane\\quillet.ini");
  EXPECT_EQ(paths.help, "c:\\program files\\orvane\\quillet.hlp");
  EXPECT_EQ(paths.log, "c:\\program files\\orvane\\quillet.log");
  // A dot of a folder does not start the extension.
  paths = ComputeProgramPaths("C:\\Tools.D\\Quillet");
  EXPECT_TRUE(paths.ini.empty());
  EXPECT_TRUE(paths.help.empty());
  paths = ComputeProgramPaths("C:\\Tools.D\\Quillet.v2.exe");
  EXPECT_EQ(paths.help, "c:\\tools.d\\quillet.v2.hlp");
  // Too long for a 256-byte field: nothing rather than a cut path.
  EXPECT_TRUE(ComputeProgramPaths("c:\\" + std::string(260, 'a') + ".exe").ini.empty());
  EXPECT_EQ(ComputeProgramPaths("c:\\" + std::string(248, 'a') + ".exe").ini.size(), 255u);
}

TEST(SettingsRules, FirstRunSysEditFiles) {
  EXPECT_EQ(FirstRunSysEditFile(1, "%s\\config.sys", "C:\\WINDOWS"), "c:\\config.sys");
  EXPECT_EQ(FirstRunSysEditFile(2, "%s\\AUTOEXEC.BAT", "D:\\WinNT\\"), "d:\\autoexec.bat");
  EXPECT_EQ(FirstRunSysEditFile(3, "%s\\schdplus.ini", "C:\\WINDOWS\\"), "c:\\windows\\schdplus.ini");
  EXPECT_EQ(FirstRunSysEditFile(9, "%s\\win.ini", "C:\\Windows"), "c:\\windows\\win.ini");
  EXPECT_EQ(FirstRunSysEditFile(1, "%s\\config.sys", ""), "\\config.sys");
  EXPECT_LE(FirstRunSysEditFile(5, "%s\\x.ini", std::string(300, 'W')).size(), 255u);
}

TEST(SettingsRules, FirstRunCentresFrameAndSheet) {
  EditorState state;
  ApplyFirstRunPlacements(state, ScreenBounds{0, 0, 1280, 1024});
  EXPECT_EQ(state.windowPlacement.width, 640);
  EXPECT_EQ(state.windowPlacement.height, 400);
  EXPECT_EQ(state.windowPlacement.left, 320);
  EXPECT_EQ(state.windowPlacement.top, 312);
  EXPECT_EQ(state.optionsPlacement.left, 390);
  EXPECT_EQ(state.optionsPlacement.top, 324);
  // A screen smaller than the frame places it above and left of the origin, halves rounded down.
  ApplyFirstRunPlacements(state, ScreenBounds{0, 0, 601, 399});
  EXPECT_EQ(state.windowPlacement.left, -20);
  EXPECT_EQ(state.windowPlacement.top, -1);
}

}  // namespace
