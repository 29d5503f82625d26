// ChartViewCore: the mouse, the tips, the value drag and the zoom (see ChartViewCore.h).
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <memory>
#include <vector>

#include "chart/views/ChartViewCore.h"

#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedData.h"
#include "chart/engine/DEDizedFeedback.h"
#include "chart/engine/display/DEDizedPosition.h"
#include "chart/engine/display/SRGDisplayBase.h"
#include "chart/views/CGraphDoc.h"
#include "chart/views/ChartViewDialogs.h"

namespace {

// Sums of percent tips below this count as none.
const double kTinySum = 1.1102230246251565e-14;
const double kDegreesPerRadian = 57.29578;
const double kPi = 3.14159265358979;

// How the drag and the tip read a data point of a graph type: one value, or the numbers of the point
// kept in neighbouring items or groups.
enum PointKind {
    pointValue,       // the value axis gives the item's value
    pointItemPair,    // x and y in items k and k + 1 (0x13, 0x14, 0x20, 0x21)
    pointGroupPair,   // x and y in groups g and g + 1 (0x15, 0x22)
    pointPolar,       // angle and magnitude in groups g and g + 1 (0x1a, 0x1b)
    pointBubble,      // x, y and size in groups g, g + 1, g + 2 (0x29, 0x2a)
    pointVector,      // x, y, angle and magnitude in groups g .. g + 3 (0x2b, 0x2c)
    pointSegment,     // x, y and the end's x and y in groups g .. g + 3 (0x2d)
};

PointKind KindOf(int nGraphType)
{
    switch (nGraphType) {
    case 0x13: case 0x14: case 0x20: case 0x21:
        return pointItemPair;
    case 0x15: case 0x22:
        return pointGroupPair;
    case 0x1a: case 0x1b:
        return pointPolar;
    case 0x29: case 0x2a:
        return pointBubble;
    case 0x2b: case 0x2c:
        return pointVector;
    case 0x2d:
        return pointSegment;
    default:
        return pointValue;
    }
}

bool IsCircular(int nGraphType)
{
    return nGraphType == 0x12 || nGraphType == 0x17 || nGraphType == 0x1a || nGraphType == 0x1b;
}

// True when a and b differ by more than 50 x 2^-52 of the larger of their sizes.
bool Differs(double a, double b)
{
    return std::fabs(a - b) > 50.0 * DBL_EPSILON * (std::max)(std::fabs(a), std::fabs(b));
}

SRGDisplayBase* AsDisplay(void* pComponent)
{
    return dynamic_cast<SRGDisplayBase*>(static_cast<DEDizedComponent*>(pComponent));
}

// The displays a position names, in chart order.
std::vector<SRGDisplayBase*> NamedDisplays(const DEDizedPosition& position)
{
    std::vector<SRGDisplayBase*> displays;
    if (CPtrList* pList = position.GetDisplayList()) {
        for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;)
            if (SRGDisplayBase* pDisplay = AsDisplay(pList->GetNext(pos)))
                displays.push_back(pDisplay);
    } else if (SRGDisplayBase* pDisplay = AsDisplay(position.GetFirstDisplay())) {
        displays.push_back(pDisplay);
    }
    return displays;
}

// The number of pDisplay among the chart's displays; -1 when it is none of them.
int DisplayNumber(DEDized& chart, const SRGDisplayBase* pDisplay)
{
    for (int n = 0;; ++n) {
        const DEDizedComponent* pComponent = chart.GetComponent(n, chartTypeDisplay);
        if (pComponent == nullptr)
            return -1;
        if (pComponent == pDisplay)
            return n;
    }
}

// True when the item lies in the window the display drew last.
bool Holds(const SRGDisplayBase& display, int nIndex, int nGroup)
{
    return nIndex >= display.GetFirstIndex() && nIndex <= display.GetLastIndex() && nGroup >= display.GetFirstGroup() &&
           nGroup <= display.GetLastGroup();
}

// The first item and the first group the display asks for (-1, all of them, counts from 0).
int FirstIndexOf(const SRGDisplayBase& display)
{
    int nFirstIndex, nFirstGroup, nLastIndex, nLastGroup;
    display.GetDataWindow(nFirstIndex, nFirstGroup, nLastIndex, nLastGroup);
    return (std::max)(nFirstIndex, 0);
}

