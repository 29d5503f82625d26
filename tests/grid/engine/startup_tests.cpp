// The grid library's start-up and control factory: clipboard format, window classes, shared texts,
// arrow bitmaps in the button colours, the grid registry, the factory's table, the registrations in a
// styles map, and the install and attach steps.
#include "library_test_support.h"

#include "fake_modules.h"

#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXPlugin.h"
#include "grid/engine/GXLongOperation.h"

#include <set>

namespace {

// A window class that exists before the library starts: the library must leave it alone.
const UINT kForeignStyle = CS_GLOBALCLASS | CS_PARENTDC;

// Starts the library once for the whole program, as the application's initialisation does.
class LibraryEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        WNDCLASSA wc = {};
        wc.style = kForeignStyle;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = AfxGetInstanceHandle();
        wc.lpszClassName = "CGXTabWnd";
        ASSERT_NE(::RegisterClassA(&wc), 0);
        AfxSetResourceHandle(AfxGetInstanceHandle());
        InitGridLibrary(1536, 0, 0);
    }
};
::testing::Environment* const g_pLibraryEnvironment = ::testing::AddGlobalTestEnvironment(new LibraryEnvironment);

UINT ClassStyle(const char* pszClass)
{
    WNDCLASSA wc = {};
    EXPECT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), pszClass, &wc)) << pszClass;
    return wc.style;
}

// The colour of a bitmap's pixel, read through a memory DC.
COLORREF BitmapPixel(CBitmap& bitmap, int x, int y)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    const COLORREF clr = dc.GetPixel(x, y);
    dc.SelectObject(pOld);
    return clr;
}

// Counts the modules of one kind made and deleted; Create answers the module's interface.
template <class Base, class Interface = Base>
struct Counted : Base {
    static int s_nMade;
    static int s_nDeleted;
    Counted() { ++s_nMade; }
    ~Counted() override { ++s_nDeleted; }
    static Interface* Create() { return new Counted; }
};
template <class Base, class Interface>
int Counted<Base, Interface>::s_nMade = 0;
template <class Base, class Interface>
int Counted<Base, Interface>::s_nDeleted = 0;

struct CountedPlugin : CGXPluginComponent {
    static int s_nMade;
    static int s_nDeleted;
    CountedPlugin() { ++s_nMade; }
    ~CountedPlugin() override { ++s_nDeleted; }
};
int CountedPlugin::s_nMade = 0;
int CountedPlugin::s_nDeleted = 0;

struct FakeLongOperation : CGXAbstractLongOperationImp {
    void Start(CGXLongOperation&) override {}
    void End(CGXLongOperation&) override {}
    void FreeStatusText(CGXLongOperation&) override {}
    BOOL SetStatusText(CGXLongOperation&, const char*, BOOL) override { return FALSE; }
    BOOL DoMessages(CGXLongOperation&, BOOL&) override { return FALSE; }
    BOOL UpdateProgress(CGXLongOperation&) override { return FALSE; }
    void PumpMessages(CGXLongOperation&) override {}
};
// A date/time module that tells which installer made it.
struct KindedDateTime : FakeDateTimeImp {
    explicit KindedDateTime(int nKind) : m_nKind(nKind) {}
    int m_nKind;
};

}  // namespace

TEST(LibraryStartup, RegistersTheClipboardFormatOfTheInstance)
{
    EXPECT_STREQ(GXClipboardFormatName(reinterpret_cast<HINSTANCE>(4194304)), "Grid Styles 00400000");
    EXPECT_STREQ(GXClipboardFormatName(reinterpret_cast<HINSTANCE>(0x7FFF1234ABCDull)), "Grid Styles 1234abcd");
    const GridLibraryState* pState = GXGetLibraryState();
    ASSERT_NE(pState->m_nClipboardFormat, 0u);
    char szName[64] = {};
    ::GetClipboardFormatNameA(pState->m_nClipboardFormat, szName, sizeof szName);
    EXPECT_STREQ(szName, GXClipboardFormatName(AfxGetInstanceHandle()));
    EXPECT_TRUE(pState->m_bInitialized);
    EXPECT_TRUE(pState->m_bWin4) << "this Wine reports Windows 6.1";
    EXPECT_FALSE(pState->m_bWin32s);
}

