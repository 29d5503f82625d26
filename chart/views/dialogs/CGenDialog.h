// CGenDialog: a sub-panel of controls made from a DIALOG resource, placed into another window (the
// chart wizard's main page shows one for each kind of component). It reads the template itself, the
// standard form and the extended one (DIALOGEX), and creates the template's controls as children of
// the owner, hidden, with the owner's font. With a placeholder control the panel's origin is that
// control's top-left corner; dialog units become pixels by the owner's font when the owner is a
// dialog, else by the system's dialog base units.
//
// Edit controls, list boxes, list views and tree views get the sunken client edge. The rich edit
// library is loaded before a "RICHEDIT" control is made. A class whose name begins with '{' is the
// class id of an ActiveX control: it is made through the system's ActiveX host window (ATL's
// "AtlAxWin", OLE started for the thread first), which stands at the item's place and holds the
// control. A control that cannot be made (a class id that is not registered, or whose control fails
// to start, or any control whose window cannot be made) is left out after the message kCannotCreate
// with its class name.
//
// Show(TRUE) gives each control back the text it had when it was last hidden (its template text at
// first) and shows it; Show(FALSE) keeps each control's text and hides it.
//
// A template that runs past the end of its resource (a count of items, a string or an item beyond its
// size) ends the reading: the controls read before it are made, nothing after it.
#pragma once

#include "win/Win.h"

#include <windows.h>

#include <vector>

class CGenDialog : public CObject {
    DECLARE_DYNAMIC(CGenDialog)
public:
    // The message shown for a control that cannot be made (printf form, the class name).
    static const char kCannotCreate[];

    // A control of a template: its style, rectangle in dialog units, id, class and text.
    struct Item {
        DWORD dwStyle = 0;
        DWORD dwExStyle = 0;
        short x = 0;
        short y = 0;
        short cx = 0;
        short cy = 0;
        UINT nID = 0;
        CString className;
        CString title;
    };

    // The controls of the DIALOG template of nSize bytes at pData (standard or extended), in order.
    static std::vector<Item> ParseTemplate(const BYTE* pData, size_t nSize);

    // The panel of DIALOG resource nIDResource in pOwner (not null), placed at control nPlaceholderID of
    // pOwner (-1: at the owner's origin). Nothing is made yet.
    CGenDialog(UINT nIDResource, CWnd* pOwner, int nPlaceholderID = -1);
    // Frees the list; the controls stay children of their owner (and go with it).
    ~CGenDialog() override;
    CGenDialog(const CGenDialog&) = delete;
    CGenDialog& operator=(const CGenDialog&) = delete;

    // Creates the controls (hidden). FALSE when the owner has no window or the resource is missing.
    // A second call does nothing and answers TRUE.
    BOOL Create();
    // Destroys the controls that still have windows and forgets them all; Create may then run again
    // (for an owner whose window was made anew).
    void Destroy();
    // See the top of this file.
    void Show(BOOL bShow);
    BOOL IsCreated() const { return m_bCreated; }
    BOOL IsShown() const { return m_bShown; }
    // The controls made, in template order.
    int GetControlCount() const { return int(m_controls.size()); }
    HWND GetControl(int n) const { return m_controls[size_t(n)].hWnd; }
    const CString& GetControlClass(int n) const { return m_controls[size_t(n)].className; }

private:
    struct Control {
        HWND hWnd;
        CString className;
        CString text;
    };

    // The item's rectangle in pixels of the owner, from the origin.
    CRect ItemRect(const Item& item, CPoint origin) const;
    // Makes one control; false (after the message) when it cannot be made.
    bool CreateControl(const Item& item, CPoint origin);

    UINT m_nIDResource;
    CWnd* m_pOwner;
    int m_nPlaceholderID;
    std::vector<Control> m_controls;
    BOOL m_bCreated;
    BOOL m_bShown;
};
