#include "win/CCheckListBox.h"

#include "win/CDC.h"

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

BEGIN_MESSAGE_MAP(CCheckListBox, CListBox)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(LB_ADDSTRING, OnAddString)
    ON_MESSAGE(LB_INSERTSTRING, OnInsertString)
    ON_MESSAGE(LB_DELETESTRING, OnDeleteString)
    ON_MESSAGE(LB_RESETCONTENT, OnResetContent)
END_MESSAGE_MAP()

namespace {

const int kBoxSize = 13; // the check box's side in pixels

} // namespace

CCheckListBox::CCheckListBox() = default;

CCheckListBox::~CCheckListBox() = default;

BOOL CCheckListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CListBox::Create(dwStyle, rect, pParentWnd, nID);
}

BOOL CCheckListBox::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style = LONG((DWORD(cs.style) & ~DWORD(LBS_OWNERDRAWVARIABLE)) | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS);
    return CListBox::PreCreateWindow(cs);
}

int CCheckListBox::GetCheck(int nIndex) const
{
    return nIndex >= 0 && size_t(nIndex) < m_checks.size() ? m_checks[size_t(nIndex)] : 0;
}

void CCheckListBox::SetCheck(int nIndex, int nCheck)
{
    const int nCount = GetCount();
    if (nIndex < 0 || nIndex >= nCount)
        AfxThrowInvalidArgFormat("CCheckListBox::SetCheck: item %d outside 0..%d", nIndex, nCount - 1);
    if (nCheck < 0 || nCheck > 2)
        AfxThrowInvalidArgFormat("CCheckListBox::SetCheck: check state %d is not 0, 1 or 2", nCheck);
    m_checks.resize(size_t(nCount));
    m_checks[size_t(nIndex)] = nCheck;
    CRect rcItem;
    if (GetItemRect(nIndex, &rcItem) != LB_ERR)
        InvalidateRect(&rcItem, FALSE);
}

CRect CCheckListBox::GetCheckRect(const CRect& rcItem) const
{
    const int nTop = rcItem.top + (rcItem.Height() - kBoxSize) / 2;
    return CRect(rcItem.left + 1, nTop, rcItem.left + 1 + kBoxSize, nTop + kBoxSize);
}

void CCheckListBox::ToggleByUser(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    SetCheck(nIndex, GetCheck(nIndex) == 1 ? 0 : 1);
    const HWND hWndParent = ::GetParent(m_hWnd);
    if (hWndParent != nullptr)
        ::SendMessageA(hWndParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE),
                       reinterpret_cast<LPARAM>(m_hWnd));
}

void CCheckListBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_SPACE)
        ToggleByUser(GetCaretIndex());
    CListBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CCheckListBox::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Space toggles the box; as a character it would move the selection to an item starting with a blank
    if (nChar != ' ')
        CListBox::OnChar(nChar, nRepCnt, nFlags);
}

void CCheckListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    BOOL bOutside = TRUE;
    const int nIndex = int(ItemFromPoint(point, bOutside));
    CRect rcItem;
    if (!bOutside && GetItemRect(nIndex, &rcItem) != LB_ERR && GetCheckRect(rcItem).PtInRect(point))
        ToggleByUser(nIndex);
    CListBox::OnLButtonDown(nFlags, point);
}

void CCheckListBox::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // a double click on a box is a second click on it
    OnLButtonDown(nFlags, point);
}

int CCheckListBox::CalcItemHeight() const
{
    const HDC hDC = ::GetDC(m_hWnd);
    const HFONT hFont = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    const HGDIOBJ hOld = hFont != nullptr ? ::SelectObject(hDC, hFont) : nullptr;
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(hDC, &tm);
    if (hOld != nullptr)
        ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    return tm.tmHeight > kBoxSize + 2 ? int(tm.tmHeight) : kBoxSize + 2;
}

LRESULT CCheckListBox::OnSetFont(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    SetItemHeight(0, UINT(CalcItemHeight()));
    return lResult;
}

void CCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight = UINT(CalcItemHeight());
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const HDC hDC = lpDrawItemStruct->hDC;
    const CRect rcItem(lpDrawItemStruct->rcItem);
    const int nIndex = int(lpDrawItemStruct->itemID);
    if (nIndex < 0) {
        if (lpDrawItemStruct->itemState & ODS_FOCUS)
            ::DrawFocusRect(hDC, &rcItem);
        return;
    }
    if (lpDrawItemStruct->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
        const BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
        CRect rcBox = GetCheckRect(rcItem);
        CRect rcText = rcItem;
        rcText.left = rcBox.right + 3;
        ::FillRect(hDC, CRect(rcItem.left, rcItem.top, rcText.left, rcItem.bottom), ::GetSysColorBrush(COLOR_WINDOW));
        const int nCheck = GetCheck(nIndex);
        UINT nState = DFCS_BUTTONCHECK | DFCS_FLAT;
        if (nCheck == 1)
            nState |= DFCS_CHECKED;
        else if (nCheck == 2)
            nState = DFCS_BUTTON3STATE | DFCS_CHECKED | DFCS_FLAT;
        ::DrawFrameControl(hDC, &rcBox, DFC_BUTTON, nState);

        CString text;
        GetText(nIndex, text);
        const COLORREF crOldText =
            ::SetTextColor(hDC, ::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        const COLORREF crOldBk = ::SetBkColor(hDC, ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        ::ExtTextOutA(hDC, rcText.left + 1, rcText.top, ETO_OPAQUE | ETO_CLIPPED, &rcText, text, UINT(text.GetLength()),
                      nullptr);
        ::SetTextColor(hDC, crOldText);
        ::SetBkColor(hDC, crOldBk);
    }
    if (lpDrawItemStruct->itemState & ODS_FOCUS) {
        CRect rcFocus = rcItem;
        rcFocus.left = GetCheckRect(rcItem).right + 3;
        ::DrawFocusRect(hDC, &rcFocus);
    }
}

LRESULT CCheckListBox::NoteInserted(LRESULT nIndex)
{
    if (nIndex < 0)
        return nIndex;
    // items the list had before the object took it are clear
    m_checks.resize(size_t(GetCount() - 1));
    if (size_t(nIndex) <= m_checks.size())
        m_checks.insert(m_checks.begin() + nIndex, 0);
    return nIndex;
}

LRESULT CCheckListBox::OnAddString(WPARAM, LPARAM)
{
    return NoteInserted(Default());
}

LRESULT CCheckListBox::OnInsertString(WPARAM, LPARAM)
{
    return NoteInserted(Default());
}

LRESULT CCheckListBox::OnDeleteString(WPARAM wParam, LPARAM)
{
    const LRESULT lResult = Default();
    if (lResult != LB_ERR && size_t(wParam) < m_checks.size())
        m_checks.erase(m_checks.begin() + ptrdiff_t(wParam));
    return lResult;
}

LRESULT CCheckListBox::OnResetContent(WPARAM, LPARAM)
{
    m_checks.clear();
    return Default();
}
