// CPreviewView: the print preview in the main frame, its bar, and the view's steps that open and end
// it.
#include <memory>

#include "win/CPreviewView.h"

#include "win/AfxRes.h"
#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/CButton.h"
#include "win/CControlBar.h"
#include "win/CDockBar.h"
#include "win/CFrameWnd.h"
#include "win/CPreviewDC.h"
#include "win/CPrintInfo.h"
#include "win/CWindowDC.h"
#include "win/CWinApp.h"
#include "win/WinServices.h"
#include "win/WndInternal.h"

namespace {

// The gap around and between the sheets, and the depth of their shadow, in pixels.
const int kGap = 8;
const int kShadow = 3;

// ---- the preview's bar ------------------------------------------------------------------------------

// Each button's command and the library text of its caption (AfxLoadLibraryString).
struct PreviewButton {
    UINT nID;
    UINT nIDCaption;
};
const PreviewButton kButtons[] = {
    {AFX_ID_PREVIEW_PRINT, AFX_IDS_PREVIEW_PRINT},     {AFX_ID_PREVIEW_NEXT, AFX_IDS_PREVIEW_NEXT},
    {AFX_ID_PREVIEW_PREV, AFX_IDS_PREVIEW_PREV},       {AFX_ID_PREVIEW_NUMPAGE, AFX_IDS_PREVIEW_TWOPAGE},
    {AFX_ID_PREVIEW_ZOOMIN, AFX_IDS_PREVIEW_ZOOMIN},   {AFX_ID_PREVIEW_ZOOMOUT, AFX_IDS_PREVIEW_ZOOMOUT},
    {AFX_ID_PREVIEW_CLOSE, AFX_IDS_PREVIEW_CLOSE},
};
const int kButtonCount = int(sizeof kButtons / sizeof kButtons[0]);

// A row of push buttons along the frame's top; their commands go to the frame (the bar's owner), which
// routes them to its active view, the preview. Each button is as wide as its caption (the Two Page
// button as its wider one, One Page taking its place), and at least four times as wide as high, so
// that the bar of a translation with longer words still fits a window 800 pixels wide. Keys
// pressed on its buttons are offered to the preview first; a button that turns grey while it has the
// focus gives the focus to the preview.
class CPreviewBar : public CControlBar {
public:
    BOOL Create(CFrameWnd* pFrame, CPreviewView* pPreview)
    {
        m_pPreview = pPreview;
        SetAutoDelete(TRUE);
        return CControlBar::Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM,
                                   CRect(0, 0, 0, 0), pFrame, AFX_IDW_PREVIEW_BAR);
    }

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override
    {
        (void)bHorz;
        CRect rect(0, 0, 0, 0);
        CalcInsideRect(rect, TRUE);
        return CSize(bStretch ? 32767 : 0, m_nHeight + kGap - rect.Height());
    }

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (m_pPreview->TranslatePreviewKey(pMsg))
            return TRUE; // the preview and this bar may be gone
        return CControlBar::PreTranslateMessage(pMsg);
    }

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override
    {
        const HWND hWndFocus = ::GetFocus();
        const bool bFocusHere = hWndFocus != nullptr && ::IsChild(m_hWnd, hWndFocus);
        for (int i = 0; i < kButtonCount; ++i) {
            CCmdUI state;
            state.m_nID = kButtons[i].nID;
            state.m_nIndex = UINT(i);
            state.m_nIndexMax = UINT(kButtonCount);
            state.m_pOther = &m_buttons[i];
            state.DoUpdate(pTarget, bDisableIfNoHndler);
        }
        // a grey button loses the focus (to nobody): the keyboard stays with the preview
        if (bFocusHere && (::GetFocus() == nullptr || !::IsWindowEnabled(hWndFocus)))
            m_pPreview->SetFocus();
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CREATE) {
            const LRESULT lResult = CControlBar::WindowProc(message, wParam, lParam);
            if (lResult != -1)
                MakeButtons();
            return lResult;
        }
        if (message == WM_SIZE) {
            PlaceButtons();
            return 0;
        }
        return CControlBar::WindowProc(message, wParam, lParam);
    }

