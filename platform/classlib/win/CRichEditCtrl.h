// CRichEditCtrl: a rich edit control of the system's Rich Edit 1.0 library (RICHED32.DLL, window
// class "RICHEDIT"); thin wrappers of its EM_ messages. AfxInitRichEdit loads the library; Create does
// it first itself, a control in a dialog template needs it called before the dialog is made.
//
// Text goes in and out as plain text or Rich Text Format through StreamIn and StreamOut with the
// caller's EDITSTREAM; character positions are counted in bytes of the plain text. Under Wine the RTF
// written differs in its bytes from what was read: compare texts and formats, not RTF.
//
// Not done yet: OLE objects in the text, banded display (DisplayBand).
#pragma once

#include "win/CWnd.h"

#include <richedit.h>

// Loads the rich edit library once. TRUE when it is there.
BOOL AfxInitRichEdit();

class CRichEditCtrl : public CWnd {
    DECLARE_DYNAMIC(CRichEditCtrl)
public:
    CRichEditCtrl();
    ~CRichEditCtrl() override;

    // Creates the control as a child of pParentWnd (style ES_*, WS_*; WS_CHILD added), rectangle in the
    // parent's client coordinates, control id nID. FALSE when no window was made (the library missing).
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Text in (replacing all, or the selection with SFF_SELECTION) and out; nFormat SF_TEXT or SF_RTF.
    // Returns the number of bytes read or written.
    long StreamIn(int nFormat, EDITSTREAM& es);
    long StreamOut(int nFormat, EDITSTREAM& es);
    long GetTextLength() const;
    // The selection: from cpMin up to cpMax (-1: the end).
    void GetSel(CHARRANGE& cr) const;
    void SetSel(const CHARRANGE& cr);
    void SetSel(long nStartChar, long nEndChar);
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE);
    // The line of character nIndex (-1: of the selection's start).
    long LineFromChar(long nIndex) const;
    // Limits the text to nChars bytes (0: the control's default).
    void LimitText(long nChars = 0);
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);
    // The notifications the control sends (ENM_*). Returns the previous mask.
    DWORD SetEventMask(DWORD dwEventMask);
    // ECO_* options: wOp ECOOP_SET, ECOOP_OR, ECOOP_AND or ECOOP_XOR. Returns the options now in force.
    UINT SetOptions(WORD wOp, DWORD dwFlags);
    // The background: the system's window colour (bSysColor) or cr. Returns the previous colour.
    COLORREF SetBackgroundColor(BOOL bSysColor, COLORREF cr);
    // The device and line width (twips) the text is laid out for (null, 0: the window's width).
    BOOL SetTargetDevice(HDC hDC, long lLineWidth);
    // Lays out (and with bDisplay draws) the range of pfr into its DC; null releases the cached layout.
    // Returns the first character that did not fit.
    long FormatRange(FORMATRANGE* pfr, BOOL bDisplay = TRUE);
    // Asks the control to report the size its text needs (EN_REQUESTRESIZE).
    void RequestResize();
    // Searches pFindText->chrg for pFindText->lpstrText (FR_MATCHCASE, FR_WHOLEWORD; FR_DOWN always
    // meant in Rich Edit 1.0). Returns the position found, -1 when none; chrgText gets the match.
    long FindText(DWORD dwFlags, FINDTEXTEXA* pFindText) const;
    // Character formats of the selection (Get: the mask tells which are the same all over it) and
    // paragraph formats of the selected paragraphs.
    DWORD GetSelectionCharFormat(CHARFORMATA& cf) const;
    BOOL SetSelectionCharFormat(CHARFORMATA& cf);
    DWORD GetParaFormat(PARAFORMAT& pf) const;
    BOOL SetParaFormat(PARAFORMAT& pf);
    // The clipboard: the selection to it, its text into the selection.
    void Copy();
    void Paste();
};
