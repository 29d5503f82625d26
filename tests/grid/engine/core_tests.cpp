// The grid core: initialisation with its parameter object, shared objects and their owners, the grid
// rectangle, printing, the control registry and the long-operation front end.
#include "library_test_support.h"


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
