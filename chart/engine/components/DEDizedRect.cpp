#include "chart/engine/components/DEDizedRect.h"

#include "chart/engine/DEDized.h"
#include "win/CWindowDC.h"
#include "win/CWnd.h"

IMPLEMENT_SERIAL(DEDizedRect, CObject, VERSIONABLE_SCHEMA | 1)

namespace {

// Pixels per millimetre and dpi, forward (as the stored drawings were made) and back (exact).
const double kMillimetresForward = 0.03937007933143675;
const double kMillimetresBack = 0.03937007874015748;

// The size of the chart's drawing area (while it draws, its drawing size; else the last pass's; empty
// without a chart).
CSize ChartSize(DEDized* pChart)
{
    return pChart != nullptr ? pChart->GetDrawingRect().Size() : CSize(0, 0);
}

} // namespace

CSize ChartDeviceDpi(CDC* pDC)
{
    if (pDC != nullptr)
        return CSize(pDC->GetDeviceCaps(LOGPIXELSX), pDC->GetDeviceCaps(LOGPIXELSY));
    CClientDC screen(nullptr);
    return CSize(screen.GetDeviceCaps(LOGPIXELSX), screen.GetDeviceCaps(LOGPIXELSY));
}

DEDizedRect::DEDizedRect()
    : m_dLeft(-1.0), m_dTop(-1.0), m_dRight(-1.0), m_dBottom(-1.0), m_pChart(nullptr), m_nMeasurement(measurePixels)
{
}

DEDizedRect::DEDizedRect(const DEDizedRect& other) = default;

DEDizedRect& DEDizedRect::operator=(const DEDizedRect& other) = default;

void DEDizedRect::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_dLeft << m_dTop << m_dRight << m_dBottom << m_nMeasurement;
    else
        ar >> m_dLeft >> m_dTop >> m_dRight >> m_dBottom >> m_nMeasurement;
}

void DEDizedRect::SetChart(DEDized* pChart)
{
    m_pChart = pChart;
}

int DEDizedRect::GetMeasurement() const
{
    return m_nMeasurement;
}

void DEDizedRect::SetMeasurement(int nMeasurement)
{
    m_nMeasurement = nMeasurement;
}

void DEDizedRect::SetValues(double dLeft, double dTop, double dRight, double dBottom)
{
    m_dLeft = dLeft;
    m_dTop = dTop;
    m_dRight = dRight;
    m_dBottom = dBottom;
}

void DEDizedRect::SetFromRECT(const RECT& rect)
{
    SetValues(rect.left, rect.top, rect.right, rect.bottom);
}

void DEDizedRect::GetDeviceRect(RECT& result, CDC* pDC, CWnd* /*pWnd*/) const
{
    const CRect area = m_pChart != nullptr ? m_pChart->GetDrawingRect() : CRect();
    double fx = 1.0;
    double fy = 1.0;
    switch (m_nMeasurement) {
    case measureMillimetres: {
        const CSize dpi = ChartDeviceDpi(pDC);
        fx = dpi.cx * kMillimetresForward;
        fy = dpi.cy * kMillimetresForward;
        break;
    }
    case measureInches: {
        const CSize dpi = ChartDeviceDpi(pDC);
        fx = dpi.cx;
        fy = dpi.cy;
        break;
    }
    case measurePerCent:
        fx = area.Width() * 0.01;
        fy = area.Height() * 0.01;
        break;
    default:
        break;
    }
    result.left = m_dLeft == -1.0 ? 0 : LONG(m_dLeft * fx);
    result.top = m_dTop == -1.0 ? 0 : LONG(m_dTop * fy);
    result.right = m_dRight == -1.0 ? area.Width() : LONG(m_dRight * fx);
    result.bottom = m_dBottom == -1.0 ? area.Height() : LONG(m_dBottom * fy);
    if (m_pChart != nullptr && m_pChart->GetFixedRectFlag())
        ::OffsetRect(&result, area.left, area.top);
}

void DEDizedRect::SetFromDeviceRect(const RECT& pixels, CDC* pDC, CWnd* pWnd)
{
    if (m_nMeasurement != measurePerCent) {
        SetFromPixels(pixels, pDC);
        return;
    }
    CSize parent;
    if (pWnd != nullptr) {
        CRect client;
        pWnd->GetClientRect(&client);
        parent = client.Size();
    } else if (m_pChart != nullptr && m_pChart->GetFixedRectFlag()) {
        parent = m_pChart->GetFixedRect().Size();
    } else {
        parent = ChartSize(m_pChart);
    }
    SetDivided(pixels, parent.cx * 0.01, parent.cy * 0.01);
}

void DEDizedRect::SetFromPixels(const RECT& pixels, CDC* pDC)
{
    switch (m_nMeasurement) {
    case measureMillimetres: {
        const CSize dpi = ChartDeviceDpi(pDC);
        SetDivided(pixels, dpi.cx * kMillimetresBack, dpi.cy * kMillimetresBack);
        break;
    }
    case measureInches: {
        const CSize dpi = ChartDeviceDpi(pDC);
        SetDivided(pixels, dpi.cx, dpi.cy);
        break;
    }
    case measurePerCent: {
        const CSize size = ChartSize(m_pChart);
        SetDivided(pixels, size.cx * 0.01, size.cy * 0.01);
        break;
    }
    default:
        SetFromRECT(pixels);
        break;
    }
}

void DEDizedRect::SetDivided(const RECT& pixels, double fx, double fy)
{
    // a parent or device of no extent (a minimised window) gives 0 rather than an infinite value
    auto divide = [](LONG nPixels, double dFactor) { return dFactor != 0.0 ? nPixels / dFactor : 0.0; };
    SetValues(divide(pixels.left, fx), divide(pixels.top, fy), divide(pixels.right, fx), divide(pixels.bottom, fy));
}
