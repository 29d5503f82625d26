// The grid library's process-wide state (GridLibraryState) and its cache of system colours
// (GridSysColors), as far as the value types, the cell style, the cell data, the parameters and their
// stored forms need them: the cached colours that packed colours read, the font state that CGXFont
// interns into, the number-recognition option that user attributes and the cell data consult, the
// process-wide modules that the objects' Serialize, profile, compare and copy operations forward to
// (null until installed; GXModules.h), the list of installed modules freed at exit, the two switches
// that give the header styles null borders, and the hook told when a parameter object's range lists
// were loaded.
//
// Does not do yet: the start-up (InitGridLibrary, the control factory, the shared texts, the window
// classes and clipboard format, the module pointers of the grid operations, the grid registry, the
// Windows version flags, the activity words) and, in GridSysColors, the edge widths, the arrow cursor
// and the two drop-down arrow bitmaps. They come with the grid library's start-up.
//
// Both objects are made on first use and destroyed at process exit. GridSysColors holds no colour
// until its first Refresh: until then GetSysColor asks the system for every index.
#pragma once

#include <windows.h>

#include "grid/engine/GXFontState.h"

#include <memory>
#include <vector>

class CGXAbstractStyleCompareSubsetImp;
class CGXAbstractStyleSerializeImp;
class CGXAbstractGridDocSerializeImp;
class CGXAbstractGridProfileImp;
class CGXAbstractGridParamCopyOperatorImp;
class CGXAbstractGridSortMoveDataImp;
class CGXAbstractDataCopyMoveCellsImp;
class CGXAbstractSerializeQW5CompatibleImp;
class CGXRangeList;

class GridSysColors {
public:
    enum { nCachedColors = 24 };

    GridSysColors();

    // Re-reads the 24 cached colours (indexes 0..23) and the named colours below.
    void Refresh();
    // The cached colour of nIndex when it is below the cached count, else the system's GetSysColor.
    COLORREF GetSysColor(int nIndex) const;

    COLORREF m_colors[nCachedColors];
    int m_nCount;  // 0 until the first Refresh
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
};

class GridLibraryState {
public:
    GridLibraryState();
    ~GridLibraryState();
    GridLibraryState(const GridLibraryState&) = delete;
    GridLibraryState& operator=(const GridLibraryState&) = delete;

    // The state while it exists; null before its first use and after its destruction at exit (for
    // objects destroyed late that would otherwise reach a destroyed state).
    static GridLibraryState* GetIfAlive();

    // The enumerated font faces and the interned font data of CGXFont.
    GXFontState m_fontState;
    // When set, texts given to user attributes and cell values are tested for numbers (off by default).
    BOOL m_bNumberRecognition;
    // While both are set, the styles map gives its new header styles null borders (both off; nothing
    // in the library sets them).
    WORD m_wNullHeaderBorders1;
    WORD m_wNullHeaderBorders2;
    // Told with the second range list of a parameter object that was just loaded (null: nobody).
    void (*m_pfnRangeListLoaded)(CGXRangeList& list);

    // The process-wide modules (null until their installer runs; see GXModules.h).
    CGXAbstractStyleCompareSubsetImp* m_pStyleCompareSubsetImp;
    CGXAbstractStyleSerializeImp* m_pStyleSerializeImp;
    CGXAbstractGridDocSerializeImp* m_pDocSerializeImp;
    CGXAbstractGridProfileImp* m_pProfileImp;
    CGXAbstractGridParamCopyOperatorImp* m_pParamCopyOperatorImp;
    CGXAbstractGridSortMoveDataImp* m_pSortMoveDataImp;
    CGXAbstractDataCopyMoveCellsImp* m_pDataCopyMoveCellsImp;
    CGXAbstractSerializeQW5CompatibleImp* m_pQW5SerializeImp;

    // Adds an installed module object to the head of the singleton list; the state owns it from then
    // on and deletes it at exit. A null object throws CInvalidArgException*.
    void RegisterLibrarySingleton(CObject* pModule);
    // The number of installed module objects.
    size_t GetSingletonCount() const { return m_singletons.size(); }

private:
    std::vector<std::unique_ptr<CObject>> m_singletons;  // head first
};

// The process-wide grid library state, made on first use.
GridLibraryState* GXGetLibraryState();
// The process-wide system-colour cache, made on first use.
GridSysColors* GXGetSysColors();

// The installer of a process-wide module of class TModule: when rpSlot is null, makes the module,
// hands it to the singleton list and stores it in rpSlot; otherwise nothing.
template <class TModule, class TBase>
void GXInstallLibraryModule(TBase*& rpSlot)
{
    if (rpSlot != nullptr)
        return;
    TBase* pModule = new TModule;
    GXGetLibraryState()->RegisterLibrarySingleton(pModule);
    rpSlot = pModule;
}