private:
    void MakeButtons()
    {
        const HFONT hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
        CClientDC dc(this);
        const HGDIOBJ hOld = ::SelectObject(dc.m_hDC, hFont);
        CString captions[kButtonCount];
        CSize sizes[kButtonCount];
        for (int i = 0; i < kButtonCount; ++i) {
            captions[i] = AfxLoadLibraryString(kButtons[i].nIDCaption);
            sizes[i] = dc.GetTextExtent(captions[i], captions[i].GetLength());
            if (kButtons[i].nID == AFX_ID_PREVIEW_NUMPAGE) {
                // "One Page" takes the place of "Two Page": room for both
                const CString strOnePage = AfxLoadLibraryString(AFX_IDS_PREVIEW_ONEPAGE);
                const CSize sizeOne = dc.GetTextExtent(strOnePage, strOnePage.GetLength());
                sizes[i].cx = sizeOne.cx > sizes[i].cx ? sizeOne.cx : sizes[i].cx;
            }
            m_nHeight = sizes[i].cy > m_nHeight ? int(sizes[i].cy) : m_nHeight;
        }
        ::SelectObject(dc.m_hDC, hOld);
        m_nHeight += 10;
        for (int i = 0; i < kButtonCount; ++i) {
            const int cx = int(sizes[i].cx) + 16;
            m_nWidths[i] = cx > 4 * m_nHeight ? cx : 4 * m_nHeight;
            m_buttons[i].Create(captions[i], WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 0, 0), this,
                                kButtons[i].nID);
            m_buttons[i].SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
        }
        PlaceButtons();
    }

    void PlaceButtons()
    {
        CRect rect;
        GetClientRect(&rect);
        int x = kGap / 2;
        for (int i = 0; i < kButtonCount; ++i) {
            if (m_buttons[i].m_hWnd != nullptr)
                m_buttons[i].MoveWindow(x, (rect.Height() - m_nHeight) / 2, m_nWidths[i], m_nHeight);
            x += m_nWidths[i] + kGap / 2;
        }
    }

    CPreviewView* m_pPreview = nullptr; // the preview whose bar this is
    CButton m_buttons[kButtonCount];
    int m_nWidths[kButtonCount] = {}; // each button's width
    int m_nHeight = 0;                // the buttons' height
};

// The underlined letter of a caption ("&Close": 'C'), in upper case; 0 when none.
UINT MnemonicOf(const CString& caption)
{
    for (int i = 0; i + 1 < caption.GetLength(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return UINT(UINT_PTR(::CharUpperA(reinterpret_cast<LPSTR>(UINT_PTR(BYTE(caption[i + 1]))))));
        ++i; // "&&" stands for the ampersand itself
    }
    return 0;
}

// Runs step with a preview DC that measures on pPrinterDC and draws into a memory DC nobody sees (for
// the view's steps before and after the pages).
template <class F>
void RunWithMeasuringDC(CDC* pPrinterDC, F&& step)
{
    const HDC hMemory = ::CreateCompatibleDC(nullptr);
    {
        CPreviewDC dc;
        dc.SetPage(hMemory, pPrinterDC,
                   CRect(0, 0, pPrinterDC->GetDeviceCaps(HORZRES), pPrinterDC->GetDeviceCaps(VERTRES)));
        step(&dc);
    }
    ::DeleteDC(hMemory);
}

// Whether pBar stands in one of pFrame's own dock bars. Such a bar goes and comes back with its dock
// bar: hidden and shown one by one, the bars of a row would each be laid out without the others, and a
// dock bar that shares its rows among its bars would not give every one its share back.
bool IsDockedIn(const CControlBar* pBar, const CFrameWnd* pFrame)
{
    const CDockBar* pDockBar = pBar->GetDockBar();
    return pDockBar != nullptr && pDockBar->m_hWnd != nullptr && ::GetParent(pDockBar->m_hWnd) == pFrame->m_hWnd &&
           ::GetParent(pBar->m_hWnd) == pDockBar->m_hWnd;
}

} // namespace

