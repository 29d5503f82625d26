// Where the drawing and menu classes load resources from (CBitmap::LoadBitmap, CMenu::LoadMenu).
//
// The application object owns the current resource handle (it can switch to a resource-only
// library, such as a translation). It connects itself here with AfxSetResourceHandleSource; until it
// does, resources come from the program's own module. A load tries the current resource handle
// first and then the program's module, so a library that lacks a resource does not lose it.
#pragma once

#include <windows.h>

// Returns the module resources are loaded from now.
typedef HINSTANCE (*AfxResourceHandleSource)();

// Installs the function that gives the current resource handle; null goes back to the program's
// own module. Returns the previous function (null when none was installed).
AfxResourceHandleSource AfxSetResourceHandleSource(AfxResourceHandleSource pfnSource);

// The module to load resources from: the installed function's answer, or the program's module when
// no function is installed or it answers null.
HINSTANCE AfxFindResourceHandleForLoad();

// The program's own module (the executable), the fallback of every load.
HINSTANCE AfxGetProgramModule();
