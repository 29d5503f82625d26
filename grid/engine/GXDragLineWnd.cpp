// CGXDragLineWnd: the line shown while a boundary is dragged (see GXDragLineWnd.h).
#include "grid/engine/GXDragLineWnd.h"

#include "grid/engine/GXColor.h"
#include "grid/engine/GXCore.h"
#include "win/ArgCheck.h"
#include "win/CWindowDC.h"
#include "win/Win.h"

BEGIN_MESSAGE_MAP(CGXDragLineWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CGXDragLineWnd::CGXDragLineWnd(CGXGridCore* pGrid) : m_pGrid(pGrid)
{
    AfxRequirePointer(pGrid, "CGXDragLineWnd", "pGrid");
}

BOOL CGXDragLineWnd::CreateLineWnd(CWnd* pParent)
{
    return CreateEx(0, "GXWND", nullptr, WS_CHILD, CRect(0, 0, 1, 1), pParent, 0);
}

void CGXDragLineWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    if (m_nFlags != 0) {
        m_pGrid->DrawLineRect(&dc, rect.left, rect.top, rect.Width(), rect.Height(), m_nKind, m_nIndex, m_nFlags);
        return;
    }
    CPen pen(int(m_pen.GetStyle()), int(m_pen.GetWidth()), GXResolveColor(m_pen.GetColor()));
    CPen* pOld = dc.SelectObject(&pen);
    dc.MoveTo(rect.left, rect.top);
    dc.LineTo(rect.right - 1, rect.bottom - 1);
    dc.SelectObject(pOld);
}
