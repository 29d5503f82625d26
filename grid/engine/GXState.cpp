// The grid library's process-wide state and system-colour cache (see GXState.h); the start-up is in
// GXStartup.cpp.
#include "grid/engine/GXState.h"

#include "core/Core.h"
#include "grid/engine/GXControlFactory.h"
#include "grid/engine/GXDIB.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXResource.h"
#include "win/Win.h"

#include <algorithm>

namespace {
GridLibraryState* g_pAliveState = nullptr;

BOOL IsWindows4OrLater()
{
    return LOBYTE(LOWORD(::GetVersion())) >= 4;
}
}  // namespace

// ---- GridSysColors ------------------------------------------------------------------------------

GridSysColors::GridSysColors()
    : m_colors(), m_nCount(0), m_nEdgeWidth(IsWindows4OrLater() ? 2 : 1), m_nEdgeHeight(m_nEdgeWidth),
      m_clrBtnFace(0), m_clrBtnShadow(0), m_clrBtnHilite(0), m_clrWindowFrame(0), m_clr3dLight(0),
      m_clr3dDkShadow(0), m_clrWindowText(0), m_clrWindow(0), m_clrHighlight(0), m_clrHighlightText(0),
      m_hcurArrow(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW))), m_bWin4(IsWindows4OrLater())
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
    LoadSysColorBitmap(m_bmpDropArrow, MAKEINTRESOURCEA(GX_IDB_DROPARROW));
    LoadSysColorBitmap(m_bmpDropArrowDisabled, MAKEINTRESOURCEA(GX_IDB_DROPARROW_DISABLED));
}

COLORREF GridSysColors::GetSysColor(int nIndex) const
{
    if (nIndex >= 0 && nIndex < m_nCount)
        return m_colors[nIndex];
    return ::GetSysColor(nIndex);
}

GridSysColors* GXGetSysColors()
{
    static GridSysColors colors;
    return &colors;
}

// ---- GridLibraryState ---------------------------------------------------------------------------

const UINT GridLibraryState::s_anSharedTextIds[gxSaveBitsClass] = {
    GX_IDS_REDOING, GX_IDS_UNDOING, GX_IDS_GENERATINGUNDO, GX_IDS_STORINGCELLS, GX_IDS_RESTORINGCELLS,
    GX_IDS_CELLS, GX_IDS_REMOVINGROWS, GX_IDS_REMOVINGCOLS, GX_IDS_MOVEROWS, GX_IDS_MOVECOLS,
    GX_IDS_INSERTROWS, GX_IDS_INSERTCOLS, GX_IDS_COPYINGTEXT, GX_IDS_COPYINGINTERNAL, GX_IDS_CUTDATA,
    GX_IDS_CLEARCELLS, GX_IDS_CUTTINGDATA, GX_IDS_PASTINGDATA, GX_IDS_PASTE, GX_IDS_REPLACINGVALUES,
    GX_IDS_REPLACEALL, GX_IDS_SEARCHINGVALUES, GX_IDS_RESIZEROWS, GX_IDS_RESIZECOLS, GX_IDS_FREEZEROWS,
    GX_IDS_FREEZECOLS, GX_IDS_CURRENTCELL, GX_IDS_CLIPBOARDSIZE, GX_IDS_COPY, GX_IDS_MOVE};

GridLibraryState::GridLibraryState()
    : m_bInitialized(FALSE), m_nClipboardFormat(0), m_wWinVersion(0), m_bWinNotNT(FALSE), m_bWin4(FALSE),
      m_bWinOldShell(FALSE), m_bWin32s(FALSE), m_bReadProfile(FALSE), m_pControlFactory(nullptr),
      m_apOwnedObjects(), m_pDrawingAndFormatting(nullptr), m_pDIBPool(nullptr), m_apEngineObjects(), m_bNumberRecognition(FALSE),
      m_wNullHeaderBorders1(0), m_wNullHeaderBorders2(0), m_pfnRangeListLoaded(nullptr),
      m_pCoveredCellPoolImp(nullptr), m_pSpanCellPoolImp(nullptr), m_pDelayedRangePoolImp(nullptr),
      m_pPrintDeviceImp(nullptr), m_pStyleCompareSubsetImp(nullptr), m_pStyleSerializeImp(nullptr),
      m_pDocSerializeImp(nullptr), m_pProfileImp(nullptr), m_pParamCopyOperatorImp(nullptr),
      m_pSortMoveDataImp(nullptr), m_pDrawRotatedTextImp(nullptr), m_pDateTimeImp(nullptr),
      m_pDataCopyMoveCellsImp(nullptr), m_pLongOperationImp(nullptr), m_pQW5SerializeImp(nullptr),
      m_pNumberFormattingImp(nullptr), m_wActivity(0)
{
    g_pAliveState = this;
}

