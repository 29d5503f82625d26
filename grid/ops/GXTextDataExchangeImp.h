// Clipboard text exchange: cells to tab-separated text and text back into cells (CF_TEXT of the cut
// and paste module; the grid's CopyTextToFile, GetCopyTextRowCol, PasteTextFromBuffer,
// PasteTextRowCol and CalcBufferDimension forward to it).
//
// The text: one line per row, ended by CR LF (a single cell is written without it); the cells of a
// line apart by the grid's copy separator (empty: a tab). In a cell's text a tab is written as
// backslash t and a line break (CR LF, CR or LF) as one blank; with the clipboard option
// gxClipEscapes CR, LF and tab are written as backslash r, n and t, and a paste turns those pairs back.
// A paste ends a field at every character of the paste separators (empty: a tab), at CR or LF and at
// a NUL byte, which ends the text; a line end that is the text's last character adds no row. Pasting
// and counting walk the text the same way, so CalcBufferDimension gives the rows and columns a paste
// reaches.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CFile;
class CGXGridCore;
class CGXStyle;

class CGXAbstractGridTextDataExchangeImp : public CObject {
public:
    // Writes the cells of the ranges as text. TRUE when not aborted and some cell had a text.
    virtual BOOL CopyTextToFile(CGXGridCore* pGrid, CFile& file, const CGXRangeList& selList) = 0;
    // The text of a cell as it is copied (the out text comes first).
    virtual void GetCellText(CString& strText, CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) = 0;
    // Pastes nSize bytes of text into the cells from range's top-left cell on.
    virtual BOOL PasteTextFromBuffer(CGXGridCore* pGrid, const char* pszBuffer, DWORD nSize,
                                     const CGXCellRange& range) = 0;
    // Stores a pasted text in a cell (CGXGridCore::SetControlTextRowCol).
    virtual BOOL SetCellText(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const char* pszText, UINT nFlags,
                             const CGXStyle* pStyle) = 0;
    // The rows and columns a text of nSize bytes fills. TRUE.
    virtual BOOL CalcBufferDimension(CGXGridCore* pGrid, const char* pszBuffer, DWORD nSize, ROWCOL& nRows,
                                     ROWCOL& nCols) = 0;
};

class CGXGridTextDataExchangeImp : public CGXAbstractGridTextDataExchangeImp {
public:
    // The merged rows and columns of the ranges (up to the counts) as text, inside a long operation
    // that Escape may abort. Sets the grid's last copied block size. TRUE when not aborted and some
    // cell had a text.
    BOOL CopyTextToFile(CGXGridCore* pGrid, CFile& file, const CGXRangeList& selList) override;
    // The text the cell's control shows for its composed style; its Value without a control.
    void GetCellText(CString& strText, CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) override;
    // One undo step "Paste." inside a long operation that may roll back. Rows beyond the count are
    // added unless gxClipNoNewRows (the paste then stops there), columns unless gxClipNoNewCols (their
    // fields are then skipped). A cell that refuses its text ends the paste; what was pasted before
    // stays unless the user aborted and chose to roll back. TRUE unless ended early.
    BOOL PasteTextFromBuffer(CGXGridCore* pGrid, const char* pszBuffer, DWORD nSize,
                             const CGXCellRange& range) override;
    BOOL SetCellText(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const char* pszText, UINT nFlags,
                     const CGXStyle* pStyle) override;
    // nRows: the lines that hold a field; nCols: the most fields of a line (at least 1).
    BOOL CalcBufferDimension(CGXGridCore* pGrid, const char* pszBuffer, DWORD nSize, ROWCOL& nRows,
                             ROWCOL& nCols) override;
};

// Makes a CGXGridTextDataExchangeImp.
CGXAbstractGridTextDataExchangeImp* GXCreateTextDataExchangeImp();
