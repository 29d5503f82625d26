// ChartViewCore: what the chart views share, written once over the view class they stand on: the
// chart view of a document (DEDizedView, on CView) and the scrolling chart views (SRGScrollView and
// its kin, on CScrollView). It draws a chart and lets the user work with it: a tip with the data under
// a resting mouse, dragging a data value with the mouse, zooming a display by a band drawn with the
// mouse (with a stack of zoom steps to undo), Copy of the chart to the clipboard as a bitmap, printing
// at a chosen page size with its page set-up dialog, the chart's edit dialog and wizard, and export of
// the chart as a BMP or JPEG file. The derived classes bind the handlers in their message maps
// (CHART_VIEW_MESSAGE_ENTRIES below names the ones they all bind).
//
// Coordinates. The chart is drawn in chart coordinates: the client area's on a plain view, moved by the
// scroll position on a scrolling one (OnPrepareDC puts the viewport there). Every mouse position is
// turned into chart coordinates (ToChart) before it is compared, hit-tested or stored; tips are placed
// back on the screen from them (ChartToScreen).
//
// Mouse. A press on a drawn data item (the chart's hit regions) starts a value drag while value
// dragging is enabled; a press elsewhere starts a zoom band while zoom is enabled (and, on a view that
// asks BandStartsAt, only where it allows one). Every move restarts the tip timer (kTimerTip, 1500 ms)
// unless the mouse stands where it stood at the last move, and hides the tip. When the timer fires,
// the point is resolved (HitTest) and, when it names a display and an item or a group there,
// ShowTipAt shows the item's data; an item drawn under the point (a hit region) names the item and
// group exactly.
//
// Value drag (UpdateValueDrag, at each move): the mouse point is resolved in the display that holds
// the picked item, inverting the display's drawing: the value axis gives a value; the XY, bubble and
// polar types give the pair of numbers they plot the point from (x and y, or angle and magnitude);
// the vector types move the anchor, or with the vector's end (the third group of its four) turn and
// stretch the vector. The values are stored in the chart, passed on to the document's server with
// data command 256 and an SECDataRecord {group + 1, index + 1, value}, and the window is repainted;
// with the drag tip enabled the tip shows the new numbers. The release ends the drag and hides the
// tip, and no tip comes back before the mouse moves again.
//
// Zoom (at the release of a band that moved): both corners are resolved; when a coordinate both
// corners have is the same at both (within 50 x 2^-52 of its size), nothing is zoomed. Otherwise each
// display under the release point is zoomed in one step: its state goes onto the zoom stack (SRGZoom),
// its view ranges take the two corners' values and second values (the XY types), and its data window
// the items and groups between the corners, no wider than it was. Where both an item and a group
// resolve, the zoom question (CSelectQuery) asks which to narrow; Cancel drops the step. UndoZoom puts
// back one step or all of them; the undo commands are disabled with an empty stack. The band is drawn
// inverted while it is dragged: a rectangle, a strip across the display for types whose zoom narrows
// one axis, a sector for the circular types.
//
// Printing: with the use-page-size flag set (page set-up), ApplyPageSize gives the chart a fixed
// rectangle of the paper's size in device pixels, placed by the two placement choices. What the end
// of the job puts back is the derived view's (OnEndPrinting).
//
// Copy (ID_EDIT_COPY) puts a bitmap of GetCopySize on the clipboard; the exports write a picture of the
// client area. Edit (ID_CHART_EDIT) opens the chart's edit dialog (DEDizedEditDialog) on the chart;
// when it closes, whatever its result, the chart is marked for redraw and the view repainted. The
// wizard (ID_CHART_WIZARD) runs SRGWizSheet on the chart; after OK the working chart's components and
// styles are copied back into the chart, which is drawn anew.
#pragma once

#include "chart/views/DEDizedTip.h"
#include "chart/views/SRGZoom.h"
#include "win/Win.h"

#include <windows.h>

class DEDized;
class DEDizedPosition;
class PageSetup;
class SECImage;

template <class TBase>
class ChartViewCore : public TBase {
public:
    // The tip timer.
    static constexpr UINT_PTR kTimerTip = 3860;
    static constexpr UINT kTipDelay = 1500;
    // The data command that passes a dragged value to the document's server.
    static constexpr int kDragCommand = 256;

