#include "win/ControlContainer.h"

namespace {

CControlContainerHook* g_pControlContainerHook = nullptr;

} // namespace

CControlContainerHook* AfxSetControlContainerHook(CControlContainerHook* pHook)
{
    CControlContainerHook* pBefore = g_pControlContainerHook;
    g_pControlContainerHook = pHook;
    return pBefore;
}

CControlContainerHook* AfxGetControlContainerHook()
{
    return g_pControlContainerHook;
}

void AfxCallControlContainerHook(CWnd* pWnd, void* pCookie)
{
    if (g_pControlContainerHook != nullptr && pCookie != nullptr)
        g_pControlContainerHook->OnInitDialog(pWnd, pCookie);
}
