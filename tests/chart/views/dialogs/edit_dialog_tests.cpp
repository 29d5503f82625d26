// The chart edit dialog: its tree, the commands on components (add, delete, reorder), annotations,
// values, the chart's switches, the context menu, and reading and writing templates.
#include "wine_gtest.h"

#include <algorithm>
#include <string>
#include <vector>

#include "DialogTestSupport.h"

#include "chart/engine/DEDizedDynamicData.h"
#include "chart/engine/DEDizedTemplate.h"
#include "chart/engine/components/DEDizedBackground.h"
#include "chart/engine/components/DEDizedLabelBlock.h"
#include "chart/engine/components/DEDizedLegend.h"
#include "chart/engine/display/DEDizedDisplay.h"
#include "core/CStdioFile.h"

namespace {

using EditDialog = ChartDialogTest;

// The components of the chart in list order.
std::vector<DEDizedComponent*> Components(DEDized& chart)
{
    std::vector<DEDizedComponent*> components;
    CObList* pList = chart.GetComponentList();
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;)
        components.push_back(static_cast<DEDizedComponent*>(pList->GetNext(pos)));
    return components;
}

// What the folder's items show, in order.
std::vector<DEDizedComponent*> TreeComponents(DEDizedEditDialog& dialog)
{
    std::vector<DEDizedComponent*> components;
    CTreeCtrl& tree = dialog.GetTree();
    for (HTREEITEM hItem = tree.GetChildItem(dialog.GetComponentsItem()); hItem != nullptr;
         hItem = tree.GetNextSiblingItem(hItem))
        components.push_back(reinterpret_cast<DEDizedComponent*>(tree.GetItemData(hItem)));
    return components;
}

// The folder's items themselves.
std::vector<HTREEITEM> FolderItems(DEDizedEditDialog& dialog)
{
    std::vector<HTREEITEM> items;
    CTreeCtrl& tree = dialog.GetTree();
    for (HTREEITEM hItem = tree.GetChildItem(dialog.GetComponentsItem()); hItem != nullptr;
         hItem = tree.GetNextSiblingItem(hItem))
        items.push_back(hItem);
    return items;
}

// The colour the chart draws at (x, y) of a 200 by 150 canvas.
COLORREF DrawnAt(DEDized& chart, int x, int y)
{
    DibCanvas canvas(200, 150);
    chart.MarkForRedraw();
    chart.Draw(&canvas.dc, nullptr);
    return canvas.At(x, y);
}

// A background that tells when it is destroyed.
class WatchedBackground : public DEDizedBackground {
public:
    explicit WatchedBackground(bool* pDestroyed) : m_pDestroyed(pDestroyed) {}
    ~WatchedBackground() override { *m_pDestroyed = true; }

private:
    bool* m_pDestroyed;
};

// The annotation dialog's answer: the text and the index typed, then OK.
std::function<void(CDialog&)> AnswerAnnotation(const char* pszText, int nIndex)
{
    return [=](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_CHART_ANNOTATION_TEXT, pszText);
        dialog.SetDlgItemText(IDC_CHART_ANNOTATION_INDEX, std::to_string(nIndex).c_str());
        ClickButton(dialog, IDOK);
    };
}

// A chart of two annotations; a title, a label with a text, a label block of three labels; two groups
// of two items with an item's and a group's annotation; and a group holding a series of three values.
void FillChart(DEDized& chart)
{
    chart.SetChartAnnotation("Sales", 1);
    chart.SetChartAnnotation("Umsatz", 2);
    chart.AddComponent(new DEDizedTitle);
    DEDizedLabel* pLabel = new DEDizedLabel;
    chart.AddComponent(pLabel);
    pLabel->SetText(1, "peak");
    DEDizedLabelBlock* pBlock = new DEDizedLabelBlock;
    chart.AddComponent(pBlock);
    for (const char* pszText : {"a", "b", "c"})
        pBlock->AddLabel(pszText);
    chart.SetValue(0, 0, 1.5, 0);
    chart.SetValue(1, 0, 2.0, 0);
    chart.SetValue(0, 1, 0.25, 0);
    chart.SetValue(1, 1, -3.0, 0);
    chart.SetItemAnnotation(1, 0, "second");
    chart.SetGroupAnnotation(1, "costs", 0);
    DEDizedDataList* pGroup = chart.GetGroup(2, 1);
    DEDizedDynamicData* pSeries = new DEDizedDynamicData;
    // three values that fill the series without growing it; it grows by 10 from then on
    pSeries->Allocate(3);
    pSeries->SetGrowBy(0);
    for (double dValue : {4.0, 5.0, 6.0})
        pSeries->SetValue(dValue);
    pSeries->SetGrowBy(10);
    pGroup->SetDynamic(1);
    pGroup->SetItem(pSeries, -1);
}

} // namespace