int FirstGroupOf(const SRGDisplayBase& display)
{
    int nFirstIndex, nFirstGroup, nLastIndex, nLastGroup;
    display.GetDataWindow(nFirstIndex, nFirstGroup, nLastIndex, nLastGroup);
    return (std::max)(nFirstGroup, 0);
}

// The start of the set of nSize neighbours (items or groups counted from nFirst) that n belongs to.
int SetStart(int n, int nFirst, int nSize)
{
    const int nOffset = (n - nFirst) % nSize;
    return n - (nOffset < 0 ? nOffset + nSize : nOffset);
}

// One value of the chart; 0 for a negative index or group.
double ValueAt(DEDized& chart, int nIndex, int nGroup)
{
    return nIndex >= 0 && nGroup >= 0 ? chart.GetValue(nIndex, nGroup) : 0.0;
}

// The sum of the present values of item nFixed of groups nFrom..nTo (bAcrossGroups), or of items
// nFrom..nTo of group nFixed.
double SumPresent(DEDized& chart, bool bAcrossGroups, int nFixed, int nFrom, int nTo)
{
    double dSum = 0.0;
    for (int n = nFrom; n <= nTo; ++n) {
        DEDizedData* pItem = bAcrossGroups ? chart.GetDataItem(nFixed, n) : chart.GetDataItem(n, nFixed);
        if (pItem != nullptr && !pItem->IsNull())
            dSum += pItem->GetValue();
    }
    return dSum;
}

// A value the drag stores.
struct DraggedValue {
    int nIndex;
    int nGroup;
    double dValue;
};

} // namespace

template <class TBase>
void ChartViewCore<TBase>::EnableDragTip(int bEnable)
{
    m_bDragTip = bEnable;
}

template <class TBase>
int ChartViewCore<TBase>::IsDragTipEnabled() const
{
    return m_bDragTip;
}

template <class TBase>
void ChartViewCore<TBase>::EnableValueDrag(int bEnable)
{
    m_bValueDragEnabled = bEnable;
}

template <class TBase>
int ChartViewCore<TBase>::IsValueDragEnabled() const
{
    return m_bValueDragEnabled;
}

template <class TBase>
void ChartViewCore<TBase>::EnableZoom(int bEnable)
{
    m_bZoomEnabled = bEnable;
}

template <class TBase>
int ChartViewCore<TBase>::IsZoomEnabled() const
{
    return m_bZoomEnabled;
}

template <class TBase>
DEDizedPosition* ChartViewCore<TBase>::HitTest(DEDized* pChart, int x, int y)
{
    AfxRequirePointer(pChart, "ChartViewCore::HitTest", "pChart");
    return new DEDizedPosition(pChart, x, y, this);
}

// ---- mouse ---------------------------------------------------------------------------------------------

template <class TBase>
void ChartViewCore<TBase>::OnMouseMove(UINT nFlags, CPoint client)
{
    const CPoint point = ToChart(client);
    if (m_bTipTimerRunning) {
        this->KillTimer(kTimerTip);
        m_bTipTimerRunning = 0;
    }
    // a window shown or hidden under a resting mouse sends a move to the same point: the tip stays
    if (point == m_ptLast)
        return;
    if (m_tip.IsVisible())
        m_tip.Hide();
    this->SetTimer(kTimerTip, kTipDelay);
    m_bTipTimerRunning = 1;
    m_ptLast = point;
    if (m_bValueDragActive)
        UpdateValueDrag(nFlags, point.x, point.y);
    if (m_bBandActive)
        UpdateZoomBand(point.x, point.y);
    this->Default();
}

template <class TBase>
void ChartViewCore<TBase>::OnLButtonDown(UINT /*nFlags*/, CPoint client)
{
    const CPoint point = ToChart(client);
    this->SetCapture();
    DEDized* pChart = GetGraph();
    DEDizedFeedback* pHit = pChart != nullptr ? pChart->HitTest(point.x, point.y) : nullptr;
    if (pHit == nullptr || !m_bValueDragEnabled) {
        m_ptBandStart = point;
        m_ptBandCorner = point;
        m_bBandShown = 0;
        if (m_bZoomEnabled && BandStartsAt(pChart, point))
            m_bBandActive = 1;
    } else if (pHit->GetFirstIndex() >= 0 && pHit->GetSecondIndex() >= 0) {
        m_bValueDragActive = 1;
        m_nPickedIndex = pHit->GetFirstIndex();
        m_nPickedGroup = pHit->GetSecondIndex();
    }
    this->Default();
}

