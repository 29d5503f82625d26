// CZQCritPropSheet and its pages: a criterion's name, description, kind, segments and ordinal scale
// (see ZQCritPropSheet.h).
#include "app/ZQCritPropSheet.h"

#include "app/ZQApp.h"
#include "app/ZQPane.h"
#include "res/resource.h"

namespace {

const UINT kUpId = 231;
const UINT kDownId = 232;
const UINT kRemoveId = 233;
const UINT kAddId = 234;
const UINT kNameId = 235;
const int kValueColumnWidth = 171;
const int kRankColumnWidth = 60;
// The segments list's entry that an ordinal criterion leaves selected: "2".
const int kOrdinalSegmentsEntry = 1;

CString Number(int n)
{
    CString text;
    text.Format("%d", n);
    return text;
}

} // namespace

// ---- General -----------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CZQCritPropPage1, CPropertyPage)

BEGIN_MESSAGE_MAP(CZQCritPropPage1, CPropertyPage)
    ON_BN_CLICKED(IDC_ZQ_GAIN, OnGainOrCost)
    ON_BN_CLICKED(IDC_ZQ_COST, OnGainOrCost)
    ON_BN_CLICKED(IDC_ZQ_ORDINAL, OnOrdinal)
END_MESSAGE_MAP()

CZQCritPropPage1::CZQCritPropPage1()
    : CPropertyPage(IDD_ZQ_CRITERION_GENERAL), m_nKind(Gain), m_nOrdinalValueCount(0), m_pSheet(nullptr)
{
    m_psp.dwFlags &= ~PSP_HASHELP;
}

CZQCritPropPage1::~CZQCritPropPage1() = default;

void CZQCritPropPage1::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_ZQ_CRITERION_TEXT, m_strDescription);
    DDX_Text(pDX, IDC_ZQ_CRITERION_NAME, m_strName);
    DDX_Radio(pDX, IDC_ZQ_GAIN, m_nKind);
    DDX_CBString(pDX, IDC_ZQ_SEGMENTS, m_strSegments);
    DDX_Control(pDX, IDC_ZQ_VALUE_COUNT, m_wndValueCount);
}

BOOL CZQCritPropPage1::OnInitDialog()
{
    m_strStartName = m_strName;
    CPropertyPage::OnInitDialog();
    if (m_nKind == Ordinal) {
        ShowOrdinalValueCount(m_nOrdinalValueCount);
        SendDlgItemMessage(IDC_ZQ_SEGMENTS, CB_SETCURSEL, kOrdinalSegmentsEntry);
    }
    ShowSegments(m_nKind != Ordinal);
    return TRUE;
}

void CZQCritPropPage1::ShowSegments(BOOL bList)
{
    if (CWnd* pList = GetDlgItem(IDC_ZQ_SEGMENTS))
        pList->ShowWindow(bList ? SW_SHOW : SW_HIDE);
    if (m_wndValueCount.m_hWnd != nullptr)
        m_wndValueCount.ShowWindow(bList ? SW_HIDE : SW_SHOW);
}

void CZQCritPropPage1::ShowOrdinalValueCount(int nCount)
{
    if (m_wndValueCount.m_hWnd != nullptr)
        m_wndValueCount.SetWindowText(Number(nCount));
}

void CZQCritPropPage1::OnGainOrCost()
{
    if (m_pSheet != nullptr && m_pSheet->GetPageCount() > 1)
        m_pSheet->RemovePage(1);
    ShowSegments(TRUE);
}

void CZQCritPropPage1::OnOrdinal()
{
    if (m_pSheet != nullptr && m_pSheet->GetPageCount() == 1)
        m_pSheet->AddPage(&m_pSheet->m_page2);
    ShowOrdinalValueCount(m_nOrdinalValueCount);
    ShowSegments(FALSE);
}

BOOL CZQCritPropPage1::OnKillActive()
{
    if (!UpdateData(TRUE))
        return FALSE;
    CString refusal;
    if (m_strName.IsEmpty()) {
        refusal = "Criterion name cannot be empty!";
    } else if (m_strName == m_strStartName) {
        return TRUE;
    } else if (const CZQApp* pApp = ZQGetApp()) {
        for (const ZQRow& row : pApp->m_Project.CriteriaTable) {
            if (ProjectCell(row, 0) == m_strName) {
                refusal = "Criterion '" + m_strName + "' already exists!";
                break;
            }
        }
        // a project file would give this criterion's values back as the alternatives' information
        if (refusal.IsEmpty() && pApp->m_Project.IsReservedCriterionName(m_strName)) {
            CString format;
            AfxLoadString(IDS_ZQ_RESERVED_CRITERION_NAME, format);
            refusal.Format(format, m_strName);
        }
    }
    if (refusal.IsEmpty())
        return TRUE;
    ZQMessageBox(this, refusal, MB_OK | MB_ICONINFORMATION);
    m_strName = m_strStartName;
    SetDlgItemText(IDC_ZQ_CRITERION_NAME, m_strName);
    return FALSE;
}

// ---- Values --------------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CZQCritPropPage2, CPropertyPage)