TEST(LibraryStartup, RegistersTheWindowClassesAndLeavesAnExistingOneAlone)
{
    const struct {
        const char* pszClass;
        UINT nStyle;
    } cases[] = {{"GXWND", 0x400B},         {"GXNDBLCLKSWND", 0x4003}, {"GxMdiFrame", 0x4008},
                 {"CGXGridWnd", 0x4008},    {"CGXTabBeam", 0x4008},    {"CGXTabWnd", kForeignStyle}};
    for (const auto& c : cases)
        EXPECT_EQ(ClassStyle(c.pszClass), c.nStyle) << c.pszClass;

    // the copies of the system's edit, list box and combo box are global
    for (const char* pszClass : {"GXEDIT", "GXLISTBOX", "GXCOMBOBOX"})
        EXPECT_TRUE(ClassStyle(pszClass) & CS_GLOBALCLASS) << pszClass;
    HWND hEdit = ::CreateWindowExA(0, "GXEDIT", "typed", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                                   AfxGetInstanceHandle(), nullptr);
    ASSERT_NE(hEdit, nullptr);
    char szText[16] = {};
    ::GetWindowTextA(hEdit, szText, sizeof szText);
    EXPECT_STREQ(szText, "typed");
    EXPECT_EQ(::SendMessageA(hEdit, EM_GETLIMITTEXT, 0, 0) > 0, true) << "an edit control answers";
    ::DestroyWindow(hEdit);

    // the save-bits class of pop-ups is the last shared text
    const CString& strSaveBits = GXGetLibraryState()->m_astrTexts[GridLibraryState::gxSaveBitsClass];
    EXPECT_TRUE(ClassStyle(strSaveBits) & CS_SAVEBITS);
}

TEST(LibraryStartup, LoadsTheSharedTextsAndRestoresTheResourceHandle)
{
    const GridLibraryState* pState = GXGetLibraryState();
    const struct {
        int nIndex;
        const char* pszText;
    } texts[] = {{GridLibraryState::gxRedoing, "Redoing %1 ..."},
                 {GridLibraryState::gxRemovingCols, "Removing columns ..."},
                 {GridLibraryState::gxMoveRows, "Move Rows"},
                 {GridLibraryState::gxCopyingText, "Copying text format ..."},
                 {GridLibraryState::gxClearCells, "Clear Cells"},
                 {GridLibraryState::gxFreezeRows, "Freeze Rows"},
                 {GridLibraryState::gxFreezeCols, "Freeze Columns"},
                 {GridLibraryState::gxClipboardSize, "Clipboard size is different from selected range"},
                 {GridLibraryState::gxMove, "Move"}};
    for (const auto& t : texts)
        EXPECT_STREQ(pState->m_astrTexts[t.nIndex], t.pszText) << "text " << t.nIndex;
    for (int i = 0; i < GridLibraryState::gxSharedTextCount; ++i)
        EXPECT_FALSE(pState->m_astrTexts[i].IsEmpty()) << "text " << i;

    const GXLongOperationSettings& settings = GXGetLongOperationSettings();
    EXPECT_STREQ(settings.m_strAbortQuestion, "Do you want to abort the operation?");
    EXPECT_STREQ(settings.m_strProcessing, "Processing...");
    EXPECT_STREQ(settings.m_strDone, "Done.");
    EXPECT_STREQ(settings.m_strPressEsc, "Press ESC to cancel");

    EXPECT_EQ(AfxGetResourceHandle(), AfxGetInstanceHandle());
}

