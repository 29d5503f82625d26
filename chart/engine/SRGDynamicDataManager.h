// SRGDynamicDataManager: the data manager of charts whose groups each hold one growing series
// (DEDizedDataList::SetDynamic with a DEDizedDynamicData as the group's item). The series operations
// take an item index for the sake of a uniform interface and ignore it.
//
// Failures (DEDizedException codes): 2 for a missing or excluded group; 6 for a group without a
// series (an append or an annotation); 1 when the range is asked of a group that is not dynamic or
// holds no series.
//
// Stored form: SRGDataManager's (schema 1, versionable).
#pragma once

#include "chart/engine/DEDizedDynamicData.h"
#include "chart/engine/SRGDataManager.h"

class SRGDynamicDataManager : public SRGDataManager {
    DECLARE_SERIAL(SRGDynamicDataManager)
public:
    SRGDynamicDataManager();

    // Sets annotation 1 of the group's series (nItem is ignored), keeping its other annotations.
    void SetItemAnnotation(int nItem, int nGroup, const char* lpszText) override;
    // The range of every value of every series (groups that are not excluded), from each series'
    // first value: with bUseItemRanges both ends of each per-value range, else each value.
    void GetDataRange(CScale& range, int bUseItemRanges) override;

    // The sum of every value of the group's series (rewound first); nGroup -1 means the current
    // group. 0 for a missing group or one without a series.
    virtual double GetSeriesSum(int nGroup);
    // Appends to the group's series (nItem is ignored): an int, a byte, a double.
    virtual void AppendSeriesInt(int nItem, int nGroup, int nValue);
    virtual void AppendSeriesByte(int nItem, int nGroup, BYTE byValue);
    virtual void AppendSeriesValue(int nItem, int nGroup, double dValue);

protected:
    // The series of group nGroup (code 2 for a missing group, 6 for one without a series).
    DEDizedDynamicData* GetSeries(int nGroup);
};
