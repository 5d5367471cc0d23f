#pragma once
// Resource ids of Vexo.

#define IDI_VEXO 120

#define IDD_VEXO_TOOLBAR 102
#define IDD_VEXO_COMPACT 315

// The toolbar strip's controls (dialog 102). IDOK (1) is the Exit button.
#define IDC_PEN 1000
#define IDC_ARROW_TOOL 1001
#define IDC_ERASER 1002
#define IDC_PAGE_UP 1003
#define IDC_PAGE_DOWN 1004
#define IDC_END_SHOW 1005
#define IDC_BRUSH 1006
#define IDC_COLOUR_1 1007
#define IDC_SLIDE_SCREEN 1008
#define IDC_BLACK_BOARD 1009
#define IDC_WHITE_BOARD 1010
#define IDC_COLOUR_2 1011   // colours 2 to 10: 1011 to 1019
#define IDC_COLOUR_10 1019
#define IDC_HID 1020        // takes the focus when no image button should show it
#define IDC_COLOUR_11 1021  // colours 11 to 15: 1021 to 1025
#define IDC_COLOUR_15 1025
#define IDC_MARKER 1026
#define IDC_SAVE_JPG 1027
#define IDC_ERASE_ALL 1030
#define IDC_MAIL 1031
#define IDC_PLAYER 1033
#define IDC_WIDTH_5 1034
#define IDC_WIDTH_3 1035
#define IDC_WIDTH_1 1036
#define IDC_RECORD 1037
#define IDC_PALETTE 1047
#define IDC_INDICATOR_FIRST 1048  // the seven user indicators: 1048 to 1054
#define IDC_INDICATOR_LAST 1054
#define IDC_MY_PC 1074
#define IDC_MY_LINK 1075
#define IDC_PAGE_MENU 1076
#define IDC_WIDTH_POPUP 1077
#define IDC_OPEN_DOCUMENT 1080

// The player (dialog 266) and its bottom bars.
#define IDD_PLAYER 266
#define IDC_PLAYER_PLAY 1038
#define IDC_PLAYER_STOP 1039
#define IDC_PLAYER_PAUSE 1040
#define IDC_PLAYER_CLOSE 1042
#define IDC_PLAYER_SLIDER 1043
#define IDC_PLAYER_TIME 1044
#define IDC_PLAYER_OPEN 1045
#define IDC_PLAYER_SAVE 1046
#define IDB_PLAYER_BAR 286
#define IDB_PLAYER_BAR_COMPACT 506

// The about box and the picture box.
#define IDD_ABOUT 100
#define IDC_ABOUT_TEXT 1073
#define IDD_PICTURE_BOX 530
#define IDB_PICTURE_1 531
#define IDB_PICTURE_2 532

// Toolbar bitmaps: the user indicators and the strip backgrounds.
#define IDB_INDICATOR_OFF 279
#define IDB_INDICATOR_ACTIVE 280
#define IDB_INDICATOR_ON 281
#define IDB_STRIP_CLASSIC 285
#define IDB_STRIP_LARGE 539
#define IDB_OPEN_DOCUMENT_D 577
#define IDB_OPEN_DOCUMENT_F 578
#define IDB_OPEN_DOCUMENT_U 579
#define IDB_OPEN_DOCUMENT_X 580

#define IDS_ABOUT 101
#define IDS_APP_TITLE 103
#define IDS_TOOL_ARROW 104
#define IDS_TOOL_PEN 105
#define IDS_TOOL_ERASER 106
#define IDS_TOOL_BRUSH 107
#define IDS_TOOL_MARKER 108
#define IDS_BLACK_SCREEN 113
#define IDS_WHITE_SCREEN 114
#define IDS_WINTAB_NO_CONTEXT 2100
#define IDS_WINTAB_CAPTION 2101
#define IDS_PAGE_DOWN 109
#define IDS_PAGE_UP 110
#define IDS_END_SLIDE_SHOW 111
#define IDS_CLOSE 112
#define IDS_SLIDE_SCREEN 115
#define IDS_SAVE_AS_JPG 116
#define IDS_SEND_MAIL 117
#define IDS_RECORD 125
#define IDS_STOP_RECORDING 126
#define IDS_PLAY_BACK 127
#define IDS_PLAY 122
#define IDS_PAUSE 123
#define IDS_STOP 124
#define IDS_OPEN_FILE 128
#define IDS_SAVE_FILE 129
#define IDS_PEN_THICKNESS 132
#define IDS_PEN_COLOUR 138
#define IDS_MY_COMPUTER 139
#define IDS_PAGE 140
#define IDS_ERASE_ALL 118
#define IDS_ERASE_ALL_CONFIRM 119
#define IDS_ARE_YOU_SURE 121

// Documents and recordings: failed opens and saves (each names the file),
// and the layer index guards.
#define IDS_DOC_CANNOT_OPEN 600
#define IDS_DOC_CUT_SHORT 601
#define IDS_DOC_NOT_DOCUMENT 602
#define IDS_REC_CUT_SHORT 603
#define IDS_REC_NOT_RECORDING 604
#define IDS_REC_BAD_TIME_LINE 605
#define IDS_DOC_OUT_OF_MEMORY 606
#define IDS_DOC_CANNOT_SAVE 607
#define IDS_INDEX_OF_ACTION_SET 608
#define IDS_SET_INDEX_OF_ACTION 609
#define IDS_INDEX_OF_COLLECTION_SET 610
#define IDS_SET_INDEX_OF_COLLECTION 611
// Save: a name whose extension is neither "jpg" nor "flmz" saves nothing.
#define IDS_EXPORT_NOTHING_SAVED 612

// The framework's standard Help command.
#define ID_HELP_COMMAND 0xE146