TEST(LibraryStartup, RebuildsTheArrowBitmapsInTheButtonColours)
{
    GridSysColors* pColors = GXGetSysColors();
    // after start-up: the drawn arrow's black is the button text colour
    BITMAP bm = {};
    ASSERT_TRUE(pColors->m_bmpDropArrow.GetBitmap(&bm));
    EXPECT_EQ(bm.bmWidth, 7);
    EXPECT_EQ(bm.bmHeight, 4);
    EXPECT_EQ(BitmapPixel(pColors->m_bmpDropArrow, 3, 0), ::GetSysColor(COLOR_BTNTEXT));

    // with colours of our own in the cache, each of the four resource colours reads back as its button
    // colour
    struct Restore {
        ~Restore() { GXGetSysColors()->Refresh(); }
    } restore;
    pColors->m_colors[COLOR_BTNTEXT] = RGB(10, 20, 30);
    pColors->m_colors[COLOR_BTNSHADOW] = RGB(40, 50, 60);
    pColors->m_colors[COLOR_BTNFACE] = RGB(70, 80, 90);
    pColors->m_colors[COLOR_BTNHIGHLIGHT] = RGB(100, 110, 120);
    CBitmap arrow, disabled;
    ASSERT_TRUE(LoadSysColorBitmap(arrow, MAKEINTRESOURCEA(GX_IDB_DROPARROW)));
    ASSERT_TRUE(LoadSysColorBitmap(disabled, MAKEINTRESOURCEA(GX_IDB_DROPARROW_DISABLED)));
    EXPECT_EQ(BitmapPixel(arrow, 0, 0), RGB(10, 20, 30)) << "black";
    EXPECT_EQ(BitmapPixel(arrow, 0, 3), RGB(70, 80, 90)) << "light grey";
    EXPECT_EQ(BitmapPixel(disabled, 0, 0), RGB(40, 50, 60)) << "dark grey";
    EXPECT_EQ(BitmapPixel(disabled, 7, 1), RGB(100, 110, 120)) << "white";
    EXPECT_FALSE(LoadSysColorBitmap(arrow, MAKEINTRESOURCEA(1))) << "a missing resource";
    EXPECT_EQ(BitmapPixel(arrow, 0, 0), RGB(10, 20, 30)) << "a failed load keeps the bitmap";
}

TEST(GridRegistry, ADestroyedGridLeavesNoListBehind)
{
    GridLibraryState* pState = GXGetLibraryState();
    const size_t nKeysBefore = pState->GetGridRegistry().size();
    CGXGridParam* pParam = nullptr;
    {
        CTestGridWnd first;
        first.CreateGrid();
        pParam = first.GetParam();
        {
            CTestGridWnd second;
            second.SetParam(pParam, FALSE);
            second.CreateGrid();
            EXPECT_EQ(pState->FindFirstGridOf(pParam), static_cast<CGXGridCore*>(&first));
            EXPECT_EQ(pState->GetGridRegistry().at(pParam).size(), 2u);
        }
        EXPECT_EQ(pState->GetGridRegistry().at(pParam).size(), 1u) << "the other grid stays";
        EXPECT_EQ(pState->GetGridRegistry().size(), nKeysBefore + 4) << "parameters, properties, styles map, data";
    }
    EXPECT_EQ(pState->FindFirstGridOf(pParam), nullptr);
    EXPECT_EQ(pState->GetGridRegistry().size(), nKeysBefore);
}

