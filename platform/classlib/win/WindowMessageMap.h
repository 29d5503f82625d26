// The ON_WM_* entries of message tables: each calls the handler of the fixed name with the message's
// arguments unpacked (the handler declarations are CWnd's, see CWnd.h). Included by CWnd.h.
//
// Mouse points are client coordinates (screen for the non-client messages and WM_CONTEXTMENU), from
// the signed low and high words of lParam. Windows given as CWnd* are FromHandle results (maybe
// temporary); the CScrollBar* of the scroll messages is the control's wrapper, a real CScrollBar only
// when the program made the control as one (use it as a CWnd otherwise). ON_WM_CTLCOLOR serves all WM_CTLCOLOR* messages (nCtlColor = CTLCOLOR_*); a handler
// that returns no brush leaves the message to the default handling.
#pragma once

#define AFX_LP_POINT CPoint(int(short(LOWORD(c_.lParam))), int(short(HIWORD(c_.lParam))))
#define AFX_KEY_ARGS UINT(c_.wParam), UINT(LOWORD(c_.lParam)), UINT(HIWORD(c_.lParam))
#define AFX_WND(h) CWnd::FromHandle(reinterpret_cast<HWND>(h))

// The pseudo message under which ON_WM_CTLCOLOR entries are kept (the 16-bit WM_CTLCOLOR number).
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

