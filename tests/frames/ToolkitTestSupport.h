// Helpers of the toolkit tests: a control bar that holds buttons as the customisable tool bar does and
// records what they ask of it, a window that records the notifications it is sent, the pixels of
// bitmaps and canvases, and measured text.
#pragma once

#include "FakeServices.h"
#include "TestSupport.h"

#include "frames/SECBmpMgr.h"
#include "frames/SECBtnDrawContext.h"
#include "frames/SECStdBtn.h"
#include "frames/SECToolkit.h"
#include "win/CWindowDC.h"

#include "frames_test_resources.h"

#include <algorithm>
#include <functional>
#include <vector>

// The toolkit's button colours, read from the system (never fixed values).
inline COLORREF Face() { return ::GetSysColor(COLOR_BTNFACE); }
inline COLORREF Shadow() { return ::GetSysColor(COLOR_BTNSHADOW); }
inline COLORREF Hilite() { return ::GetSysColor(COLOR_BTNHIGHLIGHT); }

// The colour of pixel (x, y) of hBitmap.
inline COLORREF BitmapPixel(HBITMAP hBitmap, int x, int y)
{
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    const COLORREF clr = ::GetPixel(hDC, x, y);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return clr;
}

// The size of hBitmap.
inline CSize BitmapSize(HBITMAP hBitmap)
{
    BITMAP bm = {};
    ::GetObjectA(hBitmap, sizeof(bm), &bm);
    return CSize(bm.bmWidth, bm.bmHeight);
}

// A bar holding buttons the way the customisable tool bar does: sizes from its image manager's images,
// a toolkit style word, a font, and a record of what its buttons ask of it. It owns the buttons it is
// given.
class CTestBtnBar : public CControlBar, public SECBtnHost {
public:
    CTestBtnBar() : m_pBmpMgr(new SECBmpMgr) {}
    ~CTestBtnBar() override
    {
        for (SECStdBtn* pBtn : buttons)
            delete pBtn;
        m_pBmpMgr->Release();
    }

    // Makes the bar window at the top of pParent's client area.
    BOOL CreateBar(CWnd* pParent, UINT nID = 0xE800)
    {
        return Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 300, 40), pParent, nID);
    }
    // Initialises pBtn with the bar (and lpData), places it at (x, y) and keeps it.
    template <class BTN>
    BTN* Add(BTN* pBtn, int x = 0, int y = 0, const UINT_PTR* lpData = nullptr)
    {
        buttons.push_back(pBtn);
        pBtn->Init(this, lpData);
        pBtn->SetPos(x, y);
        return pBtn;
    }

    CWnd* GetBarWnd() const override { return const_cast<CTestBtnBar*>(this); }
    SECBmpMgr* GetBmpMgr() const override { return m_pBmpMgr; }
    int GetImgWidth() const override { return m_pBmpMgr->GetImageSize().cx; }
    int GetImgHeight() const override { return m_pBmpMgr->GetImageSize().cy; }
    int GetBtnWidth() const override { return GetImgWidth() + 7; }
    int GetBtnHeight() const override { return GetImgHeight() + 7; }
    DWORD GetToolBarStyle() const override { return dwToolBarStyle; }
    HFONT GetBtnFont() const override { return hFont; }
    BOOL InCustomizeMode() const override { return bCustomize; }
    int GetBtnIndex(const SECStdBtn* pBtn) const override
    {
        auto it = std::find(buttons.begin(), buttons.end(), pBtn);
        return it == buttons.end() ? -1 : int(it - buttons.begin());
    }
    void RaiseMaxBtnWidth(int cx) override { if (cx > nMaxBtnWidth) nMaxBtnWidth = cx; }
    void SetInCommand(BOOL bIn) override { bInCommand = bIn; }
    void RefreshHotBtn() override { nHotRefreshes++; }
    void BeginDropDownTracking(SECStdBtn* pBtn, UINT_PTR nMenu, int nPos) override
    {
        dropDowns.push_back({pBtn, nMenu, nPos});
    }
    void InformBtns(UINT nID, UINT nBits, UINT nMask) override { informs.push_back({nID, nBits, nMask}); }

    struct DropDown {
        SECStdBtn* pBtn;
        UINT_PTR nMenu;
        int nPos;
    };
    struct InformCall {
        UINT nID;
        UINT nBits;
        UINT nMask;
    };

    SECBmpMgr* m_pBmpMgr;
    std::vector<SECStdBtn*> buttons;
    DWORD dwToolBarStyle = SEC_TBSTYLE_FLAT;
    HFONT hFont = nullptr;
    BOOL bCustomize = FALSE;
    BOOL bInCommand = FALSE;
    int nMaxBtnWidth = 0;
    int nHotRefreshes = 0;
    std::vector<DropDown> dropDowns;
    std::vector<InformCall> informs;
};

