// CCmdTarget, message tables and CCmdUI: how window messages, commands and command updates reach
// member functions.
//
// Message tables. A class that handles messages writes DECLARE_MESSAGE_MAP() in its declaration and
// a table in its source file:
//
//   BEGIN_MESSAGE_MAP(CMyWnd, CWnd)
//       ON_WM_PAINT()                          // calls OnPaint()
//       ON_COMMAND(ID_FILE_SAVE, OnSave)       // calls OnSave()
//       ON_COMMAND_RANGE(100, 109, OnDigit)    // calls OnDigit(UINT nID)
//       ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateSave)
//       ON_REGISTERED_MESSAGE(g_nMyMessage, OnMyMessage)
//   END_MESSAGE_MAP()
//
// Handlers are named without their class (OnSave, not &CMyWnd::OnSave); each entry compiles to a
// small function that calls the handler through the class, so a handler with the wrong signature is
// a compile error, and a virtual handler is called virtually.
//
// Look-up: the class's own table in declaration order, first match wins, then the base class's table,
// and so on up to CCmdTarget. The "_EX" forms (ON_COMMAND_EX, ON_NOTIFY_EX...) return BOOL: FALSE
// means "not handled here", and the search goes on with the following entries and base tables. An
// update handler that calls CCmdUI::ContinueRouting likewise counts as not handled.
//
// Commands and notifications reach a target through OnCmdMsg(nID, nCode, pExtra, pHandlerInfo):
//   nCode = CN_COMMAND                  menu item, accelerator, or a control's command (ON_COMMAND)
//   nCode = CN_UPDATE_COMMAND_UI        pExtra is the CCmdUI* (ON_UPDATE_COMMAND_UI)
//   nCode = MAKELONG(code, WM_COMMAND)  a control notification such as BN_CLICKED (ON_CONTROL, ON_BN_...)
//   nCode = MAKELONG(code, WM_NOTIFY)   pExtra is an AFX_NOTIFY* (ON_NOTIFY...)
//   nCode = MAKELONG(code, WM_REFLECT_BASE + WM_COMMAND / WM_NOTIFY), nID 0: reflected to the control
// With pHandlerInfo given, OnCmdMsg only reports whether a handler exists (pHandlerInfo->pTarget) and
// calls nothing. Derived classes override OnCmdMsg to route a command on to other targets (a frame asks
// its view, the view its document, ...).
//
// Command update: CCmdUI::DoUpdate asks a target's update handler to Enable/SetCheck/SetRadio/SetText
// the item. When the caller asks for it ("disable when no handler") and no update handler changed the
// item's state, the item is disabled while its command has no handler, and enabled while it has one
// and no update handler exists for it.
#pragma once

#include "core/Core.h"
#include "win/AfxRes.h"

#include <windows.h>
#include <commctrl.h>

class CCmdTarget;
class CCmdUI;
class CMenu;
class CWnd;

// Marks the message handlers in class declarations (nothing to the compiler).
#define afx_msg

// Codes of OnCmdMsg that are not notifications.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// What a table entry's handler function receives.
struct AFX_MSGCALL {
    UINT message;    // the window message (for table entries of window messages)
    WPARAM wParam;
    LPARAM lParam;
    UINT nID;        // the command or control id (for command entries)
    UINT nCode;      // CN_* or the notification code
    void* pExtra;    // CCmdUI* for update handlers, AFX_NOTIFY* for notifications
    LRESULT lResult; // the handler's result for window messages (0 unless the handler sets one)
};

// An entry's handler function: calls the member function. Returns FALSE when the member declined
// (the _EX forms, ContinueRouting), so that the search goes on.
typedef BOOL (*AFX_PMSGHANDLER)(CCmdTarget* pTarget, AFX_MSGCALL& call);

enum AfxEntryKind : UINT {
    AfxEntryEnd = 0,     // closes a table
    AfxEntryMessage = 1, // window message (nMessage, or *pnRegistered)
    AfxEntryCommand = 2  // command, command update or notification (nMessage, nCode, nID..nLastID)
};

