#include "chart/views/dialogs/WizardControls.h"

#include "chart/views/dialogs/ChartEntryList.h"

// ---- SRGDragListBox ------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(SRGDragListBox, CDragListBox)

BEGIN_MESSAGE_MAP(SRGDragListBox, CDragListBox)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

SRGDragListBox::SRGDragListBox() = default;

void SRGDragListBox::Dropped(int nSrcIndex, CPoint pt)
{
    DrawInsert(-1);
    MoveBy(nSrcIndex, ItemFromPt(pt, FALSE));
}

void SRGDragListBox::MoveBy(int a, int b)
{
    const int nCount = GetCount();
    if (a < 0 || b < 0 || a >= nCount - 1 || b >= nCount || b == a || b == a + 1)
        return;
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(kMoveMessage, WPARAM(a), LPARAM(b));
    const int nAt = MoveEntry(a, b);
    if (nAt >= 0)
        SetCurSel(nAt);
}

void SRGDragListBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const bool bShift = (AfxGetServices()->GetKeyState(VK_SHIFT) & 0x8000) != 0;
    const int nSelected = GetCurSel();
    if (bShift && nSelected >= 0 && (nChar == VK_UP || nChar == VK_DOWN)) {
        // down: before the entry after the next one, so the end mark stays last
        MoveBy(nSelected, nChar == VK_UP ? nSelected - 1 : nSelected + 2);
        return;
    }
    CDragListBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

int SRGDragListBox::MoveEntry(int nFrom, int nTo)
{
    return ChartEntryList::Move(*this, nFrom, nTo);
}

void SRGDragListBox::ReplaceData(DWORD_PTR dwOld, DWORD_PTR dwNew)
{
    ChartEntryList::ReplaceData(*this, dwOld, dwNew);
}

void SRGDragListBox::DeleteByData(DWORD_PTR dwData)
{
    ChartEntryList::DeleteByData(*this, dwData);
}

DWORD_PTR SRGDragListBox::GetSelectedData()
{
    return ChartEntryList::SelectedData(*this);
}

int SRGDragListBox::RenameEntry(int nIndex, LPCSTR lpszText)
{
    if (nIndex == GetCount() - 1)
        return 0;
    return ChartEntryList::Rename(*this, nIndex, lpszText) ? 1 : 0;
}

int SRGDragListBox::AddEntry(LPCSTR lpszText, DWORD_PTR dwData)
{
    return ChartEntryList::Add(*this, lpszText, dwData);
}

// ---- SRGToolTipCtrl ------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(SRGToolTipCtrl, CToolTipCtrl)

SRGToolTipCtrl::SRGToolTipCtrl() = default;

BOOL SRGToolTipCtrl::AddControlTip(CWnd* pParent, int nID, UINT nIDText)
{
    if (m_hWnd == nullptr || pParent == nullptr || pParent->m_hWnd == nullptr)
        return FALSE;
    CWnd* pControl = pParent->GetDlgItem(nID);
    return pControl != nullptr && AddTool(pControl, nIDText);
}
