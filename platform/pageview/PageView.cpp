#include "pageview/PageView.h"

#include "pageview/PageLayout.h"

#include <algorithm>
#include <memory>

namespace {

const int kLineStep = 40; // pixels scrolled by an arrow, a wheel line or an arrow key
const int kWheelLines = 3;

// The window's state, kept in its user data from WM_NCCREATE to WM_NCDESTROY.
struct PageViewState {
    PageContent content;
    std::unique_ptr<PageLayout> layout; // for the client width below
    int nLayoutWidth = -1;
    POINT ptScroll = {0, 0};            // the page's point shown at the client's top left
    bool bUpdatingBars = false;
};

PageViewState* StateOf(HWND hWnd)
{
    return reinterpret_cast<PageViewState*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
}

// Lays the page out for the client's width, unless it already is.
void LayOut(HWND hWnd, PageViewState& state)
{
    RECT client;
    ::GetClientRect(hWnd, &client);
    if (state.layout != nullptr && state.nLayoutWidth == client.right)
        return;
    const HDC hdc = ::GetDC(hWnd);
    state.layout = std::make_unique<PageLayout>(state.content, hdc, client.right, ::GetDeviceCaps(hdc, LOGPIXELSX),
                                                ::GetDeviceCaps(hdc, LOGPIXELSY));
    ::ReleaseDC(hWnd, hdc);
    state.nLayoutWidth = client.right;
}

// Lays out for the client's width and sets both scroll bars for the page's size: a bar shows only
// while the page is larger than the client that way. A bar that comes or goes changes the client, so
// this repeats until the client stays.
void UpdateBars(HWND hWnd, PageViewState& state)
{
    if (state.bUpdatingBars)
        return;
    state.bUpdatingBars = true;
    for (int pass = 0; pass < 4; ++pass) {
        LayOut(hWnd, state);
        RECT client;
        ::GetClientRect(hWnd, &client);
        const SIZE size = state.layout->GetSize();
        state.ptScroll.x = std::max(0, std::min(int(state.ptScroll.x), int(size.cx - client.right)));
        state.ptScroll.y = std::max(0, std::min(int(state.ptScroll.y), int(size.cy - client.bottom)));
        SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, int(size.cx) - 1, UINT(client.right),
                           int(state.ptScroll.x), 0};
        ::SetScrollInfo(hWnd, SB_HORZ, &info, TRUE);
        info.nMax = int(size.cy) - 1;
        info.nPage = UINT(client.bottom);
        info.nPos = int(state.ptScroll.y);
        ::SetScrollInfo(hWnd, SB_VERT, &info, TRUE);
        RECT after;
        ::GetClientRect(hWnd, &after);
        if (after.right == client.right && after.bottom == client.bottom)
            break;
    }
    state.bUpdatingBars = false;
    ::InvalidateRect(hWnd, nullptr, FALSE);
}

// Scrolls bar nBar (SB_HORZ or SB_VERT) to nPos, kept within the page.
void ScrollTo(HWND hWnd, PageViewState& state, int nBar, int nPos)
{
    SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
    ::GetScrollInfo(hWnd, nBar, &info);
    nPos = std::max(0, std::min(nPos, info.nMax - int(info.nPage) + 1));
    LONG& position = nBar == SB_HORZ ? state.ptScroll.x : state.ptScroll.y;
    if (nPos == position)
        return;
    position = nPos;
    ::SetScrollPos(hWnd, nBar, nPos, TRUE);
    ::InvalidateRect(hWnd, nullptr, FALSE);
}

// A scroll-bar request nCode of bar nBar.
void OnScroll(HWND hWnd, PageViewState& state, int nBar, int nCode)
{
    SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    ::GetScrollInfo(hWnd, nBar, &info);
    const int position = nBar == SB_HORZ ? state.ptScroll.x : state.ptScroll.y;
    switch (nCode) {
    case SB_LINEUP:
        ScrollTo(hWnd, state, nBar, position - kLineStep);
        break;
    case SB_LINEDOWN:
        ScrollTo(hWnd, state, nBar, position + kLineStep);
        break;
    case SB_PAGEUP:
        ScrollTo(hWnd, state, nBar, position - int(info.nPage));
        break;
    case SB_PAGEDOWN:
        ScrollTo(hWnd, state, nBar, position + int(info.nPage));
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        ScrollTo(hWnd, state, nBar, info.nTrackPos);
        break;
    case SB_TOP:
        ScrollTo(hWnd, state, nBar, 0);
        break;
    case SB_BOTTOM:
        ScrollTo(hWnd, state, nBar, info.nMax);
        break;
    default:
        break;
    }
}

