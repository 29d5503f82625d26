// SRGGridLines and SRGTickMarks: the lines and ticks of an axis.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>

#include "chart/engine/axes/SRGGridLines.h"

#include "chart/engine/DEDized.h"
#include "chart/engine/display/ChartGraphTypes.h"
#include "win/ArgCheck.h"
#include "win/CDC.h"

IMPLEMENT_SERIAL(SRGGridLines, DEDizedComponent, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(SRGTickMarks, DEDizedComponent, VERSIONABLE_SCHEMA | 1)

namespace {

const COLORREF kGridColour = 0x808000;
const double kPi = 3.14159265358979323846;

int Round(double dValue)
{
    return int(std::floor(dValue + 0.5));
}

const CPoint& PointAt(CPtrList& list, POSITION& pos)
{
    return *static_cast<CPoint*>(list.GetNext(pos));
}

void CopyDashes(std::vector<DWORD>& rDashes, const DWORD* pDashes, int nCount, const char* lpszWhere)
{
    if (nCount < 0 || nCount > 16)
        AfxThrowInvalidArgFormat("%s: dash count %d (0 to 16 allowed)", lpszWhere, nCount);
    if (nCount > 0)
        AfxRequirePointer(pDashes, lpszWhere, "the dashes");
    rDashes.assign(pDashes, pDashes + nCount);
}

void CopyLogPen(LOGPEN*& rpTarget, const LOGPEN* pLogPen)
{
    delete rpTarget;
    rpTarget = nullptr;
    if (pLogPen != nullptr)
        rpTarget = new LOGPEN(*pLogPen);
}

} // namespace

// ---- SRGGridLines --------------------------------------------------------------------------------------------------

SRGGridLines::SRGGridLines()
    : m_nMinorCount(0),
      m_nMajorKind(0),
      m_nMinorKind(0),
      m_nMajorWidth(1),
      m_nMinorWidth(1),
      m_pPositions(nullptr),
      m_crMajor(kGridColour),
      m_crMinor(kGridColour),
      m_bVertical(0),
      m_rcLines(0, 0, 0, 0),
      m_pMinorLogPen(nullptr),
      m_pMajorLogPen(nullptr)
{
    m_nTypeId = chartTypeGridLines;
    m_style.m_nStyle &= ~styleFillMask;
}

SRGGridLines::~SRGGridLines()
{
    delete m_pMinorLogPen;
    delete m_pMajorLogPen;
}

int SRGGridLines::GetVersion() const
{
    return 2;
}

void SRGGridLines::Serialize(CArchive& ar)
{
    DEDizedComponent::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nMajorKind << m_nMinorKind << m_nMajorWidth << m_nMinorWidth << m_crMajor << m_crMinor << m_bVertical
           << m_nMinorCount;
        return;
    }
    ar >> m_nMajorKind >> m_nMinorKind >> m_nMajorWidth >> m_nMinorWidth >> m_crMajor >> m_crMinor >> m_bVertical;
    if (GetArchiveVersion() >= 2)
        ar >> m_nMinorCount;
}

void SRGGridLines::SetMajorDashCount(int nCount)
{
    if (nCount < 0 || nCount > int(m_majorDashes.size()))
        AfxThrowInvalidArgFormat("SRGGridLines::SetMajorDashCount: count %d (0 to %d allowed)", nCount,
                                 int(m_majorDashes.size()));
    m_majorDashes.resize(size_t(nCount));
}

int SRGGridLines::GetMajorDashCount() const
{
    return int(m_majorDashes.size());
}

void SRGGridLines::SetMinorCount(int nCount)
{
    if (nCount < 0)
        AfxThrowInvalidArgFormat("SRGGridLines::SetMinorCount: count %d (0 or more allowed)", nCount);
    m_nMinorCount = nCount;
}

int SRGGridLines::GetMinorCount() const
{
    return m_nMinorCount;
}

void SRGGridLines::SetMajorDashes(const DWORD* pDashes, int nCount)
{
    CopyDashes(m_majorDashes, pDashes, nCount, "SRGGridLines::SetMajorDashes");
}

