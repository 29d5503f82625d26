// SRGDisplayBase: construction, archive, template text, the drawing pipeline and the dispatch tables.
// the standard headers before windows.h, which defines min and max as macros
#include <cstdio>

#include "chart/engine/display/SRGDisplayBase.h"

#include "chart/engine/ChartResource.h"
#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedException.h"
#include "chart/engine/components/DEDizedLabelBlock.h"
#include "chart/engine/template/ChartTemplateScanner.h"
#include "core/CStdioFile.h"
#include "win/ArgCheck.h"

IMPLEMENT_SERIAL(SRGDisplayBase, DEDizedTitle, VERSIONABLE_SCHEMA | 1)

SRGDisplayBase::SRGDisplayBase()
    : m_dFixedYMin(0.0),
      m_dFixedYMax(0.0),
      m_dFixedXMin(0.0),
      m_dFixedXMax(0.0),
      m_dYRangeWidth(0.0),
      m_dXRangeWidth(0.0),
      m_pXScale(nullptr),
      m_pYScale(nullptr),
      m_pLabelBlock(nullptr),
      m_yTicks(10),
      m_xTicks(10),
      m_depthTicks(10),
      m_rcPlot(0, 0, 0, 0),
      m_bYViewTaken(0),
      m_bXViewTaken(0),
      m_extraValues{0.0, 0.0, 0.0},
      m_bRangesReady(0),
      m_nIndexCount(0),
      m_nWindowFirstIndex(0),
      m_nWindowLastIndex(-1),
      m_nGroupCount(0),
      m_nWindowFirstGroup(0),
      m_nWindowLastGroup(-1),
      m_bIncludeItemRanges(0),
      m_bStyleChanged(0)
{
    m_nTypeId = chartTypeDisplay;
    m_rcFeedback[0].SetRectEmpty();
    m_rcFeedback[1].SetRectEmpty();
}

SRGDisplayBase::~SRGDisplayBase()
{
    EmptyList(m_yTicks);
    EmptyList(m_xTicks);
    EmptyList(m_depthTicks);
    delete m_pXScale;
    delete m_pYScale;
    delete m_pLabelBlock;
}

void SRGDisplayBase::Serialize(CArchive& ar)
{
    DEDizedTitle::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_dFixedYMax << m_dFixedYMin << m_dFixedXMax << m_dFixedXMin;
        ar << int(m_rcPlot.left) << int(m_rcPlot.top) << int(m_rcPlot.right) << int(m_rcPlot.bottom);
        return;
    }
    ar >> m_dFixedYMax >> m_dFixedYMin >> m_dFixedXMax >> m_dFixedXMin;
    int nLeft = 0;
    int nTop = 0;
    int nRight = 0;
    int nBottom = 0;
    ar >> nLeft >> nTop >> nRight >> nBottom;
    m_rcPlot.SetRect(nLeft, nTop, nRight, nBottom);
    m_bStyleChanged = 1;
}

// ---- template text -----------------------------------------------------------------------------------------

const char* SRGDisplayBase::ReadTemplateClassPart(const char* lpszText)
{
    const char* p = DEDizedTitle::ReadTemplateClassPart(lpszText);
    ChartTemplateDisplay part;
    if (const int nCode = ChartTemplateScanDisplay(p, part, &p))
        ThrowChartException(nCode);
    SetAxisType(part.axisType);
    SetGraphType(part.graphType);
    const int nOptions = part.options;
    int& nFlags = m_style.m_nFlags;
    nFlags = (nOptions & 1) ? nFlags | flagXLabelPlacement : nFlags & ~flagXLabelPlacement;
    nFlags = (nOptions & 2) ? nFlags | flagYLabelPlacement : nFlags & ~flagYLabelPlacement;
    int& nSecond = m_style.m_nOptions;
    nSecond = (nOptions & 4) ? nSecond & ~optionXLabelAngle : nSecond | optionXLabelAngle;
    SetLogarithmic(part.logarithmic);
    m_bStyleChanged = 1;
    return p;
}

void SRGDisplayBase::WriteTemplateKeyword(CStdioFile& writer)
{
    writer.WriteString("data ");
}

