// CDockBar: the strip along one edge of a frame in which control bars dock, in rows; also the content
// of a floating frame (win/CMiniFrameWnd.h), which is a dock bar made with bFloating TRUE.
//
// Entries. The dock bar keeps its bars in an array of entries (m_arrBars), each a bar, a placeholder
// or a row end. The array starts with a row end and every row ends with one: [end, a, b, end, c, end]
// holds the rows (a, b) and (c); [end] is an empty dock bar. A placeholder keeps, by the bar's control
// id, the place of a bar that left (it floats, or is not made yet): ReDockControlBar puts the bar back
// there.
//
// Docking a bar (DockControlBar): without a rectangle the bar is appended as a new last row; with one
// (screen coordinates) it is inserted where the rectangle's centre falls (Insert) and moved there. A
// bar already here whose rectangle is the same stays. The bar's style takes the dock bar's alignment
// and CBRS_FLOATING exactly when the dock bar floats; a floating dock bar takes CBRS_FLOAT_MULTI when
// the bar allows it; the dock bar takes the bar's CBRS_SIZE_* bits and, unless it has
// CBRS_FLOAT_MULTI, the bar's window text (its floating frame shows it as title). A placeholder of the
// bar here is dropped; the bar becomes a child of the dock bar and leaves its previous dock bar, which
// keeps a placeholder when the bar goes from it into a floating dock bar (so that docking it back
// returns it to its place). The frame lays out on the next idle.
//
// Insert (where a dropped bar goes, by its centre in client coordinates): bars whose far side (bottom
// of a horizontal dock bar, right of a vertical one) lies before the point are passed; when the point
// lies before the next bar's span across, the bar starts a new row there; before a bar's centre (or
// before a hidden bar) it goes before that bar; after the last bar of a row it goes after it; with no
// row left it becomes the new last row.
//
// Removing a bar (RemoveControlBar) takes its entry out, or leaves its id there as placeholder when
// asked (unless a placeholder of that id is already here); a row left empty is dropped. A floating dock
// bar whose bars are all hidden hides its frame; one left without bars has its frame destroyed (closed,
// when the bar that leaves is still its child, going away with it).
//
// Layout (CalcFixedLayout, asked through the frame's WM_SIZEPARENT; the room is the layout's rectangle
// then, else the frame's client area). Rows stack from the dock bar's top (left) edge; a row is as
// thick as its thickest visible bar. A bar keeps its own size (CalcDynamicLayout(-1, LM_HORZ |
// LM_HORZDOCK) along a top or bottom dock bar, LM_VERTDOCK along a left or right one) and is placed
// after the bar before it but no nearer the row's start than it stands (so a bar dropped at a place
// stays there); a row longer than the dock bar is pushed back inside it from its end. A docked dock bar
// is as long as its room along its edge and as thick as its rows: 0 without visible bars (so that it
// still marks its edge for CFrameWnd::CanDock). A floating
// dock bar lays each bar out at its floating size (CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH) for a
// CBRS_SIZE_DYNAMIC bar, else its fixed size), rows from its top, and is as large as they are. A real
// layout moves the bars in one deferred batch and carries out their delayed shows and hides; a query
// moves nothing.
//
// Id list (GetBarIDs, for saved layouts): each bar's id, plus 0x10000 for a hidden bar or a
// placeholder, and 0 ending each row.
//
// The dock bar has no borders of its own; its bars draw theirs. It goes with its frame: when its window
// goes it lets go of its bars (it keeps no pointer to them, nor they to it).
#pragma once

#include "win/CControlBar.h"

#include <vector>

class CDockBar : public CControlBar {
    DECLARE_DYNAMIC(CDockBar)
    DECLARE_MESSAGE_MAP()
public:
    // bFloating: the content of a floating frame.
    explicit CDockBar(BOOL bFloating = FALSE);
    ~CDockBar() override;

    // One entry of the array: a bar, a placeholder (the id of the bar whose place it keeps) or a row end.
    struct Entry {
        enum Kind { rowEnd, bar, placeholder };
        Kind kind = rowEnd;
        CControlBar* pBar = nullptr; // a bar's
        UINT nID = 0;                // a placeholder's

        static Entry RowEnd() { return Entry(); }
        static Entry Bar(CControlBar* pBar);
        static Entry Placeholder(UINT nID);
        BOOL IsBar() const { return kind == bar; }
        BOOL IsPlaceholder() const { return kind == placeholder; }
        BOOL IsRowEnd() const { return kind == rowEnd; }
    };

    BOOL m_bFloating;              // the content of a floating frame
    std::vector<Entry> m_arrBars;  // see the top of this file

    // Makes the dock bar window, a child of pParentWnd (a frame), with the window style dwStyle, whose
    // CBRS_* bits (the alignment) become the bar style, and control id nID. FALSE when no window was
    // made.
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    // The dock bar's own flag, not a style bit.
    BOOL IsFloating() const override;

    // ---- entries -------------------------------------------------------------------------------------

