// CGXRichEditCtrl: the rich text cell (see GXRichEditCtrl.h).
#include "grid/controls/GXRichEditCtrl.h"

#include "grid/controls/GXControls.h"
#include "grid/controls/GXEditorRepaint.h"
#include "grid/engine/GXTextSearch.h"

#include "grid/engine/GXColor.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXFindReplace.h"
#include "grid/engine/GXFlagScope.h"
#include "grid/engine/GXFontState.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "win/CWindowDC.h"
#include "win/Win.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CGXRichEditCtrl, CRichEditCtrl)
GX_IMPLEMENT_CONTROL(CGXRichEditCtrl, CGXControl)

BEGIN_MESSAGE_MAP(CGXRichEditCtrl, CRichEditCtrl)
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_CHAR()
    ON_WM_SYSKEYDOWN()
    ON_WM_SYSKEYUP()
    ON_WM_SYSCHAR()
    ON_WM_ERASEBKGND()
    ON_WM_KILLFOCUS()
    ON_MESSAGE(WM_LBUTTONDOWN, OnWindowLButtonDown)
    ON_MESSAGE(WM_NOTIFY, OnNotifyFromShadow)
    ON_NOTIFY_REFLECT(EN_REQUESTRESIZE, OnRequestResize)
END_MESSAGE_MAP()

BOOL CGXRichEditCtrl::s_bBusy = FALSE;

namespace {

// The grid's activation flags that let a single click activate the cell (on its text, anywhere, or
// by making it current).
enum { kActivateOnAnyClick = 1 | 2 | 4 };

enum { kShadowCount = 4 };

struct ReadState {
    const CString* pText;
    int nPos;
};

DWORD CALLBACK ReadChunk(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    ReadState& state = *reinterpret_cast<ReadState*>(dwCookie);
    const int nCount = std::min(int(cb), state.pText->GetLength() - state.nPos);
    std::memcpy(pbBuff, state.pText->GetString() + state.nPos, size_t(nCount));
    state.nPos += nCount;
    *pcb = nCount;
    return 0;
}

DWORD CALLBACK WriteChunk(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    *reinterpret_cast<CString*>(dwCookie) += CString(reinterpret_cast<const char*>(pbBuff), int(cb));
    *pcb = cb;
    return 0;
}

// Half the frame metric when that is 3 or more, else 2.
int FrameMargin()
{
    const int nHalf = ::GetSystemMetrics(SM_CXFRAME) / 2;
    return nHalf >= 3 ? nHalf : 2;
}

COLORREF InteriorColor(const CGXStyle& style)
{
    return style.GetIncludeInterior() ? GXResolveColor(style.GetInterior().GetColor()) : RGB(255, 255, 255);
}


}  // namespace

void GXStreamInRtf(CRichEditCtrl& ctrl, const CString& strRtf, BOOL bSelection)
{
    ReadState state = {&strRtf, 0};
    EDITSTREAM es = {};
    es.dwCookie = reinterpret_cast<DWORD_PTR>(&state);
    es.pfnCallback = ReadChunk;
    ctrl.StreamIn(SF_RTF | (bSelection ? SFF_SELECTION : 0), es);
}

CString GXStreamOutRtf(CRichEditCtrl& ctrl)
{
    CString strRtf;
    EDITSTREAM es = {};
    es.dwCookie = reinterpret_cast<DWORD_PTR>(&strRtf);
    es.pfnCallback = WriteChunk;
    ctrl.StreamOut(SF_RTF, es);
    return strRtf;
}

void CGXRichEditCtrl::Shadow::Load(const CString& strRtf)
{
    if (ctrl.m_hWnd == nullptr || (bLoaded && strLoaded == strRtf))
        return;
    GXStreamInRtf(ctrl, strRtf);
    strLoaded = strRtf;
    bLoaded = TRUE;
}

CGXRichEditCtrl::CGXRichEditCtrl(CGXGridCore* pGrid, UINT nID) : CGXControl(pGrid), m_nID(nID) {}

CGXRichEditCtrl::~CGXRichEditCtrl()
{
    if (m_hWnd != nullptr) {
        const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
        DestroyWindow();
    }
}

CString CGXRichEditCtrl::WrapPlainText(const CString& strText)
{
    CString strResult("{");
    for (int i = 0; i < strText.GetLength(); ++i) {
        const char ch = strText[i];
        if (ch == '\\' || ch == '{' || ch == '}')
            strResult += '\\';
        strResult += ch;
    }
    strResult += '}';
    return strResult;
}

CString CGXRichEditCtrl::StyleValue(const CGXStyle& style)
{
    return style.GetIncludeValue() ? style.GetValueRef() : CString();
}

BOOL CGXRichEditCtrl::IsKeyHeld(int nVirtKey)
{
    return (AfxGetServices()->GetKeyState(nVirtKey) & 0x8000) != 0;
}

BOOL CGXRichEditCtrl::IsEditing(ROWCOL nRow, ROWCOL nCol) const
{
    return m_hWnd != nullptr && m_bActive && IsAttachedTo(nRow, nCol);
}

CGXCellRange CGXRichEditCtrl::CellOrSpan(ROWCOL nRow, ROWCOL nCol)
{
    CGXCellRange range;
    if (m_pGrid->GetSpannedCellsRowCol(nRow, nCol, range))
        return range;
    return CGXCellRange(nRow, nCol, nRow, nCol);
}

void CGXRichEditCtrl::SetCaret(long nPos)
{
    CRichEditCtrl::SetSel(nPos, nPos);
}

CString CGXRichEditCtrl::GetPlainText() const
{
    CString strText;
    if (m_hWnd != nullptr)
        GetWindowText(strText);
    return strText;
}

BOOL CGXRichEditCtrl::EnsureWindows()
{
    if (m_hWnd == nullptr)
        Create(ES_MULTILINE, 0);
    return m_hWnd != nullptr;
}

BOOL CGXRichEditCtrl::Create(DWORD dwStyle, UINT nID)
{
    CWnd* pGridWnd = GridWnd();
    if (pGridWnd == nullptr || pGridWnd->m_hWnd == nullptr)
        return FALSE;
    if (!CRichEditCtrl::Create(dwStyle & ~DWORD(WS_VISIBLE | WS_BORDER), CRect(0, 0, 10, 10), pGridWnd, nID))
        return FALSE;
    Shadow* apShadows[kShadowCount] = {&m_drawShadow, &m_textShadow, &m_measureShadow, &m_formatShadow};
    for (int i = 0; i < kShadowCount; ++i) {
        const DWORD dwShadow = apShadows[i] == &m_measureShadow ? ES_MULTILINE : (WS_BORDER | ES_MULTILINE);
        apShadows[i]->ctrl.Create(dwShadow, CRect(30000, 30000, 30100, 30100), this, UINT(i + 1));
        apShadows[i]->bLoaded = FALSE;
    }
    return TRUE;
}