#define ON_WM_CREATE() AFX_MSG_ENTRY(WM_CREATE, c_.lResult = p_->OnCreate(reinterpret_cast<LPCREATESTRUCTA>(c_.lParam)))
#define ON_WM_NCCREATE() AFX_MSG_ENTRY(WM_NCCREATE, c_.lResult = p_->OnNcCreate(reinterpret_cast<LPCREATESTRUCTA>(c_.lParam)))
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, p_->OnDestroy())
#define ON_WM_NCDESTROY() AFX_MSG_ENTRY(WM_NCDESTROY, p_->OnNcDestroy())
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, p_->OnClose())
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, p_->OnPaint())
#define ON_WM_NCPAINT() AFX_MSG_ENTRY(WM_NCPAINT, p_->OnNcPaint())
#define ON_WM_ERASEBKGND() AFX_MSG_ENTRY(WM_ERASEBKGND, c_.lResult = p_->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(c_.wParam))))
#define ON_WM_SIZE() AFX_MSG_ENTRY(WM_SIZE, p_->OnSize(UINT(c_.wParam), int(LOWORD(c_.lParam)), int(HIWORD(c_.lParam))))
#define ON_WM_MOVE() AFX_MSG_ENTRY(WM_MOVE, p_->OnMove(int(short(LOWORD(c_.lParam))), int(short(HIWORD(c_.lParam)))))
#define ON_WM_SHOWWINDOW() AFX_MSG_ENTRY(WM_SHOWWINDOW, p_->OnShowWindow(BOOL(c_.wParam), UINT(c_.lParam)))
#define ON_WM_WINDOWPOSCHANGING() AFX_MSG_ENTRY(WM_WINDOWPOSCHANGING, p_->OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(c_.lParam)))
#define ON_WM_WINDOWPOSCHANGED() AFX_MSG_ENTRY(WM_WINDOWPOSCHANGED, p_->OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(c_.lParam)))
#define ON_WM_GETMINMAXINFO() AFX_MSG_ENTRY(WM_GETMINMAXINFO, p_->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(c_.lParam)))
#define ON_WM_NCCALCSIZE() AFX_MSG_ENTRY(WM_NCCALCSIZE, p_->OnNcCalcSize(BOOL(c_.wParam), reinterpret_cast<NCCALCSIZE_PARAMS*>(c_.lParam)))
#define ON_WM_NCHITTEST() AFX_MSG_ENTRY(WM_NCHITTEST, c_.lResult = p_->OnNcHitTest(AFX_LP_POINT))
#define ON_WM_NCACTIVATE() AFX_MSG_ENTRY(WM_NCACTIVATE, c_.lResult = p_->OnNcActivate(BOOL(c_.wParam)))
#define ON_WM_ACTIVATE() AFX_MSG_ENTRY(WM_ACTIVATE, p_->OnActivate(UINT(LOWORD(c_.wParam)), AFX_WND(c_.lParam), BOOL(HIWORD(c_.wParam))))
#define ON_WM_ACTIVATEAPP() AFX_MSG_ENTRY(WM_ACTIVATEAPP, p_->OnActivateApp(BOOL(c_.wParam), DWORD(c_.lParam)))
#define ON_WM_MOUSEACTIVATE() AFX_MSG_ENTRY(WM_MOUSEACTIVATE, c_.lResult = p_->OnMouseActivate(AFX_WND(c_.wParam), UINT(LOWORD(c_.lParam)), UINT(HIWORD(c_.lParam))))
#define ON_WM_SETFOCUS() AFX_MSG_ENTRY(WM_SETFOCUS, p_->OnSetFocus(AFX_WND(c_.wParam)))
#define ON_WM_KILLFOCUS() AFX_MSG_ENTRY(WM_KILLFOCUS, p_->OnKillFocus(AFX_WND(c_.wParam)))
#define ON_WM_ENABLE() AFX_MSG_ENTRY(WM_ENABLE, p_->OnEnable(BOOL(c_.wParam)))
#define ON_WM_CANCELMODE() AFX_MSG_ENTRY(WM_CANCELMODE, p_->OnCancelMode())
#define ON_WM_CAPTURECHANGED() AFX_MSG_ENTRY(WM_CAPTURECHANGED, p_->OnCaptureChanged(AFX_WND(c_.lParam)))
#define ON_WM_SETCURSOR() AFX_MSG_ENTRY(WM_SETCURSOR, c_.lResult = p_->OnSetCursor(AFX_WND(c_.wParam), UINT(LOWORD(c_.lParam)), UINT(HIWORD(c_.lParam))))
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, p_->OnTimer(UINT_PTR(c_.wParam)))
#define ON_WM_GETDLGCODE() AFX_MSG_ENTRY(WM_GETDLGCODE, c_.lResult = p_->OnGetDlgCode())
#define ON_WM_MOUSEMOVE() AFX_MSG_ENTRY(WM_MOUSEMOVE, p_->OnMouseMove(UINT(c_.wParam), AFX_LP_POINT))
#define ON_WM_LBUTTONDOWN() AFX_MSG_ENTRY(WM_LBUTTONDOWN, p_->OnLButtonDown(UINT(c_.wParam), AFX_LP_POINT))
#define ON_WM_LBUTTONUP() AFX_MSG_ENTRY(WM_LBUTTONUP, p_->OnLButtonUp(UINT(c_.wParam), AFX_LP_POINT))
#define ON_WM_LBUTTONDBLCLK() AFX_MSG_ENTRY(WM_LBUTTONDBLCLK, p_->OnLButtonDblClk(UINT(c_.wParam), AFX_LP_POINT))
#define ON_WM_RBUTTONDOWN() AFX_MSG_ENTRY(WM_RBUTTONDOWN, p_->OnRButtonDown(UINT(c_.wParam), AFX_LP_POINT))
#define ON_WM_RBUTTONUP() AFX_MSG_ENTRY(WM_RBUTTONUP, p_->OnRButtonUp(UINT(c_.wParam), AFX_LP_POINT))
#define ON_WM_RBUTTONDBLCLK() AFX_MSG_ENTRY(WM_RBUTTONDBLCLK, p_->OnRButtonDblClk(UINT(c_.wParam), AFX_LP_POINT))
#define ON_WM_MBUTTONDOWN() AFX_MSG_ENTRY(WM_MBUTTONDOWN, p_->OnMButtonDown(UINT(c_.wParam), AFX_LP_POINT))
#define ON_WM_MBUTTONUP() AFX_MSG_ENTRY(WM_MBUTTONUP, p_->OnMButtonUp(UINT(c_.wParam), AFX_LP_POINT))
#define ON_WM_MBUTTONDBLCLK() AFX_MSG_ENTRY(WM_MBUTTONDBLCLK, p_->OnMButtonDblClk(UINT(c_.wParam), AFX_LP_POINT))
#define ON_WM_MOUSEWHEEL() AFX_MSG_ENTRY(WM_MOUSEWHEEL, c_.lResult = p_->OnMouseWheel(UINT(LOWORD(c_.wParam)), short(HIWORD(c_.wParam)), AFX_LP_POINT))
#define ON_WM_NCMOUSEMOVE() AFX_MSG_ENTRY(WM_NCMOUSEMOVE, p_->OnNcMouseMove(UINT(c_.wParam), AFX_LP_POINT))
#define ON_WM_NCLBUTTONDOWN() AFX_MSG_ENTRY(WM_NCLBUTTONDOWN, p_->OnNcLButtonDown(UINT(c_.wParam), AFX_LP_POINT))
#define ON_WM_NCLBUTTONUP() AFX_MSG_ENTRY(WM_NCLBUTTONUP, p_->OnNcLButtonUp(UINT(c_.wParam), AFX_LP_POINT))
#define ON_WM_NCLBUTTONDBLCLK() AFX_MSG_ENTRY(WM_NCLBUTTONDBLCLK, p_->OnNcLButtonDblClk(UINT(c_.wParam), AFX_LP_POINT))
#define ON_WM_NCRBUTTONDOWN() AFX_MSG_ENTRY(WM_NCRBUTTONDOWN, p_->OnNcRButtonDown(UINT(c_.wParam), AFX_LP_POINT))
#define ON_WM_NCMBUTTONDOWN() AFX_MSG_ENTRY(WM_NCMBUTTONDOWN, p_->OnNcMButtonDown(UINT(c_.wParam), AFX_LP_POINT))
#define ON_WM_KEYDOWN() AFX_MSG_ENTRY(WM_KEYDOWN, p_->OnKeyDown(AFX_KEY_ARGS))
#define ON_WM_KEYUP() AFX_MSG_ENTRY(WM_KEYUP, p_->OnKeyUp(AFX_KEY_ARGS))
#define ON_WM_CHAR() AFX_MSG_ENTRY(WM_CHAR, p_->OnChar(AFX_KEY_ARGS))
#define ON_WM_DEADCHAR() AFX_MSG_ENTRY(WM_DEADCHAR, p_->OnDeadChar(AFX_KEY_ARGS))
#define ON_WM_SYSKEYDOWN() AFX_MSG_ENTRY(WM_SYSKEYDOWN, p_->OnSysKeyDown(AFX_KEY_ARGS))
#define ON_WM_SYSKEYUP() AFX_MSG_ENTRY(WM_SYSKEYUP, p_->OnSysKeyUp(AFX_KEY_ARGS))
#define ON_WM_SYSCHAR() AFX_MSG_ENTRY(WM_SYSCHAR, p_->OnSysChar(AFX_KEY_ARGS))
#define ON_WM_SYSDEADCHAR() AFX_MSG_ENTRY(WM_SYSDEADCHAR, p_->OnSysDeadChar(AFX_KEY_ARGS))
#define ON_WM_SYSCOMMAND() AFX_MSG_ENTRY(WM_SYSCOMMAND, p_->OnSysCommand(UINT(c_.wParam), c_.lParam))
#define ON_WM_HSCROLL() AFX_MSG_ENTRY(WM_HSCROLL, p_->OnHScroll(UINT(LOWORD(c_.wParam)), UINT(HIWORD(c_.wParam)), reinterpret_cast<CScrollBar*>(AFX_WND(c_.lParam))))
#define ON_WM_VSCROLL() AFX_MSG_ENTRY(WM_VSCROLL, p_->OnVScroll(UINT(LOWORD(c_.wParam)), UINT(HIWORD(c_.wParam)), reinterpret_cast<CScrollBar*>(AFX_WND(c_.lParam))))
#define ON_WM_CTLCOLOR()                                                                               \
    AFX_ENTRY(AfxEntryMessage, WM_CTLCOLOR, 0, 0, 0, nullptr,                                          \
              HBRUSH h_ = p_->OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(c_.wParam)),           \
                                         AFX_WND(c_.lParam), c_.message - WM_CTLCOLORMSGBOX);         \
              c_.lResult = reinterpret_cast<LRESULT>(h_); return h_ != nullptr;)
