// CGXBCurrencyEdit: the window messages, the keys and the drawing of the currency edit window (see
// GXBCurrencyEdit.h).
#include "grid/controls/GXBCurrencyEdit.h"

#include "grid/engine/GXFlagScope.h"
#include "grid/engine/GXState.h"
#include "win/AfxRes.h"
#include "win/CMenu.h"
#include "win/CWindowDC.h"
#include "win/Win.h"

#include <algorithm>

namespace {

COLORREF SysColor(int nIndex)
{
    return GXGetSysColors()->GetSysColor(nIndex);
}

// A DC of the window with the window's font selected.
class FontDC : public CClientDC {
public:
    FontDC(CWnd* pWnd, HFONT hFont) : CClientDC(pWnd), m_hOld(hFont != nullptr ? SelectObject(HGDIOBJ(hFont)) : nullptr)
    {
    }
    ~FontDC() override
    {
        if (m_hOld != nullptr)
            SelectObject(m_hOld);
    }

private:
    HGDIOBJ m_hOld;
};

}  // namespace

BEGIN_MESSAGE_MAP(CGXBCurrencyEdit, CGXBDropEdit)
    ON_WM_CREATE()
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_CUT, OnCutMessage)
    ON_MESSAGE(WM_COPY, OnCopyMessage)
    ON_MESSAGE(WM_PASTE, OnPasteMessage)
    ON_MESSAGE(WM_UNDO, OnUndoMessage)
    ON_MESSAGE(EM_UNDO, OnUndoMessage)
    ON_MESSAGE(EM_CANUNDO, OnCanUndo)
    ON_MESSAGE(EM_EMPTYUNDOBUFFER, OnEmptyUndoBuffer)
    ON_MESSAGE(EM_GETSEL, OnGetSel)
    ON_MESSAGE(EM_SETSEL, OnSetSelMessage)
    ON_MESSAGE(EM_SETREADONLY, OnSetReadOnly)
    ON_MESSAGE(EM_SETMARGINS, OnSetMargins)
    ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_COMMAND(ID_EDIT_CLEAR, OnEditClear)
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
    ON_WM_RBUTTONUP()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_GETDLGCODE()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_SYSKEYDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

// ---- drawing -----------------------------------------------------------------------------------------

COLORREF CGXBCurrencyEdit::GetBackColor() const
{
    COLORREF color;
    if (!IsWindowEnabled())
        return SysColor(COLOR_BTNFACE);
    if (m_pFormat->GetBackgroundColor(color))
        return color;
    return SysColor(IsReadOnly() ? COLOR_BTNFACE : COLOR_WINDOW);
}

COLORREF CGXBCurrencyEdit::GetTextColor() const
{
    COLORREF color;
    if (!IsWindowEnabled())
        return SysColor(GetExStyle() != 0 ? COLOR_BTNSHADOW : COLOR_GRAYTEXT);
    if (m_bNegative ? m_pFormat->GetNegativeColor(color) : m_pFormat->GetPositiveColor(color))
        return color;
    return SysColor(COLOR_WINDOWTEXT);
}

CString CGXBCurrencyEdit::GetDisplayText() const
{
    CString strText = GetText();
    const int nDecimal = m_pFormat->FindDecimal(strText);
    if (m_pFormat->m_bSeparatorLine && nDecimal >= 0)
        strText.SetAt(nDecimal, ' ');
    return strText;
}

CRect CGXBCurrencyEdit::GetTextRect(CDC* pDC, const CString& strText) const
{
    CRect rectClient;
    GetClientRect(&rectClient);
    rectClient.left += m_nLeftMargin;
    rectClient.right -= m_nRightMargin;
    TEXTMETRICA tm;
    pDC->GetTextMetrics(&tm);
    const int nWidth = pDC->GetTextExtent(strText).cx;
    const int cxBorder = ::GetSystemMetrics(SM_CXBORDER);
    const DWORD dwStyle = CWnd::GetStyle();
    int nLeft = rectClient.left + cxBorder;
    if (dwStyle & ES_RIGHT)
        nLeft = rectClient.right - cxBorder - nWidth;
    else if (dwStyle & ES_CENTER)
        nLeft = rectClient.left + (rectClient.Width() - nWidth) / 2;
    const int nTop = rectClient.top + ::GetSystemMetrics(SM_CYBORDER);
    nLeft -= m_nScrollOffset;
    return CRect(nLeft, nTop, nLeft + nWidth, nTop + tm.tmHeight);
}

