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

namespace {

// Item flags of a standard menu template.
const WORD kMenuPopup = 0x0010;
const WORD kMenuEnd = 0x0080;

} // namespace

BOOL SECParseMenuTitles(const BYTE* pData, size_t nSize, std::vector<CString>& titles)
{
    titles.clear();
    if (pData == nullptr || nSize < 2 * sizeof(WORD))
        return FALSE;
    WORD head[2];
    std::memcpy(head, pData, sizeof(head));
    if (head[0] != 0)
        return FALSE;
    size_t pos = sizeof(head) + head[1];
    // reads the next WORD; false at the end of the data
    auto next = [&](WORD& w) {
        if (pos > nSize || nSize - pos < sizeof(WORD))
            return false;
        std::memcpy(&w, pData + pos, sizeof(WORD));
        pos += sizeof(WORD);
        return true;
    };
    // for each popup whose items are being read: whether its own item ended its level
    std::vector<bool> popups;
    for (;;) {
        WORD flags = 0;
        WORD word = 0;
        if (!next(flags) || (!(flags & kMenuPopup) && !next(word)))
            return TRUE;
        std::vector<WCHAR> text;
        do {
            if (!next(word))
                return TRUE; // a text without its end is no title
            text.push_back(WCHAR(word));
        } while (word != 0);
        if (popups.empty()) {
            const int nLength = ::WideCharToMultiByte(CP_ACP, 0, text.data(), -1, nullptr, 0, nullptr, nullptr);
            std::vector<char> title(size_t(nLength > 0 ? nLength : 1), '\0');
            ::WideCharToMultiByte(CP_ACP, 0, text.data(), -1, title.data(), nLength, nullptr, nullptr);
            titles.emplace_back(title.data());
        }
        if (flags & kMenuPopup) {
            popups.push_back((flags & kMenuEnd) != 0);
            continue;
        }
        // the end of a level may end the levels of the popups it closes too
        for (bool bEnd = (flags & kMenuEnd) != 0; bEnd;) {
            if (popups.empty())
                return TRUE;
            bEnd = popups.back();
            popups.pop_back();
        }
    }
}

BOOL SECReadMenuTitles(LPCSTR lpszName, std::vector<CString>& titles)
{
    size_t nSize = 0;
    const BYTE* pData = SECLockResourceData(lpszName, MAKEINTRESOURCEA(4) /* RT_MENU */, &nSize);
    return SECParseMenuTitles(pData, nSize, titles);
}
