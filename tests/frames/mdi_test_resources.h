/* Resources of the docking MDI frame and workbook tests. */
#ifndef ONDRIX_TESTS_FRAMES_MDI_RESOURCES_H
#define ONDRIX_TESTS_FRAMES_MDI_RESOURCES_H

#define IDR_MDI_MAIN   300 /* the frame: menu with a Window popup, title */
#define IDR_MDI_SHEET  301 /* the sheets' template: menu with a Window popup, strings, a red icon */
#define IDR_MDI_OTHER  302 /* a menu of no template and no frame */
#define IDR_MDI_NONE   303 /* names nothing */

#define ID_MDI_FILE_ITEM  30301
#define ID_MDI_SHEET_ITEM 30302
#define ID_MDI_OTHER_ITEM 30303

#endif
