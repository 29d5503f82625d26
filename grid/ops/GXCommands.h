// The undo and redo commands. Each keeps what the reverse of one grid operation needs and, when
// executed, calls that very grid operation again with the saved state, the update flag 2 and the
// command type it was given; the operation then records the reverse of the reverse, so that an undo
// feeds the redo list and a redo the undo list. The command factory (GXCommandFactory.h) makes them
// through its creators and keeps them.
//
// A command owns what it was given: the size and flag arrays (new int[]), the style arrays (CObArray
// of CGXStyle, one entry per cell, rows outer; an entry may be null, and an object after the cells is
// formula undo information, a CObList of such objects included), the move maps, the undo information
// of a move; its destructor frees them once. The styles map, properties and base style it restores
// are its own copies.
//
// A command's name tells what the user did that it takes back: CGXRemoveRowsCmd, recorded when rows
// were inserted, is "Insert Rows". The simple commands share one text per class, loaded from the
// string table on first use (a missing string becomes a single blank, so it is looked for once).
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"
#include "grid/ops/GXCommand.h"

class CGXProperties;
class CGXStyle;
class CGXStylesMap;

// Deletes an array of saved styles: a CObList among its entries (formula undo information) loses its
// objects first, then every entry goes, then the array. Nothing for null.
void GXDeleteSavedStyles(CObArray* pArray);

// A group of commands recorded in one undo transaction, newest at the head.
class CGXBlockCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXBlockCmd)
public:
    // pszName: the block's name (null or empty: "Block").
    explicit CGXBlockCmd(const char* pszName = nullptr);
    // Deletes the commands, head first.
    ~CGXBlockCmd() override;
    // Runs the commands head first through the grid's ExecuteCommand, inside a long operation that
    // shows "Undoing %1 ..." (type 2), "Redoing %1 ..." (type 3) or the bare name. An undo (redo) opens
    // a new block of the same name at the head of the redo (undo) list that collects the reverse
    // commands; more than one command runs with redrawing locked and ends with a full redraw; the
    // first failure stops the run, and then the reverse commands made so far are run as a rollback
    // and their block is dropped, so that the grid is back where it was and the block can be tried
    // again. A move of the current cell asked for meanwhile is made at the end. TRUE when all ran.
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override { return m_strName; }

    CObList m_commands;
    CString m_strName;
};

// ---- the shapes the row and column twins share ------------------------------------------------------

// A run of rows or columns with one saved value each (sizes or hidden flags).
class CGXLineValuesCmd : public CGXCommand {
public:
    CGXLineValuesCmd(ROWCOL nFirst, ROWCOL nLast, int* anValues) : m_nFirst(nFirst), m_nLast(nLast), m_anValues(anValues)
    {
    }
    ~CGXLineValuesCmd() override { delete[] m_anValues; }
    ROWCOL m_nFirst;
    ROWCOL m_nLast;
    int* m_anValues;
};

// A block of rows or columns and where it goes (a destination of 0 for a removal).
class CGXLineBlockCmd : public CGXCommand {
public:
    CGXLineBlockCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest = 0) : m_nFrom(nFrom), m_nTo(nTo), m_nDest(nDest) {}
    ROWCOL m_nFrom;
    ROWCOL m_nTo;
    ROWCOL m_nDest;
};

// Rows or columns to insert again with what was saved of them: sizes, cell styles (nOtherCount per
// line, lines outer for rows, rows outer for columns) and base styles; each may be null.
class CGXInsertLinesCmd : public CGXCommand {
public:
    CGXInsertLinesCmd(ROWCOL nFirst, ROWCOL nCount, int* anSizes, CObArray* pCellStyles, CObArray* pBaseStyles,
                      ROWCOL nOtherCount)
        : m_nFirst(nFirst), m_nCount(nCount), m_anSizes(anSizes), m_pCellStyles(pCellStyles),
          m_pBaseStyles(pBaseStyles), m_nOtherCount(nOtherCount)
    {
    }
    ~CGXInsertLinesCmd() override;
    ROWCOL m_nFirst;
    ROWCOL m_nCount;
    int* m_anSizes;
    CObArray* m_pCellStyles;
    CObArray* m_pBaseStyles;
    ROWCOL m_nOtherCount;
};

// Frozen and header counts.
class CGXFrozenLinesCmd : public CGXCommand {
public:
    CGXFrozenLinesCmd(ROWCOL nFrozen, ROWCOL nHeaders) : m_nFrozen(nFrozen), m_nHeaders(nHeaders) {}
    ROWCOL m_nFrozen;
    ROWCOL m_nHeaders;
};

