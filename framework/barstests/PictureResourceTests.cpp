// The program's bitmaps are 8-bit and run-length encoded: each, as
// LoadImage and LoadBitmap make it, must show exactly the pixels that its
// encoding stands for, decoded here by the format's own rules.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

std::vector<std::wstring> BitmapNames() {
    std::vector<std::wstring> names;
    EnumResourceNamesW(
        GetModuleHandleW(nullptr), RT_BITMAP,
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) -> BOOL {
            if (!IS_INTRESOURCE(name))
                reinterpret_cast<std::vector<std::wstring>*>(found)->push_back(name);
            return TRUE;
        },
        LONG_PTR(&names));
    return names;
}

struct Pixels {
    int width = 0, height = 0;
    std::vector<COLORREF> rgb; // from the top row down
};

// BI_RLE8: (count, index) runs; 0 0 ends a line, 0 1 the bitmap, 0 2 dx dy
// moves; 0 n (n >= 3) is n literal indices, padded to 16 bits.
Pixels DecodeResource(const std::wstring& name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, name.c_str(), RT_BITMAP);
    const auto* info = static_cast<const BITMAPINFO*>(LockResource(LoadResource(module, found)));
    const BITMAPINFOHEADER& head = info->bmiHeader;
    EXPECT_EQ(head.biCompression, DWORD(BI_RLE8));
    EXPECT_EQ(head.biBitCount, 8);
    Pixels out{head.biWidth, head.biHeight, {}};
    out.rgb.assign(size_t(out.width) * size_t(out.height), RGB(1, 2, 3));
    DWORD colours = head.biClrUsed ? head.biClrUsed : 256;
    const auto* data = reinterpret_cast<const BYTE*>(info->bmiColors + colours);
    auto put = [&](int x, int row, BYTE index) {
        if (x < out.width && row < out.height && index < colours) {
            const RGBQUAD& q = info->bmiColors[index];
            out.rgb[size_t(out.height - 1 - row) * size_t(out.width) + size_t(x)] =
                RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
        }
    };
    int x = 0, row = 0; // rows run from the bottom
    for (size_t at = 0; at + 1 < head.biSizeImage;) {
        BYTE count = data[at], value = data[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(x++, row, value);
        } else if (value == 0) {
            x = 0;
            ++row;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            x += data[at];
            row += data[at + 1];
            at += 2;
        } else {
            for (int i = 0; i < value; ++i)
                put(x++, row, data[at + size_t(i)]);
            at += size_t(value + 1) / 2 * 2;
        }
    }
    return out;
}

Pixels PixelsOf(HBITMAP bitmap) {
    BITMAP shape{};
    GetObjectW(bitmap, sizeof shape, &shape);
    Pixels out{shape.bmWidth, shape.bmHeight, {}};
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), out.width, -out.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> bits(size_t(out.width) * size_t(out.height));
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, UINT(out.height), bits.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    for (DWORD bgr : bits)
        out.rgb.push_back(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
    return out;
}

int Differences(const Pixels& a, const Pixels& b) {
    if (a.width != b.width || a.height != b.height)
        return -1;
    int count = 0;
    for (size_t i = 0; i < a.rgb.size(); ++i)
        count += a.rgb[i] != b.rgb[i];
    return count;
}

} // namespace

TEST(PictureResourceTest, EveryBitmapLoadsAsItsEncodingSays) {
    std::vector<std::wstring> names = BitmapNames();
    ASSERT_GE(names.size(), 8u) << "the tool bar and the banner at four resolutions each";
    HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const std::wstring& name : names) {
        SCOPED_TRACE(std::string(name.begin(), name.end()));
        Pixels expected = DecodeResource(name);
        ASSERT_GT(expected.width, 0);
        auto loaded =
            static_cast<HBITMAP>(LoadImageW(instance, name.c_str(), IMAGE_BITMAP, 0, 0, 0));
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(Differences(PixelsOf(loaded), expected), 0) << "LoadImage";
        DeleteObject(loaded);
        HBITMAP old = LoadBitmapW(instance, name.c_str());
        ASSERT_NE(old, nullptr);
        EXPECT_EQ(Differences(PixelsOf(old), expected), 0) << "LoadBitmap";
        DeleteObject(old);
    }
}

// Each picture drawn for a resolution has the size the program gives its
// 96-dpi picture there, so that none is ever stretched.
TEST(PictureResourceTest, EachResolutionsPictureHasItsScaledSize) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const wchar_t* base : {L"TOOLBAR", L"BANNER"}) {
        Pixels at96 = DecodeResource(base);
        for (int dpi : {120, 144, 192}) {
            std::wstring name = std::wstring(base) + L"_" + std::to_wstring(dpi);
            SCOPED_TRACE(std::string(name.begin(), name.end()));
            ASSERT_NE(FindResourceW(instance, name.c_str(), RT_BITMAP), nullptr);
            Pixels drawn = DecodeResource(name);
            EXPECT_EQ(drawn.width, MulDiv(at96.width, dpi, 96));
            EXPECT_EQ(drawn.height, MulDiv(at96.height, dpi, 96));
        }
    }
}
