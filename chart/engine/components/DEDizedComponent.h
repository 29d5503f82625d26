// DEDizedComponent: the base of everything a chart draws (background, displays, titles, legends,
// labels, scales, grid lines ...). The chart (DEDized) owns its components in a list and draws them in
// list order; a component lies in its placement rectangle (DEDizedRect) and carries a style
// (DEDizedStyle, kind nibble 1) whose style word holds the border kind (bits 0-3), the shadow kind
// (bits 4-7), the fill kind (bits 8-11) and the image placement of image fills (bit 31: stretched).
//
// Drawing (Draw): the chart saves the DC's clip region (DEDized::PushClip), the clip region is
// removed, then DrawBackground, DrawShadow, DrawBorder and DrawContent run, and the chart restores the
// clip region (also when one of them throws). Between BeginDrawing and EndDrawing the CDC and window
// are held and the margins convert to device pixels; outside they read as stored.
//
// Border kinds (low nibble of the style word), at the device rectangle's edges, right and bottom edge
// one pixel inside: 0 none; 1 raised (white top-left, black bottom-right); 2 sunken (the reverse);
// 4 and 5 the same three pixels deep; 3 etched (a raised frame and a light grey frame inside it); 6
// etched three deep; 7 a frame in the style's colour; bit 3 set: CustomBorder.
// Shadow kinds (bits 4-7): 0 none, 1 small (3 pixels), 2 medium (8), 3 large (16), others
// CustomShadow. A shadow darkens two strips below and right of the rectangle with the pattern of
// bitmap IDB_CHART_SHADOW (mask pen); on a printing DC its depth follows the device scales.
//
// The palette: 16 colours for the palette brush and pen (SetBrushCode, SetPenCode).
//
// Redraw state: MarkForRedraw (also SetDataWindow) sets the layout-dirty flag; the chart marks every
// component for a full redraw before it draws it (SetFullRedraw). Both flags are cleared when the
// component has been drawn.
//
// Template text: the common part of a component's line is "left top right bottom measurement border
// fill shadow", then the fill data of the fill kind: 1 red green blue of colour 1; 2 and 3 both colours;
// 4 both colours and the gradient angle; 5 the image file name in double quotes (letters, digits, '-',
// '_', '.' and blanks, at most 259 characters) and the placement number (1 stretched, 0 tiled).
// ReadTemplateCommon raises DEDizedException code 8 when the eight numbers are not there and code 9
// for a fill kind outside 0..5 or incomplete fill data.
//
// Stored form (schema 1, versionable): style, rectangle, version (a CScale whose minimum is the
// version and maximum 0: an inverted range), the data window (five ints), the three margins
// (doubles), the type id, then from version 2 on the index and group steps. A stream whose version
// range is not inverted reads as version -1. Subclasses store this part first, then their own, and
// read their later fields by GetArchiveVersion.
//
// Fills (FillPolygon, FillRegion). A fill code (0: the style's own, DEDizedStyle::GetFillCode) picks
// the fill, in component form (fill kind x 256) or data form (fill kind x 16): 0 none; 16 (and 1 in
// polygon fills) the palette brush of the palette index; 256/32 solid fill colour 1; 512/48 a
// vertical gradient from colour 1 (top) to colour 2, 768/64 a horizontal one (left to right),
// 1024/80 one at the style's angle; 1280/96 the bitmap resource named by the style's image file and
// 1536/112 the image file itself (a BMP or JPEG file at a host path), stretched over the area when
// bit 31 of the style word is set, else tiled from its top-left corner; 3072/192 and any other code
// CustomFill. Gradients are laid in bands of one colour, at least 3 pixels thick (2 for angled ones),
// as many as the steepest channel needs. Solid and palette fills paint a polygon itself, the others
// fill its bounding box clipped to it. Fills clip through the chart (its clip stack and
// ClipToPolygon), as the drawing sequence does.
//
// Images are kept on the component: the last bitmap resource by name, and the bitmap of the last
// image file until the style's image-loaded flag is cleared (a new image file name clears it) or
// another file is asked for. A file that no loader reads shows bitmap IDB_CHART_MISSING_IMAGE; a
// bitmap resource that does not load leaves the area unfilled. Nothing is reported.
//
// Edges (FramePolygon, FrameRegion), by edge kind (0: the style's own, DEDizedStyle::GetEdgeKind):
// 0 none; 1 the palette pen, 2 a black pen, 4 a pen of the edge colour, each of the edge width, along
// the points as an open line; other kinds frame the polygon's region: 3 with the pattern of the
// bitmap resource named by the edge bitmap name and 4 in the edge colour, each as wide as the edge
// width, any other kind in black one pixel wide.
//
// Regions handed to and by these operations are in the logical coordinates of the DC drawn into.
//
// Data points (DrawDataPoint and the operations it calls; the displays and legends draw with them)
// follow the parts of a data style (DEDizedStyle.h): the marker kind picks what a point is made of
// (line, widget, marker, line ends, value label), the line kind the pen (0 none, 1 the palette pen,
// 2 and 4 solid, 3 patterned with the edge bitmap, 5 dash, 6 dot, 7 dash-dot, 8 dash-dot-dot, above 8
// a black pen of width 1), in the style's colour and width. Widgets are named polygons (stock shapes
// or "WIGETS" resources; for marker kind 1 the stock widget of the palette index), line ends
// "LINE_ENDS" polygons turned with the line, bar symbols "POLYGON" polygons; each is filled and
// framed under the style. A value label shows the value (value-label kind 0x20), the item's text
// (0x50) or both (0x60) beside its point, by the label position of the item's style: 0 west, 1
// north-west, 2 north, 3 north-east, 4 east, 5 south-east, 6 south, 7 south-west, any other on the
// point. Bits 28-29 of the chart style's kind word decide what becomes of it: 2 it joins the chart as
// a component for this pass (named DEDized::kTemporaryTagName), 3 it joins the chart's shared label
// block (DEDized::kTagBlockName), which keeps the labels of the pass from overlapping; otherwise it is
// drawn at once.
#pragma once

