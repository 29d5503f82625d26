// Support of the tests of the update hints, the optimized screen update and the user range selection:
// the library started with the grid operations' modules registered (every grid made in these tests
// has the real modules), the selection as text, and what a window shows.
#pragma once

#include "window_form_test_support.h"

#include "grid/engine/GXGridParam.h"
#include "grid/ops/GXOperations.h"

#include <string>
#include <vector>

// Registers the operations' creators once, after the library started (the environments run in the
// order they were added).
class GridOperationsEnvironment : public ::testing::Environment {
public:
    void SetUp() override { GXRegisterGridOperations(); }
};
inline ::testing::Environment* const g_pGridOperationsEnvironment =
    ::testing::AddGlobalTestEnvironment(new GridOperationsEnvironment);

// A range as text: "c(top,left,bottom,right)", "rows(top,bottom)", "cols(left,right)", "table", or
// "-" for an invalid one.
inline std::string RangeText(const CGXCellRange& r)
{
    if (!r.IsValid())
        return "-";
    if (r.IsTable())
        return "table";
    if (r.IsRows())
        return "rows(" + std::to_string(r.top) + "," + std::to_string(r.bottom) + ")";
    if (r.IsCols())
        return "cols(" + std::to_string(r.left) + "," + std::to_string(r.right) + ")";
    return "c(" + std::to_string(r.top) + "," + std::to_string(r.left) + "," + std::to_string(r.bottom) + "," +
           std::to_string(r.right) + ")";
}

// The ranges of a list in order, separated by spaces.
inline std::string ListText(const CGXRangeList& list)
{
    std::string text;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr; list.GetNext(pos))
        text += (text.empty() ? "" : " ") + RangeText(*list.GetRangeAt(pos));
    return text;
}

// The grid's selection as text.
inline std::string SelectionText(CGXGridCore& grid)
{
    return ListText(grid.GetParam()->GetRangeList1());
}

// The pixels of a window's client area, read back from the screen.
inline std::vector<COLORREF> ClientPixels(CWnd& wnd)
{
    CRect rect;
    wnd.GetClientRect(&rect);
    DibCanvas canvas(rect.Width(), rect.Height());
    {
        CClientDC dc(&wnd);
        canvas.dc.BitBlt(0, 0, rect.Width(), rect.Height(), &dc, 0, 0, SRCCOPY);
    }
    std::vector<COLORREF> pixels;
    for (int y = 0; y < rect.Height(); ++y)
        for (int x = 0; x < rect.Width(); ++x)
            pixels.push_back(canvas.At(x, y));
    return pixels;
}

// What the window shows once its pending paint is done equals what a full repaint draws: the inverted
// marking left the screen as a paint of the new state would.
inline ::testing::AssertionResult ShowsWhatAPaintDraws(CWnd& wnd)
{
    wnd.UpdateWindow();
    const std::vector<COLORREF> shown = ClientPixels(wnd);
    wnd.InvalidateRect(nullptr);
    wnd.UpdateWindow();
    const std::vector<COLORREF> painted = ClientPixels(wnd);
    if (shown == painted)
        return ::testing::AssertionSuccess();
    size_t nDiffer = 0;
    CRect client;
    wnd.GetClientRect(&client);
    CRect box(100000, 100000, -1, -1);
    for (size_t i = 0; i < shown.size(); ++i)
        if (shown[i] != painted[i]) {
            ++nDiffer;
            const int x = int(i % size_t(client.Width())), y = int(i / size_t(client.Width()));
            box.left = std::min<LONG>(box.left, x);
            box.top = std::min<LONG>(box.top, y);
            box.right = std::max<LONG>(box.right, x + 1);
            box.bottom = std::max<LONG>(box.bottom, y + 1);
        }
    return ::testing::AssertionFailure() << nDiffer << " of " << shown.size() << " pixels differ from a repaint, within "
                                         << box.left << "," << box.top << "," << box.right << "," << box.bottom;
}

// The window's update region: "empty", or the rectangles that make it up as "l,t,r,b" joined by spaces.
inline std::string UpdateRegionText(CWnd& wnd)
{
    CRgn region;
    region.CreateRectRgn(0, 0, 0, 0);
    if (::GetUpdateRgn(wnd.m_hWnd, HRGN(region.m_hObject), FALSE) == NULLREGION)
        return "empty";
    CRect box;
    region.GetRgnBox(&box);
    CRgn boxRegion;
    boxRegion.CreateRectRgnIndirect(&box);
    std::string text = std::to_string(box.left) + "," + std::to_string(box.top) + "," + std::to_string(box.right) +
                       "," + std::to_string(box.bottom);
    return region.EqualRgn(&boxRegion) ? text : text + " (not a rectangle)";
}

inline std::string RectText(const CRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// Puts the screen's pointer back where it was when the test began, for the programs that run after
// this one on the display.
class KeptPointer {
public:
    KeptPointer() { ::GetCursorPos(&m_point); }
    ~KeptPointer() { ::SetCursorPos(m_point.x, m_point.y); }
    KeptPointer(const KeptPointer&) = delete;
    KeptPointer& operator=(const KeptPointer&) = delete;

private:
    POINT m_point{};
};

// A mouse message at the centre of a cell of a grid window. The screen's pointer goes there first (and
// the move that reports is handled), so that a move the system reports on its own later (a window
// appearing under the pointer, the capture taken at a press) names the same cell.
template <class TGrid>
void MouseOnCell(TGrid& grid, UINT nMessage, ROWCOL nRow, ROWCOL nCol, UINT nFlags)
{
    const CPoint point = grid.CalcRangeRect(nRow, nCol, nRow, nCol).CenterPoint();
    CPoint screen = point;
    grid.ClientToScreen(&screen);
    ::SetCursorPos(screen.x, screen.y);
    PostAndPump(grid, WM_NULL);
    Mouse(grid, nMessage, point.x, point.y, nFlags);
}
