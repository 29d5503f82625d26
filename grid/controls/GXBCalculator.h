// CGXBCalculator: a four-function calculator drawn entirely by one window: a display line over a grid
// of keys (CGXBCalcBtn objects, not child windows). It works strictly from left to right: every
// operator key first applies the pending operator to the running total and the entry (2 + 3 * 4 =
// gives 20). Percent takes the entry as a percentage of the total for a pending multiplication or
// division and gives 0 otherwise. Division by zero and results with more than 13 integer characters
// (or more than the display holds) show "Error " until C or CE; digits, the separator, backspace and
// operators then beep, and so do keys refused for the entry's length.
//
// CGXBPopupCalculator: the same calculator as a pop-up under an owner window (the currency edit's drop
// button opens one). It closes when it loses the focus or on Escape; Return, Alt+Down and (with
// window style bit 0x10) its own Enter key send the result text to the owner as
// GX_WM_CALCULATOR_RESULT and close it. With m_bAutoDelete the object deletes
// itself once its window is gone.
//
// Window style bits of the class's own: 0x1 draws its own two-pixel 3-D border (no system border),
// 0x2 a 3-D line above the display, 0x10 (pop-up) its Enter key sends the result and closes.
//
// Keyboard: the characters and virtual keys of the key table press the keys (digits, the decimal
// separator, + - * / %, c, e, Backspace and Delete, = and Return); Tab moves to the next control of a
// calculator that is not a pop-up. Beeps go through the class library's services seam.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "win/CGdiObject.h"
#include "win/CWnd.h"

// The message through which the pop-up calculator hands its result (lParam: the text) to its owner.
#define GX_WM_CALCULATOR_RESULT 0x07E3

class CCreateContext;
class CDC;

// One key of the calculator.
class CGXBCalcBtn : public CObject {
    DECLARE_DYNAMIC(CGXBCalcBtn)
public:
    // The bits of m_nState.
    enum { gxPressed = 1, gxNewRow = 2 };

    // A key of nWidth units with its label, code, keyboard characters (kept in lower case), virtual key
    // (0: none), text colour and font; bNewRow: it starts a row. phBitmap (may be null) points to the
    // handle of an image drawn on it.
    CGXBCalcBtn(const char* pszLabel, int nCode, const char* pszKeys, int nVirtKey, int nWidth, COLORREF crText,
                HFONT hFont, BOOL bNewRow, HBITMAP* phBitmap = nullptr);

    // Draws the key into m_rect of pDC: sunken edge and frame, then pressed (flat, the content two
    // pixels right and down) or raised; the image 5 pixels from the left beside a label, else centred;
    // the label centred on one line.
    virtual void Draw(CDC* pDC);

    BOOL IsPressed() const { return (m_nState & gxPressed) != 0; }
    void SetPressed(BOOL bPressed);

    HFONT m_hFont;
    HBITMAP* m_phBitmap;
    COLORREF m_crText;
    CString m_strLabel;
    CString m_strKeys;
    int m_nVirtKey;
    int m_nWidth;
    CRect m_rect;
    int m_nState;
    int m_nCode;
};

class CGXBCalculator : public CWnd {
    DECLARE_DYNAMIC(CGXBCalculator)
    DECLARE_MESSAGE_MAP()
public:
    // The key codes HandleCode takes.
    enum KeyCode {
        gxMultiply = 1, gxAdd = 2, gxSubtract = 3, gxDivide = 4, gxPercent = 5, gxEquals = 6, gxClear = 7,
        gxClearEntry = 8, gxDigit0 = 9, gxDigit9 = 18, gxDecimal = 19, gxBackspace = 20
    };
    // The bits of m_nFlags.
    enum { gxTracking = 1, gxLeadByte = 2, gxPreset = 4, gxError = 8 };
    // The class's own window style bits.
    enum : DWORD { gxStyle3dBorder = 0x1, gxStyleTopLine = 0x2, gxStyleEnterCloses = 0x10 };

    CGXBCalculator();
    // Deletes the keys, the fonts and the Enter key's image.
    ~CGXBCalculator() override;

    // Creates the window at (x, y) of the size its keys need (adjusted for the frame) as a child or
    // pop-up of pOwner, id nID: the separator taken, the system colours refreshed, the calculator
    // reset (a preset value kept), the keys and fonts made when there are none, the layout done.
    // Style bit gxStyle3dBorder drops WS_BORDER and the client, static and dialog-frame edges. The
    // preset mark goes. FALSE when no window was made.
    virtual BOOL Create(DWORD dwExStyle, DWORD dwStyle, int x, int y, CWnd* pOwner, UINT nID,
                        CCreateContext* pContext = nullptr);
    // Resets and takes dAmount as the total shown (preset when the window does not exist yet).
    void SetValue(double dAmount);
    // The total 0 and an empty entry (unless a preset waits for the window), no error, no pending
    // operator, the next digit starting an entry; the display repainted.
    void Reset();
    // The keys, fonts and layout as Create makes them, for pOwner's font (null: the system font); the
    // client size the calculator needs for dwStyle.
    CSize PrepareLayout(CWnd* pOwner, DWORD dwStyle);

