#include "chart/views/dialogs/DEDizedEditDialog.h"

#include <string>

#include "chart/engine/ChartResource.h"
#include "chart/engine/ChartTextSource.h"
#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedDynamicData.h"
#include "chart/engine/DEDizedTemplate.h"
#include "chart/engine/components/DEDizedBackground.h"
#include "chart/engine/components/DEDizedLabelBlock.h"
#include "chart/engine/components/DEDizedLegend.h"
#include "chart/engine/display/DEDizedDisplay.h"
#include "chart/views/dialogs/ChartDialogResource.h"
#include "chart/views/dialogs/ChartSmallDialogs.h"
#include "chart/views/dialogs/DEDizedComponentProperties.h"
#include "core/CSafeFile.h"

IMPLEMENT_DYNAMIC(DEDizedEditDialog, CDialog)

BEGIN_MESSAGE_MAP(DEDizedEditDialog, CDialog)
    ON_NOTIFY(NM_DBLCLK, IDC_CHART_TREE, OnTreeDoubleClick)
    ON_NOTIFY(NM_RCLICK, IDC_CHART_TREE, OnTreeRightClick)
    ON_COMMAND(ID_CHART_READ_TEMPLATE, OnReadTemplate)
    ON_COMMAND(ID_CHART_WRITE_TEMPLATE, OnWriteTemplate)
    ON_COMMAND(ID_CHART_COMPONENT_PROPERTIES, OnComponentProperties)
    ON_COMMAND(ID_CHART_DELETE_COMPONENT, OnDeleteComponent)
    ON_COMMAND(ID_CHART_ADD_COMPONENT, OnAddComponent)
    ON_COMMAND(ID_CHART_ADD_ANNOTATION, OnAddAnnotation)
    ON_COMMAND(ID_CHART_ADD_DATA_ANNOTATION, OnAddAnnotation)
    ON_COMMAND(ID_CHART_MOVE_TO_END, OnMoveToEnd)
    ON_COMMAND(ID_CHART_MOVE_TO_START, OnMoveToStart)
    ON_COMMAND(ID_CHART_MOVE_LATER, OnMoveLater)
    ON_COMMAND(ID_CHART_MOVE_EARLIER, OnMoveEarlier)
    ON_COMMAND(ID_CHART_EDIT_NOTHING, OnNothing)
END_MESSAGE_MAP()

namespace {

CString LoadText(UINT nID)
{
    CString text;
    AfxLoadString(nID, text);
    return text;
}

// The name of a component's kind: the string of its type id.
CString TypeName(const DEDizedComponent* pComponent)
{
    return LoadText(UINT(pComponent->GetTypeId()));
}

// The value nIndex of a series (its read position moves there).
double SeriesValue(DEDizedDynamicData* pSeries, int nIndex)
{
    pSeries->SetReadPosition(nIndex);
    return pSeries->GetValue();
}

} // namespace

DEDizedEditDialog::DEDizedEditDialog(CWnd* pParent)
    : CDialog(IDD_CHART_EDIT, pParent), m_pChart(nullptr), m_hChartItem(nullptr), m_hComponentsItem(nullptr)
{
}

DEDizedEditDialog::~DEDizedEditDialog() = default;

BOOL DEDizedEditDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_imageList.GetSafeHandle() == nullptr)
        m_imageList.Create(IDB_CHART_TREE_IMAGES, 16, 1, RGB(255, 255, 255));
    m_tree.SetImageList(&m_imageList, TVSIL_NORMAL);
    FillTree();
    return TRUE;
}

void DEDizedEditDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CHART_TREE, m_tree);
}

// ---- the tree ----------------------------------------------------------------------------------------

DEDizedEditDialog::ItemKind DEDizedEditDialog::GetItemKind(HTREEITEM hItem) const
{
    int nImage = -1;
    int nSelectedImage = -1;
    if (hItem == nullptr || !m_tree.GetItemImage(hItem, nImage, nSelectedImage))
        return itemNone;
    switch (nImage) {
    case itemChart:
    case itemComponents:
    case itemComponent:
    case itemAnnotation:
    case itemGroup:
    case itemItem:
    case itemValue:
        return ItemKind(nImage);
    default:
        return itemNone;
    }
}

