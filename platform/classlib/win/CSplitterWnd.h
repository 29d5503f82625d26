// CSplitterWnd: a window divided into a fixed arrangement of panes, rows by columns, one view in each,
// as a program builds it (usually in its frame's OnCreateClient).
//
// CreateStatic makes the splitter (by default the frame's pane, AFX_IDW_PANE_FIRST); CreateView then
// makes each pane's view as a child with id IdFromRowCol(row, col) = AFX_IDW_PANE_FIRST + 16 * row +
// col, in the creation context (so it joins the context's document). The first view made becomes the
// parent frame's active view when the frame has none. A row is as high as the height its first
// column's view was made with, a column as wide as the width its first row's view was made with; the
// last row and column take what is left.
//
// Shared scroll bars: made with WS_HSCROLL (WS_VSCROLL), the splitter has one horizontal (vertical)
// scroll-bar child with id AFX_IDW_HSCROLL_FIRST, 59904 (AFX_IDW_VSCROLL_FIRST, 59920), along its
// bottom (right) edge; a pane view without a bar of its own uses it (CView::GetScrollBarCtrl). The
// style bit SPLS_DYNAMIC_SPLIT is kept for the views that ask for it; the panes stay as made.
//
// Not done yet: dynamic splitting, dragging the split bars, activating the next pane.
#pragma once

#include "win/CScrollBar.h"
#include "win/CWnd.h"

struct CCreateContext;

// The splitter's panes can be split by the user (kept in the window style for the views to ask).
#define SPLS_DYNAMIC_SPLIT 0x0001

class CSplitterWnd : public CWnd {
    DECLARE_DYNAMIC(CSplitterWnd)
    DECLARE_MESSAGE_MAP()
public:
    CSplitterWnd();
    ~CSplitterWnd() override;

    // The most rows and columns.
    enum { kMaxPanes = 16 };

    // Makes the splitter as child nID of pParentWnd (not null) with nRows by nCols panes (1..16 each)
    // and dwStyle (WS_CHILD is added; WS_HSCROLL / WS_VSCROLL give the shared bars instead of the
    // splitter's own). FALSE when the window could not be made; bad counts are refused with
    // CInvalidArgException*.
    BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                      UINT nID = AFX_IDW_PANE_FIRST);
    // Makes the view of pane (row, col) (a creatable CWnd class) with the initial size sizeInit, in
    // pContext (may be null). FALSE when it could not be made; a pane outside the arrangement or one
    // already made is refused with CInvalidArgException*.
    virtual BOOL CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit, CCreateContext* pContext);

    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    // The view of pane (row, col); null before CreateView. A pane outside the arrangement is refused
    // with CInvalidArgException*.
    CWnd* GetPane(int row, int col) const;
    // The control id of pane (row, col).
    int IdFromRowCol(int row, int col) const;
    // Whether pWnd is one of the panes; its row and column into *pRow and *pCol (may be null).
    BOOL IsChildPane(CWnd* pWnd, int* pRow, int* pCol) const;
    // The shared scroll bar for nBar (SB_HORZ or SB_VERT); null when the splitter has none.
    CScrollBar* GetSharedScrollBar(int nBar) const;

    // Places the panes and the shared bars in the client area.
    virtual void RecalcLayout();

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);

    int m_nRows;
    int m_nCols;
    BOOL m_bHasHScroll;
    BOOL m_bHasVScroll;
    int m_cyRows[kMaxPanes]; // each row's height as asked (-1 until its first view is made)
    int m_cxCols[kMaxPanes]; // each column's width as asked
    CScrollBar m_wndHScroll;
    CScrollBar m_wndVScroll;
};
