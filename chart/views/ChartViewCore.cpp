// ChartViewCore: drawing, printing, the palette, Copy, the page set-up, the dialogs and the exports
// (see ChartViewCore.h). The mouse, the tips, the value drag and the zoom are in ChartViewCoreMouse.cpp.
#include "chart/views/ChartViewCore.h"

#include "chart/engine/ChartResource.h"
#include "chart/engine/DEDized.h"
#include "chart/views/CGraphDoc.h"
#include "chart/views/ChartViewDialogs.h"
#include "chart/views/ChartViewResource.h"
#include "chart/views/dialogs/DEDizedEditDialog.h"
#include "chart/views/dialogs/SRGWizSheet.h"
#include "chart/views/image/SECDib.h"
#include "chart/views/image/SECJpeg.h"

namespace {

const char kBmpFilter[] = "Dib bitmap files(*.bmp)|*.bmp|All files(*.*)|*.*||";
const char kJpegFilter[] = "Jpeg files(*.jpg)|*.jpg|All files(*.*)|*.*||";

// Puts the chart's fixed rectangle, its flag and its buffering back as they were, however the drawing
// ended.
class FixedRectScope {
public:
    explicit FixedRectScope(DEDized& chart)
        : m_chart(chart), m_rect(chart.GetFixedRect()), m_bFixed(chart.GetFixedRectFlag()), m_bBuffered(chart.IsBuffered())
    {
    }
    ~FixedRectScope()
    {
        m_chart.SetFixedRect(m_rect);
        m_chart.SetFixedRectFlag(m_bFixed);
        m_chart.SetBuffered(m_bBuffered);
    }
    FixedRectScope(const FixedRectScope&) = delete;
    FixedRectScope& operator=(const FixedRectScope&) = delete;

private:
    DEDized& m_chart;
    CRect m_rect;
    int m_bFixed;
    int m_bBuffered;
};

// The scroll position a view's chart coordinates are moved by: none on a plain view.
CPoint ScrollOffsetOf(const CView& /*view*/)
{
    return CPoint(0, 0);
}

CPoint ScrollOffsetOf(const CScrollView& view)
{
    return view.GetDeviceScrollPosition();
}

} // namespace

template <class TBase>
ChartViewCore<TBase>::ChartViewCore()
    : m_bUsePageSize(0),
      m_nPaperIndex(0),
      m_nVertical(1),
      m_nHorizontal(1),
      m_ptLast(-1, -1),
      m_ptBandStart(0, 0),
      m_ptBandCorner(0, 0),
      m_bBandShown(0),
      m_bBandActive(0),
      m_bValueDragActive(0),
      m_nPickedIndex(-1),
      m_nPickedGroup(-1),
      m_bTipTimerRunning(0),
      m_bZoomEnabled(1),
      m_bValueDragEnabled(1),
      m_bDragTip(0)
{
}

template <class TBase>
ChartViewCore<TBase>::~ChartViewCore() = default;

// ---- drawing -------------------------------------------------------------------------------------------

template <class TBase>
void ChartViewCore<TBase>::OnDraw(CDC* pDC)
{
    if (DEDized* pChart = GetGraph()) {
        pChart->Draw(pDC, this);
        pChart->SetForceBuffer(0);
    }
}

template <class TBase>
BOOL ChartViewCore<TBase>::OnEraseBkgnd(CDC* /*pDC*/)
{
    // the chart paints its own background: erasing would only flicker
    return TRUE;
}

template <class TBase>
DEDized* ChartViewCore<TBase>::GetGraph()
{
    CGraphDoc* pDocument = dynamic_cast<CGraphDoc*>(this->GetDocument());
    return pDocument != nullptr ? pDocument->GetChart() : nullptr;
}

template <class TBase>
void ChartViewCore<TBase>::RenderToBitmap(CDC* pDC, CBitmap* pBitmap)
{
    AfxRequirePointer(pDC, "ChartViewCore::RenderToBitmap", "pDC");
    AfxRequirePointer(pBitmap, "ChartViewCore::RenderToBitmap", "pBitmap");
    if (m_tip.IsVisible())
        m_tip.Hide();
    DEDized* pChart = GetGraph();
    BITMAP info = {};
    CDC memDC;
    if (pChart == nullptr || pBitmap->GetBitmap(&info) == 0 || !memDC.CreateCompatibleDC(pDC))
        return;
    CBitmap* pOldBitmap = memDC.SelectObject(pBitmap);
    {
        FixedRectScope scope(*pChart);
        pChart->SetFixedRect(CRect(0, 0, info.bmWidth, info.bmHeight));
        pChart->SetFixedRectFlag(1);
        pChart->SetBuffered(0);
        pChart->Draw(&memDC, this);
    }
    memDC.SelectObject(pOldBitmap);
}

