// The combo cell's drop-down list: the pop-up window (CGXGridCombo), its list (CGXComboListBox), the
// opening and closing and the messages between list and control (see GXComboBox.h).
#include "grid/controls/GXComboBox.h"

#include "grid/controls/GXListBox.h"
#include "grid/controls/GXPopupScope.h"

#include "grid/engine/GXChoiceList.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXFlagScope.h"
#include "grid/engine/GXFont.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXStyle.h"
#include "win/Win.h"

#include <algorithm>
#include <cstdlib>

// ---- the list ---------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXComboListBox, CListBox)

BEGIN_MESSAGE_MAP(CGXComboListBox, CListBox)
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_SYSKEYDOWN()
    ON_WM_SYSKEYUP()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_ERASEBKGND()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

void CGXComboListBox::Notify(UINT nMessage, LPARAM lParam)
{
    if (m_pOwnerWnd != nullptr && m_pOwnerWnd->m_hWnd != nullptr)
        m_pOwnerWnd->SendMessage(nMessage, 0, lParam);
}

void CGXComboListBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_nKeyDownCount++ == 0)
        m_nStartSel = GetCurSel();
    CListBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CGXComboListBox::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_nKeyDownCount == 0) {
        CListBox::OnKeyUp(nChar, nRepCnt, nFlags);
        return;
    }
    switch (nChar) {
    case VK_TAB:
        if (m_pOwnerWnd != nullptr) {
            m_pOwnerWnd->PostMessage(WM_KEYDOWN, VK_TAB, MAKELPARAM(1, 0));
            m_pOwnerWnd->PostMessage(WM_KEYUP, VK_TAB, MAKELPARAM(1, 0xC000));
        }
        break;
    case VK_RETURN:
        Notify(GX_WM_COMBO_CHOOSE);
        break;
    case VK_ESCAPE:
        Notify(GX_WM_COMBO_CLOSEUP, FALSE);
        break;
    default:
        if (GetCurSel() != m_nStartSel) {
            m_nStartSel = GetCurSel();
            Notify(GX_WM_COMBO_SELCHANGE);
        }
        break;
    }
}

void CGXComboListBox::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    m_bKeyboardUsed = TRUE;
    m_nKeyDownCount++;
    CListBox::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void CGXComboListBox::OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_DOWN && m_nKeyDownCount > 0)
        Notify(GX_WM_COMBO_CLOSEUP, FALSE);
    else
        CListBox::OnSysKeyUp(nChar, nRepCnt, nFlags);
}

void CGXComboListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_bMousePressed = TRUE;
    m_nStartSel = GetCurSel();
    CListBox::OnLButtonDown(nFlags, point);
}

void CGXComboListBox::OnLButtonUp(UINT nFlags, CPoint point)
{
    CListBox::OnLButtonUp(nFlags, point);
    if (m_bMousePressed && GetCurSel() != LB_ERR) {
        m_bMousePressed = FALSE;
        Notify(GX_WM_COMBO_CHOOSE);
    }
}

BOOL GXEraseWithParentListBrush(CWnd* pList, CDC* pDC)
{
    CWnd* pParent = pList->GetParent();
    const HBRUSH hBrush =
        pParent != nullptr ? HBRUSH(pParent->SendMessage(WM_CTLCOLORLISTBOX, WPARAM(pDC->m_hDC), LPARAM(pList->m_hWnd)))
                           : nullptr;
    if (hBrush == nullptr)
        return FALSE;
    CRect rect;
    pList->GetClientRect(&rect);
    ::FillRect(pDC->m_hDC, &rect, hBrush);
    return TRUE;
}

BOOL CGXComboListBox::OnEraseBkgnd(CDC* pDC)
{
    return GXEraseWithParentListBrush(this, pDC) || CListBox::OnEraseBkgnd(pDC);
}

void CGXComboListBox::OnKillFocus(CWnd* pNewWnd)
{
    CListBox::OnKillFocus(pNewWnd);
    if (m_pOwnerWnd != nullptr && m_pOwnerWnd->m_hWnd != nullptr)
        m_pOwnerWnd->PostMessage(GX_WM_COMBO_KILLFOCUS, 0, 0);
}