TEST_F(EditDialog, AChartWithNothingShowsItsItemAndAnEmptyFolder)
{
    RunEditDialog([&](DEDizedEditDialog& dialog) {
        EXPECT_EQ(TreeLines(dialog), (std::vector<std::string>{"[1/0] ", "  [3/2] Components"}));
        EXPECT_EQ(dialog.GetTree().GetItemData(dialog.GetChartItem()), DWORD_PTR(&chart));
    });
}

TEST_F(EditDialog, TheTreeShowsAnnotationsComponentsGroupsItemsAndValues)
{
    FillChart(chart);
    RunEditDialog([&](DEDizedEditDialog& dialog) {
        const std::vector<std::string> expected = {
            "[1/0] Sales",
            "  [7/6] Sales [ 1]",
            "  [7/6] Umsatz [ 2]",
            "  [3/2] Components",
            "    [5/4] Title",
            "    [5/4] Label",
            "      [7/6] peak [ 1]",
            "    [5/4] Label block",
            "    [5/4] Label",
            "      [7/6] a [ 1]",
            "    [5/4] Label",
            "      [7/6] b [ 1]",
            "    [5/4] Label",
            "      [7/6] c [ 1]",
            "  [9/8] Data group",
            "    [11/10] Data item",
            "      [13/12] Value [1.5]",
            "    [11/10] Data item",
            "      [13/12] Value [2]",
            "      [7/6] second [ 1]",
            "  [9/8] Data group",
            "    [11/10] Data item",
            "      [13/12] Value [0.25]",
            "    [11/10] Data item",
            "      [13/12] Value [-3]",
            "    [7/6] costs [ 1]",
            "  [9/8] Data group",
            "    [11/10] Data item",
            "      [13/12] Value [4]",
            "      [13/12] Value [5]",
            "      [13/12] Value [6]",
        };
        EXPECT_EQ(TreeLines(dialog), expected);
        // the labels beside the block are the block's own
        DEDizedLabelBlock* pBlock = static_cast<DEDizedLabelBlock*>(Components(chart)[2]);
        const std::vector<DEDizedComponent*> shown = TreeComponents(dialog);
        ASSERT_EQ(shown.size(), 6u);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(shown[size_t(3 + i)], pBlock->GetLabel(i));
        // an item's data points to what it shows: the annotation object, a value's index
        CTreeCtrl& tree = dialog.GetTree();
        EXPECT_EQ(tree.GetItemData(FindTreeItem(dialog, "Umsatz [ 2]")),
                  DWORD_PTR(chart.GetChartAnnotationList()->GetTail()));
        EXPECT_EQ(tree.GetItemData(FindTreeItem(dialog, "Value [-3]")), DWORD_PTR(1));
        EXPECT_EQ(tree.GetItemData(FindTreeItem(dialog, "Value [6]")), DWORD_PTR(2));
    });
}

