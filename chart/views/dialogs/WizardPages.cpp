// The chart wizard's pages (see WizardPages.h).
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cstdlib>

#include "chart/views/dialogs/WizardPages.h"

#include "chart/engine/ChartTypeIds.h"
#include "chart/engine/DEDized.h"
#include "chart/engine/components/DEDizedBackground.h"
#include "chart/engine/components/DEDizedLabel.h"
#include "chart/engine/components/DEDizedLegend.h"
#include "chart/engine/components/DEDizedTitle.h"
#include "chart/engine/components/SRGTextPanel.h"
#include "chart/engine/display/DEDizedDisplay.h"
#include "chart/views/dialogs/ChartDialogLists.h"
#include "chart/views/dialogs/ChartWizardResource.h"
#include "chart/views/dialogs/SRGWizSheet.h"

namespace {

// The parts of a component's style word: border, shadow and fill kinds, the image placement.
constexpr int kBorderShift = 0;
constexpr int kShadowShift = 4;
constexpr int kFillShift = 8;

int Nibble(int nWord, int nShift)
{
    return int((unsigned(nWord) >> nShift) & 0xFu);
}

void SetNibble(int& rWord, int nShift, int nValue)
{
    rWord = int((unsigned(rWord) & ~(0xFu << nShift)) | ((unsigned(nValue) & 0xFu) << nShift));
}

void SetFlag(int& rWord, int nFlag, bool bSet)
{
    rWord = bSet ? rWord | nFlag : rWord & ~nFlag;
}

template <class T>
T* As(DEDizedComponent* pComponent)
{
    return dynamic_cast<T*>(pComponent);
}

// The display's switches that the main page shows: each check means the thing is there, so its flag
// (which takes it away) is clear while it is checked.
struct DisplaySwitch {
    int nID;
    int nFlag;
};
const DisplaySwitch kDisplaySwitches[] = {
    {IDC_WIZ_ZERO, SRGDisplayBase::flagNoZero},
    {IDC_WIZ_VERTICAL_GRID, SRGDisplayBase::flagNoVerticalGrid},
    {IDC_WIZ_HORIZONTAL_GRID, SRGDisplayBase::flagNoHorizontalGrid},
    {IDC_WIZ_X_TICKS, SRGDisplayBase::flagNoXTicks},
    {IDC_WIZ_Y_TICKS, SRGDisplayBase::flagNoYTicks},
};
// Option word of a display: the symbol size switch of the bubble and vector types.
constexpr int kOptionSizeSwitch = 0x2000000;

// The font page's checks and the flags they stand for.
struct FontCheck {
    int nID;
    int nFlag;
};
const FontCheck kFontChecks[] = {
    {IDC_WIZ_FONT_BOLD, DEDizedTitle::fontBold},
    {IDC_WIZ_FONT_ITALIC, DEDizedTitle::fontItalic},
    {IDC_WIZ_FONT_UNDERLINE, DEDizedTitle::fontUnderline},
    {IDC_WIZ_FONT_STRIKE_OUT, DEDizedTitle::fontStrikeOut},
    {IDC_WIZ_FONT_AUTO_SIZE, DEDizedTitle::fontAutoSize},
};

void SetCheck(CWnd& rPage, int nID, bool bChecked)
{
    rPage.CheckDlgButton(nID, bChecked ? BST_CHECKED : BST_UNCHECKED);
}

bool IsChecked(CWnd& rPage, int nID)
{
    return rPage.IsDlgButtonChecked(nID) == BST_CHECKED;
}

int GetInt(CWnd& rPage, int nID)
{
    CString text;
    rPage.GetDlgItemText(nID, text);
    return std::atoi(text);
}

void SetDouble(CWnd& rPage, int nID, double dValue)
{
    CString text;
    text.Format("%g", dValue);
    rPage.SetDlgItemText(nID, text);
}

double GetDouble(CWnd& rPage, int nID)
{
    CString text;
    rPage.GetDlgItemText(nID, text);
    return std::atof(text);
}

void ShowControl(CWnd& rPage, int nID, bool bShow)
{
    if (CWnd* pControl = rPage.GetDlgItem(nID))
        pControl->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
}

// The data of the selected entry of a combo filled from a code list; -1 when none is selected.
int SelectedCode(SRGComboBox& rCombo)
{
    return rCombo.m_hWnd != nullptr ? int(rCombo.GetSelectedData()) : -1;
}

} // namespace

// ---- layouts -----------------------------------------------------------------------------------------

void ApplyWizardLayout(DEDized& rChart, const WizLayout& layout, const WizLayoutColours& colours, int nGraphType)
{
    rChart.DeleteComponents();
    for (const WizPlacement& placement : layout) {
        DEDizedComponent* pComponent = nullptr;
        COLORREF crColour = 0;
        if (placement.name.CompareNoCase("Background") == 0) {
            pComponent = new DEDizedBackground;
            crColour = colours.crBackground;
        } else if (placement.name.CompareNoCase("Title") == 0) {
            pComponent = new DEDizedTitle;
            crColour = colours.crTitle;
        } else if (placement.name.CompareNoCase("Display") == 0) {
            pComponent = new DEDizedDisplay;
            crColour = colours.crDisplay;
        } else if (placement.name.CompareNoCase("Legend") == 0) {
            pComponent = new DEDizedLegend;
            crColour = colours.crLegend;
        } else {
            continue;
        }
        // the measurement kind first: a legend takes its key size's default from it
        pComponent->SetMeasurement(placement.nMeasurement);
        DEDizedStyle* pStyle = pComponent->GetStyle();
        if (DEDizedLegend* pLegend = As<DEDizedLegend>(pComponent)) {
            pLegend->SetKeySize(8.0);
            pLegend->SetSourceKind(DEDizedLegend::entriesGroups);
            pStyle->m_dLimit2 = 3.0;
        } else if (SRGDisplayBase* pDisplay = As<SRGDisplayBase>(pComponent)) {
            pDisplay->SetGraphType(nGraphType);
            pDisplay->SetAxisType(AXIS_BY_GRAPH_TYPE);
        } else if (DEDizedTitle* pTitle = As<DEDizedTitle>(pComponent)) {
            pTitle->SetFontFlags(DEDizedTitle::fontAutoSize);
            CString name;
            AfxLoadString(chartTypeTitle, name);
            rChart.SetChartAnnotation(name, 1);
        }
        pStyle->m_crFill1 = crColour;
        pComponent->SetRectValues(placement.nLeft, placement.nTop, placement.nRight, placement.nBottom);
        SetNibble(pStyle->m_nStyle, kBorderShift, placement.nBorder);
        SetNibble(pStyle->m_nStyle, kShadowShift, placement.nShadow);
        SetNibble(pStyle->m_nStyle, kFillShift, placement.nFill > 0 ? 1 : 0);
        rChart.AddComponent(pComponent);
    }
    rChart.MarkForRedraw();
}

// ---- CWizardPage -------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CWizardPage, CPropertyPage)

CWizardPage::CWizardPage(UINT nIDTemplate, SRGWizSheet* pSheet)
    : CPropertyPage(nIDTemplate), m_pSheet(pSheet), m_bStoreAfterClick(FALSE), m_bLoading(FALSE)
{
}

BOOL CWizardPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nCode = HIWORD(wParam);
    if (lParam != 0 && !m_bLoading && (nCode == EN_CHANGE || nCode == CBN_SELCHANGE))
        SetModified(TRUE);
    const BOOL bClick = lParam != 0 && nCode == BN_CLICKED && !m_bLoading;
    // a handler that runs a dialog sees the notifications of focus changes come through here meanwhile
    const BOOL bOuter = m_bStoreAfterClick;
    m_bStoreAfterClick = bClick;
    const BOOL bHandled = CPropertyPage::OnCommand(wParam, lParam);
    const BOOL bStore = bClick && m_bStoreAfterClick;
    m_bStoreAfterClick = bOuter;
    if (bStore && m_hWnd != nullptr) {
        UpdateData(TRUE);
        if (m_pSheet->m_hWnd != nullptr)
            m_pSheet->SendMessage(SRGWizSheet::kStoreMessage);
    }
    return bHandled;
}

