// Cut, copy and paste of cells: the Edit commands of a grid, the clipboard formats CF_TEXT,
// "Grid Styles %08x" and "GX_DIRECTCOPY" (the grid's forwarders of the same names reach it;
// IsPasteFormatAvailable, PasteCellsFromClipboard and AskContinue reach IsClipboardDataAvailable,
// PasteFromDirectSource and ConfirmPasteSize).
//
// Does not do yet: the module (CGXGridCutPasteImp) comes with its own work; its creator (GXCreateCutPasteImp)
// plugs into the table of GXOperations.cpp when it lands.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CGXGridCore;

// Each answers TRUE when it did (or may do) its work.
class CGXAbstractGridCutPasteImp : public CObject {
public:
    virtual BOOL CanCopy(CGXGridCore* pGrid) = 0;
    virtual BOOL Copy(CGXGridCore* pGrid) = 0;
    virtual BOOL CopyRange(CGXGridCore* pGrid, const CGXRangeList& selList) = 0;
    virtual BOOL CopyTextToClipboard(CGXGridCore* pGrid, const CGXRangeList& selList) = 0;
    virtual BOOL CopyCellsToClipboard(CGXGridCore* pGrid, const CGXRangeList& selList, BOOL bFull) = 0;
    virtual BOOL CanCut(CGXGridCore* pGrid) = 0;
    virtual BOOL Cut(CGXGridCore* pGrid) = 0;
    virtual BOOL CutRange(CGXGridCore* pGrid, const CGXRangeList& selList, BOOL bStyles) = 0;
    virtual BOOL CanPaste(CGXGridCore* pGrid) = 0;
    // The clipboard holds CF_TEXT, CF_OEMTEXT or the grid's own format.
    virtual BOOL IsClipboardDataAvailable(CGXGridCore* pGrid) = 0;
    virtual BOOL Paste(CGXGridCore* pGrid) = 0;
    // Pastes a block this grid's parameter object copied ("GX_DIRECTCOPY") at range.
    virtual BOOL PasteFromDirectSource(CGXGridCore* pGrid, const CGXCellRange& range) = 0;
    virtual BOOL PasteFromClipboard(CGXGridCore* pGrid, const CGXCellRange& range) = 0;
    // Asks whether to paste a block of another size than the selection: TRUE for OK.
    virtual BOOL ConfirmPasteSize(CGXGridCore* pGrid) = 0;
};

CGXAbstractGridCutPasteImp* GXCreateCutPasteImp();
