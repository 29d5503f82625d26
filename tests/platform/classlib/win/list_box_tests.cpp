// Check list boxes (check states, the user's Space and clicks, the parent's notification) and drag list
// boxes (the drag's reports reaching the list's virtual operations, the default move).
#include "FakeServices.h"

#include "TestSupport.h"

#include <string>
#include <vector>

namespace {

// A parent that notes the commands its controls send.
class CNotedParent : public CWnd {
public:
    std::vector<std::pair<WPARAM, LPARAM>> commands;

    std::vector<std::pair<WPARAM, LPARAM>> CommandsWithCode(UINT nCode) const
    {
        std::vector<std::pair<WPARAM, LPARAM>> found;
        for (const auto& command : commands)
            if (HIWORD(command.first) == nCode)
                found.push_back(command);
        return found;
    }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        commands.emplace_back(wParam, lParam);
        return CWnd::OnCommand(wParam, lParam);
    }
};

class ListBoxes : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "lists", WS_POPUP | WS_VISIBLE, 60, 60, 400, 300, nullptr, nullptr));
    }
    void TearDown() override { parent.DestroyWindow(); }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CNotedParent parent;
};

std::vector<int> Checks(const CCheckListBox& list)
{
    std::vector<int> checks;
    for (int i = 0; i < list.GetCount(); ++i)
        checks.push_back(list.GetCheck(i));
    return checks;
}

// Clicks the box of item nIndex with the left button.
void ClickBox(CCheckListBox& list, int nIndex)
{
    CRect rcItem;
    ASSERT_NE(list.GetItemRect(nIndex, &rcItem), LB_ERR);
    const CPoint center = list.GetCheckRect(rcItem).CenterPoint();
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(center.x, center.y));
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(center.x, center.y));
}

// The number of dark pixels inside item nIndex's box as the list shows it.
int DarkPixelsInBox(CCheckListBox& list, int nIndex)
{
    list.UpdateWindow();
    CRect rcItem;
    list.GetItemRect(nIndex, &rcItem);
    CRect box = list.GetCheckRect(rcItem);
    box.DeflateRect(2, 2);
    const HDC hDC = ::GetDC(list.m_hWnd);
    int nDark = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            if (GetRValue(::GetPixel(hDC, x, y)) < 128)
                ++nDark;
    ::ReleaseDC(list.m_hWnd, hDC);
    return nDark;
}

TEST_F(ListBoxes, SpaceAndAClickOnTheBoxToggleAnItemAndTellTheParent)
{
    CCheckListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | WS_BORDER | LBS_NOTIFY, CRect(10, 10, 200, 150), &parent, 7));
    EXPECT_EQ(list.GetStyle() & (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS), DWORD(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS));
    for (const char* text : {"Red", "Green", "Blue"})
        list.AddString(text);
    EXPECT_GE(list.GetItemHeight(0), 15) << "room for the box";
    list.SetCheck(1, 1);
    EXPECT_EQ(Checks(list), (std::vector<int>{0, 1, 0}));
    EXPECT_TRUE(parent.CommandsWithCode(CLBN_CHKCHANGE).empty()) << "the program's SetCheck does not notify";
    EXPECT_EQ(DarkPixelsInBox(list, 0), 0) << "a clear box";
    EXPECT_GT(DarkPixelsInBox(list, 1), 0) << "a ticked box";

    list.SetCurSel(2);
    list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    list.SendMessage(WM_CHAR, ' ', 0);
    EXPECT_EQ(Checks(list), (std::vector<int>{0, 1, 1}));
    EXPECT_EQ(list.GetCurSel(), 2) << "the blank does not move the selection";
    ClickBox(list, 0);
    EXPECT_EQ(Checks(list), (std::vector<int>{1, 1, 1}));
    const auto notes = parent.CommandsWithCode(CLBN_CHKCHANGE);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(LOWORD(notes[0].first), 7);
    EXPECT_EQ(notes[0].second, reinterpret_cast<LPARAM>(list.m_hWnd));

    // a click on the text selects without toggling
    CRect rcItem;
    list.GetItemRect(1, &rcItem);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rcItem.right - 5, rcItem.top + 2));
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rcItem.right - 5, rcItem.top + 2));
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(list.GetCheck(1), 1);

    // items inserted and deleted by the list's own messages keep the states in step
    list.SendMessage(LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("Black"));
    EXPECT_EQ(Checks(list), (std::vector<int>{0, 1, 1, 1}));
    list.SetCheck(0, 2);
    list.DeleteString(1);
    EXPECT_EQ(Checks(list), (std::vector<int>{2, 1, 1}));
    ClickBox(list, 0);
    EXPECT_EQ(list.GetCheck(0), 1) << "the user ticks an indeterminate item";
    list.ResetContent();
    list.AddString("White");
    EXPECT_EQ(Checks(list), (std::vector<int>{0}));
}

