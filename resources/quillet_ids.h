// Numeric ids of Quillet's resources, commands, controls and strings.
// Shared by the resource script and the C++ code; plain #defines so that windres can read it.
// A menu command's id is also the id of its status-line hint; the id plus TOOLTIP_ID_OFFSET
// is the id of its tool tip.
#pragma once

// clang-format off

// Menus, accelerators and the program's pictures
#define IDR_MAINFRAME               1000    // menu and accelerator table of the frame
#define IDR_DOCUMENT_MENU           1001    // context menu of a document (popup 0)
#define WINDOWS_MENU_INDEX          5       // "&Windows", the client window's window menu

#define IDI_QUILLET                 1000    // frame, splash class, Explorer and Version pages
#define IDI_QUILLET_SMALL           1001    // frame's small icon, notification-area icon
#define IDI_DOCUMENT                1002    // document windows, save question, file properties
#define IDI_STARTUP_ITEM            2585    // Explorer page: Startup folder item
#define IDI_FIND                    2630    // find dialog picture
#define IDI_REPLACE                 2635    // replace dialog picture
#define IDI_MARGINS                 2720    // Printing page: paper margins
#define IDI_CHARACTER_CHART         2780    // "TableWindowClass"
#define IDI_ERROR_CODES             2800    // "MSErrorsClass"
#define IDI_TOOL                    2840    // Tools page: a tool whose program has no icon
#define IDI_DESKTOP_ICON            2880    // Explorer page: desktop icon
#define IDI_NOTICE_BOX              5300    // notice box
#define IDI_QUESTION_BOX            5400    // question box
#define IDI_ERROR_BOX               5500    // error box

#define IDB_SPLASH                  1000    // splash and About window, 449 x 180
#define IDB_TOOLBAR                 1002    // toolbar strip: 31 images of 16 x 16
#define IDB_OPTIONS_PICTURE         1999    // left-hand picture of the option pages

#define SPLASH_WIDTH                449
#define SPLASH_HEIGHT               180
#define TOOLBAR_IMAGE_SIZE          16
#define TOOLBAR_IMAGE_COUNT         31
#define TOOLBAR_BACKGROUND_RGB      0xC0C0C0    // colour 0 of the strip, mapped to the button face

// Images of the toolbar strip, left to right
#define TOOLBAR_IMAGE_NEW               0
#define TOOLBAR_IMAGE_OPEN              1
#define TOOLBAR_IMAGE_SAVE              2
#define TOOLBAR_IMAGE_CLOSE             3
#define TOOLBAR_IMAGE_SAVE_AS           4
#define TOOLBAR_IMAGE_PRINT             5
#define TOOLBAR_IMAGE_PROPERTIES        6
#define TOOLBAR_IMAGE_UNDO              7
#define TOOLBAR_IMAGE_CUT               8
#define TOOLBAR_IMAGE_COPY              9
#define TOOLBAR_IMAGE_PASTE             10
#define TOOLBAR_IMAGE_DELETE            11
#define TOOLBAR_IMAGE_CLIPBOARD         12
#define TOOLBAR_IMAGE_FIND              13
#define TOOLBAR_IMAGE_REPLACE           14
#define TOOLBAR_IMAGE_GO_TO             15
#define TOOLBAR_IMAGE_TILE_VERTICALLY   16
#define TOOLBAR_IMAGE_TILE_HORIZONTALLY 17
#define TOOLBAR_IMAGE_CASCADE           18
#define TOOLBAR_IMAGE_FONT              19
#define TOOLBAR_IMAGE_OPTIONS           20
#define TOOLBAR_IMAGE_HELP              21
#define TOOLBAR_IMAGE_ABOUT             22
#define TOOLBAR_IMAGE_TOPMOST           23
#define TOOLBAR_IMAGE_SORT              24
#define TOOLBAR_IMAGE_SAVE_ALL          25
#define TOOLBAR_IMAGE_CLOSE_ALL         26
#define TOOLBAR_IMAGE_CHART             27
#define TOOLBAR_IMAGE_ERRORS            28
#define TOOLBAR_IMAGE_REFRESH           29
#define TOOLBAR_IMAGE_TIMESTAMP         30

