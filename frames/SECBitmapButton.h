// SECBitmapButton: an owner-drawn push button that shows a bitmap beside, above, below or instead of
// its text. The bitmap is a resource loaded with the system-colour mapping of SECSysColorBitmap.h
// (black, 0x808080, 0xC0C0C0 and white show as the button text, shadow, face and highlight colours),
// and loaded again on WM_SYSCOLORCHANGE.
//
// Layout (on attaching, on a new bitmap or margins, on WM_SIZE), in the client rectangle less 3 at
// right and bottom, with the margins (5 and 5 at start):
//   AlignLeft   the bitmap at x = margin x, centred vertically; the text from the bitmap's right + 1
//   AlignRight  the bitmap at right - bitmap width - margin x; the text up to the bitmap's left - 1
//   AlignTop    the bitmap at y = margin y, centred across; the text from the bitmap's bottom + 1
//   AlignBottom the bitmap at bottom - bitmap height - margin y; the text up to the bitmap's top - 1
//   AlignOnly   the bitmap centred, no text
// Both rectangles are clipped to the client area.
//
// Content: the bitmap copied to its rectangle, then (unless AlignOnly) the window text on one line,
// centred both ways in the text rectangle, in the button's font (the default GUI font when it has
// none) and the button text colour on the face; both move with the content while the button is
// pressed. The focus rectangle goes around the bitmap inflated by 3 for AlignOnly, else around the
// text's extent centred in the text rectangle, inflated by 1.
//
// SizeToContent: the bitmap and the text's one-line extent side by side with 5 pixels between
// (AlignLeft, AlignRight: bitmap width + text width + 5 by the larger height), one above the other
// (AlignTop, AlignBottom: the larger width by bitmap height + text height + 5), or the bitmap alone;
// the window becomes that size + 2 * margin + 3 in each direction.
#pragma once

#include "frames/SECOwnerDrawButton.h"

class SECBitmapButton : public SECOwnerDrawButton {
    DECLARE_DYNAMIC(SECBitmapButton)
    DECLARE_MESSAGE_MAP()
public:
    // Where the bitmap stands (see the top of this file).
    enum Align { AlignLeft = 0, AlignRight = 1, AlignTop = 2, AlignBottom = 3, AlignOnly = 4 };

    SECBitmapButton();
    ~SECBitmapButton() override;

    // Takes over pParent's button nID (as SubclassDlgItem) with alignment nAlign, the bitmap resource
    // lpszBitmap (name or MAKEINTRESOURCE id) and button flags dwBtnFlags (SEC_ODBTN_*), and lays it
    // out. FALSE, leaving the dialog's button alone, when the bitmap cannot be loaded or pParent has no
    // such button. A bad alignment or a null parent is refused with CInvalidArgException.
    BOOL AttachButton(int nID, int nAlign, LPCSTR lpszBitmap, CWnd* pParent, DWORD dwBtnFlags = 0);
    BOOL AttachButton(int nID, int nAlign, UINT nIDBitmap, CWnd* pParent, DWORD dwBtnFlags = 0)
    {
        return AttachButton(nID, nAlign, MAKEINTRESOURCEA(nIDBitmap), pParent, dwBtnFlags);
    }
    // Makes the button (SECOwnerDrawButton::Create's arguments) with alignment nAlign and the bitmap
    // resource lpszBitmap, and lays it out. FALSE when the bitmap cannot be loaded (no window is made)
    // or no window was made. A bad alignment is refused with CInvalidArgException.
    BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, LPCSTR lpszBitmap, const RECT& rect, CWnd* pParentWnd, UINT nID,
                int nAlign = AlignOnly, DWORD dwBtnFlags = 0);
    BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, UINT nIDBitmap, const RECT& rect, CWnd* pParentWnd, UINT nID,
                int nAlign = AlignOnly, DWORD dwBtnFlags = 0)
    {
        return Create(lpszCaption, dwStyle, MAKEINTRESOURCEA(nIDBitmap), rect, pParentWnd, nID, nAlign, dwBtnFlags);
    }

    // Replaces the bitmap by resource lpszBitmap, lays out and repaints. FALSE, keeping the bitmap it
    // had, when the new one cannot be loaded.
    BOOL SetBitmap(LPCSTR lpszBitmap);
    BOOL SetBitmap(UINT nIDBitmap) { return SetBitmap(MAKEINTRESOURCEA(nIDBitmap)); }
    // The alignment (Align). Setting it lays out and repaints; a bad one is refused with
    // CInvalidArgException.
    int GetAlignment() const { return m_bmpState.nAlign; }
    void SetAlignment(int nAlign);
    // The margins (5 and 5 at start). Setting them lays out and repaints.
    void SetMargins(int cx, int cy);
    CSize GetMargins() const { return CSize(m_bmpState.cxMargin, m_bmpState.cyMargin); }
    // Resizes the window to its content (see the top of this file).
    void SizeToContent();

    // The bitmap (owned; null when none) and its size.
    HBITMAP GetBitmapHandle() const { return m_bmpState.hBitmap; }
    CSize GetBitmapSize() const;
    // The bitmap's and the text's rectangles of the last layout (client coordinates).
    CRect GetBitmapRect() const { return m_bmpState.rcBitmap; }
    CRect GetTextRect() const { return m_bmpState.rcText; }

    void DrawContent(CDC* pDC, LPDRAWITEMSTRUCT lpDIS, const CRect& rcContent) override;
    void DrawFocus(CDC* pDC, LPDRAWITEMSTRUCT lpDIS) override;

protected:
    // Lays the bitmap and the text out in the client area.
    void Layout();
    // The font the text is drawn and measured in.
    HFONT GetTextFont() const;
    // The one-line extent of the window text in that font.
    CSize GetTextExtent() const;
    // Loads the bitmap resource lpszBitmap; on success it replaces the bitmap held and the name is
    // remembered. FALSE when it cannot be loaded.
    BOOL LoadBitmapResource(LPCSTR lpszBitmap);
    // Refuses an alignment outside Align (lpszWhere names the caller).
    static void CheckAlignment(int nAlign, const char* lpszWhere);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSysColorChange();
    afx_msg void OnDestroy();

    struct BmpState {
        UINT nIDBitmap = 0;     // the bitmap resource's id, or
        CString strBitmap;      // its name
        HBITMAP hBitmap = nullptr;
        int nAlign = AlignLeft;
        int cxMargin = 5;
        int cyMargin = 5;
        CRect rcBitmap;         // of the last layout
        CRect rcText;
    } m_bmpState;
};