TEST_F(ListBoxes, CheckStatesRefuseBadItemsAndValues)
{
    CCheckListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE, CRect(10, 10, 200, 150), &parent, 9));
    list.AddString("only");
    ExpectInvalidArg([&] { list.SetCheck(3, 1); }, "item 3");
    ExpectInvalidArg([&] { list.SetCheck(0, 3); }, "check state 3");
    EXPECT_EQ(list.GetCheck(3), 0) << "no such item";
}

// ---- drag lists ---------------------------------------------------------------------------------------

class CNotedDragList : public CDragListBox {
public:
    std::vector<std::string> steps;

    BOOL BeginDrag(CPoint pt) override
    {
        steps.push_back("begin " + std::to_string(ItemFromPt(pt, FALSE)));
        return CDragListBox::BeginDrag(pt);
    }
    UINT Dragging(CPoint pt) override
    {
        steps.push_back("dragging " + std::to_string(ItemFromPt(pt, FALSE)));
        return CDragListBox::Dragging(pt);
    }
    void Dropped(int nSrcIndex, CPoint pt) override
    {
        steps.push_back("dropped " + std::to_string(nSrcIndex) + " on " + std::to_string(ItemFromPt(pt, FALSE)));
        CDragListBox::Dropped(nSrcIndex, pt);
    }
    void CancelDrag(CPoint pt) override
    {
        steps.push_back("cancel");
        CDragListBox::CancelDrag(pt);
    }
};

std::vector<std::string> Texts(const CListBox& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.GetCount(); ++i) {
        CString text;
        list.GetText(i, text);
        texts.push_back(text.GetString());
    }
    return texts;
}

// The screen point in the middle of item nIndex (below the last item for nIndex == count).
CPoint ItemPoint(const CListBox& list, int nIndex)
{
    CRect rect;
    list.GetItemRect(nIndex < list.GetCount() ? nIndex : list.GetCount() - 1, &rect);
    CPoint point = rect.CenterPoint();
    if (nIndex >= list.GetCount())
        point.y = rect.bottom + 40;
    list.ClientToScreen(&point);
    return point;
}

TEST_F(ListBoxes, DragListReportsItsStepsWithTheItemIndexesAndMovesTheDroppedItem)
{
    CNotedDragList list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_NOTIFY, CRect(10, 10, 200, 150), &parent, 5));
    for (const char* text : {"a", "b", "c", "d"})
        list.AddString(text);
    list.SetItemData(0, 100);
    const UINT nDragMessage = ::RegisterWindowMessageA(DRAGLISTMSGSTRING);

    // the drag list's reports, posted to the parent as the system sends them
    struct Report {
        UINT nNotification;
        int nItem;
    };
    const auto Run = [&](std::vector<Report> reports) {
        std::vector<DRAGLISTINFO> infos;
        for (const Report& report : reports)
            infos.push_back({report.nNotification, list.m_hWnd, ItemPoint(list, report.nItem)});
        for (DRAGLISTINFO& info : infos)
            parent.PostMessage(nDragMessage, 0, reinterpret_cast<LPARAM>(&info));
        PumpWaitingMessages();
    };

    Run({{DL_BEGINDRAG, 0}, {DL_DRAGGING, 2}, {DL_DROPPED, 2}});
    EXPECT_EQ(list.steps, (std::vector<std::string>{"begin 0", "dragging 2", "dropped 0 on 2"}));
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"b", "a", "c", "d"}));
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(list.GetItemData(1), 100u) << "the item's data moves with it";

    struct Case {
        std::vector<Report> reports;
        const char* what;
    };
    const Case unmoved[] = {{{{DL_BEGINDRAG, 3}, {DL_CANCELDRAG, 0}}, "a cancelled drag"},
                            {{{DL_BEGINDRAG, 1}, {DL_DROPPED, 2}}, "dropped on the next item"},
                            {{{DL_BEGINDRAG, 1}, {DL_DROPPED, 1}}, "dropped on itself"},
                            {{{DL_BEGINDRAG, 0}, {DL_DROPPED, 4}}, "dropped below the items"}};
    for (const Case& c : unmoved) {
        list.steps.clear();
        Run(c.reports);
        EXPECT_EQ(Texts(list), (std::vector<std::string>{"b", "a", "c", "d"})) << c.what;
    }
    EXPECT_EQ(list.steps.back(), "dropped 0 on -1");

    // the list is a drag list of the system: a press and release on it makes the system report a drag
    list.steps.clear();
    list.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    list.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpWaitingMessages();
    ASSERT_FALSE(list.steps.empty());
    EXPECT_EQ(list.steps.front().rfind("begin", 0), 0u) << list.steps.front();
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

} // namespace