// Child windows of the frame and of a document
#define IDC_MDI_CLIENT              1001
#define IDC_TOOLBAR                 1002
#define IDC_STATUS_BAR              1003
#define IDC_DOCUMENT_EDIT           4000
#define FIRST_DOCUMENT_CHILD_ID     2000    // first child identifier of the client window

// File menu
#define ID_FILE_NEW                 101
#define ID_FILE_OPEN                102
#define ID_FILE_PROPERTIES          103
#define ID_FILE_CLOSE               104
#define ID_FILE_SAVE                110
#define ID_FILE_SAVE_AS             111
#define ID_FILE_DISCARD             113
#define ID_FILE_SAVE_ALL            114
#define ID_FILE_PAGE_SETUP          120
#define ID_FILE_PRINT               121
#define ID_FILE_PRINTER_SETUP       122
#define ID_FILE_OPTIONS             133
#define ID_FILE_RECENT_1            190
#define ID_FILE_RECENT_2            191
#define ID_FILE_RECENT_3            192
#define ID_FILE_RECENT_4            193
#define ID_FILE_RECENT_5            194
#define ID_FILE_RECENT_6            195
#define ID_FILE_RECENT_7            196
#define ID_FILE_RECENT_8            197
#define ID_FILE_RECENT_9            198
#define ID_FILE_RECENT_FIRST        ID_FILE_RECENT_1
#define ID_FILE_RECENT_LAST         ID_FILE_RECENT_9
#define ID_FILE_EXIT                199

// Edit menu
#define ID_EDIT_UNDO                201
#define ID_EDIT_CUT                 210
#define ID_EDIT_COPY                211
#define ID_EDIT_PASTE               212
#define ID_EDIT_DELETE              213
#define ID_EDIT_SELECT_ALL          214
#define ID_EDIT_SAVE_SELECTION      112
#define ID_EDIT_INSERT_FILE         152
#define ID_EDIT_INSERT_DATE         341
#define ID_EDIT_FIND                230
#define ID_EDIT_REPLACE             231
#define ID_EDIT_SORT                440
#define ID_EDIT_LOWERCASE           236
#define ID_EDIT_UPPERCASE           237
#define ID_EDIT_READ_ONLY           280
#define ID_EDIT_SHOW_CLIPBOARD      299

// View menu
#define ID_VIEW_STATUS_BAR          301
#define ID_VIEW_TOOLBAR             302
#define ID_VIEW_CUSTOMIZE_TOOLBAR   303
#define ID_VIEW_REFRESH             309
#define ID_VIEW_GO_TO_LINE          320
#define ID_VIEW_WORD_WRAP           340
#define ID_VIEW_OEM_TO_ANSI         352
#define ID_VIEW_ANSI_TO_OEM         353
#define ID_VIEW_MINIMIZE            398
#define ID_VIEW_ALWAYS_ON_TOP       399
#define ID_VIEW_DISPLAY_FONT        430
#define ID_VIEW_PRINTER_FONT        431

// Tools menu
#define ID_TOOL_1                   310
#define ID_TOOL_2                   311
#define ID_TOOL_3                   312
#define ID_TOOL_4                   313
#define ID_TOOL_5                   314
#define ID_TOOL_6                   315
#define ID_TOOL_7                   316
#define ID_TOOL_8                   317
#define ID_TOOL_9                   318
#define ID_TOOL_FIRST               ID_TOOL_1
#define ID_TOOL_LAST                ID_TOOL_9
#define ID_TOOLS_CUSTOMIZE          356

// Macros menu
#define ID_MACRO_1                  410
#define ID_MACRO_2                  411
#define ID_MACRO_3                  412
#define ID_MACRO_4                  413
#define ID_MACRO_5                  414
#define ID_MACRO_6                  415
#define ID_MACRO_7                  416
#define ID_MACRO_8                  417
#define ID_MACRO_9                  418
#define ID_MACRO_FIRST              ID_MACRO_1
#define ID_MACRO_LAST               ID_MACRO_9
#define ID_MACROS_CUSTOMIZE         357

