#include "chart/views/dialogs/SRGTreeCtrl.h"

IMPLEMENT_DYNAMIC(SRGTreeCtrl, CTreeCtrl)

BEGIN_MESSAGE_MAP(SRGTreeCtrl, CTreeCtrl)
    ON_WM_MOUSEMOVE()
    AFX_MSG_ENTRY(WM_LBUTTONDOWN, p_->OnButtonDown(UINT(c_.wParam), AFX_LP_POINT))
    AFX_MSG_ENTRY(WM_RBUTTONDOWN, p_->OnButtonDown(UINT(c_.wParam), AFX_LP_POINT))
END_MESSAGE_MAP()

SRGTreeCtrl::SRGTreeCtrl() : m_ptCursor(0, 0), m_hCurrent(nullptr) {}

void SRGTreeCtrl::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    ClientToScreen(&point);
    m_ptCursor = point;
    Default();
}

void SRGTreeCtrl::OnButtonDown(UINT /*nFlags*/, CPoint point)
{
    m_hCurrent = HitTest(point);
    Default();
}
