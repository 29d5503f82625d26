// CGXTabbedLBoxHeader: the column titles over a tabbed combo's open list (see GXTabbedLBoxHeader.h).
#include "grid/controls/GXTabbedLBoxHeader.h"

#include "grid/controls/GXTabbedRow.h"

#include "grid/engine/GXDIB.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXState.h"
#include "win/CWindowDC.h"
#include "win/Win.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CGXTabbedLBoxHeader, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CGXTabbedLBoxHeader::SetLayout(BOOL bShowAllCols, int nTextCol, int nColCount, const int* anEdges,
                                    CFont* pFont)
{
    m_bShowAllCols = bShowAllCols;
    m_nTextCol = nTextCol;
    m_nColCount = nColCount;
    m_anEdges = anEdges;
    m_pFont = pFont;
}

void CGXTabbedLBoxHeader::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(&rectClient);
    GridSysColors* pColors = GXGetSysColors();
    FillRectWithColor(&dc, rectClient, pColors->GetSysColor(COLOR_BTNFACE));
    dc.SetTextColor(pColors->GetSysColor(COLOR_BTNTEXT));
    dc.SetBkMode(TRANSPARENT);
    CFont* pOldFont = m_pFont != nullptr && m_pFont->m_hObject != nullptr ? dc.SelectObject(m_pFont) : nullptr;
    const char* pszTitles = m_strTitle;
    if (m_bShowAllCols && m_nTextCol > 0) {
        const char* pszTab = std::strchr(pszTitles, '\t');
        pszTitles = pszTab != nullptr ? pszTab + 1 : "";
    }
    const int nFields = m_bShowAllCols && m_anEdges != nullptr ? m_nColCount + 1 : 1;
    for (int i = 0; i < nFields; ++i) {
        const int nLeft = i == 0 ? rectClient.left : m_anEdges[i - 1];
        const int nRight = i == nFields - 1 ? rectClient.right : m_anEdges[i];
        if (nRight <= nLeft)
            continue;
        CRect rectField(nLeft, rectClient.top, nRight, rectClient.bottom);
        dc.DrawEdge(&rectField, EDGE_RAISED, BF_RECT);
        const CString strField = TabbedRow_GetField(pszTitles, i);
        if (const HGLOBAL hDIB = GetDIBPool()->LookupDIB(strField)) {
            CRect rectInside = rectField;
            rectInside.DeflateRect(1, 1);
            DrawDIBInRect(&dc, hDIB, rectInside, 0, 1 | 4);
        } else {
            dc.DrawText(strField, strField.GetLength(), &rectField, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
    }
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
}
