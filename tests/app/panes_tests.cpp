// The alternatives pane and the reference-ranking pane of the main window, with the alternative's
// property sheet, the rank dialog and the credibility dialog: layout, adding and removing, the
// reference ranking by menu and by dragging, and what each change does to the project.
// the standard headers before windows.h, which defines min and max as macros
#include <string>
#include <vector>

#include "PaneTestSupport.h"

#include "app/ZQGridView.h"
#include "app/ZQUncertaintyDlg.h"
#include "res/resource.h"

namespace {

const int kAddAlternative = 203;
const int kRemoveAlternative = 204;
const int kAddRank = 211;
const int kRemoveRank = 212;

class Panes : public PanesFixture {
protected:
    // Sends the tree's begin-drag notification for hItem to the reference pane.
    void BeginTreeDrag(HTREEITEM hItem)
    {
        fake.SetCursorPos(CPoint(0, 0), Reference().m_wndTree.m_hWnd);
        NMTREEVIEWA nm = {};
        nm.hdr.hwndFrom = Reference().m_wndTree.m_hWnd;
        nm.hdr.idFrom = 213;
        nm.hdr.code = TVN_BEGINDRAGA;
        nm.itemNew.hItem = hItem;
        Reference().SendMessage(WM_NOTIFY, 213, reinterpret_cast<LPARAM>(&nm));
    }
    // A point of the tree below its last item.
    CPoint BelowTheNodes()
    {
        CRect rect;
        Reference().m_wndTree.GetClientRect(rect);
        return CPoint(rect.left + 30, rect.bottom - 4);
    }
    // Ranks the project's alternatives as given: one list of names per rank (in each rank they stand
    // in list order).
    void Rank(const std::vector<std::vector<const char*>>& ranks)
    {
        Reference().DeleteAllRanks();
        for (size_t r = 0; r < ranks.size(); ++r) {
            SelectAlternatives(ranks[r]);
            Alternatives().AddSelectedToRank(int(r + 1), FALSE);
        }
        SelectAlternatives({});
        for (HTREEITEM h = Reference().m_wndTree.GetRootItem(); h != nullptr;
             h = Reference().m_wndTree.GetNextSiblingItem(h))
            Reference().m_wndTree.Expand(h, TVE_EXPAND);
    }
};

TEST_F(Panes, ChildrenLayOutInTheInsideRectangleWithTheirTextsImagesAndTips)
{
    CZQDockingWndAlt& alt = Alternatives();
    CZQDockingWndRef& ref = Reference();
    CRect a;
    alt.GetInsideRect(a);
    CRect r;
    ref.GetInsideRect(r);
    ASSERT_GT(a.Height(), 35);
    const int cxa = a.right - a.left;
    const int cxr = r.right - r.left;
    const struct {
        CWnd& pane;
        CWnd& child;
        CRect expected;
        const char* tip;
    } children[] = {
        {alt, alt.m_wndLabel, CRect(CPoint(a.left, a.top), CSize(cxa - 54, 15)), ""},
        {alt, alt.m_wndName, CRect(CPoint(a.left, a.top + 15), CSize(cxa - 55, 20)), "Alternative name"},
        {alt, alt.m_wndList, CRect(CPoint(a.left, a.top + 35), CSize(cxa, a.Height() - 35)), "List of alternatives"},
        {alt, alt.m_btnAdd, CRect(CPoint(cxa - 39, a.top + 15), CSize(20, 20)), "Help\nHelp"},
        {alt, alt.m_btnRemove, CRect(CPoint(cxa - 17, a.top + 15), CSize(20, 20)), "Remove alternative"},
        {ref, ref.m_wndLabel, CRect(CPoint(r.left, r.top), CSize(cxr - 60, 15)), ""},
        {ref, ref.m_wndTree, CRect(CPoint(r.left, r.top + 20), CSize(cxr, r.Height() - 20)), "Reference set"},
        {ref, ref.m_btnAdd, CRect(CPoint(cxr - 39, r.top), CSize(20, 20)), "Add rank"},
        {ref, ref.m_btnRemove, CRect(CPoint(cxr - 17, r.top), CSize(20, 20)), "Remove rank"},
    };
    for (const auto& c : children) {
        EXPECT_EQ(ChildRect(c.pane, c.child), c.expected) << WindowText(c.child.m_hWnd);
        EXPECT_EQ(ToolTip(c.pane, c.child.m_hWnd), c.tip) << c.expected;
    }
    EXPECT_EQ(WindowText(alt.m_wndLabel.m_hWnd), "Alternatives");
    EXPECT_EQ(WindowText(ref.m_wndLabel.m_hWnd), "Reference ranking");
    for (CWnd* pButton : {&alt.m_btnAdd, &alt.m_btnRemove, &ref.m_btnRemove})
        EXPECT_FALSE(pButton->IsWindowEnabled());

    // one sorted column "Alternative" as wide as the list's client area; four masked images
    EXPECT_EQ(alt.m_wndList.GetStyle() & (LVS_TYPEMASK | LVS_SHOWSELALWAYS | LVS_SORTASCENDING),
              DWORD(LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SORTASCENDING));
    CRect listClient;
    alt.m_wndList.GetClientRect(&listClient);
    EXPECT_EQ(alt.m_wndList.GetColumnWidth(0), listClient.Width());
    char heading[32] = {};
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT;
    column.pszText = heading;
    column.cchTextMax = sizeof heading;
    ASSERT_TRUE(alt.m_wndList.SendMessage(LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column)));
    EXPECT_STREQ(heading, "Alternative");
    for (CImageList* pImages : {alt.m_wndList.GetImageList(LVSIL_SMALL), ref.m_wndTree.GetImageList(TVSIL_NORMAL)}) {
        ASSERT_NE(pImages, nullptr);
        EXPECT_EQ(pImages->GetImageCount(), 4);
        IMAGEINFO info = {};
        ASSERT_TRUE(pImages->GetImageInfo(0, &info));
        EXPECT_NE(info.hbmMask, nullptr);
    }
    AddAlternatives({"B", "A"});
    EXPECT_EQ(ListItems(), "A:0 B:0");
}

