// DEDizedDataList: a group of a chart's data: an ordered list of items (DEDizedData, owned) with the
// group's style and annotations, and a cursor that makes reading the items in turn cheap
// (ChartListCursor). A dynamic group holds one DEDizedDynamicData, its series, instead of single
// items: its count is the series' size and an item index addresses a value of the series.
//
// Failures (DEDizedException codes): 3 for an item index that is negative, or at or past the count
// without create; 6 for a dynamic group without its series.
//
// Stored form (schema 1, versionable): the items as a CObList (count, then each item with its class
// tag), then annotations (DEDizedAnnotationList), style (DEDizedStyle), dynamic flag (int). Loading
// replaces the items the group holds.
#pragma once

#include "chart/engine/ChartListCursor.h"
#include "chart/engine/DEDizedData.h"

class DEDizedDynamicData;

class DEDizedDataList : public CObList {
    DECLARE_SERIAL(DEDizedDataList)
public:
    // An empty group with a data style (kind nibble 2).
    DEDizedDataList();
    // Deletes the items.
    ~DEDizedDataList() override;

    void Serialize(CArchive& ar) override;

    // The number of items; for a dynamic group the size of its series (0 without one).
    virtual int GetCount() const;
    // A new item of the kind the group holds (DEDizedData); the caller owns it.
    virtual DEDizedData* CreateItem();
    // Puts pItem (not null) into the group, which then owns it: nIndex -2 inserts it at the head, -1
    // appends it, an existing index replaces (and deletes) the item there, a larger index first
    // creates the items before it. Any other negative index raises code 3 and pItem stays the
    // caller's, as on every exception.
    virtual void SetItem(DEDizedData* pItem, int nIndex);
    // Shifts the values: a dynamic group shifts its series (at its front when bAtFront). Otherwise
    // one item simply takes dValue; with more items, bAtFront moves the last item to the head,
    // else the first item to the tail, and that item takes dValue. An empty group is left alone.
    virtual void ShiftValues(double dValue, int bAtFront);
    virtual DEDizedAnnotationList* GetAnnotationList();
    virtual DEDizedStyle* GetStyle();
    // Sets (non-zero) or clears the dynamic flag; the items stay as they are.
    virtual void SetDynamic(int bDynamic);
    // The text of the group's annotation nIndex, empty when there is none.
    virtual const CString& GetAnnotation(int nIndex) const;
    // The item nIndex. Without bCreate an index at or past the count raises code 3; with it the
    // missing items are created (null) and appended. A dynamic group returns its series with both
    // positions set to nIndex, or the process-wide placeholder for an index past the series' size
    // (code 6 without a series).
    virtual DEDizedData* GetItem(int nIndex, int bCreate);
    // The cursor goes back to the head.
    virtual void ResetCursor();
    virtual int IsDynamic() const;

    // Sets the text of the group's annotation nIndex, deleting the others first when bClearFirst.
    void SetAnnotation(const char* lpszText, int bClearFirst, int nIndex);
    // Sets the text of the group's annotation nIndex, keeping the others.
    void SetAnnotation(int nIndex, const char* lpszText);
    // The series of a dynamic group: its first item when that is a DEDizedDynamicData; null when the
    // group is not dynamic or holds no series.
    DEDizedDynamicData* GetSeries() const;
    // True when the group's style excludes it from data access (DEDizedStyle::flagExcludedGroup).
    bool IsExcluded() const;

protected:
    // Appends new items (CreateItem) until the group holds nCount.
    void AppendNewItems(int nCount);

    DEDizedStyle m_style;
    DEDizedAnnotationList m_annotations;
    ChartListCursor m_cursor;
    int m_bDynamic;
};
