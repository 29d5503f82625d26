// SRGDisplayBase: the chart component that draws the chart's data inside its axes, and what every chart
// type shares: the data window actually drawn, the value ranges found in the data, fixed ranges a
// caller imposes, zoom (view) ranges, the rounding of ranges to even values, the axes picked by an axis
// type code and the drawing pipeline. DEDizedDisplay (DEDizedDisplay.h) fills in the routines of the
// graph types and the axis frames; here they are empty.
//
// Style (the component style, DEDizedStyle): bits 16-23 of the style word hold the graph type
// (ChartGraphTypes.h), bits 24-31 the axis type. The flag word holds the display's options (the flag*
// values below); the option word is the display's second word (the option* values). The style's colour
// draws the grid lines (0x808000 by default), fill colour 2 and the extra int the frame (black, 1
// pixel; an extra int of 0 is 1 pixel), fill colour 1 fills the plot under flagFillPlot (white), the
// third limit is the depth under flagOwnDepth (else 10 pixels). The label kind of the kind word (bits
// 4-7) must not be 0 for the standard scales to be made.
//
// Drawing (Draw), in this order: nothing when the display is hidden; a changed style (SetLogarithmic,
// template reading) drops the axes; unless flagOutsideLayout the placement is taken into device pixels;
// the layout hook runs when printing or after a layout change; the window and ranges are computed
// (RecomputeWindow) unless a caller computed them since the last draw, in which case those are used once;
// unless flagOutsideLayout the plot rectangle becomes the inner rectangle of the placement. With a plot
// of at least 2 by 2 pixels the scales are built (BuildAxisScales, not under flagNoAxes; they may shrink
// the plot, which is tested again), then, clipped to the plot grown by half the frame width plus 1
// (left, top) or 2 (right, bottom), the axis frame (DrawAxisFrame, not under flagNoAxes) and the data
// (DrawData), or the data first under flagDataFirst. The view ranges are then remembered as the last
// drawn ranges; a view range taken from the data for this draw is emptied again. The display draws no
// background, shadow or border of its own: flagFillPlot fills its plot.
//
// Window (RecomputeWindow): a requested bound of -1 takes the whole data (group 0 to the last group,
// item 0 to the longest group's last item). Items and groups are walked with strides: 2 items make a
// point of the XY item-pair types (0x13, 0x14, 0x20, 0x21), 2 groups of the XY group-pair and polar
// types (0x15, 0x22, 0x1a, 0x1b, 0x1e), 3 of the bubbles (0x29, 0x2a), 4 of the stock and vector types
// (0x1c, 0x1d, 0x2b-0x2e).
//
// Ranges: the range scan of the graph type (the default scan includes every present value of the
// window; with flagFixedRange and no flagCombineFixed a fixed range wider than nothing is taken exactly
// instead; with flagCombineFixed the scanned range is clipped to the fixed range, or grown to cover it
// under flagFixedRange as well). A range of no width becomes [0, 1] at 0, else takes its maximum x 1.01.
// Then (RoundRanges) unless flagFixedRange: the value range takes in 0 (not under flagNoZero) and is
// rounded: decimal ranges grow by 10 % (5 % each side, never across 0) to the nearest of the steps
// 3.5, 2.5, 3, 2, 5 and 1 times a power of 10; logarithmic ones (flagLogarithmic) to whole decades or
// to round steps; date ranges (date scales, axis types 0x12-0x17, 0x19, 0x1b) are cut back at their
// start to the day, hour, minute or second. A fixed range is used as it is (on a log axis rounded to
// decades). The range width is log10(max) - log10(min) on a log axis.
//
// Placeholder (DrawPlaceholder): what every drawing routine draws with no data, an empty window or a
// value range not wider than 2^-52: bitmap IDB_CHART_PLACEHOLDER centred in the plot under
// flagPlaceholderPicture, else nothing.
//
// Scales and ticks: the scale routines make the axis scales (the display owns them), lay them along
// the plot and record where each tick stands in the tick lists (lists of CPoint made with new, owned by
// the display); the frame routines draw tick marks and grid lines there. DropAxes deletes them all.
//
// Template text: keyword "data ", after the title's part "axis-type graph-type options logarithmic"
// (options: bit 0 the x label placement, bit 1 the y label placement, bit 2 x labels laid horizontal);
// fewer than four numbers raise DEDizedException code 12. Stored form: the title's, then the fixed y
// maximum and minimum, the fixed x maximum and minimum (doubles) and the plot rectangle (four ints).
//
// Data watchers (SRGDataWatcher) that follow the display in the chart's list are drawn after the
// frame, on the display's plot and value range.
#pragma once

