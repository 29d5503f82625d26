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
    if (nType == SIZE_MINIMIZED)
        SetWindowText("");
    else if (CDocument* pDocument = GetActiveDocument())
        SetWindowText(pDocument->GetTitle());
    // the caption by the new placement (empty when maximised) settles on the next idle
    DelayUpdateFrameTitle();
}

void CZQChildFrm::OnUpdateFrameTitle(BOOL)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(&placement);
    // SW_SHOWMINIMIZED (2) and SW_SHOWMAXIMIZED (3) both hold the bit 2
    if (placement.showCmd & SW_SHOWMINIMIZED)
        SetWindowText("");
    else if (CDocument* pDocument = GetActiveDocument())
        SetWindowText(pDocument->GetTitle());
}
