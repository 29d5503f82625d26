// The grid core: initialisation with its parameter object, shared objects and their owners, the grid
// rectangle, printing, the control registry and the long-operation front end.
#include "library_test_support.h"

#include "fake_modules.h"

#include "grid/engine/GXLongOperation.h"
#include "grid/engine/GXResource.h"

#include <string>
#include <vector>

GX_IMPLEMENT_CONTROL(CTestControl, CGXControl)

namespace {

// A parameter object that tells when it is deleted.
class CountedParam : public CGXGridParam {
public:
    explicit CountedParam(int& rnDeleted) : m_rnDeleted(rnDeleted) {}
    ~CountedParam() override { ++m_rnDeleted; }

private:
    int& m_rnDeleted;
};

// Registers a CTestControl as the control of the "Standard" style (id 52512) and returns it.
CTestControl* UseTestControl(CTestGridWnd& grid)
{
    auto* pControl = new CTestControl(&grid);
    grid.RegisterControl(GX_IDS_CTRL_EDIT, pControl, TRUE);
    return pControl;
}

// The calls a module saw, as text.
struct CallLog {
    std::vector<std::string> calls;
    void Add(const std::string& call) { calls.push_back(call); }
};

struct RecordingLongOperation : CGXAbstractLongOperationImp {
    CallLog log;
    void Start(CGXLongOperation&) override { log.Add("Start"); }
    void End(CGXLongOperation&) override { log.Add("End"); }
    void FreeStatusText(CGXLongOperation&) override { log.Add("FreeStatusText"); }
    BOOL SetStatusText(CGXLongOperation&, const char* pszText, BOOL bCopy) override
    {
        log.Add(std::string("SetStatusText ") + pszText + (bCopy ? " copy" : ""));
        return TRUE;
    }
    BOOL DoMessages(CGXLongOperation&, BOOL& bAborted) override
    {
        log.Add("DoMessages");
        bAborted = TRUE;
        return TRUE;
    }
    BOOL UpdateProgress(CGXLongOperation&) override
    {
        log.Add("UpdateProgress");
        return TRUE;
    }
    void PumpMessages(CGXLongOperation&) override { log.Add("PumpMessages"); }
};

}  // namespace

TEST(GridCore, InitializeMakesOwnsAndRegistersWhatIsMissing)
{
    CTestGridWnd grid;
    EXPECT_FALSE(grid.IsInitialized());
    grid.CreateWindowOnly();
    EXPECT_TRUE(grid.Initialize());
    ASSERT_TRUE(grid.IsInitialized());

    CGXGridParam* pParam = grid.GetParam();
    ASSERT_NE(pParam, nullptr);
    EXPECT_TRUE(grid.GetOwnParam());
    EXPECT_TRUE(pParam->IsInit());
    EXPECT_TRUE(pParam->GetOwnProperties());
    EXPECT_TRUE(pParam->GetOwnStylesMap());
    EXPECT_TRUE(pParam->GetOwnData());
    EXPECT_EQ(pParam->GetProperties()->GetUserProperties().count(GX_IDS_UP_CURRENTCELL), 1u)
        << "the default user properties";
    EXPECT_EQ(pParam->GetStylesMap()->GetStyleCount(), 3) << "the standard styles";
    EXPECT_EQ(pParam->GetData()->GetRuntimeClass(), RUNTIME_CLASS(CGXData));
    const GridLibraryState* pState = GXGetLibraryState();
    for (const void* pObject : {static_cast<const void*>(pParam), static_cast<const void*>(pParam->GetProperties()),
                                static_cast<const void*>(pParam->GetStylesMap()),
                                static_cast<const void*>(pParam->GetData())})
        EXPECT_EQ(pState->FindFirstGridOf(pObject), static_cast<CGXGridCore*>(&grid));

    EXPECT_EQ(grid.GetZoom(), 100);
    EXPECT_GT(grid.GetFontHeight(), 0) << "measured with the Standard style's font";
    auto* pDefault = dynamic_cast<CGXPlainTextControl*>(grid.GetDefaultControl());
    ASSERT_NE(pDefault, nullptr) << "the factory's control for the Standard style";
    EXPECT_EQ(pDefault->GetEntry().nId, UINT(GX_IDS_CTRL_EDIT));
    EXPECT_EQ(pState->GetGlobalWord(), 0);
}

