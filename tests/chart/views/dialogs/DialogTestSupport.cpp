#include "wine_gtest.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "DialogTestSupport.h"

#include "chart/engine/components/DEDizedBackground.h"

void ChartDialogTest::SetUp()
{
    DEDized::ResetDrawingGuard();
}

void ChartDialogTest::TearDown()
{
    DEDized::ResetDrawingGuard();
}

void ChartDialogTest::RunEditDialog(const std::function<void(DEDizedEditDialog&)>& script, DEDizedEditDialog* pDialog)
{
    DEDizedEditDialog own;
    DEDizedEditDialog& dialog = pDialog != nullptr ? *pDialog : own;
    if (dialog.GetChart() == nullptr)
        dialog.SetChart(&chart);
    fake.ExpectModal([&](CDialog& shown) {
        script(static_cast<DEDizedEditDialog&>(shown));
        if (!shown.IsModalEnded())
            ClickButton(shown, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

namespace {

void AppendLines(CTreeCtrl& tree, HTREEITEM hFirst, int nDepth, std::vector<std::string>& rLines)
{
    for (HTREEITEM hItem = hFirst; hItem != nullptr; hItem = tree.GetNextSiblingItem(hItem)) {
        int nImage = -1;
        int nSelected = -1;
        tree.GetItemImage(hItem, nImage, nSelected);
        rLines.push_back(std::string(size_t(2 * nDepth), ' ') + "[" + std::to_string(nImage) + "/" +
                         std::to_string(nSelected) + "] " + tree.GetItemText(hItem).GetString());
        AppendLines(tree, tree.GetChildItem(hItem), nDepth + 1, rLines);
    }
}

HTREEITEM FindIn(CTreeCtrl& tree, HTREEITEM hFirst, const char* lpszText)
{
    for (HTREEITEM hItem = hFirst; hItem != nullptr; hItem = tree.GetNextSiblingItem(hItem)) {
        if (tree.GetItemText(hItem) == lpszText)
            return hItem;
        if (HTREEITEM hFound = FindIn(tree, tree.GetChildItem(hItem), lpszText))
            return hFound;
    }
    return nullptr;
}

// The client point in the middle of the item's text (the item is made visible first).
CPoint ItemPoint(CTreeCtrl& tree, HTREEITEM hItem)
{
    tree.EnsureVisible(hItem);
    CRect rect;
    EXPECT_TRUE(tree.GetItemRect(hItem, &rect, TRUE));
    return rect.CenterPoint();
}

} // namespace

std::vector<std::string> TreeLines(DEDizedEditDialog& rDialog)
{
    std::vector<std::string> lines;
    AppendLines(rDialog.GetTree(), rDialog.GetTree().GetRootItem(), 0, lines);
    return lines;
}

HTREEITEM FindTreeItem(DEDizedEditDialog& rDialog, const char* lpszText)
{
    return FindIn(rDialog.GetTree(), rDialog.GetTree().GetRootItem(), lpszText);
}

HTREEITEM ComponentItem(DEDizedEditDialog& rDialog, int n)
{
    CTreeCtrl& tree = rDialog.GetTree();
    HTREEITEM hItem = tree.GetChildItem(rDialog.GetComponentsItem());
    while (hItem != nullptr && n-- > 0)
        hItem = tree.GetNextSiblingItem(hItem);
    return hItem;
}

void ClickItem(DEDizedEditDialog& rDialog, HTREEITEM hItem, bool bRight)
{
    CTreeCtrl& tree = rDialog.GetTree();
    const CPoint point = ItemPoint(tree, hItem);
    // the control follows a press until the button is released: the release waits in the queue
    tree.PostMessage(bRight ? WM_RBUTTONUP : WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    tree.SendMessage(bRight ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, bRight ? MK_RBUTTON : MK_LBUTTON,
                     MAKELPARAM(point.x, point.y));
}

void DoubleClickItem(DEDizedEditDialog& rDialog, HTREEITEM hItem)
{
    ClickItem(rDialog, hItem);
    const CPoint point = ItemPoint(rDialog.GetTree(), hItem);
    rDialog.GetTree().SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(point.x, point.y));
}

void SendCommand(CWnd& rWnd, UINT nID)
{
    rWnd.SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0);
}

DEDizedBackground* AddBackground(DEDized& chart, const RECT& rect, COLORREF crFill)
{
    DEDizedBackground* pBackground = new DEDizedBackground;
    pBackground->SetRectFromRECT(rect);
    pBackground->SetColours(crFill, crFill);
    chart.AddComponent(pBackground);
    return pBackground;
}

std::vector<std::string> ComponentClasses(DEDized& chart)
{
    std::vector<std::string> names;
    CObList* pList = chart.GetComponentList();
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;)
        names.push_back(pList->GetNext(pos)->GetRuntimeClass()->m_lpszClassName);
    return names;
}

std::string FileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}