// A key scrolls as a scroll-bar request would.
void OnKey(HWND hWnd, PageViewState& state, WPARAM nKey)
{
    static const struct {
        WPARAM nKey;
        int nBar;
        int nCode;
    } keys[] = {
        {VK_UP, SB_VERT, SB_LINEUP},     {VK_DOWN, SB_VERT, SB_LINEDOWN}, {VK_PRIOR, SB_VERT, SB_PAGEUP},
        {VK_NEXT, SB_VERT, SB_PAGEDOWN}, {VK_HOME, SB_VERT, SB_TOP},      {VK_END, SB_VERT, SB_BOTTOM},
        {VK_LEFT, SB_HORZ, SB_LINEUP},   {VK_RIGHT, SB_HORZ, SB_LINEDOWN},
    };
    for (const auto& key : keys)
        if (key.nKey == nKey)
            OnScroll(hWnd, state, key.nBar, key.nCode);
}

void OnPaint(HWND hWnd, PageViewState& state)
{
    PAINTSTRUCT paint;
    const HDC hdc = ::BeginPaint(hWnd, &paint);
    LayOut(hWnd, state);
    state.layout->Draw(hdc, POINT{-state.ptScroll.x, -state.ptScroll.y}, paint.rcPaint);
    ::EndPaint(hWnd, &paint);
}

int DrawPage(const PageViewState& state, const PAGEVIEWDRAW* pDraw)
{
    if (pDraw == nullptr || pDraw->hdc == nullptr || pDraw->nDpiX <= 0 || pDraw->nDpiY <= 0)
        return 0;
    const RECT& area = pDraw->rcArea;
    const PageLayout layout(state.content, pDraw->hdc, area.right - area.left, pDraw->nDpiX, pDraw->nDpiY, true);
    const std::vector<int> tops = layout.SheetTops(area.bottom - area.top);
    const size_t nSheet = size_t(pDraw->nSheet);
    if (nSheet >= 1 && nSheet <= tops.size()) {
        // the sheet shows the page from its top down to where the next sheet starts
        const int top = tops[nSheet - 1];
        const int bottom = nSheet < tops.size() ? tops[nSheet] : int(layout.GetSize().cy);
        const RECT sheet = {area.left, area.top, area.right, std::min(int(area.bottom), int(area.top) + bottom - top)};
        layout.Draw(pDraw->hdc, POINT{area.left, area.top - top}, sheet);
    }
    return int(tops.size());
}

LRESULT Dispatch(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (nMessage == WM_NCCREATE) {
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, LONG_PTR(new PageViewState));
        return ::DefWindowProcA(hWnd, nMessage, wParam, lParam);
    }
    PageViewState* state = StateOf(hWnd);
    if (state == nullptr)
        return ::DefWindowProcA(hWnd, nMessage, wParam, lParam);

    switch (nMessage) {
    case WM_NCDESTROY:
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
        delete state;
        break;
    case PVM_NAVIGATE: {
        // the layout points into the content: it goes first
        state->layout.reset();
        const BOOL bRead = state->content.Load(reinterpret_cast<LPCSTR>(lParam));
        state->ptScroll = POINT{0, 0};
        UpdateBars(hWnd, *state);
        return bRead;
    }
    case PVM_DRAWPAGE:
        return DrawPage(*state, reinterpret_cast<const PAGEVIEWDRAW*>(lParam));
    case WM_SIZE:
        UpdateBars(hWnd, *state);
        return 0;
    case WM_ERASEBKGND:
        return 1; // painting fills the background
    case WM_PAINT:
        OnPaint(hWnd, *state);
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
        OnScroll(hWnd, *state, nMessage == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        ScrollTo(hWnd, *state, SB_VERT,
                 state->ptScroll.y - GET_WHEEL_DELTA_WPARAM(wParam) * kWheelLines * kLineStep / WHEEL_DELTA);
        return 0;
    case WM_KEYDOWN:
        OnKey(hWnd, *state, wParam);
        return 0;
    case WM_LBUTTONDOWN:
        ::SetFocus(hWnd);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    default:
        break;
    }
    return ::DefWindowProcA(hWnd, nMessage, wParam, lParam);
}

// Nothing unwinds through the system: a failure (out of memory) ends the message with 0.
LRESULT CALLBACK PageViewProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    try {
        return Dispatch(hWnd, nMessage, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

} // namespace

BOOL PageView_Register(HINSTANCE hInstance)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    if (::GetClassInfoExA(hInstance, PAGEVIEW_CLASS, &wc))
        return TRUE;
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_GLOBALCLASS; // made by any module of the program, like a control
    wc.lpfnWndProc = PageViewProc;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = PAGEVIEW_CLASS;
    return ::RegisterClassExA(&wc) != 0;
}
