// CColorDialog: the system's colour dialog.
//
// The dialog starts at the colour given (CC_RGBINIT is always added to the caller's CC_* flags) and
// offers the sixteen custom colours of m_cc.lpCustColors: by default the program's one shared set, so
// that colours the user made stay offered for the rest of the run. After IDOK GetColor is the chosen
// colour; after a cancel it is still the colour given.
//
// Not done yet: hooks and templates, SetCurrentColor while shown.
#pragma once

#include "win/CCommonDialog.h"

class CColorDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CColorDialog)
public:
    // clrInit: the colour the dialog starts at. dwFlags: CC_* (CC_FULLOPEN opens the custom part).
    // pParentWnd: the owner's window (null: the main window).
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);
    ~CColorDialog() override;

    // Shows the dialog. IDOK when a colour was chosen, else IDCANCEL.
    INT_PTR DoModal() override;
    // The chosen colour (the initial one until a colour is chosen).
    COLORREF GetColor() const { return m_cc.rgbResult; }

    CHOOSECOLORA m_cc;
};
