// CWheelTurns: the steps of the mouse wheel's turns (see CWheelTurns.h).
#include "win/CWheelTurns.h"

#include <climits>

int CWheelTurns::Add(short zDelta, BOOL& bPages)
{
    if ((zDelta > 0 && m_nDelta < 0) || (zDelta < 0 && m_nDelta > 0))
        m_nDelta = 0;
    m_nDelta += zDelta;
    const int nNotches = m_nDelta / WHEEL_DELTA;
    m_nDelta -= nNotches * WHEEL_DELTA;
    UINT nLines = 3;
    if (!::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &nLines, 0))
        nLines = 3;
    bPages = nLines == WHEEL_PAGESCROLL;
    // a notch away from the user scrolls towards the start
    return bPages ? -nNotches : -nNotches * int(nLines);
}
