// The grid library's process-wide state (GridLibraryState) and its cache of system colours
// (GridSysColors).
//
// The state holds what every grid shares: the control factory, the process-wide modules (null until
// installed; GXModules.h) and the list of installed modules freed at exit, the creators the grid
// operations give for their modules, the shared texts, the private clipboard format, the Windows
// version flags, the registry of which grids share a parameter object, properties, styles map or cell
// data, the drawing-and-formatting singleton, the pool of bitmap cells, the formula engine's
// process-wide objects, the font state that CGXFont interns into, and a few switches.
//
// Start-up (InitGridLibrary, once, before any grid window exists): SetControlFactory registers the
// clipboard format "Grid Styles %08x" of the module's instance handle, takes the factory, reads the
// Windows version and installs the process-wide modules through the factory; then the shared texts and
// the four long-operation texts are loaded from the string table (the resource handle is saved before
// and restored after), the library's window classes are registered ("GXEDIT", "GXLISTBOX",
// "GXCOMBOBOX" as copies of the system's edit, list box and combo box with CS_GLOBALCLASS; "GXWND",
// "GXNDBLCLKSWND", "GxMdiFrame"; the factory's own; a class that exists is left alone), the system
// colours are refreshed and the locale settings read again.
//
// Both objects are made on first use and destroyed at process exit. GridSysColors holds no colour
// until its first Refresh: until then GetSysColor asks the system for every index, and the two
// drop-down arrow bitmaps are empty.
//
// The active grid and the focus hooks: a grid that is activated (CGXGridCore::OnActivateGrid) becomes
// the active grid; the two hooks (not owned, null: none) hear of every grid that gains the focus or
// whose current cell moves, so that a window outside the grids (a formula bar, a status pane) can
// follow the cell the user is on.
#pragma once

#include <windows.h>

#include "grid/engine/GXFontState.h"
#include "grid/engine/GXGridModules.h"
#include "grid/engine/GXModules.h"
#include "win/CGdiObject.h"

#include <map>
#include <memory>
#include <vector>

class CWnd;
class CView;
class CGXGridCore;
class CGXAbstractControlFactory;
class CGXDrawingAndFormatting;
class CGXDIBPool;
class CGXRangeList;

class GridSysColors {
public:
    enum { nCachedColors = 24 };

    // Loads the standard arrow cursor and takes the edge widths from the Windows version.
    GridSysColors();

    // Re-reads the 24 cached colours (indexes 0..23) and the named colours below, then rebuilds the
    // two drop-down arrow bitmaps in the current button colours (LoadSysColorBitmap).
    void Refresh();
    // The cached colour of nIndex when it is below the cached count, else the system's GetSysColor.
    COLORREF GetSysColor(int nIndex) const;

    COLORREF m_colors[nCachedColors];
    int m_nCount;  // 0 until the first Refresh
    int m_nEdgeWidth;   // 2 on Windows 4 or later, else 1
    int m_nEdgeHeight;  // likewise
    COLORREF m_clrBtnFace;
    COLORREF m_clrBtnShadow;
    COLORREF m_clrBtnHilite;
    COLORREF m_clrWindowFrame;
    COLORREF m_clr3dLight;
    COLORREF m_clr3dDkShadow;
    COLORREF m_clrWindowText;
    COLORREF m_clrWindow;
    COLORREF m_clrHighlight;
    COLORREF m_clrHighlightText;
    HCURSOR m_hcurArrow;
    BOOL m_bWin4;  // the major Windows version is above 3
    CBitmap m_bmpDropArrow;          // bitmap 20028: a black triangle of 7 by 4 pixels
    CBitmap m_bmpDropArrowDisabled;  // bitmap 20211: the same in shadow grey with a white highlight
};

// A hook the grids tell when they gain the focus, when their current cell moves and when one is
// initialised on a remembered current cell (GridLibraryState::m_apFocusHooks).
class CGXGridFocusHook {
public:
    virtual ~CGXGridFocusHook() = default;
    // pGrid (not null) has the focus or a new current cell; pGrid->GetCurrentCell tells which.
    virtual void OnGridFocus(CGXGridCore* pGrid) = 0;
};

