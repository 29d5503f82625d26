// CGXMaskControl: the masked edit cell (see GXMaskControl.h).
#include "grid/controls/GXMaskControl.h"

#include "grid/controls/GXControls.h"
#include "grid/controls/mask/GXMaskData.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXFlagScope.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"
#include "win/CSharedFile.h"
#include "win/Win.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CGXMaskControl, CGXEditControl)
GX_IMPLEMENT_CONTROL(CGXMaskControl, CGXEditControl)

BEGIN_MESSAGE_MAP(CGXMaskControl, CGXEditControl)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_MESSAGE(WM_LBUTTONUP, OnWindowLButtonUp)
END_MESSAGE_MAP()

namespace {

// The grid's activation flags: a click on the text, any click, making a cell current, a double click.
enum { kActivateOnTextClick = 1, kActivateOnClick = 2, kActivateOnCurrent = 4, kActivateOnDblClk = 8 };

// The mask engine's view of the system's code page.
bool SystemIsLeadByte(unsigned char ch)
{
    return ::IsDBCSLeadByte(ch) != 0;
}

unsigned SystemCharType(const char* pch, int nBytes)
{
    WORD awType[2] = {};
    if (!::GetStringTypeExA(LOCALE_USER_DEFAULT, CT_CTYPE1, pch, nBytes, awType))
        return 0;
    return ((awType[0] & C1_ALPHA) ? GXMaskCharSet::gxAlpha : 0u) | ((awType[0] & C1_DIGIT) ? GXMaskCharSet::gxDigit : 0u);
}

void SystemChangeCase(char* pch, int nBytes, bool bUpper)
{
    if (bUpper)
        ::CharUpperBuffA(pch, DWORD(nBytes));
    else
        ::CharLowerBuffA(pch, DWORD(nBytes));
}

CGXMaskData* MakeMask(CRuntimeClass* pMaskClass)
{
    if (pMaskClass != nullptr && pMaskClass->IsDerivedFrom(RUNTIME_CLASS(CGXMaskData))) {
        if (CObject* pObject = pMaskClass->CreateObject())
            return static_cast<CGXMaskData*>(pObject);
    }
    return new CGXMaskData;
}

}  // namespace

void CGXMaskControl::InitMaskSupport()
{
    static const bool bDone = [] {
        GXMaskCharSet charSet;
        charSet.bDoubleByte = ::GetSystemMetrics(SM_DBCSENABLED) != 0;
        charSet.pfnIsLeadByte = SystemIsLeadByte;
        charSet.pfnCharType = SystemCharType;
        charSet.pfnChangeCase = SystemChangeCase;
        CGXMaskData::SetCharSet(charSet);
        GetMaskDataFormat();
        return true;
    }();
    (void)bDone;
}

UINT CGXMaskControl::GetMaskDataFormat()
{
    static const UINT nFormat = ::RegisterClipboardFormatA("GX_MASKDATA");
    return nFormat;
}

void CGXMaskControl::RegisterUserAttributes(CGXStylesMap& stylesMap)
{
    stylesMap.AddUserAttribute(GX_IDS_UA_INPUTMASK);
    CGXStyle prompt;
    prompt.SetMaxLength(1);
    stylesMap.AddUserAttribute(GX_IDS_UA_INPUTPROMPT, &prompt);
}

void CGXMaskControl::LoadStyleMask(CGXMaskData& mask, const CGXStyle& style)
{
    const CString strPattern =
        style.HasUserAttribute(GX_IDS_UA_INPUTMASK) ? style.GetUserAttribute(GX_IDS_UA_INPUTMASK).GetValue() : CString();
    const CString strPrompt = style.HasUserAttribute(GX_IDS_UA_INPUTPROMPT)
                                  ? style.GetUserAttribute(GX_IDS_UA_INPUTPROMPT).GetValue()
                                  : CString("_");
    mask.Clear();
    mask.SetPromptChar(strPrompt, false);
    mask.SetMask(strPattern);
    mask.SetMaxLength(CGXMaskData::gxUnlimited);
    if (style.GetIncludeMaxLength() && style.GetMaxLength() != 0)
        mask.SetMaxLength(int(style.GetMaxLength()));
}

