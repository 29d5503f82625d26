/* Ids of the tool-bar tests' resources. */
#ifndef ONDRIX_TESTS_FRAMES_TOOLBAR_RESOURCES_H
#define ONDRIX_TESTS_FRAMES_TOOLBAR_RESOURCES_H

/* The application's tool bar: 16 by 15 images of 18 commands in six groups. */
#define IDR_APP_TOOLBAR 128
#define ID_NEW          32795
#define ID_OPEN         57601
#define ID_SAVE         32796
#define ID_CUT          57635
#define ID_COPY         57634
#define ID_PASTE        57637
#define ID_PRINT        57607
#define ID_SOLVE        32771
#define ID_KENDALL      32798
#define ID_GRID         32772
#define ID_MATRIX       32773
#define ID_RANKING      32774
#define ID_GRAPHS       32802
#define ID_PANE_ALT     32775
#define ID_PANE_REF     32776
#define ID_PANE_CRIT    32777
#define ID_TB_HELP   57670
#define ID_ABOUT        57664

#define IDR_NO_SUCH_TOOLBAR 129 /* no resource */
#define IDR_TOOLBAR_NO_BMP  130 /* a tool bar without its bitmap */

#endif
