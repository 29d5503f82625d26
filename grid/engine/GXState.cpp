// The grid library's process-wide state and system-colour cache (see GXState.h).
#include "grid/engine/GXState.h"

#include "core/Core.h"

#include <new>

namespace {
GridLibraryState* g_pAliveState = nullptr;
}

GridSysColors::GridSysColors()
    : m_colors(), m_nCount(0), m_clrBtnFace(0), m_clrBtnShadow(0), m_clrBtnHilite(0), m_clrWindowFrame(0),
      m_clr3dLight(0), m_clr3dDkShadow(0), m_clrWindowText(0), m_clrWindow(0), m_clrHighlight(0),
      m_clrHighlightText(0)
{
}

void GridSysColors::Refresh()
{
    for (int i = 0; i < nCachedColors; ++i)
        m_colors[i] = ::GetSysColor(i);
    m_nCount = nCachedColors;
    m_clrBtnFace = ::GetSysColor(COLOR_BTNFACE);
    m_clrBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    m_clrBtnHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_clrWindowFrame = ::GetSysColor(COLOR_WINDOWFRAME);
    m_clr3dLight = ::GetSysColor(COLOR_3DLIGHT);
    m_clr3dDkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
    m_clrWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_clrWindow = ::GetSysColor(COLOR_WINDOW);
    m_clrHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    m_clrHighlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
}

COLORREF GridSysColors::GetSysColor(int nIndex) const
{
    if (nIndex >= 0 && nIndex < m_nCount)
        return m_colors[nIndex];
    return ::GetSysColor(nIndex);
}

GridLibraryState::GridLibraryState()
    : m_bNumberRecognition(FALSE), m_wNullHeaderBorders1(0), m_wNullHeaderBorders2(0),
      m_pfnRangeListLoaded(nullptr), m_pStyleCompareSubsetImp(nullptr), m_pStyleSerializeImp(nullptr),
      m_pDocSerializeImp(nullptr), m_pProfileImp(nullptr), m_pParamCopyOperatorImp(nullptr),
      m_pSortMoveDataImp(nullptr), m_pDataCopyMoveCellsImp(nullptr), m_pQW5SerializeImp(nullptr)
{
    g_pAliveState = this;
}

void GridLibraryState::RegisterLibrarySingleton(CObject* pModule)
{
    if (pModule == nullptr)
        AfxThrowInvalidArgException("GridLibraryState::RegisterLibrarySingleton: null module");
    std::unique_ptr<CObject> owned(pModule);
    AfxAllocating([&] { m_singletons.insert(m_singletons.begin(), std::move(owned)); });
}

GridLibraryState::~GridLibraryState()
{
    // objects destroyed after the state find no modules (GetIfAlive answers null from here on)
    g_pAliveState = nullptr;
    m_pStyleCompareSubsetImp = nullptr;
    m_pStyleSerializeImp = nullptr;
    m_pDocSerializeImp = nullptr;
    m_pProfileImp = nullptr;
    m_pParamCopyOperatorImp = nullptr;
    m_pSortMoveDataImp = nullptr;
    m_pDataCopyMoveCellsImp = nullptr;
    m_pQW5SerializeImp = nullptr;
    m_singletons.clear();
}

GridLibraryState* GridLibraryState::GetIfAlive()
{
    return g_pAliveState;
}

GridLibraryState* GXGetLibraryState()
{
    static GridLibraryState state;
    return &state;
}

GridSysColors* GXGetSysColors()
{
    static GridSysColors colors;
    return &colors;
}
