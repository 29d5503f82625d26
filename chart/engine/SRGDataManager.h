// SRGDataManager: a chart's data, an ordered list of groups (DEDizedDataList, owned) of items, both
// addressed from 0; groups and items are created on demand when a value is stored. It also holds the
// chart's own annotations, a default style for new values, a placeholder item for reads of missing
// data and the current group, and answers the sums and means that displays and labels ask for.
//
// Missing data: a negative group index, an index past the groups without create, and a group whose
// style excludes it (DEDizedStyle::flagExcludedGroup, even with create) raise DEDizedException code
// 2; a missing item raises 3 (DEDizedDataList). Reads absorb both: GetDataItem returns the placeholder
// (which ignores writes), the annotation getters an empty text, and the sums and means count such
// data as absent. Other chart exceptions pass, except in SetStyles, which reports them.
//
// Sums and means skip null items; a mean of no values is 0.
//
// Stored form of a manager written as an object of its own (schema 1, versionable): the chart
// annotations (DEDizedAnnotationList), the number of groups (int), then each group's own form
// (DEDizedDataList::Serialize, without class tags). Loading replaces the groups, each made by
// CreateGroup before it is read. Inside a chart the chart writes these parts itself.
#pragma once

#include "chart/engine/ChartListCursor.h"
#include "chart/engine/DEDizedData.h"
#include "chart/engine/DEDizedDataList.h"

class SRGDataManager : public CObject {
    DECLARE_SERIAL(SRGDataManager)
public:
    // No groups, no annotations, a default data style, current group 0.
    SRGDataManager();
    // Deletes the groups.
    ~SRGDataManager() override;
    SRGDataManager(const SRGDataManager&) = delete;
    SRGDataManager& operator=(const SRGDataManager&) = delete;

    void Serialize(CArchive& ar) override;

    // A new empty group; the caller owns it.
    virtual DEDizedDataList* CreateGroup();
    // Deletes the chart annotations and every group.
    virtual void ClearData();
    // Stores dValue in item nItem of group nGroup, both created when missing; with bUseDefaultStyle
    // the item takes the default item style.
    virtual void SetValue(int nItem, int nGroup, double dValue, int bUseDefaultStyle);
    // Sets annotation 1 of the item (group and item created), keeping its other annotations.
    virtual void SetItemAnnotation(int nItem, int nGroup, const char* lpszText);
    // Sets annotation 1 of the group (created), deleting its other annotations first when
    // bClearFirst.
    virtual void SetGroupAnnotation(int nGroup, const char* lpszText, int bClearFirst);
    // The group nGroup; with bCreate missing groups up to it are created. Code 2 for a negative
    // index, an index past the groups without bCreate, or an excluded group.
    virtual DEDizedDataList* GetGroup(int nGroup, int bCreate);
    // The range of the data: every item of every group that is not excluded, null ones included;
    // with bUseItemRanges each item's own range (both bounds), else its value.
    virtual void GetDataRange(CScale& range, int bUseItemRanges);
    // The largest item count of all groups (0 without groups).
    virtual int GetMaxItemCount();
    virtual int GetGroupCount();
    // The sum over groups nFirstGroup..nLastGroup (clamped to the last group; 0 when nFirstGroup is
    // past it) of the items nFirstItem..nLastItem of each (clamped to its last item).
    virtual double GetRangeSum(int nFirstGroup, int nFirstItem, int nLastGroup, int nLastItem);
    // The item count of the group (GetGroup with bCreate).
    virtual int GetItemCount(int nGroup, int bCreate);
    // Sets the chart annotation nIndex.
    virtual void SetChartAnnotation(const char* lpszText, int nIndex);
    // The mean of the items nFirstItem..nLastItem of the group (the last clamped to the group's last
    // item); 0 when the group is missing or nFirstItem is past its items.
    virtual double GetRangeMean(int nFirstItem, int nLastItem, int nGroup);
    // The mean of the group's items; 0 when the group is missing or empty.
    virtual double GetGroupMean(int nGroup);
    // The sum of item nItem's value over groups nFirstGroup..nLastGroup, null and missing items
    // counting with their value (the placeholder's is 0). Both bounds 0 mean every group; the last
    // group is clamped, and the sum is 0 when nFirstGroup is past the groups. Code 3 when nItem is at
    // or past GetMaxItemCount.
    virtual double GetItemSumAcross(int nItem, int nFirstGroup, int nLastGroup);
    // The sum of every item of every group.
    virtual double GetGrandTotal();
    // The value of GetDataItem (0 for missing data).
    virtual double GetValue(int nItem, int nGroup);
    virtual CPtrList* GetGroupList();
    virtual POSITION GetFirstGroupPosition();
    // The group at rPosition; rPosition moves on to the next one.
    virtual DEDizedDataList* GetNextGroup(POSITION& rPosition);
    virtual DEDizedAnnotationList* GetChartAnnotationList();
    // Copies style into the styles of the items nFirstItem..nLastItem of groups nFirstGroup..
    // nLastGroup (and, with bIncludeGroups, into the groups' own styles). -1 as a first bound means
    // 0, as nLastGroup the last group, as nLastItem the largest item count - 1; the last group is
    // clamped to the groups there are, the last item to each group's items. Missing and excluded
    // groups and missing items are skipped; any other chart exception is reported and the next
    // group follows.
    virtual void SetStyles(int nFirstGroup, int nLastGroup, int nFirstItem, int nLastItem, const DEDizedStyle& style,
                           int bIncludeGroups);
    // The group's ShiftValues (the group must exist: code 2 otherwise).
    virtual void ShiftGroupValues(int nGroup, double dValue, int bAtFront);
    // The item nItem of group nGroup, or the manager's placeholder when the group or the item is
    // missing or the group excluded.
    virtual DEDizedData* GetDataItem(int nItem, int nGroup);
    // The group cursor goes back to the first group.
    virtual void ResetCursor();

