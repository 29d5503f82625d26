// CEdit: a single- or multi-line edit control ("EDIT" class); thin wrappers of the EM_ messages.
//
// Not done yet: cue banners, balloon tips.
#pragma once

#include "win/CWnd.h"

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit();
    ~CEdit() override;

    // Creates the edit control as a child of pParentWnd (style ES_*, WS_*; WS_CHILD added),
    // rectangle in the parent's client coordinates, control id nID. FALSE when no window was made.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The selection (EM_GETSEL, EM_SETSEL; nEndChar -1: to the end).
    void GetSel(int& nStartChar, int& nEndChar) const;
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    // Replaces the selection with lpszNewText.
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE);
    // Limits the text to nChars bytes (0: the system's maximum) / the limit.
    void SetLimitText(UINT nMax);
    void LimitText(int nChars = 0);
    UINT GetLimitText() const;
    // Lines of a multi-line control.
    int GetLineCount() const;
    // Line nIndex into rString (empty past the last line).
    void GetLine(int nIndex, CString& rString) const;
    int LineIndex(int nLine = -1) const;
    int LineFromChar(int nIndex = -1) const;
    int LineLength(int nLine = -1) const;
    void LineScroll(int nLines, int nChars = 0);
    // The first line shown (a single-line control: the first character shown).
    int GetFirstVisibleLine() const;
    // Sets the formatting rectangle (client coordinates) of a multi-line control; SetRectNP without
    // repainting.
    void SetRect(LPCRECT lpRect);
    void SetRectNP(LPCRECT lpRect);
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    void SetPasswordChar(char ch);
    // The modified flag (EM_GETMODIFY, EM_SETMODIFY).
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);
    // Clipboard and undo (WM_UNDO, WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR, EM_CANUNDO, EM_EMPTYUNDOBUFFER).
    BOOL Undo();
    BOOL CanUndo() const;
    void EmptyUndoBuffer();
    void Cut();
    void Copy();
    void Paste();
    void Clear();
};
