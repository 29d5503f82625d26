// The criteria pane of the main window and the criterion property sheet: layout, adding, editing and
// removing criteria with their scales, what each does to the project's tables, and the save question
// with only criteria.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "PaneTestSupport.h"

#include "app/ZQCritPropSheet.h"
#include "app/ZQGridView.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXStyle.h"
#include "res/resource.h"

namespace {

const int kAddCriterion = 222;
const int kRemoveCriterion = 223;
const int kUp = 231;
const int kDown = 232;
const int kRemoveValue = 233;
const int kAddValue = 234;
// the interior of an empty cell of an ordinal column in the evaluations grid
const COLORREF kEmptyChoiceGreen = 0x80FF80;

CZQCritPropPage1& General(CPropertySheet& sheet)
{
    return *dynamic_cast<CZQCritPropPage1*>(sheet.GetPage(0));
}

CZQCritPropPage2& Values(CPropertySheet& sheet)
{
    return *dynamic_cast<CZQCritPropPage2*>(sheet.GetPage(1));
}

// Chooses kind radio button nID (1008 to 1010) as a click does.
void ChooseKind(CZQCritPropPage1& page, int nID)
{
    page.CheckRadioButton(IDC_ZQ_GAIN, IDC_ZQ_ORDINAL, nID);
    ClickButton(page, nID);
}

// Types each value into the page's box and presses Enter.
void TypeValues(CZQCritPropPage2& page, const std::vector<const char*>& values)
{
    for (const char* value : values) {
        page.m_wndName.SetWindowText(value);
        page.m_wndName.SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    }
}

// The page's list: "value:rank" in list order.
std::string ValueRows(CZQCritPropPage2& page)
{
    std::string rows;
    for (int i = 0; i < page.m_wndList.GetItemCount(); ++i)
        rows += (i > 0 ? " " : "") + Str(page.m_wndList.GetItemText(i, 0)) + ":" + Str(page.m_wndList.GetItemText(i, 1));
    return rows;
}

// Selects exactly the list items of rows (by index).
void SelectRows(CListCtrl& list, const std::vector<int>& rows)
{
    for (int i = 0; i < list.GetItemCount(); ++i) {
        const bool bSelected = std::find(rows.begin(), rows.end(), i) != rows.end();
        list.SetItemState(i, bSelected ? LVIS_SELECTED : 0, LVIS_SELECTED);
    }
}

std::string Join(const ZQTable& table)
{
    std::string text;
    for (const ZQRow& row : table) {
        text += text.empty() ? "" : " | ";
        for (size_t i = 0; i < row.size(); ++i)
            text += (i > 0 ? "," : "") + Str(row[i]);
    }
    return text;
}

class CriteriaPane : public PanesFixture {
protected:
    // The criteria list: "name:kind text" in list order.
    std::string Items()
    {
        CListCtrl& list = Criteria().m_wndList;
        std::string items;
        for (int i = 0; i < list.GetItemCount(); ++i)
            items += (i > 0 ? " " : "") + Str(list.GetItemText(i, 0)) + ":" + Str(list.GetItemText(i, 1));
        return items;
    }
    // The evaluations of the alternatives under the header cell name, joined by ','.
    std::string Column(const char* name)
    {
        const ZQTable& evaluations = app.m_Project.EvaluationsTable;
        const size_t nColumn = EvaluationColumnOf(evaluations, name);
        std::string cells;
        for (size_t r = 1; nColumn > 0 && r < evaluations.size(); ++r)
            cells += (r > 1 ? "," : "") + Str(ProjectCell(evaluations[r], nColumn));
        return nColumn > 0 ? cells : "<no column>";
    }
    // Selects the criteria list's item named name (only it).
    void SelectCriterion(const char* name)
    {
        CListCtrl& list = Criteria().m_wndList;
        for (int i = 0; i < list.GetItemCount(); ++i)
            list.SetItemState(i, list.GetItemText(i, 0) == name ? LVIS_SELECTED : 0, LVIS_SELECTED);
    }
    // Edits the criterion name in its sheet with script.
    void Edit(const char* name, std::function<void(CPropertySheet&)> script)
    {
        SelectCriterion(name);
        fake.ExpectModalSheet(std::move(script));
        Command(Criteria(), ID_ZQ_CRITERION_PROPERTIES);
    }
};

TEST_F(CriteriaPane, ChildrenLayOutInTheInsideRectangleWithTheirColumnsAndTips)
{
    CZQDockingWndCrit& crit = Criteria();
    CRect r;
    crit.GetInsideRect(r);
    const int cx = r.right - r.left;
    const struct {
        CWnd& child;
        CRect expected;
        const char* tip;
    } children[] = {
        {crit.m_wndLabel, CRect(CPoint(r.left, r.top), CSize(cx - 60, 15)), ""},
        {crit.m_wndList, CRect(CPoint(r.left, r.top + 20), CSize(cx, r.Height() - 20)), "List of criteria"},
        {crit.m_btnAdd, CRect(CPoint(cx - 39, r.top), CSize(20, 20)), "Add criterion"},
        {crit.m_btnRemove, CRect(CPoint(cx - 17, r.top), CSize(20, 20)), "Remove criterion"},
    };
    for (const auto& c : children) {
        EXPECT_EQ(ChildRect(crit, c.child), c.expected) << c.tip;
        EXPECT_EQ(ToolTip(crit, c.child.m_hWnd), c.tip);
    }
    EXPECT_EQ(WindowText(crit.m_wndLabel.m_hWnd), "Criteria Set");
    EXPECT_TRUE(crit.m_btnAdd.IsWindowEnabled());
    EXPECT_FALSE(crit.m_btnRemove.IsWindowEnabled());
    EXPECT_EQ(crit.m_wndList.GetStyle() & (LVS_TYPEMASK | LVS_SHOWSELALWAYS | LVS_SORTASCENDING),
              DWORD(LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SORTASCENDING));
    EXPECT_TRUE(crit.m_wndList.GetExtendedStyle() & LVS_EX_FULLROWSELECT);
    // "Type" as its texts need, "Criterion" the rest of the client area
    CRect listClient;
    crit.m_wndList.GetClientRect(&listClient);
    EXPECT_EQ(crit.m_wndList.GetColumnWidth(0), listClient.Width() - crit.m_wndList.GetColumnWidth(1));

    // AddCriterionItem: empty, listed, added (sorted, image 1, the kind's text)
    const struct {
        const char* name;
        int nKind;
        int nResult;
    } cases[] = {{"", 1, 2}, {"Speed", 1, 3}, {"Price", -1, 3}, {"Speed", 2, 1}, {"Quality", 2, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(crit.AddCriterionItem(c.name, "about it", c.nKind, 4), c.nResult) << c.name;
    EXPECT_EQ(Items(), "Price:Cost Quality:Ordinal Speed:Gain");
    LVITEMA item = {};
    item.mask = LVIF_IMAGE;
    ASSERT_TRUE(crit.m_wndList.GetItem(&item));
    EXPECT_EQ(item.iImage, 1);
    EXPECT_EQ(Join(app.m_Project.CriteriaTable),
              "Speed,about it,gain,4 | Price,about it,cost,4 | Quality,about it,rank,4");
    EXPECT_EQ(Join(app.m_Project.EvaluationsTable), ",Speed,Price,Quality");
}

TEST_F(CriteriaPane, TheNamesTakeTheSpareWidthAndTheKindsKeepTheWidthOfTheirLongestText)
{
    CZQDockingWndCrit& crit = Criteria();
    CZQPaneList& list = crit.m_wndList;
    CZQPaneList& alternatives = Alternatives().m_wndList;
    const int cxKind = list.GetColumnWidth(1);
    EXPECT_GE(cxKind, 50);
    EXPECT_GE(cxKind, ListNeededWidth(list.m_hWnd, {"Type", "Gain", "Cost", "Ordinal"}));
    const int cxLeast = ListNeededWidth(list.m_hWnd, {"Criterion"});
    EXPECT_EQ(crit.AddCriterionItem("finish quality after ten years of use", "", 2, 2), 3);
    EXPECT_EQ(crit.AddCriterionItem("price", "", -1, 2), 3);
    AddAlternatives({"a long alternative name that a pane shows", "b"});
    const CRect rects[2] = {ChildRect(crit, list), ChildRect(Alternatives(), alternatives)};

    // the lists as wide as a very narrow, a narrow and a wide pane gives them; the names' least
    // width is theirs in the narrowest
    int cxNameLeast = 0;
    for (int cx : {4, 40, 90, 160, 600}) {
        SCOPED_TRACE(cx);
        for (CWnd* pList : {static_cast<CWnd*>(&list), static_cast<CWnd*>(&alternatives)})
            pList->SetWindowPos(nullptr, 0, 0, cx, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        CRect client;
        list.GetClientRect(&client);
        EXPECT_EQ(list.GetColumnWidth(1), cxKind) << "\"Type\" keeps its width";
        const int cxName = list.GetColumnWidth(0);
        if (cx == 4)
            cxNameLeast = cxName;
        EXPECT_GE(cxName, cxLeast) << "the heading whole";
        EXPECT_EQ(cxName, (std::max)(cxNameLeast, client.Width() - cxKind)) << "the names take the rest";
        // the alternatives' one column as wide as the list, as it always was
        alternatives.GetClientRect(&client);
        EXPECT_EQ(alternatives.GetColumnWidth(0), client.Width());
    }
    EXPECT_GT(list.GetColumnWidth(0), cxNameLeast);
    crit.SendMessage(WM_SIZE, SIZE_RESTORED, 0);
    Alternatives().SendMessage(WM_SIZE, SIZE_RESTORED, 0);
    EXPECT_EQ(ChildRect(crit, list), rects[0]);
    EXPECT_EQ(ChildRect(Alternatives(), alternatives), rects[1]);

    // the fill column of a list is one of its columns, its least width not negative
    const struct {
        int nColumn;
        int nLeast;
        const char* detail;
    } refused[] = {{2, 0, "column 2 of 2"}, {-2, 0, "column -2 of 2"}, {0, -1, "least width -1"}};
    for (const auto& r : refused) {
        try {
            list.SetFillColumn(r.nColumn, r.nLeast);
            ADD_FAILURE() << "no exception for " << r.detail;
        } catch (CInvalidArgException* e) {
            EXPECT_NE(e->m_strDetail.Find(r.detail), -1) << e->m_strDetail.GetString();
            e->Delete();
        }
    }
}

TEST_F(CriteriaPane, NewCriteriaComeFromTheSheetWithTheirKindSegmentsAndScale)
{
    const struct {
        const char* name;
        int nKindId;
        const char* segments; // chosen in the list, unless null
        std::vector<const char*> values;
        const char* row;
        const char* scale;
    } cases[] = {
        {"Speed", IDC_ZQ_GAIN, "3", {}, "Speed,,gain,3", ""},
        {"Price", IDC_ZQ_COST, nullptr, {}, "Price,,cost,2", ""},
        {"Quality", IDC_ZQ_ORDINAL, nullptr, {"low", "mid", "high"}, "Quality,,rank,2",
         "Quality,low,1 | Quality,mid,2 | Quality,high,3"},
    };
    for (const auto& c : cases) {
        app.m_Project.CriteriaTable.clear();
        app.m_Project.ScaleValuesTable.clear();
        fake.ExpectModalSheet([&](CPropertySheet& sheet) {
            EXPECT_EQ(WindowText(sheet.m_hWnd), "Properties of the Criterion");
            EXPECT_EQ(sheet.GetPageCount(), 1);
            EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(sheet.m_hWnd, ID_APPLY_NOW)));
            EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(sheet.m_hWnd, IDHELP)));
            CZQCritPropPage1& general = General(sheet);
            EXPECT_EQ(WindowText(general.m_hWnd), "General");
            EXPECT_EQ(WindowText(general.GetDlgItem(IDC_ZQ_SEGMENTS)->m_hWnd), "2");
            EXPECT_EQ(general.IsDlgButtonChecked(IDC_ZQ_GAIN), UINT(BST_CHECKED));
            general.SetDlgItemText(IDC_ZQ_CRITERION_NAME, c.name);
            ChooseKind(general, c.nKindId);
            if (c.segments != nullptr)
                general.SendDlgItemMessage(IDC_ZQ_SEGMENTS, CB_SELECTSTRING, WPARAM(-1),
                                           reinterpret_cast<LPARAM>(c.segments));
            if (!c.values.empty()) {
                ASSERT_TRUE(sheet.SetActivePage(1));
                TypeValues(Values(sheet), c.values);
            }
            ClickButton(sheet, IDOK);
        });
        ClickButton(Criteria(), kAddCriterion);
        EXPECT_EQ(Join(app.m_Project.CriteriaTable), c.row) << c.name;
        EXPECT_EQ(Join(app.m_Project.ScaleValuesTable), c.scale) << c.name;
    }
    EXPECT_EQ(Items(), "Price:Cost Quality:Ordinal Speed:Gain");
    EXPECT_EQ(app.m_nModified, 1);