BEGIN_MESSAGE_MAP(CZQCritPropPage2, CPropertyPage)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_BN_CLICKED(kAddId, OnAdd)
    ON_BN_CLICKED(kRemoveId, OnRemove)
    ON_BN_CLICKED(kUpId, OnUp)
    ON_BN_CLICKED(kDownId, OnDown)
    ON_NOTIFY(NM_SETFOCUS, IDC_ZQ_SCALE_VALUES, OnListFocusOrState)
    ON_NOTIFY(NM_KILLFOCUS, IDC_ZQ_SCALE_VALUES, OnListFocusOrState)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_ZQ_SCALE_VALUES, OnListFocusOrState)
END_MESSAGE_MAP()

CZQCritPropPage2::CZQCritPropPage2() : CPropertyPage(IDD_ZQ_CRITERION_VALUES), m_pSheet(nullptr), m_bMovingValue(FALSE)
{
    m_psp.dwFlags &= ~PSP_HASHELP;
}

CZQCritPropPage2::~CZQCritPropPage2() = default;

int CZQCritPropPage2::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CPropertyPage::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndName.CreateNameBox(WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, CRect(0, 0, 0, 0), this, kNameId, this) ||
        !ZQCreateItemButton(m_btnAdd, IDB_ZQ_ADD, this, kAddId) ||
        !ZQCreateItemButton(m_btnRemove, IDB_ZQ_REMOVE, this, kRemoveId) ||
        !ZQCreateItemButton(m_btnUp, IDB_ZQ_UP, this, kUpId) || !ZQCreateItemButton(m_btnDown, IDB_ZQ_DOWN, this, kDownId))
        return -1;
    // the keyboard reaches the buttons as well: without a mouse a value is removed or moved by them
    for (SECBitmapButton* pButton : {&m_btnAdd, &m_btnRemove, &m_btnUp, &m_btnDown})
        pButton->ModifyStyle(0, WS_TABSTOP);
    m_btnAdd.EnableWindow(FALSE);
    m_btnRemove.EnableWindow(FALSE);
    return 0;
}

void CZQCritPropPage2::OnSize(UINT nType, int cx, int cy)
{
    CPropertyPage::OnSize(nType, cx, cy);
    CRect rect;
    GetClientRect(rect);
    ZQPlaceChild(m_wndName, CRect(CPoint(rect.left + 11, rect.top + 30), CSize(251, 20)));
    ZQPlaceChild(m_btnAdd, CRect(CPoint(rect.right - 50, rect.top + 30), CSize(20, 20)));
    ZQPlaceChild(m_btnRemove, CRect(CPoint(rect.right - 28, rect.top + 30), CSize(20, 20)));
    ZQPlaceChild(m_btnUp, CRect(CPoint(rect.right - 50, rect.top + 90), CSize(20, 20)));
    ZQPlaceChild(m_btnDown, CRect(CPoint(rect.right - 50, rect.top + 120), CSize(20, 20)));
}

