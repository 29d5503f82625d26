#include "frames/SECResourceData.h"

#include "win/AfxResource.h"

const BYTE* SECLockResourceData(LPCSTR lpszName, LPCSTR lpszType, size_t* pnSize)
{
    *pnSize = 0;
    HINSTANCE hInst = AfxFindResourceHandle(lpszName, lpszType);
    HRSRC hRsrc = hInst != nullptr ? ::FindResourceA(hInst, lpszName, lpszType) : nullptr;
    HGLOBAL hGlobal = hRsrc != nullptr ? ::LoadResource(hInst, hRsrc) : nullptr;
    const BYTE* pData = hGlobal != nullptr ? static_cast<const BYTE*>(::LockResource(hGlobal)) : nullptr;
    if (pData != nullptr)
        *pnSize = ::SizeofResource(hInst, hRsrc);
    return pData;
}