void SRGDisplayBase::WriteTemplateClassPart(CStdioFile& writer)
{
    DEDizedTitle::WriteTemplateClassPart(writer);
    const int nOptions = (HasFlag(flagXLabelPlacement) ? 1 : 0) | (HasFlag(flagYLabelPlacement) ? 2 : 0) |
                         (HasOption(optionXLabelAngle) ? 0 : 4);
    CString text;
    text.Format("%d %d %d %d", GetAxisType(), GetGraphType(), nOptions, HasFlag(flagLogarithmic) ? 1 : 0);
    writer.WriteString(text);
}

// ---- pipeline -------------------------------------------------------------------------------------------------

void SRGDisplayBase::Draw(CDC* pDC, CWnd* pWnd)
{
    AfxRequirePointer(pDC, "SRGDisplayBase::Draw", "pDC");
    if (!m_bVisible)
        return;
    if (m_bStyleChanged) {
        DropAxes();
        m_bStyleChanged = 0;
    }
    m_rcFeedback[0].SetRectEmpty();
    m_rcFeedback[1].SetRectEmpty();
    if (m_pChart != nullptr)
        m_pChart->PushClip();
    pDC->SelectClipRgn(nullptr);
    BeginDrawing(pDC, pWnd);
    try {
        const bool bOutside = HasFlag(flagOutsideLayout);
        const CRect rcDevice = bOutside ? CRect(0, 0, 0, 0) : GetDeviceRect();
        if (pDC->IsPrinting() || m_bLayoutDirty)
            LayoutHook();
        if (!m_bRangesReady) {
            m_bYViewTaken = 0;
            m_bXViewTaken = 0;
            RecomputeWindow();
        }
        m_bRangesReady = 0;
        if (!bOutside) {
            m_rcPlot = rcDevice;
            GetInnerRect(m_rcPlot);
        }
        auto bigEnough = [this] { return m_rcPlot.Width() >= 2 && m_rcPlot.Height() >= 2; };
        if (bigEnough()) {
            const bool bAxes = !HasFlag(flagNoAxes);
            if (bAxes)
                BuildAxisScales();
            if (bigEnough() && m_pChart != nullptr) {
                // the frame's pen stands on the plot's edges: leave room for its width
                const int nGrow = GetFrameWidth() / 2;
                m_pChart->PushClip();
                try {
                    m_pChart->ClipToRect(m_rcPlot.left - nGrow - 1, m_rcPlot.top - nGrow - 1, m_rcPlot.right + nGrow + 2,
                                         m_rcPlot.bottom + nGrow + 2, RGN_COPY);
                    if (HasFlag(flagDataFirst)) {
                        DrawData();
                        if (bAxes)
                            DrawAxisFrame();
                    } else {
                        if (bAxes)
                            DrawAxisFrame();
                        DrawData();
                    }
                } catch (...) {
                    m_pChart->PopClip();
                    throw;
                }
                m_pChart->PopClip();
            }
        }
        m_lastY = m_yView;
        m_lastX = m_xView;
        if (m_bYViewTaken)
            ClearYViewRange();
        if (m_bXViewTaken)
            ClearXViewRange();
    } catch (...) {
        FinishDraw();
        throw;
    }
    FinishDraw();
}

// ---- dispatch ---------------------------------------------------------------------------------------------------

