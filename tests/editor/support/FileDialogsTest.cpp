// The file dialog wrappers answered through their seam, and one real Open dialog driven by
// messages: placement, remembered indexes, folders, flags and what comes back to the caller.
#include <windows.h>

#include <dlgs.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>

#include "editor/support/FileDialogs.h"
#include "editor/support/WindowPlacement.h"
#include "tests/editor/support/BoxRecorder.h"

using namespace support;

namespace {

using namespace std::string_literals;

constexpr UINT kLineEndTypes = 1008, kSaveAsTitle = 1007, kListExtension = 12006, kMissing = 4711;
const char* const kFilter = "A\0*.a\0B\0*.b\0C\0*.c\0\0";

// What the last dialog was handed ("-" for none), and how many were shown.
struct Seen {
  int calls = 0;
  bool save = false;
  DWORD flags = 0, index = 0;
  std::string filter, file, folder, title, ext;
  LPOFNHOOKPROC hook = nullptr;
} seen;

std::string Or(const char* text) { return text ? text : "-"; }

// Answers every dialog with `chosen` (empty: Cancel), the filter index and the read-only box.
void Answer(std::string chosen, DWORD index = 0, bool readOnlyTicked = false) {
  SetFileDialogAnswerer([=](OPENFILENAMEA& d, bool save) {
    const char* end = d.lpstrFilter;
    while (end[0] || end[1]) ++end;
    seen = {seen.calls + 1, save, d.Flags, d.nFilterIndex, std::string(d.lpstrFilter, end + 2), d.lpstrFile,
            Or(d.lpstrInitialDir), Or(d.lpstrTitle), Or(d.lpstrDefExt), d.lpfnHook};
    if (chosen.empty()) return false;
    std::strncpy(d.lpstrFile, chosen.c_str(), d.nMaxFile);
    if (index) d.nFilterIndex = index;
    d.Flags = readOnlyTicked ? (d.Flags | OFN_READONLY) : (d.Flags & ~OFN_READONLY);
    return true;
  });
}

class FileDialogsTest : public testing::Test {
 protected:
  void TearDown() override { SetFileDialogAnswerer(nullptr); }
};

TEST_F(FileDialogsTest, SaveAsTakesTheCallersIndexAndGivesTheChoiceBack) {
  char path[kFileNameBuffer] = "c:\\notes.txt";
  int index = 0;
  Answer("d:\\out\\notes.txt", 3);
  EXPECT_TRUE(SaveAsDialog(nullptr, path, kLineEndTypes, kSaveAsTitle, 0, &index));
  EXPECT_TRUE(seen.save);
  EXPECT_EQ(seen.index, 1u);  // 0 counts as 1
  EXPECT_EQ(seen.filter, "Windows\0*.*\0Macintosh\0*.*\0Unix\0*.*\0\0"s);
  EXPECT_EQ(seen.folder + "|" + seen.file + "|" + seen.title + "|" + seen.ext, "c:\\|c:\\notes.txt|Save Text File As|-");
  EXPECT_EQ(seen.hook, PutFileHook());
  const DWORD flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  EXPECT_EQ(seen.flags & flags, flags);
  EXPECT_STREQ(path, "d:\\out\\notes.txt");
  EXPECT_EQ(index, 3);

  Answer("");  // Cancel leaves the path and the index alone
  EXPECT_FALSE(SaveAsDialog(nullptr, path, kLineEndTypes, 0, kListExtension, &index));
  EXPECT_EQ(seen.index, 3u);
  EXPECT_EQ(seen.folder + "|" + seen.title + "|" + seen.ext, "d:\\out|-|lst");
  EXPECT_STREQ(path, "d:\\out\\notes.txt");
  EXPECT_EQ(index, 3);
}

TEST_F(FileDialogsTest, OpenAndListWrappersKeepTheirOwnIndexAndTheReadOnlyBox) {
  char path[kFileNameBuffer] = "c:\\docs\\old.txt";
  Answer("");
  ChooseFileDialog(nullptr, path, kLineEndTypes, 0, nullptr);
  const DWORD chooseIndex = seen.index;
  Answer("c:\\docs\\new.b", 2, true);
  EXPECT_TRUE(OpenDialog(nullptr, path, kFilter, 0, nullptr));
  EXPECT_EQ(seen.file + "|" + seen.folder, "|c:\\docs");  // Open starts with an empty name
  EXPECT_EQ(seen.hook, GetFileHook());
  EXPECT_EQ(seen.flags & (OFN_FILEMUSTEXIST | OFN_HIDEREADONLY), static_cast<DWORD>(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY));
  SaveListDialog(nullptr, path, kLineEndTypes, 0, kListExtension);
  Answer("", 3);  // cancelled: not remembered
  OpenDialog(nullptr, path, kFilter, 0, nullptr);
  EXPECT_EQ(seen.index, 2u);
  SaveListDialog(nullptr, path, kLineEndTypes, 0, kListExtension);
  EXPECT_EQ(seen.index, 2u);

  int readOnly = 5;  // any non-zero value ticks the box
  Answer("new.txt");
  EXPECT_TRUE(ChooseFileDialog(nullptr, path, kLineEndTypes, 0, &readOnly));
  EXPECT_EQ(seen.index, chooseIndex);  // the others' choices are not this one's
  EXPECT_EQ(seen.flags & (OFN_HIDEREADONLY | OFN_READONLY), static_cast<DWORD>(OFN_READONLY));
  EXPECT_EQ(readOnly, 0);
  Answer("", 0, true);
  ChooseFileDialog(nullptr, path, kLineEndTypes, 0, &readOnly);
  EXPECT_EQ(seen.folder, "-");  // "new.txt" has no folder
  EXPECT_EQ(readOnly, 0);       // cancelled: untouched
}

TEST_F(FileDialogsTest, LongPathsWholeMissingFiltersShowNoDialog) {
  const std::string longPath = "c:\\" + std::string(MAX_PATH - 4, 'n');  // as long as the system allows
  char path[kFileNameBuffer] = "";
  Answer(longPath);
  EXPECT_TRUE(OpenDialog(nullptr, path, kFilter, 0, nullptr));
  EXPECT_EQ(path, longPath);
  EXPECT_TRUE(SaveSelectionDialog(nullptr, path, kFilter, 0, 0));
  EXPECT_EQ(seen.file, longPath);  // the name field got it whole too

  seen.calls = 0;
  EXPECT_FALSE(OpenDialog(nullptr, path, nullptr, 0, nullptr));
  EXPECT_FALSE(SaveSelectionDialog(nullptr, path, "", 0, 0));
  BoxRecorder boxes;  // a filter id without text is reported, and no dialog is shown
  EXPECT_FALSE(SaveListDialog(nullptr, path, kMissing, 0, 0));
  EXPECT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(seen.calls, 0);
  EXPECT_EQ(path, longPath);
}

// A real Open dialog: on a thread timer, note where it stands, move it, type the name and press
// OK; cancel it after 10 s.
std::string fileToChoose;
RECT placedAt;
int ticks;

void CALLBACK DriveFileDialog(HWND, UINT, UINT_PTR, DWORD) {
  HWND dialog = FindWindowA("#32770", nullptr);  // the only top-level dialog of this program
  if (!dialog || !IsWindowVisible(dialog) || ++ticks < 3) return;
  if (ticks > 500) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  if (ticks != 3) return;
  GetWindowRect(dialog, &placedAt);
  SetWindowPos(dialog, nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  for (int control : {cmb13, edt1}) SendMessageA(dialog, CDM_SETCONTROLTEXT, control, reinterpret_cast<LPARAM>(fileToChoose.c_str()));
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

TEST_F(FileDialogsTest, RealOpenDialogStandsAtTheStoredPlaceAndKeepsTheNewOne) {
  char folder[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, folder);
  fileToChoose = std::string(folder) + "file-dialog-" + std::to_string(GetCurrentProcessId()) + ".txt";
  std::ofstream(fileToChoose) << "x";
  ReadScreenRect();
  const PlacementRecord saved = dialogPositions.getFile;
  dialogPositions.getFile.left = ScreenRect.right + 50;  // beyond the edge: kept 35 pixels on
  dialogPositions.getFile.top = 60;
  ticks = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, DriveFileDialog);
  char path[kFileNameBuffer] = "";
  int readOnly = 1;
  EXPECT_TRUE(OpenDialog(nullptr, path, "Text\0*.txt\0\0", 0, &readOnly));
  KillTimer(nullptr, timer);
  EXPECT_EQ(path, fileToChoose);
  EXPECT_EQ(readOnly, 1);
  EXPECT_EQ(placedAt.left, ScreenRect.right - 35);
  EXPECT_EQ(placedAt.top, 60);
  EXPECT_EQ(dialogPositions.getFile.left, 120);
  EXPECT_EQ(dialogPositions.getFile.top, 90);
  dialogPositions.getFile = saved;
  DeleteFileA(fileToChoose.c_str());
}

}  // namespace
