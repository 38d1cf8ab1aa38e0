// Resource numbers of Zeto: dialog templates, menu, icons, controls, commands.
#pragma once

// Dialog templates
#define IDD_MAIN                102
#define IDD_ABOUT               130
#define IDD_WINDOW_TITLE        132
#define IDD_CAPTURE_MODE        133
#define IDD_OPTIONS             134
#define IDD_NEW_WORD            135
#define IDD_DOC_FORMAT          136
#define IDD_ACROBAT_VERSION     139
#define IDD_HISTORY             150
#define IDD_EXPORT_WORDS        151

// Menu, icons, cursor
#define IDR_MAIN_MENU           129
#define IDI_WORDLUMO            131
#define IDI_WAND                140
#define IDC_WAND_CURSOR         147

// Main dialog (102)
#define IDC_TRANSLATION         1001
#define IDC_TARGET_TITLE        1002
#define IDC_INPUT               1013
#define IDC_SUGGESTIONS         1039
#define IDC_LIST_TRANSLATION    1040
#define IDC_PAUSE_HOTKEY        1041
#define IDC_IGNORED_PROGRAMS    1042
#define IDC_SPEAK_HOTKEY        1043

// About box (130)
#define IDC_ABOUT_OK            1000

// Set Window Title (132)
#define IDC_WINDOW_TITLE        1001
#define IDC_WINDOW_TITLE_OK     1000
#define IDC_WAND                1030

// Capture mode (133): radio group, values 0 to 3
#define IDC_MODE_SELECT         1005
#define IDC_MODE_CTRL_C         1006
#define IDC_MODE_RB_COPY        1026
#define IDC_MODE_ALL            1038

// Options (134)
#define IDC_TIMEOUT             1007
#define IDC_FONT                1000
#define IDC_TRANSPARENT_THIS    1031
#define IDC_TRANSPARENT_OTHER   1032
#define IDC_ALPHA_SLIDER        1033
#define IDC_ALPHA_VALUE         1034
#define IDC_EDIT_CHECK          1036
#define IDC_MINIMIZE_TO_TRAY    1037
#define IDC_ALWAYS_ON_TOP       1023
#define IDC_KEYBOARD_INPUT      1035

// New word (135)
#define IDC_NEW_WORD            1008
#define IDC_NEW_TRANSLATION     1009
#define IDC_NEW_WORD_OK         1012

// Document format (136): radio group, values 0 to 4
#define IDC_FORMAT_OTHER        1018
#define IDC_FORMAT_DOC          1019
#define IDC_FORMAT_HTML         1020
#define IDC_FORMAT_HELP         1022
#define IDC_FORMAT_PDF          1024

// Acrobat version (139): radio group, values 0 and 1
#define IDC_ACROBAT_5           1024
#define IDC_ACROBAT_4           1028
#define IDC_ACROBAT_OK          1000

// History (150)
#define IDC_HISTORY_SEARCH      1100
#define IDC_HISTORY_LIST        1101
#define IDC_HISTORY_EXPORT      1102
#define IDC_HISTORY_SPEAK       1103

// Export Words (151): two radio groups, which words (0 to 2) and the format (0, 1)
#define IDC_EXPORT_ALL          1110
#define IDC_EXPORT_STARRED      1111
#define IDC_EXPORT_SINCE        1112
#define IDC_EXPORT_SINCE_DATE   1113
#define IDC_EXPORT_ANKI         1114
#define IDC_EXPORT_CSV          1115

// Menu commands (129)
#define ID_ABOUT                32772
#define ID_TOOLTIP_ON           32773
#define ID_SET_WINDOW_TITLE     32774
#define ID_OPTIONS              32775
#define ID_ADD_NEW_WORD         32776
#define ID_AUTOMATIC_ATTACH     32777
#define ID_EXIT                 32778
#define ID_FIND_BASE_FORMS      32779
#define ID_COPY_WITH_CTRL_C     32780
#define ID_START_WITH_WINDOWS   32781
#define ID_PAUSE                32782
#define ID_KEEP_HISTORY         32783
#define ID_CLEAR_HISTORY        32784
#define ID_HISTORY              32785
#define ID_EXPORT_WORDS         32786
#define ID_SHOW_PRONUNCIATION   32787
#define ID_SPEAK                32788

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif
