// CButton: a push button, check box, radio button or group box ("BUTTON" class).
//
// An owner-drawn button (BS_OWNERDRAW) draws itself: its parent's WM_DRAWITEM is reflected to the
// button's object, whose DrawItem (virtual) paints the item. A CButton object without an override
// leaves the message to the parent.
//
// Not done yet: image lists on buttons, split buttons.
#pragma once

#include "win/CWnd.h"

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    CButton();
    ~CButton() override;

    // Creates the button as a child of pParentWnd (WS_CHILD added) with text lpszCaption, style
    // dwStyle (BS_*, WS_*), rectangle rect (parent client coordinates) and control id nID.
    // FALSE when no window was made.
    BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // BM_GETSTATE: BST_CHECKED, BST_PUSHED, BST_FOCUS... of the button.
    UINT GetState() const;
    // BM_SETSTATE: shows the button pushed (TRUE) or not.
    void SetState(BOOL bHighlight);
    // BM_GETCHECK / BM_SETCHECK: BST_UNCHECKED 0, BST_CHECKED 1, BST_INDETERMINATE 2.
    int GetCheck() const;
    void SetCheck(int nCheck);
    // The BS_ type bits of the style / sets them (BM_SETSTYLE), redrawing when bRedraw.
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
    // BM_SETIMAGE / BM_GETIMAGE with a bitmap or an icon. Return the previous one.
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HBITMAP GetBitmap() const;
    HICON SetIcon(HICON hIcon);

    // Paints an owner-drawn button. Here: nothing (the parent keeps the message).
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    // WM_DRAWITEM from the parent goes to DrawItem when a derived class overrides it.
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    struct CButtonState {
        BOOL bBaseDrawItem = FALSE; // set by CButton's own DrawItem: nothing overrides it
    } m_buttonState;
};