// A sorted block and the map that puts its rows or columns back.
class CGXMoveDataCmd : public CGXCommand {
public:
    CGXMoveDataCmd(const CGXCellRange& range, CDWordArray* pMoveMap) : m_pMoveMap(pMoveMap), m_range(range) {}
    ~CGXMoveDataCmd() override { delete m_pMoveMap; }
    CDWordArray* m_pMoveMap;
    CGXCellRange m_range;
};

// ---- the commands, in the order of the factory's creators -------------------------------------------

// "Change Row Heights": the heights before the change.
class CGXSetRowHeightCmd : public CGXLineValuesCmd {
    DECLARE_DYNAMIC(CGXSetRowHeightCmd)
public:
    using CGXLineValuesCmd::CGXLineValuesCmd;
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
};

// "Hide Rows": the hidden flags before the change.
class CGXHideRowsCmd : public CGXLineValuesCmd {
    DECLARE_DYNAMIC(CGXHideRowsCmd)
public:
    using CGXLineValuesCmd::CGXLineValuesCmd;
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
};

// "Change Default Row Height".
class CGXSetDefaultRowHeightCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXSetDefaultRowHeightCmd)
public:
    explicit CGXSetDefaultRowHeightCmd(int nHeight) : m_nHeight(nHeight) {}
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
    int m_nHeight;
};

// "Change Column Widths".
class CGXSetColWidthCmd : public CGXLineValuesCmd {
    DECLARE_DYNAMIC(CGXSetColWidthCmd)
public:
    using CGXLineValuesCmd::CGXLineValuesCmd;
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
};

// "Hide Columns".
class CGXHideColsCmd : public CGXLineValuesCmd {
    DECLARE_DYNAMIC(CGXHideColsCmd)
public:
    using CGXLineValuesCmd::CGXLineValuesCmd;
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
};

// "Change Default Column Width".
class CGXSetDefaultColWidthCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXSetDefaultColWidthCmd)
public:
    explicit CGXSetDefaultColWidthCmd(int nWidth) : m_nWidth(nWidth) {}
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
    int m_nWidth;
};

// "Move Rows": moves m_nFrom..m_nTo to m_nDest.
class CGXMoveRowsCmd : public CGXLineBlockCmd {
    DECLARE_DYNAMIC(CGXMoveRowsCmd)
public:
    using CGXLineBlockCmd::CGXLineBlockCmd;
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
};

// "Move Columns".
class CGXMoveColsCmd : public CGXLineBlockCmd {
    DECLARE_DYNAMIC(CGXMoveColsCmd)
public:
    using CGXLineBlockCmd::CGXLineBlockCmd;
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
};

// "Insert Rows": removes m_nFrom..m_nTo.
class CGXRemoveRowsCmd : public CGXLineBlockCmd {
    DECLARE_DYNAMIC(CGXRemoveRowsCmd)
public:
    using CGXLineBlockCmd::CGXLineBlockCmd;
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
};

// "Insert Columns".
class CGXRemoveColsCmd : public CGXLineBlockCmd {
    DECLARE_DYNAMIC(CGXRemoveColsCmd)
public:
    using CGXLineBlockCmd::CGXLineBlockCmd;
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
};

// "Removing rows ..." (the progress text serves as its name).
class CGXInsertRowsCmd : public CGXInsertLinesCmd {
    DECLARE_DYNAMIC(CGXInsertRowsCmd)
public:
    using CGXInsertLinesCmd::CGXInsertLinesCmd;
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
};

// "Removing columns ...".
class CGXInsertColsCmd : public CGXInsertLinesCmd {
    DECLARE_DYNAMIC(CGXInsertColsCmd)
public:
    using CGXInsertLinesCmd::CGXInsertLinesCmd;
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
};

// "Cover Cells": the covering to set again.
class CGXSetCoveredCellsCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXSetCoveredCellsCmd)
public:
    CGXSetCoveredCellsCmd(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight)
        : m_nTop(nTop), m_nLeft(nLeft), m_nBottom(nBottom), m_nRight(nRight)
    {
    }
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
    ROWCOL m_nTop;
    ROWCOL m_nLeft;
    ROWCOL m_nBottom;
    ROWCOL m_nRight;
};

