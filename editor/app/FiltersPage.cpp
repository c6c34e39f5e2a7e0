// The Filters page. The two lists hold one entry per filled filter slot, in slot order; each
// entry carries its slot number as item data, so that reading the page back puts every filter
// into the slot it came from, whatever empty slots lie between.
#include "editor/app/FiltersPage.h"

#include <cstring>
#include <string>

#include "editor/app/core/FilterSlots.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"

namespace editor {

namespace {

// The entry selected when the page last showed; selected again when it shows next.
int rememberedIndex = 0;

LRESULT SendItem(HWND page, int control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendDlgItemMessageA(page, control, message, wParam, lParam);
}

int EntryCount(HWND page) { return static_cast<int>(SendItem(page, IDC_FILTERS_DESCRIPTIONS, CB_GETCOUNT)); }

std::string EntryText(HWND page, int control, int index) {
  const LRESULT length = SendItem(page, control, CB_GETLBTEXTLEN, index);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendItem(page, control, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

std::string TypedText(HWND page, int control) {
  char text[kPathLength] = "";
  GetDlgItemTextA(page, control, text, sizeof text);
  return text;
}

void AddEntry(HWND page, int control, const std::string& text, int slot) {
  const LRESULT index = SendItem(page, control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (index >= 0) SendItem(page, control, CB_SETITEMDATA, static_cast<WPARAM>(index), slot);
}

void ReplaceEntry(HWND page, int control, int index, const std::string& text) {
  const LRESULT slot = SendItem(page, control, CB_GETITEMDATA, index);
  SendItem(page, control, CB_DELETESTRING, index);
  SendItem(page, control, CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str()));
  SendItem(page, control, CB_SETITEMDATA, index, slot);
}

// Selects the entry in both lists; nothing typed is pending any more.
void SelectEntry(HWND page, int index) {
  SendItem(page, IDC_FILTERS_DESCRIPTIONS, CB_SETCURSEL, index);
  SendItem(page, IDC_FILTERS_EXTENSIONS, CB_SETCURSEL, index);
  rememberedIndex = index;
  support::EnableDlgItem(page, IDC_FILTERS_ACCEPT_DESCRIPTION, false);
  support::EnableDlgItem(page, IDC_FILTERS_ACCEPT_EXTENSIONS, false);
}

void FillFiltersPage(HWND page, const EditorState& copy) {
  SendItem(page, IDC_FILTERS_DESCRIPTIONS, CB_RESETCONTENT);
  SendItem(page, IDC_FILTERS_EXTENSIONS, CB_RESETCONTENT);
  SendItem(page, IDC_FILTERS_DESCRIPTIONS, CB_LIMITTEXT, kFilterDescriptionLimit);
  SendItem(page, IDC_FILTERS_EXTENSIONS, CB_LIMITTEXT, kFilterPatternsLimit);
  for (int slot = 0; slot < kListSlots; ++slot) {
    if (!copy.fileFilters[slot][0]) continue;
    const FilterParts parts = SplitFilterSlot(std::string(copy.fileFilters[slot], strnlen(copy.fileFilters[slot], kPathLength)));
    AddEntry(page, IDC_FILTERS_DESCRIPTIONS, parts.description, slot);
    AddEntry(page, IDC_FILTERS_EXTENSIONS, parts.patterns, slot);
  }
  const int count = EntryCount(page);
  SelectEntry(page, rememberedIndex < count ? rememberedIndex : 0);
}

bool ReadFiltersPage(HWND page, EditorState& copy) {
  const int count = EntryCount(page);
  for (int index = 0; index < count; ++index) {
    const LRESULT slot = SendItem(page, IDC_FILTERS_DESCRIPTIONS, CB_GETITEMDATA, index);
    if (slot < 0 || slot >= kListSlots) continue;
    const std::string joined = JoinFilterSlot(EntryText(page, IDC_FILTERS_DESCRIPTIONS, index),
                                              EntryText(page, IDC_FILTERS_EXTENSIONS, index));
    support::CopyText(copy.fileFilters[slot], kPathLength, joined.c_str());
  }
  return true;
}

// Accept: the typed text replaces the entry at the selected index of its list.
void AcceptTyped(HWND page, int control) {
  const bool description = control == IDC_FILTERS_DESCRIPTIONS;
  const std::string typed = TypedText(page, control);
  const int index = rememberedIndex;
  if ((description && typed.empty()) || index < 0 || index >= EntryCount(page)) {
    support::WarningBeep();
    return;
  }
  ReplaceEntry(page, control, index, description ? CleanFilterDescription(typed) : CleanFilterPatterns(typed));
  // Only this list shows its new entry: what is typed in the other one stays for its own Accept.
  SendItem(page, control, CB_SETCURSEL, index);
  support::EnableDlgItem(page, description ? IDC_FILTERS_ACCEPT_DESCRIPTION : IDC_FILTERS_ACCEPT_EXTENSIONS, false);
}

void RestoreDefaults(HWND page, EditorState& copy) {
  for (int slot = 0; slot < kListSlots; ++slot) {
    support::GetString(support::TextBuffer(copy.fileFilters[slot], kPathLength), IDS_FILTER_DEFAULT_FIRST + slot);
  }
  FillFiltersPage(page, copy);
}

INT_PTR FiltersCommand(HWND page, WPARAM wParam, EditorState& copy) {
  const int control = LOWORD(wParam);
  const int code = HIWORD(wParam);
  switch (control) {
    case IDC_FILTERS_DESCRIPTIONS:
    case IDC_FILTERS_EXTENSIONS:
      if (code == CBN_SELCHANGE) {
        const int index = static_cast<int>(SendItem(page, control, CB_GETCURSEL));
        if (index >= 0) SelectEntry(page, index);
      } else if (code == CBN_EDITCHANGE) {
        support::EnableDlgItem(page, control == IDC_FILTERS_DESCRIPTIONS ? IDC_FILTERS_ACCEPT_DESCRIPTION : IDC_FILTERS_ACCEPT_EXTENSIONS, true);
      }
      return TRUE;
    case IDC_FILTERS_ACCEPT_DESCRIPTION:
      AcceptTyped(page, IDC_FILTERS_DESCRIPTIONS);
      return TRUE;
    case IDC_FILTERS_ACCEPT_EXTENSIONS:
      AcceptTyped(page, IDC_FILTERS_EXTENSIONS);
      return TRUE;
    case IDC_FILTERS_DEFAULTS:
      RestoreDefaults(page, copy);
      return TRUE;
    default:
      return FALSE;
  }
}

const ResourcePageDefinition kFiltersPageDefinition = {IDD_FILTERS_PAGE, 500, FillFiltersPage, ReadFiltersPage,
                                                       IDS_FILTERS_PAGE_STATUS, FiltersCommand};

}  // namespace

bool BuildFiltersPage(OptionsSheetSession& session, PROPSHEETPAGEA& page) {
  return BuildResourcePage(session, kFiltersPageDefinition, page);
}

}  // namespace editor
