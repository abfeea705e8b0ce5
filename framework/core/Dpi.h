// Layouts are written in pixels at 96 dpi; each window scales them to the
// resolution of the monitor it is on, which can change as it moves.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

// The system's resolution: that of every window until Windows says otherwise.
int ScreenDpi();
int ScaleTo(int pixelsAt96, int dpi);
int ScaleFrom(int pixels, int dpi);
// The resolution Windows gives the window (per monitor where it can).
int WindowDpi(HWND window);
// The frame around a client rectangle, with the metrics of that resolution.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, int dpi);
// The program's pictures are drawn for 100, 125, 150 and 200 %: the
// resolution of those drawn for `dpi` (the largest not above it).
int PictureDpi(int dpi);
// The bitmap resource of a picture as drawn for `dpi` ("BANNER_144" is
// "BANNER" drawn for 144 dpi), or the picture itself where the program has
// no such drawing; `drawnDpi` receives the resolution of the one named.
std::wstring PictureResource(const std::string& name, int dpi, int& drawnDpi);

} // namespace fw
