#include "frames/SECColorWell.h"

#include "frames/SECToolkit.h"
#include "frames/SECToolkitRes.h"
#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/CColorDialog.h"
#include "win/CDialog.h"
#include "win/CWindowDC.h"
#include "win/WinServices.h"

#include <vector>

IMPLEMENT_DYNAMIC(SECColorWell, CWnd)
IMPLEMENT_DYNAMIC(SECPopupColorWell, SECColorWell)

const COLORREF SECStandardColors[20] = {
    RGB(0x00, 0x00, 0x00), RGB(0x80, 0x00, 0x00), RGB(0x00, 0x80, 0x00), RGB(0x80, 0x80, 0x00),
    RGB(0x00, 0x00, 0x80), RGB(0x80, 0x00, 0x80), RGB(0x00, 0x80, 0x80), RGB(0xC0, 0xC0, 0xC0),
    RGB(0xC0, 0xDC, 0xC0), RGB(0xA6, 0xCA, 0xF0), RGB(0xFF, 0xFB, 0xF0), RGB(0xA0, 0xA0, 0xA4),
    RGB(0x80, 0x80, 0x80), RGB(0xFF, 0x00, 0x00), RGB(0x00, 0xFF, 0x00), RGB(0xFF, 0xFF, 0x00),
    RGB(0x00, 0x00, 0xFF), RGB(0xFF, 0x00, 0xFF), RGB(0x00, 0xFF, 0xFF), RGB(0xFF, 0xFF, 0xFF),
};

BOOL SECChooseColor(CWnd* pOwner, COLORREF& clr, DWORD dwFlags, COLORREF* pCustColors)
{
    CColorDialog dlg(clr, dwFlags, pOwner);
    if (pCustColors != nullptr)
        dlg.m_cc.lpCustColors = pCustColors;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    clr = dlg.GetColor();
    return TRUE;
}

// ---- the "&Other..." button ------------------------------------------------------------------------------

// A push button that lets its well handle its keys and its loss of the focus first.
class SECWellOtherButton : public CButton {
    DECLARE_MESSAGE_MAP()
public:
    explicit SECWellOtherButton(SECColorWell* pWell) : m_pWell(pWell) {}

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        if (!m_pWell->OnOtherButtonKey(nChar))
            CButton::OnKeyDown(nChar, nRepCnt, nFlags);
    }
    afx_msg void OnKillFocus(CWnd* pNewWnd)
    {
        CButton::OnKillFocus(pNewWnd);
        m_pWell->OnOtherButtonKillFocus(pNewWnd);
    }

    SECColorWell* m_pWell;
};

BEGIN_MESSAGE_MAP(SECWellOtherButton, CButton)
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

// ---- SECColorWell ----------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(SECColorWell, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_GETDLGCODE()
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_SYSCOLORCHANGE()
    ON_BN_CLICKED(ID_SEC_OTHERCOLOR, OnOtherColor)
END_MESSAGE_MAP()

SECColorWell::SECColorWell()
{
    SECRefreshSysColors();
    m_brFace.CreateSolidBrush(SECGetDrawValues().clrBtnFace);

    // the cells' colours from the stock palette, the custom entry black
    const int nCells = CustomCell();
    std::vector<PALETTEENTRY> entries(size_t(nCells) + 1);
    HPALETTE hStock = static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE));
    if (int(::GetPaletteEntries(hStock, 0, UINT(nCells), entries.data())) < nCells) {
        for (int i = 0; i < nCells; i++) {
            const COLORREF clr = SECStandardColors[i % 20];
            entries[size_t(i)] = {GetRValue(clr), GetGValue(clr), GetBValue(clr), 0};
        }
    }
    entries[size_t(nCells)] = {0, 0, 0, 0};
    std::vector<BYTE> logPalette(sizeof(LOGPALETTE) + entries.size() * sizeof(PALETTEENTRY));
    LOGPALETTE* pLog = reinterpret_cast<LOGPALETTE*>(logPalette.data());
    pLog->palVersion = 0x300;
    pLog->palNumEntries = WORD(entries.size());
    for (size_t i = 0; i < entries.size(); i++)
        pLog->palPalEntry[i] = entries[i];
    m_palette.CreatePalette(pLog);
}

SECColorWell::~SECColorWell() = default;

COLORREF SECColorWell::GetEntry(int nIndex) const
{
    PALETTEENTRY entry = {};
    m_palette.GetPaletteEntries(UINT(nIndex), 1, &entry);
    return RGB(entry.peRed, entry.peGreen, entry.peBlue);
}

void SECColorWell::SetEntry(int nIndex, COLORREF clr)
{
    const PALETTEENTRY entry = {GetRValue(clr), GetGValue(clr), GetBValue(clr), 0};
    m_palette.SetPaletteEntries(UINT(nIndex), 1, &entry);
}

// ---- geometry ----------------------------------------------------------------------------------------------

CRect SECColorWell::DialogUnitsToPixels(CWnd* pParent, CRect rect)
{
    CDialog* pDialog = nullptr;
    for (CWnd* pWnd = pParent; pWnd != nullptr; pWnd = pWnd->GetParent()) {
        if (pWnd->IsKindOf(RUNTIME_CLASS(CDialog))) {
            pDialog = static_cast<CDialog*>(pWnd);
            break;
        }
        if (!(pWnd->GetStyle() & WS_CHILD))
            break;
    }
    if (pDialog != nullptr) {
        pDialog->MapDialogRect(rect);
        return rect;
    }
    const LONG nBase = ::GetDialogBaseUnits();
    const int cxBase = LOWORD(nBase);
    const int cyBase = HIWORD(nBase);
    return CRect(rect.left * cxBase / 4, rect.top * cyBase / 8, rect.right * cxBase / 4, rect.bottom * cyBase / 8);
}

void SECColorWell::ComputeGeometry(CWnd* pParent, DWORD dwStyle)
{
    m_wellState.sizeCell = DialogUnitsToPixels(pParent, CRect(0, 0, 10, 10)).Size();
    const int nMargin = ((dwStyle & SEC_CWS_3DBORDER) ? 4 : 2) + (m_wellState.bFocusFrame ? 1 : 0);
    m_wellState.cxMargin = m_wellState.cyMargin = nMargin;
}

CSize SECColorWell::CalcSize() const
{
    const WellState& s = m_wellState;
    const int cx = 2 * s.cxMargin + s.nColumns * (s.sizeCell.cx + 2) - 2;
    int cy = 2 * s.cyMargin + s.nRows * (s.sizeCell.cy + 2) - 2;
    if (s.bShowOther)
        cy += s.sizeCell.cy + 8;
    return CSize(cx, cy);
}

CRect SECColorWell::GetCellRect(int nCell) const
{
    const WellState& s = m_wellState;
    int nColumn = nCell % s.nColumns;
    int nRow = nCell / s.nColumns;
    int yExtra = 0;
    if (nCell == CustomCell()) {
        nColumn = s.nColumns - 1;
        nRow = s.nRows;
        yExtra = 5;
    }
    const int x = s.cxMargin + nColumn * (s.sizeCell.cx + 2);
    const int y = s.cyMargin + nRow * (s.sizeCell.cy + 2) + yExtra;
    return CRect(x, y, x + s.sizeCell.cx, y + s.sizeCell.cy);
}

CRect SECColorWell::GetOtherButtonRect() const
{
    const CRect rcCustom = GetCellRect(CustomCell());
    const int cxWell = CalcSize().cx;
    CRect rect(m_wellState.cxMargin, rcCustom.top, cxWell - m_wellState.cxMargin, rcCustom.bottom);
    if (m_wellState.bCustomShown)
        rect.right -= m_wellState.sizeCell.cx + 2;
    return rect;
}

int SECColorWell::CellFromPoint(CPoint point) const
{
    const int nLast = m_wellState.bCustomShown ? CustomCell() : CustomCell() - 1;
    for (int nCell = 0; nCell <= nLast; nCell++) {
        if (GetCellRect(nCell).PtInRect(point))
            return nCell;
    }
    return -1;
}