HTREEITEM DEDizedEditDialog::AddItem(HTREEITEM hParent, LPCSTR lpszText, ItemKind nKind, DWORD_PTR dwData)
{
    const HTREEITEM hItem = m_tree.InsertItem(lpszText, nKind, nKind - 1, hParent, TVI_LAST);
    if (hItem != nullptr)
        m_tree.SetItemData(hItem, dwData);
    return hItem;
}

void DEDizedEditDialog::AddAnnotationItems(HTREEITEM hParent, DEDizedAnnotationList* pList)
{
    if (pList == nullptr)
        return;
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
        DEDizedAnnotation* pAnnotation = static_cast<DEDizedAnnotation*>(pList->GetNext(pos));
        CString text;
        text.Format("%s [%2d]", pAnnotation->m_strText.GetString(), pAnnotation->m_nIndex);
        AddItem(hParent, text, itemAnnotation, DWORD_PTR(pAnnotation));
    }
}

void DEDizedEditDialog::AddComponentItems(DEDizedComponent* pComponent)
{
    const HTREEITEM hItem = AddItem(m_hComponentsItem, TypeName(pComponent), itemComponent, DWORD_PTR(pComponent));
    m_tree.EnsureVisible(hItem);
    if (pComponent->GetTypeId() == chartTypeLabel && pComponent->IsKindOf(RUNTIME_CLASS(DEDizedLabel))) {
        AddAnnotationItems(hItem, static_cast<DEDizedLabel*>(pComponent)->GetTexts());
    } else if (pComponent->GetTypeId() == chartTypeLabelBlock &&
               pComponent->IsKindOf(RUNTIME_CLASS(DEDizedLabelBlock))) {
        // the block's labels stand beside it in the folder, each with its texts
        DEDizedLabelBlock* pBlock = static_cast<DEDizedLabelBlock*>(pComponent);
        const int nLabels = pBlock->GetLabelCount();
        for (int i = 0; i < nLabels; ++i) {
            DEDizedLabel* pLabel = pBlock->GetLabel(i);
            const HTREEITEM hLabel = AddItem(m_hComponentsItem, TypeName(pLabel), itemComponent, DWORD_PTR(pLabel));
            m_tree.EnsureVisible(hLabel);
            AddAnnotationItems(hLabel, pLabel->GetTexts());
        }
    }
}

void DEDizedEditDialog::AddGroupItems(DEDizedDataList* pGroup)
{
    const HTREEITEM hGroup = AddItem(m_hChartItem, LoadText(IDS_CHART_TREE_GROUP), itemGroup, DWORD_PTR(pGroup));
    m_tree.EnsureVisible(hGroup);
    const CString itemText = LoadText(IDS_CHART_TREE_ITEM);
    // the items as the group holds them: a dynamic group holds its series once
    int nItem = 0;
    for (POSITION pos = pGroup->GetHeadPosition(); pos != nullptr; ++nItem) {
        DEDizedData* pItem = static_cast<DEDizedData*>(pGroup->GetNext(pos));
        const HTREEITEM hItem = AddItem(hGroup, itemText, itemItem, DWORD_PTR(pItem));
        if (pItem->IsDynamic()) {
            DEDizedDynamicData* pSeries = static_cast<DEDizedDynamicData*>(pItem);
            const int nValues = pSeries->HasStorage() ? pSeries->GetSize() : 0;
            for (int k = 0; k < nValues; ++k)
                AddItem(hItem, ValueText(SeriesValue(pSeries, k)), itemValue, DWORD_PTR(k));
        } else {
            AddItem(hItem, ValueText(pItem->GetValue()), itemValue, DWORD_PTR(nItem));
        }
        AddAnnotationItems(hItem, pItem->GetAnnotationList());
    }
    AddAnnotationItems(hGroup, pGroup->GetAnnotationList());
}

CString DEDizedEditDialog::ValueText(double dValue)
{
    CString text;
    text.Format("%s [%g]", LoadText(IDS_CHART_TREE_VALUE).GetString(), dValue);
    return text;
}

