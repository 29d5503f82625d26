// CGXBCurrencyEdit: the amount, its format, the selection and caret, the editing operations and the
// commands of the currency edit window (see GXBCurrencyEdit.h). Its messages and drawing are in
// GXBCurrencyEditWnd.cpp.
#include "grid/controls/GXBCurrencyEdit.h"

#include "grid/controls/GXBCalculator.h"
#include "grid/controls/GXPopupScope.h"
#include "grid/engine/GXFlagScope.h"
#include "grid/engine/GXState.h"
#include "win/AfxRes.h"
#include "win/CMenu.h"
#include "win/CSharedFile.h"
#include "win/Win.h"

#include <algorithm>
#include <cmath>

namespace {

BOOL IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

}  // namespace

IMPLEMENT_DYNAMIC(CGXBCurrencyEdit, CGXBDropEdit)

CGXBCurrencyEdit::CGXBCurrencyEdit() : m_pFormat(new Format(TRUE)) {}

CGXBCurrencyEdit::~CGXBCurrencyEdit()
{
    delete m_pFormat;
}

void CGXBCurrencyEdit::RegisterWndClass()
{
    WNDCLASSA wc = {};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32513));  // the I-beam
    wc.lpszClassName = "CGXBCurrencyEdit";
    if (!AfxRegisterClass(&wc))
        AfxThrowResourceException();
}

// ---- amount and format -------------------------------------------------------------------------------

void CGXBCurrencyEdit::SetValue(double dValue, BOOL bRedraw)
{
    SetValueEx(std::fabs(dValue), dValue < 0, bRedraw);
}

void CGXBCurrencyEdit::SetValueEx(double dAmount, BOOL bNegative, BOOL bRedraw)
{
    if (dAmount == m_dValue && bool(bNegative) == bool(m_bNegative))
        return;
    m_dValue = dAmount;
    m_bNegative = bNegative;
    if (m_hWnd == nullptr)
        return;
    CString strText;
    m_pFormat->FormatValue(m_dValue, strText, m_bNegative);
    SaveUndo();
    SetTextNoParse(strText);
    if (bRedraw && m_bRedraw)
        Invalidate(FALSE);
}

double CGXBCurrencyEdit::GetValue() const
{
    return m_bNegative ? -m_dValue : m_dValue;
}

void CGXBCurrencyEdit::SetFormat(const Format& format)
{
    if (!m_pFormat->IsDifferent(format))
        return;
    m_pFormat->Assign(format);
    if (m_hWnd == nullptr)
        return;
    CString strText;
    m_pFormat->FormatValue(m_dValue, strText, m_bNegative);
    SetTextNoParse(strText);
    if (m_bRedraw)
        Invalidate(FALSE);
}

void CGXBCurrencyEdit::GetFormat(Format& format) const
{
    format.Assign(*m_pFormat);
}

BOOL CGXBCurrencyEdit::IsReadOnly() const
{
    return m_hWnd != nullptr && (CWnd::GetStyle() & ES_READONLY) != 0;
}

BOOL CGXBCurrencyEdit::IsKeyDown(int nVirtKey) const
{
    return (AfxGetServices()->GetKeyState(nVirtKey) & 0x8000) != 0;
}

// ---- text --------------------------------------------------------------------------------------------

CString CGXBCurrencyEdit::GetText() const
{
    CString strText;
    if (m_hWnd != nullptr)
        GetWindowText(strText);
    return strText;
}

void CGXBCurrencyEdit::SetTextNoParse(const CString& strText)
{
    const FlagScope noParse(m_bParseOnSetText, FALSE);
    SetWindowText(strText);
}

BOOL CGXBCurrencyEdit::SetTextParsed(const CString& strText)
{
    const FlagScope noRedraw(m_bRedraw, FALSE);
    return SendMessage(WM_SETTEXT, 0, LPARAM(strText.GetString())) != FALSE;
}

void CGXBCurrencyEdit::Notify(UINT nCode)
{
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), nCode), LPARAM(m_hWnd));
}

void CGXBCurrencyEdit::NotifyChange()
{
    Notify(EN_UPDATE);
    if (m_bRedraw)
        Invalidate(FALSE);
    Notify(EN_CHANGE);
}