// Draws pBtn (joined to a bar) on canvas through a drawing context prepared as a bar prepares it.
inline void DrawButton(SECStdBtn* pBtn, DibCanvas& canvas)
{
    SECBtnDrawContext ctx;
    ctx.PrepareBitmaps(pBtn->m_cx, pBtn->m_cy);
    pBtn->Draw(&canvas.dc, ctx);
    ctx.ReleaseBitmaps();
}

// A hidden window that keeps a copy of every SECTBNOTIFY record it is sent; onNotify (may be empty)
// runs while the message is being handled.
class CNotifyRecorder : public CWnd {
public:
    BOOL CreateRecorder() { return CreateEx(0, nullptr, "recorder", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY) {
            records.push_back(*reinterpret_cast<const SECTBNOTIFY*>(lParam));
            if (onNotify)
                onNotify();
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<SECTBNOTIFY> records;
    std::function<void()> onNotify;
};

// The toolkit started and a shown MDI frame (the application's kind of main frame) as the main window.
// Further frames made with MakeFrame go at the end of the test as well.
class ToolkitFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SECStartToolkit();
        pFrame = MakeFrame();
        ASSERT_NE(pFrame, nullptr);
        hWndFrame = pFrame->m_hWnd;
    }
    void TearDown() override
    {
        app.m_pMainWnd = nullptr;
        for (HWND hWnd : m_frames)
            if (::IsWindow(hWnd))
                ::DestroyWindow(hWnd);
        PumpWaitingMessages();
    }

    // A shown frame of class FRAME and style dwStyle, 640 by 480, made the main window.
    template <class FRAME = CMDIFrameWnd>
    FRAME* MakeFrame(DWORD dwStyle = WS_OVERLAPPEDWINDOW)
    {
        FRAME* pNewFrame = new FRAME;
        if (!pNewFrame->Create(nullptr, "Toolkit test", dwStyle | WS_VISIBLE, CRect(0, 0, 640, 480))) {
            ADD_FAILURE() << "the frame was not made";
            return nullptr;
        }
        m_frames.push_back(pNewFrame->m_hWnd);
        app.m_pMainWnd = pNewFrame;
        return pNewFrame;
    }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CMDIFrameWnd* pFrame = nullptr;
    HWND hWndFrame = nullptr;

private:
    std::vector<HWND> m_frames;
};

// A frame with a test bar along its top, whose images come from IDR_TB_FIRST.
class BarTest : public ToolkitFrameTest {
protected:
    void SetUp() override
    {
        ToolkitFrameTest::SetUp();
        ASSERT_TRUE(bar.CreateBar(pFrame));
        ASSERT_TRUE(bar.m_pBmpMgr->LoadToolBarResource(IDR_TB_FIRST));
    }

    CTestBtnBar bar;
};

// The size DrawText gives the single-line text in hFont (null: the default GUI font).
inline CSize MeasuredText(const char* pszText, HFONT hFont = nullptr)
{
    CClientDC dc(nullptr);
    HGDIOBJ hOld = ::SelectObject(dc.m_hDC, hFont != nullptr ? hFont : ::GetStockObject(DEFAULT_GUI_FONT));
    CRect rect(0, 0, 0, 0);
    dc.DrawText(pszText, -1, rect, DT_SINGLELINE | DT_CALCRECT);
    ::SelectObject(dc.m_hDC, hOld);
    return rect.Size();
}

// The smallest rectangle holding the pixels of rect whose colour satisfies is(colour) (empty when
// none).
template <class F>
CRect BoundsWhere(const DibCanvas& canvas, const CRect& rect, F is)
{
    CRect bounds(0, 0, 0, 0);
    for (int y = rect.top; y < rect.bottom; y++)
        for (int x = rect.left; x < rect.right; x++)
            if (is(canvas.At(x, y)))
                bounds = bounds.IsRectEmpty() ? CRect(x, y, x + 1, y + 1) : bounds | CRect(x, y, x + 1, y + 1);
    return bounds;
}

// The smallest rectangle holding the canvas pixels of colour clr (empty when none).
inline CRect BoundsOf(const DibCanvas& canvas, COLORREF clr)
{
    return BoundsWhere(canvas, CRect(0, 0, canvas.Width(), canvas.Height()), [clr](COLORREF c) { return c == clr; });
}