void SRGGridLines::SetMinorDashes(const DWORD* pDashes, int nCount)
{
    CopyDashes(m_minorDashes, pDashes, nCount, "SRGGridLines::SetMinorDashes");
}

const std::vector<DWORD>& SRGGridLines::GetMajorDashes() const
{
    return m_majorDashes;
}

const std::vector<DWORD>& SRGGridLines::GetMinorDashes() const
{
    return m_minorDashes;
}

void SRGGridLines::SetLineRect(const RECT& rect)
{
    m_rcLines = rect;
}

CRect SRGGridLines::GetLineRect() const
{
    return m_rcLines;
}

void SRGGridLines::SetPositions(CPtrList* pPositions)
{
    m_pPositions = pPositions;
}

void SRGGridLines::SetColours(COLORREF crMajor, COLORREF crMinor)
{
    m_crMajor = crMajor;
    m_crMinor = crMinor;
}

void SRGGridLines::SetPenKinds(int nMajor, int nMinor)
{
    m_nMajorKind = nMajor;
    m_nMinorKind = nMinor;
}

void SRGGridLines::SetWidths(int nMajor, int nMinor)
{
    m_nMajorWidth = nMajor;
    m_nMinorWidth = nMinor;
}

int SRGGridLines::GetMajorWidth() const
{
    return m_nMajorWidth;
}

int SRGGridLines::GetMinorWidth() const
{
    return m_nMinorWidth;
}

void SRGGridLines::SetMajorLogPen(const LOGPEN* pLogPen)
{
    CopyLogPen(m_pMajorLogPen, pLogPen);
}

void SRGGridLines::SetMinorLogPen(const LOGPEN* pLogPen)
{
    CopyLogPen(m_pMinorLogPen, pLogPen);
}

int SRGGridLines::ResolveAxisType()
{
    int nAxisType = (m_style.m_nStyle >> 24) & 0xFF;
    if (nAxisType == AXIS_BY_GRAPH_TYPE) {
        nAxisType = ChartImpliedAxisType((m_style.m_nStyle >> 16) & 0xFF);
        m_style.m_nStyle = (m_style.m_nStyle & 0xFFFFFF) | (nAxisType << 24);
    }
    return nAxisType;
}

void SRGGridLines::DrawGridLine(int x, int y, CPen* pPen, bool bHorizontal)
{
    if (pPen == nullptr)
        return;
    bool bDepth = false;
    switch (ResolveAxisType()) {
    case 0x02: case 0x03: case 0x08: case 0x0a: case 0x0c: case 0x0f: case 0x12: case 0x13:
    case 0x17: case 0x18: case 0x19: case 0x1a: case 0x1b:
        break;
    case 0x0b: case 0x0d: case 0x10: case 0x14: case 0x15: case 0x16:
        bDepth = true;
        break;
    default:
        return;
    }
    CPoint points[3];
    int nCount = 0;
    points[nCount++] = CPoint(x, y);
    if (bDepth) {
        const int nDepth = (m_style.m_nFlags & 0x40000000) ? int(m_style.GetDepth()) : 10;
        points[nCount] = CPoint(x + Round(GetDeviceScaleX() * nDepth), y - Round(GetDeviceScaleY() * nDepth));
        ++nCount;
    }
    const CPoint& from = points[nCount - 1];
    if (bHorizontal)
        points[nCount++] = CPoint(2 * x <= m_rcLines.left + m_rcLines.right ? m_rcLines.right : m_rcLines.left, from.y);
    else
        points[nCount++] = CPoint(from.x, 2 * y >= m_rcLines.top + m_rcLines.bottom ? m_rcLines.top : m_rcLines.bottom);
    CPen* pOld = m_pDC->SelectObject(pPen);
    m_pDC->Polyline(points, nCount);
    m_pDC->SelectObject(pOld);
}

void SRGGridLines::DrawHorizontalLine(int x, int y, CPen* pPen)
{
    DrawGridLine(x, y, pPen, true);
}

void SRGGridLines::DrawVerticalLine(int x, int y, CPen* pPen)
{
    DrawGridLine(x, y, pPen, false);
}