    // Ctrl+A through the main window, the pane hidden: values typed before the kind went back to
    // Gain make no scale; Cancel adds nothing
    Criteria().ShowWindow(SW_HIDE);
    fake.ExpectModalSheet([&](CPropertySheet& sheet) {
        CZQCritPropPage1& general = General(sheet);
        general.SetDlgItemText(IDC_ZQ_CRITERION_NAME, "Comfort");
        ChooseKind(general, IDC_ZQ_ORDINAL);
        ASSERT_TRUE(sheet.SetActivePage(1));
        TypeValues(Values(sheet), {"poor", "good"});
        ASSERT_TRUE(sheet.SetActivePage(0));
        ChooseKind(general, IDC_ZQ_GAIN);
        ClickButton(sheet, IDOK);
    });
    app.m_pMainWnd->SendMessage(WM_COMMAND, MAKEWPARAM(ID_ZQ_ADD_CRITERION, 1));
    EXPECT_EQ(Join(app.m_Project.CriteriaTable), "Quality,,rank,2 | Comfort,,gain,2");
    EXPECT_EQ(Join(app.m_Project.ScaleValuesTable), "Quality,low,1 | Quality,mid,2 | Quality,high,3");
    fake.ExpectModalSheet([](CPropertySheet& sheet) { ClickButton(sheet, IDCANCEL); });
    Command(Criteria(), ID_ZQ_ADD_CRITERION);
    EXPECT_EQ(Criteria().m_wndList.GetItemCount(), 4);
}

