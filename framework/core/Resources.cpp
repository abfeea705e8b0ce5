#include "framework/core/Resources.h"

#include "framework/core/Text.h"
#include "framework/layout/Exception.h"
#include "framework/packing/Packing.h"

namespace fw {

namespace {

const wchar_t kPackedType[] = L"PACKED";

[[noreturn]] void NotABitmap(const std::wstring& name) {
    throw Exception("the picture '" + FromWide(name) + "' is not a bitmap");
}

// Bytes of the colour table that follows the header, or -1 for a header of
// another kind than the one the program's pictures have.
long ColourTableBytes(const BITMAPINFOHEADER& head) {
    if (head.biSize != sizeof(BITMAPINFOHEADER) || head.biBitCount == 0 || head.biBitCount > 8)
        return -1;
    DWORD colours = head.biClrUsed ? head.biClrUsed : DWORD(1) << head.biBitCount;
    return colours > 256 ? -1 : long(colours * sizeof(RGBQUAD));
}

// Bytes of the pixels that follow the colours, or SIZE_MAX when unknown.
size_t PixelBytes(const BITMAPINFOHEADER& head) {
    if (head.biCompression == BI_RLE8 || head.biCompression == BI_RLE4)
        return head.biSizeImage;
    if (head.biCompression != BI_RGB || head.biWidth <= 0)
        return SIZE_MAX;
    size_t rowBytes = (size_t(head.biWidth) * head.biBitCount + 31) / 32 * 4;
    return rowBytes * size_t(head.biHeight < 0 ? -head.biHeight : head.biHeight);
}

} // namespace

bool HasPackedResource(const std::wstring& name) {
    return FindResourceW(GetModuleHandleW(nullptr), name.c_str(), kPackedType) != nullptr;
}

std::optional<std::string> LoadPackedResource(const std::wstring& name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, name.c_str(), kPackedType);
    if (!resource)
        return std::nullopt;
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, resource)));
    if (!bytes)
        return std::nullopt;
    return packing::Unpack(std::string_view(bytes, SizeofResource(module, resource)));
}

HBITMAP LoadPackedBitmap(const std::wstring& name) {
    std::optional<std::string> dib = LoadPackedResource(name);
    if (!dib)
        return nullptr;
    if (dib->size() < sizeof(BITMAPINFOHEADER))
        NotABitmap(name);
    const auto* info = reinterpret_cast<const BITMAPINFO*>(dib->data());
    long colours = ColourTableBytes(info->bmiHeader);
    size_t afterHeader = dib->size() - sizeof(BITMAPINFOHEADER);
    if (colours < 0 || afterHeader < size_t(colours) ||
        afterHeader - size_t(colours) < PixelBytes(info->bmiHeader))
        NotABitmap(name);
    const char* pixels = dib->data() + sizeof(BITMAPINFOHEADER) + colours;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap =
        CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, pixels, info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

} // namespace fw
