// The grid library's pop-up flag (GridLibraryState's global word) set for as long as a scope lives, then
// put back: a cell window sets it while it creates or shows a drop-down pop-up, so that the grid keeps
// its current cell's control active through the focus change.
#pragma once

#include "grid/engine/GXState.h"

class PopupOpeningScope {
public:
    PopupOpeningScope() : m_wSaved(GXGetLibraryState()->GetGlobalWord()) { GXGetLibraryState()->SetGlobalWord(1); }
    ~PopupOpeningScope() { GXGetLibraryState()->SetGlobalWord(m_wSaved); }
    PopupOpeningScope(const PopupOpeningScope&) = delete;
    PopupOpeningScope& operator=(const PopupOpeningScope&) = delete;

private:
    WORD m_wSaved;
};