void CWizardPage::EnableControls(std::initializer_list<int> nIDs, BOOL bEnable)
{
    for (int nID : nIDs)
        if (CWnd* pControl = GetDlgItem(nID))
            pControl->EnableWindow(bEnable);
}

void CWizardPage::PaintText(CDC& rDC, int nID, UINT nIDS, BOOL bWrap)
{
    CWnd* pControl = GetDlgItem(nID);
    if (pControl == nullptr)
        return;
    CRect rect;
    pControl->GetWindowRect(&rect);
    ScreenToClient(&rect);
    CString text;
    AfxLoadString(nIDS, text);
    CFont* pOldFont = rDC.SelectObject(GetFont());
    rDC.SetTextColor(RGB(0, 0, 255));
    rDC.SetBkMode(TRANSPARENT);
    rDC.DrawText(text, &rect, DT_CENTER | (bWrap ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER));
    rDC.SelectObject(pOldFont);
}

BOOL CWizardPage::ChooseColour(SRSwatchButton& rSwatch)
{
    CColorDialog dialog(rSwatch.GetColour(), 0, this);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    rSwatch.SetColour(dialog.GetColor());
    Invalidate();
    return TRUE;
}

// ---- CComponentPage ----------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CComponentPage, CWizardPage)

BEGIN_MESSAGE_MAP(CComponentPage, CWizardPage)
    ON_CBN_SELCHANGE(IDC_WIZ_COMPONENT, OnComponentChosen)
    ON_CBN_EDITCHANGE(IDC_WIZ_COMPONENT, OnComponentEdited)
END_MESSAGE_MAP()

CComponentPage::CComponentPage(UINT nIDTemplate, SRGWizSheet* pSheet) : CWizardPage(nIDTemplate, pSheet)
{
}

BOOL CComponentPage::OnInitDialog()
{
    CWizardPage::OnInitDialog();
    m_componentCombo.SubclassDlgItem(IDC_WIZ_COMPONENT, this);
    return TRUE;
}

BOOL CComponentPage::OnSetActive()
{
    const BOOL bActive = CWizardPage::OnSetActive();
    if (m_componentCombo.m_hWnd != nullptr && m_pSheet->GetCurrentIndex() >= 0)
        m_componentCombo.SetCurSel(m_pSheet->GetCurrentIndex());
    return bActive;
}

DEDized* CComponentPage::Chart() const
{
    return m_pSheet->GetWorkingChart();
}

void CComponentPage::OnComponentChosen()
{
    m_pSheet->SetCurrentIndex(m_componentCombo.GetCurSel());
}

void CComponentPage::OnComponentEdited()
{
    // only the user's typing renames; the combo's own changes of its text do not
    const HWND hWndFocus = ::GetFocus();
    if (hWndFocus == nullptr || !::IsChild(m_componentCombo.m_hWnd, hWndFocus))
        return;
    CString name;
    m_componentCombo.GetWindowText(name);
    const DWORD dwSelection = m_componentCombo.GetEditSel();
    m_pSheet->SendMessage(SRGWizSheet::kRenameMessage, 0, reinterpret_cast<LPARAM>(name.GetString()));
    m_componentCombo.SetEditSel(LOWORD(dwSelection), HIWORD(dwSelection));
}

// ---- CMainPage ---------------------------------------------------------------------------------------

const char CMainPage::kDefaultPanelTitle[] = "Panel Title";
const char CMainPage::kDefaultPanelBody[] = "Panel Body";
const char CMainPage::kDefaultGraphTitle[] = "Graph Title";

IMPLEMENT_DYNAMIC(CMainPage, CComponentPage)

BEGIN_MESSAGE_MAP(CMainPage, CComponentPage)
    ON_CBN_SELCHANGE(IDC_WIZ_GRAPH_TYPE, OnGraphTypeChosen)
    ON_CBN_SELCHANGE(IDC_WIZ_SECOND_CODE, OnSecondCodeChosen)
    ON_BN_CLICKED(IDC_WIZ_PANEL_HEADING, OnHeadingClicked)
    ON_BN_CLICKED(IDC_WIZ_LEGEND_GRID, OnLegendGridClicked)
    ON_BN_CLICKED(IDC_WIZ_OWN_DEPTH, UpdateSizeSwitch)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CMainPage::CMainPage(SRGWizSheet* pSheet)
    : CComponentPage(IDD_WIZ_MAIN, pSheet),
      m_displayPanel(IDD_WIZ_PANEL_DISPLAY, this, IDC_WIZ_PANEL_PLACE),
      m_legendPanel(IDD_WIZ_PANEL_LEGEND, this, IDC_WIZ_PANEL_PLACE),
      m_titlePanel(IDD_WIZ_PANEL_TITLE, this, IDC_WIZ_WINDOW_FRAME),
      m_textPanelPanel(IDD_WIZ_PANEL_TEXT_PANEL, this, IDC_WIZ_WINDOW_FRAME),
      m_pShownPanel(nullptr)
{
}

CGenDialog& CMainPage::GetPanel(int nKind)
{
    switch (nKind) {
    case chartTypeDisplay: return m_displayPanel;
    case chartTypeLegend: return m_legendPanel;
    case chartTypeTitle: return m_titlePanel;
    default: return m_textPanelPanel;
    }
}

BOOL CMainPage::OnInitDialog()
{
    CComponentPage::OnInitDialog();
    for (CGenDialog* pPanel : {&m_displayPanel, &m_legendPanel, &m_titlePanel, &m_textPanelPanel})
        pPanel->Create();
    struct Combo {
        SRGComboBox* pCombo;
        int nID;
    };
    for (const Combo& combo : {Combo{&m_legendSourceCombo, IDC_WIZ_LEGEND_SOURCE}, Combo{&m_legendKeyCombo, IDC_WIZ_LEGEND_KEY},
                               Combo{&m_secondCodeCombo, IDC_WIZ_SECOND_CODE}, Combo{&m_graphTypeCombo, IDC_WIZ_GRAPH_TYPE},
                               Combo{&m_measurementCombo, IDC_WIZ_MEASUREMENT}, Combo{&m_shadowCombo, IDC_WIZ_SHADOW},
                               Combo{&m_borderCombo, IDC_WIZ_BORDER}})
        if (combo.pCombo->m_hWnd == nullptr)
            combo.pCombo->SubclassDlgItem(combo.nID, this);
    FillComboFromList(*this, IDC_WIZ_PANEL_HEADING_PLACE, IDS_WIZ_LIST_HEADING_PLACES);
    ShowPanelFor(0);
    return TRUE;
}

void CMainPage::OnDestroy()
{
    // a page taken out of the sheet and put back is made anew, and its panels with it
    for (CGenDialog* pPanel : {&m_displayPanel, &m_legendPanel, &m_titlePanel, &m_textPanelPanel})
        pPanel->Destroy();
    m_pShownPanel = nullptr;
    CComponentPage::OnDestroy();
}

void CMainPage::ShowPanelFor(int nTypeId)
{
    CGenDialog* pPanel = nullptr;
    switch (nTypeId) {
    case chartTypeDisplay:
    case chartTypeLegend:
    case chartTypeTitle:
    case chartTypeTextPanel:
        pPanel = &GetPanel(nTypeId);
        break;
    default:
        break;
    }
    if (pPanel != m_pShownPanel) {
        if (m_pShownPanel != nullptr)
            m_pShownPanel->Show(FALSE);
        if (pPanel != nullptr)
            pPanel->Show(TRUE);
        m_pShownPanel = pPanel;
    }
    const bool bWindow = nTypeId == chartTypeDisplay || nTypeId == chartTypeLegend;
    for (int nID : {IDC_WIZ_FIRST_INDEX, IDC_WIZ_FIRST_GROUP, IDC_WIZ_LAST_INDEX, IDC_WIZ_LAST_GROUP, IDC_WIZ_WINDOW_FRAME,
                    IDC_WIZ_WINDOW_LABEL, IDC_WIZ_WINDOW_LABEL_FIRST, IDC_WIZ_WINDOW_LABEL_LAST, IDC_WIZ_WINDOW_NOTE})
        ShowControl(*this, nID, bWindow);
}