#include "chart/engine/CScale.h"
#include "chart/engine/ChartTypeIds.h"
#include "chart/engine/DEDizedStyle.h"
#include "chart/engine/components/DEDizedRect.h"
#include "win/CGdiObject.h"

#include <windows.h>

class CDC;
class CStdioFile;
class CWnd;
class DEDized;
class DEDizedData;
class DEDizedLabel;
class SRGCompiledPolygon;

class DEDizedComponent : public CObject {
    DECLARE_SERIAL(DEDizedComponent)
public:
    // Parts of the component style word.
    enum {
        styleBorderMask = 0xF,
        styleBorderCustom = 0x8,
        styleShadowMask = 0xF0,
        styleFillMask = 0xF00,
        styleImageStretched = int(0x80000000u),
    };

    // Detached (no chart), rectangle -1.0 all round in pixels, margins 5.0, data window unrestricted,
    // steps 1, visible, type id chartTypeComponent.
    DEDizedComponent();
    // Deletes its own polygons and its value label.
    ~DEDizedComponent() override;
    DEDizedComponent(const DEDizedComponent&) = delete;
    DEDizedComponent& operator=(const DEDizedComponent&) = delete;

    void Serialize(CArchive& ar) override;

    // ---- hooks of subclasses (empty here) -----------------------------------------------------
    // The border of a kind with bit 3 set.
    virtual void CustomBorder();
    // The shadow of a kind above 3.
    virtual void CustomShadow();
    // Called by subclasses before their own drawing (titles take their text, legends their entries).
    virtual void LayoutHook();
    // The subclass's own drawing, after background, shadow and border.
    virtual void DrawContent();