struct AFX_MSGMAP_ENTRY {
    UINT nKind;               // AfxEntryKind
    UINT nMessage;            // window message; WM_COMMAND / WM_NOTIFY (maybe + WM_REFLECT_BASE) for commands
    UINT nCode;               // CN_* or notification code (low 16 bits for notifications)
    UINT nID;                 // first id of the range
    UINT nLastID;             // last id of the range
    const UINT* pnRegistered; // ON_REGISTERED_MESSAGE: the variable holding the registered message
    AFX_PMSGHANDLER pfn;      // calls the handler
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)(); // the base class's table; null for CCmdTarget
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Filled by OnCmdMsg when asked only whether a handler exists.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;             // the object whose table has the entry
    const AFX_MSGMAP_ENTRY* pEntry;  // the entry
};

// pExtra of WM_NOTIFY commands.
struct AFX_NOTIFY {
    LRESULT* pResult; // where the handler leaves the notification's answer
    NMHDR* pNMHDR;
};

#define DECLARE_MESSAGE_MAP()                                                                          \
protected:                                                                                             \
    static const AFX_MSGMAP* GetThisMessageMap();                                                      \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                         \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }                 \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                    \
    {                                                                                                  \
        typedef theClass ThisClass [[maybe_unused]];                                                   \
        typedef baseClass TheBaseClass;                                                                \
        static const AFX_MSGMAP_ENTRY messageEntries_[] = {

#define END_MESSAGE_MAP()                                                                              \
        {AfxEntryEnd, 0, 0, 0, 0, nullptr, nullptr}};                                                  \
        static const AFX_MSGMAP messageMap_ = {&TheBaseClass::GetThisMessageMap, &messageEntries_[0]}; \
        return &messageMap_;                                                                           \
    }

// An entry of kind `kind` whose handler runs `body` with p_ (ThisClass*) and c_ (AFX_MSGCALL&).
#define AFX_ENTRY(kind, msg, code, id, lastId, reg, ...)                                                \
    {kind, UINT(msg), UINT(code), UINT(id), UINT(lastId), reg,                                        \
     [](CCmdTarget* t_, AFX_MSGCALL& c_) -> BOOL {                                                    \
         ThisClass* p_ = static_cast<ThisClass*>(t_);                                                 \
         (void)p_;                                                                                    \
         (void)c_;                                                                                    \
         __VA_ARGS__                                                                                  \
     }},

// A window-message entry whose handler always handles the message.
#define AFX_MSG_ENTRY(msg, ...) AFX_ENTRY(AfxEntryMessage, msg, 0, 0, 0, nullptr, __VA_ARGS__; return TRUE;)

// Commands
#define ON_COMMAND(id, memberFxn)                                                                      \
    AFX_ENTRY(AfxEntryCommand, WM_COMMAND, CN_COMMAND, id, id, nullptr, p_->memberFxn(); return TRUE;)
#define ON_COMMAND_EX(id, memberFxn)                                                                   \
    AFX_ENTRY(AfxEntryCommand, WM_COMMAND, CN_COMMAND, id, id, nullptr, return p_->memberFxn(c_.nID) ? TRUE : FALSE;)
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                        \
    AFX_ENTRY(AfxEntryCommand, WM_COMMAND, CN_COMMAND, id, idLast, nullptr, p_->memberFxn(c_.nID); return TRUE;)
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn)                                                     \
    AFX_ENTRY(AfxEntryCommand, WM_COMMAND, CN_COMMAND, id, idLast, nullptr,                           \
              return p_->memberFxn(c_.nID) ? TRUE : FALSE;)