void DEDizedEditDialog::FillTree()
{
    // what the current item shows, to find it again in the new tree
    const HTREEITEM hCurrent = m_tree.GetCurrentItem();
    const ItemKind nCurrentKind = GetItemKind(hCurrent);
    DWORD_PTR dwCurrent = 0;
    DWORD_PTR dwCurrentParent = 0;
    if (nCurrentKind != itemNone) {
        dwCurrent = m_tree.GetItemData(hCurrent);
        if (const HTREEITEM hParent = m_tree.GetParentItem(hCurrent))
            dwCurrentParent = m_tree.GetItemData(hParent);
    }
    m_tree.SetCurrentItem(nullptr);
    m_tree.DeleteAllItems();
    m_hChartItem = nullptr;
    m_hComponentsItem = nullptr;
    if (m_pChart == nullptr)
        return;

    m_hChartItem = AddItem(TVI_ROOT, m_pChart->GetChartAnnotation(1), itemChart, DWORD_PTR(m_pChart));
    AddAnnotationItems(m_hChartItem, m_pChart->GetChartAnnotationList());
    CObList* pComponents = m_pChart->GetComponentList();
    m_hComponentsItem = AddItem(m_hChartItem, LoadText(IDS_CHART_TREE_COMPONENTS), itemComponents, DWORD_PTR(pComponents));
    for (POSITION pos = pComponents->GetHeadPosition(); pos != nullptr;)
        AddComponentItems(static_cast<DEDizedComponent*>(pComponents->GetNext(pos)));
    for (POSITION pos = m_pChart->GetFirstGroupPosition(); pos != nullptr;)
        AddGroupItems(m_pChart->GetNextGroup(pos));

    if (nCurrentKind != itemNone) {
        const HTREEITEM hFound = FindItem(nullptr, nCurrentKind, dwCurrent, dwCurrentParent);
        m_tree.SetCurrentItem(hFound);
        if (hFound != nullptr)
            m_tree.SelectItem(hFound);
    }
}

HTREEITEM DEDizedEditDialog::FindItem(HTREEITEM hParent, ItemKind nKind, DWORD_PTR dwData,
                                      DWORD_PTR dwParentData) const
{
    for (HTREEITEM hItem = hParent == nullptr ? m_tree.GetRootItem() : m_tree.GetChildItem(hParent);
         hItem != nullptr; hItem = m_tree.GetNextSiblingItem(hItem)) {
        if (GetItemKind(hItem) == nKind && m_tree.GetItemData(hItem) == dwData) {
            const HTREEITEM hItemParent = m_tree.GetParentItem(hItem);
            if ((hItemParent != nullptr ? m_tree.GetItemData(hItemParent) : 0) == dwParentData)
                return hItem;
        }
        if (const HTREEITEM hFound = FindItem(hItem, nKind, dwData, dwParentData))
            return hFound;
    }
    return nullptr;
}

DEDizedComponent* DEDizedEditDialog::GetCurrentComponent()
{
    const HTREEITEM hCurrent = m_tree.GetCurrentItem();
    if (m_pChart == nullptr || GetItemKind(hCurrent) != itemComponent)
        return nullptr;
    // compared by address only until it is found among the chart's components
    const CObject* pWanted = reinterpret_cast<const CObject*>(m_tree.GetItemData(hCurrent));
    CObList* pComponents = m_pChart->GetComponentList();
    for (POSITION pos = pComponents->GetHeadPosition(); pos != nullptr;) {
        DEDizedComponent* pComponent = static_cast<DEDizedComponent*>(pComponents->GetNext(pos));
        if (pComponent == pWanted)
            return pComponent;
        if (pComponent->GetTypeId() != chartTypeLabelBlock || !pComponent->IsKindOf(RUNTIME_CLASS(DEDizedLabelBlock)))
            continue;
        DEDizedLabelBlock* pBlock = static_cast<DEDizedLabelBlock*>(pComponent);
        const int nLabels = pBlock->GetLabelCount();
        for (int i = 0; i < nLabels; ++i)
            if (pBlock->GetLabel(i) == pWanted)
                return pBlock->GetLabel(i);
    }
    return nullptr;
}

