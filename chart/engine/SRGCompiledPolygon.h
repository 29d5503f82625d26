// SRGCompiledPolygon: a named outline in floating-point coordinates (SRGCoordinate), turned into
// device points for drawing: Compile rounds the coordinates as they stand, Place scales, turns and
// moves them to a point, FitToRect stretches them over a rectangle. The displays draw their markers
// and widgets with such polygons, which the chart caches by name (DEDized::GetPolygon).
//
// Stock shapes: a name that starts with "_PV_STOCK_SHAPE_" gives one of the built-in outlines by the
// rest of the name (BOX, CIRCLE, TRIANGLE, FLASH, HEXAGON, PENTAGON, DIAMOND; any other rest gives the
// box), compiled at once.
//
// Polygon text (a ".PLY" file or a resource of the same text): the number of points, then that many
// x y pairs, all separated by white space; nothing else is read. ReadText refuses a text that does not
// hold what its count promises with DEDizedException code 19.
//
// The point arrays that Compile, Place and FitToRect return belong to the polygon and stay valid until
// its next call of one of them. Polygons are not serialised.
#pragma once

#include "core/Core.h"

#include <windows.h>

#include <vector>

// One point of a polygon outline, in single precision.
class SRGCoordinate {
public:
    SRGCoordinate() : m_x(0.0f), m_y(0.0f) {}
    SRGCoordinate(float x, float y) : m_x(x), m_y(y) {}

    void Set(double x, double y)
    {
        m_x = float(x);
        m_y = float(y);
    }
    void Set(int x, int y)
    {
        m_x = float(x);
        m_y = float(y);
    }
    float GetX() const { return m_x; }
    float GetY() const { return m_y; }

private:
    float m_x;
    float m_y;
};

class SRGCompiledPolygon : public CObject {
    DECLARE_DYNAMIC(SRGCompiledPolygon)
public:
    // An empty outline without a name.
    SRGCompiledPolygon();
    // An outline named lpszName (not null); a stock name builds and compiles its stock shape.
    explicit SRGCompiledPolygon(const char* lpszName);
    SRGCompiledPolygon(const SRGCompiledPolygon&) = delete;
    SRGCompiledPolygon& operator=(const SRGCompiledPolygon&) = delete;

    // Makes room for nPoints device points: the room grows to a multiple of 128, at least 128.
    virtual void EnsureCapacity(int nPoints);
    // The first scale multiplies y, the second x, when the outline is placed (Place).
    virtual void SetFirstScale(double dScale);
    virtual void SetSecondScale(double dScale);
    virtual double GetFirstScale() const;
    virtual double GetSecondScale() const;
    // The rotation flag and angle (degrees) that Place applies; SetRotation sets both.
    virtual void SetRotationFlag(int bRotation);
    virtual int GetRotationFlag() const;
    virtual void SetAngle(double dDegrees);
    virtual double GetAngle() const;
    // Adds n points on a circle of radius 100 about (-50, -50), at the angles 0, 360/n, 2 * 360/n ...
    // degrees (whole degrees) below 360, x from the sine and y from the cosine, then a copy of the
    // first to close the outline. n must lie in 1..360 (CInvalidArgException* otherwise).
    virtual void MakeRegular(int n);
    // Turns the outline by dDegrees when placed; an angle of 0 switches the turning off.
    virtual void SetRotation(double dDegrees);
    // The outline stretched over rect, larger y higher: x from left to right and y from bottom to top
    // over the ranges of the coordinates. Coordinates that share one x (or one y) land on the middle of
    // the rectangle in that direction. Returns GetCount points.
    virtual const POINT* FitToRect(const RECT& rect);
    // The outline scaled (x by the second scale, y by the first), turned when the rotation flag is set
    // and the angle is not 0, and moved by (dx, dy), each step rounded to whole pixels. Returns
    // GetCount points.
    virtual const POINT* Place(int dx, int dy);
    virtual const CString& GetName() const;
    virtual void SetName(const char* lpszName);
    // When the coordinates changed since the last compile: the device points become the coordinates
    // rounded (0.5 added, then truncated).
    virtual void Compile();
    // Append a point.
    virtual void AddPoint(int x, int y);
    virtual void AddPoint(float x, float y);
    virtual void AddCoordinate(const SRGCoordinate& coordinate);
    // The device points of the last Compile, Place or FitToRect.
    virtual const POINT* GetPoints() const;

    // True when lpszName names a stock shape (it starts with "_PV_STOCK_SHAPE_").
    static bool IsStockName(const char* lpszName);
    // The number of points of the outline.
    int GetCount() const { return int(m_coordinates.size()); }
    // The point nIndex (0 to GetCount() - 1, else CInvalidArgException*).
    const SRGCoordinate& GetCoordinate(int nIndex) const;
    // Appends the points of a polygon text of nLength bytes (need not be terminated); code 19 when the
    // count is missing or negative, or more points are promised than the text holds.
    void ReadText(const char* pText, int nLength);

private:
    void BuildStockShape(const char* lpszShape);
    void AddPoints(const float (*pPoints)[2], int nCount);

    double m_dFirstScale;   // applied to y
    double m_dSecondScale;  // applied to x
    int m_bRotation;
    double m_dAngle;        // degrees
    CString m_strName;
    std::vector<POINT> m_points;  // device points, m_nCapacity of them
    int m_nCapacity;
    std::vector<SRGCoordinate> m_coordinates;
    int m_bDirty;           // the device points must be compiled anew
};