    // ---- palette brush and pen ----------------------------------------------------------------
    // Builds the palette brush for nCode (nothing when it is the current code). With nCount 16: a
    // code above 15 whose bits 4-6 are not all 0 gives a hatch brush (bits 4-6: 1 backward diagonal,
    // 2 cross, 3 diagonal cross, 4 forward diagonal, 5 horizontal, 6 vertical, 7 diagonal cross) of
    // palette colour (nCode & 15), any other code a solid brush of that colour. With another count the
    // brush is solid in the colour (nCount / nCode) x (0xFFFFFF / nCount), truncated; a code or count
    // of 0 gives colour 0.
    virtual void SetBrushCode(int nCode, int nCount);
    // Takes the palette pen for nCode and nWidth from the chart's pens (nothing when both are the
    // current ones): style from bits 3-5 (0 solid, 1 dash, 2 dot, 3 dash-dot, 4 solid, 5 dash-dot,
    // 6 dash-dot-dot, 7 null), colour palette colour (nCode & 15). nCount is not used.
    virtual void SetPenCode(int nCode, int nWidth, int nCount);
    // The palette brush and pen last built (null before).
    CBrush* GetPaletteBrush() { return m_paletteBrush.m_hObject != nullptr ? &m_paletteBrush : nullptr; }
    CPen* GetPalettePen() const { return m_pPalettePen; }
    // Palette colour (nIndex & 15).
    static COLORREF GetPaletteColour(int nIndex);

    // ---- margins (rectangle units; pixels while drawing) --------------------------------------
    // While drawing: millimetres x dpi / 25.4, inches x dpi (dpiY for the vertical margin), per cent
    // of the height (vertical) or width of the chart's drawing area, pixels as stored, or times the
    // larger device scale on a printing DC. Outside drawing: the stored value.
    virtual double GetVerticalMarginPixels();
    virtual double GetHorizontalMarginPixels();
    virtual double GetMarginPixels();
    // The margins of the measurement kind, general / vertical and horizontal: 2.5 / 5.0 mm,
    // 0.1 / 0.2 in, 1.25 / 2.5 per cent, 5.0 / 10.0 pixels.
    virtual void SetDefaultMargins();
    // The three stored margins.
    double GetMargin() const { return m_dMargin; }
    double GetVerticalMargin() const { return m_dVerticalMargin; }
    double GetHorizontalMargin() const { return m_dHorizontalMargin; }

    // ---- data window and steps -----------------------------------------------------------------
    virtual void SetIndexStep(int nStep);
    virtual int GetIndexStep() const;
    virtual void SetGroupStep(int nStep);
    virtual int GetGroupStep() const;
    virtual void GetDataWindow(int& nFirstIndex, int& nFirstGroup, int& nLastIndex, int& nLastGroup) const;
    // Stores the window (-1: unrestricted) and marks the layout dirty.
    virtual void SetDataWindow(int nFirstIndex, int nFirstGroup, int nLastIndex, int nLastGroup);
    // True when the index lies in [first index, last index] (or both are -1), and the group in
    // [first group, last group] (or the last group is -1).
    virtual int IsInDataWindow(int nIndex, int nGroup) const;

    // ---- chart, style, placement -----------------------------------------------------------------
    // Attaches the component (and its rectangle) to the chart and takes the chart's mode value.
    virtual void SetChart(DEDized* pChart);
    // The style's image file, gradient angle and the two fill colours.
    virtual void SetImageName(const char* lpszName);
    virtual void SetGradientAngle(int nDegrees);
    virtual void SetColours(COLORREF crColour1, COLORREF crColour2);
    // The placement: the four coordinates of rect, four values, or a pixel RECT taken as it stands.
    virtual void SetRect(const DEDizedRect& rect);
    virtual void SetRectValues(double dLeft, double dTop, double dRight, double dBottom);
    virtual void SetRectFromRECT(const RECT& rect);
    virtual DEDizedRect* GetRect();
    // Stores the measurement kind and resets the margins to its defaults.
    virtual void SetMeasurement(int nMeasurement);
    // The mode value (which annotation index the component shows); -1 takes GetMode.
    virtual void SetMode(int nMode);
    // The chart's mode value when attached, else the component's own.
    virtual int GetMode() const;
    virtual int GetChartMode() const;

