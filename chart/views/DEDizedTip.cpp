// DEDizedTip: the chart views' tip window (see DEDizedTip.h).
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <vector>

#include "chart/views/DEDizedTip.h"

namespace {

const COLORREF kTipBackground = 0xDFFFFF;
// CS_VREDRAW, CS_HREDRAW, CS_SAVEBITS and CS_BYTEALIGNCLIENT
const UINT kTipClassStyle = 0x1803;

// The lines of text, split at '\n' (an empty text is one empty line).
std::vector<CString> SplitLines(const CString& text)
{
    std::vector<CString> lines;
    int nStart = 0;
    for (;;) {
        const int nBreak = text.Find('\n', nStart);
        if (nBreak < 0) {
            lines.push_back(text.Mid(nStart));
            return lines;
        }
        lines.push_back(text.Mid(nStart, nBreak - nStart));
        nStart = nBreak + 1;
    }
}

// The height of one line of the tip's text in pDC (whose font is the tip's).
int LineHeight(CDC& dc)
{
    return dc.GetTextExtent("A", 1).cy;
}

} // namespace

IMPLEMENT_DYNAMIC(DEDizedTip, CWnd)

BEGIN_MESSAGE_MAP(DEDizedTip, CWnd)
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
END_MESSAGE_MAP()

DEDizedTip::DEDizedTip() : m_ptAnchor(0, 0), m_crText(0), m_nAutoHide(5000), m_bVisible(0)
{
    m_brush.CreateSolidBrush(kTipBackground);
}

DEDizedTip::~DEDizedTip()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

void DEDizedTip::SetAutoHideTime(int nMilliseconds)
{
    m_nAutoHide = nMilliseconds;
}

int DEDizedTip::GetAutoHideTime() const
{
    return m_nAutoHide;
}

int DEDizedTip::IsVisible() const
{
    return m_bVisible;
}

void DEDizedTip::Show(LPCSTR lpszText, int x, int y, CWnd* pParent)
{
    ShowAt(lpszText, x, y, pParent != nullptr ? pParent->GetSafeHwnd() : nullptr);
}

void DEDizedTip::ShowAt(LPCSTR lpszText, int x, int y, HWND hWndParent)
{
    if (m_bVisible) {
        Hide();
        UpdateWindow();
    } else if (m_hWnd == nullptr) {
        if (m_strClassName.IsEmpty())
            m_strClassName = AfxRegisterWndClass(kTipClassStyle, nullptr, m_brush, nullptr);
        if (!CreateEx(WS_EX_WINDOWEDGE, m_strClassName, "", WS_POPUP, 0, 0, 0, 0, hWndParent, nullptr))
            return;
    }
    m_strText = lpszText != nullptr ? lpszText : "";
    m_ptAnchor = CPoint(x, y);

    // measured as WM_PAINT draws: the stock GUI font on the desktop's DC
    int nWidth = 4;
    int nHeight = 0;
    {
        CWnd* pDesktop = CWnd::GetDesktopWindow();
        CClientDC dc(pDesktop);
        CGdiObject* pOldFont = dc.SelectStockObject(DEFAULT_GUI_FONT);
        const std::vector<CString> lines = SplitLines(m_strText);
        for (const CString& line : lines)
            nWidth = (std::max)(nWidth, int(dc.GetTextExtent(line).cx));
        nHeight = LineHeight(dc) * int(lines.size()) + 4 * ::GetSystemMetrics(SM_CYBORDER);
        dc.SelectObject(pOldFont);
    }
    const int nWindowWidth = nWidth + 4 * ::GetSystemMetrics(SM_CXBORDER);

    CRect desktop;
    CWnd::GetDesktopWindow()->GetClientRect(&desktop);
    const int nLeft = x + nWindowWidth < desktop.right ? x : x - nWindowWidth;
    const int nTop = y - nHeight - 5 > 0 ? y - nHeight - 5 : y + nHeight + 5;

    MoveWindow(nLeft, nTop, nWindowWidth, nHeight, TRUE);
    ShowWindow(SW_SHOWNOACTIVATE);
    UpdateWindow();
    m_bVisible = 1;
    if (m_nAutoHide > 0)
        SetTimer(kTimerHide, UINT(m_nAutoHide));
}

void DEDizedTip::Hide()
{
    if (!m_bVisible)
        return;
    // a hide timer left running would hide the next show too early
    KillTimer(kTimerHide);
    ShowWindow(SW_HIDE);
    m_bVisible = 0;
}

void DEDizedTip::OnPaint()
{
    CPaintDC dc(this);
    CGdiObject* pOldFont = dc.SelectStockObject(DEFAULT_GUI_FONT);
    const COLORREF crOldText = dc.SetTextColor(m_crText);
    const int nOldMode = dc.SetBkMode(TRANSPARENT);

    CRect client;
    GetClientRect(&client);
    dc.FillRect(&client, &m_brush);
    CBrush black(RGB(0, 0, 0));
    dc.FrameRect(&client, &black);

    const int nLineHeight = LineHeight(dc);
    int y = 2 * ::GetSystemMetrics(SM_CYBORDER);
    for (const CString& line : SplitLines(m_strText)) {
        CRect band(client.left, y, client.right, y + nLineHeight);
        dc.DrawText(line, &band, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        y += nLineHeight;
    }

    dc.SetBkMode(nOldMode);
    dc.SetTextColor(crOldText);
    dc.SelectObject(pOldFont);
}

void DEDizedTip::OnMouseMove(UINT /*nFlags*/, CPoint /*point*/)
{
    Hide();
}

void DEDizedTip::OnTimer(UINT_PTR /*nIDEvent*/)
{
    KillTimer(kTimerHide);
    Hide();
}
