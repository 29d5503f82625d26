// Support of the tests of the grid's window forms: a document that holds one grid's parameter object
// with its cells, a grid view that shows it and notes its scroll-bar updates, and a frame of such views
// (alone or as the panes of a splitter) with an Edit menu.
#pragma once

#include "input_test_support.h"

#include "grid/engine/GXGridView.h"
#include "grid/engine/GXGridWnd.h"
#include "grid/engine/GXResource.h"
#include "win/CCreateContext.h"
#include "win/CFrameWnd.h"
#include "win/CSplitterWnd.h"
#include "win/CWinApp.h"

#include <string>
#include <utility>
#include <vector>

// A document whose views all show one grid of m_param (its cells are made here).
class CGridDocument : public CDocument {
public:
    CGridDocument(ROWCOL nRows, ROWCOL nCols)
    {
        m_bAutoDelete = FALSE;  // lives on the stack or in a fixture
        auto* pData = new CGXData;
        pData->SetRowCount(nRows);
        pData->SetColCount(nCols);
        m_param.SetData(pData, TRUE);
    }
    CGXGridParam m_param;
};

// A grid view of the document's grid. It notes the arguments of every UpdateScrollbars.
class CTestGridView : public CGXGridView {
    DECLARE_DYNCREATE(CTestGridView)
public:
    void OnInitialUpdate() override
    {
        if (auto* pDoc = dynamic_cast<CGridDocument*>(GetDocument()))
            SetParam(&pDoc->m_param, FALSE);
        m_scrollbarUpdates.clear();
        CGXGridView::OnInitialUpdate();
        m_firstUpdateScrollbars = m_scrollbarUpdates;
    }
    // The cells use a CTestControl (m_pControl) from now on; the current cell is entered again with it.
    void UseTestControl()
    {
        ResetCurrentCell(FALSE);
        m_pControl = new CTestControl(this);
        RegisterControl(GX_IDS_CTRL_EDIT, m_pControl, TRUE);
        SetCurrentCell(1, 1);
    }
    BOOL UpdateScrollbars(BOOL bQuiet = TRUE, BOOL bOnlyWhenCountsChanged = FALSE) override
    {
        m_scrollbarUpdates.emplace_back(bQuiet, bOnlyWhenCountsChanged);
        return CGXGridView::UpdateScrollbars(bQuiet, bOnlyWhenCountsChanged);
    }
    // The current cell as "row,col", "none" without one.
    std::string Current()
    {
        ROWCOL nRow, nCol;
        return GetCurrentCell(nRow, nCol) ? std::to_string(nRow) + "," + std::to_string(nCol) : "none";
    }
    // Notes the clip box of every paint.
    void OnGridDraw(CDC* pDC) override
    {
        CRect rect;
        if (pDC->GetClipBox(&rect) != ERROR)
            m_painted.push_back(rect);
        CGXGridView::OnGridDraw(pDC);
    }
    BOOL IsViewContextSet() const { return m_bIsViewContext; }
    int& UpdateLock() { return m_nLockUpdate; }

    CTestControl* m_pControl = nullptr;
    std::vector<CRect> m_painted;  // the clip boxes of the paints
    std::vector<std::pair<BOOL, BOOL>> m_scrollbarUpdates;
    std::vector<std::pair<BOOL, BOOL>> m_firstUpdateScrollbars;  // those of the last first update
};

// A frame whose client is one grid view, or a splitter of nRows by nCols of them (with the
// dynamic-split style and the shared scroll bars), with an Edit menu of the view's commands.
class CGridFrame : public CFrameWnd {
public:
    CGridFrame(int nRows, int nCols, CRuntimeClass* pViewClass) : m_nRows(nRows), m_nCols(nCols), m_pViewClass(pViewClass)
    {
    }

    // The Edit menu: Undo, Redo, Copy, Cut, Paste.
    HMENU m_hEditMenu = nullptr;
    CSplitterWnd m_splitter;

protected:
    BOOL OnCreateClient(LPCREATESTRUCTA pcs, CCreateContext* pContext) override
    {
        if (m_nRows == 0)
            return CFrameWnd::OnCreateClient(pcs, pContext);
        if (!m_splitter.CreateStatic(this, m_nRows, m_nCols,
                                     WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | SPLS_DYNAMIC_SPLIT))
            return FALSE;
        for (int r = 0; r < m_nRows; r++)
            for (int c = 0; c < m_nCols; c++)
                if (!m_splitter.CreateView(r, c, m_pViewClass, CSize(200, 120), pContext))
                    return FALSE;
        return TRUE;
    }

private:
    int m_nRows;
    int m_nCols;
    CRuntimeClass* m_pViewClass;
};

// Makes a frame of pDoc's views of pViewClass (see CGridFrame) at 0, 0 of nWidth by nHeight with an
// Edit menu, shows it and runs its first update. The frame belongs to the window: DestroyWindow deletes
// it.
inline CGridFrame* MakeGridFrame(CDocument* pDoc, int nWidth, int nHeight, int nRows = 0, int nCols = 0,
                                 CRuntimeClass* pViewClass = RUNTIME_CLASS(CTestGridView))
{
    auto* pFrame = new CGridFrame(nRows, nCols, pViewClass);
    CCreateContext context;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = pViewClass;
    if (!pFrame->Create(nullptr, "Grid", WS_OVERLAPPEDWINDOW, CRect(0, 0, nWidth, nHeight), nullptr, nullptr, 0,
                        &context))
        return nullptr;
    HMENU hMenu = ::CreateMenu();
    pFrame->m_hEditMenu = ::CreatePopupMenu();
    ::AppendMenuA(pFrame->m_hEditMenu, MF_STRING, ID_EDIT_UNDO, "&Undo\tCtrl+Z");
    ::AppendMenuA(pFrame->m_hEditMenu, MF_STRING, ID_EDIT_REDO, "&Redo\tCtrl+R");
    ::AppendMenuA(pFrame->m_hEditMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(pFrame->m_hEditMenu, MF_STRING, ID_EDIT_CUT, "Cu&t\tCtrl+X");
    ::AppendMenuA(pFrame->m_hEditMenu, MF_STRING, ID_EDIT_COPY, "&Copy\tCtrl+C");
    ::AppendMenuA(pFrame->m_hEditMenu, MF_STRING, ID_EDIT_PASTE, "&Paste\tCtrl+V");
    ::AppendMenuA(hMenu, MF_POPUP, UINT_PTR(pFrame->m_hEditMenu), "&Edit");
    ::SetMenu(pFrame->m_hWnd, hMenu);
    pFrame->InitialUpdateFrame(pDoc, TRUE);
    pFrame->UpdateWindow();
    return pFrame;
}

// The frame's grid view (the first pane of a splitter).
inline CTestGridView* GridViewOf(CFrameWnd* pFrame)
{
    return dynamic_cast<CTestGridView*>(pFrame->GetActiveView());
}
