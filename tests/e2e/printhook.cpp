// The hook that winprobe.exe --print puts into another program's thread: when
// the message "winprobe.PrintWindow" is sent to a window, it draws that window
// with PrintWindow, frame included, on a white page, and writes it as a binary
// PPM to the file named by the global atom in wParam.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string PrintedPpm(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) {
        DeleteDC(dc);
        return "";
    }
    HGDIOBJ old = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, width, height, WHITENESS);
    PrintWindow(window, dc, 0);
    GdiFlush();
    std::string ppm = "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
    const auto* pixel = static_cast<const unsigned char*>(bits);
    for (int i = 0; i < width * height; ++i, pixel += 4) {
        ppm += char(pixel[2]);
        ppm += char(pixel[1]);
        ppm += char(pixel[0]);
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return ppm;
}

void Save(HWND window, ATOM name) {
    wchar_t path[MAX_PATH];
    if (!GlobalGetAtomNameW(name, path, MAX_PATH))
        return;
    std::string ppm = PrintedPpm(window);
    FILE* file = ppm.empty() ? nullptr : _wfopen(path, L"wb");
    if (!file)
        return;
    bool written = std::fwrite(ppm.data(), 1, ppm.size(), file) == ppm.size();
    if (std::fclose(file) != 0 || !written)
        DeleteFileW(path);
}

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    PrintHook(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT kPrint = RegisterWindowMessageW(L"winprobe.PrintWindow");
    auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == kPrint)
        Save(message->hwnd, ATOM(message->wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