void CMainPage::LoadFrom(DEDizedComponent* pComponent)
{
    if (m_hWnd == nullptr)
        return;
    Loading([&] {
        const DEDizedStyle* pStyle = pComponent->GetStyle();
        const DEDizedRect* pRect = pComponent->GetRect();
        ShowPanelFor(pComponent->GetTypeId());
        m_measurementCombo.SelectByData(DWORD_PTR(pRect->GetMeasurement()));
        SetDlgItemInt(IDC_WIZ_LEFT, UINT(int(pRect->m_dLeft)), TRUE);
        SetDlgItemInt(IDC_WIZ_TOP, UINT(int(pRect->m_dTop)), TRUE);
        SetDlgItemInt(IDC_WIZ_RIGHT, UINT(int(pRect->m_dRight)), TRUE);
        SetDlgItemInt(IDC_WIZ_BOTTOM, UINT(int(pRect->m_dBottom)), TRUE);
        m_borderCombo.SelectByData(DWORD_PTR(Nibble(pStyle->m_nStyle, kBorderShift)));
        m_shadowCombo.SelectByData(DWORD_PTR(Nibble(pStyle->m_nStyle, kShadowShift)));

        if (SRGDisplayBase* pDisplay = As<SRGDisplayBase>(pComponent); pDisplay != nullptr && pComponent->GetTypeId() == chartTypeDisplay) {
            const int nGraphType = pDisplay->GetGraphType();
            m_graphTypeCombo.SelectByKey(nGraphType);
            m_pSheet->LoadSecondCodes(&m_secondCodeCombo, nGraphType);
            m_secondCodeCombo.SelectByData(DWORD_PTR(pDisplay->GetAxisType()));
            for (const DisplaySwitch& item : kDisplaySwitches)
                SetCheck(*this, item.nID, !pDisplay->HasFlag(item.nFlag));
            const bool bOwnDepth = pDisplay->HasFlag(SRGDisplayBase::flagOwnDepth);
            SetCheck(*this, IDC_WIZ_OWN_DEPTH, bOwnDepth);
            SetCheck(*this, IDC_WIZ_WINDOW_SCALES, (pStyle->m_nOptions & SRGDisplayBase::optionWindowScales) != 0);
            SetDlgItemInt(IDC_WIZ_DEPTH, UINT(bOwnDepth ? int(pStyle->m_dLimit3) : kDefaultDepth), TRUE);
            SetCheck(*this, IDC_WIZ_SIZE_OPTION, (pStyle->m_nOptions & kOptionSizeSwitch) != 0);
            UpdateSizeSwitch();
        }
        if (DEDizedLegend* pLegend = As<DEDizedLegend>(pComponent)) {
            m_legendSourceCombo.SelectByData(DWORD_PTR(pLegend->GetSourceKind()));
            m_legendKeyCombo.SelectByData(DWORD_PTR(pLegend->GetKeyKind()));
            SetCheck(*this, IDC_WIZ_LEGEND_RESIZE, pLegend->GetResize() != 0);
            SetDouble(*this, IDC_WIZ_LEGEND_KEY_SIZE, pLegend->GetKeySize());
            SetCheck(*this, IDC_WIZ_LEGEND_GRID, (pStyle->m_nOptions & DEDizedLegend::optionFixedGrid) != 0);
            SetDlgItemInt(IDC_WIZ_LEGEND_COLUMNS, UINT(int(pStyle->m_dLimit1)), TRUE);
            SetDlgItemInt(IDC_WIZ_LEGEND_ROWS, UINT(int(pStyle->m_dLimit2)), TRUE);
            UpdateLegendGrid();
        }
        if (pComponent->GetTypeId() == chartTypeDisplay || pComponent->GetTypeId() == chartTypeLegend) {
            int nFirstIndex, nFirstGroup, nLastIndex, nLastGroup;
            pComponent->GetDataWindow(nFirstIndex, nFirstGroup, nLastIndex, nLastGroup);
            SetDlgItemInt(IDC_WIZ_FIRST_INDEX, UINT(nFirstIndex), TRUE);
            SetDlgItemInt(IDC_WIZ_FIRST_GROUP, UINT(nFirstGroup), TRUE);
            SetDlgItemInt(IDC_WIZ_LAST_INDEX, UINT(nLastIndex), TRUE);
            SetDlgItemInt(IDC_WIZ_LAST_GROUP, UINT(nLastGroup), TRUE);
        }
        if (pComponent->GetTypeId() == chartTypeTitle) {
            const CString text = Chart()->GetChartAnnotation(1);
            SetDlgItemText(IDC_WIZ_TITLE_TEXT, text.IsEmpty() ? CString(kDefaultGraphTitle) : text);
        }
        if (SRGTextPanel* pPanel = As<SRGTextPanel>(pComponent)) {
            const int nMode = Chart()->GetMode();
            SetCheck(*this, IDC_WIZ_PANEL_HEADING, pPanel->GetHeadingShown() != 0);
            const CString heading = pPanel->GetHeadingText(nMode);
            SetDlgItemText(IDC_WIZ_PANEL_HEADING_TEXT, heading.IsEmpty() ? CString(kDefaultPanelTitle) : heading);
            SendDlgItemMessage(IDC_WIZ_PANEL_HEADING_PLACE, CB_SETCURSEL, WPARAM(pPanel->GetHeadingPosition()));
            const CString body = pPanel->GetBodyText(nMode);
            SetDlgItemText(IDC_WIZ_PANEL_BODY, body.IsEmpty() ? CString(kDefaultPanelBody) : body);
            SetCheck(*this, IDC_WIZ_PANEL_BODY_SIZING, pPanel->GetBodySizing() != 0);
            UpdateHeadingControls();
        }
    });
}