// ---- creation ------------------------------------------------------------------------------------------------

BOOL SECColorWell::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID, BOOL bShowOther,
                          BOOL bDialogUnits)
{
    AfxRequirePointer(pParent, "SECColorWell::Create", "pParent");
    m_wellState.bShowOther = bShowOther;
    ComputeGeometry(pParent, dwStyle);
    const CPoint pt = bDialogUnits ? DialogUnitsToPixels(pParent, CRect(rect)).TopLeft() : CPoint(rect.left, rect.top);
    return CreateWell(AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW)), dwStyle | WS_CHILD, pt.x, pt.y,
                      pParent, nID);
}

BOOL SECColorWell::CreateWell(LPCSTR lpszClass, DWORD dwStyle, int x, int y, CWnd* pParent, UINT nID)
{
    m_pOtherButton.reset();
    const CSize size = CalcSize();
    const HMENU hMenuOrID = (dwStyle & WS_CHILD) ? reinterpret_cast<HMENU>(UINT_PTR(nID)) : nullptr;
    return CreateEx(0, lpszClass, nullptr, dwStyle, x, y, size.cx, size.cy, pParent->m_hWnd, hMenuOrID);
}

int SECColorWell::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_wellState.bShowOther) {
        CString strOther;
        AfxLoadString(IDS_SEC_OTHERCOLOR, strOther);
        std::unique_ptr<CButton> pButton(new SECWellOtherButton(this));
        if (!pButton->Create(strOther, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, GetOtherButtonRect(), this,
                             ID_SEC_OTHERCOLOR))
            return -1;
        CWnd* pParent = CWnd::FromHandle(::GetParent(m_hWnd));
        if (pParent != nullptr)
            pButton->SendMessage(WM_SETFONT, pParent->SendMessage(WM_GETFONT), FALSE);
        m_pOtherButton = std::move(pButton);
    }
    return 0;
}

// ---- selecting -----------------------------------------------------------------------------------------------

void SECColorWell::SetColor(COLORREF clr)
{
    clr &= 0x00FFFFFF;
    int nFound = -1;
    for (int nCell = 0; nCell < CustomCell() && nFound < 0; nCell++) {
        if (GetEntry(nCell) == clr)
            nFound = nCell;
    }
    if (nFound < 0) {
        SetEntry(CustomCell(), clr);
        if (m_wellState.bShowOther) {
            ShowCustomCell();
            nFound = CustomCell();
        }
    }
    m_wellState.nSelected = nFound;
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
}

COLORREF SECColorWell::GetColor() const
{
    const int nCell = m_wellState.nSelected;
    return GetEntry(nCell >= 0 ? nCell : CustomCell());
}

void SECColorWell::SetRealizePalette(BOOL bRealize)
{
    m_wellState.bRealizePalette = bRealize;
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
}

void SECColorWell::ShowCustomCell()
{
    if (m_wellState.bCustomShown)
        return;
    m_wellState.bCustomShown = TRUE;
    if (m_pOtherButton != nullptr && m_pOtherButton->m_hWnd != nullptr)
        m_pOtherButton->MoveWindow(GetOtherButtonRect());
}

void SECColorWell::SelectCell(int nCell, int nReason)
{
    m_wellState.nSelected = nCell;
    Invalidate(FALSE);
    NotifySelection(nReason);
}

void SECColorWell::NotifySelection(int)
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(SEC_WM_COLORSELECTED, WPARAM(GetDlgCtrlID()), LPARAM(GetColor()));
}