// ---- formats and styles ----------------------------------------------------------------------------

void CGXRichEditCtrl::StyleToFormats(PARAFORMAT& pf, CHARFORMATA& cf, const CGXStyle& style)
{
    std::memset(&pf, 0, sizeof(pf));
    std::memset(&cf, 0, sizeof(cf));
    pf.cbSize = sizeof(PARAFORMAT);
    cf.cbSize = sizeof(CHARFORMATA);
    if (style.GetIncludeHorizontalAlignment()) {
        pf.dwMask |= PFM_ALIGNMENT;
        const UINT nAlign = style.GetHorizontalAlignment();
        pf.wAlignment = nAlign == DT_CENTER ? PFA_CENTER : nAlign == DT_RIGHT ? PFA_RIGHT : PFA_LEFT;
    }
    if (style.GetIncludeFont()) {
        const CGXFont& font = style.GetFontRef();
        const struct {
            BOOL bIncluded;
            BOOL bOn;
            DWORD dwMask;
            DWORD dwEffect;
        } kEffects[] = {
            {font.GetIncludeWeight(), font.WeightToFontWeight() >= FW_BOLD, CFM_BOLD, CFE_BOLD},
            {font.GetIncludeItalic(), font.GetItalic(), CFM_ITALIC, CFE_ITALIC},
            {font.GetIncludeUnderline(), font.GetUnderline(), CFM_UNDERLINE, CFE_UNDERLINE},
            {font.GetIncludeStrikeOut(), font.GetStrikeOut(), CFM_STRIKEOUT, CFE_STRIKEOUT},
        };
        for (const auto& effect : kEffects) {
            if (!effect.bIncluded)
                continue;
            cf.dwMask |= effect.dwMask;
            if (effect.bOn)
                cf.dwEffects |= effect.dwEffect;
        }
        if (font.GetIncludeFaceName()) {
            cf.dwMask |= CFM_FACE;
            lstrcpynA(cf.szFaceName, font.GetFaceName(), LF_FACESIZE);
        }
        if (font.GetIncludeSize()) {
            cf.dwMask |= CFM_SIZE;
            cf.yHeight = LONG(font.SizeToPoints() * 20);
        }
        const LOGFONTA& lf = font.GetLogFontRef();
        cf.dwMask |= CFM_CHARSET;
        cf.bCharSet = lf.lfCharSet;
        cf.bPitchAndFamily = lf.lfPitchAndFamily;
    }
    if (style.GetIncludeTextColor()) {
        cf.dwMask |= CFM_COLOR;
        cf.crTextColor = GXResolveColor(style.GetTextColor());
    }
}

BOOL CGXRichEditCtrl::FormatsToStyle(const PARAFORMAT& pf, const CHARFORMATA& cf, CGXStyle& style)
{
    BOOL bDefined = FALSE;
    if (pf.dwMask & PFM_ALIGNMENT) {
        style.SetHorizontalAlignment(pf.wAlignment == PFA_RIGHT ? DT_RIGHT : pf.wAlignment == PFA_CENTER ? DT_CENTER : DT_LEFT);
        bDefined = TRUE;
    }
    CGXFont font;
    BOOL bFont = FALSE;
    if (cf.dwMask & CFM_BOLD) {
        font.SetWeight((cf.dwEffects & CFE_BOLD) ? FW_BOLD : FW_NORMAL);
        bFont = TRUE;
    }
    if (cf.dwMask & CFM_ITALIC) {
        font.SetItalic((cf.dwEffects & CFE_ITALIC) != 0);
        bFont = TRUE;
    }
    if (cf.dwMask & CFM_UNDERLINE) {
        font.SetUnderline((cf.dwEffects & CFE_UNDERLINE) != 0);
        bFont = TRUE;
    }
    if (cf.dwMask & CFM_STRIKEOUT) {
        font.SetStrikeOut((cf.dwEffects & CFE_STRIKEOUT) != 0);
        bFont = TRUE;
    }
    if ((cf.dwMask & CFM_FACE) && cf.szFaceName[0] != 0) {
        font.SetFaceName(cf.szFaceName);
        bFont = TRUE;
    }
    if ((cf.dwMask & CFM_SIZE) && cf.yHeight > 0) {
        font.SetSize(cf.yHeight / 20);
        bFont = TRUE;
    }
    if (bFont)
        style.ChangeFont(font, CGXStyle::gxOverride);
    if ((cf.dwMask & CFM_COLOR) && !(cf.dwEffects & CFE_AUTOCOLOR)) {
        style.SetTextColor(cf.crTextColor);
        bDefined = TRUE;
    }
    return bDefined || bFont;
}

// ---- the cell control ------------------------------------------------------------------------------

CRuntimeClass* CGXRichEditCtrl::GetWndRuntimeClass()
{
    return GetRuntimeClass();
}

CWnd* CGXRichEditCtrl::GetWndPtr() const
{
    return const_cast<CGXRichEditCtrl*>(this);
}

void CGXRichEditCtrl::SetActive(BOOL bActive)
{
    if (bActive && !m_bActive && m_hWnd != nullptr) {
        m_bActive = TRUE;
        FreeStyle(TRUE);
        CGXControl::GetStyle();
    } else {
        m_bActive = bActive && m_hWnd != nullptr;
    }
}

BOOL CGXRichEditCtrl::IsActive()
{
    return m_bActive;
}

void CGXRichEditCtrl::SetModify(BOOL bModified)
{
    if (m_hWnd != nullptr)
        CRichEditCtrl::SetModify(bModified);
}

BOOL CGXRichEditCtrl::GetModify()
{
    return m_hWnd != nullptr && CRichEditCtrl::GetModify();
}