// ---- the pop-up -------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXGridCombo, CWnd)

BEGIN_MESSAGE_MAP(CGXGridCombo, CWnd)
    ON_WM_CTLCOLOR()
    ON_WM_ERASEBKGND()
    ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

CGXGridCombo::~CGXGridCombo()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
    delete m_pListBox;
}

BOOL CGXGridCombo::CreatePopup(const CRect& rect)
{
    const PopupOpeningScope popupOpening;
    return CreateEx(WS_EX_TOOLWINDOW, "GXWND", nullptr, WS_POPUP | WS_VISIBLE, rect.left - 1, rect.top,
                    rect.Width() + 1, rect.Height(), nullptr, nullptr);
}

void CGXGridCombo::SetColors(COLORREF clrText, COLORREF clrBack)
{
    m_brush.DeleteObject();
    m_brush.CreateSolidBrush(clrBack);
    m_clrText = clrText;
    m_clrBack = clrBack;
    m_bCustomColors = TRUE;
}

HBRUSH CGXGridCombo::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (!m_bCustomColors)
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    pDC->SetTextColor(m_clrText);
    pDC->SetBkColor(m_clrBack);
    return HBRUSH(m_brush.m_hObject);
}

BOOL CGXGridCombo::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_pListBox != nullptr && HWND(lParam) == m_pListBox->m_hWnd && m_pOwner != nullptr && m_pOwner->m_hWnd != nullptr)
        return BOOL(m_pOwner->SendMessage(WM_COMMAND, wParam, lParam));
    return CWnd::OnCommand(wParam, lParam);
}

void CGXGridCombo::OnSysCommand(UINT, LPARAM) {}

BOOL CGXGridCombo::OnEraseBkgnd(CDC* pDC)
{
    // a list of whole items leaves a strip of the pop-up below it
    CRect rect;
    GetClientRect(&rect);
    ::FillRect(pDC->m_hDC, &rect, m_bCustomColors ? HBRUSH(m_brush.m_hObject) : ::GetSysColorBrush(COLOR_WINDOW));
    return TRUE;
}

// ---- the combo's list -----------------------------------------------------------------------------

CGXGridCombo* CGXComboBox::CreatePopup(const CRect& rect)
{
    CGXGridCombo* pPopup = new CGXGridCombo(this);
    if (!pPopup->CreatePopup(rect)) {
        delete pPopup;
        return nullptr;
    }
    return pPopup;
}

CListBox* CGXComboBox::CreateListBox(CWnd* pParent, UINT nID)
{
    CRect rect;
    pParent->GetClientRect(&rect);
    rect.DeflateRect(1, 0);
    CGXComboListBox* pList = new CGXComboListBox(this);
    if (!pList->CreateEx(0, "COMBOLBOX", nullptr, ListStyle() | WS_CHILD | WS_VISIBLE | WS_BORDER, rect, pParent, nID)) {
        delete pList;
        return nullptr;
    }
    return pList;
}

BOOL CGXComboBox::IsDroppedDown() const
{
    return m_pDropDownWnd != nullptr;
}

void CGXComboBox::FillList(CListBox* pList)
{
    const CGXStyle& style = CGXControl::GetStyle();
    if (m_bFillChoiceList && style.GetIncludeChoiceList()) {
        CString strList(style.GetChoiceListRef()), strLine;
        while (!strList.IsEmpty()) {
            ExtractFirstLine(strList, strLine);
            pList->AddString(strLine);
        }
    }
    CString strText;
    if (m_bActive)
        GetWindowText(strText);
    else if (style.GetIncludeValue())
        strText = style.GetValueRef();
    if ((m_nOptions & gxComboTextFit) != 0 || ((m_nOptions & gxComboDispChoice) != 0 && m_bActive)) {
        GXSelectListEntry(pList, strText);
    } else if ((m_nOptions & gxComboZeroBased) != 0) {
        pList->SetCurSel(std::atoi(strText));
    } else if ((m_nOptions & gxComboOneBased) != 0) {
        pList->SetCurSel(std::atoi(strText) - 1);
    } else {
        pList->SelectString(-1, strText);
    }
}

