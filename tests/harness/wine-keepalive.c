/* Holds the Wine desktop and services open for a whole test run, so that each
   test program starts in a warm session instead of booting one. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    (void)instance;
    (void)previous;
    (void)commandLine;
    (void)show;
    GetDesktopWindow();
    Sleep(INFINITE);
    return 0;
}