CGXMaskControl::CGXMaskControl(CGXGridCore* pGrid, UINT nID, CRuntimeClass* pMaskClass)
    : CGXEditControl(pGrid, nID), m_pEditMask(MakeMask(pMaskClass)), m_pFormatMask(MakeMask(pMaskClass))
{
    InitMaskSupport();
}

CGXMaskControl::~CGXMaskControl()
{
    delete m_pEditMask;
    delete m_pFormatMask;
}

BOOL CGXMaskControl::IsKeyHeld(int nVirtKey)
{
    return (AfxGetServices()->GetKeyState(nVirtKey) & 0x8000) != 0;
}

void CGXMaskControl::EmptyGridClipboard()
{
    CWnd* pGridWnd = GridWnd();
    if (::OpenClipboard(pGridWnd != nullptr ? pGridWnd->m_hWnd : nullptr)) {
        ::EmptyClipboard();
        ::CloseClipboard();
    }
}

// ---- positions -------------------------------------------------------------------------------------

void CGXMaskControl::GetSelPos(int& nStart, int& nEnd) const
{
    GetSel(nStart, nEnd);
    nStart = m_pEditMask->CharIndexToPos(nStart);
    nEnd = m_pEditMask->CharIndexToPos(nEnd);
}

void CGXMaskControl::SetSelPos(int nStart, int nEnd)
{
    SetSel(m_pEditMask->PosToCharIndex(nStart), m_pEditMask->PosToCharIndex(nEnd));
}

void CGXMaskControl::ShowDisplay(int nCaret)
{
    CString strDisplay;
    m_pEditMask->GetDisplayString(strDisplay);
    SetWindowText(strDisplay);
    SetModify(TRUE);
    SetSelPos(nCaret, nCaret);
}

int CGXMaskControl::SnapPos(int nPos) const
{
    int nSnapped = m_pEditMask->NextEditPos(nPos - 1);
    if (nSnapped < 0 || nSnapped > m_pEditMask->GetDisplayLength())
        nSnapped = m_pEditMask->PrevEditPos(nPos);
    nSnapped = std::min(nSnapped, m_pEditMask->GetInputEnd(m_pEditMask->GetDisplayLength()));
    return std::max(nSnapped, 0);
}

void CGXMaskControl::SnapCaret()
{
    if (m_hWnd == nullptr || !m_bActive)
        return;
    int nStart, nEnd;
    GetSelPos(nStart, nEnd);
    if (nStart == nEnd) {
        const int nPos = SnapPos(nStart);
        SetSelPos(nPos, nPos);
    }
}

void CGXMaskControl::RefuseChar(const CString& strChar)
{
    AfxGetServices()->MessageBeep(MB_ICONEXCLAMATION);
    OnInvalidInput(strChar);
}

// ---- the cell control ------------------------------------------------------------------------------

BOOL CGXMaskControl::CanFloatCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, BOOL bFloatCell)
{
    return CGXStatic::CanFloatCell(nRow, nCol, style, bFloatCell);
}

BOOL CGXMaskControl::ValidateInput()
{
    if (m_bActive && GetModify() && !m_pEditMask->IsValidInput())
        return FALSE;
    return CGXEditControl::ValidateInput();
}

