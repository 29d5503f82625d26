#include "chart/engine/DEDized.h"

#include "chart/engine/ChartResource.h"
#include "chart/engine/DEDizedException.h"
#include "chart/engine/DEDizedFeedback.h"
#include "chart/engine/SRGCompiledPolygon.h"
#include "chart/engine/components/DEDizedBackground.h"
#include "chart/engine/components/DEDizedLabelBlock.h"
#include "chart/engine/components/DEDizedLegend.h"
#include "chart/engine/components/SRGCompoundComponent.h"
#include "chart/engine/components/SRGTextPanel.h"
#include "chart/engine/display/DEDizedDisplay.h"
#include "chart/engine/display/SRGCompoundDisplay.h"
#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/WinServices.h"

IMPLEMENT_SERIAL(DEDized, CObject, VERSIONABLE_SCHEMA | 1)

const char DEDized::kTemporaryTagName[] = "_PV_TEMPORARY_TAG_OBJECT_";
const char DEDized::kTagBlockName[] = "_PV_TAG_BLOCK_";

DEDized::DEDized()
    : m_bRedraw(1),
      m_nMode(1),
      m_pInvalidationHint(nullptr),
      m_nInvalidationMode(0),
      m_bInvalidating(0),
      m_bBuffered(1),
      m_style(DEDizedStyle::kindChart),
      m_pManager(nullptr),
      m_bOwnsManager(1),
      m_bHitRegions(1),
      m_bDataEmpty(1),
      m_bForceBuffer(0),
      m_fontCache(10),
      m_nSmallSize(16),
      m_bPaletteDevice(0),
      m_bBandMode(0),
      m_posCurrent(nullptr),
      m_bDrawing(0),
      m_pTargetWnd(nullptr),
      m_pTargetDC(nullptr),
      m_bFixedRect(0),
      m_nFixedAlignment(0)
{
    m_fontCache.InitHashTable(17);
    AfxAllocating([&] { m_pManager = new SRGDataManager; });
}

DEDized::~DEDized()
{
    AfxDeleteOwnedObjects(m_polygons);
    if (m_bOwnsManager)
        delete m_pManager;
    AfxDeleteOwnedObjects(m_components);
    DeleteFeedback();
    AfxDeleteOwnedObjects(m_clipStack);
    CString key;
    void* pValue = nullptr;
    for (POSITION pos = m_penCache.GetStartPosition(); pos != nullptr;) {
        m_penCache.GetNextAssoc(pos, key, pValue);
        delete static_cast<CPen*>(pValue);
    }
    for (POSITION pos = m_fontCache.GetStartPosition(); pos != nullptr;) {
        m_fontCache.GetNextAssoc(pos, key, pValue);
        ::DeleteObject(static_cast<HFONT>(pValue));
    }
}

void DEDized::Serialize(CArchive& ar)
{
    SerializeComponents(ar);
    m_style.Serialize(ar);
    if (m_pManager == nullptr)
        SetDataManager(new SRGDataManager, 1);
    m_pManager->GetChartAnnotationList()->Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_bBuffered << m_bDataEmpty << m_pManager->GetCurrentGroup();
        m_pManager->SerializeGroups(ar);
        ar << m_nMode;
        return;
    }
    int nCurrentGroup = 0;
    ar >> m_bBuffered >> m_bDataEmpty >> nCurrentGroup;
    m_pManager->SetCurrentGroup(nCurrentGroup);
    m_pManager->SerializeGroups(ar);
    ar >> m_nMode;
    m_bRedraw = 1;
}

// ---- components ---------------------------------------------------------------------------------

void DEDized::AddComponent(DEDizedComponent* pComponent)
{
    AfxRequirePointer(pComponent, "DEDized::AddComponent", "the component");
    pComponent->SetChart(this);
    AfxAddOwnedTail(m_components, pComponent);
}

DEDizedComponent* DEDized::NewComponent(int nTypeId)
{
    DEDizedComponent* pComponent = nullptr;
    AfxAllocating([&] {
        switch (nTypeId) {
        case chartTypeBackground:
            pComponent = new DEDizedBackground;
            break;
        case chartTypeTitle:
            pComponent = new DEDizedTitle;
            break;
        case chartTypeLabel:
            pComponent = new DEDizedLabel;
            break;
        case chartTypeLabelBlock:
            pComponent = new DEDizedLabelBlock;
            break;
        case chartTypeDisplay:
            pComponent = new DEDizedDisplay;
            break;
        case chartTypeLegend:
            pComponent = new DEDizedLegend;
            break;
        case chartTypeTextPanel:
            pComponent = new SRGTextPanel;
            break;
        case chartTypeCompoundDisplay:
            pComponent = new SRGCompoundDisplay;
            break;
        default:
            break;
        }
    });
    return pComponent;
}