    // ---- drawing -------------------------------------------------------------------------------
    // The drawing sequence (see the top of this file) into pDC; pWnd may be null.
    virtual void Draw(CDC* pDC, CWnd* pWnd);

    // ---- fills and edges (see the top of this file); they draw only while drawing --------------
    // Fills pPoints (nCount of them; none when below 1) under pStyle (not null) with nCode (0: the
    // style's own): solid and palette fills paint the polygon with the null pen; codes 192 and 3072
    // clip to it and hand the clip region to CustomFill; the others fill its bounding box clipped to
    // it.
    virtual void FillPolygon(const POINT* pPoints, int nCount, DEDizedStyle* pStyle, int nCode);
    // Fills the region pRegion (not null) under pStyle (not null) with nCode (0: the style's own),
    // clipped to the region; crColour goes to CustomFill.
    virtual void FillRegion(CRgn* pRegion, DEDizedStyle* pStyle, COLORREF crColour, int nCode);
    // The hook of fill codes without a fill of their own: pRegion is the area to fill (null when the
    // fill has a rectangle only: the DC is clipped to the area then). Nothing here.
    virtual void CustomFill(CRgn* pRegion, DEDizedStyle* pStyle, COLORREF crColour, int nCode);
    // Outlines pPoints under pStyle (not null) by nKind (0: the style's edge kind).
    virtual void FramePolygon(const POINT* pPoints, int nCount, DEDizedStyle* pStyle, int nKind);
    // Frames the region pRegion under pStyle (not null) by nKind, inside the region; nothing for a
    // null or empty region. crColour is not used.
    virtual void FrameRegion(CRgn* pRegion, DEDizedStyle* pStyle, COLORREF crColour, int nKind);
    // Puts bitmap IDB_CHART_MISSING_IMAGE into the image cache. FALSE when it does not load.
    virtual BOOL LoadMissingImageBitmap();
    // The last resort of an image fill whose file no loader reads, when even the missing-image bitmap
    // does not load: may put a bitmap of lpszFileName into the image cache (m_imageBitmap) and return
    // TRUE. FALSE here.
    virtual BOOL ConvertImage(const char* lpszFileName);
    // Invalidates (with erasing) what the component covers in pWnd, by the chart's invalidation mode:
    // 1 and 256 the device rectangle, 16 the shadow strips (when a shadow is set), others nothing.
    virtual void Invalidate(CWnd* pWnd);
    // Holds the DC and window and sets the drawing flag / clears the flag and forgets them.
    virtual void BeginDrawing(CDC* pDC, CWnd* pWnd);
    virtual void EndDrawing();
    virtual int IsDrawing() const;
    // The border width in pixels: bit 3 of the kind set: GetCustomBorderWidth; else kind 0 -> 0,
    // 3 -> 2, 4 and 5 -> 3, 6 -> 6, others 1.
    virtual int GetBorderWidth() const;
    virtual int GetCustomBorderWidth() const;
    // Deflates rect by the border width plus the horizontal margin (left and right) and the vertical
    // margin (top and bottom), in pixels.
    virtual void GetInnerRect(RECT& rect);
    // The target's pixels per inch over the screen's (1 without a DC).
    virtual double GetDeviceScaleY();
    virtual double GetDeviceScaleX();
    // Fills the device rectangle (its five corner points) under the style.
    virtual void DrawBackground();
    virtual void DrawBorder();
    virtual void DrawShadow();
    // Adds (dx, dy) to each of nCount points.
    virtual void OffsetPoints(POINT* pPoints, int nCount, int dx, int dy);
    // Width and height of the points' bounding box.
    virtual CSize GetPointsExtent(const POINT* pPoints, int nCount) const;
    // The device rectangle of the placement for the DC being drawn into (the screen outside drawing).
    CRect GetDeviceRect() const;