    // Zoom and value dragging enabled, the drag tip off; page set-up: no fixed size, paper 0, both
    // placements centred.
    ChartViewCore();
    // Deletes the zoom records left.
    ~ChartViewCore() override;

    // Draws the chart (GetGraph) and clears its force-buffer-once flag.
    void OnDraw(CDC* pDC) override;

    virtual void EnableDragTip(int bEnable);
    virtual int IsDragTipEnabled() const;
    virtual void EnableValueDrag(int bEnable);
    virtual int IsValueDragEnabled() const;
    virtual void EnableZoom(int bEnable);
    virtual int IsZoomEnabled() const;
    // Moves the zoom band to the chart point (x, y) (see the top of this file).
    virtual void UpdateZoomBand(int x, int y);
    // Drags the picked value to the chart point (x, y) (see the top of this file).
    virtual void UpdateValueDrag(UINT nFlags, int x, int y);
    // Draws the chart into pBitmap (not null), selected into a memory DC compatible with pDC (not
    // null), as large as the bitmap; the tip is hidden first. The chart's fixed rectangle and buffering
    // are as before afterwards.
    virtual void RenderToBitmap(CDC* pDC, CBitmap* pBitmap);
    // What lies under the chart point (x, y) of pChart (not null): a new position the caller deletes.
    virtual DEDizedPosition* HitTest(DEDized* pChart, int x, int y);
    // The chart the view shows: base, the document's (a CGraphDoc); null when there is none.
    virtual DEDized* GetGraph();
    // Shows the tip for the data pPosition names (see TipText) at its point.
    virtual void ShowTipAt(DEDizedPosition* pPosition);
    // Write the client area's picture to the file lpszPath (a Windows path, as a file dialog gives it)
    // as a BMP / JPEG file. A picture that cannot be made shows IDS_CHART_BMP_FAILED /
    // IDS_CHART_JPEG_FAILED, a file that cannot be written IDS_CHART_EXPORT_WRITE_FAILED. TRUE when the
    // file was written.
    virtual BOOL SaveAsBmp(LPCSTR lpszPath);
    virtual BOOL SaveAsJpeg(LPCSTR lpszPath);
    // Undoes the last zoom step (bAll 0) or all of them, and repaints.
    virtual void UndoZoom(int bAll);

    // The tip's text for the data pPosition names in its first display, by the display's graph type;
    // empty when it names no display.
    CString TipText(DEDizedPosition* pPosition);

    // State for tests and derived views.
    DEDizedTip& GetTip() { return m_tip; }
    CObStack& GetZoomStack() { return m_zoomStack; }
    int GetPickedIndex() const { return m_nPickedIndex; }
    int GetPickedGroup() const { return m_nPickedGroup; }
    int IsValueDragActive() const { return m_bValueDragActive; }
    int IsBandActive() const { return m_bBandActive; }
    int IsTipTimerRunning() const { return m_bTipTimerRunning; }
    CPalette& GetPalette() { return m_palette; }

    // The page set-up values.
    int m_bUsePageSize;   // print into a fixed rectangle of the paper's size
    int m_nPaperIndex;    // 0 .. 9 (PaperSize)
    int m_nVertical;      // placement 0 top, 1 centre, 2 bottom
    int m_nHorizontal;    // 0 left, 1 centre, 2 right

    // The paper's size in device pixels for a device of nDpiX by nDpiY pixels per inch: 320 x 240,
    // 640 x 480, 800 x 600, 1024 x 768, then A4, A4 landscape, A5, A5 landscape, Letter, Letter
    // landscape; 0 x 0 for any other index.
    static CSize PaperSize(int nPaperIndex, int nDpiX, int nDpiY);

