// DEDized: the chart. It owns the chart's data (through a data manager, SRGDataManager), the ordered
// list of its components (DEDizedComponent: backgrounds, displays, titles, legends ...), the hit regions
// of the last drawing (DEDizedFeedback), caches of pens, fonts and polygons, a palette and an
// off-screen bitmap. Documents, views and the application store values into it, add components, reset
// it, serialise it and draw it into a device context. SRDynamicGraph (SRDynamicGraph.h) is the variant
// for growing series.
//
// Data: the operations that read or change data forward to the data manager and yield 0, an empty
// text or null when the chart has none (SetDataManager may install none). Reads of missing data give
// the manager's placeholder item (GetDataItem never throws for them).
//
// Drawing (Draw): one pass draws every component in list order into the DC.
// - Nothing is drawn, not even a background, when the chart has no components, or while any chart of
//   the process is drawing (a Draw from inside a component's drawing returns at once).
// - Components named "_PV_TEMPORARY_TAG_OBJECT_" or "_PV_TAG_BLOCK_" (value labels placed by the last
//   pass) are removed first, unless bits 28-29 of the chart style's kind word equal 1.
// - The target: a printing DC's page (HORZRES by VERTRES), the fixed rectangle when one is set, the
//   window's client area, or the drawing size (GetDrawingSize). With a fixed rectangle the drawing
//   area is the fixed rectangle placed by its alignment (AlignFixedRect).
// - Buffered drawing (the default; never on a printing DC) draws into an off-screen bitmap kept
//   between passes while the target's size stays, and copies the drawing area to the DC in one BitBlt.
// - A DEDizedException raised by a component is shown (DEDizedException::Report) and ends the pass:
//   later components are not drawn. Any other exception passes on. Either way the DC's state is
//   restored (SaveDC / RestoreDC) and the chart stays usable.
// - Printing in bands: a printing DC with band mode on is drawn by PrintBanded, in bands of 128 device
//   rows through a band bitmap (the last band is what remains of the page).
//
// Hit regions: while drawing with hit regions enabled, the displays record the item and group they
// draw at each place (AddMarkerFeedback, AddPointFeedback, AddRectFeedbackEx, AddPolygonFeedback);
// HitTest returns the last one recorded that holds a point, so later-drawn items win. A pass deletes the
// regions of the one before (unless the force-buffer-once flag is set).
//
// Text import (SetDataFromText): a table of values, cells separated by tabs or commas, rows ended by
// CR, LF, CR LF or '|'. A first cell that is text (the chart's title) or empty starts a header row of
// item names, and every later row starts with its group's name; a first cell that is a number (or a
// date) means plain rows of values, named afterwards "0", "1" ... (groups) and "A", "B" ... "Z", "BA"
// ... (items).
//
// Caches: one pen per (style, width, colour), one font per (face, height, flags, orientation), one
// polygon per name (and the names that could not be read); they live as long as the chart.
//
// Stored form (schema 1, versionable): the components (object list), the chart style, the chart
// annotations, the buffered flag, the data-empty flag, the current group, the number of groups, each
// group's own form (DEDizedDataList::Serialize), the mode value. Loading appends the components and
// replaces the groups.
//
// Templates: ReadTemplate appends the components a chart template describes (DEDizedTemplate.h).
//
// CreateComponent makes backgrounds, displays, titles, legends, labels, label blocks, text panels and
// compound displays (SRGCompoundDisplay::BuildDefaultParts).
#pragma once

#include "chart/engine/ChartTypeIds.h"
#include "chart/engine/DEDizedStyle.h"
#include "chart/engine/SRGDataManager.h"
#include "win/CDC.h"
#include "win/CGdiObject.h"

#include <windows.h>

class CWnd;
class DEDizedComponent;
class DEDizedFeedback;
class SRGCompiledPolygon;

class DEDized : public CObject {
    DECLARE_SERIAL(DEDized)
public:
    // The names of the value-label components a pass leaves behind (see Draw).
    static const char kTemporaryTagName[];
    static const char kTagBlockName[];