// ---- the view's steps ----------------------------------------------------------------------------------

void CView::OnFilePrintPreview()
{
    CPreviewView::Open(this);
}

void CView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView)
{
    (void)point;
    AfxRequirePointer(pView, "CView::OnEndPrintPreview", "pView");
    OnEndPrinting(pDC, pInfo);
    pView->Close();
}

// ---- CPreviewView --------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CPreviewView, CScrollView)

BEGIN_MESSAGE_MAP(CPreviewView, CScrollView)
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_COMMAND(AFX_ID_PREVIEW_CLOSE, OnPreviewClose)
    ON_COMMAND(AFX_ID_PREVIEW_PRINT, OnPreviewPrint)
    ON_COMMAND(AFX_ID_PREVIEW_NEXT, OnNextPage)
    ON_COMMAND(AFX_ID_PREVIEW_PREV, OnPrevPage)
    ON_COMMAND(AFX_ID_PREVIEW_NUMPAGE, OnNumPageChange)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMIN, OnZoomIn)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMOUT, OnZoomOut)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NEXT, OnUpdateNextPage)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_PREV, OnUpdatePrevPage)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NUMPAGE, OnUpdateNumPageChange)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMIN, OnUpdateZoomIn)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMOUT, OnUpdateZoomOut)
END_MESSAGE_MAP()

CPreviewView::CPreviewView() = default;

CPreviewView::~CPreviewView()
{
    delete m_previewState.pInfo;
}

BOOL CPreviewView::Open(CView* pPrintView)
{
    AfxRequirePointer(pPrintView, "CPreviewView::Open", "pPrintView");
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd == nullptr || !pMainWnd->IsFrameWnd())
        return FALSE;
    CFrameWnd* pFrame = static_cast<CFrameWnd*>(pMainWnd);
    // one preview at a time: the one shown ends first
    if (CPreviewView* pShown = pFrame->GetPreviewView())
        pShown->EndPreview();

    std::unique_ptr<CPrintInfo> pInfo(new CPrintInfo);
    pInfo->m_bPreview = TRUE;
    if (!pPrintView->OnPreparePrinting(pInfo.get()))
        return FALSE;
    CDC* pPrinterDC = CDC::FromHandle(pInfo->m_pPD->m_pd.hDC);
    if (pPrinterDC == nullptr) {
        AfxMessageBox(AfxLoadLibraryString(AFX_IDP_FAILED_TO_CREATE_DC));
        return FALSE;
    }
    pPrinterDC->m_bPrinting = TRUE;
    RunWithMeasuringDC(pPrinterDC, [&](CDC* pDC) { pPrintView->OnBeginPrinting(pDC, pInfo.get()); });

    // the preview's window first (hidden, no pane id yet): failing, it leaves the frame as it was
    CPreviewView* pView = new CPreviewView;
    CPreviewViewState& st = pView->m_previewState;
    st.pPrintView = pPrintView;
    st.pInfo = pInfo.release();
    st.pFrame = pFrame;
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_BORDER, CRect(0, 0, 0, 0), pFrame, 0, nullptr))
        return FALSE; // the object deleted itself, and the job with it

    st.pViewActiveSaved = pFrame->GetActiveView();
    const CPtrList& bars = pFrame->GetControlBarList();
    for (POSITION pos = bars.GetHeadPosition(); pos != nullptr;) {
        CControlBar* pBar = static_cast<CControlBar*>(bars.GetNext(pos));
        if (pBar->IsWindowVisible() && pBar->GetDlgCtrlID() != AFX_IDW_STATUS_BAR && !IsDockedIn(pBar, pFrame))
            st.barsHidden.AddTail(pBar);
    }
    for (POSITION pos = st.barsHidden.GetHeadPosition(); pos != nullptr;)
        pFrame->ShowControlBar(static_cast<CControlBar*>(st.barsHidden.GetNext(pos)), FALSE, FALSE);
    if (const HWND hWndPane = ::GetDlgItem(pFrame->m_hWnd, AFX_IDW_PANE_FIRST)) {
        st.hWndPaneSaved = hWndPane;
        ::SetWindowLongPtrA(hWndPane, GWLP_ID, AFX_IDW_PANE_SAVE);
        ::ShowWindow(hWndPane, SW_HIDE);
    }
    CPreviewBar* pBar = new CPreviewBar;
    if (pBar->Create(pFrame, pView))
        st.pBar = pBar;
    pFrame->m_frameState.pPreview = pView;
    pView->SetDlgCtrlID(AFX_IDW_PANE_FIRST);
    pView->ShowWindow(SW_SHOW);
    pFrame->SetActiveView(pView);
    pFrame->RecalcLayout();
    pView->SetCurrentPage(st.pInfo->m_nCurPage);
    return TRUE;
}