void CGXRichEditCtrl::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXControl::Init(nRow, nCol);
    if (!EnsureWindows())
        return;
    const CGXStyle& style = CGXControl::GetStyle();
    const FlagScope busy(s_bBusy, TRUE);
    PARAFORMAT pf;
    CHARFORMATA cf;
    StyleToFormats(pf, cf, style);
    CRichEditCtrl::SetSel(0, -1);
    SetParaFormat(pf);
    SetSelectionCharFormat(cf);
    GXStreamInRtf(*this, StyleValue(style));
    CRichEditCtrl::SetSel(0, -1);
    SetModify(FALSE);
    m_nInitialRowHeight = m_nShrinkRows == 1 ? m_pGrid->GetRowHeight(nRow) : 0;
}

BOOL CGXRichEditCtrl::Store()
{
    CString strValue;
    if (m_pStyle == nullptr || !GetModify() || !GetValue(strValue))
        return TRUE;
    SetActive(FALSE);
    FreeStyle();
    return m_pGrid->ApplyValueToRange(CGXCellRange(m_nRow, m_nCol, m_nRow, m_nCol), strValue, CGXStyle::gxOverride,
                                      m_pGrid->m_nStyleKind, 1);
}

CRect CGXRichEditCtrl::GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect, const CGXStyle* pStyle)
{
    CRect rect = CGXControl::GetCellRect(nRow, nCol, pRect, pStyle);
    const int m = CGXStatic::GetTextMargin();
    rect.left += m;
    rect.right -= m / 2;
    return rect;
}

CSize CGXRichEditCtrl::AddBorders(CSize size, const CGXStyle& style)
{
    size.cx += FrameMargin() * 3 / 2;
    return CGXControl::AddBorders(size, style);
}

CSize CGXRichEditCtrl::CalcSize(CDC*, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle*, BOOL)
{
    if (!EnsureWindows())
        return CSize(0, 0);
    const CGXCellRange range = CellOrSpan(nRow, nCol);
    int nWidth = 0, nHeight = 0;
    for (ROWCOL nC = range.left; nC <= range.right; ++nC)
        nWidth += m_pGrid->GetColWidth(nC);
    for (ROWCOL nR = range.top; nR <= range.bottom; ++nR)
        nHeight += m_pGrid->GetRowHeight(nR);
    const CRect rectSize(0, 0, nWidth, nHeight);
    CRect rect = GetCellRect(nRow, nCol, &rectSize, &style);
    rect.OffsetRect(30000, 30000);
    CRichEditCtrl& shadow = m_measureShadow.ctrl;
    shadow.MoveWindow(&rect, FALSE);
    shadow.SetTargetDevice(nullptr, 0);
    shadow.SetEventMask(ENM_REQUESTRESIZE);
    m_measureShadow.Load(StyleValue(style));
    m_rectMeasured.SetRectEmpty();
    {
        const FlagScope measuring(m_bMeasuring, TRUE);
        shadow.ShowWindow(SW_SHOWNA);
        shadow.RequestResize();
        shadow.ShowWindow(SW_HIDE);
    }
    return AddBorders(CSize(m_rectMeasured.Width(), m_rectMeasured.Height() + 1), style);
}

void CGXRichEditCtrl::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                           const CGXStyle* pStandardStyle)
{
    if (IsEditing(nRow, nCol) && !m_pGrid->IsPrinting()) {
        const FlagScope busy(s_bBusy, TRUE);
        DrawBackground(pDC, rect, style, TRUE);
        const CRect rectEdit = GetCellRect(nRow, nCol);
        MoveWindow(&rectEdit, FALSE);
        SetBackgroundColor(FALSE, InteriorColor(style));
        SetTargetDevice(nullptr, 0);
        SetEventMask(m_dwEventMask);
        const BOOL bAllowEnter = style.GetIncludeAllowEnter() && style.GetAllowEnter();
        SetOptions(ECOOP_SET, m_dwOptions | (bAllowEnter ? ECO_WANTRETURN : 0));
        m_bAutoSize = style.GetIncludeAutoSize() && style.GetAutoSize();
        SetReadOnly(IsReadOnlyCell());
        SetActive(TRUE);
        CWnd* pGridWnd = GridWnd();
        if (pGridWnd != nullptr && ::GetFocus() == pGridWnd->m_hWnd) {
            const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
            SetFocus();
        }
        SendMessage(EM_SCROLL, SB_PAGEUP);
        SendMessage(EM_SCROLLCARET);
        LimitText(style.GetIncludeMaxLength() ? long(style.GetMaxLength()) : 0);
        ShowWindow(SW_SHOW);
        GXRepaintPartlyHiddenEditor(m_pGrid, *this, pDC, rect, nRow, nCol);
        UpdateWindow();
        CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        ExcludeRectFromPaint(rectEdit);
        return;
    }
    DrawBackground(pDC, rect, style, FALSE);
    if (rect.Width() <= 1 || rect.Height() <= 1)
        return;
    const CString strValue = StyleValue(style);
    if (strValue.IsEmpty() || !EnsureWindows())
        return;
    const BOOL bBlackWhite = m_pGrid->IsPrintingBlackWhite();
    const COLORREF crBack = bBlackWhite ? RGB(255, 255, 255) : InteriorColor(style);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetBkColor(crBack);
    const BOOL bOwnTextColor = !bBlackWhite && style.GetIncludeTextColor();
    pDC->SetTextColor(bOwnTextColor ? GXResolveColor(style.GetTextColor()) : RGB(0, 0, 0));
    m_drawShadow.Load(strValue);
    CRichEditCtrl& shadow = m_drawShadow.ctrl;
    if (shadow.GetTextLength() == 0)
        return;
    if (bBlackWhite) {
        // black text on white paper: the shadow's colours are changed and it is loaded again next time
        CHARFORMATA cf = {};
        cf.cbSize = sizeof(cf);
        cf.dwMask = CFM_COLOR;
        shadow.SetSel(0, -1);
        shadow.SetSelectionCharFormat(cf);
        m_drawShadow.bLoaded = FALSE;
    }
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rect);
    const CRect rectCell = GetCellRect(nRow, nCol, &rect, &style);
    if (!RenderFormatRange(pDC, rectCell, style))
        RenderShadowImage(pDC, rectCell, crBack);
    pDC->RestoreDC(nSaved);
}