template <class TBase>
void ChartViewCore<TBase>::OnLButtonUp(UINT /*nFlags*/, CPoint client)
{
    const CPoint point = ToChart(client);
    // the drag tip showed the dragged value, which the document may not keep: it goes with the drag,
    // and the next tip waits for the next move
    if (m_bValueDragActive) {
        if (m_tip.IsVisible())
            m_tip.Hide();
        if (m_bTipTimerRunning) {
            this->KillTimer(kTimerTip);
            m_bTipTimerRunning = 0;
        }
    }
    m_bValueDragActive = 0;
    ::ReleaseCapture();
    DEDized* pChart = GetGraph();
    if (m_bBandActive && point != m_ptBandStart && pChart != nullptr)
        ZoomBand(pChart, point);
    m_bBandActive = 0;
    m_bBandShown = 0;
    this->Invalidate(TRUE);
    this->Default();
}

template <class TBase>
void ChartViewCore<TBase>::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kTimerTip) {
        TBase::OnTimer(nIDEvent);
        return;
    }
    this->KillTimer(kTimerTip);
    m_bTipTimerRunning = 0;
    DEDized* pChart = GetGraph();
    if (pChart == nullptr)
        return;
    std::unique_ptr<DEDizedPosition> pPosition(HitTest(pChart, m_ptLast.x, m_ptLast.y));
    if (pPosition->GetHitKind() == DEDizedPosition::hitNone)
        return;
    // an item drawn under the mouse names its item and group exactly
    if (DEDizedFeedback* pRegion = pChart->HitTest(m_ptLast.x, m_ptLast.y)) {
        pPosition->SetItemIndex(pRegion->GetFirstIndex());
        pPosition->SetGroupIndex(pRegion->GetSecondIndex());
    }
    if (pPosition->HasItemIndex() || pPosition->HasGroupIndex())
        ShowTipAt(pPosition.get());
}

// ---- tips ----------------------------------------------------------------------------------------------

template <class TBase>
CString ChartViewCore<TBase>::TipText(DEDizedPosition* pPosition)
{
    AfxRequirePointer(pPosition, "ChartViewCore::TipText", "pPosition");
    DEDized* pChart = GetGraph();
    SRGDisplayBase* pDisplay = AsDisplay(pPosition->GetFirstDisplay());
    CString text;
    if (pChart == nullptr || pDisplay == nullptr)
        return text;
    const int i = pPosition->GetItemIndex();
    const int g = pPosition->GetGroupIndex();
    auto value = [&](int nIndex, int nGroup) { return ValueAt(*pChart, nIndex, nGroup); };
    int nFirstIndex, nFirstGroup, nLastIndex, nLastGroup;
    pDisplay->GetDataWindow(nFirstIndex, nFirstGroup, nLastIndex, nLastGroup);
    switch (const int nGraphType = pDisplay->GetGraphType()) {
    case 0x13: case 0x14: case 0x20: case 0x21:
        text.Format(" (%.2f, %.2f) ", value(i, g), value(i + 1, g));
        break;
    case 0x15: case 0x22:
        text.Format(" (%.2f, %.4f) ", value(i, g), value(i, g + 1));
        break;
    case 0x29:
    case 0x2a:
        text.Format(nGraphType == 0x29 ? " (%.2f, %.2f), Radius = %.2f " : " (%.2f, %.2f), Area = %.2f ", value(i, g),
                    value(i, g + 1), value(i, g + 2));
        break;
    case 0x2b: case 0x2c: case 0x2d:
        if ((i - FirstIndexOf(*pDisplay)) % 4 == 2)
            text = "Drag to change direction";
        else
            text.Format(nGraphType == 0x2d ? " (%.2f, %.2f), (%.2f, %.2f) "
                                           : " (%.2f, %.2f), Angle = %.2f, Magnitude = %.2f ",
                        value(i, g), value(i, g + 1), value(i, g + 2), value(i, g + 3));
        break;
    case 0x2f: case 0x30: case 0x31: case 0x32: {
        double dSum = 0.0;
        if (i >= 0 && g >= 0) {
            // percent columns and bars share an item's total over the groups, group-stacked ones a
            // group's total over the items
            if (nGraphType <= 0x30)
                dSum = SumPresent(*pChart, true, i, (std::max)(nFirstGroup, 0),
                                  nLastGroup >= 0 ? nLastGroup : pChart->GetGroupCount() - 1);
            else
                dSum = SumPresent(*pChart, false, g, (std::max)(nFirstIndex, 0),
                                  nLastIndex >= 0 ? nLastIndex : pChart->GetMaxItemCount() - 1);
        }
        if (dSum >= kTinySum)
            text.Format("Index=%d Group=%d, %.2f %%", i, g, 100.0 * value(i, g) / dSum);
        else
            text.Format("Index=%d Group=%d ", i, g);
        break;
    }
    default:
        if (i < 0 || g < 0)
            text.Format("Index=%d Group=%d ", i, g);
        else
            text.Format("Index=%d Group=%d Value=%.2f", i, g, value(i, g));
        break;
    }
    return text;
}

