// SECOwnerDrawButton: a push button that the toolkit draws itself. It draws the 3-D frame, the focus
// rectangle and the disabled look, and leaves what stands inside the frame to its subclasses
// (DrawContent); a subclass acts on a click in Clicked.
//
// Window. The system's button class with BS_OWNERDRAW forced into the style, whether the window is
// created (Create) or a dialog's button is taken over (SubclassDlgItem, DDX_Control); BM_SETSTYLE keeps
// BS_OWNERDRAW, changes the other style bits and repaints when the style changed and a redraw was
// asked. The parent's WM_DRAWITEM reaches DrawItem reflected, so the parent must be a window of the
// class library.
//
// Drawing (DrawItem, on a draw-entire or selection change): unless drawing is suspended
// (SetDrawAllowed), the button is composed in a memory bitmap of the item's size (straight into the
// item DC when none can be made): PrepareDraw, DrawFrame, DrawContent, DrawDisabled when the item is
// disabled, the copy to the item DC, FinishDraw; then DrawFocus when the item has the focus. A
// focus-only change draws only the focus rectangle, which is an XOR, so drawing it again takes it off.
// - Frame: the face colour all over. Pressed, in the new look (the system is version 4 or later): an
//   outer frame window-frame top-left and highlight bottom-right, an inner frame shadow top-left and
//   face bottom-right; in the old look a window-frame rectangle, then two shadow/highlight frames.
//   Not pressed, in the new look and not flat: an outer frame highlight top-left and window-frame
//   bottom-right, an inner frame face top-left and shadow bottom-right; flat, no frame; in the old
//   look a window-frame rectangle, then two highlight/shadow frames. The content rectangle is the
//   item less a pixel at right and bottom, moved by (1, 1) while pressed.
// - Focus: the item inflated by -1 (new look) or -2, moved by (1, 1) while pressed (else shrunk by one
//   pixel at right and bottom), inflated by another -1, gets a dotted focus rectangle.
// - Disabled: a mask of the content (white where it shows the face or highlight colour) is painted
//   through (ROP 0xB8074A: the brush where the mask is black) with the highlight colour at (2, 2)
//   over width - 4 by height - 4 and with the shadow colour at (1, 1) over width - 3 by height - 3,
//   both taken from the mask at (1, 1): the content's lines come out embossed.
//
// Flat buttons have no frame until the mouse is over them: a mouse move inside, while no mouse button
// is down and the button is not pushed, takes the capture and draws a one-pixel raised frame
// (highlight, shadow) on the window; a move outside draws that frame in the face colour and gives the
// capture back.
//
// Clicks: a left-button release inside the button while it is pushed and holds the capture, and a
// Space key-up, run Clicked after the system's own handling (which releases the capture and sends
// BN_CLICKED to the parent), so that what Clicked starts (a menu, a popup taking the capture) comes
// after the button's own release. WM_GETDLGCODE answers DLGC_BUTTON, plus DLGC_DEFPUSHBUTTON while the
// button has the focus and its button flags have SEC_ODBTN_DEFAULT.
//
// The colours are the toolkit's drawing values (SECToolkit.h), refreshed when a button is made and on
// WM_SYSCOLORCHANGE; the new look is the toolkit start-up's version flag, taken with the window.
#pragma once

#include "win/CButton.h"

// Button flags (given at creation or attachment).
#define SEC_ODBTN_DEFAULT 0x0001 // the button behaves as the dialog's default push button

class SECOwnerDrawButton : public CButton {
    DECLARE_DYNAMIC(SECOwnerDrawButton)
    DECLARE_MESSAGE_MAP()
public:
    SECOwnerDrawButton();
    ~SECOwnerDrawButton() override;

    // Makes the button as a child of pParentWnd with text lpszCaption (null: none), style dwStyle
    // (WS_* and BS_*; BS_OWNERDRAW replaces the button type), rectangle rect (parent client
    // coordinates), control id nID and button flags dwBtnFlags (SEC_ODBTN_*). FALSE when no window was
    // made.
    BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                DWORD dwBtnFlags = 0);

    // The button flags (SEC_ODBTN_*).
    DWORD GetButtonFlags() const { return m_odState.dwBtnFlags; }
    void SetButtonFlags(DWORD dwBtnFlags) { m_odState.dwBtnFlags = dwBtnFlags; }
    // The flat look (FALSE at start): no frame until the mouse is over the button. Repaints.
    void SetFlat(BOOL bFlat);
    BOOL IsFlat() const { return m_odState.bFlat; }
    // The new look (taken with the window: the system is version 4 or later).
    BOOL IsNewLook() const { return m_odState.bNewLook; }

    // Paints the item (see the top of this file).
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

    // ---- the steps of drawing, in the order subclasses may replace them ---------------------------

    // The button was clicked. Nothing here.
    virtual void Clicked();
    // Before the frame: pDC is the item DC, pMemDC the DC the button is composed in (the item DC
    // itself when no memory bitmap could be made). Nothing here.
    virtual void PrepareDraw(CDC* pDC, CDC* pMemDC);
    // Draws the frame of an item of rectangle rcItem (at 0, 0) in state nItemState (ODS_*) and
    // returns the rectangle left for the content.
    virtual CRect DrawFrame(CDC* pDC, const CRect& rcItem, UINT nItemState);
    // After the copy to the item DC (same DCs as PrepareDraw). Nothing here.
    virtual void FinishDraw(CDC* pDC, CDC* pMemDC);
    // Gives the content of a cx by cy item the disabled look.
    virtual void DrawDisabled(CDC* pDC, int cx, int cy);
    // Draws the dotted focus rectangle rect (an XOR).
    virtual void DrawFocusRect(CDC* pDC, const CRect& rect);
    // Draws the focus of the item lpDIS describes (its rectangle as the top of this file says).
    virtual void DrawFocus(CDC* pDC, LPDRAWITEMSTRUCT lpDIS);
    // Draws what stands inside the frame: rcContent from DrawFrame. Nothing here.
    virtual void DrawContent(CDC* pDC, LPDRAWITEMSTRUCT lpDIS, const CRect& rcContent);

protected:
    // While FALSE, DrawItem draws nothing (a menu button keeps its pressed look while its menu shows).
    void SetDrawAllowed(BOOL bAllowed) { m_odState.bDrawAllowed = bAllowed; }

    void PreSubclassWindow() override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    afx_msg UINT OnGetDlgCode();
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnSysColorChange();
    afx_msg LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);

    struct ODState {
        BOOL bNewLook = FALSE;     // the system is version 4 or later
        BOOL bFlat = FALSE;        // no frame until the mouse is over the button
        BOOL bDrawAllowed = TRUE;  // DrawItem draws
        DWORD dwBtnFlags = 0;      // SEC_ODBTN_*
    } m_odState;

private:
    // Draws the flat button's hover frame on the window: raised, or in the face colour.
    void DrawHoverFrame(BOOL bRaised);
};