TEST_F(CriteriaPane, TheGeneralPageSwitchesTheValuesPageAndChecksTheName)
{
    Criteria().AddCriterionItem("Price", "", -1, 2);
    fake.ExpectModalSheet([&](CPropertySheet& sheet) {
        CZQCritPropPage1& general = General(sheet);
        EXPECT_EQ(Entries(general, IDC_ZQ_SEGMENTS, CB_GETCOUNT, CB_GETLBTEXT), "1|2|3|4|5|6|7|8|9|10");
        const auto shows = [&](int nID) { return general.GetDlgItem(nID)->IsWindowVisible() != FALSE; };
        EXPECT_TRUE(shows(IDC_ZQ_SEGMENTS));
        EXPECT_FALSE(shows(IDC_ZQ_VALUE_COUNT));
        // Ordinal brings the "Values" page, Gain takes it away; what was typed there stays
        general.SetDlgItemText(IDC_ZQ_CRITERION_NAME, "Quality");
        ChooseKind(general, IDC_ZQ_ORDINAL);
        EXPECT_EQ(sheet.GetPageCount(), 2);
        EXPECT_FALSE(shows(IDC_ZQ_SEGMENTS));
        EXPECT_TRUE(shows(IDC_ZQ_VALUE_COUNT));
        EXPECT_EQ(WindowText(general.GetDlgItem(IDC_ZQ_VALUE_COUNT)->m_hWnd), "0");
        ASSERT_TRUE(sheet.SetActivePage(1));
        EXPECT_EQ(WindowText(sheet.GetActivePage()->m_hWnd), "Values");
        TypeValues(Values(sheet), {"low", "mid", "high"});
        ASSERT_TRUE(sheet.SetActivePage(0));
        EXPECT_EQ(WindowText(general.GetDlgItem(IDC_ZQ_VALUE_COUNT)->m_hWnd), "2");
        ChooseKind(general, IDC_ZQ_GAIN);
        EXPECT_EQ(sheet.GetPageCount(), 1);
        EXPECT_TRUE(shows(IDC_ZQ_SEGMENTS));
        ChooseKind(general, IDC_ZQ_ORDINAL);
        ASSERT_TRUE(sheet.SetActivePage(1));
        EXPECT_EQ(ValueRows(Values(sheet)), "low:1 mid:2 high:3");

        // names: empty, an existing one and the information attribute's are refused, the name at the
        // start coming back
        ASSERT_TRUE(sheet.SetActivePage(0));
        const struct {
            const char* name;
            const char* refusal; // null: accepted
        } names[] = {{"", "Criterion name cannot be empty!"},
                     {"Price", "Criterion 'Price' already exists!"},
                     {"INFO", "Criterion name 'INFO' is reserved for the information about alternatives!"},
                     {"price", nullptr}};
        for (const auto& c : names) {
            if (c.refusal != nullptr)
                fake.ExpectMessageBox(IDOK, c.refusal);
            general.SetDlgItemText(IDC_ZQ_CRITERION_NAME, c.name);
            EXPECT_EQ(sheet.SetActivePage(1) != FALSE, c.refusal == nullptr) << c.name;
            if (c.refusal == nullptr)
                continue;
            EXPECT_EQ(Question(general), c.refusal);
            EXPECT_EQ(fake.CallsOf("MessageBox").back().nType, UINT(MB_OK | MB_ICONINFORMATION));
            EXPECT_EQ(WindowText(general.GetDlgItem(IDC_ZQ_CRITERION_NAME)->m_hWnd), "");
        }
        ClickButton(sheet, IDOK);
    });
    Command(Criteria(), ID_ZQ_ADD_CRITERION);
    EXPECT_EQ(Criteria().m_wndList.GetItemCount(), 2);
    EXPECT_NE(Items().find("price:Ordinal"), std::string::npos) << Items();

    // the name it started with is accepted
    Edit("Price", [](CPropertySheet& sheet) {
        EXPECT_EQ(WindowText(General(sheet).GetDlgItem(IDC_ZQ_CRITERION_NAME)->m_hWnd), "Price");
        ClickButton(sheet, IDOK);
        EXPECT_TRUE(sheet.IsModalEnded());
    });
}

