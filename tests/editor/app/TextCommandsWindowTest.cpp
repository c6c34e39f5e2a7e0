// The text commands on a real frame and real documents: the find and replace dialogs driven by
// their buttons, the modal dialogs answered through their seam, the [Intl] texts from WIN.INI.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>
#include <richedit.h>

#include <ctime>

#include "editor/app/TextCommands.h"
#include "editor/support/IntlText.h"
#include "editor/support/WindowPlacement.h"
#include "tests/editor/app/DocumentFixture.h"

using namespace editor;

namespace {

class TextCommandTest : public DocumentTest {
 protected:
  static void SetUpTestSuite() {
    DocumentTest::SetUpTestSuite();
    InstallTextServices();
  }
  void TearDown() override {
    if (findDialog) SendMessageA(findDialog, WM_COMMAND, IDCANCEL, 0);
    testsupport::PumpMessages();
    SetEditorDialogDriver(nullptr);
    DocumentTest::TearDown();
  }
  static CHARRANGE Selection(HWND document) {
    CHARRANGE range = {};
    SendMessageA(GetDocumentEdit(document), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
  }
  static void Select(HWND document, LONG start, LONG end) {
    CHARRANGE range = {start, end};
    SendMessageA(GetDocumentEdit(document), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  }
  // The open find or replace dialog filled in and one of its buttons pressed.
  static void PressFindButton(const char* find, const char* replace, bool wholeWords, bool matchCase, int button) {
    ASSERT_NE(findDialog, nullptr);
    SetDlgItemTextA(findDialog, edt1, find);
    if (replace) SetDlgItemTextA(findDialog, edt2, replace);
    CheckDlgButton(findDialog, chx1, wholeWords ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(findDialog, chx2, matchCase ? BST_CHECKED : BST_UNCHECKED);
    SendMessageA(findDialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), (LPARAM)GetDlgItem(findDialog, button));
  }
  // The modal dialogs answered by `play`, which ends them.
  static void AnswerDialogs(std::function<void(HWND, int)> play) { SetEditorDialogDriver(std::move(play)); }
  static void Press(HWND dialog, int button) { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }
};

TEST_F(TextCommandTest, FindSearchesBelowTheCaretOnlyAndStopsAtTheLastMatch) {
  HWND document = OpenNew("find.txt", "cat one\r\ncat two\r\ncat three\r\n");
  Select(document, 4, 4);
  Command(document, ID_EDIT_FIND);
  EXPECT_EQ(Status(), "Find ''");
  PressFindButton("CAT", nullptr, false, false, IDOK);
  EXPECT_EQ(Selection(document).cpMin, 9);
  PressFindButton("CAT", nullptr, false, false, IDOK);
  EXPECT_EQ(Selection(document).cpMin, 18);
  PressFindButton("CAT", nullptr, false, false, IDOK);
  EXPECT_EQ(Status(), "Cannot find 'CAT'");
  EXPECT_EQ(Selection(document).cpMin, 18);
  EXPECT_EQ(Selection(document).cpMax, 21);
  // A second Find while the dialog is open leaves the one dialog.
  HWND open = findDialog;
  Command(document, ID_EDIT_REPLACE);
  EXPECT_EQ(findDialog, open);
}

// Each dialog opens at its own stored corner, pulled back onto the screen when that corner lies
// beyond it (with room left to grab its caption), and keeps its place when closed.
TEST_F(TextCommandTest, FindDialogsOpenAtTheirStoredPlacesInsideTheScreen) {
  HWND document = OpenNew("place.txt", "text");
  support::ReadScreenRect();
  const RECT screen = support::ScreenRect;
  editorState.findPlacement.left = 40;
  editorState.findPlacement.top = 50;
  editorState.replacePlacement.left = screen.right + 500;
  editorState.replacePlacement.top = screen.bottom + 500;
  RECT box = {};
  Command(document, ID_EDIT_FIND);
  GetWindowRect(findDialog, &box);
  EXPECT_EQ(box.left, 40);
  EXPECT_EQ(box.top, 50);
  SendMessageA(findDialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_EQ(editorState.findPlacement.left, 40);
  Command(document, ID_EDIT_REPLACE);
  GetWindowRect(findDialog, &box);
  EXPECT_GE(screen.right - box.left, 70);
  EXPECT_GE(screen.bottom - box.top, 70);
}

struct ReplaceCase {
  const char* text;
  const char* find;
  const char* replacement;
  bool wholeWords, matchCase;
  const char* expected;
  const char* status;
};

TEST_F(TextCommandTest, ReplaceAllThroughTheDialog) {
  // clang-format off
  const ReplaceCase cases[] = {
    {"aaa",             "a",   "aa",  false, false, "aaaaaa",          "Replaced 'a' with 'aa' 3 times"},
    {"xa",              "a",   "aa",  false, false, "xaa",             "Replaced 'a' with 'aa' 1 time"},
    {"bcd",             "z",   "y",   false, false, "bcd",             "Cannot find 'z'"},
    {"cat catalog Cat", "cat", "dog", true,  false, "dog catalog dog", "Replaced 'cat' with 'dog' 2 times"},
    {"Cat cat",         "Cat", "X",   false, true,  "X cat",           "Replaced 'Cat' with 'X' 1 time"},
  };
  // clang-format on
  for (const ReplaceCase& c : cases) {
    SCOPED_TRACE(c.text);
    HWND document = OpenNew("replace.txt", c.text);
    Command(document, ID_EDIT_REPLACE);
    PressFindButton(c.find, c.replacement, c.wholeWords, c.matchCase, psh2);
    EXPECT_EQ(Text(document), c.expected);
    EXPECT_EQ(Status(), c.status);
    EXPECT_EQ(Slot(document, kSlotModified), std::string(c.text) != c.expected ? 1 : 0);
    SendMessageA(findDialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(findDialog, nullptr);
    SendMessageA(mdiClient, WM_MDIDESTROY, (WPARAM)document, 0);
  }
}

// The one pass gives what the specified loop (search, replace, search again) gives in the
// control, for the search options and texts with accents, digits, punctuation and line ends.
TEST_F(TextCommandTest, ReplaceAllMatchesTheControlsOwnLoop) {
  const char* texts[] = {"Ab ab_ab \xC9t\xE9 \xE9T\xC9 ab1 1ab ab-ab\r\nAB.ab\r\n\r\n", "abab ab\xE9" "ab ab"};
  const char* finds[] = {"ab", "\xE9t\xE9", "b", "ab ab", "-"};
  for (const char* text : texts) {
    for (const char* find : finds) {
      for (int options = 0; options < 4; ++options) {
        SCOPED_TRACE(std::string(find) + " options " + std::to_string(options));
        std::snprintf(editorState.findText, sizeof editorState.findText, "%s", find);
        std::snprintf(editorState.replaceText, sizeof editorState.replaceText, "<%s>", find);
        editorState.MatchCase = options & 1;
        editorState.WholeWords = (options >> 1) & 1;
        HWND looped = OpenNew("loop.txt", text);
        HWND edit = GetDocumentEdit(looped);
        Select(looped, 0, 0);
        int count = FindNext(edit) ? 1 : 0;
        while (count > 0 && ReplaceOne(edit)) ++count;
        HWND onePass = OpenNew("pass.txt", text);
        EXPECT_EQ(ReplaceAll(GetDocumentEdit(onePass)), count);
        EXPECT_EQ(Text(onePass), Text(looped));
        if (count > 0) {
          EXPECT_EQ(Selection(onePass).cpMin, Selection(looped).cpMin);
          EXPECT_EQ(Selection(onePass).cpMax, Selection(looped).cpMax);
        }
        SendMessageA(mdiClient, WM_MDIDESTROY, (WPARAM)looped, 0);
        SendMessageA(mdiClient, WM_MDIDESTROY, (WPARAM)onePass, 0);
      }
    }
  }
}

TEST_F(TextCommandTest, ReplaceLeavesAReadOnlyDocumentAlone) {
  HWND document = OpenNew("locked.txt", "aaa");
  Command(document, ID_EDIT_READ_ONLY);
  ASSERT_EQ(Slot(document, kSlotReadOnly), 1);
  Command(document, ID_EDIT_REPLACE);
  PressFindButton("a", "b", false, false, psh2);
  EXPECT_EQ(Text(document), "aaa");
  EXPECT_NE(Status().find("set for viewing"), std::string::npos);
  PressFindButton("a", "b", false, false, psh1);
  EXPECT_EQ(Text(document), "aaa");
  EXPECT_EQ(Slot(document, kSlotModified), 0);
}

TEST_F(TextCommandTest, SearchOptionsTickedInTheDialogOutliveARestart) {
  HWND document = OpenNew("options.txt", "text");
  Command(document, ID_EDIT_FIND);
  PressFindButton("x", nullptr, true, true, IDOK);
  SendMessageA(findDialog, WM_COMMAND, IDCANCEL, 0);
  SaveSettings();
  editorState.MatchCase = 0;
  editorState.WholeWords = 0;
  LoadSettings();
  EXPECT_EQ(editorState.MatchCase, 1);
  EXPECT_EQ(editorState.WholeWords, 1);
  EXPECT_STREQ(editorState.findText, "x");
}

TEST_F(TextCommandTest, GoToLineRefusesNumbersOutsideTheTextAndMovesTheCaret) {
  HWND document = OpenNew("lines.txt", "one\r\ntwo\r\nthree");
  BoxRecorder boxes;
  AnswerDialogs([](HWND dialog, int id) {
    EXPECT_EQ(id, IDD_GO_TO_LINE);
    for (const char* typed : {"0", "4", "two", "2"}) {
      SetDlgItemTextA(dialog, IDC_GO_TO_LINE_NUMBER, typed);
      Press(dialog, IDOK);
    }
  });
  Command(document, ID_VIEW_GO_TO_LINE);
  ASSERT_EQ(boxes.boxes().size(), 3u);
  EXPECT_NE(boxes.boxes()[0].text.find("Invalid line number (0)"), std::string::npos);
  EXPECT_NE(boxes.boxes()[1].text.find("Invalid line number (4)"), std::string::npos);
  EXPECT_NE(boxes.boxes()[2].text.find("between 1 and 3"), std::string::npos);
  EXPECT_EQ(Selection(document).cpMin, 5);
  EXPECT_EQ(Selection(document).cpMax, 5);
  EXPECT_EQ(Status(), "Line 2 selected");
}

TEST_F(TextCommandTest, SortOrdersWholeLinesAndRefusesPartialOnes) {
  const std::string longLine(3000, 'q');
  HWND document = OpenNew("sort.txt", "b\r\n" + longLine + "\r\na\r\nc\r\n");
  auto sort = [&](bool ascending, bool ignoreCase) {
    AnswerDialogs([=](HWND dialog, int id) {
      EXPECT_EQ(id, IDD_SORT);
      CheckRadioButton(dialog, IDC_SORT_ASCENDING, IDC_SORT_DESCENDING, ascending ? IDC_SORT_ASCENDING : IDC_SORT_DESCENDING);
      CheckDlgButton(dialog, IDC_SORT_IGNORE_CASE, ignoreCase ? BST_CHECKED : BST_UNCHECKED);
      Press(dialog, IDOK);
    });
    Command(document, ID_EDIT_SORT);
  };
  Select(document, 0, -1);
  sort(true, true);
  EXPECT_EQ(Text(document), "a\r\nb\r\nc\r\n" + longLine + "\r\n");
  EXPECT_EQ(Status(), "Sorting of 4 lines completed");
  EXPECT_EQ(Selection(document).cpMax, static_cast<LONG>(Text(document).size()));
  EXPECT_EQ(Slot(document, kSlotModified), 1);
  EXPECT_TRUE(SendMessageA(GetDocumentEdit(document), EM_CANUNDO, 0, 0));
  sort(false, true);
  EXPECT_EQ(Text(document), longLine + "\r\nc\r\nb\r\na\r\n");
  EXPECT_EQ(editorState.Ascending, 0);

  SetWindowTextA(GetDocumentEdit(document), "Apple\r\napple\r\nb\r\n");
  Select(document, 0, -1);
  sort(true, true);
  EXPECT_EQ(Text(document), "Apple\r\napple\r\nb\r\n");
  Select(document, 0, -1);
  sort(true, false);
  EXPECT_EQ(Text(document), "apple\r\nApple\r\nb\r\n");

  BoxRecorder boxes;
  for (CHARRANGE refused : {CHARRANGE{1, 16}, CHARRANGE{0, 10}, CHARRANGE{0, 7}}) {
    Select(document, refused.cpMin, refused.cpMax);
    Command(document, ID_EDIT_SORT);
  }
  ASSERT_EQ(boxes.boxes().size(), 3u);
  EXPECT_EQ(boxes.boxes()[2].title, " Sort Selection Error");
  EXPECT_EQ(Text(document), "apple\r\nApple\r\nb\r\n");
}

TEST_F(TextCommandTest, CaseAndCharacterSetConversions) {
  HWND document = OpenNew("case.txt", "123 \xE9\xE0\xFC abc");
  ShowStatus(IDS_PROGRAM_NAME);
  Select(document, 0, 7);
  Command(document, ID_EDIT_UPPERCASE);
  EXPECT_EQ(Text(document), "123 \xE9\xE0\xFC abc");
  EXPECT_EQ(Status(), "Quillet");
  Select(document, 4, 11);
  Command(document, ID_EDIT_UPPERCASE);
  EXPECT_EQ(Text(document), "123 \xE9\xE0\xFC ABC");
  EXPECT_EQ(Status(), "Converted 3 characters to uppercase");
  EXPECT_EQ(Selection(document).cpMin, 4);
  EXPECT_EQ(Selection(document).cpMax, 11);

  HWND oem = OpenNew("oem.txt", "caf\x82 ok");  // 0x82 is e acute in the OEM set
  Select(oem, 2, 5);
  Command(oem, ID_VIEW_OEM_TO_ANSI);
  EXPECT_EQ(Text(oem), "caf\xE9 ok");
  EXPECT_EQ(Selection(oem).cpMin, 2);
  EXPECT_EQ(Selection(oem).cpMax, 5);
  EXPECT_EQ(Status(), "Converted text to the ANSI character set");
  EXPECT_FALSE(SendMessageA(GetDocumentEdit(oem), EM_CANUNDO, 0, 0));
}

// WIN.INI's [Intl] section holding the classic defaults but for one key, for one test; the
// values it had are put back afterwards.
class IntlSection {
 public:
  IntlSection() {
    for (const auto& key : kDefaults) {
      char value[512] = "";
      GetProfileStringA("Intl", key.first, "\x01", value, sizeof value);
      saved_.emplace_back(key.first, value);
    }
  }
  ~IntlSection() {
    // A key is never removed: the system's locale needs the ones it had.
    for (const auto& key : saved_) {
      if (key.second != "\x01") WriteProfileStringA("Intl", key.first, key.second.c_str());
    }
  }
  void Set(const char* changedKey, const char* changedValue) {
    for (const auto& key : kDefaults) {
      const bool changed = changedKey && std::strcmp(changedKey, key.first) == 0;
      WriteProfileStringA("Intl", key.first, changed ? changedValue : key.second);
    }
  }

 private:
  static constexpr std::pair<const char*, const char*> kDefaults[] = {
      {"iTime", "0"},      {"iTLZero", "0"},        {"sTime", ":"},
      {"s1159", ""},       {"s2359", ""},           {"sShortDate", "mm/dd/yy"},
      {"sLongDate", "ddd, mmm d, yyyy"},            {"sDate", "/"}};
  std::vector<std::pair<const char*, std::string>> saved_;
};

struct IntlRow {
  const char* key;  // the one setting changed from the defaults (null: none)
  const char* value;
  bool longDate;
  int hour, minute, day, month, year;
  const char* expected;  // "T:" and a time text, else a date text
};

TEST_F(TextCommandTest, RegionalTextsFollowWinIni) {
  IntlSection intl;
  const std::string longText(300, ':');
  // clang-format off
  const IntlRow rows[] = {
    {nullptr,      nullptr,               false, 15, 7, 5,  1, 1998, "T:3:07"},
    {"s2359",      "PM",                  false, 15, 7, 5,  1, 1998, "T:3:07 PM"},
    {"iTime",      "1",                   false, 9,  5, 5,  1, 1998, "T:9:05"},
    {"iTLZero",    "1",                   false, 9,  5, 5,  1, 1998, "T:09:05"},
    {"s1159",      "AM",                  false, 9,  5, 5,  1, 1998, "T:9:05 AM"},
    {nullptr,      nullptr,               true,  9,  5, 5,  1, 1998, "Mon Jan 5 1998 "},
    {nullptr,      nullptr,               false, 9,  5, 5,  1, 1998, "01 /05 /98 "},
    {"sLongDate",  "dddd, MMMM dd, yyyy", true,  9,  5, 30, 9, 1996, "Monday September 30 1996 "},
    {"sLongDate",  "d 'of' mmmm",         true,  9,  5, 30, 9, 1996, "30 ofSeptember "},
    {"sDate",      ".",                   false, 9,  5, 5,  1, 1998, "1 "},
  };
  // clang-format on
  for (const IntlRow& row : rows) {
    SCOPED_TRACE(row.expected);
    intl.Set(row.key, row.value);
    std::tm fields = {};
    fields.tm_year = row.year - 1900;
    fields.tm_mon = row.month - 1;
    fields.tm_mday = row.day;
    fields.tm_hour = row.hour;
    fields.tm_min = row.minute;
    fields.tm_isdst = -1;
    const std::time_t time = std::mktime(&fields);
    char output[256] = "";
    const std::string expected = row.expected;
    if (expected.rfind("T:", 0) == 0) EXPECT_EQ(support::FormatTimeText(&time, output), expected.substr(2));
    else EXPECT_EQ(support::FormatDateText(&time, row.longDate, output), expected);
  }
  // Over-long settings are cut, never written past the 256-byte buffers.
  std::tm afternoon = {};
  afternoon.tm_year = 98, afternoon.tm_mday = 5, afternoon.tm_hour = 15, afternoon.tm_isdst = -1;
  const std::time_t time = std::mktime(&afternoon);
  for (const char* key : {"sTime", "s2359"}) {
    intl.Set(key, longText.c_str());
    char output[300];
    std::memset(output, '#', sizeof output);
    EXPECT_EQ(std::strlen(support::FormatTimeText(&time, output)), 255u);
    EXPECT_EQ(output[299], '#');
  }
}

TEST_F(TextCommandTest, InsertDatePutsTheTimeFirstWhenAsked) {
  HWND document = OpenNew("stamp.txt", "");
  editorState.ShowDate = editorState.ShowTime = 1;
  editorState.DateFirst = 0;
  editorState.LongDate = 1;
  Command(document, ID_EDIT_INSERT_DATE);
  const std::string time = support::FormatTimeText(nullptr, nullptr);
  const std::string date = support::FormatDateText(nullptr, true, nullptr);
  EXPECT_EQ(Text(document), time + "  " + date);
  EXPECT_TRUE(SendMessageA(GetDocumentEdit(document), EM_CANUNDO, 0, 0));
}

}  // namespace