template <class TBase>
BOOL ChartViewCore<TBase>::RenderClientBitmap(CDC& rDC, CBitmap& rBitmap)
{
    CRect client;
    this->GetClientRect(&client);
    if (!rBitmap.CreateCompatibleBitmap(&rDC, client.Width(), client.Height()))
        return FALSE;
    RenderToBitmap(&rDC, &rBitmap);
    return TRUE;
}

template <class TBase>
CPoint ChartViewCore<TBase>::ToChart(CPoint client) const
{
    const CPoint offset = ScrollOffsetOf(*this);
    return CPoint(client.x + offset.x, client.y + offset.y);
}

template <class TBase>
CPoint ChartViewCore<TBase>::ChartToScreen(CPoint chart) const
{
    const CPoint offset = ScrollOffsetOf(*this);
    CPoint point(chart.x - offset.x, chart.y - offset.y);
    this->ClientToScreen(&point);
    return point;
}

// ---- printing ------------------------------------------------------------------------------------------

template <class TBase>
CSize ChartViewCore<TBase>::PaperSize(int nPaperIndex, int nDpiX, int nDpiY)
{
    // inches of A4, A5 and Letter, portrait
    const double kA4Short = 8.267, kA4Long = 11.692, kA5Short = 5.874;
    const double kLetterShort = 8.5, kLetterLong = 11.0;
    auto inches = [&](double dWidth, double dHeight) { return CSize(int(dWidth * nDpiX), int(dHeight * nDpiY)); };
    switch (nPaperIndex) {
    case 0: return CSize(320, 240);
    case 1: return CSize(640, 480);
    case 2: return CSize(800, 600);
    case 3: return CSize(1024, 768);
    case 4: return inches(kA4Short, kA4Long);
    case 5: return inches(kA4Long, kA4Short);
    case 6: return inches(kA5Short, kA4Short);
    case 7: return inches(kA4Short, kA5Short);
    case 8: return inches(kLetterShort, kLetterLong);
    case 9: return inches(kLetterLong, kLetterShort);
    default: return CSize(0, 0);
    }
}

template <class TBase>
BOOL ChartViewCore<TBase>::ApplyPageSize(CDC* pDC)
{
    DEDized* pChart = GetGraph();
    if (!m_bUsePageSize || pChart == nullptr)
        return FALSE;
    const CSize size = PaperSize(m_nPaperIndex, pDC->GetDeviceCaps(LOGPIXELSX), pDC->GetDeviceCaps(LOGPIXELSY));
    pChart->SetFixedRect(CRect(0, 0, size.cx, size.cy));
    pChart->SetFixedRectFlag(1);
    pChart->SetFixedRectAlignment(((m_nHorizontal + 1) << 4) | (m_nVertical + 1));
    return TRUE;
}

// ---- palette -------------------------------------------------------------------------------------------

template <class TBase>
int ChartViewCore<TBase>::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (TBase::OnCreate(lpCreateStruct) == -1)
        return -1;
    CClientDC dc(this);
    DEDized* pChart = GetGraph();
    if ((dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE) != 0 && pChart != nullptr) {
        pChart->BuildPalette(&m_palette);
        RealizeOwnPalette(FALSE);
    }
    return 0;
}

template <class TBase>
BOOL ChartViewCore<TBase>::RealizeOwnPalette(BOOL bBackground)
{
    if (m_palette.m_hObject == nullptr)
        return FALSE;
    CClientDC dc(this);
    CPalette* pOld = dc.SelectPalette(&m_palette, bBackground);
    dc.RealizePalette();
    dc.SelectPalette(pOld, TRUE);
    return TRUE;
}

template <class TBase>
BOOL ChartViewCore<TBase>::OnQueryNewPalette()
{
    if (!RealizeOwnPalette(FALSE))
        return TBase::OnQueryNewPalette();
    return TRUE;
}

template <class TBase>
void ChartViewCore<TBase>::OnPaletteChanged(CWnd* pFocusWnd)
{
    if (m_palette.m_hObject == nullptr) {
        TBase::OnPaletteChanged(pFocusWnd);
        return;
    }
    if (pFocusWnd != this)
        RealizeOwnPalette(TRUE);
}

// ---- commands ------------------------------------------------------------------------------------------

template <class TBase>
CSize ChartViewCore<TBase>::GetCopySize()
{
    CRect client;
    this->GetClientRect(&client);
    return client.Size();
}

template <class TBase>
BOOL ChartViewCore<TBase>::BandStartsAt(DEDized* /*pChart*/, CPoint /*point*/)
{
    return TRUE;
}

template <class TBase>
void ChartViewCore<TBase>::OnEditCopy()
{
    CClientDC dc(this);
    CBitmap bitmap;
    const CSize size = GetCopySize();
    if (!bitmap.CreateCompatibleBitmap(&dc, size.cx, size.cy))
        return;
    RenderToBitmap(&dc, &bitmap);
    // a clipboard held by another window stays as it is; the bitmap then goes with its object
    if (!::OpenClipboard(this->m_hWnd))
        return;
    ::EmptyClipboard();
    if (::SetClipboardData(CF_BITMAP, static_cast<HBITMAP>(bitmap.m_hObject)) != nullptr)
        bitmap.Detach();
    ::CloseClipboard();
}