void SRGDisplayBase::DrawData()
{
    switch (GetGraphType()) {
    case GT_NONE:
        DrawPlaceholder();
        break;
    case GT_LINE:
    case GT_LINE_LABELLED:
        DrawLineChart();
        break;
    case GT_HBAR:
    case GT_HBAR_3D:
        DrawHorizontalBars();
        break;
    case GT_VBAR:
    case GT_VBAR_3D:
        DrawVerticalBars();
        break;
    case GT_PIE:
    case GT_PIE_3D:
        DrawPieChart();
        break;
    case GT_AREA:
        DrawAreaChart();
        break;
    case GT_HILO:
    case GT_HILO_BAND:
        DrawHighLow();
        break;
    case GT_3D_BAR:
        DrawPerspectiveBars();
        break;
    case GT_3D_AREA:
    case GT_3D_AREA_FLAT:
        DrawPerspectiveAreas();
        break;
    case GT_VBAR_OVERLAP:
        DrawOverlapColumns();
        break;
    case GT_HBAR_OVERLAP:
        DrawOverlapBars();
        break;
    case GT_STACKED_AREA:
        DrawStackedArea();
        break;
    case GT_RADAR:
    case GT_RADAR_FILLED:
        DrawRadarChart();
        break;
    case GT_XY_ITEM_PAIRS:
    case GT_XY_ITEM_PAIRS_BY_INDEX:
    case GT_XY_GROUP_PAIRS:
    case GT_XY_ITEM_PAIRS_DUAL:
    case GT_XY_ITEM_PAIRS_BY_INDEX_DUAL:
    case GT_XY_GROUP_PAIRS_DUAL:
        DrawXYGraph();
        break;
    case GT_BAR_LINE:
        DrawBarLine();
        break;
    case GT_POLAR:
    case GT_POLAR_FILLED:
        DrawPolarChart();
        break;
    case GT_STOCK_BAR:
    case GT_STOCK_TICKS:
    case GT_CANDLESTICK:
        DrawStockChart();
        break;
    case GT_BAR_FLOAT:
        DrawFloatingBars();
        break;
    case GT_STEP:
    case GT_STEP_B:
        DrawStepChart();
        break;
    case GT_STACKED_VBAR:
    case GT_STACKED_VBAR_100:
    case GT_STACKED_HBAR:
    case GT_STACKED_HBAR_100:
        DrawStackedBars();
        break;
    case GT_GROUP_STACKED_VBAR:
    case GT_GROUP_STACKED_VBAR_100:
    case GT_GROUP_STACKED_HBAR:
    case GT_GROUP_STACKED_HBAR_100:
        DrawStackedByGroup();
        break;
    case GT_BUBBLE:
    case GT_BUBBLE_AREA:
        DrawBubbles();
        break;
    case GT_VECTOR:
    case GT_VECTOR_B:
    case GT_VECTOR_SEGMENT:
        DrawVectors();
        break;
    default:
        break;
    }
}

void SRGDisplayBase::DrawAxisFrame()
{
    int nAxisType = GetAxisType();
    const int nGraphType = GetGraphType();
    if (nAxisType == AXIS_BY_GRAPH_TYPE) {
        // the pie types have no frame; the others draw the frame of the axis type they imply
        if (nGraphType == GT_PIE || nGraphType == GT_PIE_3D)
            return;
        nAxisType = ChartImpliedAxisType(nGraphType);
    }
    switch (nAxisType) {
    case 0x02: case 0x0c: case 0x12: case 0x13: case 0x18: case 0x19:
        DrawFrame();
        break;
    case 0x04: case 0x05: case 0x06: case 0x07:
        DrawBoxFrame();
        break;
    case 0x0a: case 0x17:
        DrawFrameTransposed();
        break;
    case 0x0b: case 0x0d: case 0x10: case 0x14: case 0x15: case 0x16:
        DrawDepthFrame();
        break;
    case 0x0e:
        DrawRadarFrame();
        break;
    case 0x0f: case 0x1a: case 0x1b:
        DrawXYFrame();
        break;
    case 0x11:
        DrawPolarFrame();
        break;
    default:
        break;
    }
    if (nAxisType != 0x00 && nAxisType != 0x09)
        DrawDataWatchers();
}

