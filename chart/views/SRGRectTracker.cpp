#include "chart/views/SRGRectTracker.h"

SRGRectTracker::SRGRectTracker(CWnd* pOwner) : m_pOwner(pOwner)
{
}

void SRGRectTracker::AdjustRect(int nHandle, LPRECT lpRect)
{
    if (m_pOwner != nullptr && m_pOwner->m_hWnd != nullptr)
        m_pOwner->SendMessage(kAdjustMessage, WPARAM(nHandle), reinterpret_cast<LPARAM>(lpRect));
    CRectTracker::AdjustRect(nHandle, lpRect);
}

void SRGRectTracker::OnChangedRect(const CRect& rectOld)
{
    if (m_pOwner != nullptr && m_pOwner->m_hWnd != nullptr)
        m_pOwner->SendMessage(kChangedMessage, 0, 0);
    CRectTracker::OnChangedRect(rectOld);
}
