// the standard headers before windows.h, which defines min and max as macros
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "chart/engine/SRGCompiledPolygon.h"

#include "chart/engine/CScale.h"
#include "chart/engine/ChartGeometry.h"
#include "chart/engine/DEDizedException.h"

IMPLEMENT_DYNAMIC(SRGCompiledPolygon, CObject)

namespace {

const char kStockPrefix[] = "_PV_STOCK_SHAPE_";

// The stock shapes by name; the index is the shape's number.
const char* const kStockNames[] = {"BOX", "CIRCLE", "TRIANGLE", "FLASH", "HEXAGON", "PENTAGON", "DIAMOND"};
enum { shapeBox, shapeCircle, shapeTriangle, shapeFlash, shapeHexagon, shapePentagon, shapeDiamond };

const float kBox[][2] = {{-5, -5}, {5, -5}, {5, 5}, {-5, 5}, {-5, -5}};
const float kTriangle[][2] = {{0, -50}, {25, 50}, {-25, 50}, {0, -50}};
const float kFlash[][2] = {{-25, -10}, {-15, -5}, {0, -10}, {15, -5}, {25, -10}, {20, -3},
                           {25, 0},    {20, 3},   {25, 10}, {15, 5},  {0, 10},   {-15, 5},
                           {-25, 10},  {-20, 3},  {-25, 0}, {-20, -3}, {-25, -10}};
const float kDiamond[][2] = {{0, -10}, {10, 0}, {0, 10}, {-10, 0}, {0, -10}};

template <size_t N>
constexpr int CountOf(const float (&)[N][2])
{
    return int(N);
}

// (value + 0.5) truncated toward zero: the engine's rounding of device coordinates.
int Round(double dValue)
{
    return int(dValue + 0.5);
}

} // namespace

SRGCompiledPolygon::SRGCompiledPolygon()
    : m_dFirstScale(1.0), m_dSecondScale(1.0), m_bRotation(0), m_dAngle(0.0), m_nCapacity(0), m_bDirty(1)
{
}

SRGCompiledPolygon::SRGCompiledPolygon(const char* lpszName) : SRGCompiledPolygon()
{
    if (lpszName == nullptr)
        AfxThrowInvalidArgException("SRGCompiledPolygon: the name is null");
    m_strName = lpszName;
    if (IsStockName(lpszName)) {
        BuildStockShape(lpszName + sizeof kStockPrefix - 1);
        Compile();
    }
}

bool SRGCompiledPolygon::IsStockName(const char* lpszName)
{
    return lpszName != nullptr && std::strncmp(lpszName, kStockPrefix, sizeof kStockPrefix - 1) == 0;
}

void SRGCompiledPolygon::BuildStockShape(const char* lpszShape)
{
    int nShape = shapeBox;
    for (int i = 0; i < int(sizeof kStockNames / sizeof kStockNames[0]); ++i) {
        if (std::strcmp(lpszShape, kStockNames[i]) == 0)
            nShape = i;
    }
    switch (nShape) {
    case shapeCircle:
        MakeRegular(18);
        break;
    case shapeHexagon:
        MakeRegular(6);
        break;
    case shapePentagon:
        MakeRegular(5);
        break;
    case shapeTriangle:
        AddPoints(kTriangle, CountOf(kTriangle));
        break;
    case shapeFlash:
        AddPoints(kFlash, CountOf(kFlash));
        break;
    case shapeDiamond:
        AddPoints(kDiamond, CountOf(kDiamond));
        break;
    default:
        AddPoints(kBox, CountOf(kBox));
        break;
    }
}

void SRGCompiledPolygon::AddPoints(const float (*pPoints)[2], int nCount)
{
    for (int i = 0; i < nCount; ++i)
        AddPoint(pPoints[i][0], pPoints[i][1]);
}

void SRGCompiledPolygon::EnsureCapacity(int nPoints)
{
    if (nPoints <= m_nCapacity)
        return;
    const int nCapacity = nPoints < 128 ? 128 : (nPoints + 127) / 128 * 128;
    AfxAllocating([&] { m_points.resize(size_t(nCapacity)); });
    m_nCapacity = nCapacity;
}

void SRGCompiledPolygon::SetFirstScale(double dScale)
{
    m_dFirstScale = dScale;
}

void SRGCompiledPolygon::SetSecondScale(double dScale)
{
    m_dSecondScale = dScale;
}

double SRGCompiledPolygon::GetFirstScale() const
{
    return m_dFirstScale;
}

double SRGCompiledPolygon::GetSecondScale() const
{
    return m_dSecondScale;
}

void SRGCompiledPolygon::SetRotationFlag(int bRotation)
{
    m_bRotation = bRotation;
}

int SRGCompiledPolygon::GetRotationFlag() const
{
    return m_bRotation;
}

void SRGCompiledPolygon::SetAngle(double dDegrees)
{
    m_dAngle = dDegrees;
}

double SRGCompiledPolygon::GetAngle() const
{
    return m_dAngle;
}

void SRGCompiledPolygon::MakeRegular(int n)
{
    // beyond 360 points the whole-degree step would be 0 and the walk would never end
    if (n < 1 || n > 360)
        AfxThrowInvalidArgFormat("SRGCompiledPolygon::MakeRegular: %d points (1 to 360 allowed)", n);
    const int nStep = 360 / n;
    for (int nDegrees = 0; nDegrees < 360; nDegrees += nStep) {
        const double dRadians = nDegrees * kChartRadiansPerDegree;
        AddPoint(float(100.0 * std::sin(dRadians) - 50.0), float(100.0 * std::cos(dRadians) - 50.0));
    }
    AddCoordinate(m_coordinates.front());
}

