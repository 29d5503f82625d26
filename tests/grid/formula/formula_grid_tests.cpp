// A live grid whose parameter object holds a formula sheet: the grid keeps its values as entered texts
// by itself, what is typed into a cell is computed, editing shows the formula, structural changes keep
// what the formulas show, and a violated constraint paints the cell with the "Constraint Violation"
// base style.
#include "control_test_support.h"

#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXStylesMap.h"
#include "grid/formula/GXFormulaSheet.h"

#include <string>

namespace {

// The edit grid of the control tests over a formula sheet the grid makes as its cell data; the grid
// then stores and edits through the sheet's kind 1 by itself (typed texts are interpreted, edits show
// formulas).
struct FormulaGridFixture : EditGridFixture {
    FormulaGridFixture() : EditGridFixture(RUNTIME_CLASS(CGXFormulaSheet)) {}

    CGXFormulaSheet& Sheet() { return *static_cast<CGXFormulaSheet*>(grid.GetParam()->GetData()); }

    // Makes (nRow, nCol) current, types pszText into its edit and presses Enter.
    void TypeInto(ROWCOL nRow, ROWCOL nCol, const char* pszText)
    {
        MakeCurrent(nRow, nCol);
        Type(pszText);
        Press(VK_RETURN);
        grid.UpdateWindow();
    }
    std::string Shown(ROWCOL nRow, ROWCOL nCol) { return grid.GetValueRowCol(nRow, nCol).GetString(); }
};

}  // namespace

TEST(FormulaGrid, AGridOnAFormulaSheetKeepsItsValuesAsEnteredTexts)
{
    // the grid makes the sheet, or is given a parameter object that holds one (read from an archive or
    // copied): either way it switches to the sheet's kind; plain cell data leaves the grid's own kind
    struct Case {
        const char* pszWhat;
        CRuntimeClass* pDataClass;
        BOOL bGivenSheet;
        int nKind;
    };
    const Case cases[] = {{"made sheet", RUNTIME_CLASS(CGXFormulaSheet), FALSE, CGXData::gxCellValue},
                          {"given sheet", nullptr, TRUE, CGXData::gxCellValue},
                          {"plain data", nullptr, FALSE, CGXData::gxCellStyle}};
    for (const Case& c : cases) {
        CTestGridWnd grid;
        grid.CreateWindowOnly();
        if (c.pDataClass != nullptr)
            grid.SetDataClass(c.pDataClass);
        CGXGridParam* pParam = new CGXGridParam;
        if (c.bGivenSheet)
            pParam->SetData(new CGXFormulaSheet);
        grid.SetParam(pParam, TRUE);
        grid.Initialize();
        EXPECT_EQ(grid.m_nStyleKind, c.nKind) << c.pszWhat;
        EXPECT_EQ(pParam->GetControlOptions().bEnteredValues, c.nKind == CGXData::gxCellValue) << c.pszWhat;
    }
}

TEST(FormulaGrid, TypedFormulasAreComputedAndEditedAsFormulas)
{
    FormulaGridFixture f;
    ASSERT_TRUE(f.grid.GetParam()->GetData()->IsKindOf(RUNTIME_CLASS(CGXFormulaSheet)));
    f.TypeInto(1, 1, "=1+2");
    EXPECT_EQ(f.Shown(1, 1), "3");
    // editing the cell again shows the formula
    f.Activate(1, 1);
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