DEDizedComponent* DEDized::CreateComponent(int nTypeId, int nMeasurement, const RECT& rect, int nNibbleA,
                                           int nNibbleB, int nNibbleC, int nGraphType, int nAxisType)
{
    DEDizedComponent* pComponent = NewComponent(nTypeId);
    if (pComponent == nullptr)
        return nullptr;
    try {
        pComponent->SetMeasurement(nMeasurement);
        pComponent->SetRectFromRECT(rect);
        DEDizedStyle* pStyle = pComponent->GetStyle();
        pStyle->m_nStyle = (pStyle->m_nStyle & ~0xFFF) | (nNibbleA & 0xF) | (nNibbleB & 0xF0) | (nNibbleC & 0xF00);
        if (nTypeId == chartTypeDisplay) {
            pStyle->m_nStyle = (pStyle->m_nStyle & 0xFFFF) | (nGraphType & 0xFF0000) | int(nAxisType & 0xFF000000u);
            pStyle->m_nStyleSet = 1;
        }
        if (nTypeId == chartTypeCompoundDisplay)
            static_cast<SRGCompoundDisplay*>(pComponent)->BuildDefaultParts(nGraphType, nAxisType);
    } catch (...) {
        delete pComponent;
        throw;
    }
    AddComponent(pComponent);
    return pComponent;
}

void DEDized::RemoveComponentsByName(const char* lpszName)
{
    for (POSITION pos = m_components.GetHeadPosition(); pos != nullptr;) {
        const POSITION at = pos;
        DEDizedComponent* pComponent = static_cast<DEDizedComponent*>(m_components.GetNext(pos));
        if (pComponent->GetName() == lpszName) {
            if (at == m_posCurrent)
                m_posCurrent = nullptr;
            m_components.RemoveAt(at);
            delete pComponent;
        }
    }
}

DEDizedComponent* DEDized::FindComponentByName(const char* lpszName)
{
    for (POSITION pos = m_components.GetHeadPosition(); pos != nullptr;) {
        DEDizedComponent* pComponent = static_cast<DEDizedComponent*>(m_components.GetNext(pos));
        if (pComponent->GetName() == lpszName)
            return pComponent;
    }
    return nullptr;
}

void DEDized::DeleteComponents()
{
    AfxDeleteOwnedObjects(m_components);
    m_posCurrent = nullptr;
}

DEDizedComponent* DEDized::GetComponent(int n, int nTypeId)
{
    int nCounter = 0;
    for (POSITION pos = m_components.GetHeadPosition(); pos != nullptr;) {
        DEDizedComponent* pComponent = static_cast<DEDizedComponent*>(m_components.GetNext(pos));
        if (nTypeId == -1) {
            if (nCounter++ == n)
                return pComponent;
            continue;
        }
        if (pComponent->GetTypeId() == nTypeId && nCounter++ == n)
            return pComponent;
        if (pComponent->IsCompound()) {
            DEDizedComponent* pFound = static_cast<SRGCompoundComponent*>(pComponent)->FindNth(n, nTypeId, nCounter);
            if (pFound != nullptr)
                return pFound;
        }
    }
    return nullptr;
}

DEDizedComponent* DEDized::NextComponent(POSITION& rPosition, int nTypeId)
{
    while (rPosition != nullptr) {
        DEDizedComponent* pComponent = static_cast<DEDizedComponent*>(m_components.GetNext(rPosition));
        if (nTypeId == -1 || pComponent->GetTypeId() == nTypeId)
            return pComponent;
    }
    return nullptr;
}

POSITION DEDized::GetComponentNode(int nTypeId)
{
    for (POSITION pos = m_components.GetHeadPosition(); pos != nullptr;) {
        const POSITION at = pos;
        const DEDizedComponent* pComponent = static_cast<DEDizedComponent*>(m_components.GetNext(pos));
        if (nTypeId == -1 || pComponent->GetTypeId() == nTypeId)
            return at;
    }
    return nullptr;
}

POSITION DEDized::GetCurrentComponent() const
{
    return m_posCurrent;
}

