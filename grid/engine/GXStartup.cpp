// The grid library's start-up (see GXState.h).
#include "grid/engine/GXControlFactory.h"
#include "grid/engine/GXLongOperation.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"
#include "win/Win.h"

namespace {

// Registers a copy of the system class lpszSystemClass under lpszClassName for hInstance, with
// CS_GLOBALCLASS added.
void RegisterSystemClassCopy(HINSTANCE hInstance, LPCSTR lpszSystemClass, LPCSTR lpszClassName)
{
    WNDCLASSA wc = {};
    if (::GetClassInfoA(hInstance, lpszClassName, &wc) || !::GetClassInfoA(nullptr, lpszSystemClass, &wc))
        return;
    wc.style |= CS_GLOBALCLASS;
    wc.hInstance = hInstance;
    wc.lpszClassName = lpszClassName;
    ::RegisterClassA(&wc);
}

// Registers a class of the library with DefWindowProc and nothing else but its style.
void RegisterPlainClass(HINSTANCE hInstance, LPCSTR lpszClassName, UINT nStyle)
{
    WNDCLASSA wc = {};
    if (::GetClassInfoA(hInstance, lpszClassName, &wc))
        return;
    wc.style = nStyle;
    wc.lpfnWndProc = &::DefWindowProcA;
    wc.hInstance = hInstance;
    wc.lpszClassName = lpszClassName;
    ::RegisterClassA(&wc);
}

}  // namespace

CString GXClipboardFormatName(HINSTANCE hInstance)
{
    CString strName;
    strName.Format("Grid Styles %08x", unsigned(reinterpret_cast<uintptr_t>(hInstance) & 0xFFFFFFFFu));
    return strName;
}

void GridLibraryState::SetControlFactory(CGXAbstractControlFactory* pFactory)
{
    if (pFactory == nullptr)
        AfxThrowInvalidArgException("GridLibraryState::SetControlFactory: null factory");
    m_nClipboardFormat = ::RegisterClipboardFormatA(GXClipboardFormatName(AfxGetInstanceHandle()));
    if (pFactory != m_pControlFactory)
        delete m_pControlFactory;
    m_pControlFactory = pFactory;
    FreeOwnedObjects();
    const DWORD dwVersion = ::GetVersion();
    const BYTE nMajor = LOBYTE(LOWORD(dwVersion));
    m_wWinVersion = WORD((nMajor << 8) | HIBYTE(LOWORD(dwVersion)));
    m_bWinNotNT = (dwVersion & 0x80000000u) != 0;
    m_bWin4 = nMajor >= 4;
    m_bWinOldShell = nMajor < 4;
    m_bWin32s = m_bWinNotNT && nMajor < 4;
    m_pControlFactory->InitializeApplicationComponents();
}

void GridLibraryState::Initialize(CGXAbstractControlFactory* pFactory)
{
    SetControlFactory(pFactory);

    const HINSTANCE hSavedResource = AfxGetResourceHandle();
    for (int i = 0; i < gxSaveBitsClass; ++i)
        AfxLoadString(s_anSharedTextIds[i], m_astrTexts[i]);
    GXLongOperationSettings& settings = GXGetLongOperationSettings();
    AfxLoadString(GX_IDS_ABORTOPERATION, settings.m_strAbortQuestion);
    AfxLoadString(GX_IDS_PROCESSING, settings.m_strProcessing);
    AfxLoadString(GX_IDS_DONE, settings.m_strDone);
    AfxLoadString(GX_IDS_PRESSESC, settings.m_strPressEsc);

    m_astrTexts[gxSaveBitsClass] = AfxRegisterWndClass(CS_SAVEBITS);

    const HINSTANCE hInstance = AfxGetInstanceHandle();
    m_pControlFactory->RegisterWndClasses(hInstance);
    RegisterSystemClassCopy(hInstance, "edit", "GXEDIT");
    RegisterSystemClassCopy(hInstance, "listbox", "GXLISTBOX");
    RegisterSystemClassCopy(hInstance, "combobox", "GXCOMBOBOX");
    RegisterPlainClass(hInstance, "GXWND", CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
    RegisterPlainClass(hInstance, "GXNDBLCLKSWND", CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW);
    RegisterPlainClass(hInstance, "GxMdiFrame", CS_GLOBALCLASS | CS_DBLCLKS);

    AfxSetResourceHandle(hSavedResource);
    GXGetSysColors()->Refresh();
    RefreshLocaleSettings();
    m_bInitialized = TRUE;
}

void InitGridLibrary(WORD, WORD, WORD)
{
    CGXControlFactory* pFactory = nullptr;
    AfxAllocating([&] { pFactory = new CGXControlFactory; });
    GXGetLibraryState()->Initialize(pFactory);  // owned by the state from here on
}
