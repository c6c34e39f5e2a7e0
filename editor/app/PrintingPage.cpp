// The Printing page of the options sheet: header, footer and the paper margins.
#include <windows.h>

#include <cstdio>

#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/PageSetup.h"
#include "editor/app/StatusBar.h"
#include "editor/support/EditorSupport.h"
#include "editor/support/core/MarginText.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;  // the support library serves the whole application

namespace {

constexpr unsigned kPrintingHelpTopic = 900;
constexpr int kTextLimit = 255;
constexpr const char* kPageSetupErrorTitle = "Page Setup Error";

// clang-format off
const DialogControl kPageControls[] = {
  {kSunkenBitmapStyle, 7,   7,   104, 159, kNoControlId, kStaticClass, "#1999"},
  {kStaticLeftStyle,   120, 7,   190, 8,   kNoControlId, kStaticClass,
   "Specify the header and footer to be printed on each page."},
  {kStaticLeftStyle,   122, 22,  25,  8,   kNoControlId, kStaticClass, "&Header"},
  {kEditFieldStyle,    150, 20,  160, 12,  IDC_PRINTING_HEADER, kEditClass, ""},
  {kCheckBoxStyle,     155, 35,  55,  9,   IDC_PRINTING_PRINT_HEADER, kButtonClass, "&Print Header"},
  {kCheckBoxStyle,     220, 35,  60,  9,   IDC_PRINTING_CENTER_HEADER, kButtonClass, "&Center Header"},
  {kStaticLeftStyle,   122, 51,  25,  8,   kNoControlId, kStaticClass, "&Footer"},
  {kEditFieldStyle,    150, 50,  160, 12,  IDC_PRINTING_FOOTER, kEditClass, ""},
  {kCheckBoxStyle,     155, 65,  55,  9,   IDC_PRINTING_PRINT_FOOTER, kButtonClass, "Print F&ooter"},
  {kCheckBoxStyle,     220, 65,  60,  9,   IDC_PRINTING_CENTER_FOOTER, kButtonClass, "Ce&nter Footer"},
  {kEtchedLineStyle,   118, 77,  195, 1,   kNoControlId, kStaticClass, ""},
  {kStaticLeftStyle,   120, 80,  168, 16,  kNoControlId, kStaticClass,
   "Use the following text macros to insert file information\rin the headers and footers printed on each page:"},
  {kStaticLeftStyle,   154, 99,  51,  8,   kNoControlId, kStaticClass, "$F = File Name"},
  {kStaticLeftStyle,   154, 110, 61,  8,   kNoControlId, kStaticClass, "$P = Page Number"},
  {kStaticLeftStyle,   230, 99,  58,  8,   kNoControlId, kStaticClass, "$D = Current Date"},
  {kStaticLeftStyle,   230, 110, 58,  8,   kNoControlId, kStaticClass, "$T = Current Time"},
  {kEtchedLineStyle,   118, 121, 195, 1,   kNoControlId, kStaticClass, ""},
  {kStaticLeftStyle,   120, 126, 190, 8,   kNoControlId, kStaticClass,
   "Specify the paper margins for printed text file pages."},
  {kStaticIconStyle,   121, 141, 18,  20,  kNoControlId, kStaticClass, "#2720"},
  {kStaticLeftStyle,   154, 140, 13,  8,   kNoControlId, kStaticClass, "&Left"},
  {kEditFieldStyle,    175, 138, 30,  12,  IDC_PRINTING_LEFT_MARGIN, kEditClass, ""},
  {kStaticLeftStyle,   154, 155, 18,  8,   kNoControlId, kStaticClass, "&Right"},
  {kEditFieldStyle,    175, 153, 30,  12,  IDC_PRINTING_RIGHT_MARGIN, kEditClass, ""},
  {kStaticLeftStyle,   220, 140, 14,  8,   kNoControlId, kStaticClass, "&Top"},
  {kEditFieldStyle,    245, 138, 30,  12,  IDC_PRINTING_TOP_MARGIN, kEditClass, ""},
  {kStaticLeftStyle,   220, 155, 23,  8,   kNoControlId, kStaticClass, "&Bottom"},
  {kEditFieldStyle,    245, 153, 30,  12,  IDC_PRINTING_BOTTOM_MARGIN, kEditClass, ""},
};

// One printed line of the page: its edit, its two check boxes, the record's fields and what the
// user is told when it is printed but empty.
struct BandControls {
  int edit, print, centre;
  char (PageSetup::*text)[kPathLength];
  std::int32_t PageSetup::*printFlag;
  std::int32_t PageSetup::*centreFlag;
  const char* emptyMessage;
};
const BandControls kBands[] = {
  {IDC_PRINTING_HEADER, IDC_PRINTING_PRINT_HEADER, IDC_PRINTING_CENTER_HEADER,
   &PageSetup::header, &PageSetup::showHeader, &PageSetup::centerHeader,
   "\r\rPlease specify the header text to be printed\ror uncheck the Print Header checkbox"},
  {IDC_PRINTING_FOOTER, IDC_PRINTING_PRINT_FOOTER, IDC_PRINTING_CENTER_FOOTER,
   &PageSetup::footer, &PageSetup::showFooter, &PageSetup::centerFooter,
   "\r\rPlease specify the footer text to be printed\ror uncheck the Print Footer checkbox"},
};

struct MarginControl {
  int control;
  std::int32_t PageSetup::*field;
};
const MarginControl kMargins[] = {
  {IDC_PRINTING_TOP_MARGIN, &PageSetup::topMargin},     {IDC_PRINTING_LEFT_MARGIN, &PageSetup::leftMargin},
  {IDC_PRINTING_BOTTOM_MARGIN, &PageSetup::bottomMargin}, {IDC_PRINTING_RIGHT_MARGIN, &PageSetup::rightMargin},
};
// clang-format on

bool Checked(HWND page, int control) { return IsDlgButtonChecked(page, control) == BST_CHECKED; }

std::int32_t ReadMargin(HWND page, int control) {
  char text[257] = "";
  GetDlgItemTextA(page, control, text, sizeof text);
  return ParseMargin(text);
}

void SetResult(HWND page, LONG_PTR result) { SetWindowLongPtrA(page, DWLP_MSGRESULT, result); }

INT_PTR Notify(HWND page, OptionsSheetSession& session, const NMHDR& header) {
  PageSetup& setup = session.copy->pageSetup;
  switch (header.code) {
    case PSN_SETACTIVE:
      PrintingPageInit(page, setup);
      ScheduleSheetDriver(page, session);
      SetResult(page, 0);
      return TRUE;
    case PSN_KILLACTIVE:
      SetResult(page, PrintingPageRead(page, setup) ? FALSE : TRUE);
      return TRUE;
    case PSN_APPLY:
      if (!PrintingPageRead(page, setup)) {
        SetResult(page, PSNRET_INVALID_NOCHANGEPAGE);
        return TRUE;
      }
      session.accepted = true;
      SetResult(page, PSNRET_NOERROR);
      return TRUE;
    case PSN_HELP:
      ShowHelpTopic(kPrintingHelpTopic);
      return TRUE;
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK PrintingPageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
  try {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
      return TRUE;
    }
    auto* session = reinterpret_cast<OptionsSheetSession*>(GetWindowLongPtrA(page, DWLP_USER));
    if (!session) return FALSE;
    if (message == WM_NOTIFY) return Notify(page, *session, *reinterpret_cast<const NMHDR*>(lParam));
    return RunSheetDriver(page, message) ? TRUE : FALSE;
  } catch (...) {
    return FALSE;
  }
}

}  // namespace