template <class TBase>
void ChartViewCore<TBase>::ShowTipAt(DEDizedPosition* pPosition)
{
    AfxRequirePointer(pPosition, "ChartViewCore::ShowTipAt", "pPosition");
    const CString text = TipText(pPosition);
    const CPoint point = ChartToScreen(pPosition->GetPoint());
    m_tip.Show(text, point.x, point.y, this);
}

// ---- value drag ----------------------------------------------------------------------------------------

template <class TBase>
void ChartViewCore<TBase>::UpdateValueDrag(UINT /*nFlags*/, int x, int y)
{
    DEDized* pChart = GetGraph();
    if (pChart == nullptr)
        return;
    std::unique_ptr<DEDizedPosition> pPosition(HitTest(pChart, x, y));
    SRGDisplayBase* pDisplay = nullptr;
    for (SRGDisplayBase* pNamed : NamedDisplays(*pPosition)) {
        if (Holds(*pNamed, m_nPickedIndex, m_nPickedGroup)) {
            pDisplay = pNamed;
            break;
        }
    }
    if (pDisplay == nullptr)
        return;
    // the point stays on the plot: a mouse past its edge takes it to the edge, so the line to it is
    // never drawn over the frame, the titles or the caption
    const CRect plot = pDisplay->GetPlotRect();
    if (!plot.IsRectEmpty() && (x < plot.left || x > plot.right || y < plot.top || y > plot.bottom)) {
        x = std::clamp(x, int(plot.left), int(plot.right));
        y = std::clamp(y, int(plot.top), int(plot.bottom));
        pPosition.reset(HitTest(pChart, x, y));
    }
    pPosition->Resolve(pDisplay);

    // what the point stands for, inverting the display's drawing of it
    const int i = m_nPickedIndex;
    const int g = m_nPickedGroup;
    std::vector<DraggedValue> values;
    int nNumbers = 1;           // how many numbers the point carries (for the drag tip)
    int nTipIndex = i;          // and where the first of them is
    int nTipGroup = g;
    bool bAlongItems = false;   // the numbers follow each other in items, not in groups
    const double dX = pPosition->GetAngle();
    const double dY = pPosition->GetValue();
    const bool bPair = pPosition->HasValue() && pPosition->HasAngle();
    // the two numbers the point is plotted from, stored at (i1, g1) and (i2, g2)
    auto storePair = [&values](int i1, int g1, double d1, int i2, int g2, double d2) {
        values.push_back({i1, g1, d1});
        values.push_back({i2, g2, d2});
    };
    switch (KindOf(pDisplay->GetGraphType())) {
    case pointValue:
        if (pPosition->HasValue())
            values.push_back({i, g, dY});
        break;
    case pointItemPair: {
        const int i0 = SetStart(i, FirstIndexOf(*pDisplay), 2);
        if (bPair)
            storePair(i0, g, dX, i0 + 1, g, dY);
        nNumbers = 2;
        nTipIndex = i0;
        bAlongItems = true;
        break;
    }
    case pointGroupPair:
    case pointPolar:
    case pointBubble: {
        // x and y, or the polar angle and magnitude, in the first two groups of the set
        nNumbers = KindOf(pDisplay->GetGraphType()) == pointBubble ? 3 : 2;
        const int g0 = SetStart(g, FirstGroupOf(*pDisplay), nNumbers);
        if (bPair)
            storePair(i, g0, dX, i, g0 + 1, dY);
        nTipGroup = g0;
        break;
    }
    case pointVector:
    case pointSegment: {
        const int g0 = SetStart(g, FirstGroupOf(*pDisplay), 4);
        nNumbers = 4;
        nTipGroup = g0;
        if (!bPair)
            break;
        if (g - g0 != 2) {
            storePair(i, g0, dX, i, g0 + 1, dY);
        } else if (pDisplay->GetGraphType() == 0x2d) {
            storePair(i, g0 + 2, dX, i, g0 + 3, dY);
        } else {
            // the vector's end: its direction (0 up, 90 right) and length from the anchor, which a
            // centred vector (0x2c) reaches with half its length
            const double dx = dX - ValueAt(*pChart, i, g0);
            const double dy = dY - ValueAt(*pChart, i, g0 + 1);
            const double dLength = std::hypot(dx, dy) * (pDisplay->GetGraphType() == 0x2c ? 2.0 : 1.0);
            storePair(i, g0 + 2, std::atan2(dx, dy) * kDegreesPerRadian, i, g0 + 3, dLength);
        }
        break;
    }
    }
    if (values.empty())
        return;

    CGraphDoc* pDocument = dynamic_cast<CGraphDoc*>(this->GetDocument());
    for (const DraggedValue& dragged : values) {
        pChart->SetValue(dragged.nIndex, dragged.nGroup, dragged.dValue, 0);
        if (pDocument != nullptr) {
            SECDataRecord record = {};
            record.nGroup = dragged.nGroup + 1;
            record.nIndex = dragged.nIndex + 1;
            record.dValue = dragged.dValue;
            pDocument->SendToServer(kDragCommand, reinterpret_cast<LPARAM>(&record));
        }
    }
    this->Invalidate(TRUE);

    if (!m_bDragTip)
        return;
    double numbers[4] = {};
    for (int n = 0; n < nNumbers; ++n)
        numbers[n] = bAlongItems ? ValueAt(*pChart, nTipIndex + n, nTipGroup) : ValueAt(*pChart, nTipIndex, nTipGroup + n);
    CString text;
    switch (nNumbers) {
    case 1: text.Format(" %.2f ", numbers[0]); break;
    case 2: text.Format("(%.2f, %.2f)", numbers[0], numbers[1]); break;
    case 3: text.Format("(%.2f, %.2f, %.2f)", numbers[0], numbers[1], numbers[2]); break;
    default: text.Format("(%.2f, %.2f, %.2f, %.2f)", numbers[0], numbers[1], numbers[2], numbers[3]); break;
    }
    const CPoint point = ChartToScreen(CPoint(x, y));
    m_tip.Show(text, point.x, point.y, this);
}

