#include "framework/core/Dpi.h"

#include <windows.h>

namespace fw {

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

int ScaleToScreen(int pixelsAt96) {
    return MulDiv(pixelsAt96, ScreenDpi(), 96);
}
int ScaleFromScreen(int screenPixels) {
    return MulDiv(screenPixels, 96, ScreenDpi());
}

} // namespace fw