    // ---- data points, lines, markers and value labels (see the top of this file) ----------------
    // They draw only while drawing; pItem (may be null: no value label) is the item shown.
    // One data point from (x1, y1) to (x2, y2) under pStyle (not null), by the marker kind: 0 nothing;
    // 1, 3 and 18 the line, the widget at the first point (nDrawMode 0), the second (1) or both (2),
    // then the line ends turned by the segment's angle; 2 the widget at the second point; 4 and 11 the
    // line and the value label at the second point; 12 to 14 the line and a marker at the second point;
    // others the line and CustomMarker there.
    virtual void DrawDataPoint(int x1, int y1, int x2, int y2, DEDizedStyle* pStyle, int nDrawMode,
                               DEDizedData* pItem);
    // A line by nLineKind (0: the style's) with the background mode transparent; nPaletteCode picks
    // the palette pen of kind 1. A style of marker kind 11 gets a band instead: the segment moved up
    // and right by the component's depth (its style's own, else 10, times the device scales), filled
    // in the palette colour of nPaletteCode.
    virtual void DrawLine(int x1, int y1, int x2, int y2, DEDizedStyle* pStyle, int nPaletteCode, int nLineKind);
    // A marker at (x, y) for marker kinds other than 0: 13 a square, 14 a diamond, others a circle, of
    // half size 5 (the style's symbol width when it brings its own sizes, at least 2; times the device
    // scale when printing), in the palette brush and pen for the palette fill kind, else in fill
    // colour 1; then the value label.
    virtual void DrawMarker(int x, int y, DEDizedStyle* pStyle, DEDizedData* pItem);
    // The half size in pixels of the marker DrawMarker draws under pStyle (not null): 5, or the style's
    // symbol width when it brings its own sizes, at least 2; times the device scale when printing.
    int GetMarkerHalfSize(DEDizedStyle* pStyle);
    // The marker of a marker kind without one of its own. Nothing here.
    virtual void CustomMarker(int x, int y, DEDizedStyle* pStyle, DEDizedData* pItem);
    // The widget at (x, y): for marker kind 1 the stock widget of the palette index (& 7), for 2 and 3
    // the style's widget name up to its '|' (the stock one when empty), 12 to 14 DrawMarker, 0
    // nothing, others the whole widget name. The polygon is fitted into a box of 10 times the symbol
    // sizes (the style's own, else the device scales) centred on the point; then the value label.
    virtual void DrawWidget(int x, int y, DEDizedStyle* pStyle, DEDizedData* pItem);
    // The symbol of a value in the box between two corners, by nKind (0: the style's marker kind;
    // nothing when that is 0; a kind above 255 is read in its place of a data style word, bits 8-15,
    // as the displays pass it): 6 a bar with depth (top, side and front faces; the component style's
    // shading bit shades top and side), 7 nothing, 10 the polygon named by the widget name (the
    // component's own first, then "POLYGON" resources and files) and 17 a circle fitted into the box,
    // 19 a vertical and 20 a horizontal line through its centre, others the box. A marked style (its
    // selection nibble set) is drawn as SelectStyle makes it. The value label sits at the box's point
    // of the label position. nIndex and nGroup name the value (the chart moves no symbol by them).
    virtual void DrawSymbol(int x1, int y1, int x2, int y2, int nIndex, int nGroup, DEDizedStyle* pStyle, int nKind,
                            DEDizedData* pItem);
    // The line end nEnd (1 the start, 2 the end) at (x, y) turned by dAngle degrees: the "LINE_ENDS"
    // polygon named before (1) or after (2) the '|' of the widget name, ten pixels a unit (the style's
    // symbol width when it brings its own sizes) times the device scale. Nothing for nEnd 0 or a name
    // without '|'.
    virtual void DrawLineEnd(int x, int y, DEDizedStyle* pStyle, int nEnd, double dAngle);
    // The value label of pItem for the point (x, y) (see the top of this file).
    virtual void DrawValueLabel(int x, int y, DEDizedData* pItem);
    // A new label for value labels.
    virtual DEDizedLabel* CreateLabel();
    // Turns (x, y) about the origin by dAngle (degrees, or radians with bRadians), rounding.
    virtual void RotatePoint(int& x, int& y, double dAngle, int bRadians);
    // Style changes of a highlighted, marked or selected point: the line colour inverted, width 3 and
    // a solid line; own sizes with symbol sizes 3.0; width 3, red and a solid line.
    virtual void HighlightStyle(DEDizedStyle* pStyle);
    virtual void MarkStyle(DEDizedStyle* pStyle);
    virtual void SelectStyle(DEDizedStyle* pStyle);