int SECColorWell::CellAfterKey(UINT nChar) const
{
    const int nColumns = m_wellState.nColumns;
    const int nCells = CustomCell();
    const int nCustom = CustomCell();
    const BOOL bCustom = m_wellState.bCustomShown;
    const int nCell = m_wellState.nSelected;
    if (nCell < 0 || (nCell == nCustom && !bCustom))
        return 0;
    const int nColumn = nCell % nColumns;
    const BOOL bLastColumn = nColumn == nColumns - 1;
    switch (nChar) {
    case VK_RIGHT:
        if (nCell == nCustom)
            return 0;
        if (nCell == nCells - 1)
            return bCustom ? nCustom : 0;
        return nCell + 1;
    case VK_LEFT:
        if (nCell == nCustom)
            return nCells - 1;
        if (nCell == 0)
            return bCustom ? nCustom : nCells - 1;
        return nCell - 1;
    case VK_DOWN:
        if (nCell == nCustom)
            return nColumns - 1;
        if (nCell + nColumns >= nCells)
            return bLastColumn && bCustom ? nCustom : nColumn;
        return nCell + nColumns;
    case VK_UP:
        if (nCell == nCustom)
            return nCells - 1;
        if (nCell < nColumns)
            return bLastColumn && bCustom ? nCustom : nCells - nColumns + nColumn;
        return nCell - nColumns;
    default:
        return nCell;
    }
}

void SECColorWell::OnOtherColor()
{
    COLORREF clr = GetColor();
    if (!SECChooseColor(this, clr, m_wellState.dwDialogFlags, m_wellState.pCustColors))
        return;
    SetColor(clr);
    NotifySelection(SelectChosen);
}

BOOL SECColorWell::OnOtherButtonKey(UINT)
{
    return FALSE;
}

void SECColorWell::OnOtherButtonKillFocus(CWnd*)
{
}

// ---- painting ----------------------------------------------------------------------------------------------

void SECColorWell::DoPaint(CDC* pDC)
{
    const SECDrawValues& v = SECGetDrawValues();
    CRect rcClient;
    GetClientRect(rcClient);
    pDC->FillRect(rcClient, &m_brFace);

    CRect rcBorder = rcClient;
    if (m_wellState.bFocusFrame) {
        if (CWnd::GetFocus() == this)
            pDC->Draw3dRect(rcBorder, v.clrWindowFrame, v.clrWindowFrame);
        rcBorder.DeflateRect(1, 1);
    }
    if (GetStyle() & SEC_CWS_3DBORDER) {
        pDC->Draw3dRect(rcBorder, v.clr3DLight, v.clr3DDkShadow);
        rcBorder.DeflateRect(1, 1);
        pDC->Draw3dRect(rcBorder, v.clrBtnHilite, v.clrBtnShadow);
    }

    CPalette* pOldPalette = nullptr;
    if (m_wellState.bRealizePalette) {
        pOldPalette = pDC->SelectPalette(&m_palette, FALSE);
        pDC->RealizePalette();
    }
    const int nLast = m_wellState.bCustomShown ? CustomCell() : CustomCell() - 1;
    for (int nCell = 0; nCell <= nLast; nCell++) {
        CRect rect = GetCellRect(nCell);
        if (nCell == m_wellState.nSelected) {
            rect.InflateRect(1, 1);
            pDC->Draw3dRect(rect, RGB(0, 0, 0), RGB(0, 0, 0));
            rect.DeflateRect(1, 1);
            pDC->Draw3dRect(rect, RGB(255, 255, 255), RGB(255, 255, 255));
            rect.DeflateRect(1, 1);
            pDC->Draw3dRect(rect, RGB(0, 0, 0), RGB(0, 0, 0));
        } else {
            pDC->Draw3dRect(rect, v.clrBtnShadow, v.clrBtnHilite);
            rect.DeflateRect(1, 1);
            pDC->Draw3dRect(rect, v.clr3DDkShadow, v.clr3DLight);
        }
        rect.DeflateRect(1, 1);
        if (m_wellState.bRealizePalette) {
            CBrush brush(PALETTEINDEX(WORD(nCell)));
            pDC->FillRect(rect, &brush);
        } else {
            pDC->FillSolidRect(rect, GetEntry(nCell));
        }
    }
    if (pOldPalette != nullptr)
        pDC->SelectPalette(pOldPalette, FALSE);

    if (m_wellState.bShowOther) {
        const int y = GetCellRect(CustomCell()).top - 5;
        const int x = m_wellState.cxMargin;
        const int cx = rcClient.Width() - 2 * m_wellState.cxMargin;
        pDC->FillSolidRect(x, y, cx, 1, v.clrBtnShadow);
        pDC->FillSolidRect(x, y + 1, cx, 1, RGB(255, 255, 255));
    }
}

