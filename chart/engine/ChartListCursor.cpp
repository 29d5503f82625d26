#include "chart/engine/ChartListCursor.h"

ChartListWalk PlanChartListWalk(int nCount, int nCursor, int nIndex)
{
    if (nIndex == nCursor)
        return {ChartListWalk::fromCursor, true, 0};
    if (nIndex == nCursor + 1 || nIndex == nCursor - 1)
        return {ChartListWalk::fromCursor, nIndex > nCursor, 1};
    if (nIndex > nCursor) {
        if (nIndex - nCursor >= nCount - nCursor - 1)
            return {ChartListWalk::fromTail, false, nCount - 1 - nIndex};
        return {ChartListWalk::fromCursor, true, nIndex - nCursor};
    }
    if (nCursor - nIndex >= nIndex)
        return {ChartListWalk::fromHead, true, nIndex};
    return {ChartListWalk::fromCursor, false, nCursor - nIndex};
}