    // No components, a new data manager owned by the chart, a chart style of kind 3, buffered drawing
    // and hit regions on, mode value 1, small-size setting 16, no fixed rectangle, band mode off.
    DEDized();
    // Deletes components, hit regions, polygons, the manager (when owned), pens and fonts.
    ~DEDized() override;
    DEDized(const DEDized&) = delete;
    DEDized& operator=(const DEDized&) = delete;

    void Serialize(CArchive& ar) override;

    // ---- components ----------------------------------------------------------------------------
    // Attaches pComponent (not null) to the chart and appends it; the chart then owns it.
    virtual void AddComponent(DEDizedComponent* pComponent);
    // Makes a component of nTypeId (NewComponent), gives it the measurement kind and the rectangle,
    // sets bits 0-3, 4-7 and 8-11 of its style word from the same bits of nNibbleA, nNibbleB and
    // nNibbleC, and adds it. A display (chartTypeDisplay) also takes bits 16-23 of nGraphType and bits
    // 24-31 of nAxisType (both passed in those positions) and has its style marked as set. Returns the
    // component, or null (nothing made) for a type the chart cannot make.
    virtual DEDizedComponent* CreateComponent(int nTypeId, int nMeasurement, const RECT& rect, int nNibbleA,
                                              int nNibbleB, int nNibbleC, int nGraphType, int nAxisType);
    // Removes and deletes every component named lpszName / the first one so named (or null).
    virtual void RemoveComponentsByName(const char* lpszName);
    virtual DEDizedComponent* FindComponentByName(const char* lpszName);
    // Removes and deletes every component.
    virtual void DeleteComponents();
    // The n-th component of type nTypeId in list order, counting the components inside compound
    // components after their compound; with nTypeId -1 the n-th of the list. Null when there is none.
    virtual DEDizedComponent* GetComponent(int n, int nTypeId);
    // The first component of type nTypeId (any with -1) at or after rPosition, which moves past it;
    // null (and rPosition null) when there is none.
    virtual DEDizedComponent* NextComponent(POSITION& rPosition, int nTypeId);
    // The position of the first component of type nTypeId (the head for -1); null when none.
    virtual POSITION GetComponentNode(int nTypeId);
    // The position of the component being drawn.
    virtual POSITION GetCurrentComponent() const;
    // Set one bound of the data window of GetComponent(n, nTypeId) (nothing when there is none).
    virtual void SetComponentFirstIndex(int n, int nValue, int nTypeId);
    virtual void SetComponentLastIndex(int n, int nValue, int nTypeId);
    virtual void SetComponentFirstGroup(int n, int nValue, int nTypeId);
    virtual void SetComponentLastGroup(int n, int nValue, int nTypeId);
    // CObList serialisation of the components; loading attaches each to the chart and marks the chart
    // for redraw.
    virtual void SerializeComponents(CArchive& ar);
    virtual CObList* GetComponentList();

    // ---- drawing -------------------------------------------------------------------------------
    // Draws the chart into pDC (not null) for pWnd (may be null). See the top of this file.
    virtual void Draw(CDC* pDC, CWnd* pWnd);
    // Draws the chart into a printing DC in bands of 128 rows (see the top of this file); pDC not null.
    virtual void PrintBanded(CDC* pDC, CWnd* pWnd);
    // The size of the drawing: the fixed rectangle's, else (only while drawing; code 18 otherwise)
    // the page of a printing DC or in band mode, the off-screen bitmap's when buffered, the window's
    // client area, or 200 by 150 without a window.
    virtual CSize GetDrawingSize();
    // Places the fixed rectangle in the area (left, top, right, bottom) by the fixed-rectangle
    // alignment and puts the result in rect: low nibble vertical (0 keep its top, 1 at 0, 3 bottom on
    // bottom, other values centred: (bottom - top) / 2 - height / 2), high nibble horizontal likewise
    // (0x00, 0x10, 0x30, others). Without a fixed rectangle rect is left as it is.
    virtual void AlignFixedRect(RECT& rect, int nLeft, int nTop, int nRight, int nBottom);
    // Sets the redraw flag and marks every component for redraw, unless the flag is set already.
    virtual void MarkForRedraw();
    // Stores the invalidation mode and hint, and asks every component to invalidate its area of pWnd.
    virtual void Invalidate(CWnd* pWnd, int nMode, void* pHint);
    // Saves the target DC's clip region (an empty entry when it has none) / restores the last saved
    // one (removing clipping for an empty entry). Nothing happens to a DC outside drawing.
    virtual void PushClip();
    virtual void PopClip();
    // Clip the target DC to a polygon or a rectangle (a path drawn with a null pen, selected as clip
    // path with nMode RGN_*).
    virtual void ClipToPolygon(const POINT* pPoints, int nCount, int nMode);
    virtual void ClipToRect(int nLeft, int nTop, int nRight, int nBottom, int nMode);
    // A 3-3-2 palette of 256 entries (red in bits 0-2 of the index, green 3-5, blue 6-7) built into
    // pPalette when it has no handle yet.
    virtual void BuildPalette(CPalette* pPalette);

