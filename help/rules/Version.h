// Four-part file versions as the help survey reads and compares them.
#pragma once

#include <cstdint>
#include <string>

namespace hh_funcs {

// major.minor.release.build, each an unsigned 16-bit number.
struct FileVersion {
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint16_t release = 0;
    std::uint16_t build = 0;
    friend constexpr bool operator==(const FileVersion&, const FileVersion&) = default;
};

// From the two 32-bit words of a file's fixed version information: major and
// minor are the halves of the most significant word, release and build those
// of the least significant one.
FileVersion VersionFromWords(std::uint32_t mostSignificant, std::uint32_t leastSignificant);

// -1, 0 or 1, comparing major, then minor, then release, then build.
int CompareVersions(const FileVersion& a, const FileVersion& b);

// "major.minor.release.build" in decimal.
std::string VersionText(const FileVersion& version);

// Early browser controls (4.70 and before, release 0) put their build number
// last: 4.70.0.1155 stands for 4.70.1155.0. Other versions come back as given.
FileVersion FromOldBrowserNumbering(const FileVersion& version);

} // namespace hh_funcs