// The naming callback of the grids' titles (the parameter object's title, shown by tab windows).
class CGXGridNamingCallback {
public:
    virtual ~CGXGridNamingCallback() = default;
    // A grid initialised: its window and its parameter object's title (bHasTitle: not empty).
    virtual void OnGridTitle(CWnd* pGridWnd, const CString& strTitle, BOOL bHasTitle) = 0;
    // Turns strTitle, the title of pGridWnd's parameter object, into the title that belongs to nIndex
    // (a tab window's label).
    virtual void GetTitle(CWnd* pGridWnd, CString& strTitle, WPARAM nIndex) = 0;
};

class GridLibraryState {
public:
    // The shared texts: string-table texts, then the name of the save-bits window class.
    enum SharedText {
        gxRedoing, gxUndoing, gxGeneratingUndo, gxStoringCells, gxRestoringCells, gxCells, gxRemovingRows,
        gxRemovingCols, gxMoveRows, gxMoveCols, gxInsertRows, gxInsertCols, gxCopyingText, gxCopyingInternal,
        gxCutData, gxClearCells, gxCuttingData, gxPastingData, gxPaste, gxReplacingValues, gxReplaceAll,
        gxSearchingValues, gxResizeRows, gxResizeCols, gxFreezeRows, gxFreezeCols, gxCurrentCell,
        gxClipboardSize, gxCopy, gxMove, gxSaveBitsClass, gxSharedTextCount
    };
    // The string-table ids of the texts gxRedoing .. gxMove, in that order.
    static const UINT s_anSharedTextIds[gxSaveBitsClass];

    GridLibraryState();
    // Frees the factory, the owned objects, the drawing singleton, the formula engine's objects and
    // every installed module.
    ~GridLibraryState();
    GridLibraryState(const GridLibraryState&) = delete;
    GridLibraryState& operator=(const GridLibraryState&) = delete;

    // The state while it exists; null before its first use and after its destruction at exit (for
    // objects destroyed late that would otherwise reach a destroyed state).
    static GridLibraryState* GetIfAlive();

    // The start-up of the top of this file, with pFactory (not null, else CInvalidArgException*) as
    // the control factory. Ends with m_bInitialized 1.
    void Initialize(CGXAbstractControlFactory* pFactory);
    // Registers the clipboard format, takes pFactory over (deleting a previous one; not null, else
    // CInvalidArgException*), frees the three owned objects, reads the Windows version into the flags
    // and lets the factory install the process-wide modules.
    void SetControlFactory(CGXAbstractControlFactory* pFactory);

    // Adds an installed module object to the head of the singleton list; the state owns it from then
    // on and deletes it at exit. A null object throws CInvalidArgException*.
    void RegisterLibrarySingleton(CObject* pModule);
    // The number of installed module objects.
    size_t GetSingletonCount() const { return m_singletons.size(); }

    // Appends pClass to the list of classes whose windows may hold grid views (nothing when listed).
    void AddParentClass(CRuntimeClass* pClass);
    // The first parent of pWnd found by FindParentOfClass (minimised allowed) for the listed classes,
    // in list order; null when none.
    CWnd* FindRegisteredParent(CWnd* pWnd) const;

    // The grid registry: which grids use a shared object (parameter object, properties, styles map,
    // cell data). RegisterGridWith appends pGrid to pObject's list (made on first use; a grid is listed
    // once);
    // FindFirstGridOf answers the first grid registered for pObject (null when none); UnregisterGrid
    // takes pGrid out of every list and drops a list that becomes empty with its key, and forgets it as
    // the active grid.
    void RegisterGridWith(const void* pObject, CGXGridCore* pGrid);
    CGXGridCore* FindFirstGridOf(const void* pObject) const;
    void UnregisterGrid(CGXGridCore* pGrid);
    const std::map<const void*, std::vector<CGXGridCore*>>& GetGridRegistry() const { return m_gridRegistry; }