TEST(ControlFactory, TableEntriesByIdAndTheStandIns)
{
    CTestGridWnd grid;
    CGXControlFactory factory;
    const struct {
        UINT nId;
        UINT nEntryId;
        const char* pszClass;
    } cases[] = {{GX_IDS_CTRL_EDIT, GX_IDS_CTRL_EDIT, "CGXEditControl"},
                 {GX_IDS_CTRL_ARROWHEADER, GX_IDS_CTRL_EDIT, "CGXEditControl"},
                 {GX_IDS_CTRL_ROWHEADER, GX_IDS_CTRL_EDIT, "CGXEditControl"},
                 {GX_IDS_CTRL_COLORWELL, GX_IDS_CTRL_EDIT, "CGXEditControl"},
                 {12345, GX_IDS_CTRL_EDIT, "CGXEditControl"},
                 {GX_IDS_CTRL_HEADER, GX_IDS_CTRL_HEADER, "CGXHeader"},
                 {GX_IDS_CTRL_CBS_TABBED_DROPDOWN, GX_IDS_CTRL_CBS_TABBED_DROPDOWN, "CGXTabbedComboBoxWnd"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nId);
        std::unique_ptr<CGXControl> pControl(factory.CreateControl(c.nId, &grid));
        auto* pPlain = dynamic_cast<CGXPlainTextControl*>(pControl.get());
        ASSERT_NE(pPlain, nullptr);
        EXPECT_EQ(pPlain->GetEntry().nId, c.nEntryId);
        EXPECT_STREQ(pPlain->GetEntry().pszClass, c.pszClass);
        EXPECT_FALSE(pPlain->IsActive());
        EXPECT_TRUE(pPlain->IsKindOf(&CGXControl::classRecord));
    }
    EXPECT_EQ(factory.CreateControl(GX_IDS_CTRL_OLE_PREVIEW, &grid), nullptr) << "not a browser grid";

    // the data of a few entries
    EXPECT_EQ(GXFindControlEntry(GX_IDS_CTRL_ONEBASED_EX).adwArgs[2], 24u);
    EXPECT_EQ(GXFindControlEntry(GX_IDS_CTRL_ZEROBASED_EX).adwArgs[2], 20u);
    EXPECT_EQ(GXFindControlEntry(GX_IDS_CTRL_CBS_DROPDOWN).dwWndStyle,
              DWORD(WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL));
    EXPECT_TRUE(GXFindControlEntry(GX_IDS_CTRL_EDIT).bCellTip);
    EXPECT_FALSE(GXFindControlEntry(GX_IDS_CTRL_SCROLLEDIT).bCellTip);
    EXPECT_EQ(GXFindControlEntry(GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST, TRUE).nId, UINT(GX_IDS_CTRL_TABBED_COMBOBOX))
        << "Win32s";
    std::set<UINT> ids;
    for (size_t i = 0; i < GXControlTableSize; ++i)
        EXPECT_TRUE(ids.insert(GXControlTable[i].nId).second) << "id " << GXControlTable[i].nId << " twice";
    EXPECT_EQ(ids, std::set<UINT>(GXRegisteredControlIds, GXRegisteredControlIds + GXRegisteredControlIdCount))
        << "the table makes exactly the registered controls";

    // a grid whose factory gives no control for an id answers with its default control
    grid.CreateGrid();
    CGXControl* pDefault = grid.GetDefaultControl();
    ASSERT_NE(pDefault, nullptr);
    EXPECT_EQ(grid.GetRegisteredControl(GX_IDS_CTRL_OLE_PREVIEW), pDefault);
    EXPECT_EQ(grid.GetRegisteredControl(GX_IDS_CTRL_EDIT), pDefault) << "the Standard style's control";
}

TEST(ControlFactory, RegistersTheControlNamesAndKeepsFirstAttributes)
{
    CGXControlFactory factory;
    CGXStylesMap stylesMap;
    factory.RegisterAllControls(stylesMap);
    factory.RegisterAllControls(stylesMap);
    EXPECT_EQ(GXRegisteredControlIdCount, 37u);
    EXPECT_EQ(stylesMap.GetControlNames().size(), 37u);
    EXPECT_STREQ(stylesMap.GetControlName(GX_IDS_CTRL_CURRENCY), "Currency control");
    EXPECT_STREQ(stylesMap.GetControlName(GX_IDS_CTRL_OLE_PREVIEW), "Dao object preview control");

    CGXStyle mine;
    mine.SetControl(GX_IDS_CTRL_STATIC);
    stylesMap.AddUserAttribute(GX_IDS_UA_VALID_MSG, &mine);
    factory.RegisterAllUserAttributes(stylesMap);
    const auto& attributes = stylesMap.GetUserAttributes();
    // the library's ids with a name, 52570 and 52792
    EXPECT_EQ(attributes.size(), GXLibraryUserAttributeIdCount + 2);
    EXPECT_EQ(attributes.at(GX_IDS_UA_VALID_MSG)->pStyle->GetControl(), GX_IDS_CTRL_STATIC) << "kept";
    EXPECT_FALSE(attributes.at(GX_IDS_UA_VALID_MSG)->pStyle->GetIncludeWrapText());
    EXPECT_EQ(attributes.at(GX_IDS_UA_VALID_MIN)->pStyle->GetControl(), GX_IDS_CTRL_SPINEDIT);
    EXPECT_STREQ(attributes.at(GX_IDS_UA_VALID_MAX)->strName, "Valid: Max. Value");
    EXPECT_TRUE(attributes.at(GX_IDS_UA_TOOLTIPTEXT)->pStyle->GetAutoSize());
    EXPECT_EQ(attributes.at(GX_IDS_UA_RTLREADING)->pStyle->GetHorizontalAlignment(), UINT(DT_CENTER));
    const CGXStyle& ellipsis = *attributes.at(GX_IDS_UA_ELLIPSISTYPE)->pStyle;
    EXPECT_EQ(ellipsis.GetControl(), GX_IDS_CTRL_CBS_DROPDOWNLIST);
    EXPECT_STREQ(ellipsis.GetChoiceListRef(), "No ellipse\nDotted....\nPound###");
}

