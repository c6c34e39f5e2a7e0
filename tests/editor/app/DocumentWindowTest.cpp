// Document windows in the real frame: names and the modified mark, the editing commands, word
// wrap, read-only mode, the maximised state, the editor's own settings file, closing, the
// context menu and the display font.
#include <windows.h>

#include <richedit.h>

#include "resources/quillet_ids.h"
#include "tests/editor/app/DocumentFixture.h"

using namespace editor;
using namespace support;

namespace {

TEST_F(DocumentTest, UntitledDocumentsCountUpAndTypingMarksThem) {
  const int before = untitledCounter;
  HWND first = OpenDocumentWindow(frameWindow, nullptr, false);
  HWND second = OpenDocumentWindow(frameWindow, "", false);
  EXPECT_EQ(Title(first), "New" + std::to_string(before + 1));
  EXPECT_EQ(Title(second), "New" + std::to_string(before + 2));
  EXPECT_EQ(activeDocument, second);
  Type(second, "x");
  EXPECT_EQ(Slot(second, kSlotModified), 1);
  EXPECT_EQ(Title(second), "New" + std::to_string(before + 2) + "*");
  EXPECT_EQ(DocumentName(second), "New" + std::to_string(before + 2));
}

TEST_F(DocumentTest, DeleteTakesACarriageReturnTogetherWithItsLineFeed) {
  HWND document = OpenNew("lines.txt", "ab\r\ncd");
  HWND edit = GetDocumentEdit(document);
  CHARRANGE beforeBreak = {2, 2};
  SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&beforeBreak));
  Command(document, ID_EDIT_DELETE);
  EXPECT_EQ(Text(document), "abcd");
  Command(document, ID_EDIT_DELETE);
  EXPECT_EQ(Text(document), "abd");
  CHARRANGE atEnd = {3, 3};
  SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&atEnd));
  Command(document, ID_EDIT_DELETE);
  EXPECT_EQ(Text(document), "abd");
}

TEST_F(DocumentTest, PasteInsertsPlainTextOnly) {
  HWND document = OpenNew("paste.txt", "");
  ASSERT_TRUE(OpenClipboard(frameWindow));
  EmptyClipboard();
  const char text[] = "plain";
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof text);
  std::memcpy(GlobalLock(memory), text, sizeof text);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  const char rich[] = "{\\rtf1 {\\b bold}}";
  HGLOBAL richMemory = GlobalAlloc(GMEM_MOVEABLE, sizeof rich);
  std::memcpy(GlobalLock(richMemory), rich, sizeof rich);
  GlobalUnlock(richMemory);
  SetClipboardData(RegisterClipboardFormatA("Rich Text Format"), richMemory);
  CloseClipboard();
  Command(document, ID_EDIT_PASTE);
  EXPECT_EQ(Text(document), "plain");
}

TEST_F(DocumentTest, DuplicateIsAModifiedUntitledCopyWithTheSameLineEnds) {
  HWND source = OpenNew("saved.txt", "one\ntwo\n");
  Command(source, ID_WINDOWS_DUPLICATE);
  HWND copy = activeDocument;
  ASSERT_NE(copy, source);
  EXPECT_EQ(Text(copy), Text(source));
  EXPECT_EQ(Title(copy).back(), '*');
  EXPECT_EQ(Title(copy).rfind("New", 0), 0u);
  EXPECT_EQ(Slot(copy, kSlotLineEnd), kUnixLineEnds);
  EXPECT_EQ(Slot(source, kSlotModified), 0);
}

TEST_F(DocumentTest, WordWrapRebuildKeepsTextMarkAndReadOnlyState) {
  HWND document = OpenNew("wrap.txt", "some text\r\nmore");
  Type(document, "x");
  SendMessageA(GetDocumentEdit(document), EM_SETREADONLY, TRUE, 0);
  SetDocumentSlot(document, kSlotReadOnly, 1);
  HWND before = GetDocumentEdit(document);
  const LONG wrapped = Slot(document, kSlotWordWrap);
  Command(document, ID_VIEW_WORD_WRAP);
  HWND after = GetDocumentEdit(document);
  EXPECT_NE(after, before);
  EXPECT_EQ(activeEdit, after);
  EXPECT_EQ(Slot(document, kSlotWordWrap), !wrapped);
  EXPECT_EQ(GetWindowLongA(after, GWL_STYLE) & WS_HSCROLL, wrapped ? WS_HSCROLL : 0);
  EXPECT_EQ(Text(document), "xsome text\r\nmore");
  EXPECT_EQ(Slot(document, kSlotModified), 1);
  EXPECT_TRUE(GetWindowLongA(after, GWL_STYLE) & ES_READONLY);
  CHARRANGE caret = {-1, -1};
  SendMessageA(after, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&caret));
  EXPECT_EQ(caret.cpMin, 0);
  EXPECT_EQ(caret.cpMax, 0);
}