namespace {

// Changes one bound of a component's data window (which marks it for redraw).
template <class Change>
void ChangeDataWindow(DEDizedComponent* pComponent, Change change)
{
    if (pComponent == nullptr)
        return;
    int nBounds[4];
    pComponent->GetDataWindow(nBounds[0], nBounds[1], nBounds[2], nBounds[3]);
    change(nBounds);
    pComponent->SetDataWindow(nBounds[0], nBounds[1], nBounds[2], nBounds[3]);
}

} // namespace

void DEDized::SetComponentFirstIndex(int n, int nValue, int nTypeId)
{
    ChangeDataWindow(GetComponent(n, nTypeId), [&](int* pBounds) { pBounds[0] = nValue; });
}

void DEDized::SetComponentFirstGroup(int n, int nValue, int nTypeId)
{
    ChangeDataWindow(GetComponent(n, nTypeId), [&](int* pBounds) { pBounds[1] = nValue; });
}

void DEDized::SetComponentLastIndex(int n, int nValue, int nTypeId)
{
    ChangeDataWindow(GetComponent(n, nTypeId), [&](int* pBounds) { pBounds[2] = nValue; });
}

void DEDized::SetComponentLastGroup(int n, int nValue, int nTypeId)
{
    ChangeDataWindow(GetComponent(n, nTypeId), [&](int* pBounds) { pBounds[3] = nValue; });
}

void DEDized::SerializeComponents(CArchive& ar)
{
    AfxSerializeOwnedObList(ar, m_components, RUNTIME_CLASS(DEDizedComponent));
    if (ar.IsLoading()) {
        for (POSITION pos = m_components.GetHeadPosition(); pos != nullptr;)
            static_cast<DEDizedComponent*>(m_components.GetNext(pos))->SetChart(this);
        MarkForRedraw();
    }
}

CObList* DEDized::GetComponentList()
{
    return &m_components;
}

void DEDized::MarkForRedraw()
{
    if (m_bRedraw)
        return;
    m_bRedraw = 1;
    MarkComponentsForRedraw();
}

void DEDized::MarkComponentsForRedraw()
{
    for (POSITION pos = m_components.GetHeadPosition(); pos != nullptr;)
        static_cast<DEDizedComponent*>(m_components.GetNext(pos))->MarkForRedraw();
}

void DEDized::Invalidate(CWnd* pWnd, int nMode, void* pHint)
{
    m_nInvalidationMode = nMode;
    m_pInvalidationHint = pHint;
    m_bInvalidating = 1;
    for (POSITION pos = m_components.GetHeadPosition(); pos != nullptr;)
        static_cast<DEDizedComponent*>(m_components.GetNext(pos))->Invalidate(pWnd);
}

// ---- hit regions ----------------------------------------------------------------------------------

int DEDized::AreHitRegionsEnabled() const
{
    return m_bHitRegions;
}

void DEDized::EnableHitRegions(int bEnable)
{
    m_bHitRegions = bEnable;
}

void DEDized::AddFeedback(DEDizedFeedback* pFeedback)
{
    AfxAddOwnedTail(m_feedback, pFeedback);
}

void DEDized::AddMarkerFeedback(int x, int y, int nItem, int nGroup)
{
    AddPointFeedback(x, y, nItem, nGroup, 5);
}

void DEDized::AddPointFeedback(int x, int y, int nItem, int nGroup, int nHalfWidth)
{
    if (m_bHitRegions)
        AfxAllocating([&] { AddFeedback(new DEDizedFeedback(this, x, y, nHalfWidth, nItem, nGroup)); });
}

void DEDized::AddRectFeedbackEx(const RECT& rect, int nItem, int nGroup)
{
    if (m_bHitRegions)
        AfxAllocating([&] { AddFeedback(new DEDizedFeedback(this, rect, nItem, nGroup)); });
}

void DEDized::AddPolygonFeedback(const POINT* pPoints, int nCount, int nItem, int nGroup)
{
    if (m_bHitRegions)
        AfxAllocating([&] { AddFeedback(new DEDizedFeedback(this, pPoints, nCount, nItem, nGroup)); });
}

DEDizedFeedback* DEDized::HitTest(int x, int y)
{
    for (POSITION pos = m_feedback.GetTailPosition(); pos != nullptr;) {
        DEDizedFeedback* pFeedback = static_cast<DEDizedFeedback*>(m_feedback.GetPrev(pos));
        if (pFeedback->Contains(x, y))
            return pFeedback;
    }
    return nullptr;
}