BOOL CGXRichEditCtrl::RenderFormatRange(CDC* pDC, CRect rectCell, const CGXStyle& style)
{
    const HDC hAttrib = pDC->m_hAttribDC != nullptr ? pDC->m_hAttribDC : pDC->m_hDC;
    GXFontState& fonts = GXGetLibraryState()->m_fontState;
    int nResX = fonts.GetDpiX(), nResY = fonts.GetDpiY();
    if (hAttrib != pDC->m_hDC) {
        nResX = pDC->GetDeviceCaps(LOGPIXELSX);
        nResY = pDC->GetDeviceCaps(LOGPIXELSY);
    } else if (m_pGrid->IsPrinting()) {
        // the rich edit control lays out for the printer: screen pixels scale to its dots
        pDC->SetMapMode(MM_ANISOTROPIC);
        pDC->SetWindowExt(nResX, nResY);
        pDC->SetViewportExt(pDC->GetDeviceCaps(LOGPIXELSX), pDC->GetDeviceCaps(LOGPIXELSY));
    }
    // a line taller than the cell is still laid out: the range reaches one line of the cell's font
    // further down, and the drawing is clipped to the cell
    {
        CFont* pOldFont = SelectStyleFont(pDC, style);
        TEXTMETRICA tm;
        pDC->GetTextMetrics(&tm);
        if (pOldFont != nullptr)
            pDC->SelectObject(pOldFont);
        rectCell.bottom += tm.tmHeight + tm.tmExternalLeading;
    }
    CRect rectClient(0, 0, 0, 0);
    if (CWnd* pGridWnd = GridWnd())
        pGridWnd->GetClientRect(&rectClient);
    FORMATRANGE fr = {};
    fr.hdc = pDC->m_hDC;
    fr.hdcTarget = hAttrib;
    fr.rc.left = MulDiv(rectCell.left, 1440, nResX);
    fr.rc.top = MulDiv(rectCell.top, 1440, nResY);
    fr.rc.right = MulDiv(rectCell.right, 1440, nResX);
    fr.rc.bottom = MulDiv(rectCell.bottom, 1440, nResY);
    fr.rcPage.right = (1440 / nResX) * rectClient.right;
    fr.rcPage.bottom = (1440 / nResY) * rectClient.bottom;
    fr.chrg.cpMin = 0;
    fr.chrg.cpMax = -1;
    CRichEditCtrl& shadow = m_drawShadow.ctrl;
    shadow.FormatRange(nullptr, FALSE);
    const long nLaidOut = shadow.FormatRange(&fr, TRUE);
    shadow.FormatRange(nullptr, FALSE);
    return nLaidOut > 0;
}

void CGXRichEditCtrl::RenderShadowImage(CDC* pDC, const CRect& rectCell, COLORREF crBack)
{
    if (rectCell.Width() <= 0 || rectCell.Height() <= 0)
        return;
    // the shadow's client area takes the cell's size (in screen pixels), far outside the editor
    CRichEditCtrl& shadow = m_drawShadow.ctrl;
    CRect rectWindow, rectClient;
    shadow.GetWindowRect(&rectWindow);
    shadow.GetClientRect(&rectClient);
    const CSize sizeFrame(rectWindow.Width() - rectClient.Width(), rectWindow.Height() - rectClient.Height());
    shadow.MoveWindow(30000, 30000, rectCell.Width() + sizeFrame.cx, rectCell.Height() + sizeFrame.cy, FALSE);
    shadow.SetBackgroundColor(FALSE, crBack);
    // drawn into a screen bitmap and copied: the copy follows the target's mapping (a printer's scale)
    CDC memDC;
    CBitmap bitmap;
    if (!memDC.CreateCompatibleDC(nullptr))
        return;
    {
        CWindowDC screen(nullptr);
        if (!bitmap.CreateCompatibleBitmap(&screen, rectCell.Width(), rectCell.Height()))
            return;
    }
    CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
    memDC.FillSolidRect(0, 0, rectCell.Width(), rectCell.Height(), crBack);
    shadow.SendMessage(WM_PRINTCLIENT, WPARAM(memDC.m_hDC), PRF_CLIENT | PRF_ERASEBKGND);
    pDC->StretchBlt(rectCell.left, rectCell.top, rectCell.Width(), rectCell.Height(), &memDC, 0, 0, rectCell.Width(),
                    rectCell.Height(), SRCCOPY);
    memDC.SelectObject(pOldBitmap);
}

void CGXRichEditCtrl::Hide()
{
    if (m_hWnd == nullptr || !IsWindowVisible())
        return;
    const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
    ShowWindow(SW_HIDE);
}

// ---- text and value --------------------------------------------------------------------------------

void CGXRichEditCtrl::GetCurrentText(CString& strResult)
{
    if (m_bActive && m_hWnd != nullptr)
        strResult = GetPlainText();
    else if (m_bInit)
        GetControlText(strResult, m_nRow, m_nCol, nullptr, CGXControl::GetStyle());
    else
        strResult.Empty();
}

void CGXRichEditCtrl::SetValue(const char* pszValue)
{
    if (!m_bInit || m_hWnd == nullptr)
        return;
    if (!m_bActive)
        SetActive(TRUE);
    const CString strText(pszValue != nullptr ? pszValue : "");
    if (!ValidateString(strText))
        return;
    GXStreamInRtf(*this, WrapPlainText(strText));
    SetModify(TRUE);
    OnModifyCell();
}

BOOL CGXRichEditCtrl::GetValue(CString& strResult)
{
    if (!m_bInit)
        return FALSE;
    if (m_bActive && m_hWnd != nullptr)
        strResult = GXStreamOutRtf(*this);
    else
        strResult = StyleValue(CGXControl::GetStyle());
    return TRUE;
}

void CGXRichEditCtrl::SetCurrentText(const char* pszText)
{
    if (m_hWnd != nullptr)
        GXStreamInRtf(*this, CString(pszText != nullptr ? pszText : ""));
}

BOOL CGXRichEditCtrl::GetControlText(CString& strResult, ROWCOL, ROWCOL, const char* pszValue, const CGXStyle& style)
{
    strResult.Empty();
    if (pszValue == nullptr && !style.GetIncludeValue())
        return FALSE;
    if (!EnsureWindows())
        return FALSE;
    m_textShadow.Load(pszValue != nullptr ? CString(pszValue) : style.GetValueRef());
    m_textShadow.ctrl.GetWindowText(strResult);
    return TRUE;
}

