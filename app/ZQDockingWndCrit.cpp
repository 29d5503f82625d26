// CZQDockingWndCrit: the criteria pane (see ZQDockingWndCrit.h).
#include "app/ZQDockingWndCrit.h"

#include "app/ZQApp.h"
#include "app/ZQCritPropSheet.h"
#include "res/resource.h"

#include <algorithm>
#include <vector>

namespace {

const UINT kListId = 221;
const UINT kAddId = 222;
const UINT kRemoveId = 223;
const int kCriterionImage = 1;
const int kNameColumnWidth = 124;
const int kKindColumnWidth = 50;

// The kind words of the criteria table.
const char* const kGainWord = "gain";
const char* const kCostWord = "cost";
const char* const kOrdinalWord = "rank";

// The cells of column nColumn of the evaluations table, from the first alternative's row on (a short
// row gains the cell).
std::vector<CString*> ColumnCells(ZQTable& evaluations, size_t nColumn)
{
    std::vector<CString*> cells;
    for (size_t r = 1; nColumn > 0 && r < evaluations.size(); ++r) {
        ZQRow& row = evaluations[r];
        row.resize(std::max(row.size(), nColumn + 1));
        cells.push_back(&row[nColumn]);
    }
    return cells;
}

} // namespace

IMPLEMENT_DYNAMIC(CZQDockingWndCrit, CZQPane)

BEGIN_MESSAGE_MAP(CZQDockingWndCrit, CZQPane)
    ON_WM_CREATE()
    ON_WM_CONTEXTMENU()
    ON_BN_CLICKED(kAddId, OnAddCriterion)
    ON_BN_CLICKED(kRemoveId, OnRemoveCriteria)
    ON_COMMAND(ID_ZQ_ADD_CRITERION, OnAddCriterion)
    ON_COMMAND(ID_ZQ_REMOVE_CRITERIA, OnRemoveCriteria)
    ON_COMMAND(ID_ZQ_CRITERION_PROPERTIES, OnProperties)
    ON_NOTIFY(NM_SETFOCUS, kListId, OnListFocusOrState)
    ON_NOTIFY(NM_KILLFOCUS, kListId, OnListFocusOrState)
    ON_NOTIFY(LVN_ITEMCHANGED, kListId, OnListFocusOrState)
    ON_NOTIFY(LVN_DELETEALLITEMS, kListId, OnListDeleteAll)
    ON_NOTIFY(NM_DBLCLK, kListId, OnListDoubleClick)
END_MESSAGE_MAP()

CZQDockingWndCrit::CZQDockingWndCrit() = default;

CZQDockingWndCrit::~CZQDockingWndCrit() = default;

// ---- creation and layout ---------------------------------------------------------------------------------

