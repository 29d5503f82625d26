// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cstdlib>

#include "chart/views/dialogs/SRGWizSheet.h"

#include "chart/engine/ChartTypeIds.h"
#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedDataList.h"
#include "chart/engine/components/DEDizedBackground.h"
#include "chart/engine/components/DEDizedLegend.h"
#include "chart/engine/components/DEDizedTitle.h"
#include "chart/engine/components/SRGTextPanel.h"
#include "chart/engine/display/DEDizedDisplay.h"
#include "chart/views/dialogs/ChartWizardResource.h"
#include "chart/views/dialogs/SRGWizView.h"

namespace {

// The sample data: 4 groups of 10 values below 150.
constexpr int kSampleGroups = 4;
constexpr int kSampleItems = 10;
constexpr int kSampleLimit = 150;

// The vector types take their items in blocks of four groups.
constexpr int kVectorBlock = 4;

// Where the preview's frame stands beside the pages: 3 pixels from the old right edge, 3 from the top,
// 27 above the bottom; the preview is 3 pixels inside it.
constexpr int kFrameLeftOffset = -3;
constexpr int kFrameRightOffset = 393;
constexpr int kFrameTop = 3;
constexpr int kFrameBottomMargin = 27;
constexpr int kPreviewInset = 3;

// The tooltips of the four pages' controls, one string each from IDS_WIZ_TIP_FIRST on.
struct PageTip {
    int nPage;   // 0 main, 1 fill, 2 font, 3 advanced
    int nID;
};
const PageTip kPageTips[] = {
    {0, IDC_WIZ_COMPONENT},       {0, IDC_WIZ_MEASUREMENT},      {0, IDC_WIZ_LEFT},
    {0, IDC_WIZ_TOP},             {0, IDC_WIZ_RIGHT},            {0, IDC_WIZ_BOTTOM},
    {0, IDC_WIZ_BORDER},          {0, IDC_WIZ_SHADOW},           {0, IDC_WIZ_GRAPH_TYPE},
    {0, IDC_WIZ_SECOND_CODE},     {0, IDC_WIZ_FIRST_INDEX},      {0, IDC_WIZ_FIRST_GROUP},
    {0, IDC_WIZ_LAST_INDEX},      {0, IDC_WIZ_LAST_GROUP},       {0, IDC_WIZ_TITLE_TEXT},
    {0, IDC_WIZ_LEGEND_SOURCE},   {0, IDC_WIZ_LEGEND_KEY},       {0, IDC_WIZ_LEGEND_KEY_SIZE},
    {1, IDC_WIZ_COMPONENT},       {1, IDC_WIZ_FILL_KIND},        {1, IDC_WIZ_FILL_FILE},
    {1, IDC_WIZ_FILL_VALUE},      {1, IDC_WIZ_FILL_COLOUR_1_CHOOSE}, {1, IDC_WIZ_FILL_COLOUR_2_CHOOSE},
    {1, IDC_WIZ_FILL_COLOUR_1},   {1, IDC_WIZ_FILL_COLOUR_2},    {1, IDC_WIZ_FILL_BROWSE},
    {1, IDC_WIZ_FILL_PANEL_PART}, {1, IDC_WIZ_FILL_PLACEMENT},   {2, IDC_WIZ_COMPONENT},
    {2, IDC_WIZ_FONT_CHOOSE},     {2, IDC_WIZ_FONT_BOLD},        {2, IDC_WIZ_FONT_STRIKE_OUT},
    {2, IDC_WIZ_FONT_UNDERLINE},  {2, IDC_WIZ_FONT_ITALIC},      {2, IDC_WIZ_FONT_CHOICE},
    {2, IDC_WIZ_FONT_FACE},       {2, IDC_WIZ_FONT_SIZE},        {2, IDC_WIZ_FONT_COLOUR_CHOOSE},
    {2, IDC_WIZ_FONT_COLOUR},     {2, IDC_WIZ_FONT_AUTO_SIZE},   {2, IDC_WIZ_FONT_PART},
    {3, IDC_WIZ_COMPONENT_KIND},  {3, IDC_WIZ_ADD_COMPONENT},    {3, IDC_WIZ_DELETE_COMPONENT},
    {3, IDC_WIZ_COMPONENT_LIST},  {3, IDC_WIZ_MOVE_UP},          {3, IDC_WIZ_MOVE_DOWN},
};

// The kinds the advanced page adds, with the strings that name them.
struct AddedKind {
    UINT nIDS;
    CRuntimeClass* pClass;
};

// Whether a chart's data can be copied: not dynamic, and no dynamic group.
bool HasCopyableData(DEDized& chart)
{
    if (chart.IsDynamic())
        return false;
    const int nGroups = chart.GetGroupCount();
    for (int g = 0; g < nGroups; ++g)
        if (DEDizedDataList* pGroup = chart.GetGroup(g, 0); pGroup != nullptr && pGroup->IsDynamic())
            return false;
    return true;
}

CString LoadText(UINT nIDS)
{
    CString text;
    AfxLoadString(nIDS, text);
    return text;
}

CRect ControlRect(CWnd& rParent, int nID)
{
    CRect rect;
    if (CWnd* pControl = rParent.GetDlgItem(nID)) {
        pControl->GetWindowRect(&rect);
        rParent.ScreenToClient(&rect);
    }
    return rect;
}

void ShowControl(CWnd& rParent, int nID, bool bShow)
{
    if (CWnd* pControl = rParent.GetDlgItem(nID))
        pControl->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

} // namespace

const char SRGWizSheet::kFinishedCaption[] = "Plovane Wizard";
const char SRGWizSheet::kFurtherSettingCaption[] = "If you want to do further setting, click Advanced button";
const char SRGWizSheet::kHintPrefix[] = "Chart Wizard: ";
const char SRGWizSheet::kTailArrow[] = "TAILA|ARROWA";

int SRGWizSheet::s_nHint = 0;

IMPLEMENT_DYNAMIC(SRGWizSheet, CPropertySheet)

BEGIN_MESSAGE_MAP(SRGWizSheet, CPropertySheet)
    ON_WM_SYSCOMMAND()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_WIZ_NEXT, OnNext)
    ON_BN_CLICKED(IDC_WIZ_BACK, OnBack)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(ID_APPLY_NOW, OnApplyNow)
    ON_MESSAGE(kLoadMessage, OnLoadMessage)
    ON_MESSAGE(kStoreMessage, OnStoreMessage)
    ON_MESSAGE(kGraphTypeMessage, OnGraphTypeMessage)
    ON_MESSAGE(kSecondCodeMessage, OnSecondCodeMessage)
    ON_MESSAGE(kRenameMessage, OnRenameMessage)
END_MESSAGE_MAP()

SRGWizSheet::SRGWizSheet(DEDized* pChart, LPCSTR lpszCaption, CWnd* pParentWnd, UINT iSelectPage, int nWidth,
                         int nHeight, BOOL bKeepData)
    : CPropertySheet(lpszCaption, pParentWnd, iSelectPage),
      m_bGrid(0),
      m_bSnap(0),
      m_bLiveRedraw(0),
      m_nGridStep(CAdvancedPage::kDefaultGridStep),
      m_mainPage(this),
      m_fillPage(this),
      m_fontPage(this),
      m_advancedPage(this),
      m_pChart(pChart),
      m_pWorking(nullptr),
      m_pPreview(nullptr),
      m_previewSize(nWidth, nHeight),
      m_previewPixels(0, 0),
      m_bKeepData(bKeepData),
      m_bWizardMode(TRUE),
      m_nHintTimer(0),
      m_bGraphTypesRead(FALSE),
      m_strSuffix("@"),
      m_nCurrent(-1),
      m_nChosenGraphType(GT_LINE)
{
    AfxRequirePointer(pChart, "SRGWizSheet::SRGWizSheet", "pChart");
    AddPage(&m_mainPage);
    AddPage(&m_fillPage);
    AddPage(&m_fontPage);
    AddPage(&m_advancedPage);
}

SRGWizSheet::~SRGWizSheet()
{
    if (m_pPreview != nullptr && m_pPreview->m_hWnd != nullptr)
        m_pPreview->DestroyWindow();
    delete m_pPreview;
    delete m_pWorking;
}

DEDized* SRGWizSheet::MakeWorkingChart()
{
    return new DEDized;
}

// ---- start -------------------------------------------------------------------------------------------

BOOL SRGWizSheet::OnInitDialog()
{
    const BOOL bResult = CPropertySheet::OnInitDialog();
    delete m_pWorking;
    m_pWorking = MakeWorkingChart();

    CRect window;
    GetWindowRect(&window);
    const int nOldWidth = window.Width();
    const int nHeight = window.Height();
    SetWindowPos(nullptr, 0, 0, nOldWidth + kPreviewWidth, nHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    MakePreview(nOldWidth, nHeight);
    CenterWindow();
    m_toolTip.Create(this);
    m_toolTip.Activate(TRUE);

    m_bKeepData = m_bKeepData && HasCopyableData(*m_pChart);
    CopyChart(m_pChart, m_pWorking, m_bKeepData);
    if (!m_bKeepData)
        FillSampleData();

    if (!FillPages()) {
        EndDialog(IDCANCEL);
        return bResult;
    }
    if (m_bWizardMode) {
        if (CWnd* pTab = GetTabControl())
            pTab->ShowWindow(SW_HIDE);
        ShowControl(*this, IDOK, false);
        ShowControl(*this, ID_APPLY_NOW, false);
        const CRect apply = ControlRect(*this, ID_APPLY_NOW);
        m_nextButton.Create("", WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON, apply, this, IDC_WIZ_NEXT);
        m_backButton.Create("", WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON, apply, this, IDC_WIZ_BACK);
        m_nextButton.SetFont(GetFont());
        m_backButton.SetFont(GetFont());
        SetButtonText(IDC_WIZ_NEXT, IDS_WIZ_NEXT, " > ");
        SetButtonText(IDC_WIZ_BACK, IDS_WIZ_BACK, " < ");
        m_nextButton.ShowWindow(SW_SHOW);
        LoadLayouts("LAYOUT", WIZ_RESOURCE_TYPE);
        m_pLayoutPage = std::make_unique<CLayoutPage>(this);
        AddPage(m_pLayoutPage.get());
        SetActivePage(m_pLayoutPage.get());
        RemovePropertyPages();
        const int layoutTips[] = {IDC_WIZ_COLOUR_BACKGROUND, IDC_WIZ_COLOUR_TITLE, IDC_WIZ_COLOUR_DISPLAY,
                                  IDC_WIZ_COLOUR_LEGEND, IDC_WIZ_NEXT_LAYOUTS, IDC_WIZ_PREVIOUS_LAYOUTS};
        for (int n = 0; n < 6; ++n)
            m_toolTip.AddControlTip(m_pLayoutPage.get(), layoutTips[n], IDS_WIZ_TIP_LAYOUT_FIRST + n);
        SetTitle(LoadText(IDS_WIZ_CAPTION_LAYOUT));
    }
    return bResult;
}

void SRGWizSheet::MakePreview(int nOldWidth, int nHeight)
{
    const CRect frame(nOldWidth + kFrameLeftOffset, kFrameTop, nOldWidth + kFrameRightOffset, nHeight - kFrameBottomMargin);
    m_previewFrame.Create("", WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME | SS_SUNKEN, frame, this, IDC_WIZ_PREVIEW_FRAME);
    CRect inside = frame;
    inside.DeflateRect(kPreviewInset, kPreviewInset);
    m_pPreview = new SRGWizView(this);
    m_pPreview->SetChart(m_pWorking);
    m_pPreview->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, inside, this, IDC_WIZ_PREVIEW);
    SizePreview(m_previewSize.cx > 0 && m_previewSize.cy > 0);
}

void SRGWizSheet::FillSampleData()
{
    for (int g = 0; g < kSampleGroups; ++g) {
        for (int i = 0; i < kSampleItems; ++i) {
            m_pWorking->SetValue(i, g, double(std::rand() % kSampleLimit), 0);
            CString annotation;
            annotation.Format(" (%d, %d) ", i, g);
            m_pWorking->SetItemAnnotation(i, g, annotation);
        }
    }
}

BOOL SRGWizSheet::FillPages()
{
    if (m_pWorking->GetComponentList()->IsEmpty())
        return TRUE;
    m_bWizardMode = FALSE;
    CPropertyPage* const pages[] = {&m_mainPage, &m_fillPage, &m_fontPage, &m_advancedPage};
    for (CPropertyPage* pPage : pages) {
        SetActivePage(pPage);
        if (pPage->m_hWnd == nullptr)
            return FALSE;
    }
    AddTooltips();
    LoadCodeList(&m_mainPage.m_measurementCombo, "MEASUREMENT", WIZ_RESOURCE_TYPE);
    LoadCodeList(&m_mainPage.m_borderCombo, "BORDERSTYLE", WIZ_RESOURCE_TYPE);
    LoadCodeList(&m_mainPage.m_shadowCombo, "SHADOWSTYLE", WIZ_RESOURCE_TYPE);
    LoadCodeList(&m_mainPage.m_legendSourceCombo, "LEGENDSTYLE", WIZ_RESOURCE_TYPE);
    LoadCodeList(&m_mainPage.m_legendKeyCombo, "KEYSTYLE", WIZ_RESOURCE_TYPE);
    m_mainPage.m_graphTypeCombo.ResetContent();
    for (const WizCode& code : GetGraphTypes())
        m_mainPage.m_graphTypeCombo.AddEntry(code.name, reinterpret_cast<DWORD_PTR>(&code));

    const AddedKind kinds[] = {{chartTypeBackground, RUNTIME_CLASS(DEDizedBackground)},
                               {chartTypeDisplay, RUNTIME_CLASS(DEDizedDisplay)},
                               {chartTypeTitle, RUNTIME_CLASS(DEDizedTitle)},
                               {chartTypeLegend, RUNTIME_CLASS(DEDizedLegend)},
                               {chartTypeTextPanel, RUNTIME_CLASS(SRGTextPanel)}};
    m_advancedPage.m_kindCombo.ResetContent();
    for (const AddedKind& kind : kinds)
        m_advancedPage.m_kindCombo.AddEntry(LoadText(kind.nIDS), reinterpret_cast<DWORD_PTR>(kind.pClass));
    m_advancedPage.m_kindCombo.SetCurSel(0);

    for (int n = 0; n < 3; ++n)
        ComponentCombos(n)->ResetContent();
    m_advancedPage.m_componentList.ResetContent();
    CObList* pComponents = m_pWorking->GetComponentList();
    for (POSITION pos = pComponents->GetHeadPosition(); pos != nullptr;) {
        DEDizedComponent* pComponent = static_cast<DEDizedComponent*>(pComponents->GetNext(pos));
        ListComponent(MakeDisplayName(pComponent), pComponent);
    }
    m_nCurrent = 0;
    LoadPages();
    SetActivePage(&m_mainPage);
    m_advancedPage.m_componentList.AddEntry(" ", 0);
    if (!m_bWizardMode && m_nHintTimer == 0)
        m_nHintTimer = SetTimer(IDT_WIZ_HINT, kHintPeriod);
    return TRUE;
}

void SRGWizSheet::AddTooltips()
{
    CPropertyPage* const pages[] = {&m_mainPage, &m_fillPage, &m_fontPage, &m_advancedPage};
    UINT nIDS = IDS_WIZ_TIP_FIRST;
    for (const PageTip& tip : kPageTips)
        m_toolTip.AddControlTip(pages[tip.nPage], tip.nID, nIDS++);
}

// ---- charts ------------------------------------------------------------------------------------------