// ---- zoom ----------------------------------------------------------------------------------------------

template <class TBase>
BOOL ChartViewCore<TBase>::BandRegion(CPoint corner, CRgn& rRegion)
{
    DEDized* pChart = GetGraph();
    if (pChart == nullptr)
        return FALSE;
    std::unique_ptr<DEDizedPosition> pStart(HitTest(pChart, m_ptBandStart.x, m_ptBandStart.y));
    SRGDisplayBase* pDisplay = AsDisplay(pStart->GetFirstDisplay());
    if (pDisplay == nullptr)
        return FALSE;
    const CRect plot = pDisplay->GetPlotRect();
    if (!plot.PtInRect(m_ptBandStart) || !plot.PtInRect(corner))
        return FALSE;
    const int nGraphType = pDisplay->GetGraphType();
    if (IsCircular(nGraphType)) {
        // the sector between the two points' angles, counted clockwise from the top as the items are
        const CPoint centre(plot.left + plot.Width() / 2, plot.top + plot.Height() / 2);
        const double dRadius = 0.4 * (std::min)(plot.Width(), plot.Height());
        auto angle = [&](CPoint p) {
            const double a = std::atan2(double(p.y - centre.y), double(p.x - centre.x)) + kPi / 2.0;
            return a < 0.0 ? a + 2.0 * kPi : a;
        };
        const double a1 = (std::min)(angle(m_ptBandStart), angle(corner));
        const double a2 = (std::max)(angle(m_ptBandStart), angle(corner));
        std::vector<POINT> points{centre};
        const int nSteps = (std::max)(2, int((a2 - a1) * kDegreesPerRadian / 2.0) + 1);
        for (int n = 0; n <= nSteps; ++n) {
            const double a = a1 + (a2 - a1) * n / nSteps - kPi / 2.0;
            points.push_back({centre.x + int(std::cos(a) * dRadius + 0.5), centre.y + int(std::sin(a) * dRadius + 0.5)});
        }
        return rRegion.CreatePolygonRgn(points.data(), int(points.size()), ALTERNATE);
    }
    CRect band(m_ptBandStart, corner);
    band.NormalizeRect();
    if (!ChartIsXYType(nGraphType)) {
        // the zoom narrows the category axis only: a strip across the display
        if (pStart->GetResultGroup() & DEDizedPosition::measuredVerticalCategories) {
            band.left = plot.left;
            band.right = plot.right;
        } else {
            band.top = plot.top;
            band.bottom = plot.bottom;
        }
    }
    return rRegion.CreateRectRgnIndirect(&band);
}

