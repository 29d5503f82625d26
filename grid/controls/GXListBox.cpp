// CGXListBox: the list box cell (see GXListBox.h).
#include "grid/controls/GXListBox.h"

#include "grid/controls/GXControls.h"

#include "grid/engine/GXChoiceList.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXFlagScope.h"
#include "grid/engine/GXFont.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXStyle.h"
#include "win/Win.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CGXListBox, CListBox)
GX_IMPLEMENT_CONTROL(CGXListBox, CGXControl)

BEGIN_MESSAGE_MAP(CGXListBox, CListBox)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_KEYUP()
    ON_WM_SYSKEYDOWN()
    ON_WM_SYSKEYUP()
    ON_WM_SYSCHAR()
    ON_WM_ERASEBKGND()
    ON_WM_GETDLGCODE()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

namespace {

std::vector<CString> ChoiceLines(const CGXStyle& style)
{
    std::vector<CString> lines;
    if (!style.GetIncludeChoiceList())
        return lines;
    CString strList(style.GetChoiceListRef()), strLine;
    while (!strList.IsEmpty()) {
        ExtractFirstLine(strList, strLine);
        lines.push_back(strLine);
    }
    return lines;
}

}  // namespace

int GXSelectListEntry(CListBox* pList, const char* pszText)
{
    // an entry equal to the text wins over an earlier one that only begins with it
    const int nExact = pList->FindStringExact(-1, pszText);
    if (nExact != LB_ERR)
        return pList->SetCurSel(nExact);
    return pList->SelectString(-1, pszText);
}

CGXListBox::CGXListBox(CGXGridCore* pGrid, UINT nID)
    : CGXControl(pGrid), m_nID(nID), m_clrHighlightText(::GetSysColor(COLOR_HIGHLIGHTTEXT))
{
}

CGXListBox::~CGXListBox()
{
    if (m_hWnd != nullptr) {
        const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
        DestroyWindow();
    }
}

BOOL CGXListBox::CreateListWindow()
{
    CWnd* pGridWnd = GridWnd();
    if (pGridWnd == nullptr || pGridWnd->m_hWnd == nullptr)
        return FALSE;
    return CreateEx(0, "GXLISTBOX", nullptr, WS_CHILD | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY, CRect(0, 0, 0, 0),
                    pGridWnd, m_nID);
}

CRuntimeClass* CGXListBox::GetWndRuntimeClass()
{
    return GetRuntimeClass();
}

CWnd* CGXListBox::GetWndPtr() const
{
    return const_cast<CGXListBox*>(this);
}

void CGXListBox::SetActive(BOOL bActive)
{
    const BOOL bWasActive = m_bActive;
    m_bActive = bActive && m_hWnd != nullptr;
    if (m_bActive && !bWasActive) {
        FreeStyle();
        CGXControl::GetStyle();
    }
}

BOOL CGXListBox::IsActive()
{
    return m_bActive;
}

void CGXListBox::SetModify(BOOL bModified)
{
    m_bModified = bModified;
}

BOOL CGXListBox::GetModify()
{
    return m_bModified;
}

void CGXListBox::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXControl::Init(nRow, nCol);
    if (m_hWnd == nullptr)
        CreateListWindow();
    CGXControl::GetStyle();
    SetActive(FALSE);
    m_bModified = FALSE;
}

BOOL CGXListBox::Store()
{
    if (IsReadOnlyCell()) {
        Init(m_nRow, m_nCol);
        m_bModified = FALSE;
        Refresh();
        return TRUE;
    }
    SetActive(FALSE);
    if (m_pStyle == nullptr || !m_bModified)
        return TRUE;
    CString strText;
    const int nSel = m_hWnd != nullptr ? GetCurSel() : LB_ERR;
    if (nSel != LB_ERR)
        GetText(nSel, strText);
    else
        strText.Empty();
    m_bModified = FALSE;
    return m_pGrid->ApplyValueToRange(CGXCellRange(m_nRow, m_nCol, m_nRow, m_nCol), strText, CGXStyle::gxOverride,
                                      m_pGrid->m_nStyleKind, 1);
}

int CGXListBox::Margin()
{
    const int nHalfFrame = ::GetSystemMetrics(SM_CXFRAME) / 2;
    return nHalfFrame >= 3 ? nHalfFrame : 2;
}

CRect CGXListBox::GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect, const CGXStyle* pStyle)
{
    CRect rect = CGXControl::GetCellRect(nRow, nCol, pRect, pStyle);
    const int m = Margin();
    rect.left += m;
    rect.right -= m / 2;
    return rect;
}

CSize CGXListBox::AddBorders(CSize size, const CGXStyle& style)
{
    const int m = Margin();
    size.cx += m + m / 2;
    return CGXControl::AddBorders(size, style);
}

