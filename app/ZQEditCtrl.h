// CZQEditCtrl: the one-line box in which the user types a new name: an alternative's in the
// alternatives pane, an ordinal scale value's on the criterion sheet's "Values" page. The box reports
// to its owner, which made it: each key pressed (after the box itself handled it) and each change of
// its text. It asks for every key, so that Enter and Tab reach it inside a dialog too.
#pragma once

#include <windows.h>

#include "win/Win.h"

// What owns a name box: the window that acts on its keys and text changes.
class CZQEditCtrlOwner {
public:
    virtual ~CZQEditCtrlOwner();
    // A key (virtual-key code nChar) was pressed in the box.
    virtual void OnNameBoxKey(UINT nChar) = 0;
    // The box's text changed.
    virtual void OnNameBoxChange() = 0;
};

class CZQEditCtrl : public CEdit {
    DECLARE_DYNAMIC(CZQEditCtrl)
    DECLARE_MESSAGE_MAP()
public:
    CZQEditCtrl();
    ~CZQEditCtrl() override;

    // Makes the box as a child of pParentWnd with the client edge: style dwStyle (ES_*, WS_*; WS_CHILD
    // added), rectangle rect in the parent's client coordinates, control id nID; it reports to pOwner
    // (not null). FALSE when no window was made.
    BOOL CreateNameBox(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, CZQEditCtrlOwner* pOwner);

    // The box's text, at most its first 1024 characters.
    CString GetName() const;
    // The owner the box reports to (null before CreateNameBox).
    CZQEditCtrlOwner* GetOwner() const { return m_pOwner; }

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnChange();

    CZQEditCtrlOwner* m_pOwner;
};
