// DEDizedFeedback: a hit region that a drawing routine records for the data item it drew, so that the
// chart can answer which item lies under a point (DEDized::HitTest). Three kinds:
//   kindPolygon   a polygon region (alternate fill), tested with the region;
//   kindRectangle a rectangle (normalised), right and bottom edges outside;
//   kindPoint     a square about a point: inside when both |dx| and |dy| are below the half-width.
// The chart passes (item, group) as (first index, second index). Regions are not serialised.
#pragma once

#include "core/Core.h"
#include "win/CGdiObject.h"

#include <windows.h>

class DEDized;

class DEDizedFeedback : public CObject {
    DECLARE_DYNAMIC(DEDizedFeedback)
public:
    enum { kindPolygon = 0, kindRectangle = 1, kindPoint = 2 };

    // A polygon region of nCount points (points not null, nCount at least 1); half-width 5.
    DEDizedFeedback(DEDized* pChart, const POINT* pPoints, int nCount, int nFirstIndex, int nSecondIndex);
    // A rectangle region (normalised here).
    DEDizedFeedback(DEDized* pChart, const RECT& rect, int nFirstIndex, int nSecondIndex);
    // A point region of the half-width about (x, y).
    DEDizedFeedback(DEDized* pChart, int x, int y, int nHalfWidth, int nFirstIndex, int nSecondIndex);
    DEDizedFeedback(const DEDizedFeedback&) = delete;
    DEDizedFeedback& operator=(const DEDizedFeedback&) = delete;

    virtual int GetFirstIndex() const;
    virtual int GetSecondIndex() const;
    // The centre of a point region.
    virtual CPoint GetPoint() const;
    virtual int GetHalfWidth() const;
    // The rectangle of a rectangle region.
    virtual CRect GetRect() const;
    virtual int GetKind() const;

    // True when (x, y) lies in the region (see the top of this file).
    bool Contains(int x, int y) const;
    DEDized* GetChart() const { return m_pChart; }

private:
    DEDizedFeedback(DEDized* pChart, int nKind, int nFirstIndex, int nSecondIndex);

    int m_nSecondIndex;
    int m_nFirstIndex;
    DEDized* m_pChart;
    CRgn m_region;      // polygon kind only
    int m_nHalfWidth;
    int m_x;
    int m_y;
    CRect m_rect;
    int m_nKind;
};