TEST_F(CriteriaPane, TheValuesPageKeepsAnOrderedScale)
{
    fake.ExpectModalSheet([&](CPropertySheet& sheet) {
        General(sheet).SetDlgItemText(IDC_ZQ_CRITERION_NAME, "Quality");
        ChooseKind(General(sheet), IDC_ZQ_ORDINAL);
        ASSERT_TRUE(sheet.SetActivePage(1));
        CZQCritPropPage2& values = Values(sheet);
        CRect rect;
        values.GetClientRect(rect);
        EXPECT_EQ(ChildRect(values, values.m_wndName), CRect(CPoint(rect.left + 11, rect.top + 30), CSize(251, 20)));
        EXPECT_EQ(ChildRect(values, values.m_btnAdd), CRect(CPoint(rect.right - 50, rect.top + 30), CSize(20, 20)));
        EXPECT_EQ(ChildRect(values, values.m_btnRemove), CRect(CPoint(rect.right - 28, rect.top + 30), CSize(20, 20)));
        EXPECT_EQ(ChildRect(values, values.m_btnUp), CRect(CPoint(rect.right - 50, rect.top + 90), CSize(20, 20)));
        EXPECT_EQ(ChildRect(values, values.m_btnDown), CRect(CPoint(rect.right - 50, rect.top + 120), CSize(20, 20)));
        EXPECT_EQ(values.m_wndList.GetColumnWidth(0), 171);
        EXPECT_EQ(values.m_wndList.GetColumnWidth(1), 60);
        EXPECT_TRUE(values.m_wndList.GetExtendedStyle() & LVS_EX_FULLROWSELECT);

        // Enter and the add button append with the next rank; a duplicate or nothing adds nothing
        TypeValues(values, {"low", "mid"});
        values.m_wndName.SetWindowText("high");
        EXPECT_TRUE(values.m_btnAdd.IsWindowEnabled());
        ClickButton(values, kAddValue);
        EXPECT_EQ(::GetFocus(), values.m_wndName.m_hWnd);
        EXPECT_EQ(WindowText(values.m_wndName.m_hWnd), "");
        EXPECT_EQ(values.m_wndList.GetSelectedCount(), 1u);
        EXPECT_EQ(values.m_wndList.GetNextItem(-1, LVNI_SELECTED), 2);
        for (const char* typed : {"mid", ""}) {
            values.m_wndName.SetWindowText(typed);
            EXPECT_FALSE(values.m_btnAdd.IsWindowEnabled()) << typed;
            values.m_wndName.SendMessage(WM_KEYDOWN, VK_RETURN, 1);
        }
        EXPECT_EQ(ValueRows(values), "low:1 mid:2 high:3");
        values.m_wndName.SendMessage(WM_KEYDOWN, VK_TAB, 1);
        EXPECT_EQ(::GetFocus(), values.m_wndList.m_hWnd);

        // up on high: the values change places, the ranks stay
        EXPECT_TRUE(values.m_btnUp.IsWindowEnabled());
        ClickButton(values, kUp);
        EXPECT_EQ(ValueRows(values), "low:1 high:2 mid:3");
        EXPECT_EQ(values.m_wndList.GetNextItem(-1, LVNI_SELECTED), 1);
        ClickButton(values, kDown);
        ClickButton(values, kDown);
        EXPECT_EQ(ValueRows(values), "low:1 mid:2 high:3");
        SelectRows(values.m_wndList, {0, 1});
        EXPECT_FALSE(values.m_btnUp.IsWindowEnabled());
        EXPECT_FALSE(values.m_btnDown.IsWindowEnabled());
        EXPECT_TRUE(values.m_btnRemove.IsWindowEnabled());
        ClickButton(values, kUp);
        EXPECT_EQ(ValueRows(values), "low:1 mid:2 high:3");

        // removing asks once, then the ranks are numbered again
        SelectRows(values.m_wndList, {0});
        fake.ExpectMessageBox(IDNO);
        ClickButton(values, kRemoveValue);
        EXPECT_EQ(Question(values), "Do you want to remove selected value: 'low' ?");
        SelectRows(values.m_wndList, {0, 2});
        fake.ExpectMessageBox(IDYES);
        ClickButton(values, kRemoveValue);
        EXPECT_EQ(Question(values), "Do you want to remove 2 selected values?");
        EXPECT_EQ(ValueRows(values), "mid:1");
        TypeValues(values, {"top", "best"});
        SelectRows(values.m_wndList, {0, 1, 2});
        fake.ExpectMessageBox(IDNO, "Do you want to remove 3 selected values?");
        ClickButton(values, kRemoveValue);
        ClickButton(sheet, IDOK);
    });
    Command(Criteria(), ID_ZQ_ADD_CRITERION);
    EXPECT_EQ(Join(app.m_Project.CriteriaTable), "Quality,,rank,2");
    EXPECT_EQ(Join(app.m_Project.ScaleValuesTable), "Quality,mid,1 | Quality,top,2 | Quality,best,3");
}

