// SECStdBtn: a button of a customisable tool bar. Buttons are not windows: each knows its command,
// style, image and rectangle inside its bar, sizes itself, draws itself off-screen through the bar's
// drawing context (SECBtnDrawContext.h), answers the mouse presses the bar hands it and names itself
// as a tool for tooltips. The bar owns its buttons and talks to them only through this interface; a
// button reaches its bar through SECBtnHost.
//
// Sizes (ComputeSize, run by Init): an image button takes the bar's button size (image width + 7 by
// image height + 7: 23 by 22 for 16 by 15 images); a separator is (image width + 8) / 3 wide and
// image height + 7 high. Every size computation raises the bar's record of its widest button.
//
// Drawing (Draw): nothing when the button's rectangle is not visible in the DC. A separator draws
// itself (in the flat look only: the face, unless the bar is transparent, then a shadow and a
// highlight line at its middle; a wrapped separator draws nothing). Any other button is composed in
// the context's colour bitmap: the face (filled with the face colour, the image centred at
// x + (cx - image width - 1) / 2, y + (cy - image height) / 2, a frame by state and look), then by
// state the embossed disabled image, the dither of a checked one or the shadowed indeterminate one;
// then, in a transparent bar, face-coloured pixels take what the screen shows behind; a button
// selected for customising gets a 3-pixel drag frame; and the result is copied to the screen.
// Frames: in the flat look (toolkit style 0x100) a raised one-pixel frame only while hot, a sunken one
// (shadow top-left) with the image moved by (1, 1) while pressed or checked; without it a two-pixel
// raised frame, sunken while pressed or checked. In customise mode no pressed frame is drawn.
//
// Presses (the bar calls these while it holds the mouse): PressDown refuses a disabled button; a
// drop-down button (TBSTYLE_DROPDOWN) sends TBN_DROPDOWN to the bar's owner with the bar's in-command
// flag set around it and refuses the capture, so it never yields its command; PressMove shows the
// button pressed while the point lies in its rectangle, edges included; PressUp yields the command
// when released there, else 0. A check box released there that is not disabled asks its bar to give
// its new state (checked toggled, never indeterminate) to every button of its command in the bars of
// the bar's tool-bar manager (InformBtns); a bar without a manager leaves the state to the command
// update.
//
// Notifications go to the bar's owner as WM_NOTIFY with an SECTBNOTIFY record.
//
// Button data: the bytes a kind of button keeps in a saved bar (GetBtnData, SetBtnData; at most 255).
// The buttons here keep none.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "core/Core.h"
#include "win/AfxToolBarStyles.h"
#include "win/CRect.h"

#include <vector>

class CDC;
class CWnd;
class SECBmpMgr;
class SECBtnDrawContext;
class SECStdBtn;

// The toolkit's bits in a button's style word, beside the class library's TBBS_* bits.
#define SEC_TBBS_CUSTOMIZING 0x01000000 // selected for customising
#define SEC_TBBS_HOT         0x02000000 // under the mouse in the flat look, or tracked by the menu bar
#define SEC_TBBS_NODISABLE   0x10000000 // never disabled for want of a command handler
#define SEC_TBBS_VCENTER     0x20000000 // centred vertically in its row

// Bits of the bar's toolkit style word that buttons draw by.
#define SEC_TBSTYLE_FLAT        0x0100 // buttons are raised only while hot, pressed or checked
#define SEC_TBSTYLE_TRANSPARENT 0x1000 // with the flat look: the bar's background shows through faces

