// CZQSplashWnd: the splash picture (see ZQSplashWnd.h).
#include "app/ZQSplashWnd.h"

#include "res/resource.h"

BOOL CZQSplashWnd::c_bShowSplashWnd = TRUE;
CZQSplashWnd* CZQSplashWnd::c_pSplashWnd = nullptr;

BEGIN_MESSAGE_MAP(CZQSplashWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CZQSplashWnd::CZQSplashWnd() = default;

CZQSplashWnd::~CZQSplashWnd()
{
    if (c_pSplashWnd == this)
        c_pSplashWnd = nullptr;
}

void CZQSplashWnd::EnableSplashScreen(BOOL bEnable)
{
    c_bShowSplashWnd = bEnable;
}

void CZQSplashWnd::ShowSplashScreen(CWnd* pParentWnd)
{
    if (!c_bShowSplashWnd || c_pSplashWnd != nullptr)
        return;
    CZQSplashWnd* pSplash = new CZQSplashWnd;
    c_pSplashWnd = pSplash;
    if (pSplash->Create(pParentWnd))
        pSplash->UpdateWindow();
    else if (c_pSplashWnd == pSplash)
        delete pSplash; // still alive: no window was made that could have deleted it
}

BOOL CZQSplashWnd::Create(CWnd* pParentWnd)
{
    if (!m_bitmap.LoadBitmap(IDB_ZQ_SPLASH))
        return FALSE;
    BITMAP bm = {};
    m_bitmap.GetBitmap(&bm);
    return CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW)), nullptr, WS_POPUP | WS_VISIBLE,
                    0, 0, bm.bmWidth, bm.bmHeight, pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr,
                    nullptr);
}

int CZQSplashWnd::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CenterWindow();
    SetTimer(TIMER_ID, SHOW_MILLISECONDS);
    return 0;
}

void CZQSplashWnd::ShowAboveOwner()
{
    if (m_hWnd == nullptr)
        return;
    const UINT nFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(&wndBottom, 0, 0, 0, 0, nFlags);
    SetWindowPos(&wndTop, 0, 0, 0, 0, nFlags);
    UpdateWindow();
}

void CZQSplashWnd::KeepAboveOwner()
{
    if (m_hWnd == nullptr)
        return;
    ShowAboveOwner();
    // the activation of the main window, which the system finishes once the start-up has returned to
    // the message loop (later on a busy machine), raises it again: the splash goes back over it until
    // it closes
    SetTimer(RAISE_TIMER_ID, RAISE_MILLISECONDS);
}

void CZQSplashWnd::OnPaint()
{
    CPaintDC dc(this);
    CDC dcImage;
    if (!dcImage.CreateCompatibleDC(&dc))
        return;
    BITMAP bm = {};
    m_bitmap.GetBitmap(&bm);
    CBitmap* pOldBitmap = dcImage.SelectObject(&m_bitmap);
    dc.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &dcImage, 0, 0, SRCCOPY);
    dcImage.SelectObject(pOldBitmap);
}

void CZQSplashWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == RAISE_TIMER_ID) {
        ShowAboveOwner();
        return;
    }
    HideSplashScreen();
}

void CZQSplashWnd::HideSplashScreen()
{
    DestroyWindow();
    if (CWnd* pMainWnd = AfxGetMainWnd())
        pMainWnd->UpdateWindow();
}

void CZQSplashWnd::PostNcDestroy()
{
    delete this;
}
