// What the merged-cells and floating-cells modules share while they evaluate spans:
// - CGXSpanStyleCache, the composed cell styles of the row being evaluated: a neighbour is asked for
//   several times, composing it once is enough. The styles come from the grid's scratch styles
//   (CGXGridCore::CreateStyle) and go back to them (RecycleStyle) when the cache is emptied, which the
//   modules do after every row and at the end of every evaluation, so a cached style never outlives a
//   change of the cells;
// - CGXSpanRedrawLock, the parameter's redraw lock held over an evaluation (the spans stored meanwhile
//   are redrawn by whoever asked for the evaluation).
#pragma once

#include <windows.h>

#include "grid/engine/GXRange.h"

#include <map>

class CGXGridCore;
class CGXGridParam;
class CGXStyle;

class CGXSpanStyleCache {
public:
    CGXSpanStyleCache() = default;
    ~CGXSpanStyleCache();
    CGXSpanStyleCache(const CGXSpanStyleCache&) = delete;
    CGXSpanStyleCache& operator=(const CGXSpanStyleCache&) = delete;

    // The composed style of (nRow, nCol), composed on the first call for the cell (a cell of another
    // row empties the cache first). The style stays the cache's.
    CGXStyle& Get(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol);
    // Gives every cached style back to the grid.
    void Empty();

    // Counts the evaluations under way; the outermost one empties the cache when it ends.
    class Scope {
    public:
        explicit Scope(CGXSpanStyleCache& cache) : m_cache(cache) { ++m_cache.m_nDepth; }
        ~Scope()
        {
            if (--m_cache.m_nDepth == 0)
                m_cache.Empty();
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        CGXSpanStyleCache& m_cache;
    };

private:
    CGXGridCore* m_pGrid = nullptr;
    ROWCOL m_nRow = 0;
    std::map<ROWCOL, CGXStyle*> m_styles;
    int m_nDepth = 0;
};

class CGXSpanRedrawLock {
public:
    // Sets pParam's redraw lock unless bAlreadyLocked (the caller holds it).
    CGXSpanRedrawLock(CGXGridParam* pParam, BOOL bAlreadyLocked);
    // Gives the lock back its old state.
    ~CGXSpanRedrawLock();
    CGXSpanRedrawLock(const CGXSpanRedrawLock&) = delete;
    CGXSpanRedrawLock& operator=(const CGXSpanRedrawLock&) = delete;

private:
    CGXGridParam* m_pParam;
    BOOL m_bOld;
};
