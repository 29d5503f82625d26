// CGXChild: the root of the small gadgets a cell control draws inside its cell (buttons, arrows). A
// child is not a window: its control keeps it in its child list, places it (SetRect, in grid-window
// coordinates, from the control's LayoutChildren), draws it from its own Draw and passes it mouse and
// key messages (CGXControl routes them: presses to the child under the point, which becomes the focus
// child; releases and moves to the focus child; keys to the focus child first; the cancel-mode,
// settings-change and system-colour notices to every child).
//
// Every handler answers FALSE (not taken) here; DrawButton is the face a derived gadget draws. A key
// message reaches the handler of its kind (ProcessKeyMessage); a typed double-byte character arrives
// whole at OnDoubleByteChar: its lead byte waits in the child until the trail byte comes. The caption
// (SetText, GetText) is what a push-button face shows; it starts empty.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"
#include "win/CRect.h"

class CDC;
class CGXControl;
class CGXStyle;

class CGXChild {
public:
    // A child of pControl (not owned), with an empty rectangle.
    explicit CGXChild(CGXControl* pControl);
    virtual ~CGXChild();
    CGXChild(const CGXChild&) = delete;
    CGXChild& operator=(const CGXChild&) = delete;

    virtual void SetRect(const CRect& rect);
    virtual CRect GetRect() const;
    // TRUE when point lies in the rectangle.
    virtual BOOL PtInRect(CPoint point) const;
    // TRUE when this child is its control's focus child.
    virtual BOOL HasFocus() const;
    // Draws the child: DrawButton here (the style is not used). bFocusCell: the cell is the current
    // cell of a grid that has the focus and does not print.
    virtual void Draw(CDC* pDC, BOOL bFocusCell, const CGXStyle& style);
    virtual void DrawButton(CDC* pDC, BOOL bFocusCell) = 0;
    // Invalidates the rectangle in the grid window (with erase).
    virtual void Refresh();

    // Mouse messages (client coordinates of the grid window). TRUE when taken.
    virtual BOOL OnMouseMove(UINT nFlags, CPoint point);
    virtual BOOL OnLButtonDown(UINT nFlags, CPoint point);
    virtual BOOL OnLButtonUp(UINT nFlags, CPoint point);
    virtual BOOL OnLButtonDblClk(UINT nFlags, CPoint point);
    virtual BOOL OnRButtonDown(UINT nFlags, CPoint point);
    virtual BOOL OnRButtonUp(UINT nFlags, CPoint point);
    virtual BOOL OnRButtonDblClk(UINT nFlags, CPoint point);
    virtual BOOL OnMButtonDown(UINT nFlags, CPoint point);
    virtual BOOL OnMButtonUp(UINT nFlags, CPoint point);
    virtual BOOL OnMButtonDblClk(UINT nFlags, CPoint point);
    virtual BOOL OnMouseOverCell(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    // A key message (WM_KEYDOWN .. WM_SYSDEADCHAR) with the key and the message's flags, handed to the
    // handler of its kind below; a lone lead byte is held (TRUE). Other messages: FALSE. The handler's
    // answer: TRUE when taken.
    virtual BOOL ProcessKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnDoubleByteChar(const CString& strChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnSysDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);

    // The caption (null: empty).
    virtual void SetText(const char* pszText);
    virtual CString GetText() const;

    // Notices the control passes on.
    virtual void OnGridWinIniChange(LPCSTR lpszSection);
    virtual void OnGridSysColorChange();
    virtual void OnGridCancelMode();

protected:
    CGXControl* m_pControl;
    CRect m_rect;
    CString m_strText;
    BOOL m_bPendingLeadByte = FALSE;
    BYTE m_chLeadByte = 0;
};