// "Cells": the styles of a range before the change (kind 0 cells, -1 base styles), copied back.
class CGXSetStyleRangeCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXSetStyleRangeCmd)
public:
    CGXSetStyleRangeCmd(const CGXCellRange& range, int nKind, CObArray* pStyles)
        : m_range(range), m_nKind(nKind), m_pStyles(pStyles)
    {
    }
    ~CGXSetStyleRangeCmd() override { GXDeleteSavedStyles(m_pStyles); }
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
    CGXCellRange m_range;
    int m_nKind;
    CObArray* m_pStyles;
};

// "Freeze Rows": the frozen and header counts before the change.
class CGXSetFrozenRowsCmd : public CGXFrozenLinesCmd {
    DECLARE_DYNAMIC(CGXSetFrozenRowsCmd)
public:
    using CGXFrozenLinesCmd::CGXFrozenLinesCmd;
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
};

// "Freeze Columns".
class CGXSetFrozenColsCmd : public CGXFrozenLinesCmd {
    DECLARE_DYNAMIC(CGXSetFrozenColsCmd)
public:
    using CGXFrozenLinesCmd::CGXFrozenLinesCmd;
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
};

// "Sort Rows": the map that puts the sorted rows back.
class CGXMoveDataRowsCmd : public CGXMoveDataCmd {
    DECLARE_DYNAMIC(CGXMoveDataRowsCmd)
public:
    using CGXMoveDataCmd::CGXMoveDataCmd;
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
};

// "Sort Columns".
class CGXMoveDataColsCmd : public CGXMoveDataCmd {
    DECLARE_DYNAMIC(CGXMoveDataColsCmd)
public:
    using CGXMoveDataCmd::CGXMoveDataCmd;
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
};

// "Styles Map Changes": a copy of the styles map before the change.
class CGXChangeStylesMapCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXChangeStylesMapCmd)
public:
    explicit CGXChangeStylesMapCmd(const CGXStylesMap& stylesMap);
    ~CGXChangeStylesMapCmd() override;
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
    CGXStylesMap* m_pStylesMap;
};

// "Property Settings": a copy of the properties before the change.
class CGXChangePropertiesCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXChangePropertiesCmd)
public:
    explicit CGXChangePropertiesCmd(const CGXProperties& properties);
    ~CGXChangePropertiesCmd() override;
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
    CGXProperties* m_pProperties;
};

// The base style's name: a copy of base style m_nId before the change.
class CGXChangeBaseStyleCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXChangeBaseStyleCmd)
public:
    CGXChangeBaseStyleCmd(WORD nId, const CGXStyle& style, const char* pszName);
    ~CGXChangeBaseStyleCmd() override;
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override { return m_strName; }
    CGXStyle* m_pStyle;
    CString m_strName;
    WORD m_nId;
};

// "Move": moves the block now at (m_nDestRow, m_nDestCol) back to m_range; the undo information of
// the data move (what the move overwrote) goes to the move back, which puts it in place.
class CGXMoveCellsCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXMoveCellsCmd)
public:
    CGXMoveCellsCmd(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol, CObject* pMoveInfo)
        : m_range(range), m_nDestRow(nDestRow), m_nDestCol(nDestCol), m_pMoveInfo(pMoveInfo)
    {
    }
    ~CGXMoveCellsCmd() override { delete m_pMoveInfo; }
    // Hands the undo information to the grid's MoveCells and forgets it.
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
    CGXCellRange m_range;
    ROWCOL m_nDestRow;
    ROWCOL m_nDestCol;
    CObject* m_pMoveInfo;
};

// "Set Range Name": the name's old definition set again, or the name deleted when it had none.
class CGXSetRangeNameCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXSetRangeNameCmd)
public:
    CGXSetRangeNameCmd(const char* pszName, BOOL bHadOldRange, const CGXCellRange& oldRange)
        : m_strName(pszName), m_bHadOldRange(bHadOldRange), m_oldRange(oldRange)
    {
    }
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
    CString m_strName;
    BOOL m_bHadOldRange;
    CGXCellRange m_oldRange;
};

// "Delete Range Name": the deleted name set again with the engine's undo information (which the
// command keeps).
class CGXDeleteRangeNameCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXDeleteRangeNameCmd)
public:
    CGXDeleteRangeNameCmd(const char* pszName, const CGXCellRange& range, CObject* pNameInfo)
        : m_strName(pszName), m_range(range), m_pNameInfo(pNameInfo)
    {
    }
    ~CGXDeleteRangeNameCmd() override { delete m_pNameInfo; }
    BOOL Execute(CGXGridCore* pGrid, int nCommandType) override;
    const char* GetName() override;
    CString m_strName;
    CGXCellRange m_range;
    CObject* m_pNameInfo;
};
