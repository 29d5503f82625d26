/* Identifiers of the class library that programs and resource scripts share: the standard command
 * ids, the ids of the library's own windows and strings, and its private window messages.
 *
 * Plain #defines only, so that a resource script compiled by wrc may include this file.
 * The command ids are the values the program's menus and tables store (File 0xE100.., Edit 0xE120..,
 * Window 0xE130.., App 0xE140.., panes 0xE150..). The control-bar ids and the idle prompt are stored
 * in dock layouts and status-bar texts and must not change.
 */
#ifndef ONDRIX_CLASSLIB_AFXRES_H
#define ONDRIX_CLASSLIB_AFXRES_H

/* Private window messages of the library. 0x0361 and 0x0362 are fixed by the bars that send them;
 * the others are the library's own choice and stay clear of the program's private messages
 * (0x0407-0x0410, 0x0465, 0x0790-0x07E3). */
#define WM_SIZEPARENT        0x0361 /* lParam: AFX_SIZEPARENTPARAMS*, a bar takes its part of the rect */
#define WM_SETMESSAGESTRING  0x0362 /* wParam: string id (text up to '\n') or 0, lParam: text */
#define WM_IDLEUPDATECMDUI   0x0363 /* wParam: disable items that have no handler */
#define WM_INITIALUPDATE     0x0364 /* sent to views after their frame is made */
#define WM_COMMANDHELP       0x0365
#define WM_HELPHITTEST       0x0366
#define WM_EXITHELPMODE      0x0367
#define WM_FLOATSTATUS       0x036D /* mini-frame activation state */

/* Reflected messages arrive at the child control as WM_REFLECT_BASE + the parent's message. */
#define WM_REFLECT_BASE      0xBC00

/* File menu */
#define ID_FILE_NEW            0xE100
#define ID_FILE_OPEN           0xE101
#define ID_FILE_CLOSE          0xE102
#define ID_FILE_SAVE           0xE103
#define ID_FILE_SAVE_AS        0xE104
#define ID_FILE_PAGE_SETUP     0xE105
#define ID_FILE_PRINT_SETUP    0xE106
#define ID_FILE_PRINT          0xE107
#define ID_FILE_PRINT_DIRECT   0xE108
#define ID_FILE_PRINT_PREVIEW  0xE109
#define ID_FILE_MRU_FIRST      0xE110
#define ID_FILE_MRU_FILE1      0xE110
#define ID_FILE_MRU_FILE16     0xE11F
#define ID_FILE_MRU_LAST       0xE11F

/* Edit menu */
#define ID_EDIT_CLEAR          0xE120
#define ID_EDIT_CLEAR_ALL      0xE121
#define ID_EDIT_COPY           0xE122
#define ID_EDIT_CUT            0xE123
#define ID_EDIT_FIND           0xE124
#define ID_EDIT_PASTE          0xE125
#define ID_EDIT_REPEAT         0xE128
#define ID_EDIT_REPLACE        0xE129
#define ID_EDIT_SELECT_ALL     0xE12A
#define ID_EDIT_UNDO           0xE12B
#define ID_EDIT_REDO           0xE12C

/* Window menu */
#define ID_WINDOW_NEW          0xE130
#define ID_WINDOW_ARRANGE      0xE131
#define ID_WINDOW_CASCADE      0xE132
#define ID_WINDOW_TILE_HORZ    0xE133
#define ID_WINDOW_TILE_VERT    0xE134
#define ID_WINDOW_SPLIT        0xE135

/* Application and help */
#define ID_APP_ABOUT           0xE140
#define ID_APP_EXIT            0xE141
#define ID_HELP_INDEX          0xE142
#define ID_HELP_FINDER         0xE143
#define ID_HELP_USING          0xE144
#define ID_CONTEXT_HELP        0xE145
#define ID_HELP                0xE146
#define ID_DEFAULT_HELP        0xE147
#define ID_NEXT_PANE           0xE150
#define ID_PREV_PANE           0xE151

/* Bars shown and hidden from the View menu */
#define ID_VIEW_TOOLBAR        0xE800
#define ID_VIEW_STATUS_BAR     0xE801