    // ---- redraw state --------------------------------------------------------------------------
    virtual void MarkForRedraw();
    int NeedsRedraw() const { return m_bLayoutDirty; }
    void SetFullRedraw(int bFull) { m_bFullRedraw = bFull; }
    int IsFullRedraw() const { return m_bFullRedraw; }

    // ---- pens and polygons of the chart ------------------------------------------------------------
    // The chart's cached pen (null without a chart).
    virtual CPen* GetPen(int nPenStyle, int nWidth, COLORREF crColor);
    // A solid black pen of width 1 from GetPen.
    virtual CPen* GetDefaultPen();
    // The chart's LoadPolygonFile (null without a chart).
    virtual SRGCompiledPolygon* GetChartPolygon(const char* lpszName, const char* lpszResourceType);
    // Polygons the component owns; its symbols are looked up here before the chart's cache.
    CObList& GetOwnPolygons() { return m_ownPolygons; }

    // ---- template text ---------------------------------------------------------------------------
    // Parses the class's own part of a template line at lpszText; returns where parsing ended. The
    // base has none: returns lpszText.
    virtual const char* ReadTemplateClassPart(const char* lpszText);
    // Parses the common part (see the top of this file) and stores it; returns the text after it.
    virtual const char* ReadTemplateCommon(const char* lpszText);
    // The component's line: keyword, common part, class part, extra part, line end.
    virtual void WriteTemplate(CStdioFile& writer);
    virtual void WriteTemplateKeyword(CStdioFile& writer);
    virtual void WriteTemplateClassPart(CStdioFile& writer);
    virtual void WriteTemplateCommon(CStdioFile& writer);
    virtual void WriteTemplateExtra(CStdioFile& writer);

    // ---- archive ---------------------------------------------------------------------------------
    // Reads the version range of a stored component; returns the version (-1 when the range is not
    // inverted).
    virtual int ReadVersion(CArchive& ar);
    // The version this class stores (3).
    virtual int GetVersion() const;

    // ---- compound components ---------------------------------------------------------------------
    // 1 for components that hold others (SRGCompoundComponent).
    virtual int IsCompound() const;
    // Set on the components a compound component holds.
    void SetCompoundChild(BYTE bChild) { m_bCompoundChild = bChild; }
    BYTE IsCompoundChild() const { return m_bCompoundChild; }

    int GetTypeId() const { return m_nTypeId; }
    // The style (a label in a label block may answer its block's).
    virtual DEDizedStyle* GetStyle() { return &m_style; }
    DEDized* GetChart() const { return m_pChart; }
    // The component's name (kept in its style's first text, so that it is stored with it).
    const CString& GetName() const { return m_style.m_strText1; }
    void SetName(const char* lpszName) { m_style.m_strText1 = lpszName; }

protected:
    // The version read by the last Serialize that loaded (-1 when none or not inverted).
    int GetArchiveVersion() const;
    // The shadow's horizontal and vertical depth in pixels on pDC (scaled when it prints); false for
    // no shadow or a custom one.
    bool GetShadowDepth(CDC* pDC, int& nHorizontal, int& nVertical);
    // The two strips a shadow of the depth covers beside rect: below it and right of it.
    static void GetShadowStrips(const CRect& rect, int nHorizontal, int nVertical, CRect& below, CRect& right);
    // The margin dValue in pixels (see GetMarginPixels); bVertical picks the height and dpiY.
    double MarginPixels(double dValue, bool bVertical);
    // One frame of a three-dimensional border, nInset pixels inside rect: top and left edges in
    // pTopLeft, right and bottom edges in pBottomRight.
    void DrawFrame(const CRect& rect, int nInset, CPen* pTopLeft, CPen* pBottomRight);
    // Ends a drawing pass: drawing and redraw flags cleared, the chart's clip restored.
    void FinishDraw();

