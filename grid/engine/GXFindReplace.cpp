// The shared find and replace state (see GXFindReplace.h).
#include "grid/engine/GXFindReplace.h"

namespace {
// Built with the program's static objects, before main; its strings go at exit.
GridFindReplaceState g_findReplaceState;
}  // namespace

void GridFindReplaceState::PrepareSearchText()
{
    m_strSearch = m_strFind;
    if (!m_bCase)
        m_strSearch.MakeUpper();
}

GridFindReplaceState& GXGetFindReplaceState()
{
    return g_findReplaceState;
}
