// CZQChildFrm: the document windows' frame (see ZQChildFrm.h).
#include "app/ZQChildFrm.h"

#include "win/Win.h"

IMPLEMENT_DYNCREATE(CZQChildFrm, SECWorksheet)

BEGIN_MESSAGE_MAP(CZQChildFrm, SECWorksheet)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CZQChildFrm::CZQChildFrm() = default;

CZQChildFrm::~CZQChildFrm() = default;

void CZQChildFrm::OnSize(UINT nType, int cx, int cy)
{
    SECWorksheet::OnSize(nType, cx, cy);
    OnUpdateFrameTitle(TRUE);
    DelayUpdateFrameTitle();
}

void CZQChildFrm::OnUpdateFrameTitle(BOOL)
{
    // unchanged text is not set again: each setting redraws the caption (the main window's too while
    // the child is maximised)
    CDocument* pDocument = GetActiveDocument();
    if (pDocument == nullptr)
        return;
    CString strOld;
    GetWindowText(strOld);
    if (strOld == pDocument->GetTitle())
        return;
    SetWindowText(pDocument->GetTitle());
    // the Window menu's entry keeps the text the window was made with until the menu is refreshed
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != nullptr && pFrame->m_hWndMDIClient != nullptr)
        ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
}
