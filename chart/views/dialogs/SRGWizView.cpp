#include "chart/views/dialogs/SRGWizView.h"

#include "chart/engine/ChartTypeIds.h"
#include "chart/engine/DEDized.h"
#include "chart/engine/components/DEDizedComponent.h"
#include "chart/views/ChartViewResource.h"
#include "chart/views/dialogs/ChartWizardResource.h"
#include "chart/views/dialogs/SRGWizSheet.h"
#include "chart/views/dialogs/WizardTexts.h"

namespace {

// The leading line ends of each saved layout: the one before it ends the line the last save left.
const char kLayoutStart[] = "\n\n";

// A coordinate of a rectangle in whole per cent of nSize pixels, by its measurement kind; -1 for a
// coordinate below zero.
int WholePerCent(double dValue, int nMeasurement, int nSize, int nDpi)
{
    if (dValue < 0.0)
        return -1;
    if (nSize <= 0)
        return 0;
    switch (nMeasurement) {
    case DEDizedRect::measurePixels: return int(dValue / nSize * 100.0);
    case DEDizedRect::measureMillimetres: return int(dValue * nDpi / (nSize * 25.4) * 100.0);
    case DEDizedRect::measureInches: return int(dValue * nDpi / nSize * 100.0);
    default: return int(dValue);
    }
}

} // namespace

const char SRGWizView::kLayoutFilter[] = "Layout Files(*.txt)|*.txt | All Files(*.*)|*.*||";
const char SRGWizView::kFileError[] = "File could not be opened ";

IMPLEMENT_DYNAMIC(SRGWizView, SREScrollView)

BEGIN_MESSAGE_MAP(SRGWizView, SREScrollView)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_SETCURSOR()
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_WIZ_COPY, OnEditCopy)
    ON_COMMAND(ID_WIZ_SAVE_LAYOUT, OnSaveLayout)
    ON_COMMAND(ID_WIZ_END_TRACKING, OnEndTracking)
    ON_COMMAND(ID_WIZ_PRINT, PrintWithPageSetup)
    ON_MESSAGE(SRGRectTracker::kChangedMessage, OnComponentMoved)
    ON_MESSAGE(SRGRectTracker::kAdjustMessage, OnSnapRect)
END_MESSAGE_MAP()

SRGWizView::SRGWizView(SRGWizSheet* pSheet) : m_pSheet(pSheet), m_pTracked(nullptr), m_tracker(this), m_bTracking(FALSE)
{
    AfxRequirePointer(pSheet, "SRGWizView::SRGWizView", "pSheet");
    m_tracker.m_nStyle = CRectTracker::hatchedBorder | CRectTracker::resizeOutside;
}

SRGWizView::~SRGWizView() = default;

// ---- drawing -----------------------------------------------------------------------------------------

void SRGWizView::OnDraw(CDC* pDC)
{
    if (pDC->IsPrinting()) {
        SREScrollView::OnDraw(pDC);
        return;
    }
    const CSize size = m_pSheet->GetPreviewSize();
    CBitmap bitmap;
    CDC memDC;
    if (size.cx <= 0 || size.cy <= 0 || !bitmap.CreateCompatibleBitmap(pDC, size.cx, size.cy) ||
        !memDC.CreateCompatibleDC(pDC))
        return;
    RenderToBitmap(pDC, &bitmap);
    CBitmap* pOld = memDC.SelectObject(&bitmap);
    pDC->BitBlt(0, 0, size.cx, size.cy, &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(pOld);
    if (m_bTracking) {
        // the tracker is placed in client coordinates
        const CPoint origin = pDC->GetViewportOrg();
        pDC->SetViewportOrg(0, 0);
        m_tracker.Draw(pDC);
        pDC->SetViewportOrg(origin);
    }
    if (m_pSheet->m_bGrid)
        DrawGrid(pDC);
}

void SRGWizView::RenderToBitmap(CDC* pDC, CBitmap* pBitmap)
{
    AfxRequirePointer(pBitmap, "SRGWizView::RenderToBitmap", "pBitmap");
    BITMAP info = {};
    CDC memDC;
    if (pBitmap->GetBitmap(&info) != 0 && memDC.CreateCompatibleDC(pDC)) {
        CBitmap* pOld = memDC.SelectObject(pBitmap);
        memDC.FillSolidRect(0, 0, info.bmWidth, info.bmHeight, RGB(255, 255, 255));
        memDC.SelectObject(pOld);
    }
    SREScrollView::RenderToBitmap(pDC, pBitmap);
}

void SRGWizView::DrawGrid(CDC* pDC)
{
    const int nStep = m_pSheet->m_nGridStep;
    const CSize size = m_pSheet->GetPreviewSize();
    if (nStep <= 0)
        return;
    for (int x = 0; x < size.cx; x += nStep)
        for (int y = 0; y < size.cy; y += nStep)
            pDC->PatBlt(x, y, 1, 1, DSTINVERT);
}

void SRGWizView::RedrawNow()
{
    Invalidate(FALSE);
    UpdateWindow();
}

// ---- tracking ----------------------------------------------------------------------------------------

int SRGWizView::Snap(int nValue, int nStep)
{
    if (nStep <= 0)
        return nValue;
    int nRest = nValue % nStep;
    if (nRest < 0)
        nRest += nStep;
    const int nDown = nValue - nRest;
    return 2 * nRest > nStep ? nDown + nStep : nDown;
}

void SRGWizView::PlaceTracker()
{
    if (m_pTracked == nullptr)
        return;
    CClientDC dc(this);
    RECT rect;
    m_pTracked->GetRect()->GetDeviceRect(rect, &dc, nullptr);
    const CPoint offset = ToChart(CPoint(0, 0));
    m_tracker.m_rect = CRect(rect) - offset;
}

void SRGWizView::StoreTrackerRect(BOOL bSnap)
{
    if (m_pTracked == nullptr)
        return;
    CRect rect = m_tracker.m_rect + ToChart(CPoint(0, 0));
    rect.NormalizeRect();
    if (bSnap) {
        const int nStep = m_pSheet->m_nGridStep;
        rect.SetRect(Snap(rect.left, nStep), Snap(rect.top, nStep), Snap(rect.right, nStep), Snap(rect.bottom, nStep));
    }
    CClientDC dc(this);
    DEDizedRect placement = *m_pTracked->GetRect();
    // per cent counts from the preview's size, the chart's fixed rectangle
    placement.SetFromDeviceRect(rect, &dc, nullptr);
    m_pTracked->SetRect(placement);
    m_pTracked->MarkForRedraw();
}

void SRGWizView::OnLButtonDown(UINT nFlags, CPoint point)
{
    const bool bShift = (AfxGetServices()->GetKeyState(VK_SHIFT) & 0x8000) != 0;
    if (m_pSheet->IsWizardMode() || (!bShift && !m_bTracking)) {
        SREScrollView::OnLButtonDown(nFlags, point);
        return;
    }
    const CPoint chart = ToChart(point);
    DEDizedComponent* pComponent = HitComponent(chart.x, chart.y);
    if (pComponent == nullptr) {
        // a press off every component while tracking ends it at the release
        return;
    }
    m_pTracked = pComponent;
    m_bTracking = TRUE;
    SRGComboBox& combo = m_pSheet->m_mainPage.GetComponentCombo();
    for (int i = 0; combo.m_hWnd != nullptr && i < combo.GetCount(); ++i)
        if (reinterpret_cast<DEDizedComponent*>(combo.GetItemData(i)) == pComponent)
            m_pSheet->SetCurrentIndex(i);
    PlaceTracker();
    RedrawNow();
    if (m_tracker.Track(this, point, FALSE)) {
        StoreTrackerRect(m_pSheet->m_bGrid);
        m_pSheet->LoadPages();
    }
    m_pSheet->RepaintPreview();
}

void SRGWizView::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bTracking) {
        SREScrollView::OnLButtonUp(nFlags, point);
        return;
    }
    EndTracking();
}

void SRGWizView::EndTracking()
{
    m_bTracking = FALSE;
    m_pTracked = nullptr;
    m_pSheet->RepaintPreview();
}

BOOL SRGWizView::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_bTracking && pWnd == this && m_tracker.SetCursor(this, nHitTest))
        return TRUE;
    return SREScrollView::OnSetCursor(pWnd, nHitTest, message);
}

LRESULT SRGWizView::OnComponentMoved(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    StoreTrackerRect(FALSE);
    m_pSheet->LoadPages();
    if (m_pSheet->m_bLiveRedraw)
        RedrawNow();
    return 0;
}

