// Storage of the page setup.
#include "editor/app/PageSetup.h"

#include "editor/support/SettingsStore.h"

namespace editor {

namespace {

constexpr const char* kPageSetupSection = "Options\\PageSetup";

const char* SectionOrDefault(const char* section) {
  return section && *section ? section : kPageSetupSection;
}

}  // namespace

void LoadPageSetup(const char* section, PageSetup& setup) {
  using namespace support;
  const char* s = SectionOrDefault(section);
  const PageSetup defaults;
  const auto margin = [s](const char* name, std::int32_t fallback) {
    return static_cast<std::int32_t>(ReadSettingInt(s, name, static_cast<std::uint32_t>(fallback)));
  };
  setup.topMargin = margin("TopMargin", defaults.topMargin);
  setup.bottomMargin = margin("BottomMargin", defaults.bottomMargin);
  setup.leftMargin = margin("LeftMargin", defaults.leftMargin);
  setup.rightMargin = margin("RightMargin", defaults.rightMargin);
  setup.showHeader = ReadSettingBool(s, "ShowHeader", defaults.showHeader);
  setup.centerHeader = ReadSettingBool(s, "CenterHeader", defaults.centerHeader);
  setup.showFooter = ReadSettingBool(s, "ShowFooter", defaults.showFooter);
  setup.centerFooter = ReadSettingBool(s, "CenterFooter", defaults.centerFooter);
  setup.landscape = ReadSettingBool(s, "Landscape", defaults.landscape);
  ReadSettingString(s, "Header", defaults.header, setup.header);
  ReadSettingString(s, "Footer", defaults.footer, setup.footer);
}

void SavePageSetup(const char* section, const PageSetup& setup) {
  using namespace support;
  const char* s = SectionOrDefault(section);
  WriteSettingInt(s, "TopMargin", static_cast<std::uint32_t>(setup.topMargin));
  WriteSettingInt(s, "BottomMargin", static_cast<std::uint32_t>(setup.bottomMargin));
  WriteSettingInt(s, "LeftMargin", static_cast<std::uint32_t>(setup.leftMargin));
  WriteSettingInt(s, "RightMargin", static_cast<std::uint32_t>(setup.rightMargin));
  WriteSettingBool(s, "ShowHeader", setup.showHeader);
  WriteSettingBool(s, "CenterHeader", setup.centerHeader);
  WriteSettingBool(s, "ShowFooter", setup.showFooter);
  WriteSettingBool(s, "CenterFooter", setup.centerFooter);
  WriteSettingBool(s, "Landscape", setup.landscape);
  WriteSettingString(s, "Header", setup.header);
  WriteSettingString(s, "Footer", setup.footer);
}

}  // namespace editor