TEST_F(CriteriaPane, RemovingAsksOnceAndTakesCriteriaColumnsAndScalesOut)
{
    OpenProject();
    ASSERT_EQ(Items(), "c:Cost g:Gain");
    Criteria().AddCriterionItem("q", "", 2, 1);
    app.m_Project.AddScaleValue("q", "bad", 1);
    app.m_Project.AddScaleValue("q", "fine", 2);
    SelectCriterion("c");
    EXPECT_TRUE(Criteria().m_btnRemove.IsWindowEnabled());
    fake.ExpectMessageBox(IDNO);
    ClickButton(Criteria(), kRemoveCriterion);
    EXPECT_EQ(Question(Criteria()), "Do you want to remove selected criterion: c ?");
    EXPECT_EQ(Items(), "c:Cost g:Gain q:Ordinal");

    SelectRows(Criteria().m_wndList, {0, 2});
    fake.ExpectMessageBox(IDYES);
    ContextMenu(Criteria(), ID_ZQ_REMOVE_CRITERIA);
    EXPECT_EQ(Question(Criteria()), "Do you want to remove 2 selected criteria?");
    EXPECT_EQ(Items(), "g:Gain");
    EXPECT_EQ(Join(app.m_Project.CriteriaTable), "g,,gain,2");
    EXPECT_EQ(Join(app.m_Project.EvaluationsTable), ",g | x,3 | y,1 | z,2");
    EXPECT_EQ(Join(app.m_Project.ScaleValuesTable), "");
}

