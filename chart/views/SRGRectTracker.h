// SRGRectTracker: a rectangle tracker (CRectTracker) that tells its owner window about each step of a
// track: before the base adjusts a proposed rectangle it sends the owner kAdjustMessage with the handle
// and the address of the rectangle (the owner may change it, snapping it to a grid), and before the
// base's OnChangedRect it sends kChangedMessage. Without an owner it is a plain tracker.
#pragma once

#include "win/Win.h"

#include <windows.h>

class SRGRectTracker : public CRectTracker {
public:
    // WPARAM the handle, LPARAM the LPRECT of the proposal.
    static constexpr UINT kAdjustMessage = WM_USER + 16;
    // WPARAM and LPARAM 0.
    static constexpr UINT kChangedMessage = WM_USER + 15;

    // pOwner: the window told (may be null).
    explicit SRGRectTracker(CWnd* pOwner);

    void AdjustRect(int nHandle, LPRECT lpRect) override;
    void OnChangedRect(const CRect& rectOld) override;

    CWnd* GetOwner() const { return m_pOwner; }
    void SetOwner(CWnd* pOwner) { m_pOwner = pOwner; }

private:
    CWnd* m_pOwner;
};
