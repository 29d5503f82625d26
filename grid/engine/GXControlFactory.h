// The control factory: the one object through which the grid library makes the cell controls of the
// grids, registers their names and user attributes in a styles map, attaches each new grid's operation
// modules, installs the process-wide modules and registers the window classes that dialog templates
// may name.
//
// Controls by id (GXControlTable, in the order of the control names): every id is the string-table id
// whose text names the control; an id outside the table, and "Arrow Header" (52530), "Row Header"
// (52533) and "Colorwell" (52538), get the edit control's entry. The entry names the control class and
// the arguments it is built with after the grid, the style its window is created with (or given to its
// style step) and whether it receives a cell tip. After construction the factory still sets, per class:
// the two option flags of CGXComboBoxWnd (1, 0) after its window exists; one window operation of
// CGXMaskControl with two zeros; the drop-down-list flag of the tabbed combo box window for 52540; two
// option words of CGXDateTimeCtrl (0, 0) after its child windows exist. On Win32s, 52539 and 52540 make
// the entry of 52541. 20132 makes a control only for a browser grid, which this program has none of.
//
// Control classes: the cell controls register a maker per class (RegisterControlMaker; the grid's
// controls do it in grid/controls/GXControls.cpp, one maker for every class of the table). An entry
// whose class has no maker registered (a program that never registers the cell controls) makes a
// CGXPlainTextControl that draws the cell's text and edits nothing (it knows its entry); the entries
// marked for it receive their cell tip either way. User attributes: the library's own first, then the
// step of each registered class that has one, then every library id still unregistered without a style
// (see RegisterAllUserAttributes).
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXControl.h"

#include <vector>

class CGXGridCore;
class CGXStylesMap;

// One control id of the factory's table.
struct GXControlEntry {
    UINT nId;              // the control id (the string-table id of its name)
    const char* pszClass;  // the control class it makes
    UINT nArgCount;        // how many of adwArgs the class is built with, after the grid
    DWORD adwArgs[3];
    DWORD dwWndStyle;      // the style of the window the factory creates (id nId) or gives the style step; 0: none
    BOOL bCellTip;         // the control receives a cell tip
};

// The table, in the order of the control names, and its size.
extern const GXControlEntry GXControlTable[];
extern const size_t GXControlTableSize;
// The entry that CreateControl uses for nId: its own, or the edit control's for an id outside the
// table. bWin32s: 52539 and 52540 give the entry of 52541.
const GXControlEntry& GXFindControlEntry(UINT nId, BOOL bWin32s = FALSE);

// The ids RegisterAllControls registers, in its order, and their number (37).
extern const UINT GXRegisteredControlIds[];
extern const size_t GXRegisteredControlIdCount;

// The maker of one cell-control class: the class it makes for the table entries that name it, the
// making (the control for pGrid built with the entry's arguments; null when there is none) and the
// class's user-attribute registration (null: the class has none).
struct GXControlMaker {
    const char* pszClass;
    CGXControl* (*pfnCreate)(CGXGridCore* pGrid, const GXControlEntry& entry);
    void (*pfnRegisterUserAttributes)(CGXStylesMap& stylesMap);
};

// The user attributes of the library that RegisterAllUserAttributes makes sure of: 51011 to 51057 (the
// ids that have a name), 52568 and 52571; and their number.
extern const UINT GXLibraryUserAttributeIds[];
extern const size_t GXLibraryUserAttributeIdCount;

class CGXAbstractControlFactory {
public:
    virtual ~CGXAbstractControlFactory();
    // A new control for the grid (the grid owns it), or null when there is none for the id.
    virtual CGXControl* CreateControl(UINT nID, CGXGridCore* pGrid) = 0;
    // Registers the control names in the styles map.
    virtual void RegisterAllControls(CGXStylesMap& stylesMap) = 0;
    // Registers the user attributes of the library and its controls in the styles map.
    virtual void RegisterAllUserAttributes(CGXStylesMap& stylesMap) = 0;
    // Attaches a new grid's operation modules.
    virtual void InitializeGridComponents(CGXGridCore* pGrid) = 0;
    // Installs the process-wide modules.
    virtual void InitializeApplicationComponents() = 0;
    // Registers and unregisters the factory's window classes for hInstance.
    virtual void RegisterWndClasses(HINSTANCE hInstance) = 0;
    virtual void UnregisterWndClasses(HINSTANCE hInstance) = 0;
};