void CPreviewView::Close()
{
    CPreviewViewState& st = m_previewState;
    CFrameWnd* pFrame = st.pFrame;
    if (pFrame->m_frameState.pPreview == this)
        pFrame->m_frameState.pPreview = nullptr;
    const HWND hWndFocus = ::GetFocus();
    const bool bHadFocus = hWndFocus != nullptr && (hWndFocus == m_hWnd || ::IsChild(m_hWnd, hWndFocus) ||
                                                    (st.pBar != nullptr && ::IsChild(st.pBar->m_hWnd, hWndFocus)));
    const bool bGiveFocus = bHadFocus && !st.bPrintViewGoing;
    if (st.pBar != nullptr)
        st.pBar->DestroyWindow();
    SetDlgCtrlID(0);
    ShowWindow(SW_HIDE);
    if (st.hWndPaneSaved != nullptr && ::IsWindow(st.hWndPaneSaved)) {
        ::SetWindowLongPtrA(st.hWndPaneSaved, GWLP_ID, AFX_IDW_PANE_FIRST);
        ::ShowWindow(st.hWndPaneSaved, SW_SHOW);
    }
    for (POSITION pos = st.barsHidden.GetHeadPosition(); pos != nullptr;)
        pFrame->ShowControlBar(static_cast<CControlBar*>(st.barsHidden.GetNext(pos)), TRUE, FALSE);
    // a view being destroyed does not become active again
    pFrame->SetActiveView(st.bPrintViewGoing && st.pViewActiveSaved == st.pPrintView ? nullptr : st.pViewActiveSaved);
    DestroyWindow(); // the object is gone from here on
    pFrame->RecalcLayout();
    pFrame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    if (bGiveFocus) {
        CFrameWnd* pActiveFrame = pFrame->GetActiveFrame();
        CView* pActiveView = pActiveFrame != nullptr ? pActiveFrame->GetActiveView() : nullptr;
        AfxFocusVisibleWithin(pFrame->m_hWnd, pActiveView != nullptr ? pActiveView->m_hWnd : nullptr);
    }
}

void CPreviewView::EndPreview()
{
    OnPreviewClose();
}

void CPreviewView::EndPreviewOf(CView* pView)
{
    AfxRequirePointer(pView, "CPreviewView::EndPreviewOf", "pView");
    // the preview opened in the main window; the view's own top-level frame is asked too, for a main
    // window that is no longer named
    CWnd* const frames[] = {AfxGetMainWnd(), pView->m_hWnd != nullptr
                                                 ? CWnd::FromHandlePermanent(::GetAncestor(pView->m_hWnd, GA_ROOT))
                                                 : nullptr};
    for (CWnd* pWnd : frames) {
        CPreviewView* pPreview = pWnd != nullptr && pWnd->IsFrameWnd() ? static_cast<CFrameWnd*>(pWnd)->GetPreviewView()
                                                                       : nullptr;
        if (pPreview != nullptr && pPreview->GetPrintView() == pView) {
            pPreview->m_previewState.bPrintViewGoing = TRUE;
            pPreview->EndPreview();
            return;
        }
    }
}

