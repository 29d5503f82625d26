// Support of the combo cells' tests: a grid window in a shown frame whose column 2 uses a combo cell
// the control factory makes, the message loop's handling of waiting messages (the windows' own
// translation first), and keys and clicks as the user's hands send them.
#pragma once

#include "control_test_support.h"

#include "grid/controls/GXComboBoxWnd.h"

#include <algorithm>
#include <string>

// Handles the waiting messages as the program's message loop does: each is offered to the windows'
// PreTranslateMessage, from its window up, before it is dispatched.
inline void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (CWnd::WalkPreTranslateTree(nullptr, &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Notes the tallest height asked of a window while it lives: the combo's window rectangle holds its
// drop part, which the window does not report back (it sizes itself down to its selection field).
class CSizeRecorder {
public:
    explicit CSizeRecorder(HWND hWnd)
    {
        s_hWnd = hWnd;
        s_nHeight = -1;
        m_hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, ::GetCurrentThreadId());
    }
    ~CSizeRecorder() { ::UnhookWindowsHookEx(m_hHook); }
    int TallestHeight() const { return s_nHeight; }

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (nCode >= 0 && pMsg->hwnd == s_hWnd && pMsg->message == WM_WINDOWPOSCHANGING) {
            const WINDOWPOS* pPos = reinterpret_cast<const WINDOWPOS*>(pMsg->lParam);
            if ((pPos->flags & SWP_NOSIZE) == 0)
                s_nHeight = std::max(s_nHeight, pPos->cy);
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    static inline HWND s_hWnd = nullptr;
    static inline int s_nHeight = -1;
    HHOOK m_hHook;
};

// Notes the style a window of class "GXCOMBOBOX" is created with while it lives (a combo box hands
// WS_VSCROLL on to its list as it is made, and the list drops it while it has nothing to scroll).
class CComboCreateRecorder {
public:
    CComboCreateRecorder()
    {
        s_dwStyle = 0;
        m_hHook = ::SetWindowsHookExA(WH_CBT, Hook, nullptr, ::GetCurrentThreadId());
    }
    ~CComboCreateRecorder() { ::UnhookWindowsHookEx(m_hHook); }
    DWORD Style() const { return s_dwStyle; }

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam)
    {
        if (nCode == HCBT_CREATEWND) {
            const CREATESTRUCTA* pCreate = reinterpret_cast<const CBT_CREATEWNDA*>(lParam)->lpcs;
            if (!IS_INTRESOURCE(pCreate->lpszClass) && lstrcmpiA(pCreate->lpszClass, "GXCOMBOBOX") == 0)
                s_dwStyle = DWORD(pCreate->style);
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    static inline DWORD s_dwStyle = 0;
    HHOOK m_hHook;
};

// A shown frame holding a grid window of 6 rows by 4 columns; column 2 uses control nControlId with
// the choice list pszChoices. Ctrl, Shift and Alt are up through the key-state seam, the frame is in
// front and the grid has the focus.
struct ComboGridFixture {
    ComboGridFixture(UINT nControlId, const char* pszChoices) : m_nControlId(nControlId)
    {
        ReleaseModifierKeys(fake);
        fake.SetTickCount(0);
        EXPECT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500,
                                   400, nullptr, nullptr));
        EXPECT_TRUE(grid.Create("CGXGridWnd", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 480, 360), &frame, 1));
        grid.Initialize();
        grid.GetParam()->GetData()->SetRowCount(6);
        grid.GetParam()->GetData()->SetColCount(4);
        CGXStyle style;
        style.SetControl(WORD(nControlId)).SetChoiceList(pszChoices);
        grid.SetStyleRange(CGXCellRange().SetCols(2, 2), &style, CGXStyle::gxOverride, 0, nullptr, 2,
                           CGXGridCore::gxRollback);
        frame.SetForegroundWindow();
        grid.SetFocus();
        grid.UpdateWindow();
    }
    ~ComboGridFixture() { frame.DestroyWindow(); }

    // The grid's control of the control id, of class T.
    template <class T>
    T* ControlAs()
    {
        CGXControl* pControl = grid.GetRegisteredControl(WORD(m_nControlId));
        EXPECT_TRUE(pControl != nullptr && pControl->IsKindOf(&T::classRecord));
        return static_cast<T*>(pControl);
    }
    // The grid's combo cell of the control id.
    CGXComboBoxWnd* Combo() { return ControlAs<CGXComboBoxWnd>(); }
    // The whole rectangle of a cell of column 2, on the screen.
    CRect ScreenCell(ROWCOL nRow, ROWCOL nCol)
    {
        CRect rect = grid.GetRegisteredControl(WORD(m_nControlId))->CGXControl::GetCellRect(nRow, nCol);
        grid.ClientToScreen(&rect);
        return rect;
    }
    // A window's rectangle on the screen.
    static CRect WindowRect(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        return rect;
    }
    // Moves the frame down until the cell's bottom stands 10 pixels above the screen's bottom.
    void MoveCellToScreenBottom(ROWCOL nRow, ROWCOL nCol)
    {
        CRect rectScreen;
        CWnd::GetDesktopWindow()->GetClientRect(&rectScreen);
        const CRect rectFrame = WindowRect(&frame);
        frame.SetWindowPos(nullptr, rectFrame.left, rectScreen.bottom - 10 - (ScreenCell(nRow, nCol).bottom - rectFrame.top),
                           0, 0, SWP_NOSIZE | SWP_NOZORDER);
        PumpMessages();
    }
    // Applies style to a cell (no undo).
    void ApplyStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
    {
        grid.SetStyleRange(CGXCellRange(nRow, nCol, nRow, nCol), &style, CGXStyle::gxOverride, 0, nullptr, 2,
                           CGXGridCore::gxRollback);
    }
    void SetValue(ROWCOL nRow, ROWCOL nCol, const char* pszValue) { ApplyStyle(nRow, nCol, CGXStyle().SetValue(pszValue)); }
    std::string Stored(ROWCOL nRow, ROWCOL nCol) { return grid.GetStoredValueRowCol(nRow, nCol).GetString(); }
    // Makes (nRow, nCol) current (the grid keeps the focus).
    void MakeCurrent(ROWCOL nRow, ROWCOL nCol)
    {
        ASSERT_TRUE(grid.SetCurrentCell(nRow, nCol));
        grid.UpdateWindow();
    }
    // Makes (nRow, nCol) current and its combo active, shown and focused.
    void Activate(ROWCOL nRow, ROWCOL nCol)
    {
        MakeCurrent(nRow, nCol);
        Combo()->SetActive(TRUE);
        Combo()->Refresh();
        grid.UpdateWindow();
        PumpMessages();
    }
    // A key pressed and released on the window that has the focus, through the message loop.
    void Press(UINT nKey)
    {
        ::PostMessageA(::GetFocus(), WM_KEYDOWN, nKey, MAKELPARAM(1, 0));
        ::PostMessageA(::GetFocus(), WM_KEYUP, nKey, MAKELPARAM(1, 0xC000));
        PumpMessages();
    }
    // Characters typed on the window that has the focus, through the message loop.
    void Type(const char* pszText)
    {
        for (const char* p = pszText; *p != 0; ++p) {
            ::PostMessageA(::GetFocus(), WM_CHAR, BYTE(*p), MAKELPARAM(1, 0));
            PumpMessages();
        }
    }
    // A click of the left button at a point of the grid window.
    void Click(CPoint point)
    {
        Mouse(grid, WM_LBUTTONDOWN, point.x, point.y, MK_LBUTTON);
        Mouse(grid, WM_LBUTTONUP, point.x, point.y, 0);
        PumpMessages();
    }
    // The text height of the cell's font.
    int TextHeight(ROWCOL nRow, ROWCOL nCol)
    {
        CDC* pDC = grid.GetClientDC();
        CFont* pOld = grid.SelectStyleFont(pDC, *grid.LookupStyleRowCol(nRow, nCol));
        TEXTMETRICA tm;
        pDC->GetTextMetrics(&tm);
        pDC->SelectObject(pOld);
        grid.ReleaseClientDC();
        return tm.tmHeight;
    }
    std::string Current()
    {
        ROWCOL nRow, nCol;
        return grid.GetCurrentCell(nRow, nCol) ? std::to_string(nRow) + "," + std::to_string(nCol) : "none";
    }
    // The combo's entries, one per line.
    std::string Entries()
    {
        std::string strEntries;
        for (int i = 0; i < Combo()->CComboBox::GetCount(); ++i) {
            CString strEntry;
            Combo()->GetLBText(i, strEntry);
            strEntries += std::string(strEntry.GetString()) + "|";
        }
        return strEntries;
    }

    CFakeServices fake;
    CWnd frame;
    CNotingGrid grid;
    UINT m_nControlId;
};
