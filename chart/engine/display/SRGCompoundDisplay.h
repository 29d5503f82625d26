// SRGCompoundDisplay: a compound component that lays several displays over one plot rectangle and
// frames them with up to four shared axes, one axis manager (SRGAxisManager) for each side of the
// plot. Its first four children are the managers, bottom, top, left and right (the accessors find them
// by that position; a missing child yields none); the displays it lays out are further children.
//
// The plot rectangle is the compound's inner area (the settings that hold the inner rectangle of the
// last draw): the inner rectangle of its placement at each draw, unless SetPlotRect fixed it (flag word
// bit 7 of its style).
//
// Drawing: after its own frame the compound runs its layout step: BuildAxes, FitPlotRect, then
// PlaceAxes (BuildAxes again and every axis manager given the plot rectangle); then its children draw
// in list order: the managers (their scales, tick marks, grid lines and titles) and then the displays,
// so that the data lies over the grid. With the pending-layout setting the layout step leaves the plot
// alone.
//
// BuildAxes:
// - Each axis's display list is refilled with the displays among the compound's children (the lists
//   do not own them).
// - The titles of the axes (each manager's title part, when it is a label) stand at the middle of
//   their side: with the plot fixed outside the plot by the extent of the axis's scale (left and right
//   turned to 90 and 270 degrees), else on the plot's edges; with only the pending-layout setting only
//   their coordinate along their side is set.
// - Each axis shows its reference display (the manager's display, else the first display of its list;
//   an axis without one gets nothing): the display's ranges are computed, and the axis takes the
//   display's value range, or for the bottom and top axes under bit 29 of the compound's second word its
//   x range (the view ranges of the XY types); the display's font and text colour; the axis line along
//   its side of the plot, shortened by the depth (flag word bit 30: the compound's third limit, else
//   10, times the device scales) for displays whose axis type is drawn with depth; while drawing, the
//   axis is laid out at once, so that its extent is known to FitPlotRect. The grid lines take
//   the display's graph type, the third part its graph and axis types and, when it is a data watcher,
//   the axis's range as its value range. Each manager learns its side as its axis index (bottom 0,
//   left 1, top 2, right 3).
// - Mirrors: with the vertical mirror on, the right axis (vertical mirror side 1) or the left one (side
//   0) repeats the other's range, times the mirror factor when that is not 0, else through
//   ConvertVerticalMirrorValue (which returns its argument here), its scale and its data watcher alike;
//   the horizontal mirror likewise for top and bottom.
// - Last, every display of the lists is given the plot rectangle, fixed, and draws there (its own
//   placement no longer counts: flagOutsideLayout); the grid lines of each manager, and a data watcher
//   in its third part, cover the plot, vertical for the bottom and top axes.
//
// FitPlotRect (not with the pending-layout setting, nor with a fixed plot): the left and right edges
// move in by the larger of the axis's width and the overhang of the bottom and top scales' labels past
// them, the bottom and top edges by the bottom and top axes' heights; edges that cross meet at their
// mean, so that the plot never turns inside out.
//
// Stored form: the compound's (the children, which replace those present, and the settings), then the
// vertical and horizontal mirror sides, option 3, the horizontal and vertical mirror switches (ints) and
// the horizontal and vertical mirror factors (doubles).
#pragma once

#include "chart/engine/CScale.h"
#include "chart/engine/components/SRGCompoundComponent.h"

class SRGAxisManager;
class SRGDisplayBase;

class SRGCompoundDisplay : public SRGCompoundComponent {
    DECLARE_SERIAL(SRGCompoundDisplay)
public:
    enum { axisBottom, axisTop, axisLeft, axisRight, axisCount };

    // Four axis managers, mirror sides 1, option 3 1, mirrors off, factors 0, type id
    // chartTypeCompoundDisplay.
    SRGCompoundDisplay();
    // Empties the display lists (the displays are children or belong to the chart).
    ~SRGCompoundDisplay() override;

    void Serialize(CArchive& ar) override;
    // The plot rectangle (unless fixed), the layout step and the children.
    void DrawContent() override;
    // BuildAxes, FitPlotRect and PlaceAxes, unless the layout is pending.
    void LayoutHook() override;

    // What CreateComponent gives a new compound display: a display of the graph type and axis type
    // (bits 16-23 and 24-31 of the arguments, as they stand in a style word), drawn without axes of its
    // own; along the bottom an index scale from 0 with tick marks and vertical grid lines, up the left a
    // decimal scale from 0 with tick marks and horizontal grid lines, both showing that display.
    void BuildDefaultParts(int nGraphType, int nAxisType);

