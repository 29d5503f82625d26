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

#endif
