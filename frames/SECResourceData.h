// The bytes of a resource that the toolkit reads itself (tool-bar resources, bitmaps to map), found
// the class library's way: the current resource handle first, then the program (AfxFindResourceHandle).
#pragma once

#include <windows.h>

#include <cstddef>

// The data of resource lpszName of type lpszType (names or MAKEINTRESOURCE ids), valid while the
// module that holds it is loaded; *pnSize receives its size in bytes. Null (and size 0) when neither
// module has it.
const BYTE* SECLockResourceData(LPCSTR lpszName, LPCSTR lpszType, size_t* pnSize);
