// CGXBCurrencyEdit: a single-line window in which the user enters a currency amount, and its format
// (CGXBCurrencyEdit::Format).
//
// The window keeps the amount as a number (the absolute value and a sign flag) and shows it always
// formatted by its Format. It draws, selects and edits its text itself: its class "CGXBCurrencyEdit"
// (RegisterWndClass) runs the default window procedure, so nothing of the system's edit control is
// involved; the window text is the formatted amount. Typing works digit by digit on the formatted
// text, which is read again and re-formatted after every change (a text that does not read is refused
// and the old one stays); "-" changes the sign; the decimal separator key jumps into the fraction.
// Every change the user makes notifies the parent with EN_UPDATE and then EN_CHANGE (WM_COMMAND, the
// window's id in the low word), and the focus with EN_SETFOCUS and EN_KILLFOCUS. One step of undo
// toggles between two states. The drop button (shown while a bitmap is set, CGXBDropEdit) and F2
// open the pop-up calculator preset with the amount; its result comes back to this window as message
// 0x7E3 (GX_WM_CALCULATOR_RESULT) with the text in lParam, which the window itself leaves alone.
//
// Beeps and the context menu go through the class library's services seam; the clipboard is the
// system's.
//
// A text wider than the window scrolls sideways with the caret, as an edit control's does: the caret
// stays in view and the text fills the window; a text that fits sits where the alignment puts it.
#pragma once

#include "grid/controls/GXBCalculator.h"
#include "grid/controls/GXBDropEdit.h"

class CMenu;

class CGXBCurrencyEdit : public CGXBDropEdit {
    DECLARE_DYNAMIC(CGXBCurrencyEdit)
    DECLARE_MESSAGE_MAP()
public:
    // How an amount is shown and read back: symbol and sign patterns, grouping, separators, the
    // fraction's digits, a fixed integer width with a fill character, the leading zero, and the
    // colours the window uses. A value object: copies compare field by field.
    //
    // Pattern rows: the positive row picks one of four forms ("$1", "1$", "$ 1", "1 $"), the negative
    // row one of sixteen ("($1)", "-$1", "$-1", "$1-", "(1$)", "-1$", "1-$", "1$-", "-1 $", "-$ 1",
    // "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)"), as the system's locale settings number them.
    // A row outside its table is taken as its nearest end.
    class Format {
    public:
        // bUseLocale: the symbol, grouping, separators, pattern rows and fractional digits come from
        // the user's default locale (an item it does not give, or gives empty, keeps the default);
        // else the defaults: "$", "3;0", ",", ".", rows 0, 2 fractional digits. Either way the integer
        // width is unlimited, the leading zero shown, the fill a blank, no colour set and the
        // separator line in the system's button-shadow colour.
        explicit Format(BOOL bUseLocale = TRUE);
        Format(const Format& other);
        Format& operator=(const Format& other);
        virtual ~Format();

        // Reads pszText as an amount: dValue (not negative) and bNegative. An empty text is 0. A
        // parenthesis without its partner fails; both make the amount negative, and so does a "-"
        // before or after the number. The number is the span FindNumber finds; its integer part may
        // hold thousands separators, its fraction follows the last decimal separator; anything else
        // in it fails. TRUE when the text was read.
        virtual BOOL Parse(const char* pszText, double& dValue, BOOL& bNegative) const;
        // The text that shows dAmount (not negative) with the sign bNegative.
        virtual void FormatValue(double dAmount, CString& strText, BOOL bNegative) const;
        // The position of the last ch in pszText (ch 0: the decimal separator); -1 when there is none.
        virtual int FindDecimal(const char* pszText, char ch = 0) const;
        // The span of the number in pszText: from its last digit leftwards over digits, thousands
        // separators and one decimal separator (which is passed only before any separator was).
        // FALSE (nFirst and nLast -1) when the text has no digit.
        virtual BOOL FindNumber(const char* pszText, int& nFirst, int& nLast) const;
        // Copies every field of other.
        virtual void Assign(const Format& other);
        // Whether every field equals other's.
        virtual BOOL IsEqual(const Format& other) const;
        virtual BOOL IsDifferent(const Format& other) const;

        // Sets the fill character; a digit other than "0" is refused (FALSE).
        BOOL SetFillChar(char ch);
        // The colours: setting one marks it set; a getter answers FALSE while its colour is unset.
        void SetBackgroundColor(COLORREF color);
        BOOL GetBackgroundColor(COLORREF& color) const;
        void SetNegativeColor(COLORREF color);
        BOOL GetNegativeColor(COLORREF& color) const;
        void SetPositiveColor(COLORREF color);
        BOOL GetPositiveColor(COLORREF& color) const;
        // dAmount with its integer part reduced to its leading m_nIntDigits digits (the fraction kept),
        // when the width is limited and leading digits are not dropped from the text instead.
        double LimitIntegerDigits(double dAmount) const;

