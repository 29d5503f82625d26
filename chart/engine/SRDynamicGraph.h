// SRDynamicGraph: a chart whose groups each hold one growing series (SRGDynamicDataManager). It
// differs from DEDized in three places: it refuses a table of values from text (DEDizedException code
// 0), IsDynamic answers 1, and it forwards the series operations to its manager. Those take an item
// index for a uniform interface and ignore it; they do nothing when the chart's manager is not a
// dynamic one. Its stored form is DEDized's (schema 0, versionable).
#pragma once

#include "chart/engine/DEDized.h"

class SRGDynamicDataManager;

class SRDynamicGraph : public DEDized {
    DECLARE_SERIAL(SRDynamicGraph)
public:
    // A chart with a new dynamic data manager, owned.
    SRDynamicGraph();

    // Raises code 0: a table of values cannot fill growing series.
    void SetDataFromText(const char* lpszText) override;
    int IsDynamic() const override;

    // Annotation 1 of the group's series.
    virtual void SetSeriesAnnotation(int nItem, int nGroup, const char* lpszText);
    // Appends to the group's series: a byte, an int, a double.
    virtual void AppendSeriesByte(int nItem, int nGroup, BYTE byValue);
    virtual void AppendSeriesInt(int nItem, int nGroup, int nValue);
    virtual void AppendSeriesValue(int nItem, int nGroup, double dValue);

private:
    // The manager when it is a dynamic one, else null.
    SRGDynamicDataManager* GetDynamicManager() const;
};