void SRGDisplayBase::BuildAxisScales()
{
    const int nGraphType = GetGraphType();
    const bool bByGroup = nGraphType == GT_GROUP_STACKED_VBAR || nGraphType == GT_GROUP_STACKED_VBAR_100;
    const bool bTransposedByGroup = nGraphType == GT_GROUP_STACKED_HBAR;
    switch (GetAxisType()) {
    case 0x01:
        switch (nGraphType) {
        case 0x00:
            BuildScales();
            break;
        case 0x1e:
            BuildFloatScales();
            break;
        case 0x27: case 0x31:
            BuildScalesByGroup();
            break;
        case 0x28: case 0x32:
            BuildScalesTransposedByGroup();
            break;
        default:
            switch (ChartImpliedAxisType(nGraphType)) {
            case AXIS_STANDARD:
            case AXIS_DEPTH:
                BuildScales();
                break;
            case AXIS_TRANSPOSED:
            case 0x10:
                BuildScalesTransposed();
                break;
            case 0x04: case 0x05: case 0x06:
                BuildBoxScales();
                break;
            case AXIS_RADAR:
                BuildRadarScales();
                break;
            case AXIS_XY:
                BuildXYScales();
                break;
            case AXIS_POLAR:
                BuildPolarScales();
                break;
            case AXIS_PIE:
                BuildPieLabels();
                break;
            default:
                break;
            }
            break;
        }
        break;
    case 0x02: case 0x0c: case 0x12: case 0x13:
    case 0x0b: case 0x0d: case 0x14: case 0x15:
        if (bByGroup)
            BuildScalesByGroup();
        else
            BuildScales();
        break;
    case 0x04: case 0x05: case 0x06: case 0x07:
        BuildBoxScales();
        break;
    case 0x09:
        BuildPieLabels();
        break;
    case 0x0a: case 0x17: case 0x10: case 0x16:
        if (bTransposedByGroup)
            BuildScalesTransposedByGroup();
        else
            BuildScalesTransposed();
        break;
    case 0x0e:
        BuildRadarScales();
        break;
    case 0x0f: case 0x1a: case 0x1b:
        BuildXYScales();
        break;
    case 0x11:
        BuildPolarScales();
        break;
    case 0x18: case 0x19:
        BuildFloatScales();
        break;
    default:
        break;
    }
}

void SRGDisplayBase::DrawPlaceholder()
{
    if (!HasFlag(flagPlaceholderPicture) || m_pDC == nullptr)
        return;
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(IDB_CHART_PLACEHOLDER))
        return;
    BITMAP info = {};
    bitmap.GetBitmap(&info);
    CDC memory;
    if (!memory.CreateCompatibleDC(m_pDC))
        return;
    CBitmap* pOld = memory.SelectObject(&bitmap);
    const CPoint centre = m_rcPlot.CenterPoint();
    m_pDC->BitBlt(centre.x - info.bmWidth / 2, centre.y - info.bmHeight / 2, info.bmWidth, info.bmHeight, &memory, 0, 0,
                  SRCCOPY);
    memory.SelectObject(pOld);
}

// ---- ticks, scales, plain accessors ----------------------------------------------------------------------------

void SRGDisplayBase::EmptyList(CPtrList& rList)
{
    while (!rList.IsEmpty())
        delete static_cast<CPoint*>(rList.RemoveHead());
}

CPtrList* SRGDisplayBase::GetYTickList()
{
    return &m_yTicks;
}

CPtrList* SRGDisplayBase::GetXTickList()
{
    return &m_xTicks;
}

CPtrList* SRGDisplayBase::GetDepthTickList()
{
    return &m_depthTicks;
}

void SRGDisplayBase::DropAxes()
{
    delete m_pXScale;
    m_pXScale = nullptr;
    delete m_pYScale;
    m_pYScale = nullptr;
    delete m_pLabelBlock;
    m_pLabelBlock = nullptr;
    EmptyList(m_yTicks);
    EmptyList(m_xTicks);
    EmptyList(m_depthTicks);
    m_bLayoutDirty = 1;
}

void SRGDisplayBase::SetXScale(DEDizedLabelBlock* pScale)
{
    if (pScale != m_pXScale)
        delete m_pXScale;
    m_pXScale = pScale;
}

void SRGDisplayBase::SetYScale(DEDizedLabelBlock* pScale)
{
    if (pScale != m_pYScale)
        delete m_pYScale;
    m_pYScale = pScale;
}

void SRGDisplayBase::SetLabelBlock(DEDizedLabelBlock* pBlock)
{
    if (pBlock != m_pLabelBlock)
        delete m_pLabelBlock;
    m_pLabelBlock = pBlock;
}

void SRGDisplayBase::SetLogarithmic(int bLogarithmic)
{
    const int nFlags = bLogarithmic ? m_style.m_nFlags | flagLogarithmic : m_style.m_nFlags & ~flagLogarithmic;
    if (nFlags != m_style.m_nFlags) {
        m_style.m_nFlags = nFlags;
        m_bStyleChanged = 1;
    }
}

