// CGXDragLineWnd: the thin child window that shows the line while the user drags a row or column
// boundary. CreateLineWnd makes it hidden (WS_CHILD only), 1 by 1 pixel at (0, 0) of the parent, of
// the grid's window class "GXWND"; the drag code moves, sizes and shows it.
//
// Painting: with line flags set, the grid draws the client rectangle as the line of kind m_nKind at
// m_nIndex (CGXGridCore::DrawLineRect); without them a pen made from m_pen draws a line from the
// top-left corner to (right - 1, bottom - 1).
#pragma once

#include "grid/engine/GXCellPen.h"
#include "win/CWnd.h"

class CGXGridCore;

class CGXDragLineWnd : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    // The line of pGrid (not null, else CInvalidArgException*).
    explicit CGXDragLineWnd(CGXGridCore* pGrid);

    // Makes the window as a child of pParent. FALSE when it could not be made.
    BOOL CreateLineWnd(CWnd* pParent);

    CGXCellPen m_pen;
    int m_nKind = 0;   // CGXGridCore::gxColLine or gxRowLine
    int m_nIndex = 0;  // the display row or column
    UINT m_nFlags = 0; // the DrawLineRect flags (0: draw with m_pen)

protected:
    afx_msg void OnPaint();

private:
    CGXGridCore* m_pGrid;
};
