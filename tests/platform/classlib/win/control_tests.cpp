// The control wrappers where they do more than pass a message on: texts read into strings, the
// selection walk of list views, image lists handed out as temporary wrappers, dialog-initialisation
// data.
#include "FakeServices.h"

#include <string>
#include <vector>

namespace {

class Controls : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "controls", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr));
    }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CWnd parent;
};

TEST_F(Controls, EditLinesAndListTextsComeBackWhole)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, CRect(0, 0, 300, 100), &parent, 1));
    edit.SetWindowText("first line\r\n\r\na third line that is longer than the others");
    ASSERT_EQ(edit.GetLineCount(), 3);
    const char* expected[] = {"first line", "", "a third line that is longer than the others"};
    CString line;
    for (int i = 0; i < 3; ++i) {
        edit.GetLine(i, line);
        EXPECT_STREQ(line, expected[i]) << "line " << i;
    }
    edit.GetLine(7, line);
    EXPECT_STREQ(line, "") << "past the last line";

    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE, CRect(0, 110, 100, 200), &parent, 2));
    list.AddString("alpha");
    list.AddString("");
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST, CRect(110, 110, 200, 200), &parent, 3));
    combo.AddString("gamma");
    CString text = "stale";
    list.GetText(0, text);
    EXPECT_STREQ(text, "alpha");
    list.GetText(1, text);
    EXPECT_STREQ(text, "");
    list.GetText(5, text);
    EXPECT_STREQ(text, "") << "no such item";
    combo.GetLBText(0, text);
    EXPECT_STREQ(text, "gamma");
}

TEST_F(Controls, SelectedListViewItemsAreWalkedFromTheFirstPosition)
{
    CListCtrl view;
    ASSERT_TRUE(view.Create(WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &parent, 1));
    view.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
    for (const char* name : {"a", "b", "c", "d"})
        view.InsertItem(view.GetItemCount(), name);

    struct Case {
        std::vector<int> selected;
    };
    const Case cases[] = {{{}}, {{0}}, {{0, 2}}, {{3}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.selected.size() << " items selected, the first "
                                        << (c.selected.empty() ? -1 : c.selected.front()));
        for (int i = 0; i < 4; ++i)
            view.SetItemState(i, 0, LVIS_SELECTED);
        for (int i : c.selected)
            view.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
        std::vector<int> walked;
        for (POSITION pos = view.GetFirstSelectedItemPosition(); pos != nullptr;)
            walked.push_back(view.GetNextSelectedItem(pos));
        EXPECT_EQ(walked, c.selected);
    }
    view.SetItemText(1, 0, "renamed");
    EXPECT_STREQ(view.GetItemText(1, 0), "renamed");
}

TEST_F(Controls, TreeItemsAndImageListsOfTheControl)
{
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE | TVS_HASLINES, CRect(0, 0, 200, 200), &parent, 1));
    HTREEITEM hRoot = tree.InsertItem("criteria");
    HTREEITEM hFirst = tree.InsertItem("price", hRoot);
    HTREEITEM hSecond = tree.InsertItem("comfort", hRoot);
    tree.SetItemData(hSecond, 42);
    EXPECT_EQ(tree.GetRootItem(), hRoot);
    EXPECT_EQ(tree.GetChildItem(hRoot), hFirst);
    EXPECT_EQ(tree.GetNextSiblingItem(hFirst), hSecond);
    EXPECT_EQ(tree.GetParentItem(hSecond), hRoot);
    EXPECT_STREQ(tree.GetItemText(hSecond), "comfort");
    EXPECT_EQ(tree.GetItemData(hSecond), 42u);
    EXPECT_TRUE(tree.ItemHasChildren(hRoot));
    EXPECT_EQ(tree.GetCount(), 3u);

    // the drop highlight comes and goes, also while no item is selected
    for (HTREEITEM hSelected : {hRoot, HTREEITEM(nullptr)}) {
        tree.SelectItem(hSelected);
        EXPECT_TRUE(tree.SelectDropTarget(hFirst));
        EXPECT_EQ(tree.GetDropHilightItem(), hFirst);
        EXPECT_EQ(tree.GetItemState(hFirst, TVIS_DROPHILITED), UINT(TVIS_DROPHILITED));
        tree.SelectDropTarget(nullptr);
        EXPECT_EQ(tree.GetDropHilightItem(), nullptr) << hSelected;
        EXPECT_EQ(tree.GetItemState(hFirst, TVIS_DROPHILITED), 0u) << hSelected;
    }

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32, 2, 2));
    EXPECT_EQ(tree.SetImageList(&images, TVSIL_NORMAL), nullptr);
    EXPECT_EQ(tree.GetImageList(TVSIL_NORMAL), &images) << "the object holding the list";

    // a list no object holds comes back as a temporary wrapper, freed on idle
    HIMAGELIST hForeign = ::ImageList_Create(8, 8, ILC_COLOR32, 1, 1);
    CImageList* pTemp = CImageList::FromHandle(hForeign);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(pTemp->m_hImageList, hForeign);
    EXPECT_GE(CImageList::GetTempCount(), 1u);
    app.OnIdle(1);
    EXPECT_EQ(CImageList::GetTempCount(), 0u);
    int cx = 0, cy = 0;
    EXPECT_TRUE(::ImageList_GetIconSize(hForeign, &cx, &cy)) << "the list itself lives on";
    EXPECT_EQ(cx, 8);
    ::ImageList_Destroy(hForeign);
    tree.SetImageList(nullptr, TVSIL_NORMAL);
}

TEST_F(Controls, DialogInitialisationDataFillsListsAndRefusesCutRecords)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 100, 100), &parent, 7));
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE, CRect(110, 0, 200, 100), &parent, 8));
    // records: WORD id, WORD message, DWORD length, bytes; id 0 ends
    const BYTE data[] = {7, 0, 0x03, 0x04, 3, 0, 0, 0, 'O', 'n', 0,       //
                         8, 0, 0x80, 0x01, 2, 0, 0, 0, 'X', 'Y',          // no terminating 0 given
                         7, 0, 0x43, 0x01, 4, 0, 0, 0, 'T', 'w', 'o', 0, //
                         0, 0};
    EXPECT_TRUE(parent.ExecuteDlgInit(data, sizeof data));
    ASSERT_EQ(combo.GetCount(), 2);
    CString text;
    combo.GetLBText(1, text);
    EXPECT_STREQ(text, "Two");
    ASSERT_EQ(list.GetCount(), 1);
    list.GetText(0, text);
    EXPECT_STREQ(text, "XY");

    struct Case {
        size_t nSize;
        const char* what;
    };
    const Case cuts[] = {{6, "header cut"}, {9, "bytes cut"}};
    for (const Case& c : cuts) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(parent.ExecuteDlgInit(data, DWORD(c.nSize)));
    }
    EXPECT_EQ(combo.GetCount(), 2) << "a cut record adds nothing";
}

} // namespace
