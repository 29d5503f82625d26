// CZQAppGridView: the application grid views' shared set-up (see ZQAppGridView.h).
#include "app/ZQAppGridView.h"

#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXStyle.h"
#include "win/AfxRes.h"

IMPLEMENT_DYNAMIC(CZQAppGridView, CGXGridView)

BEGIN_MESSAGE_MAP(CZQAppGridView, CGXGridView)
    ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

CZQAppGridView::CZQAppGridView() = default;

CZQAppGridView::~CZQAppGridView() = default;

void CZQAppGridView::OnInitialUpdate()
{
    CGXGridView::OnInitialUpdate();
    GetParam()->EnableUndo(FALSE);
    SetScrollBarMode(SB_BOTH, gxScrollAuto | gxScrollKeepEnd, TRUE);
    LoadCells();

    // headers without border lines
    CGXStyle headers;
    headers.SetBorders(CGXStyle::gxBorderAll, CGXCellPen(PS_NULL, 1, RGB(0, 0, 0)));
    ChangeRowHeaderStyle(headers, CGXStyle::gxOverride);
    ChangeColHeaderStyle(headers, CGXStyle::gxOverride);

    SetFocus();
    GetParam()->EnableUndo(TRUE);
}

BOOL CZQAppGridView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPrintDevicePreparePrinting(pInfo);
}

void CZQAppGridView::ApplyStyle(const CGXCellRange& range, const CGXStyle& style)
{
    SetStyleRange(range, &style, CGXStyle::gxOverride, 0, nullptr, 2, gxDo);
}

void CZQAppGridView::SetReadOnlyUnguarded(const CGXCellRange& range, BOOL bReadOnly)
{
    const BOOL bGuard = GetParam()->GetReadOnlyGuard();
    GetParam()->SetReadOnlyGuard(FALSE);
    CGXStyle style;
    style.SetReadOnly(bReadOnly);
    ApplyStyle(range, style);
    GetParam()->SetReadOnlyGuard(bGuard);
}

void CZQAppGridView::ResetBody()
{
    const ROWCOL nRows = GetRowCount();
    const ROWCOL nCols = GetColCount();
    if (nRows < 1 || nCols < 1)
        return;
    const CGXCellRange body(1, 1, nRows, nCols);
    SetReadOnlyUnguarded(body, FALSE);
    ApplyStyle(body, GetStandardStyle());
}

void CZQAppGridView::ForgetEdits()
{
    GetParam()->EmptyUndoList();
    GetParam()->EmptyRedoList();
}

CZQAppGridView::UndoPause::UndoPause(CGXGridCore& grid) : m_grid(grid), m_bUndo(grid.GetParam()->IsEnableUndo())
{
    m_grid.GetParam()->EnableUndo(FALSE);
}

CZQAppGridView::UndoPause::~UndoPause()
{
    m_grid.GetParam()->EnableUndo(m_bUndo);
}