TEST_F(CriteriaPane, EditingChangesKindScaleNameAndTheEvaluationsColumn)
{
    OpenProject();
    ZQTable& evaluations = app.m_Project.EvaluationsTable;
    const size_t g = EvaluationColumnOf(evaluations, "g");
    evaluations[1][g] = "5";
    evaluations[2][g] = "low";
    evaluations[3][g] = "7";

    // Gain to Ordinal: the segments are the values less one; what is not a value empties
    Edit("g", [](CPropertySheet& sheet) {
        EXPECT_EQ(sheet.GetPageCount(), 1);
        EXPECT_EQ(WindowText(General(sheet).GetDlgItem(IDC_ZQ_SEGMENTS)->m_hWnd), "2");
        ChooseKind(General(sheet), IDC_ZQ_ORDINAL);
        ASSERT_TRUE(sheet.SetActivePage(1));
        TypeValues(Values(sheet), {"low", "mid", "high"});
        ClickButton(sheet, IDOK);
    });
    EXPECT_EQ(Column("g"), ",low,");
    EXPECT_EQ(Join(app.m_Project.CriteriaTable), "g,,rank,2 | c,,cost,2");
    EXPECT_EQ(Join(app.m_Project.ScaleValuesTable), "g,low,1 | g,mid,2 | g,high,3");
    EXPECT_EQ(Items(), "c:Cost g:Ordinal");

    // an ordinal criterion renamed: its scale moves to the new name, the old name keeps nothing
    Edit("g", [](CPropertySheet& sheet) {
        CZQCritPropPage1& general = General(sheet);
        EXPECT_EQ(sheet.GetPageCount(), 2);
        EXPECT_FALSE(general.GetDlgItem(IDC_ZQ_SEGMENTS)->IsWindowVisible());
        EXPECT_EQ(WindowText(general.GetDlgItem(IDC_ZQ_VALUE_COUNT)->m_hWnd), "2");
        general.SetDlgItemText(IDC_ZQ_CRITERION_NAME, "grade");
        general.SetDlgItemText(IDC_ZQ_CRITERION_TEXT, "how good");
        ASSERT_TRUE(sheet.SetActivePage(1));
        EXPECT_EQ(ValueRows(Values(sheet)), "low:1 mid:2 high:3");
        TypeValues(Values(sheet), {"top"});
        ClickButton(sheet, IDOK);
    });
    EXPECT_EQ(Join(app.m_Project.CriteriaTable), "grade,how good,rank,3 | c,,cost,2");
    EXPECT_EQ(Join(app.m_Project.ScaleValuesTable), "grade,low,1 | grade,mid,2 | grade,high,3 | grade,top,4");
    EXPECT_EQ(Column("grade"), ",low,");
    EXPECT_EQ(Column("g"), "<no column>");
    EXPECT_EQ(Items(), "c:Cost grade:Ordinal");

    // Ordinal to Gain: every evaluation "0", no scale left
    Edit("grade", [](CPropertySheet& sheet) {
        ChooseKind(General(sheet), IDC_ZQ_GAIN);
        ClickButton(sheet, IDOK);
    });
    EXPECT_EQ(Column("grade"), "0,0,0");
    EXPECT_EQ(Join(app.m_Project.CriteriaTable), "grade,how good,gain,2 | c,,cost,2");
    EXPECT_EQ(Join(app.m_Project.ScaleValuesTable), "");
    EXPECT_EQ(Items(), "c:Cost grade:Gain");

    // a cost criterion stays cost with other segments; its evaluations stay
    Edit("c", [](CPropertySheet& sheet) {
        EXPECT_EQ(General(sheet).IsDlgButtonChecked(IDC_ZQ_COST), UINT(BST_CHECKED));
        General(sheet).SendDlgItemMessage(IDC_ZQ_SEGMENTS, CB_SETCURSEL, 4);
        ClickButton(sheet, IDOK);
    });
    EXPECT_EQ(Join(app.m_Project.CriteriaTable), "grade,how good,gain,2 | c,,cost,5");
    EXPECT_EQ(Column("c"), "5,3,1");
}

