// CGXGridMoveRowsColsImp: moving rows and columns (see GXMoveRowsColsImp.h); each twin is one
// operation of GXLineAxis.
#include "grid/engine/GXMoveRowsColsImp.h"

#include "grid/engine/GXLineAxis.h"

BOOL CGXGridMoveRowsColsImp::StoreMoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest,
                                           BOOL bProcessed)
{
    return GXLineAxis(*pGrid, TRUE).StoreMove(nFrom, nTo, nDest, bProcessed);
}

void CGXGridMoveRowsColsImp::UpdateMoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                                            BOOL bCreateHint)
{
    GXLineAxis(*pGrid, TRUE).UpdateMove(nFrom, nTo, nDest, nFlags, bCreateHint);
}

BOOL CGXGridMoveRowsColsImp::StoreMoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest,
                                           BOOL bProcessed)
{
    return GXLineAxis(*pGrid, FALSE).StoreMove(nFrom, nTo, nDest, bProcessed);
}

void CGXGridMoveRowsColsImp::UpdateMoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                                            BOOL bCreateHint)
{
    GXLineAxis(*pGrid, FALSE).UpdateMove(nFrom, nTo, nDest, nFlags, bCreateHint);
}

BOOL CGXGridMoveRowsColsImp::MoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                                      int nCommandType)
{
    return GXLineAxis(*pGrid, TRUE).Move(nFrom, nTo, nDest, nFlags, nCommandType);
}

BOOL CGXGridMoveRowsColsImp::MoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                                      int nCommandType)
{
    return GXLineAxis(*pGrid, FALSE).Move(nFrom, nTo, nDest, nFlags, nCommandType);
}
