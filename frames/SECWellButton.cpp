#include "frames/SECWellButton.h"

#include "frames/SECToolkit.h"
#include "win/ArgCheck.h"
#include "win/CDC.h"
#include "win/DataExchange.h"

IMPLEMENT_DYNAMIC(SECWellButton, SECOwnerDrawButton)

BEGIN_MESSAGE_MAP(SECWellButton, SECOwnerDrawButton)
    ON_MESSAGE(SEC_WM_COLORSELECTED, OnColorSelected)
    ON_MESSAGE(SEC_WM_OTHERCOLOR, OnOtherColor)
END_MESSAGE_MAP()

SECWellButton::SECWellButton()
{
    LOGPALETTE log = {};
    log.palVersion = 0x300;
    log.palNumEntries = 1;
    m_palette.CreatePalette(&log); // black
}

SECWellButton::~SECWellButton() = default;

void SECWellButton::SetColor(COLORREF clr)
{
    const PALETTEENTRY entry = {GetRValue(clr), GetGValue(clr), GetBValue(clr), 0};
    m_palette.SetPaletteEntries(0, 1, &entry);
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
}

COLORREF SECWellButton::GetColor() const
{
    PALETTEENTRY entry = {};
    m_palette.GetPaletteEntries(0, 1, &entry);
    return RGB(entry.peRed, entry.peGreen, entry.peBlue);
}

void SECWellButton::Clicked()
{
    if (m_pPopup == nullptr)
        m_pPopup.reset(new SECPopupColorWell);
    CRect rcWindow;
    GetWindowRect(rcWindow);
    if (!m_pPopup->CreatePopup(WS_VISIBLE, rcWindow, this, m_wellBtnState.bShowOther))
        return;
    m_pPopup->SetColor(GetColor());
    m_pPopup->SetRealizePalette(m_wellBtnState.bRealizePalette);
    m_pPopup->SetNotifyWindow(this);
}

LRESULT SECWellButton::OnColorSelected(WPARAM, LPARAM lParam)
{
    const COLORREF clr = COLORREF(lParam);
    SetColor(clr);
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(SEC_WM_COLORSELECTED, WPARAM(GetDlgCtrlID()), LPARAM(clr));
    return 0;
}

LRESULT SECWellButton::OnOtherColor(WPARAM, LPARAM)
{
    COLORREF clr = GetColor();
    if (SECChooseColor(this, clr, m_wellBtnState.dwDialogFlags, m_wellBtnState.pCustColors))
        OnColorSelected(0, LPARAM(clr));
    return 0;
}

// ---- drawing -------------------------------------------------------------------------------------------

void SECWellButton::PrepareDraw(CDC*, CDC* pMemDC)
{
    if (!m_wellBtnState.bRealizePalette)
        return;
    m_wellBtnState.pOldPalette = pMemDC->SelectPalette(&m_palette, FALSE);
    pMemDC->RealizePalette();
}

void SECWellButton::FinishDraw(CDC*, CDC* pMemDC)
{
    if (m_wellBtnState.pOldPalette == nullptr)
        return;
    pMemDC->SelectPalette(m_wellBtnState.pOldPalette, FALSE);
    m_wellBtnState.pOldPalette = nullptr;
}

void SECWellButton::DrawContent(CDC* pDC, LPDRAWITEMSTRUCT lpDIS, const CRect& r)
{
    const SECDrawValues& v = SECGetDrawValues();
    // the arrow: rows 5, 3 and 1 wide
    const int xArrow = r.right - 7;
    const int yArrow = r.top + (r.Height() - 3) / 2;
    for (int i = 0; i < 3; i++)
        pDC->FillSolidRect(xArrow + i, yArrow + i, 5 - 2 * i, 1, RGB(0, 0, 0));
    // the separator
    pDC->FillSolidRect(r.right - 10, r.top + 2, 1, r.Height() - 4, v.clrBtnShadow);
    pDC->FillSolidRect(r.right - 9, r.top + 2, 1, r.Height() - 4, v.clrBtnHilite);
    if (lpDIS->itemState & ODS_DISABLED)
        return;
    CRect rcBox(r.left + 3, r.top + 2, r.right - 13, r.bottom - 2);
    if (rcBox.IsRectEmpty())
        return;
    pDC->Draw3dRect(rcBox, RGB(0, 0, 0), RGB(0, 0, 0));
    rcBox.DeflateRect(1, 1);
    CBrush brush(m_wellBtnState.bRealizePalette ? PALETTEINDEX(0) : GetColor());
    pDC->FillRect(rcBox, &brush);
}

// ---- data exchange -------------------------------------------------------------------------------------

void DDX_WellColor(CDataExchange* pDX, int nIDC, COLORREF& clr)
{
    AfxRequirePointer(pDX, "DDX_WellColor", "pDX");
    CWnd* pWnd = CWnd::FromHandlePermanent(pDX->PrepareCtrl(nIDC));
    if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(SECWellButton))) {
        SECWellButton* pButton = static_cast<SECWellButton*>(pWnd);
        if (pDX->m_bSaveAndValidate)
            clr = pButton->GetColor();
        else
            pButton->SetColor(clr);
    } else if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(SECColorWell))) {
        SECColorWell* pWell = static_cast<SECColorWell*>(pWnd);
        if (pDX->m_bSaveAndValidate)
            clr = pWell->GetColor();
        else
            pWell->SetColor(clr);
    } else {
        AfxThrowInvalidArgFormat("DDX_WellColor: control %d is neither a well button nor a colour well", nIDC);
    }
}
