// CGXBDropEdit: an edit window with a small push button inside its own non-client area, at its right
// edge unless told otherwise, showing a bitmap. The button takes no room from the text: the window's
// frame is widened on the button's side while a bitmap is loaded, and the window draws, hit-tests and
// tracks the button itself (no child window). A click on the button, F4 and Alt+Down all reach
// OnButtonClicked, which by default tells the parent (WM_COMMAND with the window's id, code 0).
//
// The button is as high as the client area and m_wPadLeft + m_wPadRight + the bitmap's width + 4
// pixels wide. Its face uses the grid library's cached system colours (GridSysColors); a disabled
// window shows it embossed. The bitmap is loaded with the library's system-colour remapping
// (LoadSysColorBitmap) and loaded again when the system colours change.
#pragma once

#include <windows.h>

#include "win/CEdit.h"
#include "win/CGdiObject.h"

class CDC;

class CGXBDropEdit : public CEdit {
    DECLARE_DYNAMIC(CGXBDropEdit)
    DECLARE_MESSAGE_MAP()
public:
    // The bits of m_wState.
    enum : WORD { gxPressed = 1, gxTracking = 2, gxButtonRight = 4 };

    // No bitmap (so no button), the button at the right edge, both pads 1.
    CGXBDropEdit();
    // Deletes the bitmap.
    ~CGXBDropEdit() override;

    // Whether point lies on the button. bClientCoords: point is in this window's client coordinates,
    // else in screen coordinates; either is taken into the parent's client coordinates (left as it is
    // without a parent) and compared with m_rcButton.
    virtual BOOL HitTestButton(CPoint point, BOOL bClientCoords);
    // The button was pressed: sends the parent WM_COMMAND with the window's id (code 0) and handle;
    // nothing without a parent.
    virtual void OnButtonClicked();
    // Draws the button face into rect of pDC: sunken (a shadow frame) while pressed, else raised; the
    // bitmap m_wPadLeft from the left and centred vertically, one pixel right and down while pressed.
    virtual void DrawButton(CDC* pDC, const CRect& rect);

    // Shows the bitmap resource nID on the button, or no button for 0 (also when the bitmap cannot be
    // loaded). An existing window calculates its frame again at once. TRUE.
    BOOL SetBitmap(UINT nID);
    // Invalidates the button (without erasing), so that the window's frame is painted again.
    void InvalidateButton();

    // The button's rectangle in the parent's client coordinates as the last frame calculation placed it
    // (empty without a bitmap), the bitmap's resource id (0: no button) and the state bits.
    CRect m_rcButton;
    CBitmap m_bitmap;
    UINT m_nBitmapId = 0;
    WORD m_wState = gxButtonRight;
    WORD m_wPadLeft = 1;
    WORD m_wPadRight = 1;

protected:
    // The button's width for the loaded bitmap (0 without one).
    int GetButtonWidth() const;
    // The button's rectangle in this window's coordinates (as GetWindowDC draws).
    CRect GetButtonRectInWindow() const;
    // Sets or clears gxPressed; the button is painted again when that changed.
    void SetPressed(BOOL bPressed);
    // Paints the button into the window's frame (off screen first when a bitmap for it can be made).
    void PaintButton();
    // Embosses the area of pDC that shows the button: the disabled look.
    static void DrawDisabled(CDC* pDC, const CRect& rect);

    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnSysColorChange();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
};