TEST_F(Panes, TypedNamesAreAddedOnceEachAndExactly)
{
    CZQDockingWndAlt& alt = Alternatives();
    AddAlternatives({"A"});
    EXPECT_EQ(ListItems(), "A:0");
    EXPECT_EQ(WindowText(alt.m_wndName.m_hWnd), "");
    EXPECT_EQ(::GetFocus(), alt.m_wndName.m_hWnd);
    EXPECT_EQ(app.m_Project.AlternativesTable, (ZQTable{{"A", "", ""}}));
    EXPECT_EQ(app.m_Project.EvaluationsTable.size(), 2u);
    EXPECT_EQ(app.m_nModified, 1);

    const struct {
        const char* typed;
        bool addable;
    } cases[] = {{"A", false}, {"a", true}, {"", false}, {"A ", true}};
    for (const auto& c : cases) {
        alt.m_wndName.SetWindowText(c.typed);
        EXPECT_EQ(alt.m_btnAdd.IsWindowEnabled() != FALSE, c.addable) << "'" << c.typed << "'";
    }
    // Enter adds as the button does; what cannot be added is not
    for (const char* typed : {"A", "", "a"}) {
        alt.m_wndName.SetWindowText(typed);
        alt.m_wndName.SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    }
    EXPECT_EQ(alt.m_wndList.GetItemCount(), 2);
    EXPECT_TRUE(alt.HasAlternative("a"));
    EXPECT_EQ(app.m_Project.AlternativesTable.size(), 2u);
    // the box asks for every key, so that Enter and Tab reach it in a dialog
    EXPECT_TRUE(alt.m_wndName.SendMessage(WM_GETDLGCODE) & DLGC_WANTALLKEYS);
}

