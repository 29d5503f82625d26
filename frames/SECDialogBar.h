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
// Not done yet: the dialog manager's keyboard handling (tabbing between the bar's controls), which
// needs the frame's message loop to offer messages to the bar.
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

    CSize m_sizeDefault; // the window's size as the template made it
    UINT m_nResourceID;  // the template's id, kept for saved layouts (0 for a named template)
};
