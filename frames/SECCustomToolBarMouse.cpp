// SECCustomToolBar: presses and clicks of buttons, hot tracking and the tracking mode of the menu bar.
#include "frames/SECCustomToolBar.h"

#include "frames/SECTBMenuBtn.h"
#include "frames/SECToolBarManager.h"
#include "win/AfxRes.h"
#include "win/WinServices.h"

namespace {

// The hot-tracking timer's period (ms).
const UINT kHotTrackPeriod = 100;

} // namespace

// ---- status line and notifications -----------------------------------------------------------------------

void SECCustomToolBar::SetStatusPrompt(UINT nID)
{
    if (CWnd* pOwner = GetOwner())
        pOwner->SendMessage(WM_SETMESSAGESTRING, nID);
}

void SECCustomToolBar::NotifyOwner(int nCode)
{
    CWnd* pOwner = GetOwner();
    if (pOwner == nullptr)
        return;
    SECTBNOTIFY notify = {};
    notify.tb.hdr.hwndFrom = m_hWnd;
    notify.tb.hdr.idFrom = UINT_PTR(GetDlgCtrlID());
    notify.tb.hdr.code = UINT(nCode);
    notify.nIndex = -1;
    pOwner->SendMessage(WM_NOTIFY, notify.tb.hdr.idFrom, reinterpret_cast<LPARAM>(&notify));
}

// ---- presses ---------------------------------------------------------------------------------------------

void SECCustomToolBar::PressButton(int nIndex, CPoint point)
{
    UpdateButton(nIndex);
    SECStdBtn* pBtn = GetBtn(nIndex);
    if (pBtn == nullptr || !pBtn->PressDown(point))
        return;
    m_nPressedBtn = nIndex;
    SetHotButton(-1);
    pBtn->Invalidate();
    SetCapture();
    SetStatusPrompt(pBtn->m_nID);
}

BOOL SECCustomToolBar::PressDragsButton() const
{
    return m_pManager != nullptr && (InCustomizeMode() || AfxGetServices()->GetKeyState(VK_MENU) < 0);
}

void SECCustomToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    const int nIndex = HitTest(point);
    const BOOL bAlt = AfxGetServices()->GetKeyState(VK_MENU) < 0;
    // a press beside the buttons, or on a disabled one, drags the bar; a customising press drags the
    // button, when the bar has a tool-bar manager
    if (nIndex < 0 || IsInCommand() ||
        (!InCustomizeMode() && !bAlt && m_btns[size_t(nIndex)]->HasStyle(TBBS_DISABLED))) {
        SECControlBar::OnLButtonDown(nFlags, point);
        return;
    }
    if (PressDragsButton()) {
        DragButton(nIndex, point);
        return;
    }
    PressButton(nIndex, point);
}

void SECCustomToolBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    const int nIndex = HitTest(point);
    if (nIndex >= 0 && PressDragsButton()) {
        // customising: the second press drags as the first did, it sends no command
        DragButton(nIndex, point);
        return;
    }
    if (nIndex < 0 || IsInCommand() || m_btns[size_t(nIndex)]->HasStyle(TBBS_DISABLED)) {
        SECControlBar::OnLButtonDblClk(nFlags, point);
        return;
    }
    PressButton(nIndex, point);
}

void SECCustomToolBar::OnMouseMove(UINT nFlags, CPoint point)
{
    SECStdBtn* pBtn = GetBtn(m_nPressedBtn);
    if (pBtn == nullptr) {
        UpdateHotButton();
        SECControlBar::OnMouseMove(nFlags, point);
        return;
    }
    if (GetCapture() != this) {
        CancelPressedButton();
        return;
    }
    const UINT nOldStyle = pBtn->GetStyle();
    pBtn->PressMove(point);
    if (pBtn->GetStyle() != nOldStyle)
        pBtn->Invalidate();
}

void SECCustomToolBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    const int nIndex = m_nPressedBtn;
    SECStdBtn* pBtn = GetBtn(nIndex);
    if (pBtn == nullptr) {
        SECControlBar::OnLButtonUp(nFlags, point);
        return;
    }
    m_nPressedBtn = -1;
    if (GetCapture() == this)
        ::ReleaseCapture();
    const UINT nCommand = pBtn->PressUp(point);
    SetStatusPrompt(AFX_IDS_IDLEMESSAGE);
    UpdateButton(nIndex);
    pBtn->Invalidate();
    if (nCommand == 0)
        return;
    // the command may change or destroy the bar: nothing of it is touched afterwards
    CWnd* pOwner = GetOwner();
    if (pOwner == nullptr)
        return;
    SECToolBarManager* pManager = m_pManager;
    if (pManager != nullptr) {
        CRect rect = pBtn->GetRect();
        ClientToScreen(rect);
        pManager->SetPressedBtnRect(rect);
    }
    SetInCommand(TRUE);
    pOwner->SendMessage(WM_COMMAND, nCommand);
    SetInCommand(FALSE);
    if (pManager != nullptr)
        pManager->ClearPressedBtnRect();
}

void SECCustomToolBar::CancelPressedButton()
{
    SECStdBtn* pBtn = GetBtn(m_nPressedBtn);
    m_nPressedBtn = -1;
    if (pBtn == nullptr)
        return;
    pBtn->PressCancel();
    if (GetCapture() == this)
        ::ReleaseCapture();
    SetStatusPrompt(AFX_IDS_IDLEMESSAGE);
}

void SECCustomToolBar::OnCancelMode()
{
    SECControlBar::OnCancelMode();
    CancelTracking();
    CancelPressedButton();
}

int SECCustomToolBar::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    if (InCustomizeMode() && IsDocked())
        return MA_NOACTIVATE;
    return SECControlBar::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