/* Control ids of the library's windows */
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST  0xE8FF
#define AFX_IDW_TOOLBAR          0xE800
#define AFX_IDW_STATUS_BAR       0xE801
#define AFX_IDW_DOCKBAR_TOP      0xE81B
#define AFX_IDW_DOCKBAR_LEFT     0xE81C
#define AFX_IDW_DOCKBAR_RIGHT    0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM   0xE81E
#define AFX_IDW_DOCKBAR_FLOAT    0xE81F
#define AFX_IDW_PANE_FIRST       0xE900
#define AFX_IDW_PANE_LAST        0xE9FF
#define AFX_IDW_HSCROLL_FIRST    0xEA00
#define AFX_IDW_VSCROLL_FIRST    0xEA10
#define AFX_IDW_SIZE_BOX         0xEA20
#define AFX_IDW_PANE_SAVE        0xEA21 /* the frame's pane while a print preview takes its place */
#define AFX_IDW_PREVIEW_BAR      0xE805 /* the print preview's bar */

/* The print preview's bar */
#define AFX_ID_PREVIEW_CLOSE   0xE300
#define AFX_ID_PREVIEW_NUMPAGE 0xE301 /* one page / two pages */
#define AFX_ID_PREVIEW_NEXT    0xE302
#define AFX_ID_PREVIEW_PREV    0xE303
#define AFX_ID_PREVIEW_PRINT   0xE304
#define AFX_ID_PREVIEW_ZOOMIN  0xE305
#define AFX_ID_PREVIEW_ZOOMOUT 0xE306

/* Standard buttons of dialogs */
#ifndef IDOK
#define IDOK     1
#define IDCANCEL 2
#endif
/* The Apply button of property sheets */
#define ID_APPLY_NOW           0x3021

/* Strings: the program may define them; the library falls back on its own English texts. Every text
 * the library shows a user is one of them, so that a translation's resource library carries them all. */
#define AFX_IDS_APP_TITLE         0xE000
#define AFX_IDS_IDLEMESSAGE       0xE001
#define AFX_IDS_HELPMODEMESSAGE   0xE002
#define AFX_IDS_UNTITLED          0xF000
#define AFX_IDS_HIDE              0xF011 /* the close item of a floating frame's system menu */
#define AFX_IDP_NO_ERROR_AVAILABLE 0xF020
#define AFX_IDP_PARSE_INT         0xF110
#define AFX_IDP_PARSE_REAL        0xF111
#define AFX_IDP_PARSE_INT_RANGE   0xF112
#define AFX_IDP_PARSE_REAL_RANGE  0xF113
#define AFX_IDP_PARSE_STRING_SIZE 0xF114
#define AFX_IDP_PARSE_RADIO_BUTTON 0xF115
#define AFX_IDP_PARSE_UINT        0xF116
#define AFX_IDP_PATH_TOO_LONG     0xF117 /* %1: the most characters a path may have */
#define AFX_IDP_PATH_NOT_HELD     0xF118 /* a chosen name that the program cannot hold */
#define AFX_IDP_FAILED_TO_OPEN_DOC 0xF101
#define AFX_IDP_FAILED_TO_CREATE_DOC 0xF104
#define AFX_IDP_FAILED_TO_CREATE_DC 0xF106 /* no device context for the printer */
#define AFX_IDP_FAILED_TO_START_PRINT 0xF107
#define AFX_IDP_INTERNAL_FAILURE  0xF108
#define AFX_IDP_COMMAND_FAILURE   0xF109
/* The print preview's bar: its buttons' captions ("&" before the letter that Alt presses) and the page
 * text of the status bar (a format with one %u: the page shown). */
#define AFX_IDS_PREVIEW_PRINT     0xF120
#define AFX_IDS_PREVIEW_NEXT      0xF121
#define AFX_IDS_PREVIEW_PREV      0xF122
#define AFX_IDS_PREVIEW_TWOPAGE   0xF123
#define AFX_IDS_PREVIEW_ONEPAGE   0xF124
#define AFX_IDS_PREVIEW_ZOOMIN    0xF125
#define AFX_IDS_PREVIEW_ZOOMOUT   0xF126
#define AFX_IDS_PREVIEW_CLOSE     0xF127
#define AFX_IDS_PREVIEW_PAGEDESC  0xF128
/* The filter of the file dialog that names the file of a print to a file ("text|pattern|...||"). */
#define AFX_IDS_PRINT_FILE_FILTER 0xF129

#endif
