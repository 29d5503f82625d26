#include "chart/engine/DEDizedDataList.h"

#include "chart/engine/DEDizedDynamicData.h"
#include "chart/engine/DEDizedException.h"

IMPLEMENT_SERIAL(DEDizedDataList, CObList, VERSIONABLE_SCHEMA | 1)

DEDizedDataList::DEDizedDataList() : m_style(DEDizedStyle::kindData), m_bDynamic(0)
{
}

DEDizedDataList::~DEDizedDataList()
{
    AfxDeleteOwnedObjects(*this);
}

void DEDizedDataList::Serialize(CArchive& ar)
{
    if (ar.IsLoading()) {
        AfxDeleteOwnedObjects(*this);
        m_cursor.Invalidate();
    }
    AfxSerializeOwnedObList(ar, *this, RUNTIME_CLASS(DEDizedData));
    m_annotations.Serialize(ar);
    m_style.Serialize(ar);
    if (ar.IsStoring())
        ar << m_bDynamic;
    else
        ar >> m_bDynamic;
}

int DEDizedDataList::GetCount() const
{
    if (m_bDynamic) {
        const DEDizedDynamicData* pSeries = GetSeries();
        return pSeries != nullptr ? pSeries->GetSize() : 0;
    }
    return CObList::GetCount();
}

DEDizedData* DEDizedDataList::CreateItem()
{
    DEDizedData* pItem = nullptr;
    AfxAllocating([&] { pItem = new DEDizedData; });
    return pItem;
}

void DEDizedDataList::SetItem(DEDizedData* pItem, int nIndex)
{
    if (pItem == nullptr)
        AfxThrowInvalidArgException("DEDizedDataList::SetItem: null item");
    if (nIndex == -2) {
        AddHead(pItem);
        m_cursor.Reset(*this);
    } else if (nIndex == -1) {
        AddTail(pItem);
    } else if (nIndex < 0) {
        ThrowChartException(3);
    } else if (nIndex < CObList::GetCount()) {
        const POSITION pos = m_cursor.MoveTo(*this, nIndex);
        CObject* pOld = GetAt(pos);
        SetAt(pos, pItem);
        if (pOld != pItem)
            delete pOld;
    } else {
        AppendNewItems(nIndex);
        AddTail(pItem);
    }
}

void DEDizedDataList::ShiftValues(double dValue, int bAtFront)
{
    if (m_bDynamic) {
        DEDizedDynamicData* pSeries = GetSeries();
        if (pSeries == nullptr)
            ThrowChartException(6);
        pSeries->ShiftValue(dValue, !bAtFront);
        return;
    }
    const int nCount = CObList::GetCount();
    if (nCount == 0)
        return;
    if (nCount > 1) {
        // The item moves to the other end: its new node first (which may fail and change nothing),
        // then the old one goes. The cursor follows the item.
        if (bAtFront) {
            const POSITION pos = AddHead(GetTail());
            RemoveTail();
            m_cursor.Set(pos, 0);
        } else {
            const POSITION pos = AddTail(GetHead());
            RemoveHead();
            m_cursor.Set(pos, nCount - 1);
        }
    }
    static_cast<DEDizedData*>(bAtFront ? GetHead() : GetTail())->SetValue(dValue);
}

DEDizedAnnotationList* DEDizedDataList::GetAnnotationList()
{
    return &m_annotations;
}

DEDizedStyle* DEDizedDataList::GetStyle()
{
    return &m_style;
}

void DEDizedDataList::SetDynamic(int bDynamic)
{
    m_bDynamic = bDynamic != 0 ? 1 : 0;
}

const CString& DEDizedDataList::GetAnnotation(int nIndex) const
{
    return m_annotations.GetAnnotation(nIndex);
}

DEDizedData* DEDizedDataList::GetItem(int nIndex, int bCreate)
{
    if (m_bDynamic) {
        DEDizedDynamicData* pSeries = GetSeries();
        if (pSeries == nullptr)
            ThrowChartException(6);
        if (nIndex > pSeries->GetSize())
            return DEDizedDummyData::GetShared();
        pSeries->SetReadPosition(nIndex);
        pSeries->SetWritePosition(nIndex);
        return pSeries;
    }
    if (nIndex < 0)
        ThrowChartException(3);
    if (nIndex >= CObList::GetCount()) {
        if (!bCreate)
            ThrowChartException(3);
        AppendNewItems(nIndex + 1);
        m_cursor.Set(GetTailPosition(), nIndex);
    }
    return static_cast<DEDizedData*>(GetAt(m_cursor.MoveTo(*this, nIndex)));
}

void DEDizedDataList::AppendNewItems(int nCount)
{
    while (CObList::GetCount() < nCount)
        AfxAddOwnedTail(*this, CreateItem());
}

void DEDizedDataList::ResetCursor()
{
    m_cursor.Reset(*this);
}

int DEDizedDataList::IsDynamic() const
{
    return m_bDynamic;
}

void DEDizedDataList::SetAnnotation(const char* lpszText, int bClearFirst, int nIndex)
{
    m_annotations.SetAnnotation(nIndex, lpszText, bClearFirst);
}

void DEDizedDataList::SetAnnotation(int nIndex, const char* lpszText)
{
    m_annotations.SetAnnotation(nIndex, lpszText);
}

DEDizedDynamicData* DEDizedDataList::GetSeries() const
{
    if (!m_bDynamic || IsEmpty())
        return nullptr;
    CObject* pFirst = GetHead();
    return pFirst->IsKindOf(RUNTIME_CLASS(DEDizedDynamicData)) ? static_cast<DEDizedDynamicData*>(pFirst) : nullptr;
}

bool DEDizedDataList::IsExcluded() const
{
    return (m_style.m_nFlags & DEDizedStyle::flagExcludedGroup) != 0;
}
