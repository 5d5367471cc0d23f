#pragma once
// Resource ids of Vexo.

#define IDI_VEXO 120

#define IDD_VEXO_TOOLBAR 102
#define IDD_VEXO_COMPACT 315

#define IDC_HID 1020

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
#define IDS_END_SLIDE_SHOW 111
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

// The framework's standard Help command.
#define ID_HELP_COMMAND 0xE146
