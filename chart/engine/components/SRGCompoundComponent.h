// SRGCompoundComponent: a component made of child components (the base of the compound display and
// the axis manager). It draws its own background, shadow and border, computes its inner rectangle,
// runs its layout step (LayoutHook) and then draws its children in list order: every child when it is
// being redrawn in full, otherwise only the children marked for redraw, each child taking the
// compound's full-redraw state. The children's drawing is bracketed by two hooks, empty here.
//
// The chart counts the children when it looks for the n-th component of a type (FindNth): a child is
// counted after its compound, and a compound child is searched in turn.
//
// Settings: ten ints, stored with the compound; setting 0 says the layout is pending (the compound
// display then leaves its plot rectangle alone), the last four hold the inner rectangle of the last
// draw.
//
// Stored form: the component part, the children as an object list (count, then each child with its
// class), then the ten settings. Loading replaces the children.
#pragma once

#include "chart/engine/components/DEDizedComponent.h"

class SRGCompoundComponent : public DEDizedComponent {
    DECLARE_SERIAL(SRGCompoundComponent)
public:
    enum { settingCount = 10, settingPendingLayout = 0, settingInnerLeft = 6 };

    // No children; type id chartTypeCompound.
    SRGCompoundComponent();
    // Deletes the children.
    ~SRGCompoundComponent() override;

    void Serialize(CArchive& ar) override;
    // Attaches the compound and every child to the chart.
    void SetChart(DEDized* pChart) override;
    // The inner rectangle, the layout step and the children.
    void DrawContent() override;
    int IsCompound() const override;
    // Marks the compound and every child.
    void MarkForRedraw() override;

    // Draws the children (see the top of this file) into pDC.
    virtual void DrawChildren(CDC* pDC, CWnd* pWnd);
    // The n-th child of type nTypeId, counting with rnCounter from where the caller left it and
    // descending into compound children; null when the count does not reach n here.
    virtual DEDizedComponent* FindNth(int n, int nTypeId, int& rnCounter);
    virtual CObList* GetChildren();
    // Appends pChild (not null), which the compound then owns: it takes the compound's chart and is
    // marked as a child.
    virtual void AddChild(DEDizedComponent* pChild);
    virtual int GetSetting(int nIndex) const;
    virtual void SetSetting(int nIndex, int nValue);
    virtual void MarkChildrenForRedraw();
    // Hooks around the children's drawing; bFull tells a full from a partial redraw.
    virtual void OnBeforeChildren(int bFull);
    virtual void OnAfterChildren(int bFull);

    // The inner rectangle of the last draw (settings 6 to 9).
    CRect GetInnerArea() const;

protected:
    CObList m_children;  // DEDizedComponent, owned
    int m_settings[settingCount];
};