class CGXControlFactory : public CGXAbstractControlFactory {
public:
    // The control of nID's entry (GXFindControlEntry) for pGrid (not null, else
    // CInvalidArgException*): the maker of the entry's class, else the stand-in; then its cell tip
    // when the entry has one. Null when the maker makes none (20132 outside a browsing grid) and for
    // 20132 without a maker.
    CGXControl* CreateControl(UINT nID, CGXGridCore* pGrid) override;
    // AddControl of each id of GXRegisteredControlIds in order; a missing name raises
    // CResourceException*.
    void RegisterAllControls(CGXStylesMap& stylesMap) override;
    // The library's own first: CGXControl::RegisterUserAttributes twice (the second finds everything
    // registered), 51022 "Tooltip-Text" (WrapText and AutoSize) and 52792 "Type of ellipses that will be
    // drawn" (a drop-down list, 52529, of the choices 20126). Then the step of each registered class
    // once: CGXSpinEdit, CGXCheckBox, CGXRadioButtonEx, CGXMaskControl, CGXProgressCtrl,
    // CGXTabbedComboBox, CGXTabbedComboBoxWnd, CGXDateTimeCtrl, CGXCurrencyEdit in that order, then any
    // other class in the order it was registered. Last every id of GXLibraryUserAttributeIds still
    // unregistered, without a style, so the style dialog lists them before their classes exist. A
    // registered id keeps its first registration.
    void RegisterAllUserAttributes(CGXStylesMap& stylesMap) override;
    // The grid's attach steps, in the order of GXGridModules.h's creators.
    void InitializeGridComponents(CGXGridCore* pGrid) override;
    // The process-wide installers: print device, style compare, style serialise, the older style
    // form, profile, document serialise, parameter copy, rotated text, number formatting, OLE and
    // no-OLE date/time, sort-move, data copy/move, long operation, covered, span and delayed-range pools.
    void InitializeApplicationComponents() override;
    // "CGXGridWnd", "CGXTabBeam" and "CGXTabWnd", in that order (GXRegisterObjectWndClass; a class
    // that cannot be registered raises CResourceException*).
    void RegisterWndClasses(HINSTANCE hInstance) override;
    void UnregisterWndClasses(HINSTANCE hInstance) override;

    // Registers the maker of a control class (its class name not null, else CInvalidArgException*);
    // a maker registered before for the class is replaced.
    void RegisterControlMaker(const GXControlMaker& maker);
    // The maker of pszClass, null when none is registered.
    const GXControlMaker* FindControlMaker(const char* pszClass) const;

private:
    std::vector<GXControlMaker> m_makers;
};

// The library's control factory when it is a CGXControlFactory (null before start-up).
CGXControlFactory* GXGetControlFactory();

// Registers (unless it exists) the window class lpszClassName for hInstance with CS_GLOBALCLASS |
// CS_DBLCLKS and a window procedure that, on the window's first message, makes the window's object from
// the run-time class of the same name (a creatable CWnd), attaches it and hands it the window's
// messages; without such a class no object is made and the window runs DefWindowProc. TRUE when the
// class exists afterwards; a class the system refuses to register raises CResourceException*.
BOOL GXRegisterObjectWndClass(HINSTANCE hInstance, LPCSTR lpszClassName);
// Whether the procedure of those classes made pWnd's object (a window of a dialog template); the
// object is forgotten there. Such an object deletes itself when its window is gone.
BOOL GXTakeAutoCreatedWindow(CWnd* pWnd);

// The stand-in control of an entry whose class has no maker registered: it draws the cell's text
// (CGXDrawingAndFormatting::DrawCellText) and edits nothing.
class CGXPlainTextControl : public CGXControl {
    GX_DECLARE_CONTROL(CGXPlainTextControl)
public:
    CGXPlainTextControl(CGXGridCore* pGrid, const GXControlEntry& entry);

    // The factory entry the control stands in for.
    const GXControlEntry& GetEntry() const { return m_entry; }

    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;

private:
    const GXControlEntry& m_entry;
};
