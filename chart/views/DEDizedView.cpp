#include "chart/views/DEDizedView.h"

#include "chart/engine/DEDized.h"
#include "chart/views/ChartViewResource.h"

IMPLEMENT_DYNCREATE(DEDizedView, CView)

BEGIN_MESSAGE_MAP(DEDizedView, CView)
    CHART_VIEW_MESSAGE_ENTRIES()
    ON_WM_CREATE()
    ON_WM_QUERYNEWPALETTE()
    ON_WM_PALETTECHANGED()
    ON_COMMAND(ID_CHART_UNDO_ZOOM_ALL, OnUndoZoomAll)
    ON_UPDATE_COMMAND_UI(ID_CHART_UNDO_ZOOM_ALL, OnUpdateUndoZoom)
END_MESSAGE_MAP()

DEDizedView::DEDizedView() = default;

DEDizedView::~DEDizedView() = default;

void DEDizedView::OnBeginPrinting(CDC* pDC, CPrintInfo* /*pInfo*/)
{
    ApplyPageSize(pDC);
}

void DEDizedView::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/)
{
    if (DEDized* pChart = GetGraph()) {
        pChart->SetFixedRectFlag(0);
        pChart->MarkForRedraw();
        pChart->SetFixedRectAlignment(0);
    }
    Invalidate(TRUE);
}
