// ChartListCursor: the remembered position of a chart list (a group's items, a data manager's groups)
// that makes reading the items or groups in turn cheap. The n-th node is reached from whichever of
// the cursor, the head and the tail is nearer: a neighbour of the cursor takes one step from it; for
// an index after the cursor the walk goes back from the tail when (index - cursor) >= (count -
// cursor - 1), else forward from the cursor; for an index before it, forward from the head when
// (cursor - index) >= index, else back from the cursor. The cursor then stands at the node found.
//
// The owner of the list keeps the cursor valid: Invalidate it (or Reset it) whenever a node it may
// stand on is removed. An invalid cursor is reset to the head before a walk.
#pragma once

#include "core/Core.h"

// How a walk to an index goes: where it starts, in which direction and how many steps it takes.
struct ChartListWalk {
    enum From { fromCursor, fromHead, fromTail };
    From from;
    bool bForward;
    int nSteps;
};

// The walk from the cursor at nCursor to nIndex in a list of nCount nodes (both indexes in range).
ChartListWalk PlanChartListWalk(int nCount, int nCursor, int nIndex);

class ChartListCursor {
public:
    // The cursor stands at the head of list (invalid when the list is empty).
    template <class List>
    void Reset(const List& list)
    {
        Set(list.GetHeadPosition(), 0);
    }
    // The cursor stands nowhere.
    void Invalidate() { Set(nullptr, 0); }
    // The cursor stands at pos, the nIndex-th node.
    void Set(POSITION pos, int nIndex)
    {
        m_pos = pos;
        m_nIndex = nIndex;
    }

    // Walks to the nIndex-th node of list (0 <= nIndex < count) and stands there. Returns its
    // position.
    template <class List>
    POSITION MoveTo(const List& list, int nIndex)
    {
        if (m_pos == nullptr)
            Reset(list);
        const ChartListWalk walk = PlanChartListWalk(list.GetCount(), m_nIndex, nIndex);
        POSITION pos = walk.from == ChartListWalk::fromHead   ? list.GetHeadPosition()
                       : walk.from == ChartListWalk::fromTail ? list.GetTailPosition()
                                                               : m_pos;
        for (int i = 0; i < walk.nSteps; ++i) {
            if (walk.bForward)
                list.GetNext(pos);
            else
                list.GetPrev(pos);
        }
        Set(pos, nIndex);
        return pos;
    }

private:
    POSITION m_pos = nullptr;
    int m_nIndex = 0;
};