#include "chart/engine/CScale.h"
#include "chart/engine/components/DEDizedTitle.h"
#include "chart/engine/display/ChartGraphTypes.h"

class CStringList;
class DEDizedLabelBlock;

class SRGDisplayBase : public DEDizedTitle {
    DECLARE_SERIAL(SRGDisplayBase)
public:
    // Flag word of the display's style.
    enum : int {
        flagNoAxes = 0x2,                  // no axis frame and no scales
        flagCombineFixed = 0x4,            // combine the fixed range with the scanned one
        flagYLabelPlacement = 0x10,        // placement code 0xa0 instead of 0x90 for the y labels
        flagXLabelPlacement = 0x20,        // the same for the x labels
        flagPlotFixed = 0x80,              // the scales leave the plot rectangle as it is (SetPlotRect)
        flagDataFirst = 0x100,             // the data before the frame (frame on top)
        flagKeepGroupOrder = 0x200,        // area and perspective types keep the group order
        flagNoYTicks = 0x800,
        flagNoXTicks = 0x1000,
        flagNoZero = 0x2000,               // scanned ranges need not include 0
        flagNoDepthGrid = 0x4000,
        flagNoHorizontalGrid = 0x8000,
        flagNoVerticalGrid = 0x10000,
        flagBreakLines = 0x40000,          // a line breaks at a missing value
        flagNoGroupLabels = 0x400000,
        flagNoXScale = 0x800000,
        flagNoYScale = 0x1000000,
        flagPlaceholderPicture = 0x2000000,
        flagFixedRange = 0x4000000,        // the fixed minimum and maximum instead of the data
        flagLogarithmic = 0x8000000,       // logarithmic value axis
        flagPatternFaces = 0x10000000,
        flagFillPlot = 0x20000000,         // fill the plot with fill colour 1 before the grid
        flagOwnDepth = 0x40000000,         // the style's depth (third limit) instead of 10
        flagOutsideLayout = int(0x80000000u),  // placement and plot rectangle are set from outside
    };
    // The second word (the style's option word).
    enum : int {
        optionWindowScales = 0x8000000,    // the scales show the display's window, not all data
        optionThinOut = 0x10000000,        // a line draws about one value per horizontal pixel
        optionXLabelAngle = 0x40000000,    // x labels keep their style's angle (else laid horizontal)
        optionLogX = int(0x80000000u),     // logarithmic x axis of the dual XY types
    };
    // Ranges narrower than this draw the placeholder.
    static constexpr double kTinyRange = 2.220446049250313e-16;

    // Empty ranges, fixed ranges 0, no scales, empty tick lists, type id chartTypeDisplay.
    SRGDisplayBase();
    // Deletes the tick points, the scales and the label block.
    ~SRGDisplayBase() override;
    SRGDisplayBase(const SRGDisplayBase&) = delete;
    SRGDisplayBase& operator=(const SRGDisplayBase&) = delete;

    void Serialize(CArchive& ar) override;
    // The pipeline at the top of this file.
    void Draw(CDC* pDC, CWnd* pWnd) override;
    // Parses "axis-type graph-type options logarithmic" after the title's part; code 12 when fewer than
    // four numbers stand there. Returns the text after them.
    const char* ReadTemplateClassPart(const char* lpszText) override;
    void WriteTemplateKeyword(CStdioFile& writer) override;
    void WriteTemplateClassPart(CStdioFile& writer) override;

