// SRGAxisManager: the parts of one chart axis, held as six child slots of a compound component, laid out
// along an axis line from a first to a second point (device pixels). The compound display
// (SRGCompoundDisplay) frames its plot with four of them.
//
// Slots (child list positions): 0 the scale (an SRGDecimalScale or one of its kinds: the labels along
// the axis line), 1 the tick marks (SRGTickMarks), 2 the grid lines (SRGGridLines), 3 a further part,
// 4 the title (a text part, drawn without border, shadow or fill), 5 a shape whose extent counts in the
// axis size. A new manager holds six empty placeholder components and no parts. Setting a part
// replaces the slot's child (deleting it), makes the part a child of the manager on the manager's chart
// and marks the slot present; the scale, the title and the shape lose their border, shadow and fill.
// Detaching a present part puts a new placeholder in its slot and deletes the part or hands it to the
// caller, who then owns it. Nothing is set on a manager whose child list lacks the slot.
//
// Layout (the compound's layout step, while drawing): nothing without a scale. The scale takes the axis
// line and the manager's full-redraw state; with tick marks present it stands 1.25 tick lengths from
// the line (the length grows by the device scale across the axis when printing), records its ticks,
// and the tick marks and grid lines are given those positions. The scale is then laid out and its
// labels measured for the DC drawn into.
//
// The manager itself draws no background, shadow or border: its area is the plot that the axes share.
//
// Axis index (SetAxisIndex): the side of the plot the axis stands on, 0 bottom, 1 left, 2 top, 3 right:
// the scale's labels and the ticks go outwards (labels below or left for 0 and 1, above or right for 2
// and 3).
//
// Sizes: GetAxisHeight (GetAxisWidth) add the height (width) of the scale's labels, the tick length
// and the shape's device extent (6/5 of it across).
//
// The reference display (SetDisplay) is the display whose range and style the axis shows; the manager
// does not own it and does not store it.
//
// Stored form: not the component's part: the child list (count, then each child with its class), the
// six presence flags, the second point's x and y and the first point's x and y.
#pragma once

#include "chart/engine/components/SRGCompoundComponent.h"

class SRGDecimalScale;
class SRGDisplayBase;
class SRGGridLines;
class SRGTickMarks;

class SRGAxisManager : public SRGCompoundComponent {
    DECLARE_SERIAL(SRGAxisManager)
public:
    enum { slotScale, slotTickMarks, slotGridLines, slotThirdPart, slotTitle, slotShape, slotCount };

    // Six placeholders, no parts, both points (0, 0), no frame or fill, type id chartTypeAxisManager.
    SRGAxisManager();

    void Serialize(CArchive& ar) override;
    // Runs Layout.
    void LayoutHook() override;
    // Also gives every child the four values.
    void SetRectValues(double dLeft, double dTop, double dRight, double dBottom) override;

    // The layout (see the top of this file).
    virtual void Layout();

    // Take the part out of its slot: null with bDelete (the part deleted), else the part, which the
    // caller then owns. Null when the slot holds no part.
    virtual DEDizedComponent* DetachTickMarks(int bDelete);
    virtual DEDizedComponent* DetachGridLines(int bDelete);
    virtual DEDizedComponent* DetachThirdPart(int bDelete);
    virtual DEDizedComponent* DetachScale(int bDelete);
    virtual DEDizedComponent* DetachTitlePart(int bDelete);
    virtual DEDizedComponent* DetachShapePart(int bDelete);

    // The part in its slot while it is present, else null.
    virtual DEDizedComponent* GetScale();
    virtual DEDizedComponent* GetTickMarks();
    virtual DEDizedComponent* GetGridLines();
    virtual DEDizedComponent* GetThirdPart();
    virtual DEDizedComponent* GetTitlePart();
    virtual DEDizedComponent* GetShapePart();

    // Put pPart (not null) into its slot (see the top of this file); the manager owns it.
    virtual void SetScale(DEDizedComponent* pPart);
    virtual void SetTickMarks(DEDizedComponent* pPart);
    virtual void SetGridLines(DEDizedComponent* pPart);
    virtual void SetThirdPart(DEDizedComponent* pPart);
    virtual void SetTitlePart(DEDizedComponent* pPart);
    virtual void SetShapePart(DEDizedComponent* pPart);

    // The side of the plot (0 bottom, 1 left, 2 top, 3 right), given to the scale and the tick marks.
    virtual void SetAxisIndex(int nIndex);
    // The maximum (B) and minimum (A) of the scale, when it is a value scale.
    virtual void SetScaleValueB(double dValue);
    virtual void SetScaleValueA(double dValue);

    // The extent the axis takes beside the plot (see the top of this file).
    virtual int GetAxisWidth();
    virtual int GetAxisHeight();

    // The axis line.
    virtual void SetFirstPoint(int x, int y);
    virtual void SetSecondPoint(int x, int y);
    virtual CPoint GetFirstPoint() const;
    virtual CPoint GetSecondPoint() const;

    // The reference display (not owned; null for none).
    virtual void SetDisplay(SRGDisplayBase* pDisplay);
    virtual SRGDisplayBase* GetDisplay() const;

    int GetAxisIndex() const { return m_nAxisIndex; }
    // Whether slot nSlot holds a part.
    int IsPresent(int nSlot) const;

protected:
    // An empty component for a slot without a part.
    static DEDizedComponent* NewPlaceholder();
    // The position of slot nSlot in the child list (null when the list is shorter).
    POSITION SlotPosition(int nSlot);
    DEDizedComponent* GetPart(int nSlot);
    void SetPart(int nSlot, DEDizedComponent* pPart);
    DEDizedComponent* DetachPart(int nSlot, int bDelete);
    // The scale as a value scale (null when the slot holds none of that kind).
    SRGDecimalScale* GetValueScale();
    // The tick length in pixels for the DC drawn into.
    int GetTickLength();

    int m_present[slotCount];
    CPoint m_ptSecond;
    CPoint m_ptFirst;
    int m_nAxisIndex;
    SRGDisplayBase* m_pDisplay;  // not owned
};
