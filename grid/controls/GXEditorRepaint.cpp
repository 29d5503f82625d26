// The editor of a cell partly hidden by frozen rows or columns (see GXEditorRepaint.h).
#include "grid/controls/GXEditorRepaint.h"

#include "grid/engine/GXCore.h"
#include "win/Win.h"

void GXRepaintPartlyHiddenEditor(CGXGridCore* pGrid, CWnd& editor, CDC* pDC, const CRect& rect, ROWCOL nRow,
                                 ROWCOL nCol)
{
    CWnd* pGridWnd = pGrid->GridWnd();
    const ROWCOL nFrozenRows = pGrid->GetFrozenRows(), nFrozenCols = pGrid->GetFrozenCols();
    CRect rectClip;
    if (pGridWnd == nullptr || editor.m_hWnd == nullptr || nRow <= nFrozenRows ||
        !(nRow < pGrid->GetTopRow() || (nCol > nFrozenCols && nCol < pGrid->GetLeftCol())) ||
        pDC->GetClipBox(&rectClip) == ERROR)
        return;
    CRect rectValid;
    rectValid.IntersectRect(rect, pGrid->GetGridRect());
    pGridWnd->MapWindowPoints(&editor, &rectValid);
    pGridWnd->MapWindowPoints(&editor, &rectClip);
    editor.ValidateRect(&rectValid);
    editor.InvalidateRect(&rectClip, TRUE);
    ::HideCaret(editor.m_hWnd);
}