BOOL CPreviewView::IsPreviewCommand(UINT nID)
{
    for (const PreviewButton& button : kButtons) {
        if (button.nID == nID)
            return TRUE;
    }
    return FALSE;
}

void CPreviewView::OnDestroy()
{
    // gone without Close (its frame destroyed around it): the frame no longer shows it
    CFrameWnd* pFrame = m_previewState.pFrame;
    if (pFrame != nullptr && pFrame->m_frameState.pPreview == this)
        pFrame->m_frameState.pPreview = nullptr;
    CScrollView::OnDestroy();
}

// ---- keys ---------------------------------------------------------------------------------------------

std::vector<HWND> CPreviewView::KeyboardStops() const
{
    std::vector<HWND> stops{m_hWnd};
    if (m_previewState.pBar != nullptr) {
        for (const PreviewButton& button : kButtons) {
            const HWND hWnd = ::GetDlgItem(m_previewState.pBar->m_hWnd, int(button.nID));
            if (hWnd != nullptr && ::IsWindowVisible(hWnd) && ::IsWindowEnabled(hWnd))
                stops.push_back(hWnd);
        }
    }
    return stops;
}

HWND CPreviewView::ButtonOfMnemonic(UINT nKey) const
{
    const std::vector<HWND> stops = KeyboardStops();
    for (size_t i = 1; i < stops.size(); ++i) {
        char szCaption[64] = {};
        ::GetWindowTextA(stops[i], szCaption, sizeof szCaption);
        if (MnemonicOf(szCaption) == nKey)
            return stops[i];
    }
    return nullptr;
}

void CPreviewView::PressButton(HWND hWndButton)
{
    // as the button's click reaches the frame: through the bar, which passes it to its owner
    m_previewState.pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hWndButton), BN_CLICKED),
                                       reinterpret_cast<LPARAM>(hWndButton));
}

BOOL CPreviewView::PreTranslateMessage(MSG* pMsg)
{
    return TranslatePreviewKey(pMsg) || CScrollView::PreTranslateMessage(pMsg);
}

BOOL CPreviewView::TranslatePreviewKey(MSG* pMsg)
{
    AfxRequirePointer(pMsg, "CPreviewView::TranslatePreviewKey", "pMsg");
    const UINT nKey = UINT(pMsg->wParam);
    const bool bMenuKey = nKey == VK_MENU || nKey == VK_F10;
    switch (pMsg->message) {
    case WM_KEYDOWN: {
        if (nKey == VK_ESCAPE) {
            EndPreview();
            return TRUE;
        }
        const std::vector<HWND> stops = KeyboardStops();
        const HWND hWndFocus = ::GetFocus();
        size_t nAt = 0;
        while (nAt < stops.size() && stops[nAt] != hWndFocus)
            ++nAt;
        if (nKey == VK_TAB && AfxGetServices()->GetKeyState(VK_CONTROL) >= 0) {
            const bool bBack = AfxGetServices()->GetKeyState(VK_SHIFT) < 0;
            const size_t n = stops.size();
            const size_t nNext = nAt == n ? 0 : bBack ? (nAt + n - 1) % n : (nAt + 1) % n;
            ::SetFocus(stops[nNext]);
            return TRUE;
        }
        if (nKey == VK_RETURN && nAt > 0 && nAt < stops.size()) {
            PressButton(stops[nAt]);
            return TRUE;
        }
        break;
    }
    case WM_SYSKEYDOWN:
        // the menus are not there while the preview shows; its bar's letters are
        if (bMenuKey)
            return TRUE;
        if ((nKey >= 'A' && nKey <= 'Z') || (nKey >= '0' && nKey <= '9')) {
            if (const HWND hWndButton = ButtonOfMnemonic(nKey)) {
                PressButton(hWndButton);
                return TRUE;
            }
        }
        break;
    case WM_SYSKEYUP:
        if (bMenuKey)
            return TRUE;
        break;
    case WM_SYSCHAR:
        // an Alt key that no accelerator took: no menu to open, but the system menu
        if (nKey != ' ')
            return TRUE;
        break;
    default:
        break;
    }
    return FALSE;
}

