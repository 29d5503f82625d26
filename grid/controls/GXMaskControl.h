// CGXMaskControl: the masked edit cell (control id 52535 "Masked Edit"). The user types into a fixed
// pattern (CGXMaskData, grid/controls/mask/GXMaskData.h) taken from the cell's user attribute 51023
// "Maskedit: Input Mask", with the prompt of 51024 "Maskedit: Prompt Char" ("_" when empty). The cell
// stores the raw data (what was typed, without literals, trailing blanks trimmed) and shows the
// display string with its prompts; an empty value draws as an empty cell. An empty pattern is free
// text limited by the style's MaxLength.
//
// It is the edit cell (CGXEditControl) in everything else: the window, its font, colours and
// placement over the cell (always one line high), hiding, borders, preferred size, modified flag,
// Cut, search. Two masks: the editor's, and one that formats and converts the values of any cell.
//
// Typing in the focused editor works in positions: a character goes to the next editable position
// from the caret, in insert mode (the start; Insert toggles) shifting the following characters right
// (nothing happens when the last editable position is filled), in overwrite mode replacing; a
// character its position refuses beeps (the services' MessageBeep) and changes nothing. Backspace and
// Delete remove characters and shift the rest left; Home and End go to the first editable position
// and to the input end; Left at the first position, Right past the display, Up, Down, Enter, Tab,
// Escape, Page Up, Page Down, F1 to F24 and every key with Ctrl reach the grid.
//
// Clipboard: Copy puts the raw data on the clipboard as "GX_MASKDATA" (all positions of an inactive
// cell, the selected positions of an active editor, nothing for an empty selection) beside the text
// the base Copy sets; Paste takes "GX_MASKDATA" as raw data and a plain text as a display text (else as
// raw data); only "GX_MASKDATA" enables Paste. A paste with no selection inserts at the caret.
//
// Does not do yet: a press inside the selected text starts no drag (as the edit cell).
#pragma once

#include "grid/controls/GXEditControl.h"

class CGXMaskData;

class CGXMaskControl : public CGXEditControl {
    DECLARE_DYNAMIC(CGXMaskControl)
    DECLARE_MESSAGE_MAP()
    GX_DECLARE_CONTROL(CGXMaskControl)
public:
    // A masked edit cell of pGrid; nID is its control id and window id; pMaskClass the run-time class
    // of its two masks (a CGXMaskData or a class derived from it; null: CGXMaskData).
    CGXMaskControl(CGXGridCore* pGrid, UINT nID, CRuntimeClass* pMaskClass = nullptr);
    ~CGXMaskControl() override;

    // Registers 51023 (a text) and 51024 (a text of at most one character).
    static void RegisterUserAttributes(CGXStylesMap& stylesMap);
    // The clipboard format "GX_MASKDATA".
    static UINT GetMaskDataFormat();
    // Gives the mask engine the system's code page (double bytes, letters, digits, case) and
    // registers "GX_MASKDATA"; once.
    static void InitMaskSupport();

    // ---- the cell control ------------------------------------------------------------------------
    // As CGXStatic: the float module's answer.
    BOOL CanFloatCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, BOOL bFloatCell) override;
    // Active and modified with an editor text its pattern refuses: FALSE, no message. Else the base.
    BOOL ValidateInput() override;
    // The active current cell: the edit cell's editor, one line high. Other cells: static text of
    // GetControlText.
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // The editor mask's display string (empty when not initialised).
    void GetCurrentText(CString& strResult) override;
    // Activates; a text ValidateString accepts is parsed as a display text into the editor, modified,
    // and the grid told.
    void SetValue(const char* pszValue) override;
    // The editor mask's raw data, TRUE (FALSE when not initialised).
    BOOL GetValue(CString& strResult) override;
    // The cell's pattern loaded into the editor mask, pszText placed as raw data, the display shown.
    void SetCurrentText(const char* pszText) override;
    // The display string of pszValue (else the style's Value) under the style's pattern; an empty
    // value gives an empty text. FALSE when the value cannot be placed.
    BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, const char* pszValue,
                        const CGXStyle& style) override;
    // A display text (with literals) or raw data into the raw data; FALSE when neither fits.
    BOOL ConvertTextToValue(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle) override;
    // The edit cell's click handling, the caret then snapped to an editable position within the input.
    BOOL OnLButtonUp(UINT nFlags, CPoint point) override;
    BOOL OnLButtonDblClk(UINT nFlags, CPoint point) override;
    // End, Home and Delete on the inactive cell.
    BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // A character typed while the editor does not have the focus.
    BOOL OnGridDoubleByteChar(const CString& strChar, UINT nRepCnt, UINT nFlags) override;
    // See the top of this file.
    BOOL Copy() override;
    BOOL Paste() override;
    BOOL CanPaste() override;
    // Pastes pszText at the editor's selection (see the top of this file); inactive: the base.
    BOOL StoreTextInCell(const char* pszText) override;
    // The edit cell's replace-all on the display string; the editor then shows what the cell holds.
    BOOL ReplaceSel(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol) override;
    // One line: the edit cell's single-line style, left-aligned when keep-left is set.
    DWORD CalcEditStyle(CRect& rectFormat, int nLineHeight) override;

    CGXMaskData* GetEditMask() const { return m_pEditMask; }
    BOOL GetInsertMode() const { return m_bInsertMode; }

    // Loads the pattern, prompt and maximum length of style into mask.
    static void LoadStyleMask(CGXMaskData& mask, const CGXStyle& style);

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnWindowLButtonUp(WPARAM wParam, LPARAM lParam);

    // An empty value formats as the pattern of prompts (never set by the cell).
    BOOL m_bDisplayEmpty = FALSE;
    // The editor never centres or right-aligns (never set by the cell).
    BOOL m_bKeepLeft = FALSE;
    CGXMaskData* m_pEditMask;    // owned
    CGXMaskData* m_pFormatMask;  // owned
    BOOL m_bInsertMode = TRUE;
    // A "GX_MASKDATA" text is being pasted.
    BOOL m_bRawPaste = FALSE;

private:
    // The selection in positions.
    void GetSelPos(int& nStart, int& nEnd) const;
    // The selection from position nStart to nEnd.
    void SetSelPos(int nStart, int nEnd);
    // The window shows the editor mask's display, modified; the caret at position nCaret.
    void ShowDisplay(int nCaret);
    // Position nPos moved to an editable position within the input.
    int SnapPos(int nPos) const;
    // The caret snapped when the selection is empty.
    void SnapCaret();
    // The refused character: a beep and OnInvalidInput.
    void RefuseChar(const CString& strChar);
    // Ctrl or Shift held (the key-state seam).
    static BOOL IsKeyHeld(int nVirtKey);
    // Empties the clipboard of the grid window.
    void EmptyGridClipboard();
};
