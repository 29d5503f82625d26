// The page viewer: a child window that is sent to a page file and shows it, laid out as PageLayout.h
// describes, with scroll bars while the page is larger than the window. It stands where a web browser
// control would: the program's pages are small HTML files of text, headings and GIF images.
//
//   PageView_Register(hInstance);
//   HWND hView = ::CreateWindowExA(0, PAGEVIEW_CLASS, "", WS_CHILD | WS_VISIBLE, ..., hParent, ...);
//   PageView_Navigate(hView, "C:\\users\\me\\Temp\\graph.htm");
//
// The page is read when the window is sent to it (again each time, so a rewritten page and rewritten
// images show) and shown from its top; it is laid out again when the window's width changes. The
// window scrolls with its bars, the mouse wheel and the arrow, page, Home and End keys.
//
// Not done: links, selecting and copying text, finding text, history; printing is the caller's, who
// draws the same page, sheet by sheet, on the printer's DC with PVM_DRAWPAGE.
#pragma once

#include <windows.h>

// The window class registered by PageView_Register.
#define PAGEVIEW_CLASS "OndrixPageView"

// Shows the page file named by lParam (LPCSTR, a Windows path; null or empty: an empty page).
// wParam: 0. Returns TRUE when the page was read, FALSE when it could not be (the window is then empty).
#define PVM_NAVIGATE (WM_USER + 0x501)
// Draws one sheet of the page, laid out anew for paper (PageLayout.h: images fitted to the width, the
// page cut into sheets of rcArea's height between lines), on a DC. lParam: PAGEVIEWDRAW*. wParam: 0.
// Returns the number of sheets the page takes (0 for an empty page or an area without height); a
// sheet number beyond them draws nothing.
#define PVM_DRAWPAGE (WM_USER + 0x502)

// What PVM_DRAWPAGE draws and where.
typedef struct tagPAGEVIEWDRAW {
    HDC hdc;       // the DC to draw on (MM_TEXT)
    RECT rcArea;   // where on hdc: the sheet, as wide and as high as the page is laid out for
    int nSheet;    // the sheet drawn, 1 for the first
    int nDpiX;     // the device's pixels per inch across and down (96 on the screen)
    int nDpiY;
} PAGEVIEWDRAW;

// Registers the window class PAGEVIEW_CLASS for hInstance, as a class every module of the process can
// make windows of (again: nothing). Returns FALSE when it
// cannot be registered.
BOOL PageView_Register(HINSTANCE hInstance);

inline BOOL PageView_Navigate(HWND hWnd, LPCSTR lpszPath)
{
    return BOOL(::SendMessageA(hWnd, PVM_NAVIGATE, 0, LPARAM(lpszPath)));
}

inline int PageView_DrawPage(HWND hWnd, PAGEVIEWDRAW* pDraw)
{
    return int(::SendMessageA(hWnd, PVM_DRAWPAGE, 0, LPARAM(pDraw)));
}
