// DEDizedRect: where a chart component lies, in one of four measurement kinds: 0 pixels, 1
// millimetres, 2 inches, 3 per cent of the parent. The parent is the drawing area of the owning chart
// (DEDized::GetDrawingRect). A coordinate of -1.0 means the parent's edge: left and top become 0, right
// the parent's width and bottom its height, whatever the kind.
//
// To device pixels (GetDeviceRect): millimetres take dpi x 0.03937007933143675 pixels each (the
// single-precision factor of the stored drawings), inches dpi, per cent 1/100 of the parent's width or
// height; each product is truncated toward zero. The dpi is the given DC's (its attribute DC's), or
// the screen's without a DC. When the chart draws into a fixed rectangle of its own, the result is
// moved by the drawing area's top-left corner. Nothing is sorted or clipped.
//
// Back from pixels (SetFromDeviceRect, SetFromPixels) millimetres divide by dpi / 25.4 exactly, so a
// round trip through millimetres may move a coordinate by a fraction of a pixel.
//
// Stored form (schema 1, versionable): left, top, right, bottom (doubles), measurement kind (int).
#pragma once

#include "core/Core.h"
#include "win/CRect.h"

#include <windows.h>

class CDC;
class CWnd;
class DEDized;

class DEDizedRect : public CObject {
    DECLARE_SERIAL(DEDizedRect)
public:
    enum { measurePixels = 0, measureMillimetres = 1, measureInches = 2, measurePerCent = 3 };

    // All four coordinates -1.0 (the whole parent), pixels, no chart.
    DEDizedRect();
    DEDizedRect(const DEDizedRect& other);
    DEDizedRect& operator=(const DEDizedRect& other);

    void Serialize(CArchive& ar) override;

    // The chart whose drawing area is the parent (not owned; may be null: then the parent is empty).
    virtual void SetChart(DEDized* pChart);
    virtual int GetMeasurement() const;
    // Stores the kind; the coordinates keep their values.
    virtual void SetMeasurement(int nMeasurement);
    virtual void SetValues(double dLeft, double dTop, double dRight, double dBottom);
    // The four integers as they stand.
    virtual void SetFromRECT(const RECT& rect);
    // The rectangle in device pixels (see the top of this file). pDC and pWnd may be null.
    virtual void GetDeviceRect(RECT& result, CDC* pDC, CWnd* pWnd) const;
    // Takes a pixel rectangle into the rectangle's units. The parent of per-cent values is pWnd's client
    // area when given, else the chart's fixed rectangle when it has one, else the chart's drawing area
    // (of the pass under way, or else of the last one); a parent side of 0 pixels gives 0 per cent. The
    // other kinds go through SetFromPixels.
    virtual void SetFromDeviceRect(const RECT& pixels, CDC* pDC, CWnd* pWnd);

    // Takes a pixel rectangle into the rectangle's units; per cent of the chart's drawing area.
    void SetFromPixels(const RECT& pixels, CDC* pDC);

    DEDized* GetChart() const { return m_pChart; }

    double m_dLeft;
    double m_dTop;
    double m_dRight;
    double m_dBottom;

private:
    // Stores the pixel rectangle divided by the factors (fx, fy); a factor of 0 gives 0.
    void SetDivided(const RECT& pixels, double fx, double fy);

    DEDized* m_pChart;
    int m_nMeasurement;
};

// Horizontal and vertical pixels per inch of pDC's attribute DC, or of the screen when pDC is null.
CSize ChartDeviceDpi(CDC* pDC);
