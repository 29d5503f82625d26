// CGXRichEditCtrl: the rich text cell (control id 52534 "Rich Edit"). The cell's Value is a Rich Text
// Format text; the active current cell edits it in a Rich Edit 1.0 control (CRichEditCtrl over the
// system's RICHED32), and inactive cells are rendered from the same text by a hidden draw shadow
// (EM_FORMATRANGE into the cell rectangle). Font, alignment and text colour applied to a cell are
// written into the formatting of its text rather than kept in its style. With the style's AutoSize
// the cell's row grows while the user types and shrinks back, never below its height when the cell
// was made current. The editor's own size notices come late on this platform and in the middle of
// its key handling, so the size is asked again after each key and edit; the grid stores and
// initialises the current cell when its row changes size, and the editor is given back its text,
// selection, modified state and focus.
//
// Four hidden rich edit controls (children of the editor, far outside its client area) do the work
// for cells without a window: the draw shadow renders, the text shadow gives plain text, searches
// and replaces and rewrites formatting, the measure shadow reports the size a text needs, the format
// shadow reads a value's formatting. Each keeps the last text it was loaded with and is loaded again
// only for a different text. The draw shadow renders with EM_FORMATRANGE; where the rich edit control
// lays nothing out that way (this platform's answers every EM_FORMATRANGE with 0), the shadow takes
// the cell's size and paints itself (WM_PRINTCLIENT) into a screen bitmap that is copied into the
// cell, scaled by the target's mapping when printing. Printing in black and white makes the text
// black on white.

// Plain text typed or pasted into an inactive cell, or stored through SetControlText, is cut to the
// style's MaxLength, its backslashes and braces escaped (\\, \{, \}) so that it reads back as typed,
// and wrapped as "{" text "}".
//
// Keys in the editor: Escape, Tab, Page Up, Page Down, F1 to F24 and Ctrl+C, V, X reach the grid;
// Enter does unless the style allows Enter; Left at the start, Right at the end, Up on the first and
// Down on the last line leave the cell. Shift+Insert pastes, Ctrl+Insert copies, Shift+Delete cuts.
//
// Does not do yet: printed text wraps to the window's width (the rich edit control of this platform
// ignores a printer as target device).
#pragma once

#include "grid/controls/GXStatic.h"
#include "win/CRichEditCtrl.h"

class CGXRichEditCtrl : public CRichEditCtrl, public CGXControl {
    DECLARE_DYNAMIC(CGXRichEditCtrl)
    DECLARE_MESSAGE_MAP()
    GX_DECLARE_CONTROL(CGXRichEditCtrl)
public:
    // A rich text cell of pGrid; nID is its control id. The windows are made by the first Init.
    CGXRichEditCtrl(CGXGridCore* pGrid, UINT nID);
    ~CGXRichEditCtrl() override;

    // Makes the editor (dwStyle less WS_VISIBLE and WS_BORDER, at 0,0-10,10 in the grid window, child
    // id nID) and the four hidden shadow controls. FALSE when the editor was not made.
    BOOL Create(DWORD dwStyle, UINT nID);

    // The style's horizontal alignment, font and text colour as rich edit formats (only the parts
    // the style includes are masked).
    virtual void StyleToFormats(PARAFORMAT& pf, CHARFORMATA& cf, const CGXStyle& style);
    // The masked parts of the formats into style (bold: weight 700, else 400; size: whole points).
    // TRUE when any part was defined.
    virtual BOOL FormatsToStyle(const PARAFORMAT& pf, const CHARFORMATA& cf, CGXStyle& style);

    // The text with backslashes and braces escaped and wrapped as "{" text "}".
    static CString WrapPlainText(const CString& strText);

