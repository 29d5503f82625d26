// The class library's tool-bar button style bits (TBBS_*), as tool-bar buttons keep them in their style
// word and command updates set them: the button's kind in the low word (TBBS_SEPARATOR, TBBS_CHECKBOX),
// its state in the high word. Stored button lists and the toolkit's own bits (above these, in the top
// byte) rely on the values, so they never change.
#pragma once

#define TBBS_BUTTON        0x00000000 // a push button
#define TBBS_SEPARATOR     0x00000001 // a gap between groups, without command or image
#define TBBS_CHECKBOX      0x00000002 // toggles between checked and not checked
#define TBBS_CHECKED       0x00010000 // checked (drawn down)
#define TBBS_PRESSED       0x00020000 // held down by the mouse
#define TBBS_DISABLED      0x00040000 // disabled (drawn embossed, refuses presses)
#define TBBS_HIDDEN        0x00080000 // takes no place and is not drawn
#define TBBS_INDETERMINATE 0x00100000 // neither checked nor not checked
#define TBBS_WRAPPED       0x00200000 // the last button of a row that is not the last row