void SRGWizSheet::CopyChart(DEDized* pFrom, DEDized* pTo, BOOL bWithData)
{
    AfxRequirePointer(pFrom, "SRGWizSheet::CopyChart", "pFrom");
    AfxRequirePointer(pTo, "SRGWizSheet::CopyChart", "pTo");
    // the whole chart, or its components and its own style (what a template holds)
    auto exchange = [bWithData](DEDized* pChart, CArchive& archive) {
        if (bWithData) {
            pChart->Serialize(archive);
        } else {
            pChart->SerializeComponents(archive);
            pChart->GetChartStyle()->Serialize(archive);
        }
        archive.Close();
    };
    CMemFile file(1024);
    {
        CArchive archive(&file, CArchive::store, 4096);
        exchange(pFrom, archive);
    }
    file.SeekToBegin();
    if (bWithData)
        pTo->Reset();
    else
        pTo->DeleteComponents();
    {
        CArchive archive(&file, CArchive::load, 4096);
        exchange(pTo, archive);
    }
    CObList* pComponents = pTo->GetComponentList();
    for (POSITION pos = pComponents->GetHeadPosition(); pos != nullptr;)
        static_cast<DEDizedComponent*>(pComponents->GetNext(pos))->SetChart(pTo);
    pTo->MarkForRedraw();
}

void SRGWizSheet::CopyBack()
{
    if (m_pWorking != nullptr)
        CopyChart(m_pWorking, m_pChart, FALSE);
}

// ---- the current component ---------------------------------------------------------------------------

SRGComboBox* SRGWizSheet::ComponentCombos(int n)
{
    switch (n) {
    case 0: return &m_mainPage.GetComponentCombo();
    case 1: return &m_fillPage.GetComponentCombo();
    default: return &m_fontPage.GetComponentCombo();
    }
}

DEDizedComponent* SRGWizSheet::GetCurrentComponent() const
{
    const SRGComboBox& combo = m_mainPage.GetComponentCombo();
    if (m_nCurrent < 0 || combo.m_hWnd == nullptr || m_nCurrent >= combo.GetCount())
        return nullptr;
    return reinterpret_cast<DEDizedComponent*>(combo.GetItemData(m_nCurrent));
}

void SRGWizSheet::SetCurrentIndex(int nIndex)
{
    m_nCurrent = nIndex;
    LoadPages();
}

void SRGWizSheet::LoadPages()
{
    DEDizedComponent* pComponent = GetCurrentComponent();
    if (pComponent == nullptr)
        return;
    for (int n = 0; n < 3; ++n)
        if (ComponentCombos(n)->m_hWnd != nullptr)
            ComponentCombos(n)->SetCurSel(m_nCurrent);
    m_mainPage.LoadFrom(pComponent);
    m_fillPage.LoadFrom(pComponent);
    m_fontPage.LoadFrom(pComponent);
    m_mainPage.EnablePage(IsMainPageEnabled(pComponent));
    m_fillPage.EnablePage(IsFillPageEnabled(pComponent));
    m_fontPage.EnablePage(IsFontPageEnabled(pComponent));
}

BOOL SRGWizSheet::IsMainPageEnabled(DEDizedComponent* /*pComponent*/)
{
    return TRUE;
}

BOOL SRGWizSheet::IsFillPageEnabled(DEDizedComponent* /*pComponent*/)
{
    return TRUE;
}

BOOL SRGWizSheet::IsFontPageEnabled(DEDizedComponent* pComponent)
{
    return pComponent->GetTypeId() != chartTypeBackground;
}

void SRGWizSheet::StorePage(int nPage, DEDizedComponent* pComponent)
{
    switch (nPage) {
    case 0: m_mainPage.StoreTo(pComponent); break;
    case 1: m_fillPage.StoreTo(pComponent); break;
    case 2: m_fontPage.StoreTo(pComponent); break;
    default: return;
    }
    m_pWorking->MarkForRedraw();
}

void SRGWizSheet::StoreActivePage()
{
    DEDizedComponent* pComponent = GetCurrentComponent();
    CPropertyPage* pActive = m_hWnd != nullptr ? GetActivePage() : nullptr;
    if (pComponent != nullptr && pActive != nullptr)
        StorePage(pActive == &m_mainPage ? 0 : pActive == &m_fillPage ? 1 : pActive == &m_fontPage ? 2 : -1, pComponent);
    RepaintPreview();
}

// ---- components --------------------------------------------------------------------------------------

CString SRGWizSheet::NextSuffix()
{
    if (m_strSuffix[0] == 'Z')
        m_strSuffix = "A" + m_strSuffix;
    else
        m_strSuffix.SetAt(0, char(m_strSuffix[0] + 1));
    return m_strSuffix;
}

CString SRGWizSheet::MakeDisplayName(DEDizedComponent* pComponent)
{
    CString name = pComponent->GetName();
    name.Trim();
    SRGComboBox& combo = m_mainPage.GetComponentCombo();
    if (!name.IsEmpty() && (combo.m_hWnd == nullptr || combo.FindStringExact(-1, name) < 0))
        return name;
    const bool bNameless = name.IsEmpty();
    CString base = name;
    if (bNameless)
        AfxLoadString(UINT(pComponent->GetTypeId()), base);
    const CString made = base + "_" + NextSuffix();
    if (bNameless)
        pComponent->SetName(made);
    return made;
}