LRESULT SRGWizView::OnSnapRect(WPARAM /*wParam*/, LPARAM lParam)
{
    RECT* pRect = reinterpret_cast<RECT*>(lParam);
    if (!m_pSheet->m_bSnap || pRect == nullptr)
        return 0;
    // the grid lies on the chart's coordinates, the tracker's rectangle on the window's
    const CPoint offset = ToChart(CPoint(0, 0));
    const int nStep = m_pSheet->m_nGridStep;
    pRect->left = Snap(pRect->left + offset.x, nStep) - offset.x;
    pRect->right = Snap(pRect->right + offset.x, nStep) - offset.x;
    pRect->top = Snap(pRect->top + offset.y, nStep) - offset.y;
    pRect->bottom = Snap(pRect->bottom + offset.y, nStep) - offset.y;
    return 0;
}

// ---- commands ----------------------------------------------------------------------------------------

void SRGWizView::OnContextMenu(CWnd* /*pWnd*/, CPoint point)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_WIZ_PREVIEW_MENU))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == nullptr)
        return;
    pPopup->EnableMenuItem(ID_CHART_UNDO_ZOOM, MF_BYCOMMAND | (GetZoomStack().Count() > 0 ? MF_ENABLED : MF_GRAYED));
    pPopup->EnableMenuItem(ID_WIZ_END_TRACKING, MF_BYCOMMAND | (m_bTracking ? MF_ENABLED : MF_GRAYED));
    if (point.x == -1 && point.y == -1) {
        // from the keyboard: at the window's corner
        point = CPoint(0, 0);
        ClientToScreen(&point);
    }
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

void SRGWizView::OnEndTracking()
{
    EndTracking();
}

void SRGWizView::OnSaveLayout()
{
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kLayoutFilter, this);
    if (dialog.DoModal() != IDOK)
        return;
    CString path;
    if (!AfxGetHostPath(dialog.GetPathName(), path)) {
        AfxMessageBox(kFileError);
        return;
    }
    SaveLayout(path);
}

CString SRGWizView::LayoutLine(DEDized& rChart, CSize size, int nDpiX, int nDpiY)
{
    WizLayout layout;
    CObList* pComponents = rChart.GetComponentList();
    for (POSITION pos = pComponents->GetHeadPosition(); pos != nullptr;) {
        DEDizedComponent* pComponent = static_cast<DEDizedComponent*>(pComponents->GetNext(pos));
        const int nTypeId = pComponent->GetTypeId();
        if (nTypeId < chartTypeBackground || nTypeId > chartTypeLegend)
            continue;
        const int nStyle = pComponent->GetStyle()->m_nStyle;
        const DEDizedRect* pRect = pComponent->GetRect();
        const int nKind = pRect->GetMeasurement();
        WizPlacement placement;
        AfxLoadString(UINT(nTypeId), placement.name);
        placement.nMeasurement = DEDizedRect::measurePerCent;
        placement.nBorder = nStyle & 0xF;
        placement.nShadow = (nStyle >> 4) & 0xF;
        placement.nFill = (nStyle >> 8) & 0xF;
        placement.nLeft = WholePerCent(pRect->m_dLeft, nKind, size.cx, nDpiX);
        placement.nTop = WholePerCent(pRect->m_dTop, nKind, size.cy, nDpiY);
        placement.nRight = WholePerCent(pRect->m_dRight, nKind, size.cx, nDpiX);
        placement.nBottom = WholePerCent(pRect->m_dBottom, nKind, size.cy, nDpiY);
        layout.push_back(placement);
    }
    return WizardTexts::FormatLayout(layout);
}

BOOL SRGWizView::SaveLayout(LPCSTR lpszPath)
{
    DEDized* pChart = GetGraph();
    if (pChart == nullptr)
        return FALSE;
    CClientDC dc(this);
    const CString text = kLayoutStart +
                         LayoutLine(*pChart, m_pSheet->GetPreviewSize(), dc.GetDeviceCaps(LOGPIXELSX), dc.GetDeviceCaps(LOGPIXELSY));
    // appended: the file keeps the layouts saved before
    CFile file;
    bool bWritten = file.Open(lpszPath, CFile::modeWrite | CFile::modeCreate | CFile::modeNoTruncate);
    if (bWritten) {
        try {
            file.SeekToEnd();
            file.Write(text.GetString(), uint32_t(text.GetLength()));
            file.Close();
        } catch (CException* e) {
            e->Delete();
            file.Abort();
            bWritten = false;
        }
    }
    if (!bWritten)
        AfxMessageBox(kFileError);
    return bWritten;
}
