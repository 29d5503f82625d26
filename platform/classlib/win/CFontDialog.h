// CFontDialog: the system's font dialog.
//
// The dialog starts from the LOGFONT given (CF_INITTOLOGFONTSTRUCT is added when there is one) and
// answers in m_lf and m_cf: GetSize is the point size in tenths of a point, the effects (colour,
// underline, strike-out) are offered with CF_EFFECTS; CF_SCREENFONTS lists the screen's fonts.
//
// Not done yet: printer fonts, hooks and templates, GetCurrentFont while shown.
#pragma once

#include "win/CCommonDialog.h"

class CFontDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CFontDialog)
public:
    // lplfInitial: the font the dialog starts from (null: none). dwFlags: CF_*. pParentWnd: the owner's
    // window (null: the main window).
    explicit CFontDialog(const LOGFONTA* lplfInitial = nullptr, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                         CWnd* pParentWnd = nullptr);
    ~CFontDialog() override;

    // Shows the dialog. IDOK when a font was chosen, else IDCANCEL.
    INT_PTR DoModal() override;

    // The chosen font: face name, size in tenths of a point, weight (FW_*), effects and colour.
    CString GetFaceName() const;
    int GetSize() const { return m_cf.iPointSize; }
    int GetWeight() const { return int(m_lf.lfWeight); }
    BOOL IsItalic() const { return m_lf.lfItalic != 0; }
    BOOL IsUnderline() const { return m_lf.lfUnderline != 0; }
    BOOL IsStrikeOut() const { return m_lf.lfStrikeOut != 0; }
    COLORREF GetColor() const { return m_cf.rgbColors; }

    CHOOSEFONTA m_cf;
    LOGFONTA m_lf;
};