int CGXBCurrencyEdit::IndexOfDigit(const CString& strText, int nDigit)
{
    for (int i = 0; i < strText.GetLength(); ++i)
        if (IsDigit(strText[i]) && nDigit-- == 0)
            return i;
    return -1;
}

int CGXBCurrencyEdit::CountDigits(const CString& strText, int nEnd)
{
    int nCount = 0;
    for (int i = 0; i < std::min(nEnd, strText.GetLength()); ++i)
        nCount += IsDigit(strText[i]) ? 1 : 0;
    return nCount;
}

int CGXBCurrencyEdit::CaretAtDecimal(const CString& strText) const
{
    const int nDecimal = m_pFormat->FindDecimal(strText);
    if (nDecimal >= 0)
        return nDecimal + (m_pFormat->m_nIntDigits == 0 ? 1 : 0);
    int nFirst, nLast;
    return m_pFormat->FindNumber(strText, nFirst, nLast) ? nLast + 1 : -1;
}

// ---- selection and caret -------------------------------------------------------------------------------

BOOL CGXBCurrencyEdit::SetSel(int nStart, int nEnd)
{
    const int nLength = GetText().GetLength();
    if (nStart == 0 && nEnd == -1) {
        m_nSelStart = 0;
        m_nSelEnd = -1;
        m_nCaret = nLength;
    } else if (nStart == -1 && nEnd == 0) {
        m_nSelStart = -1;
        m_nSelEnd = 0;
    } else if (nStart < 0 || nEnd < 0 || nStart > nLength || nEnd > nLength) {
        return FALSE;
    } else {
        m_nSelStart = nStart;
        m_nSelEnd = nEnd;
        m_nCaret = nEnd;
    }
    PlaceCaret();
    if (m_bRedraw && m_hWnd != nullptr)
        Invalidate(FALSE);
    return TRUE;
}

BOOL CGXBCurrencyEdit::GetSelRange(int& nStart, int& nEnd) const
{
    if (m_nSelStart == -1 || m_nSelStart == m_nSelEnd) {
        nStart = nEnd = m_nCaret;
        return FALSE;
    }
    const int nLength = GetText().GetLength();
    nStart = std::clamp(m_nSelStart, 0, nLength);
    nEnd = m_nSelEnd == -1 ? nLength : std::clamp(m_nSelEnd, 0, nLength);
    if (nStart > nEnd)
        std::swap(nStart, nEnd);
    return nStart != nEnd;
}

void CGXBCurrencyEdit::SetCaret(int nPos, BOOL bExtend)
{
    const BOOL bExtendSelection = IsKeyDown(VK_SHIFT) || m_bMouseSelecting;
    const BOOL bHadSelection = m_nSelStart != -1 && m_nSelStart != m_nSelEnd;
    if (nPos < 0 || nPos > GetText().GetLength()) {
        if (bExtend && !bExtendSelection && bHadSelection)
            SetSel(-1, 0);
        return;
    }
    const int nOld = m_nCaret;
    m_nCaret = nPos;
    if (bExtend) {
        if (bHadSelection) {
            if (bExtendSelection)
                m_nSelEnd = nPos;
            else
                m_nSelStart = -1, m_nSelEnd = 0;
        } else if (bExtendSelection) {
            m_nSelStart = nOld;
            m_nSelEnd = nPos;
        }
        if (m_bRedraw && m_hWnd != nullptr)
            Invalidate(FALSE);
    }
    PlaceCaret();
}

void CGXBCurrencyEdit::KeepCaretInNumber()
{
    const CString strText = GetText();
    int nFirst, nLast;
    if (!m_pFormat->FindNumber(strText, nFirst, nLast) || (m_nCaret >= nFirst && m_nCaret <= nLast + 1))
        return;
    m_nCaret = CaretAtDecimal(strText);
}

// ---- editing -----------------------------------------------------------------------------------------

void CGXBCurrencyEdit::FinishEdit(const CString& strOld, int nOldCaret, int nCaret)
{
    const CString strNew = GetText();
    const BOOL bChanged = strNew != strOld;
    if (bChanged)
        SaveUndo(strOld, nOldCaret);
    m_nSelStart = -1;
    m_nSelEnd = 0;
    m_nCaret = std::clamp(nCaret, 0, strNew.GetLength());
    PlaceCaret();
    if (bChanged)
        NotifyChange();
    else if (m_bRedraw)
        Invalidate(FALSE);
}