void SRGCompiledPolygon::SetRotation(double dDegrees)
{
    m_bRotation = std::fabs(dDegrees) != 0.0;
    m_dAngle = m_bRotation ? dDegrees : 0.0;
    m_bDirty = 1;
}

const POINT* SRGCompiledPolygon::FitToRect(const RECT& rect)
{
    CScale xRange;
    CScale yRange;
    for (const SRGCoordinate& c : m_coordinates) {
        xRange.Include(c.GetX());
        yRange.Include(c.GetY());
    }
    EnsureCapacity(GetCount());
    const double dWidth = rect.right - rect.left;
    const double dHeight = rect.bottom - rect.top;
    // a coordinate's place within its range, 0 to 1; the middle when the range is empty
    auto fraction = [](double dValue, const CScale& range) {
        return range.GetRange() != 0.0 ? (dValue - range.m_dMinimum) / range.GetRange() : 0.5;
    };
    for (int i = 0; i < GetCount(); ++i) {
        const SRGCoordinate& c = m_coordinates[size_t(i)];
        m_points[size_t(i)].x = rect.left + Round(fraction(c.GetX(), xRange) * dWidth);
        m_points[size_t(i)].y = rect.bottom - Round(fraction(c.GetY(), yRange) * dHeight);
    }
    m_bDirty = 0;
    return m_points.data();
}

const POINT* SRGCompiledPolygon::Place(int dx, int dy)
{
    EnsureCapacity(GetCount());
    const bool bTurn = m_bRotation != 0 && m_dAngle != 0.0;
    const double dRadians = m_dAngle * kChartRadiansPerDegree;
    const double dCos = std::cos(dRadians);
    const double dSin = std::sin(dRadians);
    for (int i = 0; i < GetCount(); ++i) {
        const SRGCoordinate& c = m_coordinates[size_t(i)];
        int x = Round(c.GetX() * m_dSecondScale);
        int y = Round(c.GetY() * m_dFirstScale);
        if (bTurn) {
            const int xTurned = int(dCos * x + dSin * y);
            y = int(dCos * y - dSin * x);
            x = xTurned;
        }
        m_points[size_t(i)].x = Round(dx + x);
        m_points[size_t(i)].y = Round(dy + y);
    }
    m_bDirty = 0;
    return m_points.data();
}

const CString& SRGCompiledPolygon::GetName() const
{
    return m_strName;
}

void SRGCompiledPolygon::SetName(const char* lpszName)
{
    m_strName = lpszName;
}

void SRGCompiledPolygon::Compile()
{
    if (!m_bDirty)
        return;
    EnsureCapacity(GetCount());
    for (int i = 0; i < GetCount(); ++i) {
        m_points[size_t(i)].x = Round(m_coordinates[size_t(i)].GetX());
        m_points[size_t(i)].y = Round(m_coordinates[size_t(i)].GetY());
    }
    m_bDirty = 0;
}

void SRGCompiledPolygon::AddPoint(int x, int y)
{
    AddPoint(float(x), float(y));
}

void SRGCompiledPolygon::AddPoint(float x, float y)
{
    AddCoordinate(SRGCoordinate(x, y));
}

void SRGCompiledPolygon::AddCoordinate(const SRGCoordinate& coordinate)
{
    AfxAllocating([&] { m_coordinates.push_back(coordinate); });
    m_bDirty = 1;
}

const SRGCoordinate& SRGCompiledPolygon::GetCoordinate(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        AfxThrowInvalidArgFormat("SRGCompiledPolygon::GetCoordinate: index %d outside 0..%d", nIndex, GetCount() - 1);
    return m_coordinates[size_t(nIndex)];
}

const POINT* SRGCompiledPolygon::GetPoints() const
{
    return m_points.data();
}

void SRGCompiledPolygon::ReadText(const char* pText, int nLength)
{
    if (pText == nullptr || nLength < 0)
        AfxThrowInvalidArgException("SRGCompiledPolygon::ReadText: no text");
    // the text comes from outside: parse a terminated copy, so that no scan runs past its end
    std::string text;
    AfxAllocating([&] { text.assign(pText, size_t(nLength)); });
    CNumericLocaleScope cLocale;
    const char* p = text.c_str();
    int nCount = 0;
    int nUsed = 0;
    if (std::sscanf(p, "%d %n", &nCount, &nUsed) != 1 || nCount < 0)
        ThrowChartException(19);
    p += nUsed;
    // each point takes at least two digits and two separators (the last one a single separator)
    const size_t nLeft = text.size() - size_t(p - text.c_str());
    if (size_t(nCount) > (nLeft + 1) / 4)
        ThrowChartException(19);
    std::vector<SRGCoordinate> points;
    AfxAllocating([&] { points.reserve(size_t(nCount)); });
    for (int i = 0; i < nCount; ++i) {
        float x = 0.0f;
        float y = 0.0f;
        if (std::sscanf(p, "%g %g %n", &x, &y, &nUsed) != 2)
            ThrowChartException(19);
        p += nUsed;
        points.emplace_back(x, y);
    }
    for (const SRGCoordinate& c : points)
        AddCoordinate(c);
}
