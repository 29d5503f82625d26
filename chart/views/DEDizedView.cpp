// DEDizedView: drawing, printing, the palette, Copy, the page set-up and the exports (see
// DEDizedView.h). The mouse, the tips, the value drag and the zoom are in DEDizedViewMouse.cpp.
#include "chart/views/DEDizedView.h"

#include "chart/engine/DEDized.h"
#include "chart/views/CGraphDoc.h"
#include "chart/views/ChartViewDialogs.h"
#include "chart/views/ChartViewResource.h"
#include "chart/views/dialogs/DEDizedEditDialog.h"
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

} // namespace

IMPLEMENT_DYNCREATE(DEDizedView, CView)

BEGIN_MESSAGE_MAP(DEDizedView, CView)
    ON_WM_ERASEBKGND()
    ON_WM_CREATE()
    ON_WM_QUERYNEWPALETTE()
    ON_WM_PALETTECHANGED()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
    ON_COMMAND(ID_CHART_UNDO_ZOOM, OnUndoZoom)
    ON_UPDATE_COMMAND_UI(ID_CHART_UNDO_ZOOM, OnUpdateUndoZoom)
    ON_COMMAND(ID_CHART_UNDO_ZOOM_ALL, OnUndoZoomAll)
    ON_UPDATE_COMMAND_UI(ID_CHART_UNDO_ZOOM_ALL, OnUpdateUndoZoom)
    ON_COMMAND(ID_CHART_PAGE_SETUP, OnPageSetup)
    ON_COMMAND(ID_CHART_EDIT, OnEditChart)
    ON_COMMAND(ID_CHART_WIZARD, OnChartWizard)
    ON_COMMAND(ID_CHART_EXPORT_BMP, OnExportBmp)
    ON_COMMAND(ID_CHART_EXPORT_JPEG, OnExportJpeg)
END_MESSAGE_MAP()

DEDizedView::DEDizedView()
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

DEDizedView::~DEDizedView() = default;

// ---- drawing -------------------------------------------------------------------------------------------

void DEDizedView::OnDraw(CDC* pDC)
{
    if (DEDized* pChart = GetGraph()) {
        pChart->Draw(pDC, this);
        pChart->SetForceBuffer(0);
    }
}

BOOL DEDizedView::OnEraseBkgnd(CDC* /*pDC*/)
{
    // the chart paints its own background: erasing would only flicker
    return TRUE;
}

DEDized* DEDizedView::GetGraph()
{
    CGraphDoc* pDocument = dynamic_cast<CGraphDoc*>(GetDocument());
    return pDocument != nullptr ? pDocument->GetChart() : nullptr;
}