TEST_F(Panes, RemovingAsksOnceAndTakesAlternativesOutOfProjectTreeAndList)
{
    OpenSolvedProject();
    ASSERT_EQ(Tree(), "Rank 1 [x] | Rank 2 [y]");
    ASSERT_EQ(ListItems(), "x:3 y:3 z:0");
    CZQDockingWndAlt& alt = Alternatives();
    SelectAlternatives({"x"});
    EXPECT_TRUE(alt.m_btnRemove.IsWindowEnabled());
    fake.ExpectMessageBox(IDNO);
    ClickButton(alt, kRemoveAlternative);
    EXPECT_EQ(Question(alt), "Do you want to remove selected alternative: x ?");
    EXPECT_EQ(fake.CallsOf("MessageBox").back().nType, UINT(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(ListItems(), "x:3 y:3 z:0");

    SelectAlternatives({"x", "y"});
    fake.ExpectMessageBox(IDYES);
    Command(alt, ID_ZQ_REMOVE_ALTERNATIVES);
    EXPECT_EQ(fake.CallsOf("MessageBox").size(), 2u);
    EXPECT_EQ(Question(alt), "Do you want to remove 2 selected alternatives?");
    EXPECT_EQ(ListItems(), "z:0");
    EXPECT_EQ(Tree(), "Rank 1 [] | Rank 2 []");
    EXPECT_EQ(Ranks(), "z=");
    EXPECT_EQ(app.m_Project.EvaluationsTable.size(), 2u);
    EXPECT_EQ(app.m_nModified, 1);
    EXPECT_FALSE(Resolved());
    // nothing selected: nothing asked
    Command(alt, ID_ZQ_REMOVE_ALTERNATIVES);
    EXPECT_EQ(fake.CallsOf("MessageBox").size(), 2u);
}

TEST_F(Panes, ThePropertySheetRenamesAndDescribesAnAlternativeEverywhere)
{
    OpenSolvedProject();
    CZQDockingWndAlt& alt = Alternatives();
    SelectAlternatives({"x"});
    fake.ExpectModalSheet([&](CPropertySheet& sheet) {
        EXPECT_EQ(WindowText(sheet.m_hWnd), "Properties of the Alternative");
        EXPECT_EQ(sheet.GetPageCount(), 1);
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(sheet.m_hWnd, ID_APPLY_NOW)));
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(sheet.m_hWnd, IDHELP)));
        CPropertyPage& page = *sheet.GetActivePage();
        EXPECT_EQ(WindowText(page.m_hWnd), "General");
        EXPECT_EQ(WindowText(page.GetDlgItem(IDC_ZQ_ALTERNATIVE_NAME)->m_hWnd), "x");
        const struct {
            const char* name;
            const char* refusal;
        } refused[] = {{"y", "Alternative 'y' already exists!"}, {"", "Alternative name cannot be empty!"}};
        for (const auto& c : refused) {
            fake.ExpectMessageBox(IDOK, c.refusal);
            page.SetDlgItemText(IDC_ZQ_ALTERNATIVE_NAME, c.name);
            ClickButton(sheet, IDOK);
            EXPECT_FALSE(sheet.IsModalEnded()) << c.name;
            EXPECT_EQ(Question(page), c.refusal);
            EXPECT_EQ(fake.CallsOf("MessageBox").back().nType, UINT(MB_OK | MB_ICONINFORMATION));
            EXPECT_EQ(WindowText(page.GetDlgItem(IDC_ZQ_ALTERNATIVE_NAME)->m_hWnd), "x");
        }
        page.SetDlgItemText(IDC_ZQ_ALTERNATIVE_NAME, "w");
        page.SetDlgItemText(IDC_ZQ_ALTERNATIVE_TEXT, "the new one");
        ClickButton(sheet, IDOK);
    });
    NMHDR dblclk = {alt.m_wndList.m_hWnd, 202, UINT(NM_DBLCLK)};
    alt.SendMessage(WM_NOTIFY, 202, reinterpret_cast<LPARAM>(&dblclk));
    EXPECT_EQ(Tree(), "Rank 1 [w] | Rank 2 [y]");
    EXPECT_EQ(ListItems(), "w:3 y:3 z:0");
    EXPECT_EQ(app.m_Project.AlternativesTable[0], (ZQRow{"w", "the new one", "1"}));
    EXPECT_EQ(app.m_Project.EvaluationsTable[1][0], "w");
    EXPECT_EQ(app.m_nModified, 1);

    // the name kept and only the description changed: accepted at once
    fake.ExpectModalSheet([&](CPropertySheet& sheet) {
        EXPECT_EQ(WindowText(sheet.GetActivePage()->GetDlgItem(IDC_ZQ_ALTERNATIVE_TEXT)->m_hWnd), "the new one");
        sheet.GetActivePage()->SetDlgItemText(IDC_ZQ_ALTERNATIVE_TEXT, "another");
        ClickButton(sheet, IDOK);
        EXPECT_TRUE(sheet.IsModalEnded());
    });
    Command(alt, ID_ZQ_ALTERNATIVE_PROPERTIES);
    EXPECT_EQ(app.m_Project.AlternativesTable[0], (ZQRow{"w", "another", "1"}));
}

