// The bytes of a resource that the toolkit reads itself (tool-bar resources, bitmaps to map), found
// the class library's way: the current resource handle first, then the program (AfxFindResourceHandle).
#pragma once

#include <windows.h>

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