void CGXMaskControl::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle)
{
    if (!IsAttachedTo(nRow, nCol) || !m_bActive || m_pGrid->IsPrinting() || m_hWnd == nullptr) {
        CGXStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    // the editor is one line high whatever the cell's wrapping
    CGXStyle oneLine(style);
    oneLine.SetWrapText(FALSE);
    CGXEditControl::Draw(pDC, rect, nRow, nCol, oneLine, pStandardStyle);
}

DWORD CGXMaskControl::CalcEditStyle(CRect& rectFormat, int nLineHeight)
{
    const FlagScope wrap(m_bWrapText, FALSE);
    const FlagScope enter(m_bAllowEnter, FALSE);
    void* const pSuppressed = m_pSuppressAlignment;
    if (m_bKeepLeft)
        m_pSuppressAlignment = this;
    const DWORD dwStyle = CGXEditControl::CalcEditStyle(rectFormat, nLineHeight) & ~DWORD(ES_AUTOVSCROLL);
    m_pSuppressAlignment = pSuppressed;
    return dwStyle;
}

void CGXMaskControl::GetCurrentText(CString& strResult)
{
    if (m_bInit)
        m_pEditMask->GetDisplayString(strResult);
    else
        strResult.Empty();
}

void CGXMaskControl::SetValue(const char* pszValue)
{
    if (!m_bInit || m_hWnd == nullptr)
        return;
    if (!m_bActive)
        SetActive(TRUE);
    const CString strValue(pszValue != nullptr ? pszValue : "");
    if (!ValidateString(strValue))
        return;
    m_pEditMask->SetDisplayString(strValue, -1, false);
    CString strDisplay;
    m_pEditMask->GetDisplayString(strDisplay);
    SetWindowText(strDisplay);
    SetModify(TRUE);
    OnModifyCell();
}

BOOL CGXMaskControl::GetValue(CString& strResult)
{
    if (!m_bInit)
        return FALSE;
    m_pEditMask->GetData(strResult, 0, -1, true);
    return TRUE;
}

void CGXMaskControl::SetCurrentText(const char* pszText)
{
    if (m_hWnd == nullptr || !m_bInit)
        return;
    LoadStyleMask(*m_pEditMask, CGXControl::GetStyle());
    m_pEditMask->SetData(pszText, -1, false);
    CString strDisplay;
    m_pEditMask->GetDisplayString(strDisplay);
    SetWindowText(strDisplay);
}

BOOL CGXMaskControl::GetControlText(CString& strResult, ROWCOL, ROWCOL, const char* pszValue, const CGXStyle& style)
{
    strResult.Empty();
    LoadStyleMask(*m_pFormatMask, style);
    const CString strValue = pszValue != nullptr         ? CString(pszValue)
                             : style.GetIncludeValue() ? style.GetValueRef()
                                                       : CString();
    if (strValue.IsEmpty() && !m_bDisplayEmpty)
        return TRUE;
    if (m_pFormatMask->SetData(strValue, -1, false) == -1 && !strValue.IsEmpty())
        return FALSE;
    m_pFormatMask->GetDisplayString(strResult);
    return TRUE;
}

BOOL CGXMaskControl::ConvertTextToValue(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle)
{
    std::unique_ptr<CGXComposedStyle> pComposed;
    if (pStyle == nullptr) {
        pComposed = std::make_unique<CGXComposedStyle>(m_pGrid, nRow, nCol);
        pStyle = &pComposed->Get();
    }
    LoadStyleMask(*m_pFormatMask, *pStyle);
    // the text as shown (with its literals), else as typed
    if (m_pFormatMask->SetDisplayString(strText, -1, false) == -1 || !m_pFormatMask->IsValidInput()) {
        if (m_pFormatMask->SetData(strText, -1, false) == -1 && !strText.IsEmpty())
            return FALSE;
    }
    m_pFormatMask->GetData(strText, 0, -1, true);
    return TRUE;
}

// ---- clicks ----------------------------------------------------------------------------------------

BOOL CGXMaskControl::OnLButtonUp(UINT nFlags, CPoint point)
{
    const BOOL bResult = CGXEditControl::OnLButtonUp(nFlags, point);
    SnapCaret();
    return bResult;
}

BOOL CGXMaskControl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    const BOOL bResult = CGXEditControl::OnLButtonDblClk(nFlags, point);
    SnapCaret();
    return bResult;
}

LRESULT CGXMaskControl::OnWindowLButtonUp(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    SnapCaret();
    return lResult;
}

// ---- keys the grid offers --------------------------------------------------------------------------

BOOL CGXMaskControl::OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_hWnd == nullptr || IsKeyHeld(VK_CONTROL))
        return CGXStatic::OnGridKeyDown(nChar, nRepCnt, nFlags);
    switch (nChar) {
    case VK_END:
    case VK_HOME: {
        if (!OnStartEditing())
            return FALSE;
        if (!m_bInit)
            Init(m_nRow, m_nCol);
        SetActive(TRUE);
        const int nPos = nChar == VK_END ? m_pEditMask->GetInputEnd(m_pEditMask->GetDisplayLength())
                                         : std::max(m_pEditMask->NextEditPos(-1), 0);
        SetSelPos(nPos, nPos);
        break;
    }
    case VK_DELETE: {
        const CGXGridParam* pParam = m_pGrid->GetParam();
        if ((pParam != nullptr && pParam->GetControlOptions().bDeleteClears) || IsReadOnlyCell() ||
            IsKeyHeld(VK_SHIFT) || !OnEndEditing() || !OnStartEditing())
            return FALSE;
        SetActive(TRUE);
        SetCurrentText("");
        SetModify(TRUE);
        OnModifyCell();
        break;
    }
    default:
        return CGXStatic::OnGridKeyDown(nChar, nRepCnt, nFlags);
    }
    UpdateEditStyle();
    if (!m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2))
        Refresh();
    return TRUE;
}

