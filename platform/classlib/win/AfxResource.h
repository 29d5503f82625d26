// The resource handle and loading from it.
//
// Every resource the library loads (strings, menus, dialog templates, bitmaps, accelerators) comes
// from the current resource handle first and, when that module lacks it, from the program itself. The
// program switches the handle to a resource-only library (a translation) with AfxSetResourceHandle, so
// a partial translation still finds the resources it leaves out. Until it is set, the handle is the
// program's module.
//
// Under Wine a resource-only library built by winegcc (NAME.dll.so) is found by LoadLibrary("NAME.dll")
// when it lies beside the program under the name NAME.dll (the build's ondrix_resource_library puts it
// there); under NAME.dll.so alone it is not found by that name.
//
// The library's own texts (data-exchange refusals, the exception fallback, the print preview's
// buttons and page text, a floating frame's Hide) are string resources with AFX_IDS_* and AFX_IDP_*
// ids that the program may define, and a translation with it; without them the library's English
// text is used.
#pragma once

#include "core/Core.h"

#include <windows.h>

// The module resources are loaded from first (the program's module until set).
HINSTANCE AfxGetResourceHandle();
// Makes hInstResource the module resources are loaded from first; null goes back to the program.
void AfxSetResourceHandle(HINSTANCE hInstResource);
// The program's module (the application's instance handle).
HINSTANCE AfxGetInstanceHandle();
// The module that holds the resource (current resource handle first, then the program); null when
// neither has it. lpszType: RT_* or a custom type.
HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);

// Loads string nID into rString (current resource handle, then the program). Returns FALSE and
// leaves rString empty when neither has it.
BOOL AfxLoadString(UINT nID, CString& rString);
// Loads string nID into lpszBuf (nMaxBuf bytes with the terminating 0; the text is cut to fit).
// Returns the number of bytes copied, 0 when the string is missing. nMaxBuf 0 or a null buffer are
// refused with CInvalidArgException.
int AfxLoadString(UINT nID, LPSTR lpszBuf, UINT nMaxBuf);
// The library's text nID (a message, a caption, a status text: the AFX_IDS_* and AFX_IDP_* ids of
// AfxRes.h): the string resource of the current resource handle or the program when one has it,
// else the English text. Unknown ids give an empty string.
CString AfxLoadLibraryString(UINT nID);