    // The process-wide activity word, the pop-up-opening flag: a cell window sets it while it creates
    // or shows a drop-down pop-up (list, calculator, calendar); while it is set the grid view ignores
    // view activation and a grid that loses the focus keeps its current cell's control active. Each
    // grid's initialisation resets it to 0.
    WORD GetGlobalWord() const { return m_wActivity; }
    void SetGlobalWord(WORD w) { m_wActivity = w; }

    // 1 once InitGridLibrary ended.
    BOOL m_bInitialized;
    // The registered "Grid Styles %08x" clipboard format.
    UINT m_nClipboardFormat;
    // The shared texts (SharedText).
    CString m_astrTexts[gxSharedTextCount];
    // GetVersion: the major version in the high byte, the minor in the low byte; the flags.
    WORD m_wWinVersion;
    BOOL m_bWinNotNT;     // the top bit of the version is set
    BOOL m_bWin4;         // major version 4 or later
    BOOL m_bWinOldShell;  // major version below 4
    BOOL m_bWin32s;       // not NT and major version below 4
    // When set, new properties and styles maps of a grid read their profile settings (off).
    BOOL m_bReadProfile;

    // The control factory (owned).
    CGXAbstractControlFactory* m_pControlFactory;
    // Three owned objects (the first is the tab windows' interface), freed when a factory is set and
    // at exit.
    CObject* m_apOwnedObjects[3];
    // The drawing-and-formatting singleton (GetDrawingAndFormatting makes it; deleted at exit).
    CGXDrawingAndFormatting* m_pDrawingAndFormatting;
    // The pool of bitmap cells (GetDIBPool makes it; deleted at exit).
    CGXDIBPool* m_pDIBPool;
    // The formula engine's process-wide objects (engine, parse, evaluation and memory states and two
    // more), made by the engine when it needs them; deleted at exit.
    CObject* m_apEngineObjects[6];

    // The enumerated font faces and the interned font data of CGXFont.
    GXFontState m_fontState;
    // When set, texts given to user attributes and cell values are tested for numbers (off by default).
    BOOL m_bNumberRecognition;
    // The look of the three-dimensional check boxes: set, the thin images (bitmap 20024); off (the
    // default), the thick ones (20025).
    BOOL m_bThinCheckBoxLook = FALSE;
    // While set, a printed progress cell draws its caption once, in the background's caption colour,
    // without the second pass over the bar (off; nothing in the library sets it).
    BOOL m_bPrintCaptionOnce = FALSE;
    // While set, the old-style drawing does not clip each row on a DC that has an attribute DC (off;
    // nothing in the library sets it).
    BOOL m_bNoRowClipWithAttribDC = FALSE;
    // While both are set, the styles map gives its new header styles null borders (both off; nothing
    // in the library sets them).
    WORD m_wNullHeaderBorders1;
    WORD m_wNullHeaderBorders2;
    // Told with the second range list of a parameter object that was just loaded (null: nobody).
    void (*m_pfnRangeListLoaded)(CGXRangeList& list);
    // Makes the shared object of a parameter object (CGXGridParam::EnsureSharedObject; null: none).
    CObject* (*m_pfnCreateParamSharedObject)() = nullptr;
    // The naming callback of the grids' titles (not owned; null: none).
    CGXGridNamingCallback* m_pNamingCallback = nullptr;
    // The two focus hooks (not owned; null: none), told in order.
    CGXGridFocusHook* m_apFocusHooks[2] = {};
    // The grid activated last (null: none, or it was destroyed since).
    CGXGridCore* m_pActiveGrid = nullptr;