TEST(ControlFactory, InstallersMakeEachModuleOnce)
{
    CreatorsGuard creators;
    GridLibraryState* pState = GXGetLibraryState();
    WithModule<CGXAbstractLongOperationImp> longOp(pState->m_pLongOperationImp, nullptr);
    WithModule<CGXAbstractDateTimeImp> dateTime(pState->m_pDateTimeImp, nullptr);

    // without creators the steps of the grid operations' modules make nothing
    const size_t nBefore = pState->GetSingletonCount();
    pState->m_pControlFactory->InitializeApplicationComponents();
    EXPECT_EQ(pState->GetSingletonCount(), nBefore);
    EXPECT_EQ(pState->m_pLongOperationImp, nullptr);

    pState->m_moduleCreators.pfnLongOperation = [] { return static_cast<CGXAbstractLongOperationImp*>(new FakeLongOperation); };
    pState->m_moduleCreators.pfnOleDateTime = [] { return static_cast<CGXAbstractDateTimeImp*>(new KindedDateTime(1)); };
    pState->m_moduleCreators.pfnNoOleDateTime = [] { return static_cast<CGXAbstractDateTimeImp*>(new KindedDateTime(2)); };
    InstallGlobalLongOperationImp();
    CGXAbstractLongOperationImp* pFirst = pState->m_pLongOperationImp;
    ASSERT_NE(pFirst, nullptr);
    InstallGlobalLongOperationImp();
    EXPECT_EQ(pState->m_pLongOperationImp, pFirst);
    EXPECT_EQ(pState->GetSingletonCount(), nBefore + 1);

    // the OLE date/time module is installed first and stays
    pState->m_pControlFactory->InitializeApplicationComponents();
    ASSERT_NE(pState->m_pDateTimeImp, nullptr);
    EXPECT_EQ(static_cast<KindedDateTime*>(pState->m_pDateTimeImp)->m_nKind, 1);
    EXPECT_EQ(pState->GetSingletonCount(), nBefore + 2);
    RefreshLocaleSettings();
    EXPECT_EQ(static_cast<KindedDateTime*>(pState->m_pDateTimeImp)->calls, std::vector<std::string>{"RefreshLocaleInfo()"});
}

