// SECFrameCaption: the caption a toolkit frame can draw in place of the system's (off unless switched on;
// nothing in the program switches it on). The frame keeps one and calls it from its WM_NCPAINT handler,
// after the system drew the borders and its caption, and from its WM_NCACTIVATE and WM_SETTEXT
// handlers, which let the default handling run with the window marked invisible (HiddenScope, so that
// the system draws no caption of its own) and then draw this one.
//
// Place: inside the window's sizing (or fixed) border, one caption button (SM_CYSIZE) high, leaving room
// at the right for the close box (when the system menu's close item is enabled) and for the minimise and
// maximise boxes the style shows.
//
// Drawing, off-screen then copied: the system-menu icon (the class's small icon when the caption buttons
// are narrower than 30 pixels, else its large one) in a square at the left on black (active) or the
// inactive caption colour; then the band: active, a gradient from black to the active caption colour in
// vertical bands (as many as the band has pixels, at most 60; each colour channel stepped in 8.8 fixed
// point and never past its target; the last band reaching the right end), inactive, the inactive caption
// colour. The title is split at its first '-': the part before it in the caption font made italic, the
// rest in the plain caption font, from 3 pixels into the band; the rest is left out when the band is
// narrower than the first part plus 6 plus the width of "W...". Alignment 1 centres the text, 2 puts it
// one pixel from the band's right end. The first part is white; the rest is white while active and in
// the inactive caption text colour otherwise; both single line, vertically centred, with end ellipsis.
// When the off-screen bitmap cannot be made the caption switches itself off.
#pragma once

#include "win/CWnd.h"
#include "win/CDC.h"

class SECFrameCaption {
public:
    SECFrameCaption();
    ~SECFrameCaption();
    SECFrameCaption(const SECFrameCaption&) = delete;
    SECFrameCaption& operator=(const SECFrameCaption&) = delete;

    // Switches the caption on (only on version 4 and later) or off; nAlign 0 left, 1 centred, 2 right
    // (other values are refused with CInvalidArgException).
    void Enable(BOOL bOn, int nAlign = 0);
    BOOL IsOn() const { return m_bOn; }
    int GetAlign() const { return m_nAlign; }
    // The caption is drawn active / inactive.
    void SetActive(BOOL bActive) { m_bActive = bActive; }
    BOOL IsActive() const { return m_bActive; }

    // The caption rectangle of pWnd in window coordinates (see the top of this file).
    CRect CalcCaptionRect(const CWnd* pWnd) const;
    // Draws pWnd's caption on its window DC now. FALSE when it could not (then the caption is off).
    BOOL DrawCaption(CWnd* pWnd);
    // Draws a caption with hIcon (may be null) and lpszTitle into rect of pDC, active or not.
    void DrawCaptionTo(CDC* pDC, const CRect& rect, HICON hIcon, LPCSTR lpszTitle, BOOL bActive);

    // The italic and the plain caption font (the system's caption font, made on first use).
    virtual CFont* GetEmphasisFont();
    virtual CFont* GetPlainFont();

    // While it lives, pWnd is marked invisible, so that the default handling of a message draws no
    // caption.
    class HiddenScope {
    public:
        explicit HiddenScope(CWnd* pWnd);
        ~HiddenScope();
        HiddenScope(const HiddenScope&) = delete;
        HiddenScope& operator=(const HiddenScope&) = delete;

    private:
        HWND m_hWnd;
        DWORD m_dwStyle;
    };

private:
    void MakeFonts();

    BOOL m_bOn;
    BOOL m_bActive;
    int m_nAlign;
    CFont m_fontEmphasis;
    CFont m_fontPlain;
};