void CMainPage::StoreTo(DEDizedComponent* pComponent)
{
    if (m_hWnd == nullptr)
        return;
    DEDizedStyle* pStyle = pComponent->GetStyle();
    const int nMeasurement = SelectedCode(m_measurementCombo);
    if (nMeasurement >= 0 && nMeasurement != pComponent->GetRect()->GetMeasurement())
        pComponent->SetMeasurement(nMeasurement);
    pComponent->SetRectValues(GetInt(*this, IDC_WIZ_LEFT), GetInt(*this, IDC_WIZ_TOP), GetInt(*this, IDC_WIZ_RIGHT),
                              GetInt(*this, IDC_WIZ_BOTTOM));
    if (const int nBorder = SelectedCode(m_borderCombo); nBorder >= 0)
        SetNibble(pStyle->m_nStyle, kBorderShift, nBorder);
    if (const int nShadow = SelectedCode(m_shadowCombo); nShadow >= 0)
        SetNibble(pStyle->m_nStyle, kShadowShift, nShadow);

    if (SRGDisplayBase* pDisplay = As<SRGDisplayBase>(pComponent); pDisplay != nullptr && pComponent->GetTypeId() == chartTypeDisplay) {
        int nFlags = pDisplay->GetFlags();
        for (const DisplaySwitch& item : kDisplaySwitches)
            SetFlag(nFlags, item.nFlag, !IsChecked(*this, item.nID));
        const bool bOwnDepth = IsChecked(*this, IDC_WIZ_OWN_DEPTH);
        SetFlag(nFlags, SRGDisplayBase::flagOwnDepth, bOwnDepth);
        pDisplay->SetFlags(nFlags);
        if (bOwnDepth)
            pStyle->m_dLimit3 = GetInt(*this, IDC_WIZ_DEPTH);
        SetFlag(pStyle->m_nOptions, SRGDisplayBase::optionWindowScales, IsChecked(*this, IDC_WIZ_WINDOW_SCALES));
        SetFlag(pStyle->m_nOptions, kOptionSizeSwitch, IsChecked(*this, IDC_WIZ_SIZE_OPTION));
        pDisplay->MarkStyleChanged();
    }
    if (DEDizedLegend* pLegend = As<DEDizedLegend>(pComponent)) {
        if (const int nSource = SelectedCode(m_legendSourceCombo); nSource >= 0)
            pLegend->SetSourceKind(nSource);
        if (const int nKey = SelectedCode(m_legendKeyCombo); nKey >= 0)
            pLegend->SetKeyKind(nKey);
        pLegend->SetResize(IsChecked(*this, IDC_WIZ_LEGEND_RESIZE));
        pLegend->SetKeySize(GetDouble(*this, IDC_WIZ_LEGEND_KEY_SIZE));
        const bool bGrid = IsChecked(*this, IDC_WIZ_LEGEND_GRID);
        SetFlag(pStyle->m_nOptions, DEDizedLegend::optionFixedGrid, bGrid);
        if (bGrid) {
            pStyle->m_dLimit1 = GetInt(*this, IDC_WIZ_LEGEND_COLUMNS);
            pStyle->m_dLimit2 = GetInt(*this, IDC_WIZ_LEGEND_ROWS);
        }
    }
    if (pComponent->GetTypeId() == chartTypeDisplay || pComponent->GetTypeId() == chartTypeLegend)
        pComponent->SetDataWindow(GetInt(*this, IDC_WIZ_FIRST_INDEX), GetInt(*this, IDC_WIZ_FIRST_GROUP),
                                  GetInt(*this, IDC_WIZ_LAST_INDEX), GetInt(*this, IDC_WIZ_LAST_GROUP));
    if (pComponent->GetTypeId() == chartTypeTitle) {
        CString text;
        GetDlgItemText(IDC_WIZ_TITLE_TEXT, text);
        Chart()->SetChartAnnotation(text, 1);
    }
    if (SRGTextPanel* pPanel = As<SRGTextPanel>(pComponent)) {
        const int nMode = Chart()->GetMode();
        pPanel->SetHeadingShown(IsChecked(*this, IDC_WIZ_PANEL_HEADING));
        CString text;
        GetDlgItemText(IDC_WIZ_PANEL_HEADING_TEXT, text);
        pPanel->SetHeadingText(nMode, text);
        const int nPlace = int(SendDlgItemMessage(IDC_WIZ_PANEL_HEADING_PLACE, CB_GETCURSEL));
        if (nPlace >= 0)
            pPanel->SetHeadingPosition(nPlace);
        GetDlgItemText(IDC_WIZ_PANEL_BODY, text);
        pPanel->SetBodyText(nMode, text);
        pPanel->SetBodySizing(IsChecked(*this, IDC_WIZ_PANEL_BODY_SIZING));
    }
    pComponent->MarkForRedraw();
}

void CMainPage::EnablePage(BOOL bEnable)
{
    if (m_hWnd == nullptr)
        return;
    EnableControls({IDC_WIZ_MEASUREMENT, IDC_WIZ_BORDER, IDC_WIZ_SHADOW, IDC_WIZ_LEFT, IDC_WIZ_TOP, IDC_WIZ_RIGHT,
                    IDC_WIZ_BOTTOM, IDC_WIZ_FIRST_INDEX, IDC_WIZ_FIRST_GROUP, IDC_WIZ_LAST_INDEX, IDC_WIZ_LAST_GROUP,
                    IDC_WIZ_PANEL_BODY, IDC_WIZ_PANEL_HEADING_TEXT, IDC_WIZ_PANEL_HEADING, IDC_WIZ_PANEL_BODY_SIZING,
                    IDC_WIZ_PANEL_HEADING_PLACE, IDC_WIZ_PANEL_HEADING_LABEL_4, IDC_WIZ_PANEL_HEADING_LABEL_2,
                    IDC_WIZ_PANEL_HEADING_LABEL_3, IDC_WIZ_TITLE_TEXT, IDC_WIZ_LEGEND_SOURCE, IDC_WIZ_LEGEND_KEY,
                    IDC_WIZ_LEGEND_RESIZE, IDC_WIZ_LEGEND_GRID, IDC_WIZ_LEGEND_KEY_SIZE, IDC_WIZ_GRAPH_TYPE,
                    IDC_WIZ_SECOND_CODE, IDC_WIZ_ZERO, IDC_WIZ_WINDOW_SCALES, IDC_WIZ_HORIZONTAL_GRID,
                    IDC_WIZ_VERTICAL_GRID, IDC_WIZ_X_TICKS, IDC_WIZ_Y_TICKS},
                   bEnable);
    EnableControls({IDC_WIZ_LEGEND_COLUMNS, IDC_WIZ_LEGEND_ROWS}, bEnable && IsChecked(*this, IDC_WIZ_LEGEND_GRID));
    if (bEnable)
        UpdateHeadingControls();
}

void CMainPage::UpdateSizeSwitch()
{
    const SRGDisplayBase* pDisplay = As<SRGDisplayBase>(m_pSheet->GetCurrentComponent());
    const int nGraphType = pDisplay != nullptr ? pDisplay->GetGraphType() : GT_NONE;
    const bool bSizeTypes = nGraphType >= GT_BUBBLE && nGraphType <= GT_VECTOR_B;
    ShowControl(*this, IDC_WIZ_SIZE_OPTION, bSizeTypes && !IsChecked(*this, IDC_WIZ_OWN_DEPTH) && m_pShownPanel == &m_displayPanel);
}

void CMainPage::UpdateHeadingControls()
{
    const bool bHeading = IsChecked(*this, IDC_WIZ_PANEL_HEADING);
    ShowControl(*this, IDC_WIZ_PANEL_HEADING_FRAME, bHeading && m_pShownPanel == &m_textPanelPanel);
    EnableControls({IDC_WIZ_PANEL_HEADING_TEXT, IDC_WIZ_PANEL_HEADING_LABEL, IDC_WIZ_PANEL_HEADING_LABEL_2,
                    IDC_WIZ_PANEL_HEADING_LABEL_3, IDC_WIZ_PANEL_HEADING_PLACE, IDC_WIZ_PANEL_HEADING_LABEL_4},
                   bHeading);
}

void CMainPage::UpdateLegendGrid()
{
    EnableControls({IDC_WIZ_LEGEND_COLUMNS, IDC_WIZ_LEGEND_ROWS}, IsChecked(*this, IDC_WIZ_LEGEND_GRID));
}

void CMainPage::OnGraphTypeChosen()
{
    m_pSheet->SendMessage(SRGWizSheet::kGraphTypeMessage);
    UpdateSizeSwitch();
}

void CMainPage::OnSecondCodeChosen()
{
    m_pSheet->SendMessage(SRGWizSheet::kSecondCodeMessage);
}

void CMainPage::OnHeadingClicked()
{
    UpdateHeadingControls();
}

void CMainPage::OnLegendGridClicked()
{
    UpdateLegendGrid();
}

// ---- CFillStyle --------------------------------------------------------------------------------------

const char CFillStyle::kImageFilter[] =
    "Bitmap files(*.bmp)|*.bmp|Dib files(*.dib)|*.dib|Jpeg files(*.jpg)|*.jpg|All files(*.*)|*.*||";

IMPLEMENT_DYNAMIC(CFillStyle, CComponentPage)