TEST_F(Panes, AnOpenEvaluationsGridFollowsAddedRenamedAndRemovedAlternatives)
{
    OpenProject();
    CZQGridView* pGrid = OpenGrid();
    ASSERT_NE(pGrid, nullptr);
    ASSERT_EQ(GridTexts(), "|g|c/x|3|5/y|1|3/z|2|1");
    // a text typed into the grid and not yet stored stays through every change
    pGrid->ApplyValueToRange(CGXCellRange(2, 1, 2, 1), "9");

    AddAlternatives({"w"});
    EXPECT_EQ(GridTexts(), "|g|c/x|3|5/y|9|3/z|2|1/w|0|0");

    SelectAlternatives({"y"});
    fake.ExpectModalSheet([](CPropertySheet& sheet) {
        sheet.GetActivePage()->SetDlgItemText(IDC_ZQ_ALTERNATIVE_NAME, "v");
        ClickButton(sheet, IDOK);
    });
    Command(Alternatives(), ID_ZQ_ALTERNATIVE_PROPERTIES);
    EXPECT_EQ(GridTexts(), "|g|c/x|3|5/v|9|3/z|2|1/w|0|0");

    SelectAlternatives({"x", "z"});
    fake.ExpectMessageBox(IDYES);
    Command(Alternatives(), ID_ZQ_REMOVE_ALTERNATIVES);
    EXPECT_EQ(GridTexts(), "|g|c/v|9|3/w|0|0");
}

TEST_F(Panes, TheContextMenuOffersTheRanksUpToOneAfterTheLastAndOtherBeyondFive)
{
    AddAlternatives({"a", "b", "c"});
    const struct {
        int nRanks;
        std::vector<const char*> selected;
        const char* rankItems; // the seven positions of "Add to Reference Ranking", 1 enabled
        bool properties;
        bool remove;
    } cases[] = {
        {0, {"a"}, "1000000", true, true},
        {2, {"a", "b"}, "1110000", false, true},
        {5, {"c"}, "1111101", true, true},
        {5, {}, "0000000", false, false},
    };
    for (const auto& c : cases) {
        Reference().DeleteAllRanks();
        for (int i = 0; i < c.nRanks; ++i)
            Reference().OnAddRankAtEnd();
        SelectAlternatives(c.selected);
        ContextMenu(Alternatives(), 0, [&](HMENU hMenu) {
            const HMENU hRanks = ::GetSubMenu(hMenu, 0);
            std::string states;
            for (int i = 0; i < 7; ++i)
                states += (::GetMenuState(hRanks, UINT(i), MF_BYPOSITION) & MF_GRAYED) ? '0' : '1';
            EXPECT_EQ(states, c.rankItems) << c.nRanks;
            const auto enabled = [&](UINT nID) { return !(::GetMenuState(hMenu, nID, MF_BYCOMMAND) & MF_GRAYED); };
            EXPECT_EQ(enabled(ID_ZQ_ALTERNATIVE_PROPERTIES), c.properties) << c.nRanks;
            EXPECT_EQ(enabled(ID_ZQ_REMOVE_ALTERNATIVES), c.remove) << c.nRanks;
        });
    }

    // "Add to Other...": the ranks 1 to k + 1, the first chosen at the start
    Rank({{"a"}});
    SelectAlternatives({"b"});
    fake.ExpectModal([](CDialog& dlg) {
        EXPECT_EQ(WindowText(dlg.m_hWnd), "Add Alternative To Ranking");
        EXPECT_EQ(Entries(dlg, IDC_ZQ_RANK_NUMBER, CB_GETCOUNT, CB_GETLBTEXT), "1|2");
        EXPECT_EQ(dlg.SendDlgItemMessage(IDC_ZQ_RANK_NUMBER, CB_GETCURSEL), 0);
        dlg.SendDlgItemMessage(IDC_ZQ_RANK_NUMBER, CB_SETCURSEL, 1);
        ClickButton(dlg, IDOK);
    });
    ContextMenu(Alternatives(), ID_ZQ_ADD_TO_OTHER_RANK);
    EXPECT_EQ(Tree(), "Rank 1 [a] | Rank 2 [b]");
    fake.ExpectModal([](CDialog& dlg) { ClickButton(dlg, IDCANCEL); });
    SelectAlternatives({"c"});
    Command(Alternatives(), ID_ZQ_ADD_TO_OTHER_RANK);
    EXPECT_EQ(Tree(), "Rank 1 [a] | Rank 2 [b]");
}

