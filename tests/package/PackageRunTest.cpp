// The release packages as a user gets them: each folder is a zip unpacked into an empty folder
// outside the build tree (tests/package/check-package.sh does that and names the folders in
// ZQ_PACKAGE_WIN64 and ZQ_PACKAGE_WIN32). The programs of the 64-bit folder run as their own
// processes; the binaries of both are read for their version resources.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/win32/Handles.h"
#include "resources/release_version.h"
#include "resources/zelvora_ids.h"
#include "tests/support/Messages.h"

namespace {

constexpr int kStartTimeoutMs = 60000;
constexpr int kExitTimeoutMs = 30000;
constexpr const char* kQuilletKey = "Software\\Orvane\\Quillet for Windows 95/NT";

std::string PackageFolder(const char* variable) {
  const char* folder = std::getenv(variable);
  return folder ? folder : "";
}

// Every file below `folder` with its size: what the user unpacked, and whatever a program adds.
std::map<std::string, DWORD> FilesIn(const std::string& folder, const std::string& prefix = "") {
  std::map<std::string, DWORD> files;
  WIN32_FIND_DATAA found = {};
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
    const std::string name = found.cFileName;
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files[prefix + name] = found.nFileSizeLow;
    else if (name != "." && name != "..") files.merge(FilesIn(folder + "\\" + name, prefix + name + "\\"));
  }
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  return files;
}