BOOL CGXRichEditCtrl::SetControlText(ROWCOL nRow, ROWCOL nCol, const char* pszText, UINT nFlags, const CGXStyle* pOldStyle)
{
    std::unique_ptr<CGXComposedStyle> pComposed;
    if (pOldStyle == nullptr) {
        pComposed = std::make_unique<CGXComposedStyle>(m_pGrid, nRow, nCol);
        pOldStyle = &pComposed->Get();
    }
    const CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && pParam->GetReadOnlyGuard() &&
        (m_pGrid->IsReadOnly() || (pOldStyle->GetIncludeReadOnly() && pOldStyle->GetReadOnly())))
        return FALSE;
    CString strText(pszText != nullptr ? pszText : "");
    if (!ConvertTextToValue(strText, nRow, nCol, pOldStyle))
        return FALSE;
    return m_pGrid->ApplyValueToRange(CGXCellRange(nRow, nCol, nRow, nCol), strText, CGXStyle::gxOverride, 0, nFlags);
}

BOOL CGXRichEditCtrl::ConvertTextToValue(CString& strText, ROWCOL, ROWCOL, const CGXStyle* pStyle)
{
    // cut before escaping: the limit counts what the user sees
    if (pStyle != nullptr && pStyle->GetIncludeMaxLength() && pStyle->GetMaxLength() != 0 &&
        strText.GetLength() > int(pStyle->GetMaxLength()))
        strText = strText.Left(GXCharBoundaryLength(strText, int(pStyle->GetMaxLength())));
    strText = WrapPlainText(strText);
    return TRUE;
}

BOOL CGXRichEditCtrl::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nKind,
                                       const CGXStyle* pCurrentStyle)
{
    if (pStyle == nullptr || nMode == 2 || nMode == 4 || !EnsureWindows())
        return CGXControl::StoreStyleRowCol(nRow, nCol, pStyle, nMode, nKind, pCurrentStyle);
    PARAFORMAT pfChange, pfCell;
    CHARFORMATA cfChange, cfCell;
    StyleToFormats(pfChange, cfChange, *pStyle);
    std::unique_ptr<CGXComposedStyle> pComposed;
    if (pCurrentStyle == nullptr) {
        pComposed = std::make_unique<CGXComposedStyle>(m_pGrid, nRow, nCol);
        pCurrentStyle = &pComposed->Get();
    }
    StyleToFormats(pfCell, cfCell, *pCurrentStyle);
    const BOOL bValueChange = pStyle->GetIncludeValue() || pStyle->GetIncludeControl();
    // a change without formats is stored as it is: a value wrapped from plain text stays as wrapped
    if (pfChange.dwMask == 0 && cfChange.dwMask == 0)
        return CGXControl::StoreStyleRowCol(nRow, nCol, pStyle, nMode, nKind, pCurrentStyle);
    CGXStyle copy(*pStyle);
    copy.SetIncludeMask(copy.GetIncludeMask() &
                        ~DWORD(CGXStyle::incHorizontalAlignment | CGXStyle::incTextColor | CGXStyle::incFont));
    if (IsEditing(nRow, nCol) && !bValueChange) {
        // the editor's selection takes the new formats
        if (cfChange.dwMask != 0)
            SetSelectionCharFormat(cfChange);
        if (pfChange.dwMask != 0)
            SetParaFormat(pfChange);
        SetModify(TRUE);
        OnModifyCell();
    } else if (const CString strValue = copy.GetIncludeValue() ? copy.GetValueRef() : StyleValue(*pCurrentStyle);
               !strValue.IsEmpty() || pfChange.dwMask != 0 || cfChange.dwMask != 0) {
        // an empty cell that only changes its control keeps its empty value
        m_textShadow.bLoaded = m_textShadow.bLoaded && !strValue.IsEmpty();
        m_textShadow.Load(strValue);
        CRichEditCtrl& shadow = m_textShadow.ctrl;
        shadow.SetSel(0, -1);
        shadow.SetParaFormat(pfCell);
        shadow.SetSelectionCharFormat(cfCell);
        if (pfChange.dwMask != 0)
            shadow.SetParaFormat(pfChange);
        if (cfChange.dwMask != 0)
            shadow.SetSelectionCharFormat(cfChange);
        copy.SetValue(GXStreamOutRtf(shadow));
        m_textShadow.bLoaded = FALSE;
    }
    if (copy.IsEmpty())
        return FALSE;
    return CGXControl::StoreStyleRowCol(nRow, nCol, &copy, nMode, nKind, pCurrentStyle);
}

void CGXRichEditCtrl::GetValueIntoStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style)
{
    PARAFORMAT pf = {};
    CHARFORMATA cf = {};
    pf.cbSize = sizeof(pf);
    cf.cbSize = sizeof(cf);
    if (IsEditing(nRow, nCol) && m_pGrid->IsCurrentCell(nRow, nCol)) {
        GetParaFormat(pf);
        GetSelectionCharFormat(cf);
    } else if (!StyleValue(style).IsEmpty() && EnsureWindows()) {
        m_formatShadow.Load(StyleValue(style));
        m_formatShadow.ctrl.SetSel(0, -1);
        m_formatShadow.ctrl.GetParaFormat(pf);
        m_formatShadow.ctrl.GetSelectionCharFormat(cf);
    } else {
        return;
    }
    FormatsToStyle(pf, cf, style);
}

// ---- clicks ----------------------------------------------------------------------------------------

void CGXRichEditCtrl::ActivateWithClick(CPoint point)
{
    SetActive(TRUE);
    Refresh();
    if (CWnd* pGridWnd = GridWnd())
        pGridWnd->UpdateWindow();
    SetCaret(0);
    const CRect rectCell = GetCellRect(m_nRow, m_nCol);
    const LPARAM lParam = MAKELPARAM(point.x - rectCell.left, point.y - rectCell.top);
    SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    SendMessage(WM_LBUTTONUP, 0, lParam);
}

BOOL CGXRichEditCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_hWnd == nullptr || (nFlags & (MK_RBUTTON | MK_MBUTTON)) || !(ActivationFlags() & kActivateOnAnyClick))
        return CGXControl::OnLButtonUp(nFlags, point);
    if (!m_bActive && !OnStartEditing())
        return CGXControl::OnLButtonUp(nFlags, point);
    if (!CGXControl::OnLButtonUp(nFlags, point))
        ActivateWithClick(point);
    return TRUE;
}

BOOL CGXRichEditCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_hWnd == nullptr || m_bActive || !(ActivationFlags() & kActivateOnDblClk) || !OnStartEditing())
        return CGXControl::OnLButtonDblClk(nFlags, point);
    if (!CGXControl::OnLButtonDblClk(nFlags, point))
        ActivateWithClick(point);
    return TRUE;
}

