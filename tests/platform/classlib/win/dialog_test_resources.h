/* Ids of the resources of the property-sheet and common-dialog tests (shared with the script). */
#ifndef DIALOG_TEST_RESOURCES_H
#define DIALOG_TEST_RESOURCES_H

/* strings */
#define IDS_SHEET_CAPTION  3001 /* "Properties of the Criterion" */
#define IDS_VALUES_CAPTION 3002 /* "Scale values" */

/* pages */
#define IDD_PAGE_GENERAL 110
#define IDD_PAGE_VALUES  111
#define IDD_PAGE_BROKEN  112 /* names a window class nobody registered */
#define IDD_PAGE_MISSING 119 /* no such template */
#define IDC_NAME         1101
#define IDC_GAIN         1102
#define IDC_ORDINAL      1103
#define IDC_VALUES       1104
#define IDC_VALUE_COUNT  1105

/* the dialog manager's keys: a page that is a control parent, a dialog holding one */
#define IDD_PAGE_NOTES   113
#define IDD_KEYS_OUTER   114
#define IDD_KEYS_INNER   115
#define IDC_NOTE_TITLE   1106
#define IDC_NOTE_TEXT    1107
#define IDC_NOTE_CLEAR   1108
#define IDC_OUTER_NAME   1109
#define IDC_INNER_TEXT   1110
#define IDC_INNER_CLEAR  1111

#endif