TEST(GridCore, TopRowAndLeftColumnStartAfterTheFrozenOnes)
{
    CTestGridWnd grid;
    grid.SetParam(nullptr, TRUE);
    grid.GetParam()->SetFrozenRows(2);
    grid.SetTopRowValue(1);
    grid.CreateGrid();
    EXPECT_EQ(grid.GetTopRow(), 3u);
    EXPECT_EQ(grid.GetLeftCol(), 1u);
}

TEST(GridCore, ASharedParameterObjectIsDeletedOnlyByItsOwner)
{
    int nDeleted = 0;
    auto* pParam = new CountedParam(nDeleted);
    auto pOwner = std::make_unique<CTestGridWnd>();
    pOwner->SetParam(pParam, TRUE);
    pOwner->CreateGrid();
    {
        CTestGridWnd borrower;
        borrower.SetParam(pParam, FALSE);
        borrower.CreateGrid();
        EXPECT_EQ(borrower.GetParam()->GetData(), pOwner->GetParam()->GetData()) << "one data object";
    }
    EXPECT_EQ(nDeleted, 0);
    pOwner.reset();
    EXPECT_EQ(nDeleted, 1);

    // a new parameter object replaces an owned one
    CTestGridWnd grid;
    auto* pFirst = new CountedParam(nDeleted);
    grid.SetParam(pFirst, TRUE);
    grid.SetParam(nullptr, TRUE);
    EXPECT_EQ(nDeleted, 2);
    EXPECT_NE(grid.GetParam(), nullptr);
}

TEST(GridCore, GridRectangle)
{
    CTestGridWnd grid;
    grid.CreateWindowOnly();
    CRect client;
    grid.GetClientRect(&client);
    EXPECT_EQ(grid.GetGridRect(), client);
    const CRect explicitRect(5, 6, 50, 60);
    grid.SetGridRect(TRUE, &explicitRect);
    EXPECT_EQ(grid.GetGridRect(), explicitRect);
    const CRect inverted(50, 6, 5, 60);
    grid.SetGridRect(TRUE, &inverted);
    EXPECT_EQ(grid.GetGridRect(), CRect(0, 0, 0, 0));
    grid.SetGridRect(FALSE);
    EXPECT_EQ(grid.GetGridRect(), client);
}

TEST(GridCore, SetPrintingStoresTheActiveEditFirst)
{
    CTestGridWnd grid;
    grid.CreateGrid(5, 5);
    grid.GetParam()->SetFrozenRows(2);
    CTestControl* pControl = UseTestControl(grid);
    ASSERT_TRUE(grid.SetCurrentCell(2, 2, 0x10));
    ASSERT_EQ(grid.GetCurrentCellControl(), pControl);
    ASSERT_TRUE(pControl->IsActive());
    pControl->SetModify(TRUE);

    CDC printer;
    printer.CreateCompatibleDC(nullptr);
    grid.SetPrinting(&printer, TRUE);
    EXPECT_EQ(pControl->m_nStores, 1);
    EXPECT_FALSE(pControl->IsActive());
    EXPECT_TRUE(grid.IsPrinting());
    CRect client;
    grid.GetClientRect(&client);
    EXPECT_EQ(grid.GetGridRect(), client);
    EXPECT_EQ(grid.GetTopRow(), 3u) << "the print top row";
    EXPECT_EQ(grid.GetParam()->GetProperties()->GetPrinterDC(), &printer);
    ROWCOL nRow, nCol;
    EXPECT_FALSE(grid.GetCurrentCell(nRow, nCol)) << "printing hides the current cell";
    EXPECT_TRUE(grid.GetCurrentCell(nRow, nCol, TRUE));

    grid.SetPrinting(nullptr);
    EXPECT_FALSE(grid.IsPrinting());
    EXPECT_EQ(grid.GetParam()->GetProperties()->GetPrinterDC(), nullptr);
    EXPECT_EQ(grid.GetTopRow(), 1u) << "the screen's top row again";
}