        // The bits of m_nColorFlags.
        enum { gxBackColor = 1, gxNegativeColor = 2, gxPositiveColor = 4 };

        BOOL m_bLeadingZero;        // a 0 before the decimal separator of amounts below 1
        BOOL m_bSeparatorLine;      // the window draws a vertical line in place of the decimal separator
        BOOL m_bDropLeadingDigits;  // a too wide integer part loses its leading characters of the text
                                    // (else the amount keeps its leading digits)
        BOOL m_bPadBeforeGrouping;  // the fill characters are grouped with the digits
        CString m_strSymbol;        // the monetary symbol
        CString m_strGrouping;      // "g;h": digits per group (only g is used)
        char m_chThousands;         // 0: no grouping
        char m_chDecimal;           // 0: shown as a blank
        char m_chFill;              // fills the integer part to its width
        COLORREF m_crBack;
        COLORREF m_crNegative;
        COLORREF m_crPositive;
        COLORREF m_crLine;          // the separator line
        int m_nColorFlags;
        int m_nPositiveFormat;      // the row of the positive patterns (0 to 3)
        int m_nNegativeFormat;      // the row of the negative patterns (0 to 15)
        int m_nIntDigits;           // the integer part's width; -1 unlimited
        int m_nFracDigits;          // the fraction's digits
    };

    // The amount 0, positive, in a format of the user's locale.
    CGXBCurrencyEdit();
    ~CGXBCurrencyEdit() override;

    // Registers the window class "CGXBCurrencyEdit" once (redrawn on resizing, double clicks, the
    // I-beam cursor, no background, the default window procedure); a failed registration raises
    // CResourceException*.
    static void RegisterWndClass();

    // ---- amount, format, selection --------------------------------------------------------------
    // The signed amount.
    void SetValue(double dValue, BOOL bRedraw = TRUE);
    // dAmount (not negative) with the sign bNegative; nothing when both are unchanged. An existing
    // window shows the formatted amount (the old text kept for undo).
    void SetValueEx(double dAmount, BOOL bNegative, BOOL bRedraw = TRUE);
    double GetValue() const;
    BOOL IsNegative() const { return m_bNegative; }
    // Takes format when it differs from the current one; an existing window shows the amount in it.
    void SetFormat(const Format& format);
    void GetFormat(Format& format) const;
    // The selection: (0, -1) everything (the caret at the end), (-1, 0) none, else two positions
    // within the text (FALSE otherwise), the caret at nEnd.
    BOOL SetSel(int nStart, int nEnd);
    // The selection's bounds in order, the end exclusive (everything resolved); FALSE when there is
    // none (both then the caret).
    BOOL GetSelRange(int& nStart, int& nEnd) const;
    int GetCaret() const { return m_nCaret; }
    // Moves the caret to nPos (0 to the text's length). bExtend: with Shift down or while the mouse
    // selects, a selection grows from the old caret (or keeps its start); else the selection goes.
    void SetCaret(int nPos, BOOL bExtend);

    // The drop button opens the calculator.
    void OnButtonClicked() override;

    // ---- operations (virtual, in this order) -------------------------------------------------------
    // Opens the pop-up calculator under the window, preset with the amount; FALSE when it could not be
    // made.
    virtual BOOL OpenCalculator();
    // A text to paste: only its digits unless the selection covers the whole number. TRUE.
    virtual BOOL FilterPasteText(CString& strText);
    // The context menu (Undo, Cut, Copy, Paste, Delete, Select All; the caller owns it) and its end.
    virtual CMenu* CreateContextMenu();
    virtual void DestroyContextMenu(CMenu* pMenu);
    // Backspace: the digit before the caret goes (integer part) or becomes 0 (fraction).
    virtual void Backspace();
    // Delete: the selection, or the digit at the caret, goes (integer part) or becomes 0 (fraction).
    virtual void DeleteChar();
    // Types pszText at the caret (or over the selection): inserted in the integer part (overwriting
    // in overwrite mode), overwriting in the fraction, shifted in from the right beyond the last
    // fractional digit in shift-entry mode.
    virtual void InsertText(const char* pszText);
    // Fills the client area (one pixel more on every side) with the background colour.
    virtual void EraseBackground(CDC* pDC);
    // Keeps pszText (null: the window text) and nCaret (-1: the caret) and the selection as the undo
    // step.
    virtual void SaveUndo(const char* pszText = nullptr, int nCaret = -1);
    // The caret: a border wide, a line high, at nPos and shown / gone with the selection.
    virtual void CreateEditCaret(int nPos);
    virtual void RemoveEditCaret();
    // The vertical line that stands for the decimal separator, at x.
    virtual void DrawSeparatorLine(CDC* pDC, int x);
    // "-": a selection that covers the whole number and more makes the amount negative; anything
    // else flips the sign.
    virtual void ToggleSign();
    // Switches overwrite mode for the integer part; the new state.
    virtual BOOL ToggleOverwrite();

