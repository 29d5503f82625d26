// SECDockBar: the toolkit's dock bar. Within a row each sizable bar (an SECControlBar without
// SEC_CBRS_EX_FIXEDSIZE) takes a fraction of the row's length (its m_fPctWidth), and the user resizes
// bars by dragging 6-pixel splitters between the bars of a row and between rows. Rows of tool-bar-like
// bars are laid out by their fixed sizes as the class library's dock bar does (win/CDockBar.h, which
// also holds the entries, placeholders and the id list).
//
// Fractions. The minimum fraction is 18 pixels over the dock bar's length (client height of a left or
// right dock bar, width otherwise), at most 1, and 0.05 while the length is not positive.
// NormalizeRow(row, just placed): the just-placed bar (none when its fraction is above 0.95) is clamped
// into [minimum, 0.95] as A, the other visible sizable bars sum to O; when A > 0 the placed bar's share
// becomes c * A (at least the minimum) with c = O / (O - A) (1 when O equals A, 1 / A when there are no
// others) and is added to O; then every visible sizable bar's fraction is divided by O (at least the
// minimum). So when the old fractions summed to 1 the placed bar gets exactly its share and the others
// keep their proportions; when the others sum to less than the placed share the placed bar can end at
// the minimum. The hidden sizable bars of the row are divided by O too (without the minimum): a hidden
// bar keeps its fraction in proportion to the others, so that whatever was hidden and shown in the
// meantime, and in whatever order, the bars shown again share the row as they did before. A bar shown
// again is not a bar just placed.
//
// Docking. Docking at a rectangle (a drag) or without one (as the class library's dock bar does; a new
// last row is placed just outside the top-left corner, less the toolkit border) marks the bar as just
// placed for the next layout; a bar already here that the drop point puts back at its own place stays,
// and one that goes elsewhere here first leaves its row's fractions (the others share that whole row
// without it), so that, as one dragged off and docked again, it keeps its share where it lands.
// The bar's style takes all four CBRS_BORDER_* bits too. Docking with a layout record (dock row,
// position in the row, SEC_DOCKPOS_* flags; the docking frame's DockControlBarAt) normalises the
// bar's row with it as just placed at once: an empty dock bar takes it as its only row; the row is
// counted from the start (from the end with SEC_DOCKPOS_ROWFROMEND); a negative row puts the bar first
// with (-row - 1) row ends after it; a row past the last appends the missing (empty) rows; in the row,
// a position of 0 or less (or an empty row) puts it at the row's start, SEC_DOCKPOS_NEWROW as a new row
// before the row, a positive position before that visible bar (counted from the row's end with
// SEC_DOCKPOS_POSFROMEND). Re-docking into a placeholder marks the bar as just placed as well. A bar
// with SEC_CBRS_EX_FULLROW always has row ends on both sides, and another bar gets a row end between it
// and such a neighbour.
//
// Removing a bar leaves its id as placeholder when asked (a placeholder of that id elsewhere is kept
// instead); when it was alone in its row the bars from there on are redrawn. A docked dock bar's frame
// lays out at once when the bar has a dock context.
//
// Layout (CalcFixedLayout; the room along is the layout's rectangle or the frame's client area). Each row
// is normalised (with the just-placed mark, cleared by the pass). A row without a visible sizable bar is
// laid out the class library's way and its toolkit bars get SEC_CBRS_EX_INFIXEDROW. In a row with sizable
// bars each visible bar loses that bit and commits its length for a stretch request of
// (length - 6 * (n - 1)) (n visible bars), so that it is its fraction of what the splitters leave, and is
// committed to the thickness of the thickest; the last (unless tool-bar-like) ends at the row's end. No
// sizable bar is pressed below its least length (its SEC_LM_MINSIZE size: for a pane its gripper, its
// first row of controls and one line of its list) while another has room: the short ones take their least
// lengths, which the others give up in proportion to what they have above theirs; when the row is too
// short for all the least lengths, each bar has its least length's part of the row. The fractions stay as
// they were (the length a bar was given this way is committed), so that with room again every bar has its
// share back. The bars follow one another with a 6-pixel in-row splitter after each bar that has a visible
// successor. A frame's dock bar puts a 2-pixel client edge and a 6-pixel row splitter around the row: top
// and left dock bars the edge before the row and the splitter after it, bottom and right ones the other
// way round. A floating dock bar keeps the bars' committed floating sizes and places neither. The dock bar
// is as long as its room and as thick as its rows, splitters and edges (0 when empty), plus the toolkit
// border at the top dock bar's bottom and the left dock bar's right while the workbook's tab strip shows
// (g_bSECWorkbookTabs). Bars are moved in one deferred batch (without redrawing while g_bSECNoRedraw is
// on, which a layout sets to whether the dock bar's rows changed); a bar whose size changed goes on the
// redraw list, and when its thickness changed the bars after it too, and so does a bar moved without
// redrawing (bars that trade places would keep each other's pictures); a sizable bar's dock context takes
// its new rectangle and this dock bar as its docking place. Splitters and edges are kept when a pass makes
// the same rectangle again; the others go.
//
// Drawing (DoPaint): every client edge and splitter; then, while a redraw is pending, every bar of
// the redraw list is redrawn with its frame and the list emptied (RedrawPending). A vertical splitter is
// button face with a highlight line at its left and shadow and window-frame lines at its right; a
// horizontal one the same from top to bottom. A client edge is a shadow line then a highlight line.
//
// Splitters. The cursor over a vertical splitter is SEC_IDC_HSPLITBAR, over a horizontal one
// SEC_IDC_VSPLITBAR, the arrow elsewhere (the dock bar claims WM_SETCURSOR over its own client area). A
// press on a splitter tracks it (not while a window holds the capture) in the library's modal mouse loop
// (SplitterTracker's step): a halftone bar one pixel thinner than the splitter follows the mouse less the
// grab offset, with the splitter kept within its limits; Escape or the right button cancel, releasing the
// left button ends; a move of 0 changes nothing. Limits: an in-row splitter stays 24 pixels per visible
// bar before it from the row's start and 24 per visible bar after it from the row's end, or, where more,
// the least lengths of the sizable bars on each side with the splitters between them (not in a row too
// short for them all); a row splitter keeps the row at least 19 thick and, on the frame's side, 19 pixels
// of the frame's free client area. Applying a move: a row splitter changes every bar's thickness in the
// row by the move, growing when it moves away from the frame's edge; an in-row splitter grows the bar on
// the side it moves away from (after it when moving left or up, before it otherwise) by the move and takes
// the length from the bars on the other side, nearest first, none below 18 pixels; each changed bar's
// fraction becomes its length over the row's length (less the splitters), at least the minimum. The frame
// lays out on the next idle.
//
// Expand or contract (the gripper's arrow): expanding gives the bar 1.0 and the others of its row 0,
// contracting gives all 0.1; the row is normalised with the bar as just placed. IsExpanded: the bar is
// the only bar of its row above the minimum fraction.
//
// Drag rectangle (CalcDragRect, the dock context asks it while a bar is dragged over the dock bar): the
// rectangle's centre picks a row (the bands across grow by each row's thickness less the toolkit
// border; before the first: row 0; past the last: a new row). In the row of the last answer that holds
// other bars the last rectangle moves with the mouse. Otherwise a sizable bar not in that row gets the
// dock bar's whole length in a new or empty row, or, in a row of sizable bars, its share of the dock bar's
// length (its fraction over the row's sum plus its fraction) and the row's thickness, both around the
// mouse; other bars keep the rectangle.
//
// Bar-list menu (only while g_bSECBarListMenu is on): the dock bar's context menu lists the frame's bars
// that have a window title and are neither status bars, menu bars (id 0xE8FF) nor dock bars, checked
// while visible, sizable bars first and tool bars after a separator, under commands from
// ID_SEC_BARLIST_FIRST; choosing one shows or hides it through the frame.
//
// WM_SYSCHAR seen before translation in a floating dock bar is also posted to the frame that owns the
// floating frame as a keyboard menu command (SC_KEYMENU), so that Alt with a key opens the main menu
// from a floating bar.
//
// The dock bar's own move in the frame's layout (WM_SIZEPARENT, while the switch holds this dock bar's
// relayout-needed flag): with the switch on, a dock bar of unchanged size moves without copying its old
// bits (its rows changed, so they would be stale) and one of unchanged length but a new thickness moves
// without redrawing (its layout has just invalidated what changed); otherwise it moves as any bar.
//
// The extra creation value (the frame's EnableDocking passes it on) is kept in m_dwExtra for derived dock
// bars; nothing here reads it.
#pragma once