CDC* CPreviewView::PrinterDC() const
{
    return CDC::FromHandle(m_previewState.pInfo->m_pPD->m_pd.hDC);
}

BOOL CPreviewView::HasPage(UINT nPage)
{
    CPreviewViewState& st = m_previewState;
    CPrintInfo* pInfo = st.pInfo;
    if (nPage < pInfo->GetMinPage() || nPage > pInfo->GetMaxPage())
        return FALSE;
    if (nPage <= st.nLastPageSeen)
        return TRUE;
    // the print loop's steps on the pages not seen yet, in its order and with its continue flag, drawn
    // where nobody sees them: the first page the view refuses ends the document
    CDC* pPrinterDC = PrinterDC();
    const CRect rectPage(0, 0, pPrinterDC->GetDeviceCaps(HORZRES), pPrinterDC->GetDeviceCaps(VERTRES));
    const UINT nCurPage = pInfo->m_nCurPage;
    BOOL bHas = TRUE;
    const int nSavedPrinter = ::SaveDC(pPrinterDC->m_hDC);
    RunWithMeasuringDC(pPrinterDC, [&](CDC* pDC) {
        const UINT nFirst = st.nLastPageSeen + 1 > pInfo->GetMinPage() ? st.nLastPageSeen + 1 : pInfo->GetMinPage();
        for (UINT nNext = nFirst; nNext <= nPage; nNext++) {
            pInfo->m_nCurPage = nNext;
            pInfo->m_bContinuePrinting = st.bContinueSeen;
            pInfo->m_rectDraw = rectPage;
            st.pPrintView->OnPrepareDC(pDC, pInfo);
            if (!pInfo->m_bContinuePrinting) {
                pInfo->SetMaxPage(nNext - 1);
                bHas = FALSE;
                return;
            }
            pInfo->m_rectDraw = rectPage;
            pDC->DPtoLP(&pInfo->m_rectDraw);
            st.pPrintView->OnPrint(pDC, pInfo);
            st.bContinueSeen = pInfo->m_bContinuePrinting;
            st.nLastPageSeen = nNext;
        }
    });
    ::RestoreDC(pPrinterDC->m_hDC, nSavedPrinter);
    pInfo->m_nCurPage = nCurPage;
    return bHas;
}

CRect CPreviewView::GetPageRect(int nIndex) const
{
    CRect rect = m_previewState.rectPages[nIndex == 1 ? 1 : 0];
    rect.OffsetRect(-GetDeviceScrollPosition());
    return rect;
}

void CPreviewView::SetCurrentPage(UINT nPage)
{
    const CPrintInfo* pInfo = m_previewState.pInfo;
    HasPage(nPage); // the document's end, where it lies before nPage
    if (nPage > pInfo->GetMaxPage())
        nPage = pInfo->GetMaxPage();
    if (nPage < pInfo->GetMinPage())
        nPage = pInfo->GetMinPage();
    m_previewState.nCurrentPage = nPage;
    LayOutPages();
    Invalidate(TRUE);
    ShowPageDescription();
}

void CPreviewView::ShowPageDescription()
{
    CString text;
    text.Format(m_previewState.pInfo->m_strPageDesc, m_previewState.nCurrentPage);
    m_previewState.pFrame->SetMessageText(text);
}

