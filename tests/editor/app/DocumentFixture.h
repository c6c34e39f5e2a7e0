// One real frame with the documents and files plugged in, a fresh folder of files for each
// test, and the file dialogs answered through their seam.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "editor/app/DocumentSlots.h"
#include "editor/app/Documents.h"
#include "editor/app/EditorState.h"
#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/core/LineEnds.h"
#include "editor/support/EditorSupport.h"
#include "editor/support/FileDialogs.h"
#include "tests/editor/app/AppTestSupport.h"
#include "tests/editor/support/BoxRecorder.h"
#include "tests/support/Messages.h"

class DocumentTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    RemoveTestSettings();
    support::SetSettingsRoot(TestSettingsRoot().c_str());
    editor::LoadSettings();
    editor::SetDocumentServices(editor::DocumentServices());
    editor::InstallDocumentServices();
    editor::editorState.NewDoc = 0;
    ASSERT_NE(editor::CreateFrameWindow(SW_SHOWNOACTIVATE), nullptr);
    testsupport::PumpMessages();
  }
  static void TearDownTestSuite() {
    if (editor::frameWindow) DestroyWindow(editor::frameWindow);
    testsupport::PumpMessages();
    RemoveTestSettings();
  }
  void SetUp() override {
    ASSERT_NE(editor::frameWindow, nullptr);
    editor::editorState.Backup = 0;
    editor::editorState.openMaximised = 0;
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    static int counter = 0;
    folder_ = std::string(temp) + "quillet-docs-" + std::to_string(GetCurrentProcessId()) + "-" +
              std::to_string(++counter) + "\\";
    CreateDirectoryA(folder_.c_str(), nullptr);
  }
  void TearDown() override {
    support::SetFileDialogAnswerer(nullptr);
    for (HWND document : editor::DocumentWindows()) SendMessageA(editor::mdiClient, WM_MDIDESTROY, (WPARAM)document, 0);
    testsupport::PumpMessages();
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder_ + "*").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
      const std::string path = folder_ + found.cFileName;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(path.c_str());
    }
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    RemoveDirectoryA(folder_.c_str());
  }

  std::string Path(const std::string& name) const { return folder_ + name; }
  static void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return in ? bytes.str() : "<missing>";
  }
  // A file written with `bytes` and opened in a new document.
  HWND OpenNew(const std::string& name, const std::string& bytes, bool readOnly = false) {
    Write(Path(name), bytes);
    return editor::OpenDocumentWindow(editor::frameWindow, Path(name).c_str(), readOnly);
  }
  static std::string Text(HWND document) {
    std::string text;
    editor::GetDocumentText(editor::GetDocumentEdit(document), text);
    return text;
  }
  static std::string Title(HWND document) {
    char title[1024] = "";
    GetWindowTextA(document, title, sizeof title);
    return title;
  }
  static LONG Slot(HWND document, editor::DocumentSlot slot) { return editor::GetDocumentSlot(document, slot); }
  // A command through the frame's routing, to `document` as the active one.
  static void Command(HWND document, unsigned id) {
    SendMessageA(editor::mdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(document), 0);
    SendMessageA(editor::frameWindow, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  }
  static void FrameCommand(unsigned id) { SendMessageA(editor::frameWindow, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  static std::string Status() {
    char status[512] = "";
    SendMessageA(editor::statusWindow, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(status));
    return status;
  }
  // A menu item's text as an opened menu shows it, with " (grey)" when disabled.
  static std::string MenuItem(unsigned id) {
    SendMessageA(editor::frameWindow, WM_INITMENU, reinterpret_cast<WPARAM>(GetMenu(editor::frameWindow)), 0);
    char text[512] = "";
    GetMenuStringA(GetMenu(editor::frameWindow), id, text, sizeof text, MF_BYCOMMAND);
    return std::string(text) + (GetMenuState(GetMenu(editor::frameWindow), id, MF_BYCOMMAND) & MF_GRAYED ? " (grey)" : "");
  }
  static void Type(HWND document, const char* text) {
    for (const char* c = text; *c; ++c) SendMessageA(editor::GetDocumentEdit(document), WM_CHAR, *c, 0);
  }
  // Every file dialog chooses `paths` (a folder then names for several) with filter `index` and,
  // for Open, the read-only box; the dialogs asked are counted.
  void AnswerFileDialogs(std::vector<std::string> paths, int index = 1, bool readOnly = false) {
    support::SetFileDialogAnswerer([this, paths, index, readOnly](OPENFILENAMEA& dialog, bool) {
      ++fileDialogs_;
      std::string names;
      for (const std::string& path : paths) names += path + '\0';
      names += '\0';
      if (names.size() > dialog.nMaxFile) return false;
      std::copy(names.begin(), names.end(), dialog.lpstrFile);
      dialog.nFilterIndex = static_cast<DWORD>(index);
      if (readOnly) dialog.Flags |= OFN_READONLY;
      return true;
    });
  }

  std::string folder_;
  int fileDialogs_ = 0;
};