TEST_F(EditDialog, ReorderingChangesTheDrawingOrderAndStopsAtTheEnds)
{
    DEDizedComponent* pRed = AddBackground(chart, CRect(0, 0, 100, 100), RGB(255, 0, 0));
    DEDizedComponent* pBlue = AddBackground(chart, CRect(20, 20, 60, 60), RGB(0, 0, 255));
    DEDizedComponent* pGreen = AddBackground(chart, CRect(120, 20, 160, 60), RGB(0, 255, 0));
    ASSERT_EQ(DrawnAt(chart, 30, 30), RGB(0, 0, 255));
    struct Step {
        UINT nCommand;
        std::vector<DEDizedComponent*> order;
        bool bMoved;
    };
    const Step steps[] = {
        {ID_CHART_MOVE_EARLIER, {pBlue, pRed, pGreen}, true},
        {ID_CHART_MOVE_EARLIER, {pBlue, pRed, pGreen}, false},
        {ID_CHART_MOVE_LATER, {pRed, pBlue, pGreen}, true},
        {ID_CHART_MOVE_LATER, {pRed, pGreen, pBlue}, true},
        {ID_CHART_MOVE_LATER, {pRed, pGreen, pBlue}, false},
        {ID_CHART_MOVE_TO_START, {pBlue, pRed, pGreen}, true},
        {ID_CHART_MOVE_TO_END, {pRed, pGreen, pBlue}, true},
    };
    RunEditDialog([&](DEDizedEditDialog& dialog) {
        ClickItem(dialog, ComponentItem(dialog, 1));
        for (const Step& step : steps) {
            SCOPED_TRACE(testing::Message() << "command " << step.nCommand);
            const std::vector<HTREEITEM> before = FolderItems(dialog);
            SendCommand(dialog, step.nCommand);
            EXPECT_EQ(Components(chart), step.order);
            EXPECT_EQ(TreeComponents(dialog), step.order);
            if (!step.bMoved)
                EXPECT_EQ(FolderItems(dialog), before) << "the tree is left as it was";
            // the moved component stays the current one
            EXPECT_EQ(dialog.GetTree().GetItemData(dialog.GetTree().GetCurrentItem()), DWORD_PTR(pBlue));
            // a later place draws in front
            const bool bBlueOverRed = std::find(step.order.begin(), step.order.end(), pBlue) >
                                      std::find(step.order.begin(), step.order.end(), pRed);
            EXPECT_EQ(DrawnAt(chart, 30, 30), bBlueOverRed ? RGB(0, 0, 255) : RGB(255, 0, 0));
        }
    });
}

TEST_F(EditDialog, AddingMakesTheChosenKindAndOtherChoicesGoToTheHook)
{
    class OtherKinds : public DEDizedEditDialog {
    public:
        void AddOtherComponent(int nKind) override { kinds.push_back(nKind); }
        std::vector<int> kinds;
    };
    OtherKinds dialog;
    RunEditDialog(
        [&](DEDizedEditDialog& shown) {
            for (int i = 0; i <= 6; ++i) {
                fake.ExpectModal([i](CDialog& choice) {
                    EXPECT_EQ(choice.SendDlgItemMessage(IDC_CHART_COMPONENT_KIND, CB_GETCURSEL), 0);
                    choice.SendDlgItemMessage(IDC_CHART_COMPONENT_KIND, CB_SETCURSEL, WPARAM(i < 6 ? i : -1));
                    ClickButton(choice, IDOK);
                });
                SendCommand(shown, ID_CHART_ADD_COMPONENT);
            }
            fake.ExpectModal([](CDialog& choice) { ClickButton(choice, IDCANCEL); });
            SendCommand(shown, ID_CHART_ADD_COMPONENT);
            EXPECT_EQ(TreeComponents(shown), Components(chart));
        },
        &dialog);
    EXPECT_EQ(ComponentClasses(chart), (std::vector<std::string>{"DEDizedBackground", "DEDizedDisplay", "DEDizedLegend",
                                                                 "DEDizedTitle", "DEDizedLabel", "DEDizedLabelBlock"}));
    EXPECT_EQ(dialog.kinds, std::vector<int>{-1}) << "no selection";
}

TEST_F(EditDialog, DeletingRemovesAndDestroysOnlyAComponentOfTheList)
{
    bool bDestroyed = false;
    chart.AddComponent(new WatchedBackground(&bDestroyed));
    DEDizedLabelBlock* pBlock = new DEDizedLabelBlock;
    chart.AddComponent(pBlock);
    pBlock->AddLabel("kept");
    RunEditDialog([&](DEDizedEditDialog& dialog) {
        // a label of a block is not in the chart's list
        ClickItem(dialog, ComponentItem(dialog, 2));
        SendCommand(dialog, ID_CHART_DELETE_COMPONENT);
        EXPECT_EQ(pBlock->GetLabelCount(), 1);
        ClickItem(dialog, ComponentItem(dialog, 0));
        SendCommand(dialog, ID_CHART_DELETE_COMPONENT);
        EXPECT_TRUE(bDestroyed);
        EXPECT_EQ(Components(chart), std::vector<DEDizedComponent*>{pBlock});
        EXPECT_EQ(TreeComponents(dialog).size(), 2u);
        EXPECT_EQ(dialog.GetTree().GetCurrentItem(), nullptr) << "what was current is gone";
    });
}