POSITION DEDizedEditDialog::GetCurrentComponentPosition()
{
    const HTREEITEM hCurrent = m_tree.GetCurrentItem();
    if (m_pChart == nullptr || GetItemKind(hCurrent) != itemComponent)
        return nullptr;
    return m_pChart->GetComponentList()->Find(reinterpret_cast<CObject*>(m_tree.GetItemData(hCurrent)));
}

// ---- editing the current item ------------------------------------------------------------------------

void DEDizedEditDialog::OnTreeDoubleClick(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    const HTREEITEM hCurrent = m_tree.GetCurrentItem();
    // handled: the control must not go on to expand an item the edit may have rebuilt
    *pResult = hCurrent != nullptr;
    switch (GetItemKind(hCurrent)) {
    case itemChart:
        EditChart();
        break;
    case itemComponent:
        OnComponentProperties();
        break;
    case itemAnnotation:
        EditAnnotation(hCurrent);
        break;
    case itemGroup:
    case itemItem:
        EditItemStyle();
        break;
    case itemValue:
        EditValue(hCurrent);
        break;
    default:
        break;
    }
}

void DEDizedEditDialog::EditChart()
{
    if (m_pChart == nullptr)
        return;
    DEDizedItemEdit dialog(this);
    dialog.m_bBuffered = m_pChart->IsBuffered() != 0;
    dialog.m_bHitRegions = m_pChart->AreHitRegionsEnabled() != 0;
    if (dialog.DoModal() != IDOK)
        return;
    m_pChart->SetBuffered(dialog.m_bBuffered);
    m_pChart->EnableHitRegions(dialog.m_bHitRegions);
}

void DEDizedEditDialog::EditAnnotation(HTREEITEM hItem)
{
    const HTREEITEM hOwner = m_tree.GetParentItem(hItem);
    const DWORD_PTR dwOwner = m_tree.GetItemData(hOwner);
    const DEDizedAnnotation* pAnnotation = reinterpret_cast<const DEDizedAnnotation*>(m_tree.GetItemData(hItem));
    DEDizedAnnotationEdit dialog(this);
    dialog.m_strText = pAnnotation->m_strText;
    dialog.m_nIndex = pAnnotation->m_nIndex;
    if (dialog.DoModal() != IDOK)
        return;
    // the owner sets the text under the index given: a new index adds an annotation beside the old one
    switch (GetItemKind(hOwner)) {
    case itemChart:
        if (DEDizedAnnotationList* pList = m_pChart->GetChartAnnotationList())
            pList->SetAnnotation(dialog.m_nIndex, dialog.m_strText);
        break;
    case itemComponent: {
        CObject* pOwner = reinterpret_cast<CObject*>(dwOwner);
        if (pOwner->IsKindOf(RUNTIME_CLASS(DEDizedLabel)))
            static_cast<DEDizedLabel*>(pOwner)->SetText(dialog.m_nIndex, dialog.m_strText);
        break;
    }
    case itemGroup:
        reinterpret_cast<DEDizedDataList*>(dwOwner)->SetAnnotation(dialog.m_nIndex, dialog.m_strText);
        break;
    case itemItem:
        reinterpret_cast<DEDizedData*>(dwOwner)->AddAnnotation(dialog.m_nIndex, dialog.m_strText);
        break;
    default:
        break;
    }
    FillTree();
}

