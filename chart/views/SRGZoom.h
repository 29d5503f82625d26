// The zoom stack of the chart views: SRGZoom, the state of one chart display before a zoom, and
// CObStack, a stack of owned objects that holds the zoom records.
//
// A zoom step pushes one record per display it zoomed; the records of one step after the first carry
// their display number complemented (~n), so that an undo pops until it has restored the record with
// a plain number (DEDizedView::UndoZoom).
#pragma once

#include "chart/engine/CScale.h"
#include "core/Core.h"

// A stack of objects it owns: the head of the list is the top. Whatever is left on it when it goes is
// deleted (through the objects' virtual destructors).
class CObStack : public CObList {
public:
    CObStack();
    ~CObStack() override;
    CObStack(const CObStack&) = delete;
    CObStack& operator=(const CObStack&) = delete;

    // Puts pObject (not null) on top; the stack then owns it. When no node can be made the object is
    // deleted and CMemoryException* thrown, so that it never loses its owner.
    void Push(CObject* pObject);
    // Takes the top object off (the caller owns it); null when the stack is empty.
    CObject* Pop();
    // The number of objects on the stack.
    int Count() const;
};

// What a zoom changed of one display, to be put back by an undo. The view fills and reads the fields.
class SRGZoom : public CObject {
    DECLARE_DYNAMIC(SRGZoom)
public:
    // Every number 0; both ranges empty (reset flag 1).
    SRGZoom();

    CScale m_yRange;       // the display's y view range before the zoom
    CScale m_xRange;       // its x view range
    int m_nDisplay;        // the display's number among the chart's displays; ~number continues a step
    int m_nMask;           // what the zoom changed: 1 the item window, 2 the group window
    double m_dFixedMin;    // the display's four limits before the zoom
    double m_dFixedMax;
    double m_dFixedXMin;
    double m_dFixedXMax;
    int m_nFirstIndex;     // the display's data window before the zoom (-1: unrestricted)
    int m_nLastIndex;
    int m_nFirstGroup;
    int m_nLastGroup;
};
