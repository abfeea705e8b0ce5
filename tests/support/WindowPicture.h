// What a window shows, pixel by pixel, to compare two windows or one window
// at two moments; kept in a file to compare across test programs.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace guitest {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels; // row after row, from the top

    COLORREF At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// The client area as painted on the screen. The window is first moved so
// that its client area starts at the desktop's top left corner, where as
// much of it shows as the desktop holds; only that part is taken.
Picture ClientPicture(HWND window);

// The pixels of `a` and `b` that differ within `area` of `a`, where `b`
// holds the same area shifted by (dx, dy); -1 when either does not hold it.
// Colours whose red, green and blue each differ by at most `tolerance` count
// as the same.
int CountDifferences(const Picture& a, const Picture& b, const RECT& area, int dx = 0, int dy = 0,
                     int tolerance = 0);

bool SavePicture(const Picture& picture, const std::string& path);
std::optional<Picture> LoadPicture(const std::string& path);
// A PNG-less look at a picture: a 24-bit BMP file.
bool SavePictureAsBitmap(const Picture& picture, const std::string& path);

} // namespace guitest