// Windows menu
#define ID_WINDOWS_DUPLICATE        220
#define ID_WINDOWS_OPEN_LIST        150
#define ID_WINDOWS_BUILD_LIST       151
#define ID_WINDOWS_SYSEDIT_FILES    153
#define ID_WINDOWS_ERROR_CODES      354
#define ID_WINDOWS_ASCII_CHART      355
#define ID_WINDOWS_TILE_VERTICALLY  801
#define ID_WINDOWS_TILE_HORIZONTALLY 802
#define ID_WINDOWS_CASCADE          803
#define ID_WINDOWS_ARRANGE_ICONS    804
#define ID_WINDOWS_CLOSE_ALL        805

// Help menu
#define ID_HELP_SETUP               134
#define ID_HELP_CONTENTS            901
#define ID_HELP_SEARCH              902
#define ID_HELP_HOW_TO_USE          903
#define ID_HELP_ABOUT               999

// Commands with a menu-select hint lie in this range
#define FIRST_HINTED_COMMAND        101
#define LAST_HINTED_COMMAND         999
#define TOOLTIP_ID_OFFSET           1000

// Strings: program texts and titles
#define IDS_PROGRAM_NAME            1000    // "Quillet"
#define IDS_PRODUCT_NAME            1002
#define IDS_DEFAULT_OPEN_FILTER     1004
#define IDS_OPEN_TITLE              1005
#define IDS_SAVE_AS_TITLE           1007
#define IDS_LINE_END_TYPES          1008
#define IDS_TOOL_PROGRAM_TITLE      1011
#define IDS_TOOL_PROGRAM_FILTER     1012
#define IDS_PRINT_JOB_NAME          1013
#define IDS_UNTITLED_NAME           1017
#define IDS_VERSION                 1019
#define IDS_DESCRIPTION             1020
#define IDS_COPYRIGHT               1021
#define IDS_LIST_NAME               1051
#define IDS_SAVE_SELECTION_TITLE    1052
#define IDS_FILTERS_PAGE_STATUS     131

// Strings: indirect file lists
#define IDS_LIST_OPEN_TITLE         12004
#define IDS_LIST_FILTER             12005
#define IDS_LIST_EXTENSION          12006
#define IDS_LIST_SAVE_TITLE         12007

// Strings: document messages
#define IDS_EDIT_CONTROL_FAILED     13006
#define IDS_INI_FILE_READ_ONLY      13007
#define IDS_INI_FILE_IN_USE         13008
#define IDS_RECENT_FILE_MISSING     13010
#define IDS_OUT_OF_BUFFER_SPACE     14003
#define IDS_INVALID_LINE_NUMBER     14004
#define IDS_TEXT_BUFFER_FULL        14007
#define IDS_LIST_OPEN_FAILED        14008
#define IDS_LIST_UNSAVED_DOCUMENT   14009
#define IDS_DELETE_TOOL             14011
#define IDS_TOOL_NAME_MISSING       14012
#define IDS_TOOL_PROGRAM_MISSING    14013
#define IDS_DELETE_MACRO            14014
#define IDS_MACRO_NAME_MISSING      14015
#define IDS_MACRO_TEXT_MISSING      14016

// Strings: first-run SysEdit files, slot n is IDS_SYSEDIT_DEFAULT_1 + n - 1
#define IDS_SYSEDIT_DEFAULT_1       16000   // on the drive of the Windows folder
#define IDS_SYSEDIT_DEFAULT_2       16001   // on the drive of the Windows folder
#define IDS_SYSEDIT_DEFAULT_3       16002
#define IDS_SYSEDIT_DEFAULT_4       16003
#define IDS_SYSEDIT_DEFAULT_5       16004
#define IDS_SYSEDIT_DEFAULT_6       16005
#define IDS_SYSEDIT_DEFAULT_7       16006
#define IDS_SYSEDIT_DEFAULT_8       16007
#define IDS_SYSEDIT_DEFAULT_9       16008
#define IDS_SYSEDIT_DEFAULT_FIRST   IDS_SYSEDIT_DEFAULT_1
#define IDS_SYSEDIT_DEFAULT_LAST    IDS_SYSEDIT_DEFAULT_9

