// Parameter objects of live grids: a grid on a copy draws as the grid on the original, a copy into the
// parameter object of a live grid shows at once and leaves no pointer into the objects it replaced;
// the browsing grids' parameter object, its defaults, stored form and copy.
#include "archive_helpers.h"
#include "library_test_support.h"

#include "grid/engine/GXBrowseParam.h"
#include "grid/engine/GXColor.h"
#include "grid/engine/GXResource.h"

namespace {

const int kWidth = 300;
const int kHeight = 200;

// Makes grid's window, initialises it on pParam (null: a parameter object of its own) and gives it a
// fixed grid rectangle.
void MakeGrid(CTestGridWnd& grid, CGXGridParam* pParam)
{
    if (pParam != nullptr)
        grid.SetParam(pParam, FALSE);
    grid.CreateWindowOnly();
    grid.Initialize();
    const CRect rect(0, 0, kWidth, kHeight);
    grid.SetGridRect(TRUE, &rect);
}

std::unique_ptr<DibCanvas> Paint(CTestGridWnd& grid)
{
    auto pCanvas = std::make_unique<DibCanvas>(kWidth, kHeight);
    grid.OnGridDraw(&pCanvas->dc);
    return pCanvas;
}

BOOL SamePixels(const DibCanvas& a, const DibCanvas& b)
{
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (a.At(x, y) != b.At(x, y))
                return FALSE;
    return TRUE;
}

// Whether the registry lists pGrid under pObject.
BOOL Listed(const void* pObject, CGXGridCore* pGrid)
{
    const auto& registry = GXGetLibraryState()->GetGridRegistry();
    const auto it = registry.find(pObject);
    return it != registry.end() && std::find(it->second.begin(), it->second.end(), pGrid) != it->second.end();
}

}  // namespace

TEST(LiveParam, AGridOnACopyDrawsAsTheGridOnTheOriginal)
{
    CTestGridWnd original;
    MakeGrid(original, nullptr);
    CGXGridParam& param = *original.GetParam();
    param.GetData()->SetRowCount(8);
    param.GetData()->SetColCount(4);
    original.SetStyleRange(CGXCellRange(2, 2, 3, 3),
                           &CGXStyle().SetValue("copied").SetInterior(CGXCellBrush().SetColor(RGB(0, 128, 255))),
                           CGXStyle::gxOverride);
    original.SetFrozenRows(1, 0);
    original.StoreColWidth(2, 70);

    CGXGridParam copy;
    copy = param;
    CTestGridWnd other;
    MakeGrid(other, &copy);
    // a grid initialised on cells starts with a current cell
    original.SetCurrentCell(1, 1);
    EXPECT_EQ(original.GetTopRow(), other.GetTopRow());
    EXPECT_TRUE(SamePixels(*Paint(original), *Paint(other)));
}

TEST(LiveParam, ACopyIntoALiveGridsParameterShowsAtOnceAndLeavesNoStalePointer)
{
    CTestGridWnd grid;
    MakeGrid(grid, nullptr);
    CGXGridParam& param = *grid.GetParam();
    param.GetData()->SetRowCount(5);
    param.GetData()->SetColCount(3);
    const CRect rectCell = grid.CalcCellRect(2, 2);
    const COLORREF clrBefore = Paint(grid)->At(rectCell.CenterPoint().x, rectCell.CenterPoint().y);

    // a copy whose "Standard" has another interior
    CGXGridParam source;
    source = param;
    const CGXStyle* pStandard = nullptr;
    ASSERT_TRUE(source.GetStylesMap()->LookupStyle(source.GetStylesMap()->GetBaseStyleId(GX_IDS_STYLE_STANDARD), pStandard));
    CGXStyle yellow(*pStandard);
    yellow.SetInterior(CGXCellBrush().SetColor(RGB(255, 255, 0)));
    source.GetStylesMap()->RegisterStyle(GX_IDS_STYLE_STANDARD, yellow, TRUE);

    const void* pOldStylesMap = param.GetStylesMap();
    const void* pOldData = param.GetData();
    param = source;
    ASSERT_NE(static_cast<const void*>(param.GetStylesMap()), pOldStylesMap);
    const COLORREF clrAfter = Paint(grid)->At(rectCell.CenterPoint().x, rectCell.CenterPoint().y);
    EXPECT_NE(clrBefore, RGB(255, 255, 0));
    EXPECT_EQ(clrAfter, RGB(255, 255, 0)) << "the grid draws the copied styles";
    EXPECT_TRUE(Listed(param.GetStylesMap(), &grid));
    EXPECT_TRUE(Listed(param.GetData(), &grid));
    EXPECT_TRUE(Listed(&param, &grid));
    EXPECT_FALSE(Listed(pOldStylesMap, &grid)) << "nor under the deleted styles map";
    EXPECT_FALSE(Listed(pOldData, &grid));
}

TEST(BrowseParam, DefaultsAndACopyThatKeepsTheOptionValues)
{
    CGXBrowseParam param;
    EXPECT_EQ(param.m_nOption1, 1);
    EXPECT_EQ(param.m_nOption2, 255);
    EXPECT_EQ(param.m_nOption3, 1);
    EXPECT_EQ(param.m_nLimit, 2147483647);
    EXPECT_EQ(param.m_nIndex1, -1);
    EXPECT_EQ(param.m_nIndex2, -1);
    EXPECT_EQ(param.GetSelectionFlags(), 1);
    EXPECT_EQ(param.GetSelectModeFlags(), 255) << "the other option words keep their defaults";

    CGXBrowseParam source;
    source.m_nOption1 = 5;
    source.m_nOption2 = 6;
    source.m_nOption3 = 7;
    source.m_nLimit = 1000;
    source.m_bFlag = 1;
    source.SetTitle("records");
    param.CopyFrom(source);
    EXPECT_EQ(param.m_nOption1, 5);
    EXPECT_EQ(param.m_nOption2, 6);
    EXPECT_EQ(param.m_nOption3, 7);
    EXPECT_EQ(param.m_nLimit, 1000);
    EXPECT_EQ(param.m_bFlag, 1);
    EXPECT_EQ(param.GetTitle(), "records") << "and the parameter copy";
}

TEST(BrowseParam, TheStoredFormFollowsTheParameterForm)
{
    CGXGridParam plain;
    plain.SetSelectionFlags(1);
    const Bytes base = StoreBytes([&](CArchive& ar) { plain.Serialize(ar); });
    CGXBrowseParam param;
    param.m_bFlag = 1;
    Bytes expected = base;
    PutWord(expected, 2);
    expected.push_back(1);
    PutWord(expected, 0);  // no object
    EXPECT_EQ(StoreBytes([&](CArchive& ar) { param.Serialize(ar); }), expected);

    auto* pRecord = new CGXStyle;
    pRecord->SetValue("record");
    param.m_pArchivedObject.reset(pRecord);
    const Bytes stored = StoreBytes([&](CArchive& ar) { param.Serialize(ar); });
    CGXBrowseParam loaded;
    LoadBytes(stored, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(loaded.m_bFlag, 1);
    auto* pLoaded = dynamic_cast<CGXStyle*>(loaded.m_pArchivedObject.get());
    ASSERT_NE(pLoaded, nullptr);
    EXPECT_EQ(pLoaded->GetValueRef(), "record");

    Bytes newer = base;
    PutWord(newer, 3);
    newer.push_back(0);
    CGXBrowseParam refused;
    EXPECT_EQ(ArchiveCause([&] { LoadBytes(newer, [&](CArchive& ar) { refused.Serialize(ar); }); }),
              CArchiveException::badSchema);
}
