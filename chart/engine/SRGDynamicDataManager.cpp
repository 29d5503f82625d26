#include "chart/engine/SRGDynamicDataManager.h"

#include "chart/engine/DEDizedException.h"

IMPLEMENT_SERIAL(SRGDynamicDataManager, SRGDataManager, VERSIONABLE_SCHEMA | 1)

SRGDynamicDataManager::SRGDynamicDataManager() = default;

DEDizedDynamicData* SRGDynamicDataManager::GetSeries(int nGroup)
{
    DEDizedDynamicData* pSeries = GetGroup(nGroup, 0)->GetSeries();
    if (pSeries == nullptr)
        ThrowChartException(6);
    return pSeries;
}

void SRGDynamicDataManager::SetItemAnnotation(int, int nGroup, const char* lpszText)
{
    GetSeries(nGroup)->SetAnnotation(lpszText, 0, 1);
}

void SRGDynamicDataManager::GetDataRange(CScale& range, int bUseItemRanges)
{
    range = CScale();
    for (POSITION pos = m_groups.GetHeadPosition(); pos != nullptr;) {
        const DEDizedDataList* pGroup = static_cast<DEDizedDataList*>(m_groups.GetNext(pos));
        if (pGroup->IsExcluded())
            continue;
        DEDizedDynamicData* pSeries = pGroup->GetSeries();
        if (pSeries == nullptr)
            ThrowChartException(1);
        pSeries->RewindRead();
        for (int i = 0; i < pSeries->GetSize(); ++i) {
            if (bUseItemRanges != 0)
                IncludeBounds(range, pSeries->GetRange());
            else
                range.Include(pSeries->GetValue(0));
        }
    }
}

double SRGDynamicDataManager::GetSeriesSum(int nGroup)
{
    const DEDizedDataList* pGroup = FindGroup(nGroup == -1 ? m_nCurrentGroup : nGroup);
    DEDizedDynamicData* pSeries = pGroup != nullptr ? pGroup->GetSeries() : nullptr;
    if (pSeries == nullptr)
        return 0.0;
    pSeries->RewindRead();
    double dSum = 0.0;
    for (int i = 0; i < pSeries->GetSize(); ++i)
        dSum += pSeries->GetValue(0);
    return dSum;
}

void SRGDynamicDataManager::AppendSeriesInt(int, int nGroup, int nValue)
{
    GetSeries(nGroup)->AppendInt(nValue);
}

void SRGDynamicDataManager::AppendSeriesByte(int, int nGroup, BYTE byValue)
{
    GetSeries(nGroup)->AppendByte(byValue);
}

void SRGDynamicDataManager::AppendSeriesValue(int, int nGroup, double dValue)
{
    GetSeries(nGroup)->SetValue(dValue);
}
