// Numeric ids of Zelvora's resources, controls and commands.
// Shared by the resource script and the C++ code; plain #defines so that windres can read it.
#pragma once

// Dialogs, menus, strings
#define IDD_ABOUTBOX            100
#define IDD_ZELVORA_DIALOG      102
#define IDS_ABOUTBOX            101
#define IDR_COPY_MENU           142
#define IDR_SAVE_MENU           144

// Pictures
#define IDR_MAINFRAME           128
#define IDI_LOAD_SPECTRUM       132
#define IDC_HAND_CURSOR         133
#define IDI_OVERLAY_SPECTRUM    135
#define IDI_COPY_GRAPHIC        136
#define IDI_PRINT_GRAPHIC       137
#define IDI_SAVE_GRAPHIC        140
#define IDI_PREVIOUS_GRAPH      145
#define IDI_NEXT_GRAPH          146
#define IDB_ABOUT_LOGO          162

// System menu item of the about box, and the box's picture (a control of the about box)
#define IDM_ABOUTBOX            16
#define IDC_ABOUT_PICTURE       1036

// Controls of the main window
#define IDC_CHART               2
#define IDC_LOAD_SPECTRUM       1002
#define IDC_X_LINEAR            1003
#define IDC_X_LOGARITHMIC       1004
#define IDC_Y_LINEAR            1005
#define IDC_Y_LOGARITHMIC       1006
#define IDC_OVERLAY_SPECTRUM    1007
#define IDC_X_CAPTION           1009
#define IDC_Y_CAPTION           1010
#define IDC_X_GROUP             1011
#define IDC_Y_GROUP             1012
#define IDC_EXIT_GROUP          1016
#define IDC_NEXT_GRAPH          1017
#define IDC_PREVIOUS_GRAPH      1018
#define IDC_PLOTS_GROUP         1019
#define IDC_PLOT_COUNTER        1021
#define IDC_PLOTS_CAPTION       1022
#define IDC_X_MIN               1025
#define IDC_X_MAX               1026
#define IDC_X_MIN_LABEL         1027
#define IDC_X_MAX_LABEL         1028
#define IDC_Y_MIN               1029
#define IDC_Y_MAX               1030
#define IDC_Y_MIN_LABEL         1031
#define IDC_Y_MAX_LABEL         1032
#define IDC_LETHARGY            1033
#define IDC_COPY_GRAPHIC        1034
#define IDC_FILE_GROUP          1035
#define IDC_PRINT_GRAPHIC       1036
#define IDC_SAVE_GRAPHIC        1037
#define IDC_EXIT                1038
#define IDC_STATUS_LINE         1051
#define IDC_SIZE_GRIP           17733

// Commands of the copy and save menus
#define ID_COPY_EMF             40008
#define ID_COPY_WMF             40009
#define ID_COPY_BMP             40010
#define ID_SAVE_EMF             40015
#define ID_SAVE_WMF             40016
#define ID_SAVE_JPG             40017
#define ID_SAVE_PNG             40018
#define ID_SAVE_BMP             40019
