#include "framework/core/Dpi.h"

#include "framework/core/Text.h"

namespace fw {

namespace {
// Windows 10 (1607) and later; older systems give one resolution to all.
template <class Function> Function User32Function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}
} // namespace

int ScreenDpi() {
    static const int dpi = [] {
        // A memory DC has the screen's resolution, without the screen DC's cost.
        HDC memory = CreateCompatibleDC(nullptr);
        int value = GetDeviceCaps(memory, LOGPIXELSY);
        DeleteDC(memory);
        return value > 0 ? value : 96;
    }();
    return dpi;
}

int ScaleTo(int pixelsAt96, int dpi) {
    return MulDiv(pixelsAt96, dpi, 96);
}

int ScaleFrom(int pixels, int dpi) {
    return MulDiv(pixels, 96, dpi);
}

int WindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpi = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    UINT dpi = getDpi && window ? getDpi(window) : 0;
    return dpi > 0 ? int(dpi) : ScreenDpi();
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, int dpi) {
    using AdjustFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjust = User32Function<AdjustFn>("AdjustWindowRectExForDpi");
    if (!adjust || !adjust(&rect, style, menu, exStyle, UINT(dpi)))
        AdjustWindowRectEx(&rect, style, menu, exStyle);
}

int PictureDpi(int dpi) {
    static constexpr int kDrawnFor[] = {192, 144, 120};
    for (int drawn : kDrawnFor)
        if (dpi >= drawn)
            return drawn;
    return 96;
}

std::wstring PictureResource(const std::string& name, int dpi, int& drawnDpi) {
    drawnDpi = PictureDpi(dpi);
    if (drawnDpi != 96) {
        std::wstring drawn = ToWide(name + "_" + std::to_string(drawnDpi));
        if (FindResourceW(GetModuleHandleW(nullptr), drawn.c_str(), RT_BITMAP))
            return drawn;
    }
    drawnDpi = 96;
    return ToWide(name);
}

} // namespace fw
