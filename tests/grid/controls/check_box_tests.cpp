// The check box cells: states from the value texts, the tri-state conversion, toggling by keys and
// clicks in a grid window, the images read back from memory canvases, and the modify-state box.
#include "cell_test_support.h"

#include "grid/controls/GXCheckBox.h"
#include "grid/engine/GXState.h"

namespace {

// A style with the checked text "Y" and the unchecked text "N".
CGXStyle YesNo(BOOL bTriState)
{
    CGXStyle style;
    style.SetUserAttribute(GX_IDS_UA_CHECKBOX_CHECKED, "Y").SetUserAttribute(GX_IDS_UA_CHECKBOX_UNCHECKED, "N");
    style.SetTriState(bTriState);
    return style;
}

// "checked", "unchecked" or "indeterminate" of state bits.
std::string StateName(UINT nState)
{
    if (nState & CGXCheckBox::gxChecked)
        return "checked";
    return (nState & CGXCheckBox::gxUnchecked) ? "unchecked" : "indeterminate";
}

// The box of (nRow, nCol) as its control places it.
CRect BoxRect(CellGridFixture& f, CGXCheckBox* pBox, ROWCOL nRow, ROWCOL nCol)
{
    CGXComposedStyle style(&f.grid, nRow, nCol);
    CClientDC dc(&f.grid);
    const CRect rectCell = pBox->GetCellRect(nRow, nCol, nullptr, &style.Get());
    return pBox->CalcBoxRect(&dc, rectCell, "", 0);
}

}  // namespace

TEST(CheckBox, TheStateFollowsTheValueTexts)
{
    struct Case {
        const char* pszValue;
        BOOL bTriState;
        const char* pszState;
    };
    const Case cases[] = {
        {"Y", FALSE, "checked"},         {"N", FALSE, "unchecked"}, {"", FALSE, "unchecked"},
        {"maybe", FALSE, "unchecked"},   {"Y", TRUE, "checked"},    {"N", TRUE, "unchecked"},
        {"", TRUE, "indeterminate"},     {"y", TRUE, "indeterminate"},
    };
    CTestGridWnd grid;
    grid.CreateGrid(3, 3);
    CGXCheckBox box(&grid);
    for (const Case& c : cases) {
        CGXStyle style = YesNo(c.bTriState);
        style.SetValue(c.pszValue);
        EXPECT_EQ(StateName(box.GetState(1, 1, style)), c.pszState) << "'" << c.pszValue << "' tri " << c.bTriState;
    }
    // without the attributes "1" and "0" are the texts
    CGXStyle plain;
    plain.SetValue("1");
    EXPECT_EQ(StateName(box.GetState(1, 1, plain)), "checked");
}

TEST(CheckBox, ATriStateCellStoresTextsMatchingNeitherValueEmpty)
{
    CTestGridWnd grid;
    grid.CreateGrid(3, 3);
    CGXCheckBox box(&grid);
    const CGXStyle tri = YesNo(TRUE), two = YesNo(FALSE);
    const struct {
        const CGXStyle* pStyle;
        const char* pszText;
        const char* pszStored;
    } cases[] = {{&tri, "maybe", ""}, {&tri, "y", "y"}, {&tri, "N", "N"}, {&two, "maybe", "maybe"}};
    for (const auto& c : cases) {
        CString strText = c.pszText;
        EXPECT_TRUE(box.ConvertTextToValue(strText, 1, 1, c.pStyle));
        EXPECT_STREQ(strText, c.pszStored) << c.pszText;
    }
}

TEST(CheckBox, SpaceTogglesTwoStatesAndCyclesThree)
{
    for (BOOL bTriState : {FALSE, TRUE}) {
        CellGridFixture f(GX_IDS_CTRL_CHECKBOX3D, YesNo(bTriState));
        f.SetValue(2, 2, "Y");
        f.MakeCurrent(2, 2);
        std::string strSeen;
        for (int i = 0; i < 3; ++i) {
            f.Type(" ");
            strSeen += "[" + f.Stored(2, 2) + "]";
        }
        EXPECT_EQ(strSeen, bTriState ? "[N][][Y]" : "[N][Y][N]");
        EXPECT_EQ(f.grid.m_buttonClicks.size(), 3u);
    }
}

TEST(CheckBox, OnlyAPressAndReleaseOnTheBoxToggles)
{
    CellGridFixture f(GX_IDS_CTRL_CHECKBOX, YesNo(FALSE));
    f.SetValue(2, 2, "N");
    f.MakeCurrent(2, 2);
    CGXCheckBox* pBox = f.Control<CGXCheckBox>();
    const CRect rectBox = BoxRect(f, pBox, 2, 2);
    const CRect rectCell = f.CellRect(2, 2);
    f.Click(rectBox.CenterPoint(), CPoint(rectCell.right - 3, rectBox.CenterPoint().y));
    EXPECT_EQ(f.Stored(2, 2), "N");
    EXPECT_FALSE(pBox->IsPressed());
    f.Click(CPoint(rectCell.right - 3, rectBox.CenterPoint().y), rectBox.CenterPoint());
    EXPECT_EQ(f.Stored(2, 2), "N");
    f.Click(rectBox.CenterPoint());
    EXPECT_EQ(f.Stored(2, 2), "Y");
    // a read-only cell keeps its value
    f.ApplyStyle(2, 2, CGXStyle().SetReadOnly(TRUE));
    f.Click(rectBox.CenterPoint());
    f.Type(" ");
    EXPECT_EQ(f.Stored(2, 2), "Y");
}

