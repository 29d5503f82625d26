// The plumbing between the grid engine and its operation modules and cell controls: the creators with
// the attach steps that bring other modules along, the forwarders the engine's own table leaves out,
// the base answers of the hooks, the routes of a control's notifications, colours and clicks, the
// pop-up-opening flag, and the control factory's makers.
#include "grid/controls/GXControls.h"
#include "grid/engine/GXGridWnd.h"
#include "grid/ops/GXOperations.h"
#include "input_test_support.h"

#include "win/CComboBox.h"
#include "win/CEdit.h"

#include <string>
#include <vector>

GX_IMPLEMENT_CONTROL(CTestControl, CGXControl)

namespace {

// Creators of fake modules for every per-grid kind.
GXGridModuleCreators FakeCreators()
{
    GXGridModuleCreators c;
    c.pfnFindReplace = [] { return static_cast<CGXAbstractGridFindReplaceImp*>(new FakeFindReplaceImp); };
    c.pfnHideCells = [] { return static_cast<CGXAbstractGridHideCellsImp*>(new FakeHideCellsImp); };
    c.pfnResizeToFit = [] { return static_cast<CGXAbstractGridResizeToFitImp*>(new FakeResizeToFitImp); };
    c.pfnSort = [] { return static_cast<CGXAbstractGridSortImp*>(new FakeSortImp); };
    c.pfnCoveredCells = [] { return static_cast<CGXAbstractGridCoveredCellsImp*>(new FakeCoveredCellsImp); };
    c.pfnMergeCells = [] { return static_cast<CGXAbstractGridMergeCellsImp*>(new FakeMergeCellsImp); };
    c.pfnFloatCells = [] { return static_cast<CGXAbstractGridFloatCellsImp*>(new FakeFloatCellsImp); };
    c.pfnUserSelectRange = [] { return static_cast<CGXAbstractGridUserSelectRangeImp*>(new FakeUserSelectRangeImp); };
    c.pfnExcelLikeFrame = [] { return static_cast<CGXAbstractGridExcelLikeFrameImp*>(new FakeExcelLikeFrameImp); };
    c.pfnUserDragSelectRange = [] {
        return static_cast<CGXAbstractGridUserDragSelectRangeImp*>(new FakeUserDragSelectRangeImp);
    };
    c.pfnExcelLikeFill = [] { return static_cast<CGXAbstractGridExcelLikeFillImp*>(new FakeExcelLikeFillImp); };
    c.pfnDirectCopyMoveCells = [] {
        return static_cast<CGXAbstractGridDirectCopyMoveCellsImp*>(new FakeDirectCopyMoveCellsImp);
    };
    return c;
}

// What one attach step alone brings: the modules of a grid made with no creators, after the step ran
// with a creator for every kind.
struct Attached {
    BOOL bSelect, bFrame, bFill, bDrag, bMoveRows, bSpanned, bCalcSize;
};
Attached AttachAlone(void (CGXGridCore::*pfnAttach)())
{
    CreatorsGuard guard;
    GXGetLibraryState()->m_gridModuleCreators = GXGridModuleCreators();
    CTestGridWnd grid;
    GXGetLibraryState()->m_gridModuleCreators = FakeCreators();
    (grid.*pfnAttach)();
    return {grid.m_pUserSelectRangeImp != nullptr,     grid.m_pExcelLikeFrameImp != nullptr,
            grid.m_pExcelLikeFillImp != nullptr,       grid.m_pUserDragSelectRangeImp != nullptr,
            grid.m_pMoveRowsColsImp != nullptr,        grid.m_pDrawSpannedCellsImp != nullptr,
            grid.m_pCalcSizeImp != nullptr};
}

std::string Text(const Attached& a)
{
    std::string text;
    auto add = [&](BOOL b, const char* psz) {
        if (b)
            text += text.empty() ? psz : std::string(" ") + psz;
    };
    add(a.bSelect, "select");
    add(a.bFrame, "frame");
    add(a.bFill, "fill");
    add(a.bDrag, "drag");
    add(a.bMoveRows, "move-rows");
    add(a.bSpanned, "spanned");
    add(a.bCalcSize, "size");
    return text;
}

}  // namespace

