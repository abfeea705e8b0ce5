// The program's bitmaps are 8-bit and run-length encoded, and stored packed:
// each, as the framework loads it, must show exactly the pixels that its
// encoding stands for, decoded here by the format's own rules.
#include "framework/core/Resources.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

// Every packed resource of this test program is a picture.
std::vector<std::wstring> BitmapNames() {
    std::vector<std::wstring> names;
    EnumResourceNamesW(
        GetModuleHandleW(nullptr), L"PACKED",
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
    std::optional<std::string> dib = fw::LoadPackedResource(name);
    EXPECT_TRUE(dib.has_value());
    if (!dib || dib->size() < sizeof(BITMAPINFOHEADER))
        return {};
    const auto* info = reinterpret_cast<const BITMAPINFO*>(dib->data());
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
    size_t offset = size_t(data - reinterpret_cast<const BYTE*>(dib->data()));
    size_t end =
        offset <= dib->size() ? std::min<size_t>(head.biSizeImage, dib->size() - offset) : 0;
    for (size_t at = 0; at + 1 < end;) {
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
    for (const std::wstring& name : names) {
        SCOPED_TRACE(std::string(name.begin(), name.end()));
        Pixels expected = DecodeResource(name);
        ASSERT_GT(expected.width, 0);
        HBITMAP loaded = fw::LoadPackedBitmap(name);
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(Differences(PixelsOf(loaded), expected), 0);
        DeleteObject(loaded);
    }
}

TEST(PictureResourceTest, NoPictureOfAnUnknownName) {
    EXPECT_EQ(fw::LoadPackedBitmap(L"NOSUCHPICTURE"), nullptr);
    EXPECT_FALSE(fw::HasPackedResource(L"NOSUCHPICTURE"));
}

// Each picture drawn for a resolution has the size the program gives its
// 96-dpi picture there, so that none is ever stretched.
TEST(PictureResourceTest, EachResolutionsPictureHasItsScaledSize) {
    for (const wchar_t* base : {L"TOOLBAR", L"BANNER"}) {
        Pixels at96 = DecodeResource(base);
        for (int dpi : {120, 144, 192}) {
            std::wstring name = std::wstring(base) + L"_" + std::to_wstring(dpi);
            SCOPED_TRACE(std::string(name.begin(), name.end()));
            ASSERT_TRUE(fw::HasPackedResource(name));
            Pixels drawn = DecodeResource(name);
            EXPECT_EQ(drawn.width, MulDiv(at96.width, dpi, 96));
            EXPECT_EQ(drawn.height, MulDiv(at96.height, dpi, 96));
        }
    }
}

// The icon holds an image for each size the program asks for (the large ones
// stored as PNG): each loads at its own size, not scaled from another, and
// draws with its transparent corners and its opaque page.
TEST(PictureResourceTest, TheIconDrawsAtEachOfItsSizes) {
    const COLORREF key = RGB(255, 0, 255);
    for (int size : {16, 20, 24, 32, 40, 48, 64}) {
        SCOPED_TRACE(size);
        auto icon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO parts{};
        ASSERT_TRUE(GetIconInfo(icon, &parts));
        BITMAP shape{};
        GetObjectW(parts.hbmColor ? parts.hbmColor : parts.hbmMask, sizeof shape, &shape);
        EXPECT_EQ(shape.bmWidth, size);
        DeleteObject(parts.hbmColor);
        DeleteObject(parts.hbmMask);

        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP canvas = CreateCompatibleBitmap(screen, size, size);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc, canvas);
        HBRUSH brush = CreateSolidBrush(key);
        RECT all{0, 0, size, size};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
        SelectObject(dc, old);
        DeleteDC(dc);
        Pixels drawn = PixelsOf(canvas);
        DeleteObject(canvas);
        DestroyIcon(icon);

        auto at = [&](int x, int y) { return drawn.rgb[size_t(y * size + x)]; };
        EXPECT_EQ(at(0, 0), key);
        EXPECT_EQ(at(size - 1, 0), key);
        EXPECT_EQ(at(0, size - 1), key);
        EXPECT_NE(at(size / 2, size / 2), key);
    }
}