// ---- hot tracking ----------------------------------------------------------------------------------------

void SECCustomToolBar::SetHotButton(int nIndex)
{
    if (nIndex == m_nHotBtn)
        return;
    if (SECStdBtn* pOld = GetBtn(m_nHotBtn)) {
        pOld->SetStyle(pOld->GetStyle() & ~SEC_TBBS_HOT);
        pOld->Invalidate();
    }
    const BOOL bWasHot = m_nHotBtn >= 0;
    m_nHotBtn = -1;
    if (SECStdBtn* pNew = GetBtn(nIndex)) {
        m_nHotBtn = nIndex;
        pNew->SetStyle(pNew->GetStyle() | SEC_TBBS_HOT);
        pNew->Invalidate();
    }
    if (!bWasHot && m_nHotBtn >= 0)
        SetTimer(SEC_TIMER_HOTTRACK, kHotTrackPeriod, nullptr);
    else if (bWasHot && m_nHotBtn < 0)
        KillTimer(SEC_TIMER_HOTTRACK);
}

void SECCustomToolBar::UpdateHotButton()
{
    int nHot = -1;
    if (IsFlatLook() && ::GetActiveWindow() != nullptr && GetCapture() == nullptr && !IsInCommand() &&
        m_nPressedBtn < 0 && !m_bTracking) {
        CWinServices* pServices = AfxGetServices();
        POINT pt = {};
        if (pServices->GetCursorPos(&pt) && pServices->WindowFromPoint(pt) == m_hWnd) {
            CPoint point(pt);
            ScreenToClient(&point);
            const int nIndex = HitTest(point);
            if (nIndex >= 0 && !m_btns[size_t(nIndex)]->HasStyle(TBBS_DISABLED))
                nHot = nIndex;
        }
    }
    SetHotButton(nHot);
}

void SECCustomToolBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == SEC_TIMER_HOTTRACK)
        UpdateHotButton();
    else
        SECControlBar::OnTimer(nIDEvent);
}

// ---- tracking mode ---------------------------------------------------------------------------------------

BOOL SECCustomToolBar::IsTrackable(int nIndex) const
{
    const SECStdBtn* pBtn = GetBtn(nIndex);
    return pBtn != nullptr && !pBtn->HasStyle(TBBS_HIDDEN) &&
           (pBtn->m_nType == SECStdBtn::BtnMenu || pBtn->m_nType == SECStdBtn::BtnIconMenu);
}

void SECCustomToolBar::ReleaseTrackedButton()
{
    if (SECStdBtn* pBtn = GetBtn(m_nTrackedBtn)) {
        pBtn->SetStyle(pBtn->GetStyle() & ~(SEC_TBBS_HOT | TBBS_PRESSED));
        pBtn->Invalidate();
    }
    m_nTrackedBtn = -1;
}

void SECCustomToolBar::SetTrackedButton(int nIndex)
{
    SetHotButton(-1);
    ReleaseTrackedButton();
    if (SECStdBtn* pBtn = GetBtn(nIndex)) {
        m_nTrackedBtn = nIndex;
        pBtn->SetStyle(pBtn->GetStyle() | SEC_TBBS_HOT);
        pBtn->Invalidate();
    }
    m_bTracking = TRUE;
    NotifyOwner(SEC_TBN_TRACKSTART);
    SetStatusPrompt(0);
}

void SECCustomToolBar::EndTracking()
{
    m_bTracking = FALSE;
    NotifyOwner(SEC_TBN_TRACKEND);
    ReleaseTrackedButton();
    SetStatusPrompt(AFX_IDS_IDLEMESSAGE);
}

void SECCustomToolBar::CancelTracking()
{
    if (m_bTracking)
        EndTracking();
}

int SECCustomToolBar::NextTrackableButton(int nFrom, BOOL bNext) const
{
    const int nStep = bNext ? 1 : -1;
    int i = nFrom >= 0 ? nFrom + nStep : (bNext ? 0 : GetBtnCount() - 1);
    for (; i >= 0 && i < GetBtnCount(); i += nStep)
        if (IsTrackable(i))
            return i;
    return -1;
}

int SECCustomToolBar::FirstTrackableButton() const
{
    return NextTrackableButton(-1, TRUE);
}

int SECCustomToolBar::LastTrackableButton() const
{
    return NextTrackableButton(-1, FALSE);
}

void SECCustomToolBar::BeginDropDownTracking(SECStdBtn* pBtn, UINT_PTR nMenu, int nPos)
{
    const int nIndex = GetBtnIndex(pBtn);
    if (nIndex < 0)
        return;
    if (!m_bTracking || nIndex != m_nTrackedBtn)
        SetTrackedButton(nIndex);
    pBtn->SendNotification(SEC_TBN_DROPDOWN, INT32(nMenu), nPos);
}

BOOL SECCustomToolBar::FilterTrackingMouse(const MSG& msg)
{
    CPoint point(msg.pt);
    ScreenToClient(&point);
    const int nIndex = HitTest(point);
    if (msg.message == WM_MOUSEMOVE && nIndex != m_nTrackedBtn && IsTrackable(nIndex)) {
        if (SECTBMenuBtn* pMenuBtn = dynamic_cast<SECTBMenuBtn*>(m_btns[size_t(nIndex)])) {
            SetTrackedButton(nIndex);
            pMenuBtn->DropDown();
            return TRUE;
        }
    }
    if (msg.message == WM_LBUTTONDOWN && nIndex >= 0 && nIndex == m_nTrackedBtn) {
        m_btns[size_t(nIndex)]->SendNotification(SEC_TBN_TRACKAGAIN, 0, 0);
        return TRUE;
    }
    return FALSE;
}