template <class TBase>
void ChartViewCore<TBase>::OnUndoZoom()
{
    UndoZoom(0);
}

template <class TBase>
void ChartViewCore<TBase>::OnUndoZoomAll()
{
    UndoZoom(1);
}

template <class TBase>
void ChartViewCore<TBase>::OnUpdateUndoZoom(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_zoomStack.Count() > 0);
}

template <class TBase>
BOOL ChartViewCore<TBase>::RunPageSetup(PageSetup& rDialog)
{
    rDialog.m_nPaperIndex = m_nPaperIndex;
    rDialog.m_bUsePageSize = m_bUsePageSize;
    rDialog.m_nVertical = m_nVertical;
    rDialog.m_nHorizontal = m_nHorizontal;
    return rDialog.DoModal() == IDOK;
}

template <class TBase>
void ChartViewCore<TBase>::TakePageSetup(const PageSetup& rDialog)
{
    m_nPaperIndex = rDialog.m_nPaperIndex;
    m_bUsePageSize = rDialog.m_bUsePageSize;
    m_nVertical = rDialog.m_nVertical;
    m_nHorizontal = rDialog.m_nHorizontal;
}

template <class TBase>
void ChartViewCore<TBase>::OnPageSetup()
{
    PageSetup dialog(this);
    if (RunPageSetup(dialog))
        TakePageSetup(dialog);
}

template <class TBase>
void ChartViewCore<TBase>::OnEditChart()
{
    DEDized* pChart = GetGraph();
    if (pChart == nullptr)
        return;
    DEDizedEditDialog dialog(this);
    dialog.SetChart(pChart);
    dialog.DoModal();
    // whatever the dialog changed is drawn anew
    pChart->MarkForRedraw();
    this->Invalidate();
}

template <class TBase>
void ChartViewCore<TBase>::OnChartWizard()
{
    RunWizard();
}

template <class TBase>
void ChartViewCore<TBase>::RunWizard()
{
    DEDized* pChart = GetGraph();
    if (pChart == nullptr)
        return;
    CString caption;
    AfxLoadString(IDS_CHART_WIZARD_CAPTION, caption);
    SRGWizSheet sheet(pChart, caption, nullptr, 0, 0, 0, TRUE);
    if (sheet.DoModal() != IDOK)
        return;
    sheet.CopyBack();
    pChart->MarkForRedraw();
    this->Invalidate();
}

template <class TBase>
void ChartViewCore<TBase>::OnExportBmp()
{
    Export("bmp", kBmpFilter, false);
}

template <class TBase>
void ChartViewCore<TBase>::OnExportJpeg()
{
    Export("jpg", kJpegFilter, true);
}

template <class TBase>
void ChartViewCore<TBase>::Export(LPCSTR lpszDefExt, LPCSTR lpszFilter, bool bJpeg)
{
    // a save dialog: the file need not exist yet, only its folder
    CFileDialog dialog(FALSE, lpszDefExt, nullptr,
                       OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_LONGNAMES,
                       lpszFilter, this);
    if (dialog.DoModal() != IDOK)
        return;
    if (bJpeg)
        SaveAsJpeg(dialog.GetPathName());
    else
        SaveAsBmp(dialog.GetPathName());
}

template <class TBase>
BOOL ChartViewCore<TBase>::SaveAsBmp(LPCSTR lpszPath)
{
    SECDib image;
    return SaveImageAs(&image, lpszPath, IDS_CHART_BMP_FAILED);
}

template <class TBase>
BOOL ChartViewCore<TBase>::SaveAsJpeg(LPCSTR lpszPath)
{
    SECJpeg image;
    return SaveImageAs(&image, lpszPath, IDS_CHART_JPEG_FAILED);
}

template <class TBase>
BOOL ChartViewCore<TBase>::SaveImageAs(SECImage* pImage, LPCSTR lpszPath, UINT nIDFailed)
{
    CClientDC dc(this);
    CBitmap bitmap;
    if (!RenderClientBitmap(dc, bitmap) || !pImage->CreateFromBitmap(&dc, &bitmap)) {
        AfxMessageBox(nIDFailed);
        return FALSE;
    }
    CString hostPath;
    BOOL bSaved = AfxGetHostPath(lpszPath, hostPath);
    if (bSaved) {
        try {
            bSaved = pImage->SaveImage(hostPath);
        } catch (CException* e) {
            e->Delete();
            bSaved = FALSE;
        }
    }
    if (!bSaved) {
        CString text;
        AfxFormatString1(text, IDS_CHART_EXPORT_WRITE_FAILED, lpszPath);
        AfxMessageBox(text);
    }
    return bSaved;
}

template class ChartViewCore<CView>;
template class ChartViewCore<CScrollView>;