void SECColorWell::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(rcClient);
    CDC dcMem;
    CBitmap bmMem;
    if (!dcMem.CreateCompatibleDC(&dc) || !bmMem.CreateCompatibleBitmap(&dc, rcClient.Width(), rcClient.Height())) {
        DoPaint(&dc);
        return;
    }
    CBitmap* pOld = dcMem.SelectObject(&bmMem);
    DoPaint(&dcMem);
    dc.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOld);
}

BOOL SECColorWell::OnEraseBkgnd(CDC*)
{
    return TRUE; // the paint covers everything
}

void SECColorWell::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    SECRefreshSysColors();
    m_brFace.DeleteObject();
    m_brFace.CreateSolidBrush(SECGetDrawValues().clrBtnFace);
    Invalidate(FALSE);
}

// ---- keys and mouse ------------------------------------------------------------------------------------

UINT SECColorWell::OnGetDlgCode()
{
    UINT nCode = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (m_pOtherButton != nullptr)
        nCode |= DLGC_WANTTAB;
    return nCode;
}

void SECColorWell::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar) {
    case VK_TAB:
        if (AfxGetServices()->GetKeyState(VK_SHIFT) < 0) {
            CWnd* pParent = GetParent();
            CWnd* pPrevious = pParent != nullptr ? pParent->GetNextDlgTabItem(this, TRUE) : nullptr;
            if (pPrevious != nullptr)
                pPrevious->SetFocus();
        } else if (m_pOtherButton != nullptr) {
            m_pOtherButton->SetFocus();
        }
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        SelectCell(CellAfterKey(nChar), SelectKey);
        break;
    default:
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        break;
    }
}

void SECColorWell::OnLButtonDown(UINT, CPoint point)
{
    SetFocus();
    const int nCell = CellFromPoint(point);
    if (nCell >= 0)
        SelectCell(nCell, SelectChosen);
}

void SECColorWell::OnMouseMove(UINT nFlags, CPoint point)
{
    CWnd::OnMouseMove(nFlags, point);
    if (!m_wellState.bTrackMouse)
        return;
    const int nCell = CellFromPoint(point);
    if (nCell >= 0 && nCell != m_wellState.nSelected)
        SelectCell(nCell, SelectMouseMove);
}

void SECColorWell::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    CWinServices* pServices = AfxGetServices();
    if (m_pOtherButton != nullptr && pOldWnd != m_pOtherButton.get() && pServices->GetKeyState(VK_SHIFT) < 0
        && pServices->GetKeyState(VK_TAB) < 0) {
        m_pOtherButton->SetFocus();
        return;
    }
    Invalidate(FALSE);
}

void SECColorWell::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    Invalidate(FALSE);
}

// ---- SECPopupColorWell ---------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(SECPopupColorWell, SECColorWell)
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

SECPopupColorWell::SECPopupColorWell() : m_pNotifyWnd(nullptr), m_bActive(FALSE)
{
    m_wellState.bFocusFrame = TRUE;
    m_wellState.bTrackMouse = TRUE;
}

SECPopupColorWell::~SECPopupColorWell() = default;

