#include "frames/SECResourceData.h"

#include "win/AfxResource.h"

#include <cstring>

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

BOOL SECReadToolBarResource(LPCSTR lpszName, SECToolBarResource& toolBar)
{
    size_t nSize = 0;
    const BYTE* pData = SECLockResourceData(lpszName, MAKEINTRESOURCEA(241), &nSize);
    const size_t nHead = 4 * sizeof(WORD); // version, width, height, count
    if (pData == nullptr || nSize < nHead)
        return FALSE;
    WORD head[4];
    std::memcpy(head, pData, nHead);
    const size_t nCount = head[3];
    // a count that claims more ids than the resource holds would read past its end
    if (head[1] == 0 || head[2] == 0 || nCount > (nSize - nHead) / sizeof(WORD))
        return FALSE;
    toolBar.cxImage = head[1];
    toolBar.cyImage = head[2];
    toolBar.ids.resize(nCount);
    for (size_t i = 0; i < nCount; i++) {
        WORD nID;
        std::memcpy(&nID, pData + nHead + i * sizeof(WORD), sizeof(WORD));
        toolBar.ids[i] = nID;
    }
    return TRUE;
}
