// The grid library's process-wide state (GridLibraryState) and its cache of system colours
// (GridSysColors), as far as the value types and the cell style need them: the cached colours that
// packed colours read, the font state that CGXFont interns into, and the number-recognition option
// that user attributes consult.
//
// Does not do yet: the start-up (InitGridLibrary, the control factory, the shared texts, the window
// classes and clipboard format, the module pointers and singletons, the grid registry, the Windows
// version flags, the activity words) and, in GridSysColors, the edge widths, the arrow cursor and the
// two drop-down arrow bitmaps. They come with the grid library's start-up.
//
// Both objects are made on first use and destroyed at process exit. GridSysColors holds no colour
// until its first Refresh: until then GetSysColor asks the system for every index.
#pragma once

#include <windows.h>

#include "grid/engine/GXFontState.h"

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
    // When set, texts given to user attributes are tested for numbers (off by default).
    BOOL m_bNumberRecognition;
};

// The process-wide grid library state, made on first use.
GridLibraryState* GXGetLibraryState();
// The process-wide system-colour cache, made on first use.
GridSysColors* GXGetSysColors();
