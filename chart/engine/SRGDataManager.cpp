// the standard headers before windows.h, which defines min and max as macros
#include <climits>

#include "chart/engine/SRGDataManager.h"

#include "chart/engine/DEDizedException.h"

IMPLEMENT_SERIAL(SRGDataManager, CObject, VERSIONABLE_SCHEMA | 1)

namespace {

double Mean(double dSum, int nValues)
{
    return nValues > 0 ? dSum / nValues : 0.0;
}

} // namespace

SRGDataManager::SRGDataManager() : m_defaultStyle(DEDizedStyle::kindData), m_nCurrentGroup(0)
{
}

SRGDataManager::~SRGDataManager()
{
    DeleteGroups();
}

void SRGDataManager::DeleteGroups()
{
    while (!m_groups.IsEmpty())
        delete static_cast<DEDizedDataList*>(m_groups.RemoveHead());
    m_cursor.Invalidate();
}

void SRGDataManager::AddGroup(DEDizedDataList* pGroup)
{
    try {
        m_groups.AddTail(pGroup);
    } catch (...) {  // no memory for the node: the group has no owner yet
        delete pGroup;
        throw;
    }
}

void SRGDataManager::Serialize(CArchive& ar)
{
    m_annotations.Serialize(ar);
    SerializeGroups(ar);
}

void SRGDataManager::SerializeGroups(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << GetGroupCount();
        for (POSITION pos = m_groups.GetHeadPosition(); pos != nullptr;)
            static_cast<DEDizedDataList*>(m_groups.GetNext(pos))->Serialize(ar);
        return;
    }
    int nGroups = 0;
    ar >> nGroups;
    if (nGroups < 0)
        AfxThrowArchiveException(CArchiveException::generic);
    DeleteGroups();
    for (int g = 0; g < nGroups; ++g) {
        DEDizedDataList* pGroup = CreateGroup();
        AddGroup(pGroup);
        pGroup->Serialize(ar);
    }
    ResetCursor();
}

DEDizedDataList* SRGDataManager::CreateGroup()
{
    DEDizedDataList* pGroup = nullptr;
    AfxAllocating([&] { pGroup = new DEDizedDataList; });
    return pGroup;
}

void SRGDataManager::ClearData()
{
    m_annotations.RemoveAll();
    DeleteGroups();
}

void SRGDataManager::SetValue(int nItem, int nGroup, double dValue, int bUseDefaultStyle)
{
    DEDizedData* pItem = GetGroup(nGroup, 1)->GetItem(nItem, 1);
    pItem->SetValue(dValue);
    // a dynamic group answers an index past its series with the shared placeholder, which no
    // write may change
    if (bUseDefaultStyle != 0 && !pItem->IsKindOf(RUNTIME_CLASS(DEDizedDummyData)))
        pItem->GetStyle()->CopyFrom(m_defaultStyle);
}

void SRGDataManager::SetItemAnnotation(int nItem, int nGroup, const char* lpszText)
{
    GetGroup(nGroup, 1)->GetItem(nItem, 1)->SetAnnotation(lpszText, 0, 1);
}

void SRGDataManager::SetGroupAnnotation(int nGroup, const char* lpszText, int bClearFirst)
{
    GetGroup(nGroup, 1)->SetAnnotation(lpszText, bClearFirst, 1);
}

DEDizedDataList* SRGDataManager::GetGroup(int nGroup, int bCreate)
{
    if (nGroup < 0)
        ThrowChartException(2);
    if (nGroup >= m_groups.GetCount()) {
        if (!bCreate)
            ThrowChartException(2);
        while (m_groups.GetCount() <= nGroup)
            AddGroup(CreateGroup());
        m_cursor.Set(m_groups.GetTailPosition(), nGroup);
    }
    DEDizedDataList* pGroup = static_cast<DEDizedDataList*>(m_groups.GetAt(m_cursor.MoveTo(m_groups, nGroup)));
    if (pGroup->IsExcluded())
        ThrowChartException(2);
    return pGroup;
}