// Strings: default file filters, slot n is IDS_FILTER_DEFAULT_1 + n - 1
#define IDS_FILTER_DEFAULT_1        17000
#define IDS_FILTER_DEFAULT_2        17001
#define IDS_FILTER_DEFAULT_3        17002
#define IDS_FILTER_DEFAULT_4        17003
#define IDS_FILTER_DEFAULT_5        17004
#define IDS_FILTER_DEFAULT_6        17005
#define IDS_FILTER_DEFAULT_7        17006
#define IDS_FILTER_DEFAULT_8        17007
#define IDS_FILTER_DEFAULT_9        17008
#define IDS_FILTER_DEFAULT_FIRST    IDS_FILTER_DEFAULT_1
#define IDS_FILTER_DEFAULT_LAST     IDS_FILTER_DEFAULT_9

// Strings: file choosers, sorting and the Time Stamp page
#define IDS_SYSEDIT_FILE_TITLE      29000
#define IDS_SYSEDIT_FILE_FILTER     29001
#define IDS_INSERT_FILE_TITLE       29002
#define IDS_SORT_ERROR_TITLE        29010
#define IDS_SORT_LINES_SELECTED     29011
#define IDS_SORT_PARTIAL_LINES      29012
#define IDS_SORT_UNDERWAY           29013
#define IDS_SORT_COMPLETED          29014
#define IDS_SORT_CANCELED           29015
#define IDS_TIME_STAMP_PAGE_STATUS  29016

// Strings: status texts of single commands
#define IDS_GO_TO_LINE_PROMPT       30106
#define IDS_LINE_SELECTED           30107
#define IDS_CASE_CONVERTED          30108
#define IDS_CHARSET_CONVERTED       30109
#define IDS_REFRESHED               30110
#define IDS_FILE_INSERTED           30111   // "%s inserted": Insert File's confirmation
#define IDS_CLIPBOARD_VIEWER_MISSING 30112  // Show Clipboard, shell result 2
#define IDS_CLIPBOARD_VIEWER_FAILED 30113   // Show Clipboard, any other failure
#define IDS_INVALID_HELP_ITEM       30114   // help call with an unknown item
#define IDS_OPENED_CUT_AT_ZERO      30115   // a file with zero bytes opened for viewing

// Texts 60000 to 60107 come from the message table built into the program, not from here.
#define MESSAGE_TABLE_FIRST         60000
#define MESSAGE_TABLE_LAST          60107
#define MSG_READY                   60000   // "Ready ..."
#define MSG_FONT_FAILED             60001
#define MSG_ACCELERATORS_FAILED     60002
#define MSG_CLASS_FAILED            60003
#define MSG_WINDOW_FAILED           60004
#define MSG_CHILD_WINDOW_FAILED     60005
#define MSG_CLIENT_WINDOW_FAILED    60007
#define MSG_CANNOT_ALLOCATE         60008
#define MSG_FILE_IO_TITLE           60020   // "File I/O Error"
#define MSG_FILE_NOT_FOUND          60021
#define MSG_FILE_TOO_LARGE          60022
#define MSG_FILE_WRITE_PROTECTED    60023
#define MSG_FILE_OPEN_READ_ONLY     60024
#define MSG_FILE_CREATE_FAILED      60026
#define MSG_FILE_OPEN_FAILED        60027
#define MSG_FILE_READ_FAILED        60033
#define MSG_FILE_WRITE_FAILED       60037
#define MSG_FILE_FLUSH_FAILED       60040
#define MSG_FILE_SET_EOF_FAILED     60041
#define MSG_FILE_CLOSE_FAILED       60042
#define MSG_CLIPBOARD_OPEN_FAILED   60045
#define MSG_CLIPBOARD_BUFFER_FAILED 60048
#define MSG_CLIPBOARD_LOCK_FAILED   60049
#define MSG_CLIPBOARD_COPY_FAILED   60051
#define MSG_CLIPBOARD_ACCESS_FAILED 60052
#define MSG_PRINT_FONT_FAILED       60058
#define MSG_PRINT_JOB_START_FAILED  60059
#define MSG_PRINT_PAGE_OPEN_FAILED  60060
#define MSG_PRINT_PAGE_CLOSE_FAILED 60061
#define MSG_PRINT_JOB_END_FAILED    60062
#define MSG_OPTIONS_SAVED           60066
#define MSG_FILE_OPENED             60068   // + 1: "%s opened for viewing"
#define MSG_FILE_OPENED_FOR_VIEWING 60069
#define MSG_WRITING_FILE            60071
#define MSG_FILE_SAVED              60072
#define MSG_READING_FILE            60073
#define MSG_SAVED_AS                60074
#define MSG_CHANGES_DISCARDED       60075
#define MSG_SET_FOR_VIEWING         60076
#define MSG_SET_FOR_EDITING         60077
#define MSG_PRINTING                60080
#define MSG_PRINTING_PAGE           60081
#define MSG_PRINTED                 60082
#define MSG_PRINTING_CANCELED       60083
#define MSG_FIND_TEXT               60084
#define MSG_REPLACE_TEXT            60085
#define MSG_REPLACING_TEXT          60086
#define MSG_REPLACED_TEXT           60087
#define MSG_CANNOT_FIND             60088
#define MSG_LIBRARY_FAILED          60101
#define MSG_HELP_TOPIC_MISSING      60104
#define LAST_STRING_RESOURCE_ID     IDS_OPENED_CUT_AT_ZERO

