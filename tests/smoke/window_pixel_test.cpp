// The toolchain works end to end: a real window is created on the virtual display, painted by its own
// window procedure, and a pixel is read back from the screen.
#include "wine_gtest.h"
#include <windows.h>

namespace {

const COLORREF kPaint = RGB(0x12, 0x34, 0x56);

LRESULT CALLBACK PaintProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        HBRUSH brush = CreateSolidBrush(kPaint);
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(dc, &rc, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

TEST(SmokeWindow, PaintsAndReadsPixelBack)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PaintProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OndrixSmoke";
    ASSERT_NE(RegisterClassA(&wc), 0);
    HWND hwnd = CreateWindowExA(WS_EX_TOPMOST, "OndrixSmoke", "smoke", WS_POPUP | WS_VISIBLE, 10, 10, 120,
                                80, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(hwnd, nullptr);
    UpdateWindow(hwnd);

    // Read through the window's own DC: the test programs run in parallel on one display, so a pixel
    // read from the screen could belong to another test's window. The first window of a new Wine
    // prefix may take a moment to get its surface, so the paint is retried for a few seconds.
    COLORREF seen = CLR_INVALID;
    for (int attempt = 0; attempt < 50 && seen != kPaint; attempt++) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        GdiFlush();
        HDC dc = GetDC(hwnd);
        seen = GetPixel(dc, 30, 30);
        ReleaseDC(hwnd, dc);
        if (seen != kPaint) {
            Sleep(100);
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        }
    }
    EXPECT_EQ(seen, kPaint);
    DestroyWindow(hwnd);
}

} // namespace
