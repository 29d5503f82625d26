#include "chart/engine/SRDynamicGraph.h"

#include "chart/engine/DEDizedException.h"
#include "chart/engine/SRGDynamicDataManager.h"

IMPLEMENT_SERIAL(SRDynamicGraph, DEDized, VERSIONABLE_SCHEMA | 0)

SRDynamicGraph::SRDynamicGraph()
{
    SRGDataManager* pManager = nullptr;
    AfxAllocating([&] { pManager = new SRGDynamicDataManager; });
    SetDataManager(pManager, 1);
}

void SRDynamicGraph::SetDataFromText(const char* /*lpszText*/)
{
    ThrowChartException(0);
}

int SRDynamicGraph::IsDynamic() const
{
    return 1;
}

SRGDynamicDataManager* SRDynamicGraph::GetDynamicManager() const
{
    SRGDataManager* pManager = GetDataManager();
    return pManager != nullptr && pManager->IsKindOf(RUNTIME_CLASS(SRGDynamicDataManager))
               ? static_cast<SRGDynamicDataManager*>(pManager)
               : nullptr;
}

void SRDynamicGraph::SetSeriesAnnotation(int nItem, int nGroup, const char* lpszText)
{
    if (SRGDynamicDataManager* pManager = GetDynamicManager())
        pManager->SetItemAnnotation(nItem, nGroup, lpszText);
}

void SRDynamicGraph::AppendSeriesByte(int nItem, int nGroup, BYTE byValue)
{
    if (SRGDynamicDataManager* pManager = GetDynamicManager())
        pManager->AppendSeriesByte(nItem, nGroup, byValue);
}

void SRDynamicGraph::AppendSeriesInt(int nItem, int nGroup, int nValue)
{
    if (SRGDynamicDataManager* pManager = GetDynamicManager())
        pManager->AppendSeriesInt(nItem, nGroup, nValue);
}

void SRDynamicGraph::AppendSeriesValue(int nItem, int nGroup, double dValue)
{
    if (SRGDynamicDataManager* pManager = GetDynamicManager())
        pManager->AppendSeriesValue(nItem, nGroup, dValue);
}