TEST(Creators, AnAttachStepBringsTheModulesItWorksWith)
{
    struct Case {
        void (CGXGridCore::*pfnAttach)();
        const char* pszExpected;
    };
    const Case cases[] = {
        {&CGXGridCore::AttachUserDragSelectRangeImp, "select drag move-rows"},
        {&CGXGridCore::AttachExcelLikeFrameImp, "select frame"},
        {&CGXGridCore::AttachExcelLikeFillImp, "select frame fill"},
        {&CGXGridCore::AttachCoveredCellsImp, "spanned"},
        {&CGXGridCore::AttachMergeCellsImp, "spanned"},
        {&CGXGridCore::AttachFloatCellsImp, "spanned size"},
        {&CGXGridCore::AttachResizeToFitImp, "size"},
        {&CGXGridCore::AttachUserSelectRangeImp, "select"},
        {&CGXGridCore::AttachSortImp, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Text(AttachAlone(c.pfnAttach)), c.pszExpected);
}

TEST(Creators, CoveredMergedAndFloatingCellsShareOneSpannedCellModule)
{
    CreatorsGuard guard;
    GridLibraryState* pState = GXGetLibraryState();
    pState->m_gridModuleCreators = FakeCreators();
    CTestGridWnd grid;
    CGXAbstractDrawSpannedCellsImp* pSpanned = grid.m_pDrawSpannedCellsImp;
    ASSERT_NE(pSpanned, nullptr);
    grid.AttachCoveredCellsImp();
    grid.AttachMergeCellsImp();
    grid.AttachFloatCellsImp();
    EXPECT_EQ(grid.m_pDrawSpannedCellsImp, pSpanned);
}

TEST(Creators, TheOperationsTableGivesEveryGridItsSortModuleAndTheSortMoveModule)
{
    CreatorsGuard guard;
    GXRegisterGridOperations();
    CTestGridWnd grid;
    grid.CreateGrid(4, 4);
    EXPECT_NE(grid.m_pSortImp, nullptr);
    EXPECT_NE(GXGetLibraryState()->m_pSortMoveDataImp, nullptr);
}

TEST(Binding, TheDataObjectHandsTheSortedBlockAndItsMapToTheSortMoveModule)
{
    FakeSortMoveDataImp module;
    WithModule<CGXAbstractGridSortMoveDataImp> installed(GXGetLibraryState()->m_pSortMoveDataImp, &module);
    CGXData data;
    const CGXCellRange range(3, 1, 6, 4);
    CDWordArray map;
    map.Add(2);
    EXPECT_TRUE(data.ReorderRowsAfterSort(range, map));
    EXPECT_TRUE(data.ReorderColsAfterSort(range, map));
    EXPECT_EQ(module.calls, (std::vector<std::string>{Call("ReorderRowsAfterSort", AddressText(&data), range, map),
                                                      Call("ReorderColsAfterSort", AddressText(&data), range, map)}));
}

namespace {

// A menu item's update object that notes its enabled state.
class CNotedCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn = TRUE) override { m_nEnabled = bOn; }
    int m_nEnabled = -1;
};

}  // namespace

TEST(Binding, TheUndoMenuItemsTakeTheUpdateObjectAndAnswerTheEnabledState)
{
    CTestGridWnd grid;
    grid.CreateGrid(2, 2);
    grid.m_pCommandFactory = nullptr;
    CNotedCmdUI undo, redo;
    EXPECT_FALSE(grid.GetUndoMenuText(&undo));
    EXPECT_FALSE(grid.GetRedoMenuText(&redo));
    EXPECT_EQ(undo.m_nEnabled, FALSE) << "without a factory nothing can be undone";
    EXPECT_EQ(redo.m_nEnabled, FALSE);

    FakeCommandFactory factory;
    WithModule<CGXAbstractCommandFactory> installed(grid.m_pCommandFactory, &factory);
    EXPECT_TRUE(grid.GetUndoMenuText(&undo));
    EXPECT_EQ(factory.calls, std::vector<std::string>{Call("OnUpdateEditUndo", static_cast<CGXGridCore*>(&grid),
                                                           static_cast<CCmdUI*>(&undo))});
}

namespace {

// A grid whose hooks refuse, counting the refusals.
class CRefusingGrid : public CTestGridWnd {
public:
    BOOL ApproveDropRows(ROWCOL, ROWCOL, ROWCOL) override { return ++m_nAsked, FALSE; }
    BOOL OnDeleteCell(ROWCOL, ROWCOL) override { return ++m_nAsked, FALSE; }
    int m_nAsked = 0;
};

}  // namespace