    // ---- window and ranges -----------------------------------------------------------------------------
    // Computes the window, the strides and the ranges (see the top of this file); nothing while the
    // ranges of an earlier call wait for the next draw.
    virtual void RecomputeWindow();
    // Deletes the scales and the label block, empties the tick lists and marks the layout dirty.
    virtual void DropAxes();
    // The zoom ranges of the x (XY types) and value axes; empty when not zoomed.
    virtual CScale& SetXViewRange(double dMaximum, double dMinimum, int bReset);
    virtual CScale& SetYViewRange(double dMaximum, double dMinimum, int bReset);
    virtual CScale GetXViewRange() const;
    virtual CScale GetYViewRange() const;
    virtual void ClearXViewRange();
    virtual void ClearYViewRange();
    // The plot rectangle in device pixels.
    virtual CRect GetPlotRect() const;
    // Sets the plot rectangle; bFixed sets or clears flagPlotFixed.
    virtual void SetPlotRect(int nLeft, int nTop, int nRight, int nBottom, int bFixed);
    virtual double GetFixedMin() const;
    virtual double GetFixedMax() const;
    virtual void SetFixedMin(double dMinimum);
    virtual void SetFixedMax(double dMaximum);
    virtual double GetFixedXMin() const;
    virtual double GetFixedXMax() const;
    virtual void SetFixedXMin(double dMinimum);
    virtual void SetFixedXMax(double dMaximum);
    // The view ranges as they were after the last draw.
    virtual void SetLastYRange(double dMaximum, double dMinimum, int bReset);
    virtual CScale GetLastYRange() const;
    virtual void SetLastXRange(double dMaximum, double dMinimum, int bReset);
    virtual CScale GetLastXRange() const;

    // ---- dispatch ----------------------------------------------------------------------------------------
    // The drawing routine of the graph type (nothing for 0x05, 0x08, 0x16 and codes above 0x32).
    virtual void DrawData();
    // The frame routine of the axis type (by the graph type for axis type 0x01), then the data
    // watchers (none for axis types 0x00 and 0x09).
    virtual void DrawAxisFrame();
    // The scale routine of the axis type (by the graph type for axis type 0x01).
    virtual void BuildAxisScales();
    // Graph type 0x00, and what every drawing routine draws when it has nothing to draw.
    virtual void DrawPlaceholder();
    // The range scan of the graph type.
    virtual void ScanRanges();

    // ---- ticks -------------------------------------------------------------------------------------------
    // Where the scales put their ticks (CPoint*, owned by the display).
    virtual CPtrList* GetYTickList();
    virtual CPtrList* GetXTickList();
    virtual CPtrList* GetDepthTickList();
    // Deletes every CPoint of rList and empties it.
    virtual void EmptyList(CPtrList& rList);

    // ---- rounding ------------------------------------------------------------------------------------------
    // 1.0 for date axes and the bubble and vector types, else 1.1.
    virtual double GetYExpandFactor();
    virtual double GetXExpandFactor();
    // A tenth of the decade of the value range width (0.1 for widths 1 to 10; 0.01 for no width).
    virtual double GetLabelStep();
    // Appends "%g" of 0, dStep, 2 x dStep ... up to the value range width to rList. DEDizedException
    // code 18 outside drawing; CInvalidArgException* for a step not above 0.
    virtual void ListValueLabels(double dStep, CStringList& rList);
    // The last step of RecomputeWindow: rounds both ranges and sets both range widths.
    virtual void RoundRanges();
    // Rounds rRange outwards to even steps after growing it by dExpand (see the top of this file);
    // nothing for a range without width.
    virtual void RoundDecimal(CScale& rRange, double dExpand);
    // Rounds a positive range (the minimum taken as 0.0001 when not above 0) to whole decades (always
    // over a span above 5 decades; with bDecades unless both ends lie in one decade within 0.6 of one)
    // or to round steps of its ends' decades.
    virtual void RoundLogarithmic(CScale& rRange, int bDecades);
    // A date range (days): the decimal margin, then the start cut back to the day (spans above 5
    // days), hour (5 hours), minute (1 minute) or second (above 5 seconds).
    virtual void RoundDate(CScale& rRange, double dExpand);
    // Both set the strides to 1; ScanAll also runs the default scan.
    virtual void ScanAll();
    virtual void PrepareRanges();

