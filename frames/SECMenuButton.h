// SECMenuButton: a bitmap button that drops a popup menu. Its bitmap is the toolkit's arrow
// (IDB_SEC_ARROWDOWN while the menu drops below, IDB_SEC_ARROWRIGHT while it drops to the right),
// right of the text when the button has one (AlignRight), else alone (AlignOnly).
//
// A click (after the button's own release, as for every owner-drawn button) tracks the menu left-aligned
// at the window's bottom-left (below) or top-right (to the right), through the class library's popup
// seam, owned by the parent, or by the parent's frame when the parent is a control bar, which receives
// the chosen command. While the menu shows the button draws nothing, so it keeps its pressed look; when
// the menu was shown, a left-button press for the button still waiting in the queue (the click that
// closed the menu over the button) is dropped, so that the menu does not open again at once. Then the
// button repaints.
#pragma once

#include "frames/SECBitmapButton.h"

class SECMenuButton : public SECBitmapButton {
    DECLARE_DYNAMIC(SECMenuButton)
public:
    // Where the menu drops.
    enum Direction { DropDown = 0, DropRight = 1 };

    SECMenuButton();
    ~SECMenuButton() override;

    // Takes over pParent's button nID (as SubclassDlgItem) with the arrow of nDirection and button flags
    // dwBtnFlags. FALSE, leaving the dialog's button alone, when pParent has no such button or the
    // arrow cannot be loaded. A bad direction or a null parent is refused with CInvalidArgException.
    BOOL AttachButton(int nID, CWnd* pParent, int nDirection = DropDown, DWORD dwBtnFlags = 0);
    // Makes the button (SECOwnerDrawButton::Create's arguments) with the arrow of nDirection. FALSE when
    // no window was made. A bad direction is refused with CInvalidArgException.
    BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                int nDirection = DropDown, DWORD dwBtnFlags = 0);

    // Takes the popup menu hMenu (null: none) and destroys the one held before.
    void SetMenu(HMENU hMenu);
    HMENU GetMenuHandle() const { return m_hMenu; }
    // Where the menu drops (Direction); the arrow follows. A bad direction is refused with
    // CInvalidArgException.
    void SetDirection(int nDirection);
    int GetDirection() const { return m_nDirection; }

    // Tracks the menu (see the top of this file).
    void Clicked() override;

protected:
    // The arrow bitmap of nDirection.
    static LPCSTR ArrowOf(int nDirection, const char* lpszWhere);

    HMENU m_hMenu;     // owned
    int m_nDirection;  // Direction
};
