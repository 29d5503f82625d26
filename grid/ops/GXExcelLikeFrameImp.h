// The Excel-like frame around the selected range, with its fill knob. Attaching it also attaches the
// user range selection. The grid reaches it through DrawFramePart, DrawExcelLikeFrame,
// UpdateExcelLikeFrame and HideExcelLikeFrame. The grid does not ask RedrawFrameKnob after painting:
// its paint erases the frame and draws it again whole, knob included, and since everything is drawn by
// inverting pixels, the knob drawn once more would vanish.
//
// The module is CGXGridExcelLikeFrameImp (GXGridExcelLikeFrameImp.h).
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"
#include "win/CRect.h"

class CDC;
class CGXGridCore;

class CGXAbstractGridExcelLikeFrameImp : public CObject {
public:
    // Draws the part of the frame rectangle rectFrame inside rectClip (bTopVisible, bLeftVisible: those
    // edges lie in view; nKnob the kind of knob; bKnobOnly: the knob alone).
    virtual void DrawFramePart(CGXGridCore* pGrid, CDC* pDC, const CRect& rectClip, const CRect& rectFrame,
                               BOOL bTopVisible, BOOL bLeftVisible, int nKnob, BOOL bKnobOnly) = 0;
    // Draws the frame of range.
    virtual void DrawFrame(CGXGridCore* pGrid, CDC* pDC, const CGXCellRange& range, int nKnob, BOOL bKnobOnly) = 0;
    // Erases (bErase) the frame shown and draws the frame of pRange (null without bErase: the
    // selection's last range).
    virtual void UpdateFrame(CGXGridCore* pGrid, CDC* pDC, BOOL bErase, const CGXCellRange* pRange) = 0;
    // Draws the knob alone again (which, inverted, takes away a knob shown) for a whole-rows or
    // whole-columns frame that is shown.
    virtual void RedrawFrameKnob(CGXGridCore* pGrid) = 0;
    // Hides (bHide) or shows the frame. Returns whether it was hidden before.
    virtual BOOL HideFrame(CGXGridCore* pGrid, BOOL bHide, BOOL bCreateHint) = 0;
};

CGXAbstractGridExcelLikeFrameImp* GXCreateExcelLikeFrameImp();