BOOL CGXBCurrencyEdit::ScrollToCaret(CDC* pDC, const CString& strText)
{
    const int nOld = m_nScrollOffset;
    m_nScrollOffset = 0;
    const CRect rectText = GetTextRect(pDC, strText);
    CRect rectClient;
    GetClientRect(&rectClient);
    const int cxBorder = ::GetSystemMetrics(SM_CXBORDER);
    // the room for the text: the client area less the margins and a border on either side
    const int nFirst = rectClient.left + m_nLeftMargin + cxBorder;
    const int nLast = rectClient.right - m_nRightMargin - cxBorder;
    if (rectText.Width() > nLast - nFirst) {
        // a text too wide for its room: the caret stays in view, and the text fills the room
        const int nCaretX = rectText.left + pDC->GetTextExtent(strText.Left(std::min(m_nCaret, strText.GetLength()))).cx;
        int nOffset = std::max(std::min(nOld, nCaretX - nFirst), nCaretX + cxBorder - nLast);
        nOffset = std::max(std::min(nOffset, rectText.right + cxBorder - nLast), rectText.left - nFirst);
        m_nScrollOffset = nOffset;
    }
    return m_nScrollOffset != nOld;
}

int CGXBCurrencyEdit::CharFromPoint(CPoint point)
{
    const CString strText = GetDisplayText();
    FontDC dc(this, m_hFont);
    int x = GetTextRect(&dc, strText).left;
    for (int i = 0; i < strText.GetLength(); ++i) {
        const int nWidth = dc.GetTextExtent(strText.Mid(i, 1)).cx;
        if (x + nWidth / 2 > point.x)
            return i;
        x += nWidth;
    }
    return strText.GetLength();
}

void CGXBCurrencyEdit::PlaceCaret()
{
    if (m_hWnd == nullptr)
        return;
    const CString strText = GetDisplayText();
    FontDC dc(this, m_hFont);
    if (ScrollToCaret(&dc, strText) && m_bRedraw)
        Invalidate(FALSE);
    if (::GetFocus() != m_hWnd)
        return;
    const CRect rect = GetTextRect(&dc, strText);
    ::SetCaretPos(rect.left + dc.GetTextExtent(strText.Left(m_nCaret)).cx, rect.top);
}

void CGXBCurrencyEdit::EraseBackground(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    rect.InflateRect(1, 1);
    pDC->FillSolidRect(&rect, GetBackColor());
}

void CGXBCurrencyEdit::DrawSeparatorLine(CDC* pDC, int x)
{
    CRect rect;
    GetClientRect(&rect);
    CPen pen(PS_SOLID, 1, IsReadOnly() ? SysColor(COLOR_BTNSHADOW) : m_pFormat->m_crLine);
    CPen* pOld = pDC->SelectObject(&pen);
    pDC->MoveTo(x, rect.top);
    pDC->LineTo(x, rect.bottom + 1);
    pDC->SelectObject(pOld);
}