void DEDizedEditDialog::EditValue(HTREEITEM hItem)
{
    DEDizedData* pItem = reinterpret_cast<DEDizedData*>(m_tree.GetItemData(m_tree.GetParentItem(hItem)));
    const int nIndex = int(m_tree.GetItemData(hItem));
    DEDizedDynamicData* pSeries = pItem->IsDynamic() ? static_cast<DEDizedDynamicData*>(pItem) : nullptr;
    DEDizedValueEdit dialog(this);
    dialog.m_dValue = pSeries != nullptr ? SeriesValue(pSeries, nIndex) : pItem->GetValue();
    if (dialog.DoModal() != IDOK)
        return;
    if (pSeries != nullptr) {
        // a value written in place: the series must not grow when its last value is written
        const int nGrowBy = pSeries->GetGrowBy();
        pSeries->SetGrowBy(0);
        pSeries->SetWritePosition(nIndex);
        try {
            pSeries->SetValue(dialog.m_dValue);
        } catch (...) {
            pSeries->SetGrowBy(nGrowBy);
            throw;
        }
        pSeries->SetGrowBy(nGrowBy);
    } else {
        pItem->SetValue(dialog.m_dValue);
    }
    m_tree.SetItemText(hItem, ValueText(dialog.m_dValue));
}

void DEDizedEditDialog::OnTreeRightClick(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    *pResult = 1;
    const HTREEITEM hCurrent = m_tree.GetCurrentItem();
    int nSubMenu = -1;
    switch (GetItemKind(hCurrent)) {
    case itemComponents:
        nSubMenu = 0;
        break;
    case itemComponent: {
        const int nType = reinterpret_cast<DEDizedComponent*>(m_tree.GetItemData(hCurrent))->GetTypeId();
        nSubMenu = nType == chartTypeLabelBlock ? 3 : nType == chartTypeLabel ? 2 : 1;
        break;
    }
    case itemGroup:
    case itemItem:
        nSubMenu = 4;
        break;
    default:
        return;
    }
    CMenu menu;
    if (!menu.LoadMenu(IDR_CHART_EDIT_MENU))
        return;
    if (CMenu* pPopup = menu.GetSubMenu(nSubMenu)) {
        const CPoint point = m_tree.GetLastCursorPos();
        pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
    }
}

// ---- commands ----------------------------------------------------------------------------------------

void DEDizedEditDialog::OnReadTemplate()
{
    CFileDialog dialog(TRUE, "sgt", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, nullptr, this);
    if (dialog.DoModal() == IDOK && m_pChart != nullptr) {
        // the file is read whole before the components go, so that one that cannot be read loses nothing
        CString hostPath;
        std::string text;
        if (!AfxGetHostPath(dialog.GetPathName(), hostPath) || !ReadChartFileText(hostPath, text)) {
            AfxMessageBox(IDS_CHART_TEMPLATE_UNREADABLE, MB_ICONSTOP);
        } else {
            m_pChart->DeleteComponents();
            m_pChart->ReadTemplateText(text.data(), text.size());
        }
    }
    FillTree();
}

