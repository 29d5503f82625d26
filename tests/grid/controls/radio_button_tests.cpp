// The radio button cells: the buttons of a choice list, choosing by clicks and Space in a grid window,
// the hit test beside a label, the one-row layout and the held choice of the cell with active state.
#include "cell_test_support.h"

#include "grid/controls/GXRadioButton.h"

namespace {

// The laid-out buttons of (nRow, nCol) in the grid's window DC.
std::vector<CGXRadioButton::Item> Items(CellGridFixture& f, CGXRadioButton* pRadio, ROWCOL nRow, ROWCOL nCol)
{
    CGXComposedStyle style(&f.grid, nRow, nCol);
    CClientDC dc(&f.grid);
    CFont* pOld = f.grid.SelectStyleFont(&dc, style.Get());
    const std::vector<CGXRadioButton::Item> items =
        pRadio->Layout(&dc, pRadio->GetCellRect(nRow, nCol, nullptr, &style.Get()), style.Get());
    if (pOld != nullptr)
        dc.SelectObject(pOld);
    return items;
}

CGXStyle Choices(const char* pszChoices)
{
    CGXStyle style;
    style.SetChoiceList(pszChoices);
    return style;
}

}  // namespace

TEST(RadioButton, EmptyLinesMakeNoButtons)
{
    const std::vector<CString> items = CGXRadioButton::SplitChoices("A\n\nB");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_STREQ(items[0], "A");
    EXPECT_STREQ(items[1], "B");
    EXPECT_EQ(CGXRadioButton::SplitChoices("\r\nA\r\n").size(), 1u);
}

TEST(RadioButton, AValueMatchingNoButtonChoosesNoneAndSpaceThenTheFirst)
{
    CellGridFixture f(GX_IDS_CTRL_RADIOBTN, Choices("A\n\nB"));
    f.grid.SetRowHeight(2, 2, 40);
    f.SetValue(2, 2, "5");
    CGXRadioButton* pRadio = f.Control<CGXRadioButton>();
    DibCanvas canvas(480, 360);
    f.DrawCell(canvas, 2, 2);
    EXPECT_EQ(pRadio->GetButtonCount(), 2);
    // no dot: the circles' insides are white
    for (const CGXRadioButton::Item& item : Items(f, pRadio, 2, 2))
        EXPECT_EQ(canvas.At(item.ptButton.x + 9, item.ptButton.y + 6), RGB(255, 255, 255));
    f.MakeCurrent(2, 2);
    f.Type(" ");
    EXPECT_EQ(f.Stored(2, 2), "0");
    f.Type(" ");
    EXPECT_EQ(f.Stored(2, 2), "1");
    f.Type(" ");
    EXPECT_EQ(f.Stored(2, 2), "0");
    // the chosen button is drawn with its dot
    DibCanvas chosen(480, 360);
    f.DrawCell(chosen, 2, 2);
    const CPoint pt = Items(f, pRadio, 2, 2)[0].ptButton;
    EXPECT_EQ(chosen.At(pt.x + 9, pt.y + 6), RGB(0, 0, 0));
}

TEST(RadioButton, ClicksChooseByButtonOrLabelAndAlwaysReportAHit)
{
    CellGridFixture f(GX_IDS_CTRL_RADIOBTN3D, Choices("A\nB"));
    f.grid.SetColWidth(2, 2, 150);
    f.grid.SetRowHeight(3, 3, 40);
    f.SetValue(3, 2, "0");
    f.MakeCurrent(3, 2);
    CGXRadioButton* pRadio = f.Control<CGXRadioButton>();
    const std::vector<CGXRadioButton::Item> items = Items(f, pRadio, 3, 2);
    ASSERT_EQ(items.size(), 2u);
    // the chosen button again: nothing stored, the click reported
    const size_t nStores = f.grid.m_stores.size();
    f.Click(items[0].rectButton.CenterPoint());
    EXPECT_EQ(f.grid.m_stores.size(), nStores);
    EXPECT_EQ(f.grid.m_buttonClicks.size(), 1u);
    // beside the second label, right of its measured extent: nothing
    const CPoint ptBeside(items[1].rectLabel.right + 5, items[1].rectLabel.CenterPoint().y);
    ASSERT_LT(ptBeside.x, f.CellRect(3, 2).right);
    f.Click(ptBeside);
    EXPECT_EQ(f.Stored(3, 2), "0");
    EXPECT_EQ(f.grid.m_buttonClicks.size(), 1u);
    // on the second label: chosen
    f.Click(items[1].rectLabel.CenterPoint());
    EXPECT_EQ(f.Stored(3, 2), "1");
    EXPECT_EQ(f.grid.m_buttonClicks.size(), 2u);
}

TEST(RadioButtonEx, LaysItsButtonsInOneRowAndHoldsTheChoice)
{
    CGXStyle column = Choices("A\nB\nC");
    column.SetUserAttribute(GX_IDS_UA_RADIOBUTTON_ALIGN, "1").SetUserAttribute(GX_IDS_UA_RADIOBUTTONTEXTALIGN, "1");
    CellGridFixture f(GX_IDS_CTRL_RADIOBTNEX, column);
    f.grid.SetColWidth(2, 2, 200);
    CGXRadioButtonEx* pRadio = f.Control<CGXRadioButtonEx>();
    EXPECT_TRUE(pRadio->IsCoveredCellUnit());
    const std::vector<CGXRadioButton::Item> items = Items(f, pRadio, 2, 2);
    ASSERT_EQ(items.size(), 3u);
    for (size_t i = 1; i < items.size(); ++i) {
        EXPECT_EQ(items[i].rectButton.top, items[0].rectButton.top);
        EXPECT_GT(items[i].rectButton.left, items[i - 1].rectLabel.right);
    }
    f.SetValue(2, 2, "0");
    f.MakeCurrent(2, 2);
    f.Click(items[2].rectButton.CenterPoint());
    EXPECT_TRUE(pRadio->GetModify());
    EXPECT_EQ(f.Stored(2, 2), "0");
    f.MakeCurrent(4, 1);
    EXPECT_EQ(f.Stored(2, 2), "2");
    // Delete chooses none once the current cell moves on
    f.MakeCurrent(2, 2);
    f.Type(" ");
    f.Press(VK_DELETE);
    f.MakeCurrent(4, 1);
    EXPECT_EQ(f.Stored(2, 2), "");
}