#include "frames/SECControlBar.h"
#include "win/CDockBar.h"
#include "win/MouseLoop.h"

#include <map>
#include <memory>
#include <vector>

// Flags of SECDockPos.
#define SEC_DOCKPOS_ROWFROMEND 0x0001 // the dock row counts from the last row
#define SEC_DOCKPOS_POSFROMEND 0x0002 // the position counts from the row's end
#define SEC_DOCKPOS_NEWROW     0x0004 // the bar starts a new row

// Where a bar docks by layout: the dock row, the position in the row and SEC_DOCKPOS_* flags.
struct SECDockPos {
    int nDockRow = 0;
    int nPos = 0;
    DWORD dwFlags = 0;
};

class SECDockBar : public CDockBar {
    DECLARE_DYNCREATE(SECDockBar)
    DECLARE_MESSAGE_MAP()
public:
    // Splitters and client edges across, and the shortest length fractions and splitters leave a bar.
    enum Measures { splitterSize = 6, clientEdgeSize = 2, minBarLength = 18 };

    // bFloating: the content of a floating frame or of a bar host; bMDIChild: a bar host's.
    explicit SECDockBar(BOOL bFloating = FALSE, BOOL bMDIChild = FALSE);
    ~SECDockBar() override;

    // A splitter the layout placed: between two bars of a row (m_bInRow) or after (before) a row.
    class Splitter : public CObject {
    public:
        BOOL m_bInRow = FALSE;    // between two bars of a row
        BOOL m_bVertical = FALSE; // a vertical line, moved along x
        CRect m_rect;             // client coordinates of the dock bar
        int m_nIndex = 0;         // the entry of the bar before it (in a row), or of the row's start
        BOOL m_bInUse = FALSE;    // placed by the last layout
        int m_nTrackMin = 0;      // the limits of its near side while tracked (along its axis)
        int m_nTrackMax = 0;      // ... and of its far side
        // Draws the splitter on pDC (coordinates of the dock bar's client area).
        virtual void Draw(CDC* pDC) const;
    };
    // A client edge the layout placed along a row of a frame's dock bar.
    class ClientEdge : public CObject {
    public:
        BOOL m_bVertical = FALSE; // a vertical band (along a left or right dock bar's row)
        CRect m_rect;
        BOOL m_bInUse = FALSE;
        virtual void Draw(CDC* pDC) const;
    };
    // The drag of a splitter: the step function of its mouse loop and what it leaves.
    class SplitterTracker {
    public:
        // Tracks pSplitter (its limits computed) of pDockBar grabbed at ptGrab (client coordinates);
        // pDC: where the feedback is drawn (screen coordinates), or null for none.
        SplitterTracker(SECDockBar* pDockBar, const Splitter* pSplitter, CPoint ptGrab, CDC* pDC);
        // One message of the loop (win/MouseLoop.h).
        AfxLoopStep Step(const MSG& msg);
        // Erases the feedback.
        void End();
        // How far the splitter moved along its axis (positive: right or down).
        int GetDelta() const { return m_nPos - m_nStart; }

