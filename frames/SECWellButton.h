// SECWellButton: an owner-drawn button that shows a colour and drops a colour well to pick another.
//
// Content (inside the frame's content rectangle r): a black triangle pointing down, 5 wide and 3 high,
// its left column 7 pixels from r's right, centred vertically; a shadow line and a highlight line 10
// and 9 pixels from r's right, 2 pixels from r's top and bottom; unless the button is disabled, the
// colour box from (r.left + 3, r.top + 2) to (r.right - 13, r.bottom - 2), framed black and filled
// with the colour (through the one-entry palette, realised into the DC, with the realise-palette flag).
//
// A click opens the popup well (SECColorWell.h) under the button, afresh, with the show-other flag,
// the current colour selected, the realise-palette flag and the button as the window it reports to.
// SEC_WM_COLORSELECTED (from the popup) stores the colour, repaints and sends SEC_WM_COLORSELECTED
// (the button's id, the colour) to the parent. SEC_WM_OTHERCOLOR runs the colour dialog at the current
// colour with the button's dialog flags and custom colours (none set: the program's shared set); OK
// takes the colour as SEC_WM_COLORSELECTED does, a cancel changes nothing.
//
// DDX_WellColor moves a colour between a well button or a colour well of a dialog and a member.
#pragma once

#include "frames/SECColorWell.h"
#include "frames/SECOwnerDrawButton.h"

class CDataExchange;

class SECWellButton : public SECOwnerDrawButton {
    DECLARE_DYNAMIC(SECWellButton)
    DECLARE_MESSAGE_MAP()
public:
    SECWellButton();
    ~SECWellButton() override;

    // Stores the colour and repaints.
    void SetColor(COLORREF clr);
    COLORREF GetColor() const;
    // Draws the colour through the button's palette (FALSE at start).
    void SetRealizePalette(BOOL bRealize) { m_wellBtnState.bRealizePalette = bRealize; }
    BOOL GetRealizePalette() const { return m_wellBtnState.bRealizePalette; }
    // The popup has the "&Other..." button (TRUE at start).
    void SetShowOtherButton(BOOL bShow) { m_wellBtnState.bShowOther = bShow; }
    BOOL GetShowOtherButton() const { return m_wellBtnState.bShowOther; }
    // The colour dialog's flags (CC_RGBINIT | CC_FULLOPEN at start).
    void SetColorDialogFlags(DWORD dwFlags) { m_wellBtnState.dwDialogFlags = dwFlags; }
    DWORD GetColorDialogFlags() const { return m_wellBtnState.dwDialogFlags; }
    // The colour dialog's sixteen custom colours (not owned; null at start: the program's shared set).
    void SetCustomColors(COLORREF* pCustColors) { m_wellBtnState.pCustColors = pCustColors; }
    COLORREF* GetCustomColors() const { return m_wellBtnState.pCustColors; }
    // The popup well (owned). Setting one deletes the one before.
    SECPopupColorWell* GetPopupWell() const { return m_pPopup.get(); }
    void SetPopupWell(SECPopupColorWell* pPopup) { m_pPopup.reset(pPopup); }

    // Opens the popup well.
    void Clicked() override;
    void PrepareDraw(CDC* pDC, CDC* pMemDC) override;
    void FinishDraw(CDC* pDC, CDC* pMemDC) override;
    void DrawContent(CDC* pDC, LPDRAWITEMSTRUCT lpDIS, const CRect& rcContent) override;

protected:
    afx_msg LRESULT OnColorSelected(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnOtherColor(WPARAM wParam, LPARAM lParam);

    struct WellBtnState {
        BOOL bRealizePalette = FALSE;
        BOOL bShowOther = TRUE;
        DWORD dwDialogFlags = CC_RGBINIT | CC_FULLOPEN;
        COLORREF* pCustColors = nullptr;
        CPalette* pOldPalette = nullptr; // while drawing through the palette
    } m_wellBtnState;
    CPalette m_palette; // one entry: the colour
    std::unique_ptr<SECPopupColorWell> m_pPopup;
};

// Dialog data exchange of control nIDC, a well button or a colour well (its permanent object): reading
// takes its GetColor into clr, filling gives it SetColor(clr). Another control is refused with
// CInvalidArgException naming the id.
void DDX_WellColor(CDataExchange* pDX, int nIDC, COLORREF& clr);
