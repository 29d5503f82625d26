// Clipboard text exchange: cells to tab-separated text and text back into cells (CF_TEXT of the cut
// and paste module; the grid's CopyTextToFile, GetCopyTextRowCol, PasteTextFromBuffer,
// PasteTextRowCol and CalcBufferDimension forward to it).
//
// Does not do yet: the module (CGXGridTextDataExchangeImp) comes with its own work; its creator
// (GXCreateTextDataExchangeImp) plugs into the table of GXOperations.cpp when it lands.
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

CGXAbstractGridTextDataExchangeImp* GXCreateTextDataExchangeImp();