    // ---- pens, fonts, polygons -----------------------------------------------------------------
    // The cached pen of that style, width and colour (made on first request).
    virtual CPen* GetPen(int nPenStyle, int nWidth, COLORREF crColor);
    // The cached font of lpszFace (cut to 30 bytes), nSize (points when 0 or more, for pDC's
    // vertical resolution or the screen's when pDC is null; a negative value is a pixel height), flags
    // (bit 0 bold, 1 italic, 2 underline, 3 strike-out) and orientation (degrees); made from pLogFont
    // instead when given. The chart keeps the handle.
    virtual HFONT GetFont(const char* lpszFace, int nSize, int nFlags, int nOrientation, CDC* pDC,
                          const LOGFONT* pLogFont = nullptr);
    // The polygon named lpszName: the cached one, a stock shape, or one read by LoadPolygonFile; turned
    // by dAngle (SetRotation). Returns 1 with rpPolygon set, or 0 (rpPolygon null) when a polygon text
    // cannot be read. A name and resource type that could not be read are remembered and give 0 at
    // once afterwards, without looking at the resources or the file system again.
    virtual int GetPolygon(const char* lpszName, const char* lpszResourceType, SRGCompiledPolygon*& rpPolygon,
                           double dAngle);
    // Reads the polygon text of the resource lpszName of type lpszResourceType, or else of the file
    // lpszName, and adds the polygon to the cache. DEDizedException code 19 when neither can be read or
    // the text is malformed.
    virtual SRGCompiledPolygon* LoadPolygonFile(const char* lpszName, const char* lpszResourceType);

    // ---- hit regions ---------------------------------------------------------------------------
    virtual int AreHitRegionsEnabled() const;
    virtual void EnableHitRegions(int bEnable);
    // A point region of half-width 5.
    virtual void AddMarkerFeedback(int x, int y, int nItem, int nGroup);
    virtual void AddPointFeedback(int x, int y, int nItem, int nGroup, int nHalfWidth);
    virtual void AddRectFeedbackEx(const RECT& rect, int nItem, int nGroup);
    virtual void AddPolygonFeedback(const POINT* pPoints, int nCount, int nItem, int nGroup);
    // The last region that holds (x, y), or null.
    virtual DEDizedFeedback* HitTest(int x, int y);
    virtual CObList* GetFeedbackList();