void SRGWizSheet::ListComponent(LPCSTR lpszName, DEDizedComponent* pComponent)
{
    const DWORD_PTR dwData = reinterpret_cast<DWORD_PTR>(pComponent);
    for (int n = 0; n < 3; ++n)
        if (ComponentCombos(n)->m_hWnd != nullptr)
            ComponentCombos(n)->AddEntry(lpszName, dwData);
    SRGDragListBox& list = m_advancedPage.m_componentList;
    if (list.m_hWnd == nullptr)
        return;
    // before the end mark, once there is one
    const int nCount = list.GetCount();
    if (nCount > 0 && list.GetItemData(nCount - 1) == 0) {
        const int nAt = list.InsertString(nCount - 1, lpszName);
        if (nAt >= 0)
            list.SetItemData(nAt, dwData);
    } else {
        list.AddEntry(lpszName, dwData);
    }
}

void SRGWizSheet::AddWizardComponent(LPCSTR lpszName, DEDizedComponent* pComponent)
{
    AfxRequirePointer(pComponent, "SRGWizSheet::AddWizardComponent", "pComponent");
    const CSize size = GetPreviewSize();
    pComponent->SetMeasurement(0);
    pComponent->SetRectValues(10, 10, size.cx / 2, size.cy / 2);
    m_pWorking->AddComponent(pComponent);
    const CString name = CString(lpszName) + "_" + NextSuffix();
    pComponent->SetName(name);
    ListComponent(name, pComponent);
    if (m_mainPage.GetComponentCombo().m_hWnd != nullptr && m_mainPage.GetComponentCombo().GetCount() == 1)
        SetCurrentIndex(0);
    RepaintPreview();
}

void SRGWizSheet::AddChosenComponent()
{
    SRGComboBox& kinds = m_advancedPage.m_kindCombo;
    const int nKind = kinds.GetCurSel();
    if (nKind < 0)
        return;
    CString kind;
    kinds.GetLBText(nKind, kind);
    if (AfxMessageBox(LoadText(IDS_WIZ_ASK_ADD) + "\n" + kind, MB_YESNO) != IDYES)
        return;
    CRuntimeClass* pClass = reinterpret_cast<CRuntimeClass*>(kinds.GetItemData(nKind));
    CObject* pObject = pClass != nullptr ? pClass->CreateObject() : nullptr;
    DEDizedComponent* pComponent = dynamic_cast<DEDizedComponent*>(pObject);
    if (pComponent == nullptr) {
        delete pObject;
        return;
    }
    AddWizardComponent(kind, pComponent);
}

void SRGWizSheet::DeleteSelectedComponent()
{
    SRGDragListBox& list = m_advancedPage.m_componentList;
    const int nSelected = list.GetCurSel();
    DEDizedComponent* pComponent = nSelected >= 0 ? reinterpret_cast<DEDizedComponent*>(list.GetItemData(nSelected)) : nullptr;
    if (pComponent == nullptr)
        return;
    CString question;
    switch (pComponent->GetTypeId()) {
    case chartTypeLabel:
    case chartTypeLabelBlock:
    case chartTypeCompoundDisplay:
        question = LoadText(IDS_WIZ_ASK_DELETE_LABEL);
        break;
    default: {
        CString text;
        list.GetText(nSelected, text);
        question = LoadText(IDS_WIZ_ASK_DELETE) + "\n" + text;
        break;
    }
    }
    if (AfxMessageBox(question, MB_YESNO) != IDYES)
        return;
    const DWORD_PTR dwData = reinterpret_cast<DWORD_PTR>(pComponent);
    for (int n = 0; n < 3; ++n)
        ComponentCombos(n)->DeleteByData(dwData);
    list.DeleteByData(dwData);
    CObList* pComponents = m_pWorking->GetComponentList();
    if (POSITION pos = pComponents->Find(pComponent))
        pComponents->RemoveAt(pos);
    delete pComponent;
    m_nCurrent = m_mainPage.GetComponentCombo().GetCount() > 0 ? 0 : -1;
    LoadPages();
    m_pWorking->MarkForRedraw();
    RepaintPreview();
}

void SRGWizSheet::MoveComponent(int a, int b)
{
    SRGDragListBox& list = m_advancedPage.m_componentList;
    const int nLast = list.GetCount() - 1;
    if (a < 0 || a >= nLast || b < 0 || b > nLast || a == b)
        return;
    DEDizedComponent* pComponent = reinterpret_cast<DEDizedComponent*>(list.GetItemData(a));
    DEDizedComponent* pCurrent = GetCurrentComponent();
    CObList* pComponents = m_pWorking->GetComponentList();
    POSITION pos = pComponents->Find(pComponent);
    if (pComponent == nullptr || pos == nullptr)
        return;
    pComponents->RemoveAt(pos);
    if (b == nLast) {
        pComponents->AddTail(pComponent);
    } else {
        DEDizedComponent* pBefore = reinterpret_cast<DEDizedComponent*>(list.GetItemData(b));
        POSITION posBefore = pComponents->Find(pBefore);
        if (posBefore != nullptr)
            pComponents->InsertBefore(posBefore, pComponent);
        else
            pComponents->AddTail(pComponent);
    }
    for (int n = 0; n < 3; ++n)
        ComponentCombos(n)->MoveEntry(a, b);
    // the current component stays current wherever it went
    SRGComboBox& combo = m_mainPage.GetComponentCombo();
    for (int i = 0; i < combo.GetCount(); ++i)
        if (reinterpret_cast<DEDizedComponent*>(combo.GetItemData(i)) == pCurrent)
            m_nCurrent = i;
    for (int n = 0; n < 3; ++n)
        ComponentCombos(n)->SetCurSel(m_nCurrent);
    m_pWorking->MarkForRedraw();
    RepaintPreview();
}