// What a button asks of the bar that holds it.
class SECBtnHost {
public:
    virtual ~SECBtnHost() = default;
    // The bar's window: notifications go to its owner, the button's rectangle is in its client area.
    virtual CWnd* GetBarWnd() const = 0;
    // The images of the bar's commands (null: buttons show no image).
    virtual SECBmpMgr* GetBmpMgr() const = 0;
    // The image size in use and the button size (image size + 7 each way).
    virtual int GetImgWidth() const = 0;
    virtual int GetImgHeight() const = 0;
    virtual int GetBtnWidth() const = 0;
    virtual int GetBtnHeight() const = 0;
    // The bar's toolkit style word (SEC_TBSTYLE_*).
    virtual DWORD GetToolBarStyle() const = 0;
    // The font of button texts; null for the default GUI font.
    virtual HFONT GetBtnFont() const = 0;
    // TRUE while the bar is in customise mode.
    virtual BOOL InCustomizeMode() const = 0;
    // The button's position in the bar, -1 when it is not there.
    virtual int GetBtnIndex(const SECStdBtn* pBtn) const = 0;
    // Raises the bar's record of its widest button to cx.
    virtual void RaiseMaxBtnWidth(int cx) = 0;
    // Sets or clears the bar's in-command flag (the bar leaves clicks to its base while it is set).
    virtual void SetInCommand(BOOL bInCommand) = 0;
    // Finds the hot button under the mouse again.
    virtual void RefreshHotBtn() = 0;
    // Drops down pBtn's popup: nMenu a menu resource id (with nPos the popup's position in it), or
    // a menu handle with nPos -1.
    virtual void BeginDropDownTracking(SECStdBtn* pBtn, UINT_PTR nMenu, int nPos) = 0;
    // Every button of command nID in the bars of the bar's tool-bar manager takes the bits nBits of
    // nMask into its style (SECStdBtn::Inform); nothing without a manager.
    virtual void InformBtns(UINT nID, UINT nBits, UINT nMask) = 0;
};

// The WM_NOTIFY record of tool-bar buttons: the system's tool-bar record (bar window, bar id, code, the
// button's command as iItem, the rest 0), then the button's index in the bar (-1 for none), two
// arguments of the code and a word that is 0 (1 only in a copy kept for later).
struct SECTBNOTIFY {
    NMTOOLBARA tb;
    INT32 nIndex;
    INT32 nArg1;
    INT32 nArg2;
    INT32 nKept;
};

// The active MDI child of pWnd's top-level frame; null when that frame is no MDI frame or has none.
HWND SECGetActiveMDIChild(const CWnd* pWnd);

class SECStdBtn : public CObject {
    DECLARE_DYNCREATE(SECStdBtn)
public:
    // Button types.
    enum { BtnImage = 0, BtnMenu = 3, BtnIconMenu = 4, BtnCaption = 5 };

    SECStdBtn();

    UINT m_nID;       // command (0 for a separator)
    int m_nImage;     // index of its image in the image manager's list
    UINT m_nStyle;    // TBBS_* and SEC_TBBS_* bits, TBSTYLE_DROPDOWN
    int m_x, m_y;     // top-left in the bar's client area (-1 until laid out)
    int m_cx, m_cy;   // size
    int m_nType;      // BtnImage, BtnMenu, BtnIconMenu, BtnCaption
    SECBtnHost* m_pToolBar; // the bar holding the button (not owned)

    // ---- state -------------------------------------------------------------------------------------

    // Toolkit mode of the bar (its vertical alignment bits). Nothing here.
    virtual void SetMode(UINT nMode);
    virtual void SetStyle(UINT nStyle) { m_nStyle = nStyle; }
    virtual UINT GetStyle() const { return m_nStyle; }
    // TRUE when all of nStyle's bits are set.
    virtual BOOL HasStyle(UINT nStyle) const { return (m_nStyle & nStyle) == nStyle; }
    virtual void SetPos(int x, int y);
    // The button's rectangle in the bar's client area.
    CRect GetRect() const { return CRect(m_x, m_y, m_x + m_cx, m_y + m_cy); }
    // Repaints the button's rectangle of the bar (bErase: erase the background first).
    virtual void Invalidate(BOOL bErase = FALSE);

    // Joins pToolBar (not null) with the creation data lpData (class-specific words, may be null) and
    // computes the size.
    virtual void Init(SECBtnHost* pToolBar, const UINT_PTR* lpData);
    // Whether the button may be dragged while customising.
    virtual BOOL CanDrag() const { return TRUE; }
    // Sets m_cx and m_cy (see the top of this file) and raises the bar's widest-button record.
    virtual void ComputeSize();

    // ---- drawing -----------------------------------------------------------------------------------