    // ---- data (forwarded to the manager) --------------------------------------------------------
    virtual void SetDefaultStyle(const DEDizedStyle& style);
    virtual DEDizedStyle* GetDefaultStyle();
    virtual void ClearData();
    virtual void ResetGroupCursor();
    virtual DEDizedDataList* CreateGroup();
    virtual DEDizedData* GetDataItem(int nItem, int nGroup);
    // Installs pManager (the old one is deleted when owned) and marks the chart for redraw.
    virtual void SetDataManager(SRGDataManager* pManager, int bOwned);
    virtual void ShiftGroupValues(int nGroup, double dValue, int bAtFront);
    // The manager's SetStyles, then MarkForRedraw.
    virtual void SetStyles(int nFirstGroup, int nLastGroup, int nFirstItem, int nLastItem, const DEDizedStyle& style,
                           int bIncludeGroups);
    virtual double GetRangeMean(int nFirstItem, int nLastItem, int nGroup);
    virtual double GetGroupMean(int nGroup);
    virtual double GetItemSumAcross(int nItem, int nFirstGroup, int nLastGroup);
    virtual void SetChartAnnotation(const char* lpszText, int nIndex);
    virtual double GetGroupSum(int nGroup);
    virtual double GetRangeSum(int nFirstGroup, int nFirstItem, int nLastGroup, int nLastItem);
    virtual int GetItemCount(int nGroup, int bCreate);
    virtual CString GetGroupAnnotation(int nGroup, int nIndex);
    virtual CString GetItemAnnotation(int nGroup, int nItem, int nIndex);
    virtual CString GetChartAnnotation(int nIndex);
    virtual int GetGroupCount();
    virtual int GetMaxItemCount();
    // Without a manager an empty range (reset flag set).
    virtual void GetDataRange(CScale& range, int bUseItemRanges);
    virtual DEDizedDataList* GetGroup(int nGroup, int bCreate);
    virtual double GetGrandTotal();
    virtual double GetValue(int nItem, int nGroup);
    virtual DEDizedAnnotationList* GetChartAnnotationList();
    virtual CPtrList* GetGroupList();
    virtual POSITION GetFirstGroupPosition();
    virtual DEDizedDataList* GetNextGroup(POSITION& rPosition);
    // Loads a table of values from text (see the top of this file); a chart holding data is Reset
    // first.
    virtual void SetDataFromText(const char* lpszText);
    // Empties the data (groups and chart annotations), deletes every component and hit region, resets
    // the group cursor and sets the data-empty flag. The chart is not marked for redraw.
    virtual void Reset();
    // 0: a chart of single values (SRDynamicGraph answers 1).
    virtual int IsDynamic() const;

    // Stores dValue at (nItem, nGroup), creating what is missing, and clears the data-empty flag.
    void SetValue(int nItem, int nGroup, double dValue, int bUseDefaultStyle);
    // Annotation 1 of an item / a group; both mark the chart for redraw.
    void SetItemAnnotation(int nItem, int nGroup, const char* lpszText);
    void SetGroupAnnotation(int nGroup, const char* lpszText, int bClearFirst);

    // ---- template ------------------------------------------------------------------------------
    // Shows string IDS_CHART_TEMPLATE_LINE_ERROR followed by the line in a message box (exclamation).
    virtual void ReportTemplateError(const char* lpszLine);
    // Called for a template line that fails with code 13 (no word, an unknown or unhandled keyword, an
    // annotation without a label); nothing here.
    virtual void OnTemplateLineError(const char* lpszLine);
    // Appends the components of the chart template lpszName: the resource of type "DEDIZED_TEMPLATE" of
    // that name (or id, made with MAKEINTRESOURCE) when a module of the program holds one, else the
    // file at that host path, read whole (see DEDizedTemplate.h). A file that cannot be read shows
    // IDS_CHART_TEMPLATE_UNREADABLE (stop icon), a resource that cannot be loaded
    // IDS_CHART_TEMPLATE_LOCK; nothing is added then.
    virtual void ReadTemplate(const char* lpszName);
    // Appends the components of the template text (nSize bytes at pText, no terminating zero needed),
    // as ReadTemplate does with the text it read.
    void ReadTemplateText(const char* pText, size_t nSize);

    // ---- settings ------------------------------------------------------------------------------
    virtual void SetSmallSize(int nSize);
    virtual int GetSmallSize() const;
    virtual int IsBuffered() const;
    virtual void SetBuffered(int bBuffered);
    virtual DEDizedStyle* GetChartStyle();
    // The mode value: the annotation index components show; setting it marks the chart for redraw.
    virtual void SetMode(int nMode);
    virtual int GetMode() const;
    virtual void SetBandMode(int bBandMode);
    virtual int GetBandMode() const;
    virtual void SetPaletteDevice(int bPaletteDevice);
    virtual int GetPaletteDevice() const;
    virtual void SetForceBuffer(int bForce);
    virtual int GetForceBuffer() const;
    virtual CPalette* GetPalette();