DEDizedDataList* SRGDataManager::FindGroup(int nGroup)
{
    DEDizedDataList* pGroup = nullptr;
    AbsorbMissingData([&] { pGroup = GetGroup(nGroup, 0); });
    return pGroup;
}

void SRGDataManager::IncludeBounds(CScale& range, const CScale& values)
{
    range.Include(values.m_dMaximum);
    range.Include(values.m_dMinimum);
}

void SRGDataManager::GetDataRange(CScale& range, int bUseItemRanges)
{
    range = CScale();
    for (POSITION pos = m_groups.GetHeadPosition(); pos != nullptr;) {
        DEDizedDataList* pGroup = static_cast<DEDizedDataList*>(m_groups.GetNext(pos));
        if (pGroup->IsExcluded())
            continue;
        for (int i = 0; i < pGroup->GetCount(); ++i) {
            DEDizedData* pItem = pGroup->GetItem(i, 0);
            if (bUseItemRanges != 0)
                IncludeBounds(range, pItem->GetRange());
            else
                range.Include(pItem->GetValue(0));
        }
    }
}

int SRGDataManager::GetMaxItemCount()
{
    int nMax = 0;
    for (POSITION pos = m_groups.GetHeadPosition(); pos != nullptr;) {
        const int nCount = static_cast<DEDizedDataList*>(m_groups.GetNext(pos))->GetCount();
        if (nCount > nMax)
            nMax = nCount;
    }
    return nMax;
}

int SRGDataManager::GetGroupCount()
{
    return m_groups.GetCount();
}

void SRGDataManager::SumGroupItems(int nGroup, int nFirstItem, int nLastItem, double& dSum, int& nValues)
{
    DEDizedDataList* pGroup = FindGroup(nGroup);
    if (pGroup == nullptr)
        return;
    if (nLastItem > pGroup->GetCount() - 1)
        nLastItem = pGroup->GetCount() - 1;
    for (int i = nFirstItem < 0 ? 0 : nFirstItem; i <= nLastItem; ++i) {
        DEDizedData* pItem = pGroup->GetItem(i, 0);
        if (!pItem->IsNull()) {
            dSum += pItem->GetValue(0);
            ++nValues;
        }
    }
}

double SRGDataManager::GetRangeSum(int nFirstGroup, int nFirstItem, int nLastGroup, int nLastItem)
{
    const int nLastIndex = GetGroupCount() - 1;
    if (nLastGroup > nLastIndex)
        nLastGroup = nLastIndex;
    double dSum = 0.0;
    int nValues = 0;
    for (int g = nFirstGroup; g <= nLastGroup; ++g)
        SumGroupItems(g, nFirstItem, nLastItem, dSum, nValues);
    return dSum;
}

int SRGDataManager::GetItemCount(int nGroup, int bCreate)
{
    return GetGroup(nGroup, bCreate)->GetCount();
}

void SRGDataManager::SetChartAnnotation(const char* lpszText, int nIndex)
{
    m_annotations.SetAnnotation(nIndex, lpszText);
}

double SRGDataManager::GetRangeMean(int nFirstItem, int nLastItem, int nGroup)
{
    double dSum = 0.0;
    int nValues = 0;
    SumGroupItems(nGroup, nFirstItem, nLastItem, dSum, nValues);
    return Mean(dSum, nValues);
}

double SRGDataManager::GetGroupMean(int nGroup)
{
    double dSum = 0.0;
    int nValues = 0;
    SumGroupItems(nGroup, 0, INT_MAX, dSum, nValues);
    return Mean(dSum, nValues);
}

