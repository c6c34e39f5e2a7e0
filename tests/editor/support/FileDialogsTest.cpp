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

// What one dialog was handed, and the user's answer to it.
struct Seen {
  int calls = 0;
  bool save = false;
  DWORD flags = 0, filterIndex = 0;
  std::string filter, file, folder, title, defaultExt;
  LPOFNHOOKPROC hook = nullptr;
};

class FileDialogsTest : public testing::Test {
 protected:
  void TearDown() override { SetFileDialogAnswerer(nullptr); }

  // Answers every dialog with `chosen` and the filter index `index`; an empty name cancels.
  void Answer(std::string chosen, DWORD index = 0, bool readOnlyTicked = false) {
    SetFileDialogAnswerer([this, chosen, index, readOnlyTicked](OPENFILENAMEA& d, bool save) {
      ++seen.calls;
      seen.save = save;
      seen.flags = d.Flags;
      seen.filterIndex = d.nFilterIndex;
      const char* end = d.lpstrFilter;
      while (end[0] || end[1]) ++end;
      seen.filter.assign(d.lpstrFilter, end + 2);
      seen.file = d.lpstrFile;
      seen.folder = d.lpstrInitialDir ? d.lpstrInitialDir : "<none>";
      seen.title = d.lpstrTitle ? d.lpstrTitle : "<system>";
      seen.defaultExt = d.lpstrDefExt ? d.lpstrDefExt : "<none>";
      seen.hook = d.lpfnHook;
      if (chosen.empty()) return false;
      std::strncpy(d.lpstrFile, chosen.c_str(), d.nMaxFile);
      if (index) d.nFilterIndex = index;
      d.Flags = readOnlyTicked ? (d.Flags | OFN_READONLY) : (d.Flags & ~OFN_READONLY);
      return true;
    });
  }
  Seen seen;
};

TEST_F(FileDialogsTest, SaveAsTakesTheCallersIndexAndGivesTheChoiceBack) {
  char path[kFileNameBuffer] = "c:\\notes.txt";
  int index = 0;
  Answer("d:\\out\\notes.txt", 3);
  EXPECT_TRUE(SaveAsDialog(nullptr, path, kLineEndTypes, kSaveAsTitle, 0, &index));
  EXPECT_TRUE(seen.save);
  EXPECT_EQ(seen.filterIndex, 1u);  // 0 counts as 1
  EXPECT_EQ(seen.filter, "Windows\0*.*\0Macintosh\0*.*\0Unix\0*.*\0\0"s);
  EXPECT_EQ(seen.folder, "c:\\");  // a drive's root keeps its backslash
  EXPECT_EQ(seen.file, "c:\\notes.txt");
  EXPECT_EQ(seen.title, "Save Text File As");
  EXPECT_EQ(seen.defaultExt, "<none>");
  EXPECT_EQ(seen.hook, PutFileHook());
  const DWORD saveFlags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  EXPECT_EQ(seen.flags & saveFlags, saveFlags);
  EXPECT_STREQ(path, "d:\\out\\notes.txt");
  EXPECT_EQ(index, 3);

  Answer("");  // Cancel leaves the path and the index alone
  EXPECT_FALSE(SaveAsDialog(nullptr, path, kLineEndTypes, 0, kListExtension, &index));
  EXPECT_EQ(seen.filterIndex, 3u);
  EXPECT_EQ(seen.title, "<system>");
  EXPECT_EQ(seen.defaultExt, "lst");
  EXPECT_EQ(seen.folder, "d:\\out");
  EXPECT_STREQ(path, "d:\\out\\notes.txt");
  EXPECT_EQ(index, 3);
}

TEST_F(FileDialogsTest, EachWrapperRemembersItsOwnIndexOnOk) {
  const char* filter = "A\0*.a\0B\0*.b\0C\0*.c\0\0";
  char path[kFileNameBuffer] = "";
  Answer("", 0);
  ChooseFileDialog(nullptr, path, kLineEndTypes, 0, nullptr);
  const DWORD chooseIndex = seen.filterIndex;

  Answer("c:\\x.b", 2);
  EXPECT_TRUE(OpenDialog(nullptr, path, filter, 0, nullptr));
  Answer("", 3);  // cancelled: not remembered
  OpenDialog(nullptr, path, filter, 0, nullptr);
  EXPECT_EQ(seen.filterIndex, 2u);
  ChooseFileDialog(nullptr, path, kLineEndTypes, 0, nullptr);
  EXPECT_EQ(seen.filterIndex, chooseIndex);
  SaveSelectionDialog(nullptr, path, filter, 0, 0);
  EXPECT_EQ(seen.filter, std::string(filter, 19));
  const DWORD selectionIndex = seen.filterIndex;
  Answer("c:\\list.lst", 3);
  SaveListDialog(nullptr, path, kLineEndTypes, 0, kListExtension);
  Answer("");
  SaveSelectionDialog(nullptr, path, filter, 0, 0);
  EXPECT_EQ(seen.filterIndex, selectionIndex);
  SaveListDialog(nullptr, path, kLineEndTypes, 0, kListExtension);
  EXPECT_EQ(seen.filterIndex, 3u);
}