BOOL CGXMaskControl::OnGridDoubleByteChar(const CString& strChar, UINT, UINT)
{
    if (m_hWnd == nullptr || IsReadOnlyCell())
        return FALSE;
    CString strTyped(strChar);
    if (m_bActive) {
        int nStart, nEnd;
        GetSelPos(nStart, nEnd);
        const int nTarget = m_pEditMask->NextEditPos(nStart - 1);
        int nNext;
        if (nTarget < 0 || !m_pEditMask->IsValidChar(nTarget, strTyped) ||
            !m_pEditMask->InsertAt(nTarget, strTyped, nNext)) {
            RefuseChar(strChar);
            return TRUE;
        }
        ShowDisplay(nNext);
        return TRUE;
    }
    if (!OnStartEditing())
        return FALSE;
    const int nTarget = m_pEditMask->NextEditPos(-1);
    if (nTarget < 0 || !m_pEditMask->IsValidChar(nTarget, strTyped)) {
        RefuseChar(strChar);
        return TRUE;
    }
    // the first character typed starts the edit from an empty pattern
    m_pEditMask->InitDisplay();
    int nNext = nTarget + 1;
    m_pEditMask->InsertAt(nTarget, strTyped, nNext);
    SetActive(TRUE);
    ShowDisplay(nNext);
    OnModifyCell();
    Refresh();
    return TRUE;
}

// ---- keys in the editor ----------------------------------------------------------------------------

void CGXMaskControl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bActive) {
        m_pGrid->ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
        return;
    }
    if (nChar == VK_CONTROL || nChar == VK_SHIFT) {
        Default();
        return;
    }
    m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2);
    if (IsKeyHeld(VK_CONTROL)) {
        m_pGrid->ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
        return;
    }
    const BOOL bShift = IsKeyHeld(VK_SHIFT);
    const BOOL bReadOnly = IsReadOnlyCell() || (CWnd::GetStyle() & ES_READONLY);
    CGXMaskData& mask = *m_pEditMask;
    const int nLength = mask.GetDisplayLength();
    int nStart, nEnd;
    GetSelPos(nStart, nEnd);
    const BOOL bSelection = nStart != nEnd;
    BOOL bToGrid = FALSE;
    switch (nChar) {
    case VK_RETURN:
    case VK_TAB:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:  // the editor has one line
        bToGrid = TRUE;
        break;
    case VK_BACK:
        if (bReadOnly) {
            Default();
        } else if (!bSelection) {
            const int nPrev = mask.PrevEditPos(nStart);
            if (nPrev < 0)
                return;
            mask.DeleteRange(nStart, nPrev);
            ShowDisplay(nPrev);
        } else {
            mask.DeleteRange(nEnd, nStart);
            int nCaret = mask.NextEditPos(nStart - 1);
            if (nCaret < 0)
                nCaret = std::max(mask.PrevEditPos(nStart), 0);
            ShowDisplay(nCaret);
        }
        return;
    case VK_DELETE:
        if (bReadOnly) {
            Default();
        } else if (!bSelection) {
            const int nAt = mask.IsLiteral(nStart) ? mask.NextEditPos(nStart) : nStart;
            if (nAt < 0 || nAt >= nLength)
                return;
            mask.DeleteRange(nAt + 1, nAt);
            ShowDisplay(nStart);
        } else if (bShift) {
            EmptyGridClipboard();
            CGXControl::Cut();
        } else {
            StoreTextInCell("");
        }
        return;
    case VK_INSERT:
        if (bReadOnly) {
            Default();
        } else if (bShift) {
            CGXControl::Paste();
        } else {
            m_bInsertMode = !m_bInsertMode;
            Default();
        }
        return;
    case VK_HOME:
        if (bShift)
            SetSelPos(nStart, 0);
        else
            SetSelPos(std::max(mask.NextEditPos(-1), 0), std::max(mask.NextEditPos(-1), 0));
        return;
    case VK_END: {
        const int nInputEnd = mask.GetInputEnd(nLength);
        SetSelPos(bShift ? nStart : nInputEnd, nInputEnd);
        return;
    }
    case VK_LEFT: {
        if (bShift) {
            Default();
            return;
        }
        const int nPrev = mask.PrevEditPos(bSelection ? nStart + 1 : nStart);
        // at the first position the key leaves the cell
        if (!bSelection && (nStart == 0 || nPrev < 0)) {
            bToGrid = TRUE;
            break;
        }
        SetSelPos(std::max(nPrev, 0), std::max(nPrev, 0));
        return;
    }
    case VK_RIGHT: {
        if (bShift) {
            Default();
            return;
        }
        int nPos;
        if (bSelection) {
            nPos = mask.NextEditPos(nEnd - 1);
        } else if (nStart >= nLength) {
            bToGrid = TRUE;
            break;
        } else {
            nPos = mask.NextEditPos(nStart);
        }
        if (nPos < 0 || nPos > nLength)
            nPos = mask.GetInputEnd(nLength);
        SetSelPos(nPos, nPos);
        return;
    }
    default:
        if (nChar >= VK_F1 && nChar <= VK_F24)
            bToGrid = TRUE;
        break;
    }
    if (bToGrid)
        m_pGrid->ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
    else
        Default();
}