namespace {

CScale MakeScale(double dMaximum, double dMinimum, int bReset)
{
    CScale scale;
    scale.m_dMaximum = dMaximum;
    scale.m_dMinimum = dMinimum;
    scale.m_nReset = bReset;
    return scale;
}

void CheckExtraIndex(int nIndex, const char* lpszWhere)
{
    if (nIndex < 0 || nIndex > 2)
        AfxThrowInvalidArgFormat("%s: index %d (0 to 2 allowed)", lpszWhere, nIndex);
}

} // namespace

void SRGDisplayBase::SetXDataRange(double dMaximum, double dMinimum, int bReset)
{
    m_xData = MakeScale(dMaximum, dMinimum, bReset);
}

void SRGDisplayBase::SetYDataRange(double dMaximum, double dMinimum, int bReset)
{
    m_yData = MakeScale(dMaximum, dMinimum, bReset);
}

CScale& SRGDisplayBase::SetXViewRange(double dMaximum, double dMinimum, int bReset)
{
    m_xView = MakeScale(dMaximum, dMinimum, bReset);
    return m_xView;
}

CScale& SRGDisplayBase::SetYViewRange(double dMaximum, double dMinimum, int bReset)
{
    m_yView = MakeScale(dMaximum, dMinimum, bReset);
    return m_yView;
}

CScale SRGDisplayBase::GetXViewRange() const
{
    return m_xView;
}

CScale SRGDisplayBase::GetYViewRange() const
{
    return m_yView;
}

void SRGDisplayBase::ClearXViewRange()
{
    m_xView = CScale();
}

void SRGDisplayBase::ClearYViewRange()
{
    m_yView = CScale();
}

void SRGDisplayBase::SetLastYRange(double dMaximum, double dMinimum, int bReset)
{
    m_lastY = MakeScale(dMaximum, dMinimum, bReset);
}

CScale SRGDisplayBase::GetLastYRange() const
{
    return m_lastY;
}

void SRGDisplayBase::SetLastXRange(double dMaximum, double dMinimum, int bReset)
{
    m_lastX = MakeScale(dMaximum, dMinimum, bReset);
}

CScale SRGDisplayBase::GetLastXRange() const
{
    return m_lastX;
}

CRect SRGDisplayBase::GetPlotRect() const
{
    return m_rcPlot;
}

void SRGDisplayBase::SetPlotRect(int nLeft, int nTop, int nRight, int nBottom, int bFixed)
{
    m_rcPlot.SetRect(nLeft, nTop, nRight, nBottom);
    if (bFixed)
        m_style.m_nFlags |= flagPlotFixed;
    else
        m_style.m_nFlags &= ~flagPlotFixed;
}

double SRGDisplayBase::GetFixedMin() const
{
    return m_dFixedYMin;
}

double SRGDisplayBase::GetFixedMax() const
{
    return m_dFixedYMax;
}

void SRGDisplayBase::SetFixedMin(double dMinimum)
{
    m_dFixedYMin = dMinimum;
}

void SRGDisplayBase::SetFixedMax(double dMaximum)
{
    m_dFixedYMax = dMaximum;
}

double SRGDisplayBase::GetFixedXMin() const
{
    return m_dFixedXMin;
}

double SRGDisplayBase::GetFixedXMax() const
{
    return m_dFixedXMax;
}

void SRGDisplayBase::SetFixedXMin(double dMinimum)
{
    m_dFixedXMin = dMinimum;
}

void SRGDisplayBase::SetFixedXMax(double dMaximum)
{
    m_dFixedXMax = dMaximum;
}

double SRGDisplayBase::GetExtraValue(int nIndex) const
{
    CheckExtraIndex(nIndex, "SRGDisplayBase::GetExtraValue");
    return m_extraValues[nIndex];
}

void SRGDisplayBase::SetExtraValue(int nIndex, double dValue)
{
    CheckExtraIndex(nIndex, "SRGDisplayBase::SetExtraValue");
    m_extraValues[nIndex] = dValue;
}

CString SRGDisplayBase::GetExtraText(int nIndex) const
{
    CheckExtraIndex(nIndex, "SRGDisplayBase::GetExtraText");
    return m_extraTexts[nIndex];
}

