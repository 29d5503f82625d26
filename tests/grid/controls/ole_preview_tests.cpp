// The object preview cell: made by the factory only for a grid that browses records (it offers the
// viewer hook); in a plain grid, and in a test grid that browses records: the viewer by id, Delete
// stored on leaving, the clipboard without a server, and the open viewer that every clipboard
// operation points to.
#include "cell_test_support.h"

#include "grid/controls/GXButton.h"
#include "grid/controls/GXOlePreview.h"
#include "grid/controls/GXOleVarUserAttribute.h"
#include "grid/controls/GXOleViewer.h"

#include <cstring>

namespace {

// A viewer whose Open "opens" an object (no server exists here) and counts its activations.
class CFakeOpenViewer : public CGXGenericViewerImpl {
public:
    BOOL Open(const CGXStyle&, CGXGridCore*, CGXControl* pCell, BOOL) override
    {
        m_pOwner = pCell;
        m_bOpen = TRUE;
        return TRUE;
    }
    void Activate() override { ++m_nActivations; }
    void Close() override { m_bOpen = FALSE; }
    // stands for the object; never called through
    IOleObject* GetOleObject() override { return m_bOpen ? reinterpret_cast<IOleObject*>(this) : nullptr; }

    BOOL m_bOpen = FALSE;
    int m_nActivations = 0;
};

// A grid that browses records: it notes the viewer ids asked for and may hand its own viewer.
class CBrowsingGrid : public CButtonNotingGrid, public CGXBrowserViewerHook {
public:
    void OnGetOleViewer(ROWCOL, ROWCOL, int nViewerId, CGXOleViewer*& rpViewer) override
    {
        m_viewerIds.push_back(nViewerId);
        if (m_pViewer != nullptr)
            rpViewer = m_pViewer;
    }
    std::vector<int> m_viewerIds;
    CGXOleViewer* m_pViewer = nullptr;
};

// Column 2 of the fixture's grid holds preview cells, registered by the test.
template <class TGrid>
struct PreviewFixture : CellGridFixtureOf<TGrid> {
    PreviewFixture() : CellGridFixtureOf<TGrid>(GX_IDS_CTRL_OLE_PREVIEW)
    {
        pPreview = new CGXOlePreview(&this->grid);
        this->grid.RegisterControl(GX_IDS_CTRL_OLE_PREVIEW, pPreview, TRUE);
        this->grid.SetRowHeight(1, 6, 30);
    }
    // Stores a block of class pszClass in attribute 52794 of a cell.
    void StoreObject(ROWCOL nRow, ROWCOL nCol, const char* pszClass)
    {
        const BYTE data[] = {1, 2, 3};
        const std::vector<BYTE> block = GXBuildOleObjectBlock("Object", pszClass, data, sizeof(data));
        CByteArray array;
        array.SetSize(int32_t(block.size()));
        std::memcpy(array.GetData(), block.data(), block.size());
        CGXOleVarUserAttribute object;
        object.SetVariant(COleVariant(array));
        this->ApplyStyle(nRow, nCol, CGXStyle().SetUserAttribute(GX_IDS_UA_DAOBITMAP, object));
    }
    // The VARIANT of attribute 52794 of a cell (null: no such attribute).
    const COleVariant* Object(ROWCOL nRow, ROWCOL nCol)
    {
        m_pComposed = std::make_unique<CGXComposedStyle>(&this->grid, nRow, nCol);
        const CGXStyle& style = m_pComposed->Get();
        if (!style.HasUserAttribute(GX_IDS_UA_DAOBITMAP))
            return nullptr;
        const auto* pObject = dynamic_cast<const CGXOleVarUserAttribute*>(&style.GetUserAttribute(GX_IDS_UA_DAOBITMAP));
        return pObject != nullptr ? pObject->GetVariant() : nullptr;
    }
    CGXOlePreview* pPreview = nullptr;  // owned by the grid
    std::unique_ptr<CGXComposedStyle> m_pComposed;
};

}  // namespace

TEST(OlePreview, TheFactoryMakesTheCellOnlyForAGridThatBrowsesRecords)
{
    {
        CellGridFixtureOf<CBrowsingGrid> f(GX_IDS_CTRL_OLE_PREVIEW);
        CGXControl* pControl = f.grid.GetControl(2, 2);
        ASSERT_NE(pControl, nullptr);
        EXPECT_TRUE(pControl->IsKindOf(&CGXOlePreview::classRecord));
    }
    CellGridFixture f(GX_IDS_CTRL_OLE_PREVIEW);
    EXPECT_EQ(GXGetControlFactory()->CreateControl(GX_IDS_CTRL_OLE_PREVIEW, &f.grid), nullptr);
    EXPECT_FALSE(f.grid.GetControl(2, 2)->IsKindOf(&CGXOlePreview::classRecord)) << "the grid's default control";
}

