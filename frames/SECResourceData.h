// The bytes of a resource that the toolkit reads itself (tool-bar resources, bitmaps to map), found
// the class library's way: the current resource handle first, then the program (AfxFindResourceHandle).
#pragma once

#include <windows.h>

#include "core/Core.h"

#include <cstddef>
#include <vector>

// The data of resource lpszName of type lpszType (names or MAKEINTRESOURCE ids), valid while the
// module that holds it is loaded; *pnSize receives its size in bytes. Null (and size 0) when neither
// module has it.
const BYTE* SECLockResourceData(LPCSTR lpszName, LPCSTR lpszType, size_t* pnSize);

// The head and the command ids of a tool-bar resource (type 241: WORD version, WORD image width, WORD
// image height, WORD count, then count WORD command ids).
struct SECToolBarResource {
    int cxImage = 0;
    int cyImage = 0;
    std::vector<UINT> ids; // 0 for a separator
};

// Reads tool-bar resource lpszName (name or MAKEINTRESOURCE id) into toolBar. FALSE when it is missing
// or malformed (shorter than its head, an image size of 0, a count of ids that runs past its end).
BOOL SECReadToolBarResource(LPCSTR lpszName, SECToolBarResource& toolBar);

// The titles of the top-level items of a standard menu template (version 0: a WORD version, a WORD
// offset of the items after the 4-byte head; each item a WORD of flags, a WORD id unless it opens a
// popup (MF_POPUP), a zero-terminated UTF-16 text, then a popup's own items; MF_END ends a level),
// converted to the program's code page, in order. FALSE, with no titles, for data too short for its
// head or of another version. A template that stops early or holds a text without its end gives the
// titles read before that; nothing past nSize bytes is read.
BOOL SECParseMenuTitles(const BYTE* pData, size_t nSize, std::vector<CString>& titles);

// SECParseMenuTitles of menu resource lpszName (name or MAKEINTRESOURCE id). FALSE when it is missing
// or cannot be read.
BOOL SECReadMenuTitles(LPCSTR lpszName, std::vector<CString>& titles);