void SRGWizSheet::RenameCurrent(LPCSTR lpszName)
{
    DEDizedComponent* pComponent = GetCurrentComponent();
    if (pComponent == nullptr || lpszName == nullptr)
        return;
    for (int n = 0; n < 3; ++n)
        ComponentCombos(n)->RenameEntry(m_nCurrent, lpszName);
    SRGDragListBox& list = m_advancedPage.m_componentList;
    for (int i = 0; i < list.GetCount(); ++i)
        if (reinterpret_cast<DEDizedComponent*>(list.GetItemData(i)) == pComponent)
            list.RenameEntry(i, lpszName);
    pComponent->SetName(lpszName);
}

// ---- graph types -------------------------------------------------------------------------------------

const std::vector<WizCode>& SRGWizSheet::GetGraphTypes()
{
    if (!m_bGraphTypesRead) {
        CString text;
        WizardTexts::Load("GRAPH_TYPES", WIZ_RESOURCE_TYPE, text, FALSE);
        m_graphTypes = WizardTexts::ParseCodes(text, true);
        m_bGraphTypesRead = TRUE;
    }
    return m_graphTypes;
}

void SRGWizSheet::LoadCodeList(CComboBox* pCombo, LPCSTR lpszName, LPCSTR lpszType)
{
    if (pCombo == nullptr || pCombo->m_hWnd == nullptr)
        return;
    pCombo->ResetContent();
    CString text;
    if (!WizardTexts::Load(lpszName, lpszType, text, FALSE))
        return;
    for (const WizCode& code : WizardTexts::ParseCodes(text, false)) {
        const int nIndex = pCombo->AddString(code.name);
        if (nIndex >= 0)
            pCombo->SetItemData(nIndex, DWORD_PTR(code.nCode));
    }
}

void SRGWizSheet::LoadLayouts(LPCSTR lpszName, LPCSTR lpszType)
{
    CString text;
    WizardTexts::Load(lpszName, lpszType, text, TRUE);
    m_layouts = WizardTexts::ParseLayouts(text);
    // the thumbnails show the new layouts
    if (m_pLayoutPage && m_pLayoutPage->m_hWnd != nullptr)
        m_pLayoutPage->ShowLayouts(0);
}

void SRGWizSheet::LoadSecondCodes(CComboBox* pCombo, int nGraphType)
{
    if (pCombo == nullptr || pCombo->m_hWnd == nullptr)
        return;
    pCombo->ResetContent();
    if (nGraphType < GT_NONE || nGraphType > GT_GROUP_STACKED_HBAR_100)
        return;
    for (const WizCode& code : GetGraphTypes())
        if (code.nCode == nGraphType) {
            LoadCodeList(pCombo, code.key, WIZ_RESOURCE_TYPE);
            return;
        }
}

int SRGWizSheet::ApplyGraphType(SRGDisplayBase* pDisplay, int nCode)
{
    AfxRequirePointer(pDisplay, "SRGWizSheet::ApplyGraphType", "pDisplay");
    if (nCode < GT_NONE || nCode > GT_GROUP_STACKED_HBAR_100) {
        ApplyOtherGraphType(pDisplay, nCode);
        return nCode;
    }
    const int nCurrent = pDisplay->GetGraphType();
    UINT nQuestion = 0;
    if ((nCode == GT_STOCK_BAR || nCode == GT_CANDLESTICK) && nCurrent != GT_STOCK_BAR && nCurrent != GT_CANDLESTICK)
        nQuestion = IDS_WIZ_ASK_STOCK;
    else if (nCode == GT_STOCK_TICKS && nCurrent != GT_STOCK_TICKS)
        nQuestion = IDS_WIZ_ASK_TICKS;
    bool bReplaced = false;
    if (nQuestion != 0 && AfxMessageBox(nQuestion, MB_YESNO) != IDYES) {
        // these types need data of their own: steps show any data
        nCode = GT_STEP_B;
        bReplaced = true;
        if (m_mainPage.m_graphTypeCombo.m_hWnd != nullptr)
            m_mainPage.m_graphTypeCombo.SelectByKey(nCode);
    }
    pDisplay->SetGraphType(nCode);
    pDisplay->MarkStyleChanged();
    if (!bReplaced && nCode >= GT_VECTOR && nCode <= GT_VECTOR_SEGMENT)
        SetVectorEnds(TRUE);
    return nCode;
}

void SRGWizSheet::ApplySecondCode(SRGDisplayBase* pDisplay, int nCode)
{
    AfxRequirePointer(pDisplay, "SRGWizSheet::ApplySecondCode", "pDisplay");
    if (nCode < 0 || nCode > 0x1b) {
        ApplyOtherSecondCode(pDisplay, nCode);
        return;
    }
    pDisplay->SetAxisType(nCode);
    pDisplay->MarkStyleChanged();
}

void SRGWizSheet::ApplyOtherGraphType(SRGDisplayBase* /*pDisplay*/, int /*nCode*/)
{
}

void SRGWizSheet::ApplyOtherSecondCode(SRGDisplayBase* /*pDisplay*/, int /*nCode*/)
{
}

