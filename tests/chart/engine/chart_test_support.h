// Helpers of the chart engine tests: the code of the chart exception an operation throws, and the
// texts of the engine's string resources. Include "wine_gtest.h" first.
#pragma once

// the standard headers before windows.h, which defines min and max as macros
#include <functional>

#include "chart/engine/ChartResource.h"
#include "chart/engine/DEDizedDataList.h"
#include "chart/engine/DEDizedDynamicData.h"
#include "chart/engine/DEDizedException.h"
#include "win/AfxResource.h"

// The code of the DEDizedException that f throws (deleted here); -1 when it throws none.
inline int ChartCode(const std::function<void()>& f)
{
    try {
        f();
    } catch (DEDizedException* e) {
        const int nCode = e->m_nCode;
        e->Delete();
        return nCode;
    }
    return -1;
}

// The text of string resource nID (empty when it is missing).
inline CString ResourceText(UINT nID)
{
    CString text;
    AfxLoadString(nID, text);
    return text;
}

// Makes group dynamic with a new series of nSize cells (per-value ranges when bRanges), and returns
// the series (which the group owns).
inline DEDizedDynamicData* MakeDynamic(DEDizedDataList& group, int nSize, bool bRanges = false)
{
    group.SetDynamic(1);
    DEDizedDynamicData* pSeries = new DEDizedDynamicData;
    group.SetItem(pSeries, -1);
    pSeries->EnableValueRanges(bRanges ? 1 : 0);
    pSeries->Allocate(nSize);
    return pSeries;
}

// A chart exception that counts the instances alive, to show that catchers delete what they catch,
// once.
class CountedChartException : public DEDizedException {
public:
    explicit CountedChartException(int nCode) : DEDizedException(nCode) { ++s_nAlive; }
    ~CountedChartException() override { --s_nAlive; }
    static inline int s_nAlive = 0;
};