void CGXBCurrencyEdit::InsertText(const char* pszText)
{
    if (IsReadOnly() || pszText == nullptr || *pszText == 0)
        return;
    const int nOldCaret = m_nCaret;
    KeepCaretInNumber();
    const CString strOld = GetText(), strTyped(pszText);
    const int nLength = strOld.GetLength();
    const int nDecimal = m_pFormat->FindDecimal(strOld);
    int nFirst, nLast;
    m_pFormat->FindNumber(strOld, nFirst, nLast);
    int nSelStart, nSelEnd;
    const BOOL bSelection = GetSelRange(nSelStart, nSelEnd);
    const BOOL bAll = bSelection && m_nSelStart == 0 && m_nSelEnd == -1;
    int nCaret = m_nCaret;
    // overwriting steps over the separators of the integer part
    if (m_bOverwrite && !bSelection && nCaret < nLength &&
        (nCaret == nDecimal ||
         (m_pFormat->m_chThousands != 0 && strOld[nCaret] == m_pFormat->m_chThousands &&
          (nDecimal < 0 || nCaret < nDecimal))))
        ++nCaret;
    const BOOL bInFraction = nDecimal >= 0 && nCaret > nDecimal;

    CString strNew = strOld;
    if (bSelection) {
        strNew = strOld.Left(nSelStart) + strTyped + strOld.Mid(nSelEnd);
    } else if (!bInFraction) {
        if (m_bOverwrite && nCaret < nLength) {
            strNew.SetAt(nCaret, strTyped[0]);
            ++nCaret;
        } else {
            strNew.Insert(nCaret, strTyped);
        }
    } else if (nCaret > nLast) {
        if (m_bShiftEntry) {
            // the fraction moves left and the typed digits come in at its right; the text after the
            // number (a closing parenthesis, a sign, the symbol) stays
            const int nFracDigits = std::max(0, m_pFormat->m_nFracDigits);
            const CString strFraction = strOld.Mid(nDecimal + 1, std::max(0, nLast - nDecimal));
            const CString strShifted = strTyped.GetLength() > nFracDigits
                                           ? strTyped.Right(nFracDigits)
                                           : strFraction.Mid(strTyped.GetLength()) + strTyped;
            strNew = strOld.Left(nDecimal + 1) + strShifted + strOld.Mid(std::max(nLast + 1, nDecimal + 1));
        }
    } else {
        for (int i = 0; i < strTyped.GetLength() && nCaret + i < nLength; ++i)
            strNew.SetAt(nCaret + i, strTyped[i]);
    }
    SetTextParsed(strNew);

    const CString strShown = GetText();
    const int nShown = strShown.GetLength();
    int nNewCaret;
    if (!bSelection) {
        if (m_pFormat->FindDecimal(strShown) < 0)
            nNewCaret = nCaret + (nShown - nLength);
        else if (bInFraction && nCaret < nLength)
            nNewCaret = std::min(nCaret + CountDigits(strTyped, strTyped.GetLength()), nShown);
        else
            nNewCaret = nShown + nCaret - nLength;
    } else {
        int nShownFirst, nShownLast;
        m_pFormat->FindNumber(strShown, nShownFirst, nShownLast);
        if (bAll || (nSelStart <= nShownFirst && nSelEnd >= nShownLast)) {
            nNewCaret = m_pFormat->FindDecimal(strShown) >= 0 ? CaretAtDecimal(strShown) : nShown;
        } else {
            nNewCaret = nShown + std::max(nCaret, nSelStart) - nLength;
        }
    }
    int nShownFirst, nShownLast;
    if (m_pFormat->FindNumber(strShown, nShownFirst, nShownLast))
        nNewCaret = std::min(nNewCaret, nShownLast + 1);
    FinishEdit(strOld, nOldCaret, nNewCaret);
}