TEST(ControlFactory, AttachStepsMakeEachModuleOnceAndTheGridDeletesIt)
{
    CreatorsGuard creators;
    GXGridModuleCreators& c = GXGetLibraryState()->m_gridModuleCreators;
    c.pfnFindReplace = &Counted<FakeFindReplaceImp, CGXAbstractGridFindReplaceImp>::Create;
    c.pfnHideCells = &Counted<FakeHideCellsImp, CGXAbstractGridHideCellsImp>::Create;
    c.pfnResizeToFit = &Counted<FakeResizeToFitImp, CGXAbstractGridResizeToFitImp>::Create;
    c.pfnUpdateHint = &Counted<FakeUpdateHintImp, CGXAbstractGridUpdateHintImp>::Create;
    c.pfnCommandFactory = &Counted<FakeCommandFactory, CGXAbstractCommandFactory>::Create;
    c.pfnSort = &Counted<FakeSortImp, CGXAbstractGridSortImp>::Create;
    c.pfnOldDrawing = &Counted<FakeOldDrawingImp, CGXAbstractGridOldDrawingImp>::Create;
    c.pfnCoveredCells = &Counted<FakeCoveredCellsImp, CGXAbstractGridCoveredCellsImp>::Create;
    c.pfnMergeCells = &Counted<FakeMergeCellsImp, CGXAbstractGridMergeCellsImp>::Create;
    c.pfnFloatCells = &Counted<FakeFloatCellsImp, CGXAbstractGridFloatCellsImp>::Create;
    c.pfnPrint = &Counted<FakePrintImp, CGXAbstractGridPrintImp>::Create;
    c.pfnUserSelectRange = &Counted<FakeUserSelectRangeImp, CGXAbstractGridUserSelectRangeImp>::Create;
    c.pfnExcelLikeFrame = &Counted<FakeExcelLikeFrameImp, CGXAbstractGridExcelLikeFrameImp>::Create;
    c.pfnUserDragSelectRange = &Counted<FakeUserDragSelectRangeImp, CGXAbstractGridUserDragSelectRangeImp>::Create;
    c.pfnUserResizeCells = &Counted<FakeUserResizeCellsImp, CGXAbstractGridUserResizeCellsImp>::Create;
    c.pfnOptimizedUpdate = &Counted<FakeOptimizedUpdateImp, CGXAbstractGridOptimizedUpdateImp>::Create;
    c.pfnMarkEditHeader = &Counted<FakeMarkEditHeaderImp, CGXAbstractGridMarkEditHeaderImp>::Create;
    c.pfnFreezeMenuHelper = &Counted<FakeFreezeMenuHelperImp, CGXAbstractGridFreezeMenuHelperImp>::Create;
    c.pfnDirectCopyMoveCells = &Counted<FakeDirectCopyMoveCellsImp, CGXAbstractGridDirectCopyMoveCellsImp>::Create;
    c.pfnTextDataExchange = &Counted<FakeTextDataExchangeImp, CGXAbstractGridTextDataExchangeImp>::Create;
    c.pfnStyleDataExchange = &Counted<FakeStyleDataExchangeImp, CGXAbstractGridStyleDataExchangeImp>::Create;
    c.pfnCutPaste = &Counted<FakeCutPasteImp, CGXAbstractGridCutPasteImp>::Create;
    c.pfnClearCells = &Counted<FakeClearCellsImp, CGXAbstractGridClearCellsImp>::Create;
    c.pfnExcelLikeFill = &Counted<FakeExcelLikeFillImp, CGXAbstractGridExcelLikeFillImp>::Create;
    c.pfnAutoScrollPlugin = [](CGXGridCore*) -> CGXPluginComponent* { return new CountedPlugin; };

    const int nPluginsBefore = CountedPlugin::s_nMade;
    {
        CTestGridWnd grid;
        const void* modules[] = {grid.m_pFindReplaceImp, grid.m_pHideCellsImp, grid.m_pResizeToFitImp,
                                 grid.m_pUpdateHintImp, grid.m_pCommandFactory, grid.m_pSortImp,
                                 grid.m_pOldDrawingImp, grid.m_pCoveredCellsImp, grid.m_pMergeCellsImp,
                                 grid.m_pFloatCellsImp, grid.m_pPrintImp, grid.m_pUserSelectRangeImp,
                                 grid.m_pExcelLikeFrameImp, grid.m_pUserDragSelectRangeImp,
                                 grid.m_pUserResizeCellsImp, grid.m_pOptimizedUpdateImp, grid.m_pMarkEditHeaderImp,
                                 grid.m_pFreezeMenuHelperImp, grid.m_pDirectCopyMoveCellsImp,
                                 grid.m_pTextDataExchangeImp, grid.m_pStyleDataExchangeImp, grid.m_pCutPasteImp,
                                 grid.m_pClearCellsImp, grid.m_pExcelLikeFillImp, grid.m_pAutoScrollPlugin};
        for (size_t i = 0; i < sizeof modules / sizeof modules[0]; ++i)
            EXPECT_NE(modules[i], nullptr) << "module " << i;
        // the engine's modules that the others' attach steps bring along
        EXPECT_NE(grid.m_pDrawSpannedCellsImp, nullptr);
        EXPECT_NE(grid.m_pCalcSizeImp, nullptr);
        EXPECT_NE(grid.m_pMoveRowsColsImp, nullptr);

        CGXAbstractGridFindReplaceImp* pFind = grid.m_pFindReplaceImp;
        grid.AttachFindReplaceImp();
        grid.AttachAutoScrollPlugin();
        EXPECT_EQ(grid.m_pFindReplaceImp, pFind);
        EXPECT_EQ((Counted<FakeFindReplaceImp, CGXAbstractGridFindReplaceImp>::s_nMade), 1);
        EXPECT_EQ(CountedPlugin::s_nMade, nPluginsBefore + 1);
    }
    EXPECT_EQ((Counted<FakeFindReplaceImp, CGXAbstractGridFindReplaceImp>::s_nDeleted), 1);
    EXPECT_EQ((Counted<FakeExcelLikeFrameImp, CGXAbstractGridExcelLikeFrameImp>::s_nDeleted), 1);
    EXPECT_EQ((Counted<FakeExcelLikeFillImp, CGXAbstractGridExcelLikeFillImp>::s_nDeleted), 1);
    EXPECT_EQ(CountedPlugin::s_nDeleted, CountedPlugin::s_nMade) << "the grid frees the plug-in it made";
}

