// File > Properties on real files: the box's texts as it shows them, through the frame's command
// and the box's seam.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

#include "editor/app/FileProperties.h"
#include "editor/app/ToolWindows.h"
#include "tests/editor/app/DocumentFixture.h"

namespace {

// What the box showed: the texts by control id, and its icon.
struct ShownBox {
  std::map<int, std::string> text;
  HICON icon = nullptr;
  bool ran = false;
};

class FilePropertiesTest : public DocumentTest {
 protected:
  static void SetUpTestSuite() {
    DocumentTest::SetUpTestSuite();
    editor::InstallToolWindowServices();
  }
  void TearDown() override {
    editor::SetFilePropertiesDriver(nullptr);
    DocumentTest::TearDown();
  }
  // Runs the box for `path` (or through command 103 for `document`) and presses OK, after moving
  // the box to `moveTo` when given.
  static ShownBox Show(const std::string& path, HWND document = nullptr, POINT* moveTo = nullptr) {
    ShownBox shown;
    editor::SetFilePropertiesDriver([&](HWND box) {
      shown.ran = true;
      for (int id = IDC_PROPERTIES_NAME; id <= IDC_PROPERTIES_SHORT_NAME; ++id) {
        char text[512] = "";
        GetDlgItemTextA(box, id, text, sizeof text);
        shown.text[id] = text;
      }
      shown.icon = reinterpret_cast<HICON>(SendDlgItemMessageA(box, IDC_PROPERTIES_ICON, STM_GETICON, 0, 0));
      if (moveTo) SetWindowPos(box, nullptr, moveTo->x, moveTo->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
      if (const char* pause = std::getenv("QUILLET_SHOT_PAUSE")) testsupport::PumpFor(std::atoi(pause));
      SendMessageA(box, WM_COMMAND, IDOK, 0);
    });
    if (document) {
      Command(document, ID_FILE_PROPERTIES);
    } else {
      EXPECT_EQ(editor::FilePropertiesDialog(editor::frameWindow, path.c_str()), 1);
    }
    EXPECT_TRUE(shown.ran);
    return shown;
  }
  // A file of `size` bytes (sparse beyond what is written).
  std::string SizedFile(const std::string& name, long long size) {
    const std::string path = Path(name);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    LARGE_INTEGER end;
    end.QuadPart = size;
    SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);
    return path;
  }
};

TEST_F(FilePropertiesTest, TheCommandShowsTheActiveDocumentsFileAndStoresThePlace) {
  HWND document = OpenNew("notes.txt", "hello\r\n");
  POINT place = {123, 87};
  const ShownBox shown = Show("", document, &place);
  EXPECT_EQ(shown.text.at(IDC_PROPERTIES_NAME), "notes.txt");
  EXPECT_EQ(shown.text.at(IDC_PROPERTIES_LOCATION), folder_);
  EXPECT_EQ(shown.text.at(IDC_PROPERTIES_SIZE), "7 Bytes (7)");
  EXPECT_EQ(shown.text.at(IDC_PROPERTIES_MODE), "Read / Write Access");
  EXPECT_EQ(shown.text.at(IDC_PROPERTIES_SHORT_NAME), "NOTES.TXT");
  EXPECT_EQ(support::dialogPositions.property.left, 123);
  EXPECT_EQ(support::dialogPositions.property.top, 87);
}

TEST_F(FilePropertiesTest, SizesAreTheLow32BitsInTheirUnits) {
  const std::pair<long long, const char*> cases[] = {{1023, "1023 Bytes (1023)"},
                                                     {1024, "1 K Bytes (1024)"},
                                                     {10485760, "10 M Bytes (10485760)"},
                                                     {5LL << 30, "1 G Bytes (1073741824)"}};
  for (const auto& [size, text] : cases) {
    const std::string path = SizedFile("sized.bin", size);
    EXPECT_EQ(Show(path).text.at(IDC_PROPERTIES_SIZE), text) << size;
    DeleteFileA(path.c_str());
  }
}

TEST_F(FilePropertiesTest, TimesAreLocalOnATwelveHourClock) {
  Write(Path("timed.txt"), "x");
  const std::pair<WORD, WORD> times[] = {{0, 30}, {12, 5}, {13, 0}};
  const char* expected[] = {"Monday, January 5, 1998 - 12:30 AM", "Monday, January 5, 1998 - 12:05 PM",
                            "Monday, January 5, 1998 - 1:00 PM"};
  for (int i = 0; i < 3; ++i) {
    SYSTEMTIME local = {1998, 1, 1, 5, times[i].first, times[i].second, 0, 0}, universal;
    FILETIME stamp;
    TzSpecificLocalTimeToSystemTime(nullptr, &local, &universal);
    SystemTimeToFileTime(&universal, &stamp);
    HANDLE file = CreateFileA(Path("timed.txt").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SetFileTime(file, nullptr, nullptr, &stamp);
    CloseHandle(file);
    EXPECT_EQ(Show(Path("timed.txt")).text.at(IDC_PROPERTIES_MODIFIED), expected[i]);
  }
}

TEST_F(FilePropertiesTest, ModeTypeAndMissingFiles) {
  Write(Path("README"), "read me");
  SetFileAttributesA(Path("README").c_str(), FILE_ATTRIBUTE_READONLY);
  ShownBox shown = Show(Path("README"));
  EXPECT_EQ(shown.text.at(IDC_PROPERTIES_MODE), "Read Only Access");
  EXPECT_EQ(shown.text.at(IDC_PROPERTIES_TYPE), "Document");
  EXPECT_EQ(shown.icon, LoadIconA(nullptr, MAKEINTRESOURCEA(32517)));

  shown = Show(Path("gone.txt"));
  EXPECT_EQ(shown.text.at(IDC_PROPERTIES_NAME), "");
  EXPECT_EQ(shown.text.at(IDC_PROPERTIES_SIZE), "");
  EXPECT_EQ(shown.text.at(IDC_PROPERTIES_MODE), "Read / Write Access");
  EXPECT_NE(shown.icon, nullptr);
}

TEST_F(FilePropertiesTest, RegisteredTypesNeedAnIconToKeepTheirDescription) {
  char program[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, program, sizeof program);
  HKEY key = nullptr;
  RegCreateKeyA(HKEY_CLASSES_ROOT, ".qltprobe", &key);
  RegSetValueA(key, nullptr, REG_SZ, "QuilletProbe.File", 0);
  RegCloseKey(key);
  RegSetValueA(HKEY_CLASSES_ROOT, "QuilletProbe.File", REG_SZ, "Quillet Probe File", 0);
  const std::string icon = std::string(program) + ",0";
  RegSetValueA(HKEY_CLASSES_ROOT, "QuilletProbe.File\\DefaultIcon", REG_SZ, icon.c_str(), 0);
  Write(Path("a.qltprobe"), "x");

  char type[256] = "";
  bool owned = false;
  HICON found = editor::GetFileTypeInfo("qltprobe", type, &owned);
  EXPECT_STREQ(type, "Quillet Probe File");
  EXPECT_TRUE(owned);
  EXPECT_NE(found, LoadIconA(nullptr, MAKEINTRESOURCEA(32517)));
  if (owned) DestroyIcon(found);
  EXPECT_EQ(Show(Path("a.qltprobe")).text.at(IDC_PROPERTIES_TYPE), "Quillet Probe File");

  RegDeleteKeyA(HKEY_CLASSES_ROOT, "QuilletProbe.File\\DefaultIcon");
  EXPECT_EQ(Show(Path("a.qltprobe")).text.at(IDC_PROPERTIES_TYPE), "Document");
  RegDeleteKeyA(HKEY_CLASSES_ROOT, "QuilletProbe.File");
  RegDeleteKeyA(HKEY_CLASSES_ROOT, ".qltprobe");
}

}  // namespace