BOOL CZQCritPropPage2::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_wndList.SubclassDlgItem(IDC_ZQ_SCALE_VALUES, this);
    // the tab order: the box, the list, then the buttons, add and remove before up and down (they
    // were made before the template's controls)
    const CWnd* pAfter = &m_wndList;
    for (SECBitmapButton* pButton : {&m_btnAdd, &m_btnRemove, &m_btnUp, &m_btnDown}) {
        pButton->SetWindowPos(pAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        pAfter = pButton;
    }
    m_wndList.SetExtendedStyle(m_wndList.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    CString heading;
    AfxLoadString(IDS_ZQ_VALUE_COLUMN, heading);
    m_wndList.InsertColumn(0, heading, LVCFMT_LEFT, kValueColumnWidth);
    AfxLoadString(IDS_ZQ_RANK, heading);
    m_wndList.InsertColumn(1, heading, LVCFMT_LEFT, kRankColumnWidth);
    // the page is made anew each time the kind turns to Ordinal again
    if (m_font.m_hObject != nullptr || ZQCopyFont(m_wndList, m_font))
        m_wndName.SetFont(&m_font);
    return TRUE;
}

BOOL CZQCritPropPage2::OnSetActive()
{
    m_wndList.DeleteAllItems();
    for (size_t i = 0; i < m_table.size(); ++i) {
        const int nItem = m_wndList.InsertItem(int(i), ProjectCell(m_table[i], 0));
        m_wndList.SetItemText(nItem, 1, Number(int(i) + 1));
    }
    UpdateButtons();
    return CPropertyPage::OnSetActive();
}

BOOL CZQCritPropPage2::OnKillActive()
{
    m_table.clear();
    const int nCount = m_wndList.GetItemCount();
    for (int i = 0; i < nCount; ++i)
        m_table.push_back({m_wndList.GetItemText(i, 0), m_wndList.GetItemText(i, 1)});
    if (m_pSheet != nullptr) {
        m_pSheet->m_page1.m_nOrdinalValueCount = nCount > 0 ? nCount - 1 : 0;
        m_pSheet->m_page1.ShowOrdinalValueCount(m_pSheet->m_page1.m_nOrdinalValueCount);
    }
    return CPropertyPage::OnKillActive();
}

void CZQCritPropPage2::OnNameBoxChange()
{
    const CString text = m_wndName.GetName();
    m_btnAdd.EnableWindow(!text.IsEmpty() && !ZQListHasText(m_wndList, text));
}

void CZQCritPropPage2::OnNameBoxKey(UINT nChar)
{
    if (nChar == VK_RETURN)
        OnAdd();
    else if (nChar == VK_TAB && AfxGetServices()->GetKeyState(VK_SHIFT) < 0)
        PrevDlgCtrl();
    else if (nChar == VK_TAB)
        NextDlgCtrl(); // the list
}

void CZQCritPropPage2::UpdateButtons()
{
    // a value changing places passes through no selection: the buttons wait for the end of the move
    if (m_bMovingValue || m_btnRemove.m_hWnd == nullptr)
        return;
    const UINT nSelected = m_wndList.m_hWnd != nullptr ? m_wndList.GetSelectedCount() : 0;
    const struct {
        SECBitmapButton& button;
        BOOL bEnable;
    } buttons[] = {{m_btnRemove, nSelected > 0}, {m_btnUp, nSelected == 1}, {m_btnDown, nSelected == 1}};
    for (const auto& b : buttons) {
        // the button the keyboard pressed hands the focus to the list before it turns grey, which would
        // leave the focus nowhere
        if (!b.bEnable && b.button.m_hWnd == ::GetFocus() && m_wndList.m_hWnd != nullptr)
            m_wndList.SetFocus();
        b.button.EnableWindow(b.bEnable);
    }
}

void CZQCritPropPage2::OnListFocusOrState(NMHDR*, LRESULT* pResult)
{
    UpdateButtons();
    *pResult = 0;
}

void CZQCritPropPage2::OnAdd()
{
    const CString text = m_wndName.GetName();
    if (text.IsEmpty() || ZQListHasText(m_wndList, text))
        return;
    const int nItem = m_wndList.InsertItem(m_wndList.GetItemCount(), text);
    m_wndList.SetItemText(nItem, 1, Number(nItem + 1));
    m_wndList.EnsureVisible(nItem, FALSE);
    const int nCount = m_wndList.GetItemCount();
    for (int i = 0; i < nCount; ++i)
        m_wndList.SetItemState(i, i == nItem ? LVIS_SELECTED : 0, LVIS_SELECTED);
    m_wndName.SetWindowText("");
    m_wndName.SetFocus();
    UpdateButtons();
}

void CZQCritPropPage2::RenumberRanks()
{
    const int nCount = m_wndList.GetItemCount();
    for (int i = 0; i < nCount; ++i)
        m_wndList.SetItemText(i, 1, Number(i + 1));
}

void CZQCritPropPage2::OnRemove()
{
    const UINT nSelected = m_wndList.GetSelectedCount();
    if (nSelected > 0) {
        const int nFirst = m_wndList.GetNextItem(-1, LVNI_SELECTED);
        CString question;
        if (nSelected == 1)
            question = "Do you want to remove selected value: '" + m_wndList.GetItemText(nFirst, 0) + "' ?";
        else
            question.Format("Do you want to remove %u selected values?", nSelected);
        if (ZQMessageBox(this, question, MB_YESNO | MB_ICONQUESTION) == IDYES) {
            for (int nItem = nFirst; nItem >= 0; nItem = m_wndList.GetNextItem(-1, LVNI_SELECTED))
                m_wndList.DeleteItem(nItem);
        }
    }
    RenumberRanks();
    UpdateButtons();
}

void CZQCritPropPage2::MoveSelected(int nStep)
{
    if (m_wndList.GetSelectedCount() != 1)
        return;
    const int nItem = m_wndList.GetNextItem(-1, LVNI_SELECTED);
    const int nOther = nItem + nStep;
    if (nOther < 0 || nOther >= m_wndList.GetItemCount())
        return;
    const CString value = m_wndList.GetItemText(nItem, 0);
    m_wndList.SetItemText(nItem, 0, m_wndList.GetItemText(nOther, 0));
    m_wndList.SetItemText(nOther, 0, value);
    m_bMovingValue = TRUE;
    m_wndList.SetItemState(nItem, 0, LVIS_SELECTED | LVIS_FOCUSED);
    m_wndList.SetItemState(nOther, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_bMovingValue = FALSE;
    m_wndList.EnsureVisible(nOther, FALSE);
    UpdateButtons();
}

void CZQCritPropPage2::OnUp()
{
    MoveSelected(-1);
}

void CZQCritPropPage2::OnDown()
{
    MoveSelected(1);
}

// ---- the sheet ---------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CZQCritPropSheet, CPropertySheet)

CZQCritPropSheet::CZQCritPropSheet(CWnd* pParentWnd) : CPropertySheet(IDS_ZQ_CRITERION_SHEET, pParentWnd)
{
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
    m_psh.dwFlags &= ~PSH_HASHELP;
    m_page1.m_pSheet = this;
    m_page2.m_pSheet = this;
    AddPage(&m_page1);
    AddPage(&m_page2);
}

CZQCritPropSheet::~CZQCritPropSheet() = default;
