// CGXControl: the base of every cell control, the object that draws a cell, edits it when it is the
// current cell and moves text between the cell's style and the user. A grid keeps one control per
// control id (CGXGridCore::RegisterControl) and attaches that object to whichever cell needs it (Init).
// The base implements the contract between grid and control: attaching and detaching, the cached cell
// style, the in-cell gadgets (CGXChild), the text and value operations, validation against the user
// attributes 51011 "Valid: Min. Value", 51012 "Valid: Max. Value" and 51013 "Valid: Warning Msg",
// the clipboard, mouse and key routing to the gadgets and then to the grid's hooks, the current-cell
// frame and the notices the grid broadcasts.
//
// The grid calls a control in this order for its current cell: Init when the cell becomes current,
// OnStartEditing and SetActive while editing starts, key and mouse operations, OnValidateCell before
// the current cell moves (FALSE keeps it), Store and OnLeftCell after, Reset when it is detached. For
// every cell it draws it calls Draw with the composed style; for text GetControlText, SetControlText,
// GetStyleValueText and ConvertTextToValue.
//
// A control is not a CObject: its class record (GXControlClass, GX_DECLARE_CONTROL /
// GX_IMPLEMENT_CONTROL) names its class and its base's record, so that IsKindOf works across the
// control classes.
//
// An active control's Copy empties the clipboard before it sets CF_TEXT (an older block of the grid's
// own format would otherwise win the next paste) and frees the block when the clipboard refuses it;
// MaxLength cuts a text at a character boundary, never inside a double-byte pair.
//
// Cell tips: a control the factory gives a tip object (AttachCellTip; it owns it) forwards its three
// tip operations to it (GXCellTip.h); without one they give FALSE, 2147483647 and nothing.
//
// Does not do yet: floating cells are not re-evaluated when a control resets or cancels.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"
#include "win/CRect.h"

#include <memory>

class CDC;
class CFont;
class CWnd;
class CGXCellTipBase;
class CGXChild;
class CGXComposedStyle;
class CGXGridCore;
class CGXStyle;
class CGXStylesMap;
struct GridFindReplaceState;

// The class record of a control class: its name and its base's record (null for CGXControl).
struct GXControlClass {
    const char* pszClassName;
    const GXControlClass* pBaseClass;
};

// In a control class: its record and GetControlClass.
#define GX_DECLARE_CONTROL(class_name)                                                                  \
public:                                                                                                 \
    static const GXControlClass classRecord;                                                            \
    const GXControlClass* GetControlClass() const override;                                             \
                                                                                                        \
private:

// In the control class's source file, with its base class.
#define GX_IMPLEMENT_CONTROL(class_name, base_class_name)                                               \
    const GXControlClass class_name::classRecord = {#class_name, &base_class_name::classRecord};        \
    const GXControlClass* class_name::GetControlClass() const { return &classRecord; }

class CGXControl {
public:
    static const GXControlClass classRecord;

    // A control of pGrid (not null, else CInvalidArgException*), not attached to any cell.
    explicit CGXControl(CGXGridCore* pGrid);
    // Deletes the cached style and the children.
    virtual ~CGXControl();
    CGXControl(const CGXControl&) = delete;
    CGXControl& operator=(const CGXControl&) = delete;

    // The control's class record.
    virtual const GXControlClass* GetControlClass() const;
    // The run-time class of the control's window and the window (null: the control draws itself).
    virtual CRuntimeClass* GetWndRuntimeClass();
    virtual CWnd* GetWndPtr() const;

    // ---- editing state ---------------------------------------------------------------------------
    // Enters or leaves the editing state; nothing here.
    virtual void SetActive(BOOL bActive);
    // FALSE here.
    virtual BOOL IsActive();
    // Sets the modified flag; nothing here.
    virtual void SetModify(BOOL bModified);
    // FALSE here.
    virtual BOOL GetModify();
    // Attaches the control to (nRow, nCol): initialised, inactive, not modified, no cached style, no
    // focus child, children laid out in the cell rectangle, the grid's OnInitCurrentCell told; when the
    // parameter object's activation flags include 4 and OnStartEditing agrees, activated.
    virtual void Init(ROWCOL nRow, ROWCOL nCol);
    // Detaches it: when modified or active the cell is redrawn; Hide; not modified, inactive, the
    // cached style dropped with the grid told, not initialised.
    virtual void Reset();
    // Writes an edited value into the cell. FALSE here.
    virtual BOOL Store();
    // Only when active and modified: a non-empty current text is checked against the cell's minimum
    // and maximum (numbers as atof reads them; an empty attribute sets no bound); a text outside them
    // gives the cell's warning text to the grid (CGXGridCore::SetWarningText) and fails. Then
    // ValidateString must accept the text, and the answer is the grid's OnValidateInput. TRUE when not
    // active or not modified.
    virtual BOOL ValidateInput();
    // The grid's hooks of the control's cell: whether editing may start (only when initialised), the
    // cell was modified (only when modified), whether editing may be cancelled, that it was cancelled,
    // whether the current cell may leave, that it left (to nNewRow, nNewCol), whether Delete may
    // empty the cell.
    virtual BOOL OnStartEditing();
    virtual void OnModifyCell();
    virtual BOOL OnCancelEditing();
    virtual void OnCanceledEditing();
    virtual BOOL OnValidateCell();
    virtual BOOL OnLeftCell(ROWCOL nNewRow, ROWCOL nNewCol);
    virtual BOOL OnEndEditing();

    // ---- geometry ----------------------------------------------------------------------------------
    // The rectangle the control uses in its cell: pRect (null: the grid's cell rectangle) reduced by
    // the grid for pStyle's borders and frame (null: the control's style). Unless the parameter
    // object's line-offset option is set, the last frozen column beyond the header columns loses one
    // pixel on the right when vertical lines are drawn (print or screen setting) and the style has no
    // right border; the last frozen row likewise at the bottom.
    virtual CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect = nullptr, const CGXStyle* pStyle = nullptr);
    // size enlarged by what the grid draws around a cell of style.
    virtual CSize AddBorders(CSize size, const CGXStyle& style);
    // The preferred size of the cell's content: empty here.
    virtual CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                           BOOL bVertical);
    // Whether the cell's text may float into its neighbours: FALSE here.
    virtual BOOL CanFloatCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, BOOL bFloatCell);
    // TRUE when style's Value is not empty.
    virtual BOOL HasValueText(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);

    // ---- drawing -----------------------------------------------------------------------------------
    // The frame of the current cell in rect, in the form of the properties' user property 51005
    // "Current Cell.": "Thin Border." and "Thick Border." a solid pen of width 1 or 2 on the four sides
    // (through the grid's border drawing), "No Border." nothing, "Invert Thick." four inverted strips 2
    // pixels wide, anything else ("Invert Thin.") 1 pixel wide. Nothing when the grid hides the frame,
    // when the activation flags are exactly 4 and the control has a window, or when the grid's
    // current-cell marking is neither 0 nor 2 with the focus.
    virtual void DrawCurrentCellFrame(CDC* pDC, const CRect& rect, const CGXStyle& style);
    // Lays the children out in the cell and draws each (told it has the focus when the cell is the
    // current cell of a grid that has the focus and does not print).
    virtual void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                      const CGXStyle* pStandardStyle);
    // Fills rect with the style's interior when bErase is set or the grid leaves cell backgrounds to
    // the controls (white colours when printing in black and white), then Draw3dFrame.
    virtual void DrawBackground(CDC* pDC, const CRect& rect, const CGXStyle& style, BOOL bErase = FALSE);
    // Draw3dFrame 1 (raised): a one-pixel frame around rect reduced by the style's borders, starting one
    // pixel left of and above it, button highlight on top and left, black on bottom and right; 2 (inset)
    // the colours swapped; nothing for other values or when printing in black and white.
    virtual void Draw3dFrame(CDC* pDC, const CRect& rect, const CGXStyle& style);

    // ---- text and value ----------------------------------------------------------------------------
    // The cached style's Value when it includes one; else, when initialised, GetControlText of the
    // cell; else empty.
    virtual void GetCurrentText(CString& strResult);
    // When initialised, stores pszValue as the cell's value (CGXGridCore::SetControlTextRowCol).
    virtual void SetValue(const char* pszValue);
    // When initialised and the cached style includes a Value: that Value, TRUE; else FALSE.
    virtual BOOL GetValue(CString& strResult);
    // When initialised, puts pszText into the cached style's Value.
    virtual void SetCurrentText(const char* pszText);
    // pszValue (null: style's Value), formatted with style's Format and Places (FormatValueText) when
    // style includes a Format other than 0, else copied. FALSE (strResult empty) when no value is given
    // and style includes none.
    virtual BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, const char* pszValue, const CGXStyle& style);
    // Stores a display text as the value of (nRow, nCol): the cell's style is composed when pOldStyle is
    // null; ConvertTextToValue; refused (FALSE) while the grid's read-only guard is on and the grid is
    // locked or the style is read-only; a style with MaxLength keeps that many bytes (never half a
    // double-byte pair); CGXGridCore::ApplyValueToRange on the one-cell range with nFlags.
    virtual BOOL SetControlText(ROWCOL nRow, ROWCOL nCol, const char* pszText, UINT nFlags = 2,
                                const CGXStyle* pOldStyle = nullptr);
    // Turns a display text into the value to store, in place. TRUE (the text kept) here.
    virtual BOOL ConvertTextToValue(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle);
    // Applies a style change to a cell through the grid (CGXGridCore::StoreStyleRowCol). Refused (FALSE)
    // while the read-only guard is on and the grid is locked or pCurrentStyle is read-only. When the
    // change succeeded on the grid's current cell: attached there and nMode not 4, the cached style is
    // reloaded, a changed ControlId makes the grid forget its current control, else a changed Value is
    // shown (SetCurrentText); the cell is refreshed and stays modified unless nMode is 2. Not attached
    // (or nMode 4): the control is initialised on that cell. Returns the grid's result.
    virtual BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nKind,
                                  const CGXStyle* pCurrentStyle = nullptr);
    // When initialised and (nRow, nCol) is the grid's current cell, copies GetValue into style's Value.
    virtual void GetValueIntoStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style);
    // The nIndex-th line (from 0) of the newline-separated list; empty and FALSE beyond it or for a
    // negative index.
    virtual BOOL GetChoiceListItem(CString& strResult, const char* pszChoiceList, int nIndex);
    // The index of pszText in the list: the first line equal to it without regard to case wins; unless
    // bExact, the first line that begins with it (without case) is taken when none is equal. -1 and
    // an empty strResult when none matches or the text is empty.
    virtual int FindChoiceListItem(CString& strResult, const char* pszText, const char* pszChoiceList, BOOL bExact);
    // The text of style's Value (copied here; controls that show another text override it).
    virtual void GetStyleValueText(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CString& strResult);
    // Searching and replacing in a cell: the find text of state in (nRow, nCol) (bCurrentPos: from
    // the current position of an editing cell; bSelect: a match becomes the selection), and every
    // match of it replaced by state's replace text. Here both go to the grid's find module; FALSE
    // without it, and at once for an empty find text (replacing nothing everywhere would not end).
    virtual BOOL FindText(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos, BOOL bSelect);
    virtual BOOL ReplaceSel(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol);
    // When initialised and its cell is the grid's current cell, stores pszText as the cell's value.
    virtual BOOL StoreTextInCell(const char* pszText);
    // The whole current text. FALSE (no selection) here.
    virtual BOOL GetSelectedText(CString& strResult);

    // ---- showing -----------------------------------------------------------------------------------
    // Hides the control's window; nothing here.
    virtual void Hide();
    // When initialised: Hide, and the cell's rectangle is invalidated with erase.
    virtual void Refresh();

    // ---- mouse and keys ----------------------------------------------------------------------------
    // Each first lays the children out in the cell rectangle. Presses go to the first child under the
    // point, which becomes the focus child; releases to the focus child and, when the point lies in the
    // cell, to the grid's release hook of that button; double clicks to the first child under the
    // point that takes them, then to the grid's hook. Moves go to the focus child only while the left
    // button that pressed it is held (MK_LBUTTON), so a gadget released earlier never follows the
    // mouse again (an arrow would press itself and repeat). TRUE when taken.
    virtual BOOL OnMouseMove(UINT nFlags, CPoint point);
    // Offers the point to the children, then to the grid's OnMouseOverCell.
    virtual BOOL OnMouseOverCell(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    virtual BOOL OnLButtonDown(UINT nFlags, CPoint point);
    virtual BOOL OnLButtonUp(UINT nFlags, CPoint point);
    virtual BOOL OnLButtonDblClk(UINT nFlags, CPoint point);
    virtual BOOL OnRButtonDown(UINT nFlags, CPoint point);
    virtual BOOL OnRButtonUp(UINT nFlags, CPoint point);
    virtual BOOL OnRButtonDblClk(UINT nFlags, CPoint point);
    virtual BOOL OnMButtonDown(UINT nFlags, CPoint point);
    virtual BOOL OnMButtonUp(UINT nFlags, CPoint point);
    virtual BOOL OnMButtonDblClk(UINT nFlags, CPoint point);
    // A key message: the focus child first; then WM_KEYDOWN, WM_KEYUP, WM_DEADCHAR and the WM_SYS*
    // messages to their operation below, WM_CHAR through ComposeMultiByteChar (a plain byte to
    // OnGridChar, a completed pair to OnGridDoubleByteChar, a held lead byte counts as taken); any
    // other message FALSE. TRUE when taken.
    virtual BOOL ProcessKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags);
    // FALSE (not taken) here.
    virtual BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnGridKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnGridDoubleByteChar(const CString& strChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnGridDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnGridSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnGridSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnGridSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnGridSysDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);

    // ---- clipboard -------------------------------------------------------------------------------
    // Inactive: copies the cell through the grid's CopyRange (only when initialised on the grid's
    // current cell). Active: the selected text and a terminating 0 in a movable shared block, set as
    // the only clipboard data (CF_TEXT) of the grid window. TRUE when copied.
    virtual BOOL Copy();
    // Active and not read-only: the clipboard's CF_TEXT, else CF_OEMTEXT, stored with StoreTextInCell
    // when ValidatePasteText accepts it. Refused when the clipboard holds the grid's private format and
    // the parameter object prefers it. The clipboard is opened unless another window holds it open.
    // TRUE when text was stored.
    virtual BOOL Paste();
    // Active: Copy, then StoreTextInCell with an empty text. Inactive and not read-only: the cell is
    // cleared through the grid's ClearCells (only when initialised on the current cell).
    virtual BOOL Cut();
    // The initialised flag.
    virtual BOOL CanCopy();
    // Initialised and the cell not read-only.
    virtual BOOL CanCut();
    // Paste's conditions, without pasting.
    virtual BOOL CanPaste();

    // ---- notices -----------------------------------------------------------------------------------
    // WM_HSCROLL and WM_VSCROLL: when active and the cell lies in a covered range that straddles the
    // last frozen column or row, stores a modified value, deactivates and refreshes; 0. Other
    // messages: their code.
    virtual UINT OnGridScroll(UINT nMessage);
    // Lets the control colour a child window; FALSE (not done) here.
    virtual BOOL OnGridCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor, HBRUSH& hbr);
    // A WM_COMMAND of a child of the grid window, and a message before it is dispatched: TRUE when the
    // control took it; FALSE here.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // The grid window's WM_MOUSEACTIVATE (pDesktopWnd, nHitTest, nMessage) while the control's cell is
    // current: TRUE with nResult when the control answers it itself. FALSE here.
    virtual BOOL OnGridMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT nMessage, int& nResult);
    // TRUE: a release or move anywhere in the cell's covered block reaches the control as on the
    // block's top-left cell. FALSE here.
    virtual BOOL IsCoveredCellUnit();
    // A gadget of the control was clicked: tells the grid's OnClickedButton with the control's cell.
    virtual void OnClickedButton(CGXChild* pChild);
    // The header cell (nRow, nCol) the control draws is marked as the edited cell's header: the
    // mark-edit-header module's answer, FALSE without it.
    virtual BOOL MarkEditHeader(ROWCOL nRow, ROWCOL nCol, UINT nFlags);
    // Passed on to every child.
    virtual void OnGridWinIniChange(LPCSTR lpszSection);
    virtual void OnGridSysColorChange();
    virtual void OnGridCancelMode();
    // The grid's read-only guard is on and the grid is locked, or the cached style sets ReadOnly.
    virtual BOOL IsReadOnlyCell();
    // The cell tip (see the top of this file): the tip object's need bits (0: none), GX_CELLTIP_DELAY,
    // and the tip object filling and placing the grid's tip window of its kind.
    virtual BOOL NeedShowCellTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    virtual DWORD GetCellTipDelay();
    virtual void ShowCellTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    // Gives the control a CGXCellTipStatic bound to it, unless it has a tip object.
    void AttachCellTip();
    CGXCellTipBase* GetCellTip() const { return m_pCellTip; }

    // ---- children ----------------------------------------------------------------------------------
    // Appends pChild (owned from now on; not null, else CInvalidArgException*).
    virtual void AddChild(CGXChild* pChild);
    // Takes pChild out of the list (the caller owns it again); the focus child is cleared when it
    // was that child. FALSE when it is not in the list.
    virtual BOOL RemoveChild(CGXChild* pChild);
    // The child at nIndex (null beyond the list) and the number of children.
    virtual CGXChild* GetChild(int nIndex) const;
    virtual int GetCount() const;
    virtual CGXChild* GetFocusChild() const;
    virtual void SetFocusChild(CGXChild* pChild);
    // Places the children in rect, the cell rectangle of the base control (CGXControl::GetCellRect:
    // the cell less its borders, whatever a derived control keeps for its text); nothing here.
    virtual void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect);

    // ---- validation hooks --------------------------------------------------------------------------
    // Whether a text may be the control's content / may be pasted. TRUE here.
    virtual BOOL ValidateString(const CString& strText);
    virtual BOOL ValidatePasteText(const CString& strText);
    // Told the text that ValidateString refused in ValidateInput; nothing here.
    virtual void OnInvalidInput(const CString& strText);

    // ---- non-virtual -------------------------------------------------------------------------------
    BOOL IsInit() const { return m_bInit; }
    // Initialised and attached to (nRow, nCol).
    BOOL IsAttachedTo(ROWCOL nRow, ROWCOL nCol) const { return m_bInit && m_nRow == nRow && m_nCol == nCol; }
    ROWCOL GetRow() const { return m_nRow; }
    ROWCOL GetCol() const { return m_nCol; }
    CGXGridCore* Grid() const { return m_pGrid; }
    // The cached style of the attached cell, composed by the grid on first use.
    const CGXStyle& GetStyle();
    // Drops the cached style (bUpdate: the grid is told, once it keeps a copy of the current cell's
    // style).
    void FreeStyle(BOOL bUpdate = FALSE);
    // The style of (nRow, nCol): the cached style when the control is attached there, else a style
    // the grid composes for the cell, held by rpBorrowed.
    const CGXStyle& CellStyle(ROWCOL nRow, ROWCOL nCol, std::unique_ptr<CGXComposedStyle>& rpBorrowed);
    // The grid's window.
    CWnd* GridWnd() const;
    // TRUE when the control's record or one of its bases' is pClass (or has its name).
    BOOL IsKindOf(const GXControlClass* pClass) const;
    // TRUE when the control's window is of pClass.
    BOOL IsWndKindOf(CRuntimeClass* pClass) const;
    // Selects style's font through the grid; null when nothing was selected (see
    // CGXGridCore::SelectStyleFont).
    CFont* SelectStyleFont(CDC* pDC, const CGXStyle& style, const CGXStyle* pPreviousStyle = nullptr);
    // When the focus goes to pNewWnd, neither the grid window nor null, and the grid is not moving the
    // focus itself (CGXGridCore::m_bFocusChange), sends the grid window WM_KILLFOCUS with pNewWnd's
    // handle.
    void ForwardKillFocus(CWnd* pNewWnd);
    // Adds rect to the grid's list of areas its next paint leaves alone.
    void ExcludeRectFromPaint(const CRect& rect);

    // Registers the base's user attributes in stylesMap: 51013 "Valid: Warning Msg" (WrapText, AutoSize),
    // 51012 "Valid: Max. Value" and 51011 "Valid: Min. Value" (spin edit, no WrapText) and 52570 "RTL
    // Reading Value" (3D check box, centred); a registered id keeps its first registration.
    static void RegisterUserAttributes(CGXStylesMap& stylesMap);