TEST_F(Panes, AddingToARankMovesTheSelectionThereAndWritesTheRanks)
{
    AddAlternatives({"A", "B", "C", "D"});
    app.m_Project.CredibilityList = {"A"};
    app.m_Project.CredibilityDefined = 1;
    app.m_nModified = 0;
    SelectAlternatives({"A"});
    ContextMenu(Alternatives(), ID_ZQ_ADD_TO_RANK1);
    EXPECT_EQ(Tree(), "Rank 1 [A]");
    EXPECT_EQ(Ranks(), "A=1 B= C= D=");
    EXPECT_EQ(ListItems(), "A:3 B:0 C:0 D:0");
    EXPECT_TRUE(app.m_Project.CredibilityList.empty());
    EXPECT_EQ(app.m_Project.CredibilityDefined, 0);
    EXPECT_EQ(app.m_nModified, 1);

    // rank 3 over rank 1 [A] and an empty rank 2: the empty rank goes, a new rank 2 takes B
    Reference().OnAddRankAtEnd();
    SelectAlternatives({"B"});
    ContextMenu(Alternatives(), ID_ZQ_ADD_TO_RANK3);
    EXPECT_EQ(Tree(), "Rank 1 [A] | Rank 2 [B]");
    EXPECT_EQ(RankData(), (std::vector<DWORD_PTR>{1, 2}));
    // an alternative is never in two ranks
    SelectAlternatives({"A", "C"});
    ContextMenu(Alternatives(), ID_ZQ_ADD_TO_RANK2);
    EXPECT_EQ(Tree(), "Rank 1 [] | Rank 2 [B A C]");
    EXPECT_EQ(Ranks(), "A=2 B=2 C=2 D=");
    EXPECT_EQ(ListItems(), "A:3 B:3 C:3 D:0");

    // the project's refill asks for a rank far past the last: the ranks between come, empty
    SelectAlternatives({"D"});
    app.AddSelectedToRank(4);
    EXPECT_EQ(Tree(), "Rank 1 [] | Rank 2 [B A C] | Rank 3 [] | Rank 4 [D]");
    EXPECT_EQ(Ranks(), "A=2 B=2 C=2 D=4");
}

TEST_F(Panes, DroppingFromTheListPutsTheSelectionIntoARank)
{
    AddAlternatives({"A", "B", "C", "D", "E"});
    // onto the empty tree: one node "Rank"
    SelectAlternatives({"A", "B"});
    BeginListDrag(0);
    MoveAndDrop(Alternatives(), CPoint(30, 10));
    EXPECT_EQ(Tree(), "Rank [A B]");
    EXPECT_EQ(Ranks(), "A=1 B=1 C= D= E=");
    EXPECT_EQ(Alternatives().m_wndList.GetSelectedCount(), 0u);

    // onto an alternative: into its rank
    SelectAlternatives({"C"});
    BeginListDrag(2);
    MoveAndDrop(Alternatives(), TreeItemPoint(TreeItem("B")));
    EXPECT_EQ(Tree(), "Rank [A B C]");

    // below the nodes: the whole selection makes one new last rank
    SelectAlternatives({"D", "E"});
    BeginListDrag(3);
    MoveAndDrop(Alternatives(), BelowTheNodes());
    EXPECT_EQ(Tree(), "Rank 1 [A B C] | Rank 2 [D E]");
    EXPECT_EQ(Ranks(), "A=1 B=1 C=1 D=2 E=2");
    EXPECT_EQ(ListItems(), "A:3 B:3 C:3 D:3 E:3");

    // a ranked alternative moves; outside a tree nothing happens
    SelectAlternatives({"D"});
    BeginListDrag(3);
    MoveAndDrop(Alternatives(), TreeItemPoint(TreeItem("Rank 1")));
    EXPECT_EQ(Tree(), "Rank 1 [A B C D] | Rank 2 [E]");
    SelectAlternatives({"E"});
    BeginListDrag(4);
    MoveAndDrop(Alternatives(), TreeItemPoint(TreeItem("A")), FALSE);
    EXPECT_EQ(Tree(), "Rank 1 [A B C D] | Rank 2 [E]");
    EXPECT_EQ(Alternatives().m_wndList.GetSelectedCount(), 1u);
}

