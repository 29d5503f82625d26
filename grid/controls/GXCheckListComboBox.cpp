// CGXCheckListComboBox: the check-list combo cell and its list (see GXCheckListComboBox.h).
#include "grid/controls/GXCheckListComboBox.h"

#include "grid/controls/GXControls.h"

#include "grid/engine/GXChoiceList.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXFlagScope.h"
#include "grid/engine/GXStyle.h"
#include "win/Win.h"

#include <cstdlib>

// ---- the list ---------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXCheckListComboLBox, CCheckListBox)

BEGIN_MESSAGE_MAP(CGXCheckListComboLBox, CCheckListBox)
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_SYSKEYDOWN()
    ON_WM_SYSKEYUP()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_ERASEBKGND()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

void CGXCheckListComboLBox::Choose()
{
    if (m_pOwnerWnd != nullptr && m_pOwnerWnd->m_hWnd != nullptr)
        m_pOwnerWnd->SendMessage(GX_WM_COMBO_CHOOSE);
}

void CGXCheckListComboLBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    m_bKeyboardUsed = TRUE;
    m_bKeyDown = TRUE;
    m_nStartSel = GetCurSel();
    CCheckListBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CGXCheckListComboLBox::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bKeyDown) {
        CCheckListBox::OnKeyUp(nChar, nRepCnt, nFlags);
        return;
    }
    if (nChar == VK_TAB && m_pOwnerWnd != nullptr) {
        m_pOwnerWnd->PostMessage(WM_KEYDOWN, VK_TAB, MAKELPARAM(1, 0));
        m_pOwnerWnd->PostMessage(WM_KEYUP, VK_TAB, MAKELPARAM(1, 0xC000));
    }
    if (nChar == VK_TAB || nChar == VK_RETURN || nChar == VK_ESCAPE)
        Choose();
}

void CGXCheckListComboLBox::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    m_bKeyboardUsed = TRUE;
    m_bKeyDown = TRUE;
    CCheckListBox::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void CGXCheckListComboLBox::OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_DOWN && m_bKeyDown)
        Choose();
    else
        CCheckListBox::OnSysKeyUp(nChar, nRepCnt, nFlags);
}

void CGXCheckListComboLBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_bMousePressed = TRUE;
    m_nStartSel = GetCurSel();
    CCheckListBox::OnLButtonDown(nFlags, point);
}

void CGXCheckListComboLBox::OnLButtonUp(UINT nFlags, CPoint point)
{
    CCheckListBox::OnLButtonUp(nFlags, point);
    m_bMousePressed = FALSE;
}

BOOL CGXCheckListComboLBox::OnEraseBkgnd(CDC* pDC)
{
    return GXEraseWithParentListBrush(this, pDC) || CCheckListBox::OnEraseBkgnd(pDC);
}

void CGXCheckListComboLBox::OnKillFocus(CWnd* pNewWnd)
{
    CCheckListBox::OnKillFocus(pNewWnd);
    if (m_pOwnerWnd != nullptr && m_pOwnerWnd->m_hWnd != nullptr)
        m_pOwnerWnd->PostMessage(GX_WM_COMBO_KILLFOCUS);
}

// ---- the control ------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXCheckListComboBox, CGXComboBox)
GX_IMPLEMENT_CONTROL(CGXCheckListComboBox, CGXComboBox)

BEGIN_MESSAGE_MAP(CGXCheckListComboBox, CGXComboBox)
    ON_WM_SETFOCUS()
    ON_MESSAGE(GX_WM_COMBO_CHOOSE, OnListChoose)
    ON_MESSAGE(GX_WM_COMBO_CLOSEUP, OnListChoose)
    ON_MESSAGE(GX_WM_COMBO_SELCHANGE, OnListSelChange)
    ON_MESSAGE(GX_WM_COMBO_KILLFOCUS, OnListKillFocus)
END_MESSAGE_MAP()

CGXCheckListComboBox::CGXCheckListComboBox(CGXGridCore* pGrid, UINT nEditID, UINT nListBoxID)
    : CGXComboBox(pGrid, nEditID, nListBoxID, gxComboFreeText)
{
}

void CGXCheckListComboBox::SetActive(BOOL) {}

BOOL CGXCheckListComboBox::GetControlText(CString& strResult, ROWCOL, ROWCOL, const char*, const CGXStyle& style)
{
    strResult.Empty();
    if (style.GetIncludeChoiceList())
        GetChoiceListItem(strResult, style.GetChoiceListRef(), 0);
    return TRUE;
}

BOOL CGXCheckListComboBox::OnLButtonUp(UINT nFlags, CPoint point)
{
    return CGXControl::OnLButtonUp(nFlags, point);
}

