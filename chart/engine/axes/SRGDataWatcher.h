// SRGDataWatcher: watches the chart's values against a high and a low limit. It marks the items that
// break the rule of its mode (bits 8-11 of an item style's kind word set to 3, which the displays draw
// as a selected point; an item that passes gets 0 there), tells whether the watched data are clear
// (OnDataClear, else OnDataAlarm) and draws a line at each limit across the plot of its display.
//
// Modes: per item: 0 marks a value >= high limit, 1 a value <= low limit, 4 one strictly between the
// limits, 5 one outside them (<= low or >= high); the data are clear when none is marked. Over the mean
// of the watched values (nothing marked): 2 clear when the mean < high, 3 when the mean > low, 6 when
// the mean lies outside (< low or > high), 7 when it lies strictly between; an empty range is clear.
// Any other mode tests nothing and marks nothing: OnDataAlarm decides.
//
// Range: the component's data window and steps, or, with use-display range, those of the first display
// found walking the chart's list from the component being drawn (the watcher itself outside drawing),
// past any data watchers. A first group or item of -1 is 0, a last group of -1 the chart's last group,
// a last item of -1 the longest group's last item; within a group the walk stops at its item count.
// Values read as the chart reads them (a missing item as 0).
//
// Drawing: a display draws the watchers that follow it in the chart's list after its frame, giving
// them its plot rectangle (the line rectangle), its y data range as the value range and its graph and
// axis types. A watcher that is the further part of a compound display's axis takes the range that axis
// shows and the plot, its lines across the axis. A watcher being redrawn in full runs Check first. For
// modes 0 to 7 the lines are a line at the high limit, and for 4 to 7 one at the low limit as well:
// horizontal lines at y = bottom - trunc(height / range x (limit - minimum) + 0.5) from the left edge,
// or vertical ones (SetVertical) at x = left + trunc(width / range x (limit - minimum) + 0.5) from the
// bottom; a limit whose line falls outside the rectangle draws none. Other modes draw the grid lines'
// own positions.
//
// Template text: keyword "datawatcher " and the common part only. Stored form: the grid lines', then
// use-display range, high limit, low limit (doubles) and mode.
#pragma once

#include "chart/engine/CScale.h"
#include "chart/engine/axes/SRGGridLines.h"

class SRGDisplayBase;

class SRGDataWatcher : public SRGGridLines {
    DECLARE_SERIAL(SRGDataWatcher)
public:
    // The selection value that marks an item (bits 8-11 of its style's kind word).
    enum { markedSelection = 3 };

    // Mode 0, limits 1e80 and -1e80, its own window, type id chartTypeDataWatcher.
    SRGDataWatcher();
    // Deletes the limit line points.
    ~SRGDataWatcher() override;

    void Serialize(CArchive& ar) override;
    // Check when redrawn in full, then the limit lines (see the top of this file).
    void DrawContent() override;
    // The grid lines' positions, drawn in modes without limit lines.
    void SetPositions(CPtrList* pPositions) override;
    void WriteTemplateKeyword(CStdioFile& writer) override;

    // Bits 8-11 of the item's style kind word to 0 / to markedSelection (nothing for a missing item).
    virtual void UnmarkItem(int nItem, int nGroup);
    virtual void SetWatchMode(int nMode);
    virtual int GetWatchMode() const;
    virtual void SetUseDisplayRange(int bUse);
    virtual int GetUseDisplayRange() const;
    virtual void SetHighLimit(double dLimit);
    virtual void SetLowLimit(double dLimit);
    virtual double GetHighLimit() const;
    virtual double GetLowLimit() const;
    // Fixes the range watched (see the top of this file).
    virtual void SetupRange();
    virtual void MarkItem(int nItem, int nGroup);
    // Hooks of Check. Nothing here.
    virtual void OnDataClear();
    virtual void OnDataAlarm();
    // Runs the test of the mode and calls OnDataClear when the data are clear, else OnDataAlarm.
    virtual void Check();
    // The tests of modes 0 to 7: each sets up the range, marks or unmarks (per-item modes) and returns
    // non-zero when the data are clear.
    virtual int TestAtOrAboveHigh();
    virtual int TestAtOrBelowLow();
    virtual int TestMeanBelowHigh();
    virtual int TestMeanAboveLow();
    virtual int TestBetween();
    virtual int TestOutside();
    virtual int TestMeanOutside();
    virtual int TestMeanBetween();

    // The range of values that the line rectangle spans, from the bottom (or left) edge up (or right).
    void SetValueRange(const CScale& range);
    // The limit lines' start points of the last draw (CPoint*, owned by the watcher).
    CPtrList& GetLimitLines() { return m_limitLines; }
    // The range of the last SetupRange: first group and item, number of groups and items, steps.
    int GetRangeFirstGroup() const { return m_nFirstGroup; }
    int GetRangeFirstItem() const { return m_nFirstItem; }
    int GetRangeGroupCount() const { return m_nGroupCount; }
    int GetRangeItemCount() const { return m_nItemCount; }

protected:
    // The display whose window SetupRange takes (null: the watcher's own).
    SRGDisplayBase* FindDisplay();
    // Calls f(value, item, group) for every item of the range.
    template <class F>
    void VisitItems(F f);
    // A per-item test: marks the items for which bBreaks(value) holds; clear when none.
    template <class F>
    int MarkBreaking(F bBreaks);
    // The mean of the range's values (the data are clear over an empty range: bEmpty set).
    double RangeMean(bool& rbEmpty);
    // Rebuilds the limit lines of the mode.
    void BuildLimitLines();
    void EmptyLimitLines();

    int m_bUseDisplayRange;
    double m_dHighLimit;
    double m_dLowLimit;
    int m_nMode;
    CPtrList m_limitLines;          // CPoint*, owned
    CPtrList* m_pGridPositions;     // the grid lines' own positions (not owned)
    CScale m_valueRange;

    // The range of the last SetupRange.
    int m_nFirstGroup;
    int m_nFirstItem;
    int m_nGroupCount;
    int m_nItemCount;
    int m_nGroupStep;
    int m_nItemStep;
};