// On the control itself: HBRUSH CtlColor(CDC* pDC, UINT nCtlColor).
#define ON_WM_CTLCOLOR_REFLECT()                                                                       \
    AFX_ENTRY(AfxEntryMessage, WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0, nullptr,                        \
              HBRUSH h_ = p_->CtlColor(CDC::FromHandle(reinterpret_cast<HDC>(c_.wParam)),             \
                                       c_.message - (WM_REFLECT_BASE + WM_CTLCOLORMSGBOX));           \
              c_.lResult = reinterpret_cast<LRESULT>(h_); return h_ != nullptr;)
#define ON_WM_DRAWITEM() AFX_MSG_ENTRY(WM_DRAWITEM, p_->OnDrawItem(int(c_.wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(c_.lParam)); c_.lResult = TRUE)
#define ON_WM_MEASUREITEM() AFX_MSG_ENTRY(WM_MEASUREITEM, p_->OnMeasureItem(int(c_.wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(c_.lParam)); c_.lResult = TRUE)
#define ON_WM_COMPAREITEM() AFX_MSG_ENTRY(WM_COMPAREITEM, c_.lResult = p_->OnCompareItem(int(c_.wParam), reinterpret_cast<LPCOMPAREITEMSTRUCT>(c_.lParam)))
#define ON_WM_DELETEITEM() AFX_MSG_ENTRY(WM_DELETEITEM, p_->OnDeleteItem(int(c_.wParam), reinterpret_cast<LPDELETEITEMSTRUCT>(c_.lParam)); c_.lResult = TRUE)
#define ON_WM_CONTEXTMENU() AFX_MSG_ENTRY(WM_CONTEXTMENU, p_->OnContextMenu(AFX_WND(c_.wParam), AFX_LP_POINT))
#define ON_WM_INITMENUPOPUP() AFX_MSG_ENTRY(WM_INITMENUPOPUP, p_->OnInitMenuPopup(CMenu::FromHandle(reinterpret_cast<HMENU>(c_.wParam)), UINT(LOWORD(c_.lParam)), BOOL(HIWORD(c_.lParam))))
#define ON_WM_MENUSELECT() AFX_MSG_ENTRY(WM_MENUSELECT, p_->OnMenuSelect(UINT(LOWORD(c_.wParam)), UINT(HIWORD(c_.wParam)), reinterpret_cast<HMENU>(c_.lParam)))
#define ON_WM_MENUCHAR() AFX_MSG_ENTRY(WM_MENUCHAR, c_.lResult = p_->OnMenuChar(UINT(LOWORD(c_.wParam)), UINT(HIWORD(c_.wParam)), CMenu::FromHandle(reinterpret_cast<HMENU>(c_.lParam))))
#define ON_WM_ENTERIDLE() AFX_MSG_ENTRY(WM_ENTERIDLE, p_->OnEnterIdle(UINT(c_.wParam), AFX_WND(c_.lParam)))
#define ON_WM_SYSCOLORCHANGE() AFX_MSG_ENTRY(WM_SYSCOLORCHANGE, p_->OnSysColorChange())
#define ON_WM_SETTINGCHANGE() AFX_MSG_ENTRY(WM_SETTINGCHANGE, p_->OnSettingChange(UINT(c_.wParam), reinterpret_cast<LPCSTR>(c_.lParam)))
#define ON_WM_WININICHANGE() AFX_MSG_ENTRY(WM_WININICHANGE, p_->OnWinIniChange(reinterpret_cast<LPCSTR>(c_.lParam)))
#define ON_WM_QUERYNEWPALETTE() AFX_MSG_ENTRY(WM_QUERYNEWPALETTE, c_.lResult = p_->OnQueryNewPalette())
#define ON_WM_PALETTECHANGED() AFX_MSG_ENTRY(WM_PALETTECHANGED, p_->OnPaletteChanged(AFX_WND(c_.wParam)))
#define ON_WM_PARENTNOTIFY() AFX_MSG_ENTRY(WM_PARENTNOTIFY, p_->OnParentNotify(UINT(LOWORD(c_.wParam)), c_.lParam))
#define ON_WM_STYLECHANGED() AFX_MSG_ENTRY(WM_STYLECHANGED, p_->OnStyleChanged(int(c_.wParam), reinterpret_cast<LPSTYLESTRUCT>(c_.lParam)))
#define ON_WM_CHILDACTIVATE() AFX_MSG_ENTRY(WM_CHILDACTIVATE, p_->OnChildActivate())
// WM_MDIACTIVATE as the child receives it: wParam the child losing activation, lParam the one gaining it.
#define ON_WM_MDIACTIVATE()                                                                            \
    AFX_MSG_ENTRY(WM_MDIACTIVATE, p_->OnMDIActivate(reinterpret_cast<HWND>(c_.lParam) == p_->m_hWnd,   \
                                                    AFX_WND(c_.lParam), AFX_WND(c_.wParam)))
#define ON_WM_HELPINFO() AFX_MSG_ENTRY(WM_HELPINFO, c_.lResult = p_->OnHelpInfo(reinterpret_cast<HELPINFO*>(c_.lParam)))
