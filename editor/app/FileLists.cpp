// The recent files, indirect file lists and the SysEdit autoload, and the services that plug
// them into the frame.
#include "editor/app/FileLists.h"

#include <cerrno>
#include <cstdio>
#include <new>
#include <string>
#include <unordered_set>
#include <vector>

#include "editor/app/DocumentSlots.h"
#include "editor/app/Documents.h"
#include "editor/app/EditorState.h"
#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/StatusBar.h"
#include "editor/app/core/FileList.h"
#include "editor/app/core/RecentFiles.h"
#include "editor/support/EditorSupport.h"
#include "editor/support/FileDialogs.h"
#include "editor/support/FileWriter.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;  // the support library serves the whole application

int listCounter = 0;

namespace {

// The list file last chosen with Open a List, for the next dialog to start from.
char rememberedListName[kFileNameBuffer] = "";

bool IsExistingFile(const char* path) {
  if (!path || !*path) return false;
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Whether a document of that name is open, asked without bringing it up.
bool IsDocumentOpen(const char* name) {
  for (HWND document : DocumentWindows()) {
    if (lstrcmpiA(DocumentName(document).c_str(), name) == 0) return true;
  }
  return false;
}

// The names of the open documents in one letter case: a list of hundreds of files asks about
// each of its names, and walking every document window for each would cost the square.
class OpenDocumentNames {
 public:
  OpenDocumentNames() {
    for (HWND document : DocumentWindows()) Add(DocumentName(document));
  }
  bool Contains(const std::string& name) const { return names_.count(Key(name)) != 0; }
  void Add(const std::string& name) { names_.insert(Key(name)); }

 private:
  static std::string Key(std::string name) {
    if (!name.empty()) CharUpperBuffA(&name[0], static_cast<DWORD>(name.size()));
    return name;
  }
  std::unordered_set<std::string> names_;
};

// Sets bulkOperation for one scope; the menu is brought up to date once at the end.
class BulkOperation {
 public:
  BulkOperation() { bulkOperation = true; }
  ~BulkOperation() {
    bulkOperation = false;
    UpdateCommandState();
  }
  BulkOperation(const BulkOperation&) = delete;
  BulkOperation& operator=(const BulkOperation&) = delete;
};

// Holds back the client window's drawing while many documents open (each new document would be
// drawn and then covered by the next); everything is drawn once at the end, and the focus goes
// to the active document.
class HeldDrawing {
 public:
  HeldDrawing() { SendMessageA(mdiClient, WM_SETREDRAW, FALSE, 0); }
  ~HeldDrawing() {
    SendMessageA(mdiClient, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(mdiClient, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    if (activeEdit) SetFocus(activeEdit);
  }
  HeldDrawing(const HeldDrawing&) = delete;
  HeldDrawing& operator=(const HeldDrawing&) = delete;
};

// Documents that open maximised are opened as ordinary windows and only the last is maximised,
// once, at the end. For each maximised document that opens, Wine restores the one before it and
// redoes the frame's menu bar, which costs five to ten times the document itself; the windows end
// in the same state, with the same sizes to restore to.
class MaximisedAtTheEnd {
 public:
  MaximisedAtTheEnd() : maximised_(editorState.openMaximised != 0) {
    if (!maximised_) return;
    BOOL zoomed = FALSE;
    const auto active = reinterpret_cast<HWND>(SendMessageA(mdiClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&zoomed)));
    if (active && zoomed) SendMessageA(mdiClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(active), 0);
    editorState.openMaximised = 0;
  }
  ~MaximisedAtTheEnd() {
    if (!maximised_) return;
    const auto active = reinterpret_cast<HWND>(SendMessageA(mdiClient, WM_MDIGETACTIVE, 0, 0));
    if (active) SendMessageA(mdiClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(active), 0);
    editorState.openMaximised = 1;
  }
  MaximisedAtTheEnd(const MaximisedAtTheEnd&) = delete;
  MaximisedAtTheEnd& operator=(const MaximisedAtTheEnd&) = delete;

 private:
  bool maximised_;
};

// The whole content of a list file, or the failure's box (file not found, or the runtime's
// error number for any other cause).
bool ReadListFile(const char* listName, std::string& content) {
  FILE* file = std::fopen(listName, "rb");
  if (!file) {
    const int code = errno;
    if (code == ENOENT) InfoBox(frameWindow, IDS_PROGRAM_NAME, MSG_FILE_NOT_FOUND, listName);
    else InfoBox(frameWindow, IDS_PROGRAM_NAME, IDS_LIST_OPEN_FAILED, listName, code);
    return false;
  }
  char piece[4096];
  std::size_t got = 0;
  while ((got = std::fread(piece, 1, sizeof piece, file)) > 0) content.append(piece, got);
  std::fclose(file);
  return true;
}

// The names of the open documents, most recently active first, or the refusal naming the first
// one that was never saved.
bool CollectDocumentNames(std::vector<std::string>& names) {
  for (HWND document : DocumentWindows()) {
    const std::string name = DocumentName(document);
    if (!GetDocumentSlot(document, kSlotHasFile)) {
      InfoBox(frameWindow, IDS_PROGRAM_NAME, IDS_LIST_UNSAVED_DOCUMENT, name);
      return false;
    }
    names.push_back(name);
  }
  return true;
}

// A new untitled document holding `text`, caret at the start, marked modified.
HWND OpenListDocument(const std::string& text) {
  HWND document = OpenDocumentWindow(frameWindow, nullptr, false);
  if (!document) return nullptr;
  HWND edit = GetDocumentEdit(document);
  SetDocumentText(edit, text);
  Select(edit, 0, 0);
  SendMessageA(edit, EM_SCROLLCARET, 0, 0);
  MarkModified(document, true);
  return document;
}

}  // namespace

// The menu shows the change at its next command-state update (opening the menu is one).
void AddRecentFile(const char* name) { AddRecentFile(editorState.recentFiles, name); }

void OpenRecentFile(int index) {
  if (index < 0 || index >= kListSlots) return;
  const std::string name = editorState.recentFiles[index];
  if (name.empty()) return;
  if (FindOpenDocument(name.c_str())) return;
  if (IsExistingFile(name.c_str())) {
    OpenDocumentWindow(frameWindow, name.c_str(), false);
    return;
  }
  InfoBox(frameWindow, IDS_PROGRAM_NAME, IDS_RECENT_FILE_MISSING, name);
  RemoveRecentFile(editorState.recentFiles, index);
}

bool OpenListFile(const char* listName) {
  std::string content;
  if (!ReadListFile(listName ? listName : "", content)) {
    editorState.listFlag = 0;
    return false;
  }
  {
    BulkOperation bulk;
    HeldDrawing held;
    MaximisedAtTheEnd maximised;
    OpenDocumentNames open;
    for (const std::string& name : ParseFileList(content)) {
      if (!IsExistingFile(name.c_str())) continue;
      if (open.Contains(name)) FindOpenDocument(name.c_str());
      else if (OpenDocumentWindow(frameWindow, name.c_str(), false)) open.Add(name);
    }
  }
  editorState.listFlag = 0;
  return true;
}

bool OpenFileList() {
  ShowStatus(ID_WINDOWS_OPEN_LIST);
  char path[kFileNameBuffer];
  CopyText(path, sizeof path, rememberedListName);
  if (!ChooseFileDialog(frameWindow, path, IDS_LIST_FILTER, IDS_LIST_OPEN_TITLE, nullptr)) return false;
  CopyText(rememberedListName, sizeof rememberedListName, path);
  CopyText(editorState.currentFileName, sizeof editorState.currentFileName, path);
  editorState.listFlag = 1;
  return OpenListFile(editorState.currentFileName);
}

bool BuildFileList() {
  ShowStatus(ID_WINDOWS_BUILD_LIST);
  std::vector<std::string> names;
  std::string text;
  try {
    if (!CollectDocumentNames(names)) return false;
    text = BuildFileListText(names);
  } catch (const std::bad_alloc&) {
    InfoBox(frameWindow, IDS_PROGRAM_NAME, MSG_CANNOT_ALLOCATE, "text buffer", names.size() * kPathLength);
    return false;
  }
  HWND document = OpenListDocument(text);
  if (!document) return false;
  char path[kFileNameBuffer] = "";
  FormatStringById(path, IDS_LIST_NAME, ++listCounter);
  if (!SaveListDialog(frameWindow, path, IDS_LIST_FILTER, IDS_LIST_SAVE_TITLE, IDS_LIST_EXTENSION)) return false;
  if (!WriteFileData(frameWindow, path, nullptr, 0)) return false;
  SetDocumentTitle(document, path, true);
  if (!WriteDocumentFile(document)) return false;
  AddRecentFile(path);
  return true;
}

void OpenSysEditFiles() {
  {
    BulkOperation bulk;
    autoloadRunning = true;
    for (const char* name : editorState.sysEditFiles) {
      if (!*name || !IsExistingFile(name) || IsDocumentOpen(name)) continue;
      OpenDocumentWindow(frameWindow, name, false);
    }
    autoloadRunning = false;
  }
  editorState.sysEditSwitch = 0;
}

void InstallFileListServices() {
  DocumentServices services = GetDocumentServices();
  services.addRecentFile = [](const char* path) { AddRecentFile(path); };
  services.openFileList = [](const char* listName) { OpenListFile(listName); };
  services.openSysEditFiles = OpenSysEditFiles;
  auto others = services.frameCommand;
  services.frameCommand = [others](unsigned id) {
    if (id >= ID_FILE_RECENT_FIRST && id <= ID_FILE_RECENT_LAST) OpenRecentFile(static_cast<int>(id - ID_FILE_RECENT_FIRST));
    else if (id == ID_WINDOWS_OPEN_LIST) OpenFileList();
    else if (id == ID_WINDOWS_BUILD_LIST) BuildFileList();
    else if (others) others(id);
  };
  SetDocumentServices(services);
}

}  // namespace editor
