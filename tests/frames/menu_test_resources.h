/* Ids of the menu tests' resources (with the tool-bar tests' resources, whose tool bar 128 gives the
 * menus their images). */
#ifndef ONDRIX_TESTS_FRAMES_MENU_RESOURCES_H
#define ONDRIX_TESTS_FRAMES_MENU_RESOURCES_H

#include "toolbar_test_resources.h"

#define IDR_MENU_MAIN  128 /* the frame: File, Edit, View, Window; title "Ondrix" */
#define IDR_MENU_SHEET 140 /* the sheets' template: File, Sheet, Window */
#define IDR_MENU_NONE  141 /* names nothing */

#define ID_MENU_EXIT   30401 /* has no image */
#define ID_MENU_SHEET  30402
#define IDC_VIEW_GO    30403 /* a button "&Go" of the sheets' view */

#endif