void CGXMaskControl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bInit || !m_bActive || IsReadOnlyCell() || (CWnd::GetStyle() & ES_READONLY) || nChar == VK_BACK)
        return;
    if (IsKeyHeld(VK_CONTROL)) {
        switch (nChar) {
        case 3:  // Ctrl+C
            EmptyGridClipboard();
            Copy();
            return;
        case 22:  // Ctrl+V
            Paste();
            return;
        case 24:  // Ctrl+X
            EmptyGridClipboard();
            CGXControl::Cut();
            return;
        default:
            Default();
            m_pGrid->ProcessKeys(this, WM_CHAR, nChar, nRepCnt, nFlags);
            return;
        }
    }
    if (nChar == '\r' || nChar == '\n')
        return;
    if (!m_bPendingLeadByte && (nChar < 32 || nChar == 127)) {
        Default();
        m_pGrid->ProcessKeys(this, WM_CHAR, nChar, nRepCnt, nFlags);
        return;
    }
    CString strChar;
    if (m_bPendingLeadByte || ::IsDBCSLeadByte(BYTE(nChar))) {
        // a double-byte character comes as its lead and trail byte, one message each
        ComposeMultiByteChar(nChar, strChar, m_bPendingLeadByte, m_chLeadByte);
        if (strChar.IsEmpty())
            return;
    } else {
        const char ch = char(BYTE(nChar));
        strChar = CString(&ch, 1);
    }
    m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2);
    CGXMaskData& mask = *m_pEditMask;
    int nStart, nEnd;
    GetSelPos(nStart, nEnd);
    const int nTarget = mask.NextEditPos(nStart - 1);
    CString strTyped(strChar);
    if (nTarget < 0 || (nStart != nEnd && nTarget >= nEnd) || !mask.IsValidChar(nTarget, strTyped)) {
        RefuseChar(strChar);
        return;
    }
    int nNext = nTarget + 1;
    if (m_bInsertMode) {
        if (nStart != nEnd)
            mask.DeleteRange(nEnd, nStart);
        if (!mask.InsertAt(nTarget, strTyped, nNext))
            return;
    } else {
        if (nEnd > nTarget + 1)
            mask.DeleteRange(nEnd, nTarget + 1);
        mask.SetDisplayString(strTyped, nTarget, false);
        const int nAfter = mask.NextEditPos(nTarget);
        nNext = nAfter >= 0 ? nAfter : nTarget + 1;
    }
    ShowDisplay(nNext);
}

// ---- clipboard -------------------------------------------------------------------------------------

