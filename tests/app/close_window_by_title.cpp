// Test tool: waits up to 30 seconds for a top-level window with the given title, then asks it to close.
// Exit code 0 when the window was found and sent WM_CLOSE, 1 when it never appeared.
#include <windows.h>
#include <stdio.h>

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: close_window_by_title TITLE\n");
        return 2;
    }
    for (int i = 0; i < 300; i++) {
        HWND hwnd = FindWindowA(nullptr, argv[1]);
        if (hwnd && IsWindowVisible(hwnd)) {
            printf("found \"%s\"\n", argv[1]);
            PostMessageA(hwnd, WM_CLOSE, 0, 0);
            return 0;
        }
        Sleep(100);
    }
    fprintf(stderr, "no visible window titled \"%s\"\n", argv[1]);
    return 1;
}