void CGXBCurrencyEdit::PaintText(CDC* pDC)
{
    EraseBackground(pDC);
    const HGDIOBJ hOldFont = m_hFont != nullptr ? pDC->SelectObject(HGDIOBJ(m_hFont)) : nullptr;
    pDC->SetTextColor(GetTextColor());
    pDC->SetBkMode(TRANSPARENT);
    const CString strText = GetDisplayText();
    // a text changed without a caret move (a new amount or format) scrolls here
    const BOOL bScrolled = ScrollToCaret(pDC, strText);
    CRect rect = GetTextRect(pDC, strText);
    if (bScrolled && ::GetFocus() == m_hWnd)
        ::SetCaretPos(rect.left + pDC->GetTextExtent(strText.Left(m_nCaret)).cx, rect.top);
    const int nDecimal = m_pFormat->FindDecimal(GetText());
    if (m_pFormat->m_bSeparatorLine && nDecimal >= 0)
        DrawSeparatorLine(pDC, rect.left + pDC->GetTextExtent(strText.Left(nDecimal)).cx +
                                   pDC->GetTextExtent(" ", 1).cx / 2);
    int nStart, nEnd;
    if (!GetSelRange(nStart, nEnd)) {
        pDC->DrawText(strText, &rect, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    } else {
        // before the selection from the left, after it from the right, the selection between them
        pDC->DrawText(strText.Left(nStart), &rect, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
        pDC->DrawText(strText.Mid(nEnd), &rect, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | DT_RIGHT);
        CRect rectSelected(rect);
        rectSelected.left += pDC->GetTextExtent(strText.Left(nStart)).cx;
        rectSelected.right = rectSelected.left + pDC->GetTextExtent(strText.Mid(nStart, nEnd - nStart)).cx;
        pDC->SetBkMode(OPAQUE);
        pDC->SetBkColor(SysColor(COLOR_HIGHLIGHT));
        pDC->SetTextColor(SysColor(COLOR_HIGHLIGHTTEXT));
        pDC->DrawText(strText.Mid(nStart, nEnd - nStart), &rectSelected, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    }
    if (hOldFont != nullptr)
        pDC->SelectObject(hOldFont);
}

void CGXBCurrencyEdit::CreateEditCaret(int nPos)
{
    TEXTMETRICA tm;
    {
        FontDC dc(this, m_hFont);
        dc.GetTextMetrics(&tm);
    }
    ::CreateCaret(m_hWnd, nullptr, ::GetSystemMetrics(SM_CXBORDER), tm.tmHeight);
    if (nPos >= 0 && nPos <= GetText().GetLength())
        m_nCaret = nPos;
    PlaceCaret();
    ::ShowCaret(m_hWnd);
}

void CGXBCurrencyEdit::RemoveEditCaret()
{
    m_nSelStart = -1;
    m_nSelEnd = 0;
    ::DestroyCaret();
    if (m_bRedraw)
        Invalidate(FALSE);
}

void CGXBCurrencyEdit::OnPaint()
{
    CPaintDC dc(this);
    if (!m_bRedraw)
        return;
    CRect rect;
    GetClientRect(&rect);
    CDC dcMem;
    CBitmap bitmap;
    if (!rect.IsRectEmpty() && dcMem.CreateCompatibleDC(&dc) &&
        bitmap.CreateCompatibleBitmap(&dc, rect.Width(), rect.Height())) {
        CBitmap* pOld = dcMem.SelectObject(&bitmap);
        PaintText(&dcMem);
        dc.BitBlt(0, 0, rect.Width(), rect.Height(), &dcMem, 0, 0, SRCCOPY);
        dcMem.SelectObject(pOld);
    } else {
        PaintText(&dc);
    }
}

// ---- messages ----------------------------------------------------------------------------------------

int CGXBCurrencyEdit::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CString strText;
    m_pFormat->FormatValue(m_dValue, strText, m_bNegative);
    SetTextNoParse(strText);
    return 0;
}

LRESULT CGXBCurrencyEdit::OnGetFont(WPARAM, LPARAM)
{
    return LRESULT(m_hFont);
}

LRESULT CGXBCurrencyEdit::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hFont = HFONT(wParam);
    if (LOWORD(lParam) && m_bRedraw)
        Invalidate();
    return 0;
}

LRESULT CGXBCurrencyEdit::OnSetText(WPARAM, LPARAM lParam)
{
    if (!m_bParseOnSetText) {
        const LRESULT lResult = Default();
        if (m_bRedraw)
            Invalidate(FALSE);
        return lResult;
    }
    double dValue;
    BOOL bNegative;
    if (!m_pFormat->Parse(reinterpret_cast<const char*>(lParam), dValue, bNegative))
        return FALSE;
    SetValueEx(dValue, bNegative, TRUE);
    return TRUE;
}

LRESULT CGXBCurrencyEdit::OnCutMessage(WPARAM, LPARAM)
{
    OnEditCut();
    return 0;
}

LRESULT CGXBCurrencyEdit::OnCopyMessage(WPARAM, LPARAM)
{
    OnEditCopy();
    return 0;
}

LRESULT CGXBCurrencyEdit::OnPasteMessage(WPARAM, LPARAM)
{
    OnEditPaste();
    return 0;
}

LRESULT CGXBCurrencyEdit::OnUndoMessage(WPARAM, LPARAM)
{
    const BOOL bCouldUndo = m_bCanUndo && !IsReadOnly();
    OnEditUndo();
    return bCouldUndo;
}

LRESULT CGXBCurrencyEdit::OnCanUndo(WPARAM, LPARAM)
{
    return m_bCanUndo;
}

LRESULT CGXBCurrencyEdit::OnEmptyUndoBuffer(WPARAM, LPARAM)
{
    m_bCanUndo = FALSE;
    return 0;
}

LRESULT CGXBCurrencyEdit::OnGetSel(WPARAM wParam, LPARAM lParam)
{
    int nStart, nEnd;
    GetSelRange(nStart, nEnd);
    if (wParam != 0)
        *reinterpret_cast<DWORD*>(wParam) = DWORD(nStart);
    if (lParam != 0)
        *reinterpret_cast<DWORD*>(lParam) = DWORD(nEnd);
    if (nStart >= 65535 || nEnd >= 65535)
        return -1;
    return MAKELONG(nStart, nEnd);
}

LRESULT CGXBCurrencyEdit::OnSetSelMessage(WPARAM wParam, LPARAM lParam)
{
    SetSel(int(wParam), int(lParam));
    return 0;
}

LRESULT CGXBCurrencyEdit::OnSetReadOnly(WPARAM wParam, LPARAM)
{
    if (bool(wParam) != bool(IsReadOnly())) {
        ModifyStyle(wParam ? 0 : ES_READONLY, wParam ? ES_READONLY : 0);
        if (m_bRedraw)
            Invalidate(FALSE);
    }
    return TRUE;
}

LRESULT CGXBCurrencyEdit::OnSetMargins(WPARAM wParam, LPARAM lParam)
{
    if (wParam == EC_USEFONTINFO) {
        TEXTMETRICA tm;
        FontDC dc(this, m_hFont);
        dc.GetTextMetrics(&tm);
        m_nLeftMargin = m_nRightMargin = tm.tmAveCharWidth;
    } else {
        if (wParam & EC_LEFTMARGIN)
            m_nLeftMargin = LOWORD(lParam);
        if (wParam & EC_RIGHTMARGIN)
            m_nRightMargin = HIWORD(lParam);
    }
    if (m_bRedraw)
        Invalidate(FALSE);
    return 0;
}

void CGXBCurrencyEdit::OnRButtonUp(UINT, CPoint point)
{
    CMenu* pMenu = CreateContextMenu();
    ClientToScreen(&point);
    pMenu->TrackPopupMenu(0, point.x, point.y, this);
    DestroyContextMenu(pMenu);
    Default();
}

void CGXBCurrencyEdit::OnSetFocus(CWnd*)
{
    Default();
    CreateEditCaret(m_nCaret);
    SetSel(0, -1);
    Notify(EN_SETFOCUS);
}

void CGXBCurrencyEdit::OnKillFocus(CWnd*)
{
    Default();
    RemoveEditCaret();
    Notify(EN_KILLFOCUS);
}

UINT CGXBCurrencyEdit::OnGetDlgCode()
{
    return DLGC_WANTCHARS | DLGC_WANTARROWS;
}

void CGXBCurrencyEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const BOOL bCtrl = IsKeyDown(VK_CONTROL), bShift = IsKeyDown(VK_SHIFT);
    switch (nChar) {
    case VK_BACK:
        Backspace();
        break;
    case VK_END:
        SetCaret(GetText().GetLength(), TRUE);
        break;
    case VK_HOME:
        SetCaret(0, TRUE);
        break;
    case VK_LEFT:
        SetCaret(m_nCaret - 1, TRUE);
        break;
    case VK_RIGHT:
        SetCaret(m_nCaret + 1, TRUE);
        break;
    case VK_INSERT:
        if (bCtrl)
            PostMessage(WM_COPY);
        else if (bShift)
            PostMessage(WM_PASTE);
        else
            ToggleOverwrite();
        break;
    case VK_DELETE:
        if (bShift)
            PostMessage(WM_CUT);
        else
            DeleteChar();
        break;
    case 'C':
    case 'V':
    case 'X':
    case 'Z':
        if (bCtrl)
            PostMessage(nChar == 'C' ? WM_COPY : nChar == 'V' ? WM_PASTE : nChar == 'X' ? WM_CUT : WM_UNDO);
        break;
    case VK_F2:
        if (m_nBitmapId != 0)
            OpenCalculator();
        break;
    default:
        break;
    }
    CGXBDropEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CGXBCurrencyEdit::OnChar(UINT nChar, UINT, UINT)
{
    const char ch = char(BYTE(nChar));
    if (ch != 0 && ch == m_pFormat->m_chDecimal) {
        // into the fraction
        const CString strText = GetText();
        const int nDecimal = m_pFormat->FindDecimal(strText);
        int nFirst, nLast;
        if (nDecimal >= 0 || m_pFormat->FindNumber(strText, nFirst, nLast)) {
            m_nSelStart = -1;
            m_nSelEnd = 0;
            m_nCaret = nDecimal >= 0 ? nDecimal + 1 : nLast + 1;
            PlaceCaret();
            if (m_bRedraw)
                Invalidate(FALSE);
        }
    } else if (ch == '-') {
        ToggleSign();
    } else if (ch >= '0' && ch <= '9') {
        InsertText(CString(ch));
    }
    Default();
}

void CGXBCurrencyEdit::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_F10 && IsKeyDown(VK_SHIFT)) {
        CRect rect;
        GetClientRect(&rect);
        PostMessage(WM_RBUTTONUP, 0, MAKELPARAM(rect.Width() / 2, rect.Height() / 2));
    } else if (nChar == VK_BACK) {
        PostMessage(WM_UNDO);
    }
    CGXBDropEdit::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void CGXBCurrencyEdit::OnLButtonDblClk(UINT, CPoint)
{
    SetSel(0, -1);
    Default();
}

void CGXBCurrencyEdit::OnLButtonDown(UINT, CPoint point)
{
    {
        const FlagScope noRedraw(m_bRedraw, FALSE);
        SetFocus();
    }
    m_nSelStart = -1;
    m_nSelEnd = 0;
    SetCaret(CharFromPoint(point), FALSE);
    m_bMouseSelecting = TRUE;
    SetCapture();
    Invalidate(FALSE);
}

void CGXBCurrencyEdit::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bMouseSelecting)
        SetCaret(CharFromPoint(point), TRUE);
    CGXBDropEdit::OnMouseMove(nFlags, point);
}

void CGXBCurrencyEdit::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bMouseSelecting) {
        m_bMouseSelecting = FALSE;
        ::ReleaseCapture();
    }
    int nStart, nEnd, nFirst, nLast;
    // a click beside the number takes all of it
    if (!GetSelRange(nStart, nEnd) && m_pFormat->FindNumber(GetText(), nFirst, nLast) &&
        (m_nCaret < nFirst || m_nCaret > nLast + 1))
        SetSel(0, -1);
    CGXBDropEdit::OnLButtonUp(nFlags, point);
}
