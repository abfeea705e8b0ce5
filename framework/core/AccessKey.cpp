#include "framework/core/AccessKey.h"

#include "framework/core/Text.h"

#include <windows.h>

namespace fw {

namespace {
// Upper case of a Windows-1252 character, accented letters included.
char Upper(char c) {
    std::wstring wide = ToWide(std::string(1, c));
    CharUpperBuffW(wide.data(), DWORD(wide.size()));
    return FromWide(wide)[0];
}
} // namespace

bool HasAccessKey(std::string_view caption, char key) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return Upper(caption[i + 1]) == Upper(key);
    }
    return false;
}

} // namespace fw