    private:
        void MoveTo(CPoint ptClient);
        void Draw();

        SECDockBar* m_pDockBar;
        const Splitter* m_pSplitter;
        CDC* m_pDC;
        int m_nStart;  // the splitter's near side along its axis at the start
        int m_nGrab;   // the mouse's offset from it
        int m_nPos;    // its near side now
        CRect m_rectLast;
        CSize m_sizeLast;
    };

    // ---- creation ------------------------------------------------------------------------------------

    // Makes the dock bar in pParentWnd with the window style dwStyle (with its CBRS_ALIGN_* bit),
    // keeping dwExtra, with control id nID. FALSE when no window was made.
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExtra, UINT nID);
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) override;

    // ---- rows and fractions --------------------------------------------------------------------------

    // TRUE when pBar is the only bar of its row above the minimum fraction.
    virtual BOOL IsExpanded(const CControlBar* pBar) const;
    // TRUE when no other visible bar shares pBar's row.
    virtual BOOL IsAloneInRow(const CControlBar* pBar) const;
    // Docks pBar by the layout record pos (see the top of this file).
    virtual void DockControlBarWithLayout(CControlBar* pBar, const SECDockPos& pos);
    // The same with the record's values.
    virtual void DockControlBarAt(CControlBar* pBar, int nDockRow, int nPos, DWORD dwFlags = 0);
    // The bars of pBar's row, in order (empty when the dock bar does not hold it).
    virtual void GetRowBars(const CControlBar* pBar, std::vector<CControlBar*>& bars) const;
    // nMode 1 expands pBar in its row, any other value contracts the row (see the top of this file).
    virtual void ExpandContract(SECControlBar* pBar, int nMode);
    // Marks pBar as just placed for the next layout (null: none).
    virtual void SetJustPlaced(SECControlBar* pBar);
    // Redraws the bars of the redraw list with their frames and empties it.
    virtual void RedrawPending();
    // Normalises the fractions of the row starting at entry nRowStart (see the top of this file).
    virtual void NormalizeRow(int nRowStart, SECControlBar* pJustPlaced);
    // Computes the minimum fraction from the client size.
    virtual void RecalcMinFraction();
    float GetMinFraction() const { return m_fMinFraction; }

    // ---- splitters -----------------------------------------------------------------------------------

    // Tracks pSplitter from ptGrab (client coordinates) and applies the move. TRUE when it moved.
    virtual BOOL TrackSplitter(Splitter* pSplitter, CPoint ptGrab);
    // Computes pSplitter's tracking limits (see the top of this file).
    virtual void CalcSplitterLimits(Splitter* pSplitter);
    // Applies a move of pSplitter by nDelta pixels along its axis (see the top of this file).
    virtual void ApplySplitterMove(Splitter* pSplitter, int nDelta);
    // The splitter under point (client coordinates), or null.
    Splitter* SplitterAt(CPoint point) const;
    const std::vector<std::unique_ptr<Splitter>>& GetSplitters() const { return m_splitters; }
    const std::vector<std::unique_ptr<ClientEdge>>& GetClientEdges() const { return m_edges; }

    // ---- docking -------------------------------------------------------------------------------------

    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr) override;
    void ReDockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr) override;
    BOOL RemoveControlBar(CControlBar* pBar, int nPosExclude = -1, BOOL bAddPlaceholder = FALSE) override;
    // Inserts pBar at the row and position of pos (see the top of this file) and normalises its row
    // with it as just placed. Returns its entry's index.
    virtual int InsertAtRowPos(CControlBar* pBar, const SECDockPos& pos);
    // Inserts pBar as a new first row. Returns its entry's index.
    virtual int InsertNewFirstRow(CControlBar* pBar);
    // The rectangle to show for pBar dragged over the dock bar (see the top of this file): rect and
    // pt in screen coordinates; nHint the row start of the last answer (-1: none), rectLast and ptLast
    // the last answer and mouse position; all three are updated.
    virtual CRect CalcDragRect(CControlBar* pBar, CRect rect, CPoint pt, int& nHint, CRect& rectLast, CPoint& ptLast);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void DoPaint(CDC* pDC) override;
    // The class library's record with, for an SECControlBarInfo, the bar style, the hosted flag and the
    // host's window placement (frames/SECDockState.h).
    void GetBarInfo(CControlBarInfo* pInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // ---- state ---------------------------------------------------------------------------------------

    std::vector<CControlBar*> m_arrRedraw; // bars to redraw with their frames
    BOOL m_bMDIChild;                      // the dock bar of a bar host
    DWORD m_dwExtra;                       // the docking frame's extra creation value
    CControlBar* m_pTrackedBar;            // a floating bar the dock context last dropped here
    BOOL m_bRedrawPending;
    BOOL m_bRelayout;                      // rows changed since the last redraw

protected:
    int InsertEntry(int nIndex, CControlBar* pBar, BOOL bNewRow) override;
    CPoint GetNewBarPos() const override;
    void TakeBarStyle(CControlBar* pBar) override;
    void MoveBars(const std::vector<BarMove>& moves) override;
    // The no-redraw switch's flags for the dock bar's own move (see the top of this file).
    void RepositionInLayout(AFX_SIZEPARENTPARAMS* lpLayout, const CRect& rect) override;

    // Puts the bars from entry nIndex on into the redraw list (each once).
    void AddToRedraw(int nIndex);
    // Puts pBar on the redraw list, unless it is on it already.
    void AddBarToRedraw(CControlBar* pBar);
    // Puts the tool-bar-like bars of the row at nRowStart into the redraw list.
    virtual void AddRowToolBarsToRedraw(int nRowStart);
    // A splitter / client edge at rect, reused when the last layout made the same one.
    virtual Splitter* AddSplitter(const CRect& rect, BOOL bInRow, BOOL bVertical, int nIndex);
    virtual ClientEdge* AddClientEdge(const CRect& rect, BOOL bVertical);
    // The item of items the last layout made that isSame accepts, else a new one; marked in use.
    template <class T, class TSame>
    static T* Reuse(std::vector<std::unique_ptr<T>>& items, TSame isSame);
    // Lays out the row [nStart, nEnd) of sizable bars at nAcross in a room nLength long; returns what
    // it takes across (edges and splitters included).
    int LayoutSizableRow(int nStart, int nEnd, int nAcross, int nLength, BOOL bHorz, std::vector<BarMove>& moves);
    // The least length of the sizable bar pBar along this dock bar's rows (its SEC_LM_MINSIZE size).
    int LeastLength(CControlBar* pBar) const;
    // Raises each of lengths below its least length (least, one each) to it, taking the pixels from
    // the lengths above theirs in proportion to their room; when that room falls short, each length
    // becomes its least length's part of their sum. The sum stays.
    static void FitLeastLengths(std::vector<int>& lengths, const std::vector<int>& least);
    // NormalizeRow with pLeaving (when not null) left out of the row, as if it had gone.
    void NormalizeRowWithout(int nRowStart, SECControlBar* pJustPlaced, const CControlBar* pLeaving);
    // Invalidates pBar's place in its parent, before it moves here.
    static void InvalidateOldPlace(CControlBar* pBar);
    // TRUE for a bar laid out by fraction: a sizable toolkit bar.
    static BOOL IsSizable(const CControlBar* pBar);
    // TRUE for a dock bar along the top or bottom.
    BOOL IsHorzDockBar() const;
    // The dock bar's length: client width along the top or bottom, height along the sides.
    int GetClientLength() const;

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg void OnBarListCommand(UINT nID);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);

    std::vector<std::unique_ptr<ClientEdge>> m_edges;
    std::vector<std::unique_ptr<Splitter>> m_splitters;
    float m_fMinFraction;
    SECControlBar* m_pJustPlaced;
    std::map<UINT, CControlBar*> m_mapBarList; // the bar-list menu's commands while it is open
};