template <class TBase>
void ChartViewCore<TBase>::UpdateZoomBand(int x, int y)
{
    const CPoint corner(x, y);
    // the band is in chart coordinates, which the prepared DC maps to the window
    CClientDC dc(this);
    this->OnPrepareDC(&dc);
    CRgn previous;
    if (m_bBandShown && BandRegion(m_ptBandCorner, previous))
        dc.InvertRgn(&previous);
    m_bBandShown = 0;
    CRgn band;
    if (BandRegion(corner, band)) {
        dc.InvertRgn(&band);
        m_bBandShown = 1;
    }
    m_ptBandCorner = corner;
}

template <class TBase>
void ChartViewCore<TBase>::ZoomBand(DEDized* pChart, CPoint point)
{
    std::unique_ptr<DEDizedPosition> pStart(HitTest(pChart, m_ptBandStart.x, m_ptBandStart.y));
    std::unique_ptr<DEDizedPosition> pEnd(HitTest(pChart, point.x, point.y));
    // a band that has no width in a scale both corners measure zooms nothing
    if (pStart->HasValue() && pEnd->HasValue() && !Differs(pStart->GetValue(), pEnd->GetValue()))
        return;
    if (pStart->HasAngle() && pEnd->HasAngle() && !Differs(pStart->GetAngle(), pEnd->GetAngle()))
        return;

    bool bFirst = true;
    for (SRGDisplayBase* pDisplay : NamedDisplays(*pEnd)) {
        pStart->Resolve(pDisplay);
        pEnd->Resolve(pDisplay);
        const int nNumber = DisplayNumber(*pChart, pDisplay);
        if (nNumber < 0)
            continue;
        SRGZoom* pRecord = new SRGZoom;
        pRecord->m_nDisplay = bFirst ? nNumber : ~nNumber;
        pDisplay->GetDataWindow(pRecord->m_nFirstIndex, pRecord->m_nFirstGroup, pRecord->m_nLastIndex,
                                pRecord->m_nLastGroup);
        pRecord->m_dFixedMin = pDisplay->GetFixedMin();
        pRecord->m_dFixedMax = pDisplay->GetFixedMax();
        pRecord->m_dFixedXMin = pDisplay->GetFixedXMin();
        pRecord->m_dFixedXMax = pDisplay->GetFixedXMax();
        pRecord->m_yRange = pDisplay->GetYViewRange();
        pRecord->m_xRange = pDisplay->GetXViewRange();
        m_zoomStack.Push(pRecord);

        if (pEnd->HasValue() && pEnd->HasAngle()) {
            CScale y;
            y.Include(pStart->GetValue());
            y.Include(pEnd->GetValue());
            pDisplay->SetYViewRange(y.m_dMaximum, y.m_dMinimum, 0);
            CScale x;
            x.Include(pStart->GetAngle());
            x.Include(pEnd->GetAngle());
            pDisplay->SetXViewRange(x.m_dMaximum, x.m_dMinimum, 0);
        }

        int nMask = 3;
        if (bFirst && pEnd->HasItemIndex() && pEnd->HasGroupIndex()) {
            CSelectQuery query(this);
            if (query.DoModal() != IDOK) {
                delete m_zoomStack.Pop();
                return;
            }
            nMask = query.m_nChoice + 1;
        }
        pRecord->m_nMask = nMask;

        // the items and groups between the corners, within what the display shows
        int nFirstIndex = pRecord->m_nFirstIndex;
        int nFirstGroup = pRecord->m_nFirstGroup;
        int nLastIndex = pRecord->m_nLastIndex;
        int nLastGroup = pRecord->m_nLastGroup;
        auto between = [](int a, int b, int nLow, int nHigh, int& rFirst, int& rLast) {
            if (nHigh < nLow)
                return;
            rFirst = (std::min)((std::max)((std::min)(a, b), nLow), nHigh);
            rLast = (std::min)((std::max)((std::max)(a, b), nLow), nHigh);
        };
        if ((nMask & 1) && pStart->HasItemIndex() && pEnd->HasItemIndex())
            between(pStart->GetItemIndex(), pEnd->GetItemIndex(), pDisplay->GetFirstIndex(), pDisplay->GetLastIndex(),
                    nFirstIndex, nLastIndex);
        if ((nMask & 2) && pStart->HasGroupIndex() && pEnd->HasGroupIndex()) {
            between(pStart->GetGroupIndex(), pEnd->GetGroupIndex(), pDisplay->GetFirstGroup(), pDisplay->GetLastGroup(),
                    nFirstGroup, nLastGroup);
            if (pDisplay->GetGraphType() == 0x1e) {
                // floating bars stand on pairs of groups: whole pairs only
                nFirstGroup -= nFirstGroup % 2;
                nLastGroup |= 1;
            }
        }
        pDisplay->SetDataWindow(nFirstIndex, nFirstGroup, nLastIndex, nLastGroup);
        bFirst = false;
    }
}

