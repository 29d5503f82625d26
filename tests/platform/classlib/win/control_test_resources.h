/* Ids of the resources of the control tests (shared with the script). */
#ifndef CONTROL_TEST_RESOURCES_H
#define CONTROL_TEST_RESOURCES_H

#define IDR_BLACK_WHITE_CLIP 259 /* AVI: 16 by 16 pixels, a black frame then a white one */
#define IDR_MISSING_CLIP     260 /* no such clip */

#endif