TEST_F(DocumentTest, ReadOnlyDocumentsIgnoreTypingAndToggleWithTheFileAttribute) {
  HWND document = OpenNew("view.txt", "text", true);
  Type(document, "x");
  Command(document, ID_EDIT_PASTE);
  EXPECT_EQ(Text(document), "text");
  EXPECT_EQ(Slot(document, kSlotModified), 0);
  Command(document, ID_EDIT_READ_ONLY);  // writable file: set for editing
  EXPECT_EQ(Slot(document, kSlotReadOnly), 0);
  Command(document, ID_EDIT_READ_ONLY);
  EXPECT_EQ(Slot(document, kSlotReadOnly), 1);
  SetFileAttributesA(Path("view.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  BoxRecorder protectedFile;
  Command(document, ID_EDIT_READ_ONLY);
  EXPECT_NE(protectedFile.only().text.find("write-protected"), std::string::npos);
  EXPECT_EQ(Slot(document, kSlotReadOnly), 1);
}

// A read-only document that has been changed is still asked about before it goes.
TEST_F(DocumentTest, ModifiedDocumentsAreNeverClosedWithoutAsking) {
  HWND document = OpenNew("asked.txt", "text");
  Type(document, "x");
  {
    BoxRecorder cancel({kButtonCancel});
    Command(document, ID_EDIT_READ_ONLY);  // asks first: Cancel keeps it editable
    EXPECT_EQ(cancel.boxes().size(), 1u);
  }
  EXPECT_EQ(Slot(document, kSlotReadOnly), 0);
  SetDocumentSlot(document, kSlotReadOnly, 1);
  {
    BoxRecorder cancel({kButtonCancel});
    Command(document, ID_FILE_CLOSE);
    EXPECT_EQ(cancel.only().title, "File Modified");
  }
  EXPECT_TRUE(IsWindow(document));
  BoxRecorder no({kButtonNo});
  SendMessageA(document, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(document));
  EXPECT_EQ(Read(Path("asked.txt")), "text");
}

TEST_F(DocumentTest, OpeningTwiceBringsTheOpenDocumentBack) {
  HWND first = OpenNew("twice.txt", "text");
  OpenNew("other.txt", "text");
  GetDocumentServices().openFile(CharUpperA(&Path("twice.txt")[0]));
  EXPECT_EQ(DocumentWindows().size(), 2u);
  EXPECT_EQ(activeDocument, first);
}

TEST_F(DocumentTest, NewDocumentsFollowTheLastMaximisedState) {
  HWND first = OpenDocumentWindow(frameWindow, nullptr, false);
  SendMessageA(mdiClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(first), 0);
  EXPECT_EQ(editorState.openMaximised, 1);
  HWND second = OpenDocumentWindow(frameWindow, nullptr, false);
  EXPECT_TRUE(IsZoomed(second));
  SendMessageA(mdiClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(second), 0);
  EXPECT_EQ(editorState.openMaximised, 0);
  EXPECT_FALSE(IsZoomed(OpenDocumentWindow(frameWindow, nullptr, false)));
}

TEST_F(DocumentTest, TheEditorsOwnSettingsFileOpensOnlyForViewing) {
  Write(Path("quillet.ini"), "[Options]");
  char saved[sizeof iniPath];
  lstrcpyA(saved, iniPath);
  lstrcpyA(iniPath, Path("quillet.ini").c_str());
  {
    BoxRecorder no({kButtonNo});
    EXPECT_EQ(OpenDocumentWindow(frameWindow, Path("QUILLET.INI").c_str(), false), nullptr);
    EXPECT_NE(no.only().text.find("Cannot edit the active initialization file"), std::string::npos);
  }
  BoxRecorder yes({kButtonYes});
  HWND document = OpenDocumentWindow(frameWindow, Path("quillet.ini").c_str(), false);
  lstrcpyA(iniPath, saved);
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(Slot(document, kSlotReadOnly), 1);
}

TEST_F(DocumentTest, ContextMenuFollowsTheDocumentsState) {
  HWND document = OpenNew("menu.txt", "text", true);
  SendMessageA(mdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(document), 0);
  auto enabled = [](HMENU menu, UINT id) { return !(GetMenuState(GetSubMenu(menu, 0), id, MF_BYCOMMAND) & MF_GRAYED); };
  HMENU menu = BuildDocumentMenu();
  EXPECT_FALSE(enabled(menu, ID_EDIT_PASTE));
  EXPECT_FALSE(enabled(menu, ID_EDIT_COPY));
  EXPECT_TRUE(enabled(menu, ID_EDIT_SELECT_ALL));
  DestroyMenu(menu);
  Command(document, ID_EDIT_SELECT_ALL);
  menu = BuildDocumentMenu();
  EXPECT_TRUE(enabled(menu, ID_EDIT_COPY));
  EXPECT_FALSE(enabled(menu, ID_EDIT_CUT));
  DestroyMenu(menu);
}

TEST_F(DocumentTest, DisplayFontGoesToEveryDocument) {
  HWND first = OpenDocumentWindow(frameWindow, nullptr, false);
  HWND second = OpenDocumentWindow(frameWindow, nullptr, false);
  SetFontChooser([](CHOOSEFONTA& choice) {
    lstrcpyA(choice.lpLogFont->lfFaceName, "Courier New");
    choice.lpLogFont->lfHeight = -17;
    return true;
  });
  SendMessageA(frameWindow, WM_COMMAND, ID_VIEW_DISPLAY_FONT, 0);
  SetFontChooser(nullptr);
  EXPECT_EQ(DisplayFontRecord().lfHeight, -17);
  for (HWND document : {first, second}) {
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    SendMessageA(GetDocumentEdit(document), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    EXPECT_STREQ(format.szFaceName, "Courier New");
  }
}

}  // namespace