void SRGWizSheet::SetVectorEnds(BOOL bSet)
{
    const int nGroups = m_pWorking->GetGroupCount();
    auto setEnds = [&](int nGroup, int nItems, const char* lpszEnds) {
        DEDizedDataList* pGroup = m_pWorking->GetGroup(nGroup, 0);
        if (pGroup == nullptr)
            return;
        // only items the group has: a missing one reads as the shared placeholder
        const int nCount = (std::min)(nItems, pGroup->GetCount());
        for (int i = 0; i < nCount; ++i)
            pGroup->GetItem(i, 0)->GetStyle()->m_strText1 = lpszEnds;
    };
    if (bSet) {
        for (int g0 = 0; g0 + kVectorBlock <= nGroups; g0 += kVectorBlock) {
            const int nItems = m_pWorking->GetItemCount(g0, 0);
            for (int g = g0; g < g0 + kVectorBlock; ++g)
                setEnds(g, nItems, kTailArrow);
        }
    } else {
        for (int g = 0; g < nGroups; ++g)
            setEnds(g, m_pWorking->GetItemCount(g, 0), "");
    }
    m_pWorking->MarkForRedraw();
}

// ---- the preview -------------------------------------------------------------------------------------

CSize SRGWizSheet::GetPreviewSize() const
{
    return m_previewPixels;
}

void SRGWizSheet::SizePreview(BOOL bFixed)
{
    if (m_pPreview == nullptr || m_pPreview->m_hWnd == nullptr)
        return;
    CSize size = m_previewSize;
    if (!bFixed || size.cx <= 0 || size.cy <= 0) {
        CRect client;
        m_pPreview->GetClientRect(&client);
        size = client.Size();
    }
    m_previewPixels = size;
    m_pPreview->SetScrollSizes(MM_TEXT, size);
    m_pWorking->SetFixedRect(CRect(0, 0, size.cx, size.cy));
    m_pWorking->SetFixedRectFlag(1);
    RepaintPreview();
}

void SRGWizSheet::RepaintPreview()
{
    if (m_pWorking != nullptr)
        m_pWorking->MarkForRedraw();
    if (m_pPreview != nullptr && m_pPreview->m_hWnd != nullptr)
        m_pPreview->Invalidate(FALSE);
}

// ---- the wizard's steps ------------------------------------------------------------------------------

void SRGWizSheet::SetButtonText(int nID, UINT nIDS, LPCSTR lpszAfter)
{
    SetDlgItemText(nID, LoadText(nIDS) + lpszAfter);
}

void SRGWizSheet::SwapPage(CPropertyPage* pNew, CPropertyPage* pOld)
{
    if (GetPageIndex(pNew) < 0)
        AddPage(pNew);
    SetActivePage(pNew);
    if (GetPageIndex(pOld) >= 0)
        RemovePage(pOld);
}

void SRGWizSheet::RemovePropertyPages()
{
    for (CPropertyPage* pPage : {static_cast<CPropertyPage*>(&m_mainPage), static_cast<CPropertyPage*>(&m_fillPage),
                                 static_cast<CPropertyPage*>(&m_fontPage), static_cast<CPropertyPage*>(&m_advancedPage)})
        if (GetPageIndex(pPage) >= 0)
            RemovePage(pPage);
}

void SRGWizSheet::AddPropertyPages()
{
    for (CPropertyPage* pPage : {static_cast<CPropertyPage*>(&m_mainPage), static_cast<CPropertyPage*>(&m_fillPage),
                                 static_cast<CPropertyPage*>(&m_fontPage), static_cast<CPropertyPage*>(&m_advancedPage)})
        if (GetPageIndex(pPage) < 0)
            AddPage(pPage);
}

void SRGWizSheet::OnNext()
{
    CPropertyPage* pActive = GetActivePage();
    const CRect ok = ControlRect(*this, IDOK);
    if (pActive != nullptr && pActive == m_pLayoutPage.get()) {
        m_backButton.MoveWindow(&ok);
        m_backButton.ShowWindow(SW_SHOW);
        if (!m_pStandardPage)
            m_pStandardPage = std::make_unique<CStandardChartPage>(this);
        SwapPage(m_pStandardPage.get(), m_pLayoutPage.get());
        m_pStandardPage->FillList();
        SetTitle(LoadText(IDS_WIZ_CAPTION_STANDARD));
    } else if (pActive != nullptr && pActive == m_pStandardPage.get()) {
        if (!m_pFinishPage)
            m_pFinishPage = std::make_unique<CFinishPage>(this);
        SwapPage(m_pFinishPage.get(), m_pStandardPage.get());
        CRect back = ok;
        back.OffsetRect(-(ok.Width() + 10), 0);
        m_backButton.MoveWindow(&back);
        SetButtonText(IDOK, IDS_WIZ_FINISH_BUTTON, "");
        ShowControl(*this, IDOK, true);
        SetButtonText(IDC_WIZ_NEXT, IDS_WIZ_ADVANCED_BUTTON, " > ");
        SetTitle(kFurtherSettingCaption);
    } else if (pActive != nullptr && pActive == m_pFinishPage.get()) {
        AddPropertyPages();
        SetActivePage(&m_mainPage);
        for (CPropertyPage* pPage : {static_cast<CPropertyPage*>(m_pLayoutPage.get()),
                                     static_cast<CPropertyPage*>(m_pStandardPage.get()),
                                     static_cast<CPropertyPage*>(m_pFinishPage.get())})
            if (pPage != nullptr && GetPageIndex(pPage) >= 0)
                RemovePage(pPage);
        m_pLayoutPage.reset();
        m_pStandardPage.reset();
        m_pFinishPage.reset();
        SetTitle(kFinishedCaption);
        m_nextButton.ShowWindow(SW_HIDE);
        m_backButton.ShowWindow(SW_HIDE);
        if (CWnd* pTab = GetTabControl())
            pTab->ShowWindow(SW_SHOW);
        SetButtonText(IDOK, IDS_WIZ_DONE_BUTTON, "");
        ShowControl(*this, ID_APPLY_NOW, true);
        m_nCurrent = -1;
        FillPages();
        RepaintPreview();
    }
}

