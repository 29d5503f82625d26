// Paths on the Win32 side, and the host path of a path that a Windows dialog answered.
//
// The program is 8-bit, but a file's name is the user's whatever the ANSI code page holds: a path that
// the class library takes or gives (file dialogs, the recent-file list, the command line, documents)
// is "path text", its Unicode name in UTF-8, and it meets the system only through the wide ("W")
// functions. An ANSI string would turn the letters its code page lacks into others ("Ł" into "L"
// under Windows-1252), and a file would be read or written under a name the user never gave.
//
// File dialogs answer Windows paths ("C:\users\...", "Z:\home\..."); the core's file classes and the
// model take host paths (core/CFile.h). Wine's own path conversion maps one to the other through the
// prefix's drives ("C:" is the prefix's drive_c, "Z:" the host's root).
#pragma once

#include "core/Core.h"

#include <windows.h>

#include <vector>

// The wide text of the path text lpszPath in rWide (ending with a 0). FALSE, and an empty rWide, when
// lpszPath is null or is not UTF-8 (such a name cannot be held: it is never guessed at).
BOOL AfxPathToWide(LPCSTR lpszPath, std::vector<WCHAR>& rWide);
// The path text of the wide text lpszWide in rPath. FALSE, and an empty rPath, when lpszWide is null
// or holds a character that has no UTF-8 form (half of a surrogate pair).
BOOL AfxPathFromWide(LPCWSTR lpszWide, CString& rPath);
// The path text lpszPath as the ANSI code page shows it, for a message of 8-bit text: a letter the
// code page lacks shows as its nearest one. Only for showing: never open a file by this name.
CString AfxPathForDisplay(LPCSTR lpszPath);
// The path text of lpszAnsi, a path in the ANSI code page (one that 8-bit system functions gave, such
// as the temporary folder). A null lpszAnsi gives an empty text.
CString AfxPathFromCodePage(LPCSTR lpszAnsi);
// The path text lpszPath in the ANSI code page in rAnsi, for a system function that takes only that.
// FALSE (and an empty rAnsi) when the code page lacks one of its letters or it is not path text: a
// file must then not be opened by the 8-bit name, which would name another one.
BOOL AfxPathToCodePage(LPCSTR lpszPath, CString& rAnsi);
// Sets the caption of hWnd to the path text lpszText (or a text holding a path) with every letter the
// system can draw, whatever the code page; the window's own handling of the text is not called.
// FALSE when hWnd is not a window or lpszText is not path text (the caption is left as it was).
BOOL AfxSetWindowPathText(HWND hWnd, LPCSTR lpszText);

// The host path of lpszPath (path text of a Windows path, relative ones against the current folder)
// in rHostPath. A path that maps nowhere is refused: FALSE and an empty rHostPath when lpszPath is null,
// empty or not path text, when Wine cannot convert it, or when its folder does not exist (a drive the
// prefix does not have, a missing folder), so that no file is ever written to a place the user did
// not choose.
BOOL AfxGetHostPath(LPCSTR lpszPath, CString& rHostPath);
