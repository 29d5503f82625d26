// DEDizedLabelBlock: a label that owns a list of labels and draws them as one component: the entries of
// a legend, the tick labels of the axis scales (which derive from it and fill it in BuildLabels) and the
// value labels a pass collects. Its own label part gives the labels without a style of their own their
// style, font and colour; every label takes its font flags.
//
// Placement: DistributeLabels lays the labels evenly along a line; SetAngle, SetAnchorPosition and
// SetDirection act on every label. With anchor recording on, the labels' pixel anchors (moved by an
// offset) are written into a list of points (CPoint objects made with new; whoever empties the list
// deletes them), the block's own or one a display hands over (SetRecordedAnchors).
//
// Overlap avoidance (on by default): while drawing, a label whose outline meets the outlines already
// placed is moved along its direction by the size of the overlap (one, two ... ten times it, the
// first that moves it at all; DEDizedException code 17 when none does). Bits 4-7 of the block's kind
// word (preset to 9) set to 10 repeat the move until the label is clear, at most ten times (then code
// 17). With the style's leader-line flag a moved label gets a line three pixels wide in the style's
// colour from where it was to where it went, ending in a dot of radius 4.
//
// Stored form: the label's, the labels, then a reserved int, the overlap-avoidance and the
// anchor-recording flags.
#pragma once

#include "chart/engine/ChartListCursor.h"
#include "chart/engine/components/DEDizedLabel.h"

class DEDizedLabelBlock : public DEDizedLabel {
    DECLARE_SERIAL(DEDizedLabelBlock)
public:
    // Bits 4-7 of the kind word: single and repeated overlap avoidance.
    enum { avoidSingle = 9, avoidRepeated = 10 };

    // Type id chartTypeLabelBlock, no labels, overlap avoidance on, anchor recording off.
    DEDizedLabelBlock();
    // Deletes the labels, and the recorded anchors when the list is its own.
    ~DEDizedLabelBlock() override;
    DEDizedLabelBlock(const DEDizedLabelBlock&) = delete;
    DEDizedLabelBlock& operator=(const DEDizedLabelBlock&) = delete;

    void Serialize(CArchive& ar) override;
    // Also attaches every label.
    void SetChart(DEDized* pChart) override;
    // The labels, placed clear of each other (see the top of this file); nothing without labels or
    // when the block is hidden.
    void DrawContent() override;
    // Places the labels as DrawContent does, without drawing them, and returns the box of their
    // outlines (empty without labels). Only while drawing.
    virtual CRect MeasureLabels();
    // The title's, with automatic size cleared from the flags.
    void SetFont(int nSize, int nFlags, const char* lpszFace) override;
    // For every label.
    void SetAnchorPosition(int nPosition) override;
    void SetDirection(double dCosine, double dSine) override;

    // With anchor recording on: the recorded list (made when absent) is emptied and gets each label's
    // pixel anchor moved by (dx, dy).
    virtual void RecordAnchors(int dx, int dy);
    virtual void RecordAnchorsHere();
    // Lays the labels out; the scales fill it in. Nothing here.
    virtual void BuildLabels();
    virtual int GetLabelCount() const;
    virtual void RemoveLastLabel();
    virtual void RemoveAllLabels();
    virtual void SetVisible(int bVisible);
    virtual int GetVisible() const;
    // Sets the text of label nIndex (0 or more) for nMode; past the end empty labels are appended first.
    virtual void SetLabelText(const char* lpszText, int nIndex, int nMode);
    // The label nIndex; -1 the first, -2 the last; null when there is none.
    virtual DEDizedLabel* GetLabel(int nIndex);
    // Appends a new label with lpszText for the mode value, without a style of its own. Returns it.
    virtual DEDizedLabel* AddLabel(const char* lpszText);
    // Appends pLabel (not null), which the block then owns. Returns it.
    virtual DEDizedLabel* AddExistingLabel(DEDizedLabel* pLabel, int bOwnStyle);
    // Every label's text angle: reduced modulo 360 (within 0.2 of 360 counts as 0); within 2 degrees
    // above a multiple of 90 the preset of that multiple, else the angle itself (no preset).
    virtual void SetAngle(double dDegrees);
    // Places the labels evenly from (x1, y1) to (x2, y2), a single label at the end, then records the
    // anchors.
    virtual void DistributeLabels(int x1, int y1, int x2, int y2);
    // The box of the labels' outlines of the last draw.
    virtual CRect GetBoundingRect() const;
    // The list the anchors are recorded into (not owned; null: the block's own when needed).
    virtual void SetRecordedAnchors(CPtrList* pList);
    virtual void SetAnchorRecording(int bRecord);
    virtual CPtrList* GetRecordedAnchors();
    virtual void SetAutoResize(int bAutoResize);
    virtual int GetAutoResize() const;

    void SetAvoidOverlap(int bAvoid) { m_bAvoidOverlap = bAvoid; }
    int GetAvoidOverlap() const { return m_bAvoidOverlap; }

private:
    // The placement of DrawContent and MeasureLabels; bDraw draws the labels and their leader lines.
    void PlaceLabels(bool bDraw);
    // Moves pLabel (its outline built) clear of rWorking by the rules above; true when it moved.
    bool AvoidOverlap(DEDizedLabel* pLabel, CRgn& rWorking, bool bRepeated);
    // The leader line of a label moved from ptFrom to ptTo.
    void DrawLeader(const CPoint& ptFrom, const CPoint& ptTo);
    // Empties the recorded list, deleting its points.
    void EmptyRecordedAnchors();
    // Deletes the recorded list when it is the block's own.
    void ReleaseRecordedAnchors();

    int m_bAvoidOverlap;
    CRect m_rcBounds;
    CObList m_labels;           // DEDizedLabel, owned
    int m_bRecordAnchors;
    CPtrList* m_pRecorded;      // of CPoint*; owned when m_bOwnsRecorded
    int m_bOwnsRecorded;
    ChartListCursor m_cursor;   // into m_labels
    int m_bAutoResize;
};
