// the standard headers before windows.h, which defines min and max as macros
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "PaneTestSupport.h"

#include "app/ZQGridView.h"
#include "model/solve/Solver.h"
#include "res/resource.h"

namespace {

// The marker a test's Solver carries until the project solves again.
const char* const kSolverMarker = "<the solve of the test>";

} // namespace

CRect ChildRect(CWnd& parent, CWnd& child)
{
    CRect rect = WindowRect(child.m_hWnd);
    parent.ScreenToClient(rect);
    return rect;
}

std::string WindowText(HWND hWnd)
{
    char text[256] = {};
    ::GetWindowTextA(hWnd, text, sizeof text);
    return text;
}

std::string Entries(CWnd& dialog, int nID, UINT nCount, UINT nGetText)
{
    std::string texts;
    const int count = int(dialog.SendDlgItemMessage(nID, nCount));
    for (int i = 0; i < count; ++i) {
        char item[64] = {};
        dialog.SendDlgItemMessage(nID, nGetText, WPARAM(i), reinterpret_cast<LPARAM>(item));
        texts += (i > 0 ? "|" : "") + std::string(item);
    }
    return texts;
}

std::string ToolTip(CWnd& pane, HWND hWndChild)
{
    NMTTDISPINFOA info = {};
    info.hdr.idFrom = reinterpret_cast<UINT_PTR>(hWndChild);
    info.hdr.code = TTN_NEEDTEXTA;
    info.uFlags = TTF_IDISHWND;
    pane.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    return info.lpszText != nullptr ? info.lpszText : "<none>";
}

void PanesFixture::SetUp()
{
    // a solve opens the comparison matrix's grid
    AnswerGridInput(fake);
    char temp[MAX_PATH] = {};
    const DWORD n = ::GetEnvironmentVariableA("TEMP", temp, MAX_PATH);
    savedTemp = n > 0 && n < MAX_PATH ? temp : "";
    ::SetEnvironmentVariableA("TEMP", folder.Path().c_str());
    StartedAppFixture::SetUp();
    // tall enough for the reference tree to show every node the tests make, with room below them
    app.m_pMainWnd->SetWindowPos(nullptr, 0, 0, 800, 900, SWP_NOZORDER | SWP_NOACTIVATE);
    dynamic_cast<CFrameWnd*>(app.m_pMainWnd)->RecalcLayout();
    ASSERT_NE(app.GetAlternativesPane(), nullptr);
    ASSERT_NE(app.GetReferencePane(), nullptr);
    ASSERT_NE(app.GetCriteriaPane(), nullptr);
}

void PanesFixture::TearDown()
{
    app.m_nModified = 0;
    StartedAppFixture::TearDown();
    ::SetEnvironmentVariableA("TEMP", savedTemp.empty() ? nullptr : savedTemp.c_str());
}

void PanesFixture::ContextMenu(CWnd& pane, UINT nCommand, std::function<void(HMENU)> whileOpen)
{
    fake.ExpectPopupMenu(nCommand, std::move(whileOpen));
    pane.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pane.m_hWnd), MAKELPARAM(40, 40));
    PumpWaitingMessages();
}

std::string PanesFixture::Question(CWnd& owner)
{
    const auto boxes = fake.CallsOf("MessageBox");
    if (boxes.empty())
        return "<none>";
    EXPECT_EQ(boxes.back().hWnd, owner.m_hWnd);
    EXPECT_EQ(boxes.back().caption, "Ondrix");
    return boxes.back().text;
}

void PanesFixture::AddAlternatives(const std::vector<const char*>& names)
{
    for (const char* name : names) {
        Alternatives().m_wndName.SetWindowText(name);
        ClickButton(Alternatives(), 203);
    }
}

void PanesFixture::SelectAlternatives(const std::vector<const char*>& names)
{
    CListCtrl& list = Alternatives().m_wndList;
    for (int i = 0; i < list.GetItemCount(); ++i) {
        bool bSelected = false;
        for (const char* name : names)
            bSelected = bSelected || list.GetItemText(i, 0) == name;
        list.SetItemState(i, bSelected ? LVIS_SELECTED : 0, LVIS_SELECTED);
    }
}

std::string PanesFixture::ListItems()
{
    CListCtrl& list = Alternatives().m_wndList;
    std::string items;
    for (int i = 0; i < list.GetItemCount(); ++i) {
        LVITEMA item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = i;
        list.GetItem(&item);
        items += (i > 0 ? " " : "") + Str(list.GetItemText(i, 0)) + ":" + std::to_string(item.iImage);
    }
    return items;
}

std::string PanesFixture::Tree()
{
    CTreeCtrl& tree = Reference().m_wndTree;
    std::string text;
    for (HTREEITEM hRank = tree.GetRootItem(); hRank != nullptr; hRank = tree.GetNextSiblingItem(hRank)) {
        text += (text.empty() ? "" : " | ") + Str(tree.GetItemText(hRank)) + " [";
        for (HTREEITEM h = tree.GetChildItem(hRank); h != nullptr; h = tree.GetNextSiblingItem(h))
            text += (h == tree.GetChildItem(hRank) ? "" : " ") + Str(tree.GetItemText(h));
        text += "]";
    }
    return text;
}