    // The undo step is present; the window is read-only (ES_READONLY).
    BOOL CanUndo() const { return m_bCanUndo; }
    BOOL IsReadOnly() const;

    // Typing beyond the last fractional digit shifts the fraction in from the right.
    BOOL m_bShiftEntry = FALSE;
    // Not used by the window; the currency cell gives it to the formats it makes.
    BOOL m_bPadBeforeGrouping = FALSE;

protected:
    // ---- the text -------------------------------------------------------------------------------
    CString GetText() const;
    // Sets the window text without reading it.
    void SetTextNoParse(const CString& strText);
    // Sets the window text as WM_SETTEXT does (read and re-formatted; refused when it does not read)
    // without painting; TRUE when it was taken.
    BOOL SetTextParsed(const CString& strText);
    // Sends the parent EN_UPDATE, invalidates, sends EN_CHANGE: a change the user made.
    void NotifyChange();
    void Notify(UINT nCode);
    // The caret position before the decimal separator (after it when the integer width is 0), or
    // after the last digit when the text has none; -1 when it has no digit either.
    int CaretAtDecimal(const CString& strText) const;
    // The index of the nDigit-th digit (from 0) of strText; -1 when there are fewer.
    static int IndexOfDigit(const CString& strText, int nDigit);
    static int CountDigits(const CString& strText, int nEnd);
    // The text as the user sees it (the separator a blank under the separator line).
    CString GetDisplayText() const;
    // The rectangle the text is drawn in (moved by the scroll offset), and the character under point.
    CRect GetTextRect(CDC* pDC, const CString& strText) const;
    // Sets the scroll offset for strText, measured in pDC: 0 when the text fits; else the caret stays
    // in view, the offset moving as little as it can, and the text fills the room. TRUE when it
    // changed.
    BOOL ScrollToCaret(CDC* pDC, const CString& strText);
    int CharFromPoint(CPoint point);
    // Draws the text into pDC (the client area).
    void PaintText(CDC* pDC);
    COLORREF GetBackColor() const;
    COLORREF GetTextColor() const;
    // Puts the caret where typing goes: into the number, at the separator when it lies outside.
    void KeepCaretInNumber();
    // Sets the new text through SetTextParsed, ends with the caret at nCaret and, when the text
    // changed, the undo step (strOld, nOldCaret) and the notifications.
    void FinishEdit(const CString& strOld, int nOldCaret, int nCaret);
    // Moves the system caret to the caret's place.
    void PlaceCaret();
    BOOL IsKeyDown(int nVirtKey) const;
    // The clipboard's CF_TEXT into strText; FALSE when it holds none.
    static BOOL ReadClipboardText(CString& strText);

    // ---- commands ---------------------------------------------------------------------------------
    void OnEditUndo();
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();
    void OnEditClear();
    void OnEditSelectAll();

    // ---- messages -------------------------------------------------------------------------------
    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCutMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCopyMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPasteMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUndoMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCanUndo(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEmptyUndoBuffer(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetSel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetSelMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetReadOnly(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetMargins(WPARAM wParam, LPARAM lParam);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);

    BOOL m_bNegative = FALSE;
    BOOL m_bCanUndo = FALSE;
    // WM_SETTEXT reads the text as an amount and shows it formatted (cleared around the window's own
    // text updates).
    BOOL m_bParseOnSetText = TRUE;
    // Changes invalidate and WM_PAINT paints.
    BOOL m_bRedraw = TRUE;
    // The left button is down in the text: caret moves extend the selection.
    BOOL m_bMouseSelecting = FALSE;
    BOOL m_bOverwrite = FALSE;
    CString m_strUndoText;
    int m_nUndoCaret = -1;
    int m_nUndoSelStart = -1;
    int m_nUndoSelEnd = 0;
    // The absolute amount.
    double m_dValue = 0;
    Format* m_pFormat;  // owned
    HFONT m_hFont = nullptr;
    int m_nCaret = 0;
    // The selection: none when the start is -1 or equals the end; (0, -1) everything.
    int m_nSelStart = -1;
    int m_nSelEnd = 0;
    int m_nRightMargin = 0;
    int m_nLeftMargin = 0;
    // How far the text is moved left of where its alignment puts it, in pixels (negative: right).
    int m_nScrollOffset = 0;
};