    // The number of bars / of the visible ones (a delayed show or hide counts as done).
    int GetDockedCount() const;
    int GetDockedVisibleCount() const;
    // The index of pBar's entry, or of the placeholder of nID, other than nPosExclude; -1 when none.
    int FindBar(const CControlBar* pBar, int nPosExclude = -1) const;
    int FindPlaceholder(UINT nID, int nPosExclude = -1) const;
    // The index of the first entry of the row that holds index nIndex / of that row's end.
    int RowStartOf(int nIndex) const;
    int RowEndOf(int nIndex) const;
    // The id list (see the top of this file).
    void GetBarIDs(std::vector<UINT>& ids) const;

    // ---- docking -------------------------------------------------------------------------------------

    // Docks pBar (not null, with a window) here; lpRect: where it was dropped (screen), or null (see
    // the top of this file).
    virtual void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Docks pBar in its placeholder when the dock bar holds one, moved to lpRect (screen) when given;
    // otherwise as DockControlBar.
    virtual void ReDockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Takes pBar's entry out (not the one at nPosExclude); bAddPlaceholder: leave its id in its place.
    // FALSE when the dock bar does not hold the bar.
    virtual BOOL RemoveControlBar(CControlBar* pBar, int nPosExclude = -1, BOOL bAddPlaceholder = FALSE);
    // Inserts pBar's entry where a bar dropped with its centre at ptMid (client coordinates) goes (see
    // the top of this file). Returns the entry's index.
    virtual int Insert(CControlBar* pBar, CPoint ptMid);

    // ---- saved layouts (win/CDockState.h) ------------------------------------------------------------

    // The bar's record with the dock bar's id list; a floating dock bar's position is its frame's.
    void GetBarInfo(CControlBarInfo* pInfo) override;
    // Takes the entries of pInfo's id list: an id is a bar of pFrame that docks (it leaves its old dock
    // bar and becomes a child here), an id + 0x10000 or the id of any other a placeholder, 0 a row end; bars held here that the list leaves out stay, each in a row of its own. A floating dock
    // bar's frame goes to the record's position.
    void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrame) override;

    // ---- layout --------------------------------------------------------------------------------------

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;

protected:
    // A bar's place computed by a layout; rect empty for a bar that is only shown or hidden.
    struct BarMove {
        CControlBar* pBar;
        CRect rect;       // client coordinates
        UINT nShowFlag;   // SWP_SHOWWINDOW, SWP_HIDEWINDOW or 0
    };

    // Inserts pBar's entry at nIndex; bNewRow: as a row of its own (a row end follows it). Returns the
    // bar's index.
    virtual int InsertEntry(int nIndex, CControlBar* pBar, BOOL bNewRow);
    // Where Insert puts a bar whose centre is ptMid: the index, and whether it starts a new row.
    int FindInsertPlace(CPoint ptMid, BOOL& bNewRow) const;
    // Where a docked bar without a drop rectangle is put (client coordinates). Base: the top-left
    // corner.
    virtual CPoint GetNewBarPos() const;
    // The part of docking shared by every way in: the bar's style, the dock bar's style and text.
    virtual void TakeBarStyle(CControlBar* pBar);
    // The last part: pBar (whose entry is at nPos) becomes a child of the dock bar and leaves its
    // previous dock bar; the frame lays out on the next idle.
    void AdoptBar(CControlBar* pBar, int nPos);
    // Drops the placeholders of nID.
    void RemovePlaceholders(UINT nID);
    // Hides or closes the floating frame when it holds no visible bar; pLeaving: the bar that just left.
    void UpdateFloatingFrame(CControlBar* pLeaving);

    // The rectangle the bars are laid out in: the layout's room while WM_SIZEPARENT runs, else the
    // frame's client area (frame client coordinates).
    CRect GetLayoutRect() const;
    // TRUE unless the layout running only asks for sizes.
    BOOL IsRealLayout() const;
    // pBar's window rectangle in the dock bar's client coordinates.
    CRect GetBarRect(const CControlBar* pBar) const;
    // The visible bars of the row [nStart, nEnd), in order, with the show flag a real layout carries
    // out for each; the delayed hides (and shows of bars that stay hidden) go into moves.
    struct RowBar {
        CControlBar* pBar;
        UINT nShowFlag;
    };
    std::vector<RowBar> TakeRowBars(int nStart, int nEnd, std::vector<BarMove>& moves);
    // The size a bar takes in a row of fixed-size bars (bFloating: of a floating dock bar).
    static CSize FixedBarSize(CControlBar* pBar, BOOL bHorz, BOOL bFloating);
    // Lays the row [nStart, nEnd) out as fixed-size bars at nAcross from the dock bar's edge, in a room
    // nLength long (0: no room to keep the row inside), adding the places to moves. Returns the row's
    // thickness (0 when it has no visible bar).
    int LayoutFixedRow(int nStart, int nEnd, int nAcross, int nLength, BOOL bHorz, std::vector<BarMove>& moves);
    // Moves the bars to their places in one deferred batch (only those whose place changed).
    virtual void MoveBars(const std::vector<BarMove>& moves);

    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnDestroy();

    AFX_SIZEPARENTPARAMS* m_pLayout; // the layout running (WM_SIZEPARENT), null otherwise
};
