// DEDizedDisplay: the pie display, flat (GT_PIE) or tilted with walls (GT_PIE_3D).
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>
#include <vector>

#include "chart/engine/display/DEDizedDisplay.h"

#include "chart/engine/ChartGeometry.h"
#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedData.h"
#include "chart/engine/display/DisplayDrawing.h"

namespace {

// The full turn as the pie measures it (a hair under 2 pi) and the step of its arcs (5 degrees); the
// front half of the rim ends half a turn round on the same measure, so that a slice ending there shows
// no sliver of rim.
const double kPieTurn = 6.2831852;
const double kArcStep = 0.08726646111111111;
const double kHalfTurn = kPieTurn / 2;
// Walls show only when the pie is seen at a tilt.
const double kNoWalls = 0.0001;

// A slice as the pie draws it: its pull-out and its place in the pie (its palette index).
struct DrawnSlice : DEDizedDisplay::PieSlice {
    CPoint offset;
    int nColour;
};

// Drawing state of one pie: centre, radii and wall height in pixels.
struct PieShape {
    double cx;
    double cy;
    double R;
    double Ry;
    double H;

    CPoint At(double dAngle, double dDrop = 0.0) const
    {
        return CPoint(ToPixel(cx + std::cos(dAngle) * R + 0.5), ToPixel(cy + std::sin(dAngle) * Ry + dDrop + 0.5));
    }
    CPoint Centre(double dDrop = 0.0) const { return CPoint(ToPixel(cx + 0.5), ToPixel(cy + dDrop + 0.5)); }
    // The rim from dTo back to dFrom in 5-degree steps, the last clamped to dFrom.
    void Arc(double dFrom, double dTo, double dDrop, std::vector<POINT>& rPoints) const
    {
        for (double a = dTo; a > dFrom; a -= kArcStep)
            rPoints.push_back(At(a, dDrop));
        rPoints.push_back(At(dFrom, dDrop));
    }
};

// The flat face between the centre and the rim at dAngle, dropped down the wall.
std::vector<POINT> RadialWall(const PieShape& pie, double dAngle)
{
    const CPoint centre = pie.Centre();
    const CPoint edge = pie.At(dAngle);
    const CPoint centreDown = pie.Centre(pie.H);
    const CPoint edgeDown = pie.At(dAngle, pie.H);
    return {centre, edge, edgeDown, centreDown, centre};
}

} // namespace

void DEDizedDisplay::ListPieSlices(double dTotal, std::vector<PieSlice>& rSlices)
{
    rSlices.clear();
    try {
        double dAngle = 0.0;
        for (int g = m_nWindowFirstGroup; g <= m_nWindowLastGroup; ++g) {
            for (int i = m_nWindowFirstIndex; i <= m_nWindowLastIndex; ++i) {
                DEDizedData* pItem = m_pChart->GetDataItem(i, g);
                if (pItem == nullptr || pItem->IsNull())
                    continue;
                const double dSlice = pItem->GetValue(0) * kPieTurn / dTotal;
                rSlices.push_back({i, g, pItem, dAngle, dSlice});
                dAngle += dSlice;
            }
        }
    } catch (const std::bad_alloc&) {
        std::vector<PieSlice>().swap(rSlices);
    }
}