    // The sum of the group's items; nGroup -1 means the current group. 0 when the group is missing.
    double GetGroupSum(int nGroup);
    // The chart annotation nIndex (empty when there is none).
    CString GetChartAnnotation(int nIndex) const;
    // The annotation nIndex of an item (empty when the group or the item is missing).
    CString GetItemAnnotation(int nGroup, int nItem, int nIndex);
    // The annotation nIndex of a group (empty when the group is missing).
    CString GetGroupAnnotation(int nGroup, int nIndex);
    // The current group (GetGroupSum's -1); the chart stores it in its archive.
    int GetCurrentGroup() const { return m_nCurrentGroup; }
    void SetCurrentGroup(int nGroup) { m_nCurrentGroup = nGroup; }
    // Storing: the number of groups (int) and each group's own form; loading replaces the groups with
    // the ones read (each made by CreateGroup). The chart stores its groups with this.
    void SerializeGroups(CArchive& ar);
    // The default item style (SetValue's bUseDefaultStyle).
    DEDizedStyle* GetDefaultStyle() { return &m_defaultStyle; }

protected:
    // The group nGroup, or null when it is missing or excluded (GetGroup without create).
    DEDizedDataList* FindGroup(int nGroup);
    // Adds the sum and the number of the non-null items nFirstItem..nLastItem (clamped to the items
    // there are) of group nGroup to dSum and nValues; nothing for a missing or excluded group.
    void SumGroupItems(int nGroup, int nFirstItem, int nLastItem, double& dSum, int& nValues);
    // Widens range to take both bounds of values.
    static void IncludeBounds(CScale& range, const CScale& values);
    // Appends pGroup, which the manager then owns (deleted when no node can be made).
    void AddGroup(DEDizedDataList* pGroup);
    // Deletes every group.
    void DeleteGroups();

    CPtrList m_groups;
    DEDizedAnnotationList m_annotations;
    DEDizedStyle m_defaultStyle;
    ChartListCursor m_cursor;
    DEDizedDummyData m_placeholder;
    int m_nCurrentGroup;
};