CPen* SRGGridLines::MakePen(const LOGPEN* pLogPen, int nKind, int nWidth, COLORREF crColour,
                            const std::vector<DWORD>& dashes, CPen& rOwned)
{
    if (pLogPen != nullptr)
        return rOwned.CreatePenIndirect(pLogPen) ? &rOwned : nullptr;
    if (nKind == PS_USERSTYLE && !dashes.empty()) {
        LOGBRUSH brush = {BS_SOLID, crColour, 0};
        return rOwned.CreatePen(PS_GEOMETRIC | PS_USERSTYLE, (std::max)(1, nWidth), &brush, int(dashes.size()),
                                dashes.data())
                   ? &rOwned
                   : nullptr;
    }
    return GetPen(nKind, nWidth, crColour);
}

void SRGGridLines::DrawContent()
{
    if (!m_bVisible || m_pPositions == nullptr || m_pPositions->IsEmpty() || m_pDC == nullptr)
        return;
    CPen majorOwned;
    CPen minorOwned;
    CPen* pMajor = MakePen(m_pMajorLogPen, m_nMajorKind, m_nMajorWidth, m_crMajor, m_majorDashes, majorOwned);
    CPen* pMinor = MakePen(m_pMinorLogPen, m_nMinorKind, m_nMinorWidth, m_crMinor, m_minorDashes, minorOwned);
    const int nOldMode = m_pDC->SetBkMode(TRANSPARENT);
    auto line = [this](const CPoint& pt, CPen* pPen) {
        if (m_bVertical)
            DrawVerticalLine(pt.x, pt.y, pPen);
        else
            DrawHorizontalLine(pt.x, pt.y, pPen);
    };
    CPoint previous;
    bool bFirst = true;
    for (POSITION pos = m_pPositions->GetHeadPosition(); pos != nullptr;) {
        const CPoint pt = PointAt(*m_pPositions, pos);
        line(pt, pMajor);
        if (!bFirst) {
            for (int i = 1; i <= m_nMinorCount; ++i) {
                const double f = double(i) / (m_nMinorCount + 1);
                line(CPoint(Round(previous.x + (pt.x - previous.x) * f), Round(previous.y + (pt.y - previous.y) * f)),
                     pMinor);
            }
        }
        previous = pt;
        bFirst = false;
    }
    m_pDC->SetBkMode(nOldMode);
}

// ---- SRGTickMarks --------------------------------------------------------------------------------------------------

SRGTickMarks::SRGTickMarks()
    : m_nMajorWidth(1),
      m_nMinorWidth(1),
      m_nPenKind(0),
      m_crColour(RGB(0, 0, 0)),
      m_nDirection(0),
      m_nMajorLength(5),
      m_dMinorRatio(0.75),
      m_pPositions(nullptr),
      m_nMinorCount(0),
      m_nLastMajor(0),
      m_nLastMinor(0)
{
    m_nTypeId = chartTypeTickMarks;
    m_style.m_nStyle &= ~styleFillMask;
}

void SRGTickMarks::Serialize(CArchive& ar)
{
    DEDizedComponent::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nMajorWidth << m_nMinorWidth << m_nPenKind << m_crColour << m_nDirection << m_nMajorLength
           << m_dMinorRatio << m_nMinorCount;
        return;
    }
    ar >> m_nMajorWidth >> m_nMinorWidth >> m_nPenKind >> m_crColour >> m_nDirection >> m_nMajorLength >>
        m_dMinorRatio >> m_nMinorCount;
}

void SRGTickMarks::SetMinorCount(int nCount)
{
    if (nCount < 0)
        AfxThrowInvalidArgFormat("SRGTickMarks::SetMinorCount: count %d (0 or more allowed)", nCount);
    m_nMinorCount = nCount;
}

int SRGTickMarks::GetMinorCount() const
{
    return m_nMinorCount;
}

void SRGTickMarks::SetPenValues(int nMajorWidth, int nMinorWidth)
{
    m_nMajorWidth = nMajorWidth;
    m_nMinorWidth = nMinorWidth;
}