void PrintingPageInit(HWND page, const PageSetup& setup) {
  ShowStatus(ID_FILE_PAGE_SETUP);
  for (const BandControls& band : kBands) {
    SendDlgItemMessageA(page, band.edit, EM_LIMITTEXT, kTextLimit, 0);
    SetDlgItemTextA(page, band.edit, setup.*band.text);
    CheckDlgButton(page, band.print, setup.*band.printFlag ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(page, band.centre, setup.*band.centreFlag ? BST_CHECKED : BST_UNCHECKED);
  }
  for (const MarginControl& margin : kMargins) SetDlgItemTextA(page, margin.control, FormatMargin(setup.*margin.field).c_str());
  PlaceAtStoredPosition(GetParent(page), setup.position, kSheetMargin);
}

bool PrintingPageRead(HWND page, PageSetup& setup) {
  for (const BandControls& band : kBands) {
    setup.*band.printFlag = Checked(page, band.print) ? 1 : 0;
    setup.*band.centreFlag = Checked(page, band.centre) ? 1 : 0;
    char text[kPathLength] = "";
    GetDlgItemTextA(page, band.edit, text, sizeof text);
    if (setup.*band.printFlag && text[0] == '\0') {
      InfoBoxText(page, kPageSetupErrorTitle, band.emptyMessage);
      SelectDlgEdit(page, band.edit, setup.*band.text);
      return false;
    }
    std::snprintf(setup.*band.text, kPathLength, "%s", text);
  }
  for (const MarginControl& margin : kMargins) setup.*margin.field = ReadMargin(page, margin.control);
  StoreWindowPosition(GetParent(page), setup.position);
  return true;
}

TemplateBlock BuildPrintingPageTemplate() {
  return BuildPageTemplate({kDialogPageStyle, 0, 0, 320, 172, "Printing", 8, "MS Sans Serif"}, kPageControls);
}

bool BuildPrintingPage(OptionsSheetSession& session, PROPSHEETPAGEA& page) {
  // An empty template: the user has been told; the sheet opens without the page.
  return BuildMemoryPage(session, BuildPrintingPageTemplate(), PrintingPageProc, page);
}

}  // namespace editor