#define AFX_UPDATE_BODY(memberFxn)                                                                     \
    CCmdUI* pCmdUI_ = static_cast<CCmdUI*>(c_.pExtra);                                                 \
    pCmdUI_->m_bContinueRouting = FALSE;                                                               \
    p_->memberFxn(pCmdUI_);                                                                            \
    return pCmdUI_->m_bContinueRouting ? FALSE : TRUE;
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                            \
    AFX_ENTRY(AfxEntryCommand, WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, nullptr, AFX_UPDATE_BODY(memberFxn))
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                              \
    AFX_ENTRY(AfxEntryCommand, WM_COMMAND, CN_UPDATE_COMMAND_UI, id, idLast, nullptr, AFX_UPDATE_BODY(memberFxn))

// Control notifications sent as WM_COMMAND (handler: void f(), or void f(UINT nID) for ranges).
#define ON_CONTROL(code, id, memberFxn)                                                                \
    AFX_ENTRY(AfxEntryCommand, WM_COMMAND, WORD(code), id, id, nullptr, p_->memberFxn(); return TRUE;)
#define ON_CONTROL_RANGE(code, id, idLast, memberFxn)                                                  \
    AFX_ENTRY(AfxEntryCommand, WM_COMMAND, WORD(code), id, idLast, nullptr, p_->memberFxn(c_.nID); return TRUE;)
// ... handled by the control itself (reflected from its parent): void f() / BOOL f().
#define ON_CONTROL_REFLECT(code, memberFxn)                                                            \
    AFX_ENTRY(AfxEntryCommand, WM_REFLECT_BASE + WM_COMMAND, WORD(code), 0, 0, nullptr, p_->memberFxn(); return TRUE;)
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                                         \
    AFX_ENTRY(AfxEntryCommand, WM_REFLECT_BASE + WM_COMMAND, WORD(code), 0, 0, nullptr,               \
              return p_->memberFxn() ? TRUE : FALSE;)

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)

// WM_NOTIFY (handlers: void f(NMHDR*, LRESULT*); ranges and _EX forms take the id first:
// void f(UINT nID, NMHDR*, LRESULT*), BOOL f(UINT nID, NMHDR*, LRESULT*)).
#define AFX_NOTIFY_ARGS static_cast<AFX_NOTIFY*>(c_.pExtra)->pNMHDR, static_cast<AFX_NOTIFY*>(c_.pExtra)->pResult
#define ON_NOTIFY(code, id, memberFxn)                                                                 \
    AFX_ENTRY(AfxEntryCommand, WM_NOTIFY, WORD(code), id, id, nullptr, p_->memberFxn(AFX_NOTIFY_ARGS); return TRUE;)
#define ON_NOTIFY_RANGE(code, id, idLast, memberFxn)                                                   \
    AFX_ENTRY(AfxEntryCommand, WM_NOTIFY, WORD(code), id, idLast, nullptr,                            \
              p_->memberFxn(c_.nID, AFX_NOTIFY_ARGS); return TRUE;)
#define ON_NOTIFY_EX(code, id, memberFxn)                                                              \
    AFX_ENTRY(AfxEntryCommand, WM_NOTIFY, WORD(code), id, id, nullptr,                                \
              return p_->memberFxn(c_.nID, AFX_NOTIFY_ARGS) ? TRUE : FALSE;)
#define ON_NOTIFY_EX_RANGE(code, id, idLast, memberFxn)                                                \
    AFX_ENTRY(AfxEntryCommand, WM_NOTIFY, WORD(code), id, idLast, nullptr,                            \
              return p_->memberFxn(c_.nID, AFX_NOTIFY_ARGS) ? TRUE : FALSE;)
#define ON_NOTIFY_REFLECT(code, memberFxn)                                                             \
    AFX_ENTRY(AfxEntryCommand, WM_REFLECT_BASE + WM_NOTIFY, WORD(code), 0, 0, nullptr,                \
              p_->memberFxn(AFX_NOTIFY_ARGS); return TRUE;)