TEST_F(CriteriaPane, AnOpenEvaluationsGridFollowsEveryCriterionChange)
{
    OpenProject();
    CZQGridView* pGrid = OpenGrid();
    ASSERT_NE(pGrid, nullptr);
    ASSERT_EQ(GridTexts(), "|g|c/x|3|5/y|1|3/z|2|1");
    const auto isDropDown = [&](ROWCOL nRow, ROWCOL nCol) {
        return GridStyle(nRow, nCol).GetControl() == GX_IDS_CTRL_CBS_TABBED_DROPDOWNLIST;
    };
    const auto isGreen = [&](ROWCOL nRow, ROWCOL nCol) {
        const CGXStyle& style = GridStyle(nRow, nCol);
        return style.GetIncludeInterior() && style.GetInterior().GetColor() == kEmptyChoiceGreen;
    };
    const auto addCriterion = [&](const char* name, int nKindId, std::vector<const char*> values) {
        fake.ExpectModalSheet([&](CPropertySheet& sheet) {
            General(sheet).SetDlgItemText(IDC_ZQ_CRITERION_NAME, name);
            ChooseKind(General(sheet), nKindId);
            if (!values.empty()) {
                ASSERT_TRUE(sheet.SetActivePage(1));
                TypeValues(Values(sheet), values);
            }
            ClickButton(sheet, IDOK);
        });
        app.m_pMainWnd->SendMessage(WM_COMMAND, MAKEWPARAM(ID_ZQ_ADD_CRITERION, 1));
    };

    // new criteria: a cost column of zeros, an ordinal column of empty green drop-downs of its scale
    addCriterion("Price", IDC_ZQ_COST, {});
    EXPECT_EQ(GridTexts(), "|g|c|Price/x|3|5|0/y|1|3|0/z|2|1|0");
    addCriterion("Quality", IDC_ZQ_ORDINAL, {"low", "mid", "high"});
    EXPECT_EQ(GridTexts(), "|g|c|Price|Quality/x|3|5|0|/y|1|3|0|/z|2|1|0|");
    for (ROWCOL nRow = 1; nRow <= 3; ++nRow) {
        EXPECT_TRUE(isDropDown(nRow, 4)) << nRow;
        EXPECT_TRUE(isGreen(nRow, 4)) << nRow;
        EXPECT_EQ(Str(GridStyle(nRow, 4).GetChoiceListRef()), "Value\tRank\nlow\t1\nmid\t2\nhigh\t3");
        EXPECT_FALSE(isDropDown(nRow, 3) || isGreen(nRow, 3)) << nRow;
    }

    // a gain column made ordinal, with texts typed into the grid and not yet stored: what is on the
    // new scale stays, the rest empties and shows green
    for (ROWCOL nRow = 1; nRow <= 3; ++nRow)
        pGrid->ApplyValueToRange(CGXCellRange(nRow, 1, nRow, 1), nRow == 2 ? "mid" : "5");
    Edit("g", [](CPropertySheet& sheet) {
        ChooseKind(General(sheet), IDC_ZQ_ORDINAL);
        ASSERT_TRUE(sheet.SetActivePage(1));
        TypeValues(Values(sheet), {"low", "mid", "high"});
        ClickButton(sheet, IDOK);
    });
    EXPECT_EQ(GridTexts(), "|g|c|Price|Quality/x||5|0|/y|mid|3|0|/z||1|0|");
    EXPECT_TRUE(isDropDown(2, 1));
    EXPECT_EQ(std::vector<bool>({isGreen(1, 1), isGreen(2, 1), isGreen(3, 1)}),
              std::vector<bool>({true, false, true}));

    // an ordinal criterion renamed: the header follows, the column keeps its drop-downs
    Edit("Quality", [](CPropertySheet& sheet) {
        General(sheet).SetDlgItemText(IDC_ZQ_CRITERION_NAME, "Grade");
        ClickButton(sheet, IDOK);
    });
    EXPECT_EQ(GridTexts(), "|g|c|Price|Grade/x||5|0|/y|mid|3|0|/z||1|0|");
    EXPECT_TRUE(isDropDown(1, 4) && isGreen(1, 4));

    // made gain: zeros in plain cells, no colour left
    Edit("Grade", [](CPropertySheet& sheet) {
        ChooseKind(General(sheet), IDC_ZQ_GAIN);
        ClickButton(sheet, IDOK);
    });
    EXPECT_EQ(GridTexts(), "|g|c|Price|Grade/x||5|0|0/y|mid|3|0|0/z||1|0|0");
    for (ROWCOL nRow = 1; nRow <= 3; ++nRow)
        EXPECT_FALSE(isDropDown(nRow, 4) || isGreen(nRow, 4)) << nRow;

    // removed: the columns go
    SelectCriterion("Grade");
    fake.ExpectMessageBox(IDYES);
    Command(Criteria(), ID_ZQ_REMOVE_CRITERIA);
    EXPECT_EQ(GridTexts(), "|g|c|Price/x||5|0/y|mid|3|0/z||1|0");
    EXPECT_EQ(Items(), "c:Cost g:Ordinal Price:Cost");
    EXPECT_EQ(TableTexts(app.m_Project.EvaluationsTable), GridTexts());
}