BOOL SECPopupColorWell::CreatePopup(DWORD dwStyle, const RECT& rcButton, CWnd* pParent, BOOL bShowOther)
{
    AfxRequirePointer(pParent, "SECPopupColorWell::CreatePopup", "pParent");
    if (m_hWnd != nullptr) {
        m_bActive = FALSE;
        DestroyWindow();
    }
    const WellState fresh;
    m_wellState.nSelected = fresh.nSelected;
    m_wellState.bCustomShown = fresh.bCustomShown;
    m_wellState.bShowOther = bShowOther;
    SetEntry(CustomCell(), RGB(0, 0, 0));

    const DWORD dwWellStyle = WS_POPUP | SEC_CWS_3DBORDER | dwStyle;
    ComputeGeometry(pParent, dwWellStyle);
    const CSize size = CalcSize();
    int x = rcButton.left;
    int y = rcButton.bottom;
    if (y + size.cy > ::GetSystemMetrics(SM_CYSCREEN))
        y = rcButton.top - size.cy;
    if (x + size.cx > ::GetSystemMetrics(SM_CXSCREEN))
        x = rcButton.right - size.cx;
    if (!CreateWell(AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursorA(nullptr, IDC_ARROW)), dwWellStyle, x, y, pParent, 0))
        return FALSE;
    m_bActive = TRUE;
    SetFocus();
    SetCapture();
    return TRUE;
}

void SECPopupColorWell::Close()
{
    if (!m_bActive)
        return;
    m_bActive = FALSE;
    if (CWnd::GetCapture() == this)
        ::ReleaseCapture();
    DestroyWindow();
}

void SECPopupColorWell::NotifySelection(int nReason)
{
    if (nReason != SelectChosen)
        return;
    if (m_pNotifyWnd != nullptr)
        m_pNotifyWnd->SendMessage(SEC_WM_COLORSELECTED, 0, LPARAM(GetColor()));
    Close();
}

void SECPopupColorWell::OnOtherColor()
{
    if (m_pNotifyWnd != nullptr)
        m_pNotifyWnd->PostMessage(SEC_WM_OTHERCOLOR);
    Close();
}

BOOL SECPopupColorWell::OnOtherButtonKey(UINT nChar)
{
    switch (nChar) {
    case VK_TAB:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        SetFocus();
        return TRUE;
    case VK_ESCAPE:
        Close();
        return TRUE;
    default:
        return FALSE;
    }
}

void SECPopupColorWell::OnOtherButtonKillFocus(CWnd* pNewWnd)
{
    if (pNewWnd != this)
        Close();
}

void SECPopupColorWell::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar) {
    case VK_ESCAPE:
        Close();
        break;
    case VK_RETURN:
    case VK_SPACE:
        if (m_wellState.nSelected >= 0)
            SelectCell(m_wellState.nSelected, SelectChosen);
        break;
    case VK_TAB:
        if (m_pOtherButton != nullptr)
            m_pOtherButton->SetFocus();
        break;
    default:
        SECColorWell::OnKeyDown(nChar, nRepCnt, nFlags);
        break;
    }
}

void SECPopupColorWell::OnLButtonDown(UINT nFlags, CPoint point)
{
    CRect rcClient;
    GetClientRect(rcClient);
    if (rcClient.PtInRect(point)) {
        if (m_pOtherButton != nullptr) {
            CRect rcOther;
            m_pOtherButton->GetWindowRect(rcOther);
            ScreenToClient(rcOther);
            if (rcOther.PtInRect(point)) {
                OnOtherColor();
                return;
            }
        }
        const int nCell = CellFromPoint(point);
        if (nCell >= 0)
            SelectCell(nCell, SelectChosen);
        return;
    }
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (m_pNotifyWnd != nullptr && m_pNotifyWnd->m_hWnd != nullptr) {
        CRect rcNotify;
        m_pNotifyWnd->GetWindowRect(rcNotify);
        if (rcNotify.PtInRect(ptScreen))
            return;
    }
    Close();
    CWnd* pUnder = CWnd::WindowFromPoint(ptScreen);
    if (pUnder != nullptr) {
        CPoint ptUnder = ptScreen;
        pUnder->ScreenToClient(&ptUnder);
        pUnder->PostMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(ptUnder.x, ptUnder.y));
    }
}

void SECPopupColorWell::OnKillFocus(CWnd* pNewWnd)
{
    SECColorWell::OnKillFocus(pNewWnd);
    if (pNewWnd == nullptr || pNewWnd != m_pOtherButton.get())
        Close();
}