    // Draws the button into pDC through the context (see the top of this file).
    virtual void Draw(CDC* pDC, SECBtnDrawContext& ctx);

    // ---- mouse -------------------------------------------------------------------------------------

    // Press of the left button at point (bar client coordinates): FALSE refuses the mouse capture.
    virtual BOOL PressDown(CPoint point);
    virtual void PressMove(CPoint point);
    virtual void PressCancel();
    // Release at point: the command to send, 0 for none.
    virtual UINT PressUp(CPoint point);
    // Fills pTI (may be null) with the bar window, the command as tool id, the rectangle and the
    // callback text. Returns the command.
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const;
    // Sends WM_NOTIFY with nCode and the two arguments to the bar's owner. Returns its answer.
    virtual LRESULT SendNotification(int nCode, INT32 nArg1, INT32 nArg2);

    // ---- across bars and saved bars ------------------------------------------------------------------

    // The kinds of information a button is given by Inform.
    enum { InformStyle = 1 };
    // InformStyle: the style takes the bits nBits of nMask, and the button repaints when that changed.
    // Other codes are ignored.
    virtual void Inform(int nCode, UINT nBits, UINT nMask);
    // The bytes the button keeps in a saved bar (none here) / takes back from one.
    virtual void GetBtnData(std::vector<BYTE>& data) const;
    virtual void SetBtnData(const std::vector<BYTE>& data);

protected:
    BOOL IsFlatLook() const;
    // TRUE for a point inside the rectangle, edges included.
    BOOL HitsRect(CPoint point) const;
    // The font of button texts (the bar's, else the default GUI font).
    HFONT GetTextFont() const;
    // The active MDI child of the bar's top-level frame; null when that is no MDI frame or has none.
    HWND GetActiveMDIChild() const;

    // The parts of Draw, each on the context's colour bitmap at (0, 0) unless it says otherwise.
    // The face: fill, frame and image, by state unless bCustomize.
    virtual void DrawFace(SECBtnDrawContext& ctx, BOOL bCustomize, int x, int y, int cx, int cy, int cxImage);
    // The frame of the face (see the top of this file); bDown: pressed or checked.
    void DrawFrame(CDC& dc, const CRect& rect, BOOL bDown) const;
    // Face, then the look of the button's state.
    virtual void DrawState(SECBtnDrawContext& ctx);
    virtual void DrawDisabled(SECBtnDrawContext& ctx);
    virtual void DrawChecked(SECBtnDrawContext& ctx);
    virtual void DrawIndeterminate(SECBtnDrawContext& ctx);
    virtual void DrawCustomizeFrame(SECBtnDrawContext& ctx);
    // Selects the image's bitmap into the image DC. FALSE when the button has no image.
    virtual BOOL SelectImageBitmap(SECBtnDrawContext& ctx);
    // Draws the separator straight into pDC.
    virtual void DrawSeparator(CDC* pDC);
    // Copies the image from the image DC to (x, y) of the colour bitmap.
    virtual void BlitImage(SECBtnDrawContext& ctx, int x, int y);
    // Transparent bars: face-coloured pixels take pDC's pixels behind the button.
    virtual void DrawTransparent(CDC* pDC, SECBtnDrawContext& ctx);
    virtual void BlitToScreen(CDC* pDC, SECBtnDrawContext& ctx);

    // The area of the colour bitmap that the state looks work on: the button less 2 on each side.
    CRect ImageArea() const { return CRect(2, 2, m_cx - 2, m_cy - 2); }
    // Makes the mask of rect (colour bitmap coordinates): white where the colour bitmap shows the face
    // colour or (bHilite) the highlight colour, black elsewhere.
    void MakeMask(SECBtnDrawContext& ctx, const CRect& rect, BOOL bHilite) const;
    // Combines hBrush (may be null for raster operations without a pattern) with rect of the colour
    // bitmap through the mask by rop, the mask's rectangle moved by (dx, dy) on the colour bitmap.
    void PaintThroughMask(SECBtnDrawContext& ctx, const CRect& rect, HBRUSH hBrush, DWORD rop, int dx = 0,
                          int dy = 0) const;

    BOOL m_bImageSelected; // set by SelectImageBitmap for the face
};