BOOL CGXCheckListComboBox::ProcessKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags)
{
    return nMessage == WM_SYSKEYDOWN && CGXComboBox::ProcessKeyMessage(nMessage, nChar, nRepCnt, nFlags);
}

DWORD CGXCheckListComboBox::CalcEditStyle(CRect& rectFormat, int nLineHeight)
{
    return CGXComboBox::CalcEditStyle(rectFormat, nLineHeight) | ES_READONLY;
}

CListBox* CGXCheckListComboBox::CreateListBox(CWnd* pParent, UINT nID)
{
    CRect rect;
    pParent->GetClientRect(&rect);
    rect.DeflateRect(1, 0);
    CGXCheckListComboLBox* pList = new CGXCheckListComboLBox(this);
    if (!pList->Create(ListStyle() | WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_HASSTRINGS, rect, pParent, nID)) {
        delete pList;
        return nullptr;
    }
    return pList;
}

void CGXCheckListComboBox::FillList(CListBox* pList)
{
    const CGXStyle& style = CGXControl::GetStyle();
    m_nCount = 0;
    if (!style.GetIncludeChoiceList())
        return;
    CString strList(style.GetChoiceListRef()), strLine;
    ExtractFirstLine(strList, strLine);  // the caption
    while (!strList.IsEmpty() && m_nCount < gxMaxChoices) {
        ExtractFirstLine(strList, strLine);
        pList->AddString(strLine);
        m_nCount++;
    }
    if (!style.GetIncludeValue())
        return;
    const unsigned long nMask = std::strtoul(style.GetValueRef(), nullptr, 10);
    CCheckListBox* pCheckList = static_cast<CCheckListBox*>(pList);
    for (int i = 0; i < m_nCount; ++i)
        pCheckList->SetCheck(i, (nMask >> i) & 1 ? 1 : 0);
}

void CGXCheckListComboBox::TakeListSelection(CListBox* pList)
{
    if (pList == nullptr)
        return;
    const CGXStyle& style = CGXControl::GetStyle();
    const unsigned long nOldMask =
        style.GetIncludeValue() ? std::strtoul(style.GetValueRef(), nullptr, 10) & 0xFFFFFFFFul : 0;
    CCheckListBox* pCheckList = static_cast<CCheckListBox*>(pList);
    unsigned long nMask = 0;
    for (int i = 0; i < m_nCount && i < gxMaxChoices; ++i)
        if (pCheckList->GetCheck(i) == 1)
            nMask |= 1ul << i;
    if (nMask == nOldMask)
        return;
    SetModify(TRUE);
    CString strValue;
    if (nMask != 0)
        strValue.Format("%lu", nMask);
    m_pGrid->ApplyValueToRange(CGXCellRange(m_nRow, m_nCol, m_nRow, m_nCol), strValue, CGXStyle::gxOverride,
                               m_pGrid->m_nStyleKind, 2);
}

LRESULT CGXCheckListComboBox::OnListChoose(WPARAM, LPARAM)
{
    if (m_pDropDownWnd == nullptr)
        return 0;
    CWnd* pGridWnd = GridWnd();
    const BOOL bRefocus = FocusInPopup() || (pGridWnd != nullptr && ::GetFocus() == pGridWnd->m_hWnd);
    {
        const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
        m_pGrid->m_bListDropped = FALSE;
        if (!IsReadOnlyCell())
            TakeListSelection(GetListBox());
        ClosePopup();
        if (bRefocus && pGridWnd != nullptr)
            pGridWnd->SetFocus();
    }
    OnModifyCell();
    SetModify(FALSE);
    CGXComboBox::SetActive(FALSE);
    Refresh();
    return 0;
}

LRESULT CGXCheckListComboBox::OnListSelChange(WPARAM, LPARAM)
{
    return 0;
}

LRESULT CGXCheckListComboBox::OnListKillFocus(WPARAM, LPARAM)
{
    CWnd* pGridWnd = GridWnd();
    const HWND hFocus = ::GetFocus();
    if (m_pDropDownWnd != nullptr && !FocusInPopup() &&
        (hFocus == nullptr || (pGridWnd != nullptr && hFocus != pGridWnd->m_hWnd && !::IsChild(pGridWnd->m_hWnd, hFocus))))
        OnListChoose(0, 0);
    return 0;
}

void CGXCheckListComboBox::OnSetFocus(CWnd* pOldWnd)
{
    CGXComboBox::OnSetFocus(pOldWnd);
    if (CWnd* pParent = GetParent())
        pParent->SetFocus();
}

// ---- the factory -------------------------------------------------------------------------------------

CGXControl* GXCreateCheckListComboBox(CGXGridCore* pGrid, const GXControlEntry& entry)
{
    return new CGXCheckListComboBox(pGrid, entry.nId, entry.nId);
}
