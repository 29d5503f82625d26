// CZQPane: the panes' common handling (see ZQPane.h).
#include "app/ZQPane.h"

#include "res/resource.h"

namespace {

const int kImageSize = 16;
const COLORREF kImageMask = RGB(192, 192, 192);

} // namespace

IMPLEMENT_DYNAMIC(CZQPane, SECControlBar)

BEGIN_MESSAGE_MAP(CZQPane, SECControlBar)
    ON_WM_ERASEBKGND()
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

CZQPane::CZQPane() = default;

CZQPane::~CZQPane() = default;

BOOL CZQPane::CreateButtons(UINT nAddId, UINT nRemoveId)
{
    const CRect rectNone(0, 0, 0, 0);
    const struct {
        SECBitmapButton& button;
        UINT nIDBitmap;
        UINT nID;
    } buttons[] = {{m_btnAdd, IDB_ZQ_ADD, nAddId}, {m_btnRemove, IDB_ZQ_REMOVE, nRemoveId}};
    for (const auto& b : buttons) {
        if (!b.button.Create(nullptr, WS_CHILD | WS_VISIBLE, b.nIDBitmap, rectNone, this, b.nID))
            return FALSE;
        b.button.SetFlat(TRUE);
    }
    return TRUE;
}

BOOL CZQPane::CreateItemImages()
{
    return m_imageList.Create(IDB_ZQ_ITEMS, kImageSize, 1, kImageMask);
}

void CZQPane::ShareFont(CWnd& control, CWnd* const* pTargets, int nTargets)
{
    CFont* pFont = control.GetFont();
    LOGFONTA lf = {};
    if (pFont == nullptr || pFont->GetLogFont(&lf) == 0 || !m_font.CreateFontIndirect(&lf))
        return;
    for (int i = 0; i < nTargets; ++i)
        pTargets[i]->SetFont(&m_font);
}

void CZQPane::PlaceChild(CWnd& wnd, const CRect& rect)
{
    if (wnd.m_hWnd != nullptr)
        wnd.SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CZQPane::OnEraseBkgnd(CDC* pDC)
{
    SECControlBar::OnEraseBkgnd(pDC);
    CRect rect;
    GetInsideRect(rect);
    pDC->FillSolidRect(rect, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

BOOL CZQPane::OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
{
    // nID: the control id of the child, also for a tool given by its window
    NMTTDISPINFOA* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
    m_strToolTip.Empty();
    if (const UINT nIDText = ToolTipTextId(nID))
        AfxLoadString(nIDText, m_strToolTip);
    pInfo->lpszText = const_cast<LPSTR>(m_strToolTip.GetString());
    pInfo->hinst = nullptr;
    *pResult = 0;
    return TRUE;
}
