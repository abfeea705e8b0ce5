// Layouts are written in pixels at 96 dpi; these scale them to the desktop.
#pragma once

namespace fw {

int ScreenDpi();
int ScaleToScreen(int pixelsAt96);
int ScaleFromScreen(int screenPixels);

} // namespace fw
