/* Ids of the resources of the window and application tests (shared with the resource scripts). */
#ifndef WIN_TEST_RESOURCES_H
#define WIN_TEST_RESOURCES_H

/* strings */
#define IDS_TOOL_WITH_TIP      1234 /* "Prompt text\nTip text" */
#define IDS_TOOL_WITHOUT_TIP   1235 /* "Prompt only" */
#define IDS_PROGRAM_ONLY       2001
#define IDS_IN_BOTH            2002
#define IDS_LIBRARY_ONLY       2003
#define IDS_RANGE_FORMAT       2010 /* "From %1 to %2, %1 again; 100%" */

/* dialogs */
#define IDD_VALUES      100
#define IDD_SUBCLASS    101
#define IDC_INT         1001
#define IDC_DOUBLE      1002
#define IDC_TEXT        1003
#define IDC_CHECK       1004
#define IDC_RADIO_A     1005
#define IDC_RADIO_B     1006
#define IDC_RADIO_C     1007
#define IDC_COMBO       1008
#define IDC_LIST        1009
#define IDC_UINT        1010
#define IDC_EDIT        1020

#endif
