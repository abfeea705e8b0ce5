#include "WindowPicture.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace guitest {

namespace {
struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<FILE, FileCloser>;
} // namespace

Picture ClientPicture(HWND window) {
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    RECT frame;
    GetWindowRect(window, &frame);
    SetWindowPos(window, HWND_TOP, frame.left - origin.x, frame.top - origin.y, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE);
    UpdateWindow(window);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    // Wine copies what a window drew to the display when its thread next waits
    // for messages, or 50 ms later: without a wait here, the screen may still
    // show part of the window as it was before.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
    RECT client;
    GetClientRect(window, &client);
    Picture picture;
    picture.width = std::min<int>(client.right, GetSystemMetrics(SM_CXSCREEN));
    picture.height = std::min<int>(client.bottom, GetSystemMetrics(SM_CYSCREEN));
    picture.pixels.resize(size_t(picture.width) * size_t(picture.height));
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), picture.width, -picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width, picture.height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* source = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        DWORD bgr = source[i];
        picture.pixels[i] = RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

namespace {
bool Near(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}
} // namespace

int CountDifferences(const Picture& a, const Picture& b, const RECT& area, int dx, int dy,
                     int tolerance) {
    if (area.left < 0 || area.top < 0 || area.right > a.width || area.bottom > a.height ||
        area.left + dx < 0 || area.top + dy < 0 || area.right + dx > b.width ||
        area.bottom + dy > b.height)
        return -1;
    int differences = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            differences += !Near(a.At(x, y), b.At(x + dx, y + dy), tolerance);
    return differences;
}

bool SavePicture(const Picture& picture, const std::string& path) {
    File file(std::fopen(path.c_str(), "wb"));
    int size[2] = {picture.width, picture.height};
    return file && std::fwrite(size, sizeof size, 1, file.get()) == 1 &&
           std::fwrite(picture.pixels.data(), sizeof(COLORREF), picture.pixels.size(),
                       file.get()) == picture.pixels.size();
}

std::optional<Picture> LoadPicture(const std::string& path) {
    File file(std::fopen(path.c_str(), "rb"));
    int size[2];
    if (!file || std::fread(size, sizeof size, 1, file.get()) != 1 || size[0] < 0 || size[1] < 0)
        return std::nullopt;
    Picture picture{size[0], size[1], {}};
    picture.pixels.resize(size_t(size[0]) * size_t(size[1]));
    if (std::fread(picture.pixels.data(), sizeof(COLORREF), picture.pixels.size(), file.get()) !=
        picture.pixels.size())
        return std::nullopt;
    return picture;
}

bool SavePictureAsBitmap(const Picture& picture, const std::string& path) {
    File file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return false;
    int stride = (picture.width * 3 + 3) / 4 * 4;
    BITMAPINFOHEADER info{sizeof info, picture.width, picture.height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    info.biSizeImage = DWORD(stride * picture.height);
    BITMAPFILEHEADER head{};
    head.bfType = 0x4D42;
    head.bfOffBits = sizeof head + sizeof info;
    head.bfSize = head.bfOffBits + info.biSizeImage;
    std::fwrite(&head, sizeof head, 1, file.get());
    std::fwrite(&info, sizeof info, 1, file.get());
    std::vector<unsigned char> row(size_t(stride), 0);
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            COLORREF c = picture.At(x, y);
            row[size_t(x) * 3] = GetBValue(c);
            row[size_t(x) * 3 + 1] = GetGValue(c);
            row[size_t(x) * 3 + 2] = GetRValue(c);
        }
        std::fwrite(row.data(), 1, row.size(), file.get());
    }
    return true;
}

} // namespace guitest