TEST(GridCore, ControlRegistry)
{
    CTestGridWnd grid;
    grid.CreateGrid(3, 3);
    auto* pFirst = new CTestControl(&grid);
    grid.RegisterControl(GX_IDS_CTRL_STATIC, pFirst);
    EXPECT_EQ(grid.GetRegisteredControl(GX_IDS_CTRL_STATIC), pFirst);
    auto* pSecond = new CTestControl(&grid);
    grid.RegisterControl(GX_IDS_CTRL_STATIC, pSecond, FALSE, TRUE);  // deletes the first
    EXPECT_EQ(grid.GetRegisteredControl(GX_IDS_CTRL_STATIC), pSecond);
    EXPECT_STREQ(grid.GetParam()->GetStylesMap()->GetControlName(GX_IDS_CTRL_STATIC), "Static Text");

    // an id not yet registered is made once by the factory
    CGXControl* pMade = grid.GetRegisteredControl(GX_IDS_CTRL_HEADER);
    ASSERT_NE(pMade, nullptr);
    EXPECT_EQ(grid.GetRegisteredControl(GX_IDS_CTRL_HEADER), pMade);
    EXPECT_EQ(grid.GetRegisteredControl(0), grid.GetDefaultControl());

    // a cell's control follows its style's control id
    CGXStyle style;
    style.SetControl(GX_IDS_CTRL_STATIC);
    grid.StoreStyleRowCol(2, 2, &style, CGXStyle::gxOverride);
    EXPECT_EQ(grid.GetControl(2, 2), pSecond);
    EXPECT_EQ(grid.GetControl(1, 1), grid.GetDefaultControl());
}

TEST(GridCore, ALockedGridWithTheGuardRefusesStores)
{
    CTestGridWnd grid;
    grid.CreateGrid(3, 3);
    CGXStyle style;
    style.SetValue("x");
    grid.SetReadOnly(TRUE);
    EXPECT_TRUE(grid.IsReadOnly());
    EXPECT_FALSE(grid.StoreStyleRowCol(1, 1, &style, CGXStyle::gxOverride));
    grid.GetParam()->SetReadOnlyGuard(FALSE);
    EXPECT_TRUE(grid.StoreStyleRowCol(1, 1, &style, CGXStyle::gxOverride));
    EXPECT_STREQ(StoredValue(*grid.GetParam()->GetData(), 1, 1), "x");
}

namespace {

// A focus hook that notes the grids it hears of.
struct RecordingFocusHook : CGXGridFocusHook {
    std::vector<CGXGridCore*> grids;
    void OnGridFocus(CGXGridCore* pGrid) override { grids.push_back(pGrid); }
};

// Installs two recording focus hooks for as long as it lives.
struct FocusHooks {
    RecordingFocusHook first, second;
    FocusHooks()
    {
        GXGetLibraryState()->m_apFocusHooks[0] = &first;
        GXGetLibraryState()->m_apFocusHooks[1] = &second;
    }
    ~FocusHooks()
    {
        GXGetLibraryState()->m_apFocusHooks[0] = GXGetLibraryState()->m_apFocusHooks[1] = nullptr;
    }
    FocusHooks(const FocusHooks&) = delete;
    FocusHooks& operator=(const FocusHooks&) = delete;
    void Clear()
    {
        first.grids.clear();
        second.grids.clear();
    }
};

// A grid of a document, so that it sends update hints.
class CDocumentGridWnd : public CTestGridWnd {
public:
    void SetDocument(CDocument* pDocument) { m_pGridDoc = pDocument; }
};

}  // namespace

