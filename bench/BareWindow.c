/* The yardstick for start-up time and memory: the least a Win32 program can do
   to put a window of the main window's size on the screen. It also draws one
   black dot at a known place of its client area, so that the end-to-end tools
   can prove that they map client coordinates to the screen correctly. */
#include <windows.h>

#define BARE_WIDTH 569
#define BARE_HEIGHT 399
#define DOT_X 40
#define DOT_Y 40
#define DOT_RADIUS 8

static void PaintDot(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    Ellipse(dc, DOT_X - DOT_RADIUS, DOT_Y - DOT_RADIUS, DOT_X + DOT_RADIUS + 1,
            DOT_Y + DOT_RADIUS + 1);
    SelectObject(dc, oldBrush);
    EndPaint(window, &paint);
}

static LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintDot(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    (void)previous;
    (void)commandLine;
    WNDCLASSW windowClass = {0};
    windowClass.lpfnWndProc = BareWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"BareWindow";
    if (!RegisterClassW(&windowClass))
        return 1;

    /* Centred, fixed frame without maximise button, like the main window. */
    int left = (GetSystemMetrics(SM_CXSCREEN) - BARE_WIDTH) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - BARE_HEIGHT) / 2;
    HWND window = CreateWindowW(L"BareWindow", L"BareWindow", WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX,
                                left, top, BARE_WIDTH, BARE_HEIGHT, NULL, NULL, instance, NULL);
    if (!window)
        return 1;
    ShowWindow(window, show);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return (int)message.wParam;
}