// Dialog resources
#define IDD_EDITOR_PAGE             2000
#define IDD_GO_TO_LINE              2200
#define IDD_FIND                    2300
#define IDD_REPLACE                 2400
#define IDD_FILTERS_PAGE            2500
#define IDD_TOOLS_PAGE              2600
#define IDD_MACROS_PAGE             2700
#define IDD_SORT                    2800
#define IDD_SYSEDIT_PAGE            2900
#define IDD_TIME_STAMP_PAGE         3000
#define IDD_LOADING_ERROR_CODES     5400

// Pages of the options sheet, in order
#define OPTIONS_PAGE_EDITOR         0
#define OPTIONS_PAGE_FILTERS        1
#define OPTIONS_PAGE_PRINTING       2
#define OPTIONS_PAGE_TOOLS          3
#define OPTIONS_PAGE_MACROS         4
#define OPTIONS_PAGE_SYSEDIT        5
#define OPTIONS_PAGE_TIME_STAMP     6
#define OPTIONS_PAGE_EXPLORER       7
#define OPTIONS_PAGE_VERSION        8
#define OPTIONS_PAGE_COUNT          9

// Editor page (dialog 2000)
#define IDC_EDITOR_READ_ONLY        102
#define IDC_EDITOR_LOAD_LAST        103
#define IDC_EDITOR_MAXIMIZED        104
#define IDC_EDITOR_NEW_DOC          105
#define IDC_EDITOR_TIPS             106
#define IDC_EDITOR_LT_GRAY          107
#define IDC_EDITOR_SOUNDS           108
#define IDC_EDITOR_TASK_TRAY        109
#define IDC_EDITOR_BACKUP           110
#define IDC_EDITOR_WORD_WRAP        111
#define IDC_EDITOR_AUTO_SAVE        112

// Go To Line (dialog 2200)
#define IDC_GO_TO_LINE_NUMBER       101
#define IDC_GO_TO_LINE_PROMPT       102

// Find and Replace templates (dialogs 2300 and 2400); the other controls carry the
// common dialog's own ids (edt1, edt2, chx1, chx2, grp1, rad1, rad2, psh1, psh2, pshHelp)
#define IDC_FIND_PICTURE            2300
#define IDC_REPLACE_PICTURE         2400

// Filters page (dialog 2500)
#define IDC_FILTERS_DEFAULTS        5
#define IDC_FILTERS_DESCRIPTIONS    101
#define IDC_FILTERS_ACCEPT_DESCRIPTION 102
#define IDC_FILTERS_EXTENSIONS      103
#define IDC_FILTERS_ACCEPT_EXTENSIONS 104

// Tools page (dialog 2600)
#define IDC_TOOLS_BROWSE_PROGRAM    6
#define IDC_TOOLS_DELETE            12
#define IDC_TOOLS_BROWSE_FOLDER     13
#define IDC_TOOLS_PICTURE           100
#define IDC_TOOLS_NAME              101
#define IDC_TOOLS_PROGRAM           102
#define IDC_TOOLS_COMMAND           103
#define IDC_TOOLS_FOLDER            104
#define IDC_TOOLS_ACTIVE            105
#define IDC_TOOLS_LAUNCH            106
#define IDC_TOOLS_HIDE              107
#define IDC_TOOLS_SAVE              108
#define IDC_TOOLS_LIST              109

