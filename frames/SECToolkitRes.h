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

/* Customising tool bars. */
#define IDS_SEC_TOOLBARNAME 20674 /* "ToolBar%d": the title of a new user tool bar (its number) */
#define IDS_SEC_RESET       20536 /* "&Reset": the tool-bar page's button for a bar the program made */
#define IDS_SEC_DELETE      20537 /* "&Delete": and for a bar the user made */
#define SEC_IDC_COPYBUTTON  0x50D3 /* the cursor of a button dragged with Ctrl (a copy) */

/* The customise sheet's pages and the dialog naming a new tool bar, with their controls. */
#define IDD_SEC_BUTTONSPAGE  20509
#define IDD_SEC_TOOLBARSPAGE 20510
#define IDD_SEC_NEWTOOLBAR   20511
#define IDC_SEC_BUTTONGROUP  43093 /* the buttons page's "Buttons" group */
#define IDC_SEC_BARLIST      43094 /* the tool bars (a check list) / the buttons page's list */
#define IDC_SEC_BUTTONTEXT   43095 /* the buttons page's text */
#define IDC_SEC_NEWBARNAME   43096 /* the new tool bar's name */
#define IDC_SEC_NAMELABEL    43097 /* "Toolbar name:" */
#define IDC_SEC_NEWBAR       43098 /* "&New..." */
#define IDC_SEC_CUSTOMIZE    43099 /* "C&ustomize...", and what the sheet ends with to go on customising */
#define IDC_SEC_RESETBAR     43100 /* "&Reset" or "&Delete" */
#define IDC_SEC_TOOLTIPS     43101 /* "&Show Tooltips" */
#define IDC_SEC_BARNAME      43102 /* the selected bar's name */
#define IDC_SEC_LARGEBTNS    43103 /* "&Large Buttons" */
#define IDC_SEC_COOLLOOK     43104 /* "C&ool Look" */

#endif