void DEDizedView::RenderToBitmap(CDC* pDC, CBitmap* pBitmap)
{
    AfxRequirePointer(pDC, "DEDizedView::RenderToBitmap", "pDC");
    AfxRequirePointer(pBitmap, "DEDizedView::RenderToBitmap", "pBitmap");
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

BOOL DEDizedView::RenderClientBitmap(CDC& rDC, CBitmap& rBitmap)
{
    CRect client;
    GetClientRect(&client);
    if (!rBitmap.CreateCompatibleBitmap(&rDC, client.Width(), client.Height()))
        return FALSE;
    RenderToBitmap(&rDC, &rBitmap);
    return TRUE;
}

// ---- printing ------------------------------------------------------------------------------------------

CSize DEDizedView::PaperSize(int nPaperIndex, int nDpiX, int nDpiY)
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

void DEDizedView::OnBeginPrinting(CDC* pDC, CPrintInfo* /*pInfo*/)
{
    DEDized* pChart = GetGraph();
    if (!m_bUsePageSize || pChart == nullptr)
        return;
    const CSize size = PaperSize(m_nPaperIndex, pDC->GetDeviceCaps(LOGPIXELSX), pDC->GetDeviceCaps(LOGPIXELSY));
    pChart->SetFixedRect(CRect(0, 0, size.cx, size.cy));
    pChart->SetFixedRectFlag(1);
    pChart->SetFixedRectAlignment(((m_nHorizontal + 1) << 4) | (m_nVertical + 1));
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

// ---- palette -------------------------------------------------------------------------------------------

int DEDizedView::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    CClientDC dc(this);
    DEDized* pChart = GetGraph();
    if ((dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE) != 0 && pChart != nullptr) {
        pChart->BuildPalette(&m_palette);
        RealizeOwnPalette(FALSE);
    }
    return 0;
}

void DEDizedView::RealizeOwnPalette(BOOL bBackground)
{
    CClientDC dc(this);
    CPalette* pOld = dc.SelectPalette(&m_palette, bBackground);
    dc.RealizePalette();
    dc.SelectPalette(pOld, TRUE);
}

BOOL DEDizedView::OnQueryNewPalette()
{
    if (m_palette.m_hObject == nullptr)
        return CView::OnQueryNewPalette();
    RealizeOwnPalette(FALSE);
    return TRUE;
}

void DEDizedView::OnPaletteChanged(CWnd* pFocusWnd)
{
    if (m_palette.m_hObject == nullptr) {
        CView::OnPaletteChanged(pFocusWnd);
        return;
    }
    if (pFocusWnd != this)
        RealizeOwnPalette(TRUE);
}

// ---- commands ------------------------------------------------------------------------------------------

void DEDizedView::OnEditCopy()
{
    CClientDC dc(this);
    CBitmap bitmap;
    if (!RenderClientBitmap(dc, bitmap))
        return;
    // a clipboard held by another window stays as it is; the bitmap then goes with its object
    if (!::OpenClipboard(m_hWnd))
        return;
    ::EmptyClipboard();
    if (::SetClipboardData(CF_BITMAP, static_cast<HBITMAP>(bitmap.m_hObject)) != nullptr)
        bitmap.Detach();
    ::CloseClipboard();
}

void DEDizedView::OnUndoZoom()
{
    UndoZoom(0);
}

void DEDizedView::OnUndoZoomAll()
{
    UndoZoom(1);
}

void DEDizedView::OnUpdateUndoZoom(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_zoomStack.Count() > 0);
}

void DEDizedView::OnPageSetup()
{
    PageSetup dialog(this);
    dialog.m_nPaperIndex = m_nPaperIndex;
    dialog.m_bUsePageSize = m_bUsePageSize;
    dialog.m_nVertical = m_nVertical;
    dialog.m_nHorizontal = m_nHorizontal;
    if (dialog.DoModal() != IDOK)
        return;
    m_nPaperIndex = dialog.m_nPaperIndex;
    m_bUsePageSize = dialog.m_bUsePageSize;
    m_nVertical = dialog.m_nVertical;
    m_nHorizontal = dialog.m_nHorizontal;
}

void DEDizedView::OnEditChart()
{
    DEDized* pChart = GetGraph();
    if (pChart == nullptr)
        return;
    DEDizedEditDialog dialog(this);
    dialog.SetChart(pChart);
    dialog.DoModal();
    // whatever the dialog changed is drawn anew
    pChart->MarkForRedraw();
    Invalidate();
}

void DEDizedView::OnChartWizard()
{
    // the chart wizard comes with its class
}

void DEDizedView::OnExportBmp()
{
    Export("bmp", kBmpFilter, false);
}

void DEDizedView::OnExportJpeg()
{
    Export("jpg", kJpegFilter, true);
}

void DEDizedView::Export(LPCSTR lpszDefExt, LPCSTR lpszFilter, bool bJpeg)
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

BOOL DEDizedView::SaveAsBmp(LPCSTR lpszPath)
{
    SECDib image;
    return SaveImageAs(&image, lpszPath, IDS_CHART_BMP_FAILED);
}

BOOL DEDizedView::SaveAsJpeg(LPCSTR lpszPath)
{
    SECJpeg image;
    return SaveImageAs(&image, lpszPath, IDS_CHART_JPEG_FAILED);
}

BOOL DEDizedView::SaveImageAs(SECImage* pImage, LPCSTR lpszPath, UINT nIDFailed)
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