// Macros page (dialog 2700)
#define IDC_MACROS_DELETE           12
#define IDC_MACROS_LIST             100
#define IDC_MACROS_NAME             101
#define IDC_MACROS_TEXT             102
#define IDC_MACROS_ACTIVE           103

// Sort (dialog 2800)
#define IDC_SORT_LINES              100
#define IDC_SORT_ASCENDING          101
#define IDC_SORT_DESCENDING         102
#define IDC_SORT_IGNORE_CASE        103

// SysEdit page (dialog 2900): box n is IDC_SYSEDIT_FILE_1 + n - 1, its button IDC_SYSEDIT_BROWSE_1 + n - 1
#define IDC_SYSEDIT_FILE_1          101
#define IDC_SYSEDIT_FILE_9          109
#define IDC_SYSEDIT_BROWSE_1        201
#define IDC_SYSEDIT_BROWSE_9        209

// Time Stamp page (dialog 3000)
#define IDC_TIME_STAMP_REGIONAL     6
#define IDC_TIME_STAMP_SAMPLE       100
#define IDC_TIME_STAMP_SHOW_DATE    101
#define IDC_TIME_STAMP_LONG_DATE    102
#define IDC_TIME_STAMP_SHORT_DATE   103
#define IDC_TIME_STAMP_SHOW_TIME    111
#define IDC_TIME_STAMP_DATE_FIRST   112
#define IDC_TIME_STAMP_TIME_FIRST   113

// Loading the error codes (dialog 5400) and the error-code window
#define IDC_ERROR_CODES_PROGRESS    100
#define IDC_ERROR_CODES_LIST        100

// Dialogs built in memory (no resource): message boxes
#define IDC_MESSAGE_ICON            100
#define IDC_MESSAGE_TEXT            101

// Dialogs built in memory: Printing page
#define IDC_PRINTING_TOP_MARGIN     101
#define IDC_PRINTING_LEFT_MARGIN    102
#define IDC_PRINTING_BOTTOM_MARGIN  103
#define IDC_PRINTING_RIGHT_MARGIN   104
#define IDC_PRINTING_HEADER         111
#define IDC_PRINTING_PRINT_HEADER   112
#define IDC_PRINTING_CENTER_HEADER  113
#define IDC_PRINTING_FOOTER         121
#define IDC_PRINTING_PRINT_FOOTER   122
#define IDC_PRINTING_CENTER_FOOTER  123

// Dialogs built in memory: File Properties box
#define IDC_PROPERTIES_ICON         100
#define IDC_PROPERTIES_NAME         101
#define IDC_PROPERTIES_TYPE         102
#define IDC_PROPERTIES_LOCATION     103
#define IDC_PROPERTIES_SIZE         104
#define IDC_PROPERTIES_MODE         105
#define IDC_PROPERTIES_CREATED      106
#define IDC_PROPERTIES_MODIFIED     107
#define IDC_PROPERTIES_ACCESSED     108
#define IDC_PROPERTIES_SHORT_NAME   109

// Dialogs built in memory: Explorer page
#define IDC_EXPLORER_DESKTOP_TEXT   101
#define IDC_EXPLORER_CREATE_DESKTOP 102
#define IDC_EXPLORER_REMOVE_DESKTOP 103
#define IDC_EXPLORER_START_MENU_TEXT 104
#define IDC_EXPLORER_CREATE_START_MENU 105
#define IDC_EXPLORER_REMOVE_START_MENU 106
#define IDC_EXPLORER_STARTUP_TEXT   107
#define IDC_EXPLORER_CREATE_STARTUP 108
#define IDC_EXPLORER_REMOVE_STARTUP 109

// Dialogs built in memory: Version page; field i is IDC_VERSION_PRODUCT_NAME + i
#define IDC_VERSION_WEB_SITE        6
#define IDC_VERSION_PRODUCT_NAME    101
#define IDC_VERSION_COPYRIGHT       102
#define IDC_VERSION_DESCRIPTION     103
#define IDC_VERSION_FILE_VERSION    104
#define IDC_VERSION_RELEASE         105

// clang-format on