TEST(Hooks, EachHasItsBaseAnswerAndADerivedGridsOverrideIsAsked)
{
    CTestGridWnd grid;
    grid.CreateGrid(4, 4);
    CGXGridCore& g = grid;
    const CGXCellRange range(1, 1, 2, 2);
    struct Hook {
        const char* pszName;
        BOOL bAnswer;
    };
    const Hook hooks[] = {
        {"ApproveRowResizeStart", g.ApproveRowResizeStart(1)},
        {"ApproveColResizeStart", g.ApproveColResizeStart(1)},
        {"ApproveRowHeightTracking", g.ApproveRowHeightTracking(1, 20)},
        {"ApproveColWidthTracking", g.ApproveColWidthTracking(1, 20)},
        {"ApproveRowHeightEnd", g.ApproveRowHeightEnd(1, 20)},
        {"ApproveColWidthEnd", g.ApproveColWidthEnd(1, 20)},
        {"ApproveDropRows", g.ApproveDropRows(1, 2, 4)},
        {"ApproveDropCols", g.ApproveDropCols(1, 2, 4)},
        {"ApproveMoveRows", g.ApproveMoveRows(1, 2, 4)},
        {"ApproveMoveCols", g.ApproveMoveCols(1, 2, 4)},
        {"CanStartFill", g.CanStartFill(range, MK_LBUTTON, CPoint(3, 3))},
        {"CanFillRange", g.CanFillRange(range, range)},
        {"ApproveSelectionChange", g.ApproveSelectionChange(&range, 1, 0)},
        {"ApproveCellSelection", g.ApproveCellSelection(1, 1, 0, 3, 3)},
        {"OnStartEditing", g.OnStartEditing(1, 1)},
        {"OnCancelEditing", g.OnCancelEditing(1, 1)},
        {"OnValidateCell", g.OnValidateCell(1, 1)},
        {"OnValidateInput", g.OnValidateInput(1, 1)},
        {"OnDeleteCell", g.OnDeleteCell(1, 1)},
        {"OnLeftCell", g.OnLeftCell(1, 1, 2, 2)},
        {"OnMouseOverCell", !g.OnMouseOverCell(1, 1, 0, CPoint(3, 3))},
    };
    for (const Hook& h : hooks)
        EXPECT_TRUE(h.bAnswer) << h.pszName;

    // the control base's reserved answers
    CTestControl control(&grid);
    int nResult = 7;
    EXPECT_FALSE(control.IsCoveredCellUnit());
    EXPECT_FALSE(control.OnCommand(MAKEWPARAM(1, EN_CHANGE), 0));
    EXPECT_FALSE(control.OnGridMouseActivate(nullptr, HTCLIENT, WM_LBUTTONDOWN, nResult));
    EXPECT_EQ(nResult, 7);
    EXPECT_FALSE(control.MarkEditHeader(0, 1, 0)) << "no mark-edit-header module";

    // a derived grid's answer is the one the modules and controls get
    CRefusingGrid refusing;
    refusing.CreateGrid(4, 4);
    CGXGridCore& r = refusing;
    EXPECT_FALSE(r.ApproveDropRows(1, 2, 4));
    CTestControl asking(&refusing);
    asking.Init(1, 1);
    EXPECT_FALSE(asking.OnEndEditing()) << "Delete may not empty the cell";
    EXPECT_EQ(refusing.m_nAsked, 2);
}

namespace {

// A test control that notes what the grid routes to it.
class CRoutedControl : public CTestControl {
    GX_DECLARE_CONTROL(CRoutedControl)
public:
    explicit CRoutedControl(CGXGridCore* pGrid) : CTestControl(pGrid) {}
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_commands.push_back({wParam, lParam});
        return TRUE;
    }
    BOOL OnGridCtlColor(CDC*, CWnd* pWnd, UINT nCtlColor, HBRUSH&) override
    {
        m_colours.push_back({pWnd != nullptr ? pWnd->m_hWnd : nullptr, nCtlColor});
        return FALSE;
    }
    BOOL IsCoveredCellUnit() override { return m_bUnit; }
    BOOL OnLButtonUp(UINT nFlags, CPoint point) override
    {
        ++m_nReleases;
        return CTestControl::OnLButtonUp(nFlags, point);
    }
    BOOL ValidateString(const CString& strText) override { return strText != "bad"; }
    void OnInvalidInput(const CString& strText) override { m_strInvalid = strText; }

    std::vector<std::pair<WPARAM, LPARAM>> m_commands;
    std::vector<std::pair<HWND, UINT>> m_colours;
    BOOL m_bUnit = FALSE;
    int m_nReleases = 0;
    CString m_strInvalid;
};
GX_IMPLEMENT_CONTROL(CRoutedControl, CTestControl)