void CGXComboBox::CalcDropRect(CRect& rectDrop, const CRect& rectCell)
{
    const CGXGridParam* pParam = m_pGrid->GetParam();
    const int nHeight = pParam != nullptr ? pParam->GetControlOptions().nDropDownHeight : 150;
    rectDrop.SetRect(rectCell.left, rectCell.bottom, rectCell.right, rectCell.bottom + nHeight);
}

void CGXComboBox::DropDown(BOOL bShow)
{
    if (!bShow) {
        if (IsDroppedDown())
            SendMessage(GX_WM_COMBO_CLOSEUP, 0, FALSE);
        return;
    }
    if (IsDroppedDown())
        return;
    const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
    const PopupOpeningScope popupOpening;
    CRect rectCell, rectScreen;
    CListBox* pList = OpenList(rectCell, rectScreen);
    if (pList != nullptr)
        PlaceList(pList, rectCell, rectScreen);
}

void CGXComboBox::PlaceList(CListBox* pList, const CRect& rectCell, const CRect& rectScreen)
{
    CRect rectDrop;
    CalcDropRect(rectDrop, rectCell);
    FitDropRect(rectDrop, rectCell, rectScreen, pList, 0);
    rectDrop.IntersectRect(rectDrop, rectScreen);
    ShowList(pList, rectDrop);
}

CListBox* CGXComboBox::OpenList(CRect& rectCell, CRect& rectScreen)
{
    CWnd* pGridWnd = GridWnd();
    if (pGridWnd == nullptr || !m_bInit)
        return nullptr;
    m_pGrid->m_bListDropped = TRUE;
    const CGXStyle& style = CGXControl::GetStyle();
    rectCell = CGXControl::GetCellRect(m_nRow, m_nCol);
    pGridWnd->ClientToScreen(&rectCell);
    CWnd::GetDesktopWindow()->GetClientRect(&rectScreen);
    m_pDropDownWnd = CreatePopup(CRect(rectCell.left, rectCell.bottom, rectCell.right, rectCell.bottom + 1));
    if (m_pDropDownWnd == nullptr) {
        m_pGrid->m_bListDropped = FALSE;
        return nullptr;
    }
    CListBox* pList = CreateListBox(m_pDropDownWnd, m_nListBoxID);
    m_pDropDownWnd->m_pListBox = pList;
    if (pList == nullptr) {
        ClosePopup();
        return nullptr;
    }
    LOGFONTA lf;
    style.GetFontRef().GetZoomedLogFont(lf, m_pGrid->GetZoom());
    m_fontList.DeleteObject();
    m_fontList.CreateFontIndirect(&lf);
    pList->SetFont(&m_fontList);
    if (m_pGrid->IsPrintingBlackWhite())
        m_pDropDownWnd->SetColors(RGB(0, 0, 0), RGB(255, 255, 255));
    else
        m_pDropDownWnd->SetColors(style.GetTextColor(), style.GetInterior().GetColor());
    FillList(pList);
    return pList;
}

BOOL CGXComboBox::FitDropRect(CRect& rectDrop, const CRect& rectCell, const CRect& rectScreen, CListBox* pList,
                              int nExtraHeight)
{
    const int nItemHeight = std::max(pList->GetItemHeight(0), 1);
    const int nFit = pList->GetCount() * nItemHeight + nItemHeight / 2;
    if (nFit < rectDrop.Height())
        rectDrop.bottom = rectDrop.top + nFit;
    if (rectDrop.right > rectScreen.right)
        rectDrop.OffsetRect(rectCell.right - rectDrop.right, 0);
    if (rectDrop.bottom + nExtraHeight <= rectScreen.bottom)
        return FALSE;
    rectDrop.OffsetRect(0, rectCell.top - rectDrop.bottom);
    return TRUE;
}

void CGXComboBox::ShowList(CListBox* pList, const CRect& rectDrop)
{
    m_pDropDownWnd->SetWindowPos(&CWnd::wndTopMost, rectDrop.left - 1, rectDrop.top, rectDrop.Width() + 1,
                                 rectDrop.Height(), SWP_SHOWWINDOW);
    CRect rectList;
    m_pDropDownWnd->GetClientRect(&rectList);
    pList->MoveWindow(&rectList);
    pList->SetFocus();
    if (pList->GetCurSel() == LB_ERR)
        pList->SetCurSel(0);
    pList->SetTopIndex(std::max(pList->GetCurSel(), 0));
}