LRESULT CGXRichEditCtrl::OnWindowLButtonDown(WPARAM, LPARAM)
{
    s_bBusy = TRUE;
    return Default();
}

// ---- keys the grid offers --------------------------------------------------------------------------

BOOL CGXRichEditCtrl::OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_hWnd == nullptr || IsKeyHeld(VK_CONTROL))
        return CGXControl::OnGridKeyDown(nChar, nRepCnt, nFlags);
    switch (nChar) {
    case VK_END:
    case VK_HOME:
        if (!OnStartEditing())
            return FALSE;
        if (!m_bInit)
            Init(m_nRow, m_nCol);
        SetActive(TRUE);
        SetCaret(nChar == VK_END ? GetTextLength() : 0);
        break;
    case VK_DELETE: {
        const CGXGridParam* pParam = m_pGrid->GetParam();
        if ((pParam != nullptr && pParam->GetControlOptions().bDeleteClears) || IsReadOnlyCell() ||
            IsKeyHeld(VK_SHIFT) || !OnEndEditing() || !OnStartEditing())
            return FALSE;
        SetActive(TRUE);
        SetValue("");
        break;
    }
    default:
        return CGXControl::OnGridKeyDown(nChar, nRepCnt, nFlags);
    }
    if (!m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2))
        Refresh();
    return TRUE;
}

BOOL CGXRichEditCtrl::OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_hWnd == nullptr || nChar < 32 || nChar == 127)
        return CGXControl::OnGridChar(nChar, nRepCnt, nFlags);
    const char ch = char(BYTE(nChar));
    return OnGridDoubleByteChar(CString(&ch, 1), nRepCnt, nFlags);
}

BOOL CGXRichEditCtrl::OnGridDoubleByteChar(const CString& strChar, UINT, UINT)
{
    if (m_hWnd == nullptr || IsReadOnlyCell())
        return FALSE;
    if (!m_bActive) {
        if (!ValidateString(strChar) || !OnStartEditing())
            return FALSE;
        SetActive(TRUE);
        SetValue(strChar);
        SetCaret(GetTextLength());
        Refresh();
        return TRUE;
    }
    SetCaret(GetTextLength());
    const CGXStyle& style = CGXControl::GetStyle();
    const CString strText = GetPlainText();
    if (style.GetIncludeMaxLength() && style.GetMaxLength() != 0 &&
        strText.GetLength() + strChar.GetLength() > int(style.GetMaxLength()))
        return TRUE;
    if (ValidateString(strText + strChar))
        StoreTextInCell(strChar);
    return TRUE;
}

// ---- keys in the editor ----------------------------------------------------------------------------

void CGXRichEditCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2);
    s_bBusy = FALSE;
    if (!m_bActive) {
        m_pGrid->ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
        return;
    }
    const BOOL bCtrl = IsKeyHeld(VK_CONTROL), bShift = IsKeyHeld(VK_SHIFT);
    CHARRANGE cr;
    GetSel(cr);
    BOOL bToGrid = FALSE;
    switch (nChar) {
    case VK_ESCAPE:
    case VK_TAB:
    case VK_PRIOR:
    case VK_NEXT:
        bToGrid = TRUE;
        break;
    case VK_RETURN:
        bToGrid = !bCtrl && !(CWnd::GetStyle() & ES_WANTRETURN) && !(SendMessage(EM_GETOPTIONS) & ECO_WANTRETURN);
        break;
    case VK_LEFT:
        bToGrid = !bCtrl && cr.cpMin == 0;
        break;
    case VK_UP:
        bToGrid = !bCtrl && LineFromChar(cr.cpMin) == 0;
        break;
    case VK_RIGHT:
        bToGrid = !bCtrl && cr.cpMax >= GetTextLength();
        break;
    case VK_DOWN:
        bToGrid = !bCtrl && LineFromChar(cr.cpMax) >= long(SendMessage(EM_GETLINECOUNT)) - 1;
        break;
    case VK_INSERT:
        if (bShift) {
            Paste();
            return;
        }
        if (bCtrl && cr.cpMin != cr.cpMax) {
            Copy();
            return;
        }
        break;
    case VK_DELETE:
        if (bShift && cr.cpMin != cr.cpMax) {
            Cut();
            return;
        }
        break;
    case 'C':
    case 'V':
    case 'X':
        bToGrid = bCtrl;
        break;
    default:
        bToGrid = nChar >= VK_F1 && nChar <= VK_F24;
        break;
    }
    if (bToGrid)
        m_pGrid->ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
    else
        DefaultThenFollowSize();
}

void CGXRichEditCtrl::DefaultThenFollowSize()
{
    {
        const FlagScope editing(m_bInEditorKey, TRUE);
        Default();
    }
    FollowSize();
}

void CGXRichEditCtrl::FollowSize()
{
    if (m_bAutoSize && m_bActive && m_hWnd != nullptr && !s_bBusy)
        RequestResize();
}

void CGXRichEditCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bInit || !m_bActive || (CWnd::GetStyle() & ES_READONLY) || (nChar == VK_BACK && nRepCnt == 0))
        return;
    if (IsKeyHeld(VK_CONTROL)) {
        switch (nChar) {
        case 3:
            Copy();
            return;
        case 22:
            Paste();
            return;
        case 24:
            Cut();
            return;
        default:
            break;
        }
    }
    if (m_bPendingLeadByte || ::IsDBCSLeadByte(BYTE(nChar))) {
        CString strPair;
        ComposeMultiByteChar(nChar, strPair, m_bPendingLeadByte, m_chLeadByte);
        if (strPair.IsEmpty())
            return;
    } else if (nChar >= 32 && nChar != 127) {
        // the text the character makes is checked; a refusal is reported, the character still typed
        CHARRANGE cr;
        GetSel(cr);
        const CString strText = GetPlainText();
        const char ch = char(BYTE(nChar));
        const CString strCandidate = strText.Left(int(cr.cpMin)) + CString(&ch, 1) + strText.Mid(int(cr.cpMax));
        if (!ValidateString(strCandidate))
            OnInvalidInput(CString(&ch, 1));
    }
    DefaultThenFollowSize();
    // typed text stays in the editor; other control characters are offered to the grid too
    if (nChar < 32 && nChar != '\r' && nChar != '\n' && nChar != VK_BACK && !m_bPendingLeadByte)
        m_pGrid->ProcessKeys(this, WM_CHAR, nChar, nRepCnt, nFlags);
}