    // The process-wide modules (null until their installer runs; see GXModules.h).
    CGXAbstractCoveredCellPoolImp* m_pCoveredCellPoolImp;
    CGXAbstractSpanCellPoolImp* m_pSpanCellPoolImp;
    CGXAbstractDelayedRangePoolImp* m_pDelayedRangePoolImp;
    CGXAbstractPrintDeviceImp* m_pPrintDeviceImp;
    CGXAbstractStyleCompareSubsetImp* m_pStyleCompareSubsetImp;
    CGXAbstractStyleSerializeImp* m_pStyleSerializeImp;
    CGXAbstractGridDocSerializeImp* m_pDocSerializeImp;
    CGXAbstractGridProfileImp* m_pProfileImp;
    CGXAbstractGridParamCopyOperatorImp* m_pParamCopyOperatorImp;
    CGXAbstractGridSortMoveDataImp* m_pSortMoveDataImp;
    CGXAbstractDrawRotatedTextImp* m_pDrawRotatedTextImp;
    CGXAbstractDateTimeImp* m_pDateTimeImp;
    CGXAbstractDataCopyMoveCellsImp* m_pDataCopyMoveCellsImp;
    CGXAbstractLongOperationImp* m_pLongOperationImp;
    CGXAbstractSerializeQW5CompatibleImp* m_pQW5SerializeImp;
    CGXAbstractNumberFormattingImp* m_pNumberFormattingImp;

    // What the installers of the grid operations' modules and the grids' attach steps make (all null
    // until the grid operations provide them).
    GXLibraryModuleCreators m_moduleCreators;
    GXGridModuleCreators m_gridModuleCreators;

private:
    // Deletes the three owned objects.
    void FreeOwnedObjects();

    WORD m_wActivity;
    std::vector<CRuntimeClass*> m_parentClasses;
    std::map<const void*, std::vector<CGXGridCore*>> m_gridRegistry;
    std::vector<std::unique_ptr<CObject>> m_singletons;  // head first
};

// The process-wide grid library state, made on first use.
GridLibraryState* GXGetLibraryState();
// The process-wide system-colour cache, made on first use.
GridSysColors* GXGetSysColors();

// Starts the grid library: makes a CGXControlFactory and runs GridLibraryState::Initialize with it.
// The three words (the application passes 1536, 0, 0) are not used.
void InitGridLibrary(WORD wVersion = 1536, WORD w2 = 0, WORD w3 = 0);
// The name of the private clipboard format for the module hInstance: "Grid Styles " and the low 32
// bits of the handle as eight lower-case hex digits.
CString GXClipboardFormatName(HINSTANCE hInstance);

// pWnd's direct parent when it is of pClass (CObject::IsKindOf of its permanent object), else null;
// without bAllowMinimised also null when an ancestor of pWnd is minimised.
CWnd* FindParentOfClass(CWnd* pWnd, CRuntimeClass* pClass, BOOL bAllowMinimised);
// The main window's active view, or, when it has none, the active view of its active frame; null
// when there is no main frame.
CView* GetAppActiveView();
// Lets the date/time module read the locale's settings again (nothing without the module).
void RefreshLocaleSettings();
// Joins the two WM_CHAR messages of a double-byte character. With no pending lead byte: a lead byte of
// the active code page is held (bPendingLead set, strText emptied, TRUE); any other byte becomes a
// one-character strText (FALSE). With a pending lead byte: the flag is cleared and strText becomes the
// lead byte followed by nChar (TRUE).
BOOL ComposeMultiByteChar(UINT nChar, CString& strText, BOOL& bPendingLead, BYTE& chLeadByte);

// The installer of a process-wide module: when rpSlot is null and pfnCreate is given, makes the
// module, hands it to the singleton list and stores it in rpSlot; otherwise nothing.
template <class TBase>
void GXInstallLibraryModule(TBase*& rpSlot, TBase* (*pfnCreate)())
{
    if (rpSlot != nullptr || pfnCreate == nullptr)
        return;
    TBase* pModule = pfnCreate();
    if (pModule == nullptr)
        return;
    GXGetLibraryState()->RegisterLibrarySingleton(pModule);
    rpSlot = pModule;
}

// The same for a module of class TModule.
template <class TModule, class TBase>
void GXInstallLibraryModule(TBase*& rpSlot)
{
    GXInstallLibraryModule<TBase>(rpSlot, +[]() -> TBase* { return new TModule; });
}
