/* Ids of the toolkit tests' resources. */
#ifndef ONDRIX_TESTS_FRAMES_RESOURCES_H
#define ONDRIX_TESTS_FRAMES_RESOURCES_H

#define IDR_TB_FIRST      100 /* 16 by 15: ID_TB_BANDS, ID_TB_SQUARE, separator, ID_TB_BLUE */
#define IDR_TB_SECOND     101 /* says 20 by 18: ID_TB_SQUARE again, ID_TB_YELLOW */
#define IDR_TB_LARGE      102 /* 24 by 26, the large images of IDR_TB_FIRST */
#define IDR_TB_NO_BITMAP  103 /* 24 by 24, without its bitmap */
#define IDR_TB_TRUNCATED  104 /* claims five ids and holds two (truncated_toolbar.res: wrc makes no
                                 malformed tool bar) */

#define ID_TB_BANDS  30001 /* black, 0x808080, 0xC0C0C0 and white bands over red */
#define ID_TB_SQUARE 30002 /* a black 4 by 4 square at (4, 4) on 0xC0C0C0 */
#define ID_TB_BLUE   30003
#define ID_TB_YELLOW 30004
#define ID_TB_UNKNOWN 30099

#define IDD_TEST_BAR   110   /* a child dialog with a caption and a combo box */
#define IDC_BAR_COMBO  1001  /* ... whose entries come from the initialisation data */
#define IDD_POPUP_BAR  111   /* a popup dialog, which cannot be a bar */
#define IDD_KEYS_BAR   112   /* a child dialog with two edit boxes and a default button, all tab stops */
#define IDC_BAR_FIRST  1002
#define IDC_BAR_SECOND 1003
#define IDC_BAR_GO     1004
#define IDR_BAR_KEYS   113   /* accelerators: F5 gives ID_BAR_REFRESH */
#define ID_BAR_REFRESH 30110

#define ID_APP_PANE     57665 /* the application's only status pane: "_" */
#define ID_PANE_CAPS    30101 /* "CAP" */
#define ID_PANE_NUMBER  30102 /* "NUM LOCK" */
#define ID_PANE_MISSING 30103 /* has no string */

#endif