BEGIN_MESSAGE_MAP(CFillStyle, CComponentPage)
    ON_CBN_SELCHANGE(IDC_WIZ_FILL_KIND, OnFillKindChosen)
    ON_CBN_SELCHANGE(IDC_WIZ_FILL_PLACEMENT, OnPlacementChosen)
    ON_BN_CLICKED(IDC_WIZ_FILL_COLOUR_1_CHOOSE, OnChooseColour1)
    ON_BN_CLICKED(IDC_WIZ_FILL_COLOUR_1, OnChooseColour1)
    ON_BN_CLICKED(IDC_WIZ_FILL_COLOUR_2_CHOOSE, OnChooseColour2)
    ON_BN_CLICKED(IDC_WIZ_FILL_COLOUR_2, OnChooseColour2)
    ON_CBN_SELCHANGE(IDC_WIZ_FILL_PANEL_PART, OnPanelPartChosen)
    ON_BN_CLICKED(IDC_WIZ_FILL_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CFillStyle::CFillStyle(SRGWizSheet* pSheet) : CComponentPage(IDD_WIZ_FILL, pSheet)
{
}

int CFillStyle::EntryOfKind(int nKind)
{
    switch (nKind) {
    case 0: return fillNone;
    case 2: return fillVertical;
    case 3: return fillHorizontal;
    case 4: return fillAngled;
    case 5: return fillBitmap;
    case 6: return fillImage;
    default: return fillSolid;
    }
}

int CFillStyle::KindOfEntry(int nEntry)
{
    switch (nEntry) {
    case fillNone: return 0;
    case fillAngled: return 4;
    case fillBitmap: return 5;
    case fillHorizontal: return 3;
    case fillVertical: return 2;
    case fillImage: return 6;
    default: return 1;
    }
}

BOOL CFillStyle::OnInitDialog()
{
    CComponentPage::OnInitDialog();
    m_swatchColour1.SubclassDlgItem(IDC_WIZ_FILL_COLOUR_1, this);
    m_swatchColour2.SubclassDlgItem(IDC_WIZ_FILL_COLOUR_2, this);
    FillComboFromList(*this, IDC_WIZ_FILL_KIND, IDS_WIZ_LIST_FILL_KINDS);
    FillComboFromList(*this, IDC_WIZ_FILL_PLACEMENT, IDS_WIZ_LIST_PLACEMENTS);
    FillComboFromList(*this, IDC_WIZ_FILL_PANEL_PART, IDS_WIZ_LIST_PANEL_STYLES);
    SendDlgItemMessage(IDC_WIZ_FILL_PANEL_PART, CB_SETCURSEL, 1);
    return TRUE;
}

DEDizedStyle* CFillStyle::EditedStyle(DEDizedComponent* pComponent)
{
    SRGTextPanel* pPanel = As<SRGTextPanel>(pComponent);
    if (pPanel != nullptr && SendDlgItemMessage(IDC_WIZ_FILL_PANEL_PART, CB_GETCURSEL) != 1)
        return pPanel->GetHeadingStyle();
    return pComponent->GetStyle();
}

void CFillStyle::UpdateFillControls(int nEntry)
{
    EnableControls({IDC_WIZ_FILL_VALUE}, nEntry == fillAngled);
    EnableControls({IDC_WIZ_FILL_FILE}, nEntry == fillBitmap || nEntry == fillImage);
    EnableControls({IDC_WIZ_FILL_BROWSE}, nEntry == fillImage);
    CString text;
    AfxLoadString(nEntry == fillBitmap ? IDS_WIZ_BROWSE_BITMAP : IDS_WIZ_BROWSE_FILE, text);
    SetDlgItemText(IDC_WIZ_FILL_BROWSE, text);
}

void CFillStyle::LoadFrom(DEDizedComponent* pComponent)
{
    if (m_hWnd == nullptr)
        return;
    Loading([&] {
        const bool bPanel = As<SRGTextPanel>(pComponent) != nullptr;
        for (int nID : {IDC_WIZ_FILL_PANEL_FRAME, IDC_WIZ_FILL_PANEL_PART, IDC_WIZ_FILL_PANEL_LABEL})
            ShowControl(*this, nID, bPanel);
        const DEDizedStyle* pStyle = EditedStyle(pComponent);
        const int nEntry = EntryOfKind(Nibble(pStyle->m_nStyle, kFillShift));
        SendDlgItemMessage(IDC_WIZ_FILL_KIND, CB_SETCURSEL, WPARAM(nEntry));
        SetDlgItemInt(IDC_WIZ_FILL_VALUE, UINT(int(pStyle->m_dGradientAngle)), TRUE);
        SetDlgItemText(IDC_WIZ_FILL_FILE, pStyle->m_strImageFile);
        m_swatchColour1.SetColour(pStyle->m_crFill1);
        m_swatchColour2.SetColour(pStyle->m_crFill2);
        const bool bStretched = (pStyle->m_nStyle & DEDizedComponent::styleImageStretched) != 0;
        SendDlgItemMessage(IDC_WIZ_FILL_PLACEMENT, CB_SETCURSEL, bStretched ? 0 : 1);
        UpdateFillControls(nEntry);
    });
}

void CFillStyle::StoreTo(DEDizedComponent* pComponent)
{
    if (m_hWnd == nullptr)
        return;
    DEDizedStyle* pStyle = EditedStyle(pComponent);
    const int nEntry = int(SendDlgItemMessage(IDC_WIZ_FILL_KIND, CB_GETCURSEL));
    if (nEntry < 0)
        return;
    const int nKind = KindOfEntry(nEntry);
    SetNibble(pStyle->m_nStyle, kFillShift, nKind);
    CString file;
    GetDlgItemText(IDC_WIZ_FILL_FILE, file);
    switch (nEntry) {
    case fillNone:
        break;
    case fillAngled:
    case fillHorizontal:
    case fillVertical:
        pStyle->m_crFill1 = m_swatchColour1.GetColour();
        pStyle->m_crFill2 = m_swatchColour2.GetColour();
        if (nEntry == fillAngled)
            pStyle->m_dGradientAngle = GetInt(*this, IDC_WIZ_FILL_VALUE);
        break;
    case fillBitmap:
    case fillImage:
        // a new name drops the image loaded for the old one
        pStyle->SetImageFile(file);
        SetFlag(pStyle->m_nStyle, DEDizedComponent::styleImageStretched,
                SendDlgItemMessage(IDC_WIZ_FILL_PLACEMENT, CB_GETCURSEL) == 0);
        break;
    default:
        pStyle->m_crFill1 = m_swatchColour1.GetColour();
        break;
    }
    pComponent->MarkForRedraw();
}

void CFillStyle::EnablePage(BOOL bEnable)
{
    if (m_hWnd == nullptr)
        return;
    EnableControls({IDC_WIZ_FILL_KIND, IDC_WIZ_FILL_LABEL_1, IDC_WIZ_FILL_LABEL_2, IDC_WIZ_FILL_LABEL_3,
                    IDC_WIZ_FILL_LABEL_4, IDC_WIZ_FILL_LABEL_5, IDC_WIZ_FILL_FILE, IDC_WIZ_FILL_VALUE,
                    IDC_WIZ_FILL_COLOUR_1_CHOOSE, IDC_WIZ_FILL_COLOUR_2_CHOOSE, IDC_WIZ_FILL_COLOUR_1,
                    IDC_WIZ_FILL_COLOUR_2, IDC_WIZ_FILL_BROWSE, IDC_WIZ_FILL_PANEL_PART, IDC_WIZ_FILL_PANEL_LABEL,
                    IDC_WIZ_FILL_PLACEMENT, IDC_WIZ_FILL_PLACEMENT_LABEL},
                   bEnable);
    if (bEnable)
        UpdateFillControls(int(SendDlgItemMessage(IDC_WIZ_FILL_KIND, CB_GETCURSEL)));
}

void CFillStyle::OnFillKindChosen()
{
    const int nEntry = int(SendDlgItemMessage(IDC_WIZ_FILL_KIND, CB_GETCURSEL));
    UpdateFillControls(nEntry);
    SetDlgItemText(IDC_WIZ_FILL_FILE, "");
    // an image fill waits for its file
    if (nEntry != fillBitmap && nEntry != fillImage)
        m_pSheet->SendMessage(SRGWizSheet::kStoreMessage);
}

void CFillStyle::OnPlacementChosen()
{
    m_pSheet->SendMessage(SRGWizSheet::kStoreMessage);
}

void CFillStyle::OnChooseColour1()
{
    ChooseColour(m_swatchColour1);
}

void CFillStyle::OnChooseColour2()
{
    ChooseColour(m_swatchColour2);
}

void CFillStyle::OnPanelPartChosen()
{
    m_pSheet->SendMessage(SRGWizSheet::kLoadMessage);
}

void CFillStyle::OnBrowse()
{
    CFileDialog dialog(TRUE, nullptr, nullptr,
                       OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_EXPLORER |
                           OFN_LONGNAMES,
                       kImageFilter, this);
    if (dialog.DoModal() != IDOK) {
        SkipStore();
        return;
    }
    // the chart reads image files at host paths
    CString path;
    if (!AfxGetHostPath(dialog.GetPathName(), path))
        path = dialog.GetPathName();
    SetDlgItemText(IDC_WIZ_FILL_FILE, path);
}

// ---- CFontStyle --------------------------------------------------------------------------------------

const char CFontStyle::kDefaultFace[] = "Arial";

IMPLEMENT_DYNAMIC(CFontStyle, CComponentPage)

BEGIN_MESSAGE_MAP(CFontStyle, CComponentPage)
    ON_BN_CLICKED(IDC_WIZ_FONT_CHOOSE, OnChooseFont)
    ON_BN_CLICKED(IDC_WIZ_FONT_COLOUR_CHOOSE, OnChooseColour)
    ON_BN_CLICKED(IDC_WIZ_FONT_COLOUR, OnChooseColour)
    ON_CBN_SELCHANGE(IDC_WIZ_FONT_PART, OnPartChosen)
END_MESSAGE_MAP()

CFontStyle::CFontStyle(SRGWizSheet* pSheet) : CComponentPage(IDD_WIZ_FONT, pSheet)
{
}

BOOL CFontStyle::OnInitDialog()
{
    CComponentPage::OnInitDialog();
    m_swatchColour.SubclassDlgItem(IDC_WIZ_FONT_COLOUR, this);
    FillComboFromList(*this, IDC_WIZ_FONT_CHOICE, IDS_WIZ_LIST_FONT_LOOKS);
    FillComboFromList(*this, IDC_WIZ_FONT_PART, IDS_WIZ_LIST_PANEL_PARTS);
    SendDlgItemMessage(IDC_WIZ_FONT_PART, CB_SETCURSEL, 0);
    SetDlgItemText(IDC_WIZ_FONT_FACE, kDefaultFace);
    return TRUE;
}

BOOL CFontStyle::EditsHeading()
{
    return SendDlgItemMessage(IDC_WIZ_FONT_PART, CB_GETCURSEL) == 1;
}

int CFontStyle::FlagsOfControls()
{
    int nFlags = 0;
    for (const FontCheck& check : kFontChecks)
        SetFlag(nFlags, check.nFlag, IsChecked(*this, check.nID));
    switch (SendDlgItemMessage(IDC_WIZ_FONT_CHOICE, CB_GETCURSEL)) {
    case 1: nFlags |= DEDizedTitle::fontEmbossed; break;
    case 2: nFlags |= DEDizedTitle::fontEngraved; break;
    default: break;
    }
    return nFlags;
}

void CFontStyle::ControlsOfFlags(int nFlags)
{
    for (const FontCheck& check : kFontChecks)
        SetCheck(*this, check.nID, (nFlags & check.nFlag) != 0);
    const int nLook = (nFlags & DEDizedTitle::fontEmbossed) != 0 ? 1 : (nFlags & DEDizedTitle::fontEngraved) != 0 ? 2 : 0;
    SendDlgItemMessage(IDC_WIZ_FONT_CHOICE, CB_SETCURSEL, WPARAM(nLook));
}

void CFontStyle::LoadFrom(DEDizedComponent* pComponent)
{
    if (m_hWnd == nullptr)
        return;
    Loading([&] {
        const bool bPanel = As<SRGTextPanel>(pComponent) != nullptr;
        ShowControl(*this, IDC_WIZ_FONT_PART, bPanel);
        ShowControl(*this, IDC_WIZ_FONT_PART_LABEL, bPanel);
        COLORREF crColour = 0;
        int nSize = 0, nFlags = 0;
        CString face;
        if (SRGTextPanel* pPanel = As<SRGTextPanel>(pComponent)) {
            const bool bHeading = EditsHeading();
            crColour = bHeading ? pPanel->GetHeadingColour() : pPanel->GetBodyColour();
            nSize = bHeading ? pPanel->GetHeadingFontSize() : pPanel->GetBodyFontSize();
            nFlags = bHeading ? pPanel->GetHeadingFlags() : pPanel->GetBodyFlags();
            face = bHeading ? pPanel->GetHeadingFace() : pPanel->GetBodyFace();
        } else if (DEDizedTitle* pTitle = As<DEDizedTitle>(pComponent)) {
            crColour = pTitle->GetTextColour();
            nSize = pTitle->GetStoredFontSize();
            nFlags = pTitle->GetFontFlags();
            face = pTitle->GetFace();
        } else {
            return;
        }
        m_swatchColour.SetColour(crColour);
        SetDlgItemInt(IDC_WIZ_FONT_SIZE, UINT((nFlags & DEDizedTitle::fontAutoSize) != 0 ? kAutoSizeShown : nSize), TRUE);
        SetDlgItemText(IDC_WIZ_FONT_FACE, face);
        ControlsOfFlags(nFlags);
    });
}

void CFontStyle::StoreTo(DEDizedComponent* pComponent)
{
    if (m_hWnd == nullptr)
        return;
    const COLORREF crColour = m_swatchColour.GetColour();
    const int nSize = GetInt(*this, IDC_WIZ_FONT_SIZE);
    const int nFlags = FlagsOfControls();
    CString face;
    GetDlgItemText(IDC_WIZ_FONT_FACE, face);
    const int nTypeId = pComponent->GetTypeId();
    if (SRGTextPanel* pPanel = As<SRGTextPanel>(pComponent)) {
        if (EditsHeading()) {
            pPanel->SetHeadingColour(crColour);
            pPanel->SetHeadingFontSize(nSize);
            pPanel->SetHeadingFlags(nFlags);
            pPanel->SetHeadingFace(face);
        } else {
            pPanel->SetBodyColour(crColour);
            pPanel->SetBodyFontSize(nSize);
            pPanel->SetBodyFlags(nFlags);
            pPanel->SetBodyFace(face);
        }
    } else if (DEDizedLabel* pLabel = As<DEDizedLabel>(pComponent); pLabel != nullptr && nTypeId == chartTypeLabel) {
        pLabel->SetTextColour(crColour);
        pLabel->SetFontSize(nSize);
        pLabel->SetFace(face);
        pLabel->SetFontFlags(nFlags);
    } else if (DEDizedTitle* pTitle = As<DEDizedTitle>(pComponent)) {
        // a value scale hands the font on to its labels
        pTitle->SetTextColour(crColour);
        pTitle->SetFont(nSize, nFlags, face);
    } else {
        return;
    }
    if (DEDizedTitle* pTitle = As<DEDizedTitle>(pComponent))
        pTitle->SetFontDirty(1);
    Chart()->MarkForRedraw();
}

void CFontStyle::EnablePage(BOOL bEnable)
{
    if (m_hWnd == nullptr)
        return;
    EnableControls({IDC_WIZ_FONT_CHOOSE, IDC_WIZ_FONT_BOLD, IDC_WIZ_FONT_UNDERLINE, IDC_WIZ_FONT_STRIKE_OUT,
                    IDC_WIZ_FONT_ITALIC, IDC_WIZ_FONT_LABEL_1, IDC_WIZ_FONT_CHOICE, IDC_WIZ_FONT_LABEL_2,
                    IDC_WIZ_FONT_LABEL_3, IDC_WIZ_FONT_FACE, IDC_WIZ_FONT_SIZE, IDC_WIZ_FONT_COLOUR_CHOOSE,
                    IDC_WIZ_FONT_COLOUR, IDC_WIZ_FONT_AUTO_SIZE},
                   bEnable);
}

void CFontStyle::OnChooseFont()
{
    CFontDialog dialog(nullptr, CF_SCREENFONTS | CF_EFFECTS, this);
    if (dialog.DoModal() != IDOK)
        return;
    SetDlgItemText(IDC_WIZ_FONT_FACE, dialog.GetFaceName());
    SetDlgItemInt(IDC_WIZ_FONT_SIZE, UINT(dialog.GetSize() / 10), TRUE);
    SetCheck(*this, IDC_WIZ_FONT_BOLD, dialog.GetWeight() == FW_BOLD);
    SetCheck(*this, IDC_WIZ_FONT_ITALIC, dialog.IsItalic() != 0);
    SetCheck(*this, IDC_WIZ_FONT_UNDERLINE, dialog.IsUnderline() != 0);
    SetCheck(*this, IDC_WIZ_FONT_STRIKE_OUT, dialog.IsStrikeOut() != 0);
    m_swatchColour.SetColour(dialog.GetColor());
    Invalidate();
}

void CFontStyle::OnChooseColour()
{
    ChooseColour(m_swatchColour);
}

void CFontStyle::OnPartChosen()
{
    m_pSheet->SendMessage(SRGWizSheet::kLoadMessage);
}

// ---- CAdvancedPage -----------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CAdvancedPage, CWizardPage)

BEGIN_MESSAGE_MAP(CAdvancedPage, CWizardPage)
    ON_BN_CLICKED(IDC_WIZ_ADD_COMPONENT, OnAdd)
    ON_BN_CLICKED(IDC_WIZ_DELETE_COMPONENT, OnDelete)
    ON_BN_CLICKED(IDC_WIZ_MOVE_UP, OnMoveUp)
    ON_BN_CLICKED(IDC_WIZ_MOVE_DOWN, OnMoveDown)
    ON_BN_CLICKED(IDC_WIZ_MOVE_TOP, OnMoveTop)
    ON_BN_CLICKED(IDC_WIZ_MOVE_BOTTOM, OnMoveBottom)
    ON_BN_CLICKED(IDC_WIZ_FIXED_SIZE, OnFixedSize)
    ON_BN_CLICKED(IDC_WIZ_LIVE_REDRAW, OnLiveRedraw)
    ON_BN_CLICKED(IDC_WIZ_GRID, OnGrid)
    ON_BN_CLICKED(IDC_WIZ_SNAP, OnSnap)
    ON_EN_CHANGE(IDC_WIZ_GRID_STEP, OnGridStepChanged)
    ON_MESSAGE(SRGDragListBox::kMoveMessage, OnListMove)
END_MESSAGE_MAP()

CAdvancedPage::CAdvancedPage(SRGWizSheet* pSheet) : CWizardPage(IDD_WIZ_ADVANCED, pSheet)
{
}

BOOL CAdvancedPage::OnInitDialog()
{
    CWizardPage::OnInitDialog();
    m_kindCombo.SubclassDlgItem(IDC_WIZ_COMPONENT_KIND, this);
    m_componentList.SubclassDlgItem(IDC_WIZ_COMPONENT_LIST, this);
    Loading([&] {
        SetCheck(*this, IDC_WIZ_LIVE_REDRAW, m_pSheet->m_bLiveRedraw != 0);
        SetCheck(*this, IDC_WIZ_GRID, m_pSheet->m_bGrid != 0);
        SetCheck(*this, IDC_WIZ_SNAP, m_pSheet->m_bSnap != 0);
        SetDlgItemInt(IDC_WIZ_GRID_STEP, UINT(m_pSheet->m_nGridStep), TRUE);
    });
    for (int nID : {IDC_WIZ_GRID_LABEL, IDC_WIZ_GRID_STEP, IDC_WIZ_SNAP})
        ShowControl(*this, nID, m_pSheet->m_bGrid != 0);
    return TRUE;
}

void CAdvancedPage::OnAdd()
{
    m_pSheet->AddChosenComponent();
}

void CAdvancedPage::OnDelete()
{
    m_pSheet->DeleteSelectedComponent();
}

void CAdvancedPage::MoveSelected(int b)
{
    const int a = m_componentList.GetCurSel();
    const int nLast = m_componentList.GetCount() - 1;
    // the end mark stays last and nothing passes it
    if (a < 0 || a >= nLast || b < 0 || b > nLast || b == a || b == a + 1)
        return;
    m_pSheet->MoveComponent(a, b);
    const int nAt = m_componentList.MoveEntry(a, b);
    if (nAt >= 0)
        m_componentList.SetCurSel(nAt);
}

void CAdvancedPage::OnMoveUp()
{
    MoveSelected(m_componentList.GetCurSel() - 1);
}

void CAdvancedPage::OnMoveDown()
{
    MoveSelected(m_componentList.GetCurSel() + 2);
}

void CAdvancedPage::OnMoveTop()
{
    MoveSelected(0);
}

void CAdvancedPage::OnMoveBottom()
{
    MoveSelected(m_componentList.GetCount() - 1);
}

void CAdvancedPage::OnFixedSize()
{
    m_pSheet->SizePreview(IsChecked(*this, IDC_WIZ_FIXED_SIZE));
}

void CAdvancedPage::OnLiveRedraw()
{
    m_pSheet->m_bLiveRedraw = IsChecked(*this, IDC_WIZ_LIVE_REDRAW);
}

void CAdvancedPage::OnGrid()
{
    m_pSheet->m_bGrid = IsChecked(*this, IDC_WIZ_GRID);
    for (int nID : {IDC_WIZ_GRID_LABEL, IDC_WIZ_GRID_STEP, IDC_WIZ_SNAP})
        ShowControl(*this, nID, m_pSheet->m_bGrid != 0);
    m_pSheet->RepaintPreview();
}

void CAdvancedPage::OnSnap()
{
    m_pSheet->m_bSnap = IsChecked(*this, IDC_WIZ_SNAP);
}

void CAdvancedPage::OnGridStepChanged()
{
    const int nStep = GetInt(*this, IDC_WIZ_GRID_STEP);
    if (nStep > 0) {
        m_pSheet->m_nGridStep = nStep;
        if (m_pSheet->m_bGrid)
            m_pSheet->RepaintPreview();
    }
}

LRESULT CAdvancedPage::OnListMove(WPARAM wParam, LPARAM lParam)
{
    m_pSheet->MoveComponent(int(wParam), int(lParam));
    return 0;
}

// ---- SRGStatic ---------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(SRGStatic, CStatic)

BEGIN_MESSAGE_MAP(SRGStatic, CStatic)
    ON_WM_PAINT()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

SRGStatic::SRGStatic() : m_pLayout(nullptr), m_pChart(nullptr), m_pColours(nullptr)
{
}

void SRGStatic::SetLayout(const WizLayout* pLayout, DEDized* pChart, const WizLayoutColours* pColours)
{
    m_pLayout = pLayout;
    m_pChart = pChart;
    m_pColours = pColours;
    if (m_hWnd != nullptr)
        Invalidate();
}

void SRGStatic::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
    if (m_pLayout != nullptr && m_pChart != nullptr && m_pColours != nullptr) {
        ApplyWizardLayout(*m_pChart, *m_pLayout, *m_pColours, GT_LINE);
        m_pChart->SetFixedRect(client);
        m_pChart->SetFixedRectFlag(1);
        m_pChart->Draw(&dc, this);
    }
    if (::GetFocus() == m_hWnd) {
        CRect focus = client;
        focus.DeflateRect(5, 5);
        dc.DrawFocusRect(&focus);
    }
}

