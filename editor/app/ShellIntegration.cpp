// The record of the program written each time the options are saved.
#include "editor/app/ShellIntegration.h"

#include "editor/app/FrameGlobals.h"
#include "editor/app/VersionPage.h"
#include "editor/support/SettingsStore.h"
#include "editor/support/ShellLinks.h"

namespace editor {

using namespace support;  // the support library serves the whole application

namespace {

constexpr const char* kApplicationSection = "Application";

// The private INI file keeps written values in a cache until told to write them out.
void FlushPrivateProfile() { WritePrivateProfileStringA(nullptr, nullptr, nullptr, iniPath); }

}  // namespace

void RecordProgramInfo(const char* title, const char* version) {
  WriteProfileStringA("Orvane", title, version);
  RegisterProgramPaths(title, version);
  FlushPrivateProfile();
  WriteSettingString(kApplicationSection, "Program", title);
  WriteSettingString(kApplicationSection, "Version", version);
  WriteSettingString(kApplicationSection, "Maker", "Orvane");
  WriteSettingString(kApplicationSection, "WebSite", kMakerWebAddress);
  FlushPrivateProfile();
}

}  // namespace editor