    // ---- the cell control ------------------------------------------------------------------------
    CRuntimeClass* GetWndRuntimeClass() override;
    CWnd* GetWndPtr() const override;
    // Active only with a window; becoming active fetches the cached style again.
    void SetActive(BOOL bActive) override;
    BOOL IsActive() override;
    void SetModify(BOOL bModified) override;
    BOOL GetModify() override;
    // The base Init, the windows made when missing, the formats of the style, the Value streamed in,
    // everything selected, not modified; the row's height noted.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // Modified: deactivates and stores the editor's Rich Text Format through the grid.
    BOOL Store() override;
    // The base rectangle less the static text margins.
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect = nullptr, const CGXStyle* pStyle = nullptr) override;
    CSize AddBorders(CSize size, const CGXStyle& style) override;
    // The size the measure shadow asks for the cell's text at the cell's (or its block's) width.
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                   BOOL bVertical) override;
    // The active current cell: the editor shown over it. Other cells: the value rendered by the draw
    // shadow; an empty value draws only the background.
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // Active: the editor's plain text; initialised: the cell's plain text; else empty.
    void GetCurrentText(CString& strResult) override;
    // Activates; pszValue wrapped as plain text goes into the editor, modified, the grid told.
    void SetValue(const char* pszValue) override;
    // Active: the editor's Rich Text Format; else the style's Value. FALSE when not initialised.
    BOOL GetValue(CString& strResult) override;
    // Streams the text into the editor as Rich Text Format.
    void SetCurrentText(const char* pszText) override;
    // The plain text of pszValue (else the style's Value) through the text shadow.
    BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, const char* pszValue,
                        const CGXStyle& style) override;
    // Refused while the grid's read-only guard holds; else the base store of the converted text.
    BOOL SetControlText(ROWCOL nRow, ROWCOL nCol, const char* pszText, UINT nFlags = 2,
                        const CGXStyle* pOldStyle = nullptr) override;
    // Cut to MaxLength, escaped and wrapped (WrapPlainText). TRUE.
    BOOL ConvertTextToValue(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle) override;
    // Alignment, font and text colour go into the text's formatting (see the top of this file).
    BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nKind,
                          const CGXStyle* pCurrentStyle) override;
    // The formats of the editor's selection (active current cell) or of the whole value, as style.
    void GetValueIntoStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style) override;
    void Hide() override;
    BOOL OnLButtonUp(UINT nFlags, CPoint point) override;
    BOOL OnLButtonDblClk(UINT nFlags, CPoint point) override;
    // End, Home and Delete on the inactive cell.
    BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL OnGridDoubleByteChar(const CString& strChar, UINT nRepCnt, UINT nFlags) override;
    BOOL Copy() override;
    // "Rich Text Format" on the clipboard goes into the editor (an inactive cell is activated first);
    // otherwise the base paste.
    BOOL Paste() override;
    BOOL Cut() override;
    BOOL CanPaste() override;
    // Searches the editor, or another cell's text in the text shadow (a match makes that cell current
    // and selects the match in its editor).
    BOOL FindText(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos, BOOL bSelect) override;
    BOOL StoreTextInCell(const char* pszText) override;
    // Replaces every match in the editor, or in another cell's text (keeping the formatting of the rest).
    BOOL ReplaceSel(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol) override;
    BOOL GetSelectedText(CString& strResult) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // The editor's plain text.
    CString GetPlainText() const;
    // The height of the cell's row when it was made current (0 unless rows may shrink).
    int GetInitialRowHeight() const { return m_nInitialRowHeight; }

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg LRESULT OnWindowLButtonDown(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNotifyFromShadow(WPARAM wParam, LPARAM lParam);
    afx_msg void OnRequestResize(NMHDR* pNMHDR, LRESULT* pResult);

    // A hidden rich edit control and the text it was last loaded with.
    struct Shadow {
        CRichEditCtrl ctrl;
        CString strLoaded;
        BOOL bLoaded = FALSE;
        // Streams strRtf in unless it is already there.
        void Load(const CString& strRtf);
    };

    BOOL m_bActive = FALSE;
    DWORD m_dwEventMask = ENM_CHANGE | ENM_UPDATE | ENM_REQUESTRESIZE | ENM_SELCHANGE | ENM_PROTECTED;
    DWORD m_dwOptions = ECO_AUTOWORDSELECTION | ECO_AUTOVSCROLL | ECO_AUTOHSCROLL | ECO_NOHIDESEL | ECO_SAVESEL;
    int m_nShrinkRows = 1;
    int m_nInitialRowHeight = 0;
    BOOL m_bAutoSize = FALSE;
    BOOL m_bMeasuring = FALSE;
    // Set while the editor handles a key itself: its size notices wait until it is done.
    BOOL m_bInEditorKey = FALSE;
    CRect m_rectMeasured;
    Shadow m_drawShadow;
    Shadow m_textShadow;
    Shadow m_measureShadow;
    Shadow m_formatShadow;
    UINT m_nID;

    // Set while the cell itself changes the editor: the row does not follow the editor's size then.
    static BOOL s_bBusy;

private:
    // The editor and its shadows made when missing; FALSE when there is no editor.
    BOOL EnsureWindows();
    // The cell as a range, or the block it spans.
    CGXCellRange CellOrSpan(ROWCOL nRow, ROWCOL nCol);
    // The value of a style (its Value, or "").
    static CString StyleValue(const CGXStyle& style);
    // Searches ctrl from nFrom for the state's text; the match's range in rcFound. FALSE when none.
    static BOOL FindIn(CRichEditCtrl& ctrl, const GridFindReplaceState& state, long nFrom, CHARRANGE& rcFound);
    // The editor's caret at nPos.
    void SetCaret(long nPos);
    BOOL IsEditing(ROWCOL nRow, ROWCOL nCol) const;
    static BOOL IsKeyHeld(int nVirtKey);
    // The editor's default handling of the current message, then FollowSize.
    void DefaultThenFollowSize();
    // With AutoSize on an active editor: asks the editor for its size, which the row follows.
    void FollowSize();
    // The grid's row nRow nHeight high; the editor keeps its text, selection and modified state and
    // the height noted at activation.
    void SetRowHeightKeepingEdit(ROWCOL nRow, int nHeight);
    // Activates the cell and replays a click at point (grid coordinates) into the editor.
    void ActivateWithClick(CPoint point);
    // Renders the draw shadow into rectCell of pDC with EM_FORMATRANGE (a printer DC scaled from screen
    // pixels on the way). FALSE when the control laid nothing out.
    BOOL RenderFormatRange(CDC* pDC, CRect rectCell, const CGXStyle& style);
    // Renders the draw shadow, sized to rectCell, into a screen bitmap on crBack (WM_PRINTCLIENT) and
    // copies that into rectCell of pDC.
    void RenderShadowImage(CDC* pDC, const CRect& rectCell, COLORREF crBack);
};

// Streams strRtf into ctrl as Rich Text Format (bSelection: replacing the selection).
void GXStreamInRtf(CRichEditCtrl& ctrl, const CString& strRtf, BOOL bSelection = FALSE);
// The content of ctrl streamed out as Rich Text Format.
CString GXStreamOutRtf(CRichEditCtrl& ctrl);