CSize CGXListBox::CalcSize(CDC* pDC, ROWCOL, ROWCOL, const CGXStyle& style, const CGXStyle*, BOOL)
{
    CFont* pOldFont = m_pGrid->SelectStyleFont(pDC, style);
    TEXTMETRICA tm;
    pDC->GetTextMetrics(&tm);
    CSize size(0, 0);
    for (const CString& strLine : ChoiceLines(style)) {
        size.cx = std::max(size.cx, pDC->GetTextExtent(strLine, strLine.GetLength()).cx + 4);
        size.cy += tm.tmHeight + tm.tmExternalLeading;
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    return AddBorders(size, style);
}

// ---- drawing ---------------------------------------------------------------------------------------

void CGXListBox::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                      const CGXStyle* pStandardStyle)
{
    const BOOL bBlackWhite = m_pGrid->IsPrintingBlackWhite();
    if (IsAttachedTo(nRow, nCol) && m_bActive && !m_pGrid->IsPrinting() && m_hWnd != nullptr) {
        Hide();
        const HGDIOBJ hOldFont = m_font.Detach();
        LOGFONTA lf;
        style.GetFontRef().GetZoomedLogFont(lf, m_pGrid->GetZoom());
        m_font.CreateFontIndirect(&lf);
        m_clrBack = style.GetInterior().GetColor();
        CRect rectWnd = GetCellRect(nRow, nCol, &rect, &style);
        if (style.GetHorizontalAlignment() == DT_RIGHT)
            rectWnd.right++;
        DrawBackground(pDC, rect, style, TRUE);
        MoveWindow(&rectWnd, FALSE);
        SetFont(&m_font, FALSE);
        if (hOldFont != nullptr)
            ::DeleteObject(hOldFont);
        SetActive(TRUE);
        FillList();
        ShowWindow(SW_SHOW);
        Invalidate();
        CWnd* pGridWnd = GridWnd();
        if (pGridWnd != nullptr && ::GetFocus() == pGridWnd->m_hWnd) {
            const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
            SetFocus();
        }
        UpdateWindow();
        CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        ExcludeRectFromPaint(rectWnd);
        return;
    }
    if (rect.Width() <= 1 || rect.Height() <= 1)
        return;
    DrawBackground(pDC, rect, style);
    CFont* pOldFont = m_pGrid->SelectStyleFont(pDC, style);
    TEXTMETRICA tm;
    pDC->GetTextMetrics(&tm);
    const int nLineHeight = std::max(int(tm.tmHeight + tm.tmExternalLeading), 1);
    pDC->SetTextColor(bBlackWhite ? RGB(0, 0, 0) : style.GetTextColor());
    pDC->SetBkColor(bBlackWhite ? RGB(255, 255, 255) : style.GetInterior().GetColor());
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    UINT nFormat = DT_SINGLELINE | DT_NOPREFIX;
    const UINT nHorz = style.GetHorizontalAlignment();
    nFormat |= nHorz == DT_CENTER ? DT_CENTER : nHorz == DT_RIGHT ? DT_RIGHT : DT_LEFT;
    const UINT nVert = style.GetIncludeVerticalAlignment() ? style.GetVerticalAlignment() : DT_TOP;
    nFormat |= nVert == DT_VCENTER ? DT_VCENTER : nVert == DT_BOTTOM ? DT_BOTTOM : DT_TOP;

    const CRect rectCell = GetCellRect(nRow, nCol, &rect, &style);
    const std::vector<CString> lines = ChoiceLines(style);
    const CString strValue = style.GetIncludeValue() ? CString(style.GetValueRef()) : CString();
    int nSel = -1;
    for (size_t i = 0; i < lines.size() && nSel < 0; ++i)
        if (lines[i] == strValue)
            nSel = int(i);
    // lines are skipped from the top while the value's line would fall below the cell
    const int nFits = std::max(int(rectCell.Height()) / nLineHeight, 1);
    const int nFirst = nSel >= nFits ? nSel - nFits + 1 : 0;
    int y = rectCell.top;
    for (int i = nFirst; i < int(lines.size()) && y < rectCell.bottom; ++i, y += nLineHeight) {
        CRect rectLine(rectCell.left, y, rectCell.right, std::min(y + nLineHeight, int(rectCell.bottom)));
        CRect rectText(rectLine);
        rectText.left += 2;
        pDC->DrawText(lines[size_t(i)], lines[size_t(i)].GetLength(), &rectText, nFormat);
        if (i == nSel)
            pDC->InvertRect(&rectLine);
    }
    pDC->SetBkMode(nOldMode);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

void CGXListBox::FillList()
{
    const CGXStyle& style = CGXControl::GetStyle();
    ResetContent();
    for (const CString& strLine : ChoiceLines(style))
        AddString(strLine);
    CString strText;
    GetControlText(strText, m_nRow, m_nCol, nullptr, style);
    if (strText.IsEmpty())
        return;
    GXSelectListEntry(this, strText);
}

void CGXListBox::GetCurrentText(CString& strResult)
{
    if (!m_bActive || m_hWnd == nullptr) {
        CGXControl::GetCurrentText(strResult);
        return;
    }
    strResult.Empty();
    const int nSel = GetCurSel();
    if (nSel != LB_ERR)
        GetText(nSel, strResult);
}

void CGXListBox::SetValue(const char* pszValue)
{
    if (!m_bInit || m_hWnd == nullptr)
        return;
    SetActive(TRUE);
    const CString strValue(pszValue != nullptr ? pszValue : "");
    if (!ValidateString(strValue))
        return;
    if (GXSelectListEntry(this, strValue) == LB_ERR)
        SetCurSel(-1);
    m_bModified = TRUE;
    OnModifyCell();
}

void CGXListBox::Hide()
{
    if (m_hWnd == nullptr || !IsWindowVisible())
        return;
    const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
    ::HideCaret(m_hWnd);
    MoveWindow(0, 0, 0, 0, FALSE);
    ShowWindow(SW_HIDE);
}

// ---- input -------------------------------------------------------------------------------------------

BOOL CGXListBox::ActivateAndShow()
{
    if (!m_bActive) {
        if (!OnStartEditing())
            return FALSE;
        SetActive(TRUE);
        Refresh();
    }
    if (CWnd* pGridWnd = GridWnd())
        pGridWnd->UpdateWindow();
    return TRUE;
}

void CGXListBox::PostClick(CPoint point)
{
    const CRect rectCell = GetCellRect(m_nRow, m_nCol);
    const LPARAM lParam = MAKELPARAM(point.x - rectCell.left, point.y - rectCell.top);
    PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    PostMessage(WM_LBUTTONUP, 0, lParam);
}

BOOL CGXListBox::OnLButtonUp(UINT nFlags, CPoint point)
{
    if ((nFlags & MK_RBUTTON) != 0 || (ActivationFlags() & 7) == 0 || m_hWnd == nullptr)
        return TRUE;
    if (ActivateAndShow())
        PostClick(point);
    CGXControl::OnLButtonUp(nFlags, point);
    return TRUE;
}

BOOL CGXListBox::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_bActive || (ActivationFlags() & kActivateOnDblClk) == 0 || m_hWnd == nullptr)
        return CGXControl::OnLButtonDblClk(nFlags, point);
    if (ActivateAndShow())
        PostClick(point);
    return TRUE;
}

