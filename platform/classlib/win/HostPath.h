// The host path of a path that a Windows dialog answered.
//
// File dialogs answer Windows paths ("C:\users\...", "Z:\home\..."); the core's file classes and the
// model take host paths (core/CFile.h). Wine's own path conversion maps one to the other through the
// prefix's drives ("C:" is the prefix's drive_c, "Z:" the host's root).
#pragma once

#include "core/Core.h"

#include <windows.h>

// The host path of lpszPath (a Windows path, relative ones against the current folder) in rHostPath.
// A path that maps nowhere is refused: FALSE and an empty rHostPath when lpszPath is null or empty,
// when Wine cannot convert it, or when its folder does not exist (a drive the prefix does not have, a
// missing folder), so that no file is ever written to a place the user did not choose.
BOOL AfxGetHostPath(LPCSTR lpszPath, CString& rHostPath);