void CGXRichEditCtrl::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pGrid->ProcessKeys(this, WM_KEYUP, nChar, nRepCnt, nFlags))
        Default();
}

void CGXRichEditCtrl::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pGrid->ProcessKeys(this, WM_SYSKEYDOWN, nChar, nRepCnt, nFlags))
        Default();
}

void CGXRichEditCtrl::OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pGrid->ProcessKeys(this, WM_SYSKEYUP, nChar, nRepCnt, nFlags))
        Default();
}

void CGXRichEditCtrl::OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pGrid->ProcessKeys(this, WM_SYSCHAR, nChar, nRepCnt, nFlags))
        Default();
}

BOOL CGXRichEditCtrl::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, RGB(255, 255, 255));
    if (m_pStyle != nullptr && m_pStyle->GetIncludeInterior())
        m_pGrid->FillRectWithBrush(pDC, rect, m_pStyle->GetInterior());
    return TRUE;
}

void CGXRichEditCtrl::OnKillFocus(CWnd* pNewWnd)
{
    Default();
    ForwardKillFocus(pNewWnd);
}

LRESULT CGXRichEditCtrl::OnNotifyFromShadow(WPARAM wParam, LPARAM lParam)
{
    const NMHDR* pHeader = reinterpret_cast<const NMHDR*>(lParam);
    if (m_bMeasuring && pHeader != nullptr && pHeader->hwndFrom == m_measureShadow.ctrl.m_hWnd &&
        pHeader->code == EN_REQUESTRESIZE) {
        m_rectMeasured = reinterpret_cast<const REQRESIZE*>(lParam)->rc;
        return 0;
    }
    (void)wParam;
    return Default();
}

void CGXRichEditCtrl::OnRequestResize(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    // the editor's own notice in the middle of a key comes too late and at a time when the row must
    // not move under it: the size is asked again once the key is done
    if (s_bBusy || m_bInEditorKey || !m_bInit || !m_pGrid->IsCurrentCell(m_nRow, m_nCol) || !m_bAutoSize || !m_bActive)
        return;
    const CRect rectRequested = reinterpret_cast<const REQRESIZE*>(pNMHDR)->rc;
    const CGXCellRange range = CellOrSpan(m_nRow, m_nCol);
    const CGXStyle& style = CGXControl::GetStyle();
    int nRequested = AddBorders(CSize(rectRequested.Width(), rectRequested.Height()), style).cy + 1;
    for (ROWCOL nRow = range.top; nRow < range.bottom; ++nRow)
        nRequested -= m_pGrid->GetRowHeight(nRow);
    const ROWCOL nLastRow = range.bottom;
    const int nCurrent = m_pGrid->GetRowHeight(nLastRow);
    if (nCurrent < nRequested) {
        // the row stays inside the grid's client area
        CRect rectClient(0, 0, 0, 0);
        if (CWnd* pGridWnd = GridWnd())
            pGridWnd->GetClientRect(&rectClient);
        const ROWCOL nFrozen = m_pGrid->GetFrozenRows();
        int nAbove = 0;
        if (nLastRow > 0) {
            const ROWCOL nUpTo = nLastRow > nFrozen ? nFrozen : nLastRow - 1;
            for (ROWCOL nRow = 0; nRow <= nUpTo; ++nRow)
                nAbove += m_pGrid->GetRowHeight(nRow);
        }
        const int nLargest = std::max(0, rectClient.Height() - nAbove - 1);
        if (nCurrent < nLargest) {
            SetRowHeightKeepingEdit(nLastRow, std::min(nRequested, nLargest));
            m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2);
        }
    } else {
        const int nTarget = std::max(m_nInitialRowHeight, nRequested);
        if (nTarget < nCurrent && m_nShrinkRows == 1)
            SetRowHeightKeepingEdit(nLastRow, nTarget);
    }
}

void CGXRichEditCtrl::SetRowHeightKeepingEdit(ROWCOL nRow, int nHeight)
{
    CHARRANGE cr;
    GetSel(cr);
    const BOOL bModified = GetModify();
    const CString strRtf = GXStreamOutRtf(*this);
    const int nInitialRowHeight = m_nInitialRowHeight;
    const ROWCOL nCellRow = m_nRow, nCellCol = m_nCol;
    const BOOL bFocused = ::GetFocus() == m_hWnd;
    const FlagScope busy(s_bBusy, TRUE);
    m_pGrid->SetRowHeight(nRow, nRow, nHeight, nullptr, 2);
    // the grid stores and initialises the current cell again when its row changes size: the user goes
    // on typing where he was, and the row still shrinks back to its height when editing began
    if (!IsAttachedTo(nCellRow, nCellCol) || !m_pGrid->IsCurrentCell(nCellRow, nCellCol) || m_hWnd == nullptr)
        return;
    m_nInitialRowHeight = nInitialRowHeight;
    SetActive(TRUE);
    if (GXStreamOutRtf(*this) != strRtf)
        GXStreamInRtf(*this, strRtf);
    SetSel(cr);
    SetModify(bModified);
    if (bFocused && ::GetFocus() != m_hWnd) {
        const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
        SetFocus();
    }
}

// ---- clipboard -------------------------------------------------------------------------------------

BOOL CGXRichEditCtrl::Copy()
{
    if (m_bInit && m_hWnd != nullptr && m_bActive && m_pGrid->IsCurrentCell(m_nRow, m_nCol)) {
        SendMessage(WM_COPY);
        return TRUE;
    }
    return CGXControl::Copy();
}

BOOL CGXRichEditCtrl::Cut()
{
    if (m_bInit && m_hWnd != nullptr && m_bActive && !IsReadOnlyCell()) {
        SendMessage(WM_CUT);
        FollowSize();
        return TRUE;
    }
    return CGXControl::Cut();
}

BOOL CGXRichEditCtrl::CanPaste()
{
    if (!m_bInit)
        return CGXControl::CanPaste();
    if (IsReadOnlyCell())
        return FALSE;
    if (::IsClipboardFormatAvailable(::RegisterClipboardFormatA(CF_RTF)))
        return TRUE;
    return CGXControl::CanPaste();
}