void CGXBCurrencyEdit::Backspace()
{
    if (IsReadOnly())
        return;
    int nSelStart, nSelEnd;
    if (GetSelRange(nSelStart, nSelEnd)) {
        DeleteChar();
        return;
    }
    const CString strOld = GetText();
    const int nOldCaret = m_nCaret;
    int nFirst, nLast;
    if (!m_pFormat->FindNumber(strOld, nFirst, nLast) || nOldCaret <= nFirst)
        return;
    int nDigit = std::min(nOldCaret, strOld.GetLength()) - 1;
    while (nDigit >= 0 && !IsDigit(strOld[nDigit]))
        --nDigit;
    if (nDigit < 0)
        return;
    const int nDecimal = m_pFormat->FindDecimal(strOld);
    CString strNew = strOld;
    int nCaret = nDigit;  // in strNew
    if (nDecimal < 0 || nDigit < nDecimal) {
        strNew.Delete(nDigit);
        if (m_pFormat->m_nIntDigits == -1) {
            // after the digit before the removed one, or before the first digit
            int nPrevious = nDigit - 1;
            while (nPrevious >= 0 && !IsDigit(strNew[nPrevious]))
                --nPrevious;
            const int nFirstDigit = IndexOfDigit(strNew, 0);
            nCaret = nPrevious >= 0 ? nPrevious + 1 : (nFirstDigit >= 0 ? nFirstDigit : nDigit);
        }
    } else {
        strNew.SetAt(nDigit, '0');
    }
    if (IndexOfDigit(strNew, 0) < 0)
        strNew.Insert(nCaret, '0');
    const int nFromEnd = strNew.GetLength() - nCaret;
    SetTextParsed(strNew);
    const CString strShown = GetText();
    // the re-formatted text may group the digits anew: the caret keeps its distance from the end
    nCaret = m_dValue == 0 ? CaretAtDecimal(strShown) : strShown.GetLength() - nFromEnd;
    FinishEdit(strOld, nOldCaret, nCaret);
}

void CGXBCurrencyEdit::DeleteChar()
{
    if (IsReadOnly())
        return;
    const CString strOld = GetText();
    const int nOldCaret = m_nCaret;
    int nSelStart, nSelEnd;
    const BOOL bSelection = GetSelRange(nSelStart, nSelEnd);
    if (!bSelection && nOldCaret >= strOld.GetLength())
        return;
    CString strNew = strOld;
    int nDigitsBefore = 0, nFractionCaret = -1, nAt;
    if (bSelection) {
        strNew = strOld.Left(nSelStart) + strOld.Mid(nSelEnd);
        nAt = nSelStart;
        nDigitsBefore = CountDigits(strOld, nSelStart);
    } else {
        nAt = nOldCaret;
        while (nAt < strOld.GetLength() && !IsDigit(strOld[nAt]))
            ++nAt;
        if (nAt >= strOld.GetLength())
            return;
        const int nDecimal = m_pFormat->FindDecimal(strOld);
        if (nDecimal < 0 || nAt < nDecimal) {
            strNew.Delete(nAt);
            nDigitsBefore = CountDigits(strOld, nAt);
        } else {
            strNew.SetAt(nAt, '0');
            nFractionCaret = nAt + 1;
        }
    }
    if (IndexOfDigit(strNew, 0) < 0)
        strNew.Insert(std::min(nAt, strNew.GetLength()), '0');
    SetTextParsed(strNew);
    const CString strShown = GetText();
    int nCaret;
    if (m_dValue == 0) {
        nCaret = CaretAtDecimal(strShown);
    } else if (nFractionCaret >= 0) {
        nCaret = nFractionCaret;
    } else {
        // before the digit that followed those left of the caret
        const int nNext = IndexOfDigit(strShown, nDigitsBefore);
        nCaret = nNext >= 0 ? nNext : strShown.GetLength();
    }
    FinishEdit(strOld, nOldCaret, nCaret);
}

