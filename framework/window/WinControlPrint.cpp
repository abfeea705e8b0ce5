// WM_PRINT: a window drawn with its frame and its child windows into a device
// context that is not the screen (PrintWindow, a print, a picture of a form).
// Windows' DefWindowProc does all of it; Wine's draws neither the frame nor
// the children, so the children are printed here, the same way on both.
#include "framework/window/WinControl.h"

#include "framework/graphics/GdiHandle.h"

namespace fw {

namespace {
// Where the client area starts inside the window's frame.
POINT ClientOffset(HWND window) {
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    RECT frame;
    GetWindowRect(window, &frame);
    return {origin.x - frame.left, origin.y - frame.top};
}

// A child window's frame in the parent's client coordinates.
RECT FrameInParent(HWND child, HWND parent) {
    RECT frame;
    GetWindowRect(child, &frame);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&frame), 2);
    return frame;
}
} // namespace

LRESULT TWinControl::Print(HDC dc, LPARAM flags) {
    if ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(handle_))
        return 0;
    if (flags & PRF_NONCLIENT)
        DefaultHandler(WM_PRINT, WPARAM(dc), PRF_NONCLIENT);
    {
        SavedDc saved(dc);
        if (flags & PRF_NONCLIENT) {
            POINT offset = ClientOffset(handle_);
            OffsetViewportOrgEx(dc, offset.x, offset.y, nullptr);
        }
        RECT client;
        GetClientRect(handle_, &client);
        IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
        // Background and client area: WM_ERASEBKGND, then WM_PRINTCLIENT.
        if (LPARAM own = flags & (PRF_ERASEBKGND | PRF_CLIENT))
            DefaultHandler(WM_PRINT, WPARAM(dc), own);
        if (flags & PRF_CHILDREN)
            PrintChildWindows(dc, flags);
    }
    if (flags & PRF_OWNED)
        DefaultHandler(WM_PRINT, WPARAM(dc), PRF_OWNED);
    return 0;
}

// Bottom of the Z order first, so that a window drawn later lies on top, as
// on screen. Each child is clipped to its frame, like a child window.
void TWinControl::PrintChildWindows(HDC dc, LPARAM flags) {
    HWND first = GetWindow(handle_, GW_CHILD);
    for (HWND child = first ? GetWindow(first, GW_HWNDLAST) : nullptr; child;
         child = GetWindow(child, GW_HWNDPREV)) {
        if (!(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE))
            continue;
        RECT frame = FrameInParent(child, handle_);
        SavedDc saved(dc);
        IntersectClipRect(dc, frame.left, frame.top, frame.right, frame.bottom);
        OffsetViewportOrgEx(dc, frame.left, frame.top, nullptr);
        SendMessageW(child, WM_PRINT, WPARAM(dc),
                     PRF_NONCLIENT | PRF_CLIENT | PRF_CHILDREN | (flags & PRF_ERASEBKGND));
    }
}

} // namespace fw