void SRGDisplayBase::SetExtraText(int nIndex, const char* lpszText)
{
    CheckExtraIndex(nIndex, "SRGDisplayBase::SetExtraText");
    m_extraTexts[nIndex] = lpszText != nullptr ? lpszText : "";
}

CSize SRGDisplayBase::GetDepthPixels()
{
    const int nDepth = HasFlag(flagOwnDepth) ? int(m_style.GetDepth()) : 10;
    return CSize(int(GetDeviceScaleX() * nDepth + 0.5), int(GetDeviceScaleY() * nDepth + 0.5));
}

int SRGDisplayBase::GetGroupItemCount(int nGroup)
{
    if (m_pChart == nullptr || nGroup < 0 || nGroup >= m_pChart->GetGroupCount())
        return 0;
    try {
        return m_pChart->GetItemCount(nGroup, 0);
    } catch (DEDizedException* e) {
        // an excluded group reads as missing
        e->Delete();
        return 0;
    }
}

int SRGDisplayBase::GetFrameWidth() const
{
    return m_style.GetEdgeWidth() > 0 ? m_style.GetEdgeWidth() : 1;
}

// ---- the routines of the later graph types and axes: empty until they are built ------------------------------

void SRGDisplayBase::ThreeDScan()
{
}
void SRGDisplayBase::RunningSumScan()
{
}
void SRGDisplayBase::XYScan()
{
}
void SRGDisplayBase::PolarScan()
{
}
void SRGDisplayBase::StackedBarScan()
{
}
void SRGDisplayBase::StackedGroupScan()
{
}
void SRGDisplayBase::BubbleScan()
{
}
void SRGDisplayBase::VectorScan()
{
}
void SRGDisplayBase::DrawFrame()
{
}
void SRGDisplayBase::DrawFrameTransposed()
{
}
void SRGDisplayBase::DrawDepthFrame()
{
}
void SRGDisplayBase::DrawBoxFrame()
{
}
void SRGDisplayBase::DrawRadarFrame()
{
}
void SRGDisplayBase::DrawXYFrame()
{
}
void SRGDisplayBase::DrawPolarFrame()
{
}
void SRGDisplayBase::BuildScales()
{
}
void SRGDisplayBase::BuildScalesByGroup()
{
}
void SRGDisplayBase::BuildScalesTransposed()
{
}
void SRGDisplayBase::BuildScalesTransposedByGroup()
{
}
void SRGDisplayBase::BuildBoxScales()
{
}
void SRGDisplayBase::BuildPieLabels()
{
}
void SRGDisplayBase::BuildRadarScales()
{
}
void SRGDisplayBase::BuildXYScales()
{
}
void SRGDisplayBase::BuildPolarScales()
{
}
void SRGDisplayBase::BuildFloatScales()
{
}
void SRGDisplayBase::DrawLineChart()
{
}
void SRGDisplayBase::DrawHorizontalBars()
{
}
void SRGDisplayBase::DrawVerticalBars()
{
}
void SRGDisplayBase::DrawPieChart()
{
}
void SRGDisplayBase::DrawAreaChart()
{
}
void SRGDisplayBase::DrawHighLow()
{
}
void SRGDisplayBase::DrawPerspectiveBars()
{
}
void SRGDisplayBase::DrawPerspectiveAreas()
{
}
void SRGDisplayBase::DrawOverlapColumns()
{
}
void SRGDisplayBase::DrawOverlapBars()
{
}
void SRGDisplayBase::DrawStackedArea()
{
}
void SRGDisplayBase::DrawRadarChart()
{
}
void SRGDisplayBase::DrawXYGraph()
{
}
void SRGDisplayBase::DrawBarLine()
{
}
void SRGDisplayBase::DrawPolarChart()
{
}
void SRGDisplayBase::DrawStockChart()
{
}
void SRGDisplayBase::DrawFloatingBars()
{
}
void SRGDisplayBase::DrawStepChart()
{
}
void SRGDisplayBase::DrawStackedBars()
{
}
void SRGDisplayBase::DrawStackedByGroup()
{
}
void SRGDisplayBase::DrawBubbles()
{
}
void SRGDisplayBase::DrawVectors()
{
}
