// CToolTipCtrl: a tooltip control (TOOLTIPS_CLASS) the program drives itself. (The relay of
// CWnd::EnableToolTips uses the thread's own control, not this class.)
//
// A tool is a window (nIDTool 0: the window itself is the tool, identified by its handle) or a
// rectangle of a window with an id. Tools added here watch the mouse on their own (TTF_SUBCLASS);
// RelayEvent serves a caller that prefers to pass the messages itself.
//
// Not done yet: balloon and tracking tooltips, titles.
#pragma once

#include "win/CWnd.h"

class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl();
    ~CToolTipCtrl() override;

    // Creates the control owned by pParentWnd with style dwStyle (TTS_*; WS_POPUP added). FALSE
    // when no window was made.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    // Adds a tool: pWnd (nIDTool 0) or the rectangle lpRectTool of pWnd with id nIDTool;
    // lpszText the text (LPSTR_TEXTCALLBACK: asked for by TTN_NEEDTEXT) / nIDText a string resource.
    // FALSE when the control refused it.
    BOOL AddTool(CWnd* pWnd, LPCSTR lpszText = LPSTR_TEXTCALLBACKA, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    // The text of a tool in rString.
    void GetText(CString& rString, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    void UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
    int GetToolCount() const;
    // Shows tips (TRUE) or not.
    void Activate(BOOL bActivate);
    // Passes a mouse message on to the control.
    void RelayEvent(LPMSG lpMsg);
    // Hides the tip shown now.
    void Pop();
    // Delay of kind dwDuration (TTDT_*) in ms; SetDelayTime(nDelay): the initial delay.
    void SetDelayTime(UINT nDelay);
    void SetDelayTime(DWORD dwDuration, int iTime);
    // Widest tip in pixels (-1: no limit; multi-line texts need a limit). Returns the previous one.
    int SetMaxTipWidth(int iWidth);

protected:
    // The record of a tool of this control.
    void FillInToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const;
};