TEST(OlePreview, InAPlainGridItDrawsItsTextAndButtonAndIgnoresTheRest)
{
    PreviewFixture<CButtonNotingGrid> f;
    f.SetValue(2, 2, "object");
    f.StoreObject(2, 2, "Ondrix.NoSuchServer");
    f.MakeCurrent(2, 2);
    DibCanvas canvas(480, 360);
    f.DrawCell(canvas, 2, 2);
    const CRect rectCell = f.CellRect(2, 2);
    const CRect rectButton = f.pPreview->GetButton()->GetRect();
    EXPECT_EQ(rectButton.Width(), 13);
    EXPECT_EQ(rectButton.Height(), 13);
    EXPECT_GE(rectButton.right, rectCell.right - 3);
    EXPECT_LE(rectButton.top, rectCell.top + 3);
    EXPECT_GT(CountColour(canvas, rectButton, RGB(0, 0, 0)), 0) << "the button's face";
    const CRect rectText(rectCell.left, rectCell.top, rectButton.left, rectCell.bottom);
    EXPECT_GT(CountColour(canvas, rectText, RGB(0, 0, 0)), 0) << "the text";

    f.Click(rectButton.CenterPoint());
    EXPECT_EQ(f.grid.m_buttonClicks.size(), 1u);
    EXPECT_EQ(f.pPreview->GetCurrentViewer(), nullptr);
    EXPECT_FALSE(f.pPreview->OnGridKeyDown(VK_DELETE, 1, 0));
    EXPECT_FALSE(f.pPreview->Cut());
    EXPECT_FALSE(f.pPreview->Copy());
    EXPECT_FALSE(f.pPreview->Paste());
    EXPECT_FALSE(f.pPreview->SetControlText(2, 2, "text"));
    EXPECT_TRUE(f.fake.CallsOf("MessageBox").empty());
}

TEST(OlePreview, TheViewerIdComesFromItsAttribute)
{
    PreviewFixture<CBrowsingGrid> f;
    f.ApplyStyle(2, 2, CGXStyle().SetUserAttribute(GX_IDS_UA_OLEVIEWERID, "3"));
    f.ApplyStyle(3, 2, CGXStyle().SetUserAttribute(GX_IDS_UA_OLEVIEWERID, ""));
    f.MakeCurrent(2, 2);
    CGXOleViewer* pThree = f.pPreview->GetViewer();
    f.MakeCurrent(3, 2);
    CGXOleViewer* pNone = f.pPreview->GetViewer();
    f.MakeCurrent(4, 2);
    CGXOleViewer* pMissing = f.pPreview->GetViewer();
    EXPECT_EQ(f.grid.m_viewerIds, (std::vector<int>{3, -1, -1}));
    ASSERT_NE(pThree, nullptr);
    EXPECT_NE(pThree, pNone);
    EXPECT_EQ(pNone, pMissing);
}

TEST(OlePreview, DeleteThenLeavingTheCellStoresAnEmptyVariant)
{
    PreviewFixture<CBrowsingGrid> f;
    f.StoreObject(2, 2, "Ondrix.NoSuchServer");
    ASSERT_NE(f.Object(2, 2), nullptr);
    EXPECT_EQ(V_VT(f.Object(2, 2)), VT_ARRAY | VT_UI1);
    f.MakeCurrent(2, 2);
    EXPECT_TRUE(f.pPreview->OnGridKeyDown(VK_DELETE, 1, 0));
    EXPECT_TRUE(f.pPreview->GetModify());
    f.MakeCurrent(4, 1);
    ASSERT_NE(f.Object(2, 2), nullptr);
    EXPECT_EQ(V_VT(f.Object(2, 2)), VT_EMPTY);
}

TEST(OlePreview, CopyAndCutWithoutAServerReportTheFailureAndKeepTheValue)
{
    PreviewFixture<CBrowsingGrid> f;
    f.StoreObject(2, 2, "Ondrix.NoSuchServer");
    f.MakeCurrent(2, 2);
    EXPECT_TRUE(f.pPreview->CanCopy());
    f.fake.ExpectMessageBox(IDOK, "The binary data is not valid.");
    f.fake.ExpectMessageBox(IDOK, "The copy operation failed");
    EXPECT_FALSE(f.pPreview->Copy());
    f.fake.ExpectMessageBox(IDOK, "The binary data is not valid.");
    f.fake.ExpectMessageBox(IDOK, "The cut operation failed");
    EXPECT_FALSE(f.pPreview->Cut());
    f.MakeCurrent(4, 1);
    ASSERT_NE(f.Object(2, 2), nullptr);
    EXPECT_EQ(V_VT(f.Object(2, 2)), VT_ARRAY | VT_UI1);
}

TEST(OlePreview, WhileAViewerIsOpenEveryClipboardOperationPointsToIt)
{
    PreviewFixture<CBrowsingGrid> f;
    CFakeOpenViewer viewer;
    f.grid.m_pViewer = &viewer;
    f.StoreObject(2, 2, "Ondrix.NoSuchServer");
    f.MakeCurrent(2, 2);
    f.Click(f.pPreview->GetButton()->GetRect().CenterPoint());
    ASSERT_EQ(f.pPreview->GetCurrentViewer(), &viewer);
    for (int i = 0; i < 4; ++i)
        f.fake.ExpectMessageBox(IDOK, "You have already spawned a viewer. Please use this for editing");
    EXPECT_FALSE(f.pPreview->Copy());
    EXPECT_FALSE(f.pPreview->Cut());
    EXPECT_FALSE(f.pPreview->Paste());
    EXPECT_TRUE(f.pPreview->OnGridKeyDown(VK_DELETE, 1, 0));
    EXPECT_EQ(viewer.m_nActivations, 4);
    EXPECT_FALSE(f.pPreview->CanCopy());
    EXPECT_FALSE(f.pPreview->CanPaste());
    // the button brings the open viewer to the front
    f.Click(f.pPreview->GetButton()->GetRect().CenterPoint());
    EXPECT_EQ(viewer.m_nActivations, 5);
    // leaving the cell closes it
    f.MakeCurrent(4, 1);
    EXPECT_FALSE(viewer.m_bOpen);
    EXPECT_EQ(f.pPreview->GetCurrentViewer(), nullptr);
    f.grid.m_pViewer = nullptr;
}
