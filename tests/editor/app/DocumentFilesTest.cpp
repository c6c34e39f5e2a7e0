// Documents and their files through the real frame: line ends read and written back, the size
// limit, backups, write-protected files, saves that fail, zero bytes, Save As, Insert File,
// Save Selection As, Refresh, Discard and Open with several files.
#include <windows.h>

#include <richedit.h>

#include "resources/quillet_ids.h"
#include "tests/editor/app/DocumentFixture.h"

using namespace editor;
using namespace support;

namespace {

struct LineEndCase {
  const char* name;
  const char* disk;
  int type;
  const char* memory;
};

// Each file opens with its convention and proper lines, and a save writes back the same bytes.
TEST_F(DocumentTest, LineEndsReadAndWrittenBackThroughRealFiles) {
  const LineEndCase cases[] = {
      {"unix", "one\ntwo\n", kUnixLineEnds, "one\r\ntwo\r\n"},
      {"macintosh", "one\rtwo\r", kMacintoshLineEnds, "one\r\ntwo\r\n"},
      {"windows", "one\r\ntwo", kWindowsLineEnds, "one\r\ntwo"},
      {"mixed", "one\r\ntwo\nthree", kWindowsLineEnds, nullptr},  // the lone LF stays as it is
      {"empty", "", kWindowsLineEnds, ""},
      {"stray-cr", "one\ntwo\rthree\n", kMacintoshLineEnds, nullptr},  // detected Macintosh
  };
  for (const LineEndCase& c : cases) {
    SCOPED_TRACE(c.name);
    HWND document = OpenNew(c.name, c.disk);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(Slot(document, kSlotLineEnd), c.type);
    if (c.memory) {
      EXPECT_EQ(Text(document), c.memory);
    }
    EXPECT_EQ(Title(document), Path(c.name));
    MarkModified(document, true);
    Command(document, ID_FILE_SAVE);
    EXPECT_EQ(Read(Path(c.name)), c.disk);
    EXPECT_EQ(Slot(document, kSlotModified), 0);
    EXPECT_EQ(Title(document), Path(c.name));
  }
}

TEST_F(DocumentTest, LargestFileLoadsAndOneByteMoreIsRefused) {
  std::string text;
  while (text.size() < 10485758) text += std::string(62, 'x') + "\r\n";
  text.resize(10485758);
  HWND document = OpenNew("largest", text);
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(SendMessageA(GetDocumentEdit(document), WM_GETTEXTLENGTH, 0, 0), 10485758);
  BoxRecorder boxes;
  EXPECT_EQ(OpenNew("too-large", text + "x"), nullptr);
  EXPECT_NE(boxes.only().text.find("too large to load\r\rSize: 10485759 Bytes"), std::string::npos);
}

TEST_F(DocumentTest, BackupsKeepThePreviousVersionAndNeverMoveAFileOntoItself) {
  editorState.Backup = 1;
  for (const char* name : {"notes.txt", "README", "notes.bak"}) {
    SCOPED_TRACE(name);
    HWND document = OpenNew(name, "first");
    SetDocumentText(GetDocumentEdit(document), "second");
    Command(document, ID_FILE_SAVE);
    SetDocumentText(GetDocumentEdit(document), "third");
    Command(document, ID_FILE_SAVE);
    EXPECT_EQ(Read(Path(name)), "third");
  }
  EXPECT_EQ(Read(Path("notes.bak")), "third");  // its own backup name: saved, not backed up
  EXPECT_EQ(Read(Path("README.bak")), "second");
  EXPECT_EQ(Read(Path("notes.bak.bak")), "<missing>");
}

TEST_F(DocumentTest, WriteProtectedFilesAskBeforeOpeningAndFailAtTheSave) {
  Write(Path("locked.txt"), "kept");
  SetFileAttributesA(Path("locked.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  {
    BoxRecorder no({kButtonNo});
    EXPECT_EQ(OpenDocumentWindow(frameWindow, Path("locked.txt").c_str(), false), nullptr);
    EXPECT_NE(no.only().text.find("Would you like to open it as Read-Only?"), std::string::npos);
  }
  BoxRecorder yes({kButtonYes});
  HWND viewed = OpenDocumentWindow(frameWindow, Path("locked.txt").c_str(), false);
  ASSERT_NE(viewed, nullptr);
  EXPECT_EQ(Slot(viewed, kSlotReadOnly), 1);

  // Made read-only after opening: the save fails at the create step and nothing changes.
  HWND document = OpenNew("later.txt", "before");
  SetFileAttributesA(Path("later.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  Type(document, "x");
  BoxRecorder failure;
  Command(document, ID_FILE_SAVE);
  EXPECT_NE(failure.only().text.find("Error detected creating this disk file\r\rCode 5"), std::string::npos);
  EXPECT_EQ(Read(Path("later.txt")), "before");
  EXPECT_EQ(Slot(document, kSlotModified), 1);
}

// Another program holds the file open without sharing: the save fails before the file is
// touched, and the document keeps its changes.
TEST_F(DocumentTest, SaveThatFailsLeavesTheFileAndItsBackupAsTheyWere) {
  editorState.Backup = 1;
  Write(Path("held.bak"), "old backup");
  HWND document = OpenNew("held.txt", "on disk");
  Type(document, "x");
  HANDLE held = CreateFileA(Path("held.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  BoxRecorder boxes;
  Command(document, ID_FILE_SAVE);
  CloseHandle(held);
  EXPECT_NE(boxes.only().text.find("Error detected creating this disk file"), std::string::npos);
  EXPECT_EQ(Read(Path("held.txt")), "on disk");
  EXPECT_EQ(Read(Path("held.bak")), "old backup");
  EXPECT_EQ(Slot(document, kSlotModified), 1);
  EXPECT_EQ(Title(document), Path("held.txt") + "*");
  WIN32_FIND_DATAA found;
  HANDLE leftover = FindFirstFileA(Path("~ql*").c_str(), &found);
  EXPECT_EQ(leftover, INVALID_HANDLE_VALUE) << "temporary file left behind";
  if (leftover != INVALID_HANDLE_VALUE) FindClose(leftover);
}

TEST_F(DocumentTest, FileWithZeroBytesOpensForViewingOnly) {
  HWND document = OpenNew("zero.bin", std::string("text\0rest", 9));
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(Text(document), "text");
  EXPECT_EQ(Slot(document, kSlotReadOnly), 1);
  EXPECT_NE(Status().find("zero bytes"), std::string::npos);
  Command(document, ID_EDIT_READ_ONLY);  // the file is writable, but the text is not all of it
  EXPECT_EQ(Slot(document, kSlotReadOnly), 1);
}

TEST_F(DocumentTest, SaveAsUnixWritesLineFeedsAndKeepsCrLfInMemory) {
  HWND document = OpenNew("windows.txt", "a\r\nb\r\n");
  AnswerFileDialogs({Path("unix.txt")}, 3);
  Command(document, ID_FILE_SAVE_AS);
  EXPECT_EQ(Read(Path("unix.txt")), "a\nb\n");
  EXPECT_EQ(Read(Path("windows.txt")), "a\r\nb\r\n");
  EXPECT_EQ(Text(document), "a\r\nb\r\n");
  EXPECT_EQ(Title(document), Path("unix.txt"));
  EXPECT_EQ(Slot(document, kSlotLineEnd), kUnixLineEnds);

  // A Save As that fails leaves the document named and typed as it was.
  Write(Path("protected.txt"), "x");
  SetFileAttributesA(Path("protected.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  AnswerFileDialogs({Path("protected.txt")}, 2);
  BoxRecorder failure;
  Command(document, ID_FILE_SAVE_AS);
  EXPECT_EQ(failure.boxes().size(), 1u);
  EXPECT_EQ(Title(document), Path("unix.txt"));
  EXPECT_EQ(Slot(document, kSlotLineEnd), kUnixLineEnds);
}

TEST_F(DocumentTest, InsertingAUnixFileIntoAMacintoshDocument) {
  HWND document = OpenNew("mac.txt", "top\rend\r");
  Write(Path("unix.txt"), "one\ntwo\n");
  CHARRANGE afterTop = {5, 5};
  SendMessageA(GetDocumentEdit(document), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&afterTop));
  AnswerFileDialogs({Path("unix.txt")});
  Command(document, ID_EDIT_INSERT_FILE);
  EXPECT_EQ(Text(document), "top\r\none\r\ntwo\r\nend\r\n");
  EXPECT_EQ(Slot(document, kSlotLineEnd), kMacintoshLineEnds);
  EXPECT_EQ(Slot(document, kSlotModified), 1);
  Command(document, ID_FILE_SAVE);
  EXPECT_EQ(Read(Path("mac.txt")), "top\rone\rtwo\rend\r");
}

TEST_F(DocumentTest, SaveSelectionWritesTheSelectedTextOnly) {
  HWND document = OpenNew("whole.txt", "one\ntwo\n");
  Command(document, ID_EDIT_SAVE_SELECTION);  // nothing selected: only a beep
  EXPECT_EQ(fileDialogs_, 0);
  AnswerFileDialogs({Path("part.txt")});
  CHARRANGE firstLine = {0, 5};
  SendMessageA(GetDocumentEdit(document), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&firstLine));
  Command(document, ID_EDIT_SAVE_SELECTION);
  EXPECT_EQ(Read(Path("part.txt")), "one\r\n");  // the in-memory line ends
  EXPECT_EQ(Title(document), Path("whole.txt"));
}

TEST_F(DocumentTest, RefreshAndDiscardReadTheFileAgain) {
  HWND document = OpenNew("changing.txt", "first");
  Write(Path("changing.txt"), "second");
  Command(document, ID_VIEW_REFRESH);
  EXPECT_EQ(Text(document), "second");
  Type(document, "typed ");
  {
    BoxRecorder keep({kButtonNo});
    Command(document, ID_FILE_DISCARD);
  }
  EXPECT_EQ(Slot(document, kSlotModified), 1);
  BoxRecorder discard({kButtonYes});
  Command(document, ID_FILE_DISCARD);
  EXPECT_EQ(Text(document), "second");
  EXPECT_EQ(Slot(document, kSlotModified), 0);
  EXPECT_EQ(Title(document), Path("changing.txt"));
}

TEST_F(DocumentTest, OpenWithSeveralFilesOpensEachOnceWithTheReadOnlyChoice) {
  Write(Path("a.txt"), "a");
  Write(Path("b.txt"), "b");
  HWND already = OpenDocumentWindow(frameWindow, Path("a.txt").c_str(), false);
  AnswerFileDialogs({folder_, "a.txt", "b.txt"}, 1, true);
  SendMessageA(frameWindow, WM_COMMAND, ID_FILE_OPEN, 0);
  const std::vector<HWND> documents = DocumentWindows();
  ASSERT_EQ(documents.size(), 2u);
  HWND b = documents[0] == already ? documents[1] : documents[0];
  EXPECT_EQ(Title(b), Path("b.txt"));
  EXPECT_EQ(Slot(b, kSlotReadOnly), 1);
  EXPECT_EQ(Slot(already, kSlotReadOnly), 0);
}

TEST_F(DocumentTest, SaveAllSavesEveryModifiedDocument) {
  HWND first = OpenNew("first.txt", "1");
  HWND second = OpenNew("second.txt", "2");
  Type(first, "a");
  Type(second, "b");
  SendMessageA(frameWindow, WM_COMMAND, ID_FILE_SAVE_ALL, 0);
  EXPECT_EQ(Read(Path("first.txt")), "a1");
  EXPECT_EQ(Read(Path("second.txt")), "b2");
}

}  // namespace