BOOL CGXRichEditCtrl::Paste()
{
    if (!m_bInit || m_hWnd == nullptr || IsReadOnlyCell())
        return FALSE;
    const HWND hOpen = ::GetOpenClipboardWindow();
    if (hOpen == nullptr && ::IsClipboardFormatAvailable(::RegisterClipboardFormatA(CF_RTF))) {
        if (!m_bActive) {
            SetActive(TRUE);
            CRichEditCtrl::SetSel(0, -1);
        }
        {
            const FlagScope busy(s_bBusy, TRUE);
            SendMessage(WM_PASTE);
        }
        SetModify(TRUE);
        OnModifyCell();
        Refresh();
        if (CWnd* pGridWnd = GridWnd())
            pGridWnd->UpdateWindow();
        FollowSize();
        return TRUE;
    }
    if (!m_bActive) {
        // plain text on an inactive cell: stored as the cell's new text
        CString strText;
        if (!ReadClipboardText(strText) || !m_pGrid->IsCurrentCell(m_nRow, m_nCol))
            return FALSE;
        return SetControlText(m_nRow, m_nCol, strText, 2, &CGXControl::GetStyle());
    }
    return CGXControl::Paste();
}

BOOL CGXRichEditCtrl::StoreTextInCell(const char* pszText)
{
    if (!m_bActive || m_hWnd == nullptr)
        return CGXControl::StoreTextInCell(pszText);
    if (IsReadOnlyCell())
        return FALSE;
    CRichEditCtrl::ReplaceSel(pszText, TRUE);
    SetModify(TRUE);
    OnModifyCell();
    FollowSize();
    return TRUE;
}

BOOL CGXRichEditCtrl::GetSelectedText(CString& strResult)
{
    if (!m_bActive || m_hWnd == nullptr) {
        GetCurrentText(strResult);
        return FALSE;
    }
    CHARRANGE cr;
    GetSel(cr);
    strResult = GetPlainText();
    if (cr.cpMin == cr.cpMax)
        return FALSE;
    strResult = strResult.Mid(int(cr.cpMin), int(cr.cpMax - cr.cpMin));
    return TRUE;
}

BOOL CGXRichEditCtrl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_hWnd != nullptr && HWND(lParam) == m_hWnd && m_bActive && HIWORD(wParam) == EN_CHANGE)
        OnModifyCell();
    return CRichEditCtrl::OnCommand(wParam, lParam) || CGXControl::OnCommand(wParam, lParam);
}

// ---- find and replace ------------------------------------------------------------------------------

BOOL CGXRichEditCtrl::FindIn(CRichEditCtrl& ctrl, const GridFindReplaceState& state, long nFrom, CHARRANGE& rcFound)
{
    if (state.m_strFind.IsEmpty())
        return FALSE;
    FINDTEXTEXA ft = {};
    ft.chrg.cpMin = nFrom;
    ft.chrg.cpMax = ctrl.GetTextLength();
    ft.lpstrText = state.m_strFind.GetString();
    if (ctrl.FindText(FR_DOWN | (state.m_bCase ? FR_MATCHCASE : 0), &ft) < 0)
        return FALSE;
    rcFound = ft.chrgText;
    return TRUE;
}

BOOL CGXRichEditCtrl::FindText(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos, BOOL bSelect)
{
    CHARRANGE rcFound;
    if (IsEditing(nRow, nCol)) {
        CHARRANGE cr;
        GetSel(cr);
        const long nFrom = !bCurrentPos && cr.cpMin != cr.cpMax ? cr.cpMin + 1 : cr.cpMin;
        if (!FindIn(*this, state, nFrom, rcFound))
            return FALSE;
        if (bSelect) {
            m_pGrid->ScrollCellInView(nRow, nCol, 2);
            SetSel(rcFound);
        }
        return TRUE;
    }
    if (!EnsureWindows())
        return FALSE;
    {
        std::unique_ptr<CGXComposedStyle> pComposed;
        const CGXStyle& style = state.m_pStyle != nullptr ? *state.m_pStyle : CellStyle(nRow, nCol, pComposed);
        m_textShadow.Load(StyleValue(style));
    }
    if (!FindIn(m_textShadow.ctrl, state, 0, rcFound))
        return FALSE;
    if (bSelect) {
        m_pGrid->ScrollCellInView(nRow, nCol, 2);
        m_pGrid->SetCurrentCell(nRow, nCol, CGXGridCore::gxUpdateNow2 | CGXGridCore::gxKeepFocus);
        if (IsAttachedTo(nRow, nCol)) {
            SetActive(TRUE);
            SetSel(rcFound);
            Refresh();
        }
    }
    return TRUE;
}

BOOL CGXRichEditCtrl::ReplaceSel(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol)
{
    if (state.m_strFind.IsEmpty())
        return FALSE;
    CHARRANGE rcFound;
    BOOL bReplaced = FALSE;
    if (IsEditing(nRow, nCol)) {
        CHARRANGE cr;
        GetSel(cr);
        long nFrom = cr.cpMin;
        while (FindIn(*this, state, nFrom, rcFound)) {
            SetSel(rcFound);
            StoreTextInCell(state.m_strReplace);
            nFrom = rcFound.cpMin + state.m_strReplace.GetLength();
            bReplaced = TRUE;
        }
        if (bReplaced)
            Store();
        return bReplaced;
    }
    if (!EnsureWindows())
        return FALSE;
    std::unique_ptr<CGXComposedStyle> pComposed;
    const CGXStyle& style = state.m_pStyle != nullptr ? *state.m_pStyle : CellStyle(nRow, nCol, pComposed);
    m_textShadow.Load(StyleValue(style));
    CRichEditCtrl& shadow = m_textShadow.ctrl;
    long nFrom = 0;
    while (FindIn(shadow, state, nFrom, rcFound)) {
        shadow.SetSel(rcFound);
        shadow.ReplaceSel(state.m_strReplace);
        nFrom = rcFound.cpMin + state.m_strReplace.GetLength();
        bReplaced = TRUE;
    }
    if (!bReplaced)
        return FALSE;
    const CString strRtf = GXStreamOutRtf(shadow);
    m_textShadow.bLoaded = FALSE;
    m_pGrid->ApplyValueToRange(CGXCellRange(nRow, nCol, nRow, nCol), strRtf, CGXStyle::gxOverride, 0, 2);
    return TRUE;
}

CGXControl* GXCreateRichEditCtrl(CGXGridCore* pGrid, const GXControlEntry& entry)
{
    return new CGXRichEditCtrl(pGrid, entry.nArgCount > 0 ? UINT(entry.adwArgs[0]) : entry.nId);
}