TEST_F(FileDialogsTest, OpenStartsEmptyInTheFolderAndReturnsTheReadOnlyBox) {
  char path[kFileNameBuffer] = "c:\\docs\\old.txt";
  Answer("c:\\docs\\new.txt", 0, true);
  EXPECT_TRUE(OpenDialog(nullptr, path, "T\0*.txt\0\0", 0, nullptr));
  EXPECT_FALSE(seen.save);
  EXPECT_EQ(seen.file, "");
  EXPECT_EQ(seen.folder, "c:\\docs");
  EXPECT_EQ(seen.hook, GetFileHook());
  EXPECT_TRUE(seen.flags & OFN_FILEMUSTEXIST);
  EXPECT_TRUE(seen.flags & OFN_HIDEREADONLY);  // no read-only argument: no box

  int readOnly = 5;  // any non-zero value ticks the box
  Answer("new.txt", 0, false);
  EXPECT_TRUE(ChooseFileDialog(nullptr, path, kLineEndTypes, 0, &readOnly));
  EXPECT_EQ(seen.folder, "c:\\docs");
  EXPECT_EQ(seen.flags & (OFN_HIDEREADONLY | OFN_READONLY), static_cast<DWORD>(OFN_READONLY));
  EXPECT_EQ(readOnly, 0);
  Answer("", 0, true);
  ChooseFileDialog(nullptr, path, kLineEndTypes, 0, &readOnly);
  EXPECT_EQ(seen.folder, "<none>");  // "new.txt" has no folder
  EXPECT_EQ(readOnly, 0);             // cancelled: untouched
}

TEST_F(FileDialogsTest, LongPathsWholeMissingFiltersShowNoDialog) {
  // A path as long as the system allows comes back whole.
  const std::string longPath = "c:\\" + std::string(MAX_PATH - 4, 'n');
  char path[kFileNameBuffer] = "";
  Answer(longPath);
  EXPECT_TRUE(OpenDialog(nullptr, path, "T\0*.*\0\0", 0, nullptr));
  EXPECT_EQ(path, longPath);
  EXPECT_TRUE(SaveSelectionDialog(nullptr, path, "T\0*.*\0\0", 0, 0));
  EXPECT_EQ(seen.file, longPath);  // the name field got it whole too

  seen.calls = 0;
  EXPECT_FALSE(OpenDialog(nullptr, path, nullptr, 0, nullptr));
  EXPECT_FALSE(SaveSelectionDialog(nullptr, path, "", 0, 0));
  {
    BoxRecorder boxes;  // a filter id without text is reported, and no dialog is shown
    EXPECT_FALSE(SaveListDialog(nullptr, path, kMissing, 0, 0));
    EXPECT_EQ(boxes.boxes().size(), 1u);
  }
  EXPECT_EQ(seen.calls, 0);
  EXPECT_EQ(path, longPath);
}

// ---- A real Open dialog ---------------------------------------------------------------------

struct RealDialogDriver {
  std::string fileToChoose;
  RECT placedAt{};
  POINT moveTo{};
  int ticks = 0;
};
RealDialogDriver* driver = nullptr;

BOOL CALLBACK FindFileDialog(HWND window, LPARAM found) {
  char name[16] = "";
  GetClassNameA(window, name, sizeof name);
  if (std::strcmp(name, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Notes where the dialog stands, moves it, types the name and presses OK; cancels after 10 s.
void CALLBACK DriveFileDialog(HWND, UINT, UINT_PTR, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindFileDialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog || !driver) return;
  if (++driver->ticks > 500) {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return;
  }
  if (driver->ticks < 3) return;  // let it settle
  if (driver->ticks == 3) {
    GetWindowRect(dialog, &driver->placedAt);
    SetWindowPos(dialog, nullptr, driver->moveTo.x, driver->moveTo.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(driver->fileToChoose.c_str()));
    SendMessageA(dialog, CDM_SETCONTROLTEXT, edt1, reinterpret_cast<LPARAM>(driver->fileToChoose.c_str()));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  }
}

TEST_F(FileDialogsTest, RealOpenDialogStandsAtTheStoredPlaceAndKeepsTheNewOne) {
  char folder[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, folder);
  const std::string file = std::string(folder) + "file-dialog-" + std::to_string(GetCurrentProcessId()) + ".txt";
  std::ofstream(file) << "x";
  ReadScreenRect();
  const PlacementRecord saved = dialogPositions.getFile;
  // Stored beyond the lower right corner: the dialog stays 35 pixels inside the screen.
  dialogPositions.getFile.left = ScreenRect.right + 50;
  dialogPositions.getFile.top = 60;

  RealDialogDriver drive;
  drive.fileToChoose = file;
  drive.moveTo = {120, 90};
  driver = &drive;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, DriveFileDialog);
  char path[kFileNameBuffer] = "";
  int readOnly = 1;
  const bool chosen = OpenDialog(nullptr, path, "Text\0*.txt\0\0", 0, &readOnly);
  KillTimer(nullptr, timer);
  driver = nullptr;

  EXPECT_TRUE(chosen);
  EXPECT_STREQ(path, file.c_str());
  EXPECT_EQ(readOnly, 1);
  EXPECT_EQ(drive.placedAt.left, ScreenRect.right - 35);
  EXPECT_EQ(drive.placedAt.top, 60);
  EXPECT_EQ(dialogPositions.getFile.left, 120);
  EXPECT_EQ(dialogPositions.getFile.top, 90);
  dialogPositions.getFile = saved;
  DeleteFileA(file.c_str());
}

}  // namespace
