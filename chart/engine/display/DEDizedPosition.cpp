// DEDizedPosition: the displays under a point and what the point stands for in one of them.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>

#include "chart/engine/display/DEDizedPosition.h"

#include "chart/engine/DEDized.h"
#include "chart/engine/display/DEDizedDisplay.h"
#include "chart/engine/display/SRGDisplayBase.h"
#include "win/ArgCheck.h"

IMPLEMENT_DYNAMIC(DEDizedPosition, CObject)

namespace {

const double kTwoPi = 6.2831852;

} // namespace

DEDizedPosition::DEDizedPosition(DEDized* pChart, int x, int y, CWnd* pView)
    : m_nGroup(0),
      m_nItem(0),
      m_dValue(0.0),
      m_dAngle(0.0),
      m_pChart(pChart),
      m_nFlags(0),
      m_pHit(nullptr),
      m_pView(pView),
      m_x(x),
      m_y(y)
{
    AfxRequirePointer(pChart, "DEDizedPosition", "the chart");
    for (int n = 0;; ++n) {
        DEDizedComponent* pComponent = pChart->GetComponent(n, chartTypeDisplay);
        if (pComponent == nullptr)
            break;
        const SRGDisplayBase* pDisplay = dynamic_cast<SRGDisplayBase*>(pComponent);
        if (pDisplay == nullptr)
            continue;
        CRect rect = pDisplay->GetPlotRect();
        rect.InflateRect(kHitMargin, kHitMargin);
        if (!rect.PtInRect(CPoint(x, y)))
            continue;
        switch (GetHitKind()) {
        case hitNone:
            SetHitKind(hitOne);
            m_pHit = pComponent;
            Resolve(pComponent);
            break;
        case hitOne: {
            CPtrList* pList = nullptr;
            AfxAllocating([&] { pList = new CPtrList; });
            pList->AddTail(m_pHit);
            m_pHit = pList;
            SetHitKind(hitSeveral);
            pList->AddTail(pComponent);
            break;
        }
        default:
            static_cast<CPtrList*>(m_pHit)->AddTail(pComponent);
            break;
        }
    }
}

DEDizedPosition::~DEDizedPosition()
{
    if (GetHitKind() == hitSeveral)
        delete static_cast<CPtrList*>(m_pHit);
}

void DEDizedPosition::SetPoint(int x, int y)
{
    m_x = x;
    m_y = y;
}

int DEDizedPosition::HasValue() const
{
    return (m_nFlags & resolvedValue) != 0;
}

int DEDizedPosition::HasAngle() const
{
    return (m_nFlags & resolvedAngle) != 0;
}

int DEDizedPosition::HasItemIndex() const
{
    return (m_nFlags & resolvedItem) != 0;
}

int DEDizedPosition::HasGroupIndex() const
{
    return (m_nFlags & resolvedGroup) != 0;
}

void DEDizedPosition::ResolveOther(SRGDisplayBase* /*pDisplay*/)
{
}

int DEDizedPosition::GetHitKind() const
{
    return m_nFlags & 0xF;
}

int DEDizedPosition::GetResultGroup() const
{
    return m_nFlags & 0xF0000;
}

void DEDizedPosition::SetHitKind(int nKind)
{
    m_nFlags = (m_nFlags & ~0xF) | (nKind & 0xF);
}

void DEDizedPosition::SetGroupIndex(int nGroup)
{
    m_nGroup = nGroup;
    m_nFlags |= resolvedGroup;
}

int DEDizedPosition::GetGroupIndex() const
{
    return m_nGroup;
}

void DEDizedPosition::SetItemIndex(int nItem)
{
    m_nItem = nItem;
    m_nFlags |= resolvedItem;
}

int DEDizedPosition::GetItemIndex() const
{
    return m_nItem;
}

void DEDizedPosition::SetAngle(double dAngle)
{
    m_dAngle = dAngle;
    m_nFlags |= resolvedAngle;
}

void DEDizedPosition::SetValue(double dValue)
{
    m_dValue = dValue;
    m_nFlags |= resolvedValue;
}

double DEDizedPosition::GetAngle() const
{
    return m_dAngle;
}

double DEDizedPosition::GetValue() const
{
    return m_dValue;
}

CPtrList* DEDizedPosition::GetDisplayList() const
{
    return GetHitKind() == hitSeveral ? static_cast<CPtrList*>(m_pHit) : nullptr;
}

DEDizedComponent* DEDizedPosition::GetFirstDisplay() const
{
    switch (GetHitKind()) {
    case hitOne:
        return static_cast<DEDizedComponent*>(m_pHit);
    case hitSeveral:
        return static_cast<DEDizedComponent*>(static_cast<CPtrList*>(m_pHit)->GetHead());
    default:
        return nullptr;
    }
}

void DEDizedPosition::ResolveNth(int n)
{
    switch (GetHitKind()) {
    case hitOne:
        Resolve(static_cast<DEDizedComponent*>(m_pHit));
        break;
    case hitSeveral: {
        CPtrList* pList = static_cast<CPtrList*>(m_pHit);
        if (n >= 0 && n < int(pList->GetCount()))
            Resolve(static_cast<DEDizedComponent*>(pList->GetAt(pList->FindIndex(n))));
        break;
    }
    default:
        break;
    }
}