    // ---- layout (see the top of this file) ------------------------------------------------------------------
    virtual void BuildAxes();
    virtual void PlaceAxes();
    virtual void FitPlotRect();
    // Stores the plot rectangle; bFixed sets or clears flag word bit 7.
    virtual void SetPlotRect(int nLeft, int nTop, int nRight, int nBottom, int bFixed);
    CRect GetPlotRect() const { return GetInnerArea(); }
    // A mirrored axis's limit from the source limit when the mirror factor is 0: the limit itself here.
    virtual double ConvertVerticalMirrorValue(double dValue);
    virtual double ConvertHorizontalMirrorValue(double dValue);

    // ---- mirrors and options -----------------------------------------------------------------------------------
    virtual void SetHorizontalMirror(int bOn);
    virtual void SetVerticalMirror(int bOn);
    virtual void SetHorizontalMirrorSide(int nSide);
    virtual void SetVerticalMirrorSide(int nSide);
    virtual void SetHorizontalMirrorFactor(double dFactor);
    virtual void SetVerticalMirrorFactor(double dFactor);
    virtual int GetHorizontalMirror() const;
    virtual int GetVerticalMirror() const;
    virtual int GetHorizontalMirrorSide() const;
    virtual int GetVerticalMirrorSide() const;
    virtual double GetHorizontalMirrorFactor() const;
    virtual double GetVerticalMirrorFactor() const;
    virtual void SetOption3(int nValue);
    virtual int GetOption3() const;

    // ---- axes ---------------------------------------------------------------------------------------------------
    // Gives nValue to the scale and the tick marks of pManager (its axis index; nothing for null).
    virtual void SetAxisValue(SRGAxisManager* pManager, int nValue);
    // Refill one axis's display list (see the top of this file).
    virtual void FillBottomList(CPtrList& rList);
    virtual void FillTopList(CPtrList& rList);
    virtual void FillLeftList(CPtrList& rList);
    virtual void FillRightList(CPtrList& rList);
    // Children 1 to 4 when they are axis managers, else null.
    virtual SRGAxisManager* GetBottomAxis();
    virtual SRGAxisManager* GetTopAxis();
    virtual SRGAxisManager* GetLeftAxis();
    virtual SRGAxisManager* GetRightAxis();
    // Forwarded to the manager's setters (nothing when the manager is missing): part 0 the scale, 1
    // the tick marks, 2 the grid lines, 3 the further part, the display the reference display.
    virtual void SetBottomPart0(DEDizedComponent* pPart);
    virtual void SetTopPart0(DEDizedComponent* pPart);
    virtual void SetLeftPart0(DEDizedComponent* pPart);
    virtual void SetRightPart0(DEDizedComponent* pPart);
    virtual void SetLeftPart2(DEDizedComponent* pPart);
    virtual void SetRightPart2(DEDizedComponent* pPart);
    virtual void SetBottomPart2(DEDizedComponent* pPart);
    virtual void SetTopPart2(DEDizedComponent* pPart);
    virtual void SetBottomPart1(DEDizedComponent* pPart);
    virtual void SetTopPart1(DEDizedComponent* pPart);
    virtual void SetLeftPart1(DEDizedComponent* pPart);
    virtual void SetRightPart1(DEDizedComponent* pPart);
    virtual void SetBottomDisplay(SRGDisplayBase* pDisplay);
    virtual void SetTopDisplay(SRGDisplayBase* pDisplay);
    virtual void SetLeftDisplay(SRGDisplayBase* pDisplay);
    virtual void SetRightDisplay(SRGDisplayBase* pDisplay);
    virtual void SetBottomPart3(DEDizedComponent* pPart);
    virtual void SetTopPart3(DEDizedComponent* pPart);
    virtual void SetLeftPart3(DEDizedComponent* pPart);
    virtual void SetRightPart3(DEDizedComponent* pPart);

    // The display lists as the last BuildAxes left them.
    CPtrList& GetDisplayList(int nAxis) { return m_lists[nAxis]; }

protected:
    // The manager of axis nAxis (its position among the children), or null.
    SRGAxisManager* GetAxis(int nAxis);
    // The displays among the children.
    void FillList(CPtrList& rList);
    // The display an axis shows: its manager's, else the first of its list.
    SRGDisplayBase* GetReferenceDisplay(int nAxis);
    // Gives the axis of pManager (not null) the range it shows: the scale's limits, and the value range
    // of a data watcher in its further part.
    void ShowRange(SRGAxisManager* pManager, const CScale& range);

    int m_nVerticalMirrorSide;
    int m_nHorizontalMirrorSide;
    int m_nOption3;
    CPtrList m_lists[axisCount];  // SRGDisplayBase*, not owned; bottom, top, left, right
    int m_bHorizontalMirror;
    int m_bVerticalMirror;
    double m_dHorizontalMirrorFactor;
    double m_dVerticalMirrorFactor;
};