CObList* DEDized::GetFeedbackList()
{
    return &m_feedback;
}

void DEDized::DeleteFeedback()
{
    AfxDeleteOwnedObjects(m_feedback);
}

// ---- data -----------------------------------------------------------------------------------------

void DEDized::SetDefaultStyle(const DEDizedStyle& style)
{
    if (m_pManager != nullptr)
        m_pManager->GetDefaultStyle()->CopyFrom(style);
}

DEDizedStyle* DEDized::GetDefaultStyle()
{
    return m_pManager != nullptr ? m_pManager->GetDefaultStyle() : nullptr;
}

void DEDized::ClearData()
{
    if (m_pManager != nullptr)
        m_pManager->ClearData();
}

void DEDized::ResetGroupCursor()
{
    if (m_pManager != nullptr)
        m_pManager->ResetCursor();
}

DEDizedDataList* DEDized::CreateGroup()
{
    if (m_pManager != nullptr)
        return m_pManager->CreateGroup();
    DEDizedDataList* pGroup = nullptr;
    AfxAllocating([&] { pGroup = new DEDizedDataList; });
    return pGroup;
}

DEDizedDataList* DEDized::GetGroup(int nGroup, int bCreate)
{
    return m_pManager != nullptr ? m_pManager->GetGroup(nGroup, bCreate) : nullptr;
}

DEDizedData* DEDized::GetDataItem(int nItem, int nGroup)
{
    return m_pManager != nullptr ? m_pManager->GetDataItem(nItem, nGroup) : nullptr;
}

void DEDized::SetDataManager(SRGDataManager* pManager, int bOwned)
{
    if (pManager != m_pManager && m_bOwnsManager)
        delete m_pManager;
    m_pManager = pManager;
    m_bOwnsManager = bOwned;
    MarkForRedraw();
}

void DEDized::ShiftGroupValues(int nGroup, double dValue, int bAtFront)
{
    if (m_pManager != nullptr)
        m_pManager->ShiftGroupValues(nGroup, dValue, bAtFront);
}

void DEDized::SetStyles(int nFirstGroup, int nLastGroup, int nFirstItem, int nLastItem, const DEDizedStyle& style,
                        int bIncludeGroups)
{
    if (m_pManager != nullptr)
        m_pManager->SetStyles(nFirstGroup, nLastGroup, nFirstItem, nLastItem, style, bIncludeGroups);
    MarkForRedraw();
}

double DEDized::GetRangeMean(int nFirstItem, int nLastItem, int nGroup)
{
    return m_pManager != nullptr ? m_pManager->GetRangeMean(nFirstItem, nLastItem, nGroup) : 0.0;
}

double DEDized::GetGroupMean(int nGroup)
{
    return m_pManager != nullptr ? m_pManager->GetGroupMean(nGroup) : 0.0;
}

double DEDized::GetItemSumAcross(int nItem, int nFirstGroup, int nLastGroup)
{
    return m_pManager != nullptr ? m_pManager->GetItemSumAcross(nItem, nFirstGroup, nLastGroup) : 0.0;
}

void DEDized::SetChartAnnotation(const char* lpszText, int nIndex)
{
    if (m_pManager != nullptr)
        m_pManager->SetChartAnnotation(lpszText, nIndex);
}

double DEDized::GetGroupSum(int nGroup)
{
    return m_pManager != nullptr ? m_pManager->GetGroupSum(nGroup) : 0.0;
}

double DEDized::GetRangeSum(int nFirstGroup, int nFirstItem, int nLastGroup, int nLastItem)
{
    return m_pManager != nullptr ? m_pManager->GetRangeSum(nFirstGroup, nFirstItem, nLastGroup, nLastItem) : 0.0;
}

int DEDized::GetItemCount(int nGroup, int bCreate)
{
    return m_pManager != nullptr ? m_pManager->GetItemCount(nGroup, bCreate) : 0;
}

CString DEDized::GetGroupAnnotation(int nGroup, int nIndex)
{
    return m_pManager != nullptr ? m_pManager->GetGroupAnnotation(nGroup, nIndex) : CString();
}

CString DEDized::GetItemAnnotation(int nGroup, int nItem, int nIndex)
{
    return m_pManager != nullptr ? m_pManager->GetItemAnnotation(nGroup, nItem, nIndex) : CString();
}

CString DEDized::GetChartAnnotation(int nIndex)
{
    return m_pManager != nullptr ? m_pManager->GetChartAnnotation(nIndex) : CString();
}