void SRGTickMarks::SetColour(COLORREF crColour)
{
    m_crColour = crColour;
}

void SRGTickMarks::SetPositions(CPtrList* pPositions)
{
    m_pPositions = pPositions;
}

void SRGTickMarks::SetDirection(int nDirection)
{
    m_nDirection = nDirection;
}

void SRGTickMarks::SetMajorLength(int nLength)
{
    m_nMajorLength = nLength;
}

void SRGTickMarks::SetMinorRatio(double dRatio)
{
    m_dMinorRatio = dRatio;
}

int SRGTickMarks::GetMajorLength() const
{
    return m_nMajorLength;
}

double SRGTickMarks::GetMinorRatio() const
{
    return m_dMinorRatio;
}

void SRGTickMarks::DrawTick(const CPoint& pt, int nLength, double dAngle, int nWidth)
{
    CPen* pPen = GetPen(PS_SOLID, nWidth, m_crColour);
    if (pPen == nullptr || nLength <= 0)
        return;
    CPen* pOld = m_pDC->SelectObject(pPen);
    m_pDC->MoveTo(pt);
    m_pDC->LineTo(pt.x + Round(std::cos(dAngle) * nLength), pt.y + Round(std::sin(dAngle) * nLength));
    m_pDC->SelectObject(pOld);
}

void SRGTickMarks::ExtendStart(CPoint& rStart, const CPoint& end) const
{
    const double dLength = std::hypot(double(end.x - rStart.x), double(end.y - rStart.y));
    if (dLength <= 0.0)
        return;
    rStart.x -= Round((end.x - rStart.x) / dLength * m_nMajorLength);
    rStart.y -= Round((end.y - rStart.y) / dLength * m_nMajorLength);
}

void SRGTickMarks::ExtendEnd(const CPoint& start, CPoint& rEnd) const
{
    const double dLength = std::hypot(double(rEnd.x - start.x), double(rEnd.y - start.y));
    if (dLength <= 0.0)
        return;
    rEnd.x += Round((rEnd.x - start.x) / dLength * m_nMajorLength);
    rEnd.y += Round((rEnd.y - start.y) / dLength * m_nMajorLength);
}

void SRGTickMarks::DrawContent()
{
    if (!m_bVisible || m_pPositions == nullptr || m_pPositions->IsEmpty() || m_pDC == nullptr)
        return;
    const CPoint first = *static_cast<CPoint*>(m_pPositions->GetHead());
    const CPoint last = *static_cast<CPoint*>(m_pPositions->GetTail());
    const double a = std::atan2(double(last.y - first.y), double(last.x - first.x));
    const double dTick = m_nDirection ? a + kPi / 2.0 : a - kPi / 2.0;
    int nMajor = m_nMajorLength;
    int nMinor = int(m_nMajorLength * m_dMinorRatio + 0.5);
    if (m_pDC->IsPrinting()) {
        // the ticks stand across the axis: they take that direction's device scale
        const bool bHorizontal = std::fabs(std::cos(a)) >= std::fabs(std::sin(a));
        const double dScale = bHorizontal ? GetDeviceScaleY() : GetDeviceScaleX();
        nMajor = int(nMajor * dScale);
        nMinor = int(nMinor * dScale);
    }
    m_nLastMajor = nMajor;
    m_nLastMinor = nMinor;
    CPoint previous;
    bool bFirst = true;
    for (POSITION pos = m_pPositions->GetHeadPosition(); pos != nullptr;) {
        const CPoint pt = PointAt(*m_pPositions, pos);
        DrawTick(pt, nMajor, dTick, m_nMajorWidth);
        if (!bFirst) {
            for (int i = 1; i <= m_nMinorCount; ++i) {
                const double f = double(i) / (m_nMinorCount + 1);
                DrawTick(CPoint(Round(previous.x + (pt.x - previous.x) * f), Round(previous.y + (pt.y - previous.y) * f)),
                         nMinor, dTick, m_nMinorWidth);
            }
        }
        previous = pt;
        bFirst = false;
    }
}