BOOL CGXListBox::ProcessKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CGXControl::GetStyle();
    if (nMessage != WM_KEYDOWN || m_hWnd == nullptr || !OnStartEditing())
        return FALSE;
    SetActive(TRUE);
    CGXControl::ProcessKeyMessage(nMessage, nChar, nRepCnt, nFlags);
    if (!m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2))
        Refresh();
    return TRUE;
}

BOOL CGXListBox::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == LBN_SELCHANGE && m_hWnd != nullptr && HWND(lParam) == m_hWnd && !IsReadOnlyCell()) {
        m_bModified = TRUE;
        OnModifyCell();
    }
    return CGXControl::OnCommand(wParam, lParam);
}

BOOL CGXListBox::OfferToGrid(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags)
{
    return m_pGrid->ProcessKeys(this, nMessage, nChar, nRepCnt, nFlags);
}

void CGXListBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2);
    const BOOL bCtrl = (AfxGetServices()->GetKeyState(VK_CONTROL) & 0x8000) != 0;
    const BOOL bToGrid = bCtrl || nChar == VK_TAB || nChar == VK_RETURN || nChar == VK_ESCAPE || nChar == VK_LEFT ||
                         nChar == VK_RIGHT || nChar == VK_DELETE || (nChar >= VK_F1 && nChar <= VK_F24);
    if (bToGrid)
        OfferToGrid(WM_KEYDOWN, nChar, nRepCnt, nFlags);
    else
        CListBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CGXListBox::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!OfferToGrid(WM_CHAR, nChar, nRepCnt, nFlags))
        CListBox::OnChar(nChar, nRepCnt, nFlags);
}

void CGXListBox::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!OfferToGrid(WM_KEYUP, nChar, nRepCnt, nFlags))
        CListBox::OnKeyUp(nChar, nRepCnt, nFlags);
}

void CGXListBox::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!OfferToGrid(WM_SYSKEYDOWN, nChar, nRepCnt, nFlags))
        CListBox::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void CGXListBox::OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!OfferToGrid(WM_SYSKEYUP, nChar, nRepCnt, nFlags))
        CListBox::OnSysKeyUp(nChar, nRepCnt, nFlags);
}

void CGXListBox::OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!OfferToGrid(WM_SYSCHAR, nChar, nRepCnt, nFlags))
        CListBox::OnSysChar(nChar, nRepCnt, nFlags);
}

BOOL CGXListBox::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    FillRectWithColor(pDC, rect, RGB(255, 255, 255));
    if (m_pStyle != nullptr && m_pStyle->GetIncludeInterior())
        m_pGrid->FillRectWithBrush(pDC, rect, m_pStyle->GetInterior());
    return TRUE;
}

UINT CGXListBox::OnGetDlgCode()
{
    return UINT(Default()) | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
}

void CGXListBox::OnKillFocus(CWnd* pNewWnd)
{
    Default();
    ForwardKillFocus(pNewWnd);
}

// ---- the factory -------------------------------------------------------------------------------------

CGXControl* GXCreateListBox(CGXGridCore* pGrid, const GXControlEntry& entry)
{
    return new CGXListBox(pGrid, entry.adwArgs[0]);
}