std::set<std::string> SubkeysOf(HKEY root, const char* path) {
  std::set<std::string> names;
  win32::UniqueRegistryKey key;
  if (RegOpenKeyExA(root, path, 0, KEY_READ, key.receive()) != ERROR_SUCCESS) return names;
  char name[256];
  for (DWORD i = 0, length = sizeof name;
       RegEnumKeyExA(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
       ++i, length = sizeof name)
    names.insert(name);
  return names;
}

// A program of the package started as the user would start it, ended by force if a test leaves
// it running, so that no process outlives the test.
class Program {
 public:
  Program(const std::string& exe, const std::string& argument, const std::string& workingFolder) {
    std::string line = "\"" + exe + "\" \"" + argument + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, workingFolder.c_str(),
                        &startup, &started))
      return;
    process_ = win32::UniqueFile(started.hProcess);
    win32::UniqueFile thread(started.hThread);
    processId_ = started.dwProcessId;
  }
  ~Program() {
    if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) TerminateProcess(process_.get(), 99);
  }

  bool Started() const { return static_cast<bool>(process_); }

  // The program's visible top-level window whose class is `className` (any when null).
  HWND WaitForWindow(const char* className) const {
    HWND found = nullptr;
    testsupport::WaitUntil([&] {
      for (found = nullptr; (found = FindWindowExA(nullptr, found, className, nullptr)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (owner == processId_ && IsWindowVisible(found)) return true;
      }
      return false;
    }, kStartTimeoutMs);
    return found;
  }

  // The exit code once the process has ended, or -1 when it has not ended in time.
  long WaitForExit() const {
    if (WaitForSingleObject(process_.get(), kExitTimeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return static_cast<long>(code);
  }

 private:
  win32::UniqueFile process_;
  DWORD processId_ = 0;
};

// Another process's window text: WM_GETTEXT is carried across processes, GetWindowText is not.
std::string TextOf(HWND window) {
  std::vector<char> text(65536);
  DWORD_PTR ignored = 0;
  if (!window || !SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                                      SMTO_ABORTIFHUNG, 5000, &ignored))
    return "";
  return text.data();
}

HWND ChildOfClass(HWND parent, const char* className) {
  return parent ? FindWindowExA(parent, nullptr, className, nullptr) : nullptr;
}

double NumberIn(HWND dialog, int id) {
  const std::string text = TextOf(GetDlgItem(dialog, id));
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  EXPECT_TRUE(!text.empty() && *end == '\0') << "control " << id << " reads \"" << text << "\"";
  return value;
}

TEST(Package, ZelvoraOpensABundledSampleWithItsChart) {
  const std::string folder = PackageFolder("ZQ_PACKAGE_WIN64");
  ASSERT_FALSE(folder.empty()) << "ZQ_PACKAGE_WIN64 names no unpacked package";
  const auto before = FilesIn(folder);
  {
    // Started from another folder: the chart library must be found beside the program.
    Program zelvora(folder + "\\Zelvora.exe", folder + "\\samples\\three-plots.plo", folder + "\\samples");
    ASSERT_TRUE(zelvora.Started());
    const HWND main = zelvora.WaitForWindow(nullptr);
    ASSERT_NE(main, nullptr) << "Zelvora showed no window";
    ASSERT_TRUE(testsupport::WaitUntil([&] { return TextOf(GetDlgItem(main, IDC_PLOT_COUNTER)) == "1/3"; },
                                       kStartTimeoutMs))
        << "plot counter: \"" << TextOf(GetDlgItem(main, IDC_PLOT_COUNTER)) << "\"";
    EXPECT_NE(TextOf(main).find("three-plots.plo"), std::string::npos) << TextOf(main);
    EXPECT_NE(ChildOfClass(main, "ChartControl2DWindow"), nullptr) << "no chart: ChartControl.dll not loaded";
    // The first plot of the sample: logarithmic axes, energies from 1e-9 MeV up.
    const double xMin = NumberIn(main, IDC_X_MIN), xMax = NumberIn(main, IDC_X_MAX);
    const double yMin = NumberIn(main, IDC_Y_MIN), yMax = NumberIn(main, IDC_Y_MAX);
    EXPECT_TRUE(0 < xMin && xMin < xMax) << xMin << " .. " << xMax;
    EXPECT_TRUE(0 < yMin && yMin < yMax) << yMin << " .. " << yMax;
    if (const char* pause = std::getenv("ZQ_PACKAGE_PAUSE")) Sleep(static_cast<DWORD>(std::atoi(pause)));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(zelvora.WaitForExit(), 0);
  }
  EXPECT_EQ(FilesIn(folder), before) << "Zelvora left files in its folder";
}

TEST(Package, QuilletOpensTheReadmeAndKeepsItsSettingsUnderItsKey) {
  const std::string folder = PackageFolder("ZQ_PACKAGE_WIN64");
  ASSERT_FALSE(folder.empty()) << "ZQ_PACKAGE_WIN64 names no unpacked package";
  const std::string readme = folder + "\\README.txt";
  std::string firstLine;
  std::getline(std::ifstream(readme), firstLine);
  if (!firstLine.empty() && firstLine.back() == '\r') firstLine.pop_back();
  ASSERT_FALSE(firstLine.empty());

  // A first run, as on the user's machine.
  RegDeleteTreeA(HKEY_CURRENT_USER, kQuilletKey);
  const auto filesBefore = FilesIn(folder);
  const auto softwareBefore = SubkeysOf(HKEY_CURRENT_USER, "Software");
  {
    Program quillet(folder + "\\Quillet.exe", readme, folder);
    ASSERT_TRUE(quillet.Started());
    const HWND frame = quillet.WaitForWindow("QuilletAppClass");
    ASSERT_NE(frame, nullptr) << "Quillet showed no frame";
    HWND document = nullptr;
    ASSERT_TRUE(testsupport::WaitUntil(
        [&] {
          const HWND client = ChildOfClass(frame, "MDIClient");
          document = client ? GetWindow(client, GW_CHILD) : nullptr;
          return document && TextOf(document).find("README.txt") != std::string::npos;
        },
        kStartTimeoutMs))
        << "no document window for README.txt";
    const std::string text = TextOf(ChildOfClass(document, "RichEdit"));
    EXPECT_EQ(text.compare(0, firstLine.size(), firstLine), 0) << text.substr(0, 200);
    if (const char* pause = std::getenv("ZQ_PACKAGE_PAUSE")) Sleep(static_cast<DWORD>(std::atoi(pause)));
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(quillet.WaitForExit(), 0) << "Quillet did not end cleanly";
  }

  EXPECT_EQ(FilesIn(folder), filesBefore) << "Quillet left files in its folder";
  EXPECT_FALSE(SubkeysOf(HKEY_CURRENT_USER, kQuilletKey).empty()) << "no settings under " << kQuilletKey;
  std::set<std::string> added;
  for (const std::string& name : SubkeysOf(HKEY_CURRENT_USER, "Software"))
    if (!softwareBefore.count(name) && name != "Orvane") added.insert(name);
  EXPECT_EQ(added, std::set<std::string>{}) << "new keys under HKCU\\Software";
  RegDeleteTreeA(HKEY_CURRENT_USER, kQuilletKey);
}

std::string VersionString(const std::vector<char>& block, const char* key) {
  char* value = nullptr;
  UINT length = 0;
  const std::string query = std::string("\\StringFileInfo\\040904E4\\") + key;
  if (!VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return "";
  return value;
}

// The version resource of each binary, as the shell's properties page and the Version page read it.
void CheckVersions(const std::string& folder) {
  for (const char* name : {"Zelvora.exe", "Quillet.exe", "ChartControl.dll"}) {
    const std::string path = folder + "\\" + name;
    SCOPED_TRACE(path);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "no version resource";
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) && fixed);
    EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(RELEASE_VERSION_MINOR, RELEASE_VERSION_MAJOR)));
    EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MAKELONG(0, RELEASE_VERSION_PATCH)));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(std::strstr(name, ".dll") ? VFT_DLL : VFT_APP));
    EXPECT_EQ(VersionString(block, "ProductVersion"), RELEASE_VERSION_TEXT);
    EXPECT_EQ(VersionString(block, "OriginalFilename"), name);
    EXPECT_FALSE(VersionString(block, "FileDescription").empty());
    EXPECT_FALSE(VersionString(block, "FileVersion").empty());
  }
}

TEST(Package, EveryBinaryOfBothPackagesCarriesTheReleaseVersion) {
  const std::string win32 = PackageFolder("ZQ_PACKAGE_WIN32"), win64 = PackageFolder("ZQ_PACKAGE_WIN64");
  ASSERT_FALSE(win32.empty() || win64.empty()) << "ZQ_PACKAGE_WIN32 and ZQ_PACKAGE_WIN64 name the packages";
  CheckVersions(win32);
  CheckVersions(win64);
}

}  // namespace
