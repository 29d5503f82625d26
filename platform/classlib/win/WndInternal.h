// Internals shared by the window classes of the library (not part of the umbrella header).
#pragma once

#include <windows.h>
#include <commctrl.h>

class CWnd;
class CString;
class CImageList;

// Arms the creation hook: the next window this thread creates (other than the system's IME window)
// is attached to pWnd and gets the library's window procedure before its first message. Returns
// the object armed before (nested creations restore it).
CWnd* AfxHookWindowCreate(CWnd* pWnd);
// Disarms the hook. Returns TRUE when it never fired (no window was attached); restores pPrevious.
BOOL AfxUnhookWindowCreate(CWnd* pPrevious);
// The window the last fired hook attached (for the failure path of creation).
HWND AfxLastHookedWindow();
// After a creation that made no window: gives pWnd its PostNcDestroy exactly once (a self-deleting
// object is gone afterwards). bHookUnused and hWndHooked: what the hook did.
void AfxCreateFailed(CWnd* pWnd, BOOL bHookUnused, HWND hWndHooked);
// Holds a BOOL flag TRUE while the object lives, FALSE afterwards: the re-entry guard of layout code
// that may be called again by what it does.
class CAfxFlagScope {
public:
    explicit CAfxFlagScope(BOOL& rbFlag) : m_rbFlag(rbFlag) { m_rbFlag = TRUE; }
    ~CAfxFlagScope() { m_rbFlag = FALSE; }
    CAfxFlagScope(const CAfxFlagScope&) = delete;
    CAfxFlagScope& operator=(const CAfxFlagScope&) = delete;

private:
    BOOL& m_rbFlag;
};

// Makes pWnd's window through create() (a Win32 call that returns the new window or null) with the
// creation hook armed for pWnd, so the window is attached to pWnd before its first message. Returns
// the window; null when none was made, after pWnd got what a failed creation gives it
// (AfxCreateFailed).
template <class TCreate>
HWND AfxCreateHooked(CWnd* pWnd, TCreate create)
{
    CWnd* pPrevious = AfxHookWindowCreate(pWnd);
    const HWND hWnd = create();
    const HWND hWndHooked = AfxLastHookedWindow();
    const BOOL bHookUnused = AfxUnhookWindowCreate(pPrevious);
    if (hWnd == nullptr)
        AfxCreateFailed(pWnd, bHookUnused, hWndHooked);
    return hWnd;
}

// Whether pMsg is a key message for hWnd or a window inside it: what a window holding controls hands to
// the dialog manager. FALSE while hWnd is null.
inline BOOL AfxIsKeyMessageFor(HWND hWnd, const MSG* pMsg)
{
    return hWnd != nullptr && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
           (pMsg->hwnd == hWnd || ::IsChild(hWnd, pMsg->hwnd));
}

// Whether pMsg is Alt+F4 as the keyboard sends it: a system key with Alt held. The system's default
// asks the top-level window to close for it.
inline BOOL AfxIsAltF4(const MSG* pMsg)
{
    return pMsg->message == WM_SYSKEYDOWN && pMsg->wParam == VK_F4 && (HIWORD(pMsg->lParam) & KF_ALTDOWN) != 0;
}

// Sets pWnd's window text to lpszText only when it differs from what it shows (no flicker, no needless
// repaint of a caption that stays).
void AfxSetWindowTextIfChanged(CWnd* pWnd, LPCSTR lpszText);

// Puts hMenuBar (null: none) on the MDI frame whose client is hWndMDIClient, with its popup that
// holds the Window commands as the client's window menu (WM_MDISETMENU).
void AfxMDISetMenuBar(HWND hWndMDIClient, HMENU hMenuBar);

// Makes sure the common controls' window classes are registered.
void AfxInitCommonControls();
// The registered message of drag lists (DRAGLISTMSGSTRING): a list box made a drag list reports to its
// parent with it; the parent reflects it to the list (CDragListBox).
UINT AfxDragListMessage();

// The default answer to a tooltip's text request for tool nID: the text after '\n' in string nID.
// Returns FALSE when there is none.
BOOL AfxDefaultToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
// The window is going: the tooltip relay forgets the tools it added for it.
void AfxForgetToolTipsOf(HWND hWnd);