std::string PanesFixture::Ranks()
{
    std::string text;
    for (const ZQRow& row : app.m_Project.AlternativesTable)
        text += (text.empty() ? "" : " ") + Str(ProjectCell(row, 0)) + "=" + Str(ProjectCell(row, 2));
    return text;
}

std::vector<DWORD_PTR> PanesFixture::RankData()
{
    CTreeCtrl& tree = Reference().m_wndTree;
    std::vector<DWORD_PTR> data;
    for (HTREEITEM hRank = tree.GetRootItem(); hRank != nullptr; hRank = tree.GetNextSiblingItem(hRank))
        data.push_back(tree.GetItemData(hRank));
    return data;
}

HTREEITEM PanesFixture::TreeItem(const char* text)
{
    CTreeCtrl& tree = Reference().m_wndTree;
    for (HTREEITEM hRank = tree.GetRootItem(); hRank != nullptr; hRank = tree.GetNextSiblingItem(hRank)) {
        if (tree.GetItemText(hRank) == text)
            return hRank;
        for (HTREEITEM h = tree.GetChildItem(hRank); h != nullptr; h = tree.GetNextSiblingItem(h)) {
            if (tree.GetItemText(h) == text)
                return h;
        }
    }
    return nullptr;
}

void PanesFixture::OpenProject()
{
    folder.Copy("app/ranked_pair_gain_cost.zex", "pair.zex");
    ASSERT_EQ(app.OpenProjectFile(folder.Path("pair.zex").c_str()), 1);
}

void PanesFixture::OpenSolvedProject()
{
    OpenProject();
    ASSERT_EQ(app.m_Project.SolveProblem(), 1);
    MarkSolver();
}

CZQGridView* PanesFixture::OpenGrid()
{
    fake.SetTickCount(0);
    for (int nKey : {VK_CONTROL, VK_SHIFT, VK_MENU})
        fake.SetKeyState(nKey, 0);
    app.m_pMainWnd->SendMessage(WM_COMMAND, ID_ZQ_VIEW_EVALUATIONS);
    PumpWaitingMessages();
    return dynamic_cast<CZQGridView*>(app.FirstViewOf(ZQDocument::EvaluationsGrid));
}

std::string PanesFixture::GridTexts()
{
    auto* pGrid = dynamic_cast<CZQGridView*>(app.FirstViewOf(ZQDocument::EvaluationsGrid));
    std::string texts;
    for (ROWCOL nRow = 0; pGrid != nullptr && nRow <= pGrid->GetRowCount(); ++nRow) {
        for (ROWCOL nCol = 0; nCol <= pGrid->GetColCount(); ++nCol)
            texts += (nCol > 0 ? "|" : nRow > 0 ? "/" : "") + Str(pGrid->GetValueRowCol(nRow, nCol));
    }
    return texts;
}

const CGXStyle& PanesFixture::GridStyle(ROWCOL nRow, ROWCOL nCol)
{
    return *dynamic_cast<CZQGridView&>(*app.FirstViewOf(ZQDocument::EvaluationsGrid)).LookupStyleRowCol(nRow, nCol);
}

void PanesFixture::MarkSolver()
{
    ASSERT_NE(app.m_Project.ProjectSolver, nullptr);
    app.m_Project.ProjectSolver->model.excludedNames = {CString(kSolverMarker)};
    app.m_nModified = 0;
}

bool PanesFixture::Resolved()
{
    const Solver* pSolver = app.m_Project.ProjectSolver.get();
    return pSolver == nullptr || pSolver->model.excludedNames.size() != 1 ||
           pSolver->model.excludedNames[0] != kSolverMarker;
}

CPoint PanesFixture::TreeItemPoint(HTREEITEM hItem)
{
    CRect rect;
    EXPECT_TRUE(Reference().m_wndTree.GetItemRect(hItem, rect, TRUE));
    return rect.CenterPoint();
}

void PanesFixture::BeginListDrag(int nItem)
{
    CListCtrl& list = Alternatives().m_wndList;
    CRect rect;
    list.GetItemRect(nItem, rect, LVIR_LABEL);
    CPoint point = rect.CenterPoint();
    list.ClientToScreen(&point);
    fake.SetCursorPos(point, list.m_hWnd);
    NMLISTVIEW nm = {};
    nm.hdr.hwndFrom = list.m_hWnd;
    nm.hdr.idFrom = 202;
    nm.hdr.code = LVN_BEGINDRAG;
    nm.iItem = nItem;
    Alternatives().SendMessage(WM_NOTIFY, 202, reinterpret_cast<LPARAM>(&nm));
}

void PanesFixture::MoveAndDrop(CWnd& pane, CPoint ptTree, BOOL bOverTree)
{
    CTreeCtrl& tree = Reference().m_wndTree;
    CPoint ptScreen = ptTree;
    tree.ClientToScreen(&ptScreen);
    fake.SetCursorPos(ptScreen, bOverTree ? tree.m_hWnd : app.m_pMainWnd->m_hWnd);
    CPoint ptPane = ptScreen;
    pane.ScreenToClient(&ptPane);
    pane.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptPane.x, ptPane.y));
    pane.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptPane.x, ptPane.y));
}
