#include <cstdlib>

#include "chart/engine/DEDizedFeedback.h"

#include "win/ArgCheck.h"

IMPLEMENT_DYNAMIC(DEDizedFeedback, CObject)

DEDizedFeedback::DEDizedFeedback(DEDized* pChart, int nKind, int nFirstIndex, int nSecondIndex)
    : m_nSecondIndex(nSecondIndex),
      m_nFirstIndex(nFirstIndex),
      m_pChart(pChart),
      m_nHalfWidth(5),
      m_x(0),
      m_y(0),
      m_nKind(nKind)
{
}

DEDizedFeedback::DEDizedFeedback(DEDized* pChart, const POINT* pPoints, int nCount, int nFirstIndex,
                                 int nSecondIndex)
    : DEDizedFeedback(pChart, kindPolygon, nFirstIndex, nSecondIndex)
{
    AfxRequirePointer(pPoints, "DEDizedFeedback", "the point array");
    if (nCount < 1)
        AfxThrowInvalidArgFormat("DEDizedFeedback: %d points (at least 1 needed)", nCount);
    if (!m_region.CreatePolygonRgn(pPoints, nCount, ALTERNATE))
        AfxThrowResourceException();
}

DEDizedFeedback::DEDizedFeedback(DEDized* pChart, const RECT& rect, int nFirstIndex, int nSecondIndex)
    : DEDizedFeedback(pChart, kindRectangle, nFirstIndex, nSecondIndex)
{
    m_rect = rect;
    m_rect.NormalizeRect();
}

DEDizedFeedback::DEDizedFeedback(DEDized* pChart, int x, int y, int nHalfWidth, int nFirstIndex, int nSecondIndex)
    : DEDizedFeedback(pChart, kindPoint, nFirstIndex, nSecondIndex)
{
    m_x = x;
    m_y = y;
    m_nHalfWidth = nHalfWidth;
}

int DEDizedFeedback::GetFirstIndex() const
{
    return m_nFirstIndex;
}

int DEDizedFeedback::GetSecondIndex() const
{
    return m_nSecondIndex;
}

CPoint DEDizedFeedback::GetPoint() const
{
    return CPoint(m_x, m_y);
}

int DEDizedFeedback::GetHalfWidth() const
{
    return m_nHalfWidth;
}

CRect DEDizedFeedback::GetRect() const
{
    return m_rect;
}

int DEDizedFeedback::GetKind() const
{
    return m_nKind;
}

bool DEDizedFeedback::Contains(int x, int y) const
{
    switch (m_nKind) {
    case kindPolygon:
        return m_region.PtInRegion(x, y) != FALSE;
    case kindRectangle:
        return m_rect.PtInRect(CPoint(x, y));
    default:
        return std::abs(x - m_x) < m_nHalfWidth && std::abs(y - m_y) < m_nHalfWidth;
    }
}