TEST_F(EditDialog, CommandsDoNothingWithoutACurrentComponentOfTheChart)
{
    DEDizedComponent* pFirst = AddBackground(chart, CRect(0, 0, 10, 10), RGB(255, 0, 0));
    DEDizedComponent* pSecond = AddBackground(chart, CRect(0, 0, 10, 10), RGB(0, 255, 0));
    const UINT commands[] = {ID_CHART_COMPONENT_PROPERTIES, ID_CHART_DELETE_COMPONENT, ID_CHART_MOVE_TO_END,
                             ID_CHART_MOVE_TO_START, ID_CHART_MOVE_LATER, ID_CHART_MOVE_EARLIER,
                             ID_CHART_ADD_ANNOTATION, ID_CHART_ADD_DATA_ANNOTATION, ID_CHART_EDIT_NOTHING};
    RunEditDialog([&](DEDizedEditDialog& dialog) {
        // no modal window may open: the fake fails any it was not told of
        for (UINT nCommand : commands)
            SendCommand(dialog, nCommand);
        EXPECT_EQ(Components(chart), (std::vector<DEDizedComponent*>{pFirst, pSecond}));

        // the current component left the chart behind the dialog's back
        ClickItem(dialog, ComponentItem(dialog, 0));
        chart.GetComponentList()->RemoveHead();
        for (UINT nCommand : commands)
            SendCommand(dialog, nCommand);
        EXPECT_EQ(Components(chart), std::vector<DEDizedComponent*>{pSecond});
    });
    delete pFirst;
}

TEST_F(EditDialog, AnEditedAnnotationGoesToItsOwnerUnderTheIndexGiven)
{
    FillChart(chart);
    chart.SetChartAnnotation("spare", 3);
    DEDizedLabel* pLabel = static_cast<DEDizedLabel*>(Components(chart)[1]);
    DEDizedDataList* pGroup = chart.GetGroup(1, 0);
    DEDizedData* pItem = chart.GetDataItem(1, 0);
    RunEditDialog([&](DEDizedEditDialog& dialog) {
        struct Case {
            const char* pszItem;
            const char* pszOldText;
            int nOldIndex;
            int nNewIndex;
            std::function<CString(int)> text;
        };
        const Case cases[] = {
            {"Sales [ 1]", "Sales", 1, 2, [&](int n) { return chart.GetChartAnnotation(n); }},
            {"spare [ 3]", "spare", 3, 3, [&](int n) { return chart.GetChartAnnotation(n); }},
            {"peak [ 1]", "peak", 1, 4, [&](int n) { return pLabel->GetText(n); }},
            {"costs [ 1]", "costs", 1, 5, [&](int n) { return CString(pGroup->GetAnnotation(n)); }},
            {"second [ 1]", "second", 1, 6, [&](int n) { return CString(pItem->GetAnnotation(n)); }},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.pszItem);
            const HTREEITEM hItem = FindTreeItem(dialog, c.pszItem);
            ASSERT_NE(hItem, nullptr);
            fake.ExpectModal([&](CDialog& edit) {
                CString text;
                edit.GetDlgItemText(IDC_CHART_ANNOTATION_TEXT, text);
                EXPECT_STREQ(text, c.pszOldText);
                EXPECT_EQ(edit.GetDlgItemInt(IDC_CHART_ANNOTATION_INDEX), UINT(c.nOldIndex));
                AnswerAnnotation("new", c.nNewIndex)(edit);
            });
            DoubleClickItem(dialog, hItem);
            EXPECT_STREQ(c.text(c.nNewIndex), "new");
            // another index adds an annotation beside the old one; the same index replaces its text
            if (c.nNewIndex != c.nOldIndex)
                EXPECT_STREQ(c.text(c.nOldIndex), c.pszOldText);
            EXPECT_NE(FindTreeItem(dialog, ("new [ " + std::to_string(c.nNewIndex) + "]").c_str()), nullptr);
        }
        EXPECT_EQ(chart.GetChartAnnotationList()->GetCount(), 3) << "Sales, new in Umsatz's place at 2, new at 3";
    });
}