void CGXBCurrencyEdit::ToggleSign()
{
    if (IsReadOnly())
        return;
    const CString strOld = GetText();
    int nFirst, nLast;
    m_pFormat->FindNumber(strOld, nFirst, nLast);
    int nSelStart, nSelEnd;
    const BOOL bSelection = GetSelRange(nSelStart, nSelEnd);
    const BOOL bAll = bSelection && m_nSelStart == 0 && m_nSelEnd == -1;
    const BOOL bCovers = bSelection && (bAll || (nSelStart <= nFirst && nSelEnd >= nLast));
    const BOOL bBeyond = bSelection && (bAll || nSelStart < nFirst || nSelEnd - 1 > nLast);
    // the whole amount selected with its symbol or sign: "-" makes it negative, never positive
    const BOOL bMakeNegative = bCovers && bBeyond;
    const BOOL bNegative = bMakeNegative ? TRUE : !m_bNegative;
    CString strNew;
    m_pFormat->FormatValue(m_dValue, strNew, bNegative);
    SaveUndo();
    m_bNegative = bNegative;
    SetTextNoParse(strNew);
    int nNewFirst, nNewLast;
    m_pFormat->FindNumber(strNew, nNewFirst, nNewLast);
    if (bMakeNegative) {
        m_nSelStart = nNewFirst;
        m_nSelEnd = m_nCaret = nNewLast + 1;
    } else {
        m_nSelStart = -1;
        m_nSelEnd = 0;
        m_nCaret = std::clamp(nNewLast + (m_nCaret - nLast), 0, strNew.GetLength());
    }
    PlaceCaret();
    if (strNew != strOld)
        NotifyChange();
    else if (m_bRedraw)
        Invalidate(FALSE);
}

BOOL CGXBCurrencyEdit::ToggleOverwrite()
{
    m_bOverwrite = !m_bOverwrite;
    return m_bOverwrite;
}

void CGXBCurrencyEdit::SaveUndo(const char* pszText, int nCaret)
{
    m_strUndoText = pszText != nullptr ? CString(pszText) : GetText();
    m_nUndoCaret = nCaret == -1 ? m_nCaret : nCaret;
    const BOOL bSelection = m_nSelStart != -1 && m_nSelStart != m_nSelEnd;
    m_nUndoSelStart = bSelection ? m_nSelStart : -1;
    m_nUndoSelEnd = bSelection ? m_nSelEnd : 0;
    m_bCanUndo = TRUE;
}

BOOL CGXBCurrencyEdit::FilterPasteText(CString& strText)
{
    int nFirst, nLast, nSelStart, nSelEnd;
    const BOOL bNumber = m_pFormat->FindNumber(GetText(), nFirst, nLast);
    const BOOL bSelection = GetSelRange(nSelStart, nSelEnd);
    const BOOL bAll = bSelection && m_nSelStart == 0 && m_nSelEnd == -1;
    if (bAll || (bSelection && bNumber && nSelStart <= nFirst && nSelEnd > nLast))
        return TRUE;
    CString strDigits;
    for (int i = 0; i < strText.GetLength(); ++i)
        if (IsDigit(strText[i]))
            strDigits += strText[i];
    strText = strDigits;
    return TRUE;
}

void CGXBCurrencyEdit::OnButtonClicked()
{
    OpenCalculator();
}

BOOL CGXBCurrencyEdit::OpenCalculator()
{
    const PopupOpeningScope popupOpening;
    auto* pCalculator = new CGXBPopupCalculator;
    pCalculator->SetValue(m_dValue);
    pCalculator->m_bAutoDelete = TRUE;
    CRect rect;
    GetWindowRect(&rect);
    if (!pCalculator->CreatePopup(WS_POPUP | WS_VISIBLE | CGXBCalculator::gxStyleEnterCloses, rect, this)) {
        delete pCalculator;
        return FALSE;
    }
    pCalculator->SetValue(GetValue());
    return TRUE;
}

// ---- clipboard and commands ----------------------------------------------------------------------------

BOOL CGXBCurrencyEdit::ReadClipboardText(CString& strText)
{
    if (!::OpenClipboard(nullptr))
        return FALSE;
    HANDLE hData = ::GetClipboardData(CF_TEXT);
    const char* psz = hData != nullptr ? static_cast<const char*>(::GlobalLock(hData)) : nullptr;
    if (psz != nullptr) {
        strText = CString(psz, int(strnlen(psz, ::GlobalSize(hData))));
        ::GlobalUnlock(hData);
    }
    ::CloseClipboard();
    return psz != nullptr;
}