TEST(GridCore, FocusHooksHearActivationsAndNewCurrentCellsAndTheActiveGridFollows)
{
    FocusHooks hooks;
    auto pGrid = std::make_unique<CTestGridWnd>();
    CGXGridCore* pCore = pGrid.get();
    pGrid->SetParam(nullptr, TRUE);
    pGrid->GetParam()->SetCurrentCell(2, 3);
    pGrid->CreateWindowOnly();
    pGrid->GetParam()->SetData(new CGXData, TRUE);
    pGrid->GetParam()->GetData()->SetRowCount(5);
    pGrid->GetParam()->GetData()->SetColCount(5);
    pGrid->Initialize();
    ROWCOL nRow, nCol;
    ASSERT_TRUE(pGrid->GetCurrentCell(nRow, nCol));
    EXPECT_EQ(nRow, 2u);
    EXPECT_EQ(nCol, 3u);
    EXPECT_FALSE(hooks.first.grids.empty()) << "a grid initialised on its remembered current cell";
    EXPECT_EQ(hooks.first.grids, hooks.second.grids) << "both hooks, alike";

    hooks.Clear();
    pGrid->OnActivateGrid(TRUE);
    EXPECT_EQ(GXGetLibraryState()->m_pActiveGrid, pCore);
    EXPECT_EQ(hooks.first.grids, std::vector<CGXGridCore*>{pCore});
    EXPECT_EQ(hooks.second.grids, std::vector<CGXGridCore*>{pCore});

    hooks.Clear();
    ASSERT_TRUE(pGrid->SetCurrentCell(4, 4));
    EXPECT_EQ(hooks.first.grids, std::vector<CGXGridCore*>{pCore}) << "a new current cell";

    hooks.Clear();
    pGrid->OnActivateGrid(FALSE);
    EXPECT_TRUE(hooks.first.grids.empty()) << "a deactivation tells nobody";
    EXPECT_EQ(GXGetLibraryState()->m_pActiveGrid, pCore) << "the last grid activated";

    // another grid takes over; a destroyed grid is forgotten
    CTestGridWnd other;
    other.CreateGrid(2, 2);
    other.OnActivateGrid(TRUE);
    EXPECT_EQ(GXGetLibraryState()->m_pActiveGrid, static_cast<CGXGridCore*>(&other));
    pGrid->OnActivateGrid(TRUE);
    pGrid.reset();
    EXPECT_EQ(GXGetLibraryState()->m_pActiveGrid, nullptr);
}

TEST(GridCore, ANewGridGoesOnBuildingTheSelectionItsParameterObjectSaved)
{
    CGXGridParam param;
    param.GetRangeList1().AddRange(CGXCellRange(1, 1, 1, 2));
    param.GetRangeList1().AddRange(CGXCellRange(2, 2, 3, 4));
    param.SaveSelection(CGXCellRange(2, 2, 3, 4), 3, 4);
    CTestGridWnd grid;
    grid.SetParam(&param, FALSE);
    grid.CreateGrid(6, 6);
    ASSERT_NE(grid.m_posSelecting, nullptr);
    EXPECT_EQ(param.GetRangeList1().GetCount(), 2) << "the saved range was found in the selection";
    const CGXCellRange& building = *param.GetRangeList1().GetRangeAt(grid.m_posSelecting);
    EXPECT_EQ(building.top, 2u);
    EXPECT_EQ(building.right, 4u);
    EXPECT_EQ(grid.m_nAnchorRow, 3u);
    EXPECT_EQ(grid.m_nAnchorCol, 4u);

    // a saved range the selection lacks joins it
    CGXGridParam other;
    other.SaveSelection(CGXCellRange(5, 1, 5, 6), 5, 1);
    CTestGridWnd second;
    second.SetParam(&other, FALSE);
    second.CreateGrid(6, 6);
    ASSERT_EQ(other.GetRangeList1().GetCount(), 1);
    EXPECT_EQ(second.m_posSelecting, other.GetRangeList1().GetHeadPosition());

    // nothing saved, nothing built
    CTestGridWnd plain;
    plain.CreateGrid(3, 3);
    EXPECT_EQ(plain.m_posSelecting, nullptr);
    EXPECT_TRUE(plain.GetParam()->GetRangeList1().IsEmpty());
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { param.SaveSelection(CGXCellRange(), 1, 1); }));
}