    // The client point as a chart point, and a chart point on the screen.
    CPoint ToChart(CPoint client) const;
    CPoint ChartToScreen(CPoint chart) const;

protected:
    // With the use-page-size flag and a chart: the chart's fixed rectangle becomes the paper's size on
    // pDC, placed by the placement choices. TRUE when it did.
    BOOL ApplyPageSize(CDC* pDC);
    // Whether a press at the chart point may start a zoom band (zoom being enabled). Base: anywhere.
    virtual BOOL BandStartsAt(DEDized* pChart, CPoint point);
    // The size of the bitmap Copy puts on the clipboard. Base: the client area's.
    virtual CSize GetCopySize();
    // Runs the page set-up dialog filled from the view's four page values; TRUE on OK, the choice then
    // in rDialog. TakePageSetup makes the dialog's values the view's.
    BOOL RunPageSetup(PageSetup& rDialog);
    void TakePageSetup(const PageSetup& rDialog);
    // Selects and realises the palette in a client DC (in the background or not). FALSE without one.
    BOOL RealizeOwnPalette(BOOL bBackground);
    // The run of the wizard on the chart (see the top of this file).
    void RunWizard();

    // The release of the left button: ends a value drag, or zooms by the band (see the top of this
    // file).
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg BOOL OnQueryNewPalette();
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
    afx_msg void OnEditCopy();
    afx_msg void OnUndoZoom();
    afx_msg void OnUndoZoomAll();
    afx_msg void OnUpdateUndoZoom(CCmdUI* pCmdUI);
    afx_msg void OnPageSetup();
    afx_msg void OnEditChart();
    afx_msg void OnChartWizard();
    afx_msg void OnExportBmp();
    afx_msg void OnExportJpeg();

    // A bitmap of the client area with the chart drawn into it (RenderToBitmap); rDC is the view's DC.
    BOOL RenderClientBitmap(CDC& rDC, CBitmap& rBitmap);
    // Makes pImage from the client area's picture and saves it at lpszPath (see SaveAsBmp).
    BOOL SaveImageAs(SECImage* pImage, LPCSTR lpszPath, UINT nIDFailed);
    // The save dialog of the exports, then SaveAsBmp or SaveAsJpeg.
    void Export(LPCSTR lpszDefExt, LPCSTR lpszFilter, bool bJpeg);
    // Zooms by the band from m_ptBandStart to point (see the top of this file).
    void ZoomBand(DEDized* pChart, CPoint point);
    // The inverted shape of the zoom band from the start point to corner in the display under the
    // start point; FALSE (nothing to draw) while a corner lies outside it.
    BOOL BandRegion(CPoint corner, CRgn& rRegion);

    DEDizedTip m_tip;
    CPoint m_ptLast;              // the mouse at the last move (chart coordinates)
    CPoint m_ptBandStart;         // where the band started
    CPoint m_ptBandCorner;        // the corner of the band drawn last
    int m_bBandShown;             // the band is drawn (inverted) on the window
    int m_bBandActive;
    int m_bValueDragActive;
    int m_nPickedIndex;
    int m_nPickedGroup;
    int m_bTipTimerRunning;
    int m_bZoomEnabled;
    int m_bValueDragEnabled;
    int m_bDragTip;
    CObStack m_zoomStack;         // SRGZoom records, owned
    CPalette m_palette;           // only on palette devices
};

extern template class ChartViewCore<CView>;
extern template class ChartViewCore<CScrollView>;

// The message-map entries every chart view binds (inside BEGIN_MESSAGE_MAP of a class derived from
// ChartViewCore): the mouse, the timer, the background, Copy, Print and Print Preview, the zoom undo,
// the page set-up, the edit dialog, the wizard and the exports.
#define CHART_VIEW_MESSAGE_ENTRIES()                                       \
    ON_WM_ERASEBKGND()                                                     \
    ON_WM_MOUSEMOVE()                                                      \
    ON_WM_LBUTTONDOWN()                                                    \
    ON_WM_LBUTTONUP()                                                      \
    ON_WM_TIMER()                                                          \
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)                                   \
    ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)                          \
    ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)                   \
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)           \
    ON_COMMAND(ID_CHART_UNDO_ZOOM, OnUndoZoom)                             \
    ON_UPDATE_COMMAND_UI(ID_CHART_UNDO_ZOOM, OnUpdateUndoZoom)             \
    ON_COMMAND(ID_CHART_PAGE_SETUP, OnPageSetup)                           \
    ON_COMMAND(ID_CHART_EDIT, OnEditChart)                                 \
    ON_COMMAND(ID_CHART_WIZARD, OnChartWizard)                             \
    ON_COMMAND(ID_CHART_EXPORT_BMP, OnExportBmp)                           \
    ON_COMMAND(ID_CHART_EXPORT_JPEG, OnExportJpeg)
