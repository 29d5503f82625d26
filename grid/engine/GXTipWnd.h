// The grid's two tip windows: CGXTextTipWnd shows a text in a font, CGXBitmapTipWnd a bitmap. The cell
// tips (GXCellTip.h) fill and place them; the grid's tip handler (GXCellTipHandler.h) shows and hides
// them.
//
// A tip window is a pop-up of the library's save-bits window class, owned by the grid window, never
// activated and transparent to the mouse (the mouse reaches the grid beneath it, so the grid keeps
// seeing the moves that end the tip). Placing it (PlaceTip, screen coordinates) also hides it; ShowTip
// shows it on top without activating it.
//
// Drawing (DrawTip, also used by WM_PAINT) fills the client rectangle with the tip background
// (COLOR_INFOBK) and frames it with one black pixel. The text tip draws its window text in its font
// (made at zoom 100: the font given is already scaled) in COLOR_INFOTEXT into its text rectangle, with
// no prefix and no clipping; the bitmap tip draws its DIB at natural size into its bitmap rectangle,
// and nothing at all without a DIB.
#pragma once

#include <windows.h>

#include "grid/engine/GXFont.h"
#include "win/Win.h"

class CGXTipWnd : public CWnd {
    DECLARE_DYNAMIC(CGXTipWnd)
    DECLARE_MESSAGE_MAP()
public:
    // nKind: gxTextTip or gxBitmapTip (GXCellTip.h).
    explicit CGXTipWnd(int nKind);
    ~CGXTipWnd() override;

    // Makes the hidden pop-up, owned by pOwner (not null). FALSE when no window was made.
    BOOL CreateTip(CWnd* pOwner);
    int GetKind() const { return m_nKind; }
    // The zoom percentage the tip's content is scaled by (100 at first).
    void SetZoom(int nZoom) { m_nZoom = nZoom; }
    int GetZoom() const { return m_nZoom; }
    // Moves the window to rect (screen) and hides it, without activating or redrawing it.
    void PlaceTip(const CRect& rect);
    void PlaceTip(int nLeft, int nTop, int nRight, int nBottom);
    // Shows the window on top without activating it; hides it.
    void ShowTip();
    void HideTip();
    // Draws the tip into pDC, over the window's client rectangle.
    virtual void DrawTip(CDC* pDC) = 0;

protected:
    // Fills rect with the tip background; frames it with one black pixel.
    static void FillTipBackground(CDC* pDC, const CRect& rect);
    static void FrameTip(CDC* pDC, const CRect& rect);

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);

    int m_nKind;
    int m_nZoom;
};

class CGXTextTipWnd : public CGXTipWnd {
    DECLARE_DYNAMIC(CGXTextTipWnd)
public:
    CGXTextTipWnd();

    // The text (the window text; kept also before the window exists).
    void SetTipText(const char* pszText);
    const CString& GetTipText() const { return m_strText; }
    // A copy of the font the text is drawn in.
    void SetTipFont(const CGXFont& font) { m_font = font; }
    const CGXFont& GetTipFont() const { return m_font; }
    // Where the text is drawn (client coordinates).
    void SetTipTextRect(const CRect& rect) { m_rectText = rect; }
    const CRect& GetTipTextRect() const { return m_rectText; }

    void DrawTip(CDC* pDC) override;

private:
    CString m_strText;
    CGXFont m_font;
    CRect m_rectText;
};

class CGXBitmapTipWnd : public CGXTipWnd {
    DECLARE_DYNAMIC(CGXBitmapTipWnd)
public:
    CGXBitmapTipWnd();

    // The packed DIB shown (not owned: the grid's DIB pool keeps it).
    void SetTipBitmap(HGLOBAL hDIB) { m_hDIB = hDIB; }
    HGLOBAL GetTipBitmap() const { return m_hDIB; }
    // Where the bitmap is drawn (client coordinates).
    void SetTipBitmapRect(const CRect& rect) { m_rectBitmap = rect; }
    const CRect& GetTipBitmapRect() const { return m_rectBitmap; }

    void DrawTip(CDC* pDC) override;

private:
    HGLOBAL m_hDIB;
    CRect m_rectBitmap;
};
