// Support of the tests of the row and column operations, scrolling, the current cell, the keys, the
// mouse and the cell tips: the library started once for the program, a grid window that hands its
// messages to the core as the grid's window forms do, a cell control that may refuse to be left, a
// covered-cells module with one span, and a factory that refuses to save the styles of removed rows.
#pragma once

#include "fake_modules.h"
#include "library_test_support.h"

#include "grid/engine/GXResource.h"
#include "win/CWindowDC.h"

#include <string>
#include <vector>

// A grid window whose keys go to ProcessKeys, mouse messages to the mouse handlers, WM_CANCELMODE and
// the focus messages to the core, and whose paints draw the grid. It notes the area the paints drew,
// the WM_CANCELMODE messages and the flags of every SetCurrentCell.
class CInputGridWnd : public CTestGridWnd {
public:
    // Makes a grid of nRows by nCols whose cells use a CTestControl (m_pControl).
    // The window is 400 by 300 pixels.
    void CreateInputGrid(ROWCOL nRows, ROWCOL nCols)
    {
        CreateGrid(nRows, nCols);
        SetWindowPos(nullptr, 0, 0, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
        m_pControl = new CTestControl(this);
        RegisterControl(GX_IDS_CTRL_EDIT, m_pControl, TRUE);
    }
    // The grid belongs to pDocument from now on (as a view's first update makes it).
    void SetDocument(CDocument* pDocument) { m_pGridDoc = pDocument; }
    // Shows the window without activating it and paints it.
    void Show()
    {
        ShowWindow(SW_SHOWNA);
        UpdateWindow();
        m_painted.DeleteObject();
    }
    // Whether the paints since the last Show or ForgetPaints drew point, or all of rect.
    BOOL Painted(CPoint point) const { return m_painted.m_hObject != nullptr && m_painted.PtInRegion(point); }
    BOOL PaintedWhole(const CRect& rect) const
    {
        if (m_painted.m_hObject == nullptr)
            return FALSE;
        CRgn rest;
        rest.CreateRectRgnIndirect(&rect);
        return rest.CombineRgn(&rest, &m_painted, RGN_DIFF) == NULLREGION;
    }
    void ForgetPaints() { m_painted.DeleteObject(); }

    BOOL SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT nFlags = 6) override
    {
        m_currentCellFlags.push_back(nFlags);
        return CGXGridCore::SetCurrentCell(nRow, nCol, nFlags);
    }
    // The current cell as "row,col", "none" without one.
    std::string Current()
    {
        ROWCOL nRow, nCol;
        return GetCurrentCell(nRow, nCol) ? std::to_string(nRow) + "," + std::to_string(nCol) : "none";
    }

    LRESULT WindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam) override
    {
        LRESULT lResult = 0;
        if (OnGridWindowProc(nMessage, wParam, lParam, lResult))
            return lResult;
        const CPoint point(short(LOWORD(lParam)), short(HIWORD(lParam)));
        const UINT nFlags = UINT(wParam);
        switch (nMessage) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
        case WM_SYSCHAR:
            if (ProcessKeys(this, nMessage, UINT(wParam), LOWORD(lParam), HIWORD(lParam)))
                return 0;
            break;
        case WM_MOUSEMOVE:
            return OnGridMouseMove(nFlags, point) ? 0 : CWnd::WindowProc(nMessage, wParam, lParam);
        case WM_LBUTTONDOWN:
            return OnGridLButtonDown(nFlags, point), 0;
        case WM_LBUTTONUP:
            return OnGridLButtonUp(nFlags, point), 0;
        case WM_LBUTTONDBLCLK:
            return OnGridLButtonDblClk(nFlags, point), 0;
        case WM_RBUTTONDOWN:
            return OnGridRButtonDown(nFlags, point), 0;
        case WM_RBUTTONUP:
            return OnGridRButtonUp(nFlags, point), 0;
        case WM_CANCELMODE:
            ++m_nCancelModes;
            return OnGridCancelMode(), 0;
        case WM_PAINT: {
            CRgn region;
            region.CreateRectRgn(0, 0, 0, 0);
            ::GetUpdateRgn(m_hWnd, HRGN(region.m_hObject), FALSE);
            if (m_painted.m_hObject == nullptr)
                m_painted.CreateRectRgn(0, 0, 0, 0);
            m_painted.CombineRgn(&m_painted, &region, RGN_OR);
            CPaintDC dc(this);
            OnGridDraw(&dc);
            return 0;
        }
        case WM_ERASEBKGND:
            return TRUE;
        default:
            break;
        }
        return CWnd::WindowProc(nMessage, wParam, lParam);
    }

    CTestControl* m_pControl = nullptr;
    std::vector<UINT> m_currentCellFlags;
    CRgn m_painted;  // what the paints drew
    int m_nCancelModes = 0;
};

// Starts the library once for the program, as the application's initialisation does.
class GridLibraryEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        AfxSetResourceHandle(AfxGetInstanceHandle());
        InitGridLibrary(1536, 0, 0);
    }
};
inline ::testing::Environment* const g_pGridLibraryEnvironment =
    ::testing::AddGlobalTestEnvironment(new GridLibraryEnvironment);

// Posts a message to the grid window and handles the queue, as the user's input arrives.
inline void PostAndPump(CWnd& wnd, UINT nMessage, WPARAM wParam = 0, LPARAM lParam = 0)
{
    wnd.PostMessage(nMessage, wParam, lParam);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// A key pressed (WM_KEYDOWN with its repeat count) on the grid window.
inline void PressKey(CWnd& wnd, UINT nKey, UINT nRepeat = 1)
{
    wnd.SendMessage(WM_KEYDOWN, nKey, MAKELPARAM(nRepeat, 0));
}

// A mouse message at (x, y) with the key flags nFlags, posted and handled.
inline void Mouse(CWnd& wnd, UINT nMessage, int x, int y, UINT nFlags)
{
    PostAndPump(wnd, nMessage, nFlags, MAKELPARAM(x, y));
}

// Ctrl, Shift and Alt are up (the key-state seam answers every key it is asked).
inline void ReleaseModifierKeys(CFakeServices& services)
{
    for (int nKey : {VK_CONTROL, VK_SHIFT, VK_MENU})
        services.SetKeyState(nKey, 0);
}

// Holds Ctrl, Shift or Alt through the key-state seam while it lives.
class HeldKey {
public:
    HeldKey(CFakeServices& services, int nVirtKey) : m_services(services), m_nVirtKey(nVirtKey)
    {
        services.SetKeyState(nVirtKey, SHORT(0x8000));
    }
    ~HeldKey() { m_services.SetKeyState(m_nVirtKey, 0); }
    HeldKey(const HeldKey&) = delete;
    HeldKey& operator=(const HeldKey&) = delete;

private:
    CFakeServices& m_services;
    int m_nVirtKey;
};

// A covered-cells module whose one span covers span (every cell of it answers the span).
struct OneSpanCoveredCells : FakeCoveredCellsImp {
    explicit OneSpanCoveredCells(const CGXCellRange& range) : span(range) {}
    CGXCellRange* GetCoveredCellsRowCol(CGXGridCore*, ROWCOL nRow, ROWCOL nCol, CGXCellRange& range) override
    {
        if (!span.IsCellInRange(nRow, nCol))
            return nullptr;
        range = span;
        return &range;
    }
    // a range that cuts the span is widened to it
    void ExpandCoveredRange(CGXGridCore*, CGXCellRange& range) override
    {
        CGXCellRange cut;
        if (cut.IntersectRange(range, span))
            range.UnionRange(CGXCellRange(range), span);
    }
    CGXCellRange span;
};