void SRGWizSheet::OnBack()
{
    CPropertyPage* pActive = GetActivePage();
    if (pActive != nullptr && pActive == m_pStandardPage.get() && m_pLayoutPage) {
        SwapPage(m_pLayoutPage.get(), m_pStandardPage.get());
        m_backButton.ShowWindow(SW_HIDE);
        SetTitle(LoadText(IDS_WIZ_CAPTION_LAYOUT));
    } else if (pActive != nullptr && pActive == m_pFinishPage.get() && m_pStandardPage) {
        SwapPage(m_pStandardPage.get(), m_pFinishPage.get());
        m_pStandardPage->FillList();
        SetButtonText(IDC_WIZ_NEXT, IDS_WIZ_NEXT, " >");
        const CRect ok = ControlRect(*this, IDOK);
        ShowControl(*this, IDOK, false);
        m_backButton.MoveWindow(&ok);
        SetTitle(LoadText(IDS_WIZ_CAPTION_STANDARD));
    }
}

// ---- messages ----------------------------------------------------------------------------------------

void SRGWizSheet::ResetHintCounter()
{
    s_nHint = 0;
}

void SRGWizSheet::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != IDT_WIZ_HINT) {
        CPropertySheet::OnTimer(nIDEvent);
        return;
    }
    SetTitle(kHintPrefix + LoadText(UINT(IDS_WIZ_HINT_FIRST + s_nHint)));
    s_nHint = (s_nHint + 1) % IDS_WIZ_HINT_COUNT;
}

void SRGWizSheet::OnDestroy()
{
    if (m_nHintTimer != 0) {
        KillTimer(m_nHintTimer);
        m_nHintTimer = 0;
    }
    CPropertySheet::OnDestroy();
}

void SRGWizSheet::OnSysCommand(UINT nID, LPARAM lParam)
{
    // closing asks first: Yes keeps the sheet open
    if ((nID & 0xFFF0) == SC_CLOSE && AfxMessageBox(IDS_WIZ_ASK_CLOSE, MB_YESNO) == IDYES)
        return;
    CPropertySheet::OnSysCommand(nID, lParam);
}

void SRGWizSheet::OnOK()
{
    if (m_bWizardMode) {
        CPropertyPage* pActive = GetActivePage();
        EndDialog(pActive != nullptr && pActive == m_pFinishPage.get() ? IDOK : IDCANCEL);
        return;
    }
    if (CPropertyPage* pActive = GetActivePage())
        pActive->UpdateData(TRUE);
    StoreActivePage();
    EndDialog(IDOK);
}

void SRGWizSheet::OnApplyNow()
{
    CPropertyPage* pActive = GetActivePage();
    if (pActive != nullptr)
        pActive->UpdateData(TRUE);
    StoreActivePage();
    if (pActive != nullptr)
        pActive->SetModified(FALSE);
}

LRESULT SRGWizSheet::OnLoadMessage(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    LoadPages();
    return 0;
}

LRESULT SRGWizSheet::OnStoreMessage(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    StoreActivePage();
    return 0;
}

LRESULT SRGWizSheet::OnGraphTypeMessage(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    SRGDisplayBase* pDisplay = dynamic_cast<SRGDisplayBase*>(GetCurrentComponent());
    const DWORD_PTR dwData = m_mainPage.m_graphTypeCombo.GetSelectedData();
    if (pDisplay == nullptr || dwData == DWORD_PTR(-1) || dwData == 0)
        return 0;
    const int nApplied = ApplyGraphType(pDisplay, reinterpret_cast<const WizCode*>(dwData)->nCode);
    LoadSecondCodes(&m_mainPage.m_secondCodeCombo, nApplied);
    m_mainPage.m_secondCodeCombo.SelectByData(AXIS_BY_GRAPH_TYPE);
    ApplySecondCode(pDisplay, AXIS_BY_GRAPH_TYPE);
    RepaintPreview();
    return 0;
}

LRESULT SRGWizSheet::OnSecondCodeMessage(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    SRGDisplayBase* pDisplay = dynamic_cast<SRGDisplayBase*>(GetCurrentComponent());
    const DWORD_PTR dwCode = m_mainPage.m_secondCodeCombo.GetSelectedData();
    if (pDisplay != nullptr && dwCode != DWORD_PTR(-1)) {
        ApplySecondCode(pDisplay, int(dwCode));
        RepaintPreview();
    }
    return 0;
}

LRESULT SRGWizSheet::OnRenameMessage(WPARAM /*wParam*/, LPARAM lParam)
{
    RenameCurrent(reinterpret_cast<LPCSTR>(lParam));
    return 0;
}