protected:
    // The grid's cell activation flags (its parameter object's; 0 without one): which clicks activate
    // a cell, among others these bits.
    enum { kActivateOnTextClick = 1, kActivateOnClick = 2, kActivateOnDblClk = 8 };
    WORD ActivationFlags() const;
    // The child under point, from the first; null when none.
    CGXChild* ChildFromPoint(CPoint point) const;
    // Lays the children out in the attached cell's rectangle.
    void LayoutInCell();
    // The clipboard text (CF_TEXT, else CF_OEMTEXT) into strText; FALSE when it holds none or cannot be
    // opened.
    BOOL ReadClipboardText(CString& strText) const;
    // Whether Paste may run (before the clipboard is read).
    BOOL CanPasteNow();

    CGXGridCore* m_pGrid;
    ROWCOL m_nRow;
    ROWCOL m_nCol;
    CGXStyle* m_pStyle;
    BOOL m_bInit;
    CPtrList* m_pChildList;
    CGXChild* m_pFocusChild;
    BOOL m_bPendingLeadByte;
    BYTE m_chLeadByte;
    CGXCellTipBase* m_pCellTip = nullptr;  // owned
    // The last left press went to the focus child and the button is still held.
    BOOL m_bLeftChildHeld = FALSE;

private:
    // The routes of the mouse buttons: a press to the child under the point (made the focus child), a
    // release to the focus child and the grid's hook, a double click to the child under the point,
    // then the grid's hook.
    BOOL RouteButtonDown(BOOL (CGXChild::*pfnChild)(UINT, CPoint), UINT nFlags, CPoint point);
    BOOL RouteButtonUp(BOOL (CGXChild::*pfnChild)(UINT, CPoint),
                       BOOL (CGXGridCore::*pfnGrid)(ROWCOL, ROWCOL, UINT, CPoint), UINT nFlags, CPoint point);
    BOOL RouteDblClk(BOOL (CGXChild::*pfnChild)(UINT, CPoint),
                     BOOL (CGXGridCore::*pfnGrid)(ROWCOL, ROWCOL, UINT, CPoint), UINT nFlags, CPoint point);
};

// The number of bytes of pszText, at most nMaxBytes, that end on a character boundary of code page
// nCodePage (CP_ACP: the active one): a double-byte pair is never split.
int GXCharBoundaryLength(const char* pszText, int nMaxBytes, UINT nCodePage = CP_ACP);