int CZQDockingWndCrit::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CZQPane::OnCreate(lpCreateStruct) == -1 || !CreateButtons(kAddId, kRemoveId))
        return -1;
    const CRect rectNone(0, 0, 0, 0);
    CString text;
    AfxLoadString(IDS_ZQ_CRITERIA_LABEL, text);
    if (!m_wndLabel.Create(text, WS_CHILD | WS_VISIBLE, rectNone, this))
        return -1;
    const DWORD dwListStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SORTASCENDING;
    if (!m_wndList.CreateEx(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", dwListStyle, rectNone, this, kListId))
        return -1;
    m_wndList.SetExtendedStyle(m_wndList.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    if (!CreateItemImages())
        return -1;
    m_wndList.SetImageList(&m_imageList, LVSIL_SMALL);
    // the names take what the kinds leave, the kinds as wide as the widest of their texts
    CString nameHeading;
    AfxLoadString(IDS_ZQ_CRITERION_COLUMN, nameHeading);
    m_wndList.InsertColumn(0, nameHeading, LVCFMT_LEFT, kNameColumnWidth);
    CString kindTexts[4];
    AfxLoadString(IDS_ZQ_TYPE_COLUMN, kindTexts[0]);
    const int kinds[] = {ZQ_KIND_GAIN, ZQ_KIND_COST, ZQ_KIND_ORDINAL};
    for (int i = 0; i < 3; ++i)
        kindTexts[i + 1] = KindText(kinds[i]);
    m_wndList.InsertColumn(1, kindTexts[0], LVCFMT_LEFT,
                           (std::max)(kKindColumnWidth, m_wndList.TextColumnWidth(kindTexts, 4)));
    m_wndList.SetFillColumn(0, m_wndList.TextColumnWidth(&nameHeading, 1));
    CWnd* const fontTargets[] = {&m_wndLabel};
    ShareFont(m_wndList, fontTargets, 1);
    UpdateButtons();
    return 0;
}

void CZQDockingWndCrit::LayoutChildren()
{
    CRect rect;
    GetInsideRect(rect);
    const int cx = rect.right - rect.left;
    ZQPlaceChild(m_wndList, CRect(CPoint(rect.left, rect.top + 20), CSize(cx, rect.bottom - rect.top - 20)));
    ZQPlaceChild(m_btnAdd, CRect(CPoint(cx - 39, rect.top), CSize(20, 20)));
    ZQPlaceChild(m_btnRemove, CRect(CPoint(cx - 17, rect.top), CSize(20, 20)));
    ZQPlaceChild(m_wndLabel, CRect(CPoint(rect.left, rect.top), CSize(cx - 60, 15)));
}

UINT CZQDockingWndCrit::ToolTipTextId(UINT nID) const
{
    switch (nID) {
    case kListId:
        return IDS_ZQ_CRITERIA_LIST_TIP;
    case kAddId:
        return IDS_ZQ_ADD_CRITERION_TIP;
    case kRemoveId:
        return IDS_ZQ_REMOVE_CRITERION_TIP;
    default:
        return 0;
    }
}

// ---- the list --------------------------------------------------------------------------------------------

CString CZQDockingWndCrit::KindText(int nKind)
{
    CZQApp* pApp = ZQGetApp();
    if (pApp == nullptr)
        return CString();
    switch (nKind) {
    case ZQ_KIND_GAIN:
        return pApp->LoadText(ZQText::Gain);
    case ZQ_KIND_COST:
        return pApp->LoadText(ZQText::Cost);
    case ZQ_KIND_ORDINAL:
        return pApp->LoadText(ZQText::Ordinal);
    default:
        return CString();
    }
}

int CZQDockingWndCrit::InsertCriterion(const CString& name, const CString& kindText)
{
    const int nItem = m_wndList.InsertItem(m_wndList.GetItemCount(), name, kCriterionImage);
    if (nItem >= 0)
        m_wndList.SetItemText(nItem, 1, kindText);
    return nItem;
}

int CZQDockingWndCrit::AddCriterionItem(const CString& name, const CString& description, int nKind, int nSegments)
{
    if (name.IsEmpty())
        return AddedNothingEmpty;
    if (ZQListHasText(m_wndList, name))
        return AddedNothingListed;
    m_wndList.EnsureVisible(InsertCriterion(name, KindText(nKind)), FALSE);
    if (CZQApp* pApp = ZQGetApp())
        pApp->m_Project.AddCriterion(name, description, nKind, nSegments);
    UpdateButtons();
    return Added;
}

void CZQDockingWndCrit::OnListDeleteAll(NMHDR*, LRESULT* pResult)
{
    // no notification per item: nothing here wants them, and a long list took long to empty
    *pResult = TRUE;
}

BOOL CZQDockingWndCrit::CanAdd() const
{
    return TRUE;
}

BOOL CZQDockingWndCrit::CanRemove() const
{
    return HasSelection(m_wndList);
}

BOOL CZQDockingWndCrit::GetMenuItemRect(CRect& rect)
{
    return GetSelectedItemRect(m_wndList, rect);
}

void CZQDockingWndCrit::OnListFocusOrState(NMHDR*, LRESULT* pResult)
{
    UpdateButtons();
    *pResult = 0;
}

void CZQDockingWndCrit::OnListDoubleClick(NMHDR*, LRESULT* pResult)
{
    if (m_wndList.GetSelectedCount() == 1)
        OnProperties();
    *pResult = 0;
}

void CZQDockingWndCrit::OnContextMenu(CWnd*, CPoint pos)
{
    pos = ContextMenuPoint(pos);
    CMenu menu;
    if (!menu.LoadMenu(IDR_ZQ_CRITERIA_MENU))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == nullptr)
        return;
    EnableSelectionCommands(*pPopup, m_wndList, ID_ZQ_CRITERION_PROPERTIES, ID_ZQ_REMOVE_CRITERIA);
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pos.x, pos.y, this);
}

// ---- adding, removing, editing ---------------------------------------------------------------------------

void CZQDockingWndCrit::OnAddCriterion()
{
    CZQApp* pApp = ZQGetApp();
    if (pApp == nullptr)
        return;
    CZQCritPropSheet sheet(this);
    CZQCritPropPage1& general = sheet.m_page1;
    general.m_strSegments = "2";
    general.m_nKind = CZQCritPropPage1::Gain;
    general.m_nOrdinalValueCount = 0;
    sheet.RemovePage(1);
    if (sheet.DoModal() != IDOK)
        return;
    CZQInterfaceData& project = pApp->m_Project;
    project.StoreEvaluationsGrid();
    const CString name = general.m_strName;
    const bool bOrdinal = general.m_nKind == CZQCritPropPage1::Ordinal;
    const int nKind =
        bOrdinal ? ZQ_KIND_ORDINAL : general.m_nKind == CZQCritPropPage1::Cost ? ZQ_KIND_COST : ZQ_KIND_GAIN;
    const int nSegments = bOrdinal ? general.m_nOrdinalValueCount : AfxAtoi(general.m_strSegments);
    AddCriterionItem(name, general.m_strDescription, nKind, nSegments);
    // values typed on the "Values" page before the kind went back to gain or cost are not a scale
    if (bOrdinal) {
        for (const ZQRow& value : sheet.m_page2.m_table)
            project.AddScaleValue(name, ProjectCell(value, 0), AfxAtoi(ProjectCell(value, 1)));
    }
    project.RefreshEvaluationsGrid();
}