TEST(GridCore, ZoomingRedrawsAtTheNewSizeAndTheOtherViewsFollow)
{
    CDocument document;
    CDocumentGridWnd grid;
    grid.CreateGrid(3, 3);
    FakeUpdateHintImp hints;
    WithModule<CGXAbstractGridUpdateHintImp> withHints(grid.m_pUpdateHintImp, &hints);
    grid.SetDocument(&document);
    const int nHeight = grid.GetFontHeight();
    CGXGridCore* pCore = &grid;
    grid.SetZoom(200);
    EXPECT_EQ(grid.GetZoom(), 200);
    EXPECT_EQ(grid.GetParam()->GetProperties()->GetLastZoom(), 200);
    EXPECT_GT(grid.GetFontHeight(), nHeight * 3 / 2) << "measured again with the zoomed font";
    EXPECT_EQ(hints.calls, (std::vector<std::string>{Call("SetZoomValue", pCore, 200),
                                                     Call("OnZoomChanged", pCore, 100, 2u)}));
}

TEST(GridCore, ALockChangeResetsTheActiveEditHereAndInTheOtherViews)
{
    CDocument document;
    CDocumentGridWnd grid;
    grid.CreateGrid(3, 3);
    CTestControl* pControl = UseTestControl(grid);
    FakeUpdateHintImp hints;
    WithModule<CGXAbstractGridUpdateHintImp> withHints(grid.m_pUpdateHintImp, &hints);
    grid.SetDocument(&document);
    ASSERT_TRUE(grid.SetCurrentCell(2, 2, 0x10));
    ASSERT_TRUE(pControl->IsActive());
    hints.calls.clear();
    grid.SetReadOnly(TRUE);
    EXPECT_FALSE(pControl->IsActive()) << "reset and initialised again";
    EXPECT_TRUE(pControl->IsInit());
    EXPECT_EQ(hints.calls, std::vector<std::string>{Call("UpdateReadOnly", static_cast<CGXGridCore*>(&grid))});
    hints.calls.clear();
    grid.UpdateReadOnly(FALSE);
    EXPECT_TRUE(hints.calls.empty()) << "a replayed hint does not echo";
}

TEST(LongOperation, WithoutTheModuleOnlyTheLevelCounts)
{
    WithModule<CGXAbstractLongOperationImp> none(GXGetLibraryState()->m_pLongOperationImp, nullptr);
    const int nLevel = GXGetLongOperationSettings().m_nLevel;
    {
        CGXLongOperation outer;
        CGXLongOperation middle;
        {
            CGXLongOperation inner;
            EXPECT_EQ(GXGetLongOperationSettings().m_nLevel, nLevel + 3);
            EXPECT_FALSE(inner.SetStatusText("busy"));
            BOOL bAborted = TRUE;
            EXPECT_FALSE(inner.DoMessages(bAborted));
            EXPECT_FALSE(bAborted);
            EXPECT_FALSE(inner.UpdateProgress());
            inner.PumpMessages();
            inner.FreeStatusText();
        }
        EXPECT_EQ(GXGetLongOperationSettings().m_nLevel, nLevel + 2);
    }
    EXPECT_EQ(GXGetLongOperationSettings().m_nLevel, nLevel);
}

TEST(LongOperation, EveryCallReachesTheModule)
{
    RecordingLongOperation module;
    WithModule<CGXAbstractLongOperationImp> installed(GXGetLibraryState()->m_pLongOperationImp, &module);
    const int nLevel = GXGetLongOperationSettings().m_nLevel;
    {
        CGXLongOperation operation;
        operation.SetStatusText("Storing", FALSE);
        BOOL bAborted = FALSE;
        EXPECT_TRUE(operation.DoMessages(bAborted));
        EXPECT_TRUE(bAborted);
        EXPECT_TRUE(operation.UpdateProgress());
        operation.PumpMessages();
        operation.FreeStatusText();
    }
    EXPECT_EQ(module.log.calls, (std::vector<std::string>{"Start", "SetStatusText Storing", "DoMessages",
                                                          "UpdateProgress", "PumpMessages", "FreeStatusText",
                                                          "End"}));
    EXPECT_EQ(GXGetLongOperationSettings().m_nLevel, nLevel) << "the module keeps the level itself";
}
