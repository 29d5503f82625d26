// Support of the tests of the drawn cells and the edit variants: a grid window in a shown frame whose
// column 2 uses a control the factory makes, noting the clicks that reach the grid's button hook;
// clicks, keys and characters as the user sends them; cells drawn into memory canvases.
#pragma once

#include "control_test_support.h"

#include "grid/engine/GXCore.h"

#include <string>
#include <vector>

// A grid that notes the cells of the clicks reaching its button hook.
class CButtonNotingGrid : public CNotingGrid {
public:
    void OnClickedButton(ROWCOL nRow, ROWCOL nCol, CGXChild* pChild) override
    {
        m_buttonClicks.push_back(std::to_string(nRow) + "," + std::to_string(nCol));
        CNotingGrid::OnClickedButton(nRow, nCol, pChild);
    }
    std::vector<std::string> m_buttonClicks;
};

// A shown frame holding a grid window (TGrid, a CButtonNotingGrid) of 6 rows by 4 columns whose column
// 2 uses control nControlId; Ctrl, Shift and Alt are up through the key-state seam, the frame is in
// front and the grid has the focus.
template <class TGrid>
struct CellGridFixtureOf {
    explicit CellGridFixtureOf(UINT nControlId, const CGXStyle& columnStyle = CGXStyle()) : m_nControlId(nControlId)
    {
        ReleaseModifierKeys(fake);
        fake.SetTickCount(0);
        EXPECT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500,
                                   400, nullptr, nullptr));
        EXPECT_TRUE(grid.Create("CGXGridWnd", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 480, 360), &frame, 1));
        grid.Initialize();
        grid.GetParam()->GetData()->SetRowCount(6);
        grid.GetParam()->GetData()->SetColCount(4);
        CGXStyle style(columnStyle);
        style.SetControl(WORD(nControlId));
        grid.SetStyleRange(CGXCellRange().SetCols(2, 2), &style, CGXStyle::gxOverride, 0, nullptr, 2,
                           CGXGridCore::gxRollback);
        frame.SetForegroundWindow();
        grid.SetFocus();
        grid.UpdateWindow();
    }
    ~CellGridFixtureOf() { frame.DestroyWindow(); }

    // The grid's control of the fixture's id.
    template <class T>
    T* Control()
    {
        CGXControl* pControl = grid.GetRegisteredControl(WORD(m_nControlId));
        EXPECT_TRUE(pControl != nullptr && pControl->IsKindOf(&T::classRecord));
        return static_cast<T*>(pControl);
    }
    void ApplyStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
    {
        grid.SetStyleRange(CGXCellRange(nRow, nCol, nRow, nCol), &style, CGXStyle::gxOverride, 0, nullptr, 2,
                           CGXGridCore::gxRollback);
    }
    void SetValue(ROWCOL nRow, ROWCOL nCol, const char* pszValue) { ApplyStyle(nRow, nCol, CGXStyle().SetValue(pszValue)); }
    std::string Stored(ROWCOL nRow, ROWCOL nCol) { return grid.GetStoredValueRowCol(nRow, nCol).GetString(); }
    void MakeCurrent(ROWCOL nRow, ROWCOL nCol)
    {
        ASSERT_TRUE(grid.SetCurrentCell(nRow, nCol));
        grid.UpdateWindow();
    }
    // A press and a release of the left button (grid coordinates).
    void Click(CPoint ptDown, CPoint ptUp)
    {
        Mouse(grid, WM_LBUTTONDOWN, ptDown.x, ptDown.y, MK_LBUTTON);
        Mouse(grid, WM_MOUSEMOVE, ptUp.x, ptUp.y, MK_LBUTTON);
        Mouse(grid, WM_LBUTTONUP, ptUp.x, ptUp.y, 0);
    }
    void Click(CPoint point) { Click(point, point); }
    // A key pressed and released, and characters typed, on the window that has the focus.
    void Press(UINT nKey)
    {
        ::SendMessageA(::GetFocus(), WM_KEYDOWN, nKey, MAKELPARAM(1, 0));
        ::SendMessageA(::GetFocus(), WM_KEYUP, nKey, MAKELPARAM(1, 0xC000));
    }
    void Type(const char* pszText)
    {
        for (const char* p = pszText; *p != 0; ++p)
            ::SendMessageA(::GetFocus(), WM_CHAR, BYTE(*p), MAKELPARAM(1, 0));
    }
    // The cell's rectangle in the grid window.
    CRect CellRect(ROWCOL nRow, ROWCOL nCol) { return grid.CalcCellRect(nRow, nCol); }
    // The cell drawn by its control into canvas at the cell's own place (its composed style).
    void DrawCell(CDC& dc, ROWCOL nRow, ROWCOL nCol)
    {
        CGXComposedStyle style(&grid, nRow, nCol);
        grid.GetControl(nRow, nCol)->Draw(&dc, CellRect(nRow, nCol), nRow, nCol, style.Get(), nullptr);
    }
    void DrawCell(DibCanvas& canvas, ROWCOL nRow, ROWCOL nCol) { DrawCell(canvas.dc, nRow, nCol); }

    CFakeServices fake;
    CWnd frame;
    TGrid grid;
    UINT m_nControlId;
};
using CellGridFixture = CellGridFixtureOf<CButtonNotingGrid>;

// The pixels of colour in rect of canvas.
inline int CountColour(const DibCanvas& canvas, const CRect& rect, COLORREF color)
{
    int n = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            n += canvas.At(x, y) == color ? 1 : 0;
    return n;
}