template <class TBase>
void ChartViewCore<TBase>::UndoZoom(int bAll)
{
    DEDized* pChart = GetGraph();
    while (CObject* pObject = m_zoomStack.Pop()) {
        std::unique_ptr<SRGZoom> pRecord(dynamic_cast<SRGZoom*>(pObject));
        if (pRecord == nullptr) {
            delete pObject;
            continue;
        }
        const bool bEndsStep = pRecord->m_nDisplay >= 0;
        const int nNumber = bEndsStep ? pRecord->m_nDisplay : ~pRecord->m_nDisplay;
        SRGDisplayBase* pDisplay = pChart != nullptr ? AsDisplay(pChart->GetComponent(nNumber, chartTypeDisplay)) : nullptr;
        if (pDisplay != nullptr) {
            pDisplay->SetDataWindow(pRecord->m_nFirstIndex, pRecord->m_nFirstGroup, pRecord->m_nLastIndex,
                                    pRecord->m_nLastGroup);
            pDisplay->SetFixedMin(pRecord->m_dFixedMin);
            pDisplay->SetFixedMax(pRecord->m_dFixedMax);
            pDisplay->SetFixedXMin(pRecord->m_dFixedXMin);
            pDisplay->SetFixedXMax(pRecord->m_dFixedXMax);
            pDisplay->SetYViewRange(pRecord->m_yRange.m_dMaximum, pRecord->m_yRange.m_dMinimum, pRecord->m_yRange.m_nReset);
            pDisplay->SetXViewRange(pRecord->m_xRange.m_dMaximum, pRecord->m_xRange.m_dMinimum, pRecord->m_xRange.m_nReset);
        }
        if (!bAll && bEndsStep)
            break;
    }
    this->Invalidate(TRUE);
}

template class ChartViewCore<CView>;
template class ChartViewCore<CScrollView>;
