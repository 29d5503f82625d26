// CSpinButtonCtrl: an up-down control (UPDOWN_CLASS) with an optional buddy window.
#pragma once

#include "win/CWnd.h"

class CSpinButtonCtrl : public CWnd {
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    CSpinButtonCtrl();
    ~CSpinButtonCtrl() override;

    // Creates the control as a child of pParentWnd (style UDS_*, WS_*; WS_CHILD added), rectangle in
    // the parent's client coordinates, control id nID. FALSE when no window was made.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // 32-bit range and position (UDM_SETRANGE32, UDM_GETRANGE32, UDM_SETPOS32, UDM_GETPOS32).
    void SetRange(int nLower, int nUpper);
    void SetRange32(int nLower, int nUpper);
    void GetRange(int& lower, int& upper) const;
    void GetRange32(int& lower, int& upper) const;
    // Sets the position; returns the previous one.
    int SetPos(int nPos);
    int SetPos32(int nPos);
    // The position; *lpbError (may be null) is set when the buddy's text is not a valid position.
    int GetPos() const;
    int GetPos32(LPBOOL lpbError = nullptr) const;
    // The buddy window / sets it (returns the previous one).
    CWnd* SetBuddy(CWnd* pWndBuddy);
    CWnd* GetBuddy() const;
    // Number base of the buddy's text (10 or 16). Returns the previous one.
    int SetBase(int nBase);
    BOOL SetAccel(int nAccel, UDACCEL* pAccel);
};