namespace {
// A window class whose windows may hold grid views.
class CHolderWnd : public CWnd {
    DECLARE_DYNAMIC(CHolderWnd)
};
IMPLEMENT_DYNAMIC(CHolderWnd, CWnd)
}  // namespace

TEST(LibraryStartup, FindsTheRegisteredParentOfAView)
{
    CHolderWnd holder;
    ASSERT_TRUE(holder.CreateEx(0, AfxRegisterWndClass(0), "holder", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr));
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, "view", WS_CHILD, CRect(0, 0, 50, 50), &holder, 1));
    GridLibraryState* pState = GXGetLibraryState();
    EXPECT_EQ(pState->FindRegisteredParent(&child), nullptr) << "not listed yet";
    pState->AddParentClass(RUNTIME_CLASS(CHolderWnd));
    pState->AddParentClass(RUNTIME_CLASS(CHolderWnd));
    EXPECT_EQ(pState->FindRegisteredParent(&child), static_cast<CWnd*>(&holder));
    EXPECT_EQ(FindParentOfClass(&holder, RUNTIME_CLASS(CHolderWnd), TRUE), nullptr) << "no parent";

    holder.ShowWindow(SW_SHOWMINNOACTIVE);  // other test programs share the display: take no focus
    ASSERT_TRUE(holder.IsIconic());
    EXPECT_EQ(FindParentOfClass(&child, RUNTIME_CLASS(CHolderWnd), FALSE), nullptr) << "minimised";
    EXPECT_EQ(FindParentOfClass(&child, RUNTIME_CLASS(CHolderWnd), TRUE), static_cast<CWnd*>(&holder));
}

namespace {
const UINT WM_TEMPLATE_PING = WM_APP + 20;

// A window class that a dialog template may name: its window gets its object on its first message.
class CTemplateWnd : public CWnd {
    DECLARE_DYNCREATE(CTemplateWnd)
public:
    static int s_nCreated;
    CTemplateWnd() { ++s_nCreated; }
    void PostNcDestroy() override { delete this; }

protected:
    LRESULT OnPing(WPARAM wParam, LPARAM) { return LRESULT(wParam) + 1; }
    DECLARE_MESSAGE_MAP()
};
int CTemplateWnd::s_nCreated = 0;
IMPLEMENT_DYNCREATE(CTemplateWnd, CWnd)
BEGIN_MESSAGE_MAP(CTemplateWnd, CWnd)
ON_MESSAGE(WM_TEMPLATE_PING, OnPing)
END_MESSAGE_MAP()
}  // namespace

TEST(ControlFactory, WindowClassesMakeTheObjectOfTheirName)
{
    const HINSTANCE hInstance = AfxGetInstanceHandle();
    ASSERT_TRUE(GXRegisterObjectWndClass(hInstance, "CTemplateWnd"));
    HWND hWnd = ::CreateWindowExA(0, "CTemplateWnd", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, hInstance, nullptr);
    ASSERT_NE(hWnd, nullptr);
    EXPECT_EQ(CTemplateWnd::s_nCreated, 1);
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    ASSERT_NE(pWnd, nullptr);
    EXPECT_TRUE(pWnd->IsKindOf(RUNTIME_CLASS(CTemplateWnd)));
    EXPECT_EQ(::SendMessageA(hWnd, WM_TEMPLATE_PING, 41, 0), 42) << "its messages reach the object's table";
    ::DestroyWindow(hWnd);

    // a name the system refuses: the registration raises the resource exception
    const std::string strTooLong(300, 'W');
    EXPECT_TRUE(Throws<CResourceException>([&] { GXRegisterObjectWndClass(hInstance, strTooLong.c_str()); }));

    // the grid window's class has no object yet: the window works without one
    HWND hGrid = ::CreateWindowExA(0, "CGXGridWnd", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, hInstance, nullptr);
    ASSERT_NE(hGrid, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hGrid), nullptr);
    ::DestroyWindow(hGrid);
}