    // The text the display shows: "Error " in the error state, else the entry ("0" and the separator
    // when it is empty; the separator added when it has none).
    CString GetDisplayText() const;
    // The running total, the entry and whether the calculator shows an error.
    double GetTotal() const { return m_dTotal; }
    const CString& GetEntry() const { return m_strEntry; }
    BOOL IsError() const { return (m_nFlags & gxError) != 0; }

    // ---- virtual operations, in this order --------------------------------------------------------
    // Makes the key font (the owner's font, else the system font, bold) and the keys. FALSE when the
    // font cannot be made.
    virtual BOOL InitButtons(CWnd* pOwner);
    // Makes the display font (the owner's, normal weight) and takes the display's height from it.
    virtual BOOL InitDisplay(CWnd* pOwner);
    // Runs the handler of a key code (KeyCode); its result, 0 for an unknown code.
    virtual BOOL HandleCode(int nCode);
    // The user locale's decimal separator (one character; "." when it gives none).
    virtual CString GetDecimalSeparator();
    // The window-class style: 0 here.
    virtual UINT GetClassStyle();
    // Paints the whole client area into pDC.
    virtual void Draw(CDC* pDC);

protected:
    // The handlers of the key codes.
    BOOL OnDigit(int nCode);
    BOOL OnDecimal(int nCode);
    BOOL OnBackspace(int nCode);
    BOOL OnOperator(int nCode);
    BOOL OnClear(int nCode);
    BOOL OnClearEntry(int nCode);
    // Rebuilds the entry from the total (or goes into the error state).
    void EntryFromTotal();
    // Beeps through the services seam.
    static void Beep();
    // In the error state: beeps and answers TRUE (the key is refused).
    BOOL RefusedInError() const;
    // A shown result gives way to a new, empty entry.
    void StartEntry();
    // Repaints the display now.
    void InvalidateDisplay();
    // The key under point (client coordinates); -1 when none.
    int KeyFromPoint(CPoint point) const;
    // Draws key nIndex pressed or released and repaints it at once.
    void ShowKeyPressed(int nIndex, BOOL bPressed);
    // Presses key nIndex as the keyboard does: drawn pressed, handled, drawn released.
    void PressKey(int nIndex);
    // The client size of the laid-out keys for dwStyle.
    CSize LayoutButtons(DWORD dwStyle);
    // The window's size for the laid-out keys, the styles adjusted for the own border.
    CSize CalcWindowSize(CWnd* pOwner, DWORD& dwStyle, DWORD& dwExStyle);
    // Deletes the keys.
    void DeleteButtons();

    afx_msg void OnPaint();
    afx_msg void OnSysColorChange();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

    int m_nFlags = 0;
    char m_chLeadByte = 0;
    double m_dTotal = 0;
    int m_nPendingOp = 0;
    BOOL m_bNewEntry = TRUE;
    int m_nPrecision = 15;
    // Until the display is measured, the entry is held to the longest the rules allow.
    int m_nCapacity = 16;
    CRect m_rcDisplay;
    CString m_strEntry;
    CString m_strDecimal;
    CFont m_fontButtons;
    CFont m_fontDisplay;
    HBITMAP m_hEnterBitmap = nullptr;
    CSize m_sizeUnit;
    int m_nTopMargin = 1;
    int m_nLeftMargin = 4;
    int m_nRowGap = 1;
    int m_nColumnGap = 0;
    int m_nTrackedKey = -1;
    // The keys (owned), in the order of the key table.
    CObArray m_arrButtons;
};

class CGXBPopupCalculator : public CGXBCalculator {
    DECLARE_DYNAMIC(CGXBPopupCalculator)
    DECLARE_MESSAGE_MAP()
public:
    CGXBPopupCalculator();

    // Creates the pop-up (WS_POPUP added) below rectOwner (screen), above it when it would reach the
    // work area's bottom, its right edge at the owner's right when it would reach the work area's
    // right edge; pOwner receives the result. The pop-up takes the focus. FALSE when no window was
    // made.
    BOOL CreatePopup(DWORD dwStyle, const CRect& rectOwner, CWnd* pOwner, CCreateContext* pContext = nullptr);
    // After the base: the Enter key of a pop-up with gxStyleEnterCloses sends the result and closes.
    BOOL HandleCode(int nCode) override;
    // CS_SAVEBITS.
    UINT GetClassStyle() override;
    // Sends the owner GX_WM_CALCULATOR_RESULT with the entry (wParam 0, lParam the text), unless the
    // calculator shows an error or the owner is gone.
    virtual void SendResult();

    // The object deletes itself once its window is destroyed.
    BOOL m_bAutoDelete = FALSE;

protected:
    // The equals step, the result sent, the window destroyed.
    void Accept();

    void PostNcDestroy() override;
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

    HWND m_hWndOwner = nullptr;
};
