#include "framework/core/Text.h"

#include <algorithm>

#include <windows.h>

namespace fw {

namespace {
constexpr UINT kCodePage = 1252;
}

std::wstring ToWide(std::string_view text) {
    if (text.empty())
        return {};
    int size = MultiByteToWideChar(kCodePage, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(size_t(size), L'\0');
    MultiByteToWideChar(kCodePage, 0, text.data(), int(text.size()), wide.data(), size);
    return wide;
}

std::string FromWide(std::wstring_view text) {
    return FromWide(text, kUnmappableChar);
}

std::string FromWide(std::wstring_view text, char substitute) {
    if (text.empty())
        return {};
    const char replacement[2] = {substitute, '\0'};
    int size = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, text.data(), int(text.size()),
                                   nullptr, 0, replacement, nullptr);
    std::string narrow(size_t(size), '\0');
    WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, text.data(), int(text.size()),
                        narrow.data(), size, replacement, nullptr);
    return narrow;
}

namespace {
char FoldedAscii(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}
} // namespace

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return FoldedAscii(x) == FoldedAscii(y); });
}

} // namespace fw
