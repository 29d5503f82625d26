// Support of the tests of the long operations, the stored-data moves and undo and redo: the grid
// operations' modules installed for the program, a frame whose status pane shows the long operations'
// texts, an Edit menu item, a window that notes the messages it is given, and objects that count their
// destructions.
#pragma once

#include "input_test_support.h"

#include "grid/engine/GXLongOperation.h"
#include "grid/ops/GXCommandFactory.h"
#include "grid/ops/GXCommands.h"
#include "grid/ops/GXOperations.h"
#include "win/CFrameWnd.h"
#include "win/CMenu.h"
#include "win/CStatic.h"
#include "win/CWinApp.h"

#include <string>
#include <vector>

// The grid operations' modules: installed in the library, and attached to every grid made afterwards
// (the first call does it for the program).
inline void UseGridOperations()
{
    static const bool s_bDone = [] {
        GXRegisterGridOperations();
        InstallGridModules();
        return true;
    }();
    (void)s_bDone;
}

// The application with a frame as its main window; the frame's status pane (a static with the status
// bar's id) shows what the long operations send it.
class StatusFrame {
public:
    StatusFrame() : m_app("Ondrix")
    {
        m_pFrame = new CFrameWnd;
        m_pFrame->Create(nullptr, "Long operations", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200));
        m_status.Create("", WS_VISIBLE, CRect(0, 150, 300, 170), m_pFrame, AFX_IDW_STATUS_BAR);
        m_app.m_pMainWnd = m_pFrame;
        // a handle of an earlier test's frame is not the status window any more
        GXGetLongOperationSettings().m_hWndStatus = nullptr;
    }
    ~StatusFrame()
    {
        m_app.m_pMainWnd = nullptr;
        m_pFrame->DestroyWindow();  // the frame deletes itself
    }
    StatusFrame(const StatusFrame&) = delete;
    StatusFrame& operator=(const StatusFrame&) = delete;

    std::string Status()
    {
        CString text;
        m_status.GetWindowText(text);
        return text.GetString();
    }
    void SetStatus(const char* psz) { m_status.SetWindowText(psz); }

    CWinApp m_app;
    CFrameWnd* m_pFrame;
    CStatic m_status;
};

// An Edit menu item with its update object, as a frame's menu updates it.
struct MenuItem {
    MenuItem(UINT nID, const char* pszText)
    {
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, nID, pszText);
        state.m_pMenu = &menu;
        state.m_nID = nID;
        state.m_nIndex = 0;
        state.m_nIndexMax = 1;
    }
    std::string Text()
    {
        CString text;
        menu.GetMenuString(state.m_nID, text, MF_BYCOMMAND);
        return text.GetString();
    }
    CMenu menu;
    CCmdUI state;
};

// A hidden window that notes the messages it handles (WM_PAINT among them).
class CNotingWnd : public CWnd {
public:
    CNotingWnd() { CreateEx(0, AfxRegisterWndClass(0), "noting", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr); }
    ~CNotingWnd() override { DestroyWindow(); }
    LRESULT WindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam) override
    {
        m_messages.push_back(nMessage);
        return CWnd::WindowProc(nMessage, wParam, lParam);
    }
    BOOL Got(UINT nMessage) const
    {
        for (UINT n : m_messages)
            if (n == nMessage)
                return TRUE;
        return FALSE;
    }
    std::vector<UINT> m_messages;
};

// The name of the newest command of the grid's undo list, "<none>" when the list is empty.
inline std::string LastUndoName(CGXGridCore& grid)
{
    CObList& list = grid.GetParam()->GetUndoList();
    return list.IsEmpty() ? "<none>" : static_cast<CGXCommand*>(list.GetHead())->GetName();
}

// Empties the thread's queue without handling anything (a WM_QUIT included).
inline void DropWaitingMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

// Objects that count their destructions.
struct Deaths {
    int nStyles = 0;
    int nObjects = 0;
    int nLists = 0;
    int nArrays = 0;
};
inline Deaths g_deaths;
struct CountedStyle : CGXStyle {
    ~CountedStyle() override { ++g_deaths.nStyles; }
};
struct CountedObject : CObject {
    ~CountedObject() override { ++g_deaths.nObjects; }
};
struct CountedList : CObList {
    ~CountedList() override { ++g_deaths.nLists; }
};
struct CountedArray : CObArray {
    ~CountedArray() override { ++g_deaths.nArrays; }
};