double SRGDataManager::GetItemSumAcross(int nItem, int nFirstGroup, int nLastGroup)
{
    if (nItem >= GetMaxItemCount())
        ThrowChartException(3);
    const int nLastIndex = GetGroupCount() - 1;
    if (nFirstGroup == 0 && nLastGroup == 0)
        nLastGroup = nLastIndex;
    if (nLastGroup > nLastIndex)
        nLastGroup = nLastIndex;
    double dSum = 0.0;
    for (int g = nFirstGroup; g <= nLastGroup; ++g)
        dSum += GetDataItem(nItem, g)->GetValue(0);
    return dSum;
}

double SRGDataManager::GetGrandTotal()
{
    double dSum = 0.0;
    int nValues = 0;
    for (int g = 0; g < GetGroupCount(); ++g)
        SumGroupItems(g, 0, INT_MAX, dSum, nValues);
    return dSum;
}

double SRGDataManager::GetValue(int nItem, int nGroup)
{
    return GetDataItem(nItem, nGroup)->GetValue(0);
}

CPtrList* SRGDataManager::GetGroupList()
{
    return &m_groups;
}

POSITION SRGDataManager::GetFirstGroupPosition()
{
    return m_groups.GetHeadPosition();
}

DEDizedDataList* SRGDataManager::GetNextGroup(POSITION& rPosition)
{
    return static_cast<DEDizedDataList*>(m_groups.GetNext(rPosition));
}

DEDizedAnnotationList* SRGDataManager::GetChartAnnotationList()
{
    return &m_annotations;
}

void SRGDataManager::SetStyles(int nFirstGroup, int nLastGroup, int nFirstItem, int nLastItem,
                               const DEDizedStyle& style, int bIncludeGroups)
{
    const int nLastIndex = GetGroupCount() - 1;
    if (nFirstGroup < 0)
        nFirstGroup = 0;
    if (nFirstItem < 0)
        nFirstItem = 0;
    if (nLastGroup == -1 || nLastGroup > nLastIndex)
        nLastGroup = nLastIndex;
    if (nLastItem == -1)
        nLastItem = GetMaxItemCount() - 1;
    for (int g = nFirstGroup; g <= nLastGroup; ++g) {
        try {
            AbsorbMissingData([&] {
                DEDizedDataList* pGroup = GetGroup(g, 0);
                if (bIncludeGroups != 0)
                    pGroup->GetStyle()->CopyFrom(style);
                const int nLast = nLastItem < pGroup->GetCount() - 1 ? nLastItem : pGroup->GetCount() - 1;
                for (int i = nFirstItem; i <= nLast; ++i)
                    pGroup->GetItem(i, 0)->GetStyle()->CopyFrom(style);
            });
        } catch (DEDizedException* e) {
            e->Report();
            e->Delete();
        }
    }
}

void SRGDataManager::ShiftGroupValues(int nGroup, double dValue, int bAtFront)
{
    GetGroup(nGroup, 0)->ShiftValues(dValue, bAtFront);
}

DEDizedData* SRGDataManager::GetDataItem(int nItem, int nGroup)
{
    DEDizedData* pItem = &m_placeholder;
    AbsorbMissingData([&] { pItem = GetGroup(nGroup, 0)->GetItem(nItem, 0); });
    return pItem;
}

void SRGDataManager::ResetCursor()
{
    m_cursor.Reset(m_groups);
}

double SRGDataManager::GetGroupSum(int nGroup)
{
    double dSum = 0.0;
    int nValues = 0;
    SumGroupItems(nGroup == -1 ? m_nCurrentGroup : nGroup, 0, INT_MAX, dSum, nValues);
    return dSum;
}

CString SRGDataManager::GetChartAnnotation(int nIndex) const
{
    return m_annotations.GetAnnotation(nIndex);
}

CString SRGDataManager::GetItemAnnotation(int nGroup, int nItem, int nIndex)
{
    return GetDataItem(nItem, nGroup)->GetAnnotation(nIndex);
}

CString SRGDataManager::GetGroupAnnotation(int nGroup, int nIndex)
{
    const DEDizedDataList* pGroup = FindGroup(nGroup);
    return pGroup != nullptr ? pGroup->GetAnnotation(nIndex) : CString();
}
