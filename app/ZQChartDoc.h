// CZQChartDoc: the document of a marginal value chart window, one per criterion of the last solve.
// Its chart holds one display (CZQDEDizedDisplay), a line on a fixed value scale from 0 to 1.04, over
// a background in the "charts background color" (the display paints its plot alone), and
// group 0 holds the criterion's value function: one item per breakpoint, in breakpoint order for a
// gain criterion (the Solver's direction 1) and reversed for any other, so that a function's top
// point (its last breakpoint) is the last item of a gain criterion's chart and item 0 of the others'.
// Each item is annotated with its breakpoint ("charts evaluations precision" decimals) and carries the
// range the breakpoint may take, from the project's bounds table; a breakpoint without a bounds record
// has no range.
//
// The document's title is the project's criterion at its position. The application's charts-open
// flag stays set while any chart document is left.
//
// CZQChartTemplate: the charts' document template; it gives each new chart its criterion and title
// before the chart document starts (OpenChart).
#pragma once

#include <windows.h>

#include "chart/views/CGraphDoc.h"

class CZQDEDizedDisplay;
struct CriterionRecord;

class CZQChartDoc : public CGraphDoc {
    DECLARE_DYNCREATE(CZQChartDoc)
public:
    // The value scale of every chart.
    static constexpr double kScaleMaximum = 1.04;

    // Empty title, criterion 0.
    CZQChartDoc();
    ~CZQChartDoc() override;

    // The base's new document (FALSE when it refuses); the title member becomes the document's
    // title; the chart is reset and gets its background and its one display: graph type 0x01 and
    // axis type 0x02 (the low
    // 16 bits of the style word kept), the fixed range 0 to 1.04 (flag bit 26), the plot filled in
    // the "charts background color" (flag bit 29) and framed in the "charts axis color", its style
    // marked changed. The chart holds no values until ShowValueFunction.
    BOOL OnNewDocument() override;
    // Clears the application's charts-open flag unless another chart document is left, then the
    // base's closing.
    void OnCloseDocument() override;

    // Refills group 0 from the project's value function of the criterion (see the top of this file),
    // the items drawn in the "charts line color" with markers in the "charts points color"; the title
    // follows the project's criterion at that position. Then every view is updated. Returns FALSE,
    // leaving the chart without values, when the project has no value function for the criterion or
    // its Solver no record of it.
    BOOL ShowValueFunction();
    // Gives chart item nItem of group 0 the range its breakpoint may take (the bounds record's upper
    // value as maximum, its lower value as minimum, reset flag 1), or no range (an empty one) when
    // the breakpoint has no bounds record.
    void ApplyBounds(int nItem);

    // The chart's display; null when the chart has none (before OnNewDocument).
    CZQDEDizedDisplay* GetDisplay();
    // The Solver's record of the criterion; null when there is none.
    CriterionRecord* GetCriterionRecord() const;
    // The breakpoint that chart item nItem of a chart of nCount items shows (and the item that shows
    // breakpoint nItem: the order is its own inverse).
    static int BreakpointOf(int nItem, int nCount, bool bGain);

    CString m_strCriterionTitle; // the title the document takes
    int m_nCriterion;            // the criterion's position in the Solver's criteria
};

class CZQChartTemplate : public CMultiDocTemplate {
public:
    CZQChartTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass);

    // Opens a new chart window for the criterion at position nCriterion titled lpszTitle (both set
    // before the document starts). Returns the document, or null when it could not be made.
    CZQChartDoc* OpenChart(int nCriterion, LPCSTR lpszTitle);

protected:
    // The base's document, given the criterion and title of the chart being opened.
    CDocument* CreateNewDocument() override;

    int m_nNextCriterion;
    CString m_strNextTitle;
};
