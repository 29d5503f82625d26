/* Ids of the owner-drawn button tests' resources. */
#ifndef ONDRIX_TESTS_FRAMES_BUTTON_RESOURCES_H
#define ONDRIX_TESTS_FRAMES_BUTTON_RESOURCES_H

#define IDB_TEST_BANDS   300 /* 12 by 10: 3-pixel bands of black, 0x808080, 0xC0C0C0 and white, then
                                two rows of red */
#define IDB_TEST_SQUARE  301 /* 8 by 8, black */
#define IDB_TEST_MISSING 399 /* no such bitmap */

#define IDD_TEST_WELLS   400 /* the five colour buttons of an options page, and a plain button */
#define IDC_BACKGROUND   1023
#define IDC_AXIS         1026
#define IDC_LINE         1029
#define IDC_POINTS       1030
#define IDC_BARS         1031
#define IDC_PLAIN        1032

#endif
