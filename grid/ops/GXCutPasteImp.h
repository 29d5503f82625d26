// Cut, copy and paste of cells: the Edit commands of a grid, the clipboard formats CF_TEXT,
// "Grid Styles %08x" and "GX_DIRECTCOPY" (the grid's forwarders of the same names reach it;
// IsPasteFormatAvailable, PasteCellsFromClipboard and AskContinue reach IsClipboardDataAvailable,
// PasteFromDirectSource and ConfirmPasteSize).
//
// While a cell is edited (or nothing is selected) the cell's control copies, cuts and pastes its own
// text. Otherwise the commands work on the selected ranges, fitted to the cells below the header rows
// and right of the header columns (from row 0 with gxClipRowHeaders, from column 0 with
// gxClipColHeaders); several areas travel as the cross product of their merged rows and columns. A
// copy goes to the clipboard as CF_TEXT (gxClipText) and as the grid's private format (gxClipStyles);
// in direct-copy or direct-move mode a "GX_DIRECTCOPY" block tells a later paste in this grid
// (compared with its parameter object, never followed) to copy or move the source cells itself. In
// direct-move mode a cut only marks the cells; the next paste moves them, a copy before it cancels
// the cut.
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

class CGXGridCutPasteImp : public CGXAbstractGridCutPasteImp {
public:
    // FALSE while another window has the clipboard open; else whether something is selected or the
    // current cell's control may copy (cut: and the grid is not read-only).
    BOOL CanCopy(CGXGridCore* pGrid) override;
    // Empties the clipboard (FALSE when it cannot) and copies the selection, or the current cell; a
    // pending cut is cancelled and the grid redrawn.
    BOOL Copy(CGXGridCore* pGrid) override;
    // The ranges as text and as styles, as the clipboard options ask. TRUE when either was taken.
    BOOL CopyRange(CGXGridCore* pGrid, const CGXRangeList& selList) override;
    BOOL CopyTextToClipboard(CGXGridCore* pGrid, const CGXRangeList& selList) override;
    BOOL CopyCellsToClipboard(CGXGridCore* pGrid, const CGXRangeList& selList, BOOL bFull) override;
    BOOL CanCut(CGXGridCore* pGrid) override;
    // Copies and clears the selection, or the current cell (one undo step "Cut Data."); in
    // direct-move mode only copies and marks the cut.
    BOOL Cut(CGXGridCore* pGrid) override;
    BOOL CutRange(CGXGridCore* pGrid, const CGXRangeList& selList, BOOL bStyles) override;
    BOOL CanPaste(CGXGridCore* pGrid) override;
    BOOL IsClipboardDataAvailable(CGXGridCore* pGrid) override;
    // Pastes at the one selected range or the current cell; several selected areas show "Pasting is
    // not possible for multi-area selections." and answer FALSE.
    BOOL Paste(CGXGridCore* pGrid) override;
    // Copies (or, for a pending cut, moves) the source cells with their gaps closed up. Out of memory
    // shows "Range too big." and answers FALSE. TRUE when every block went, or when there was
    // nothing to paste this way.
    BOOL PasteFromDirectSource(CGXGridCore* pGrid, const CGXCellRange& range) override;
    // The private format (with gxClipStyles) when the clipboard holds it, else CF_TEXT or CF_OEMTEXT
    // (with gxClipText), from range's top-left cell. The clipboard is open.
    BOOL PasteFromClipboard(CGXGridCore* pGrid, const CGXCellRange& range) override;
    // "Clipboard size is different from selected range" with OK and Cancel.
    BOOL ConfirmPasteSize(CGXGridCore* pGrid) override;
};

// Makes a CGXGridCutPasteImp.
CGXAbstractGridCutPasteImp* GXCreateCutPasteImp();
