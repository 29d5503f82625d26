// Text on the system clipboard in tests: reading it back and putting it there. The clipboard is one for
// the whole display: programs that use it take the CLIPBOARD flag of ondrix_wine_test, so they take turns.
#pragma once

#include "wine_gtest.h"

#include <cstring>
#include <string>

#include <windows.h>

// The clipboard's CF_TEXT, opened for hOwner (null: this task); pszNone when it holds no text, pszBusy
// when it cannot be opened.
inline std::string ClipboardText(HWND hOwner = nullptr, const char* pszNone = "", const char* pszBusy = "(not opened)")
{
    if (!::OpenClipboard(hOwner))
        return pszBusy;
    std::string text = pszNone;
    if (HANDLE hData = ::GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(::GlobalLock(hData));
        ::GlobalUnlock(hData);
    }
    ::CloseClipboard();
    return text;
}

// Puts nSize bytes as the only clipboard data, of format nFormat, opened for hOwner (null: this task).
inline void PutOnClipboard(const void* pData, size_t nSize, UINT nFormat = CF_TEXT, HWND hOwner = nullptr)
{
    ASSERT_TRUE(::OpenClipboard(hOwner));
    ::EmptyClipboard();
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nSize);
    std::memcpy(::GlobalLock(hData), pData, nSize);
    ::GlobalUnlock(hData);
    ::SetClipboardData(nFormat, hData);
    ::CloseClipboard();
}

// Puts pszText (with its terminating zero) as the clipboard's only CF_TEXT.
inline void SetClipboardText(const char* pszText, HWND hOwner = nullptr)
{
    PutOnClipboard(pszText, std::strlen(pszText) + 1, CF_TEXT, hOwner);
}
