// DEDizedPosition: what lies under a window point of a chart: the displays whose plot (grown by 20
// pixels on every side) holds the point, and, for one display, the item index, group index, value and
// angle (or second value) the point stands for in that display's coordinates. A view makes one per hit
// test and deletes it.
//
// Hit kind: 0 nothing, 1 one display, 2 several (a list of them in chart order, which the position owns;
// not the displays). The flags word says what was resolved (the resolved* bits) and how it was measured
// (the measured* bits).
//
// Resolving against a display (Resolve) uses its plot rectangle, less the depth for the axis types drawn
// with depth, its effective window (n items from index k, m groups from group g) and its value range
// (minimum and width; on a logarithmic display the value is minimum x 10^(distance / (length / decades))).
// By graph type: the line-like types (0x01, 0x06, 0x18, 0x1f, 0x23, 0x24) the nearest point's item and
// the value (0x0e only the item); columns (0x07, 0x0b, 0x19, 0x1c, 0x1d, 0x2e) the column's item and the
// value; vertical bars (0x03, 0x0f) the column's item and the bar's group within it; horizontal bars
// (0x02, 0x10) the row's item and group and the value along x; 0x0c the row's item; floating bars (0x1e)
// the pair of groups; stacked types the item (0x25, 0x26, 0x2f, 0x30) or the group (0x27, 0x28, 0x31,
// 0x32) under the point; radar types the slice's item and the value from the centre. The XY, bubble and
// vector types (the y value, and the x value as the angle) and the polar types (the magnitude from the
// centre, and the angle in degrees clockwise from the top, taken into 0 up to 360 as the circle's angle
// labels read: a point up and to the left reads 315, not -45) read the point as their display
// draws it, on its own view ranges (the zoomed ones after a zoom; DEDizedDisplay::ValuesAt and
// PolarValuesAt), and resolve no value on a display of another class or with an empty view.
// Pies, perspective and the types without a routine resolve nothing; any other code goes to the empty
// hook ResolveOther.
#pragma once

#include "core/Core.h"
#include "win/CRect.h"

class CWnd;
class DEDized;
class DEDizedComponent;
class SRGDisplayBase;

class DEDizedPosition : public CObject {
    DECLARE_DYNAMIC(DEDizedPosition)
public:
    enum { hitNone = 0, hitOne = 1, hitSeveral = 2 };
    enum {
        resolvedValue = 0x10,
        resolvedAngle = 0x20,
        resolvedGroup = 0x40,
        resolvedItem = 0x80,
        measuredVerticalCategories = 0x10000,
        measuredSecondValue = 0x20000,
        measuredPolar = 0x40000,
    };
    // How near a display's plot a point must lie to hit it, in pixels.
    static const int kHitMargin = 20;

    // Finds the displays of pChart (not null) under (x, y) and resolves the point against the first.
    DEDizedPosition(DEDized* pChart, int x, int y, CWnd* pView);
    // Deletes the list of several displays (not the displays).
    ~DEDizedPosition() override;
    DEDizedPosition(const DEDizedPosition&) = delete;
    DEDizedPosition& operator=(const DEDizedPosition&) = delete;

    virtual void SetPoint(int x, int y);
    virtual int HasValue() const;
    virtual int HasAngle() const;
    virtual int HasItemIndex() const;
    virtual int HasGroupIndex() const;
    // The hook of graph types this class does not resolve. Nothing here.
    virtual void ResolveOther(SRGDisplayBase* pDisplay);
    // Resolves the point against pComponent when it is a display (see the top of this file).
    virtual void Resolve(DEDizedComponent* pComponent);
    // Resolves against the single display (kind 1) or the n-th of the list (kind 2).
    virtual void ResolveNth(int n);
    virtual int GetHitKind() const;
    // How the result was measured: the measured* bits of the flags word.
    virtual int GetResultGroup() const;
    virtual void SetHitKind(int nKind);
    virtual void SetGroupIndex(int nGroup);
    virtual int GetGroupIndex() const;
    virtual void SetItemIndex(int nItem);
    virtual int GetItemIndex() const;
    virtual void SetAngle(double dAngle);
    virtual void SetValue(double dValue);
    virtual double GetAngle() const;
    virtual double GetValue() const;
    // The list of displays for kind 2, else null.
    virtual CPtrList* GetDisplayList() const;
    // The display for kind 1, the list's first for kind 2, else null.
    virtual DEDizedComponent* GetFirstDisplay() const;

    int GetFlags() const { return m_nFlags; }
    CPoint GetPoint() const { return CPoint(m_x, m_y); }

private:
    int m_nGroup;
    int m_nItem;
    double m_dValue;
    double m_dAngle;
    DEDized* m_pChart;
    int m_nFlags;
    void* m_pHit;  // a display (kind 1) or a CPtrList of them (kind 2, owned)
    CWnd* m_pView;
    int m_x;
    int m_y;
};