GridLibraryState::~GridLibraryState()
{
    // objects destroyed after the state find no modules (GetIfAlive answers null from here on)
    g_pAliveState = nullptr;
    delete m_pControlFactory;
    m_pControlFactory = nullptr;
    FreeOwnedObjects();
    delete m_pDrawingAndFormatting;
    m_pDrawingAndFormatting = nullptr;
    delete m_pDIBPool;
    m_pDIBPool = nullptr;
    for (CObject*& pObject : m_apEngineObjects) {
        delete pObject;
        pObject = nullptr;
    }
    m_pCoveredCellPoolImp = nullptr;
    m_pSpanCellPoolImp = nullptr;
    m_pDelayedRangePoolImp = nullptr;
    m_pPrintDeviceImp = nullptr;
    m_pStyleCompareSubsetImp = nullptr;
    m_pStyleSerializeImp = nullptr;
    m_pDocSerializeImp = nullptr;
    m_pProfileImp = nullptr;
    m_pParamCopyOperatorImp = nullptr;
    m_pSortMoveDataImp = nullptr;
    m_pDrawRotatedTextImp = nullptr;
    m_pDateTimeImp = nullptr;
    m_pDataCopyMoveCellsImp = nullptr;
    m_pLongOperationImp = nullptr;
    m_pQW5SerializeImp = nullptr;
    m_pNumberFormattingImp = nullptr;
    m_singletons.clear();
}

GridLibraryState* GridLibraryState::GetIfAlive()
{
    return g_pAliveState;
}

void GridLibraryState::FreeOwnedObjects()
{
    for (CObject*& pObject : m_apOwnedObjects) {
        delete pObject;
        pObject = nullptr;
    }
}

void GridLibraryState::RegisterLibrarySingleton(CObject* pModule)
{
    if (pModule == nullptr)
        AfxThrowInvalidArgException("GridLibraryState::RegisterLibrarySingleton: null module");
    std::unique_ptr<CObject> owned(pModule);
    AfxAllocating([&] { m_singletons.insert(m_singletons.begin(), std::move(owned)); });
}

void GridLibraryState::AddParentClass(CRuntimeClass* pClass)
{
    if (pClass == nullptr)
        AfxThrowInvalidArgException("GridLibraryState::AddParentClass: null class");
    if (std::find(m_parentClasses.begin(), m_parentClasses.end(), pClass) == m_parentClasses.end())
        AfxAllocating([&] { m_parentClasses.push_back(pClass); });
}

CWnd* GridLibraryState::FindRegisteredParent(CWnd* pWnd) const
{
    for (CRuntimeClass* pClass : m_parentClasses)
        if (CWnd* pParent = FindParentOfClass(pWnd, pClass, TRUE))
            return pParent;
    return nullptr;
}

void GridLibraryState::RegisterGridWith(const void* pObject, CGXGridCore* pGrid)
{
    if (pObject == nullptr || pGrid == nullptr)
        AfxThrowInvalidArgFormat("GridLibraryState::RegisterGridWith: object %p, grid %p", pObject,
                                 static_cast<void*>(pGrid));
    AfxAllocating([&] {
        std::vector<CGXGridCore*>& grids = m_gridRegistry[pObject];
        if (std::find(grids.begin(), grids.end(), pGrid) == grids.end())
            grids.push_back(pGrid);
    });
}

CGXGridCore* GridLibraryState::FindFirstGridOf(const void* pObject) const
{
    auto it = m_gridRegistry.find(pObject);
    return it == m_gridRegistry.end() || it->second.empty() ? nullptr : it->second.front();
}

void GridLibraryState::UnregisterGrid(CGXGridCore* pGrid)
{
    if (m_pActiveGrid == pGrid)
        m_pActiveGrid = nullptr;
    for (auto it = m_gridRegistry.begin(); it != m_gridRegistry.end();) {
        std::vector<CGXGridCore*>& grids = it->second;
        grids.erase(std::remove(grids.begin(), grids.end(), pGrid), grids.end());
        it = grids.empty() ? m_gridRegistry.erase(it) : std::next(it);
    }
}

GridLibraryState* GXGetLibraryState()
{
    static GridLibraryState state;
    return &state;
}

// ---- free functions -----------------------------------------------------------------------------

CWnd* FindParentOfClass(CWnd* pWnd, CRuntimeClass* pClass, BOOL bAllowMinimised)
{
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr)
        return nullptr;
    const HWND hParent = ::GetParent(pWnd->m_hWnd);
    if (!bAllowMinimised)
        for (HWND h = hParent; h != nullptr; h = ::GetParent(h))
            if (::IsIconic(h))
                return nullptr;
    CWnd* pParent = CWnd::FromHandlePermanent(hParent);
    return pParent != nullptr && pParent->IsKindOf(pClass) ? pParent : nullptr;
}

CView* GetAppActiveView()
{
    auto* pFrame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    if (pFrame == nullptr)
        return nullptr;
    if (CView* pView = pFrame->GetActiveView())
        return pView;
    CFrameWnd* pActive = pFrame->GetActiveFrame();
    return pActive != nullptr ? pActive->GetActiveView() : nullptr;
}

void RefreshLocaleSettings()
{
    if (CGXAbstractDateTimeImp* pImp = GXGetLibraryState()->m_pDateTimeImp)
        pImp->RefreshLocaleInfo();
}

BOOL ComposeMultiByteChar(UINT nChar, CString& strText, BOOL& bPendingLead, BYTE& chLeadByte)
{
    const char ch = char(BYTE(nChar));
    if (bPendingLead) {
        bPendingLead = FALSE;
        const char pair[2] = {char(chLeadByte), ch};
        strText = CString(pair, 2);
        return TRUE;
    }
    if (::IsDBCSLeadByte(BYTE(nChar))) {
        bPendingLead = TRUE;
        chLeadByte = BYTE(nChar);
        strText.Empty();
        return TRUE;
    }
    strText = CString(&ch, 1);
    return FALSE;
}