void DEDizedEditDialog::OnWriteTemplate()
{
    if (m_pChart == nullptr)
        return;
    CFileDialog dialog(FALSE, "sgt", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, nullptr, this);
    if (dialog.DoModal() != IDOK)
        return;
    CString hostPath;
    if (!AfxGetHostPath(dialog.GetPathName(), hostPath))
        AfxThrowFileException(CFileException::badPath, -1, dialog.GetPathName());
    CSafeFile file;
    CFileException error;
    if (!file.Open(hostPath, CFile::modeCreate | CFile::modeWrite | CFile::typeText, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, hostPath);
    WriteChartTemplate(*m_pChart, file);
    file.Commit();
}

void DEDizedEditDialog::OnComponentProperties()
{
    DEDizedComponent* pComponent = GetCurrentComponent();
    if (pComponent == nullptr)
        return;
    DEDizedComponentProperties sheet(this, HasFontPage(pComponent), pComponent->GetTypeId());
    LoadComponentPages(sheet, pComponent);
    if (sheet.DoModal() == IDOK)
        StoreComponentPages(sheet, pComponent);
}

void DEDizedEditDialog::OnDeleteComponent()
{
    const POSITION pos = GetCurrentComponentPosition();
    if (pos == nullptr)
        return;
    CObList* pComponents = m_pChart->GetComponentList();
    CObject* pComponent = pComponents->GetAt(pos);
    pComponents->RemoveAt(pos);
    delete pComponent;
    FillTree();
}

void DEDizedEditDialog::OnAddComponent()
{
    if (m_pChart == nullptr)
        return;
    SRGComponentChoice dialog(this);
    dialog.m_nIndex = addBackground;
    if (dialog.DoModal() != IDOK)
        return;
    DEDizedComponent* pComponent = nullptr;
    switch (dialog.m_nIndex) {
    case addBackground:
        pComponent = new DEDizedBackground;
        break;
    case addDisplay:
        pComponent = new DEDizedDisplay;
        break;
    case addLegend:
        pComponent = new DEDizedLegend;
        break;
    case addTitle:
        pComponent = new DEDizedTitle;
        break;
    case addLabel:
        pComponent = new DEDizedLabel;
        break;
    case addLabelBlock:
        pComponent = new DEDizedLabelBlock;
        break;
    default:
        AddOtherComponent(dialog.m_nIndex);
        break;
    }
    if (pComponent != nullptr)
        m_pChart->AddComponent(pComponent);
    FillTree();
}

void DEDizedEditDialog::AddOtherComponent(int /*nKind*/) {}

void DEDizedEditDialog::OnAddAnnotation()
{
    const HTREEITEM hCurrent = m_tree.GetCurrentItem();
    const ItemKind nKind = GetItemKind(hCurrent);
    DEDizedComponent* pComponent = nKind == itemComponent ? GetCurrentComponent() : nullptr;
    if (nKind == itemNone || (nKind == itemComponent && pComponent == nullptr))
        return;
    DEDizedAnnotationEdit dialog(this);
    dialog.m_nIndex = 1;
    if (dialog.DoModal() != IDOK)
        return;
    switch (nKind) {
    case itemComponent:
        if (pComponent->IsKindOf(RUNTIME_CLASS(DEDizedLabelBlock)))
            static_cast<DEDizedLabelBlock*>(pComponent)->AddLabel(dialog.m_strText);
        else if (pComponent->IsKindOf(RUNTIME_CLASS(DEDizedLabel)))
            static_cast<DEDizedLabel*>(pComponent)->SetText(dialog.m_nIndex, dialog.m_strText);
        break;
    case itemGroup:
        reinterpret_cast<DEDizedDataList*>(m_tree.GetItemData(hCurrent))->SetAnnotation(dialog.m_nIndex, dialog.m_strText);
        break;
    case itemItem:
        reinterpret_cast<DEDizedData*>(m_tree.GetItemData(hCurrent))->AddAnnotation(dialog.m_nIndex, dialog.m_strText);
        break;
    default:
        break;
    }
    FillTree();
}

void DEDizedEditDialog::OnMoveToEnd()
{
    MoveCurrentComponent(moveToEnd);
}

void DEDizedEditDialog::OnMoveToStart()
{
    MoveCurrentComponent(moveToStart);
}

void DEDizedEditDialog::OnMoveLater()
{
    MoveCurrentComponent(moveLater);
}

void DEDizedEditDialog::OnMoveEarlier()
{
    MoveCurrentComponent(moveEarlier);
}

void DEDizedEditDialog::MoveCurrentComponent(Move nMove)
{
    const POSITION pos = GetCurrentComponentPosition();
    if (pos == nullptr)
        return;
    CObList* pComponents = m_pChart->GetComponentList();
    // a single step needs a neighbour on its side
    POSITION neighbour = pos;
    if (nMove == moveLater)
        pComponents->GetNext(neighbour);
    else if (nMove == moveEarlier)
        pComponents->GetPrev(neighbour);
    if ((nMove == moveLater || nMove == moveEarlier) && neighbour == nullptr)
        return;
    CObject* pComponent = pComponents->GetAt(pos);
    pComponents->RemoveAt(pos);
    switch (nMove) {
    case moveToEnd:
        pComponents->AddTail(pComponent);
        break;
    case moveToStart:
        pComponents->AddHead(pComponent);
        break;
    case moveLater:
        pComponents->InsertAfter(neighbour, pComponent);
        break;
    case moveEarlier:
        pComponents->InsertBefore(neighbour, pComponent);
        break;
    }
    FillTree();
}

void DEDizedEditDialog::OnNothing() {}