TEST_F(EditDialog, AddingAnAnnotationByTheKindOfTheCurrentItem)
{
    FillChart(chart);
    DEDizedLabel* pLabel = static_cast<DEDizedLabel*>(Components(chart)[1]);
    DEDizedLabelBlock* pBlock = static_cast<DEDizedLabelBlock*>(Components(chart)[2]);
    DEDizedDataList* pGroup = chart.GetGroup(0, 0);
    DEDizedData* pItem = chart.GetDataItem(0, 1);
    RunEditDialog([&](DEDizedEditDialog& dialog) {
        // the dialog opens with index 1
        fake.ExpectModal([](CDialog& edit) {
            EXPECT_EQ(edit.GetDlgItemInt(IDC_CHART_ANNOTATION_INDEX), 1u);
            AnswerAnnotation("d", 1)(edit);
        });
        ClickItem(dialog, ComponentItem(dialog, 2));
        SendCommand(dialog, ID_CHART_ADD_ANNOTATION);
        ASSERT_EQ(pBlock->GetLabelCount(), 4);
        EXPECT_STREQ(pBlock->GetLabel(3)->GetText(1), "d");
        EXPECT_NE(FindTreeItem(dialog, "d [ 1]"), nullptr);

        fake.ExpectModal(AnswerAnnotation("low", 2));
        ClickItem(dialog, ComponentItem(dialog, 1));
        SendCommand(dialog, ID_CHART_ADD_ANNOTATION);
        EXPECT_STREQ(pLabel->GetText(2), "low");

        fake.ExpectModal(AnswerAnnotation("group", 2));
        ClickItem(dialog, FindTreeItem(dialog, "Data group"));
        SendCommand(dialog, ID_CHART_ADD_DATA_ANNOTATION);
        EXPECT_STREQ(pGroup->GetAnnotation(2), "group");

        fake.ExpectModal(AnswerAnnotation("item", 1));
        ClickItem(dialog, dialog.GetTree().GetParentItem(FindTreeItem(dialog, "Value [0.25]")));
        SendCommand(dialog, ID_CHART_ADD_DATA_ANNOTATION);
        EXPECT_STREQ(pItem->GetAnnotation(1), "item");

        // a title takes no annotation; a cancelled dialog changes nothing
        fake.ExpectModal(AnswerAnnotation("none", 1));
        ClickItem(dialog, ComponentItem(dialog, 0));
        SendCommand(dialog, ID_CHART_ADD_ANNOTATION);
        fake.ExpectModal([](CDialog& edit) { ClickButton(edit, IDCANCEL); });
        ClickItem(dialog, ComponentItem(dialog, 2));
        SendCommand(dialog, ID_CHART_ADD_ANNOTATION);
        EXPECT_EQ(pBlock->GetLabelCount(), 4);
    });
}

TEST_F(EditDialog, AnEditedValueIsStoredAndOnlyItsItemRewritten)
{
    FillChart(chart);
    DEDizedDynamicData* pSeries = static_cast<DEDizedDynamicData*>(chart.GetGroup(2, 0)->GetHead());
    RunEditDialog([&](DEDizedEditDialog& dialog) {
        const std::vector<std::string> before = TreeLines(dialog);
        const HTREEITEM hGroup = FindTreeItem(dialog, "Data group");
        fake.ExpectModal([](CDialog& edit) {
            CString text;
            edit.GetDlgItemText(IDC_CHART_VALUE, text);
            EXPECT_STREQ(text, "2");
            edit.SetDlgItemText(IDC_CHART_VALUE, "2.5");
            ClickButton(edit, IDOK);
        });
        DoubleClickItem(dialog, FindTreeItem(dialog, "Value [2]"));
        EXPECT_DOUBLE_EQ(chart.GetValue(1, 0), 2.5);
        std::vector<std::string> expected = before;
        for (std::string& line : expected)
            if (line == "      [13/12] Value [2]")
                line = "      [13/12] Value [2.5]";
        EXPECT_EQ(TreeLines(dialog), expected);
        EXPECT_EQ(FindTreeItem(dialog, "Data group"), hGroup) << "the tree was not rebuilt";

        // the last value of a series is written in place: the series does not grow
        fake.ExpectModal([](CDialog& edit) {
            edit.SetDlgItemText(IDC_CHART_VALUE, "7");
            ClickButton(edit, IDOK);
        });
        DoubleClickItem(dialog, FindTreeItem(dialog, "Value [6]"));
        EXPECT_EQ(pSeries->GetSize(), 3);
        EXPECT_EQ(pSeries->GetGrowBy(), 10);
        pSeries->SetReadPosition(0);
        EXPECT_EQ(std::vector<double>({pSeries->GetValue(), pSeries->GetValue(), pSeries->GetValue()}),
                  std::vector<double>({4.0, 5.0, 7.0}));
        EXPECT_NE(FindTreeItem(dialog, "Value [7]"), nullptr);
    });
}