    // ---- range scans of the graph types (empty here but the default scan) ---------------------------------
    virtual void DefaultScan();
    virtual void ThreeDScan();
    virtual void RunningSumScan();
    virtual void XYScan();
    virtual void PolarScan();
    virtual void StackedBarScan();
    virtual void StackedGroupScan();
    virtual void BubbleScan();
    virtual void VectorScan();

    // ---- axis frames and scales (empty here) ------------------------------------------------------------
    virtual void DrawFrame();
    virtual void DrawFrameTransposed();
    virtual void DrawDepthFrame();
    virtual void DrawBoxFrame();
    virtual void DrawRadarFrame();
    virtual void DrawXYFrame();
    virtual void DrawPolarFrame();
    virtual void BuildScales();
    virtual void BuildScalesByGroup();
    virtual void BuildScalesTransposed();
    virtual void BuildScalesTransposedByGroup();
    virtual void BuildBoxScales();
    virtual void BuildPieLabels();
    virtual void BuildRadarScales();
    virtual void BuildXYScales();
    virtual void BuildPolarScales();
    virtual void BuildFloatScales();

    // ---- drawing routines of the graph types (empty here) -------------------------------------------------
    virtual void DrawLineChart();
    virtual void DrawHorizontalBars();
    virtual void DrawVerticalBars();
    virtual void DrawPieChart();
    virtual void DrawAreaChart();
    virtual void DrawHighLow();
    virtual void DrawPerspectiveBars();
    virtual void DrawPerspectiveAreas();
    virtual void DrawOverlapColumns();
    virtual void DrawOverlapBars();
    virtual void DrawStackedArea();
    virtual void DrawRadarChart();
    virtual void DrawXYGraph();
    virtual void DrawBarLine();
    virtual void DrawPolarChart();
    virtual void DrawStockChart();
    virtual void DrawFloatingBars();
    virtual void DrawStepChart();
    virtual void DrawStackedBars();
    virtual void DrawStackedByGroup();
    virtual void DrawBubbles();
    virtual void DrawVectors();

    // ---- plain accessors ------------------------------------------------------------------------------------
    // Sets or clears flagLogarithmic; a change drops the axes at the next draw.
    void SetLogarithmic(int bLogarithmic);
    void SetXDataRange(double dMaximum, double dMinimum, int bReset);
    void SetYDataRange(double dMaximum, double dMinimum, int bReset);
    const CScale& GetXDataRange() const { return m_xData; }
    const CScale& GetYDataRange() const { return m_yData; }
    DEDizedLabelBlock* GetLabelBlock() const { return m_pLabelBlock; }
    void SetLabelBlock(DEDizedLabelBlock* pBlock);
    DEDizedLabelBlock* GetXScale() const { return m_pXScale; }
    void SetXScale(DEDizedLabelBlock* pScale);
    DEDizedLabelBlock* GetYScale() const { return m_pYScale; }
    void SetYScale(DEDizedLabelBlock* pScale);
    double GetYRangeWidth() const { return m_dYRangeWidth; }
    double GetXRangeWidth() const { return m_dXRangeWidth; }
    // Bit 0 the y view, bit 1 the x view was taken from the data in this draw.
    int GetViewTakenFlags() const { return (m_bYViewTaken ? 1 : 0) | (m_bXViewTaken ? 2 : 0); }
    // The extra values and texts kept for the editing dialogs: the first two values are the label
    // steps of the x and y scales (0: automatic), the second text the y labels' format.
    double GetExtraValue(int nIndex) const;
    void SetExtraValue(int nIndex, double dValue);
    CString GetExtraText(int nIndex) const;
    void SetExtraText(int nIndex, const char* lpszText);

