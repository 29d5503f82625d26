// CWheelTurns: what turns of the mouse wheel ask a window to scroll, as the system is set: the lines a
// notch scrolls (SPI_GETWHEELSCROLLLINES; 3 when it cannot be read), or a page a notch
// (WHEEL_PAGESCROLL). A window keeps one and feeds it the turns of its WM_MOUSEWHEEL messages. Turns
// of less than a notch (wheels with finer steps) add up until they make one; a turn the other way
// forgets what was left over.
#pragma once

#include <windows.h>

class CWheelTurns {
public:
    // Adds the turn zDelta (WHEEL_DELTA a notch, positive away from the user) and returns the whole
    // steps it completes, positive towards the end of the drawing (down, or right): lines, or pages
    // when bPages comes back TRUE.
    int Add(short zDelta, BOOL& bPages);

private:
    int m_nDelta = 0; // the turn not yet made into steps
};