#ifdef __cplusplus
// Ranges the code walks by adding an index to their first id.
static_assert(ID_FILE_RECENT_2 == ID_FILE_RECENT_1 + 1 && ID_FILE_RECENT_3 == ID_FILE_RECENT_1 + 2 &&
                  ID_FILE_RECENT_4 == ID_FILE_RECENT_1 + 3 && ID_FILE_RECENT_5 == ID_FILE_RECENT_1 + 4 &&
                  ID_FILE_RECENT_6 == ID_FILE_RECENT_1 + 5 && ID_FILE_RECENT_7 == ID_FILE_RECENT_1 + 6 &&
                  ID_FILE_RECENT_8 == ID_FILE_RECENT_1 + 7 && ID_FILE_RECENT_9 == ID_FILE_RECENT_1 + 8,
              "recent-file commands 190-198 must stay contiguous");
static_assert(ID_TOOL_2 == ID_TOOL_1 + 1 && ID_TOOL_3 == ID_TOOL_1 + 2 && ID_TOOL_4 == ID_TOOL_1 + 3 &&
                  ID_TOOL_5 == ID_TOOL_1 + 4 && ID_TOOL_6 == ID_TOOL_1 + 5 && ID_TOOL_7 == ID_TOOL_1 + 6 &&
                  ID_TOOL_8 == ID_TOOL_1 + 7 && ID_TOOL_9 == ID_TOOL_1 + 8,
              "tool commands 310-318 must stay contiguous");
static_assert(ID_MACRO_2 == ID_MACRO_1 + 1 && ID_MACRO_3 == ID_MACRO_1 + 2 && ID_MACRO_4 == ID_MACRO_1 + 3 &&
                  ID_MACRO_5 == ID_MACRO_1 + 4 && ID_MACRO_6 == ID_MACRO_1 + 5 && ID_MACRO_7 == ID_MACRO_1 + 6 &&
                  ID_MACRO_8 == ID_MACRO_1 + 7 && ID_MACRO_9 == ID_MACRO_1 + 8,
              "macro commands 410-418 must stay contiguous");
static_assert(ID_WINDOWS_TILE_HORIZONTALLY == ID_WINDOWS_TILE_VERTICALLY + 1 &&
                  ID_WINDOWS_CASCADE == ID_WINDOWS_TILE_VERTICALLY + 2 &&
                  ID_WINDOWS_ARRANGE_ICONS == ID_WINDOWS_TILE_VERTICALLY + 3 &&
                  ID_WINDOWS_CLOSE_ALL == ID_WINDOWS_TILE_VERTICALLY + 4,
              "window arrangement commands 801-805 share one command-state rule");
static_assert(IDS_SYSEDIT_DEFAULT_9 - IDS_SYSEDIT_DEFAULT_1 == 8 && IDS_SYSEDIT_DEFAULT_5 == IDS_SYSEDIT_DEFAULT_1 + 4,
              "SysEdit defaults 16000-16008 are fetched as first + slot - 1");
static_assert(IDS_FILTER_DEFAULT_9 - IDS_FILTER_DEFAULT_1 == 8 && IDS_FILTER_DEFAULT_5 == IDS_FILTER_DEFAULT_1 + 4,
              "default filters 17000-17008 are fetched as first + slot - 1");
static_assert(IDC_SYSEDIT_FILE_9 - IDC_SYSEDIT_FILE_1 == 8 && IDC_SYSEDIT_BROWSE_9 - IDC_SYSEDIT_BROWSE_1 == 8 &&
                  IDC_SYSEDIT_FILE_1 == 100 + 1 && IDC_SYSEDIT_BROWSE_1 == 200 + 1,
              "SysEdit box n is 100 + n and its button 200 + n");
static_assert(IDC_VERSION_RELEASE == IDC_VERSION_PRODUCT_NAME + 4, "Version page fields are 101 + i");
static_assert(LAST_HINTED_COMMAND + TOOLTIP_ID_OFFSET < IDS_LIST_OPEN_TITLE &&
                  FIRST_HINTED_COMMAND + TOOLTIP_ID_OFFSET > IDS_SAVE_SELECTION_TITLE,
              "tool tips 1101-1999 must not meet other strings");
static_assert(LAST_STRING_RESOURCE_ID < MESSAGE_TABLE_FIRST, "string resources stay below the message table");
static_assert(TOOLBAR_IMAGE_TIMESTAMP == TOOLBAR_IMAGE_COUNT - 1, "the strip holds one image per index");
#endif