void SRGStatic::OnSetFocus(CWnd* pOldWnd)
{
    CStatic::OnSetFocus(pOldWnd);
    Invalidate();
}

void SRGStatic::OnKillFocus(CWnd* pNewWnd)
{
    CStatic::OnKillFocus(pNewWnd);
    Invalidate();
}

// ---- CLayoutPage -------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CLayoutPage, CWizardPage)

BEGIN_MESSAGE_MAP(CLayoutPage, CWizardPage)
    ON_WM_PAINT()
    ON_BN_CLICKED(IDC_WIZ_PREVIOUS_LAYOUTS, OnPrevious)
    ON_BN_CLICKED(IDC_WIZ_NEXT_LAYOUTS, OnNext)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_WIZ_THUMBNAIL_FIRST, IDC_WIZ_THUMBNAIL_FIRST + kThumbnails - 1, OnThumbnail)
    ON_BN_CLICKED(IDC_WIZ_COLOUR_BACKGROUND, OnColourBackground)
    ON_BN_CLICKED(IDC_WIZ_COLOUR_TITLE, OnColourTitle)
    ON_BN_CLICKED(IDC_WIZ_COLOUR_DISPLAY, OnColourDisplay)
    ON_BN_CLICKED(IDC_WIZ_COLOUR_LEGEND, OnColourLegend)