    // The fixed rectangle the chart draws into instead of the window, its flag and its alignment.
    void SetFixedRect(const RECT& rect) { m_rcFixed = rect; }
    CRect GetFixedRect() const { return m_rcFixed; }
    void SetFixedRectFlag(int bFixed) { m_bFixedRect = bFixed; }
    int GetFixedRectFlag() const { return m_bFixedRect; }
    void SetFixedRectAlignment(int nAlignment) { m_nFixedAlignment = nAlignment; }
    int GetFixedRectAlignment() const { return m_nFixedAlignment; }

    // State of the pass (for the components): the drawing area, the DC and window drawn into (null
    // outside drawing), the invalidation mode and hint of the last Invalidate.
    CRect GetDrawingRect() const { return m_rcDrawing; }
    // Sets the drawing area outside a pass, for a component that lays itself out for a window the
    // chart is not drawing into (DEDizedTitleResizeable::GetFittedRect), and then puts it back.
    void SetDrawingRect(const RECT& rect) { m_rcDrawing = rect; }
    int IsDrawing() const { return m_bDrawing; }
    CDC* GetTargetDC() const { return m_pTargetDC; }
    CWnd* GetTargetWindow() const { return m_pTargetWnd; }
    int GetInvalidationMode() const { return m_nInvalidationMode; }
    void* GetInvalidationHint() const { return m_pInvalidationHint; }
    int IsInvalidating() const { return m_bInvalidating; }
    int IsDataEmpty() const { return m_bDataEmpty; }
    SRGDataManager* GetDataManager() const { return m_pManager; }

    // True while a chart of the process draws. Tests clear it between tests (ResetDrawingGuard).
    static bool IsAnyChartDrawing();
    static void ResetDrawingGuard();

protected:
    // A new component of nTypeId, or null for a type this chart does not make (CreateComponent).
    virtual DEDizedComponent* NewComponent(int nTypeId);
    // Marks every component for redraw (their own flags only).
    void MarkComponentsForRedraw();
    // Deletes every hit region.
    void DeleteFeedback();
    // Appends a hit region, which the chart then owns.
    void AddFeedback(DEDizedFeedback* pFeedback);
    // The target rectangle and drawing size of a pass into pDC for pWnd (see Draw, GetDrawingSize).
    CSize MeasureTarget(CDC* pDC, CWnd* pWnd);
    // Draws the components into pTarget: the walk of one pass.
    void DrawComponents(CDC* pTarget, CWnd* pWnd);
    // The font cache key of a request.
    static CString FontKey(const char* lpszFace, int nHeight, int nFlags, int nOrientation);

    int m_bRedraw;
    int m_nMode;
    void* m_pInvalidationHint;
    int m_nInvalidationMode;
    int m_bInvalidating;
    int m_bBuffered;
    DEDizedStyle m_style;
    CObList m_components;           // DEDizedComponent, owned
    SRGDataManager* m_pManager;
    int m_bOwnsManager;
    int m_bHitRegions;
    CObList m_feedback;             // DEDizedFeedback, owned
    CRect m_rcDrawing;
    int m_bDataEmpty;
    int m_bForceBuffer;
    CMapStringToPtr m_penCache;     // key -> CPen*, owned
    CMapStringToPtr m_fontCache;    // key -> HFONT, owned
    CObList m_polygons;             // SRGCompiledPolygon, owned
    CMapStringToPtr m_failedPolygons; // "name\ntype" of polygons that could not be read (no values)
    int m_nSmallSize;
    int m_bPaletteDevice;
    CPalette m_palette;
    CObList m_clipStack;            // CRgn, owned; an entry without a handle: no clip region
    CRect m_rcPage;
    int m_bBandMode;
    POSITION m_posCurrent;
    int m_bDrawing;
    CWnd* m_pTargetWnd;
    CDC* m_pTargetDC;
    CRect m_rcLastBitmap;
    CBitmap m_bitmap;
    int m_bFixedRect;
    CRect m_rcFixed;
    int m_nFixedAlignment;
};