void CPreviewView::LayOutPages()
{
    CPreviewViewState& st = m_previewState;
    CDC* pPrinterDC = PrinterDC();
    if (m_hWnd == nullptr || pPrinterDC == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    // the sheet's size in inches, from the printer's page and resolution
    const double dWidth = double(pPrinterDC->GetDeviceCaps(HORZRES)) / pPrinterDC->GetDeviceCaps(LOGPIXELSX);
    const double dHeight = double(pPrinterDC->GetDeviceCaps(VERTRES)) / pPrinterDC->GetDeviceCaps(LOGPIXELSY);
    st.rectPages[0].SetRectEmpty();
    st.rectPages[1].SetRectEmpty();
    if (st.bZoomedIn) {
        // the page at its size on paper, scrolled within the window
        CClientDC dcScreen(this);
        const CSize sizeSheet(int(dWidth * dcScreen.GetDeviceCaps(LOGPIXELSX)),
                              int(dHeight * dcScreen.GetDeviceCaps(LOGPIXELSY)));
        const CSize sizeTotal(sizeSheet.cx + 2 * kGap, sizeSheet.cy + 2 * kGap);
        const int x = sizeTotal.cx < client.Width() ? (client.Width() - sizeSheet.cx) / 2 : kGap;
        st.rectPages[0] = CRect(CPoint(x, kGap), sizeSheet);
        SetScrollSizes(MM_TEXT, sizeTotal);
        return;
    }
    const int n = st.nPages;
    const double dRoomX = double(client.Width() - (n + 1) * kGap - kShadow) / (n * dWidth);
    const double dRoomY = double(client.Height() - 2 * kGap - kShadow) / dHeight;
    const double dScale = dRoomX < dRoomY ? dRoomX : dRoomY;
    const CSize sizeSheet(int(dWidth * dScale) > 1 ? int(dWidth * dScale) : 1,
                          int(dHeight * dScale) > 1 ? int(dHeight * dScale) : 1);
    int x = (client.Width() - (n * sizeSheet.cx + (n - 1) * kGap)) / 2;
    const int y = (client.Height() - sizeSheet.cy) / 2;
    for (int i = 0; i < n; ++i, x += sizeSheet.cx + kGap)
        st.rectPages[i] = CRect(CPoint(x, y), sizeSheet);
    SetScrollSizes(MM_TEXT, CSize(1, 1)); // no scrolling while the pages fit
}

void CPreviewView::OnDraw(CDC* pDC)
{
    CPreviewViewState& st = m_previewState;
    CRect rectClip;
    pDC->GetClipBox(&rectClip);
    pDC->FillSolidRect(&rectClip, ::GetSysColor(COLOR_APPWORKSPACE));
    CDC* pPrinterDC = PrinterDC();
    const CRect rectPrinterPage(0, 0, pPrinterDC->GetDeviceCaps(HORZRES), pPrinterDC->GetDeviceCaps(VERTRES));
    const int nShown = st.bZoomedIn ? 1 : st.nPages;
    for (int i = 0; i < nShown; ++i) {
        const UINT nPage = st.nCurrentPage + UINT(i);
        if (!HasPage(nPage))
            break;
        const CRect rectSheet = st.rectPages[i];
        pDC->FillSolidRect(rectSheet + CPoint(kShadow, kShadow), ::GetSysColor(COLOR_3DDKSHADOW));
        pDC->FillSolidRect(&rectSheet, RGB(255, 255, 255));
        CRect rectDevice = rectSheet;
        pDC->LPtoDP(&rectDevice);

        const int nSavedScreen = ::SaveDC(pDC->m_hDC);
        const int nSavedPrinter = ::SaveDC(pPrinterDC->m_hDC);
        {
            CPreviewDC dc;
            dc.SetPage(pDC->m_hDC, pPrinterDC, rectDevice);
            CPrintInfo* pInfo = st.pInfo;
            pInfo->m_nCurPage = nPage;
            pInfo->m_bContinuePrinting = TRUE;
            pInfo->m_rectDraw = rectPrinterPage;
            st.pPrintView->OnPrepareDC(&dc, pInfo);
            if (pInfo->m_bContinuePrinting) {
                pInfo->m_rectDraw = rectPrinterPage;
                dc.DPtoLP(&pInfo->m_rectDraw);
                st.pPrintView->OnPrint(&dc, pInfo);
            }
        }
        ::RestoreDC(pPrinterDC->m_hDC, nSavedPrinter);
        ::RestoreDC(pDC->m_hDC, nSavedScreen);
    }
}

void CPreviewView::OnSize(UINT nType, int cx, int cy)
{
    CScrollView::OnSize(nType, cx, cy);
    if (m_previewState.pInfo != nullptr && !m_previewState.bInLayout) {
        m_previewState.bInLayout = TRUE;
        LayOutPages();
        m_previewState.bInLayout = FALSE;
    }
}

BOOL CPreviewView::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return TRUE; // OnDraw paints every pixel
}

