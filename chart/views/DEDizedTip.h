// DEDizedTip: a borderless pop-up window that shows one or more lines of text near a point of the
// screen (the chart views' value tips). It hides itself when the mouse moves over it and, unless its
// auto-hide time is 0 or less, after that time (timer kTimerHide).
//
// Showing (Show): the window is made on the first show (its class registered then, pale yellow
// background, no cursor) and reused; each show measures the text ('\n' separates lines) in the stock
// font DEFAULT_GUI_FONT on the desktop's DC: as wide as the widest line (at least 4 pixels) plus 4
// border widths, as tall as the lines plus 4 border heights. It opens above the point, its bottom 5
// pixels over it, or below the point (its top 5 pixels under it plus its height) when there is no room
// above; left of the point when it would reach the desktop's right edge. It shows without taking the
// activation.
//
// The formatted shows take CString::Format's arguments (the class library formats by argument kind,
// not through a C variable argument list) and cut the text at kMaxText characters.
#pragma once

#include "win/Win.h"

#include <windows.h>

class DEDizedTip : public CWnd {
    DECLARE_DYNAMIC(DEDizedTip)
    DECLARE_MESSAGE_MAP()
public:
    // The timer that hides the tip.
    static constexpr UINT_PTR kTimerHide = 2000;
    // The longest text a formatted show keeps.
    static constexpr int kMaxText = 1023;

    // Hidden, no window yet, auto-hide after 5000 ms, black text on a pale yellow (0xDFFFFF) brush.
    DEDizedTip();
    // Destroys the window and deletes the brush.
    ~DEDizedTip() override;

    // The auto-hide time in milliseconds; 0 or less keeps the tip until it is hidden.
    virtual void SetAutoHideTime(int nMilliseconds);
    virtual int GetAutoHideTime() const;
    // 1 while the tip is shown.
    virtual int IsVisible() const;
    // Shows lpszText (null: empty) with its anchor at the screen point (x, y), owned by hWndParent (may
    // be null). See the top of this file.
    virtual void ShowAt(LPCSTR lpszText, int x, int y, HWND hWndParent);
    // The same owned by pParent (may be null).
    virtual void Show(LPCSTR lpszText, int x, int y, CWnd* pParent);
    // Hides the tip (nothing when it is hidden) and stops its hide timer.
    virtual void Hide();

    // Show / ShowAt with the text lpszFormat formatted with args (see the top of this file).
    template <class... Args>
    void ShowFormatted(int x, int y, CWnd* pParent, const char* lpszFormat, const Args&... args)
    {
        Show(FormatText(lpszFormat, args...), x, y, pParent);
    }
    template <class... Args>
    void ShowFormattedAt(int x, int y, HWND hWndParent, const char* lpszFormat, const Args&... args)
    {
        ShowAt(FormatText(lpszFormat, args...), x, y, hWndParent);
    }

    // The text shown and the anchor of the last show.
    const CString& GetText() const { return m_strText; }
    CPoint GetAnchor() const { return m_ptAnchor; }

protected:
    template <class... Args>
    static CString FormatText(const char* lpszFormat, const Args&... args)
    {
        CString text;
        text.Format(lpszFormat, args...);
        return text.Left(kMaxText);
    }

    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);

    CString m_strClassName;   // empty until the first show registers the class
    CString m_strText;
    CPoint m_ptAnchor;
    COLORREF m_crText;
    CBrush m_brush;
    int m_nAutoHide;
    int m_bVisible;
};