void CGXComboBox::DestroyPopup(CGXGridCombo* pPopup)
{
    delete pPopup;
    m_fontList.DeleteObject();
}

void CGXComboBox::ClosePopup()
{
    if (m_pDropDownWnd == nullptr)
        return;
    m_pGrid->m_bListDropped = FALSE;
    CGXGridCombo* pPopup = m_pDropDownWnd;
    m_pDropDownWnd = nullptr;
    const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
    DestroyPopup(pPopup);
}

BOOL CGXComboBox::FocusInPopup() const
{
    const HWND hFocus = ::GetFocus();
    return m_pDropDownWnd != nullptr && hFocus != nullptr &&
           (hFocus == m_pDropDownWnd->m_hWnd || ::IsChild(m_pDropDownWnd->m_hWnd, hFocus));
}

void CGXComboBox::TakeListSelection(CListBox* pList)
{
    const int nSel = pList != nullptr ? pList->GetCurSel() : LB_ERR;
    if (nSel == LB_ERR)
        return;
    CString strText;
    if ((m_nOptions & gxComboZeroBased) != 0)
        strText.Format("%d", nSel);
    else if ((m_nOptions & gxComboOneBased) != 0)
        strText.Format("%d", nSel + 1);
    else
        pList->GetText(nSel, strText);
    if (!m_bActive)
        SetActive(TRUE);
    SetCurrentText(strText);
    SetSel(0, -1);
    SetModify(TRUE);
    if (m_bLiveValue)
        Refresh();
    else
        Invalidate();
}

// ---- messages from the list -----------------------------------------------------------------------

LRESULT CGXComboBox::OnListChoose(WPARAM, LPARAM)
{
    if (m_pDropDownWnd == nullptr)
        return 0;
    CWnd* pGridWnd = GridWnd();
    const HWND hFocus = ::GetFocus();
    const BOOL bRefocus = FocusInPopup() || (pGridWnd != nullptr && hFocus == pGridWnd->m_hWnd);
    {
        const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
        m_pGrid->m_bListDropped = FALSE;
        if (!IsReadOnlyCell())
            TakeListSelection(GetListBox());
        ClosePopup();
    }
    OnModifyCell();
    if (bRefocus)
        SetFocus();
    return 0;
}

LRESULT CGXComboBox::OnListCloseUp(WPARAM, LPARAM lParam)
{
    if (m_pDropDownWnd == nullptr)
        return 0;
    ClosePopup();
    if (lParam) {
        {
            const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
            SetFocus();
        }
        if (GetModify())
            OnModifyCell();
        return 0;
    }
    // the choice is dropped: the cell shows its stored value again
    if (CWnd* pGridWnd = GridWnd()) {
        const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
        if (::GetFocus() == nullptr || ::GetFocus() == m_hWnd)
            pGridWnd->SetFocus();
    }
    SetModify(FALSE);
    SetActive(FALSE);
    Refresh();
    return 0;
}

LRESULT CGXComboBox::OnListSelChange(WPARAM, LPARAM)
{
    if (m_pDropDownWnd != nullptr && !IsReadOnlyCell()) {
        TakeListSelection(GetListBox());
        OnModifyCell();
    }
    return 0;
}

LRESULT CGXComboBox::OnListKillFocus(WPARAM, LPARAM)
{
    if (m_pDropDownWnd == nullptr || FocusInPopup())
        return 0;
    CWnd* pGridWnd = GridWnd();
    const HWND hFocus = ::GetFocus();
    if (hFocus == nullptr) {
        SendMessage(GX_WM_COMBO_CLOSEUP, 0, FALSE);
    } else if (pGridWnd != nullptr && hFocus != pGridWnd->m_hWnd && !::IsChild(pGridWnd->m_hWnd, hFocus)) {
        {
            const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
            pGridWnd->SetFocus();
        }
        SendMessage(GX_WM_COMBO_CLOSEUP, 0, FALSE);
        ::SetFocus(hFocus);
    }
    return 0;
}
