// Ondrix's program entry: the one application object of the run, made before the entry runs, and
// the class library's start-up and message loop.
#include <windows.h>

#include "app/ZQApp.h"

CZQApp theApp;

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