    int GetGraphType() const { return (m_style.m_nStyle >> 16) & 0xFF; }
    int GetAxisType() const { return (m_style.m_nStyle >> 24) & 0xFF; }
    void SetGraphType(int nType) { m_style.m_nStyle = (m_style.m_nStyle & ~0xFF0000) | ((nType & 0xFF) << 16); }
    void SetAxisType(int nType) { m_style.m_nStyle = (m_style.m_nStyle & 0xFFFFFF) | ((nType & 0xFF) << 24); }
    int GetFlags() const { return m_style.m_nFlags; }
    void SetFlags(int nFlags) { m_style.m_nFlags = nFlags; }
    int GetOptions() const { return m_style.m_nOptions; }
    void SetOptions(int nOptions) { m_style.m_nOptions = nOptions; }
    bool HasFlag(int nFlag) const { return (m_style.m_nFlags & nFlag) != 0; }
    bool HasOption(int nOption) const { return (m_style.m_nOptions & nOption) != 0; }
    // The style was changed: the next draw drops the axes.
    void MarkStyleChanged() { m_bStyleChanged = 1; }
    int IsStyleChanged() const { return m_bStyleChanged; }
    int AreRangesReady() const { return m_bRangesReady; }

    // The effective window of the last RecomputeWindow.
    int GetIndexCount() const { return m_nIndexCount; }
    int GetFirstIndex() const { return m_nWindowFirstIndex; }
    int GetLastIndex() const { return m_nWindowLastIndex; }
    int GetGroupCount() const { return m_nGroupCount; }
    int GetFirstGroup() const { return m_nWindowFirstGroup; }
    int GetLastGroup() const { return m_nWindowLastGroup; }
    // The group being drawn (the palette index the drawing operations read).
    int GetSeries() const { return m_nPaletteIndex; }

    // The depth of the three-dimensional axis types in pixels on the DC drawn into: the style's depth
    // under flagOwnDepth, else 10, times the device scales (dx, dy).
    CSize GetDepthPixels();
    // The width of the frame's pen (the extra int; at least 1).
    int GetFrameWidth() const;
    // The number of items of group nGroup; 0 for a group the chart does not have (or excludes).
    int GetGroupItemCount(int nGroup);

protected:
    // The fixed range applied to the scanned value range: under flagFixedRange alone the fixed range
    // replaces it; with flagCombineFixed it is grown to cover the fixed range (flagFixedRange too) or
    // clipped to it. Nothing for a fixed range of no width.
    void ApplyFixedRange();
    // The same rules for rRange and the fixed range [dMinimum, dMaximum] of either axis.
    void ApplyFixedRange(CScale& rRange, double dMinimum, double dMaximum);
    // Grows rRange by the margin of dExpand (half of (dExpand - 1) x width on each side, never across 0).
    static void ExpandRange(CScale& rRange, double dExpand);
    // Draws the data watchers that follow the display in the chart's list, clipped to the plot: each
    // gets the plot rectangle as its line rectangle, the data ranges and the graph and axis types.
    void DrawDataWatchers();
    // The scale class tests of RoundRanges.
    bool IsDateYAxis() const;
    bool IsDateXAxis() const;

    CScale m_yView;
    CScale m_xView;
    double m_dFixedYMin;
    double m_dFixedYMax;
    double m_dFixedXMin;
    double m_dFixedXMax;
    double m_dYRangeWidth;
    double m_dXRangeWidth;
    DEDizedLabelBlock* m_pXScale;      // owned
    DEDizedLabelBlock* m_pYScale;      // owned
    DEDizedLabelBlock* m_pLabelBlock;  // owned
    CPtrList m_yTicks;                 // CPoint*, owned
    CPtrList m_xTicks;
    CPtrList m_depthTicks;
    CRect m_rcPlot;
    CRect m_rcFeedback[2];
    int m_bYViewTaken;
    int m_bXViewTaken;
    double m_extraValues[3];
    CString m_extraTexts[3];
    CScale m_lastY;
    CScale m_lastX;
    int m_bRangesReady;

    // The effective window and what the scans and routines share.
    int m_nIndexCount;
    int m_nWindowFirstIndex;
    int m_nWindowLastIndex;
    int m_nGroupCount;
    int m_nWindowFirstGroup;
    int m_nWindowLastGroup;
    CScale m_yData;
    CScale m_xData;
    int m_bIncludeItemRanges;   // the default scan takes in each item's own range (high-low types)
    int m_bStyleChanged;
};