int DEDized::GetGroupCount()
{
    return m_pManager != nullptr ? m_pManager->GetGroupCount() : 0;
}

int DEDized::GetMaxItemCount()
{
    return m_pManager != nullptr ? m_pManager->GetMaxItemCount() : 0;
}

void DEDized::GetDataRange(CScale& range, int bUseItemRanges)
{
    if (m_pManager != nullptr)
        m_pManager->GetDataRange(range, bUseItemRanges);
    else
        range = CScale();
}

double DEDized::GetGrandTotal()
{
    return m_pManager != nullptr ? m_pManager->GetGrandTotal() : 0.0;
}

double DEDized::GetValue(int nItem, int nGroup)
{
    return m_pManager != nullptr ? m_pManager->GetValue(nItem, nGroup) : 0.0;
}

DEDizedAnnotationList* DEDized::GetChartAnnotationList()
{
    return m_pManager != nullptr ? m_pManager->GetChartAnnotationList() : nullptr;
}

CPtrList* DEDized::GetGroupList()
{
    return m_pManager != nullptr ? m_pManager->GetGroupList() : nullptr;
}

POSITION DEDized::GetFirstGroupPosition()
{
    return m_pManager != nullptr ? m_pManager->GetFirstGroupPosition() : nullptr;
}

DEDizedDataList* DEDized::GetNextGroup(POSITION& rPosition)
{
    return m_pManager != nullptr ? m_pManager->GetNextGroup(rPosition) : nullptr;
}

void DEDized::Reset()
{
    if (m_pManager != nullptr) {
        m_pManager->ClearData();
        m_pManager->ResetCursor();
    }
    DeleteComponents();
    DeleteFeedback();
    m_bDataEmpty = 1;
}

int DEDized::IsDynamic() const
{
    return 0;
}

void DEDized::SetValue(int nItem, int nGroup, double dValue, int bUseDefaultStyle)
{
    if (m_pManager == nullptr)
        return;
    m_pManager->SetValue(nItem, nGroup, dValue, bUseDefaultStyle);
    m_bDataEmpty = 0;
}

void DEDized::SetItemAnnotation(int nItem, int nGroup, const char* lpszText)
{
    if (m_pManager != nullptr)
        m_pManager->SetItemAnnotation(nItem, nGroup, lpszText);
    MarkForRedraw();
}

void DEDized::SetGroupAnnotation(int nGroup, const char* lpszText, int bClearFirst)
{
    if (m_pManager != nullptr)
        m_pManager->SetGroupAnnotation(nGroup, lpszText, bClearFirst);
    MarkForRedraw();
}

// ---- template ---------------------------------------------------------------------------------------

void DEDized::ReportTemplateError(const char* lpszLine)
{
    CString text;
    AfxLoadString(IDS_CHART_TEMPLATE_LINE_ERROR, text);
    text += lpszLine;
    AfxMessageBox(text, MB_ICONEXCLAMATION);
}

void DEDized::OnTemplateLineError(const char* /*lpszLine*/)
{
}

// ---- settings -------------------------------------------------------------------------------------

void DEDized::SetSmallSize(int nSize)
{
    m_nSmallSize = nSize;
}

int DEDized::GetSmallSize() const
{
    return m_nSmallSize;
}

int DEDized::IsBuffered() const
{
    return m_bBuffered;
}

void DEDized::SetBuffered(int bBuffered)
{
    m_bBuffered = bBuffered;
}

DEDizedStyle* DEDized::GetChartStyle()
{
    return &m_style;
}

void DEDized::SetMode(int nMode)
{
    m_nMode = nMode;
    MarkForRedraw();
}

int DEDized::GetMode() const
{
    return m_nMode;
}

void DEDized::SetBandMode(int bBandMode)
{
    m_bBandMode = bBandMode;
}

int DEDized::GetBandMode() const
{
    return m_bBandMode;
}

void DEDized::SetPaletteDevice(int bPaletteDevice)
{
    m_bPaletteDevice = bPaletteDevice;
}

int DEDized::GetPaletteDevice() const
{
    return m_bPaletteDevice;
}

void DEDized::SetForceBuffer(int bForce)
{
    m_bForceBuffer = bForce;
}

int DEDized::GetForceBuffer() const
{
    return m_bForceBuffer;
}

CPalette* DEDized::GetPalette()
{
    return &m_palette;
}
