// File versions of the help and browser controls, read from their version
// resources through version.dll.
#pragma once

#include "help/rules/Version.h"

#include <string>

namespace hh_funcs {

struct VersionReading {
    FileVersion parts; // all 0 when the version cannot be read
    std::string text;  // "major.minor.release.build"; empty when it cannot be read
};

VersionReading ReadFileVersion(const std::wstring& path);
// The browser control's version, in the numbering later releases use.
VersionReading ReadBrowserVersion();
VersionReading ReadBrowserVersionOf(const std::wstring& path);
// Release names; empty when the version cannot be read.
std::string HelpFriendlyVersion();
std::string BrowserFriendlyVersion();

} // namespace hh_funcs