    // The points' bounding box (right and bottom the largest x and y; empty for no points).
    static CRect GetPointsBox(const POINT* pPoints, int nCount);
    // The area routine of the fills: fills rect (the region's box when empty; nothing when still
    // empty) with nCode (0: the style's own), clipped to pRegion when one is given.
    void FillArea(CRect rect, CRgn* pRegion, DEDizedStyle* pStyle, COLORREF crColour, int nCode);
    // The gradients from crFrom to crTo across rect: top to bottom (bVertical) or left to right, and
    // at dAngle degrees.
    void FillStraightGradient(const CRect& rect, COLORREF crFrom, COLORREF crTo, bool bVertical);
    void FillAngledGradient(const CRect& rect, COLORREF crFrom, COLORREF crTo, double dAngle);
    // The bitmap resource and image file fills of rect under pStyle.
    void FillResourceBitmap(const CRect& rect, DEDizedStyle* pStyle);
    void FillImageFile(const CRect& rect, DEDizedStyle* pStyle);
    // Loads the image file lpszFileName into the image cache: a BMP file as a section bitmap, else
    // through SECDib and SECJpeg made into a bitmap for the DC drawn into. FALSE when none reads it.
    BOOL LoadImageFile(const char* lpszFileName);
    // Draws bitmap over rect: stretched, or tiled from the top-left corner at its size times the
    // device scales.
    void DrawBitmapFill(CBitmap& bitmap, const CRect& rect, bool bStretched);
    // Paints the polygon (with the null pen) in the pattern of bitmap resource nBitmap under the raster
    // operation nRop; nothing when the bitmap does not load.
    void ShadePolygon(const POINT* pPoints, int nCount, UINT nBitmap, int nRop);

    int m_nBrushCode;           // code of the palette brush (-1: none yet)
    int m_nPenCode;             // code of the palette pen (-1: none yet)
    int m_nPenWidth;            // width of the palette pen (-1: none yet)
    int m_bVisible;             // content is drawn (titles, panels, labels, legends)
    int m_bLayoutDirty;         // the layout must be computed anew
    int m_bFullRedraw;          // the coming draw repaints everything
    CObList m_ownPolygons;      // SRGCompiledPolygon, owned
    int m_nMode;                // annotation index shown (the chart's when attached)
    int m_nFirstIndex;          // data window (-1: unrestricted)
    int m_nFirstGroup;
    int m_nLastIndex;
    int m_nLastGroup;
    int m_nWindowExtra;         // a fifth data-window value, stored with the others
    int m_nIndexStep;
    int m_nGroupStep;
    CScale m_versionScale;      // carries the archive version
    double m_dMargin;           // general, vertical and horizontal margins in rectangle units
    double m_dVerticalMargin;
    double m_dHorizontalMargin;
    CPen* m_pPalettePen;        // from the chart's pens (not owned)
    CBrush m_paletteBrush;
    DEDizedRect m_rect;
    int m_nPaletteIndex;        // palette index of palette fills and lines
    DEDizedStyle m_style;
    int m_bDrawing;
    CWnd* m_pWnd;               // valid while drawing
    CDC* m_pDC;                 // valid while drawing
    DEDized* m_pChart;          // not owned
    int m_nTypeId;
    BYTE m_bCompoundChild;
    CBitmap m_imageBitmap;      // image cache: the bitmap of an image file (or the missing image)
    int m_bImageLoaded;         // m_imageBitmap holds the image file m_strImageName
    CString m_strImageName;
    CString m_strBitmapName;    // the last bitmap resource loaded by name, and its bitmap
    CBitmap m_resourceBitmap;
    int m_nScreenDpiX;          // the screen's pixels per inch, read once (0 until then)
    int m_nScreenDpiY;
    DEDizedLabel* m_pLabel;     // the value label (owned; made on first use)
};
