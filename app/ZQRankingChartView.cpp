// CZQRankingChartView: the ranking chart view (see ZQRankingChartView.h).
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/ZQRankingChartView.h"

#include "app/ZQApp.h"
#include "model/solve/Solver.h"

namespace {

const COLORREF kReferenceColor = RGB(255, 0, 0); // the reference ranking's alternatives: red
const COLORREF kOtherColor = RGB(0, 0, 255);     // the others: blue
const int kScreenFontSize = 110;                 // 11 points
const int kPrintFontDividend = 120780;
const int kNameLeft = 10;
const int kNameGap = 5; // between the widest name and the bars
const int kTop = 30;
const int kRowStep = 20;
const int kMinimumBarsWidth = 200;
const int kBoxes = 10;

// True when the first Solver record named `name` belongs to the reference ranking.
bool IsReferenceAlternative(const Solver& solver, const CString& name)
{
    for (const auto& pAlternative : solver.model.alternatives) {
        if (pAlternative && pAlternative->name == name)
            return pAlternative->referenceIndex >= 0;
    }
    return false;
}

// The width of the names' column for rows whose longest name is nLongest characters long: 9 a
// character, as the screen's font takes, but no less than the widest name in pDC's font and a gap of
// kNameGap: a name as wide as its characters' share would touch its bar, and a printer's font is
// another.
int NameColumnWidth(CDC* pDC, const std::vector<CZQRankingChartView::Bar>& bars, int nLongest)
{
    int nWidth = 9 * nLongest;
    for (const CZQRankingChartView::Bar& bar : bars)
        nWidth = (std::max)(nWidth, int(pDC->GetTextExtent(bar.name).cx) + kNameGap);
    return nWidth;
}

} // namespace

IMPLEMENT_DYNCREATE(CZQRankingChartView, CScrollView)

BEGIN_MESSAGE_MAP(CZQRankingChartView, CScrollView)
    ON_WM_DESTROY()
    ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

CZQRankingChartView::CZQRankingChartView() : m_rectPrint(0, 0, 0, 0) {}

CZQRankingChartView::~CZQRankingChartView() = default;

int CZQRankingChartView::PrintFontSize(int nPrintWidth)
{
    // a page of no width would divide by zero
    return nPrintWidth > 0 ? kPrintFontDividend / nPrintWidth : kScreenFontSize;
}

void CZQRankingChartView::OnInitialUpdate()
{
    CScrollView::OnInitialUpdate();
    SetScrollSizes(MM_TEXT, CSize(100, 100));
    TakeRanking();
    if (CZQApp* pApp = ZQGetApp())
        pApp->m_nRankingChartOpen = 1;
}

void CZQRankingChartView::TakeRanking()
{
    m_bars.clear();
    const CZQApp* pApp = ZQGetApp();
    const Solver* pSolver = pApp != nullptr ? pApp->m_Project.ProjectSolver.get() : nullptr;
    if (pSolver == nullptr || !pSolver->HasResults())
        return;
    for (const ZQRow& row : pApp->m_Project.RankingRows) {
        const CString& name = ProjectCell(row, 0);
        m_bars.push_back(Bar{name, ProjectCell(row, 1), IsReferenceAlternative(*pSolver, name)});
    }
}

void CZQRankingChartView::OnDestroy()
{
    if (CZQApp* pApp = ZQGetApp())
        pApp->m_nRankingChartOpen = 0;
    CScrollView::OnDestroy();
}

void CZQRankingChartView::Redraw()
{
    TakeRanking();
    RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
}

void CZQRankingChartView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    CScrollView::OnPrepareDC(pDC, pInfo);
    if (pInfo == nullptr)
        return;
    m_rectPrint = pInfo->m_rectDraw;
    if (pDC->IsPrinting() && !m_rectPrint.IsRectEmpty()) {
        ScaleForPrinting(pDC, m_rectPrint.Height(), kRowStep * int(m_bars.size()) + 50);
        pDC->DPtoLP(&m_rectPrint);
    }
}

