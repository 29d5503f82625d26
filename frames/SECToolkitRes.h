/* Ids of the toolkit's own resources (toolkit.rc) and of the commands and messages its bars use.
 * Plain #defines: the resource compiler reads this file too. */
#ifndef ONDRIX_FRAMES_SECTOOLKITRES_H
#define ONDRIX_FRAMES_SECTOOLKITRES_H

/* Commands of a sizable bar's context menu; their strings are the menu texts. */
#define ID_SEC_ALLOWDOCKING 43040 /* "Allow Docking": switch the bar's docking off or back on */
#define ID_SEC_HIDE         43041 /* "Hide": hide the bar through its frame */
#define ID_SEC_FLOATINMAINWINDOW 43042 /* "Float In Main Window": float the bar as a window of the main
                                        * window, or back */

/* The status text while a bar is dragged. */
#define IDS_SEC_PRESSCTRL 20535 /* "Press the Ctrl key to prevent docking." */

/* The dock bars' cursors over a splitter: one moved across (a vertical line) and one moved up and down. */
#define SEC_IDC_HSPLITBAR 0x7904
#define SEC_IDC_VSPLITBAR 0x7905

/* The commands of the entries of a dock bar's bar-list menu. */
#define ID_SEC_BARLIST_FIRST 57345
#define ID_SEC_BARLIST_LAST  57599

/* Tooltips of the buttons on a sizable bar's gripper. */
#define IDS_SEC_GRIPPER_HIDE     20540 /* "Hide docked window" */
#define IDS_SEC_GRIPPER_EXPAND   20541 /* "Expand docked window" */
#define IDS_SEC_GRIPPER_CONTRACT 20542 /* "Contract docked window" */

/* Sent by a sizable bar to its dock site before its context menu opens, so that the frame can add
 * items: wParam the bar (SECControlBar*), lParam the menu (CMenu*). */
#define SEC_WM_BARCONTEXTMENU 0x38FF

/* The owner-drawn buttons and colour wells. */
#define IDB_SEC_ARROWDOWN  23000  /* a menu button's arrow when its menu drops below */
#define IDB_SEC_ARROWRIGHT 23001  /* and when it drops to the right */
#define IDS_SEC_OTHERCOLOR 23100  /* "&Other...": the colour well's button to the colour dialog */
#define ID_SEC_OTHERCOLOR  0xEA31 /* that button's control id and command */

/* The icon of a window of the main window that hosts a bar floating there. */
#define IDR_SEC_BARHOST 20514

/* The check mark of a checked menu item without an image, in the button colours. */
#define IDB_SEC_CHECKMARK 20525

#endif
