// Resizing rows and columns to the size of their contents.
//
// The module: CGXGridResizeToFitImp (GXGridResizeToFitImp.h).
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CGXGridCore;

class CGXAbstractGridResizeToFitImp : public CObject {
public:
    // TRUE when done, FALSE when the user aborted.
    virtual BOOL ResizeRowHeightsToFit(CGXGridCore* pGrid, CGXCellRange range, BOOL bIncludeCovered, UINT nFlags) = 0;
    virtual BOOL ResizeColWidthsToFit(CGXGridCore* pGrid, CGXCellRange range, BOOL bIncludeCovered, UINT nFlags) = 0;
};

CGXAbstractGridResizeToFitImp* GXCreateResizeToFitImp();