TEST_F(Panes, ADropMarksTheProjectAndSolvesAgainAndALostCaptureDropsNothing)
{
    OpenSolvedProject();
    app.m_Project.CredibilityDefined = 1;
    SelectAlternatives({"z"});
    BeginListDrag(2);
    // the capture goes elsewhere mid-drag: the highlight goes and the release drops nothing
    CTreeCtrl& tree = Reference().m_wndTree;
    CPoint ptScreen = TreeItemPoint(TreeItem("y"));
    tree.ClientToScreen(&ptScreen);
    fake.SetCursorPos(ptScreen, tree.m_hWnd);
    CPoint ptPane = ptScreen;
    Alternatives().ScreenToClient(&ptPane);
    Alternatives().SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptPane.x, ptPane.y));
    EXPECT_EQ(tree.GetDropHilightItem(), TreeItem("y"));
    EXPECT_EQ(::GetCapture(), Alternatives().m_hWnd);
    ::ReleaseCapture();
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(tree.GetDropHilightItem(), nullptr);
    Alternatives().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptPane.x, ptPane.y));
    EXPECT_EQ(Tree(), "Rank 1 [x] | Rank 2 [y]");
    EXPECT_EQ(app.m_nModified, 0);
    EXPECT_FALSE(Resolved());

    BeginListDrag(2);
    MoveAndDrop(Alternatives(), TreeItemPoint(TreeItem("y")));
    EXPECT_EQ(Tree(), "Rank 1 [x] | Rank 2 [y z]");
    EXPECT_EQ(app.m_nModified, 1);
    EXPECT_EQ(app.m_Project.CredibilityDefined, 0);
    EXPECT_TRUE(Resolved());
}

TEST_F(Panes, EmptyRanksComeAtEitherEndWithoutMarkingTheProject)
{
    OpenSolvedProject();
    EXPECT_EQ(RankData(), (std::vector<DWORD_PTR>{1, 2}));
    ClickButton(Reference(), kAddRank);
    EXPECT_EQ(Tree(), "Rank 1 [x] | Rank 2 [y] | Rank 3 []");
    EXPECT_EQ(Ranks(), "x=1 y=2 z=");
    Command(Reference(), ID_ZQ_ADD_RANK_BEGIN);
    EXPECT_EQ(Tree(), "Rank 1 [] | Rank 2 [x] | Rank 3 [y] | Rank 4 []");
    EXPECT_EQ(RankData(), (std::vector<DWORD_PTR>{1, 2, 3, 4}));
    EXPECT_EQ(Ranks(), "x=2 y=3 z=");
    // Ctrl+Alt+A through the main window
    app.m_pMainWnd->SendMessage(WM_COMMAND, MAKEWPARAM(ID_ZQ_ADD_RANK_END_KEY, 1));
    EXPECT_EQ(Reference().GetRankCount(), 5);
    EXPECT_EQ(app.m_nModified, 0);
    EXPECT_FALSE(Resolved());
}

