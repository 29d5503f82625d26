#include "chart/views/SRGScrollView.h"

#include <memory>

#include "chart/engine/DEDized.h"
#include "chart/engine/components/DEDizedComponent.h"
#include "chart/engine/display/DEDizedPosition.h"
#include "chart/views/ChartViewDialogs.h"
#include "chart/views/ChartViewResource.h"

// ---- SRGScrollView -------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(SRGScrollView, CScrollView)

BEGIN_MESSAGE_MAP(SRGScrollView, CScrollView)
    CHART_VIEW_MESSAGE_ENTRIES()
    ON_WM_CREATE()
    ON_WM_QUERYNEWPALETTE()
    ON_WM_PALETTECHANGED()
END_MESSAGE_MAP()

SRGScrollView::SRGScrollView() : m_bSavedFixed(0), m_nSavedAlignment(0)
{
}

SRGScrollView::~SRGScrollView() = default;

void SRGScrollView::OnInitialUpdate()
{
    ChartViewCore<CScrollView>::OnInitialUpdate();
    CSize size(kDefaultWidth, kDefaultHeight);
    if (DEDized* pChart = GetGraph()) {
        if (pChart->GetFixedRectFlag()) {
            size = pChart->GetFixedRect().Size();
        } else {
            pChart->SetFixedRect(CRect(0, 0, kDefaultWidth, kDefaultHeight));
            pChart->SetFixedRectFlag(1);
        }
    }
    SetScrollSizes(MM_TEXT, size);
}

void SRGScrollView::OnBeginPrinting(CDC* pDC, CPrintInfo* /*pInfo*/)
{
    DEDized* pChart = GetGraph();
    m_bSavedFixed = 0;
    if (pChart != nullptr && pChart->GetFixedRectFlag()) {
        m_rcSavedFixed = pChart->GetFixedRect();
        m_nSavedAlignment = pChart->GetFixedRectAlignment();
        m_bSavedFixed = 1;
    }
    ApplyPageSize(pDC);
}

void SRGScrollView::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/)
{
    if (DEDized* pChart = GetGraph()) {
        if (m_bSavedFixed) {
            pChart->SetFixedRect(m_rcSavedFixed);
            pChart->SetFixedRectAlignment(m_nSavedAlignment);
            pChart->SetFixedRectFlag(1);
        } else {
            pChart->SetFixedRect(CRect(0, 0, 0, 0));
            pChart->SetFixedRectFlag(0);
            pChart->SetFixedRectAlignment(0);
        }
        pChart->MarkForRedraw();
    }
    m_bSavedFixed = 0;
    Invalidate(TRUE);
}

BOOL SRGScrollView::BandStartsAt(DEDized* pChart, CPoint point)
{
    if (pChart == nullptr)
        return FALSE;
    std::unique_ptr<DEDizedPosition> pPosition(HitTest(pChart, point.x, point.y));
    return pPosition->GetHitKind() != DEDizedPosition::hitNone;
}

CSize SRGScrollView::GetCopySize()
{
    int nMapMode;
    SIZE total, page, line;
    GetDeviceScrollSizes(nMapMode, total, page, line);
    return total;
}

BOOL SRGScrollView::OnQueryNewPalette()
{
    if (!RealizeOwnPalette(FALSE))
        return CScrollView::OnQueryNewPalette();
    Invalidate(TRUE);
    return TRUE;
}

void SRGScrollView::OnPaletteChanged(CWnd* pFocusWnd)
{
    if (!RealizeOwnPalette(TRUE)) {
        CScrollView::OnPaletteChanged(pFocusWnd);
        return;
    }
    Invalidate(TRUE);
}

// ---- SREScrollView -------------------------------------------------------------------------------------

const char SREScrollView::kNoNameDocument[] = "No name document";

IMPLEMENT_DYNCREATE(SREScrollView, SRGScrollView)

BEGIN_MESSAGE_MAP(SREScrollView, SRGScrollView)
    ON_WM_CREATE()
    ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

SREScrollView::SREScrollView() : m_pChart(nullptr), m_bAutoDelete(0)
{
}

SREScrollView::~SREScrollView() = default;

DEDized* SREScrollView::GetGraph()
{
    return m_pChart;
}

void SREScrollView::SetChart(DEDized* pChart)
{
    m_pChart = pChart;
}

DEDizedComponent* SREScrollView::HitComponent(int x, int y)
{
    if (m_pChart == nullptr)
        return nullptr;
    CClientDC dc(this);
    DEDizedComponent* pFound = nullptr;
    CObList* pComponents = m_pChart->GetComponentList();
    for (POSITION pos = pComponents->GetHeadPosition(); pos != nullptr;) {
        DEDizedComponent* pComponent = static_cast<DEDizedComponent*>(pComponents->GetNext(pos));
        RECT rect;
        pComponent->GetRect()->GetDeviceRect(rect, &dc, this);
        // later components are drawn over earlier ones
        if (CRect(rect).PtInRect(CPoint(x, y)))
            pFound = pComponent;
    }
    return pFound;
}

void SREScrollView::PrintWithPageSetup()
{
    PageSetup dialog(this);
    if (!RunPageSetup(dialog))
        return;
    // the view's own values come back however the print loop ends
    struct Restore {
        SREScrollView& view;
        int nPaperIndex, bUsePageSize, nVertical, nHorizontal;
        ~Restore()
        {
            view.m_nPaperIndex = nPaperIndex;
            view.m_bUsePageSize = bUsePageSize;
            view.m_nVertical = nVertical;
            view.m_nHorizontal = nHorizontal;
        }
    } restore{*this, m_nPaperIndex, m_bUsePageSize, m_nVertical, m_nHorizontal};
    TakePageSetup(dialog);
    OnFilePrint();
}

CString SREScrollView::GetPrintJobName()
{
    CString title;
    if (CWnd* pParent = GetParent()) {
        pParent->GetWindowText(title);
        return title;
    }
    return kNoNameDocument;
}

void SREScrollView::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

int SREScrollView::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    return CScrollView::OnCreate(lpCreateStruct) == -1 ? -1 : 0;
}

int SREScrollView::OnMouseActivate(CWnd* /*pDesktopWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    return MA_ACTIVATE;
}
