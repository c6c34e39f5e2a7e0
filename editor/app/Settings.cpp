// Loading and saving EditorState through the settings store.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "editor/app/EditorState.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/PageSetup.h"
#include "editor/app/ShellIntegration.h"
#include "editor/app/StatusBar.h"
#include "editor/app/core/SettingsRules.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;  // the support library serves the whole application

EditorState editorState;

namespace {

LOGFONTA displayFontRecord = {};
LOGFONTA printerFontRecord = {};

constexpr const char* kOptions = "Options";
constexpr const char* kSearch = "Options\\Search";
constexpr const char* kSort = "Options\\Sort";
constexpr const char* kTimeStamp = "Options\\TimeStamp";

// A flag option: its value name and its field.
struct FlagOption {
  const char* section;
  const char* name;
  std::int32_t EditorState::*field;
};

// clang-format off
// Read order of the flags up to Tabs.
const FlagOption kReadFlags[] = {
  {kOptions, "ToolBar", &EditorState::ToolBar},     {kOptions, "Status", &EditorState::Status},
  {kOptions, "Tips", &EditorState::Tips},           {kOptions, "TaskTray", &EditorState::TaskTray},
  {kOptions, "TopMost", &EditorState::TopMost},     {kOptions, "LtGray", &EditorState::LtGray},
  {kOptions, "Sounds", &EditorState::Sounds},       {kOptions, "Splash", &EditorState::Splash},
  {kOptions, "ReadOnly", &EditorState::ReadOnly},   {kOptions, "LoadLast", &EditorState::LoadLast},
  {kOptions, "Maximized", &EditorState::Maximized}, {kOptions, "NewDoc", &EditorState::NewDoc},
  {kOptions, "Backup", &EditorState::Backup},       {kOptions, "WordWrap", &EditorState::WordWrap},
  {kOptions, "AutoSave", &EditorState::AutoSave},
};
// Write order of the flags after Tabs (ToolBar ... LtGray come before it).
const FlagOption kWriteFlagsBeforeTabs[] = {
  {kOptions, "ToolBar", &EditorState::ToolBar},     {kOptions, "Status", &EditorState::Status},
  {kOptions, "Tips", &EditorState::Tips},           {kOptions, "TaskTray", &EditorState::TaskTray},
  {kOptions, "TopMost", &EditorState::TopMost},     {kOptions, "LtGray", &EditorState::LtGray},
};
const FlagOption kWriteFlagsAfterTabs[] = {
  {kOptions, "LoadLast", &EditorState::LoadLast},   {kOptions, "Maximized", &EditorState::Maximized},
  {kOptions, "NewDoc", &EditorState::NewDoc},       {kOptions, "ReadOnly", &EditorState::ReadOnly},
  {kOptions, "Backup", &EditorState::Backup},       {kOptions, "WordWrap", &EditorState::WordWrap},
  {kOptions, "AutoSave", &EditorState::AutoSave},   {kOptions, "Sounds", &EditorState::Sounds},
  {kOptions, "Splash", &EditorState::Splash},
};
const FlagOption kSearchFlags[] = {
  {kSearch, "WholeWords", &EditorState::WholeWords}, {kSearch, "MatchCase", &EditorState::MatchCase},
  {kSearch, "FromTop", &EditorState::FromTop},
};
const FlagOption kSortAndStampFlags[] = {
  {kSort, "Ascending", &EditorState::Ascending},    {kSort, "IgnoreCase", &EditorState::IgnoreCase},
  {kTimeStamp, "ShowDate", &EditorState::ShowDate}, {kTimeStamp, "LongDate", &EditorState::LongDate},
  {kTimeStamp, "ShowTime", &EditorState::ShowTime}, {kTimeStamp, "DateFirst", &EditorState::DateFirst},
};

struct PlacementKey {
  const char* section;
  PlacementRecord EditorState::*field;
};
const PlacementKey kPlacements[] = {
  {"DeskTop\\Window", &EditorState::windowPlacement}, {"DeskTop\\Options", &EditorState::optionsPlacement},
  {"DeskTop\\Find", &EditorState::findPlacement},     {"DeskTop\\Replace", &EditorState::replacePlacement},
  {"DeskTop\\GoTo", &EditorState::goToPlacement},     {"DeskTop\\Errors", &EditorState::errorsPlacement},
  {"DeskTop\\ASCII", &EditorState::asciiPlacement},   {"DeskTop\\Sort", &EditorState::sortPlacement},
};
// clang-format on

template <std::size_t N>
void ReadFlags(const FlagOption (&flags)[N]) {
  static const EditorState defaults;
  for (const FlagOption& flag : flags) {
    editorState.*flag.field = ReadSettingBool(flag.section, flag.name, defaults.*flag.field);
  }
}

template <std::size_t N>
void WriteFlags(const FlagOption (&flags)[N]) {
  for (const FlagOption& flag : flags) WriteSettingBool(flag.section, flag.name, editorState.*flag.field);
}

// A text cut to its field instead of falling back to the default when it is too long.
void ReadCutText(const char* section, const char* name, char* field, std::size_t capacity) {
  std::vector<char> buffer(capacity * 4 + 1);
  ReadSettingString(section, name, "", buffer.data(), buffer.size());
  std::strncpy(field, buffer.data(), capacity - 1);
  field[capacity - 1] = '\0';
}

void ReadLists() {
  char name[16];
  for (int n = 1; n <= kListSlots; ++n) {
    std::snprintf(name, sizeof name, "Open%d", n);
    ReadSettingString("Files\\Open", name, "", editorState.recentFiles[n - 1]);
    std::snprintf(name, sizeof name, "Load%d", n);
    ReadSettingString("Files\\AutoLoad", name, "", editorState.sysEditFiles[n - 1]);
    std::snprintf(name, sizeof name, "Filter%d", n);
    const std::string filter = GetString(IDS_FILTER_DEFAULT_FIRST + n - 1);
    ReadSettingString("Files\\FileFilter", name, filter.c_str(), editorState.fileFilters[n - 1]);
  }
}

void WriteLists() {
  char name[16];
  for (int n = 1; n <= kListSlots; ++n) {
    std::snprintf(name, sizeof name, "Open%d", n);
    WriteSettingString("Files\\Open", name, editorState.recentFiles[n - 1]);
    std::snprintf(name, sizeof name, "Load%d", n);
    WriteSettingString("Files\\AutoLoad", name, editorState.sysEditFiles[n - 1]);
    std::snprintf(name, sizeof name, "Filter%d", n);
    WriteSettingString("Files\\FileFilter", name, editorState.fileFilters[n - 1]);
  }
}

void ReadMacrosAndTools() {
  char section[40];
  for (int n = 1; n <= kListSlots; ++n) {
    MacroEntry& macro = editorState.macros[n - 1];
    std::snprintf(section, sizeof section, "Options\\Macros\\Macro%d", n);
    macro.active = ReadSettingBool(section, "Active", 0);
    ReadCutText(section, "Name", macro.name, sizeof macro.name);
    ReadCutText(section, "Text", macro.text, sizeof macro.text);
  }
  for (int n = 1; n <= kListSlots; ++n) {
    ToolEntry& tool = editorState.tools[n - 1];
    std::snprintf(section, sizeof section, "Tools\\Tool-%02d", n);
    tool.active = ReadSettingBool(section, "Active", 0);
    ReadCutText(section, "Name", tool.name, sizeof tool.name);
    ReadSettingString(section, "Program", "", tool.program);
    ReadSettingString(section, "Command", "", tool.command);
    ReadSettingString(section, "Folder", "", tool.folder);
    tool.launch = ReadSettingBool(section, "Launch", 0);
    tool.hide = ReadSettingBool(section, "Hide", 0);
    tool.save = ReadSettingBool(section, "Save", 0);
  }
}

void WriteMacrosAndTools() {
  char section[40];
  for (int n = 1; n <= kListSlots; ++n) {
    const MacroEntry& macro = editorState.macros[n - 1];
    std::snprintf(section, sizeof section, "Options\\Macros\\Macro%d", n);
    WriteSettingBool(section, "Active", macro.active);
    WriteSettingString(section, "Name", macro.name);
    WriteSettingString(section, "Text", macro.text);
  }
  for (int n = 1; n <= kListSlots; ++n) {
    const ToolEntry& tool = editorState.tools[n - 1];
    std::snprintf(section, sizeof section, "Tools\\Tool-%02d", n);
    WriteSettingBool(section, "Active", tool.active);
    WriteSettingString(section, "Name", tool.name);
    WriteSettingString(section, "Program", tool.program);
    WriteSettingString(section, "Command", tool.command);
    WriteSettingString(section, "Folder", tool.folder);
    WriteSettingBool(section, "Launch", tool.launch);
    WriteSettingBool(section, "Hide", tool.hide);
    WriteSettingBool(section, "Save", tool.save);
  }
}

// The nine system files of a first run, from strings 16000 to 16008.
void ApplyFirstRunSysEditFiles() {
  char windowsFolder[MAX_PATH] = "";
  const UINT length = GetWindowsDirectoryA(windowsFolder, sizeof windowsFolder);
  if (length == 0 || length >= sizeof windowsFolder) windowsFolder[0] = '\0';
  for (int n = 1; n <= kListSlots; ++n) {
    const std::string format = GetString(IDS_SYSEDIT_DEFAULT_FIRST + n - 1);
    const std::string path = FirstRunSysEditFile(n, format, windowsFolder);
    std::snprintf(editorState.sysEditFiles[n - 1], kPathLength, "%s", path.c_str());
  }
}

}  // namespace

