// SECToolBar: a toolkit bar whose window is the system's tool-bar common control. The buttons are the
// control's own (TB_ADDBUTTONS and the other TB_* messages reach the control); the bar adds the
// control-bar borders, docking and an image well that it owns.
//
// Creation: the window is a "ToolbarWindow32" with the window style given less the CBRS_* bits (they
// form the bar style) plus the control style given and CCS_NOPARENTALIGN | CCS_NORESIZE |
// CCS_NODIVIDER (the frame's layout places the bar). On WM_CREATE the control gets the bar's owner as
// the window its commands go to (TB_SETPARENT, only when an owner is set) and the size of TBBUTTON as
// its button structure size (32 bytes here, see win/CWnd.h).
//
// Image well (SetBitmap, LoadBitmap): the number of images is the bitmap's width over the image width
// (16 unless TB_SETBITMAPSIZE said otherwise). A first bitmap is added to the control (TB_ADDBITMAP); a
// later one replaces it (TB_REPLACEBITMAP). When the control takes the new bitmap the old one is
// deleted and the bar keeps the new one; when it refuses, the bar keeps the old one and the caller
// still owns the new. A bitmap loaded from a resource is drawn in the system's button colours
// (frames/SECSysColorBitmap.h) and loaded again, and replaced, on WM_SYSCOLORCHANGE.
//
// Sizes: TB_SETBITMAPSIZE, TB_SETBUTTONSIZE and TB_SETBUTTONWIDTH (the buttons' least and greatest
// width) are remembered (GetImageSize, GetButtonSize, GetButtonWidthLimits). With a control of version
// 4.71 or later the flat and transparent styles (TBSTYLE_FLAT | TBSTYLE_TRANSPARENT) are taken off the
// window while the control handles these three messages and put back afterwards, since such a control
// otherwise lays its buttons out for the flat look it draws by itself.
//
// Delayed layout: once the control has taken one of the size messages, or buttons were added, inserted
// or deleted (TB_ADDBUTTONS, TB_INSERTBUTTON, TB_DELETEBUTTON), the bar's extent is stale: the bar sets
// its delayed-layout flag and asks its frame for a layout on the next idle. The next fixed layout has
// the control lay its buttons out first (TB_AUTOSIZE); the flag is cleared before the control handles
// TB_AUTOSIZE, whoever sends it.
//
// Frame: the non-client area holds the class library's control-bar borders (2 pixels less at the top
// with a control older than 4.71, which draws its own top edge) and WM_NCPAINT paints them; a bar with
// CBRS_SIZE_DYNAMIC whose size changes is repainted whole. The control paints the client area. A press
// on a button goes to the control; a press beside the buttons drags the bar as any toolkit bar.
//
// Layout: the bar is laid out by its fixed size (SEC_CBRS_EX_FIXEDSIZE) docked and floating alike:
// along a stretched edge 32767, else the control's button extent (TB_GETMAXSIZE), each plus the
// borders.
//
// Not done yet: command update of the buttons (the bar keeps the class library's OnUpdateCmdUI, which
// does nothing; the owner enables and checks them through the TB_* messages).
#pragma once

#include "frames/SECControlBar.h"

class SECToolBar : public SECControlBar {
    DECLARE_DYNAMIC(SECToolBar)
    DECLARE_MESSAGE_MAP()
public:
    SECToolBar();
    ~SECToolBar() override;

    // Makes the bar in pParentWnd (not null): dwCtrlStyle the control's TBSTYLE_* bits, dwStyle the
    // window style with the CBRS_* bits, nID the bar's id. FALSE when no window was made.
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, UINT nID = AFX_IDW_TOOLBAR);

    // Hands the control hbmImageWell (not null) as its image well (see the top of this file). TRUE when
    // the control took it: the bar owns it from then on.
    BOOL SetBitmap(HBITMAP hbmImageWell);
    // Loads bitmap resource nIDResource in the system's button colours and sets it (SetBitmap); the
    // resource is remembered for colour changes. FALSE when the resource is missing or the control
    // refuses the bitmap.
    BOOL LoadBitmap(UINT nIDResource);
    // The image well the bar owns; null before one was set.
    HBITMAP GetBitmap() const { return m_hbmImageWell; }

    // The sizes last given by TB_SETBITMAPSIZE (16 by 15 at start) and TB_SETBUTTONSIZE (23 by 22).
    CSize GetImageSize() const { return m_sizeImage; }
    CSize GetButtonSize() const { return m_sizeButton; }
    // The least (cx) and greatest (cy) button width last given by TB_SETBUTTONWIDTH (0, 0 at start:
    // the control's own).
    CSize GetButtonWidthLimits() const { return m_sizeButtonWidth; }
    // TRUE while the control's buttons changed since it last laid them out (see the top of this file).
    BOOL IsDelayedLayout() const { return m_bDelayedLayout; }

    // The version of the common controls as major * 100 + minor (471 for 4.71); read once.
    static int GetComCtlVersion();

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // CalcFixedLayout in every mode: a tool bar keeps its buttons' size when it floats too.
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;

protected:
    // Sends the control a size message with the flat and transparent styles off (see the top of this
    // file).
    LRESULT SetControlSize(UINT message, LPARAM lParam);

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
    afx_msg void OnSysColorChange();
    afx_msg LRESULT OnSetBitmapSize(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetButtonSize(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetButtonWidth(WPARAM wParam, LPARAM lParam);
    // Buttons added, inserted or deleted: the control's handling, then the delayed layout.
    afx_msg LRESULT OnButtonsChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnAutoSize(WPARAM wParam, LPARAM lParam);
    // Sets the delayed-layout flag and asks the frame for a layout on the next idle.
    void DelayLayout();

    HBITMAP m_hbmImageWell; // owned
    UINT m_nIDImageWell;    // the resource of the image well (0: none, or a bitmap given)
    CSize m_sizeImage;
    CSize m_sizeButton;
    CSize m_sizeButtonWidth;
    BOOL m_bDelayedLayout;
};