void DEDizedPosition::Resolve(DEDizedComponent* pComponent)
{
    SRGDisplayBase* pDisplay = dynamic_cast<SRGDisplayBase*>(pComponent);
    if (pDisplay == nullptr)
        return;
    CRect rect = pDisplay->GetPlotRect();
    if (ChartAxisHasDepth(pDisplay->GetAxisType())) {
        const CSize depth = pDisplay->GetDepthPixels();
        rect.top += depth.cy;
        rect.right -= depth.cx;
    }
    const double left = rect.left;
    const double top = rect.top;
    const double right = rect.right;
    const double bottom = rect.bottom;
    const double width = right - left;
    const double height = bottom - top;
    const int n = pDisplay->GetIndexCount();
    const int k = pDisplay->GetFirstIndex();
    const int m = pDisplay->GetGroupCount();
    const int g = pDisplay->GetFirstGroup();
    const bool bLog = pDisplay->HasFlag(SRGDisplayBase::flagLogarithmic);
    const double dRange = pDisplay->GetYRangeWidth();
    const double dMinimum = pDisplay->GetYDataRange().m_dMinimum;
    // the value of a distance from the start of an axis of the given length
    auto value = [&](double dDistance, double dLength) {
        if (!(dLength > 0.0) || !(dRange > 0.0))
            return dMinimum;
        if (bLog)
            return dMinimum * std::pow(10.0, dDistance / (dLength / dRange));
        return dMinimum + dDistance / (dLength / dRange);
    };
    const double x = m_x;
    const double y = m_y;
    const DEDizedDisplay* pPlotted = dynamic_cast<const DEDizedDisplay*>(pDisplay);
    switch (const int nGraphType = pDisplay->GetGraphType()) {
    case 0x01: case 0x06: case 0x18: case 0x1f: case 0x23: case 0x24: case 0x0e:
        if (n >= 1)
            SetItemIndex((n < 2 || !(width > 0.0) ? 0 : int((x - left) / (width / (n - 1)) + 0.5)) + k);
        if (nGraphType != 0x0e)
            SetValue(value(bottom - y, height));
        break;
    case 0x07: case 0x0b: case 0x19: case 0x1c: case 0x1d: case 0x2e:
        if (n >= 1 && width > 0.0)
            SetItemIndex(int((x - left) / (width / n)) + k);
        SetValue(value(bottom - y, height));
        break;
    case 0x03: case 0x0f:
        if (n >= 1 && m >= 1 && width > 0.0) {
            const double w = width / n;
            const int c = int((x - left) / w);
            SetItemIndex(c + k);
            SetGroupIndex(int((x - left - int(c * w)) / (w / m)) + g);
        }
        SetValue(value(bottom - y, height));
        break;
    case 0x02: case 0x10:
        if (n >= 1 && m >= 1 && height > 0.0) {
            const double h = height / n;
            const int c = int((bottom - y) / h);
            SetItemIndex(c + k);
            SetGroupIndex(int((bottom - y - int(c * h)) / (h / m)) + g);
        }
        SetValue(value(x - left, width));
        m_nFlags |= measuredVerticalCategories;
        break;
    case 0x0c:
        if (n >= 1 && height > 0.0)
            SetItemIndex(int((bottom - y) / (height / n)) + k);
        SetValue(value(x - left, width));
        m_nFlags |= measuredVerticalCategories;
        break;
    case 0x1e:
        SetItemIndex(-1);
        if (m >= 2 && height > 0.0)
            SetGroupIndex(2 * int((bottom - y) / (height / (m / 2))) + g);
        SetValue(value(x - left, width));
        m_nFlags |= measuredVerticalCategories;
        break;
    case 0x25: case 0x2f:
        if (n >= 1 && width > 0.0)
            SetItemIndex(int((x - left) / (width / n)) + k);
        break;
    case 0x26: case 0x30:
        if (n >= 1 && height > 0.0)
            SetItemIndex(int((bottom - y) / (height / n)) + k);
        m_nFlags |= measuredVerticalCategories;
        break;
    case 0x27: case 0x31:
        if (m >= 1 && width > 0.0)
            SetGroupIndex(int((x - left) / (width / m)) + g);
        break;
    case 0x28: case 0x32:
        if (m >= 1 && height > 0.0)
            SetGroupIndex(int((bottom - y) / (height / m)) + g);
        m_nFlags |= measuredVerticalCategories;
        break;
    case 0x13: case 0x14: case 0x15: case 0x20: case 0x21: case 0x22:
    case 0x29: case 0x2a: case 0x2b: case 0x2c: case 0x2d: {
        // these types draw on their view ranges, which a zoom narrows: read the point as drawn
        double dX = 0.0;
        double dY = 0.0;
        if (pPlotted != nullptr && pPlotted->ValuesAt(x, y, dX, dY)) {
            SetValue(dY);
            SetAngle(dX);
        }
        m_nFlags |= measuredSecondValue;
        break;
    }
    case 0x12: case 0x17: {
        const double cx = left + width / 2.0;
        const double cy = top + height / 2.0;
        const double dRadius = 0.4 * (std::min)(width, height);
        if (n >= 1) {
            const double dSlice = kTwoPi / n;
            double a = std::atan2(y - cy, x - cx) + 1.5707963 + dSlice / 2.0;
            a = std::fmod(a, kTwoPi);
            if (a < 0.0)
                a += kTwoPi;
            SetItemIndex(int(a / dSlice) + k);
        }
        SetValue(value(std::hypot(x - cx, y - cy), dRadius));
        m_nFlags |= measuredVerticalCategories | measuredSecondValue;
        break;
    }
    case 0x1a: case 0x1b: {
        // the magnitude on the display's own view range, as it draws its points
        double dAngle = 0.0;
        double dMagnitude = 0.0;
        if (pPlotted != nullptr && pPlotted->PolarValuesAt(x, y, dAngle, dMagnitude)) {
            SetValue(dMagnitude);
            SetAngle(dAngle);
        }
        m_nFlags |= measuredPolar;
        break;
    }
    case 0x00: case 0x04: case 0x05: case 0x08: case 0x09: case 0x0a: case 0x0d: case 0x11: case 0x16:
        break;
    default:
        ResolveOther(pDisplay);
        break;
    }
}