LOGFONTA& DisplayFontRecord() { return displayFontRecord; }
LOGFONTA& PrinterFontRecord() { return printerFontRecord; }

void PointPlacementReferences(EditorState& state) {
  state.pageSetup.position = &state.optionsPlacement;
  state.shellItems.position = &state.optionsPlacement;
}

void LoadSettings() {
  const bool firstRun = !SettingsKeyExists();
  editorState = EditorState();
  ReadSettingString(kOptions, "FileSpec", "", editorState.currentFileName);
  ReadFlags(kReadFlags);
  editorState.Tabs = NormalizeTabs(ReadSettingInt(kOptions, "Tabs", 4));
  ReadFlags(kSearchFlags);
  ReadSettingString(kSearch, "Find", "", editorState.findText);
  ReadSettingString(kSearch, "Replace", "", editorState.replaceText);
  ReadFlags(kSortAndStampFlags);
  LoadPageSetup(nullptr, editorState.pageSetup);
  for (const PlacementKey& placement : kPlacements) {
    LoadWindowPlacement(placement.section, &(editorState.*placement.field));
  }
  ReadLists();
  ReadMacrosAndTools();
  LoadFontSettings(FontRecord::Display, &displayFontRecord);
  LoadFontSettings(FontRecord::Printer, &printerFontRecord);
  LoadDialogPositions();
  PointPlacementReferences(editorState);

  if (firstRun) {
    if (ScreenRect.right <= ScreenRect.left) ReadScreenRect();
    ApplyFirstRunPlacements(editorState, ToScreenBounds(ScreenRect));
    ApplyFirstRunSysEditFiles();
    SaveSettings();
  }
}

void SaveSettings() {
  RecordProgramInfo(kProgramTitle, kProgramVersion);
  WriteSettingString(kOptions, "FileSpec", editorState.currentFileName);
  WriteFlags(kWriteFlagsBeforeTabs);
  WriteSettingInt(kOptions, "Tabs", static_cast<std::uint32_t>(editorState.Tabs));
  WriteFlags(kWriteFlagsAfterTabs);
  WriteFlags(kSearchFlags);
  WriteSettingString(kSearch, "Find", editorState.findText);
  WriteSettingString(kSearch, "Replace", editorState.replaceText);
  WriteFlags(kSortAndStampFlags);
  SavePageSetup(nullptr, editorState.pageSetup);
  for (const PlacementKey& placement : kPlacements) {
    SaveWindowPlacement(placement.section, &(editorState.*placement.field));
  }
  WriteLists();
  WriteMacrosAndTools();
  SaveFontSettings(FontRecord::Display, &displayFontRecord);
  SaveFontSettings(FontRecord::Printer, &printerFontRecord);
  SaveDialogPositions();
  ShowStatus(MSG_OPTIONS_SAVED);
}

}  // namespace editor