BOOL CGXMaskControl::Copy()
{
    if (!m_bInit || !m_pGrid->IsCurrentCell(m_nRow, m_nCol))
        return CGXControl::Copy();
    CString strRaw;
    if (m_bActive && m_hWnd != nullptr) {
        int nStart, nEnd;
        GetSelPos(nStart, nEnd);
        if (nStart < nEnd)
            m_pEditMask->GetData(strRaw, nStart, nEnd - 1, true);
    } else {
        m_pEditMask->GetData(strRaw, 0, -1, true);
    }
    // the base empties the clipboard before it sets its text, so the raw data comes second
    const BOOL bText = CGXControl::Copy();
    if (strRaw.IsEmpty())
        return bText;
    CSharedFile file(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT);
    file.Write(strRaw.GetString(), uint32_t(strRaw.GetLength()) + 1);
    CWnd* pWnd = GridWnd();
    if (!::OpenClipboard(pWnd != nullptr ? pWnd->m_hWnd : nullptr))
        return bText;
    if (!bText)
        ::EmptyClipboard();
    HGLOBAL hData = file.Detach();
    const BOOL bSet = ::SetClipboardData(GetMaskDataFormat(), hData) != nullptr;
    if (!bSet)
        ::GlobalFree(hData);
    ::CloseClipboard();
    return bText || bSet;
}

BOOL CGXMaskControl::CanPaste()
{
    return CanPasteNow() && ::IsClipboardFormatAvailable(GetMaskDataFormat());
}

BOOL CGXMaskControl::Paste()
{
    if (!CanPasteNow())
        return FALSE;
    CString strText;
    BOOL bRaw = FALSE;
    {
        const BOOL bOpen = ::GetOpenClipboardWindow() == nullptr;
        CWnd* pWnd = GridWnd();
        if (bOpen && !::OpenClipboard(pWnd != nullptr ? pWnd->m_hWnd : nullptr))
            return FALSE;
        HANDLE hData = ::GetClipboardData(GetMaskDataFormat());
        if (hData != nullptr) {
            if (const char* psz = static_cast<const char*>(::GlobalLock(hData))) {
                strText = CString(psz, int(strnlen(psz, ::GlobalSize(hData))));
                ::GlobalUnlock(hData);
                bRaw = TRUE;
            }
        }
        if (bOpen)
            ::CloseClipboard();
    }
    if (!bRaw && !ReadClipboardText(strText))
        return FALSE;
    const FlagScope rawPaste(m_bRawPaste, bRaw);
    return StoreTextInCell(strText);
}

BOOL CGXMaskControl::StoreTextInCell(const char* pszText)
{
    if (!m_bInit || IsReadOnlyCell())
        return FALSE;
    if (!m_bActive || m_hWnd == nullptr)
        return CGXStatic::StoreTextInCell(pszText);
    CGXMaskData& mask = *m_pEditMask;
    int nStart, nEnd;
    GetSelPos(nStart, nEnd);
    const int nTarget = mask.NextEditPos(nStart - 1);
    if (nTarget < 0 || (nStart != nEnd && nTarget >= nEnd))
        return FALSE;
    if (nStart != nEnd)
        mask.DeleteRange(nEnd, nStart);
    CString strBefore;
    mask.GetDisplayString(strBefore);
    int nNext = -1;
    if (!m_bRawPaste) {
        nNext = mask.SetDisplayString(pszText, nTarget, true);
        if (nNext == -1 || !mask.IsValidInput())
            nNext = -1;
    }
    if (nNext == -1) {
        mask.SetDisplayString(strBefore, -1, false);
        nNext = mask.SetData(pszText, nTarget, true);
        if (nNext == -1) {
            mask.SetDisplayString(strBefore, -1, false);
            return FALSE;
        }
    }
    ShowDisplay(std::min(nNext, mask.GetDisplayLength()));
    return TRUE;
}

BOOL CGXMaskControl::ReplaceSel(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol)
{
    const BOOL bEditing = m_hWnd != nullptr && m_bActive && IsAttachedTo(nRow, nCol);
    if (!CGXEditControl::ReplaceSel(state, nRow, nCol))
        return FALSE;
    if (bEditing && IsAttachedTo(nRow, nCol)) {
        SetCurrentText(m_pGrid->GetStoredValueRowCol(nRow, nCol));
        SetModify(FALSE);
    }
    return TRUE;
}

CGXControl* GXCreateMaskControl(CGXGridCore* pGrid, const GXControlEntry& entry)
{
    return new CGXMaskControl(pGrid, entry.nArgCount > 0 ? UINT(entry.adwArgs[0]) : entry.nId);
}

void GXRegisterMaskControlAttributes(CGXStylesMap& stylesMap)
{
    CGXMaskControl::RegisterUserAttributes(stylesMap);
}