// A grid window in a shown parent, its cells drawn by a CRoutedControl, (1, 1) current and active.
struct RoutedGrid {
    CFakeServices services;
    CWnd parent;
    CGXGridWnd grid;
    CRoutedControl* pControl = nullptr;
    RoutedGrid()
    {
        ReleaseModifierKeys(services);
        parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                        nullptr, nullptr);
        grid.Create("CGXGridWnd", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 250), &parent, 1);
        grid.Initialize();
        grid.GetParam()->GetData()->SetRowCount(10);
        grid.GetParam()->GetData()->SetColCount(5);
        pControl = new CRoutedControl(&grid);
        grid.RegisterControl(GX_IDS_CTRL_EDIT, pControl, TRUE);
        grid.SetFocus();
        grid.SetCurrentCell(1, 1);
        pControl->SetActive(TRUE);
    }
};

}  // namespace

TEST(ControlRoutes, AChildsCommandReachesTheCurrentCellsControlUnchanged)
{
    RoutedGrid r;
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 30), &r.grid, 7));
    edit.SetWindowText("typed");  // the edit tells its parent, the grid: EN_CHANGE
    ASSERT_FALSE(r.pControl->m_commands.empty());
    EXPECT_EQ(r.pControl->m_commands.back().first, WPARAM(MAKEWPARAM(7, EN_CHANGE)));
    EXPECT_EQ(r.pControl->m_commands.back().second, LPARAM(edit.m_hWnd));
}

TEST(ControlRoutes, ADroppedListsColoursGoToTheCurrentCellsControl)
{
    RoutedGrid r;
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 110, 120), &r.grid, 8));
    combo.AddString("one");
    combo.AddString("two");
    combo.ShowDropDown(TRUE);
    combo.UpdateWindow();
    COMBOBOXINFO info = {sizeof info};
    ASSERT_TRUE(::GetComboBoxInfo(combo.m_hWnd, &info));
    ::RedrawWindow(info.hwndList, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    combo.ShowDropDown(FALSE);
    BOOL bListColours = FALSE;
    for (const auto& colour : r.pControl->m_colours)
        bListColours |= colour.second == CTLCOLOR_LISTBOX;
    EXPECT_TRUE(bListColours);
}

TEST(ControlRoutes, AControlThatTakesItsCoveredBlockAsOneGetsAClickAnywhereInIt)
{
    CFakeServices services;
    ReleaseModifierKeys(services);
    OneSpanCoveredCells covered(CGXCellRange(2, 2, 4, 3));  // three rows by two columns
    for (const BOOL bUnit : {FALSE, TRUE}) {
        CInputGridWnd grid;
        grid.CreateInputGrid(10, 6);
        WithModule<CGXAbstractGridCoveredCellsImp> installed(grid.m_pCoveredCellsImp, &covered);
        auto* pControl = new CRoutedControl(&grid);
        pControl->m_bUnit = bUnit;
        grid.RegisterControl(GX_IDS_CTRL_EDIT, pControl, TRUE);
        const CPoint point = grid.CalcRangeRect(4, 3, 4, 3).CenterPoint();  // the block's last cell
        Mouse(grid, WM_LBUTTONDOWN, point.x, point.y, MK_LBUTTON);
        Mouse(grid, WM_LBUTTONUP, point.x, point.y, 0);
        EXPECT_EQ(grid.Current(), "2,2");
        EXPECT_EQ(pControl->m_nReleases, bUnit ? 1 : 0) << "unit " << bUnit;
        grid.m_pCoveredCellsImp = nullptr;
    }
}

TEST(ControlRoutes, ATextTheControlRefusesIsReportedToIt)
{
    CTestGridWnd grid;
    grid.CreateGrid(4, 4);
    CRoutedControl control(&grid);
    control.Init(1, 1);
    control.SetActive(TRUE);
    control.SetModify(TRUE);
    control.SetCurrentText("bad");
    EXPECT_FALSE(control.ValidateInput());
    EXPECT_STREQ(control.m_strInvalid, "bad");
}

TEST(PopupOpening, TheGridKeepsItsControlActiveWhileACellOpensItsPopup)
{
    for (const WORD wOpening : {WORD(1), WORD(0)}) {
        RoutedGrid r;
        CEdit popup;
        ASSERT_TRUE(popup.Create(WS_CHILD | WS_VISIBLE, CRect(310, 10, 390, 30), &r.parent, 9));
        ASSERT_TRUE(r.grid.HasFocus());
        GXGetLibraryState()->SetGlobalWord(wOpening);
        popup.SetFocus();
        GXGetLibraryState()->SetGlobalWord(0);
        EXPECT_TRUE(r.pControl->IsActive());
        EXPECT_EQ(r.grid.HasFocus(), wOpening != 0) << "without the flag the grid lets the focus go";
    }
}