TEST_F(Panes, RemovingFromTheTreeAsksRenumbersAndSolvesAgainWhateverTheAnswer)
{
    OpenSolvedProject();
    AddAlternatives({"w"});
    Rank({{"x"}, {"z"}, {"y", "w"}});
    MarkSolver();
    CZQDockingWndRef& ref = Reference();

    // No: nothing goes, but the project counts as changed and solves again
    ref.m_wndTree.SelectItem(TreeItem("Rank 2"));
    EXPECT_TRUE(ref.m_btnRemove.IsWindowEnabled());
    fake.ExpectMessageBox(IDNO);
    ClickButton(ref, kRemoveRank);
    EXPECT_EQ(Question(ref), "Do you want to remove selected rank: 'Rank 2' ?");
    EXPECT_EQ(Tree(), "Rank 1 [x] | Rank 2 [z] | Rank 3 [w y]");
    EXPECT_EQ(ref.m_wndTree.GetSelectedItem(), nullptr);
    EXPECT_FALSE(ref.m_btnRemove.IsWindowEnabled());
    EXPECT_EQ(app.m_nModified, 1);
    EXPECT_TRUE(Resolved());

    // Yes: the last rank takes number 2, and so do its alternatives
    app.m_Project.CredibilityDefined = 1;
    ref.m_wndTree.SelectItem(TreeItem("Rank 2"));
    fake.ExpectMessageBox(IDYES);
    Command(ref, ID_ZQ_REMOVE_REFERENCE_ITEM);
    EXPECT_EQ(Tree(), "Rank 1 [x] | Rank 2 [w y]");
    EXPECT_EQ(RankData(), (std::vector<DWORD_PTR>{1, 2}));
    EXPECT_EQ(Ranks(), "x=1 y=2 z= w=2");
    EXPECT_EQ(app.m_Project.CredibilityDefined, 0);

    ref.m_wndTree.SelectItem(TreeItem("y"));
    fake.ExpectMessageBox(IDYES);
    ContextMenu(ref, ID_ZQ_REMOVE_REFERENCE_ITEM, [](HMENU hMenu) {
        EXPECT_FALSE(::GetMenuState(hMenu, ID_ZQ_REMOVE_REFERENCE_ITEM, MF_BYCOMMAND) & MF_GRAYED);
    });
    EXPECT_EQ(Question(ref), "Do you want to remove from reference set selected alternative: 'y' ?");
    EXPECT_EQ(Tree(), "Rank 1 [x] | Rank 2 [w]");
    EXPECT_EQ(Ranks(), "x=1 y= z= w=2");
    ContextMenu(ref, 0, [](HMENU hMenu) {
        EXPECT_TRUE(::GetMenuState(hMenu, ID_ZQ_REMOVE_REFERENCE_ITEM, MF_BYCOMMAND) & MF_GRAYED);
    });
}

TEST_F(Panes, DraggingInsideTheTreeMovesRanksAndAlternatives)
{
    OpenProject();
    AddAlternatives({"w"});
    const struct {
        const char* what;
        std::vector<std::vector<const char*>> ranks;
        const char* dragged;
        const char* target; // null: below the nodes
        const char* tree;
    } cases[] = {
        {"the third rank onto the first", {{"x"}, {"y"}, {"z", "w"}}, "Rank 3", "Rank 1",
         "Rank 1 [w z] | Rank 2 [x] | Rank 3 [y]"},
        {"the third rank onto an alternative of the first", {{"x"}, {"y"}, {"z", "w"}}, "Rank 3", "x",
         "Rank 1 [x] | Rank 2 [w z] | Rank 3 [y]"},
        {"the first rank below the nodes", {{"z", "w"}, {"x"}, {"y"}}, "Rank 1", nullptr,
         "Rank 1 [x] | Rank 2 [y] | Rank 3 [w z]"},
        {"a rank onto itself", {{"x"}, {"y"}}, "Rank 2", "Rank 2", "Rank 1 [x] | Rank 2 [y]"},
        {"an alternative onto another's rank", {{"x"}, {"y"}, {"z", "w"}}, "x", "w",
         "Rank 1 [] | Rank 2 [y] | Rank 3 [w z x]"},
        {"an alternative below the nodes", {{"x"}, {"y", "z"}}, "y", nullptr, "Rank 1 [x] | Rank 2 [z] | Rank 3 [y]"},
    };
    for (const auto& c : cases) {
        Rank(c.ranks);
        app.m_nModified = 0;
        app.m_Project.CredibilityDefined = 1;
        BeginTreeDrag(TreeItem(c.dragged));
        MoveAndDrop(Reference(), c.target != nullptr ? TreeItemPoint(TreeItem(c.target)) : BelowTheNodes());
        EXPECT_EQ(Tree(), c.tree) << c.what;
        EXPECT_EQ(app.m_nModified, 1) << c.what;
        EXPECT_EQ(app.m_Project.CredibilityDefined, 0) << c.what;
    }
    // the ranks written are those of the last drop: x, then z, then y
    EXPECT_EQ(Ranks(), "x=1 y=3 z=2 w=");
    // a drop solves again
    ASSERT_EQ(app.m_Project.SolveProblem(), 1);
    MarkSolver();
    BeginTreeDrag(TreeItem("Rank 3"));
    MoveAndDrop(Reference(), BelowTheNodes());
    EXPECT_TRUE(Resolved());
}