void CZQDockingWndCrit::OnRemoveCriteria()
{
    RemoveSelected(m_wndList, "criterion", "criteria", [this](int nItem, const CString& name) {
        if (CZQApp* pApp = ZQGetApp()) {
            pApp->m_Project.RemoveCriterion(name);
            pApp->m_Project.RemoveScaleValues(name);
        }
        m_wndList.DeleteItem(nItem);
    });
}

// On OK the criterion row takes the new name and description, then by the kind chosen:
// - Gain or Cost: an ordinal criterion's evaluations all become "0"; the kind word, the "Type" text
//   and the segments follow the sheet, and the criterion keeps no scale values.
// - Ordinal: the scale values become the sheet's, filed under the new name; the segments are the
//   ordinal value count; an evaluation that is not a value of the new scale becomes empty.
// A renamed criterion leaves no scale value under its old name (the files would write them as values
// of no criterion). Then the header cell and the list item take the new name and the evaluations grid
// is reloaded.
void CZQDockingWndCrit::OnProperties()
{
    CZQApp* pApp = ZQGetApp();
    const int nItem = m_wndList.GetNextItem(-1, LVNI_SELECTED);
    if (pApp == nullptr || nItem < 0 || pApp->m_Project.CriteriaTable.empty())
        return;
    CZQInterfaceData& project = pApp->m_Project;
    project.StoreEvaluationsGrid();
    const CString itemName = m_wndList.GetItemText(nItem, 0);
    ZQTable& criteria = project.CriteriaTable;
    // the first row when none has the name, as the list and the table should always agree
    auto row = std::find_if(criteria.begin(), criteria.end(),
                            [&](const ZQRow& r) { return ProjectCell(r, 0) == itemName; });
    if (row == criteria.end())
        row = criteria.begin();
    const CString oldName = ProjectCell(*row, 0);
    const CString oldWord = ProjectCell(*row, 2);

    CZQCritPropSheet sheet(this);
    CZQCritPropPage1& general = sheet.m_page1;
    general.m_strName = oldName;
    general.m_strDescription = ProjectCell(*row, 1);
    if (oldWord == kOrdinalWord) {
        general.m_nKind = CZQCritPropPage1::Ordinal;
        general.m_nOrdinalValueCount = AfxAtoi(ProjectCell(*row, 3));
        for (const ZQRow& value : project.ScaleValuesTable) {
            if (ProjectCell(value, 0) == oldName)
                sheet.m_page2.m_table.push_back({ProjectCell(value, 1), ProjectCell(value, 2)});
        }
    } else {
        general.m_nKind = oldWord == kCostWord ? CZQCritPropPage1::Cost : CZQCritPropPage1::Gain;
        general.m_strSegments = ProjectCell(*row, 3);
        sheet.RemovePage(1);
    }
    if (sheet.DoModal() != IDOK)
        return;

    const CString newName = general.m_strName;
    const bool bOrdinal = general.m_nKind == CZQCritPropPage1::Ordinal;
    row->resize(std::max<size_t>(row->size(), 4));
    (*row)[0] = newName;
    (*row)[1] = general.m_strDescription;
    const size_t nColumn = EvaluationColumnOf(project.EvaluationsTable, oldName);
    std::vector<CString*> cells = ColumnCells(project.EvaluationsTable, nColumn);
    CString segments;
    if (bOrdinal) {
        (*row)[2] = kOrdinalWord;
        segments.Format("%d", general.m_nOrdinalValueCount);
        (*row)[3] = segments;
        m_wndList.SetItemText(nItem, 1, KindText(ZQ_KIND_ORDINAL));
        project.RemoveScaleValues(newName);
        if (oldName != newName)
            project.RemoveScaleValues(oldName);
        const ZQTable& scale = sheet.m_page2.m_table;
        for (const ZQRow& value : scale)
            project.AddScaleValue(newName, ProjectCell(value, 0), AfxAtoi(ProjectCell(value, 1)));
        for (CString* pCell : cells) {
            const bool bOnScale = std::any_of(scale.begin(), scale.end(),
                                              [&](const ZQRow& value) { return ProjectCell(value, 0) == *pCell; });
            if (!bOnScale)
                pCell->Empty();
        }
    } else {
        if (oldWord == kOrdinalWord) {
            for (CString* pCell : cells)
                *pCell = "0";
        }
        const bool bCost = general.m_nKind == CZQCritPropPage1::Cost;
        (*row)[2] = bCost ? kCostWord : kGainWord;
        (*row)[3] = general.m_strSegments;
        m_wndList.SetItemText(nItem, 1, KindText(bCost ? ZQ_KIND_COST : ZQ_KIND_GAIN));
        project.RemoveScaleValues(newName);
        if (oldName != newName)
            project.RemoveScaleValues(oldName);
    }
    if (nColumn > 0)
        project.EvaluationsTable[0][nColumn] = newName;
    m_wndList.SetItemText(nItem, 0, newName);
    project.RefreshEvaluationsGrid();
}
