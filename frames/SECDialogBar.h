// SECDialogBar: a sizable bar whose content comes from a dialog template.
//
// Create makes the dialog from the template (current resource handle, then the program) as a child of
// the parent with the given control id: the template must give the dialog WS_CHILD. The window's size
// becomes the bar's default size and its three most recently used sizes; the window loses WS_CAPTION
// and gains WS_CLIPSIBLINGS; the template's dialog-initialisation data fills its controls (combo and
// list box entries); it is shown or hidden by the WS_VISIBLE bit of the style given. The bar's size
// docked is its default size, stretched along its edge to the frame's extent when the layout
// stretches bars.
//
// At WM_INITDIALOG, once the dialog manager has made the template's controls, a bar given an
// initialisation cookie (m_pInitCookie, set before Create) hands it to the class library's
// control-container hook (win/ControlContainer.h), which makes the OLE controls it names.
//
// Keyboard: a key message for the bar or one of its controls, offered by the message loop, goes first
// to the bar's owner frame and the frames above it (their accelerators would otherwise be taken by
// the dialog manager), then to the dialog manager: Tab and Shift+Tab move the focus between the bar's
// controls, the arrow keys within a group, Enter and Escape send the default button's command (IDOK
// without one) and IDCANCEL, which the bar passes to its owner, and a mnemonic reaches its control.
#pragma once

#include "frames/SECControlBar.h"

class SECDialogBar : public SECControlBar {
    DECLARE_DYNCREATE(SECDialogBar)
public:
    SECDialogBar();
    ~SECDialogBar() override;

    // Makes the bar from dialog template lpszTemplateName (name or MAKEINTRESOURCE id) or nIDTemplate:
    // dwStyle the window style with the CBRS_* bits (the bar style is dwStyle & CBRS_ALL), dwExStyle
    // the toolkit bar style, nID the bar's control id. FALSE when the template is missing, does not
    // make a child window, its initialisation data are malformed, or no window was made.
    virtual BOOL Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, DWORD dwStyle, DWORD dwExStyle, UINT nID);
    virtual BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, DWORD dwStyle, DWORD dwExStyle, UINT nID);

    // The default size; along a stretched edge 32767 (the layout cuts it to the frame's extent).
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // The sizable bar's record with the template id.
    void GetBarInfo(CControlBarInfo* pInfo) override;

    // Key messages for the bar and its controls: the frames' accelerators, then the dialog manager
    // (see the top of this file). TRUE when the message was used.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    CSize m_sizeDefault; // the window's size as the template made it
    UINT m_nResourceID;  // the template's id, kept for saved layouts (0 for a named template)
    void* m_pInitCookie; // handed to the control-container hook at WM_INITDIALOG (null: none)

protected:
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