TEST_F(Panes, TheCredibilityDialogSplitsTheReferenceAlternatives)
{
    OpenSolvedProject();
    AddAlternatives({"w"});
    Rank({{"x"}, {"w", "y"}});
    fake.ExpectModal([](CDialog& dlg) {
        CZQUncertaintyDlg& credibility = dynamic_cast<CZQUncertaintyDlg&>(dlg);
        EXPECT_EQ(WindowText(dlg.m_hWnd), "Credibility options");
        const auto high = [&] { return Entries(dlg, IDC_ZQ_HIGH_CREDIBILITY, LB_GETCOUNT, LB_GETTEXT); };
        const auto low = [&] { return Entries(dlg, IDC_ZQ_LOW_CREDIBILITY, LB_GETCOUNT, LB_GETTEXT); };
        EXPECT_EQ(high(), "x|w|y");
        // without a selection the buttons do nothing
        ClickButton(dlg, IDC_ZQ_TO_LOW);
        ClickButton(dlg, IDC_ZQ_TO_HIGH);
        EXPECT_EQ(high(), "x|w|y");
        EXPECT_EQ(low(), "");
        dlg.SendDlgItemMessage(IDC_ZQ_HIGH_CREDIBILITY, LB_SETCURSEL, 1);
        ClickButton(dlg, IDC_ZQ_TO_LOW);
        EXPECT_EQ(high(), "x|y");
        EXPECT_EQ(low(), "w");
        EXPECT_EQ(credibility.m_result, (std::vector<CString>{"x", "y"}));
        dlg.SendDlgItemMessage(IDC_ZQ_LOW_CREDIBILITY, LB_SETCURSEL, 0);
        ClickButton(dlg, IDC_ZQ_TO_HIGH);
        EXPECT_EQ(high(), "x|y|w");
        EXPECT_EQ(credibility.m_result, (std::vector<CString>{"x", "y", "w"}));
        dlg.SendDlgItemMessage(IDC_ZQ_HIGH_CREDIBILITY, LB_SETCURSEL, 0);
        ClickButton(dlg, IDC_ZQ_TO_LOW);
        ClickButton(dlg, IDOK);
    });
    Command(Reference(), ID_ZQ_DEFINE_CREDIBILITY);
    EXPECT_EQ(app.m_Project.CredibilityList, (std::vector<CString>{"y", "w"}));
    EXPECT_EQ(app.m_Project.CredibilityDefined, 1);

    // a new run starts with every reference alternative high again; Cancel keeps the choice
    fake.ExpectModal([](CDialog& dlg) {
        EXPECT_EQ(Entries(dlg, IDC_ZQ_HIGH_CREDIBILITY, LB_GETCOUNT, LB_GETTEXT), "x|w|y");
        dlg.SendDlgItemMessage(IDC_ZQ_HIGH_CREDIBILITY, LB_SETCURSEL, 0);
        ClickButton(dlg, IDC_ZQ_TO_LOW);
        ClickButton(dlg, IDCANCEL);
    });
    Command(Reference(), ID_ZQ_DEFINE_CREDIBILITY);
    EXPECT_EQ(app.m_Project.CredibilityList, (std::vector<CString>{"y", "w"}));
}

} // namespace
