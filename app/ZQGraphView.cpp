// CZQGraphView: the preference-graphs view (see ZQGraphView.h).
#include "app/ZQGraphView.h"

#include "app/ZQApp.h"
#include "model/solve/Solver.h"
#include "native/GraphvizRenderer.h"
#include "pageview/PageView.h"

namespace {

const char* const kPageName = "graph.htm";

const char* const kPageStart = "<HTML>\n<head>\n<title>Results graphs</title>\n</head>\n<BODY>\n";
const char* const kPageEnd = "</BODY>\n</HTML>\n";
const char* const kPartialGraph = "<H2> Partial preorder graph (strong outranking) </H2>\n"
                                  "<IMG SRC=\"graph_part.gif\" ALT=\"partial preorder graph\">\n";

// Writes the bytes of text into the file lpszPath (a Windows path), replacing it. A file that cannot
// be written whole is removed, so that no torn page is shown.
bool WriteWholeFile(LPCSTR lpszPath, const CString& text)
{
    const HANDLE hFile =
        ::CreateFileA(lpszPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = ::WriteFile(hFile, text.GetString(), DWORD(text.GetLength()), &written, nullptr) &&
                    written == DWORD(text.GetLength());
    ::CloseHandle(hFile);
    if (!ok)
        ::DeleteFileA(lpszPath);
    return ok;
}

} // namespace

IMPLEMENT_DYNCREATE(CZQGraphView, CView)

BEGIN_MESSAGE_MAP(CZQGraphView, CView)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
END_MESSAGE_MAP()

CZQGraphView::CZQGraphView() : m_hWndPage(nullptr), m_nSheets(-1), m_bPageWaiting(false) {}

CZQGraphView::~CZQGraphView() = default;

CString CZQGraphView::FirstPageText()
{
    CString text = kPageStart;
    text += kPartialGraph;
    text += "Reference alternatives with high credibility are represented by nodes in green\n"
            "Preference arches related to high credibility reference ranking are printed in green.\n"
            "<H1> Complete preorder graph (weak outranking) </H1>\n"
            "<IMG SRC=\"graph_weak.gif\" ALT=\"complete preorder graph\">\n";
    text += kPageEnd;
    return text;
}

CString CZQGraphView::RefreshedPageText(const std::vector<CString>& otherAlternatives)
{
    CString text = kPageStart;
    text += kPartialGraph;
    text += "<BR>Reference alternatives with high credibility are represented by green nodes<BR>\n"
            "Preference arches related to the high credibility reference ranking are printed in green<BR>\n"
            "<H2> Complete preorder graph (weak outranking) </H2>\n"
            "<IMG SRC=\"graph_weak.gif\" ALT=\"complete preorder graph\">\n"
            "<BR> No arc between alternatives means indifference. <BR>Other alternatives mutually indifferent "
            "and indifferent with each alternative from the graph: <BR>\n";
    for (size_t i = 0; i < otherAlternatives.size(); ++i) {
        if (i > 0)
            text += ", ";
        text += otherAlternatives[i];
    }
    text += "<BR>\n";
    text += kPageEnd;
    return text;
}

CString CZQGraphView::PagePath()
{
    CZQApp* pApp = ZQGetApp();
    const CString directory = pApp != nullptr ? pApp->GetTempDirectory() : CString();
    if (directory.IsEmpty())
        return CString();
    return directory + "\\" + kPageName;
}

int CZQGraphView::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    const HINSTANCE hInstance = AfxGetInstanceHandle();
    if (!PageView_Register(hInstance))
        return -1;
    m_hWndPage = ::CreateWindowExA(0, PAGEVIEW_CLASS, "", WS_CHILD | WS_VISIBLE, 0, 0, lpCreateStruct->cx,
                                   lpCreateStruct->cy, m_hWnd, nullptr, hInstance, nullptr);
    return m_hWndPage != nullptr ? 0 : -1;
}

void CZQGraphView::OnDestroy()
{
    if (CZQApp* pApp = ZQGetApp())
        pApp->m_nGraphsOpen = 0;
    CView::OnDestroy();
}

void CZQGraphView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    if (m_hWndPage != nullptr)
        ::MoveWindow(m_hWndPage, 0, 0, cx, cy, TRUE);
}

void CZQGraphView::OnSetFocus(CWnd* pOldWnd)
{
    CView::OnSetFocus(pOldWnd);
    // the page scrolls with the keys and the wheel
    if (m_hWndPage != nullptr)
        ::SetFocus(m_hWndPage);
}

void CZQGraphView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    if (CZQApp* pApp = ZQGetApp())
        pApp->m_nGraphsOpen = 1;
    ShowPage(FirstPageText());
}

void CZQGraphView::OnDraw(CDC*) {}

BOOL CZQGraphView::RefreshGraphPage()
{
    CZQApp* pApp = ZQGetApp();
    const Solver* pSolver = pApp != nullptr ? pApp->m_Project.ProjectSolver.get() : nullptr;
    return ShowPage(RefreshedPageText(pSolver != nullptr ? pSolver->model.excludedNames : std::vector<CString>()));
}

BOOL CZQGraphView::Navigate(LPCSTR lpszPath)
{
    return m_hWndPage != nullptr && PageView_Navigate(m_hWndPage, lpszPath);
}

BOOL CZQGraphView::ShowPage(const CString& text)
{
    CString path = PagePath();
    const BOOL bWritten = !path.IsEmpty() && WriteWholeFile(path, text);
    if (!bWritten)
        path.Empty();
    m_bPageWaiting = true;
    m_strPageWaiting = path;
    CZQApp* pApp = ZQGetApp();
    if (pApp != nullptr && pApp->IsOpeningResultWindows())
        return bWritten;
    return ShowWrittenPage() && bWritten;
}

BOOL CZQGraphView::ShowWrittenPage()
{
    if (!m_bPageWaiting)
        return FALSE;
    m_bPageWaiting = false;
    if (m_strPageWaiting.IsEmpty())
        return Navigate(nullptr);
    // the graphs a solve renders in the background are written first
    FinishRenderingDotToGif();
    return Navigate(m_strPageWaiting);
}

BOOL CZQGraphView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

void CZQGraphView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    CView::OnBeginPrinting(pDC, pInfo);
    m_nSheets = -1;
}

void CZQGraphView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    CView::OnPrepareDC(pDC, pInfo);
    // the number of sheets shows only once the first is drawn
    if (pInfo != nullptr && pInfo->m_nCurPage > 1 && m_nSheets >= 0)
        pInfo->m_bContinuePrinting = pInfo->m_nCurPage <= UINT(m_nSheets);
}

void CZQGraphView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    if (m_hWndPage == nullptr || pInfo->m_rectDraw.Height() <= 0)
        return;
    PAGEVIEWDRAW draw = {};
    draw.hdc = pDC->m_hDC;
    draw.rcArea = pInfo->m_rectDraw;
    draw.nSheet = int(pInfo->m_nCurPage);
    draw.nDpiX = pDC->GetDeviceCaps(LOGPIXELSX);
    draw.nDpiY = pDC->GetDeviceCaps(LOGPIXELSY);
    m_nSheets = PageView_DrawPage(m_hWndPage, &draw);
}