#define ON_NOTIFY_REFLECT_EX(code, memberFxn)                                                          \
    AFX_ENTRY(AfxEntryCommand, WM_REFLECT_BASE + WM_NOTIFY, WORD(code), 0, 0, nullptr,                \
              return p_->memberFxn(AFX_NOTIFY_ARGS) ? TRUE : FALSE;)

// Any window message: LRESULT f(WPARAM, LPARAM); ON_MESSAGE_VOID: void f().
#define ON_MESSAGE(message, memberFxn) AFX_MSG_ENTRY(message, c_.lResult = p_->memberFxn(c_.wParam, c_.lParam))
#define ON_MESSAGE_VOID(message, memberFxn) AFX_MSG_ENTRY(message, p_->memberFxn())
// A message registered by name at run time; nMessageVariable is a static UINT holding its number
// (entries whose variable is still 0 match nothing).
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                             \
    AFX_ENTRY(AfxEntryMessage, 0, 0, 0, 0, &nMessageVariable,                                          \
              c_.lResult = p_->memberFxn(c_.wParam, c_.lParam); return TRUE;)

// The object that has the command targets' shared behaviour: a message table and command routing.
class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();
    ~CCmdTarget() override;

    // Routes a command, command update or notification to this object's table (see the top of this
    // file for nID/nCode/pExtra). pHandlerInfo non-null: only looks the handler up and fills it.
    // Returns TRUE when a handler took it (or exists, with pHandlerInfo).
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // Calls the window-message entries for nLookup (a message number; registered messages match
    // their variable) in table order, down the base tables, until one handles the call. Returns TRUE
    // when one did (its result is in call.lResult).
    BOOL DispatchMessageTable(UINT nLookup, AFX_MSGCALL& call);

    // Shows or ends the wait cursor for this object's work (the application's nesting count).
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

// The state of one command item (menu item, button, control) that an update handler sets. The base
// class acts on a menu item (m_pMenu, m_nIndex) or on a control window (m_pOther); derived classes
// (tool-bar buttons, status panes) override the virtual operations.
class CCmdUI {
public:
    CCmdUI();
    virtual ~CCmdUI();

    // Enables (TRUE) or disables the item. A control that loses its enable state while it has the
    // focus passes the focus on to the next control of its dialog.
    virtual void Enable(BOOL bOn = TRUE);
    // 0 unchecked, 1 checked, 2 indeterminate (menus show 2 as checked; other values refused with
    // CInvalidArgException).
    virtual void SetCheck(int nCheck = 1);
    // Checks the item with the radio dot (menus) or checks a radio button.
    virtual void SetRadio(BOOL bOn = TRUE);
    // Sets the item's text (a menu item keeps its state; a control gets it as window text).
    virtual void SetText(LPCSTR lpszText);
    // Called by an update handler that wants the next command target to decide.
    void ContinueRouting();

    // Asks pTarget to update this item. bDisableIfNoHndler: when no update handler sets the enable
    // state and no command handler exists for m_nID, the item is disabled. Returns TRUE when an update
    // handler ran.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    UINT m_nID;            // the command id
    UINT m_nIndex;         // the item's position (menu position, button index)
    UINT m_nIndexMax;      // number of items (menus: items of m_pMenu)
    CMenu* m_pMenu;        // the menu holding the item, or null
    CMenu* m_pSubMenu;     // the popup the item opens, or null
    CMenu* m_pParentMenu;  // for a popup updated as an item of its parent, that parent
    CWnd* m_pOther;        // the control or bar the item belongs to, or null
    BOOL m_bEnableChanged; // set by Enable
    BOOL m_bContinueRouting;
};

// The bitmap that SetRadio shows beside a menu item (made on first use). AfxSetRadioDotBitmap
// replaces it: the caller keeps ownership of the new one; the library's own bitmap is deleted then
// (null is returned), a bitmap the caller installed before is returned.
HBITMAP AfxGetRadioDotBitmap();
HBITMAP AfxSetRadioDotBitmap(HBITMAP hBitmap);