TEST_F(EditDialog, TheChartItemEditsTheChartsSwitches)
{
    chart.SetBuffered(1);
    chart.EnableHitRegions(1);
    RunEditDialog([&](DEDizedEditDialog& dialog) {
        fake.ExpectModal([](CDialog& edit) {
            EXPECT_EQ(edit.IsDlgButtonChecked(IDC_CHART_ITEM_BUFFERED), UINT(BST_CHECKED));
            EXPECT_EQ(edit.IsDlgButtonChecked(IDC_CHART_ITEM_HIT_REGIONS), UINT(BST_CHECKED));
            edit.CheckDlgButton(IDC_CHART_ITEM_BUFFERED, BST_UNCHECKED);
            ClickButton(edit, IDOK);
        });
        DoubleClickItem(dialog, dialog.GetChartItem());
    });
    EXPECT_EQ(chart.IsBuffered(), 0);
    EXPECT_NE(chart.AreHitRegionsEnabled(), 0);
}

TEST_F(EditDialog, TheContextMenuOfAnItemIsTheSubmenuOfItsKind)
{
    FillChart(chart);
    AddBackground(chart, CRect(0, 0, 10, 10), RGB(0, 0, 0));
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_CHART_EDIT_MENU));
    auto commandsOf = [](HMENU hMenu) {
        std::vector<UINT> ids;
        for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
            ids.push_back(::GetMenuItemID(hMenu, i));
        return ids;
    };
    RunEditDialog([&](DEDizedEditDialog& dialog) {
        struct Case {
            HTREEITEM hItem;
            int nSubMenu;  // -1: no menu
        };
        const Case cases[] = {
            {dialog.GetComponentsItem(), 0},  {ComponentItem(dialog, 6), 1}, {ComponentItem(dialog, 1), 2},
            {ComponentItem(dialog, 3), 2},    {ComponentItem(dialog, 2), 3}, {FindTreeItem(dialog, "Data group"), 4},
            {FindTreeItem(dialog, "Data item"), 4}, {dialog.GetChartItem(), -1}, {FindTreeItem(dialog, "peak [ 1]"), -1},
            {FindTreeItem(dialog, "Value [2]"), -1},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "submenu " << c.nSubMenu);
            const size_t nPopups = fake.CallsOf("TrackPopupMenu").size();
            if (c.nSubMenu >= 0)
                fake.ExpectPopupMenu(0, [&](HMENU hMenu) {
                    EXPECT_EQ(commandsOf(hMenu), commandsOf(menu.GetSubMenu(c.nSubMenu)->m_hMenu));
                });
            ClickItem(dialog, c.hItem, true);
            EXPECT_EQ(fake.CallsOf("TrackPopupMenu").size(), nPopups + (c.nSubMenu >= 0 ? 1 : 0));
        }

        // the menu opens where the mouse was last, and its command runs
        const HTREEITEM hBackground = ComponentItem(dialog, 6);
        CRect rect;
        dialog.GetTree().GetItemRect(hBackground, &rect, TRUE);
        dialog.GetTree().SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rect.left + 2, rect.top + 2));
        CPoint expected(rect.left + 2, rect.top + 2);
        dialog.GetTree().ClientToScreen(&expected);
        fake.ExpectPopupMenu(ID_CHART_MOVE_TO_START);
        ClickItem(dialog, hBackground, true);
        PumpWaitingMessages();
        const CFakeServices::Call popup = fake.CallsOf("TrackPopupMenu").back();
        EXPECT_EQ(CPoint(popup.pt), expected);
        EXPECT_NE(popup.nType & TPM_RIGHTBUTTON, 0u);
        EXPECT_STREQ(Components(chart)[0]->GetRuntimeClass()->m_lpszClassName, "DEDizedBackground");
    });
}

