#include "help/FileVersionInfo.h"

#include "help/Files.h"
#include "help/hh.h"
#include "help/rules/FriendlyNames.h"

#include <windows.h>

#include <vector>

namespace hh_funcs {

VersionReading ReadFileVersion(const std::wstring& path) {
    if (path.empty() || !FileExists(path))
        return {};
    std::wstring file = ForFileCall(path);
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(file.c_str(), &handle);
    if (size == 0)
        return {};
    std::vector<BYTE> block(size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoW(file.c_str(), 0, size, block.data()) ||
        !VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed ||
        length < sizeof(VS_FIXEDFILEINFO))
        return {};
    FileVersion parts = VersionFromWords(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
    return {parts, VersionText(parts)};
}

VersionReading ReadBrowserVersionOf(const std::wstring& path) {
    VersionReading reading = ReadFileVersion(path);
    if (reading.text.empty())
        return reading;
    reading.parts = FromOldBrowserNumbering(reading.parts);
    reading.text = VersionText(reading.parts);
    return reading;
}

VersionReading ReadBrowserVersion() {
    return ReadBrowserVersionOf(SystemDirectory() + L"\\Shdocvw.dll");
}

std::string HelpFriendlyVersion() {
    VersionReading reading = ReadFileVersion(hh::FindHelpControlPath());
    return reading.text.empty() ? std::string() : HelpFriendlyName(reading.parts);
}

std::string BrowserFriendlyVersion() {
    VersionReading reading = ReadBrowserVersion();
    return reading.text.empty() ? std::string() : BrowserFriendlyName(reading.parts);
}

} // namespace hh_funcs