END_MESSAGE_MAP()

CLayoutPage::CLayoutPage(SRGWizSheet* pSheet) : CWizardPage(IDD_WIZ_LAYOUT, pSheet), m_pChart(new DEDized), m_nFirst(0)
{
}

CLayoutPage::~CLayoutPage() = default;

BOOL CLayoutPage::OnInitDialog()
{
    CWizardPage::OnInitDialog();
    for (int k = 0; k < kThumbnails; ++k)
        m_thumbnails[k].SubclassDlgItem(IDC_WIZ_THUMBNAIL_FIRST + k, this);
    // the colour buttons show the colours they choose
    COLORREF* const colours[] = {&m_colours.crBackground, &m_colours.crTitle, &m_colours.crDisplay, &m_colours.crLegend};
    for (int k = 0; k < 4; ++k) {
        m_colourButtons[k].SubclassDlgItem(IDC_WIZ_COLOUR_BACKGROUND + k, this);
        m_colourButtons[k].SetColour(*colours[k]);
    }
    ShowLayouts(0);
    return TRUE;
}

void CLayoutPage::ShowLayouts(int nFirst)
{
    const std::vector<WizLayout>& layouts = m_pSheet->GetLayouts();
    m_nFirst = nFirst;
    for (int k = 0; k < kThumbnails; ++k) {
        const size_t nLayout = size_t(m_nFirst + k);
        m_thumbnails[k].SetLayout(nLayout < layouts.size() ? &layouts[nLayout] : nullptr, m_pChart.get(), &m_colours);
    }
    UpdateArrows();
    if (size_t(m_nFirst) < layouts.size())
        ApplyLayout(m_nFirst);
}

