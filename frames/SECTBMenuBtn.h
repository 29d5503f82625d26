// The text and icon buttons of the menu bar.
//
// SECTBMenuBtn is a top-level menu title: its size is the title's extent in the bar's font (the
// default GUI font when the bar has none) + 10 by + 6; it draws the title single-line in the menu
// text colour on the button face from (4, 3) inside the button ((5, 4) while pressed), within the
// button frame drawn one pixel further in while pressed or checked; it has no image. Pressing it (when
// enabled) shows it pressed and asks the bar to drop its popup down; it never takes the mouse capture.
// Its mnemonic is the upper-cased character after the first "&" of the title, 0 when there is none.
//
// SECCapMenuBtn shows the icon of the maximised MDI child (16 by 16 on the face colour) and drops
// that child's system menu down, giving it SC_CLOSE as default item when it has none.
#pragma once

#include "frames/SECStdBtn.h"

class SECTBMenuBtn : public SECStdBtn {
    DECLARE_DYNCREATE(SECTBMenuBtn)
public:
    // The creation data of Init: the menu resource id, the popup's position in it, the title
    // (a zero-terminated text) and the menu's bit in the menu bar's mask.
    enum { DataMenuID = 0, DataPopupPos = 1, DataTitle = 2, DataMenuBit = 3 };

    SECTBMenuBtn();

    CString m_strTitle;
    UINT m_nMenuID;    // menu resource of the popup
    int m_nPopupPos;   // position of the popup in that menu
    char m_cMnemonic;  // see the top of this file
    UINT m_nMenuBit;   // the menu's bit in the menu bar's mask

    // Takes the creation data (may be null: none), the mnemonic, then the size.
    void Init(SECBtnHost* pToolBar, const UINT_PTR* lpData) override;
    void ComputeSize() override;
    BOOL PressDown(CPoint point) override;
    // Asks the bar to drop the popup down.
    virtual void DropDown();
    // Sets m_cMnemonic from the title.
    virtual void ComputeMnemonic();

protected:
    void DrawFace(SECBtnDrawContext& ctx, BOOL bCustomize, int x, int y, int cx, int cy, int cxImage) override;
    BOOL SelectImageBitmap(SECBtnDrawContext&) override { return FALSE; }
};

class SECCapMenuBtn : public SECTBMenuBtn {
    DECLARE_DYNCREATE(SECCapMenuBtn)
public:
    SECCapMenuBtn();

    HICON m_hIcon; // the icon shown (not owned; null: none)

    void SetIcon(HICON hIcon) { m_hIcon = hIcon; }
    BOOL CanDrag() const override { return FALSE; }
    void ComputeSize() override;
    void DropDown() override;

protected:
    void DrawFace(SECBtnDrawContext& ctx, BOOL bCustomize, int x, int y, int cx, int cy, int cxImage) override;
};