// The owner-draw item messages a list box or combo box takes from its parent: WM_DRAWITEM,
// WM_MEASUREITEM, WM_COMPAREITEM and WM_DELETEITEM go to ctl's DrawItem, MeasureItem, CompareItem and
// DeleteItem. The base operations of those classes set bBaseItemCall (nothing overrides them): the
// message then stays with the parent. Returns TRUE when the control took the message (*pResult, if
// given, is its answer); FALSE for any other message or when the base operation ran.
template <class TOwnerDrawList>
BOOL AfxReflectOwnerDrawItem(TOwnerDrawList& ctl, BOOL& bBaseItemCall, UINT message, LPARAM lParam,
                             LRESULT* pResult)
{
    LRESULT lResult = TRUE;
    bBaseItemCall = FALSE;
    switch (message) {
    case WM_DRAWITEM:
        ctl.DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        break;
    case WM_MEASUREITEM:
        ctl.MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        break;
    case WM_COMPAREITEM:
        lResult = ctl.CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        break;
    case WM_DELETEITEM:
        ctl.DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        break;
    default:
        return FALSE;
    }
    if (bBaseItemCall)
        return FALSE;
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}

// The text of item nIndex of a list box or combo box in rString (empty for a bad index, for which
// both controls answer -1): msgTextLen and msgText are LB_GETTEXTLEN / LB_GETTEXT or CB_GETLBTEXTLEN /
// CB_GETLBTEXT.
void AfxGetListItemText(HWND hWnd, UINT msgTextLen, UINT msgText, int nIndex, CString& rString);

// The image list a list or tree control answers message with (LVM_GETIMAGELIST, TVM_SETIMAGELIST,
// ...; wParam nImageList, lParam the handle of pImageList, null allowed), as CImageList::FromHandle
// gives it: null when the control has none.
CImageList* AfxControlImageList(HWND hWnd, UINT message, int nImageList, const CImageList* pImageList = nullptr);
// A new CImageList that owns hImageList (a drag image a control made; the caller deletes it). Null for
// a null handle.
CImageList* AfxNewImageList(HIMAGELIST hImageList);

// The dialog procedure behind the library's window procedure for dialogs and property pages: the
// dialog manager's default handling of every message their tables leave alone.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// The library's modal loop of dialogs and property sheets: disables hWndTop (when it is enabled), shows
// pWnd's window, and dispatches the thread's messages (through the application's PreTranslateMessage)
// until pfnIsEnded(pWnd) answers TRUE or the window is gone; the owner is told WM_ENTERIDLE whenever the
// queue runs empty. WM_QUIT calls pfnOnQuit(pWnd) (which must end the modal state) and is posted again
// for the outer loop. Afterwards hWndTop is enabled again and activated when the modal window was
// active.
void AfxRunModalLoop(CWnd* pWnd, HWND hWndTop, BOOL (*pfnIsEnded)(CWnd*), void (*pfnOnQuit)(CWnd*));
// Gives the keyboard focus to hWndWanted, within the top-level window hWndTop, when hWndTop is the
// active window: to hWndWanted itself when it is hWndTop or a visible, enabled window inside it; else
// (hidden, disabled, gone, null or elsewhere) to the print preview that hWndTop shows, or to hWndTop
// itself. While hWndTop shows a preview only the preview and its bar's buttons take the focus: the
// windows it covers look visible but are out of sight. The keyboard never goes to a window the user
// cannot see. Returns the window that has the focus, or null when hWndTop is not active (or null).
HWND AfxFocusVisibleWithin(HWND hWndTop, HWND hWndWanted);

// After a modal run over hWndTop: hWndFocus, the window that had the focus before the run, has it again
// when it is inside hWndTop, visible and enabled, and hWndTop is the active window, so that the keyboard
// goes on where it was (the owner's activation alone leaves the focus on the owner); else the focus
// left on a window out of sight, or on none, goes where AfxFocusVisibleWithin puts it.
void AfxRestoreOwnerFocus(HWND hWndTop, HWND hWndFocus);

// The production modal run of a dialog or property sheet (TModal has StartModal, IsModalEnded,
// EndDialog, GetModalResult and FinishModal): the window is made, the modal loop runs over the top-level
// window that owns it for pParentWnd (WM_QUIT ends it with -1), the window is destroyed and the focus
// goes back (AfxRestoreOwnerFocus). Returns the result; -1 when the window could not be made.
template <class TModal>
INT_PTR AfxRunModal(TModal& modal, CWnd* pParentWnd)
{
    HWND hWndTop = nullptr;
    TModal::GetSafeOwner(pParentWnd, &hWndTop);
    const HWND hWndFocus = ::GetFocus();
    if (!modal.StartModal())
        return -1;
    AfxRunModalLoop(
        &modal, hWndTop, [](CWnd* pWnd) { return static_cast<TModal*>(pWnd)->IsModalEnded(); },
        [](CWnd* pWnd) { static_cast<TModal*>(pWnd)->EndDialog(-1); });
    const INT_PTR nResult = modal.GetModalResult();
    modal.FinishModal();
    AfxRestoreOwnerFocus(hWndTop, hWndFocus);
    return nResult;
}