void CPreviewView::OnPreviewClose()
{
    CView* pPrintView = m_previewState.pPrintView;
    CPrintInfo* pInfo = m_previewState.pInfo;
    // the view's end step closes the preview: nothing of this object is used afterwards
    RunWithMeasuringDC(PrinterDC(), [&](CDC* pDC) { pPrintView->OnEndPrintPreview(pDC, pInfo, CPoint(0, 0), this); });
}

void CPreviewView::OnPreviewPrint()
{
    const HWND hWndPrintView = m_previewState.pPrintView->m_hWnd;
    OnPreviewClose();
    ::SendMessageA(hWndPrintView, WM_COMMAND, ID_FILE_PRINT, 0);
}

void CPreviewView::OnNextPage()
{
    SetCurrentPage(m_previewState.nCurrentPage + UINT(m_previewState.bZoomedIn ? 1 : m_previewState.nPages));
}

void CPreviewView::OnPrevPage()
{
    const UINT nStep = UINT(m_previewState.bZoomedIn ? 1 : m_previewState.nPages);
    const UINT nPage = m_previewState.nCurrentPage;
    SetCurrentPage(nPage > nStep ? nPage - nStep : 1);
}

void CPreviewView::OnNumPageChange()
{
    m_previewState.nPages = m_previewState.nPages == 1 ? 2 : 1;
    m_previewState.pInfo->m_nNumPreviewPages = UINT(m_previewState.nPages);
    SetCurrentPage(m_previewState.nCurrentPage);
}

void CPreviewView::OnZoomIn()
{
    m_previewState.bZoomedIn = TRUE;
    SetCurrentPage(m_previewState.nCurrentPage);
}

void CPreviewView::OnZoomOut()
{
    m_previewState.bZoomedIn = FALSE;
    SetCurrentPage(m_previewState.nCurrentPage);
}

void CPreviewView::OnUpdateNextPage(CCmdUI* pCmdUI)
{
    const UINT nShown = UINT(m_previewState.bZoomedIn ? 1 : m_previewState.nPages);
    pCmdUI->Enable(HasPage(m_previewState.nCurrentPage + nShown));
}

void CPreviewView::OnUpdatePrevPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_previewState.nCurrentPage > m_previewState.pInfo->GetMinPage());
}

void CPreviewView::OnUpdateNumPageChange(CCmdUI* pCmdUI)
{
    pCmdUI->SetText(AfxLoadLibraryString(m_previewState.nPages == 1 ? AFX_IDS_PREVIEW_TWOPAGE : AFX_IDS_PREVIEW_ONEPAGE));
    pCmdUI->Enable(!m_previewState.bZoomedIn);
}

void CPreviewView::OnUpdateZoomIn(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_previewState.bZoomedIn);
}

void CPreviewView::OnUpdateZoomOut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_previewState.bZoomedIn);
}
