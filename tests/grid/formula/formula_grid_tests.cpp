// A live grid whose parameter object holds a formula sheet: what is typed into a cell is computed,
// editing shows the formula, structural changes keep what the formulas show, and a violated
// constraint paints the cell with the "Constraint Violation" base style.
#include "control_test_support.h"

#include "grid/engine/GXStylesMap.h"
#include "grid/formula/GXFormulaSheet.h"

#include <string>

namespace {

// A shown frame with a grid window of 6 rows by 4 columns over a formula sheet, storing and editing
// through the sheet's kind 1 (typed texts are interpreted, edits show formulas).
struct FormulaGridFixture {
    FormulaGridFixture()
    {
        ReleaseModifierKeys(fake);
        fake.SetTickCount(0);
        EXPECT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500,
                                   400, nullptr, nullptr));
        EXPECT_TRUE(grid.Create("CGXGridWnd", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 480, 360), &frame, 1));
        grid.SetDataClass(RUNTIME_CLASS(CGXFormulaSheet));
        grid.Initialize();
        grid.m_nStyleKind = CGXData::gxCellValue;
        grid.GetParam()->GetData()->SetRowCount(6);
        grid.GetParam()->GetData()->SetColCount(4);
        m_pEdit = new CTestEdit(&grid);
        grid.RegisterControl(GX_IDS_CTRL_EDIT, m_pEdit, TRUE);
        grid.SetFocus();
        grid.UpdateWindow();
    }
    ~FormulaGridFixture() { frame.DestroyWindow(); }

    CGXFormulaSheet& Sheet() { return *static_cast<CGXFormulaSheet*>(grid.GetParam()->GetData()); }

    // Makes (nRow, nCol) current, types pszText into its edit and presses Enter.
    void TypeInto(ROWCOL nRow, ROWCOL nCol, const char* pszText)
    {
        ASSERT_TRUE(grid.SetCurrentCell(nRow, nCol));
        grid.UpdateWindow();
        for (const char* p = pszText; *p != 0; ++p)
            ::SendMessageA(::GetFocus(), WM_CHAR, BYTE(*p), MAKELPARAM(1, 0));
        ::SendMessageA(::GetFocus(), WM_KEYDOWN, VK_RETURN, MAKELPARAM(1, 0));
        ::SendMessageA(::GetFocus(), WM_KEYUP, VK_RETURN, MAKELPARAM(1, 0xC000));
        grid.UpdateWindow();
    }
    std::string Shown(ROWCOL nRow, ROWCOL nCol) { return grid.GetValueRowCol(nRow, nCol).GetString(); }

    CFakeServices fake;
    CWnd frame;
    CNotingGrid grid;
    CTestEdit* m_pEdit = nullptr;
};

}  // namespace

TEST(FormulaGrid, TypedFormulasAreComputedAndEditedAsFormulas)
{
    FormulaGridFixture f;
    ASSERT_TRUE(f.grid.GetParam()->GetData()->IsKindOf(RUNTIME_CLASS(CGXFormulaSheet)));
    f.TypeInto(1, 1, "=1+2");
    EXPECT_EQ(f.Shown(1, 1), "3");
    // editing the cell again shows the formula
    ASSERT_TRUE(f.grid.SetCurrentCell(1, 1));
    f.m_pEdit->SetActive(TRUE);
    f.m_pEdit->Refresh();
    f.grid.UpdateWindow();
    EXPECT_EQ(f.m_pEdit->Text(), "=1+2");
    f.m_pEdit->SetActive(FALSE);

    f.TypeInto(3, 1, "5");
    f.TypeInto(2, 2, "=A3*2");
    EXPECT_EQ(f.Shown(2, 2), "10");
    // a row inserted above the referenced cell: the referring cell shows the same
    EXPECT_TRUE(f.grid.InsertRows(3, 1));
    EXPECT_EQ(f.Shown(2, 2), "10");
    EXPECT_EQ(f.Shown(4, 1), "5");
    CString edit;
    f.Sheet().GetFormulaText(2, 2, edit);
    EXPECT_EQ(edit, "=A4*2");
}

TEST(FormulaGrid, AViolatedConstraintAppliesItsBaseStyle)
{
    FormulaGridFixture f;
    CGXStylesMap& map = *f.grid.GetParam()->GetStylesMap();
    EXPECT_EQ(map.GetBaseStyleIdByName("Constraint Violation"), 0);
    EXPECT_TRUE(f.Sheet().SetConstraintCheck(1));
    const WORD nId = map.GetBaseStyleIdByName("Constraint Violation");
    ASSERT_NE(nId, 0);
    const CGXStyle* pViolation = nullptr;
    ASSERT_TRUE(map.LookupStyle(nId, pViolation));
    EXPECT_EQ(pViolation->GetInterior().GetColor(), RGB(255, 0, 0));

    f.TypeInto(1, 1, "=5;0");
    f.TypeInto(2, 1, "=5;1");
    f.Sheet().Recalc(TRUE);
    CGXStyle style;
    ASSERT_TRUE(f.Sheet().GetCellStyle(1, 1, style, CGXStyle::gxCopy, 0));
    EXPECT_TRUE(style.GetIncludeInterior());
    EXPECT_EQ(style.GetInterior().GetColor(), RGB(255, 0, 0));
    ASSERT_TRUE(f.Sheet().GetCellStyle(2, 1, style, CGXStyle::gxCopy, 0));
    EXPECT_FALSE(style.GetIncludeInterior());
    // the grid paints the cell with it
    CGXStyle composed;
    f.grid.ComposeStyleRowCol(1, 1, &composed, TRUE);
    EXPECT_EQ(composed.GetInterior().GetColor(), RGB(255, 0, 0));
}
