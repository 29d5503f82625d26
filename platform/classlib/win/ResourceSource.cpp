#include "win/ResourceSource.h"

namespace {
AfxResourceHandleSource g_pfnResourceSource = nullptr;
}

AfxResourceHandleSource AfxSetResourceHandleSource(AfxResourceHandleSource pfnSource)
{
    AfxResourceHandleSource previous = g_pfnResourceSource;
    g_pfnResourceSource = pfnSource;
    return previous;
}

HINSTANCE AfxGetProgramModule()
{
    return ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxFindResourceHandleForLoad()
{
    HINSTANCE hInst = g_pfnResourceSource != nullptr ? g_pfnResourceSource() : nullptr;
    return hInst != nullptr ? hInst : AfxGetProgramModule();
}