void CGXBCurrencyEdit::OnEditCopy()
{
    int nStart, nEnd;
    if (!GetSelRange(nStart, nEnd))
        return;
    const CString strText = GetText().Mid(nStart, nEnd - nStart);
    CSharedFile file;
    file.Write(strText.GetString(), uint32_t(strText.GetLength()) + 1);  // with its terminating 0
    if (!::OpenClipboard(nullptr))
        return;
    ::EmptyClipboard();
    HGLOBAL hData = file.Detach();
    if (::SetClipboardData(CF_TEXT, hData) == nullptr)
        ::GlobalFree(hData);
    ::CloseClipboard();
}

void CGXBCurrencyEdit::OnEditCut()
{
    if (IsReadOnly())
        return;
    OnEditCopy();
    DeleteChar();
}

void CGXBCurrencyEdit::OnEditPaste()
{
    CString strText;
    if (IsReadOnly() || !ReadClipboardText(strText))
        return;
    FilterPasteText(strText);
    InsertText(strText);
}

void CGXBCurrencyEdit::OnEditClear()
{
    if (IsReadOnly())
        return;
    const CString strOld = GetText();
    const int nOldCaret = m_nCaret;
    int nStart, nEnd;
    if (GetSelRange(nStart, nEnd))
        SetTextParsed(strOld.Left(nStart) + strOld.Mid(nEnd));
    else
        SetValueEx(0, FALSE, TRUE);
    FinishEdit(strOld, nOldCaret, ::GetFocus() == m_hWnd ? 0 : m_nCaret);
}

void CGXBCurrencyEdit::OnEditSelectAll()
{
    SetSel(0, -1);
}

void CGXBCurrencyEdit::OnEditUndo()
{
    if (IsReadOnly() || !m_bCanUndo)
        return;
    // the state now becomes the undo step, so that a second undo brings it back
    const CString strText = m_strUndoText;
    const int nCaret = m_nUndoCaret, nSelStart = m_nUndoSelStart, nSelEnd = m_nUndoSelEnd;
    SaveUndo();
    double dValue;
    BOOL bNegative;
    if (m_pFormat->Parse(strText, dValue, bNegative)) {
        m_dValue = dValue;
        m_bNegative = bNegative;
    }
    SetTextNoParse(strText);
    m_nSelStart = nSelStart;
    m_nSelEnd = nSelEnd;
    if (::GetFocus() == m_hWnd)
        SetCaret(nCaret, FALSE);
    NotifyChange();
}

CMenu* CGXBCurrencyEdit::CreateContextMenu()
{
    const CString strText = GetText();
    const BOOL bEmpty = strText.IsEmpty(), bReadOnly = IsReadOnly();
    int nStart, nEnd;
    const BOOL bSelection = GetSelRange(nStart, nEnd);
    CString strClipboard;
    double dValue;
    BOOL bNegative;
    const BOOL bCanPaste = !bReadOnly && ::IsClipboardFormatAvailable(CF_TEXT) && ReadClipboardText(strClipboard) &&
                           m_pFormat->Parse(strClipboard, dValue, bNegative);
    const auto state = [](BOOL bGrayed) { return UINT(MF_STRING | (bGrayed ? MF_GRAYED : MF_ENABLED)); };
    auto* pMenu = new CMenu;
    pMenu->CreatePopupMenu();
    pMenu->AppendMenu(state(!m_bCanUndo || bReadOnly), ID_EDIT_UNDO, "&Undo\tCtrl+Z");
    pMenu->AppendMenu(MF_SEPARATOR);
    pMenu->AppendMenu(state(bEmpty || !bSelection || bReadOnly), ID_EDIT_CUT, "Cu&t\tCtrl+X");
    pMenu->AppendMenu(state(bEmpty || !bSelection), ID_EDIT_COPY, "&Copy\tCtrl+C");
    pMenu->AppendMenu(state(!bCanPaste), ID_EDIT_PASTE, "&Paste\tCtrl+V");
    pMenu->AppendMenu(state(bEmpty || !bSelection || bReadOnly), ID_EDIT_CLEAR, "&Delete\tDelete");
    pMenu->AppendMenu(MF_SEPARATOR);
    pMenu->AppendMenu(state(bEmpty), ID_EDIT_SELECT_ALL, "Select &All");
    return pMenu;
}

void CGXBCurrencyEdit::DestroyContextMenu(CMenu* pMenu)
{
    delete pMenu;
}