void CLayoutPage::UpdateArrows()
{
    CWnd* pPrevious = GetDlgItem(IDC_WIZ_PREVIOUS_LAYOUTS);
    CWnd* pNext = GetDlgItem(IDC_WIZ_NEXT_LAYOUTS);
    if (pPrevious == nullptr || pNext == nullptr)
        return;
    const HWND hWndFocus = ::GetFocus();
    const BOOL bPrevious = m_nFirst > 0;
    const BOOL bNext = m_nFirst + kThumbnails < int(m_pSheet->GetLayouts().size());
    pPrevious->EnableWindow(bPrevious);
    pNext->EnableWindow(bNext);
    if (!bPrevious && hWndFocus == pPrevious->m_hWnd && bNext)
        pNext->SetFocus();
    else if (!bNext && hWndFocus == pNext->m_hWnd && bPrevious)
        pPrevious->SetFocus();
}

void CLayoutPage::ApplyLayout(int nLayout)
{
    const std::vector<WizLayout>& layouts = m_pSheet->GetLayouts();
    if (nLayout < 0 || size_t(nLayout) >= layouts.size())
        return;
    ApplyWizardLayout(*m_pSheet->GetWorkingChart(), layouts[size_t(nLayout)], m_colours, m_pSheet->GetChosenGraphType());
    m_pSheet->RepaintPreview();
}

void CLayoutPage::OnPaint()
{
    CPaintDC dc(this);
    PaintText(dc, IDC_WIZ_LAYOUT_TEXT, IDS_WIZ_LAYOUT_TEXT, FALSE);
}

void CLayoutPage::OnPrevious()
{
    ShowLayouts((std::max)(m_nFirst - kThumbnails, 0));
}

void CLayoutPage::OnNext()
{
    if (m_nFirst + kThumbnails < int(m_pSheet->GetLayouts().size()))
        ShowLayouts(m_nFirst + kThumbnails);
}

void CLayoutPage::OnThumbnail(UINT nID)
{
    const int k = int(nID) - IDC_WIZ_THUMBNAIL_FIRST;
    if (m_thumbnails[k].GetLayout() != nullptr)
        ApplyLayout(m_nFirst + k);
}

void CLayoutPage::ChooseLayoutColour(int nButton, COLORREF& rColour)
{
    CColorDialog dialog(rColour, 0, this);
    if (dialog.DoModal() != IDOK)
        return;
    rColour = dialog.GetColor();
    m_colourButtons[nButton].SetColour(rColour);
    for (SRGStatic& thumbnail : m_thumbnails)
        if (thumbnail.m_hWnd != nullptr)
            thumbnail.Invalidate();
    m_pSheet->RepaintPreview();
}

void CLayoutPage::OnColourBackground()
{
    ChooseLayoutColour(0, m_colours.crBackground);
}

void CLayoutPage::OnColourTitle()
{
    ChooseLayoutColour(1, m_colours.crTitle);
}

void CLayoutPage::OnColourDisplay()
{
    ChooseLayoutColour(2, m_colours.crDisplay);
}

void CLayoutPage::OnColourLegend()
{
    ChooseLayoutColour(3, m_colours.crLegend);
}

// ---- CStandardChartPage ------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CStandardChartPage, CWizardPage)

BEGIN_MESSAGE_MAP(CStandardChartPage, CWizardPage)
    ON_WM_PAINT()
    ON_LBN_SELCHANGE(IDC_WIZ_GRAPH_TYPES, OnTypeChosen)
END_MESSAGE_MAP()

CStandardChartPage::CStandardChartPage(SRGWizSheet* pSheet) : CWizardPage(IDD_WIZ_STANDARD, pSheet)
{
}

BOOL CStandardChartPage::OnInitDialog()
{
    CWizardPage::OnInitDialog();
    m_list.SubclassDlgItem(IDC_WIZ_GRAPH_TYPES, this);
    FillList();
    return TRUE;
}

void CStandardChartPage::FillList()
{
    if (m_list.m_hWnd == nullptr)
        return;
    m_list.ResetContent();
    for (const WizCode& code : m_pSheet->GetGraphTypes()) {
        // nothing to show, and bars with lines, which want data of their own
        if (code.nCode == GT_NONE || code.nCode == GT_BAR_LINE)
            continue;
        const int nIndex = m_list.AddString(code.name);
        if (nIndex >= 0)
            m_list.SetItemData(nIndex, DWORD_PTR(code.nCode));
    }
}

void CStandardChartPage::ChooseGraphType(int nCode)
{
    m_pSheet->SetChosenGraphType(nCode);
    DEDized* pChart = m_pSheet->GetWorkingChart();
    if (SRGDisplayBase* pDisplay = dynamic_cast<SRGDisplayBase*>(pChart->GetComponent(0, chartTypeDisplay))) {
        pDisplay->SetGraphType(nCode);
        pDisplay->SetAxisType(AXIS_BY_GRAPH_TYPE);
        pDisplay->MarkStyleChanged();
    }
    m_pSheet->SetVectorEnds(nCode >= GT_VECTOR && nCode <= GT_VECTOR_SEGMENT);
    m_pSheet->RepaintPreview();
}

void CStandardChartPage::OnTypeChosen()
{
    const int nIndex = m_list.GetCurSel();
    if (nIndex >= 0)
        ChooseGraphType(int(m_list.GetItemData(nIndex)));
}

void CStandardChartPage::OnPaint()
{
    CPaintDC dc(this);
    PaintText(dc, IDC_WIZ_STANDARD_TEXT, IDS_WIZ_STANDARD_TEXT, FALSE);
}

// ---- CFinishPage -------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CFinishPage, CWizardPage)

BEGIN_MESSAGE_MAP(CFinishPage, CWizardPage)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CFinishPage::CFinishPage(SRGWizSheet* pSheet) : CWizardPage(IDD_WIZ_FINISH, pSheet)
{
}

void CFinishPage::OnPaint()
{
    CPaintDC dc(this);
    PaintText(dc, IDC_WIZ_FINISH_TEXT, IDS_WIZ_FINISH_TEXT, TRUE);
}