void CZQRankingChartView::ScaleForPrinting(CDC* pDC, int nPageHeight, int nChartHeight)
{
    const int nDpiX = pDC->GetDeviceCaps(LOGPIXELSX), nDpiY = pDC->GetDeviceCaps(LOGPIXELSY);
    const HDC hScreen = ::GetDC(nullptr);
    const int nScreenX = ::GetDeviceCaps(hScreen, LOGPIXELSX), nScreenY = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreen);
    if (nDpiX <= 0 || nDpiY <= 0 || nScreenX <= 0 || nScreenY <= 0 || nPageHeight <= 0 || nChartHeight <= 0)
        return;
    pDC->SetMapMode(MM_ANISOTROPIC);
    if (::MulDiv(nChartHeight, nDpiY, nScreenY) <= nPageHeight) {
        pDC->SetWindowExt(nScreenX, nScreenY);
        pDC->SetViewportExt(nDpiX, nDpiY);
    } else {
        // the rows fill the page's height, in units as wide as they are high on paper
        pDC->SetWindowExt(nChartHeight, nChartHeight);
        pDC->SetViewportExt(::MulDiv(nPageHeight, nDpiX, nDpiY), nPageHeight);
    }
}

BOOL CZQRankingChartView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

void CZQRankingChartView::OnBeginPrinting(CDC*, CPrintInfo*) {}

void CZQRankingChartView::OnEndPrinting(CDC*, CPrintInfo*) {}

void CZQRankingChartView::OnDraw(CDC* pDC)
{
    const bool bPrinting = pDC->IsPrinting() != FALSE;

    m_font.DeleteObject();
    if (bPrinting)
        m_font.CreatePointFont(PrintFontSize(m_rectPrint.right - m_rectPrint.left), "Arial", pDC);
    else
        m_font.CreatePointFont(kScreenFontSize, "Courier", pDC);
    CFont* pOldFont = pDC->SelectObject(&m_font);

    int m = 0;
    for (const Bar& bar : m_bars)
        m = (std::max)(m, bar.name.GetLength());
    const int nNames = NameColumnWidth(pDC, m_bars, m);
    const int x0 = nNames + 10;
    const int nRows = int(m_bars.size());
    // an arrow click scrolls one row (across: a character of the names), a page click the whole rows
    // the window shows (across: its width)
    CRect client;
    GetClientRect(&client);
    const CSize line(9, kRowStep);
    const CSize page((std::max)(int(client.Width()), line.cx), (std::max)(int(client.Height()) / kRowStep, 1) * kRowStep);
    SetScrollSizes(MM_TEXT, CSize(x0 + kMinimumBarsWidth, kRowStep * nRows + 50), page, line);

    if (nRows > 0) {
        CBrush blue(kOtherColor);
        CBrush red(kReferenceColor);
        const int nWidth = bPrinting ? m_rectPrint.right : client.right;
        const int u = ((std::max)(nWidth, x0 + kMinimumBarsWidth) - x0) / 11;

        for (int k = 0; k <= 5; ++k) {
            CString label;
            label.Format("%.1f", 0.2 * k);
            pDC->TextOut(nNames + 2 * u * k, 5, label);
        }

        int y = kTop;
        for (auto it = m_bars.rbegin(); it != m_bars.rend(); ++it, y += kRowStep) {
            pDC->TextOut(kNameLeft, y, it->name);
            for (int i = 0, x = x0; i < kBoxes; ++i, x += u)
                pDC->Rectangle(x, y - 5, x + u + 1, y + 16);
            const int L = int(std::atof(it->utility) * u * kBoxes);
            const CRect bar(x0, y, x0 + L + 1, y + 11);
            pDC->FillRect(&bar, it->reference ? &red : &blue);
        }
    }
    pDC->SelectObject(pOldFont);
}
