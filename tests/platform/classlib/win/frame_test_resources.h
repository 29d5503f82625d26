/* Ids of the resources of the frame, document and view tests (shared with the resource script). */
#ifndef FRAME_TEST_RESOURCES_H
#define FRAME_TEST_RESOURCES_H

#define IDR_MAIN        300 /* main frame: menu, accelerators, title */
#define IDR_SHEET       301 /* a document template with strings, menu and accelerators */
#define IDR_PLAIN       302 /* a document template without any resource */
#define IDR_NO_MENU     303 /* a title string but no menu */

/* commands */
#define ID_TEST_CHECKED      33001 /* update handler enables and checks it */
#define ID_TEST_DISABLED     33002 /* update handler disables it */
#define ID_TEST_COMMAND_ONLY 33003 /* a command handler, no update handler */
#define ID_TEST_NOBODY       33004 /* no handler anywhere */
#define ID_TEST_SUB          33005 /* the only item of a popup inside the popup */
#define ID_TEST_ACCEL        33006 /* F7 in the main frame's accelerators */
#define ID_TEST_SHEET        33007 /* the sheet template's own menu item */

#endif