TEST_F(CriteriaPane, TheContextMenuOffersWhatTheSelectionAllows)
{
    Criteria().AddCriterionItem("a", "", 1, 2);
    Criteria().AddCriterionItem("b", "", 1, 2);
    const struct {
        std::vector<int> selected;
        bool remove;
        bool properties;
    } cases[] = {{{}, false, false}, {{0}, true, true}, {{0, 1}, true, false}};
    for (const auto& c : cases) {
        SelectRows(Criteria().m_wndList, c.selected);
        ContextMenu(Criteria(), 0, [&](HMENU hMenu) {
            const auto enabled = [&](UINT nID) { return !(::GetMenuState(hMenu, nID, MF_BYCOMMAND) & MF_GRAYED); };
            EXPECT_TRUE(enabled(ID_ZQ_ADD_CRITERION));
            EXPECT_EQ(enabled(ID_ZQ_REMOVE_CRITERIA), c.remove) << c.selected.size();
            EXPECT_EQ(enabled(ID_ZQ_CRITERION_PROPERTIES), c.properties) << c.selected.size();
        });
    }
    // a double click edits a single selection
    SelectRows(Criteria().m_wndList, {1});
    fake.ExpectModalSheet([](CPropertySheet& sheet) {
        EXPECT_EQ(WindowText(General(sheet).GetDlgItem(IDC_ZQ_CRITERION_NAME)->m_hWnd), "b");
        ClickButton(sheet, IDCANCEL);
    });
    NMHDR dblclk = {Criteria().m_wndList.m_hWnd, 221, UINT(NM_DBLCLK)};
    Criteria().SendMessage(WM_NOTIFY, 221, reinterpret_cast<LPARAM>(&dblclk));
}

TEST_F(CriteriaPane, TheSaveQuestionComesWithOnlyCriteria)
{
    Criteria().AddCriterionItem("a", "", 1, 2);
    ASSERT_EQ(app.m_nModified, 1);
    fake.ExpectMessageBox(IDNO, "Do you want to save file 'untitled'?");
    app.m_pMainWnd->SendMessage(WM_COMMAND, ID_ZQ_NEW);
    EXPECT_EQ(Criteria().m_wndList.GetItemCount(), 0);
}

} // namespace