void DEDizedDisplay::DrawPieChart()
{
    if (!CanDrawData())
        return;
    if (m_yData.m_dMinimum < 0.0) {
        // negative values make no pie: the display shows columns from the next draw on
        SetGraphType(GT_VBAR);
        SetAxisType(AXIS_STANDARD);
        MarkStyleChanged();
        return;
    }
    const double dTotal =
        m_pChart->GetRangeSum(m_nWindowFirstGroup, m_nWindowFirstIndex, m_nWindowLastGroup, m_nWindowLastIndex);
    if (!(dTotal > kTinyRange)) {
        DrawPlaceholder();
        return;
    }
    const CRect& r = m_rcPlot;
    const int nAxisType = GetAxisType();
    PieShape pie;
    pie.R = nAxisType == AXIS_PIE || nAxisType == AXIS_BY_GRAPH_TYPE ? GetPieRadius()
                                                                      : 0.4 * (std::min)(r.Width(), r.Height());
    const double dTilt = (GetGraphType() == GT_PIE ? 90.0 : GetPieTilt()) * kChartRadiansPerDegree;
    pie.Ry = std::sin(dTilt) * pie.R;
    const double dThickness = HasFlag(flagOwnDepth) ? m_style.GetDepth() : pie.Ry * 0.5;
    pie.H = std::cos(dTilt) * dThickness;
    pie.cx = r.left + r.Width() / 2;
    pie.cy = int(r.top + r.Height() / 2 - pie.H * 0.5);

    std::vector<PieSlice> listed;
    ListPieSlices(dTotal, listed);
    std::vector<DrawnSlice> slices;
    if (!SizeWorkArray(slices, listed.size()))
        listed.clear();
    for (size_t s = 0; s < listed.size(); ++s) {
        const PieSlice& slice = listed[s];
        const double dMiddle = slice.dStart + slice.dAngle / 2.0;
        const double k = PiePullOut(slice.pItem->GetStyle()->m_nKind) - 1.0;
        const CPoint offset(ToPixel(std::cos(dMiddle) * k * pie.R + 0.5),
                            ToPixel(std::sin(dMiddle) * k * pie.Ry + 0.5));
        slices[s] = {slice, offset, int(s)};
    }
    auto drawPolygon = [&](std::vector<POINT>& points, const DrawnSlice& slice, bool bRegister) {
        OffsetPoints(points.data(), int(points.size()), slice.offset.x, slice.offset.y);
        m_nPaletteIndex = slice.nColour;
        DEDizedStyle* pStyle = slice.pItem->GetStyle();
        if (bRegister)
            m_pChart->AddPolygonFeedback(points.data(), int(points.size()), slice.nItem, slice.nGroup);
        FillPolygon(points.data(), int(points.size()), pStyle, 0);
        FramePolygon(points.data(), int(points.size()), pStyle, 0);
    };

    if (pie.R - pie.Ry >= kNoWalls && !slices.empty()) {
        // back to front: the walls whose rim point lies higher on the screen first
        auto byRimY = [&](double dAngle) { return std::sin(dAngle) * pie.Ry; };
        std::vector<size_t> order;
        if (SizeWorkArray(order, slices.size())) {
            for (size_t s = 0; s < order.size(); ++s)
                order[s] = s;
            // radial walls at the start edge of every slice, each belonging to the slice it faces
            std::sort(order.begin(), order.end(),
                      [&](size_t a, size_t b) { return byRimY(slices[a].dStart) < byRimY(slices[b].dStart); });
            for (size_t s : order) {
                const double dEdge = slices[s].dStart;
                const bool bRightOfCentre = pie.At(dEdge).x > pie.Centre().x;
                const DrawnSlice& owner = bRightOfCentre ? slices[s == 0 ? slices.size() - 1 : s - 1] : slices[s];
                std::vector<POINT> wall = RadialWall(pie, dEdge);
                drawPolygon(wall, owner, false);
            }
            // the front of the rim: the part of each slice in the lower half of the ellipse
            auto middle = [&](size_t s) { return slices[s].dStart + slices[s].dAngle / 2; };
            std::sort(order.begin(), order.end(),
                      [&](size_t a, size_t b) { return byRimY(middle(a)) < byRimY(middle(b)); });
            for (size_t s : order) {
                const DrawnSlice& slice = slices[s];
                const double dEnd = (std::min)(slice.dStart + slice.dAngle, kHalfTurn);
                if (!(slice.dStart <= kHalfTurn) || !(dEnd > slice.dStart))
                    continue;
                std::vector<POINT> rim;
                pie.Arc(slice.dStart, dEnd, 0.0, rim);
                std::vector<POINT> lowered;
                pie.Arc(slice.dStart, dEnd, pie.H, lowered);
                rim.insert(rim.end(), lowered.rbegin(), lowered.rend());
                rim.push_back(rim.front());
                drawPolygon(rim, slice, true);
                if (slice.offset != CPoint(0, 0)) {
                    // a slice pulled out shows the cut face on the side it moved away from
                    std::vector<POINT> side =
                        RadialWall(pie, slice.offset.x < 1 ? slice.dStart : slice.dStart + slice.dAngle);
                    drawPolygon(side, slice, true);
                }
            }
        }
    }

    // the faces, in window order
    const bool bSingleCell = m_nGroupCount == 1 && m_nIndexCount == 1;
    for (const DrawnSlice& slice : slices) {
        std::vector<POINT> face;
        if (!bSingleCell)
            face.push_back(pie.Centre());
        pie.Arc(slice.dStart, slice.dStart + slice.dAngle, 0.0, face);
        // one value is the whole ellipse: no line from the centre
        face.push_back(face.front());
        drawPolygon(face, slice, true);
    }
}
