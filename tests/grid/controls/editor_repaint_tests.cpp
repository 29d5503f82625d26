// The editor of an active cell partly hidden by the frozen rows: only the part that came into view is
// painted again.
#include "cell_test_support.h"

#include "grid/controls/GXEditorRepaint.h"

TEST(EditorRepaint, OnlyThePartInTheClipBoxIsPaintedAgainBesideFrozenRows)
{
    CellGridFixture f(GX_IDS_CTRL_EDIT);
    f.grid.GetParam()->GetData()->SetRowCount(30);
    f.grid.SetFrozenRows(1);
    f.grid.SetTopRow(4);
    f.grid.UpdateWindow();
    // an editor over rows 2 to 6 of column 2, shown and painted
    const CRect cellTop = f.CellRect(1, 2);
    const CRect rect(cellTop.left, cellTop.bottom, cellTop.right, cellTop.bottom + 60);
    CWnd editor;
    ASSERT_TRUE(editor.Create(AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, rect, &f.grid, 50));
    editor.UpdateWindow();

    const auto repaintFor = [&](ROWCOL nRow, const CRect& clip) {
        editor.ValidateRect(nullptr);
        CClientDC dc(&f.grid);
        dc.IntersectClipRect(&clip);
        GXRepaintPartlyHiddenEditor(&f.grid, editor, &dc, rect, nRow, 2);
        CRect update;
        editor.GetUpdateRect(&update);
        update.OffsetRect(rect.TopLeft());
        return update;
    };
    // a cell above the first scrolled row: only the clip box, in the editor's coordinates
    const CRect clip(rect.left, rect.top + 20, rect.right, rect.top + 40);
    EXPECT_EQ(repaintFor(2, clip), clip);
    // a cell in view or a frozen one: left alone
    EXPECT_TRUE(repaintFor(5, clip).IsRectEmpty());
    EXPECT_TRUE(repaintFor(1, clip).IsRectEmpty());
    editor.DestroyWindow();
}