namespace {

// The order in which the makers' user-attribute steps ran.
std::vector<std::string>& Steps()
{
    static std::vector<std::string> s_steps;
    return s_steps;
}

// A control class the factory makes for "CGXStatic".
class CMadeStatic : public CTestControl {
    GX_DECLARE_CONTROL(CMadeStatic)
public:
    explicit CMadeStatic(CGXGridCore* pGrid) : CTestControl(pGrid) {}
};
GX_IMPLEMENT_CONTROL(CMadeStatic, CTestControl)

}  // namespace

TEST(ControlFactoryMakers, ALandedClassIsMadeAndItsStepRunsOnceAfterTheLibrarysIds)
{
    CTestGridWnd grid;
    grid.CreateGrid(2, 2);
    CGXControlFactory factory;
    factory.RegisterControlMaker(
        {"CGXStatic", [](CGXGridCore* pGrid, const GXControlEntry&) -> CGXControl* { return new CMadeStatic(pGrid); },
         nullptr});
    std::unique_ptr<CGXControl> pStatic(factory.CreateControl(GX_IDS_CTRL_STATIC, &grid));
    ASSERT_NE(pStatic, nullptr);
    EXPECT_TRUE(pStatic->IsKindOf(&CMadeStatic::classRecord));
    EXPECT_NE(pStatic->GetCellTip(), nullptr) << "its entry has a tip";
    std::unique_ptr<CGXControl> pPush(factory.CreateControl(GX_IDS_CTRL_PUSHBTN, &grid));
    EXPECT_TRUE(pPush->IsKindOf(&CGXPlainTextControl::classRecord)) << "not landed: the stand-in";

    // the steps: those the library knows in its order (spin edit before currency), then the others
    // the steps: those the library knows in its order (spin edit before currency), then the others; the
    // library's ids come first and a class's own registration before the plain one
    factory.RegisterControlMaker({"CGXCurrencyEdit", nullptr, [](CGXStylesMap& m) {
                                      Steps().push_back("currency");
                                      CGXStyle style;
                                      style.SetControl(GX_IDS_CTRL_MASKEDIT);
                                      m.AddUserAttribute(51046, &style);
                                  }});
    factory.RegisterControlMaker({"CGXMine", nullptr, [](CGXStylesMap&) { Steps().push_back("mine"); }});
    factory.RegisterControlMaker({"CGXSpinEdit", nullptr, [](CGXStylesMap& m) {
                                      Steps().push_back("spin");
                                      CGXStyle style;
                                      style.SetControl(GX_IDS_CTRL_STATIC);
                                      m.AddUserAttribute(GX_IDS_UA_VALID_MIN, &style);
                                  }});
    Steps().clear();
    CGXStylesMap stylesMap;
    factory.RegisterAllUserAttributes(stylesMap);
    EXPECT_EQ(Steps(), (std::vector<std::string>{"spin", "currency", "mine"}));
    const auto& attributes = stylesMap.GetUserAttributes();
    EXPECT_EQ(attributes.at(GX_IDS_UA_VALID_MIN)->pStyle->GetControl(), GX_IDS_CTRL_SPINEDIT);
    ASSERT_NE(attributes.at(51046)->pStyle, nullptr);
    EXPECT_EQ(attributes.at(51046)->pStyle->GetControl(), GX_IDS_CTRL_MASKEDIT);
    EXPECT_EQ(attributes.count(52571), 1u) << "a library id no class registered yet";

    factory.RegisterAllUserAttributes(stylesMap);
    EXPECT_EQ(Steps().size(), 6u) << "each step once per run";
    EXPECT_EQ(attributes.at(51046)->pStyle->GetControl(), GX_IDS_CTRL_MASKEDIT) << "kept";
}

TEST(ControlFactoryMakers, EveryClassOfTheControlTableHasItsMaker)
{
    GXRegisterCellControls();
    CGXControlFactory* pFactory = GXGetControlFactory();
    ASSERT_NE(pFactory, nullptr);
    // no control id is left to the stand-in control
    for (size_t i = 0; i < GXControlTableSize; ++i) {
        const GXControlMaker* pMaker = pFactory->FindControlMaker(GXControlTable[i].pszClass);
        EXPECT_TRUE(pMaker != nullptr && pMaker->pfnCreate != nullptr) << GXControlTable[i].pszClass;
    }
}