TEST_F(EditDialog, AWrittenTemplateReadsBackIntoAnEmptyChart)
{
    AddBackground(chart, CRect(0, 0, 200, 150), RGB(255, 255, 255));
    DEDizedTitle* pTitle = new DEDizedTitle;
    pTitle->SetRectValues(10.0, 5.0, 190.0, 30.0);
    chart.AddComponent(pTitle);
    chart.AddComponent(new DEDizedDisplay);
    chart.AddComponent(new DEDizedLegend);
    ScratchFile file("written.sgt");
    RunEditDialog([&](DEDizedEditDialog& dialog) {
        fake.ExpectFileDialog(IDOK, file.windows.c_str());
        SendCommand(dialog, ID_CHART_WRITE_TEMPLATE);
    });
    const CFakeServices::Call save = fake.CallsOf("GetSaveFileName").at(0);
    EXPECT_EQ(save.defExt, "sgt");
    EXPECT_TRUE(save.filter.empty());
    EXPECT_EQ(save.dwFlags & (OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT), DWORD(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));

    const std::string written = FileText(file.host);
    const std::string header = "//DEDized template output system V1.0\r\n\r\n";
    const std::string trailer = "// End of template/n/n";
    ASSERT_GT(written.size(), header.size() + trailer.size());
    EXPECT_EQ(written.substr(0, header.size()), header);
    EXPECT_EQ(written.substr(written.size() - trailer.size()), trailer) << "the last bytes, without a line end";
    std::vector<std::string> keywords;
    const std::string body = written.substr(header.size(), written.size() - header.size() - trailer.size());
    for (size_t start = 0; start < body.size();) {
        const size_t end = body.find("\r\n", start);
        keywords.push_back(body.substr(start, body.find(' ', start) - start));
        start = end == std::string::npos ? body.size() : end + 2;
    }
    EXPECT_EQ(keywords, (std::vector<std::string>{"background", "title", "data", "legend"}));

    DEDized other;
    DEDizedEditDialog reading;
    reading.SetChart(&other);
    RunEditDialog(
        [&](DEDizedEditDialog& dialog) {
            fake.ExpectFileDialog(IDOK, file.windows.c_str());
            SendCommand(dialog, ID_CHART_READ_TEMPLATE);
            EXPECT_EQ(TreeComponents(dialog).size(), 4u);
        },
        &reading);
    EXPECT_EQ(fake.CallsOf("GetOpenFileName").at(0).defExt, "sgt");
    EXPECT_EQ(ComponentClasses(other), ComponentClasses(chart));
    ScratchFile again("again.sgt");
    {
        CStdioFile writer(again.host.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        WriteChartTemplate(other, writer);
    }
    EXPECT_EQ(FileText(again.host), written);
}

TEST_F(EditDialog, AnUnreadableTemplateLeavesTheComponents)
{
    FillChart(chart);
    const std::vector<DEDizedComponent*> before = Components(chart);
    ScratchFile missing("missing.sgt");
    RunEditDialog([&](DEDizedEditDialog& dialog) {
        fake.ExpectFileDialog(IDOK, missing.windows.c_str());
        fake.ExpectMessageBox(IDOK, "could not be opened or read");
        SendCommand(dialog, ID_CHART_READ_TEMPLATE);
        fake.ExpectFileDialog(IDOK, "Z:\\no such folder\\chart.sgt");
        fake.ExpectMessageBox(IDOK, "could not be opened or read");
        SendCommand(dialog, ID_CHART_READ_TEMPLATE);
        fake.ExpectFileDialog(IDCANCEL);
        SendCommand(dialog, ID_CHART_READ_TEMPLATE);
        EXPECT_EQ(TreeComponents(dialog).size(), 6u);
    });
    EXPECT_EQ(Components(chart), before);
    EXPECT_NE(fake.CallsOf("MessageBox").at(0).nType & MB_ICONSTOP, 0u);
}

TEST_F(EditDialog, ATemplateThatCannotBeWrittenIsReportedOnceAndTheDialogStaysOpen)
{
    FillChart(chart);
    RunEditDialog([&](DEDizedEditDialog& dialog) {
        for (const char* pszPath : {"Z:\\proc\\chart.sgt", "Z:\\no such folder\\chart.sgt"}) {
            SCOPED_TRACE(pszPath);
            fake.ExpectFileDialog(IDOK, pszPath);
            fake.ExpectMessageBox(IDOK);
            SendCommand(dialog, ID_CHART_WRITE_TEMPLATE);
            EXPECT_FALSE(dialog.IsModalEnded());
        }
    });
    EXPECT_EQ(fake.CallsOf("MessageBox").size(), 2u);
}