TEST(CheckBox, ImagesComeInTheSystemColoursAndGreyWhenDisabled)
{
    CellGridFixture f(GX_IDS_CTRL_CHECKBOX3D, YesNo(FALSE));
    f.grid.SetRowHeight(1, 3, 30);
    f.ApplyStyle(1, 2, CGXStyle().SetValue("Y"));
    f.ApplyStyle(3, 2, CGXStyle().SetValue("Y").SetEnabled(FALSE));
    CGXCheckBox* pBox = f.Control<CGXCheckBox>();
    EXPECT_EQ(pBox->GetScreenBitmapId(), UINT(GX_IDB_CHECKBOX3D));
    DibCanvas canvas(480, 360);
    f.DrawCell(canvas, 1, 2);
    f.DrawCell(canvas, 3, 2);
    const COLORREF clrWindow = GXGetSysColors()->GetSysColor(COLOR_WINDOW);
    const COLORREF clrFace = GXGetSysColors()->GetSysColor(COLOR_BTNFACE);
    // the box's inside (the image's red) and its mark (black)
    const CRect rectEnabled = BoxRect(f, pBox, 1, 2), rectDisabled = BoxRect(f, pBox, 3, 2);
    ASSERT_EQ(rectEnabled.Width(), 13);
    const CPoint ptInside(3, 9), ptMark(6, 8);
    EXPECT_EQ(canvas.At(rectEnabled.left + ptInside.x, rectEnabled.top + ptInside.y), clrWindow);
    EXPECT_EQ(canvas.At(rectEnabled.left + ptMark.x, rectEnabled.top + ptMark.y),
              GXGetSysColors()->GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(canvas.At(rectDisabled.left + ptInside.x, rectDisabled.top + ptInside.y), clrFace);
    EXPECT_EQ(canvas.At(rectDisabled.left + ptMark.x, rectDisabled.top + ptMark.y), RGB(128, 128, 128));
    // printing turns the inside white and the mark black
    EXPECT_EQ(pBox->MapImageColor(RGB(255, 0, 0), TRUE), RGB(255, 255, 255));
    EXPECT_EQ(pBox->MapImageColor(RGB(0, 0, 0), TRUE), RGB(0, 0, 0));
    EXPECT_EQ(pBox->MapImageColor(RGB(1, 2, 3), FALSE), RGB(1, 2, 3));
}

TEST(CheckBox, TheBoxIsSqueezedIntoACellTooSmallForIt)
{
    CTestGridWnd grid;
    grid.CreateGrid(3, 3);
    CGXCheckBox box(&grid);
    CClientDC dc(&grid);
    EXPECT_EQ(box.CalcBoxRect(&dc, CRect(0, 0, 100, 30), "", 0), CRect(3, 3, 16, 16));
    EXPECT_EQ(box.CalcBoxRect(&dc, CRect(0, 0, 100, 10), "", 0), CRect(3, 3, 16, 10));
    EXPECT_EQ(box.CalcBoxRect(&dc, CRect(0, 0, 101, 30), "", DT_CENTER).left, 44);
    EXPECT_EQ(box.CalcBoxRect(&dc, CRect(0, 0, 100, 30), "", DT_RIGHT).left, 87);
}

TEST(CheckBoxEx, HoldsTheToggleUntilTheCurrentCellMovesAndDeleteMakesItIndeterminate)
{
    CGXStyle column = YesNo(TRUE);
    CellGridFixture f(GX_IDS_CTRL_CHECKBOX_EX, column);
    CGXCheckBoxEx* pBox = f.Control<CGXCheckBoxEx>();
    EXPECT_FALSE(pBox->IsKindOf(&CGXCheckBox::classRecord));
    f.SetValue(2, 2, "Y");
    f.MakeCurrent(2, 2);
    f.Click(BoxRect(f, pBox, 2, 2).CenterPoint());
    EXPECT_TRUE(pBox->GetModify());
    EXPECT_EQ(f.Stored(2, 2), "Y");
    f.MakeCurrent(4, 1);
    EXPECT_EQ(f.Stored(2, 2), "N");

    f.MakeCurrent(2, 2);
    f.Type(" ");
    f.Press(VK_DELETE);
    EXPECT_EQ(f.Stored(2, 2), "N");
    f.MakeCurrent(4, 1);
    EXPECT_EQ(f.Stored(2, 2), "");
}
